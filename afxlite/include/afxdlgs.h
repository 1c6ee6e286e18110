// afxdlgs.h - the framework's common dialogs
//
// Classes in this header:
//   CCommonDialog - base of the dialogs the system's common-dialog library
//                   runs; OK and Cancel are left to the system
//   CFileDialog   - the Open and Save As dialogs (GetOpenFileName,
//                   GetSaveFileName), explorer style, hooked so that the
//                   object sees the dialog's notifications

#ifndef AFXLITE_AFXDLGS_H
#define AFXLITE_AFXDLGS_H

#include <afxwin.h>

#include <commdlg.h>

/////////////////////////////////////////////////////////////////////////////
// CCommonDialog

class AFXLITE_API CCommonDialog : public CDialog
{
    DECLARE_DYNAMIC(CCommonDialog)
public:
    explicit CCommonDialog(CWnd* pParentWnd);

// Implementation
public:
    virtual ~CCommonDialog();
protected:
    // The system's dialog procedure ends the dialog itself: OK validates the
    // data and then hands the command on, Cancel hands it on at once.
    virtual void OnOK();
    virtual void OnCancel();
};

/////////////////////////////////////////////////////////////////////////////
// CFileDialog

class AFXLITE_API CFileDialog : public CCommonDialog
{
    DECLARE_DYNAMIC(CFileDialog)

public:
// Attributes
    // The structure handed to the system, in the layout that predates
    // Windows 2000 (no places-bar fields): lStructSize is
    // sizeof(OPENFILENAME_NT4).
    OPENFILENAME_NT4 m_ofn;

// Constructors
    // lpszFilter holds pairs of description and pattern separated by '|'
    // ("Text (*.txt)|*.txt|All (*.*)|*.*||"); dwFlags are OFN_ flags, to
    // which the constructor adds OFN_EXPLORER and OFN_ENABLEHOOK.
    CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = NULL, LPCTSTR lpszFileName = NULL,
                DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                LPCTSTR lpszFilter = NULL, CWnd* pParentWnd = NULL);

// Operations
    // IDOK when the user chose a file, IDCANCEL otherwise (also when the
    // dialog could not be shown; CommDlgExtendedError tells why).
    virtual int DoModal();

    // The chosen file: full path, name with extension, extension, name
    // without extension. While an explorer-style dialog is up they describe
    // the current selection.
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;

// Overridables
protected:
    // OFN_SHAREAWARE: what to do with a file another process has open
    // (OFN_SHAREWARN by default).
    virtual UINT OnShareViolation(LPCTSTR lpszPathName);
    // Return TRUE to reject the name the user chose (the dialog stays up).
    virtual BOOL OnFileNameOK();
    // Explorer-style notifications.
    virtual void OnInitDone();
    virtual void OnFileNameChange();
    virtual void OnFolderChange();
    virtual void OnTypeChange();

// Implementation
public:
    virtual ~CFileDialog();

protected:
    BOOL m_bOpenFileDialog;             // TRUE for Open, FALSE for Save As
    CString m_strFilter;                // the filter with NUL separators
    TCHAR m_szFileTitle[64];            // name of the chosen file, no path
    TCHAR m_szFileName[_MAX_PATH];      // full path of the chosen file

    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    friend UINT_PTR CALLBACK _AfxCommDlgProc(HWND, UINT, WPARAM, LPARAM);
};

// The hook procedure of the framework's common dialogs: binds the dialog
// object to the dialog window (for explorer style, to the child dialog that
// holds the hook) and passes the old-style registered messages on.
AFXLITE_API UINT_PTR CALLBACK _AfxCommDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

#endif // AFXLITE_AFXDLGS_H
