// ArrowFixture.h - shared fixture of the LiveArrow tests: the widget with its
// helpers in reach, and a test host with the mouse buttons up and not swapped.
#ifndef TESTS_PANES_ARROWFIXTURE_H
#define TESTS_PANES_ARROWFIXTURE_H

#include <afxwin.h>

#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "LiveArrow.h"
#include "MessageRecorder.h"
#include "TestHostWindow.h"
#include "brevox.h"

namespace arrowtest {

class TestArrow : public LiveArrow
{
public:
    HBITMAP First() const { return (HBITMAP)m_bmpFirst.GetSafeHandle(); }
    HBITMAP Second() const { return (HBITMAP)m_bmpSecond.GetSafeHandle(); }
    CRect Rect() const { return m_rect; }
};

// The one vertical rectangle the tests use most: hit (10, 16, 18, 32).
const CRect kArrowRect(10, 20, 18, 28);

// Physical mouse buttons through SendInput; waits until GetAsyncKeyState
// reports the new state.
inline void SetButton(int vk, bool down)
{
    INPUT input;
    ZeroMemory(&input, sizeof(input));
    input.type = INPUT_MOUSE;
    if (vk == VK_LBUTTON)
        input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    else
        input.mi.dwFlags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
    ::SendInput(1, &input, sizeof(INPUT));
    EXPECT_TRUE(testsupport::PumpUntil(
        [&] { return ((::GetAsyncKeyState(vk) & 0x8000) != 0) == down; }, 30000));
}

inline void SetSwapped(BOOL bSwap)
{
    ::SystemParametersInfoA(SPI_SETMOUSEBUTTONSWAP, bSwap, NULL, 0);
}

// The LAM_EXPANDSTATECHANGED messages the host got since the last call:
// (lParam, wParam) pairs, each checked to be posted to the test host.
inline std::vector<std::pair<LPARAM, WPARAM>> StateMessages()
{
    testsupport::Pump();
    std::vector<std::pair<LPARAM, WPARAM>> found;
    for (const testsupport::RecordedMsg& m : testsupport::Recorder().Log("parent"))
        if (m.message == LAM_EXPANDSTATECHANGED)
        {
            EXPECT_EQ(testsupport::TestHostWindow::Get(), m.hwnd);
            EXPECT_TRUE(m.flags & testsupport::posted);
            found.push_back(std::make_pair(m.lParam, m.wParam));
        }
    testsupport::Recorder().Flush("parent");
    return found;
}

// Test names from the rows' name fields.
template <class Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info)
{
    return info.param.name;
}

class ArrowTest : public testsupport::HostWindowTest
{
protected:
    void SetUp() override
    {
        HostWindowTest::SetUp();
        SetSwapped(FALSE);
        if (::GetAsyncKeyState(VK_LBUTTON) & 0x8000)
            SetButton(VK_LBUTTON, false);
        if (::GetAsyncKeyState(VK_RBUTTON) & 0x8000)
            SetButton(VK_RBUTTON, false);
        BrevoxTestReset();
    }
    void TearDown() override
    {
        SetSwapped(FALSE);
        BrevoxTestReset();
        HostWindowTest::TearDown();
    }

    CWnd* HostWnd() const { return CWnd::FromHandle(Host()); }

    // Fills the host's client area with one colour, at once.
    void Fill(COLORREF colour) const
    {
        HDC hdc = ::GetDC(Host());
        CDC::FromHandle(hdc)->FillSolidRect(0, 0, 4096, 4096, colour);
        ::ReleaseDC(Host(), hdc);
    }
    // Draws the widget through a client DC of the host.
    static void DrawNow(LiveArrow& arrow, HWND hwnd)
    {
        HDC hdc = ::GetDC(hwnd);
        arrow.Draw(CDC::FromHandle(hdc));
        ::ReleaseDC(hwnd, hdc);
    }
};

} // namespace arrowtest

#endif // TESTS_PANES_ARROWFIXTURE_H
