// BigListCtrl.cpp - CBigListCtrl: the item store, the carried calls, the
// list-view notifications and the column sort.
#include "BigListCtrl.h"

#include "myqsort.h"

#include <algorithm>
#include <new>

IMPLEMENT_DYNAMIC(CBigListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(CBigListCtrl, CListCtrl)
    ON_NOTIFY_REFLECT(LVN_GETDISPINFOA, OnGetdispinfo)
    ON_NOTIFY_REFLECT(LVN_ODCACHEHINT, OnOdcachehint)
    ON_NOTIFY_REFLECT(LVN_ODFINDITEMA, OnOdfinditem)
    ON_NOTIFY_REFLECT(LVN_ODFINDITEMW, OnOdfinditemW)
    ON_NOTIFY_REFLECT(LVN_COLUMNCLICK, OnColumnclick)
    ON_WM_CLOSE()
    ON_WM_NCDESTROY()
    ON_MESSAGE(BLM_INSERTITEM, OnInsertItem)
    ON_MESSAGE(BLM_DELETEITEM, OnDeleteItem)
    ON_MESSAGE(BLM_DELETEITEMBYKEY, OnDeleteItembyKey)
    ON_MESSAGE(BLM_FINDITEM, OnFindItem)
    ON_MESSAGE(BLM_GETITEM, OnGetItem)
    ON_MESSAGE(BLM_SETITEM, OnSetItem)
    ON_MESSAGE(BLM_GETITEMDATA, OnGetItemData)
    ON_MESSAGE(BLM_DELETEALLITEMS, OnDeleteAllItems)
    ON_MESSAGE(BLM_INSERTITEMS, OnInsertItems)
    ON_MESSAGE(BLM_DELETEITEMS, OnDeleteItems)
    ON_MESSAGE(BLM_FINDITEMS, OnFindItems)
    ON_MESSAGE(BLM_QUEUEMARK, OnQueueMark)
END_MESSAGE_MAP()

// One message of a batch, on the caller's stack while the window's thread
// works on it.
struct CBigListBatchChunk
{
    void* pItems;            // BLINSERTITEM or BLKEYITEM
    CListData** ppRecords;   // inserts: the records made for the items
    int nCount;
    BOOL bSliced;            // stop once the time slice is used (carried chunks)
    BOOL bFailed;            // an insert ran out of memory; its record is freed
    BOOL bQueueBusy;         // other messages were waiting in the window's queue
};

namespace {

// A carried chunk returns to the window's queue after this much work: a
// message that arrives for the window's thread while a chunk runs waits
// at most this long, and the round trip between chunks (about 0.2 to 0.4 ms
// under Wine) costs a fifth of it or less. Measured (bench/biglist_results.md)
// with chunks of a fixed count: the fill's cost per item stopped falling at
// about 2,000 items a chunk, some 2 to 4 ms of work on the loaded machine.
const LONGLONG kSliceMicroseconds = 2000;

// Whether the slice that began at start is used up; looked at every 64 items.
class CSlice
{
public:
    explicit CSlice(BOOL bSliced) : m_bSliced(bSliced), m_end(0)
    {
        if (bSliced)
        {
            LARGE_INTEGER freq, now;
            ::QueryPerformanceFrequency(&freq);
            ::QueryPerformanceCounter(&now);
            m_end = now.QuadPart + freq.QuadPart * kSliceMicroseconds / 1000000;
        }
    }
    bool IsOver(int nDone) const
    {
        if (!m_bSliced || (nDone & 63) != 0 || nDone == 0)
            return false;
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        return now.QuadPart >= m_end;
    }

private:
    BOOL m_bSliced;
    LONGLONG m_end;
};

// Stored in the caller's data-pointer variable before a carried find: the
// handler always overwrites it, so finding it afterwards means the message
// never reached a window. No item's data can have this address.
char s_notDelivered;

// Delete-all and sort call the host back while the store is half changed,
// and the host's callback may pump messages (a message box, say), which lets
// carried calls, list-view requests and window messages in. Each of the two
// marks its list busy on the window's thread for as long as it runs; store
// operations that arrive meanwhile are refused as if they found nothing.
// Marks nest: one list's callback may work on another list.
class CBusyStore
{
public:
    explicit CBusyStore(const CBigListCtrl* pList) : m_pList(pList), m_pOuter(t_pInnermost) { t_pInnermost = this; }
    ~CBusyStore() { t_pInnermost = m_pOuter; }

    static bool IsBusy(const CBigListCtrl* pList)
    {
        for (const CBusyStore* p = t_pInnermost; p != NULL; p = p->m_pOuter)
        {
            if (p->m_pList == pList)
                return true;
        }
        return false;
    }

private:
    CBusyStore(const CBusyStore&);
    CBusyStore& operator=(const CBusyStore&);

    const CBigListCtrl* m_pList;
    CBusyStore* m_pOuter;
    static thread_local CBusyStore* t_pInnermost;
};

thread_local CBusyStore* CBusyStore::t_pInnermost = NULL;

} // namespace

/////////////////////////////////////////////////////////////////////////////
// Construction

CBigListCtrl::CBigListCtrl(int nCapacity, int nGrowBy)
    : m_nSortColumn(-1),
      m_nInitialCapacity(nCapacity),
      m_nInitialGrowBy(nGrowBy),
      m_nItemCount(0),
      m_nFirstVisible(-1),
      m_nLastVisible(-1),
      m_bReverseSort(1),
      m_dwWindowThreadId(0),
      m_pKeyMap(new CListDataKeyMap),
      m_pItemArray(new CListDataArray)
{
    m_pItemArray->SetSize(0, 0);
    SetCapacity(nCapacity, nGrowBy);
}

CBigListCtrl::~CBigListCtrl()
{
    // The window's destruction normally empties the store. When the object
    // goes first, free the records that are left; the derived class is gone
    // already, so no callback sees them.
    FreeAllRecords();
    delete m_pKeyMap;
    m_pKeyMap = NULL;
    delete m_pItemArray;
    m_pItemArray = NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

int CBigListCtrl::GetItemCount() const
{
    return m_nItemCount;
}

int CBigListCtrl::IsVisibleItem(int nItem)
{
    // No row is negative: before the first cache hint the range is -1 to -1.
    return nItem >= 0 && m_nFirstVisible <= nItem && nItem <= m_nLastVisible;
}

int CBigListCtrl::SetItemCountEx(int nCount, unsigned long dwFlags)
{
    return CListCtrl::SetItemCountEx(nCount, dwFlags);
}

int CBigListCtrl::SetCapacity(int nNewSize, int nGrowBy)
{
    if (nNewSize < m_nItemCount || nNewSize < 0)
        return FALSE;
    m_pItemArray->SetSize(nNewSize, nGrowBy);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Carried operations

BOOL CBigListCtrl::IsDirectCall(unsigned long dwThreadId) const
{
    // Until a window is attached there is no other thread to carry to.
    return dwThreadId == m_dwWindowThreadId || m_dwWindowThreadId == 0;
}

// Sends a store call to the window's thread and waits for its result.
// FALSE when there is no window (any more) to send it to.
BOOL CBigListCtrl::Carry(UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT& rResult)
{
    rResult = 0;
    HWND hWnd = m_hWnd;
    if (hWnd == NULL)
        return FALSE;
    ::SetLastError(ERROR_SUCCESS);
    rResult = ::SendMessageA(hWnd, nMsg, wParam, lParam);
    return rResult != 0 || ::GetLastError() != ERROR_INVALID_WINDOW_HANDLE;
}

void* CBigListCtrl::InsertItem(long nIndex, long nKey, void* pData, unsigned long dwThreadId)
{
    CListData* pRecord = new CListData;
    pRecord->m_pData = pData;
    pRecord->m_nIndex = nIndex;
    pRecord->m_nKey = nKey;
    if (IsDirectCall(dwThreadId))
        return _InsertItem(pRecord);

    // The handler flags that it took the record; if it never ran, the
    // record is still ours.
    BOOL bTaken = FALSE;
    LRESULT lResult;
    Carry(BLM_INSERTITEM, reinterpret_cast<WPARAM>(pRecord), reinterpret_cast<LPARAM>(&bTaken), lResult);
    if (!bTaken)
    {
        delete pRecord;
        return NULL;
    }
    return reinterpret_cast<void*>(lResult);
}

void* CBigListCtrl::DeleteItem(long nKey, long* pnIndex, unsigned long dwThreadId)
{
    if (IsDirectCall(dwThreadId))
        return _DeleteItem(nKey, pnIndex);
    LRESULT lResult;
    Carry(BLM_DELETEITEMBYKEY, static_cast<WPARAM>(nKey), reinterpret_cast<LPARAM>(pnIndex), lResult);
    return reinterpret_cast<void*>(lResult);
}

void* CBigListCtrl::DeleteItem(LVITEMA* pItem, unsigned long dwThreadId)
{
    if (IsDirectCall(dwThreadId))
        return _DeleteItem(pItem);
    LRESULT lResult;
    Carry(BLM_DELETEITEM, reinterpret_cast<WPARAM>(pItem), 0, lResult);
    return reinterpret_cast<void*>(lResult);
}

long CBigListCtrl::FindItem(long nKey, void*& rpData, unsigned long dwThreadId)
{
    if (IsDirectCall(dwThreadId))
        return _FindItem(nKey, rpData);
    rpData = &s_notDelivered;
    LRESULT lResult;
    Carry(BLM_FINDITEM, static_cast<WPARAM>(nKey), reinterpret_cast<LPARAM>(&rpData), lResult);
    if (rpData == &s_notDelivered)
    {
        // No window took the call: not found, rather than a row 0.
        rpData = NULL;
        return -1;
    }
    return static_cast<long>(lResult);
}

void* CBigListCtrl::GetItem(LVITEMA* pItem, unsigned long dwThreadId)
{
    if (IsDirectCall(dwThreadId))
        return _GetItem(pItem);
    LRESULT lResult;
    Carry(BLM_GETITEM, reinterpret_cast<WPARAM>(pItem), 0, lResult);
    return reinterpret_cast<void*>(lResult);
}

void* CBigListCtrl::SetItem(LVITEMA* pItem, void* pExpected, unsigned long dwThreadId)
{
    if (IsDirectCall(dwThreadId))
        return _SetItem(pItem, pExpected);
    LRESULT lResult;
    Carry(BLM_SETITEM, reinterpret_cast<WPARAM>(pItem), reinterpret_cast<LPARAM>(pExpected), lResult);
    return reinterpret_cast<void*>(lResult);
}

int CBigListCtrl::SetItem(LVITEMA* pItem, unsigned long dwThreadId)
{
    if (IsDirectCall(dwThreadId))
    {
        _SetItem(pItem, NULL);
        return TRUE;
    }
    LRESULT lResult;
    return Carry(BLM_SETITEM, reinterpret_cast<WPARAM>(pItem), 0, lResult);
}

int CBigListCtrl::SetItem(int nItem, int nSubItem, unsigned int nMask, const char* lpszItem, int nImage,
                          unsigned int nState, unsigned int nStateMask, LPARAM lParam,
                          unsigned long dwThreadId)
{
    return SetItem(nItem, nSubItem, nMask, lpszItem, nImage, nState, nStateMask, lParam, 0, dwThreadId);
}

int CBigListCtrl::SetItem(int nItem, int nSubItem, unsigned int nMask, const char* lpszItem, int nImage,
                          unsigned int nState, unsigned int nStateMask, LPARAM lParam, int nIndent,
                          unsigned long dwThreadId)
{
    LVITEMA item;
    ::ZeroMemory(&item, sizeof(item));
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.state = nState;
    item.stateMask = nStateMask;
    item.pszText = const_cast<char*>(lpszItem);
    item.cchTextMax = 255;
    item.iImage = nImage;
    item.lParam = lParam;
    item.iIndent = nIndent;
    return SetItem(&item, dwThreadId);
}

int CBigListCtrl::SetItemText(int nItem, int nSubItem, const char* lpszText, unsigned long dwThreadId)
{
    LVITEMA item;
    ::ZeroMemory(&item, sizeof(item));
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<char*>(lpszText);
    item.cchTextMax = 255;
    return SetItem(&item, dwThreadId);
}

int CBigListCtrl::GetItemText(int nItem, int nSubItem, char* lpszText, int nLen, unsigned long dwThreadId)
{
    LVITEMA item;
    ::ZeroMemory(&item, sizeof(item));
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = lpszText;
    item.cchTextMax = nLen;

    // Only a row that exists may count: for a missing one the buffer keeps
    // whatever it held, which says nothing about the item.
    BOOL bPresent = FALSE;
    if (IsDirectCall(dwThreadId))
    {
        GetItemIfPresent(&item, &bPresent);
    }
    else
    {
        LRESULT lResult;
        Carry(BLM_GETITEM, reinterpret_cast<WPARAM>(&item), reinterpret_cast<LPARAM>(&bPresent), lResult);
    }
    return bPresent && item.pszText != NULL && item.pszText[0] != '\0';
}

CString CBigListCtrl::GetItemText(int nItem, int nSubItem, unsigned long dwThreadId)
{
    char szText[256];
    ::ZeroMemory(szText, sizeof(szText));
    LVITEMA item;
    ::ZeroMemory(&item, sizeof(item));
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = szText;
    item.cchTextMax = 255;
    GetItem(&item, dwThreadId);
    return CString(szText);
}

DWORD_PTR CBigListCtrl::GetItemData(int nItem, unsigned long dwThreadId)
{
    if (IsDirectCall(dwThreadId))
        return reinterpret_cast<DWORD_PTR>(_GetItemData(nItem));
    LRESULT lResult;
    Carry(BLM_GETITEMDATA, static_cast<WPARAM>(nItem), 0, lResult);
    return static_cast<DWORD_PTR>(lResult);
}

int CBigListCtrl::DeleteAllItems(unsigned long dwThreadId)
{
    if (IsDirectCall(dwThreadId))
        return _DeleteAllItems();
    LRESULT lResult;
    Carry(BLM_DELETEALLITEMS, 0, 0, lResult);
    return static_cast<int>(lResult);
}

/////////////////////////////////////////////////////////////////////////////
// Batches: chunks of up to kBatchChunk items, each done at once on the
// window's thread or carried by one message.

int CBigListCtrl::InsertItems(BLINSERTITEM* pItems, int nCount, unsigned long dwThreadId)
{
    if (pItems == NULL || nCount <= 0)
        return 0;
    for (int i = 0; i < nCount; ++i)
        pItems[i].pResult = NULL;
    CListData** ppRecords = new (std::nothrow) CListData*[nCount < kBatchChunk ? nCount : kBatchChunk];
    if (ppRecords == NULL)
        return 0;

    // The records are made on the calling thread, as InsertItem makes its
    // one, while the window's thread is free for other work.
    int nDone = 0;
    bool bStop = false;
    HANDLE hMark = NULL;
    const HWND hWnd = m_hWnd;
    while (nDone < nCount && !bStop)
    {
        const int nWanted = nCount - nDone < kBatchChunk ? nCount - nDone : kBatchChunk;
        BLINSERTITEM* pChunkItems = pItems + nDone;
        int nMade = 0;
        try
        {
            for (; nMade < nWanted; ++nMade)
            {
                CListData* pRecord = new CListData;
                pRecord->m_pData = pChunkItems[nMade].pData;
                pRecord->m_nIndex = pChunkItems[nMade].nIndex;
                pRecord->m_nKey = pChunkItems[nMade].nKey;
                ppRecords[nMade] = pRecord;
            }
        }
        catch (const std::bad_alloc&)
        {
            // Out of memory: the items made so far go, the rest are not done.
            bStop = true;
        }
        // The window's thread takes the records it stores; those it did not
        // take (refused, not delivered, after a failure) are freed here.
        int nOffset = 0;
        while (nOffset < nMade)
        {
            CBigListBatchChunk chunk = { pChunkItems + nOffset, ppRecords + nOffset, nMade - nOffset, FALSE, FALSE, FALSE };
            const int nApplied = RunChunk(BLM_INSERTITEMS, chunk, dwThreadId);
            nOffset += nApplied;
            nDone += nApplied;
            if (chunk.bFailed)
                ++nOffset;
            if (chunk.bFailed || nApplied == 0 || (nDone < nCount && !LetQueueRun(hWnd, chunk, hMark)))
            {
                bStop = true;
                break;
            }
        }
        for (int i = nOffset; i < nMade; ++i)
            delete ppRecords[i];
    }
    delete[] ppRecords;
    if (hMark != NULL)
        ::CloseHandle(hMark);
    return nDone;
}

int CBigListCtrl::DeleteItems(BLKEYITEM* pItems, int nCount, unsigned long dwThreadId)
{
    for (int i = 0; pItems != NULL && i < nCount; ++i)
        pItems[i].pData = NULL;
    return RunKeyBatch(BLM_DELETEITEMS, pItems, nCount, dwThreadId);
}

int CBigListCtrl::FindItems(BLKEYITEM* pItems, int nCount, unsigned long dwThreadId)
{
    for (int i = 0; pItems != NULL && i < nCount; ++i)
    {
        pItems[i].nIndex = -1;
        pItems[i].pData = NULL;
    }
    return RunKeyBatch(BLM_FINDITEMS, pItems, nCount, dwThreadId);
}

int CBigListCtrl::RunKeyBatch(UINT nMsg, BLKEYITEM* pItems, int nCount, unsigned long dwThreadId)
{
    int nDone = 0;
    HANDLE hMark = NULL;
    const HWND hWnd = m_hWnd;
    while (pItems != NULL && nDone < nCount)
    {
        const int nWanted = nCount - nDone < kBatchChunk ? nCount - nDone : kBatchChunk;
        CBigListBatchChunk chunk = { pItems + nDone, NULL, nWanted, FALSE, FALSE, FALSE };
        const int nApplied = RunChunk(nMsg, chunk, dwThreadId);
        nDone += nApplied;
        if (nApplied == 0 || (nDone < nCount && !LetQueueRun(hWnd, chunk, hMark)))
            break;
    }
    if (hMark != NULL)
        ::CloseHandle(hMark);
    return nDone;
}

// Between two carried chunks: when messages were waiting in the window's
// queue, lets the window's thread handle them before the next chunk. A
// thread that sends at once would otherwise be served first every time (the
// window's thread takes sent messages before posted ones), and the posted
// messages would pile up behind a long batch. A mark posted behind them
// comes back when they are done; meanwhile messages sent to this thread are
// handled, as during a send. FALSE when the window is gone.
BOOL CBigListCtrl::LetQueueRun(HWND hWnd, const CBigListBatchChunk& rChunk, HANDLE& rhMark)
{
    if (!rChunk.bQueueBusy || hWnd == NULL)
        return TRUE;
    if (rhMark == NULL)
        rhMark = ::CreateEventA(NULL, FALSE, FALSE, NULL);
    if (rhMark == NULL || !::PostMessageA(hWnd, BLM_QUEUEMARK, 0, reinterpret_cast<LPARAM>(rhMark)))
        return ::IsWindow(hWnd);
    for (;;)
    {
        const DWORD dwWait = ::MsgWaitForMultipleObjects(1, &rhMark, FALSE, 100, QS_SENDMESSAGE);
        if (dwWait == WAIT_OBJECT_0)
            return TRUE;
        if (dwWait == WAIT_OBJECT_0 + 1)
        {
            MSG msg;
            ::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
        else if (!::IsWindow(hWnd))
        {
            // Destroyed: its queue, the mark with it, is gone.
            return FALSE;
        }
    }
}

// One chunk, done here at once or carried to the window's thread, which
// does at least one item and stops when its time slice is used up. The
// number of items done from the chunk's first; 0 when refused or not
// delivered.
int CBigListCtrl::RunChunk(UINT nMsg, CBigListBatchChunk& rChunk, unsigned long dwThreadId)
{
    if (IsDirectCall(dwThreadId))
        return DoChunk(nMsg, rChunk);
    rChunk.bSliced = TRUE;
    LRESULT lResult;
    Carry(nMsg, reinterpret_cast<WPARAM>(&rChunk), 0, lResult);
    return static_cast<int>(lResult);
}

int CBigListCtrl::DoChunk(UINT nMsg, CBigListBatchChunk& rChunk)
{
    // Refused as a whole during a delete-all or sort of this list.
    if (CBusyStore::IsBusy(this))
        return 0;
    int nDone;
    switch (nMsg)
    {
    case BLM_INSERTITEMS:
        nDone = InsertChunk(rChunk);
        break;
    case BLM_DELETEITEMS:
        nDone = DeleteChunk(rChunk);
        break;
    default:
        nDone = FindChunk(rChunk);
        break;
    }
    // Nothing of this object from here: a delete may have let the owner
    // delete it.
    if (rChunk.bSliced)
        rChunk.bQueueBusy = HIWORD(::GetQueueStatus(QS_POSTMESSAGE | QS_INPUT | QS_PAINT | QS_TIMER)) != 0;
    return nDone;
}

int CBigListCtrl::InsertChunk(CBigListBatchChunk& rChunk)
{
    BLINSERTITEM* pItems = static_cast<BLINSERTITEM*>(rChunk.pItems);
    const CSlice slice(rChunk.bSliced);
    int nDone = 0;
    try
    {
        for (; nDone < rChunk.nCount && !slice.IsOver(nDone); ++nDone)
            pItems[nDone].pResult = StoreRecord(rChunk.ppRecords[nDone]);
    }
    catch (CException* e)
    {
        e->Delete();
        rChunk.bFailed = TRUE;   // StoreRecord freed the record it failed on
    }
    catch (const std::bad_alloc&)
    {
        rChunk.bFailed = TRUE;
    }
    return nDone;
}

int CBigListCtrl::DeleteChunk(CBigListBatchChunk& rChunk)
{
    BLKEYITEM* pItems = static_cast<BLKEYITEM*>(rChunk.pItems);
    const int nCountBefore = m_nItemCount;
    const CSlice slice(rChunk.bSliced);
    CDWordArray redraws;
    int nDone = 0;
    for (; nDone < rChunk.nCount && !slice.IsOver(nDone); ++nDone)
        pItems[nDone].pData = DeleteKeyInStore(pItems[nDone].nKey, &pItems[nDone].nIndex, &redraws);
    if (m_hWnd != NULL && m_nItemCount != nCountBefore)
    {
        // The count once, then each row the single deletes would have
        // redrawn and that still exists, once; rows past the new count are
        // repainted by the count change. Only locals after the count is set
        // (see DeleteKeyInStore).
        const HWND hWnd = m_hWnd;
        const int nItemCount = m_nItemCount;
        ::SendMessageA(hWnd, LVM_SETITEMCOUNT, static_cast<WPARAM>(nItemCount), LVSICF_NOINVALIDATEALL);
        RedrawRows(hWnd, redraws, nItemCount);
    }
    return nDone;
}

int CBigListCtrl::FindChunk(CBigListBatchChunk& rChunk)
{
    BLKEYITEM* pItems = static_cast<BLKEYITEM*>(rChunk.pItems);
    const CSlice slice(rChunk.bSliced);
    int nDone = 0;
    for (; nDone < rChunk.nCount && !slice.IsOver(nDone); ++nDone)
        pItems[nDone].nIndex = _FindItem(pItems[nDone].nKey, pItems[nDone].pData);
    return nDone;
}

int CBigListCtrl::InsertItem(const LVITEMA* /*pItem*/, unsigned long /*dwThreadId*/)
{
    return 0;
}

int CBigListCtrl::InsertItem(int /*nItem*/, const char* /*lpszItem*/, unsigned long /*dwThreadId*/)
{
    return 0;
}

int CBigListCtrl::InsertItem(int /*nItem*/, const char* /*lpszItem*/, int /*nImage*/,
                             unsigned long /*dwThreadId*/)
{
    return 0;
}

int CBigListCtrl::SetItemData(int /*nItem*/, DWORD_PTR /*dwData*/)
{
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// Window binding

BOOL CBigListCtrl::PreCreateWindow(CREATESTRUCT& cs)
{
    m_dwWindowThreadId = ::GetCurrentThreadId();
    cs.style |= LVS_OWNERDATA;
    return CListCtrl::PreCreateWindow(cs);
}

void CBigListCtrl::PreSubclassWindow()
{
    m_dwWindowThreadId = ::GetCurrentThreadId();
    CListCtrl::PreSubclassWindow();
}

/////////////////////////////////////////////////////////////////////////////
// Default callbacks

void CBigListCtrl::OnCBGetdispinfo(LVITEMA* /*pItem*/, long /*nKey*/, void* /*pData*/)
{
}

void CBigListCtrl::OnCBGetItem(LVITEMA* /*pItem*/, long /*nKey*/, void* /*pData*/)
{
}

void CBigListCtrl::OnCBSetItem(LVITEMA* /*pItem*/, long /*nKey*/, void* /*pData*/)
{
}

void CBigListCtrl::OnCBOdFindItem(LVFINDINFOA /*lvfi*/, long*& /*pResult*/)
{
}

int CBigListCtrl::OnCBSortItem(long /*nColumn*/, long /*nIndex1*/, long /*nKey1*/, void* /*pData1*/,
                               long /*nIndex2*/, long /*nKey2*/, void* /*pData2*/)
{
    return 0;
}

void CBigListCtrl::OnCBDeleteAllItems(long /*nKey*/, void* /*pData*/)
{
}

/////////////////////////////////////////////////////////////////////////////
// Store

void* CBigListCtrl::_InsertItem(CListData* pRecord)
{
    if (pRecord == NULL)
        return NULL;
    if (CBusyStore::IsBusy(this))
    {
        // Refused; the record was handed over, so it is freed here.
        delete pRecord;
        return NULL;
    }
    return StoreRecord(pRecord);
}

// Inserts a record whose position is requested in m_nIndex. The two
// allocations come first: the slot the list grows by, then the key's entry.
// When either fails the store is left as it was, the record is freed and
// the failure goes on as the framework's new reports it.
void* CBigListCtrl::StoreRecord(CListData* pRecord)
{
    const BOOL bGrown = m_pItemArray->GetSize() <= m_nItemCount;
    try
    {
        if (bGrown)
            m_pItemArray->Add(NULL);   // a spare slot, by the array's own growth rule
        m_pKeyMap->insert(CListDataKeyMap::value_type(pRecord->m_nKey, pRecord));
    }
    catch (...)
    {
        if (bGrown && m_pItemArray->GetSize() > m_nItemCount)
            m_pItemArray->RemoveAt(m_pItemArray->GetSize() - 1);
        delete pRecord;
        throw;
    }

    const long nPos = pRecord->m_nIndex;
    if (nPos >= 0 && nPos < m_nItemCount)
    {
        // Take the occupied row; its item moves to the end.
        CListData* pDisplaced = m_pItemArray->GetAt(nPos);
        m_pItemArray->SetAt(nPos, pRecord);
        PutInSlot(m_nItemCount, pDisplaced);
        ++m_nItemCount;
        return pDisplaced->m_pData;
    }

    // At or beyond the end, and also for a negative row: append, so that no
    // item is lost.
    PutInSlot(m_nItemCount, pRecord);
    ++m_nItemCount;
    return pRecord->m_pData;
}

void* CBigListCtrl::_DeleteItem(LVITEMA* pItem)
{
    if (pItem == NULL || CBusyStore::IsBusy(this))
        return NULL;
    const int nItem = pItem->iItem;
    if (nItem < 0 || nItem >= m_nItemCount || m_nItemCount == 0)
        return NULL;

    CListData* pRecord = m_pItemArray->GetAt(nItem);
    if (m_nItemCount >= 2)
    {
        // The last item fills the hole.
        CListData* pLast = m_pItemArray->GetAt(m_nItemCount - 1);
        m_pItemArray->SetAt(nItem, pLast);
        pLast->m_nIndex = nItem;
        DropLastSlot();
        --m_nItemCount;
        EraseKeyOf(pRecord);
        if (IsVisibleItem(nItem))
            RedrawRow(nItem);
    }
    else
    {
        EraseKeyOf(pRecord);
        DropLastSlot();
        RedrawRow(0);
        m_nItemCount = 0;
    }
    // Only locals after the count is set (see DeleteKeyInStore).
    if (m_hWnd != NULL)
        CListCtrl::SetItemCountEx(m_nItemCount, LVSICF_NOINVALIDATEALL);

    void* pData = pRecord->m_pData;
    delete pRecord;
    return pData;
}

void* CBigListCtrl::_DeleteItem(long nKey, long* pnIndex)
{
    if (CBusyStore::IsBusy(this))
        return NULL;
    return DeleteKeyInStore(nKey, pnIndex, NULL);
}

// Delete by key. With pDeferredRedraws the list view is left alone: the
// rows it would have redrawn are added there, and the caller sets the count
// and redraws once for many deletes.
//
// The store is whole again before the list view hears of the change: a list
// view may notify its owner while it sets its count, and an owner that
// destroys the window (which empties the store) and deletes this object
// there must find no half-done delete, nor be followed by any access to the
// object. So the count is set after the slots are settled, not between, and
// only locals are used after it.
void* CBigListCtrl::DeleteKeyInStore(long nKey, long* pnIndex, CDWordArray* pDeferredRedraws)
{
    if (m_nItemCount <= 0)
        return NULL;
    CListDataKeyMap::iterator it = m_pKeyMap->find(nKey);
    if (it == m_pKeyMap->end())
        return NULL;

    CListData* pRecord = it->second;
    const long nIndex = pRecord->m_nIndex;
    void* pData = pRecord->m_pData;
    m_pKeyMap->erase(it);
    int nRedraw = -1;
    if (m_nItemCount >= 2)
    {
        CListData* pLast = m_pItemArray->GetAt(m_nItemCount - 1);
        pLast->m_nIndex = nIndex;
        m_pItemArray->SetAt(nIndex, pLast);
        DropLastSlot();
        --m_nItemCount;
        if (IsVisibleItem(nIndex))
            nRedraw = nIndex;
    }
    else
    {
        DropLastSlot();
        m_nItemCount = 0;
        nRedraw = 0;
    }
    delete pRecord;
    if (pnIndex != NULL)
        *pnIndex = nIndex;

    if (pDeferredRedraws != NULL)
    {
        if (nRedraw >= 0)
            pDeferredRedraws->Add(static_cast<DWORD>(nRedraw));
        return pData;
    }
    const HWND hWnd = m_hWnd;
    const int nCount = m_nItemCount;
    if (hWnd != NULL)
    {
        // The last item's row is redrawn before the count goes to 0; other
        // rows after the count is set.
        if (nCount == 0)
            ::SendMessageA(hWnd, LVM_REDRAWITEMS, 0, 0);
        ::SendMessageA(hWnd, LVM_SETITEMCOUNT, static_cast<WPARAM>(nCount), LVSICF_NOINVALIDATEALL);
        if (nCount > 0 && nRedraw >= 0)
            ::SendMessageA(hWnd, LVM_REDRAWITEMS, static_cast<WPARAM>(nRedraw), static_cast<LPARAM>(nRedraw));
    }
    return pData;
}

long CBigListCtrl::_FindItem(long nKey, void*& rpData)
{
    CListDataKeyMap::const_iterator it = m_pKeyMap->find(nKey);
    if (it == m_pKeyMap->end() || CBusyStore::IsBusy(this))
    {
        rpData = NULL;
        return -1;
    }
    rpData = it->second->m_pData;
    return it->second->m_nIndex;
}

void* CBigListCtrl::_GetItem(LVITEMA* pItem)
{
    if (pItem == NULL || CBusyStore::IsBusy(this))
        return NULL;
    const int nItem = pItem->iItem;
    if (nItem < 0 || nItem >= m_nItemCount)
        return NULL;
    CListData* pRecord = m_pItemArray->GetAt(nItem);
    void* pData = pRecord->m_pData;
    OnCBGetItem(pItem, pRecord->m_nKey, pData);
    return pData;
}

void* CBigListCtrl::_SetItem(const LVITEMA* pItem, void* pExpected)
{
    if (pItem == NULL || CBusyStore::IsBusy(this))
        return NULL;
    const int nItem = pItem->iItem;
    if (nItem < 0 || nItem >= m_nItemCount)
        return NULL;
    CListData* pRecord = m_pItemArray->GetAt(nItem);
    void* pData = pRecord->m_pData;
    // A caller holding a possibly stale row refuses to touch another item.
    if (pExpected != NULL && pExpected != pData)
        return NULL;
    OnCBSetItem(const_cast<LVITEMA*>(pItem), pRecord->m_nKey, pData);
    if (IsVisibleItem(pItem->iItem))
        RedrawRow(pItem->iItem);
    return pData;
}

void* CBigListCtrl::_GetItemData(int nItem)
{
    if (nItem < 0 || nItem >= m_nItemCount || CBusyStore::IsBusy(this))
        return NULL;
    CListData* pRecord = m_pItemArray->GetAt(nItem);
    return pRecord != NULL ? pRecord->m_pData : NULL;
}

int CBigListCtrl::_DeleteAllItems()
{
    // Asked again from inside its own callbacks (a window message or a
    // carried call let in by a pumping callback): the running one finishes.
    if (CBusyStore::IsBusy(this))
        return FALSE;
    if (m_nItemCount == 0)
        return TRUE;

    {
        CBusyStore busy(this);
        for (int i = 0; i < m_nItemCount; ++i)
        {
            CListData* pRecord = m_pItemArray->GetAt(i);
            OnCBDeleteAllItems(pRecord->m_nKey, pRecord->m_pData);
            delete pRecord;
            m_pItemArray->SetAt(i, NULL);
        }
    }
    m_nItemCount = 0;
    m_pKeyMap->clear();
    m_pItemArray->SetSize(0, -1);
    SetCapacity(m_nInitialCapacity, m_nInitialGrowBy);

    // The owner may destroy the window and delete this object while the list
    // view sets its count: only locals from there on.
    const HWND hWnd = m_hWnd;
    if (hWnd != NULL)
    {
        ::SendMessageA(hWnd, LVM_SETITEMCOUNT, 0, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
        ::InvalidateRect(hWnd, NULL, TRUE);
    }
    return TRUE;
}

// Handler side of a carried get: like _GetItem, and tells the sender whether
// the row existed at all.
void* CBigListCtrl::GetItemIfPresent(LVITEMA* pItem, BOOL* pbPresent)
{
    const BOOL bPresent = pItem != NULL && pItem->iItem >= 0 && pItem->iItem < m_nItemCount &&
                          !CBusyStore::IsBusy(this);
    if (pbPresent != NULL)
        *pbPresent = bPresent;
    return bPresent ? _GetItem(pItem) : NULL;
}

void CBigListCtrl::RedrawRow(int nRow)
{
    if (m_hWnd != NULL)
        CListCtrl::RedrawItems(nRow, nRow);
}

// Redraws the listed rows below nCount, each once; neighbouring rows go in
// one request.
void CBigListCtrl::RedrawRows(HWND hWnd, CDWordArray& rRows, int nCount)
{
    DWORD* pRows = rRows.GetData();
    const int nRows = static_cast<int>(rRows.GetSize());
    std::sort(pRows, pRows + nRows);
    for (int i = 0; i < nRows;)
    {
        int j = i;
        while (j + 1 < nRows && pRows[j + 1] <= pRows[j] + 1)
            ++j;
        const int nFirst = static_cast<int>(pRows[i]);
        const int nLast = static_cast<int>(pRows[j]) < nCount ? static_cast<int>(pRows[j]) : nCount - 1;
        if (nFirst <= nLast)
            ::SendMessageA(hWnd, LVM_REDRAWITEMS, static_cast<WPARAM>(nFirst), static_cast<LPARAM>(nLast));
        i = j + 1;
    }
}

// Puts a record into slot nSlot (== m_nItemCount): the spare slot when there
// is one, else a new slot at the end, grown by the array's own rule.
void CBigListCtrl::PutInSlot(int nSlot, CListData* pRecord)
{
    if (m_pItemArray->GetSize() > nSlot)
        m_pItemArray->SetAt(nSlot, pRecord);
    else
        m_pItemArray->Add(pRecord);
    pRecord->m_nIndex = nSlot;
}

// Removes the last used slot. Behind it lie only NULL spares, so clearing it
// and removing the array's final (spare) slot leaves the same contents as
// removing it, without moving the spares down one by one.
void CBigListCtrl::DropLastSlot()
{
    const int nLast = m_nItemCount - 1;
    const int nFinal = m_pItemArray->GetSize() - 1;
    if (nFinal != nLast)
        m_pItemArray->SetAt(nLast, NULL);
    m_pItemArray->RemoveAt(nFinal);
}

// A record inserted with a key that was already present has no map entry
// of its own: its key must keep finding the other record.
void CBigListCtrl::EraseKeyOf(const CListData* pRecord)
{
    CListDataKeyMap::iterator it = m_pKeyMap->find(pRecord->m_nKey);
    if (it != m_pKeyMap->end() && it->second == pRecord)
        m_pKeyMap->erase(it);
}

void CBigListCtrl::FreeAllRecords()
{
    if (m_pItemArray == NULL)
        return;
    for (int i = 0; i < m_nItemCount; ++i)
    {
        delete m_pItemArray->GetAt(i);
        m_pItemArray->SetAt(i, NULL);
    }
    m_nItemCount = 0;
    if (m_pKeyMap != NULL)
        m_pKeyMap->clear();
}

/////////////////////////////////////////////////////////////////////////////
// Sorting

void CBigListCtrl::OnSortItems(int nColumn)
{
    // Not in the middle of a delete-all or another sort of this list.
    if (CBusyStore::IsBusy(this))
        return;
    if (nColumn == m_nSortColumn)
    {
        m_bReverseSort = m_bReverseSort ? 0 : 1;
    }
    else
    {
        m_bReverseSort = 1;
        m_nSortColumn = nColumn;
    }
    if (m_nItemCount < 2)
        return;
    CBusyStore busy(this);
    myqsort(m_pItemArray->GetData(), static_cast<unsigned int>(m_nItemCount), sizeof(CListData*),
            this, &CBigListCtrl::SortCompare, &CBigListCtrl::SortSwapped);
}

int __cdecl CBigListCtrl::SortCompare(void* context, const void* elem1, const void* elem2)
{
    CBigListCtrl* pThis = static_cast<CBigListCtrl*>(context);
    const CListData* p1 = *static_cast<CListData* const*>(elem1);
    const CListData* p2 = *static_cast<CListData* const*>(elem2);
    const int nResult = pThis->OnCBSortItem(pThis->m_nSortColumn, p1->m_nIndex, p1->m_nKey, p1->m_pData,
                                            p2->m_nIndex, p2->m_nKey, p2->m_pData);
    if (!pThis->m_bReverseSort)
        return nResult;
    // Only the sign counts; negating INT_MIN would keep it negative.
    return nResult > 0 ? -1 : (nResult < 0 ? 1 : 0);
}

// Runs before myqsort exchanges two slots: the records trade rows with them.
void __cdecl CBigListCtrl::SortSwapped(void* /*context*/, void* elem1, void* elem2)
{
    CListData* p1 = *static_cast<CListData**>(elem1);
    CListData* p2 = *static_cast<CListData**>(elem2);
    const long nIndex = p1->m_nIndex;
    p1->m_nIndex = p2->m_nIndex;
    p2->m_nIndex = nIndex;
}

/////////////////////////////////////////////////////////////////////////////
// Notifications reflected from the parent

void CBigListCtrl::OnGetdispinfo(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVDISPINFOA* pInfo = reinterpret_cast<NMLVDISPINFOA*>(pNMHDR);
    const int nItem = pInfo->item.iItem;
    // While a delete-all or a sort runs, rows are freed or in flux: the
    // list view gets nothing for them (it asks again when it repaints).
    if (nItem >= 0 && nItem < m_nItemCount && !CBusyStore::IsBusy(this))
    {
        CListData* pRecord = m_pItemArray->GetAt(nItem);
        OnCBGetdispinfo(&pInfo->item, pRecord->m_nKey, pRecord->m_pData);
    }
    *pResult = 0;
}

void CBigListCtrl::OnOdcachehint(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    // The list view's own idea of what is on screen, not the hint's range.
    m_nFirstVisible = GetTopIndex();
    const int nLast = m_nFirstVisible + GetCountPerPage();
    m_nLastVisible = nLast < m_nItemCount ? nLast : m_nItemCount;
    *pResult = 0;
}

void CBigListCtrl::OnOdfinditem(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVFINDITEMA* pFind = reinterpret_cast<NMLVFINDITEMA*>(pNMHDR);
    *pResult = 0;
    *pResult = FindForListView(pFind->lvfi);
}

// Some list views ask an ANSI parent with the wide code (Wine's does for this
// one notification); the derived class still gets the ANSI request.
void CBigListCtrl::OnOdfinditemW(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLVFINDITEMW* pFind = reinterpret_cast<NMLVFINDITEMW*>(pNMHDR);
    *pResult = 0;
    LVFINDINFOA lvfi;
    ::ZeroMemory(&lvfi, sizeof(lvfi));
    lvfi.flags = pFind->lvfi.flags;
    lvfi.lParam = pFind->lvfi.lParam;
    lvfi.pt = pFind->lvfi.pt;
    lvfi.vkDirection = pFind->lvfi.vkDirection;
    char szText[512];
    szText[0] = '\0';
    if ((lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) && pFind->lvfi.psz != NULL)
    {
        if (::WideCharToMultiByte(CP_ACP, 0, pFind->lvfi.psz, -1, szText, sizeof(szText), NULL, NULL) == 0)
            szText[sizeof(szText) - 1] = '\0';   // too long: the leading part
        lvfi.psz = szText;
    }
    *pResult = FindForListView(lvfi);
}

// The override stores a long; widen it here so that -1 stays -1 where
// LRESULT is wider than long. Untouched, the answer is 0.
LRESULT CBigListCtrl::FindForListView(const LVFINDINFOA& lvfi)
{
    long nFound = 0;
    long* pnFound = &nFound;
    OnCBOdFindItem(lvfi, pnFound);
    return pnFound != NULL ? *pnFound : 0;
}

void CBigListCtrl::OnColumnclick(NMHDR* pNMHDR, LRESULT* pResult)
{
    NMLISTVIEW* pView = reinterpret_cast<NMLISTVIEW*>(pNMHDR);
    *pResult = 0;
    OnSortItems(pView->iSubItem);
    InvalidateRect(NULL, TRUE);
}

/////////////////////////////////////////////////////////////////////////////
// Window messages

void CBigListCtrl::OnClose()
{
    // A window destroyed meanwhile (by an owner that may also have deleted
    // this object) is not closed again.
    const HWND hWnd = m_hWnd;
    if (m_nItemCount > 0)
        _DeleteAllItems();
    if (::IsWindow(hWnd))
        CListCtrl::OnClose();
}

void CBigListCtrl::OnNcDestroy()
{
    if (m_nItemCount > 0)
        _DeleteAllItems();
    CListCtrl::OnNcDestroy();
}

LRESULT CBigListCtrl::OnInsertItem(WPARAM wParam, LPARAM lParam)
{
    if (lParam != 0)
        *reinterpret_cast<BOOL*>(lParam) = TRUE;
    return reinterpret_cast<LRESULT>(_InsertItem(reinterpret_cast<CListData*>(wParam)));
}

LRESULT CBigListCtrl::OnDeleteItem(WPARAM wParam, LPARAM /*lParam*/)
{
    return reinterpret_cast<LRESULT>(_DeleteItem(reinterpret_cast<LVITEMA*>(wParam)));
}

LRESULT CBigListCtrl::OnDeleteItembyKey(WPARAM wParam, LPARAM lParam)
{
    return reinterpret_cast<LRESULT>(_DeleteItem(static_cast<long>(wParam), reinterpret_cast<long*>(lParam)));
}

LRESULT CBigListCtrl::OnFindItem(WPARAM wParam, LPARAM lParam)
{
    void* pData = NULL;
    const long nIndex = _FindItem(static_cast<long>(wParam), pData);
    if (lParam != 0)
        *reinterpret_cast<void**>(lParam) = pData;
    return nIndex;
}

LRESULT CBigListCtrl::OnGetItem(WPARAM wParam, LPARAM lParam)
{
    return reinterpret_cast<LRESULT>(GetItemIfPresent(reinterpret_cast<LVITEMA*>(wParam),
                                                      reinterpret_cast<BOOL*>(lParam)));
}

LRESULT CBigListCtrl::OnSetItem(WPARAM wParam, LPARAM lParam)
{
    return reinterpret_cast<LRESULT>(_SetItem(reinterpret_cast<LVITEMA*>(wParam), reinterpret_cast<void*>(lParam)));
}

LRESULT CBigListCtrl::OnGetItemData(WPARAM wParam, LPARAM /*lParam*/)
{
    return reinterpret_cast<LRESULT>(_GetItemData(static_cast<int>(wParam)));
}

LRESULT CBigListCtrl::OnDeleteAllItems(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return _DeleteAllItems();
}

LRESULT CBigListCtrl::OnInsertItems(WPARAM wParam, LPARAM /*lParam*/)
{
    return DoChunk(BLM_INSERTITEMS, *reinterpret_cast<CBigListBatchChunk*>(wParam));
}

LRESULT CBigListCtrl::OnDeleteItems(WPARAM wParam, LPARAM /*lParam*/)
{
    return DoChunk(BLM_DELETEITEMS, *reinterpret_cast<CBigListBatchChunk*>(wParam));
}

LRESULT CBigListCtrl::OnFindItems(WPARAM wParam, LPARAM /*lParam*/)
{
    return DoChunk(BLM_FINDITEMS, *reinterpret_cast<CBigListBatchChunk*>(wParam));
}

LRESULT CBigListCtrl::OnQueueMark(WPARAM /*wParam*/, LPARAM lParam)
{
    ::SetEvent(reinterpret_cast<HANDLE>(lParam));
    return 0;
}
