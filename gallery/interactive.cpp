// interactive.cpp - the gallery's log and command channel.
//
// With --log <file> the interactive gallery writes one line per event:
//   item <name> <hwnd> <left> <top> <right> <bottom>        each item, screen pixels
//   client <left> <top> <right> <bottom>                    the dialog's client area
//   window <hwnd> <parent> <id> <class> <left> <top> <right> <bottom> <visible> <text>
//   ready                                                   every item is ready
//   notify <name> id=<id> <details>                         a control told its owner
//   answer <tag> <text>                                     a request was handled
// The notifications are seen by hooks on the dialog's thread (sent messages
// and posted ones), so the pages need no code for them. Requests are read
// from the command file, one line "<tag> <name> [<args>]" each, on a 50 ms
// timer: built in are ping, windows (lists the windows again), textwidth
// <hwnd> <text> (pixels of text in that window's font), check (runs every
// page's "*.check" request) and quit (closes the dialog; the process ends
// cleanly). Anything else goes to the page that registered the name.
#include <afxwin.h>
#include <commctrl.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "gallery.h"
#include "interactive.h"
#include "HistoBin.h"

namespace {

// Messages of the controls; their numbers are fixed by the controls' owners'
// interface, so they are named here without each control's header.
const UINT kCutpointSelected = WM_APP + 0xA7C;
const UINT kCutpointMoved = WM_APP + 0xA7D;
const UINT kCutpointRemoved = WM_APP + 0xA7E;
const UINT kBarMoved = 0x8F63;
const UINT kExpandStateChanged = 0x96D7;

std::map<std::string, GalleryCommandFn>& Commands()
{
    static std::map<std::string, GalleryCommandFn> commands;
    return commands;
}

HANDLE g_hLog = INVALID_HANDLE_VALUE;
std::string g_commandPath;
LONGLONG g_commandOffset = 0;
std::string g_pending;          // a request line not complete yet
HWND g_hwndDialog = NULL;
HHOOK g_hSentHook = NULL;
HHOOK g_hPostedHook = NULL;
UINT_PTR g_timer = 0;
std::vector<std::pair<std::string, HWND> > g_items;

std::string ClassOf(HWND hwnd)
{
    char name[64] = "";
    GetClassNameA(hwnd, name, sizeof(name));
    return name;
}

std::string TextOf(HWND hwnd)
{
    char text[256] = "";
    // WM_GETTEXT rather than GetWindowText: it reads an edit's text too.
    SendMessageA(hwnd, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    for (char* p = text; *p != '\0'; ++p)
        if (*p == '\n' || *p == '\r')
            *p = ' ';
    return text;
}

void LogWindow(HWND hwnd)
{
    RECT rc;
    GetWindowRect(hwnd, &rc);
    GalleryLog("window %p %p %d %s %ld %ld %ld %ld %d %s", static_cast<void*>(hwnd),
               static_cast<void*>(GetAncestor(hwnd, GA_PARENT)), GetDlgCtrlID(hwnd), ClassOf(hwnd).c_str(),
               rc.left, rc.top, rc.right, rc.bottom, IsWindowVisible(hwnd) ? 1 : 0, TextOf(hwnd).c_str());
}

BOOL CALLBACK LogChild(HWND hwnd, LPARAM lParam)
{
    LogWindow(hwnd);
    ++*reinterpret_cast<int*>(lParam);
    return TRUE;
}

// The dialog, every window below it, and this thread's other visible
// top-level windows (a dropped-down combo list, a tooltip) with theirs.
BOOL CALLBACK LogThreadWindow(HWND hwnd, LPARAM lParam)
{
    if (hwnd != g_hwndDialog && !IsWindowVisible(hwnd))
        return TRUE;
    LogWindow(hwnd);
    ++*reinterpret_cast<int*>(lParam);
    EnumChildWindows(hwnd, &LogChild, lParam);
    return TRUE;
}

int LogWindows()
{
    for (size_t i = 0; i < g_items.size(); ++i)
    {
        RECT rc;
        GetWindowRect(g_items[i].second, &rc);
        GalleryLog("item %s %p %ld %ld %ld %ld", g_items[i].first.c_str(),
                   static_cast<void*>(g_items[i].second), rc.left, rc.top, rc.right, rc.bottom);
    }
    RECT rcClient;
    GetClientRect(g_hwndDialog, &rcClient);
    MapWindowPoints(g_hwndDialog, NULL, reinterpret_cast<POINT*>(&rcClient), 2);
    GalleryLog("client %ld %ld %ld %ld", rcClient.left, rcClient.top, rcClient.right, rcClient.bottom);
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), &LogThreadWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

void LogCommand(HWND hwndFrom, WPARAM wParam)
{
    const std::string cls = ClassOf(hwndFrom);
    const UINT code = HIWORD(wParam);
    const char* name = NULL;
    if (cls == "Button" && code == BN_CLICKED)
        name = "BN_CLICKED";
    else if ((cls == "ComboBox" || cls == WC_COMBOBOXEXA) && code == CBN_SELCHANGE)
        name = "CBN_SELCHANGE";
    else if (cls == "Edit" && code == EN_CHANGE)
        name = "EN_CHANGE";
    if (name == NULL)
        return;
    if (code == CBN_SELCHANGE)
    {
        // The selected item's text: the edit part shows it only after this
        // notification. An extended combo keeps it in its own items; an
        // owner-drawn inner box may hold no strings.
        char text[256] = "";
        const LRESULT sel = SendMessageA(hwndFrom, CB_GETCURSEL, 0, 0);
        const LONG style = GetWindowLongA(hwndFrom, GWL_STYLE);
        if (sel >= 0 && cls == WC_COMBOBOXEXA)
        {
            COMBOBOXEXITEMA item = {};
            item.mask = CBEIF_TEXT;
            item.iItem = sel;
            item.pszText = text;
            item.cchTextMax = sizeof(text);
            SendMessageA(hwndFrom, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        }
        else if (sel >= 0 && ((style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) == 0 || (style & CBS_HASSTRINGS) != 0) &&
                 SendMessageA(hwndFrom, CB_GETLBTEXTLEN, sel, 0) < LRESULT(sizeof(text)))
            SendMessageA(hwndFrom, CB_GETLBTEXT, sel, reinterpret_cast<LPARAM>(text));
        GalleryLog("notify %s id=%d sel=%ld text=%s", name, LOWORD(wParam), static_cast<long>(sel), text);
    }
    else
        GalleryLog("notify %s id=%d text=%s", name, LOWORD(wParam), TextOf(hwndFrom).c_str());
}

void LogMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && lParam != 0)
        LogCommand(reinterpret_cast<HWND>(lParam), wParam);
    else if (message == WM_NOTIFY && lParam != 0)
    {
        const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        if (pHdr->code == LVN_COLUMNCLICK)
            GalleryLog("notify LVN_COLUMNCLICK id=%d column=%d", static_cast<int>(pHdr->idFrom),
                       reinterpret_cast<const NMLISTVIEW*>(lParam)->iSubItem);
    }
    else if (message == kCutpointSelected)
        GalleryLog("notify HM_CUTPOINTSELECTED id=%d value=%g", static_cast<int>(wParam),
                   reinterpret_cast<const CutpointBag*>(lParam)->value);
    else if (message == kCutpointMoved)
        GalleryLog("notify HM_CUTPOINTMOVED id=%d old=%g new=%g", static_cast<int>(wParam),
                   reinterpret_cast<const CutpointMove*>(lParam)->oldValue,
                   reinterpret_cast<const CutpointMove*>(lParam)->newValue);
    else if (message == kCutpointRemoved)
        GalleryLog("notify HM_CUTPOINTREMOVED id=%d old=%g", static_cast<int>(wParam),
                   *reinterpret_cast<const double*>(lParam));
    else if (message == kBarMoved || message == kExpandStateChanged)
        GalleryLog("notify %s id=%d to=%p wParam=%ld lParam=%ld",
                   message == kBarMoved ? "SPM_BARMOVED" : "LAM_EXPANDSTATECHANGED", GetDlgCtrlID(hwnd),
                   static_cast<void*>(hwnd), static_cast<long>(wParam), static_cast<long>(lParam));
}

LRESULT CALLBACK SentHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION)
    {
        const CWPSTRUCT* p = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (p->message != kExpandStateChanged)
            LogMessage(p->hwnd, p->message, p->wParam, p->lParam);
    }
    return CallNextHookEx(g_hSentHook, code, wParam, lParam);
}

LRESULT CALLBACK PostedHook(int code, WPARAM wParam, LPARAM lParam)
{
    const MSG* p = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && p->message == kExpandStateChanged)
        LogMessage(p->hwnd, p->message, p->wParam, p->lParam);
    return CallNextHookEx(g_hPostedHook, code, wParam, lParam);
}

std::string TextWidth(const char* args)
{
    void* pv = NULL;
    int used = 0;
    if (sscanf(args, "%p %n", &pv, &used) < 1)
        return "fail: textwidth <hwnd> <text>";
    HWND hwnd = static_cast<HWND>(pv);
    HDC hdc = GetDC(hwnd);
    HGDIOBJ hOld = SelectObject(hdc, reinterpret_cast<HFONT>(SendMessage(hwnd, WM_GETFONT, 0, 0)));
    SIZE size = { 0, 0 };
    GetTextExtentPoint32A(hdc, args + used, static_cast<int>(strlen(args + used)), &size);
    SelectObject(hdc, hOld);
    ReleaseDC(hwnd, hdc);
    char answer[32];
    _snprintf(answer, sizeof(answer), "%ld", size.cx);
    return answer;
}

std::string Handle(const std::string& name, const char* args)
{
    if (name == "ping")
        return "pong";
    if (name == "windows")
        return "listed " + std::to_string(LogWindows());
    if (name == "textwidth")
        return TextWidth(args);
    if (name == "quit")
    {
        PostMessage(g_hwndDialog, WM_COMMAND, IDCANCEL, 0);
        return "bye";
    }
    if (name == "check")
    {
        std::string all = "ok";
        for (std::map<std::string, GalleryCommandFn>::const_iterator it = Commands().begin();
             it != Commands().end(); ++it)
        {
            const size_t n = it->first.size();
            if (n > 6 && it->first.compare(n - 6, 6, ".check") == 0)
            {
                const std::string one = it->second("");
                if (one.compare(0, 4, "fail") == 0)
                    all = "fail";
                all += "; " + it->first + ": " + one;
            }
        }
        return all;
    }
    std::map<std::string, GalleryCommandFn>::const_iterator it = Commands().find(name);
    if (it == Commands().end())
        return "fail: no request " + name;
    return it->second(args);
}

void HandleLine(const std::string& line)
{
    char tag[64] = "", name[64] = "";
    int used = 0;
    if (sscanf(line.c_str(), "%63s %63s %n", tag, name, &used) < 2)
        return;
    const char* args = used > 0 ? line.c_str() + used : "";
    GalleryLog("answer %s %s", tag, Handle(name, args).c_str());
}

// Reads what was appended to the command file since the last look.
void CALLBACK ReadRequests(HWND, UINT, UINT_PTR, DWORD)
{
    HANDLE h = CreateFileA(g_commandPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           NULL, OPEN_EXISTING, 0, NULL);
    if (h == INVALID_HANDLE_VALUE)
        return;
    LARGE_INTEGER at;
    at.QuadPart = g_commandOffset;
    SetFilePointerEx(h, at, NULL, FILE_BEGIN);
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof(buffer), &got, NULL) && got > 0)
    {
        g_commandOffset += got;
        g_pending.append(buffer, got);
    }
    CloseHandle(h);
    size_t nl;
    while ((nl = g_pending.find('\n')) != std::string::npos)
    {
        std::string line = g_pending.substr(0, nl);
        g_pending.erase(0, nl + 1);
        if (!line.empty() && line[line.size() - 1] == '\r')
            line.erase(line.size() - 1);
        HandleLine(line);
    }
}

} // namespace

void RegisterGalleryCommand(const char* name, GalleryCommandFn fn)
{
    Commands()[name] = fn;
}

void GalleryLog(const char* format, ...)
{
    if (g_hLog == INVALID_HANDLE_VALUE)
        return;
    char line[1024];
    va_list args;
    va_start(args, format);
    int n = _vsnprintf(line, sizeof(line) - 1, format, args);
    va_end(args);
    if (n < 0 || n > int(sizeof(line)) - 2)
        n = int(sizeof(line)) - 2;
    line[n++] = '\n';
    DWORD written = 0;
    WriteFile(g_hLog, line, n, &written, NULL);     // one write per line: a reader never sees half
}

bool OpenGalleryChannel(const std::string& logPath, const std::string& commandPath, HWND hwndDialog,
                        const std::vector<std::pair<std::string, HWND> >& items)
{
    g_hLog = CreateFileA(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (g_hLog == INVALID_HANDLE_VALUE)
        return false;
    g_hwndDialog = hwndDialog;
    g_items = items;
    g_commandPath = commandPath;
    g_hSentHook = SetWindowsHookExA(WH_CALLWNDPROC, &SentHook, NULL, GetCurrentThreadId());
    g_hPostedHook = SetWindowsHookExA(WH_GETMESSAGE, &PostedHook, NULL, GetCurrentThreadId());
    LogWindows();
    if (!commandPath.empty())
        g_timer = SetTimer(NULL, 0, 50, &ReadRequests);
    return true;
}

void GalleryChannelReady()
{
    GalleryLog("ready");
}

void CloseGalleryChannel()
{
    if (g_timer != 0)
        KillTimer(NULL, g_timer);
    if (g_hSentHook != NULL)
        UnhookWindowsHookEx(g_hSentHook);
    if (g_hPostedHook != NULL)
        UnhookWindowsHookEx(g_hPostedHook);
    g_timer = 0;
    g_hSentHook = g_hPostedHook = NULL;
    if (g_hLog != INVALID_HANDLE_VALUE)
    {
        GalleryLog("closed");
        CloseHandle(g_hLog);
        g_hLog = INVALID_HANDLE_VALUE;
    }
}
