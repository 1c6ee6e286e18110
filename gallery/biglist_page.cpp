// biglist_page.cpp - the big list in the gallery: a report view of a million
// rows inserted on the window's thread, a few hundred more added and removed
// by a worker thread through carried calls, then sorted by its value column.
#include <afxwin.h>
#include <afxcmn.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "gallery.h"
#include "BigListCtrl.h"

namespace {

const UINT kBigListId = 0x4A01;
const long kRowCount = 1000000;
const long kWorkerAdds = 400;      // the worker adds these keys after the million
const long kWorkerRemoves = 150;   // and removes this many of them again

// The value column: a reproducible scramble of the key.
long ValueOf(long nKey)
{
    return static_cast<long>((static_cast<unsigned long>(nKey) * 2654435761u) % 100000u);
}

// Item data is the item's value itself, kept in the pointer; the list never
// looks inside it.
void* DataFor(long nKey)
{
    return reinterpret_cast<void*>(static_cast<INT_PTR>(ValueOf(nKey)) + 1);
}

long ValueFromData(void* pData)
{
    return static_cast<long>(reinterpret_cast<INT_PTR>(pData) - 1);
}

class CGalleryBigList : public CBigListCtrl
{
public:
    CGalleryBigList() : CBigListCtrl(kRowCount + 4096, 4096) {}

protected:
    virtual void OnCBGetdispinfo(LVITEMA* pItem, long nKey, void* pData)
    {
        if ((pItem->mask & LVIF_TEXT) == 0 || pItem->pszText == NULL || pItem->cchTextMax <= 0)
            return;
        switch (pItem->iSubItem)
        {
        case 0:
            _snprintf(pItem->pszText, pItem->cchTextMax, "%ld", nKey);
            break;
        case 1:
            _snprintf(pItem->pszText, pItem->cchTextMax, "%s %07ld", nKey >= kRowCount ? "Worker" : "Case", nKey);
            break;
        default:
            _snprintf(pItem->pszText, pItem->cchTextMax, "%ld", ValueFromData(pData));
            break;
        }
        pItem->pszText[pItem->cchTextMax - 1] = '\0';
    }

    virtual int OnCBSortItem(long nColumn, long /*nIndex1*/, long nKey1, void* pData1,
                             long /*nIndex2*/, long nKey2, void* pData2)
    {
        long a = nKey1;
        long b = nKey2;
        if (nColumn == 2)
        {
            a = ValueFromData(pData1);
            b = ValueFromData(pData2);
        }
        return a > b ? 1 : (a < b ? -1 : 0);
    }

public:
    // The store agrees with itself and with the list view: one key per
    // item, the first count slots hold records that name their own slot,
    // the spare slots behind them are empty, and the view has the count.
    // Called on the window's thread.
    std::string CheckStore()
    {
        const long nCount = m_nItemCount;
        const long nView = static_cast<long>(::SendMessageA(m_hWnd, LVM_GETITEMCOUNT, 0, 0));
        long nMisplaced = 0;
        for (long i = 0; i < m_pItemArray->GetSize(); ++i)
        {
            const CListData* pRecord = m_pItemArray->GetAt(i);
            if (i < nCount ? pRecord == NULL || pRecord->m_nIndex != i : pRecord != NULL)
                ++nMisplaced;
        }
        char text[160];
        _snprintf(text, sizeof(text), "%s count=%ld slots=%ld keys=%ld view=%ld misplaced=%ld",
                  nCount <= m_pItemArray->GetSize() && nCount == static_cast<long>(m_pKeyMap->size()) &&
                          nCount == nView && nMisplaced == 0 ? "ok" : "fail",
                  nCount, static_cast<long>(m_pItemArray->GetSize()), static_cast<long>(m_pKeyMap->size()),
                  nView, nMisplaced);
        return text;
    }

    // The keys of the first rows and the state of the last sort.
    std::string FirstRows()
    {
        std::string text = "column=" + std::to_string(m_nSortColumn) + " reverse=" +
                            std::to_string(m_bReverseSort ? 1 : 0) + " keys=";
        for (long i = 0; i < 3 && i < m_pItemArray->GetSize(); ++i)
            text += (i > 0 ? "," : "") + std::to_string(m_pItemArray->GetAt(i)->m_nKey);
        return text;
    }
};

CGalleryBigList* g_pList = NULL;
HANDLE g_hWorker = NULL;
DWORD g_dwWindowThread = 0;
long g_nWorkerFailures = 0;
bool g_bSorted = false;

// Runs on its own thread: every call is carried to the window's thread.
DWORD WINAPI WorkerThread(void*)
{
    const DWORD dwSelf = ::GetCurrentThreadId();
    for (long i = 0; i < kWorkerAdds; ++i)
    {
        const long nKey = kRowCount + i;
        g_pList->InsertItem(g_pList->GetItemCount() + 1, nKey, DataFor(nKey), dwSelf);
    }
    for (long i = 0; i < kWorkerRemoves; ++i)
    {
        const long nKey = kRowCount + i * 2;
        long nRow = -1;
        if (g_pList->DeleteItem(nKey, &nRow, dwSelf) != DataFor(nKey) || nRow < 0)
            ++g_nWorkerFailures;
    }
    void* pData = NULL;
    if (g_pList->FindItem(kRowCount + 1, pData, dwSelf) < 0 || pData != DataFor(kRowCount + 1))
        ++g_nWorkerFailures;
    return 0;
}

HWND CreateBigList(CWnd* pParent, const RECT& rc)
{
    g_pList = new CGalleryBigList;
    if (!g_pList->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS,
                         CRect(rc), pParent, kBigListId))
    {
        delete g_pList;
        g_pList = NULL;
        return NULL;
    }
    g_pList->InsertColumn(0, "Key", LVCFMT_RIGHT, 70);
    g_pList->InsertColumn(1, "Name", LVCFMT_LEFT, 120);
    g_pList->InsertColumn(2, "Value", LVCFMT_RIGHT, 70);

    g_dwWindowThread = ::GetCurrentThreadId();
    for (long nKey = 0; nKey < kRowCount; ++nKey)
        g_pList->InsertItem(nKey, nKey, DataFor(nKey), g_dwWindowThread);
    g_pList->SetItemCountEx(g_pList->GetItemCount(), LVSICF_NOINVALIDATEALL);

    g_hWorker = ::CreateThread(NULL, 0, &WorkerThread, NULL, 0, NULL);
    return g_pList->GetSafeHwnd();
}

// Polled while the gallery pumps the worker's carried calls through.
BOOL BigListReady()
{
    if (g_pList == NULL)
        return TRUE;
    if (g_hWorker != NULL && ::WaitForSingleObject(g_hWorker, 0) != WAIT_OBJECT_0)
        return FALSE;
    if (!g_bSorted)
    {
        g_bSorted = true;
        g_pList->SetItemCountEx(g_pList->GetItemCount(), LVSICF_NOINVALIDATEALL);
        // Two clicks' worth on the value column: ascending as returned.
        g_pList->OnSortItems(2);
        g_pList->OnSortItems(2);
        g_pList->InvalidateRect(NULL, TRUE);
        const long nExpected = kRowCount + kWorkerAdds - kWorkerRemoves;
        if (g_nWorkerFailures != 0 || g_pList->GetItemCount() != nExpected)
            std::printf("gallery: biglist: %ld rows (expected %ld), %ld failed worker calls\n",
                        static_cast<long>(g_pList->GetItemCount()), nExpected, g_nWorkerFailures);
    }
    return TRUE;
}

// The worker may be inside a carried call that needs this thread's messages.
void WaitPumping(HANDLE hThread)
{
    while (::MsgWaitForMultipleObjects(1, &hThread, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
}

std::string SoakWorker(const char* args);

void DestroyBigList()
{
    SoakWorker("stop");
    if (g_hWorker != NULL)
    {
        WaitPumping(g_hWorker);
        ::CloseHandle(g_hWorker);
        g_hWorker = NULL;
    }
    if (g_pList != NULL)
    {
        g_pList->DestroyWindow();
        delete g_pList;
        g_pList = NULL;
    }
}

// Interactive requests: a soak worker that keeps making carried calls
// (insert, find, delete of keys of its own) until stopped, and the store's
// checks.
HANDLE g_hSoakWorker = NULL;
volatile LONG g_bSoakStop = 0;
LONG g_nSoakCalls = 0;
LONG g_nSoakFailures = 0;

DWORD WINAPI SoakWorkerThread(void*)
{
    const DWORD dwSelf = ::GetCurrentThreadId();
    for (long i = 0; ::InterlockedCompareExchange(&g_bSoakStop, 0, 0) == 0; ++i)
    {
        const long nKey = 2 * kRowCount + i % 1000;
        void* pData = NULL;
        g_pList->InsertItem(g_pList->GetItemCount() + 1, nKey, DataFor(nKey), dwSelf);
        if (g_pList->FindItem(nKey, pData, dwSelf) < 0 || pData != DataFor(nKey))
            ++g_nSoakFailures;
        long nRow = -1;
        if (g_pList->DeleteItem(nKey, &nRow, dwSelf) != DataFor(nKey) || nRow < 0)
            ++g_nSoakFailures;
        g_nSoakCalls += 3;
    }
    return 0;
}

std::string SoakWorker(const char* args)
{
    if (g_pList == NULL)
        return "fail: no list";
    if (strcmp(args, "start") == 0 && g_hSoakWorker == NULL)
    {
        g_bSoakStop = 0;
        g_nSoakCalls = g_nSoakFailures = 0;
        g_hSoakWorker = ::CreateThread(NULL, 0, &SoakWorkerThread, NULL, 0, NULL);
        return g_hSoakWorker != NULL ? "started" : "fail: no thread";
    }
    if (strcmp(args, "stop") == 0 && g_hSoakWorker != NULL)
    {
        ::InterlockedExchange(&g_bSoakStop, 1);
        WaitPumping(g_hSoakWorker);
        ::CloseHandle(g_hSoakWorker);
        g_hSoakWorker = NULL;
        g_pList->SetItemCountEx(g_pList->GetItemCount(), LVSICF_NOINVALIDATEALL);
        return std::string(g_nSoakFailures == 0 ? "stopped" : "fail") + " calls=" + std::to_string(g_nSoakCalls) +
               " failures=" + std::to_string(g_nSoakFailures);
    }
    return "fail: biglist.worker start|stop";
}

std::string CheckList(const char*)
{
    return g_pList != NULL ? g_pList->CheckStore() : "fail: no list";
}

std::string ListRows(const char*)
{
    return g_pList != NULL ? g_pList->FirstRows() : "fail: no list";
}

} // namespace

GALLERY_COMMAND(biglist_worker, "biglist.worker", &SoakWorker);
GALLERY_COMMAND(biglist_check, "biglist.check", &CheckList);
GALLERY_COMMAND(biglist_rows, "biglist.rows", &ListRows);
GALLERY_ITEM(biglist, "biglist", 300, 240, &CreateBigList, &BigListReady, &DestroyBigList);
