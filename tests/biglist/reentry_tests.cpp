// Carried calls on their failure paths: a window destroyed while a call is
// on its way, calls that arrive while a delete-all or a sort calls the host
// back and the host pumps messages, and an owner that destroys the window
// and deletes the list from the list view's notification.
#include <gtest/gtest.h>

#include <functional>

#include "BigListFixture.h"
#include "HeapCounter.h"

using namespace testsupport;

namespace {

// What every refused or failed carried call must answer; counts the faults.
int CarriedCallFaults(CBigListCtrl& list, DWORD tid)
{
    int nFaults = 0;
    nFaults += list.InsertItem(0, 999, FakeData(999), tid) != NULL;
    void* pData = FakeData(5);
    nFaults += list.FindItem(1, pData, tid) != -1;
    nFaults += pData != NULL;
    long nIndex = -7;
    nFaults += list.DeleteItem(2, &nIndex, tid) != NULL;
    nFaults += nIndex != -7;
    LVITEMA item = {};
    item.iItem = 0;
    nFaults += list.DeleteItem(&item, tid) != NULL;
    nFaults += list.GetItemData(0, tid) != 0;
    char szText[16] = "unchanged";
    nFaults += list.GetItemText(0, 0, szText, sizeof(szText), tid) != FALSE;
    nFaults += list.GetItemText(0, 0, tid) != "";
    nFaults += list.DeleteAllItems(tid) != FALSE;
    // Batches are refused as a whole, their items answering as refused
    // single calls do, and the inserts' records freed.
    BLINSERTITEM inserts[2] = { { 0, 998, FakeData(998), FakeData(1) }, { BL_APPEND, 997, FakeData(997), FakeData(1) } };
    nFaults += list.InsertItems(inserts, 2, tid) != 0;
    nFaults += inserts[0].pResult != NULL || inserts[1].pResult != NULL;
    BLKEYITEM keys[2] = { { 1, -7, FakeData(1) }, { 2, -7, FakeData(2) } };
    nFaults += list.FindItems(keys, 2, tid) != 0;
    nFaults += keys[0].nIndex != -1 || keys[1].pData != NULL;
    nFaults += list.DeleteItems(keys, 2, tid) != 0;
    nFaults += keys[0].pData != NULL;
    return nFaults;
}

// The window is destroyed while a worker's call waits in its queue: the
// worker had read the handle, the window's thread never dispatched it.
TEST_F(BigListFixture, CallWaitingWhileTheWindowIsDestroyedFailsAndFreesItsRecord)
{
    // A first list destroyed the same way, so that what the framework keeps
    // after destroying a window is in place before the heap is counted.
    {
        CTestBigList warm;
        ASSERT_TRUE(warm.Create(WS_CHILD | LVS_REPORT, CRect(0, 0, 50, 50), &m_panel, kListId + 1));
        warm.DestroyWindow();
        Pump();
    }
    CreateList();
    ASSERT_EQ(0u, CListData::GetPooledCount());
    struct Job
    {
        CTestBigList* pList;
        void* pResult;
        HANDLE hWarm;
        HANDLE hGo;
        static DWORD WINAPI Run(void* p)
        {
            Job* job = static_cast<Job*>(p);
            const DWORD tid = ::GetCurrentThreadId();
            // A first carried call, so that what the system keeps for a
            // thread that sends is in place before the heap is counted.
            void* pData = NULL;
            job->pList->FindItem(1, pData, tid);
            ::SetEvent(job->hWarm);
            ::WaitForSingleObject(job->hGo, 30000);
            job->pResult = job->pList->InsertItem(0, 7, FakeData(7), tid);
            return 0;
        }
    } job = { &List(), FakeData(1), ::CreateEventA(NULL, TRUE, FALSE, NULL), ::CreateEventA(NULL, TRUE, FALSE, NULL) };
    HANDLE hThread = ::CreateThread(NULL, 0, &Job::Run, &job, 0, NULL);
    const DWORD start = ::GetTickCount();
    while (::MsgWaitForMultipleObjects(1, &job.hWarm, FALSE, 1000, QS_ALLINPUT) != WAIT_OBJECT_0 &&
           ::GetTickCount() - start < 30000)
        Pump();

    HeapCounter heap;
    ::SetEvent(job.hGo);
    // Wait, without dispatching anything, until the worker's message is here.
    EXPECT_EQ(WAIT_OBJECT_0, ::MsgWaitForMultipleObjects(0, NULL, FALSE, 30000, QS_SENDMESSAGE));
    EXPECT_TRUE(List().DestroyWindow());
    while (::MsgWaitForMultipleObjects(1, &hThread, FALSE, 1000, QS_ALLINPUT) != WAIT_OBJECT_0 &&
           ::GetTickCount() - start < 60000)
        Pump();
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hThread, 0)) << "the worker hangs";
    ::WaitForSingleObject(hThread, INFINITE);
    for (HANDLE h : { hThread, job.hWarm, job.hGo })
        ::CloseHandle(h);

    EXPECT_EQ(NULL, job.pResult) << "a carried insert that never arrived";
    EXPECT_EQ(0u, CListData::GetPooledCount()) << "its record is freed";
    EXPECT_LE(heap.BlocksSinceStart(), 0) << "heap blocks";
    EXPECT_EQ(0, List().GetItemCount());
    // Once the handle is gone, every carried call fails the same way.
    int nFaults = -1;
    ASSERT_TRUE(RunWhilePumping([&]() { nFaults = CarriedCallFaults(List(), ::GetCurrentThreadId()); }));
    EXPECT_EQ(0, nFaults);
    EXPECT_EQ(0u, CListData::GetPooledCount());
}

// A host whose delete-all or sort callback pumps messages, as a message box
// would, while a worker makes carried calls.
class CPumpingList : public CTestBigList
{
public:
    std::function<void()> onFirstCallback;

protected:
    void FirstCallback()
    {
        if (!onFirstCallback)
            return;
        std::function<void()> hook;
        hook.swap(onFirstCallback);
        hook();
    }
    virtual void OnCBDeleteAllItems(long nKey, void* pData)
    {
        FirstCallback();
        CTestBigList::OnCBDeleteAllItems(nKey, pData);
    }
    virtual int OnCBSortItem(long nColumn, long nIndex1, long nKey1, void* pData1, long nIndex2, long nKey2,
                             void* pData2)
    {
        FirstCallback();
        return CTestBigList::OnCBSortItem(nColumn, nIndex1, nKey1, pData1, nIndex2, nKey2, pData2);
    }
};

struct ReentryCase
{
    const char* name;
    bool bSort;   // else delete-all
};

class BigListReentry : public BigListFixture, public ::testing::WithParamInterface<ReentryCase> {};

TEST_P(BigListReentry, CarriedCallsAreRefusedUntilTheOperationEnds)
{
    const ReentryCase& c = GetParam();
    CPumpingList* pList = new CPumpingList;
    m_pList.reset(pList);
    ASSERT_TRUE(pList->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(10, 10, 300, 200), &m_panel, kListId));
    pList->InsertColumn(0, "Key", LVCFMT_LEFT, 80);
    const DWORD tid = ::GetCurrentThreadId();
    const long kItems = 50;
    for (long i = 0; i < kItems; ++i)
        pList->InsertItem(i, kItems - i, FakeData(i), tid);
    pList->SetItemCountEx(kItems, 0);
    Pump();

    int nFaults = -1;
    bool bEnded = false;
    pList->onFirstCallback = [&]() {
        // The window's thread pumps while the worker calls in.
        bEnded = RunWhilePumping([&]() { nFaults = CarriedCallFaults(*pList, ::GetCurrentThreadId()); });
        nFaults += CarriedCallFaults(*pList, tid);          // the host's own calls, too
        ::InvalidateRect(pList->GetSafeHwnd(), NULL, TRUE);
        Pump();                                            // the list view asks for rows meanwhile
    };
    if (c.bSort)
        pList->OnSortItems(0);
    else
        EXPECT_TRUE(pList->DeleteAllItems(tid));

    EXPECT_TRUE(bEnded) << c.name << ": the worker hangs";
    EXPECT_EQ(0, nFaults) << c.name;
    EXPECT_EQ("", pList->InvariantFaults()) << c.name;
    EXPECT_EQ(static_cast<size_t>(c.bSort ? kItems : 0), CListData::GetPooledCount())
        << c.name << ": the refused insert's record is freed";
    EXPECT_EQ(c.bSort ? kItems : 0, pList->GetItemCount()) << c.name;
    if (c.bSort)
    {
        EXPECT_EQ(0, pList->sortIndexFaults) << c.name;
        for (long i = 1; i < kItems; ++i)
            EXPECT_GT(pList->Slot(i - 1)->m_nKey, pList->Slot(i)->m_nKey) << c.name << ": sorted, row " << i;
    }
    // Once it has ended, the same calls work again.
    void* pData = NULL;
    EXPECT_EQ(c.bSort ? 0 : -1, pList->FindItem(kItems, pData, tid)) << c.name;
}

const ReentryCase kReentryCases[] = {
    { "delete-all", false },
    { "sort", true },
};

INSTANTIATE_TEST_SUITE_P(Operations, BigListReentry, ::testing::ValuesIn(kReentryCases));

// A list whose memory becomes inaccessible the moment it is deleted: any
// later access by the control's code faults at once.
class CGuardedList : public CTestBigList
{
public:
    static void* operator new(size_t cb)
    {
        void* p = ::VirtualAlloc(NULL, cb, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
        if (p == NULL)
            throw std::bad_alloc();
        return p;
    }
    static void operator delete(void* p)
    {
        ::VirtualFree(p, 0, MEM_RELEASE);
    }
};

// The owner: its handler of the list's notification destroys the window and
// deletes the object, as a modeless dialog's owner does.
class COwnerPanel : public CWnd
{
public:
    CGuardedList* pList = NULL;
    UINT nDestroyOn = 0;
    int nHandled = 0;

protected:
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
    {
        const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        if (pList != NULL && pHdr->hwndFrom == pList->GetSafeHwnd() && pHdr->code == nDestroyOn)
        {
            CGuardedList* p = pList;
            pList = NULL;
            ++nHandled;
            p->DestroyWindow();
            delete p;
            *pResult = 0;
            return TRUE;
        }
        return CWnd::OnNotify(wParam, lParam, pResult);
    }
};

// A list view may notify its owner while it sets its count (the focus or
// the selection leaving rows that go); Wine's sends nothing there, so this
// subclass sends what such a list view sends, after the count is set.
WNDPROC g_pfnListProc = NULL;
LRESULT CALLBACK NotifyingListProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = ::CallWindowProcA(g_pfnListProc, hWnd, nMsg, wParam, lParam);
    if (nMsg == LVM_SETITEMCOUNT)
    {
        NMLISTVIEW nm = {};
        nm.hdr.hwndFrom = hWnd;
        nm.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(hWnd));
        nm.hdr.code = LVN_ITEMCHANGED;
        nm.iItem = static_cast<int>(wParam);
        nm.uChanged = LVIF_STATE;
        nm.uOldState = LVIS_FOCUSED | LVIS_SELECTED;
        ::SendMessageA(::GetParent(hWnd), WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
    }
    return lResult;
}

struct DeleteFromNotificationCase
{
    const char* name;
    UINT code;                                 // the notification whose handler deletes the list
    std::function<void(CBigListCtrl&)> act;    // what makes the list send it
};

class BigListDeletedFromNotification : public BigListFixture,
                                       public ::testing::WithParamInterface<DeleteFromNotificationCase> {};

TEST_P(BigListDeletedFromNotification, NothingTouchesTheFreedObject)
{
    const DeleteFromNotificationCase& c = GetParam();
    COwnerPanel owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 260),
                               CWnd::FromHandle(Host()), 0x5110));
    CGuardedList* pList = new CGuardedList;
    ASSERT_TRUE(pList->Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(5, 5, 295, 255), &owner, kListId));
    pList->InsertColumn(0, "Key", LVCFMT_LEFT, 80);
    const DWORD tid = ::GetCurrentThreadId();
    for (long i = 0; i < 10; ++i)
        pList->InsertItem(i, 100 + i, FakeData(i), tid);
    pList->SetItemCountEx(10, LVSICF_NOINVALIDATEALL);
    Pump();
    const HWND hList = pList->GetSafeHwnd();
    g_pfnListProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hList, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NotifyingListProc)));
    owner.pList = pList;
    owner.nDestroyOn = c.code;

    c.act(*pList);
    Pump();

    EXPECT_EQ(1, owner.nHandled) << c.name << ": the owner's handler ran";
    EXPECT_FALSE(::IsWindow(hList)) << c.name;
    if (owner.pList != NULL)
    {
        owner.pList->DestroyWindow();
        delete owner.pList;
    }
    owner.DestroyWindow();
}

const DeleteFromNotificationCase kDeleteFromNotificationCases[] = {
    { "DeleteByKey", LVN_ITEMCHANGED, [](CBigListCtrl& l) {
          long n = 0;
          EXPECT_EQ(FakeData(3), l.DeleteItem(103L, &n, ::GetCurrentThreadId()));
      } },
    { "DeleteByRow", LVN_ITEMCHANGED, [](CBigListCtrl& l) {
          LVITEMA item = {};
          item.iItem = 3;
          EXPECT_EQ(FakeData(3), l.DeleteItem(&item, ::GetCurrentThreadId()));
      } },
    { "DeleteBatch", LVN_ITEMCHANGED, [](CBigListCtrl& l) {
          BLKEYITEM keys[2] = { { 103, -1, NULL }, { 104, -1, NULL } };
          EXPECT_EQ(2, l.DeleteItems(keys, 2, ::GetCurrentThreadId()));
          EXPECT_EQ(FakeData(4), keys[1].pData);
      } },
    { "DeleteAll", LVN_ITEMCHANGED, [](CBigListCtrl& l) { EXPECT_TRUE(l.DeleteAllItems(::GetCurrentThreadId())); } },
    { "Close", LVN_ITEMCHANGED, [](CBigListCtrl& l) { ::SendMessageA(l.GetSafeHwnd(), WM_CLOSE, 0, 0); } },
    { "DeleteByKeyFromAWorker", LVN_ITEMCHANGED, [](CBigListCtrl& l) {
          EXPECT_TRUE(RunWhilePumping([&]() { long n = 0; l.DeleteItem(103L, &n, ::GetCurrentThreadId()); }));
      } },
};

INSTANTIATE_TEST_SUITE_P(Owners, BigListDeletedFromNotification, ::testing::ValuesIn(kDeleteFromNotificationCases),
    [](const ::testing::TestParamInfo<DeleteFromNotificationCase>& info) { return std::string(info.param.name); });

} // namespace
