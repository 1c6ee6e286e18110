// HotButtonFixture.cpp - the shared hot button fixture.
#include "HotButtonFixture.h"

using namespace testsupport;

namespace hottest {

IMPLEMENT_DYNAMIC(TestHotButton, CHotButton)

BEGIN_MESSAGE_MAP(TestHotButton, CHotButton)
END_MESSAGE_MAP()

// RenderFocus comes last in every paint: by then the erase, the caption
// and the image must have put the DC back to what a fresh one holds.
void TestHotButton::RenderFocus(CDC* pDC)
{
    paints++;
    DcStateSnapshot now(pDC->m_hDC);
    freshDc.bitmap = now.bitmap;
    dcChanges += freshDc.Difference(now);
    CHotButton::RenderFocus(pDC);
}

LRESULT TestHotButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCPAINT)
        frames++;
    return CHotButton::WindowProc(message, wParam, lParam);
}

ClientPixels WindowPixels(HWND hwnd)
{
    RECT rc;
    ::GetWindowRect(hwnd, &rc);
    ::OffsetRect(&rc, -rc.left, -rc.top);
    HDC hdc = ::GetWindowDC(hwnd);
    ClientPixels px(hdc, rc);
    ::ReleaseDC(hwnd, hdc);
    return px;
}

bool ExpectRing(const ClientPixels& px, int inset, int topLeft, int bottomRight,
                const char* file, int line)
{
    const int l = inset, t = inset, r = px.Width() - 1 - inset, b = px.Height() - 1 - inset;
    const COLORREF tl = Sys(topLeft), br = Sys(bottomRight);
    bool ok = ExpectRow(px, t, l, r, tl, file, line);      // top, short of the far corner
    ok = ExpectColumn(px, l, t, b, tl, file, line) && ok;  // left
    ok = ExpectColumn(px, r, t, b + 1, br, file, line) && ok;
    ok = ExpectRow(px, b, l, r + 1, br, file, line) && ok;
    return ok;
}

HIMAGELIST MakeImages(const COLORREF* colours, int n)
{
    HIMAGELIST himl = ImageList_Create(16, 16, ILC_COLOR24, n, 0);
    HDC hdcScreen = ::GetDC(NULL);
    HBITMAP hbm = ::CreateCompatibleBitmap(hdcScreen, 16 * n, 16);
    HDC hdc = ::CreateCompatibleDC(hdcScreen);
    HGDIOBJ old = ::SelectObject(hdc, hbm);
    for (int i = 0; i < n; i++)
    {
        RECT rc = { 16 * i, 0, 16 * i + 16, 16 };
        HBRUSH hbr = ::CreateSolidBrush(colours[i]);
        ::FillRect(hdc, &rc, hbr);
        ::DeleteObject(hbr);
    }
    ::SelectObject(hdc, old);
    ::DeleteDC(hdc);
    ::ReleaseDC(NULL, hdcScreen);
    ImageList_Add(himl, hbm, NULL);
    ::DeleteObject(hbm);
    return himl;
}

void HotButtonTest::SetUp()
{
    HostWindowTest::SetUp();
    Recorder().SetFilter("parent", [](HWND, UINT message, WPARAM, LPARAM) {
        return message == WM_COMMAND;
    });
    Recorder().SetFilter("std", [](HWND, UINT message, WPARAM, LPARAM) {
        return message == WM_LBUTTONDOWN || message == WM_LBUTTONUP || message == WM_LBUTTONDBLCLK ||
               message == WM_KEYDOWN || message == WM_KEYUP || message == WM_MOUSEMOVE ||
               message == WM_NCPAINT || message == WM_PAINT || message == WM_ERASEBKGND ||
               message == WM_ENABLE;
    });
    MouseMoveTo(Host(), 600, 450);      // away from every button
    HDC hdc = ::GetDC(Host());
    m_btn.freshDc.Take(hdc);
    ::ReleaseDC(Host(), hdc);
}

void HotButtonTest::TearDown()
{
    EXPECT_EQ("", m_btn.dcChanges) << "a paint left the DC changed";
    ::ReleaseCapture();
    if (m_btn.m_hWnd != NULL)
        m_btn.DestroyWindow();
    Recorder().SetFilter("parent", &MessageRecorder::DefaultFilter);
    Recorder().SetFilter("std", &MessageRecorder::DefaultFilter);
    HostWindowTest::TearDown();
}

void HotButtonTest::Make(DWORD style, const char* text, int cx, int cy)
{
    static int s_nTest = 0;
    const int x = 20 + 12 * (s_nTest++ % 10);
    HWND h = ::CreateWindowExA(WS_EX_STATICEDGE, "BUTTON", text, WS_CHILD | style, x, 20, cx, cy,
                               Host(), (HMENU)(UINT_PTR)kButtonId, ::GetModuleHandleA(NULL), NULL);
    ASSERT_NE((HWND)NULL, h);
    ::SendMessageA(h, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
    RecordControl(h, "std");        // below the button's own procedure
    ASSERT_TRUE(m_btn.SubclassWindow(h));
    ::ShowWindow(h, SW_SHOWNA);
    ::UpdateWindow(h);
    ASSERT_TRUE(PumpUntil([this] { return m_btn.paints > 0; }, kTimeout));
    ASSERT_EQ(CRect(0, 0, cx, cy), m_btn.WindowRect());
    Recorder().Flush();
    m_btn.paints = 0;
    m_btn.frames = 0;
}

ClientPixels HotButtonTest::Paint()
{
    ::RedrawWindow(Btn(), NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ERASENOW);
    return WindowPixels(Btn());
}

bool HotButtonTest::WaitFor(const char* log, UINT message)
{
    return PumpUntil([log, message] {
        std::vector<RecordedMsg> msgs = Recorder().Log(log);
        return !msgs.empty() && msgs.back().message == message;
    }, kTimeout);
}

} // namespace hottest
