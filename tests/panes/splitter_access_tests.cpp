// The splitter bars for a screen reader and the keyboard: the accessible
// grip, and keyboard moves (WS_TABSTOP) ending with one SPM_BARMOVED within
// the limits of a drag.
#include "PaneFixture.h"
#include "AccessibleClient.h"
#include "WinEventRecorder.h"

using namespace testsupport;

namespace panetest {
namespace {

enum KeyEnd { Enter, Escape, FocusLoss };

int Changed(const ClientPixels& a, const ClientPixels& b)
{
    int n = 0;
    for (int y = 0; y < a.Height(); y++)
        for (int x = 0; x < a.Width(); x++)
            n += a.At(x, y) != b.At(x, y);
    return n;
}

class SplitterKeys : public SplitterDialogTest
{
protected:
    // The bar, with a tab stop when asked for and the focus; the parent's
    // log keeps SPM_BARMOVED only.
    HWND Bind(bool vertical, bool tabStop = true)
    {
        const HWND bar = BindBar(vertical);
        if (tabStop)
            ::SetWindowLong(bar, GWL_STYLE, ::GetWindowLong(bar, GWL_STYLE) | WS_TABSTOP);
        ::SetForegroundWindow(Dialog());
        ::SetFocus(bar);
        Pump();
        Recorder().SetFilter("parent", [](HWND, UINT message, WPARAM, LPARAM) {
            return message == SPM_BARMOVED;
        });
        Recorder().Flush();
        return bar;
    }
};

// Keys pressed on a bar, how the move ends, and what follows: the
// displacement SPM_BARMOVED reports (0: no message) and where the bar is.
struct KeyRow
{
    const char* name;
    bool vertical;
    WORD vk;
    bool ctrl;
    int presses;
    KeyEnd end;
    int reported;
    int position;       // left edge of an x bar, top of a y bar
};

const KeyRow kKeyRows[] = {
    { "x_right_enter", false, VK_RIGHT, false, 3, Enter, 3, 203 },
    { "x_ctrl_left_enter", false, VK_LEFT, true, 2, Enter, -20, 180 },
    { "x_escape_puts_it_back", false, VK_RIGHT, false, 5, Escape, 0, 200 },
    { "x_focus_loss_ends_the_move", false, VK_LEFT, false, 1, FocusLoss, -1, 199 },
    { "x_left_limit_of_the_stretched_pane", false, VK_LEFT, true, 20, Enter, -140, 60 },
    { "x_right_limit_of_the_parent", false, VK_RIGHT, true, 20, Enter, 184, 384 },
    { "x_ignores_up", false, VK_UP, false, 1, Enter, 0, 200 },
    { "y_down_enter", true, VK_DOWN, false, 2, Enter, 2, 152 },
    { "y_top_limit_ignores_the_margin", true, VK_UP, true, 20, Enter, -130, 20 },
    { "y_ignores_right", true, VK_RIGHT, false, 1, Enter, 0, 150 },
};

class SplitterKeyRows : public SplitterKeys, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(SplitterKeyRows, MoveWithinTheDragLimitsReportedOnce)
{
    const KeyRow& r = GetParam();
    Bind(r.vertical);
    for (int i = 0; i < r.presses; i++)
        KeyPressHolding(r.vk, r.ctrl ? VK_CONTROL : 0);
    const MsgEntry none[] = { { 0 } };
    EXPECT_SEQUENCE("parent", none, "nothing reported while the keys move the bar");

    if (r.end == Enter)
        KeyPress(VK_RETURN);
    else if (r.end == Escape)
        KeyPress(VK_ESCAPE);
    else
        ::SetFocus(Dialog());
    Pump();
    const MsgEntry moved[] = { { SPM_BARMOVED, sent | parent | wparam | lparam, (WPARAM)r.reported,
                                 (LPARAM)(r.vertical ? kYBar : kXBar) }, { 0 } };
    EXPECT_SEQUENCE("parent", r.reported != 0 ? moved : none, "end of the move");
    const CRect rc = ItemRect(r.vertical ? kYBar : kXBar);
    EXPECT_EQ(r.position, r.vertical ? rc.top : rc.left);
    // The panes follow as after a drag (a y bar hides a pane left without
    // room).
    if (!r.vertical)
    {
        EXPECT_EQ(rc.left - 4, ItemRect(kLeft).right);
    }
    else if (::IsWindowVisible(Item(kAbove)))
    {
        EXPECT_EQ(rc.top - 4, ItemRect(kAbove).bottom);
    }
}

INSTANTIATE_TEST_SUITE_P(Keys, SplitterKeyRows, ::testing::ValuesIn(kKeyRows),
                         [](const ::testing::TestParamInfo<KeyRow>& info) { return info.param.name; });

// Without WS_TABSTOP the bar is what it always was: no keys, the static's
// dialog code.
TEST_F(SplitterKeys, NoTabStopNoKeys)
{
    const HWND bar = Bind(false, false);
    EXPECT_EQ((UINT)DLGC_STATIC, (UINT)::SendMessage(bar, WM_GETDLGCODE, 0, 0));
    KeyPress(VK_RIGHT);
    KeyPress(VK_RETURN);
    const MsgEntry none[] = { { 0 } };
    EXPECT_SEQUENCE("parent", none, "keys");
    EXPECT_EQ(200, ItemRect(kXBar).left);
}

// Tab reaches a tab-stop bar, which then shows a dotted focus rectangle
// over its own pixels: inverted on every other pixel of its edges, the rest
// as before; the pixels come back when the focus goes. (This Wine keeps no
// window's focus cues off, so the hidden-cue state is not tried here.)
TEST_F(SplitterKeys, TabReachesTheBarAndItShowsTheFocus)
{
    const HWND bar = Bind(false);
    const HWND other = ::CreateWindow("Button", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 250, 200, 80, 24,
                                      Dialog(), NULL, NULL, NULL);
    ::SetFocus(other);
    PaintNow();
    const ClientPixels plain(bar);
    TabInDialog(Dialog());
    ASSERT_EQ(bar, ::GetFocus());
    PaintNow();
    const ClientPixels focused(bar);
    const int cx = plain.Width(), cy = plain.Height();
    int inverted = 0, others = 0;
    for (int y = 0; y < cy; y++)
        for (int x = 0; x < cx; x++)
        {
            const bool edge = x == 0 || y == 0 || x == cx - 1 || y == cy - 1;
            const bool flipped = focused.At(x, y) == (plain.At(x, y) ^ 0xFFFFFF);
            inverted += edge && flipped;
            others += focused.At(x, y) != plain.At(x, y) && !(edge && flipped);
        }
    EXPECT_NEAR(cx + cy - 2, inverted, 2) << "half the edge pixels inverted";
    EXPECT_EQ(0, others);

    KeyPress(VK_RIGHT);
    KeyPress(VK_RETURN);
    EXPECT_EQ(201, ItemRect(kXBar).left) << "the keys reach the bar";
    ::SetFocus(other);
    PaintNow();
    EXPECT_EQ(0, Changed(plain, ClientPixels(bar))) << "focus gone";
}

// A client reads a grip named by the host's label (or "Splitter"), valued
// by its position, where the bar is; moves raise value and location events.
TEST_F(SplitterKeys, GripForAScreenReader)
{
    const HWND bar = Bind(false);
    IAccessible* acc = AccessibleOf(bar);
    ASSERT_TRUE(acc != NULL);
    EXPECT_EQ("Splitter", AccText(acc, &IAccessible::get_accName, CHILDID_SELF));
    // The host's label: the static text before the bar. (Wine's static
    // keeps no text of its own for a bar of SS_GRAYRECT.)
    HWND label = ::CreateWindow("Static", "&Variables and output", WS_CHILD, 0, 0, 10, 10, Dialog(), NULL,
                                NULL, NULL);
    ::SetWindowPos(bar, label, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ("Variables and output", AccText(acc, &IAccessible::get_accName, CHILDID_SELF));
    VARIANT v;
    acc->get_accRole(ChildId(CHILDID_SELF), &v);
    EXPECT_EQ(ROLE_SYSTEM_GRIP, v.lVal);
    acc->get_accState(ChildId(CHILDID_SELF), &v);
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED, v.lVal);
    EXPECT_EQ("200", AccText(acc, &IAccessible::get_accValue, CHILDID_SELF));

    WinEventRecorder events(bar);
    KeyPress(VK_RIGHT);
    static const WinEventEntry moved[] = {
        { EVENT_OBJECT_LOCATIONCHANGE, CHILDID_SELF }, { EVENT_OBJECT_VALUECHANGE, CHILDID_SELF }, { 0 }
    };
    EXPECT_WINEVENTS(events, moved, "Right");
    EXPECT_EQ("201", AccText(acc, &IAccessible::get_accValue, CHILDID_SELF));
    long x = 0, y = 0, cx = 0, cy = 0;
    EXPECT_EQ(S_OK, acc->accLocation(&x, &y, &cx, &cy, ChildId(CHILDID_SELF)));
    CRect rc;
    ::GetWindowRect(bar, &rc);
    EXPECT_EQ(rc, CRect(x, y, x + cx, y + cy));
    KeyPress(VK_ESCAPE);

    // Kept by the client after the bar is gone: disconnected, not dangling.
    ::DestroyWindow(Dialog());
    BSTR text = NULL;
    EXPECT_EQ(RPC_E_DISCONNECTED, acc->get_accValue(ChildId(CHILDID_SELF), &text));
    acc->Release();
}

} // namespace
} // namespace panetest
