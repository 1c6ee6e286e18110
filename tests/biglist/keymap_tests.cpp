// keymap_tests.cpp - the big list's key index against std::map as a model:
// seeded random mixes of insert, find and erase in several key orders and
// sizes (many splits and merges), and the heap blocks its nodes hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "HeapCounter.h"
#include "ListDataKeyMap.h"

namespace {

typedef std::map<long, CListData*> Model;

CListData* FakeRecord(long nSerial)
{
    return reinterpret_cast<CListData*>(static_cast<INT_PTR>(nSerial) * 16 + 16);
}

// The standard engine: reproducible from its seed on every build.
typedef std::mt19937 Rng;

int Below(Rng& rng, int n)
{
    return static_cast<int>(rng() % static_cast<unsigned int>(n));
}

// Every entry in order, and the size, as the model has them.
::testing::AssertionResult SameAsModel(const CListDataKeyMap& map, const Model& model)
{
    if (map.size() != model.size() || map.empty() != model.empty())
        return ::testing::AssertionFailure() << "size " << map.size() << ", model " << model.size();
    CListDataKeyMap::const_iterator it = map.begin();
    size_t i = 0;
    for (Model::const_iterator m = model.begin(); m != model.end(); ++m, ++it, ++i)
    {
        if (it == map.end())
            return ::testing::AssertionFailure() << "iteration ends at entry " << i << " of " << model.size();
        if (it->first != m->first || it->second != m->second)
            return ::testing::AssertionFailure() << "entry " << i << " is " << it->first << ", model "
                                                 << m->first;
    }
    if (it != map.end())
        return ::testing::AssertionFailure() << "iteration goes on past " << model.size() << " entries";
    return ::testing::AssertionSuccess();
}

enum KeyOrder
{
    kAscending,
    kDescending,
    kRandom,     // negative and positive keys, duplicates among them
    kExtremes    // the whole range of long, LONG_MIN and LONG_MAX first
};

struct KeyMapCase
{
    const char* name;
    KeyOrder order;
    int count;
    unsigned int seed;
};

const KeyMapCase kCases[] = {
    { "One", kRandom, 1, 1u },
    { "OneLeaf", kAscending, 60, 2u },
    { "AscendingSmall", kAscending, 5000, 3u },
    { "AscendingLarge", kAscending, 150000, 4u },
    { "DescendingSmall", kDescending, 5000, 5u },
    { "DescendingLarge", kDescending, 150000, 6u },
    { "RandomSmall", kRandom, 3000, 7u },
    { "RandomMedium", kRandom, 40000, 8u },
    { "RandomLarge", kRandom, 300000, 9u },
    { "ExtremesSmall", kExtremes, 2000, 10u },
    { "ExtremesLarge", kExtremes, 100000, 11u },
};

void PrintTo(const KeyMapCase& c, std::ostream* os)
{
    *os << c.name;
}

// A key from the case's range: the random mixes reuse the fill's range so
// that inserts meet existing keys and erases meet missing ones.
long RandomKey(const KeyMapCase& c, Rng& rng)
{
    if (c.order == kExtremes)
        return static_cast<long>(rng());
    const int n = c.count * 2 + 2;
    return static_cast<long>(Below(rng, n)) - (c.order == kRandom ? c.count : 0);
}

std::vector<long> FillKeys(const KeyMapCase& c, Rng& rng)
{
    std::vector<long> keys;
    if (c.order == kExtremes)
    {
        const long edges[] = { LONG_MIN, LONG_MAX, LONG_MIN + 1, LONG_MAX - 1, 0, -1, 1 };
        keys.assign(edges, edges + sizeof(edges) / sizeof(edges[0]));
    }
    while (static_cast<int>(keys.size()) < c.count)
    {
        const long i = static_cast<long>(keys.size());
        switch (c.order)
        {
        case kAscending:  keys.push_back(i * 2 - c.count); break;
        case kDescending: keys.push_back(c.count - i * 2); break;
        default:          keys.push_back(RandomKey(c, rng)); break;
        }
    }
    return keys;
}

class KeyMapModel : public ::testing::TestWithParam<KeyMapCase>
{
};

TEST_P(KeyMapModel, AgreesWithStdMapThroughFillMixAndDrain)
{
    const KeyMapCase& c = GetParam();
    Rng rng(c.seed);
    CListDataKeyMap map;
    Model model;
    long nSerial = 0;

    // Fill: the answer of every insert, including duplicates.
    const std::vector<long> keys = FillKeys(c, rng);
    for (size_t i = 0; i < keys.size(); ++i)
    {
        CListData* pValue = FakeRecord(++nSerial);
        const std::pair<Model::iterator, bool> expected = model.insert(Model::value_type(keys[i], pValue));
        const std::pair<CListDataKeyMap::iterator, bool> got = map.insert(CListDataKeyMap::value_type(keys[i], pValue));
        ASSERT_EQ(expected.second, got.second) << "insert of " << keys[i];
        ASSERT_EQ(keys[i], got.first->first);
        ASSERT_EQ(expected.first->second, got.first->second) << "an existing key keeps its record";
    }
    // A record replaced through an iterator, as std::map allows.
    map.begin()->second = model.begin()->second = FakeRecord(++nSerial);
    ASSERT_TRUE(SameAsModel(map, model)) << "after the fill";
    EXPECT_EQ(static_cast<ptrdiff_t>(model.size()), std::distance(map.begin(), map.end()));

    // Mix: inserts, erases by key (present or not) and finds.
    for (int step = 0; step < c.count * 2; ++step)
    {
        const long nKey = RandomKey(c, rng);
        const int op = Below(rng, 100);
        if (op < 40)
        {
            CListData* pValue = FakeRecord(++nSerial);
            ASSERT_EQ(model.insert(Model::value_type(nKey, pValue)).second,
                      map.insert(CListDataKeyMap::value_type(nKey, pValue)).second) << "insert of " << nKey;
        }
        else if (op < 80)
        {
            ASSERT_EQ(model.erase(nKey), map.erase(nKey)) << "erase of " << nKey;
        }
        else
        {
            Model::const_iterator m = model.find(nKey);
            CListDataKeyMap::const_iterator it = map.find(nKey);
            ASSERT_EQ(m == model.end(), it == map.end()) << "find of " << nKey;
            if (m != model.end())
            {
                ASSERT_EQ(m->second, it->second) << "find of " << nKey;
            }
        }
    }
    ASSERT_TRUE(SameAsModel(map, model)) << "after the mix";

    // Drain: every other entry through erase(iterator), whose answer is the
    // next entry; then the rest by key in random order.
    CListDataKeyMap::iterator it = map.begin();
    Model::iterator m = model.begin();
    while (it != map.end())
    {
        ASSERT_EQ(m->first, it->first);
        it = map.erase(it);
        m = model.erase(m);
        ASSERT_EQ(m == model.end(), it == map.end());
        if (it == map.end())
            break;
        ASSERT_EQ(m->first, it->first) << "erase(iterator) answers the next entry";
        ++it;
        ++m;
    }
    ASSERT_TRUE(SameAsModel(map, model)) << "after erasing every other entry";

    std::vector<long> rest;
    for (m = model.begin(); m != model.end(); ++m)
        rest.push_back(m->first);
    for (size_t i = rest.size(); i > 1; --i)
        std::swap(rest[i - 1], rest[Below(rng, static_cast<int>(i))]);
    for (size_t i = 0; i < rest.size(); ++i)
    {
        ASSERT_EQ(1u, map.erase(rest[i])) << "erase of " << rest[i];
        model.erase(rest[i]);
        if (i == rest.size() / 2)
        {
            ASSERT_TRUE(SameAsModel(map, model)) << "halfway through the drain";
        }
    }
    EXPECT_TRUE(map.empty());
    EXPECT_TRUE(map.begin() == map.end());
    EXPECT_EQ(0u, map.erase(keys[0])) << "erase from an empty map";
    EXPECT_TRUE(map.find(keys[0]) == map.end());

    // Reuse after clear.
    for (size_t i = 0; i < keys.size(); i += 3)
    {
        map.insert(CListDataKeyMap::value_type(keys[i], FakeRecord(static_cast<long>(i))));
        model.insert(Model::value_type(keys[i], FakeRecord(static_cast<long>(i))));
    }
    map.clear();
    model.clear();
    ASSERT_TRUE(SameAsModel(map, model)) << "after clear";
    for (size_t i = 0; i < keys.size(); i += 2)
    {
        map.insert(CListDataKeyMap::value_type(keys[i], FakeRecord(static_cast<long>(i))));
        model.insert(Model::value_type(keys[i], FakeRecord(static_cast<long>(i))));
    }
    EXPECT_TRUE(SameAsModel(map, model)) << "filled again after clear";
}

std::string CaseName(const ::testing::TestParamInfo<KeyMapCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(All, KeyMapModel, ::testing::ValuesIn(kCases), CaseName);

// The heap blocks the nodes hold, in three shapes of filling, and after the
// map has shrunk, emptied and gone.
struct KeyMapMemoryCase
{
    const char* name;
    KeyOrder order;
    double maxBlocksPerLeaf;   // leaves' share of the fill: 1 = full leaves
};

const KeyMapMemoryCase kMemoryCases[] = {
    { "Ascending", kAscending, 1.0 },    // appending leaves full leaves behind
    { "Descending", kDescending, 2.0 },  // halves
    { "Random", kRandom, 2.0 },
};

void PrintTo(const KeyMapMemoryCase& c, std::ostream* os)
{
    *os << c.name;
}

class KeyMapMemory : public ::testing::TestWithParam<KeyMapMemoryCase>
{
};

TEST_P(KeyMapMemory, NodesFollowTheCount)
{
    const int n = 100000;
    const int nLeaf = CListDataKeyMap::kLeafCapacity;
    const int nFanOut = CListDataKeyMap::kInnerKeys + 1;
    const KeyMapCase c = { "", GetParam().order, n, 21u };
    Rng rng(c.seed);
    const std::vector<long> order = FillKeys(c, rng);
    std::vector<long> keys(order);
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());

    HeapCounter heap;
    {
        CListDataKeyMap map;
        for (size_t i = 0; i < order.size(); ++i)
            map.insert(CListDataKeyMap::value_type(order[i], NULL));
        const double leaves = static_cast<double>(map.size()) / nLeaf;
        EXPECT_LE(heap.BlocksSinceStart(), GetParam().maxBlocksPerLeaf * leaves * (1.0 + 4.0 / nFanOut) + 3)
            << "blocks after the fill of " << map.size();

        // Down to a twentieth, in random order: no node stays below a
        // quarter of its capacity.
        for (size_t i = keys.size(); i > 1; --i)
            std::swap(keys[i - 1], keys[Below(rng, static_cast<int>(i))]);
        const size_t nKept = map.size() / 20;
        for (size_t i = nKept; i < keys.size(); ++i)
            map.erase(keys[i]);
        ASSERT_EQ(nKept, map.size());
        EXPECT_LE(heap.BlocksSinceStart(), 4.0 * nKept / nLeaf * (1.0 + 8.0 / nFanOut) + 3)
            << "blocks after shrinking to " << nKept;

        for (size_t i = 0; i < nKept; ++i)
            map.erase(keys[i]);
        EXPECT_TRUE(map.empty());
        EXPECT_EQ(0, heap.BlocksSinceStart()) << "an empty map holds no node";

        for (size_t i = 0; i < order.size(); ++i)
            map.insert(CListDataKeyMap::value_type(order[i], NULL));
        map.clear();
        EXPECT_EQ(0, heap.BlocksSinceStart()) << "clear gives every node back";
        map.insert(CListDataKeyMap::value_type(1, NULL));
    }
    EXPECT_EQ(0, heap.BlocksSinceStart()) << "the destructor gives every node back";
}

std::string MemoryCaseName(const ::testing::TestParamInfo<KeyMapMemoryCase>& info)
{
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(All, KeyMapMemory, ::testing::ValuesIn(kMemoryCases), MemoryCaseName);

} // namespace
