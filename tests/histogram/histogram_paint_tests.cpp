// Painting read back pixel by pixel: bars, axes, ticks, cutpoint lines,
// labels, the no-data message, the label font and the device context
// state after a paint.
#include "HistogramFixture.h"

#include <cstring>
#include <vector>

#include "TessarineRes.h"
#include "Wow64Limits.h"

using namespace testsupport;
using namespace histotest;

namespace {

const COLORREF kFill = RGB(162, 45, 179);
const COLORREF kGreen = RGB(0, 128, 0);

// A 32-bpp memory surface to draw what a picture should look like.
class Canvas
{
public:
    Canvas(int cx, int cy) : m_cx(cx), m_cy(cy)
    {
        HDC screen = ::GetDC(NULL);
        m_hdc = ::CreateCompatibleDC(screen);
        m_bitmap = CreateTopDownDib(screen, cx, cy);
        ::ReleaseDC(NULL, screen);
        m_old = ::SelectObject(m_hdc, m_bitmap);
        RECT all = { 0, 0, cx, cy };
        HBRUSH brush = ::CreateSolidBrush(WindowColour());
        ::FillRect(m_hdc, &all, brush);
        ::DeleteObject(brush);
        ::SetBkMode(m_hdc, TRANSPARENT);
    }
    ~Canvas()
    {
        ::SelectObject(m_hdc, m_old);
        ::DeleteObject(m_bitmap);
        ::DeleteDC(m_hdc);
    }
    HDC Dc() const { return m_hdc; }
    void Text(HFONT font, const char* text, RECT rc, UINT format)
    {
        HGDIOBJ old = ::SelectObject(m_hdc, font);
        ::DrawText(m_hdc, text, -1, &rc, format);
        ::SelectObject(m_hdc, old);
    }
    ClientPixels Pixels() const
    {
        RECT all = { 0, 0, m_cx, m_cy };
        return ClientPixels(m_hdc, all);
    }

private:
    int m_cx, m_cy;
    HDC m_hdc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

// Pixels of rc that differ between two pictures.
int Differences(const ClientPixels& a, const ClientPixels& b, const RECT& rc)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
            if (a.At(x, y) != b.At(x, y))
                n++;
    return n;
}

// Runs of columns holding ink on rows [y0, y1); gaps up to 3 columns stay
// inside one run (the spaces between glyphs). Returns the run centres.
std::vector<int> InkRunCentres(const ClientPixels& px, int y0, int y1, int x0, int x1,
                               COLORREF background)
{
    std::vector<int> centres;
    int start = -1, last = -1;
    for (int x = x0; x < x1; x++)
    {
        bool ink = false;
        for (int y = y0; y < y1 && !ink; y++)
            ink = px.At(x, y) != background && px.At(x, y) != CLR_INVALID;
        if (!ink)
            continue;
        if (start >= 0 && x - last > 4)
        {
            centres.push_back((start + last) / 2);
            start = -1;
        }
        if (start < 0)
            start = x;
        last = x;
    }
    if (start >= 0)
        centres.push_back((start + last) / 2);
    return centres;
}

class HistogramPaint : public HistogramTest
{
protected:
    int TextHeight()
    {
        HDC hdc = ::GetDC(Hist());
        HGDIOBJ old = ::SelectObject(hdc, m_hist.LabelFont());
        SIZE sz;
        ::GetTextExtentPoint32(hdc, "Ay", 2, &sz);
        ::SelectObject(hdc, old);
        ::ReleaseDC(Hist(), hdc);
        return sz.cy;
    }
};

/////////////////////////////////////////////////////////////////////////////
// Bars, axes and ticks

TEST_F(HistogramPaint, BarsAxesAndTicksOnTheirExactPixels)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    BindInDialog(200, 100);
    m_hist.SetBarLineColor(kGreen);
    const BinRow bins[] = { { 4.0, 2.0, "" }, { 10.0, 5.0, "" } };
    ASSERT_TRUE(SetBins(0.0, bins, 2));
    const ClientPixels px = PaintNow();
    ASSERT_TRUE(px.Valid());
    const CRect plot = m_hist.Plot();
    const COLORREF bg = WindowColour();

    int interior = 0;
    for (int i = 0; i < 2; i++)
    {
        const CRect r = m_hist.Bar(i);
        SCOPED_TRACE(testing::Message() << "bar " << i);
        ASSERT_EQ(plot.bottom + 1, r.bottom);
        // Fill inside the outline.
        EXPECT_RECT_COLOUR(px, CRect(r.left + 1, r.top + 1, r.right - 1, plot.bottom), kFill);
        interior += (r.Width() - 2) * (plot.bottom - r.top - 1);
        // Outline: top row and right column in the line colour; the left
        // column of the first bar and the bottom row lie under the axes.
        EXPECT_ROW(px, r.top, r.left + 1, r.right, kGreen);
        EXPECT_COLUMN(px, r.right - 1, r.top, plot.bottom, kGreen);
        // Nothing above the bar.
        EXPECT_COLUMN(px, r.left + 1, plot.top - 1, r.top, bg);
        // Tick: four pixels under the axis row, under the upper edge.
        EXPECT_COLUMN(px, r.right - 1, plot.bottom + 1, plot.bottom + 5, kBlack);
        EXPECT_PIXEL(px, r.right - 1, plot.bottom + 5, bg);
        EXPECT_PIXEL(px, r.right - 2, plot.bottom + 2, bg);
    }
    EXPECT_EQ(interior, px.Count(CRect(0, 0, 200, 100), kFill));
    // The second bar's left border is the first bar's right border.
    EXPECT_EQ(m_hist.Bar(0).right - 1, m_hist.Bar(1).left);

    // Axes: up the left edge to the top of the plot, along the bottom row to
    // one pixel short of plot.right.
    EXPECT_COLUMN(px, plot.left, plot.top, plot.bottom + 1, kBlack);
    EXPECT_PIXEL(px, plot.left, plot.top - 1, bg);
    EXPECT_ROW(px, plot.bottom, plot.left, plot.right, kBlack);
    EXPECT_PIXEL(px, plot.right, plot.bottom, bg);
    EXPECT_PIXEL(px, plot.left - 1, plot.bottom, bg);
    // No frame, grid or anything else: outside the plot and its ticks every
    // pixel is background, inside only the four colours appear.
    const CRect drawn(plot.left, plot.top, plot.right, plot.bottom + 5);
    int outside = 0, strange = 0;
    for (int y = 0; y < 100; y++)
    {
        for (int x = 0; x < 200; x++)
        {
            const COLORREF c = px.At(x, y);
            if (!drawn.PtInRect(CPoint(x, y)))
                outside += c != bg;
            else
                strange += c != bg && c != kFill && c != kGreen && c != kBlack;
        }
    }
    EXPECT_EQ(0, outside);
    EXPECT_EQ(0, strange);
}

/////////////////////////////////////////////////////////////////////////////
// Cutpoint lines for every pen width, plain and selected

struct LineCase
{
    int width;
    BOOL selected;
    int first, last;   // painted columns relative to the mapped column
};

const LineCase kLineCases[] = {
    { 1, FALSE, -1, -1 },
    { 2, FALSE, -1, 0 },    // default width: on the mapped column
    { 3, FALSE, -2, 0 },
    { 4, FALSE, -2, 1 },
    { 5, FALSE, -3, 1 },
    { 2, TRUE, -1, 0 },
    { 3, TRUE, -2, 0 },     // default highlight width: one column to the left
    { 4, TRUE, -2, 1 },
};

class HistogramLines : public HistogramPaint, public ::testing::WithParamInterface<LineCase> {};

TEST_P(HistogramLines, ColumnsAndRowsOfTheLine)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    const LineCase& c = GetParam();
    BindInDialog(200, 100);
    const BinRow bins[] = { { 10.0, 5.0, "" }, { 20.0, 5.0, "" } };
    ASSERT_TRUE(SetBins(0.0, bins, 2));
    m_hist.SetCutpointLineWidth(c.width);
    m_hist.SetCutpointHighlightLineWidth(c.width);
    ASSERT_TRUE(m_hist.AddCutpoint(2.5));
    ASSERT_TRUE(m_hist.AddCutpoint(7.5));
    if (c.selected)
    {
        ASSERT_TRUE(m_hist.SelectCutpoint(7.5));
    }
    const ClientPixels px = PaintNow();
    const CRect plot = m_hist.Plot();
    const COLORREF colour = c.selected ? RGB(217, 39, 30) : RGB(69, 58, 194);
    const int x = m_hist.X_AxisPos(7.5);

    const int mid = (plot.top + plot.bottom) / 2;
    std::vector<int> want;
    for (int col = x + c.first; col <= x + c.last; col++)
        want.push_back(col);
    EXPECT_EQ(want, px.FindColumns(mid, colour, x - 10, x + 10));
    // From the top row of the plot down to the row above the axis.
    EXPECT_COLUMN(px, x + c.first, plot.top, plot.bottom, colour);
    EXPECT_COLUMN(px, x + c.last, plot.top, plot.bottom, colour);
    EXPECT_PIXEL(px, x + c.first, plot.top - 1, WindowColour());
    EXPECT_PIXEL(px, x + c.first, plot.bottom, kBlack);

    // The other line keeps the plain pen.
    const int x0 = m_hist.X_AxisPos(2.5);
    EXPECT_EQ(c.width, (int)px.FindColumns(mid, RGB(69, 58, 194), x0 - 10, x0 + 10).size());
}

INSTANTIATE_TEST_SUITE_P(Widths, HistogramLines, ::testing::ValuesIn(kLineCases));

/////////////////////////////////////////////////////////////////////////////
// Labels

struct LabelCase
{
    const char* name;
    int cx;
    int bins;
    const char* format;   // label of bin i from its upper edge
    BOOL crowded, veryCrowded;
};

const LabelCase kLabelCases[] = {
    { "apart", 400, 4, "%.0f", FALSE, FALSE },
    { "crowded", 300, 10, "%.2f", TRUE, FALSE },
    { "very_crowded", 300, 20, "%.2f0", TRUE, TRUE },
};

class HistogramLabels : public HistogramPaint, public ::testing::WithParamInterface<LabelCase> {};

// Which bins get a label, on which row, centred under which column.
TEST_P(HistogramLabels, RowsAndCentres)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    const LabelCase& c = GetParam();
    BindInDialog(c.cx, 120);
    std::vector<CString> texts(c.bins);
    std::vector<BinRow> bins(c.bins);
    for (int i = 0; i < c.bins; i++)
    {
        texts[i].Format(c.format, 10.0 * (i + 1));
        bins[i].upper = 10.0 * (i + 1);
        bins[i].count = 0.0;            // bars stay on the axis
        bins[i].label = texts[i];
    }
    ASSERT_TRUE(SetBins(0.0, bins.data(), c.bins));
    ASSERT_EQ(c.crowded, m_hist.Crowded());
    ASSERT_EQ(c.veryCrowded, m_hist.VeryCrowded());

    const ClientPixels px = PaintNow();
    const int cy = TextHeight();
    const int top = m_hist.Plot().bottom + 5;

    std::vector<int> rowA, rowB;
    int k = 0;
    for (int i = 0; i < c.bins; i++)
    {
        if (c.veryCrowded && i % 2 != 0)
            continue;
        // Centred on the bin's upper edge: the bar's right end.
        const int centre = m_hist.Bar(i).right;
        (c.crowded && k % 2 != 0 ? rowB : rowA).push_back(centre);
        k++;
    }
    const std::vector<int> gotA = InkRunCentres(px, top, top + cy, 0, c.cx, WindowColour());
    const std::vector<int> gotB = InkRunCentres(px, top + cy, top + 2 * cy, 0, c.cx, WindowColour());
    ASSERT_EQ(rowA.size(), gotA.size());
    ASSERT_EQ(rowB.size(), gotB.size());
    for (size_t i = 0; i < rowA.size(); i++)
        EXPECT_NEAR(rowA[i], gotA[i], 2) << "first row, label " << i;
    for (size_t i = 0; i < rowB.size(); i++)
        EXPECT_NEAR(rowB[i], gotB[i], 2) << "second row, label " << i;
}

INSTANTIATE_TEST_SUITE_P(Spacing, HistogramLabels, ::testing::ValuesIn(kLabelCases),
                         [](const ::testing::TestParamInfo<LabelCase>& info) {
                             return std::string(info.param.name);
                         });

// A last label that would pass the right edge is squeezed around its centre
// and cut with an ellipsis.
TEST_F(HistogramPaint, SqueezedLastLabelEndsInAnEllipsis)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    BindInDialog(200, 100);
    // Long for the 22 pixels it will get, short for its bar: not crowded.
    const char* longLabel = "ABCDEFGHIJKL";
    const BinRow bins[] = { { 1.0, 0.0, longLabel } };
    ASSERT_TRUE(SetBins(0.0, bins, 1));
    ASSERT_FALSE(m_hist.Crowded());
    const ClientPixels px = PaintNow();

    // Bar (10, 190): the label box (10, 370) is squeezed by 370 - 200 - 1
    // on each side to (179, 201), centred on column 190.
    ASSERT_EQ(10, m_hist.Bar(0).left);
    ASSERT_EQ(190, m_hist.Bar(0).right);
    const int top = m_hist.Plot().bottom + 5;
    const int bottom = m_hist.Plot().bottom + 1;
    const CRect box(179, top, 201, top + (bottom - m_hist.Bar(0).top));

    char shown[64];
    std::strcpy(shown, longLabel);
    {
        HDC hdc = ::GetDC(Hist());
        HGDIOBJ old = ::SelectObject(hdc, m_hist.LabelFont());
        RECT rc = box;
        ::DrawText(hdc, shown, -1, &rc, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX |
                   DT_END_ELLIPSIS | DT_MODIFYSTRING);
        ::SelectObject(hdc, old);
        ::ReleaseDC(Hist(), hdc);
    }
    const size_t n = std::strlen(shown);
    ASSERT_GE(n, 3u);
    EXPECT_STREQ("...", shown + n - 3) << shown;

    Canvas expected(200, 100);
    expected.Text(m_hist.LabelFont(), longLabel, box, 0x8921);
    EXPECT_EQ(0, Differences(px, expected.Pixels(), CRect(150, top, 200, 100)));
    EXPECT_GT(InkCount(px, CRect(179, top, 200, 100), WindowColour()), 0);
}

/////////////////////////////////////////////////////////////////////////////
// No-data message

TEST_F(HistogramPaint, NoDataMessageCentredOnlyWhileClearedWithTheFlag)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    BindInDialog(200, 100);
    CString text;
    {
        // What the message must say, straight from the library.
        HMODULE lib = ::GetModuleHandle("Tessarine.dll");
        ASSERT_NE((HMODULE)NULL, lib);
        char buf[128] = "";
        ASSERT_GT(::LoadString(lib, IDS_NO_DATA, buf, sizeof(buf)), 0);
        EXPECT_STREQ("No data or constant variable", buf);
        text = buf;
    }
    Canvas expected(200, 100);
    expected.Text((HFONT)::GetStockObject(DEFAULT_GUI_FONT), text, CRect(0, 0, 200, 100),
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    const ClientPixels want = expected.Pixels();
    // The rows of the message: clear of the axes.
    const CRect area(m_hist.Plot().left + 1, 30, 200, m_hist.Plot().bottom);
    ASSERT_GT(InkCount(want, area, WindowColour()), 20);

    const HINSTANCE resourceBefore = AfxGetResourceHandle();
    m_hist.ClearHistogram(TRUE);
    ClientPixels px = PaintNow();
    EXPECT_EQ(0, Differences(px, want, area));
    EXPECT_EQ(resourceBefore, AfxGetResourceHandle());
    // The axes are still drawn.
    EXPECT_PIXEL(px, m_hist.Plot().left, m_hist.Plot().bottom, kBlack);

    // Empty bins again: the flag stays and so does the message.
    ASSERT_TRUE(SetBins(0.0, NULL, 0));
    px = PaintNow();
    EXPECT_EQ(0, Differences(px, want, area));

    // Bins hide it (zero counts keep the plot empty).
    const BinRow bins[] = { { 1.0, 0.0, "" } };
    ASSERT_TRUE(SetBins(0.0, bins, 1));
    px = PaintNow();
    EXPECT_EQ(0, InkCount(px, area, WindowColour()));

    m_hist.ClearHistogram(FALSE);
    px = PaintNow();
    EXPECT_EQ(0, InkCount(px, area, WindowColour()));
}

/////////////////////////////////////////////////////////////////////////////
// Label font

struct FaceProbe
{
    bool raster;
    bool tall;
    std::string face;
};

int CALLBACK ProbeFace(const LOGFONT* lf, const TEXTMETRIC*, DWORD type, LPARAM lParam)
{
    FaceProbe* probe = (FaceProbe*)lParam;
    if (lf->lfFaceName[0] == '@' || lf->lfCharSet == SYMBOL_CHARSET)
        return 1;
    if (probe->raster && (type & RASTER_FONTTYPE) == 0)
        return 1;
    if (!probe->raster && (type & TRUETYPE_FONTTYPE) == 0)
        return 1;
    if (probe->tall)
    {
        // A TrueType face whose 9- and 10-pixel sizes are taller than 12.
        HDC hdc = ::GetDC(NULL);
        bool tall = true;
        for (int h = 9; h <= 10; h++)
        {
            LOGFONT copy = *lf;
            copy.lfHeight = -h;
            copy.lfWidth = 0;
            HFONT font = ::CreateFontIndirect(&copy);
            HGDIOBJ old = ::SelectObject(hdc, font);
            TEXTMETRIC tm;
            ::GetTextMetrics(hdc, &tm);
            char face[LF_FACESIZE];
            ::GetTextFace(hdc, LF_FACESIZE, face);
            tall = tall && tm.tmHeight > 12 && std::strcmp(face, lf->lfFaceName) == 0;
            ::SelectObject(hdc, old);
            ::DeleteObject(font);
        }
        ::ReleaseDC(NULL, hdc);
        if (!tall)
            return 1;
    }
    probe->face = lf->lfFaceName;
    return 0;
}

std::string FindFace(bool raster, bool tall)
{
    FaceProbe probe = { raster, tall, std::string() };
    LOGFONT lf;
    std::memset(&lf, 0, sizeof(lf));
    lf.lfCharSet = DEFAULT_CHARSET;
    HDC hdc = ::GetDC(NULL);
    ::EnumFontFamiliesEx(hdc, &lf, ProbeFace, (LPARAM)&probe, 0);
    ::ReleaseDC(NULL, hdc);
    return probe.face;
}

class HistogramFont : public HistogramPaint
{
protected:
    LOGFONT LabelLogFont()
    {
        LOGFONT lf;
        std::memset(&lf, 0, sizeof(lf));
        EXPECT_EQ((int)sizeof(lf), ::GetObject(m_hist.LabelFont(), sizeof(lf), &lf));
        return lf;
    }
    bool ParentFontIs(DWORD type)
    {
        HFONT font = (HFONT)::SendMessage(Dialog(), WM_GETFONT, 0, 0);
        HDC hdc = ::GetDC(NULL);
        HGDIOBJ old = ::SelectObject(hdc, font);
        TEXTMETRIC tm;
        ::GetTextMetrics(hdc, &tm);
        ::SelectObject(hdc, old);
        ::ReleaseDC(NULL, hdc);
        const bool trueType = (tm.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
        return type == TRUETYPE_FONTTYPE ? trueType : !trueType;
    }
    void ExpectDefaultTrueTypeFace()
    {
        const LOGFONT lf = LabelLogFont();
        EXPECT_EQ(-9, lf.lfHeight);
        EXPECT_EQ(0, lf.lfWidth);
        EXPECT_EQ(OUT_TT_ONLY_PRECIS, lf.lfOutPrecision);
        EXPECT_EQ(0, lf.lfPitchAndFamily);
        EXPECT_STREQ("", lf.lfFaceName);
    }
};

TEST_F(HistogramFont, TrueTypeParentFontAtNineOrTenPixels)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);   // fonts are measured in a device context
    BindInDialog(200, 100, "MS Shell Dlg", 8);
    if (!ParentFontIs(TRUETYPE_FONTTYPE))
        GTEST_SKIP() << "the dialog font is not TrueType here";
    LOGFONT parent;
    ::GetObject((HFONT)::SendMessage(Dialog(), WM_GETFONT, 0, 0), sizeof(parent), &parent);
    const LOGFONT lf = LabelLogFont();
    EXPECT_EQ(m_hist.SmallMetrics() ? -9 : -10, lf.lfHeight);
    EXPECT_EQ(0, lf.lfWidth);
    EXPECT_STREQ(parent.lfFaceName, lf.lfFaceName);
    EXPECT_EQ(parent.lfWeight, lf.lfWeight);
    EXPECT_EQ(parent.lfCharSet, lf.lfCharSet);
}

TEST_F(HistogramFont, RasterParentFontIsReplaced)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);   // fonts are measured in a device context
    std::string face = FindFace(true, false);
    // Wine: a prefix made before Wine's fonts were installed has none in
    // its Fonts folder; Wine's own raster MS Sans Serif is added for this
    // process then.
    struct PrivateFont
    {
        const char* path;
        bool added;
        explicit PrivateFont(bool want) : path("Z:\\usr\\share\\wine\\fonts\\sserife.fon"),
            added(want && ::AddFontResourceEx(path, FR_PRIVATE, NULL) > 0) {}
        ~PrivateFont() { if (added) ::RemoveFontResourceEx(path, FR_PRIVATE, NULL); }
    } wineRaster(face.empty());
    if (wineRaster.added)
        face = FindFace(true, false);
    if (face.empty())
        GTEST_SKIP() << "no raster font available";
    BindInDialog(200, 100, face.c_str(), 8);
    if (!ParentFontIs(RASTER_FONTTYPE))
        GTEST_SKIP() << "the dialog did not get the raster face " << face;
    ExpectDefaultTrueTypeFace();
    m_dialog.Destroy();
}

TEST_F(HistogramFont, TallTrueTypeParentFontIsReplaced)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);   // fonts are measured in a device context
    const std::string face = FindFace(false, true);
    if (face.empty())
        GTEST_SKIP() << "no TrueType face taller than 12 pixels at 9-10 pixels here";
    BindInDialog(200, 100, face.c_str(), 8);
    ExpectDefaultTrueTypeFace();
}

/////////////////////////////////////////////////////////////////////////////
// Device context state: a window class with its own DC keeps the state
// between paints, so what a paint leaves behind can be seen.

const char* OwnDcClass()
{
    static bool registered = false;
    if (!registered)
    {
        WNDCLASS wc;
        std::memset(&wc, 0, sizeof(wc));
        wc.style = CS_OWNDC | CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
        wc.lpfnWndProc = ::DefWindowProc;
        wc.hInstance = ::GetModuleHandle(NULL);
        wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
        wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
        wc.lpszClassName = "HistogramOwnDcTest";
        registered = ::RegisterClass(&wc) != 0;
    }
    return "HistogramOwnDcTest";
}

struct DcCase
{
    const char* name;
    bool withBins;
    bool cleared;
};

const DcCase kDcCases[] = {
    { "bins_labels_cutpoints", true, false },
    { "no_data_message", false, true },
};

class HistogramDcState : public HistogramPaint, public ::testing::WithParamInterface<DcCase> {};

TEST_P(HistogramDcState, EveryObjectAndAttributePutBack)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    const DcCase& c = GetParam();
    DialogTemplateBuilder tmpl(WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, "");
    tmpl.SetFont(8, "MS Shell Dlg");
    tmpl.AddItem(OwnDcClass(), "", (WORD)kItemId, WS_CHILD | WS_VISIBLE, 0, 0, 100, 60);
    ASSERT_TRUE(m_dialog.Create(tmpl));
    ASSERT_TRUE(m_hist.Initialize(CWnd::FromHandle(Dialog()), kItemId));
    ::SetWindowPos(Hist(), NULL, 0, 0, 200, 100, SWP_NOZORDER | SWP_NOMOVE);

    if (c.withBins)
    {
        const BinRow bins[] = { { 1.0, 3.0, "one" }, { 2.0, 5.0, "two" } };
        ASSERT_TRUE(SetBins(0.0, bins, 2));
        ASSERT_TRUE(m_hist.AddCutpoint(0.5));
        ASSERT_TRUE(m_hist.AddCutpoint(1.5));
        ASSERT_TRUE(m_hist.SelectCutpoint(1.5));
    }
    if (c.cleared)
        m_hist.ClearHistogram(TRUE);

    HDC hdc = ::GetDC(Hist());
    HPEN pen = ::CreatePen(PS_DOT, 1, RGB(1, 2, 3));
    HBRUSH brush = ::CreateHatchBrush(HS_CROSS, RGB(4, 5, 6));
    HFONT font = ::CreateFont(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "");
    ::SelectObject(hdc, pen);
    ::SelectObject(hdc, brush);
    ::SelectObject(hdc, font);
    ::SetBkMode(hdc, OPAQUE);
    ::SetBkColor(hdc, RGB(7, 8, 9));
    ::SetTextColor(hdc, RGB(255, 0, 0));
    const DcStateSnapshot before(hdc);
    ::ReleaseDC(Hist(), hdc);

    const ClientPixels px = PaintNow();

    hdc = ::GetDC(Hist());
    EXPECT_DC_STATE(before, hdc);
    ::ReleaseDC(Hist(), hdc);

    // The text colour is the device context's: the labels and the message
    // come out red.
    const int firstRow = c.cleared ? 30 : m_hist.Plot().bottom + 5;
    int red = 0;
    for (int y = firstRow; y < 100; y++)
    {
        for (int x = 0; x < 200; x++)
            red += px.At(x, y) == RGB(255, 0, 0);
    }
    EXPECT_GT(red, 0);

    m_dialog.Destroy();
    ::DeleteObject(pen);
    ::DeleteObject(brush);
    ::DeleteObject(font);
}

INSTANTIATE_TEST_SUITE_P(Pictures, HistogramDcState, ::testing::ValuesIn(kDcCases),
                         [](const ::testing::TestParamInfo<DcCase>& info) {
                             return std::string(info.param.name);
                         });

// Without a parent font the labels come in the device context's own font.
TEST_F(HistogramPaint, LabelsWithoutAParentFont)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    TestHistogram created;
    ASSERT_TRUE(created.Create(HISTOGRAM_CLASSNAME, NULL, WS_CHILD | WS_VISIBLE,
                               CRect(0, 0, 200, 100), CWnd::FromHandle(Host()), 5));
    ASSERT_EQ((HFONT)NULL, created.LabelFont());
    CArray<HistoBin, HistoBin&> bins;
    const BinRow row[] = { { 1.0, 0.0, "Mm" } };
    MakeBins(row, 1, bins);
    ASSERT_TRUE(created.SetHistogram(0.0, bins));
    ::RedrawWindow(created.GetSafeHwnd(), NULL, NULL,
                   RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
    const ClientPixels px(created.GetSafeHwnd());

    Canvas expected(200, 100);
    const int top = created.Plot().bottom + 5;
    const CRect bar = created.Bar(0);
    CRect box(bar.left, top, bar.right + bar.Width(), top + bar.Height());
    box.DeflateRect(box.right - 200 - 1, 0);
    expected.Text((HFONT)::GetStockObject(SYSTEM_FONT), "Mm", box, 0x8921);
    EXPECT_GT(InkCount(px, CRect(0, top, 200, 100), WindowColour()), 0);
    EXPECT_EQ(0, Differences(px, expected.Pixels(), CRect(0, top, 200, 100)));
    created.DestroyWindow();
}

} // namespace
