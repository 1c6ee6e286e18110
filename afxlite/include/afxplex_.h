// afxplex_.h - CPlex: the block allocator behind the lists and maps.
//
// A plex is one heap block holding nMax elements of cbElement bytes, linked
// to the previous blocks of the same collection; the collection carves its
// nodes out of the blocks and frees them all at once.

#ifndef __AFXPLEX_H__
#define __AFXPLEX_H__

#ifndef __AFX_H__
#include <afx.h>
#endif

struct AFXLITE_API CPlex  // followed in memory by its elements
{
    CPlex* pNext;
    void* pad;  // keeps data() aligned for any element on both word sizes

    void* data() { return this + 1; }

    // Allocates a block of nMax elements and puts it at the head of the
    // chain; throws CMemoryException* when the heap refuses.
    static CPlex* PASCAL Create(CPlex*& head, UINT nMax, UINT cbElement);
    void FreeDataChain();  // frees this block and every later one
};

// Allocates a block of nMax nodes at the head of the chain and puts every
// node onto the free list pFree (linked through NODE::pNext), the first node
// of the block on top.
template <class NODE>
inline void _AfxPlexAddFreeNodes(CPlex*& pHead, UINT nMax, NODE*& pFree)
{
    CPlex* pNewBlock = CPlex::Create(pHead, nMax, sizeof(NODE));
    NODE* pNode = (NODE*)pNewBlock->data() + nMax;
    while (pNode != (NODE*)pNewBlock->data())
    {
        --pNode;
        pNode->pNext = pFree;
        pFree = pNode;
    }
}

#endif // __AFXPLEX_H__
