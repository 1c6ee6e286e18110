// WinEventRecorder.h - records the WinEvents a window raises (NotifyWinEvent)
// through SetWinEventHook and compares them with expected sequences, the way
// MessageRecorder compares messages.
//
//   WinEventRecorder events(hwnd);          // hooks this thread's events
//   ... act, Pump() ...
//   static const WinEventEntry moved[] = {
//       { EVENT_OBJECT_LOCATIONCHANGE, 1 },
//       { EVENT_OBJECT_VALUECHANGE, 1 },
//       { 0 }
//   };
//   EXPECT_WINEVENTS(events, moved, "cutpoint 1 moved");
//
// Only events of the given window's client object (OBJID_CLIENT) are kept.
#ifndef TESTSUPPORT_WINEVENTRECORDER_H
#define TESTSUPPORT_WINEVENTRECORDER_H

#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

// One expected event; tables end with an entry whose event is 0. An
// optional entry may be absent (the system raises some events of its own,
// such as focus, on one platform and not on another).
struct WinEventEntry
{
    DWORD event;
    LONG child;
    bool optional;

    constexpr WinEventEntry(DWORD event_ = 0, LONG child_ = 0, bool optional_ = false)
        : event(event_), child(child_), optional(optional_) {}
};

class WinEventRecorder
{
public:
    // Hooks every event of this process raised on this thread's windows.
    explicit WinEventRecorder(HWND hwnd);
    ~WinEventRecorder();

    // Events recorded since the last Take, which empties the record.
    std::vector<WinEventEntry> Take();

private:
    static void CALLBACK HookProc(HWINEVENTHOOK hook, DWORD event, HWND hwnd, LONG idObject,
                                  LONG idChild, DWORD thread, DWORD time);
    HWND m_hwnd;
    HWINEVENTHOOK m_hook;
    std::vector<WinEventEntry> m_events;
};

// Name of an event for printing ("EVENT_OBJECT_FOCUS", or "0x8005").
std::string WinEventName(DWORD event);

// Pumps, then compares what was recorded with the zero-terminated table;
// reports a mismatch at file:line with both sequences. True when they match.
bool ExpectWinEvents(WinEventRecorder& recorder, const WinEventEntry* expected,
                     const char* context, const char* file, int line);

#define EXPECT_WINEVENTS(recorder, expected, context) \
    ::testsupport::ExpectWinEvents((recorder), (expected), (context), __FILE__, __LINE__)

} // namespace testsupport

#endif // TESTSUPPORT_WINEVENTRECORDER_H
