// Tooltips of windows with EnableToolTips: mouse messages passing through
// PreTranslateMessage register the tool OnToolHitTest reports with the
// thread's tooltip control, and its text request reaches the window.

#include "wnd_fixture.h"

using namespace wndtest;
using namespace testsupport;

namespace {

const int IDC_TIPPED = 950;

class CTippedWnd : public CWnd
{
public:
    BOOL m_bAlwaysTip = FALSE;
    int m_nHitTests = 0;

    virtual int OnToolHitTest(CPoint point, TOOLINFO* pTI) const
    {
        const_cast<CTippedWnd*>(this)->m_nHitTests++;
        int nHit = CWnd::OnToolHitTest(point, pTI);
        if (pTI != NULL && m_bAlwaysTip)
            pTI->uFlags |= TTF_ALWAYSTIP;
        return nHit;
    }

protected:
    afx_msg BOOL OnNeedText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
    {
        NMTTDISPINFOA* pInfo = (NMTTDISPINFOA*)pNMHDR;
        Calls().AddFormat("OnNeedText id %u tool %s flags %s", nID,
                          WindowName((HWND)pNMHDR->idFrom).c_str(),
                          (pInfo->uFlags & TTF_IDISHWND) ? "idishwnd" : "-");
        lstrcpynA(pInfo->szText, "tip text", sizeof(pInfo->szText));
        *pResult = 0;
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTippedWnd, CWnd)
    ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnNeedText)
END_MESSAGE_MAP()

class ToolTips : public WndTest
{
protected:
    void SetUp() override
    {
        WndTest::SetUp();
        CRect rect(0, 0, 300, 200);
        ASSERT_TRUE(m_wnd.CreateEx(0, NULL, "tipped", WS_CHILD | WS_VISIBLE, rect,
                                   CWnd::FromHandle(Host()), 949));
        m_hChild = CreatePlainChild("STATIC", "child", IDC_TIPPED, WS_CHILD | WS_VISIBLE, m_wnd.m_hWnd);
        ::MoveWindow(m_hChild, 20, 20, 60, 30, TRUE);
        m_wnd.EnableToolTips(TRUE);
    }
    void TearDown() override
    {
        m_wnd.DestroyWindow();
        WndTest::TearDown();
    }

    // A mouse move at client point (x, y) of the tipped window, through the
    // pre-translation a message loop does.
    void MoveTo(HWND hWndTarget, int x, int y)
    {
        POINT pt = { x, y };
        ::ClientToScreen(m_wnd.m_hWnd, &pt);
        POINT ptTarget = pt;
        ::ScreenToClient(hWndTarget, &ptTarget);
        MSG msg;
        ZeroMemory(&msg, sizeof(msg));
        msg.hwnd = hWndTarget;
        msg.message = WM_MOUSEMOVE;
        msg.lParam = MAKELPARAM(ptTarget.x, ptTarget.y);
        msg.pt = pt;
        msg.time = ::GetTickCount();
        CWnd::WalkPreTranslateTree(NULL, &msg);
    }

    int ToolCount()
    {
        CToolTipCtrl* pTip = AfxGetThreadState()->m_pToolTip;
        return pTip != NULL && ::IsWindow(pTip->m_hWnd) ? pTip->GetToolCount() : -1;
    }

    CTippedWnd m_wnd;
    HWND m_hChild = NULL;
};

TEST_F(ToolTips, TheToolUnderTheMouseIsRegisteredAndForgotten)
{
    MoveTo(m_hChild, 30, 30);
    CToolTipCtrl* pTip = AfxGetThreadState()->m_pToolTip;
    ASSERT_NE((CToolTipCtrl*)NULL, pTip);
    EXPECT_EQ(Host(), ::GetWindow(pTip->m_hWnd, GW_OWNER)) << "the top-level window owns the tip";
    EXPECT_EQ(1, ToolCount());
    EXPECT_EQ(1, m_wnd.m_nHitTests);
    TOOLINFO ti;
    ZeroMemory(&ti, sizeof(ti));
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ASSERT_TRUE(pTip->SendMessage(TTM_ENUMTOOLS, 0, (LPARAM)&ti));
    EXPECT_EQ(m_wnd.m_hWnd, ti.hwnd);
    EXPECT_EQ((UINT_PTR)m_hChild, ti.uId);
    EXPECT_TRUE(ti.uFlags & TTF_IDISHWND);
    EXPECT_FALSE(ti.uFlags & TTF_NOTBUTTON) << "the framework's own flags stay out of the control";

    // moving within the same tool adds nothing
    MoveTo(m_hChild, 35, 32);
    EXPECT_EQ(1, ToolCount());

    // off the child: the tool goes
    MoveTo(m_wnd.m_hWnd, 200, 150);
    EXPECT_EQ(0, ToolCount());

    // a window without tooltips enabled takes no part
    m_wnd.EnableToolTips(FALSE);
    MoveTo(m_hChild, 30, 30);
    EXPECT_EQ(0, ToolCount());
}

TEST_F(ToolTips, TheTextRequestReachesTheWindowOfTheTool)
{
    m_wnd.m_bAlwaysTip = TRUE;
    MoveTo(m_hChild, 30, 30);
    CToolTipCtrl* pTip = AfxGetThreadState()->m_pToolTip;
    ASSERT_NE((CToolTipCtrl*)NULL, pTip);
    Calls().Clear();

    // the tip asks for the text of its current tool
    CString strText;
    pTip->GetText(strText, CWnd::FromHandle(m_hChild));
    EXPECT_STREQ("tip text", strText);
    static const char* const expected[] = { "OnNeedText id 0 tool child flags idishwnd", NULL };
    EXPECT_CALLS(expected, "TTN_NEEDTEXTA");
}

TEST_F(ToolTips, DestroyingTheWindowRemovesItsTool)
{
    MoveTo(m_hChild, 30, 30);
    EXPECT_EQ(1, ToolCount());
    m_wnd.DestroyWindow();
    EXPECT_EQ((HWND)NULL, AfxGetThreadState()->m_hWndLastHit);
    EXPECT_EQ(0, ToolCount());
}

} // namespace
