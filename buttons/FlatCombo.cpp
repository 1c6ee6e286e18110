// FlatCombo.cpp - the flat extended combo box

#include "FlatCombo.h"

#include <afxext.h>

#include <mbstring.h>
#include <stdlib.h>
#include <string.h>
#include <wchar.h>

namespace
{
	// Every rectangle and state the extended combo box is created with when
	// the object is not bound to a window yet.
	const RECT kDefaultRect = { 0, 0, 122, 175 };
	const UINT kDefaultId = 1;
	const DWORD kDefaultStyle = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | CBS_DROPDOWNLIST;
	const int kDefaultItemHeight = 22;
	// Room added below a replaced combo box for its list.
	const int kListRoom = 120;

	// Item texts travel in 256-byte buffers of which 255 bytes are used.
	const int kTextBuffer = 256;
	const int kTextMax = 255;
	// A wide tip text takes this many bytes of m_strTip.
	const int kWideTipBytes = 512;

	// Style bits that tell how the inner box is found.
	const DWORD kDropDownBit = 0x2;     // CBS_DROPDOWN and CBS_DROPDOWNLIST
	const DWORD kSimpleBit = 0x1;       // CBS_SIMPLE

	// The framework's tool flag that shows a tip even while the owning
	// top-level window is not active.
	const UINT kAlwaysTip = 0x40000000;

	BOOL IsComboBoxClass(HWND hWnd)
	{
		char szClass[256];
		if (hWnd == NULL || ::GetClassNameA(hWnd, szClass, 256) == 0)
			return FALSE;
		return _mbsicmp(reinterpret_cast<const unsigned char*>(szClass),
		                reinterpret_cast<const unsigned char*>("COMBOBOX")) == 0;
	}

	const unsigned char* Mbs(LPCTSTR psz)
	{
		return reinterpret_cast<const unsigned char*>(psz);
	}
}

HWND CFlatCombo::s_hwndFocusBefore = NULL;

/////////////////////////////////////////////////////////////////////////////
// Construction

CFlatCombo::CFlatCombo()
	: m_hComboBox(NULL), m_rcFrame(0, 0, 0, 0), m_nFrameState(FS_Normal)
{
}

CFlatCombo::~CFlatCombo()
{
	// m_strTip, then m_frameHook (which unhooks), then the CComboBoxEx part.
}

BEGIN_MESSAGE_MAP(CFlatCombo, CWnd)
	ON_WM_CREATE()
	ON_WM_DESTROY()
	ON_WM_SIZE()
	ON_WM_LBUTTONDOWN()
	ON_WM_LBUTTONUP()
	ON_WM_MOUSEMOVE()
	ON_WM_CHAR()
	ON_WM_DRAWITEM()
	ON_CONTROL_REFLECT(CBN_CLOSEUP, OnCloseUp)
	ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnToolTipNeedTextA)
	ON_NOTIFY_EX(TTN_NEEDTEXTW, 0, OnToolTipNeedTextW)
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// Operations

BOOL CFlatCombo::Recreate(CWnd* pParentWnd)
{
	CRect rect(kDefaultRect);
	UINT nID = kDefaultId;
	DWORD dwStyle = kDefaultStyle;
	int nItemHeight = kDefaultItemHeight;

	if (m_hWnd != NULL)
	{
		nID = (UINT)::GetWindowLongA(m_hWnd, GWL_ID);
		dwStyle = (DWORD)::GetWindowLongA(m_hWnd, GWL_STYLE);
		GetWindowRect(&rect);
		::MapWindowPoints(NULL, pParentWnd->GetSafeHwnd(), reinterpret_cast<POINT*>(&rect), 2);
		nItemHeight = (int)SendMessage(CB_GETITEMHEIGHT, (WPARAM)-1, 0);
		rect.bottom += kListRoom;
		DestroyWindow();
	}

	if (!CComboBoxEx::Create(dwStyle, rect, pParentWnd, nID))
		return FALSE;
	SendMessage(CB_SETITEMHEIGHT, (WPARAM)-1, nItemHeight);
	return TRUE;
}

int CFlatCombo::FindStringExact(int nIndexStart, LPCTSTR lpszFind)
{
	if (lpszFind == NULL)
		return CB_ERR;
	const int nCount = GetCount();
	char szText[kTextBuffer];
	for (int i = nIndexStart < 0 ? 0 : nIndexStart; i < nCount; i++)
	{
		if (!ReadItemText(i, szText))
			return CB_ERR;
		if (_mbscmp(Mbs(szText), Mbs(lpszFind)) == 0)
			return i;
	}
	return CB_ERR;
}

int CFlatCombo::FindString(int nStartAfter, LPCTSTR lpszPrefix)
{
	if (lpszPrefix == NULL)
		return CB_ERR;
	const int nCount = GetCount();
	const int nStart = nStartAfter < 0 ? 0 : nStartAfter;
	const size_t nPrefix = strlen(lpszPrefix);
	char szText[kTextBuffer];
	// From the start to the end, then from the top up to the start.
	for (int i = nStart; i < nCount; i++)
	{
		if (!ReadItemText(i, szText))
			return CB_ERR;
		if (_mbsnbicmp(Mbs(szText), Mbs(lpszPrefix), nPrefix) == 0)
			return i;
	}
	for (int i = 0; i < nStart && i < nCount; i++)
	{
		if (!ReadItemText(i, szText))
			return CB_ERR;
		if (_mbsnbicmp(Mbs(szText), Mbs(lpszPrefix), nPrefix) == 0)
			return i;
	}
	return CB_ERR;
}

int CFlatCombo::AddString(LPCTSTR lpszString)
{
	return InsertTextItem(GetCount(), lpszString);
}

int CFlatCombo::InsertString(int nIndex, LPCTSTR lpszString)
{
	const int nCount = GetCount();
	if (nIndex < 0)
		nIndex = 0;
	else if (nIndex > nCount)
		nIndex = nCount;
	return InsertTextItem(nIndex, lpszString);
}

int CFlatCombo::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
	const int nHit = CComboBoxEx::OnToolHitTest(point, pTI);
	if (pTI != NULL)
	{
		pTI->uFlags |= kAlwaysTip;
		pTI->lpszText = LPSTR_TEXTCALLBACK;
		if (nHit >= 0)
			pTI->hwnd = m_hWnd;
	}
	return nHit;
}

/////////////////////////////////////////////////////////////////////////////
// Implementation helpers

BOOL CFlatCombo::ReadItemText(int nIndex, LPTSTR pszText)
{
	COMBOBOXEXITEM item;
	memset(&item, 0, sizeof(item));
	item.mask = CBEIF_TEXT;
	item.iItem = nIndex;
	item.pszText = pszText;
	item.cchTextMax = kTextMax;
	pszText[0] = '\0';
	if (!GetItem(&item))
		return FALSE;
	pszText[kTextMax] = '\0';
	return TRUE;
}

int CFlatCombo::InsertTextItem(int nIndex, LPCTSTR lpszString)
{
	// Without a window the insert message would answer 0, an index.
	if (lpszString == NULL || !::IsWindow(m_hWnd))
		return CB_ERR;
	unsigned char szText[kTextBuffer];
	memset(szText, 0, sizeof(szText));
	_mbsnbcpy(szText, Mbs(lpszString), kTextBuffer);
	szText[kTextMax] = '\0';

	COMBOBOXEXITEM item;
	memset(&item, 0, sizeof(item));
	item.mask = CBEIF_TEXT | CBEIF_INDENT;
	item.iIndent = 0;
	item.pszText = reinterpret_cast<LPTSTR>(szText);
	item.cchTextMax = kTextMax;
	item.iItem = nIndex;
	return InsertItem(&item);
}

void CFlatCombo::ReadSelection(LPTSTR pszText, int* piImage)
{
	COMBOBOXEXITEM item;
	memset(&item, 0, sizeof(item));
	item.mask = CBEIF_TEXT | CBEIF_IMAGE;
	item.iItem = GetCurSel();
	item.pszText = pszText;
	item.cchTextMax = kTextMax;
	item.iImage = -1;
	pszText[0] = '\0';
	if (!GetItem(&item))
	{
		pszText[0] = '\0';
		item.iImage = -1;
	}
	pszText[kTextMax] = '\0';
	*piImage = item.iImage;
}

BOOL CFlatCombo::IsTipNeeded(LPCTSTR lpszText, int iImage)
{
	// The text's width in the control's own font.
	int cxText = 0;
	{
		CClientDC dc(this);
		HFONT hFont = (HFONT)SendMessage(WM_GETFONT, 0, 0);
		CFont* pOldFont = hFont != NULL ? dc.SelectObject(CFont::FromHandle(hFont)) : NULL;
		cxText = dc.GetTextExtent(lpszText, (int)strlen(lpszText)).cx;
		if (pOldFont != NULL)
			dc.SelectObject(pOldFont);
	}

	// What the drop button, the borders, a margin and the image take.
	int cxReserved = ::GetSystemMetrics(SM_CXHTHUMB) + 2 * ::GetSystemMetrics(SM_CXBORDER) + 8;
	HIMAGELIST hImages = (HIMAGELIST)SendMessage(CBEM_GETIMAGELIST, 0, 0);
	IMAGEINFO info;
	if (hImages != NULL && ::ImageList_GetImageInfo(hImages, iImage, &info))
		cxReserved += info.rcImage.right - info.rcImage.left;

	CRect rcClient;
	GetClientRect(&rcClient);
	return cxText >= rcClient.Width() - cxReserved;
}

void CFlatCombo::DrawFrame(CDC* pDC)
{
	const COLORREF clrFace = ::GetSysColor(COLOR_BTNFACE);
	const COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
	const COLORREF clrHighlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
	const BOOL bDisabled = !IsWindowEnabled();
	// Draw3dRect fills with the background colour; it is put back at the end.
	const COLORREF clrOldBk = pDC->GetBkColor();

	CRect r = m_rcFrame;
	if (m_nFrameState == FS_Normal)
		pDC->Draw3dRect(&r, clrFace, clrFace);
	else
		pDC->Draw3dRect(&r, clrShadow, clrHighlight);

	r.DeflateRect(1, 1);
	if (bDisabled)
		pDC->Draw3dRect(&r, clrHighlight, clrHighlight);
	else
		pDC->Draw3dRect(&r, clrFace, clrFace);

	// The drop-button area, its edges covered by two face-coloured rings.
	r.DeflateRect(1, 1);
	r.left = r.right - ::GetSystemMetrics(SM_CXHTHUMB) + 1;
	pDC->Draw3dRect(&r, clrFace, clrFace);
	r.DeflateRect(1, 1);
	pDC->Draw3dRect(&r, clrFace, clrFace);

	if (bDisabled)
	{
		pDC->SetPixelV(r.left - 2, r.bottom, clrFace);
	}
	else
	{
		r.InflateRect(1, 1);
		switch (m_nFrameState)
		{
		case FS_Normal:
			pDC->Draw3dRect(&r, clrHighlight, clrHighlight);
			r.left -= 1;
			pDC->Draw3dRect(&r, clrHighlight, clrHighlight);
			break;
		case FS_Hot:
			pDC->Draw3dRect(&r, clrHighlight, clrShadow);
			r.InflateRect(1, 1);
			pDC->Draw3dRect(&r, clrFace, clrFace);
			break;
		case FS_Pressed:
			pDC->Draw3dRect(&r, clrShadow, clrHighlight);
			r.InflateRect(1, 1);
			pDC->Draw3dRect(&r, clrFace, clrFace);
			break;
		default:
			break;
		}
	}
	pDC->SetBkColor(clrOldBk);
}

void CFlatCombo::DrawFrameOnInnerBox()
{
	// Without an inner box there is nothing to draw on.
	if (m_hComboBox == NULL || !::IsWindow(m_hComboBox))
		return;
	CWindowDC dc(CWnd::FromHandle(m_hComboBox));
	DrawFrame(&dc);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

int CFlatCombo::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
	if (CWnd::OnCreate(lpCreateStruct) == -1)
		return -1;

	m_hComboBox = NULL;
	const DWORD dwStyle = (DWORD)::GetWindowLongA(m_hWnd, GWL_STYLE);
	if (dwStyle & kDropDownBit)
	{
		CComboBox* pInner = GetComboBoxCtrl();
		if (pInner != NULL && IsComboBoxClass(pInner->m_hWnd))
		{
			m_hComboBox = pInner->m_hWnd;
			m_frameHook.Attach(this, pInner);
		}
	}
	else if (dwStyle & kSimpleBit)
	{
		for (HWND hChild = ::GetTopWindow(m_hWnd); hChild != NULL;
		     hChild = ::GetWindow(hChild, GW_HWNDNEXT))
		{
			if (IsComboBoxClass(hChild))
			{
				m_hComboBox = hChild;
				m_frameHook.Attach(this, CWnd::FromHandle(hChild));
				break;
			}
		}
	}

	EnableToolTips(TRUE);
	return 0;
}

void CFlatCombo::OnDestroy()
{
	m_frameHook.HookWindow((HWND)NULL);
	// The inner box goes with the control; nothing may draw on its handle.
	m_hComboBox = NULL;
	CWnd::OnDestroy();
}

void CFlatCombo::OnSize(UINT /*nType*/, int /*cx*/, int /*cy*/)
{
	Default();
	GetWindowRect(&m_rcFrame);
	ScreenToClient(&m_rcFrame);
}

void CFlatCombo::OnLButtonDown(UINT /*nFlags*/, CPoint /*point*/)
{
	m_nFrameState = FS_Pressed;
	DrawFrameOnInnerBox();
}

void CFlatCombo::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
	if (!GetDroppedState())
		m_nFrameState = FS_Normal;
	DrawFrameOnInnerBox();
}

void CFlatCombo::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
	if (GetDroppedState())
		return;
	if (m_hComboBox != NULL && ::GetCapture() != m_hComboBox)
		::SetCapture(m_hComboBox);

	if (m_rcFrame.PtInRect(point))
	{
		if (m_nFrameState != FS_Hot)
		{
			m_nFrameState = FS_Hot;
			DrawFrameOnInnerBox();
		}
	}
	else
	{
		::ReleaseCapture();
		m_nFrameState = FS_Normal;
		DrawFrameOnInnerBox();
	}
}

void CFlatCombo::OnChar(UINT nChar, UINT nRepCnt, UINT /*nFlags*/)
{
	Default();
	// A held-down key (repeat count above 1) selects nothing.
	if (nRepCnt != 1)
		return;
	const char szPrefix[2] = { (char)nChar, '\0' };
	const int nFound = FindString(GetCurSel() + 1, szPrefix);
	if (nFound != CB_ERR)
		SetCurSel(nFound);
}

void CFlatCombo::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
	LPDRAWITEMSTRUCT p = lpDrawItemStruct;
	if (p != NULL && p->CtlType == ODT_COMBOBOX && !(p->itemState & ODS_DISABLED) &&
	    (p->itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
	{
		CDC* pDC = CDC::FromHandle(p->hDC);
		const COLORREF clrOldBk = pDC->GetBkColor();
		pDC->FillSolidRect(&p->rcItem, ::GetSysColor((p->itemState & ODS_SELECTED) ? COLOR_HIGHLIGHT
		                                                                           : COLOR_WINDOW));
		pDC->SetBkColor(clrOldBk);
	}
	CWnd::OnDrawItem(nIDCtl, lpDrawItemStruct);
}

void CFlatCombo::OnCloseUp()
{
	if (m_nFrameState != FS_Normal)
	{
		m_nFrameState = FS_Normal;
		DrawFrameOnInnerBox();
	}

	// On a toolbar the focus goes back to the window that had it before the
	// click that opened the list.
	CWnd* pParent = GetParent();
	if (pParent != NULL && pParent->IsKindOf(RUNTIME_CLASS(CToolBar)) &&
	    ::IsWindow(s_hwndFocusBefore) && (GetStyle() & (kDropDownBit | kSimpleBit)))
	{
		::PostMessageA(s_hwndFocusBefore, WM_SETFOCUS, (WPARAM)::GetFocus(), 0);
	}
	s_hwndFocusBefore = NULL;
}

BOOL CFlatCombo::OnToolTipNeedTextA(UINT /*id*/, NMHDR* pNMHDR, LRESULT* pResult)
{
	NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
	if (!(pInfo->uFlags & TTF_IDISHWND))
		return FALSE;

	int iImage = -1;
	ReadSelection(m_strTip.GetBuffer(kTextBuffer), &iImage);
	m_strTip.ReleaseBuffer();
	if (IsTipNeeded(m_strTip, iImage))
	{
		pInfo->hinst = NULL;
		pInfo->lpszText = const_cast<LPSTR>(static_cast<LPCTSTR>(m_strTip));
	}
	if (pResult != NULL)
		*pResult = 0;
	return TRUE;
}

BOOL CFlatCombo::OnToolTipNeedTextW(UINT /*id*/, NMHDR* pNMHDR, LRESULT* pResult)
{
	NMTTDISPINFOW* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
	if (!(pInfo->uFlags & TTF_IDISHWND))
		return FALSE;

	CString strText;
	int iImage = -1;
	ReadSelection(strText.GetBuffer(kTextBuffer), &iImage);
	strText.ReleaseBuffer();
	if (IsTipNeeded(strText, iImage))
	{
		// The UTF-16 text lives in m_strTip's bytes, zero-filled first so
		// that it always ends in a wide zero. The item text is in the
		// process code page, whatever the C locale says.
		wchar_t* pszWide = reinterpret_cast<wchar_t*>(m_strTip.GetBuffer(kWideTipBytes));
		memset(pszWide, 0, kWideTipBytes);
		::MultiByteToWideChar(CP_ACP, 0, strText, strText.GetLength(), pszWide,
		                      kWideTipBytes / (int)sizeof(wchar_t) - 1);
		m_strTip.ReleaseBuffer((int)(2 * wcslen(pszWide)));
		pInfo->hinst = NULL;
		pInfo->lpszText = reinterpret_cast<LPWSTR>(const_cast<LPSTR>(static_cast<LPCTSTR>(m_strTip)));
	}
	if (pResult != NULL)
		*pResult = 0;
	return TRUE;
}
