// LiveArrow.cpp - the collapse arrow: geometry, drawing, mouse tracking and
// the shared tooltip.
#include <afxwin.h>
#include <afxcmn.h>

#include "brevox.h"
#include "LibraryInstance.h"
#include "LibraryResources.h"
#include "LiveArrow.h"
#include "TessarineRes.h"

CToolTipCtrl LiveArrow::s_toolTip;

namespace {

HBITMAP LoadArrowBitmap(UINT nID)
{
    // The greys of the bitmaps become the system 3-D face and shadow colours.
    return (HBITMAP)::LoadImage(GetLibraryInstance(), MAKEINTRESOURCE(nID), IMAGE_BITMAP, 0, 0,
                                LR_LOADMAP3DCOLORS);
}

const int kTipTextChars = 80;   // size of NMTTDISPINFO::szText

// The host window the shared tooltip was made for. The tooltip's own parent
// (its owner) cannot tell: for a child host it is the top-level window.
HWND s_hToolTipHost = NULL;

} // namespace

/////////////////////////////////////////////////////////////////////////////
// Construction

LiveArrow::LiveArrow()
    : m_pWnd(NULL),
      m_rect(0, 0, 0, 0),
      m_bVertical(0),
      m_bVisible(TRUE),
      m_expandState(ES_Expanded),
      m_trackState(TS_None),
      m_hWndCapture(NULL)
{
}

LiveArrow::~LiveArrow()
{
    // A widget that goes while hovered gives back the capture it took, or
    // every click of the thread would keep going to the host.
    ReleaseTrackCapture();
    // The shared tooltip outlives every widget; only the bitmaps go.
    m_bmpFirst.DeleteObject();
    m_bmpSecond.DeleteObject();
}

BOOL LiveArrow::Initialize(CWnd* pWnd, int bVertical, const RECT* pRect)
{
    m_pWnd = pWnd;
    m_bVertical = bVertical;
    if (pRect != NULL)
        m_rect = *pRect;
    else
        m_rect.SetRectEmpty();

    // A repeated call would otherwise leak the bitmaps of the first one.
    m_bmpFirst.DeleteObject();
    m_bmpSecond.DeleteObject();
    BOOL bLoaded = m_bmpFirst.Attach(LoadArrowBitmap(bVertical ? IDB_ARROW_UP : IDB_ARROW_LEFT));
    if (bLoaded)
        bLoaded = m_bmpSecond.Attach(LoadArrowBitmap(bVertical ? IDB_ARROW_DOWN : IDB_ARROW_RIGHT));

    AttachSharedToolTip(pWnd);
    return bLoaded;
}

void LiveArrow::AttachSharedToolTip(CWnd* pWnd)
{
    HWND hWndHost = pWnd->GetSafeHwnd();
    if (hWndHost == NULL || !::IsWindow(hWndHost))
        return;
    if (::IsWindow(s_toolTip.m_hWnd))
    {
        if (s_hToolTipHost == hWndHost)
            return;
        s_toolTip.DestroyWindow();
    }

    if (!s_toolTip.Create(pWnd, TTS_ALWAYSTIP))
    {
        TRACE0("Error in creating ToolTip\n");
        return;
    }
    s_hToolTipHost = hWndHost;
    // The host window itself is the tool, so it gets the text requests.
    TOOLINFOA ti;
    ZeroMemory(&ti, sizeof(ti));
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.uFlags = TTF_IDISHWND;
    ti.hwnd = hWndHost;
    ti.uId = (UINT_PTR)hWndHost;
    ti.lpszText = LPSTR_TEXTCALLBACKA;
    if (!s_toolTip.SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti))
    {
        TRACE0("Error in creating ToolTip\n");
        s_toolTip.DestroyWindow();      // a tooltip without its tool would show nothing
        return;
    }
    s_toolTip.SetMaxTipWidth(120);
    s_toolTip.SetDelayTime(TTDT_AUTOPOP, 32767);
    s_toolTip.SetDelayTime(TTDT_INITIAL, 200);
    s_toolTip.SetDelayTime(TTDT_RESHOW, 200);
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

BOOL LiveArrow::Collapsed() const
{
    return m_expandState != ES_Expanded;
}

LiveArrow::ExpandState LiveArrow::GetExpandState() const
{
    return m_expandState;
}

void LiveArrow::SetExpandState(ExpandState state)
{
    m_expandState = state;
}

LiveArrow::TrackState LiveArrow::GetTrackState() const
{
    return m_trackState;
}

/////////////////////////////////////////////////////////////////////////////
// Geometry

CRect LiveArrow::GetHitRect() const
{
    CRect r = m_rect;
    if (m_expandState == ES_Expanded)
    {
        if (m_bVertical)
        {
            const int halfH = m_rect.Height() / 2;
            r.top -= halfH;
            r.bottom += halfH;
        }
        else
        {
            const int halfW = m_rect.Width() / 2;
            r.left -= halfW;
            r.right += halfW;
        }
    }
    return r;
}

CRect LiveArrow::GetFirstHalfRect() const
{
    CRect r = GetHitRect();
    if (m_bVertical)
        r.bottom = r.top + r.Height() / 2;
    else
        r.right = r.left + r.Width() / 2;
    return r;
}

CRect LiveArrow::GetSecondHalfRect() const
{
    CRect r = GetHitRect();
    const CRect first = GetFirstHalfRect();
    if (m_bVertical)
        r.top = first.bottom;
    else
        r.left = first.right;
    return r;
}

CPoint LiveArrow::GetFirstBitmapPos(const CSize& bm) const
{
    const CRect r = GetHitRect();
    return CPoint(r.left + (m_rect.Width() - bm.cx) / 2, r.top + (m_rect.Height() - bm.cy) / 2);
}

CPoint LiveArrow::GetSecondBitmapPos(const CSize& bm) const
{
    CPoint pt = GetFirstBitmapPos(bm);
    if (m_bVertical)
        pt.y += m_rect.Height();
    else
        pt.x += m_rect.Width();
    return pt;
}

UINT LiveArrow::GetToolTipTextId() const
{
    if (m_trackState != TS_HoverFirst && m_trackState != TS_HoverSecond)
        return 0;
    if (Collapsed())
        return IDS_RESTORE;
    if (m_trackState == TS_HoverFirst)
        return m_bVertical ? IDS_COLLAPSE_UP : IDS_COLLAPSE_LEFT;
    return m_bVertical ? IDS_COLLAPSE_DOWN : IDS_COLLAPSE_RIGHT;
}

/////////////////////////////////////////////////////////////////////////////
// Drawing

BOOL LiveArrow::HostExists() const
{
    return m_pWnd != NULL && ::IsWindow(m_pWnd->GetSafeHwnd());
}

void LiveArrow::Draw(CDC* pDC)
{
    if (!m_bVisible || !HostExists())
        return;
    BITMAP bm;
    if (m_bmpFirst.GetSafeHandle() == NULL || !m_bmpFirst.GetBitmap(&bm))
        return;
    const CSize size(bm.bmWidth, bm.bmHeight);

    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC))
        return;
    CBitmap* pOld = memDC.SelectObject(&m_bmpFirst);
    if (m_expandState == ES_Expanded)
    {
        const CPoint first = GetFirstBitmapPos(size);
        pDC->BitBlt(first.x, first.y, size.cx, size.cy, &memDC, 0, 0, SRCCOPY);
        if (m_bmpSecond.GetSafeHandle() != NULL && memDC.SelectObject(&m_bmpSecond) != NULL)
        {
            const CPoint second = GetSecondBitmapPos(size);
            pDC->BitBlt(second.x, second.y, size.cx, size.cy, &memDC, 0, 0, SRCCOPY);
        }
    }
    else
    {
        // Collapsed: the one arrow that points back, centred in m_rect.
        CBitmap* pShown = m_expandState == ES_CollapsedFirst ? &m_bmpSecond : &m_bmpFirst;
        const CPoint at = GetFirstBitmapPos(size);
        if (pShown->GetSafeHandle() != NULL && memDC.SelectObject(pShown) != NULL)
            pDC->BitBlt(at.x, at.y, size.cx, size.cy, &memDC, 0, 0, SRCCOPY);
    }
    memDC.SelectObject(pOld);
}

void LiveArrow::RedrawFrame(BOOL inFirst)
{
    if (!HostExists())
        return;
    CClientDC dc(m_pWnd);
    // The rectangles are filled with the background colour; a host whose
    // class owns its DC keeps whatever is left in it, so it is put back.
    const COLORREF oldBk = dc.GetBkColor();
    const COLORREF erase = ::GetSysColor(COLOR_MENU);
    CRect target = GetHitRect();
    if (m_expandState == ES_Expanded)
    {
        target = inFirst ? GetFirstHalfRect() : GetSecondHalfRect();
        const CRect other = inFirst ? GetSecondHalfRect() : GetFirstHalfRect();
        dc.Draw3dRect(&other, erase, erase);
    }

    COLORREF topLeft = erase, bottomRight = erase;
    if (m_trackState == TS_HoverFirst || m_trackState == TS_HoverSecond)
    {
        topLeft = ::GetSysColor(COLOR_BTNHIGHLIGHT);
        bottomRight = ::GetSysColor(COLOR_BTNSHADOW);
    }
    else if (m_trackState == TS_PressFirst || m_trackState == TS_PressSecond)
    {
        topLeft = ::GetSysColor(COLOR_BTNSHADOW);
        bottomRight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    }
    dc.Draw3dRect(&target, topLeft, bottomRight);
    dc.SetBkColor(oldBk);
}

void LiveArrow::Show(BOOL bShow)
{
    m_bVisible = bShow;
    // Hidden, the widget sees no more mouse events: the capture it took
    // for its hover state goes back, and so does the hover state.
    if (!bShow)
    {
        ReleaseTrackCapture();
        m_trackState = TS_None;
    }
    if (HostExists())
        m_pWnd->InvalidateRect(&m_rect, TRUE);
}

BOOL LiveArrow::Move(const RECT* pRect)
{
    if (HostExists())
        m_pWnd->InvalidateRect(&m_rect, TRUE);
    if (pRect != NULL)
        m_rect = *pRect;
    else
        m_rect.SetRectEmpty();
    if (HostExists())
        m_pWnd->InvalidateRect(&m_rect, TRUE);
    return !m_rect.IsRectEmpty();
}

/////////////////////////////////////////////////////////////////////////////
// Mouse

void LiveArrow::ReleaseTrackCapture()
{
    if (m_hWndCapture != NULL && ::GetCapture() == m_hWndCapture)
        ::ReleaseCapture();
    m_hWndCapture = NULL;
}

BOOL LiveArrow::IsPrimaryButtonDown()
{
    // The physical button that acts as the primary one.
    const int vk = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    return (::GetAsyncKeyState(vk) & 0x8000) != 0;
}

LiveArrow::TrackState LiveArrow::TrackStateAt(const CPoint& pt, BOOL bDown, BOOL* pInFirst) const
{
    *pInFirst = FALSE;
    if (!GetHitRect().PtInRect(pt))
        return TS_None;
    BOOL bFirst;
    if (m_expandState == ES_Expanded)
        *pInFirst = bFirst = GetFirstHalfRect().PtInRect(pt);
    else
        bFirst = m_expandState == ES_CollapsedFirst;
    if (bFirst)
        return bDown ? TS_PressFirst : TS_HoverFirst;
    return bDown ? TS_PressSecond : TS_HoverSecond;
}

BOOL LiveArrow::MouseDown(const CPoint& pt)
{
    if (!m_bVisible || !GetHitRect().PtInRect(pt))
        return FALSE;
    BOOL inFirst;
    m_trackState = TrackStateAt(pt, TRUE, &inFirst);
    RedrawFrame(inFirst);
    return TRUE;
}

BOOL LiveArrow::Track(const CPoint& pt)
{
    if (!m_bVisible)
        return FALSE;
    const TrackState old = m_trackState;
    BOOL inFirst;
    m_trackState = TrackStateAt(pt, IsPrimaryButtonDown(), &inFirst);
    const BOOL bToolTip = ::IsWindow(s_toolTip.m_hWnd);

    if (m_trackState != old)
    {
        // The host keeps the capture while the pointer is over the widget.
        if (old == TS_None)
        {
            if (HostExists())
            {
                m_pWnd->SetCapture();
                m_hWndCapture = m_pWnd->m_hWnd;
            }
        }
        else if (m_trackState == TS_None)
        {
            // The host's capture only; a window that took it meanwhile
            // keeps it.
            if (HostExists() && ::GetCapture() == m_pWnd->m_hWnd)
                ::ReleaseCapture();
            m_hWndCapture = NULL;
        }
        RedrawFrame(inFirst);
        // Deactivating makes the tooltip ask for its text again.
        if (bToolTip)
            s_toolTip.Activate(FALSE);
    }
    if (m_trackState != TS_None && bToolTip)
    {
        s_toolTip.Activate(TRUE);
        s_toolTip.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0,
                               SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }
    return m_trackState != TS_None;
}

BOOL LiveArrow::MouseUp(const CPoint& pt)
{
    if (!m_bVisible || !GetHitRect().PtInRect(pt))
        return FALSE;
    BOOL inFirst = FALSE;
    ExpandState state = ES_Expanded;
    if (m_expandState == ES_Expanded)
    {
        inFirst = GetFirstHalfRect().PtInRect(pt);
        state = inFirst ? ES_CollapsedFirst : ES_CollapsedSecond;
    }
    m_expandState = state;
    if (HostExists())
        m_pWnd->PostMessage(LAM_EXPANDSTATECHANGED, (WPARAM)m_bVertical, (LPARAM)state);

    m_trackState = m_trackState == TS_PressFirst ? TS_HoverFirst : TS_HoverSecond;
    RedrawFrame(inFirst);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Tooltip

void LiveArrow::RelayToolTipEvent(MSG* pMsg)
{
    if (::IsWindow(s_toolTip.m_hWnd))
        s_toolTip.SendMessage(TTM_RELAYEVENT, 0, (LPARAM)pMsg);
}

BOOL LiveArrow::LoadToolTipText(CString& text) const
{
    if (!m_bVisible)
        return FALSE;
    const UINT nID = GetToolTipTextId();
    return nID != 0 && LoadLibraryString(text, nID);
}

BOOL LiveArrow::GetTTTextA(NMTTDISPINFOA* pInfo)
{
    CString text;
    if (!LoadToolTipText(text))
        return FALSE;
    pInfo->hinst = NULL;
    pInfo->lpszText = pInfo->szText;
    ::lstrcpynA(pInfo->szText, text, kTipTextChars);
    return TRUE;
}

BOOL LiveArrow::GetTTTextW(NMTTDISPINFOW* pInfo)
{
    CString text;
    if (!LoadToolTipText(text))
        return FALSE;
    // The text is in the host's user-interface code page. The last
    // character is kept for the terminator.
    ZeroMemory(pInfo->szText, sizeof(pInfo->szText));
    ::MultiByteToWideChar(ZELVIKGetUserCodePage(), 0, text, text.GetLength(), pInfo->szText,
                          kTipTextChars - 1);
    pInfo->hinst = NULL;
    pInfo->lpszText = pInfo->szText;
    return TRUE;
}
