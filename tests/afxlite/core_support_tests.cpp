// The shared test fixture itself: message recorder and sequence comparison,
// lParam capture, dialog templates (also through CDialog), pixel helpers and
// injected input.

#include <afxwin.h>
#include <commctrl.h>

#include <gtest/gtest.h>
#include <gtest/gtest-spi.h>

#include "DialogTemplateBuilder.h"
#include "InputHelpers.h"
#include "MessageRecorder.h"
#include "PixelHelpers.h"
#include "TestHostWindow.h"
#include "Wow64Limits.h"

using namespace testsupport;

namespace {

const UINT WM_PROBE = WM_APP + 7;

class SupportRecorder : public HostWindowTest
{
protected:
    HWND CreateChild(const char* logName)
    {
        HWND hwnd = ::CreateWindowExA(0, "STATIC", "probe", WS_CHILD | WS_VISIBLE,
                                      0, 0, 50, 20, Host(), (HMENU)(INT_PTR)77,
                                      ::GetModuleHandleA(NULL), NULL);
        ::UpdateWindow(hwnd);
        Pump();
        RecordControl(hwnd, logName);
        Recorder().Flush();
        return hwnd;
    }
};

TEST_F(SupportRecorder, SentAndPostedMessagesInOrder)
{
    HWND child = CreateChild("child");
    ::SendMessageA(child, WM_PROBE, 1, 2);
    ::PostMessageA(child, WM_PROBE, 3, 4);
    ::SendMessageA(Host(), WM_PROBE, 5, 6);
    Pump();

    static const MsgEntry childSeq[] = {
        { WM_PROBE, sent | wparam | lparam, 1, 2 },
        { WM_PROBE, posted | wparam | lparam, 3, 4 },
        { 0 }
    };
    static const MsgEntry parentSeq[] = {
        { WM_PROBE, sent | parent | wparam | lparam, 5, 6 },
        { 0 }
    };
    EXPECT_SEQUENCE("child", childSeq, "child log");
    EXPECT_SEQUENCE("parent", parentSeq, "parent log");
    EXPECT_TRUE(Recorder().Log("child").empty());  // compared logs are flushed
    ::DestroyWindow(child);
}

TEST_F(SupportRecorder, OptionalEntriesAndNotifyIds)
{
    HWND child = CreateChild("child");
    NMHDR nm = { child, 77, NM_CLICK };
    ::SendMessageA(Host(), WM_NOTIFY, 77, (LPARAM)&nm);
    ::SendMessageA(Host(), WM_COMMAND, MAKEWPARAM(77, BN_CLICKED), (LPARAM)child);

    static const MsgEntry seq[] = {
        { WM_PAINT, sent | optional },
        { WM_NOTIFY, sent | parent | wparam | id, 77, 0, (UINT)NM_CLICK },
        { WM_SIZE, sent | optional },
        { WM_COMMAND, sent | parent | id, 0, 0, BN_CLICKED },
        { WM_MOVE, sent | optional },
        { 0 }
    };
    EXPECT_SEQUENCE("parent", seq, "optional entries skipped");
    ::DestroyWindow(child);
}

TEST_F(SupportRecorder, MismatchesAreReportedWithBothSequences)
{
    static const MsgEntry expectOne[] = { { WM_PROBE, sent | parent | wparam, 1 }, { 0 } };
    static const MsgEntry expectTwo[] = {
        { WM_PROBE, sent | parent }, { WM_PROBE, sent | parent }, { 0 }
    };
    static const MsgEntry expectPosted[] = { { WM_PROBE, posted | parent }, { 0 } };
    static const MsgEntry expectChild[] = { { WM_PROBE, sent }, { 0 } };
    static const MsgEntry expectNothing[] = { { 0 } };

    // wrong wParam
    ::SendMessageA(Host(), WM_PROBE, 2, 0);
    EXPECT_NONFATAL_FAILURE(EXPECT_SEQUENCE("parent", expectOne, "wparam"), "wParam 0x2, expected 0x1");
    // missing message
    ::SendMessageA(Host(), WM_PROBE, 0, 0);
    EXPECT_NONFATAL_FAILURE(EXPECT_SEQUENCE("parent", expectTwo, "missing"), "missing 0x8007 (WM_APP+7)");
    // recorded by the parent where a control's log was expected
    ::SendMessageA(Host(), WM_PROBE, 0, 0);
    EXPECT_NONFATAL_FAILURE(EXPECT_SEQUENCE("parent", expectChild, "parent flag"), "recorded by the parent");
    // extra message
    ::SendMessageA(Host(), WM_PROBE, 0, 0);
    EXPECT_NONFATAL_FAILURE(EXPECT_SEQUENCE("parent", expectNothing, "extra"), "unexpected");
    // sent where posted was expected
    ::SendMessageA(Host(), WM_PROBE, 0, 0);
    EXPECT_NONFATAL_FAILURE(EXPECT_SEQUENCE("parent", expectPosted, "kind"), "delivered sent");
    // the report names the caller's context and prints the actual sequence
    ::SendMessageA(Host(), WM_PROBE, 9, 0);
    EXPECT_NONFATAL_FAILURE(EXPECT_SEQUENCE("parent", expectOne, "my context"), "my context");
}

TEST_F(SupportRecorder, DefWinProcFlagAndFilters)
{
    // DefWindowProc answers WM_PRINT by sending WM_PRINTCLIENT to the same
    // window: that one arrives inside DefWindowProc.
    HWND host = Host();
    HDC hdc = ::GetDC(host);
    ::SendMessageA(host, WM_PRINT, (WPARAM)hdc, PRF_CLIENT);
    ::ReleaseDC(host, hdc);
    static const MsgEntry seq[] = {
        { WM_PRINT, sent | parent },
        { WM_PRINTCLIENT, sent | parent | defwinproc },
        { 0 }
    };
    EXPECT_SEQUENCE("parent", seq, "DefWindowProc nesting");

    // the default filter drops noise; a custom one can keep it or drop more
    ::SendMessageA(host, WM_GETICON, 0, 0);
    EXPECT_TRUE(Recorder().Log("parent").empty());
    Recorder().SetFilter("parent", [](HWND, UINT m, WPARAM, LPARAM) { return m != WM_PROBE; });
    ::SendMessageA(host, WM_PROBE, 0, 0);
    ::SendMessageA(host, WM_GETICON, 0, 0);
    ASSERT_EQ(1u, Recorder().Log("parent").size());
    EXPECT_EQ((UINT)WM_GETICON, Recorder().Log("parent")[0].message);
    Recorder().SetFilter("parent", MessageRecorder::Filter());
}

TEST_F(SupportRecorder, CapturesTheMemoryBehindLParam)
{
    struct Payload
    {
        NMHDR hdr;
        int value;
    };
    Recorder().CaptureLParam(WM_NOTIFY, sizeof(Payload));
    Payload payload = { { Host(), 5, 1234 }, 42 };
    ::SendMessageA(Host(), WM_NOTIFY, 5, (LPARAM)&payload);
    payload.value = 0;  // changed after the call: the copy keeps the old content

    std::vector<RecordedMsg> log = Recorder().Log("parent");
    ASSERT_EQ(1u, log.size());
    ASSERT_EQ(sizeof(Payload), log[0].data.size());
    Payload copy;
    memcpy(&copy, log[0].data.data(), sizeof(copy));
    EXPECT_EQ(42, copy.value);
    EXPECT_EQ(1234u, log[0].id);

    Recorder().SetCapture(WM_NOTIFY, [](RecordedMsg& msg) { msg.id = 7; });
    ::SendMessageA(Host(), WM_NOTIFY, 5, (LPARAM)&payload);
    EXPECT_EQ(7u, Recorder().Log("parent").back().id);
}

TEST_F(SupportRecorder, ParentHandlerAnswers)
{
    SetParentHandler([](HWND, UINT message, WPARAM, LPARAM, LRESULT* pResult) {
        if (message != WM_PROBE)
            return false;
        *pResult = 4321;
        return true;
    });
    EXPECT_EQ(4321, ::SendMessageA(Host(), WM_PROBE, 0, 0));
    EXPECT_EQ(0, ::SendMessageA(Host(), WM_PROBE + 1, 0, 0));
}

TEST(SupportNames, MessageNames)
{
    EXPECT_EQ("WM_PAINT", MessageName(WM_PAINT));
    EXPECT_EQ("WM_USER+1", MessageName(WM_USER + 1));
    EXPECT_EQ("0x8a7c (WM_APP+2684)", MessageName(0x8A7C));
    EXPECT_EQ("0xc123", MessageName(0xC123));
}

/////////////////////////////////////////////////////////////////////////////
// Dialog templates

LRESULT CALLBACK CustomItemProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

TEST_F(SupportRecorder, DialogTemplateWithCustomAndPredefinedItems)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    WNDCLASSA wc;
    memset(&wc, 0, sizeof(wc));
    wc.lpfnWndProc = CustomItemProc;
    wc.hInstance = ::GetModuleHandleA(NULL);
    wc.lpszClassName = "SupportCustomItem";
    ::RegisterClassA(&wc);

    DialogTemplateBuilder tmpl(WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 200, 100, "Support host");
    tmpl.SetFont(8, "MS Shell Dlg");
    tmpl.AddItem("SupportCustomItem", "custom", 1001, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 7, 7, 100, 50);
    tmpl.AddItem(DialogTemplateBuilder::Button, "OK", IDOK, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 140, 7, 50, 14);
    tmpl.AddItem(DialogTemplateBuilder::Edit, "12", 1002, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 140, 30, 50, 12, WS_EX_CLIENTEDGE);
    EXPECT_EQ(3, tmpl.ItemCount());
    EXPECT_EQ(0u, ((UINT_PTR)tmpl.Template()) % sizeof(DWORD));

    HostDialog dialog;
    ASSERT_TRUE(dialog.Create(tmpl, Host()));
    HWND custom = dialog.Item(1001);
    ASSERT_NE((HWND)NULL, custom);
    char szClass[64];
    ::GetClassNameA(custom, szClass, sizeof(szClass));
    EXPECT_STREQ("SupportCustomItem", szClass);
    char szText[32];
    ::GetWindowTextA(custom, szText, sizeof(szText));
    EXPECT_STREQ("custom", szText);
    EXPECT_TRUE(::GetWindowLongA(custom, GWL_STYLE) & WS_TABSTOP);
    ::GetClassNameA(dialog.Item(IDOK), szClass, sizeof(szClass));
    EXPECT_STRCASEEQ("Button", szClass);
    EXPECT_TRUE(::GetWindowLongA(dialog.Item(1002), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(12u, ::GetDlgItemInt(dialog.Handle(), 1002, NULL, FALSE));

    // Item position and size are dialog units converted with the dialog's font.
    RECT pos = { 7, 7, 100, 50 };  // x, y, cx, cy
    ::MapDialogRect(dialog.Handle(), &pos);
    RECT actual;
    ::GetWindowRect(custom, &actual);
    ::MapWindowPoints(NULL, dialog.Handle(), (LPPOINT)&actual, 2);
    EXPECT_EQ(pos.left, actual.left);
    EXPECT_EQ(pos.top, actual.top);
    EXPECT_EQ(pos.right, actual.right - actual.left);
    EXPECT_EQ(pos.bottom, actual.bottom - actual.top);

    // The dialog procedure recorded its start.
    bool bInit = false;
    std::vector<RecordedMsg> log = Recorder().Log("parent");
    for (size_t i = 0; i < log.size(); i++)
        bInit = bInit || log[i].message == WM_INITDIALOG;
    EXPECT_TRUE(bInit);
}

TEST_F(SupportRecorder, DialogTemplateServesTheFrameworkDialog)
{
    DialogTemplateBuilder tmpl(WS_POPUP | WS_CAPTION, 10, 10, 120, 60, "Framework host");
    tmpl.SetFont(8, "MS Shell Dlg");
    tmpl.AddItem(DialogTemplateBuilder::Static, "label", 1003, WS_CHILD | WS_VISIBLE, 5, 5, 60, 10);
    CDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(tmpl.Template(), CWnd::FromHandle(Host())));
    ASSERT_TRUE(::IsWindow(dialog.m_hWnd));
    char szText[16];
    ::GetDlgItemTextA(dialog.m_hWnd, 1003, szText, sizeof(szText));
    EXPECT_STREQ("label", szText);
    char szCaption[32];
    ::GetWindowTextA(dialog.m_hWnd, szCaption, sizeof(szCaption));
    EXPECT_STREQ("Framework host", szCaption);
    dialog.DestroyWindow();
}

/////////////////////////////////////////////////////////////////////////////
// Pixels and input

LRESULT CALLBACK StripesProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT)
    {
        PAINTSTRUCT ps;
        HDC hdc = ::BeginPaint(hwnd, &ps);
        RECT left = { 0, 0, 10, 30 };
        RECT right = { 10, 0, 40, 30 };
        HBRUSH red = ::CreateSolidBrush(RGB(255, 0, 0));
        HBRUSH green = ::CreateSolidBrush(RGB(0, 255, 0));
        ::FillRect(hdc, &left, red);
        ::FillRect(hdc, &right, green);
        ::SetPixel(hdc, 20, 5, RGB(0, 0, 255));
        ::SetPixel(hdc, 25, 5, RGB(0, 0, 255));
        ::DeleteObject(red);
        ::DeleteObject(green);
        ::EndPaint(hwnd, &ps);
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

class SupportWindow : public HostWindowTest
{
protected:
    HWND CreateStripes(int x, int y)
    {
        static bool s_registered = false;
        if (!s_registered)
        {
            WNDCLASSA wc;
            memset(&wc, 0, sizeof(wc));
            wc.style = CS_DBLCLKS;
            wc.lpfnWndProc = StripesProc;
            wc.hInstance = ::GetModuleHandleA(NULL);
            wc.lpszClassName = "SupportStripes";
            ::RegisterClassA(&wc);
            s_registered = true;
        }
        HWND hwnd = ::CreateWindowExA(0, "SupportStripes", "", WS_CHILD | WS_VISIBLE, x, y, 40, 30,
                                      Host(), NULL, ::GetModuleHandleA(NULL), NULL);
        ::UpdateWindow(hwnd);
        Pump();
        return hwnd;
    }
};

TEST_F(SupportWindow, PixelReadBack)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    HWND hwnd = CreateStripes(30, 40);
    ClientPixels px(hwnd);
    ASSERT_TRUE(px.Valid());
    EXPECT_EQ(40, px.Width());
    EXPECT_EQ(30, px.Height());
    EXPECT_PIXEL(px, 0, 0, RGB(255, 0, 0));
    EXPECT_PIXEL(px, 9, 29, RGB(255, 0, 0));
    EXPECT_PIXEL(px, 10, 0, RGB(0, 255, 0));
    EXPECT_EQ(CLR_INVALID, px.At(40, 0));
    EXPECT_EQ(CLR_INVALID, px.At(-1, 0));
    EXPECT_ROW(px, 12, 0, 10, RGB(255, 0, 0));
    EXPECT_COLUMN(px, 39, 0, 30, RGB(0, 255, 0));
    EXPECT_EQ(RGB(0, 0, 255), ClientPixel(hwnd, 20, 5));
    std::vector<int> blue = px.FindColumns(5, RGB(0, 0, 255));
    ASSERT_EQ(2u, blue.size());
    EXPECT_EQ(20, blue[0]);
    EXPECT_EQ(25, blue[1]);
    EXPECT_EQ(1u, px.FindRows(20, RGB(0, 0, 255)).size());
    RECT all = { 0, 0, 40, 30 };
    EXPECT_EQ(300, px.Count(all, RGB(255, 0, 0)));
    EXPECT_NONFATAL_FAILURE(EXPECT_ROW(px, 0, 5, 15, RGB(255, 0, 0)), "5 of 10 pixels");

    HDC hdc = ::GetDC(hwnd);
    DcStateSnapshot before(hdc);
    HGDIOBJ old = ::SelectObject(hdc, ::GetStockObject(WHITE_PEN));
    ::SetBkMode(hdc, TRANSPARENT);
    DcStateSnapshot changed(hdc);
    EXPECT_NE("", before.Difference(changed));
    EXPECT_NONFATAL_FAILURE(EXPECT_DC_STATE(before, hdc), "pen");
    ::SelectObject(hdc, old);
    ::SetBkMode(hdc, before.bkMode);
    EXPECT_DC_STATE(before, hdc);
    ::ReleaseDC(hwnd, hdc);
    ::DestroyWindow(hwnd);
}

TEST_F(SupportWindow, InjectedMouseInputArrivesAtTheClientPoint)
{
    HWND hwnd = CreateStripes(100, 60);
    RecordControl(hwnd, "stripes");
    Recorder().SetFilter("stripes", [](HWND, UINT m, WPARAM, LPARAM) {
        return m == WM_LBUTTONDOWN || m == WM_LBUTTONUP || m == WM_LBUTTONDBLCLK;
    });
    Recorder().Flush();

    EXPECT_TRUE(MouseMoveTo(hwnd, 5, 6));
    LeftClick(hwnd, 12, 7);
    static const MsgEntry clickSeq[] = {
        { WM_LBUTTONDOWN, posted | wparam | lparam, MK_LBUTTON, MAKELPARAM(12, 7) },
        { WM_LBUTTONUP, posted | lparam, 0, MAKELPARAM(12, 7) },
        { 0 }
    };
    EXPECT_SEQUENCE("stripes", clickSeq, "click");

    LeftDoubleClick(hwnd, 20, 10);
    static const MsgEntry doubleSeq[] = {
        { WM_LBUTTONDOWN, posted | lparam, 0, MAKELPARAM(20, 10) },
        { WM_LBUTTONUP, posted },
        { WM_LBUTTONDBLCLK, posted | lparam, 0, MAKELPARAM(20, 10) },
        { WM_LBUTTONUP, posted },
        { 0 }
    };
    EXPECT_SEQUENCE("stripes", doubleSeq, "double click");
    Recorder().SetFilter("stripes", MessageRecorder::Filter());
    ::DestroyWindow(hwnd);
}

TEST(SupportInput, AbsoluteCoordinateMapping)
{
    // Every pixel maps to a coordinate that maps back to it.
    for (int size : { 640, 800, 1024, 1920 })
    {
        for (int x = 0; x < size; x += 7)
        {
            LONG dx = AbsoluteMouseCoordinate(x, size);
            ASSERT_EQ(x, (int)(((LONGLONG)dx * size) >> 16)) << size << " " << x;
            ASSERT_LE(dx, 65535);
        }
    }
}

} // namespace
