// DrawUtilTestSeam.cpp - test entry points (see DrawUtilTestSeam.h).
#include <afxwin.h>

#include <mmsystem.h>

#include "DrawUtilInternal.h"
#include "DrawUtilTestSeam.h"

extern "C" PFNTESSARINETESTPLAYSOUND __cdecl
TessarineTestSetSoundFunction(PFNTESSARINETESTPLAYSOUND pfn)
{
    PFNTESSARINETESTPLAYSOUND pfnOld = g_pfnDrawUtilPlaySound;
    g_pfnDrawUtilPlaySound = pfn != NULL ? pfn : &::sndPlaySoundA;
    return pfnOld;
}

extern "C" void __cdecl TessarineTestOverflowText(CString* pText, UINT nStringID)
{
    if (pText != NULL)
        *pText = LoadOverflowText(nStringID);
}
