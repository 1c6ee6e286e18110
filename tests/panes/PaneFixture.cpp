// PaneFixture.cpp - the shared fixture of the splitter and resizer tests.
#include "PaneFixture.h"

#include <ostream>

using namespace testsupport;

namespace panetest {

namespace {

TimerScript* g_running = NULL;
const DWORD kScriptDeadlineMs = 30000;

} // namespace

void PrintTo(const CRect& rc, std::ostream* os)
{
    *os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}

/////////////////////////////////////////////////////////////////////////////
// TimerScript

void TimerScript::Start()
{
    g_running = this;
    m_start = ::GetTickCount();
    m_timer = ::SetTimer(NULL, 0, 10, &TimerScript::OnTimer);
}

void TimerScript::Stop()
{
    if (m_timer != 0)
        ::KillTimer(NULL, m_timer);
    m_timer = 0;
    if (g_running == this)
        g_running = NULL;
}

void CALLBACK TimerScript::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    if (g_running != NULL)
        g_running->Tick();
}

void TimerScript::Tick()
{
    m_ticks++;
    if (everyTick)
        everyTick();
    if (Finished())
        return;
    if (::GetTickCount() - m_start > kScriptDeadlineMs)
    {
        m_timedOut = true;
        m_next = m_steps.size();
        InjectMouseButton(MOUSEEVENTF_LEFTUP);
        ::ReleaseCapture();
        return;
    }
    if (m_steps[m_next]())
        m_next++;
}

/////////////////////////////////////////////////////////////////////////////
// PaneDialogTest

void PaneDialogTest::SetUp()
{
    HostWindowTest::SetUp();
    ::ClipCursor(NULL);
}

void PaneDialogTest::TearDown()
{
    ::ReleaseCapture();
    ::ClipCursor(NULL);
    if (m_parent.m_hWnd != NULL)
        m_parent.Detach();
    m_dialog.Destroy();
    Recorder().SetFilter("parent", &MessageRecorder::DefaultFilter);
    HostWindowTest::TearDown();
}

void PaneDialogTest::MakeDialog(int cx, int cy, const std::vector<ItemSpec>& items)
{
    DialogTemplateBuilder tmpl(WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, "");
    tmpl.SetFont(8, "MS Shell Dlg");
    for (size_t i = 0; i < items.size(); i++)
        tmpl.AddItem(DialogTemplateBuilder::Static, "", (WORD)items[i].id,
                     WS_CHILD | WS_VISIBLE | SS_GRAYRECT, 0, 0, 10, 10);
    ASSERT_TRUE(m_dialog.Create(tmpl));
    ::SetWindowPos(Dialog(), HWND_TOP, 0, 0, cx, cy, SWP_NOACTIVATE);
    for (size_t i = 0; i < items.size(); i++)
        Place(items[i].id, items[i].rc);
    ASSERT_TRUE(m_parent.Attach(Dialog()));
    PaintNow();
    Recorder().Flush();
}

CRect PaneDialogTest::ItemRect(int id) const
{
    CRect rc;
    ::GetWindowRect(Item(id), &rc);
    ::MapWindowPoints(NULL, Dialog(), (LPPOINT)&rc, 2);
    return rc;
}

void PaneDialogTest::Place(int id, const RECT& rc)
{
    ::MoveWindow(Item(id), rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, FALSE);
}

void PaneDialogTest::PaintNow()
{
    ::RedrawWindow(Dialog(), NULL, NULL,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
    Pump();
}

void PaneDialogTest::RunDrag(HWND bar, POINT press, TimerScript& script)
{
    script.Start();
    LeftButtonDown(bar, press.x, press.y);
    EXPECT_TRUE(PumpUntil([&] { return script.Finished(); }, 35000));
    script.Stop();
    EXPECT_FALSE(script.TimedOut());
    ::ReleaseCapture();
    LeftButtonUp(bar, press.x, press.y);
}

CRect PaneDialogTest::ClipWhileHeld(HWND bar, POINT press)
{
    CRect clip(0, 0, 0, 0);
    TimerScript script;
    script.Then([&] {
        if (::GetCapture() != bar)
            return false;
        ::GetClipCursor(&clip);
        InjectMouseButton(MOUSEEVENTF_LEFTUP);
        return true;
    });
    RunDrag(bar, press, script);
    return clip;
}

void SplitterDialogTest::TearDown()
{
    m_x.Unbind();
    m_y.Unbind();
    PaneDialogTest::TearDown();
}

HWND SplitterDialogTest::BindBar(bool vertical)
{
    if (vertical)
    {
        MakeDialog(400, 300, { { kYBar, kYBarRect }, { kAbove, { 10, 20, 390, 146 } },
                               { kBelow, { 10, 160, 390, 280 } } });
        EXPECT_TRUE(m_y.BindWithControl(&m_parent, kYBar));
        m_y.SetAreaMargins(100, 0);
        m_y.AttachAsAbovePane(kAbove, 4, TRUE);
        m_y.AttachAsBelowPane(kBelow, 4, FALSE);
    }
    else
    {
        MakeDialog(400, 300, { { kXBar, kXBarRect }, { kLeft, { 50, 10, 196, 140 } },
                               { kRight, { 210, 10, 390, 140 } } });
        EXPECT_TRUE(m_x.BindWithControl(&m_parent, kXBar));
        m_x.AttachAsLeftPane(kLeft, 4, TRUE);
        m_x.AttachAsRightPane(kRight, 4, FALSE);
    }
    return Item(vertical ? kYBar : kXBar);
}

} // namespace panetest
