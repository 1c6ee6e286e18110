// The process-wide module state: run-time class list, resource handles,
// extension modules and the resource chain of CDynLinkLibrary objects.

#include <afxwin.h>

#include "core_internal.h"

namespace {

// Guards the class list and the library list.  Extension libraries register
// from their DllMain (under the loader lock) and hosts may create windows on
// several threads, so every change of the lists takes it.  Recursive: a
// CDynLinkLibrary destructor unlinks itself while AfxTermExtensionModule
// walks the list.
class CModuleLock
{
public:
    CModuleLock() { ::EnterCriticalSection(Section()); }
    ~CModuleLock() { ::LeaveCriticalSection(Section()); }

private:
    static CRITICAL_SECTION* Section()
    {
        // Never destroyed: libraries may still detach while the process ends.
        static CRITICAL_SECTION* s_pSection = MakeSection();
        return s_pSection;
    }
    static CRITICAL_SECTION* MakeSection()
    {
        CRITICAL_SECTION* pSection = new CRITICAL_SECTION;
        ::InitializeCriticalSection(pSection);
        return pSection;
    }
};

// TRUE between an extension library's raw entry hook and its
// AfxInitExtensionModule: the module's own list is then set aside in
// m_pClassInit and m_classList holds only the library's classes.
BOOL s_bListsSetAside = FALSE;

#ifdef TEST_SEAMS
// The test seam of AfxLiteFailNextExtensionInit (test build only).
volatile LONG s_nFailNextInit = 0;
#endif

TCHAR s_szExeName[MAX_PATH];

} // namespace

/////////////////////////////////////////////////////////////////////////////
// AFX_MODULE_STATE

AFX_MODULE_STATE::AFX_MODULE_STATE()
    : m_pCurrentWinApp(NULL), m_hCurrentInstanceHandle(NULL),
      m_hCurrentResourceHandle(NULL), m_lpszCurrentAppName(NULL),
      m_bDLL(FALSE), m_bSystem(FALSE), m_pClassInit(NULL), m_pFactoryInit(NULL),
      m_fRegisteredClasses(0)
{
}

AFX_MODULE_STATE* AFXAPI AfxGetModuleState()
{
    // Built on first use (the layer's own classes register during its static
    // initialisation) and never destroyed: extension libraries that detach
    // late must still find it.
    static AFX_MODULE_STATE* s_pState = new AFX_MODULE_STATE;
    return s_pState;
}

AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState()
{
    return AfxGetModuleState();
}

void AFXAPI AfxClassInit(CRuntimeClass* pNewClass)
{
    ASSERT(pNewClass != NULL);
    CModuleLock lock;
    AfxGetModuleState()->m_classList.AddHead(pNewClass);
}

CRuntimeClass* AFXAPI AfxLiteFindRuntimeClass(LPCSTR lpszClassName)
{
    if (lpszClassName == NULL)
        return NULL;
    CModuleLock lock;
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    for (CRuntimeClass* pClass = pState->m_classList; pClass != NULL;
         pClass = pClass->m_pNextClass)
    {
        if (lstrcmpA(pClass->m_lpszClassName, lpszClassName) == 0)
            return pClass;
    }
    for (CDynLinkLibrary* pDLL = pState->m_libraryList; pDLL != NULL; pDLL = pDLL->m_pNextDLL)
    {
        for (CRuntimeClass* pClass = pDLL->m_classList; pClass != NULL;
             pClass = pClass->m_pNextClass)
        {
            if (lstrcmpA(pClass->m_lpszClassName, lpszClassName) == 0)
                return pClass;
        }
    }
    return NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Instance and resource handles

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    HINSTANCE hInstance = AfxGetModuleState()->m_hCurrentInstanceHandle;
    return hInstance != NULL ? hInstance : ::GetModuleHandle(NULL);
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    HINSTANCE hResource = AfxGetModuleState()->m_hCurrentResourceHandle;
    return hResource != NULL ? hResource : ::GetModuleHandle(NULL);
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    ASSERT(hInstResource != NULL);
    AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

LPCTSTR AFXAPI AfxGetAppName()
{
    LPCTSTR lpszName = AfxGetModuleState()->m_lpszCurrentAppName;
    if (lpszName != NULL)
        return lpszName;
    // Without an application object: the executable's base name.
    if (s_szExeName[0] == '\0')
    {
        TCHAR szPath[MAX_PATH];
        LPTSTR lpszDot = NULL;
        LPTSTR lpszBase = AfxLiteSplitModulePath(NULL, szPath, &lpszDot);
        if (lpszBase == NULL)
            return _T("");
        if (lpszDot != NULL)
            *lpszDot = '\0';
        lstrcpyn(s_szExeName, lpszBase, MAX_PATH);
    }
    return s_szExeName;
}

LPTSTR AfxLiteSplitModulePath(HMODULE hModule, LPTSTR szPath, LPTSTR* ppDot)
{
    *ppDot = NULL;
    DWORD nLen = ::GetModuleFileName(hModule, szPath, MAX_PATH);
    if (nLen == 0 || nLen >= MAX_PATH)
    {
        szPath[0] = '\0';
        return NULL;
    }
    LPTSTR lpszBase = szPath;
    for (LPTSTR p = szPath; *p != '\0'; p = ::CharNext(p))
    {
        if (*p == '\\' || *p == '/' || *p == ':')
            lpszBase = p + 1;
    }
    *ppDot = _tcsrchr(lpszBase, '.');
    return lpszBase;
}

// The current resource module first, then the libraries of the chain in
// list order (those that are not system libraries before those that are);
// the current resource module when nobody has the resource.
HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    ASSERT(lpszName != NULL && lpszType != NULL);
    HINSTANCE hCurrent = AfxGetResourceHandle();
    if (lpszName == NULL || lpszType == NULL)
        return hCurrent;
    if (::FindResource(hCurrent, lpszName, lpszType) != NULL)
        return hCurrent;

    CModuleLock lock;
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    for (int nPass = 0; nPass < 2; nPass++)
    {
        BOOL bSystem = nPass == 1;
        for (CDynLinkLibrary* pDLL = pState->m_libraryList; pDLL != NULL; pDLL = pDLL->m_pNextDLL)
        {
            if (!pDLL->m_bSystem == !bSystem && pDLL->m_hResource != NULL &&
                ::FindResource(pDLL->m_hResource, lpszName, lpszType) != NULL)
            {
                return pDLL->m_hResource;
            }
        }
    }
    return hCurrent;
}

/////////////////////////////////////////////////////////////////////////////
// Extension modules

void AFXAPI AfxLiteExtensionRawAttach()
{
    CModuleLock lock;
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    pState->m_pClassInit = pState->m_classList.m_pHead;
    pState->m_pFactoryInit = pState->m_factoryList.m_pHead;
    pState->m_classList.m_pHead = NULL;
    pState->m_factoryList.m_pHead = NULL;
    s_bListsSetAside = TRUE;
}

#ifdef TEST_SEAMS
void AFXAPI AfxLiteFailNextExtensionInit(BOOL bFail)
{
    ::InterlockedExchange(&s_nFailNextInit, bFail ? 1 : 0);
}
#endif

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    // only initialize once
    if (state.bInitialized)
        return TRUE;

    CModuleLock lock;
    AFX_MODULE_STATE* pState = AfxGetModuleState();

    // Give the module state its own lists back.  What is on them now are the
    // classes the library registered since its raw entry hook.  Without the
    // hook the library's classes went onto the module's list itself; they
    // stay there rather than taking the host's classes with them.
    CRuntimeClass* pLibraryClasses = NULL;
    COleObjectFactory* pLibraryFactories = NULL;
    if (s_bListsSetAside)
    {
        pLibraryClasses = pState->m_classList.m_pHead;
        pLibraryFactories = pState->m_factoryList.m_pHead;
        pState->m_classList.m_pHead = pState->m_pClassInit;
        pState->m_factoryList.m_pHead = pState->m_pFactoryInit;
        pState->m_pClassInit = NULL;
        pState->m_pFactoryInit = NULL;
        s_bListsSetAside = FALSE;
    }

    // A failed start leaves the library's classes out of every list: the
    // loader unloads the library right away.
#ifdef TEST_SEAMS
    if (::InterlockedExchange(&s_nFailNextInit, 0) != 0)
        hModule = NULL;
#endif
    if (hModule == NULL)
        return FALSE;

    state.bInitialized = TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.pFirstSharedClass = pLibraryClasses;
    state.pFirstSharedFactory = pLibraryFactories;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    if (!state.bInitialized)
        return;

    CModuleLock lock;
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    for (CDynLinkLibrary* pDLL = pState->m_libraryList; pDLL != NULL; )
    {
        CDynLinkLibrary* pNextDLL = pDLL->m_pNextDLL;
        if (bAll || pDLL->m_hModule == state.hModule)
            delete pDLL;    // unlinks itself
        pDLL = pNextDLL;
    }
}

/////////////////////////////////////////////////////////////////////////////
// CDynLinkLibrary

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource), m_bSystem(bSystem),
      m_pNextDLL(NULL)
{
    ASSERT(state.hModule != NULL);
    m_classList.m_pHead = state.pFirstSharedClass;
    m_factoryList.m_pHead = state.pFirstSharedFactory;

    // Newer libraries go in front of older ones.
    CModuleLock lock;
    AfxGetModuleState()->m_libraryList.AddHead(this);
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_bSystem(FALSE), m_pNextDLL(NULL)
{
    CModuleLock lock;
    AfxGetModuleState()->m_libraryList.AddHead(this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    CModuleLock lock;
    AfxGetModuleState()->m_libraryList.Remove(this);
}

/////////////////////////////////////////////////////////////////////////////
// Loading libraries

HINSTANCE AFXAPI AfxLoadLibrary(LPCTSTR lpszModuleName)
{
    ASSERT(lpszModuleName != NULL);
    return ::LoadLibrary(lpszModuleName);
}

BOOL AFXAPI AfxFreeLibrary(HINSTANCE hInstLib)
{
    return ::FreeLibrary(hInstLib);
}
