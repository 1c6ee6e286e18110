// Pixel read-back and device-context snapshots.

#include "PixelHelpers.h"

#include <gtest/gtest.h>

#include <stdio.h>

#include <sstream>

namespace testsupport {

COLORREF ClientPixel(HWND hwnd, int x, int y)
{
    HDC hdc = ::GetDC(hwnd);
    if (hdc == NULL)
        return CLR_INVALID;
    COLORREF colour = ::GetPixel(hdc, x, y);
    ::ReleaseDC(hwnd, hdc);
    return colour;
}

std::string ColourText(COLORREF colour)
{
    if (colour == CLR_INVALID)
        return "CLR_INVALID";
    char sz[40];
    snprintf(sz, sizeof(sz), "RGB(%u, %u, %u)", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return sz;
}

/////////////////////////////////////////////////////////////////////////////
// ClientPixels

ClientPixels::ClientPixels(HWND hwnd) : m_left(0), m_top(0), m_width(0), m_height(0)
{
    RECT rect;
    if (!::GetClientRect(hwnd, &rect))
        return;
    HDC hdc = ::GetDC(hwnd);
    if (hdc == NULL)
        return;
    Capture(hdc, rect);
    ::ReleaseDC(hwnd, hdc);
}

ClientPixels::ClientPixels(HDC hdc, const RECT& rect) : m_left(0), m_top(0), m_width(0), m_height(0)
{
    Capture(hdc, rect);
}

HBITMAP CreateTopDownDib(HDC hdc, int cx, int cy, void** ppBits)
{
    BITMAPINFO info;
    memset(&info, 0, sizeof(info));
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = cx;
    info.bmiHeader.biHeight = -cy;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pBits = NULL;
    HBITMAP hDib = ::CreateDIBSection(hdc, &info, DIB_RGB_COLORS, &pBits, NULL, 0);
    if (ppBits != NULL)
        *ppBits = pBits;
    return hDib;
}

void ClientPixels::Capture(HDC hdc, const RECT& rect)
{
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return;

    void* pBits = NULL;
    HBITMAP hDib = CreateTopDownDib(hdc, width, height, &pBits);
    if (hDib == NULL || pBits == NULL)
        return;
    HDC hMem = ::CreateCompatibleDC(hdc);
    HGDIOBJ hOld = ::SelectObject(hMem, hDib);
    BOOL bOk = ::BitBlt(hMem, 0, 0, width, height, hdc, rect.left, rect.top, SRCCOPY);
    ::GdiFlush();
    if (bOk)
    {
        m_left = rect.left;
        m_top = rect.top;
        m_width = width;
        m_height = height;
        const DWORD* p = (const DWORD*)pBits;
        m_bits.assign(p, p + (size_t)width * height);
    }
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::DeleteObject(hDib);
}

COLORREF ClientPixels::At(int x, int y) const
{
    int col = x - m_left;
    int row = y - m_top;
    if (col < 0 || row < 0 || col >= m_width || row >= m_height)
        return CLR_INVALID;
    DWORD value = m_bits[(size_t)row * m_width + col];
    // DIB pixels are 0x00RRGGBB; COLORREF is 0x00BBGGRR.
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

std::vector<int> ClientPixels::FindColumns(int y, COLORREF colour, int x0, int x1) const
{
    std::vector<int> result;
    int from = x0 < m_left ? m_left : x0;
    int to = x1 > m_left + m_width ? m_left + m_width : x1;
    for (int x = from; x < to; x++)
        if (At(x, y) == colour)
            result.push_back(x);
    return result;
}

std::vector<int> ClientPixels::FindRows(int x, COLORREF colour, int y0, int y1) const
{
    std::vector<int> result;
    int from = y0 < m_top ? m_top : y0;
    int to = y1 > m_top + m_height ? m_top + m_height : y1;
    for (int y = from; y < to; y++)
        if (At(x, y) == colour)
            result.push_back(y);
    return result;
}

int ClientPixels::Count(const RECT& rect, COLORREF colour) const
{
    int nCount = 0;
    for (int y = rect.top; y < rect.bottom; y++)
        for (int x = rect.left; x < rect.right; x++)
            if (At(x, y) == colour)
                nCount++;
    return nCount;
}

/////////////////////////////////////////////////////////////////////////////
// Checks

bool ExpectPixel(const ClientPixels& pixels, int x, int y, COLORREF colour,
                 const char* file, int line)
{
    COLORREF actual = pixels.At(x, y);
    if (actual == colour)
        return true;
    ADD_FAILURE_AT(file, line) << "pixel (" << x << ", " << y << ") is " << ColourText(actual)
                               << ", expected " << ColourText(colour);
    return false;
}

namespace {

// Reports the first and last wrong pixel of a run and how many there were.
bool ExpectRun(const ClientPixels& pixels, int x0, int y0, int dx, int dy, int n,
               COLORREF colour, const char* what, const char* file, int line)
{
    int nWrong = 0;
    int firstX = 0, firstY = 0, lastX = 0, lastY = 0;
    COLORREF firstColour = 0;
    for (int i = 0; i < n; i++)
    {
        int x = x0 + i * dx;
        int y = y0 + i * dy;
        COLORREF actual = pixels.At(x, y);
        if (actual != colour)
        {
            if (nWrong == 0)
            {
                firstX = x;
                firstY = y;
                firstColour = actual;
            }
            lastX = x;
            lastY = y;
            nWrong++;
        }
    }
    if (nWrong == 0)
        return true;
    ADD_FAILURE_AT(file, line) << what << ": " << nWrong << " of " << n << " pixels are not "
                               << ColourText(colour) << "; first (" << firstX << ", " << firstY
                               << ") is " << ColourText(firstColour) << ", last wrong (" << lastX
                               << ", " << lastY << ")";
    return false;
}

} // namespace

bool ExpectRow(const ClientPixels& pixels, int y, int x0, int x1, COLORREF colour,
               const char* file, int line)
{
    std::ostringstream what;
    what << "row " << y << " x " << x0 << ".." << x1 - 1;
    return ExpectRun(pixels, x0, y, 1, 0, x1 - x0, colour, what.str().c_str(), file, line);
}

bool ExpectColumn(const ClientPixels& pixels, int x, int y0, int y1, COLORREF colour,
                  const char* file, int line)
{
    std::ostringstream what;
    what << "column " << x << " y " << y0 << ".." << y1 - 1;
    return ExpectRun(pixels, x, y0, 0, 1, y1 - y0, colour, what.str().c_str(), file, line);
}

bool ExpectRect(const ClientPixels& pixels, const RECT& rect, COLORREF colour,
                const char* file, int line)
{
    bool ok = true;
    for (int y = rect.top; y < rect.bottom && ok; y++)
        ok = ExpectRow(pixels, y, rect.left, rect.right, colour, file, line);
    return ok;
}

/////////////////////////////////////////////////////////////////////////////
// DcStateSnapshot

void DcStateSnapshot::Take(HDC hdc)
{
    pen = ::GetCurrentObject(hdc, OBJ_PEN);
    brush = ::GetCurrentObject(hdc, OBJ_BRUSH);
    font = ::GetCurrentObject(hdc, OBJ_FONT);
    bitmap = ::GetCurrentObject(hdc, OBJ_BITMAP);
    bkMode = ::GetBkMode(hdc);
    bkColor = ::GetBkColor(hdc);
    textColor = ::GetTextColor(hdc);
    rop2 = ::GetROP2(hdc);
    textAlign = ::GetTextAlign(hdc);
    mapMode = ::GetMapMode(hdc);
    ::GetViewportOrgEx(hdc, &viewportOrg);
    ::GetWindowOrgEx(hdc, &windowOrg);
}

std::string DcStateSnapshot::Difference(const DcStateSnapshot& other) const
{
    std::ostringstream out;
    if (pen != other.pen) out << " pen " << pen << " -> " << other.pen << ";";
    if (brush != other.brush) out << " brush " << brush << " -> " << other.brush << ";";
    if (font != other.font) out << " font " << font << " -> " << other.font << ";";
    if (bitmap != other.bitmap) out << " bitmap " << bitmap << " -> " << other.bitmap << ";";
    if (bkMode != other.bkMode) out << " bk mode " << bkMode << " -> " << other.bkMode << ";";
    if (bkColor != other.bkColor)
        out << " bk colour " << ColourText(bkColor) << " -> " << ColourText(other.bkColor) << ";";
    if (textColor != other.textColor)
        out << " text colour " << ColourText(textColor) << " -> " << ColourText(other.textColor) << ";";
    if (rop2 != other.rop2) out << " ROP2 " << rop2 << " -> " << other.rop2 << ";";
    if (textAlign != other.textAlign) out << " text align " << textAlign << " -> " << other.textAlign << ";";
    if (mapMode != other.mapMode) out << " map mode " << mapMode << " -> " << other.mapMode << ";";
    if (viewportOrg.x != other.viewportOrg.x || viewportOrg.y != other.viewportOrg.y)
        out << " viewport origin changed;";
    if (windowOrg.x != other.windowOrg.x || windowOrg.y != other.windowOrg.y)
        out << " window origin changed;";
    return out.str();
}

bool ExpectDcState(const DcStateSnapshot& before, HDC hdc, const char* file, int line)
{
    DcStateSnapshot now(hdc);
    std::string diff = before.Difference(now);
    if (diff.empty())
        return true;
    ADD_FAILURE_AT(file, line) << "device context state changed:" << diff;
    return false;
}

} // namespace testsupport
