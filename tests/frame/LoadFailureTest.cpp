// Start of Tessarine.dll as an extension module: a failed initialisation
// fails the load. A copy of the DLL under another name is loaded at run
// time, so the copy the program links with stays as it is.
#include <afxwin.h>

#include <gtest/gtest.h>

#include "FrameTestSeam.h"
#include "FrameTestUtil.h"
#include "TessarineRes.h"

namespace {

typedef HINSTANCE (__cdecl* LibraryInstanceFunction)();
typedef BOOL (__cdecl* LoadStringFunction)(CString*, UINT);

class LoadFailureTest : public ::testing::Test
{
protected:
    LoadFailureTest() : m_folder("frame_load_") {}

    void SetUp() override
    {
        m_copy = m_folder.File("TessarineCopy.dll");
        ASSERT_TRUE(CopyFileA(frametest::ModulePath(frametest::TessarineModule()).c_str(),
                              m_copy.c_str(), FALSE))
            << GetLastError();
        AfxSetResourceHandle(GetModuleHandle(NULL));
    }
    void TearDown() override
    {
        // Never leave an armed failure for the next load in this process.
        AfxLiteFailNextExtensionInit(FALSE);
    }

    testsupport::ScratchFolder m_folder;
    std::string m_copy;
};

TEST_F(LoadFailureTest, FailedExtensionInitFailsTheLoad)
{
    AfxLiteFailNextExtensionInit(TRUE);
    SetLastError(0);
    HMODULE hCopy = LoadLibraryA(m_copy.c_str());
    DWORD error = GetLastError();
    EXPECT_EQ(nullptr, hCopy);
    if (hCopy != NULL)
        FreeLibrary(hCopy);
    EXPECT_EQ(static_cast<DWORD>(ERROR_DLL_INIT_FAILED), error);
    EXPECT_EQ(nullptr, GetModuleHandleA(m_copy.c_str())) << "the failed copy stayed loaded";

    // The library the program is linked with is untouched.
    EXPECT_EQ(static_cast<HINSTANCE>(frametest::TessarineModule()), TessarineTestLibraryInstance());

    // The failure was for one initialisation only: the same file loads now.
    hCopy = LoadLibraryA(m_copy.c_str());
    ASSERT_NE(nullptr, hCopy) << GetLastError();
    EXPECT_TRUE(FreeLibrary(hCopy));
}

TEST_F(LoadFailureTest, LoadedCopyKeepsItsOwnInstanceAndResources)
{
    HMODULE hCopy = LoadLibraryA(m_copy.c_str());
    ASSERT_NE(nullptr, hCopy) << GetLastError();
    LibraryInstanceFunction libraryInstance = reinterpret_cast<LibraryInstanceFunction>(
        reinterpret_cast<void*>(GetProcAddress(hCopy, "TessarineTestLibraryInstance")));
    LoadStringFunction loadString = reinterpret_cast<LoadStringFunction>(
        reinterpret_cast<void*>(GetProcAddress(hCopy, "TessarineTestLoadLibraryString")));
    ASSERT_NE(nullptr, libraryInstance);
    ASSERT_NE(nullptr, loadString);

    EXPECT_EQ(static_cast<HINSTANCE>(hCopy), libraryInstance());
    CString text;
    EXPECT_TRUE(loadString(&text, IDS_RESTORE));
    EXPECT_STREQ("Restore", static_cast<LPCTSTR>(text));
    EXPECT_EQ(GetModuleHandle(NULL), AfxGetResourceHandle());

    EXPECT_TRUE(FreeLibrary(hCopy));
    EXPECT_EQ(nullptr, GetModuleHandleA(m_copy.c_str()));
}

} // namespace
