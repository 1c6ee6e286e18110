// picture_window.h - a plain child window for gallery pages that draw with
// GDI calls of their own instead of showing a control.
#ifndef GALLERY_PICTURE_WINDOW_H
#define GALLERY_PICTURE_WINDOW_H

#include <afxwin.h>

// Paints the whole client area rcClient of hwnd into hdc.
typedef void (*GalleryPaintFunction)(HWND hwnd, HDC hdc, const RECT& rcClient);

// A visible child of pParent at rc whose WM_PAINT calls paint (the
// background is not erased first: paint covers everything).
HWND CreatePictureWindow(CWnd* pParent, const RECT& rc, GalleryPaintFunction paint);

#endif // GALLERY_PICTURE_WINDOW_H
