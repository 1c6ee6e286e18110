// Cutpoint clicks and drags with real mouse input; the owner's
// notifications compared as whole sequences with what lParam pointed to.
#include "HistogramFixture.h"
#include "Wow64Limits.h"

#include <climits>
#include <cmath>
#include <limits>

using namespace testsupport;
using namespace histotest;

namespace {

const COLORREF kHighlight = RGB(217, 39, 30);
const DWORD kSelect = CHistogram::HF_SelectCutpoints;
const DWORD kSelectDrag = CHistogram::HF_SelectCutpoints | CHistogram::HF_DragCutpoints;

// The two-bin layout of BindTwoBins: each column worth exactly 0.1.
class HistogramMouse : public HistogramTest
{
protected:
    void SetUp() override
    {
        HistogramTest::SetUp();
        BindTwoBins();
    }

    int Column(double value) { return m_hist.X_AxisPos(value); }
    int Row() const { return (m_hist.Plot().top + m_hist.Plot().bottom) / 2; }
    // The client column whose value is tenths / 10.
    int ColumnOfTenths(int tenths) const { return m_hist.Plot().left + tenths; }

    void ExpectIdle(const char* context)
    {
        SCOPED_TRACE(context);
        EXPECT_FALSE(m_hist.Dragging());
        EXPECT_EQ(-1, m_hist.DragIndex());
        EXPECT_EQ(0.0, m_hist.DragStartValue());
        EXPECT_EQ((HWND)NULL, ::GetCapture());
    }
};

TEST_F(HistogramMouse, ClickSelectsAndNotifiesEveryTime)
{
    ASSERT_TRUE(m_hist.AddCutpoint(15.0));
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    m_hist.SetFeatureFlags(kSelect);

    LeftClick(Hist(), Column(5.0), Row());
    const Note first[] = {
        { HM_CUTPOINTSELECTED, 5.0, 0, TRUE, m_hist.CutpointAddress(1) },
        NOTES_END
    };
    EXPECT_NOTES(first, "click on the second cutpoint");
    EXPECT_EQ(std::vector<double>(1, 5.0), m_hist.selectCalls);   // through the virtual table
    EXPECT_TRUE(m_hist.Cutpoint(1).selected);
    EXPECT_FALSE(m_hist.Cutpoint(0).selected);
    ExpectIdle("selection only");

    // Already selected: selected and told again (a new click, not the
    // second of a double click).
    LeftClick(Hist(), Column(5.0), Row());
    EXPECT_NOTES(first, "second click");
    EXPECT_EQ(2u, m_hist.selectCalls.size());

    // Off any line: nothing.
    LeftClick(Hist(), Column(10.0), Row());
    static const Note none[] = { NOTES_END };
    EXPECT_NOTES(none, "click between cutpoints");
    EXPECT_EQ(2u, m_hist.selectCalls.size());
}

// Hit zones: an unselected 2-pixel line from X - 2 to X + 2, a selected
// 3-pixel line from X - 2 to X + 1; only rows of the plot count.
struct HitCase
{
    int dx;
    int row;        // 0: middle, 1: plot.top - 1, 2: plot.top, 3: plot.bottom, 4: plot.bottom + 1
    BOOL selected;
    bool hit;
};

const HitCase kHitCases[] = {
    { -3, 0, FALSE, false }, { -2, 0, FALSE, true }, { -1, 0, FALSE, true }, { 0, 0, FALSE, true },
    { 1, 0, FALSE, true }, { 2, 0, FALSE, true }, { 3, 0, FALSE, false },
    { -3, 0, TRUE, false }, { -2, 0, TRUE, true }, { 1, 0, TRUE, true }, { 2, 0, TRUE, false },
    { 0, 1, FALSE, false }, { 0, 2, FALSE, true }, { 0, 3, FALSE, true }, { 0, 4, FALSE, false },
};

class HistogramHit : public HistogramMouse, public ::testing::WithParamInterface<HitCase> {};

TEST_P(HistogramHit, ZoneAroundTheLine)
{
    const HitCase& c = GetParam();
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    if (c.selected)
    {
        ASSERT_TRUE(m_hist.SelectCutpoint(5.0));
    }
    m_hist.SetFeatureFlags(kSelect);
    m_hist.selectCalls.clear();
    const CRect plot = m_hist.Plot();
    const int rows[] = { Row(), plot.top - 1, plot.top, plot.bottom, plot.bottom + 1 };

    LeftClick(Hist(), Column(5.0) + c.dx, rows[c.row]);
    if (c.hit)
    {
        const Note want[] = { { HM_CUTPOINTSELECTED, 5.0, 0, TRUE, m_hist.CutpointAddress(0) }, NOTES_END };
        EXPECT_NOTES(want, "hit");
    }
    else
    {
        static const Note want[] = { NOTES_END };
        EXPECT_NOTES(want, "miss");
        EXPECT_TRUE(m_hist.selectCalls.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Zones, HistogramHit, ::testing::ValuesIn(kHitCases));

TEST_F(HistogramMouse, FirstCutpointInListOrderWinsOverlappingZones)
{
    ASSERT_TRUE(m_hist.AddCutpoint(5.1));
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    LeftClick(Hist(), Column(5.0), Row());   // inside both zones
    const Note want[] = { { HM_CUTPOINTSELECTED, 5.1, 0, TRUE, m_hist.CutpointAddress(0) }, NOTES_END };
    EXPECT_NOTES(want, "overlapping zones");
}

// The feature flags: nothing without HF_SelectCutpoints, whatever
// HF_DragCutpoints says; a drag only with both.
struct FlagCase
{
    DWORD flags;
    bool selects;
    bool drags;
};

const FlagCase kFlagCases[] = {
    { 0x0, false, false },
    { 0x2, false, false },
    { 0x1, true, false },
    { 0x3, true, true },
    { 0xF3, true, true },     // other bits change nothing
};

class HistogramFlags : public HistogramMouse, public ::testing::WithParamInterface<FlagCase> {};

TEST_P(HistogramFlags, PressMoveRelease)
{
    const FlagCase& c = GetParam();
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    m_hist.SetFeatureFlags(c.flags);

    LeftButtonDown(Hist(), Column(5.0), Row());
    EXPECT_EQ(c.drags, m_hist.Dragging() != FALSE);
    EXPECT_EQ(c.drags ? Hist() : (HWND)NULL, ::GetCapture());
    EXPECT_EQ(c.drags ? 0 : -1, m_hist.DragIndex());
    MouseMoveTo(Hist(), ColumnOfTenths(73), Row());
    EXPECT_EQ(c.drags ? 7.3 : 5.0, m_hist.Cutpoint(0).value);
    LeftButtonUp(Hist(), ColumnOfTenths(73), Row());

    const Note selected = { HM_CUTPOINTSELECTED, 5.0, 0, TRUE, NULL };
    const Note moved = { HM_CUTPOINTMOVED, 5.0, 7.3, FALSE, NULL };
    const Note end = NOTES_END;
    std::vector<Note> want;
    if (c.selects)
        want.push_back(selected);
    if (c.drags)
        want.push_back(moved);
    want.push_back(end);
    EXPECT_NOTES(want.data(), "press, move, release");
    EXPECT_EQ(c.selects, m_hist.Cutpoint(0).selected != FALSE);
    ExpectIdle("after the release");
}

INSTANTIATE_TEST_SUITE_P(Flags, HistogramFlags, ::testing::ValuesIn(kFlagCases));

/////////////////////////////////////////////////////////////////////////////
// Drops

struct DropCase
{
    const char* name;
    int tenths;       // drop column: plot.left + tenths
    bool removed;
    double dropped;   // the value while dragging (two decimals)
    double result;    // after snapping
};

const DropCase kDropCases[] = {
    { "near_upper_edge", 97, false, 9.7, 10.0 },     // within 4 % of 10
    { "near_lower_edge", 103, false, 10.3, 10.0 },
    { "middle_stays", 50, false, 5.0, 5.0 },
    { "near_range_end", 199, false, 19.9, 20.0 },
    { "on_range_end", 200, false, 20.0, 20.0 },
    { "on_range_start", 0, false, 0.0, 0.0 },
    { "just_outside_snap", 105, false, 10.5, 10.5 },
    { "left_of_range", -5, true, -0.5, 0.0 },
    { "right_of_range", 205, true, 20.5, 0.0 },
};

class HistogramDrop : public HistogramMouse, public ::testing::WithParamInterface<DropCase> {};

TEST_P(HistogramDrop, SnapOrRemoveAndTellTheOwner)
{
    const DropCase& c = GetParam();
    ASSERT_TRUE(m_hist.AddCutpoint(15.0));
    m_hist.SetFeatureFlags(kSelectDrag);
    ASSERT_FALSE(m_hist.AddCutpoint(15.0));           // an error the drop clears

    // The owner sees the capture and the drag state still in place.
    HWND captureSeen = NULL;
    BOOL draggingSeen = FALSE;
    SetParentHandler([&](HWND, UINT message, WPARAM, LPARAM, LRESULT*) {
        if (message == HM_CUTPOINTMOVED || message == HM_CUTPOINTREMOVED)
        {
            captureSeen = ::GetCapture();
            draggingSeen = m_hist.Dragging();
        }
        return false;
    });

    LeftButtonDown(Hist(), Column(15.0), Row());
    ASSERT_TRUE(m_hist.Dragging());
    MouseMoveTo(Hist(), ColumnOfTenths(c.tenths), Row());
    EXPECT_EQ(c.dropped, m_hist.Cutpoint(0).value);
    LeftButtonUp(Hist(), ColumnOfTenths(c.tenths), Row());

    if (c.removed)
    {
        const Note want[] = {
            { HM_CUTPOINTSELECTED, 15.0, 0, TRUE, m_hist.CutpointAddress(0) },
            { HM_CUTPOINTREMOVED, 15.0, 0, FALSE, m_hist.DragStartAddress() },
            NOTES_END
        };
        EXPECT_NOTES(want, c.name);
        EXPECT_EQ(0, m_hist.CutpointCount());
        EXPECT_EQ(std::vector<double>(1, c.dropped), m_hist.removeCalls);
    }
    else
    {
        const Note want[] = {
            { HM_CUTPOINTSELECTED, 15.0, 0, TRUE, m_hist.CutpointAddress(0) },
            { HM_CUTPOINTMOVED, 15.0, c.result, FALSE, NULL },
            NOTES_END
        };
        EXPECT_NOTES(want, c.name);
        ASSERT_EQ(1, m_hist.CutpointCount());
        EXPECT_EQ(c.result, m_hist.Cutpoint(0).value);
        EXPECT_TRUE(m_hist.Cutpoint(0).selected);
        EXPECT_EQ(CHistogram::HE_None, m_hist.CurrentError());
    }
    EXPECT_EQ(Hist(), captureSeen);
    EXPECT_TRUE(draggingSeen);
    ExpectIdle(c.name);
}

INSTANTIATE_TEST_SUITE_P(Drops, HistogramDrop, ::testing::ValuesIn(kDropCases),
                         [](const ::testing::TestParamInfo<DropCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(HistogramMouse, DragKeepsTwoDecimalsAndRepaintsTheStripAtOnce)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    // Bins [0, 7]: a column is worth 0.035, so positions have three decimals.
    const BinRow bins[] = { { 7.0, 1.0, "" } };
    ASSERT_TRUE(SetBins(0.0, bins, 1));
    ASSERT_TRUE(m_hist.AddCutpoint(3.5));
    m_hist.SetFeatureFlags(kSelectDrag);
    const int x0 = Column(3.5);
    ASSERT_EQ(11 + 100, x0);

    LeftButtonDown(Hist(), x0, Row());
    ASSERT_TRUE(m_hist.Dragging());
    ::UpdateWindow(Hist());
    ClientPixels px(Hist());
    // Selected: three columns ending on the mapped one.
    EXPECT_EQ(std::vector<int>({ x0 - 2, x0 - 1, x0 }), px.FindColumns(Row(), kHighlight));

    MouseMoveTo(Hist(), 11 + 89, Row());        // 3.1150000000000002 -> 3.12
    EXPECT_EQ(3.12, m_hist.Cutpoint(0).value);
    // The strip was repainted inside the move: no paint is pending and the
    // line stands at its new place only.
    EXPECT_FALSE(::GetUpdateRect(Hist(), NULL, FALSE));
    px = ClientPixels(Hist());
    const int x1 = Column(3.12);
    EXPECT_EQ(std::vector<int>({ x1 - 2, x1 - 1, x1 }), px.FindColumns(Row(), kHighlight));

    MouseMoveTo(Hist(), 11 + 91, Row());        // 3.185 -> 3.19
    EXPECT_EQ(3.19, m_hist.Cutpoint(0).value);

    // No message while dragging.
    const Note selectedOnly[] = { { HM_CUTPOINTSELECTED, 3.5, 0, TRUE, NULL }, NOTES_END };
    EXPECT_NOTES(selectedOnly, "during the drag");

    LeftButtonUp(Hist(), 11 + 91, Row());
    const Note moved[] = { { HM_CUTPOINTMOVED, 3.5, 3.19, FALSE, NULL }, NOTES_END };
    EXPECT_NOTES(moved, "drop");
}

TEST_F(HistogramMouse, DoubleClickSecondPressIsIgnored)
{
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    RecordControl(Hist(), "control");
    Recorder().Flush();

    m_hist.SetFeatureFlags(kSelect);
    LeftDoubleClick(Hist(), Column(5.0), Row());
    std::vector<RecordedMsg> log = Recorder().Log("control");
    int dblclk = 0;
    for (size_t i = 0; i < log.size(); i++)
        dblclk += log[i].message == WM_LBUTTONDBLCLK;
    EXPECT_EQ(1, dblclk) << DescribeLog("control");
    const Note once[] = { { HM_CUTPOINTSELECTED, 5.0, 0, TRUE, NULL }, NOTES_END };
    EXPECT_NOTES(once, "double click, selection only");
    EXPECT_EQ(1u, m_hist.selectCalls.size());

    Recorder().Flush();
    m_hist.SetFeatureFlags(kSelectDrag);
    LeftDoubleClick(Hist(), Column(5.0), Row());
    const Note dragged[] = {
        { HM_CUTPOINTSELECTED, 5.0, 0, TRUE, NULL },
        { HM_CUTPOINTMOVED, 5.0, 5.0, FALSE, NULL },
        NOTES_END
    };
    EXPECT_NOTES(dragged, "double click with dragging");
    ExpectIdle("after the double click");
    UnrecordControl(Hist());
}

/////////////////////////////////////////////////////////////////////////////
// The owner and derived classes acting during a click or drag

TEST_F(HistogramMouse, OwnerRemovingTheCutpointOnSelectionPreventsTheDrag)
{
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    m_hist.SetFeatureFlags(kSelectDrag);
    SetParentHandler([&](HWND, UINT message, WPARAM, LPARAM lParam, LRESULT*) {
        if (message == HM_CUTPOINTSELECTED)
        {
            const double value = ((const CutpointBag*)lParam)->value;
            m_hist.RemoveCutpoint(value);
        }
        return false;
    });

    LeftButtonDown(Hist(), Column(5.0), Row());
    ExpectIdle("after the press");
    MouseMoveTo(Hist(), ColumnOfTenths(80), Row());
    LeftButtonUp(Hist(), ColumnOfTenths(80), Row());
    const Note want[] = { { HM_CUTPOINTSELECTED, 5.0, 0, TRUE, NULL }, NOTES_END };
    EXPECT_NOTES(want, "removed by the owner");
    EXPECT_EQ(0, m_hist.CutpointCount());
}

TEST_F(HistogramMouse, OwnerClearingTheDragFlagOnSelectionPreventsTheDrag)
{
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    m_hist.SetFeatureFlags(kSelectDrag);
    SetParentHandler([&](HWND, UINT message, WPARAM, LPARAM, LRESULT*) {
        if (message == HM_CUTPOINTSELECTED)
            m_hist.SetFeatureFlags(kSelect);
        return false;
    });
    LeftButtonDown(Hist(), Column(5.0), Row());
    ExpectIdle("after the press");
    LeftButtonUp(Hist(), Column(5.0), Row());
}

// A derived SelectCutpoint that empties the list: no notification points
// past the list and no drag starts.
TEST_F(HistogramMouse, DerivedSelectEmptyingTheListSendsNothing)
{
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    m_hist.SetFeatureFlags(kSelectDrag);
    m_hist.onSelect = [this](double value) { m_hist.CHistogram::RemoveCutpoint(value); };
    LeftButtonDown(Hist(), Column(5.0), Row());
    static const Note none[] = { NOTES_END };
    EXPECT_NOTES(none, "list emptied by the override");
    EXPECT_EQ(std::vector<double>(1, 5.0), m_hist.selectCalls);
    ExpectIdle("after the press");
    LeftButtonUp(Hist(), Column(5.0), Row());
}

TEST_F(HistogramMouse, CutpointRemovedDuringTheDragOnlyEndsIt)
{
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    m_hist.SetFeatureFlags(kSelectDrag);
    LeftButtonDown(Hist(), Column(5.0), Row());
    ASSERT_TRUE(m_hist.Dragging());
    ASSERT_TRUE(m_hist.RemoveCutpoint(5.0));
    MouseMoveTo(Hist(), ColumnOfTenths(80), Row());
    EXPECT_EQ(0, m_hist.CutpointCount());
    LeftButtonUp(Hist(), ColumnOfTenths(80), Row());
    const Note want[] = { { HM_CUTPOINTSELECTED, 5.0, 0, TRUE, NULL }, NOTES_END };
    EXPECT_NOTES(want, "removed while dragging");
    ExpectIdle("after the release");
}

TEST_F(HistogramMouse, DropOnAnotherCutpointLeavesTwoEqualOnes)
{
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    ASSERT_TRUE(m_hist.AddCutpoint(15.0));
    m_hist.SetFeatureFlags(kSelectDrag);
    LeftButtonDown(Hist(), Column(15.0), Row());
    MouseMoveTo(Hist(), ColumnOfTenths(50), Row());
    LeftButtonUp(Hist(), ColumnOfTenths(50), Row());
    ASSERT_EQ(2, m_hist.CutpointCount());
    EXPECT_EQ(5.0, m_hist.Cutpoint(0).value);
    EXPECT_EQ(5.0, m_hist.Cutpoint(1).value);
    EXPECT_EQ(0, m_hist.CutpointIndex(5.0));

    // Lookups find the earlier one: removal takes the unselected entry.
    ASSERT_TRUE(m_hist.RemoveCutpoint(5.0));
    ASSERT_EQ(1, m_hist.CutpointCount());
    EXPECT_TRUE(m_hist.Cutpoint(0).selected);
}

TEST_F(HistogramMouse, LostCaptureKeepsTheDragUntilAReleaseReachesTheControl)
{
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    m_hist.SetFeatureFlags(kSelectDrag);
    LeftButtonDown(Hist(), Column(5.0), Row());
    ::ReleaseCapture();
    Pump();
    EXPECT_TRUE(m_hist.Dragging());
    MouseMoveTo(Hist(), ColumnOfTenths(62), Row());
    EXPECT_EQ(6.2, m_hist.Cutpoint(0).value);
    LeftButtonUp(Hist(), ColumnOfTenths(62), Row());
    const Note want[] = {
        { HM_CUTPOINTSELECTED, 5.0, 0, TRUE, NULL },
        { HM_CUTPOINTMOVED, 5.0, 6.2, FALSE, NULL },
        NOTES_END
    };
    EXPECT_NOTES(want, "release after the capture was lost");
    ExpectIdle("after the release");
}

// An owner that answers the selection with a modal loop (its owner
// disabled, messages pumped) in which the button is let go: the release
// never reaches the control, so no drag may start.
TEST_F(HistogramMouse, ReleaseInsideTheOwnersModalLoopStartsNoDrag)
{
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    m_hist.SetFeatureFlags(kSelectDrag);
    SetParentHandler([&](HWND, UINT message, WPARAM, LPARAM, LRESULT*) {
        if (message == HM_CUTPOINTSELECTED)
        {
            ::EnableWindow(Dialog(), FALSE);
            LeftButtonUp(Hist(), Column(5.0), Row());
            ::EnableWindow(Dialog(), TRUE);
        }
        return false;
    });
    LeftButtonDown(Hist(), Column(5.0), Row());
    ExpectIdle("after the press");
    SetParentHandler(nullptr);
    MouseMoveTo(Hist(), ColumnOfTenths(80), Row());
    EXPECT_EQ(5.0, m_hist.Cutpoint(0).value);
    const Note want[] = { { HM_CUTPOINTSELECTED, 5.0, 0, TRUE, NULL }, NOTES_END };
    EXPECT_NOTES(want, "released in the owner's loop");
}

// Another window took the capture and the release: the next move without
// the button drops the cutpoint where it was, as the release would have.
TEST_F(HistogramMouse, MoveWithoutTheButtonEndsTheDrag)
{
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    m_hist.SetFeatureFlags(kSelectDrag);
    LeftButtonDown(Hist(), Column(5.0), Row());
    MouseMoveTo(Hist(), ColumnOfTenths(73), Row());
    ::SetCapture(Host());
    LeftButtonUp(Hist(), ColumnOfTenths(73), Row());
    ::ReleaseCapture();
    EXPECT_TRUE(m_hist.Dragging());
    MouseMoveTo(Hist(), ColumnOfTenths(90), Row());
    const Note want[] = {
        { HM_CUTPOINTSELECTED, 5.0, 0, TRUE, NULL },
        { HM_CUTPOINTMOVED, 5.0, 7.3, FALSE, NULL },
        NOTES_END
    };
    EXPECT_NOTES(want, "move after a release elsewhere");
    EXPECT_EQ(7.3, m_hist.Cutpoint(0).value);
    ExpectIdle("after the move");
}

// Widths outside 0..100 are kept as set but drawn and hit-tested limited.
struct PenWidthCase
{
    int width;
    int drawn;
    int hitDx;      // farthest column right of the line that still hits
};

const PenWidthCase kPenWidthCases[] = {
    { -7, 0, 1 }, { INT_MIN, 0, 1 }, { 101, 100, 50 }, { INT_MAX, 100, 50 },
};

class HistogramPenWidth : public HistogramMouse, public ::testing::WithParamInterface<PenWidthCase> {};

TEST_P(HistogramPenWidth, LimitedForDrawingAndHitTest)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    const PenWidthCase& c = GetParam();
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    m_hist.SetCutpointLineWidth(c.width);
    m_hist.SetCutpointHighlightLineWidth(c.width);
    EXPECT_EQ(c.width, m_hist.CutpointLineWidth());
    EXPECT_EQ(c.width, m_hist.CutpointHighlightLineWidth());
    const HPEN pens[] = { m_hist.CutpointPen(), m_hist.HighlightPen() };
    for (HPEN pen : pens)
    {
        EXTLOGPEN elp = {};
        ASSERT_NE(0, ::GetObject(pen, sizeof(elp), &elp));
        EXPECT_EQ((DWORD)c.drawn, elp.elpWidth);
    }

    m_hist.SetFeatureFlags(kSelectDrag);
    LeftClick(Hist(), Column(5.0) + c.hitDx + 1, Row());
    LeftButtonDown(Hist(), Column(5.0) + c.hitDx, Row());
    ASSERT_TRUE(m_hist.Dragging());
    MouseMoveTo(Hist(), ColumnOfTenths(150), Row());
    LeftButtonUp(Hist(), ColumnOfTenths(150), Row());
    const Note want[] = {
        { HM_CUTPOINTSELECTED, 5.0, 0, TRUE, NULL },
        { HM_CUTPOINTMOVED, 5.0, 15.0, FALSE, NULL },
        NOTES_END
    };
    EXPECT_NOTES(want, "miss, then drag from the edge of the zone");
    if (c.drawn == 100)
    {
        EXPECT_EQ(100u, PaintNow().FindColumns(Row(), kHighlight).size());
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, HistogramPenWidth, ::testing::ValuesIn(kPenWidthCases));

// Mappings that give no finite value keep the cutpoint where it is.
TEST_F(HistogramMouse, ZeroWidthPlotKeepsTheValue)
{
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    m_hist.SetFeatureFlags(kSelectDrag);
    LeftButtonDown(Hist(), Column(5.0), Row());
    ASSERT_TRUE(m_hist.Dragging());
    CRect plot = m_hist.Plot();
    plot.right = plot.left;
    m_hist.SetPlot(plot);
    MouseMoveTo(Hist(), ColumnOfTenths(80), Row());
    EXPECT_EQ(5.0, m_hist.Cutpoint(0).value);
    LeftButtonUp(Hist(), ColumnOfTenths(80), Row());
    const Note want[] = {
        { HM_CUTPOINTSELECTED, 5.0, 0, TRUE, NULL },
        { HM_CUTPOINTMOVED, 5.0, 5.0, FALSE, NULL },
        NOTES_END
    };
    EXPECT_NOTES(want, "zero-width plot");
}

TEST_F(HistogramMouse, InfiniteRangeKeepsTheValue)
{
    const BinRow bins[] = { { 0.0, 1.0, "" }, { 10.0, 1.0, "" } };
    ASSERT_TRUE(SetBins(-std::numeric_limits<double>::infinity(), bins, 2));
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    m_hist.SetFeatureFlags(kSelectDrag);
    ASSERT_EQ(m_hist.Plot().left, Column(5.0));
    LeftButtonDown(Hist(), Column(5.0), Row());
    ASSERT_TRUE(m_hist.Dragging());
    MouseMoveTo(Hist(), ColumnOfTenths(30), Row());
    EXPECT_EQ(5.0, m_hist.Cutpoint(0).value);
    LeftButtonUp(Hist(), ColumnOfTenths(30), Row());
    const Note want[] = {
        { HM_CUTPOINTSELECTED, 5.0, 0, TRUE, NULL },
        { HM_CUTPOINTMOVED, 5.0, 5.0, FALSE, NULL },
        NOTES_END
    };
    EXPECT_NOTES(want, "infinite range");
}

} // namespace

namespace {

// An owner set on the control takes the notifications instead of the parent.
TEST_F(HistogramMouse, NotificationsGoToTheOwnerWhenOneIsSet)
{
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    LeftClick(Hist(), Column(5.0), Row());
    std::vector<RecordedMsg> log = Recorder().Log("parent");
    ASSERT_EQ(1u, log.size());
    EXPECT_EQ(Dialog(), log[0].hwnd);
    Recorder().Flush();

    m_hist.SetOwner(CWnd::FromHandle(Host()));
    LeftClick(Hist(), Column(5.0), Row());
    log = Recorder().Log("parent");
    ASSERT_EQ(1u, log.size());
    EXPECT_EQ(Host(), log[0].hwnd);
    EXPECT_EQ((WPARAM)kItemId, log[0].wParam);
    EXPECT_EQ((LPARAM)m_hist.CutpointAddress(0), log[0].lParam);
}

} // namespace
