// LibraryResources.h - loading the library's own strings.
//
// The library creates no CDynLinkLibrary, so a plain CString::LoadString
// searches the host's resource module and never sees the library's strings.
// LoadLibraryString points the framework's resource handle at the library
// for the one load and puts the caller's handle back afterwards, whether the
// load succeeds, fails or throws. Every string load of the library goes
// through it. Bitmaps need no bracket: pass GetLibraryInstance() to
// LoadImage.
#ifndef TESSARINE_LIBRARYRESOURCES_H
#define TESSARINE_LIBRARYRESOURCES_H

#include <afxwin.h>

// Loads string nID of Tessarine.dll into rString. Returns TRUE when the
// string exists; otherwise rString is empty and the result is FALSE.
// User-interface thread only: the resource handle is process-wide state.
BOOL LoadLibraryString(CString& rString, UINT nID);

#endif // TESSARINE_LIBRARYRESOURCES_H
