// core_internal.h - helpers shared by the layer's core sources (internal).

#ifndef AFXLITE_CORE_INTERNAL_H
#define AFXLITE_CORE_INTERNAL_H

#include <afx.h>

// The layer's one parse of a program's name (mod_state.cpp). Reads the path
// of hModule's file (the executable's when NULL) into szPath, MAX_PATH
// characters, and returns where its file name starts in it, with *ppDot at
// the file name's last '.' (NULL when it has none); NULL, with szPath empty,
// when the path is unknown or too long.
LPTSTR AfxLiteSplitModulePath(HMODULE hModule, LPTSTR szPath, LPTSTR* ppDot);

#endif // AFXLITE_CORE_INTERNAL_H
