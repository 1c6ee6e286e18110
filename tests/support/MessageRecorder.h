// MessageRecorder.h - records the messages windows receive and compares them
// with expected sequences, in the manner of Wine's conformance tests.
//
//   using namespace testsupport;
//   static const MsgEntry clickSeq[] = {
//       { WM_LBUTTONDOWN, sent|wparam, MK_LBUTTON },
//       { WM_NOTIFY, sent|parent|id, 0, 0, NM_CLICK },
//       { WM_PAINT, sent|optional },
//       { 0 }
//   };
//   Recorder().Flush();
//   ... act ...
//   Pump();
//   EXPECT_SEQUENCE("control", clickSeq, "click on item 0");
//
// A message that Pump() took from the queue (input, WM_PAINT, WM_TIMER,
// PostMessage) is recorded as 'posted'; everything else as 'sent'.  An
// expected entry that names sent or posted must match it.
//
// Logs are named; a recording parent window (RecordingParentClass) writes to
// "parent" and RecordControl() subclasses any window to write to a log of
// your choice.  Messages a log should not see (WM_GETICON, WM_TIMER ...) are
// dropped by its filter.  Pure Win32 + GoogleTest; no framework classes.

#ifndef TESTSUPPORT_MESSAGERECORDER_H
#define TESTSUPPORT_MESSAGERECORDER_H

#include <windows.h>

#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace testsupport {

// Flags of expected and recorded messages.
enum MsgFlag : UINT
{
    sent       = 0x0001,  // delivered by SendMessage (or any direct call)
    posted     = 0x0002,  // taken from the queue by Pump()
    parent     = 0x0004,  // recorded by the recording parent / host dialog
    wparam     = 0x0008,  // compare wParam
    lparam     = 0x0010,  // compare lParam
    defwinproc = 0x0020,  // arrived while the recording parent was in DefWindowProc
    optional   = 0x0080,  // expected entry may be absent
    id         = 0x0400,  // compare id (WM_NOTIFY code, WM_COMMAND notification code ...)
};

// One expected message; tables end with an entry whose message is 0.
// Trailing fields may be left out: { WM_PAINT, sent }, { 0 }.
struct MsgEntry
{
    UINT message;
    UINT flags;
    WPARAM wParam;
    LPARAM lParam;
    UINT id;

    constexpr MsgEntry(UINT message_ = 0, UINT flags_ = 0, WPARAM wParam_ = 0,
                       LPARAM lParam_ = 0, UINT id_ = 0)
        : message(message_), flags(flags_), wParam(wParam_), lParam(lParam_), id(id_) {}
};

// One recorded message.
struct RecordedMsg
{
    HWND hwnd;
    UINT message;
    UINT flags;           // sent or posted, parent, defwinproc
    WPARAM wParam;
    LPARAM lParam;
    UINT id;              // WM_NOTIFY: NMHDR code; WM_COMMAND: HIWORD(wParam); else 0
    std::vector<BYTE> data;  // copy of *lParam, when a capture was set for the message
};

// Name of a message for printing ("WM_PAINT", or "0x8a7c").
std::string MessageName(UINT message);

class MessageRecorder
{
public:
    typedef std::function<bool(HWND, UINT, WPARAM, LPARAM)> Filter;
    typedef std::function<void(RecordedMsg&)> Capture;

    // Empties one log, or every log when name is NULL.
    void Flush(const char* logName = NULL);

    // Appends a message to a log (the window procedures call this).
    void Add(const char* logName, HWND hwnd, UINT message, UINT flags,
             WPARAM wParam, LPARAM lParam);

    // Copy of a log's entries.
    std::vector<RecordedMsg> Log(const char* logName) const;

    // Messages of a log for which the filter returns false are dropped.
    // The default filter drops the usual noise (see DefaultFilter).
    void SetFilter(const char* logName, Filter filter);
    static bool DefaultFilter(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    // Copies nBytes at lParam into RecordedMsg::data whenever message is
    // recorded with a non-NULL lParam; or runs a callback that may fill data
    // (and id) itself, e.g. a size that depends on the notification code.
    void CaptureLParam(UINT message, size_t nBytes);
    void SetCapture(UINT message, Capture capture);
    void ClearCaptures();

private:
    mutable std::recursive_mutex m_lock;
    std::map<std::string, std::vector<RecordedMsg>> m_logs;
    std::map<std::string, Filter> m_filters;
    std::map<UINT, Capture> m_captures;
};

// The process-wide recorder that the recording procedures write to.
MessageRecorder& Recorder();

// Compares a log with a zero-terminated expected table, reports a mismatch
// at file:line with both sequences printed, and flushes the log.
// Returns true when they match.
bool ExpectSequence(const char* logName, const MsgEntry* expected,
                    const char* context, const char* file, int line);

#define EXPECT_SEQUENCE(logName, expected, context) \
    ::testsupport::ExpectSequence((logName), (expected), (context), __FILE__, __LINE__)

// Text of a log ("WM_SIZE sent wp=0 lp=0x...") for diagnostics.
std::string DescribeLog(const char* logName);

/////////////////////////////////////////////////////////////////////////////
// Recording windows

// Window class of a top-level or child window that records into "parent"
// every message it gets (through the log's filter) and passes it to
// DefWindowProc.  Registered on first use.
const char* RecordingParentClass();

// Answers messages of the recording parent (and host dialog) before
// DefWindowProc: return true and set *pResult to answer.  One handler per
// process, cleared with NULL.
typedef std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT*)> ParentHandler;
void SetParentHandler(ParentHandler handler);
// Runs the handler, if any; true when it answered.
bool CallParentHandler(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

// Subclasses hwnd so that it records into logName ahead of its own
// procedure.  Undone by UnrecordControl or when the window is destroyed.
void RecordControl(HWND hwnd, const char* logName);
void UnrecordControl(HWND hwnd);

/////////////////////////////////////////////////////////////////////////////
// Message pumping

// Dispatches every queued message of this thread (posted ones are recorded
// with the 'posted' flag).  Returns the number dispatched.
int Pump();

// Pumps for at most timeoutMs, waiting for messages to arrive (input from
// SendInput reaches the queue asynchronously under Wine).
void PumpFor(DWORD timeoutMs);

// Pumps until pred() holds or timeoutMs pass; returns pred().
bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs);

} // namespace testsupport

#endif // TESTSUPPORT_MESSAGERECORDER_H
