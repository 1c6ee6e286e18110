// SplitterKeyboard.cpp - keyboard moves of a splitter bar.
#include "SplitterKeyboard.h"

#include "SplitterAccessible.h"
#include "SplitterTrack.h"

namespace {

const int kStep = 1;
const int kCtrlStep = 10;

} // namespace

CSplitterKeyboard::CSplitterKeyboard(BOOL bVertical)
    : m_bVertical(bVertical), m_bMoving(FALSE), m_rcStart(0, 0, 0, 0), m_nOffset(0)
{
}

BOOL CSplitterKeyboard::Enabled(CWnd* pBar)
{
    return (pBar->GetStyle() & WS_TABSTOP) != 0;
}

// Focus cues are off in a window opened with the mouse until the keyboard
// is used in it (WM_QUERYUISTATE), as for the system's own controls.
BOOL CSplitterKeyboard::ShowsFocus(CWnd* pBar)
{
    return Enabled(pBar) && ::GetFocus() == pBar->GetSafeHwnd() &&
           (pBar->SendMessage(WM_QUERYUISTATE) & UISF_HIDEFOCUS) == 0;
}

void CSplitterKeyboard::DrawFocusCue(CWnd* pBar, CRgn* pPainted)
{
    CClientDC dc(pBar);
    dc.SelectClipRgn(pPainted);
    CRect rc;
    pBar->GetClientRect(&rc);
    dc.DrawFocusRect(&rc);
}

UINT CSplitterKeyboard::DlgCode(const MSG* pMsg) const
{
    UINT code = DLGC_WANTARROWS;
    if (m_bMoving && pMsg != NULL && pMsg->message == WM_KEYDOWN &&
        (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE))
        code |= DLGC_WANTMESSAGE;
    return code;
}

int CSplitterKeyboard::Clamp(int pos, int delta, int lo, int hi)
{
    return SplitterMax(lo, SplitterMin(hi, pos + delta));
}

BOOL CSplitterKeyboard::Key(CWnd* pBar, UINT nChar, BOOL bCtrl, const CRect* pClip, int* pnMoved)
{
    *pnMoved = 0;
    const UINT back = m_bVertical ? VK_UP : VK_LEFT;
    const UINT ahead = m_bVertical ? VK_DOWN : VK_RIGHT;
    const HWND hBar = pBar->GetSafeHwnd();
    const HWND hParent = ::GetParent(hBar);
    if (nChar == VK_RETURN)
    {
        *pnMoved = Finish();
        return TRUE;
    }
    if (nChar == VK_ESCAPE)
    {
        if (m_bMoving)
        {
            m_bMoving = FALSE;
            m_nOffset = 0;
            pBar->MoveWindow(&m_rcStart, TRUE);
            ::InvalidateRect(hParent, NULL, TRUE);
            CSplitterAccessible::Moved(hBar);
        }
        return TRUE;
    }
    if (nChar != back && nChar != ahead)
        return FALSE;
    if (pClip == NULL)
        return TRUE;

    CRect rc = SplitterRectInParent(hBar, hParent);
    if (!m_bMoving)
    {
        m_bMoving = TRUE;
        m_rcStart = rc;
        m_nOffset = 0;
    }
    // The leading edge may go where a drag's clipped cursor takes it: the
    // clip's near edge to its far edge less one (the far edge is
    // exclusive), in the parent's client coordinates.
    CPoint lo = pClip->TopLeft();
    CPoint hi = pClip->BottomRight();
    ::ScreenToClient(hParent, &lo);
    ::ScreenToClient(hParent, &hi);
    const int step = (nChar == ahead ? 1 : -1) * (bCtrl ? kCtrlStep : kStep);
    const int pos = m_bVertical ? rc.top : rc.left;
    const int to = m_bVertical ? Clamp(pos, step, lo.y, hi.y - 1) : Clamp(pos, step, lo.x, hi.x - 1);
    if (to == pos)
        return TRUE;
    rc.OffsetRect(m_bVertical ? 0 : to - pos, m_bVertical ? to - pos : 0);
    m_nOffset += to - pos;
    pBar->MoveWindow(&rc, TRUE);
    ::InvalidateRect(hParent, NULL, TRUE);
    CSplitterAccessible::Moved(hBar);
    return TRUE;
}

int CSplitterKeyboard::Finish()
{
    const int moved = m_bMoving ? m_nOffset : 0;
    m_bMoving = FALSE;
    m_nOffset = 0;
    return moved;
}
