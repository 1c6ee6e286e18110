// BigListCtrl.cpp - CBigListCtrl: the item store, the carried calls, the
// list-view notifications and the column sort.
#include "BigListCtrl.h"

#include "myqsort.h"

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
END_MESSAGE_MAP()

namespace {

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

    const long nPos = pRecord->m_nIndex;
    if (nPos >= 0 && nPos < m_nItemCount)
    {
        // Take the occupied row; its item moves to the end.
        CListData* pDisplaced = m_pItemArray->GetAt(nPos);
        m_pItemArray->SetAt(nPos, pRecord);
        m_pKeyMap->insert(CListDataKeyMap::value_type(pRecord->m_nKey, pRecord));
        PutInSlot(m_nItemCount, pDisplaced);
        ++m_nItemCount;
        return pDisplaced->m_pData;
    }

    // At or beyond the end, and also for a negative row: append, so that no
    // item is lost.
    PutInSlot(m_nItemCount, pRecord);
    m_pKeyMap->insert(CListDataKeyMap::value_type(pRecord->m_nKey, pRecord));
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
    if (m_hWnd != NULL)
        CListCtrl::SetItemCountEx(m_nItemCount, LVSICF_NOINVALIDATEALL);

    void* pData = pRecord->m_pData;
    delete pRecord;
    return pData;
}

void* CBigListCtrl::_DeleteItem(long nKey, long* pnIndex)
{
    if (m_nItemCount <= 0 || CBusyStore::IsBusy(this))
        return NULL;
    CListDataKeyMap::iterator it = m_pKeyMap->find(nKey);
    if (it == m_pKeyMap->end())
        return NULL;

    CListData* pRecord = it->second;
    const long nIndex = pRecord->m_nIndex;
    if (m_nItemCount >= 2)
    {
        CListData* pLast = m_pItemArray->GetAt(m_nItemCount - 1);
        pLast->m_nIndex = nIndex;
        m_pKeyMap->erase(it);
        if (m_hWnd != NULL)
            CListCtrl::SetItemCountEx(m_nItemCount - 1, LVSICF_NOINVALIDATEALL);
        m_pItemArray->SetAt(pLast->m_nIndex, pLast);
        DropLastSlot();
        --m_nItemCount;
        if (IsVisibleItem(pLast->m_nIndex))
            RedrawRow(pLast->m_nIndex);
    }
    else
    {
        m_pKeyMap->erase(it);
        DropLastSlot();
        m_nItemCount = 0;
        RedrawRow(0);
        if (m_hWnd != NULL)
            CListCtrl::SetItemCountEx(0, LVSICF_NOINVALIDATEALL);
    }

    if (pnIndex != NULL)
        *pnIndex = nIndex;
    void* pData = pRecord->m_pData;
    delete pRecord;
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

    if (m_hWnd != NULL)
    {
        CListCtrl::SetItemCountEx(0, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL);
        InvalidateRect(NULL, TRUE);
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
    if (m_nItemCount > 0)
        _DeleteAllItems();
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
