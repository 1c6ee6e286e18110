// Binding, bins, appearance properties, the last-error rule and the
// cutpoint operations of CHistogram.
#include "HistogramFixture.h"
#include "Wow64Limits.h"

#include <cmath>
#include <limits>

using namespace testsupport;
using namespace histotest;

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

const BinRow kTwoBins[] = { { 10.0, 4.0, "10" }, { 20.0, 8.0, "20" } };

/////////////////////////////////////////////////////////////////////////////
// Window class and binding

TEST(HistogramClass, EveryConstructorRegistersTheClass)
{
    CHistogram first;
    CHistogram second;   // registering again fails quietly

    WNDCLASS wc;
    ASSERT_TRUE(::GetClassInfo(AfxGetResourceHandle(), HISTOGRAM_CLASSNAME, &wc));
    EXPECT_EQ((UINT)(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS), wc.style);
    EXPECT_EQ(0, wc.cbClsExtra);
    EXPECT_EQ(0, wc.cbWndExtra);
    EXPECT_EQ((HBRUSH)(COLOR_WINDOW + 1), wc.hbrBackground);
    EXPECT_EQ(::LoadCursor(NULL, IDC_ARROW), wc.hCursor);
    EXPECT_EQ((HICON)NULL, wc.hIcon);
    EXPECT_EQ((LPCSTR)NULL, wc.lpszMenuName);

    // The class procedure is the default one: a plain window of the class
    // answers like DefWindowProc until a CHistogram binds it.
    HWND plain = ::CreateWindow(HISTOGRAM_CLASSNAME, "", WS_POPUP, 0, 0, 10, 10,
                                NULL, NULL, AfxGetResourceHandle(), NULL);
    ASSERT_NE((HWND)NULL, plain);
    EXPECT_EQ((LONG_PTR)::DefWindowProc, ::GetClassLongPtr(plain, GCLP_WNDPROC));
    EXPECT_EQ(0u, (UINT)(::GetClassLong(plain, GCL_STYLE) & CS_GLOBALCLASS));
    ::DestroyWindow(plain);
}

TEST(HistogramDefaults, FreshControlHoldsTheDocumentedValues)
{
    CHistogram h;
    EXPECT_EQ(RGB(162, 45, 179), h.BarFillColor());
    EXPECT_EQ(RGB(0, 0, 0), h.BarLineColor());
    EXPECT_EQ(RGB(69, 58, 194), h.CutpointColor());
    EXPECT_EQ(RGB(217, 39, 30), h.CutpointHighlightColor());
    EXPECT_EQ(2, h.CutpointLineWidth());
    EXPECT_EQ(3, h.CutpointHighlightLineWidth());
    EXPECT_EQ(0x1u, h.FeatureFlags());
    EXPECT_EQ(CHistogram::HE_None, h.CurrentError());

    double lo = -1.0, hi = -1.0;
    h.X_AxisRange(&lo, &hi);
    EXPECT_EQ(0.0, lo);
    EXPECT_EQ(0.0, hi);
    h.X_AxisRange(NULL, &hi);   // either pointer may be left out
    h.X_AxisRange(&lo, NULL);
    h.X_AxisRange(NULL, NULL);
}

TEST(HistogramDefaults, SettersReturnThePreviousValueAndKeepOtherBits)
{
    CHistogram h;
    EXPECT_EQ(2, h.SetCutpointLineWidth(5));
    EXPECT_EQ(5, h.SetCutpointLineWidth(1));
    EXPECT_EQ(3, h.SetCutpointHighlightLineWidth(4));
    EXPECT_EQ(RGB(162, 45, 179), h.SetBarFillColor(RGB(1, 2, 3)));
    EXPECT_EQ(RGB(1, 2, 3), h.SetBarFillColor(RGB(4, 5, 6)));
    h.SetFeatureFlags(0xF0000003u);
    EXPECT_EQ(0xF0000003u, h.FeatureFlags());
}

// The setters rebuild their GDI object even before the control is bound.
TEST(HistogramDefaults, SettersRebuildTheirObjectBeforeBinding)
{
    TestHistogram h;
    EXPECT_EQ((HBRUSH)NULL, h.BarBrush());
    h.SetBarFillColor(RGB(1, 2, 3));
    h.SetBarLineColor(RGB(4, 5, 6));
    h.SetCutpointLineWidth(4);
    h.SetCutpointHighlightColor(RGB(7, 8, 9));
    ASSERT_NE((HBRUSH)NULL, h.BarBrush());
    ASSERT_NE((HPEN)NULL, h.BarPen());
    ASSERT_NE((HPEN)NULL, h.CutpointPen());
    ASSERT_NE((HPEN)NULL, h.HighlightPen());

    LOGBRUSH lb;
    ASSERT_EQ((int)sizeof(lb), ::GetObject(h.BarBrush(), sizeof(lb), &lb));
    EXPECT_EQ((UINT)BS_SOLID, lb.lbStyle);
    EXPECT_EQ(RGB(1, 2, 3), lb.lbColor);

    LOGPEN lp;
    ASSERT_EQ((int)sizeof(lp), ::GetObject(h.BarPen(), sizeof(lp), &lp));
    EXPECT_EQ((UINT)PS_SOLID, lp.lopnStyle);
    EXPECT_EQ(0, lp.lopnWidth.x);
    EXPECT_EQ(RGB(4, 5, 6), lp.lopnColor);

    EXTLOGPEN ep;
    ASSERT_GT(::GetObject(h.CutpointPen(), sizeof(ep), &ep), 0);
    EXPECT_EQ((DWORD)(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER), ep.elpPenStyle);
    EXPECT_EQ(4u, ep.elpWidth);
    EXPECT_EQ((UINT)BS_SOLID, ep.elpBrushStyle);
    EXPECT_EQ(RGB(69, 58, 194), ep.elpColor);
    ASSERT_GT(::GetObject(h.HighlightPen(), sizeof(ep), &ep), 0);
    EXPECT_EQ(3u, ep.elpWidth);
    EXPECT_EQ(RGB(7, 8, 9), ep.elpColor);
}

class HistogramBinding : public HistogramTest {};

TEST_F(HistogramBinding, InitializeSubclassesTheDialogItem)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    BindInDialog(200, 100);
    EXPECT_EQ(&m_hist, CWnd::FromHandlePermanent(Hist()));
    EXPECT_EQ(::GetDlgItem(Dialog(), kItemId), Hist());
    EXPECT_EQ(HIWORD(::GetDialogBaseUnits()) < 19, m_hist.SmallMetrics() != FALSE);
    EXPECT_EQ(CRect(10, 10, 190, m_hist.SmallMetrics() ? 68 : 70), m_hist.Plot());
    EXPECT_NE((HBRUSH)NULL, m_hist.BarBrush());
    EXPECT_NE((HPEN)NULL, m_hist.BarPen());
    EXPECT_NE((HPEN)NULL, m_hist.CutpointPen());
    EXPECT_NE((HPEN)NULL, m_hist.HighlightPen());
    EXPECT_NE((HFONT)NULL, m_hist.LabelFont());   // the dialog has a font
    EXPECT_EQ(CHistogram::HE_None, m_hist.CurrentError());
}

TEST_F(HistogramBinding, CreateReachesOnCreate)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    TestHistogram created;
    ASSERT_TRUE(created.Create(HISTOGRAM_CLASSNAME, NULL, WS_CHILD | WS_VISIBLE,
                               CRect(0, 0, 200, 100), CWnd::FromHandle(Host()), 77));
    EXPECT_EQ(77, ::GetDlgCtrlID(created.GetSafeHwnd()));
    EXPECT_EQ(CRect(10, 10, 190, created.SmallMetrics() ? 68 : 70), created.Plot());
    EXPECT_NE((HPEN)NULL, created.CutpointPen());
    // The host window answers WM_GETFONT with nothing: no label font.
    EXPECT_EQ((HFONT)NULL, created.LabelFont());

    // CreateEx takes the same road.
    TestHistogram createdEx;
    ASSERT_TRUE(createdEx.CreateEx(0, HISTOGRAM_CLASSNAME, NULL, WS_CHILD | WS_VISIBLE,
                                   0, 0, 300, 50, Host(), (HMENU)78));
    EXPECT_EQ(CRect(15, 5, 285, createdEx.SmallMetrics() ? 33 : 35), createdEx.Plot());
    created.DestroyWindow();
    createdEx.DestroyWindow();
}

TEST_F(HistogramBinding, InitializeFailures)
{
    ASSERT_FALSE(m_hist.AddCutpoint(kNaN));   // leaves HE_BadCutpoint behind
    ASSERT_EQ(CHistogram::HE_BadCutpoint, m_hist.CurrentError());

    // No parent, or a parent without a window: FALSE, error untouched.
    EXPECT_FALSE(m_hist.Initialize(NULL, kItemId));
    EXPECT_EQ(CHistogram::HE_BadCutpoint, m_hist.CurrentError());
    CWnd unbound;
    EXPECT_FALSE(m_hist.Initialize(&unbound, kItemId));
    HWND gone = ::CreateWindow("STATIC", "", WS_POPUP, 0, 0, 1, 1, NULL, NULL, NULL, NULL);
    CWnd* pGone = CWnd::FromHandle(gone);
    ::DestroyWindow(gone);
    EXPECT_FALSE(m_hist.Initialize(pGone, kItemId));
    EXPECT_EQ(CHistogram::HE_BadCutpoint, m_hist.CurrentError());

    // A parent without that item: the subclassing fails.
    DialogTemplateBuilder tmpl(WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, "");
    tmpl.SetFont(8, "MS Shell Dlg");
    tmpl.AddItem(HISTOGRAM_CLASSNAME, "", (WORD)kItemId, WS_CHILD | WS_VISIBLE, 0, 0, 100, 60);
    tmpl.AddItem(HISTOGRAM_CLASSNAME, "", (WORD)(kItemId + 1), WS_CHILD | WS_VISIBLE, 0, 60, 100, 30);
    ASSERT_TRUE(m_dialog.Create(tmpl));
    EXPECT_FALSE(m_hist.Initialize(CWnd::FromHandle(Dialog()), 999));
    EXPECT_EQ(CHistogram::HE_SubclassFailed, m_hist.CurrentError());
    EXPECT_EQ((HWND)NULL, Hist());

    // Bound once, the object cannot take over a second item.
    ASSERT_TRUE(m_hist.Initialize(CWnd::FromHandle(Dialog()), kItemId));
    ASSERT_TRUE(m_hist.AddCutpoint(1.0));
    EXPECT_FALSE(m_hist.Initialize(CWnd::FromHandle(Dialog()), kItemId + 1));
    EXPECT_EQ(CHistogram::HE_SubclassFailed, m_hist.CurrentError());
    EXPECT_EQ(::GetDlgItem(Dialog(), kItemId), Hist());
    EXPECT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(::GetDlgItem(Dialog(), kItemId + 1)));
}

// Bars computed before binding were placed against an empty plot and stay
// so: binding computes the plot only. The next resize places them.
TEST_F(HistogramBinding, BarsComputedBeforeBindingWaitForTheNextResize)
{
    ASSERT_TRUE(SetBins(0.0, kTwoBins, 2));
    // The empty plot maps every value to column 0 and every non-zero count
    // one row above row 0.
    EXPECT_EQ(CRect(0, -1, 0, 1), m_hist.Bar(0));
    const CRect before = m_hist.Bar(1);
    EXPECT_EQ(CRect(-1, -1, 0, 1), before);

    DialogTemplateBuilder tmpl(WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, "");
    tmpl.SetFont(8, "MS Shell Dlg");
    tmpl.AddItem(HISTOGRAM_CLASSNAME, "", (WORD)kItemId, WS_CHILD | WS_VISIBLE, 0, 0, 150, 80);
    ASSERT_TRUE(m_dialog.Create(tmpl));
    ASSERT_TRUE(m_hist.Initialize(CWnd::FromHandle(Dialog()), kItemId));
    EXPECT_FALSE(m_hist.Plot().IsRectEmpty());
    EXPECT_EQ(before, m_hist.Bar(1));

    ::SetWindowPos(Hist(), NULL, 0, 0, 200, 100, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(190, m_hist.Bar(1).right);
}

/////////////////////////////////////////////////////////////////////////////
// SetHistogram validation, one row per case

struct BinsCase
{
    const char* name;
    double lower;
    int n;
    BinRow bins[3];
    BOOL result;
    CHistogram::HistoErrors error;
};

const BinsCase kBinsCases[] = {
    { "ascending", 0.0, 3, { { 1, 1, "" }, { 2, 0, "" }, { 3, 2, "" } }, TRUE, CHistogram::HE_None },
    { "repeated_edge", 0.0, 3, { { 1, 1, "" }, { 2, 1, "" }, { 2, 1, "" } }, FALSE, CHistogram::HE_BinsNotAscending },
    { "first_edge_equals_lower", 1.0, 2, { { 1, 1, "" }, { 2, 1, "" } }, FALSE, CHistogram::HE_BinsNotAscending },
    { "descending", 0.0, 2, { { 2, 1, "" }, { 1, 1, "" } }, FALSE, CHistogram::HE_BinsNotAscending },
    { "zero_count", 0.0, 1, { { 1, 0.0, "" } }, TRUE, CHistogram::HE_None },
    { "negative_count", 0.0, 2, { { 1, 1, "" }, { 2, -0.5, "" } }, FALSE, CHistogram::HE_NegativeCount },
    // The edge of a bin is checked before its count ...
    { "bad_edge_and_count", 0.0, 1, { { 0, -1, "" } }, FALSE, CHistogram::HE_BinsNotAscending },
    // ... and an earlier bin's count before a later bin's edge.
    { "count_before_later_edge", 0.0, 2, { { 1, -1, "" }, { 0, 1, "" } }, FALSE, CHistogram::HE_NegativeCount },
    // NaN compares false: never greater than the edge before, never >= 0.
    { "nan_edge", 0.0, 2, { { 1, 1, "" }, { kNaN, 1, "" } }, FALSE, CHistogram::HE_BinsNotAscending },
    { "nan_lower", kNaN, 1, { { 1, 1, "" } }, FALSE, CHistogram::HE_BinsNotAscending },
    { "nan_count", 0.0, 1, { { 1, kNaN, "" } }, FALSE, CHistogram::HE_NegativeCount },
};

class HistogramBins : public HistogramTest, public ::testing::WithParamInterface<BinsCase> {};

TEST_P(HistogramBins, ValidationAndWhatARejectionKeeps)
{
    const BinsCase& c = GetParam();
    BindInDialog(200, 100);
    ASSERT_TRUE(SetBins(-5.0, kTwoBins, 2));
    ASSERT_TRUE(m_hist.AddCutpoint(3.0));
    const CRect oldBar = m_hist.Bar(1);
    ASSERT_FALSE(m_hist.AddCutpoint(3.0));     // the error a success clears

    EXPECT_EQ(c.result, SetBins(c.lower, c.bins, c.n));
    EXPECT_EQ(c.error, m_hist.CurrentError());

    double lo, hi;
    m_hist.X_AxisRange(&lo, &hi);
    if (c.result)
    {
        EXPECT_EQ(c.n, m_hist.BinCount());
        EXPECT_EQ(0, m_hist.CutpointCount());
        EXPECT_EQ(c.lower, lo);
        EXPECT_EQ(c.bins[c.n - 1].upper, hi);
    }
    else
    {
        // Nothing of the previous picture changed.
        ASSERT_EQ(2, m_hist.BinCount());
        EXPECT_EQ(oldBar, m_hist.Bar(1));
        EXPECT_EQ(CString("20"), m_hist.Label(1));
        ASSERT_EQ(1, m_hist.CutpointCount());
        EXPECT_EQ(3.0, m_hist.Cutpoint(0).value);
        EXPECT_EQ(-5.0, lo);
        EXPECT_EQ(20.0, hi);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, HistogramBins, ::testing::ValuesIn(kBinsCases),
                         [](const ::testing::TestParamInfo<BinsCase>& info) {
                             return std::string(info.param.name);
                         });

class HistogramData : public HistogramTest {};

TEST_F(HistogramData, SetHistogramCopiesTheBinsAndAlwaysDropsCutpoints)
{
    BindInDialog(200, 100);
    CArray<HistoBin, HistoBin&> bins;
    MakeBins(kTwoBins, 2, bins);
    ASSERT_TRUE(m_hist.SetHistogram(0.0, bins));
    bins[1].label = "changed";
    bins[1].upper = 99.0;
    EXPECT_EQ(CString("20"), m_hist.Label(1));

    MakeBins(kTwoBins, 2, bins);
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    ASSERT_TRUE(m_hist.SelectCutpoint(5.0));
    ASSERT_TRUE(m_hist.SetHistogram(0.0, bins));   // the same bins again
    EXPECT_EQ(0, m_hist.CutpointCount());
    EXPECT_FALSE(m_hist.HasCutpoint(5.0));
}

TEST_F(HistogramData, EmptyBinsKeepTheRangeAndClearHistogramGoesThroughTheTable)
{
    BindInDialog(200, 100);
    ASSERT_TRUE(SetBins(-5.0, kTwoBins, 2));
    ASSERT_TRUE(m_hist.AddCutpoint(1.0));

    ASSERT_TRUE(SetBins(0.0, NULL, 0));
    EXPECT_EQ(0, m_hist.BinCount());
    EXPECT_EQ(0, m_hist.CutpointCount());
    EXPECT_FALSE(m_hist.ShowNoData());
    double lo, hi;
    m_hist.X_AxisRange(&lo, &hi);
    EXPECT_EQ(-5.0, lo);
    EXPECT_EQ(20.0, hi);

    ASSERT_TRUE(SetBins(-5.0, kTwoBins, 2));
    ASSERT_TRUE(m_hist.AddCutpoint(1.0));
    const int calls = m_hist.setHistogramCalls;
    m_hist.ClearHistogram(TRUE);
    EXPECT_EQ(calls + 1, m_hist.setHistogramCalls);   // reached through the virtual table
    EXPECT_TRUE(m_hist.ShowNoData());
    EXPECT_EQ(0, m_hist.BinCount());
    EXPECT_EQ(0, m_hist.CutpointCount());
    m_hist.X_AxisRange(&lo, &hi);
    EXPECT_EQ(-5.0, lo);
    EXPECT_EQ(20.0, hi);

    m_hist.ClearHistogram(FALSE);
    EXPECT_FALSE(m_hist.ShowNoData());
}

// The last error is the last failure: successes other than SetHistogram
// leave it alone; SetHistogram and a drop clear it.
TEST_F(HistogramData, LastErrorRule)
{
    BindInDialog(200, 100);
    ASSERT_TRUE(SetBins(0.0, kTwoBins, 2));
    ASSERT_TRUE(m_hist.AddCutpoint(1.5));
    EXPECT_FALSE(m_hist.AddCutpoint(1.5));
    EXPECT_EQ(CHistogram::HE_BadCutpoint, m_hist.CurrentError());
    EXPECT_TRUE(m_hist.AddCutpoint(2.5));
    EXPECT_TRUE(m_hist.SelectCutpoint(2.5));
    EXPECT_TRUE(m_hist.RemoveCutpoint(2.5));
    m_hist.SetBarFillColor(RGB(1, 1, 1));
    EXPECT_EQ(CHistogram::HE_BadCutpoint, m_hist.CurrentError());

    const BinRow bad[] = { { -1.0, 1.0, "" } };
    EXPECT_FALSE(SetBins(0.0, bad, 1));
    EXPECT_EQ(CHistogram::HE_BinsNotAscending, m_hist.CurrentError());
    EXPECT_TRUE(SetBins(0.0, kTwoBins, 2));
    EXPECT_EQ(CHistogram::HE_None, m_hist.CurrentError());
}

/////////////////////////////////////////////////////////////////////////////
// Cutpoint operations

class HistogramCutpoints : public HistogramTest
{
protected:
    void SetUp() override
    {
        HistogramTest::SetUp();
        BindInDialog(200, 100);
        ASSERT_TRUE(SetBins(0.0, kTwoBins, 2));
    }
};

TEST_F(HistogramCutpoints, ExactValuesWithoutTolerance)
{
    EXPECT_TRUE(m_hist.AddCutpoint(1.5));
    EXPECT_FALSE(m_hist.AddCutpoint(1.5));
    EXPECT_EQ(CHistogram::HE_BadCutpoint, m_hist.CurrentError());
    EXPECT_TRUE(m_hist.HasCutpoint(1.5));
    EXPECT_EQ(1, m_hist.CutpointCount());

    EXPECT_FALSE(m_hist.HasCutpoint(1.50000001));
    EXPECT_FALSE(m_hist.RemoveCutpoint(1.50000001));
    EXPECT_FALSE(m_hist.SelectCutpoint(1.50000001));
    EXPECT_EQ(1, m_hist.CutpointCount());
    EXPECT_FALSE(m_hist.Cutpoint(0).selected);

    // Outside the x range is accepted and kept.
    EXPECT_TRUE(m_hist.AddCutpoint(-100.0));
    EXPECT_TRUE(m_hist.AddCutpoint(1e300));
    EXPECT_EQ(2, m_hist.CutpointIndex(1e300));
    EXPECT_EQ(-1, m_hist.CutpointIndex(7.0));

    // NaN could never be found again: refused.
    EXPECT_FALSE(m_hist.AddCutpoint(kNaN));
    EXPECT_EQ(CHistogram::HE_BadCutpoint, m_hist.CurrentError());
    EXPECT_EQ(3, m_hist.CutpointCount());
}

TEST_F(HistogramCutpoints, InsertionOrderSelectionAndRemoval)
{
    ASSERT_TRUE(m_hist.AddCutpoint(15.0));
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    ASSERT_TRUE(m_hist.AddCutpoint(10.0));
    EXPECT_EQ(15.0, m_hist.Cutpoint(0).value);   // never sorted
    EXPECT_EQ(5.0, m_hist.Cutpoint(1).value);

    ASSERT_TRUE(m_hist.SelectCutpoint(15.0));
    ASSERT_TRUE(m_hist.SelectCutpoint(5.0));
    EXPECT_FALSE(m_hist.Cutpoint(0).selected);
    EXPECT_TRUE(m_hist.Cutpoint(1).selected);
    EXPECT_FALSE(m_hist.Cutpoint(2).selected);
    EXPECT_TRUE(m_hist.SelectCutpoint(5.0));     // again: still fine
    EXPECT_TRUE(m_hist.Cutpoint(1).selected);

    ASSERT_TRUE(m_hist.RemoveCutpoint(5.0));
    ASSERT_EQ(2, m_hist.CutpointCount());
    EXPECT_EQ(10.0, m_hist.Cutpoint(1).value);   // the gap is closed
    EXPECT_FALSE(m_hist.Cutpoint(0).selected);
    EXPECT_FALSE(m_hist.Cutpoint(1).selected);
    EXPECT_FALSE(m_hist.RemoveCutpoint(5.0));
    EXPECT_EQ(CHistogram::HE_BadCutpoint, m_hist.CurrentError());
}

TEST_F(HistogramCutpoints, AddCutpointAsksHasCutpointThroughTheTable)
{
    m_hist.hasCutpointAnswer = TRUE;
    EXPECT_FALSE(m_hist.AddCutpoint(4.0));
    EXPECT_EQ(1, m_hist.hasCutpointCalls);
    EXPECT_EQ(0, m_hist.CutpointCount());
    m_hist.hasCutpointAnswer = -1;
    EXPECT_TRUE(m_hist.AddCutpoint(4.0));
}

// Every operation that changes the picture invalidates the whole client
// area with erase; nothing is painted until the system asks.
struct InvalidatingCall
{
    const char* name;
    void (*call)(CHistogram& h);
};

const InvalidatingCall kInvalidatingCalls[] = {
    { "AddCutpoint", [](CHistogram& h) { h.AddCutpoint(12.0); } },
    { "RemoveCutpoint", [](CHistogram& h) { h.RemoveCutpoint(5.0); } },
    { "SelectCutpoint", [](CHistogram& h) { h.SelectCutpoint(5.0); } },
    { "SetBarFillColor", [](CHistogram& h) { h.SetBarFillColor(RGB(1, 2, 3)); } },
    { "SetBarLineColor", [](CHistogram& h) { h.SetBarLineColor(RGB(1, 2, 3)); } },
    { "SetCutpointColor", [](CHistogram& h) { h.SetCutpointColor(RGB(1, 2, 3)); } },
    { "SetCutpointHighlightColor", [](CHistogram& h) { h.SetCutpointHighlightColor(RGB(1, 2, 3)); } },
    { "SetCutpointLineWidth", [](CHistogram& h) { h.SetCutpointLineWidth(4); } },
    { "SetCutpointHighlightLineWidth", [](CHistogram& h) { h.SetCutpointHighlightLineWidth(5); } },
    { "SetFeatureFlags", [](CHistogram& h) { h.SetFeatureFlags(3); } },
    { "ClearHistogram", [](CHistogram& h) { h.ClearHistogram(TRUE); } },
    { "SetHistogram", [](CHistogram& h) {
          CArray<HistoBin, HistoBin&> bins;
          MakeBins(kTwoBins, 2, bins);
          h.SetHistogram(0.0, bins);
      } },
};

class HistogramInvalidation : public HistogramCutpoints,
                              public ::testing::WithParamInterface<InvalidatingCall> {};

TEST_P(HistogramInvalidation, WholeClientWithErase)
{
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    ::UpdateWindow(Hist());
    RecordControl(Hist(), "control");
    Recorder().Flush("control");

    GetParam().call(m_hist);
    CRect update;
    ASSERT_TRUE(::GetUpdateRect(Hist(), &update, FALSE));
    EXPECT_EQ(CRect(0, 0, 200, 100), update);

    ::UpdateWindow(Hist());
    static const MsgEntry paintSeq[] = {
        { WM_PAINT, sent },
        { WM_NCPAINT, sent | optional },
        { WM_ERASEBKGND, sent },
        { 0 }
    };
    EXPECT_SEQUENCE("control", paintSeq, GetParam().name);
    UnrecordControl(Hist());
}

INSTANTIATE_TEST_SUITE_P(Calls, HistogramInvalidation, ::testing::ValuesIn(kInvalidatingCalls),
                         [](const ::testing::TestParamInfo<InvalidatingCall>& info) {
                             return std::string(info.param.name);
                         });

// A control without a window stores what it is given and paints nothing.
TEST(HistogramUnbound, DataCallsWorkWithoutAWindow)
{
    TestHistogram h;
    CArray<HistoBin, HistoBin&> bins;
    MakeBins(kTwoBins, 2, bins);
    EXPECT_TRUE(h.SetHistogram(0.0, bins));
    EXPECT_TRUE(h.AddCutpoint(5.0));
    EXPECT_TRUE(h.SelectCutpoint(5.0));
    EXPECT_TRUE(h.RemoveCutpoint(5.0));
    h.SetFeatureFlags(3);
    h.ClearHistogram(TRUE);
    EXPECT_EQ(CHistogram::HE_None, h.CurrentError());
    double lo, hi;
    h.X_AxisRange(&lo, &hi);
    EXPECT_EQ(20.0, hi);
}

} // namespace
