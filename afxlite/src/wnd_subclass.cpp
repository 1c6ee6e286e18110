// CWnd: subclassing existing windows with the framework's window procedure.

#include <afxwin.h>

#include "wnd_internal.h"

/////////////////////////////////////////////////////////////////////////////
// Subclassing

void CWnd::PreSubclassWindow()
{
    // no default processing
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!::IsWindow(hWnd) || !Attach(hWnd))
        return FALSE;

    // allow any other subclassing to occur
    PreSubclassWindow();

    // now hook into the window procedure of the framework
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    WNDPROC afxWndProc = AfxGetAfxWndProc();
    WNDPROC oldWndProc = (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)afxWndProc);
    if (oldWndProc == NULL)
    {
        // not ours to subclass (another process's window)
        Detach();
        return FALSE;
    }
    if (oldWndProc != afxWndProc)
        *lplpfn = oldWndProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    ASSERT(pParent != NULL);
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), (int)nID);
    if (hWndControl == NULL)
        return FALSE;
    return SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    ASSERT(::IsWindow(m_hWnd));

    // set WNDPROC back to original value
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    if (*lplpfn != NULL)
        ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, (LONG_PTR)*lplpfn);
    *lplpfn = NULL;

    // and Detach the HWND from the CWnd object
    return Detach();
}
