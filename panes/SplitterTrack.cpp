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
// for that loop as long as the user holds the button, and its queue need
// never run dry meanwhile (a busy timer keeps it full), so it deletes them
// after every message it dispatches; otherwise every temporary made by a
// handler would live until the drag ends. A temporary is only good for the
// message it was made in, so no handler loses one it may still use. A lock
// that a caller further up holds is respected (the count does not reach 0
// then), and a parent that is itself a temporary keeps the maps as they
// are, since the bar still needs it after the loop.
class CTempMapCleaner
{
public:
    explicit CTempMapCleaner(CWnd* pParent)
        : m_bEnabled(CWnd::FromHandlePermanent(pParent->m_hWnd) == pParent)
    {
    }

    void AfterDispatch()
    {
        if (!m_bEnabled)
            return;
        AfxLockTempMaps();
        AfxUnlockTempMaps(TRUE);
    }

private:
    BOOL m_bEnabled;
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
    CTempMapCleaner cleaner(pParent);
    MSG msg;
    for (;;)
    {
        BOOL bGot = ::GetMessage(&msg, NULL, 0, 0);
        if (bGot <= 0)
        {
            // WM_QUIT ends the drag; it is posted again for the loop that
            // is waiting for it.
            if (bGot == 0)
                ::PostQuitMessage((int)msg.wParam);
            break;
        }
        if (::GetCapture() != hBar)
            break;      // the capture went elsewhere: that message is dropped

        if (msg.message == WM_MOUSEMOVE)
        {
            // The cursor is clipped to rcClip, but a move posted by other
            // means is not: its point is held to rcClip as the cursor is.
            CPoint pt((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam));
            ::ClientToScreen(hBar, &pt);
            pt.x = pt.x < rcClip.left ? rcClip.left : pt.x >= rcClip.right ? rcClip.right - 1 : pt.x;
            pt.y = pt.y < rcClip.top ? rcClip.top : pt.y >= rcClip.bottom ? rcClip.bottom - 1 : pt.y;
            ::ScreenToClient(hBar, &pt);
            msg.lParam = MAKELPARAM(pt.x, pt.y);
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
        {
            ::DispatchMessage(&msg);
            cleaner.AfterDispatch();
        }
    }

    dc.DrawDragRect(&rcLast, size, NULL, size);
    ::ReleaseDC(hParent, dc.Detach());
    ::ReleaseCapture();
    ::ClipCursor(NULL);

    *prcLast = rcLast;
    return delta;
}
