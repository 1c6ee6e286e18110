// FrameTestSeam.cpp - test entry points (see FrameTestSeam.h).
#include <afxwin.h>

#include "FrameTestSeam.h"
#include "LibraryInstance.h"
#include "LibraryResources.h"

extern "C" HINSTANCE __cdecl TessarineTestLibraryInstance()
{
    return GetLibraryInstance();
}

extern "C" BOOL __cdecl TessarineTestLoadLibraryString(CString* pString, UINT nID)
{
    if (pString == NULL)
        return FALSE;
    return LoadLibraryString(*pString, nID);
}
