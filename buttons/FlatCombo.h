/// @file FlatCombo.h
/// An extended combo box drawn flat.
///
/// - CFlatCombo: a CComboBoxEx that paints a thin flat frame and a flat
///   drop-down button over its inner combo box (raised while the mouse is over
///   it, sunken while it is clicked), shows the selected item's text as a
///   tooltip when it does not fit, selects items by first letter as the user
///   types, offers text-based item operations, can replace a plain combo box
///   of a dialog, and hands the keyboard focus back after its list closes when
///   it sits on a toolbar.
///
/// Only the constructor and the destructor are exported: a host calls the
/// rest through the virtual table (Recreate, FindStringExact, FindString,
/// AddString, InsertString) and through messages.
#ifndef TESSARINE_FLATCOMBO_H
#define TESSARINE_FLATCOMBO_H

#include <afxwin.h>
#include <afxcmn.h>

#include "FlatComboFrameHook.h"

/// An extended combo box (CComboBoxEx) drawn flat: a thin frame and a flat
/// drop-down button over its inner combo box, raised while the mouse is over
/// it and sunken while it is clicked.
///
/// @image html flatcombo.png "A flat combo box in the gallery"
/// @image html flatcombo_hot.png "...with the mouse over it"
/// @image html flatcombo_dropped.png "...with its list open"
///
/// It shows the selected item's text as a tooltip when the text does not
/// fit, selects the next item whose text begins with a typed letter, offers
/// text-based item operations, can replace a plain combo box of a dialog
/// (Recreate), and, on a toolbar, hands the keyboard focus back to the window
/// that had it when its list closes.
///
/// Only the constructor and the destructor are exported: a host calls the
/// rest through the virtual table and through the combo box messages. The
/// parent gets the extended combo box's usual notifications (CBN_SELCHANGE,
/// CBN_CLOSEUP, ... in WM_COMMAND; CBEN_ in WM_NOTIFY).
///
/// Messages handled: WM_CREATE, WM_SIZE, WM_DESTROY; WM_MOUSEMOVE,
/// WM_LBUTTONDOWN and WM_LBUTTONUP for the frame's states; WM_CHAR (first
/// letter selection; a held-down key selects nothing); WM_DRAWITEM; the
/// reflected CBN_CLOSEUP (frame back to normal, focus back on a toolbar);
/// TTN_NEEDTEXTA and TTN_NEEDTEXTW (the selected item's text). A
/// CFlatComboFrameHook on the inner combo box paints the frame after the
/// box has painted itself.
///
/// Threads: the thread that owns the window only. All flat combo boxes of
/// the process share the window handle that had the focus before a click.
///
/// @par Example
/// @snippet host.cpp flatcombo
class AFX_EXT_CLASS CFlatCombo : public CComboBoxEx
{
public:
	/// Frame states, as the frame is drawn.
	enum FrameState
	{
		FS_Normal  = 1,     ///< the flat frame
		FS_Hot     = 2,     ///< the mouse is over the control: raised button
		FS_Pressed = 4      ///< clicked: sunken button
	};

// Construction
	/// No window yet; create it with Create or Recreate.
	CFlatCombo();
	/// Unhooks the inner combo box; CWnd destroys the window.
	virtual ~CFlatCombo();

// Operations
	/// Creates the extended combo box as a child of pParentWnd. When the object
	/// is bound to a window (a plain combo box of a dialog, say), that window's
	/// identifier, style, rectangle (plus 120 pixels for the list) and
	/// selection-field height are taken over and the window is destroyed;
	/// otherwise the defaults apply (0, 0, 122, 175; identifier 1; a visible
	/// drop-down list; height 22). Items and font are not carried over.
	/// Returns TRUE when the extended combo box was created.
	virtual BOOL Recreate(CWnd* pParentWnd);

	/// The first item from nIndexStart (0 when negative) on whose text equals
	/// lpszFind exactly, case-sensitively; no wrap. CB_ERR when none.
	virtual int FindStringExact(int nIndexStart, LPCTSTR lpszFind);
	/// The first item from nStartAfter (0 when negative) on, wrapping to the
	/// top, whose text begins with lpszPrefix, ignoring case; an empty prefix
	/// matches the start item. CB_ERR when none.
	virtual int FindString(int nStartAfter, LPCTSTR lpszPrefix);
	/// Appends an item with the first 255 bytes of lpszString; returns its
	/// index, or CB_ERR (lpszString NULL, no window, or the insert failed).
	virtual int AddString(LPCTSTR lpszString);
	/// Inserts an item at nIndex (the top when negative, the end when beyond
	/// it); returns its index, or CB_ERR as AddString.
	virtual int InsertString(int nIndex, LPCTSTR lpszString);

// Overridables
	/// The framework's hit test, asking for the tip text by callback, shown
	/// even when the top-level window is not active.
	virtual int OnToolHitTest(CPoint point, TOOLINFO* pTI) const;

// Implementation
	/// @cond IMPLEMENTATION
protected:
	// Paints the frame and drop button of the current state on pDC (a window
	// device context of the inner box), in the control's own coordinates.
	void DrawFrame(CDC* pDC);
	// DrawFrame on a window device context of the inner box, if there is one.
	void DrawFrameOnInnerBox();
	// The control's window rectangle in its own client coordinates.
	const CRect& GetFrameRect() const { return m_rcFrame; }
	// The selected item's text into pszText (256 bytes) and its image index
	// into *piImage (-1 when it has none).
	void ReadSelection(LPTSTR pszText, int* piImage);
	// TRUE when lpszText, in the control's font, needs the full client
	// width less the drop button, the borders, 8 pixels and the item image.
	BOOL IsTipNeeded(LPCTSTR lpszText, int iImage);
	// Reads item nIndex's text into pszText (256 bytes); FALSE on failure.
	BOOL ReadItemText(int nIndex, LPTSTR pszText);
	// Inserts lpszString (at most 255 bytes kept) as item nIndex.
	int InsertTextItem(int nIndex, LPCTSTR lpszString);

	afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
	afx_msg void OnDestroy();
	afx_msg void OnSize(UINT nType, int cx, int cy);
	afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
	afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
	afx_msg void OnMouseMove(UINT nFlags, CPoint point);
	afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
	afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
	afx_msg void OnCloseUp();
	afx_msg BOOL OnToolTipNeedTextA(UINT id, NMHDR* pNMHDR, LRESULT* pResult);
	afx_msg BOOL OnToolTipNeedTextW(UINT id, NMHDR* pNMHDR, LRESULT* pResult);
	DECLARE_MESSAGE_MAP()

	CFlatComboFrameHook m_frameHook;    // hook on the inner combo box
	HWND m_hComboBox;                   // the inner "COMBOBOX" child, once found
	CRect m_rcFrame;                    // window rectangle in client coordinates
	int m_nFrameState;                  // FS_Normal, FS_Hot or FS_Pressed
	CString m_strTip;                   // text handed to the tooltip (ANSI or UTF-16 bytes)

	// The window that had the keyboard focus when a click on the inner box
	// of any flat combo began; cleared by the next close-up of any of them.
	static HWND s_hwndFocusBefore;

	friend class CFlatComboFrameHook;
#ifdef TEST_SEAMS
	friend struct FlatComboTestAccess;  // the test build's entry points
#endif
	/// @endcond
};

#endif // TESSARINE_FLATCOMBO_H
