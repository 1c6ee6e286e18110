// PaneFixture.h - shared fixture of the splitter and resizer tests.
//
//   TestXSplitter, TestYSplitter   the bars with their state in reach
//   TimerScript                    steps run from a thread timer while the
//                                  drag's own loop takes the messages
//   PaneDialogTest                 a borderless host dialog at the screen's
//                                  origin (client = screen coordinates)
//                                  with static items placed in pixels
//   SplitterDialogTest             that dialog with one bar bound and its
//                                  two panes attached
#ifndef TESTS_PANES_PANEFIXTURE_H
#define TESTS_PANES_PANEFIXTURE_H

#include <afxwin.h>

#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "DlgItemResizer.h"
#include "InputHelpers.h"
#include "MessageRecorder.h"
#include "PixelHelpers.h"
#include "TestHostWindow.h"
#include "xSplitterWnd.h"
#include "ySplitterWnd.h"

namespace panetest {

class TestXSplitter : public CxSplitterWnd
{
public:
    CWnd* Parent() const { return m_pParent; }
    int MinLeft() const { return m_nMinLeft; }
    int MinRight() const { return m_nMinRight; }
    int PaneCount() const { return (int)(m_leftPanes.GetSize() + m_rightPanes.GetSize()); }
};

class TestYSplitter : public CySplitterWnd
{
public:
    int MinAbove() const { return m_nMinAbove; }
    int MinBelow() const { return m_nMinBelow; }
    int PaneCount() const { return (int)(m_abovePanes.GetSize() + m_belowPanes.GetSize()); }
};

// Steps of input and checks that must run while a modal loop of the code
// under test dispatches the messages. A step returns true when it is done
// and false to be asked again on the next tick (waiting for a condition).
// When the script has not finished after 30 s the capture and the buttons
// are let go, which ends any drag, and the test fails.
class TimerScript
{
public:
    typedef std::function<bool()> Step;

    TimerScript() : m_timer(0), m_next(0), m_ticks(0), m_start(0), m_timedOut(false) {}
    ~TimerScript() { Stop(); }

    TimerScript& Then(const Step& step) { m_steps.push_back(step); return *this; }
    // Runs before the step of every tick.
    std::function<void()> everyTick;

    void Start();
    void Stop();
    bool Finished() const { return m_next >= m_steps.size(); }
    bool TimedOut() const { return m_timedOut; }
    int Ticks() const { return m_ticks; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Tick();

    std::vector<Step> m_steps;
    UINT_PTR m_timer;
    size_t m_next;
    int m_ticks;
    DWORD m_start;
    bool m_timedOut;
};

// One static item of the host dialog, in client pixels.
struct ItemSpec
{
    int id;
    RECT rc;
};

class PaneDialogTest : public testsupport::HostWindowTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // The dialog with a cx x cy client area and the items (plain statics).
    void MakeDialog(int cx, int cy, const std::vector<ItemSpec>& items);
    HWND Dialog() const { return m_dialog.Handle(); }
    HWND Item(int id) const { return m_dialog.Item(id); }
    CRect ItemRect(int id) const;
    void Place(int id, const RECT& rc);
    // Repaints the dialog and its items now.
    void PaintNow();
    // Presses the left button at press (bar client coordinates) and runs
    // the script until it is done; the buttons are up again afterwards.
    void RunDrag(HWND bar, POINT press, TimerScript& script);
    // The cursor clipping rectangle while the bar is held at press.
    CRect ClipWhileHeld(HWND bar, POINT press);

    CWnd m_parent;      // a permanent object for the dialog
    testsupport::HostDialog m_dialog;
};

// The splitter tests' dialog (400 x 300): the x bar with a pane on its left
// that stretches and one on its right that moves, or the y bar with a pane
// above that stretches and one below that moves.
const int kXBar = 10;
const int kYBar = 11;
const int kLeft = 20;       // stretched, its left edge at x = 50
const int kRight = 21;      // moved
const int kAbove = 22;      // stretched, its top at y = 20
const int kBelow = 23;      // moved
const RECT kXBarRect = { 200, 0, 206, 300 };
const RECT kYBarRect = { 0, 150, 400, 156 };

class SplitterDialogTest : public PaneDialogTest
{
protected:
    void TearDown() override;
    // Makes the dialog and binds the y bar (vertical) or the x bar; the y
    // bar's area margins do not limit a drag. The bar's window.
    HWND BindBar(bool vertical);

    TestXSplitter m_x;
    TestYSplitter m_y;
};

// Rectangles print as (l, t, r, b) in failures.
void PrintTo(const CRect& rc, std::ostream* os);

} // namespace panetest

#endif // TESTS_PANES_PANEFIXTURE_H
