// HostileControls.cpp - builds and uses one control of each kind.
#include "HostileControls.h"

#include <stdio.h>
#include <string.h>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "BigListCtrl.h"
#include "FlatCombo.h"
#include "Histogram.h"
#include "HotButton.h"
#include "InputHelpers.h"
#include "LiveArrow.h"
#include "DlgItemResizer.h"
#include "MessageRecorder.h"
#include "NumericEdit.h"
#include "xSplitterWnd.h"
#include "ySplitterWnd.h"

using namespace testsupport;

namespace hostile {

namespace {

const UINT kId = 2701;
const UINT kPaneA = 2702, kPaneB = 2703;

void PaintNow(HWND hwnd)
{
    ::RedrawWindow(hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

HWND MakeChild(HWND parent, const char* cls, UINT id, const RECT& rc, DWORD style = 0)
{
    return ::CreateWindowExA(0, cls, "", WS_CHILD | WS_VISIBLE | style, rc.left, rc.top,
                             rc.right - rc.left, rc.bottom - rc.top, parent,
                             (HMENU)(UINT_PTR)id, ::GetModuleHandleA(NULL), NULL);
}

// A control object owned by a CWnd-derived member.
template <class T>
struct Owned : BuiltControl
{
    T wnd;
    HWND Window() const override { return wnd.GetSafeHwnd(); }
    void Destroy() override
    {
        if (wnd.GetSafeHwnd() != NULL)
            wnd.DestroyWindow();
    }
};

// A histogram with 12 bins and three cutpoints, selectable and draggable.
std::unique_ptr<BuiltControl> BuildHistogram(HWND parent)
{
    auto c = std::make_unique<Owned<HistogramProbe>>();
    if (!c->wnd.Create(HISTOGRAM_CLASSNAME, NULL, WS_CHILD | WS_VISIBLE, CRect(10, 10, 330, 210),
                       CWnd::FromHandle(parent), kId))
        return nullptr;
    CArray<HistoBin, HistoBin&> bins;
    bins.SetSize(12);
    for (int i = 0; i < 12; i++)
    {
        bins[i].upper = i + 1;
        bins[i].count = (i * 7) % 11 + 1;
        bins[i].label.Format("%d", i + 1);
    }
    c->wnd.SetHistogram(0.0, bins);
    c->wnd.SetFeatureFlags(CHistogram::HF_SelectCutpoints | CHistogram::HF_DragCutpoints);
    c->wnd.AddCutpoint(3.0);
    c->wnd.AddCutpoint(6.0);
    c->wnd.AddCutpoint(9.0);
    return c;
}

// A splitter bar between two list boxes on a child dialog-like window.
template <class Bar, bool Vertical>
struct Split : BuiltControl
{
    CWnd frame;
    Bar bar;
    HWND Window() const override { return bar.GetSafeHwnd(); }
    void Destroy() override
    {
        if (frame.GetSafeHwnd() != NULL)
            frame.DestroyWindow();
    }
};

template <class Bar, bool Vertical>
std::unique_ptr<BuiltControl> BuildSplitter(HWND parent)
{
    auto c = std::make_unique<Split<Bar, Vertical>>();
    if (!c->frame.CreateEx(WS_EX_CONTROLPARENT, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                           CRect(10, 10, 330, 250), CWnd::FromHandle(parent), kId + 10))
        return nullptr;
    HWND f = c->frame.m_hWnd;
    const CRect a = Vertical ? CRect(5, 5, 150, 230) : CRect(5, 5, 310, 110);
    const CRect bar = Vertical ? CRect(155, 5, 160, 230) : CRect(5, 115, 310, 120);
    const CRect b = Vertical ? CRect(165, 5, 310, 230) : CRect(5, 125, 310, 230);
    MakeChild(f, "LISTBOX", kPaneA, a, WS_BORDER | LBS_NOINTEGRALHEIGHT);
    MakeChild(f, "STATIC", kId, bar, SS_GRAYRECT);
    MakeChild(f, "EDIT", kPaneB, b, WS_BORDER | ES_MULTILINE);
    if (!c->bar.BindWithControl(&c->frame, kId))
        return nullptr;
    if constexpr (Vertical)
    {
        c->bar.AttachAsLeftPane(kPaneA, 5, TRUE);
        c->bar.AttachAsRightPane(kPaneB, 5, TRUE);
        c->bar.SetMinWidth(30, 30);
    }
    else
    {
        c->bar.AttachAsAbovePane(kPaneA, 5, TRUE);
        c->bar.AttachAsBelowPane(kPaneB, 5, TRUE);
        c->bar.SetMinHeight(30, 30);
    }
    c->bar.RecalcLayout();
    return c;
}

// A window hosting one collapse arrow: paints it and hands it the mouse.
class CArrowHost : public CWnd
{
public:
    LiveArrow arrow;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        const CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
        MSG msg = { m_hWnd, message, wParam, lParam, 0, { pt.x, pt.y } };
        switch (message)
        {
        case WM_PAINT:
        {
            CPaintDC dc(this);
            arrow.Draw(&dc);
            return 0;
        }
        case WM_LBUTTONDOWN:
            LiveArrow::RelayToolTipEvent(&msg);
            arrow.MouseDown(pt);
            return 0;
        case WM_MOUSEMOVE:
            LiveArrow::RelayToolTipEvent(&msg);
            arrow.Track(pt);
            return 0;
        case WM_LBUTTONUP:
            LiveArrow::RelayToolTipEvent(&msg);
            arrow.MouseUp(pt);
            return 0;
        case WM_NOTIFY:
        {
            NMHDR* hdr = reinterpret_cast<NMHDR*>(lParam);
            if (hdr->code == TTN_GETDISPINFOA)
                return arrow.GetTTTextA(reinterpret_cast<NMTTDISPINFOA*>(lParam));
            if (hdr->code == TTN_GETDISPINFOW)
                return arrow.GetTTTextW(reinterpret_cast<NMTTDISPINFOW*>(lParam));
            break;
        }
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

std::unique_ptr<BuiltControl> BuildArrow(HWND parent)
{
    auto c = std::make_unique<Owned<CArrowHost>>();
    LPCTSTR cls = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    if (!c->wnd.Create(cls, NULL, WS_CHILD | WS_VISIBLE, CRect(10, 10, 110, 60), CWnd::FromHandle(parent), kId))
        return nullptr;
    const CRect rc(20, 10, 34, 24);
    if (!c->wnd.arrow.Initialize(&c->wnd, TRUE, &rc))
        return nullptr;
    return c;
}

// A resizer over three children of a child window, sized with it.
struct Resized : BuiltControl
{
    CWnd frame;
    CDlgItemResizer resizer;
    HWND Window() const override { return frame.GetSafeHwnd(); }
    void Destroy() override
    {
        if (frame.GetSafeHwnd() != NULL)
            frame.DestroyWindow();
    }
};

std::unique_ptr<BuiltControl> BuildResizer(HWND parent)
{
    auto c = std::make_unique<Resized>();
    if (!c->frame.Create("STATIC", "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 310, 210), CWnd::FromHandle(parent), kId))
        return nullptr;
    HWND f = c->frame.m_hWnd;
    MakeChild(f, "EDIT", kPaneA, CRect(5, 5, 290, 150), WS_BORDER);
    MakeChild(f, "BUTTON", kPaneB, CRect(200, 160, 290, 190));
    c->resizer.Add(&c->frame, kPaneA, RZ_LEFT | RZ_RIGHT | RZ_TOP | RZ_BOTTOM);
    c->resizer.Add(&c->frame, kPaneB, RZ_RIGHT | RZ_BOTTOM | RZ_HIDEOUTSIDE);
    return c;
}

// A hot button with an image on the left and a caption.
std::unique_ptr<BuiltControl> BuildHotButton(HWND parent)
{
    auto c = std::make_unique<Owned<HotButtonProbe>>();
    if (!c->wnd.Create("Run", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 110, 40),
                       CWnd::FromHandle(parent), kId))
        return nullptr;
    CImageList images;
    images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0);
    HDC screen = ::GetDC(NULL);
    HBITMAP bmp = ::CreateCompatibleBitmap(screen, 32, 16);
    ::ReleaseDC(NULL, screen);
    images.Add(CBitmap::FromHandle(bmp), RGB(255, 0, 255));
    ::DeleteObject(bmp);
    c->wnd.SetButtonImages(&images, BIA_Left);   // the button keeps a copy
    return c;
}

// A flat combo of three items, made from nothing.
std::unique_ptr<BuiltControl> BuildFlatCombo(HWND parent)
{
    auto c = std::make_unique<Owned<CFlatCombo>>();
    CFlatCombo* combo = &c->wnd;    // virtual calls, as a host makes them
    if (!combo->Recreate(CWnd::FromHandle(parent)))
        return nullptr;
    combo->MoveWindow(10, 10, 160, 150);
    combo->AddString("Descriptive statistics");
    combo->AddString("Compare means");
    combo->AddString("A rather long item that needs a tooltip to be read whole");
    combo->SetCurSel(0);
    return c;
}

std::unique_ptr<BuiltControl> BuildNumericEdit(HWND parent)
{
    auto c = std::make_unique<Owned<CNumericEdit>>();
    if (!c->wnd.Create(_T("EDIT"), NULL, WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                       CRect(10, 10, 160, 34), CWnd::FromHandle(parent), kId))
        return nullptr;
    c->wnd.SetNumberType(CNumericEdit::typeSignedDecimal);
    return c;
}

std::unique_ptr<BuiltControl> BuildBigList(HWND parent)
{
    auto c = std::make_unique<Owned<BigListProbe>>();
    if (!c->wnd.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS,
                       CRect(10, 10, 330, 230), CWnd::FromHandle(parent), kId))
        return nullptr;
    c->wnd.InsertColumn(0, "Key", LVCFMT_RIGHT, 70);
    c->wnd.InsertColumn(1, "Name", LVCFMT_LEFT, 120);
    c->wnd.InsertColumn(2, "Value", LVCFMT_RIGHT, 70);
    const DWORD self = ::GetCurrentThreadId();
    for (long key = 0; key < 200; ++key)
        c->wnd.InsertItem(key, key, (void*)(INT_PTR)((key * 37) % 200 + 1), self);
    c->wnd.SetItemCountEx(c->wnd.GetItemCount(), LVSICF_NOINVALIDATEALL);
    return c;
}

POINT Centre(HWND hwnd)
{
    RECT rc;
    ::GetClientRect(hwnd, &rc);
    return { rc.right / 2, rc.bottom / 2 };
}

BOOL CALLBACK CollectToolTip(HWND hwnd, LPARAM tips)
{
    char name[32] = "";
    if (::GetClassNameA(hwnd, name, sizeof(name)) && lstrcmpiA(name, TOOLTIPS_CLASSA) == 0)
        reinterpret_cast<std::vector<HWND>*>(tips)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> ThreadToolTips()
{
    std::vector<HWND> tips;
    ::EnumThreadWindows(::GetCurrentThreadId(), &CollectToolTip, (LPARAM)&tips);
    return tips;
}

// The tips show as soon as the mouse rests, so the rounds wait for the
// tip and not for its delay.
void ShortenToolTipDelays()
{
    for (HWND tip : ThreadToolTips())
        ::SendMessageA(tip, TTM_SETDELAYTIME, TTDT_INITIAL, 1);
}

// Whether a tooltip of this thread shows a text. The framework's tip is
// made by the first hover; once it has shown, it too is shortened.
bool ToolTipShown()
{
    for (HWND tip : ThreadToolTips())
        if (::IsWindowVisible(tip) && ::GetWindowTextLengthA(tip) > 0)
        {
            ShortenToolTipDelays();
            return true;
        }
    return false;
}

// The framework shows its tooltips from the messages its loop
// pre-translates; this pump does so until done() holds. The deadline only
// ends a hang.
bool PumpTranslatedUntil(const std::function<bool()>& done)
{
    for (const DWORD start = ::GetTickCount(); ::GetTickCount() - start < 30000;)
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (!CWnd::WalkPreTranslateTree(NULL, &msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        if (done())
            return true;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 20, QS_ALLINPUT);
    }
    return false;
}

// The host's tooltip for a hot button: a tool of the button's own window,
// whose text the button answers with its caption.
HWND MakeButtonToolTip(HWND button)
{
    HWND tip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, NULL, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                                 ::GetAncestor(button, GA_ROOT), NULL, ::GetModuleHandleA(NULL), NULL);
    TTTOOLINFOA ti = {};
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = button;
    ti.uId = (UINT_PTR)button;
    ti.lpszText = LPSTR_TEXTCALLBACKA;
    ::SendMessageA(tip, TTM_ADDTOOLA, 0, (LPARAM)&ti);
    ::SendMessageA(tip, TTM_SETDELAYTIME, TTDT_INITIAL, 1);
    return tip;
}

CFileDialog* g_dialog = nullptr;
bool g_dialogShown = false;

// A thread timer the dialog's loop dispatches: cancels the dialog once up.
// The dialog is the parent of the child dialog bound to the object; one
// that came up without it is the active dialog.
void CALLBACK CancelWhenUp(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND child = g_dialog != nullptr ? g_dialog->m_hWnd : NULL;
    HWND dialog = child != NULL ? ::GetParent(child) : ::GetActiveWindow();
    char cls[16] = "";
    if (dialog == NULL || !::IsWindowVisible(dialog) || !::GetClassNameA(dialog, cls, sizeof(cls)) ||
        strcmp(cls, "#32770") != 0)
        return;
    ::KillTimer(NULL, timer);
    g_dialogShown = true;
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)::GetDlgItem(dialog, IDCANCEL));
}

} // namespace

LiveArrow* ArrowOf(BuiltControl& control)
{
    auto* host = dynamic_cast<Owned<CArrowHost>*>(&control);
    return host != nullptr ? &host->wnd.arrow : nullptr;
}

CDlgItemResizer* ResizerOf(BuiltControl& control)
{
    auto* resized = dynamic_cast<Resized*>(&control);
    return resized != nullptr ? &resized->resizer : nullptr;
}

int DoModalCancelled(CFileDialog& dlg, bool* shown)
{
    g_dialog = &dlg;
    g_dialogShown = false;
    const UINT_PTR timer = ::SetTimer(NULL, 0, 10, &CancelWhenUp);
    const int result = (int)dlg.DoModal();
    ::KillTimer(NULL, timer);
    g_dialog = nullptr;
    if (shown != nullptr)
        *shown = g_dialogShown;
    return result;
}

IMPLEMENT_DYNAMIC(HotButtonProbe, CHotButton)
BEGIN_MESSAGE_MAP(HotButtonProbe, CHotButton)
END_MESSAGE_MAP()

void BigListProbe::OnCBGetdispinfo(LVITEMA* pItem, long nKey, void* pData)
{
    if ((pItem->mask & LVIF_TEXT) != 0 && pItem->pszText != NULL && pItem->cchTextMax > 0)
        _snprintf(pItem->pszText, pItem->cchTextMax, "%ld:%d", nKey, (int)(INT_PTR)pData);
}

int BigListProbe::OnCBSortItem(long nColumn, long, long nKey1, void* pData1, long, long nKey2,
                               void* pData2)
{
    if (nColumn == 0)
        return nKey1 < nKey2 ? -1 : nKey1 > nKey2;
    return pData1 < pData2 ? -1 : pData1 > pData2;
}

const char* KindName(ControlKind kind)
{
    static const char* const names[] = { "Histogram", "XSplitter", "YSplitter", "LiveArrow", "Resizer",
                                         "HotButton", "FlatCombo", "NumericEdit", "BigList" };
    return names[static_cast<int>(kind)];
}

std::unique_ptr<BuiltControl> Build(ControlKind kind, HWND parent)
{
    switch (kind)
    {
    case ControlKind::Histogram: return BuildHistogram(parent);
    case ControlKind::XSplitter: return BuildSplitter<CxSplitterWnd, true>(parent);
    case ControlKind::YSplitter: return BuildSplitter<CySplitterWnd, false>(parent);
    case ControlKind::LiveArrow: return BuildArrow(parent);
    case ControlKind::Resizer: return BuildResizer(parent);
    case ControlKind::HotButton: return BuildHotButton(parent);
    case ControlKind::FlatCombo: return BuildFlatCombo(parent);
    case ControlKind::NumericEdit: return BuildNumericEdit(parent);
    case ControlKind::BigList: return BuildBigList(parent);
    }
    return nullptr;
}

void UseAsPerson(ControlKind kind, BuiltControl& control)
{
    HWND hwnd = control.Window();
    PaintNow(hwnd);
    const POINT c = Centre(hwnd);
    switch (kind)
    {
    case ControlKind::Histogram:
    {
        // Drag the middle cutpoint (6 of 12 bins: the plot's middle) a little.
        CHistogram* h = static_cast<CHistogram*>(CWnd::FromHandlePermanent(hwnd));
        MouseMoveTo(hwnd, c.x, c.y);
        LeftDrag(hwnd, c.x, c.y, c.x + 20, c.y, 2);
        h->SelectCutpoint(3.0);
        break;
    }
    case ControlKind::XSplitter:
    case ControlKind::YSplitter:
    {
        // The bar's drag loop takes the move and the release once the press
        // is dispatched, so the three are queued before any is handled.
        const bool across = kind == ControlKind::XSplitter;
        const POINT p0 = across ? POINT{ 2, c.y } : POINT{ c.x, 2 };
        const POINT p1 = across ? POINT{ p0.x + 20, p0.y } : POINT{ p0.x, p0.y + 20 };
        MouseMoveTo(hwnd, p0.x, p0.y);
        ::PostMessage(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p0.x, p0.y));
        ::PostMessage(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(p1.x, p1.y));
        ::PostMessage(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(p1.x, p1.y));
        Pump();
        break;
    }
    case ControlKind::LiveArrow:
        ShortenToolTipDelays();
        MouseMoveTo(hwnd, 27, 12);
        EXPECT_TRUE(PumpUntil(ToolTipShown, 30000)) << "no arrow tooltip";
        LeftClick(hwnd, 27, 12);
        MouseMoveTo(hwnd, 27, 20);
        LeftClick(hwnd, 27, 20);
        MouseMoveTo(hwnd, 90, 40);
        break;
    case ControlKind::Resizer:
    {
        Resized& r = static_cast<Resized&>(control);
        r.frame.SetWindowPos(NULL, 0, 0, 200, 120, SWP_NOMOVE | SWP_NOZORDER);
        r.resizer.Resize(&r.frame);
        r.frame.SetWindowPos(NULL, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER);
        r.resizer.Resize(&r.frame);
        break;
    }
    case ControlKind::HotButton:
    {
        HWND tip = MakeButtonToolTip(hwnd);
        MouseMoveTo(hwnd, c.x, c.y);
        EXPECT_TRUE(PumpUntil([&] {
            char text[16] = "";
            return ::IsWindowVisible(tip) && ::GetWindowTextA(tip, text, sizeof(text)) && strcmp(text, "Run") == 0;
        }, 30000)) << "no caption tooltip";
        LeftClick(hwnd, c.x, c.y);
        MouseMoveTo(::GetParent(hwnd), 400, 400);
        ::DestroyWindow(tip);
        break;
    }
    case ControlKind::FlatCombo:
        MouseMoveTo(hwnd, c.x, c.y);
        ::SendMessageA(hwnd, CB_SHOWDROPDOWN, TRUE, 0);
        ::SendMessageA(hwnd, CB_SHOWDROPDOWN, FALSE, 0);
        ::SendMessageA(hwnd, CB_SETCURSEL, 2, 0);
        PaintNow(hwnd);
        // The long item does not fit: the framework's tip shows it whole.
        InjectMouseMove(::FindWindowExA(hwnd, NULL, "ComboBox", NULL), 30, 8);
        EXPECT_TRUE(PumpTranslatedUntil(ToolTipShown)) << "no item tooltip";
        CWnd::CancelToolTips();
        MouseMoveTo(::GetParent(hwnd), 400, 400);
        break;
    case ControlKind::NumericEdit:
        ::SetFocus(hwnd);
        TypeText("-12.5x");
        ::SetFocus(::GetParent(hwnd));
        break;
    case ControlKind::BigList:
    {
        CBigListCtrl* list = static_cast<CBigListCtrl*>(CWnd::FromHandlePermanent(hwnd));
        MouseMoveTo(hwnd, c.x, c.y);
        LeftClick(hwnd, c.x, c.y);
        list->OnSortItems(2);
        list->OnSortItems(2);
        PaintNow(hwnd);
        list->DeleteAllItems(::GetCurrentThreadId());
        break;
    }
    }
    PaintNow(hwnd);
    Pump();
}

} // namespace hostile
