// Message logs, the recording window procedures and the message pump.

#include "MessageRecorder.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <stdio.h>

#include <sstream>

namespace testsupport {

namespace {

// The queued message Pump() is dispatching right now; the first recording
// of exactly that message is flagged 'posted'.
struct PendingPosted
{
    bool active;
    MSG msg;
};
thread_local PendingPosted t_pending = { false, MSG() };

UINT TakePostedFlag(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (t_pending.active && t_pending.msg.hwnd == hwnd && t_pending.msg.message == message &&
        t_pending.msg.wParam == wParam && t_pending.msg.lParam == lParam)
    {
        t_pending.active = false;
        return posted;
    }
    return sent;
}

// Depth of DefWindowProc calls of the recording parent.
thread_local int t_defWinProcDepth = 0;

struct NameEntry
{
    UINT message;
    const char* name;
};

#define MSGNAME(m) { m, #m }
const NameEntry g_names[] = {
    MSGNAME(WM_NULL), MSGNAME(WM_CREATE), MSGNAME(WM_DESTROY), MSGNAME(WM_MOVE),
    MSGNAME(WM_SIZE), MSGNAME(WM_ACTIVATE), MSGNAME(WM_SETFOCUS), MSGNAME(WM_KILLFOCUS),
    MSGNAME(WM_ENABLE), MSGNAME(WM_SETREDRAW), MSGNAME(WM_SETTEXT), MSGNAME(WM_GETTEXT),
    MSGNAME(WM_GETTEXTLENGTH), MSGNAME(WM_PAINT), MSGNAME(WM_CLOSE), MSGNAME(WM_QUIT),
    MSGNAME(WM_ERASEBKGND), MSGNAME(WM_SYSCOLORCHANGE), MSGNAME(WM_SHOWWINDOW),
    MSGNAME(WM_SETTINGCHANGE), MSGNAME(WM_ACTIVATEAPP), MSGNAME(WM_CANCELMODE),
    MSGNAME(WM_SETCURSOR), MSGNAME(WM_MOUSEACTIVATE), MSGNAME(WM_CHILDACTIVATE),
    MSGNAME(WM_GETMINMAXINFO), MSGNAME(WM_DRAWITEM), MSGNAME(WM_MEASUREITEM),
    MSGNAME(WM_DELETEITEM), MSGNAME(WM_VKEYTOITEM), MSGNAME(WM_CHARTOITEM),
    MSGNAME(WM_SETFONT), MSGNAME(WM_GETFONT), MSGNAME(WM_QUERYDRAGICON),
    MSGNAME(WM_COMPAREITEM), MSGNAME(WM_GETOBJECT), MSGNAME(WM_WINDOWPOSCHANGING),
    MSGNAME(WM_WINDOWPOSCHANGED), MSGNAME(WM_NOTIFY), MSGNAME(WM_NOTIFYFORMAT),
    MSGNAME(WM_CONTEXTMENU), MSGNAME(WM_STYLECHANGING), MSGNAME(WM_STYLECHANGED),
    MSGNAME(WM_DISPLAYCHANGE), MSGNAME(WM_GETICON), MSGNAME(WM_SETICON),
    MSGNAME(WM_NCCREATE), MSGNAME(WM_NCDESTROY), MSGNAME(WM_NCCALCSIZE),
    MSGNAME(WM_NCHITTEST), MSGNAME(WM_NCPAINT), MSGNAME(WM_NCACTIVATE),
    MSGNAME(WM_GETDLGCODE), MSGNAME(WM_NCMOUSEMOVE), MSGNAME(WM_NCLBUTTONDOWN),
    MSGNAME(WM_NCLBUTTONUP), MSGNAME(WM_NCLBUTTONDBLCLK), MSGNAME(WM_KEYDOWN),
    MSGNAME(WM_KEYUP), MSGNAME(WM_CHAR), MSGNAME(WM_DEADCHAR), MSGNAME(WM_SYSKEYDOWN),
    MSGNAME(WM_SYSKEYUP), MSGNAME(WM_SYSCHAR), MSGNAME(WM_INITDIALOG), MSGNAME(WM_COMMAND),
    MSGNAME(WM_SYSCOMMAND), MSGNAME(WM_TIMER), MSGNAME(WM_HSCROLL), MSGNAME(WM_VSCROLL),
    MSGNAME(WM_INITMENU), MSGNAME(WM_INITMENUPOPUP), MSGNAME(WM_MENUSELECT),
    MSGNAME(WM_ENTERIDLE), MSGNAME(WM_UPDATEUISTATE), MSGNAME(WM_QUERYUISTATE),
    MSGNAME(WM_CHANGEUISTATE), MSGNAME(WM_CTLCOLORMSGBOX), MSGNAME(WM_CTLCOLOREDIT),
    MSGNAME(WM_CTLCOLORLISTBOX), MSGNAME(WM_CTLCOLORBTN), MSGNAME(WM_CTLCOLORDLG),
    MSGNAME(WM_CTLCOLORSCROLLBAR), MSGNAME(WM_CTLCOLORSTATIC), MSGNAME(WM_MOUSEMOVE),
    MSGNAME(WM_LBUTTONDOWN), MSGNAME(WM_LBUTTONUP), MSGNAME(WM_LBUTTONDBLCLK),
    MSGNAME(WM_RBUTTONDOWN), MSGNAME(WM_RBUTTONUP), MSGNAME(WM_RBUTTONDBLCLK),
    MSGNAME(WM_MBUTTONDOWN), MSGNAME(WM_MBUTTONUP), MSGNAME(WM_MOUSEWHEEL),
    MSGNAME(WM_PARENTNOTIFY), MSGNAME(WM_ENTERMENULOOP), MSGNAME(WM_EXITMENULOOP),
    MSGNAME(WM_SIZING), MSGNAME(WM_CAPTURECHANGED), MSGNAME(WM_MOVING),
    MSGNAME(WM_ENTERSIZEMOVE), MSGNAME(WM_EXITSIZEMOVE), MSGNAME(WM_IME_SETCONTEXT),
    MSGNAME(WM_IME_NOTIFY), MSGNAME(WM_MOUSEHOVER), MSGNAME(WM_MOUSELEAVE),
    MSGNAME(WM_NCMOUSELEAVE), MSGNAME(WM_CUT), MSGNAME(WM_COPY), MSGNAME(WM_PASTE),
    MSGNAME(WM_CLEAR), MSGNAME(WM_UNDO), MSGNAME(WM_PRINT), MSGNAME(WM_PRINTCLIENT),
    MSGNAME(WM_THEMECHANGED), MSGNAME(WM_USER), MSGNAME(WM_APP),
    MSGNAME(BM_GETCHECK), MSGNAME(BM_SETCHECK), MSGNAME(BM_GETSTATE), MSGNAME(BM_SETSTATE),
    MSGNAME(BM_SETSTYLE), MSGNAME(BM_CLICK), MSGNAME(BM_GETIMAGE), MSGNAME(BM_SETIMAGE),
    MSGNAME(EM_GETSEL), MSGNAME(EM_SETSEL), MSGNAME(EM_REPLACESEL), MSGNAME(EM_LIMITTEXT),
    MSGNAME(CB_GETCURSEL), MSGNAME(CB_SETCURSEL), MSGNAME(CB_SHOWDROPDOWN),
    MSGNAME(CB_GETDROPPEDSTATE), MSGNAME(CB_ADDSTRING), MSGNAME(CB_RESETCONTENT),
    MSGNAME(LB_GETCURSEL), MSGNAME(LB_SETCURSEL), MSGNAME(LB_ADDSTRING),
    MSGNAME(LVM_GETITEMCOUNT), MSGNAME(LVM_SETITEMCOUNT), MSGNAME(LVM_GETITEMA),
    MSGNAME(LVM_SETITEMA), MSGNAME(LVM_INSERTITEMA), MSGNAME(LVM_DELETEITEM),
    MSGNAME(LVM_DELETEALLITEMS), MSGNAME(LVM_REDRAWITEMS), MSGNAME(LVM_ENSUREVISIBLE),
    MSGNAME(LVM_GETITEMSTATE), MSGNAME(LVM_SETITEMSTATE), MSGNAME(LVM_GETNEXTITEM),
    MSGNAME(LVM_INSERTCOLUMNA), MSGNAME(LVM_GETTOPINDEX), MSGNAME(LVM_GETCOUNTPERPAGE),
};
#undef MSGNAME

std::string Hex(ULONG_PTR value)
{
    char sz[32];
    snprintf(sz, sizeof(sz), "0x%llx", (unsigned long long)value);
    return sz;
}

std::string FlagText(UINT flags)
{
    std::string text;
    struct { UINT flag; const char* name; } names[] = {
        { sent, "sent" }, { posted, "posted" }, { parent, "parent" }, { wparam, "wparam" },
        { lparam, "lparam" }, { defwinproc, "defwinproc" }, { optional, "optional" }, { id, "id" },
    };
    for (size_t i = 0; i < sizeof(names) / sizeof(names[0]); i++)
    {
        if (flags & names[i].flag)
        {
            if (!text.empty())
                text += '|';
            text += names[i].name;
        }
    }
    return text.empty() ? "0" : text;
}

std::string DescribeRecorded(const RecordedMsg& msg)
{
    std::string text = MessageName(msg.message) + " " + FlagText(msg.flags) +
                       " wp=" + Hex(msg.wParam) + " lp=" + Hex((ULONG_PTR)msg.lParam);
    if (msg.id != 0)
        text += " id=" + Hex(msg.id);
    return text;
}

std::string DescribeExpected(const MsgEntry& entry)
{
    std::string text = MessageName(entry.message) + " " + FlagText(entry.flags);
    if (entry.flags & wparam)
        text += " wp=" + Hex(entry.wParam);
    if (entry.flags & lparam)
        text += " lp=" + Hex((ULONG_PTR)entry.lParam);
    if (entry.flags & id)
        text += " id=" + Hex(entry.id);
    return text;
}

// Why an actual message does not satisfy an expected entry of the same
// message number ("" when it does).
std::string EntryMismatch(const MsgEntry& expected, const RecordedMsg& actual)
{
    if ((expected.flags & wparam) && expected.wParam != actual.wParam)
        return "wParam " + Hex(actual.wParam) + ", expected " + Hex(expected.wParam);
    if ((expected.flags & lparam) && expected.lParam != actual.lParam)
        return "lParam " + Hex((ULONG_PTR)actual.lParam) + ", expected " + Hex((ULONG_PTR)expected.lParam);
    if ((expected.flags & id) && expected.id != actual.id)
        return "id " + Hex(actual.id) + ", expected " + Hex(expected.id);
    UINT kind = expected.flags & (sent | posted);
    if (kind != 0 && kind != (actual.flags & (sent | posted)))
        return "delivered " + FlagText(actual.flags & (sent | posted)) + ", expected " + FlagText(kind);
    if ((expected.flags & parent) != (actual.flags & parent))
        return (actual.flags & parent) ? "recorded by the parent" : "not recorded by the parent";
    if ((expected.flags & defwinproc) != (actual.flags & defwinproc))
        return (actual.flags & defwinproc) ? "arrived inside DefWindowProc" : "arrived outside DefWindowProc";
    return std::string();
}

} // namespace

std::string MessageName(UINT message)
{
    for (size_t i = 0; i < sizeof(g_names) / sizeof(g_names[0]); i++)
        if (g_names[i].message == message)
            return g_names[i].name;
    if (message > WM_USER && message < WM_APP)
        return "WM_USER+" + std::to_string(message - WM_USER);
    if (message > WM_APP && message < 0xC000)
        return Hex(message) + " (WM_APP+" + std::to_string(message - WM_APP) + ")";
    return Hex(message);
}

/////////////////////////////////////////////////////////////////////////////
// MessageRecorder

MessageRecorder& Recorder()
{
    static MessageRecorder s_recorder;
    return s_recorder;
}

void MessageRecorder::Flush(const char* logName)
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    if (logName == NULL)
        m_logs.clear();
    else
        m_logs.erase(logName);
}

bool MessageRecorder::DefaultFilter(HWND, UINT message, WPARAM, LPARAM)
{
    switch (message)
    {
    case WM_GETICON:
    case WM_GETOBJECT:
    case WM_NCHITTEST:
    case WM_SETCURSOR:
    case WM_TIMER:
    case WM_NCMOUSEMOVE:
    case WM_NCMOUSELEAVE:
    case WM_ENTERIDLE:
    case WM_DEVICECHANGE:
    case WM_QUERYUISTATE:
    case WM_UPDATEUISTATE:
    case WM_CHANGEUISTATE:
    case WM_IME_SETCONTEXT:
    case WM_IME_NOTIFY:
    case WM_DWMNCRENDERINGCHANGED:
    case WM_THEMECHANGED:
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE:
        return false;
    default:
        return message < WM_CTLCOLORMSGBOX || message > WM_CTLCOLORSTATIC;
    }
}

void MessageRecorder::Add(const char* logName, HWND hwnd, UINT message, UINT flags,
                          WPARAM wParam, LPARAM lParam)
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    std::map<std::string, Filter>::const_iterator itFilter = m_filters.find(logName);
    bool keep = itFilter != m_filters.end() ? itFilter->second(hwnd, message, wParam, lParam)
                                            : DefaultFilter(hwnd, message, wParam, lParam);
    if (!keep)
        return;

    RecordedMsg msg;
    msg.hwnd = hwnd;
    msg.message = message;
    msg.flags = flags;
    msg.wParam = wParam;
    msg.lParam = lParam;
    msg.id = 0;
    if (message == WM_NOTIFY && lParam != 0)
        msg.id = ((const NMHDR*)lParam)->code;
    else if (message == WM_COMMAND)
        msg.id = HIWORD(wParam);

    std::map<UINT, Capture>::const_iterator itCapture = m_captures.find(message);
    if (itCapture != m_captures.end())
        itCapture->second(msg);

    m_logs[logName].push_back(msg);
}

std::vector<RecordedMsg> MessageRecorder::Log(const char* logName) const
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    std::map<std::string, std::vector<RecordedMsg>>::const_iterator it = m_logs.find(logName);
    return it == m_logs.end() ? std::vector<RecordedMsg>() : it->second;
}

void MessageRecorder::SetFilter(const char* logName, Filter filter)
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    if (filter)
        m_filters[logName] = filter;
    else
        m_filters.erase(logName);
}

void MessageRecorder::CaptureLParam(UINT message, size_t nBytes)
{
    SetCapture(message, [nBytes](RecordedMsg& msg) {
        if (msg.lParam != 0)
        {
            const BYTE* p = (const BYTE*)msg.lParam;
            msg.data.assign(p, p + nBytes);
        }
    });
}

void MessageRecorder::SetCapture(UINT message, Capture capture)
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    if (capture)
        m_captures[message] = capture;
    else
        m_captures.erase(message);
}

void MessageRecorder::ClearCaptures()
{
    std::lock_guard<std::recursive_mutex> guard(m_lock);
    m_captures.clear();
}

/////////////////////////////////////////////////////////////////////////////
// Comparison

std::string DescribeLog(const char* logName)
{
    std::vector<RecordedMsg> log = Recorder().Log(logName);
    std::ostringstream out;
    for (size_t i = 0; i < log.size(); i++)
        out << "    " << i << ": " << DescribeRecorded(log[i]) << "\n";
    if (log.empty())
        out << "    (empty)\n";
    return out.str();
}

bool ExpectSequence(const char* logName, const MsgEntry* expected,
                    const char* context, const char* file, int line)
{
    std::vector<RecordedMsg> actual = Recorder().Log(logName);
    Recorder().Flush(logName);

    std::string failure;
    size_t i = 0;  // expected
    size_t j = 0;  // actual
    while (failure.empty() && (expected[i].message != 0 || j < actual.size()))
    {
        const MsgEntry& exp = expected[i];
        if (exp.message == 0)
        {
            failure = "unexpected " + DescribeRecorded(actual[j]) + " at position " + std::to_string(j);
            break;
        }
        if (j >= actual.size())
        {
            if (exp.flags & optional)
            {
                i++;
                continue;
            }
            failure = "missing " + DescribeExpected(exp) + " (expected entry " + std::to_string(i) + ")";
            break;
        }
        const RecordedMsg& act = actual[j];
        if (exp.message == act.message)
        {
            std::string why = EntryMismatch(exp, act);
            if (why.empty())
            {
                i++;
                j++;
                continue;
            }
            if (exp.flags & optional)
            {
                i++;
                continue;
            }
            failure = MessageName(act.message) + " at position " + std::to_string(j) + ": " + why;
            break;
        }
        if (exp.flags & optional)
        {
            i++;
            continue;
        }
        failure = "expected " + DescribeExpected(exp) + " (entry " + std::to_string(i) +
                  "), got " + DescribeRecorded(act) + " at position " + std::to_string(j);
    }

    if (failure.empty())
        return true;

    std::ostringstream out;
    out << "message sequence of log \"" << logName << "\" (" << (context ? context : "") << "): "
        << failure << "\n  expected:\n";
    for (size_t k = 0; expected[k].message != 0; k++)
        out << "    " << k << ": " << DescribeExpected(expected[k]) << "\n";
    out << "  actual:\n";
    for (size_t k = 0; k < actual.size(); k++)
        out << "    " << k << ": " << DescribeRecorded(actual[k]) << "\n";
    if (actual.empty())
        out << "    (empty)\n";
    ADD_FAILURE_AT(file, line) << out.str();
    return false;
}

/////////////////////////////////////////////////////////////////////////////
// Recording windows

namespace {

std::mutex g_handlerLock;
ParentHandler g_parentHandler;

LRESULT CALLBACK RecordingParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    UINT flags = TakePostedFlag(hwnd, message, wParam, lParam) | parent | wparam | lparam;
    if (t_defWinProcDepth > 0)
        flags |= defwinproc;
    Recorder().Add("parent", hwnd, message, flags, wParam, lParam);

    LRESULT result = 0;
    if (CallParentHandler(hwnd, message, wParam, lParam, &result))
        return result;

    t_defWinProcDepth++;
    result = ::DefWindowProcA(hwnd, message, wParam, lParam);
    t_defWinProcDepth--;
    return result;
}

std::mutex g_subclassLock;
struct Subclass
{
    WNDPROC pfnOld;
    std::string logName;
};
std::map<HWND, Subclass> g_subclasses;

LRESULT CALLBACK RecordingSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Subclass subclass;
    {
        std::lock_guard<std::mutex> guard(g_subclassLock);
        std::map<HWND, Subclass>::const_iterator it = g_subclasses.find(hwnd);
        if (it == g_subclasses.end())
            return ::DefWindowProcA(hwnd, message, wParam, lParam);
        subclass = it->second;
    }

    UINT flags = TakePostedFlag(hwnd, message, wParam, lParam) | wparam | lparam;
    Recorder().Add(subclass.logName.c_str(), hwnd, message, flags, wParam, lParam);

    if (message == WM_NCDESTROY)
    {
        // Unhook on the way out; the window's own procedure still sees it.
        std::lock_guard<std::mutex> guard(g_subclassLock);
        if ((WNDPROC)::GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == RecordingSubclassProc)
            ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, (LONG_PTR)subclass.pfnOld);
        g_subclasses.erase(hwnd);
    }
    return ::CallWindowProcA(subclass.pfnOld, hwnd, message, wParam, lParam);
}

} // namespace

const char* RecordingParentClass()
{
    static const char* const s_name = []() {
        WNDCLASSA wc;
        memset(&wc, 0, sizeof(wc));
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = RecordingParentProc;
        wc.hInstance = ::GetModuleHandleA(NULL);
        wc.hCursor = ::LoadCursorA(NULL, (LPCSTR)IDC_ARROW);
        wc.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
        wc.lpszClassName = "TestRecordingParent";
        ::RegisterClassA(&wc);
        return "TestRecordingParent";
    }();
    return s_name;
}

bool CallParentHandler(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    ParentHandler handler;
    {
        std::lock_guard<std::mutex> guard(g_handlerLock);
        handler = g_parentHandler;
    }
    return handler && handler(hwnd, message, wParam, lParam, pResult);
}

void SetParentHandler(ParentHandler handler)
{
    std::lock_guard<std::mutex> guard(g_handlerLock);
    g_parentHandler = handler;
}

void RecordControl(HWND hwnd, const char* logName)
{
    std::lock_guard<std::mutex> guard(g_subclassLock);
    std::map<HWND, Subclass>::iterator it = g_subclasses.find(hwnd);
    if (it != g_subclasses.end())
    {
        it->second.logName = logName;
        return;
    }
    Subclass subclass;
    subclass.logName = logName;
    subclass.pfnOld = (WNDPROC)::GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
    g_subclasses[hwnd] = subclass;
    ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, (LONG_PTR)RecordingSubclassProc);
}

void UnrecordControl(HWND hwnd)
{
    std::lock_guard<std::mutex> guard(g_subclassLock);
    std::map<HWND, Subclass>::iterator it = g_subclasses.find(hwnd);
    if (it == g_subclasses.end())
        return;
    // Only when nobody subclassed on top of us; otherwise the entry stays
    // and the procedure keeps passing messages through.
    if ((WNDPROC)::GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == RecordingSubclassProc)
    {
        ::SetWindowLongPtrA(hwnd, GWLP_WNDPROC, (LONG_PTR)it->second.pfnOld);
        g_subclasses.erase(it);
    }
}

/////////////////////////////////////////////////////////////////////////////
// Pumping

int Pump()
{
    int nCount = 0;
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
    {
        if (msg.message == WM_QUIT)
        {
            // Leave the quit for whoever runs the real loop.
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        ::TranslateMessage(&msg);
        t_pending.active = true;
        t_pending.msg = msg;
        ::DispatchMessageA(&msg);
        t_pending.active = false;
        nCount++;
    }
    return nCount;
}

void PumpFor(DWORD timeoutMs)
{
    DWORD start = ::GetTickCount();
    for (;;)
    {
        Pump();
        DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= timeoutMs)
            break;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
    }
}

bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs)
{
    DWORD start = ::GetTickCount();
    for (;;)
    {
        Pump();
        if (pred())
            return true;
        DWORD elapsed = ::GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return pred();
        DWORD wait = timeoutMs - elapsed;
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, wait < 10 ? wait : 10, QS_ALLINPUT);
    }
}

} // namespace testsupport
