// The shared host window, the recording host dialog and the fixture.

#include "TestHostWindow.h"
#include "MessageRecorder.h"

#include <stdio.h>

namespace testsupport {

namespace {

HWND g_host = NULL;
RECT g_hostRect;   // where Get() put the host

BOOL CALLBACK DestroyChild(HWND hwnd, LPARAM lParam)
{
    if (::GetParent(hwnd) == (HWND)lParam)
        ::DestroyWindow(hwnd);
    return TRUE;
}

} // namespace

HWND TestHostWindow::Get()
{
    if (g_host != NULL && ::IsWindow(g_host))
        return g_host;

    RECT rect = { 0, 0, 640, 480 };
    DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    ::AdjustWindowRect(&rect, style, FALSE);
    g_host = ::CreateWindowExA(0, RecordingParentClass(), "Test host", style,
                               0, 0, rect.right - rect.left, rect.bottom - rect.top,
                               NULL, NULL, ::GetModuleHandleA(NULL), NULL);
    if (g_host == NULL)
        return NULL;
    ::GetWindowRect(g_host, &g_hostRect);
    ::ShowWindow(g_host, SW_SHOW);
    ::SetForegroundWindow(g_host);
    ::UpdateWindow(g_host);
    Pump();
    Recorder().Flush();
    return g_host;
}

void TestHostWindow::Reset()
{
    HWND host = Get();
    if (host == NULL)
        return;
    ::EnumChildWindows(host, DestroyChild, (LPARAM)host);
    // Back in front of any window an earlier test left on the desktop, so
    // that painting and input reach the controls on the host.
    Raise();
    ::ReleaseCapture();
    SetParentHandler(ParentHandler());
    Pump();
    Recorder().ClearCaptures();
    Recorder().Flush();
}

void TestHostWindow::Raise()
{
    HWND host = Get();
    if (host == NULL)
        return;
    if (::IsIconic(host))
        ::ShowWindow(host, SW_RESTORE);
    RECT rc;
    ::GetWindowRect(host, &rc);
    if (!::EqualRect(&rc, &g_hostRect))
    {
        // Nothing of the tests moves it; say so when something else did.
        fprintf(stderr, "test host: found at %ld,%ld-%ld,%ld, put back at %ld,%ld-%ld,%ld\n", rc.left, rc.top,
                rc.right, rc.bottom, g_hostRect.left, g_hostRect.top, g_hostRect.right, g_hostRect.bottom);
        ::MoveWindow(host, g_hostRect.left, g_hostRect.top, g_hostRect.right - g_hostRect.left,
                     g_hostRect.bottom - g_hostRect.top, TRUE);
    }
    ::SetWindowPos(host, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ::SetForegroundWindow(host);
    ::SetFocus(host);
    Pump();
}

void TestHostWindow::Destroy()
{
    if (g_host != NULL && ::IsWindow(g_host))
        ::DestroyWindow(g_host);
    g_host = NULL;
    Pump();
    Recorder().Flush();
}

std::string CoveredBy(HWND hwnd)
{
    if (!::IsWindow(hwnd))
        return "no such window";
    if (!::IsWindowVisible(hwnd))
        return "the window (or a parent) is hidden";
    RECT rc;
    ::GetClientRect(hwnd, &rc);
    POINT pt = { (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2 };
    ::ClientToScreen(hwnd, &pt);
    HWND hFound = ::WindowFromPoint(pt);
    if (hFound == hwnd || (hFound != NULL && ::IsChild(hwnd, hFound)))
        return "";
    char szClass[64] = "", szText[64] = "";
    DWORD pid = 0;
    if (hFound != NULL)
    {
        ::GetClassNameA(hFound, szClass, sizeof(szClass));
        ::GetWindowTextA(hFound, szText, sizeof(szText));
        ::GetWindowThreadProcessId(hFound, &pid);
    }
    // Where the point and the window's top-level window are, for the cases
    // where nothing of this process is there at all.
    HWND top = ::GetAncestor(hwnd, GA_ROOT);
    RECT rcTop = { 0, 0, 0, 0 };
    ::GetWindowRect(top, &rcTop);
    char out[400];
    wsprintfA(out, "window %p class \"%s\" text \"%s\" of process %lu (this is %lu) at %ld,%ld; "
              "top-level %p at %ld,%ld-%ld,%ld%s%s",
              (void*)hFound, szClass, szText, (unsigned long)pid, (unsigned long)::GetCurrentProcessId(),
              pt.x, pt.y, (void*)top, rcTop.left, rcTop.top, rcTop.right, rcTop.bottom,
              ::IsIconic(top) ? ", minimized" : "", ::IsWindowEnabled(top) ? "" : ", disabled");
    return out;
}

/////////////////////////////////////////////////////////////////////////////
// HostDialog

HostDialog::HostDialog() : m_hwnd(NULL)
{
}

HostDialog::~HostDialog()
{
    Destroy();
}

INT_PTR CALLBACK HostDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Dialog procedures are called from the dialog's own window procedure,
    // so even queued messages arrive here as plain calls: all are 'sent'.
    Recorder().Add("parent", hwnd, message, sent | parent | wparam | lparam, wParam, lParam);
    LRESULT result = 0;
    if (CallParentHandler(hwnd, message, wParam, lParam, &result))
    {
        ::SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, (LONG_PTR)result);
        return TRUE;
    }
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

bool HostDialog::Create(DialogTemplateBuilder& dialogTemplate, HWND owner)
{
    Destroy();
    m_hwnd = ::CreateDialogIndirectParamA(::GetModuleHandleA(NULL), dialogTemplate.Template(),
                                          owner, DialogProc, 0);
    if (m_hwnd == NULL)
        return false;
    ::ShowWindow(m_hwnd, SW_SHOW);
    ::SetForegroundWindow(m_hwnd);
    ::UpdateWindow(m_hwnd);
    Pump();
    return true;
}

void HostDialog::Destroy()
{
    if (m_hwnd != NULL && ::IsWindow(m_hwnd))
        ::DestroyWindow(m_hwnd);
    m_hwnd = NULL;
}

/////////////////////////////////////////////////////////////////////////////
// HostWindowTest

void HostWindowTest::SetUp()
{
    ASSERT_NE(TestHostWindow::Get(), (HWND)NULL);
    TestHostWindow::Reset();
}

void HostWindowTest::TearDown()
{
    TestHostWindow::Reset();
}

} // namespace testsupport
