// DllMain of the test extension library: initialises its extension module,
// joins the resource chain with a CDynLinkLibrary and reports what it saw.

#include <afxwin.h>
#include <afxdllx.h>

#include "wnd_extdll_internal.h"

class CWndExtProbeA : public CObject
{
    DECLARE_DYNAMIC(CWndExtProbeA)
};

IMPLEMENT_DYNAMIC(CWndExtProbeA, CObject)

static AFX_EXTENSION_MODULE s_extensionModule;

WndExtLoadReport& WndExtReport()
{
    static WndExtLoadReport s_report;
    return s_report;
}

BOOL WndExtIsOwnClassName(LPCSTR lpszName)
{
    return lstrcmpA(lpszName, WND_EXT_CLASS_A) == 0 || lstrcmpA(lpszName, WND_EXT_CLASS_B) == 0;
}

BOOL WndExtListHoldsOnlyOwnClasses()
{
    for (CRuntimeClass* pClass = AfxGetModuleState()->m_classList; pClass != NULL;
         pClass = pClass->m_pNextClass)
    {
        if (!WndExtIsOwnClassName(pClass->m_lpszClassName))
            return FALSE;
    }
    return TRUE;
}

namespace {

// A default-priority static object of the unit with DllMain.
struct CMainUnitObserver
{
    CMainUnitObserver()
    {
        WndExtReport().bMainUnitSawClearedList = WndExtListHoldsOnlyOwnClasses();
    }
} s_observer;

} // namespace

extern "C" __declspec(dllexport) const WndExtLoadReport* __cdecl WndExtGetLoadReport()
{
    return &WndExtReport();
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        if (!AfxInitExtensionModule(s_extensionModule, hInstance))
            return FALSE;

        WndExtLoadReport& report = WndExtReport();
        report.bInitialized = s_extensionModule.bInitialized;
        report.nSharedClasses = 0;
        report.bSharedClassesAreOwn = TRUE;
        for (CRuntimeClass* pClass = s_extensionModule.pFirstSharedClass; pClass != NULL;
             pClass = pClass->m_pNextClass)
        {
            report.nSharedClasses++;
            if (!WndExtIsOwnClassName(pClass->m_lpszClassName))
                report.bSharedClassesAreOwn = FALSE;
        }

        new CDynLinkLibrary(s_extensionModule);
    }
    else if (dwReason == DLL_PROCESS_DETACH)
    {
        AfxTermExtensionModule(s_extensionModule);
    }
    return TRUE;
}
