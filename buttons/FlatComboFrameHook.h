/// @file FlatComboFrameHook.h
/// The hook a flat combo box puts on its inner box.
///
/// - CFlatComboFrameHook: a CSubclassWnd on the inner "COMBOBOX" child of a
///   CFlatCombo: it paints the flat frame after the inner box has painted
///   itself, and hands the inner box's mouse and keyboard input on to the
///   control.
#ifndef TESSARINE_FLATCOMBOFRAMEHOOK_H
#define TESSARINE_FLATCOMBOFRAMEHOOK_H

#include <afxwin.h>

#include "SubclassWnd.h"

class CFlatCombo;

/// The hook a CFlatCombo puts on its inner "COMBOBOX" child (a CSubclassWnd):
/// it paints the flat frame after the inner box has painted itself, and hands
/// the inner box's mouse and keyboard input on to the control. Each
/// CFlatCombo holds one; a host does not use it directly (the header comes
/// with FlatCombo.h, and the class is not exported).
class CFlatComboFrameHook : public CSubclassWnd
{
// Construction
public:
	/// Not attached.
	CFlatComboFrameHook();
	/// Unhooks when still attached.
	virtual ~CFlatComboFrameHook();

// Operations
	/// Remembers the control to notify and hooks pWnd (unhooks for NULL).
	void Attach(CFlatCombo* pCombo, CWnd* pWnd);

// Implementation
	/// @cond IMPLEMENTATION
protected:
	// Routes the inner box's messages (see FlatComboFrameHook.cpp).
	virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);

	// WM_LBUTTONDOWN: remembers the focus window, and passes the click on
	// only when it lies inside the control's frame.
	LRESULT OnLButtonDown(WPARAM wParam, LPARAM lParam);
	// WM_PAINT: lets the inner box paint, then paints the frame over it.
	LRESULT OnPaint(WPARAM wParam, LPARAM lParam);
	// Passes the message on; FALSE when there is no control, or when a
	// host handler reached meanwhile destroyed it (this hook, one of its
	// members, may be gone then: touch nothing of it).
	BOOL PassOnKeepsCombo(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* plResult);
	// Sends the message being handled to the control.
	LRESULT SendToCombo(UINT message, WPARAM wParam, LPARAM lParam);

	CFlatCombo* m_pCombo;   // the control to notify; not owned
	HWND m_hHooked;         // the hooked window (the inner combo box)

#ifdef TEST_SEAMS
	friend struct FlatComboTestAccess;  // the test build's entry points
#endif
	/// @endcond
};

#endif // TESSARINE_FLATCOMBOFRAMEHOOK_H
