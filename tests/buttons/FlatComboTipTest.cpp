// The tooltip: the hit test, and the selected item's text only when it does
// not fit beside the drop button, the borders, a margin and the item image;
// both ANSI and wide requests.

#include "FlatComboFixture.h"

#include <string>

namespace {

using namespace flatcombotest;
using namespace testsupport;

const char kText[] = "A selected item with a rather long text";
const wchar_t kWideText[] = L"A selected item with a rather long text";
const int kImageWidth = 16;

struct TipRow
{
    bool wide;
    bool image;
    int extra;      // client width beyond text width + reserved room
    bool tip;
};

const TipRow kTips[] = {
    { false, false, 0, true  }, { false, false, 1, false },
    { false, true,  0, true  }, { false, true,  1, false },
    { true,  false, 0, true  }, { true,  false, 1, false },
    { true,  true,  0, true  }, { true,  true,  1, false },
};

class TipTest : public FlatComboTest, public ::testing::WithParamInterface<TipRow>
{
protected:
    void SetUp() override
    {
        FlatComboTest::SetUp();
        m_pCombo = MakeCombo();
        AddItems(m_pCombo, &m_pszText, 1);
        m_pCombo->SetCurSel(0);
        m_hTip = ::CreateWindowExA(0, TOOLTIPS_CLASSA, NULL, WS_POPUP, 0, 0, 0, 0, m_dlg.m_hWnd,
                                   NULL, NULL, NULL);
        ASSERT_NE((HWND)NULL, m_hTip);
        ASSERT_EQ(0, ::GetDlgCtrlID(m_hTip));
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
        HDC hdc = ::GetDC(NULL);
        HBITMAP hBitmap = ::CreateCompatibleBitmap(hdc, kImageWidth, 16);
        ::ReleaseDC(NULL, hdc);
        ImageList_Add(m_hImages, hBitmap, NULL);
        ::DeleteObject(hBitmap);
        m_pCombo->SendMessage(CBEM_SETIMAGELIST, 0, (LPARAM)m_hImages);
        COMBOBOXEXITEMA item = {};
        item.mask = CBEIF_IMAGE;
        item.iItem = 0;
        item.iImage = 0;
        m_pCombo->SendMessage(CBEM_SETITEMA, 0, (LPARAM)&item);
    }

    // Makes the control's client width text width + reserved + extra.
    void SizeFor(bool image, int extra)
    {
        HDC hdc = ::GetDC(m_pCombo->m_hWnd);
        HGDIOBJ hOld = ::SelectObject(hdc, (HFONT)m_pCombo->SendMessage(WM_GETFONT));
        SIZE size;
        ::GetTextExtentPoint32A(hdc, kText, lstrlenA(kText), &size);
        ::SelectObject(hdc, hOld);
        ::ReleaseDC(m_pCombo->m_hWnd, hdc);
        const int reserved = ::GetSystemMetrics(SM_CXHTHUMB) + 2 * ::GetSystemMetrics(SM_CXBORDER) + 8 +
                             (image ? kImageWidth : 0);
        CRect rcWindow, rcClient;
        m_pCombo->GetWindowRect(&rcWindow);
        m_pCombo->GetClientRect(&rcClient);
        const int cx = size.cx + reserved + extra + rcWindow.Width() - rcClient.Width();
        m_pCombo->SetWindowPos(NULL, 0, 0, cx, rcWindow.Height(), SWP_NOZORDER | SWP_NOMOVE);
        m_pCombo->GetClientRect(&rcClient);
        ASSERT_EQ(size.cx + reserved + extra, rcClient.Width());
    }

    template <class INFO>
    LRESULT Ask(INFO* pInfo, UINT code, UINT uFlags)
    {
        pInfo->hdr.hwndFrom = m_hTip;
        pInfo->hdr.idFrom = (UINT_PTR)Inner(m_pCombo);
        pInfo->hdr.code = code;
        pInfo->uFlags = uFlags;
        pInfo->hinst = ::GetModuleHandleA(NULL);
        return m_pCombo->SendMessage(WM_NOTIFY, 0, (LPARAM)pInfo);
    }

    CFlatCombo* m_pCombo = NULL;
    HWND m_hTip = NULL;
    HIMAGELIST m_hImages = NULL;
    const char* m_pszText = kText;
};

TEST_P(TipTest, ShowsTheTextOnlyWhenItDoesNotFit)
{
    const TipRow& row = GetParam();
    if (row.image)
        GiveImage();
    SizeFor(row.image, row.extra);
    if (!row.wide)
    {
        NMTTDISPINFOA info = {};
        Ask(&info, TTN_NEEDTEXTA, TTF_IDISHWND);
        if (row.tip)
        {
            ASSERT_NE(nullptr, info.lpszText);
            EXPECT_STREQ(kText, info.lpszText);
            EXPECT_EQ((HINSTANCE)NULL, info.hinst);
        }
        else
        {
            EXPECT_EQ(nullptr, info.lpszText);
            EXPECT_EQ(::GetModuleHandleA(NULL), info.hinst);
        }
    }
    else
    {
        NMTTDISPINFOW info = {};
        Ask(&info, TTN_NEEDTEXTW, TTF_IDISHWND);
        if (row.tip)
        {
            ASSERT_NE(nullptr, info.lpszText);
            EXPECT_EQ(std::wstring(kWideText), std::wstring(info.lpszText));
            EXPECT_EQ((HINSTANCE)NULL, info.hinst);
        }
        else
        {
            EXPECT_EQ(nullptr, info.lpszText);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, TipTest, ::testing::ValuesIn(kTips));

TEST_F(TipTest, RequestsForToolsWithoutAWindowIdAreNotAnswered)
{
    SizeFor(false, -50);
    NMTTDISPINFOA info = {};
    Ask(&info, TTN_NEEDTEXTA, 0);
    EXPECT_EQ(nullptr, info.lpszText);
    NMTTDISPINFOW wide = {};
    Ask(&wide, TTN_NEEDTEXTW, 0);
    EXPECT_EQ(nullptr, wide.lpszText);
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
