// Message-map dispatch: each handler signature gets its arguments unpacked
// from the message, and its result goes back to the sender.

#include "wnd_fixture.h"

using namespace wndtest;

namespace {

const UINT WM_PROBE_USER = WM_APP + 40;
UINT g_nRegisteredProbe = ::RegisterWindowMessageA("WndTestRegisteredProbe");

// Reports every handler call with its arguments; answers with fixed results
// so the dispatch of results can be checked.
class CDispatchProbe : public CWnd
{
public:
    std::string m_lastString;
    LRESULT m_nUserResult;

    CDispatchProbe() : m_nUserResult(0) { }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        Calls().AddFormat("OnCreate %d %d %s", lpcs->cx, lpcs->cy, lpcs->lpszName);
        return 7;
    }
    afx_msg void OnDestroy() { Calls().Add("OnDestroy"); }
    afx_msg void OnClose() { Calls().Add("OnClose"); }
    afx_msg void OnSize(UINT nType, int cx, int cy) { Calls().AddFormat("OnSize %u %d %d", nType, cx, cy); }
    afx_msg void OnMove(int x, int y) { Calls().AddFormat("OnMove %d %d", x, y); }
    afx_msg void OnPaint() { Calls().Add("OnPaint"); }
    afx_msg BOOL OnEraseBkgnd(CDC* pDC)
    {
        Calls().AddFormat("OnEraseBkgnd %s", pDC != NULL && pDC->m_hDC == m_hProbeDC ? "dc" : "other");
        return TRUE;
    }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint pt) { Calls().AddFormat("OnLButtonDown %u %ld %ld", nFlags, pt.x, pt.y); }
    afx_msg void OnLButtonUp(UINT nFlags, CPoint pt) { Calls().AddFormat("OnLButtonUp %u %ld %ld", nFlags, pt.x, pt.y); }
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint pt) { Calls().AddFormat("OnLButtonDblClk %u %ld %ld", nFlags, pt.x, pt.y); }
    afx_msg void OnRButtonDown(UINT nFlags, CPoint pt) { Calls().AddFormat("OnRButtonDown %u %ld %ld", nFlags, pt.x, pt.y); }
    afx_msg void OnRButtonUp(UINT nFlags, CPoint pt) { Calls().AddFormat("OnRButtonUp %u %ld %ld", nFlags, pt.x, pt.y); }
    afx_msg void OnMouseMove(UINT nFlags, CPoint pt) { Calls().AddFormat("OnMouseMove %u %ld %ld", nFlags, pt.x, pt.y); }
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        Calls().AddFormat("OnMouseWheel %u %d %ld %ld", nFlags, zDelta, pt.x, pt.y);
        return TRUE;
    }
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
    {
        Calls().AddFormat("OnSetCursor %s %d 0x%x", WindowName(pWnd).c_str(), (int)nHitTest, message);
        return TRUE;
    }
    afx_msg void OnSetFocus(CWnd* pOldWnd) { Calls().AddFormat("OnSetFocus %s", WindowName(pOldWnd).c_str()); }
    afx_msg void OnKillFocus(CWnd* pNewWnd) { Calls().AddFormat("OnKillFocus %s", WindowName(pNewWnd).c_str()); }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { Calls().AddFormat("OnKeyDown %u %u 0x%x", nChar, nRepCnt, nFlags); }
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) { Calls().AddFormat("OnKeyUp %u %u 0x%x", nChar, nRepCnt, nFlags); }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) { Calls().AddFormat("OnChar %u %u 0x%x", nChar, nRepCnt, nFlags); }
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { Calls().AddFormat("OnSysKeyDown %u %u 0x%x", nChar, nRepCnt, nFlags); }
    afx_msg void OnTimer(UINT nIDEvent) { Calls().AddFormat("OnTimer %u", nIDEvent); }
    afx_msg void OnCaptureChanged(CWnd* pWnd) { Calls().AddFormat("OnCaptureChanged %s", WindowName(pWnd).c_str()); }
    afx_msg void OnCancelMode() { Calls().Add("OnCancelMode"); }
    afx_msg void OnEnable(BOOL bEnable) { Calls().AddFormat("OnEnable %d", bEnable); }
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus) { Calls().AddFormat("OnShowWindow %d %u", bShow, nStatus); }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        Calls().AddFormat("OnCtlColor %s %s %u", pDC != NULL && pDC->m_hDC == m_hProbeDC ? "dc" : "other",
                          WindowName(pWnd).c_str(), nCtlColor);
        return (HBRUSH)::GetStockObject(GRAY_BRUSH);
    }
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDIS)
    {
        Calls().AddFormat("OnDrawItem %d %u", nIDCtl, lpDIS->itemID);
    }
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMIS)
    {
        Calls().AddFormat("OnMeasureItem %d %u", nIDCtl, lpMIS->itemID);
        lpMIS->itemHeight = 19;
    }
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
    {
        Calls().AddFormat("OnNcCalcSize %d %ld", bCalcValidRects, lpncsp->rgrc[0].right);
    }
    afx_msg void OnNcPaint() { Calls().Add("OnNcPaint"); }
    afx_msg UINT OnNcHitTest(CPoint point)
    {
        Calls().AddFormat("OnNcHitTest %ld %ld", point.x, point.y);
        return HTCAPTION;
    }
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos) { Calls().AddFormat("OnWindowPosChanged %d %d", lpwndpos->x, lpwndpos->cx); }
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos) { Calls().AddFormat("OnWindowPosChanging %d %d", lpwndpos->y, lpwndpos->cy); }
    afx_msg UINT OnGetDlgCode()
    {
        Calls().Add("OnGetDlgCode");
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    }
    afx_msg void OnSysColorChange() { Calls().Add("OnSysColorChange"); }
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
    {
        Calls().AddFormat("OnSettingChange %u %s", uFlags, lpszSection != NULL ? lpszSection : "(null)");
    }
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    {
        Calls().AddFormat("OnHScroll %u %u %s", nSBCode, nPos, WindowName(pScrollBar).c_str());
    }
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
    {
        Calls().AddFormat("OnVScroll %u %u %s", nSBCode, nPos, WindowName(pScrollBar).c_str());
    }
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos)
    {
        Calls().AddFormat("OnContextMenu %s %ld %ld", WindowName(pWnd).c_str(), pos.x, pos.y);
    }
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message)
    {
        Calls().AddFormat("OnMouseActivate %s %u 0x%x", WindowName(pDesktopWnd).c_str(), nHitTest, message);
        return MA_NOACTIVATE;
    }
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI)
    {
        Calls().AddFormat("OnGetMinMaxInfo %ld", lpMMI->ptMaxSize.x);
        lpMMI->ptMaxSize.x = 123;
    }
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
    {
        Calls().AddFormat("OnInitMenuPopup %s %u %d",
                          pPopupMenu != NULL && pPopupMenu->m_hMenu == m_hProbeMenu ? "menu" : "other",
                          nIndex, bSysMenu);
    }
    afx_msg LRESULT OnProbeUser(WPARAM wParam, LPARAM lParam)
    {
        Calls().AddFormat("OnProbeUser %u %ld", (UINT)wParam, (long)lParam);
        return m_nUserResult;
    }
    afx_msg LRESULT OnProbeRegistered(WPARAM wParam, LPARAM lParam)
    {
        Calls().AddFormat("OnProbeRegistered %u %ld", (UINT)wParam, (long)lParam);
        return 99;
    }

    DECLARE_MESSAGE_MAP()

public:
    HDC m_hProbeDC = NULL;
    HMENU m_hProbeMenu = NULL;
};

BEGIN_MESSAGE_MAP(CDispatchProbe, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_MOVE()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEWHEEL()
    ON_WM_SETCURSOR()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_KEYUP()
    ON_WM_CHAR()
    ON_WM_SYSKEYDOWN()
    ON_WM_TIMER()
    ON_WM_CAPTURECHANGED()
    ON_WM_CANCELMODE()
    ON_WM_ENABLE()
    ON_WM_SHOWWINDOW()
    ON_WM_CTLCOLOR()
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_NCHITTEST()
    ON_WM_WINDOWPOSCHANGED()
    ON_WM_WINDOWPOSCHANGING()
    ON_WM_GETDLGCODE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_CONTEXTMENU()
    ON_WM_MOUSEACTIVATE()
    ON_WM_GETMINMAXINFO()
    ON_WM_INITMENUPOPUP()
    ON_MESSAGE(WM_PROBE_USER, OnProbeUser)
    ON_REGISTERED_MESSAGE(g_nRegisteredProbe, OnProbeRegistered)
END_MESSAGE_MAP()

// Placeholders of a table row that the test replaces with live values.
const WPARAM kHostWParam = (WPARAM)-7;   // the host window's handle
const LPARAM kHostLParam = (LPARAM)-7;
const LPARAM kStructLParam = (LPARAM)-9; // a structure of the message's type
const WPARAM kDCWParam = (WPARAM)-11;    // a device context
const WPARAM kMenuWParam = (WPARAM)-13;  // a popup menu
const LPARAM kDCLParam = (LPARAM)-11;

struct DispatchCase
{
    const char* name;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    const char* expectedCall;
    bool bCheckResult;
    LRESULT expectedResult;
};

void PrintTo(const DispatchCase& c, std::ostream* os)
{
    *os << c.name;
}

const DispatchCase kDispatchCases[] =
{
    { "create_is", WM_CREATE, 0, kStructLParam, "OnCreate 31 17 probe", true, 7 },
    { "destroy_vv", WM_DESTROY, 0, 0, "OnDestroy", false, 0 },
    { "close_vv", WM_CLOSE, 0, 0, "OnClose", false, 0 },
    { "size_vwii", WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(300, 200), "OnSize 2 300 200", false, 0 },
    { "move_vvii_signed", WM_MOVE, 0, MAKELPARAM(-3, 4), "OnMove -3 4", false, 0 },
    { "paint_vv", WM_PAINT, 0, 0, "OnPaint", false, 0 },
    { "erasebkgnd_bD", WM_ERASEBKGND, kDCWParam, 0, "OnEraseBkgnd dc", true, TRUE },
    { "lbuttondown_vwp", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 20), "OnLButtonDown 1 10 20", false, 0 },
    { "lbuttonup_vwp", WM_LBUTTONUP, 0, MAKELPARAM(11, 21), "OnLButtonUp 0 11 21", false, 0 },
    { "lbuttondblclk_vwp", WM_LBUTTONDBLCLK, MK_LBUTTON | MK_SHIFT, MAKELPARAM(1, 2), "OnLButtonDblClk 5 1 2", false, 0 },
    { "rbuttondown_vwp", WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(3, 4), "OnRButtonDown 2 3 4", false, 0 },
    { "rbuttonup_vwp", WM_RBUTTONUP, 0, MAKELPARAM(5, 6), "OnRButtonUp 0 5 6", false, 0 },
    { "mousemove_vwp_signed", WM_MOUSEMOVE, MK_CONTROL, MAKELPARAM(-5, -6), "OnMouseMove 8 -5 -6", false, 0 },
    { "mousewheel_bwsp", WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, (WORD)-120), MAKELPARAM(50, 60),
      "OnMouseWheel 8 -120 50 60", true, TRUE },
    { "setcursor_bWww_hterror", WM_SETCURSOR, kHostWParam, MAKELPARAM((WORD)HTERROR, WM_LBUTTONDOWN),
      "OnSetCursor host -2 0x201", true, TRUE },
    { "setfocus_vW", WM_SETFOCUS, kHostWParam, 0, "OnSetFocus host", false, 0 },
    { "killfocus_vW_null", WM_KILLFOCUS, 0, 0, "OnKillFocus null", false, 0 },
    { "keydown_vwww", WM_KEYDOWN, VK_LEFT, MAKELPARAM(3, 0x14B), "OnKeyDown 37 3 0x14b", false, 0 },
    { "keyup_vwww", WM_KEYUP, VK_RIGHT, MAKELPARAM(1, 0xC14D), "OnKeyUp 39 1 0xc14d", false, 0 },
    { "char_vwww", WM_CHAR, 'q', MAKELPARAM(2, 0x10), "OnChar 113 2 0x10", false, 0 },
    { "syskeydown_vwww", WM_SYSKEYDOWN, VK_MENU, MAKELPARAM(1, 0x2038), "OnSysKeyDown 18 1 0x2038", false, 0 },
    { "timer_vw", WM_TIMER, 7, 0, "OnTimer 7", false, 0 },
    { "capturechanged_vW2_from_lparam", WM_CAPTURECHANGED, 0, kHostLParam, "OnCaptureChanged host", false, 0 },
    { "cancelmode_vv", WM_CANCELMODE, 0, 0, "OnCancelMode", false, 0 },
    { "enable_vb", WM_ENABLE, FALSE, 0, "OnEnable 0", false, 0 },
    { "showwindow_vbw", WM_SHOWWINDOW, TRUE, SW_PARENTOPENING, "OnShowWindow 1 3", false, 0 },
    { "ctlcolorbtn_hDWw", WM_CTLCOLORBTN, kDCWParam, kHostLParam, "OnCtlColor dc host 3", true, 0 },
    { "ctlcolorstatic_hDWw", WM_CTLCOLORSTATIC, kDCWParam, kHostLParam, "OnCtlColor dc host 6", true, 0 },
    { "drawitem_vOWNER", WM_DRAWITEM, 42, kStructLParam, "OnDrawItem 42 5", true, TRUE },
    { "measureitem_vMEASURE", WM_MEASUREITEM, 43, kStructLParam, "OnMeasureItem 43 6", true, TRUE },
    { "nccalcsize_vCALC", WM_NCCALCSIZE, FALSE, kStructLParam, "OnNcCalcSize 0 88", false, 0 },
    { "ncpaint_vv", WM_NCPAINT, 1, 0, "OnNcPaint", false, 0 },
    { "nchittest_wp_signed", WM_NCHITTEST, 0, MAKELPARAM(-20, 30), "OnNcHitTest -20 30", true, HTCAPTION },
    { "windowposchanged_vPOS", WM_WINDOWPOSCHANGED, 0, kStructLParam, "OnWindowPosChanged 11 33", false, 0 },
    { "windowposchanging_vPOS", WM_WINDOWPOSCHANGING, 0, kStructLParam, "OnWindowPosChanging 22 44", false, 0 },
    { "getdlgcode_wv", WM_GETDLGCODE, 0, 0, "OnGetDlgCode", true, DLGC_WANTARROWS | DLGC_WANTCHARS },
    { "syscolorchange_vv", WM_SYSCOLORCHANGE, 0, 0, "OnSysColorChange", false, 0 },
    { "settingchange_vws", WM_SETTINGCHANGE, 5, kStructLParam, "OnSettingChange 5 intl", false, 0 },
    { "hscroll_vwwx_null_bar", WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 77), 0, "OnHScroll 5 77 null", false, 0 },
    { "vscroll_vwwx_bar", WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), kHostLParam, "OnVScroll 1 0 host", false, 0 },
    { "contextmenu_vWp", WM_CONTEXTMENU, kHostWParam, MAKELPARAM(-1, -1), "OnContextMenu host -1 -1", false, 0 },
    { "mouseactivate_iWww", WM_MOUSEACTIVATE, kHostWParam, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN),
      "OnMouseActivate host 1 0x201", true, MA_NOACTIVATE },
    { "getminmaxinfo_vMINMAX", WM_GETMINMAXINFO, 0, kStructLParam, "OnGetMinMaxInfo 500", false, 0 },
    { "initmenupopup_vMwb", WM_INITMENUPOPUP, kMenuWParam, MAKELPARAM(2, TRUE), "OnInitMenuPopup menu 2 1", false, 0 },
    { "user_message_lwl", WM_PROBE_USER, 12, -34, "OnProbeUser 12 -34", true, 5678 },
};

class DispatchBySignature : public WndTest, public ::testing::WithParamInterface<DispatchCase>
{
protected:
    void SetUp() override
    {
        WndTest::SetUp();
        CRect rect(0, 0, 60, 40);
        // hidden: the probe gets only the messages a row sends
        ASSERT_TRUE(m_probe.CreateEx(0, NULL, "probe", WS_CHILD, rect, CWnd::FromHandle(Host()), 501));
        m_probe.m_nUserResult = 5678;
        m_probe.m_hProbeDC = ::GetDC(Host());
        m_probe.m_hProbeMenu = ::CreatePopupMenu();
        Calls().Clear();
    }
    void TearDown() override
    {
        ::ReleaseDC(Host(), m_probe.m_hProbeDC);
        ::DestroyMenu(m_probe.m_hProbeMenu);
        m_probe.DestroyWindow();
        WndTest::TearDown();
    }

    CDispatchProbe m_probe;
};

TEST_P(DispatchBySignature, HandlerGetsUnpackedArguments)
{
    const DispatchCase& c = GetParam();

    WPARAM wParam = c.wParam;
    LPARAM lParam = c.lParam;
    if (wParam == kHostWParam)
        wParam = (WPARAM)Host();
    if (lParam == kHostLParam)
        lParam = (LPARAM)Host();
    if (wParam == kDCWParam)
        wParam = (WPARAM)m_probe.m_hProbeDC;
    if (wParam == kMenuWParam)
        wParam = (WPARAM)m_probe.m_hProbeMenu;

    // the structures the pointer-carrying messages point to
    CREATESTRUCT cs;
    ZeroMemory(&cs, sizeof(cs));
    cs.cx = 31;
    cs.cy = 17;
    cs.lpszName = "probe";
    DRAWITEMSTRUCT dis;
    ZeroMemory(&dis, sizeof(dis));
    dis.CtlType = ODT_BUTTON;
    dis.itemID = 5;
    MEASUREITEMSTRUCT mis;
    ZeroMemory(&mis, sizeof(mis));
    mis.CtlType = ODT_LISTBOX;
    mis.itemID = 6;
    NCCALCSIZE_PARAMS ncp;
    ZeroMemory(&ncp, sizeof(ncp));
    ncp.rgrc[0].right = 88;
    WINDOWPOS wp;
    ZeroMemory(&wp, sizeof(wp));
    wp.x = 11;
    wp.y = 22;
    wp.cx = 33;
    wp.cy = 44;
    MINMAXINFO mmi;
    ZeroMemory(&mmi, sizeof(mmi));
    mmi.ptMaxSize.x = 500;
    static const char szSection[] = "intl";

    if (lParam == kStructLParam)
    {
        switch (c.message)
        {
        case WM_CREATE: lParam = (LPARAM)&cs; break;
        case WM_DRAWITEM: lParam = (LPARAM)&dis; break;
        case WM_MEASUREITEM: lParam = (LPARAM)&mis; break;
        case WM_NCCALCSIZE: lParam = (LPARAM)&ncp; break;
        case WM_WINDOWPOSCHANGED:
        case WM_WINDOWPOSCHANGING: lParam = (LPARAM)&wp; break;
        case WM_GETMINMAXINFO: lParam = (LPARAM)&mmi; break;
        case WM_SETTINGCHANGE: lParam = (LPARAM)szSection; break;
        default: FAIL() << "no structure for this message";
        }
    }

    LRESULT lResult = ::SendMessageA(m_probe.m_hWnd, c.message, wParam, lParam);

    const char* const expected[] = { c.expectedCall, NULL };
    EXPECT_CALLS(expected, c.name);
    if (c.message == WM_CTLCOLORBTN || c.message == WM_CTLCOLORSTATIC)
    {
        EXPECT_EQ((LRESULT)::GetStockObject(GRAY_BRUSH), lResult) << "the handler's brush is the answer";
    }
    else if (c.bCheckResult)
    {
        EXPECT_EQ(c.expectedResult, lResult);
    }
    if (c.message == WM_GETMINMAXINFO)
    {
        EXPECT_EQ(123, mmi.ptMaxSize.x) << "changes of the handler reach the sender";
    }
    if (c.message == WM_MEASUREITEM)
    {
        EXPECT_EQ(19u, mis.itemHeight);
    }
}

INSTANTIATE_TEST_SUITE_P(AllSignatures, DispatchBySignature, ::testing::ValuesIn(kDispatchCases),
                         [](const ::testing::TestParamInfo<DispatchCase>& info) {
                             return std::string(info.param.name);
                         });

typedef WndTest MessageMapRouting;

TEST_F(MessageMapRouting, RegisteredMessageAndUnmappedMessages)
{
    CDispatchProbe probe;
    CRect rect(0, 0, 20, 20);
    ASSERT_TRUE(probe.CreateEx(0, NULL, "probe", WS_CHILD, rect, CWnd::FromHandle(Host()), 502));
    Calls().Clear();

    EXPECT_EQ(99, ::SendMessageA(probe.m_hWnd, g_nRegisteredProbe, 3, 4));
    static const char* const registered[] = { "OnProbeRegistered 3 4", NULL };
    EXPECT_CALLS(registered, "registered message");

    // another registered message and an unmapped one go to the default procedure
    UINT nOther = ::RegisterWindowMessageA("WndTestRegisteredOther");
    EXPECT_EQ(0, ::SendMessageA(probe.m_hWnd, nOther, 3, 4));
    ::SetWindowTextA(probe.m_hWnd, "renamed");
    char szText[32] = "";
    ::GetWindowTextA(probe.m_hWnd, szText, sizeof(szText));
    EXPECT_STREQ("renamed", szText) << "WM_SETTEXT and WM_GETTEXT reach DefWindowProc";
    static const char* const none[] = { NULL };
    EXPECT_CALLS(none, "unmapped messages");
    probe.DestroyWindow();
}

// A derived map inherits the base map's entries and overrides them.
class CBaseProbe : public CWnd
{
protected:
    afx_msg void OnTimer(UINT nIDEvent) { Calls().AddFormat("base OnTimer %u", nIDEvent); }
    afx_msg void OnClose() { Calls().Add("base OnClose"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseProbe, CWnd)
    ON_WM_TIMER()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

class CDerivedProbe : public CBaseProbe
{
protected:
    afx_msg void OnClose() { Calls().Add("derived OnClose"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedProbe, CBaseProbe)
    ON_WM_CLOSE()
END_MESSAGE_MAP()

TEST_F(MessageMapRouting, DerivedMapOverridesAndInheritsBaseEntries)
{
    CDerivedProbe probe;
    CRect rect(0, 0, 20, 20);
    ASSERT_TRUE(probe.CreateEx(0, NULL, "probe", WS_CHILD, rect, CWnd::FromHandle(Host()), 503));
    Calls().Clear();
    ::SendMessageA(probe.m_hWnd, WM_CLOSE, 0, 0);
    ::SendMessageA(probe.m_hWnd, WM_TIMER, 9, 0);
    static const char* const expected[] = { "derived OnClose", "base OnTimer 9", NULL };
    EXPECT_CALLS(expected, "derived then base map");
    EXPECT_TRUE(::IsWindow(probe.m_hWnd)) << "WM_CLOSE was handled, not passed to DefWindowProc";
    probe.DestroyWindow();
}

// Exceptions thrown by handlers stop at the window procedure.
class CThrowingProbe : public CWnd
{
protected:
    afx_msg LRESULT OnThrowFramework(WPARAM, LPARAM) { AfxThrowNotSupportedException(); }
    afx_msg LRESULT OnThrowOther(WPARAM, LPARAM) { throw 42; }
    afx_msg int OnCreate(LPCREATESTRUCT) { if (m_bThrowInCreate) AfxThrowMemoryException(); return 0; }
    DECLARE_MESSAGE_MAP()
public:
    BOOL m_bThrowInCreate = FALSE;
};

BEGIN_MESSAGE_MAP(CThrowingProbe, CWnd)
    ON_MESSAGE(WM_APP + 1, OnThrowFramework)
    ON_MESSAGE(WM_APP + 2, OnThrowOther)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST_F(MessageMapRouting, ExceptionsNeverLeaveTheWindowProcedure)
{
    CThrowingProbe probe;
    CRect rect(0, 0, 20, 20);
    ASSERT_TRUE(probe.CreateEx(0, NULL, "probe", WS_CHILD, rect, CWnd::FromHandle(Host()), 504));
    const MSG before = *CWnd::GetCurrentMessage();
    EXPECT_EQ(0, ::SendMessageA(probe.m_hWnd, WM_APP + 1, 0, 0));
    EXPECT_EQ(0, ::SendMessageA(probe.m_hWnd, WM_APP + 2, 0, 0));
    EXPECT_EQ(before.message, CWnd::GetCurrentMessage()->message)
        << "the current message is restored after a handler threw";
    EXPECT_EQ(before.hwnd, CWnd::GetCurrentMessage()->hwnd);
    probe.DestroyWindow();

    // a throwing OnCreate fails the creation
    CThrowingProbe failing;
    failing.m_bThrowInCreate = TRUE;
    EXPECT_FALSE(failing.CreateEx(0, NULL, "probe", WS_CHILD, rect, CWnd::FromHandle(Host()), 505));
    EXPECT_EQ((HWND)NULL, failing.m_hWnd);
    EXPECT_EQ((HWND)NULL, ::GetDlgItem(Host(), 505));
}

} // namespace
