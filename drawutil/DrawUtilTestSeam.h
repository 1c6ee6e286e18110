// DrawUtilTestSeam.h - entry points for the drawing helpers' own tests.
//
// They let a test observe PlayWave's call of the sound function without a
// sound device, and load the drag image's overflow text by any string
// number. Hosts never call them; they sit with the numbered exports
// (ordinal 100 and up), never at a fixed ordinal.
#ifndef TESSARINE_DRAWUTILTESTSEAM_H
#define TESSARINE_DRAWUTILTESTSEAM_H

#include <afxwin.h>

typedef BOOL (WINAPI* PFNTESSARINETESTPLAYSOUND)(LPCSTR pszSound, UINT fuSound);

// Makes PlayWave call pfn instead of sndPlaySoundA (NULL: sndPlaySoundA
// again). Returns the function used before.
extern "C" AFX_EXT_API PFNTESSARINETESTPLAYSOUND __cdecl
TessarineTestSetSoundFunction(PFNTESSARINETESTPLAYSOUND pfn);

// *pText = the drag image's overflow text taken from string nStringID of
// the library, with the drag image's fallback when it is missing.
extern "C" AFX_EXT_API void __cdecl TessarineTestOverflowText(CString* pText, UINT nStringID);

#endif // TESSARINE_DRAWUTILTESTSEAM_H
