// Painting: the border rings of both styles in every state, the
// background, caption, image and focus rectangle, read back as pixels.
#include "HotButtonFixture.h"

#include <algorithm>
#include "Wow64Limits.h"

using namespace testsupport;
using namespace hottest;

namespace {

enum { FACE = COLOR_BTNFACE, SHADOW = COLOR_BTNSHADOW, HILITE = COLOR_BTNHIGHLIGHT,
       DARK = COLOR_3DDKSHADOW, LIGHT = COLOR_3DLIGHT };

struct BorderRow
{
    const char* name;
    int style;                  // HB_BorderStyle
    BOOL hot, pressed, checked, disabled, defButton, highlight;
    int ring1[2], ring2[2];
    bool dither;                // background
};

const BorderRow kBorders[] = {
    { "FlatPressedDisabled",  0, 1, 1, 0, 1, 0, 0, { SHADOW, SHADOW }, { FACE, FACE }, false },
    { "FlatCheckedDisabled",  0, 0, 0, 1, 1, 0, 0, { SHADOW, SHADOW }, { FACE, FACE }, true },
    { "FlatPressedHot",       0, 1, 1, 0, 0, 0, 0, { SHADOW, LIGHT }, { DARK, HILITE }, false },
    { "FlatChecked",          0, 0, 0, 1, 0, 0, 0, { SHADOW, LIGHT }, { DARK, HILITE }, true },
    { "FlatCheckedHot",       0, 1, 0, 1, 0, 0, 0, { SHADOW, LIGHT }, { DARK, HILITE }, false },
    { "FlatDisabledHot",      0, 1, 0, 0, 1, 0, 0, { FACE, FACE }, { FACE, FACE }, false },
    { "FlatNormal",           0, 0, 0, 0, 0, 0, 0, { FACE, FACE }, { FACE, FACE }, false },
    { "FlatHighlight",        0, 0, 0, 0, 0, 0, 1, { FACE, FACE }, { FACE, FACE }, true },
    { "FlatHot",              0, 1, 0, 0, 0, 0, 0, { HILITE, SHADOW }, { FACE, FACE }, false },
    { "FlatHotHighlight",     0, 1, 0, 0, 0, 0, 1, { HILITE, SHADOW }, { FACE, FACE }, true },
    { "RaisedNormal",         1, 0, 0, 0, 0, 0, 0, { FACE, FACE }, { HILITE, SHADOW }, false },
    { "RaisedDefault",        1, 0, 0, 0, 0, 1, 0, { SHADOW, SHADOW }, { HILITE, SHADOW }, false },
    { "RaisedHotDisabled",    1, 1, 0, 0, 1, 0, 0, { FACE, FACE }, { HILITE, SHADOW }, false },
    { "RaisedHot",            1, 1, 0, 0, 0, 0, 0, { HILITE, DARK }, { LIGHT, SHADOW }, false },
    { "RaisedHotDefault",     1, 1, 0, 0, 0, 1, 0, { HILITE, DARK }, { LIGHT, SHADOW }, false },
    { "RaisedPressedHot",     1, 1, 1, 0, 0, 0, 0, { DARK, HILITE }, { SHADOW, LIGHT }, false },
    { "RaisedPressedDisabled",1, 0, 1, 0, 1, 0, 0, { DARK, HILITE }, { SHADOW, LIGHT }, true },
    { "RaisedChecked",        1, 0, 0, 1, 0, 0, 0, { SHADOW, HILITE }, { FACE, FACE }, true },
    { "RaisedCheckedHot",     1, 1, 0, 1, 0, 0, 0, { SHADOW, HILITE }, { FACE, FACE }, false },
    { "RaisedHighlight",      1, 0, 0, 0, 0, 0, 1, { FACE, FACE }, { HILITE, SHADOW }, true },
};

class HotButtonBorder : public HotButtonTest, public ::testing::WithParamInterface<BorderRow> {};

TEST_P(HotButtonBorder, RingsAndBackground)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    const BorderRow& row = GetParam();
    const int colours[] = { FACE, SHADOW, HILITE, DARK, LIGHT };
    for (int a = 0; a < 5; a++)
        for (int b = a + 1; b < 5; b++)
            ASSERT_NE(Sys(colours[a]), Sys(colours[b])) << "system colours must differ";

    DWORD style = row.checked ? BS_CHECKBOX : row.defButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    Make(style | (row.disabled ? WS_DISABLED : 0));
    m_btn.SetBorderStyle((CHotButton::HB_BorderStyle)row.style);
    m_btn.SetHighlight(row.highlight);
    if (row.checked)
        m_btn.SendMessage(BM_SETCHECK, BST_CHECKED);
    m_btn.SetState(row.hot, row.pressed);

    ClientPixels px = Paint();
    EXPECT_RING(px, 0, row.ring1[0], row.ring1[1]);
    EXPECT_RING(px, 1, row.ring2[0], row.ring2[1]);
    // Everything inside the client's outer pixels is background (window
    // pixel (x, y) is client pixel (x - 1, y - 1)).
    int nWrong = 0;
    for (int y = 2; y < kHeight - 2; y++)
        for (int x = 2; x < kWidth - 2; x++)
            nWrong += px.At(x, y) != (row.dither ? DitherAt(x - 1, y - 1) : Sys(FACE));
    EXPECT_EQ(0, nWrong) << (row.dither ? "checkerboard" : "face colour") << " background";
}

INSTANTIATE_TEST_SUITE_P(States, HotButtonBorder, ::testing::ValuesIn(kBorders),
                         [](const ::testing::TestParamInfo<BorderRow>& info) { return info.param.name; });

// Caption and image placement against DrawText and the geometry of the
// caption rectangle: client less 2 at each side, less image width + 4 on
// the image's side, one pixel down and right while pressed.
struct LayoutRow
{
    const char* name;
    const char* text;
    DWORD alignBits;
    int images;                 // 1 or 2 (image 1: the disabled one); 0: none, -1: an empty list
    int align;                  // ButtonImageAlign
    BOOL pressed, disabled;
};

const LayoutRow kLayouts[] = {
    { "CentredCaption",      "Run", 0,        0, BIA_Left,   0, 0 },
    { "LeftCaption",         "Run", BS_LEFT,  0, BIA_Left,   0, 0 },
    { "RightCaption",        "Run", BS_RIGHT, 0, BIA_Left,   0, 0 },
    { "ExplicitCentre",      "Run", BS_CENTER, 0, BIA_Left,  0, 0 },
    { "PressedCaption",      "Run", BS_LEFT,  0, BIA_Left,   1, 0 },
    { "DisabledCaption",     "Run", 0,        0, BIA_Left,   0, 1 },
    { "Ellipsis",            "A caption far too long for this button", BS_LEFT, 0, BIA_Left, 0, 0 },
    { "ImageLeft",           "Run", BS_LEFT,  2, BIA_Left,   0, 0 },
    { "ImageRight",          "Run", BS_RIGHT, 2, BIA_Right,  0, 0 },
    { "ImageCentreNoText",   "Run", 0,        2, BIA_Center, 0, 0 },
    { "ImageOtherAlign",     "Run", 0,        2, 0,          0, 0 },
    { "ImageOnly",           "",    0,        2, BIA_Left,   0, 0 },
    { "ImagePressed",        "Run", 0,        2, BIA_Left,   1, 0 },
    { "ImageDisabled",       "Run", 0,        2, BIA_Left,   0, 1 },
    { "SingleImageDisabled", "Run", BS_LEFT,  1, BIA_Left,   0, 1 },
    { "ImagesRemovedRight",  "Run", BS_RIGHT, 0, BIA_Right,  0, 0 },
    { "EmptyImageList",      "Run", BS_LEFT, -1, BIA_Left,   0, 0 },
};

class HotButtonLayout : public HotButtonTest, public ::testing::WithParamInterface<LayoutRow> {};

TEST_P(HotButtonLayout, CaptionAndImage)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    const LayoutRow& row = GetParam();
    const COLORREF kColours[] = { RGB(255, 0, 0), RGB(0, 0, 255) };
    Make(BS_PUSHBUTTON | row.alignBits | (row.disabled ? WS_DISABLED : 0), row.text, 120, 30);
    if (row.images != 0)
    {
        CImageList images;
        images.Attach(MakeImages(kColours, std::max(row.images, 0)));
        m_btn.SetButtonImages(&images, (ButtonImageAlign)row.align);
    }   // the caller's list goes; the button keeps its copy
    else
    {
        m_btn.SetButtonImages(NULL, (ButtonImageAlign)row.align);
    }
    m_btn.SetState(row.pressed, row.pressed);
    Paint();
    ClientPixels px(Btn());

    CRect client(0, 0, 118, 28), tr = client;
    tr.DeflateRect(2, 0);
    const int imageSpace = (row.images > 0 ? 16 : 0) + 4;
    if (row.images != 0 && row.align == BIA_Left)
        tr.left += imageSpace;
    else if (row.images != 0 && row.align == BIA_Right)
        tr.right -= imageSpace;
    if (row.pressed)
        tr.OffsetRect(1, 1);

    // What DrawText makes of the caption in that rectangle.
    const COLORREF ink = Sys(row.disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    HDC hdcScreen = ::GetDC(NULL);
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hbm = CreateTopDownDib(hdcScreen, client.Width(), client.Height());
    HGDIOBJ oldBitmap = ::SelectObject(hdc, hbm);
    HGDIOBJ oldFont = ::SelectObject(hdc, ::GetStockObject(DEFAULT_GUI_FONT));
    HBRUSH hbrFace = ::CreateSolidBrush(Sys(COLOR_BTNFACE));
    ::FillRect(hdc, &client, hbrFace);
    ::DeleteObject(hbrFace);
    ::SetBkMode(hdc, TRANSPARENT);
    ::SetTextColor(hdc, ink);
    const UINT align = row.alignBits == BS_LEFT ? DT_LEFT : row.alignBits == BS_RIGHT ? DT_RIGHT : DT_CENTER;
    if (row.align != BIA_Center)
        ::DrawTextA(hdc, row.text, -1, &tr, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | align);
    ClientPixels want(hdc, client);
    ::SelectObject(hdc, oldFont);
    ::SelectObject(hdc, oldBitmap);
    ::DeleteObject(hbm);
    ::DeleteDC(hdc);
    ::ReleaseDC(NULL, hdcScreen);

    int nInk = 0, nWrong = 0;
    for (int y = 1; y < client.bottom - 1; y++)
        for (int x = 1; x < client.right - 1; x++)
        {
            const bool wanted = want.At(x, y) == ink;
            nInk += wanted;
            nWrong += wanted != (px.At(x, y) == ink);
        }
    EXPECT_EQ(0, nWrong) << "caption pixels differ from DrawText's";
    EXPECT_EQ(row.align != BIA_Center && row.text[0] != 0, nInk > 0);

    // The image: 16 x 16 of its colour where the geometry puts it, nowhere
    // else; the disabled one while disabled, none when the list lacks it.
    const int nImage = row.disabled ? 1 : 0;
    const COLORREF colour = kColours[nImage];
    const int x = row.align == BIA_Left ? 2 : row.align == BIA_Center ? (118 - 16) / 2 : 118 - 2 - 16;
    const int y = tr.top + (tr.Height() - 16) / 2;
    const int nExpected = row.images > nImage ? 16 * 16 : 0;
    EXPECT_EQ(nExpected, px.Count(CRect(x, y, x + 16, y + 16), colour)) << "at (" << x << ", " << y << ")";
    EXPECT_EQ(nExpected, px.Count(client, colour));
}

INSTANTIATE_TEST_SUITE_P(Rows, HotButtonLayout, ::testing::ValuesIn(kLayouts),
                         [](const ::testing::TestParamInfo<LayoutRow>& info) { return info.param.name; });

// The focus rectangle (client inset 2, one further while pressed) only
// while focused; the handlers leave a caller's DC as they found it.
TEST_F(HotButtonTest, FocusRectangleOnlyWhileFocusedAndDcsPutBack)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    Make();
    const CRect ring(2, 2, kWidth - 4, kHeight - 4);    // client coordinates
    // Pixels of the rectangle's top row that are not face colour.
    auto focusPixels = [&](const CRect& r) {
        ClientPixels px(Btn());
        return r.Width() - (int)px.FindColumns(r.top, Sys(COLOR_BTNFACE), r.left, r.right).size();
    };
    Paint();
    EXPECT_EQ(0, focusPixels(ring));
    m_btn.SetFocus();
    ASSERT_TRUE(PumpUntil([&] { return focusPixels(ring) > 0; }, kTimeout));
    m_btn.SetState(TRUE, TRUE);
    Paint();
    EXPECT_EQ(0, focusPixels(ring));
    EXPECT_GT(focusPixels(CRect(3, 3, kWidth - 3, kHeight - 3)), 0);
    m_btn.SetState(FALSE, FALSE);
    ::SetFocus(Host());
    ASSERT_TRUE(PumpUntil([&] { return focusPixels(ring) == 0; }, kTimeout));

    HDC hdcScreen = ::GetDC(NULL);
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    HBITMAP hbm = CreateTopDownDib(hdcScreen, kWidth, kHeight);
    HGDIOBJ old = ::SelectObject(hdc, hbm);
    const COLORREF colours[] = { RGB(255, 0, 0) };
    CImageList images;
    images.Attach(MakeImages(colours, 1));
    m_btn.SetButtonImages(&images, BIA_Left);
    m_btn.SetFocus();
    for (BOOL highlight = FALSE; highlight <= TRUE; highlight++)
    {
        m_btn.SetHighlight(highlight);
        DcStateSnapshot before(hdc);
        EXPECT_EQ(TRUE, m_btn.SendMessage(WM_ERASEBKGND, (WPARAM)hdc));
        m_btn.RenderButtonImage(CDC::FromHandle(hdc));
        m_btn.RenderFocus(CDC::FromHandle(hdc));
        EXPECT_DC_STATE(before, hdc);
    }
    ClientPixels px(hdc, CRect(0, 0, kWidth, kHeight));
    EXPECT_EQ(DitherAt(1, 1), px.At(1, 1));
    EXPECT_EQ(DitherAt(2, 1), px.At(2, 1));
    EXPECT_EQ(RGB(255, 0, 0), px.At(5, 5));    // image at (2, 3)
    ::SelectObject(hdc, old);
    ::DeleteObject(hbm);
    ::DeleteDC(hdc);
    ::ReleaseDC(NULL, hdcScreen);
}

// A button without WM_SETFONT draws in the DC's own font.
TEST_F(HotButtonTest, WithoutAFontTheCaptionUsesTheDcFont)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    Make(BS_PUSHBUTTON, "Wide caption");
    m_btn.SendMessage(WM_SETFONT, 0, FALSE);
    ClientPixels px = Paint();
    EXPECT_GT(px.Count(CRect(2, 2, kWidth - 2, kHeight - 2), Sys(COLOR_BTNTEXT)), 0);
}

} // namespace
