// The flat frame and drop button, per state, read back from the inner box's
// pixels: drawn by the state change itself and again after the inner box
// has painted.

#include "FlatComboFixture.h"
#include "MessageRecorder.h"

namespace {

using namespace flatcombotest;
using namespace testsupport;

const COLORREF kSmear = RGB(255, 0, 255);

// A black 100 x 40 bitmap selected into a memory DC.
struct MemoryDc
{
    MemoryDc()
    {
        HDC hdcScreen = ::GetDC(NULL);
        hdc = ::CreateCompatibleDC(hdcScreen);
        hBitmap = CreateTopDownDib(hdcScreen, 100, 40);
        ::ReleaseDC(NULL, hdcScreen);
        hOld = ::SelectObject(hdc, hBitmap);
        RECT rc = { 0, 0, 100, 40 };
        ::FillRect(hdc, &rc, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    }
    ~MemoryDc()
    {
        ::SelectObject(hdc, hOld);
        ::DeleteObject(hBitmap);
        ::DeleteDC(hdc);
    }
    HDC hdc;
    HBITMAP hBitmap;
    HGDIOBJ hOld;
};
const int F = COLOR_BTNFACE, S = COLOR_BTNSHADOW, H = COLOR_BTNHIGHLIGHT, X = -1;

enum Action { None, MoveInside, PressControl, Disable };

// Expected colours at mid-height of the columns 0, 1, W-1, W-2 (the two
// rings), W-T-2, W-T-1 and W-3 (the drop button; T the thumb width).
struct FrameRow
{
    const char* name;
    Action action;
    int nState;
    int colours[7];
};

const FrameRow kFrames[] = {
    { "Normal",   None,         CFlatCombo::FS_Normal,  { F, F, F, F, H, H, H } },
    { "Hot",      MoveInside,   CFlatCombo::FS_Hot,     { S, F, H, F, F, H, S } },
    { "Pressed",  PressControl, CFlatCombo::FS_Pressed, { S, F, H, F, F, S, H } },
    { "Disabled", Disable,      CFlatCombo::FS_Normal,  { F, H, F, H, X, F, F } },
};

void ExpectFrame(HWND hInner, const FrameRow& row, const char* when)
{
    SCOPED_TRACE(when);
    const ClientPixels px = WindowPixels(hInner);
    const int W = px.Width(), Ht = px.Height(), T = ::GetSystemMetrics(SM_CXHTHUMB);
    const int xs[7] = { 0, 1, W - 1, W - 2, W - T - 2, W - T - 1, W - 3 };
    for (int i = 0; i < 7; ++i)
        if (row.colours[i] != X)
            EXPECT_PIXEL(px, xs[i], Ht / 2, ::GetSysColor(row.colours[i]));
    // The outer ring's top row and bottom row.
    EXPECT_ROW(px, 0, 0, W - 1, ::GetSysColor(row.colours[0]));
    EXPECT_ROW(px, Ht - 1, 0, W, ::GetSysColor(row.colours[2]));
    if (row.action == Disable)
        EXPECT_PIXEL(px, W - T - 2, Ht - 3, ::GetSysColor(F));
}

class FramePaintTest : public FlatComboTest, public ::testing::WithParamInterface<FrameRow>
{
};

TEST_P(FramePaintTest, IsDrawnForTheStateAndAfterTheInnerBoxPaints)
{
    const FrameRow& row = GetParam();
    ASSERT_NE(::GetSysColor(F), ::GetSysColor(S));
    ASSERT_NE(::GetSysColor(F), ::GetSysColor(H));
    CFlatCombo* pCombo = MakeCombo();
    const HWND hInner = Inner(pCombo);
    ASSERT_TRUE(::UpdateWindow(hInner));
    Smear(hInner, kSmear);

    switch (row.action)
    {
    case None:          break;
    case MoveInside:    ::SendMessageA(hInner, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); break;
    case PressControl:  pCombo->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); break;
    case Disable:       pCombo->EnableWindow(FALSE); break;
    }
    EXPECT_EQ(row.nState, StateOf(pCombo).nFrameState);
    if (row.action == MoveInside || row.action == PressControl)
        ExpectFrame(hInner, row, "drawn by the state change");

    Smear(hInner, kSmear);
    ::InvalidateRect(hInner, NULL, TRUE);
    ASSERT_TRUE(WaitForPixel(hInner, 0, 2, ::GetSysColor(row.colours[0])));
    ExpectFrame(hInner, row, "drawn after the inner box painted");
}

INSTANTIATE_TEST_SUITE_P(States, FramePaintTest, ::testing::ValuesIn(kFrames),
                         [](const ::testing::TestParamInfo<FrameRow>& info) { return std::string(info.param.name); });

TEST_F(FlatComboTest, DrawFramePutsBackTheDeviceContext)
{
    CFlatCombo* pCombo = MakeCombo();
    MemoryDc mem;
    ::SetBkColor(mem.hdc, RGB(1, 2, 3));
    const DcStateSnapshot before(mem.hdc);
    TessarineTestFlatComboDrawFrame(pCombo, mem.hdc);
    EXPECT_DC_STATE(before, mem.hdc);
    EXPECT_EQ(::GetSysColor(F), ::GetPixel(mem.hdc, 0, 5));
}

// An item the extended combo box does not have, so that it draws nothing
// itself and only the background shows.
struct DrawItemRow
{
    const char* name;
    UINT ctlType;
    UINT action;
    UINT state;
    int colour;     // COLOR_... index, or -1: left as it was
};

const DrawItemRow kDrawItems[] = {
    { "Selected",   ODT_COMBOBOX, ODA_DRAWENTIRE, ODS_SELECTED, COLOR_HIGHLIGHT },
    { "Plain",      ODT_COMBOBOX, ODA_SELECT,     0,            COLOR_WINDOW },
    { "Disabled",   ODT_COMBOBOX, ODA_DRAWENTIRE, ODS_DISABLED, -1 },
    { "FocusOnly",  ODT_COMBOBOX, ODA_FOCUS,      ODS_SELECTED, -1 },
    { "NotACombo",  ODT_LISTBOX,  ODA_DRAWENTIRE, ODS_SELECTED, -1 },
};

class DrawItemTest : public FlatComboTest, public ::testing::WithParamInterface<DrawItemRow>
{
};

TEST_P(DrawItemTest, FillsTheItemBackground)
{
    const DrawItemRow& row = GetParam();
    CFlatCombo* pCombo = MakeCombo();
    MemoryDc mem;
    const HDC hdc = mem.hdc;
    const DcStateSnapshot before(hdc);

    DRAWITEMSTRUCT dis = {};
    dis.CtlType = row.ctlType;
    dis.CtlID = kListId;
    dis.itemID = 99;
    dis.itemAction = row.action;
    dis.itemState = row.state;
    dis.hwndItem = Inner(pCombo);
    dis.hDC = hdc;
    ::SetRect(&dis.rcItem, 10, 2, 90, 18);
    pCombo->SendMessage(WM_DRAWITEM, kListId, (LPARAM)&dis);

    EXPECT_DC_STATE(before, hdc);
    const COLORREF expected = row.colour < 0 ? RGB(0, 0, 0) : ::GetSysColor(row.colour);
    EXPECT_EQ(expected, ::GetPixel(hdc, 50, 10));
    EXPECT_EQ(RGB(0, 0, 0), ::GetPixel(hdc, 5, 10));
}

INSTANTIATE_TEST_SUITE_P(Items, DrawItemTest, ::testing::ValuesIn(kDrawItems),
                         [](const ::testing::TestParamInfo<DrawItemRow>& info) { return std::string(info.param.name); });

} // namespace
