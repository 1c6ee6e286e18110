// afxcoll.h - non-template collections of the afxlite framework layer.
//
// Classes declared here:
//   Arrays: CByteArray, CWordArray, CDWordArray, CUIntArray, CPtrArray,
//           CObArray, CStringArray
//   Lists:  CPtrList, CObList
//   Maps:   CMapPtrToPtr, CMapWordToPtr
//
// The arrays grow as CArray does: SetSize(n, nGrowBy) with nGrowBy = -1
// keeping the current step, 0 freeing the storage, an exact first
// allocation, and later growth to max(n, allocation + step), where a step
// of 0 means an eighth of the current size bounded to 4..1024.

#ifndef __AFXCOLL_H__
#define __AFXCOLL_H__

#ifndef __AFX_H__
#include <afx.h>
#endif

struct CPlex;

/////////////////////////////////////////////////////////////////////////////
// Arrays of plain values (all of the same shape)

#define AFXLITE_DECLARE_VALUE_ARRAY(class_name, TYPE, ARG_TYPE) \
class AFXLITE_API class_name : public CObject \
{ \
    DECLARE_DYNAMIC(class_name) \
public: \
/* Construction */ \
    class_name(); \
/* Attributes */ \
    int GetSize() const { return m_nSize; } \
    int GetUpperBound() const { return m_nSize - 1; } \
    void SetSize(int nNewSize, int nGrowBy = -1); \
/* Operations */ \
    void FreeExtra(); \
    void RemoveAll() { SetSize(0); } \
    TYPE GetAt(int nIndex) const \
        { ASSERT(nIndex >= 0 && nIndex < m_nSize); return m_pData[nIndex]; } \
    void SetAt(int nIndex, ARG_TYPE newElement) \
        { ASSERT(nIndex >= 0 && nIndex < m_nSize); m_pData[nIndex] = newElement; } \
    TYPE& ElementAt(int nIndex) \
        { ASSERT(nIndex >= 0 && nIndex < m_nSize); return m_pData[nIndex]; } \
    const TYPE* GetData() const { return (const TYPE*)m_pData; } \
    TYPE* GetData() { return (TYPE*)m_pData; } \
    void SetAtGrow(int nIndex, ARG_TYPE newElement); \
    int Add(ARG_TYPE newElement) \
        { int nIndex = m_nSize; SetAtGrow(nIndex, newElement); return nIndex; } \
    int Append(const class_name& src); \
    void Copy(const class_name& src); \
    TYPE operator[](int nIndex) const { return GetAt(nIndex); } \
    TYPE& operator[](int nIndex) { return ElementAt(nIndex); } \
    void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1); \
    void RemoveAt(int nIndex, int nCount = 1); \
    void InsertAt(int nStartIndex, class_name* pNewArray); \
/* Implementation */ \
protected: \
    TYPE* m_pData; \
    int m_nSize; \
    int m_nMaxSize; \
    int m_nGrowBy; \
public: \
    virtual ~class_name(); \
};

AFXLITE_DECLARE_VALUE_ARRAY(CByteArray, BYTE, BYTE)
AFXLITE_DECLARE_VALUE_ARRAY(CWordArray, WORD, WORD)
AFXLITE_DECLARE_VALUE_ARRAY(CDWordArray, DWORD, DWORD)
AFXLITE_DECLARE_VALUE_ARRAY(CUIntArray, UINT, UINT)
AFXLITE_DECLARE_VALUE_ARRAY(CPtrArray, void*, void*)
AFXLITE_DECLARE_VALUE_ARRAY(CObArray, CObject*, CObject*)
AFXLITE_DECLARE_VALUE_ARRAY(CStringArray, CString, LPCTSTR)

#undef AFXLITE_DECLARE_VALUE_ARRAY

/////////////////////////////////////////////////////////////////////////////
// Doubly linked lists of pointers

#define AFXLITE_DECLARE_PTR_LIST(class_name, TYPE) \
class AFXLITE_API class_name : public CObject \
{ \
    DECLARE_DYNAMIC(class_name) \
protected: \
    struct CNode \
    { \
        CNode* pNext; \
        CNode* pPrev; \
        TYPE data; \
    }; \
public: \
/* Construction */ \
    class_name(int nBlockSize = 10); \
/* Attributes (head and tail) */ \
    int GetCount() const { return m_nCount; } \
    BOOL IsEmpty() const { return m_nCount == 0; } \
    TYPE& GetHead() { ASSERT(m_pNodeHead != NULL); return m_pNodeHead->data; } \
    TYPE GetHead() const { ASSERT(m_pNodeHead != NULL); return m_pNodeHead->data; } \
    TYPE& GetTail() { ASSERT(m_pNodeTail != NULL); return m_pNodeTail->data; } \
    TYPE GetTail() const { ASSERT(m_pNodeTail != NULL); return m_pNodeTail->data; } \
/* Operations */ \
    TYPE RemoveHead(); \
    TYPE RemoveTail(); \
    POSITION AddHead(TYPE newElement); \
    POSITION AddTail(TYPE newElement); \
    void AddHead(class_name* pNewList); \
    void AddTail(class_name* pNewList); \
    void RemoveAll(); \
/* Iteration */ \
    POSITION GetHeadPosition() const { return (POSITION)m_pNodeHead; } \
    POSITION GetTailPosition() const { return (POSITION)m_pNodeTail; } \
    TYPE& GetNext(POSITION& rPosition) \
        { CNode* pNode = (CNode*)rPosition; rPosition = (POSITION)pNode->pNext; return pNode->data; } \
    TYPE GetNext(POSITION& rPosition) const \
        { CNode* pNode = (CNode*)rPosition; rPosition = (POSITION)pNode->pNext; return pNode->data; } \
    TYPE& GetPrev(POSITION& rPosition) \
        { CNode* pNode = (CNode*)rPosition; rPosition = (POSITION)pNode->pPrev; return pNode->data; } \
    TYPE GetPrev(POSITION& rPosition) const \
        { CNode* pNode = (CNode*)rPosition; rPosition = (POSITION)pNode->pPrev; return pNode->data; } \
/* Getting/modifying an element at a given position */ \
    TYPE& GetAt(POSITION position) { return ((CNode*)position)->data; } \
    TYPE GetAt(POSITION position) const { return ((CNode*)position)->data; } \
    void SetAt(POSITION pos, TYPE newElement) { ((CNode*)pos)->data = newElement; } \
    void RemoveAt(POSITION position); \
/* Inserting before or after a given position */ \
    POSITION InsertBefore(POSITION position, TYPE newElement); \
    POSITION InsertAfter(POSITION position, TYPE newElement); \
/* Helper functions (note: O(n) speed) */ \
    POSITION Find(TYPE searchValue, POSITION startAfter = NULL) const; \
    POSITION FindIndex(int nIndex) const; \
/* Implementation */ \
protected: \
    CNode* m_pNodeHead; \
    CNode* m_pNodeTail; \
    int m_nCount; \
    CNode* m_pNodeFree; \
    struct CPlex* m_pBlocks; \
    int m_nBlockSize; \
    CNode* NewNode(CNode* pPrev, CNode* pNext); \
    void FreeNode(CNode* pNode); \
public: \
    virtual ~class_name(); \
};

AFXLITE_DECLARE_PTR_LIST(CPtrList, void*)
AFXLITE_DECLARE_PTR_LIST(CObList, CObject*)

#undef AFXLITE_DECLARE_PTR_LIST

/////////////////////////////////////////////////////////////////////////////
// Hash maps with pointer or WORD keys and pointer values

#define AFXLITE_DECLARE_PTR_MAP(class_name, KEY) \
class AFXLITE_API class_name : public CObject \
{ \
    DECLARE_DYNAMIC(class_name) \
protected: \
    /* Association */ \
    struct CAssoc \
    { \
        CAssoc* pNext; \
        KEY key; \
        void* value; \
    }; \
public: \
/* Construction */ \
    class_name(int nBlockSize = 10); \
/* Attributes */ \
    int GetCount() const { return m_nCount; } \
    BOOL IsEmpty() const { return m_nCount == 0; } \
    /* Lookup */ \
    BOOL Lookup(KEY key, void*& rValue) const; \
/* Operations */ \
    /* Lookup and add if not there */ \
    void*& operator[](KEY key); \
    /* add a new (key, value) pair */ \
    void SetAt(KEY key, void* newValue) { (*this)[key] = newValue; } \
    /* removing existing (key, ?) pair */ \
    BOOL RemoveKey(KEY key); \
    void RemoveAll(); \
    /* iterating all (key, value) pairs */ \
    POSITION GetStartPosition() const \
        { return (m_nCount == 0) ? NULL : BEFORE_START_POSITION; } \
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, void*& rValue) const; \
    /* advanced features for derived classes */ \
    UINT GetHashTableSize() const { return m_nHashTableSize; } \
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE); \
/* Overridables: special non-virtual (see map implementation for details) */ \
    /* Routine used to user-provided hash keys */ \
    UINT HashKey(KEY key) const; \
/* Implementation */ \
protected: \
    CAssoc** m_pHashTable; \
    UINT m_nHashTableSize; \
    int m_nCount; \
    CAssoc* m_pFreeList; \
    struct CPlex* m_pBlocks; \
    int m_nBlockSize; \
    CAssoc* NewAssoc(); \
    void FreeAssoc(CAssoc*); \
    CAssoc* GetAssocAt(KEY, UINT&) const; \
public: \
    virtual ~class_name(); \
};

AFXLITE_DECLARE_PTR_MAP(CMapPtrToPtr, void*)
AFXLITE_DECLARE_PTR_MAP(CMapWordToPtr, WORD)

#undef AFXLITE_DECLARE_PTR_MAP

#endif // __AFXCOLL_H__
