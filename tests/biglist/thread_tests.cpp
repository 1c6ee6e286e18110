// thread_tests.cpp - calls from other threads: carried to the window's
// thread with the same results as direct calls, before and after the
// window, and under load from several threads at once.
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <set>
#include <sstream>

#include "BigListFixture.h"
#include "HeapCounter.h"

using namespace testsupport;

namespace {

// Dispatches at most a few queued messages, so that callers that keep
// sending cannot hold this thread in one pump.
void PumpSome()
{
    MSG msg;
    for (int i = 0; i < 16 && ::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE); ++i)
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Runs each job on a thread of its own while this (the window's) thread
// pumps messages; onPump runs between batches of messages. False when the
// jobs did not end within timeoutMs.
bool RunWorkers(const std::vector<std::function<void()>>& jobs, DWORD timeoutMs,
                const std::function<void()>& onPump = std::function<void()>())
{
    struct Start
    {
        static DWORD WINAPI Thread(void* p)
        {
            (*static_cast<std::function<void()>*>(p))();
            return 0;
        }
    };
    std::vector<std::function<void()>> copies = jobs;
    std::vector<HANDLE> threads;
    for (size_t i = 0; i < copies.size(); ++i)
        threads.push_back(::CreateThread(NULL, 0, &Start::Thread, &copies[i], 0, NULL));
    auto allEnded = [&threads]() {
        return ::WaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), TRUE, 0) ==
               WAIT_OBJECT_0;
    };
    const DWORD start = ::GetTickCount();
    bool bDone = false;
    while (!(bDone = allEnded()) && ::GetTickCount() - start <= timeoutMs)
    {
        ::MsgWaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), FALSE, 20, QS_ALLINPUT);
        PumpSome();
        if (onPump)
            onPump();
    }
    // After a timeout, let blocked callers finish before the test's objects go.
    while (!allEnded())
    {
        ::MsgWaitForMultipleObjects(static_cast<DWORD>(threads.size()), threads.data(), FALSE, 20, QS_ALLINPUT);
        Pump();
    }
    for (HANDLE h : threads)
        ::CloseHandle(h);
    return bDone;
}

// For worker threads, which have no messages to pump: true once pred
// holds; false if it still does not after timeoutMs, which only catches a
// thread that stopped answering.
bool WaitFor(const std::function<bool()>& pred, DWORD timeoutMs)
{
    const DWORD start = ::GetTickCount();
    while (!pred())
    {
        if (::GetTickCount() - start > timeoutMs)
            return pred();
        ::Sleep(1);
    }
    return true;
}

bool RunOnWorker(const std::function<void()>& job)
{
    return RunWorkers({ job }, 30000);
}

std::string Ptr(const void* p)
{
    std::ostringstream out;
    out << p;
    return out.str();
}

// Rows and keys of a list, as text.
std::string Snapshot(const CTestBigList& list)
{
    std::ostringstream out;
    for (int i = 0; i < list.ItemCount(); ++i)
        out << list.Slot(i)->m_nKey << "=" << list.Slot(i)->m_pData << " ";
    out << "| keys " << list.MapSize();
    return out.str();
}

std::string Calls(const CTestBigList& list, DWORD dwWindowThread)
{
    std::ostringstream out;
    for (const CallbackCall& c : list.calls)
    {
        if (c.kind == CallbackCall::kGetdispinfo)
            continue;   // painting asks whenever it runs
        out << c.kind << ":" << c.key << ":" << c.data << ":" << c.item << ":" << c.subItem << ":" << c.text;
        if (c.thread != dwWindowThread)
            out << " (off the window's thread)";
        out << "; ";
    }
    return out.str();
}

// One operation, run once with the window's thread identifier and once
// from a worker thread with its own.
struct CarriedCase
{
    const char* name;
    UINT message;   // what carries it
    std::function<std::string(CTestBigList&, DWORD)> run;
};

LVITEMA TextItem(int nItem, int nSubItem, char* pszText, int cchTextMax)
{
    LVITEMA item;
    ::ZeroMemory(&item, sizeof(item));
    item.mask = LVIF_TEXT;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = pszText;
    item.cchTextMax = cchTextMax;
    return item;
}

std::vector<CarriedCase> CarriedCases()
{
    return {
        { "InsertInside", WM_USER + 1, [](CTestBigList& l, DWORD t) { return Ptr(l.InsertItem(4, 500, FakeData(50), t)); } },
        { "InsertBeyond", WM_USER + 1, [](CTestBigList& l, DWORD t) { return Ptr(l.InsertItem(40, 501, FakeData(51), t)); } },
        { "InsertBefore", WM_USER + 1, [](CTestBigList& l, DWORD t) { return Ptr(l.InsertItem(-3, 502, FakeData(52), t)); } },
        { "InsertDuplicateKey", WM_USER + 1, [](CTestBigList& l, DWORD t) { return Ptr(l.InsertItem(10, 103, FakeData(53), t)); } },
        { "DeleteRow", WM_USER + 2, [](CTestBigList& l, DWORD t) {
              LVITEMA item = TextItem(2, 0, NULL, 0);
              return Ptr(l.DeleteItem(&item, t));
          } },
        { "DeleteMissingRow", WM_USER + 2, [](CTestBigList& l, DWORD t) {
              LVITEMA item = TextItem(10, 0, NULL, 0);
              return Ptr(l.DeleteItem(&item, t));
          } },
        { "DeleteKey", WM_USER + 3, [](CTestBigList& l, DWORD t) {
              long n = 777;
              void* p = l.DeleteItem(103L, &n, t);
              return Ptr(p) + " " + std::to_string(n);
          } },
        { "DeleteMissingKey", WM_USER + 3, [](CTestBigList& l, DWORD t) {
              long n = 777;
              void* p = l.DeleteItem(3L, &n, t);
              return Ptr(p) + " " + std::to_string(n);
          } },
        { "FindKey", WM_USER + 4, [](CTestBigList& l, DWORD t) {
              void* p = NULL;
              const long n = l.FindItem(105, p, t);
              return std::to_string(n) + " " + Ptr(p);
          } },
        { "FindMissingKey", WM_USER + 4, [](CTestBigList& l, DWORD t) {
              void* p = FakeData(1234);
              const long n = l.FindItem(5, p, t);
              return std::to_string(n) + " " + Ptr(p);
          } },
        { "GetItem", WM_USER + 5, [](CTestBigList& l, DWORD t) {
              char buf[32] = "";
              LVITEMA item = TextItem(3, 2, buf, sizeof(buf));
              return Ptr(l.GetItem(&item, t)) + " " + buf;
          } },
        { "TextIntoBuffer", WM_USER + 5, [](CTestBigList& l, DWORD t) {
              char buf[32] = "";
              const int r = l.GetItemText(3, 1, buf, sizeof(buf), t);
              return std::to_string(r) + " " + buf;
          } },
        { "TextIntoBufferMissingRow", WM_USER + 5, [](CTestBigList& l, DWORD t) {
              char buf[32] = "untouched";
              const int r = l.GetItemText(10, 1, buf, sizeof(buf), t);
              return std::to_string(r) + " " + buf;
          } },
        { "TextAsString", WM_USER + 5, [](CTestBigList& l, DWORD t) {
              return std::string(static_cast<LPCSTR>(l.GetItemText(6, 0, t)));
          } },
        { "SetGuardedOther", WM_USER + 6, [](CTestBigList& l, DWORD t) {
              LVITEMA item = TextItem(1, 0, const_cast<char*>("a"), 0);
              return Ptr(l.SetItem(&item, FakeData(9), t));
          } },
        { "SetGuardedSame", WM_USER + 6, [](CTestBigList& l, DWORD t) {
              LVITEMA item = TextItem(1, 0, const_cast<char*>("b"), 0);
              return Ptr(l.SetItem(&item, FakeData(1), t));
          } },
        { "SetText", WM_USER + 6, [](CTestBigList& l, DWORD t) { return std::to_string(l.SetItemText(1, 2, "abc", t)); } },
        { "SetTextMissingRow", WM_USER + 6, [](CTestBigList& l, DWORD t) { return std::to_string(l.SetItemText(50, 2, "abc", t)); } },
        { "SetFields", WM_USER + 6, [](CTestBigList& l, DWORD t) {
              return std::to_string(l.SetItem(2, 1, LVIF_TEXT | LVIF_INDENT, "xyz", 3, 0, 0, 42, 5, t));
          } },
        { "ItemData", WM_USER + 7, [](CTestBigList& l, DWORD t) { return std::to_string(l.GetItemData(4, t)); } },
        { "ItemDataMissingRow", WM_USER + 7, [](CTestBigList& l, DWORD t) { return std::to_string(l.GetItemData(-1, t)); } },
        { "DeleteAll", WM_USER + 8, [](CTestBigList& l, DWORD t) { return std::to_string(l.DeleteAllItems(t)); } },
    };
}

class CarriedCalls : public BigListFixture, public ::testing::WithParamInterface<CarriedCase>
{
protected:
    void Reset()
    {
        List().DeleteAllItems(::GetCurrentThreadId());
        for (long i = 0; i < 10; ++i)
            List().InsertItem(i, 100 + i, FakeData(i), ::GetCurrentThreadId());
        List().SetItemCountEx(10, LVSICF_NOINVALIDATEALL);
        PaintList();
        List().calls.clear();
        Recorder().Flush();
    }
    size_t CountMessages(UINT message)
    {
        size_t n = 0;
        for (const RecordedMsg& m : Recorder().Log("list"))
            n += m.message == message;
        return n;
    }
    size_t CountCarried()
    {
        size_t n = 0;
        for (const RecordedMsg& m : Recorder().Log("list"))
            n += m.message >= WM_USER + 1 && m.message <= WM_USER + 8;
        return n;
    }
};

TEST_P(CarriedCalls, SameResultThroughTheMessage)
{
    const CarriedCase& c = GetParam();
    const DWORD dwWindow = ::GetCurrentThreadId();
    CreateList();

    Reset();
    const std::string direct = c.run(List(), dwWindow);
    const std::string directState = Snapshot(List());
    const std::string directCalls = Calls(List(), dwWindow);
    EXPECT_EQ(0u, CountCarried()) << "a call on the window's thread sends nothing";

    Reset();
    std::string carried;
    ASSERT_TRUE(RunOnWorker([&]() { carried = c.run(List(), ::GetCurrentThreadId()); }));
    EXPECT_EQ(1u, CountMessages(c.message));
    EXPECT_EQ(1u, CountCarried());
    EXPECT_EQ(direct, carried);
    EXPECT_EQ(directState, Snapshot(List()));
    EXPECT_EQ(directCalls, Calls(List(), dwWindow));
    EXPECT_EQ("", List().InvariantFaults());
}

INSTANTIATE_TEST_SUITE_P(All, CarriedCalls, ::testing::ValuesIn(CarriedCases()),
    [](const ::testing::TestParamInfo<CarriedCase>& info) { return std::string(info.param.name); });

TEST(BigListThreads, CallsBeforeAWindowRunAtOnce)
{
    CTestBigList list;
    void* pFound = NULL;
    long nFound = -2;
    struct Job
    {
        CTestBigList* pList;
        void** ppFound;
        long* pnFound;
        static DWORD WINAPI Thread(void* p)
        {
            Job* j = static_cast<Job*>(p);
            const DWORD t = ::GetCurrentThreadId();
            j->pList->InsertItem(0, 1, FakeData(1), t);
            j->pList->InsertItem(1, 2, FakeData(2), t);
            *j->pnFound = j->pList->FindItem(2, *j->ppFound, t);
            return 0;
        }
    } job = { &list, &pFound, &nFound };
    HANDLE h = ::CreateThread(NULL, 0, &Job::Thread, &job, 0, NULL);
    // No pumping here: nothing may wait for this thread's messages.
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(h, 10000));
    ::CloseHandle(h);
    EXPECT_EQ(1, nFound);
    EXPECT_EQ(FakeData(2), pFound);
    EXPECT_EQ(2, list.GetItemCount());
}

TEST_F(BigListFixture, CallsAfterTheWindowIsGoneFailWithoutLeaks)
{
    CreateList();
    const DWORD dwWindow = ::GetCurrentThreadId();
    for (long i = 0; i < 3; ++i)
        List().InsertItem(i, i, FakeData(i), dwWindow);
    List().DestroyWindow();
    ASSERT_EQ(NULL, List().GetSafeHwnd());

    HeapCounter heap;
    int nFaults = 0;
    ASSERT_TRUE(RunOnWorker([&]() {
        const DWORD t = ::GetCurrentThreadId();
        for (long i = 0; i < 2000; ++i)
            nFaults += List().InsertItem(0, 1000 + i, FakeData(i), t) != NULL;
        void* p = FakeData(5);
        nFaults += List().FindItem(1000, p, t) != -1;
        nFaults += p != NULL;
        long n = 55;
        nFaults += List().DeleteItem(1000L, &n, t) != NULL;
        nFaults += n != 55;
        nFaults += List().GetItemData(0, t) != 0;
        nFaults += List().SetItemText(0, 0, "x", t) != FALSE;
        char buf[8] = "keep";
        nFaults += List().GetItemText(0, 0, buf, sizeof(buf), t) != FALSE;
        nFaults += strcmp(buf, "keep") != 0;
        nFaults += List().DeleteAllItems(t) != 0;
    }));
    EXPECT_EQ(0, nFaults);
    EXPECT_LT(heap.BlocksSinceStart(), 100) << "records of failed inserts are freed";
    EXPECT_EQ(0, List().GetItemCount());
}

// Several threads insert, find, read and delete their own items for a
// bounded time while the window's thread pumps, sorts and repaints. In the
// end every item is where its thread believes: none lost, none twice.
TEST_F(BigListFixture, StressFromSeveralThreadsAccountsForEveryItem)
{
    CreateList();
    // Bounded work: a fixed number of calls per thread. At every
    // checkpoint a worker asks the window's thread for a sort and waits
    // until it is done, so sorts interleave with the other workers' calls
    // however fast or slow the machine is.
    const int kThreads = 4;
    const long kCallsPerThread = 400;
    const long kCheckpointEvery = 100;
    const long kKeysPerThread = 1000000;
    std::atomic<long> sortsWanted(0), sortsDone(0);

    struct WorkerState
    {
        std::set<long> live;
        std::set<long> gone;
        int faults = 0;
        long calls = 0;
    };
    std::vector<WorkerState> states(kThreads);
    std::vector<std::function<void()>> jobs;
    for (int w = 0; w < kThreads; ++w)
    {
        jobs.push_back([this, w, &states, &sortsWanted, &sortsDone, kCallsPerThread, kCheckpointEvery,
                        kKeysPerThread]() {
            WorkerState& s = states[w];
            const DWORD t = ::GetCurrentThreadId();
            unsigned int seed = 977u * (w + 1);
            auto next = [&seed]() {
                seed = seed * 1103515245u + 12345u;
                return seed >> 8;
            };
            long nNextKey = w * kKeysPerThread;
            while (s.calls < kCallsPerThread)
            {
                ++s.calls;
                if (s.calls % kCheckpointEvery == 0)
                {
                    const long nTicket = ++sortsWanted;
                    // the deadline only catches a window thread that stopped pumping
                    if (!WaitFor([&]() { return sortsDone.load() >= nTicket; }, 60000))
                        ++s.faults;
                }
                const unsigned int op = next() % 100;
                if (op < 35 || s.live.empty())
                {
                    const long nKey = nNextKey++;
                    const long nPos = static_cast<long>(next() % (List().GetItemCount() + 2));
                    List().InsertItem(nPos, nKey, FakeData(nKey), t);
                    s.live.insert(nKey);
                }
                else if (op < 55)
                {
                    std::set<long>::iterator it = s.live.begin();
                    std::advance(it, next() % s.live.size());
                    const long nKey = *it;
                    long nIndex = -1;
                    if (List().DeleteItem(nKey, &nIndex, t) != FakeData(nKey) || nIndex < 0)
                        ++s.faults;
                    s.live.erase(it);
                    s.gone.insert(nKey);
                }
                else if (op < 75)
                {
                    std::set<long>::iterator it = s.live.begin();
                    std::advance(it, next() % s.live.size());
                    void* p = NULL;
                    const long nRow = List().FindItem(*it, p, t);
                    if (nRow < 0 || p != FakeData(*it))
                        ++s.faults;
                }
                else if (op < 80 && !s.gone.empty())
                {
                    void* p = FakeData(1);
                    if (List().FindItem(*s.gone.begin(), p, t) != -1 || p != NULL)
                        ++s.faults;
                }
                else if (op < 90)
                {
                    char buf[32];
                    const int nRow = static_cast<int>(next() % (List().GetItemCount() + 1));
                    if (List().GetItemText(nRow, 0, buf, sizeof(buf), t) && buf[0] != 'K')
                        ++s.faults;
                }
                else
                {
                    const int nRow = static_cast<int>(next() % (List().GetItemCount() + 1));
                    const DWORD_PTR d = List().GetItemData(nRow, t);
                    if (d != 0 && (d - 0x10000) % 16 != 0)
                        ++s.faults;
                }
            }
        });
    }

    int nSorts = 0;
    const bool bDone = RunWorkers(jobs, 120000, [&]() {
        while (sortsDone.load() < sortsWanted.load())
        {
            List().OnSortItems(nSorts++ % 2);
            List().SetItemCountEx(List().GetItemCount(), LVSICF_NOINVALIDATEALL);
            List().Invalidate();
            ++sortsDone;
        }
    });
    ASSERT_TRUE(bDone) << "the workers did not finish: deadlock";
    EXPECT_EQ(kThreads * (kCallsPerThread / kCheckpointEvery), nSorts);

    std::set<long> expected;
    long nCalls = 0;
    for (const WorkerState& s : states)
    {
        EXPECT_EQ(0, s.faults);
        expected.insert(s.live.begin(), s.live.end());
        nCalls += s.calls;
    }
    EXPECT_EQ(kThreads * kCallsPerThread, nCalls);
    printf("stress: %ld carried calls from %d threads, %d items left\n", nCalls, kThreads, List().GetItemCount());
    ASSERT_EQ(static_cast<int>(expected.size()), List().GetItemCount());
    std::set<long> seen;
    for (int i = 0; i < List().GetItemCount(); ++i)
    {
        const long nKey = List().Slot(i)->m_nKey;
        EXPECT_TRUE(seen.insert(nKey).second) << "key " << nKey << " twice";
        EXPECT_TRUE(expected.count(nKey)) << "key " << nKey << " should be gone";
        EXPECT_EQ(FakeData(nKey), List().Slot(i)->m_pData);
    }
    EXPECT_EQ(expected.size(), List().MapSize());
    EXPECT_EQ("", List().InvariantFaults());
    EXPECT_EQ(0, List().sortIndexFaults);
}

} // namespace
