// afxmsg_.h - message-map entry macros (included by afxwin.h).
//
// Each macro builds one AFX_MSGMAP_ENTRY: the message, the notification code,
// the range of control ids, the handler's signature code (AfxSig) and the
// handler itself.  The handler is named relative to the class whose map is
// being built (BEGIN_MESSAGE_MAP supplies it), so the genuine unqualified
// spelling ON_MESSAGE(WM_USER + 1, OnInsertItem) works.  The static_cast to
// the signature's member type makes a handler with a wrong prototype a
// compile error instead of a crash at run time.
//
// Adding a message: one line, choosing the AfxSig code whose prototype the
// handler has (the codes and their prototypes are listed in afxwin.h).

#ifndef __AFXMSG__H__
#define __AFXMSG__H__

// The class of the map under construction (see BEGIN_MESSAGE_MAP).
#define _AFX_THIS_CLASS _AfxMsgMapClass::ThisClass

// A handler of a window message, called on the CWnd.
#define _AFX_WND_PFN(type, memberFxn) \
    ((AFX_PMSG)(AFX_PMSGW)(static_cast<type>(&_AFX_THIS_CLASS::memberFxn)))
// A command or notification handler, called on the CCmdTarget.
#define _AFX_CMD_PFN(type, memberFxn) \
    ((AFX_PMSG)(static_cast<type>(&_AFX_THIS_CLASS::memberFxn)))

// A standard window message with a handler of the standard name.
#define _AFX_ON_WM(msg, sig, type, memberFxn) \
    { msg, 0, 0, 0, sig, _AFX_WND_PFN(type, memberFxn) },

/////////////////////////////////////////////////////////////////////////////
// Commands and control notifications (WM_COMMAND)

#define ON_COMMAND(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSig_vv, \
      _AFX_CMD_PFN(void (AFX_MSG_CALL CCmdTarget::*)(void), memberFxn) },

#define ON_COMMAND_EX(id, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(id), AfxSig_bw, \
      _AFX_CMD_PFN(BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT), memberFxn) },

#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    { WM_COMMAND, CN_COMMAND, (WORD)(id), (WORD)(idLast), AfxSig_vw, \
      _AFX_CMD_PFN(void (AFX_MSG_CALL CCmdTarget::*)(UINT), memberFxn) },

#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    { WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSig_vv, \
      _AFX_CMD_PFN(void (AFX_MSG_CALL CCmdTarget::*)(void), memberFxn) },

#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_COMMAND, (WORD)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSig_vw, \
      _AFX_CMD_PFN(void (AFX_MSG_CALL CCmdTarget::*)(UINT), memberFxn) },

// Button notifications
#define ON_BN_CLICKED(id, memberFxn)     ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn)    ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn)   ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
// Edit notifications
#define ON_EN_CHANGE(id, memberFxn)      ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn)      ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn)    ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn)   ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
// Combo box notifications
#define ON_CBN_SELCHANGE(id, memberFxn)  ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn)   ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn)    ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn)   ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn)  ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
// Static notifications
#define ON_STN_CLICKED(id, memberFxn)    ON_CONTROL(STN_CLICKED, id, memberFxn)

/////////////////////////////////////////////////////////////////////////////
// Common-control notifications (WM_NOTIFY)

#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSig_vNMHDRpl, \
      _AFX_CMD_PFN(void (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn) },

#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSig_vwNMHDRpl, \
      _AFX_CMD_PFN(void (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn) },

#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(id), AfxSig_bwNMHDRpl, \
      _AFX_CMD_PFN(BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn) },

#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
    { WM_NOTIFY, (WORD)(int)(wNotifyCode), (WORD)(id), (WORD)(idLast), AfxSig_bwNMHDRpl, \
      _AFX_CMD_PFN(BOOL (AFX_MSG_CALL CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn) },

/////////////////////////////////////////////////////////////////////////////
// Messages reflected from the parent to the control that sent them

#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    { WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(wNotifyCode), 0, 0, AfxSig_vNMHDRpl, \
      _AFX_CMD_PFN(void (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn) },

// The handler returns FALSE to let the parent handle the notification too.
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
    { WM_NOTIFY + WM_REFLECT_BASE, (WORD)(int)(wNotifyCode), 0, 0, AfxSig_bNMHDRpl, \
      _AFX_CMD_PFN(BOOL (AFX_MSG_CALL CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn) },

#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    { WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, AfxSig_vv, \
      _AFX_CMD_PFN(void (AFX_MSG_CALL CCmdTarget::*)(void), memberFxn) },

#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    { WM_COMMAND + WM_REFLECT_BASE, (WORD)(wNotifyCode), 0, 0, AfxSig_bv, \
      _AFX_CMD_PFN(BOOL (AFX_MSG_CALL CCmdTarget::*)(void), memberFxn) },

#define ON_WM_DRAWITEM_REFLECT() \
    _AFX_ON_WM(WM_DRAWITEM + WM_REFLECT_BASE, AfxSig_vDRAWITEM, \
        void (AFX_MSG_CALL CWnd::*)(LPDRAWITEMSTRUCT), DrawItem)
#define ON_WM_MEASUREITEM_REFLECT() \
    _AFX_ON_WM(WM_MEASUREITEM + WM_REFLECT_BASE, AfxSig_vMEASUREITEM, \
        void (AFX_MSG_CALL CWnd::*)(LPMEASUREITEMSTRUCT), MeasureItem)
#define ON_WM_CTLCOLOR_REFLECT() \
    _AFX_ON_WM(WM_CTLCOLOR + WM_REFLECT_BASE, AfxSig_hDw, \
        HBRUSH (AFX_MSG_CALL CWnd::*)(CDC*, UINT), CtlColor)
#define ON_WM_HSCROLL_REFLECT() \
    _AFX_ON_WM(WM_HSCROLL + WM_REFLECT_BASE, AfxSig_vwwREFLECT, \
        void (AFX_MSG_CALL CWnd::*)(UINT, UINT), HScroll)
#define ON_WM_VSCROLL_REFLECT() \
    _AFX_ON_WM(WM_VSCROLL + WM_REFLECT_BASE, AfxSig_vwwREFLECT, \
        void (AFX_MSG_CALL CWnd::*)(UINT, UINT), VScroll)

/////////////////////////////////////////////////////////////////////////////
// User-defined and registered messages

#define ON_MESSAGE(message, memberFxn) \
    { message, 0, 0, 0, AfxSig_lwl, \
      _AFX_WND_PFN(LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM), memberFxn) },

// nMessageVariable holds the value RegisterWindowMessage returned; the entry
// keeps its address in the signature field.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    { 0xC000, 0, 0, 0, (UINT_PTR)(UINT*)(&(nMessageVariable)), \
      _AFX_WND_PFN(LRESULT (AFX_MSG_CALL CWnd::*)(WPARAM, LPARAM), memberFxn) },

/////////////////////////////////////////////////////////////////////////////
// Standard window messages, handlers of the standard names and prototypes

#define ON_WM_CREATE() \
    _AFX_ON_WM(WM_CREATE, AfxSig_is, int (AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_DESTROY() \
    _AFX_ON_WM(WM_DESTROY, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnDestroy)
#define ON_WM_NCDESTROY() \
    _AFX_ON_WM(WM_NCDESTROY, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnNcDestroy)
#define ON_WM_NCCREATE() \
    _AFX_ON_WM(WM_NCCREATE, AfxSig_is, BOOL (AFX_MSG_CALL CWnd::*)(LPCREATESTRUCT), OnNcCreate)
#define ON_WM_CLOSE() \
    _AFX_ON_WM(WM_CLOSE, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnClose)
#define ON_WM_SIZE() \
    _AFX_ON_WM(WM_SIZE, AfxSig_vwii, void (AFX_MSG_CALL CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_MOVE() \
    _AFX_ON_WM(WM_MOVE, AfxSig_vvii, void (AFX_MSG_CALL CWnd::*)(int, int), OnMove)
#define ON_WM_PAINT() \
    _AFX_ON_WM(WM_PAINT, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnPaint)
#define ON_WM_ERASEBKGND() \
    _AFX_ON_WM(WM_ERASEBKGND, AfxSig_bD, BOOL (AFX_MSG_CALL CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_NCPAINT() \
    _AFX_ON_WM(WM_NCPAINT, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnNcPaint)
#define ON_WM_NCCALCSIZE() \
    _AFX_ON_WM(WM_NCCALCSIZE, AfxSig_vCALC, \
        void (AFX_MSG_CALL CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
#define ON_WM_NCHITTEST() \
    _AFX_ON_WM(WM_NCHITTEST, AfxSig_wp, UINT (AFX_MSG_CALL CWnd::*)(CPoint), OnNcHitTest)
#define ON_WM_WINDOWPOSCHANGED() \
    _AFX_ON_WM(WM_WINDOWPOSCHANGED, AfxSig_vPOS, \
        void (AFX_MSG_CALL CWnd::*)(WINDOWPOS*), OnWindowPosChanged)
#define ON_WM_WINDOWPOSCHANGING() \
    _AFX_ON_WM(WM_WINDOWPOSCHANGING, AfxSig_vPOS, \
        void (AFX_MSG_CALL CWnd::*)(WINDOWPOS*), OnWindowPosChanging)
#define ON_WM_GETMINMAXINFO() \
    _AFX_ON_WM(WM_GETMINMAXINFO, AfxSig_vMINMAX, \
        void (AFX_MSG_CALL CWnd::*)(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_SHOWWINDOW() \
    _AFX_ON_WM(WM_SHOWWINDOW, AfxSig_vbw, void (AFX_MSG_CALL CWnd::*)(BOOL, UINT), OnShowWindow)
#define ON_WM_ENABLE() \
    _AFX_ON_WM(WM_ENABLE, AfxSig_vb, void (AFX_MSG_CALL CWnd::*)(BOOL), OnEnable)

// Mouse
#define ON_WM_LBUTTONDOWN() \
    _AFX_ON_WM(WM_LBUTTONDOWN, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() \
    _AFX_ON_WM(WM_LBUTTONUP, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() \
    _AFX_ON_WM(WM_LBUTTONDBLCLK, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() \
    _AFX_ON_WM(WM_RBUTTONDOWN, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP() \
    _AFX_ON_WM(WM_RBUTTONUP, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() \
    _AFX_ON_WM(WM_RBUTTONDBLCLK, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() \
    _AFX_ON_WM(WM_MBUTTONDOWN, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnMButtonDown)
#define ON_WM_MBUTTONUP() \
    _AFX_ON_WM(WM_MBUTTONUP, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnMButtonUp)
#define ON_WM_MOUSEMOVE() \
    _AFX_ON_WM(WM_MOUSEMOVE, AfxSig_vwp, void (AFX_MSG_CALL CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_MOUSEWHEEL() \
    _AFX_ON_WM(WM_MOUSEWHEEL, AfxSig_bwsp, BOOL (AFX_MSG_CALL CWnd::*)(UINT, short, CPoint), OnMouseWheel)
#define ON_WM_SETCURSOR() \
    _AFX_ON_WM(WM_SETCURSOR, AfxSig_bWww, BOOL (AFX_MSG_CALL CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_MOUSEACTIVATE() \
    _AFX_ON_WM(WM_MOUSEACTIVATE, AfxSig_iWww, int (AFX_MSG_CALL CWnd::*)(CWnd*, UINT, UINT), OnMouseActivate)
#define ON_WM_CAPTURECHANGED() \
    _AFX_ON_WM(WM_CAPTURECHANGED, AfxSig_vW2, void (AFX_MSG_CALL CWnd::*)(CWnd*), OnCaptureChanged)
#define ON_WM_CANCELMODE() \
    _AFX_ON_WM(WM_CANCELMODE, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnCancelMode)
#define ON_WM_CONTEXTMENU() \
    _AFX_ON_WM(WM_CONTEXTMENU, AfxSig_vWp, void (AFX_MSG_CALL CWnd::*)(CWnd*, CPoint), OnContextMenu)

// Keyboard and focus
#define ON_WM_SETFOCUS() \
    _AFX_ON_WM(WM_SETFOCUS, AfxSig_vW, void (AFX_MSG_CALL CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() \
    _AFX_ON_WM(WM_KILLFOCUS, AfxSig_vW, void (AFX_MSG_CALL CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_KEYDOWN() \
    _AFX_ON_WM(WM_KEYDOWN, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() \
    _AFX_ON_WM(WM_KEYUP, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_CHAR() \
    _AFX_ON_WM(WM_CHAR, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnChar)
#define ON_WM_SYSKEYDOWN() \
    _AFX_ON_WM(WM_SYSKEYDOWN, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnSysKeyDown)
#define ON_WM_SYSKEYUP() \
    _AFX_ON_WM(WM_SYSKEYUP, AfxSig_vwww, void (AFX_MSG_CALL CWnd::*)(UINT, UINT, UINT), OnSysKeyUp)
#define ON_WM_GETDLGCODE() \
    _AFX_ON_WM(WM_GETDLGCODE, AfxSig_wv, UINT (AFX_MSG_CALL CWnd::*)(void), OnGetDlgCode)

// Timers, scrolling, system notifications
#define ON_WM_TIMER() \
    _AFX_ON_WM(WM_TIMER, AfxSig_vw, void (AFX_MSG_CALL CWnd::*)(UINT), OnTimer)
#define ON_WM_HSCROLL() \
    _AFX_ON_WM(WM_HSCROLL, AfxSig_vwwx, \
        void (AFX_MSG_CALL CWnd::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL() \
    _AFX_ON_WM(WM_VSCROLL, AfxSig_vwwx, \
        void (AFX_MSG_CALL CWnd::*)(UINT, UINT, CScrollBar*), OnVScroll)
#define ON_WM_SYSCOLORCHANGE() \
    _AFX_ON_WM(WM_SYSCOLORCHANGE, AfxSig_vv, void (AFX_MSG_CALL CWnd::*)(void), OnSysColorChange)
#define ON_WM_SETTINGCHANGE() \
    _AFX_ON_WM(WM_SETTINGCHANGE, AfxSig_vws, void (AFX_MSG_CALL CWnd::*)(UINT, LPCTSTR), OnSettingChange)
#define ON_WM_WININICHANGE() \
    _AFX_ON_WM(WM_WININICHANGE, AfxSig_vs, void (AFX_MSG_CALL CWnd::*)(LPCTSTR), OnWinIniChange)
#define ON_WM_INITMENUPOPUP() \
    _AFX_ON_WM(WM_INITMENUPOPUP, AfxSig_vMwb, \
        void (AFX_MSG_CALL CWnd::*)(CMenu*, UINT, BOOL), OnInitMenuPopup)
#define ON_WM_PARENTNOTIFY() \
    _AFX_ON_WM(WM_PARENTNOTIFY, AfxSig_vwl, void (AFX_MSG_CALL CWnd::*)(UINT, LPARAM), OnParentNotify)

// Owner draw and control colours (the parent's side)
#define ON_WM_CTLCOLOR() \
    _AFX_ON_WM(WM_CTLCOLOR, AfxSig_hDWw, \
        HBRUSH (AFX_MSG_CALL CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_DRAWITEM() \
    _AFX_ON_WM(WM_DRAWITEM, AfxSig_vOWNER, \
        void (AFX_MSG_CALL CWnd::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM() \
    _AFX_ON_WM(WM_MEASUREITEM, AfxSig_vMEASURE, \
        void (AFX_MSG_CALL CWnd::*)(int, LPMEASUREITEMSTRUCT), OnMeasureItem)

#endif // __AFXMSG__H__
