// Probes of the 32-bit limits of this Wine (see Wow64Limits.h). Plain Win32.

#include "Wow64Limits.h"

#include <windows.h>

#include <stdio.h>

namespace testsupport {

namespace {

std::string Format(const char* format, unsigned long a)
{
    char text[160];
    snprintf(text, sizeof(text), format, a);
    return text;
}

// A memory device context with a 1 x 1 bitmap: a pixel written must read
// back, and a brush must fill.
bool DeviceContextsFail(std::string* detail)
{
    HDC hdc = ::CreateCompatibleDC(NULL);
    if (hdc == NULL)
    {
        *detail = "CreateCompatibleDC(NULL) returned NULL";
        return true;
    }
    bool failed = true;
    HBITMAP hbm = ::CreateBitmap(1, 1, 1, 32, NULL);
    HGDIOBJ old = hbm != NULL ? ::SelectObject(hdc, hbm) : NULL;
    RECT rc = { 0, 0, 1, 1 };
    if (old == NULL)
        *detail = "SelectObject of a bitmap into a memory DC failed";
    else if (!::FillRect(hdc, &rc, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH))))
        *detail = "FillRect failed";
    else if (::GetPixel(hdc, 0, 0) != RGB(255, 255, 255))
        *detail = Format("GetPixel after FillRect gave 0x%08lx", ::GetPixel(hdc, 0, 0));
    else
        failed = false;
    if (old != NULL)
        ::SelectObject(hdc, old);
    if (hbm != NULL)
        ::DeleteObject(hbm);
    ::DeleteDC(hdc);
    return failed;
}

LRESULT CALLBACK ProbeProcW(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);
}

LRESULT CALLBACK ProbeProcA(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
}

// Subclass a Unicode window through the ANSI call and put the procedure back
// the same way, as every ANSI subclasser does: the window must be Unicode
// again. No message is sent to the window while its procedure may be broken.
bool UnicodeProcedureHandlesFail(std::string* detail)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = ProbeProcW;
    wc.hInstance = ::GetModuleHandleW(NULL);
    wc.lpszClassName = L"Wow64LimitProbeW";
    ::RegisterClassW(&wc);
    HWND hWnd = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 1, 1, NULL, NULL,
                                  wc.hInstance, NULL);
    if (hWnd == NULL)
    {
        *detail = "CreateWindowExW failed";
        return true;
    }
    LONG_PTR prev = ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ProbeProcA));
    ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, prev);
    bool failed = !::IsWindowUnicode(hWnd);
    if (failed)
    {
        // The numbers differ from process to process; the reason must not.
        *detail = "SetWindowLongPtrA(GWLP_WNDPROC) given back the procedure handle it had "
                  "handed out left the Unicode window ANSI";
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ProbeProcW));
    }
    ::DestroyWindow(hWnd);
    return failed;
}

struct Probe
{
    bool done;
    bool failed;
    std::string detail;
};

const char* Name(Wow64Limit limit)
{
    switch (limit)
    {
    case Wow64Limit::DeviceContexts: return "device contexts";
    case Wow64Limit::UnicodeProcedureHandles: return "Unicode window procedure handles";
    }
    return "?";
}

} // namespace

bool IsWow64Process32()
{
    if (sizeof(void*) != 4)
        return false;
    BOOL wow64 = FALSE;
    return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

bool ProbeWow64Limit(Wow64Limit limit, std::string* detail)
{
    static Probe probes[2];
    Probe& p = probes[static_cast<int>(limit)];
    if (!p.done)
    {
        p.failed = limit == Wow64Limit::DeviceContexts ? DeviceContextsFail(&p.detail)
                                                       : UnicodeProcedureHandlesFail(&p.detail);
        p.done = true;
    }
    if (detail != nullptr)
        *detail = p.failed ? p.detail : std::string("works");
    return p.failed;
}

bool HasWow64Limit(Wow64Limit limit)
{
    return IsWow64Process32() && ProbeWow64Limit(limit);
}

std::string Wow64LimitReason(Wow64Limit limit)
{
    std::string detail;
    ProbeWow64Limit(limit, &detail);
    return std::string("32-bit under WoW64, this Wine's ") + Name(limit) + " fail (" + detail + ")";
}

} // namespace testsupport
