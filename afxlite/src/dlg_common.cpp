// CCommonDialog: base of the dialogs that the common-dialog library runs.

#include <afxdlgs.h>

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

CCommonDialog::CCommonDialog(CWnd* pParentWnd)
    : CDialog((UINT)0, pParentWnd)
{
}

CCommonDialog::~CCommonDialog()
{
}

void CCommonDialog::OnOK()
{
    if (!UpdateData(TRUE))
    {
        TRACE0("UpdateData failed during dialog termination\n");
        // the UpdateData routine will set focus to correct item
        return;
    }
    // the system's procedure ends the dialog; EndDialog would cut it short
    Default();
}

void CCommonDialog::OnCancel()
{
    Default();
}
