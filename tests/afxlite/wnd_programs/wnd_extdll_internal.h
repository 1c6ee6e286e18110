// wnd_extdll_internal.h - shared between the test extension library's units.

#ifndef WND_EXTDLL_INTERNAL_H
#define WND_EXTDLL_INTERNAL_H

#include "wnd_extdll.h"

WndExtLoadReport& WndExtReport();
// TRUE when every class on the module's class list is one of the library's
// (the list the raw entry hook left empty).
BOOL WndExtListHoldsOnlyOwnClasses();
BOOL WndExtIsOwnClassName(LPCSTR lpszName);

#endif // WND_EXTDLL_INTERNAL_H
