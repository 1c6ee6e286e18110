// control_tests.cpp - the big list on a real owner-data list view: what the
// store tells the list view, what the list view asks, the closing paths.
#include <gtest/gtest.h>

#include "BigListFixture.h"
#include "HeapCounter.h"
#include "PixelHelpers.h"
#include "Wow64Limits.h"

using namespace testsupport;

namespace {

class BigListView : public BigListFixture
{
protected:
    DWORD tid = ::GetCurrentThreadId();

    // n items with keys 100.. and data FakeData(0..), announced to the view.
    void Fill(int n, bool bAnnounce = true)
    {
        for (long i = 0; i < n; ++i)
            List().InsertItem(i, 100 + i, FakeData(i), tid);
        if (bAnnounce)
            List().SetItemCountEx(List().GetItemCount(), LVSICF_NOINVALIDATEALL);
        Pump();
        Recorder().Flush();
    }
    void* DeleteRow(int nRow)
    {
        LVITEMA item;
        ::ZeroMemory(&item, sizeof(item));
        item.iItem = nRow;
        return List().DeleteItem(&item, tid);
    }
    int TopIndex() { return static_cast<int>(::SendMessageA(ListHwnd(), LVM_GETTOPINDEX, 0, 0)); }
};

const WPARAM kNoInvalidateAll = LVSICF_NOINVALIDATEALL;

TEST_F(BigListView, NothingIsVisibleBeforeTheFirstCacheHint)
{
    CreateList();
    Fill(30, false);   // the view still counts 0 rows and asks for nothing
    EXPECT_EQ(-1, List().FirstVisible());
    for (int i = 0; i <= 31; ++i)
        EXPECT_FALSE(List().IsVisibleItem(i)) << i;

    // So a delete redraws nothing; it only sets the count.
    static const MsgEntry deleteSeq[] = {
        { LVM_SETITEMCOUNT, sent | wparam | lparam, 29, kNoInvalidateAll },
        { 0 }
    };
    EXPECT_EQ(FakeData(3), DeleteRow(3));
    EXPECT_SEQUENCE("list", deleteSeq, "delete row 3 before any hint");

    // Inserting never talks to the list view.
    static const MsgEntry nothing[] = { { 0 } };
    List().InsertItem(0, 999, FakeData(999), tid);
    List().InsertItem(50, 998, FakeData(998), tid);
    EXPECT_SEQUENCE("list", nothing, "inserts");
}

TEST_F(BigListView, CacheHintTakesTheRangeFromTheView)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    CreateList();
    Fill(100);
    PaintList();
    const int perPage = CountPerPage();
    ASSERT_GT(perPage, 5);
    EXPECT_EQ(0, List().FirstVisible());
    EXPECT_EQ(perPage, List().LastVisible());

    // Scrolled to the end: the range ends at the item count.
    ::SendMessageA(ListHwnd(), LVM_ENSUREVISIBLE, 99, FALSE);
    PaintList();
    const int top = TopIndex();
    ASSERT_EQ(100 - perPage, top);
    EXPECT_EQ(top, List().FirstVisible());
    EXPECT_EQ(100, List().LastVisible());
    EXPECT_TRUE(List().IsVisibleItem(top));
    EXPECT_TRUE(List().IsVisibleItem(100));
    EXPECT_FALSE(List().IsVisibleItem(top - 1));

    // The hint's own numbers do not count.
    NMLVCACHEHINT hint;
    ::ZeroMemory(&hint, sizeof(hint));
    hint.hdr.hwndFrom = ListHwnd();
    hint.hdr.idFrom = kListId;
    hint.hdr.code = LVN_ODCACHEHINT;
    hint.iFrom = 3;
    hint.iTo = 4;
    EXPECT_EQ(0, ::SendMessageA(Panel().GetSafeHwnd(), WM_NOTIFY, kListId, reinterpret_cast<LPARAM>(&hint)));
    EXPECT_EQ(top, List().FirstVisible());
    EXPECT_EQ(100, List().LastVisible());
}

TEST_F(BigListView, CacheHintRangeStopsAtTheItemCount)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    CreateList();
    Fill(3);
    PaintList();
    EXPECT_EQ(0, List().FirstVisible());
    EXPECT_EQ(3, List().LastVisible());
}

TEST_F(BigListView, DeletesRedrawOnlyVisibleRows)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    CreateList();
    Fill(100);
    PaintList();
    const int perPage = CountPerPage();
    Recorder().Flush();

    // Row 3 is on screen: the former last row is drawn there.
    static const MsgEntry visibleRow[] = {
        { LVM_REDRAWITEMS, sent | wparam | lparam, 3, 3 },
        { LVM_SETITEMCOUNT, sent | wparam | lparam, 99, kNoInvalidateAll },
        { 0 }
    };
    EXPECT_EQ(FakeData(3), DeleteRow(3));
    EXPECT_SEQUENCE("list", visibleRow, "delete visible row 3");
    EXPECT_EQ(FakeData(99), List().Slot(3)->m_pData);

    // A row below the page changes nothing on screen.
    static const MsgEntry hiddenRow[] = {
        { LVM_SETITEMCOUNT, sent | wparam | lparam, 98, kNoInvalidateAll },
        { 0 }
    };
    EXPECT_EQ(FakeData(50), DeleteRow(50));
    EXPECT_SEQUENCE("list", hiddenRow, "delete hidden row 50");

    // By key: the count first, then the row that received the last item.
    static const MsgEntry visibleKey[] = {
        { LVM_SETITEMCOUNT, sent | wparam | lparam, 97, kNoInvalidateAll },
        { LVM_REDRAWITEMS, sent | wparam | lparam, 1, 1 },
        { 0 }
    };
    long nIndex = -1;
    EXPECT_EQ(FakeData(1), List().DeleteItem(101L, &nIndex, tid));
    EXPECT_EQ(1, nIndex);
    EXPECT_SEQUENCE("list", visibleKey, "delete key 101 on row 1");

    static const MsgEntry hiddenKey[] = {
        { LVM_SETITEMCOUNT, sent | wparam | lparam, 96, kNoInvalidateAll },
        { 0 }
    };
    const long nHiddenKey = List().Slot(perPage + 10)->m_nKey;
    EXPECT_NE(static_cast<void*>(NULL), List().DeleteItem(nHiddenKey, &nIndex, tid));
    EXPECT_EQ(perPage + 10, nIndex);
    EXPECT_SEQUENCE("list", hiddenKey, "delete a key below the page");

    // Failed deletes say nothing to the list view.
    static const MsgEntry nothing[] = { { 0 } };
    EXPECT_EQ(NULL, DeleteRow(96));
    EXPECT_EQ(NULL, List().DeleteItem(5000L, &nIndex, tid));
    EXPECT_SEQUENCE("list", nothing, "failed deletes");
    EXPECT_EQ("", List().InvariantFaults());
}

TEST_F(BigListView, DeletingTheOnlyItemRedrawsRowZero)
{
    CreateList();
    Fill(1);
    static const MsgEntry byRow[] = {
        { LVM_REDRAWITEMS, sent | wparam | lparam, 0, 0 },
        { LVM_SETITEMCOUNT, sent | wparam | lparam, 0, kNoInvalidateAll },
        { 0 }
    };
    EXPECT_EQ(FakeData(0), DeleteRow(0));
    EXPECT_SEQUENCE("list", byRow, "delete the only row");
    EXPECT_EQ(0, List().GetItemCount());
    EXPECT_EQ(0, ViewItemCount());

    List().InsertItem(0, 7, FakeData(7), tid);
    static const MsgEntry byKey[] = {
        { LVM_REDRAWITEMS, sent | wparam | lparam, 0, 0 },
        { LVM_SETITEMCOUNT, sent | wparam | lparam, 0, kNoInvalidateAll },
        { 0 }
    };
    EXPECT_EQ(FakeData(7), List().DeleteItem(7L, NULL, tid));
    EXPECT_SEQUENCE("list", byKey, "delete the only key");
    EXPECT_EQ(0, List().GetItemCount());
    EXPECT_EQ(0u, List().MapSize());
}

TEST_F(BigListView, SetRedrawsItsRowOnlyWhenVisible)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    CreateList();
    Fill(100);
    PaintList();
    Recorder().Flush();
    static const MsgEntry visible[] = {
        { LVM_REDRAWITEMS, sent | wparam | lparam, 2, 2 },
        { 0 }
    };
    EXPECT_EQ(TRUE, List().SetItemText(2, 0, "two", tid));
    EXPECT_SEQUENCE("list", visible, "set row 2");
    static const MsgEntry nothing[] = { { 0 } };
    EXPECT_EQ(TRUE, List().SetItemText(90, 0, "ninety", tid));
    EXPECT_EQ(TRUE, List().SetItemText(100, 0, "none", tid));
    EXPECT_SEQUENCE("list", nothing, "set hidden and missing rows");
    EXPECT_EQ(2u, List().CountCalls(CallbackCall::kSetItem));
}

TEST_F(BigListView, DeleteAllResetsCountWithoutScrolling)
{
    CreateList();
    Fill(40);
    static const MsgEntry deleteAll[] = {
        { LVM_SETITEMCOUNT, sent | wparam | lparam, 0, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL },
        { 0 }
    };
    List().calls.clear();
    EXPECT_EQ(TRUE, List().DeleteAllItems(tid));
    EXPECT_SEQUENCE("list", deleteAll, "delete all");
    EXPECT_EQ(40u, List().CountCalls(CallbackCall::kDeleteAll));
    EXPECT_EQ(0, ViewItemCount());
    EXPECT_EQ(2048, List().ArraySize());
    // The whole client area is to be repainted.
    RECT rcUpdate;
    EXPECT_TRUE(::GetUpdateRect(ListHwnd(), &rcUpdate, FALSE));

    // Nothing left: no callback, no count change, no repaint.
    Pump();
    PaintList();
    Recorder().Flush();
    List().calls.clear();
    static const MsgEntry nothing[] = { { 0 } };
    EXPECT_EQ(TRUE, List().DeleteAllItems(tid));
    EXPECT_SEQUENCE("list", nothing, "delete all on empty");
    EXPECT_EQ(0u, List().calls.size());
    EXPECT_FALSE(::GetUpdateRect(ListHwnd(), &rcUpdate, FALSE));
}

TEST_F(BigListView, PaintAsksOnlyForExistingRowsAndDrawsTheirText)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    CreateList();
    Fill(3);
    List().calls.clear();
    PaintList();

    // The view asked for rows 0..2 only, with their keys and data.
    size_t nAsked = 0;
    for (const CallbackCall& c : List().calls)
    {
        if (c.kind != CallbackCall::kGetdispinfo)
            continue;
        ++nAsked;
        ASSERT_GE(c.item, 0);
        ASSERT_LT(c.item, 3);
        EXPECT_EQ(100 + c.item, c.key);
        EXPECT_EQ(FakeData(c.item), c.data);
        EXPECT_EQ(::GetCurrentThreadId(), c.thread);
    }
    EXPECT_GE(nAsked, 3u);

    RECT rcRow0 = { LVIR_LABEL, 0, 0, 0 };
    ASSERT_TRUE(::SendMessageA(ListHwnd(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rcRow0)));
    const int rowHeight = rcRow0.bottom - rcRow0.top;
    RECT rcRow4 = rcRow0;
    ::OffsetRect(&rcRow4, 0, 4 * rowHeight);
    ClientPixels pixels(ListHwnd());
    ASSERT_TRUE(pixels.Valid());
    const COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_GT(pixels.Count(rcRow0, text), 0) << "row 0 shows its text";
    EXPECT_EQ(0, pixels.Count(rcRow4, text)) << "row 4 does not exist";
    EXPECT_RECT_COLOUR(pixels, rcRow4, ::GetSysColor(COLOR_WINDOW));
}

TEST_F(BigListView, FindRequestsGoToTheDerivedClass)
{
    CreateList();
    Fill(20);
    LVFINDINFOA find;
    ::ZeroMemory(&find, sizeof(find));
    find.flags = LVFI_STRING;
    find.psz = "K107";
    EXPECT_EQ(7, ::SendMessageA(ListHwnd(), LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&find)));
    EXPECT_EQ(1u, List().CountCalls(CallbackCall::kOdFindItem));

    // -1 stays -1 in the full width of the notification's result.
    List().findAnswer = -1;
    NMLVFINDITEMA nm;
    ::ZeroMemory(&nm, sizeof(nm));
    nm.hdr.hwndFrom = ListHwnd();
    nm.hdr.idFrom = kListId;
    nm.hdr.code = LVN_ODFINDITEMA;
    nm.iStart = 0;
    nm.lvfi = find;
    EXPECT_EQ(static_cast<LRESULT>(-1),
              ::SendMessageA(Panel().GetSafeHwnd(), WM_NOTIFY, kListId, reinterpret_cast<LPARAM>(&nm)));
    List().findAnswer = 12;
    EXPECT_EQ(12, ::SendMessageA(Panel().GetSafeHwnd(), WM_NOTIFY, kListId, reinterpret_cast<LPARAM>(&nm)));
}

TEST_F(BigListView, CloseDeletesEveryItemBeforeTheWindowGoes)
{
    CreateList();
    Fill(5);
    List().calls.clear();
    static const MsgEntry closeSeq[] = {
        { WM_CLOSE, sent },
        { LVM_SETITEMCOUNT, sent | wparam | lparam, 0, LVSICF_NOINVALIDATEALL | LVSICF_NOSCROLL },
        { WM_DESTROY, sent },
        { WM_NCDESTROY, sent },
        { 0 }
    };
    ::SendMessageA(ListHwnd(), WM_CLOSE, 0, 0);
    EXPECT_SEQUENCE("list", closeSeq, "WM_CLOSE with five items");
    ASSERT_EQ(6u, List().calls.size());
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(CallbackCall::kDeleteAll, List().calls[i].kind);
        EXPECT_EQ(100 + i, List().calls[i].key);
        EXPECT_EQ(FakeData(i), List().calls[i].data);
        EXPECT_EQ(1, List().calls[i].item) << "the window is still whole";
    }
    EXPECT_EQ(CallbackCall::kDestroy, List().calls[5].kind);
    EXPECT_EQ(NULL, List().GetSafeHwnd());
    EXPECT_EQ(0, List().GetItemCount());
    EXPECT_EQ(2048, List().ArraySize());
}

TEST_F(BigListView, DestroyDeletesEveryItem)
{
    CreateList();
    Fill(4);
    List().calls.clear();
    List().DestroyWindow();
    EXPECT_EQ(4u, List().CountCalls(CallbackCall::kDeleteAll));
    EXPECT_EQ(0, List().GetItemCount());
    EXPECT_EQ(0u, List().MapSize());
    EXPECT_EQ("", List().InvariantFaults());
}

TEST_F(BigListView, CreateRecordsThreadAndAddsOwnerData)
{
    EXPECT_EQ(0u, CTestBigList().WindowThread());
    CreateList();
    EXPECT_EQ(::GetCurrentThreadId(), List().WindowThread());
    EXPECT_TRUE(::GetWindowLongPtrA(ListHwnd(), GWL_STYLE) & LVS_OWNERDATA);
}

TEST_F(BigListView, SubclassedDialogItemWorksAsWell)
{
    DialogTemplateBuilder dialogTemplate(WS_POPUP | WS_VISIBLE | DS_SETFONT, 0, 0, 200, 120, "host");
    dialogTemplate.SetFont(8, "MS Shell Dlg");
    dialogTemplate.AddItem(WC_LISTVIEWA, "", 101, WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA,
                           5, 5, 150, 100);
    HostDialog dialog;
    ASSERT_TRUE(dialog.Create(dialogTemplate, Host()));
    CTestBigList list;
    ASSERT_TRUE(list.SubclassDlgItem(101, CWnd::FromHandle(dialog.Handle())));
    EXPECT_EQ(::GetCurrentThreadId(), list.WindowThread());
    list.InsertItem(0, 1, FakeData(1), tid);
    list.InsertItem(1, 2, FakeData(2), tid);
    list.SetItemCountEx(2, LVSICF_NOINVALIDATEALL);
    EXPECT_EQ(2, ::SendMessageA(list.GetSafeHwnd(), LVM_GETITEMCOUNT, 0, 0));
    // The dialog's end takes the items with it.
    dialog.Destroy();
    EXPECT_EQ(2u, list.CountCalls(CallbackCall::kDeleteAll));
    EXPECT_EQ(NULL, list.GetSafeHwnd());
}

// Records left when the object goes before its window are freed.
TEST_F(BigListView, ObjectDestroyedFirstFreesItsRecords)
{
    HeapCounter heap;
    {
        CTestBigList list;
        for (long i = 0; i < 5000; ++i)
            list.InsertItem(i, i, FakeData(i), tid);
        EXPECT_GE(CListData::GetPooledCount(), 5000u) << "records come from the pool, not the heap";
    }
    EXPECT_EQ(0u, CListData::GetPooledCount()) << "records of a list that never had a window";
    EXPECT_LT(heap.BlocksSinceStart(), 50) << "the pool gave its chunks back";

    heap.Restart();
    {
        CreateList();
        for (long i = 0; i < 5000; ++i)
            List().InsertItem(i, i, FakeData(i), tid);
        List().calls.clear();
        HWND hList = ListHwnd();
        m_pList.reset();   // the window is still there
        EXPECT_FALSE(::IsWindow(hList)) << "the framework destroys the window after the object";
    }
    EXPECT_EQ(0u, CListData::GetPooledCount()) << "records of a list destroyed before its window";
    EXPECT_LT(heap.BlocksSinceStart(), 50) << "records of a list destroyed before its window";
}

} // namespace
