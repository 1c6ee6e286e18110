// Window objects: creation through PreCreateWindow and the creation hook,
// failed creation, destruction, subclassing and its undoing, the handle
// maps, the current message across nested sends, and painting.

#include "wnd_fixture.h"
#include "PixelHelpers.h"
#include "Wow64Limits.h"

#include <thread>

using namespace wndtest;
using namespace testsupport;

namespace {

/////////////////////////////////////////////////////////////////////////////
// Creation

class CCreateProbe : public CWnd
{
public:
    int m_nCreateResult = 0;
    BOOL m_bPreCreateResult = TRUE;
    CREATESTRUCT m_csSeen;
    int m_nPostNcDestroy = 0;
    std::vector<UINT> m_firstMessages;  // the first few messages the object got
    BOOL m_bAttachedAtFirstMessage = FALSE;

    CCreateProbe() { ZeroMemory(&m_csSeen, sizeof(m_csSeen)); }

protected:
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs)
    {
        m_csSeen = cs;
        Calls().AddFormat("PreCreateWindow %s", cs.lpszName);
        cs.style |= WS_BORDER;
        return m_bPreCreateResult && CWnd::PreCreateWindow(cs);
    }
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (m_firstMessages.empty())
            m_bAttachedAtFirstMessage = CWnd::FromHandlePermanent(m_hWnd) == this;
        if (m_firstMessages.size() < 4)
            m_firstMessages.push_back(message);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        Calls().AddFormat("OnCreate %s attached %d", lpcs->lpszName,
                          CWnd::FromHandlePermanent(m_hWnd) == this);
        if (CWnd::OnCreate(lpcs) == -1)
            return -1;
        return m_nCreateResult;
    }
    afx_msg void OnDestroy()
    {
        Calls().Add("OnDestroy");
        CWnd::OnDestroy();
    }
    afx_msg void OnNcDestroy()
    {
        Calls().Add("OnNcDestroy");
        CWnd::OnNcDestroy();
    }
    virtual void PostNcDestroy()
    {
        Calls().AddFormat("PostNcDestroy detached %d", m_hWnd == NULL);
        m_nPostNcDestroy++;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCreateProbe, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

typedef WndTest WindowCreation;

TEST_F(WindowCreation, CreateRunsPreCreateWindowThenOnCreateOnTheAttachedObject)
{
    CCreateProbe probe;
    CRect rect(5, 6, 105, 56);
    ASSERT_TRUE(probe.Create(NULL, "child", 0, rect, CWnd::FromHandle(Host()), 701));

    static const char* const expected[] = {
        "PreCreateWindow child",
        "OnCreate child attached 1",
        NULL };
    EXPECT_CALLS(expected, "Create");

    // what PreCreateWindow saw: the arguments, WS_CHILD added, the
    // executable's instance
    EXPECT_EQ(5, probe.m_csSeen.x);
    EXPECT_EQ(6, probe.m_csSeen.y);
    EXPECT_EQ(100, probe.m_csSeen.cx);
    EXPECT_EQ(50, probe.m_csSeen.cy);
    EXPECT_EQ(Host(), probe.m_csSeen.hwndParent);
    EXPECT_EQ((HMENU)701, probe.m_csSeen.hMenu);
    EXPECT_TRUE(probe.m_csSeen.style & WS_CHILD);
    EXPECT_EQ(::GetModuleHandleA(NULL), probe.m_csSeen.hInstance);

    // the window: its changes from PreCreateWindow, the default class
    EXPECT_TRUE(probe.GetStyle() & WS_BORDER);
    EXPECT_EQ(701, probe.GetDlgCtrlID());
    char szClass[32];
    ::GetClassNameA(probe.m_hWnd, szClass, sizeof(szClass));
    EXPECT_STREQ(AFX_WND, szClass);
    EXPECT_EQ(&probe, CWnd::FromHandlePermanent(probe.m_hWnd));
    EXPECT_EQ((LONG_PTR)AfxWndProc, ::GetWindowLongPtr(probe.m_hWnd, GWLP_WNDPROC));

    // the object had the window before its very first message
    ASSERT_FALSE(probe.m_firstMessages.empty());
    EXPECT_EQ((UINT)WM_NCCREATE, probe.m_firstMessages[0]);
    EXPECT_TRUE(probe.m_bAttachedAtFirstMessage);

    HWND hWnd = probe.m_hWnd;
    EXPECT_TRUE(probe.DestroyWindow());
    static const char* const destroyed[] = {
        "OnDestroy", "OnNcDestroy", "PostNcDestroy detached 1", NULL };
    EXPECT_CALLS(destroyed, "DestroyWindow");
    EXPECT_EQ((HWND)NULL, probe.m_hWnd);
    EXPECT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(hWnd));
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_FALSE(probe.DestroyWindow()) << "nothing left to destroy";
}

TEST_F(WindowCreation, CreateExTopLevelGetsItsFirstMessagesToo)
{
    CCreateProbe probe;
    ASSERT_TRUE(probe.CreateEx(WS_EX_TOOLWINDOW, AfxRegisterWndClass(0), "framed",
                               WS_OVERLAPPED | WS_THICKFRAME, 10, 10, 50, 40, Host(), NULL));
    ASSERT_FALSE(probe.m_firstMessages.empty());
    // a top-level window's size limits are asked for before WM_NCCREATE
    EXPECT_EQ((UINT)WM_GETMINMAXINFO, probe.m_firstMessages[0]);
    EXPECT_TRUE(probe.m_bAttachedAtFirstMessage);
    EXPECT_TRUE(probe.GetExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_EQ(Host(), ::GetWindow(probe.m_hWnd, GW_OWNER));
    probe.DestroyWindow();
}

struct FailureCase
{
    const char* name;
    const char* lpszClass;     // NULL: the default class
    BOOL bPreCreateResult;
    int nCreateResult;
    const char* const* expectedCalls;
};

// a window whose WM_CREATE fails gets WM_NCDESTROY but no WM_DESTROY
const char* const kOnCreateFails[] = {
    "PreCreateWindow failing", "OnCreate failing attached 1",
    "OnNcDestroy", "PostNcDestroy detached 1", NULL };
const char* const kPreCreateFails[] = {
    "PreCreateWindow failing", "PostNcDestroy detached 1", NULL };
const char* const kNoSuchClass[] = {
    "PreCreateWindow failing", "PostNcDestroy detached 1", NULL };

const FailureCase kFailureCases[] = {
    { "OnCreateReturnsMinusOne", NULL, TRUE, -1, kOnCreateFails },
    { "PreCreateWindowReturnsFalse", NULL, FALSE, 0, kPreCreateFails },
    { "ClassDoesNotExist", "WndTestNoSuchClass", TRUE, 0, kNoSuchClass },
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class FailedCreation : public WndTest, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(FailedCreation, ReturnsFalseLeavesNoWindowAndCleansUpOnce)
{
    const FailureCase& c = GetParam();
    int nPermanent = AfxLiteGetWndMapCount(TRUE);

    CCreateProbe probe;
    probe.m_bPreCreateResult = c.bPreCreateResult;
    probe.m_nCreateResult = c.nCreateResult;
    CRect rect(0, 0, 20, 20);
    EXPECT_FALSE(probe.Create(c.lpszClass, "failing", WS_VISIBLE, rect, CWnd::FromHandle(Host()), 702));
    EXPECT_CALLS(c.expectedCalls, c.name);
    EXPECT_EQ(1, probe.m_nPostNcDestroy);
    EXPECT_EQ((HWND)NULL, probe.m_hWnd);
    EXPECT_EQ((HWND)NULL, ::GetDlgItem(Host(), 702));
    EXPECT_EQ(nPermanent, AfxLiteGetWndMapCount(TRUE));

    // the hook is not left armed: the next window is nobody's
    HWND hPlain = CreatePlainChild("STATIC", "plain", 703);
    EXPECT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(hPlain));
    EXPECT_EQ((HWND)NULL, probe.m_hWnd);
}

INSTANTIATE_TEST_SUITE_P(Paths, FailedCreation, ::testing::ValuesIn(kFailureCases),
                         [](const ::testing::TestParamInfo<FailureCase>& info) {
                             return std::string(info.param.name);
                         });

// A window that creates a child of its own in OnCreate.
class CNestingProbe : public CWnd
{
public:
    CCreateProbe m_inner;
protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CWnd::OnCreate(lpcs) == -1)
            return -1;
        CRect rect(0, 0, 10, 10);
        return m_inner.Create(NULL, "inner", WS_VISIBLE, rect, this, 1) ? 0 : -1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNestingProbe, CWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()

TEST_F(WindowCreation, NestedCreationAttachesEachWindowToItsOwnObject)
{
    CNestingProbe outer;
    CRect rect(0, 0, 50, 50);
    ASSERT_TRUE(outer.Create(NULL, "outer", WS_VISIBLE, rect, CWnd::FromHandle(Host()), 704));
    EXPECT_EQ(&outer, CWnd::FromHandlePermanent(outer.m_hWnd));
    EXPECT_EQ(&outer.m_inner, CWnd::FromHandlePermanent(outer.m_inner.m_hWnd));
    EXPECT_EQ(outer.m_hWnd, ::GetParent(outer.m_inner.m_hWnd));
    EXPECT_EQ(&outer.m_inner, outer.GetDescendantWindow(1, TRUE));
    outer.DestroyWindow();
    EXPECT_EQ((HWND)NULL, outer.m_inner.m_hWnd) << "the child went with its parent";
}

// An object that deletes itself when its window is gone.
class CSelfDeleting : public CWnd
{
public:
    static int s_nDeleted;
    virtual ~CSelfDeleting() { s_nDeleted++; }
protected:
    virtual void PostNcDestroy() { delete this; }
};
int CSelfDeleting::s_nDeleted = 0;

TEST_F(WindowCreation, PostNcDestroyMayDeleteTheObject)
{
    CSelfDeleting::s_nDeleted = 0;
    CSelfDeleting* pWnd = new CSelfDeleting;
    CRect rect(0, 0, 10, 10);
    ASSERT_TRUE(pWnd->Create(NULL, "self", WS_VISIBLE, rect, CWnd::FromHandle(Host()), 705));
    HWND hWnd = pWnd->m_hWnd;
    ::DestroyWindow(hWnd);
    EXPECT_EQ(1, CSelfDeleting::s_nDeleted);
    EXPECT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(hWnd));
}

/////////////////////////////////////////////////////////////////////////////
// Subclassing and the handle maps

LRESULT CALLBACK ForeignSubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
WNDPROC g_pfnForeignPrevious = NULL;

LRESULT CALLBACK ForeignSubclassProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_APP + 50)
        return 5050;
    return ::CallWindowProcA(g_pfnForeignPrevious, hWnd, message, wParam, lParam);
}

LONG_PTR g_pfnAfterNcDestroy = 0;
HWND g_hWatched = NULL;

LRESULT CALLBACK WatchNcDestroy(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT* p = (const CWPRETSTRUCT*)lParam;
    if (code == HC_ACTION && p->hwnd == g_hWatched && p->message == WM_NCDESTROY)
        g_pfnAfterNcDestroy = ::GetWindowLongPtr(p->hwnd, GWLP_WNDPROC);
    return ::CallNextHookEx(NULL, code, wParam, lParam);
}

class CSubclassProbe : public CButton
{
public:
    int m_nPreSubclass = 0;
    WNDPROC m_pfnAtPreSubclass = NULL;
protected:
    virtual void PreSubclassWindow()
    {
        m_nPreSubclass++;
        m_pfnAtPreSubclass = (WNDPROC)::GetWindowLongPtr(m_hWnd, GWLP_WNDPROC);
        CButton::PreSubclassWindow();
    }
    afx_msg LRESULT OnProbe(WPARAM wParam, LPARAM) { return 100 + (LRESULT)wParam; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSubclassProbe, CButton)
    ON_MESSAGE(WM_APP + 51, OnProbe)
END_MESSAGE_MAP()

typedef WndTest Subclassing;

TEST_F(Subclassing, SubclassAndUnsubclassRestoreTheExactProcedure)
{
    HWND hButton = CreatePlainChild("BUTTON", "button", 710, WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX);
    // someone else subclassed it first
    g_pfnForeignPrevious = (WNDPROC)::SetWindowLongPtr(hButton, GWLP_WNDPROC, (LONG_PTR)ForeignSubclassProc);
    LONG_PTR pfnBefore = ::GetWindowLongPtr(hButton, GWLP_WNDPROC);
    ASSERT_EQ((LONG_PTR)ForeignSubclassProc, pfnBefore);

    CSubclassProbe probe;
    ASSERT_TRUE(probe.SubclassDlgItem(710, CWnd::FromHandle(Host())));
    EXPECT_EQ(1, probe.m_nPreSubclass);
    EXPECT_EQ((WNDPROC)pfnBefore, probe.m_pfnAtPreSubclass) << "PreSubclassWindow runs before the switch";
    EXPECT_EQ((LONG_PTR)AfxWndProc, ::GetWindowLongPtr(hButton, GWLP_WNDPROC));
    EXPECT_EQ(&probe, CWnd::FromHandlePermanent(hButton));

    // the map first, then the previous procedures in their order
    EXPECT_EQ(107, probe.SendMessage(WM_APP + 51, 7));
    EXPECT_EQ(5050, probe.SendMessage(WM_APP + 50));
    probe.SetCheck(BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, probe.GetCheck()) << "button messages reach the button";

    EXPECT_EQ(hButton, probe.UnsubclassWindow());
    EXPECT_EQ(pfnBefore, ::GetWindowLongPtr(hButton, GWLP_WNDPROC));
    EXPECT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(hButton));
    EXPECT_EQ((HWND)NULL, probe.m_hWnd);
    EXPECT_EQ(5050, ::SendMessageA(hButton, WM_APP + 50, 0, 0));
    EXPECT_EQ(BST_CHECKED, (int)::SendMessageA(hButton, BM_GETCHECK, 0, 0));
}

TEST_F(Subclassing, RefusedWhenTheWindowIsMissingOrAlreadyTaken)
{
    CSubclassProbe probe;
    EXPECT_FALSE(probe.SubclassDlgItem(799, CWnd::FromHandle(Host())));
    EXPECT_EQ(0, probe.m_nPreSubclass);
    EXPECT_EQ((HWND)NULL, probe.m_hWnd);

    HWND hButton = CreatePlainChild("BUTTON", "button", 711, WS_CHILD | WS_VISIBLE);
    ASSERT_TRUE(probe.SubclassWindow(hButton));
    // a second object may not take the same window...
    CSubclassProbe second;
    EXPECT_FALSE(second.SubclassWindow(hButton));
    EXPECT_EQ(&probe, CWnd::FromHandlePermanent(hButton));
    // ...nor may one object take a second window
    HWND hOther = CreatePlainChild("BUTTON", "other", 712, WS_CHILD | WS_VISIBLE);
    EXPECT_FALSE(probe.SubclassWindow(hOther));
    EXPECT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(hOther));
    EXPECT_EQ(hButton, probe.m_hWnd);
    probe.UnsubclassWindow();
}

TEST_F(Subclassing, DestroyingTheWindowDetachesAndRestoresTheClassProcedure)
{
    HWND hButton = CreatePlainChild("BUTTON", "button", 713, WS_CHILD | WS_VISIBLE);
    WNDPROC pfnClass = (WNDPROC)::GetWindowLongPtr(hButton, GWLP_WNDPROC);
    CSubclassProbe probe;
    ASSERT_TRUE(probe.SubclassWindow(hButton));

    // watch the procedure at WM_NCDESTROY's end from a hook on the thread
    g_pfnAfterNcDestroy = 0;
    g_hWatched = hButton;
    HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, WatchNcDestroy, NULL, ::GetCurrentThreadId());
    ASSERT_NE((HHOOK)NULL, hHook);
    ::DestroyWindow(hButton);
    ::UnhookWindowsHookEx(hHook);

    EXPECT_EQ((HWND)NULL, probe.m_hWnd);
    EXPECT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(hButton));
    EXPECT_EQ((LONG_PTR)pfnClass, g_pfnAfterNcDestroy) << "the window left with its own procedure";
}

typedef WndTest HandleMaps;

TEST_F(HandleMaps, ForeignWindowsGetTemporariesThatGoWithTheTempMaps)
{
    HWND hPlain = CreatePlainChild("STATIC", "plain", 720);
    CWnd::DeleteTempMap();
    int nTemporaries = AfxLiteGetWndMapCount(FALSE);
    ASSERT_EQ(0, nTemporaries);

    EXPECT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(hPlain));
    EXPECT_EQ((CWnd*)NULL, CWnd::FromHandle(NULL));

    AfxLockTempMaps();
    CWnd* pTemp = CWnd::FromHandle(hPlain);
    ASSERT_NE((CWnd*)NULL, pTemp);
    EXPECT_EQ(hPlain, pTemp->m_hWnd);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hPlain)) << "one temporary per window";
    EXPECT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(hPlain));
    EXPECT_EQ(1, AfxLiteGetWndMapCount(FALSE));

    // a nested lock keeps it; the outermost unlock removes it
    AfxLockTempMaps();
    EXPECT_TRUE(AfxUnlockTempMaps());
    EXPECT_EQ(1, AfxLiteGetWndMapCount(FALSE));
    EXPECT_FALSE(AfxUnlockTempMaps());
    EXPECT_EQ(0, AfxLiteGetWndMapCount(FALSE));
    EXPECT_TRUE(::IsWindow(hPlain)) << "a temporary never destroys its window";

    // an attached object is found instead of a temporary
    CWnd wnd;
    ASSERT_TRUE(wnd.Attach(hPlain));
    EXPECT_EQ(&wnd, CWnd::FromHandle(hPlain));
    EXPECT_EQ(0, AfxLiteGetWndMapCount(FALSE));
    EXPECT_EQ(hPlain, wnd.Detach());
    EXPECT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(hPlain));
    EXPECT_FALSE(wnd.Attach(NULL));
}

TEST_F(HandleMaps, TemporariesOfTheCallerSurviveMessagesToFrameworkWindows)
{
    // a temporary taken outside any handler stays valid while messages are
    // dispatched to framework windows (it goes at idle time or explicitly)
    HWND hPlain = CreatePlainChild("STATIC", "plain", 721);
    CWnd* pTemp = CWnd::FromHandle(hPlain);
    int nTemporaries = AfxLiteGetWndMapCount(FALSE);

    CCreateProbe probe;
    CRect rect(0, 0, 10, 10);
    ASSERT_TRUE(probe.Create(NULL, "probe", WS_VISIBLE, rect, pTemp, 722));
    probe.SendMessage(WM_SETTEXT, 0, (LPARAM)"x");
    probe.DestroyWindow();

    EXPECT_EQ(nTemporaries, AfxLiteGetWndMapCount(FALSE));
    EXPECT_EQ(pTemp, CWnd::FromHandle(hPlain));
    EXPECT_EQ(hPlain, pTemp->m_hWnd);
}

// An object attached on one thread and detached (or attached anew) on
// another leaves the first thread's map all the same.
TEST_F(HandleMaps, ObjectsLeaveTheMapOfTheThreadThatAttachedThem)
{
    HWND hPlain = CreatePlainChild("STATIC", "plain", 723);
    CWnd wnd;
    ASSERT_TRUE(wnd.Attach(hPlain));
    CPen pen;
    ASSERT_TRUE(pen.CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
    HGDIOBJ hPen = pen.m_hObject;
    CBrush brush;
    ASSERT_TRUE(brush.CreateSolidBrush(RGB(4, 5, 6)));
    HGDIOBJ hFirstBrush = brush.m_hObject;
    HBRUSH hSecondBrush = ::CreateSolidBrush(RGB(7, 8, 9));
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR, 1, 1));
    HIMAGELIST hImages = images.m_hImageList;

    std::thread([&] {
        wnd.Detach();
        pen.Detach();
        images.Detach();
        brush.Attach(hSecondBrush);
    }).join();

    EXPECT_EQ((CWnd*)NULL, CWnd::FromHandlePermanent(hPlain));
    EXPECT_NE(&pen, CGdiObject::FromHandle(hPen));
    EXPECT_EQ((CImageList*)NULL, CImageList::FromHandlePermanent(hImages));
    EXPECT_NE(&brush, CGdiObject::FromHandle(hFirstBrush));
    EXPECT_EQ((HGDIOBJ)hSecondBrush, brush.m_hObject);
    ::DeleteObject(hPen);
    ::DeleteObject(hFirstBrush);
    ImageList_Destroy(hImages);
}

TEST_F(HandleMaps, DestroyWindowThroughATemporaryLetsGoOfTheHandle)
{
    HWND hPlain = CreatePlainChild("STATIC", "plain", 724);
    AfxLockTempMaps();
    CWnd* pTemp = CWnd::FromHandle(hPlain);
    EXPECT_TRUE(pTemp->DestroyWindow());
    EXPECT_EQ((HWND)NULL, pTemp->m_hWnd);
    EXPECT_FALSE(::IsWindow(hPlain));
    EXPECT_NE(pTemp, CWnd::FromHandle(hPlain)) << "the handle value no longer finds it";
    AfxUnlockTempMaps();
}

/////////////////////////////////////////////////////////////////////////////
// The current message

const UINT WM_OUTER = WM_APP + 60;
const UINT WM_INNER = WM_APP + 61;

class CNestingSender : public CWnd
{
public:
    HWND m_hInner = NULL;
protected:
    void Report(const char* lpszWhere)
    {
        const MSG* pMsg = CWnd::GetCurrentMessage();
        Calls().AddFormat("%s: %s 0x%04x %u %ld", lpszWhere, WindowName(pMsg->hwnd).c_str(),
                          pMsg->message, (UINT)pMsg->wParam, (long)pMsg->lParam);
    }
    afx_msg LRESULT OnOuter(WPARAM, LPARAM)
    {
        Report("outer before");
        ::SendMessageA(m_hInner, WM_INNER, 2, 20);
        Report("outer after");
        return 0;
    }
    afx_msg LRESULT OnInner(WPARAM, LPARAM)
    {
        Report("inner");
        const MSG* pMsg = CWnd::GetCurrentMessage();
        DWORD dwPos = ::GetMessagePos();
        if (pMsg->time != (DWORD)::GetMessageTime() ||
            pMsg->pt.x != (short)LOWORD(dwPos) || pMsg->pt.y != (short)HIWORD(dwPos))
        {
            Calls().Add("inner: time or point differ");
        }
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNestingSender, CWnd)
    ON_MESSAGE(WM_OUTER, OnOuter)
    ON_MESSAGE(WM_INNER, OnInner)
END_MESSAGE_MAP()

typedef WndTest CurrentMessage;

TEST_F(CurrentMessage, NestedSendsSaveAndRestoreTheRecord)
{
    CNestingSender outer;
    CNestingSender inner;
    CRect rect(0, 0, 10, 10);
    ASSERT_TRUE(outer.Create(NULL, "outer", 0, rect, CWnd::FromHandle(Host()), 730));
    ASSERT_TRUE(inner.Create(NULL, "inner", 0, rect, CWnd::FromHandle(Host()), 731));
    NameWindow(outer.m_hWnd, "outer");
    NameWindow(inner.m_hWnd, "inner");
    outer.m_hInner = inner.m_hWnd;
    const MSG before = *CWnd::GetCurrentMessage();
    Calls().Clear();

    ::SendMessageA(outer.m_hWnd, WM_OUTER, 1, 10);
    static const char* const expected[] = {
        "outer before: outer 0x803c 1 10",
        "inner: inner 0x803d 2 20",
        "outer after: outer 0x803c 1 10",
        NULL };
    EXPECT_CALLS(expected, "nested sends");

    const MSG* pAfter = CWnd::GetCurrentMessage();
    EXPECT_EQ(before.hwnd, pAfter->hwnd);
    EXPECT_EQ(before.message, pAfter->message);
    EXPECT_EQ(before.wParam, pAfter->wParam);
    EXPECT_EQ(before.lParam, pAfter->lParam);

    // a posted message is current while it is dispatched, too
    ::PostMessageA(inner.m_hWnd, WM_INNER, 3, 30);
    Pump();
    static const char* const posted[] = { "inner: inner 0x803d 3 30", NULL };
    EXPECT_CALLS(posted, "posted message");

    outer.DestroyWindow();
    inner.DestroyWindow();
}

/////////////////////////////////////////////////////////////////////////////
// Wrappers with rules of their own

typedef WndTest WindowWrappers;

TEST_F(WindowWrappers, OwnerParentAndTopLevelFollowTheFrameworkRules)
{
    CWnd parent;
    CRect rect(0, 0, 100, 100);
    ASSERT_TRUE(parent.Create(NULL, "parent", WS_VISIBLE, rect, CWnd::FromHandle(Host()), 740));
    CWnd child;
    ASSERT_TRUE(child.Create(NULL, "child", WS_VISIBLE, rect, &parent, 741));
    NameWindow(parent.m_hWnd, "parent");
    NameWindow(child.m_hWnd, "child");

    // without an owner of its own the owner is the parent
    EXPECT_EQ("parent", WindowName(child.GetOwner()));
    HWND hOther = CreatePlainChild("STATIC", "other", 742);
    child.SetOwner(CWnd::FromHandle(hOther));
    EXPECT_EQ("other", WindowName(child.GetOwner()));
    EXPECT_EQ("parent", WindowName(child.GetParent())) << "the owner is not the parent";
    child.SetOwner(NULL);
    EXPECT_EQ("parent", WindowName(child.GetOwner()));

    EXPECT_EQ("host", WindowName(child.GetParentOwner()));
    EXPECT_EQ("host", WindowName(child.GetTopLevelParent()));

    // a popup owned by the child reaches the host through its owner
    CWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, AfxRegisterWndClass(0), "popup", WS_POPUP, 0, 0, 10, 10,
                               child.m_hWnd, NULL));
    EXPECT_EQ(popup.m_hWnd, popup.GetParentOwner()->m_hWnd) << "a popup is its own parent owner";
    EXPECT_EQ("host", WindowName(popup.GetTopLevelParent()));
    popup.DestroyWindow();

    // style changes report whether anything changed
    EXPECT_TRUE(child.ModifyStyle(0, WS_BORDER, SWP_FRAMECHANGED));
    EXPECT_FALSE(child.ModifyStyle(0, WS_BORDER));
    EXPECT_TRUE(child.GetStyle() & WS_BORDER);
    EXPECT_TRUE(child.ModifyStyleEx(0, WS_EX_CLIENTEDGE));
    EXPECT_TRUE(child.GetExStyle() & WS_EX_CLIENTEDGE);

    child.SetWindowText("caption");
    CString strText;
    child.GetWindowText(strText);
    EXPECT_STREQ("caption", strText);
    EXPECT_EQ(7, child.GetWindowTextLength());
    parent.SetDlgItemInt(741, 4321);
    EXPECT_EQ(4321u, parent.GetDlgItemInt(741));
    CString strItem;
    EXPECT_EQ(4, parent.GetDlgItemText(741, strItem));
    EXPECT_STREQ("4321", strItem);
    EXPECT_EQ(&child, parent.GetDlgItem(741));

    parent.DestroyWindow();
}

TEST_F(WindowWrappers, SendMessageToDescendantsReachesEveryLevelOrOnlyObjects)
{
    class CCounting : public CWnd
    {
    public:
        int m_nGot = 0;
        virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
        {
            if (message == WM_APP + 70)
                m_nGot++;
            return CWnd::WindowProc(message, wParam, lParam);
        }
    };
    CCounting top, middle, leaf;
    CRect rect(0, 0, 50, 50);
    ASSERT_TRUE(top.Create(NULL, "top", WS_VISIBLE, rect, CWnd::FromHandle(Host()), 750));
    ASSERT_TRUE(middle.Create(NULL, "middle", WS_VISIBLE, rect, &top, 751));
    ASSERT_TRUE(leaf.Create(NULL, "leaf", WS_VISIBLE, rect, &middle, 752));

    top.SendMessageToDescendants(WM_APP + 70, 0, 0, FALSE);
    EXPECT_EQ(0, top.m_nGot);
    EXPECT_EQ(1, middle.m_nGot);
    EXPECT_EQ(0, leaf.m_nGot);
    top.SendMessageToDescendants(WM_APP + 70, 0, 0, TRUE, TRUE);
    EXPECT_EQ(2, middle.m_nGot);
    EXPECT_EQ(1, leaf.m_nGot);
    top.DestroyWindow();
}

TEST_F(WindowWrappers, CenterWindowCentresOverTheParentAndStaysInside)
{
    CWnd parent;
    CRect rect(0, 0, 200, 100);
    ASSERT_TRUE(parent.Create(NULL, "parent", WS_VISIBLE, rect, CWnd::FromHandle(Host()), 760));
    CWnd child;
    CRect rectChild(0, 0, 40, 20);
    ASSERT_TRUE(child.Create(NULL, "child", WS_VISIBLE, rectChild, &parent, 761));
    child.CenterWindow();
    CRect placed;
    child.GetWindowRect(&placed);
    parent.ScreenToClient(&placed);
    EXPECT_EQ(CRect(80, 40, 120, 60), placed);

    // larger than the parent: kept at the parent's top left
    child.MoveWindow(0, 0, 300, 150);
    child.CenterWindow();
    child.GetWindowRect(&placed);
    parent.ScreenToClient(&placed);
    EXPECT_EQ(0, placed.left);
    EXPECT_EQ(0, placed.top);
    parent.DestroyWindow();
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// Painting through the message map

namespace {

const COLORREF kBackground = RGB(255, 255, 255);
const COLORREF kFill = RGB(200, 0, 0);
const COLORREF kStaticBack = RGB(0, 0, 160);

class CPaintedWnd : public CWnd
{
public:
    int m_nPaints = 0;
protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC)
    {
        CRect rect;
        GetClientRect(&rect);
        pDC->FillSolidRect(&rect, kBackground);
        return TRUE;
    }
    afx_msg void OnPaint()
    {
        m_nPaints++;
        CPaintDC dc(this);
        dc.FillSolidRect(10, 10, 20, 10, kFill);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintedWnd, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()

// A static control that picks its own background through reflection.
class CColouredStatic : public CStatic
{
public:
    CColouredStatic() : m_brush(kStaticBack) { }
protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT)
    {
        pDC->SetBkColor(kStaticBack);
        return (HBRUSH)m_brush.GetSafeHandle();
    }
    CBrush m_brush;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColouredStatic, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

} // namespace

typedef WndTest Painting;

TEST_F(Painting, PaintHandlersDrawWhereTheGeometrySays)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    CPaintedWnd wnd;
    CRect rect(0, 0, 60, 40);
    ASSERT_TRUE(wnd.Create(NULL, "painted", WS_VISIBLE, rect, CWnd::FromHandle(Host()), 770));
    wnd.Invalidate();
    wnd.UpdateWindow();
    EXPECT_EQ(1, wnd.m_nPaints);
    RECT rcUpdate;
    EXPECT_FALSE(wnd.GetUpdateRect(&rcUpdate)) << "CPaintDC validated the window";

    ClientPixels pixels(wnd.m_hWnd);
    ASSERT_TRUE(pixels.Valid());
    EXPECT_RECT_COLOUR(pixels, CRect(10, 10, 30, 20), kFill);
    EXPECT_ROW(pixels, 9, 0, 60, kBackground);
    EXPECT_ROW(pixels, 20, 0, 60, kBackground);
    EXPECT_COLUMN(pixels, 9, 0, 40, kBackground);
    EXPECT_COLUMN(pixels, 30, 0, 40, kBackground);
    wnd.DestroyWindow();
}

TEST_F(Painting, ControlPaintsWithTheBrushItReflectedToItself)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    CWnd parent;
    CRect rect(0, 0, 100, 60);
    ASSERT_TRUE(parent.Create(NULL, "parent", WS_VISIBLE, rect, CWnd::FromHandle(Host()), 771));
    CColouredStatic label;
    CRect rectLabel(10, 10, 90, 40);
    ASSERT_TRUE(label.Create("", WS_CHILD | WS_VISIBLE, rectLabel, &parent, 772));
    label.Invalidate();
    label.UpdateWindow();

    ClientPixels pixels(label.m_hWnd);
    ASSERT_TRUE(pixels.Valid());
    EXPECT_RECT_COLOUR(pixels, CRect(0, 0, 80, 30), kStaticBack);
    parent.DestroyWindow();
}
