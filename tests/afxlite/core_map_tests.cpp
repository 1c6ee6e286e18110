// CMapPtrToPtr, CMapWordToPtr and the pointer lists.

#include <afxcoll.h>

#include <gtest/gtest.h>

#include <set>

namespace {

void* P(INT_PTR n) { return (void*)n; }

class Inspectable : public CMapPtrToPtr
{
public:
    explicit Inspectable(int nBlockSize = 10) : CMapPtrToPtr(nBlockSize) {}
    bool HasTable() const { return m_pHashTable != NULL; }
};

TEST(MapPtrToPtr, SetLookupReplaceRemove)
{
    Inspectable map;
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(17u, map.GetHashTableSize());
    EXPECT_FALSE(map.HasTable());  // made on the first insertion

    void* value = P(99);
    EXPECT_FALSE(map.Lookup(P(16), value));
    EXPECT_EQ(P(99), value);  // untouched when not found
    EXPECT_FALSE(map.RemoveKey(P(16)));

    map.SetAt(P(16), P(1));
    map[P(32)] = P(2);
    map.SetAt(NULL, P(3));  // a NULL key is a key like any other
    EXPECT_EQ(3, map.GetCount());
    EXPECT_TRUE(map.Lookup(P(16), value));
    EXPECT_EQ(P(1), value);
    EXPECT_TRUE(map.Lookup(NULL, value));
    EXPECT_EQ(P(3), value);

    map.SetAt(P(16), P(10));  // replaces
    EXPECT_EQ(3, map.GetCount());
    EXPECT_EQ(P(10), map[P(16)]);
    EXPECT_EQ(NULL, map[P(48)]);  // operator[] adds a NULL value
    EXPECT_EQ(4, map.GetCount());

    EXPECT_TRUE(map.RemoveKey(P(48)));
    EXPECT_FALSE(map.RemoveKey(P(48)));
    EXPECT_TRUE(map.RemoveKey(P(16)));
    EXPECT_TRUE(map.RemoveKey(P(32)));
    EXPECT_TRUE(map.RemoveKey(NULL));
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_FALSE(map.HasTable());  // the last removal frees everything
    EXPECT_EQ((POSITION)NULL, map.GetStartPosition());
}

TEST(MapPtrToPtr, HashKeyAndTableSize)
{
    CMapPtrToPtr map;
    EXPECT_EQ(0x10u, map.HashKey(P(0x100)));
    EXPECT_EQ(0u, map.HashKey(P(0xF)));
    map.InitHashTable(101);
    EXPECT_EQ(101u, map.GetHashTableSize());
    map.SetAt(P(1), P(1));
    map.InitHashTable(7);  // not while holding entries
    EXPECT_EQ(101u, map.GetHashTableSize());
    map.RemoveAll();
    EXPECT_EQ(0, map.GetCount());
    map.InitHashTable(7, FALSE);
    EXPECT_EQ(7u, map.GetHashTableSize());
    map.SetAt(P(5), P(6));
    EXPECT_EQ(P(6), map[P(5)]);
}

TEST(MapPtrToPtr, IterationVisitsEveryEntryOnce)
{
    for (int nBlock : { 1, 3, 10, 64 })
    {
        CMapPtrToPtr map(nBlock);
        const int n = 1000;
        for (int i = 0; i < n; i++)
            map.SetAt(P(i * 16 + 8), P(i));
        for (int i = 0; i < n; i += 3)
            map.RemoveKey(P(i * 16 + 8));
        std::set<INT_PTR> seen;
        POSITION pos = map.GetStartPosition();
        while (pos != NULL)
        {
            void* key;
            void* value;
            map.GetNextAssoc(pos, key, value);
            EXPECT_EQ((INT_PTR)key, (INT_PTR)value * 16 + 8);
            EXPECT_TRUE(seen.insert((INT_PTR)value).second) << "visited twice";
        }
        EXPECT_EQ((size_t)map.GetCount(), seen.size()) << "block size " << nBlock;
        EXPECT_EQ(n - (n + 2) / 3, map.GetCount());
    }
}

TEST(MapWordToPtr, Basics)
{
    CMapWordToPtr map;
    map.SetAt(7, P(70));
    map[65535] = P(1);
    void* value = NULL;
    EXPECT_TRUE(map.Lookup(65535, value));
    EXPECT_EQ(P(1), value);
    EXPECT_EQ(2, map.GetCount());
    EXPECT_TRUE(map.RemoveKey(7));
    EXPECT_FALSE(map.Lookup(7, value));
}

TEST(PtrList, HeadTailInsertFindRemove)
{
    CPtrList list(2);
    EXPECT_TRUE(list.IsEmpty());
    POSITION pos2 = list.AddTail(P(2));
    list.AddHead(P(1));
    list.AddTail(P(4));
    list.InsertAfter(pos2, P(3));
    list.InsertBefore(list.GetHeadPosition(), P(0));
    ASSERT_EQ(5, list.GetCount());

    POSITION pos = list.GetHeadPosition();
    for (INT_PTR i = 0; pos != NULL; i++)
        EXPECT_EQ(P(i), list.GetNext(pos));
    pos = list.GetTailPosition();
    for (INT_PTR i = 4; pos != NULL; i--)
        EXPECT_EQ(P(i), list.GetPrev(pos));

    EXPECT_EQ(list.FindIndex(3), list.Find(P(3)));
    EXPECT_EQ((POSITION)NULL, list.Find(P(9)));
    EXPECT_EQ((POSITION)NULL, list.FindIndex(5));
    EXPECT_EQ((POSITION)NULL, list.FindIndex(-1));
    list.RemoveAt(list.Find(P(2)));
    EXPECT_EQ(P(0), list.RemoveHead());
    EXPECT_EQ(P(4), list.RemoveTail());
    EXPECT_EQ(2, list.GetCount());
    EXPECT_EQ(P(1), list.GetHead());
    EXPECT_EQ(P(3), list.GetTail());

    CPtrList other;
    other.AddTail(P(8));
    other.AddTail(P(9));
    list.AddHead(&other);
    list.AddTail(&other);
    EXPECT_EQ(6, list.GetCount());
    EXPECT_EQ(P(8), list.GetHead());
    EXPECT_EQ(P(9), list.GetTail());
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ((POSITION)NULL, list.GetHeadPosition());
}

} // namespace
