// SubclassWnd.cpp : window-procedure hook shared by several users

#include "SubclassWnd.h"
#include "SubclassWndMap.h"

IMPLEMENT_DYNAMIC(CSubclassWnd, CObject)

/////////////////////////////////////////////////////////////////////////////
// Construction

CSubclassWnd::CSubclassWnd()
	: m_hWnd(NULL), m_pfnPrevWndProc(NULL), m_pNextHook(NULL)
{
}

CSubclassWnd::~CSubclassWnd()
{
	// Derived classes unhook in their own destructors; a hook destroyed while
	// still attached would otherwise be called by its window after it is gone.
	if (m_hWnd != NULL)
	{
		CSubclassWndMap::Instance().DetachHook(this);
		m_hWnd = NULL;
		m_pfnPrevWndProc = NULL;
	}
}

/////////////////////////////////////////////////////////////////////////////
// Operations

BOOL CSubclassWnd::HookWindow(CWnd* pWnd)
{
	return HookWindow(pWnd != NULL ? pWnd->GetSafeHwnd() : (HWND)NULL);
}

BOOL CSubclassWnd::HookWindow(HWND hWnd)
{
	CSubclassWndMap& map = CSubclassWndMap::Instance();

	// Attaching a hook that is still on a chain would link it into a second
	// chain (or into its own) and cut off the hooks behind it: leave first.
	if (m_hWnd != NULL)
	{
		map.DetachHook(this);
		m_hWnd = NULL;
		m_pfnPrevWndProc = NULL;
	}
	if (hWnd == NULL)
		return TRUE;

	// Only a window of this process can take our procedure.
	DWORD dwProcessId = 0;
	if (!::IsWindow(hWnd) || ::GetWindowThreadProcessId(hWnd, &dwProcessId) == 0 ||
	    dwProcessId != ::GetCurrentProcessId())
		return FALSE;

	map.AttachHook(hWnd, this);
	if (map.FindFirstHook(hWnd) != this)
	{
		m_pNextHook = NULL;
		m_pfnPrevWndProc = NULL;
		return FALSE;
	}
	m_hWnd = hWnd;
	return TRUE;
}

LRESULT CSubclassWnd::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
	// Unhooked while handling this message (HookWindow(NULL) on WM_DESTROY,
	// say): the message still goes on down the chain.
	if (m_hWnd == NULL)
		return CSubclassWndMap::PassOnUnhooked(this, nMsg, wParam, lParam);
	if (m_pNextHook != NULL)
		return m_pNextHook->WindowProc(nMsg, wParam, lParam);
	return ::CallWindowProcA(m_pfnPrevWndProc, m_hWnd, nMsg, wParam, lParam);
}

void CSubclassWnd::OnWindowDestroyed()
{
}

LRESULT CSubclassWnd::PassToNext()
{
	const MSG& msg = AfxGetThreadState()->m_lastSentMsg;
	return CSubclassWnd::WindowProc(msg.message, msg.wParam, msg.lParam);
}

/////////////////////////////////////////////////////////////////////////////
// Diagnostics

void CSubclassWnd::AssertValid() const
{
}

void CSubclassWnd::Dump(CDumpContext& /*dc*/) const
{
}
