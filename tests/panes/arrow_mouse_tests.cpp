// LiveArrow mouse tracking with the real button state, the capture, the
// state message, Show and Move, and the bitmaps a widget owns.
#include "ArrowFixture.h"
#include "PixelHelpers.h"
#include "TessarineRes.h"
#include "Wow64Limits.h"

using namespace arrowtest;
using namespace testsupport;

namespace {

const CPoint kInFirst(12, 18);
const CPoint kInSecond(12, 30);
const CPoint kOutside(100, 100);

// Which physical button is held, with the buttons swapped or not, and
// whether Track then sees the primary button down.
struct ButtonRow
{
    const char* name;
    BOOL bSwapped;
    int vkHeld;
    bool pressed;
};
void PrintTo(const ButtonRow& row, std::ostream* os) { *os << row.name; }

const ButtonRow kButtons[] = {
    { "LeftPrimary", FALSE, VK_LBUTTON, true },
    { "RightNotPrimary", FALSE, VK_RBUTTON, false },
    { "SwappedRightPrimary", TRUE, VK_RBUTTON, true },
    { "SwappedLeftNotPrimary", TRUE, VK_LBUTTON, false },
};

class ArrowButtonTest : public ArrowTest, public ::testing::WithParamInterface<ButtonRow> {};

TEST_P(ArrowButtonTest, TrackReadsThePrimaryButton)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    const ButtonRow& row = GetParam();
    TestArrow arrow;
    ASSERT_TRUE(arrow.Initialize(HostWnd(), TRUE, &kArrowRect));
    SetSwapped(row.bSwapped);
    ASSERT_EQ(row.bSwapped, ::GetSystemMetrics(SM_SWAPBUTTON));

    SetButton(row.vkHeld, true);
    EXPECT_TRUE(arrow.Track(kInFirst));
    EXPECT_EQ(row.pressed ? LiveArrow::TS_PressFirst : LiveArrow::TS_HoverFirst, arrow.GetTrackState());
    EXPECT_TRUE(arrow.Track(kInSecond));
    EXPECT_EQ(row.pressed ? LiveArrow::TS_PressSecond : LiveArrow::TS_HoverSecond, arrow.GetTrackState());
    SetButton(row.vkHeld, false);
    EXPECT_TRUE(arrow.Track(kInSecond));
    EXPECT_EQ(LiveArrow::TS_HoverSecond, arrow.GetTrackState());
    EXPECT_FALSE(arrow.Track(kOutside));
}

INSTANTIATE_TEST_SUITE_P(Rows, ArrowButtonTest, ::testing::ValuesIn(kButtons), RowName<ButtonRow>);

TEST_F(ArrowTest, CaptureIsHeldWhileThePointerIsOverTheWidget)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    TestArrow arrow;
    ASSERT_TRUE(arrow.Initialize(HostWnd(), TRUE, &kArrowRect));
    // The hit rectangle is (10, 16, 18, 32), its right and bottom edges outside.
    for (const CPoint& pt : { CPoint(10, 16), CPoint(17, 31) })
        EXPECT_TRUE(arrow.MouseDown(pt)) << pt.x << "," << pt.y;
    for (const CPoint& pt : { CPoint(9, 20), CPoint(10, 15), CPoint(18, 20), CPoint(10, 32) })
        EXPECT_FALSE(arrow.MouseDown(pt)) << pt.x << "," << pt.y;
    ::ReleaseCapture();

    EXPECT_TRUE(arrow.MouseDown(kInFirst));             // no capture here
    EXPECT_EQ(LiveArrow::TS_PressFirst, arrow.GetTrackState());
    EXPECT_EQ(NULL, ::GetCapture());
    arrow.Track(kOutside);
    EXPECT_TRUE(arrow.Track(kInFirst));                 // the first Track over it
    EXPECT_EQ(Host(), ::GetCapture());
    ::ReleaseCapture();
    EXPECT_TRUE(arrow.Track(kInSecond));                // a change, but not from TS_None
    EXPECT_EQ(NULL, ::GetCapture());
    arrow.SetExpandState(LiveArrow::ES_CollapsedFirst);
    EXPECT_TRUE(arrow.MouseUp(CPoint(10, 20)));         // restores; keeps whatever capture
    EXPECT_EQ(LiveArrow::ES_Expanded, arrow.GetExpandState());

    ::SetCapture(Host());
    EXPECT_FALSE(arrow.Track(kOutside));                // the first Track outside releases
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(LiveArrow::TS_None, arrow.GetTrackState());
}

// Hidden or destroyed while hovered, a widget gives back the capture it
// took for the host (else every click of the thread would go there), but
// never one that another window took meanwhile.
TEST_F(ArrowTest, HiddenOrDestroyedWhileHoveredGivesItsCaptureBack)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    TestArrow arrow;
    ASSERT_TRUE(arrow.Initialize(HostWnd(), TRUE, &kArrowRect));
    EXPECT_TRUE(arrow.Track(kInFirst));
    ASSERT_EQ(Host(), ::GetCapture());
    arrow.Show(FALSE);
    EXPECT_EQ(NULL, ::GetCapture()) << "hidden";
    arrow.Show(TRUE);
    EXPECT_TRUE(arrow.Track(kInFirst));
    EXPECT_EQ(Host(), ::GetCapture()) << "hovered again";
    {
        TestArrow gone;
        ASSERT_TRUE(gone.Initialize(HostWnd(), TRUE, &kArrowRect));
        ::ReleaseCapture();
        EXPECT_TRUE(gone.Track(kInSecond));
        ASSERT_EQ(Host(), ::GetCapture());
    }
    EXPECT_EQ(NULL, ::GetCapture()) << "destroyed";

    const HWND other = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 1, 1, Host(), NULL, NULL, NULL);
    ::SetCapture(other);
    arrow.Show(FALSE);
    EXPECT_EQ(other, ::GetCapture()) << "another window's capture";
    ::ReleaseCapture();
    ::DestroyWindow(other);
}

TEST_F(ArrowTest, ClicksPostTheNewStateWithTheVerticalValueGiven)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    TestArrow arrow;
    ASSERT_TRUE(arrow.Initialize(HostWnd(), 7, &kArrowRect));
    StateMessages();

    // Upper half of the expanded widget: collapsed first, lParam 1.
    EXPECT_TRUE(arrow.MouseDown(CPoint(10, 23)));
    EXPECT_TRUE(arrow.MouseUp(CPoint(10, 23)));
    EXPECT_EQ(LiveArrow::ES_CollapsedFirst, arrow.GetExpandState());
    EXPECT_TRUE(arrow.Collapsed());
    EXPECT_EQ(LiveArrow::TS_HoverFirst, arrow.GetTrackState());
    NMTTDISPINFOA info;
    memset(&info, 0, sizeof(info));
    EXPECT_TRUE(arrow.GetTTTextA(&info));
    EXPECT_STREQ("Restore", info.szText);
    typedef std::vector<std::pair<LPARAM, WPARAM>> Posted;
    EXPECT_EQ(Posted({ { 1, 7 } }), StateMessages());

    // The hit rectangle is now the arrow rectangle: y 16 is outside, and a
    // release there posts nothing, even after a press inside.
    EXPECT_TRUE(arrow.MouseDown(CPoint(10, 20)));
    EXPECT_EQ(LiveArrow::TS_PressFirst, arrow.GetTrackState());
    EXPECT_FALSE(arrow.MouseUp(CPoint(10, 16)));
    EXPECT_FALSE(arrow.MouseUp(CPoint(18, 20)));
    EXPECT_EQ(LiveArrow::ES_CollapsedFirst, arrow.GetExpandState());
    EXPECT_EQ(LiveArrow::TS_PressFirst, arrow.GetTrackState());
    EXPECT_TRUE(StateMessages().empty());

    // Clicking the single arrow restores: lParam 0. A release needs no press.
    EXPECT_TRUE(arrow.MouseUp(CPoint(17, 27)));
    EXPECT_FALSE(arrow.Collapsed());
    EXPECT_TRUE(arrow.MouseUp(CPoint(17, 31)));         // lower half: collapsed second
    EXPECT_EQ(LiveArrow::TS_HoverSecond, arrow.GetTrackState());
    EXPECT_EQ(Posted({ { 0, 7 }, { 2, 7 } }), StateMessages());
}

// The host's update region is exactly a + b ...
void ExpectInvalid(HWND hwnd, const CRect& a, const CRect& b)
{
    HRGN want = ::CreateRectRgnIndirect(&a);
    HRGN other = ::CreateRectRgnIndirect(&b);
    ::CombineRgn(want, want, other, RGN_OR);
    HRGN got = ::CreateRectRgn(0, 0, 0, 0);
    ::GetUpdateRgn(hwnd, got, FALSE);
    EXPECT_TRUE(::EqualRgn(want, got));
    ::DeleteObject(want);
    ::DeleteObject(other);
    ::DeleteObject(got);
    // ... and it is erased when painted.
    Recorder().Flush();
    ::UpdateWindow(hwnd);
    bool erased = false;
    for (const RecordedMsg& m : Recorder().Log("parent"))
        erased |= m.message == WM_ERASEBKGND;
    EXPECT_TRUE(erased);
}

TEST_F(ArrowTest, ShowFalseStopsEveryReactionAndInvalidatesTheArrowRect)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    TestArrow arrow;
    ASSERT_TRUE(arrow.Initialize(HostWnd(), TRUE, &kArrowRect));
    Pump();
    ::ValidateRect(Host(), NULL);
    arrow.Show(FALSE);
    // Only m_rect, although the expanded arrows reach beyond it.
    ExpectInvalid(Host(), kArrowRect, kArrowRect);

    Fill(RGB(0, 0, 255));
    DrawNow(arrow, Host());
    ClientPixels px(Host());
    EXPECT_EQ(px.Width() * px.Height(), px.Count(CRect(0, 0, px.Width(), px.Height()), RGB(0, 0, 255)));

    StateMessages();
    EXPECT_FALSE(arrow.MouseDown(kInFirst));
    EXPECT_FALSE(arrow.Track(kInFirst));
    EXPECT_FALSE(arrow.MouseUp(kInFirst));
    EXPECT_EQ(NULL, ::GetCapture());
    EXPECT_EQ(LiveArrow::TS_None, arrow.GetTrackState());
    EXPECT_EQ(LiveArrow::ES_Expanded, arrow.GetExpandState());
    EXPECT_TRUE(StateMessages().empty());
    NMTTDISPINFOA info;
    EXPECT_FALSE(arrow.GetTTTextA(&info));

    arrow.Show(TRUE);
    EXPECT_TRUE(arrow.MouseDown(kInFirst));
    ::ReleaseCapture();
}

TEST_F(ArrowTest, MoveInvalidatesTheOldAndTheNewRect)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    TestArrow arrow;
    ASSERT_TRUE(arrow.Initialize(HostWnd(), FALSE, &kArrowRect));
    Pump();
    ::ValidateRect(Host(), NULL);
    const CRect moved(100, 50, 110, 60);
    EXPECT_TRUE(arrow.Move(&moved));
    EXPECT_EQ(moved, arrow.Rect());
    ExpectInvalid(Host(), kArrowRect, moved);
    const CRect empty(30, 30, 30, 40);
    EXPECT_FALSE(arrow.Move(&empty));
    EXPECT_EQ(empty, arrow.Rect());

    // Without a host nothing is invalidated, and nothing breaks.
    TestArrow unbound;
    EXPECT_TRUE(unbound.Move(&moved));
    unbound.Show(FALSE);
}

TEST_F(ArrowTest, SecondInitializeAndDestructorFreeTheBitmaps)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    HBITMAP first, second;
    {
        TestArrow arrow;
        EXPECT_EQ(NULL, arrow.First());
        ASSERT_TRUE(arrow.Initialize(HostWnd(), TRUE, &kArrowRect));
        first = arrow.First();
        second = arrow.Second();
        ASSERT_EQ(OBJ_BITMAP, (int)::GetObjectType(first));
        ASSERT_EQ(OBJ_BITMAP, (int)::GetObjectType(second));

        ASSERT_TRUE(arrow.Initialize(HostWnd(), FALSE, &kArrowRect));
        EXPECT_EQ(0u, ::GetObjectType(first));
        EXPECT_EQ(0u, ::GetObjectType(second));
        first = arrow.First();
        second = arrow.Second();
        EXPECT_EQ(OBJ_BITMAP, (int)::GetObjectType(first));
    }
    EXPECT_EQ(0u, ::GetObjectType(first));
    EXPECT_EQ(0u, ::GetObjectType(second));
}

TEST_F(ArrowTest, WithoutAHostTheWidgetDrawsAndPostsNothing)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    TestArrow arrow;
    ASSERT_TRUE(arrow.Initialize(NULL, TRUE, &kArrowRect));
    Fill(RGB(0, 0, 255));
    DrawNow(arrow, Host());
    EXPECT_EQ(RGB(0, 0, 255), ClientPixel(Host(), 12, 18));
    EXPECT_TRUE(arrow.MouseDown(kInFirst));
    EXPECT_TRUE(arrow.MouseUp(kInFirst));
    EXPECT_EQ(LiveArrow::ES_CollapsedFirst, arrow.GetExpandState());
    EXPECT_TRUE(StateMessages().empty());
}

} // namespace
