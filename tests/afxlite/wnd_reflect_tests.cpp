// Reflection: WM_NOTIFY, WM_COMMAND, WM_DRAWITEM and WM_CTLCOLOR* are offered
// to the child control first; what the child does not take goes to the
// parent's own handlers and then to its default procedure.

#include "wnd_fixture.h"

using namespace wndtest;

namespace {

const int IDC_CHILD = 601;
const int IDC_PLAIN = 602;
const UINT NM_PROBE_UNHANDLED = NM_FIRST - 60;   // nobody reflects it

// The parent: a framework window that handles the notifications itself and
// reports what reaches its default procedure.
class CReflectParent : public CWnd
{
public:
    BOOL m_bLogColourDefaults = FALSE;   // painting asks for colours often

protected:
    afx_msg void OnClickNotify(NMHDR* pNMHDR, LRESULT* pResult)
    {
        Calls().AddFormat("parent ON_NOTIFY NM_CLICK from %s", WindowName(pNMHDR->hwndFrom).c_str());
        *pResult = 11;
    }
    afx_msg void OnDblClkNotify(NMHDR*, LRESULT* pResult)
    {
        Calls().Add("parent ON_NOTIFY NM_DBLCLK");
        *pResult = 12;
    }
    afx_msg BOOL OnRClickNotifyEx(UINT nID, NMHDR*, LRESULT* pResult)
    {
        Calls().AddFormat("parent ON_NOTIFY_EX NM_RCLICK id %u", nID);
        *pResult = 13;
        return TRUE;
    }
    afx_msg void OnChildClicked() { Calls().Add("parent ON_BN_CLICKED"); }
    afx_msg void OnChildSetFocus() { Calls().Add("parent ON_CONTROL BN_SETFOCUS"); }

    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        BOOL bColour = message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
        if (message == WM_NOTIFY || message == WM_COMMAND || message == WM_DRAWITEM ||
            (bColour && m_bLogColourDefaults))
        {
            Calls().AddFormat("parent default 0x%04x", message);
        }
        if (message == WM_CTLCOLORSTATIC)
            return (LRESULT)::GetStockObject(WHITE_BRUSH);
        return CWnd::DefWindowProc(message, wParam, lParam);
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectParent, CWnd)
    ON_NOTIFY(NM_CLICK, IDC_CHILD, OnClickNotify)
    ON_NOTIFY(NM_CLICK, IDC_PLAIN, OnClickNotify)
    ON_NOTIFY(NM_DBLCLK, IDC_CHILD, OnDblClkNotify)
    ON_NOTIFY_EX(NM_RCLICK, IDC_CHILD, OnRClickNotifyEx)
    ON_BN_CLICKED(IDC_CHILD, OnChildClicked)
    ON_CONTROL(BN_SETFOCUS, IDC_CHILD, OnChildSetFocus)
END_MESSAGE_MAP()

// The child: takes some notifications itself.
class CReflectChild : public CWnd
{
public:
    BOOL m_bTakeDblClk = FALSE;     // result of the _EX handler
    BOOL m_bTakeClicked = FALSE;
    HBRUSH m_hbrReflect = NULL;     // NULL: leave the colours to the parent
    BOOL m_bReflectClick = TRUE;

protected:
    afx_msg void OnClickReflect(NMHDR* pNMHDR, LRESULT* pResult)
    {
        Calls().AddFormat("child ON_NOTIFY_REFLECT NM_CLICK code %d", (int)pNMHDR->code);
        *pResult = 21;
    }
    afx_msg BOOL OnDblClkReflectEx(NMHDR*, LRESULT*)
    {
        Calls().AddFormat("child ON_NOTIFY_REFLECT_EX NM_DBLCLK returns %d", m_bTakeDblClk);
        return m_bTakeDblClk;
    }
    afx_msg BOOL OnClickedReflectEx()
    {
        Calls().AddFormat("child ON_CONTROL_REFLECT_EX BN_CLICKED returns %d", m_bTakeClicked);
        return m_bTakeClicked;
    }
    afx_msg void OnKillFocusReflect() { Calls().Add("child ON_CONTROL_REFLECT BN_KILLFOCUS"); }
    afx_msg void DrawItem(LPDRAWITEMSTRUCT lpDIS)
    {
        Calls().AddFormat("child DrawItem %u", lpDIS->itemID);
    }
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        Calls().AddFormat("child CtlColor %u %s", nCtlColor, pDC != NULL ? "dc" : "null");
        return m_hbrReflect;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectChild, CWnd)
    ON_NOTIFY_REFLECT(NM_CLICK, OnClickReflect)
    ON_NOTIFY_REFLECT_EX(NM_DBLCLK, OnDblClkReflectEx)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClickedReflectEx)
    ON_CONTROL_REFLECT(BN_KILLFOCUS, OnKillFocusReflect)
    ON_WM_DRAWITEM_REFLECT()
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

// Takes BN_CLICKED and nothing else.
class CClickChild : public CWnd
{
protected:
    afx_msg BOOL OnClickedReflectEx()
    {
        Calls().Add("button ON_CONTROL_REFLECT_EX BN_CLICKED");
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClickChild, CWnd)
    ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClickedReflectEx)
END_MESSAGE_MAP()

// An owner-draw button object: CButton draws through DrawItem.
class CDrawnButton : public CButton
{
public:
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS) { Calls().AddFormat("button DrawItem %u", lpDIS->itemID); }
};

class Reflection : public WndTest
{
protected:
    void SetUp() override
    {
        WndTest::SetUp();
        CRect rect(0, 0, 300, 200);
        ASSERT_TRUE(m_parent.CreateEx(0, NULL, "parent", WS_CHILD | WS_VISIBLE, rect,
                                      CWnd::FromHandle(Host()), 600));
        NameWindow(m_parent.m_hWnd, "parent");
        CRect rectChild(10, 10, 60, 30);
        ASSERT_TRUE(m_child.CreateEx(0, NULL, "child", WS_CHILD | WS_VISIBLE, rectChild,
                                     &m_parent, IDC_CHILD));
        NameWindow(m_child.m_hWnd, "child");
        m_hPlain = CreatePlainChild("STATIC", "plain", IDC_PLAIN, WS_CHILD | WS_VISIBLE, m_parent.m_hWnd);
        Calls().Clear();
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
        WndTest::TearDown();
    }

    LRESULT Notify(HWND hWndFrom, UINT nCode)
    {
        NMHDR hdr;
        hdr.hwndFrom = hWndFrom;
        hdr.idFrom = (UINT_PTR)::GetDlgCtrlID(hWndFrom);
        hdr.code = nCode;
        return ::SendMessageA(m_parent.m_hWnd, WM_NOTIFY, hdr.idFrom, (LPARAM)&hdr);
    }
    LRESULT Command(HWND hWndFrom, UINT nCode)
    {
        return ::SendMessageA(m_parent.m_hWnd, WM_COMMAND,
                              MAKEWPARAM(::GetDlgCtrlID(hWndFrom), nCode), (LPARAM)hWndFrom);
    }

    CReflectParent m_parent;
    CReflectChild m_child;
    HWND m_hPlain = NULL;
};

TEST_F(Reflection, NotifyTakenByTheChildNeverReachesTheParent)
{
    EXPECT_EQ(21, Notify(m_child.m_hWnd, NM_CLICK));
    static const char* const expected[] = { "child ON_NOTIFY_REFLECT NM_CLICK code -2", NULL };
    EXPECT_CALLS(expected, "reflected NM_CLICK");
}

TEST_F(Reflection, NotifyReflectExDecidesWhetherTheParentSeesIt)
{
    m_child.m_bTakeDblClk = FALSE;
    EXPECT_EQ(12, Notify(m_child.m_hWnd, NM_DBLCLK));
    static const char* const passedOn[] = {
        "child ON_NOTIFY_REFLECT_EX NM_DBLCLK returns 0",
        "parent ON_NOTIFY NM_DBLCLK",
        NULL };
    EXPECT_CALLS(passedOn, "_EX handler returning FALSE");

    m_child.m_bTakeDblClk = TRUE;
    EXPECT_EQ(0, Notify(m_child.m_hWnd, NM_DBLCLK));
    static const char* const taken[] = { "child ON_NOTIFY_REFLECT_EX NM_DBLCLK returns 1", NULL };
    EXPECT_CALLS(taken, "_EX handler returning TRUE");
}

TEST_F(Reflection, NotifyTheChildDoesNotHandleFallsBackToTheParent)
{
    EXPECT_EQ(13, Notify(m_child.m_hWnd, NM_RCLICK));
    static const char* const ex[] = { "parent ON_NOTIFY_EX NM_RCLICK id 601", NULL };
    EXPECT_CALLS(ex, "parent's ON_NOTIFY_EX");

    // a window without an object: straight to the parent's map
    EXPECT_EQ(11, Notify(m_hPlain, NM_CLICK));
    static const char* const plain[] = { "parent ON_NOTIFY NM_CLICK from plain", NULL };
    EXPECT_CALLS(plain, "notification of a plain control");

    // handled by nobody: the parent's default procedure
    EXPECT_EQ(0, Notify(m_child.m_hWnd, NM_PROBE_UNHANDLED));
    static const char* const unhandled[] = { "parent default 0x004e", NULL };
    EXPECT_CALLS(unhandled, "unhandled notification");
}

TEST_F(Reflection, CommandNotificationsAreOfferedToTheChildFirst)
{
    // a handled command answers 1, the default procedure 0
    m_child.m_bTakeClicked = FALSE;
    EXPECT_EQ(1, Command(m_child.m_hWnd, BN_CLICKED));
    m_child.m_bTakeClicked = TRUE;
    EXPECT_EQ(1, Command(m_child.m_hWnd, BN_CLICKED));
    EXPECT_EQ(1, Command(m_child.m_hWnd, BN_KILLFOCUS));
    EXPECT_EQ(1, Command(m_child.m_hWnd, BN_SETFOCUS));
    EXPECT_EQ(0, Command(m_child.m_hWnd, BN_DOUBLECLICKED));
    static const char* const expected[] = {
        "child ON_CONTROL_REFLECT_EX BN_CLICKED returns 0",
        "parent ON_BN_CLICKED",
        "child ON_CONTROL_REFLECT_EX BN_CLICKED returns 1",
        "child ON_CONTROL_REFLECT BN_KILLFOCUS",
        "parent ON_CONTROL BN_SETFOCUS",
        "parent default 0x0111",
        NULL };
    EXPECT_CALLS(expected, "WM_COMMAND notifications");
}

TEST_F(Reflection, MenuCommandsGoToTheMapWithoutReflection)
{
    // a command without a control: routed by id with CN_COMMAND, which is
    // also what ON_BN_CLICKED maps
    ::SendMessageA(m_parent.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_CHILD, 0), 0);
    // id 0 is no command
    ::SendMessageA(m_parent.m_hWnd, WM_COMMAND, 0, 0);
    static const char* const expected[] = { "parent ON_BN_CLICKED", "parent default 0x0111", NULL };
    EXPECT_CALLS(expected, "menu commands");
}

TEST_F(Reflection, DrawItemIsReflectedOrFallsBackToTheParentDefault)
{
    DRAWITEMSTRUCT dis;
    ZeroMemory(&dis, sizeof(dis));
    dis.CtlType = ODT_STATIC;
    dis.CtlID = IDC_CHILD;
    dis.hwndItem = m_child.m_hWnd;
    dis.itemID = 3;
    EXPECT_EQ(TRUE, ::SendMessageA(m_parent.m_hWnd, WM_DRAWITEM, IDC_CHILD, (LPARAM)&dis));

    dis.hwndItem = m_hPlain;
    dis.CtlID = IDC_PLAIN;
    ::SendMessageA(m_parent.m_hWnd, WM_DRAWITEM, IDC_PLAIN, (LPARAM)&dis);

    // CButton's own reflection calls its virtual DrawItem
    CDrawnButton button;
    CRect rect(100, 10, 150, 30);
    ASSERT_TRUE(button.Create("drawn", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, rect, &m_parent, 603));
    dis.CtlType = ODT_BUTTON;
    dis.hwndItem = button.m_hWnd;
    dis.itemID = 4;
    ::SendMessageA(m_parent.m_hWnd, WM_DRAWITEM, 603, (LPARAM)&dis);

    static const char* const expected[] = {
        "child DrawItem 3",
        "parent default 0x002b",
        "button DrawItem 4",
        NULL };
    EXPECT_CALLS(expected, "WM_DRAWITEM");
}

TEST_F(Reflection, ControlColoursComeFromTheChildUnlessItReturnsNull)
{
    m_parent.m_bLogColourDefaults = TRUE;
    HDC hDC = ::GetDC(m_parent.m_hWnd);
    HBRUSH hbrChild = (HBRUSH)::GetStockObject(BLACK_BRUSH);

    m_child.m_hbrReflect = hbrChild;
    EXPECT_EQ((LRESULT)hbrChild,
              ::SendMessageA(m_parent.m_hWnd, WM_CTLCOLORSTATIC, (WPARAM)hDC, (LPARAM)m_child.m_hWnd));

    m_child.m_hbrReflect = NULL;
    EXPECT_EQ((LRESULT)::GetStockObject(WHITE_BRUSH),
              ::SendMessageA(m_parent.m_hWnd, WM_CTLCOLORSTATIC, (WPARAM)hDC, (LPARAM)m_child.m_hWnd));
    ::ReleaseDC(m_parent.m_hWnd, hDC);

    static const char* const expected[] = {
        "child CtlColor 6 dc",
        "child CtlColor 6 dc",
        "parent default 0x0138",
        NULL };
    EXPECT_CALLS(expected, "WM_CTLCOLORSTATIC");
}

TEST_F(Reflection, RealButtonClickReachesTheChildThroughItsParent)
{
    // a real BUTTON subclassed by an object reflecting BN_CLICKED
    HWND hButton = CreatePlainChild("BUTTON", "real", 604, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                    m_parent.m_hWnd);
    CClickChild button;
    ASSERT_TRUE(button.SubclassWindow(hButton));
    Calls().Clear();
    ::SendMessageA(hButton, BM_CLICK, 0, 0);
    static const char* const expected[] = { "button ON_CONTROL_REFLECT_EX BN_CLICKED", NULL };
    EXPECT_CALLS(expected, "BM_CLICK on a subclassed button");
    button.UnsubclassWindow();
}

} // namespace
