// Tests of Load3DColorImageList (against the program's own bitmap strip),
// SetDialogControlFont (on a real dialog) and PlayWave (its call of the
// sound function, observed through the library's test entry point).
#include <afxwin.h>
#include <afxcmn.h>

#include <mmsystem.h>

#include <gtest/gtest.h>

#include <vector>

#include "DialogUtilities.h"
#include "DrawUtilTestRes.h"
#include "DrawUtilTestSeam.h"
#include "MessageRecorder.h"
#include "TestCanvas.h"
#include "TestHostWindow.h"

namespace {

const COLORREF kSilver = RGB(192, 192, 192);      // the strip's background
const COLORREF kBehind = RGB(255, 0, 255);        // what transparent pixels show

HMODULE LibraryModule() { return ::GetModuleHandleA("Tessarine.dll"); }

/////////////////////////////////////////////////////////////////////////////
// Load3DColorImageList

// The strip as the resource holds it, without any colour mapping.
class StripPixels
{
public:
    StripPixels() : m_canvas(80, 16, RGB(0, 0, 0))
    {
        HBITMAP h = static_cast<HBITMAP>(::LoadImageA(::GetModuleHandle(NULL),
                                                      MAKEINTRESOURCEA(IDB_TEST_STRIP),
                                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        HDC hdc = ::CreateCompatibleDC(NULL);
        HGDIOBJ hOld = ::SelectObject(hdc, h);
        ::BitBlt(m_canvas.Dc(), 0, 0, 80, 16, hdc, 0, 0, SRCCOPY);
        ::SelectObject(hdc, hOld);
        ::DeleteDC(hdc);
        ::DeleteObject(h);
    }
    COLORREF At(int x, int y) const { return m_canvas.At(x, y); }

private:
    TestCanvas m_canvas;
};

class Load3DColorImageListTest : public ::testing::Test
{
protected:
    void SetUp() override { AfxSetResourceHandle(::GetModuleHandle(NULL)); }

    // An image list the call has to replace: three 32 x 32 images.
    static void FillOldList(CImageList& list)
    {
        ASSERT_TRUE(list.Create(32, 32, ILC_COLOR24, 3, 1));
        ASSERT_TRUE(list.SetImageCount(3));
    }
};

struct StripCase
{
    int cx;
    UINT nBitmapID;
    int nImages;     // whole images of width cx in the 80-pixel strip
};

class StripTest : public Load3DColorImageListTest, public ::testing::WithParamInterface<StripCase>
{
};

// Each image shows its piece of the strip with the light grey (now the
// button face) transparent; an existing list is replaced.
TEST_P(StripTest, CutsTheStripWithButtonFaceTransparent)
{
    const StripCase& c = GetParam();
    CImageList list;
    FillOldList(list);
    ASSERT_TRUE(Load3DColorImageList(&list, c.cx, c.nBitmapID, LR_LOADMAP3DCOLORS));
    ASSERT_EQ(c.nImages, list.GetImageCount());
    int cx = 0, cy = 0;
    ImageList_GetIconSize(list.GetSafeHandle(), &cx, &cy);
    EXPECT_EQ(c.cx, cx);
    EXPECT_EQ(16, cy);

    const StripPixels strip;
    for (int i = 0; i < c.nImages; ++i)
    {
        TestCanvas drawn(c.cx, 16, kBehind);
        TestCanvas expected(c.cx, 16, kBehind);
        ASSERT_TRUE(ImageList_Draw(list.GetSafeHandle(), i, drawn.Dc(), 0, 0, ILD_NORMAL));
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < c.cx; ++x)
            {
                const COLORREF s = strip.At(i * c.cx + x, y);
                expected.Set(x, y, s == kSilver ? kBehind : s);
            }
        EXPECT_TRUE(SamePixels(drawn, expected)) << "image " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, StripTest, ::testing::Values(
    StripCase{ 16, IDB_TEST_STRIP, 5 },
    StripCase{ 24, IDB_TEST_STRIP, 3 },               // 8 pixels left over
    StripCase{ 80, IDB_TEST_STRIP, 1 },
    StripCase{ 16, 0x10000 | IDB_TEST_STRIP, 5 }));   // only the low 16 bits name it

TEST_F(Load3DColorImageListTest, MissingBitmapLeavesTheListEmpty)
{
    struct Row { HMODULE hResources; UINT nID; };
    // The strip is the host's: the library's own module does not hold it.
    const Row rows[] = { { ::GetModuleHandle(NULL), IDB_TEST_MISSING }, { LibraryModule(), IDB_TEST_STRIP } };
    for (const Row& row : rows)
    {
        AfxSetResourceHandle(row.hResources);
        CImageList list;
        FillOldList(list);
        EXPECT_FALSE(Load3DColorImageList(&list, 16, row.nID, LR_LOADMAP3DCOLORS)) << row.nID;
        EXPECT_EQ(nullptr, list.GetSafeHandle()) << row.nID;
        EXPECT_EQ(static_cast<HINSTANCE>(row.hResources), AfxGetResourceHandle());
    }
}

TEST_F(Load3DColorImageListTest, WidthOfZeroOrLessIsRefused)
{
    for (int cx : { 0, -16 })
    {
        CImageList list;
        FillOldList(list);
        const HIMAGELIST hBefore = list.GetSafeHandle();
        EXPECT_FALSE(Load3DColorImageList(&list, cx, IDB_TEST_STRIP, LR_LOADMAP3DCOLORS)) << cx;
        EXPECT_EQ(hBefore, list.GetSafeHandle()) << cx;
        EXPECT_EQ(3, list.GetImageCount()) << cx;
    }
}

/////////////////////////////////////////////////////////////////////////////
// SetDialogControlFont

const WORD kContainerId = 300;

class SetDialogControlFontTest : public testsupport::HostWindowTest
{
};

// A dialog with three controls and a container holding two more: the
// container changes font, the two inside it keep theirs.
TEST_F(SetDialogControlFontTest, DirectChildrenThenTheDialog)
{
    using testsupport::DialogTemplateBuilder;
    DialogTemplateBuilder tpl(WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 0, 200, 120, "Fonts");
    tpl.SetFont(8, "MS Shell Dlg");
    tpl.AddItem(DialogTemplateBuilder::Button, "OK", IDOK, WS_CHILD | WS_VISIBLE, 5, 5, 50, 14);
    tpl.AddItem(DialogTemplateBuilder::Edit, "", 200, WS_CHILD | WS_VISIBLE, 5, 25, 50, 14);
    tpl.AddItem(DialogTemplateBuilder::Static, "", kContainerId, WS_CHILD | WS_VISIBLE, 70, 5, 120, 100);
    tpl.AddItem(DialogTemplateBuilder::Static, "Label", 201, WS_CHILD | WS_VISIBLE, 5, 45, 50, 10);
    testsupport::HostDialog dlg;
    ASSERT_TRUE(dlg.Create(tpl, Host()));
    HWND hContainer = dlg.Item(kContainerId);

    CFont innerFont;
    innerFont.CreatePointFont(120, _T("Courier New"));
    std::vector<HWND> grandchildren;
    for (int i = 0; i < 2; ++i)
    {
        HWND h = ::CreateWindowA("BUTTON", "inner", WS_CHILD | WS_VISIBLE, 5, 5 + 30 * i, 80, 24,
                                 hContainer, NULL, NULL, NULL);
        ::SendMessage(h, WM_SETFONT, reinterpret_cast<WPARAM>(innerFont.GetSafeHandle()), FALSE);
        grandchildren.push_back(h);
    }

    std::vector<HWND> children;
    for (HWND h = ::GetWindow(dlg.Handle(), GW_CHILD); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        children.push_back(h);
        testsupport::RecordControl(h, "parent");
    }
    ASSERT_EQ(4u, children.size());

    CFont font;
    font.CreatePointFont(100, _T("Tahoma"));
    const WPARAM hFont = reinterpret_cast<WPARAM>(font.GetSafeHandle());
    testsupport::Recorder().Flush();
    SetDialogControlFont(CWnd::FromHandle(dlg.Handle()), &font);

    // Four children in z-order, then the dialog; redraw TRUE each time.
    const UINT f = testsupport::sent | testsupport::wparam | testsupport::lparam;
    std::vector<testsupport::MsgEntry> expected;
    for (size_t i = 0; i < children.size() + 1; ++i)
    {
        const UINT flags = i < children.size() ? f : f | testsupport::parent;
        expected.push_back({ WM_SETFONT, flags, hFont, TRUE });
        expected.push_back({ WM_PAINT, testsupport::optional });       // a static repaints at once
        expected.push_back({ WM_ERASEBKGND, testsupport::optional });
    }
    expected.push_back({ 0 });
    std::vector<testsupport::RecordedMsg> log = testsupport::Recorder().Log("parent");
    std::vector<HWND> order;
    for (const testsupport::RecordedMsg& m : log)
        if (m.message == WM_SETFONT)
            order.push_back(m.hwnd);
    EXPECT_SEQUENCE("parent", expected.data(), "SetDialogControlFont");
    children.push_back(dlg.Handle());
    EXPECT_EQ(children, order);

    for (size_t i = 0; i + 1 < children.size(); ++i)
        EXPECT_EQ(hFont, static_cast<WPARAM>(::SendMessage(children[i], WM_GETFONT, 0, 0))) << i;
    for (HWND h : grandchildren)
        EXPECT_EQ(innerFont.GetSafeHandle(), reinterpret_cast<HGDIOBJ>(::SendMessage(h, WM_GETFONT, 0, 0)));
    dlg.Destroy();
}

/////////////////////////////////////////////////////////////////////////////
// PlayWave

struct SoundCall
{
    LPCSTR pszSound;
    UINT fuSound;
};
std::vector<SoundCall> g_soundCalls;

BOOL WINAPI NoteSound(LPCSTR pszSound, UINT fuSound)
{
    g_soundCalls.push_back(SoundCall{ pszSound, fuSound });
    return TRUE;
}

struct WaveCase
{
    bool bLibraryResources;   // the current resource handle is the library's
    UINT nWaveID;
    bool bPlays;
};

class PlayWaveTest : public ::testing::TestWithParam<WaveCase>
{
protected:
    void SetUp() override
    {
        g_soundCalls.clear();
        TessarineTestSetSoundFunction(&NoteSound);
    }
    void TearDown() override
    {
        TessarineTestSetSoundFunction(NULL);
        AfxSetResourceHandle(::GetModuleHandle(NULL));
    }
};

// The host's resource, as locked memory, asynchronously; nothing otherwise.
TEST_P(PlayWaveTest, HandsTheHostsResourceToTheSoundFunction)
{
    const WaveCase& c = GetParam();
    HMODULE hResources = c.bLibraryResources ? LibraryModule() : ::GetModuleHandle(NULL);
    AfxSetResourceHandle(hResources);
    PlayWave(c.nWaveID);
    if (!c.bPlays)
    {
        EXPECT_TRUE(g_soundCalls.empty());
        return;
    }
    HMODULE hHost = ::GetModuleHandle(NULL);
    HRSRC hRes = ::FindResourceA(hHost, MAKEINTRESOURCEA(IDW_TEST_TONE), "WAVE");
    ASSERT_NE(nullptr, hRes);
    const void* pLocked = ::LockResource(::LoadResource(hHost, hRes));
    ASSERT_EQ(1u, g_soundCalls.size());
    EXPECT_EQ(pLocked, static_cast<const void*>(g_soundCalls[0].pszSound));
    EXPECT_EQ(0, memcmp(g_soundCalls[0].pszSound, "RIFF", 4));
    EXPECT_EQ(static_cast<UINT>(SND_ASYNC | SND_MEMORY), g_soundCalls[0].fuSound);
}

INSTANTIATE_TEST_SUITE_P(Resources, PlayWaveTest, ::testing::Values(
    WaveCase{ false, IDW_TEST_TONE, true },
    WaveCase{ false, 0x30000 | IDW_TEST_TONE, true },   // low 16 bits
    WaveCase{ false, IDW_TEST_MISSING, false },
    WaveCase{ true, IDW_TEST_TONE, false }));           // not looked up in the library

} // namespace
