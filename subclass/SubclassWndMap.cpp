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

	// Whether hWnd's procedure is still the hook procedure, i.e. nobody
	// subclassed the window after its first hook.
	bool IsHookProcOnTop(HWND hWnd)
	{
		return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) ==
		       &CSubclassWndMap::SubclassHookProc;
	}

	// Windows whose last hook left while a later subclass (the framework's
	// SubclassWindow, another library) sat on top of the hook procedure.
	// That subclass still calls the hook procedure, which hands the messages
	// on to the procedure the hooks had replaced, kept here.
	CMapPtrToPtr& Orphans()
	{
		static CMapPtrToPtr s_orphans(kBlockSize);
		return s_orphans;
	}

	// One message on its way through the hook procedure: where a hook that
	// unhooked itself while handling it still hands it on to.
	struct HookFrame
	{
		HWND hWnd;
		WNDPROC pfnPrev;
		HookFrame* pOuter;
	};
	thread_local HookFrame* t_pFrame = NULL;

	// What the system gets from a message whose hook threw: creation fails,
	// a paint counts as done, everything else answers 0.
	LRESULT AnswerAfterException(HWND hWnd, UINT nMsg)
	{
		TRACE1("Warning: exception in a window hook, message 0x%04X; answered by default\n", nMsg);
		if (nMsg == WM_PAINT)
			::ValidateRect(hWnd, NULL);
		if (nMsg == WM_CREATE)
			return -1;
		return 0;
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
		if (pHook != NULL && ::IsWindow(hWnd) && IsHookProcOnTop(hWnd))
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
		void* orphanPrev = NULL;
		if (Orphans().Lookup(hWnd, orphanPrev))
		{
			// The hook procedure is still in the window's chain, below a
			// later subclass: the new hook joins the chain there.
			Orphans().RemoveKey(hWnd);
			pHook->m_pfnPrevWndProc = reinterpret_cast<WNDPROC>(orphanPrev);
		}
		else
		{
			// First hook of the window: the procedure is replaced now and only now.
			WNDPROC pfnPrev = ReplaceWndProc(hWnd, &CSubclassWndMap::SubclassHookProc);
			if (pfnPrev == NULL)
				return;
			pHook->m_pfnPrevWndProc = pfnPrev;
		}
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
			// Whoever subclassed the window after its first hook keeps
			// calling the hook procedure: it stays and passes messages on.
			RemoveKey(hWnd);
			if (IsHookProcOnTop(hWnd))
				ReplaceWndProc(hWnd, pHook->m_pfnPrevWndProc);
			else if (::IsWindow(hWnd))
				Orphans().SetAt(hWnd, reinterpret_cast<void*>(pHook->m_pfnPrevWndProc));
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

LRESULT CSubclassWndMap::PassOnUnhooked(const CSubclassWnd* pHook, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
	const HookFrame* pFrame = t_pFrame;
	if (pFrame == NULL)
		return 0;       // not inside a hooked window's message: nowhere to go
	// The hooks that were behind pHook, where they are still on the window
	// (compared, never followed: pHook's link may be stale).
	for (CSubclassWnd* p = Instance().FindFirstHook(pFrame->hWnd); p != NULL; p = p->m_pNextHook)
	{
		if (p == pHook->m_pNextHook)
			return p->WindowProc(nMsg, wParam, lParam);
	}
	return ::CallWindowProcA(pFrame->pfnPrev, pFrame->hWnd, nMsg, wParam, lParam);
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

	CSubclassWndMap& map = Instance();
	CSubclassWnd* pHook = map.FindFirstHook(hWnd);
	void* orphanPrev = NULL;
	const bool bOrphan = pHook == NULL && Orphans().Lookup(hWnd, orphanPrev);
	HookFrame frame = { hWnd, NULL, t_pFrame };
	if (pHook != NULL)
		frame.pfnPrev = pHook->m_pfnPrevWndProc;
	else if (bOrphan)
		frame.pfnPrev = reinterpret_cast<WNDPROC>(orphanPrev);
	t_pFrame = &frame;

	// No exception may unwind through the system's frames.
	LRESULT lResult = 0;
	try
	{
		if (pHook == NULL && !bOrphan)
		{
			// Only reached when someone else put our procedure back after the
			// last hook had left; there is no chain to hand the message to.
			lResult = ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
		}
		else if (pHook == NULL)
		{
			// No hooks left below a later subclass. Once that subclass has
			// gone again the window gets its own procedure back.
			if (nMsg == WM_NCDESTROY)
				Orphans().RemoveKey(hWnd);
			else if (IsHookProcOnTop(hWnd))
			{
				Orphans().RemoveKey(hWnd);
				ReplaceWndProc(hWnd, frame.pfnPrev);
			}
			lResult = ::CallWindowProcA(frame.pfnPrev, hWnd, nMsg, wParam, lParam);
		}
		else if (nMsg == WM_NCDESTROY)
		{
			map.DetachAll(hWnd);
			Orphans().RemoveKey(hWnd);
			lResult = ::CallWindowProcA(frame.pfnPrev, hWnd, nMsg, wParam, lParam);
			pHook->OnWindowDestroyed();
		}
		else
		{
			lResult = pHook->WindowProc(nMsg, wParam, lParam);
		}
	}
	catch (CException* e)
	{
		CWinThread* pThread = AfxGetThread();
		lResult = pThread != NULL ? pThread->ProcessWndProcException(e, &lastSent)
		                          : AnswerAfterException(hWnd, nMsg);
		e->Delete();
	}
	catch (...)
	{
		lResult = AnswerAfterException(hWnd, nMsg);
	}

	t_pFrame = frame.pOuter;
	lastSent = saved;
	return lResult;
}
