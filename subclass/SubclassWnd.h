/// @file SubclassWnd.h
/// A window-procedure hook that several users share on one window.
///
/// Classes in this header:
/// - CSubclassWnd: replaces the procedure of any window (framework or not) and
///   sees its messages first; hooks on one window form a chain, newest first,
///   ending in the procedure the window had before.

#pragma once

#include <afxwin.h>

class CSubclassWndMap;

/// A window-procedure hook that several users share on one window: it
/// replaces the procedure of any window (a framework window or not) and sees
/// its messages first. Hooks on one window form a chain, newest first, ending
/// in the procedure the window had before; a process-wide map finds the chain
/// of a window.
///
/// A derived class overrides WindowProc, handles what it wants and calls the
/// base WindowProc (or PassToNext) for everything else. When the window is
/// destroyed, every hook is unhooked and the newest one is told through
/// OnWindowDestroyed.
///
/// Threads: hooks are attached, detached and called on the thread that owns
/// the window; the map of hooked windows is not locked.
///
/// @par Example
/// @snippet host.cpp subclass
/// @snippet host.cpp subclass-use
class AFX_EXT_CLASS CSubclassWnd : public CObject
{
	DECLARE_DYNAMIC(CSubclassWnd)

// Construction
public:
	/// Not attached.
	CSubclassWnd();
	/// Unhooks a hook that is still attached, so a forgotten HookWindow(NULL)
	/// never leaves a dangling hook in the window's chain.
	virtual ~CSubclassWnd();

// Operations
	/// Hooks pWnd's window; a NULL pointer unhooks.
	virtual BOOL HookWindow(CWnd* pWnd);
	/// Hooks hWnd as the newest hook of that window, or unhooks when hWnd is
	/// NULL. A hook that is already attached is unhooked first, so moving a
	/// hook to another window (or to the top of its own chain) keeps every
	/// chain intact. Returns FALSE, leaving the hook unhooked, when hWnd is not
	/// a window of this process.
	virtual BOOL HookWindow(HWND hWnd);

protected:
	/// The message handler; the base version hands the message to the next
	/// hook, or to the window's previous procedure after the oldest hook.
	virtual LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam);

public:
	/// Called once, after the hooked window has handled WM_NCDESTROY, on the
	/// hook that was newest at that time. Every hook is already unhooked then.
	virtual void OnWindowDestroyed();

// Attributes
	/// Whether the hook is on a window.
	BOOL IsAttached() const { return m_hWnd != NULL; }

	/// Hands the message now being processed (as the thread state records it)
	/// to the rest of the chain, without calling this hook's own override.
	LRESULT PassToNext();

// Implementation
	/// @cond IMPLEMENTATION
public:
	virtual void AssertValid() const;
	virtual void Dump(CDumpContext& dc) const;

protected:
	HWND m_hWnd;                  // the hooked window; NULL while not hooked
	WNDPROC m_pfnPrevWndProc;     // the window's procedure before its first hook
	CSubclassWnd* m_pNextHook;    // the hook installed before this one, or NULL

	friend class CSubclassWndMap;
	/// @endcond
};
