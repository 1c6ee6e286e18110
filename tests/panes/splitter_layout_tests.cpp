// The splitter bars without input: binding, pane layout (the y bar hiding
// and showing panes), drag limits, skipped panes and cursor shapes.
#include "PaneFixture.h"

using namespace testsupport;

namespace panetest {
namespace {

const int kBar = 10;
const int kPane = 20;

typedef PaneDialogTest SplitterLayout;

/////////////////////////////////////////////////////////////////////////////
// Binding

TEST_F(SplitterLayout, BindingSubclassesTheBarAndSetsItsMinimums)
{
    MakeDialog(400, 300, { { kBar, { 200, 0, 206, 300 } }, { kBar + 1, { 0, 150, 400, 156 } } });
    const LONG_PTR staticProc = ::GetWindowLongPtr(Item(kBar), GWLP_WNDPROC);
    ASSERT_FALSE(::GetWindowLong(Item(kBar), GWL_STYLE) & SS_NOTIFY);

    TestXSplitter x;
    x.SetMinWidth(1, 2);                          // overwritten by the binding
    ASSERT_TRUE(x.BindWithControl(&m_parent, kBar));
    EXPECT_EQ(&x, CWnd::FromHandlePermanent(Item(kBar)));
    EXPECT_TRUE(::GetWindowLong(Item(kBar), GWL_STYLE) & SS_NOTIFY);
    EXPECT_EQ(&m_parent, x.Parent());
    EXPECT_EQ(10, x.MinLeft());
    EXPECT_EQ(10, x.MinRight());

    TestYSplitter y;
    y.SetMinHeight(3, 4);                         // kept by the binding
    ASSERT_TRUE(y.BindWithControl(&m_parent, kBar + 1));
    EXPECT_TRUE(::GetWindowLong(Item(kBar + 1), GWL_STYLE) & SS_NOTIFY);
    EXPECT_EQ(3, y.MinAbove());
    EXPECT_EQ(4, y.MinBelow());

    // Unbind forgets the panes and gives the control back; it binds again.
    x.AttachAsLeftPane(kPane, 0, FALSE);
    x.Unbind();
    EXPECT_EQ(0, x.PaneCount());
    EXPECT_EQ((HWND)NULL, x.m_hWnd);
    EXPECT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(Item(kBar)));
    EXPECT_EQ(staticProc, ::GetWindowLongPtr(Item(kBar), GWLP_WNDPROC));
    EXPECT_TRUE(x.BindWithControl(&m_parent, kBar));
    x.Unbind();
    y.Unbind();
}

TEST_F(SplitterLayout, BindingFailsForNoControlAndForAControlBoundElsewhere)
{
    MakeDialog(400, 300, { { kBar, { 200, 0, 206, 300 } }, { kBar + 1, { 0, 150, 400, 156 } } });
    TestXSplitter x, x2;
    TestYSplitter y, y2;
    EXPECT_FALSE(x.BindWithControl(&m_parent, 999));
    EXPECT_FALSE(y.BindWithControl(&m_parent, 999));
    EXPECT_EQ((HWND)NULL, x.m_hWnd);
    EXPECT_EQ((HWND)NULL, y.m_hWnd);
    EXPECT_EQ((CWnd*)NULL, x.Parent());
    EXPECT_EQ(0, x.MinLeft()) << "a failed binding changes nothing";

    ASSERT_TRUE(x.BindWithControl(&m_parent, kBar));
    ASSERT_TRUE(y.BindWithControl(&m_parent, kBar + 1));
    EXPECT_FALSE(x2.BindWithControl(&m_parent, kBar));
    EXPECT_FALSE(y2.BindWithControl(&m_parent, kBar + 1));
    EXPECT_EQ((HWND)NULL, x2.m_hWnd);
    EXPECT_EQ((HWND)NULL, y2.m_hWnd);
    EXPECT_FALSE(x.BindWithControl(&m_parent, kBar + 1)) << "already bound";
    EXPECT_EQ(Item(kBar), x.m_hWnd);
    x.Unbind();
    y.Unbind();
}

/////////////////////////////////////////////////////////////////////////////
// RecalcLayout, one pane per row. x bars are 6 wide at x = barPos, y bars 6
// high at y = barPos; y rows use the margins 20 (top) and 10 (bottom).

struct LayoutRow
{
    const char* name;
    bool vertical;      // a y bar
    bool second;        // right / below the bar
    BOOL stretch;
    int gap;
    int barPos;
    RECT pane;
    bool startHidden;
    RECT expected;
    bool visible;
};

const LayoutRow kLayoutRows[] = {
    { "x_left_moved", false, false, FALSE, 4, 200, { 20, 10, 120, 50 }, false, { 96, 10, 196, 50 }, true },
    { "x_left_stretched", false, false, TRUE, 4, 200, { 20, 10, 120, 50 }, false, { 20, 10, 196, 50 }, true },
    { "x_right_moved", false, true, FALSE, 3, 200, { 250, 10, 350, 50 }, false, { 209, 10, 309, 50 }, true },
    { "x_right_stretched", false, true, TRUE, 3, 200, { 250, 10, 350, 50 }, false, { 209, 10, 350, 50 }, true },
    { "x_moved_past_the_client_area", false, true, FALSE, 3, 380, { 250, 10, 350, 50 }, false, { 389, 10, 489, 50 }, true },
    { "x_hidden_pane_is_not_shown", false, false, FALSE, 4, 200, { 20, 10, 120, 50 }, true, { 96, 10, 196, 50 }, false },
    { "y_above_moved", true, false, FALSE, 4, 150, { 10, 50, 100, 90 }, false, { 10, 106, 100, 146 }, true },
    { "y_above_top_on_margin_hides", true, false, FALSE, 4, 150, { 10, 5, 100, 131 }, false, { 10, 5, 100, 131 }, false },
    { "y_above_top_below_margin_stays", true, false, FALSE, 4, 150, { 10, 5, 100, 130 }, false, { 10, 21, 100, 146 }, true },
    { "y_above_stretched", true, false, TRUE, 4, 150, { 10, 50, 100, 90 }, false, { 10, 50, 100, 146 }, true },
    { "y_above_stretched_empty_hides", true, false, TRUE, 4, 150, { 10, 148, 100, 149 }, false, { 10, 148, 100, 149 }, false },
    { "y_below_moved", true, true, FALSE, 4, 150, { 10, 200, 100, 240 }, false, { 10, 160, 100, 200 }, true },
    { "y_below_bottom_on_margin_hides", true, true, FALSE, 4, 150, { 10, 160, 100, 290 }, false, { 10, 160, 100, 290 }, false },
    { "y_below_bottom_above_margin_stays", true, true, FALSE, 4, 150, { 10, 160, 100, 289 }, false, { 10, 160, 100, 289 }, true },
    { "y_below_stretched", true, true, TRUE, 4, 150, { 10, 200, 100, 280 }, false, { 10, 160, 100, 280 }, true },
    { "y_hidden_pane_that_fits_is_shown", true, false, FALSE, 4, 150, { 10, 50, 100, 90 }, true, { 10, 106, 100, 146 }, true },
};

class SplitterLayoutRows : public PaneDialogTest, public ::testing::WithParamInterface<LayoutRow> {};

TEST_P(SplitterLayoutRows, PlacesThePaneAndInvalidatesTheParent)
{
    const LayoutRow& r = GetParam();
    const RECT bar = r.vertical ? RECT{ 0, r.barPos, 400, r.barPos + 6 }
                                : RECT{ r.barPos, 0, r.barPos + 6, 300 };
    MakeDialog(400, 300, { { kBar, bar }, { kPane, r.pane } });
    if (r.startHidden)
        ::ShowWindow(Item(kPane), SW_HIDE);
    ::ValidateRect(Dialog(), NULL);

    TestXSplitter x;
    TestYSplitter y;
    if (r.vertical)
    {
        ASSERT_TRUE(y.BindWithControl(&m_parent, kBar));
        y.SetAreaMargins(20, 10);
        EXPECT_TRUE(r.second ? y.AttachAsBelowPane(kPane, r.gap, r.stretch)
                             : y.AttachAsAbovePane(kPane, r.gap, r.stretch));
        y.RecalcLayout();
    }
    else
    {
        ASSERT_TRUE(x.BindWithControl(&m_parent, kBar));
        EXPECT_TRUE(r.second ? x.AttachAsRightPane(kPane, r.gap, r.stretch)
                             : x.AttachAsLeftPane(kPane, r.gap, r.stretch));
        x.RecalcLayout();
    }
    EXPECT_EQ(CRect(r.expected), ItemRect(kPane));
    EXPECT_EQ(r.visible, ::IsWindowVisible(Item(kPane)) != FALSE);
    CRect update;
    EXPECT_TRUE(::GetUpdateRect(Dialog(), &update, FALSE));
    EXPECT_EQ(CRect(0, 0, 400, 300), update);
    x.Unbind();
    y.Unbind();
}

INSTANTIATE_TEST_SUITE_P(Rows, SplitterLayoutRows, ::testing::ValuesIn(kLayoutRows),
                         [](const ::testing::TestParamInfo<LayoutRow>& info) {
                             return std::string(info.param.name);
                         });

/////////////////////////////////////////////////////////////////////////////
// Drag limits, read as the cursor clipping rectangle while the bar is held
// (pressed 3 pixels into it). The dialog sits at the screen's origin, so
// the rectangles read as client coordinates.

struct LimitRow
{
    const char* name;
    bool vertical;
    int minFirst, minSecond;
    BOOL firstStretch, secondStretch;
    RECT clip;
};

// x bar (200, 0, 206, 300), left pane at x 50..150, right pane at 250..350;
// y bar (0, 150, 400, 156), pane above at y 20..100, below at 200..280.
const LimitRow kLimitRows[] = {
    { "x_moved_panes_do_not_limit", false, 10, 10, FALSE, FALSE, { 13, 0, 388, 300 } },
    { "x_stretched_left_pane_at_50", false, 10, 10, TRUE, FALSE, { 63, 0, 388, 300 } },
    { "x_stretched_right_pane", false, 10, 10, FALSE, TRUE, { 13, 0, 338, 300 } },
    { "y_no_minimums", true, 0, 0, FALSE, FALSE, { 0, 3, 400, 298 } },
    { "y_stretched_panes_margins_ignored", true, 5, 5, TRUE, TRUE, { 0, 28, 400, 273 } },
};

class SplitterLimitRows : public PaneDialogTest, public ::testing::WithParamInterface<LimitRow> {};

TEST_P(SplitterLimitRows, ClipRectangleWhileDragging)
{
    const LimitRow& r = GetParam();
    TestXSplitter x;
    TestYSplitter y;
    POINT press;
    if (r.vertical)
    {
        MakeDialog(400, 300, { { kBar, { 0, 150, 400, 156 } }, { kPane, { 10, 20, 390, 100 } },
                               { kPane + 1, { 10, 200, 390, 280 } } });
        ASSERT_TRUE(y.BindWithControl(&m_parent, kBar));
        y.SetMinHeight(r.minFirst, r.minSecond);
        y.SetAreaMargins(100, 100);
        y.AttachAsAbovePane(kPane, 4, r.firstStretch);
        y.AttachAsBelowPane(kPane + 1, 4, r.secondStretch);
        press = { 50, 3 };
    }
    else
    {
        MakeDialog(400, 300, { { kBar, { 200, 0, 206, 300 } }, { kPane, { 50, 10, 150, 290 } },
                               { kPane + 1, { 250, 10, 350, 290 } } });
        ASSERT_TRUE(x.BindWithControl(&m_parent, kBar));
        x.SetMinWidth(r.minFirst, r.minSecond);
        x.AttachAsLeftPane(kPane, 4, r.firstStretch);
        x.AttachAsRightPane(kPane + 1, 4, r.secondStretch);
        press = { 3, 50 };
    }
    EXPECT_EQ(CRect(r.clip), ClipWhileHeld(Item(kBar), press));
    x.Unbind();
    y.Unbind();
}

INSTANTIATE_TEST_SUITE_P(Rows, SplitterLimitRows, ::testing::ValuesIn(kLimitRows),
                         [](const ::testing::TestParamInfo<LimitRow>& info) {
                             return std::string(info.param.name);
                         });

/////////////////////////////////////////////////////////////////////////////
// Panes whose windows are gone

TEST_F(SplitterLayout, PanesWhoseWindowsAreGoneAreSkipped)
{
    MakeDialog(400, 300, { { kBar, { 200, 0, 206, 300 } }, { kPane, { 20, 10, 120, 50 } },
                             { kPane + 1, { 50, 60, 150, 100 } }, { kPane + 2, { 50, 110, 150, 150 } } });
    TestXSplitter x;
    ASSERT_TRUE(x.BindWithControl(&m_parent, kBar));
    x.AttachAsLeftPane(999, 4, TRUE);                  // names no control
    x.AttachAsLeftPane(kPane + 1, 4, TRUE);
    x.AttachAsLeftPane(kPane + 2, 4, TRUE);
    x.AttachAsLeftPane(kPane, 4, FALSE);
    ::DestroyWindow(Item(kPane + 1));
    ::DestroyWindow(Item(kPane + 2));

    x.RecalcLayout();
    EXPECT_EQ(CRect(96, 10, 196, 50), ItemRect(kPane));
    // The stretched panes that are gone set no limit to a drag.
    EXPECT_EQ(CRect(13, 0, 388, 300), ClipWhileHeld(Item(kBar), { 3, 50 }));
    x.Unbind();

    TestYSplitter y;
    Place(kBar, { 0, 150, 400, 156 });
    ASSERT_TRUE(y.BindWithControl(&m_parent, kBar));
    y.AttachAsAbovePane(kPane + 2, 4, TRUE);
    y.AttachAsBelowPane(999, 4, FALSE);
    y.AttachAsAbovePane(kPane, 4, FALSE);
    y.RecalcLayout();
    EXPECT_EQ(CRect(96, 106, 196, 146), ItemRect(kPane));
    y.Unbind();
}

/////////////////////////////////////////////////////////////////////////////
// Cursor shapes

struct CursorRow
{
    bool vertical;
    UINT hitTest;
    UINT message;
    LPCTSTR cursor;
};

const CursorRow kCursorRows[] = {
    { false, HTCLIENT, WM_MOUSEMOVE, IDC_SIZEWE },
    { false, HTNOWHERE, WM_LBUTTONDOWN, IDC_SIZEWE },
    { true, HTCLIENT, WM_MOUSEMOVE, IDC_SIZENS },
    { true, HTBORDER, 0, IDC_SIZENS },
};

class SplitterCursorRows : public PaneDialogTest, public ::testing::WithParamInterface<CursorRow> {};

TEST_P(SplitterCursorRows, SetCursorShowsTheSizingCursor)
{
    const CursorRow& r = GetParam();
    MakeDialog(400, 300, { { kBar, { 200, 0, 206, 300 } } });
    TestXSplitter x;
    TestYSplitter y;
    ASSERT_TRUE(r.vertical ? y.BindWithControl(&m_parent, kBar) : x.BindWithControl(&m_parent, kBar));
    ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
    EXPECT_EQ(TRUE, ::SendMessage(Item(kBar), WM_SETCURSOR, (WPARAM)Item(kBar),
                                  MAKELPARAM(r.hitTest, r.message)));
    EXPECT_EQ(::LoadCursor(NULL, r.cursor), ::GetCursor());
    x.Unbind();
    y.Unbind();
}

INSTANTIATE_TEST_SUITE_P(Rows, SplitterCursorRows, ::testing::ValuesIn(kCursorRows));

} // namespace
} // namespace panetest
