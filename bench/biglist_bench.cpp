// biglist_bench.cpp - figures of the big list at a million items, each beside
// the bare standard structures doing the same work in the same run.
//
// Prints one markdown table (medians of several rounds) to standard output:
//   insert at the end, find by key, delete by key, delete by row (store share
//   and list-view share apart), bytes per item of the whole store, a carried
//   call against a bare cross-thread SendMessage, and a column sort with
//   myqsort against the C runtime's qsort and std::sort.
#include <afxwin.h>
#include <afxcmn.h>

#include <malloc.h>
#include <psapi.h>
#include <stdio.h>
#include <stdlib.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "BigListCtrl.h"
#include "myqsort.h"

namespace {

const int kItems = 1000000;
const int kRounds = 5;
const int kCarriedCalls = 2000;
const int kWindowedDeletes = 300;

// Where the run has got to, on standard error (the table goes to standard
// output when everything is measured).
void Progress(const char* format, int n)
{
    fprintf(stderr, "biglist_bench: ");
    fprintf(stderr, format, n);
    fprintf(stderr, "\n");
    fflush(stderr);
}

/////////////////////////////////////////////////////////////////////////////
// Timing and statistics

double NowNs()
{
    static LARGE_INTEGER freq = { { 0, 0 } };
    if (freq.QuadPart == 0)
        ::QueryPerformanceFrequency(&freq);
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1e9 / static_cast<double>(freq.QuadPart);
}

double Median(std::vector<double> v)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

// Reproducible generator, independent of the C runtime's rand().
class Rng
{
public:
    explicit Rng(unsigned int seed) : m_state(seed) {}
    unsigned int Next()
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return m_state;
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<unsigned int>(n)); }

private:
    unsigned int m_state;
};

std::vector<long> Permutation(int n, unsigned int seed)
{
    std::vector<long> v(n);
    for (int i = 0; i < n; ++i)
        v[i] = i;
    Rng rng(seed);
    for (int i = n - 1; i > 0; --i)
        std::swap(v[i], v[rng.Below(i + 1)]);
    return v;
}

void* DataOf(long nKey)
{
    return reinterpret_cast<void*>(static_cast<INT_PTR>(nKey) * 16 + 16);
}

/////////////////////////////////////////////////////////////////////////////
// The comparison every sort uses: the item data's value, descending (what
// the first click on a column produces).

int CompareValues(const void* pData1, const void* pData2)
{
    const INT_PTR a = reinterpret_cast<INT_PTR>(pData1);
    const INT_PTR b = reinterpret_cast<INT_PTR>(pData2);
    return a > b ? 1 : (a < b ? -1 : 0);
}

class CBenchList : public CBigListCtrl
{
public:
    CBenchList(int nCapacity = 2048, int nGrowBy = 2048) : CBigListCtrl(nCapacity, nGrowBy) {}

    CListData** Slots() { return m_pItemArray->GetData(); }
    void ForgetSort()
    {
        m_nSortColumn = -1;
        m_bReverseSort = 1;
    }
    void Renumber()
    {
        CListData** pSlots = Slots();
        for (int i = 0; i < m_nItemCount; ++i)
            pSlots[i]->m_nIndex = i;
    }

protected:
    virtual int OnCBSortItem(long, long, long, void* pData1, long, long, void* pData2)
    {
        return CompareValues(pData1, pData2);
    }
};

int __cdecl QsortCompare(const void* a, const void* b)
{
    return -CompareValues((*static_cast<CListData* const*>(a))->m_pData,
                          (*static_cast<CListData* const*>(b))->m_pData);
}

/////////////////////////////////////////////////////////////////////////////
// The bare structures: an ordered map for the keys and a vector for the rows,
// records allocated the same way, rows filled the same way.

typedef std::map<long, CListData*> BareMap;

struct BareStore
{
    BareMap keys;
    std::vector<CListData*> rows;

    ~BareStore()
    {
        for (size_t i = 0; i < rows.size(); ++i)
            delete rows[i];
    }
    void Append(long nKey, void* pData)
    {
        CListData* p = new CListData;
        p->m_pData = pData;
        p->m_nIndex = static_cast<long>(rows.size());
        p->m_nKey = nKey;
        rows.push_back(p);
        keys.insert(BareMap::value_type(nKey, p));
    }
    void* RemoveRow(CListData* p)
    {
        CListData* pLast = rows.back();
        pLast->m_nIndex = p->m_nIndex;
        rows[p->m_nIndex] = pLast;
        rows.pop_back();
        void* pData = p->m_pData;
        delete p;
        return pData;
    }
    void* DeleteByKey(long nKey)
    {
        BareMap::iterator it = keys.find(nKey);
        if (it == keys.end())
            return NULL;
        CListData* p = it->second;
        keys.erase(it);
        return RemoveRow(p);
    }
    void* DeleteByRow(int nRow)
    {
        CListData* p = rows[nRow];
        BareMap::iterator it = keys.find(p->m_nKey);
        if (it != keys.end() && it->second == p)
            keys.erase(it);
        return RemoveRow(p);
    }
};

/////////////////////////////////////////////////////////////////////////////
// Host windows: a frame that owns the list view, and a plain window for the
// bare SendMessage round trip.

CWnd* g_pFrame = NULL;

void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

BOOL CreateList(CBenchList& list)
{
    if (!list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, CRect(0, 0, 400, 300), g_pFrame, 100))
        return FALSE;
    list.InsertColumn(0, "Key", LVCFMT_LEFT, 100);
    return TRUE;
}

void Fill(CBenchList& list, const std::vector<long>& keys)
{
    const DWORD tid = ::GetCurrentThreadId();
    for (size_t i = 0; i < keys.size(); ++i)
        list.InsertItem(static_cast<long>(i), keys[i], DataOf(keys[i]), tid);
}

LRESULT CALLBACK PlainWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_APP)
        return 1;
    return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
}

/////////////////////////////////////////////////////////////////////////////
// Memory: the CRT heap's own accounting and the process counters. Large
// blocks (the slot array, the pool's chunks) live outside the heap's
// regions, so the blocks in use are counted, not the regions.

struct HeapFigures
{
    double busy;        // bytes handed out plus the heap's own overhead
};

HeapFigures WalkHeap(HANDLE hHeap)
{
    HeapFigures f = { 0.0 };
    PROCESS_HEAP_ENTRY e;
    e.lpData = NULL;
    ::HeapLock(hHeap);
    while (::HeapWalk(hHeap, &e))
    {
        if (e.wFlags & PROCESS_HEAP_ENTRY_BUSY)
            f.busy += static_cast<double>(e.cbData) + static_cast<double>(e.cbOverhead);
    }
    ::HeapUnlock(hHeap);
    return f;
}

struct ProcessFigures
{
    double workingSet;
    double privateBytes;
};

ProcessFigures ProcessMemory()
{
    typedef BOOL (WINAPI* GetInfoFn)(HANDLE, PPROCESS_MEMORY_COUNTERS, DWORD);
    ProcessFigures f = { 0.0, 0.0 };
    GetInfoFn pGetInfo = reinterpret_cast<GetInfoFn>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "K32GetProcessMemoryInfo")));
    PROCESS_MEMORY_COUNTERS_EX c;
    ::ZeroMemory(&c, sizeof(c));
    c.cb = sizeof(c);
    if (pGetInfo != NULL && pGetInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&c), sizeof(c)))
    {
        f.workingSet = static_cast<double>(c.WorkingSetSize);
        f.privateBytes = static_cast<double>(c.PrivateUsage);
    }
    return f;
}

// Address step between two consecutive small blocks: what one record costs.
double RecordBlockBytes()
{
    std::vector<char*> blocks;
    for (int i = 0; i < 4096; ++i)
        blocks.push_back(reinterpret_cast<char*>(new CListData));
    std::vector<double> steps;
    for (size_t i = 2048; i + 1 < blocks.size(); ++i)
        steps.push_back(static_cast<double>(blocks[i + 1] - blocks[i]));
    for (size_t i = 0; i < blocks.size(); ++i)
        delete reinterpret_cast<CListData*>(blocks[i]);
    return Median(steps);
}

/////////////////////////////////////////////////////////////////////////////
// Carried calls: a worker times each call; the window's thread pumps.

struct CarryJob
{
    CBenchList* pList;
    HWND hPlain;
    HANDLE hDone;
    std::vector<double> carried;
    std::vector<double> bare;
};

DWORD WINAPI CarryWorker(void* p)
{
    CarryJob* job = static_cast<CarryJob*>(p);
    const DWORD tid = ::GetCurrentThreadId();
    void* pData = NULL;
    for (int round = 0; round < 3; ++round)
    {
        for (int i = 0; i < kCarriedCalls; ++i)
        {
            const double t0 = NowNs();
            ::SendMessageA(job->hPlain, WM_APP, 0, 0);
            job->bare.push_back(NowNs() - t0);
        }
        for (int i = 0; i < kCarriedCalls; ++i)
        {
            const double t0 = NowNs();
            job->pList->FindItem(i % 1000, pData, tid);
            job->carried.push_back(NowNs() - t0);
        }
    }
    ::SetEvent(job->hDone);
    return 0;
}

void PumpUntil(HANDLE h)
{
    while (::MsgWaitForMultipleObjects(1, &h, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0)
        PumpPending();
}

/////////////////////////////////////////////////////////////////////////////
// Output

struct Row
{
    std::string what;
    std::string store;
    std::string bare;
    std::string ratio;
    std::string goal;
};

std::string Fmt(const char* format, double v)
{
    char buf[64];
    _snprintf(buf, sizeof(buf), format, v);
    buf[sizeof(buf) - 1] = '\0';
    return buf;
}

} // namespace

int main()
{
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_LISTVIEW_CLASSES };
    ::InitCommonControlsEx(&icc);

    CWnd frame;
    if (!frame.CreateEx(0, AfxRegisterWndClass(0), "biglist bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        0, 0, 420, 340, NULL, NULL))
    {
        printf("biglist_bench: the host window could not be created\n");
        return 1;
    }
    g_pFrame = &frame;

    WNDCLASSA wc;
    ::ZeroMemory(&wc, sizeof(wc));
    wc.lpfnWndProc = &PlainWndProc;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.lpszClassName = "BigListBenchPlain";
    ::RegisterClassA(&wc);
    HWND hPlain = ::CreateWindowA("BigListBenchPlain", "", WS_POPUP, 0, 0, 10, 10, NULL, NULL, wc.hInstance, NULL);

    const std::vector<long> keys = Permutation(kItems, 1u);
    const std::vector<long> findOrder = Permutation(kItems, 2u);
    const std::vector<long> deleteOrder = Permutation(kItems, 3u);
    std::vector<int> deleteRows(kItems);
    {
        Rng rng(4u);
        for (int i = 0; i < kItems; ++i)
            deleteRows[i] = rng.Below(kItems - i);
    }
    const DWORD tid = ::GetCurrentThreadId();
    std::vector<Row> rows;

    // Insert at the end, find by key.
    std::vector<double> insStore, insSized, insBare, findStore, findBare;
    for (int r = 0; r < kRounds; ++r)
    {
        {
            CBenchList list;
            double t0 = NowNs();
            Fill(list, keys);
            insStore.push_back((NowNs() - t0) / kItems);

            void* pData = NULL;
            long nSum = 0;
            t0 = NowNs();
            for (int i = 0; i < kItems; ++i)
                nSum += list.FindItem(findOrder[i], pData, tid);
            findStore.push_back((NowNs() - t0) / kItems);
            if (nSum == -1)
                printf("(never)\n");
        }
        {
            CBenchList list(kItems, 2048);
            const double t0 = NowNs();
            Fill(list, keys);
            insSized.push_back((NowNs() - t0) / kItems);
        }
        {
            BareStore bare;
            double t0 = NowNs();
            for (int i = 0; i < kItems; ++i)
                bare.Append(keys[i], DataOf(keys[i]));
            insBare.push_back((NowNs() - t0) / kItems);

            long nSum = 0;
            t0 = NowNs();
            for (int i = 0; i < kItems; ++i)
            {
                BareMap::const_iterator it = bare.keys.find(findOrder[i]);
                nSum += it != bare.keys.end() ? it->second->m_nIndex : -1;
            }
            findBare.push_back((NowNs() - t0) / kItems);
            if (nSum == -1)
                printf("(never)\n");
        }
    }
    Progress("inserts and finds, %d rounds", kRounds);
    rows.push_back(Row{ "insert at the end, default capacity (2048, grow 2048)", Fmt("%.0f ns", Median(insStore)),
                        Fmt("%.0f ns", Median(insBare)), Fmt("%.2f", Median(insStore) / Median(insBare)), "<= 1.5" });
    rows.push_back(Row{ "insert at the end, pre-sized (SetCapacity 1,000,000)", Fmt("%.0f ns", Median(insSized)),
                        Fmt("%.0f ns", Median(insBare)), Fmt("%.2f", Median(insSized) / Median(insBare)), "<= 1.5" });
    rows.push_back(Row{ "find by key", Fmt("%.0f ns", Median(findStore)), Fmt("%.0f ns", Median(findBare)),
                        Fmt("%.2f", Median(findStore) / Median(findBare)), "<= 1.5" });

    // Deletes. Without a window the store works alone, over all its items.
    // With a visible list view every delete also sets the view's count,
    // which costs milliseconds here: that share is timed over the first
    // kWindowedDeletes deletes of the full store.
    std::vector<double> dkAlone, dkWindow, dkBare, drAlone, drWindow, drBare;
    for (int r = 0; r < 3; ++r)
    {
        for (int windowed = 0; windowed < 2; ++windowed)
        {
            CBenchList list(kItems, 2048);
            if (windowed && !CreateList(list))
                return 1;
            Fill(list, keys);
            if (windowed)
            {
                list.SetItemCountEx(list.GetItemCount(), LVSICF_NOINVALIDATEALL);
                list.UpdateWindow();
                PumpPending();
            }
            const int nDeletes = windowed ? kWindowedDeletes : kItems;
            long nIndex = 0;
            const double t0 = NowNs();
            for (int i = 0; i < nDeletes; ++i)
                list.DeleteItem(deleteOrder[i], &nIndex, tid);
            (windowed ? dkWindow : dkAlone).push_back((NowNs() - t0) / nDeletes);
            if (windowed)
            {
                list.DeleteAllItems(tid);
                list.DestroyWindow();
            }
        }
        for (int windowed = 0; windowed < 2; ++windowed)
        {
            CBenchList list(kItems, 2048);
            if (windowed && !CreateList(list))
                return 1;
            Fill(list, keys);
            if (windowed)
            {
                list.SetItemCountEx(list.GetItemCount(), LVSICF_NOINVALIDATEALL);
                list.UpdateWindow();
                PumpPending();
            }
            const int nDeletes = windowed ? kWindowedDeletes : kItems;
            LVITEMA item;
            ::ZeroMemory(&item, sizeof(item));
            const double t0 = NowNs();
            for (int i = 0; i < nDeletes; ++i)
            {
                item.iItem = deleteRows[i];
                list.DeleteItem(&item, tid);
            }
            (windowed ? drWindow : drAlone).push_back((NowNs() - t0) / nDeletes);
            if (windowed)
            {
                list.DeleteAllItems(tid);
                list.DestroyWindow();
            }
        }
        {
            BareStore bare;
            for (int i = 0; i < kItems; ++i)
                bare.Append(keys[i], DataOf(keys[i]));
            const double t0 = NowNs();
            for (int i = 0; i < kItems; ++i)
                bare.DeleteByKey(deleteOrder[i]);
            dkBare.push_back((NowNs() - t0) / kItems);
        }
        {
            BareStore bare;
            for (int i = 0; i < kItems; ++i)
                bare.Append(keys[i], DataOf(keys[i]));
            const double t0 = NowNs();
            for (int i = 0; i < kItems; ++i)
                bare.DeleteByRow(deleteRows[i]);
            drBare.push_back((NowNs() - t0) / kItems);
        }
        Progress("deletes, round %d", r + 1);
    }
    const double dkView = Median(dkWindow) - Median(dkAlone);
    const double drView = Median(drWindow) - Median(drAlone);
    rows.push_back(Row{ "delete by key: store share (all 1,000,000, no window)", Fmt("%.0f ns", Median(dkAlone)),
                        Fmt("%.0f ns", Median(dkBare)), Fmt("%.2f", Median(dkAlone) / Median(dkBare)), "" });
    rows.push_back(Row{ "delete by key: list view share (LVM_SETITEMCOUNT, visible view)", Fmt("%.0f ns", dkView), "-", "", "" });
    rows.push_back(Row{ "delete by key: total with a visible list view", Fmt("%.0f ns", Median(dkWindow)),
                        Fmt("%.0f ns", Median(dkBare)), Fmt("%.0f", Median(dkWindow) / Median(dkBare)), "" });
    rows.push_back(Row{ "delete by row: store share (all 1,000,000, no window)", Fmt("%.0f ns", Median(drAlone)),
                        Fmt("%.0f ns", Median(drBare)), Fmt("%.2f", Median(drAlone) / Median(drBare)), "" });
    rows.push_back(Row{ "delete by row: list view share (LVM_SETITEMCOUNT, visible view)", Fmt("%.0f ns", drView), "-", "", "" });
    rows.push_back(Row{ "delete by row: total with a visible list view", Fmt("%.0f ns", Median(drWindow)),
                        Fmt("%.0f ns", Median(drBare)), Fmt("%.0f", Median(drWindow) / Median(drBare)), "" });

    // Bytes per item of the whole store: map nodes, slots, records.
    HANDLE hCrtHeap = reinterpret_cast<HANDLE>(_get_heap_handle());
    double storeBusy, storeWs, storePriv, bareBusy;
    {
        const HeapFigures h0 = WalkHeap(hCrtHeap);
        const ProcessFigures p0 = ProcessMemory();
        CBenchList* pList = new CBenchList;
        Fill(*pList, keys);
        const HeapFigures h1 = WalkHeap(hCrtHeap);
        const ProcessFigures p1 = ProcessMemory();
        storeBusy = (h1.busy - h0.busy) / kItems;
        storeWs = (p1.workingSet - p0.workingSet) / kItems;
        storePriv = (p1.privateBytes - p0.privateBytes) / kItems;
        delete pList;
    }
    {
        const HeapFigures h0 = WalkHeap(hCrtHeap);
        BareStore* pBare = new BareStore;
        for (int i = 0; i < kItems; ++i)
            pBare->Append(keys[i], DataOf(keys[i]));
        const HeapFigures h1 = WalkHeap(hCrtHeap);
        bareBusy = (h1.busy - h0.busy) / kItems;
        delete pBare;
    }
    const double recordBlock = RecordBlockBytes();
    Progress("memory, %d items", kItems);
    rows.push_back(Row{ "bytes per item, the heap's own accounting (blocks in use + their overhead)",
                        Fmt("%.1f B", storeBusy), Fmt("%.1f B", bareBusy), Fmt("%.2f", storeBusy / bareBusy), "<= 88" });
    rows.push_back(Row{ "bytes per item, process counters (working set / private bytes; coarse under Wine)",
                        Fmt("%.1f B", storeWs) + " / " + Fmt("%.1f B", storePriv), "-", "", "" });

    // A carried call against a bare cross-thread SendMessage.
    double carriedUs, bareUs;
    {
        CBenchList list;
        if (!CreateList(list))
            return 1;
        for (long i = 0; i < 1000; ++i)
            list.InsertItem(i, i, DataOf(i), tid);
        CarryJob job;
        job.pList = &list;
        job.hPlain = hPlain;
        job.hDone = ::CreateEventA(NULL, TRUE, FALSE, NULL);
        HANDLE hThread = ::CreateThread(NULL, 0, &CarryWorker, &job, 0, NULL);
        PumpUntil(job.hDone);
        ::WaitForSingleObject(hThread, INFINITE);
        ::CloseHandle(hThread);
        ::CloseHandle(job.hDone);
        carriedUs = Median(job.carried) / 1000.0;
        bareUs = Median(job.bare) / 1000.0;
        list.DestroyWindow();
    }
    Progress("carried calls, %d", 3 * kCarriedCalls);
    rows.push_back(Row{ "carried FindItem from a worker thread (median of 6,000 calls)", Fmt("%.0f us", carriedUs),
                        Fmt("%.0f us", bareUs) + " SendMessage", Fmt("%.2f", carriedUs / bareUs), "<= 1.2" });

    // Column sort: the same records, the same comparison.
    std::vector<double> sortMy, sortQ, sortStd;
    {
        CBenchList list;
        Fill(list, keys);
        const int n = list.GetItemCount();
        std::vector<CListData*> initial(list.Slots(), list.Slots() + n);
        std::vector<CListData*> work;
        for (int r = 0; r < kRounds; ++r)
        {
            std::copy(initial.begin(), initial.end(), list.Slots());
            list.Renumber();
            list.ForgetSort();
            double t0 = NowNs();
            list.OnSortItems(0);
            sortMy.push_back((NowNs() - t0) / 1e6);

            work = initial;
            t0 = NowNs();
            qsort(work.data(), work.size(), sizeof(CListData*), &QsortCompare);
            for (int i = 0; i < n; ++i)
                work[i]->m_nIndex = i;
            sortQ.push_back((NowNs() - t0) / 1e6);

            work = initial;
            t0 = NowNs();
            std::sort(work.begin(), work.end(), [](const CListData* a, const CListData* b) {
                return -CompareValues(a->m_pData, b->m_pData) < 0;
            });
            for (int i = 0; i < n; ++i)
                work[i]->m_nIndex = i;
            sortStd.push_back((NowNs() - t0) / 1e6);
        }
        std::copy(initial.begin(), initial.end(), list.Slots());
        list.Renumber();
    }

    Progress("sorts, %d rounds", kRounds);
    printf("| Operation, 1,000,000 items | Big list | Bare std::map + std::vector | Ratio | Goal |\n");
    printf("|---|---|---|---|---|\n");
    for (size_t i = 0; i < rows.size(); ++i)
        printf("| %s | %s | %s | %s | %s |\n", rows[i].what.c_str(), rows[i].store.c_str(), rows[i].bare.c_str(),
               rows[i].ratio.c_str(), rows[i].goal.c_str());
    printf("| column sort, descending, random order | myqsort (OnSortItems) %.0f ms | qsort %.0f ms, std::sort %.0f ms | %.2f / %.2f | |\n",
           Median(sortMy), Median(sortQ), Median(sortStd), Median(sortMy) / Median(sortQ), Median(sortMy) / Median(sortStd));
    CListDataKeyMap probe;
    probe.insert(CListDataKeyMap::value_type(1, NULL));
    printf("\nrecord block on this heap: %.0f B (sizeof(CListData) %u), key map node: %u B from the pool, slot: %u B\n",
           recordBlock, static_cast<unsigned int>(sizeof(CListData)),
           static_cast<unsigned int>(probe.get_allocator().GetPool()->GetBlockSize()),
           static_cast<unsigned int>(sizeof(CListData*)));

    ::DestroyWindow(hPlain);
    frame.DestroyWindow();
    return 0;
}
