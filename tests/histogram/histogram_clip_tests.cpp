// A paint clipped to a strip leaves every pixel exactly as the full paint
// makes it, whatever bars, ticks and labels it skips outside the strip.
#include "HistogramFixture.h"

using namespace testsupport;
using namespace histotest;

namespace {

struct ClipCase
{
    const char* name;
    int bins;          // labels crowded at 40, very crowded at 150; more bins than columns at 2000
    RECT strip;        // client coordinates; the client area is 400 x 150
};

const ClipCase kClipCases[] = {
    { "drag strip over the bars", 40, { 101, 14, 107, 106 } },
    { "one column on a tick", 40, { 199, 100, 200, 120 } },
    { "label rows only", 40, { 0, 108, 400, 150 } },
    { "slice of the label rows at 112", 40, { 0, 112, 400, 115 } },
    { "slice of the label rows at 118", 40, { 0, 118, 400, 121 } },
    { "slice of the label rows at 124", 40, { 0, 124, 400, 127 } },
    { "squeezed last label", 40, { 370, 100, 400, 150 } },
    { "edge of a label", 40, { 152, 110, 154, 140 } },
    { "drag strip, very crowded", 150, { 240, 14, 246, 106 } },
    { "labels, very crowded", 150, { 60, 104, 90, 150 } },
    { "slice of the label rows at 121, very crowded", 150, { 0, 121, 400, 124 } },
    { "drag strip, more bins than columns", 2000, { 180, 14, 190, 106 } },
    { "whole width, more bins than columns", 2000, { 0, 0, 400, 150 } },
};

class HistogramClip : public HistogramTest, public ::testing::WithParamInterface<ClipCase> {};

// Pixels that differ, the first few reported.
int CountDifferences(const ClientPixels& expected, const ClientPixels& actual, const char* what)
{
    int nDiffer = 0;
    for (int y = 0; y < expected.Height(); y++)
        for (int x = 0; x < expected.Width(); x++)
            if (expected.At(x, y) != actual.At(x, y) && nDiffer++ < 5)
                ADD_FAILURE() << what << ": pixel (" << x << ", " << y << ") differs";
    return nDiffer;
}

TEST_P(HistogramClip, ClippedPaintMatchesTheFullPaint)
{
    const ClipCase& c = GetParam();
    BindInDialog(400, 150);
    CArray<HistoBin, HistoBin&> bins;
    bins.SetSize(c.bins);
    for (int i = 0; i < c.bins; i++)
    {
        bins[i].upper = 0.25 * (i + 1);
        bins[i].count = (double)((i * 37) % 11 + 1);
        bins[i].label.Format("%.2f", bins[i].upper);
    }
    ASSERT_TRUE(m_hist.SetHistogram(0.0, bins));
    const bool bManyBins = c.bins > 400;
    if (!bManyBins)
    {
        ASSERT_TRUE(m_hist.AddCutpoint(0.25 * c.bins / 3));
    }
    const ClientPixels full = PaintNow();

    if (bManyBins)
    {
        // Bars that share columns are drawn as one: drawing them one by one,
        // then the axes again, changes no pixel of the full paint.
        HDC hdc = ::GetDC(Hist());
        HGDIOBJ oldPen = ::SelectObject(hdc, m_hist.BarPen());
        HGDIOBJ oldBrush = ::SelectObject(hdc, m_hist.BarBrush());
        for (int i = 0; i < m_hist.BinCount(); i++)
        {
            const CRect r = m_hist.Bar(i);
            ::Rectangle(hdc, r.left, r.top, r.right, r.bottom);
        }
        const CRect plot = m_hist.Plot();
        ::SelectObject(hdc, ::GetStockObject(BLACK_PEN));
        ::MoveToEx(hdc, plot.left, plot.top, NULL);
        ::LineTo(hdc, plot.left, plot.bottom);
        ::LineTo(hdc, plot.right, plot.bottom);
        ::SelectObject(hdc, oldBrush);
        ::SelectObject(hdc, oldPen);
        ::ReleaseDC(Hist(), hdc);
        EXPECT_EQ(0, CountDifferences(full, ClientPixels(Hist()), "bars drawn one by one"));
    }

    ::RedrawWindow(Hist(), &c.strip, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
    const ClientPixels clipped(Hist());
    ASSERT_EQ(full.Width(), clipped.Width());
    EXPECT_EQ(0, CountDifferences(full, clipped, c.name));
}

INSTANTIATE_TEST_SUITE_P(Strips, HistogramClip, ::testing::ValuesIn(kClipCases));

} // namespace
