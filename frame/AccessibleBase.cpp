// AccessibleBase.cpp - IUnknown, IDispatch and IAccessible of the library's
// accessible objects, answered from the questions of a derived class.
#include "AccessibleBase.h"

#include <cstring>

const IID kIID_IAccessible =
    { 0x618736E0, 0x3C3D, 0x11CF, { 0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71 } };

namespace {

const IID kIID_IUnknown =
    { 0x00000000, 0x0000, 0x0000, { 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46 } };
const IID kIID_IDispatch =
    { 0x00020400, 0x0000, 0x0000, { 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46 } };

bool SameIid(REFIID a, const IID& b)
{
    return std::memcmp(&a, &b, sizeof(IID)) == 0;
}

// A VARIANT holding the number n (a child id, a role, a state).
void SetNumber(VARIANT* pv, long n)
{
    ::VariantInit(pv);
    pv->vt = VT_I4;
    pv->lVal = n;
}

// A BSTR of text (from the ANSI code page), or S_FALSE and NULL when text
// is empty.
HRESULT ToBstr(const CString& text, BSTR* pbstr)
{
    *pbstr = NULL;
    if (text.IsEmpty())
        return S_FALSE;
    const int n = ::MultiByteToWideChar(CP_ACP, 0, text, text.GetLength(), NULL, 0);
    *pbstr = ::SysAllocStringLen(NULL, (UINT)n);
    if (*pbstr == NULL)
        return E_OUTOFMEMORY;
    ::MultiByteToWideChar(CP_ACP, 0, text, text.GetLength(), *pbstr, n);
    return S_OK;
}

} // namespace

CAccessibleBase::CAccessibleBase(HWND hwnd)
    : m_hwnd(hwnd), m_nRefs(1)
{
}

CAccessibleBase::~CAccessibleBase()
{
}

void CAccessibleBase::Disconnect()
{
    m_hwnd = NULL;
}

LRESULT CAccessibleBase::Answer(WPARAM wParam, LPARAM lParam)
{
    if ((LONG)lParam != OBJID_CLIENT)
        return ::DefWindowProc(m_hwnd, WM_GETOBJECT, wParam, lParam);
    return ::LresultFromObject(kIID_IAccessible, wParam, this);
}

/////////////////////////////////////////////////////////////////////////////
// IUnknown, IDispatch

STDMETHODIMP CAccessibleBase::QueryInterface(REFIID riid, void** ppv)
{
    if (ppv == NULL)
        return E_POINTER;
    if (SameIid(riid, kIID_IUnknown) || SameIid(riid, kIID_IDispatch) || SameIid(riid, kIID_IAccessible))
    {
        *ppv = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) CAccessibleBase::AddRef()
{
    return (ULONG)::InterlockedIncrement(&m_nRefs);
}

STDMETHODIMP_(ULONG) CAccessibleBase::Release()
{
    const LONG n = ::InterlockedDecrement(&m_nRefs);
    if (n == 0)
        delete this;
    return (ULONG)n;
}

STDMETHODIMP CAccessibleBase::GetTypeInfoCount(UINT* pctinfo)
{
    if (pctinfo == NULL)
        return E_POINTER;
    *pctinfo = 0;
    return S_OK;
}

STDMETHODIMP CAccessibleBase::GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo)
{
    if (ppTInfo != NULL)
        *ppTInfo = NULL;
    return E_NOTIMPL;
}

STDMETHODIMP CAccessibleBase::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CAccessibleBase::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return E_NOTIMPL;
}

/////////////////////////////////////////////////////////////////////////////
// IAccessible

BOOL CAccessibleBase::Alive() const
{
    return m_hwnd != NULL && ::IsWindow(m_hwnd);
}

HRESULT CAccessibleBase::Check(const VARIANT& varChild, long* pChild)
{
    if (!Alive())
        return RPC_E_DISCONNECTED;
    if (varChild.vt != VT_I4 || varChild.lVal < 0 || varChild.lVal > ChildCount())
        return E_INVALIDARG;
    *pChild = varChild.lVal;
    return S_OK;
}

HRESULT CAccessibleBase::Text(const VARIANT& varChild, BSTR* pbstr, CString (CAccessibleBase::*pfnText)(long))
{
    if (pbstr == NULL)
        return E_POINTER;
    *pbstr = NULL;
    long child = 0;
    const HRESULT hr = Check(varChild, &child);
    if (FAILED(hr))
        return hr;
    return ToBstr(pfnText != NULL ? (this->*pfnText)(child) : CString(), pbstr);
}

HRESULT CAccessibleBase::Number(const VARIANT& varChild, VARIANT* pvar, long (CAccessibleBase::*pfnNumber)(long))
{
    if (pvar == NULL)
        return E_POINTER;
    ::VariantInit(pvar);
    long child = 0;
    const HRESULT hr = Check(varChild, &child);
    if (FAILED(hr))
        return hr;
    SetNumber(pvar, (this->*pfnNumber)(child));
    return S_OK;
}

// The parent is the window object the system makes for the same window.
STDMETHODIMP CAccessibleBase::get_accParent(IDispatch** ppdispParent)
{
    if (ppdispParent == NULL)
        return E_POINTER;
    *ppdispParent = NULL;
    if (!Alive())
        return RPC_E_DISCONNECTED;
    return ::AccessibleObjectFromWindow(m_hwnd, (DWORD)OBJID_WINDOW, kIID_IDispatch, (void**)ppdispParent);
}

STDMETHODIMP CAccessibleBase::get_accChildCount(long* pcountChildren)
{
    if (pcountChildren == NULL)
        return E_POINTER;
    *pcountChildren = 0;
    if (!Alive())
        return RPC_E_DISCONNECTED;
    *pcountChildren = ChildCount();
    return S_OK;
}

// Children are simple elements: no object of their own.
STDMETHODIMP CAccessibleBase::get_accChild(VARIANT varChild, IDispatch** ppdispChild)
{
    if (ppdispChild == NULL)
        return E_POINTER;
    *ppdispChild = NULL;
    long child = 0;
    const HRESULT hr = Check(varChild, &child);
    return FAILED(hr) ? hr : S_FALSE;
}

STDMETHODIMP CAccessibleBase::get_accName(VARIANT varChild, BSTR* pszName)
{
    return Text(varChild, pszName, &CAccessibleBase::Name);
}

STDMETHODIMP CAccessibleBase::get_accValue(VARIANT varChild, BSTR* pszValue)
{
    return Text(varChild, pszValue, &CAccessibleBase::Value);
}

STDMETHODIMP CAccessibleBase::get_accDescription(VARIANT varChild, BSTR* pszDescription)
{
    return Text(varChild, pszDescription, NULL);
}

STDMETHODIMP CAccessibleBase::get_accRole(VARIANT varChild, VARIANT* pvarRole)
{
    return Number(varChild, pvarRole, &CAccessibleBase::Role);
}

STDMETHODIMP CAccessibleBase::get_accState(VARIANT varChild, VARIANT* pvarState)
{
    return Number(varChild, pvarState, &CAccessibleBase::State);
}

STDMETHODIMP CAccessibleBase::get_accHelp(VARIANT varChild, BSTR* pszHelp)
{
    return Text(varChild, pszHelp, NULL);
}

STDMETHODIMP CAccessibleBase::get_accHelpTopic(BSTR* pszHelpFile, VARIANT, long* pidTopic)
{
    if (pszHelpFile != NULL)
        *pszHelpFile = NULL;
    if (pidTopic != NULL)
        *pidTopic = 0;
    return DISP_E_MEMBERNOTFOUND;
}

STDMETHODIMP CAccessibleBase::get_accKeyboardShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut)
{
    return Text(varChild, pszKeyboardShortcut, NULL);
}

STDMETHODIMP CAccessibleBase::get_accFocus(VARIANT* pvarChild)
{
    if (pvarChild == NULL)
        return E_POINTER;
    ::VariantInit(pvarChild);
    if (!Alive())
        return RPC_E_DISCONNECTED;
    if (::GetFocus() != m_hwnd)
        return S_FALSE;
    SetNumber(pvarChild, Focus());
    return S_OK;
}

STDMETHODIMP CAccessibleBase::get_accSelection(VARIANT* pvarChildren)
{
    if (pvarChildren == NULL)
        return E_POINTER;
    ::VariantInit(pvarChildren);
    if (!Alive())
        return RPC_E_DISCONNECTED;
    const long child = Selection();
    if (child < 0)
        return S_FALSE;
    SetNumber(pvarChildren, child);
    return S_OK;
}

STDMETHODIMP CAccessibleBase::get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    return Text(varChild, pszDefaultAction, NULL);
}

STDMETHODIMP CAccessibleBase::accSelect(long flagsSelect, VARIANT varChild)
{
    long child = 0;
    const HRESULT hr = Check(varChild, &child);
    return FAILED(hr) ? hr : Select(flagsSelect, child);
}

STDMETHODIMP CAccessibleBase::accLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                          VARIANT varChild)
{
    if (pxLeft == NULL || pyTop == NULL || pcxWidth == NULL || pcyHeight == NULL)
        return E_POINTER;
    *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
    long child = 0;
    const HRESULT hr = Check(varChild, &child);
    if (FAILED(hr))
        return hr;
    CRect rc = Location(child);
    ::MapWindowPoints(m_hwnd, NULL, (POINT*)&rc, 2);
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.Width();
    *pcyHeight = rc.Height();
    return S_OK;
}

// Children in id order; the first and last child from the control.
STDMETHODIMP CAccessibleBase::accNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt)
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
    SetNumber(pvarEndUpAt, to);
    return S_OK;
}

STDMETHODIMP CAccessibleBase::accHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    if (pvarChild == NULL)
        return E_POINTER;
    ::VariantInit(pvarChild);
    if (!Alive())
        return RPC_E_DISCONNECTED;
    CPoint pt(xLeft, yTop);
    ::ScreenToClient(m_hwnd, &pt);
    CRect rcClient;
    ::GetClientRect(m_hwnd, &rcClient);
    if (!rcClient.PtInRect(pt))
        return S_FALSE;
    SetNumber(pvarChild, HitTest(pt));
    return S_OK;
}

STDMETHODIMP CAccessibleBase::accDoDefaultAction(VARIANT)
{
    return DISP_E_MEMBERNOTFOUND;
}

STDMETHODIMP CAccessibleBase::put_accName(VARIANT, BSTR)
{
    return E_NOTIMPL;
}

STDMETHODIMP CAccessibleBase::put_accValue(VARIANT, BSTR)
{
    return E_NOTIMPL;
}

/////////////////////////////////////////////////////////////////////////////
// Default answers

CString CAccessibleBase::Value(long)
{
    return CString();
}

long CAccessibleBase::Focus()
{
    return CHILDID_SELF;
}

long CAccessibleBase::Selection()
{
    return -1;
}

HRESULT CAccessibleBase::Select(long flags, long child)
{
    if (flags != SELFLAG_TAKEFOCUS || (State(child) & STATE_SYSTEM_FOCUSABLE) == 0)
        return E_INVALIDARG;
    ::SetFocus(m_hwnd);
    return S_OK;
}

CString CAccessibleBase::WindowName(HWND hwnd)
{
    CString text;
    const int n = ::GetWindowTextLength(hwnd);
    if (n > 0)
    {
        ::GetWindowText(hwnd, text.GetBuffer(n + 1), n + 1);
        text.ReleaseBuffer();
        return text;
    }
    // The label before the control: the previous sibling, when it is a
    // static text. Its mnemonic marks are not part of the name (unless the
    // label draws its text as it is, SS_NOPREFIX).
    HWND hwndPrev = ::GetWindow(hwnd, GW_HWNDPREV);
    char cls[16];
    if (hwndPrev == NULL || ::GetClassName(hwndPrev, cls, sizeof(cls)) == 0 || lstrcmpiA(cls, "Static") != 0)
        return text;
    const int m = ::GetWindowTextLength(hwndPrev);
    CString label;
    ::GetWindowText(hwndPrev, label.GetBuffer(m + 1), m + 1);
    label.ReleaseBuffer();
    if ((::GetWindowLong(hwndPrev, GWL_STYLE) & SS_NOPREFIX) != 0)
        return label;
    for (int i = 0; i < label.GetLength(); i++)
    {
        if (label[i] == '&')
        {
            if (i + 1 < label.GetLength() && label[i + 1] == '&')
                i++;                    // "&&" is one '&' of the text
            else
                continue;
        }
        text += label[i];
    }
    return text;
}
