// NodePoolAllocator.h - CNodePoolAllocator, a standard allocator on CNodePool.
//
// Classes in this file:
//   CNodePoolAllocator<T>  allocator for node-based containers: single
//                          objects come from a shared CNodePool, anything else
//                          from the plain new.
#ifndef BIGLIST_NODEPOOLALLOCATOR_H
#define BIGLIST_NODEPOOLALLOCATOR_H

#include "NodePool.h"

template <class T>
class CNodePoolAllocator
{
public:
    typedef T value_type;

    CNodePoolAllocator() : m_pPool(new CNodePool) {}
    CNodePoolAllocator(const CNodePoolAllocator& other) : m_pPool(other.m_pPool) { m_pPool->AddRef(); }
    template <class U>
    CNodePoolAllocator(const CNodePoolAllocator<U>& other) : m_pPool(other.GetPool()) { m_pPool->AddRef(); }
    ~CNodePoolAllocator() { m_pPool->Release(); }

    CNodePoolAllocator& operator=(const CNodePoolAllocator& other)
    {
        other.m_pPool->AddRef();
        m_pPool->Release();
        m_pPool = other.m_pPool;
        return *this;
    }

    T* allocate(size_t n)
    {
        if (n == 1 && m_pPool->Serves(sizeof(T)))
            return static_cast<T*>(m_pPool->Allocate());
        return static_cast<T*>(::operator new(n * sizeof(T)));
    }

    void deallocate(T* p, size_t n)
    {
        if (n == 1 && m_pPool->Serves(sizeof(T)))
            m_pPool->Free(p);
        else
            ::operator delete(p);
    }

    CNodePool* GetPool() const { return m_pPool; }

private:
    CNodePool* m_pPool;
};

template <class T, class U>
inline bool operator==(const CNodePoolAllocator<T>& a, const CNodePoolAllocator<U>& b)
{
    return a.GetPool() == b.GetPool();
}

template <class T, class U>
inline bool operator!=(const CNodePoolAllocator<T>& a, const CNodePoolAllocator<U>& b)
{
    return a.GetPool() != b.GetPool();
}

#endif // BIGLIST_NODEPOOLALLOCATOR_H
