// AccessibleBase.cpp - IUnknown, IDispatch and the common IAccessible
// answers of the library's accessible objects.
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

// The parent is the window object the system makes for the same window.
STDMETHODIMP CAccessibleBase::get_accParent(IDispatch** ppdispParent)
{
    if (ppdispParent == NULL)
        return E_POINTER;
    *ppdispParent = NULL;
    if (m_hwnd == NULL)
        return RPC_E_DISCONNECTED;
    return ::AccessibleObjectFromWindow(m_hwnd, (DWORD)OBJID_WINDOW, kIID_IDispatch, (void**)ppdispParent);
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

STDMETHODIMP CAccessibleBase::get_accHelp(VARIANT varChild, BSTR* pszHelp)
{
    if (pszHelp == NULL)
        return E_POINTER;
    *pszHelp = NULL;
    long child = 0;
    const HRESULT hr = Check(varChild, &child);
    return FAILED(hr) ? hr : S_FALSE;
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
    return get_accHelp(varChild, pszKeyboardShortcut);
}

STDMETHODIMP CAccessibleBase::get_accDefaultAction(VARIANT varChild, BSTR* pszDefaultAction)
{
    return get_accHelp(varChild, pszDefaultAction);
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

STDMETHODIMP CAccessibleBase::get_accDescription(VARIANT varChild, BSTR* pszDescription)
{
    return get_accHelp(varChild, pszDescription);
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
    // static text. Its mnemonic marks are not part of the name.
    HWND hwndPrev = ::GetWindow(hwnd, GW_HWNDPREV);
    char cls[16];
    if (hwndPrev == NULL || ::GetClassName(hwndPrev, cls, sizeof(cls)) == 0 || lstrcmpiA(cls, "Static") != 0)
        return text;
    const int m = ::GetWindowTextLength(hwndPrev);
    CString label;
    ::GetWindowText(hwndPrev, label.GetBuffer(m + 1), m + 1);
    label.ReleaseBuffer();
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

HRESULT CAccessibleBase::ToBstr(const CString& text, BSTR* pbstr)
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

HRESULT CAccessibleBase::Check(const VARIANT& varChild, long* pChild)
{
    if (m_hwnd == NULL || !::IsWindow(m_hwnd))
        return RPC_E_DISCONNECTED;
    if (varChild.vt != VT_I4)
        return E_INVALIDARG;
    if (varChild.lVal < 0 || varChild.lVal > ChildCount())
        return E_INVALIDARG;
    *pChild = varChild.lVal;
    return S_OK;
}

RECT CAccessibleBase::ScreenClient() const
{
    RECT rc;
    ::GetClientRect(m_hwnd, &rc);
    ::MapWindowPoints(m_hwnd, NULL, (POINT*)&rc, 2);
    return rc;
}

void CAccessibleBase::ToScreenLocation(RECT rc, long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight) const
{
    ::MapWindowPoints(m_hwnd, NULL, (POINT*)&rc, 2);
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.right - rc.left;
    *pcyHeight = rc.bottom - rc.top;
}
