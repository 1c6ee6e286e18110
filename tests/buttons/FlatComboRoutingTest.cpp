// The frame hook's routing, message by message: the hook is moved onto a
// stand-in window whose own procedure records what reaches it ("inner"),
// and what the control receives is recorded too ("control").

#include "FlatComboFixture.h"
#include "MessageRecorder.h"

namespace {

using namespace flatcombotest;
using namespace testsupport;

const LRESULT kOwnResult = 0x1234;  // what the stand-in's procedure answers

LRESULT CALLBACK StandInProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_PAINT:
        {
            PAINTSTRUCT ps;
            ::BeginPaint(hWnd, &ps);
            ::EndPaint(hWnd, &ps);
        }
        return kOwnResult;
    case WM_NOTIFY: case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_CHAR:
    case WM_MOUSEMOVE: case WM_KEYDOWN:
        return kOwnResult;
    default:
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }
}

const char* StandInClass()
{
    static ATOM s_atom = 0;
    if (s_atom == 0)
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = StandInProc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.hbrBackground = (HBRUSH)::GetStockObject(BLACK_BRUSH);
        wc.lpszClassName = "FlatComboStandIn";
        s_atom = ::RegisterClassA(&wc);
    }
    return "FlatComboStandIn";
}

const MsgEntry kNothing[] = { { 0 } };
const MsgEntry kNotifyGetDispInfoA[] = { { WM_NOTIFY, sent | id, 0, 0, (UINT)CBEN_GETDISPINFOA }, { 0 } };
const MsgEntry kNotifyGetDispInfoW[] = { { WM_NOTIFY, sent | id, 0, 0, (UINT)CBEN_GETDISPINFOW }, { 0 } };
const MsgEntry kNotifyClick[] = { { WM_NOTIFY, sent | id, 0, 0, (UINT)NM_CLICK }, { 0 } };
const MsgEntry kDown[] = { { WM_LBUTTONDOWN, sent | wparam | lparam, MK_LBUTTON, MAKELPARAM(5, 5) }, { 0 } };
const MsgEntry kDownOutside[] = { { WM_LBUTTONDOWN, sent | wparam | lparam, MK_LBUTTON, MAKELPARAM(2000, 5) }, { 0 } };
const MsgEntry kUp[] = { { WM_LBUTTONUP, sent | wparam | lparam, 0, MAKELPARAM(5, 5) }, { 0 } };
const MsgEntry kUpControl[] = {
    { WM_LBUTTONUP, sent | wparam | lparam, 0, MAKELPARAM(5, 5) },
    { CB_GETDROPPEDSTATE, sent },
    { 0 } };
const MsgEntry kChar[] = { { WM_CHAR, sent | wparam, 'q' }, { 0 } };
const MsgEntry kCharControl[] = {
    { WM_CHAR, sent | wparam, 'q' },
    { CB_GETCURSEL, sent },
    { CB_GETCOUNT, sent },
    { 0 } };
const MsgEntry kMove[] = { { WM_MOUSEMOVE, sent | wparam | lparam, 0, MAKELPARAM(5, 5) }, { 0 } };
const MsgEntry kMoveControl[] = { { CB_GETDROPPEDSTATE, sent }, { 0 } };
const MsgEntry kPaint[] = { { WM_PAINT, sent }, { 0 } };
const MsgEntry kKey[] = { { WM_KEYDOWN, sent | wparam, VK_DOWN }, { 0 } };

struct RouteRow
{
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;      // for WM_NOTIFY: the code
    LRESULT result;
    const MsgEntry* inner;
    const MsgEntry* control;
};

const RouteRow kRoutes[] = {
    { "GetDispInfoA",   WM_NOTIFY, 0, (LPARAM)(UINT)CBEN_GETDISPINFOA, 0, kNothing, kNotifyGetDispInfoA },
    { "GetDispInfoW",   WM_NOTIFY, 0, (LPARAM)(UINT)CBEN_GETDISPINFOW, 0, kNothing, kNotifyGetDispInfoW },
    { "OtherNotify",    WM_NOTIFY, 0, (LPARAM)(UINT)NM_CLICK, kOwnResult, kNotifyClick, kNothing },
    { "DownInside",     WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5), kOwnResult, kDown, kDown },
    { "DownOutside",    WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2000, 5), 0, kNothing, kDownOutside },
    { "Up",             WM_LBUTTONUP, 0, MAKELPARAM(5, 5), kOwnResult, kUp, kUpControl },
    { "Char",           WM_CHAR, 'q', MAKELPARAM(1, 0x10), kOwnResult, kChar, kCharControl },
    { "MouseMove",      WM_MOUSEMOVE, 0, MAKELPARAM(5, 5), kOwnResult, kMove, kMoveControl },
    { "Paint",          WM_PAINT, 0, 0, kOwnResult, kPaint, kNothing },
    { "OtherMessage",   WM_KEYDOWN, VK_DOWN, 0x00500001, kOwnResult, kKey, kNothing },
};

class RoutingTest : public FlatComboTest, public ::testing::WithParamInterface<RouteRow>
{
};

TEST_P(RoutingTest, RoutesAsTheTableSays)
{
    const RouteRow& row = GetParam();
    CFlatCombo* pCombo = MakeCombo();
    HWND hStandIn = ::CreateWindowExA(0, StandInClass(), "", WS_CHILD | WS_VISIBLE, 0, 200, 175, 23,
                                      m_dlg.m_hWnd, NULL, NULL, NULL);
    ASSERT_NE((HWND)NULL, hStandIn);
    RecordControl(hStandIn, "inner");
    ASSERT_TRUE(TessarineTestFlatComboHook(pCombo, hStandIn));
    RecordControl(pCombo->m_hWnd, "control");
    ::InvalidateRect(hStandIn, NULL, TRUE);
    Pump();
    Recorder().Flush();

    NMHDR header = { hStandIn, 0, (UINT)row.lParam };
    const LPARAM lParam = row.message == WM_NOTIFY ? (LPARAM)&header : row.lParam;
    EXPECT_EQ(row.result, ::SendMessageA(hStandIn, row.message, row.wParam, lParam));
    EXPECT_SEQUENCE("inner", row.inner, row.name);
    EXPECT_SEQUENCE("control", row.control, row.name);

    if (row.message == WM_PAINT)
    {
        // The frame is drawn after the window's own painting.
        EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), WindowPixels(hStandIn).At(0, 10));
    }
    if (row.message == WM_MOUSEMOVE)
    {
        EXPECT_EQ(Inner(pCombo), ::GetCapture());
    }
    UnrecordControl(pCombo->m_hWnd);
}

INSTANTIATE_TEST_SUITE_P(Messages, RoutingTest, ::testing::ValuesIn(kRoutes),
                         [](const ::testing::TestParamInfo<RouteRow>& info) { return std::string(info.param.name); });

} // namespace
