/// @file DialogUtilities.h
/// Small helpers for the host's dialogs.
///
/// Functions in this header (exported undecorated, cdecl):
/// - Load3DColorImageList: an image list from a bitmap strip of the host
/// - SetDialogControlFont: one font for a dialog and its direct children
/// - PlayWave: plays a "WAVE" resource of the host
///
/// The bitmaps and sounds are the host's: they are looked up in the current
/// resource module (AfxGetResourceHandle), not in this library.
///
/// @image html drawutil_imagelist.png "An image list loaded by Load3DColorImageList in the gallery"
///
/// Threads: the host's user-interface thread.
///
/// @par Example
/// @snippet host.cpp dialogutilities

#pragma once

#include <afxwin.h>
#include <afxcmn.h>

/// Replaces the content of pImageList with the images of bitmap nBitmapID
/// (low 16 bits), each cx pixels wide and as high as the bitmap. fuLoad goes
/// to LoadImage unchanged (normally with LR_LOADMAP3DCOLORS); pixels of the
/// button-face colour become transparent. Returns non-zero when the image
/// list was created; 0 when cx is not positive (the list is left alone) or
/// when the bitmap does not load (the list is left empty).
extern "C" AFX_EXT_API BOOL __cdecl Load3DColorImageList(CImageList* pImageList, int cx,
                                                         UINT nBitmapID, UINT fuLoad);

/// Sends WM_SETFONT with pFont (redraw TRUE) to every direct child of pDlg,
/// then to pDlg itself. Grandchildren keep their fonts.
extern "C" AFX_EXT_API void __cdecl SetDialogControlFont(CWnd* pDlg, CFont* pFont);

/// Starts playing resource nWaveID (low 16 bits) of type "WAVE"
/// asynchronously, replacing a sound this way started before. A missing
/// resource plays nothing; nothing is reported.
extern "C" AFX_EXT_API void __cdecl PlayWave(UINT nWaveID);
