// CFileDialog: the Open and Save As dialogs of the common-dialog library,
// and the hook procedure that binds a dialog object to its window.

#include <afxdlgs.h>
#include <afxpriv.h>
#include <afxres.h>

#include <string.h>
#include <tchar.h>

/////////////////////////////////////////////////////////////////////////////
// The hook procedure

UINT_PTR CALLBACK _AfxCommDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (hWnd == NULL)
        return 0;

    // Explorer style: the first message of the child dialog that holds the
    // hook binds the waiting object to it (the old style binds the dialog
    // itself through the creation hook).
    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    if (pThreadState->m_pAlternateWndInit != NULL && CWnd::FromHandlePermanent(hWnd) == NULL)
    {
        ASSERT_KINDOF(CFileDialog, pThreadState->m_pAlternateWndInit);
        pThreadState->m_pAlternateWndInit->SubclassWindow(hWnd);
        pThreadState->m_pAlternateWndInit = NULL;
    }

    if (message == WM_INITDIALOG)
        return (UINT_PTR)AfxDlgProc(hWnd, message, wParam, lParam);

    // the old-style notifications are registered messages
    if (message < 0xC000)
        return 0;
    static const UINT s_nMsgShareViolation = ::RegisterWindowMessage(SHAREVISTRING);
    static const UINT s_nMsgFileOK = ::RegisterWindowMessage(FILEOKSTRING);
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == NULL || !pWnd->IsKindOf(RUNTIME_CLASS(CFileDialog)))
        return 0;
    CFileDialog* pDlg = static_cast<CFileDialog*>(pWnd);
    if (message == s_nMsgShareViolation)
        return pDlg->OnShareViolation((LPCTSTR)lParam);
    if (message == s_nMsgFileOK)
        return pDlg->OnFileNameOK();
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// CFileDialog

IMPLEMENT_DYNAMIC(CFileDialog, CCommonDialog)

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName,
                         DWORD dwFlags, LPCTSTR lpszFilter, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd), m_bOpenFileDialog(bOpenFileDialog)
{
    memset(&m_ofn, 0, sizeof(m_ofn));
    m_szFileName[0] = '\0';
    m_szFileTitle[0] = '\0';

    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.lpstrFile = m_szFileName;
    m_ofn.nMaxFile = _countof(m_szFileName);
    m_ofn.lpstrDefExt = lpszDefExt;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = _countof(m_szFileTitle);
    m_ofn.Flags = dwFlags | OFN_ENABLEHOOK | OFN_EXPLORER;
    m_ofn.hInstance = AfxGetResourceHandle();
    m_ofn.lpfnHook = _AfxCommDlgProc;

    if (lpszFileName != NULL)
        lstrcpyn(m_szFileName, lpszFileName, _countof(m_szFileName));

    if (lpszFilter != NULL)
    {
        // The system reads pairs of strings up to an empty one. A filter
        // whose last pattern has no closing '|' gets one, so the translated
        // list always ends in two NULs (the second is the string's own).
        m_strFilter = lpszFilter;
        int nLength = m_strFilter.GetLength();
        if (nLength > 0 && m_strFilter[nLength - 1] != '|')
            m_strFilter += '|';
        LPTSTR pch = m_strFilter.GetBuffer(0);
        while ((pch = _tcschr(pch, '|')) != NULL)
            *pch++ = '\0';
        m_ofn.lpstrFilter = m_strFilter;
        // no ReleaseBuffer: the string now holds NULs
    }
}

CFileDialog::~CFileDialog()
{
}

int CFileDialog::DoModal()
{
    ASSERT(m_ofn.Flags & OFN_ENABLEHOOK);
    ASSERT(m_ofn.lpfnHook != NULL);

    // Clear the name buffer after the current name, so that what the system
    // writes (several names after one folder) is read back alone. A name
    // that fills the buffer is cut at its last character.
    if (m_ofn.lpstrFile != NULL && m_ofn.nMaxFile > 0)
    {
        DWORD nLength = 0;
        while (nLength < m_ofn.nMaxFile && m_ofn.lpstrFile[nLength] != '\0')
            nLength++;
        if (nLength == m_ofn.nMaxFile)
            nLength--;
        memset(m_ofn.lpstrFile + nLength, 0, (m_ofn.nMaxFile - nLength) * sizeof(TCHAR));
    }

    HWND hWndFocus = ::GetFocus();
    m_ofn.hwndOwner = PreModal();
    AfxUnhookWindowCreate();
    BOOL bEnableParent = FALSE;
    if (m_ofn.hwndOwner != NULL && ::IsWindowEnabled(m_ofn.hwndOwner))
    {
        bEnableParent = TRUE;
        ::EnableWindow(m_ofn.hwndOwner, FALSE);
    }

    _AFX_THREAD_STATE* pThreadState = AfxGetThreadState();
    if (m_ofn.Flags & OFN_EXPLORER)
        pThreadState->m_pAlternateWndInit = this;
    else
        AfxHookWindowCreate(this);

    // the older layout is a prefix of the current one, and its size tells
    // the system which one it is given
    LPOPENFILENAME pofn = reinterpret_cast<LPOPENFILENAME>(&m_ofn);
    int nResult = m_bOpenFileDialog ? ::GetOpenFileName(pofn) : ::GetSaveFileName(pofn);

    pThreadState->m_pAlternateWndInit = NULL;
    if (bEnableParent)
        ::EnableWindow(m_ofn.hwndOwner, TRUE);
    if (::IsWindow(hWndFocus))
        ::SetFocus(hWndFocus);

    PostModal();
    return nResult ? nResult : IDCANCEL;
}

namespace {

// Asks an explorer-style dialog (the parent of the hook's child dialog) for
// a text with a CDM_ message; empty when it has none or it does not fit.
CString QueryDialogText(HWND hWndChild, UINT nMsg)
{
    CString strResult;
    HWND hWndDialog = ::GetParent(hWndChild);
    LPTSTR pszBuffer = strResult.GetBuffer(_MAX_PATH);
    LRESULT nSize = ::SendMessage(hWndDialog, nMsg, (WPARAM)_MAX_PATH, (LPARAM)pszBuffer);
    if (nSize <= 0 || nSize > _MAX_PATH)
        pszBuffer[0] = '\0';
    strResult.ReleaseBuffer();
    return strResult;
}

// The text of a buffer of nMax characters that the system filled: up to
// its terminating NUL, or empty when there is none inside the buffer (a
// name that did not fit may be left without one).
CString TerminatedText(LPCTSTR lpszBuffer, DWORD nMax)
{
    if (lpszBuffer == NULL)
        return CString();
    const void* pNul = memchr(lpszBuffer, '\0', nMax * sizeof(TCHAR));
    if (pNul == NULL)
        return CString();
    return CString(lpszBuffer, (int)(static_cast<LPCTSTR>(pNul) - lpszBuffer));
}

// The part of a path after its last separator.
CString NameOfPath(const CString& strPath)
{
    LPCTSTR lpszPath = strPath;
    LPCTSTR lpszName = lpszPath;
    for (LPCTSTR p = lpszPath; *p != '\0'; p = _tcsinc(p))
        if (*p == '\\' || *p == '/' || *p == ':')
            lpszName = p + 1;
    return lpszName;
}

} // namespace

CString CFileDialog::GetPathName() const
{
    if ((m_ofn.Flags & OFN_EXPLORER) && m_hWnd != NULL)
    {
        CString strResult = QueryDialogText(m_hWnd, CDM_GETFILEPATH);
        if (!strResult.IsEmpty())
            return strResult;
    }
    return TerminatedText(m_ofn.lpstrFile, m_ofn.nMaxFile);
}

CString CFileDialog::GetFileName() const
{
    if ((m_ofn.Flags & OFN_EXPLORER) && m_hWnd != NULL)
    {
        CString strResult = QueryDialogText(m_hWnd, CDM_GETSPEC);
        if (!strResult.IsEmpty())
            return strResult;
    }
    // The title buffer holds the name only when it fitted with room to
    // spare: a name of its whole length or longer may have been cut, and
    // then lacks its NUL too. The path holds the whole name.
    CString strTitle = TerminatedText(m_ofn.lpstrFileTitle, m_ofn.nMaxFileTitle);
    if (!strTitle.IsEmpty() && (DWORD)strTitle.GetLength() + 1 < m_ofn.nMaxFileTitle)
        return strTitle;
    return NameOfPath(TerminatedText(m_ofn.lpstrFile, m_ofn.nMaxFile));
}

CString CFileDialog::GetFileExt() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot < 0 ? CString() : strName.Mid(nDot + 1);
}

CString CFileDialog::GetFileTitle() const
{
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot < 0 ? strName : strName.Left(nDot);
}

UINT CFileDialog::OnShareViolation(LPCTSTR)
{
    // the system warns the user
    return OFN_SHAREWARN;
}

BOOL CFileDialog::OnFileNameOK()
{
    // the name is accepted
    return FALSE;
}

void CFileDialog::OnInitDone()
{
}

void CFileDialog::OnFileNameChange()
{
}

void CFileDialog::OnFolderChange()
{
}

void CFileDialog::OnTypeChange()
{
}

BOOL CFileDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    ASSERT(pResult != NULL);

    // the message map may handle the notification first
    if (CCommonDialog::OnNotify(wParam, lParam, pResult))
        return TRUE;

    OFNOTIFY* pNotify = reinterpret_cast<OFNOTIFY*>(lParam);
    switch (pNotify->hdr.code)
    {
    case CDN_INITDONE:
        OnInitDone();
        return TRUE;
    case CDN_SELCHANGE:
        OnFileNameChange();
        return TRUE;
    case CDN_FOLDERCHANGE:
        OnFolderChange();
        return TRUE;
    case CDN_TYPECHANGE:
        OnTypeChange();
        return TRUE;
    case CDN_SHAREVIOLATION:
        // a dialog answers through DWLP_MSGRESULT as well as its result
        *pResult = OnShareViolation(pNotify->pszFile);
        ::SetWindowLongPtr(m_hWnd, DWLP_MSGRESULT, *pResult);
        return TRUE;
    case CDN_FILEOK:
        *pResult = OnFileNameOK();
        ::SetWindowLongPtr(m_hWnd, DWLP_MSGRESULT, *pResult);
        return TRUE;
    case CDN_HELP:
        // the dialog's help goes the way of any help command
        if (!SendMessage(WM_COMMAND, ID_HELP))
            SendMessage(WM_COMMANDHELP, 0, 0);
        return TRUE;
    }
    return FALSE;   // not handled
}
