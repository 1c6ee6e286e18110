// FlatComboTestSeam.cpp - test entry points (see FlatComboTestSeam.h).

#include "FlatComboTestSeam.h"
#include "FlatCombo.h"
#include "SubclassWndMap.h"

// Befriended by CFlatCombo and CFlatComboFrameHook.
struct FlatComboTestAccess
{
	static BOOL State(const CFlatCombo* p, FlatComboTestState* pState)
	{
		pState->hComboBox = p->m_hComboBox;
		pState->rcFrame = p->m_rcFrame;
		pState->nFrameState = p->m_nFrameState;
		pState->bHooked = p->m_frameHook.IsAttached();
		pState->hHooked = p->m_frameHook.m_hHooked;
		return TRUE;
	}
	static HWND FocusBefore() { return CFlatCombo::s_hwndFocusBefore; }
	static void ClearFocusBefore() { CFlatCombo::s_hwndFocusBefore = NULL; }
	static BOOL Hook(CFlatCombo* p, HWND hWnd)
	{
		p->m_frameHook.Attach(p, CWnd::FromHandle(hWnd));
		return p->m_frameHook.IsAttached();
	}
	static void DrawFrame(CFlatCombo* p, HDC hdc) { p->DrawFrame(CDC::FromHandle(hdc)); }
};

extern "C" BOOL __cdecl TessarineTestFlatComboState(const CFlatCombo* pCombo, FlatComboTestState* pState)
{
	if (pCombo == NULL || pState == NULL)
		return FALSE;
	return FlatComboTestAccess::State(pCombo, pState);
}

extern "C" HWND __cdecl TessarineTestFlatComboFocusBefore()
{
	return FlatComboTestAccess::FocusBefore();
}

extern "C" void __cdecl TessarineTestFlatComboClearFocusBefore()
{
	FlatComboTestAccess::ClearFocusBefore();
}

extern "C" BOOL __cdecl TessarineTestFlatComboHook(CFlatCombo* pCombo, HWND hWnd)
{
	if (pCombo == NULL)
		return FALSE;
	return FlatComboTestAccess::Hook(pCombo, hWnd);
}

extern "C" void __cdecl TessarineTestFlatComboDrawFrame(CFlatCombo* pCombo, HDC hdc)
{
	if (pCombo != NULL && hdc != NULL)
		FlatComboTestAccess::DrawFrame(pCombo, hdc);
}

extern "C" int __cdecl TessarineTestHookedWindowCount()
{
	return (int)CSubclassWndMap::Instance().GetCount();
}
