// Per-thread registry of handle maps and the temporary-map lock.
//
// The registry of a thread hangs off a Win32 TLS slot.  A thread-local guard
// deletes it when the thread ends; a lookup after that (static destructors
// at process exit) gets a fresh registry that is simply left to the exit.

#include "handlemap.h"

#include <unordered_map>
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
    unsigned long nTempSerial;      // of the last temporary made

    CThreadHandleMaps() : nTempMapLock(0), nTempSerial(0) {}

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

// Which map holds each attached object, under which key; with the lock that
// guards every map's permanent entries.  Never destroyed: static destructors
// at process exit still detach objects.
struct CPermanentOwners
{
    struct Owner
    {
        CHandleMapBase* pMap;
        const void* key;
    };
    CRITICAL_SECTION cs;
    std::unordered_map<const void*, Owner> owners;

    CPermanentOwners() { ::InitializeCriticalSection(&cs); }
};

CPermanentOwners& Owners()
{
    static CPermanentOwners* s_pOwners = new CPermanentOwners;
    return *s_pOwners;
}

} // namespace

CHandleMapBase::CPermanentLock::CPermanentLock()
{
    ::EnterCriticalSection(&Owners().cs);
}

CHandleMapBase::CPermanentLock::~CPermanentLock()
{
    ::LeaveCriticalSection(&Owners().cs);
}

void CHandleMapBase::NoteOwner(const void* pObject, const void* key)
{
    CPermanentOwners::Owner owner = { this, key };
    Owners().owners[pObject] = owner;
}

void CHandleMapBase::ForgetOwner(const void* pObject)
{
    std::unordered_map<const void*, CPermanentOwners::Owner>& owners = Owners().owners;
    std::unordered_map<const void*, CPermanentOwners::Owner>::iterator it = owners.find(pObject);
    if (it != owners.end() && it->second.pMap == this)
        owners.erase(it);
}

BOOL CHandleMapBase::RemovePermanentObject(const void* pObject)
{
    CPermanentLock lock;
    std::unordered_map<const void*, CPermanentOwners::Owner>& owners = Owners().owners;
    std::unordered_map<const void*, CPermanentOwners::Owner>::iterator it = owners.find(pObject);
    if (it == owners.end())
        return FALSE;
    CPermanentOwners::Owner owner = it->second;
    owners.erase(it);
    owner.pMap->ErasePermanent(owner.key, pObject);
    return TRUE;
}

unsigned long CHandleMapBase::NextTempSerial()
{
    return ++ThreadMaps().nTempSerial;
}

unsigned long AFXAPI AfxLiteTempMark()
{
    return ThreadMaps().nTempSerial + 1;
}

void AFXAPI AfxLiteDeleteTempsSince(unsigned long nMark)
{
    CThreadHandleMaps& state = ThreadMaps();
    if (state.nTempMapLock != 0)
        return;
    // A temporary's destructor may register a new map kind; index, not iterate.
    for (size_t i = 0; i < state.maps.size(); i++)
        state.maps[i].pMap->DeleteTempSince(nMark);
}

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
