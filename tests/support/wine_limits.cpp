// wine_limits: prints, for this process, whether it runs 32-bit under WoW64
// and what each probe of Wow64Limits.h finds. A plain Win32 program: when a
// probe fails here, the fault is Wine's and not the framework's.
#include "Wow64Limits.h"

#include <windows.h>

#include <stdio.h>

int main()
{
    using testsupport::Wow64Limit;
    printf("wine_limits: %d-bit process%s\n", static_cast<int>(sizeof(void*) * 8),
           testsupport::IsWow64Process32() ? " under WoW64" : "");
    const struct { Wow64Limit limit; const char* name; } rows[] = {
        { Wow64Limit::DeviceContexts, "device contexts" },
        { Wow64Limit::UnicodeProcedureHandles, "Unicode procedure handles" },
    };
    for (const auto& row : rows)
    {
        std::string detail;
        bool failed = testsupport::ProbeWow64Limit(row.limit, &detail);
        printf("wine_limits: %-26s %s%s%s\n", row.name, failed ? "FAIL" : "ok",
               failed ? ": " : "", failed ? detail.c_str() : "");
    }
    return 0;
}
