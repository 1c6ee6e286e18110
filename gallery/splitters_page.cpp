// splitters_page.cpp - the splitter bars and the dialog item resizer in the
// gallery: a dialog split into three panes by one x bar and one y bar,
// photographed a moment after both bars were dragged, and the same dialog
// built smaller and then resized through CDlgItemResizer.
#include <afxwin.h>

#include "gallery.h"
#include "DlgItemResizer.h"
#include "xSplitterWnd.h"
#include "ySplitterWnd.h"

namespace {

enum
{
    IDC_VARIABLES = 100,
    IDC_XBAR,
    IDC_SYNTAX,
    IDC_YBAR,
    IDC_OUTPUT,
    IDC_RUN,
    IDC_CLOSE
};

const int kDraggedWidth = 360, kDraggedHeight = 230;
const int kResizedWidth = 460, kResizedHeight = 290;
const int kMargin = 8, kBar = 5, kGap = 4, kButtonWidth = 64, kButtonHeight = 22;

// An empty child dialog with the usual dialog font; the page adds its
// controls in pixels.
class CChildTemplate
{
public:
    CChildTemplate()
    {
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | DS_SETFONT | DS_CONTROL;
        m_words[0] = LOWORD(style);
        m_words[1] = HIWORD(style);
        int n = 2;
        m_words[n++] = 0; m_words[n++] = 0;        // extended style
        m_words[n++] = 0;                          // no items
        m_words[n++] = 0; m_words[n++] = 0;        // x, y
        m_words[n++] = 100; m_words[n++] = 50;     // cx, cy (dialog units)
        m_words[n++] = 0; m_words[n++] = 0;        // no menu, the dialog class
        m_words[n++] = 0;                          // no caption
        m_words[n++] = 8;                          // point size
        const wchar_t* face = L"MS Shell Dlg";
        do
            m_words[n++] = (WORD)*face;
        while (*face++ != L'\0');
    }
    LPCDLGTEMPLATE Get() const { return reinterpret_cast<LPCDLGTEMPLATE>(m_words); }

private:
    WORD m_words[64] __attribute__((aligned(4)));
};

// The split dialog: a variable list left of the x bar; right of it a
// syntax editor above the y bar and an output list below; two buttons at
// the bottom right. It counts the SPM_BARMOVED messages it gets.
class CSplitDialog : public CDialog
{
public:
    CSplitDialog() : m_nBarMoves(0) {}

    BOOL Build(CWnd* pParent, const RECT& rc)
    {
        static CChildTemplate tmpl;
        if (!CreateIndirect(tmpl.Get(), pParent))
            return FALSE;
        MoveWindow(&rc, FALSE);
        CRect client;
        GetClientRect(&client);
        const int cx = client.Width(), cy = client.Height();
        const int bottom = cy - kMargin - kButtonHeight - kMargin;
        const int xBar = cx * 36 / 100;
        const int yBar = (kMargin + bottom) / 2;

        MakeChild("LISTBOX", "", IDC_VARIABLES, WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT,
                  CRect(kMargin, kMargin, xBar - kGap, bottom), 0);
        MakeChild("STATIC", "", IDC_XBAR, SS_GRAYRECT, CRect(xBar, kMargin, xBar + kBar, bottom), 0);
        MakeChild("EDIT", "", IDC_SYNTAX, ES_MULTILINE | ES_AUTOVSCROLL,
                  CRect(xBar + kBar + kGap, kMargin, cx - kMargin, yBar - kGap), WS_EX_CLIENTEDGE);
        MakeChild("STATIC", "", IDC_YBAR, SS_GRAYRECT,
                  CRect(xBar + kBar + kGap, yBar, cx - kMargin, yBar + kBar), 0);
        MakeChild("LISTBOX", "", IDC_OUTPUT, WS_BORDER | LBS_NOINTEGRALHEIGHT,
                  CRect(xBar + kBar + kGap, yBar + kBar + kGap, cx - kMargin, bottom), 0);
        MakeChild("BUTTON", "Run", IDC_RUN, BS_DEFPUSHBUTTON,
                  CRect(cx - 2 * (kMargin + kButtonWidth), cy - kMargin - kButtonHeight,
                        cx - 2 * kMargin - kButtonWidth, cy - kMargin), 0);
        MakeChild("BUTTON", "Close", IDC_CLOSE, BS_PUSHBUTTON,
                  CRect(cx - kMargin - kButtonWidth, cy - kMargin - kButtonHeight,
                        cx - kMargin, cy - kMargin), 0);

        static const char* const variables[] = { "age", "income", "region", "education",
                                                  "household size", "tenure", "score" };
        for (const char* v : variables)
            SendDlgItemMessage(IDC_VARIABLES, LB_ADDSTRING, 0, (LPARAM)v);
        SetDlgItemText(IDC_SYNTAX, "FREQUENCIES age income\r\n  /HISTOGRAM\r\n  /CUTPOINTS 25 50 75.");
        static const char* const output[] = { "Frequencies: age", "Frequencies: income",
                                              "Histogram: income" };
        for (const char* line : output)
            SendDlgItemMessage(IDC_OUTPUT, LB_ADDSTRING, 0, (LPARAM)line);

        // The x bar moves everything right of it; the y bar splits the
        // right side. Both stretch their panes.
        if (!m_xBar.BindWithControl(this, IDC_XBAR) || !m_yBar.BindWithControl(this, IDC_YBAR))
            return FALSE;
        m_xBar.AttachAsLeftPane(IDC_VARIABLES, kGap, TRUE);
        m_xBar.AttachAsRightPane(IDC_SYNTAX, kGap, TRUE);
        m_xBar.AttachAsRightPane(IDC_YBAR, kGap, TRUE);
        m_xBar.AttachAsRightPane(IDC_OUTPUT, kGap, TRUE);
        m_xBar.SetMinWidth(60, 100);
        m_yBar.AttachAsAbovePane(IDC_SYNTAX, kGap, TRUE);
        m_yBar.AttachAsBelowPane(IDC_OUTPUT, kGap, TRUE);
        m_yBar.SetMinHeight(30, 30);
        return TRUE;
    }

    // Drags a bar as the user would: press 2 pixels into it, move by delta
    // along its axis, release. The messages are queued; the bar's own loop
    // takes the move and the release once the press is dispatched.
    void QueueDrag(int nID, BOOL bVertical, int delta)
    {
        HWND hBar = ::GetDlgItem(m_hWnd, nID);
        CRect rc;
        ::GetClientRect(hBar, &rc);
        const int x = bVertical ? rc.Width() / 2 : 2, y = bVertical ? 2 : rc.Height() / 2;
        const int x1 = bVertical ? x : x + delta, y1 = bVertical ? y + delta : y;
        ::PostMessage(hBar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        ::PostMessage(hBar, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x1, y1));
        ::PostMessage(hBar, WM_LBUTTONUP, 0, MAKELPARAM(x1, y1));
    }

    // Registers every control with the resizer: the list and the x bar keep
    // their x, the right side stretches, the buttons follow the corner.
    void RegisterWith(CDlgItemResizer& resizer)
    {
        resizer.Add(this, IDC_VARIABLES, RZ_LEFT | RZ_TOP | RZ_BOTTOM);
        resizer.Add(this, IDC_XBAR, RZ_LEFT | RZ_TOP | RZ_BOTTOM);
        resizer.Add(this, IDC_SYNTAX, RZ_LEFT | RZ_RIGHT | RZ_TOP);
        resizer.Add(this, IDC_YBAR, RZ_LEFT | RZ_RIGHT | RZ_TOP);
        resizer.Add(this, IDC_OUTPUT, RZ_LEFT | RZ_RIGHT | RZ_TOP | RZ_BOTTOM);
        resizer.Add(this, IDC_RUN, RZ_RIGHT | RZ_BOTTOM);
        resizer.Add(this, IDC_CLOSE, RZ_RIGHT | RZ_BOTTOM);
    }

    void Teardown()
    {
        m_xBar.Unbind();
        m_yBar.Unbind();
        DestroyWindow();
    }

    int m_nBarMoves;

protected:
    virtual void OnOK() {}
    virtual void OnCancel() {}

    afx_msg LRESULT OnBarMoved(WPARAM, LPARAM)
    {
        m_nBarMoves++;
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    void MakeChild(const char* cls, const char* text, int nID, DWORD style, const CRect& rc,
                   DWORD exStyle)
    {
        HWND hWnd = ::CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style,
                                      rc.left, rc.top, rc.Width(), rc.Height(), m_hWnd,
                                      (HMENU)(INT_PTR)nID, ::GetModuleHandle(NULL), NULL);
        if (hWnd != NULL)
            ::SendMessage(hWnd, WM_SETFONT, SendMessage(WM_GETFONT), FALSE);
    }

    CxSplitterWnd m_xBar;
    CySplitterWnd m_yBar;
};

BEGIN_MESSAGE_MAP(CSplitDialog, CDialog)
    ON_MESSAGE(SPM_BARMOVED, OnBarMoved)
END_MESSAGE_MAP()

CSplitDialog* g_pDragged = NULL;
CSplitDialog* g_pResized = NULL;
CDlgItemResizer* g_pResizer = NULL;

HWND CreateDragged(CWnd* pParent, const RECT& rc)
{
    g_pDragged = new CSplitDialog;
    if (!g_pDragged->Build(pParent, rc))
        return NULL;
    g_pDragged->QueueDrag(IDC_XBAR, FALSE, 48);
    g_pDragged->QueueDrag(IDC_YBAR, TRUE, 36);
    return g_pDragged->m_hWnd;
}

BOOL DraggedReady()
{
    return g_pDragged->m_nBarMoves == 2;
}

// The same dialog built in a smaller rectangle and dragged the same way;
// once both drags are done the resizer takes that layout as its reference
// and the dialog is grown to its cell.
RECT g_rcResizedCell;
BOOL g_bResized = FALSE;

HWND CreateResized(CWnd* pParent, const RECT& rc)
{
    g_pResized = new CSplitDialog;
    const CRect rcSmall(rc.left, rc.top, rc.left + kDraggedWidth, rc.top + kDraggedHeight);
    if (!g_pResized->Build(pParent, rcSmall))
        return NULL;
    g_pResizer = new CDlgItemResizer;
    g_pResized->RegisterWith(*g_pResizer);
    g_pResized->QueueDrag(IDC_XBAR, FALSE, 48);
    g_pResized->QueueDrag(IDC_YBAR, TRUE, 36);
    g_rcResizedCell = rc;
    return g_pResized->m_hWnd;
}

BOOL ResizedReady()
{
    if (g_pResized->m_nBarMoves == 2 && !g_bResized)
    {
        g_pResizer->RecalcPositions();
        g_pResized->MoveWindow(&g_rcResizedCell, FALSE);
        g_pResizer->Resize(g_pResized);
        g_bResized = TRUE;
    }
    return g_bResized;
}

void Destroy()
{
    for (CSplitDialog** pp : { &g_pDragged, &g_pResized })
    {
        if (*pp != NULL)
        {
            if ((*pp)->m_hWnd != NULL)
                (*pp)->Teardown();
            delete *pp;
            *pp = NULL;
        }
    }
    delete g_pResizer;
    g_pResizer = NULL;
}

} // namespace

// The bars here have no WS_TABSTOP (the soak's random keys would leave a
// keyboard move open); a host that sets it gets arrows, Enter and Escape.
GALLERY_ITEM(splitters_dragged, "splitters_dragged", kDraggedWidth, kDraggedHeight,
             &CreateDragged, &DraggedReady, &Destroy, "arrows, Enter, Esc with WS_TABSTOP");
GALLERY_ITEM(splitters_resized, "splitters_resized", kResizedWidth, kResizedHeight,
             &CreateResized, &ResizedReady, &Destroy);
