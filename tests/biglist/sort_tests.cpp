// sort_tests.cpp - sorting the big list by column: clicks on the header,
// the direction rules, rows and keys after a sort.
#include <gtest/gtest.h>

#include "BigListFixture.h"
#include "InputHelpers.h"
#include "StoreModel.h"
#include "Wow64Limits.h"

using namespace testsupport;

namespace {

class BigListSort : public BigListFixture
{
protected:
    DWORD tid = ::GetCurrentThreadId();
    StoreModel model;

    // Keys in a scrambled order, data in another, so that the two columns
    // sort differently.
    void Fill(int n)
    {
        for (long i = 0; i < n; ++i)
        {
            const long nKey = (i * 37) % n;
            void* pData = FakeData((i * 11) % n);
            List().InsertItem(i, nKey, pData, tid);
            model.Insert(i, nKey, pData);
        }
        List().SetItemCountEx(List().GetItemCount(), LVSICF_NOINVALIDATEALL);
        Pump();
    }

    void ClickHeader(int nColumn)
    {
        HWND hHeader = reinterpret_cast<HWND>(::SendMessageA(ListHwnd(), LVM_GETHEADER, 0, 0));
        ASSERT_TRUE(hHeader != NULL);
        RECT rc;
        ASSERT_TRUE(::SendMessageA(hHeader, HDM_GETITEMRECT, nColumn, reinterpret_cast<LPARAM>(&rc)));
        // Each click is a new one (a double click would sort nothing).
        LeftClick(hHeader, (rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    }

    void ExpectSortedLike(const StoreModel& m, int line)
    {
        SCOPED_TRACE(testing::Message() << "called from line " << line);
        EXPECT_EQ("", CompareWithModel(List(), m));
        // Keys find the rows they were moved to.
        for (int i = 0; i < List().GetItemCount(); ++i)
        {
            void* pData = NULL;
            ASSERT_EQ(i, List().FindItem(List().Slot(i)->m_nKey, pData, tid));
            ASSERT_EQ(List().Slot(i)->m_pData, pData);
        }
        EXPECT_EQ(0, List().sortIndexFaults);
    }
};

TEST_F(BigListSort, HeaderClicksSortAndTurnTheDirection)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    CreateList();
    Fill(60);
    PaintList();

    // First click: the comparison's results negated, i.e. descending.
    ClickHeader(1);
    model.Sort(1);
    EXPECT_EQ(1, List().SortColumn());
    EXPECT_EQ(TRUE, List().ReverseSort());
    ExpectSortedLike(model, __LINE__);
    EXPECT_GT(List().sortCompares, 0);

    // The same column again: as returned, ascending.
    ClickHeader(1);
    model.Sort(1);
    EXPECT_EQ(FALSE, List().ReverseSort());
    ExpectSortedLike(model, __LINE__);
    EXPECT_EQ(FakeData(0), List().Slot(0)->m_pData);

    // Another column: negated again.
    ClickHeader(0);
    model.Sort(0);
    EXPECT_EQ(0, List().SortColumn());
    EXPECT_EQ(TRUE, List().ReverseSort());
    ExpectSortedLike(model, __LINE__);
    EXPECT_EQ(59, List().Slot(0)->m_nKey);
}

TEST_F(BigListSort, ColumnClickNotificationSortsAndRepaints)
{
    CreateList();
    Fill(20);
    PaintList();
    NMLISTVIEW nm;
    ::ZeroMemory(&nm, sizeof(nm));
    nm.hdr.hwndFrom = ListHwnd();
    nm.hdr.idFrom = kListId;
    nm.hdr.code = LVN_COLUMNCLICK;
    nm.iItem = -1;
    nm.iSubItem = 2;
    EXPECT_EQ(0, ::SendMessageA(Panel().GetSafeHwnd(), WM_NOTIFY, kListId, reinterpret_cast<LPARAM>(&nm)));
    model.Sort(2);
    ExpectSortedLike(model, __LINE__);
    RECT rcUpdate;
    ASSERT_TRUE(::GetUpdateRect(ListHwnd(), &rcUpdate, FALSE));
    RECT rcClient;
    ::GetClientRect(ListHwnd(), &rcClient);
    EXPECT_TRUE(::EqualRect(&rcUpdate, &rcClient)) << "the whole client area";
}

TEST_F(BigListSort, DefaultComparisonKeepsTheOrder)
{
    CreateList();
    Fill(50);
    List().useDefaultSort = true;
    List().OnSortItems(0);
    List().OnSortItems(0);
    List().OnSortItems(1);
    EXPECT_GT(List().sortCompares, 0);
    ExpectSortedLike(model, __LINE__);
}

TEST(BigListSortLarge, HundredThousandRowsKeepTheirIndexAndKeys)
{
    CTestBigList list;
    const DWORD tid = ::GetCurrentThreadId();
    const long n = 100000;
    for (long i = 0; i < n; ++i)
        list.InsertItem(i, static_cast<long>((i * 7919LL) % n), FakeData(static_cast<long>((i * 104729LL) % n)), tid);
    list.OnSortItems(1);
    EXPECT_EQ(0, list.sortIndexFaults);
    EXPECT_EQ("", list.InvariantFaults());
    for (long i = 0; i < n; ++i)
        ASSERT_EQ(FakeData(n - 1 - i), list.Slot(i)->m_pData) << i;
    for (long k = 0; k < n; k += 997)
    {
        void* pData = NULL;
        const long nRow = list.FindItem(k, pData, tid);
        ASSERT_GE(nRow, 0);
        ASSERT_EQ(k, list.Slot(nRow)->m_nKey);
    }
    // One or no item: nothing to compare.
    CTestBigList one;
    one.InsertItem(0, 1, FakeData(1), tid);
    one.OnSortItems(0);
    EXPECT_EQ(0, one.sortCompares);
}

} // namespace
