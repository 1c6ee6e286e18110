// afxdllx.h - the raw entry hook of an extension library.
//
// Include it in exactly one source file of an extension library, the one with
// its DllMain.  At process attach, before any of the library's static
// constructors register run-time classes (IMPLEMENT_DYNAMIC), the hook sets
// the module state's class and factory lists aside and empties them; the
// library's classes then form a list of their own, which
// AfxInitExtensionModule takes into the library's AFX_EXTENSION_MODULE while
// giving the module state its own lists back.
//
// mingw has no separate raw entry point ahead of the static constructors, so
// the hook is a constructor of the earliest user priority (101): the C
// runtime of the library runs the constructors of all its translation units
// in priority order, and every IMPLEMENT_DYNAMIC registration has the default
// (latest) priority.

#ifndef __AFXDLLX_H__
#define __AFXDLLX_H__

#ifndef __AFXWIN_H__
#include <afxwin.h>
#endif

#ifdef __GNUC__
__attribute__((constructor(101))) static void _AfxLiteExtensionRawDllMain()
{
    AfxLiteExtensionRawAttach();
}
#else
#error afxdllx.h: the raw entry hook needs a compiler with constructor priorities
#endif

#endif // __AFXDLLX_H__
