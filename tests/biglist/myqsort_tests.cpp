// myqsort_tests.cpp - the exported sort routine on its own.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string.h>
#include <vector>

#include "myqsort.h"

namespace {

// An element: the sort key and where it started, to prove a permutation.
struct Elem
{
    int key;
    int origin;
};

// GreatestFirst: sorted but for its greatest element in front, the order a
// list is left in when the first row of a sorted list is filled with its
// last; it splits badly at every step with this pivot.
enum Shape { kRandom, kSorted, kReversed, kAllEqual, kOrganPipe, kFewDistinct, kGreatestFirst };

const char* ShapeName(Shape s)
{
    static const char* const names[] = { "Random", "Sorted", "Reversed", "AllEqual", "OrganPipe", "FewDistinct",
                                          "GreatestFirst" };
    return names[s];
}

std::vector<Elem> MakeInput(Shape shape, int n)
{
    std::vector<Elem> v(n);
    unsigned int seed = 12345u + static_cast<unsigned int>(n);
    for (int i = 0; i < n; ++i)
    {
        int key = 0;
        switch (shape)
        {
        case kRandom:      seed = seed * 1103515245u + 12345u; key = static_cast<int>(seed >> 8) % (n + 1); break;
        case kSorted:      key = i; break;
        case kReversed:    key = n - i; break;
        case kAllEqual:    key = 7; break;
        case kOrganPipe:   key = i < n / 2 ? i : n - i; break;
        case kFewDistinct: key = (i * 7) % 3; break;
        case kGreatestFirst: key = i == 0 ? n : i; break;
        }
        v[i].key = key;
        v[i].origin = i;
    }
    return v;
}

// Watches one sort: every exchange must follow its swapped call, touch only
// the two reported elements, and exchange an element that compares greater
// with one that compares less. The shadow array is the sort as the
// callbacks describe it; the real array must agree with it at every call.
struct SortWatch
{
    explicit SortWatch(std::vector<Elem>& v) : pArray(&v), shadow(v) {}

    std::vector<Elem>* pArray;
    std::vector<Elem> shadow;
    bool checkShadow = true;
    long long compares = 0;
    long long swaps = 0;
    int faults = 0;
    std::vector<int> trace;   // compare: +(i*64+j), swap: -(i*64+j)-1, for short arrays

    int IndexOf(const void* p) const
    {
        return static_cast<int>(static_cast<const Elem*>(p) - pArray->data());
    }
    void CheckShadow()
    {
        if (checkShadow && memcmp(shadow.data(), pArray->data(), shadow.size() * sizeof(Elem)) != 0)
            ++faults;
    }
};

int __cdecl WatchCompare(void* context, const void* a, const void* b)
{
    SortWatch* w = static_cast<SortWatch*>(context);
    ++w->compares;
    w->CheckShadow();
    if (w->pArray->size() <= 16)
        w->trace.push_back(w->IndexOf(a) * 64 + w->IndexOf(b));
    const int x = static_cast<const Elem*>(a)->key;
    const int y = static_cast<const Elem*>(b)->key;
    return x > y ? 1 : (x < y ? -1 : 0);
}

void __cdecl WatchSwapped(void* context, void* a, void* b)
{
    SortWatch* w = static_cast<SortWatch*>(context);
    ++w->swaps;
    w->CheckShadow();
    const int i = w->IndexOf(a);
    const int j = w->IndexOf(b);
    if (w->pArray->size() <= 16)
        w->trace.push_back(-(i * 64 + j) - 1);
    // Never two equal elements, never one element with itself, and the
    // first one must be the greater.
    if (i == j || !((*w->pArray)[i].key > (*w->pArray)[j].key))
        ++w->faults;
    if (w->checkShadow)
        std::swap(w->shadow[i], w->shadow[j]);
}

void ExpectSortedPermutation(const std::vector<Elem>& input, const std::vector<Elem>& output)
{
    ASSERT_EQ(input.size(), output.size());
    for (size_t i = 1; i < output.size(); ++i)
        ASSERT_LE(output[i - 1].key, output[i].key) << "at " << i;
    std::vector<bool> seen(input.size(), false);
    for (const Elem& e : output)
    {
        ASSERT_GE(e.origin, 0);
        ASSERT_LT(e.origin, static_cast<int>(input.size()));
        ASSERT_FALSE(seen[e.origin]) << "element " << e.origin << " twice";
        seen[e.origin] = true;
        ASSERT_EQ(input[e.origin].key, e.key);
    }
}

struct SortCase
{
    Shape shape;
    int n;
};

class MyqsortShapes : public ::testing::TestWithParam<SortCase>
{
};

TEST_P(MyqsortShapes, SortsWithEveryExchangeAnnounced)
{
    const SortCase c = GetParam();
    const std::vector<Elem> input = MakeInput(c.shape, c.n);
    std::vector<Elem> v = input;
    SortWatch w(v);
    w.checkShadow = c.n <= 3000;

    myqsort(v.data(), static_cast<unsigned int>(v.size()), sizeof(Elem), &w, &WatchCompare, &WatchSwapped);

    ExpectSortedPermutation(input, v);
    w.CheckShadow();
    EXPECT_EQ(0, w.faults);
    if (c.shape == kAllEqual || (c.shape == kSorted && c.n <= 8))
    {
        EXPECT_EQ(0, w.swaps);
    }
}

std::vector<SortCase> AllCases()
{
    std::vector<SortCase> cases;
    const Shape shapes[] = { kRandom, kSorted, kReversed, kAllEqual, kOrganPipe, kFewDistinct, kGreatestFirst };
    const int sizes[] = { 2, 3, 7, 8, 9, 10, 17, 100, 1000, 3000, 100000 };
    for (Shape s : shapes)
        for (int n : sizes)
            cases.push_back(SortCase{ s, n });
    return cases;
}

INSTANTIATE_TEST_SUITE_P(All, MyqsortShapes, ::testing::ValuesIn(AllCases()),
    [](const ::testing::TestParamInfo<SortCase>& info) {
        return std::string(ShapeName(info.param.shape)) + "_" + std::to_string(info.param.n);
    });

TEST(Myqsort, NoCallbackForNothingToSort)
{
    std::vector<Elem> v = MakeInput(kReversed, 5);
    const std::vector<Elem> before = v;
    SortWatch w(v);
    myqsort(v.data(), 0, sizeof(Elem), &w, &WatchCompare, &WatchSwapped);
    myqsort(v.data(), 1, sizeof(Elem), &w, &WatchCompare, &WatchSwapped);
    myqsort(v.data(), 5, 0, &w, &WatchCompare, &WatchSwapped);
    myqsort(NULL, 0, sizeof(Elem), &w, &WatchCompare, &WatchSwapped);
    EXPECT_EQ(0, w.compares);
    EXPECT_EQ(0, w.swaps);
    EXPECT_EQ(0, memcmp(before.data(), v.data(), v.size() * sizeof(Elem)));
}

// Selection on lo..hi as it must run for eight or fewer elements, traced the
// same way as the watch records myqsort.
std::vector<int> SelectionTrace(std::vector<Elem> v)
{
    std::vector<int> trace;
    auto greater = [&](int i, int j) {
        trace.push_back(i * 64 + j);
        return v[i].key > v[j].key;
    };
    for (int hi = static_cast<int>(v.size()) - 1; hi > 0; --hi)
    {
        int max = 0;
        for (int p = 1; p <= hi; ++p)
            if (greater(p, max))
                max = p;
        if (max != hi && greater(max, hi))
        {
            trace.push_back(-(max * 64 + hi) - 1);
            std::swap(v[max], v[hi]);
        }
    }
    return trace;
}

TEST(Myqsort, EightOrFewerBySelectionAlone)
{
    for (int n = 2; n <= 8; ++n)
    {
        for (Shape s : { kRandom, kReversed, kOrganPipe, kFewDistinct })
        {
            std::vector<Elem> v = MakeInput(s, n);
            const std::vector<int> expected = SelectionTrace(v);
            SortWatch w(v);
            myqsort(v.data(), static_cast<unsigned int>(n), sizeof(Elem), &w, &WatchCompare, &WatchSwapped);
            EXPECT_EQ(expected, w.trace) << ShapeName(s) << " n=" << n;
        }
    }
}

TEST(Myqsort, NineOrMorePartitionFirst)
{
    // A partition starts by comparing the middle element with the first.
    for (int n : { 9, 10, 16 })
    {
        std::vector<Elem> v = MakeInput(kRandom, n);
        SortWatch w(v);
        myqsort(v.data(), static_cast<unsigned int>(n), sizeof(Elem), &w, &WatchCompare, &WatchSwapped);
        ASSERT_FALSE(w.trace.empty());
        EXPECT_EQ((n / 2) * 64 + 0, w.trace[0]) << "n=" << n;
        EXPECT_NE(SelectionTrace(MakeInput(kRandom, n)), w.trace);
    }
}

// The callback sequence as a running hash: each call's kind and the two
// element numbers, in order.
struct SequenceHash
{
    const int* base = NULL;
    unsigned long long hash = 1469598103934665603ULL;
    long long calls = 0;
    void Add(int kind, size_t i, size_t j)
    {
        for (unsigned long long v : { static_cast<unsigned long long>(kind), static_cast<unsigned long long>(i),
                                      static_cast<unsigned long long>(j) })
            hash = (hash ^ v) * 1099511628211ULL;
        ++calls;
    }
};

int __cdecl HashCompare(void* context, const void* a, const void* b)
{
    SequenceHash* h = static_cast<SequenceHash*>(context);
    const int* x = static_cast<const int*>(a);
    const int* y = static_cast<const int*>(b);
    h->Add(0, x - h->base, y - h->base);
    return *x > *y ? 1 : (*x < *y ? -1 : 0);
}

void __cdecl HashSwapped(void* context, void* a, void* b)
{
    SequenceHash* h = static_cast<SequenceHash*>(context);
    h->Add(1, static_cast<int*>(a) - h->base, static_cast<int*>(b) - h->base);
}

// The plain quicksort, step by step (selection up to 8, pivot the greater
// of first and middle, the larger side deferred), with no other way out.
void PlainQuicksort(std::vector<int>& v, SequenceHash& h)
{
    auto compare = [&](size_t i, size_t j) {
        h.Add(0, i, j);
        return v[i] > v[j] ? 1 : (v[i] < v[j] ? -1 : 0);
    };
    auto greater = [&](size_t i, size_t j) { return compare(i, j) > 0; };
    auto exchange = [&](size_t i, size_t j) {
        h.Add(1, i, j);
        std::swap(v[i], v[j]);
    };
    std::vector<std::pair<size_t, size_t>> pending;
    size_t lo = 0, hi = v.size() - 1;
    for (;;)
    {
        const size_t size = hi - lo + 1;
        if (size <= 8)
        {
            for (; hi > lo; --hi)
            {
                size_t max = lo;
                for (size_t p = lo + 1; p <= hi; ++p)
                    if (greater(p, max))
                        max = p;
                if (max != hi && greater(max, hi))
                    exchange(max, hi);
            }
        }
        else
        {
            const size_t mid = lo + size / 2;
            if (greater(mid, lo))
                exchange(mid, lo);
            size_t loguy = lo, higuy = hi + 1;
            for (;;)
            {
                do
                    ++loguy;
                while (loguy <= hi && !greater(loguy, lo));
                do
                    --higuy;
                while (higuy > lo && compare(higuy, lo) >= 0);
                if (higuy < loguy)
                    break;
                if (loguy != higuy && greater(loguy, higuy))
                    exchange(loguy, higuy);
            }
            if (lo != higuy && greater(lo, higuy))
                exchange(lo, higuy);
            // The byte distances less one byte, compared: in elements, the left side is longer.
            if (static_cast<long long>(higuy - lo) > static_cast<long long>(hi) - static_cast<long long>(loguy))
            {
                if (lo + 1 < higuy)
                    pending.push_back({ lo, higuy - 1 });
                if (loguy < hi)
                {
                    lo = loguy;
                    continue;
                }
            }
            else
            {
                if (loguy < hi)
                    pending.push_back({ loguy, hi });
                if (lo + 1 < higuy)
                {
                    hi = higuy - 1;
                    continue;
                }
            }
        }
        if (pending.empty())
            return;
        lo = pending.back().first;
        hi = pending.back().second;
        pending.pop_back();
    }
}

// Random permutations of growing size (a seed for each that takes one path
// of partitions 46 deep at a million), and the 27 keys of two values whose
// equal rows a sort that left the quicksort early ordered otherwise: the
// same calls in the same order as the plain quicksort, and the same result.
TEST(Myqsort, RandomOrdersKeepThePlainQuicksortsSequence)
{
    struct Row { int n; unsigned int seed; };
    const Row rows[] = { { 27, 0 }, { 1000, 1 }, { 10000, 2 }, { 100000, 5 }, { 1000000, 3 } };
    for (const Row& row : rows)
    {
        std::vector<int> v(row.n);
        if (row.seed == 0)
        {
            const char* keys = "111111111100011000000100010";
            for (int i = 0; i < row.n; ++i)
                v[i] = keys[i] - '0';
        }
        else
        {
            unsigned int s = row.seed;
            for (int i = 0; i < row.n; ++i)
                v[i] = i;
            for (int i = row.n - 1; i > 0; --i)
            {
                s = s * 1664525u + 1013904223u;
                std::swap(v[i], v[static_cast<int>((static_cast<unsigned long long>(s >> 8) * (i + 1)) >> 24)]);
            }
        }
        std::vector<int> plain = v;
        SequenceHash expected, actual;
        PlainQuicksort(plain, expected);
        actual.base = v.data();
        myqsort(v.data(), static_cast<unsigned int>(v.size()), sizeof(int), &actual, &HashCompare, &HashSwapped);
        EXPECT_EQ(expected.calls, actual.calls) << "n=" << row.n;
        EXPECT_EQ(expected.hash, actual.hash) << "n=" << row.n;
        EXPECT_TRUE(plain == v) << "n=" << row.n;
    }
}

// Elements of odd widths are exchanged whole.
TEST(Myqsort, OddWidthsExchangeWholeElements)
{
    struct Wide
    {
        char tag[3];
    };
    std::vector<Wide> v(200);
    for (size_t i = 0; i < v.size(); ++i)
    {
        const int key = static_cast<int>((i * 37) % 101);
        v[i].tag[0] = static_cast<char>(key);
        v[i].tag[1] = static_cast<char>(key ^ 0x55);
        v[i].tag[2] = static_cast<char>(~key);
    }
    myqsort(v.data(), static_cast<unsigned int>(v.size()), sizeof(Wide), NULL,
        [](void*, const void* a, const void* b) -> int {
            return static_cast<const Wide*>(a)->tag[0] - static_cast<const Wide*>(b)->tag[0];
        },
        [](void*, void*, void*) {});
    for (size_t i = 0; i < v.size(); ++i)
    {
        if (i > 0)
        {
            ASSERT_LE(v[i - 1].tag[0], v[i].tag[0]);
        }
        ASSERT_EQ(static_cast<char>(v[i].tag[0] ^ 0x55), v[i].tag[1]);
        ASSERT_EQ(static_cast<char>(~v[i].tag[0]), v[i].tag[2]);
    }
}

// A million elements of each awkward shape, sorted on a thread whose whole
// stack is 64 KiB: the sort may not recurse or grow its stack with the input.
struct BigSortJob
{
    Shape shape;
    bool sorted;
    long long compares;
};

int __cdecl CountingCompare(void* context, const void* a, const void* b)
{
    ++static_cast<BigSortJob*>(context)->compares;
    const int x = *static_cast<const int*>(a);
    const int y = *static_cast<const int*>(b);
    return x > y ? 1 : (x < y ? -1 : 0);
}

DWORD WINAPI BigSortThread(void* p)
{
    BigSortJob* job = static_cast<BigSortJob*>(p);
    const int n = 1000000;
    std::vector<int> v(n);
    for (int i = 0; i < n; ++i)
    {
        switch (job->shape)
        {
        case kSorted:    v[i] = i; break;
        case kReversed:  v[i] = n - i; break;
        case kAllEqual:  v[i] = 3; break;
        case kOrganPipe: v[i] = i < n / 2 ? i : n - i; break;
        case kGreatestFirst: v[i] = i == 0 ? n : i; break;
        default:         v[i] = static_cast<int>((i * 2654435761u) % n); break;
        }
    }
    myqsort(v.data(), n, sizeof(int), job, &CountingCompare, [](void*, void*, void*) {});
    job->sorted = std::is_sorted(v.begin(), v.end());
    return 0;
}

TEST(Myqsort, MillionAdversarialOnSmallStack)
{
    for (Shape s : { kSorted, kReversed, kAllEqual, kOrganPipe, kGreatestFirst, kRandom })
    {
        BigSortJob job = { s, false, 0 };
        HANDLE h = ::CreateThread(NULL, 64 * 1024, &BigSortThread, &job, STACK_SIZE_PARAM_IS_A_RESERVATION, NULL);
        ASSERT_TRUE(h != NULL);
        ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(h, 120000)) << ShapeName(s);
        DWORD code = 1;
        ::GetExitCodeThread(h, &code);
        ::CloseHandle(h);
        EXPECT_EQ(0u, code) << ShapeName(s);
        EXPECT_TRUE(job.sorted) << ShapeName(s);
        // Far from quadratic (5e11) on every shape: the greatest-first order,
        // which the pivot alone would take one element at a time, is
        // finished by the heap sort.
        EXPECT_LT(job.compares, 1000000000LL) << ShapeName(s);
    }
}

} // namespace
