// ExportChecks.h - what a product DLL's export table names, seen through
// GetProcAddress: every interface member there, no internal one.
#ifndef TESTSUPPORT_EXPORTCHECKS_H
#define TESTSUPPORT_EXPORTCHECKS_H

#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>

namespace testsupport {

// Decorated names: each of exported must be found in lib, none of internal.
template <size_t N, size_t M>
void ExpectExportsOnly(HMODULE lib, const char* const (&exported)[N], const char* const (&internal)[M])
{
    ASSERT_NE((HMODULE)NULL, lib);
    for (const char* name : exported)
        EXPECT_NE((FARPROC)NULL, ::GetProcAddress(lib, name)) << name << " is not exported";
    for (const char* name : internal)
        EXPECT_EQ((FARPROC)NULL, ::GetProcAddress(lib, name)) << name << " is exported";
}

} // namespace testsupport

#endif // TESTSUPPORT_EXPORTCHECKS_H
