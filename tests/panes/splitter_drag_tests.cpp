// Dragging the splitter bars with real input: the press starts the bar's
// own message loop, so everything after it runs from a TimerScript inside
// that loop - the cursor moves, the ghost's pixels are read from the
// parent, the drag is ended by each of its ways.
#include "PaneFixture.h"

#include <algorithm>
#include <string>
#include "Wow64Limits.h"

using namespace testsupport;

namespace panetest {
namespace {

const POINT kXPress = { 3, 100 };   // bar client coordinates
const POINT kYPress = { 100, 3 };
// Posted together with taking the capture away: the message that shows the
// drag its capture is gone.
const UINT kAfterCaptureTaken = WM_APP + 1;

enum DragEnd { Release, Escape, RightButton, LoseCapture };

// Pixels of rc that differ between two pictures, and those inverted.
int Changed(const ClientPixels& a, const ClientPixels& b, const RECT& rc, bool inverted)
{
    int n = 0;
    for (int y = rc.top; y < rc.bottom; y++)
        for (int x = rc.left; x < rc.right; x++)
        {
            COLORREF ca = a.At(x, y), cb = b.At(x, y);
            if (inverted ? cb == (ca ^ 0xFFFFFF) : cb != ca)
                n++;
        }
    return n;
}

bool NoMouseInputQueued()
{
    return HIWORD(::GetQueueStatus(QS_MOUSE)) == 0;
}

bool CursorAt(POINT want)
{
    POINT now;
    ::GetCursorPos(&now);
    return now.x == want.x && now.y == want.y;
}

class SplitterDrag : public SplitterDialogTest
{
protected:
    // The bar; the parent's log keeps SPM_BARMOVED and kAfterCaptureTaken
    // only.
    HWND Bind(bool vertical)
    {
        const HWND bar = BindBar(vertical);
        Recorder().SetFilter("parent", [](HWND, UINT message, WPARAM, LPARAM) {
            return message == SPM_BARMOVED || message == kAfterCaptureTaken;
        });
        Recorder().Flush();
        return bar;
    }

    // Adds the steps that wait for the drag's loop to run, move the cursor
    // to press + offset along the axis and wait until the loop has it.
    static void AddMove(TimerScript& script, HWND bar, bool vertical, POINT press, int offset,
                        int tracked)
    {
        POINT want = press;
        (vertical ? want.y : want.x) += tracked;
        ::ClientToScreen(bar, &want);
        script.Then([=] {
            InjectMouseMove(bar, press.x + (vertical ? 0 : offset), press.y + (vertical ? offset : 0));
            return true;
        });
        script.Then([=] { return CursorAt(want) && NoMouseInputQueued(); });
    }
};

/////////////////////////////////////////////////////////////////////////////
// One row per way through a drag.

struct DragRow
{
    const char* name;
    bool vertical;
    DragEnd end;
    int offset;         // cursor movement along the axis
    int delta;          // what the bar moves: the offset within the clip
};

const DragRow kDragRows[] = {
    { "x_release", false, Release, 40, 40 },
    { "x_escape", false, Escape, -30, -30 },
    { "x_right_button", false, RightButton, 25, 25 },
    { "x_lost_capture", false, LoseCapture, 20, 20 },
    { "x_no_movement", false, Release, 0, 0 },
    { "x_left_limit_of_the_stretched_pane", false, Release, -190, -140 },   // bar.left 60
    { "x_right_limit_of_the_parent", false, Release, 250, 184 },            // bar.right 390
    { "y_release", true, Release, 50, 50 },
    { "y_escape", true, Escape, -40, -40 },
    { "y_no_movement", true, Release, 0, 0 },
    { "y_top_limit_ignores_the_margin", true, Release, -200, -130 },       // bar.top 20
};

class SplitterDragRows : public SplitterDrag, public ::testing::WithParamInterface<DragRow> {};

TEST_P(SplitterDragRows, GhostClipMoveAndMessage)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    const DragRow& r = GetParam();
    const HWND bar = Bind(r.vertical);
    const int barId = r.vertical ? kYBar : kXBar;
    const CRect bar0 = ItemRect(barId);
    const POINT press = r.vertical ? kYPress : kXPress;
    const int area = bar0.Width() * bar0.Height();
    const CRect client(0, 0, 400, 300);
    const ClientPixels before(Dialog());
    ASSERT_TRUE(before.Valid());

    // Limits: x - the stretched left pane at 50 plus 10, the parent's
    // right edge less 10 (the right pane is moved); y - the stretched pane
    // above at 20, no minimums, the margins play no part.
    const CRect clipWant = r.vertical ? CRect(0, 23, 400, 298) : CRect(63, 0, 388, 300);
    CRect clipSeen;
    HWND captureSeen = NULL;
    int ghostAtStart = -1, changedAtStart = -1, ghostMoved = -1, changedMoved = -1;

    TimerScript script;
    script.Then([&] {
        if (::GetCapture() != bar)
            return false;                         // the press has not arrived yet
        captureSeen = ::GetCapture();
        ::GetClipCursor(&clipSeen);
        ClientPixels now(Dialog());
        ghostAtStart = Changed(before, now, bar0, true);
        changedAtStart = Changed(before, now, client, false);
        return true;
    });
    if (r.offset != 0)
    {
        AddMove(script, bar, r.vertical, press, r.offset, r.delta);
        script.Then([&] {
            CRect ghost = bar0;
            ghost.OffsetRect(r.vertical ? 0 : r.delta, r.vertical ? r.delta : 0);
            ClientPixels now(Dialog());
            ghostMoved = Changed(before, now, ghost, true);
            changedMoved = Changed(before, now, client, false);
            return true;
        });
    }
    script.Then([&] {
        switch (r.end)
        {
        case Release: InjectMouseButton(MOUSEEVENTF_LEFTUP); break;
        case Escape: InjectKey(VK_ESCAPE, false); InjectKey(VK_ESCAPE, true); break;
        case RightButton: InjectMouseButton(MOUSEEVENTF_RIGHTDOWN); break;
        case LoseCapture:
            ::SetCapture(Host());
            ::PostMessage(Host(), kAfterCaptureTaken, 0, 0);
            break;
        }
        return true;
    });
    HWND captureAfter = NULL;
    if (r.end == LoseCapture)
        script.Then([&] {
            if (Recorder().Log("parent").empty())
                return false;                     // the drag has not ended yet
            captureAfter = ::GetCapture();
            return true;
        });
    RunDrag(bar, press, script);
    if (r.end == RightButton)
        InjectMouseButton(MOUSEEVENTF_RIGHTUP);
    PumpInput();

    EXPECT_EQ(bar, captureSeen);
    EXPECT_EQ(clipWant, clipSeen);
    EXPECT_EQ(area / 2, ghostAtStart) << "a halftone ghost over the bar";
    EXPECT_EQ(area / 2, changedAtStart) << "nothing else drawn";
    if (r.offset != 0)
    {
        EXPECT_EQ(area / 2, ghostMoved) << "the ghost at the tracked place";
        EXPECT_EQ(area / 2, changedMoved) << "the old ghost is gone";
    }
    RECT screen;
    ::GetClipCursor(&screen);
    EXPECT_EQ(CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)), CRect(screen));
    EXPECT_EQ((HWND)NULL, ::GetCapture());
    if (r.end == LoseCapture)
    {
        EXPECT_EQ(Host(), captureAfter) << "the window that took the capture keeps it";
    }

    CRect moved = bar0;
    moved.OffsetRect(r.vertical ? 0 : r.delta, r.vertical ? r.delta : 0);
    EXPECT_EQ(moved, ItemRect(barId));
    if (r.delta == 0)
    {
        static const MsgEntry none[] = { { 0 } };
        EXPECT_SEQUENCE("parent", none, r.name);
        EXPECT_EQ(0, Changed(before, ClientPixels(Dialog()), client, false)) << "the ghost is gone";
    }
    else
    {
        // The message that showed the capture gone is handled, not lost.
        const MsgEntry barMoved[] = {
            { SPM_BARMOVED, sent | parent | wparam | lparam, (WPARAM)r.delta, barId },
            { r.end == LoseCapture ? kAfterCaptureTaken : 0, posted | parent },
            { 0 }
        };
        EXPECT_SEQUENCE("parent", barMoved, r.name);
        // the panes followed the bar
        // (the stretched pane above is hidden once it would be empty)
        if (r.vertical && moved.top - 4 > 20)
            EXPECT_EQ(moved.top - 4, ItemRect(kAbove).bottom);
        else if (r.vertical)
            EXPECT_FALSE(::IsWindowVisible(Item(kAbove)));
        else
            EXPECT_EQ(moved.left - 4, ItemRect(kLeft).right);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, SplitterDragRows, ::testing::ValuesIn(kDragRows),
                         [](const ::testing::TestParamInfo<DragRow>& info) {
                             return std::string(info.param.name);
                         });

/////////////////////////////////////////////////////////////////////////////
// Presses that start no drag

struct IgnoredRow
{
    const char* name;
    bool vertical;
    bool captureElsewhere;  // else: the limits meet
};

const IgnoredRow kIgnoredRows[] = {
    { "x_capture_elsewhere", false, true },
    { "x_limits_meet", false, false },
    { "y_capture_elsewhere", true, true },
    { "y_limits_meet", true, false },
};

class SplitterIgnoredPress : public SplitterDrag, public ::testing::WithParamInterface<IgnoredRow> {};

TEST_P(SplitterIgnoredPress, NoCaptureNoClipNoMove)
{
    const IgnoredRow& r = GetParam();
    const HWND bar = Bind(r.vertical);
    const CRect bar0 = ItemRect(r.vertical ? kYBar : kXBar);
    const POINT press = r.vertical ? kYPress : kXPress;
    const HWND captureBefore = r.captureElsewhere ? Host() : NULL;
    RecordControl(bar, "bar");
    Recorder().SetFilter("bar", [](HWND, UINT message, WPARAM, LPARAM) {
        return message == WM_LBUTTONDOWN;
    });
    if (r.captureElsewhere)
    {
        // The press reaches the bar only as a message: input would go to
        // the window holding the capture.
        ::SetCapture(Host());
        ::SendMessage(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(press.x, press.y));
    }
    else
    {
        if (r.vertical)
            m_y.SetMinHeight(150, 150);
        else
            m_x.SetMinWidth(200, 200);
        LeftButtonDown(bar, press.x, press.y);
        EXPECT_TRUE(PumpUntil([] { return !Recorder().Log("bar").empty(); }, 30000));
    }
    EXPECT_EQ(captureBefore, ::GetCapture());
    RECT clip;
    ::GetClipCursor(&clip);
    EXPECT_EQ(CRect(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)), CRect(clip));
    ::ReleaseCapture();
    LeftButtonUp(bar, press.x, press.y);
    EXPECT_EQ(bar0, ItemRect(r.vertical ? kYBar : kXBar));
    static const MsgEntry none[] = { { 0 } };
    EXPECT_SEQUENCE("parent", none, r.name);
    UnrecordControl(bar);
}

INSTANTIATE_TEST_SUITE_P(Rows, SplitterIgnoredPress, ::testing::ValuesIn(kIgnoredRows),
                         [](const ::testing::TestParamInfo<IgnoredRow>& info) {
                             return std::string(info.param.name);
                         });

/////////////////////////////////////////////////////////////////////////////
// Temporary objects made by handlers the drag's loop dispatches go after
// each message, however busy the queue: the map stays flat. One that the
// caller made before the drag and still holds stays.

TEST_F(SplitterDrag, LongDragKeepsTheTemporaryMapFlat)
{
    const HWND bar = Bind(false);
    CWnd::DeleteTempMap();
    // As GetFocus() before a modal dialog in which the user drags a bar.
    CWnd* pHeld = CWnd::FromHandle(Item(kRight));
    const int baseline = AfxLiteGetWndMapCount(FALSE);
    int most = baseline, made = 0;

    TimerScript script;
    script.everyTick = [&] {
        if (::GetCapture() != bar)
            return;
        most = std::max(most, AfxLiteGetWndMapCount(FALSE));
        // a handler that wraps a window of its own, as GetDlgItem would
        HWND h = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 1, 1, Dialog(), NULL, NULL, NULL);
        if (CWnd::FromHandle(h) != NULL)
            made++;
        ::DestroyWindow(h);
    };
    script.Then([&] { return ::GetCapture() == bar; });
    for (int i = 1; i <= 40; i++)
        AddMove(script, bar, false, kXPress, i, i);
    script.Then([] { InjectMouseButton(MOUSEEVENTF_LEFTUP); return true; });
    RunDrag(bar, kXPress, script);

    EXPECT_GE(made, 40);
    EXPECT_EQ(baseline, most) << "temporaries piled up during the drag";
    EXPECT_EQ(baseline, AfxLiteGetWndMapCount(FALSE)) << "the caller's temporary was deleted";
    EXPECT_EQ(pHeld, CWnd::FromHandle(Item(kRight)));
    EXPECT_EQ(40, ItemRect(kXBar).left - kXBarRect.left);
}

// The bar's class has CS_DBLCLKS: the second press of a quick double click
// arrives as WM_LBUTTONDBLCLK and starts a drag of its own (each drag ends
// by giving the capture up).
TEST_F(SplitterDrag, SecondPressOfADoubleClickDragsToo)
{
    const HWND bar = Bind(true);
    RecordControl(bar, "bar");
    Recorder().SetFilter("bar", [](HWND, UINT message, WPARAM, LPARAM) {
        return message == WM_LBUTTONDBLCLK || message == WM_CAPTURECHANGED;
    });
    LeftDoubleClick(bar, kYPress.x, kYPress.y);
    static const MsgEntry twoDrags[] = {
        { WM_CAPTURECHANGED, sent }, { WM_LBUTTONDBLCLK, posted }, { WM_CAPTURECHANGED, sent }, { 0 }
    };
    EXPECT_SEQUENCE("bar", twoDrags, "double click");
    UnrecordControl(bar);
}

// A parent given as a temporary object stays valid through the drag (the
// maps are then left alone), and the bar still lays out and reports.
TEST_F(SplitterDrag, TemporaryParentOutlivesTheDrag)
{
    Bind(false);
    m_x.Unbind();
    m_parent.Detach();
    CWnd* pTemporary = CWnd::FromHandle(Dialog());
    ASSERT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(Dialog()));
    ASSERT_TRUE(m_x.BindWithControl(pTemporary, kXBar));
    m_x.AttachAsLeftPane(kLeft, 4, TRUE);
    const HWND bar = Item(kXBar);
    TimerScript script;
    script.Then([&] { return ::GetCapture() == bar; });
    AddMove(script, bar, false, kXPress, 10, 10);
    script.Then([] { InjectMouseButton(MOUSEEVENTF_LEFTUP); return true; });
    RunDrag(bar, kXPress, script);

    EXPECT_EQ(pTemporary, CWnd::FromHandle(Dialog()));
    EXPECT_EQ(Dialog(), pTemporary->m_hWnd);
    EXPECT_EQ(206, ItemRect(kLeft).right);
    static const MsgEntry barMoved[] = { { SPM_BARMOVED, sent | parent | wparam | lparam, 10, kXBar }, { 0 } };
    EXPECT_SEQUENCE("parent", barMoved, "temporary parent");
}

} // namespace
} // namespace panetest
