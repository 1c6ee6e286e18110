// Message storm: for each control window a seeded stream of well-formed
// messages (mouse and keys at random places with random flags, the standard
// messages it handles, its own messages, notifications with valid buffers of
// random size and content), interleaved with random calls of its members.
// Afterwards the control's invariants hold, it answers, and it paints what a
// fresh control given the same state paints.
//
//   storm_tests [--seed=N] [--count=N] [gtest options]
//
// The seed is printed; --seed=N reruns one storm. Bounded in count.
#include <afxwin.h>
#include <afxcmn.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <cmath>
#include <climits>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "DlgItemResizer.h"
#include "FlatCombo.h"
#include "HostileControls.h"
#include "HotButton.h"
#include "InputHelpers.h"
#include "MessageRecorder.h"
#include "NumericEdit.h"
#include "PixelHelpers.h"
#include "TestHostWindow.h"
#include "Wow64Limits.h"
#include "xSplitterWnd.h"
#include "ySplitterWnd.h"

using namespace testsupport;
using hostile::ControlKind;

namespace {

unsigned g_seed = 0;
int g_count = 100000;
bool g_trace = false;   // --trace: each event's number and message on stderr

// A parent that reflects notifications to its children, as a host's
// dialog does.
class CStormParent : public CWnd
{
public:
    BOOL Make()
    {
        return CreateEx(WS_EX_CONTROLPARENT, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_BTNFACE + 1)),
                        "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 400, 300),
                        CWnd::FromHandle(TestHostWindow::Get()), 0);
    }
};

class Storm
{
public:
    Storm(ControlKind kind, CWnd& parent, unsigned seed)
        : m_kind(kind), m_parent(parent), m_random(seed)
    {
    }

    void Run(hostile::BuiltControl& control, int count)
    {
        m_control = &control;
        const HWND hwnd = control.Window();
        for (int i = 0; i < count; ++i)
        {
            if (g_trace)
                fprintf(stderr, "event %d\n", i);
            if (Pick(40) == 0)
                CallMember();
            else
                SendOne(hwnd);
            if (i % 500 == 499)
                Pump();
        }
        // Whatever the stream left pressed is released, as a user lets go.
        ::PostMessage(hwnd, WM_LBUTTONUP, 0, 0);
        ::SendMessage(hwnd, WM_CANCELMODE, 0, 0);
        if (::GetCapture() != NULL)
            ::ReleaseCapture();
        Pump();
    }

private:
    int Pick(int n) { return (int)(m_random() % (unsigned)n); }
    int Between(int lo, int hi) { return lo + Pick(hi - lo + 1); }

    LPARAM RandomPoint(HWND hwnd)
    {
        RECT rc;
        ::GetClientRect(hwnd, &rc);
        // Mostly inside, sometimes just outside the client area.
        return MAKELPARAM(Between(-20, rc.right + 20), Between(-20, rc.bottom + 20));
    }

    WPARAM RandomFlags()
    {
        static const WPARAM flags[] = { 0, MK_LBUTTON, MK_RBUTTON, MK_SHIFT, MK_CONTROL, MK_LBUTTON | MK_SHIFT, MK_MBUTTON };
        return flags[Pick(7)];
    }

    void SendMouse(HWND hwnd, UINT message)
    {
        const LPARAM pt = RandomPoint(hwnd);
        // A splitter's drag loop and the list view's drag detection run
        // until the button comes up: queue the release before the press, as
        // a quick click would. The list view's right-button loop waits for
        // the right button the same way, and a queued right release would
        // climb to the host as WM_CONTEXTMENU, so the big list gets none.
        const bool loops = m_kind == ControlKind::XSplitter || m_kind == ControlKind::YSplitter ||
                           m_kind == ControlKind::BigList;
        if (message == WM_RBUTTONDOWN && m_kind == ControlKind::BigList)
            message = WM_MOUSEMOVE;
        if ((message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) && loops)
        {
            ::PostMessage(hwnd, WM_MOUSEMOVE, MK_LBUTTON, RandomPoint(hwnd));
            ::PostMessage(hwnd, WM_LBUTTONUP, 0, pt);
        }
        ::SendMessage(hwnd, message, RandomFlags(), pt);
    }

    void SendKey(HWND hwnd)
    {
        static const WPARAM keys[] = { VK_SPACE, VK_RETURN, VK_ESCAPE, VK_TAB, VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN,
                                       VK_HOME, VK_END, VK_PRIOR, VK_NEXT, VK_DELETE, VK_BACK, VK_F4, 'A', '1' };
        const WPARAM vk = keys[Pick(17)];
        const LPARAM lp = 1 | (::MapVirtualKey((UINT)vk, 0) << 16);
        ::SendMessage(hwnd, WM_KEYDOWN, vk, lp);
        if (Pick(2))
            ::SendMessage(hwnd, WM_KEYUP, vk, lp | 0xC0000000);
    }

    void SendChar(HWND hwnd)
    {
        static const char chars[] = "0123456789.,-+eE x\b";
        ::SendMessage(hwnd, WM_CHAR, (WPARAM)(unsigned char)chars[Pick(sizeof(chars) - 1)], 1);
    }

    // A notification of a random code from the control, with a buffer of
    // random size (at least what the code needs) and random content, sent
    // to the parent, which reflects it.
    void SendNotify(HWND hwnd)
    {
        static const UINT codes[] = { LVN_GETDISPINFOA, LVN_ODCACHEHINT, LVN_ODFINDITEMA, LVN_COLUMNCLICK,
                                     LVN_ITEMCHANGED, NM_CLICK, NM_CUSTOMDRAW, TTN_GETDISPINFOA,
                                     TTN_GETDISPINFOW, TTN_SHOW, TTN_POP };
        const UINT code = codes[Pick(11)];
        std::vector<unsigned char> buffer(sizeof(NMLVDISPINFOA) + sizeof(NMTTDISPINFOW) + Pick(256));
        for (unsigned char& b : buffer)
            b = (unsigned char)m_random();
        char text[260];
        NMHDR* hdr = reinterpret_cast<NMHDR*>(buffer.data());
        hdr->hwndFrom = hwnd;
        hdr->idFrom = ::GetDlgCtrlID(hwnd);
        hdr->code = code;
        // Pointers in the payload point at valid memory; numbers stay random
        // but rows, columns and ranges are small integers of either sign.
        if (code == LVN_GETDISPINFOA || code == LVN_COLUMNCLICK || code == LVN_ITEMCHANGED)
        {
            NMLVDISPINFOA* info = reinterpret_cast<NMLVDISPINFOA*>(hdr);
            info->item.iItem = Between(-3, 300);
            info->item.iSubItem = Between(-1, 4);
            info->item.pszText = text;
            info->item.cchTextMax = Between(0, (int)sizeof(text));
        }
        else if (code == LVN_ODCACHEHINT)
        {
            NMLVCACHEHINT* hint = reinterpret_cast<NMLVCACHEHINT*>(hdr);
            hint->iFrom = Between(-3, 300);
            hint->iTo = Between(-3, 300);
        }
        else if (code == LVN_ODFINDITEMA)
        {
            NMLVFINDITEMA* find = reinterpret_cast<NMLVFINDITEMA*>(hdr);
            find->iStart = Between(-3, 300);
            snprintf(text, sizeof(text), "%d", Between(-3, 300));
            find->lvfi.psz = text;
        }
        else if (code == TTN_GETDISPINFOA || code == TTN_GETDISPINFOW)
        {
            NMTTDISPINFOA* tip = reinterpret_cast<NMTTDISPINFOA*>(hdr);
            tip->lpszText = text;
            tip->hinst = NULL;
            tip->uFlags = Pick(2) ? TTF_IDISHWND : 0;
            hdr->idFrom = Pick(2) ? (UINT_PTR)hwnd : (UINT_PTR)m_random();
        }
        else if (code == NM_CUSTOMDRAW)
        {
            NMCUSTOMDRAW* draw = reinterpret_cast<NMCUSTOMDRAW*>(hdr);
            draw->hdc = NULL;
            draw->dwDrawStage = CDDS_PREPAINT;
        }
        ::SendMessage(m_parent.m_hWnd, WM_NOTIFY, hdr->idFrom, (LPARAM)hdr);
    }

    void SendOne(HWND hwnd)
    {

        // No right-button release: its WM_CONTEXTMENU climbs to the host,
        // whose default procedure may open the system menu's modal loop.
        static const UINT mouse[] = { WM_MOUSEMOVE, WM_MOUSEMOVE, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP,
                                      WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_MOUSEMOVE, WM_MOUSELEAVE };
        switch (Pick(10))
        {
        case 0: case 1: case 2: case 3:
            SendMouse(hwnd, mouse[Pick(9)]);
            break;
        case 4:
            SendKey(hwnd);
            break;
        case 5:
            SendChar(hwnd);
            break;
        case 6:
            SendNotify(hwnd);
            break;
        case 7:
            ::SendMessage(hwnd, WM_SETCURSOR, (WPARAM)hwnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
            break;
        case 8:
        {
            static const UINT standard[] = { WM_SETFOCUS, WM_KILLFOCUS, WM_CAPTURECHANGED, WM_CANCELMODE,
                                             WM_ENABLE, WM_SYSCOLORCHANGE, WM_SETTINGCHANGE, WM_GETDLGCODE };
            const UINT message = standard[Pick(8)];
            ::SendMessage(hwnd, message, message == WM_ENABLE ? TRUE : 0, 0);
            break;
        }
        default:
            SendOwn(hwnd);
            break;
        }
    }

    // The control's own messages.
    void SendOwn(HWND hwnd)
    {
        switch (m_kind)
        {
        case ControlKind::HotButton:
        {
            static const UINT own[] = { BM_SETCHECK, BM_SETSTATE, BM_CLICK, BM_SETSTYLE };
            const UINT message = own[Pick(4)];
            if (message == BM_CLICK)
                return;   // a click would press the host's buttons too
            ::SendMessage(hwnd, message, message == BM_SETSTYLE ? BS_PUSHBUTTON : Pick(3), TRUE);
            break;
        }
        case ControlKind::FlatCombo:
        {
            static const UINT own[] = { CB_SETCURSEL, CB_SHOWDROPDOWN, CB_GETCOUNT, CB_SETCURSEL };
            ::SendMessage(hwnd, own[Pick(4)], Between(-2, 8), 0);
            ::SendMessage(hwnd, CB_SHOWDROPDOWN, FALSE, 0);
            break;
        }
        case ControlKind::NumericEdit:
        {
            static const char* const texts[] = { "", "12", "-3.5", "1e5", "abc", "--1..2", "7,5", " 42 " };
            ::SendMessage(hwnd, Pick(2) ? EM_REPLACESEL : WM_SETTEXT, TRUE, (LPARAM)texts[Pick(8)]);
            ::SendMessage(hwnd, EM_SETSEL, Between(-1, 10), Between(-1, 10));
            break;
        }
        case ControlKind::BigList:
            ::SendMessage(hwnd, LVM_ENSUREVISIBLE, Between(-3, 300), FALSE);
            break;
        default:
            ::RedrawWindow(hwnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            break;
        }
    }

    double RandomValue() { return Between(-4, 52) / 4.0; }

    void CallMember()
    {
        const HWND hwnd = m_control->Window();
        switch (m_kind)
        {
        case ControlKind::Histogram:
        {
            hostile::HistogramProbe* h = static_cast<hostile::HistogramProbe*>(CWnd::FromHandlePermanent(hwnd));
            switch (Pick(6))
            {
            case 0: h->AddCutpoint(RandomValue()); break;
            case 1: h->RemoveCutpoint(RandomValue()); break;
            case 2: h->SelectCutpoint(RandomValue()); break;
            case 3: h->SetCutpointLineWidth(Between(-2, 6)); break;
            case 4: h->SetFeatureFlags(Pick(4)); break;
            default:
            {
                CArray<HistoBin, HistoBin&> bins;
                bins.SetSize(Between(0, 14));
                for (int i = 0; i < bins.GetSize(); ++i)
                {
                    bins[i].upper = i + 1;
                    bins[i].count = Between(-1, 40);
                }
                h->SetHistogram(0.0, bins);
            }
            }
            break;
        }
        case ControlKind::BigList:
        {
            hostile::BigListProbe* l = static_cast<hostile::BigListProbe*>(CWnd::FromHandlePermanent(hwnd));
            const DWORD self = ::GetCurrentThreadId();
            switch (Pick(5))
            {
            case 0: l->InsertItem(Between(-2, l->GetItemCount() + 2), m_nextKey++, (void*)(INT_PTR)Between(1, 999), self); break;
            case 1: l->DeleteItem((long)Between(0, m_nextKey), NULL, self); break;
            case 2: l->OnSortItems(Between(0, 2)); break;
            case 3:
            {
                LVITEMA item = {};
                item.iItem = Between(-2, l->GetItemCount() + 2);
                l->DeleteItem(&item, self);
                break;
            }
            default: break;
            }
            l->SetItemCountEx(l->GetItemCount(), LVSICF_NOINVALIDATEALL);
            break;
        }
        case ControlKind::XSplitter:
        case ControlKind::YSplitter:
        {
            CWnd* parent = CWnd::FromHandle(::GetParent(hwnd));
            parent->SetWindowPos(NULL, 0, 0, Between(200, 400), Between(150, 300), SWP_NOMOVE | SWP_NOZORDER);
            if (m_kind == ControlKind::XSplitter)
                static_cast<CxSplitterWnd*>(CWnd::FromHandlePermanent(hwnd))->RecalcLayout();
            else
                static_cast<CySplitterWnd*>(CWnd::FromHandlePermanent(hwnd))->RecalcLayout();
            break;
        }
        case ControlKind::HotButton:
        {
            CHotButton* b = static_cast<CHotButton*>(CWnd::FromHandlePermanent(hwnd));
            switch (Pick(3))
            {
            case 0: b->SetBorderStyle((CHotButton::HB_BorderStyle)Pick(3)); break;
            case 1: b->SetHighlight(Pick(2)); break;
            default: b->SetImageStateValue(Between(-5, 5)); break;
            }
            break;
        }
        case ControlKind::FlatCombo:
        {
            CFlatCombo* c = static_cast<CFlatCombo*>(CWnd::FromHandlePermanent(hwnd));
            char text[32];
            snprintf(text, sizeof(text), "item %d", Between(0, 20));
            switch (Pick(4))
            {
            case 0: if (c->GetCount() < 40) c->AddString(text); break;
            case 1: if (c->GetCount() < 40) c->InsertString(Between(-2, 30), text); break;
            case 2: c->FindString(Between(-2, 30), text); break;
            default: c->FindStringExact(Between(-2, 30), text); break;
            }
            break;
        }
        case ControlKind::NumericEdit:
            static_cast<CNumericEdit*>(CWnd::FromHandlePermanent(hwnd))->SetNumberType(Pick(3));
            break;
        default:
            ::RedrawWindow(hwnd, NULL, NULL, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            break;
        }
    }

    ControlKind m_kind;
    CWnd& m_parent;
    std::mt19937 m_random;
    hostile::BuiltControl* m_control = nullptr;
    long m_nextKey = 1000;
};

// Characters that may stand in a number of the type.
bool ValidNumber(const CString& text, int type)
{
    TCHAR sep[4] = { 0 };
    if (::GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, sep, 4) == 0 || sep[0] == 0)
        sep[0] = '.';
    int separators = 0;
    for (int i = 0; i < text.GetLength(); ++i)
    {
        const char ch = text[i];
        if (ch >= '0' && ch <= '9')
            continue;
        if (type != CNumericEdit::typeDigits && ch == sep[0] && ++separators == 1)
            continue;
        if (type == CNumericEdit::typeSignedDecimal && ch == '-' && i == 0)
            continue;
        return false;
    }
    return true;
}

void ExpectInvariants(ControlKind kind, hostile::BuiltControl& control)
{
    const HWND hwnd = control.Window();
    switch (kind)
    {
    case ControlKind::Histogram:
    {
        auto* h = static_cast<hostile::HistogramProbe*>(CWnd::FromHandlePermanent(hwnd));
        std::set<double> seen;
        int selected = 0;
        for (int i = 0; i < h->CutpointCount(); ++i)
        {
            EXPECT_TRUE(std::isfinite(h->Cutpoint(i).value)) << i;
            EXPECT_TRUE(seen.insert(h->Cutpoint(i).value).second) << "cutpoint twice: " << h->Cutpoint(i).value;
            selected += h->Cutpoint(i).selected ? 1 : 0;
        }
        EXPECT_LE(selected, 1);
        EXPECT_FALSE(h->Dragging()) << "dragging after the button came up";
        break;
    }
    case ControlKind::BigList:
    {
        auto* l = static_cast<hostile::BigListProbe*>(CWnd::FromHandlePermanent(hwnd));
        const int count = l->GetItemCount();
        EXPECT_EQ(count, l->StoreCount());
        EXPECT_EQ(count, ListView_GetItemCount(hwnd));
        const DWORD self = ::GetCurrentThreadId();
        for (int row = 0; row < count; ++row)
        {
            const CListData* record = l->Record(row);
            ASSERT_TRUE(record != NULL) << row;
            EXPECT_EQ(row, record->m_nIndex);
            void* data = NULL;
            EXPECT_EQ(row, l->FindItem(record->m_nKey, data, self)) << "key " << record->m_nKey;
        }
        break;
    }
    case ControlKind::XSplitter:
    case ControlKind::YSplitter:
    {
        const bool across = kind == ControlKind::XSplitter;
        const HWND parent = ::GetParent(hwnd);
        auto place = [&](HWND w) {
            CRect rc;
            ::GetWindowRect(w, &rc);
            ::MapWindowPoints(NULL, parent, (POINT*)&rc, 2);
            return rc;
        };
        const CRect bar = place(hwnd);
        const HWND a = ::GetDlgItem(parent, 2702), b = ::GetDlgItem(parent, 2703);
        if (::IsWindowVisible(a))
        {
            EXPECT_EQ(across ? bar.left - 5 : bar.top - 5, across ? place(a).right : place(a).bottom);
        }
        if (::IsWindowVisible(b))
        {
            EXPECT_EQ(across ? bar.right + 5 : bar.bottom + 5, across ? place(b).left : place(b).top);
        }
        break;
    }
    case ControlKind::NumericEdit:
    {
        CNumericEdit* e = static_cast<CNumericEdit*>(CWnd::FromHandlePermanent(hwnd));
        CString text;
        e->GetWindowText(text);
        EXPECT_TRUE(ValidNumber(text, e->GetNumberType())) << "\"" << (LPCTSTR)text << "\" type " << e->GetNumberType();
        break;
    }
    case ControlKind::FlatCombo:
        EXPECT_NE(CB_ERR, ::SendMessage(hwnd, CB_GETCOUNT, 0, 0));
        break;
    default:
        break;
    }
    DWORD_PTR answer = 0;
    EXPECT_NE(0, ::SendMessageTimeout(hwnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer)) << "does not answer";
}

// What a fresh control is given of the stormed one's state, through public
// members, before both paint: one function per kind, in ControlKind's order.
// The helper has already given the fresh control's window (for a splitter:
// its frame) the stormed one's place and size.
typedef void (*CopyState)(hostile::BuiltControl& stormed, hostile::BuiltControl& fresh);

template <class T>
T* Object(hostile::BuiltControl& control)
{
    return static_cast<T*>(CWnd::FromHandlePermanent(control.Window()));
}

// Bins, x range, line width and cutpoints with their selection.
void CopyHistogram(hostile::BuiltControl& stormed, hostile::BuiltControl& fresh)
{
    auto* h = Object<hostile::HistogramProbe>(stormed);
    auto* f = Object<hostile::HistogramProbe>(fresh);
    double lo = 0, hi = 0;
    h->X_AxisRange(&lo, &hi);
    CArray<HistoBin, HistoBin&> bins;
    bins.SetSize(h->BinCount());
    for (int i = 0; i < h->BinCount(); ++i)
        bins[i] = h->Bin(i);
    if (bins.GetSize() == 0 && hi > lo)
    {
        // An empty array keeps the x range: give the fresh one the same first.
        CArray<HistoBin, HistoBin&> one;
        one.SetSize(1);
        one[0].upper = hi;
        f->SetHistogram(lo, one);
    }
    f->SetHistogram(lo, bins);
    f->SetCutpointLineWidth(h->CutpointLineWidth());
    for (int i = 0; i < h->CutpointCount(); ++i)
        f->AddCutpoint(h->Cutpoint(i).value);
    for (int i = 0; i < h->CutpointCount(); ++i)
        if (h->Cutpoint(i).selected)
            f->SelectCutpoint(h->Cutpoint(i).value);
}

// The bar where the stormed bar is; the panes follow it by RecalcLayout.
template <class Bar>
void CopySplitter(hostile::BuiltControl& stormed, hostile::BuiltControl& fresh)
{
    CRect bar;
    ::GetWindowRect(stormed.Window(), &bar);
    ::MapWindowPoints(NULL, ::GetParent(stormed.Window()), (POINT*)&bar, 2);
    ::MoveWindow(fresh.Window(), bar.left, bar.top, bar.Width(), bar.Height(), FALSE);
    Object<Bar>(fresh)->RecalcLayout();
}

void CopyArrow(hostile::BuiltControl& stormed, hostile::BuiltControl& fresh)
{
    hostile::ArrowOf(fresh)->SetExpandState(hostile::ArrowOf(stormed)->GetExpandState());
}

// The frame's size is the state; the resizer lays the fresh one out.
void CopyResizer(hostile::BuiltControl&, hostile::BuiltControl& fresh)
{
    hostile::ResizerOf(fresh)->Resize(CWnd::FromHandle(fresh.Window()));
}

void CopyHotButton(hostile::BuiltControl& stormed, hostile::BuiltControl& fresh)
{
    auto* b = Object<hostile::HotButtonProbe>(stormed);
    auto* f = Object<hostile::HotButtonProbe>(fresh);
    f->SetBorderStyle(b->BorderStyle());
    f->SetHighlight(b->Highlight());
    f->SetImageStateValue(b->GetImageStateValue());
    f->SendMessage(BM_SETCHECK, b->SendMessage(BM_GETCHECK));
    f->SendMessage(BM_SETSTATE, (b->SendMessage(BM_GETSTATE) & BST_PUSHED) != 0);
}

// The items' texts and the selection.
void CopyFlatCombo(hostile::BuiltControl& stormed, hostile::BuiltControl& fresh)
{
    CFlatCombo* c = Object<CFlatCombo>(stormed);
    CFlatCombo* f = Object<CFlatCombo>(fresh);
    f->SendMessage(CB_RESETCONTENT);
    for (int i = 0; i < c->GetCount(); ++i)
    {
        char text[256] = "";
        COMBOBOXEXITEM item = {};
        item.mask = CBEIF_TEXT;
        item.iItem = i;
        item.pszText = text;
        item.cchTextMax = sizeof(text);
        c->GetItem(&item);
        f->AddString(text);
    }
    f->SetCurSel(c->GetCurSel());
}

void CopyNumericEdit(hostile::BuiltControl& stormed, hostile::BuiltControl& fresh)
{
    CString text;
    ::SendMessage(stormed.Window(), EM_SETSEL, 0, 0);
    CWnd::FromHandle(stormed.Window())->GetWindowText(text);
    ::SetWindowText(fresh.Window(), text);
    ::SendMessage(fresh.Window(), EM_SETSEL, 0, 0);
}

// The records in their rows, the rows' selection and focus, the first row
// shown.
void CopyBigList(hostile::BuiltControl& stormed, hostile::BuiltControl& fresh)
{
    auto* l = Object<hostile::BigListProbe>(stormed);
    auto* f = Object<hostile::BigListProbe>(fresh);
    const DWORD self = ::GetCurrentThreadId();
    const UINT kStates = LVIS_SELECTED | LVIS_FOCUSED;
    f->DeleteAllItems(self);
    const int count = l->GetItemCount();
    for (int row = 0; row < count; ++row)
        f->InsertItem(row, l->Record(row)->m_nKey, l->Record(row)->m_pData, self);
    f->SetItemCountEx(count, LVSICF_NOINVALIDATEALL);
    for (int row = 0; row < count; ++row)
        f->SetItemState(row, l->GetItemState(row, kStates), kStates);
    if (count > 0)
    {
        f->EnsureVisible(count - 1, FALSE);
        f->EnsureVisible(l->GetTopIndex(), FALSE);
    }
}

const CopyState kCopyState[] = { CopyHistogram, CopySplitter<CxSplitterWnd>, CopySplitter<CySplitterWnd>,
                                 CopyArrow, CopyResizer, CopyHotButton, CopyFlatCombo, CopyNumericEdit,
                                 CopyBigList };
static_assert(sizeof(kCopyState) / sizeof(kCopyState[0]) == sizeof(hostile::kAllKinds) / sizeof(hostile::kAllKinds[0]),
              "a copy for every kind");

// The window whose client area is compared: a splitter's frame (the bar
// with its panes), the control's own window otherwise.
HWND View(ControlKind kind, hostile::BuiltControl& control)
{
    const bool splitter = kind == ControlKind::XSplitter || kind == ControlKind::YSplitter;
    return splitter ? ::GetParent(control.Window()) : control.Window();
}

// Hot, pressed and focused looks are not state a fresh control can be
// given: the stormed one is brought to rest as a user would, the pointer
// over it and then away from it (the hot looks take the capture and leave
// with the move out), no button down, the focus on it and then elsewhere.
// The list view may be left in its band selection, whose dotted frame it
// draws until the button comes up: a click ends it (the selection it makes
// is copied). Its header may be left hot: it is told that the pointer left,
// as the system tells it once its tracking timer sees the pointer gone.
void BringToRest(ControlKind kind, HWND hwnd, CWnd& parent)
{
    CRect rc;
    ::GetClientRect(hwnd, &rc);
    MouseMoveTo(hwnd, rc.Width() / 2, rc.Height() / 2);
    if (kind == ControlKind::BigList)
        LeftClick(hwnd, rc.Width() / 2, rc.Height() / 2);
    MouseMoveTo(::GetParent(parent.m_hWnd), 600, 440);
    if (kind == ControlKind::BigList)
        ::SendMessage(ListView_GetHeader(hwnd), WM_MOUSELEAVE, 0, 0);
    ::SetFocus(hwnd);
    ::SetFocus(parent.m_hWnd);
    Pump();
}

std::string Describe(ControlKind kind, hostile::BuiltControl& control)
{
    if (kind != ControlKind::Histogram)
        return std::string();
    auto* h = Object<hostile::HistogramProbe>(control);
    std::string state = "cutpoints";
    char text[64];
    for (int i = 0; i < h->CutpointCount(); ++i)
    {
        snprintf(text, sizeof(text), " %g%s", h->Cutpoint(i).value, h->Cutpoint(i).selected ? "*" : "");
        state += text;
    }
    snprintf(text, sizeof(text), "; %d bins, line width %d; ", h->BinCount(), h->CutpointLineWidth());
    return state + text;
}

// The stormed control's pixels against a fresh control's given its state,
// over the client area of the same place.
void ExpectPaintsLikeFresh(ControlKind kind, hostile::BuiltControl& control, CWnd& parent)
{
    BringToRest(kind, control.Window(), parent);
    std::unique_ptr<hostile::BuiltControl> fresh = hostile::Build(kind, parent.m_hWnd);
    ASSERT_TRUE(fresh != nullptr);
    const HWND view = View(kind, control), other = View(kind, *fresh);
    // Both in the same place in turn, so nothing covers one and not the other.
    CRect rc;
    ::GetWindowRect(view, &rc);
    ::MapWindowPoints(NULL, parent.m_hWnd, (POINT*)&rc, 2);
    ::ShowWindow(other, SW_HIDE);
    ::SetWindowPos(other, NULL, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    kCopyState[static_cast<int>(kind)](control, *fresh);
    ::SetFocus(parent.m_hWnd);
    ::RedrawWindow(view, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ClientPixels stormed(view);
    ::ShowWindow(view, SW_HIDE);
    ::ShowWindow(other, SW_SHOWNA);
    ::RedrawWindow(other, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ClientPixels clean(other);
    ::ShowWindow(other, SW_HIDE);
    ::ShowWindow(view, SW_SHOWNA);
    ASSERT_EQ(stormed.Width(), clean.Width());
    ASSERT_EQ(stormed.Height(), clean.Height());
    int differ = 0;
    CRect where(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    for (int y = 0; y < clean.Height(); ++y)
        for (int x = 0; x < clean.Width(); ++x)
            if (stormed.At(x, y) != clean.At(x, y))
            {
                ++differ;
                where.SetRect(std::min<int>(where.left, x), std::min<int>(where.top, y),
                              std::max<int>(where.right, x + 1), std::max<int>(where.bottom, y + 1));
            }
    EXPECT_EQ(0, differ) << Describe(kind, control) << "pixels unlike a fresh control's, within (" << where.left
                         << ", " << where.top << ", " << where.right << ", " << where.bottom << ")";
    fresh->Destroy();
}

class StormTest : public HostWindowTest, public ::testing::WithParamInterface<ControlKind>
{
protected:
    void SetUp() override
    {
        SKIP_IF_WOW64_LIMIT(DeviceContexts);
        HostWindowTest::SetUp();
    }
};

TEST_P(StormTest, InvariantsHoldAndItStillAnswers)
{
    const ControlKind kind = GetParam();
    CStormParent parent;
    ASSERT_TRUE(parent.Make());
    std::unique_ptr<hostile::BuiltControl> control = hostile::Build(kind, parent.m_hWnd);
    ASSERT_TRUE(control != nullptr);
    const unsigned seed = g_seed + static_cast<unsigned>(kind);
    printf("storm %s: seed %u (--seed=%u), %d messages and calls\n", hostile::KindName(kind), seed, g_seed, g_count);
    fflush(stdout);
    Storm(kind, parent, seed).Run(*control, g_count);
    ASSERT_TRUE(::IsWindow(control->Window()));
    ExpectInvariants(kind, *control);
    ExpectPaintsLikeFresh(kind, *control, parent);
    control->Destroy();
    parent.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Controls, StormTest, ::testing::ValuesIn(hostile::kAllKinds), hostile::KindTestName());

} // namespace

int main(int argc, char** argv)
{
    g_seed = ::GetTickCount() ^ ::GetCurrentProcessId();
    std::vector<char*> rest;
    for (int i = 0; i < argc; ++i)
    {
        if (strncmp(argv[i], "--seed=", 7) == 0)
            g_seed = (unsigned)strtoul(argv[i] + 7, NULL, 10);
        else if (strcmp(argv[i], "--trace") == 0)
            g_trace = true;
        else if (strncmp(argv[i], "--count=", 8) == 0)
            g_count = atoi(argv[i] + 8);
        else
            rest.push_back(argv[i]);
    }
    int n = (int)rest.size();
    ::testing::InitGoogleTest(&n, rest.data());
    printf("storm_tests: seed %u, %d messages and calls per control\n", g_seed, g_count);
    return RUN_ALL_TESTS();
}
