// FrameTestSeam.h - entry points for the library's own tests.
//
// GetLibraryInstance() and LoadLibraryString() are internal to the library;
// hosts never call them. These two exported functions let the test programs
// reach exactly those internals inside the built DLL, so the tests exercise
// the real handle and the real bracket rather than copies. They exist in the
// test build of Tessarine.dll only (add_test_seam in CMakeLists.txt), with
// the numbered exports (ordinal 100 and up), never at a fixed ordinal.
#ifndef TESSARINE_FRAMETESTSEAM_H
#define TESSARINE_FRAMETESTSEAM_H

#include <afxwin.h>

// Returns GetLibraryInstance().
extern "C" AFX_EXT_API HINSTANCE __cdecl TessarineTestLibraryInstance();

// Calls LoadLibraryString(*pString, nID) and returns its result.
extern "C" AFX_EXT_API BOOL __cdecl TessarineTestLoadLibraryString(CString* pString, UINT nID);

#endif // TESSARINE_FRAMETESTSEAM_H
