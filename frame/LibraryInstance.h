// LibraryInstance.h - the module instance handle of Tessarine.dll.
//
// Internal to the library (not exported). The handle is null until the
// extension module has been initialised at process attach, then holds the
// module handle the loader gave DllMain; it is never cleared. It is the only
// way the controls reach the library's own resources.
#ifndef TESSARINE_LIBRARYINSTANCE_H
#define TESSARINE_LIBRARYINSTANCE_H

#include <afxwin.h>

HINSTANCE GetLibraryInstance();

#endif // TESSARINE_LIBRARYINSTANCE_H
