// What assistive technology and the keyboard get from CHistogram: a client
// of its accessible object compared with the picture, the WinEvents as whole
// sequences, and keyboard edits compared with the same edits by mouse.
#include "HistogramFixture.h"
#include "AccessibleClient.h"
#include "WinEventRecorder.h"
#include "Wow64Limits.h"

#include <oleacc.h>

#include <cmath>
#include <string>

using namespace testsupport;
using namespace histotest;

namespace {

const COLORREF kCutpoint = RGB(69, 58, 194);
const COLORREF kHighlight = RGB(217, 39, 30);
const COLORREF kBarFill = RGB(162, 45, 179);
const DWORD kAll = CHistogram::HF_SelectCutpoints | CHistogram::HF_DragCutpoints |
                   CHistogram::HF_KeyboardCutpoints;

// The two-bin layout of BindTwoBins: each column worth 0.1.
class HistogramAccess : public HistogramTest
{
protected:
    void SetUp() override
    {
        HistogramTest::SetUp();
        BindTwoBins();
    }

    void TearDown() override
    {
        if (m_acc != NULL)
            m_acc->Release();
        HistogramTest::TearDown();
    }

    IAccessible* Acc()
    {
        if (m_acc == NULL)
            m_acc = AccessibleOf(Hist());
        EXPECT_TRUE(m_acc != NULL);
        return m_acc;
    }

    // The flag, a tab stop and the focus: what keyboard operation needs.
    void EnableKeys(DWORD flags = kAll)
    {
        m_hist.SetFeatureFlags(flags);
        m_hist.ModifyStyle(0, WS_TABSTOP);
        ::SetForegroundWindow(Dialog());
        ::SetFocus(NULL);       // the dialog gave its first item the focus
        ::SetFocus(Hist());
        Pump();
    }

    // The client rectangle accLocation gives for child id.
    CRect Location(long id)
    {
        long x = 0, y = 0, cx = 0, cy = 0;
        EXPECT_EQ(S_OK, Acc()->accLocation(&x, &y, &cx, &cy, ChildId(id)));
        POINT pt = { x, y };
        ::ScreenToClient(Hist(), &pt);
        return CRect(pt.x, pt.y, pt.x + cx, pt.y + cy);
    }

    long HitTest(int x, int y)
    {
        POINT pt = { x, y };
        ::ClientToScreen(Hist(), &pt);
        VARIANT v;
        ::VariantInit(&v);
        Acc()->accHitTest(pt.x, pt.y, &v);
        return v.vt == VT_I4 ? v.lVal : -1;
    }

    IAccessible* m_acc = NULL;
};

TEST_F(HistogramAccess, ClientReadsWhatIsDrawn)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    ASSERT_TRUE(m_hist.AddCutpoint(15.0));
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    ASSERT_TRUE(m_hist.SelectCutpoint(5.0));

    // The control: a chart named by its label, since it has no text.
    HWND label = ::CreateWindow("Static", "&Ages && groups", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, Dialog(),
                                NULL, NULL, NULL);
    ::SetWindowPos(Hist(), label, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ("Ages & groups", AccText(Acc(), &IAccessible::get_accName, CHILDID_SELF));
    ::SetWindowText(Hist(), "Income");
    EXPECT_EQ("Income", AccText(Acc(), &IAccessible::get_accName, CHILDID_SELF));
    VARIANT role;
    Acc()->get_accRole(ChildId(CHILDID_SELF), &role);
    EXPECT_EQ(ROLE_SYSTEM_CHART, role.lVal);
    long count = 0;
    EXPECT_EQ(S_OK, Acc()->get_accChildCount(&count));
    EXPECT_EQ(4, count);

    static const struct
    {
        const char* name;
        const char* value;
        long role;
        long state;
        COLORREF ink;    // a cutpoint's line
    } children[] = {
        { "Cutpoint 1", "15.00", ROLE_SYSTEM_SLIDER, STATE_SYSTEM_SELECTABLE, kCutpoint },
        { "Cutpoint 2", "5.00", ROLE_SYSTEM_SLIDER, STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED, kHighlight },
        { "0 to 10", "5", ROLE_SYSTEM_GRAPHIC, STATE_SYSTEM_READONLY, kBarFill },
        { "10 to 20", "8", ROLE_SYSTEM_GRAPHIC, STATE_SYSTEM_READONLY, kBarFill },
    };
    const ClientPixels px = PaintNow();
    const int row = (m_hist.Plot().top + m_hist.Plot().bottom) / 2;
    for (long id = 1; id <= 4; id++)
    {
        SCOPED_TRACE(children[id - 1].name);
        EXPECT_EQ(children[id - 1].name, AccText(Acc(), &IAccessible::get_accName, id));
        EXPECT_EQ(children[id - 1].value, AccText(Acc(), &IAccessible::get_accValue, id));
        VARIANT v;
        Acc()->get_accRole(ChildId(id), &v);
        EXPECT_EQ(children[id - 1].role, v.lVal);
        Acc()->get_accState(ChildId(id), &v);
        EXPECT_EQ(children[id - 1].state, v.lVal);

        // The location holds what is drawn: every column of a cutpoint
        // line, where the hit test finds the cutpoint again; a bar from
        // outline to outline, filled inside.
        const CRect rc = Location(id);
        if (children[id - 1].role == ROLE_SYSTEM_SLIDER)
        {
            int inked = 0;
            for (int x = rc.left - 3; x < rc.right + 3; x++)
            {
                if (px.At(x, row) != children[id - 1].ink)
                    continue;
                EXPECT_TRUE(x >= rc.left && x < rc.right) << "ink at column " << x << " outside the location";
                EXPECT_EQ(id, HitTest(x, row)) << "column " << x;
                inked++;
            }
            EXPECT_GT(inked, 0);
        }
        else
        {
            EXPECT_EQ(kBlack, px.At(rc.left, row));
            EXPECT_EQ(kBlack, px.At(rc.right - 1, row));
            EXPECT_EQ(kBarFill, px.At(rc.left + 1, row));
            EXPECT_EQ(kBlack, px.At(rc.left + 1, rc.bottom - 1));     // on the axis
            EXPECT_EQ(id, HitTest(rc.left + 2, row));
        }
    }
    EXPECT_EQ(CHILDID_SELF, HitTest(2, 2));
    EXPECT_EQ(-1, HitTest(-5, 2));
    ::DestroyWindow(label);
}

TEST_F(HistogramAccess, FocusSelectionNavigationAndAWindowThatIsGone)
{
    ASSERT_TRUE(m_hist.AddCutpoint(15.0));
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    VARIANT v;
    EXPECT_EQ(S_FALSE, Acc()->get_accSelection(&v));
    EXPECT_EQ(VT_EMPTY, v.vt);

    ASSERT_TRUE(m_hist.SelectCutpoint(5.0));
    EnableKeys();
    EXPECT_EQ(S_OK, Acc()->get_accFocus(&v));
    EXPECT_EQ(2, v.lVal);
    EXPECT_EQ(S_OK, Acc()->get_accSelection(&v));
    EXPECT_EQ(2, v.lVal);
    Acc()->get_accState(ChildId(2), &v);
    EXPECT_EQ(STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_SELECTED | STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED,
              v.lVal);
    Acc()->get_accState(ChildId(CHILDID_SELF), &v);
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED, v.lVal);

    static const struct { long from; long dir; HRESULT hr; long to; } moves[] = {
        { CHILDID_SELF, NAVDIR_FIRSTCHILD, S_OK, 1 },
        { CHILDID_SELF, NAVDIR_LASTCHILD, S_OK, 4 },
        { 2, NAVDIR_NEXT, S_OK, 3 },
        { 2, NAVDIR_PREVIOUS, S_OK, 1 },
        { 1, NAVDIR_PREVIOUS, S_FALSE, 0 },
        { 4, NAVDIR_NEXT, S_FALSE, 0 },
    };
    for (const auto& m : moves)
    {
        ::VariantInit(&v);
        EXPECT_EQ(m.hr, Acc()->accNavigate(m.dir, ChildId(m.from), &v)) << m.from << " dir " << m.dir;
        EXPECT_EQ(m.to, v.vt == VT_I4 ? v.lVal : 0) << m.from << " dir " << m.dir;
    }
    EXPECT_EQ(E_INVALIDARG, Acc()->get_accRole(ChildId(5), &v));

    // Selecting through the object is SelectCutpoint.
    EXPECT_EQ(S_OK, Acc()->accSelect(SELFLAG_TAKESELECTION, ChildId(1)));
    EXPECT_TRUE(m_hist.Cutpoint(0).selected);

    // The client may keep the object after the window is gone: it answers
    // that it is disconnected instead of reading a dead control.
    m_hist.DestroyWindow();
    long count = 0;
    EXPECT_EQ(RPC_E_DISCONNECTED, Acc()->get_accChildCount(&count));
    EXPECT_EQ(RPC_E_DISCONNECTED, Acc()->get_accRole(ChildId(CHILDID_SELF), &v));
}

TEST_F(HistogramAccess, ChangesRaiseTheStandardEvents)
{
    WinEventRecorder events(Hist());
    m_hist.SetFeatureFlags(CHistogram::HF_SelectCutpoints | CHistogram::HF_DragCutpoints);

    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    ASSERT_TRUE(m_hist.AddCutpoint(15.0));
    static const WinEventEntry added[] = { { EVENT_OBJECT_CREATE, 1 }, { EVENT_OBJECT_CREATE, 2 }, { 0 } };
    EXPECT_WINEVENTS(events, added, "two cutpoints added");

    ASSERT_TRUE(m_hist.RemoveCutpoint(5.0));
    static const WinEventEntry removed[] = { { EVENT_OBJECT_DESTROY, 1 }, { 0 } };
    EXPECT_WINEVENTS(events, removed, "the first removed");

    // A mouse drag of 15.0 by three columns: selected, moved once, dropped
    // where it is.
    const int x = m_hist.X_AxisPos(15.0);
    const int y = (m_hist.Plot().top + m_hist.Plot().bottom) / 2;
    LeftDrag(Hist(), x, y, x + 3, y, 1);
    static const WinEventEntry dragged[] = {
        { EVENT_OBJECT_SELECTION, 1 },
        { EVENT_OBJECT_LOCATIONCHANGE, 1 },
        { EVENT_OBJECT_VALUECHANGE, 1 },
        { 0 }
    };
    EXPECT_WINEVENTS(events, dragged, "dragged to 15.3");
    ASSERT_TRUE(m_hist.HasCutpoint(15.3));

    // Focus lands on the selected cutpoint; a key moves it.
    EnableKeys();
    static const WinEventEntry focused[] = {
        { EVENT_OBJECT_FOCUS, CHILDID_SELF, true },   // raised by the system (Windows)
        { EVENT_OBJECT_FOCUS, 1 },
        { 0 }
    };
    EXPECT_WINEVENTS(events, focused, "focus");
    KeyPress(VK_RIGHT);
    static const WinEventEntry stepped[] = {
        { EVENT_OBJECT_LOCATIONCHANGE, 1 }, { EVENT_OBJECT_VALUECHANGE, 1 }, { 0 }
    };
    EXPECT_WINEVENTS(events, stepped, "Right");

    const BinRow bins[] = { { 1.0, 1.0, "1" } };
    ASSERT_TRUE(SetBins(0.0, bins, 1));
    static const WinEventEntry replaced[] = { { EVENT_OBJECT_REORDER, CHILDID_SELF }, { 0 } };
    EXPECT_WINEVENTS(events, replaced, "new bins");
}

// One key on a control with the cutpoints given (selected: their index, or
// -1), and what the owner gets. mouseDx, when not 0: a mouse drag of the
// selected cutpoint by that many columns gives the same outcome.
struct KeyRow
{
    const char* name;
    double cuts[2];
    int nCuts;
    int selected;
    WORD vk;
    bool ctrl;
    Note note;
    int mouseDx;
};

const Note kNone = NOTES_END;

const KeyRow kKeyRows[] = {
    { "DownSelectsTheLeftmost", { 15.0, 5.0 }, 2, -1, VK_DOWN, false,
      { HM_CUTPOINTSELECTED, 5.0, 0, TRUE, NULL }, 0 },
    { "DownSelectsTheNextToTheRight", { 15.0, 5.0 }, 2, 1, VK_DOWN, false,
      { HM_CUTPOINTSELECTED, 15.0, 0, TRUE, NULL }, 0 },
    { "UpAtTheLeftmostStays", { 15.0, 5.0 }, 2, 1, VK_UP, false, kNone, 0 },
    { "RightMovesOneColumn", { 5.0 }, 1, 0, VK_RIGHT, false, { HM_CUTPOINTMOVED, 5.0, 5.1, FALSE, NULL }, 1 },
    { "LeftMovesOneColumn", { 5.0 }, 1, 0, VK_LEFT, false, { HM_CUTPOINTMOVED, 5.0, 4.9, FALSE, NULL }, -1 },
    { "RightLeavesAnEdgePastItsSnapZone", { 10.0 }, 1, 0, VK_RIGHT, false,
      { HM_CUTPOINTMOVED, 10.0, 10.4, FALSE, NULL }, 4 },
    { "RightIntoASnapZoneLandsOnTheEdge", { 9.6 }, 1, 0, VK_RIGHT, false,
      { HM_CUTPOINTMOVED, 9.6, 10.0, FALSE, NULL }, 0 },
    { "CtrlRightGoesToTheNextEdge", { 5.0 }, 1, 0, VK_RIGHT, true, { HM_CUTPOINTMOVED, 5.0, 10.0, FALSE, NULL }, 50 },
    { "CtrlLeftGoesToTheLowerEnd", { 5.0 }, 1, 0, VK_LEFT, true, { HM_CUTPOINTMOVED, 5.0, 0.0, FALSE, NULL }, -50 },
    { "RightAtTheUpperEndStays", { 20.0 }, 1, 0, VK_RIGHT, false, kNone, 0 },
    { "DeleteRemoves", { 5.0 }, 1, 0, VK_DELETE, false, { HM_CUTPOINTREMOVED, 5.0, 0, FALSE, NULL }, 0 },
    { "NothingSelectedNothingMoves", { 5.0 }, 1, -1, VK_RIGHT, false, kNone, 0 },
};

class HistogramKeys : public HistogramAccess, public ::testing::WithParamInterface<KeyRow>
{
protected:
    void Prepare(const KeyRow& r)
    {
        const BinRow bins[] = { { 10.0, 5.0, "10" }, { 20.0, 8.0, "20" } };
        ASSERT_TRUE(SetBins(0.0, bins, 2));
        for (int i = 0; i < r.nCuts; i++)
            ASSERT_TRUE(m_hist.AddCutpoint(r.cuts[i]));
        if (r.selected >= 0)
        {
            ASSERT_TRUE(m_hist.SelectCutpoint(r.cuts[r.selected]));
        }
        Pump();
        Recorder().Flush();
    }
};

TEST_P(HistogramKeys, OwnerGetsWhatTheMouseSends)
{
    const KeyRow& r = GetParam();
    EnableKeys();
    EXPECT_EQ((UINT)DLGC_WANTARROWS, (UINT)::SendMessage(Hist(), WM_GETDLGCODE, 0, 0));
    Prepare(r);
    KeyPressHolding(r.vk, r.ctrl ? VK_CONTROL : 0);
    const Note keyed[] = { r.note, NOTES_END };
    EXPECT_NOTES(keyed, "key");
    if (r.note.message == HM_CUTPOINTMOVED)
    {
        EXPECT_TRUE(m_hist.HasCutpoint(r.note.second));
    }
    if (r.note.message == HM_CUTPOINTREMOVED)
    {
        EXPECT_FALSE(m_hist.HasCutpoint(r.note.first));
    }

    if (r.mouseDx == 0)
        return;
    Prepare(r);
    const int x = m_hist.X_AxisPos(r.cuts[r.selected]);
    const int y = (m_hist.Plot().top + m_hist.Plot().bottom) / 2;
    LeftDrag(Hist(), x, y, x + r.mouseDx, y, 1);
    const Note dragged[] = { { HM_CUTPOINTSELECTED, r.cuts[r.selected], 0, TRUE, NULL }, r.note, NOTES_END };
    EXPECT_NOTES(dragged, "the same edit by mouse");
}

INSTANTIATE_TEST_SUITE_P(Keys, HistogramKeys, ::testing::ValuesIn(kKeyRows),
                         [](const ::testing::TestParamInfo<KeyRow>& info) { return info.param.name; });

// With the flag clear the control has no keyboard interface, tab stop or
// not: keys, dialog codes and clicks behave as they always did.
TEST_F(HistogramAccess, FlagClearKeepsNoKeyboardInterface)
{
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    ASSERT_TRUE(m_hist.SelectCutpoint(5.0));
    EnableKeys(CHistogram::HF_SelectCutpoints | CHistogram::HF_DragCutpoints);
    EXPECT_EQ(0u, (UINT)::SendMessage(Hist(), WM_GETDLGCODE, 0, 0));
    Recorder().Flush();
    KeyPress(VK_RIGHT);
    KeyPress(VK_DELETE);
    const Note none[] = { NOTES_END };
    EXPECT_NOTES(none, "keys");
    EXPECT_TRUE(m_hist.HasCutpoint(5.0));

    ::SetFocus(NULL);
    LeftClick(Hist(), 2, 2);
    EXPECT_NE(Hist(), ::GetFocus());
}

// Tab reaches the control in the dialog's order, a click gives it the
// focus too, and the focus is drawn around the selected cutpoint.
TEST_F(HistogramAccess, TabAndClickTakeTheFocusAndItIsDrawn)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    ASSERT_TRUE(m_hist.AddCutpoint(5.0));
    ASSERT_TRUE(m_hist.SelectCutpoint(5.0));
    HWND button = ::CreateWindow("Button", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 300, 0, 40, 20, Dialog(),
                                 NULL, NULL, NULL);
    EnableKeys();
    ::SetFocus(button);
    Pump();

    // The top row of the strip the line's redraw covers: blank unless the
    // focus is drawn.
    const CRect strip(m_hist.X_AxisPos(5.0) - 4, m_hist.Plot().top - 1, m_hist.X_AxisPos(5.0) + 4,
                      m_hist.Plot().top);
    EXPECT_EQ(0, InkCount(PaintNow(), strip, WindowColour()));

    TabInDialog(Dialog());
    EXPECT_EQ(Hist(), ::GetFocus());
    EXPECT_GT(InkCount(PaintNow(), strip, WindowColour()), 0);

    ::SetFocus(button);
    LeftClick(Hist(), 2, 2);
    EXPECT_EQ(Hist(), ::GetFocus());
    ::DestroyWindow(button);
}

} // namespace
