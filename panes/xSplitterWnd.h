/// @file xSplitterWnd.h
/// The horizontal splitter.
///
/// - CxSplitterWnd: a static control of a dialog (or any parent) made into a
///   vertical bar that the user drags left and right; the panes attached left
///   and right of it are moved or stretched to follow, and the parent gets
///   SPM_BARMOVED.
#ifndef TESSARINE_XSPLITTERWND_H
#define TESSARINE_XSPLITTERWND_H

#include <afxwin.h>
#include <afxtempl.h>

#include "ControlInfo.h"

/// @cond IMPLEMENTATION
class CSplitterAccessible;
class CSplitterKeyboard;
/// @endcond

/// A static control of a dialog made into a vertical bar that the user drags
/// left and right; the panes attached left and right of it are moved or
/// stretched to follow (see ControlInfo), and the parent gets #SPM_BARMOVED.
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
/// "Splitter") whose value is its left edge in the parent, in pixels.
///
/// Keyboard, for a bar the host gives WS_TABSTOP: Left and Right move the bar one
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
class AFX_EXT_CLASS CxSplitterWnd : public CWnd
{
public:
// Construction
    /// Not bound (BindWithControl sets the minimums to 10).
    CxSplitterWnd();
    /// Forgets the panes; the static control stays with the dialog.
    virtual ~CxSplitterWnd();

    /// Subclasses pParent's item nID as the bar, adds SS_NOTIFY to it and
    /// sets both minimums to 10. FALSE, with nothing changed, when there is
    /// no such item or it cannot be subclassed (it is bound elsewhere, or
    /// this object is already bound).
    BOOL BindWithControl(CWnd* pParent, DWORD nID);
    /// Forgets every pane and gives the static control back.
    void Unbind();

// Attributes
    /// Room a drag keeps free left and right of the bar, in pixels.
    void SetMinWidth(int nMinLeft, int nMinRight);

// Operations
    /// Appends a pane left of the bar, given by its control identifier in
    /// the parent: nGap pixels between its right edge and the bar; bStretch:
    /// its left edge stays and it is resized, else it is moved. Always TRUE.
    BOOL AttachAsLeftPane(DWORD nID, int nGap, BOOL bStretch);
    /// Appends a pane right of the bar, as AttachAsLeftPane (the gap lies
    /// between the bar and the pane's left edge).
    BOOL AttachAsRightPane(DWORD nID, int nGap, BOOL bStretch);
    /// Places every pane against the bar's current position.
    void RecalcLayout();

protected:
// Implementation
    /// @cond IMPLEMENTATION
    // Panes given by a window instead of an identifier.
    BOOL AttachWindowAsLeftPane(CWnd* pWnd, int nGap, BOOL bStretch);
    BOOL AttachWindowAsRightPane(CWnd* pWnd, int nGap, BOOL bStretch);
    // The cursor clipping rectangle (screen) of a drag pressed at pt (bar
    // client coordinates); FALSE when the limits leave no room.
    BOOL CalcDragClipRect(CPoint pt, CRect* pClip);

    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
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
    enum { kVertical = FALSE };     // the axis the bar moves along

    CWnd*                              m_pParent;
    CArray<ControlInfo, ControlInfo&>  m_leftPanes;
    CArray<ControlInfo, ControlInfo&>  m_rightPanes;
    int                                m_nMinLeft;
    int                                m_nMinRight;
    CSplitterAccessible*               m_pAccessible = NULL;   // made at the first WM_GETOBJECT
    CSplitterKeyboard*                 m_pKeys = NULL;         // made at the first key
    /// @endcond
};

#endif // TESSARINE_XSPLITTERWND_H
