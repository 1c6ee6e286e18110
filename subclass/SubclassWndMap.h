// SubclassWndMap.h : the process-wide map of hooked windows
//
// Classes in this header:
//   CSubclassWndMap - maps a window handle to the newest CSubclassWnd hooked
//                     on it; one instance per process, created on first use.
//
// Not locked: every hook is attached, detached and called on the thread that
// owns its window.

#pragma once

#include <afxwin.h>
#include <afxcoll.h>

class CSubclassWnd;

class CSubclassWndMap : public CMapPtrToPtr
{
public:
	// The one map of the process.
	static CSubclassWndMap& Instance();

	// The newest hook of hWnd, or NULL.
	CSubclassWnd* FindFirstHook(HWND hWnd) const;
	// Makes pHook the newest hook of hWnd. The window's procedure is replaced
	// only by the first hook of the window. When the procedure cannot be
	// replaced the map is left as it was.
	void AttachHook(HWND hWnd, CSubclassWnd* pHook);
	// Removes pHook from the chain of its window; the last hook to leave puts
	// the window's previous procedure back, unless the window was subclassed
	// again after its first hook: then the hook procedure stays in place and
	// hands every message to that previous procedure.
	void DetachHook(CSubclassWnd* pHook);
	// Unhooks every hook of hWnd through its HookWindow(NULL).
	void DetachAll(HWND hWnd);

	// Hands the message now passing through the hook procedure on from
	// pHook, which unhooked itself while handling it: to the hooks that were
	// behind it, when still on the window, else to the window's previous
	// procedure.
	static LRESULT PassOnUnhooked(const CSubclassWnd* pHook, UINT nMsg, WPARAM wParam, LPARAM lParam);

	// The procedure installed on every hooked window.
	static LRESULT CALLBACK SubclassHookProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

private:
	CSubclassWndMap();
	// At process exit (or unload of the library) every window still hooked
	// gets its previous procedure back, so no window calls into a procedure
	// that is gone.
	~CSubclassWndMap();
	CSubclassWndMap(const CSubclassWndMap&);
	CSubclassWndMap& operator=(const CSubclassWndMap&);
};
