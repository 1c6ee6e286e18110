/// @file myqsort.h
/// The big list's sort routine, exported by Lumivane.dll.
///
/// Functions in this file:
/// - myqsort: in-place quicksort with a context pointer for the comparison and
///   a callback that runs right before every exchange of two elements.
///
/// Threads: any thread; the routine keeps no state of its own.
///
/// @par Example
/// @snippet host.cpp myqsort
#ifndef BIGLIST_MYQSORT_H
#define BIGLIST_MYQSORT_H

#include <afx.h>

/// Sorts num elements of width bytes starting at base so that no element is
/// followed by one it compares greater than: compare(context, a, b) > 0 means
/// that a belongs after b. swapped(context, a, b) is called with the two
/// element addresses immediately before their contents are exchanged; elements
/// that compare equal are never exchanged. Works without recursion and without
/// allocation; not stable. A range that the quicksort keeps splitting badly
/// (more than 3 log2(num) + 16 partitions deep) is finished by a heap sort,
/// so no order of the input makes it quadratic. Random orders never get that
/// deep; columns with few distinct values do, from about a hundred elements:
/// there the calls of compare and swapped depart from the plain quicksort's
/// and equal elements may end in another order.
/// Does nothing when num is below 2, width is 0, or base or compare is NULL;
/// swapped may be NULL.
extern "C" AFX_EXT_API void __cdecl myqsort(void* base, unsigned int num, unsigned int width,
    void* context,
    int (__cdecl* compare)(void* context, const void* elem1, const void* elem2),
    void (__cdecl* swapped)(void* context, void* elem1, void* elem2));

#endif // BIGLIST_MYQSORT_H
