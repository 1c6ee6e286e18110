// CArray and the non-template arrays: the growth rule (exact allocation
// sizes), element lifetimes, moving elements around, aliasing and bad
// ranges.

#include <afxtempl.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

// Exposes the protected bookkeeping of an array class.
template <class BASE>
class Inspectable : public BASE
{
public:
    int MaxSize() const { return this->m_nMaxSize; }
    int GrowBy() const { return this->m_nGrowBy; }
    const void* Data() const { return this->m_pData; }
};

// Counts constructions and destructions.
struct Counted
{
    static int s_live;
    static int s_constructed;
    static int s_destroyed;
    int value;

    Counted() : value(-1) { s_live++; s_constructed++; }
    Counted(int v) : value(v) { s_live++; s_constructed++; }
    Counted(const Counted& other) : value(other.value) { s_live++; s_constructed++; }
    Counted& operator=(const Counted& other) { value = other.value; return *this; }
    ~Counted() { s_live--; s_destroyed++; value = -999; }

    static void Reset() { s_live = s_constructed = s_destroyed = 0; }
};
int Counted::s_live = 0;
int Counted::s_constructed = 0;
int Counted::s_destroyed = 0;

/////////////////////////////////////////////////////////////////////////////
// Growth rule, as a table of steps: (new size, growth step) -> (size, allocation)

struct GrowthStep
{
    int nNewSize;
    int nGrowBy;
    int nSize;     // expected GetSize()
    int nMaxSize;  // expected allocation
};

struct GrowthCase
{
    const char* name;
    std::vector<GrowthStep> steps;
};

std::ostream& operator<<(std::ostream& out, const GrowthCase& c)
{
    return out << c.name;
}

const GrowthCase g_growthCases[] = {
    { "FirstAllocationIsExact", { { 10, -1, 10, 10 }, { 3, -1, 3, 10 }, { 10, -1, 10, 10 } } },
    { "StepZeroUsesAnEighthBoundedTo4", { { 10, 0, 10, 10 }, { 11, -1, 11, 14 }, { 15, -1, 15, 18 } } },
    { "StepZeroEighthOfSize", { { 2000, 0, 2000, 2000 }, { 2001, -1, 2001, 2250 } } },
    { "StepZeroBoundedTo1024", { { 10000, 0, 10000, 10000 }, { 10001, -1, 10001, 11024 } } },
    { "BigRequestBeatsTheStep", { { 10, 0, 10, 10 }, { 100, -1, 100, 100 } } },
    { "ShrinkKeepsAllocationThenGrowthUsesSize", { { 10, 0, 10, 10 }, { 5, -1, 5, 10 }, { 20, -1, 20, 20 } } },
    { "SizeZeroFreesStorage", { { 10, 0, 10, 10 }, { 0, -1, 0, 0 }, { 3, -1, 3, 3 } } },
    { "ExplicitStepAppliesPastAllocation", { { 3, 100, 3, 3 }, { 4, -1, 4, 103 }, { 103, -1, 103, 103 }, { 104, -1, 104, 203 } } },
    { "MinusOneKeepsTheStep", { { 1, 7, 1, 1 }, { 2, -1, 2, 8 }, { 9, 5, 9, 13 } } },
    { "NegativeStepGrowsExactly", { { 4, -5, 4, 4 }, { 5, -1, 5, 5 } } },
    { "BigListCapacity", { { 2048, 2048, 2048, 2048 }, { 2049, -1, 2049, 4096 }, { 0, -1, 0, 0 }, { 2048, 2048, 2048, 2048 } } },
};

class ArrayGrowth : public ::testing::TestWithParam<GrowthCase> {};

TEST_P(ArrayGrowth, TemplateArray)
{
    Inspectable<CArray<int, int>> a;
    const GrowthCase& c = GetParam();
    for (size_t i = 0; i < c.steps.size(); i++)
    {
        const GrowthStep& step = c.steps[i];
        a.SetSize(step.nNewSize, step.nGrowBy);
        EXPECT_EQ(step.nSize, a.GetSize()) << "step " << i;
        EXPECT_EQ(step.nMaxSize, a.MaxSize()) << "step " << i;
        EXPECT_EQ(step.nMaxSize == 0, a.Data() == NULL) << "step " << i;
    }
}

TEST_P(ArrayGrowth, PtrArray)
{
    Inspectable<CPtrArray> a;
    const GrowthCase& c = GetParam();
    for (size_t i = 0; i < c.steps.size(); i++)
    {
        const GrowthStep& step = c.steps[i];
        a.SetSize(step.nNewSize, step.nGrowBy);
        EXPECT_EQ(step.nSize, a.GetSize()) << "step " << i;
        EXPECT_EQ(step.nMaxSize, a.MaxSize()) << "step " << i;
        // new slots are NULL
        for (int k = 0; k < a.GetSize(); k++)
            if (a[k] != NULL)
                ADD_FAILURE() << "slot " << k << " not NULL after step " << i;
        // dirty every slot so the next step shows which ones it resets
        for (int k = 0; k < a.GetSize(); k++)
            a[k] = (void*)(INT_PTR)(k + 1);
        for (int k = 0; k < a.GetSize(); k++)
            a[k] = NULL;
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, ArrayGrowth, ::testing::ValuesIn(g_growthCases),
    [](const ::testing::TestParamInfo<GrowthCase>& info) { return std::string(info.param.name); });

TEST(ArrayGrowthAdd, RepeatedAddFollowsTheRule)
{
    Inspectable<CArray<int, int>> a;
    Inspectable<CDWordArray> d;
    int nExpectedMax = 0;
    for (int i = 0; i < 300; i++)
    {
        // expected: exact first, then max(size, allocation + step)
        int nNewSize = i + 1;
        if (nExpectedMax == 0)
            nExpectedMax = nNewSize;
        else if (nNewSize > nExpectedMax)
        {
            int nStep = i / 8;
            nStep = nStep < 4 ? 4 : (nStep > 1024 ? 1024 : nStep);
            nExpectedMax = nNewSize > nExpectedMax + nStep ? nNewSize : nExpectedMax + nStep;
        }
        EXPECT_EQ(i, a.Add(i));
        EXPECT_EQ(i, d.Add((DWORD)i));
        ASSERT_EQ(nExpectedMax, a.MaxSize()) << "after " << nNewSize << " adds";
        ASSERT_EQ(nExpectedMax, d.MaxSize()) << "after " << nNewSize << " adds";
    }
    for (int i = 0; i < 300; i++)
        ASSERT_EQ(i, a[i]);

    a.FreeExtra();
    EXPECT_EQ(300, a.MaxSize());
    a.RemoveAll();
    EXPECT_EQ(0, a.MaxSize());
    EXPECT_EQ(NULL, a.Data());
}

/////////////////////////////////////////////////////////////////////////////
// Element lifetimes

TEST(ArrayElements, ConstructedZeroedAndDestroyed)
{
    Counted::Reset();
    {
        Inspectable<CArray<Counted, const Counted&>> a;
        a.SetSize(5, 0);
        EXPECT_EQ(5, Counted::s_live);
        for (int i = 0; i < 5; i++)
            EXPECT_EQ(-1, a[i].value);
        a.SetSize(3);
        EXPECT_EQ(3, Counted::s_live);
        a.SetSize(5);  // within the allocation: two new ones
        EXPECT_EQ(5, Counted::s_live);
        EXPECT_EQ(-1, a[4].value);
        a.SetSize(50);  // past it: the old ones move, no copies left behind
        EXPECT_EQ(50, Counted::s_live);
        a.RemoveAt(10, 5);
        EXPECT_EQ(45, Counted::s_live);
        a.InsertAt(0, Counted(7), 3);
        EXPECT_EQ(48, Counted::s_live);
        EXPECT_EQ(7, a[2].value);
        a.FreeExtra();
        EXPECT_EQ(48, Counted::s_live);
        a.RemoveAll();
        EXPECT_EQ(0, Counted::s_live);
        a.SetSize(4);
    }
    EXPECT_EQ(0, Counted::s_live);
    EXPECT_EQ(Counted::s_constructed, Counted::s_destroyed);
}

// A plain record: new elements, also those reused within the allocation,
// start all-zero with an empty string.
struct Record
{
    int n;
    double d;
    CString label;
    void* p;
};

TEST(ArrayElements, PlainRecordsStartZeroed)
{
    CArray<Record, Record&> a;
    a.SetSize(3, 0);
    for (int i = 0; i < 3; i++)
    {
        a[i].n = 5;
        a[i].d = 2.5;
        a[i].label = "set";
        a[i].p = &a;
    }
    a.SetSize(1);
    a.SetSize(3);    // within the allocation
    a.SetSize(40);   // past it
    for (int i = 1; i < 40; i++)
    {
        EXPECT_EQ(0, a[i].n) << i;
        EXPECT_EQ(0.0, a[i].d) << i;
        EXPECT_TRUE(a[i].label.IsEmpty()) << i;
        EXPECT_EQ(NULL, a[i].p) << i;
    }
    EXPECT_EQ(5, a[0].n);
    EXPECT_STREQ("set", (LPCTSTR)a[0].label);
}

TEST(ArrayElements, CStringElementsSurviveEveryMove)
{
    CArray<CString, LPCTSTR> a;
    for (int i = 0; i < 40; i++)
    {
        CString s;
        s.Format("item %d", i);
        a.Add(s);
    }
    a.InsertAt(5, "inserted", 2);
    a.RemoveAt(0, 3);
    a.FreeExtra();
    ASSERT_EQ(39, a.GetSize());
    EXPECT_STREQ("item 3", (LPCTSTR)a[0]);
    EXPECT_STREQ("inserted", (LPCTSTR)a[2]);
    EXPECT_STREQ("inserted", (LPCTSTR)a[3]);
    EXPECT_STREQ("item 5", (LPCTSTR)a[4]);
    EXPECT_STREQ("item 39", (LPCTSTR)a[38]);

    CStringArray sa;
    sa.Add("x");
    sa.SetAtGrow(3, "y");
    ASSERT_EQ(4, sa.GetSize());
    EXPECT_TRUE(sa[1].IsEmpty());
    EXPECT_STREQ("y", (LPCTSTR)sa[3]);
    sa.InsertAt(0, "w");
    sa.RemoveAt(1);
    EXPECT_STREQ("w", (LPCTSTR)sa[0]);
    EXPECT_EQ(4, sa.GetSize());
}

/////////////////////////////////////////////////////////////////////////////
// Moving elements, aliasing, bad ranges

TEST(ArrayOps, InsertRemoveCopyAppend)
{
    CArray<int, int> a;
    for (int i = 0; i < 5; i++)
        a.Add(i);                   // 0 1 2 3 4
    a.InsertAt(2, 9, 2);            // 0 1 9 9 2 3 4
    a.InsertAt(10, 5);              // past the end: grows, gap of zeroes
    ASSERT_EQ(11, a.GetSize());
    EXPECT_EQ(9, a[3]);
    EXPECT_EQ(2, a[4]);
    EXPECT_EQ(0, a[7]);
    EXPECT_EQ(5, a[10]);
    a.RemoveAt(7, 4);
    a.RemoveAt(2, 2);               // 0 1 2 3 4
    ASSERT_EQ(5, a.GetSize());
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(i, a[i]);

    CArray<int, int> b;
    b.Copy(a);
    EXPECT_EQ(0, b.Append(a) - 5);  // returns the old size
    ASSERT_EQ(10, b.GetSize());
    EXPECT_EQ(4, b[9]);
    b.InsertAt(1, &a);
    ASSERT_EQ(15, b.GetSize());
    EXPECT_EQ(4, b[5]);
    EXPECT_EQ(1, b[6]);
    b.InsertAt(0, &b);              // into itself
    EXPECT_EQ(30, b.GetSize());
    b.Copy(b);
    EXPECT_EQ(30, b.GetSize());
    EXPECT_EQ(5, b.GetUpperBound() - 24);
}

TEST(ArrayOps, AddOfOwnElementAcrossGrowth)
{
    // The argument refers into the array whose storage the growth replaces.
    CArray<CString, const CString&> a;
    a.Add(CString("first"));
    for (int i = 0; i < 100; i++)
        a.Add(a[0]);
    for (int i = 0; i < a.GetSize(); i++)
        ASSERT_STREQ("first", (LPCTSTR)a[i]) << i;
    a.InsertAt(0, a[50], 20);
    EXPECT_STREQ("first", (LPCTSTR)a[19]);
    a.SetAtGrow(500, a[1]);
    EXPECT_STREQ("first", (LPCTSTR)a[500]);
    EXPECT_TRUE(a[499].IsEmpty());

    CArray<Counted, const Counted&> c;
    c.Add(Counted(42));
    for (int i = 0; i < 50; i++)
        c.Add(c[c.GetUpperBound()]);
    EXPECT_EQ(42, c[50].value);
}

TEST(ArrayOps, RangesOutsideTheArrayAreIgnored)
{
    CArray<int, int> a;
    for (int i = 0; i < 4; i++)
        a.Add(i);
    a.RemoveAt(-1);
    a.RemoveAt(4);
    a.RemoveAt(2, 3);
    a.RemoveAt(1, -2);
    a.InsertAt(-1, 7);
    a.InsertAt(1, 7, 0);
    a.SetAtGrow(-3, 7);
    a.SetSize(-1);
    ASSERT_EQ(4, a.GetSize());
    for (int i = 0; i < 4; i++)
        EXPECT_EQ(i, a[i]);

    CPtrArray p;
    p.Add(&a);
    p.RemoveAt(1);
    p.RemoveAt(0, 2);
    EXPECT_EQ(1, p.GetSize());
}

TEST(ArrayOps, ImpossibleSizeThrowsMemoryException)
{
    // 2^31 elements of 1 MB: more than either address space holds (and
    // past size_t on 32-bit).
    struct Big
    {
        char bytes[1 << 20];
    };
    CArray<Big, const Big&> a;
    bool bThrown = false;
    try
    {
        a.SetSize(0x7fffffff);
    }
    catch (CMemoryException* e)
    {
        bThrown = true;
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CMemoryException)));
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
    EXPECT_EQ(0, a.GetSize());

    CString s;
    bThrown = false;
    try
    {
        s.GetBuffer(0x7fffffff);  // no room for the header and terminator
    }
    catch (CMemoryException* e)
    {
        bThrown = true;
        e->Delete();
    }
    EXPECT_TRUE(bThrown);
}

TEST(ArrayOps, TypedPtrArray)
{
    int values[3] = { 10, 20, 30 };
    CTypedPtrArray<CPtrArray, int*> a;
    for (int i = 0; i < 3; i++)
        a.Add(&values[i]);
    EXPECT_EQ(20, *a[1]);
    EXPECT_EQ(&values[2], a.GetAt(2));
    a.InsertAt(0, &values[2]);
    EXPECT_EQ(30, *a.ElementAt(0));
    EXPECT_EQ(4, a.GetSize());
}

} // namespace
