// LumivaneMain.cpp - start and stop of Lumivane.dll as an extension module.
//
// The library joins the host's module lists through a CDynLinkLibrary, so
// that its runtime class is known to the host; it refuses to load when its
// module cannot be initialised.
#include <afxwin.h>
#include <afxdllx.h>

// Zero-initialised, as the framework expects before AfxInitExtensionModule.
static AFX_EXTENSION_MODULE LumivaneDLL;

// Set once the module is initialised: a failed start is followed by a
// detach call, which must not terminate what never began.
static BOOL s_bModuleInitialised = FALSE;

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    UNREFERENCED_PARAMETER(lpReserved);

    if (dwReason == DLL_PROCESS_ATTACH)
    {
        TRACE0("Lumivane.dll initializing\n");
        if (!AfxInitExtensionModule(LumivaneDLL, hInstance))
            return FALSE;
        s_bModuleInitialised = TRUE;
        new CDynLinkLibrary(LumivaneDLL);
    }
    else if (dwReason == DLL_PROCESS_DETACH)
    {
        TRACE0("Lumivane.dll terminating\n");
        if (s_bModuleInitialised)
        {
            s_bModuleInitialised = FALSE;
            AfxTermExtensionModule(LumivaneDLL);
        }
    }
    return TRUE;
}
