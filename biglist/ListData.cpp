// ListData.cpp - the process-wide pool behind CListData's new and delete.
#include "ListData.h"

#include <algorithm>
#include <new>
#include <vector>

namespace {

// Fixed-size blocks carved from chunks; freed blocks are linked through their
// first bytes. One lock guards it all: records are made on the threads that
// insert and freed on the window's thread.
class CRecordPool
{
public:
    enum
    {
        kChunkBytes = 64 * 1024,
        kBlockBytes = sizeof(CListData)
    };

    void* Allocate()
    {
        CLock lock(m_lock);
        void* p = m_pFree;
        if (p != NULL)
        {
            m_pFree = *static_cast<void**>(p);
        }
        else
        {
            if (m_pBump == m_pBumpEnd)
                AddChunk();   // throws std::bad_alloc as the plain new does
            p = m_pBump;
            m_pBump += kBlockBytes;
        }
        ++m_nLive;
        return p;
    }

    // FALSE when p is not one of the pool's blocks.
    bool Free(void* p)
    {
        CLock lock(m_lock);
        if (!Owns(static_cast<char*>(p)))
            return false;
        *static_cast<void**>(p) = m_pFree;
        m_pFree = p;
        if (--m_nLive == 0)
            FreeChunks();
        return true;
    }

    size_t LiveCount()
    {
        CLock lock(m_lock);
        return m_nLive;
    }

private:
    class CLock
    {
    public:
        explicit CLock(SRWLOCK& lock) : m_rLock(lock) { ::AcquireSRWLockExclusive(&m_rLock); }
        ~CLock() { ::ReleaseSRWLockExclusive(&m_rLock); }

    private:
        SRWLOCK& m_rLock;
    };

    bool Owns(char* p) const
    {
        // The last chunk that starts at or below p.
        std::vector<char*>::const_iterator it = std::upper_bound(m_chunks.begin(), m_chunks.end(), p);
        if (it == m_chunks.begin())
            return false;
        --it;
        return p < *it + kChunkBytes && (p - *it) % kBlockBytes == 0;
    }

    void AddChunk()
    {
        m_chunks.reserve(m_chunks.size() + 1);   // may throw: before anything changes
        char* pChunk = static_cast<char*>(::operator new(kChunkBytes));
        m_chunks.insert(std::upper_bound(m_chunks.begin(), m_chunks.end(), pChunk), pChunk);
        m_pBump = pChunk;
        m_pBumpEnd = pChunk + kChunkBytes / kBlockBytes * kBlockBytes;
    }

    void FreeChunks()
    {
        for (size_t i = 0; i < m_chunks.size(); ++i)
            ::operator delete(m_chunks[i]);
        std::vector<char*>().swap(m_chunks);
        m_pFree = NULL;
        m_pBump = m_pBumpEnd = NULL;
    }

    SRWLOCK m_lock;
    std::vector<char*> m_chunks;   // chunk starts, ascending
    void* m_pFree;
    char* m_pBump;                 // next never-used block of the newest chunk
    char* m_pBumpEnd;
    size_t m_nLive;
};

// Made on first use and never destroyed, so that records freed during the
// process's shutdown still find it.
CRecordPool& Pool()
{
    static CRecordPool* s_pPool = new CRecordPool();   // value-initialised: SRWLOCK_INIT is all zeroes
    return *s_pPool;
}

} // namespace

void* CListData::operator new(size_t cb)
{
    if (cb != sizeof(CListData))
        return ::operator new(cb);
    return Pool().Allocate();
}

void CListData::operator delete(void* p)
{
    if (p != NULL && !Pool().Free(p))
        ::operator delete(p);
}

size_t CListData::GetPooledCount()
{
    return Pool().LiveCount();
}
