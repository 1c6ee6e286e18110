// frame_page.cpp - gallery pictures of the library frame's own resources:
// the four collapse arrows and the check-box glyph strip, scaled up, and the
// library's strings. Everything is loaded the way a host reaches a
// library's resources: bitmaps from the module handle of Tessarine.dll,
// strings through the resource-handle bracket.
#include <afxwin.h>

#include <cstdio>

#include "gallery.h"
#include "picture_window.h"
#include "TessarineRes.h"

namespace {

const int kArrowScale = 8;      // 8 x 8 arrows shown as 64 x 64
const int kGlyphScale = 4;      // the 70 x 39 strip shown as 280 x 156
const int kArrowGap = 12;
const int kStringLineHeight = 18;


// The gallery links Tessarine.dll, but an import library adds the DLL to the
// program's imports only when some page calls into it; load it here should
// no page have done so. It stays loaded for the program's life.
HMODULE LibraryModule()
{
    static HMODULE hModule = NULL;
    if (hModule == NULL)
        hModule = GetModuleHandleA("Tessarine.dll");
    if (hModule == NULL)
        hModule = LoadLibraryA("Tessarine.dll");
    return hModule;
}

// Draws bitmap nID of the library at (x, y), each pixel scale x scale.
void DrawLibraryBitmap(HDC hdc, UINT nID, int x, int y, int scale)
{
    HBITMAP hBitmap = static_cast<HBITMAP>(LoadImageA(LibraryModule(), MAKEINTRESOURCEA(nID),
                                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (hBitmap == NULL)
        return;
    BITMAP bm;
    GetObject(hBitmap, sizeof(bm), &bm);
    HDC hdcMem = CreateCompatibleDC(hdc);
    HGDIOBJ hOld = SelectObject(hdcMem, hBitmap);
    StretchBlt(hdc, x, y, bm.bmWidth * scale, bm.bmHeight * scale,
               hdcMem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    SelectObject(hdcMem, hOld);
    DeleteDC(hdcMem);
    DeleteObject(hBitmap);
}

void PaintArrows(HWND, HDC hdc, const RECT& rcClient)
{
    FillRect(hdc, &rcClient, GetSysColorBrush(COLOR_WINDOW));
    static const UINT ids[] = { IDB_ARROW_UP, IDB_ARROW_DOWN, IDB_ARROW_LEFT, IDB_ARROW_RIGHT };
    for (int i = 0; i < 4; ++i)
        DrawLibraryBitmap(hdc, ids[i], i * (8 * kArrowScale + kArrowGap), 0, kArrowScale);
}

void PaintGlyphs(HWND, HDC hdc, const RECT& rcClient)
{
    FillRect(hdc, &rcClient, GetSysColorBrush(COLOR_WINDOW));
    DrawLibraryBitmap(hdc, IDB_CHECK_GLYPHS, 0, 0, kGlyphScale);
}

// Loads string nID of the library as a host would: point the framework's
// resource handle at the library for the one load, then put it back.
CString LoadLibraryText(UINT nID)
{
    CString text;
    HINSTANCE hSaved = AfxGetResourceHandle();
    AfxSetResourceHandle(static_cast<HINSTANCE>(LibraryModule()));
    BOOL bLoaded = text.LoadString(nID);
    AfxSetResourceHandle(hSaved);
    if (!bLoaded)
        text = "(missing)";
    return text;
}

void PaintStrings(HWND, HDC hdc, const RECT& rcClient)
{
    FillRect(hdc, &rcClient, GetSysColorBrush(COLOR_WINDOW));
    HGDIOBJ hOldFont = SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    int oldMode = SetBkMode(hdc, TRANSPARENT);
    COLORREF oldColor = SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    for (UINT nID = IDS_COLLAPSE_UP; nID <= IDS_NO_DATA; ++nID)
    {
        char line[128];
        CString text = LoadLibraryText(nID);
        int n = snprintf(line, sizeof(line), "%u  %s", nID, static_cast<LPCTSTR>(text));
        if (n < 0)
            continue;
        TextOutA(hdc, 4, 2 + static_cast<int>(nID - IDS_COLLAPSE_UP) * kStringLineHeight, line,
                 n < static_cast<int>(sizeof(line)) ? n : static_cast<int>(sizeof(line)) - 1);
    }
    SetTextColor(hdc, oldColor);
    SetBkMode(hdc, oldMode);
    SelectObject(hdc, hOldFont);
}

HWND CreateArrows(CWnd* pParent, const RECT& rc) { return CreatePictureWindow(pParent, rc, &PaintArrows); }
HWND CreateGlyphs(CWnd* pParent, const RECT& rc) { return CreatePictureWindow(pParent, rc, &PaintGlyphs); }
HWND CreateStrings(CWnd* pParent, const RECT& rc) { return CreatePictureWindow(pParent, rc, &PaintStrings); }

} // namespace

GALLERY_ITEM(frame_arrows, "frame_arrows", 4 * 8 * kArrowScale + 3 * kArrowGap, 8 * kArrowScale,
             &CreateArrows, NULL, NULL);
GALLERY_ITEM(frame_glyphs, "frame_glyphs", 70 * kGlyphScale, 39 * kGlyphScale,
             &CreateGlyphs, NULL, NULL);
GALLERY_ITEM(frame_strings, "frame_strings", 260, 7 * kStringLineHeight + 4,
             &CreateStrings, NULL, NULL);
