// CFile::GetStatus on real files and folders.

#include <afx.h>

#include <gtest/gtest.h>

#include <string>

#include "ScratchFolder.h"

using testsupport::ScratchFolder;

namespace {

class FileStatus : public ::testing::Test
{
protected:
    FileStatus() : m_folder("afxlite status ") {}

    void SetUp() override
    {
        ASSERT_TRUE(m_folder.Valid());
        m_dir = m_folder.Path();
        m_file = m_folder.File("a file with spaces.txt");
        HANDLE h = ::CreateFileA(m_file.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, NULL);
        ASSERT_NE(INVALID_HANDLE_VALUE, h);
        DWORD nWritten = 0;
        ::WriteFile(h, "0123456789", 10, &nWritten, NULL);
        ::CloseHandle(h);
    }

    ScratchFolder m_folder;  // goes with the read-only file in it
    std::string m_dir;
    std::string m_file;
};

TEST_F(FileStatus, ExistingFile)
{
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(m_file.c_str(), status));
    EXPECT_EQ(10, status.m_size);
    EXPECT_EQ(0, status.m_attribute & CFile::directory);
    EXPECT_STRCASEEQ(m_file.c_str(), status.m_szFullName);
    time_t now = time(NULL);
    EXPECT_LE(llabs((long long)(status.m_mtime.GetTime() - now)), 120);
    EXPECT_NE(0, status.m_ctime.GetTime());
    EXPECT_NE(0, status.m_atime.GetTime());

    ::SetFileAttributesA(m_file.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(CFile::GetStatus(m_file.c_str(), status));
    EXPECT_EQ(CFile::readOnly | CFile::hidden,
              status.m_attribute & (CFile::readOnly | CFile::hidden));
}

TEST_F(FileStatus, FoldersWithAndWithoutBackslash)
{
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus(m_dir.c_str(), status));
    EXPECT_EQ(CFile::directory, status.m_attribute & CFile::directory);
    EXPECT_STRCASEEQ(m_dir.c_str(), status.m_szFullName);

    CFileStatus trailing;
    ASSERT_TRUE(CFile::GetStatus((m_dir + "\\").c_str(), trailing));
    EXPECT_STRCASEEQ(m_dir.c_str(), trailing.m_szFullName);
    EXPECT_TRUE(CFile::GetStatus((m_dir + "\\\\").c_str(), trailing));

    // a file named like a folder is not one
    EXPECT_FALSE(CFile::GetStatus((m_file + "\\").c_str(), status));
}

TEST_F(FileStatus, RootsAndRelativeNames)
{
    CFileStatus status;
    ASSERT_TRUE(CFile::GetStatus("C:\\", status));
    EXPECT_EQ(CFile::directory, status.m_attribute & CFile::directory);
    EXPECT_STRCASEEQ("C:\\", status.m_szFullName);

    char szOld[MAX_PATH];
    ::GetCurrentDirectoryA(MAX_PATH, szOld);
    ASSERT_TRUE(::SetCurrentDirectoryA(m_dir.c_str()));
    EXPECT_TRUE(CFile::GetStatus("a file with spaces.txt", status));
    EXPECT_STRCASEEQ(m_file.c_str(), status.m_szFullName);
    EXPECT_TRUE(CFile::GetStatus(".", status));
    ::SetCurrentDirectoryA(szOld);
}

TEST_F(FileStatus, MissingNamesAndPatterns)
{
    CFileStatus status;
    std::string missing = m_dir + "\\no such file.txt";
    EXPECT_FALSE(CFile::GetStatus(missing.c_str(), status));
    EXPECT_STRCASEEQ(missing.c_str(), status.m_szFullName);  // the name is still qualified
    EXPECT_FALSE(CFile::GetStatus((m_dir + "\\missing folder\\x").c_str(), status));
    EXPECT_FALSE(CFile::GetStatus((m_dir + "\\*.txt").c_str(), status));
    EXPECT_FALSE(CFile::GetStatus((m_dir + "\\a file with spaces.tx?").c_str(), status));
    EXPECT_FALSE(CFile::GetStatus("", status));
    EXPECT_STREQ("", status.m_szFullName);
    EXPECT_FALSE(CFile::GetStatus(NULL, status));
    std::string tooLong = "C:\\" + std::string(400, 'x');
    EXPECT_FALSE(CFile::GetStatus(tooLong.c_str(), status));
}

} // namespace
