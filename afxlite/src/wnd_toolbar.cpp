// CControlBar and CToolBar: enough of the control bars for a toolbar
// common control that other controls can be placed on and recognise.

#include <afxext.h>

#include "wnd_internal.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

CControlBar::CControlBar()
    : m_dwStyle(0)
{
}

CControlBar::~CControlBar()
{
    DestroyWindow();
}

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

CToolBar::CToolBar()
{
}

CToolBar::~CToolBar()
{
    DestroyWindow();
}

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    ASSERT(pParentWnd != NULL);
    if (!AfxDeferRegisterClass(AFX_WNDCOMMCTLS_REG))
        return FALSE;

    // the bar styles are the framework's; the window gets the rest
    m_dwStyle = dwStyle & CBRS_ALL;
    DWORD dwWindowStyle = (dwStyle & ~CBRS_ALL) | WS_CHILD | CCS_NODIVIDER | CCS_NOPARENTALIGN |
                          CCS_NORESIZE | TBSTYLE_FLAT;
    CRect rect(0, 0, 0, 0);
    if (!CWnd::Create(TOOLBARCLASSNAME, NULL, dwWindowStyle, rect, pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return TRUE;
}

int CToolBar::GetCount() const
{
    ASSERT(::IsWindow(m_hWnd));
    return (int)::SendMessage(m_hWnd, TB_BUTTONCOUNT, 0, 0);
}
