// FlatComboFixture.cpp - the flat combo box tests' dialog and helpers.

#include "FlatComboFixture.h"

#include "DialogTemplateBuilder.h"
#include "MessageRecorder.h"

namespace flatcombotest {

using namespace testsupport;

FlatComboTestState StateOf(const CFlatCombo* pCombo)
{
    FlatComboTestState state;
    memset(&state, 0, sizeof(state));
    TessarineTestFlatComboState(pCombo, &state);
    return state;
}

ClientPixels WindowPixels(HWND hwnd)
{
    RECT rc;
    ::GetWindowRect(hwnd, &rc);
    ::OffsetRect(&rc, -rc.left, -rc.top);
    HDC hdc = ::GetWindowDC(hwnd);
    ClientPixels pixels(hdc, rc);
    ::ReleaseDC(hwnd, hdc);
    return pixels;
}

void Smear(HWND hwnd, COLORREF colour)
{
    RECT rc;
    ::GetWindowRect(hwnd, &rc);
    ::OffsetRect(&rc, -rc.left, -rc.top);
    HDC hdc = ::GetWindowDC(hwnd);
    HBRUSH hBrush = ::CreateSolidBrush(colour);
    ::FillRect(hdc, &rc, hBrush);
    ::DeleteObject(hBrush);
    ::ReleaseDC(hwnd, hdc);
}

bool WaitForPixel(HWND hwnd, int x, int y, COLORREF colour)
{
    return PumpUntil([&]() { return WindowPixels(hwnd).At(x, y) == colour; }, 30000);
}

void FlatComboTest::SetUp()
{
    HostWindowTest::SetUp();
    // Shared by every flat combo of the process: a click of an earlier test
    // that no close-up followed would still be remembered.
    TessarineTestFlatComboClearFocusBefore();
    DialogTemplateBuilder dlg(WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 300, 160);
    dlg.SetFont(8, "MS Shell Dlg");
    dlg.AddItem(DialogTemplateBuilder::ComboBox, "", kListId,
                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 7, 7, 100, 60);
    dlg.AddItem(DialogTemplateBuilder::ComboBox, "", kDropDownId,
                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN, 7, 40, 100, 60);
    dlg.AddItem(DialogTemplateBuilder::Edit, "", kEditId,
                WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 150, 7, 60, 14);
    ASSERT_TRUE(m_dlg.CreateIndirect(dlg.Template(), CWnd::FromHandle(Host())));
    Pump();
}

void FlatComboTest::TearDown()
{
    if (::IsWindow(m_dlg.m_hWnd))
        m_dlg.DestroyWindow();
    for (size_t i = 0; i < m_combos.size(); ++i)
        delete m_combos[i];
    m_combos.clear();
    ::ReleaseCapture();
    Pump();
    HostWindowTest::TearDown();
}

CFlatCombo* FlatComboTest::MakeCombo(UINT nID)
{
    CFlatCombo* pCombo = new CFlatCombo;
    m_combos.push_back(pCombo);
    EXPECT_TRUE(pCombo->SubclassDlgItem(nID, &m_dlg));
    EXPECT_TRUE(pCombo->Recreate(&m_dlg));
    Pump();
    return pCombo;
}

void FlatComboTest::AddItems(CFlatCombo* pCombo, const char* const* texts, int n)
{
    for (int i = 0; i < n; ++i)
        ASSERT_EQ(i, pCombo->AddString(texts[i]));
}

} // namespace flatcombotest
