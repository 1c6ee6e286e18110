// TestHostWindow.h - top-level windows that host the controls under test.
//
// TestHostWindow: one recording parent window (messages go to the "parent"
// log) per process, created on first use, shown, brought to the front and
// reused by every test.  Each test creates its own controls on it and
// destroys them; Reset() removes leftover children and clears the logs.
//
// HostDialog: a modeless dialog built from a DialogTemplateBuilder, whose
// dialog procedure records into "parent" as well.
//
// HostWindowTest: a GoogleTest fixture with the host window ready and the
// logs flushed before each test.

#ifndef TESTSUPPORT_TESTHOSTWINDOW_H
#define TESTSUPPORT_TESTHOSTWINDOW_H

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "DialogTemplateBuilder.h"

namespace testsupport {

class TestHostWindow
{
public:
    // The shared host, client area at least 640 x 480, at the top left of
    // the screen.
    static HWND Get();
    // Destroys the children of the host, gives it the focus and flushes
    // every log and capture.
    static void Reset();
    // Restores the host if it was minimized, puts it back where Get() made
    // it if it was moved or sized, and brings it in front of every other
    // window, with the focus (Reset does this too).
    static void Raise();
    // Destroys the host (the next Get() makes a new one).
    static void Destroy();
};

// "" when hwnd is visible and the window at the centre of its client area
// is hwnd itself (or one of its children); otherwise what is there instead,
// so that a test that paints or clicks can say why nothing reached it.
std::string CoveredBy(HWND hwnd);

class HostDialog
{
public:
    HostDialog();
    ~HostDialog();

    // Creates the dialog (visible, owned by owner, the desktop when NULL);
    // false when CreateDialogIndirectParam fails.
    bool Create(DialogTemplateBuilder& dialogTemplate, HWND owner = NULL);
    void Destroy();

    HWND Handle() const { return m_hwnd; }
    HWND Item(int id) const { return ::GetDlgItem(m_hwnd, id); }

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND m_hwnd;
};

class HostWindowTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    HWND Host() const { return TestHostWindow::Get(); }
};

} // namespace testsupport

#endif // TESTSUPPORT_TESTHOSTWINDOW_H
