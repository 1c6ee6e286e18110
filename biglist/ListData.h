/// @file ListData.h
/// CListData, the record the big list keeps for each item.
///
/// Classes in this file:
/// - CListData: one item of a CBigListCtrl: the caller's opaque data pointer,
///   the item's current row and its key.
#ifndef BIGLIST_LISTDATA_H
#define BIGLIST_LISTDATA_H

#include <afx.h>
#include <stddef.h>

/// One item of a CBigListCtrl: the caller's opaque data pointer, the item's
/// current row and its key. A plain record without virtual members. The
/// control allocates records with the plain new (or takes over one a derived
/// class allocated the same way) and frees them with the plain delete when
/// their item is removed.
///
/// The plain new and delete of this class go to a process-wide pool of
/// record-sized blocks carved from 64 KiB chunks, so that a record costs its
/// own size instead of a heap block with its header. The pool may be used
/// from any thread. Requests of another size (a derived record) and blocks
/// the pool did not hand out go to the global operators; the chunks go back
/// to the heap whenever the pool holds no record.
class AFX_EXT_CLASS CListData
{
public:
    void* m_pData;   ///< the caller's item data; never dereferenced nor freed here
    long  m_nIndex;  ///< current display row, always the number of the slot holding it
    long  m_nKey;    ///< the item's key

    /// A block of the pool (of the global operator new for another size).
    static void* operator new(size_t cb);
    /// Gives a block back to the pool (to the global operator delete when
    /// the pool did not hand it out).
    static void operator delete(void* p);

    /// Records the pool holds at this moment, in all lists of the process.
    static size_t GetPooledCount();
};

#endif // BIGLIST_LISTDATA_H
