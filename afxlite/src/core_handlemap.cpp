// Per-thread registry of handle maps and the temporary-map lock.
//
// The registry of a thread hangs off a Win32 TLS slot.  A thread-local guard
// deletes it when the thread ends; a lookup after that (static destructors
// at process exit) gets a fresh registry that is simply left to the exit.

#include "handlemap.h"

#include <vector>

namespace {

struct CThreadHandleMaps
{
    struct Entry
    {
        const void* pKind;
        CHandleMapBase* pMap;
    };
    std::vector<Entry> maps;
    int nTempMapLock;

    CThreadHandleMaps() : nTempMapLock(0) {}

    ~CThreadHandleMaps()
    {
        // Temporaries first (their destructors may look maps up), then the maps.
        for (size_t i = 0; i < maps.size(); i++)
            maps[i].pMap->DeleteTemp();
        for (size_t i = 0; i < maps.size(); i++)
            delete maps[i].pMap;
    }
};

DWORD RegistrySlot()
{
    static const DWORD s_slot = ::TlsAlloc();
    return s_slot;
}

// Set once the thread's guard has run; trivially destructible on purpose.
thread_local bool t_bGuardDone = false;

struct CRegistryGuard
{
    bool bArmed = false;
    ~CRegistryGuard()
    {
        t_bGuardDone = true;
        if (!bArmed)
            return;
        CThreadHandleMaps* pMaps = (CThreadHandleMaps*)::TlsGetValue(RegistrySlot());
        ::TlsSetValue(RegistrySlot(), NULL);
        delete pMaps;
    }
};

void ArmGuard()
{
    if (t_bGuardDone)
        return;  // the thread is ending: the registry is left to the exit
    static thread_local CRegistryGuard s_guard;
    s_guard.bArmed = true;
}

CThreadHandleMaps& ThreadMaps()
{
    CThreadHandleMaps* pMaps = (CThreadHandleMaps*)::TlsGetValue(RegistrySlot());
    if (pMaps == NULL)
    {
        pMaps = new CThreadHandleMaps;
        ::TlsSetValue(RegistrySlot(), pMaps);
        ArmGuard();
    }
    return *pMaps;
}

} // namespace

CHandleMapBase::CHandleMapBase()
{
}

CHandleMapBase::~CHandleMapBase()
{
}

CHandleMapBase* CHandleMapBase::LookupThreadMap(const void* pKind)
{
    CThreadHandleMaps& state = ThreadMaps();
    for (size_t i = 0; i < state.maps.size(); i++)
        if (state.maps[i].pKind == pKind)
            return state.maps[i].pMap;
    return NULL;
}

void CHandleMapBase::RegisterWithThread(const void* pKind)
{
    CThreadHandleMaps::Entry entry = { pKind, this };
    ThreadMaps().maps.push_back(entry);
}

void AfxDeleteAllTempMaps()
{
    CThreadHandleMaps& state = ThreadMaps();
    // A temporary's destructor may register a new map kind; index, not iterate.
    for (size_t i = 0; i < state.maps.size(); i++)
        state.maps[i].pMap->DeleteTemp();
}

void AFXAPI AfxLockTempMaps()
{
    ++ThreadMaps().nTempMapLock;
}

BOOL AFXAPI AfxUnlockTempMaps(BOOL bDeleteTemps)
{
    CThreadHandleMaps& state = ThreadMaps();
    if (state.nTempMapLock != 0 && --state.nTempMapLock == 0 && bDeleteTemps)
        AfxDeleteAllTempMaps();
    // TRUE while an outer caller still holds the lock.
    return state.nTempMapLock != 0;
}
