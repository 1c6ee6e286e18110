// TestCanvas.h - a memory device context on a top-down 32-bpp DIB section,
// for drawing code under test and for the expected pictures it is compared
// with, pixel by pixel.
#ifndef TESTS_DRAWUTIL_TESTCANVAS_H
#define TESTS_DRAWUTIL_TESTCANVAS_H

#include <windows.h>

#include <gtest/gtest.h>

#include "PixelHelpers.h"

class TestCanvas
{
public:
    TestCanvas(int cx, int cy, COLORREF fill)
        : m_cx(cx), m_cy(cy), m_pBits(NULL)
    {
        m_hdc = ::CreateCompatibleDC(NULL);
        void* pBits = NULL;
        m_hBitmap = testsupport::CreateTopDownDib(m_hdc, cx, cy, &pBits);
        m_pBits = static_cast<DWORD*>(pBits);
        m_hOld = ::SelectObject(m_hdc, m_hBitmap);
        for (int y = 0; y < cy; ++y)
            for (int x = 0; x < cx; ++x)
                Set(x, y, fill);
    }
    ~TestCanvas()
    {
        ::SelectObject(m_hdc, m_hOld);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hdc);
    }

    HDC Dc() const { return m_hdc; }
    HBITMAP Bitmap() const { return m_hBitmap; }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    bool Valid() const { return m_pBits != NULL; }

    COLORREF At(int x, int y) const
    {
        ::GdiFlush();
        const DWORD v = m_pBits[y * m_cx + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    void Set(int x, int y, COLORREF c)
    {
        ::GdiFlush();
        m_pBits[y * m_cx + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }

private:
    TestCanvas(const TestCanvas&);
    TestCanvas& operator=(const TestCanvas&);

    int m_cx;
    int m_cy;
    DWORD* m_pBits;
    HDC m_hdc;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};

// Every pixel of actual equals the one of expected; a mismatch names how
// many differ and the first one.
inline ::testing::AssertionResult SamePixels(const TestCanvas& actual, const TestCanvas& expected)
{
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height())
        return ::testing::AssertionFailure() << "size " << actual.Width() << "x" << actual.Height()
                                             << ", expected " << expected.Width() << "x"
                                             << expected.Height();
    int nDiffer = 0;
    int xFirst = -1, yFirst = -1;
    for (int y = 0; y < actual.Height(); ++y)
        for (int x = 0; x < actual.Width(); ++x)
            if (actual.At(x, y) != expected.At(x, y) && nDiffer++ == 0)
            {
                xFirst = x;
                yFirst = y;
            }
    if (nDiffer == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << nDiffer << " pixels differ; first at (" << xFirst << ", " << yFirst << "): "
           << testsupport::ColourText(actual.At(xFirst, yFirst)) << ", expected "
           << testsupport::ColourText(expected.At(xFirst, yFirst));
}

#endif // TESTS_DRAWUTIL_TESTCANVAS_H
