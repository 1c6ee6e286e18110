// HistogramAccessible.cpp - what a screen reader learns of a CHistogram.
#include "HistogramAccessible.h"

#include "Histogram.h"

CHistogramAccessible::CHistogramAccessible(CHistogram* pHist)
    : CAccessibleBase(pHist->GetSafeHwnd()), m_pHist(pHist)
{
}

int CHistogramAccessible::Cutpoints() const
{
    return (int)m_pHist->m_cutpoints.GetSize();
}

long CHistogramAccessible::ChildCount()
{
    return Cutpoints() + (long)m_pHist->m_bins.GetSize();
}

int CHistogramAccessible::CutpointOf(long child) const
{
    return child >= 1 && child <= Cutpoints() ? (int)child - 1 : -1;
}

int CHistogramAccessible::BinOf(long child) const
{
    const long bin = child - 1 - Cutpoints();
    return bin >= 0 && bin < (long)m_pHist->m_bins.GetSize() ? (int)bin : -1;
}

// The control: its window text or label. A cutpoint: "Cutpoint N" by list
// position. A bin: its lower and upper edge.
CString CHistogramAccessible::Name(long child)
{
    CString text;
    const int cut = CutpointOf(child);
    const int bin = BinOf(child);
    if (cut >= 0)
        text.Format("Cutpoint %d", cut + 1);
    else if (bin >= 0)
        text.Format("%g to %g", bin == 0 ? m_pHist->m_dXMin : m_pHist->m_bins[bin - 1].upper,
                    m_pHist->m_bins[bin].upper);
    else
        text = WindowName(m_hwnd);
    return text;
}

// A cutpoint: its value with the two decimals a drag keeps. A bin: its count.
CString CHistogramAccessible::Value(long child)
{
    CString text;
    const int cut = CutpointOf(child);
    const int bin = BinOf(child);
    if (cut >= 0)
        text.Format("%.2f", m_pHist->m_cutpoints[cut].value);
    else if (bin >= 0)
        text.Format("%g", m_pHist->m_bins[bin].count);
    return text;
}

long CHistogramAccessible::Role(long child)
{
    if (CutpointOf(child) >= 0)
        return ROLE_SYSTEM_SLIDER;
    return BinOf(child) >= 0 ? ROLE_SYSTEM_GRAPHIC : ROLE_SYSTEM_CHART;
}

// A cutpoint is focused while the control has the focus, the keys operate
// it and it is the selected one.
long CHistogramAccessible::State(long child)
{
    const BOOL bFocused = ::GetFocus() == m_hwnd;
    const BOOL bKeys = m_pHist->KeyboardOperable();
    const int cut = CutpointOf(child);
    long state = 0;
    if (cut >= 0)
    {
        const BOOL bSelected = m_pHist->m_cutpoints[cut].selected;
        if ((m_pHist->m_dwFeatureFlags & CHistogram::HF_SelectCutpoints) != 0)
            state |= STATE_SYSTEM_SELECTABLE;
        if (bSelected)
            state |= STATE_SYSTEM_SELECTED;
        if (bKeys)
            state |= STATE_SYSTEM_FOCUSABLE;
        if (bKeys && bFocused && bSelected)
            state |= STATE_SYSTEM_FOCUSED;
    }
    else if (BinOf(child) >= 0)
    {
        state |= STATE_SYSTEM_READONLY;
    }
    else
    {
        if (!::IsWindowVisible(m_hwnd))
            state |= STATE_SYSTEM_INVISIBLE;
        if (bKeys)
            state |= STATE_SYSTEM_FOCUSABLE;
        if (bFocused)
            state |= STATE_SYSTEM_FOCUSED;
    }
    return state;
}

// Where each part is drawn: the pixels that hit a cutpoint, a bin's bar,
// the client area.
CRect CHistogramAccessible::Location(long child)
{
    const int cut = CutpointOf(child);
    const int bin = BinOf(child);
    if (cut >= 0)
        return m_pHist->CutpointHitRect(cut);
    if (bin >= 0)
        return m_pHist->m_bins[bin].barRect;
    CRect rc;
    m_pHist->GetClientRect(&rc);
    return rc;
}

// The cutpoint whose line is there (the control's own hit test, as a click
// would find it), else the bar there, else the control.
long CHistogramAccessible::HitTest(CPoint pt)
{
    const int cut = m_pHist->CutpointHitTest(pt.x, pt.y);
    if (cut >= 0)
        return CutpointChild(cut);
    const int n = (int)m_pHist->m_bins.GetSize();
    for (int i = 0; i < n; i++)
    {
        if (m_pHist->m_bins[i].barRect.PtInRect(pt))
            return Cutpoints() + 1 + i;
    }
    return CHILDID_SELF;
}

long CHistogramAccessible::Focus()
{
    const int sel = m_pHist->KeyboardOperable() ? m_pHist->SelectedCutpoint() : -1;
    return sel >= 0 ? CutpointChild(sel) : CHILDID_SELF;
}

long CHistogramAccessible::Selection()
{
    const int sel = m_pHist->SelectedCutpoint();
    return sel >= 0 ? CutpointChild(sel) : -1;
}

// Taking the selection of a cutpoint is the host's SelectCutpoint; the
// focus goes to a control the keys operate.
HRESULT CHistogramAccessible::Select(long flags, long child)
{
    const int cut = CutpointOf(child);
    if (flags != SELFLAG_TAKESELECTION || cut < 0)
        return CAccessibleBase::Select(flags, child);
    m_pHist->SelectCutpoint(m_pHist->m_cutpoints[cut].value);
    return S_OK;
}
