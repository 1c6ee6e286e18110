// flatcombo_page.cpp - the flat combo box in the gallery: flat combos with
// item images, normal, hot, with the list dropped and disabled, and one on
// a toolbar.
//
// CFlatCombo exports only its constructor and destructor, so the page does
// what a host does: it creates the control through the framework's
// CComboBoxEx::Create and speaks to it with messages.
#include <afxwin.h>
#include <afxcmn.h>
#include <afxext.h>

#include "gallery.h"
#include "FlatCombo.h"

namespace {

const UINT kComboId = 0x4C01;
const int kComboWidth = 180;
const int kImageSize = 16;

enum Look { Normal, Hot, Dropped, Disabled, OnToolbar, LookCount };

struct Cell
{
    CWnd* pHolder;          // framework window the combo sits on (reflects its close-up)
    CToolBar* pToolBar;
    CFlatCombo* pCombo;
};

Cell g_cells[LookCount];
HIMAGELIST g_hImages = NULL;
POINT g_ptListOffset;       // the open list's top left, from the control's top left

// The open list is a pop-up window of its own, which the gallery's camera
// (it reads the dialog's surface) does not see. The cell of the dropped
// combo copies the list's pixels onto itself where the list shows on the
// screen.
LRESULT CALLBACK DroppedCellProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return DefWindowProcA(hWnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hWnd, &ps);
    RECT rcClient;
    GetClientRect(hWnd, &rcClient);
    FillRect(hdc, &rcClient, GetSysColorBrush(COLOR_BTNFACE));
    CFlatCombo* pCombo = g_cells[Dropped].pCombo;
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    if (pCombo != NULL && GetComboBoxInfo((HWND)pCombo->SendMessage(CBEM_GETCOMBOCONTROL), &info) &&
        IsWindowVisible(info.hwndList))
    {
        RECT rcCombo;
        GetWindowRect(pCombo->m_hWnd, &rcCombo);
        MapWindowPoints(NULL, hWnd, reinterpret_cast<POINT*>(&rcCombo), 2);
        RECT rcList;
        GetWindowRect(info.hwndList, &rcList);
        HDC hdcList = GetWindowDC(info.hwndList);
        BitBlt(hdc, rcCombo.left + g_ptListOffset.x, rcCombo.top + g_ptListOffset.y,
               rcList.right - rcList.left, rcList.bottom - rcList.top, hdcList, 0, 0, SRCCOPY);
        ReleaseDC(info.hwndList, hdcList);
    }
    EndPaint(hWnd, &ps);
    return 0;
}

LPCTSTR DroppedCellClass()
{
    static bool s_registered = false;
    if (!s_registered)
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DroppedCellProc;
        wc.hInstance = GetModuleHandleA(NULL);
        wc.hCursor = LoadCursor(NULL, IDC_ARROW);
        wc.lpszClassName = "GalleryFlatComboDroppedCell";
        s_registered = RegisterClassA(&wc) != 0;
    }
    return "GalleryFlatComboDroppedCell";
}

// Four 16 x 16 images: coloured squares with a dark edge.
HIMAGELIST ItemImages()
{
    if (g_hImages != NULL)
        return g_hImages;
    static const COLORREF colours[] = { RGB(52, 120, 200), RGB(220, 120, 40), RGB(60, 160, 80), RGB(170, 60, 160) };
    g_hImages = ImageList_Create(kImageSize, kImageSize, ILC_COLOR24, 4, 0);
    HDC hdcScreen = GetDC(NULL);
    HDC hdc = CreateCompatibleDC(hdcScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hdcScreen, kImageSize * 4, kImageSize);
    ReleaseDC(NULL, hdcScreen);
    HGDIOBJ hOld = SelectObject(hdc, hBitmap);
    for (int i = 0; i < 4; ++i)
    {
        RECT rc = { i * kImageSize, 0, (i + 1) * kImageSize, kImageSize };
        HBRUSH hEdge = CreateSolidBrush(RGB(40, 40, 40));
        FillRect(hdc, &rc, hEdge);
        DeleteObject(hEdge);
        InflateRect(&rc, -2, -2);
        HBRUSH hFill = CreateSolidBrush(colours[i]);
        FillRect(hdc, &rc, hFill);
        DeleteObject(hFill);
    }
    SelectObject(hdc, hOld);
    DeleteDC(hdc);
    ImageList_Add(g_hImages, hBitmap, NULL);
    DeleteObject(hBitmap);
    return g_hImages;
}

void AddItems(CFlatCombo* pCombo)
{
    static const char* const texts[] = { "Frequencies", "Descriptives", "Crosstabs", "Compare means" };
    pCombo->SendMessage(CBEM_SETIMAGELIST, 0, (LPARAM)ItemImages());
    for (int i = 0; i < 4; ++i)
    {
        COMBOBOXEXITEMA item = {};
        item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
        item.iItem = i;
        item.pszText = const_cast<char*>(texts[i]);
        item.iImage = item.iSelectedImage = i;
        pCombo->SendMessage(CBEM_INSERTITEMA, 0, (LPARAM)&item);
    }
    pCombo->SendMessage(CB_SETCURSEL, 1, 0);
}

HWND InnerBox(CFlatCombo* pCombo)
{
    return (HWND)pCombo->SendMessage(CBEM_GETCOMBOCONTROL, 0, 0);
}

HWND Create(Look look, CWnd* pParent, const RECT& rc)
{
    Cell& cell = g_cells[look];
    CWnd* pOn = NULL;
    if (look == OnToolbar)
    {
        cell.pToolBar = new CToolBar;
        if (!cell.pToolBar->Create(pParent))
            return NULL;
        cell.pToolBar->SetWindowPos(NULL, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                                    SWP_NOZORDER | SWP_SHOWWINDOW);
        pOn = cell.pToolBar;
    }
    else
    {
        cell.pHolder = new CWnd;
        LPCTSTR lpszClass = look == Dropped ? DroppedCellClass()
                                            : AfxRegisterWndClass(0, LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
        if (!cell.pHolder->Create(lpszClass, NULL, WS_CHILD | WS_VISIBLE, rc, pParent, kComboId + 0x10 + look))
            return NULL;
        pOn = cell.pHolder;
    }

    cell.pCombo = new CFlatCombo;
    const int y = look == OnToolbar ? 6 : 8;
    if (!cell.pCombo->CComboBoxEx::Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST,
                                          CRect(8, y, 8 + kComboWidth, y + 150), pOn, kComboId))
        return NULL;
    AddItems(cell.pCombo);
    const HWND hInner = InnerBox(cell.pCombo);

    switch (look)
    {
    case Hot:
        // The mouse over the control: the drop button raised. The cursor is
        // elsewhere, so the capture the hover takes is let go at once, or
        // the next mouse move would turn the button flat before the picture.
        SendMessage(hInner, WM_MOUSEMOVE, 0, MAKELPARAM(20, 8));
        ReleaseCapture();
        break;
    case Dropped:
        {
            // A click on the drop button: the list opens and the button stays sunken.
            RECT rcInner;
            GetClientRect(hInner, &rcInner);
            const LPARAM at = MAKELPARAM(rcInner.right - 8, rcInner.bottom / 2);
            SendMessage(hInner, WM_LBUTTONDOWN, MK_LBUTTON, at);
            SendMessage(hInner, WM_LBUTTONUP, 0, at);
            COMBOBOXINFO info = {};
            info.cbSize = sizeof(info);
            RECT rcList, rcCombo;
            if (GetComboBoxInfo(hInner, &info) && GetWindowRect(info.hwndList, &rcList) &&
                GetWindowRect(cell.pCombo->m_hWnd, &rcCombo))
            {
                g_ptListOffset.x = rcList.left - rcCombo.left;
                g_ptListOffset.y = rcList.top - rcCombo.top;
            }
        }
        break;
    case Disabled:
        cell.pCombo->EnableWindow(FALSE);
        break;
    default:
        break;
    }
    return pOn->m_hWnd;
}

void Destroy(Look look)
{
    Cell& cell = g_cells[look];
    if (cell.pCombo != NULL && IsWindow(cell.pCombo->m_hWnd))
        cell.pCombo->DestroyWindow();
    delete cell.pCombo;
    delete cell.pToolBar;
    delete cell.pHolder;
    cell.pCombo = NULL;
    cell.pToolBar = NULL;
    cell.pHolder = NULL;
    bool bLast = true;
    for (int i = 0; i < LookCount; ++i)
        bLast = bLast && g_cells[i].pCombo == NULL;
    if (bLast && g_hImages != NULL)
    {
        ImageList_Destroy(g_hImages);
        g_hImages = NULL;
    }
}

HWND CreateNormal(CWnd* p, const RECT& rc)    { return Create(Normal, p, rc); }
HWND CreateHot(CWnd* p, const RECT& rc)       { return Create(Hot, p, rc); }
HWND CreateDropped(CWnd* p, const RECT& rc)   { return Create(Dropped, p, rc); }
HWND CreateDisabled(CWnd* p, const RECT& rc)  { return Create(Disabled, p, rc); }
HWND CreateToolbar(CWnd* p, const RECT& rc)   { return Create(OnToolbar, p, rc); }
void DestroyNormal()    { Destroy(Normal); }
void DestroyHot()       { Destroy(Hot); }
void DestroyDropped()   { Destroy(Dropped); }
void DestroyDisabled()  { Destroy(Disabled); }
void DestroyToolbar()   { Destroy(OnToolbar); }

} // namespace

GALLERY_ITEM(flatcombo, "flatcombo", 200, 44, &CreateNormal, NULL, &DestroyNormal);
GALLERY_ITEM(flatcombo_hot, "flatcombo_hot", 200, 44, &CreateHot, NULL, &DestroyHot);
GALLERY_ITEM(flatcombo_dropped, "flatcombo_dropped", 200, 150, &CreateDropped, NULL, &DestroyDropped);
GALLERY_ITEM(flatcombo_disabled, "flatcombo_disabled", 200, 44, &CreateDisabled, NULL, &DestroyDisabled);
GALLERY_ITEM(flatcombo_toolbar, "flatcombo_toolbar", 260, 40, &CreateToolbar, NULL, &DestroyToolbar);
