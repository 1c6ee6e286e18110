// InputHelpers.h - real mouse and keyboard input through SendInput.
//
// Points are client coordinates of the window given.  Each call pumps the
// calling thread's queue afterwards (with a short bounded wait, since the
// input reaches the queue asynchronously), so the messages have been
// handled when it returns.  The window must be visible and on top for the
// input to reach it; TestHostWindow takes care of that.

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
void KeyDown(WORD vk);
void KeyUp(WORD vk);
// Types the characters of text (ASCII) as Unicode key events, which reach
// the focus window as WM_CHAR through TranslateMessage, whatever the
// keyboard layout. Wait for their effect before checking it.
void TypeText(const char* text);

// Pumps long enough for injected input to be delivered.
void PumpInput();

} // namespace testsupport

#endif // TESTSUPPORT_INPUTHELPERS_H
