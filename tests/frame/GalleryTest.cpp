// The gallery host run headless: it writes one decodable PNG per item plus
// the whole dialog, says so on its last line, and the frame's own pictures
// hold the painted library bitmaps.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <objbase.h>
#include <wincodec.h>

#include <string>
#include <vector>

#include "FrameTestUtil.h"
#include "Wow64Limits.h"

namespace {

struct Picture
{
    UINT width = 0, height = 0;
    std::vector<BYTE> bgra;     // top-down rows of width * 4 bytes

    COLORREF At(UINT x, UINT y) const
    {
        const BYTE* p = &bgra[(static_cast<size_t>(y) * width + x) * 4];
        return RGB(p[2], p[1], p[0]);
    }
};

template <class T>
void Release(T*& p)
{
    if (p != NULL)
        p->Release();
    p = NULL;
}

// Decodes a PNG file with WIC into 32-bpp BGRA.
::testing::AssertionResult DecodePng(const std::string& path, Picture* pPicture)
{
    std::wstring wide(path.begin(), path.end());
    IWICImagingFactory* factory = NULL;
    IWICBitmapDecoder* decoder = NULL;
    IWICBitmapFrameDecode* frame = NULL;
    IWICBitmapSource* converted = NULL;
    HRESULT hr = CoCreateInstance(CLSID_WICImagingFactory, NULL, CLSCTX_INPROC_SERVER,
                                  IID_IWICImagingFactory, reinterpret_cast<void**>(&factory));
    if (SUCCEEDED(hr))
        hr = factory->CreateDecoderFromFilename(wide.c_str(), NULL, GENERIC_READ,
                                                WICDecodeMetadataCacheOnDemand, &decoder);
    GUID container = GUID_NULL;
    if (SUCCEEDED(hr))
        hr = decoder->GetContainerFormat(&container);
    if (SUCCEEDED(hr) && !IsEqualGUID(container, GUID_ContainerFormatPng))
        hr = WINCODEC_ERR_COMPONENTNOTFOUND;
    if (SUCCEEDED(hr))
        hr = decoder->GetFrame(0, &frame);
    if (SUCCEEDED(hr))
        hr = WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame, &converted);
    if (SUCCEEDED(hr))
        hr = converted->GetSize(&pPicture->width, &pPicture->height);
    if (SUCCEEDED(hr))
    {
        pPicture->bgra.resize(static_cast<size_t>(pPicture->width) * pPicture->height * 4);
        hr = converted->CopyPixels(NULL, pPicture->width * 4,
                                   static_cast<UINT>(pPicture->bgra.size()), pPicture->bgra.data());
    }
    Release(converted);
    Release(frame);
    Release(decoder);
    Release(factory);
    if (FAILED(hr))
        return ::testing::AssertionFailure() << path << " does not decode: 0x" << std::hex << hr;
    return ::testing::AssertionSuccess();
}

// Runs a program, collecting its standard output; false when it cannot be
// started or does not end within timeoutMs.
bool RunProgram(const std::string& commandLine, DWORD timeoutMs, std::string* pOutput, DWORD* pExitCode)
{
    SECURITY_ATTRIBUTES sa = { sizeof(sa), NULL, TRUE };
    HANDLE hRead = NULL, hWrite = NULL;
    if (!CreatePipe(&hRead, &hWrite, &sa, 0))
        return false;
    SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA si;
    ZeroMemory(&si, sizeof(si));
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = hWrite;
    si.hStdError = hWrite;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi;
    std::vector<char> cmd(commandLine.begin(), commandLine.end());
    cmd.push_back('\0');
    BOOL started = CreateProcessA(NULL, &cmd[0], NULL, NULL, TRUE, 0, NULL, NULL, &si, &pi);
    CloseHandle(hWrite);
    if (!started)
    {
        CloseHandle(hRead);
        return false;
    }

    DWORD start = GetTickCount();
    bool ended = false;
    for (;;)
    {
        DWORD available = 0;
        while (PeekNamedPipe(hRead, NULL, 0, NULL, &available, NULL) && available > 0)
        {
            char buffer[4096];
            DWORD got = 0;
            if (!ReadFile(hRead, buffer, sizeof(buffer), &got, NULL) || got == 0)
                break;
            pOutput->append(buffer, got);
        }
        if (ended)
            break;
        ended = WaitForSingleObject(pi.hProcess, 50) == WAIT_OBJECT_0;
        if (!ended && GetTickCount() - start > timeoutMs)
        {
            TerminateProcess(pi.hProcess, 1);
            WaitForSingleObject(pi.hProcess, 5000);
            break;
        }
    }
    GetExitCodeProcess(pi.hProcess, pExitCode);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    CloseHandle(hRead);
    return ended;
}

std::string LastLine(const std::string& text)
{
    std::string s = text;
    while (!s.empty() && (s[s.size() - 1] == '\n' || s[s.size() - 1] == '\r'))
        s.erase(s.size() - 1);
    size_t nl = s.find_last_of('\n');
    std::string line = nl == std::string::npos ? s : s.substr(nl + 1);
    if (!line.empty() && line[line.size() - 1] == '\r')
        line.erase(line.size() - 1);
    return line;
}

std::vector<std::string> PngFiles(const std::string& folder)
{
    std::vector<std::string> files;
    WIN32_FIND_DATAA fd;
    HANDLE hFind = FindFirstFileA((folder + "\\*.png").c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return files;
    do
        files.push_back(fd.cFileName);
    while (FindNextFileA(hFind, &fd));
    FindClose(hFind);
    return files;
}

// The gallery runs once for the suite, into a folder that does not exist
// yet (below a temporary one); the tests look at what it wrote.
class GalleryTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = new testsupport::ScratchFolder("frame_gallery_");
        s_out = s_folder->Path() + "\\pictures";
        std::string exe = frametest::ProgramFolder() + "gallery.exe";
        s_found = GetFileAttributesA(exe.c_str()) != INVALID_FILE_ATTRIBUTES;
        s_exitCode = 1;
        s_output.clear();
        s_ended = s_found && RunProgram("\"" + exe + "\" " + s_out, 120000, &s_output, &s_exitCode);
    }
    static void TearDownTestSuite()
    {
        delete s_folder;  // the pictures go with it
        s_folder = NULL;
    }
    void SetUp() override
    {
        m_hrCom = CoInitializeEx(NULL, COINIT_APARTMENTTHREADED);
        ASSERT_TRUE(s_found) << "gallery.exe is not beside the test program";
        ASSERT_TRUE(s_ended) << "the gallery did not finish:\n" << s_output;
    }
    void TearDown() override
    {
        if (SUCCEEDED(m_hrCom))
            CoUninitialize();
    }
    static std::string PicturePath(const char* name) { return s_out + "\\" + name; }

    static testsupport::ScratchFolder* s_folder;
    static std::string s_out;
    static std::string s_output;
    static DWORD s_exitCode;
    static bool s_found;
    static bool s_ended;
    HRESULT m_hrCom = E_FAIL;
};

testsupport::ScratchFolder* GalleryTest::s_folder = NULL;
std::string GalleryTest::s_out;
std::string GalleryTest::s_output;
DWORD GalleryTest::s_exitCode = 1;
bool GalleryTest::s_found = false;
bool GalleryTest::s_ended = false;

TEST_F(GalleryTest, WritesOneDecodablePicturePerItemAndTheDialog)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    EXPECT_EQ(0u, s_exitCode) << s_output;
    std::vector<std::string> files = PngFiles(s_out);
    EXPECT_EQ("gallery: wrote " + std::to_string(files.size()) + " pictures to " + s_out,
              LastLine(s_output))
        << s_output;

    bool hasDialog = false;
    for (size_t i = 0; i < files.size(); ++i)
    {
        Picture picture;
        EXPECT_TRUE(DecodePng(s_out + "\\" + files[i], &picture));
        EXPECT_GT(picture.width, 0u) << files[i];
        EXPECT_GT(picture.height, 0u) << files[i];
        hasDialog = hasDialog || files[i] == "dialog.png";
    }
    EXPECT_TRUE(hasDialog);
}

TEST_F(GalleryTest, FramePicturesShowTheLibraryBitmapsScaledUp)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    // Four 64 x 64 arrows, 12 pixels apart: each 8 x 8 pixel is an 8 x 8 block.
    Picture arrows;
    ASSERT_TRUE(DecodePng(PicturePath("frame_arrows.png"), &arrows));
    EXPECT_EQ(4u * 64 + 3 * 12, arrows.width);
    EXPECT_EQ(64u, arrows.height);
    const UINT kCell = 64 + 12;
    // Up arrow: its tip at bitmap (3, 2), nothing at (3, 1).
    EXPECT_EQ(RGB(128, 128, 128), arrows.At(3 * 8 + 4, 2 * 8 + 4));
    EXPECT_EQ(RGB(192, 192, 192), arrows.At(3 * 8 + 4, 1 * 8 + 4));
    // Down arrow: the tip at the bottom, the wide row above it.
    EXPECT_EQ(RGB(128, 128, 128), arrows.At(kCell + 3 * 8 + 4, 5 * 8 + 4));
    EXPECT_EQ(RGB(192, 192, 192), arrows.At(kCell + 3 * 8 + 4, 6 * 8 + 4));
    EXPECT_EQ(RGB(128, 128, 128), arrows.At(kCell + 0 * 8 + 4, 2 * 8 + 4));
    // The gap between arrows is the window colour.
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), arrows.At(64 + 6, 32));

    Picture glyphs;
    ASSERT_TRUE(DecodePng(PicturePath("frame_glyphs.png"), &glyphs));
    EXPECT_EQ(280u, glyphs.width);
    EXPECT_EQ(156u, glyphs.height);

    Picture strings;
    ASSERT_TRUE(DecodePng(PicturePath("frame_strings.png"), &strings));
    // Some text was drawn: not every pixel is the background.
    size_t inked = 0;
    for (UINT y = 0; y < strings.height; ++y)
        for (UINT x = 0; x < strings.width; ++x)
            if (strings.At(x, y) != GetSysColor(COLOR_WINDOW))
                ++inked;
    EXPECT_GT(inked, 100u);
}

} // namespace
