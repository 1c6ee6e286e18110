// WinEventRecorder.cpp - SetWinEventHook recorder of one window's events.
#include "WinEventRecorder.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "MessageRecorder.h"

namespace testsupport {

namespace {

// The recorder of the hook being called; one at a time per process.
WinEventRecorder* g_active = NULL;

std::string Describe(const std::vector<WinEventEntry>& events)
{
    std::string text;
    for (size_t i = 0; i < events.size(); i++)
        text += "  " + WinEventName(events[i].event) + " child " + std::to_string(events[i].child) +
                (events[i].optional ? " (optional)" : "") + "\n";
    return text.empty() ? "  (none)\n" : text;
}

} // namespace

WinEventRecorder::WinEventRecorder(HWND hwnd)
    : m_hwnd(hwnd), m_hook(NULL)
{
    g_active = this;
    m_hook = ::SetWinEventHook(EVENT_MIN, EVENT_MAX, NULL, &WinEventRecorder::HookProc,
                               ::GetCurrentProcessId(), ::GetCurrentThreadId(),
                               WINEVENT_OUTOFCONTEXT);
    EXPECT_TRUE(m_hook != NULL) << "SetWinEventHook failed";
}

WinEventRecorder::~WinEventRecorder()
{
    if (m_hook != NULL)
        ::UnhookWinEvent(m_hook);
    if (g_active == this)
        g_active = NULL;
}

std::vector<WinEventEntry> WinEventRecorder::Take()
{
    Pump();
    std::vector<WinEventEntry> events;
    events.swap(m_events);
    return events;
}

void CALLBACK WinEventRecorder::HookProc(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG idObject,
                                         LONG idChild, DWORD, DWORD)
{
    if (g_active == NULL || hwnd != g_active->m_hwnd || idObject != OBJID_CLIENT)
        return;
    g_active->m_events.push_back(WinEventEntry(event, idChild));
}

std::string WinEventName(DWORD event)
{
    static const struct { DWORD event; const char* name; } names[] = {
        { EVENT_OBJECT_CREATE, "EVENT_OBJECT_CREATE" },
        { EVENT_OBJECT_DESTROY, "EVENT_OBJECT_DESTROY" },
        { EVENT_OBJECT_SHOW, "EVENT_OBJECT_SHOW" },
        { EVENT_OBJECT_HIDE, "EVENT_OBJECT_HIDE" },
        { EVENT_OBJECT_REORDER, "EVENT_OBJECT_REORDER" },
        { EVENT_OBJECT_FOCUS, "EVENT_OBJECT_FOCUS" },
        { EVENT_OBJECT_SELECTION, "EVENT_OBJECT_SELECTION" },
        { EVENT_OBJECT_STATECHANGE, "EVENT_OBJECT_STATECHANGE" },
        { EVENT_OBJECT_LOCATIONCHANGE, "EVENT_OBJECT_LOCATIONCHANGE" },
        { EVENT_OBJECT_NAMECHANGE, "EVENT_OBJECT_NAMECHANGE" },
        { EVENT_OBJECT_VALUECHANGE, "EVENT_OBJECT_VALUECHANGE" },
        { EVENT_SYSTEM_CAPTURESTART, "EVENT_SYSTEM_CAPTURESTART" },
        { EVENT_SYSTEM_CAPTUREEND, "EVENT_SYSTEM_CAPTUREEND" },
    };
    for (size_t i = 0; i < sizeof(names) / sizeof(names[0]); i++)
    {
        if (names[i].event == event)
            return names[i].name;
    }
    char text[16];
    std::snprintf(text, sizeof(text), "0x%04lx", (unsigned long)event);
    return text;
}

bool ExpectWinEvents(WinEventRecorder& recorder, const WinEventEntry* expected,
                     const char* context, const char* file, int line)
{
    const std::vector<WinEventEntry> actual = recorder.Take();
    std::vector<WinEventEntry> wanted;
    for (const WinEventEntry* p = expected; p->event != 0; p++)
        wanted.push_back(*p);

    size_t i = 0;
    size_t j = 0;
    bool ok = true;
    while (ok && (i < wanted.size() || j < actual.size()))
    {
        if (i < wanted.size() && j < actual.size() && wanted[i].event == actual[j].event &&
            wanted[i].child == actual[j].child)
        {
            i++;
            j++;
        }
        else if (i < wanted.size() && wanted[i].optional)
            i++;
        else
            ok = false;
    }
    if (!ok)
    {
        ADD_FAILURE_AT(file, line) << context << ": WinEvents differ at expected entry " << i
                                   << ", recorded entry " << j << "\nexpected:\n" << Describe(wanted)
                                   << "recorded:\n" << Describe(actual);
    }
    return ok;
}

} // namespace testsupport
