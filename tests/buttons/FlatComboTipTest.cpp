// The tooltip: the hit test, and the selected item's text only when it does
// not fit beside the drop button, the borders, a margin and the item image;
// both ANSI and wide requests.

#include "FlatComboFixture.h"

#include <string>

#include "InputHelpers.h"
#include "MessageRecorder.h"

namespace {

using namespace flatcombotest;

const char kText[] = "A selected item with a rather long text";
const int kImageWidth = 16;

struct TipRow
{
    bool wide, image;
    int extra;      // client width beyond text width + reserved room
    bool tip;
};

const TipRow kTips[] = {
    { false, false, 0, true }, { false, false, 1, false }, { false, true, 0, true }, { false, true, 1, false },
    { true,  false, 0, true }, { true,  false, 1, false }, { true,  true, 0, true }, { true,  true, 1, false },
};

class TipTest : public FlatComboTest, public ::testing::WithParamInterface<TipRow>
{
protected:
    void SetUp() override
    {
        FlatComboTest::SetUp();
        if (IsSkipped())
            return;
        m_pCombo = MakeCombo();
        const char* texts[] = { kText };
        AddItems(m_pCombo, texts, 1);
        m_pCombo->SetCurSel(0);
        m_hTip = ::CreateWindowExA(0, TOOLTIPS_CLASSA, NULL, WS_POPUP, 0, 0, 0, 0, m_dlg.m_hWnd, 0, 0, 0);
        ASSERT_EQ(0, ::GetDlgCtrlID(m_hTip));   // the request comes from an id-0 control
    }
    void TearDown() override
    {
        ::DestroyWindow(m_hTip);
        FlatComboTest::TearDown();
        if (m_hImages != NULL)
            ImageList_Destroy(m_hImages);
    }

    void GiveImage()
    {
        m_hImages = ImageList_Create(kImageWidth, 16, ILC_COLOR24, 1, 0);
        HBITMAP hBitmap = ::CreateBitmap(kImageWidth, 16, 1, 32, NULL);
        ImageList_Add(m_hImages, hBitmap, NULL);
        ::DeleteObject(hBitmap);
        m_pCombo->SendMessage(CBEM_SETIMAGELIST, 0, (LPARAM)m_hImages);
        COMBOBOXEXITEMA item = {};
        item.mask = CBEIF_IMAGE;
        m_pCombo->SendMessage(CBEM_SETITEMA, 0, (LPARAM)&item);   // item 0, image 0
    }

    // Makes the client width text width + reserved room + extra.
    void SizeFor(bool image, int extra)
    {
        HDC hdc = ::GetDC(m_pCombo->m_hWnd);
        HGDIOBJ hOld = ::SelectObject(hdc, (HFONT)m_pCombo->SendMessage(WM_GETFONT));
        SIZE size;
        ::GetTextExtentPoint32A(hdc, kText, lstrlenA(kText), &size);
        ::SelectObject(hdc, hOld);
        ::ReleaseDC(m_pCombo->m_hWnd, hdc);
        const int cx = size.cx + extra + ::GetSystemMetrics(SM_CXHTHUMB) + 2 * ::GetSystemMetrics(SM_CXBORDER) +
                       8 + (image ? kImageWidth : 0);
        CRect rcWindow, rcClient;
        m_pCombo->GetWindowRect(&rcWindow);
        m_pCombo->GetClientRect(&rcClient);
        m_pCombo->SetWindowPos(NULL, 0, 0, cx + rcWindow.Width() - rcClient.Width(), rcWindow.Height(),
                               SWP_NOZORDER | SWP_NOMOVE);
        m_pCombo->GetClientRect(&rcClient);
        ASSERT_EQ(cx, rcClient.Width());
    }

    // Sends a request; returns the text it was given ("" when none), as bytes.
    template <class INFO, class CHAR>
    std::string Ask(UINT code, UINT uFlags, INFO info = INFO())
    {
        info.hdr.hwndFrom = m_hTip;
        info.hdr.idFrom = (UINT_PTR)Inner(m_pCombo);
        info.hdr.code = code;
        info.uFlags = uFlags;
        info.hinst = ::GetModuleHandleA(NULL);
        m_pCombo->SendMessage(WM_NOTIFY, 0, (LPARAM)&info);
        std::string text;
        for (const CHAR* p = (const CHAR*)info.lpszText; p != NULL && *p != 0; ++p)
            text += (*p > 0 && *p < 0x80) ? (char)*p : '?';
        m_hinst = info.hinst;
        return text;
    }
    std::string AskA(UINT uFlags) { return Ask<NMTTDISPINFOA, char>(TTN_NEEDTEXTA, uFlags); }
    std::string AskW(UINT uFlags) { return Ask<NMTTDISPINFOW, wchar_t>(TTN_NEEDTEXTW, uFlags); }

    CFlatCombo* m_pCombo = NULL;
    HWND m_hTip = NULL;
    HIMAGELIST m_hImages = NULL;
    HINSTANCE m_hinst = NULL;
};

TEST_P(TipTest, ShowsTheTextOnlyWhenItDoesNotFit)
{
    const TipRow& row = GetParam();
    if (row.image)
        GiveImage();
    SizeFor(row.image, row.extra);
    EXPECT_EQ(row.tip ? kText : "", row.wide ? AskW(TTF_IDISHWND) : AskA(TTF_IDISHWND));
    EXPECT_EQ(row.tip ? (HINSTANCE)NULL : ::GetModuleHandleA(NULL), m_hinst);
}

INSTANTIATE_TEST_SUITE_P(Rows, TipTest, ::testing::ValuesIn(kTips));

TEST_F(TipTest, RequestsForToolsWithoutAWindowIdAreNotAnswered)
{
    SizeFor(false, -50);
    EXPECT_EQ("", AskA(0));
    EXPECT_EQ("", AskW(0));
}

// A wide request gets the item's text as the process code page reads it
// (in code page 1252 byte 0x80 is the euro sign, not U+0080).
TEST_F(TipTest, WideTextIsTheProcessCodePagesReading)
{
    const char szItem[] = "A selected item with a rather long text, \x80 42";
    ASSERT_EQ(1, m_pCombo->AddString(szItem));
    m_pCombo->SetCurSel(1);
    SizeFor(false, -50);
    wchar_t szExpected[64] = {};
    ASSERT_LT(0, ::MultiByteToWideChar(CP_ACP, 0, szItem, -1, szExpected, 64));
    NMTTDISPINFOW info = {};
    info.hdr.hwndFrom = m_hTip;
    info.hdr.idFrom = (UINT_PTR)Inner(m_pCombo);
    info.hdr.code = TTN_NEEDTEXTW;
    info.uFlags = TTF_IDISHWND;
    m_pCombo->SendMessage(WM_NOTIFY, 0, (LPARAM)&info);
    ASSERT_NE(nullptr, info.lpszText);
    EXPECT_EQ(std::wstring(szExpected), std::wstring(info.lpszText));
    if (::GetACP() == 1252)
    {
        EXPECT_EQ(L'\x20AC', info.lpszText[lstrlenA(szItem) - 4]);
    }
}

TEST_F(TipTest, HitTestAsksForTheTextAndAlwaysShowsTheTip)
{
    TOOLINFOA ti = {};
    ti.cbSize = sizeof(ti);
    EXPECT_EQ((int)kListId, m_pCombo->OnToolHitTest(CPoint(10, 5), &ti));
    EXPECT_EQ(m_pCombo->m_hWnd, ti.hwnd);
    EXPECT_EQ((UINT_PTR)Inner(m_pCombo), ti.uId);
    EXPECT_EQ((UINT)(TTF_IDISHWND | TTF_ALWAYSTIP), ti.uFlags & (TTF_IDISHWND | TTF_ALWAYSTIP));
    EXPECT_EQ(LPSTR_TEXTCALLBACKA, ti.lpszText);

    TOOLINFOA miss = {};
    miss.cbSize = sizeof(miss);
    EXPECT_EQ(-1, m_pCombo->OnToolHitTest(CPoint(-10, -10), &miss));
    EXPECT_EQ((HWND)NULL, miss.hwnd);
    EXPECT_EQ((UINT)TTF_ALWAYSTIP, miss.uFlags);
    EXPECT_EQ(LPSTR_TEXTCALLBACKA, miss.lpszText);
    EXPECT_EQ(-1, m_pCombo->OnToolHitTest(CPoint(-10, -10), NULL));
}

} // namespace

namespace {

using namespace flatcombotest;
using namespace testsupport;

BOOL CALLBACK FindVisibleTip(HWND hWnd, LPARAM lParam)
{
    char szClass[64] = "";
    ::GetClassNameA(hWnd, szClass, 64);
    if (lstrcmpiA(szClass, TOOLTIPS_CLASSA) == 0 && ::IsWindowVisible(hWnd))
    {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

// The framework's own tooltip, driven by a real mouse over a too-narrow
// control and a message loop that pre-translates as the framework's does.
TEST_F(FlatComboTest, TheFrameworkTooltipShowsTheFullText)
{
    CFlatCombo* pCombo = MakeCombo();
    const char* texts[] = { kText };
    AddItems(pCombo, texts, 1);
    pCombo->SetCurSel(0);
    pCombo->SetWindowPos(NULL, 0, 0, 120, 30, SWP_NOZORDER | SWP_NOMOVE);
    ASSERT_TRUE(MouseMoveTo(Inner(pCombo), 30, 8));
    // That move was pumped without the framework; this one goes through it.
    ::PostMessageA(Inner(pCombo), WM_MOUSEMOVE, 0, MAKELPARAM(30, 8));

    HWND hTip = NULL;
    char szTip[128] = "";
    // PumpUntil would dispatch without the framework: this loop pumps itself,
    // with a deadline that only catches a hang.
    bool shown = false;
    for (const DWORD start = ::GetTickCount(); !shown && ::GetTickCount() - start < 30000;)
    {
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        {
            if (!CWnd::WalkPreTranslateTree(NULL, &msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
        }
        ::EnumThreadWindows(::GetCurrentThreadId(), FindVisibleTip, (LPARAM)&hTip);
        // The text the tip shows.
        if (hTip != NULL && ::GetWindowTextA(hTip, szTip, sizeof(szTip)) > 0)
            shown = lstrcmpA(szTip, kText) == 0;
        if (!shown)
            ::MsgWaitForMultipleObjects(0, NULL, FALSE, 50, QS_ALLINPUT);
    }
    EXPECT_TRUE(shown) << "tip " << hTip << " \"" << szTip << "\"";
    CWnd::CancelToolTips();
}

} // namespace
