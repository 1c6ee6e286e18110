// CWnd: modal loops and the owners of modal windows.

#include <afxwin.h>

#include "wnd_internal.h"

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
