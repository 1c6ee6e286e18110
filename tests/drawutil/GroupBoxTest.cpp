// Tests of cbGroupBox: the frame pixel by pixel as its stroke table lays it
// out, the caption's cell and blanks, the device context put back, and the
// calls through the context's virtual members.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GroupBox.h"
#include "TestCanvas.h"

namespace {

const COLORREF kMarker = RGB(255, 0, 255);   // the canvas before drawing
const int kWidth = 130, kHeight = 80;

// The stroke table: per stroke the pen and three points (start, through,
// end), each an offset from the rectangle's left or right and top or bottom.
enum Edge { L, T, R, B };
struct Stroke { bool bHighlight; int p[3][4]; };  // { edgeX, dx, edgeY, dy }
const Stroke kStrokes[] = {
    { true,  { { L, 1, B, -3 }, { L, 1, T, 7 }, { R, -1, T, 7 } } },
    { true,  { { R, 0, T, 6 },  { R, 0, B, -1 }, { L, -1, B, -1 } } },
    { false, { { L, 0, B, -2 }, { L, 0, T, 6 },  { R, 0, T, 6 } } },
    { false, { { R, -1, T, 7 }, { R, -1, B, -2 }, { L, 0, B, -2 } } },
};

POINT Place(const int* p, const RECT& rc)
{
    return POINT{ (p[0] == L ? rc.left : rc.right) + p[1], (p[2] == T ? rc.top : rc.bottom) + p[3] };
}

// The frame as MoveTo and LineTo paint it: each line from its start up to,
// not including, its end.
void PaintExpectedFrame(TestCanvas& canvas, const RECT& rc)
{
    for (const Stroke& s : kStrokes)
        for (int k = 0; k < 2; ++k)
        {
            POINT a = Place(s.p[k], rc);
            const POINT b = Place(s.p[k + 1], rc);
            const int dx = (b.x > a.x) - (b.x < a.x), dy = (b.y > a.y) - (b.y < a.y);
            for (; a.x != b.x || a.y != b.y; a.x += dx, a.y += dy)
                if (a.x >= 0 && a.y >= 0 && a.x < kWidth && a.y < kHeight)
                    canvas.Set(a.x, a.y, ::GetSysColor(s.bHighlight ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW));
        }
}

// The canvas starts with a state unlike the one cbGroupBox sets, so that
// putting it back is seen.
class GroupBoxTest : public ::testing::Test
{
protected:
    GroupBoxTest() : m_canvas(kWidth, kHeight, kMarker), m_otherPen(PS_SOLID, 3, RGB(0, 255, 0))
    {
        m_font.CreateFont(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, _T("Tahoma"));
        m_otherFont.CreatePointFont(140, _T("Courier New"));
        ::SelectObject(m_canvas.Dc(), m_otherFont);
        ::SelectObject(m_canvas.Dc(), m_otherPen);
        ::SetTextAlign(m_canvas.Dc(), TA_CENTER | TA_BOTTOM);
        ::SetTextColor(m_canvas.Dc(), RGB(0, 0, 255));
        ::SetBkColor(m_canvas.Dc(), RGB(255, 255, 0));
    }

    void Draw(CDC& dc, int bkMode, const RECT& rc, const char* pszCaption)
    {
        ::SetBkMode(m_canvas.Dc(), bkMode);
        ::MoveToEx(m_canvas.Dc(), 3, 4, NULL);
        testsupport::DcStateSnapshot before(m_canvas.Dc());
        dc.Attach(m_canvas.Dc());
        cbGroupBox(&dc, &rc, CString(pszCaption), &m_font);
        dc.Detach();
        EXPECT_DC_STATE(before, m_canvas.Dc());
        POINT pt;
        ::GetCurrentPositionEx(m_canvas.Dc(), &pt);
        EXPECT_EQ(3, pt.x) << "the current position is put back";
        EXPECT_EQ(4, pt.y);
    }
    void Draw(int bkMode, const RECT& rc, const char* pszCaption)
    {
        CDC dc;
        Draw(dc, bkMode, rc, pszCaption);
    }

    TestCanvas m_canvas;
    CPen m_otherPen;
    CFont m_otherFont;
    CFont m_font;
};

class GroupBoxFrameTest : public GroupBoxTest, public ::testing::WithParamInterface<RECT>
{
};

TEST_P(GroupBoxFrameTest, DrawsTheStrokesAndNothingElse)
{
    Draw(OPAQUE, GetParam(), "");
    TestCanvas expected(kWidth, kHeight, kMarker);
    PaintExpectedFrame(expected, GetParam());
    EXPECT_TRUE(SamePixels(m_canvas, expected));
}

INSTANTIATE_TEST_SUITE_P(Rects, GroupBoxFrameTest, ::testing::Values(
    RECT{ 0, 0, 100, 50 },
    RECT{ 17, 9, 129, 79 },     // the right column on x = 129, the canvas's last
    RECT{ 5, 3, 25, 15 }));     // a frame only 6 rows high

TEST_F(GroupBoxTest, TopRunsAlongRows6And7)
{
    Draw(OPAQUE, RECT{ 0, 0, 100, 50 }, "");
    testsupport::ClientPixels pixels(m_canvas.Dc(), RECT{ 0, 0, kWidth, kHeight });
    EXPECT_ROW(pixels, 6, 0, 100, ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_ROW(pixels, 7, 1, 99, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_RECT_COLOUR(pixels, (RECT{ 0, 0, kWidth, 6 }), kMarker);
}

// " Data " from x = 7 with its baseline on y = 11, black on the menu colour;
// in the transparent mode the frame shows through.
class GroupBoxCaptionTest : public GroupBoxTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(GroupBoxCaptionTest, LabelSitsOnTheFrame)
{
    const RECT rc = { 0, 0, 100, 50 };
    Draw(GetParam(), rc, "Data");

    TestCanvas expected(kWidth, kHeight, kMarker);
    PaintExpectedFrame(expected, rc);
    HDC hdc = expected.Dc();
    ::SelectObject(hdc, m_font);
    ::SetTextAlign(hdc, TA_BASELINE | TA_LEFT);
    ::SetTextColor(hdc, RGB(0, 0, 0));
    ::SetBkColor(hdc, ::GetSysColor(COLOR_MENU));
    ::SetBkMode(hdc, GetParam());
    ::TextOutA(hdc, 7, 11, " Data ", 6);
    EXPECT_TRUE(SamePixels(m_canvas, expected));

    // The blank on each side of the cell, over the frame's lines.
    TEXTMETRICA tm;
    ::GetTextMetricsA(hdc, &tm);
    SIZE blank, label;
    ::GetTextExtentPoint32A(hdc, " ", 1, &blank);
    ::GetTextExtentPoint32A(hdc, " Data ", 6, &label);
    const RECT cell = { 7, std::max(0L, 11 - tm.tmAscent), 7 + label.cx, 11 + tm.tmDescent };
    testsupport::ClientPixels pixels(m_canvas.Dc(), RECT{ 0, 0, kWidth, kHeight });
    EXPECT_GT(pixels.Count(cell, RGB(0, 0, 0)), 0);
    const COLORREF behind = GetParam() == OPAQUE ? ::GetSysColor(COLOR_MENU) : ::GetSysColor(COLOR_BTNSHADOW);
    EXPECT_ROW(pixels, 6, cell.left, cell.left + blank.cx, behind);
    EXPECT_ROW(pixels, 6, cell.right - blank.cx, cell.right, behind);
}

INSTANTIATE_TEST_SUITE_P(BkModes, GroupBoxCaptionTest, ::testing::Values(OPAQUE, TRANSPARENT),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(info.param == OPAQUE ? "Opaque" : "Transparent");
                         });

// A context whose virtual members note their calls, as a host's preview or
// metafile context would see them.
class NotingDC : public CDC
{
public:
    explicit NotingDC(HGDIOBJ hFont) : m_hFont(hFont) {}
    CFont* SelectObject(CFont* pFont) override
    {
        Note(pFont->GetSafeHandle() == m_hFont ? "font" : "font back");
        return CDC::SelectObject(pFont);
    }
    COLORREF SetTextColor(COLORREF c) override { Note("text " + testsupport::ColourText(c)); return CDC::SetTextColor(c); }
    COLORREF SetBkColor(COLORREF c) override { Note("bk " + testsupport::ColourText(c)); return CDC::SetBkColor(c); }
    BOOL TextOut(int x, int y, LPCTSTR psz, int n) override
    {
        Note("out " + std::to_string(x) + "," + std::to_string(y) + " '" + std::string(psz, n) + "'");
        return CDC::TextOut(x, y, psz, n);
    }
    void Note(const std::string& s) { calls.push_back(s); }
    std::vector<std::string> calls;
    HGDIOBJ m_hFont;
};

TEST_F(GroupBoxTest, GoesThroughTheContextsVirtualMembers)
{
    const std::string set[] = { "font", "text " + testsupport::ColourText(RGB(0, 0, 0)),
                                "bk " + testsupport::ColourText(::GetSysColor(COLOR_MENU)) };
    const std::string back[] = { "font back", "text " + testsupport::ColourText(RGB(0, 0, 255)),
                                 "bk " + testsupport::ColourText(RGB(255, 255, 0)) };
    for (const char* caption : { "", "Ab" })
    {
        std::vector<std::string> expected(set, set + 3);
        if (*caption != '\0')
            expected.push_back("out 17,21 ' Ab '");
        expected.insert(expected.end(), back, back + 3);
        NotingDC dc(m_font.GetSafeHandle());
        Draw(dc, OPAQUE, RECT{ 10, 10, 110, 60 }, caption);
        EXPECT_EQ(expected, dc.calls) << "caption '" << caption << "'";
    }
}

} // namespace
