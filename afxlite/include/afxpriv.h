// afxpriv.h - framework messages and helpers that controls built on the
// framework may use (reflected messages, idle messages).

#ifndef __AFXPRIV_H__
#define __AFXPRIV_H__

#ifndef __AFXWIN_H__
#include <afxwin.h>
#endif

// Messages a parent reflects to the child control that sent them arrive as
// WM_REFLECT_BASE + the original message (see CWnd::ReflectChildNotify).
#ifndef WM_REFLECT_BASE
#define WM_REFLECT_BASE     0xBC00
#endif

#define WM_SIZEPARENT       0x0361  // lParam = &AFX_SIZEPARENTPARAMS
#define WM_SETMESSAGESTRING 0x0362  // wParam = nIDS (or 0), lParam = lpszOther (or NULL)
#define WM_IDLEUPDATECMDUI  0x0363  // wParam == bDisableIfNoHandler
#define WM_INITIALUPDATE    0x0364  // (params unused) - sent to children
#define WM_COMMANDHELP      0x0365  // lResult = TRUE/FALSE, lParam = dwContext
#define WM_HELPHITTEST      0x0366  // lResult = dwContext, lParam = MAKELONG(x,y)
#define WM_EXITHELPMODE     0x0367  // (params unused)
#define WM_RECALCPARENT     0x0368  // force RecalcLayout on frame window
#define WM_SIZECHILD        0x0369  // special notify from COleResizeBar
#ifndef WM_KICKIDLE
#define WM_KICKIDLE         0x036A  // (params unused) causes idles to kick in
#endif
#define WM_QUERYCENTERWND   0x036B  // lParam = HWND to use as centering parent
#define WM_DISABLEMODAL     0x036C  // lResult = 0, disable during modal state
#define WM_FLOATSTATUS      0x036D  // wParam combination of FS_* flags below
#define WM_ACTIVATETOPLEVEL 0x036E  // wParam = nState (like WM_ACTIVATE)
#ifndef WM_QUERYAFXWNDPROC
#define WM_QUERYAFXWNDPROC  0x0360  // lResult = 1 if processed by AfxWndProc
#endif

#endif // __AFXPRIV_H__
