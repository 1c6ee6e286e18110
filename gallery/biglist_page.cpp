// biglist_page.cpp - the big list in the gallery: a report view of a million
// rows inserted on the window's thread, a few hundred more added and removed
// by a worker thread through carried calls, then sorted by its value column.
#include <afxwin.h>
#include <afxcmn.h>

#include <cstdio>

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

void DestroyBigList()
{
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

} // namespace

GALLERY_ITEM(biglist, "biglist", 300, 240, &CreateBigList, &BigListReady, &DestroyBigList);
