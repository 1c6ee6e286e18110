// CWnd::OnToolHitTest: which child of a window a tooltip stands for.

#include <afxwin.h>

#include "wnd_internal.h"

/////////////////////////////////////////////////////////////////////////////
// Tooltip hit tests

int CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    // the visible child under the point (WindowFromPoint would skip
    // disabled ones)
    POINT ptScreen = point;
    ::ClientToScreen(m_hWnd, &ptScreen);
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        if ((UINT)::GetDlgCtrlID(hWndChild) == 0xFFFF || !::IsWindowVisible(hWndChild))
            continue;
        RECT rect;
        ::GetWindowRect(hWndChild, &rect);
        if (!::PtInRect(&rect, ptScreen))
            continue;

        int nHit = ::GetDlgCtrlID(hWndChild);
        if (pTI != NULL && pTI->cbSize >= TTTOOLINFOA_V1_SIZE)
        {
            pTI->hwnd = m_hWnd;
            pTI->uId = (UINT_PTR)hWndChild;
            pTI->uFlags |= TTF_IDISHWND;
            pTI->lpszText = LPSTR_TEXTCALLBACK;
            // tips of controls other than buttons are centred under them
            if (!(::SendMessage(hWndChild, WM_GETDLGCODE, 0, 0) & DLGC_BUTTON))
                pTI->uFlags |= TTF_NOTBUTTON | TTF_CENTERTIP;
        }
        return nHit;
    }
    return -1;  // not found
}
