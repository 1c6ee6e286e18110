// DrawUtilTestSeam.h - an entry point for the drawing helpers' own tests.
//
// It loads the drag image's overflow text by any string number. Hosts never
// call it; it sits with the numbered exports (ordinal 100 and up), never at
// a fixed ordinal.
#ifndef TESSARINE_DRAWUTILTESTSEAM_H
#define TESSARINE_DRAWUTILTESTSEAM_H

#include <afxwin.h>

// *pText = the drag image's overflow text taken from string nStringID of
// the library, with the drag image's fallback when it is missing.
extern "C" AFX_EXT_API void __cdecl TessarineTestOverflowText(CString* pText, UINT nStringID);

#endif // TESSARINE_DRAWUTILTESTSEAM_H
