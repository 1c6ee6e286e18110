// CMapPtrToPtr and CMapWordToPtr: chained hash tables (17 buckets unless
// InitHashTable says otherwise) whose associations come from CPlex blocks.

#include <afxcoll.h>
#include <afxplex_.h>

namespace {
inline UINT HashOf(void* key) { return (UINT)(((UINT_PTR)key) >> 4); }
inline UINT HashOf(WORD key) { return ((UINT)key) >> 4; }
} // namespace

#define AFXLITE_IMPLEMENT_PTR_MAP(class_name, KEY) \
IMPLEMENT_DYNAMIC(class_name, CObject) \
\
class_name::class_name(int nBlockSize) \
{ \
    ASSERT(nBlockSize > 0); \
    if (nBlockSize <= 0) \
        nBlockSize = 10; \
    m_pHashTable = NULL; \
    m_nHashTableSize = 17; \
    m_nCount = 0; \
    m_pFreeList = NULL; \
    m_pBlocks = NULL; \
    m_nBlockSize = nBlockSize; \
} \
\
UINT class_name::HashKey(KEY key) const \
{ \
    return HashOf(key); \
} \
\
void class_name::InitHashTable(UINT nHashSize, BOOL bAllocNow) \
{ \
    /* Sets the bucket count (and allocates the buckets) of an empty map. */ \
    ASSERT(m_nCount == 0); \
    ASSERT(nHashSize > 0); \
    if (m_nCount != 0 || nHashSize == 0) \
        return; \
    if (m_pHashTable != NULL) \
    { \
        delete[] m_pHashTable; \
        m_pHashTable = NULL; \
    } \
    if (bAllocNow) \
    { \
        m_pHashTable = new (std::nothrow) CAssoc*[nHashSize]; \
        if (m_pHashTable == NULL) \
            AfxThrowMemoryException(); \
        memset(m_pHashTable, 0, sizeof(CAssoc*) * nHashSize); \
    } \
    m_nHashTableSize = nHashSize; \
} \
\
void class_name::RemoveAll() \
{ \
    if (m_pHashTable != NULL) \
    { \
        delete[] m_pHashTable; \
        m_pHashTable = NULL; \
    } \
    m_nCount = 0; \
    m_pFreeList = NULL; \
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
class_name::CAssoc* class_name::NewAssoc() \
{ \
    if (m_pFreeList == NULL) \
        _AfxPlexAddFreeNodes(m_pBlocks, m_nBlockSize, m_pFreeList); \
    class_name::CAssoc* pAssoc = m_pFreeList; \
    m_pFreeList = m_pFreeList->pNext; \
    m_nCount++; \
    pAssoc->key = 0; \
    pAssoc->value = 0; \
    return pAssoc; \
} \
\
void class_name::FreeAssoc(class_name::CAssoc* pAssoc) \
{ \
    pAssoc->pNext = m_pFreeList; \
    m_pFreeList = pAssoc; \
    m_nCount--; \
    /* the last association gone: free the blocks and buckets */ \
    if (m_nCount == 0) \
        RemoveAll(); \
} \
\
class_name::CAssoc* class_name::GetAssocAt(KEY key, UINT& nHash) const \
{ \
    nHash = HashKey(key) % m_nHashTableSize; \
    if (m_pHashTable == NULL) \
        return NULL; \
    for (CAssoc* pAssoc = m_pHashTable[nHash]; pAssoc != NULL; pAssoc = pAssoc->pNext) \
    { \
        if (pAssoc->key == key) \
            return pAssoc; \
    } \
    return NULL; \
} \
\
BOOL class_name::Lookup(KEY key, void*& rValue) const \
{ \
    UINT nHash; \
    CAssoc* pAssoc = GetAssocAt(key, nHash); \
    if (pAssoc == NULL) \
        return FALSE; \
    rValue = pAssoc->value; \
    return TRUE; \
} \
\
void*& class_name::operator[](KEY key) \
{ \
    UINT nHash; \
    CAssoc* pAssoc; \
    if ((pAssoc = GetAssocAt(key, nHash)) == NULL) \
    { \
        if (m_pHashTable == NULL) \
            InitHashTable(m_nHashTableSize); \
        /* a new key: its association goes at the head of its bucket */ \
        pAssoc = NewAssoc(); \
        pAssoc->key = key; \
        pAssoc->pNext = m_pHashTable[nHash]; \
        m_pHashTable[nHash] = pAssoc; \
    } \
    return pAssoc->value; \
} \
\
BOOL class_name::RemoveKey(KEY key) \
{ \
    if (m_pHashTable == NULL) \
        return FALSE; \
    CAssoc** ppAssocPrev = &m_pHashTable[HashKey(key) % m_nHashTableSize]; \
    for (CAssoc* pAssoc = *ppAssocPrev; pAssoc != NULL; pAssoc = pAssoc->pNext) \
    { \
        if (pAssoc->key == key) \
        { \
            *ppAssocPrev = pAssoc->pNext; \
            FreeAssoc(pAssoc); \
            return TRUE; \
        } \
        ppAssocPrev = &pAssoc->pNext; \
    } \
    return FALSE; \
} \
\
void class_name::GetNextAssoc(POSITION& rNextPosition, KEY& rKey, void*& rValue) const \
{ \
    ASSERT(m_pHashTable != NULL); \
    CAssoc* pAssocRet = (CAssoc*)rNextPosition; \
    ASSERT(pAssocRet != NULL); \
    if (m_pHashTable == NULL || pAssocRet == NULL) \
    { \
        rNextPosition = NULL; \
        return; \
    } \
    if (pAssocRet == (CAssoc*)BEFORE_START_POSITION) \
    { \
        /* the first association of the lowest non-empty bucket */ \
        pAssocRet = NULL; \
        for (UINT nBucket = 0; nBucket < m_nHashTableSize; nBucket++) \
            if ((pAssocRet = m_pHashTable[nBucket]) != NULL) \
                break; \
        ASSERT(pAssocRet != NULL); \
        if (pAssocRet == NULL) \
        { \
            rNextPosition = NULL; \
            return; \
        } \
    } \
    /* the next one: along the chain, else the next non-empty bucket */ \
    CAssoc* pAssocNext; \
    if ((pAssocNext = pAssocRet->pNext) == NULL) \
    { \
        for (UINT nBucket = (HashKey(pAssocRet->key) % m_nHashTableSize) + 1; \
             nBucket < m_nHashTableSize; nBucket++) \
            if ((pAssocNext = m_pHashTable[nBucket]) != NULL) \
                break; \
    } \
    rNextPosition = (POSITION)pAssocNext; \
    rKey = pAssocRet->key; \
    rValue = pAssocRet->value; \
}

AFXLITE_IMPLEMENT_PTR_MAP(CMapPtrToPtr, void*)
AFXLITE_IMPLEMENT_PTR_MAP(CMapWordToPtr, WORD)
