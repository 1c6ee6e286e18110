// Plot rectangle, x and y mapping, bar rectangles and label crowding.
#include "HistogramFixture.h"
#include "Wow64Limits.h"

#include <cmath>
#include <limits>

using namespace testsupport;
using namespace histotest;

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

class HistogramLayout : public HistogramTest
{
protected:
    // Client size in pixels; the metrics as the test wants them.
    void Size(int cx, int cy, BOOL smallMetrics)
    {
        if (Hist() == NULL)
            BindInDialog(cx, cy);
        m_hist.SetSmallMetrics(smallMetrics);
        ::SetWindowPos(Hist(), NULL, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOMOVE);
        m_hist.Resize();
        m_hist.RecalcHistogram();
    }
};

struct PlotCase
{
    int cx, cy;
    BOOL smallMetrics;
    RECT plot;
};

const PlotCase kPlotCases[] = {
    { 200, 100, FALSE, { 10, 10, 190, 70 } },
    { 200, 100, TRUE,  { 10, 10, 190, 68 } },
    { 20, 100, FALSE,  { 1, 10, 19, 70 } },
    { 19, 100, FALSE,  { 0, 10, 19, 70 } },     // margins vanish under 20 pixels
    { 5, 9, FALSE,     { 0, 0, 5, 7 } },
    { 0, 0, FALSE,     { 0, 0, 0, 0 } },
    { 0, 0, TRUE,      { 0, 0, 0, -2 } },
    { 333, 57, FALSE,  { 16, 5, 317, 40 } },
};

class HistogramPlot : public HistogramLayout, public ::testing::WithParamInterface<PlotCase> {};

TEST_P(HistogramPlot, RectangleFromClientSize)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    const PlotCase& c = GetParam();
    Size(c.cx, c.cy, c.smallMetrics);
    EXPECT_EQ(CRect(c.plot), m_hist.Plot());
}

INSTANTIATE_TEST_SUITE_P(Sizes, HistogramPlot, ::testing::ValuesIn(kPlotCases));

TEST_F(HistogramLayout, OneBinFillsThePlotToOneEleventhBelowTheTop)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    Size(200, 100, FALSE);
    const BinRow one[] = { { 10.0, 5.0, "" } };
    ASSERT_TRUE(SetBins(0.0, one, 1));
    EXPECT_EQ(CRect(10, 16, 190, 71), m_hist.Bar(0));
}

TEST_F(HistogramLayout, WmSizeRecomputesPlotAndBars)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    Size(200, 100, FALSE);
    const BinRow one[] = { { 10.0, 5.0, "" } };
    ASSERT_TRUE(SetBins(0.0, one, 1));
    ::SetWindowPos(Hist(), NULL, 0, 0, 400, 200, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(CRect(20, 20, 380, 140), m_hist.Plot());
    EXPECT_EQ(CRect(20, 31, 380, 141), m_hist.Bar(0));   // 120 rows x 5 / 5.5
}

TEST_F(HistogramLayout, SmallCountsStandAtLeastTwoPercentAndOnePixelTall)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    Size(200, 100, FALSE);   // plot height 60: 2 % is 1.2 rows
    const BinRow bins[] = { { 1.0, 1.0, "" }, { 2.0, 1000.0, "" } };
    ASSERT_TRUE(SetBins(0.0, bins, 2));
    EXPECT_EQ(70 - 1, m_hist.Bar(0).top);
    EXPECT_EQ(16, m_hist.Bar(1).top);

    Size(333, 57, FALSE);    // plot height 35: 2 % truncates to 0 rows
    EXPECT_EQ(40 - 1, m_hist.Bar(0).top);

    // Straight through Y_AxisPos: the 2 % floor and the zero cases.
    EXPECT_EQ(40, m_hist.Y_AxisPos(10.0, 0.0));
    EXPECT_EQ(40, m_hist.Y_AxisPos(0.0, 0.0));
    EXPECT_EQ(40, m_hist.Y_AxisPos(0.0, 3.0));       // yMax 0: everything on the axis
    EXPECT_EQ(40 - 35, m_hist.Y_AxisPos(10.0, 10.0));
    EXPECT_EQ(23, m_hist.Y_AxisPos(10.0, 5.0));
}

TEST_F(HistogramLayout, AllZeroCountsGiveOnePixelHighBars)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    Size(200, 100, FALSE);
    const BinRow bins[] = { { 1.0, 0.0, "" }, { 2.0, 0.0, "" }, { 4.0, 0.0, "" } };
    ASSERT_TRUE(SetBins(0.0, bins, 3));
    for (int i = 0; i < 3; i++)
    {
        EXPECT_EQ(70, m_hist.Bar(i).top) << "bin " << i;
        EXPECT_EQ(71, m_hist.Bar(i).bottom) << "bin " << i;
    }
}

TEST_F(HistogramLayout, NeighboursShareTheirBorderColumn)
{
    Size(200, 100, FALSE);
    const BinRow bins[] = { { 1.0, 3.0, "" }, { 2.0, 2.0, "" }, { 4.0, 1.0, "" } };
    ASSERT_TRUE(SetBins(0.0, bins, 3));
    EXPECT_EQ(10, m_hist.Bar(0).left);
    EXPECT_EQ(10 + 45, m_hist.Bar(0).right);
    EXPECT_EQ(m_hist.Bar(0).right - 1, m_hist.Bar(1).left);
    EXPECT_EQ(10 + 90, m_hist.Bar(1).right);
    EXPECT_EQ(m_hist.Bar(1).right - 1, m_hist.Bar(2).left);
    EXPECT_EQ(190, m_hist.Bar(2).right);
}

TEST_F(HistogramLayout, XMappingEndsEmptyRangeAndOutside)
{
    Size(200, 100, FALSE);
    // No data yet: the empty range maps everything to plot.left.
    EXPECT_EQ(10, m_hist.X_AxisPos(0.0));
    EXPECT_EQ(10, m_hist.X_AxisPos(123.0));

    const BinRow bins[] = { { 0.3, 1.0, "" }, { 0.7, 1.0, "" } };
    ASSERT_TRUE(SetBins(-0.1, bins, 2));
    EXPECT_EQ(10, m_hist.X_AxisPos(-0.1));
    EXPECT_EQ(190, m_hist.X_AxisPos(0.7));
    EXPECT_EQ(100, m_hist.X_AxisPos(0.3));
    // Not clamped.
    EXPECT_EQ(10 - 180, m_hist.X_AxisPos(-0.9));
    EXPECT_EQ(190 + 180, m_hist.X_AxisPos(1.5));
}

// Values that no int can hold saturate instead of overflowing; NaN has no
// column and lands on plot.left (row plot.bottom for counts).
TEST_F(HistogramLayout, NonFiniteAndHugeValuesSaturate)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    Size(200, 100, FALSE);
    const BinRow bins[] = { { 10.0, 1.0, "" } };
    ASSERT_TRUE(SetBins(0.0, bins, 1));
    const int limit = 1 << 30;
    EXPECT_EQ(limit, m_hist.X_AxisPos(kInf));
    EXPECT_EQ(-limit, m_hist.X_AxisPos(-kInf));
    EXPECT_EQ(limit, m_hist.X_AxisPos(1e300));
    EXPECT_EQ(-limit, m_hist.X_AxisPos(-1e300));
    EXPECT_EQ(10, m_hist.X_AxisPos(kNaN));
    EXPECT_EQ(70, m_hist.Y_AxisPos(10.0, kNaN));
    EXPECT_EQ(70, m_hist.Y_AxisPos(kInf, kInf));
    EXPECT_EQ(-limit, m_hist.Y_AxisPos(1e-300, 1e300));

    // An infinite edge gives an infinite range: bars collapse, nothing breaks.
    const BinRow wide[] = { { 0.0, 1.0, "" }, { kInf, 2.0, "" } };
    ASSERT_TRUE(SetBins(-1.0, wide, 2));
    EXPECT_EQ(10, m_hist.X_AxisPos(5.0));
    EXPECT_EQ(10, m_hist.Bar(1).right);
}

/////////////////////////////////////////////////////////////////////////////
// Label crowding

class HistogramCrowding : public HistogramLayout
{
protected:
    // Width of text in the control's label font.
    int LabelExtent(const char* text)
    {
        HDC hdc = ::GetDC(Hist());
        HGDIOBJ old = ::SelectObject(hdc, m_hist.LabelFont());
        SIZE sz;
        ::GetTextExtentPoint32(hdc, text, (int)strlen(text), &sz);
        ::SelectObject(hdc, old);
        ::ReleaseDC(Hist(), hdc);
        return sz.cx;
    }

    // A client width whose plot is exactly plotWidth wide (0 if none).
    static int ClientWidthFor(int plotWidth)
    {
        for (int cx = plotWidth; cx < plotWidth * 2 + 40; cx++)
            if (cx - 2 * (int)(cx * 0.05) == plotWidth)
                return cx;
        return 0;
    }
};

TEST_F(HistogramCrowding, ThresholdIncludesEquality)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    BindInDialog(200, 100);
    ASSERT_NE((HFONT)NULL, m_hist.LabelFont());

    // A label whose width is a multiple of 4, so that 0.8 bar widths can
    // equal it exactly.
    std::string label = "8";
    while (LabelExtent(label.c_str()) % 4 != 0 && label.size() < 12)
        label += "8";
    const int e = LabelExtent(label.c_str());
    ASSERT_EQ(0, e % 4) << "no label of a width divisible by 4";
    const int w = e * 5 / 4;

    // One bin: its bar is as wide as the plot.
    const int cxEqual = ClientWidthFor(w);
    const int cxWider = ClientWidthFor(w + 1);
    ASSERT_NE(0, cxEqual);
    ASSERT_NE(0, cxWider);
    const BinRow one[] = { { 1.0, 1.0, label.c_str() } };

    Size(cxEqual, 100, m_hist.SmallMetrics());
    ASSERT_TRUE(SetBins(0.0, one, 1));
    ASSERT_EQ(w, m_hist.Bar(0).Width());
    EXPECT_TRUE(m_hist.Crowded());
    EXPECT_FALSE(m_hist.VeryCrowded());

    Size(cxWider, 100, m_hist.SmallMetrics());
    ASSERT_EQ(w + 1, m_hist.Bar(0).Width());
    EXPECT_FALSE(m_hist.Crowded());
}

TEST_F(HistogramCrowding, EveryBinCountsAndEmptyDataKeepsTheFlags)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    BindInDialog(400, 100);
    const int e = LabelExtent("12345678901234567890");
    // Ten bins of ~36 pixels: short labels, except one odd bin (whose
    // label would not even be drawn when very crowded) with a long one.
    BinRow bins[10];
    for (int i = 0; i < 10; i++)
    {
        bins[i].upper = i + 1;
        bins[i].count = 1.0;
        bins[i].label = "1";
    }
    ASSERT_TRUE(SetBins(0.0, bins, 10));
    EXPECT_FALSE(m_hist.Crowded());
    EXPECT_FALSE(m_hist.VeryCrowded());

    const int w = m_hist.Bar(3).Width();
    ASSERT_GT(e, w * 1.9) << "test label too short for this font";
    bins[3].label = "12345678901234567890";
    ASSERT_TRUE(SetBins(0.0, bins, 10));
    EXPECT_TRUE(m_hist.Crowded());
    EXPECT_TRUE(m_hist.VeryCrowded());

    // No bins: the flags stay as they were.
    ASSERT_TRUE(SetBins(0.0, NULL, 0));
    EXPECT_TRUE(m_hist.Crowded());
    EXPECT_TRUE(m_hist.VeryCrowded());

    // A resize that makes room recomputes them.
    ASSERT_TRUE(SetBins(0.0, bins, 10));
    Size(4000, 100, m_hist.SmallMetrics());
    EXPECT_FALSE(m_hist.Crowded());
    EXPECT_FALSE(m_hist.VeryCrowded());
}

} // namespace
