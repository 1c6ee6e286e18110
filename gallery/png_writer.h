// png_writer.h - window captures written as PNG files through WIC.
#ifndef GALLERY_PNG_WRITER_H
#define GALLERY_PNG_WRITER_H

#include <windows.h>

// A new cx x cy, 32-bpp top-down DIB section compatible with hdc, to
// capture into. Returns NULL when it cannot be made.
HBITMAP CreateCaptureBitmap(HDC hdc, int cx, int cy);

// Writes hBitmap to pszPath as a 24-bit PNG with WIC's PNG encoder. COM must
// be initialised on the calling thread. Returns S_OK or the failing HRESULT.
HRESULT WritePng(HBITMAP hBitmap, const wchar_t* pszPath);

#endif // GALLERY_PNG_WRITER_H
