// Storage blocks of the arrays (CArray and the non-template arrays).
//
// Every block starts with a small header in front of the elements.  Blocks
// below kRangeThreshold live on the C runtime's heap and grow with realloc.
// A block that grows past it moves, once, into an address range reserved
// for it with room to spare: further growth only commits more pages of that
// range, so the elements stay where they are and nothing is copied.  When
// the range is full, a range twice the size takes its place (one copy), so
// an array that grows by a fixed step is copied a logarithmic number of
// times instead of once per step.

#include <afxtempl.h>

#include <stdlib.h>
#include <string.h>

namespace {

struct BlockHeader
{
    size_t cbReserved;   // size of the block's own range; 0 for a heap block
    size_t cbCommitted;  // range blocks: bytes committed from the range's start
};

// The header keeps the elements on the heap's 16-byte alignment.
const size_t kHeaderBytes = 16;
static_assert(sizeof(BlockHeader) <= kHeaderBytes, "block header too large");

const size_t kRangeThreshold = 1024 * 1024;
const size_t kRangeGranularity = 64 * 1024;
const size_t kPageBytes = 4096;
#ifdef _WIN64
const size_t kWideReserve = (size_t)16 << 30;   // 2^31 elements of 8 bytes
#endif

size_t RoundUp(size_t cb, size_t unit)
{
    return (cb + unit - 1) / unit * unit;
}

BlockHeader* HeaderOf(const void* p)
{
    return (BlockHeader*)((BYTE*)p - kHeaderBytes);
}

void* DataOf(BlockHeader* pHeader)
{
    return (BYTE*)pHeader + kHeaderBytes;
}

void* HeapBlock(size_t cbData)
{
    BlockHeader* pHeader = (BlockHeader*)malloc(kHeaderBytes + cbData);
    if (pHeader == NULL)
        AfxThrowMemoryException();
    pHeader->cbReserved = 0;
    pHeader->cbCommitted = 0;
    return DataOf(pHeader);
}

// Commits the range block's pages up to cbTotal bytes from its start.
BOOL CommitTo(BlockHeader* pHeader, size_t cbTotal)
{
    const size_t cbWanted = RoundUp(cbTotal, kPageBytes);
    if (cbWanted <= pHeader->cbCommitted)
        return TRUE;
    if (cbWanted > pHeader->cbReserved)
        return FALSE;
    if (::VirtualAlloc((BYTE*)pHeader + pHeader->cbCommitted, cbWanted - pHeader->cbCommitted,
                       MEM_COMMIT, PAGE_READWRITE) == NULL)
        return FALSE;
    pHeader->cbCommitted = cbWanted;
    return TRUE;
}

// A reserved range for cbTotal bytes or more: the first of the sizes asked
// for (largest first) that the address space still has room for.
void* ReserveRange(size_t cbTotal, size_t& rcbReserve)
{
    size_t sizes[3];
    int nSizes = 0;
#ifdef _WIN64
    if (cbTotal < kWideReserve / 2)
        sizes[nSizes++] = kWideReserve;
#endif
    if (cbTotal <= ((size_t)-1) / 4)
        sizes[nSizes++] = RoundUp(2 * cbTotal, kRangeGranularity);
    // Address space is short (32-bit processes): just enough.
    sizes[nSizes++] = RoundUp(cbTotal, kRangeGranularity);
    for (int i = 0; i < nSizes; i++)
    {
        void* pBase = ::VirtualAlloc(NULL, sizes[i], MEM_RESERVE, PAGE_NOACCESS);
        if (pBase != NULL)
        {
            rcbReserve = sizes[i];
            return pBase;
        }
    }
    return NULL;
}

// A new range for cbData bytes of elements, with room to grow.
BlockHeader* NewRange(size_t cbData)
{
    const size_t cbTotal = kHeaderBytes + cbData;
    size_t cbReserve = 0;
    void* pBase = ReserveRange(cbTotal, cbReserve);
    if (pBase == NULL)
        return NULL;
    // The header's own page first, then the rest of what is asked for.
    if (::VirtualAlloc(pBase, kPageBytes, MEM_COMMIT, PAGE_READWRITE) == NULL)
    {
        ::VirtualFree(pBase, 0, MEM_RELEASE);
        return NULL;
    }
    BlockHeader* pHeader = (BlockHeader*)pBase;
    pHeader->cbReserved = cbReserve;
    pHeader->cbCommitted = kPageBytes;
    if (!CommitTo(pHeader, cbTotal))
    {
        ::VirtualFree(pBase, 0, MEM_RELEASE);
        return NULL;
    }
    return pHeader;
}

void FreeHeader(BlockHeader* pHeader)
{
    if (pHeader->cbReserved != 0)
        ::VirtualFree(pHeader, 0, MEM_RELEASE);
    else
        free(pHeader);
}

} // namespace

void* AFXAPI _AfxArrayAlloc(size_t cb)
{
    if (cb > ((size_t)-1) - kHeaderBytes)
        AfxThrowMemoryException();
    return HeapBlock(cb);
}

void* AFXAPI _AfxArrayRealloc(void* p, size_t cbKeep, size_t cbNew)
{
    if (p == NULL)
        return _AfxArrayAlloc(cbNew);
    if (cbNew > ((size_t)-1) - kHeaderBytes)
        AfxThrowMemoryException();
    BlockHeader* pHeader = HeaderOf(p);

    // Growing inside its own range: commit more pages, nothing moves.
    if (pHeader->cbReserved != 0 && CommitTo(pHeader, kHeaderBytes + cbNew))
        return p;

    if (pHeader->cbReserved == 0 && cbNew < kRangeThreshold)
    {
        BlockHeader* pGrown = (BlockHeader*)realloc(pHeader, kHeaderBytes + cbNew);
        if (pGrown == NULL)
            AfxThrowMemoryException();
        return DataOf(pGrown);
    }

    // Large: into a (larger) range of its own, with one copy.
    BlockHeader* pRange = NewRange(cbNew);
    if (pRange == NULL)
        AfxThrowMemoryException();
    if (cbKeep > cbNew)
        cbKeep = cbNew;
    memcpy(DataOf(pRange), p, cbKeep);
    FreeHeader(pHeader);
    return DataOf(pRange);
}

void AFXAPI _AfxArrayFree(void* p)
{
    if (p != NULL)
        FreeHeader(HeaderOf(p));
}

size_t AFXAPI _AfxArrayBlockCommitted(const void* p)
{
    if (p == NULL)
        return 0;
    const BlockHeader* pHeader = HeaderOf(p);
    return pHeader->cbReserved != 0 ? pHeader->cbCommitted : 0;
}
