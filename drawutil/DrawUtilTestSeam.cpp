// DrawUtilTestSeam.cpp - the test entry point (see DrawUtilTestSeam.h).
#include <afxwin.h>

#include "DrawUtilInternal.h"
#include "DrawUtilTestSeam.h"

extern "C" void __cdecl TessarineTestOverflowText(CString* pText, UINT nStringID)
{
    if (pText != NULL)
        *pText = LoadOverflowText(nStringID);
}
