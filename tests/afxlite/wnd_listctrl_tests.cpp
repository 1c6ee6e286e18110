// CListCtrl: an owner-data list view answered through reflected
// notifications, the item members of an ordinary list view, and the image
// lists the control hands back when its window goes.

#include "wnd_fixture.h"

#include "PixelHelpers.h"
#include "Wow64Limits.h"

using namespace wndtest;
using namespace testsupport;

namespace {

const int IDC_LIST = 901;

// Supplies the rows of an owner-data list: "row N" and "sub N.S".
class COwnerDataList : public CListCtrl
{
public:
    int m_nDispInfoCalls = 0;
    int m_nCacheHints = 0;
    int m_nFirstHinted = -1;

protected:
    afx_msg void OnGetDispInfo(NMHDR* pNMHDR, LRESULT* pResult)
    {
        NMLVDISPINFOA* pInfo = (NMLVDISPINFOA*)pNMHDR;
        m_nDispInfoCalls++;
        if (pInfo->item.mask & LVIF_TEXT)
        {
            if (pInfo->item.iSubItem == 0)
                _snprintf(pInfo->item.pszText, pInfo->item.cchTextMax, "row %d", pInfo->item.iItem);
            else
                _snprintf(pInfo->item.pszText, pInfo->item.cchTextMax, "sub %d.%d",
                          pInfo->item.iItem, pInfo->item.iSubItem);
            pInfo->item.pszText[pInfo->item.cchTextMax - 1] = '\0';
        }
        *pResult = 0;
    }
    afx_msg void OnCacheHint(NMHDR* pNMHDR, LRESULT* pResult)
    {
        NMLVCACHEHINT* pHint = (NMLVCACHEHINT*)pNMHDR;
        m_nCacheHints++;
        m_nFirstHinted = pHint->iFrom;
        *pResult = 0;
    }
    afx_msg void OnFindItem(NMHDR* pNMHDR, LRESULT* pResult)
    {
        NMLVFINDITEMA* pFind = (NMLVFINDITEMA*)pNMHDR;
        // "row N" is row N
        int nRow = -1;
        if ((pFind->lvfi.flags & LVFI_STRING) && sscanf(pFind->lvfi.psz, "row %d", &nRow) != 1)
            nRow = -1;
        *pResult = nRow >= 0 && nRow < GetItemCount() ? nRow : -1;
    }
    // Wine's list view sends the wide form of this notification even to a
    // parent that answers WM_NOTIFYFORMAT with NFR_ANSI; Windows sends the
    // ANSI form there.
    afx_msg void OnFindItemW(NMHDR* pNMHDR, LRESULT* pResult)
    {
        NMLVFINDITEMW* pFind = (NMLVFINDITEMW*)pNMHDR;
        int nRow = -1;
        if ((pFind->lvfi.flags & LVFI_STRING) && swscanf(pFind->lvfi.psz, L"row %d", &nRow) != 1)
            nRow = -1;
        *pResult = nRow >= 0 && nRow < GetItemCount() ? nRow : -1;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COwnerDataList, CListCtrl)
    ON_NOTIFY_REFLECT(LVN_GETDISPINFOA, OnGetDispInfo)
    ON_NOTIFY_REFLECT(LVN_ODCACHEHINT, OnCacheHint)
    ON_NOTIFY_REFLECT(LVN_ODFINDITEMA, OnFindItem)
    ON_NOTIFY_REFLECT(LVN_ODFINDITEMW, OnFindItemW)
END_MESSAGE_MAP()

// The list's parent must be a framework window to reflect notifications.
class ListViews : public WndTest
{
protected:
    void SetUp() override
    {
        WndTest::SetUp();
        CRect rect(0, 0, 400, 300);
        ASSERT_TRUE(m_parent.CreateEx(0, NULL, "parent", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, rect,
                                      CWnd::FromHandle(Host()), 900));
    }
    void TearDown() override
    {
        m_parent.DestroyWindow();
        WndTest::TearDown();
    }

    CWnd m_parent;
};

TEST_F(ListViews, OwnerDataRowsComeFromTheReflectedNotifications)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    COwnerDataList list;
    CRect rect(0, 0, 300, 200);
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS,
                            rect, &m_parent, IDC_LIST));
    EXPECT_EQ(&list, CWnd::FromHandlePermanent(list.m_hWnd));
    char szClass[32];
    ::GetClassNameA(list.m_hWnd, szClass, sizeof(szClass));
    EXPECT_STREQ(WC_LISTVIEWA, szClass);

    EXPECT_EQ(0, list.InsertColumn(0, "Name", LVCFMT_LEFT, 120));
    EXPECT_EQ(1, list.InsertColumn(1, "Value", LVCFMT_RIGHT, 80, 1));
    EXPECT_EQ(120, list.GetColumnWidth(0));
    EXPECT_TRUE(list.SetColumnWidth(1, 90));
    EXPECT_EQ(90, list.GetColumnWidth(1));
    LVCOLUMNA column;
    ZeroMemory(&column, sizeof(column));
    column.mask = LVCF_FMT;
    ASSERT_TRUE(list.GetColumn(1, &column));
    EXPECT_EQ(LVCFMT_RIGHT, column.fmt & LVCFMT_JUSTIFYMASK);

    EXPECT_TRUE(list.SetItemCountEx(100000));
    EXPECT_EQ(100000, list.GetItemCount());
    EXPECT_STREQ("row 4711", list.GetItemText(4711, 0));
    EXPECT_STREQ("sub 99999.1", list.GetItemText(99999, 1));
    char szText[16];
    EXPECT_EQ(5, list.GetItemText(12, 0, szText, 6)) << "cut to the buffer";
    EXPECT_STREQ("row 1", szText);
    EXPECT_GT(list.m_nDispInfoCalls, 0);

    // scrolling and the visible page
    EXPECT_EQ(0, list.GetTopIndex());
    int nPerPage = list.GetCountPerPage();
    EXPECT_GT(nPerPage, 0);
    EXPECT_TRUE(list.EnsureVisible(5000, FALSE));
    int nTop = list.GetTopIndex();
    EXPECT_LE(nTop, 5000);
    EXPECT_GT(nTop + nPerPage, 5000);
    CRect rcItem;
    ASSERT_TRUE(list.GetItemRect(5000, &rcItem, LVIR_BOUNDS));
    CRect rcClient;
    list.GetClientRect(&rcClient);
    EXPECT_TRUE(rcClient.PtInRect(rcItem.CenterPoint()));
    UINT nFlags = 0;
    EXPECT_EQ(5000, list.HitTest(rcItem.CenterPoint(), &nFlags));
    EXPECT_TRUE(nFlags & LVHT_ONITEM);

    // painting asks for the visible rows only
    list.m_nDispInfoCalls = 0;
    EXPECT_TRUE(list.RedrawItems(nTop, nTop + 2));
    list.UpdateWindow();
    EXPECT_GT(list.m_nDispInfoCalls, 0);
    EXPECT_GE(list.m_nFirstHinted, nTop - 1);

    // selection state is kept by the list view itself
    EXPECT_TRUE(list.SetItemState(5001, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ((UINT)LVIS_SELECTED, list.GetItemState(5001, LVIS_SELECTED));
    EXPECT_EQ(1u, list.GetSelectedCount());
    EXPECT_EQ(5001, list.GetNextItem(-1, LVNI_SELECTED));
    POSITION pos = list.GetFirstSelectedItemPosition();
    ASSERT_NE((POSITION)NULL, pos);
    EXPECT_EQ(5001, list.GetNextSelectedItem(pos));
    EXPECT_EQ((POSITION)NULL, pos);

    // finding goes to the owner
    LVFINDINFOA find;
    ZeroMemory(&find, sizeof(find));
    find.flags = LVFI_STRING;
    find.psz = "row 321";
    EXPECT_EQ(321, list.FindItem(&find));

    list.DestroyWindow();
}

TEST_F(ListViews, ItemMembersOfAnOrdinaryListView)
{
    CListCtrl list;
    CRect rect(0, 0, 300, 200);
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, rect, &m_parent, IDC_LIST));
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
    list.InsertColumn(1, "Value", LVCFMT_LEFT, 100);

    EXPECT_EQ(0, list.InsertItem(0, "first"));
    EXPECT_EQ(1, list.InsertItem(1, "second", 0));
    EXPECT_EQ(0, list.InsertItem(LVIF_TEXT | LVIF_PARAM, 0, "zeroth", 0, 0, 0, (LPARAM)77));
    EXPECT_EQ(3, list.GetItemCount());
    EXPECT_STREQ("zeroth", list.GetItemText(0, 0));
    EXPECT_EQ((DWORD_PTR)77, list.GetItemData(0));

    // item data is pointer wide
    static int s_target;
    EXPECT_TRUE(list.SetItemData(1, (DWORD_PTR)&s_target));
    EXPECT_EQ((DWORD_PTR)&s_target, list.GetItemData(1));
    EXPECT_EQ((DWORD_PTR)0, list.GetItemData(17)) << "no such item";

    EXPECT_TRUE(list.SetItemText(2, 1, "two-one"));
    EXPECT_STREQ("two-one", list.GetItemText(2, 1));
    // a text longer than the first buffer the member tries
    std::string strLong(700, 'x');
    EXPECT_TRUE(list.SetItemText(2, 0, strLong.c_str()));
    EXPECT_EQ(strLong, std::string(list.GetItemText(2, 0)));

    EXPECT_TRUE(list.SetItem(1, 0, LVIF_TEXT | LVIF_STATE, "changed", 0, LVIS_SELECTED, LVIS_SELECTED, 0));
    EXPECT_STREQ("changed", list.GetItemText(1, 0));
    EXPECT_EQ(1u, list.GetSelectedCount());

    LVITEMA item;
    ZeroMemory(&item, sizeof(item));
    item.mask = LVIF_TEXT;
    item.iItem = 1;
    char szText[32];
    item.pszText = szText;
    item.cchTextMax = sizeof(szText);
    ASSERT_TRUE(list.GetItem(&item));
    EXPECT_STREQ("changed", szText);

    LVFINDINFOA find;
    ZeroMemory(&find, sizeof(find));
    find.flags = LVFI_PARAM;
    find.lParam = 77;
    EXPECT_EQ(0, list.FindItem(&find));

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(2, list.GetItemCount());
    EXPECT_FALSE(list.DeleteItem(5));
    EXPECT_TRUE(list.DeleteColumn(1));
    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(0, list.GetItemCount());

    DWORD dwOld = list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    EXPECT_EQ(0u, dwOld & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES));
    EXPECT_EQ((DWORD)(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES),
              list.GetExtendedStyle() & (LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES));
    CHeaderCtrl* pHeader = list.GetHeaderCtrl();
    ASSERT_NE((CHeaderCtrl*)NULL, pHeader);
    EXPECT_EQ(1, pHeader->GetItemCount());

    list.DestroyWindow();
}

TEST_F(ListViews, ImageListsOfObjectsOutliveTheListViewWindow)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    CImageList images;
    ASSERT_TRUE(images.Create(16, 16, ILC_COLOR24 | ILC_MASK, 0, 4));
    EXPECT_EQ(&images, CImageList::FromHandlePermanent(images.m_hImageList));
    EXPECT_FALSE(images.Create(16, 16, ILC_COLOR24, 0, 4)) << "an object holds one image list";

    CListCtrl list;
    CRect rect(0, 0, 200, 100);
    ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, rect, &m_parent, IDC_LIST));
    EXPECT_EQ((CImageList*)NULL, list.SetImageList(&images, LVSIL_SMALL));
    EXPECT_EQ(&images, list.GetImageList(LVSIL_SMALL));

    // the list view would destroy the image list with itself; the control
    // takes back those an object owns before it goes
    list.DestroyWindow();
    int cx = 0;
    int cy = 0;
    EXPECT_TRUE(ImageList_GetIconSize(images.m_hImageList, &cx, &cy));
    EXPECT_EQ(16, cx);

    // a full copy is independent of the original
    CImageList copy;
    ASSERT_TRUE(copy.Create(&images));
    EXPECT_NE(images.m_hImageList, copy.m_hImageList);
    EXPECT_TRUE(images.DeleteImageList());
    EXPECT_EQ((HIMAGELIST)NULL, images.m_hImageList);
    EXPECT_TRUE(ImageList_GetIconSize(copy.m_hImageList, &cx, &cy));
    EXPECT_FALSE(copy.Create((CImageList*)NULL));

    // Detach hands the handle over
    HIMAGELIST hCopy = copy.Detach();
    EXPECT_EQ((CImageList*)NULL, CImageList::FromHandlePermanent(hCopy));
    CImageList* pTemp = CImageList::FromHandle(hCopy);
    EXPECT_EQ(hCopy, pTemp->m_hImageList);
    CImageList::DeleteTempMap();
    EXPECT_TRUE(ImageList_GetIconSize(hCopy, &cx, &cy)) << "a temporary never destroys its list";
    ImageList_Destroy(hCopy);
}

TEST_F(ListViews, SubclassedDialogListViewKeepsItsOwnerDataStyle)
{
    // a list view created by someone else, subclassed afterwards
    HWND hList = ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA,
                                   0, 0, 200, 100, m_parent.m_hWnd, (HMENU)(INT_PTR)IDC_LIST,
                                   ::GetModuleHandleA(NULL), NULL);
    ASSERT_NE((HWND)NULL, hList);
    COwnerDataList list;
    ASSERT_TRUE(list.SubclassDlgItem(IDC_LIST, &m_parent));
    list.InsertColumn(0, "Name", LVCFMT_LEFT, 100);
    list.SetItemCount(10);
    EXPECT_STREQ("row 9", list.GetItemText(9, 0));
    EXPECT_TRUE(list.GetStyle() & LVS_OWNERDATA);
    list.DestroyWindow();
    EXPECT_FALSE(::IsWindow(hList));
}

} // namespace
