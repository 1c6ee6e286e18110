// png_writer.h - window captures written as PNG files through WIC.
#ifndef GALLERY_PNG_WRITER_H
#define GALLERY_PNG_WRITER_H

#include <windows.h>

// Copies cx x cy pixels of hdcSource from (x, y) into a new 32-bpp top-down
// DIB section. Returns NULL when the bitmap cannot be made.
HBITMAP CaptureDC(HDC hdcSource, int x, int y, int cx, int cy);

// Captures the whole window, frame included (GetWindowDC).
HBITMAP CaptureWindow(HWND hwnd);

// Captures the client area only (GetDC).
HBITMAP CaptureClient(HWND hwnd);

// Writes hBitmap to pszPath as a 24-bit PNG with WIC's PNG encoder. COM must
// be initialised on the calling thread. Returns S_OK or the failing HRESULT.
HRESULT WritePng(HBITMAP hBitmap, const wchar_t* pszPath);

#endif // GALLERY_PNG_WRITER_H
