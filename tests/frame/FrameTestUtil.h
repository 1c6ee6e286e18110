// FrameTestUtil.h - helpers shared by the frame tests.
#ifndef TESTS_FRAME_FRAMETESTUTIL_H
#define TESTS_FRAME_FRAMETESTUTIL_H

#include <afxwin.h>

#include <string>

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

// A fresh, empty folder under %TEMP% that removes itself (files first, one
// level deep) when it goes.
class TempFolder
{
public:
    explicit TempFolder(const char* pszPrefix)
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        char name[64];
        wsprintfA(name, "%s%lu_%lu", pszPrefix, GetCurrentProcessId(), GetTickCount());
        m_path = std::string(temp) + name;
        CreateDirectoryA(m_path.c_str(), NULL);
    }
    ~TempFolder()
    {
        WIN32_FIND_DATAA fd;
        HANDLE hFind = FindFirstFileA((m_path + "\\*").c_str(), &fd);
        if (hFind != INVALID_HANDLE_VALUE)
        {
            do
            {
                if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
                    DeleteFileA((m_path + "\\" + fd.cFileName).c_str());
            } while (FindNextFileA(hFind, &fd));
            FindClose(hFind);
        }
        RemoveDirectoryA(m_path.c_str());
    }
    const std::string& Path() const { return m_path; }
    std::string File(const char* pszName) const { return m_path + "\\" + pszName; }

private:
    TempFolder(const TempFolder&);
    TempFolder& operator=(const TempFolder&);
    std::string m_path;
};

} // namespace frametest

#endif // TESTS_FRAME_FRAMETESTUTIL_H
