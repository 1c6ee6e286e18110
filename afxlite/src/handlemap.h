// handlemap.h - maps from Win32 handles to the framework objects wrapping them
// (internal to afxlite; hosts never include it).
//
// Classes:
//   CHandleMapBase          per-thread registry entry; temporaries are deleted
//                           through it when the temp-map lock count drops to 0
//   CHandleMap<Traits>      one map kind (HGDIOBJ, HDC, HWND, ...) on one thread
//   AfxGetHandleMap<Traits> the calling thread's map of that kind
//
// Every thread has its own maps, as in the framework: an object attached on one
// thread is not found by FromHandle on another, and a temporary object lives
// until the thread next unlocks its temporary maps to a count of 0
// (AfxUnlockTempMaps, declared in afxgdi.h) or calls the class's
// DeleteTempMap.  Temporaries left when a thread ends are deleted then.
// The registry of a thread is reached through a Win32 TLS slot, so lookups
// stay valid even while the process shuts down (static destructors that
// Detach still find a map, a fresh one if the thread's registry is gone).
//
// How a wrapper class uses it (CGdiObject and CDC do exactly this; the window
// layer does the same for CWnd/HWND):
//
//   struct CWndHandleTraits
//   {
//       typedef CWnd Object;
//       typedef HWND Handle;
//       // Create the temporary wrapper for h, already holding h.
//       static CWnd* NewTemp(HWND h) { CWnd* p = new CWnd; p->m_hWnd = h; return p; }
//       // Take the handle out of a temporary (so its destructor leaves the
//       // window alone) and delete the object.
//       static void DeleteTemp(CWnd* p) { p->m_hWnd = NULL; delete p; }
//   };
//   typedef CHandleMap<CWndHandleTraits> CWndHandleMap;
//
//   CWnd* PASCAL CWnd::FromHandle(HWND h)
//       { return AfxGetHandleMap<CWndHandleTraits>()->FromHandle(h); }
//   CWnd* PASCAL CWnd::FromHandlePermanent(HWND h)
//       { return AfxGetHandleMap<CWndHandleTraits>()->LookupPermanent(h); }
//   Attach:  AfxGetHandleMap<CWndHandleTraits>()->SetPermanent(h, this);
//   Detach:  AfxGetHandleMap<CWndHandleTraits>()->RemoveHandle(m_hWnd);
//            (only the permanent entry goes; a temporary of the handle
//            stays valid until the temporaries are deleted)
//   void PASCAL CWnd::DeleteTempMap()
//       { AfxGetHandleMap<CWndHandleTraits>()->DeleteTemp(); }
//
// Temporaries of every kind (windows, DCs, GDI objects, menus ...) go
// together whenever the thread's lock count returns to 0: a caller that
// makes many of them brackets its work with AfxLockTempMaps() and
// AfxUnlockTempMaps(); CWinThread::OnIdle does one such pair per idle turn.
//
// Temporaries are touched only by their own thread and not locked.  The
// permanent entries of every map are guarded by one process-wide lock, and
// each attached object's map is remembered: an object detached (or attached
// anew, or destroyed) on another thread than the one that attached it still
// leaves the right map, so no thread keeps an entry for freed memory.
//
// Every temporary carries the thread's serial number of its making, so the
// temporaries made since a mark can go without those made before it
// (AfxLiteDeleteTempsSince): modal loops and the outermost window-procedure
// call reclaim what they made and leave what their callers still hold.

#ifndef AFXLITE_HANDLEMAP_H
#define AFXLITE_HANDLEMAP_H

#include <afxgdi.h>
#include <afxlitetemp.h>

#include <cstddef>
#include <unordered_map>
#include <vector>

class CHandleMapBase
{
public:
    CHandleMapBase();
    virtual ~CHandleMapBase();

    // Delete every temporary object of this map.
    virtual void DeleteTemp() = 0;

    // Delete the temporaries whose serial number is nMark or later.
    virtual void DeleteTempSince(unsigned long nMark) = 0;

    // The calling thread's map of the kind identified by pKind (the address
    // of a static object unique to the kind), or NULL before its first use.
    static CHandleMapBase* LookupThreadMap(const void* pKind);

    // Takes pObject's permanent entry out of the map that holds it, whichever
    // thread that map belongs to; FALSE when it had none.
    static BOOL RemovePermanentObject(const void* pObject);

protected:
    // Holds the process-wide lock of the permanent entries (recursive).
    class CPermanentLock
    {
    public:
        CPermanentLock();
        ~CPermanentLock();
    private:
        CPermanentLock(const CPermanentLock&);
        void operator=(const CPermanentLock&);
    };

    // With the lock held: pObject is this map's permanent entry under key /
    // is no longer this map's.
    void NoteOwner(const void* pObject, const void* key);
    void ForgetOwner(const void* pObject);
    // With the lock held: erases the entry of key if it is pObject.
    virtual void ErasePermanent(const void* key, const void* pObject) = 0;

    // The serial number of the calling thread's next temporary.
    static unsigned long NextTempSerial();

    // Adds the map to the calling thread's registry as the map of kind
    // pKind.  The registry owns it from then on and deletes it (with its
    // temporaries) when the thread ends.
    void RegisterWithThread(const void* pKind);

private:
    CHandleMapBase(const CHandleMapBase&);
    void operator=(const CHandleMapBase&);
};

// Deletes the temporaries of every map of the calling thread.
void AfxDeleteAllTempMaps();

// AfxLiteTempMark and AfxLiteDeleteTempsSince: declared in afxlitetemp.h.

template <class Traits>
class CHandleMap : public CHandleMapBase
{
public:
    typedef typename Traits::Object CT;
    typedef typename Traits::Handle HT;

// Operations
    // Permanent object for h, else its temporary, else a new temporary.
    // NULL for a NULL handle.
    CT* FromHandle(HT h)
    {
        if (h == NULL)
            return NULL;
        CT* pObject = LookupPermanent(h);
        if (pObject != NULL)
            return pObject;
        pObject = LookupTemporary(h);
        if (pObject != NULL)
            return pObject;
        pObject = Traits::NewTemp(h);
        TempEntry entry = { pObject, NextTempSerial() };
        m_temporary[Key(h)] = entry;
        return pObject;
    }

    CT* LookupPermanent(HT h) const
    {
        CPermanentLock lock;
        typename Map::const_iterator it = m_permanent.find(Key(h));
        return it == m_permanent.end() ? NULL : it->second;
    }

    CT* LookupTemporary(HT h) const
    {
        typename TempMap::const_iterator it = m_temporary.find(Key(h));
        return it == m_temporary.end() ? NULL : it->second.pObject;
    }

    // Records pObject as the permanent wrapper of h, in place of any other
    // object of h and of any other handle pObject had.  A temporary wrapper
    // of the same handle stays valid until the temporaries are deleted.
    void SetPermanent(HT h, CT* pObject)
    {
        ASSERT(h != NULL && pObject != NULL);
        CPermanentLock lock;
        typename Map::iterator it = m_permanent.find(Key(h));
        if (it != m_permanent.end() && it->second != pObject)
            ForgetOwner(it->second);
        RemovePermanentObject(pObject);
        m_permanent[Key(h)] = pObject;
        NoteOwner(pObject, Key(h));
    }

    // Forgets the permanent object of h (not deleted).  A temporary wrapper
    // of h, which callers may still hold, stays until the temporaries go.
    void RemoveHandle(HT h)
    {
        CPermanentLock lock;
        typename Map::iterator it = m_permanent.find(Key(h));
        if (it == m_permanent.end())
            return;
        ForgetOwner(it->second);
        m_permanent.erase(it);
    }

    int GetPermanentCount() const
    {
        CPermanentLock lock;
        return (int)m_permanent.size();
    }
    int GetTemporaryCount() const { return (int)(m_temporary.size() + m_retired.size()); }

    // The handle of h's temporary is gone (destroyed through it): the
    // temporary leaves the lookup, so a new object given the same handle
    // value gets a fresh one, and is deleted with the other temporaries.
    void RetireTemporary(HT h)
    {
        typename TempMap::iterator it = m_temporary.find(Key(h));
        if (it == m_temporary.end())
            return;
        m_retired.push_back(it->second);
        m_temporary.erase(it);
    }

    virtual void DeleteTemp()
    {
        DeleteTempSince(0);
    }

    virtual void DeleteTempSince(unsigned long nMark)
    {
        // A destructor may create or look up temporaries again; take the
        // doomed ones out first so the map is consistent throughout.
        TempMap doomed;
        std::vector<TempEntry> retired;
        for (size_t i = 0; i < m_retired.size();)
        {
            if (m_retired[i].nSerial >= nMark)
            {
                retired.push_back(m_retired[i]);
                m_retired.erase(m_retired.begin() + (std::ptrdiff_t)i);
            }
            else
            {
                i++;
            }
        }
        for (size_t i = 0; i < retired.size(); i++)
            Traits::DeleteTemp(retired[i].pObject);
        if (nMark == 0)
        {
            doomed.swap(m_temporary);
        }
        else
        {
            for (typename TempMap::iterator it = m_temporary.begin(); it != m_temporary.end();)
            {
                if (it->second.nSerial >= nMark)
                {
                    doomed.insert(*it);
                    it = m_temporary.erase(it);
                }
                else
                {
                    ++it;
                }
            }
        }
        for (typename TempMap::iterator it = doomed.begin(); it != doomed.end(); ++it)
            Traits::DeleteTemp(it->second.pObject);
    }

    virtual ~CHandleMap()
    {
        {
            CPermanentLock lock;
            for (typename Map::iterator it = m_permanent.begin(); it != m_permanent.end(); ++it)
                ForgetOwner(it->second);
            m_permanent.clear();
        }
        DeleteTemp();
    }

    // The calling thread's instance; created and registered on first use.
    static CHandleMap* PASCAL GetThreadMap()
    {
        static const char s_kind = 0;
        CHandleMapBase* pFound = LookupThreadMap(&s_kind);
        if (pFound != NULL)
            return static_cast<CHandleMap*>(pFound);
        CHandleMap* pMap = new CHandleMap;
        pMap->RegisterWithThread(&s_kind);
        return pMap;
    }

protected:
    virtual void ErasePermanent(const void* key, const void* pObject)
    {
        typename Map::iterator it = m_permanent.find(key);
        if (it != m_permanent.end() && it->second == pObject)
            m_permanent.erase(it);
    }

private:
    struct TempEntry
    {
        CT* pObject;
        unsigned long nSerial;
    };
    typedef std::unordered_map<const void*, CT*> Map;
    typedef std::unordered_map<const void*, TempEntry> TempMap;
    static const void* Key(HT h) { return (const void*)h; }

    Map m_permanent;
    TempMap m_temporary;
    std::vector<TempEntry> m_retired;   // temporaries whose handle is gone
};

// Traits of a wrapper whose only state is one handle member (CMenu,
// CImageList): a temporary is a default-constructed wrapper holding the
// handle, and it lets go of the handle before it is deleted, so it never
// destroys what it wraps.
template <class T, class H, H T::*pHandle>
struct CMemberHandleTraits
{
    typedef T Object;
    typedef H Handle;
    static T* NewTemp(H h)
    {
        T* p = new T;
        p->*pHandle = h;
        return p;
    }
    static void DeleteTemp(T* p)
    {
        p->*pHandle = NULL;
        delete p;
    }
};

template <class Traits>
inline CHandleMap<Traits>* AfxGetHandleMap()
{
    return CHandleMap<Traits>::GetThreadMap();
}

#endif // AFXLITE_HANDLEMAP_H
