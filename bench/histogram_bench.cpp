// histogram_bench.cpp - cost of SetHistogram plus one full paint of a
// CHistogram against a bare GDI loop that draws the same bars, axes, ticks
// and labels from precomputed rectangles; and the cost of one mouse move of
// a cutpoint drag (the strip it repaints) beside a full paint of the same
// picture. Prints medians with the smallest and largest run for 100, 1,000
// and 10,000 bins, ratios with three decimals.
#include <afxwin.h>
#include <afxtempl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "Histogram.h"
#include "InputHelpers.h"

namespace {

const int kWidth = 1000;
const int kHeight = 300;
const int kRepeats = 15;

// Exposes what the bare loop needs to draw the very same picture.
class BenchHistogram : public CHistogram
{
public:
    const CRect& PlotRect() const { return m_rcPlot; }
    const CRect& BarRect(int i) const { return m_bins.GetData()[i].barRect; }
    HFONT LabelFont() const { return (HFONT)m_fontLabel.GetSafeHandle(); }
    BOOL Crowded() const { return m_bLabelsCrowded; }
    BOOL VeryCrowded() const { return m_bLabelsVeryCrowded; }
    int ValueX(double v) { return X_AxisPos(v); }
    int PlotTop() const { return m_rcPlot.top; }
    BOOL Dragging() const { return m_bDragging; }
    double CutpointValue(int i) const { return m_cutpoints.GetData()[i].value; }
};

// What the bare window paints.
struct BareScene
{
    CRect plot;
    std::vector<CRect> bars;
    std::vector<CRect> labelRects;
    std::vector<CString> labels;
    HFONT font;
    HBRUSH brush;
    HPEN pen;
};
BareScene g_scene;

LRESULT CALLBACK BareWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg != WM_PAINT)
        return ::DefWindowProc(hWnd, msg, wParam, lParam);

    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(hWnd, &ps);
    HGDIOBJ oldPen = ::SelectObject(hdc, g_scene.pen);
    HGDIOBJ oldBrush = ::SelectObject(hdc, g_scene.brush);
    for (size_t i = 0; i < g_scene.bars.size(); i++)
    {
        const CRect& r = g_scene.bars[i];
        ::Rectangle(hdc, r.left, r.top, r.right, r.bottom);
    }
    ::SelectObject(hdc, ::GetStockObject(BLACK_PEN));
    ::MoveToEx(hdc, g_scene.plot.left, g_scene.plot.top, NULL);
    ::LineTo(hdc, g_scene.plot.left, g_scene.plot.bottom);
    ::LineTo(hdc, g_scene.plot.right, g_scene.plot.bottom);
    for (size_t i = 0; i < g_scene.bars.size(); i++)
    {
        const CRect& r = g_scene.bars[i];
        ::MoveToEx(hdc, r.right - 1, r.bottom, NULL);
        ::LineTo(hdc, r.right - 1, r.bottom + 4);
    }
    HGDIOBJ oldFont = g_scene.font != NULL ? ::SelectObject(hdc, g_scene.font) : NULL;
    const int oldMode = ::SetBkMode(hdc, TRANSPARENT);
    for (size_t i = 0; i < g_scene.labels.size(); i++)
    {
        RECT r = g_scene.labelRects[i];
        ::DrawText(hdc, g_scene.labels[i], g_scene.labels[i].GetLength(), &r,
                   DT_CENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    ::SetBkMode(hdc, oldMode);
    if (oldFont != NULL)
        ::SelectObject(hdc, oldFont);
    ::SelectObject(hdc, oldBrush);
    ::SelectObject(hdc, oldPen);
    ::EndPaint(hWnd, &ps);
    return 0;
}

double Now()
{
    static LARGE_INTEGER freq;
    if (freq.QuadPart == 0)
        ::QueryPerformanceFrequency(&freq);
    LARGE_INTEGER t;
    ::QueryPerformanceCounter(&t);
    return (double)t.QuadPart / (double)freq.QuadPart;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double Min(const std::vector<double>& v)
{
    return *std::min_element(v.begin(), v.end());
}

double Max(const std::vector<double>& v)
{
    return *std::max_element(v.begin(), v.end());
}

const int kDragSteps = 400;

void Pump()
{
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
    {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

void MakeBins(int n, CArray<HistoBin, HistoBin&>& bins)
{
    bins.SetSize(n);
    unsigned int state = 12345u;
    for (int i = 0; i < n; i++)
    {
        state = state * 1664525u + 1013904223u;
        bins[i].upper = 0.01 * (i + 1);
        bins[i].count = (double)(state >> 20);
        bins[i].label.Format("%.2f", bins[i].upper);
    }
}

// The scene the bare loop draws: the histogram's own bars, and the labels
// in the boxes the control gives them (two rows when crowded, every second
// one when very crowded, the last one squeezed at the right edge).
void BuildScene(const BenchHistogram& hist, const CArray<HistoBin, HistoBin&>& bins,
                int clientRight)
{
    const int n = (int)bins.GetSize();
    g_scene.plot = hist.PlotRect();
    g_scene.font = hist.LabelFont();
    g_scene.bars.resize(n);
    g_scene.labelRects.clear();
    g_scene.labels.clear();

    HDC hdc = ::GetDC(NULL);
    HGDIOBJ oldFont = g_scene.font != NULL ? ::SelectObject(hdc, g_scene.font) : NULL;
    int k = 0;
    for (int i = 0; i < n; i++)
    {
        CRect r = hist.BarRect(i);
        g_scene.bars[i] = r;
        if (hist.VeryCrowded() && (i % 2) != 0)
            continue;
        const CString& label = bins.GetData()[i].label;
        SIZE ext;
        ::GetTextExtentPoint32(hdc, label, label.GetLength(), &ext);
        const int offset = hist.Crowded() ? ext.cy * (k % 2) + 4 : 4;
        const int w = r.Width();
        r.right += w;
        if (hist.VeryCrowded())
            r.InflateRect(w, 0);
        r.OffsetRect(0, r.Height() + offset);
        if (r.right >= clientRight)
            r.DeflateRect(r.right - clientRight - 1, 0);
        g_scene.labelRects.push_back(r);
        g_scene.labels.push_back(label);
        k++;
    }
    if (oldFont != NULL)
        ::SelectObject(hdc, oldFont);
    ::ReleaseDC(NULL, hdc);
}

// Ends a run whose drag could not be set up: no figures and no ratio, the
// button let go, exit code 1.
int SetupFailed(HWND hHost, int nBins, const char* pszWhat)
{
    std::fprintf(stderr, "%d bins: %s; nothing measured\n", nBins, pszWhat);
    testsupport::LeftButtonUp(hHost, 0, 0);
    ::DestroyWindow(hHost);
    return 1;
}

} // namespace

int main()
{
    HINSTANCE hInst = ::GetModuleHandle(NULL);

    WNDCLASS wc;
    ::ZeroMemory(&wc, sizeof(wc));
    wc.lpfnWndProc = ::DefWindowProc;
    wc.hInstance = hInst;
    wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    wc.lpszClassName = "HistogramBenchHost";
    ::RegisterClass(&wc);
    wc.lpfnWndProc = BareWndProc;
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = "HistogramBenchBare";
    ::RegisterClass(&wc);

    HWND hHost = ::CreateWindowEx(0, "HistogramBenchHost", "bench", WS_POPUP | WS_VISIBLE,
                                  0, 0, kWidth, 2 * kHeight, NULL, NULL, hInst, NULL);
    ::SendMessage(hHost, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
    CWnd* pHost = CWnd::FromHandle(hHost);

    BenchHistogram hist;
    if (!hist.Create(HISTOGRAM_CLASSNAME, NULL, WS_CHILD | WS_VISIBLE,
                     CRect(0, 0, kWidth, kHeight), pHost, 1))
    {
        std::printf("could not create the histogram window\n");
        return 1;
    }
    HWND hBare = ::CreateWindowEx(0, "HistogramBenchBare", NULL, WS_CHILD | WS_VISIBLE,
                                  0, kHeight, kWidth, kHeight, hHost, NULL, hInst, NULL);
    g_scene.brush = ::CreateSolidBrush(hist.BarFillColor());
    g_scene.pen = ::CreatePen(PS_SOLID, 0, hist.BarLineColor());
    Pump();

    std::printf("| bins | SetHistogram + full paint (ms) | bare GDI loop (ms) | ratio |\n|---|---|---|---|\n");
    const int sizes[] = {100, 1000, 10000};
    for (int s = 0; s < 3; s++)
    {
        CArray<HistoBin, HistoBin&> bins;
        MakeBins(sizes[s], bins);
        hist.SetHistogram(0.0, bins);
        hist.UpdateWindow();
        BuildScene(hist, bins, kWidth);

        std::vector<double> control, bare, ratio;
        for (int r = 0; r < kRepeats; r++)
        {
            Pump();
            double t0 = Now();
            hist.SetHistogram(0.0, bins);
            hist.UpdateWindow();
            control.push_back(Now() - t0);

            Pump();
            t0 = Now();
            ::InvalidateRect(hBare, NULL, TRUE);
            ::UpdateWindow(hBare);
            bare.push_back(Now() - t0);
            ratio.push_back(control.back() / bare.back());
        }
        std::printf("| %d | %.3f [%.3f, %.3f] | %.3f [%.3f, %.3f] | %.3f [%.3f, %.3f] |\n", sizes[s],
                    Median(control) * 1e3, Min(control) * 1e3, Max(control) * 1e3,
                    Median(bare) * 1e3, Min(bare) * 1e3, Max(bare) * 1e3,
                    Median(ratio), Min(ratio), Max(ratio));

    }

    // A cutpoint drag at each size, the three side by side: one window per
    // size, and every round moves the cutpoint once in each of them, so that
    // the load of the machine falls on all three alike. A press on the line
    // with the left button really down (SendInput: the control starts a drag
    // only while the button is down), then mouse moves of ten pixels to and
    // fro (at least 0.01 of the x scale at every size), each repainting its
    // strip at once; a full paint of each picture every tenth round. After
    // each press the capture is let go, so that the next press reaches the
    // next window; the button stays down until every drag has ended.
    hist.DestroyWindow();
    ::DestroyWindow(hBare);
    ::SetForegroundWindow(hHost);
    const int kDragHeight = 2 * kHeight / 3;
    BenchHistogram drag[3];
    int dragX[3];
    int dragY[3];
    for (int s = 0; s < 3; s++)
    {
        if (!drag[s].Create(HISTOGRAM_CLASSNAME, NULL, WS_CHILD | WS_VISIBLE,
                            CRect(0, s * kDragHeight, kWidth, (s + 1) * kDragHeight), pHost, 10 + s))
        {
            std::printf("could not create a histogram window\n");
            return 1;
        }
        CArray<HistoBin, HistoBin&> bins;
        MakeBins(sizes[s], bins);
        drag[s].SetHistogram(0.0, bins);
        drag[s].SetFeatureFlags(CHistogram::HF_SelectCutpoints | CHistogram::HF_DragCutpoints);
        drag[s].AddCutpoint(0.01 * sizes[s] / 2);
        drag[s].UpdateWindow();
        dragX[s] = drag[s].ValueX(0.01 * sizes[s] / 2);
        dragY[s] = drag[s].PlotTop() + 5;
        testsupport::LeftButtonDown(drag[s].m_hWnd, dragX[s], dragY[s]);
        ::ReleaseCapture();   // three drags at once: no window keeps the capture
    }
    // Without three drags there is nothing to measure: no figures, no ratio.
    for (int s = 0; s < 3; s++)
    {
        if (!drag[s].Dragging())
            return SetupFailed(hHost, sizes[s], "the press did not start a drag");
    }
    std::vector<double> step[3], full[3], stepRatio;
    Pump();
    for (int i = 0; i < kDragSteps; i++)
    {
        double t[3];
        for (int s = 0; s < 3; s++)
        {
            const double t0 = Now();
            drag[s].SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(dragX[s] + ((i % 2) ? 0 : 10), dragY[s]));
            t[s] = Now() - t0;
            step[s].push_back(t[s]);
        }
        stepRatio.push_back(t[2] / t[0]);
        if (i == 0)
        {
            // The first move must have moved every cutpoint, or the steps
            // measure nothing.
            for (int s = 0; s < 3; s++)
            {
                if (drag[s].CutpointValue(0) == 0.01 * sizes[s] / 2)
                    return SetupFailed(hHost, sizes[s], "the first move left the cutpoint where it was");
            }
        }
        if (i % 10 == 0)
        {
            for (int s = 0; s < 3; s++)
            {
                const double t0 = Now();
                drag[s].RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
                full[s].push_back(Now() - t0);
            }
        }
        Pump();
    }
    std::printf("\n| bins | drag step: one mouse move (ms) | full paint (ms) | full / step |\n|---|---|---|---|\n");
    for (int s = 0; s < 3; s++)
    {
        std::printf("| %d | %.3f [%.3f, %.3f] | %.3f [%.3f, %.3f] | %.3f |\n", sizes[s],
                    Median(step[s]) * 1e3, Min(step[s]) * 1e3, Max(step[s]) * 1e3,
                    Median(full[s]) * 1e3, Min(full[s]) * 1e3, Max(full[s]) * 1e3,
                    Median(full[s]) / Median(step[s]));
        drag[s].SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(dragX[s], dragY[s]));
    }
    testsupport::LeftButtonUp(drag[2].m_hWnd, dragX[2], dragY[2]);
    for (int s = 0; s < 3; s++)
        drag[s].DestroyWindow();
    std::printf("\ndrag step at 10,000 bins over the step at 100 bins (goal: at most 2): "
                "%.3f from the medians; per round %.3f [%.3f, %.3f]\n",
                Median(step[2]) / Median(step[0]), Median(stepRatio), Min(stepRatio), Max(stepRatio));

    ::DestroyWindow(hHost);
    ::DeleteObject(g_scene.brush);
    ::DeleteObject(g_scene.pen);
    return 0;
}
