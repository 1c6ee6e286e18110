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

// The layer's one message pump and idle test (app_thread.cpp), behind
// CWinThread::PumpMessage and IsIdleMessage and used by modal loops on
// threads without a CWinThread.
// One message from the queue into pMsg through pThread's pre-translation
// (the windows' own when pThread is NULL), then dispatched; FALSE on WM_QUIT.
BOOL AfxLitePumpMessage(MSG* pMsg, CWinThread* pThread);
// Whether pMsg ends idle time; mouse moves to where the mouse already was
// do not.  The last mouse message is kept in *pptLast and *pnMsgLast, or in
// the calling thread's own record when they are NULL.
BOOL AfxLiteIsIdleMessage(const MSG* pMsg, POINT* pptLast, UINT* pnMsgLast);

// Marks a framework message loop (CWinThread::Run, CWnd::RunModalLoop) for
// as long as it runs: the outermost window-procedure call then leaves the
// temporaries it made to the loop's idle time.
class CAfxLiteFrameworkLoop
{
public:
    CAfxLiteFrameworkLoop();
    ~CAfxLiteFrameworkLoop();
private:
    CAfxLiteFrameworkLoop(const CAfxLiteFrameworkLoop&);
    void operator=(const CAfxLiteFrameworkLoop&);
};

// What the system gets from a handler that threw e (a framework exception,
// deleted here; NULL for any other): the thread's ProcessWndProcException
// when there is a thread object, else creation fails, a paint counts as
// done and everything else answers 0.
LRESULT AfxLiteWndProcException(CException* e, const MSG* pMsg);

// Tooltips of windows with EnableToolTips (wnd_tooltips.cpp).
void AfxLiteReleaseToolTipsOf(CWnd* pWnd);
void AfxLiteDeleteThreadToolTip(_AFX_THREAD_STATE* pState);

#endif // AFXLITE_WND_INTERNAL_H
