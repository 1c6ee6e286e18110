// DragImage.cpp - CreateDragImageEx: one drag image for several list items.
#include <afxwin.h>
#include <afxcmn.h>

#include "DragImage.h"
#include "DrawUtilInternal.h"
#include "LibraryResources.h"
#include "TessarineRes.h"

namespace {

// Pixels of this colour are transparent in the finished image.
const COLORREF kKeyColour = RGB(0, 128, 128);
const TCHAR kOverflowFallback[] = _T("More ...");
// The overflow mark starts 1 pixel into its item, a hand-drawn label 2
// pixels right of the item's icon.
const int kOverflowIndent = 1;
const int kLabelGap = 2;

// The union U of the bounds of the first nMaxItems + 1 selected items, and
// how many item images will be drawn: min(selected, nMaxItems). FALSE when
// nothing is selected.
BOOL MeasureSelection(CListCtrl* pList, int nMaxItems, CRect& rcUnion, int& nCount)
{
    nCount = 0;
    BOOL bAny = FALSE;
    POSITION pos = pList->GetFirstSelectedItemPosition();
    while (pos != NULL)
    {
        const int nItem = pList->GetNextSelectedItem(pos);
        CRect rcItem;
        pList->GetItemRect(nItem, &rcItem, LVIR_BOUNDS);
        if (!bAny)
            rcUnion = rcItem;
        else
            rcUnion |= rcItem;
        bAny = TRUE;
        if (nCount >= nMaxItems)
            break;
        ++nCount;
    }
    return bAny;
}

// The list's client rectangle with its right and bottom edges counted as
// inside, so that PtInRect accepts the corners of a wholly visible item.
CRect VisibleArea(CListCtrl* pList)
{
    CRect rcClient;
    pList->GetClientRect(&rcClient);
    rcClient.right += 1;
    rcClient.bottom += 1;
    return rcClient;
}

BOOL CornersInside(const CRect& rc, const CRect& rcArea)
{
    return rcArea.PtInRect(rc.TopLeft()) && rcArea.PtInRect(rc.BottomRight());
}

// Top of a line of text cyText high centred vertically on rcItem, in the
// image's coordinates.
int CentredTextTop(const CRect& rcItem, const CRect& rcUnion, int cyText)
{
    return rcItem.top - rcUnion.top + (rcItem.Height() - cyText) / 2;
}

void DrawCentredText(CDC& dc, int x, const CRect& rcItem, const CRect& rcUnion,
                     const CString& strText)
{
    const CSize size = dc.GetTextExtent(strText);
    dc.TextOut(x, CentredTextTop(rcItem, rcUnion, size.cy), strText);
}

// Draws the list's own drag image of nItem at its place and narrows rcItem
// to the image's width. FALSE when the list makes no image for the item.
BOOL DrawItemImage(CListCtrl* pList, int nItem, CDC& dc, const CRect& rcUnion, CRect& rcItem)
{
    POINT ptUnused;
    CImageList* pItemImage = pList->CreateDragImage(nItem, &ptUnused);
    if (pItemImage == NULL)
        return FALSE;
    IMAGEINFO info;
    ZeroMemory(&info, sizeof(info));
    pItemImage->GetImageInfo(0, &info);
    const int cxImage = info.rcImage.right - info.rcImage.left;
    rcItem.right = rcItem.left + cxImage;
    pItemImage->DrawIndirect(&dc, 0, CPoint(rcItem.left - rcUnion.left, rcItem.top - rcUnion.top),
                             CSize(cxImage, rcItem.Height()), CPoint(0, 0), ILD_NORMAL, SRCCOPY,
                             CLR_DEFAULT, CLR_DEFAULT);
    delete pItemImage;
    return TRUE;
}

// The label of an item the list cannot show whole, right of its icon.
void DrawItemLabel(CListCtrl* pList, int nItem, CDC& dc, const CRect& rcUnion,
                   const CRect& rcItem)
{
    CRect rcIcon;
    pList->GetItemRect(nItem, &rcIcon, LVIR_ICON);
    DrawCentredText(dc, rcIcon.right - rcUnion.left + kLabelGap, rcItem, rcUnion,
                    pList->GetItemText(nItem, 0));
}

// A memory device context and a bitmap of size, both compatible with the
// list's client device context. FALSE when any of the three fails.
BOOL CreateCanvas(CListCtrl* pList, CSize size, CDC& dcMem, CBitmap& bitmap)
{
    CDC dcList;
    if (!dcList.Attach(::GetDC(pList->m_hWnd)))
        return FALSE;
    const BOOL bCreated = dcMem.CreateCompatibleDC(&dcList) &&
                          bitmap.CreateCompatibleBitmap(&dcList, size.cx, size.cy);
    ::ReleaseDC(pList->m_hWnd, dcList.Detach());
    return bCreated;
}

} // namespace

CString LoadOverflowText(UINT nStringID)
{
    CString strText;
    if (!LoadLibraryString(strText, nStringID))
        strText = kOverflowFallback;
    return strText;
}

extern "C" CImageList* __cdecl CreateDragImageEx(CListCtrl* pList, LPPOINT lpHotSpot,
                                                 int nMaxItems)
{
    if (pList == NULL || !::IsWindow(pList->GetSafeHwnd()))
        return NULL;

    // 1. The extent; with nothing selected there is nothing to drag.
    CRect rcUnion;
    int nCount = 0;
    if (!MeasureSelection(pList, nMaxItems, rcUnion, nCount))
        return NULL;

    // 2. Text is drawn when the overflow mark may be needed or part of the
    // selection lies outside the list's client area.
    const CRect rcVisible = VisibleArea(pList);
    const BOOL bTextMode = nCount >= nMaxItems || !CornersInside(rcUnion, rcVisible);

    // 3. The canvas, all key colour. A list without a device context gives
    // no image (the framework's CClientDC would throw instead).
    CDC dcMem;
    CBitmap bitmap;
    if (!CreateCanvas(pList, rcUnion.Size(), dcMem, bitmap))
        return NULL;
    CBitmap* pOldBitmap = dcMem.SelectObject(&bitmap);
    dcMem.FillSolidRect(0, 0, rcUnion.Width(), rcUnion.Height(), kKeyColour);

    // 4. The list's font and the window-text colour on a clear background.
    CFont* pOldFont = NULL;
    COLORREF crOldText = 0;
    int nOldBkMode = 0;
    if (bTextMode)
    {
        CFont* pListFont = pList->GetFont();
        if (pListFont != NULL)
            pOldFont = dcMem.SelectObject(pListFont);
        crOldText = dcMem.SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
        nOldBkMode = dcMem.SetBkMode(TRANSPARENT);
    }

    // 5. The items, then the overflow mark at the place of the first one
    // past the limit. Items without an image still count.
    int i = 0;
    POSITION pos = pList->GetFirstSelectedItemPosition();
    while (pos != NULL)
    {
        const int nItem = pList->GetNextSelectedItem(pos);
        CRect rcItem;
        pList->GetItemRect(nItem, &rcItem, LVIR_BOUNDS);
        if (i >= nMaxItems)
        {
            DrawCentredText(dcMem, rcItem.left - rcUnion.left + kOverflowIndent, rcItem, rcUnion,
                            LoadOverflowText(IDS_MORE_ITEMS));
            break;
        }
        if (DrawItemImage(pList, nItem, dcMem, rcUnion, rcItem) &&
            !CornersInside(rcItem, rcVisible))
            DrawItemLabel(pList, nItem, dcMem, rcUnion, rcItem);
        ++i;
    }

    // 6. Put the memory context back as it was.
    dcMem.SelectObject(pOldBitmap);
    if (bTextMode)
    {
        dcMem.SetTextColor(crOldText);
        dcMem.SetBkMode(nOldBkMode);
        if (pOldFont != NULL)
            dcMem.SelectObject(pOldFont);
    }

    // 7. One masked image: every key-colour pixel becomes transparent.
    CImageList* pResult = new CImageList;
    pResult->Create(rcUnion.Width(), rcUnion.Height(), ILC_MASK, 0, 1);
    if (pResult->GetSafeHandle() != NULL)
        pResult->Add(&bitmap, kKeyColour);
    bitmap.DeleteObject();

    // 8. Where the cursor sits inside the image.
    if (lpHotSpot != NULL)
    {
        POINT ptCursor;
        ::GetCursorPos(&ptCursor);
        CPoint ptCorner = rcUnion.TopLeft();
        pList->ClientToScreen(&ptCorner);
        lpHotSpot->x = ptCursor.x - ptCorner.x;
        lpHotSpot->y = ptCursor.y - ptCorner.y;
    }
    return pResult;
}
