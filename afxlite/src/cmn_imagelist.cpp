// CImageList: owning wrapper of an image list, with its handle map.

#include <afxcmn.h>

#include "handlemap.h"

namespace {

typedef CMemberHandleTraits<CImageList, HIMAGELIST, &CImageList::m_hImageList> CImageListHandleTraits;

CHandleMap<CImageListHandleTraits>* ImageListMap()
{
    return AfxGetHandleMap<CImageListHandleTraits>();
}

} // namespace

IMPLEMENT_DYNCREATE(CImageList, CObject)

CImageList::CImageList()
    : m_hImageList(NULL)
{
}

CImageList::~CImageList()
{
    DeleteImageList();
}

CImageList* PASCAL CImageList::FromHandle(HIMAGELIST hImageList)
{
    return ImageListMap()->FromHandle(hImageList);
}

CImageList* PASCAL CImageList::FromHandlePermanent(HIMAGELIST hImageList)
{
    return hImageList != NULL ? ImageListMap()->LookupPermanent(hImageList) : NULL;
}

void PASCAL CImageList::DeleteTempMap()
{
    ImageListMap()->DeleteTemp();
}

BOOL CImageList::Attach(HIMAGELIST hImageList)
{
    ASSERT(m_hImageList == NULL);     // only attach once, detach on destroy
    ASSERT(FromHandlePermanent(hImageList) == NULL);
    if (hImageList == NULL || m_hImageList != NULL || FromHandlePermanent(hImageList) != NULL)
        return FALSE;
    ImageListMap()->SetPermanent(hImageList, this);
    m_hImageList = hImageList;
    return TRUE;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST hImageList = m_hImageList;
    // out of the map of the thread that attached it, wherever this runs
    if (hImageList != NULL)
        CHandleMapBase::RemovePermanentObject(this);
    m_hImageList = NULL;
    return hImageList;
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == NULL)
        return FALSE;
    return ImageList_Destroy(Detach());
}

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow)
{
    return Attach(ImageList_Create(cx, cy, nFlags, nInitial, nGrow));
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask)
{
    return Create(MAKEINTRESOURCE(nBitmapID), cx, nGrow, crMask);
}

BOOL CImageList::Create(LPCTSTR lpszBitmapID, int cx, int nGrow, COLORREF crMask)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszBitmapID, RT_BITMAP);
    return Attach(ImageList_LoadBitmap(hInst, lpszBitmapID, cx, nGrow, crMask));
}

BOOL CImageList::Create(CImageList& imagelist1, int nImage1, CImageList& imagelist2,
                        int nImage2, int dx, int dy)
{
    return Attach(ImageList_Merge(imagelist1.m_hImageList, nImage1,
                                  imagelist2.m_hImageList, nImage2, dx, dy));
}

BOOL CImageList::Create(CImageList* pImageList)
{
    if (pImageList == NULL || pImageList->m_hImageList == NULL)
        return FALSE;
    return Attach(ImageList_Duplicate(pImageList->m_hImageList));
}

int CImageList::GetImageCount() const
    { ASSERT(m_hImageList != NULL); return ImageList_GetImageCount(m_hImageList); }
COLORREF CImageList::SetBkColor(COLORREF cr)
    { ASSERT(m_hImageList != NULL); return ImageList_SetBkColor(m_hImageList, cr); }
COLORREF CImageList::GetBkColor() const
    { ASSERT(m_hImageList != NULL); return ImageList_GetBkColor(m_hImageList); }
BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
    { ASSERT(m_hImageList != NULL); return ImageList_GetImageInfo(m_hImageList, nImage, pImageInfo); }
BOOL CImageList::SetImageCount(UINT uNewCount)
    { ASSERT(m_hImageList != NULL); return ImageList_SetImageCount(m_hImageList, uNewCount); }
int CImageList::Add(CBitmap* pbmImage, CBitmap* pbmMask)
{
    ASSERT(m_hImageList != NULL);
    return ImageList_Add(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(),
                         (HBITMAP)pbmMask->GetSafeHandle());
}
int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    ASSERT(m_hImageList != NULL);
    return ImageList_AddMasked(m_hImageList, (HBITMAP)pbmImage->GetSafeHandle(), crMask);
}
int CImageList::Add(HICON hIcon)
    { ASSERT(m_hImageList != NULL); return ImageList_AddIcon(m_hImageList, hIcon); }
BOOL CImageList::Remove(int nImage)
    { ASSERT(m_hImageList != NULL); return ImageList_Remove(m_hImageList, nImage); }
BOOL CImageList::Replace(int nImage, CBitmap* pbmImage, CBitmap* pbmMask)
{
    ASSERT(m_hImageList != NULL);
    return ImageList_Replace(m_hImageList, nImage, (HBITMAP)pbmImage->GetSafeHandle(),
                             (HBITMAP)pbmMask->GetSafeHandle());
}
int CImageList::Replace(int nImage, HICON hIcon)
    { ASSERT(m_hImageList != NULL); return ImageList_ReplaceIcon(m_hImageList, nImage, hIcon); }
HICON CImageList::ExtractIcon(int nImage)
    { ASSERT(m_hImageList != NULL); return ImageList_GetIcon(m_hImageList, nImage, 0); }
BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle)
{
    ASSERT(m_hImageList != NULL && pDC != NULL);
    return ImageList_Draw(m_hImageList, nImage, pDC->GetSafeHdc(), pt.x, pt.y, nStyle);
}

BOOL CImageList::DrawIndirect(CDC* pDC, int nImage, POINT pt, SIZE sz, POINT ptOrigin,
                              UINT fStyle, DWORD dwRop, COLORREF rgbBack, COLORREF rgbFore)
{
    ASSERT(m_hImageList != NULL && pDC != NULL);
    IMAGELISTDRAWPARAMS drawing;
    ZeroMemory(&drawing, sizeof(drawing));
    // the layout every version of the common controls accepts
    drawing.cbSize = IMAGELISTDRAWPARAMS_V3_SIZE;
    drawing.himl = m_hImageList;
    drawing.i = nImage;
    drawing.hdcDst = pDC->GetSafeHdc();
    drawing.x = pt.x;
    drawing.y = pt.y;
    drawing.cx = sz.cx;
    drawing.cy = sz.cy;
    drawing.xBitmap = ptOrigin.x;
    drawing.yBitmap = ptOrigin.y;
    drawing.rgbBk = rgbBack;
    drawing.rgbFg = rgbFore;
    drawing.fStyle = fStyle;
    drawing.dwRop = dwRop;
    return ImageList_DrawIndirect(&drawing);
}

BOOL CImageList::SetOverlayImage(int nImage, int nOverlay)
    { ASSERT(m_hImageList != NULL); return ImageList_SetOverlayImage(m_hImageList, nImage, nOverlay); }
BOOL CImageList::BeginDrag(int nImage, CPoint ptHotSpot)
    { ASSERT(m_hImageList != NULL); return ImageList_BeginDrag(m_hImageList, nImage, ptHotSpot.x, ptHotSpot.y); }
void PASCAL CImageList::EndDrag()
    { ImageList_EndDrag(); }
BOOL PASCAL CImageList::DragMove(CPoint pt)
    { return ImageList_DragMove(pt.x, pt.y); }
BOOL CImageList::SetDragCursorImage(int nDrag, CPoint ptHotSpot)
    { ASSERT(m_hImageList != NULL); return ImageList_SetDragCursorImage(m_hImageList, nDrag, ptHotSpot.x, ptHotSpot.y); }
BOOL PASCAL CImageList::DragShowNolock(BOOL bShow)
    { return ImageList_DragShowNolock(bShow); }
CImageList* PASCAL CImageList::GetDragImage(LPPOINT lpPoint, LPPOINT lpPointHotSpot)
    { return CImageList::FromHandle(ImageList_GetDragImage(lpPoint, lpPointHotSpot)); }
BOOL PASCAL CImageList::DragEnter(CWnd* pWndLock, CPoint point)
    { return ImageList_DragEnter(pWndLock->GetSafeHwnd(), point.x, point.y); }
BOOL PASCAL CImageList::DragLeave(CWnd* pWndLock)
    { return ImageList_DragLeave(pWndLock->GetSafeHwnd()); }
