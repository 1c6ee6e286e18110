// SplitterKeyboard.h - moving a splitter bar with the keys (internal).
//
//   CSplitterKeyboard   one bar's keyboard move: the arrows of its axis move
//                       the bar one pixel (ten with Ctrl) within the limits
//                       of a drag; Enter or the loss of the focus ends the
//                       move, which the bar then reports once; Escape puts
//                       the bar back. Only bars the host gave WS_TABSTOP
//                       take part.
#ifndef TESSARINE_SPLITTERKEYBOARD_H
#define TESSARINE_SPLITTERKEYBOARD_H

#include <afxwin.h>

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

    // Where a step of delta pixels from pos lands, kept within [lo, hi]
    // (the room of the bar's leading edge).
    static int Clamp(int pos, int delta, int lo, int hi);

private:
    BOOL  m_bVertical;
    BOOL  m_bMoving;
    CRect m_rcStart;     // where the move began, in the parent's client area
    int   m_nOffset;     // from there, along the axis
};

#endif // TESSARINE_SPLITTERKEYBOARD_H
