/// @file ListDataKeyMap.h
/// CListDataKeyMap, the big list's key index.
///
/// Classes in this file:
/// - CListDataKeyMap: ordered map from long keys to CListData* records, one
///   entry per key in ascending signed order, kept as a B+ tree: the entries
///   lie in sorted parallel arrays of keys and records in linked leaves, so
///   that an entry costs its 12 (32-bit: 8) bytes plus the leaves' free room,
///   and a look-up touches a handful of nodes.
#ifndef BIGLIST_LISTDATAKEYMAP_H
#define BIGLIST_LISTDATAKEYMAP_H

#include <afx.h>
#include <stddef.h>
#include <iterator>
#include <utility>

class CListData;

/// The key index of CBigListCtrl: an ordered map from long keys to
/// CListData* records, one entry per key in ascending signed order, kept as
/// a B+ tree. The entries lie in sorted parallel arrays of keys and records
/// in linked leaves, so that an entry costs its 12 (32-bit: 8) bytes plus
/// the leaves' free room, and a look-up touches a handful of nodes.
///
/// The members have the meaning of std::map's members of the same names,
/// with one difference: an insert or an erase invalidates every iterator of
/// the map (entries move within and between leaves), where std::map keeps
/// the iterators of the other entries valid. An iterator's entry is a proxy
/// whose first and second refer to the key and the record in place.
///
/// Threads: not thread-safe; the control uses it from the window's thread
/// only. The map never frees the records it points to.
class AFX_EXT_CLASS CListDataKeyMap
{
public:
    /// The tree's node sizes.
    enum
    {
        kLeafCapacity = 64,    ///< entries per leaf
        kInnerKeys = 63        ///< separator keys per inner node (64 children)
    };

    /// The key: the item's key.
    typedef long key_type;
    /// The mapped value: the item's record.
    typedef CListData* mapped_type;
    /// An entry, as insert takes it.
    typedef std::pair<const long, CListData*> value_type;
    /// Counts of entries.
    typedef size_t size_type;

private:
    // A leaf: the entries in ascending key order, and the next leaf.
    struct CLeaf
    {
        CLeaf* pNext;
        int nCount;
        long keys[kLeafCapacity];
        CListData* values[kLeafCapacity];
    };

    // What an iterator points at: the entry's key and record by reference,
    // with the member names of std::map's value_type.
    template <class V>
    struct CEntry
    {
        const long& first;
        V& second;
        CEntry(const long& k, V& v) : first(k), second(v) {}
        CEntry* operator->() { return this; }
    };

    // A leaf and a position in it; NULL leaf is the end.
    template <class V>
    class CIterator
    {
    public:
        typedef std::forward_iterator_tag iterator_category;
        typedef std::pair<const long, CListData*> value_type;
        typedef ptrdiff_t difference_type;
        typedef CEntry<V> reference;   // a proxy: the entry's parts by reference
        typedef CEntry<V> pointer;

        CIterator() : m_pLeaf(NULL), m_nPos(0) {}
        CIterator(CLeaf* pLeaf, int nPos) : m_pLeaf(pLeaf), m_nPos(nPos) {}
        // Copies, and iterator to const_iterator (not the other way).
        CIterator(const CIterator<CListData*>& other) : m_pLeaf(other.m_pLeaf), m_nPos(other.m_nPos) {}
        CIterator& operator=(const CIterator<CListData*>& other)
        {
            m_pLeaf = other.m_pLeaf;
            m_nPos = other.m_nPos;
            return *this;
        }

        CEntry<V> operator*() const { return CEntry<V>(m_pLeaf->keys[m_nPos], m_pLeaf->values[m_nPos]); }
        CEntry<V> operator->() const { return **this; }

        CIterator& operator++()
        {
            if (++m_nPos == m_pLeaf->nCount)
            {
                m_pLeaf = m_pLeaf->pNext;
                m_nPos = 0;
            }
            return *this;
        }
        CIterator operator++(int)
        {
            CIterator old(*this);
            ++*this;
            return old;
        }

        template <class W>
        bool operator==(const CIterator<W>& other) const
        {
            return m_pLeaf == other.m_pLeaf && m_nPos == other.m_nPos;
        }
        template <class W>
        bool operator!=(const CIterator<W>& other) const
        {
            return !(*this == other);
        }

    private:
        template <class W> friend class CIterator;
        friend class CListDataKeyMap;
        CLeaf* m_pLeaf;
        int m_nPos;
    };

public:
    /// A forward iterator over the entries in ascending key order.
    typedef CIterator<CListData*> iterator;
    /// A forward iterator that cannot change the records.
    typedef CIterator<CListData* const> const_iterator;

// Construction
public:
    /// An empty map.
    CListDataKeyMap();
    /// Gives every node back to the heap (the records are not freed).
    ~CListDataKeyMap();

// Attributes
public:
    /// The number of entries.
    size_t size() const { return m_nSize; }
    /// Whether there is no entry.
    bool empty() const { return m_nSize == 0; }

    /// The entry of the smallest key, or end() when empty.
    iterator begin() { return iterator(m_pFirstLeaf, 0); }
    /// Past the entry of the greatest key.
    iterator end() { return iterator(); }
    /// The entry of the smallest key, or end() when empty.
    const_iterator begin() const { return const_iterator(m_pFirstLeaf, 0); }
    /// Past the entry of the greatest key.
    const_iterator end() const { return const_iterator(); }

    /// The entry of nKey, or end().
    iterator find(long nKey);
    /// The entry of nKey, or end().
    const_iterator find(long nKey) const;

// Operations
public:
    /// Adds the entry; an existing key keeps its record: the answer is its
    /// entry and false.
    std::pair<iterator, bool> insert(const value_type& entry);
    /// Removes the entry at it; the entry after the erased one, or end().
    iterator erase(iterator it);
    /// Removes the entry of nKey: 1 when the key had an entry, else 0.
    size_t erase(long nKey);
    /// Removes every entry and gives every node back to the heap.
    void clear();

// Implementation
    /// @cond IMPLEMENTATION
private:
    // Inner node: nCount separator keys and nCount + 1 children; child i
    // holds the keys k with keys[i - 1] <= k < keys[i].
    struct CInner
    {
        int nCount;
        long keys[kInnerKeys];
        void* children[kInnerKeys + 1];
    };

    // One step of a descent: the inner node and the child taken.
    struct CStep
    {
        CInner* pNode;
        int nChild;
    };

    enum
    {
        kMaxHeight = 32   // far above what 2^32 entries need
    };

    CLeaf* Descend(long nKey, CStep* pPath) const;
    void SplitAndInsert(CStep* pPath, CLeaf* pLeaf, int nPos, long nKey, CListData* pValue,
                        iterator& rWhere);
    void EraseAt(CStep* pPath, CLeaf* pLeaf, int nPos);
    void Rebalance(CStep* pPath, int nLevel);
    void FreeSubtree(void* pNode, int nLevel);

    CListDataKeyMap(const CListDataKeyMap&);              // not copyable
    CListDataKeyMap& operator=(const CListDataKeyMap&);

    void* m_pRoot;          // a CLeaf when m_nHeight is 1, else a CInner; NULL when empty
    CLeaf* m_pFirstLeaf;    // the leftmost leaf, NULL when empty
    int m_nHeight;          // levels, leaves included; 0 when empty
    size_t m_nSize;
    /// @endcond
};

#endif // BIGLIST_LISTDATAKEYMAP_H
