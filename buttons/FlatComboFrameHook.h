// FlatComboFrameHook.h - the hook a flat combo box puts on its inner box.
//
//   CFlatComboFrameHook   a CSubclassWnd on the inner "COMBOBOX" child of a
//                         CFlatCombo: it paints the flat frame after the inner
//                         box has painted itself, and hands the inner box's
//                         mouse and keyboard input on to the control.
#ifndef TESSARINE_FLATCOMBOFRAMEHOOK_H
#define TESSARINE_FLATCOMBOFRAMEHOOK_H

#include <afxwin.h>

#include "SubclassWnd.h"

class CFlatCombo;

class CFlatComboFrameHook : public CSubclassWnd
{
// Construction
public:
	CFlatComboFrameHook();
	virtual ~CFlatComboFrameHook();

// Operations
	// Remembers the control to notify and hooks pWnd (unhooks for NULL).
	void Attach(CFlatCombo* pCombo, CWnd* pWnd);

// Implementation
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

	friend struct FlatComboTestAccess;
};

#endif // TESSARINE_FLATCOMBOFRAMEHOOK_H
