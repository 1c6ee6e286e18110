// xSplitterWnd.cpp - CxSplitterWnd: binding, pane layout and the drag.
#include "xSplitterWnd.h"

#include "SplitterKeyboard.h"
#include "SplitterTrack.h"

namespace {

const int kDefaultMinWidth = 10;

void AppendPane(CArray<ControlInfo, ControlInfo&>& panes, BOOL isWindowPtr, DWORD_PTR control,
                int nGap, BOOL bStretch)
{
    ControlInfo info;
    info.isWindowPtr = isWindowPtr;
    info.control = control;
    info.gap = nGap;
    info.stretch = bStretch;
    panes.Add(info);
}

} // namespace

BEGIN_MESSAGE_MAP(CxSplitterWnd, CWnd)
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_MESSAGE(WM_GETOBJECT, OnGetObject)
    ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCodeMsg)
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_SETFOCUS()
    ON_WM_PAINT()
    ON_MESSAGE(WM_UPDATEUISTATE, OnUpdateUIStateMsg)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CxSplitterWnd::CxSplitterWnd()
    : m_pParent(NULL), m_nMinLeft(0), m_nMinRight(0)
{
}

CxSplitterWnd::~CxSplitterWnd()
{
    CAccessibleBase::Retire(m_pAccessible);
    delete m_pKeys;
}

BOOL CxSplitterWnd::BindWithControl(CWnd* pParent, DWORD nID)
{
    HWND hBar = pParent != NULL ? ::GetDlgItem(pParent->GetSafeHwnd(), (int)nID) : NULL;
    // One bar per object and one object per bar.
    if (hBar == NULL || m_hWnd != NULL || CWnd::FromHandlePermanent(hBar) != NULL ||
        !SubclassWindow(hBar))
        return FALSE;
    m_pParent = pParent;
    m_nMinRight = kDefaultMinWidth;
    m_nMinLeft = kDefaultMinWidth;
    ::SetWindowLong(m_hWnd, GWL_STYLE, ::GetWindowLong(m_hWnd, GWL_STYLE) | SS_NOTIFY);
    return TRUE;
}

void CxSplitterWnd::Unbind()
{
    m_leftPanes.RemoveAll();
    m_rightPanes.RemoveAll();
    if (m_hWnd != NULL)
        UnsubclassWindow();
}

void CxSplitterWnd::SetMinWidth(int nMinLeft, int nMinRight)
{
    m_nMinLeft = nMinLeft;
    m_nMinRight = nMinRight;
}

BOOL CxSplitterWnd::AttachAsLeftPane(DWORD nID, int nGap, BOOL bStretch)
{
    AppendPane(m_leftPanes, FALSE, nID, nGap, bStretch);
    return TRUE;
}

BOOL CxSplitterWnd::AttachAsRightPane(DWORD nID, int nGap, BOOL bStretch)
{
    AppendPane(m_rightPanes, FALSE, nID, nGap, bStretch);
    return TRUE;
}

BOOL CxSplitterWnd::AttachWindowAsLeftPane(CWnd* pWnd, int nGap, BOOL bStretch)
{
    AppendPane(m_leftPanes, TRUE, reinterpret_cast<DWORD_PTR>(pWnd), nGap, bStretch);
    return TRUE;
}

BOOL CxSplitterWnd::AttachWindowAsRightPane(CWnd* pWnd, int nGap, BOOL bStretch)
{
    AppendPane(m_rightPanes, TRUE, reinterpret_cast<DWORD_PTR>(pWnd), nGap, bStretch);
    return TRUE;
}

void CxSplitterWnd::RecalcLayout()
{
    if (m_hWnd == NULL || m_pParent == NULL)
        return;
    const HWND hParent = m_pParent->m_hWnd;
    const CRect bar = SplitterRectInParent(m_hWnd, hParent);

    for (int i = 0; i < m_leftPanes.GetSize(); i++)
    {
        const ControlInfo& pane = m_leftPanes[i];
        HWND hPane = SplitterPaneWindow(hParent, pane);
        if (hPane == NULL)
            continue;
        CRect rc = SplitterRectInParent(hPane, hParent);
        const int w = rc.Width();
        rc.right = bar.left - pane.gap;
        if (!pane.stretch)
            rc.left = rc.right - w;
        ::MoveWindow(hPane, rc.left, rc.top, rc.Width(), rc.Height(), FALSE);
    }
    for (int i = 0; i < m_rightPanes.GetSize(); i++)
    {
        const ControlInfo& pane = m_rightPanes[i];
        HWND hPane = SplitterPaneWindow(hParent, pane);
        if (hPane == NULL)
            continue;
        CRect rc = SplitterRectInParent(hPane, hParent);
        const int w = rc.Width();
        rc.left = bar.right + pane.gap;
        if (!pane.stretch)
            rc.right = rc.left + w;
        ::MoveWindow(hPane, rc.left, rc.top, rc.Width(), rc.Height(), FALSE);
    }
    m_pParent->Invalidate(TRUE);
}

BOOL CxSplitterWnd::CalcDragClipRect(CPoint pt, CRect* pClip)
{
    const HWND hParent = m_pParent->m_hWnd;
    const CRect bar = SplitterScreenRect(m_hWnd);
    CRect area;
    ::GetClientRect(hParent, &area);
    ::ClientToScreen(hParent, reinterpret_cast<LPPOINT>(&area.left));
    ::ClientToScreen(hParent, reinterpret_cast<LPPOINT>(&area.right));

    // Stretched panes must keep their minimum width; moved ones do not
    // limit the bar at all.
    int limLeft = area.left + m_nMinLeft;
    for (int i = 0; i < m_leftPanes.GetSize(); i++)
    {
        HWND hPane = SplitterPaneWindow(hParent, m_leftPanes[i]);
        if (hPane != NULL && m_leftPanes[i].stretch)
            limLeft = SplitterMax(limLeft, SplitterScreenRect(hPane).left + m_nMinLeft);
    }
    int limRight = area.right - m_nMinRight;
    for (int i = 0; i < m_rightPanes.GetSize(); i++)
    {
        HWND hPane = SplitterPaneWindow(hParent, m_rightPanes[i]);
        if (hPane != NULL && m_rightPanes[i].stretch)
            limRight = SplitterMin(limRight, SplitterScreenRect(hPane).right - m_nMinRight);
    }
    if (limLeft >= limRight)
    {
        TRACE0("No room to drag the x-splitter bar\n");
        return FALSE;
    }
    // The right edge of a clipping rectangle is exclusive: + 1 lets the
    // bar's right edge reach limRight itself.
    pClip->SetRect(limLeft + pt.x, bar.top, limRight - (bar.Width() - pt.x) + 1, bar.bottom);
    return TRUE;
}

BOOL CxSplitterWnd::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    ::SetCursor(::LoadCursor(NULL, IDC_SIZEWE));
    return TRUE;
}

void CxSplitterWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    CRect rcClip;
    if (::GetCapture() != NULL || m_pParent == NULL || !CalcDragClipRect(point, &rcClip))
        return;
    int dx = 0;
    CRect rcLast;
    // Nothing more to do without movement, or when a message handled
    // during the drag destroyed the bar or its parent (this object may be
    // gone then).
    if (!SplitterTrackBar(this, m_pParent, point, rcClip, FALSE, &dx, &rcLast) || dx == 0)
        return;
    MoveWindow(&rcLast, FALSE);
    RecalcLayout();
    m_pParent->SendMessage(SPM_BARMOVED, (WPARAM)dx, (LPARAM)GetDlgCtrlID());
}

// The bar's class has CS_DBLCLKS: a quick second press arrives as a double
// click and starts a drag all the same.
void CxSplitterWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    OnLButtonDown(nFlags, point);
}

/////////////////////////////////////////////////////////////////////////////
// Accessibility and keyboard moves (SplitterAccessible, SplitterKeyboard)

LRESULT CxSplitterWnd::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    return CSplitterKeyboard::OnGetObject(this, wParam, lParam);
}

LRESULT CxSplitterWnd::OnGetDlgCodeMsg(WPARAM /*wParam*/, LPARAM lParam)
{
    return CSplitterKeyboard::OnGetDlgCode(this, lParam);
}

void CxSplitterWnd::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    CSplitterKeyboard::OnKeyDown(this, nChar);
}

void CxSplitterWnd::OnKillFocus(CWnd* /*pNewWnd*/)
{
    CSplitterKeyboard::OnKillFocus(this);
}

void CxSplitterWnd::OnSetFocus(CWnd* /*pOldWnd*/)
{
    CSplitterKeyboard::OnFocusCueChange(this);
}

void CxSplitterWnd::OnPaint()
{
    CSplitterKeyboard::OnPaint(this);
}

LRESULT CxSplitterWnd::OnUpdateUIStateMsg(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    CSplitterKeyboard::OnFocusCueChange(this);
    return 0;
}

void CxSplitterWnd::OnDestroy()
{
    CSplitterKeyboard::OnDestroy(this);
}
