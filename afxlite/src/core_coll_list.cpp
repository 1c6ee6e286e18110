// CPtrList and CObList: doubly linked lists whose nodes come from CPlex
// blocks of nBlockSize nodes.

#include <afxcoll.h>
#include <afxplex_.h>

#define AFXLITE_IMPLEMENT_PTR_LIST(class_name, TYPE) \
IMPLEMENT_DYNAMIC(class_name, CObject) \
\
class_name::class_name(int nBlockSize) \
{ \
    ASSERT(nBlockSize > 0); \
    if (nBlockSize <= 0) \
        nBlockSize = 10; \
    m_nCount = 0; \
    m_pNodeHead = m_pNodeTail = m_pNodeFree = NULL; \
    m_pBlocks = NULL; \
    m_nBlockSize = nBlockSize; \
} \
\
void class_name::RemoveAll() \
{ \
    m_nCount = 0; \
    m_pNodeHead = m_pNodeTail = m_pNodeFree = NULL; \
    if (m_pBlocks != NULL) \
        m_pBlocks->FreeDataChain(); \
    m_pBlocks = NULL; \
} \
\
class_name::~class_name() \
{ \
    RemoveAll(); \
} \
\
class_name::CNode* class_name::NewNode(CNode* pPrev, CNode* pNext) \
{ \
    if (m_pNodeFree == NULL) \
        _AfxPlexAddFreeNodes(m_pBlocks, m_nBlockSize, m_pNodeFree); \
    CNode* pNode = m_pNodeFree; \
    m_pNodeFree = m_pNodeFree->pNext; \
    pNode->pPrev = pPrev; \
    pNode->pNext = pNext; \
    m_nCount++; \
    pNode->data = 0; \
    return pNode; \
} \
\
void class_name::FreeNode(CNode* pNode) \
{ \
    pNode->pNext = m_pNodeFree; \
    m_pNodeFree = pNode; \
    m_nCount--; \
    /* the last node gone: free the blocks */ \
    if (m_nCount == 0) \
        RemoveAll(); \
} \
\
POSITION class_name::AddHead(TYPE newElement) \
{ \
    CNode* pNewNode = NewNode(NULL, m_pNodeHead); \
    pNewNode->data = newElement; \
    if (m_pNodeHead != NULL) \
        m_pNodeHead->pPrev = pNewNode; \
    else \
        m_pNodeTail = pNewNode; \
    m_pNodeHead = pNewNode; \
    return (POSITION)pNewNode; \
} \
\
POSITION class_name::AddTail(TYPE newElement) \
{ \
    CNode* pNewNode = NewNode(m_pNodeTail, NULL); \
    pNewNode->data = newElement; \
    if (m_pNodeTail != NULL) \
        m_pNodeTail->pNext = pNewNode; \
    else \
        m_pNodeHead = pNewNode; \
    m_pNodeTail = pNewNode; \
    return (POSITION)pNewNode; \
} \
\
void class_name::AddHead(class_name* pNewList) \
{ \
    ASSERT(pNewList != NULL && pNewList != this); \
    if (pNewList == NULL || pNewList == this) \
        return; \
    /* walking backwards keeps the order of pNewList */ \
    POSITION pos = pNewList->GetTailPosition(); \
    while (pos != NULL) \
        AddHead(pNewList->GetPrev(pos)); \
} \
\
void class_name::AddTail(class_name* pNewList) \
{ \
    ASSERT(pNewList != NULL && pNewList != this); \
    if (pNewList == NULL || pNewList == this) \
        return; \
    POSITION pos = pNewList->GetHeadPosition(); \
    while (pos != NULL) \
        AddTail(pNewList->GetNext(pos)); \
} \
\
TYPE class_name::RemoveHead() \
{ \
    ASSERT(m_pNodeHead != NULL); \
    if (m_pNodeHead == NULL) \
        return 0; \
    CNode* pOldNode = m_pNodeHead; \
    TYPE returnValue = pOldNode->data; \
    m_pNodeHead = pOldNode->pNext; \
    if (m_pNodeHead != NULL) \
        m_pNodeHead->pPrev = NULL; \
    else \
        m_pNodeTail = NULL; \
    FreeNode(pOldNode); \
    return returnValue; \
} \
\
TYPE class_name::RemoveTail() \
{ \
    ASSERT(m_pNodeTail != NULL); \
    if (m_pNodeTail == NULL) \
        return 0; \
    CNode* pOldNode = m_pNodeTail; \
    TYPE returnValue = pOldNode->data; \
    m_pNodeTail = pOldNode->pPrev; \
    if (m_pNodeTail != NULL) \
        m_pNodeTail->pNext = NULL; \
    else \
        m_pNodeHead = NULL; \
    FreeNode(pOldNode); \
    return returnValue; \
} \
\
POSITION class_name::InsertBefore(POSITION position, TYPE newElement) \
{ \
    if (position == NULL) \
        return AddHead(newElement); \
    CNode* pOldNode = (CNode*)position; \
    CNode* pNewNode = NewNode(pOldNode->pPrev, pOldNode); \
    pNewNode->data = newElement; \
    if (pOldNode->pPrev != NULL) \
        pOldNode->pPrev->pNext = pNewNode; \
    else \
    { \
        ASSERT(pOldNode == m_pNodeHead); \
        m_pNodeHead = pNewNode; \
    } \
    pOldNode->pPrev = pNewNode; \
    return (POSITION)pNewNode; \
} \
\
POSITION class_name::InsertAfter(POSITION position, TYPE newElement) \
{ \
    if (position == NULL) \
        return AddTail(newElement); \
    CNode* pOldNode = (CNode*)position; \
    CNode* pNewNode = NewNode(pOldNode, pOldNode->pNext); \
    pNewNode->data = newElement; \
    if (pOldNode->pNext != NULL) \
        pOldNode->pNext->pPrev = pNewNode; \
    else \
    { \
        ASSERT(pOldNode == m_pNodeTail); \
        m_pNodeTail = pNewNode; \
    } \
    pOldNode->pNext = pNewNode; \
    return (POSITION)pNewNode; \
} \
\
void class_name::RemoveAt(POSITION position) \
{ \
    CNode* pOldNode = (CNode*)position; \
    ASSERT(pOldNode != NULL); \
    if (pOldNode == NULL) \
        return; \
    if (pOldNode == m_pNodeHead) \
        m_pNodeHead = pOldNode->pNext; \
    else \
        pOldNode->pPrev->pNext = pOldNode->pNext; \
    if (pOldNode == m_pNodeTail) \
        m_pNodeTail = pOldNode->pPrev; \
    else \
        pOldNode->pNext->pPrev = pOldNode->pPrev; \
    FreeNode(pOldNode); \
} \
\
POSITION class_name::FindIndex(int nIndex) const \
{ \
    if (nIndex >= m_nCount || nIndex < 0) \
        return NULL; \
    CNode* pNode = m_pNodeHead; \
    while (nIndex--) \
        pNode = pNode->pNext; \
    return (POSITION)pNode; \
} \
\
POSITION class_name::Find(TYPE searchValue, POSITION startAfter) const \
{ \
    CNode* pNode = (CNode*)startAfter; \
    if (pNode == NULL) \
        pNode = m_pNodeHead; \
    else \
        pNode = pNode->pNext; \
    for (; pNode != NULL; pNode = pNode->pNext) \
        if (pNode->data == searchValue) \
            return (POSITION)pNode; \
    return NULL; \
}

AFXLITE_IMPLEMENT_PTR_LIST(CPtrList, void*)
AFXLITE_IMPLEMENT_PTR_LIST(CObList, CObject*)
