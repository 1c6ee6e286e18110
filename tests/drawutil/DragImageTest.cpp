// Tests of CreateDragImageEx on a real report-view list: the image is the
// union of the selected items' bounds, each item's own drag image at its
// place, "More ..." at the place of the first item past the limit, labels
// by hand for items not wholly visible, the key colour transparent; the hot
// spot; and the list left as it was.
#include <afxwin.h>
#include <afxcmn.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "DragImage.h"
#include "DrawUtilTestSeam.h"
#include "ImportPatch.h"
#include "TestCanvas.h"
#include "TestHostWindow.h"
#include "Wow64Limits.h"

namespace {

const COLORREF kKey = RGB(0, 128, 128);
const COLORREF kBehind = RGB(255, 0, 255);   // what the image's transparent pixels show

CRect ItemRect(CListCtrl& list, int nItem, UINT nCode)
{
    CRect rc;
    list.GetItemRect(nItem, &rc, nCode);
    return rc;
}

bool CornersVisible(CListCtrl& list, const CRect& rc)
{
    CRect client;
    list.GetClientRect(&client);
    client.InflateRect(0, 0, 1, 1);
    return client.PtInRect(rc.TopLeft()) && client.PtInRect(rc.BottomRight());
}

// Image 0 of h drawn over kBehind.
std::unique_ptr<TestCanvas> Drawn(HIMAGELIST h)
{
    int cx = 0, cy = 0;
    ImageList_GetIconSize(h, &cx, &cy);
    std::unique_ptr<TestCanvas> p(new TestCanvas(cx, cy, kBehind));
    ImageList_Draw(h, 0, p->Dc(), 0, 0, ILD_NORMAL);
    return p;
}

// A copy of a canvas in a bitmap that no device context holds.
HBITMAP CopyOf(const TestCanvas& canvas)
{
    HBITMAP h = testsupport::CreateTopDownDib(NULL, canvas.Width(), canvas.Height());
    HDC hdc = ::CreateCompatibleDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hdc, h);
    ::BitBlt(hdc, 0, 0, canvas.Width(), canvas.Height(), canvas.Dc(), 0, 0, SRCCOPY);
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    return h;
}

// A picture as it comes out of an image list of the platform's default
// depth with its key-colour pixels transparent, drawn over kBehind.
std::unique_ptr<TestCanvas> AsMaskedImage(const TestCanvas& picture)
{
    HIMAGELIST h = ImageList_Create(picture.Width(), picture.Height(), ILC_COLOR, 1, 0);
    HBITMAP hCopy = CopyOf(picture);
    ImageList_Add(h, hCopy, NULL);
    ::DeleteObject(hCopy);
    std::unique_ptr<TestCanvas> p = Drawn(h);
    ImageList_Destroy(h);
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            if (picture.At(x, y) == kKey)
                p->Set(x, y, kBehind);
    return p;
}

// Ten items with icons in a report list whose text colour is not the
// window-text colour, so labels drawn by hand differ from the list's own.
class DragImageTest : public testsupport::HostWindowTest
{
protected:
    void SetUp() override
    {
        HostWindowTest::SetUp();
        // Image lists and list views' drag images need device contexts,
        // which 32-bit processes lack here.
        SKIP_IF_WOW64_LIMIT(DeviceContexts);
        AfxSetResourceHandle(::GetModuleHandle(NULL));   // it holds another string 41011
        ASSERT_TRUE(m_icons.Create(16, 16, ILC_COLOR24 | ILC_MASK, 2, 0));
        for (COLORREF colour : { RGB(255, 0, 0), RGB(0, 0, 255) })
        {
            TestCanvas square(16, 16, RGB(255, 255, 255));
            const RECT rcSquare = { 3, 3, 13, 13 };
            CBrush brush(colour);
            ::FillRect(square.Dc(), &rcSquare, brush);
            HBITMAP h = CopyOf(square);
            ImageList_AddMasked(m_icons.GetSafeHandle(), h, RGB(255, 255, 255));
            ::DeleteObject(h);
        }
        m_font.CreateFont(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                          CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, _T("Tahoma"));
        ASSERT_TRUE(m_list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS,
                                  CRect(10, 10, 230, 290), CWnd::FromHandle(Host()), 1001));
        m_list.SetFont(&m_font, FALSE);
        m_list.SetImageList(&m_icons, LVSIL_SMALL);
        m_list.SetTextColor(RGB(0, 128, 0));
        m_list.InsertColumn(0, _T("Name"), LVCFMT_LEFT, 150);
        for (int i = 0; i < 10; ++i)
        {
            CString text;
            text.Format(_T("Item %d"), i);
            m_list.InsertItem(i, text, i % 2);
        }
    }
    void TearDown() override
    {
        m_list.DestroyWindow();
        HostWindowTest::TearDown();
    }

    void Select(const std::vector<int>& items)
    {
        m_list.SetItemState(-1, 0, LVIS_SELECTED);
        for (int i : items)
            m_list.SetItemState(i, LVIS_SELECTED, LVIS_SELECTED);
    }

    // Everything of the list the call must leave alone.
    std::string ListState()
    {
        std::ostringstream s;
        for (int i = 0; i < m_list.GetItemCount(); ++i)
            s << m_list.GetItemState(i, LVIS_SELECTED | LVIS_FOCUSED) << ",";
        s << " images " << m_list.GetImageList(LVSIL_SMALL) << "/" << m_list.GetImageList(LVSIL_NORMAL)
          << "/" << m_list.GetImageList(LVSIL_STATE) << " count " << m_icons.GetImageCount() << " font "
          << m_list.GetFont()->GetSafeHandle() << " top " << m_list.GetTopIndex() << " scrolled "
          << m_list.GetScrollPos(SB_HORZ) << " colours " << m_list.GetTextColor() << "/" << m_list.GetBkColor();
        return s.str();
    }

    // The picture the call is to make before the key colour turns
    // transparent: the union of the bounds of the items drawn and of the
    // first one past the limit; the items' own drag images at their places;
    // "More ..." and the labels of items not wholly visible.
    std::unique_ptr<TestCanvas> ExpectedPicture(const std::vector<int>& sel, int nMax)
    {
        const int nDrawn = std::min<int>(sel.size(), nMax);
        const int nCovered = std::min<int>(sel.size(), nMax + 1);
        CRect u = ItemRect(m_list, sel[0], LVIR_BOUNDS);
        for (int k = 1; k < nCovered; ++k)
            u |= ItemRect(m_list, sel[k], LVIR_BOUNDS);
        m_origin = u.TopLeft();
        std::unique_ptr<TestCanvas> p(new TestCanvas(u.Width(), u.Height(), kKey));
        HDC hdc = p->Dc();
        ::SelectObject(hdc, m_font);
        ::SetTextColor(hdc, ::GetSysColor(COLOR_WINDOWTEXT));
        ::SetBkMode(hdc, TRANSPARENT);
        for (int k = 0; k < nCovered; ++k)
        {
            CRect r = ItemRect(m_list, sel[k], LVIR_BOUNDS);
            const CString text = k < nDrawn ? m_list.GetItemText(sel[k], 0) : CString("More ...");
            SIZE ext;
            ::GetTextExtentPoint32A(hdc, text, text.GetLength(), &ext);
            const int yText = r.top - u.top + (r.Height() - ext.cy) / 2;
            if (k == nDrawn)
            {
                ::TextOutA(hdc, r.left - u.left + 1, yText, text, text.GetLength());
                break;
            }
            POINT pt;
            HIMAGELIST h = (HIMAGELIST)m_list.SendMessage(LVM_CREATEDRAGIMAGE, sel[k], (LPARAM)&pt);
            IMAGEINFO info;
            ImageList_GetImageInfo(h, 0, &info);
            ImageList_Draw(h, 0, hdc, r.left - u.left, r.top - u.top, ILD_NORMAL);
            ImageList_Destroy(h);
            r.right = r.left + (info.rcImage.right - info.rcImage.left);
            if (!CornersVisible(m_list, r))
                ::TextOutA(hdc, ItemRect(m_list, sel[k], LVIR_ICON).right - u.left + 2, yText, text,
                           text.GetLength());
        }
        ::SelectObject(hdc, ::GetStockObject(SYSTEM_FONT));
        return p;
    }

    CImageList m_icons;
    CFont m_font;
    CListCtrl m_list;
    CPoint m_origin;   // the union's top-left corner, list client coordinates
};

struct DragCase
{
    const char* name;
    std::vector<int> selected;
    int nMaxItems;
    int nCutAt;        // item that the list's bottom edge cuts through, or -1
    bool bKeyBackground;
};

class DragImageCaseTest : public DragImageTest, public ::testing::WithParamInterface<DragCase>
{
};

TEST_P(DragImageCaseTest, DrawsTheSelectionAsExpected)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    const DragCase& c = GetParam();
    if (c.bKeyBackground)
    {
        m_list.SetBkColor(kKey);
        m_list.SetTextBkColor(kKey);
    }
    if (c.nCutAt >= 0)
    {
        const CRect rc = ItemRect(m_list, c.nCutAt, LVIR_BOUNDS);
        m_list.SetWindowPos(NULL, 0, 0, 220, rc.top + rc.Height() / 2, SWP_NOMOVE | SWP_NOZORDER);
        ASSERT_FALSE(CornersVisible(m_list, ItemRect(m_list, c.nCutAt, LVIR_BOUNDS)));
    }
    Select(c.selected);
    const std::string before = ListState();

    std::unique_ptr<CImageList> pImage(CreateDragImageEx(&m_list, NULL, c.nMaxItems));
    ASSERT_NE(nullptr, pImage);
    EXPECT_EQ(before, ListState());
    EXPECT_EQ(1, pImage->GetImageCount());
    std::unique_ptr<TestCanvas> pDrawn = Drawn(pImage->GetSafeHandle());
    EXPECT_TRUE(SamePixels(*pDrawn, *AsMaskedImage(*ExpectedPicture(c.selected, c.nMaxItems))));
    if (c.bKeyBackground)
    {
        // The key colour inside the items' own images is transparent too.
        const CRect icon = ItemRect(m_list, c.selected[0], LVIR_ICON);
        EXPECT_EQ(kBehind, pDrawn->At(icon.left - m_origin.x + 1, icon.top - m_origin.y + 1));
    }
}

INSTANTIATE_TEST_SUITE_P(Selections, DragImageCaseTest, ::testing::Values(
    DragCase{ "ThreeOfFive", { 0, 2, 4 }, 5, -1, false },
    DragCase{ "EightOfFive", { 0, 1, 2, 3, 4, 5, 6, 7 }, 5, -1, false },   // "More ..." on 5; 6, 7 left out
    DragCase{ "ExactlyFive", { 1, 2, 3, 4, 5 }, 5, -1, false },
    DragCase{ "MaxZero", { 1, 3 }, 0, -1, false },                // item 1's size, "More ..." only
    DragCase{ "PartlyVisible", { 2, 4 }, 5, 4, false },           // item 4's label drawn by hand
    DragCase{ "KeyColourInItems", { 0, 1, 2 }, 5, -1, true }),
    [](const ::testing::TestParamInfo<DragCase>& info) { return std::string(info.param.name); });

TEST_F(DragImageTest, HotSpotIsTheCursorInsideTheImage)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    Select({ 3, 4, 6 });
    CPoint cursor(60, 90);
    m_list.ClientToScreen(&cursor);
    ::SetCursorPos(cursor.x, cursor.y);
    POINT hot = { -1, -1 };
    std::unique_ptr<CImageList> pWith(CreateDragImageEx(&m_list, &hot, 5));
    ASSERT_NE(nullptr, pWith);
    POINT now;
    ::GetCursorPos(&now);
    CPoint corner = ItemRect(m_list, 3, LVIR_BOUNDS).TopLeft();
    m_list.ClientToScreen(&corner);
    EXPECT_EQ(now.x - corner.x, hot.x);
    EXPECT_EQ(now.y - corner.y, hot.y);

    // Without a hot spot the image is the same.
    std::unique_ptr<CImageList> pWithout(CreateDragImageEx(&m_list, NULL, 5));
    ASSERT_NE(nullptr, pWithout);
    EXPECT_TRUE(SamePixels(*Drawn(pWith->GetSafeHandle()), *Drawn(pWithout->GetSafeHandle())));
}

TEST_F(DragImageTest, NoSelectionGivesNoImage)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    Select({});
    POINT hot = { 7, 7 };
    EXPECT_EQ(nullptr, CreateDragImageEx(&m_list, &hot, 5));
    EXPECT_EQ(7, hot.x);
}

HDC WINAPI NoDc(HWND)
{
    return NULL;
}

// A list whose device context cannot be had: no image, and nothing thrown
// (whichever module asks for the context).
TEST_F(DragImageTest, NoDeviceContextGivesNoImage)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    Select({ 3, 4 });
    testsupport::ImportPatch libraryDc(::GetModuleHandleA("Tessarine.dll"), "user32.dll", "GetDC",
                                       reinterpret_cast<const void*>(&NoDc));
    testsupport::ImportPatch layerDc(::GetModuleHandleA("afxlite.dll"), "user32.dll", "GetDC",
                                     reinterpret_cast<const void*>(&NoDc));
    ASSERT_TRUE(libraryDc.Active() || layerDc.Active());
    bool bThrown = false;
    CImageList* pImage = reinterpret_cast<CImageList*>(1);
    try
    {
        pImage = CreateDragImageEx(&m_list, NULL, 5);
    }
    catch (CException* e)
    {
        e->Delete();
        bThrown = true;
    }
    EXPECT_FALSE(bThrown);
    EXPECT_EQ(nullptr, pImage);
}

// The library's string, whatever the host's resources hold under its
// number, and the literal when the string is missing.
TEST(DragImageOverflowText, LibraryStringOrTheLiteral)
{
    AfxSetResourceHandle(::GetModuleHandle(NULL));
    for (UINT nID : { 41011u, 40999u })
    {
        CString text;
        TessarineTestOverflowText(&text, nID);
        EXPECT_STREQ("More ...", text) << nID;
        EXPECT_EQ(::GetModuleHandle(NULL), AfxGetResourceHandle());
    }
}

} // namespace
