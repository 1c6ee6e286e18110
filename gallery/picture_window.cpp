// picture_window.cpp - the gallery's child window that paints with a function.
#include "picture_window.h"

namespace {

const char kPictureClass[] = "GalleryPicture";

LRESULT CALLBACK PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_NCCREATE:
    {
        const CREATESTRUCT* pcs = reinterpret_cast<const CREATESTRUCT*>(lParam);
        SetWindowLongPtr(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pcs->lpCreateParams));
        break;
    }
    case WM_ERASEBKGND:
        return 1;   // WM_PAINT fills everything
    case WM_PAINT:
    {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(hwnd, &ps);
        GalleryPaintFunction paint = reinterpret_cast<GalleryPaintFunction>(GetWindowLongPtr(hwnd, GWLP_USERDATA));
        RECT rc;
        GetClientRect(hwnd, &rc);
        if (paint != NULL)
            paint(hwnd, hdc, rc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    }
    return DefWindowProc(hwnd, message, wParam, lParam);
}

} // namespace

HWND CreatePictureWindow(CWnd* pParent, const RECT& rc, GalleryPaintFunction paint)
{
    static ATOM atom = 0;
    if (atom == 0)
    {
        WNDCLASSA wc;
        ZeroMemory(&wc, sizeof(wc));
        wc.lpfnWndProc = PictureProc;
        wc.hInstance = GetModuleHandle(NULL);
        wc.hCursor = LoadCursor(NULL, IDC_ARROW);
        wc.lpszClassName = kPictureClass;
        atom = RegisterClassA(&wc);
        if (atom == 0)
            return NULL;
    }
    return CreateWindowExA(0, kPictureClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                           rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                           pParent->GetSafeHwnd(), NULL, GetModuleHandle(NULL),
                           reinterpret_cast<LPVOID>(paint));
}
