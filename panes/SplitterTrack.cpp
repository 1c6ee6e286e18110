// SplitterTrack.cpp - the modal drag of a splitter bar.
#include "SplitterTrack.h"

#include "WndLifetime.h"

#ifdef AFXLITE_API
#include <afxlitetemp.h>   // the layer's marks of the temporary maps
#endif

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
// never run dry meanwhile (a busy timer keeps it full), so it deletes the
// temporaries made since the drag began after every message it dispatches;
// otherwise every temporary made by a handler would live until the drag
// ends. Those made before (by a caller that still holds one across a modal
// dialog in which the user drags a bar, or the bar's parent itself) stay,
// and a lock that a caller further up holds is respected. The genuine
// framework has no such mark: built on it, the loop leaves all of them to
// the framework's idle time.
class CTempMapCleaner
{
public:
    CTempMapCleaner()
#ifdef AFXLITE_API
        : m_nMark(AfxLiteTempMark())
#endif
    {
    }

    void AfterDispatch()
    {
#ifdef AFXLITE_API
        AfxLiteDeleteTempsSince(m_nMark);
#endif
    }

private:
#ifdef AFXLITE_API
    unsigned long m_nMark;
#endif
};

// Whether the cursor is still clipped to rcClip (no one has clipped it
// otherwise since).
BOOL ClipStillOurs(const CRect& rcClip)
{
    CRect rcNow;
    return ::GetClipCursor(&rcNow) && rcNow == rcClip;
}

} // namespace

BOOL SplitterTrackBar(CWnd* pBar, CWnd* pParent, CPoint ptPress, const CRect& rcClip,
                      BOOL bVertical, int* pDelta, CRect* prcLast)
{
    const HWND hBar = pBar->m_hWnd;
    const HWND hParent = pParent->m_hWnd;

    ::ClipCursor(&rcClip);
    ::SetCapture(hBar);
    // The clip as the system keeps it (within the screen), to know it
    // again when the drag ends.
    CRect rcClipSet;
    ::GetClipCursor(&rcClipSet);

    // The parent's client DC, held by a local object rather than a
    // temporary one, so that clean-ups during the loop leave it alone.
    CDC dc;
    dc.Attach(::GetDC(hParent));

    const CRect rcBar = SplitterRectInParent(hBar, hParent);
    const CSize size(rcBar.Width(), rcBar.Height());
    // A frame as thick as the rectangle is large: a solid halftone ghost.
    dc.DrawDragRect(&rcBar, size, NULL, size);

    CRect rcLast = rcBar;
    int delta = 0;
    CTempMapCleaner cleaner;
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
        {
            // The capture went elsewhere: the drag ends, and the message
            // that showed it is handled like any other, not lost.
            ::DispatchMessage(&msg);
            break;
        }

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
            // A handler took the capture, or destroyed the bar (which
            // takes its capture along): the drag ends now.
            if (::GetCapture() != hBar)
                break;
        }
    }

    dc.DrawDragRect(&rcLast, size, NULL, size);
    ::ReleaseDC(hParent, dc.Detach());
    // Only what the bar still holds is given up: a window that took the
    // capture, or clipped the cursor its own way, keeps it.
    if (::GetCapture() == hBar)
        ::ReleaseCapture();
    if (ClipStillOurs(rcClipSet))
        ::ClipCursor(NULL);

    *pDelta = delta;
    *prcLast = rcLast;
    // A handler may have destroyed the bar or its parent, and deleted the
    // bar's object (a modeless dialog closed meanwhile).
    return IsWndStillBound(pBar, hBar) && ::IsWindow(hParent);
}
