// FileDialogEx.cpp : the Open and Save As dialog of Tessarine

#include "FileDialogEx.h"

#include <mirtosa.h>

#include <string.h>

IMPLEMENT_DYNAMIC(CFileDialogEx, CFileDialog)

BEGIN_MESSAGE_MAP(CFileDialogEx, CFileDialog)
END_MESSAGE_MAP()

CFileDialogEx::CFileDialogEx(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName,
                             DWORD dwFlags, LPCTSTR lpszFilter, CWnd* pParentWnd)
	: CFileDialog(bOpenFileDialog, lpszDefExt, lpszFileName, dwFlags, lpszFilter, pParentWnd)
{
	memset(&m_ofnEx, 0, sizeof(m_ofnEx));
}

CFileDialogEx::~CFileDialogEx()
{
}

BOOL CFileDialogEx::IsWin2000OrLater()
{
	OSVERSIONINFOEXA osvi;
	memset(&osvi, 0, sizeof(osvi));
	osvi.dwOSVersionInfoSize = sizeof(OSVERSIONINFOEXA);
	if (!::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&osvi)))
	{
		// systems before NT 4 SP6 know only the shorter structure
		memset(&osvi, 0, sizeof(osvi));
		osvi.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
		if (!::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&osvi)))
			return FALSE;
	}
	return osvi.dwPlatformId == VER_PLATFORM_WIN32_NT && osvi.dwMajorVersion >= 5;
}

void CFileDialogEx::CopyBackToOfn()
{
	memcpy(&m_ofn, &m_ofnEx, sizeof(m_ofn));
	m_ofn.lStructSize = sizeof(m_ofn);
}

int CFileDialogEx::DoModal()
{
	// Clear the name buffer after the current name, so that what the system
	// writes is read back alone. A name that fills the buffer is cut at its
	// last character rather than read past the end.
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
	m_ofn.hwndOwner = CDialog::PreModal();
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

	// The system is handed the current layout; its size selects the newer
	// dialog on Windows 2000 and later, the older size the older dialog.
	memset(&m_ofnEx, 0, sizeof(m_ofnEx));
	memcpy(&m_ofnEx, &m_ofn, sizeof(m_ofn));
	if (IsWin2000OrLater())
		m_ofnEx.lStructSize = sizeof(m_ofnEx);

	int nResult = m_bOpenFileDialog ? ::GetOpenFileNameA(&m_ofnEx) : ::GetSaveFileNameA(&m_ofnEx);

	// the CFileDialog accessors read m_ofn
	CopyBackToOfn();

	pThreadState->m_pAlternateWndInit = NULL;
	if (bEnableParent)
		::EnableWindow(m_ofn.hwndOwner, TRUE);
	if (::IsWindow(hWndFocus))
		::SetFocus(hWndFocus);
	CDialog::PostModal();

	return nResult ? nResult : IDCANCEL;
}

void CFileDialogEx::ShowHelpTopic(UINT nTopic)
{
	// Without an application object or a help path the help library is
	// told so by a NULL path.
	CWinApp* pApp = AfxGetApp();
	CString strHelpPath;
	const char* pszHelpPath = NULL;
	if (pApp != NULL && pApp->m_pszHelpFilePath != NULL)
	{
		strHelpPath = pApp->m_pszHelpFilePath;
		strHelpPath += ">sub";
		pszHelpPath = strHelpPath;
	}
	// the result is not used: the library shows its own error, if any
	MirtosaShowHelp(m_hWnd, pszHelpPath, 1, (int)nTopic, (int)nTopic, 115);
}

BOOL CFileDialogEx::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
	// every CFileDialog handler sees the dialog's current state in m_ofn
	CopyBackToOfn();

	const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
	if (pHdr != NULL && pHdr->code == (UINT)CDN_HELP && IS_INTRESOURCE(m_ofnEx.lpTemplateName))
	{
		// a template given by number names the help topic (none: topic 0)
		ShowHelpTopic(LOWORD((UINT_PTR)m_ofnEx.lpTemplateName));
		return TRUE;
	}
	return CFileDialog::OnNotify(wParam, lParam, pResult);
}
