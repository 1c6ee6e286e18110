// Per-thread registry of handle maps and the temporary-map lock.

#include "handlemap.h"

#include <vector>

namespace {

// The calling thread's maps and its temp-map lock count.  Destroyed when the
// thread ends; deletes the maps (and with them the temporaries) then.
struct CThreadHandleMaps
{
    struct Entry
    {
        CHandleMapBase* pMap;
        CHandleMapBase** ppSlot;
    };
    std::vector<Entry> maps;
    int nTempMapLock;

    CThreadHandleMaps() : nTempMapLock(0) {}

    ~CThreadHandleMaps()
    {
        for (size_t i = 0; i < maps.size(); i++)
            maps[i].pMap->DeleteTemp();
        for (size_t i = 0; i < maps.size(); i++)
        {
            *maps[i].ppSlot = NULL;
            delete maps[i].pMap;
        }
    }
};

CThreadHandleMaps& ThreadMaps()
{
    static thread_local CThreadHandleMaps s_maps;
    return s_maps;
}

} // namespace

CHandleMapBase::CHandleMapBase()
{
}

CHandleMapBase::~CHandleMapBase()
{
}

void CHandleMapBase::RegisterWithThread(CHandleMapBase** ppSlot)
{
    CThreadHandleMaps::Entry entry = { this, ppSlot };
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
