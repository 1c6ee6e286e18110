// Tooltips of windows that called EnableToolTips: one tooltip control per
// thread, owned by the top-level window of the window under the mouse, with
// one tool at a time, the one OnToolHitTest reports.

#include <afxcmn.h>

#include "wnd_internal.h"

namespace {

BOOL IsMouseMove(UINT message)
{
    return message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE || message == WM_LBUTTONUP ||
           message == WM_RBUTTONUP || message == WM_MBUTTONUP;
}

BOOL EndsTip(UINT message)
{
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK ||
           message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK ||
           message == WM_MBUTTONDOWN || message == WM_MBUTTONDBLCLK ||
           message == WM_NCLBUTTONDOWN || message == WM_NCLBUTTONDBLCLK ||
           message == WM_NCRBUTTONDOWN || message == WM_NCRBUTTONDBLCLK ||
           message == WM_NCMBUTTONDOWN || message == WM_NCMBUTTONDBLCLK ||
           message == WM_CANCELMODE;
}

// Removes the tool the thread's tooltip shows.
void ForgetLastTool(_AFX_THREAD_STATE* pState)
{
    CToolTipCtrl* pToolTip = pState->m_pToolTip;
    if (pToolTip != NULL && ::IsWindow(pToolTip->m_hWnd) && pState->m_lastInfo.cbSize != 0)
        pToolTip->SendMessage(TTM_DELTOOL, 0, (LPARAM)&pState->m_lastInfo);
    ZeroMemory(&pState->m_lastInfo, sizeof(pState->m_lastInfo));
    pState->m_hWndLastHit = NULL;
    pState->m_nLastHit = -1;
}

} // namespace

void AfxLiteDeleteThreadToolTip(_AFX_THREAD_STATE* pState)
{
    ForgetLastTool(pState);
    CToolTipCtrl* pToolTip = pState->m_pToolTip;
    pState->m_pToolTip = NULL;
    if (pToolTip != NULL)
    {
        if (::IsWindow(pToolTip->m_hWnd))
            pToolTip->DestroyWindow();
        delete pToolTip;
    }
}

void AfxLiteReleaseToolTipsOf(CWnd* pWnd)
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hWndLastHit == pWnd->m_hWnd)
        ForgetLastTool(pState);
    // a tooltip owned by the window would go with it
    CToolTipCtrl* pToolTip = pState->m_pToolTip;
    if (pToolTip != NULL && ::IsWindow(pToolTip->m_hWnd) &&
        ::GetWindow(pToolTip->m_hWnd, GW_OWNER) == pWnd->m_hWnd)
    {
        AfxLiteDeleteThreadToolTip(pState);
    }
}

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    if (bEnable)
    {
        m_nFlags |= WF_TOOLTIPS;
    }
    else if (m_nFlags & WF_TOOLTIPS)
    {
        if (m_hWnd != NULL)
            AfxLiteReleaseToolTipsOf(this);
        m_nFlags &= ~WF_TOOLTIPS;
    }
    return TRUE;
}

void PASCAL CWnd::CancelToolTips(BOOL)
{
    CToolTipCtrl* pToolTip = AfxGetThreadState()->m_pToolTip;
    if (pToolTip != NULL && ::IsWindow(pToolTip->m_hWnd))
        pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
}

BOOL CWnd::IsTopParentActive() const
{
    CWnd* pTop = GetTopLevelParent();
    if (pTop == NULL)
        return FALSE;
    HWND hForeground = ::GetForegroundWindow();
    return hForeground != NULL &&
           (hForeground == pTop->m_hWnd || hForeground == ::GetLastActivePopup(pTop->m_hWnd));
}

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    // the window nearest to the message's target that shows tips decides
    HWND hWndTips = pMsg->hwnd;
    while (hWndTips != NULL)
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWndTips);
        if (pWnd != NULL && (pWnd->m_nFlags & WF_TOOLTIPS))
            break;
        hWndTips = ::GetParent(hWndTips);
    }
    if (hWndTips != m_hWnd)
        return;

    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    UINT message = pMsg->message;
    if (!IsMouseMove(message))
    {
        if (EndsTip(message))
            CancelToolTips((message >= WM_KEYFIRST && message <= WM_KEYLAST));
        return;
    }

    // the tooltip belongs to the top-level window of this one
    CWnd* pOwner = GetParentOwner();
    CToolTipCtrl* pToolTip = pState->m_pToolTip;
    if (pToolTip != NULL &&
        (!::IsWindow(pToolTip->m_hWnd) || ::GetWindow(pToolTip->m_hWnd, GW_OWNER) != pOwner->GetSafeHwnd()))
    {
        AfxLiteDeleteThreadToolTip(pState);
        pToolTip = NULL;
    }
    if (pToolTip == NULL)
    {
        pToolTip = new CToolTipCtrl;
        if (!pToolTip->Create(pOwner, TTS_ALWAYSTIP))
        {
            TRACE0("Error in creating ToolTip\n");
            delete pToolTip;
            return;
        }
        pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
        pState->m_pToolTip = pToolTip;
    }

    TOOLINFO tiHit;
    ZeroMemory(&tiHit, sizeof(tiHit));
    tiHit.cbSize = TTTOOLINFOA_V2_SIZE;
    POINT pt = pMsg->pt;
    ::ScreenToClient(m_hWnd, &pt);
    int nHit = OnToolHitTest(CPoint(pt), &tiHit);

    if (nHit != pState->m_nLastHit || (nHit != -1 && pState->m_hWndLastHit != m_hWnd))
    {
        // another tool: register it, and show tips for it when this
        // window's top level is active or the tool asks for always
        if (nHit != -1)
        {
            TOOLINFO ti = tiHit;
            ti.uFlags &= ~(TTF_NOTBUTTON | TTF_ALWAYSTIP);
            pToolTip->SendMessage(TTM_ADDTOOL, 0, (LPARAM)&ti);
            if ((tiHit.uFlags & TTF_ALWAYSTIP) || IsTopParentActive())
            {
                pToolTip->SendMessage(TTM_ACTIVATE, TRUE);
                ::SetWindowPos(pToolTip->m_hWnd, HWND_TOP, 0, 0, 0, 0,
                               SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE);
            }
        }
        else
        {
            pToolTip->SendMessage(TTM_ACTIVATE, FALSE);
        }

        // relay the event before the old tool goes
        pToolTip->SendMessage(TTM_RELAYEVENT, 0, (LPARAM)pMsg);
        ForgetLastTool(pState);
        if (nHit != -1)
        {
            pState->m_hWndLastHit = m_hWnd;
            pState->m_nLastHit = nHit;
            pState->m_lastInfo = tiHit;
        }
    }
    else if (nHit != -1)
    {
        pToolTip->SendMessage(TTM_RELAYEVENT, 0, (LPARAM)pMsg);
    }
}
