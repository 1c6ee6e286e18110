// xSplitterWnd.h - the horizontal splitter.
//
//   CxSplitterWnd   a static control of a dialog (or any parent) made into
//                   a vertical bar that the user drags left and right; the
//                   panes attached left and right of it are moved or
//                   stretched to follow, and the parent gets SPM_BARMOVED.
#ifndef TESSARINE_XSPLITTERWND_H
#define TESSARINE_XSPLITTERWND_H

#include <afxwin.h>
#include <afxtempl.h>

#include "ControlInfo.h"

class AFX_EXT_CLASS CxSplitterWnd : public CWnd
{
public:
// Construction
    CxSplitterWnd();
    virtual ~CxSplitterWnd();

    // Subclasses pParent's item nID as the bar, adds SS_NOTIFY to it and
    // sets both minimums to 10. FALSE, with nothing changed, when there is
    // no such item or it cannot be subclassed (it is bound elsewhere, or
    // this object is already bound).
    BOOL BindWithControl(CWnd* pParent, DWORD nID);
    // Forgets every pane and gives the static control back.
    void Unbind();

// Attributes
    // Room a drag keeps free left and right of the bar, in pixels.
    void SetMinWidth(int nMinLeft, int nMinRight);

// Operations
    // Appends a pane given by its control identifier in the parent.
    BOOL AttachAsLeftPane(DWORD nID, int nGap, BOOL bStretch);
    BOOL AttachAsRightPane(DWORD nID, int nGap, BOOL bStretch);
    // Places every pane against the bar's current position.
    void RecalcLayout();

protected:
// Implementation
    // Panes given by a window instead of an identifier.
    BOOL AttachWindowAsLeftPane(CWnd* pWnd, int nGap, BOOL bStretch);
    BOOL AttachWindowAsRightPane(CWnd* pWnd, int nGap, BOOL bStretch);
    // The cursor clipping rectangle (screen) of a drag pressed at pt (bar
    // client coordinates); FALSE when the limits leave no room.
    BOOL CalcDragClipRect(CPoint pt, CRect* pClip);

    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    CWnd*                              m_pParent;
    CArray<ControlInfo, ControlInfo&>  m_leftPanes;
    CArray<ControlInfo, ControlInfo&>  m_rightPanes;
    int                                m_nMinLeft;
    int                                m_nMinRight;
};

#endif // TESSARINE_XSPLITTERWND_H
