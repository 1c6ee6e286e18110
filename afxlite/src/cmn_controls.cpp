// CHeaderCtrl, CToolTipCtrl and CComboBoxEx: thin wrappers of the common
// controls.

#include <afxcmn.h>

#include "wnd_internal.h"

#define CC_SEND(msg, w, l) (ASSERT(::IsWindow(m_hWnd)), ::SendMessage(m_hWnd, msg, (WPARAM)(w), (LPARAM)(l)))

/////////////////////////////////////////////////////////////////////////////
// CHeaderCtrl

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)

CHeaderCtrl::CHeaderCtrl() { }
CHeaderCtrl::~CHeaderCtrl() { DestroyWindow(); }

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG))
        return FALSE;
    CWnd* pWnd = this;
    return pWnd->Create(WC_HEADER, NULL, dwStyle, rect, pParentWnd, nID);
}

int CHeaderCtrl::GetItemCount() const { return (int)CC_SEND(HDM_GETITEMCOUNT, 0, 0); }
BOOL CHeaderCtrl::GetItem(int nPos, HDITEM* pHeaderItem) const { return (BOOL)CC_SEND(HDM_GETITEM, nPos, pHeaderItem); }
BOOL CHeaderCtrl::SetItem(int nPos, HDITEM* pHeaderItem) { return (BOOL)CC_SEND(HDM_SETITEM, nPos, pHeaderItem); }
BOOL CHeaderCtrl::GetItemRect(int nIndex, LPRECT lpRect) const { return (BOOL)CC_SEND(HDM_GETITEMRECT, nIndex, lpRect); }
int CHeaderCtrl::InsertItem(int nPos, HDITEM* phdi) { return (int)CC_SEND(HDM_INSERTITEM, nPos, phdi); }
BOOL CHeaderCtrl::DeleteItem(int nPos) { return (BOOL)CC_SEND(HDM_DELETEITEM, nPos, 0); }
BOOL CHeaderCtrl::Layout(HDLAYOUT* pHeaderLayout) { return (BOOL)CC_SEND(HDM_LAYOUT, 0, pHeaderLayout); }

/////////////////////////////////////////////////////////////////////////////
// CToolTipCtrl

IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

CToolTipCtrl::CToolTipCtrl() { }
CToolTipCtrl::~CToolTipCtrl() { DestroyWindow(); }

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG))
        return FALSE;
    // a pop-up owned by pParentWnd
    return CWnd::CreateEx(0, TOOLTIPS_CLASS, NULL, WS_POPUP | dwStyle,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                          pParentWnd->GetSafeHwnd(), NULL, NULL);
}

void CToolTipCtrl::FillInToolInfo(TOOLINFO& ti, CWnd* pWnd, UINT_PTR nIDTool) const
{
    ZeroMemory(&ti, sizeof(ti));
    // the layout every version of the common controls accepts
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    HWND hWnd = pWnd->GetSafeHwnd();
    if (nIDTool == 0)
    {
        // the window itself is the tool
        ti.hwnd = ::GetParent(hWnd);
        ti.uFlags = TTF_IDISHWND;
        ti.uId = (UINT_PTR)hWnd;
    }
    else
    {
        ti.hwnd = hWnd;
        ti.uFlags = 0;
        ti.uId = nIDTool;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    ASSERT(::IsWindow(m_hWnd) && pWnd != NULL && nIDText != 0);
    // the rectangle is required unless the window itself is the tool
    ASSERT(nIDTool == 0 || lpRectTool != NULL);

    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool != NULL)
        ::CopyRect(&ti.rect, lpRectTool);
    ti.hinst = AfxFindResourceHandle(MAKEINTRESOURCE((nIDText >> 4) + 1), RT_STRING);
    ti.lpszText = (LPTSTR)MAKEINTRESOURCE(nIDText);
    return (BOOL)::SendMessage(m_hWnd, TTM_ADDTOOL, 0, (LPARAM)&ti);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCTSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    ASSERT(::IsWindow(m_hWnd) && pWnd != NULL && lpszText != NULL);
    ASSERT(nIDTool == 0 || lpRectTool != NULL);

    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool != NULL)
        ::CopyRect(&ti.rect, lpRectTool);
    ti.lpszText = (LPTSTR)lpszText;
    return (BOOL)::SendMessage(m_hWnd, TTM_ADDTOOL, 0, (LPARAM)&ti);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    CC_SEND(TTM_DELTOOL, 0, &ti);
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    // TTM_GETTEXT writes at most 80 characters on the versions without a
    // buffer size; 256 leaves room on all of them
    ti.lpszText = str.GetBuffer(256);
    ti.lpszText[0] = '\0';
    CC_SEND(TTM_GETTEXT, 0, &ti);
    str.ReleaseBuffer();
}

BOOL CToolTipCtrl::GetToolInfo(TOOLINFO* lpToolInfo, CWnd* pWnd, UINT_PTR nIDTool) const
{
    ASSERT(lpToolInfo != NULL);
    FillInToolInfo(*lpToolInfo, pWnd, nIDTool);
    return (BOOL)CC_SEND(TTM_GETTOOLINFO, 0, lpToolInfo);
}

void CToolTipCtrl::SetToolInfo(LPTOOLINFO lpToolInfo) { CC_SEND(TTM_SETTOOLINFO, 0, lpToolInfo); }

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
    ASSERT(nIDTool != 0);
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ::CopyRect(&ti.rect, lpRect);
    CC_SEND(TTM_NEWTOOLRECT, 0, &ti);
}

int CToolTipCtrl::GetToolCount() const { return (int)CC_SEND(TTM_GETTOOLCOUNT, 0, 0); }
int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const { return (int)CC_SEND(TTM_GETDELAYTIME, dwDuration, 0); }
void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime) { CC_SEND(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0)); }
void CToolTipCtrl::SetDelayTime(UINT nDelay) { CC_SEND(TTM_SETDELAYTIME, TTDT_AUTOMATIC, nDelay); }
COLORREF CToolTipCtrl::GetTipBkColor() const { return (COLORREF)CC_SEND(TTM_GETTIPBKCOLOR, 0, 0); }
COLORREF CToolTipCtrl::GetTipTextColor() const { return (COLORREF)CC_SEND(TTM_GETTIPTEXTCOLOR, 0, 0); }
int CToolTipCtrl::GetMaxTipWidth() const { return (int)CC_SEND(TTM_GETMAXTIPWIDTH, 0, 0); }
int CToolTipCtrl::SetMaxTipWidth(int iWidth) { return (int)CC_SEND(TTM_SETMAXTIPWIDTH, 0, iWidth); }
void CToolTipCtrl::SetTipBkColor(COLORREF clr) { CC_SEND(TTM_SETTIPBKCOLOR, clr, 0); }
void CToolTipCtrl::SetTipTextColor(COLORREF clr) { CC_SEND(TTM_SETTIPTEXTCOLOR, clr, 0); }
void CToolTipCtrl::Activate(BOOL bActivate) { CC_SEND(TTM_ACTIVATE, bActivate, 0); }
void CToolTipCtrl::RelayEvent(LPMSG lpMsg) { CC_SEND(TTM_RELAYEVENT, 0, lpMsg); }
void CToolTipCtrl::Update() { CC_SEND(TTM_UPDATE, 0, 0); }
void CToolTipCtrl::Pop() { CC_SEND(TTM_POP, 0, 0); }

BOOL CToolTipCtrl::HitTest(CWnd* pWnd, CPoint pt, LPTOOLINFO lpToolInfo) const
{
    ASSERT(pWnd != NULL && lpToolInfo != NULL);
    TTHITTESTINFO hti;
    ZeroMemory(&hti, sizeof(hti));
    hti.ti.cbSize = TTTOOLINFOA_V2_SIZE;
    hti.hwnd = pWnd->GetSafeHwnd();
    hti.pt.x = pt.x;
    hti.pt.y = pt.y;
    if ((BOOL)CC_SEND(TTM_HITTEST, 0, &hti))
    {
        memcpy(lpToolInfo, &hti.ti, TTTOOLINFOA_V2_SIZE);
        return TRUE;
    }
    return FALSE;
}

void CToolTipCtrl::UpdateTipText(LPCTSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFO ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = (LPTSTR)lpszText;
    CC_SEND(TTM_UPDATETIPTEXT, 0, &ti);
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool)
{
    ASSERT(nIDText != 0);
    CString str;
    str.LoadString(nIDText);
    UpdateTipText(str, pWnd, nIDTool);
}

/////////////////////////////////////////////////////////////////////////////
// CComboBoxEx

IMPLEMENT_DYNAMIC(CComboBoxEx, CComboBox)

CComboBoxEx::CComboBoxEx() { }
CComboBoxEx::~CComboBoxEx() { DestroyWindow(); }

BOOL CComboBoxEx::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTL_COMBOEX_REG))
        return FALSE;
    CWnd* pWnd = this;
    return pWnd->Create(WC_COMBOBOXEX, NULL, dwStyle, rect, pParentWnd, nID);
}

int CComboBoxEx::DeleteItem(int iIndex) { return (int)CC_SEND(CBEM_DELETEITEM, iIndex, 0); }
BOOL CComboBoxEx::GetItem(COMBOBOXEXITEM* pCBItem) { return (BOOL)CC_SEND(CBEM_GETITEM, 0, pCBItem); }
BOOL CComboBoxEx::HasEditChanged() { return (BOOL)CC_SEND(CBEM_HASEDITCHANGED, 0, 0); }
int CComboBoxEx::InsertItem(const COMBOBOXEXITEM* pCBItem) { return (int)CC_SEND(CBEM_INSERTITEM, 0, pCBItem); }
BOOL CComboBoxEx::SetItem(const COMBOBOXEXITEM* pCBItem) { return (BOOL)CC_SEND(CBEM_SETITEM, 0, pCBItem); }
DWORD CComboBoxEx::GetExtendedStyle() const { return (DWORD)CC_SEND(CBEM_GETEXTENDEDSTYLE, 0, 0); }
DWORD CComboBoxEx::SetExtendedStyle(DWORD dwExMask, DWORD dwExStyles)
    { return (DWORD)CC_SEND(CBEM_SETEXTENDEDSTYLE, dwExMask, dwExStyles); }
CEdit* CComboBoxEx::GetEditCtrl()
    { return (CEdit*)CWnd::FromHandle((HWND)CC_SEND(CBEM_GETEDITCONTROL, 0, 0)); }
CComboBox* CComboBoxEx::GetComboBoxCtrl()
    { return (CComboBox*)CWnd::FromHandle((HWND)CC_SEND(CBEM_GETCOMBOCONTROL, 0, 0)); }
CImageList* CComboBoxEx::GetImageList() const
    { return CImageList::FromHandle((HIMAGELIST)CC_SEND(CBEM_GETIMAGELIST, 0, 0)); }
CImageList* CComboBoxEx::SetImageList(CImageList* pImageList)
    { return CImageList::FromHandle((HIMAGELIST)CC_SEND(CBEM_SETIMAGELIST, 0, pImageList->GetSafeHandle())); }

// The plain combo box's string operations do not apply to the items of an
// extended combo box; they fail as the control itself would.
int CComboBoxEx::Dir(UINT, LPCTSTR) { ASSERT(FALSE); return CB_ERR; }
int CComboBoxEx::FindString(int, LPCTSTR) const { ASSERT(FALSE); return CB_ERR; }
int CComboBoxEx::AddString(LPCTSTR) { ASSERT(FALSE); return CB_ERR; }
BOOL CComboBoxEx::SetEditSel(int, int) { ASSERT(FALSE); return FALSE; }
int CComboBoxEx::InsertString(int, LPCTSTR) { ASSERT(FALSE); return CB_ERR; }
