// SubclassWndMap.cpp : process-wide map of hooked windows and the hook
// procedure they all share

#include "SubclassWndMap.h"
#include "SubclassWnd.h"

namespace
{
	// Number of map entries allocated at a time.
	const int kBlockSize = 10;

	// Puts pfn in as hWnd's procedure; returns the procedure that was there,
	// or NULL when the window refused.
	WNDPROC ReplaceWndProc(HWND hWnd, WNDPROC pfn)
	{
		::SetLastError(0);
		LONG_PTR prev = ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfn));
		if (prev == 0 && ::GetLastError() != 0)
			return NULL;
		return reinterpret_cast<WNDPROC>(prev);
	}
}

CSubclassWndMap::CSubclassWndMap()
	: CMapPtrToPtr(kBlockSize)
{
}

CSubclassWndMap::~CSubclassWndMap()
{
	POSITION pos = GetStartPosition();
	while (pos != NULL)
	{
		void* key = NULL;
		void* value = NULL;
		GetNextAssoc(pos, key, value);
		HWND hWnd = static_cast<HWND>(key);
		CSubclassWnd* pHook = static_cast<CSubclassWnd*>(value);
		if (pHook != NULL && ::IsWindow(hWnd))
			ReplaceWndProc(hWnd, pHook->m_pfnPrevWndProc);
		for (CSubclassWnd* p = pHook; p != NULL; p = p->m_pNextHook)
		{
			p->m_hWnd = NULL;
			p->m_pfnPrevWndProc = NULL;
		}
	}
	RemoveAll();
}

CSubclassWndMap& CSubclassWndMap::Instance()
{
	static CSubclassWndMap map;
	return map;
}

CSubclassWnd* CSubclassWndMap::FindFirstHook(HWND hWnd) const
{
	void* value = NULL;
	if (hWnd == NULL || !Lookup(hWnd, value))
		return NULL;
	return static_cast<CSubclassWnd*>(value);
}

void CSubclassWndMap::AttachHook(HWND hWnd, CSubclassWnd* pHook)
{
	CSubclassWnd* pNext = FindFirstHook(hWnd);
	if (pNext == NULL)
	{
		// First hook of the window: the procedure is replaced now and only now.
		WNDPROC pfnPrev = ReplaceWndProc(hWnd, &CSubclassWndMap::SubclassHookProc);
		if (pfnPrev == NULL)
			return;
		pHook->m_pfnPrevWndProc = pfnPrev;
	}
	else
	{
		pHook->m_pfnPrevWndProc = pNext->m_pfnPrevWndProc;
	}
	pHook->m_pNextHook = pNext;
	SetAt(hWnd, pHook);
}

void CSubclassWndMap::DetachHook(CSubclassWnd* pHook)
{
	HWND hWnd = pHook->m_hWnd;
	CSubclassWnd* pFirst = FindFirstHook(hWnd);
	if (pFirst == NULL)
		return;
	if (pFirst == pHook)
	{
		if (pHook->m_pNextHook != NULL)
		{
			SetAt(hWnd, pHook->m_pNextHook);
		}
		else
		{
			RemoveKey(hWnd);
			ReplaceWndProc(hWnd, pHook->m_pfnPrevWndProc);
		}
		return;
	}
	for (CSubclassWnd* p = pFirst; p != NULL; p = p->m_pNextHook)
	{
		if (p->m_pNextHook == pHook)
		{
			p->m_pNextHook = pHook->m_pNextHook;
			return;
		}
	}
}

void CSubclassWndMap::DetachAll(HWND hWnd)
{
	CSubclassWnd* pHook;
	while ((pHook = FindFirstHook(hWnd)) != NULL)
	{
		pHook->HookWindow((HWND)NULL);
		// An override that did not unhook would keep this loop going forever.
		if (FindFirstHook(hWnd) == pHook)
		{
			DetachHook(pHook);
			pHook->m_hWnd = NULL;
			pHook->m_pfnPrevWndProc = NULL;
		}
	}
}

LRESULT CALLBACK CSubclassWndMap::SubclassHookProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
	// Make this message the thread's current one, so PassToNext and the
	// framework's current-message queries see it; nested sends each save and
	// put back the record of the message they interrupt.
	MSG& lastSent = AfxGetThreadState()->m_lastSentMsg;
	MSG saved = lastSent;
	lastSent.hwnd = hWnd;
	lastSent.message = nMsg;
	lastSent.wParam = wParam;
	lastSent.lParam = lParam;

	LRESULT lResult = 0;
	CSubclassWnd* pHook = Instance().FindFirstHook(hWnd);
	if (pHook == NULL)
	{
		// Only reached when someone else put our procedure back after the
		// last hook had left; there is no chain to hand the message to.
		lResult = ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
	}
	else if (nMsg == WM_NCDESTROY)
	{
		WNDPROC pfnPrev = pHook->m_pfnPrevWndProc;
		Instance().DetachAll(hWnd);
		lResult = ::CallWindowProcA(pfnPrev, hWnd, nMsg, wParam, lParam);
		pHook->OnWindowDestroyed();
	}
	else
	{
		lResult = pHook->WindowProc(nMsg, wParam, lParam);
	}

	lastSent = saved;
	return lResult;
}
