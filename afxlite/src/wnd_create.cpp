// CWnd: construction, the handle maps, creation through the window-creation
// hook and destruction.

#include <afxwin.h>

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
