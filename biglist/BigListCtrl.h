// BigListCtrl.h - CBigListCtrl, a virtual list view that keeps its own items.
//
// Classes in this file:
//   CBigListCtrl  owner-data list view (LVS_OWNERDATA) whose items live in a
//                 slot array (by row) and a key index (by key, a
//                 CListDataKeyMap) inside the object; a derived class
//                 supplies the content through the OnCB... callbacks. The
//                 members that touch the store may be called from any
//                 thread.
//
// Threads: every store member takes the caller's thread identifier last.
// Called from the window's own thread it works at once; called from another
// thread it is carried to the window with SendMessage (WM_USER+1 .. +8) and
// the caller waits, so the window's thread must keep pumping messages.
// Before a window has ever been attached, every call works at once.
//
// Re-entry: delete-all (also on WM_CLOSE and WM_NCDESTROY) and the sort call
// the derived class back while the store is half changed. A callback that
// pumps messages (a message box in OnCBDeleteAllItems, say) lets carried
// calls in; those, and any store member the callback calls itself, are
// refused until the operation ends: they change nothing and answer as if
// they found nothing (NULL, -1, FALSE, an empty text; the int setters still
// answer TRUE), an insert frees its record, and the list view gets no text
// for its rows meanwhile. A nested delete-all or sort of the same list is
// refused the same way (DeleteAllItems answers FALSE).
//
// Batches: InsertItems, DeleteItems and FindItems do n items in one call,
// with the outcome of the same single calls made one after the other, in
// the batch's order (rows, the key map's first-wins rule, m_nIndex, the
// list view's count, callbacks), including keys repeated inside a batch.
// Called from another thread, a batch is carried in chunks, one message
// each: a chunk is at most kBatchChunk items and about 2 ms of the window's
// thread's work, so that the window's thread goes back to its queue between
// chunks and keeps answering while a worker loads millions of items; when
// messages wait there, the batch's thread lets them be handled before it
// sends the next chunk (it posts BLM_QUEUEMARK behind them and waits for it,
// handling messages sent to its own thread meanwhile). A host
// may rely on this: every item of a batch is done, in order, before the call
// returns; other threads' calls (and the window's own messages) may run
// between two chunks, never inside one. Called on the window's thread (or
// before a window exists), a batch is done at once. The chunk size is not
// part of the interface.
// The result is the number of items done, counted from the first. It is
// below n only when the rest were refused: a chunk that arrives during a
// delete-all or sort of this list is refused as a whole, as the single
// calls are, and so are the chunks after it; or the window is gone; or
// memory ran out. The items not done carry the answers of a refused single
// call (NULL, -1).
#ifndef BIGLIST_BIGLISTCTRL_H
#define BIGLIST_BIGLISTCTRL_H

#include <afxwin.h>
#include <afxcmn.h>
#include <afxtempl.h>

#include "ListData.h"
#include "ListDataKeyMap.h"

// Slot array in display order.
typedef CArray<CListData*, CListData*> CListDataArray;

// Messages that carry store calls to the window's thread.
#define BLM_INSERTITEM      (WM_USER + 1)  // wParam CListData* (ownership passes), lParam BOOL* taken or 0
#define BLM_DELETEITEM      (WM_USER + 2)  // wParam LVITEMA* (iItem = row)
#define BLM_DELETEITEMBYKEY (WM_USER + 3)  // wParam key, lParam long* row out or 0
#define BLM_FINDITEM        (WM_USER + 4)  // wParam key, lParam void** data out or 0
#define BLM_GETITEM         (WM_USER + 5)  // wParam LVITEMA*, lParam BOOL* row exists or 0
#define BLM_SETITEM         (WM_USER + 6)  // wParam LVITEMA*, lParam expected data or 0
#define BLM_GETITEMDATA     (WM_USER + 7)  // wParam row
#define BLM_DELETEALLITEMS  (WM_USER + 8)
// Chunks of a batch; wParam points to the chunk, the result is the number of
// its items done (0: refused).
#define BLM_INSERTITEMS     (WM_USER + 9)
#define BLM_DELETEITEMS     (WM_USER + 10)
#define BLM_FINDITEMS       (WM_USER + 11)
// Posted by a batch's thread between chunks; lParam an event to set.
#define BLM_QUEUEMARK       (WM_USER + 12)

// Requested row of a batch item that goes to the end (any row at or beyond
// the end, and a negative one, appends as well).
#define BL_APPEND 0x7FFFFFFFL

// One item of InsertItems: what InsertItem takes, and what it answers.
struct BLINSERTITEM
{
    long nIndex;      // requested row, or BL_APPEND
    long nKey;
    void* pData;
    void* pResult;    // out: the data of the record that went last, NULL when not done
};

// One item of DeleteItems and FindItems.
struct BLKEYITEM
{
    long nKey;
    long nIndex;      // out: the row the item had (delete: written only when found; find: -1 when not)
    void* pData;      // out: the item's data, NULL when not found or not done
};

struct CBigListBatchChunk;

#undef AFX_DATA
#define AFX_DATA AFX_EXT_DATA

class AFX_EXT_CLASS CBigListCtrl : public CListCtrl
{
    DECLARE_DYNAMIC(CBigListCtrl)

// Construction
public:
    CBigListCtrl(int nCapacity = 2048, int nGrowBy = 2048);
    virtual ~CBigListCtrl();

// Attributes (window's thread only; not carried)
public:
    int GetItemCount() const;
    int IsVisibleItem(int nItem);
    // dwFlags are the list view's LVSICF_ flags, not a thread identifier.
    int SetItemCountEx(int nCount, unsigned long dwFlags);
    int SetCapacity(int nNewSize, int nGrowBy);

// Operations (carried to the window's thread when dwThreadId is another's)
public:
    void* InsertItem(long nIndex, long nKey, void* pData, unsigned long dwThreadId);
    void* DeleteItem(long nKey, long* pnIndex, unsigned long dwThreadId);
    void* DeleteItem(LVITEMA* pItem, unsigned long dwThreadId);
    long FindItem(long nKey, void*& rpData, unsigned long dwThreadId);
    void* GetItem(LVITEMA* pItem, unsigned long dwThreadId);
    void* SetItem(LVITEMA* pItem, void* pExpected, unsigned long dwThreadId);
    int SetItem(LVITEMA* pItem, unsigned long dwThreadId);
    int SetItem(int nItem, int nSubItem, unsigned int nMask, const char* lpszItem, int nImage,
                unsigned int nState, unsigned int nStateMask, LPARAM lParam,
                unsigned long dwThreadId);
    int SetItem(int nItem, int nSubItem, unsigned int nMask, const char* lpszItem, int nImage,
                unsigned int nState, unsigned int nStateMask, LPARAM lParam, int nIndent,
                unsigned long dwThreadId);
    int SetItemText(int nItem, int nSubItem, const char* lpszText, unsigned long dwThreadId);
    int GetItemText(int nItem, int nSubItem, char* lpszText, int nLen, unsigned long dwThreadId);
    CString GetItemText(int nItem, int nSubItem, unsigned long dwThreadId);
    // Pointer-wide, so the data survives on 64-bit builds (unsigned long on 32-bit ones).
    DWORD_PTR GetItemData(int nItem, unsigned long dwThreadId);
    int DeleteAllItems(unsigned long dwThreadId);

    // Batches (see above): results in each item, the number done returned.
    int InsertItems(BLINSERTITEM* pItems, int nCount, unsigned long dwThreadId);
    int DeleteItems(BLKEYITEM* pItems, int nCount, unsigned long dwThreadId);
    int FindItems(BLKEYITEM* pItems, int nCount, unsigned long dwThreadId);
    // Most items per carried chunk (the records an insert makes ahead).
    enum { kBatchChunk = 8192 };

    // Sorts by nColumn; the same column again sorts the other way. Window's
    // thread only; does not repaint.
    void OnSortItems(int nColumn);

    // The list view holds no items of its own: these do nothing and return 0.
    int InsertItem(const LVITEMA* pItem, unsigned long dwThreadId);
    int InsertItem(int nItem, const char* lpszItem, unsigned long dwThreadId);
    int InsertItem(int nItem, const char* lpszItem, int nImage, unsigned long dwThreadId);
    int SetItemData(int nItem, DWORD_PTR dwData);

// Overrides
public:
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
protected:
    virtual void PreSubclassWindow();

// Callbacks for the derived class (all run on the window's thread)
protected:
    virtual void OnCBGetdispinfo(LVITEMA* pItem, long nKey, void* pData);
    virtual void OnCBGetItem(LVITEMA* pItem, long nKey, void* pData);
    virtual void OnCBSetItem(LVITEMA* pItem, long nKey, void* pData);
    virtual void OnCBOdFindItem(LVFINDINFOA lvfi, long*& pResult);
    virtual int OnCBSortItem(long nColumn, long nIndex1, long nKey1, void* pData1,
                             long nIndex2, long nKey2, void* pData2);
    virtual void OnCBDeleteAllItems(long nKey, void* pData);

// Store, as it runs on the window's thread
protected:
    // Takes over the record. Refused, it frees it; when memory runs out it
    // frees it, leaves the store as it was and lets the failure go on as
    // the plain new reports it.
    void* _InsertItem(CListData* pRecord);
    void* _DeleteItem(LVITEMA* pItem);
    void* _DeleteItem(long nKey, long* pnIndex);
    long _FindItem(long nKey, void*& rpData);
    void* _GetItem(LVITEMA* pItem);
    void* _SetItem(const LVITEMA* pItem, void* pExpected);
    void* _GetItemData(int nItem);
    int _DeleteAllItems();

// Implementation
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
};

#undef AFX_DATA
#define AFX_DATA

#endif // BIGLIST_BIGLISTCTRL_H
