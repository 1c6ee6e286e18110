// histogram_page.cpp - the histogram control in the gallery: a normal sample
// with cutpoints, a crowded variant with labels on two rows, and the
// no-data message.
#include <afxwin.h>
#include <afxtempl.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "gallery.h"
#include "Histogram.h"

namespace {

const UINT kHistogramId = 0x4801;

// Lets the interactive driver see the cutpoints: where each is drawn and
// whether the list and the drag state agree.
class CGalleryHistogram : public CHistogram
{
public:
    std::string Cutpoints()
    {
        std::string text = "count=" + std::to_string(m_cutpoints.GetSize());
        for (int i = 0; i < m_cutpoints.GetSize(); ++i)
        {
            CPoint pt(X_AxisPos(m_cutpoints[i].value), 0);
            ClientToScreen(&pt);
            char one[64];
            _snprintf(one, sizeof(one), " %g@%ld%s", m_cutpoints[i].value, pt.x,
                      m_cutpoints[i].selected ? "*" : "");
            text += one;
        }
        return text;
    }

    std::string Check()
    {
        int nSelected = 0, nOutside = 0;
        for (int i = 0; i < m_cutpoints.GetSize(); ++i)
        {
            nSelected += m_cutpoints[i].selected ? 1 : 0;
            if (!(m_cutpoints[i].value >= m_dXMin && m_cutpoints[i].value <= m_dXMax))
                ++nOutside;
        }
        const bool ok = nSelected <= 1 && nOutside == 0 && !m_bDragging && m_nDragIndex == -1 &&
                        GetCapture() != this;
        char text[128];
        _snprintf(text, sizeof(text), "%s count=%d selected=%d outside=%d dragging=%d index=%d",
                  ok ? "ok" : "fail", static_cast<int>(m_cutpoints.GetSize()), nSelected, nOutside,
                  m_bDragging ? 1 : 0, m_nDragIndex);
        return text;
    }
};

CHistogram* g_pNormal = NULL;
CHistogram* g_pCrowded = NULL;
CHistogram* g_pNoData = NULL;

// Small reproducible generator: the same picture on every run and toolchain.
class SampleSource
{
public:
    explicit SampleSource(unsigned int seed) : m_state(seed) {}

    double Uniform()    // (0, 1)
    {
        m_state = m_state * 1664525u + 1013904223u;
        return ((m_state >> 8) + 0.5) / 16777216.0;
    }

    double Normal()     // Box-Muller, mean 0, deviation 1
    {
        const double u1 = Uniform();
        const double u2 = Uniform();
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2);
    }

private:
    unsigned int m_state;
};

// dwStyle: WS_TABSTOP for the one the keyboard operates.
CHistogram* MakeHistogram(CWnd* pParent, const RECT& rc, DWORD dwStyle = 0)
{
    CHistogram* p = new CGalleryHistogram;
    if (!p->Create(HISTOGRAM_CLASSNAME, NULL, WS_CHILD | WS_VISIBLE | dwStyle, rc, pParent, kHistogramId))
    {
        delete p;
        return NULL;
    }
    return p;
}

void Destroy(CHistogram*& p)
{
    if (p != NULL)
    {
        p->DestroyWindow();
        delete p;
        p = NULL;
    }
}

// 1,000 draws of a standard normal in 15 bins of width 0.5 from -3.5 to 4
// (draws beyond go into the end bins); cutpoints at -1, 0.5 and 1.5, the
// middle one selected. Wide enough for every label on one row.
HWND CreateNormal(CWnd* pParent, const RECT& rc)
{
    g_pNormal = MakeHistogram(pParent, rc, WS_TABSTOP);
    if (g_pNormal == NULL)
        return NULL;

    const int nBins = 15;
    const double lower = -3.5, width = 0.5;
    double counts[nBins] = {0};
    SampleSource source(20240601u);
    for (int i = 0; i < 1000; i++)
    {
        int bin = (int)std::floor((source.Normal() - lower) / width);
        if (bin < 0)
            bin = 0;
        if (bin >= nBins)
            bin = nBins - 1;
        counts[bin] += 1.0;
    }

    CArray<HistoBin, HistoBin&> bins;
    bins.SetSize(nBins);
    for (int i = 0; i < nBins; i++)
    {
        bins[i].upper = lower + width * (i + 1);
        bins[i].count = counts[i];
        bins[i].label.Format("%.1f", bins[i].upper);
    }
    g_pNormal->SetHistogram(lower, bins);
    g_pNormal->SetFeatureFlags(CHistogram::HF_SelectCutpoints | CHistogram::HF_DragCutpoints |
                               CHistogram::HF_KeyboardCutpoints);
    g_pNormal->AddCutpoint(-1.0);
    g_pNormal->AddCutpoint(0.5);
    g_pNormal->AddCutpoint(1.5);
    g_pNormal->SelectCutpoint(0.5);
    return g_pNormal->GetSafeHwnd();
}

// Twenty narrow bins with wide labels: staggered on two rows.
HWND CreateCrowded(CWnd* pParent, const RECT& rc)
{
    g_pCrowded = MakeHistogram(pParent, rc);
    if (g_pCrowded == NULL)
        return NULL;

    const int nBins = 20;
    CArray<HistoBin, HistoBin&> bins;
    bins.SetSize(nBins);
    for (int i = 0; i < nBins; i++)
    {
        const double mid = (i - nBins / 2 + 0.5) / 4.0;
        bins[i].upper = 0.25 * (i + 1);
        bins[i].count = 100.0 * std::exp(-mid * mid) + 5.0 * (i % 3);
        bins[i].label.Format("%.2f", bins[i].upper);
    }
    g_pCrowded->SetHistogram(0.0, bins);
    g_pCrowded->AddCutpoint(2.5);
    return g_pCrowded->GetSafeHwnd();
}

HWND CreateNoData(CWnd* pParent, const RECT& rc)
{
    g_pNoData = MakeHistogram(pParent, rc);
    if (g_pNoData == NULL)
        return NULL;
    g_pNoData->ClearHistogram(TRUE);
    return g_pNoData->GetSafeHwnd();
}

void DestroyNormal()  { Destroy(g_pNormal); }
void DestroyCrowded() { Destroy(g_pCrowded); }
void DestroyNoData()  { Destroy(g_pNoData); }

std::string NormalCutpoints(const char*)
{
    return g_pNormal != NULL ? static_cast<CGalleryHistogram*>(g_pNormal)->Cutpoints() : "fail: none";
}

// "focused", or "elsewhere <window with the focus>".
std::string NormalFocus(const char*)
{
    const HWND hwndFocus = ::GetFocus();
    if (g_pNormal != NULL && hwndFocus == g_pNormal->GetSafeHwnd())
        return "focused";
    char text[64];
    _snprintf(text, sizeof(text), "elsewhere %p", static_cast<void*>(hwndFocus));
    return text;
}

std::string CheckNormal(const char*)
{
    return g_pNormal != NULL ? static_cast<CGalleryHistogram*>(g_pNormal)->Check() : "fail: none";
}

} // namespace

GALLERY_COMMAND(histogram_cutpoints, "histogram.cutpoints", &NormalCutpoints);
GALLERY_COMMAND(histogram_check, "histogram.check", &CheckNormal);
GALLERY_COMMAND(histogram_focus, "histogram.focus", &NormalFocus);
GALLERY_ITEM(histogram, "histogram", 440, 180, &CreateNormal, NULL, &DestroyNormal,
             "Up/Down, Left/Right, Ctrl+Left/Right, Delete");
GALLERY_ITEM(histogram_crowded, "histogram_crowded", 360, 180, &CreateCrowded, NULL, &DestroyCrowded);
GALLERY_ITEM(histogram_nodata, "histogram_nodata", 320, 180, &CreateNoData, NULL, &DestroyNoData);
