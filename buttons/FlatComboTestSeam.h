// FlatComboTestSeam.h - entry points for the flat combo box's own tests.
//
// CFlatCombo exports only its constructor and destructor; these functions
// let the test programs read its state inside the built DLL, move its hook
// and reach the process-wide map of hooked windows. Hosts never call them.
// They sit with the numbered exports (ordinal 100 and up).
#ifndef TESSARINE_FLATCOMBOTESTSEAM_H
#define TESSARINE_FLATCOMBOTESTSEAM_H

#include <afxwin.h>

class CFlatCombo;

// What a test can see of a flat combo.
struct FlatComboTestState
{
	HWND hComboBox;     // the inner box found at creation, or NULL
	RECT rcFrame;       // the control's rectangle in its client coordinates
	int nFrameState;    // CFlatCombo::FS_...
	BOOL bHooked;       // the frame hook is attached
	HWND hHooked;       // the window the frame hook was attached to
};

// Fills *pState; FALSE for NULL arguments.
extern "C" AFX_EXT_API BOOL __cdecl TessarineTestFlatComboState(const CFlatCombo* pCombo,
                                                                FlatComboTestState* pState);

// The window that had the focus when the pending click began (shared by
// every flat combo), or NULL.
extern "C" AFX_EXT_API HWND __cdecl TessarineTestFlatComboFocusBefore();
// Forgets it, as a close-up does, so that each test starts without one.
extern "C" AFX_EXT_API void __cdecl TessarineTestFlatComboClearFocusBefore();

// Moves the control's frame hook onto hWnd, as the newest hook of that
// window (NULL unhooks); the inner box the control draws on stays the same.
// Returns whether the hook is attached afterwards.
extern "C" AFX_EXT_API BOOL __cdecl TessarineTestFlatComboHook(CFlatCombo* pCombo, HWND hWnd);

// Calls the control's DrawFrame on hdc.
extern "C" AFX_EXT_API void __cdecl TessarineTestFlatComboDrawFrame(CFlatCombo* pCombo, HDC hdc);

// Number of windows in the process-wide map of hooked windows.
extern "C" AFX_EXT_API int __cdecl TessarineTestHookedWindowCount();

#endif // TESSARINE_FLATCOMBOTESTSEAM_H
