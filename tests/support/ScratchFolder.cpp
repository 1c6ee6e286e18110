// ScratchFolder.cpp - temporary folders that clean up after themselves.

#include "ScratchFolder.h"

#include <stdio.h>

namespace testsupport {

ScratchFolder::ScratchFolder(const char* pszPrefix)
    : m_bValid(false)
{
    char szTemp[MAX_PATH];
    DWORD n = ::GetTempPathA(MAX_PATH, szTemp);
    if (n == 0 || n >= MAX_PATH)
        return;
    char szName[96];
    snprintf(szName, sizeof(szName), "%s%lu_%lu", pszPrefix,
             (unsigned long)::GetCurrentProcessId(), (unsigned long)::GetTickCount());
    m_path = std::string(szTemp) + szName;
    m_bValid = ::CreateDirectoryA(m_path.c_str(), NULL) != FALSE;
}

ScratchFolder::~ScratchFolder()
{
    if (m_bValid)
        RemoveFolderTree(m_path);
}

bool RemoveFolderTree(const std::string& path)
{
    WIN32_FIND_DATAA fd;
    HANDLE hFind = ::FindFirstFileA((path + "\\*").c_str(), &fd);
    if (hFind != INVALID_HANDLE_VALUE)
    {
        do
        {
            const std::string name = fd.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string child = path + "\\" + name;
            if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            {
                RemoveFolderTree(child);
            }
            else
            {
                ::SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                ::DeleteFileA(child.c_str());
            }
        } while (::FindNextFileA(hFind, &fd));
        ::FindClose(hFind);
    }
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    return ::RemoveDirectoryA(path.c_str()) != FALSE;
}

} // namespace testsupport
