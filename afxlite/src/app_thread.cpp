// CWinThread and CWinApp: the message loop, idle processing and the
// application object.  A host need not have a CWinApp: without one the
// instance and resource handles are those of the executable and modal loops
// pump messages themselves.

#include <afxwin.h>
#include <string.h>

#include "core_internal.h"
#include "wnd_internal.h"

/////////////////////////////////////////////////////////////////////////////
// Module thread state

AFX_MODULE_THREAD_STATE::AFX_MODULE_THREAD_STATE()
    : m_pCurrentWinThread(NULL)
{
}

AFX_MODULE_THREAD_STATE::~AFX_MODULE_THREAD_STATE()
{
}

AFX_MODULE_THREAD_STATE* AFXAPI AfxGetModuleThreadState()
{
    static thread_local AFX_MODULE_THREAD_STATE s_state;
    return &s_state;
}

CWinApp* AFXAPI AfxGetApp()
{
    return AfxGetModuleState()->m_pCurrentWinApp;
}

CWinThread* AFXAPI AfxGetThread()
{
    CWinThread* pThread = AfxGetModuleThreadState()->m_pCurrentWinThread;
    if (pThread != NULL)
        return pThread;
    // the application object runs on the thread that constructed it
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL && pApp->m_nThreadID == ::GetCurrentThreadId())
        return pApp;
    return NULL;
}

void AFXAPI AfxPostQuitMessage(int nExitCode)
{
    ::PostQuitMessage(nExitCode);
}

/////////////////////////////////////////////////////////////////////////////
// CWinThread

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
{
    CommonConstruct();
}

void CWinThread::CommonConstruct()
{
    m_pMainWnd = NULL;
    m_pActiveWnd = NULL;
    m_bAutoDelete = TRUE;
    m_hThread = NULL;
    m_nThreadID = 0;
    ZeroMemory(&m_msgCur, sizeof(m_msgCur));
    m_ptCursorLast = CPoint(-1, -1);
    m_nMsgLast = 0;
}

CWinThread::~CWinThread()
{
    AFX_MODULE_THREAD_STATE* pState = AfxGetModuleThreadState();
    if (pState->m_pCurrentWinThread == this)
        pState->m_pCurrentWinThread = NULL;
}

void CWinThread::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CWinThread::InitInstance()
{
    return FALSE;   // a thread without its own work ends at once
}

CWnd* CWinThread::GetMainWnd()
{
    return m_pActiveWnd != NULL ? m_pActiveWnd : m_pMainWnd;
}

int CWinThread::Run()
{
    CAfxLiteFrameworkLoop loop;

    // for tracking the idle time state
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;

    // acquire and dispatch messages until a WM_QUIT message is received.
    for (;;)
    {
        // phase1: check to see if we can do idle work
        while (bIdle && !::PeekMessage(&m_msgCur, NULL, 0, 0, PM_NOREMOVE))
        {
            // call OnIdle while in bIdle state
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;  // assume "no idle" state
        }

        // phase2: pump messages while available
        do
        {
            // pump message, but quit on WM_QUIT
            if (!PumpMessage())
                return ExitInstance();

            // reset "no idle" state after pumping "normal" message
            if (IsIdleMessage(&m_msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessage(&m_msgCur, NULL, 0, 0, PM_NOREMOVE));
    }
}

BOOL AfxLiteIsIdleMessage(const MSG* pMsg, POINT* pptLast, UINT* pnMsgLast)
{
    static thread_local POINT s_ptLast = { -1, -1 };
    static thread_local UINT s_nMsgLast = 0;
    if (pptLast == NULL || pnMsgLast == NULL)
    {
        pptLast = &s_ptLast;
        pnMsgLast = &s_nMsgLast;
    }

    // mouse moves to where the mouse already was do not end idle time
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        if (pMsg->message == *pnMsgLast && pMsg->pt.x == pptLast->x && pMsg->pt.y == pptLast->y)
            return FALSE;
        *pptLast = pMsg->pt;    // remember for next time
        *pnMsgLast = pMsg->message;
        return TRUE;
    }
    // WM_PAINT and the system timer (caret blink) do not either
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
}

BOOL AfxLitePumpMessage(MSG* pMsg, CWinThread* pThread)
{
    if (!::GetMessage(pMsg, NULL, 0, 0))
        return FALSE;

    // process this message: the thread's pre-translation, or the windows'
    // own where there is no thread object
    if (pMsg->message != WM_KICKIDLE)
    {
        BOOL bTranslated = pThread != NULL ? pThread->PreTranslateMessage(pMsg)
                                           : CWnd::WalkPreTranslateTree(NULL, pMsg);
        if (!bTranslated)
        {
            ::TranslateMessage(pMsg);
            ::DispatchMessage(pMsg);
        }
    }
    return TRUE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    return AfxLiteIsIdleMessage(pMsg, &m_ptCursorLast, &m_nMsgLast);
}

int CWinThread::ExitInstance()
{
    int nResult = (int)m_msgCur.wParam;  // returns the value from PostQuitMessage
    return nResult;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    // walk from target to main window
    CWnd* pMainWnd = AfxGetMainWnd();
    if (CWnd::WalkPreTranslateTree(pMainWnd->GetSafeHwnd(), pMsg))
        return TRUE;

    // in case of modeless dialogs, last chance route through main window
    if (pMainWnd != NULL && pMsg->hwnd != NULL)
    {
        CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
        if (pWnd->GetTopLevelParent() != pMainWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;   // no special processing
}

BOOL CWinThread::PumpMessage()
{
    return AfxLitePumpMessage(&m_msgCur, this);
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount >= 1)
    {
        // temporaries made since the last idle time go now (unless a caller
        // further up still holds the maps locked)
        AfxLockTempMaps();
        AfxUnlockTempMaps(TRUE);
    }
    return lCount < 1;  // one more idle turn for the clean-up
}

LRESULT CWinThread::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    UNUSED(e);
    // creation fails; a paint counts as done; no message box is shown
    if (pMsg->message == WM_CREATE)
        return -1;
    if (pMsg->message == WM_PAINT)
        ::ValidateRect(pMsg->hwnd, NULL);
    TRACE1("Warning: uncaught exception in a handler of message 0x%04X\n", pMsg->message);
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// CWinApp

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    m_pszAppName = lpszAppName != NULL ? _tcsdup(lpszAppName) : NULL;

    // the application object belongs to the thread that constructs it
    m_bAutoDelete = FALSE;
    m_nThreadID = ::GetCurrentThreadId();
    m_hThread = ::GetCurrentThread();
    AfxGetModuleThreadState()->m_pCurrentWinThread = this;

    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    ASSERT(pModuleState->m_pCurrentWinApp == NULL);    // only one CWinApp object
    pModuleState->m_pCurrentWinApp = this;
    pModuleState->m_lpszCurrentAppName = m_pszAppName;

    m_hInstance = NULL;
    m_hPrevInstance = NULL;
    m_lpCmdLine = NULL;
    m_nCmdShow = SW_SHOWNORMAL;
    m_pszRegistryKey = NULL;
    m_pszExeName = NULL;
    m_pszHelpFilePath = NULL;
    m_pszProfileName = NULL;
    m_nWaitCursorCount = 0;
    m_hcurWaitCursorRestore = NULL;
    m_bHelpMode = FALSE;
}

CWinApp::~CWinApp()
{
    free((void*)m_pszAppName);
    free((void*)m_pszExeName);
    free((void*)m_pszHelpFilePath);
    free((void*)m_pszProfileName);

    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    if (pModuleState->m_pCurrentWinApp == this)
    {
        pModuleState->m_pCurrentWinApp = NULL;
        pModuleState->m_lpszCurrentAppName = NULL;
    }
}

void CWinApp::SetCurrentHandles()
{
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    if (m_hInstance == NULL)
        m_hInstance = ::GetModuleHandle(NULL);
    pModuleState->m_hCurrentInstanceHandle = m_hInstance;
    pModuleState->m_hCurrentResourceHandle = m_hInstance;

    // the executable's path names the help file and the default names
    TCHAR szPath[MAX_PATH];
    LPTSTR lpszExt = NULL;
    LPTSTR lpszBase = AfxLiteSplitModulePath(m_hInstance, szPath, &lpszExt);
    if (lpszBase == NULL)
        lpszBase = szPath;

    if (m_pszExeName == NULL)
    {
        TCHAR szExe[MAX_PATH];
        size_t nBase = lpszExt != NULL ? (size_t)(lpszExt - lpszBase) : (size_t)lstrlen(lpszBase);
        lstrcpyn(szExe, lpszBase, (int)nBase + 1);
        m_pszExeName = _tcsdup(szExe);
    }
    if (m_pszAppName == NULL)
    {
        // the application title string, else the executable's name
        TCHAR szTitle[256];
        if (::LoadString(m_hInstance, AFX_IDS_APP_TITLE, szTitle, _countof(szTitle)) > 0)
            m_pszAppName = _tcsdup(szTitle);
        else
            m_pszAppName = _tcsdup(m_pszExeName);
    }
    pModuleState->m_lpszCurrentAppName = m_pszAppName;

    if (m_pszHelpFilePath == NULL && szPath[0] != '\0')
    {
        TCHAR szHelp[MAX_PATH + 8];
        size_t nStem = lpszExt != NULL ? (size_t)(lpszExt - szPath) : (size_t)lstrlen(szPath);
        memcpy(szHelp, szPath, nStem * sizeof(TCHAR));
        lstrcpy(szHelp + nStem, _T(".HLP"));
        m_pszHelpFilePath = _tcsdup(szHelp);
    }
    if (m_pszProfileName == NULL)
    {
        TCHAR szIni[MAX_PATH + 8];
        lstrcpyn(szIni, m_pszExeName, MAX_PATH);
        lstrcat(szIni, _T(".INI"));
        m_pszProfileName = _tcsdup(szIni);
    }
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return (int)m_msgCur.wParam;
}

int CWinApp::Run()
{
    if (m_pMainWnd == NULL)
    {
        // no main window: nothing keeps the application running
        TRACE0("Warning: m_pMainWnd is NULL in CWinApp::Run - quitting application\n");
        AfxPostQuitMessage(0);
    }
    return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    return CWinThread::OnIdle(lCount);
}

LRESULT CWinApp::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    return CWinThread::ProcessWndProcException(e, pMsg);
}

void CWinApp::EnableModeless(BOOL)
{
    // no other windows of the application to disable
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != NULL && m_pszHelpFilePath != NULL)
        ::WinHelp(pMainWnd->GetSafeHwnd(), m_pszHelpFilePath, nCmd, dwData);
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
    { return ::LoadCursor(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName); }
HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
    { return LoadCursor(MAKEINTRESOURCE(nIDResource)); }
HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
    { return ::LoadCursor(NULL, lpszCursorName); }
HCURSOR CWinApp::LoadOEMCursor(UINT nIDCursor) const
    { return ::LoadCursor(NULL, MAKEINTRESOURCE(nIDCursor)); }
HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
    { return ::LoadIcon(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName); }
HICON CWinApp::LoadIcon(UINT nIDResource) const
    { return LoadIcon(MAKEINTRESOURCE(nIDResource)); }
HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const
    { return ::LoadIcon(NULL, lpszIconName); }
HICON CWinApp::LoadOEMIcon(UINT nIDIcon) const
    { return ::LoadIcon(NULL, MAKEINTRESOURCE(nIDIcon)); }

/////////////////////////////////////////////////////////////////////////////
// Start and end of an application

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    if (hInstance == NULL)
        hInstance = ::GetModuleHandle(NULL);

    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    pModuleState->m_hCurrentInstanceHandle = hInstance;
    pModuleState->m_hCurrentResourceHandle = hInstance;

    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
    {
        pApp->m_hInstance = hInstance;
        pApp->m_hPrevInstance = hPrevInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        pApp->SetCurrentHandles();
    }

    // the window classes of the common controls the layer wraps
    AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG);
    return TRUE;
}

void AFXAPI AfxWinTerm()
{
    // the thread's temporaries go with the end of the application
    AfxLockTempMaps();
    AfxUnlockTempMaps(TRUE);
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    int nReturnCode = -1;
    CWinThread* pThread = AfxGetThread();
    CWinApp* pApp = AfxGetApp();

    // framework initialization, then the application's
    if (!AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow))
        goto InitFailure;
    if (pApp != NULL && !pApp->InitApplication())
        goto InitFailure;
    if (pThread == NULL)
        goto InitFailure;
    if (!pThread->InitInstance())
    {
        if (pThread->m_pMainWnd != NULL)
            pThread->m_pMainWnd->DestroyWindow();
        nReturnCode = pThread->ExitInstance();
        goto InitFailure;
    }
    nReturnCode = pThread->Run();

InitFailure:
    AfxWinTerm();
    return nReturnCode;
}
