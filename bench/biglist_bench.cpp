// biglist_bench.cpp - figures of the big list at 1,000,000 and 10,000,000
// items, each beside the bare standard structures doing the same work in
// the same run.
//
// Prints markdown tables to standard output, every figure as the median of
// several rounds with the smallest and largest round beside it, ratios per
// round (store and bare structures timed side by side) with three decimals:
//   insert at the end (default capacity and pre-sized), where the time of an
//   insert goes (slot array, key index beside a bare std::map, record), the
//   key index's bytes per entry, find by key, delete by key
//   and by row (store share; the list view's share apart), column sort with
//   myqsort against qsort and std::sort, bytes per item, and a carried call
//   against a bare cross-thread SendMessage; a worker filling the list
//   through InsertItems against the window's thread inserting singly, with
//   the longest time the window's thread took to answer a message a third
//   thread posted meanwhile. A last table sets each per-item figure at
//   10,000,000 against the one at 1,000,000.
// Run with "--quick" for 1,000,000 items only, "--ten N" for 10,000,000 only
// with N rounds, "--growth N" for the growth figures alone: a dependent
// random read through a block as large as the store, and the store filled,
// searched and emptied in key order, at both counts; "--batch R1 R10 [S]"
// for the batch figures alone, R1 rounds at 1,000,000 and R10 at 10,000,000,
// after S rounds of batch calls of growing size.
#include <afxwin.h>
#include <afxcmn.h>
#include <afxtempl.h>

#include <malloc.h>
#include <stdio.h>
#include <stdlib.h>

#include <math.h>
#include <string.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "BigListCtrl.h"
#include "myqsort.h"

namespace {

const int kCarriedCalls = 2000;
const int kWindowedDeletes = 300;

// Where the run has got to, on standard error (the table goes to standard
// output when everything is measured).
void Progress(const char* format, double n)
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

// A figure over several rounds: median, smallest and largest.
struct Spread
{
    double median;
    double min;
    double max;
};

Spread SpreadOf(std::vector<double> v)
{
    Spread s = { 0.0, 0.0, 0.0 };
    if (v.empty())
        return s;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    s.median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
    s.min = v.front();
    s.max = v.back();
    return s;
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
    const void* SlotBlock() const { return m_pItemArray->GetData(); }
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

    // The longest time the window's thread spent on one carried batch chunk.
    double longestChunkNs = 0.0;

protected:
    virtual int OnCBSortItem(long, long, long, void* pData1, long, long, void* pData2)
    {
        return CompareValues(pData1, pData2);
    }
    virtual LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
    {
        if (nMsg != BLM_INSERTITEMS)
            return CBigListCtrl::WindowProc(nMsg, wParam, lParam);
        const double t0 = NowNs();
        const LRESULT lResult = CBigListCtrl::WindowProc(nMsg, wParam, lParam);
        longestChunkNs = std::max(longestChunkNs, NowNs() - t0);
        return lResult;
    }
};

int __cdecl QsortCompare(const void* a, const void* b)
{
    return -CompareValues((*static_cast<CListData* const*>(a))->m_pData,
                          (*static_cast<CListData* const*>(b))->m_pData);
}

/////////////////////////////////////////////////////////////////////////////
// The bare structures: an ordered map for the keys and a vector for the rows,
// with std::allocator and the heap's own blocks for the records (the global
// new, not CListData's pool), rows filled the same way.

typedef std::map<long, CListData*> BareMap;

struct BareStore
{
    BareMap keys;
    std::vector<CListData*> rows;

    ~BareStore()
    {
        for (size_t i = 0; i < rows.size(); ++i)
            ::delete rows[i];
    }
    void Append(long nKey, void* pData)
    {
        CListData* p = ::new CListData;   // a plain heap block, not the record pool
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
        ::delete p;
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

// The longest time between a third thread's PostMessage (the time rides in
// lParam, in ns) and the window's thread handling it.
double g_dLongestAnswerNs = 0.0;

LRESULT CALLBACK PlainWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (nMsg == WM_APP)
        return 1;
    if (nMsg == WM_APP + 1)
    {
        const double dWait = NowNs() - static_cast<double>(lParam);
        if (dWait > g_dLongestAnswerNs)
            g_dLongestAnswerNs = dWait;
        return 0;
    }
    return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
}

/////////////////////////////////////////////////////////////////////////////
// Memory: the CRT heap's own accounting (the process counters move by far
// less than the heap hands out under Wine, too coarse to use). Large
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

// Address step between two consecutive small blocks: what one record costs,
// from the record pool (the plain new of CListData) or as a heap block.
double RecordBlockBytes(bool pooled)
{
    std::vector<char*> blocks;
    for (int i = 0; i < 4096; ++i)
        blocks.push_back(pooled ? reinterpret_cast<char*>(new CListData)
                                : static_cast<char*>(::operator new(sizeof(CListData))));
    std::vector<double> steps;
    for (size_t i = 2048; i + 1 < blocks.size(); ++i)
        steps.push_back(static_cast<double>(blocks[i + 1] - blocks[i]));
    for (size_t i = 0; i < blocks.size(); ++i)
    {
        if (pooled)
            delete reinterpret_cast<CListData*>(blocks[i]);
        else
            ::operator delete(blocks[i]);
    }
    return Median(steps);
}

// Bytes per entry of a key index of a million keys inserted in ascending
// order (full leaves), by the heap's accounting.
double AscendingIndexBytes()
{
    const int n = 1000000;
    HANDLE hCrtHeap = reinterpret_cast<HANDLE>(_get_heap_handle());
    const HeapFigures h0 = WalkHeap(hCrtHeap);
    CListDataKeyMap* pIndex = new CListDataKeyMap;
    for (int i = 0; i < n; ++i)
        pIndex->insert(CListDataKeyMap::value_type(i, NULL));
    const HeapFigures h1 = WalkHeap(hCrtHeap);
    delete pIndex;
    return (h1.busy - h0.busy) / n;
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

std::string Fmt(const char* format, double v)
{
    char buf[64];
    _snprintf(buf, sizeof(buf), format, v);
    buf[sizeof(buf) - 1] = '\0';
    return buf;
}

// "median [min, max] unit" with the format's precision.
std::string Fig(const std::vector<double>& v, const char* format, const char* unit)
{
    const Spread s = SpreadOf(v);
    return Fmt(format, s.median) + " [" + Fmt(format, s.min) + ", " + Fmt(format, s.max) + "] " + unit;
}

// Per-round ratios of two figures measured side by side.
std::vector<double> Ratios(const std::vector<double>& a, const std::vector<double>& b)
{
    std::vector<double> r;
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        r.push_back(b[i] > 0.0 ? a[i] / b[i] : 0.0);
    return r;
}

std::string RatioFig(const std::vector<double>& a, const std::vector<double>& b)
{
    return Fig(Ratios(a, b), "%.3f", "");
}

struct Row
{
    std::string what;
    std::string store;
    std::string bare;
    std::string ratio;
    std::string goal;
};

void PrintTable(const char* title, const std::vector<Row>& rows)
{
    printf("\n%s\n\n| Operation | Big list | Bare std::map + std::vector | Ratio | Goal |\n|---|---|---|---|---|\n", title);
    for (size_t i = 0; i < rows.size(); ++i)
        printf("| %s | %s | %s | %s | %s |\n", rows[i].what.c_str(), rows[i].store.c_str(), rows[i].bare.c_str(),
               rows[i].ratio.c_str(), rows[i].goal.c_str());
    fflush(stdout);
}

/////////////////////////////////////////////////////////////////////////////
// One item count: every figure, several rounds

// Per-item figures of one item count, kept for the growth table.
struct SizeFigures
{
    int items;
    std::vector<double> insStore, insSized, insBare;
    std::vector<double> partSlots, partMap, partBareMap, partRecords, partCopying;
    std::vector<double> findStore, findBare;
    std::vector<double> dkStore, dkBare, drStore, drBare;
    std::vector<double> sortMy, sortQ, sortStd;   // ns per item
    double bytesStore, bytesBare;
    double indexBytes, bareMapBytes;   // per entry, the key index alone and a bare std::map alone
};

// The slot array as the store grows it (spare slot first, else one more at
// the end), without records or map.
void GrowSlots(CListDataArray& a, int n)
{
    a.SetSize(2048, 2048);
    for (int i = 0; i < n; ++i)
    {
        CListData* p = reinterpret_cast<CListData*>(DataOf(i));
        if (a.GetSize() > i)
            a.SetAt(i, p);
        else
            a.Add(p);
    }
}

// The same growth rule with a fresh block and a copy at every step, as the
// array grew before its blocks could grow in place.
double CopyingGrowthNs(int n)
{
    int nMax = 2048;
    CListData** p = static_cast<CListData**>(malloc(nMax * sizeof(CListData*)));
    memset(p, 0, nMax * sizeof(CListData*));
    const double t0 = NowNs();
    for (int i = 0; i < n; ++i)
    {
        if (i >= nMax)
        {
            CListData** q = static_cast<CListData**>(malloc((nMax + 2048) * sizeof(CListData*)));
            memcpy(q, p, i * sizeof(CListData*));
            memset(q + i, 0, (nMax + 2048 - i) * sizeof(CListData*));
            free(p);
            p = q;
            nMax += 2048;
        }
        p[i] = reinterpret_cast<CListData*>(DataOf(i));
    }
    const double t = (NowNs() - t0) / n;
    free(p);
    return t;
}

// Bytes per item that a T filled by fill takes from the heap, by the heap's
// own accounting; fill returns the bytes T holds outside the heap.
template <class T, class FillFn>
double HeapBytesPerItem(HANDLE hHeap, int n, FillFn fill)
{
    const HeapFigures h0 = WalkHeap(hHeap);
    T* p = new T;
    const double outside = fill(*p);
    const HeapFigures h1 = WalkHeap(hHeap);
    delete p;
    return (h1.busy - h0.busy + outside) / n;
}

// One round on a store of the default capacity: ns per item to insert the
// keys in their order, to find every key in findOrder, and to delete every
// key in deleteOrder.
void TimeFillFindDelete(const std::vector<long>& keys, const std::vector<long>& findOrder,
                        const std::vector<long>& deleteOrder, std::vector<double>& ins,
                        std::vector<double>& find, std::vector<double>& del)
{
    const DWORD tid = ::GetCurrentThreadId();
    const double n = static_cast<double>(keys.size());
    CBenchList list;
    double t0 = NowNs();
    Fill(list, keys);
    ins.push_back((NowNs() - t0) / n);

    void* pData = NULL;
    long nSum = 0;
    t0 = NowNs();
    for (size_t i = 0; i < findOrder.size(); ++i)
        nSum += list.FindItem(findOrder[i], pData, tid);
    find.push_back((NowNs() - t0) / n);
    if (nSum == -1)
        printf("(never)\n");

    long nIndex = 0;
    t0 = NowNs();
    for (size_t i = 0; i < deleteOrder.size(); ++i)
        list.DeleteItem(deleteOrder[i], &nIndex, tid);
    del.push_back((NowNs() - t0) / n);
}

void MeasureSize(int n, int rounds, SizeFigures& f)
{
    f.items = n;
    const std::vector<long> keys = Permutation(n, 1u);
    const std::vector<long> findOrder = Permutation(n, 2u);
    const std::vector<long> deleteOrder = Permutation(n, 3u);
    std::vector<int> deleteRows(n);
    {
        Rng rng(4u);
        for (int i = 0; i < n; ++i)
            deleteRows[i] = rng.Below(n - i);
    }
    const DWORD tid = ::GetCurrentThreadId();

    // First, on a heap that no round has fragmented: bytes per item of the
    // whole store (map nodes, slots, records). The slot array's block may
    // live in a range of its own, outside the heap: its committed pages are
    // added.
    HANDLE hCrtHeap = reinterpret_cast<HANDLE>(_get_heap_handle());
    f.bytesStore = HeapBytesPerItem<CBenchList>(hCrtHeap, n, [&](CBenchList& list) {
        Fill(list, keys);
        return static_cast<double>(_AfxArrayBlockCommitted(list.SlotBlock()));
    });
    // Walking the bare structures' two blocks per item takes Wine's HeapWalk
    // far too long at ten million: they are walked at a million only (their
    // cost per item does not depend on the count but for the vector's spare).
    const bool bWalkBare = n <= 1000000;
    f.bytesBare = !bWalkBare ? 0.0 : HeapBytesPerItem<BareStore>(hCrtHeap, n, [&](BareStore& bare) {
        for (int i = 0; i < n; ++i)
            bare.Append(keys[i], DataOf(keys[i]));
        return 0.0;
    });
    // The key index alone, and a bare std::map alone (walked at a million
    // only, as above).
    f.indexBytes = HeapBytesPerItem<CListDataKeyMap>(hCrtHeap, n, [&](CListDataKeyMap& index) {
        for (int i = 0; i < n; ++i)
            index.insert(CListDataKeyMap::value_type(keys[i], NULL));
        return 0.0;
    });
    f.bareMapBytes = !bWalkBare ? 0.0 : HeapBytesPerItem<BareMap>(hCrtHeap, n, [&](BareMap& map) {
        for (int i = 0; i < n; ++i)
            map.insert(BareMap::value_type(keys[i], NULL));
        return 0.0;
    });
    Progress("memory, %.0f items", n);

    for (int r = 0; r < rounds; ++r)
    {
        // Default capacity: insert, find, then delete every item by key.
        TimeFillFindDelete(keys, findOrder, deleteOrder, f.insStore, f.findStore, f.dkStore);
        // Pre-sized: insert, sort, back to the inserted order, delete by row.
        {
            CBenchList list(n, 2048);
            double t0 = NowNs();
            Fill(list, keys);
            f.insSized.push_back((NowNs() - t0) / n);

            std::vector<CListData*> initial(list.Slots(), list.Slots() + n);
            list.ForgetSort();
            t0 = NowNs();
            list.OnSortItems(0);
            f.sortMy.push_back((NowNs() - t0) / n);

            std::vector<CListData*> work(initial);
            t0 = NowNs();
            qsort(work.data(), work.size(), sizeof(CListData*), &QsortCompare);
            for (int i = 0; i < n; ++i)
                work[i]->m_nIndex = i;
            f.sortQ.push_back((NowNs() - t0) / n);

            work = initial;
            t0 = NowNs();
            std::sort(work.begin(), work.end(), [](const CListData* a, const CListData* b) {
                return -CompareValues(a->m_pData, b->m_pData) < 0;
            });
            for (int i = 0; i < n; ++i)
                work[i]->m_nIndex = i;
            f.sortStd.push_back((NowNs() - t0) / n);

            std::copy(initial.begin(), initial.end(), list.Slots());
            list.Renumber();
            LVITEMA item;
            ::ZeroMemory(&item, sizeof(item));
            t0 = NowNs();
            for (int i = 0; i < n; ++i)
            {
                item.iItem = deleteRows[i];
                list.DeleteItem(&item, tid);
            }
            f.drStore.push_back((NowNs() - t0) / n);
        }
        // The bare structures: insert, find, delete by key; insert, delete by row.
        {
            BareStore bare;
            double t0 = NowNs();
            for (int i = 0; i < n; ++i)
                bare.Append(keys[i], DataOf(keys[i]));
            f.insBare.push_back((NowNs() - t0) / n);

            long nSum = 0;
            t0 = NowNs();
            for (int i = 0; i < n; ++i)
            {
                BareMap::const_iterator it = bare.keys.find(findOrder[i]);
                nSum += it != bare.keys.end() ? it->second->m_nIndex : -1;
            }
            f.findBare.push_back((NowNs() - t0) / n);
            if (nSum == -1)
                printf("(never)\n");

            t0 = NowNs();
            for (int i = 0; i < n; ++i)
                bare.DeleteByKey(deleteOrder[i]);
            f.dkBare.push_back((NowNs() - t0) / n);
        }
        {
            BareStore bare;
            for (int i = 0; i < n; ++i)
                bare.Append(keys[i], DataOf(keys[i]));
            const double t0 = NowNs();
            for (int i = 0; i < n; ++i)
                bare.DeleteByRow(deleteRows[i]);
            f.drBare.push_back((NowNs() - t0) / n);
        }
        // Where an insert's time goes: each part alone.
        {
            CListDataArray slots;
            const double t0 = NowNs();
            GrowSlots(slots, n);
            f.partSlots.push_back((NowNs() - t0) / n);
        }
        {
            CListDataKeyMap map;
            const double t0 = NowNs();
            for (int i = 0; i < n; ++i)
                map.insert(CListDataKeyMap::value_type(keys[i], NULL));
            f.partMap.push_back((NowNs() - t0) / n);
        }
        {
            BareMap map;
            const double t0 = NowNs();
            for (int i = 0; i < n; ++i)
                map.insert(BareMap::value_type(keys[i], NULL));
            f.partBareMap.push_back((NowNs() - t0) / n);
        }
        {
            std::vector<CListData*> records(n);
            const double t0 = NowNs();
            for (int i = 0; i < n; ++i)
                records[i] = new CListData;
            f.partRecords.push_back((NowNs() - t0) / n);
            for (int i = 0; i < n; ++i)
                delete records[i];
        }
        // Copying growth at ten million would copy about 200 GB: only at a million.
        if (n <= 1000000)
            f.partCopying.push_back(CopyingGrowthNs(n));
        Progress("round done, %.0f items", n);
    }

}

std::string Items(int n)
{
    return n >= 10000000 ? "10,000,000" : "1,000,000";
}

void PrintSize(const SizeFigures& f)
{
    std::vector<Row> rows;
    const std::vector<double> none;
    rows.push_back(Row{ "insert at the end, default capacity (2048, grow 2048)", Fig(f.insStore, "%.0f", "ns"),
                        Fig(f.insBare, "%.0f", "ns"), RatioFig(f.insStore, f.insBare), "<= 1.5" });
    rows.push_back(Row{ "insert at the end, pre-sized (SetCapacity " + Items(f.items) + ")", Fig(f.insSized, "%.0f", "ns"),
                        Fig(f.insBare, "%.0f", "ns"), RatioFig(f.insSized, f.insBare), "<= 1.5" });
    rows.push_back(Row{ "  part: slot array alone, default growth", Fig(f.partSlots, "%.1f", "ns"), "", "", "" });
    if (!f.partCopying.empty())
        rows.push_back(Row{ "  part: the same growth copying the block at every step", Fig(f.partCopying, "%.1f", "ns"), "", "", "" });
    rows.push_back(Row{ "  part: key index insert alone (B+ tree, leaves of 64) / bare std::map insert alone", Fig(f.partMap, "%.0f", "ns"),
                        Fig(f.partBareMap, "%.0f", "ns"), RatioFig(f.partMap, f.partBareMap), "" });
    rows.push_back(Row{ "  part: key index bytes per entry (heap's accounting) / bare std::map", Fmt("%.3f B", f.indexBytes),
                        f.bareMapBytes > 0.0 ? Fmt("%.3f B", f.bareMapBytes) : "not walked",
                        f.bareMapBytes > 0.0 ? Fmt("%.3f", f.indexBytes / f.bareMapBytes) : "", "" });
    rows.push_back(Row{ "  part: record allocation alone (record pool)", Fig(f.partRecords, "%.1f", "ns"), "", "", "" });
    rows.push_back(Row{ "find by key", Fig(f.findStore, "%.0f", "ns"), Fig(f.findBare, "%.0f", "ns"),
                        RatioFig(f.findStore, f.findBare), "<= 1.5" });
    rows.push_back(Row{ "delete by key, store share (every item, no window)", Fig(f.dkStore, "%.0f", "ns"),
                        Fig(f.dkBare, "%.0f", "ns"), RatioFig(f.dkStore, f.dkBare), "" });
    rows.push_back(Row{ "delete by row, store share (every item, no window)", Fig(f.drStore, "%.0f", "ns"),
                        Fig(f.drBare, "%.0f", "ns"), RatioFig(f.drStore, f.drBare), "" });
    rows.push_back(Row{ "column sort: myqsort (OnSortItems) / qsort", Fig(f.sortMy, "%.0f", "ns"),
                        Fig(f.sortQ, "%.0f", "ns") + " qsort", RatioFig(f.sortMy, f.sortQ), "" });
    rows.push_back(Row{ "column sort: myqsort (OnSortItems) / std::sort", Fig(f.sortMy, "%.0f", "ns"),
                        Fig(f.sortStd, "%.0f", "ns") + " std::sort", RatioFig(f.sortMy, f.sortStd), "" });
    rows.push_back(Row{ "bytes per item, the heap's own accounting (+ the slot block's committed pages)",
                        Fmt("%.3f B", f.bytesStore), f.bytesBare > 0.0 ? Fmt("%.3f B", f.bytesBare) : "not walked",
                        f.bytesBare > 0.0 ? Fmt("%.3f", f.bytesStore / f.bytesBare) : "",
                        "<= 72" });
    PrintTable((Items(f.items) + " items, per item: median [min, max] of " +
                Fmt("%.0f", static_cast<double>(f.insStore.size())) + " rounds").c_str(), rows);
}

// Per-item figure at the larger count over the one at the smaller.
std::string Growth(const std::vector<double>& big, const std::vector<double>& small)
{
    return Fmt("%.3f", Median(big) / Median(small));
}

/////////////////////////////////////////////////////////////////////////////
// Where the growth from a million to ten million items comes from

volatile size_t g_nChaseSink = 0;

// One dependent random read (each address comes from the previous read)
// through a block of nBytes: what a cache miss and a page walk cost at that
// working set on this machine, whatever the structure.
double ChaseNs(size_t nBytes, unsigned int seed)
{
    const size_t n = nBytes / sizeof(size_t);
    std::vector<size_t> next(n);
    for (size_t i = 0; i < n; ++i)
        next[i] = i;
    // Sattolo's shuffle: a single cycle through every slot.
    Rng rng(seed);
    for (size_t i = n - 1; i > 0; --i)
        std::swap(next[i], next[rng.Below(static_cast<int>(i))]);
    const size_t nSteps = 10000000;
    size_t p = 0;
    const double t0 = NowNs();
    for (size_t i = 0; i < nSteps; ++i)
        p = next[p];
    const double t = (NowNs() - t0) / static_cast<double>(nSteps);
    g_nChaseSink = g_nChaseSink + p;
    return t;
}

struct GrowthFigures
{
    std::vector<double> chase, ins, find, del;   // ns per read or per item
    std::vector<double> index, records;          // parts of the insert alone
    std::vector<double> indexWarm;               // the index again, into the blocks it just freed
};

// The store with its keys in ascending order (how hosts usually fill it):
// the index and the records are then visited nearly in address order, so
// the caches hide the working set and what grows is the structures' work.
void MeasureGrowth(int n, int rounds, GrowthFigures& g)
{
    std::vector<long> keys(n);
    for (int i = 0; i < n; ++i)
        keys[i] = i;
    const std::vector<long> backwards(keys.rbegin(), keys.rend());
    for (int r = 0; r < rounds; ++r)
    {
        // As large as the store at this count (42 bytes per item).
        g.chase.push_back(ChaseNs(static_cast<size_t>(n) * 42u, 7u + static_cast<unsigned int>(r)));
        // From the end backwards: no row moves when a key is deleted.
        TimeFillFindDelete(keys, keys, backwards, g.ins, g.find, g.del);
        // Parts of the insert alone: the key index, and the records.
        {
            CListDataKeyMap* pIndex = new CListDataKeyMap;
            double t0 = NowNs();
            for (int i = 0; i < n; ++i)
                pIndex->insert(CListDataKeyMap::value_type(keys[i], NULL));
            g.index.push_back((NowNs() - t0) / n);
            pIndex->clear();
            t0 = NowNs();
            for (int i = 0; i < n; ++i)
                pIndex->insert(CListDataKeyMap::value_type(keys[i], NULL));
            g.indexWarm.push_back((NowNs() - t0) / n);
            delete pIndex;
            std::vector<CListData*> records(n);
            t0 = NowNs();
            for (int i = 0; i < n; ++i)
                records[i] = new CListData;
            g.records.push_back((NowNs() - t0) / n);
            for (int i = 0; i < n; ++i)
                delete records[i];
        }
        Progress("growth round at %.0f items", n);
    }
}

void PrintGrowth(int rounds)
{
    GrowthFigures one, ten;
    MeasureGrowth(1000000, rounds, one);
    MeasureGrowth(10000000, rounds, ten);
    printf("\nWhere the growth comes from: medians [min, max] of %d rounds; 10M / 1M of the medians; the ordered "
           "map's log factor is %.3f\n\n", rounds, log(1e7) / log(1e6));
    printf("| Figure | 1,000,000 | 10,000,000 | 10M / 1M |\n|---|---|---|---|\n");
    typedef std::vector<double> GrowthFigures::*Figure;
    static const struct
    {
        const char* what;
        Figure figure;
        const char* format;
    } rows[] = {
        { "dependent random read through a block of 42 B per item", &GrowthFigures::chase, "%.1f" },
        { "insert at the end, keys ascending", &GrowthFigures::ins, "%.0f" },
        { "  part: key index insert alone, keys ascending", &GrowthFigures::index, "%.0f" },
        { "  part: the same again, into the blocks it has just given back", &GrowthFigures::indexWarm, "%.0f" },
        { "  part: record allocation alone (record pool)", &GrowthFigures::records, "%.1f" },
        { "find by key, keys ascending", &GrowthFigures::find, "%.0f" },
        { "delete by key from the last row, store share", &GrowthFigures::del, "%.0f" },
    };
    for (size_t i = 0; i < sizeof(rows) / sizeof(rows[0]); ++i)
    {
        const std::vector<double>& a = one.*rows[i].figure;
        const std::vector<double>& b = ten.*rows[i].figure;
        printf("| %s | %s | %s | %s |\n", rows[i].what, Fig(a, rows[i].format, "ns").c_str(),
               Fig(b, rows[i].format, "ns").c_str(), Growth(b, a).c_str());
    }
}

/////////////////////////////////////////////////////////////////////////////
// Batches: a worker fills the list through InsertItems while the window's
// thread pumps, against the window's thread inserting the same items singly;
// a third thread posts a message to the window's thread every few
// milliseconds and the longest wait for an answer is kept.

const int kPingMs = 5;

struct Pinger
{
    HWND hWnd;
    volatile LONG bStop;
    HANDLE hThread;

    static DWORD WINAPI Run(void* p)
    {
        Pinger* pinger = static_cast<Pinger*>(p);
        while (!pinger->bStop)
        {
            ::PostMessageA(pinger->hWnd, WM_APP + 1, 0, static_cast<LPARAM>(NowNs()));
            ::Sleep(kPingMs);
        }
        return 0;
    }
    void Start(HWND h)
    {
        hWnd = h;
        bStop = FALSE;
        g_dLongestAnswerNs = 0.0;
        hThread = ::CreateThread(NULL, 0, &Run, this, 0, NULL);
    }
    // The longest answer, in ms, once the last posted message is answered.
    double Stop()
    {
        bStop = TRUE;
        ::WaitForSingleObject(hThread, INFINITE);
        ::CloseHandle(hThread);
        PumpPending();
        return g_dLongestAnswerNs / 1e6;
    }
};

// Runs job on a thread of its own while this (the window's) thread pumps.
void RunWhilePumping(const std::function<void()>& job)
{
    struct Start
    {
        static DWORD WINAPI Run(void* p)
        {
            (*static_cast<std::function<void()>*>(p))();
            return 0;
        }
    };
    std::function<void()> copy = job;
    HANDLE hThread = ::CreateThread(NULL, 0, &Start::Run, &copy, 0, NULL);
    PumpUntil(hThread);
    ::CloseHandle(hThread);
}

// Worker fill of a fresh list in InsertItems calls of nPerBatch items; ns
// per item, the longest answer in ms. bPresized: the window's thread sets the
// capacity to the item count first.
bool WorkerFill(const std::vector<long>& keys, int nPerBatch, HWND hPlain, double& rNs, double& rLongestMs,
                bool bPresized = false, double* pLongestChunkMs = NULL)
{
    CBenchList list;
    if (!CreateList(list))
        return false;
    if (bPresized)
        list.SetCapacity(static_cast<int>(keys.size()), 2048);
    PumpPending();
    const int n = static_cast<int>(keys.size());
    int nDone = 0;
    Pinger pinger;
    pinger.Start(hPlain);
    RunWhilePumping([&]() {
        const DWORD tid = ::GetCurrentThreadId();
        std::vector<BLINSERTITEM> items(nPerBatch);
        const double t0 = NowNs();
        for (int nFrom = 0; nFrom < n; nFrom += nPerBatch)
        {
            const int nCount = std::min(nPerBatch, n - nFrom);
            for (int i = 0; i < nCount; ++i)
            {
                const long nKey = keys[nFrom + i];
                items[i].nIndex = BL_APPEND;
                items[i].nKey = nKey;
                items[i].pData = DataOf(nKey);
            }
            nDone += list.InsertItems(items.data(), nCount, tid);
        }
        rNs = (NowNs() - t0) / n;
    });
    rLongestMs = pinger.Stop();
    if (pLongestChunkMs != NULL)
        *pLongestChunkMs = list.longestChunkNs / 1e6;
    const bool bAll = nDone == n && list.GetItemCount() == n;
    list.DeleteAllItems(::GetCurrentThreadId());
    list.DestroyWindow();
    return bAll;
}

// The window's thread inserting the same items singly, the third thread
// posting meanwhile; ns per item, the longest answer in ms.
bool WindowFill(const std::vector<long>& keys, HWND hPlain, double& rNs, double& rLongestMs)
{
    CBenchList list;
    if (!CreateList(list))
        return false;
    PumpPending();
    const DWORD tid = ::GetCurrentThreadId();
    Pinger pinger;
    pinger.Start(hPlain);
    const double t0 = NowNs();
    for (size_t i = 0; i < keys.size(); ++i)
        list.InsertItem(BL_APPEND, keys[i], DataOf(keys[i]), tid);
    rNs = (NowNs() - t0) / keys.size();
    rLongestMs = pinger.Stop();
    const bool bAll = list.GetItemCount() == static_cast<int>(keys.size());
    list.DeleteAllItems(tid);
    list.DestroyWindow();
    return bAll;
}

// A worker's bare SendMessage and carried single InsertItem, medians in us.
bool RoundTrips(HWND hPlain, double& rSendUs, double& rCarriedInsertUs)
{
    CBenchList list;
    if (!CreateList(list))
        return false;
    RunWhilePumping([&]() {
        const DWORD tid = ::GetCurrentThreadId();
        std::vector<double> sends, inserts;
        for (int i = 0; i < kCarriedCalls; ++i)
        {
            const double t0 = NowNs();
            ::SendMessageA(hPlain, WM_APP, 0, 0);
            sends.push_back(NowNs() - t0);
        }
        for (int i = 0; i < kCarriedCalls; ++i)
        {
            const double t0 = NowNs();
            list.InsertItem(BL_APPEND, i, DataOf(i), tid);
            inserts.push_back(NowNs() - t0);
        }
        rSendUs = Median(sends) / 1000.0;
        rCarriedInsertUs = Median(inserts) / 1000.0;
    });
    list.DestroyWindow();
    return true;
}

struct BatchFigures
{
    std::vector<double> windowNs, workerNs, workerLongestMs, windowLongestMs, sendUs, carriedUs, sizedNs, sizedLongestMs,
        longestChunkMs;
};

// Per round, side by side: the window's own fill, the worker's, the round trips.
bool MeasureBatches(int n, int rounds, HWND hPlain, BatchFigures& f)
{
    const std::vector<long> keys = Permutation(n, 11u);
    for (int r = 0; r < rounds; ++r)
    {
        double ns = 0.0, ms = 0.0, send = 0.0, carried = 0.0;
        if (!WindowFill(keys, hPlain, ns, ms))
            return false;
        f.windowNs.push_back(ns);
        f.windowLongestMs.push_back(ms);
        double chunk = 0.0;
        if (!WorkerFill(keys, 100000, hPlain, ns, ms, false, &chunk))
            return false;
        f.workerNs.push_back(ns);
        f.workerLongestMs.push_back(ms);
        f.longestChunkMs.push_back(chunk);
        if (!WorkerFill(keys, 100000, hPlain, ns, ms, true))
            return false;
        f.sizedNs.push_back(ns);
        f.sizedLongestMs.push_back(ms);
        if (!RoundTrips(hPlain, send, carried))
            return false;
        f.sendUs.push_back(send);
        f.carriedUs.push_back(carried);
        Progress("batches, a round done at %.0f items", n);
    }
    return true;
}

// Batch calls of growing size: the worker's fill of a million per item and
// the longest answer. With chunks counted instead of timed (a build with
// kBatchChunk 65536 and no time slice) each call is one message, and this
// table measures what a chunk of that many items costs.
bool PrintChunkSweep(HWND hPlain, int rounds)
{
    const std::vector<long> keys = Permutation(1000000, 13u);
    printf("\nWorker fill of 1,000,000 items by batch calls of growing size (per item, and the longest answer to a "
           "message posted every %d ms; median [min, max] of %d rounds)\n\n", kPingMs, rounds);
    printf("| Items per InsertItems call | Worker fill per item | Longest answer |\n|---|---|---|\n");
    for (int k = 256; k <= CBigListCtrl::kBatchChunk; k *= 2)
    {
        std::vector<double> ns, ms;
        for (int r = 0; r < rounds; ++r)
        {
            double a = 0.0, b = 0.0;
            if (!WorkerFill(keys, k, hPlain, a, b))
                return false;
            ns.push_back(a);
            ms.push_back(b);
        }
        printf("| %d | %s | %s |\n", k, Fig(ns, "%.0f", "ns").c_str(), Fig(ms, "%.1f", "ms").c_str());
        fflush(stdout);
    }
    return true;
}

void PrintBatches(const BatchFigures& one, const BatchFigures& ten, int rounds1, int rounds10)
{
    printf("\nWorker fill through InsertItems (batches of 100,000, carried in chunks of at most %d items and about "
           "2 ms of the window's thread) against the window's thread inserting the same items singly, side by side in each round; per item: median [min, max] of "
           "%d rounds at 1,000,000 and %d at 10,000,000\n\n", static_cast<int>(CBigListCtrl::kBatchChunk), rounds1,
           rounds10);
    printf("| Figure | 1,000,000 items | 10,000,000 items | Goal |\n|---|---|---|---|\n");
    const bool bTen = !ten.windowNs.empty();
    auto row = [&](const char* what, const std::vector<double> BatchFigures::*fig, const char* format,
                   const char* unit, const char* goal) {
        printf("| %s | %s | %s | %s |\n", what, Fig(one.*fig, format, unit).c_str(),
               bTen ? Fig(ten.*fig, format, unit).c_str() : "-", goal);
    };
    row("window's thread, InsertItem singly", &BatchFigures::windowNs, "%.0f", "ns", "");
    row("worker thread, InsertItems", &BatchFigures::workerNs, "%.0f", "ns", "");
    printf("| worker / window (per round) | %s | %s | <= 1.5 |\n", RatioFig(one.workerNs, one.windowNs).c_str(),
           bTen ? RatioFig(ten.workerNs, ten.windowNs).c_str() : "-");
    row("longest answer of the window's thread to a posted message, worker fill", &BatchFigures::workerLongestMs,
        "%.1f", "ms", "<= 50 ms");
    row("longest chunk on the window's thread, worker fill", &BatchFigures::longestChunkMs, "%.1f", "ms", "");
    row("worker thread, InsertItems, list pre-sized (SetCapacity to the count)", &BatchFigures::sizedNs, "%.0f", "ns", "");
    row("longest answer, worker fill of the pre-sized list", &BatchFigures::sizedLongestMs, "%.1f", "ms", "<= 50 ms");
    row("the same during the window's own fill", &BatchFigures::windowLongestMs, "%.1f", "ms", "");
    row("bare cross-thread SendMessage round trip (median of 2,000)", &BatchFigures::sendUs, "%.0f", "us", "");
    row("worker thread, InsertItem singly, carried (median of 2,000)", &BatchFigures::carriedUs, "%.0f", "us", "");
    fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    const bool bQuick = argc > 1 && strcmp(argv[1], "--quick") == 0;
    // "--ten N": ten million items only, N rounds (no million, no list view).
    const int nTenOnly = argc > 2 && strcmp(argv[1], "--ten") == 0 ? atoi(argv[2]) : 0;

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
    const DWORD tid = ::GetCurrentThreadId();

    printf("record: sizeof(CListData) %u, %.0f B from the record pool, %.0f B as a heap block; "
           "key index entry %u B (key and record pointer) in leaves of %d entries, %.3f B per entry with "
           "the leaves' free room and the inner nodes when filled in ascending order; slot %u B\n",
           static_cast<unsigned int>(sizeof(CListData)), RecordBlockBytes(true), RecordBlockBytes(false),
           static_cast<unsigned int>(sizeof(long) + sizeof(CListData*)),
           static_cast<int>(CListDataKeyMap::kLeafCapacity), AscendingIndexBytes(),
           static_cast<unsigned int>(sizeof(CListData*)));

    // "--growth N": only the figures that tell the machine's growth from
    // the structures' own, N rounds at each count.
    if (argc > 2 && strcmp(argv[1], "--growth") == 0)
    {
        PrintGrowth(atoi(argv[2]));
        return 0;
    }

    // "--batch R1 R10 [S]": only the batch figures, R1 rounds at a million
    // and R10 at ten million (0: none), after a chunk sweep of S rounds.
    if (argc > 3 && strcmp(argv[1], "--batch") == 0)
    {
        const int nSweep = argc > 4 ? atoi(argv[4]) : 0;
        BatchFigures b1, b10;
        if ((nSweep > 0 && !PrintChunkSweep(hPlain, nSweep)) || !MeasureBatches(1000000, atoi(argv[2]), hPlain, b1) ||
            (atoi(argv[3]) > 0 && !MeasureBatches(10000000, atoi(argv[3]), hPlain, b10)))
        {
            printf("biglist_bench: a fill lost items\n");
            return 1;
        }
        PrintBatches(b1, b10, atoi(argv[2]), atoi(argv[3]));
        return 0;
    }

    SizeFigures one, ten;
    if (nTenOnly > 0)
    {
        MeasureSize(10000000, nTenOnly, ten);
        PrintSize(ten);
        return 0;
    }
    MeasureSize(1000000, 5, one);
    PrintSize(one);
    if (!bQuick)
    {
        MeasureSize(10000000, 3, ten);
        PrintSize(ten);
    }

    // The list view's share of a delete: with a visible list view every
    // delete also sets the view's count, which costs milliseconds here. Timed
    // over the first kWindowedDeletes deletes of a full store of a million,
    // against the same deletes without a window; the share does not depend
    // on the item count.
    {
        const int n = 1000000;
        const std::vector<long> keys = Permutation(n, 1u);
        const std::vector<long> deleteOrder = Permutation(n, 3u);
        std::vector<double> dkWindow, dkAlone, drWindow, drAlone;
        for (int r = 0; r < 3; ++r)
        {
            for (int byRow = 0; byRow < 2; ++byRow)
            {
                for (int windowed = 0; windowed < 2; ++windowed)
                {
                    CBenchList list(n, 2048);
                    if (windowed && !CreateList(list))
                        return 1;
                    Fill(list, keys);
                    if (windowed)
                    {
                        list.SetItemCountEx(list.GetItemCount(), LVSICF_NOINVALIDATEALL);
                        list.UpdateWindow();
                        PumpPending();
                    }
                    long nIndex = 0;
                    LVITEMA item;
                    ::ZeroMemory(&item, sizeof(item));
                    Rng rng(5u);
                    const double t0 = NowNs();
                    for (int i = 0; i < kWindowedDeletes; ++i)
                    {
                        if (byRow)
                        {
                            item.iItem = rng.Below(n - i);
                            list.DeleteItem(&item, tid);
                        }
                        else
                        {
                            list.DeleteItem(deleteOrder[i], &nIndex, tid);
                        }
                    }
                    const double t = (NowNs() - t0) / kWindowedDeletes;
                    (byRow ? (windowed ? drWindow : drAlone) : (windowed ? dkWindow : dkAlone)).push_back(t);
                    if (windowed)
                    {
                        list.DeleteAllItems(tid);
                        list.DestroyWindow();
                    }
                }
            }
        }
        Progress("windowed deletes, %.0f rounds", 3);
        std::vector<Row> rows;
        std::vector<double> dkShare, drShare;
        for (size_t i = 0; i < dkWindow.size(); ++i)
        {
            dkShare.push_back((dkWindow[i] - dkAlone[i]) / 1000.0);
            drShare.push_back((drWindow[i] - drAlone[i]) / 1000.0);
        }
        rows.push_back(Row{ "delete by key: list view share (LVM_SETITEMCOUNT, visible view)", Fig(dkShare, "%.0f", "us"), "-", "", "" });
        rows.push_back(Row{ "delete by row: list view share (LVM_SETITEMCOUNT, visible view)", Fig(drShare, "%.0f", "us"), "-", "", "" });

        // A carried call against a bare cross-thread SendMessage.
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
        list.DestroyWindow();
        // Three blocks of calls each: their medians are the rounds.
        std::vector<double> carried, bare;
        const size_t nBlock = job.carried.size() / 3;
        for (size_t b = 0; b < 3; ++b)
        {
            carried.push_back(Median(std::vector<double>(job.carried.begin() + b * nBlock,
                                                         job.carried.begin() + (b + 1) * nBlock)) / 1000.0);
            bare.push_back(Median(std::vector<double>(job.bare.begin() + b * nBlock,
                                                      job.bare.begin() + (b + 1) * nBlock)) / 1000.0);
        }
        Progress("carried calls, %.0f", 3 * kCarriedCalls);
        rows.push_back(Row{ "carried FindItem from a worker thread (3 blocks of 2,000 calls)", Fig(carried, "%.0f", "us"),
                            Fig(bare, "%.0f", "us") + " SendMessage", RatioFig(carried, bare), "<= 1.2" });
        PrintTable("List view and threads (1,000,000 items; medians of blocks)", rows);
    }

    // A worker's fill through batches against the window's own fill.
    {
        BatchFigures b1, b10;
        if (!MeasureBatches(1000000, 5, hPlain, b1) || (!bQuick && !MeasureBatches(10000000, 3, hPlain, b10)))
        {
            printf("biglist_bench: a fill lost items\n");
            return 1;
        }
        PrintBatches(b1, b10, 5, bQuick ? 0 : 3);
    }

    if (!bQuick)
    {
        printf("\nPer-item figure at 10,000,000 over the one at 1,000,000 (medians); the ordered map's log factor "
               "log(10,000,000) / log(1,000,000) is %.3f\n\n", log(1e7) / log(1e6));
        printf("| Figure | 10M / 1M |\n|---|---|\n");
        typedef std::vector<double> SizeFigures::*Figure;
        static const struct
        {
            const char* what;
            Figure figure;
        } rows[] = {
            { "insert, default capacity", &SizeFigures::insStore },
            { "insert, pre-sized", &SizeFigures::insSized },
            { "insert, bare structures", &SizeFigures::insBare },
            { "key index insert alone", &SizeFigures::partMap },
            { "bare std::map insert alone", &SizeFigures::partBareMap },
            { "find by key", &SizeFigures::findStore },
            { "find, bare", &SizeFigures::findBare },
            { "delete by key, store share", &SizeFigures::dkStore },
            { "delete by key, bare", &SizeFigures::dkBare },
            { "delete by row, store share", &SizeFigures::drStore },
            { "delete by row, bare", &SizeFigures::drBare },
            { "sort, myqsort", &SizeFigures::sortMy },
            { "sort, std::sort", &SizeFigures::sortStd },
        };
        for (size_t i = 0; i < sizeof(rows) / sizeof(rows[0]); ++i)
            printf("| %s | %s |\n", rows[i].what, Growth(ten.*rows[i].figure, one.*rows[i].figure).c_str());
        printf("| bytes per item | %.3f |\n", ten.bytesStore / one.bytesStore);
        printf("| key index bytes per entry | %.3f |\n", ten.indexBytes / one.indexBytes);
    }

    ::DestroyWindow(hPlain);
    frame.DestroyWindow();
    return 0;
}
