// livearrow_page.cpp - the collapse arrow in the gallery: a vertical and a
// horizontal widget in each expand state, idle, hovered and pressed.
//
// The widget draws its hover and press frames straight to the screen when
// the mouse moves, outside any paint. The page's host window therefore
// plays the mouse events of each cell again after every paint, so the
// frames survive the repaints the gallery's camera causes.
#include <afxwin.h>

#include <string>

#include "gallery.h"
#include "LiveArrow.h"

namespace {

const int kStates = 3;          // expanded, collapsed first, collapsed second
const int kLooks = 3;           // idle, hovered, pressed
const int kLabelWidth = 112;
const int kHeaderHeight = 20;
const int kCellWidth = 56;
const int kCellHeight = 44;
const int kArrowSize = 14;      // side of the arrow rectangle

const char* const kStateNames[kStates] = { "Expanded", "Collapsed first", "Collapsed second" };
const char* const kLookNames[kLooks] = { "idle", "hovered", "pressed" };

class CArrowGalleryHost : public CWnd
{
public:
    explicit CArrowGalleryHost(int bVertical) : m_bVertical(bVertical) {}

    BOOL Build(CWnd* pParent, const RECT& rc)
    {
        LPCTSTR pszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW),
                                               (HBRUSH)(COLOR_BTNFACE + 1));
        if (!Create(pszClass, NULL, WS_CHILD | WS_VISIBLE, rc, pParent, 0))
            return FALSE;
        for (int s = 0; s < kStates; s++)
            for (int l = 0; l < kLooks; l++)
            {
                LiveArrow& arrow = m_arrows[s][l];
                const CRect r = ArrowRect(s, l);
                arrow.Initialize(this, m_bVertical, &r);
                arrow.SetExpandState((LiveArrow::ExpandState)s);
            }
        return TRUE;
    }

protected:
    CRect ArrowRect(int s, int l) const
    {
        const int x = kLabelWidth + l * kCellWidth + (kCellWidth - kArrowSize) / 2;
        const int y = kHeaderHeight + s * kCellHeight + (kCellHeight - kArrowSize) / 2;
        return CRect(x, y, x + kArrowSize, y + kArrowSize);
    }

    // Hovered cells show the first arrow hovered, pressed cells the second
    // one pressed (the single arrow when collapsed).
    void ReplayMouse()
    {
        for (int s = 0; s < kStates; s++)
        {
            const CRect r = ArrowRect(s, 0);
            const CPoint second = m_bVertical ? CPoint(r.left + 1, r.bottom - 1) : CPoint(r.right - 1, r.top + 1);
            m_arrows[s][1].Track(CPoint(-1, -1));
            m_arrows[s][1].Track(ArrowRect(s, 1).TopLeft());
            m_arrows[s][2].MouseDown(second + CPoint(2 * kCellWidth, 0));
        }
        ::ReleaseCapture();
    }

    afx_msg void OnPaint()
    {
        {
            CPaintDC dc(this);
            CFont* pOldFont = dc.SelectObject(GetParent()->GetFont());
            dc.SetBkMode(TRANSPARENT);
            for (int l = 0; l < kLooks; l++)
                dc.TextOut(kLabelWidth + l * kCellWidth + 8, 2, kLookNames[l]);
            for (int s = 0; s < kStates; s++)
            {
                dc.TextOut(4, kHeaderHeight + s * kCellHeight + kCellHeight / 2 - 7, kStateNames[s]);
                for (int l = 0; l < kLooks; l++)
                    m_arrows[s][l].Draw(&dc);
            }
            dc.SelectObject(pOldFont);
        }
        ReplayMouse();
    }

    // --- interactive: the host forwards the mouse to the idle widgets (the
    // others keep the looks played to them), as a dialog that uses them
    // does, and repaints when one changed its state.
    afx_msg void OnMouseMove(UINT, CPoint pt)
    {
        for (int s = 0; s < kStates; s++)
            m_arrows[s][0].Track(pt);
    }
    afx_msg void OnLButtonDown(UINT, CPoint pt)
    {
        for (int s = 0; s < kStates; s++)
            m_arrows[s][0].MouseDown(pt);
    }
    afx_msg void OnLButtonUp(UINT, CPoint pt)
    {
        for (int s = 0; s < kStates; s++)
            m_arrows[s][0].MouseUp(pt);
    }
    afx_msg LRESULT OnExpandStateChanged(WPARAM, LPARAM)
    {
        Invalidate();
        return 0;
    }

public:
    // "<state> <left> <top> <right> <bottom>" of each idle widget, screen pixels.
    std::string IdleArrows()
    {
        std::string text;
        for (int s = 0; s < kStates; s++)
        {
            CRect r = ArrowRect(s, 0);
            ClientToScreen(&r);
            text += (s > 0 ? " " : "") + std::to_string(m_arrows[s][0].GetExpandState()) + " " +
                    std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
                    std::to_string(r.bottom);
        }
        return text;
    }
    // ---

    DECLARE_MESSAGE_MAP()

private:
    int m_bVertical;
    LiveArrow m_arrows[kStates][kLooks];
};

BEGIN_MESSAGE_MAP(CArrowGalleryHost, CWnd)
    ON_WM_PAINT()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_MESSAGE(LAM_EXPANDSTATECHANGED, OnExpandStateChanged)
END_MESSAGE_MAP()

CArrowGalleryHost* g_pVertical = NULL;
CArrowGalleryHost* g_pHorizontal = NULL;

HWND Make(CArrowGalleryHost*& p, int bVertical, CWnd* pParent, const RECT& rc)
{
    p = new CArrowGalleryHost(bVertical);
    if (!p->Build(pParent, rc))
    {
        delete p;
        p = NULL;
        return NULL;
    }
    return p->GetSafeHwnd();
}

void Destroy(CArrowGalleryHost*& p)
{
    if (p != NULL)
    {
        p->DestroyWindow();
        delete p;
        p = NULL;
    }
}

const int kWidth = kLabelWidth + kLooks * kCellWidth + 4;
const int kHeight = kHeaderHeight + kStates * kCellHeight + 4;

HWND CreateVertical(CWnd* pParent, const RECT& rc) { return Make(g_pVertical, TRUE, pParent, rc); }
HWND CreateHorizontal(CWnd* pParent, const RECT& rc) { return Make(g_pHorizontal, FALSE, pParent, rc); }
void DestroyVertical() { Destroy(g_pVertical); }
void DestroyHorizontal() { Destroy(g_pHorizontal); }

std::string VerticalArrows(const char*)
{
    return g_pVertical != NULL ? g_pVertical->IdleArrows() : "fail: none";
}

} // namespace

GALLERY_COMMAND(livearrow_arrows, "livearrow.arrows", &VerticalArrows);
GALLERY_ITEM(livearrow_vertical, "livearrow_vertical", kWidth, kHeight, &CreateVertical, NULL, &DestroyVertical);
GALLERY_ITEM(livearrow_horizontal, "livearrow_horizontal", kWidth, kHeight, &CreateHorizontal, NULL,
             &DestroyHorizontal);
