/// @file GroupBox.h
/// An etched group-box frame drawn into any device context.
///
/// Functions in this header (exported undecorated, cdecl):
/// - cbGroupBox: the frame and an optional caption, for hosts that paint group
///   boxes themselves
///
/// @image html drawutil_groupbox.png "Group boxes drawn by cbGroupBox in the gallery"
///
/// Threads: any thread that may draw into the device context.
///
/// @par Example
/// @snippet host.cpp groupbox

#pragma once

#include <afxwin.h>

/// Draws the etched frame of the group box whose outer rectangle is *pRect
/// (logical coordinates of pDC); its top line runs 6 and 7 pixels below
/// pRect->top. A non-empty caption is drawn in black on the menu colour, a
/// blank on each side, with its baseline 11 pixels below the top and 7
/// pixels in. The inside is not filled. pFont is selected for the call.
/// Every attribute of pDC that changes is put back before it returns.
extern "C" AFX_EXT_API void __cdecl cbGroupBox(CDC* pDC, const RECT* pRect,
                                               const CString& strCaption, CFont* pFont);
