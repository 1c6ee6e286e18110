/// @file FileDialogEx.h
/// The Open and Save As dialog of Tessarine.
///
/// Classes in this header:
/// - CFileDialogEx: CFileDialog that hands the system the current OPENFILENAME
///   layout on Windows 2000 and later (the newer dialog, with its places bar),
///   and opens the product's help at the topic of the dialog's template when
///   the user clicks Help.
///
/// Exported: the constructor, the destructor, DoModal and OnNotify, the
/// run-time class and the message map, so that a host may make the dialog on
/// the stack and derive its own dialog class from it (DECLARE_DYNAMIC,
/// BEGIN_MESSAGE_MAP with CFileDialogEx as the base).

#pragma once

#include <afxdlgs.h>

/// The Open and Save As dialog: a CFileDialog that hands the system the
/// current OPENFILENAME layout on Windows 2000 and later (the newer dialog,
/// with its places bar), and opens the product's help (mirtosa.dll) at the
/// topic of the dialog's template when the user clicks Help.
///
/// @image html filedialog.png "The Open dialog in the gallery"
///
/// Only the constructor and DoModal are exported; the rest is reached through
/// the virtual table or defined here. The destructor too is reached through
/// the virtual table only: a host creates the dialog with new and deletes it
/// through a pointer to a base class (CFileDialog*, CWnd*), so the call goes
/// through the virtual table into this library.
///
/// Messages handled: WM_NOTIFY from the dialog (CDN_ notifications go to
/// CFileDialog's overridables; CDN_HELP opens the help).
///
/// Threads: the thread that shows the dialog.
///
/// @par Example
/// @snippet host.cpp filedialog
class AFX_EXT_CLASS CFileDialogEx : public CFileDialog
{
	DECLARE_DYNAMIC(CFileDialogEx)

public:
	/// All arguments go unchanged to CFileDialog.
	CFileDialogEx(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = NULL, LPCTSTR lpszFileName = NULL,
	              DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
	              LPCTSTR lpszFilter = NULL, CWnd* pParentWnd = NULL);

	/// IDOK when the user chose a file, IDCANCEL otherwise. m_ofn holds the
	/// result afterwards, with lStructSize back at the older layout's size.
	virtual int DoModal();

// Implementation
	/// @cond IMPLEMENTATION
public:
	virtual ~CFileDialogEx();

protected:
	// Whether the system is Windows 2000 or later (NT platform, major
	// version 5 or higher), by GetVersionEx.
	static BOOL IsWin2000OrLater();

	// The structure the system is given while the dialog runs: m_ofn
	// followed by the three fields that Windows 2000 added, always 0.
	OPENFILENAME m_ofnEx;

	// Copies the dialog's current state back into m_ofn.
	void CopyBackToOfn();
	// Shows the product's help at nTopic for this dialog.
	void ShowHelpTopic(UINT nTopic);

	virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
	virtual BOOL OnFileNameOK() { return CFileDialog::OnFileNameOK(); }
	virtual void OnInitDone() { CFileDialog::OnInitDone(); }
	virtual void OnFileNameChange() { CFileDialog::OnFileNameChange(); }
	virtual void OnFolderChange() { CFileDialog::OnFolderChange(); }
	virtual void OnTypeChange() { CFileDialog::OnTypeChange(); }

	DECLARE_MESSAGE_MAP()
	/// @endcond
};
