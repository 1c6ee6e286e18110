// afxtestseam.h - entry points that only the test build of afxlite.dll has
// (compiled with TEST_SEAMS). Never installed; afxwin.h includes it in the
// test build, so the tests call these as they call the rest of the layer.
#ifndef __AFXTESTSEAM_H__
#define __AFXTESTSEAM_H__

// When set, the next AfxInitExtensionModule fails (returns FALSE after
// restoring the module state's lists) and the flag clears itself. Lets
// tests drive an extension library's refusal to load.
AFXLITE_API void AFXAPI AfxLiteFailNextExtensionInit(BOOL bFail);

// The number of CWnd objects in the calling thread's permanent (bPermanent)
// or temporary handle map.
AFXLITE_API int AFXAPI AfxLiteGetWndMapCount(BOOL bPermanent);

#endif // __AFXTESTSEAM_H__
