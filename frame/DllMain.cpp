// DllMain.cpp - start and stop of Tessarine.dll as an extension module.
//
// The library initialises its extension module and keeps its own instance
// handle. It deliberately creates no CDynLinkLibrary: it does not join the
// host's resource chain or its list of run-time classes, so its resources
// are reached only through GetLibraryInstance().
#include <afxwin.h>
#include <afxdllx.h>    // the framework's raw entry hook; included here only

#include "LibraryInstance.h"

static AFX_EXTENSION_MODULE s_extensionModule;
static HINSTANCE s_hLibraryInstance = NULL;

HINSTANCE GetLibraryInstance()
{
    return s_hLibraryInstance;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    UNREFERENCED_PARAMETER(lpReserved);

    switch (dwReason)
    {
    case DLL_PROCESS_ATTACH:
        // A failed initialisation fails the load; the handle stays null.
        if (!AfxInitExtensionModule(s_extensionModule, hInstance))
            return FALSE;
        s_hLibraryInstance = hInstance;
        break;

    case DLL_PROCESS_DETACH:
        // The loader also sends a detach after an attach that returned
        // FALSE; only a module that was initialised is terminated.
        if (s_hLibraryInstance != NULL)
            AfxTermExtensionModule(s_extensionModule, FALSE);
        break;

    default:    // thread attach and detach: nothing to do
        break;
    }
    return TRUE;
}
