// SplitterTrack.cpp - the modal drag of a splitter bar.
#include "SplitterTrack.h"

HWND SplitterPaneWindow(HWND hParent, const ControlInfo& pane)
{
    HWND hWnd = NULL;
    if (pane.isWindowPtr)
    {
        CWnd* pWnd = reinterpret_cast<CWnd*>(pane.control);
        hWnd = pWnd != NULL ? pWnd->m_hWnd : NULL;
    }
    else
        hWnd = ::GetDlgItem(hParent, (int)pane.control);
    return hWnd != NULL && ::IsWindow(hWnd) ? hWnd : NULL;
}

CRect SplitterScreenRect(HWND hWnd)
{
    CRect rc;
    ::GetWindowRect(hWnd, &rc);
    return rc;
}

CRect SplitterRectInParent(HWND hWnd, HWND hParent)
{
    CRect rc = SplitterScreenRect(hWnd);
    ::ScreenToClient(hParent, reinterpret_cast<LPPOINT>(&rc.left));
    ::ScreenToClient(hParent, reinterpret_cast<LPPOINT>(&rc.right));
    return rc;
}

namespace {

// The framework deletes temporary objects (CWnd::FromHandle wrappers and
// the like) when its own message loop goes idle. The drag's loop stands in
// for that loop as long as the user holds the button, so it does the same
// whenever its queue runs dry; otherwise every temporary made by a handler
// it dispatches would live until the drag ends. A lock that a caller
// further up holds is respected (the count does not reach 0 then), and a
// parent that is itself a temporary keeps the maps as they are, since the
// bar still needs it after the loop.
class CIdleTempCleaner
{
public:
    explicit CIdleTempCleaner(CWnd* pParent)
        : m_bEnabled(CWnd::FromHandlePermanent(pParent->m_hWnd) == pParent), m_bPending(TRUE)
    {
    }

    // Called before waiting for the next message.
    void BeforeWait()
    {
        MSG msg;
        if (!m_bEnabled || !m_bPending || ::PeekMessage(&msg, NULL, 0, 0, PM_NOREMOVE))
            return;
        AfxLockTempMaps();
        AfxUnlockTempMaps(TRUE);
        m_bPending = FALSE;     // once per idle period
    }

    // Called for every message taken from the queue.
    void MessageTaken() { m_bPending = TRUE; }

private:
    BOOL m_bEnabled;
    BOOL m_bPending;
};

} // namespace

int SplitterTrackBar(CWnd* pBar, CWnd* pParent, CPoint ptPress, const CRect& rcClip,
                     BOOL bVertical, CRect* prcLast)
{
    HWND hBar = pBar->m_hWnd;
    HWND hParent = pParent->m_hWnd;

    ::ClipCursor(&rcClip);
    ::SetCapture(hBar);

    // The parent's client DC, held by a local object rather than a
    // temporary one, so that idle clean-ups during the loop leave it alone.
    CDC dc;
    dc.Attach(::GetDC(hParent));

    const CRect rcBar = SplitterRectInParent(hBar, hParent);
    const CSize size(rcBar.Width(), rcBar.Height());
    // A frame as thick as the rectangle is large: a solid halftone ghost.
    dc.DrawDragRect(&rcBar, size, NULL, size);

    CRect rcLast = rcBar;
    int delta = 0;
    CIdleTempCleaner cleaner(pParent);
    MSG msg;
    for (;;)
    {
        cleaner.BeforeWait();
        BOOL bGot = ::GetMessage(&msg, NULL, 0, 0);
        if (bGot <= 0)
        {
            // WM_QUIT ends the drag; it is posted again for the loop that
            // is waiting for it.
            if (bGot == 0)
                ::PostQuitMessage((int)msg.wParam);
            break;
        }
        cleaner.MessageTaken();
        if (::GetCapture() != hBar)
            break;      // the capture went elsewhere: that message is dropped

        if (msg.message == WM_MOUSEMOVE)
        {
            CRect rcNew = rcBar;
            if (bVertical)
            {
                delta = (short)HIWORD(msg.lParam) - ptPress.y;
                rcNew.OffsetRect(0, delta);
            }
            else
            {
                delta = (short)LOWORD(msg.lParam) - ptPress.x;
                rcNew.OffsetRect(delta, 0);
            }
            dc.DrawDragRect(&rcNew, size, &rcLast, size);
            rcLast = rcNew;
        }
        else if (msg.message == WM_KEYDOWN)
        {
            if (msg.wParam == VK_ESCAPE)
                break;  // like a release: the tracked place is kept
            // other keys are lost while dragging
        }
        else if (msg.message == WM_LBUTTONUP || msg.message == WM_RBUTTONDOWN)
            break;
        else
            ::DispatchMessage(&msg);
    }

    dc.DrawDragRect(&rcLast, size, NULL, size);
    ::ReleaseDC(hParent, dc.Detach());
    ::ReleaseCapture();
    ::ClipCursor(NULL);

    *prcLast = rcLast;
    return delta;
}
