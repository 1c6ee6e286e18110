// CListCtrl: the list view common control.

#include <afxcmn.h>

#include "wnd_internal.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

BEGIN_MESSAGE_MAP(CListCtrl, CWnd)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

#define LV_SEND(msg, w, l) (ASSERT(::IsWindow(m_hWnd)), ::SendMessage(m_hWnd, msg, (WPARAM)(w), (LPARAM)(l)))

CListCtrl::CListCtrl()
{
}

CListCtrl::~CListCtrl()
{
    DestroyWindow();
}

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG))
        return FALSE;
    CWnd* pWnd = this;
    return pWnd->Create(WC_LISTVIEW, NULL, dwStyle, rect, pParentWnd, nID);
}

void CListCtrl::RemoveImageList(int nImageList)
{
    // image lists owned by objects of ours leave the control before they may
    // be destroyed with those objects
    HIMAGELIST hImageList = (HIMAGELIST)LV_SEND(LVM_GETIMAGELIST, nImageList, 0);
    if (CImageList::FromHandlePermanent(hImageList) != NULL)
        LV_SEND(LVM_SETIMAGELIST, nImageList, NULL);
}

void CListCtrl::OnNcDestroy()
{
    RemoveImageList(LVSIL_NORMAL);
    RemoveImageList(LVSIL_SMALL);
    RemoveImageList(LVSIL_STATE);
    CWnd::OnNcDestroy();
}

COLORREF CListCtrl::GetBkColor() const { return (COLORREF)LV_SEND(LVM_GETBKCOLOR, 0, 0); }
BOOL CListCtrl::SetBkColor(COLORREF cr) { return (BOOL)LV_SEND(LVM_SETBKCOLOR, 0, cr); }
CImageList* CListCtrl::GetImageList(int nImageList) const
    { return CImageList::FromHandle((HIMAGELIST)LV_SEND(LVM_GETIMAGELIST, nImageList, 0)); }
CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType)
{
    return CImageList::FromHandle((HIMAGELIST)LV_SEND(LVM_SETIMAGELIST, nImageListType,
                                                      pImageList->GetSafeHandle()));
}
int CListCtrl::GetItemCount() const { return (int)LV_SEND(LVM_GETITEMCOUNT, 0, 0); }
BOOL CListCtrl::GetItem(LVITEM* pItem) const { return (BOOL)LV_SEND(LVM_GETITEM, 0, pItem); }
BOOL CListCtrl::SetItem(const LVITEM* pItem) { return (BOOL)LV_SEND(LVM_SETITEM, 0, pItem); }
UINT CListCtrl::GetCallbackMask() const { return (UINT)LV_SEND(LVM_GETCALLBACKMASK, 0, 0); }
BOOL CListCtrl::SetCallbackMask(UINT nMask) { return (BOOL)LV_SEND(LVM_SETCALLBACKMASK, nMask, 0); }
int CListCtrl::GetNextItem(int nItem, int nFlags) const
    { return (int)LV_SEND(LVM_GETNEXTITEM, nItem, MAKELPARAM(nFlags, 0)); }
BOOL CListCtrl::SetItemPosition(int nItem, POINT pt)
    { return (BOOL)LV_SEND(LVM_SETITEMPOSITION32, nItem, &pt); }
BOOL CListCtrl::GetItemPosition(int nItem, LPPOINT lpPoint) const
    { return (BOOL)LV_SEND(LVM_GETITEMPOSITION, nItem, lpPoint); }
int CListCtrl::GetStringWidth(LPCTSTR lpsz) const { return (int)LV_SEND(LVM_GETSTRINGWIDTH, 0, lpsz); }
CEdit* CListCtrl::GetEditControl() const
    { return (CEdit*)CWnd::FromHandle((HWND)LV_SEND(LVM_GETEDITCONTROL, 0, 0)); }
BOOL CListCtrl::GetColumn(int nCol, LVCOLUMN* pColumn) const
    { return (BOOL)LV_SEND(LVM_GETCOLUMN, nCol, pColumn); }
BOOL CListCtrl::SetColumn(int nCol, const LVCOLUMN* pColumn)
    { return (BOOL)LV_SEND(LVM_SETCOLUMN, nCol, pColumn); }
int CListCtrl::GetColumnWidth(int nCol) const { return (int)LV_SEND(LVM_GETCOLUMNWIDTH, nCol, 0); }
BOOL CListCtrl::SetColumnWidth(int nCol, int cx)
    { return (BOOL)LV_SEND(LVM_SETCOLUMNWIDTH, nCol, MAKELPARAM(cx, 0)); }
BOOL CListCtrl::GetViewRect(LPRECT lpRect) const { return (BOOL)LV_SEND(LVM_GETVIEWRECT, 0, lpRect); }
COLORREF CListCtrl::GetTextColor() const { return (COLORREF)LV_SEND(LVM_GETTEXTCOLOR, 0, 0); }
BOOL CListCtrl::SetTextColor(COLORREF cr) { return (BOOL)LV_SEND(LVM_SETTEXTCOLOR, 0, cr); }
COLORREF CListCtrl::GetTextBkColor() const { return (COLORREF)LV_SEND(LVM_GETTEXTBKCOLOR, 0, 0); }
BOOL CListCtrl::SetTextBkColor(COLORREF cr) { return (BOOL)LV_SEND(LVM_SETTEXTBKCOLOR, 0, cr); }
int CListCtrl::GetTopIndex() const { return (int)LV_SEND(LVM_GETTOPINDEX, 0, 0); }
int CListCtrl::GetCountPerPage() const { return (int)LV_SEND(LVM_GETCOUNTPERPAGE, 0, 0); }
BOOL CListCtrl::GetOrigin(LPPOINT lpPoint) const { return (BOOL)LV_SEND(LVM_GETORIGIN, 0, lpPoint); }
BOOL CListCtrl::SetItemState(int nItem, LVITEM* pItem) { return (BOOL)LV_SEND(LVM_SETITEMSTATE, nItem, pItem); }
UINT CListCtrl::GetItemState(int nItem, UINT nMask) const { return (UINT)LV_SEND(LVM_GETITEMSTATE, nItem, nMask); }
void CListCtrl::SetItemCount(int nItems) { LV_SEND(LVM_SETITEMCOUNT, nItems, 0); }
UINT CListCtrl::GetSelectedCount() const { return (UINT)LV_SEND(LVM_GETSELECTEDCOUNT, 0, 0); }
DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
    { return (DWORD)LV_SEND(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, dwNewStyle); }
DWORD CListCtrl::GetExtendedStyle() { return (DWORD)LV_SEND(LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0); }
CHeaderCtrl* CListCtrl::GetHeaderCtrl()
    { return (CHeaderCtrl*)CWnd::FromHandle((HWND)LV_SEND(LVM_GETHEADER, 0, 0)); }
int CListCtrl::GetSelectionMark() { return (int)LV_SEND(LVM_GETSELECTIONMARK, 0, 0); }
int CListCtrl::SetSelectionMark(int iIndex) { return (int)LV_SEND(LVM_SETSELECTIONMARK, 0, iIndex); }
int CListCtrl::InsertItem(const LVITEM* pItem) { return (int)LV_SEND(LVM_INSERTITEM, 0, pItem); }
BOOL CListCtrl::DeleteItem(int nItem) { return (BOOL)LV_SEND(LVM_DELETEITEM, nItem, 0); }
BOOL CListCtrl::DeleteAllItems() { return (BOOL)LV_SEND(LVM_DELETEALLITEMS, 0, 0); }
int CListCtrl::FindItem(LVFINDINFO* pFindInfo, int nStart) const
    { return (int)LV_SEND(LVM_FINDITEM, nStart, pFindInfo); }
int CListCtrl::HitTest(LVHITTESTINFO* pHitTestInfo) const
    { return (int)LV_SEND(LVM_HITTEST, 0, pHitTestInfo); }
BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK)
    { return (BOOL)LV_SEND(LVM_ENSUREVISIBLE, nItem, MAKELPARAM(bPartialOK, 0)); }
BOOL CListCtrl::Scroll(CSize size) { return (BOOL)LV_SEND(LVM_SCROLL, size.cx, size.cy); }
BOOL CListCtrl::RedrawItems(int nFirst, int nLast) { return (BOOL)LV_SEND(LVM_REDRAWITEMS, nFirst, nLast); }
BOOL CListCtrl::Arrange(UINT nCode) { return (BOOL)LV_SEND(LVM_ARRANGE, nCode, 0); }
CEdit* CListCtrl::EditLabel(int nItem)
    { return (CEdit*)CWnd::FromHandle((HWND)LV_SEND(LVM_EDITLABEL, nItem, 0)); }
int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* pColumn)
    { return (int)LV_SEND(LVM_INSERTCOLUMN, nCol, pColumn); }
BOOL CListCtrl::DeleteColumn(int nCol) { return (BOOL)LV_SEND(LVM_DELETECOLUMN, nCol, 0); }
BOOL CListCtrl::Update(int nItem) { return (BOOL)LV_SEND(LVM_UPDATE, nItem, 0); }
BOOL CListCtrl::SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
    { return (BOOL)LV_SEND(LVM_SORTITEMS, dwData, pfnCompare); }

BOOL CListCtrl::SetItemCountEx(int iCount, DWORD dwFlags)
{
    // the flags mean something only to a list that keeps no items itself
    ASSERT(dwFlags == 0 || (GetStyle() & LVS_OWNERDATA));
    return (BOOL)LV_SEND(LVM_SETITEMCOUNT, iCount, dwFlags);
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem,
                        int nImage, UINT nState, UINT nStateMask, LPARAM lParam)
{
    LVITEM lvi;
    ZeroMemory(&lvi, sizeof(lvi));
    lvi.mask = nMask;
    lvi.iItem = nItem;
    lvi.iSubItem = nSubItem;
    lvi.stateMask = nStateMask;
    lvi.state = nState;
    lvi.pszText = (LPTSTR)lpszItem;
    lvi.iImage = nImage;
    lvi.lParam = lParam;
    return (BOOL)LV_SEND(LVM_SETITEM, 0, &lvi);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState,
                          UINT nStateMask, int nImage, LPARAM lParam)
{
    LVITEM item;
    ZeroMemory(&item, sizeof(item));
    item.mask = nMask;
    item.iItem = nItem;
    item.state = nState;
    item.stateMask = nStateMask;
    item.pszText = (LPTSTR)lpszItem;
    item.iImage = nImage;
    item.lParam = lParam;
    return (int)LV_SEND(LVM_INSERTITEM, 0, &item);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
{
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nStateMask)
{
    LVITEM lvi;
    ZeroMemory(&lvi, sizeof(lvi));
    lvi.stateMask = nStateMask;
    lvi.state = nState;
    return (BOOL)LV_SEND(LVM_SETITEMSTATE, nItem, &lvi);
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    LVITEM lvi;
    ZeroMemory(&lvi, sizeof(lvi));
    lvi.iSubItem = nSubItem;
    lvi.pszText = (LPTSTR)lpszText;
    return (BOOL)LV_SEND(LVM_SETITEMTEXT, nItem, &lvi);
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const
{
    LVITEM lvi;
    ZeroMemory(&lvi, sizeof(lvi));
    lvi.iSubItem = nSubItem;
    lvi.cchTextMax = nLen;
    lvi.pszText = lpszText;
    return (int)LV_SEND(LVM_GETITEMTEXT, nItem, &lvi);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    ASSERT(::IsWindow(m_hWnd));
    LVITEM lvi;
    ZeroMemory(&lvi, sizeof(lvi));
    lvi.iSubItem = nSubItem;
    CString str;
    // grow the buffer until the text fits with room to spare
    int nLen = 128;
    int nRes;
    do
    {
        nLen *= 2;
        lvi.cchTextMax = nLen;
        lvi.pszText = str.GetBufferSetLength(nLen);
        lvi.pszText[0] = '\0';
        nRes = (int)::SendMessage(m_hWnd, LVM_GETITEMTEXT, (WPARAM)nItem, (LPARAM)&lvi);
    } while (nRes >= nLen - 1 && nLen < 0x100000);
    str.ReleaseBuffer();
    return str;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    return SetItem(nItem, 0, LVIF_PARAM, NULL, 0, 0, 0, (LPARAM)dwData);
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEM lvi;
    ZeroMemory(&lvi, sizeof(lvi));
    lvi.iItem = nItem;
    lvi.mask = LVIF_PARAM;
    if (!LV_SEND(LVM_GETITEM, 0, &lvi))
        return 0;
    return (DWORD_PTR)lvi.lParam;
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    return (POSITION)(DWORD_PTR)(1 + GetNextItem(-1, LVNI_SELECTED));
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const
{
    int nOldPos = (int)(DWORD_PTR)pos - 1;
    pos = (POSITION)(DWORD_PTR)(1 + GetNextItem(nOldPos, LVNI_SELECTED));
    return nOldPos;
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
{
    ASSERT(lpRect != NULL);
    lpRect->left = (LONG)nCode;
    return (BOOL)LV_SEND(LVM_GETITEMRECT, nItem, lpRect);
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    LVHITTESTINFO hti;
    ZeroMemory(&hti, sizeof(hti));
    hti.pt = pt;
    int nRes = (int)LV_SEND(LVM_HITTEST, 0, &hti);
    if (pFlags != NULL)
        *pFlags = hti.flags;
    return nRes;
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat,
                            int nWidth, int nSubItem)
{
    LVCOLUMN column;
    ZeroMemory(&column, sizeof(column));
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = (LPTSTR)lpszColumnHeading;
    column.fmt = nFormat;
    if (nWidth != -1)
    {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1)
    {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return (int)LV_SEND(LVM_INSERTCOLUMN, nCol, &column);
}

CImageList* CListCtrl::CreateDragImage(int nItem, LPPOINT lpPoint)
{
    ASSERT(::IsWindow(m_hWnd));
    POINT ptUnused;
    HIMAGELIST hImageList = (HIMAGELIST)::SendMessage(m_hWnd, LVM_CREATEDRAGIMAGE, (WPARAM)nItem,
                                                      (LPARAM)(lpPoint != NULL ? lpPoint : &ptUnused));
    if (hImageList == NULL)
        return NULL;
    CImageList* pImageList = new CImageList;
    if (!pImageList->Attach(hImageList))
    {
        ImageList_Destroy(hImageList);
        delete pImageList;
        return NULL;
    }
    return pImageList;
}
