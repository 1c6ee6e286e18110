// The non-template arrays.  All share one growth rule, that of CArray:
// nGrowBy = -1 keeps the step; size 0 frees the storage; the first
// allocation is exact; growing within the allocation only initialises the
// new elements; growing past it allocates max(size, allocation + step),
// where a step of 0 means an eighth of the current size, bounded to 4..1024.

#include <afxtempl.h>

namespace {

template <class TYPE>
struct ArrayStore
{
    TYPE*& m_pData;
    int& m_nSize;
    int& m_nMaxSize;
    int& m_nGrowBy;

    void SetSize(int nNewSize, int nGrowBy)
    {
        ASSERT(nNewSize >= 0);
        if (nNewSize < 0)
            return;
        if (nGrowBy != -1)
            m_nGrowBy = nGrowBy;

        if (nNewSize == 0)
        {
            if (m_pData != NULL)
            {
                DestructElements<TYPE>(m_pData, m_nSize);
                delete[] (BYTE*)m_pData;
                m_pData = NULL;
            }
            m_nSize = m_nMaxSize = 0;
        }
        else if (m_pData == NULL)
        {
            m_pData = _AfxAllocElements<TYPE>(nNewSize);
            ConstructElements<TYPE>(m_pData, nNewSize);
            m_nSize = m_nMaxSize = nNewSize;
        }
        else if (nNewSize <= m_nMaxSize)
        {
            if (nNewSize > m_nSize)
                ConstructElements<TYPE>(&m_pData[m_nSize], nNewSize - m_nSize);
            else if (m_nSize > nNewSize)
                DestructElements<TYPE>(&m_pData[nNewSize], m_nSize - nNewSize);
            m_nSize = nNewSize;
        }
        else
        {
            int nStep = m_nGrowBy;
            if (nStep == 0)
            {
                nStep = m_nSize / 8;
                nStep = (nStep < 4) ? 4 : ((nStep > 1024) ? 1024 : nStep);
            }
            int nNewMax;
            if (nStep > 0 && nNewSize - nStep < m_nMaxSize)
                nNewMax = m_nMaxSize + nStep;
            else
                nNewMax = nNewSize;

            TYPE* pNewData = _AfxAllocElements<TYPE>(nNewMax);
            _AfxRelocateElements<TYPE>(pNewData, m_pData, m_nSize);
            ConstructElements<TYPE>(&pNewData[m_nSize], nNewSize - m_nSize);
            delete[] (BYTE*)m_pData;
            m_pData = pNewData;
            m_nSize = nNewSize;
            m_nMaxSize = nNewMax;
        }
    }

    void FreeExtra()
    {
        if (m_nSize == m_nMaxSize)
            return;
        TYPE* pNewData = NULL;
        if (m_nSize != 0)
        {
            pNewData = _AfxAllocElements<TYPE>(m_nSize);
            _AfxRelocateElements<TYPE>(pNewData, m_pData, m_nSize);
        }
        delete[] (BYTE*)m_pData;
        m_pData = pNewData;
        m_nMaxSize = m_nSize;
    }

    template <class ARG>
    void SetAtGrow(int nIndex, ARG newElement)
    {
        ASSERT(nIndex >= 0);
        if (nIndex < 0)
            return;
        if (nIndex >= m_nSize)
        {
            TYPE element(newElement);  // newElement may live in this array
            SetSize(nIndex + 1, -1);
            m_pData[nIndex] = element;
            return;
        }
        m_pData[nIndex] = newElement;
    }

    void InsertCopies(int nIndex, const TYPE& element, int nCount)
    {
        ASSERT(nIndex >= 0);
        ASSERT(nCount > 0);
        if (nIndex < 0 || nCount <= 0)
            return;
        if (nIndex >= m_nSize)
        {
            SetSize(nIndex + nCount, -1);
        }
        else
        {
            int nOldSize = m_nSize;
            SetSize(m_nSize + nCount, -1);
            for (int i = nOldSize - 1; i >= nIndex; i--)
                m_pData[i + nCount] = std::move(m_pData[i]);
            DestructElements<TYPE>(&m_pData[nIndex], nCount);
            ConstructElements<TYPE>(&m_pData[nIndex], nCount);
        }
        while (nCount--)
            m_pData[nIndex++] = element;
    }

    void RemoveAt(int nIndex, int nCount)
    {
        ASSERT(nIndex >= 0 && nCount >= 0 && nIndex + nCount <= m_nSize);
        if (nIndex < 0 || nCount <= 0 || nIndex > m_nSize || nCount > m_nSize - nIndex)
            return;
        int nMoveCount = m_nSize - (nIndex + nCount);
        for (int i = 0; i < nMoveCount; i++)
            m_pData[nIndex + i] = std::move(m_pData[nIndex + nCount + i]);
        DestructElements<TYPE>(&m_pData[m_nSize - nCount], nCount);
        m_nSize -= nCount;
    }

    void Destroy()
    {
        if (m_pData != NULL)
        {
            DestructElements<TYPE>(m_pData, m_nSize);
            delete[] (BYTE*)m_pData;
            m_pData = NULL;
        }
        m_nSize = m_nMaxSize = 0;
    }
};

} // namespace

#define AFXLITE_IMPLEMENT_VALUE_ARRAY(class_name, TYPE, ARG_TYPE) \
IMPLEMENT_DYNAMIC(class_name, CObject) \
class_name::class_name() : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) { } \
class_name::~class_name() \
{ \
    ArrayStore<TYPE> store = { m_pData, m_nSize, m_nMaxSize, m_nGrowBy }; \
    store.Destroy(); \
} \
void class_name::SetSize(int nNewSize, int nGrowBy) \
{ \
    ArrayStore<TYPE> store = { m_pData, m_nSize, m_nMaxSize, m_nGrowBy }; \
    store.SetSize(nNewSize, nGrowBy); \
} \
void class_name::FreeExtra() \
{ \
    ArrayStore<TYPE> store = { m_pData, m_nSize, m_nMaxSize, m_nGrowBy }; \
    store.FreeExtra(); \
} \
void class_name::SetAtGrow(int nIndex, ARG_TYPE newElement) \
{ \
    ArrayStore<TYPE> store = { m_pData, m_nSize, m_nMaxSize, m_nGrowBy }; \
    store.SetAtGrow(nIndex, newElement); \
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
    ArrayStore<TYPE> store = { m_pData, m_nSize, m_nMaxSize, m_nGrowBy }; \
    store.InsertCopies(nIndex, element, nCount); \
} \
void class_name::RemoveAt(int nIndex, int nCount) \
{ \
    ArrayStore<TYPE> store = { m_pData, m_nSize, m_nMaxSize, m_nGrowBy }; \
    store.RemoveAt(nIndex, nCount); \
} \
void class_name::InsertAt(int nStartIndex, class_name* pNewArray) \
{ \
    ASSERT(pNewArray != NULL); \
    if (pNewArray == NULL || nStartIndex < 0 || pNewArray->GetSize() <= 0) \
        return; \
    class_name copy; \
    copy.Copy(*pNewArray); \
    int nCount = copy.GetSize(); \
    ArrayStore<TYPE> store = { m_pData, m_nSize, m_nMaxSize, m_nGrowBy }; \
    store.InsertCopies(nStartIndex, copy.m_pData[0], nCount); \
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
