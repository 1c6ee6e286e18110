// GroupBox.cpp - cbGroupBox: the etched frame of a group box and its caption.
#include <afxwin.h>

#include "GroupBox.h"

namespace {

// The frame's top runs along the caption's middle: the outer line 6 pixels
// below the top, the inner line under it. The caption's baseline and left.
const int kFrameTop = 6;
const int kCaptionBaseline = 11;
const int kCaptionLeft = 7;

// Top and left edges of rc: from just above its bottom-left corner up to its
// top-left corner, then right to its top-right corner (the end points of a
// LineTo are not painted).
void StrokeTopLeft(CDC* pDC, const CRect& rc)
{
    pDC->MoveTo(rc.left, rc.bottom - 1);
    pDC->LineTo(rc.left, rc.top);
    pDC->LineTo(rc.right, rc.top);
}

// Right and bottom edges of rc, on its right and bottom coordinates: down
// from the top-right corner, then left past the bottom-left one.
void StrokeBottomRight(CDC* pDC, const CRect& rc)
{
    pDC->MoveTo(rc.right, rc.top);
    pDC->LineTo(rc.right, rc.bottom);
    pDC->LineTo(rc.left - 1, rc.bottom);
}

} // namespace

extern "C" void __cdecl cbGroupBox(CDC* pDC, const RECT* pRect, const CString& strCaption,
                                   CFont* pFont)
{
    if (pDC == NULL || pDC->GetSafeHdc() == NULL || pRect == NULL)
        return;

    CFont* pOldFont = pFont != NULL ? pDC->SelectObject(pFont) : NULL;
    CPen penShadow;
    CPen penHighlight;
    penShadow.CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_BTNSHADOW));
    penHighlight.CreatePen(PS_SOLID, 0, ::GetSysColor(COLOR_BTNHIGHLIGHT));

    const UINT nOldAlign = pDC->SetTextAlign(TA_BASELINE | TA_LEFT);
    const COLORREF crOldText = pDC->SetTextColor(RGB(0, 0, 0));
    const COLORREF crOldBk = pDC->SetBkColor(::GetSysColor(COLOR_MENU));
    // The strokes move the current position; the caller's is put back last.
    const CPoint ptOldPosition = pDC->GetCurrentPosition();

    // The inner line is light at the top left and dark at the bottom right,
    // the outer line the other way round: together they look etched.
    const CRect rcInner(pRect->left + 1, pRect->top + kFrameTop + 1, pRect->right - 1,
                        pRect->bottom - 2);
    CRect rcOuter(rcInner);
    rcOuter.InflateRect(1, 1);

    CPen* pOldPen = pDC->SelectObject(&penHighlight);
    StrokeTopLeft(pDC, rcInner);
    StrokeBottomRight(pDC, rcOuter);
    pDC->SelectObject(&penShadow);
    StrokeTopLeft(pDC, rcOuter);
    StrokeBottomRight(pDC, rcInner);

    if (!strCaption.IsEmpty())
    {
        // With an opaque background the label's cell hides the frame behind it.
        const CString strLabel = _T(" ") + strCaption + _T(" ");
        pDC->TextOut(pRect->left + kCaptionLeft, pRect->top + kCaptionBaseline, strLabel);
    }

    if (pOldFont != NULL)
        pDC->SelectObject(pOldFont);
    pDC->SetTextColor(crOldText);
    pDC->SelectObject(pOldPen);
    pDC->SetBkColor(crOldBk);
    pDC->SetTextAlign(nOldAlign);
    pDC->MoveTo(ptOldPosition);
}
