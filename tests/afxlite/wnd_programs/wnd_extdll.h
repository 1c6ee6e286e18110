// wnd_extdll.h - what the test extension library and the test resource
// library hold, for the module-state tests that load them.

#ifndef WND_EXTDLL_H
#define WND_EXTDLL_H

// Resource ids: string 7001 is in both libraries, 7024 only in the resource
// library, 7040 only in the extension library (strings are found by blocks
// of 16, so each is in a block of its own); dialog 7100 is in the extension
// library.
#define IDS_WNDTEST_SHARED      7001
#define IDS_WNDTEST_RESONLY     7024
#define IDS_WNDTEST_EXTONLY     7040
#define IDD_WNDTEST_EXTDIALOG   7100
#define IDC_WNDTEST_EXTBUTTON   7101

#ifndef RC_INVOKED

// What the extension library saw while it was being loaded.
struct WndExtLoadReport
{
    // Set by static constructors of two translation units (the one with
    // DllMain and another one): did the module's class list look empty of
    // everything but the library's own classes?
    BOOL bMainUnitSawClearedList;
    BOOL bOtherUnitSawClearedList;
    // Set by DllMain after AfxInitExtensionModule.
    BOOL bInitialized;
    int nSharedClasses;          // length of pFirstSharedClass's chain
    BOOL bSharedClassesAreOwn;   // every class on it belongs to the library
};

typedef const WndExtLoadReport* (__cdecl* PFN_WndExtGetLoadReport)();
#define WND_EXT_GET_LOAD_REPORT "WndExtGetLoadReport"

// Names of the library's run-time classes.
#define WND_EXT_CLASS_A "CWndExtProbeA"
#define WND_EXT_CLASS_B "CWndExtProbeB"

#endif // RC_INVOKED

#endif // WND_EXTDLL_H
