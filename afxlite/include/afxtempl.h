// afxtempl.h - collection templates of the afxlite framework layer.
//
// Templates declared here:
//   ConstructElements, DestructElements, CopyElements  element helpers
//   CArray<TYPE, ARG_TYPE>                             growable array
//   CTypedPtrArray<BASE_CLASS, TYPE>                   typed view of CPtrArray/CObArray

#ifndef __AFXTEMPL_H__
#define __AFXTEMPL_H__

#ifndef __AFXCOLL_H__
#include <afxcoll.h>
#endif

#include <type_traits>
#include <utility>

/////////////////////////////////////////////////////////////////////////////
// Element helpers (may be specialised for a type)

// New elements start as zeroed memory, then get their default construction,
// so plain records begin all-zero.  Value-initialisation (TYPE()) keeps the
// zeroes for records without a constructor of their own, even those with
// CString members, where the optimiser could otherwise treat the clearing
// as a dead store.
template <class TYPE>
AFX_INLINE void AFXAPI ConstructElements(TYPE* pElements, int nCount)
{
    ASSERT(nCount == 0 || AfxIsValidAddress(pElements, nCount * sizeof(TYPE)));
    if (nCount <= 0)
        return;
    memset((void*)pElements, 0, (size_t)nCount * sizeof(TYPE));
    for (; nCount--; pElements++)
        ::new ((void*)pElements) TYPE();
}

template <class TYPE>
AFX_INLINE void AFXAPI DestructElements(TYPE* pElements, int nCount)
{
    ASSERT(nCount == 0 || AfxIsValidAddress(pElements, nCount * sizeof(TYPE)));
    for (; nCount > 0; nCount--, pElements++)
        pElements->~TYPE();
}

template <class TYPE>
AFX_INLINE void AFXAPI CopyElements(TYPE* pDest, const TYPE* pSrc, int nCount)
{
    ASSERT(nCount == 0 || AfxIsValidAddress(pDest, nCount * sizeof(TYPE)));
    for (; nCount > 0; nCount--)
        *pDest++ = *pSrc++;
}

// Moves nCount elements into raw storage at pDest and ends their lives at pSrc.
template <class TYPE>
AFX_INLINE void AFXAPI _AfxRelocateElements(TYPE* pDest, TYPE* pSrc, int nCount)
{
    if (std::is_trivially_copyable<TYPE>::value)
    {
        if (nCount > 0)
            memcpy((void*)pDest, (const void*)pSrc, (size_t)nCount * sizeof(TYPE));
        return;
    }
    for (int i = 0; i < nCount; i++)
    {
        ::new ((void*)(pDest + i)) TYPE(std::move(pSrc[i]));
        pSrc[i].~TYPE();
    }
}

// Raw storage of the arrays.  Blocks come from the layer (never from the
// caller's own heap functions) so that a block can be grown where it lies:
// _AfxArrayRealloc keeps the first cbKeep bytes and may hand back the same
// address (the block grew in place, or its pages were committed further
// into a range reserved for it) or a new one.  Only byte-copyable elements
// may go through it; all others are moved one by one into a new block.
// Allocation failures throw CMemoryException*.
AFXLITE_API void* AFXAPI _AfxArrayAlloc(size_t cb);
AFXLITE_API void* AFXAPI _AfxArrayRealloc(void* p, size_t cbKeep, size_t cbNew);
AFXLITE_API void AFXAPI _AfxArrayFree(void* p);
// Bytes committed for a block that lives in a range of its own, outside the
// C runtime's heap; 0 for a block on the heap (and for NULL).
AFXLITE_API size_t AFXAPI _AfxArrayBlockCommitted(const void* p);

// Bytes of nCount elements; throws CMemoryException* when that overflows.
template <class TYPE>
AFX_INLINE size_t AFXAPI _AfxArrayBytes(int nCount)
{
    if (nCount < 0 || (size_t)nCount > ((size_t)-1 - 4096) / sizeof(TYPE))
        AfxThrowMemoryException();
    return (size_t)nCount * sizeof(TYPE);
}

// Raw storage for nCount elements; throws CMemoryException* when the request
// cannot be met (also when it overflows).
template <class TYPE>
AFX_INLINE TYPE* AFXAPI _AfxAllocElements(int nCount)
{
    return (TYPE*)_AfxArrayAlloc(_AfxArrayBytes<TYPE>(nCount));
}

// The storage of one array, seen through references to its members: CArray
// and the non-template arrays keep their elements with this one code, so
// they share one growth rule.  nGrowBy = -1 keeps the step; size 0 frees the
// storage; the first allocation is exact; growing within the allocation only
// initialises the new elements; growing past it allocates
// max(size, allocation + step), where a step of 0 means an eighth of the
// current size, bounded to 4..1024.
template <class TYPE>
struct _AfxArrayStore
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
            Destroy();
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

            TYPE* pNewData;
            if (std::is_trivially_copyable<TYPE>::value)
            {
                // The block may grow where it lies: no copy of the
                // elements when it does.
                pNewData = (TYPE*)_AfxArrayRealloc(m_pData, _AfxArrayBytes<TYPE>(m_nSize),
                                                   _AfxArrayBytes<TYPE>(nNewMax));
            }
            else
            {
                pNewData = _AfxAllocElements<TYPE>(nNewMax);
                _AfxRelocateElements<TYPE>(pNewData, m_pData, m_nSize);
                _AfxArrayFree(m_pData);
            }
            ConstructElements<TYPE>(&pNewData[m_nSize], nNewSize - m_nSize);
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
        _AfxArrayFree(m_pData);
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
            // newElement may refer to an element of this array, whose
            // storage the growth may move: keep a copy across it.
            TYPE element(newElement);
            SetSize(nIndex + 1, -1);
            m_pData[nIndex] = element;
            return;
        }
        m_pData[nIndex] = newElement;
    }

    // element must not live in this array: the growth may move it.
    void InsertCopies(int nIndex, const TYPE& element, int nCount)
    {
        ASSERT(nIndex >= 0);
        ASSERT(nCount > 0);
        if (nIndex < 0 || nCount <= 0)
            return;
        if (nIndex >= m_nSize)
        {
            // At or past the end: the array grows to take the copies.
            SetSize(nIndex + nCount, -1);
        }
        else
        {
            // Inside: grow, then move the tail up by nCount; the gap gets
            // freshly constructed elements before the copies.
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
        // A range outside the array would corrupt memory: it is ignored.
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
            _AfxArrayFree(m_pData);
            m_pData = NULL;
        }
        m_nSize = m_nMaxSize = 0;
    }
};

/////////////////////////////////////////////////////////////////////////////
// CArray<TYPE, ARG_TYPE>

template <class TYPE, class ARG_TYPE>
class CArray : public CObject
{
public:
// Construction
    CArray();

// Attributes
    int GetSize() const { return m_nSize; }
    int GetUpperBound() const { return m_nSize - 1; }
    // nGrowBy = -1 keeps the current growth step; 0 grows by an eighth of
    // the size (4 to 1024 elements).
    void SetSize(int nNewSize, int nGrowBy = -1);

// Operations
    void FreeExtra();
    void RemoveAll() { SetSize(0, -1); }

    // Accessing elements
    TYPE GetAt(int nIndex) const
        { ASSERT(nIndex >= 0 && nIndex < m_nSize); return m_pData[nIndex]; }
    void SetAt(int nIndex, ARG_TYPE newElement)
        { ASSERT(nIndex >= 0 && nIndex < m_nSize); m_pData[nIndex] = newElement; }
    TYPE& ElementAt(int nIndex)
        { ASSERT(nIndex >= 0 && nIndex < m_nSize); return m_pData[nIndex]; }

    // The elements themselves (NULL while nothing is allocated)
    const TYPE* GetData() const { return (const TYPE*)m_pData; }
    TYPE* GetData() { return (TYPE*)m_pData; }

    // Potentially growing the array
    void SetAtGrow(int nIndex, ARG_TYPE newElement);
    int Add(ARG_TYPE newElement)
        { int nIndex = m_nSize; SetAtGrow(nIndex, newElement); return nIndex; }
    int Append(const CArray& src);
    void Copy(const CArray& src);

    TYPE operator[](int nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](int nIndex) { return ElementAt(nIndex); }

    void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1);
    void RemoveAt(int nIndex, int nCount = 1);
    void InsertAt(int nStartIndex, CArray* pNewArray);

// Implementation
protected:
    TYPE* m_pData;   // the elements (NULL when nothing is allocated)
    int m_nSize;     // elements in use
    int m_nMaxSize;  // elements allocated
    int m_nGrowBy;   // growth step; 0 chooses one from the size

public:
    ~CArray();
    void Serialize(CArchive& ar) { UNUSED(ar); }
#ifdef _DEBUG
    void AssertValid() const;
#endif

private:
    _AfxArrayStore<TYPE> Store()
        { return _AfxArrayStore<TYPE>{ m_pData, m_nSize, m_nMaxSize, m_nGrowBy }; }
};

template <class TYPE, class ARG_TYPE>
CArray<TYPE, ARG_TYPE>::CArray()
    : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0)
{
}

template <class TYPE, class ARG_TYPE>
CArray<TYPE, ARG_TYPE>::~CArray()
{
    ASSERT_VALID(this);
    Store().Destroy();
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(int nNewSize, int nGrowBy)
{
    ASSERT_VALID(this);
    Store().SetSize(nNewSize, nGrowBy);
}

template <class TYPE, class ARG_TYPE>
int CArray<TYPE, ARG_TYPE>::Append(const CArray& src)
{
    ASSERT_VALID(this);
    int nOldSize = m_nSize;
    int nCount = src.m_nSize;
    if (this == &src)
    {
        // Appending to itself: take a copy first, the storage may move.
        CArray copy;
        copy.Copy(src);
        SetSize(nOldSize + nCount);
        CopyElements<TYPE>(m_pData + nOldSize, copy.m_pData, nCount);
        return nOldSize;
    }
    SetSize(nOldSize + nCount);
    CopyElements<TYPE>(m_pData + nOldSize, src.m_pData, nCount);
    return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Copy(const CArray& src)
{
    ASSERT_VALID(this);
    if (this == &src)
        return;
    SetSize(src.m_nSize);
    CopyElements<TYPE>(m_pData, src.m_pData, src.m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::FreeExtra()
{
    ASSERT_VALID(this);
    Store().FreeExtra();
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetAtGrow(int nIndex, ARG_TYPE newElement)
{
    ASSERT_VALID(this);
    Store().SetAtGrow(nIndex, newElement);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nIndex, ARG_TYPE newElement, int nCount)
{
    ASSERT_VALID(this);
    TYPE element(newElement);  // newElement may live in this array
    Store().InsertCopies(nIndex, element, nCount);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(int nIndex, int nCount)
{
    ASSERT_VALID(this);
    Store().RemoveAt(nIndex, nCount);
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::InsertAt(int nStartIndex, CArray* pNewArray)
{
    ASSERT_VALID(this);
    ASSERT(pNewArray != NULL);
    ASSERT(nStartIndex >= 0);
    if (pNewArray == NULL || nStartIndex < 0 || pNewArray->GetSize() <= 0)
        return;

    // Inserting an array into itself: work from a copy.
    CArray copy;
    const CArray* pSource = pNewArray;
    if (pNewArray == this)
    {
        copy.Copy(*this);
        pSource = &copy;
    }
    int nCount = pSource->GetSize();
    Store().InsertCopies(nStartIndex, pSource->GetAt(0), nCount);
    for (int i = 0; i < nCount; i++)
        SetAt(nStartIndex + i, pSource->GetAt(i));
}

#ifdef _DEBUG
template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::AssertValid() const
{
    CObject::AssertValid();
    if (m_pData == NULL)
    {
        ASSERT(m_nSize == 0);
        ASSERT(m_nMaxSize == 0);
    }
    else
    {
        ASSERT(m_nSize >= 0);
        ASSERT(m_nMaxSize >= 0);
        ASSERT(m_nSize <= m_nMaxSize);
        ASSERT(AfxIsValidAddress(m_pData, m_nMaxSize * sizeof(TYPE)));
    }
}
#endif

/////////////////////////////////////////////////////////////////////////////
// CTypedPtrArray<BASE_CLASS, TYPE>

template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS
{
public:
    // Accessing elements
    TYPE GetAt(int nIndex) const
        { return (TYPE)BASE_CLASS::GetAt(nIndex); }
    TYPE& ElementAt(int nIndex)
        { return (TYPE&)BASE_CLASS::ElementAt(nIndex); }
    void SetAt(int nIndex, TYPE ptr)
        { BASE_CLASS::SetAt(nIndex, ptr); }

    // Potentially growing the array
    void SetAtGrow(int nIndex, TYPE newElement)
        { BASE_CLASS::SetAtGrow(nIndex, newElement); }
    int Add(TYPE newElement)
        { return BASE_CLASS::Add(newElement); }
    int Append(const CTypedPtrArray<BASE_CLASS, TYPE>& src)
        { return BASE_CLASS::Append(src); }
    void Copy(const CTypedPtrArray<BASE_CLASS, TYPE>& src)
        { BASE_CLASS::Copy(src); }

    void InsertAt(int nIndex, TYPE newElement, int nCount = 1)
        { BASE_CLASS::InsertAt(nIndex, newElement, nCount); }
    void InsertAt(int nStartIndex, CTypedPtrArray<BASE_CLASS, TYPE>* pNewArray)
        { BASE_CLASS::InsertAt(nStartIndex, pNewArray); }

    // overloaded operator helpers
    TYPE operator[](int nIndex) const
        { return (TYPE)BASE_CLASS::operator[](nIndex); }
    TYPE& operator[](int nIndex)
        { return (TYPE&)BASE_CLASS::operator[](nIndex); }
};

#endif // __AFXTEMPL_H__
