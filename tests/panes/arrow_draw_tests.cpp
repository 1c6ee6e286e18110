// LiveArrow geometry, bitmap drawing and the frames of the track states,
// read back from the host's pixels.
#include "ArrowFixture.h"
#include "PixelHelpers.h"
#include "TessarineRes.h"

using namespace arrowtest;
using namespace testsupport;

namespace {

const COLORREF kPaper = RGB(0, 0, 255);     // host background under the widget

// One library bitmap loaded the way the widget loads it, as pixels.
std::vector<COLORREF> ReferenceBitmap(UINT nID)
{
    std::vector<COLORREF> pixels;
    HBITMAP hbm = (HBITMAP)::LoadImageA(::GetModuleHandleA("Tessarine.dll"), MAKEINTRESOURCEA(nID),
                                        IMAGE_BITMAP, 0, 0, LR_LOADMAP3DCOLORS);
    if (hbm == NULL)
        return pixels;
    HDC hdc = ::CreateCompatibleDC(NULL);
    HGDIOBJ old = ::SelectObject(hdc, hbm);
    for (int y = 0; y < 8; y++)
        for (int x = 0; x < 8; x++)
            pixels.push_back(::GetPixel(hdc, x, y));
    ::SelectObject(hdc, old);
    ::DeleteDC(hdc);
    ::DeleteObject(hbm);
    return pixels;
}

struct DrawRow
{
    const char* name;
    int bVertical;
    LiveArrow::ExpandState state;
    CRect rect;
    UINT bitmaps[2];    // drawn at the first and the second position (0: none)
    CPoint at[2];
};
void PrintTo(const DrawRow& row, std::ostream* os) { *os << row.name; }

const DrawRow kDraw[] = {
    { "VerticalExpanded", 1, LiveArrow::ES_Expanded, kArrowRect, { IDB_ARROW_UP, IDB_ARROW_DOWN },
      { CPoint(10, 16), CPoint(10, 24) } },
    { "VerticalCollapsedFirst", 1, LiveArrow::ES_CollapsedFirst, kArrowRect, { IDB_ARROW_DOWN, 0 },
      { CPoint(10, 20) } },
    { "VerticalCollapsedSecond", 1, LiveArrow::ES_CollapsedSecond, kArrowRect, { IDB_ARROW_UP, 0 },
      { CPoint(10, 20) } },
    { "HorizontalExpanded", 0, LiveArrow::ES_Expanded, kArrowRect, { IDB_ARROW_LEFT, IDB_ARROW_RIGHT },
      { CPoint(6, 20), CPoint(14, 20) } },
    { "HorizontalCollapsedFirst", 0, LiveArrow::ES_CollapsedFirst, kArrowRect, { IDB_ARROW_RIGHT, 0 },
      { CPoint(10, 20) } },
    { "HorizontalCollapsedSecond", 0, LiveArrow::ES_CollapsedSecond, kArrowRect, { IDB_ARROW_LEFT, 0 },
      { CPoint(10, 20) } },
    // Odd sizes: halves and centring truncate toward zero, (7 - 8) / 2 is 0.
    { "VerticalOdd", 1, LiveArrow::ES_Expanded, CRect(40, 40, 49, 49), { IDB_ARROW_UP, IDB_ARROW_DOWN },
      { CPoint(40, 36), CPoint(40, 45) } },
    { "CollapsedSmall", 1, LiveArrow::ES_CollapsedSecond, CRect(40, 40, 47, 47), { IDB_ARROW_UP, 0 },
      { CPoint(40, 40) } },
    { "HorizontalOdd", 0, LiveArrow::ES_Expanded, CRect(40, 40, 51, 53), { IDB_ARROW_LEFT, IDB_ARROW_RIGHT },
      { CPoint(36, 42), CPoint(47, 42) } },
    { "CollapsedLarger", 1, LiveArrow::ES_CollapsedFirst, CRect(30, 30, 42, 44), { IDB_ARROW_DOWN, 0 },
      { CPoint(32, 33) } },
};

class ArrowDrawTest : public ArrowTest, public ::testing::WithParamInterface<DrawRow> {};

TEST_P(ArrowDrawTest, DrawsTheMappedBitmapsAtTheirPlacesAndNothingElse)
{
    const DrawRow& row = GetParam();
    TestArrow arrow;
    ASSERT_TRUE(arrow.Initialize(HostWnd(), row.bVertical, &row.rect));
    arrow.SetExpandState(row.state);
    Pump();
    Fill(kPaper);

    HDC hdc = ::GetDC(Host());
    DcStateSnapshot before(hdc);
    arrow.Draw(CDC::FromHandle(hdc));
    EXPECT_DC_STATE(before, hdc);
    ::ReleaseDC(Host(), hdc);

    ClientPixels px(Host());
    int covered = 0;
    for (int i = 0; i < 2 && row.bitmaps[i] != 0; i++)
    {
        const std::vector<COLORREF> ref = ReferenceBitmap(row.bitmaps[i]);
        ASSERT_EQ(64u, ref.size());
        // The greys became the 3-D colours: a 16-pixel triangle on the face.
        int shadow = 0;
        for (COLORREF c : ref)
            shadow += c == ::GetSysColor(COLOR_3DSHADOW);
        EXPECT_EQ(16, shadow);
        for (int y = 0; y < 8; y++)
            for (int x = 0; x < 8; x++)
                EXPECT_PIXEL(px, row.at[i].x + x, row.at[i].y + y, ref[y * 8 + x]);
        covered += 64;
    }
    EXPECT_EQ(px.Width() * px.Height() - covered, px.Count(CRect(0, 0, px.Width(), px.Height()), kPaper));
}

INSTANTIATE_TEST_SUITE_P(Rows, ArrowDrawTest, ::testing::ValuesIn(kDraw), RowName<DrawRow>);

// Frames: which call, where, and what the hit rectangle then shows. Colours
// are system colour indexes; -1 is the menu colour that erases a frame.
enum Action { kMouseDown, kTrack, kTrackInThenOut };
struct FrameRow
{
    const char* name;
    int bVertical;
    LiveArrow::ExpandState state;
    Action action;
    CPoint pt;
    LiveArrow::TrackState track;
    CRect target;
    int topLeft, bottomRight;
    CRect other;        // erased in the menu colour (empty: none)
};
void PrintTo(const FrameRow& row, std::ostream* os) { *os << row.name; }

const FrameRow kFrames[] = {
    { "PressFirstSunken", 1, LiveArrow::ES_Expanded, kMouseDown, CPoint(12, 23),
      LiveArrow::TS_PressFirst, CRect(10, 16, 18, 24), COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT,
      CRect(10, 24, 18, 32) },
    { "HoverSecondRaised", 1, LiveArrow::ES_Expanded, kTrack, CPoint(12, 24),
      LiveArrow::TS_HoverSecond, CRect(10, 24, 18, 32), COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW,
      CRect(10, 16, 18, 24) },
    { "HorizontalPressSecond", 0, LiveArrow::ES_Expanded, kMouseDown, CPoint(21, 27),
      LiveArrow::TS_PressSecond, CRect(14, 20, 22, 28), COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT,
      CRect(6, 20, 14, 28) },
    { "CollapsedFirstHover", 1, LiveArrow::ES_CollapsedFirst, kTrack, CPoint(10, 20),
      LiveArrow::TS_HoverFirst, kArrowRect, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, CRect() },
    { "CollapsedSecondPress", 0, LiveArrow::ES_CollapsedSecond, kMouseDown, CPoint(17, 27),
      LiveArrow::TS_PressSecond, kArrowRect, COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT, CRect() },
    { "LeavingErasesBothHalves", 1, LiveArrow::ES_Expanded, kTrackInThenOut, CPoint(12, 18),
      LiveArrow::TS_None, CRect(10, 24, 18, 32), -1, -1, CRect(10, 16, 18, 24) },
};

COLORREF FrameColour(int index)
{
    return ::GetSysColor(index < 0 ? COLOR_MENU : index);
}

void ExpectFrame(const ClientPixels& px, const CRect& r, COLORREF tl, COLORREF br)
{
    EXPECT_ROW(px, r.top, r.left, r.right - 1, tl);
    EXPECT_COLUMN(px, r.left, r.top, r.bottom - 1, tl);
    EXPECT_ROW(px, r.bottom - 1, r.left, r.right, br);
    EXPECT_COLUMN(px, r.right - 1, r.top, r.bottom, br);
}

class ArrowFrameTest : public ArrowTest, public ::testing::WithParamInterface<FrameRow> {};

TEST_P(ArrowFrameTest, DrawsTheFrameOfTheTrackStateAtOnce)
{
    const FrameRow& row = GetParam();
    TestArrow arrow;
    ASSERT_TRUE(arrow.Initialize(HostWnd(), row.bVertical, &kArrowRect));
    arrow.SetExpandState(row.state);
    Pump();
    Fill(kPaper);
    EXPECT_TRUE(row.action == kMouseDown ? arrow.MouseDown(row.pt) : arrow.Track(row.pt));
    if (row.action == kTrackInThenOut)
    {
        EXPECT_FALSE(arrow.Track(CPoint(0, 0)));
    }
    EXPECT_EQ(row.track, arrow.GetTrackState());

    ClientPixels px(Host());
    ExpectFrame(px, row.target, FrameColour(row.topLeft), FrameColour(row.bottomRight));
    if (!row.other.IsRectEmpty())
        ExpectFrame(px, row.other, FrameColour(-1), FrameColour(-1));
    // Frames one pixel wide, nothing else touched inside the hit rectangle.
    auto ring = [](const CRect& r) { return r.IsRectEmpty() ? 0 : 2 * (r.Width() + r.Height()) - 4; };
    CRect hit;
    hit.UnionRect(&row.target, &row.other);
    EXPECT_EQ(hit.Width() * hit.Height() - ring(row.target) - ring(row.other), px.Count(hit, kPaper));
    ::ReleaseCapture();
}

INSTANTIATE_TEST_SUITE_P(Rows, ArrowFrameTest, ::testing::ValuesIn(kFrames), RowName<FrameRow>);

// A host whose class owns its DC keeps every attribute left in it, so the
// frames drawn outside the paint cycle must leave that DC as they found it.
TEST_F(ArrowTest, FramesLeaveAHostsOwnDcAsTheyFoundIt)
{
    WNDCLASSA wc;
    ZeroMemory(&wc, sizeof(wc));
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.lpszClassName = "ArrowOwnDcHost";
    ::RegisterClassA(&wc);
    HWND host = ::CreateWindowExA(0, wc.lpszClassName, "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100,
                                  Host(), NULL, wc.hInstance, NULL);
    ASSERT_NE((HWND)NULL, host);
    HDC hdc = ::GetDC(host);
    ::SetBkColor(hdc, kPaper);
    const DcStateSnapshot before(hdc);
    ::ReleaseDC(host, hdc);

    TestArrow arrow;
    ASSERT_TRUE(arrow.Initialize(CWnd::FromHandle(host), TRUE, &kArrowRect));
    EXPECT_TRUE(arrow.MouseDown(CPoint(12, 18)));
    EXPECT_TRUE(arrow.MouseUp(CPoint(12, 18)));
    EXPECT_DC_STATE(before, hdc);
    ::DestroyWindow(host);
}

} // namespace
