// drawutil_page.cpp - the drawing helpers in the gallery: the drag image of
// eight selected list items (all eight, and five with "More ..."), group
// boxes with and without a caption, and an image list cut from a bitmap
// strip of the host's resources.
#include <afxwin.h>
#include <afxcmn.h>

#include <initializer_list>

#include "gallery.h"
#include "picture_window.h"
#include "DialogUtilities.h"
#include "DragImage.h"
#include "GroupBox.h"

namespace {

const UINT kStripBitmapId = 16001;   // gallery/drawutil_page.rc
const UINT kListId = 0x4C01;
const int kListWidth = 170;
const int kImageScale = 4;           // the strip's images shown 4 times their size


CListCtrl* g_pList = NULL;
CImageList* g_pListIcons = NULL;
CFont* g_pFont = NULL;

CFont* GalleryFont()
{
    if (g_pFont == NULL)
    {
        g_pFont = new CFont;
        g_pFont->CreatePointFont(80, _T("Tahoma"));
    }
    return g_pFont;
}

// A hatched background, so that transparent pixels show as such.
void FillChecked(HDC hdc, const RECT& rc)
{
    FillRect(hdc, &rc, GetSysColorBrush(COLOR_WINDOW));
    HBRUSH hHatch = CreateHatchBrush(HS_DIAGCROSS, RGB(220, 220, 220));
    int oldMode = SetBkMode(hdc, TRANSPARENT);
    FillRect(hdc, &rc, hHatch);
    SetBkMode(hdc, oldMode);
    DeleteObject(hHatch);
}

// The drag images of the list beside it: all eight selected items, then
// the same selection limited to five.
void PaintDragImages(HWND, HDC hdc, const RECT& rcClient)
{
    RECT rcRight = rcClient;
    rcRight.left = kListWidth;
    FillChecked(hdc, rcRight);
    if (g_pList == NULL)
        return;
    int y = 4;
    for (int nMax : { 8, 5 })
    {
        CImageList* pImage = CreateDragImageEx(g_pList, NULL, nMax);
        if (pImage == NULL)
            continue;
        int cx = 0, cy = 0;
        ImageList_GetIconSize(pImage->GetSafeHandle(), &cx, &cy);
        ImageList_Draw(pImage->GetSafeHandle(), 0, hdc, kListWidth + 8, y, ILD_NORMAL);
        y += cy + 10;
        delete pImage;
    }
}

void PaintGroupBoxes(HWND, HDC hdc, const RECT& rcClient)
{
    FillRect(hdc, &rcClient, GetSysColorBrush(COLOR_BTNFACE));
    CDC dc;
    dc.Attach(hdc);
    const RECT rcWith = { 8, 4, 200, 84 };
    const RECT rcWithout = { 212, 4, 332, 84 };
    const RECT rcInner = { 20, 30, 188, 72 };
    cbGroupBox(&dc, &rcWith, CString(_T("Missing values")), GalleryFont());
    cbGroupBox(&dc, &rcWithout, CString(), GalleryFont());
    cbGroupBox(&dc, &rcInner, CString(_T("Nested")), GalleryFont());
    dc.Detach();
}

// The strip's five images over the hatched background, each scaled up.
void PaintImageList(HWND, HDC hdc, const RECT& rcClient)
{
    FillChecked(hdc, rcClient);
    CImageList images;
    HINSTANCE hSaved = AfxGetResourceHandle();
    AfxSetResourceHandle(GetModuleHandle(NULL));
    BOOL bLoaded = Load3DColorImageList(&images, 16, kStripBitmapId, LR_LOADMAP3DCOLORS);
    AfxSetResourceHandle(hSaved);
    if (!bLoaded)
        return;
    const int side = 16 * kImageScale;
    HDC hdcMem = CreateCompatibleDC(hdc);
    HBITMAP hBitmap = CreateCompatibleBitmap(hdc, 16, 16);
    HGDIOBJ hOld = SelectObject(hdcMem, hBitmap);
    HBRUSH hYellow = CreateSolidBrush(RGB(255, 250, 205));
    for (int i = 0; i < images.GetImageCount(); ++i)
    {
        const int x = 8 + i * (side + 8);
        // Scaled up over pale yellow, then at its own size over the hatch.
        RECT rcCell = { 0, 0, 16, 16 };
        FillRect(hdcMem, &rcCell, hYellow);
        ImageList_Draw(images.GetSafeHandle(), i, hdcMem, 0, 0, ILD_NORMAL);
        StretchBlt(hdc, x, 8, side, side, hdcMem, 0, 0, 16, 16, SRCCOPY);
        ImageList_Draw(images.GetSafeHandle(), i, hdc, x, side + 16, ILD_NORMAL);
    }
    DeleteObject(hYellow);
    SelectObject(hdcMem, hOld);
    DeleteObject(hBitmap);
    DeleteDC(hdcMem);
}

// A small report list of ten files with icons, eight of them selected. The
// icons keep to the 16 standard colours: the list's own item images have
// only those, and a colour that rounds to the key colour would vanish.
HWND CreateDragImages(CWnd* pParent, const RECT& rc)
{
    HWND hwnd = CreatePictureWindow(pParent, rc, &PaintDragImages);
    if (hwnd == NULL)
        return NULL;
    g_pListIcons = new CImageList;
    g_pListIcons->Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0);
    for (COLORREF colour : { RGB(0, 0, 128), RGB(128, 0, 0) })
    {
        HDC hdcScreen = GetDC(NULL);
        HDC hdcMem = CreateCompatibleDC(hdcScreen);
        HBITMAP hBitmap = CreateCompatibleBitmap(hdcScreen, 16, 16);
        HGDIOBJ hOld = SelectObject(hdcMem, hBitmap);
        RECT all = { 0, 0, 16, 16 }, page = { 3, 1, 13, 15 };
        FillRect(hdcMem, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        HBRUSH hBrush = CreateSolidBrush(colour);
        FillRect(hdcMem, &page, hBrush);
        DeleteObject(hBrush);
        SelectObject(hdcMem, hOld);
        ImageList_AddMasked(g_pListIcons->GetSafeHandle(), hBitmap, RGB(255, 255, 255));
        DeleteObject(hBitmap);
        DeleteDC(hdcMem);
        ReleaseDC(NULL, hdcScreen);
    }
    g_pList = new CListCtrl;
    g_pList->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS |
                        LVS_SHAREIMAGELISTS | LVS_NOCOLUMNHEADER,
                    CRect(0, 0, kListWidth, rc.bottom - rc.top), CWnd::FromHandle(hwnd), kListId);
    g_pList->SetFont(GalleryFont(), FALSE);
    g_pList->SetImageList(g_pListIcons, LVSIL_SMALL);
    g_pList->InsertColumn(0, _T("File"), LVCFMT_LEFT, kListWidth - 8);
    static const TCHAR* const names[] = {
        _T("survey_2019.sav"), _T("survey_2020.sav"), _T("weights.csv"), _T("codebook.txt"),
        _T("regional.sav"), _T("panel_wave1.sav"), _T("panel_wave2.sav"), _T("notes.txt"),
        _T("export.xlsx"), _T("backup.sav"),
    };
    for (int i = 0; i < 10; ++i)
    {
        g_pList->InsertItem(i, names[i], i % 3 == 2 ? 1 : 0);
        if (i >= 1 && i <= 8)
            g_pList->SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
    }
    return hwnd;
}

void DestroyDragImages()
{
    if (g_pList != NULL)
    {
        g_pList->DestroyWindow();
        delete g_pList;
        g_pList = NULL;
    }
    delete g_pListIcons;
    g_pListIcons = NULL;
    delete g_pFont;
    g_pFont = NULL;
}

HWND CreateGroupBoxes(CWnd* pParent, const RECT& rc) { return CreatePictureWindow(pParent, rc, &PaintGroupBoxes); }
HWND CreateImageList(CWnd* pParent, const RECT& rc) { return CreatePictureWindow(pParent, rc, &PaintImageList); }

} // namespace

GALLERY_ITEM(drawutil_dragimage, "drawutil_dragimage", 360, 262, &CreateDragImages, NULL,
             &DestroyDragImages);
GALLERY_ITEM(drawutil_groupbox, "drawutil_groupbox", 340, 90, &CreateGroupBoxes, NULL, NULL);
GALLERY_ITEM(drawutil_imagelist, "drawutil_imagelist", 5 * (16 * kImageScale + 8) + 8,
             16 * kImageScale + 40, &CreateImageList, NULL, NULL);
