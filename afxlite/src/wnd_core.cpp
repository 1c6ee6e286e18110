// Message dispatch: thread state, message-map walking, CCmdTarget command
// routing, the one window procedure AfxWndProc and CWnd's dispatch through
// its message map, reflection of child notifications, and the default
// message handlers.

#include <afxwin.h>

#include "handlemap.h"
#include "wnd_internal.h"

/////////////////////////////////////////////////////////////////////////////
// Thread state

_AFX_THREAD_STATE::_AFX_THREAD_STATE()
    : m_pWndInit(NULL), m_pAlternateWndInit(NULL), m_hHookOldCbtFilter(NULL),
      m_hHookOldMsgFilter(NULL), m_hLockoutNotifyWindow(NULL),
      m_pToolTip(NULL), m_hWndLastHit(NULL), m_nLastHit(-1)
{
    ZeroMemory(&m_lastInfo, sizeof(m_lastInfo));
    ZeroMemory(&m_lastSentMsg, sizeof(m_lastSentMsg));
    ZeroMemory(&m_msgCur, sizeof(m_msgCur));
    m_szTempClassName[0] = '\0';
}

_AFX_THREAD_STATE::~_AFX_THREAD_STATE()
{
    AfxLiteDeleteThreadToolTip(this);
    if (m_hHookOldCbtFilter != NULL)
        ::UnhookWindowsHookEx(m_hHookOldCbtFilter);
    if (m_hHookOldMsgFilter != NULL)
        ::UnhookWindowsHookEx(m_hHookOldMsgFilter);
}

_AFX_THREAD_STATE* AFXAPI AfxGetThreadState()
{
    static thread_local _AFX_THREAD_STATE s_state;
    return &s_state;
}

/////////////////////////////////////////////////////////////////////////////
// The calling thread's map of window objects

CWnd* CWndHandleTraits::NewTemp(HWND h)
{
    CWnd* pWnd = new CWnd;
    pWnd->m_hWnd = h;
    return pWnd;
}

void CWndHandleTraits::DeleteTemp(CWnd* p)
{
    p->m_hWnd = NULL;   // a temporary never destroys the window it wraps
    delete p;
}

CWndHandleMap* AfxGetWndMap()
{
    return AfxGetHandleMap<CWndHandleTraits>();
}

#ifdef TEST_SEAMS
int AFXAPI AfxLiteGetWndMapCount(BOOL bPermanent)
{
    CWndHandleMap* pMap = AfxGetWndMap();
    return bPermanent ? pMap->GetPermanentCount() : pMap->GetTemporaryCount();
}
#endif

/////////////////////////////////////////////////////////////////////////////
// Handler calls by signature

namespace {

// One stored AFX_PMSG read back as the member type its signature names.
union MessageMapFunctions
{
    AFX_PMSG pfn;

    // commands and notifications, on the CCmdTarget
    void (AFX_MSG_CALL CCmdTarget::*pfnCmd_v_v)();
    BOOL (AFX_MSG_CALL CCmdTarget::*pfnCmd_b_v)();
    void (AFX_MSG_CALL CCmdTarget::*pfnCmd_v_u)(UINT);
    BOOL (AFX_MSG_CALL CCmdTarget::*pfnCmd_b_u)(UINT);
    void (AFX_MSG_CALL CCmdTarget::*pfnNotify_v_NMHDR_pl)(NMHDR*, LRESULT*);
    BOOL (AFX_MSG_CALL CCmdTarget::*pfnNotify_b_NMHDR_pl)(NMHDR*, LRESULT*);
    void (AFX_MSG_CALL CCmdTarget::*pfnNotify_v_u_NMHDR_pl)(UINT, NMHDR*, LRESULT*);
    BOOL (AFX_MSG_CALL CCmdTarget::*pfnNotify_b_u_NMHDR_pl)(UINT, NMHDR*, LRESULT*);

    // window messages, on the CWnd
    void (AFX_MSG_CALL CWnd::*pfn_vv)();
    void (AFX_MSG_CALL CWnd::*pfn_vw)(UINT);
    LRESULT (AFX_MSG_CALL CWnd::*pfn_lwl)(WPARAM, LPARAM);
    int (AFX_MSG_CALL CWnd::*pfn_is)(LPCREATESTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_vwii)(UINT, int, int);
    void (AFX_MSG_CALL CWnd::*pfn_vvii)(int, int);
    BOOL (AFX_MSG_CALL CWnd::*pfn_bD)(CDC*);
    void (AFX_MSG_CALL CWnd::*pfn_vCALC)(BOOL, NCCALCSIZE_PARAMS*);
    UINT (AFX_MSG_CALL CWnd::*pfn_wp)(CPoint);
    void (AFX_MSG_CALL CWnd::*pfn_vPOS)(WINDOWPOS*);
    void (AFX_MSG_CALL CWnd::*pfn_vMINMAX)(MINMAXINFO*);
    void (AFX_MSG_CALL CWnd::*pfn_vbw)(BOOL, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_vb)(BOOL);
    void (AFX_MSG_CALL CWnd::*pfn_vwp)(UINT, CPoint);
    BOOL (AFX_MSG_CALL CWnd::*pfn_bwsp)(UINT, short, CPoint);
    BOOL (AFX_MSG_CALL CWnd::*pfn_bWww)(CWnd*, UINT, UINT);
    int (AFX_MSG_CALL CWnd::*pfn_iWww)(CWnd*, UINT, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_vW)(CWnd*);
    void (AFX_MSG_CALL CWnd::*pfn_vWp)(CWnd*, CPoint);
    void (AFX_MSG_CALL CWnd::*pfn_vwww)(UINT, UINT, UINT);
    UINT (AFX_MSG_CALL CWnd::*pfn_wv)();
    void (AFX_MSG_CALL CWnd::*pfn_vwwx)(UINT, UINT, CScrollBar*);
    void (AFX_MSG_CALL CWnd::*pfn_vws)(UINT, LPCTSTR);
    void (AFX_MSG_CALL CWnd::*pfn_vs)(LPCTSTR);
    void (AFX_MSG_CALL CWnd::*pfn_vMwb)(CMenu*, UINT, BOOL);
    void (AFX_MSG_CALL CWnd::*pfn_vwl)(UINT, LPARAM);
    HBRUSH (AFX_MSG_CALL CWnd::*pfn_hDWw)(CDC*, CWnd*, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_vOWNER)(int, LPDRAWITEMSTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_vMEASURE)(int, LPMEASUREITEMSTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_vDRAWITEM)(LPDRAWITEMSTRUCT);
    void (AFX_MSG_CALL CWnd::*pfn_vMEASUREITEM)(LPMEASUREITEMSTRUCT);
    HBRUSH (AFX_MSG_CALL CWnd::*pfn_hDw)(CDC*, UINT);
    void (AFX_MSG_CALL CWnd::*pfn_vwwREFLECT)(UINT, UINT);
};

// Calls a command or notification handler.  pExtra is the AFX_NOTIFY of
// WM_NOTIFY entries.  Returns whether the command counts as handled.
BOOL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, AFX_PMSG pfn,
                    void* pExtra, UINT_PTR nSig)
{
    MessageMapFunctions mmf;
    mmf.pfn = pfn;
    AFX_NOTIFY* pNotify = (AFX_NOTIFY*)pExtra;
    UNUSED(nCode);

    switch (nSig)
    {
    case AfxSig_vv:
        (pTarget->*mmf.pfnCmd_v_v)();
        return TRUE;
    case AfxSig_bv:
        return (pTarget->*mmf.pfnCmd_b_v)();
    case AfxSig_vw:
        (pTarget->*mmf.pfnCmd_v_u)(nID);
        return TRUE;
    case AfxSig_bw:
        return (pTarget->*mmf.pfnCmd_b_u)(nID);
    case AfxSig_vNMHDRpl:
        if (pNotify == NULL)
            return FALSE;
        (pTarget->*mmf.pfnNotify_v_NMHDR_pl)(pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    case AfxSig_bNMHDRpl:
        if (pNotify == NULL)
            return FALSE;
        return (pTarget->*mmf.pfnNotify_b_NMHDR_pl)(pNotify->pNMHDR, pNotify->pResult);
    case AfxSig_vwNMHDRpl:
        if (pNotify == NULL)
            return FALSE;
        (pTarget->*mmf.pfnNotify_v_u_NMHDR_pl)(nID, pNotify->pNMHDR, pNotify->pResult);
        return TRUE;
    case AfxSig_bwNMHDRpl:
        if (pNotify == NULL)
            return FALSE;
        return (pTarget->*mmf.pfnNotify_b_u_NMHDR_pl)(nID, pNotify->pNMHDR, pNotify->pResult);
    default:
        TRACE1("Warning: command entry with unknown signature %u ignored\n", (UINT)nSig);
        return FALSE;
    }
}

const AFX_MSGMAP* BaseMap(const AFX_MSGMAP* pMap)
{
    return pMap->pfnGetBaseMap != NULL ? (*pMap->pfnGetBaseMap)() : NULL;
}

// The entry for a plain window message in this map or its bases.
const AFX_MSGMAP_ENTRY* FindWindowEntry(const AFX_MSGMAP* pMap, UINT message)
{
    for (; pMap != NULL; pMap = BaseMap(pMap))
    {
        if (message < 0xC000)
        {
            const AFX_MSGMAP_ENTRY* lpEntry = AfxFindMessageEntry(pMap->lpEntries, message, 0, 0);
            if (lpEntry != NULL)
                return lpEntry;
        }
        else
        {
            // registered messages: the entry holds the variable's address
            for (const AFX_MSGMAP_ENTRY* lpEntry = pMap->lpEntries;
                 (lpEntry = AfxFindMessageEntry(lpEntry, 0xC000, 0, 0)) != NULL; lpEntry++)
            {
                if (*(const UINT*)lpEntry->nSig == message)
                    return lpEntry;
            }
        }
    }
    return NULL;
}

} // namespace

const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(const AFX_MSGMAP_ENTRY* lpEntry,
                                                   UINT nMsg, UINT nCode, UINT nID)
{
    for (; lpEntry->nSig != AfxSig_end; lpEntry++)
    {
        if (lpEntry->nMessage == nMsg && lpEntry->nCode == nCode &&
            nID >= lpEntry->nID && nID <= lpEntry->nLastID)
        {
            return lpEntry;
        }
    }
    return NULL;
}

/////////////////////////////////////////////////////////////////////////////
// CCmdTarget

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

// The root of every message map: no base map, no entries.
const AFX_MSGMAP* PASCAL CCmdTarget::_GetBaseMessageMap()
{
    return NULL;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return &CCmdTarget::messageMap;
}

const AFX_MSGMAP CCmdTarget::messageMap =
{
    &CCmdTarget::_GetBaseMessageMap, &CCmdTarget::_messageEntries[0]
};

const AFX_MSGMAP_ENTRY CCmdTarget::_messageEntries[] =
{
    { 0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0 }
};

CCmdTarget::CCmdTarget()
{
}

CCmdTarget::~CCmdTarget()
{
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // the message is packed into the high word of nCode (0 for WM_COMMAND)
    UINT nMsg = 0;
    if (nCode != (int)CN_UPDATE_COMMAND_UI)
    {
        nMsg = HIWORD(nCode);
        nCode = LOWORD(nCode);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;

    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL; pMap = BaseMap(pMap))
    {
        const AFX_MSGMAP_ENTRY* lpEntry =
            AfxFindMessageEntry(pMap->lpEntries, nMsg, (UINT)nCode, nID);
        if (lpEntry != NULL)
        {
            if (pHandlerInfo != NULL)
            {
                // only asked who would handle it
                pHandlerInfo->pTarget = this;
                pHandlerInfo->pmf = lpEntry->pfn;
                return TRUE;
            }
            return DispatchCmdMsg(this, nID, nCode, lpEntry->pfn, pExtra, lpEntry->nSig);
        }
    }
    return FALSE;
}

void CCmdTarget::BeginWaitCursor()
{
    ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
}

void CCmdTarget::EndWaitCursor()
{
    ::SetCursor(::LoadCursor(NULL, IDC_ARROW));
}

void CCmdTarget::RestoreWaitCursor()
{
    ::SetCursor(::LoadCursor(NULL, IDC_WAIT));
}

/////////////////////////////////////////////////////////////////////////////
// The window procedure

namespace {

// Window-procedure calls in progress on this thread, and framework message
// loops running on it (CWinThread::Run, CWnd::RunModalLoop).
thread_local int t_nWndProcDepth = 0;
thread_local int t_nFrameworkLoops = 0;

// What a message handler that threw gives the system: creation fails, a
// paint is taken as done, everything else answers 0.  Nothing is shown.
LRESULT DefaultWndProcException(HWND hWnd, UINT nMsg)
{
    TRACE1("Warning: exception in a handler of message 0x%04X; answered by default\n", nMsg);
    if (nMsg == WM_CREATE || nMsg == WM_NCCREATE)
        return nMsg == WM_CREATE ? -1 : FALSE;
    if (nMsg == WM_PAINT)
        ::ValidateRect(hWnd, NULL);
    return 0;
}

// Dialogs whose placement the handler of WM_INITDIALOG left alone are
// centred over their owner, as the framework's dialogs always were.
void PreInitDialog(CWnd* pWnd, LPRECT lpRectOld, DWORD* pdwStyleOld)
{
    ::GetWindowRect(pWnd->m_hWnd, lpRectOld);
    *pdwStyleOld = (DWORD)::GetWindowLongPtr(pWnd->m_hWnd, GWL_STYLE);
}

void PostInitDialog(CWnd* pWnd, const RECT& rectOld, DWORD dwStyleOld)
{
    if (!::IsWindow(pWnd->m_hWnd))
        return;
    DWORD dwStyle = (DWORD)::GetWindowLongPtr(pWnd->m_hWnd, GWL_STYLE);
    if (dwStyle & (WS_CHILD | WS_MINIMIZE | WS_MAXIMIZE))
        return;
    if ((dwStyle & WS_VISIBLE) && !(dwStyleOld & WS_VISIBLE))
        return;     // shown by the handler where it wanted it
    RECT rectNew;
    ::GetWindowRect(pWnd->m_hWnd, &rectNew);
    if (!::EqualRect(&rectOld, &rectNew))
        return;
    if (pWnd->CheckAutoCenter())
        pWnd->CenterWindow();
}

} // namespace

CAfxLiteFrameworkLoop::CAfxLiteFrameworkLoop()
{
    ++t_nFrameworkLoops;
}

CAfxLiteFrameworkLoop::~CAfxLiteFrameworkLoop()
{
    --t_nFrameworkLoops;
}

LRESULT AfxLiteWndProcException(CException* e, const MSG* pMsg)
{
    LRESULT lResult;
    CWinThread* pThread = AfxGetThread();
    if (e != NULL && pThread != NULL)
        lResult = pThread->ProcessWndProcException(e, pMsg);
    else
        lResult = DefaultWndProcException(pMsg->hwnd, pMsg->message);
    if (e != NULL)
        e->Delete();
    return lResult;
}

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    MSG oldState = pThreadState->m_lastSentMsg;     // save for nesting
    pThreadState->m_lastSentMsg.hwnd = hWnd;
    pThreadState->m_lastSentMsg.message = nMsg;
    pThreadState->m_lastSentMsg.wParam = wParam;
    pThreadState->m_lastSentMsg.lParam = lParam;
    pThreadState->m_lastSentMsg.time = (DWORD)::GetMessageTime();
    DWORD dwPos = ::GetMessagePos();
    pThreadState->m_lastSentMsg.pt.x = AFX_GET_X_LPARAM(dwPos);
    pThreadState->m_lastSentMsg.pt.y = AFX_GET_Y_LPARAM(dwPos);

    // Temporaries the outermost call of the thread makes are reclaimed when
    // it returns (below); those its caller made before stay.
    const unsigned long nTempMark = t_nWndProcDepth == 0 ? AfxLiteTempMark() : 0;
    ++t_nWndProcDepth;

    LRESULT lResult = 0;
    // No exception leaves a window procedure.
    try
    {
        RECT rectOld = { 0, 0, 0, 0 };
        DWORD dwStyle = 0;
        if (nMsg == WM_INITDIALOG)
            PreInitDialog(pWnd, &rectOld, &dwStyle);

        lResult = pWnd->WindowProc(nMsg, wParam, lParam);

        if (nMsg == WM_INITDIALOG)
            PostInitDialog(pWnd, rectOld, dwStyle);
    }
    catch (CException* e)
    {
        lResult = AfxLiteWndProcException(e, &pThreadState->m_lastSentMsg);
    }
    catch (...)
    {
        lResult = DefaultWndProcException(hWnd, nMsg);
    }

    --t_nWndProcDepth;
    pThreadState->m_lastSentMsg = oldState;

    // Back to a loop that is not the framework's (the host's own, a system
    // dialog's): no framework idle time will come, so what the call made
    // goes now.  Framework loops reclaim at their own idle time.
    if (t_nWndProcDepth == 0 && t_nFrameworkLoops == 0)
        AfxLiteDeleteTempsSince(nTempMark);
    return lResult;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    // special message which identifies the window as using AfxWndProc
    if (nMsg == WM_QUERYAFXWNDPROC)
        return 1;

    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL)
    {
        // Still subclassed, but its object let go of it without restoring
        // the procedure: nothing better than the default is left.  Said
        // once per window in a row, not for every message.
#ifdef _DEBUG
        static thread_local HWND s_hWndTold = NULL;
        if (s_hWndTold != hWnd)
        {
            s_hWndTold = hWnd;
            TRACE2("Warning: window %p has AfxWndProc but no CWnd object (message 0x%04X); "
                   "its own procedure is lost, DefWindowProc answers\n", (void*)hWnd, nMsg);
        }
#endif
        return ::DefWindowProc(hWnd, nMsg, wParam, lParam);
    }
    ASSERT(pWnd->m_hWnd == hWnd);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

WNDPROC AFXAPI AfxGetAfxWndProc()
{
    return &AfxWndProc;
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    return &AfxGetThreadState()->m_lastSentMsg;
}

/////////////////////////////////////////////////////////////////////////////
// CWnd message dispatch

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

WNDPROC* CWnd::GetSuperWndProcAddr()
{
    return &m_pfnSuper;
}

LRESULT CWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != NULL)
        return ::CallWindowProc(m_pfnSuper, m_hWnd, nMsg, wParam, lParam);

    WNDPROC pfnWndProc = *GetSuperWndProcAddr();
    if (pfnWndProc == NULL)
        return ::DefWindowProc(m_hWnd, nMsg, wParam, lParam);
    return ::CallWindowProc(pfnWndProc, m_hWnd, nMsg, wParam, lParam);
}

LRESULT CWnd::Default()
{
    // the message being dispatched, to the previous window procedure
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = 0;

    // commands and notifications are routed by OnCommand and OnNotify
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        if (pResult != NULL)
            *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY)
    {
        NMHDR* pNMHDR = (NMHDR*)lParam;
        if (pNMHDR == NULL || pNMHDR->hwndFrom == NULL ||
            !OnNotify(wParam, lParam, &lResult))
        {
            return FALSE;
        }
        if (pResult != NULL)
            *pResult = lResult;
        return TRUE;
    }

    // the Win32 control colour messages reach ON_WM_CTLCOLOR as WM_CTLCOLOR
    AFX_CTLCOLOR ctl;
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
    {
        ctl.hDC = (HDC)wParam;
        ctl.hWnd = (HWND)lParam;
        ctl.nCtlType = message - WM_CTLCOLORMSGBOX;
        message = WM_CTLCOLOR;
        wParam = 0;
        lParam = (LPARAM)&ctl;
    }

    const AFX_MSGMAP_ENTRY* lpEntry = FindWindowEntry(GetMessageMap(), message);
    if (lpEntry == NULL)
        return FALSE;

    MessageMapFunctions mmf;
    mmf.pfn = lpEntry->pfn;
    if (message >= 0xC000)
    {
        lResult = (this->*mmf.pfn_lwl)(wParam, lParam);
        if (pResult != NULL)
            *pResult = lResult;
        return TRUE;
    }

    switch (lpEntry->nSig)
    {
    case AfxSig_vv:
        (this->*mmf.pfn_vv)();
        break;
    case AfxSig_vw:
        (this->*mmf.pfn_vw)((UINT)wParam);
        break;
    case AfxSig_lwl:
        lResult = (this->*mmf.pfn_lwl)(wParam, lParam);
        break;
    case AfxSig_is:
        lResult = (this->*mmf.pfn_is)((LPCREATESTRUCT)lParam);
        break;
    case AfxSig_vwii:
        (this->*mmf.pfn_vwii)((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vvii:
        (this->*mmf.pfn_vvii)((short)LOWORD(lParam), (short)HIWORD(lParam));
        break;
    case AfxSig_bD:
        lResult = (this->*mmf.pfn_bD)(CDC::FromHandle((HDC)wParam));
        break;
    case AfxSig_vCALC:
        (this->*mmf.pfn_vCALC)((BOOL)wParam, (NCCALCSIZE_PARAMS*)lParam);
        break;
    case AfxSig_wp:
        lResult = (this->*mmf.pfn_wp)(CPoint(AFX_GET_X_LPARAM(lParam), AFX_GET_Y_LPARAM(lParam)));
        break;
    case AfxSig_vPOS:
        (this->*mmf.pfn_vPOS)((WINDOWPOS*)lParam);
        break;
    case AfxSig_vMINMAX:
        (this->*mmf.pfn_vMINMAX)((MINMAXINFO*)lParam);
        break;
    case AfxSig_vbw:
        (this->*mmf.pfn_vbw)((BOOL)wParam, (UINT)lParam);
        break;
    case AfxSig_vb:
        (this->*mmf.pfn_vb)((BOOL)wParam);
        break;
    case AfxSig_vwp:
        (this->*mmf.pfn_vwp)((UINT)wParam, CPoint(AFX_GET_X_LPARAM(lParam), AFX_GET_Y_LPARAM(lParam)));
        break;
    case AfxSig_bwsp:
        lResult = (this->*mmf.pfn_bwsp)(LOWORD(wParam), (short)HIWORD(wParam),
                                        CPoint(AFX_GET_X_LPARAM(lParam), AFX_GET_Y_LPARAM(lParam)));
        break;
    case AfxSig_bWww:
        // hit-test codes are signed (HTERROR is -2)
        lResult = (this->*mmf.pfn_bWww)(CWnd::FromHandle((HWND)wParam),
                                        (UINT)(int)(short)LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_iWww:
        lResult = (this->*mmf.pfn_iWww)(CWnd::FromHandle((HWND)wParam),
                                        (UINT)(int)(short)LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vW:
        (this->*mmf.pfn_vW)(CWnd::FromHandle((HWND)wParam));
        break;
    case AfxSig_vW2:
        (this->*mmf.pfn_vW)(CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_vWp:
        (this->*mmf.pfn_vWp)(CWnd::FromHandle((HWND)wParam),
                             CPoint(AFX_GET_X_LPARAM(lParam), AFX_GET_Y_LPARAM(lParam)));
        break;
    case AfxSig_vwww:
        (this->*mmf.pfn_vwww)((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_wv:
        lResult = (this->*mmf.pfn_wv)();
        break;
    case AfxSig_vwwx:
        (this->*mmf.pfn_vwwx)(LOWORD(wParam), HIWORD(wParam),
                              (CScrollBar*)CWnd::FromHandle((HWND)lParam));
        break;
    case AfxSig_vws:
        (this->*mmf.pfn_vws)((UINT)wParam, (LPCTSTR)lParam);
        break;
    case AfxSig_vs:
        (this->*mmf.pfn_vs)((LPCTSTR)lParam);
        break;
    case AfxSig_vMwb:
        (this->*mmf.pfn_vMwb)(CMenu::FromHandle((HMENU)wParam), LOWORD(lParam), HIWORD(lParam));
        break;
    case AfxSig_vwl:
        (this->*mmf.pfn_vwl)((UINT)wParam, lParam);
        break;
    case AfxSig_hDWw:
        {
            AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
            if (pCtl == NULL)
                return FALSE;
            lResult = (LRESULT)(this->*mmf.pfn_hDWw)(CDC::FromHandle(pCtl->hDC),
                                                     CWnd::FromHandle(pCtl->hWnd), pCtl->nCtlType);
        }
        break;
    case AfxSig_vOWNER:
        (this->*mmf.pfn_vOWNER)((int)wParam, (LPDRAWITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vMEASURE:
        (this->*mmf.pfn_vMEASURE)((int)wParam, (LPMEASUREITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vDRAWITEM:
        (this->*mmf.pfn_vDRAWITEM)((LPDRAWITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_vMEASUREITEM:
        (this->*mmf.pfn_vMEASUREITEM)((LPMEASUREITEMSTRUCT)lParam);
        lResult = TRUE;
        break;
    case AfxSig_hDw:
        {
            AFX_CTLCOLOR* pCtl = (AFX_CTLCOLOR*)lParam;
            if (pCtl == NULL)
                return FALSE;
            lResult = (LRESULT)(this->*mmf.pfn_hDw)(CDC::FromHandle(pCtl->hDC), pCtl->nCtlType);
        }
        break;
    case AfxSig_vwwREFLECT:
        (this->*mmf.pfn_vwwREFLECT)(LOWORD(wParam), HIWORD(wParam));
        break;
    default:
        TRACE1("Warning: message entry with unknown signature %u ignored\n", (UINT)lpEntry->nSig);
        return FALSE;
    }

    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = (HWND)lParam;
    int nCode = HIWORD(wParam);

    if (hWndCtrl == NULL)
    {
        // menu or accelerator; zero ids are not commands
        if (nID == 0)
            return FALSE;
        nCode = CN_COMMAND;
    }
    else
    {
        // control notification
        if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
            return TRUE;        // locked out - ignore control notification

        // offered to the control first
        if (ReflectLastMsg(hWndCtrl))
            return TRUE;        // eaten by child

        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, NULL, NULL);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMHDR = (NMHDR*)lParam;
    HWND hWndCtrl = pNMHDR->hwndFrom;

    // the id of the control itself, not the one in the header
    UINT nID = (UINT)::GetDlgCtrlID(hWndCtrl);
    int nCode = (int)pNMHDR->code;

    if (AfxGetThreadState()->m_hLockoutNotifyWindow == m_hWnd)
        return TRUE;        // locked out - ignore control notification

    // offered to the control first
    if (ReflectLastMsg(hWndCtrl, pResult))
        return TRUE;        // eaten by child

    AFX_NOTIFY notify;
    notify.pResult = pResult;
    notify.pNMHDR = pNMHDR;
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, NULL);
}

/////////////////////////////////////////////////////////////////////////////
// Reflection of child notifications

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWndChild);
    if (pWnd == NULL)
        return FALSE;
    return pWnd->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(uMsg, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    // Reflected messages go straight to this class's dispatch: they are not
    // routed to other command targets.
    switch (uMsg)
    {
    // plain messages: through the message map as WM_REFLECT_BASE + uMsg
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return CWnd::OnWndMsg(WM_REFLECT_BASE + uMsg, wParam, lParam, pResult);

    case WM_COMMAND:
        {
            int nCode = HIWORD(wParam);
            if (CCmdTarget::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_COMMAND), NULL, NULL))
            {
                if (pResult != NULL)
                    *pResult = 1;
                return TRUE;
            }
        }
        break;

    case WM_NOTIFY:
        {
            NMHDR* pNMHDR = (NMHDR*)lParam;
            if (pNMHDR == NULL)
                return FALSE;
            int nCode = (int)pNMHDR->code;
            AFX_NOTIFY notify;
            notify.pResult = pResult;
            notify.pNMHDR = pNMHDR;
            return CCmdTarget::OnCmdMsg(0, MAKELONG(nCode, WM_REFLECT_BASE + WM_NOTIFY),
                                        &notify, NULL);
        }

    default:
        if (uMsg >= WM_CTLCOLORMSGBOX && uMsg <= WM_CTLCOLORSTATIC)
        {
            AFX_CTLCOLOR ctl;
            ctl.hDC = (HDC)wParam;
            ctl.hWnd = (HWND)lParam;
            ctl.nCtlType = uMsg - WM_CTLCOLORMSGBOX;
            LRESULT lResult = 0;
            BOOL bResult = CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, (LPARAM)&ctl, &lResult);
            // a NULL brush means the control leaves the colours to its parent
            if (lResult == 0)
                return FALSE;
            if (pResult != NULL)
                *pResult = lResult;
            return bResult;
        }
        break;
    }
    return FALSE;   // let the parent handle it
}

/////////////////////////////////////////////////////////////////////////////
// CWnd's own message map: the parent side of reflection and the forwarding
// of system changes to child windows

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_CTLCOLOR()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_MESSAGE(WM_COMPAREITEM, OnOwnerItemMessage)
    ON_MESSAGE(WM_DELETEITEM, OnOwnerItemMessage)
    ON_MESSAGE(WM_CHARTOITEM, OnOwnerItemMessage)
    ON_MESSAGE(WM_VKEYTOITEM, OnOwnerItemMessage)
    ON_WM_NCDESTROY()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult;
    if (pWnd != NULL && ReflectLastMsg(pWnd->m_hWnd, &lResult))
        return (HBRUSH)lResult;     // the control chose its colours
    return (HBRUSH)Default();
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct != NULL && lpDrawItemStruct->CtlType != ODT_MENU &&
        ReflectLastMsg(lpDrawItemStruct->hwndItem))
    {
        return;     // drawn by the control
    }
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct != NULL && lpMeasureItemStruct->CtlType != ODT_MENU)
    {
        CWnd* pChild = GetDescendantWindow((int)lpMeasureItemStruct->CtlID, TRUE);
        if (pChild != NULL && pChild->SendChildNotifyLastMsg())
            return;     // measured by the control
    }
    Default();
}

LRESULT CWnd::OnOwnerItemMessage(WPARAM wParam, LPARAM lParam)
{
    const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
    HWND hWndChild = NULL;
    switch (msg.message)
    {
    case WM_COMPAREITEM:
        hWndChild = lParam != 0 ? ((LPCOMPAREITEMSTRUCT)lParam)->hwndItem : NULL;
        break;
    case WM_DELETEITEM:
        hWndChild = lParam != 0 ? ((LPDELETEITEMSTRUCT)lParam)->hwndItem : NULL;
        break;
    default:    // WM_CHARTOITEM, WM_VKEYTOITEM: the list box in lParam
        hWndChild = (HWND)lParam;
        break;
    }
    UNUSED(wParam);
    LRESULT lResult = 0;
    if (hWndChild != NULL && ReflectLastMsg(hWndChild, &lResult))
        return lResult;
    return Default();
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && ReflectLastMsg(pScrollBar->m_hWnd))
        return;     // handled by the control
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar != NULL && ReflectLastMsg(pScrollBar->m_hWnd))
        return;     // handled by the control
    Default();
}

void CWnd::OnSysColorChange()
{
    // top-level windows pass the change on to the framework's child windows
    if (!(GetStyle() & WS_CHILD))
        SendMessageToDescendants(WM_SYSCOLORCHANGE, 0, 0L, TRUE, TRUE);
    Default();
}

void CWnd::OnSettingChange(UINT, LPCTSTR)
{
    if (!(GetStyle() & WS_CHILD))
    {
        const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
        SendMessageToDescendants(msg.message, msg.wParam, msg.lParam, TRUE, TRUE);
    }
    Default();
}

void CWnd::OnNcDestroy()
{
    // the thread's main and active windows go away with it
    CWinThread* pThread = AfxGetThread();
    if (pThread != NULL)
    {
        if (pThread->m_pMainWnd == this)
        {
            if (pThread == AfxGetApp())
                AfxPostQuitMessage(0);
            pThread->m_pMainWnd = NULL;
        }
        if (pThread->m_pActiveWnd == this)
            pThread->m_pActiveWnd = NULL;
    }

    // the thread's tooltip forgets this window's tool
    if (m_nFlags & WF_TOOLTIPS)
        AfxLiteReleaseToolTipsOf(this);

    // default processing, then give the window its previous procedure back
    // unless somebody subclassed it after us
    LONG_PTR pfnWndProc = ::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC);
    Default();
    if (::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC) == pfnWndProc)
    {
        WNDPROC pfnSuper = *GetSuperWndProcAddr();
        if (pfnSuper != NULL)
            ::SetWindowLongPtr(m_hWnd, GWLP_WNDPROC, (LONG_PTR)pfnSuper);
    }
    Detach();
    ASSERT(m_hWnd == NULL);

    // the last thing done with the object: it may delete itself here
    PostNcDestroy();
}

void CWnd::PostNcDestroy()
{
    // nothing: CWnd objects are usually embedded or on the stack
}

/////////////////////////////////////////////////////////////////////////////
// Default message handlers: the previous window procedure

void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
int CWnd::OnCreate(LPCREATESTRUCT) { return (int)Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
UINT CWnd::OnGetDlgCode() { return (UINT)Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return (int)Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return (BOOL)Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
BOOL CWnd::OnNcCreate(LPCREATESTRUCT) { return (BOOL)Default(); }
UINT CWnd::OnNcHitTest(CPoint) { return (UINT)Default(); }
void CWnd::OnNcPaint() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnParentNotify(UINT, LPARAM) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnTimer(UINT) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnWinIniChange(LPCTSTR) { Default(); }
