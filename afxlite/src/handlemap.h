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
// Nothing here is locked: each map is touched only by its own thread.

#ifndef AFXLITE_HANDLEMAP_H
#define AFXLITE_HANDLEMAP_H

#include <afxgdi.h>

#include <unordered_map>

class CHandleMapBase
{
public:
    CHandleMapBase();
    virtual ~CHandleMapBase();

    // Delete every temporary object of this map.
    virtual void DeleteTemp() = 0;

    // The calling thread's map of the kind identified by pKind (the address
    // of a static object unique to the kind), or NULL before its first use.
    static CHandleMapBase* LookupThreadMap(const void* pKind);

protected:
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
        m_temporary[Key(h)] = pObject;
        return pObject;
    }

    CT* LookupPermanent(HT h) const
    {
        typename Map::const_iterator it = m_permanent.find(Key(h));
        return it == m_permanent.end() ? NULL : it->second;
    }

    CT* LookupTemporary(HT h) const
    {
        typename Map::const_iterator it = m_temporary.find(Key(h));
        return it == m_temporary.end() ? NULL : it->second;
    }

    // Records pObject as the permanent wrapper of h.  A temporary wrapper of
    // the same handle stays valid until the temporaries are deleted.
    void SetPermanent(HT h, CT* pObject)
    {
        ASSERT(h != NULL && pObject != NULL);
        m_permanent[Key(h)] = pObject;
    }

    // Forgets the permanent object of h (not deleted).  A temporary wrapper
    // of h, which callers may still hold, stays until the temporaries go.
    void RemoveHandle(HT h)
    {
        m_permanent.erase(Key(h));
    }

    int GetPermanentCount() const { return (int)m_permanent.size(); }
    int GetTemporaryCount() const { return (int)m_temporary.size(); }

    virtual void DeleteTemp()
    {
        // A destructor may create or look up temporaries again; work on a
        // detached copy so the map is consistent throughout.
        Map doomed;
        doomed.swap(m_temporary);
        for (typename Map::iterator it = doomed.begin(); it != doomed.end(); ++it)
            Traits::DeleteTemp(it->second);
    }

    virtual ~CHandleMap()
    {
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

private:
    typedef std::unordered_map<const void*, CT*> Map;
    static const void* Key(HT h) { return (const void*)h; }

    Map m_permanent;
    Map m_temporary;
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
