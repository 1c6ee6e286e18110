/// @file DragImage.h
/// One drag image for all selected items of a list view.
///
/// Functions in this header (exported undecorated, cdecl):
/// - CreateDragImageEx: the selected items' own drag images in one image list
///
/// @image html drawutil_dragimage.png "Drag images in the gallery: a few items, and more than nMaxItems with \"More ...\""
///
/// Threads: the thread that owns the list view.
///
/// @par Example
/// @snippet host.cpp dragimage

#pragma once

#include <afxwin.h>
#include <afxcmn.h>

/// Builds one masked image showing the selected items of pList at their
/// relative places: the first nMaxItems items draw their own drag images;
/// when more are selected, the place of the next one shows "More ...".
/// Items not wholly visible in the list get their label drawn by hand.
/// Pixels of RGB(0, 128, 128) are transparent. lpHotSpot (may be NULL)
/// receives the cursor position relative to the image's top-left corner.
/// Returns a new image list that the caller deletes; NULL when no item is
/// selected or the drawing surface cannot be made.
extern "C" AFX_EXT_API CImageList* __cdecl CreateDragImageEx(CListCtrl* pList, LPPOINT lpHotSpot,
                                                             int nMaxItems);
