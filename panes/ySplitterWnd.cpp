// ySplitterWnd.cpp - CySplitterWnd: binding, pane layout with hiding, and
// the drag.
#include "ySplitterWnd.h"

#include "SplitterKeyboard.h"
#include "SplitterTrack.h"

namespace {

void AppendPane(CArray<ControlInfo, ControlInfo&>& panes, DWORD nID, int nGap, BOOL bStretch)
{
    ControlInfo info;
    info.isWindowPtr = FALSE;
    info.control = nID;
    info.gap = nGap;
    info.stretch = bStretch;
    panes.Add(info);
}

// Moves a pane that fits to rc (showing it first if it is hidden); hides
// one that does not fit and leaves it where it is.
void PlacePane(HWND hPane, const CRect& rc, BOOL bFits)
{
    if (!bFits)
    {
        if (::IsWindowVisible(hPane))
            ::ShowWindow(hPane, SW_HIDE);
        return;
    }
    if (!::IsWindowVisible(hPane))
        ::ShowWindow(hPane, SW_SHOW);
    ::MoveWindow(hPane, rc.left, rc.top, rc.Width(), rc.Height(), FALSE);
}

} // namespace

BEGIN_MESSAGE_MAP(CySplitterWnd, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SETCURSOR()
    ON_MESSAGE(WM_GETOBJECT, OnGetObject)
    ON_MESSAGE(WM_GETDLGCODE, OnGetDlgCodeMsg)
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_SETFOCUS()
    ON_WM_PAINT()
    ON_MESSAGE(WM_UPDATEUISTATE, OnUpdateUIStateMsg)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CySplitterWnd::CySplitterWnd()
    : m_pParent(NULL), m_nMinAbove(0), m_nMinBelow(0), m_rcMargins(0, 0, 0, 0)
{
}

CySplitterWnd::~CySplitterWnd()
{
    CAccessibleBase::Retire(m_pAccessible);
    delete m_pKeys;
}

BOOL CySplitterWnd::BindWithControl(CWnd* pParent, DWORD nID)
{
    HWND hBar = pParent != NULL ? ::GetDlgItem(pParent->GetSafeHwnd(), (int)nID) : NULL;
    // One bar per object and one object per bar.
    if (hBar == NULL || m_hWnd != NULL || CWnd::FromHandlePermanent(hBar) != NULL ||
        !SubclassWindow(hBar))
        return FALSE;
    m_pParent = pParent;
    ::SetWindowLong(m_hWnd, GWL_STYLE, ::GetWindowLong(m_hWnd, GWL_STYLE) | SS_NOTIFY);
    return TRUE;
}

void CySplitterWnd::Unbind()
{
    m_abovePanes.RemoveAll();
    m_belowPanes.RemoveAll();
    if (m_hWnd != NULL)
        UnsubclassWindow();
}

void CySplitterWnd::SetMinHeight(int nMinAbove, int nMinBelow)
{
    m_nMinAbove = nMinAbove;
    m_nMinBelow = nMinBelow;
}

void CySplitterWnd::SetAreaMargins(int nTop, int nBottom)
{
    m_rcMargins.SetRect(0, nTop, 0, nBottom);
}

BOOL CySplitterWnd::AttachAsAbovePane(DWORD nID, int nGap, BOOL bStretch)
{
    AppendPane(m_abovePanes, nID, nGap, bStretch);
    return TRUE;
}

BOOL CySplitterWnd::AttachAsBelowPane(DWORD nID, int nGap, BOOL bStretch)
{
    AppendPane(m_belowPanes, nID, nGap, bStretch);
    return TRUE;
}

void CySplitterWnd::RecalcLayout()
{
    if (m_hWnd == NULL || m_pParent == NULL)
        return;
    const HWND hParent = m_pParent->m_hWnd;
    const CRect bar = SplitterRectInParent(m_hWnd, hParent);
    CRect area;
    ::GetClientRect(hParent, &area);
    area.top += m_rcMargins.top;
    area.bottom -= m_rcMargins.bottom;

    // A stretched pane fits while it is not empty; a moved one while it
    // stays clear of the margins.
    for (int i = 0; i < m_abovePanes.GetSize(); i++)
    {
        const ControlInfo& pane = m_abovePanes[i];
        HWND hPane = SplitterPaneWindow(hParent, pane);
        if (hPane == NULL)
            continue;
        CRect rc = SplitterRectInParent(hPane, hParent);
        const int h = rc.Height();
        rc.bottom = bar.top - pane.gap;
        if (pane.stretch)
            PlacePane(hPane, rc, !rc.IsRectEmpty());
        else
        {
            rc.top = rc.bottom - h;
            PlacePane(hPane, rc, rc.top > area.top);
        }
    }
    for (int i = 0; i < m_belowPanes.GetSize(); i++)
    {
        const ControlInfo& pane = m_belowPanes[i];
        HWND hPane = SplitterPaneWindow(hParent, pane);
        if (hPane == NULL)
            continue;
        CRect rc = SplitterRectInParent(hPane, hParent);
        const int h = rc.Height();
        rc.top = bar.bottom + pane.gap;
        if (pane.stretch)
            PlacePane(hPane, rc, !rc.IsRectEmpty());
        else
        {
            rc.bottom = rc.top + h;
            PlacePane(hPane, rc, rc.bottom < area.bottom);
        }
    }
    m_pParent->Invalidate(TRUE);
}

BOOL CySplitterWnd::CalcDragClipRect(CPoint pt, CRect* pClip)
{
    const HWND hParent = m_pParent->m_hWnd;
    const CRect bar = SplitterScreenRect(m_hWnd);
    CRect client;
    ::GetClientRect(hParent, &client);
    ::ClientToScreen(hParent, reinterpret_cast<LPPOINT>(&client.left));
    ::ClientToScreen(hParent, reinterpret_cast<LPPOINT>(&client.right));

    // Stretched panes must keep their minimum height; moved ones do not
    // limit the bar, and neither do the margins.
    int limTop = client.top + m_nMinAbove;
    for (int i = 0; i < m_abovePanes.GetSize(); i++)
    {
        HWND hPane = SplitterPaneWindow(hParent, m_abovePanes[i]);
        if (hPane != NULL && m_abovePanes[i].stretch)
            limTop = SplitterMax(limTop, SplitterScreenRect(hPane).top + m_nMinAbove);
    }
    int limBottom = client.bottom - m_nMinBelow;
    for (int i = 0; i < m_belowPanes.GetSize(); i++)
    {
        HWND hPane = SplitterPaneWindow(hParent, m_belowPanes[i]);
        if (hPane != NULL && m_belowPanes[i].stretch)
            limBottom = SplitterMin(limBottom, SplitterScreenRect(hPane).bottom - m_nMinBelow);
    }
    if (limTop >= limBottom)
    {
        TRACE0("No room to drag the y-splitter bar\n");
        return FALSE;
    }
    // The bottom edge of a clipping rectangle is exclusive: + 1 lets the
    // bar's bottom edge reach limBottom itself.
    pClip->SetRect(bar.left, limTop + pt.y, bar.right, limBottom - (bar.Height() - pt.y) + 1);
    return TRUE;
}

void CySplitterWnd::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    CRect rcClip;
    if (::GetCapture() != NULL || m_pParent == NULL || !CalcDragClipRect(point, &rcClip))
        return;
    int dy = 0;
    CRect rcLast;
    // Nothing more to do without movement, or when a message handled
    // during the drag destroyed the bar or its parent (this object may be
    // gone then).
    if (!SplitterTrackBar(this, m_pParent, point, rcClip, TRUE, &dy, &rcLast) || dy == 0)
        return;
    MoveWindow(&rcLast, FALSE);
    RecalcLayout();
    m_pParent->SendMessage(SPM_BARMOVED, (WPARAM)dy, (LPARAM)GetDlgCtrlID());
}

// The bar's class has CS_DBLCLKS: a quick second press arrives as a double
// click and starts a drag all the same.
void CySplitterWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    OnLButtonDown(nFlags, point);
}

BOOL CySplitterWnd::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    ::SetCursor(::LoadCursor(NULL, IDC_SIZENS));
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Accessibility and keyboard moves (SplitterAccessible, SplitterKeyboard)

LRESULT CySplitterWnd::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    return CSplitterKeyboard::OnGetObject(this, wParam, lParam);
}

LRESULT CySplitterWnd::OnGetDlgCodeMsg(WPARAM /*wParam*/, LPARAM lParam)
{
    return CSplitterKeyboard::OnGetDlgCode(this, lParam);
}

void CySplitterWnd::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    CSplitterKeyboard::OnKeyDown(this, nChar);
}

void CySplitterWnd::OnKillFocus(CWnd* /*pNewWnd*/)
{
    CSplitterKeyboard::OnKillFocus(this);
}

void CySplitterWnd::OnSetFocus(CWnd* /*pOldWnd*/)
{
    CSplitterKeyboard::OnFocusCueChange(this);
}

void CySplitterWnd::OnPaint()
{
    CSplitterKeyboard::OnPaint(this);
}

LRESULT CySplitterWnd::OnUpdateUIStateMsg(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    CSplitterKeyboard::OnFocusCueChange(this);
    return 0;
}

void CySplitterWnd::OnDestroy()
{
    CSplitterKeyboard::OnDestroy(this);
}
