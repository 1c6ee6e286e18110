// Tests of Load3DColorImageList (against the program's own bitmap strip),
// SetDialogControlFont (on a real dialog) and PlayWave (its call of the
// sound function, observed through the library's test entry point).
#include <afxwin.h>
#include <afxcmn.h>

#include <mmsystem.h>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "DialogUtilities.h"
#include "DrawUtilTestRes.h"
#include "ImportPatch.h"
#include "MessageRecorder.h"
#include "TestCanvas.h"
#include "TestHostWindow.h"
#include "Wow64Limits.h"

namespace {

const COLORREF kSilver = RGB(192, 192, 192);      // the strip's background
const COLORREF kBehind = RGB(255, 0, 255);        // what transparent pixels show

HMODULE HostModule() { return ::GetModuleHandle(NULL); }
HMODULE LibraryModule() { return ::GetModuleHandleA("Tessarine.dll"); }

/////////////////////////////////////////////////////////////////////////////
// Load3DColorImageList

class Load3DColorImageListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Image lists need device contexts, which 32-bit processes lack here.
        SKIP_IF_WOW64_LIMIT(DeviceContexts);
        AfxSetResourceHandle(HostModule());
        // An image list the call has to replace: three 32 x 32 images.
        ASSERT_TRUE(m_list.Create(32, 32, ILC_COLOR24, 3, 1));
        ASSERT_TRUE(m_list.SetImageCount(3));
    }
    CImageList m_list;
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

// Each image shows its piece of the strip, the light grey (now the button
// face) transparent; the old list is gone.
TEST_P(StripTest, CutsTheStripWithButtonFaceTransparent)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    const StripCase& c = GetParam();
    ASSERT_TRUE(Load3DColorImageList(&m_list, c.cx, c.nBitmapID, LR_LOADMAP3DCOLORS));
    ASSERT_EQ(c.nImages, m_list.GetImageCount());
    int cx = 0, cy = 0;
    ImageList_GetIconSize(m_list.GetSafeHandle(), &cx, &cy);
    EXPECT_EQ(c.cx, cx);
    EXPECT_EQ(16, cy);

    // The strip as the resource holds it, without colour mapping.
    TestCanvas strip(80, 16, RGB(0, 0, 0));
    HBITMAP hStrip = static_cast<HBITMAP>(::LoadImageA(HostModule(), MAKEINTRESOURCEA(IDB_TEST_STRIP),
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    HDC hdc = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hdc, hStrip);
    ::BitBlt(strip.Dc(), 0, 0, 80, 16, hdc, 0, 0, SRCCOPY);
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    ::DeleteObject(hStrip);

    for (int i = 0; i < c.nImages; ++i)
    {
        TestCanvas drawn(c.cx, 16, kBehind), expected(c.cx, 16, kBehind);
        ASSERT_TRUE(ImageList_Draw(m_list.GetSafeHandle(), i, drawn.Dc(), 0, 0, ILD_NORMAL));
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

// A bitmap the current resource module lacks: also the strip when the
// library's own module is current, since the strip is the host's.
TEST_F(Load3DColorImageListTest, MissingBitmapLeavesTheListEmpty)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    AfxSetResourceHandle(LibraryModule());
    EXPECT_FALSE(Load3DColorImageList(&m_list, 16, IDB_TEST_STRIP, LR_LOADMAP3DCOLORS));
    EXPECT_EQ(nullptr, m_list.GetSafeHandle());
    EXPECT_EQ(static_cast<HINSTANCE>(LibraryModule()), AfxGetResourceHandle());

    AfxSetResourceHandle(HostModule());
    ASSERT_TRUE(m_list.Create(32, 32, ILC_COLOR24, 3, 1));
    EXPECT_FALSE(Load3DColorImageList(&m_list, 16, IDB_TEST_MISSING, LR_LOADMAP3DCOLORS));
    EXPECT_EQ(nullptr, m_list.GetSafeHandle());
}

TEST_F(Load3DColorImageListTest, WidthOfZeroOrLessIsRefused)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    const HIMAGELIST hBefore = m_list.GetSafeHandle();
    for (int cx : { 0, -16 })
    {
        EXPECT_FALSE(Load3DColorImageList(&m_list, cx, IDB_TEST_STRIP, LR_LOADMAP3DCOLORS)) << cx;
        EXPECT_EQ(hBefore, m_list.GetSafeHandle()) << cx;
        EXPECT_EQ(3, m_list.GetImageCount()) << cx;
    }
}

/////////////////////////////////////////////////////////////////////////////
// SetDialogControlFont

class SetDialogControlFontTest : public testsupport::HostWindowTest
{
};

// Three controls and a container holding two buttons: the container changes
// font, the two inside it keep theirs.
TEST_F(SetDialogControlFontTest, DirectChildrenInOrderThenTheDialog)
{
    using testsupport::DialogTemplateBuilder;
    DialogTemplateBuilder tpl(WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 0, 200, 120, "Fonts");
    tpl.SetFont(8, "MS Shell Dlg");
    tpl.AddItem(DialogTemplateBuilder::Button, "OK", IDOK, WS_CHILD | WS_VISIBLE, 5, 5, 50, 14);
    tpl.AddItem(DialogTemplateBuilder::Edit, "", 200, WS_CHILD | WS_VISIBLE, 5, 25, 50, 14);
    tpl.AddItem(DialogTemplateBuilder::Static, "", 300, WS_CHILD | WS_VISIBLE, 70, 5, 120, 100);
    tpl.AddItem(DialogTemplateBuilder::Static, "Label", 201, WS_CHILD | WS_VISIBLE, 5, 45, 50, 10);
    testsupport::HostDialog dlg;
    ASSERT_TRUE(dlg.Create(tpl, Host()));

    CFont innerFont, font;
    innerFont.CreatePointFont(120, _T("Courier New"));
    font.CreatePointFont(100, _T("Tahoma"));
    std::vector<HWND> grandchildren, children;
    for (int i = 0; i < 2; ++i)
    {
        grandchildren.push_back(::CreateWindowA("BUTTON", "inner", WS_CHILD | WS_VISIBLE, 5, 5 + 30 * i,
                                                80, 24, dlg.Item(300), NULL, NULL, NULL));
        ::SendMessage(grandchildren.back(), WM_SETFONT, (WPARAM)innerFont.GetSafeHandle(), FALSE);
    }
    for (HWND h = ::GetWindow(dlg.Handle(), GW_CHILD); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT))
    {
        children.push_back(h);
        testsupport::RecordControl(h, "parent");
    }
    ASSERT_EQ(4u, children.size());
    children.push_back(dlg.Handle());

    testsupport::Recorder().Flush();
    SetDialogControlFont(CWnd::FromHandle(dlg.Handle()), &font);

    // Redraw TRUE each time; a static repaints at once.
    const WPARAM hFont = (WPARAM)font.GetSafeHandle();
    const UINT f = testsupport::sent | testsupport::wparam | testsupport::lparam;
    std::vector<testsupport::MsgEntry> expected;
    for (size_t i = 0; i < children.size(); ++i)
    {
        expected.push_back({ WM_SETFONT, i + 1 < children.size() ? f : f | testsupport::parent, hFont, TRUE });
        expected.push_back({ WM_PAINT, testsupport::optional });
        expected.push_back({ WM_ERASEBKGND, testsupport::optional });
    }
    expected.push_back({ 0 });
    std::vector<HWND> order;
    for (const testsupport::RecordedMsg& m : testsupport::Recorder().Log("parent"))
        if (m.message == WM_SETFONT)
            order.push_back(m.hwnd);
    EXPECT_SEQUENCE("parent", expected.data(), "SetDialogControlFont");
    EXPECT_EQ(children, order);
    for (size_t i = 0; i + 1 < children.size(); ++i)
        EXPECT_EQ(hFont, (WPARAM)::SendMessage(children[i], WM_GETFONT, 0, 0)) << i;
    for (HWND h : grandchildren)
        EXPECT_EQ((LRESULT)innerFont.GetSafeHandle(), ::SendMessage(h, WM_GETFONT, 0, 0));
    dlg.Destroy();
}

/////////////////////////////////////////////////////////////////////////////
// PlayWave

std::vector<std::pair<LPCSTR, UINT>> g_soundCalls;

BOOL WINAPI NoteSound(LPCSTR pszSound, UINT fuSound)
{
    g_soundCalls.push_back(std::make_pair(pszSound, fuSound));
    return TRUE;
}

struct WaveCase
{
    bool bLibraryCurrent;   // the library's module is the current resource module
    UINT nWaveID;
    bool bPlays;
};

// The library's own import of sndPlaySoundA is redirected: the product
// build has no seam for the sound.
class PlayWaveTest : public ::testing::TestWithParam<WaveCase>
{
protected:
    void SetUp() override
    {
        g_soundCalls.clear();
        m_pSound.reset(new testsupport::ImportPatch(LibraryModule(), "winmm.dll", "sndPlaySoundA",
                                                    reinterpret_cast<const void*>(&NoteSound)));
        ASSERT_TRUE(m_pSound->Active()) << "Tessarine does not import sndPlaySoundA";
    }
    void TearDown() override
    {
        m_pSound.reset();
        AfxSetResourceHandle(HostModule());
    }
    std::unique_ptr<testsupport::ImportPatch> m_pSound;
};

// The host's resource, as its locked memory, asynchronously; else nothing.
TEST_P(PlayWaveTest, HandsTheHostsResourceToTheSoundFunction)
{
    const WaveCase& c = GetParam();
    AfxSetResourceHandle(c.bLibraryCurrent ? LibraryModule() : HostModule());
    PlayWave(c.nWaveID);
    if (!c.bPlays)
    {
        EXPECT_TRUE(g_soundCalls.empty());
        return;
    }
    HRSRC hRes = ::FindResourceA(HostModule(), MAKEINTRESOURCEA(IDW_TEST_TONE), "WAVE");
    ASSERT_NE(nullptr, hRes);
    ASSERT_EQ(1u, g_soundCalls.size());
    EXPECT_EQ(::LockResource(::LoadResource(HostModule(), hRes)), (const void*)g_soundCalls[0].first);
    EXPECT_EQ(0, memcmp(g_soundCalls[0].first, "RIFF", 4));
    EXPECT_EQ((UINT)(SND_ASYNC | SND_MEMORY), g_soundCalls[0].second);
}

INSTANTIATE_TEST_SUITE_P(Resources, PlayWaveTest, ::testing::Values(
    WaveCase{ false, IDW_TEST_TONE, true },
    WaveCase{ false, 0x30000 | IDW_TEST_TONE, true },   // low 16 bits
    WaveCase{ false, IDW_TEST_MISSING, false },
    WaveCase{ true, IDW_TEST_TONE, false }));           // not looked up in the library

} // namespace
