// The window layer in a program with an application object: the object is
// found from everywhere, its names come from the executable, its message
// loop pre-translates messages, cleans temporaries at idle time and ends
// when the main window goes.

#include <afxwin.h>

#include <gtest/gtest.h>

namespace {

const UINT WM_END_MAIN = WM_APP + 1;

class CTestApp : public CWinApp
{
public:
    CTestApp() : CWinApp(NULL) { }
    int m_nIdleCalls = 0;
    int m_nTempsAfterIdle = -1;
    HWND m_hWndEndAtIdle = NULL;    // told to end once idle time cleaned up

    virtual BOOL OnIdle(LONG lCount)
    {
        m_nIdleCalls++;
        BOOL bMore = CWinApp::OnIdle(lCount);
        if (!bMore && m_hWndEndAtIdle != NULL)
        {
            m_nTempsAfterIdle = AfxLiteGetWndMapCount(FALSE);
            ::PostMessageA(m_hWndEndAtIdle, WM_END_MAIN, 0, 0);
            m_hWndEndAtIdle = NULL;
        }
        return bMore;
    }
};

CTestApp theApp;

// The main window: destroys itself when told to, which ends Run.
class CMainWnd : public CWnd
{
public:
    int m_nPreTranslated = 0;

    virtual BOOL PreTranslateMessage(MSG* pMsg)
    {
        if (pMsg->message == WM_END_MAIN)
            m_nPreTranslated++;
        return CWnd::PreTranslateMessage(pMsg);
    }
protected:
    afx_msg LRESULT OnEndMain(WPARAM, LPARAM)
    {
        DestroyWindow();
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMainWnd, CWnd)
    ON_MESSAGE(WM_END_MAIN, OnEndMain)
END_MESSAGE_MAP()

TEST(Application, IsFoundEverywhereAndNamedAfterTheExecutable)
{
    EXPECT_EQ(&theApp, AfxGetApp());
    EXPECT_EQ(&theApp, AfxGetThread());
    EXPECT_EQ(::GetCurrentThreadId(), theApp.m_nThreadID);
    EXPECT_EQ(::GetModuleHandleA(NULL), theApp.m_hInstance);
    EXPECT_EQ(::GetModuleHandleA(NULL), AfxGetInstanceHandle());
    EXPECT_EQ(::GetModuleHandleA(NULL), AfxGetResourceHandle());
    ASSERT_NE((LPCTSTR)NULL, theApp.m_pszExeName);
    EXPECT_STRCASEEQ("wnd_app_tests", theApp.m_pszExeName);
    EXPECT_STRCASEEQ("wnd_app_tests", theApp.m_pszAppName) << "no title string: the executable's name";
    EXPECT_STREQ(theApp.m_pszAppName, AfxGetAppName());
    ASSERT_NE((LPCTSTR)NULL, theApp.m_pszHelpFilePath);
    std::string strHelp = theApp.m_pszHelpFilePath;
    ASSERT_GT(strHelp.size(), 18u);
    EXPECT_STRCASEEQ("wnd_app_tests.HLP", strHelp.substr(strHelp.size() - 17).c_str());
}

TEST(Application, RunPreTranslatesCleansAtIdleAndEndsWithTheMainWindow)
{
    CMainWnd mainWnd;
    ASSERT_TRUE(mainWnd.CreateEx(0, AfxRegisterWndClass(0), "main", WS_OVERLAPPED,
                                 0, 0, 100, 100, NULL, NULL));
    theApp.m_pMainWnd = &mainWnd;
    EXPECT_EQ(&mainWnd, AfxGetMainWnd());

    // a temporary taken now goes at the first idle time
    HWND hDesktop = ::GetDesktopWindow();
    CWnd::FromHandle(hDesktop);
    EXPECT_EQ(1, AfxLiteGetWndMapCount(FALSE));

    theApp.m_nIdleCalls = 0;
    theApp.m_hWndEndAtIdle = mainWnd.m_hWnd;
    int nResult = theApp.Run();

    EXPECT_EQ(0, nResult);
    EXPECT_EQ(1, mainWnd.m_nPreTranslated) << "the loop offers messages to PreTranslateMessage";
    EXPECT_EQ((HWND)NULL, mainWnd.m_hWnd);
    EXPECT_EQ((CWnd*)NULL, theApp.m_pMainWnd) << "the main window took itself off";
    EXPECT_GT(theApp.m_nIdleCalls, 1);
    EXPECT_EQ(0, theApp.m_nTempsAfterIdle);
}

TEST(Application, ModalDialogPumpsThroughTheApplication)
{
    // an empty dialog template, ended by a posted message
    struct
    {
        DLGTEMPLATE dlg;
        WORD menu, windowClass, title;
    } tmpl;
    ZeroMemory(&tmpl, sizeof(tmpl));
    tmpl.dlg.style = WS_POPUP | WS_CAPTION;
    tmpl.dlg.cx = 80;
    tmpl.dlg.cy = 40;

    class CEndingDialog : public CDialog
    {
    public:
        virtual BOOL OnInitDialog()
        {
            PostMessage(WM_COMMAND, IDCANCEL);
            return CDialog::OnInitDialog();
        }
    };
    CEndingDialog dialog;
    ASSERT_TRUE(dialog.InitModalIndirect(&tmpl.dlg));
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (!AfxWinInit(::GetModuleHandleA(NULL), NULL, ::GetCommandLineA(), SW_SHOW))
        return 2;
    return RUN_ALL_TESTS();
}
