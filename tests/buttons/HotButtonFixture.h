// HotButtonFixture.h - shared fixture of the hot button tests.
//
//   TestHotButton  CHotButton with its state in reach; counts its paints and
//                  checks on each one that erase and caption put the paint
//                  DC back as they found it
//   HotButtonTest  one button on the host window, the messages that reach
//                  the standard button procedure logged as "std" and the
//                  parent's WM_COMMAND as "parent"
#ifndef TESTS_BUTTONS_HOTBUTTONFIXTURE_H
#define TESTS_BUTTONS_HOTBUTTONFIXTURE_H

#include <afxwin.h>
#include <afxcmn.h>

#include <string>

#include <gtest/gtest.h>

#include "HotButton.h"
#include "InputHelpers.h"
#include "MessageRecorder.h"
#include "PixelHelpers.h"
#include "TestHostWindow.h"

namespace hottest {

const UINT kButtonId = 1201;
const int kWidth = 80;      // whole window, static edge included
const int kHeight = 24;
const DWORD kTimeout = 30000;

inline COLORREF Sys(int index) { return ::GetSysColor(index); }

// The checkerboard at client pixel (x, y).
inline COLORREF DitherAt(int x, int y)
{
    return ((x + y) & 1) == 0 ? Sys(COLOR_BTNFACE) : Sys(COLOR_BTNHIGHLIGHT);
}

class TestHotButton : public CHotButton
{
    DECLARE_DYNAMIC(TestHotButton)
public:
    TestHotButton() : paints(0), frames(0) {}

    BOOL Hot() const { return m_bHot; }
    BOOL Pressed() const { return m_bPressed; }
    LONG PrevCapture() const { return m_hPrevCapture; }
    CRect WindowRect() const { return m_rcWindow; }
    ButtonImageAlign Align() const { return m_imageAlign; }
    HB_BorderStyle Border() const { return m_borderStyle; }
    void SetState(BOOL bHot, BOOL bPressed) { m_bHot = bHot; m_bPressed = bPressed; }

    virtual void RenderFocus(CDC* pDC);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    int paints;                     // client paints (RenderFocus calls)
    int frames;                     // WM_NCPAINT: every repaint the button asks for
    std::string dcChanges;          // state left behind in the paint DC
    testsupport::DcStateSnapshot freshDc;

protected:
    DECLARE_MESSAGE_MAP()
};

class HotButtonTest : public testsupport::HostWindowTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the button (hidden, static edge), binds it, shows it; its
    // left edge moves from test to test so that clicks of successive tests
    // never make a double click.
    void Make(DWORD style = BS_PUSHBUTTON, const char* text = "", int cx = kWidth, int cy = kHeight);
    HWND Btn() const { return m_btn.m_hWnd; }
    // Full repaint now; the whole window read back.
    testsupport::ClientPixels Paint();
    // Waits until the last message of log is message; false at the deadline.
    bool WaitFor(const char* log, UINT message);

    TestHotButton m_btn;
};

// Whole window pixels, non-client area included.
testsupport::ClientPixels WindowPixels(HWND hwnd);

// One ring drawn like CDC::Draw3dRect inset pixels inside the window.
bool ExpectRing(const testsupport::ClientPixels& px, int inset, int topLeft, int bottomRight,
                const char* file, int line);
#define EXPECT_RING(px, inset, tl, br) ExpectRing((px), (inset), (tl), (br), __FILE__, __LINE__)

// Image list of 16 x 16 solid images in these colours.
HIMAGELIST MakeImages(const COLORREF* colours, int n);

} // namespace hottest

#endif // TESTS_BUTTONS_HOTBUTTONFIXTURE_H
