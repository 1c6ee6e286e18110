// Histogram.cpp - CHistogram: bins, layout, painting and cutpoint editing.
#include "Histogram.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "HistogramAccessible.h"
#include "LibraryResources.h"
#include "TessarineRes.h"
#include "WndLifetime.h"

namespace {

// Default appearance.
const COLORREF kDefaultBarFill          = RGB(162, 45, 179);
const COLORREF kDefaultBarLine          = RGB(0, 0, 0);
const COLORREF kDefaultCutpoint         = RGB(69, 58, 194);
const COLORREF kDefaultCutpointHilite   = RGB(217, 39, 30);
const int      kDefaultCutpointWidth    = 2;
const int      kDefaultHighlightWidth   = 3;

// A dialog font shorter than this (in pixels) selects the small metrics.
const int      kSmallMetricsFontHeight  = 19;

// Label measuring and placement.
const double   kCrowdedRatio            = 0.8;
const double   kVeryCrowdedRatio        = 1.9;
const int      kLabelGap                = 4;
const UINT     kLabelFormat             = DT_CENTER | DT_SINGLELINE | DT_NOCLIP |
                                          DT_NOPREFIX | DT_END_ELLIPSIS;

// Cutpoint pens: square-ended solid lines of the given width.
const DWORD    kCutpointPenStyle        = PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT |
                                          PS_JOIN_MITER;

// Cutpoint pens are drawn and hit-tested at most this wide (and never
// narrower than 0, the thinnest line): the stored width is returned as set,
// but a negative or huge one must not reach the pen or the pixel arithmetic.
const int      kMaxCutpointPenWidth     = 100;

// A drop closer than this share of a bin's width to one of its edges lands
// on the edge.
const double   kSnapShare               = 0.04;

// Pixel positions are kept within +-2^30: far outside any device surface,
// and small enough that the pen offsets and redraw strips computed from a
// position can never overflow an int.
const double   kPixelLimit              = 1073741824.0;

// Converts a whole-numbered double to int, saturated to +-kPixelLimit.
int SaturatePixel(double d)
{
    if (d >= kPixelLimit)
        return (int)kPixelLimit;
    if (d <= -kPixelLimit)
        return -(int)kPixelLimit;
    return (int)d;
}

// Pixel at a plot edge plus an offset truncated toward zero, saturated. A
// NaN offset has no position and stays on the edge, so a value that cannot
// be mapped lands on the origin of its axis (plot.left for x, plot.bottom
// for y).
int PixelAt(int edge, double offset)
{
    if (std::isnan(offset))
        return edge;
    return SaturatePixel((double)edge + std::trunc(offset));
}

// Whether anything drawn inside r can show through the clip box.
bool Reaches(const CRect& r, const CRect& rcClip)
{
    return r.left < rcClip.right && rcClip.left < r.right && r.top < rcClip.bottom && rcClip.top < r.bottom;
}

// The first bar whose right (bRight) or left edge lies beyond x, or n. The
// bins ascend, so both edges of the bars do not decrease from bar to bar.
int FirstBarBeyond(const HistoBinPos* pBins, int n, int x, bool bRight)
{
    int lo = 0;
    int hi = n;
    while (lo < hi)
    {
        const int mid = lo + (hi - lo) / 2;
        const CRect& r = pBins[mid].barRect;
        if ((bRight ? r.right : r.left) > x)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

// Replaces pen with a square-ended solid line of the given colour and width.
int DrawnPenWidth(int width)
{
    return width < 0 ? 0 : (width > kMaxCutpointPenWidth ? kMaxCutpointPenWidth : width);
}

void RecreateSquarePen(CPen& pen, COLORREF color, int width)
{
    LOGBRUSH lb;
    lb.lbStyle = BS_SOLID;
    lb.lbColor = color;
    lb.lbHatch = 0;
    pen.DeleteObject();
    pen.CreatePen((int)kCutpointPenStyle, DrawnPenWidth(width), &lb, 0, NULL);
}

} // namespace

BEGIN_MESSAGE_MAP(CHistogram, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_DESTROY()
    ON_MESSAGE(WM_GETOBJECT, OnGetObject)
    ON_WM_GETDLGCODE()
    ON_WM_KEYDOWN()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// Construction and binding

CHistogram::CHistogram()
    : m_crBarFill(kDefaultBarFill),
      m_crBarLine(kDefaultBarLine),
      m_crCutpoint(kDefaultCutpoint),
      m_crCutpointHighlight(kDefaultCutpointHilite),
      m_nCutpointWidth(kDefaultCutpointWidth),
      m_nCutpointHighlightWidth(kDefaultHighlightWidth),
      m_dwFeatureFlags(HF_SelectCutpoints),
      m_bDragging(FALSE),
      m_dDragStartValue(0.0),
      m_nDragIndex(-1),
      m_rcPlot(0, 0, 0, 0),
      m_bLabelsCrowded(FALSE),
      m_bLabelsVeryCrowded(FALSE),
      m_bShowNoDataMessage(FALSE),
      m_dXMin(0.0),
      m_dXMax(0.0),
      m_bSmallMetrics(FALSE),
      m_lastError(HE_None),
      m_pAccessible(NULL)
{
    // Registered by every instance so that a dialog template can hold a
    // HISTOGRAMCLASS item once any histogram exists; a repeated
    // registration fails and is ignored.
    WNDCLASS wc;
    ::ZeroMemory(&wc, sizeof(wc));
    wc.style         = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc   = ::DefWindowProc;
    wc.cbClsExtra    = 0;
    wc.cbWndExtra    = 0;
    wc.hInstance     = AfxGetResourceHandle();
    wc.hIcon         = NULL;
    wc.hCursor       = ::LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszMenuName  = NULL;
    wc.lpszClassName = HISTOGRAM_CLASSNAME;
    ::RegisterClass(&wc);
}

CHistogram::~CHistogram()
{
    // The GDI objects and arrays release themselves; CWnd destroys the window.
    CAccessibleBase::Retire(m_pAccessible);
}

BOOL CHistogram::Initialize(CWnd* pParent, UINT nID)
{
    if (pParent == NULL || !::IsWindow(pParent->GetSafeHwnd()))
        return FALSE;
    // An object already bound to a window cannot take over a second one.
    if (m_hWnd != NULL || !SubclassDlgItem(nID, pParent))
    {
        m_lastError = HE_SubclassFailed;
        return FALSE;
    }
    BindWindow();
    return TRUE;
}

int CHistogram::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    BindWindow();
    return 0;
}

// What binding does once the window is attached, by either road: pick the
// metrics from the dialog font, place the plot and make the GDI objects.
// The bars are not recomputed and nothing is invalidated here.
void CHistogram::BindWindow()
{
    m_bSmallMetrics = HIWORD(::GetDialogBaseUnits()) < kSmallMetricsFontHeight;
    Resize();
    RecreateGdiObjects();
}

/////////////////////////////////////////////////////////////////////////////
// Data

BOOL CHistogram::SetHistogram(double lower, const CArray<HistoBin, HistoBin&>& bins)
{
    m_lastError = HE_None;

    // Validate everything before touching the current picture. Written as
    // negated comparisons so that NaN edges and counts are refused too.
    const int n = (int)bins.GetSize();
    const HistoBin* pBins = bins.GetData();
    double prev = lower;
    for (int i = 0; i < n; i++)
    {
        if (!(pBins[i].upper > prev))
        {
            m_lastError = HE_BinsNotAscending;
            return FALSE;
        }
        prev = pBins[i].upper;
        if (!(pBins[i].count >= 0.0))
        {
            m_lastError = HE_NegativeCount;
            return FALSE;
        }
    }

    m_bins.SetSize(n);
    for (int i = 0; i < n; i++)
        m_bins[i] = pBins[i];

    m_cutpoints.RemoveAll();

    if (n > 0)
    {
        m_dXMin = lower;
        m_dXMax = pBins[n - 1].upper;
    }

    RecalcHistogram();
    InvalidateAll();
    RaiseEvent(EVENT_OBJECT_REORDER, CHILDID_SELF);
    return TRUE;
}

void CHistogram::ClearHistogram(BOOL bShowMessage)
{
    CArray<HistoBin, HistoBin&> none;
    SetHistogram(0.0, none);
    m_bShowNoDataMessage = bShowMessage;
}

void CHistogram::X_AxisRange(double* pMin, double* pMax)
{
    if (pMin != NULL)
        *pMin = m_dXMin;
    if (pMax != NULL)
        *pMax = m_dXMax;
}

CHistogram::HistoErrors CHistogram::CurrentError() const
{
    return m_lastError;
}

/////////////////////////////////////////////////////////////////////////////
// Appearance

COLORREF CHistogram::BarFillColor() const
{
    return m_crBarFill;
}

COLORREF CHistogram::SetBarFillColor(COLORREF color)
{
    COLORREF old = std::exchange(m_crBarFill, color);
    RecreateBarBrush();
    InvalidateAll();
    return old;
}

COLORREF CHistogram::BarLineColor() const
{
    return m_crBarLine;
}

COLORREF CHistogram::SetBarLineColor(COLORREF color)
{
    COLORREF old = std::exchange(m_crBarLine, color);
    RecreateBarPen();
    InvalidateAll();
    return old;
}

COLORREF CHistogram::CutpointColor() const
{
    return m_crCutpoint;
}

COLORREF CHistogram::SetCutpointColor(COLORREF color)
{
    COLORREF old = std::exchange(m_crCutpoint, color);
    RecreateCutpointPen();
    InvalidateAll();
    return old;
}

COLORREF CHistogram::CutpointHighlightColor() const
{
    return m_crCutpointHighlight;
}

COLORREF CHistogram::SetCutpointHighlightColor(COLORREF color)
{
    COLORREF old = std::exchange(m_crCutpointHighlight, color);
    RecreateHighlightPen();
    InvalidateAll();
    return old;
}

int CHistogram::CutpointLineWidth() const
{
    return m_nCutpointWidth;
}

int CHistogram::SetCutpointLineWidth(int width)
{
    int old = std::exchange(m_nCutpointWidth, width);
    RecreateCutpointPen();
    InvalidateAll();
    return old;
}

int CHistogram::CutpointHighlightLineWidth() const
{
    return m_nCutpointHighlightWidth;
}

int CHistogram::SetCutpointHighlightLineWidth(int width)
{
    int old = std::exchange(m_nCutpointHighlightWidth, width);
    RecreateHighlightPen();
    InvalidateAll();
    return old;
}

DWORD CHistogram::FeatureFlags() const
{
    return m_dwFeatureFlags;
}

void CHistogram::SetFeatureFlags(DWORD flags)
{
    m_dwFeatureFlags = flags;
    InvalidateAll();
}

// Before binding there is no window to repaint; the values are only stored.
void CHistogram::InvalidateAll()
{
    if (m_hWnd != NULL)
        Invalidate(TRUE);
}

/////////////////////////////////////////////////////////////////////////////
// Layout

void CHistogram::Resize()
{
    CRect rcClient(0, 0, 0, 0);
    if (m_hWnd != NULL)
        GetClientRect(&rcClient);
    const int w = rcClient.Width();
    const int h = rcClient.Height();

    // 5 % free on either side, 10 % above, 30 % below for ticks and labels.
    m_rcPlot.left   = rcClient.left   + (int)(w * 0.05);
    m_rcPlot.top    = rcClient.top    + (int)(h * 0.1);
    m_rcPlot.right  = rcClient.right  - (int)(w * 0.05);
    m_rcPlot.bottom = rcClient.bottom - (int)(h * 0.3);
    if (m_bSmallMetrics)
        m_rcPlot.bottom -= 2;
}

// Column of x. The share of the range is taken first so that the range ends
// map exactly onto plot.left and plot.right. An empty range maps everything
// to plot.left; values outside the range land outside the plot (saturated,
// see SaturatePixel), NaN lands on plot.left.
int CHistogram::X_AxisPos(double x)
{
    const double range = m_dXMax - m_dXMin;
    if (range == 0.0)
        return m_rcPlot.left;
    const double share = (x - m_dXMin) / range;
    return PixelAt(m_rcPlot.left, m_rcPlot.Width() * share);
}

// Row of the top of a bar of count y when yMax sits at the top of the plot.
// Every non-zero count stands at least 2 % of the plot and one pixel tall.
int CHistogram::Y_AxisPos(double yMax, double y)
{
    if (yMax == 0.0)
        return m_rcPlot.bottom;
    double r = y / yMax;
    if (std::isnan(r))
        return m_rcPlot.bottom;
    if (r > 0.0 && r < 0.02)
        r = 0.02;
    int py = PixelAt(m_rcPlot.bottom, -(m_rcPlot.Height() * r));
    if (py == m_rcPlot.bottom && r != 0.0)
        py -= 1;
    return py;
}

void CHistogram::RecalcHistogram()
{
    const int n = (int)m_bins.GetSize();

    double maxCount = 0.0;
    for (int i = 0; i < n; i++)
    {
        if (m_bins[i].count > maxCount)
            maxCount = m_bins[i].count;
    }
    // One eleventh of the plot stays free above the tallest bar.
    const double yMax = maxCount * 0.1 + maxCount;

    // Neighbours share a border column; every bar reaches one row below the
    // plot so that its lower border lies on the x axis.
    int left = X_AxisPos(m_dXMin);
    for (int i = 0; i < n; i++)
    {
        HistoBinPos& bin = m_bins[i];
        bin.barRect.SetRect(left, Y_AxisPos(yMax, bin.count),
                            X_AxisPos(bin.upper), m_rcPlot.bottom + 1);
        left = bin.barRect.right - 1;
    }

    if (n == 0)
        return;

    m_bLabelsCrowded = FALSE;
    m_bLabelsVeryCrowded = FALSE;
    CClientDC dc(m_hWnd != NULL ? this : NULL);
    CFont* pOldFont = NULL;
    if (m_fontLabel.GetSafeHandle() != NULL)
        pOldFont = dc.SelectObject(&m_fontLabel);
    for (int i = 0; i < n; i++)
    {
        const HistoBinPos& bin = m_bins[i];
        const double w = bin.barRect.Width();
        const double e = dc.GetTextExtent(bin.label).cx;
        if (w * kCrowdedRatio <= e)
            m_bLabelsCrowded = TRUE;
        if (w * kVeryCrowdedRatio <= e)
            m_bLabelsVeryCrowded = TRUE;
    }
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
}

void CHistogram::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    Resize();
    RecalcHistogram();
}

/////////////////////////////////////////////////////////////////////////////
// GDI objects

void CHistogram::RecreateBarBrush()
{
    m_brushBar.DeleteObject();
    m_brushBar.CreateSolidBrush(m_crBarFill);
}

void CHistogram::RecreateBarPen()
{
    m_penBar.DeleteObject();
    m_penBar.CreatePen(PS_SOLID, 0, m_crBarLine);
}

void CHistogram::RecreateCutpointPen()
{
    RecreateSquarePen(m_penCutpoint, m_crCutpoint, m_nCutpointWidth);
}

void CHistogram::RecreateHighlightPen()
{
    RecreateSquarePen(m_penHighlight, m_crCutpointHighlight, m_nCutpointHighlightWidth);
}

// The label font is the parent's dialog font at 9 or 10 pixels. Where that
// comes out as a raster font or taller than 12 pixels, the system's default
// TrueType face at 9 pixels is used instead.
void CHistogram::RecreateGdiObjects()
{
    RecreateBarBrush();
    RecreateBarPen();
    RecreateCutpointPen();
    RecreateHighlightPen();

    m_fontLabel.DeleteObject();
    CWnd* pParent = GetParent();
    CFont* pParentFont = pParent != NULL ? pParent->GetFont() : NULL;
    if (pParentFont == NULL || pParentFont->GetSafeHandle() == NULL)
        return;

    LOGFONT lf;
    if (pParentFont->GetLogFont(&lf) == 0)
        return;
    lf.lfWidth = 0;
    lf.lfHeight = m_bSmallMetrics ? -9 : -10;
    if (!m_fontLabel.CreateFontIndirect(&lf))
        return;

    TEXTMETRIC tm;
    ::ZeroMemory(&tm, sizeof(tm));
    {
        CClientDC dc(this);
        CFont* pOldFont = dc.SelectObject(&m_fontLabel);
        dc.GetTextMetrics(&tm);
        dc.SelectObject(pOldFont);
    }
    if ((tm.tmPitchAndFamily & TMPF_TRUETYPE) == 0 || tm.tmHeight > 12)
    {
        m_fontLabel.DeleteObject();
        lf.lfHeight = -9;
        lf.lfOutPrecision = OUT_TT_ONLY_PRECIS;
        lf.lfPitchAndFamily = 0;
        lf.lfFaceName[0] = '\0';
        m_fontLabel.CreateFontIndirect(&lf);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Painting

void CHistogram::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);

    // Only what reaches the clip box is drawn: a drag repaints a thin strip,
    // and skipping the bars, ticks and labels wholly outside it keeps that
    // cost independent of the number of bins. Inside the box every pixel is
    // what the full paint makes.
    CRect rcClip;
    if (dc.GetClipBox(&rcClip) == ERROR)
        rcClip = rcClient;

    // Bars: filled with the bar brush, outlined with the bar pen; a bar
    // paints only inside its own rectangle.
    // Only the bars from the first one ending right of the clip box's left
    // edge to the last one starting left of its right edge are visited.
    CPen* pOldPen = dc.SelectObject(&m_penBar);
    CBrush* pOldBrush = dc.SelectObject(&m_brushBar);
    const int n = (int)m_bins.GetSize();
    const HistoBinPos* pBins = m_bins.GetData();
    const int nFirst = FirstBarBeyond(pBins, n, rcClip.left, true);
    const int nEnd = FirstBarBeyond(pBins, n, rcClip.right - 1, false);
    // Bars one column wide paint just that column, in the pen, from their
    // top down: a run of them in one column paints what the tallest of them
    // paints, and the columns of such runs are drawn together as vertical
    // lines. With more bins than columns most bars are such runs. Where
    // neighbouring bars overlap they overlap on a shared border column, in
    // the pen on both sides, so the order of drawing changes no pixel.
    enum { kColumnBatch = 64 };
    POINT columnEnds[2 * kColumnBatch];
    DWORD columnPoints[kColumnBatch];
    int nColumns = 0;
    for (int i = nFirst; i < nEnd;)
    {
        CRect r = pBins[i++].barRect;
        if (r.Width() != 1)
        {
            if (Reaches(r, rcClip))
                dc.Rectangle(&r);
            continue;
        }
        while (i < nEnd && pBins[i].barRect.left == r.left && pBins[i].barRect.right == r.right &&
               pBins[i].barRect.bottom == r.bottom)
        {
            r.top = std::min<int>(r.top, pBins[i].barRect.top);
            i++;
        }
        if (!Reaches(r, rcClip) || r.Height() <= 0)
            continue;
        columnEnds[2 * nColumns].x = columnEnds[2 * nColumns + 1].x = r.left;
        columnEnds[2 * nColumns].y = r.top;
        columnEnds[2 * nColumns + 1].y = r.bottom;   // the end point is not painted
        columnPoints[nColumns++] = 2;
        if (nColumns == kColumnBatch)
        {
            ::PolyPolyline(dc.GetSafeHdc(), columnEnds, columnPoints, nColumns);
            nColumns = 0;
        }
    }
    if (nColumns > 0)
        ::PolyPolyline(dc.GetSafeHdc(), columnEnds, columnPoints, nColumns);

    // Axes: up the left edge of the plot and along its bottom row.
    dc.SelectStockObject(BLACK_PEN);
    dc.MoveTo(m_rcPlot.left, m_rcPlot.top);
    dc.LineTo(m_rcPlot.left, m_rcPlot.bottom);
    dc.LineTo(m_rcPlot.right, m_rcPlot.bottom);

    // Ticks: four pixels down from under the axis, at each bin's upper edge.
    // A tick lies in column right - 1: from the first bar ending right of the
    // clip box's left edge to the last one ending at or before its right.
    const int nTicksEnd = FirstBarBeyond(pBins, n, rcClip.right, true);
    for (int i = nFirst; i < nTicksEnd; i++)
    {
        const CRect& r = pBins[i].barRect;
        // Bars that end in the same column share one tick.
        if (i > nFirst && r.right == pBins[i - 1].barRect.right && r.bottom == pBins[i - 1].barRect.bottom)
            continue;
        if (!Reaches(CRect(r.right - 1, r.bottom, r.right, r.bottom + 4), rcClip))
            continue;
        dc.MoveTo(r.right - 1, r.bottom);
        dc.LineTo(r.right - 1, r.bottom + 4);
    }

    // Labels, centred under the upper edges; on two rows when crowded and
    // only for every second bin when very crowded.
    CFont* pOldFont = NULL;
    if (m_fontLabel.GetSafeHandle() != NULL)
        pOldFont = dc.SelectObject(&m_fontLabel);
    const int nOldBkMode = dc.SetBkMode(TRANSPARENT);
    // Bounds of any label's ink before it is measured: one text height per
    // row, two rows, and no wider than its characters (with an ellipsis) at
    // the widest character, centred on its box.
    TEXTMETRIC tm;
    if (!dc.GetTextMetrics(&tm))
        ::ZeroMemory(&tm, sizeof(tm));
    const int nRowBound = tm.tmHeight + tm.tmExternalLeading + 2;
    const int nCharBound = tm.tmMaxCharWidth + tm.tmOverhang + 1;
    // All bars end on one row (the layout puts them all one pixel below the
    // plot), so no label reaches a clip box that ends above that row's band.
    const int nLabelsTop = n > 0 ? pBins[0].barRect.bottom + kLabelGap : 0;
    const int nLabels = tm.tmHeight > 0 && rcClip.bottom <= nLabelsTop ? 0 : n;
    int k = 0;
    for (int i = 0; i < nLabels; i++)
    {
        if (m_bLabelsVeryCrowded && (i % 2) != 0)
            continue;
        const HistoBinPos& bin = m_bins[i];

        CRect r = bin.barRect;
        const int barWidth = r.Width();
        r.right += barWidth;            // centred on the bin's upper edge
        if (m_bLabelsVeryCrowded && m_bLabelsCrowded)
            r.InflateRect(barWidth, 0);
        if (tm.tmHeight > 0)
        {
            // Outside the clip box whatever its extent: skip the measuring
            // too. The rows are tested first, the cheaper test.
            const int top = r.bottom + kLabelGap;
            bool bOutside = top >= rcClip.bottom || top + 2 * nRowBound <= rcClip.top;
            if (!bOutside)
            {
                const int halfWidth = (bin.label.GetLength() + 3) * nCharBound / 2 + 1;
                const int centre = r.left + r.Width() / 2;
                bOutside = std::max<int>(r.right, centre + halfWidth) + 1 <= rcClip.left ||
                           std::min<int>(r.left, centre - halfWidth) - 1 >= rcClip.right;
            }
            if (bOutside)
            {
                k++;
                continue;
            }
        }
        const CSize ext = dc.GetTextExtent(bin.label);
        const int offset = m_bLabelsCrowded ? ext.cy * (k % 2) + kLabelGap : kLabelGap;
        r.OffsetRect(0, r.Height() + offset);
        if (r.right >= rcClient.right)
        {
            const int squeeze = r.right - rcClient.right - 1;
            r.DeflateRect(squeeze, 0);
        }
        dc.DrawText(bin.label, &r, kLabelFormat);
        k++;
    }

    DrawCutpoints(&dc);
    DrawFocusCue(&dc);

    if (n == 0 && m_bShowNoDataMessage)
    {
        CString text;
        LoadLibraryString(text, IDS_NO_DATA);
        CFont* pFontBefore = (CFont*)dc.SelectStockObject(DEFAULT_GUI_FONT);
        if (pOldFont == NULL)
            pOldFont = pFontBefore;
        dc.DrawText(text, &rcClient, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }

    dc.SetBkMode(nOldBkMode);
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldPen);
}

// Leaves the last cutpoint pen selected; OnPaint puts the caller's pen back.
void CHistogram::DrawCutpoints(CDC* pDC)
{
    pDC->SelectObject(&m_penCutpoint);
    const int n = (int)m_cutpoints.GetSize();
    for (int i = 0; i < n; i++)
    {
        const BOOL bSelected = m_cutpoints[i].selected;
        if (bSelected)
            pDC->SelectObject(&m_penHighlight);
        const int x = CutpointScreenX(i);
        pDC->MoveTo(x, m_rcPlot.top);
        pDC->LineTo(x, m_rcPlot.bottom);
        if (bSelected)
            pDC->SelectObject(&m_penCutpoint);
    }
}

// An odd pen width puts the line one column left of the mapped column.
int CHistogram::CutpointScreenX(int index)
{
    return X_AxisPos(m_cutpoints[index].value) - (CutpointPenWidth(index) % 2);
}

int CHistogram::CutpointPenWidth(int index) const
{
    return DrawnPenWidth(m_cutpoints[index].selected ? m_nCutpointHighlightWidth : m_nCutpointWidth);
}

/////////////////////////////////////////////////////////////////////////////
// Cutpoints

int CHistogram::CutpointIndex(double value) const
{
    const int n = (int)m_cutpoints.GetSize();
    const CutpointBag* p = m_cutpoints.GetData();
    for (int i = 0; i < n; i++)
    {
        if (p[i].value == value)
            return i;
    }
    return -1;
}

BOOL CHistogram::HasCutpoint(double value) const
{
    return CutpointIndex(value) >= 0;
}

// NaN is refused as well: it equals nothing, so it could never be found,
// selected or removed again.
BOOL CHistogram::AddCutpoint(double value)
{
    if (std::isnan(value) || HasCutpoint(value))
    {
        m_lastError = HE_BadCutpoint;
        return FALSE;
    }
    CutpointBag cp;
    cp.value = value;
    cp.selected = FALSE;
    const int i = (int)m_cutpoints.Add(cp);
    InvalidateAll();
    RaiseEvent(EVENT_OBJECT_CREATE, CHistogramAccessible::CutpointChild(i));
    return TRUE;
}

BOOL CHistogram::RemoveCutpoint(double value)
{
    const int i = CutpointIndex(value);
    if (i < 0)
    {
        m_lastError = HE_BadCutpoint;
        return FALSE;
    }
    m_cutpoints.RemoveAt(i);
    InvalidateAll();
    RaiseEvent(EVENT_OBJECT_DESTROY, CHistogramAccessible::CutpointChild(i));
    return TRUE;
}

BOOL CHistogram::SelectCutpoint(double value)
{
    const int i = CutpointIndex(value);
    if (i < 0)
    {
        m_lastError = HE_BadCutpoint;
        return FALSE;
    }
    const int n = (int)m_cutpoints.GetSize();
    for (int j = 0; j < n; j++)
        m_cutpoints[j].selected = FALSE;
    m_cutpoints[i].selected = TRUE;
    InvalidateAll();
    RaiseEvent(EVENT_OBJECT_SELECTION, CHistogramAccessible::CutpointChild(i));
    if (KeyboardOperable() && ::GetFocus() == m_hWnd)
        RaiseEvent(EVENT_OBJECT_FOCUS, CHistogramAccessible::CutpointChild(i));
    return TRUE;
}

// Index of the first cutpoint whose line (widened to at least 5 columns for
// thin pens) contains px, or -1; only rows of the plot hit.
int CHistogram::CutpointHitTest(int px, int py)
{
    if (py < m_rcPlot.top || py > m_rcPlot.bottom)
        return -1;
    const int n = (int)m_cutpoints.GetSize();
    for (int i = 0; i < n; i++)
    {
        const CRect rc = CutpointHitRect(i);
        if (rc.left <= px && px < rc.right)
            return i;
    }
    return -1;
}

// The pixels that hit cutpoint index: its line, widened to at least 5
// columns for thin pens, over the rows of the plot.
CRect CHistogram::CutpointHitRect(int index)
{
    int w = CutpointPenWidth(index);
    int left = CutpointScreenX(index) - w / 2;
    if (w < 3)
    {
        w += 2;
        left -= 1;
    }
    return CRect(left, m_rcPlot.top, left + w + 1, m_rcPlot.bottom + 1);
}

// A drop within 4 % of a bin's width from one of its edges lands on that
// edge; a value on an edge belongs to the bin on its left. Clears the last
// error: every drop starts afresh.
double CHistogram::SnapCutpoint(double value)
{
    m_lastError = HE_None;
    const double result = SnappedValue(value);
    if (result != value)
        InvalidateAll();
    return result;
}

// Where a drop at value lands (see SnapCutpoint), without side effects.
double CHistogram::SnappedValue(double value) const
{
    double result = value;
    double lowerEdge = m_dXMin;
    const int n = (int)m_bins.GetSize();
    for (int i = 0; i < n; i++)
    {
        const double upperEdge = m_bins[i].upper;
        if (lowerEdge <= value && value <= upperEdge)
        {
            const double width = upperEdge - lowerEdge;
            if ((value - lowerEdge) / width < kSnapShare)
                result = lowerEdge;
            else if ((upperEdge - value) / width < kSnapShare)
                result = upperEdge;
            break;
        }
        lowerEdge = upperEdge;
    }
    return result;
}

// The columns the line of cutpoint index covers, one pixel wider on every
// side: what a drag has to repaint.
CRect CHistogram::CutpointStrip(int index)
{
    const int w = CutpointPenWidth(index);
    const int x = CutpointScreenX(index);
    return CRect(x - w / 2 - 1, m_rcPlot.top - 1, x - w / 2 + w + 1, m_rcPlot.bottom + 1);
}

// Whether the dragged index still names a cutpoint: the owner, notified
// during the gesture, may have removed some.
BOOL CHistogram::DragIndexValid() const
{
    return m_nDragIndex >= 0 && m_nDragIndex < m_cutpoints.GetSize();
}

BOOL CHistogram::NotifyOwner(UINT message, LPARAM lParam)
{
    const HWND hWnd = m_hWnd;
    CWnd* pOwner = GetOwner();
    if (pOwner != NULL && pOwner->GetSafeHwnd() != NULL)
        pOwner->SendMessage(message, (WPARAM)GetDlgCtrlID(), lParam);
    return IsWndStillBound(this, hWnd);
}

/////////////////////////////////////////////////////////////////////////////
// Mouse

void CHistogram::OnLButtonDown(UINT nFlags, CPoint point)
{
    // Operable from the keyboard: a click gives it the focus, as it would a
    // button.
    if (KeyboardOperable() && ::GetFocus() != m_hWnd)
    {
        const HWND hwnd = m_hWnd;
        SetFocus();
        if (!::IsWindow(hwnd))
            return;
    }
    if ((m_dwFeatureFlags & HF_SelectCutpoints) != 0)
    {
        m_nDragIndex = CutpointHitTest(point.x, point.y);
        if (m_nDragIndex != -1)
        {
            SelectCutpoint(m_cutpoints[m_nDragIndex].value);
            // An overriding SelectCutpoint may have changed the list; the
            // index is only used while it still names an entry.
            if (DragIndexValid() &&
                !NotifyOwner(HM_CUTPOINTSELECTED, (LPARAM)&m_cutpoints[m_nDragIndex]))
                return;

            // The owner may have removed cutpoints or changed the flags, or
            // run a modal loop (a dialog about the cutpoint) that took the
            // release: a drag starts only while the button is still down.
            const DWORD both = HF_SelectCutpoints | HF_DragCutpoints;
            if ((m_dwFeatureFlags & both) == both && DragIndexValid() &&
                (::GetKeyState(VK_LBUTTON) & 0x8000) != 0)
            {
                SetCapture();
                m_bDragging = TRUE;
                m_dDragStartValue = m_cutpoints[m_nDragIndex].value;
            }
            else
            {
                m_nDragIndex = -1;
            }
        }
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CHistogram::OnMouseMove(UINT nFlags, CPoint point)
{
    // The release went elsewhere (the capture was taken away): the first
    // move without the button ends the drag as the release would have.
    if (m_bDragging && (nFlags & MK_LBUTTON) == 0 && !EndDrag())
        return;
    if (m_bDragging && DragIndexValid())
    {
        double v = 0.0;
        if (ValueAtColumn(point.x, &v))
        {
            const CRect rcOld = CutpointStrip(m_nDragIndex);
            const BOOL bChanged = m_cutpoints[m_nDragIndex].value != v;
            m_cutpoints[m_nDragIndex].value = v;

            const CRect rcNew = CutpointStrip(m_nDragIndex);
            CRect rcRedraw;
            rcRedraw.UnionRect(&rcOld, &rcNew);
            if (bChanged)
                CutpointChanged(m_nDragIndex);
            RedrawWindow(&rcRedraw, NULL,
                         RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
        }
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CHistogram::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bDragging && !EndDrag())
        return;
    CWnd::OnLButtonUp(nFlags, point);
}

// Drops the dragged cutpoint: snapped and reported, or removed when it left
// the x range. Cutpoints removed during the drag: only the drag ends.
// FALSE when the owner's handler destroyed the control; its capture went
// with the window then.
BOOL CHistogram::EndDrag()
{
    if (DragIndexValid())
    {
        const double v = m_cutpoints[m_nDragIndex].value;
        BOOL bAlive;
        if (v < m_dXMin || v > m_dXMax)
        {
            RemoveCutpoint(v);
            bAlive = NotifyOwner(HM_CUTPOINTREMOVED, (LPARAM)&m_dDragStartValue);
        }
        else
        {
            const double snapped = SnapCutpoint(v);
            m_cutpoints[m_nDragIndex].value = snapped;
            if (snapped != v)
                CutpointChanged(m_nDragIndex);
            CutpointMove move;
            move.oldValue = m_dDragStartValue;
            move.newValue = snapped;
            bAlive = NotifyOwner(HM_CUTPOINTMOVED, (LPARAM)&move);
        }
        if (!bAlive)
            return FALSE;
    }
    // Another window may hold the capture by now; it keeps it.
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    m_bDragging = FALSE;
    m_nDragIndex = -1;
    m_dDragStartValue = 0.0;
    return TRUE;
}

// The value a cutpoint dragged to column x gets: back from the column to
// the x scale, unclamped (the captured mouse may leave the plot), kept to
// two decimals. FALSE for a plot without width or a range that gives no
// finite value: the cutpoint then stays where it is.
BOOL CHistogram::ValueAtColumn(int x, double* pValue)
{
    const int plotWidth = m_rcPlot.Width();
    if (plotWidth == 0)
        return FALSE;
    const double v = m_dXMin + (m_dXMax - m_dXMin) * (x - m_rcPlot.left) / plotWidth;
    if (!std::isfinite(v))
        return FALSE;
    char text[512];
    std::snprintf(text, sizeof(text), "%.2f", v);
    *pValue = std::strtod(text, NULL);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Accessibility

// Tells accessibility clients that cutpoint index moved to another value.
void CHistogram::CutpointChanged(int index)
{
    const LONG child = CHistogramAccessible::CutpointChild(index);
    RaiseEvent(EVENT_OBJECT_LOCATIONCHANGE, child);
    RaiseEvent(EVENT_OBJECT_VALUECHANGE, child);
}

void CHistogram::RaiseEvent(DWORD event, LONG child)
{
    if (m_hWnd != NULL)
        ::NotifyWinEvent(event, m_hWnd, OBJID_CLIENT, child);
}

LRESULT CHistogram::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    if ((LONG)lParam != OBJID_CLIENT)
        return Default();
    if (m_pAccessible == NULL)
        m_pAccessible = new CHistogramAccessible(this);
    return m_pAccessible->Answer(wParam, lParam);
}

void CHistogram::OnDestroy()
{
    CAccessibleBase::Retire(m_pAccessible);
    CWnd::OnDestroy();
}

/////////////////////////////////////////////////////////////////////////////
// Keyboard

BOOL CHistogram::KeyboardOperable() const
{
    return (m_dwFeatureFlags & HF_KeyboardCutpoints) != 0 && m_hWnd != NULL &&
           (GetStyle() & WS_TABSTOP) != 0;
}

int CHistogram::SelectedCutpoint() const
{
    const int n = (int)m_cutpoints.GetSize();
    for (int i = 0; i < n; i++)
    {
        if (m_cutpoints.GetData()[i].selected)
            return i;
    }
    return -1;
}

// The cutpoint next to index from left to right (dir +1) or right to left
// (dir -1); equal values follow list order. From index -1: the first one in
// that direction. -1 when there is none.
int CHistogram::NeighbourCutpoint(int index, int dir) const
{
    const CutpointBag* p = m_cutpoints.GetData();
    const int n = (int)m_cutpoints.GetSize();
    // Whether a comes after b in the direction of travel.
    auto after = [&](int a, int b) {
        if (p[a].value != p[b].value)
            return dir > 0 ? p[a].value > p[b].value : p[a].value < p[b].value;
        return dir > 0 ? a > b : a < b;
    };
    int best = -1;
    for (int i = 0; i < n; i++)
    {
        if (i == index || (index >= 0 && !after(i, index)))
            continue;
        if (best < 0 || after(best, i))
            best = i;
    }
    return best;
}

// Where Left (dir -1) or Right (+1) takes cutpoint index: the nearest pixel
// column in that direction where a mouse drop lands on another value
// (after rounding and snapping), the x range's end at most.
BOOL CHistogram::StepTarget(int index, int dir, double* pValue)
{
    const double v = m_cutpoints[index].value;
    int x = X_AxisPos(v);
    for (int steps = 0; steps <= m_rcPlot.Width() + 1; steps++)
    {
        x += dir;
        double target = 0.0;
        if (!ValueAtColumn(x, &target))
            return FALSE;
        const BOOL bEnd = dir < 0 ? target <= m_dXMin : target >= m_dXMax;
        if (bEnd)
            target = dir < 0 ? m_dXMin : m_dXMax;
        const double landed = SnappedValue(target);
        if ((landed - v) * dir > 0.0)
        {
            *pValue = landed;
            return TRUE;
        }
        if (bEnd)
            return FALSE;
    }
    return FALSE;
}

// The next bin edge beyond cutpoint index in direction dir.
BOOL CHistogram::EdgeTarget(int index, int dir, double* pValue) const
{
    const double v = m_cutpoints[index].value;
    const int n = (int)m_bins.GetSize();
    for (int k = 0; k <= n; k++)
    {
        // Edges from the lower edge of the range up, or from its end down.
        const int e = dir > 0 ? k : n - k;
        const double edge = e == 0 ? m_dXMin : m_bins.GetData()[e - 1].upper;
        if ((edge - v) * dir > 0.0)
        {
            *pValue = edge;
            return TRUE;
        }
    }
    return FALSE;
}

// What a click on the cutpoint does: select it and tell the owner.
void CHistogram::KeySelect(int index)
{
    if ((m_dwFeatureFlags & HF_SelectCutpoints) == 0)
        return;
    SelectCutpoint(m_cutpoints[index].value);
    // An overriding SelectCutpoint may have changed the list.
    if (index < m_cutpoints.GetSize())
        NotifyOwner(HM_CUTPOINTSELECTED, (LPARAM)&m_cutpoints[index]);
}

// What a drag ending on target does: the drop of EndDrag, with the same
// snapping and message.
void CHistogram::KeyMove(int index, double target)
{
    m_nDragIndex = index;
    m_dDragStartValue = m_cutpoints[index].value;
    m_bDragging = TRUE;
    m_cutpoints[index].value = target;
    CutpointChanged(index);
    InvalidateAll();
    EndDrag();
}

// What dropping the cutpoint outside the x range does: removed, and the
// owner told the value it had.
void CHistogram::KeyRemove(int index)
{
    double value = m_cutpoints[index].value;
    RemoveCutpoint(value);
    NotifyOwner(HM_CUTPOINTREMOVED, (LPARAM)&value);
}

UINT CHistogram::OnGetDlgCode()
{
    if (KeyboardOperable())
        return DLGC_WANTARROWS;
    return CWnd::OnGetDlgCode();
}

void CHistogram::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Not while the mouse drags a cutpoint: the drop decides.
    if (!KeyboardOperable() || m_bDragging)
    {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    const int sel = SelectedCutpoint();
    const BOOL bCtrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    double target = 0.0;
    switch (nChar)
    {
    case VK_DOWN:
    case VK_UP:
    {
        const int next = NeighbourCutpoint(sel, nChar == VK_DOWN ? 1 : -1);
        if (next >= 0)
            KeySelect(next);
        return;
    }
    case VK_LEFT:
    case VK_RIGHT:
    {
        const int dir = nChar == VK_RIGHT ? 1 : -1;
        if (sel >= 0 && (bCtrl ? EdgeTarget(sel, dir, &target) : StepTarget(sel, dir, &target)))
            KeyMove(sel, target);
        return;
    }
    case VK_DELETE:
        if (sel >= 0)
            KeyRemove(sel);
        return;
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
}

void CHistogram::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (!KeyboardOperable())
        return;
    InvalidateAll();
    const int sel = SelectedCutpoint();
    if (sel >= 0)
        RaiseEvent(EVENT_OBJECT_FOCUS, CHistogramAccessible::CutpointChild(sel));
}

void CHistogram::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    if (KeyboardOperable())
        InvalidateAll();
}

// The dotted focus rectangle: around the selected cutpoint's line (the
// strip a drag repaints, so a moving line takes it along), or around the
// plot when none is selected.
void CHistogram::DrawFocusCue(CDC* pDC)
{
    if (!KeyboardOperable() || ::GetFocus() != m_hWnd)
        return;
    const int sel = SelectedCutpoint();
    CRect rc = sel >= 0 ? CutpointStrip(sel) : m_rcPlot;
    if (sel < 0)
        rc.InflateRect(2, 2);
    pDC->DrawFocusRect(&rc);
}
