// wnd_fixture.h - shared fixture of the window-layer tests: a log of the
// handler calls that framework objects make, compared as whole sequences,
// names for the windows a test uses, and a GoogleTest fixture on the shared
// host window.

#ifndef WND_FIXTURE_H
#define WND_FIXTURE_H

#include <afxwin.h>
#include <afxcmn.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MessageRecorder.h"
#include "TestHostWindow.h"

namespace wndtest {

// printf into a std::string.
std::string Format(const char* lpszFormat, ...) __attribute__((format(printf, 1, 2)));

// The calls test objects report ("OnSize 2 30 40"), in order.
class CallLog
{
public:
    void Add(const std::string& entry) { m_entries.push_back(entry); }
    void AddFormat(const char* lpszFormat, ...) __attribute__((format(printf, 2, 3)));
    void Clear() { m_entries.clear(); }
    const std::vector<std::string>& Entries() const { return m_entries; }

private:
    std::vector<std::string> m_entries;
};

CallLog& Calls();

// Compares the call log with a table ending in NULL; on a mismatch prints
// both sequences and reports at the caller's line.  Clears the log.
bool ExpectCalls(const char* const* expected, const char* context, const char* file, int line);
#define EXPECT_CALLS(expected, context) \
    ::wndtest::ExpectCalls((expected), (context), __FILE__, __LINE__)

// Names of the windows of a test, for handlers that receive window objects:
// "null" for NULL, the registered name, or "unnamed".
void NameWindow(HWND hWnd, const char* lpszName);
std::string WindowName(const CWnd* pWnd);
std::string WindowName(HWND hWnd);

// The shared host window, its logs and the names flushed around each test;
// temporary window objects of a test are deleted after it.
class WndTest : public testsupport::HostWindowTest
{
protected:
    void SetUp() override;
    void TearDown() override;

    // A plain Win32 child of parent (the host when NULL), named lpszName.
    HWND CreatePlainChild(const char* lpszClass, const char* lpszName, int nID,
                          DWORD dwStyle = WS_CHILD | WS_VISIBLE, HWND hWndParent = NULL);
};

// A window class whose procedure is DefWindowProc, registered once; used as
// the custom class of dialog items.
const char* PlainTestClass();

} // namespace wndtest

#endif // WND_FIXTURE_H
