// The non-template arrays.  Their storage is kept by _AfxArrayStore, the
// same code CArray uses, so all arrays share one growth rule.

#include <afxtempl.h>

// The storage of the array being implemented.
#define AFXLITE_ARRAY_STORE(TYPE) \
    (_AfxArrayStore<TYPE>{ m_pData, m_nSize, m_nMaxSize, m_nGrowBy })

#define AFXLITE_IMPLEMENT_VALUE_ARRAY(class_name, TYPE, ARG_TYPE) \
IMPLEMENT_DYNAMIC(class_name, CObject) \
class_name::class_name() : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) { } \
class_name::~class_name() \
{ \
    AFXLITE_ARRAY_STORE(TYPE).Destroy(); \
} \
void class_name::SetSize(int nNewSize, int nGrowBy) \
{ \
    AFXLITE_ARRAY_STORE(TYPE).SetSize(nNewSize, nGrowBy); \
} \
void class_name::FreeExtra() \
{ \
    AFXLITE_ARRAY_STORE(TYPE).FreeExtra(); \
} \
void class_name::SetAtGrow(int nIndex, ARG_TYPE newElement) \
{ \
    AFXLITE_ARRAY_STORE(TYPE).SetAtGrow(nIndex, newElement); \
} \
int class_name::Append(const class_name& src) \
{ \
    int nOldSize = m_nSize; \
    if (this == &src) \
    { \
        class_name copy; \
        copy.Copy(src); \
        return Append(copy); \
    } \
    SetSize(m_nSize + src.m_nSize); \
    CopyElements<TYPE>(m_pData + nOldSize, src.m_pData, src.m_nSize); \
    return nOldSize; \
} \
void class_name::Copy(const class_name& src) \
{ \
    if (this == &src) \
        return; \
    SetSize(src.m_nSize); \
    CopyElements<TYPE>(m_pData, src.m_pData, src.m_nSize); \
} \
void class_name::InsertAt(int nIndex, ARG_TYPE newElement, int nCount) \
{ \
    TYPE element(newElement); \
    AFXLITE_ARRAY_STORE(TYPE).InsertCopies(nIndex, element, nCount); \
} \
void class_name::RemoveAt(int nIndex, int nCount) \
{ \
    AFXLITE_ARRAY_STORE(TYPE).RemoveAt(nIndex, nCount); \
} \
void class_name::InsertAt(int nStartIndex, class_name* pNewArray) \
{ \
    ASSERT(pNewArray != NULL); \
    if (pNewArray == NULL || nStartIndex < 0 || pNewArray->GetSize() <= 0) \
        return; \
    class_name copy; \
    copy.Copy(*pNewArray); \
    int nCount = copy.GetSize(); \
    AFXLITE_ARRAY_STORE(TYPE).InsertCopies(nStartIndex, copy.m_pData[0], nCount); \
    for (int i = 0; i < nCount; i++) \
        m_pData[nStartIndex + i] = copy.m_pData[i]; \
}

AFXLITE_IMPLEMENT_VALUE_ARRAY(CByteArray, BYTE, BYTE)
AFXLITE_IMPLEMENT_VALUE_ARRAY(CWordArray, WORD, WORD)
AFXLITE_IMPLEMENT_VALUE_ARRAY(CDWordArray, DWORD, DWORD)
AFXLITE_IMPLEMENT_VALUE_ARRAY(CUIntArray, UINT, UINT)
AFXLITE_IMPLEMENT_VALUE_ARRAY(CPtrArray, void*, void*)
AFXLITE_IMPLEMENT_VALUE_ARRAY(CObArray, CObject*, CObject*)
AFXLITE_IMPLEMENT_VALUE_ARRAY(CStringArray, CString, LPCTSTR)
