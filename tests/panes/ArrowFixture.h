// ArrowFixture.h - shared fixture of the LiveArrow tests: the widget with its
// helpers in reach, and a test host with the mouse buttons up and not swapped.
#ifndef TESTS_PANES_ARROWFIXTURE_H
#define TESTS_PANES_ARROWFIXTURE_H

#include <afxwin.h>

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
    using LiveArrow::GetHitRect;
    using LiveArrow::GetFirstHalfRect;
    using LiveArrow::GetSecondHalfRect;
    using LiveArrow::GetFirstBitmapPos;
    using LiveArrow::GetSecondBitmapPos;
    using LiveArrow::GetToolTipTextId;
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

// The LAM_EXPANDSTATECHANGED messages the host got: (hwnd, wParam, lParam).
struct StateMessage
{
    HWND hwnd;
    WPARAM wParam;
    LPARAM lParam;
    bool posted;
};
inline std::vector<StateMessage> StateMessages()
{
    testsupport::Pump();
    std::vector<StateMessage> found;
    for (const testsupport::RecordedMsg& m : testsupport::Recorder().Log("parent"))
        if (m.message == LAM_EXPANDSTATECHANGED)
            found.push_back({ m.hwnd, m.wParam, m.lParam, (m.flags & testsupport::posted) != 0 });
    testsupport::Recorder().Flush("parent");
    return found;
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
        RECT rc;
        ::GetClientRect(Host(), &rc);
        HBRUSH brush = ::CreateSolidBrush(colour);
        ::FillRect(hdc, &rc, brush);
        ::DeleteObject(brush);
        ::ReleaseDC(Host(), hdc);
    }
};

} // namespace arrowtest

#endif // TESTS_PANES_ARROWFIXTURE_H
