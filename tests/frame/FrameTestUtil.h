// FrameTestUtil.h - helpers shared by the frame tests.
#ifndef TESTS_FRAME_FRAMETESTUTIL_H
#define TESTS_FRAME_FRAMETESTUTIL_H

#include <afxwin.h>

#include <string>

#include "ScratchFolder.h"

namespace frametest {

// The Tessarine.dll this program was linked with.
inline HMODULE TessarineModule()
{
    return GetModuleHandleA("Tessarine.dll");
}

// Folder of this test program, with a trailing backslash.
inline std::string ProgramFolder()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string s(path, n);
    size_t slash = s.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : s.substr(0, slash + 1);
}

inline std::string ModulePath(HMODULE hModule)
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(hModule, path, MAX_PATH);
    return std::string(path, n);
}

} // namespace frametest

#endif // TESTS_FRAME_FRAMETESTUTIL_H
