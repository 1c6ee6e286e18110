// Window classes: registration of the framework's own and of generated ones.

#include <afxwin.h>
#include <stdio.h>

#include "wnd_internal.h"

/////////////////////////////////////////////////////////////////////////////
// Window classes

BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass)
{
    WNDCLASS wndcls;
    if (::GetClassInfo(lpWndClass->hInstance, lpWndClass->lpszClassName, &wndcls))
        return TRUE;    // class already registered
    if (::RegisterClass(lpWndClass) != 0)
        return TRUE;
    // another thread may have registered it meanwhile
    return ::GetClassInfo(lpWndClass->hInstance, lpWndClass->lpszClassName, &wndcls);
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor,
                                  HBRUSH hbrBackground, HICON hIcon)
{
    LPTSTR lpszName = AfxGetThreadState()->m_szTempClassName;
    HINSTANCE hInst = AfxGetInstanceHandle();
    _snprintf(lpszName, _countof(AfxGetThreadState()->m_szTempClassName) - 1,
              "Afx:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle, (void*)hCursor,
              (void*)hbrBackground, (void*)hIcon);
    lpszName[_countof(AfxGetThreadState()->m_szTempClassName) - 1] = '\0';

    WNDCLASS wndcls;
    ZeroMemory(&wndcls, sizeof(wndcls));
    wndcls.style = nClassStyle;
    wndcls.lpfnWndProc = ::DefWindowProc;
    wndcls.hInstance = hInst;
    wndcls.hIcon = hIcon;
    wndcls.hCursor = hCursor;
    wndcls.hbrBackground = hbrBackground;
    wndcls.lpszClassName = lpszName;
    if (!AfxRegisterClass(&wndcls))
        AfxThrowResourceException();
    return lpszName;
}

BOOL AfxDeferRegisterClass(LONG fToRegister)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    if ((pState->m_fRegisteredClasses & (DWORD)fToRegister) == (DWORD)fToRegister)
        return TRUE;

    LONG fRegistered = 0;
    if (fToRegister & AFX_WND_REG)
    {
        // child windows: no brush, no icon, the safest class styles
        WNDCLASS wndcls;
        ZeroMemory(&wndcls, sizeof(wndcls));
        wndcls.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
        wndcls.lpfnWndProc = ::DefWindowProc;
        wndcls.hInstance = AfxGetInstanceHandle();
        wndcls.hCursor = ::LoadCursor(NULL, IDC_ARROW);
        wndcls.lpszClassName = AFX_WND;
        if (AfxRegisterClass(&wndcls))
            fRegistered |= AFX_WND_REG;
    }
    if (fToRegister & AFX_WNDCOMMCTLS_REG)
    {
        INITCOMMONCONTROLSEX init;
        init.dwSize = sizeof(init);
        init.dwICC = ICC_LISTVIEW_CLASSES | ICC_WIN95_CLASSES | ICC_BAR_CLASSES;
        if (::InitCommonControlsEx(&init))
            fRegistered |= AFX_WNDCOMMCTLS_REG;
    }
    if (fToRegister & AFX_WNDCOMMCTL_COMBOEX_REG)
    {
        INITCOMMONCONTROLSEX init;
        init.dwSize = sizeof(init);
        init.dwICC = ICC_USEREX_CLASSES;
        if (::InitCommonControlsEx(&init))
            fRegistered |= AFX_WNDCOMMCTL_COMBOEX_REG;
    }
    pState->m_fRegisteredClasses |= (DWORD)fRegistered;
    return (fRegistered & fToRegister) == fToRegister;
}
