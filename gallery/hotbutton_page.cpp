// hotbutton_page.cpp - the hot button in the gallery: one row per border
// style with the button in every state, and a row of image placements.
#include <afxwin.h>
#include <afxcmn.h>

#include "gallery.h"
#include "HotButton.h"

namespace {

const int kCellWidth = 74;
const int kCellHeight = 26;
const int kCellGap = 6;
const int kColumns = 8;
const int kRows = 3;
const UINT kFirstId = 0x4A01;

// Puts a state that needs the mouse (hot, held down) on the button.
class CGalleryHotButton : public CHotButton
{
    DECLARE_DYNAMIC(CGalleryHotButton)
public:
    void SetState(BOOL bHot, BOOL bPressed) { m_bHot = bHot; m_bPressed = bPressed; }
protected:
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNAMIC(CGalleryHotButton, CHotButton)
BEGIN_MESSAGE_MAP(CGalleryHotButton, CHotButton)
END_MESSAGE_MAP()

struct StateCell
{
    const char* caption;
    DWORD style;
    BOOL hot, pressed, checked, highlight;
};

const StateCell kStates[kColumns] = {
    { "Normal",    BS_PUSHBUTTON,    0, 0, 0, 0 },
    { "Hot",       BS_PUSHBUTTON,    1, 0, 0, 0 },
    { "Pressed",   BS_PUSHBUTTON,    1, 1, 0, 0 },
    { "Checked",   BS_CHECKBOX,      0, 0, 1, 0 },
    { "Chk hot",   BS_CHECKBOX,      1, 0, 1, 0 },
    { "Highlight", BS_PUSHBUTTON,    0, 0, 0, 1 },
    { "Disabled",  BS_PUSHBUTTON | WS_DISABLED, 0, 0, 0, 0 },
    { "Default",   BS_DEFPUSHBUTTON, 0, 0, 0, 0 },
};

struct ImageCell
{
    const char* caption;
    DWORD style;
    ButtonImageAlign align;
    int nImages;
};

const ImageCell kImages[kColumns] = {
    { "Left",     BS_LEFT,  BIA_Left,   2 },
    { "Right",    BS_RIGHT, BIA_Right,  2 },
    { "Centre",   0,        BIA_Center, 2 },
    { "",         0,        BIA_Left,   2 },
    { "Off",      WS_DISABLED, BIA_Left, 2 },
    { "Off, one", WS_DISABLED, BIA_Left, 1 },
    { "No image", 0,        BIA_Right,  0 },
    { "Long caption that ends early", BS_LEFT, BIA_Left, 2 },
};

CWnd* g_pPanel = NULL;
CGalleryHotButton* g_buttons[kRows * kColumns] = { NULL };

// Two 16 x 16 images: a blue disc and its grey disabled form, on a
// magenta mask colour.
HIMAGELIST MakeImages(int nImages)
{
    HIMAGELIST himl = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0);
    HDC hdcScreen = GetDC(NULL);
    HDC hdc = CreateCompatibleDC(hdcScreen);
    HBITMAP hbm = CreateCompatibleBitmap(hdcScreen, 32, 16);
    HGDIOBJ hOldBitmap = SelectObject(hdc, hbm);
    RECT rc = { 0, 0, 32, 16 };
    HBRUSH hbrMask = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(hdc, &rc, hbrMask);
    DeleteObject(hbrMask);
    const COLORREF discs[2] = { RGB(40, 90, 200), RGB(150, 150, 150) };
    for (int i = 0; i < 2; i++)
    {
        HBRUSH hbr = CreateSolidBrush(discs[i]);
        HGDIOBJ hOldBrush = SelectObject(hdc, hbr);
        HGDIOBJ hOldPen = SelectObject(hdc, GetStockObject(BLACK_PEN));
        Ellipse(hdc, 16 * i + 1, 1, 16 * i + 15, 15);
        SelectObject(hdc, hOldPen);
        SelectObject(hdc, hOldBrush);
        DeleteObject(hbr);
    }
    SelectObject(hdc, hOldBitmap);
    DeleteDC(hdc);
    ReleaseDC(NULL, hdcScreen);
    ImageList_AddMasked(himl, hbm, RGB(255, 0, 255));
    DeleteObject(hbm);
    if (nImages < 2)
        ImageList_Remove(himl, 1);
    return himl;
}

CGalleryHotButton* MakeButton(int row, int column, const char* caption, DWORD style)
{
    CGalleryHotButton* p = new CGalleryHotButton;
    const int x = column * (kCellWidth + kCellGap);
    const int y = row * (kCellHeight + kCellGap);
    CRect rc(x, y, x + kCellWidth, y + kCellHeight);
    const DWORD disabled = style & WS_DISABLED;
    if (!p->Create(caption, WS_CHILD | WS_VISIBLE | (style & ~WS_DISABLED), rc, g_pPanel,
                   kFirstId + row * kColumns + column))
    {
        delete p;
        return NULL;
    }
    p->ModifyStyleEx(0, WS_EX_STATICEDGE, SWP_FRAMECHANGED);
    p->SetFont(g_pPanel->GetParent()->GetFont(), FALSE);
    if (disabled)
        p->EnableWindow(FALSE);
    g_buttons[row * kColumns + column] = p;
    return p;
}

HWND CreatePage(CWnd* pParent, const RECT& rc)
{
    g_pPanel = new CWnd;
    if (!g_pPanel->Create("STATIC", "", WS_CHILD | WS_VISIBLE, rc, pParent, kFirstId - 1))
    {
        delete g_pPanel;
        g_pPanel = NULL;
        return NULL;
    }
    for (int row = 0; row < 2; row++)
        for (int column = 0; column < kColumns; column++)
        {
            const StateCell& cell = kStates[column];
            CGalleryHotButton* p = MakeButton(row, column, cell.caption, cell.style);
            if (p == NULL)
                continue;
            p->SetBorderStyle(row == 0 ? CHotButton::HB_Flat : CHotButton::HB_Raised);
            p->SetHighlight(cell.highlight);
            if (cell.checked)
                p->SetCheck(BST_CHECKED);
            p->SetState(cell.hot, cell.pressed);
        }
    for (int column = 0; column < kColumns; column++)
    {
        const ImageCell& cell = kImages[column];
        CGalleryHotButton* p = MakeButton(2, column, cell.caption, BS_PUSHBUTTON | cell.style);
        if (p == NULL)
            continue;
        p->SetBorderStyle(CHotButton::HB_Raised);
        CImageList images;
        if (cell.nImages > 0 && images.Attach(MakeImages(cell.nImages)))
            p->SetButtonImages(&images, cell.align);   // the button keeps a copy
        else
            p->SetButtonImages(NULL, cell.align);
    }
    g_pPanel->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return g_pPanel->GetSafeHwnd();
}

void DestroyPage()
{
    for (int i = 0; i < kRows * kColumns; i++)
    {
        if (g_buttons[i] != NULL)
        {
            g_buttons[i]->DestroyWindow();
            delete g_buttons[i];
            g_buttons[i] = NULL;
        }
    }
    if (g_pPanel != NULL)
    {
        g_pPanel->DestroyWindow();
        delete g_pPanel;
        g_pPanel = NULL;
    }
}

} // namespace

GALLERY_ITEM(hotbutton, "hotbutton", kColumns * (kCellWidth + kCellGap) - kCellGap,
             kRows * (kCellHeight + kCellGap) - kCellGap, &CreatePage, NULL, &DestroyPage);
