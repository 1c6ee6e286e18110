// SplitterKeyboard.h - moving a splitter bar with the keys (internal).
//
//   CSplitterKeyboard   one bar's keyboard move: the arrows of its axis move
//                       the bar one pixel (ten with Ctrl) within the limits
//                       of a drag; Enter or the loss of the focus ends the
//                       move, which the bar then reports once; Escape puts
//                       the bar back. Only bars the host gave WS_TABSTOP
//                       take part; such a bar draws a focus rectangle
//                       while it has the focus and the window's focus
//                       cues are on.
#ifndef TESSARINE_SPLITTERKEYBOARD_H
#define TESSARINE_SPLITTERKEYBOARD_H

#include <afxwin.h>

#include "ControlInfo.h"
#include "SplitterAccessible.h"

class CSplitterKeyboard
{
public:
    // bVertical: the bar moves up and down (a y bar).
    explicit CSplitterKeyboard(BOOL bVertical);

    // Whether the host asked for keyboard moves of pBar (WS_TABSTOP).
    static BOOL Enabled(CWnd* pBar);
    // The bar's answer to WM_GETDLGCODE (pMsg: the message the dialog asks
    // about, or NULL): the arrows always, Enter and Escape during a move.
    UINT DlgCode(const MSG* pMsg) const;

    // A key pressed on pBar. rcClip: the cursor clip a drag pressed at the
    // bar's top left corner would get (screen), NULL when the limits leave
    // no room. Returns TRUE when the key was the bar's; *pnMoved is then
    // the displacement a move that just ended reports (0: nothing to
    // report).
    BOOL Key(CWnd* pBar, UINT nChar, BOOL bCtrl, const CRect* pClip, int* pnMoved);
    // Ends a move (the focus left): the displacement to report, or 0.
    int Finish();

    // The handlers both bars share; TBar (CxSplitterWnd, CySplitterWnd)
    // makes this class its friend.
    template <class TBar> static LRESULT OnGetObject(TBar* pBar, WPARAM wParam, LPARAM lParam);
    template <class TBar> static LRESULT OnGetDlgCode(TBar* pBar, LPARAM lParam);
    template <class TBar> static void OnKeyDown(TBar* pBar, UINT nChar);
    template <class TBar> static void OnKillFocus(TBar* pBar);
    // The focus came or the window's focus cues changed: repaint the cue.
    template <class TBar> static void OnFocusCueChange(TBar* pBar);
    template <class TBar> static void OnPaint(TBar* pBar);
    template <class TBar> static void OnDestroy(TBar* pBar);

    // Where a step of delta pixels from pos lands, kept within [lo, hi]
    // (the room of the bar's leading edge).
    static int Clamp(int pos, int delta, int lo, int hi);

    // Whether pBar shows that it has the keyboard focus.
    static BOOL ShowsFocus(CWnd* pBar);
    // The focus rectangle on pBar's client area, drawn within pPainted.
    static void DrawFocusCue(CWnd* pBar, CRgn* pPainted);

private:
    BOOL  m_bVertical;
    BOOL  m_bMoving;
    CRect m_rcStart;     // where the move began, in the parent's client area
    int   m_nOffset;     // from there, along the axis

    // The bar's keyboard state, made at the first key.
    template <class TBar> static CSplitterKeyboard* Of(TBar* pBar);
    // A keyboard move ended: the panes follow and the parent is told once,
    // as after a drag.
    template <class TBar> static void Report(TBar* pBar, int nMoved);
};

template <class TBar> LRESULT CSplitterKeyboard::OnGetObject(TBar* pBar, WPARAM wParam, LPARAM lParam)
{
    if ((LONG)lParam != OBJID_CLIENT)
        return pBar->Default();
    return CSplitterAccessible::Answer(pBar, TBar::kVertical, &pBar->m_pAccessible, wParam, lParam);
}

template <class TBar> LRESULT CSplitterKeyboard::OnGetDlgCode(TBar* pBar, LPARAM lParam)
{
    if (!Enabled(pBar))
        return pBar->Default();
    return Of(pBar)->DlgCode(reinterpret_cast<const MSG*>(lParam));
}

template <class TBar> void CSplitterKeyboard::OnKeyDown(TBar* pBar, UINT nChar)
{
    CRect rcClip;
    const BOOL bRoom = pBar->m_pParent != NULL && pBar->CalcDragClipRect(CPoint(0, 0), &rcClip);
    const BOOL bCtrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    int nMoved = 0;
    if (!Enabled(pBar) || !Of(pBar)->Key(pBar, nChar, bCtrl, bRoom ? &rcClip : NULL, &nMoved))
        pBar->Default();
    else if (nMoved != 0)
        Report(pBar, nMoved);
}

template <class TBar> void CSplitterKeyboard::OnKillFocus(TBar* pBar)
{
    pBar->Default();
    if (Enabled(pBar))
        pBar->Invalidate(FALSE);   // the focus cue goes
    const int nMoved = pBar->m_pKeys != NULL ? pBar->m_pKeys->Finish() : 0;
    if (nMoved != 0)
        Report(pBar, nMoved);
}

template <class TBar> void CSplitterKeyboard::OnFocusCueChange(TBar* pBar)
{
    pBar->Default();
    if (Enabled(pBar))
        pBar->Invalidate(FALSE);
}

// The static paints the bar; the cue is XORed over what it painted, and
// only there, so that every pixel of the cue is inverted exactly once.
template <class TBar> void CSplitterKeyboard::OnPaint(TBar* pBar)
{
    CRgn painted;
    const BOOL bCue = ShowsFocus(pBar) && painted.CreateRectRgn(0, 0, 0, 0) &&
                      pBar->GetUpdateRgn(&painted) != ERROR;
    pBar->Default();
    if (bCue)
        DrawFocusCue(pBar, &painted);
}

template <class TBar> void CSplitterKeyboard::OnDestroy(TBar* pBar)
{
    CAccessibleBase::Retire(pBar->m_pAccessible);
    pBar->Default();
}

template <class TBar> CSplitterKeyboard* CSplitterKeyboard::Of(TBar* pBar)
{
    if (pBar->m_pKeys == NULL)
        pBar->m_pKeys = new CSplitterKeyboard(TBar::kVertical);
    return pBar->m_pKeys;
}

template <class TBar> void CSplitterKeyboard::Report(TBar* pBar, int nMoved)
{
    if (pBar->m_pParent == NULL || !::IsWindow(pBar->m_pParent->m_hWnd))
        return;
    pBar->RecalcLayout();
    pBar->m_pParent->SendMessage(SPM_BARMOVED, (WPARAM)nMoved, (LPARAM)pBar->GetDlgCtrlID());
}

#endif // TESSARINE_SPLITTERKEYBOARD_H
