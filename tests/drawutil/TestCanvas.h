// TestCanvas.h - a memory device context on a top-down 32-bpp DIB section:
// a surface for the drawing code under test and for the expected pictures
// it is compared with, pixel by pixel.
#ifndef TESTS_DRAWUTIL_TESTCANVAS_H
#define TESTS_DRAWUTIL_TESTCANVAS_H

#include <windows.h>

#include <gtest/gtest.h>

#include "PixelHelpers.h"

class TestCanvas
{
public:
    TestCanvas(int cx, int cy, COLORREF fill) : m_cx(cx), m_cy(cy), m_hdc(::CreateCompatibleDC(NULL))
    {
        void* pBits = NULL;
        m_hBitmap = testsupport::CreateTopDownDib(m_hdc, cx, cy, &pBits);
        m_pBits = static_cast<DWORD*>(pBits);
        m_hOld = ::SelectObject(m_hdc, m_hBitmap);
        for (int i = 0; i < cx * cy; ++i)
            Set(i % cx, i / cx, fill);
    }
    ~TestCanvas()
    {
        ::SelectObject(m_hdc, m_hOld);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hdc);
    }
    TestCanvas(const TestCanvas&) = delete;
    TestCanvas& operator=(const TestCanvas&) = delete;

    HDC Dc() const { return m_hdc; }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
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
    int m_cx, m_cy;
    HDC m_hdc;
    HBITMAP m_hBitmap;
    DWORD* m_pBits;
    HGDIOBJ m_hOld;
};

// Every pixel of actual equals the one of expected; a mismatch names how
// many differ and the first one.
inline ::testing::AssertionResult SamePixels(const TestCanvas& actual, const TestCanvas& expected)
{
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height())
        return ::testing::AssertionFailure() << "size " << actual.Width() << "x" << actual.Height()
                                             << ", expected " << expected.Width() << "x" << expected.Height();
    int nDiffer = 0, first = -1;
    for (int i = 0; i < actual.Width() * actual.Height(); ++i)
        if (actual.At(i % actual.Width(), i / actual.Width()) != expected.At(i % actual.Width(), i / actual.Width()) &&
            nDiffer++ == 0)
            first = i;
    if (nDiffer == 0)
        return ::testing::AssertionSuccess();
    const int x = first % actual.Width(), y = first / actual.Width();
    return ::testing::AssertionFailure() << nDiffer << " pixels differ; first (" << x << ", " << y << ") is "
                                         << testsupport::ColourText(actual.At(x, y)) << ", expected "
                                         << testsupport::ColourText(expected.At(x, y));
}

#endif // TESTS_DRAWUTIL_TESTCANVAS_H
