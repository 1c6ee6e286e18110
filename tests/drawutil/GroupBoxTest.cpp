// Tests of cbGroupBox: the frame pixel by pixel as its stroke table lays it
// out, the caption's cell and blanks, the device context put back, and the
// calls through the context's virtual members.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GroupBox.h"
#include "PixelHelpers.h"
#include "TestCanvas.h"

namespace {

const COLORREF kMarker = RGB(255, 0, 255);   // the canvas before drawing
const int kCanvasWidth = 130;
const int kCanvasHeight = 80;

// One corner of a stroke: an edge of the rectangle plus an offset.
enum Edge { L, T, R, B };
struct StrokePoint
{
    Edge edgeX;
    int dx;
    Edge edgeY;
    int dy;
};
struct Stroke
{
    bool bHighlight;
    StrokePoint start, through, end;
};

// The frame: each stroke a MoveTo and two LineTo calls, drawn in this order.
const Stroke kStrokes[] = {
    { true,  { L, 1, B, -3 }, { L, 1, T, 7 }, { R, -1, T, 7 } },
    { true,  { R, 0, T, 6 },  { R, 0, B, -1 }, { L, -1, B, -1 } },
    { false, { L, 0, B, -2 }, { L, 0, T, 6 },  { R, 0, T, 6 } },
    { false, { R, -1, T, 7 }, { R, -1, B, -2 }, { L, 0, B, -2 } },
};

POINT Place(const StrokePoint& p, const RECT& rc)
{
    POINT pt;
    pt.x = (p.edgeX == L ? rc.left : rc.right) + p.dx;
    pt.y = (p.edgeY == T ? rc.top : rc.bottom) + p.dy;
    return pt;
}

// A horizontal or vertical line from a up to, not including, b.
void PaintLine(TestCanvas& canvas, POINT a, POINT b, COLORREF colour)
{
    const int dx = (b.x > a.x) - (b.x < a.x);
    const int dy = (b.y > a.y) - (b.y < a.y);
    for (POINT p = a; p.x != b.x || p.y != b.y; p.x += dx, p.y += dy)
        if (p.x >= 0 && p.y >= 0 && p.x < canvas.Width() && p.y < canvas.Height())
            canvas.Set(p.x, p.y, colour);
}

void PaintExpectedFrame(TestCanvas& canvas, const RECT& rc)
{
    for (const Stroke& s : kStrokes)
    {
        const COLORREF c = ::GetSysColor(s.bHighlight ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
        PaintLine(canvas, Place(s.start, rc), Place(s.through, rc), c);
        PaintLine(canvas, Place(s.through, rc), Place(s.end, rc), c);
    }
}

// A caption font with crisp pixels.
void MakeFont(CFont& font)
{
    font.CreateFont(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, _T("Tahoma"));
}

// Gives hdc a state unlike the one cbGroupBox sets, so that putting it back
// is seen; the objects live as long as the fixture.
class GroupBoxTest : public ::testing::Test
{
protected:
    GroupBoxTest()
        : m_canvas(kCanvasWidth, kCanvasHeight, kMarker),
          m_otherPen(PS_SOLID, 3, RGB(0, 255, 0))
    {
        MakeFont(m_captionFont);
        m_otherFont.CreateFont(-20, 0, 0, 0, FW_BOLD, TRUE, FALSE, FALSE, ANSI_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH, _T("Courier New"));
        HDC hdc = m_canvas.Dc();
        ::SelectObject(hdc, m_otherFont);
        ::SelectObject(hdc, m_otherPen);
        ::SetTextAlign(hdc, TA_CENTER | TA_BOTTOM);
        ::SetTextColor(hdc, RGB(0, 0, 255));
        ::SetBkColor(hdc, RGB(255, 255, 0));
    }

    void Draw(int bkMode, const RECT& rc, const char* pszCaption)
    {
        ::SetBkMode(m_canvas.Dc(), bkMode);
        testsupport::DcStateSnapshot before(m_canvas.Dc());
        CDC dc;
        dc.Attach(m_canvas.Dc());
        cbGroupBox(&dc, &rc, CString(pszCaption), &m_captionFont);
        dc.Detach();
        EXPECT_DC_STATE(before, m_canvas.Dc());
    }

    TestCanvas m_canvas;
    CPen m_otherPen;
    CFont m_otherFont;
    CFont m_captionFont;
};

struct FrameCase
{
    RECT rc;
};

class GroupBoxFrameTest : public GroupBoxTest, public ::testing::WithParamInterface<FrameCase>
{
};

TEST_P(GroupBoxFrameTest, DrawsTheStrokesAndNothingElse)
{
    const RECT rc = GetParam().rc;
    Draw(OPAQUE, rc, "");
    TestCanvas expected(kCanvasWidth, kCanvasHeight, kMarker);
    PaintExpectedFrame(expected, rc);
    EXPECT_TRUE(SamePixels(m_canvas, expected));
}

INSTANTIATE_TEST_SUITE_P(Rects, GroupBoxFrameTest, ::testing::Values(
    FrameCase{ { 0, 0, 100, 50 } },
    FrameCase{ { 17, 9, 129, 79 } },    // the right column lands on x = 129, the last one
    FrameCase{ { 5, 3, 25, 15 } }));    // a frame only 6 rows high

TEST_F(GroupBoxTest, TopRunsAlongRows6And7)
{
    const RECT rc = { 0, 0, 100, 50 };
    Draw(OPAQUE, rc, "");
    testsupport::ClientPixels pixels(m_canvas.Dc(), RECT{ 0, 0, kCanvasWidth, kCanvasHeight });
    EXPECT_ROW(pixels, 6, 0, 100, ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_ROW(pixels, 7, 1, 99, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_RECT_COLOUR(pixels, (RECT{ 0, 0, kCanvasWidth, 6 }), kMarker);
    EXPECT_PIXEL(pixels, 100, 6, ::GetSysColor(COLOR_BTNHIGHLIGHT));   // stroke 2 starts there
}

// The caption: " Data " from x = 7 with its baseline on y = 11, black on the
// menu colour; in the transparent mode the frame shows through.
class GroupBoxCaptionTest : public GroupBoxTest, public ::testing::WithParamInterface<int>
{
};

TEST_P(GroupBoxCaptionTest, LabelSitsOnTheFrame)
{
    const RECT rc = { 0, 0, 100, 50 };
    Draw(GetParam(), rc, "Data");

    TestCanvas expected(kCanvasWidth, kCanvasHeight, kMarker);
    PaintExpectedFrame(expected, rc);
    HDC hdc = expected.Dc();
    HGDIOBJ hOld = ::SelectObject(hdc, m_captionFont);
    ::SetTextAlign(hdc, TA_BASELINE | TA_LEFT);
    ::SetTextColor(hdc, RGB(0, 0, 0));
    ::SetBkColor(hdc, ::GetSysColor(COLOR_MENU));
    ::SetBkMode(hdc, GetParam());
    ::TextOutA(hdc, 7, 11, " Data ", 6);
    TEXTMETRICA tm;
    ::GetTextMetricsA(hdc, &tm);
    SIZE blank;
    ::GetTextExtentPoint32A(hdc, " ", 1, &blank);
    SIZE label;
    ::GetTextExtentPoint32A(hdc, " Data ", 6, &label);
    ::SelectObject(hdc, hOld);
    EXPECT_TRUE(SamePixels(m_canvas, expected));

    // The cell, and the blank on each side, drawn where the frame would be.
    const RECT cell = { 7, std::max(0L, 11 - tm.tmAscent), 7 + label.cx, 11 + tm.tmDescent };
    testsupport::ClientPixels pixels(m_canvas.Dc(), RECT{ 0, 0, kCanvasWidth, kCanvasHeight });
    EXPECT_GT(pixels.Count(cell, RGB(0, 0, 0)), 0);
    if (GetParam() == OPAQUE)
    {
        const COLORREF menu = ::GetSysColor(COLOR_MENU);
        EXPECT_RECT_COLOUR(pixels, (RECT{ cell.left, cell.top, cell.left + blank.cx, cell.bottom }), menu);
        EXPECT_RECT_COLOUR(pixels, (RECT{ cell.right - blank.cx, cell.top, cell.right, cell.bottom }), menu);
    }
    else
    {
        EXPECT_PIXEL(pixels, 8, 6, ::GetSysColor(COLOR_BTNSHADOW));
    }
}

INSTANTIATE_TEST_SUITE_P(BkModes, GroupBoxCaptionTest, ::testing::Values(OPAQUE, TRANSPARENT),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return std::string(info.param == OPAQUE ? "Opaque" : "Transparent");
                         });

// A context whose virtual members note their calls, as a print-preview or
// metafile context of the host would see them.
class NotingDC : public CDC
{
public:
    std::vector<std::string> calls;

    CFont* SelectObject(CFont* pFont) override
    {
        calls.push_back(pFont != NULL && pFont->GetSafeHandle() == m_hFontWatched ? "font" : "font back");
        return CDC::SelectObject(pFont);
    }
    COLORREF SetTextColor(COLORREF c) override
    {
        calls.push_back("text " + testsupport::ColourText(c));
        return CDC::SetTextColor(c);
    }
    COLORREF SetBkColor(COLORREF c) override
    {
        calls.push_back("bk " + testsupport::ColourText(c));
        return CDC::SetBkColor(c);
    }
    BOOL TextOut(int x, int y, LPCTSTR psz, int n) override
    {
        calls.push_back("out " + std::to_string(x) + "," + std::to_string(y) + " '" +
                        std::string(psz, n) + "'");
        return CDC::TextOut(x, y, psz, n);
    }
    HGDIOBJ m_hFontWatched = NULL;
};

TEST_F(GroupBoxTest, GoesThroughTheContextsVirtualMembers)
{
    const std::string menu = "bk " + testsupport::ColourText(::GetSysColor(COLOR_MENU));
    const std::string black = "text " + testsupport::ColourText(RGB(0, 0, 0));
    const std::string textBack = "text " + testsupport::ColourText(RGB(0, 0, 255));
    const std::string bkBack = "bk " + testsupport::ColourText(RGB(255, 255, 0));
    const RECT rc = { 10, 10, 110, 60 };
    struct Row { const char* caption; std::vector<std::string> calls; };
    const Row rows[] = {
        { "", { "font", black, menu, "font back", textBack, bkBack } },
        { "Ab", { "font", black, menu, "out 17,21 ' Ab '", "font back", textBack, bkBack } },
    };
    for (const Row& row : rows)
    {
        NotingDC dc;
        dc.m_hFontWatched = m_captionFont.GetSafeHandle();
        dc.Attach(m_canvas.Dc());
        cbGroupBox(&dc, &rc, CString(row.caption), &m_captionFont);
        dc.Detach();
        EXPECT_EQ(row.calls, dc.calls) << "caption '" << row.caption << "'";
    }
}

} // namespace
