// FlatComboFrameHook.cpp - the hook on a flat combo box's inner box
//
// Routing of the inner box's messages:
//   WM_NOTIFY CBEN_GETDISPINFO(A/W)  to the control only; the inner box never
//                                    sees it
//   WM_LBUTTONDOWN                   remember the focus window, drop the
//                                    capture, pass on only inside the frame,
//                                    then to the control
//   WM_LBUTTONUP, WM_CHAR            pass on, then to the control
//   WM_MOUSEMOVE                     pass on, then the control's hover tracking
//   WM_PAINT                         pass on, then paint the frame over it
//   anything else                    pass on
//
// Passing a message on can reach the host (a CBN_ notification sent from
// the inner box's own procedure): a host that destroys the control there
// deletes this hook with it, so after a pass-on nothing of this object is
// touched unless the control is known to be alive.

#include "FlatComboFrameHook.h"
#include "FlatCombo.h"
#include "WndLifetime.h"

CFlatComboFrameHook::CFlatComboFrameHook()
	: m_pCombo(NULL), m_hHooked(NULL)
{
}

CFlatComboFrameHook::~CFlatComboFrameHook()
{
	HookWindow((HWND)NULL);
}

void CFlatComboFrameHook::Attach(CFlatCombo* pCombo, CWnd* pWnd)
{
	m_pCombo = pCombo;
	m_hHooked = pWnd->GetSafeHwnd();
	HookWindow(m_hHooked);
}

LRESULT CFlatComboFrameHook::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
	switch (message)
	{
	case WM_NOTIFY:
		{
			const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
			if (m_pCombo != NULL && pHeader != NULL &&
			    (pHeader->code == (UINT)CBEN_GETDISPINFOA || pHeader->code == (UINT)CBEN_GETDISPINFOW))
			{
				return SendToCombo(message, wParam, lParam);
			}
		}
		break;

	case WM_LBUTTONDOWN:
		return OnLButtonDown(wParam, lParam);

	case WM_LBUTTONUP:
	case WM_CHAR:
		{
			LRESULT lResult;
			if (PassOnKeepsCombo(message, wParam, lParam, &lResult))
				SendToCombo(message, wParam, lParam);
			return lResult;
		}

	case WM_MOUSEMOVE:
		{
			LRESULT lResult;
			if (PassOnKeepsCombo(message, wParam, lParam, &lResult))
				m_pCombo->OnMouseMove((UINT)wParam, CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
			return lResult;
		}

	case WM_PAINT:
		return OnPaint(wParam, lParam);

	default:
		break;
	}
	return CSubclassWnd::WindowProc(message, wParam, lParam);
}

LRESULT CFlatComboFrameHook::OnLButtonDown(WPARAM wParam, LPARAM lParam)
{
	if (CFlatCombo::s_hwndFocusBefore == NULL)
		CFlatCombo::s_hwndFocusBefore = ::GetFocus();
	::ReleaseCapture();

	// A click outside the control's frame (on a capturing inner box) never
	// reaches the inner box.
	LRESULT lResult = 0;
	const CPoint point((short)LOWORD(lParam), (short)HIWORD(lParam));
	if (m_pCombo == NULL || m_pCombo->GetFrameRect().PtInRect(point))
	{
		if (!PassOnKeepsCombo(WM_LBUTTONDOWN, wParam, lParam, &lResult))
			return lResult;
	}
	SendToCombo(WM_LBUTTONDOWN, wParam, lParam);
	return lResult;
}

LRESULT CFlatComboFrameHook::OnPaint(WPARAM wParam, LPARAM lParam)
{
	if (!::IsWindow(m_hHooked))
		return CSubclassWnd::WindowProc(WM_PAINT, wParam, lParam);

	LRESULT lResult;
	if (PassOnKeepsCombo(WM_PAINT, wParam, lParam, &lResult))
	{
		CWindowDC dc(CWnd::FromHandle(m_hHooked));
		m_pCombo->DrawFrame(&dc);
	}
	return lResult;
}

BOOL CFlatComboFrameHook::PassOnKeepsCombo(UINT message, WPARAM wParam, LPARAM lParam,
                                           LRESULT* plResult)
{
	CFlatCombo* pCombo = m_pCombo;
	const HWND hCombo = pCombo != NULL ? pCombo->m_hWnd : NULL;
	*plResult = CSubclassWnd::WindowProc(message, wParam, lParam);
	return pCombo != NULL && IsWndStillBound(pCombo, hCombo);
}

LRESULT CFlatComboFrameHook::SendToCombo(UINT message, WPARAM wParam, LPARAM lParam)
{
	if (m_pCombo == NULL || !::IsWindow(m_pCombo->m_hWnd))
		return 0;
	return ::SendMessageA(m_pCombo->m_hWnd, message, wParam, lParam);
}
