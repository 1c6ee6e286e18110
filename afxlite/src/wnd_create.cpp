// CWnd: handle maps, creation through the window-creation hook,
// subclassing, destruction, window classes and the window-tree helpers.

#include <afxwin.h>
#include <stdio.h>

#include "wnd_internal.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

// Insert-after markers of SetWindowPos.
const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

/////////////////////////////////////////////////////////////////////////////
// Construction and the handle maps

CWnd::CWnd()
    : m_hWnd(NULL), m_hWndOwner(NULL), m_nFlags(0), m_pfnSuper(NULL), m_nModalResult(0)
{
}

CWnd::CWnd(HWND hWnd)
    : m_hWnd(hWnd), m_hWndOwner(NULL), m_nFlags(0), m_pfnSuper(NULL), m_nModalResult(0)
{
}

CWnd::~CWnd()
{
    if (m_hWnd != NULL && this != &wndTop && this != &wndBottom &&
        this != &wndTopMost && this != &wndNoTopMost)
    {
        TRACE0("Warning: calling DestroyWindow in CWnd::~CWnd; "
               "OnDestroy or PostNcDestroy in derived class will not be called\n");
        DestroyWindow();
        // A window of another thread cannot be destroyed from here; the
        // map must not keep pointing at this object all the same.
        if (m_hWnd != NULL)
            Detach();
    }
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    return AfxGetWndMap()->FromHandle(hWnd);
}

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == NULL)
        return NULL;
    return AfxGetWndMap()->LookupPermanent(hWnd);
}

void PASCAL CWnd::DeleteTempMap()
{
    AfxGetWndMap()->DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    ASSERT(m_hWnd == NULL);     // only attach once, detach on destroy
    ASSERT(FromHandlePermanent(hWndNew) == NULL);
    // One window, one object: refused rather than silently re-pointed.
    if (hWndNew == NULL || m_hWnd != NULL || FromHandlePermanent(hWndNew) != NULL)
        return FALSE;
    AfxGetWndMap()->SetPermanent(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != NULL)
    {
        // out of the map of the thread that attached it, wherever this runs
        CHandleMapBase::RemovePermanentObject(this);
        m_hWnd = NULL;
    }
    return hWnd;
}

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

/////////////////////////////////////////////////////////////////////////////
// The window-creation hook

namespace {

// Windows a system component makes on the thread by itself; they are never
// the window being created.
BOOL IsSystemHelperWindow(HWND hWnd)
{
    char szClass[32];
    if (::GetClassNameA(hWnd, szClass, (int)sizeof(szClass)) == 0)
        return FALSE;
    return lstrcmpiA(szClass, "IME") == 0 || lstrcmpiA(szClass, "MSCTFIME UI") == 0;
}

} // namespace

LRESULT CALLBACK _AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    if (code == HCBT_CREATEWND && pThreadState->m_pWndInit != NULL)
    {
        HWND hWnd = (HWND)wParam;
        CWnd* pWndInit = pThreadState->m_pWndInit;
        if (!IsSystemHelperWindow(hWnd) && pWndInit->Attach(hWnd))
        {
            // allow other subclassing to occur first; an exception must not
            // unwind into the system's creation: the creation fails instead
            // and the object is left as for any failed creation
            BOOL bThrown = FALSE;
            try
            {
                pWndInit->PreSubclassWindow();
            }
            catch (CException* e)
            {
                e->Delete();
                bThrown = TRUE;
            }
            catch (...)
            {
                bThrown = TRUE;
            }
            if (bThrown)
            {
                TRACE0("Warning: exception in PreSubclassWindow; the window is not created\n");
                pWndInit->Detach();
                return 1;   // m_pWndInit stays: the creator sees the hook was not taken
            }

            // subclass the window with the framework's procedure
            WNDPROC* pOldWndProc = pWndInit->GetSuperWndProcAddr();
            WNDPROC afxWndProc = AfxGetAfxWndProc();
            WNDPROC oldWndProc =
                (WNDPROC)::SetWindowLongPtr(hWnd, GWLP_WNDPROC, (LONG_PTR)afxWndProc);
            if (oldWndProc != afxWndProc)
                *pOldWndProc = oldWndProc;
            pThreadState->m_pWndInit = NULL;
        }
    }
    return ::CallNextHookEx(pThreadState->m_hHookOldCbtFilter, code, wParam, lParam);
}

namespace {

BOOL HookWindowCreate(CWnd* pWnd)
{
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    if (pThreadState->m_pWndInit == pWnd)
        return TRUE;
    if (pThreadState->m_hHookOldCbtFilter == NULL)
    {
        // one hook per thread, kept until the thread ends
        pThreadState->m_hHookOldCbtFilter =
            ::SetWindowsHookEx(WH_CBT, _AfxCbtFilterHook, NULL, ::GetCurrentThreadId());
        if (pThreadState->m_hHookOldCbtFilter == NULL)
            return FALSE;
    }
    ASSERT(pWnd != NULL && pWnd->m_hWnd == NULL);
    ASSERT(pThreadState->m_pWndInit == NULL);   // hook not already in progress
    pThreadState->m_pWndInit = pWnd;
    return TRUE;
}

} // namespace

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    if (!HookWindowCreate(pWnd))
        AfxThrowMemoryException();
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    if (pThreadState->m_pWndInit != NULL)
    {
        pThreadState->m_pWndInit = NULL;
        return FALSE;   // was not successfully hooked
    }
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Creation

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
    {
        // no class given: the framework's default child window class
        if (!AfxDeferRegisterClass(AFX_WND_REG))
            return FALSE;
        ASSERT(cs.style & WS_CHILD);
        cs.lpszClass = AFX_WND;
    }
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                    DWORD dwStyle, int x, int y, int nWidth, int nHeight,
                    HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    // allow modification of several common create parameters
    CREATESTRUCT cs;
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = (LONG)dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;

    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }

    if (!HookWindowCreate(this))
    {
        PostNcDestroy();
        return FALSE;
    }
    HWND hWnd = ::CreateWindowEx(cs.dwExStyle, cs.lpszClass, cs.lpszName, (DWORD)cs.style,
                                 cs.x, cs.y, cs.cx, cs.cy, cs.hwndParent, cs.hMenu,
                                 cs.hInstance, cs.lpCreateParams);
    if (hWnd == NULL)
        TRACE1("Warning: window creation failed: GetLastError returns 0x%8.8lX\n",
               ::GetLastError());

    // the window never reached the hook: the object is done with
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();

    if (hWnd == NULL)
        return FALSE;
    ASSERT(hWnd == m_hWnd);     // set by the hook
    return hWnd == m_hWnd;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                    DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                    LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle,
                    rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                    pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID, lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    // can't use for desktop or pop-up windows (use CreateEx instead)
    ASSERT(pParentWnd != NULL);
    ASSERT((dwStyle & WS_POPUP) == 0);
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD,
                    rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                    pParentWnd->GetSafeHwnd(), (HMENU)(UINT_PTR)nID, (LPVOID)pContext);
}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == 0)
        dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == NULL)
        return FALSE;

    CWndHandleMap* pMap = AfxGetWndMap();
    HWND hWnd = m_hWnd;
    BOOL bAttached = pMap->LookupPermanent(hWnd) == this;
    BOOL bTemporary = !bAttached && pMap->LookupTemporary(hWnd) == this;
    BOOL bResult = ::DestroyWindow(hWnd);
    // An attached object was detached by OnNcDestroy (and may be gone by
    // now); anything else lets go here.  A temporary stays valid until the
    // temporaries go, but no longer stands for the handle value.
    if (!bAttached && (!bTemporary || bResult))
    {
        if (bTemporary)
            pMap->RetireTemporary(hWnd);
        m_hWnd = NULL;
    }
    return bResult;
}

/////////////////////////////////////////////////////////////////////////////
// Window classes

BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass)
{
    WNDCLASS wndcls;
    if (::GetClassInfo(lpWndClass->hInstance, lpWndClass->lpszClassName, &wndcls))
        return TRUE;    // class already registered
    if (::RegisterClass(lpWndClass) != 0)
        return TRUE;
    // another thread may have registered it meanwhile
    return ::GetClassInfo(lpWndClass->hInstance, lpWndClass->lpszClassName, &wndcls);
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor,
                                  HBRUSH hbrBackground, HICON hIcon)
{
    LPTSTR lpszName = AfxGetThreadState()->m_szTempClassName;
    HINSTANCE hInst = AfxGetInstanceHandle();
    _snprintf(lpszName, _countof(AfxGetThreadState()->m_szTempClassName) - 1,
              "Afx:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle, (void*)hCursor,
              (void*)hbrBackground, (void*)hIcon);
    lpszName[_countof(AfxGetThreadState()->m_szTempClassName) - 1] = '\0';

    WNDCLASS wndcls;
    ZeroMemory(&wndcls, sizeof(wndcls));
    wndcls.style = nClassStyle;
    wndcls.lpfnWndProc = ::DefWindowProc;
    wndcls.hInstance = hInst;
    wndcls.hIcon = hIcon;
    wndcls.hCursor = hCursor;
    wndcls.hbrBackground = hbrBackground;
    wndcls.lpszClassName = lpszName;
    if (!AfxRegisterClass(&wndcls))
        AfxThrowResourceException();
    return lpszName;
}

BOOL AfxDeferRegisterClass(LONG fToRegister)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    if ((pState->m_fRegisteredClasses & (DWORD)fToRegister) == (DWORD)fToRegister)
        return TRUE;

    LONG fRegistered = 0;
    if (fToRegister & AFX_WND_REG)
    {
        // child windows: no brush, no icon, the safest class styles
        WNDCLASS wndcls;
        ZeroMemory(&wndcls, sizeof(wndcls));
        wndcls.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wndcls.lpfnWndProc = ::DefWindowProc;
        wndcls.hInstance = AfxGetInstanceHandle();
        wndcls.hCursor = ::LoadCursor(NULL, IDC_ARROW);
        wndcls.lpszClassName = AFX_WND;
        if (AfxRegisterClass(&wndcls))
            fRegistered |= AFX_WND_REG;
    }
    if (fToRegister & AFX_WNDCOMMCTLS_REG)
    {
        INITCOMMONCONTROLSEX init;
        init.dwSize = sizeof(init);
        init.dwICC = ICC_LISTVIEW_CLASSES | ICC_WIN95_CLASSES | ICC_BAR_CLASSES;
        if (::InitCommonControlsEx(&init))
            fRegistered |= AFX_WNDCOMMCTLS_REG;
    }
    if (fToRegister & AFX_WNDCOMMCTL_COMBOEX_REG)
    {
        INITCOMMONCONTROLSEX init;
        init.dwSize = sizeof(init);
        init.dwICC = ICC_USEREX_CLASSES;
        if (::InitCommonControlsEx(&init))
            fRegistered |= AFX_WNDCOMMCTL_COMBOEX_REG;
    }
    pState->m_fRegisteredClasses |= (DWORD)fRegistered;
    return (fRegistered & fToRegister) == fToRegister;
}

/////////////////////////////////////////////////////////////////////////////
// Styles, owners and the window tree

namespace {

BOOL ModifyStyleHelper(HWND hWnd, int nStyleOffset, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    ASSERT(hWnd != NULL);
    DWORD dwStyle = (DWORD)::GetWindowLongPtr(hWnd, nStyleOffset);
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;

    ::SetWindowLongPtr(hWnd, nStyleOffset, (LONG_PTR)dwNewStyle);
    if (nFlags != 0)
    {
        ::SetWindowPos(hWnd, NULL, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    }
    return TRUE;
}

// The next window up through parents (children) and owners (popups), as
// the framework knows it.
HWND ParentOrOwner(HWND hWnd)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd != NULL)
        return pWnd->GetOwner()->GetSafeHwnd();
    if (::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD)
        return ::GetParent(hWnd);
    return ::GetWindow(hWnd, GW_OWNER);
}

CWnd* DescendantWindow(HWND hWnd, int nID, BOOL bOnlyPerm)
{
    // GetDlgItem finds the direct child first; a child with the same id as
    // its parent wins over the parent
    HWND hWndChild = ::GetDlgItem(hWnd, nID);
    if (hWndChild != NULL)
    {
        if (::GetTopWindow(hWndChild) != NULL)
        {
            CWnd* pWnd = DescendantWindow(hWndChild, nID, bOnlyPerm);
            if (pWnd != NULL)
                return pWnd;
        }
        CWnd* pWnd = bOnlyPerm ? CWnd::FromHandlePermanent(hWndChild) : CWnd::FromHandle(hWndChild);
        if (pWnd != NULL)
            return pWnd;
    }

    for (hWndChild = ::GetTopWindow(hWnd); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        CWnd* pWnd = DescendantWindow(hWndChild, nID, bOnlyPerm);
        if (pWnd != NULL)
            return pWnd;
    }
    return NULL;
}

void SendToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam,
                       BOOL bDeep, BOOL bOnlyPerm)
{
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if (bOnlyPerm)
        {
            CWnd* pWnd = CWnd::FromHandlePermanent(hWndChild);
            if (pWnd != NULL)
                AfxCallWndProc(pWnd, pWnd->m_hWnd, message, wParam, lParam);
        }
        else
        {
            ::SendMessage(hWndChild, message, wParam, lParam);
        }
        if (bDeep && ::GetTopWindow(hWndChild) != NULL)
            SendToDescendants(hWndChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

} // namespace

BOOL PASCAL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleHelper(hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL PASCAL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleHelper(hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

CWnd* CWnd::GetOwner() const
{
    return m_hWndOwner != NULL ? CWnd::FromHandle(m_hWndOwner) : GetParent();
}

CWnd* CWnd::GetParentOwner() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    HWND hWndParent = m_hWnd;
    HWND hWndT;
    while ((::GetWindowLongPtr(hWndParent, GWL_STYLE) & WS_CHILD) &&
           (hWndT = ::GetParent(hWndParent)) != NULL)
    {
        hWndParent = hWndT;
    }
    return CWnd::FromHandle(hWndParent);
}

CWnd* CWnd::GetTopLevelParent() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    HWND hWndParent = m_hWnd;
    HWND hWndT;
    while ((hWndT = ParentOrOwner(hWndParent)) != NULL)
        hWndParent = hWndT;
    return CWnd::FromHandle(hWndParent);
}

CWnd* CWnd::GetTopLevelOwner() const
{
    if (GetSafeHwnd() == NULL)
        return NULL;
    HWND hWndOwner = m_hWnd;
    HWND hWndT;
    while ((hWndT = ::GetWindow(hWndOwner, GW_OWNER)) != NULL)
        hWndOwner = hWndT;
    return CWnd::FromHandle(hWndOwner);
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    ASSERT(::IsWindow(m_hWnd));
    return DescendantWindow(m_hWnd, nID, bOnlyPerm);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam,
                                    BOOL bDeep, BOOL bOnlyPerm)
{
    ASSERT(::IsWindow(m_hWnd));
    SendToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

void CWnd::GetWindowText(CString& rString) const
{
    ASSERT(::IsWindow(m_hWnd));
    int nLen = ::GetWindowTextLength(m_hWnd);
    ::GetWindowText(m_hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    ASSERT(::IsWindow(m_hWnd));
    rString = _T("");
    HWND hWnd = ::GetDlgItem(m_hWnd, nID);
    if (hWnd != NULL)
    {
        int nLen = ::GetWindowTextLength(hWnd);
        ::GetWindowText(hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
        rString.ReleaseBuffer();
    }
    return rString.GetLength();
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton)
{
    ASSERT(::IsWindow(m_hWnd));
    for (int nID = nIDFirstButton; nID <= nIDLastButton; nID++)
    {
        if (IsDlgButtonChecked(nID))
            return nID;
    }
    return 0;
}

BOOL CWnd::IsWindowEnabledAndVisible() const
{
    ASSERT(::IsWindow(m_hWnd));
    return ::IsWindowEnabled(m_hWnd) && ::IsWindowVisible(m_hWnd);
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL ? pThread->GetMainWnd() : NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Placement

BOOL CWnd::CheckAutoCenter()
{
    return TRUE;
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    ASSERT(::IsWindow(m_hWnd));

    // determine owner window to center against
    DWORD dwStyle = GetStyle();
    HWND hWndCenter = pAlternateOwner->GetSafeHwnd();
    if (pAlternateOwner == NULL)
    {
        hWndCenter = (dwStyle & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
        if (hWndCenter != NULL)
        {
            // let the owner name another window to centre against
            HWND hWndTemp = (HWND)::SendMessage(hWndCenter, 0x036B /* WM_QUERYCENTERWND */, 0, 0);
            if (hWndTemp != NULL)
                hWndCenter = hWndTemp;
        }
    }

    RECT rcDlg;
    ::GetWindowRect(m_hWnd, &rcDlg);
    RECT rcArea;
    RECT rcCenter;
    if (!(dwStyle & WS_CHILD))
    {
        // don't center against invisible or minimized windows
        if (hWndCenter != NULL)
        {
            DWORD dwAlternateStyle = (DWORD)::GetWindowLongPtr(hWndCenter, GWL_STYLE);
            if (!(dwAlternateStyle & WS_VISIBLE) || (dwAlternateStyle & WS_MINIMIZE))
                hWndCenter = NULL;
        }

        MONITORINFO mi;
        mi.cbSize = sizeof(mi);
        if (hWndCenter == NULL)
        {
            // centre within the work area of the main window's monitor
            HWND hWndDefault = AfxGetMainWnd()->GetSafeHwnd();
            ::GetMonitorInfo(::MonitorFromWindow(hWndDefault, MONITOR_DEFAULTTOPRIMARY), &mi);
            rcCenter = mi.rcWork;
        }
        else
        {
            ::GetWindowRect(hWndCenter, &rcCenter);
            ::GetMonitorInfo(::MonitorFromWindow(hWndCenter, MONITOR_DEFAULTTONEAREST), &mi);
        }
        rcArea = mi.rcWork;
    }
    else
    {
        // centre within the parent's client area
        HWND hWndParent = ::GetParent(m_hWnd);
        ::GetClientRect(hWndParent, &rcArea);
        if (hWndCenter == NULL)
            hWndCenter = hWndParent;
        ::GetClientRect(hWndCenter, &rcCenter);
        ::MapWindowPoints(hWndCenter, hWndParent, (POINT*)&rcCenter, 2);
    }

    int cxDlg = rcDlg.right - rcDlg.left;
    int cyDlg = rcDlg.bottom - rcDlg.top;
    int xLeft = (rcCenter.left + rcCenter.right) / 2 - cxDlg / 2;
    int yTop = (rcCenter.top + rcCenter.bottom) / 2 - cyDlg / 2;

    // keep the window inside the area
    if (xLeft + cxDlg > rcArea.right)
        xLeft = rcArea.right - cxDlg;
    if (xLeft < rcArea.left)
        xLeft = rcArea.left;
    if (yTop + cyDlg > rcArea.bottom)
        yTop = rcArea.bottom - cyDlg;
    if (yTop < rcArea.top)
        yTop = rcArea.top;

    ::SetWindowPos(m_hWnd, NULL, xLeft, yTop, -1, -1,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

/////////////////////////////////////////////////////////////////////////////
// Message pre-translation, tooltips, help

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    ASSERT(hWndStop == NULL || ::IsWindow(hWndStop));
    ASSERT(pMsg != NULL);

    // walk from the target window up to the hWndStop window checking
    // if any window wants to translate this message
    for (HWND hWnd = pMsg->hwnd; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != NULL && pWnd->PreTranslateMessage(pMsg))
            return TRUE;    // trapped by target window (eg: accelerators)

        // got to hWndStop window without interest
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;       // no special processing
}

BOOL CWnd::PreTranslateMessage(MSG* pMsg)
{
    // tooltips of windows that asked for them
    if (m_nFlags & WF_TOOLTIPS)
        FilterToolTipMessage(pMsg);
    return FALSE;
}

BOOL CWnd::PreTranslateInput(LPMSG lpMsg)
{
    ASSERT(::IsWindow(m_hWnd));

    // don't translate non-input events
    if ((lpMsg->message < WM_KEYFIRST || lpMsg->message > WM_KEYLAST) &&
        (lpMsg->message < WM_MOUSEFIRST || lpMsg->message > WM_MOUSELAST))
    {
        return FALSE;
    }
    return IsDialogMessage(lpMsg);
}

int CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    // the visible child under the point (WindowFromPoint would skip
    // disabled ones)
    POINT ptScreen = point;
    ::ClientToScreen(m_hWnd, &ptScreen);
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if ((UINT)::GetDlgCtrlID(hWndChild) == 0xFFFF || !::IsWindowVisible(hWndChild))
            continue;
        RECT rect;
        ::GetWindowRect(hWndChild, &rect);
        if (!::PtInRect(&rect, ptScreen))
            continue;

        int nHit = ::GetDlgCtrlID(hWndChild);
        if (pTI != NULL && pTI->cbSize >= TTTOOLINFOA_V1_SIZE)
        {
            pTI->hwnd = m_hWnd;
            pTI->uId = (UINT_PTR)hWndChild;
            pTI->uFlags |= TTF_IDISHWND;
            pTI->lpszText = LPSTR_TEXTCALLBACK;
            // tips of controls other than buttons are centred under them
            if (!(::SendMessage(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
                pTI->uFlags |= TTF_NOTBUTTON | TTF_CENTERTIP;
        }
        return nHit;
    }
    return -1;  // not found
}

void CWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        pApp->WinHelp(dwData, nCmd);
}

/////////////////////////////////////////////////////////////////////////////
// Modal loops

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    ASSERT(::IsWindow(m_hWnd));

    // this result will be returned from CWnd::RunModalLoop
    m_nModalResult = nResult;

    // make sure a message goes through to exit the modal loop
    if (m_nFlags & WF_CONTINUEMODAL)
    {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_NULL);
    }
}

int CWnd::RunModalLoop(DWORD dwFlags)
{
    ASSERT(::IsWindow(m_hWnd));
    ASSERT(!(m_nFlags & WF_MODALLOOP));

    // for tracking the idle time state
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    m_nFlags |= (WF_MODALLOOP | WF_CONTINUEMODAL);

    CWinThread* pThread = AfxGetThread();
    MSG* pMsg = pThread != NULL ? &pThread->m_msgCur : &AfxGetThreadState()->m_msgCur;

    // Temporaries the loop's messages make go at each of its idle times;
    // those of its caller stay.
    CAfxLiteFrameworkLoop loop;
    const unsigned long nTempMark = AfxLiteTempMark();

    // acquire and dispatch messages until the modal state is done
    for (;;)
    {
        // phase 1: check to see if we can do idle work
        while (bIdle && ContinueModal() && !::PeekMessage(pMsg, NULL, 0, 0, PM_NOREMOVE))
        {
            if (lIdleCount == 0)
                AfxLiteDeleteTempsSince(nTempMark);

            // show the dialog when the message queue goes idle
            if (bShowIdle)
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }

            // tell the parent we are idle (once per idle period)
            if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent != NULL && lIdleCount == 0)
                ::SendMessage(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, (LPARAM)m_hWnd);
            if ((dwFlags & MLF_NOKICKIDLE) ||
                !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
            {
                // stop idle processing next time
                bIdle = FALSE;
            }
        }
        if (!ContinueModal())
            goto ExitModal;

        // phase 2: pump messages while available
        do
        {
            // pump message, but quit on WM_QUIT
            BOOL bPumped = pThread != NULL ? pThread->PumpMessage() : AfxLitePumpMessage(pMsg, NULL);
            if (!bPumped)
            {
                AfxPostQuitMessage((int)pMsg->wParam);
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return -1;
            }

            // show the window when certain special messages arrive
            if (bShowIdle && (pMsg->message == 0x118 || pMsg->message == WM_SYSKEYDOWN))
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }

            if (!ContinueModal())
                goto ExitModal;

            // reset "no idle" state after pumping "normal" message
            BOOL bIdleMessage = pThread != NULL ? pThread->IsIdleMessage(pMsg)
                                                : AfxLiteIsIdleMessage(pMsg, NULL, NULL);
            if (bIdleMessage)
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessage(pMsg, NULL, 0, 0, PM_NOREMOVE));
    }

ExitModal:
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}

HWND PASCAL CWnd::GetSafeOwner_(HWND hParent, HWND* pWndTop)
{
    // get window to start with
    HWND hWnd = hParent;
    if (hWnd == NULL)
        hWnd = AfxGetMainWnd()->GetSafeHwnd();

    // a popup window cannot be owned by a child window
    while (hWnd != NULL && (::GetWindowLongPtr(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);

    // determine toplevel window to disable as well
    HWND hWndTop = hWnd;
    HWND hWndTemp = hWnd;
    for (;;)
    {
        if (hWndTemp == NULL)
            break;
        hWndTop = hWndTemp;
        hWndTemp = ::GetParent(hWndTop);
    }

    // get last active popup of first non-child that was found
    if (hParent == NULL && hWnd != NULL)
        hWnd = ::GetLastActivePopup(hWnd);

    // disable and store top level parent window if specified
    if (pWndTop != NULL)
    {
        if (hWndTop != NULL && ::IsWindowEnabled(hWndTop) && hWndTop != hWnd)
        {
            *pWndTop = hWndTop;
            ::EnableWindow(hWndTop, FALSE);
        }
        else
        {
            *pWndTop = NULL;
        }
    }
    return hWnd;
}

CWnd* PASCAL CWnd::GetSafeOwner(CWnd* pParent, HWND* pWndTop)
{
    HWND hWnd = GetSafeOwner_(pParent->GetSafeHwnd(), pWndTop);
    return CWnd::FromHandle(hWnd);
}
