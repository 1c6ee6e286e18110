/// @file ySplitterWnd.h
/// The vertical splitter.
///
/// - CySplitterWnd: a static control of a dialog (or any parent) made into a
///   horizontal bar that the user drags up and down; the panes attached above
///   and below it are moved or stretched to follow, hidden while they do not
///   fit between the area's margins and shown again when they do; the parent
///   gets SPM_BARMOVED.
#ifndef TESSARINE_YSPLITTERWND_H
#define TESSARINE_YSPLITTERWND_H

#include <afxwin.h>
#include <afxtempl.h>

#include "ControlInfo.h"

/// @cond IMPLEMENTATION
class CSplitterAccessible;
class CSplitterKeyboard;
/// @endcond

/// A static control of a dialog made into a horizontal bar that the user
/// drags up and down; the panes attached above and below it are moved or
/// stretched to follow (see ControlInfo), hidden while they do not fit
/// between the area's margins and shown again when they do; the parent gets
/// #SPM_BARMOVED.
///
/// @image html splitters_dragged.png "An x bar and a y bar in the gallery, a moment after both were dragged"
///
/// Messages handled: WM_SETCURSOR (the sizing cursor over the bar) and
/// WM_LBUTTONDOWN, which runs the drag: the cursor is clipped to the room the
/// minimums leave, a nested message loop follows the mouse until the button
/// is released, the panes follow the bar, and #SPM_BARMOVED (0x8F63;
/// wParam: the signed displacement in pixels, lParam: the bar's identifier)
/// is sent to the parent when the bar moved.
///
/// Accessibility: the bar answers WM_GETOBJECT with an IAccessible of its
/// own, a grip named by the static label just before it in the dialog (or
/// "Splitter") whose value is its top edge in the parent, in pixels.
///
/// Keyboard, for a bar the host gives WS_TABSTOP: Up and Down move the bar one
/// pixel, ten with Ctrl, within the limits of a drag; Enter or the loss of
/// the focus ends the move (the panes follow, #SPM_BARMOVED is sent once
/// with the whole displacement), Escape puts the bar back. While it has
/// the focus the bar draws a dotted focus rectangle over its edges (not
/// while the window's focus cues are off). Without WS_TABSTOP the bar
/// takes no keys and draws no focus.
///
/// Threads: the thread that owns the dialog only. The splitter never owns
/// the panes it moves.
///
/// @par Example
/// @snippet host.cpp splitters
class AFX_EXT_CLASS CySplitterWnd : public CWnd
{
public:
// Construction
    /// Not bound; minimums and margins 0.
    CySplitterWnd();
    /// Forgets the panes; the static control stays with the dialog.
    virtual ~CySplitterWnd();

    /// Subclasses pParent's item nID as the bar and adds SS_NOTIFY to it;
    /// the minimums and margins keep their values. FALSE, with nothing
    /// changed, when there is no such item or it cannot be subclassed (it
    /// is bound elsewhere, or this object is already bound).
    BOOL BindWithControl(CWnd* pParent, DWORD nID);
    /// Forgets every pane and gives the static control back.
    void Unbind();

// Attributes
    /// Room a drag keeps free above and below the bar, in pixels.
    void SetMinHeight(int nMinAbove, int nMinBelow);
    /// Margins at the top and bottom of the parent's client area: a moved
    /// pane that would reach into them is hidden.
    void SetAreaMargins(int nTop, int nBottom);

// Operations
    /// Appends a pane above the bar, given by its control identifier in the
    /// parent: nGap pixels between its bottom edge and the bar; bStretch: its
    /// top edge stays and it is resized, else it is moved. Always TRUE.
    BOOL AttachAsAbovePane(DWORD nID, int nGap, BOOL bStretch);
    /// Appends a pane below the bar, as AttachAsAbovePane (the gap lies
    /// between the bar and the pane's top edge).
    BOOL AttachAsBelowPane(DWORD nID, int nGap, BOOL bStretch);
    /// Places, hides or shows every pane against the bar's current position.
    void RecalcLayout();

protected:
// Implementation
    /// @cond IMPLEMENTATION
    // The cursor clipping rectangle (screen) of a drag pressed at pt (bar
    // client coordinates); FALSE when the limits leave no room.
    BOOL CalcDragClipRect(CPoint pt, CRect* pClip);

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    // Accessibility and keyboard moves
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetDlgCodeMsg(WPARAM wParam, LPARAM lParam);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnPaint();
    afx_msg LRESULT OnUpdateUIStateMsg(WPARAM wParam, LPARAM lParam);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
    friend class CSplitterKeyboard;
    enum { kVertical = TRUE };     // the axis the bar moves along

    CWnd*                              m_pParent;
    CArray<ControlInfo, ControlInfo&>  m_abovePanes;
    CArray<ControlInfo, ControlInfo&>  m_belowPanes;
    int                                m_nMinAbove;
    int                                m_nMinBelow;
    CRect                              m_rcMargins;   // top and bottom used
    CSplitterAccessible*               m_pAccessible = NULL;   // made at the first WM_GETOBJECT
    CSplitterKeyboard*                 m_pKeys = NULL;         // made at the first key
    /// @endcond
};

#endif // TESSARINE_YSPLITTERWND_H
