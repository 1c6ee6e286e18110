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

// Tells the caller first, then exchanges the two elements' bytes.
inline void Exchange(char* a, char* b, size_t width, void* context, SwappedFn swapped)
{
    swapped(context, a, b);
    for (size_t i = 0; i < width; ++i)
    {
        char t = a[i];
        a[i] = b[i];
        b[i] = t;
    }
}

} // namespace

extern "C" void __cdecl myqsort(void* base, unsigned int num, unsigned int width,
    void* context, CompareFn compare, SwappedFn swapped)
{
    if (num < 2 || width == 0)
        return;

    const size_t w = width;
    char* lostk[kStackSize];
    char* histk[kStackSize];
    int stkptr = 0;

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
        else
        {
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
    }
}
