// PixelHelpers.h - reading back painted pixels and checking device-context
// state, for paint tests.
//
//   ClientPixels pixels(hwnd);                   // BitBlt into a 32-bpp DIB
//   EXPECT_PIXEL(pixels, 3, 4, RGB(0, 0, 0));
//   EXPECT_ROW(pixels, 10, 0, 20, ::GetSysColor(COLOR_BTNFACE));  // x 0..19
//   std::vector<int> xs = pixels.FindColumns(10, RGB(255, 0, 0));
//
//   DcStateSnapshot before(hdc);
//   ... code under test draws on hdc ...
//   EXPECT_DC_STATE(before, hdc);                // every object and attribute put back

#ifndef TESTSUPPORT_PIXELHELPERS_H
#define TESTSUPPORT_PIXELHELPERS_H

#include <windows.h>

#include <limits.h>

#include <string>
#include <vector>

namespace testsupport {

// A top-down 32-bpp DIB section of cx x cy pixels compatible with hdc (NULL:
// the screen); its bits, 0x00RRGGBB rows from the top, go to *ppBits when
// given.  The caller deletes it.
HBITMAP CreateTopDownDib(HDC hdc, int cx, int cy, void** ppBits = NULL);

// One pixel of a window's client area, through GetDC + GetPixel.
COLORREF ClientPixel(HWND hwnd, int x, int y);

// A copy of a rectangle of a device context (or a window's client area),
// taken with BitBlt into a top-down 32-bpp DIB section.  Coordinates are
// those of the source; pixels outside the copy read CLR_INVALID.
class ClientPixels
{
public:
    explicit ClientPixels(HWND hwnd);              // the whole client area
    ClientPixels(HDC hdc, const RECT& rect);       // a rectangle of hdc (logical = device units)

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Valid() const { return m_width > 0 && m_height > 0; }

    COLORREF At(int x, int y) const;

    // x positions on row y (within [x0, x1), whole row by default) whose
    // pixel is colour.
    std::vector<int> FindColumns(int y, COLORREF colour, int x0 = INT_MIN, int x1 = INT_MAX) const;
    // y positions in column x whose pixel is colour.
    std::vector<int> FindRows(int x, COLORREF colour, int y0 = INT_MIN, int y1 = INT_MAX) const;
    // Number of pixels of the colour inside rect.
    int Count(const RECT& rect, COLORREF colour) const;

private:
    void Capture(HDC hdc, const RECT& rect);

    int m_left;
    int m_top;
    int m_width;
    int m_height;
    std::vector<DWORD> m_bits;  // 0x00RRGGBB, top-down rows
};

// Checks; each reports at file:line with the colour found.
bool ExpectPixel(const ClientPixels& pixels, int x, int y, COLORREF colour,
                 const char* file, int line);
// Pixels x0..x1-1 of row y.
bool ExpectRow(const ClientPixels& pixels, int y, int x0, int x1, COLORREF colour,
               const char* file, int line);
// Pixels y0..y1-1 of column x.
bool ExpectColumn(const ClientPixels& pixels, int x, int y0, int y1, COLORREF colour,
                  const char* file, int line);
// Every pixel of rect.
bool ExpectRect(const ClientPixels& pixels, const RECT& rect, COLORREF colour,
                const char* file, int line);

#define EXPECT_PIXEL(pixels, x, y, colour) \
    ::testsupport::ExpectPixel((pixels), (x), (y), (colour), __FILE__, __LINE__)
#define EXPECT_ROW(pixels, y, x0, x1, colour) \
    ::testsupport::ExpectRow((pixels), (y), (x0), (x1), (colour), __FILE__, __LINE__)
#define EXPECT_COLUMN(pixels, x, y0, y1, colour) \
    ::testsupport::ExpectColumn((pixels), (x), (y0), (y1), (colour), __FILE__, __LINE__)
#define EXPECT_RECT_COLOUR(pixels, rect, colour) \
    ::testsupport::ExpectRect((pixels), (rect), (colour), __FILE__, __LINE__)

// "RGB(r, g, b)" for messages.
std::string ColourText(COLORREF colour);

// The objects selected into a DC and its drawing attributes.
struct DcStateSnapshot
{
    HGDIOBJ pen;
    HGDIOBJ brush;
    HGDIOBJ font;
    HGDIOBJ bitmap;
    int bkMode;
    COLORREF bkColor;
    COLORREF textColor;
    int rop2;
    UINT textAlign;
    int mapMode;
    POINT viewportOrg;
    POINT windowOrg;

    DcStateSnapshot() = default;
    explicit DcStateSnapshot(HDC hdc) { Take(hdc); }
    void Take(HDC hdc);

    // "" when equal, else the differing fields.
    std::string Difference(const DcStateSnapshot& other) const;
};

// Checks that hdc's state equals the snapshot.
bool ExpectDcState(const DcStateSnapshot& before, HDC hdc, const char* file, int line);

#define EXPECT_DC_STATE(before, hdc) \
    ::testsupport::ExpectDcState((before), (hdc), __FILE__, __LINE__)

} // namespace testsupport

#endif // TESTSUPPORT_PIXELHELPERS_H
