// InputHelpers.h - real mouse and keyboard input through SendInput.
//
// Points are client coordinates of the window given.  Each call pumps the
// calling thread's queue afterwards until the injected events are handled,
// so their messages have arrived when it returns.  Every press starts a new
// click: only LeftDoubleClick makes a double click, however little time
// passes between calls (the events carry their own time stamps).  The
// window must be visible and on top for the input to reach it;
// TestHostWindow takes care of that.

#ifndef TESTSUPPORT_INPUTHELPERS_H
#define TESTSUPPORT_INPUTHELPERS_H

#include <windows.h>

namespace testsupport {

// The absolute SendInput coordinate (0..65535) that lands on screen pixel
// x of a screen width pixels wide.
LONG AbsoluteMouseCoordinate(int pixel, int screenSize);

// Moves the cursor to (x, y) of hwnd's client area.  Returns false when the
// cursor did not arrive there.
bool MouseMoveTo(HWND hwnd, int x, int y);
void LeftButtonDown(HWND hwnd, int x, int y);
void LeftButtonUp(HWND hwnd, int x, int y);
void LeftClick(HWND hwnd, int x, int y);
void LeftDoubleClick(HWND hwnd, int x, int y);
void RightClick(HWND hwnd, int x, int y);
// Press at (x0, y0), move in nSteps steps to (x1, y1), release there.
void LeftDrag(HWND hwnd, int x0, int y0, int x1, int y1, int nSteps = 4);

// Keyboard: a virtual key pressed and released, or held/let go.
void KeyPress(WORD vk);
// vk pressed and released while modifier (VK_CONTROL, VK_SHIFT, ...) is
// held; a modifier of 0 holds nothing.
void KeyPressHolding(WORD vk, WORD modifier);
void KeyDown(WORD vk);
void KeyUp(WORD vk);
// Types the characters of text (ASCII) as Unicode key events, which reach
// the focus window as WM_CHAR through TranslateMessage, whatever the
// keyboard layout. Wait for their effect before checking it.
void TypeText(const char* text);

// Pumps until the input injected so far has been handled.
void PumpInput();
// Tab (Shift+Tab with back) pressed in dialog: the queued messages go
// through the dialog's IsDialogMessage, as in a modeless dialog's loop, so
// the focus moves on.
void TabInDialog(HWND dialog, bool back = false);

// The same input without any pumping, for code that runs while a modal
// loop of the code under test takes the messages (a timer callback during
// a drag): the cursor moves at once, the messages arrive in that loop.
void InjectMouseMove(HWND hwnd, int x, int y);
void InjectMouseButton(DWORD mouseEventFlag);   // MOUSEEVENTF_LEFTUP, ...
void InjectKey(WORD vk, bool bUp);

} // namespace testsupport

#endif // TESTSUPPORT_INPUTHELPERS_H
