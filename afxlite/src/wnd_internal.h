// wnd_internal.h - pieces shared by the window layer's sources (internal).

#ifndef AFXLITE_WND_INTERNAL_H
#define AFXLITE_WND_INTERNAL_H

#include <afxwin.h>

#include "handlemap.h"

// Signed coordinates packed in an LPARAM (as windowsx.h has them; that header
// is not included because its SubclassWindow macro clashes with CWnd's).
#define AFX_GET_X_LPARAM(lp) ((int)(short)LOWORD(lp))
#define AFX_GET_Y_LPARAM(lp) ((int)(short)HIWORD(lp))

// The calling thread's map of window objects.
struct CWndHandleTraits
{
    typedef CWnd Object;
    typedef HWND Handle;
    static CWnd* NewTemp(HWND h);
    static void DeleteTemp(CWnd* p);
};
typedef CHandleMap<CWndHandleTraits> CWndHandleMap;
CWndHandleMap* AfxGetWndMap();

// Class registration flags of AFX_MODULE_STATE::m_fRegisteredClasses.
#define AFX_WND_REG             0x00001
#define AFX_WNDCOMMCTLS_REG     0x00010   // list view, header, tooltips, image lists
#define AFX_WNDCOMMCTL_COMBOEX_REG 0x00020
// Registers the window classes of the given flags once per process.
BOOL AfxDeferRegisterClass(LONG fToRegister);

// One message from the queue through the thread's pre-translation; FALSE on
// WM_QUIT.  Used by modal loops on threads with and without a CWinThread.
BOOL AfxLitePumpMessage(MSG* pMsg);
BOOL AfxLiteIsIdleMessage(MSG* pMsg);

// Tooltips of windows with EnableToolTips (wnd_tooltips.cpp).
void AfxLiteReleaseToolTipsOf(CWnd* pWnd);
void AfxLiteDeleteThreadToolTip(_AFX_THREAD_STATE* pState);

#endif // AFXLITE_WND_INTERNAL_H
