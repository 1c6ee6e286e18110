// Hover, the dropped list and close-up with real mouse and keyboard input,
// and the focus handed back on a toolbar.

#include "FlatComboFixture.h"

#include <afxext.h>

#include "InputHelpers.h"
#include "MessageRecorder.h"

namespace {

using namespace flatcombotest;
using namespace testsupport;

const COLORREF kSmear = RGB(255, 0, 255);

// The drop button's right column shows the state: highlight when flat,
// shadow when raised.
int ButtonColumn(HWND hInner) { return WindowPixels(hInner).Width() - 3; }
int Mid(HWND hInner) { return WindowPixels(hInner).Height() / 2; }

bool WaitForState(const CFlatCombo* pCombo, int nState)
{
    return PumpUntil([&]() { return StateOf(pCombo).nFrameState == nState; }, 30000);
}

int CountPosted(const char* log, UINT message, WPARAM wParam)
{
    int n = 0;
    const std::vector<RecordedMsg> msgs = Recorder().Log(log);
    for (size_t i = 0; i < msgs.size(); ++i)
        if (msgs[i].message == message && (msgs[i].flags & posted) && msgs[i].wParam == wParam)
            ++n;
    return n;
}

TEST_F(FlatComboTest, HoverRaisesTheButtonOnceWithTheCaptureOnTheInnerBox)
{
    CFlatCombo* pCombo = MakeCombo();
    const HWND hInner = Inner(pCombo);
    const int x = ButtonColumn(hInner), y = Mid(hInner);

    ASSERT_TRUE(MouseMoveTo(hInner, 20, y));
    ASSERT_TRUE(WaitForState(pCombo, CFlatCombo::FS_Hot));
    EXPECT_EQ(hInner, ::GetCapture());
    EXPECT_EQ(::GetSysColor(COLOR_BTNSHADOW), WindowPixels(hInner).At(x, y));

    // Moving within the control draws nothing more.
    Smear(hInner, kSmear);
    RecordControl(hInner, "inner");
    ASSERT_TRUE(MouseMoveTo(hInner, 40, y));
    ASSERT_TRUE(PumpUntil([&]() {
        const std::vector<RecordedMsg> log = Recorder().Log("inner");
        for (size_t i = 0; i < log.size(); ++i)
            if (log[i].message == WM_MOUSEMOVE && LOWORD(log[i].lParam) == 40)
                return true;
        return false;
    }, 30000));
    UnrecordControl(hInner);
    EXPECT_EQ(kSmear, WindowPixels(hInner).At(x, y));
    EXPECT_EQ(CFlatCombo::FS_Hot, StateOf(pCombo).nFrameState);

    // Off the control: flat again, capture released.
    ASSERT_TRUE(MouseMoveTo(m_dlg.m_hWnd, 250, 200));
    ASSERT_TRUE(WaitForState(pCombo, CFlatCombo::FS_Normal));
    EXPECT_EQ((HWND)NULL, ::GetCapture());
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), WindowPixels(hInner).At(x, y));
}

TEST_F(FlatComboTest, StaysSunkenWhileDroppedAndTurnsFlatOnCloseUp)
{
    CFlatCombo* pCombo = MakeCombo();
    const char* const items[] = { "one", "two", "three" };
    AddItems(pCombo, items, 3);
    CWnd* pEdit = m_dlg.GetDlgItem(kEditId);
    pEdit->SetFocus();
    RecordControl(pEdit->m_hWnd, "edit");
    const HWND hInner = Inner(pCombo);
    const int x = ButtonColumn(hInner), y = Mid(hInner);

    LeftClick(hInner, x - 5, y);
    ASSERT_TRUE(PumpUntil([&]() { return pCombo->GetDroppedState() != FALSE; }, 30000));
    EXPECT_EQ(CFlatCombo::FS_Pressed, StateOf(pCombo).nFrameState);
    EXPECT_EQ(pEdit->m_hWnd, TessarineTestFlatComboFocusBefore());

    // Mouse moves change nothing while the list is open.
    Smear(hInner, kSmear);
    ::SendMessageA(hInner, WM_MOUSEMOVE, 0, MAKELPARAM(500, 5));
    ::SendMessageA(hInner, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(CFlatCombo::FS_Pressed, StateOf(pCombo).nFrameState);
    EXPECT_EQ(kSmear, WindowPixels(hInner).At(x, y));

    // Away from the control, so that nothing turns it hot after the list closes.
    ASSERT_TRUE(MouseMoveTo(m_dlg.m_hWnd, 250, 200));
    EXPECT_EQ(CFlatCombo::FS_Pressed, StateOf(pCombo).nFrameState);
    Recorder().Flush("edit");
    KeyPress(VK_ESCAPE);
    ASSERT_TRUE(WaitForState(pCombo, CFlatCombo::FS_Normal));
    EXPECT_FALSE(pCombo->GetDroppedState());
    EXPECT_EQ(::GetSysColor(COLOR_BTNHIGHLIGHT), WindowPixels(hInner).At(x, y));
    EXPECT_EQ((HWND)NULL, TessarineTestFlatComboFocusBefore());
    // Not on a toolbar: the focus is not handed back.
    Pump();
    EXPECT_EQ(0, CountPosted("edit", WM_SETFOCUS, (WPARAM)hInner)) << DescribeLog("edit");
    UnrecordControl(pEdit->m_hWnd);
}

TEST_F(FlatComboTest, OnAToolbarCloseUpPostsTheFocusToTheWindowThatHadIt)
{
    CToolBar toolBar;
    ASSERT_TRUE(toolBar.Create(&m_dlg));
    toolBar.SetWindowPos(NULL, 0, 150, 400, 40, SWP_NOZORDER | SWP_SHOWWINDOW);
    CFlatCombo* pCombo = new CFlatCombo;
    m_combos.push_back(pCombo);
    ASSERT_TRUE(pCombo->Recreate(&toolBar));
    const char* const items[] = { "one", "two" };
    AddItems(pCombo, items, 2);
    Pump();

    CWnd* pEdit = m_dlg.GetDlgItem(kEditId);
    pEdit->SetFocus();
    RecordControl(pEdit->m_hWnd, "edit");
    const HWND hInner = Inner(pCombo);
    LeftClick(hInner, ButtonColumn(hInner) - 5, Mid(hInner));
    ASSERT_TRUE(PumpUntil([&]() { return pCombo->GetDroppedState() != FALSE; }, 30000));
    EXPECT_EQ(pEdit->m_hWnd, TessarineTestFlatComboFocusBefore());

    Recorder().Flush("edit");
    KeyPress(VK_ESCAPE);
    ASSERT_TRUE(PumpUntil([&]() { return CountPosted("edit", WM_SETFOCUS, (WPARAM)hInner) > 0; }, 30000))
        << DescribeLog("edit");
    EXPECT_EQ(1, CountPosted("edit", WM_SETFOCUS, (WPARAM)hInner));
    EXPECT_EQ((HWND)NULL, TessarineTestFlatComboFocusBefore());
    UnrecordControl(pEdit->m_hWnd);
    pCombo->DestroyWindow();
}

TEST_F(FlatComboTest, TheFocusWindowIsSharedByEveryFlatCombo)
{
    CFlatCombo* pFirst = MakeCombo(kListId);
    CFlatCombo* pSecond = MakeCombo(kDropDownId);
    CWnd* pEdit = m_dlg.GetDlgItem(kEditId);
    pEdit->SetFocus();

    // Clicks outside the frame, so that no list opens.
    const LPARAM outside = MAKELPARAM(2000, 5);
    ::SendMessageA(Inner(pFirst), WM_LBUTTONDOWN, MK_LBUTTON, outside);
    EXPECT_EQ(pEdit->m_hWnd, TessarineTestFlatComboFocusBefore());
    ::SetFocus(Inner(pFirst));
    ::SendMessageA(Inner(pSecond), WM_LBUTTONDOWN, MK_LBUTTON, outside);
    EXPECT_EQ(pEdit->m_hWnd, TessarineTestFlatComboFocusBefore());
    EXPECT_EQ(CFlatCombo::FS_Pressed, StateOf(pSecond).nFrameState);

    // The second one's close-up clears it for both.
    m_dlg.SendMessage(WM_COMMAND, MAKEWPARAM(kDropDownId, CBN_CLOSEUP), (LPARAM)pSecond->m_hWnd);
    EXPECT_EQ((HWND)NULL, TessarineTestFlatComboFocusBefore());
    EXPECT_EQ(CFlatCombo::FS_Normal, StateOf(pSecond).nFrameState);
    EXPECT_EQ(CFlatCombo::FS_Pressed, StateOf(pFirst).nFrameState);
}

} // namespace
