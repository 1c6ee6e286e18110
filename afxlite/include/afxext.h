// afxext.h - extensions of the window layer: control bars.
//
// Classes declared here:
//   CControlBar   base of bars docked to a window (minimal)
//   CToolBar      a toolbar common control

#ifndef __AFXEXT_H__
#define __AFXEXT_H__

#ifndef __AFXWIN_H__
#include <afxwin.h>
#endif
#include <commctrl.h>

class AFXLITE_API CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)
protected:
    CControlBar();

public:
// Attributes
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }

// Implementation
public:
    virtual ~CControlBar();
    DWORD m_dwStyle;    // creation style (used for layout)
};

class AFXLITE_API CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)
public:
// Construction
    CToolBar();
    // Creates a toolbar common control as a child of pParentWnd; the CBRS_
    // bits of dwStyle are kept in m_dwStyle.
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                UINT nID = AFX_IDW_TOOLBAR);

// Attributes
    int GetCount() const;

// Implementation
public:
    virtual ~CToolBar();
};

#endif // __AFXEXT_H__
