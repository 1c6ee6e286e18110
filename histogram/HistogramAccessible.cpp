// HistogramAccessible.cpp - what a screen reader learns of a CHistogram.
#include "HistogramAccessible.h"

#include "Histogram.h"

namespace {

// A VARIANT holding child id child (CHILDID_SELF for the control).
void SetChild(VARIANT* pv, long child)
{
    ::VariantInit(pv);
    pv->vt = VT_I4;
    pv->lVal = child;
}

HRESULT SetEmpty(VARIANT* pv)
{
    ::VariantInit(pv);
    return S_FALSE;
}

} // namespace

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

STDMETHODIMP CHistogramAccessible::get_accChildCount(long* pcountChildren)
{
    if (pcountChildren == NULL)
        return E_POINTER;
    *pcountChildren = 0;
    VARIANT self;
    SetChild(&self, CHILDID_SELF);
    long child = 0;
    const HRESULT hr = Check(self, &child);
    if (FAILED(hr))
        return hr;
    *pcountChildren = ChildCount();
    return S_OK;
}

// The control: its window text or label. A cutpoint: "Cutpoint N" by list
// position. A bin: its lower and upper edge.
STDMETHODIMP CHistogramAccessible::get_accName(VARIANT varChild, BSTR* pszName)
{
    if (pszName == NULL)
        return E_POINTER;
    *pszName = NULL;
    long child = 0;
    const HRESULT hr = Check(varChild, &child);
    if (FAILED(hr))
        return hr;
    CString text;
    const int cut = CutpointOf(child);
    const int bin = BinOf(child);
    if (child == CHILDID_SELF)
        text = WindowName(m_hwnd);
    else if (cut >= 0)
        text.Format("Cutpoint %d", cut + 1);
    else
    {
        const double lower = bin == 0 ? m_pHist->m_dXMin : m_pHist->m_bins[bin - 1].upper;
        text.Format("%g to %g", lower, m_pHist->m_bins[bin].upper);
    }
    return ToBstr(text, pszName);
}

// A cutpoint: its value with the two decimals a drag keeps. A bin: its count.
STDMETHODIMP CHistogramAccessible::get_accValue(VARIANT varChild, BSTR* pszValue)
{
    if (pszValue == NULL)
        return E_POINTER;
    *pszValue = NULL;
    long child = 0;
    const HRESULT hr = Check(varChild, &child);
    if (FAILED(hr))
        return hr;
    CString text;
    const int cut = CutpointOf(child);
    const int bin = BinOf(child);
    if (cut >= 0)
        text.Format("%.2f", m_pHist->m_cutpoints[cut].value);
    else if (bin >= 0)
        text.Format("%g", m_pHist->m_bins[bin].count);
    return ToBstr(text, pszValue);
}

STDMETHODIMP CHistogramAccessible::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (pvarRole == NULL)
        return E_POINTER;
    ::VariantInit(pvarRole);
    long child = 0;
    const HRESULT hr = Check(varChild, &child);
    if (FAILED(hr))
        return hr;
    long role = ROLE_SYSTEM_CHART;
    if (CutpointOf(child) >= 0)
        role = ROLE_SYSTEM_SLIDER;
    else if (BinOf(child) >= 0)
        role = ROLE_SYSTEM_GRAPHIC;
    SetChild(pvarRole, role);
    return S_OK;
}

STDMETHODIMP CHistogramAccessible::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    if (pvarState == NULL)
        return E_POINTER;
    ::VariantInit(pvarState);
    long child = 0;
    const HRESULT hr = Check(varChild, &child);
    if (FAILED(hr))
        return hr;
    const BOOL bFocused = ::GetFocus() == m_hwnd;
    const BOOL bKeys = m_pHist->KeyboardOperable();
    const int cut = CutpointOf(child);
    long state = 0;
    if (child == CHILDID_SELF)
    {
        if (!::IsWindowVisible(m_hwnd))
            state |= STATE_SYSTEM_INVISIBLE;
        if (bKeys)
            state |= STATE_SYSTEM_FOCUSABLE;
        if (bFocused)
            state |= STATE_SYSTEM_FOCUSED;
    }
    else if (cut >= 0)
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
    else
    {
        state |= STATE_SYSTEM_READONLY;
    }
    pvarState->vt = VT_I4;
    pvarState->lVal = state;
    return S_OK;
}

// The selected cutpoint while the control has the focus and the keys
// operate it, else the control.
STDMETHODIMP CHistogramAccessible::get_accFocus(VARIANT* pvarChild)
{
    if (pvarChild == NULL)
        return E_POINTER;
    if (m_hwnd == NULL || !::IsWindow(m_hwnd))
    {
        SetEmpty(pvarChild);
        return RPC_E_DISCONNECTED;
    }
    if (::GetFocus() != m_hwnd)
        return SetEmpty(pvarChild);
    const int sel = m_pHist->KeyboardOperable() ? m_pHist->SelectedCutpoint() : -1;
    SetChild(pvarChild, sel >= 0 ? CutpointChild(sel) : CHILDID_SELF);
    return S_OK;
}

STDMETHODIMP CHistogramAccessible::get_accSelection(VARIANT* pvarChildren)
{
    if (pvarChildren == NULL)
        return E_POINTER;
    if (m_hwnd == NULL || !::IsWindow(m_hwnd))
    {
        SetEmpty(pvarChildren);
        return RPC_E_DISCONNECTED;
    }
    const int sel = m_pHist->SelectedCutpoint();
    if (sel < 0)
        return SetEmpty(pvarChildren);
    SetChild(pvarChildren, CutpointChild(sel));
    return S_OK;
}

// Taking the selection of a cutpoint is a host call (SelectCutpoint), the
// focus goes to a control the keyboard can operate.
STDMETHODIMP CHistogramAccessible::accSelect(long flagsSelect, VARIANT varChild)
{
    long child = 0;
    const HRESULT hr = Check(varChild, &child);
    if (FAILED(hr))
        return hr;
    const int cut = CutpointOf(child);
    if ((flagsSelect & ~(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION)) != 0 ||
        ((flagsSelect & SELFLAG_TAKESELECTION) != 0 && cut < 0) ||
        ((flagsSelect & SELFLAG_TAKEFOCUS) != 0 && !m_pHist->KeyboardOperable()))
        return E_INVALIDARG;
    if ((flagsSelect & SELFLAG_TAKEFOCUS) != 0)
        ::SetFocus(m_hwnd);
    if ((flagsSelect & SELFLAG_TAKESELECTION) != 0 && ::IsWindow(m_hwnd))
        m_pHist->SelectCutpoint(m_pHist->m_cutpoints[cut].value);
    return S_OK;
}

// Where each part is drawn: the control's client area, the pixels that hit
// a cutpoint, a bin's bar.
STDMETHODIMP CHistogramAccessible::accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                               VARIANT varChild)
{
    if (pxLeft == NULL || pyTop == NULL || pcxWidth == NULL || pcyHeight == NULL)
        return E_POINTER;
    *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
    long child = 0;
    const HRESULT hr = Check(varChild, &child);
    if (FAILED(hr))
        return hr;
    const int cut = CutpointOf(child);
    const int bin = BinOf(child);
    CRect rc;
    if (cut >= 0)
        rc = m_pHist->CutpointHitRect(cut);
    else if (bin >= 0)
        rc = m_pHist->m_bins[bin].barRect;
    else
        m_pHist->GetClientRect(&rc);
    ToScreenLocation(rc, pxLeft, pyTop, pcxWidth, pcyHeight);
    return S_OK;
}

// Children in id order (cutpoints, then bins); first and last child from
// the control.
STDMETHODIMP CHistogramAccessible::accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt)
{
    if (pvarEndUpAt == NULL)
        return E_POINTER;
    ::VariantInit(pvarEndUpAt);
    long child = 0;
    const HRESULT hr = Check(varStart, &child);
    if (FAILED(hr))
        return hr;
    const long n = ChildCount();
    long to = -1;
    if (child == CHILDID_SELF)
    {
        if (navDir == NAVDIR_FIRSTCHILD && n > 0)
            to = 1;
        else if (navDir == NAVDIR_LASTCHILD && n > 0)
            to = n;
    }
    else if (navDir == NAVDIR_NEXT && child < n)
        to = child + 1;
    else if (navDir == NAVDIR_PREVIOUS && child > 1)
        to = child - 1;
    if (to < 0)
        return S_FALSE;
    SetChild(pvarEndUpAt, to);
    return S_OK;
}

// The cutpoint whose line is there (the control's own hit test, as a click
// would find it), else the bar there, else the control.
STDMETHODIMP CHistogramAccessible::accHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    if (pvarChild == NULL)
        return E_POINTER;
    ::VariantInit(pvarChild);
    if (m_hwnd == NULL || !::IsWindow(m_hwnd))
        return RPC_E_DISCONNECTED;
    POINT pt = { xLeft, yTop };
    ::ScreenToClient(m_hwnd, &pt);
    CRect rcClient;
    m_pHist->GetClientRect(&rcClient);
    if (!rcClient.PtInRect(pt))
        return S_FALSE;
    const int cut = m_pHist->CutpointHitTest(pt.x, pt.y);
    if (cut >= 0)
    {
        SetChild(pvarChild, CutpointChild(cut));
        return S_OK;
    }
    const int n = (int)m_pHist->m_bins.GetSize();
    for (int i = 0; i < n; i++)
    {
        if (m_pHist->m_bins[i].barRect.PtInRect(pt))
        {
            SetChild(pvarChild, Cutpoints() + 1 + i);
            return S_OK;
        }
    }
    SetChild(pvarChild, CHILDID_SELF);
    return S_OK;
}
