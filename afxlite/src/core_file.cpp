// CFile: the status query of files and folders.

#include <afx.h>

IMPLEMENT_DYNAMIC(CFile, CObject)

CFile::CFile()
{
}

CFile::~CFile()
{
}

namespace {

inline bool IsSeparator(char ch) { return ch == '\\' || ch == '/'; }

// Length of the root of an absolute path: "C:\" (3), "\\server\share\" or
// "\\?\C:\" (to and including the separator after the share or drive), 0
// when the path has no root of that kind.
int RootLength(LPCSTR pszPath)
{
    int nLen = lstrlenA(pszPath);
    if (nLen >= 3 && pszPath[1] == ':' && IsSeparator(pszPath[2]))
        return 3;
    if (nLen >= 2 && IsSeparator(pszPath[0]) && IsSeparator(pszPath[1]))
    {
        // \\server\share\ ... : skip two components
        int i = 2;
        for (int nPart = 0; nPart < 2; nPart++)
        {
            while (i < nLen && !IsSeparator(pszPath[i]))
                i++;
            if (i < nLen)
                i++;  // the separator
        }
        return i;
    }
    return 0;
}

// pszPath after its "\\?\" prefix, or pszPath when it has none.
LPCSTR SkipVerbatimPrefix(LPCSTR pszPath)
{
    return strncmp(pszPath, "\\\\?\\", 4) == 0 ? pszPath + 4 : pszPath;
}

} // namespace

BOOL PASCAL CFile::GetStatus(LPCTSTR lpszFileName, CFileStatus& rStatus)
{
    rStatus.m_szFullName[0] = '\0';
    if (lpszFileName == NULL || *lpszFileName == '\0')
        return FALSE;
    // A pattern is not a name: FindFirstFile would report a match. The
    // "\\?\" prefix of a path that skips the name parsing has a '?' of
    // its own, which is no wildcard.
    if (strpbrk(SkipVerbatimPrefix(lpszFileName), "*?") != NULL)
        return FALSE;

    char szFull[_MAX_PATH];
    DWORD nFull = ::GetFullPathNameA(lpszFileName, _countof(szFull), szFull, NULL);
    if (nFull == 0 || nFull >= _countof(szFull))
        return FALSE;

    // "dir\" means the folder; the query itself wants no trailing separator
    // except on a root ("C:\").
    int nLen = (int)nFull;
    int nRoot = RootLength(szFull);
    BOOL bMustBeFolder = FALSE;
    while (nLen > nRoot && nLen > 0 && IsSeparator(szFull[nLen - 1]))
    {
        szFull[--nLen] = '\0';
        bMustBeFolder = TRUE;
    }
    if (nLen == 0)
        return FALSE;

    // The full name is filled in even when nothing of that name exists.
    lstrcpynA(rStatus.m_szFullName, szFull, _countof(rStatus.m_szFullName));

    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExA(szFull, GetFileExInfoStandard, &data))
        return FALSE;
    if (bMustBeFolder && !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return FALSE;

    // CFile::normal is 0: the Win32 NORMAL bit has no place here.
    rStatus.m_attribute = (BYTE)(data.dwFileAttributes & ~FILE_ATTRIBUTE_NORMAL);

    // m_size holds the low 32 bits of the size.
    rStatus.m_size = (LONG)data.nFileSizeLow;

    // Volumes without creation or access times report the modification time.
    rStatus.m_ctime = CTime(data.ftCreationTime);
    rStatus.m_atime = CTime(data.ftLastAccessTime);
    rStatus.m_mtime = CTime(data.ftLastWriteTime);
    if (rStatus.m_ctime.GetTime() == 0)
        rStatus.m_ctime = rStatus.m_mtime;
    if (rStatus.m_atime.GetTime() == 0)
        rStatus.m_atime = rStatus.m_mtime;
    return TRUE;
}
