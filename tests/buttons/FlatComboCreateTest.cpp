// Creation of the flat combo box: Recreate over a dialog's plain combo box
// and on an unbound object, the inner box found and hooked for each style,
// and no hook left once the dialog is gone.

#include "FlatComboFixture.h"
#include "MessageRecorder.h"

namespace {

using namespace flatcombotest;
using namespace testsupport;

bool IsComboBoxEx(HWND hWnd)
{
    char szClass[64] = "";
    return ::GetClassNameA(hWnd, szClass, 64) && lstrcmpiA(szClass, WC_COMBOBOXEXA) == 0;
}

// The CREATESTRUCT of the next extended combo box created on this thread,
// and the selection-field height it is then given.
struct CreateSpy
{
    CreateSpy()
    {
        s_seen = false;
        s_nItemHeight = -1;
        s_hCbt = ::SetWindowsHookExA(WH_CBT, &CbtProc, NULL, ::GetCurrentThreadId());
        s_hCall = ::SetWindowsHookExA(WH_CALLWNDPROC, &CallProc, NULL, ::GetCurrentThreadId());
    }
    ~CreateSpy()
    {
        ::UnhookWindowsHookEx(s_hCbt);
        ::UnhookWindowsHookEx(s_hCall);
    }

    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam)
    {
        if (code == HCBT_CREATEWND && !s_seen && IsComboBoxEx((HWND)wParam))
        {
            s_cs = *reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
            s_seen = true;
        }
        return ::CallNextHookEx(s_hCbt, code, wParam, lParam);
    }
    static LRESULT CALLBACK CallProc(int code, WPARAM wParam, LPARAM lParam)
    {
        const CWPSTRUCT* p = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && p->message == CB_SETITEMHEIGHT && p->wParam == (WPARAM)-1 &&
            IsComboBoxEx(p->hwnd))
            s_nItemHeight = (int)p->lParam;
        return ::CallNextHookEx(s_hCall, code, wParam, lParam);
    }

    static HHOOK s_hCbt, s_hCall;
    static bool s_seen;
    static CREATESTRUCTA s_cs;
    static int s_nItemHeight;
};
HHOOK CreateSpy::s_hCbt = NULL;
HHOOK CreateSpy::s_hCall = NULL;
bool CreateSpy::s_seen = false;
CREATESTRUCTA CreateSpy::s_cs;
int CreateSpy::s_nItemHeight = -1;

void ExpectHookedInnerBox(const CFlatCombo* pCombo)
{
    const FlatComboTestState state = StateOf(pCombo);
    char szClass[64] = "";
    ASSERT_NE((HWND)NULL, state.hComboBox);
    ::GetClassNameA(state.hComboBox, szClass, 64);
    EXPECT_EQ(0, lstrcmpiA("COMBOBOX", szClass));
    EXPECT_EQ(pCombo->m_hWnd, ::GetParent(state.hComboBox));
    EXPECT_TRUE(state.bHooked);
    EXPECT_EQ(state.hComboBox, state.hHooked);
}

class RecreateTest : public FlatComboTest, public ::testing::WithParamInterface<UINT>
{
};

TEST_P(RecreateTest, TakesOverTheDialogComboBox)
{
    HWND hOld = m_dlg.GetDlgItem(GetParam())->GetSafeHwnd();
    // A height no combo box gets by itself, so that it shows it was carried.
    ::SendMessageA(hOld, CB_SETITEMHEIGHT, (WPARAM)-1, 25);
    ::SendMessageA(hOld, CB_ADDSTRING, 0, (LPARAM)"not carried over");
    const LONG nOldStyle = ::GetWindowLongA(hOld, GWL_STYLE);
    const int nOldHeight = (int)::SendMessageA(hOld, CB_GETITEMHEIGHT, (WPARAM)-1, 0);
    CRect rcOld;
    ::GetWindowRect(hOld, &rcOld);
    m_dlg.ScreenToClient(&rcOld);

    CFlatCombo* pCombo = new CFlatCombo;
    m_combos.push_back(pCombo);
    ASSERT_TRUE(pCombo->SubclassDlgItem(GetParam(), &m_dlg));
    CreateSpy spy;
    ASSERT_TRUE(pCombo->Recreate(&m_dlg));

    EXPECT_FALSE(::IsWindow(hOld));
    ASSERT_TRUE(CreateSpy::s_seen);
    EXPECT_EQ((HMENU)(UINT_PTR)GetParam(), CreateSpy::s_cs.hMenu);
    EXPECT_EQ(nOldStyle, CreateSpy::s_cs.style);
    EXPECT_EQ(rcOld.left, CreateSpy::s_cs.x);
    EXPECT_EQ(rcOld.top, CreateSpy::s_cs.y);
    EXPECT_EQ(rcOld.Width(), CreateSpy::s_cs.cx);
    EXPECT_EQ(rcOld.Height() + 120, CreateSpy::s_cs.cy);
    EXPECT_EQ(m_dlg.m_hWnd, CreateSpy::s_cs.hwndParent);

    EXPECT_EQ(pCombo->m_hWnd, m_dlg.GetDlgItem(GetParam())->GetSafeHwnd());
    EXPECT_EQ(nOldHeight, CreateSpy::s_nItemHeight);
    EXPECT_EQ(0, pCombo->GetCount());
    ExpectHookedInnerBox(pCombo);
}

INSTANTIATE_TEST_SUITE_P(Styles, RecreateTest, ::testing::Values(kListId, kDropDownId));

TEST_F(FlatComboTest, RecreateOfAnUnboundObjectUsesTheDefaults)
{
    CFlatCombo* pCombo = new CFlatCombo;
    m_combos.push_back(pCombo);
    CreateSpy spy;
    ASSERT_TRUE(pCombo->Recreate(&m_dlg));

    ASSERT_TRUE(CreateSpy::s_seen);
    EXPECT_EQ((HMENU)1, CreateSpy::s_cs.hMenu);
    EXPECT_EQ((LONG)0x50030003, CreateSpy::s_cs.style);
    EXPECT_EQ(0, CreateSpy::s_cs.x);
    EXPECT_EQ(0, CreateSpy::s_cs.y);
    EXPECT_EQ(122, CreateSpy::s_cs.cx);
    EXPECT_EQ(175, CreateSpy::s_cs.cy);
    EXPECT_EQ(22, CreateSpy::s_nItemHeight);
    EXPECT_EQ(1, pCombo->GetDlgCtrlID());

    // The frame is the control's own rectangle, kept by every WM_SIZE.
    pCombo->SetWindowPos(NULL, 0, 0, 150, 30, SWP_NOZORDER | SWP_NOMOVE);
    CRect rcWindow;
    pCombo->GetWindowRect(&rcWindow);
    pCombo->ScreenToClient(&rcWindow);
    EXPECT_EQ(rcWindow, CRect(StateOf(pCombo).rcFrame));
}

TEST_F(FlatComboTest, RecreateThatCannotCreateFailsWithTheOldWindowGone)
{
    CFlatCombo* pCombo = new CFlatCombo;
    m_combos.push_back(pCombo);
    ASSERT_TRUE(pCombo->SubclassDlgItem(kListId, &m_dlg));
    HWND hOld = pCombo->m_hWnd;
    // A child window needs a parent.
    EXPECT_FALSE(pCombo->Recreate(NULL));
    EXPECT_FALSE(::IsWindow(hOld));
    EXPECT_EQ((HWND)NULL, pCombo->m_hWnd);
    EXPECT_EQ(0, TessarineTestHookedWindowCount());
}

class InnerBoxTest : public FlatComboTest, public ::testing::WithParamInterface<DWORD>
{
};

TEST_P(InnerBoxTest, IsFoundAndHooked)
{
    CFlatCombo* pCombo = new CFlatCombo;
    m_combos.push_back(pCombo);
    ASSERT_TRUE(pCombo->CComboBoxEx::Create(WS_CHILD | WS_VISIBLE | GetParam(), CRect(10, 100, 160, 250),
                                            &m_dlg, 1004));
    ExpectHookedInnerBox(pCombo);
    EXPECT_EQ(1, TessarineTestHookedWindowCount());
    EXPECT_NE(0u, pCombo->m_nFlags & WF_TOOLTIPS);
}

INSTANTIATE_TEST_SUITE_P(Styles, InnerBoxTest,
                         ::testing::Values((DWORD)CBS_DROPDOWN, (DWORD)CBS_DROPDOWNLIST, (DWORD)CBS_SIMPLE));

TEST_F(FlatComboTest, ABoundExtendedComboBoxHooksNothing)
{
    CComboBoxEx plain;
    ASSERT_TRUE(plain.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST, CRect(10, 100, 160, 250), &m_dlg, 1004));
    HWND hWnd = plain.Detach();
    CFlatCombo* pCombo = new CFlatCombo;
    m_combos.push_back(pCombo);
    ASSERT_TRUE(pCombo->SubclassWindow(hWnd));
    EXPECT_EQ((HWND)NULL, StateOf(pCombo).hComboBox);
    EXPECT_EQ(0, TessarineTestHookedWindowCount());
    pCombo->SetWindowPos(NULL, 0, 0, 150, 30, SWP_NOZORDER | SWP_NOMOVE);
    // Without an inner box the handlers that draw have nothing to draw on.
    pCombo->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    pCombo->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(CFlatCombo::FS_Hot, StateOf(pCombo).nFrameState);
}

TEST_F(FlatComboTest, DestroyingTheDialogLeavesNoHookBehind)
{
    CFlatCombo* pList = MakeCombo(kListId);
    CFlatCombo* pDropDown = MakeCombo(kDropDownId);
    EXPECT_EQ(2, TessarineTestHookedWindowCount());
    m_dlg.DestroyWindow();
    EXPECT_EQ(0, TessarineTestHookedWindowCount());
    EXPECT_FALSE(StateOf(pList).bHooked);
    EXPECT_FALSE(StateOf(pDropDown).bHooked);
    EXPECT_EQ((HWND)NULL, StateOf(pList).hComboBox);
}

} // namespace
