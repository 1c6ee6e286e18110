// store_tests.cpp - the big list's store on the window's thread: a long
// random sequence against a reference model, and the edge cases one by one.
#include <gtest/gtest.h>

#include <new>

#include "BigListFixture.h"
#include "ImportPatch.h"
#include "StoreModel.h"

namespace {

// Runs nSteps random operations through the public members on the calling
// thread (the window's, or no window at all) and compares after each.
void RunRandomSequence(CTestBigList& list, unsigned int seed, int nSteps)
{
    StoreModel model;
    const DWORD tid = ::GetCurrentThreadId();
    unsigned int state = seed;
    auto next = [&state]() {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    long nNextData = 1;
    long nPresetIndex = 0;

    for (int step = 0; step < nSteps; ++step)
    {
        const int n = static_cast<int>(model.rows.size());
        // Keep the rows between a handful and a few hundred: inserts win
        // while small, deletes when large.
        const unsigned int op = next() % 100;
        const bool grow = n < 20 || (n < 400 && next() % 2 == 0);
        std::string what;
        if (op < 30 && grow)
        {
            // Insert anywhere: inside, at the end, beyond it, before it.
            long nPos;
            switch (next() % 5)
            {
            case 0:  nPos = n; break;
            case 1:  nPos = n + 1 + static_cast<long>(next() % 5); break;
            case 2:  nPos = -1 - static_cast<long>(next() % 3); break;
            default: nPos = n > 0 ? static_cast<long>(next() % n) : 0; break;
            }
            // Keys from a small range so that duplicates happen.
            const long nKey = static_cast<long>(next() % 600) - 100;
            void* pData = FakeData(nNextData++);
            what = "insert at " + std::to_string(nPos) + " key " + std::to_string(nKey);
            void* pExpected = model.Insert(nPos, nKey, pData);
            ASSERT_EQ(pExpected, list.InsertItem(nPos, nKey, pData, tid)) << what;
        }
        else if (op < 45)
        {
            const int nRow = static_cast<int>(next() % (n + 4)) - 2;
            what = "delete row " + std::to_string(nRow);
            LVITEMA item;
            ::ZeroMemory(&item, sizeof(item));
            item.iItem = nRow;
            void* pExpected = model.DeleteRow(nRow);
            ASSERT_EQ(pExpected, list.DeleteItem(&item, tid)) << what;
        }
        else if (op < 60)
        {
            const long nKey = static_cast<long>(next() % 600) - 100;
            what = "delete key " + std::to_string(nKey);
            long nModelIndex = nPresetIndex;
            long nIndex = nPresetIndex;
            void* pExpected = model.DeleteKey(nKey, &nModelIndex);
            ASSERT_EQ(pExpected, list.DeleteItem(nKey, &nIndex, tid)) << what;
            ASSERT_EQ(nModelIndex, nIndex) << what;
            nPresetIndex = -1000 - step;   // a fresh value each time shows whether it was written
        }
        else if (op < 72)
        {
            const long nKey = static_cast<long>(next() % 600) - 100;
            what = "find key " + std::to_string(nKey);
            void* pModel = NULL;
            void* pData = FakeData(-1);
            const long nModel = model.Find(nKey, pModel);
            ASSERT_EQ(nModel, list.FindItem(nKey, pData, tid)) << what;
            ASSERT_EQ(pModel, pData) << what;
        }
        else if (op < 80)
        {
            const int nRow = static_cast<int>(next() % (n + 4)) - 2;
            what = "get row " + std::to_string(nRow);
            list.calls.clear();
            const bool bPresent = nRow >= 0 && nRow < n;
            ASSERT_EQ(bPresent ? static_cast<DWORD_PTR>(reinterpret_cast<INT_PTR>(model.rows[nRow].data)) : 0u,
                      list.GetItemData(nRow, tid)) << what;
            const CString text = list.GetItemText(nRow, 1, tid);
            ASSERT_STREQ(bPresent ? TextFor(model.rows[nRow].key, 1).c_str() : "", static_cast<LPCSTR>(text)) << what;
            ASSERT_EQ(bPresent ? 1u : 0u, list.calls.size()) << what;
        }
        else if (op < 88)
        {
            const int nRow = static_cast<int>(next() % (n + 4)) - 2;
            const bool bPresent = nRow >= 0 && nRow < n;
            const unsigned int guard = next() % 3;   // none, the right data, another's
            void* pExpected = guard == 0 ? NULL : (guard == 1 && bPresent ? model.rows[nRow].data : FakeData(-7));
            what = "set row " + std::to_string(nRow) + " guard " + std::to_string(guard);
            LVITEMA item;
            ::ZeroMemory(&item, sizeof(item));
            item.mask = LVIF_TEXT;
            item.iItem = nRow;
            item.pszText = const_cast<char*>("new text");
            list.calls.clear();
            const bool bApplies = bPresent && (pExpected == NULL || pExpected == model.rows[nRow].data);
            ASSERT_EQ(bApplies ? model.rows[nRow].data : NULL, list.SetItem(&item, pExpected, tid)) << what;
            ASSERT_EQ(bApplies ? 1u : 0u, list.CountCalls(CallbackCall::kSetItem)) << what;
        }
        else if (op < 93)
        {
            const int nColumn = static_cast<int>(next() % 2);
            what = "sort column " + std::to_string(nColumn);
            model.Sort(nColumn);
            list.OnSortItems(nColumn);
            ASSERT_EQ(0, list.sortIndexFaults) << what;
        }
        else if (op < 97)
        {
            const int nSize = static_cast<int>(next() % (n + 50)) - 5;
            what = "capacity " + std::to_string(nSize);
            ASSERT_EQ(nSize >= n ? TRUE : FALSE, list.SetCapacity(nSize, static_cast<int>(next() % 3) * 16 - 1)) << what;
            if (nSize >= n)
            {
                ASSERT_EQ(nSize, list.ArraySize()) << what;
            }
        }
        else
        {
            what = "delete all";
            list.calls.clear();
            std::vector<ModelItem> before = model.rows;
            model.Clear();
            ASSERT_EQ(TRUE, list.DeleteAllItems(tid)) << what;
            ASSERT_EQ(before.size(), list.calls.size()) << what;
            for (size_t i = 0; i < before.size(); ++i)
            {
                ASSERT_EQ(CallbackCall::kDeleteAll, list.calls[i].kind);
                ASSERT_EQ(before[i].key, list.calls[i].key) << what << " item " << i;
                ASSERT_EQ(before[i].data, list.calls[i].data) << what << " item " << i;
            }
            if (!before.empty())
            {
                // Back to the first capacity; an empty store is left alone.
                ASSERT_EQ(2048, list.ArraySize()) << what;
            }
        }
        const std::string faults = CompareWithModel(list, model);
        ASSERT_EQ("", faults) << "after step " << step << ": " << what;
    }
}

TEST(BigListStore, RandomSequenceWithoutWindowMatchesModel)
{
    CTestBigList list;
    RunRandomSequence(list, 1u, 20000);
}

TEST_F(BigListFixture, RandomSequenceOnListViewMatchesModel)
{
    CTestBigList& list = CreateList();
    RunRandomSequence(list, 7u, 8000);
}

/////////////////////////////////////////////////////////////////////////////
// Edge cases, without a window: rows, keys and results.

class BigListRows : public ::testing::Test
{
protected:
    CTestBigList list;
    const DWORD tid = ::GetCurrentThreadId();

    void Fill(int n)
    {
        for (long i = 0; i < n; ++i)
            list.InsertItem(i, 100 + i, FakeData(i), tid);
    }
    void ExpectRows(const std::vector<long>& data, int line)
    {
        SCOPED_TRACE(testing::Message() << "called from line " << line);
        ASSERT_EQ(static_cast<int>(data.size()), list.GetItemCount());
        for (size_t i = 0; i < data.size(); ++i)
        {
            EXPECT_EQ(FakeData(data[i]), list.Slot(static_cast<int>(i))->m_pData) << "row " << i;
            EXPECT_EQ(static_cast<long>(i), list.Slot(static_cast<int>(i))->m_nIndex) << "row " << i;
        }
        EXPECT_EQ("", list.InvariantFaults());
    }
    void* DeleteRow(int nRow)
    {
        LVITEMA item;
        ::ZeroMemory(&item, sizeof(item));
        item.iItem = nRow;
        return list.DeleteItem(&item, tid);
    }
};

TEST_F(BigListRows, ConstructionStartsEmptyAndPresized)
{
    EXPECT_EQ(0, list.GetItemCount());
    EXPECT_EQ(2048, list.ArraySize());
    EXPECT_EQ(-1, list.SortColumn());
    EXPECT_EQ(TRUE, list.ReverseSort());
    EXPECT_EQ(-1, list.FirstVisible());
    EXPECT_EQ(-1, list.LastVisible());
    CTestBigList small(10, 3);
    EXPECT_EQ(10, small.ArraySize());
    small.SetCapacity(0, 0);
    EXPECT_EQ(0, small.ArraySize());
}

TEST_F(BigListRows, DeleteMovesLastRowIntoTheHole)
{
    Fill(10);
    EXPECT_EQ(FakeData(3), DeleteRow(3));
    ExpectRows({ 0, 1, 2, 9, 4, 5, 6, 7, 8 }, __LINE__);
    // The last row goes without moving any other.
    EXPECT_EQ(FakeData(8), DeleteRow(8));
    ExpectRows({ 0, 1, 2, 9, 4, 5, 6, 7 }, __LINE__);
    EXPECT_EQ(NULL, DeleteRow(8));
    EXPECT_EQ(NULL, DeleteRow(-1));
    ExpectRows({ 0, 1, 2, 9, 4, 5, 6, 7 }, __LINE__);
    // The array shrinks with the rows, the spare slots stay.
    EXPECT_EQ(2048 - 2, list.ArraySize());
}

TEST_F(BigListRows, InsertIntoOccupiedRowMovesItsItemToTheEnd)
{
    Fill(10);
    EXPECT_EQ(FakeData(5), list.InsertItem(5, 500, FakeData(50), tid));
    ExpectRows({ 0, 1, 2, 3, 4, 50, 6, 7, 8, 9, 5 }, __LINE__);
    EXPECT_EQ(10, list.Slot(10)->m_nIndex);
}

TEST_F(BigListRows, InsertBeyondTheEndOrBeforeTheStartAppends)
{
    Fill(3);
    EXPECT_EQ(FakeData(60), list.InsertItem(70, 600, FakeData(60), tid));
    EXPECT_EQ(FakeData(61), list.InsertItem(-5, 601, FakeData(61), tid));
    EXPECT_EQ(FakeData(62), list.InsertItem(-1, 602, FakeData(62), tid));
    ExpectRows({ 0, 1, 2, 60, 61, 62 }, __LINE__);
    void* pData = NULL;
    EXPECT_EQ(4, list.FindItem(601, pData, tid));
    EXPECT_EQ(FakeData(61), pData);
}

TEST_F(BigListRows, ArrayGrowsPastItsCapacityByItsStep)
{
    CTestBigList small(4, 3);
    for (long i = 0; i < 9; ++i)
        small.InsertItem(i, i, FakeData(i), tid);
    EXPECT_EQ(9, small.GetItemCount());
    EXPECT_EQ(9, small.ArraySize());
    EXPECT_EQ("", small.InvariantFaults());
    // Back to the first capacity after all items went.
    small.DeleteAllItems(tid);
    EXPECT_EQ(4, small.ArraySize());
}

TEST_F(BigListRows, DuplicateKeyAddsRowButKeepsFindingTheFirst)
{
    Fill(4);
    EXPECT_EQ(FakeData(40), list.InsertItem(4, 101, FakeData(40), tid));
    ExpectRows({ 0, 1, 2, 3, 40 }, __LINE__);
    void* pData = NULL;
    EXPECT_EQ(1, list.FindItem(101, pData, tid));
    EXPECT_EQ(FakeData(1), pData);

    // Deleting the duplicate by its row leaves the first item's key alone.
    EXPECT_EQ(FakeData(40), DeleteRow(4));
    EXPECT_EQ(1, list.FindItem(101, pData, tid));
    EXPECT_EQ(FakeData(1), pData);
    EXPECT_EQ(4u, list.MapSize());

    // Deleting the first item by row removes its key.
    list.InsertItem(4, 101, FakeData(41), tid);
    EXPECT_EQ(FakeData(1), DeleteRow(1));
    EXPECT_EQ(-1, list.FindItem(101, pData, tid));
    EXPECT_EQ(NULL, pData);
    EXPECT_EQ("", list.InvariantFaults());
}

TEST_F(BigListRows, MissingKeysTouchNothing)
{
    Fill(5);
    void* pData = FakeData(99);
    EXPECT_EQ(-1, list.FindItem(7, pData, tid));
    EXPECT_EQ(NULL, pData);
    long nIndex = 12345;
    EXPECT_EQ(NULL, list.DeleteItem(7L, &nIndex, tid));
    EXPECT_EQ(12345, nIndex);
    EXPECT_EQ(NULL, list.DeleteItem(7L, NULL, tid));
    ExpectRows({ 0, 1, 2, 3, 4 }, __LINE__);

    EXPECT_EQ(FakeData(1), list.DeleteItem(101L, &nIndex, tid));
    EXPECT_EQ(1, nIndex);
    ExpectRows({ 0, 4, 2, 3 }, __LINE__);
    EXPECT_EQ(FakeData(4), list.DeleteItem(104L, NULL, tid));
    ExpectRows({ 0, 3, 2 }, __LINE__);

    CTestBigList empty;
    nIndex = 5;
    EXPECT_EQ(NULL, empty.DeleteItem(1L, &nIndex, tid));
    EXPECT_EQ(5, nIndex);
}

TEST_F(BigListRows, CapacityBelowTheItemCountIsRefused)
{
    Fill(10);
    EXPECT_EQ(FALSE, list.SetCapacity(9, 16));
    EXPECT_EQ(2048, list.ArraySize());
    EXPECT_EQ(FALSE, list.SetCapacity(-1, 16));
    EXPECT_EQ(TRUE, list.SetCapacity(10, 16));
    EXPECT_EQ(10, list.ArraySize());
    list.InsertItem(10, 110, FakeData(10), tid);
    EXPECT_EQ(11, list.ArraySize());
    ExpectRows({ 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 }, __LINE__);
}

TEST_F(BigListRows, SetGuardRefusesAnotherItemsRow)
{
    Fill(3);
    LVITEMA item;
    ::ZeroMemory(&item, sizeof(item));
    item.mask = LVIF_TEXT;
    item.iItem = 1;
    item.pszText = const_cast<char*>("x");
    EXPECT_EQ(NULL, list.SetItem(&item, FakeData(2), tid));
    EXPECT_EQ(0u, list.CountCalls(CallbackCall::kSetItem));
    EXPECT_EQ(FakeData(1), list.SetItem(&item, FakeData(1), tid));
    EXPECT_EQ(FakeData(1), list.SetItem(&item, NULL, tid));
    ASSERT_EQ(2u, list.CountCalls(CallbackCall::kSetItem));
    EXPECT_EQ(101, list.calls[1].key);
    EXPECT_EQ("x", list.calls[1].text);
}

TEST_F(BigListRows, SetAndTextMembersBuildTheirItem)
{
    Fill(3);
    EXPECT_EQ(TRUE, list.SetItemText(2, 1, "hello", tid));
    EXPECT_EQ(TRUE, list.SetItem(0, 2, LVIF_TEXT | LVIF_IMAGE, "img", 4, 0, 0, 0, tid));
    EXPECT_EQ(TRUE, list.SetItemText(7, 1, "nobody", tid));   // missing row: TRUE, no callback
    ASSERT_EQ(2u, list.calls.size());
    EXPECT_EQ(2, list.calls[0].item);
    EXPECT_EQ(1, list.calls[0].subItem);
    EXPECT_EQ("hello", list.calls[0].text);
    EXPECT_EQ(102, list.calls[0].key);
    EXPECT_EQ(0, list.calls[1].item);
    EXPECT_EQ(2, list.calls[1].subItem);
    EXPECT_EQ("img", list.calls[1].text);
}

TEST_F(BigListRows, TextIntoBufferCountsOnlyExistingRows)
{
    Fill(3);
    char buf[16];
    strcpy(buf, "untouched");
    EXPECT_EQ(FALSE, list.GetItemText(3, 0, buf, sizeof(buf), tid));
    EXPECT_STREQ("untouched", buf);
    EXPECT_EQ(FALSE, list.GetItemText(-1, 0, buf, sizeof(buf), tid));
    EXPECT_STREQ("untouched", buf);
    EXPECT_EQ(0u, list.calls.size());
    EXPECT_EQ(TRUE, list.GetItemText(2, 3, buf, sizeof(buf), tid));
    EXPECT_STREQ("K102.3", buf);
    // The callback gets the caller's length.
    EXPECT_EQ(TRUE, list.GetItemText(2, 3, buf, 3, tid));
    EXPECT_STREQ("K1", buf);
    EXPECT_STREQ("", static_cast<LPCSTR>(list.GetItemText(3, 0, tid)));
}

TEST_F(BigListRows, HiddenListViewMembersAddNothing)
{
    LVITEMA item;
    ::ZeroMemory(&item, sizeof(item));
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<char*>("a");
    EXPECT_EQ(0, list.InsertItem(&item, tid));
    EXPECT_EQ(0, list.InsertItem(0, "a", tid));
    EXPECT_EQ(0, list.InsertItem(0, "a", 1, tid));
    EXPECT_EQ(0, list.SetItemData(0, 5));
    EXPECT_EQ(0, list.GetItemCount());
}

TEST_F(BigListRows, ItemDataKeepsTheWholePointer)
{
    void* pWide = reinterpret_cast<void*>(static_cast<UINT_PTR>(-1) - 0x0FEDCBA9u);
    list.InsertItem(0, 1, pWide, tid);
    EXPECT_EQ(reinterpret_cast<DWORD_PTR>(pWide), list.GetItemData(0, tid));
    EXPECT_EQ(0u, list.GetItemData(1, tid));
    EXPECT_EQ(0u, list.GetItemData(-1, tid));
}

TEST_F(BigListRows, DerivedClassHandsOverItsOwnRecord)
{
    Fill(2);
    CListData* pRecord = new CListData;
    pRecord->m_pData = FakeData(7);
    pRecord->m_nIndex = 0;
    pRecord->m_nKey = 7;
    EXPECT_EQ(FakeData(0), list.InsertRecord(pRecord));
    ExpectRows({ 7, 1, 0 }, __LINE__);
    EXPECT_EQ(NULL, list.InsertRecord(NULL));
}

// Lumivane's allocations of a node's size fail while a test says so (the
// exception's own small block must still be had).
// At 64 bits the runtime is linked into the DLL, whose operator new calls
// the imported malloc; at 32 bits the DLL imports operator new itself.
bool g_bFailMalloc = false;
void* (__cdecl* g_pfnMalloc)(size_t) = NULL;
void* __cdecl FailingMalloc(size_t cb)
{
    if (g_bFailMalloc && cb >= 512)
    {
#ifdef _WIN64
        return NULL;
#else
        throw std::bad_alloc();
#endif
    }
    return g_pfnMalloc(cb);
}
#ifdef _WIN64
const char* const kAllocDll = "msvcrt.dll";
const char* const kAllocFunction = "malloc";
#else
const char* const kAllocDll = "libstdc++-6.dll";
const char* const kAllocFunction = "_Znwj";
#endif

// The key index needs a new node (a full leaf of 64 keys splits) when the
// record goes into an occupied row; that allocation fails.
TEST_F(BigListRows, InsertThatRunsOutOfMemoryChangesNothing)
{
    testsupport::ImportPatch patch(::GetModuleHandleA("Lumivane.dll"), kAllocDll, kAllocFunction,
                                   reinterpret_cast<const void*>(&FailingMalloc));
    ASSERT_TRUE(patch.Active());
    g_pfnMalloc = reinterpret_cast<void* (__cdecl*)(size_t)>(patch.Original());
    std::vector<long> before;
    for (long i = 0; i < CListDataKeyMap::kLeafCapacity; ++i)
        before.push_back(i);
    Fill(static_cast<int>(before.size()));
    const size_t nPooled = CListData::GetPooledCount();
    CListData* pRecord = new CListData;
    pRecord->m_pData = FakeData(999);
    pRecord->m_nIndex = 5;
    pRecord->m_nKey = 999;
    bool bThrown = false;
    g_bFailMalloc = true;
    try
    {
        list.InsertRecord(pRecord);
    }
    catch (const std::bad_alloc&)
    {
        bThrown = true;
    }
    g_bFailMalloc = false;
    EXPECT_TRUE(bThrown) << "the failure goes on as the plain new reports it";
    ExpectRows(before, __LINE__);
    void* pData = NULL;
    EXPECT_EQ(5, list.FindItem(105, pData, tid)) << "the row's item stays where its key finds it";
    EXPECT_EQ(-1, list.FindItem(999, pData, tid));
    EXPECT_EQ(nPooled, CListData::GetPooledCount()) << "the record is freed";
}

TEST_F(BigListRows, DeleteAllOnEmptyStoreCallsNothing)
{
    EXPECT_EQ(TRUE, list.DeleteAllItems(tid));
    EXPECT_EQ(0u, list.calls.size());
}

} // namespace
