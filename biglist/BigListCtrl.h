/// @file BigListCtrl.h
/// CBigListCtrl, a virtual list view that keeps its own items.
///
/// Classes in this file:
/// - CBigListCtrl: owner-data list view (LVS_OWNERDATA) whose items live in a
///   slot array (by row) and a key index (by key, a CListDataKeyMap) inside
///   the object; a derived class supplies the content through the OnCB...
///   callbacks. The members that touch the store may be called from any
///   thread.

#ifndef BIGLIST_BIGLISTCTRL_H
#define BIGLIST_BIGLISTCTRL_H

#include <afxwin.h>
#include <afxcmn.h>
#include <afxtempl.h>

#include "ListData.h"
#include "ListDataKeyMap.h"

/// Slot array in display order.
typedef CArray<CListData*, CListData*> CListDataArray;

// Messages that carry store calls to the window's thread.
#define BLM_INSERTITEM      (WM_USER + 1)  ///< 0x401, carries InsertItem. wParam CListData* (ownership passes), lParam BOOL* taken or 0
#define BLM_DELETEITEM      (WM_USER + 2)  ///< 0x402, carries DeleteItem by row. wParam LVITEMA* (iItem = row)
#define BLM_DELETEITEMBYKEY (WM_USER + 3)  ///< 0x403, carries DeleteItem by key. wParam key, lParam long* row out or 0
#define BLM_FINDITEM        (WM_USER + 4)  ///< 0x404, carries FindItem. wParam key, lParam void** data out or 0
#define BLM_GETITEM         (WM_USER + 5)  ///< 0x405, carries GetItem and GetItemText. wParam LVITEMA*, lParam BOOL* row exists or 0
#define BLM_SETITEM         (WM_USER + 6)  ///< 0x406, carries SetItem and SetItemText. wParam LVITEMA*, lParam expected data or 0
#define BLM_GETITEMDATA     (WM_USER + 7)  ///< 0x407, carries GetItemData. wParam row
#define BLM_DELETEALLITEMS  (WM_USER + 8)  ///< 0x408, carries DeleteAllItems. wParam and lParam 0
#define BLM_INSERTITEMS     (WM_USER + 9)   ///< 0x409, carries a chunk of InsertItems. wParam the chunk; result: its items done (0: refused)
#define BLM_DELETEITEMS     (WM_USER + 10)  ///< 0x40A, carries a chunk of DeleteItems. wParam the chunk; result: its items done (0: refused)
#define BLM_FINDITEMS       (WM_USER + 11)  ///< 0x40B, carries a chunk of FindItems. wParam the chunk; result: its items done (0: refused)
#define BLM_QUEUEMARK       (WM_USER + 12)  ///< 0x40C, posted by a batch's thread between chunks. lParam an event the window's thread sets

/// Requested row of a batch item that goes to the end (any row at or beyond
/// the end, and a negative one, appends as well).
#define BL_APPEND 0x7FFFFFFFL

/// One item of CBigListCtrl::InsertItems: what InsertItem takes, and what it answers.
struct BLINSERTITEM
{
    long nIndex;      ///< requested row, or BL_APPEND
    long nKey;        ///< the item's key
    void* pData;      ///< the host's data of the item
    void* pResult;    ///< out: the data of the record that went last, NULL when not done
};

/// One item of CBigListCtrl::DeleteItems and CBigListCtrl::FindItems.
struct BLKEYITEM
{
    long nKey;        ///< the key to delete or find
    long nIndex;      ///< out: the row the item had (delete: written only when found; find: -1 when not)
    void* pData;      ///< out: the item's data, NULL when not found or not done
};

/// @cond IMPLEMENTATION
struct CBigListBatchChunk;
/// @endcond

/// @cond IMPLEMENTATION
#undef AFX_DATA
#define AFX_DATA AFX_EXT_DATA
/// @endcond

/// An owner-data list view (LVS_OWNERDATA) that keeps a very large number of
/// items in its own store and accepts calls from any thread.
///
/// @image html biglist.png "A big list in the gallery, sorted by a column"
///
/// Each item is a CListData record: the host's data pointer, its row and its
/// key. The records live in a slot array (by row) and a key index (by key, a
/// CListDataKeyMap) inside the object. The list view asks for text by row;
/// a derived class supplies the content through the OnCB... callbacks, from
/// the host's own data. The control owns the records, never the host's data.
/// Rows are not stable: deleting an item moves the last item into its row,
/// and inserting at an occupied row moves that row's item to the end.
///
/// Threads: every store member takes the caller's thread identifier last
/// (GetCurrentThreadId()). Called from the window's own thread it works at
/// once; called from another thread it is carried to the window with
/// SendMessage (#BLM_INSERTITEM ... #BLM_DELETEALLITEMS, WM_USER + 1 to
/// WM_USER + 8) and the caller waits, so the window's thread must keep
/// pumping messages. Before a window has ever been attached, every call works at
/// once. GetItemCount, IsVisibleItem, SetItemCountEx, SetCapacity and
/// OnSortItems are not carried: call them on the window's thread.
///
/// Re-entry: delete-all (also on WM_CLOSE and WM_NCDESTROY) and the sort call
/// the derived class back while the store is half changed. A callback that
/// pumps messages (a message box in OnCBDeleteAllItems, say) lets carried
/// calls in; those, and any store member the callback calls itself, are
/// refused until the operation ends: they change nothing and answer as if
/// they found nothing (NULL, -1, FALSE, an empty text; the int setters still
/// answer TRUE), an insert frees its record, and the list view gets no text
/// for its rows meanwhile. A nested delete-all or sort of the same list is
/// refused the same way (DeleteAllItems answers FALSE).
///
/// Batches: InsertItems, DeleteItems and FindItems do n items in one call,
/// with the outcome of the same single calls made one after the other, in
/// the batch's order (rows, the key map's first-wins rule, m_nIndex, the
/// list view's count, callbacks), including keys repeated inside a batch.
/// Called from another thread, a batch is carried in chunks, one message
/// each: a chunk is at most kBatchChunk items and about 2 ms of the window's
/// thread's work, so that the window's thread goes back to its queue between
/// chunks and keeps answering while a worker loads millions of items; when
/// messages wait there, the batch's thread lets them be handled before it
/// sends the next chunk (it posts BLM_QUEUEMARK behind them and waits for it,
/// handling messages sent to its own thread meanwhile). A host
/// may rely on this: every item of a batch is done, in order, before the call
/// returns; other threads' calls (and the window's own messages) may run
/// between two chunks, never inside one. Called on the window's thread (or
/// before a window exists), a batch is done at once. The chunk size is not
/// part of the interface.
/// The result is the number of items done, counted from the first. It is
/// below n only when the rest were refused: a chunk that arrives during a
/// delete-all or sort of this list is refused as a whole, as the single
/// calls are, and so are the chunks after it; or the window is gone; or
/// memory ran out. The items not done carry the answers of a refused single
/// call (NULL, -1).
///
/// | Message handled | Value | What the control does |
/// |---|---|---|
/// | LVN_GETDISPINFOA (reflected) | -150 | OnCBGetdispinfo for the row, when it exists |
/// | LVN_ODCACHEHINT (reflected) | -113 | records the visible rows (IsVisibleItem) |
/// | LVN_ODFINDITEMA, LVN_ODFINDITEMW (reflected) | -152, -179 | OnCBOdFindItem (the wide request's text converted) |
/// | LVN_COLUMNCLICK (reflected) | -108 | OnSortItems for the column, then repaints |
/// | WM_CLOSE, WM_NCDESTROY | 0x0010, 0x0082 | deletes every item as DeleteAllItems does |
/// | #BLM_INSERTITEM ... #BLM_DELETEALLITEMS | 0x401 ... 0x408 | a store call carried from another thread |
///
/// The owner gets the list view's own notifications (LVN_ITEMCHANGED,
/// NM_CLICK, ...) as from any list view; the control sends no message of
/// its own. The list view's item count is the host's to announce: an insert
/// does not change it (call SetItemCountEx), a delete does.
///
/// @par Example
/// @snippet host.cpp biglist-derived
/// @snippet host.cpp biglist
class AFX_EXT_CLASS CBigListCtrl : public CListCtrl
{
    DECLARE_DYNAMIC(CBigListCtrl)

// Construction
public:
    /// An empty store with room for nCapacity items, growing by nGrowBy
    /// slots; both are restored whenever all items are deleted.
    CBigListCtrl(int nCapacity = 2048, int nGrowBy = 2048);
    /// Frees the store's structures; the records are freed by the delete-all
    /// that the window's destruction performs.
    virtual ~CBigListCtrl();

// Attributes (window's thread only; not carried)
public:
    /// The number of items in the store (from another thread, a value that
    /// may already be out of date).
    int GetItemCount() const;
    /// Whether row nItem lies in the rows the list view last said it shows;
    /// FALSE before its first cache hint.
    int IsVisibleItem(int nItem);
    /// Passes both arguments to CListCtrl::SetItemCountEx: announces the
    /// item count to the list view.
    /// dwFlags are the list view's LVSICF_ flags, not a thread identifier.
    int SetItemCountEx(int nCount, unsigned long dwFlags);
    /// Makes the slot array nNewSize slots long (spare slots are used by
    /// later inserts before the array grows) and sets its growth step (-1
    /// keeps it). FALSE, with nothing changed, below the item count.
    int SetCapacity(int nNewSize, int nGrowBy);

// Operations (carried to the window's thread when dwThreadId is another's)
public:
    /// Inserts an item with key nKey and the host's pData at row nIndex (at
    /// the end when beyond it; an item already at nIndex moves to the end).
    /// Returns the data of the item that is now last. A key already present
    /// stays mapped to its first item.
    void* InsertItem(long nIndex, long nKey, void* pData, unsigned long dwThreadId);
    /// Deletes the item of key nKey; its row goes to *pnIndex (when pnIndex is
    /// not NULL) and the last item moves into it. Returns the item's data, or
    /// NULL when there is no such key.
    void* DeleteItem(long nKey, long* pnIndex, unsigned long dwThreadId);
    /// Deletes the item at row pItem->iItem (the last item moves into it).
    /// Returns the item's data, or NULL when there is no such row.
    void* DeleteItem(LVITEMA* pItem, unsigned long dwThreadId);
    /// The row of the item of key nKey, or -1; rpData receives its data, or
    /// NULL.
    long FindItem(long nKey, void*& rpData, unsigned long dwThreadId);
    /// OnCBGetItem fills *pItem for row pItem->iItem, as LVM_GETITEM would.
    /// Returns the item's data, or NULL when there is no such row.
    void* GetItem(LVITEMA* pItem, unsigned long dwThreadId);
    /// OnCBSetItem applies *pItem to row pItem->iItem. With pExpected not
    /// NULL, only when that row's data is pExpected (a caller holding a row
    /// number that may be stale touches no other item). Returns the item's
    /// data, or NULL when nothing was set.
    void* SetItem(LVITEMA* pItem, void* pExpected, unsigned long dwThreadId);
    /// SetItem without the guard; returns TRUE.
    int SetItem(LVITEMA* pItem, unsigned long dwThreadId);
    /// SetItem of an LVITEMA made of the arguments (text of up to 255
    /// characters); returns TRUE.
    int SetItem(int nItem, int nSubItem, unsigned int nMask, const char* lpszItem, int nImage,
                unsigned int nState, unsigned int nStateMask, LPARAM lParam,
                unsigned long dwThreadId);
    /// As the overload above, with the item's indent.
    int SetItem(int nItem, int nSubItem, unsigned int nMask, const char* lpszItem, int nImage,
                unsigned int nState, unsigned int nStateMask, LPARAM lParam, int nIndent,
                unsigned long dwThreadId);
    /// SetItem of the text of one column (LVIF_TEXT); returns TRUE, also for
    /// a row that does not exist.
    int SetItemText(int nItem, int nSubItem, const char* lpszText, unsigned long dwThreadId);
    /// The text of one column into the caller's buffer of nLen characters,
    /// through OnCBGetItem. TRUE when the text is not empty; FALSE for a row
    /// that does not exist (the buffer untouched).
    int GetItemText(int nItem, int nSubItem, char* lpszText, int nLen, unsigned long dwThreadId);
    /// The text of one column (up to 255 characters), through OnCBGetItem;
    /// empty for a row that does not exist.
    CString GetItemText(int nItem, int nSubItem, unsigned long dwThreadId);
    /// The data of row nItem, or 0 when there is no such row.
    /// Pointer-wide, so the data survives on 64-bit builds (unsigned long on 32-bit ones).
    DWORD_PTR GetItemData(int nItem, unsigned long dwThreadId);
    /// Deletes every item: OnCBDeleteAllItems gets each item's key and data
    /// (the host frees its data there), the count goes to 0, the capacity
    /// and growth step return to the constructor's, the list view repaints.
    /// TRUE; FALSE when refused during another delete-all or sort.
    int DeleteAllItems(unsigned long dwThreadId);

    /// Batches (see the file's description): results in each item, the
    /// number of items done from the first returned. Inserts n records as n
    /// InsertItem calls would.
    int InsertItems(BLINSERTITEM* pItems, int nCount, unsigned long dwThreadId);
    /// Deletes n items by key as n DeleteItem calls by key would.
    int DeleteItems(BLKEYITEM* pItems, int nCount, unsigned long dwThreadId);
    /// Finds n keys as n FindItem calls would (rows and data out).
    int FindItems(BLKEYITEM* pItems, int nCount, unsigned long dwThreadId);
    /// Most items per carried chunk (the records an insert makes ahead).
    enum { kBatchChunk = 8192 };

    /// Sorts by nColumn; the same column again sorts the other way. Window's
    /// thread only; does not repaint. The order comes from OnCBSortItem.
    void OnSortItems(int nColumn);

    /// The list view holds no items of its own: these do nothing and return 0.
    int InsertItem(const LVITEMA* pItem, unsigned long dwThreadId);
    /// Does nothing and returns 0 (hides CListCtrl::InsertItem).
    int InsertItem(int nItem, const char* lpszItem, unsigned long dwThreadId);
    /// Does nothing and returns 0 (hides CListCtrl::InsertItem).
    int InsertItem(int nItem, const char* lpszItem, int nImage, unsigned long dwThreadId);
    /// Does nothing and returns 0: the data is given to InsertItem.
    int SetItemData(int nItem, DWORD_PTR dwData);

// Overrides
public:
    /// Records the creating thread as the window's and adds LVS_OWNERDATA.
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
protected:
    /// Records the subclassing thread as the window's; a subclassed list
    /// view must already have LVS_OWNERDATA.
    virtual void PreSubclassWindow();

// Callbacks for the derived class (all run on the window's thread)
protected:
    /// For each LVN_GETDISPINFO request: fill the fields *pItem asks for
    /// (pItem->mask) for the item of key nKey and data pData. Does nothing
    /// here.
    virtual void OnCBGetdispinfo(LVITEMA* pItem, long nKey, void* pData);
    /// For GetItem and GetItemText: fill *pItem as LVM_GETITEM would, the
    /// text copied into pItem->pszText within pItem->cchTextMax. Does
    /// nothing here.
    virtual void OnCBGetItem(LVITEMA* pItem, long nKey, void* pData);
    /// For SetItem and SetItemText: apply *pItem to the host's data pData.
    /// Does nothing here.
    virtual void OnCBSetItem(LVITEMA* pItem, long nKey, void* pData);
    /// For each LVN_ODFINDITEM: store the found row, or -1, through pResult
    /// (0 when left alone). Does nothing here.
    virtual void OnCBOdFindItem(LVFINDINFOA lvfi, long*& pResult);
    /// The comparison of a sort by column nColumn: above 0 puts item 1 after
    /// item 2, below 0 before it, 0 for equal. The rows passed change while
    /// the sort runs. Returns 0 here.
    virtual int OnCBSortItem(long nColumn, long nIndex1, long nKey1, void* pData1,
                             long nIndex2, long nKey2, void* pData2);
    /// Once per item while all items are deleted: the host frees its data.
    /// Does nothing here.
    virtual void OnCBDeleteAllItems(long nKey, void* pData);

// Store, as it runs on the window's thread
protected:
    /// Inserts a record allocated with new (InsertItem without carrying).
    /// Takes over the record. Refused, it frees it; when memory runs out it
    /// frees it, leaves the store as it was and lets the failure go on as
    /// the plain new reports it.
    void* _InsertItem(CListData* pRecord);
    /// Deletes by row (DeleteItem without carrying).
    void* _DeleteItem(LVITEMA* pItem);
    /// Deletes by key (DeleteItem without carrying).
    void* _DeleteItem(long nKey, long* pnIndex);
    /// Finds by key (FindItem without carrying).
    long _FindItem(long nKey, void*& rpData);
    /// GetItem without carrying.
    void* _GetItem(LVITEMA* pItem);
    /// SetItem without carrying.
    void* _SetItem(const LVITEMA* pItem, void* pExpected);
    /// GetItemData without carrying.
    void* _GetItemData(int nItem);
    /// DeleteAllItems without carrying.
    int _DeleteAllItems();

// Implementation
    /// @cond IMPLEMENTATION
protected:
    int m_nSortColumn;          // column of the last sort, -1 before any
    int m_nInitialCapacity;     // restored after all items are deleted
    int m_nInitialGrowBy;
    int m_nItemCount;
    int m_nFirstVisible;        // visible rows, inclusive; -1 until the first cache hint
    int m_nLastVisible;
    BOOL m_bReverseSort;        // negate the comparison's results
    DWORD m_dwWindowThreadId;   // 0 until a window is attached
    CListDataKeyMap* m_pKeyMap;
    CListDataArray* m_pItemArray;

    afx_msg void OnGetdispinfo(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnOdcachehint(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnOdfinditem(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnOdfinditemW(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnColumnclick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnClose();
    afx_msg void OnNcDestroy();
    afx_msg LRESULT OnInsertItem(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDeleteItem(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDeleteItembyKey(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFindItem(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetItem(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetItem(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetItemData(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDeleteAllItems(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnInsertItems(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDeleteItems(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFindItems(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnQueueMark(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    BOOL IsDirectCall(unsigned long dwThreadId) const;
    BOOL Carry(UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT& rResult);
    void* GetItemIfPresent(LVITEMA* pItem, BOOL* pbPresent);
    void* StoreRecord(CListData* pRecord);
    void* DeleteKeyInStore(long nKey, long* pnIndex, CDWordArray* pDeferredRedraws);
    int RunChunk(UINT nMsg, CBigListBatchChunk& rChunk, unsigned long dwThreadId);
    int DoChunk(UINT nMsg, CBigListBatchChunk& rChunk);
    int InsertChunk(CBigListBatchChunk& rChunk);
    int DeleteChunk(CBigListBatchChunk& rChunk);
    int FindChunk(CBigListBatchChunk& rChunk);
    int RunKeyBatch(UINT nMsg, BLKEYITEM* pItems, int nCount, unsigned long dwThreadId);
    static BOOL LetQueueRun(HWND hWnd, const CBigListBatchChunk& rChunk, HANDLE& rhMark);
    LRESULT FindForListView(const LVFINDINFOA& lvfi);
    void RedrawRow(int nRow);
    static void RedrawRows(HWND hWnd, CDWordArray& rRows, int nCount);
    void PutInSlot(int nSlot, CListData* pRecord);
    void DropLastSlot();
    void EraseKeyOf(const CListData* pRecord);
    void FreeAllRecords();

    static int __cdecl SortCompare(void* context, const void* elem1, const void* elem2);
    static void __cdecl SortSwapped(void* context, void* elem1, void* elem2);
    /// @endcond
};

/// @cond IMPLEMENTATION
#undef AFX_DATA
#define AFX_DATA
/// @endcond

#endif // BIGLIST_BIGLISTCTRL_H
