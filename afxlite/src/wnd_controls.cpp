// Thin wrappers of the standard controls: a validity check and one message
// each; owner-draw controls draw, measure, compare and delete their items
// through the messages their parent reflects to them.

#include <afxwin.h>

#include "wnd_internal.h"

/////////////////////////////////////////////////////////////////////////////
// CStatic

IMPLEMENT_DYNAMIC(CStatic, CWnd)

CStatic::CStatic() { }
CStatic::~CStatic() { DestroyWindow(); }

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(_T("STATIC"), lpszText, dwStyle, rect, pParentWnd, nID);
}

HICON CStatic::SetIcon(HICON hIcon)
    { ASSERT(::IsWindow(m_hWnd)); return (HICON)::SendMessage(m_hWnd, STM_SETICON, (WPARAM)hIcon, 0); }
HICON CStatic::GetIcon() const
    { ASSERT(::IsWindow(m_hWnd)); return (HICON)::SendMessage(m_hWnd, STM_GETICON, 0, 0); }
HBITMAP CStatic::SetBitmap(HBITMAP hBitmap)
    { ASSERT(::IsWindow(m_hWnd)); return (HBITMAP)::SendMessage(m_hWnd, STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap); }
HBITMAP CStatic::GetBitmap() const
    { ASSERT(::IsWindow(m_hWnd)); return (HBITMAP)::SendMessage(m_hWnd, STM_GETIMAGE, IMAGE_BITMAP, 0); }
HCURSOR CStatic::SetCursor(HCURSOR hCursor)
    { ASSERT(::IsWindow(m_hWnd)); return (HCURSOR)::SendMessage(m_hWnd, STM_SETIMAGE, IMAGE_CURSOR, (LPARAM)hCursor); }
HCURSOR CStatic::GetCursor()
    { ASSERT(::IsWindow(m_hWnd)); return (HCURSOR)::SendMessage(m_hWnd, STM_GETIMAGE, IMAGE_CURSOR, 0); }

/////////////////////////////////////////////////////////////////////////////
// CButton

IMPLEMENT_DYNAMIC(CButton, CWnd)

CButton::CButton() { }
CButton::~CButton() { DestroyWindow(); }

BOOL CButton::Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(_T("BUTTON"), lpszCaption, dwStyle, rect, pParentWnd, nID);
}

UINT CButton::GetState() const
    { ASSERT(::IsWindow(m_hWnd)); return (UINT)::SendMessage(m_hWnd, BM_GETSTATE, 0, 0); }
void CButton::SetState(BOOL bHighlight)
    { ASSERT(::IsWindow(m_hWnd)); ::SendMessage(m_hWnd, BM_SETSTATE, bHighlight, 0); }
int CButton::GetCheck() const
    { ASSERT(::IsWindow(m_hWnd)); return (int)::SendMessage(m_hWnd, BM_GETCHECK, 0, 0); }
void CButton::SetCheck(int nCheck)
    { ASSERT(::IsWindow(m_hWnd)); ::SendMessage(m_hWnd, BM_SETCHECK, nCheck, 0); }
UINT CButton::GetButtonStyle() const
    { ASSERT(::IsWindow(m_hWnd)); return (UINT)::GetWindowLongPtr(m_hWnd, GWL_STYLE) & 0xFFFF; }
void CButton::SetButtonStyle(UINT nStyle, BOOL bRedraw)
    { ASSERT(::IsWindow(m_hWnd)); ::SendMessage(m_hWnd, BM_SETSTYLE, nStyle, (LPARAM)bRedraw); }
HICON CButton::SetIcon(HICON hIcon)
    { ASSERT(::IsWindow(m_hWnd)); return (HICON)::SendMessage(m_hWnd, BM_SETIMAGE, IMAGE_ICON, (LPARAM)hIcon); }
HICON CButton::GetIcon() const
    { ASSERT(::IsWindow(m_hWnd)); return (HICON)::SendMessage(m_hWnd, BM_GETIMAGE, IMAGE_ICON, 0); }
HBITMAP CButton::SetBitmap(HBITMAP hBitmap)
    { ASSERT(::IsWindow(m_hWnd)); return (HBITMAP)::SendMessage(m_hWnd, BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap); }
HBITMAP CButton::GetBitmap() const
    { ASSERT(::IsWindow(m_hWnd)); return (HBITMAP)::SendMessage(m_hWnd, BM_GETIMAGE, IMAGE_BITMAP, 0); }
HCURSOR CButton::SetCursor(HCURSOR hCursor)
    { ASSERT(::IsWindow(m_hWnd)); return (HCURSOR)::SendMessage(m_hWnd, BM_SETIMAGE, IMAGE_CURSOR, (LPARAM)hCursor); }
HCURSOR CButton::GetCursor()
    { ASSERT(::IsWindow(m_hWnd)); return (HCURSOR)::SendMessage(m_hWnd, BM_GETIMAGE, IMAGE_CURSOR, 0); }

void CButton::DrawItem(LPDRAWITEMSTRUCT)
{
    // an owner-draw button's class must draw it
    ASSERT(FALSE);
}

BOOL CButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem((LPDRAWITEMSTRUCT)lParam);
    if (pResult != NULL)
        *pResult = TRUE;
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Owner-draw items of list and combo boxes, as reflected by the parent

namespace {

template <class TControl>
BOOL OwnerItemNotify(TControl* pControl, UINT message, LPARAM lParam, LRESULT* pResult)
{
    LRESULT lResult = TRUE;
    switch (message)
    {
    case WM_DRAWITEM:
        pControl->DrawItem((LPDRAWITEMSTRUCT)lParam);
        break;
    case WM_MEASUREITEM:
        pControl->MeasureItem((LPMEASUREITEMSTRUCT)lParam);
        break;
    case WM_COMPAREITEM:
        lResult = pControl->CompareItem((LPCOMPAREITEMSTRUCT)lParam);
        break;
    case WM_DELETEITEM:
        pControl->DeleteItem((LPDELETEITEMSTRUCT)lParam);
        break;
    default:
        return FALSE;
    }
    if (pResult != NULL)
        *pResult = lResult;
    return TRUE;
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// CListBox

IMPLEMENT_DYNAMIC(CListBox, CWnd)

CListBox::CListBox() { }
CListBox::~CListBox() { DestroyWindow(); }

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(_T("LISTBOX"), NULL, dwStyle, rect, pParentWnd, nID);
}

#define LB_SEND(msg, w, l) (ASSERT(::IsWindow(m_hWnd)), ::SendMessage(m_hWnd, msg, (WPARAM)(w), (LPARAM)(l)))

int CListBox::GetCount() const { return (int)LB_SEND(LB_GETCOUNT, 0, 0); }
int CListBox::GetHorizontalExtent() const { return (int)LB_SEND(LB_GETHORIZONTALEXTENT, 0, 0); }
void CListBox::SetHorizontalExtent(int cxExtent) { LB_SEND(LB_SETHORIZONTALEXTENT, cxExtent, 0); }
int CListBox::GetTopIndex() const { return (int)LB_SEND(LB_GETTOPINDEX, 0, 0); }
int CListBox::SetTopIndex(int nIndex) { return (int)LB_SEND(LB_SETTOPINDEX, nIndex, 0); }
int CListBox::GetCurSel() const { return (int)LB_SEND(LB_GETCURSEL, 0, 0); }
int CListBox::SetCurSel(int nSelect) { return (int)LB_SEND(LB_SETCURSEL, nSelect, 0); }
int CListBox::GetSel(int nIndex) const { return (int)LB_SEND(LB_GETSEL, nIndex, 0); }
int CListBox::SetSel(int nIndex, BOOL bSelect) { return (int)LB_SEND(LB_SETSEL, bSelect, nIndex); }
int CListBox::GetSelCount() const { return (int)LB_SEND(LB_GETSELCOUNT, 0, 0); }
int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const { return (int)LB_SEND(LB_GETSELITEMS, nMaxItems, rgIndex); }
DWORD_PTR CListBox::GetItemData(int nIndex) const { return (DWORD_PTR)LB_SEND(LB_GETITEMDATA, nIndex, 0); }
void* CListBox::GetItemDataPtr(int nIndex) const { return (void*)LB_SEND(LB_GETITEMDATA, nIndex, 0); }
int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData) { return (int)LB_SEND(LB_SETITEMDATA, nIndex, dwItemData); }
int CListBox::SetItemDataPtr(int nIndex, void* pData) { return (int)LB_SEND(LB_SETITEMDATA, nIndex, pData); }
int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const { return (int)LB_SEND(LB_GETITEMRECT, nIndex, lpRect); }
int CListBox::GetText(int nIndex, LPTSTR lpszBuffer) const { return (int)LB_SEND(LB_GETTEXT, nIndex, lpszBuffer); }
int CListBox::GetTextLen(int nIndex) const { return (int)LB_SEND(LB_GETTEXTLEN, nIndex, 0); }
int CListBox::SetItemHeight(int nIndex, UINT cyItemHeight) { return (int)LB_SEND(LB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0)); }
int CListBox::GetItemHeight(int nIndex) const { return (int)LB_SEND(LB_GETITEMHEIGHT, nIndex, 0); }
int CListBox::GetCaretIndex() const { return (int)LB_SEND(LB_GETCARETINDEX, 0, 0); }
int CListBox::SetCaretIndex(int nIndex, BOOL bScroll) { return (int)LB_SEND(LB_SETCARETINDEX, nIndex, MAKELONG(bScroll, 0)); }
int CListBox::AddString(LPCTSTR lpszItem) { return (int)LB_SEND(LB_ADDSTRING, 0, lpszItem); }
int CListBox::DeleteString(UINT nIndex) { return (int)LB_SEND(LB_DELETESTRING, nIndex, 0); }
int CListBox::InsertString(int nIndex, LPCTSTR lpszItem) { return (int)LB_SEND(LB_INSERTSTRING, nIndex, lpszItem); }
void CListBox::ResetContent() { LB_SEND(LB_RESETCONTENT, 0, 0); }
int CListBox::FindString(int nStartAfter, LPCTSTR lpszItem) const { return (int)LB_SEND(LB_FINDSTRING, nStartAfter, lpszItem); }
int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const { return (int)LB_SEND(LB_FINDSTRINGEXACT, nIndexStart, lpszFind); }
int CListBox::SelectString(int nStartAfter, LPCTSTR lpszItem) { return (int)LB_SEND(LB_SELECTSTRING, nStartAfter, lpszItem); }

void CListBox::GetText(int nIndex, CString& rString) const
{
    ASSERT(::IsWindow(m_hWnd));
    int nLen = GetTextLen(nIndex);
    if (nLen == LB_ERR)
    {
        rString.Empty();
        return;
    }
    GetText(nIndex, rString.GetBufferSetLength(nLen));
    rString.ReleaseBuffer();
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) { ASSERT(FALSE); }
void CListBox::MeasureItem(LPMEASUREITEMSTRUCT) { ASSERT(FALSE); }
int CListBox::CompareItem(LPCOMPAREITEMSTRUCT) { ASSERT(FALSE); return 0; }
void CListBox::DeleteItem(LPDELETEITEMSTRUCT) { /* default to nothing */ }

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (OwnerItemNotify(this, message, lParam, pResult))
        return TRUE;
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

/////////////////////////////////////////////////////////////////////////////
// CComboBox

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

CComboBox::CComboBox() { }
CComboBox::~CComboBox() { DestroyWindow(); }

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(_T("COMBOBOX"), NULL, dwStyle, rect, pParentWnd, nID);
}

#define CB_SEND LB_SEND

int CComboBox::GetCount() const { return (int)CB_SEND(CB_GETCOUNT, 0, 0); }
int CComboBox::GetCurSel() const { return (int)CB_SEND(CB_GETCURSEL, 0, 0); }
int CComboBox::SetCurSel(int nSelect) { return (int)CB_SEND(CB_SETCURSEL, nSelect, 0); }
DWORD CComboBox::GetEditSel() const { return (DWORD)CB_SEND(CB_GETEDITSEL, 0, 0); }
BOOL CComboBox::LimitText(int nMaxChars) { return (BOOL)CB_SEND(CB_LIMITTEXT, nMaxChars, 0); }
BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar) { return (BOOL)CB_SEND(CB_SETEDITSEL, 0, MAKELONG(nStartChar, nEndChar)); }
DWORD_PTR CComboBox::GetItemData(int nIndex) const { return (DWORD_PTR)CB_SEND(CB_GETITEMDATA, nIndex, 0); }
int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) { return (int)CB_SEND(CB_SETITEMDATA, nIndex, dwItemData); }
void* CComboBox::GetItemDataPtr(int nIndex) const { return (void*)CB_SEND(CB_GETITEMDATA, nIndex, 0); }
int CComboBox::SetItemDataPtr(int nIndex, void* pData) { return (int)CB_SEND(CB_SETITEMDATA, nIndex, pData); }
int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const { return (int)CB_SEND(CB_GETLBTEXT, nIndex, lpszText); }
int CComboBox::GetLBTextLen(int nIndex) const { return (int)CB_SEND(CB_GETLBTEXTLEN, nIndex, 0); }
int CComboBox::SetItemHeight(int nIndex, UINT cyItemHeight) { return (int)CB_SEND(CB_SETITEMHEIGHT, nIndex, MAKELONG(cyItemHeight, 0)); }
int CComboBox::GetItemHeight(int nIndex) const { return (int)CB_SEND(CB_GETITEMHEIGHT, nIndex, 0); }
int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const { return (int)CB_SEND(CB_FINDSTRINGEXACT, nIndexStart, lpszFind); }
int CComboBox::SetExtendedUI(BOOL bExtended) { return (int)CB_SEND(CB_SETEXTENDEDUI, bExtended, 0); }
BOOL CComboBox::GetExtendedUI() const { return (BOOL)CB_SEND(CB_GETEXTENDEDUI, 0, 0); }
void CComboBox::GetDroppedControlRect(LPRECT lprect) const { CB_SEND(CB_GETDROPPEDCONTROLRECT, 0, lprect); }
BOOL CComboBox::GetDroppedState() const { return (BOOL)CB_SEND(CB_GETDROPPEDSTATE, 0, 0); }
int CComboBox::GetDroppedWidth() const { return (int)CB_SEND(CB_GETDROPPEDWIDTH, 0, 0); }
int CComboBox::SetDroppedWidth(UINT nWidth) { return (int)CB_SEND(CB_SETDROPPEDWIDTH, nWidth, 0); }
int CComboBox::GetTopIndex() const { return (int)CB_SEND(CB_GETTOPINDEX, 0, 0); }
int CComboBox::SetTopIndex(int nIndex) { return (int)CB_SEND(CB_SETTOPINDEX, nIndex, 0); }
void CComboBox::ShowDropDown(BOOL bShowIt) { CB_SEND(CB_SHOWDROPDOWN, bShowIt, 0); }
int CComboBox::AddString(LPCTSTR lpszString) { return (int)CB_SEND(CB_ADDSTRING, 0, lpszString); }
int CComboBox::DeleteString(UINT nIndex) { return (int)CB_SEND(CB_DELETESTRING, nIndex, 0); }
int CComboBox::InsertString(int nIndex, LPCTSTR lpszString) { return (int)CB_SEND(CB_INSERTSTRING, nIndex, lpszString); }
void CComboBox::ResetContent() { CB_SEND(CB_RESETCONTENT, 0, 0); }
int CComboBox::Dir(UINT attr, LPCTSTR lpszWildCard) { return (int)CB_SEND(CB_DIR, attr, lpszWildCard); }
int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const { return (int)CB_SEND(CB_FINDSTRING, nStartAfter, lpszString); }
int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString) { return (int)CB_SEND(CB_SELECTSTRING, nStartAfter, lpszString); }
void CComboBox::Clear() { CB_SEND(WM_CLEAR, 0, 0); }
void CComboBox::Copy() { CB_SEND(WM_COPY, 0, 0); }
void CComboBox::Cut() { CB_SEND(WM_CUT, 0, 0); }
void CComboBox::Paste() { CB_SEND(WM_PASTE, 0, 0); }

void CComboBox::GetLBText(int nIndex, CString& rString) const
{
    ASSERT(::IsWindow(m_hWnd));
    int nLen = GetLBTextLen(nIndex);
    if (nLen == CB_ERR)
    {
        rString.Empty();
        return;
    }
    GetLBText(nIndex, rString.GetBufferSetLength(nLen));
    rString.ReleaseBuffer();
}

void CComboBox::DrawItem(LPDRAWITEMSTRUCT) { ASSERT(FALSE); }
void CComboBox::MeasureItem(LPMEASUREITEMSTRUCT) { ASSERT(FALSE); }
int CComboBox::CompareItem(LPCOMPAREITEMSTRUCT) { ASSERT(FALSE); return 0; }
void CComboBox::DeleteItem(LPDELETEITEMSTRUCT) { /* default to nothing */ }

BOOL CComboBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (OwnerItemNotify(this, message, lParam, pResult))
        return TRUE;
    return CWnd::OnChildNotify(message, wParam, lParam, pResult);
}

/////////////////////////////////////////////////////////////////////////////
// CEdit

IMPLEMENT_DYNAMIC(CEdit, CWnd)

CEdit::CEdit() { }
CEdit::~CEdit() { DestroyWindow(); }

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(_T("EDIT"), NULL, dwStyle, rect, pParentWnd, nID);
}

#define ED_SEND LB_SEND

BOOL CEdit::CanUndo() const { return (BOOL)ED_SEND(EM_CANUNDO, 0, 0); }
int CEdit::GetLineCount() const { return (int)ED_SEND(EM_GETLINECOUNT, 0, 0); }
BOOL CEdit::GetModify() const { return (BOOL)ED_SEND(EM_GETMODIFY, 0, 0); }
void CEdit::SetModify(BOOL bModified) { ED_SEND(EM_SETMODIFY, bModified, 0); }
void CEdit::GetRect(LPRECT lpRect) const { ED_SEND(EM_GETRECT, 0, lpRect); }
DWORD CEdit::GetSel() const { return (DWORD)ED_SEND(EM_GETSEL, 0, 0); }
void CEdit::GetSel(int& nStartChar, int& nEndChar) const
{
    DWORD dwStart = 0;
    DWORD dwEnd = 0;
    ED_SEND(EM_GETSEL, &dwStart, &dwEnd);
    nStartChar = (int)dwStart;
    nEndChar = (int)dwEnd;
}
HLOCAL CEdit::GetHandle() const { return (HLOCAL)ED_SEND(EM_GETHANDLE, 0, 0); }
void CEdit::SetHandle(HLOCAL hBuffer) { ED_SEND(EM_SETHANDLE, hBuffer, 0); }
void CEdit::SetMargins(UINT nLeft, UINT nRight) { ED_SEND(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight)); }
DWORD CEdit::GetMargins() const { return (DWORD)ED_SEND(EM_GETMARGINS, 0, 0); }
void CEdit::SetLimitText(UINT nMax) { ED_SEND(EM_SETLIMITTEXT, nMax, 0); }
UINT CEdit::GetLimitText() const { return (UINT)ED_SEND(EM_GETLIMITTEXT, 0, 0); }
int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer) const { return (int)ED_SEND(EM_GETLINE, nIndex, lpszBuffer); }
int CEdit::GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const
{
    // EM_GETLINE reads the buffer's size from its first word
    if (nMaxLength < (int)sizeof(WORD))
        return 0;
    *(LPWORD)lpszBuffer = (WORD)nMaxLength;
    return (int)ED_SEND(EM_GETLINE, nIndex, lpszBuffer);
}
void CEdit::EmptyUndoBuffer() { ED_SEND(EM_EMPTYUNDOBUFFER, 0, 0); }
BOOL CEdit::FmtLines(BOOL bAddEOL) { return (BOOL)ED_SEND(EM_FMTLINES, bAddEOL, 0); }
void CEdit::LimitText(int nChars) { ED_SEND(EM_LIMITTEXT, nChars, 0); }
int CEdit::LineFromChar(int nIndex) const { return (int)ED_SEND(EM_LINEFROMCHAR, nIndex, 0); }
int CEdit::LineIndex(int nLine) const { return (int)ED_SEND(EM_LINEINDEX, nLine, 0); }
int CEdit::LineLength(int nLine) const { return (int)ED_SEND(EM_LINELENGTH, nLine, 0); }
void CEdit::LineScroll(int nLines, int nChars) { ED_SEND(EM_LINESCROLL, nChars, nLines); }
void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo) { ED_SEND(EM_REPLACESEL, bCanUndo, lpszNewText); }
void CEdit::SetPasswordChar(TCHAR ch) { ED_SEND(EM_SETPASSWORDCHAR, (BYTE)ch, 0); }
void CEdit::SetRect(LPCRECT lpRect) { ED_SEND(EM_SETRECT, 0, lpRect); }
void CEdit::SetRectNP(LPCRECT lpRect) { ED_SEND(EM_SETRECTNP, 0, lpRect); }
void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll)
{
    ED_SEND(EM_SETSEL, LOWORD(dwSelection), HIWORD(dwSelection));
    if (!bNoScroll)
        ED_SEND(EM_SCROLLCARET, 0, 0);
}
void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll)
{
    ED_SEND(EM_SETSEL, nStartChar, nEndChar);
    if (!bNoScroll)
        ED_SEND(EM_SCROLLCARET, 0, 0);
}
BOOL CEdit::SetTabStops(int nTabStops, LPINT rgTabStops) { return (BOOL)ED_SEND(EM_SETTABSTOPS, nTabStops, rgTabStops); }
void CEdit::SetTabStops() { ED_SEND(EM_SETTABSTOPS, 0, 0); }
BOOL CEdit::SetTabStops(const int& cxEachStop) { return (BOOL)ED_SEND(EM_SETTABSTOPS, 1, &cxEachStop); }
BOOL CEdit::Undo() { return (BOOL)ED_SEND(EM_UNDO, 0, 0); }
void CEdit::Clear() { ED_SEND(WM_CLEAR, 0, 0); }
void CEdit::Copy() { ED_SEND(WM_COPY, 0, 0); }
void CEdit::Cut() { ED_SEND(WM_CUT, 0, 0); }
void CEdit::Paste() { ED_SEND(WM_PASTE, 0, 0); }
BOOL CEdit::SetReadOnly(BOOL bReadOnly) { return (BOOL)ED_SEND(EM_SETREADONLY, bReadOnly, 0); }
int CEdit::GetFirstVisibleLine() const { return (int)ED_SEND(EM_GETFIRSTVISIBLELINE, 0, 0); }
TCHAR CEdit::GetPasswordChar() const { return (TCHAR)ED_SEND(EM_GETPASSWORDCHAR, 0, 0); }

/////////////////////////////////////////////////////////////////////////////
// CScrollBar

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

CScrollBar::CScrollBar() { }
CScrollBar::~CScrollBar() { DestroyWindow(); }

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(_T("SCROLLBAR"), NULL, dwStyle, rect, pParentWnd, nID);
}

int CScrollBar::GetScrollPos() const
    { ASSERT(::IsWindow(m_hWnd)); return ::GetScrollPos(m_hWnd, SB_CTL); }
int CScrollBar::SetScrollPos(int nPos, BOOL bRedraw)
    { ASSERT(::IsWindow(m_hWnd)); return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw); }
void CScrollBar::GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const
    { ASSERT(::IsWindow(m_hWnd)); ::GetScrollRange(m_hWnd, SB_CTL, lpMinPos, lpMaxPos); }
void CScrollBar::SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw)
    { ASSERT(::IsWindow(m_hWnd)); ::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw); }
void CScrollBar::ShowScrollBar(BOOL bShow)
    { ASSERT(::IsWindow(m_hWnd)); ::ShowScrollBar(m_hWnd, SB_CTL, bShow); }
BOOL CScrollBar::EnableScrollBar(UINT nArrowFlags)
    { ASSERT(::IsWindow(m_hWnd)); return ::EnableScrollBar(m_hWnd, SB_CTL, nArrowFlags); }
BOOL CScrollBar::SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    ASSERT(::IsWindow(m_hWnd));
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    ::SetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo, bRedraw);
    return TRUE;
}
BOOL CScrollBar::GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    ASSERT(::IsWindow(m_hWnd));
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    return ::GetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo);
}
int CScrollBar::GetScrollLimit()
{
    SCROLLINFO info;
    if (!GetScrollInfo(&info, SIF_RANGE | SIF_PAGE))
        return 0;
    int nLimit = info.nMax;
    if (info.nPage > 1)
        nLimit -= (int)info.nPage - 1;
    return nLimit;
}
