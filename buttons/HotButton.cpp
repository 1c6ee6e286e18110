// HotButton.cpp - CHotButton: state, hot tracking, images and painting.
#include "HotButton.h"
#include "WndLifetime.h"

namespace {

// Repaint requests. A full repaint paints frame, background and client
// before it returns; hot tracking leaves the erase to BeginPaint; enabling
// paints later.
const UINT kFullRepaint = RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_UPDATENOW |
                          RDW_ERASENOW | RDW_FRAME;                          // 0x745
const UINT kHotRepaint = RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_UPDATENOW |
                         RDW_FRAME;                                          // 0x545
const UINT kEnableRepaint = RDW_INVALIDATE | RDW_ERASE | RDW_NOINTERNALPAINT |
                            RDW_NOCHILDREN | RDW_FRAME;                      // 0x455

const LONG kNoCapture = -1;

const UINT kCaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;  // 0x8024

// Space between the image and the caption, and the caption's side margin.
const int kImageGap = 4;
const int kSideMargin = 2;

// One ring of a border: the system colours of its top-left and
// bottom-right edges.
struct Ring
{
    int topLeft;
    int bottomRight;
};

const Ring kFaceRing = { COLOR_BTNFACE, COLOR_BTNFACE };

// Draws the rings from the outside in, one pixel further in each time,
// and leaves the DC's background colour as it was.
void DrawRings(CDC& dc, CRect rect, const Ring* rings, int nRings)
{
    const COLORREF oldBk = dc.GetBkColor();
    for (int i = 0; i < nRings; i++)
    {
        if (i > 0)
            rect.DeflateRect(1, 1);
        dc.Draw3dRect(&rect, ::GetSysColor(rings[i].topLeft), ::GetSysColor(rings[i].bottomRight));
    }
    dc.SetBkColor(oldBk);
}

// The 8 x 8 one-pixel checkerboard shared by every hot button. The handle
// is made on the first fill that finds it missing.
CBitmap& DitherBitmap()
{
    static CBitmap s_bitmap;
    return s_bitmap;
}

// The text buffer that answers every hot button's tooltip request.
CString& ToolTipText()
{
    static CString s_text;
    return s_text;
}

} // namespace

// Fills rect with the checkerboard: face colour on the 1 bits, highlight on
// the 0 bits, the first pixel of the DC's origin in face colour. Without the
// pattern (its bitmap cannot be made) the rectangle gets plain face colour.
static void DrawDitherFill(CDC* pDC, const CRect& rect)
{
    static const WORD kRows[8] = { 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55 };
    CBitmap& bitmap = DitherBitmap();
    if (bitmap.GetSafeHandle() == NULL)
        bitmap.CreateBitmap(8, 8, 1, 1, kRows);

    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    CBrush brush;
    if (bitmap.GetSafeHandle() == NULL || !brush.CreatePatternBrush(&bitmap))
    {
        const COLORREF oldBk = pDC->GetBkColor();
        pDC->FillSolidRect(&rect, face);
        pDC->SetBkColor(oldBk);
        return;
    }
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    const COLORREF oldBk = pDC->SetBkColor(face);
    const COLORREF oldText = pDC->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
    pDC->PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), PATCOPY);
    pDC->SetTextColor(oldText);
    pDC->SetBkColor(oldBk);
    pDC->SelectObject(pOldBrush);
}

IMPLEMENT_DYNAMIC(CHotButton, CButton)

BEGIN_MESSAGE_MAP(CHotButton, CButton)
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_NCPAINT()
    ON_WM_SIZE()
    ON_WM_ENABLE()
    ON_MESSAGE(WM_KEYDOWN, OnKeyDownMessage)
    ON_MESSAGE(WM_KEYUP, OnKeyUpMessage)
    ON_MESSAGE(BM_SETCHECK, OnSetCheck)
    ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipNeedText)
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// Construction

CHotButton::CHotButton()
    : m_bHot(0), m_bHighlight(0), m_bPressed(0), m_hPrevCapture(kNoCapture),
      m_rcWindow(0, 0, 0, 0), m_imageAlign(BIA_Left), m_nImageState(0),
      m_borderStyle(HB_Flat)
{
}

CHotButton::~CHotButton()
{
    CleanupBitmaps();
}

/////////////////////////////////////////////////////////////////////////////
// Operations

void CHotButton::SetBorderStyle(HB_BorderStyle style)
{
    if (style != HB_Flat && style != HB_Raised)
        return;
    m_borderStyle = style;
    if (::IsWindow(m_hWnd))
        RepaintFully();
}

HIMAGELIST CHotButton::GetImageList()
{
    return m_imageList.GetSafeHandle();
}

void CHotButton::CleanupBitmaps()
{
    try
    {
        if (m_imageList.GetSafeHandle() != NULL)
            m_imageList.DeleteImageList();
    }
    catch (CException* e)
    {
        e->ReportError();
        e->Delete();
    }
}

BOOL CHotButton::HasButtonImage()
{
    return m_imageList.GetSafeHandle() != NULL ? 1 : 0;
}

void CHotButton::SetButtonImages(CImageList* pImages, ButtonImageAlign align)
{
    CleanupBitmaps();
    m_imageAlign = align;
    if (pImages != NULL && pImages->GetSafeHandle() != NULL)
        m_imageList.Create(pImages);
    if (::IsWindow(m_hWnd))
        Invalidate(TRUE);
}

void CHotButton::SetHighlight(BOOL bHighlight)
{
    const BOOL bChanged = (bHighlight != m_bHighlight);
    m_bHighlight = bHighlight;
    if (bChanged && ::IsWindow(m_hWnd))
        RepaintFully();
}

int CHotButton::GetImageStateValue()
{
    return m_nImageState;
}

int CHotButton::SetImageStateValue(int nValue)
{
    const int nPrevious = m_nImageState;
    m_nImageState = nValue;
    return nPrevious;
}

/////////////////////////////////////////////////////////////////////////////
// Conditions and helpers

BOOL CHotButton::IsDisabled() const
{
    return (GetStyle() & WS_DISABLED) != 0;
}

BOOL CHotButton::IsChecked() const
{
    return ::SendMessage(m_hWnd, BM_GETCHECK, 0, 0) != 0;
}

BOOL CHotButton::IsDown() const
{
    return m_bPressed == 1 || IsChecked();
}

BOOL CHotButton::IsFocused() const
{
    return m_hWnd != NULL && ::GetFocus() == m_hWnd;
}

BOOL CHotButton::IsDefaultButton() const
{
    return (GetStyle() & BS_DEFPUSHBUTTON) != 0;
}

void CHotButton::RepaintFully()
{
    RedrawWindow(NULL, NULL, kFullRepaint);
}

void CHotButton::ReleaseHotCapture()
{
    if (m_hPrevCapture == kNoCapture)
        return;
    HWND hPrevious = (HWND)LongToHandle(m_hPrevCapture);
    ::SetCapture(hPrevious == m_hWnd ? NULL : hPrevious);
    m_hPrevCapture = kNoCapture;
}

BOOL CHotButton::DefaultKeepsButton()
{
    const HWND hWnd = m_hWnd;
    Default();
    return IsWndStillBound(this, hWnd);
}

void CHotButton::UpdateWindowRect()
{
    CRect rect;
    GetWindowRect(&rect);
    ScreenToClient(&rect);
    rect.OffsetRect(-rect.left, -rect.top);
    m_rcWindow = rect;
}

// Width of an image of the list; 0 when the list has no such image.
int CHotButton::ImageWidth(int nImage)
{
    IMAGEINFO info;
    memset(&info, 0, sizeof(info));
    if (m_imageList.GetSafeHandle() == NULL || !m_imageList.GetImageInfo(nImage, &info))
        return 0;
    return info.rcImage.right - info.rcImage.left;
}

CRect CHotButton::GetTextRect()
{
    CRect rect;
    GetClientRect(&rect);
    rect.DeflateRect(kSideMargin, 0);
    if (HasButtonImage())
    {
        const int w = ImageWidth(0);
        if (m_imageAlign == BIA_Left)
            rect.left += w + kImageGap;
        else if (m_imageAlign == BIA_Right)
            rect.right -= w + kImageGap;
    }
    if (m_bPressed == 1)
        rect.OffsetRect(1, 1);
    return rect;
}

UINT CHotButton::GetTextAlignment()
{
    switch (GetStyle() & (BS_LEFT | BS_RIGHT))
    {
    case BS_LEFT:
        return DT_LEFT;
    case BS_RIGHT:
        return DT_RIGHT;
    default:
        return DT_CENTER;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Border painting

void CHotButton::DrawFlatBorder()
{
    static const Ring kDownDisabled[] = { { COLOR_BTNSHADOW, COLOR_BTNSHADOW }, kFaceRing };
    static const Ring kDown[] = { { COLOR_BTNSHADOW, COLOR_3DLIGHT },
                                  { COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT } };
    static const Ring kDisabled[] = { kFaceRing, kFaceRing };
    static const Ring kNormal[] = { kFaceRing, kFaceRing, kFaceRing };
    static const Ring kHot[] = { { COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW }, kFaceRing };

    const BOOL bDown = IsDown();
    const BOOL bDisabled = IsDisabled();
    CWindowDC dc(this);
    if (bDown && bDisabled)
        DrawRings(dc, m_rcWindow, kDownDisabled, 2);
    else if (bDown)
        DrawRings(dc, m_rcWindow, kDown, 2);
    else if (bDisabled)
        DrawRings(dc, m_rcWindow, kDisabled, 2);
    else if (!m_bHot)
        DrawRings(dc, m_rcWindow, kNormal, 3);
    else
        DrawRings(dc, m_rcWindow, kHot, 2);
}

void CHotButton::DrawRaisedBorder()
{
    static const Ring kDefault[] = { { COLOR_BTNSHADOW, COLOR_BTNSHADOW },
                                     { COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW } };
    static const Ring kNormal[] = { kFaceRing, { COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW } };
    static const Ring kHot[] = { { COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW },
                                 { COLOR_3DLIGHT, COLOR_BTNSHADOW } };
    static const Ring kPressed[] = { { COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT },
                                     { COLOR_BTNSHADOW, COLOR_3DLIGHT } };
    static const Ring kChecked[] = { { COLOR_BTNSHADOW, COLOR_BTNHIGHLIGHT }, kFaceRing };

    const BOOL bDown = IsDown();
    CWindowDC dc(this);
    if (!bDown && (!m_bHot || IsDisabled()))
        DrawRings(dc, m_rcWindow, IsDefaultButton() ? kDefault : kNormal, 2);
    else if (!bDown)
        DrawRings(dc, m_rcWindow, kHot, 2);
    else if (m_bPressed == 1)
        DrawRings(dc, m_rcWindow, kPressed, 2);
    else
        DrawRings(dc, m_rcWindow, kChecked, 2);
}

/////////////////////////////////////////////////////////////////////////////
// Painting

void CHotButton::OnNcPaint()
{
    if (m_rcWindow.IsRectEmpty())
    {
        // The border is painted on a one-pixel static edge. A button that
        // has none (a plain dialog item) gets it here; the frame must be
        // recalculated for the edge to take its pixel from the client area,
        // or the background would paint over the inner rings.
        const LONG exStyle = ::GetWindowLong(m_hWnd, GWL_EXSTYLE);
        if ((exStyle & WS_EX_STATICEDGE) == 0)
        {
            ::SetWindowLong(m_hWnd, GWL_EXSTYLE, exStyle | WS_EX_STATICEDGE);
            ::SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0,
                           SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        UpdateWindowRect();
    }
    if (m_borderStyle == HB_Raised)
        DrawRaisedBorder();
    else
        DrawFlatBorder();
}

BOOL CHotButton::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    rect.DeflateRect(1, 1);
    if (m_bHighlight || (IsDown() && !m_bHot))
    {
        DrawDitherFill(pDC, rect);
    }
    else
    {
        const COLORREF oldBk = pDC->GetBkColor();
        pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
        pDC->SetBkColor(oldBk);
    }
    return TRUE;
}

void CHotButton::OnPaint()
{
    CPaintDC dc(this);
    const BOOL bDisabled = IsDisabled();
    CString text;
    GetWindowText(text);
    CRect textRect = GetTextRect();

    if (!text.IsEmpty() && m_imageAlign != BIA_Center)
    {
        const int oldMode = dc.SetBkMode(TRANSPARENT);
        const COLORREF oldColour =
            dc.SetTextColor(::GetSysColor(bDisabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        // Without WM_SETFONT the DC's own font is used.
        HFONT hFont = (HFONT)::SendMessage(m_hWnd, WM_GETFONT, 0, 0);
        HGDIOBJ hOldFont = hFont != NULL ? ::SelectObject(dc.m_hDC, hFont) : NULL;
        dc.DrawText(text, &textRect, kCaptionFormat | GetTextAlignment());
        if (hOldFont != NULL)
            ::SelectObject(dc.m_hDC, hOldFont);
        dc.SetTextColor(oldColour);
        dc.SetBkMode(oldMode);
    }
    if (HasButtonImage())
        RenderButtonImage(&dc);
    RenderFocus(&dc);
}

void CHotButton::RenderButtonImage(CDC* pDC)
{
    if (m_imageList.GetSafeHandle() == NULL)
        return;
    CRect client;
    GetClientRect(&client);
    const int nImage = IsDisabled() ? 1 : 0;
    IMAGEINFO info;
    memset(&info, 0, sizeof(info));
    if (!m_imageList.GetImageInfo(nImage, &info))
        return;     // no such image: a list of one image shows none while disabled
    const CRect image(info.rcImage);
    const CRect textRect = GetTextRect();

    const int y = textRect.top + (textRect.Height() - image.Height()) / 2;
    int x;
    if (m_imageAlign == BIA_Left)
        x = client.left + kSideMargin;
    else if (m_imageAlign == BIA_Center)
        x = client.left + (client.Width() - image.Width()) / 2;
    else
        x = client.right - kSideMargin - image.Width();
    m_imageList.Draw(pDC, nImage, CPoint(x, y), ILD_TRANSPARENT);
}

void CHotButton::RenderFocus(CDC* pDC)
{
    if (!IsFocused())
        return;
    CRect rect = m_rcWindow;
    rect.DeflateRect(2, 2, 4, 4);
    if (m_bPressed == 1)
        rect.OffsetRect(1, 1);
    pDC->DrawFocusRect(&rect);
}

/////////////////////////////////////////////////////////////////////////////
// Focus, mouse and keys

void CHotButton::OnSetFocus(CWnd* /*pOldWnd*/)
{
    if (DefaultKeepsButton())
        Invalidate(TRUE);
}

void CHotButton::OnKillFocus(CWnd* /*pNewWnd*/)
{
    if (DefaultKeepsButton())
        RepaintFully();
}

// The standard procedure takes the capture and later tells the parent.
void CHotButton::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
    m_bPressed = 1;
    if (DefaultKeepsButton())
        RepaintFully();
}

// The released look is shown before the parent hears of the click. The
// standard procedure draws its own push-button face straight onto the
// window when it lets the button go, so the button is painted once more
// after it. The parent's handler of BN_CLICKED, called from the standard
// procedure, may destroy the button and delete this object: the capture to
// give back is kept in locals for that case.
void CHotButton::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    m_bHot = 0;
    m_bPressed = 0;
    RepaintFully();
    const HWND hWnd = m_hWnd;
    const LONG hPrevCapture = m_hPrevCapture;
    if (DefaultKeepsButton())
    {
        RepaintFully();
        ReleaseHotCapture();
        return;
    }
    // The button's own capture went with its window; one taken from
    // another window that still exists goes back to it.
    HWND hPrevious = (HWND)LongToHandle(hPrevCapture);
    if (hPrevCapture != kNoCapture && hPrevious != hWnd && ::IsWindow(hPrevious))
        ::SetCapture(hPrevious);
}

// The hot state lasts while the mouse is over the button and is held by
// the capture; a pressed button stays hot when the mouse leaves it.
void CHotButton::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    if (!IsDisabled())
    {
        BOOL bRepaint;
        if (m_rcWindow.PtInRect(point))
        {
            bRepaint = (m_bHot == 0);
            m_bHot = 1;
            HWND hCapture = ::GetCapture();
            if (hCapture != m_hWnd &&
                !(m_hPrevCapture > 0 && m_hPrevCapture == HandleToLong(hCapture)))
            {
                m_hPrevCapture = HandleToLong(::SetCapture(m_hWnd));
            }
        }
        else if (m_bPressed != 1)
        {
            m_bHot = 0;
            bRepaint = TRUE;
            ReleaseHotCapture();
        }
        else
        {
            bRepaint = m_bHot;
        }
        if (bRepaint)
            RedrawWindow(NULL, NULL, kHotRepaint);
    }
    Default();
}

// A double click is one more complete press and release.
void CHotButton::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    const HWND hWnd = m_hWnd;
    if (!DefaultKeepsButton())
        return;
    const LPARAM lParam = MAKELPARAM(point.x, point.y);
    ::SendMessage(hWnd, WM_LBUTTONDOWN, nFlags, lParam);
    if (::IsWindow(hWnd))
        ::SendMessage(hWnd, WM_LBUTTONUP, nFlags, lParam);
}

void CHotButton::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
    Default();
    UpdateWindowRect();
}

void CHotButton::OnEnable(BOOL /*bEnable*/)
{
    RedrawWindow(NULL, NULL, kEnableRepaint);
}

// Space and select press the button as the mouse does (the key message
// itself goes on to the standard procedure); other keys stop here.
LRESULT CHotButton::OnKeyDownMessage(WPARAM wParam, LPARAM /*lParam*/)
{
    if (wParam != VK_SPACE && wParam != VK_SELECT)
        return 1;
    OnLButtonDown(0, CPoint(0, 0));
    return 0;
}

LRESULT CHotButton::OnKeyUpMessage(WPARAM wParam, LPARAM /*lParam*/)
{
    if (wParam != VK_SPACE && wParam != VK_SELECT)
        return 1;
    OnLButtonUp(0, CPoint(0, 0));
    return 0;
}

LRESULT CHotButton::OnSetCheck(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    const LRESULT lResult = Default();
    RepaintFully();
    return lResult;
}

// The tooltip text of a tool registered by window handle is the caption
// at the moment of the request.
BOOL CHotButton::OnToolTipNeedText(UINT /*id*/, NMHDR* pNMHDR, LRESULT* /*pResult*/)
{
    TOOLTIPTEXTA* pTTT = (TOOLTIPTEXTA*)pNMHDR;
    if ((pTTT->uFlags & TTF_IDISHWND) != 0 && (HWND)pNMHDR->idFrom == m_hWnd)
    {
        CString& text = ToolTipText();
        GetWindowText(text);
        pTTT->hinst = NULL;
        pTTT->lpszText = (LPSTR)(LPCSTR)text;
    }
    return TRUE;
}
