// SendInput wrappers.

#include "InputHelpers.h"
#include "MessageRecorder.h"

namespace testsupport {

namespace {

// Every event carries its own time stamp from one clock that never runs
// backwards. A press that starts a new click is stamped more than the
// double-click time after the previous press, so whether two presses make
// a double click never depends on how fast the machine ran between them.
DWORD g_lastStamp = 0;

DWORD NextStamp(bool bNewClick = false)
{
    DWORD stamp = ::GetTickCount();
    if (g_lastStamp != 0 && (LONG)(stamp - g_lastStamp) <= 0)
        stamp = g_lastStamp + 1;
    if (bNewClick && g_lastStamp != 0)
    {
        const DWORD fresh = g_lastStamp + ::GetDoubleClickTime() + 1;
        if ((LONG)(fresh - stamp) > 0)
            stamp = fresh;
    }
    return g_lastStamp = stamp;
}

const DWORD kPresses = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_MIDDLEDOWN;

void SendMouse(DWORD flags, LONG dx = 0, LONG dy = 0, bool bSecondOfDouble = false)
{
    INPUT input;
    memset(&input, 0, sizeof(input));
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = flags;
    input.mi.time = NextStamp((flags & kPresses) != 0 && !bSecondOfDouble);
    ::SendInput(1, &input, sizeof(INPUT));
}

void SendKey(WORD vk, DWORD flags)
{
    INPUT input;
    memset(&input, 0, sizeof(input));
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = (WORD)::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
    input.ki.dwFlags = flags;
    input.ki.time = NextStamp();
    ::SendInput(1, &input, sizeof(INPUT));
}

void SendMoveTo(HWND hwnd, int x, int y)
{
    POINT pt = { x, y };
    ::ClientToScreen(hwnd, &pt);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
              AbsoluteMouseCoordinate(pt.x, ::GetSystemMetrics(SM_CXSCREEN)),
              AbsoluteMouseCoordinate(pt.y, ::GetSystemMetrics(SM_CYSCREEN)));
}

} // namespace

LONG AbsoluteMouseCoordinate(int pixel, int screenSize)
{
    if (screenSize <= 0)
        return 0;
    // The smallest coordinate whose pixel (coordinate * size / 65536,
    // rounded down) is the one wanted; also right under the rounding
    // Windows documents (coordinate * (size - 1) / 65535 rounded).
    return (LONG)(((LONGLONG)pixel * 65536 + screenSize - 1) / screenSize);
}

void InjectMouseMove(HWND hwnd, int x, int y)
{
    SendMoveTo(hwnd, x, y);
}

void InjectMouseButton(DWORD mouseEventFlag)
{
    SendMouse(mouseEventFlag);
}

void InjectKey(WORD vk, bool bUp)
{
    SendKey(vk, bUp ? KEYEVENTF_KEYUP : 0);
}

void PumpInput()
{
    // SendInput queues the events for the thread that owns the window under
    // the cursor (or the capture, or the focus) before it returns. Pump
    // until none of them is left, then once more for what handling them
    // posted. The deadline only catches a queue that never empties.
    const DWORD start = ::GetTickCount();
    Pump();
    while ((HIWORD(::GetQueueStatus(QS_INPUT)) & QS_INPUT) != 0 && ::GetTickCount() - start < 30000)
    {
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 10, QS_ALLINPUT);
        Pump();
    }
    Pump();
}

bool MouseMoveTo(HWND hwnd, int x, int y)
{
    SendMoveTo(hwnd, x, y);
    PumpInput();
    POINT want = { x, y };
    ::ClientToScreen(hwnd, &want);
    POINT now;
    ::GetCursorPos(&now);
    return now.x == want.x && now.y == want.y;
}

void LeftButtonDown(HWND hwnd, int x, int y)
{
    SendMoveTo(hwnd, x, y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    PumpInput();
}

void LeftButtonUp(HWND hwnd, int x, int y)
{
    SendMoveTo(hwnd, x, y);
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpInput();
}

void LeftClick(HWND hwnd, int x, int y)
{
    SendMoveTo(hwnd, x, y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpInput();
}

void LeftDoubleClick(HWND hwnd, int x, int y)
{
    SendMoveTo(hwnd, x, y);
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
    SendMouse(MOUSEEVENTF_LEFTDOWN, 0, 0, true);
    SendMouse(MOUSEEVENTF_LEFTUP);
    PumpInput();
}

void RightClick(HWND hwnd, int x, int y)
{
    SendMoveTo(hwnd, x, y);
    SendMouse(MOUSEEVENTF_RIGHTDOWN);
    SendMouse(MOUSEEVENTF_RIGHTUP);
    PumpInput();
}

void LeftDrag(HWND hwnd, int x0, int y0, int x1, int y1, int nSteps)
{
    if (nSteps < 1)
        nSteps = 1;
    LeftButtonDown(hwnd, x0, y0);
    for (int i = 1; i <= nSteps; i++)
    {
        SendMoveTo(hwnd, x0 + (x1 - x0) * i / nSteps, y0 + (y1 - y0) * i / nSteps);
        PumpInput();
    }
    LeftButtonUp(hwnd, x1, y1);
}

void KeyPress(WORD vk)
{
    SendKey(vk, 0);
    SendKey(vk, KEYEVENTF_KEYUP);
    PumpInput();
}

void KeyPressHolding(WORD vk, WORD modifier)
{
    if (modifier != 0)
        SendKey(modifier, 0);
    SendKey(vk, 0);
    SendKey(vk, KEYEVENTF_KEYUP);
    if (modifier != 0)
        SendKey(modifier, KEYEVENTF_KEYUP);
    PumpInput();
}

void TabInDialog(HWND dialog, bool back)
{
    if (back)
        SendKey(VK_SHIFT, 0);
    SendKey(VK_TAB, 0);
    SendKey(VK_TAB, KEYEVENTF_KEYUP);
    if (back)
        SendKey(VK_SHIFT, KEYEVENTF_KEYUP);
    // SendInput has queued every event before it returned.
    MSG msg;
    while (::PeekMessage(&msg, NULL, 0, 0, PM_REMOVE))
    {
        if (!::IsDialogMessage(dialog, &msg))
        {
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
        }
    }
}

void TypeText(const char* text)
{
    for (const char* p = text; *p != '\0'; ++p)
    {
        INPUT input[2];
        memset(input, 0, sizeof(input));
        for (int i = 0; i < 2; i++)
        {
            input[i].type = INPUT_KEYBOARD;
            input[i].ki.wScan = (WORD)(unsigned char)*p;
            input[i].ki.dwFlags = KEYEVENTF_UNICODE | (i == 1 ? KEYEVENTF_KEYUP : 0);
        }
        ::SendInput(2, input, sizeof(INPUT));
    }
    PumpInput();
}

void KeyDown(WORD vk)
{
    SendKey(vk, 0);
    PumpInput();
}

void KeyUp(WORD vk)
{
    SendKey(vk, KEYEVENTF_KEYUP);
    PumpInput();
}

} // namespace testsupport
