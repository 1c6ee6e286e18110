// CDlgItemResizer on a real dialog: anchoring rows, hiding outside the
// client area and showing again, minimized and second parents, destroyed
// controls.
#include "PaneFixture.h"

using namespace testsupport;

namespace panetest {
namespace {

const int kItem = 30;

class TestResizer : public CDlgItemResizer
{
public:
    int Count() const { return (int)m_items.GetSize(); }
    CSize Reference() const { return m_szInitial; }
};

class Resizer : public PaneDialogTest
{
protected:
    // Gives the dialog a new client size (it has no frame).
    void SizeDialog(int cx, int cy)
    {
        ::SetWindowPos(Dialog(), NULL, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
};

/////////////////////////////////////////////////////////////////////////////
// One control per row, registered in a 400 x 300 client area.

struct ResizeRow
{
    const char* name;
    UINT flags;
    RECT control;
    SIZE newClient;
    RECT expected;
    bool visible;
};

const ResizeRow kResizeRows[] = {
    { "right_top_moves", RZ_RIGHT | RZ_TOP, { 300, 10, 380, 30 }, { 500, 300 }, { 400, 10, 480, 30 }, true },
    { "left_right_stretches", RZ_LEFT | RZ_RIGHT, { 300, 10, 380, 30 }, { 500, 300 }, { 300, 10, 480, 30 }, true },
    { "left_keeps_x", RZ_LEFT, { 300, 10, 380, 30 }, { 500, 400 }, { 300, 10, 380, 30 }, true },
    { "bottom_moves", RZ_BOTTOM, { 10, 250, 90, 290 }, { 400, 350 }, { 10, 300, 90, 340 }, true },
    { "top_bottom_stretches", RZ_TOP | RZ_BOTTOM, { 10, 50, 90, 290 }, { 300, 200 }, { 10, 50, 90, 190 }, true },
    { "shrunk_below_zero_is_not_clamped", RZ_LEFT | RZ_RIGHT, { 300, 10, 380, 30 }, { 300, 300 }, { 300, 10, 300, 30 }, true },
    { "hide_outside_inside_is_moved", RZ_RIGHT | RZ_HIDEOUTSIDE, { 300, 10, 380, 30 }, { 500, 300 }, { 400, 10, 480, 30 }, true },
    { "hide_outside_one_pixel_past", RZ_LEFT | RZ_HIDEOUTSIDE, { 300, 10, 380, 30 }, { 379, 300 }, { 300, 10, 380, 30 }, false },
    { "hide_outside_empty_counts_as_inside", RZ_LEFT | RZ_RIGHT | RZ_HIDEOUTSIDE, { 300, 10, 380, 30 }, { 310, 300 }, { 300, 10, 290, 30 }, true },
};

class ResizerRows : public Resizer, public ::testing::WithParamInterface<ResizeRow> {};

TEST_P(ResizerRows, PlacesTheControl)
{
    const ResizeRow& r = GetParam();
    MakeDialog(400, 300, { { kItem, r.control } });
    TestResizer resizer;
    resizer.Add(&m_parent, kItem, r.flags);
    EXPECT_EQ(CSize(400, 300), resizer.Reference());
    SizeDialog(r.newClient.cx, r.newClient.cy);
    resizer.Resize(&m_parent);
    // Win32 gives a window a width of 0 where one of less was asked for.
    CRect want = r.expected;
    if (want.right < want.left)
        want.right = want.left;
    EXPECT_EQ(want, ItemRect(kItem));
    EXPECT_EQ(r.visible, ::IsWindowVisible(Item(kItem)) != FALSE);
}

INSTANTIATE_TEST_SUITE_P(Rows, ResizerRows, ::testing::ValuesIn(kResizeRows),
                         [](const ::testing::TestParamInfo<ResizeRow>& info) {
                             return std::string(info.param.name);
                         });

/////////////////////////////////////////////////////////////////////////////

TEST_F(Resizer, HiddenOutsideThenShownNormalAndMoved)
{
    MakeDialog(400, 300, { { kItem, { 300, 10, 380, 30 } } });
    TestResizer resizer;
    resizer.Add(&m_parent, kItem, RZ_RIGHT | RZ_HIDEOUTSIDE);
    // Grown by one pixel less than the control's distance to the edge
    // would need: the control keeps that distance and still fits; then the
    // dialog is taken below the control's width.
    SizeDialog(60, 300);                       // rc = (-40, 10, 40, 30)
    resizer.Resize(&m_parent);
    EXPECT_FALSE(::IsWindowVisible(Item(kItem)));
    EXPECT_EQ(CRect(300, 10, 380, 30), ItemRect(kItem)) << "hidden where it was";

    RecordControl(Item(kItem), "item");
    Recorder().SetFilter("item", [](HWND, UINT message, WPARAM, LPARAM) {
        return message == WM_SHOWWINDOW;
    });
    SizeDialog(450, 300);
    resizer.Resize(&m_parent);
    EXPECT_TRUE(::IsWindowVisible(Item(kItem)));
    EXPECT_EQ(CRect(350, 10, 430, 30), ItemRect(kItem));
    static const MsgEntry shown[] = { { WM_SHOWWINDOW, sent | wparam | lparam, TRUE, 0 }, { 0 } };
    EXPECT_SEQUENCE("item", shown, "shown again");
    UnrecordControl(Item(kItem));
}

TEST_F(Resizer, ShowingAgainRestoresAMinimizedControl)
{
    // SW_SHOWNORMAL, unlike SW_SHOW, restores a control that was minimized
    // before it was hidden.
    MakeDialog(400, 300, { { kItem, { 10, 10, 90, 30 } } });
    TestResizer resizer;
    resizer.Add(&m_parent, kItem, RZ_LEFT | RZ_TOP | RZ_HIDEOUTSIDE);
    ::ShowWindow(Item(kItem), SW_MINIMIZE);
    ::ShowWindow(Item(kItem), SW_HIDE);
    ASSERT_TRUE(::GetWindowLong(Item(kItem), GWL_STYLE) & WS_MINIMIZE);
    resizer.Resize(&m_parent);
    EXPECT_TRUE(::IsWindowVisible(Item(kItem)));
    EXPECT_FALSE(::GetWindowLong(Item(kItem), GWL_STYLE) & WS_MINIMIZE);
    EXPECT_EQ(CPoint(10, 10), ItemRect(kItem).TopLeft());
}

TEST_F(Resizer, MinimizedParentIsLeftAlone)
{
    MakeDialog(400, 300, { { kItem, { 300, 10, 380, 30 } } });
    TestResizer resizer;
    resizer.Add(&m_parent, kItem, RZ_LEFT | RZ_RIGHT | RZ_TOP | RZ_BOTTOM);
    ::ShowWindow(Dialog(), SW_MINIMIZE);
    Pump();
    ASSERT_TRUE(::IsIconic(Dialog()));
    const CRect before = ItemRect(kItem);
    resizer.Resize(&m_parent);
    EXPECT_EQ(before, ItemRect(kItem));
    ::ShowWindow(Dialog(), SW_RESTORE);
}

TEST_F(Resizer, IgnoredRegistrationsAndResizeBeforeAny)
{
    MakeDialog(400, 300, { { kItem, { 300, 10, 380, 30 } } });
    TestResizer resizer;
    resizer.Resize(&m_parent);                 // nothing registered: nothing happens
    resizer.Add(&m_parent, kItem, 0);
    resizer.Add((CWnd*)NULL, RZ_LEFT);
    resizer.Add(&m_parent, 999, RZ_LEFT);
    resizer.Add(&m_parent, RZ_LEFT);           // a top-level window has no parent
    EXPECT_EQ(0, resizer.Count());
    EXPECT_EQ(CSize(0, 0), resizer.Reference());
    EXPECT_EQ(CRect(300, 10, 380, 30), ItemRect(kItem));
}

TEST_F(Resizer, TwoParentsAndRecalcPositions)
{
    // A second parent: a child window of the dialog, 200 x 100, holding one
    // control. The reference size is the dialog's, taken at the first Add.
    MakeDialog(400, 300, { { kItem, { 300, 10, 380, 30 } }, { kItem + 1, { 0, 100, 200, 200 } } });
    HWND other = Item(kItem + 1);
    HWND inner = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 150, 10, 30, 20,
                                   other, NULL, NULL, NULL);
    ASSERT_NE((HWND)NULL, inner);
    TestResizer resizer;
    resizer.Add(&m_parent, kItem, RZ_RIGHT);
    resizer.Add(CWnd::FromHandle(inner), RZ_RIGHT);
    EXPECT_EQ(CSize(400, 300), resizer.Reference());

    // Resize with the dialog grown to 500: both rectangles are computed in
    // the dialog's client coordinates against the dialog's reference size;
    // inner's new rectangle (250, 110, 280, 130) is then applied in its own
    // parent, which sits 100 pixels down.
    SizeDialog(500, 300);
    resizer.Resize(&m_parent);
    EXPECT_EQ(CRect(400, 10, 480, 30), ItemRect(kItem));
    CRect rcInner;
    ::GetWindowRect(inner, &rcInner);
    EXPECT_EQ(CRect(250, 210, 280, 230), rcInner) << "screen = dialog client here";

    // The present layout becomes the reference; a destroyed control is
    // skipped from then on.
    resizer.RecalcPositions();
    EXPECT_EQ(CSize(500, 300), resizer.Reference());
    ::DestroyWindow(inner);
    SizeDialog(520, 300);
    resizer.Resize(&m_parent);
    resizer.RecalcPositions();
    EXPECT_EQ(CRect(420, 10, 500, 30), ItemRect(kItem));
    EXPECT_EQ(CSize(520, 300), resizer.Reference());
}

} // namespace
} // namespace panetest
