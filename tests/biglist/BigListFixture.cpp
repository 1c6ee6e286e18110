// BigListFixture.cpp - the shared fixture and the test control's message map.
#include "BigListFixture.h"

BEGIN_MESSAGE_MAP(CTestBigList, CBigListCtrl)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

void BigListFixture::SetUp()
{
    HostWindowTest::SetUp();
    INITCOMMONCONTROLSEX icc = { sizeof(icc), ICC_LISTVIEW_CLASSES };
    ::InitCommonControlsEx(&icc);
    // A framework window as the list's parent: it reflects the list view's
    // notifications back to the control.
    ASSERT_TRUE(m_panel.CreateEx(0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW),
                                                        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)),
                                 "panel", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                                 CRect(0, 0, kListWidth + 40, kListHeight + 40),
                                 CWnd::FromHandle(Host()), 0x5100));
    testsupport::Recorder().SetFilter("list", &BigListFixture::StoreMessagesOnly);
}

void BigListFixture::TearDown()
{
    if (m_pList && m_pList->GetSafeHwnd() != NULL)
        m_pList->DestroyWindow();
    m_pList.reset();
    if (m_panel.GetSafeHwnd() != NULL)
        m_panel.DestroyWindow();
    testsupport::Recorder().SetFilter("list", testsupport::MessageRecorder::Filter());
    HostWindowTest::TearDown();
}

CTestBigList& BigListFixture::CreateList(int nCapacity, int nGrowBy)
{
    m_pList.reset(new CTestBigList(nCapacity, nGrowBy));
    // The window rectangle is sized so that the client area is exactly
    // kListWidth x kListHeight with the thin border.
    CRect rc(10, 10, 10 + kListWidth + 2, 10 + kListHeight + 2);
    const BOOL bCreated = m_pList->Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SHOWSELALWAYS,
                                          rc, &m_panel, kListId);
    EXPECT_TRUE(bCreated);
    if (bCreated)
    {
        m_pList->InsertColumn(0, "Key", LVCFMT_LEFT, 80);
        m_pList->InsertColumn(1, "Name", LVCFMT_LEFT, 100);
        m_pList->InsertColumn(2, "Value", LVCFMT_LEFT, 80);
        testsupport::RecordControl(m_pList->GetSafeHwnd(), "list");
    }
    testsupport::Pump();
    testsupport::Recorder().Flush();
    return *m_pList;
}

int BigListFixture::ViewItemCount() const
{
    return static_cast<int>(::SendMessageA(ListHwnd(), LVM_GETITEMCOUNT, 0, 0));
}

int BigListFixture::CountPerPage() const
{
    return static_cast<int>(::SendMessageA(ListHwnd(), LVM_GETCOUNTPERPAGE, 0, 0));
}

void BigListFixture::PaintList()
{
    // A list view that is hidden or covered gets no paint and gives no cache
    // hint; say so rather than fail later on a range that never came. The
    // host is first brought back in front (under a freshly booted 32-bit
    // prefix the desktop was once found at the list's centre for a whole
    // suite, the host still listed as visible).
    if (!testsupport::CoveredBy(ListHwnd()).empty())
        testsupport::TestHostWindow::Raise();
    EXPECT_EQ("", testsupport::CoveredBy(ListHwnd())) << "the list view cannot paint";
    ::RedrawWindow(ListHwnd(), NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    testsupport::Pump();
}

bool BigListFixture::StoreMessagesOnly(HWND, UINT message, WPARAM, LPARAM)
{
    return message == LVM_REDRAWITEMS || message == LVM_SETITEMCOUNT ||
           (message >= BLM_INSERTITEM && message <= BLM_FINDITEMS) || message == WM_CLOSE ||
           message == WM_DESTROY || message == WM_NCDESTROY;
}

// Runs job on a thread of its own while this thread dispatches whatever
// arrives; false when the job did not end within 30 s (a hang).
bool RunWhilePumping(const std::function<void()>& job)
{
    struct Start
    {
        static DWORD WINAPI Thread(void* p)
        {
            (*static_cast<std::function<void()>*>(p))();
            return 0;
        }
    };
    std::function<void()> copy = job;
    HANDLE hThread = ::CreateThread(NULL, 0, &Start::Thread, &copy, 0, NULL);
    const DWORD start = ::GetTickCount();
    DWORD dwWait;
    while ((dwWait = ::MsgWaitForMultipleObjects(1, &hThread, FALSE, 1000, QS_ALLINPUT)) != WAIT_OBJECT_0 &&
           ::GetTickCount() - start < 30000)
        testsupport::Pump();
    if (dwWait != WAIT_OBJECT_0)
        ::WaitForSingleObject(hThread, INFINITE);
    ::CloseHandle(hThread);
    return dwWait == WAIT_OBJECT_0;
}
