// LiveArrow tooltip texts, the shared tooltip's life and the relay of mouse
// messages to it.
#include <string>

#include "ArrowFixture.h"
#include "InputHelpers.h"
#include "ScratchFolder.h"
#include "TessarineRes.h"

using namespace arrowtest;
using namespace testsupport;

namespace {

// Tooltip windows of this thread owned by hwnd.
std::vector<HWND> ToolTipsOf(HWND hwnd)
{
    struct Search { HWND owner; std::vector<HWND> found; } search = { hwnd, {} };
    ::EnumThreadWindows(::GetCurrentThreadId(), [](HWND w, LPARAM l) -> BOOL {
        Search* s = reinterpret_cast<Search*>(l);
        char name[64];
        if (::GetClassNameA(w, name, sizeof(name)) && lstrcmpiA(name, TOOLTIPS_CLASSA) == 0 &&
            ::GetWindow(w, GW_OWNER) == s->owner)
            s->found.push_back(w);
        return TRUE;
    }, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND NewHost()
{
    HWND hwnd = ::CreateWindowExA(0, RecordingParentClass(), "Second host",
                                  WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, NULL, NULL,
                                  ::GetModuleHandleA(NULL), NULL);
    ::SetForegroundWindow(hwnd);
    Pump();
    return hwnd;
}

enum How { kNone, kHover, kPress };
struct TextRow
{
    const char* name;
    int bVertical;
    LiveArrow::ExpandState state;
    How how;
    CPoint pt;
    const char* text;   // NULL: no text
};
void PrintTo(const TextRow& row, std::ostream* os) { *os << row.name; }

const TextRow kTexts[] = {
    { "UpperHalf", 1, LiveArrow::ES_Expanded, kHover, CPoint(12, 18), "Collapse Up" },
    { "LowerHalf", 1, LiveArrow::ES_Expanded, kHover, CPoint(12, 30), "Collapse Down" },
    { "LeftHalf", 0, LiveArrow::ES_Expanded, kHover, CPoint(8, 22), "Collapse Left" },
    { "RightHalf", 0, LiveArrow::ES_Expanded, kHover, CPoint(20, 22), "Collapse Right" },
    { "CollapsedFirst", 1, LiveArrow::ES_CollapsedFirst, kHover, CPoint(12, 22), "Restore" },
    { "CollapsedSecond", 0, LiveArrow::ES_CollapsedSecond, kHover, CPoint(12, 22), "Restore" },
    { "Pressed", 1, LiveArrow::ES_Expanded, kPress, CPoint(12, 18), NULL },
    { "PressedCollapsed", 0, LiveArrow::ES_CollapsedFirst, kPress, CPoint(12, 22), NULL },
    { "Outside", 1, LiveArrow::ES_Expanded, kNone, CPoint(12, 18), NULL },
};

class ArrowTextTest : public ArrowTest, public ::testing::WithParamInterface<TextRow> {};

TEST_P(ArrowTextTest, TextsByStateInBothVariants)
{
    const TextRow& row = GetParam();
    TestArrow arrow;
    ASSERT_TRUE(arrow.Initialize(HostWnd(), row.bVertical, &kArrowRect));
    arrow.SetExpandState(row.state);
    if (row.how != kNone)
    {
        EXPECT_TRUE(row.how == kHover ? arrow.Track(row.pt) : arrow.MouseDown(row.pt));
    }
    const HINSTANCE hHost = ::GetModuleHandleA(NULL);
    AfxSetResourceHandle(hHost);

    NMTTDISPINFOA a, untouchedA;
    NMTTDISPINFOW w, untouchedW;
    memset(&a, 0xA5, sizeof(a));
    memset(&w, 0xA5, sizeof(w));
    untouchedA = a;
    untouchedW = w;
    EXPECT_EQ(row.text != NULL, !!arrow.GetTTTextA(&a));
    EXPECT_EQ(hHost, AfxGetResourceHandle());
    EXPECT_EQ(row.text != NULL, !!arrow.GetTTTextW(&w));
    EXPECT_EQ(hHost, AfxGetResourceHandle());
    if (row.text == NULL)
    {
        EXPECT_EQ(0, memcmp(&a, &untouchedA, sizeof(a)));
        EXPECT_EQ(0, memcmp(&w, &untouchedW, sizeof(w)));
        return;
    }
    EXPECT_EQ(NULL, a.hinst);
    EXPECT_EQ(a.szText, a.lpszText);
    EXPECT_STREQ(row.text, a.szText);
    EXPECT_EQ(NULL, w.hinst);
    EXPECT_EQ(w.szText, w.lpszText);
    const std::wstring wide(row.text, row.text + strlen(row.text));
    EXPECT_EQ(wide, std::wstring(w.szText));
    for (size_t i = wide.size(); i < 80; i++)
        ASSERT_EQ(0, w.szText[i]) << "at " << i;
    EXPECT_EQ(1, BrevoxTestCodePageCalls());
}

INSTANTIATE_TEST_SUITE_P(Rows, ArrowTextTest, ::testing::ValuesIn(kTexts), RowName<TextRow>);

TEST_F(ArrowTest, WideTextIsConvertedWithTheUsersCodePage)
{
    // EBCDIC reads the same bytes as other letters: the code page must be
    // the one the host library names.
    if (!::IsValidCodePage(37))
        GTEST_SKIP() << "code page 37 is not installed";
    TestArrow arrow;
    ASSERT_TRUE(arrow.Initialize(HostWnd(), FALSE, &kArrowRect));
    arrow.SetExpandState(LiveArrow::ES_CollapsedSecond);
    ASSERT_TRUE(arrow.Track(CPoint(12, 22)));
    BrevoxTestSetUserCodePage(37);
    WCHAR expected[80] = { 0 };
    ::MultiByteToWideChar(37, 0, "Restore", 7, expected, 80);
    ASSERT_NE(std::wstring(L"Restore"), std::wstring(expected));
    NMTTDISPINFOW w;
    ASSERT_TRUE(arrow.GetTTTextW(&w));
    EXPECT_EQ(std::wstring(expected), std::wstring(w.szText));
}

TEST_F(ArrowTest, SharedToolTipServesTheLastNewHost)
{
    HWND second = NewHost();
    ASSERT_NE((HWND)NULL, second);
    TestArrow a, b, c;
    ASSERT_TRUE(a.Initialize(HostWnd(), TRUE, &kArrowRect));
    std::vector<HWND> tips = ToolTipsOf(Host());
    ASSERT_EQ(1u, tips.size());
    const HWND tip = tips[0];
    EXPECT_TRUE(::GetWindowLongA(tip, GWL_STYLE) & TTS_ALWAYSTIP);
    EXPECT_EQ(120, (int)::SendMessageA(tip, TTM_GETMAXTIPWIDTH, 0, 0));
    EXPECT_EQ(32767, (int)::SendMessageA(tip, TTM_GETDELAYTIME, TTDT_AUTOPOP, 0));
    EXPECT_EQ(200, (int)::SendMessageA(tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0));
    EXPECT_EQ(200, (int)::SendMessageA(tip, TTM_GETDELAYTIME, TTDT_RESHOW, 0));
    ASSERT_EQ(1, (int)::SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0));
    TTTOOLINFOA ti;
    ZeroMemory(&ti, sizeof(ti));
    ti.cbSize = TTTOOLINFOA_V2_SIZE;
    ASSERT_TRUE(::SendMessageA(tip, TTM_ENUMTOOLSA, 0, (LPARAM)&ti));
    EXPECT_EQ(Host(), ti.hwnd);
    EXPECT_EQ((UINT_PTR)Host(), ti.uId);
    EXPECT_TRUE(ti.uFlags & TTF_IDISHWND);

    // The same host keeps it, another host gets a new one.
    ASSERT_TRUE(b.Initialize(HostWnd(), FALSE, &kArrowRect));
    EXPECT_EQ(std::vector<HWND>{ tip }, ToolTipsOf(Host()));
    ASSERT_TRUE(c.Initialize(CWnd::FromHandle(second), TRUE, &kArrowRect));
    EXPECT_FALSE(::IsWindow(tip));
    ASSERT_EQ(1u, ToolTipsOf(second).size());

    // When its host goes, the next Initialize makes one again.
    ::DestroyWindow(second);
    ASSERT_TRUE(a.Initialize(HostWnd(), TRUE, &kArrowRect));
    EXPECT_EQ(1u, ToolTipsOf(Host()).size());
}

// A child host's tooltip is owned by its top-level window; it is still the
// child's, kept for the child and replaced for the top-level window.
TEST_F(ArrowTest, SharedToolTipOfAChildHost)
{
    HWND child = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 60, 60, Host(), NULL,
                                   ::GetModuleHandleA(NULL), NULL);
    ASSERT_NE((HWND)NULL, child);
    auto toolOf = [](HWND tip) {
        TTTOOLINFOA ti;
        ZeroMemory(&ti, sizeof(ti));
        ti.cbSize = TTTOOLINFOA_V2_SIZE;
        return ::SendMessageA(tip, TTM_ENUMTOOLSA, 0, (LPARAM)&ti) ? ti.hwnd : (HWND)NULL;
    };
    TestArrow a, b, c;
    ASSERT_TRUE(a.Initialize(CWnd::FromHandle(child), TRUE, &kArrowRect));
    std::vector<HWND> tips = ToolTipsOf(Host());
    ASSERT_EQ(1u, tips.size());
    EXPECT_EQ(child, toolOf(tips[0]));
    ASSERT_TRUE(b.Initialize(CWnd::FromHandle(child), FALSE, &kArrowRect));
    EXPECT_EQ(tips, ToolTipsOf(Host())) << "kept for the same host";
    ASSERT_TRUE(c.Initialize(HostWnd(), TRUE, &kArrowRect));
    EXPECT_FALSE(::IsWindow(tips[0]));
    tips = ToolTipsOf(Host());
    ASSERT_EQ(1u, tips.size());
    EXPECT_EQ(Host(), toolOf(tips[0])) << "the last host's";
    ::DestroyWindow(child);
}

// The host forwards its mouse moves to Track and RelayToolTipEvent and
// answers the text requests from the widget, in the variant WM_NOTIFYFORMAT
// asked for.
class ArrowRelayTest : public ArrowTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ArrowRelayTest, RelayedMovesShowTheTextOfTheArrowUnderThePointer)
{
    const bool bUnicode = GetParam();
    HWND host = NewHost();
    ASSERT_NE((HWND)NULL, host);
    TestArrow arrow;
    std::vector<std::string> given;
    SetParentHandler([&](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
        if (hwnd != host)
            return false;
        if (message == WM_NOTIFYFORMAT && lParam == NF_QUERY)
        {
            *pResult = bUnicode ? NFR_UNICODE : NFR_ANSI;
            return true;
        }
        if (message == WM_MOUSEMOVE)
        {
            arrow.Track(CPoint((short)LOWORD(lParam), (short)HIWORD(lParam)));
            MSG msg = { hwnd, message, wParam, lParam, (DWORD)::GetMessageTime(), { 0, 0 } };
            ::GetCursorPos(&msg.pt);
            LiveArrow::RelayToolTipEvent(&msg);
        }
        if (message == WM_NOTIFY && ((NMHDR*)lParam)->code == (bUnicode ? TTN_GETDISPINFOW : TTN_GETDISPINFOA))
        {
            NMTTDISPINFOA* pA = (NMTTDISPINFOA*)lParam;
            NMTTDISPINFOW* pW = (NMTTDISPINFOW*)lParam;
            if (bUnicode ? arrow.GetTTTextW(pW) : arrow.GetTTTextA(pA))
                given.push_back(bUnicode ? std::string(pW->szText, pW->szText + wcslen(pW->szText)) : pA->szText);
        }
        return false;
    });
    ASSERT_TRUE(arrow.Initialize(CWnd::FromHandle(host), TRUE, &kArrowRect));
    std::vector<HWND> tips = ToolTipsOf(host);
    ASSERT_EQ(1u, tips.size());
    auto shown = [&](const char* text) {
        return !given.empty() && given.back() == text && ::IsWindowVisible(tips[0]);
    };

    ASSERT_TRUE(MouseMoveTo(host, 12, 18));
    EXPECT_TRUE(PumpUntil([&] { return shown("Collapse Up"); }, 30000)) << given.size();
    ASSERT_TRUE(MouseMoveTo(host, 12, 30));
    EXPECT_TRUE(PumpUntil([&] { return shown("Collapse Down"); }, 30000)) << given.size();
    SetParentHandler(ParentHandler());
    ::DestroyWindow(host);
}

INSTANTIATE_TEST_SUITE_P(Variants, ArrowRelayTest, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Wide" : "Ansi"; });

// A copy of the library loaded and freed at run time takes its shared
// tooltip with it. Members are reached by their exported names.
#if defined(__i386__)
#define ARROW_THISCALL __attribute__((thiscall))
#else
#define ARROW_THISCALL
#endif
typedef void (ARROW_THISCALL* ArrowStructor)(void*);
typedef BOOL (ARROW_THISCALL* ArrowInitialize)(void*, CWnd*, int, const RECT*);

// The interface is exported; the geometry and text helpers are not.
TEST(LiveArrowExports, InterfaceOnly)
{
    HMODULE lib = ::GetModuleHandleA("Tessarine.dll");
    ASSERT_NE((HMODULE)NULL, lib);
    EXPECT_NE((FARPROC)NULL, ::GetProcAddress(lib, "_ZN9LiveArrow5TrackERK6CPoint"));
    for (const char* name : { "_ZNK9LiveArrow10GetHitRectEv", "_ZNK9LiveArrow16GetToolTipTextIdEv",
                              "_ZN9LiveArrow11RedrawFrameEi" })
        EXPECT_EQ((FARPROC)NULL, ::GetProcAddress(lib, name)) << name;
}

TEST_F(ArrowTest, UnloadingTheLibraryDestroysTheSharedToolTip)
{
    ScratchFolder folder("arrow_unload_");
    ASSERT_TRUE(folder.Valid());
    char path[MAX_PATH];
    ::GetModuleFileNameA(::GetModuleHandleA("Tessarine.dll"), path, MAX_PATH);
    const std::string copy = folder.File("TessarineArrowCopy.dll");
    ASSERT_TRUE(::CopyFileA(path, copy.c_str(), FALSE));
    HMODULE hCopy = ::LoadLibraryA(copy.c_str());
    ASSERT_NE((HMODULE)NULL, hCopy) << ::GetLastError();
    auto proc = [&](const char* name) { return reinterpret_cast<void*>(::GetProcAddress(hCopy, name)); };
    ArrowStructor construct = reinterpret_cast<ArrowStructor>(proc("_ZN9LiveArrowC1Ev"));
    ArrowStructor destruct = reinterpret_cast<ArrowStructor>(proc("_ZN9LiveArrowD1Ev"));
    ArrowInitialize initialize =
        reinterpret_cast<ArrowInitialize>(proc("_ZN9LiveArrow10InitializeEP4CWndiPK7tagRECT"));
    ASSERT_TRUE(construct && destruct && initialize);

    HWND host = NewHost();
    alignas(16) unsigned char storage[sizeof(LiveArrow)];
    construct(storage);
    EXPECT_TRUE(initialize(storage, CWnd::FromHandle(host), TRUE, &kArrowRect));
    destruct(storage);
    std::vector<HWND> tips = ToolTipsOf(host);
    ASSERT_EQ(1u, tips.size());     // a widget going leaves the tooltip

    EXPECT_TRUE(::FreeLibrary(hCopy));
    EXPECT_EQ(NULL, ::GetModuleHandleA(copy.c_str()));
    EXPECT_FALSE(::IsWindow(tips[0]));
    ::DestroyWindow(host);
}

} // namespace
