// CPlex: block allocation for list nodes and map associations.

#include <afxplex_.h>

CPlex* PASCAL CPlex::Create(CPlex*& pHead, UINT nMax, UINT cbElement)
{
    ASSERT(nMax > 0 && cbElement > 0);
    if (nMax == 0 || cbElement == 0 ||
        (size_t)nMax > ((size_t)-1 - sizeof(CPlex)) / cbElement)
        AfxThrowMemoryException();
    void* pBlock = ::operator new(sizeof(CPlex) + (size_t)nMax * cbElement, std::nothrow);
    if (pBlock == NULL)
        AfxThrowMemoryException();
    CPlex* p = (CPlex*)pBlock;
    p->pNext = pHead;
    p->pad = NULL;
    pHead = p;
    return p;
}

void CPlex::FreeDataChain()
{
    CPlex* p = this;
    while (p != NULL)
    {
        CPlex* pNext = p->pNext;
        ::operator delete((void*)p);
        p = pNext;
    }
}
