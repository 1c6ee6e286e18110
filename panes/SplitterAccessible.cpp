// SplitterAccessible.cpp - what a screen reader learns of a splitter bar.
#include "SplitterAccessible.h"

#include "SplitterTrack.h"

CSplitterAccessible::CSplitterAccessible(HWND hBar, BOOL bVertical)
    : CAccessibleBase(hBar), m_bVertical(bVertical)
{
}

LRESULT CSplitterAccessible::Answer(CWnd* pBar, BOOL bVertical, CSplitterAccessible** ppAcc, WPARAM wParam,
                                    LPARAM lParam)
{
    if (*ppAcc == NULL)
        *ppAcc = new CSplitterAccessible(pBar->GetSafeHwnd(), bVertical);
    return (*ppAcc)->CAccessibleBase::Answer(wParam, lParam);
}

void CSplitterAccessible::Release(CSplitterAccessible** ppAcc)
{
    if (*ppAcc == NULL)
        return;
    (*ppAcc)->Disconnect();
    (*ppAcc)->CAccessibleBase::Release();
    *ppAcc = NULL;
}

void CSplitterAccessible::Moved(HWND hBar)
{
    ::NotifyWinEvent(EVENT_OBJECT_LOCATIONCHANGE, hBar, OBJID_CLIENT, CHILDID_SELF);
    ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hBar, OBJID_CLIENT, CHILDID_SELF);
}

int CSplitterAccessible::Position(HWND hBar, BOOL bVertical)
{
    const CRect rc = SplitterRectInParent(hBar, ::GetParent(hBar));
    return bVertical ? rc.top : rc.left;
}

long CSplitterAccessible::ChildCount()
{
    return 0;
}

STDMETHODIMP CSplitterAccessible::get_accChildCount(long* pcountChildren)
{
    if (pcountChildren == NULL)
        return E_POINTER;
    *pcountChildren = 0;
    return m_hwnd != NULL && ::IsWindow(m_hwnd) ? S_OK : RPC_E_DISCONNECTED;
}

STDMETHODIMP CSplitterAccessible::get_accName(VARIANT varChild, BSTR* pszName)
{
    if (pszName == NULL)
        return E_POINTER;
    *pszName = NULL;
    long child = 0;
    const HRESULT hr = Check(varChild, &child);
    if (FAILED(hr))
        return hr;
    CString name = WindowName(m_hwnd);
    if (name.IsEmpty())
        name = "Splitter";
    return ToBstr(name, pszName);
}

STDMETHODIMP CSplitterAccessible::get_accValue(VARIANT varChild, BSTR* pszValue)
{
    if (pszValue == NULL)
        return E_POINTER;
    *pszValue = NULL;
    long child = 0;
    const HRESULT hr = Check(varChild, &child);
    if (FAILED(hr))
        return hr;
    CString text;
    text.Format("%d", Position(m_hwnd, m_bVertical));
    return ToBstr(text, pszValue);
}

STDMETHODIMP CSplitterAccessible::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (pvarRole == NULL)
        return E_POINTER;
    ::VariantInit(pvarRole);
    long child = 0;
    const HRESULT hr = Check(varChild, &child);
    if (FAILED(hr))
        return hr;
    pvarRole->vt = VT_I4;
    pvarRole->lVal = ROLE_SYSTEM_GRIP;
    return S_OK;
}

STDMETHODIMP CSplitterAccessible::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    if (pvarState == NULL)
        return E_POINTER;
    ::VariantInit(pvarState);
    long child = 0;
    const HRESULT hr = Check(varChild, &child);
    if (FAILED(hr))
        return hr;
    long state = 0;
    if (!::IsWindowVisible(m_hwnd))
        state |= STATE_SYSTEM_INVISIBLE;
    if ((::GetWindowLong(m_hwnd, GWL_STYLE) & WS_TABSTOP) != 0)
        state |= STATE_SYSTEM_FOCUSABLE;
    if (::GetFocus() == m_hwnd)
        state |= STATE_SYSTEM_FOCUSED;
    pvarState->vt = VT_I4;
    pvarState->lVal = state;
    return S_OK;
}

STDMETHODIMP CSplitterAccessible::get_accFocus(VARIANT* pvarChild)
{
    if (pvarChild == NULL)
        return E_POINTER;
    ::VariantInit(pvarChild);
    if (m_hwnd == NULL || !::IsWindow(m_hwnd))
        return RPC_E_DISCONNECTED;
    if (::GetFocus() != m_hwnd)
        return S_FALSE;
    pvarChild->vt = VT_I4;
    pvarChild->lVal = CHILDID_SELF;
    return S_OK;
}

STDMETHODIMP CSplitterAccessible::get_accSelection(VARIANT* pvarChildren)
{
    if (pvarChildren == NULL)
        return E_POINTER;
    ::VariantInit(pvarChildren);
    return m_hwnd != NULL && ::IsWindow(m_hwnd) ? S_FALSE : RPC_E_DISCONNECTED;
}

STDMETHODIMP CSplitterAccessible::accSelect(long flagsSelect, VARIANT varChild)
{
    long child = 0;
    const HRESULT hr = Check(varChild, &child);
    if (FAILED(hr))
        return hr;
    if (flagsSelect != SELFLAG_TAKEFOCUS || (::GetWindowLong(m_hwnd, GWL_STYLE) & WS_TABSTOP) == 0)
        return E_INVALIDARG;
    ::SetFocus(m_hwnd);
    return S_OK;
}

STDMETHODIMP CSplitterAccessible::accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                              VARIANT varChild)
{
    if (pxLeft == NULL || pyTop == NULL || pcxWidth == NULL || pcyHeight == NULL)
        return E_POINTER;
    *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
    long child = 0;
    const HRESULT hr = Check(varChild, &child);
    if (FAILED(hr))
        return hr;
    const CRect rc = SplitterScreenRect(m_hwnd);
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.Width();
    *pcyHeight = rc.Height();
    return S_OK;
}

STDMETHODIMP CSplitterAccessible::accNavigate(long, VARIANT varStart, VARIANT* pvarEndUpAt)
{
    if (pvarEndUpAt == NULL)
        return E_POINTER;
    ::VariantInit(pvarEndUpAt);
    long child = 0;
    const HRESULT hr = Check(varStart, &child);
    return FAILED(hr) ? hr : S_FALSE;
}

STDMETHODIMP CSplitterAccessible::accHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    if (pvarChild == NULL)
        return E_POINTER;
    ::VariantInit(pvarChild);
    if (m_hwnd == NULL || !::IsWindow(m_hwnd))
        return RPC_E_DISCONNECTED;
    const POINT pt = { xLeft, yTop };
    if (!SplitterScreenRect(m_hwnd).PtInRect(pt))
        return S_FALSE;
    pvarChild->vt = VT_I4;
    pvarChild->lVal = CHILDID_SELF;
    return S_OK;
}
