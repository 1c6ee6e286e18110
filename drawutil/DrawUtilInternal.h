// DrawUtilInternal.h - internals of the drawing helpers that the test entry
// points reach (see DrawUtilTestSeam.h). Not exported.
#ifndef TESSARINE_DRAWUTILINTERNAL_H
#define TESSARINE_DRAWUTILINTERNAL_H

#include <afxwin.h>

// The signature of sndPlaySoundA.
typedef BOOL (WINAPI* PFNDRAWUTILPLAYSOUND)(LPCSTR pszSound, UINT fuSound);

// The function PlayWave hands the sound to: sndPlaySoundA unless a test
// replaced it.
extern PFNDRAWUTILPLAYSOUND g_pfnDrawUtilPlaySound;

// String nStringID of the library (through the resource-handle bracket), or
// "More ..." when it cannot be loaded: the overflow mark of the drag image.
CString LoadOverflowText(UINT nStringID);

#endif // TESSARINE_DRAWUTILINTERNAL_H
