// CDialog: modal and modeless dialogs from memory templates holding items of
// registered window classes, ending them, data exchange and the dialog
// helpers.

#include "wnd_fixture.h"

#include <afxpriv.h>

#include <algorithm>

#include "DialogTemplateBuilder.h"
#include "InputHelpers.h"

using namespace wndtest;
using namespace testsupport;

namespace {

const int IDC_CUSTOM = 801;
const int IDC_EDIT = 802;
const UINT WM_END_WITH = WM_APP + 80;     // wParam: the result
const UINT WM_DIALOG_PROBE = WM_APP + 81;

// A dialog with a button, an edit field and an item of a registered class.
DialogTemplateBuilder MakeTemplate(DWORD dwExtraStyle = 0)
{
    DialogTemplateBuilder dlg(WS_POPUP | WS_CAPTION | WS_SYSMENU | dwExtraStyle, 0, 0, 160, 90, "Probe dialog");
    dlg.SetFont(8, "MS Shell Dlg");
    dlg.AddItem(PlainTestClass(), "", IDC_CUSTOM, WS_CHILD | WS_VISIBLE, 7, 7, 60, 30);
    dlg.AddItem(DialogTemplateBuilder::Edit, "", IDC_EDIT, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER,
                7, 45, 60, 12);
    dlg.AddItem(DialogTemplateBuilder::Button, "OK", IDOK, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                100, 7, 50, 14);
    dlg.AddItem(DialogTemplateBuilder::Button, "Cancel", IDCANCEL, WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                100, 25, 50, 14);
    return dlg;
}

class CProbeDialog : public CDialog
{
public:
    CProbeDialog() { }
    explicit CProbeDialog(UINT nIDTemplate) : CDialog(nIDTemplate) { }

    // what OnInitDialog does
    BOOL m_bPostEnd = FALSE;            // post WM_END_WITH m_nEndResult
    BOOL m_bEndInInit = FALSE;          // EndDialog from OnInitDialog
    int m_nEndResult = 0;
    int m_nFailValidation = 0;          // DoDataExchange fails this many saves
    int m_nFailLoad = 0;                // and this many loads
    UINT m_nFirstMessage = 0;
    BOOL m_bAttachedAtFirstMessage = FALSE;
    int m_nPostNcDestroy = 0;

    void SetTemplateOwner(CWnd* pParent) { m_pParentWnd = pParent; }

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (m_nFirstMessage == 0)
        {
            m_nFirstMessage = message;
            m_bAttachedAtFirstMessage = CWnd::FromHandlePermanent(m_hWnd) == this;
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        char szClass[64] = "";
        CWnd* pCustom = GetDlgItem(IDC_CUSTOM);
        if (pCustom != NULL)
            ::GetClassNameA(pCustom->m_hWnd, szClass, sizeof(szClass));
        Calls().AddFormat("OnInitDialog attached %d custom item %s",
                          CWnd::FromHandlePermanent(m_hWnd) == this, szClass);
        if (m_bPostEnd)
            PostMessage(WM_END_WITH, (WPARAM)m_nEndResult);
        if (m_bEndInInit)
            EndDialog(m_nEndResult);
        return TRUE;
    }
    virtual void DoDataExchange(CDataExchange* pDX)
    {
        Calls().AddFormat("DoDataExchange save %d", pDX->m_bSaveAndValidate);
        int& nFail = pDX->m_bSaveAndValidate ? m_nFailValidation : m_nFailLoad;
        if (nFail > 0)
        {
            nFail--;
            pDX->PrepareEditCtrl(IDC_EDIT);
            pDX->Fail();
            Calls().Add("Fail returned");
        }
    }
    virtual void OnOK()
    {
        Calls().Add("OnOK");
        CDialog::OnOK();
    }
    virtual void OnCancel()
    {
        Calls().Add("OnCancel");
        CDialog::OnCancel();
    }
    virtual void PostNcDestroy()
    {
        m_nPostNcDestroy++;
        CDialog::PostNcDestroy();
    }
    afx_msg LRESULT OnEndWith(WPARAM wParam, LPARAM)
    {
        Calls().AddFormat("OnEndWith %d", (int)wParam);
        EndDialog((int)wParam);
        return 0;
    }
    afx_msg LRESULT OnProbe(WPARAM wParam, LPARAM)
    {
        return (LRESULT)wParam * 2;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeDialog, CDialog)
    ON_MESSAGE(WM_END_WITH, OnEndWith)
    ON_MESSAGE(WM_DIALOG_PROBE, OnProbe)
END_MESSAGE_MAP()

class Dialogs : public WndTest
{
protected:
    void SetUp() override
    {
        WndTest::SetUp();
        ASSERT_NE((const char*)NULL, PlainTestClass());
    }
};

TEST_F(Dialogs, ModalFromMemoryTemplateEndsWithTheResultOfAPostedMessage)
{
    DialogTemplateBuilder dlg = MakeTemplate();
    CProbeDialog dialog;
    ASSERT_TRUE(dialog.InitModalIndirect(dlg.Template(), CWnd::FromHandle(Host())));
    dialog.m_bPostEnd = TRUE;
    dialog.m_nEndResult = 1234;

    EXPECT_EQ(1234, dialog.DoModal());
    static const char* const expected[] = {
        "DoDataExchange save 0",
        "OnInitDialog attached 1 custom item WndTestPlainItem",
        "OnEndWith 1234",
        NULL };
    EXPECT_CALLS(expected, "modal dialog");
    EXPECT_TRUE(dialog.m_bAttachedAtFirstMessage);
    EXPECT_EQ((HWND)NULL, dialog.m_hWnd);
    EXPECT_TRUE(::IsWindowEnabled(Host())) << "the owner is enabled again";
    EXPECT_EQ(1, dialog.m_nPostNcDestroy);
}

TEST_F(Dialogs, OkValidatesFirstAndAFailedValidationKeepsTheDialogOpen)
{
    DialogTemplateBuilder dlg = MakeTemplate();
    CProbeDialog dialog;
    ASSERT_TRUE(dialog.InitModalIndirect(dlg.Template(), CWnd::FromHandle(Host())));
    dialog.m_nFailValidation = 1;

    // two OK presses, posted once the dialog exists: the first one fails
    // validation and leaves the dialog open
    struct Init
    {
        static void CALLBACK Press(HWND hWnd, UINT, UINT_PTR nID, DWORD)
        {
            ::KillTimer(hWnd, nID);
            LPARAM lOk = (LPARAM)::GetDlgItem(hWnd, IDOK);
            ::PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), lOk);
            ::PostMessageA(hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), lOk);
        }
        static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
        {
            const CWPRETSTRUCT* p = (const CWPRETSTRUCT*)lParam;
            if (code == HC_ACTION && p->message == WM_INITDIALOG)
                ::SetTimer(p->hwnd, 1, 10, Press);
            return ::CallNextHookEx(NULL, code, wParam, lParam);
        }
    };
    HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, Init::Hook, NULL, ::GetCurrentThreadId());
    ASSERT_NE((HHOOK)NULL, hHook);
    int nResult = dialog.DoModal();
    ::UnhookWindowsHookEx(hHook);

    EXPECT_EQ(IDOK, nResult);
    static const char* const expected[] = {
        "DoDataExchange save 0",
        "OnInitDialog attached 1 custom item WndTestPlainItem",
        "OnOK",
        "DoDataExchange save 1",
        "OnOK",
        "DoDataExchange save 1",
        NULL };
    EXPECT_CALLS(expected, "OK pressed twice");
}

TEST_F(Dialogs, EndDialogDuringOnInitDialogSkipsTheModalLoop)
{
    DialogTemplateBuilder dlg = MakeTemplate();
    CProbeDialog dialog;
    ASSERT_TRUE(dialog.InitModalIndirect(dlg.Template(), CWnd::FromHandle(Host())));
    dialog.m_bEndInInit = TRUE;
    dialog.m_nEndResult = 77;
    EXPECT_EQ(77, dialog.DoModal());
    EXPECT_EQ((HWND)NULL, dialog.m_hWnd);
    EXPECT_TRUE(::IsWindowEnabled(Host()));
}

TEST_F(Dialogs, EscapeInTheModalLoopCancels)
{
    DialogTemplateBuilder dlg = MakeTemplate(WS_VISIBLE);
    CProbeDialog dialog;
    ASSERT_TRUE(dialog.InitModalIndirect(dlg.Template(), CWnd::FromHandle(Host())));
    struct Init
    {
        static void CALLBACK Press(HWND hWnd, UINT, UINT_PTR nID, DWORD)
        {
            ::KillTimer(hWnd, nID);
            // keyboard input of the dialog goes through IsDialogMessage
            ::PostMessageA(::GetDlgItem(hWnd, IDC_EDIT), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        }
        static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
        {
            const CWPRETSTRUCT* p = (const CWPRETSTRUCT*)lParam;
            if (code == HC_ACTION && p->message == WM_INITDIALOG)
                ::SetTimer(p->hwnd, 1, 10, Press);
            return ::CallNextHookEx(NULL, code, wParam, lParam);
        }
    };
    HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, Init::Hook, NULL, ::GetCurrentThreadId());
    ASSERT_NE((HHOOK)NULL, hHook);
    int nResult = dialog.DoModal();
    ::UnhookWindowsHookEx(hHook);
    EXPECT_EQ(IDCANCEL, nResult);
    static const char* const expected[] = {
        "DoDataExchange save 0",
        "OnInitDialog attached 1 custom item WndTestPlainItem",
        "OnCancel",
        NULL };
    EXPECT_CALLS(expected, "Escape");
}

TEST_F(Dialogs, ModalWithoutATemplateFails)
{
    CProbeDialog dialog(65000);     // no such resource anywhere
    EXPECT_EQ(-1, dialog.DoModal());
    static const char* const none[] = { NULL };
    EXPECT_CALLS(none, "missing template");
    EXPECT_TRUE(::IsWindowEnabled(Host()));
}

TEST_F(Dialogs, ModelessFromMemoryTemplateLivesUntilDestroyed)
{
    DialogTemplateBuilder dlg = MakeTemplate(WS_VISIBLE);
    CProbeDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(dlg.Template(), CWnd::FromHandle(Host())));
    static const char* const expected[] = {
        "DoDataExchange save 0",
        "OnInitDialog attached 1 custom item WndTestPlainItem",
        NULL };
    EXPECT_CALLS(expected, "modeless dialog");
    ASSERT_TRUE(::IsWindow(dialog.m_hWnd));
    EXPECT_TRUE(dialog.m_bAttachedAtFirstMessage);
    EXPECT_EQ((UINT)WM_NCCREATE, dialog.m_nFirstMessage);
    EXPECT_EQ(Host(), ::GetWindow(dialog.m_hWnd, GW_OWNER));

    // messages reach its map; the default procedure is the dialog's
    EXPECT_EQ(42, dialog.SendMessage(WM_DIALOG_PROBE, 21));
    EXPECT_EQ((DWORD)MAKELONG(IDOK, DC_HASDEFID), dialog.GetDefID());
    dialog.SetDefID(IDCANCEL);
    EXPECT_EQ((DWORD)MAKELONG(IDCANCEL, DC_HASDEFID), dialog.GetDefID());

    // dialog units to pixels, as the platform maps them
    CRect rect(0, 0, 4, 8);
    dialog.MapDialogRect(&rect);
    RECT expectedRect = { 0, 0, 4, 8 };
    ::MapDialogRect(dialog.m_hWnd, &expectedRect);
    EXPECT_EQ(CRect(expectedRect), rect);
    EXPECT_GT(rect.right, 0);

    // focus moves where it is sent
    dialog.GotoDlgCtrl(dialog.GetDlgItem(IDC_EDIT));
    EXPECT_EQ(dialog.GetDlgItem(IDC_EDIT)->m_hWnd, ::GetFocus());
    dialog.NextDlgCtrl();
    EXPECT_EQ(dialog.GetDlgItem(IDOK)->m_hWnd, ::GetFocus());

    // ending a modeless dialog only hides it
    dialog.EndDialog(IDOK);
    EXPECT_TRUE(::IsWindow(dialog.m_hWnd));
    HWND hWnd = dialog.m_hWnd;
    dialog.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ((HWND)NULL, dialog.m_hWnd);
    EXPECT_EQ(1, dialog.m_nPostNcDestroy);
}

TEST_F(Dialogs, UpdateDataReportsValidationAndLocksOutNotifications)
{
    DialogTemplateBuilder dlg = MakeTemplate(WS_VISIBLE);
    CProbeDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(dlg.Template(), CWnd::FromHandle(Host())));
    Calls().Clear();

    EXPECT_TRUE(dialog.UpdateData(FALSE));
    dialog.m_nFailValidation = 1;
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.GetDlgItem(IDC_EDIT)->m_hWnd, ::GetFocus()) << "the failed field has the focus";
    EXPECT_TRUE(dialog.UpdateData(TRUE));
    // Fail never returns, also while loading, but moves the focus only
    // while validating.
    HWND hOk = dialog.GetDlgItem(IDOK)->m_hWnd;
    ::SetFocus(hOk);
    dialog.m_nFailLoad = 1;
    EXPECT_FALSE(dialog.UpdateData(FALSE));
    EXPECT_EQ(hOk, ::GetFocus());
    static const char* const expected[] = {
        "DoDataExchange save 0", "DoDataExchange save 1", "DoDataExchange save 1",
        "DoDataExchange save 0", NULL };
    EXPECT_CALLS(expected, "UpdateData");
    dialog.DestroyWindow();
}

// A dialog binding its edit field through DDX_Control, as hosts bind
// controls; nIDC names the item to bind.
class CBindingDialog : public CDialog
{
public:
    explicit CBindingDialog(int nIDC) : m_nIDC(nIDC) { }
    CEdit m_edit;
    int m_nIDC;
protected:
    virtual void DoDataExchange(CDataExchange* pDX)
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, m_nIDC, m_edit);
    }
};

TEST_F(Dialogs, DdxControlBindsTheItemOnceWhenTheDialogStarts)
{
    DialogTemplateBuilder dlg = MakeTemplate(WS_VISIBLE);
    CBindingDialog dialog(IDC_EDIT);
    ASSERT_TRUE(dialog.CreateIndirect(dlg.Template(), CWnd::FromHandle(Host())));
    HWND hEdit = ::GetDlgItem(dialog.m_hWnd, IDC_EDIT);
    EXPECT_EQ(hEdit, dialog.m_edit.m_hWnd);
    EXPECT_EQ(&dialog.m_edit, CWnd::FromHandlePermanent(hEdit));
    WNDPROC pfnBound = (WNDPROC)::GetWindowLongPtrA(hEdit, GWLP_WNDPROC);
    EXPECT_TRUE(dialog.UpdateData(FALSE)) << "a bound control is left as it is";
    EXPECT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(pfnBound, (WNDPROC)::GetWindowLongPtrA(hEdit, GWLP_WNDPROC));
    dialog.DestroyWindow();
    EXPECT_EQ((HWND)NULL, dialog.m_edit.m_hWnd);
}

TEST_F(Dialogs, DdxControlOfAMissingItemEndsTheModalDialogWithMinusOne)
{
    DialogTemplateBuilder dlg = MakeTemplate();
    CBindingDialog dialog(999);
    ASSERT_TRUE(dialog.InitModalIndirect(dlg.Template(), CWnd::FromHandle(Host())));
    EXPECT_EQ(-1, dialog.DoModal());
    EXPECT_EQ((HWND)NULL, dialog.m_edit.m_hWnd);
    EXPECT_TRUE(::IsWindowEnabled(Host()));
}

// Every WM_CTLCOLOR* makes two temporaries (the DC and the item).  A dialog
// that paints a new edit field at each idle time of its modal loop, or from
// a loop of the host's own, keeps the temporary map flat.
class CColorDialog : public CDialog
{
public:
    int m_nRounds = 0;
    int m_nCtlColors = 0;
    HWND m_hEdit = NULL;
    int m_nFirstTemporaries = -1;   // after the first repaint
    int m_nMostTemporaries = 0;

    // A new edit field each time: a handle already wrapped would reuse its
    // temporary.
    void Repaint()
    {
        if (m_hEdit != NULL)
            ::DestroyWindow(m_hEdit);
        m_hEdit = ::CreateWindowA("EDIT", "x", WS_CHILD | WS_VISIBLE | WS_BORDER, 7, 60, 60, 14,
                                  m_hWnd, NULL, NULL, NULL);
        ::UpdateWindow(m_hEdit);
        const int nTemporaries = AfxLiteGetWndMapCount(FALSE);
        if (m_nFirstTemporaries < 0)
            m_nFirstTemporaries = nTemporaries;
        m_nMostTemporaries = std::max(m_nMostTemporaries, nTemporaries);
    }

protected:
    afx_msg HBRUSH OnCtlColor(CDC*, CWnd*, UINT)
    {
        m_nCtlColors++;
        return NULL;
    }
    afx_msg LRESULT OnKickIdle(WPARAM, LPARAM)
    {
        Repaint();
        if (++m_nRounds == 100)
            EndDialog(IDOK);
        else
            PostMessage(WM_NULL);   // ends this idle time; the next one repaints again
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColorDialog, CDialog)
    ON_WM_CTLCOLOR()
    ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
END_MESSAGE_MAP()

TEST_F(Dialogs, TemporariesOfControlColoursDoNotPileUp)
{
    CWnd* pHost = CWnd::FromHandle(Host());
    DialogTemplateBuilder dlg = MakeTemplate();
    CColorDialog modal;
    ASSERT_TRUE(modal.InitModalIndirect(dlg.Template(), pHost));
    EXPECT_EQ(IDOK, modal.DoModal());
    EXPECT_GE(modal.m_nCtlColors, 100);
    EXPECT_EQ(modal.m_nFirstTemporaries, modal.m_nMostTemporaries) << "in the modal loop";

    DialogTemplateBuilder visible = MakeTemplate(WS_VISIBLE);
    CColorDialog modeless;
    ASSERT_TRUE(modeless.CreateIndirect(visible.Template(), pHost));
    for (int i = 0; i < 100; i++)
        modeless.Repaint();
    EXPECT_GE(modeless.m_nCtlColors, 100);
    EXPECT_EQ(modeless.m_nFirstTemporaries, modeless.m_nMostTemporaries) << "under the host's own calls";
    modeless.DestroyWindow();
}

// Exceptions stop where the system called the framework: OnInitDialog under
// the dialog procedure, PreSubclassWindow under the creation hook.
class CThrowingDialog : public CDialog
{
public:
    BOOL m_bThrow = FALSE;
protected:
    virtual BOOL OnInitDialog()
    {
        if (m_bThrow)
            AfxThrowMemoryException();
        return CDialog::OnInitDialog();
    }
};

class CThrowingWnd : public CWnd
{
public:
    int m_nPostNcDestroy = 0;
protected:
    virtual void PreSubclassWindow() { throw 3; }
    virtual void PostNcDestroy() { m_nPostNcDestroy++; }
};

TEST_F(Dialogs, ExceptionsStopAtTheSystemsCalls)
{
    DialogTemplateBuilder dlg = MakeTemplate();
    CThrowingDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(dlg.Template(), CWnd::FromHandle(Host())));
    dialog.m_bThrow = TRUE;
    INT_PTR nResult = 1;
    EXPECT_NO_THROW(nResult = AfxDlgProc(dialog.m_hWnd, WM_INITDIALOG, 0, 0));
    EXPECT_EQ(0, nResult);
    dialog.DestroyWindow();

    CThrowingWnd wnd;
    BOOL bCreated = TRUE;
    EXPECT_NO_THROW(bCreated = wnd.Create(NULL, "thrower", WS_CHILD, CRect(0, 0, 10, 10),
                                          CWnd::FromHandle(Host()), 805));
    EXPECT_FALSE(bCreated);
    EXPECT_EQ((HWND)NULL, wnd.m_hWnd);
    EXPECT_EQ(1, wnd.m_nPostNcDestroy);
    EXPECT_EQ((HWND)NULL, ::GetDlgItem(Host(), 805));
}

} // namespace
