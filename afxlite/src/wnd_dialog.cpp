// CDialog: modeless and modal dialogs from resources or memory templates,
// and the dialog data exchange context.

#include <afxwin.h>

#include "wnd_internal.h"

/////////////////////////////////////////////////////////////////////////////
// Dialog procedure and creation of dialog windows

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        // the object was attached by the creation hook before this message
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        CDialog* pDlg = pWnd != NULL && pWnd->IsKindOf(RUNTIME_CLASS(CDialog))
                            ? static_cast<CDialog*>(pWnd) : NULL;
        if (pDlg == NULL)
            return 1;
        // The system's dialog manager called us: nothing may unwind into it.
        MSG msg = { hWnd, message, wParam, lParam, 0, { 0, 0 } };
        try
        {
            return pDlg->OnInitDialog();
        }
        catch (CException* e)
        {
            return AfxLiteWndProcException(e, &msg);
        }
        catch (...)
        {
            return AfxLiteWndProcException(NULL, &msg);
        }
    }
    return 0;
}

BOOL CWnd::CreateDlg(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    // the dialog template comes from the resource chain
    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResource(hInst, lpszTemplateName, RT_DIALOG);
    if (hResource == NULL)
        return FALSE;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    LPCDLGTEMPLATE lpTemplate = hTemplate != NULL ? (LPCDLGTEMPLATE)::LockResource(hTemplate) : NULL;
    if (lpTemplate == NULL)
        return FALSE;
    return CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CWnd::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    ASSERT(lpDialogTemplate != NULL);
    if (lpDialogTemplate == NULL)
        return FALSE;
    if (hInst == NULL)
        hInst = AfxGetInstanceHandle();

    // EndDialog during WM_INITDIALOG clears the flag
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;

    HWND hWnd = NULL;
    try
    {
        AfxHookWindowCreate(this);
        hWnd = ::CreateDialogIndirect(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(),
                                      AfxDlgProc);
    }
    catch (CException* e)
    {
        e->Delete();
        m_nModalResult = -1;
    }

    // the window never reached the hook: the object is done with
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();

    // handle EndDialog calls during OnInitDialog
    if (hWnd != NULL && !(m_nFlags & WF_CONTINUEMODAL))
    {
        ::DestroyWindow(hWnd);
        hWnd = NULL;
    }

    if (hWnd == NULL)
    {
        m_nFlags &= ~WF_CONTINUEMODAL;
        return FALSE;
    }
    ASSERT(hWnd == m_hWnd);
    return hWnd == m_hWnd;
}

/////////////////////////////////////////////////////////////////////////////
// Dialog data exchange

void CWnd::DoDataExchange(CDataExchange*)
{
    // nothing to exchange by default
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    ASSERT(::IsWindow(m_hWnd));

    CDataExchange dx(this, bSaveAndValidate);

    // control notifications that the exchange causes are not handled
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    HWND hWndOldLockout = pThreadState->m_hLockoutNotifyWindow;
    pThreadState->m_hLockoutNotifyWindow = m_hWnd;

    BOOL bOK = FALSE;
    try
    {
        DoDataExchange(&dx);
        bOK = TRUE;
    }
    catch (CException* e)
    {
        // validation failed: the user was told and the focus is on the field
        e->Delete();
    }

    pThreadState->m_hLockoutNotifyWindow = hWndOldLockout;
    return bOK;
}

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd),
      m_hWndLastControl(NULL), m_bEditLastControl(FALSE)
{
    ASSERT(pDlgWnd != NULL);
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    ASSERT(nIDC != 0 && nIDC != -1);
    HWND hWndCtrl = NULL;
    m_pDlgWnd->GetDlgItem(nIDC, &hWndCtrl);
    if (hWndCtrl == NULL)
    {
        TRACE1("Error: no data exchange control with ID 0x%04X\n", nIDC);
        AfxThrowNotSupportedException();
    }
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.m_hWnd != NULL)
        return;     // bound by an earlier exchange
    ASSERT(!pDX->m_bSaveAndValidate);
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (!rControl.SubclassWindow(hWndCtrl))
    {
        TRACE1("Error: DDX_Control could not subclass the control with ID 0x%04X\n", nIDC);
        AfxThrowNotSupportedException();
    }
}

void CDataExchange::Fail()
{
    if (!m_bSaveAndValidate)
    {
        // Loading the dialog fails too: DDX code goes on as though Fail
        // never returns, so it must not, whichever way the data goes.
        TRACE0("Warning: CDataExchange::Fail called when not validating\n");
    }
    else if (m_hWndLastControl != NULL)
    {
        // the user corrects the field that failed
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessage(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    AfxThrowUserException();
}

IMPLEMENT_DYNAMIC(CUserException, CSimpleException)

CUserException::CUserException()
    : CSimpleException(TRUE)
{
}

CUserException::~CUserException()
{
}

void AFXAPI AfxThrowUserException()
{
    throw new CUserException;
}

/////////////////////////////////////////////////////////////////////////////
// CDialog

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
    ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
    ON_MESSAGE(WM_SETFONT, HandleSetFont)
END_MESSAGE_MAP()

CDialog::CDialog()
    : m_nIDHelp(0), m_lpszTemplateName(NULL), m_hDialogTemplate(NULL),
      m_lpDialogTemplate(NULL), m_lpDialogInit(NULL), m_pParentWnd(NULL), m_hWndTop(NULL)
{
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_nIDHelp(0), m_lpszTemplateName(lpszTemplateName), m_hDialogTemplate(NULL),
      m_lpDialogTemplate(NULL), m_lpDialogInit(NULL), m_pParentWnd(pParentWnd), m_hWndTop(NULL)
{
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD((UINT_PTR)lpszTemplateName);
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)),
      m_hDialogTemplate(NULL), m_lpDialogTemplate(NULL), m_lpDialogInit(NULL),
      m_pParentWnd(pParentWnd), m_hWndTop(NULL)
{
}

CDialog::~CDialog()
{
    if (m_hWnd != NULL)
    {
        TRACE0("Warning: calling DestroyWindow in CDialog::~CDialog; "
               "OnDestroy or PostNcDestroy in derived class will not be called\n");
        DestroyWindow();
    }
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    ASSERT(lpszTemplateName != NULL);
    m_lpszTemplateName = lpszTemplateName;  // used for help
    if (IS_INTRESOURCE(m_lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = LOWORD((UINT_PTR)m_lpszTemplateName);

    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResource(hInst, lpszTemplateName, RT_DIALOG);
    if (hResource == NULL)
        return FALSE;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    if (hTemplate == NULL)
        return FALSE;
    return CreateIndirect(hTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    if (m_nIDHelp == 0)
        m_nIDHelp = nIDTemplate;
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    return CreateIndirect(hDialogTemplate, pParentWnd, NULL);
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    ASSERT(hDialogTemplate != NULL);
    LPCDLGTEMPLATE lpDialogTemplate =
        hDialogTemplate != NULL ? (LPCDLGTEMPLATE)::LockResource(hDialogTemplate) : NULL;
    if (lpDialogTemplate == NULL)
        return FALSE;
    return CreateIndirect(lpDialogTemplate, pParentWnd, NULL, hInst);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd,
                             void* lpDialogInit)
{
    return CreateIndirect(lpDialogTemplate, pParentWnd, lpDialogInit, NULL);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd,
                             void* lpDialogInit, HINSTANCE hInst)
{
    ASSERT(lpDialogTemplate != NULL);
    if (pParentWnd == NULL)
        pParentWnd = AfxGetMainWnd();
    m_lpDialogInit = lpDialogInit;
    BOOL bResult = CreateDlgIndirect(lpDialogTemplate, pParentWnd, hInst);
    // a modeless dialog keeps no modal state
    m_nFlags &= ~WF_CONTINUEMODAL;
    return bResult;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd,
                                void* lpDialogInit)
{
    // must be called on an empty constructed CDialog
    ASSERT(m_lpszTemplateName == NULL && m_hDialogTemplate == NULL &&
           m_lpDialogTemplate == NULL);
    ASSERT(lpDialogTemplate != NULL);
    if (m_pParentWnd == NULL)
        m_pParentWnd = pParentWnd;
    m_lpDialogTemplate = lpDialogTemplate;
    m_lpDialogInit = lpDialogInit;
    return TRUE;    // always ok (DoModal actually brings up dialog)
}

BOOL CDialog::InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    ASSERT(m_lpszTemplateName == NULL && m_hDialogTemplate == NULL &&
           m_lpDialogTemplate == NULL);
    ASSERT(hDialogTemplate != NULL);
    if (m_pParentWnd == NULL)
        m_pParentWnd = pParentWnd;
    m_hDialogTemplate = hDialogTemplate;
    return TRUE;    // always ok (DoModal actually brings up dialog)
}

HWND CDialog::PreModal()
{
    // cannot call DoModal on a dialog already constructed as modeless
    ASSERT(m_hWnd == NULL);

    // allow OLE servers to disable themselves
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        pApp->EnableModeless(FALSE);

    // find parent HWND
    HWND hWnd = CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), &m_hWndTop);

    // hook for creation of dialog
    AfxHookWindowCreate(this);

    // return window to use as parent for dialog
    return hWnd;
}

void CDialog::PostModal()
{
    AfxUnhookWindowCreate();   // just in case
    Detach();                  // just in case

    // re-enable windows
    if (::IsWindow(m_hWndTop))
        ::EnableWindow(m_hWndTop, TRUE);
    m_hWndTop = NULL;

    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        pApp->EnableModeless(TRUE);
}

int CDialog::DoModal()
{
    // the template: from the resource chain, a memory handle or a pointer
    LPCDLGTEMPLATE lpDialogTemplate = m_lpDialogTemplate;
    HGLOBAL hDialogTemplate = m_hDialogTemplate;
    HINSTANCE hInst = AfxGetResourceHandle();
    if (m_lpszTemplateName != NULL)
    {
        hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
        HRSRC hResource = ::FindResource(hInst, m_lpszTemplateName, RT_DIALOG);
        hDialogTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
    }
    if (hDialogTemplate != NULL)
        lpDialogTemplate = (LPCDLGTEMPLATE)::LockResource(hDialogTemplate);

    // return -1 in case of failure to load the dialog template resource
    if (lpDialogTemplate == NULL)
        return -1;

    // disable parent (before creating dialog)
    HWND hWndParent = PreModal();
    AfxUnhookWindowCreate();
    BOOL bEnableParent = FALSE;
    if (hWndParent != NULL && ::IsWindowEnabled(hWndParent))
    {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    try
    {
        // create modeless dialog, then run it modally
        if (CreateDlgIndirect(lpDialogTemplate, CWnd::FromHandle(hWndParent), hInst))
        {
            if (m_nFlags & WF_CONTINUEMODAL)
            {
                // enter modal loop
                DWORD dwFlags = MLF_SHOWONIDLE;
                if (GetStyle() & DS_NOIDLEMSG)
                    dwFlags |= MLF_NOIDLEMSG;
                RunModalLoop(dwFlags);
            }

            // hide the window before enabling the parent, etc.
            if (m_hWnd != NULL)
            {
                SetWindowPos(NULL, 0, 0, 0, 0, SWP_HIDEWINDOW |
                             SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
            }
        }
    }
    catch (CException* e)
    {
        e->Delete();
        m_nModalResult = -1;
    }

    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != NULL && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);

    // destroy modal window
    DestroyWindow();
    PostModal();
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    ASSERT(::IsWindow(m_hWnd));

    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);

    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    // transfer data into the dialog from member variables
    if (!UpdateData(FALSE))
    {
        TRACE0("Warning: UpdateData failed during dialog init.\n");
        EndDialog(-1);
        return FALSE;
    }
    // set focus to the first control unless the handler did
    return TRUE;
}

void CDialog::OnSetFont(CFont*)
{
    // ignore it
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
    {
        TRACE0("UpdateData failed during dialog termination\n");
        // the UpdateData routine will set focus to correct item
        return;
    }
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

void CDialog::PreInitDialog()
{
    // ignore it
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    PreInitDialog();
    // the dialog procedure calls OnInitDialog
    return Default();
}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM)
{
    // the dialog's font, announced before WM_INITDIALOG
    OnSetFont(CFont::FromHandle((HFONT)wParam));
    return Default();
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    // for modeless processing (or modal)
    ASSERT(m_hWnd != NULL);

    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;

    // keyboard navigation of the dialog
    return PreTranslateInput(pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;

    // the application gets the last look at menu commands
    if ((nCode != CN_COMMAND && nCode != (int)CN_UPDATE_COMMAND_UI) ||
        nID < 0x8000 || nID > 0xDFFF)
    {
        return FALSE;
    }
    CWinApp* pApp = AfxGetApp();
    return pApp != NULL && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CDialog::CheckAutoCenter()
{
    // a template that asks for its own placement is left alone
    if (::IsWindow(m_hWnd))
    {
        DWORD dwStyle = GetStyle();
        if (dwStyle & (DS_ABSALIGN | DS_CENTER | DS_CENTERMOUSE))
            return FALSE;
    }
    return CWnd::CheckAutoCenter();
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    ASSERT(::IsWindow(m_hWnd));
    ::MapDialogRect(m_hWnd, lpRect);
}

void CDialog::NextDlgCtrl() const
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, WM_NEXTDLGCTL, (WPARAM)pWndCtrl->GetSafeHwnd(), 1L);
}

void CDialog::SetDefID(UINT nID)
{
    ASSERT(::IsWindow(m_hWnd));
    ::SendMessage(m_hWnd, DM_SETDEFID, nID, 0);
}

DWORD CDialog::GetDefID() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (DWORD)::SendMessage(m_hWnd, DM_GETDEFID, 0, 0);
}
