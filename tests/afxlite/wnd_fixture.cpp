// The window-layer test fixture.

#include "wnd_fixture.h"

#include <stdarg.h>
#include <stdio.h>

#include <map>

namespace wndtest {

namespace {

std::map<HWND, std::string>& Names()
{
    static std::map<HWND, std::string> s_names;
    return s_names;
}

std::string FormatV(const char* lpszFormat, va_list args)
{
    char szBuffer[1024];
    vsnprintf(szBuffer, sizeof(szBuffer), lpszFormat, args);
    return szBuffer;
}

std::string Describe(const std::vector<std::string>& entries)
{
    std::string text;
    for (size_t i = 0; i < entries.size(); i++)
        text += "    " + entries[i] + "\n";
    return text.empty() ? "    (nothing)\n" : text;
}

LRESULT CALLBACK PlainTestProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

} // namespace

std::string Format(const char* lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    std::string text = FormatV(lpszFormat, args);
    va_end(args);
    return text;
}

void CallLog::AddFormat(const char* lpszFormat, ...)
{
    va_list args;
    va_start(args, lpszFormat);
    m_entries.push_back(FormatV(lpszFormat, args));
    va_end(args);
}

CallLog& Calls()
{
    static CallLog s_log;
    return s_log;
}

bool ExpectCalls(const char* const* expected, const char* context, const char* file, int line)
{
    std::vector<std::string> wanted;
    for (; *expected != NULL; expected++)
        wanted.push_back(*expected);
    std::vector<std::string> got = Calls().Entries();
    Calls().Clear();
    if (wanted == got)
        return true;
    ADD_FAILURE_AT(file, line) << context << ": call sequence differs\n  expected:\n"
                               << Describe(wanted) << "  got:\n" << Describe(got);
    return false;
}

void NameWindow(HWND hWnd, const char* lpszName)
{
    Names()[hWnd] = lpszName;
}

std::string WindowName(HWND hWnd)
{
    if (hWnd == NULL)
        return "null";
    std::map<HWND, std::string>::const_iterator it = Names().find(hWnd);
    return it != Names().end() ? it->second : std::string("unnamed");
}

std::string WindowName(const CWnd* pWnd)
{
    return pWnd == NULL ? std::string("null") : WindowName(pWnd->m_hWnd);
}

void WndTest::SetUp()
{
    testsupport::HostWindowTest::SetUp();
    Names().clear();
    NameWindow(Host(), "host");
    Calls().Clear();
}

void WndTest::TearDown()
{
    testsupport::HostWindowTest::TearDown();
    CWnd::DeleteTempMap();
    Names().clear();
    Calls().Clear();
}

HWND WndTest::CreatePlainChild(const char* lpszClass, const char* lpszName, int nID,
                               DWORD dwStyle, HWND hWndParent)
{
    HWND hWnd = ::CreateWindowExA(0, lpszClass, lpszName, dwStyle, 0, 0, 80, 24,
                                  hWndParent != NULL ? hWndParent : Host(),
                                  (HMENU)(INT_PTR)nID, ::GetModuleHandleA(NULL), NULL);
    if (hWnd != NULL)
        NameWindow(hWnd, lpszName);
    return hWnd;
}

const char* PlainTestClass()
{
    static const char* s_lpszName = NULL;
    if (s_lpszName == NULL)
    {
        WNDCLASSA wc;
        ZeroMemory(&wc, sizeof(wc));
        wc.lpfnWndProc = PlainTestProc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
        wc.lpszClassName = "WndTestPlainItem";
        if (::RegisterClassA(&wc) != 0)
            s_lpszName = wc.lpszClassName;
    }
    return s_lpszName;
}

} // namespace wndtest
