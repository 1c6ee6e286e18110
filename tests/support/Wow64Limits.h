// Wow64Limits.h - what this Wine cannot do for a 32-bit program, probed.
//
// 32-bit test programs run inside Wine's 64-bit loader (WoW64 mode). Some
// Win32 services do not work there in this Wine. A test that needs one
// starts with
//
//     SKIP_IF_WOW64_LIMIT(DeviceContexts);
//
// which skips it, with the reason, only when the process is 32-bit under
// WoW64 *and* the probe of that service fails in this process. A 64-bit
// program, or a Wine where the service works, runs the test as usual.
//
// The probes are plain Win32 (no framework, no GoogleTest): the wine_limits
// program prints them, to show that the limit is Wine's and not ours.

#ifndef TESTSUPPORT_WOW64LIMITS_H
#define TESTSUPPORT_WOW64LIMITS_H

#include <string>

namespace testsupport {

enum class Wow64Limit
{
    // Device contexts: FillRect, GetPixel, SelectObject, CreateCompatibleDC,
    // text metrics, LoadCursor and LoadBitmap fail, and an edit control
    // given a font crashes inside Uniscribe.
    DeviceContexts,
    // SetWindowLongPtrA(GWLP_WNDPROC) cannot put back the procedure handle
    // of a Unicode window that GetWindowLongPtrA/SetWindowLongPtrA handed
    // out: the window turns ANSI and the next message jumps to the handle.
    UnicodeProcedureHandles,
};

// True when this process is 32-bit under WoW64.
bool IsWow64Process32();

// True when the probe of limit fails in this process (never at 64 bits).
// Probed once per process; detail receives what the probe saw.
bool ProbeWow64Limit(Wow64Limit limit, std::string* detail = nullptr);

// Why a test is skipped: the limit and what its probe saw.
std::string Wow64LimitReason(Wow64Limit limit);

// True when IsWow64Process32() and the probe of limit fails.
bool HasWow64Limit(Wow64Limit limit);

} // namespace testsupport

#define SKIP_IF_WOW64_LIMIT(limit)                                                      \
    do {                                                                                \
        if (::testsupport::HasWow64Limit(::testsupport::Wow64Limit::limit))             \
            GTEST_SKIP() << ::testsupport::Wow64LimitReason(::testsupport::Wow64Limit::limit); \
    } while (0)

#endif // TESTSUPPORT_WOW64LIMITS_H
