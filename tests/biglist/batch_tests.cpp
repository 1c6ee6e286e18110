// batch_tests.cpp - InsertItems, DeleteItems and FindItems against the same
// single calls made one by one on a second list, from the window's thread
// and from a worker.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "BigListFixture.h"

using namespace testsupport;

namespace {

enum BatchOp { kInsert, kDelete, kFind };

// A store of nItems items (keys 100, 101, ... in rows 0, 1, ...), then one
// batch; each batch item is (row, key), the row used by inserts only.
struct BatchCase
{
    const char* name;
    BatchOp op;
    int nItems;
    std::vector<std::pair<long, long>> (*batch)();
};

const int kMany = 2 * CBigListCtrl::kBatchChunk + 5;

std::vector<std::pair<long, long>> Empty() { return {}; }
std::vector<std::pair<long, long>> One() { return { { 3, 500 } }; }
std::vector<std::pair<long, long>> OneKey() { return { { 0, 105 } }; }
std::vector<std::pair<long, long>> DuplicatesInside()
{
    return { { BL_APPEND, 600 }, { 2, 600 }, { 9, 601 }, { 0, 601 }, { BL_APPEND, 600 } };
}
std::vector<std::pair<long, long>> DuplicatesOfTheStore() { return { { BL_APPEND, 103 }, { 5, 105 }, { 0, 103 } }; }
std::vector<std::pair<long, long>> Positions()
{
    return { { 0, 700 }, { 9, 701 }, { 10, 702 }, { 11, 703 }, { 14, 704 }, { 500, 705 }, { -3, 706 }, { BL_APPEND, 707 } };
}
std::vector<std::pair<long, long>> KeysTwiceAndMissing()
{
    return { { 0, 103 }, { 0, 103 }, { 0, 7 }, { 0, 109 }, { 0, 100 }, { 0, 104 } };
}
std::vector<std::pair<long, long>> EveryKey()
{
    std::vector<std::pair<long, long>> v;
    for (long k = 109; k >= 99; --k)
        v.push_back({ 0, k });
    return v;
}
// Rows anywhere around the count, and keys met up to twice.
std::vector<std::pair<long, long>> ManyInserts()
{
    std::vector<std::pair<long, long>> v;
    unsigned int seed = 7;
    for (int i = 0; i < kMany; ++i)
    {
        seed = seed * 1103515245u + 12345u;
        v.push_back({ static_cast<long>((seed >> 8) % (i + 20)) - 5, 1000 + (i * 7919L) % (kMany / 2) });
    }
    return v;
}
// Every tenth key of a store of kMany items in a scattered order, the others
// missing (each delete that finds its key costs the list view milliseconds
// when done singly).
std::vector<std::pair<long, long>> ManyKeys()
{
    std::vector<std::pair<long, long>> v;
    for (int i = 0; i < kMany; ++i)
        v.push_back({ 0, i % 10 == 0 ? 100 + (i * 7919L) % kMany : -i });
    return v;
}

const BatchCase kBatchCases[] = {
    { "InsertEmpty", kInsert, 10, &Empty },
    { "InsertOne", kInsert, 10, &One },
    { "InsertDuplicatesInside", kInsert, 10, &DuplicatesInside },
    { "InsertDuplicatesOfTheStore", kInsert, 10, &DuplicatesOfTheStore },
    { "InsertInsideAndBeyondTheEnd", kInsert, 10, &Positions },
    { "InsertIntoAnEmptyStore", kInsert, 0, &Positions },
    { "InsertSeveralChunks", kInsert, 10, &ManyInserts },
    { "DeleteEmpty", kDelete, 10, &Empty },
    { "DeleteOne", kDelete, 10, &OneKey },
    { "DeleteTwiceAndMissing", kDelete, 10, &KeysTwiceAndMissing },
    { "DeleteEveryKey", kDelete, 10, &EveryKey },
    { "DeleteSeveralChunks", kDelete, kMany, &ManyKeys },
    { "FindOne", kFind, 10, &OneKey },
    { "FindTwiceAndMissing", kFind, 10, &KeysTwiceAndMissing },
    { "FindSeveralChunks", kFind, kMany, &ManyKeys },
};

class BigListBatch : public BigListFixture, public ::testing::WithParamInterface<std::tuple<BatchCase, bool>>
{
protected:
    // A fresh list with the case's items, painted (so that it has a visible
    // range), and its logs cleared.
    CTestBigList& FreshList(const BatchCase& c)
    {
        if (m_pList && m_pList->GetSafeHwnd() != NULL)
            m_pList->DestroyWindow();
        CTestBigList& list = CreateList();
        const DWORD tid = ::GetCurrentThreadId();
        for (long i = 0; i < c.nItems; ++i)
            list.InsertItem(i, 100 + i, FakeData(100 + i), tid);
        list.SetItemCountEx(c.nItems, LVSICF_NOINVALIDATEALL);
        PaintList();
        // Deep into a long list the view is scrolled, so that deletes move
        // items into visible rows below the top.
        if (c.nItems > 100)
        {
            list.EnsureVisible(c.nItems / 3, FALSE);
            PaintList();
            // Hidden, the list view sets its count in microseconds instead of
            // milliseconds; the visible range stays that of the last paint.
            list.ShowWindow(SW_HIDE);
        }
        list.calls.clear();
        Recorder().Flush();
        return list;
    }

    // Everything the calls left behind that single and batch calls must agree on.
    static std::string Outcome(const CTestBigList& list, const std::vector<std::pair<long, long>>& batch, int nView)
    {
        std::ostringstream out;
        for (int i = 0; i < list.ItemCount(); ++i)
            out << list.Slot(i)->m_nKey << "=" << list.Slot(i)->m_pData << " ";
        for (const auto& item : batch)
        {
            const CListData* p = list.MapEntry(item.second);
            out << "| " << item.second << "->" << (p != NULL ? p->m_pData : NULL);
        }
        out << " | map " << list.MapSize() << " view " << nView << " " << list.InvariantFaults();
        for (const CallbackCall& call : list.calls)
        {
            if (call.kind != CallbackCall::kGetdispinfo)   // painting asks whenever it runs
                out << " cb" << call.kind << ":" << call.key;
        }
        return out.str();
    }

    // The rows the list view was asked to redraw.
    static std::set<int> RedrawnRows()
    {
        std::set<int> rows;
        for (const RecordedMsg& m : Recorder().Log("list"))
        {
            if (m.message == LVM_REDRAWITEMS && (m.flags & posted) == 0)
            {
                for (int r = static_cast<int>(m.wParam); r <= static_cast<int>(m.lParam); ++r)
                    rows.insert(r);
            }
        }
        return rows;
    }

    // Whether a message posted to the list while the first chunk was handled
    // was answered before the last chunk came.
    static bool PostedAnsweredWithinTheBatch()
    {
        size_t nPosted = 0, nLastChunk = 0;
        const std::vector<RecordedMsg> log = Recorder().Log("list");
        for (size_t i = 0; i < log.size(); ++i)
        {
            if (log[i].message == LVM_REDRAWITEMS && (log[i].flags & posted) != 0)
                nPosted = i;
            if (log[i].message >= BLM_INSERTITEMS && log[i].message <= BLM_FINDITEMS)
                nLastChunk = i;
        }
        return nPosted != 0 && nPosted < nLastChunk;
    }
};

TEST_P(BigListBatch, SameOutcomeAsTheSingleCalls)
{
    const BatchCase& c = std::get<0>(GetParam());
    const bool bWorker = std::get<1>(GetParam());
    const std::vector<std::pair<long, long>> batch = c.batch();
    const int n = static_cast<int>(batch.size());
    const DWORD dwWindow = ::GetCurrentThreadId();

    // The single calls, one after the other, on the window's thread.
    std::ostringstream singles;
    CTestBigList& first = FreshList(c);
    for (const auto& item : batch)
    {
        void* pData = FakeData(1);
        long nIndex = -9;
        if (c.op == kInsert)
            pData = first.InsertItem(item.first, item.second, FakeData(item.second), dwWindow);
        else if (c.op == kDelete)
            pData = first.DeleteItem(item.second, &nIndex, dwWindow);
        else
            nIndex = first.FindItem(item.second, pData, dwWindow);
        singles << pData << "," << nIndex << " ";
    }
    const std::string singleOutcome = Outcome(first, batch, ViewItemCount());
    const std::set<int> singleRedraws = RedrawnRows();

    // The batch on a second list.
    CTestBigList& second = FreshList(c);
    std::vector<BLINSERTITEM> inserts(n);
    std::vector<BLKEYITEM> keys(n);
    for (int i = 0; i < n; ++i)
    {
        inserts[i] = { batch[i].first, batch[i].second, FakeData(batch[i].second), FakeData(2) };
        keys[i] = { batch[i].second, -9, FakeData(2) };
    }
    int nDone = -1;
    auto run = [&](DWORD tid) {
        nDone = c.op == kInsert ? second.InsertItems(inserts.data(), n, tid)
              : c.op == kDelete ? second.DeleteItems(keys.data(), n, tid)
                                : second.FindItems(keys.data(), n, tid);
    };
    const UINT nChunkMessage = c.op == kInsert ? BLM_INSERTITEMS : c.op == kDelete ? BLM_DELETEITEMS : BLM_FINDITEMS;
    bool bPosted = false;
    Recorder().SetCapture(nChunkMessage, [&](RecordedMsg&) {
        if (!bPosted)
            bPosted = ::PostMessageA(second.GetSafeHwnd(), LVM_REDRAWITEMS, 0, 0) != FALSE;
    });
    if (bWorker)
        ASSERT_TRUE(RunWhilePumping([&]() { run(::GetCurrentThreadId()); }));
    else
        run(dwWindow);
    std::ostringstream batched;
    for (int i = 0; i < n; ++i)
    {
        if (c.op == kInsert)
            batched << inserts[i].pResult << "," << -9 << " ";
        else
            batched << keys[i].pData << "," << keys[i].nIndex << " ";
    }

    EXPECT_EQ(n, nDone);
    EXPECT_EQ(singles.str(), batched.str()) << "results per item";
    EXPECT_EQ(singleOutcome, Outcome(second, batch, ViewItemCount()));
    // The rows the single calls redrew that still exist, each once; rows
    // past the count are repainted by the count change.
    std::set<int> expectedRedraws;
    for (int row : singleRedraws)
    {
        if (row < second.GetItemCount())
            expectedRedraws.insert(row);
    }
    EXPECT_EQ(expectedRedraws, RedrawnRows());
    Recorder().ClearCaptures();
    if (bWorker && n > CBigListCtrl::kBatchChunk)
    {
        EXPECT_TRUE(PostedAnsweredWithinTheBatch()) << "the window's thread answers its queue between chunks";
    }
}

INSTANTIATE_TEST_SUITE_P(Shapes, BigListBatch, ::testing::Combine(::testing::ValuesIn(kBatchCases), ::testing::Bool()),
    [](const ::testing::TestParamInfo<std::tuple<BatchCase, bool>>& info) {
        return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "FromAWorker" : "OnTheWindowsThread");
    });

} // namespace
