// Owners that destroy a control and delete its object from one of its
// notifications, as a modeless dialog does when it closes from a handler:
// one row per control and notification, each driven by real input. The
// object lives in guarded memory, so any later touch of it counts as a
// fault; the program must go on, and the thread must keep no capture.
#include <afxwin.h>
#include <afxcmn.h>

#include <climits>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "FlatCombo.h"
#include "FreedObjectGuard.h"
#include "Histogram.h"
#include "HotButton.h"
#include "InputHelpers.h"
#include "LiveArrow.h"
#include "MessageRecorder.h"
#include "NumericEdit.h"
#include "TestHostWindow.h"
#include "Wow64Limits.h"
#include "xSplitterWnd.h"
#include "ySplitterWnd.h"

using namespace testsupport;

namespace reentrytest {
namespace {

const UINT kId = 1100;          // the control under test
const UINT_PTR kTimerId = 25;
const DWORD kTimeout = 30000;

class TestHistogram : public CHistogram
{
public:
    CRect Plot() const { return m_rcPlot; }
};

// The owner. Its handler of one notification (a WM_COMMAND by its code)
// runs kill once, after the framework's own handling (reflection to the
// control included), and only when ready says so. It also hosts a collapse
// arrow: mouse messages go to the arrow while there is one.
class CKillerDialog : public CDialog
{
public:
    CKillerDialog() : killMessage(0), killCode(0), kills(0), pArrow(NULL) {}

    UINT killMessage;
    WORD killCode;
    std::function<bool()> ready;
    std::function<void()> kill;
    int kills;
    LiveArrow* pArrow;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        const CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
        if (pArrow != NULL && message == WM_MOUSEMOVE)
            pArrow->Track(pt);
        else if (pArrow != NULL && message == WM_LBUTTONDOWN)
            pArrow->MouseDown(pt);
        else if (pArrow != NULL && message == WM_LBUTTONUP)
            pArrow->MouseUp(pt);
        const LRESULT lResult = CDialog::WindowProc(message, wParam, lParam);
        if (kill && message == killMessage && (message != WM_COMMAND || HIWORD(wParam) == killCode) &&
            (!ready || ready()))
        {
            std::function<void()> run;
            run.swap(kill);
            run();
            kills++;
        }
        return lResult;
    }
};

// One row's dialog: the host of a single control.
struct Scene
{
    CKillerDialog dlg;
    HWND hControl = NULL;

    // The dialog with the item kId of the class (dialog units).
    void Create(const char* className, DWORD style, int x, int y, int cx, int cy)
    {
        DialogTemplateBuilder tmpl(WS_POPUP | WS_VISIBLE, 0, 0, 240, 140, "");
        tmpl.AddItem(className, "", (WORD)kId, WS_CHILD | WS_VISIBLE | style, x, y, cx, cy);
        ASSERT_TRUE(dlg.CreateIndirect(tmpl.Template(), CWnd::FromHandle(TestHostWindow::Get())));
        hControl = ::GetDlgItem(dlg.m_hWnd, kId);
        Pump();
    }
    // The owner's handler destroys the control and deletes its object.
    template <class T>
    void Arm(T* pControl)
    {
        hControl = pControl->m_hWnd;
        dlg.kill = [pControl] {
            pControl->DestroyWindow();
            DeleteGuarded(pControl);
        };
    }
};

void HotButton(Scene& s, bool bKey)
{
    s.Create("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 60, 10, 50, 14);
    CHotButton* p = NewGuarded<CHotButton>();
    ASSERT_TRUE(p->SubclassDlgItem(kId, &s.dlg));
    s.Arm(p);
    if (bKey)
    {
        ::SetFocus(s.hControl);
        KeyPress(VK_SPACE);
    }
    else
        LeftClick(s.hControl, 10, 6);
}
void HotButtonByMouse(Scene& s) { HotButton(s, false); }
void HotButtonBySpace(Scene& s) { HotButton(s, true); }

// A cutpoint at 15 on bins [0, 10] and [10, 20], pressed, moved by dx
// pixels (not at all: 0; out of the range to the left: INT_MIN) and let go.
void Histogram(Scene& s, int dx)
{
    TestHistogram* p = NewGuarded<TestHistogram>();     // registers the class
    s.Create(HISTOGRAM_CLASSNAME, 0, 60, 10, 160, 110);
    ASSERT_TRUE(p->Initialize(&s.dlg, kId));
    CArray<HistoBin, HistoBin&> bins;
    bins.SetSize(2);
    bins[0].upper = 10.0;
    bins[1].upper = 20.0;
    bins[0].count = bins[1].count = 4.0;
    ASSERT_TRUE(p->SetHistogram(0.0, bins));
    ASSERT_TRUE(p->AddCutpoint(15.0));
    p->SetFeatureFlags(CHistogram::HF_SelectCutpoints | CHistogram::HF_DragCutpoints);
    ::UpdateWindow(s.hControl);
    s.Arm(p);
    const int x = p->Plot().left + p->Plot().Width() * 3 / 4;     // the line at 15, +-1
    const int y = p->Plot().CenterPoint().y;
    const int xTo = dx == INT_MIN ? p->Plot().left - 10 : x + dx;
    LeftButtonDown(s.hControl, x, y);
    if (dx != 0)
        InjectMouseMove(s.hControl, xTo, y);
    InjectMouseButton(MOUSEEVENTF_LEFTUP);
    PumpInput();
}
void HistogramSelected(Scene& s) { Histogram(s, 0); }
void HistogramMoved(Scene& s) { Histogram(s, 12); }
void HistogramRemoved(Scene& s) { Histogram(s, INT_MIN); }

// A bar with a stretched pane, dragged by 4 pixels along its axis; the
// input is queued at once, so the drag's own loop takes the move and the
// release. With bKillInLoop the owner's timer handler, run by that loop,
// kills the bar while it is held.
template <class Bar>
void Splitter(Scene& s, bool bVertical, bool bKillInLoop)
{
    if (bVertical)
        s.Create("STATIC", 0, 2, 70, 200, 6);
    else
        s.Create("STATIC", 0, 60, 2, 6, 100);
    Bar* p = NewGuarded<Bar>();
    ASSERT_TRUE(p->BindWithControl(&s.dlg, kId));
    s.Arm(p);
    const HWND hBar = s.hControl;
    const int x = bVertical ? 40 : 2;
    const int y = bVertical ? 2 : 40;
    MouseMoveTo(hBar, x, y);
    InjectMouseButton(MOUSEEVENTF_LEFTDOWN);
    InjectMouseMove(hBar, x + (bVertical ? 0 : 4), y + (bVertical ? 4 : 0));
    if (bKillInLoop)
    {
        // Input comes before timers: the loop has tracked the move by then.
        s.dlg.ready = [hBar] { return ::GetCapture() == hBar; };
        s.dlg.SetTimer(kTimerId, 10, NULL);
        PumpInput();
        ASSERT_TRUE(PumpUntil([&] { return s.dlg.kills == 1; }, kTimeout));
        s.dlg.KillTimer(kTimerId);
    }
    InjectMouseButton(MOUSEEVENTF_LEFTUP);
    PumpInput();
}
void XBarMoved(Scene& s) { Splitter<CxSplitterWnd>(s, false, false); }
void YBarMoved(Scene& s) { Splitter<CySplitterWnd>(s, true, false); }
void XBarInItsLoop(Scene& s) { Splitter<CxSplitterWnd>(s, false, true); }

// The dialog itself hosts the arrow; a click on its upper half collapses
// it, and the owner deletes the arrow when the posted state arrives.
void Arrow(Scene& s)
{
    s.Create("STATIC", 0, 200, 100, 4, 4);
    LiveArrow* p = NewGuarded<LiveArrow>();
    const CRect rc(100, 30, 108, 38);
    p->Initialize(&s.dlg, TRUE, &rc);
    s.dlg.pArrow = p;
    s.dlg.kill = [&s] {
        DeleteGuarded(s.dlg.pArrow);
        s.dlg.pArrow = NULL;
    };
    s.hControl = NULL;
    MouseMoveTo(s.dlg.m_hWnd, 104, 31);
    LeftClick(s.dlg.m_hWnd, 104, 31);
}

// A flat combo with two items: a click drops its list, the down arrow key
// selects the next item.
void FlatCombo(Scene& s, bool bKey)
{
    s.Create("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 60, 10, 100, 80);
    CFlatCombo* p = NewGuarded<CFlatCombo>();
    ASSERT_TRUE(p->SubclassDlgItem(kId, &s.dlg));
    ASSERT_TRUE(p->Recreate(&s.dlg));
    p->AddString("alpha");
    p->AddString("beta");
    Pump();
    s.Arm(p);
    if (bKey)
    {
        ::SetFocus(::GetWindow(s.hControl, GW_CHILD));
        KeyPress(VK_DOWN);
    }
    else
        LeftClick(s.hControl, 10, 6);
}
void FlatComboClicked(Scene& s) { FlatCombo(s, false); }
void FlatComboByKey(Scene& s) { FlatCombo(s, true); }

// A letter typed into a digits-only edit: the edit removes it, and the
// owner hears of that change.
void NumericEditTyped(Scene& s)
{
    s.Create("EDIT", WS_BORDER | WS_TABSTOP, 60, 10, 60, 14);
    CNumericEdit* p = NewGuarded<CNumericEdit>();
    ASSERT_TRUE(p->SubclassDlgItem(kId, &s.dlg));
    s.Arm(p);
    ::SetFocus(s.hControl);
    TypeText("x");
}

struct KillRow
{
    const char* name;
    UINT message;       // the notification whose handler kills
    WORD code;          // its code, for WM_COMMAND
    void (*act)(Scene& s);
};

const KillRow kRows[] = {
    { "hot_button_BN_CLICKED_by_mouse", WM_COMMAND, BN_CLICKED, HotButtonByMouse },
    { "hot_button_BN_CLICKED_by_space", WM_COMMAND, BN_CLICKED, HotButtonBySpace },
    { "histogram_HM_CUTPOINTSELECTED", HM_CUTPOINTSELECTED, 0, HistogramSelected },
    { "histogram_HM_CUTPOINTMOVED", HM_CUTPOINTMOVED, 0, HistogramMoved },
    { "histogram_HM_CUTPOINTREMOVED", HM_CUTPOINTREMOVED, 0, HistogramRemoved },
    { "x_splitter_SPM_BARMOVED", SPM_BARMOVED, 0, XBarMoved },
    { "y_splitter_SPM_BARMOVED", SPM_BARMOVED, 0, YBarMoved },
    { "x_splitter_timer_during_its_drag", WM_TIMER, 0, XBarInItsLoop },
    { "arrow_LAM_EXPANDSTATECHANGED", LAM_EXPANDSTATECHANGED, 0, Arrow },
    { "flat_combo_CBN_DROPDOWN_by_click", WM_COMMAND, CBN_DROPDOWN, FlatComboClicked },
    { "flat_combo_CBN_SELCHANGE_by_key", WM_COMMAND, CBN_SELCHANGE, FlatComboByKey },
    { "numeric_edit_EN_CHANGE_of_its_own_removal", WM_COMMAND, EN_CHANGE, NumericEditTyped },
};

void PrintTo(const KillRow& row, std::ostream* os) { *os << row.name; }

class OwnerDeletes : public HostWindowTest, public ::testing::WithParamInterface<KillRow>
{
protected:
    void SetUp() override
    {
        HostWindowTest::SetUp();
        FreedObjectGuard::Install();
    }
    void TearDown() override
    {
        ::ReleaseCapture();
        Pump();
        FreedObjectGuard::Uninstall();
        HostWindowTest::TearDown();
    }
};

TEST_P(OwnerDeletes, FromItsHandlerAndNothingTouchesTheObjectAgain)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    const KillRow& r = GetParam();
    Scene s;
    s.dlg.killMessage = r.message;
    s.dlg.killCode = r.code;
    r.act(s);
    if (HasFatalFailure())
        return;
    EXPECT_TRUE(PumpUntil([&] { return s.dlg.kills == 1; }, kTimeout)) << "the handler never ran";
    PumpInput();

    EXPECT_EQ(0, FreedObjectGuard::Faults()) << FreedObjectGuard::FirstFault();
    EXPECT_FALSE(::IsWindow(s.hControl));
    EXPECT_EQ((HWND)NULL, ::GetCapture()) << "a capture outlived the control";
    // The program goes on: the owner answers and closes as usual.
    EXPECT_TRUE(::IsWindow(s.dlg.m_hWnd));
    EXPECT_EQ(0, ::SendMessage(s.dlg.m_hWnd, WM_NULL, 0, 0));
    s.dlg.DestroyWindow();
}

INSTANTIATE_TEST_SUITE_P(Rows, OwnerDeletes, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<KillRow>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace reentrytest
