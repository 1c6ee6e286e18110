// FreedObjectGuard.h - objects whose memory nobody may touch once deleted.
//
//   NewGuarded<T>     T constructed in pages of its own; DeleteGuarded runs
//                     the destructors and then makes those pages inaccessible
//   FreedObjectGuard  counts every access to such pages after the delete
//                     (a vectored exception handler sees it first, notes
//                     it, gives the page back and lets the code go on, so
//                     a test reports the access rather than crashing)
#ifndef TESTS_REENTRY_FREEDOBJECTGUARD_H
#define TESTS_REENTRY_FREEDOBJECTGUARD_H

#include <windows.h>

#include <cstddef>
#include <new>
#include <string>

namespace reentrytest {

class FreedObjectGuard
{
public:
    // Installs the exception handler; Uninstall frees every guarded block.
    static void Install();
    static void Uninstall();

    static void* Allocate(size_t size);
    static void Free(void* p);

    // Accesses to freed objects since Install, and where the first was.
    static int Faults();
    static std::string FirstFault();
};

// A T in pages of its own, and its end: the destructors run, then the
// pages become inaccessible. (Constructed in place rather than through a
// class of the test's own, since some controls export too little of their
// virtual table to be derived from.)
template <class T>
T* NewGuarded()
{
    return new (FreedObjectGuard::Allocate(sizeof(T))) T;
}

template <class T>
void DeleteGuarded(T* p)
{
    p->~T();
    FreedObjectGuard::Free(p);
}

} // namespace reentrytest

#endif // TESTS_REENTRY_FREEDOBJECTGUARD_H
