// NodePool.h - CNodePool, fixed-size blocks carved from large chunks.
//
// Classes in this file:
//   CNodePool  pool of equally sized blocks for the nodes of the big list's
//              key map: one heap allocation per chunk instead of per node,
//              so a node costs its own size and nothing more.
#ifndef BIGLIST_NODEPOOL_H
#define BIGLIST_NODEPOOL_H

#include <stddef.h>
#include <new>

// Not thread-safe: the key map that owns it is used from one thread only.
// Reference counted, because every copy of the map's allocator shares it.
class CNodePool
{
public:
    CNodePool()
        : m_nBlockSize(0), m_pChunks(NULL), m_pFree(NULL), m_pBump(NULL), m_pBumpEnd(NULL),
          m_nLive(0), m_nRefs(1)
    {
    }

    void AddRef() { ++m_nRefs; }
    void Release()
    {
        if (--m_nRefs == 0)
            delete this;
    }

    // The first request fixes the block size; requests of any other size are
    // not served by the pool (Allocate returns NULL for them).
    bool Serves(size_t cb)
    {
        const size_t cbBlock = RoundUp(cb);
        if (m_nBlockSize == 0)
            m_nBlockSize = cbBlock;
        return cbBlock == m_nBlockSize;
    }

    // A block of the pool's size; throws std::bad_alloc as the plain new does.
    void* Allocate()
    {
        void* p;
        if (m_pFree != NULL)
        {
            p = m_pFree;
            m_pFree = *static_cast<void**>(p);
        }
        else
        {
            if (m_pBump == m_pBumpEnd)
                AddChunk();
            p = m_pBump;
            m_pBump += m_nBlockSize;
        }
        ++m_nLive;
        return p;
    }

    void Free(void* p)
    {
        *static_cast<void**>(p) = m_pFree;
        m_pFree = p;
        --m_nLive;
    }

    // Gives every chunk back to the heap when no block is in use.
    void Trim()
    {
        if (m_nLive == 0)
            FreeChunks();
    }

    size_t GetLiveCount() const { return m_nLive; }
    size_t GetBlockSize() const { return m_nBlockSize; }

private:
    enum
    {
        kChunkBytes = 64 * 1024,
        kHeaderBytes = 16      // chunk link, padded so blocks stay 16-byte aligned
    };

    ~CNodePool() { FreeChunks(); }
    CNodePool(const CNodePool&);
    CNodePool& operator=(const CNodePool&);

    static size_t RoundUp(size_t cb)
    {
        const size_t a = sizeof(void*);
        if (cb < a)
            cb = a;
        return (cb + a - 1) / a * a;
    }

    void AddChunk()
    {
        char* pChunk = static_cast<char*>(::operator new(kChunkBytes));
        *reinterpret_cast<char**>(pChunk) = m_pChunks;
        m_pChunks = pChunk;
        m_pBump = pChunk + kHeaderBytes;
        m_pBumpEnd = m_pBump + (kChunkBytes - kHeaderBytes) / m_nBlockSize * m_nBlockSize;
    }

    void FreeChunks()
    {
        while (m_pChunks != NULL)
        {
            char* pNext = *reinterpret_cast<char**>(m_pChunks);
            ::operator delete(m_pChunks);
            m_pChunks = pNext;
        }
        m_pFree = NULL;
        m_pBump = m_pBumpEnd = NULL;
    }

    size_t m_nBlockSize;
    char* m_pChunks;      // singly linked through each chunk's first bytes
    void* m_pFree;        // freed blocks, linked through their first bytes
    char* m_pBump;        // next never-used block of the newest chunk
    char* m_pBumpEnd;
    size_t m_nLive;
    long m_nRefs;
};

#endif // BIGLIST_NODEPOOL_H
