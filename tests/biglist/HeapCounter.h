// HeapCounter.h - counts the blocks in use on the C runtime's heap, the one
// the plain new of every module here allocates from; tells leaks of many
// small records apart from the noise of the test framework.
#ifndef TESTS_BIGLIST_HEAPCOUNTER_H
#define TESTS_BIGLIST_HEAPCOUNTER_H

#include <windows.h>
#include <malloc.h>

class HeapCounter
{
public:
    HeapCounter() { Restart(); }
    void Restart() { m_nStart = BusyBlocks(); }
    long BlocksSinceStart() const { return BusyBlocks() - m_nStart; }

    static long BusyBlocks()
    {
        HANDLE hHeap = reinterpret_cast<HANDLE>(_get_heap_handle());
        long n = 0;
        PROCESS_HEAP_ENTRY e;
        e.lpData = NULL;
        ::HeapLock(hHeap);
        while (::HeapWalk(hHeap, &e))
        {
            if (e.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                ++n;
        }
        ::HeapUnlock(hHeap);
        return n;
    }

private:
    long m_nStart;
};

#endif // TESTS_BIGLIST_HEAPCOUNTER_H
