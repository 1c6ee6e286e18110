// The window-bound device contexts and the CDC members that need CWnd.

#include <afxwin.h>

IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

namespace {
inline HWND SafeHwnd(CWnd* pWnd) { return pWnd != NULL ? pWnd->m_hWnd : NULL; }
} // namespace

CWnd* CDC::GetWindow() const
{
    return CWnd::FromHandle(::WindowFromDC(m_hDC));
}

int CDC::ExcludeUpdateRgn(CWnd* pWnd)
{
    return ::ExcludeUpdateRgn(m_hDC, SafeHwnd(pWnd));
}

/////////////////////////////////////////////////////////////////////////////
// CPaintDC

CPaintDC::CPaintDC(CWnd* pWnd)
{
    memset(&m_ps, 0, sizeof(m_ps));
    m_hWnd = SafeHwnd(pWnd);
    if (!Attach(::BeginPaint(m_hWnd, &m_ps)))
        AfxThrowResourceException();
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

/////////////////////////////////////////////////////////////////////////////
// CClientDC

CClientDC::CClientDC(CWnd* pWnd)
{
    m_hWnd = SafeHwnd(pWnd);
    if (!Attach(::GetDC(m_hWnd)))
        AfxThrowResourceException();
}

CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}

/////////////////////////////////////////////////////////////////////////////
// CWindowDC

CWindowDC::CWindowDC(CWnd* pWnd)
{
    m_hWnd = SafeHwnd(pWnd);
    if (!Attach(::GetWindowDC(m_hWnd)))
        AfxThrowResourceException();
}

CWindowDC::~CWindowDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}
