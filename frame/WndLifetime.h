// WndLifetime.h - whether a control object outlived a call that reached
// its host (internal to the library, not exported).
//
// A notification sent to the owner, the standard procedure behind
// Default(), a nested message loop: any of them may run a host handler
// that destroys the control's window and deletes the object (the
// framework's modeless-dialog pattern). A handler keeps the window handle
// in a local before such a call and asks here afterwards, before it
// touches anything of the object again.
#ifndef TESSARINE_WNDLIFETIME_H
#define TESSARINE_WNDLIFETIME_H

#include <afxwin.h>

// TRUE while hWnd is a window and pWnd is still its permanent object.
// Reads nothing through pWnd, so pWnd may point to freed memory.
inline BOOL IsWndStillBound(const CWnd* pWnd, HWND hWnd)
{
    return hWnd != NULL && ::IsWindow(hWnd) && CWnd::FromHandlePermanent(hWnd) == pWnd;
}

#endif // TESSARINE_WNDLIFETIME_H
