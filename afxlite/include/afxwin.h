// afxwin.h - windows, message maps, dialogs, application and module state of
// the afxlite framework layer (MFC 4.2 names, 8-bit text).
//
// Classes declared here:
//   CTypedSimpleList<TYPE>        intrusive singly linked list of the states
//   AFX_MSGMAP_ENTRY, AFX_MSGMAP  message maps (macros in afxmsg_.h)
//   CCmdTarget                    message-map walking, command routing
//   CWnd                          window object, one window procedure
//   CMenu                         menu handle wrapper (minimal)
//   CDataExchange                 dialog data exchange context (minimal)
//   CDialog                       modal and modeless dialogs
//   CStatic, CButton, CEdit, CListBox, CComboBox, CScrollBar
//                                 thin wrappers of the standard controls
//   CWinThread, CWinApp           message loop and application object
//   _AFX_THREAD_STATE, AFX_MODULE_THREAD_STATE, AFX_MODULE_STATE
//   AFX_EXTENSION_MODULE, CDynLinkLibrary
//                                 extension libraries and the resource chain
//
// There is one module state for the whole process: the host and every
// extension library see one current resource handle and one list of
// extension modules.  Thread state (the window-creation hook, the message
// being dispatched) and the handle maps belong to each thread.

#ifndef __AFXWIN_H__
#define __AFXWIN_H__

#ifndef __AFX_H__
#include <afx.h>
#endif
#include <afxcoll.h>
#include <afxgdi.h>
#include <afxres.h>
#include <commctrl.h>

// windows.h spells these as macros; the framework has members of the names.
#ifdef GetNextWindow
#undef GetNextWindow
#endif

class CCmdTarget;
class CWnd;
class CMenu;
class CDialog;
class CScrollBar;
class CWinThread;
class CWinApp;
class CDataExchange;
class CToolTipCtrl;
class CDynLinkLibrary;
class COleObjectFactory;
struct CCreateContext;
struct AFX_CMDHANDLERINFO;

/////////////////////////////////////////////////////////////////////////////
// Messages and flags of the framework

// 16-bit control colour message; the Win32 WM_CTLCOLORxxx messages are
// handed to ON_WM_CTLCOLOR handlers under this number.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// Messages reflected by a parent to the child that sent them arrive at the
// child as WM_REFLECT_BASE + the original message.
#ifndef WM_REFLECT_BASE
#define WM_REFLECT_BASE 0xBC00
#endif

#ifndef WM_QUERYAFXWNDPROC
#define WM_QUERYAFXWNDPROC 0x0360  // answered 1 by every window on AfxWndProc
#endif
#ifndef WM_KICKIDLE
#define WM_KICKIDLE        0x036A  // sent to a modal window while its queue is idle
#endif

// Notification code of menu commands and accelerators (and BN_CLICKED).
#define CN_COMMAND              0
#define CN_UPDATE_COMMAND_UI    ((UINT)(-1))
#define CN_NOTIFY               ((UINT)(-2))

// CWnd::m_nFlags
#define WF_TOOLTIPS         0x0001  // window is enabled for tooltips
#define WF_TEMPHIDE         0x0002  // window is temporarily hidden
#define WF_STAYDISABLED     0x0004  // window should stay disabled
#define WF_MODALLOOP        0x0008  // currently in modal loop
#define WF_CONTINUEMODAL    0x0010  // modal loop should continue running
#define WF_OLECTLCONTAINER  0x0100  // some descendant is an OLE control
#define WF_TRACKINGTOOLTIPS 0x0400  // window is enabled for tracking tooltips

// Tool flags the framework adds to TOOLINFO::uFlags.
#ifndef TTF_NOTBUTTON
#define TTF_NOTBUTTON       0x80000000L // no status help on buttondown
#endif
#ifndef TTF_ALWAYSTIP
#define TTF_ALWAYSTIP       0x40000000L // always show the tip even if not active
#endif

// CWnd::RunModalLoop
#define MLF_NOIDLEMSG       0x0001  // don't send WM_ENTERIDLE messages
#define MLF_NOKICKIDLE      0x0002  // don't send WM_KICKIDLE messages
#define MLF_SHOWONIDLE      0x0004  // show window if not visible at idle time

// CWnd::ModifyStyle nFlags are SWP_ flags; CWnd::CenterWindow etc. use these.
#define CTLCOLOR_MSGBOX     0
#define CTLCOLOR_EDIT       1
#define CTLCOLOR_LISTBOX    2
#define CTLCOLOR_BTN        3
#define CTLCOLOR_DLG        4
#define CTLCOLOR_SCROLLBAR  5
#define CTLCOLOR_STATIC     6
#define CTLCOLOR_MAX        7

// What OnCtlColor handlers receive for WM_CTLCOLOR.
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;
};

// What ON_NOTIFY handlers are dispatched with (pExtra of OnCmdMsg).
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

/////////////////////////////////////////////////////////////////////////////
// CTypedSimpleList: singly linked list through a link member of the element
// (CRuntimeClass::m_pNextClass, CDynLinkLibrary::m_pNextDLL).  The link is
// found by an overload of AfxSimpleListNext for the element type.

template <class TYPE>
class CTypedSimpleList
{
public:
    CTypedSimpleList() : m_pHead(NULL) { }

    BOOL IsEmpty() const { return m_pHead == NULL; }
    TYPE GetHead() const { return m_pHead; }
    TYPE GetNext(TYPE p) const { return *AfxSimpleListNext(p); }
    void AddHead(TYPE p) { *AfxSimpleListNext(p) = m_pHead; m_pHead = p; }
    void AddTail(TYPE p)
    {
        *AfxSimpleListNext(p) = NULL;
        TYPE* pp = &m_pHead;
        while (*pp != NULL)
            pp = AfxSimpleListNext(*pp);
        *pp = p;
    }
    // Unlinks p; FALSE when it is not in the list.
    BOOL Remove(TYPE p)
    {
        for (TYPE* pp = &m_pHead; *pp != NULL; pp = AfxSimpleListNext(*pp))
        {
            if (*pp == p)
            {
                *pp = *AfxSimpleListNext(p);
                return TRUE;
            }
        }
        return FALSE;
    }
    void RemoveAll() { m_pHead = NULL; }
    operator TYPE() const { return m_pHead; }

    TYPE m_pHead;
};

inline CRuntimeClass** AfxSimpleListNext(CRuntimeClass* p)
{
    return const_cast<CRuntimeClass**>(&p->m_pNextClass);
}

/////////////////////////////////////////////////////////////////////////////
// Message maps

#ifndef AFX_MSG_CALL
#define AFX_MSG_CALL
#endif

typedef void (AFX_MSG_CALL CCmdTarget::*AFX_PMSG)(void);
typedef void (AFX_MSG_CALL CWnd::*AFX_PMSGW)(void);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;   // window message
    UINT nCode;      // control code or WM_NOTIFY code
    UINT nID;        // control id (or 0 for window messages)
    UINT nLastID;    // used for entries specifying a range of control ids
    UINT_PTR nSig;   // signature type (action), or pointer to message number
    AFX_PMSG pfn;    // routine to call (or special value)
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (PASCAL* pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Handler signatures.  The name spells the result and the arguments:
// v void, b BOOL, i int, w UINT/WPARAM, l LPARAM/LRESULT, p CPoint, s string
// or pointer, D CDC*, W CWnd*, h HBRUSH; the prototype follows each code.
enum AfxSig
{
    AfxSig_end = 0,         // [marks end of message map]

    // commands and notifications (called on the CCmdTarget)
    AfxSig_vv,              // void (void)
    AfxSig_bv,              // BOOL (void)
    AfxSig_vw,              // void (UINT)            command range, OnTimer
    AfxSig_bw,              // BOOL (UINT)            ON_COMMAND_EX
    AfxSig_vNMHDRpl,        // void (NMHDR*, LRESULT*)
    AfxSig_bNMHDRpl,        // BOOL (NMHDR*, LRESULT*)
    AfxSig_vwNMHDRpl,       // void (UINT, NMHDR*, LRESULT*)
    AfxSig_bwNMHDRpl,       // BOOL (UINT, NMHDR*, LRESULT*)

    // window messages (called on the CWnd)
    AfxSig_lwl,             // LRESULT (WPARAM, LPARAM)
    AfxSig_is,              // int (LPCREATESTRUCT)
    AfxSig_vwii,            // void (UINT, int, int)   OnSize
    AfxSig_vvii,            // void (int, int)         OnMove
    AfxSig_bD,              // BOOL (CDC*)             OnEraseBkgnd
    AfxSig_vCALC,           // void (BOOL, NCCALCSIZE_PARAMS*)
    AfxSig_wp,              // UINT (CPoint)           OnNcHitTest
    AfxSig_vPOS,            // void (WINDOWPOS*)
    AfxSig_vMINMAX,         // void (MINMAXINFO*)
    AfxSig_vbw,             // void (BOOL, UINT)       OnShowWindow
    AfxSig_vb,              // void (BOOL)             OnEnable
    AfxSig_vwp,             // void (UINT, CPoint)     mouse buttons and moves
    AfxSig_bwsp,            // BOOL (UINT, short, CPoint) OnMouseWheel
    AfxSig_bWww,            // BOOL (CWnd*, UINT, UINT) OnSetCursor
    AfxSig_iWww,            // int (CWnd*, UINT, UINT)  OnMouseActivate
    AfxSig_vW,              // void (CWnd*)            wParam window
    AfxSig_vW2,             // void (CWnd*)            lParam window
    AfxSig_vWp,             // void (CWnd*, CPoint)    OnContextMenu
    AfxSig_vwww,            // void (UINT, UINT, UINT) keys
    AfxSig_wv,              // UINT (void)             OnGetDlgCode
    AfxSig_vwwx,            // void (UINT, UINT, CScrollBar*)
    AfxSig_vws,             // void (UINT, LPCTSTR)    OnSettingChange
    AfxSig_vs,              // void (LPCTSTR)          OnWinIniChange
    AfxSig_vMwb,            // void (CMenu*, UINT, BOOL) OnInitMenuPopup
    AfxSig_vwl,             // void (UINT, LPARAM)     OnParentNotify
    AfxSig_hDWw,            // HBRUSH (CDC*, CWnd*, UINT) OnCtlColor
    AfxSig_vOWNER,          // void (int, LPDRAWITEMSTRUCT)
    AfxSig_vMEASURE,        // void (int, LPMEASUREITEMSTRUCT)

    // reflected messages (called on the child)
    AfxSig_vDRAWITEM,       // void (LPDRAWITEMSTRUCT)
    AfxSig_vMEASUREITEM,    // void (LPMEASUREITEMSTRUCT)
    AfxSig_hDw,             // HBRUSH (CDC*, UINT)     CtlColor
    AfxSig_vwwREFLECT,      // void (UINT, UINT)       HScroll/VScroll

    AfxSig_max
};

// A map holds pointers to members of several signatures in one array; the
// conversions are deliberate and checked by the static_cast in each macro.
#define _AFX_MSGMAP_WARNINGS_OFF \
    _Pragma("GCC diagnostic push") \
    _Pragma("GCC diagnostic ignored \"-Wcast-function-type\"")
#define _AFX_MSGMAP_WARNINGS_ON \
    _Pragma("GCC diagnostic pop")

// _AfxMsgMapClass names the class inside the entries (see afxmsg_.h).
#define DECLARE_MESSAGE_MAP() \
private: \
    static const AFX_MSGMAP_ENTRY _messageEntries[]; \
    struct _AfxMsgMapClass; \
protected: \
    static AFX_DATA const AFX_MSGMAP messageMap; \
    static const AFX_MSGMAP* PASCAL _GetBaseMessageMap(); \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    struct theClass::_AfxMsgMapClass \
    { \
        typedef theClass ThisClass; \
        typedef baseClass TheBaseClass; \
    }; \
    const AFX_MSGMAP* PASCAL theClass::_GetBaseMessageMap() \
        { return &baseClass::messageMap; } \
    const AFX_MSGMAP* theClass::GetMessageMap() const \
        { return &theClass::messageMap; } \
    AFX_DATADEF const AFX_MSGMAP theClass::messageMap = \
        { &theClass::_GetBaseMessageMap, &theClass::_messageEntries[0] }; \
    _AFX_MSGMAP_WARNINGS_OFF \
    const AFX_MSGMAP_ENTRY theClass::_messageEntries[] = \
    {

#define END_MESSAGE_MAP() \
        { 0, 0, 0, 0, AfxSig_end, (AFX_PMSG)0 } \
    }; \
    _AFX_MSGMAP_WARNINGS_ON

#include <afxmsg_.h>

// The first entry of lpEntry's map (or its continuation) that matches.
AFXLITE_API const AFX_MSGMAP_ENTRY* AFXAPI AfxFindMessageEntry(
    const AFX_MSGMAP_ENTRY* lpEntry, UINT nMsg, UINT nCode, UINT nID);

/////////////////////////////////////////////////////////////////////////////
// CCmdTarget

class AFXLITE_API CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
// Constructors
    CCmdTarget();

// Operations
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

// Overridables
    // Routes and dispatches command messages: nCode is the notification code
    // in the low word and the message (0 for WM_COMMAND) in the high word.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra,
                          AFX_CMDHANDLERINFO* pHandlerInfo);

// Implementation
public:
    virtual ~CCmdTarget();

protected:
    DECLARE_MESSAGE_MAP()
};

// Extra information OnCmdMsg fills in when asked who would handle a command.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

/////////////////////////////////////////////////////////////////////////////
// CWnd

class AFXLITE_API CWnd : public CCmdTarget
{
    DECLARE_DYNCREATE(CWnd)
public:
    // The message AfxWndProc is dispatching on this thread.
    static const MSG* PASCAL GetCurrentMessage();

// Attributes
public:
    HWND m_hWnd;            // must be first data member
    operator HWND() const { return _AfxIsNullThis(this) ? NULL : m_hWnd; }
    HWND GetSafeHwnd() const { return _AfxIsNullThis(this) ? NULL : m_hWnd; }

    BOOL operator==(const CWnd& wnd) const { return wnd.m_hWnd == m_hWnd; }
    BOOL operator!=(const CWnd& wnd) const { return wnd.m_hWnd != m_hWnd; }

    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    static BOOL PASCAL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    static BOOL PASCAL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);

    // The owner set with SetOwner, else the parent.
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd);

// Constructors and other creation
    CWnd();

    // The permanent object of hWnd, else a temporary one (see afxgdi.h for
    // the lifetime of temporaries).  NULL for a NULL handle.
    static CWnd* PASCAL FromHandle(HWND hWnd);
    // The object attached to hWnd on this thread, or NULL.
    static CWnd* PASCAL FromHandlePermanent(HWND hWnd);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();

    // Creates a child window (WS_CHILD is added).
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                        const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = NULL);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                  DWORD dwStyle, int x, int y, int nWidth, int nHeight,
                  HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam = NULL);
    BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                  DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                  LPVOID lpParam = NULL);

    virtual BOOL DestroyWindow();

    // Special pre-creation and window rect adjustment hooks
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0);

// Window tree access
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const;
    // The first descendant with id nID (only those with objects when bOnlyPerm).
    CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                                  BOOL bDeep = TRUE, BOOL bOnlyPerm = FALSE);
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* pWndNewParent);
    // The first ancestor that is not a child window.
    CWnd* GetParentOwner() const;
    // The top-level window reached through parents and owners.
    CWnd* GetTopLevelParent() const;
    CWnd* GetTopLevelOwner() const;
    static CWnd* PASCAL WindowFromPoint(POINT point);

// Message functions
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL SendNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam);

// Window text functions
    void SetWindowText(LPCTSTR lpszString);
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;

// Window size and position functions
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    int SetWindowRgn(HRGN hRgn, BOOL bRedraw);
    int GetWindowRgn(HRGN hRgn) const;

    static AFX_DATA const CWnd wndTop;       // SetWindowPos's pWndInsertAfter
    static AFX_DATA const CWnd wndBottom;
    static AFX_DATA const CWnd wndTopMost;
    static AFX_DATA const CWnd wndNoTopMost;

    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    UINT ArrangeIconicWindows();
    void BringWindowToTop();
    void GetWindowRect(LPRECT lpRect) const;
    void GetClientRect(LPRECT lpRect) const;
    BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl);

// Coordinate mapping functions
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;

// Update/painting functions
    CDC* BeginPaint(LPPAINTSTRUCT lpPaint);
    void EndPaint(LPPAINTSTRUCT lpPaint);
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* pDC);
    void UpdateWindow();
    void SetRedraw(BOOL bRedraw = TRUE);
    BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE);
    int GetUpdateRgn(CRgn* pRgn, BOOL bErase = FALSE);
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void InvalidateRgn(CRgn* pRgn, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void ValidateRgn(CRgn* pRgn);
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    void ShowOwnedPopups(BOOL bShow = TRUE);
    BOOL RedrawWindow(LPCRECT lpRectUpdate = NULL, CRgn* prgnUpdate = NULL,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    BOOL EnableScrollBar(int nSBFlags, UINT nArrowFlags = ESB_ENABLE_BOTH);

// Timer functions
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse,
                      void (CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD));
    BOOL KillTimer(UINT_PTR nIDEvent);

// Window state functions
    BOOL IsWindowEnabled() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);

    static CWnd* PASCAL GetActiveWindow();
    CWnd* SetActiveWindow();
    static CWnd* PASCAL GetForegroundWindow();
    BOOL SetForegroundWindow();

    static CWnd* PASCAL GetCapture();
    CWnd* SetCapture();
    static CWnd* PASCAL GetFocus();
    CWnd* SetFocus();

    static CWnd* PASCAL GetDesktopWindow();

// Dialog-box item functions
    void CheckDlgButton(int nIDButton, UINT nCheck);
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = NULL, BOOL bSigned = TRUE) const;
    int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const;
    int GetDlgItemText(int nID, CString& rString) const;
    CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    UINT IsDlgButtonChecked(int nIDButton) const;
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    void SetDlgItemText(int nID, LPCTSTR lpszString);

// Scrolling functions
    int GetScrollPos(int nBar) const;
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = NULL, LPCRECT lpClipRect = NULL);
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);

// Window access functions
    CWnd* ChildWindowFromPoint(POINT point) const;
    CWnd* ChildWindowFromPoint(POINT point, UINT nFlags) const;
    static CWnd* PASCAL FindWindow(LPCTSTR lpszClassName, LPCTSTR lpszWindowName);
    CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const;
    CWnd* GetTopWindow() const;
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* GetLastActivePopup() const;
    BOOL IsChild(const CWnd* pWnd) const;
    BOOL IsWindowEnabledAndVisible() const;
    CMenu* GetMenu() const;
    CMenu* GetSystemMenu(BOOL bRevert) const;

// Caret functions
    void CreateSolidCaret(int nWidth, int nHeight);
    void HideCaret();
    void ShowCaret();
    static void PASCAL SetCaretPos(POINT point);

// Misc
    void DragAcceptFiles(BOOL bAccept = TRUE);
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;
    // Centres the window over its owner (or pAlternateOwner, or the screen).
    void CenterWindow(CWnd* pAlternateOwner = NULL);
    BOOL FlashWindow(BOOL bInvert);

// Dialog data support
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

// Tooltip support
    // With tooltips enabled, mouse messages that pass PreTranslateMessage
    // ask OnToolHitTest for the tool under the mouse and show it in the
    // thread's tooltip control; the tip asks this window for its text.
    BOOL EnableToolTips(BOOL bEnable = TRUE);
    // Hides the thread's tooltip (after a click or a key).
    static void PASCAL CancelToolTips(BOOL bKeys = FALSE);
    void FilterToolTipMessage(MSG* pMsg);
    // Finds the child under point; fills pTI for a tooltip that uses the
    // child's handle as its id.  Returns the child's id, or -1.  A text the
    // override puts in pTI must stay valid (LPSTR_TEXTCALLBACK is usual).
    virtual int OnToolHitTest(CPoint point, TOOLINFO* pTI) const;
    // TRUE while the top-level window of this one is the active one.
    BOOL IsTopParentActive() const;

// Overridables
    // Tries the message on the windows from pMsg->hwnd up to hWndStop.
    static BOOL PASCAL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

// Message handlers (default: the window's previous procedure, Default())
protected:
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnCancelMode();
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnClose();
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnDestroy();
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnNcDestroy();
    afx_msg UINT OnNcHitTest(CPoint point);
    afx_msg void OnNcPaint();
    afx_msg void OnPaint();
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSysColorChange();
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnTimer(UINT nIDEvent);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnWinIniChange(LPCTSTR lpszSection);
    // WM_COMPAREITEM, WM_DELETEITEM, WM_CHARTOITEM, WM_VKEYTOITEM: offered
    // to the control they concern first
    afx_msg LRESULT OnOwnerItemMessage(WPARAM wParam, LPARAM lParam);

// Overridables and other helpers (for implementation of derived classes)
protected:
    // for deriving from a standard control
    virtual WNDPROC* GetSuperWndProcAddr();

    // for dialog data exchange and validation
    virtual void DoDataExchange(CDataExchange* pDX);

public:
    // called after the window is attached and before it is subclassed
    virtual void PreSubclassWindow();

protected:
    // for processing Windows messages
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // for handling default processing
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // for custom cleanup after WM_NCDESTROY
    virtual void PostNcDestroy();

    // for notifications from parent
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // return TRUE if parent should not process this message
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    static BOOL PASCAL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = NULL);

// Implementation
public:
    virtual ~CWnd();
    virtual BOOL CheckAutoCenter();

    // Offers the message being dispatched to this window (see m_lastSentMsg).
    BOOL SendChildNotifyLastMsg(LRESULT* pResult = NULL);

    // the window's owner, when set explicitly
    HWND m_hWndOwner;
    UINT m_nFlags;          // see WF_ flags above
    WNDPROC m_pfnSuper;     // for subclassing of controls
    int m_nModalResult;     // for return values from CWnd::RunModalLoop

    // for creating dialogs and dialog-like windows
    BOOL CreateDlg(LPCTSTR lpszTemplateName, CWnd* pParentWnd);
    BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd,
                           HINSTANCE hInst);

    // for modal loops
    int RunModalLoop(DWORD dwFlags = 0);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int nResult);

    // the owner to disable for a modal window started from hParent
    static HWND PASCAL GetSafeOwner_(HWND hParent, HWND* pWndTop);
    static CWnd* PASCAL GetSafeOwner(CWnd* pParent = NULL, HWND* pWndTop = NULL);

    // input filtering for dialog-like windows
    BOOL PreTranslateInput(LPMSG lpMsg);
    BOOL IsDialogMessage(LPMSG lpMsg);

protected:
    explicit CWnd(HWND hWnd);   // just for special initialization

    friend LRESULT AFXAPI AfxCallWndProc(CWnd*, HWND, UINT, WPARAM, LPARAM);
    friend LRESULT CALLBACK _AfxCbtFilterHook(int, WPARAM, LPARAM);
    friend class CDialog;
    friend class CWinThread;

    DECLARE_MESSAGE_MAP()

private:
    CWnd(const CWnd&);
    void operator=(const CWnd&);
};

// The window-creation hook (see AfxHookWindowCreate).
LRESULT CALLBACK _AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam);

// The window procedure of every window attached to a CWnd.
AFXLITE_API LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
AFXLITE_API WNDPROC AFXAPI AfxGetAfxWndProc();
// Dispatches one message to pWnd, keeping the thread's m_lastSentMsg.
AFXLITE_API LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg,
                                          WPARAM wParam = 0, LPARAM lParam = 0);

// The next window created on this thread is attached to pWnd and subclassed
// to AfxWndProc before it receives any message.
AFXLITE_API void AFXAPI AfxHookWindowCreate(CWnd* pWnd);
// FALSE when the window announced by AfxHookWindowCreate was never created.
AFXLITE_API BOOL AFXAPI AfxUnhookWindowCreate();

// Window classes.  AfxRegisterWndClass returns a name that stays valid until
// the next call on the same thread.
AFXLITE_API LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = 0,
                                              HBRUSH hbrBackground = 0, HICON hIcon = 0);
AFXLITE_API BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass);

// Default window class of CWnd::Create with a NULL class name.
#define AFX_WND  "AfxWnd42"
#define AFX_WNDCLASS(s) "Afx" s "42"

// The main window of the current thread's CWinThread (NULL without one).
AFXLITE_API CWnd* AFXAPI AfxGetMainWnd();

/////////////////////////////////////////////////////////////////////////////
// CMenu (a handle wrapper; enough for menus handed to message handlers)

class AFXLITE_API CMenu : public CObject
{
    DECLARE_DYNCREATE(CMenu)
public:
// Constructors
    CMenu();
    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL LoadMenu(LPCTSTR lpszResourceName);
    BOOL LoadMenu(UINT nIDResource);
    BOOL DestroyMenu();

// Attributes
    HMENU m_hMenu;          // must be first data member
    HMENU GetSafeHmenu() const { return _AfxIsNullThis(this) ? NULL : m_hMenu; }
    operator HMENU() const { return GetSafeHmenu(); }

    static CMenu* PASCAL FromHandle(HMENU hMenu);
    static CMenu* PASCAL FromHandlePermanent(HMENU hMenu);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HMENU hMenu);
    HMENU Detach();

// CMenu Operations
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = 0);

// CMenuItem Operations
    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = NULL);
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    UINT GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    CMenu* GetSubMenu(int nPos) const;
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                    LPCTSTR lpszNewItem = NULL);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0,
                    LPCTSTR lpszNewItem = NULL);
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);

// Implementation
public:
    virtual ~CMenu();
};

/////////////////////////////////////////////////////////////////////////////
// CDataExchange: the context DoDataExchange runs in

class AFXLITE_API CDataExchange
{
// Attributes
public:
    BOOL m_bSaveAndValidate;   // TRUE => save and validate data
    CWnd* m_pDlgWnd;           // container usually a dialog

// Operations (for implementors of DDX and DDV procs)
    HWND PrepareCtrl(int nIDC);       // return HWND of control
    HWND PrepareEditCtrl(int nIDC);   // return HWND of control
    void Fail();                      // will throw exception

// Implementation
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);
    HWND m_hWndLastControl;    // last control used (for validation)
    BOOL m_bEditLastControl;   // last control was an edit item
};

// Thrown by CDataExchange::Fail; UpdateData catches it and returns FALSE.
class AFXLITE_API CUserException : public CSimpleException
{
    DECLARE_DYNAMIC(CUserException)
public:
    CUserException();
    virtual ~CUserException();
};
AFXLITE_API void AFXAPI AfxThrowUserException();

// Binds a dialog item to a control object on the first exchange into the
// dialog (UpdateData(FALSE), which CDialog::OnInitDialog runs).
AFXLITE_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

/////////////////////////////////////////////////////////////////////////////
// CDialog

class AFXLITE_API CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)

    // Modeless construct
public:
    CDialog();

    BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL,
                        void* lpDialogInit = NULL);
    BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);

    // Modal construct
public:
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL,
                           void* lpDialogInit = NULL);
    BOOL InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);

// Attributes
public:
    void MapDialogRect(LPRECT lpRect) const;
    void SetHelpID(UINT nIDR) { m_nIDHelp = nIDR; }

// Operations
public:
    // modal processing: the dialog's result, or -1 when it cannot be created
    virtual int DoModal();

    // support for passing on tab control - use 'PostMessage' if needed
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);

    // default button access
    void SetDefID(UINT nID);
    DWORD GetDefID() const;

    // termination
    void EndDialog(int nResult);

// Overridables (special message map entries)
    virtual BOOL OnInitDialog();
    virtual void OnSetFont(CFont* pFont);
protected:
    virtual void OnOK();
    virtual void OnCancel();

// Implementation
public:
    virtual ~CDialog();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra,
                          AFX_CMDHANDLERINFO* pHandlerInfo);
    virtual BOOL CheckAutoCenter();

protected:
    UINT m_nIDHelp;                 // Help ID (0 for none, see HID_BASE_RESOURCE)

    // parameters for 'DoModal'
    LPCTSTR m_lpszTemplateName;     // name or MAKEINTRESOURCE
    HGLOBAL m_hDialogTemplate;      // indirect (m_lpDialogTemplate == NULL)
    LPCDLGTEMPLATE m_lpDialogTemplate;  // indirect if (m_lpszTemplateName == NULL)
    void* m_lpDialogInit;           // DLGINIT resource data
    CWnd* m_pParentWnd;             // parent/owner window
    HWND m_hWndTop;                 // top level parent window (may be disabled)

    virtual void PreInitDialog();

    // implementation helpers
    HWND PreModal();
    void PostModal();

    BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd,
                        void* lpDialogInit, HINSTANCE hInst);
    BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);

protected:
    afx_msg LRESULT HandleInitDialog(WPARAM, LPARAM);
    afx_msg LRESULT HandleSetFont(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()
};

// The dialog procedure of every CDialog: calls OnInitDialog.
AFXLITE_API INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

/////////////////////////////////////////////////////////////////////////////
// Standard controls (thin wrappers: a validity check and one message each)

class AFXLITE_API CStatic : public CWnd
{
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic();
    virtual BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID = 0xffff);

    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const;
    HCURSOR SetCursor(HCURSOR hCursor);
    HCURSOR GetCursor();

    virtual ~CStatic();
};

class AFXLITE_API CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)
public:
    CButton();
    virtual BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID);

// Attributes
    UINT GetState() const;
    void SetState(BOOL bHighlight);
    int GetCheck() const;
    void SetCheck(int nCheck);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;
    HBITMAP SetBitmap(HBITMAP hBitmap);
    HBITMAP GetBitmap() const;
    HCURSOR SetCursor(HCURSOR hCursor);
    HCURSOR GetCursor();

// Overridables (for owner draw only)
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

// Implementation
public:
    virtual ~CButton();
protected:
    virtual BOOL OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*);
};

class AFXLITE_API CListBox : public CWnd
{
    DECLARE_DYNAMIC(CListBox)
public:
    CListBox();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

// Attributes
    int GetCount() const;
    int GetHorizontalExtent() const;
    void SetHorizontalExtent(int cxExtent);
    int GetTopIndex() const;
    int SetTopIndex(int nIndex);
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    int GetSel(int nIndex) const;
    int SetSel(int nIndex, BOOL bSelect = TRUE);
    int GetSelCount() const;
    int GetSelItems(int nMaxItems, LPINT rgIndex) const;
    DWORD_PTR GetItemData(int nIndex) const;
    void* GetItemDataPtr(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    int SetItemDataPtr(int nIndex, void* pData);
    int GetItemRect(int nIndex, LPRECT lpRect) const;
    int GetText(int nIndex, LPTSTR lpszBuffer) const;
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const;
    int SetItemHeight(int nIndex, UINT cyItemHeight);
    int GetItemHeight(int nIndex) const;
    int GetCaretIndex() const;
    int SetCaretIndex(int nIndex, BOOL bScroll = TRUE);

// Operations
    int AddString(LPCTSTR lpszItem);
    int DeleteString(UINT nIndex);
    int InsertString(int nIndex, LPCTSTR lpszItem);
    void ResetContent();
    int FindString(int nStartAfter, LPCTSTR lpszItem) const;
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
    int SelectString(int nStartAfter, LPCTSTR lpszItem);

// Overridables (must override draw, measure and compare for owner draw)
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

// Implementation
public:
    virtual ~CListBox();
protected:
    virtual BOOL OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*);
};

class AFXLITE_API CComboBox : public CWnd
{
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

// Attributes
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int nSelect);
    DWORD GetEditSel() const;
    BOOL LimitText(int nMaxChars);
    BOOL SetEditSel(int nStartChar, int nEndChar);
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    void* GetItemDataPtr(int nIndex) const;
    int SetItemDataPtr(int nIndex, void* pData);
    int GetLBText(int nIndex, LPTSTR lpszText) const;
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const;
    int SetItemHeight(int nIndex, UINT cyItemHeight);
    int GetItemHeight(int nIndex) const;
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
    int SetExtendedUI(BOOL bExtended = TRUE);
    BOOL GetExtendedUI() const;
    void GetDroppedControlRect(LPRECT lprect) const;
    BOOL GetDroppedState() const;
    int GetDroppedWidth() const;
    int SetDroppedWidth(UINT nWidth);
    int GetTopIndex() const;
    int SetTopIndex(int nIndex);

// Operations
    void ShowDropDown(BOOL bShowIt = TRUE);
    int AddString(LPCTSTR lpszString);
    int DeleteString(UINT nIndex);
    int InsertString(int nIndex, LPCTSTR lpszString);
    void ResetContent();
    int Dir(UINT attr, LPCTSTR lpszWildCard);
    int FindString(int nStartAfter, LPCTSTR lpszString) const;
    int SelectString(int nStartAfter, LPCTSTR lpszString);
    void Clear();
    void Copy();
    void Cut();
    void Paste();

// Overridables (must override draw, measure and compare for owner draw)
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

// Implementation
public:
    virtual ~CComboBox();
protected:
    virtual BOOL OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*);
};

class AFXLITE_API CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

// Attributes
    BOOL CanUndo() const;
    int GetLineCount() const;
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
    void GetRect(LPRECT lpRect) const;
    DWORD GetSel() const;
    void GetSel(int& nStartChar, int& nEndChar) const;
    HLOCAL GetHandle() const;
    void SetHandle(HLOCAL hBuffer);
    void SetMargins(UINT nLeft, UINT nRight);
    DWORD GetMargins() const;
    void SetLimitText(UINT nMax);
    UINT GetLimitText() const;
    int GetLine(int nIndex, LPTSTR lpszBuffer) const;
    int GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const;

// Operations
    void EmptyUndoBuffer();
    BOOL FmtLines(BOOL bAddEOL);
    void LimitText(int nChars = 0);
    int LineFromChar(int nIndex = -1) const;
    int LineIndex(int nLine = -1) const;
    int LineLength(int nLine = -1) const;
    void LineScroll(int nLines, int nChars = 0);
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
    void SetPasswordChar(TCHAR ch);
    void SetRect(LPCRECT lpRect);
    void SetRectNP(LPCRECT lpRect);
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    BOOL SetTabStops(int nTabStops, LPINT rgTabStops);
    void SetTabStops();
    BOOL SetTabStops(const int& cxEachStop);
    BOOL Undo();
    void Clear();
    void Copy();
    void Cut();
    void Paste();
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    int GetFirstVisibleLine() const;
    TCHAR GetPasswordChar() const;

// Implementation
public:
    virtual ~CEdit();
};

class AFXLITE_API CScrollBar : public CWnd
{
    DECLARE_DYNAMIC(CScrollBar)
public:
    CScrollBar();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

// Attributes
    int GetScrollPos() const;
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE);
    void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const;
    void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    void ShowScrollBar(BOOL bShow = TRUE);
    BOOL EnableScrollBar(UINT nArrowFlags = ESB_ENABLE_BOTH);
    BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    int GetScrollLimit();

// Implementation
public:
    virtual ~CScrollBar();
};

/////////////////////////////////////////////////////////////////////////////
// CWinThread and CWinApp

typedef UINT (AFX_CDECL* AFX_THREADPROC)(LPVOID);

class AFXLITE_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
// Constructors
    CWinThread();

// Attributes
    CWnd* m_pMainWnd;       // main window (usually same AfxGetApp()->m_pMainWnd)
    CWnd* m_pActiveWnd;     // active main window (may not be m_pMainWnd)
    BOOL m_bAutoDelete;     // enables 'delete this' after thread termination

    // only valid while running
    HANDLE m_hThread;       // this thread's HANDLE
    operator HANDLE() const { return _AfxIsNullThis(this) ? NULL : m_hThread; }
    DWORD m_nThreadID;      // this thread's ID

// Overridables
    // thread initialization
    virtual BOOL InitInstance();

    // running and idle processing
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();     // low level message pump
    virtual BOOL OnIdle(LONG lCount); // return TRUE if more idle processing
    virtual BOOL IsIdleMessage(MSG* pMsg);  // checks for special messages

    // thread termination
    virtual int ExitInstance(); // default will 'delete this'

    // Advanced: exception handling
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);

    // Advanced: access to GetMainWnd()
    virtual CWnd* GetMainWnd();

// Implementation
public:
    virtual ~CWinThread();
    void CommonConstruct();
    virtual void Delete();

    MSG m_msgCur;                   // current message
    CPoint m_ptCursorLast;          // last mouse position
    UINT m_nMsgLast;                // last mouse message
};

class AFXLITE_API CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
// Constructor
    CWinApp(LPCTSTR lpszAppName = NULL);  // app name defaults to EXE name

// Attributes
    // Startup args (do not change)
    HINSTANCE m_hInstance;
    HINSTANCE m_hPrevInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;

    // Running args (can be changed in InitInstance)
    LPCTSTR m_pszAppName;   // human readable name
    LPCTSTR m_pszRegistryKey;   // used for registry entries

public:
    // set in constructor to override default
    LPCTSTR m_pszExeName;       // executable name (no spaces)
    LPCTSTR m_pszHelpFilePath;  // default based on module path
    LPCTSTR m_pszProfileName;   // default based on app name

// Overridables
    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    virtual int ExitInstance(); // return app exit code
    virtual int Run();
    virtual BOOL OnIdle(LONG lCount); // return TRUE if more idle processing
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);

    // Cursors
    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
    HCURSOR LoadOEMCursor(UINT nIDCursor) const;

    // Icons
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;
    HICON LoadOEMIcon(UINT nIDIcon) const;

    // Modal windows disable the application's other windows through this.
    virtual void EnableModeless(BOOL bEnable);

    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

// Implementation
public:
    virtual ~CWinApp();

    // helpers for standard commands
    void SetCurrentHandles();
    int m_nWaitCursorCount;         // for wait cursor (>0 => waiting)
    HCURSOR m_hcurWaitCursorRestore; // old cursor to restore after wait cursor

protected:
    BOOL m_bHelpMode;
};

// The application object (NULL when the host has none).
AFXLITE_API CWinApp* AFXAPI AfxGetApp();
// The CWinThread object of the calling thread (the application's on its thread).
AFXLITE_API CWinThread* AFXAPI AfxGetThread();
// The instance and resource handles default to the executable's module.
AFXLITE_API HINSTANCE AFXAPI AfxGetInstanceHandle();
AFXLITE_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFXLITE_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
AFXLITE_API LPCTSTR AFXAPI AfxGetAppName();

AFXLITE_API BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance,
                                   LPTSTR lpCmdLine, int nCmdShow);
AFXLITE_API void AFXAPI AfxWinTerm();
// The body of an application's WinMain: AfxWinInit, InitInstance, Run.
AFXLITE_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance,
                                  LPTSTR lpCmdLine, int nCmdShow);
AFXLITE_API void AFXAPI AfxPostQuitMessage(int nExitCode);

/////////////////////////////////////////////////////////////////////////////
// Thread and module state

// Per-thread state of the window layer.
class AFXLITE_API _AFX_THREAD_STATE
{
public:
    _AFX_THREAD_STATE();
    ~_AFX_THREAD_STATE();

    // window creation (see AfxHookWindowCreate)
    CWnd* m_pWndInit;
    CWnd* m_pAlternateWndInit;      // special case commdlg hooking
    HHOOK m_hHookOldCbtFilter;
    HHOOK m_hHookOldMsgFilter;

    // the message AfxWndProc is dispatching (saved and restored around
    // nested sends); hwnd, message, wParam, lParam, time and pt
    MSG m_lastSentMsg;
    HWND m_hLockoutNotifyWindow;    // see CWnd::OnCommand

    // message pump for modal loops on threads without a CWinThread
    MSG m_msgCur;

    // AfxRegisterWndClass's answer
    TCHAR m_szTempClassName[96];

    // the thread's tooltip for windows with EnableToolTips, and the tool it
    // shows (see CWnd::FilterToolTipMessage)
    CToolTipCtrl* m_pToolTip;
    HWND m_hWndLastHit;
    int m_nLastHit;
    TOOLINFO m_lastInfo;

private:
    _AFX_THREAD_STATE(const _AFX_THREAD_STATE&);
    void operator=(const _AFX_THREAD_STATE&);
};

AFXLITE_API _AFX_THREAD_STATE* AFXAPI AfxGetThreadState();

class AFXLITE_API AFX_MODULE_THREAD_STATE
{
public:
    AFX_MODULE_THREAD_STATE();
    ~AFX_MODULE_THREAD_STATE();

    // current CWinThread pointer
    CWinThread* m_pCurrentWinThread;

private:
    AFX_MODULE_THREAD_STATE(const AFX_MODULE_THREAD_STATE&);
    void operator=(const AFX_MODULE_THREAD_STATE&);
};

AFXLITE_API AFX_MODULE_THREAD_STATE* AFXAPI AfxGetModuleThreadState();

inline CDynLinkLibrary** AfxSimpleListNext(CDynLinkLibrary* p);
inline COleObjectFactory** AfxSimpleListNext(COleObjectFactory* p);

// The one process-wide module state.
class AFXLITE_API AFX_MODULE_STATE
{
public:
    AFX_MODULE_STATE();

    CWinApp* m_pCurrentWinApp;
    HINSTANCE m_hCurrentInstanceHandle;     // NULL: the executable's module
    HINSTANCE m_hCurrentResourceHandle;     // NULL: the executable's module
    LPCTSTR m_lpszCurrentAppName;
    BYTE m_bDLL;        // TRUE if module is a DLL, FALSE if it is an EXE
    BYTE m_bSystem;     // TRUE if module is a "system" module, FALSE if not

    // run-time classes registered by the host and by libraries loaded
    // without a CDynLinkLibrary
    CTypedSimpleList<CRuntimeClass*> m_classList;
    // OLE class factories (never filled by this layer; kept for the hook)
    CTypedSimpleList<COleObjectFactory*> m_factoryList;

    // Set aside by the extension libraries' raw entry hook (afxdllx.h) while
    // a library's static constructors register its classes.
    CRuntimeClass* m_pClassInit;
    COleObjectFactory* m_pFactoryInit;

    // the resource chain: CDynLinkLibrary objects, most recent first
    CTypedSimpleList<CDynLinkLibrary*> m_libraryList;

    DWORD m_fRegisteredClasses;     // flags for registered window classes

private:
    AFX_MODULE_STATE(const AFX_MODULE_STATE&);
    void operator=(const AFX_MODULE_STATE&);
};

AFXLITE_API AFX_MODULE_STATE* AFXAPI AfxGetModuleState();
AFXLITE_API AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState();

/////////////////////////////////////////////////////////////////////////////
// Extension libraries

struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
    CRuntimeClass* pFirstSharedClass;
    COleObjectFactory* pFirstSharedFactory;
};

// Takes the classes the library registered since its raw entry hook into
// state.pFirstSharedClass and gives the module state its own list back.
// A second call for the same record returns TRUE and changes nothing.
AFXLITE_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Deletes the CDynLinkLibrary objects of the library (all of them if bAll).
AFXLITE_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// Called by the raw entry hook of afxdllx.h at process attach, before the
// library's static constructors: sets the class and factory lists aside.
AFXLITE_API void AFXAPI AfxLiteExtensionRawAttach();

// The run-time class named lpszClassName in the module's class list or in
// the class list of any CDynLinkLibrary; NULL when none is registered.
AFXLITE_API CRuntimeClass* AFXAPI AfxLiteFindRuntimeClass(LPCSTR lpszClassName);

class AFXLITE_API CDynLinkLibrary : public CCmdTarget
{
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
// Constructors
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);

// Attributes
    HMODULE m_hModule;
    HMODULE m_hResource;                // for shared resources
    CTypedSimpleList<CRuntimeClass*> m_classList;
    CTypedSimpleList<COleObjectFactory*> m_factoryList;
    BOOL m_bSystem;                     // TRUE only for MFC DLLs

// Implementation
public:
    CDynLinkLibrary* m_pNextDLL;        // simple singly linked list
    virtual ~CDynLinkLibrary();
};

inline CDynLinkLibrary** AfxSimpleListNext(CDynLinkLibrary* p) { return &p->m_pNextDLL; }
inline COleObjectFactory** AfxSimpleListNext(COleObjectFactory*) { return NULL; }

// Loading libraries that may carry framework classes.
AFXLITE_API HINSTANCE AFXAPI AfxLoadLibrary(LPCTSTR lpszModuleName);
AFXLITE_API BOOL AFXAPI AfxFreeLibrary(HINSTANCE hInstLib);

/////////////////////////////////////////////////////////////////////////////
// Inline window wrappers (a validity check and one call each)

inline DWORD CWnd::GetStyle() const
    { ASSERT(::IsWindow(m_hWnd)); return (DWORD)::GetWindowLongPtr(m_hWnd, GWL_STYLE); }
inline DWORD CWnd::GetExStyle() const
    { ASSERT(::IsWindow(m_hWnd)); return (DWORD)::GetWindowLongPtr(m_hWnd, GWL_EXSTYLE); }
inline BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
    { ASSERT(::IsWindow(m_hWnd)); return ModifyStyle(m_hWnd, dwRemove, dwAdd, nFlags); }
inline BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
    { ASSERT(::IsWindow(m_hWnd)); return ModifyStyleEx(m_hWnd, dwRemove, dwAdd, nFlags); }
inline void CWnd::SetOwner(CWnd* pOwnerWnd)
    { m_hWndOwner = pOwnerWnd != NULL ? pOwnerWnd->m_hWnd : NULL; }
inline LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
    { ASSERT(::IsWindow(m_hWnd)); return ::SendMessage(m_hWnd, message, wParam, lParam); }
inline BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
    { ASSERT(::IsWindow(m_hWnd)); return ::PostMessage(m_hWnd, message, wParam, lParam); }
inline BOOL CWnd::SendNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam)
    { ASSERT(::IsWindow(m_hWnd)); return ::SendNotifyMessage(m_hWnd, message, wParam, lParam); }
inline void CWnd::SetWindowText(LPCTSTR lpszString)
    { ASSERT(::IsWindow(m_hWnd)); ::SetWindowText(m_hWnd, lpszString); }
inline int CWnd::GetWindowText(LPTSTR lpszString, int nMaxCount) const
    { ASSERT(::IsWindow(m_hWnd)); return ::GetWindowText(m_hWnd, lpszString, nMaxCount); }
inline int CWnd::GetWindowTextLength() const
    { ASSERT(::IsWindow(m_hWnd)); return ::GetWindowTextLength(m_hWnd); }
inline void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
    { ASSERT(::IsWindow(m_hWnd)); ::SendMessage(m_hWnd, WM_SETFONT, (WPARAM)pFont->GetSafeHandle(), bRedraw); }
inline CFont* CWnd::GetFont() const
    { ASSERT(::IsWindow(m_hWnd)); return CFont::FromHandle((HFONT)::SendMessage(m_hWnd, WM_GETFONT, 0, 0)); }
inline BOOL CWnd::IsIconic() const
    { ASSERT(::IsWindow(m_hWnd)); return ::IsIconic(m_hWnd); }
inline BOOL CWnd::IsZoomed() const
    { ASSERT(::IsWindow(m_hWnd)); return ::IsZoomed(m_hWnd); }
inline void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
    { ASSERT(::IsWindow(m_hWnd)); ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint); }
inline void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
    { MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
                 lpRect->bottom - lpRect->top, bRepaint); }
inline int CWnd::SetWindowRgn(HRGN hRgn, BOOL bRedraw)
    { ASSERT(::IsWindow(m_hWnd)); return ::SetWindowRgn(m_hWnd, hRgn, bRedraw); }
inline int CWnd::GetWindowRgn(HRGN hRgn) const
    { ASSERT(::IsWindow(m_hWnd) && hRgn != NULL); return ::GetWindowRgn(m_hWnd, hRgn); }
inline BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
    { ASSERT(::IsWindow(m_hWnd)); return ::SetWindowPos(m_hWnd, pWndInsertAfter->GetSafeHwnd(), x, y, cx, cy, nFlags); }
inline UINT CWnd::ArrangeIconicWindows()
    { ASSERT(::IsWindow(m_hWnd)); return ::ArrangeIconicWindows(m_hWnd); }
inline void CWnd::BringWindowToTop()
    { ASSERT(::IsWindow(m_hWnd)); ::BringWindowToTop(m_hWnd); }
inline void CWnd::GetWindowRect(LPRECT lpRect) const
    { ASSERT(::IsWindow(m_hWnd)); ::GetWindowRect(m_hWnd, lpRect); }
inline void CWnd::GetClientRect(LPRECT lpRect) const
    { ASSERT(::IsWindow(m_hWnd)); ::GetClientRect(m_hWnd, lpRect); }
inline BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const
    { ASSERT(::IsWindow(m_hWnd)); return ::GetWindowPlacement(m_hWnd, lpwndpl); }
inline BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl)
    { ASSERT(::IsWindow(m_hWnd)); return ::SetWindowPlacement(m_hWnd, lpwndpl); }
inline void CWnd::ClientToScreen(LPPOINT lpPoint) const
    { ASSERT(::IsWindow(m_hWnd)); ::ClientToScreen(m_hWnd, lpPoint); }
inline void CWnd::ClientToScreen(LPRECT lpRect) const
    { ASSERT(::IsWindow(m_hWnd)); ::ClientToScreen(m_hWnd, (LPPOINT)lpRect);
      ::ClientToScreen(m_hWnd, ((LPPOINT)lpRect) + 1); }
inline void CWnd::ScreenToClient(LPPOINT lpPoint) const
    { ASSERT(::IsWindow(m_hWnd)); ::ScreenToClient(m_hWnd, lpPoint); }
inline void CWnd::ScreenToClient(LPRECT lpRect) const
    { ASSERT(::IsWindow(m_hWnd)); ::ScreenToClient(m_hWnd, (LPPOINT)lpRect);
      ::ScreenToClient(m_hWnd, ((LPPOINT)lpRect) + 1); }
inline void CWnd::MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
    { ASSERT(::IsWindow(m_hWnd)); ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), lpPoint, nCount); }
inline void CWnd::MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const
    { ASSERT(::IsWindow(m_hWnd)); ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), (LPPOINT)lpRect, 2); }
inline CDC* CWnd::BeginPaint(LPPAINTSTRUCT lpPaint)
    { ASSERT(::IsWindow(m_hWnd)); return CDC::FromHandle(::BeginPaint(m_hWnd, lpPaint)); }
inline void CWnd::EndPaint(LPPAINTSTRUCT lpPaint)
    { ASSERT(::IsWindow(m_hWnd)); ::EndPaint(m_hWnd, lpPaint); }
inline CDC* CWnd::GetDC()
    { ASSERT(::IsWindow(m_hWnd)); return CDC::FromHandle(::GetDC(m_hWnd)); }
inline CDC* CWnd::GetWindowDC()
    { ASSERT(::IsWindow(m_hWnd)); return CDC::FromHandle(::GetWindowDC(m_hWnd)); }
inline int CWnd::ReleaseDC(CDC* pDC)
    { ASSERT(::IsWindow(m_hWnd)); return ::ReleaseDC(m_hWnd, pDC->GetSafeHdc()); }
inline void CWnd::UpdateWindow()
    { ASSERT(::IsWindow(m_hWnd)); ::UpdateWindow(m_hWnd); }
inline void CWnd::SetRedraw(BOOL bRedraw)
    { ASSERT(::IsWindow(m_hWnd)); ::SendMessage(m_hWnd, WM_SETREDRAW, bRedraw, 0); }
inline BOOL CWnd::GetUpdateRect(LPRECT lpRect, BOOL bErase)
    { ASSERT(::IsWindow(m_hWnd)); return ::GetUpdateRect(m_hWnd, lpRect, bErase); }
inline int CWnd::GetUpdateRgn(CRgn* pRgn, BOOL bErase)
    { ASSERT(::IsWindow(m_hWnd)); return ::GetUpdateRgn(m_hWnd, (HRGN)pRgn->GetSafeHandle(), bErase); }
inline void CWnd::Invalidate(BOOL bErase)
    { ASSERT(::IsWindow(m_hWnd)); ::InvalidateRect(m_hWnd, NULL, bErase); }
inline void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
    { ASSERT(::IsWindow(m_hWnd)); ::InvalidateRect(m_hWnd, lpRect, bErase); }
inline void CWnd::InvalidateRgn(CRgn* pRgn, BOOL bErase)
    { ASSERT(::IsWindow(m_hWnd)); ::InvalidateRgn(m_hWnd, (HRGN)pRgn->GetSafeHandle(), bErase); }
inline void CWnd::ValidateRect(LPCRECT lpRect)
    { ASSERT(::IsWindow(m_hWnd)); ::ValidateRect(m_hWnd, lpRect); }
inline void CWnd::ValidateRgn(CRgn* pRgn)
    { ASSERT(::IsWindow(m_hWnd)); ::ValidateRgn(m_hWnd, (HRGN)pRgn->GetSafeHandle()); }
inline BOOL CWnd::ShowWindow(int nCmdShow)
    { ASSERT(::IsWindow(m_hWnd)); return ::ShowWindow(m_hWnd, nCmdShow); }
inline BOOL CWnd::IsWindowVisible() const
    { ASSERT(::IsWindow(m_hWnd)); return ::IsWindowVisible(m_hWnd); }
inline void CWnd::ShowOwnedPopups(BOOL bShow)
    { ASSERT(::IsWindow(m_hWnd)); ::ShowOwnedPopups(m_hWnd, bShow); }
inline BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags)
    { ASSERT(::IsWindow(m_hWnd));
      return ::RedrawWindow(m_hWnd, lpRectUpdate, (HRGN)prgnUpdate->GetSafeHandle(), flags); }
inline BOOL CWnd::EnableScrollBar(int nSBFlags, UINT nArrowFlags)
    { ASSERT(::IsWindow(m_hWnd)); return ::EnableScrollBar(m_hWnd, nSBFlags, nArrowFlags); }
inline UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse,
                               void (CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD))
    { ASSERT(::IsWindow(m_hWnd)); return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer); }
inline BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
    { ASSERT(::IsWindow(m_hWnd)); return ::KillTimer(m_hWnd, nIDEvent); }
inline BOOL CWnd::IsWindowEnabled() const
    { ASSERT(::IsWindow(m_hWnd)); return ::IsWindowEnabled(m_hWnd); }
inline BOOL CWnd::EnableWindow(BOOL bEnable)
    { ASSERT(::IsWindow(m_hWnd)); return ::EnableWindow(m_hWnd, bEnable); }
inline CWnd* PASCAL CWnd::GetActiveWindow()
    { return CWnd::FromHandle(::GetActiveWindow()); }
inline CWnd* CWnd::SetActiveWindow()
    { ASSERT(::IsWindow(m_hWnd)); return CWnd::FromHandle(::SetActiveWindow(m_hWnd)); }
inline CWnd* PASCAL CWnd::GetForegroundWindow()
    { return CWnd::FromHandle(::GetForegroundWindow()); }
inline BOOL CWnd::SetForegroundWindow()
    { ASSERT(::IsWindow(m_hWnd)); return ::SetForegroundWindow(m_hWnd); }
inline CWnd* PASCAL CWnd::GetCapture()
    { return CWnd::FromHandle(::GetCapture()); }
inline CWnd* CWnd::SetCapture()
    { ASSERT(::IsWindow(m_hWnd)); return CWnd::FromHandle(::SetCapture(m_hWnd)); }
inline CWnd* PASCAL CWnd::GetFocus()
    { return CWnd::FromHandle(::GetFocus()); }
inline CWnd* CWnd::SetFocus()
    { ASSERT(::IsWindow(m_hWnd)); return CWnd::FromHandle(::SetFocus(m_hWnd)); }
inline CWnd* PASCAL CWnd::GetDesktopWindow()
    { return CWnd::FromHandle(::GetDesktopWindow()); }
inline void CWnd::CheckDlgButton(int nIDButton, UINT nCheck)
    { ASSERT(::IsWindow(m_hWnd)); ::CheckDlgButton(m_hWnd, nIDButton, nCheck); }
inline void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
    { ASSERT(::IsWindow(m_hWnd)); ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton); }
inline UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
    { ASSERT(::IsWindow(m_hWnd)); return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned); }
inline int CWnd::GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const
    { ASSERT(::IsWindow(m_hWnd)); return ::GetDlgItemText(m_hWnd, nID, lpStr, nMaxCount); }
inline CWnd* CWnd::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const
    { ASSERT(::IsWindow(m_hWnd)); return CWnd::FromHandle(::GetNextDlgGroupItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious)); }
inline CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
    { ASSERT(::IsWindow(m_hWnd)); return CWnd::FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious)); }
inline UINT CWnd::IsDlgButtonChecked(int nIDButton) const
    { ASSERT(::IsWindow(m_hWnd)); return ::IsDlgButtonChecked(m_hWnd, nIDButton); }
inline LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam)
    { ASSERT(::IsWindow(m_hWnd)); return ::SendDlgItemMessage(m_hWnd, nID, message, wParam, lParam); }
inline void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
    { ASSERT(::IsWindow(m_hWnd)); ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned); }
inline void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString)
    { ASSERT(::IsWindow(m_hWnd)); ::SetDlgItemText(m_hWnd, nID, lpszString); }
inline int CWnd::GetScrollPos(int nBar) const
    { ASSERT(::IsWindow(m_hWnd)); return ::GetScrollPos(m_hWnd, nBar); }
inline void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const
    { ASSERT(::IsWindow(m_hWnd)); ::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos); }
inline void CWnd::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect)
    { ASSERT(::IsWindow(m_hWnd)); ::ScrollWindow(m_hWnd, xAmount, yAmount, lpRect, lpClipRect); }
inline int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
    { ASSERT(::IsWindow(m_hWnd)); return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw); }
inline void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
    { ASSERT(::IsWindow(m_hWnd)); ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw); }
inline void CWnd::ShowScrollBar(UINT nBar, BOOL bShow)
    { ASSERT(::IsWindow(m_hWnd)); ::ShowScrollBar(m_hWnd, nBar, bShow); }
inline BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
    { ASSERT(::IsWindow(m_hWnd)); lpScrollInfo->cbSize = sizeof(SCROLLINFO);
      ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw); return TRUE; }
inline BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
    { ASSERT(::IsWindow(m_hWnd)); lpScrollInfo->cbSize = sizeof(SCROLLINFO); lpScrollInfo->fMask = nMask;
      return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo); }
inline CWnd* CWnd::ChildWindowFromPoint(POINT point) const
    { ASSERT(::IsWindow(m_hWnd)); return CWnd::FromHandle(::ChildWindowFromPoint(m_hWnd, point)); }
inline CWnd* CWnd::ChildWindowFromPoint(POINT point, UINT nFlags) const
    { ASSERT(::IsWindow(m_hWnd)); return CWnd::FromHandle(::ChildWindowFromPointEx(m_hWnd, point, nFlags)); }
inline CWnd* PASCAL CWnd::FindWindow(LPCTSTR lpszClassName, LPCTSTR lpszWindowName)
    { return CWnd::FromHandle(::FindWindow(lpszClassName, lpszWindowName)); }
inline CWnd* CWnd::GetNextWindow(UINT nFlag) const
    { ASSERT(::IsWindow(m_hWnd)); return CWnd::FromHandle(::GetWindow(m_hWnd, nFlag)); }
inline CWnd* CWnd::GetTopWindow() const
    { ASSERT(::IsWindow(m_hWnd)); return CWnd::FromHandle(::GetTopWindow(m_hWnd)); }
inline CWnd* CWnd::GetWindow(UINT nCmd) const
    { ASSERT(::IsWindow(m_hWnd)); return CWnd::FromHandle(::GetWindow(m_hWnd, nCmd)); }
inline CWnd* CWnd::GetLastActivePopup() const
    { ASSERT(::IsWindow(m_hWnd)); return CWnd::FromHandle(::GetLastActivePopup(m_hWnd)); }
inline BOOL CWnd::IsChild(const CWnd* pWnd) const
    { ASSERT(::IsWindow(m_hWnd)); return ::IsChild(m_hWnd, pWnd->GetSafeHwnd()); }
inline CMenu* CWnd::GetMenu() const
    { ASSERT(::IsWindow(m_hWnd)); return CMenu::FromHandle(::GetMenu(m_hWnd)); }
inline CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
    { ASSERT(::IsWindow(m_hWnd)); return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert)); }
inline void CWnd::CreateSolidCaret(int nWidth, int nHeight)
    { ASSERT(::IsWindow(m_hWnd)); ::CreateCaret(m_hWnd, (HBITMAP)0, nWidth, nHeight); }
inline void CWnd::HideCaret()
    { ASSERT(::IsWindow(m_hWnd)); ::HideCaret(m_hWnd); }
inline void CWnd::ShowCaret()
    { ASSERT(::IsWindow(m_hWnd)); ::ShowCaret(m_hWnd); }
inline void PASCAL CWnd::SetCaretPos(POINT point)
    { ::SetCaretPos(point.x, point.y); }
inline void CWnd::DragAcceptFiles(BOOL bAccept)
    { ASSERT(::IsWindow(m_hWnd)); ModifyStyleEx(bAccept ? 0 : WS_EX_ACCEPTFILES, bAccept ? WS_EX_ACCEPTFILES : 0); }
inline HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
    { ASSERT(::IsWindow(m_hWnd)); return (HICON)::SendMessage(m_hWnd, WM_SETICON, bBigIcon, (LPARAM)hIcon); }
inline HICON CWnd::GetIcon(BOOL bBigIcon) const
    { ASSERT(::IsWindow(m_hWnd)); return (HICON)::SendMessage(m_hWnd, WM_GETICON, bBigIcon, 0); }
inline BOOL CWnd::FlashWindow(BOOL bInvert)
    { ASSERT(::IsWindow(m_hWnd)); return ::FlashWindow(m_hWnd, bInvert); }
inline int CWnd::GetDlgCtrlID() const
    { ASSERT(::IsWindow(m_hWnd)); return ::GetDlgCtrlID(m_hWnd); }
inline int CWnd::SetDlgCtrlID(int nID)
    { ASSERT(::IsWindow(m_hWnd)); return (int)::SetWindowLongPtr(m_hWnd, GWLP_ID, nID); }
inline CWnd* CWnd::GetDlgItem(int nID) const
    { ASSERT(::IsWindow(m_hWnd)); return CWnd::FromHandle(::GetDlgItem(m_hWnd, nID)); }
inline void CWnd::GetDlgItem(int nID, HWND* phWnd) const
    { ASSERT(::IsWindow(m_hWnd)); ASSERT(phWnd != NULL); *phWnd = ::GetDlgItem(m_hWnd, nID); }
inline CWnd* CWnd::GetParent() const
    { ASSERT(::IsWindow(m_hWnd)); return CWnd::FromHandle(::GetParent(m_hWnd)); }
inline CWnd* CWnd::SetParent(CWnd* pWndNewParent)
    { ASSERT(::IsWindow(m_hWnd)); return CWnd::FromHandle(::SetParent(m_hWnd, pWndNewParent->GetSafeHwnd())); }
inline CWnd* PASCAL CWnd::WindowFromPoint(POINT point)
    { return CWnd::FromHandle(::WindowFromPoint(point)); }
inline BOOL CWnd::IsDialogMessage(LPMSG lpMsg)
    { ASSERT(::IsWindow(m_hWnd)); return ::IsDialogMessage(m_hWnd, lpMsg); }

#ifdef TEST_SEAMS
#include "afxtestseam.h"   // entry points of the test build only
#endif

#endif // __AFXWIN_H__
