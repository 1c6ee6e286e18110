// Large array blocks grow where they lie: contents, sizes and the rule of
// which sizes are allocated stay those of the copying growth.
#include <afxtempl.h>

#include <gtest/gtest.h>

// Past the threshold a block lives in a range of its own; growth by a fixed
// step then commits pages instead of copying, and the elements stay put.
TEST(ArrayBlocks, LargeByteCopyableArrayGrowsInPlace)
{
    CArray<INT_PTR, INT_PTR> a;
    a.SetSize(0, 4096);
    const int kCount = 600000;   // about 4.6 MB on 64-bit builds
    const INT_PTR* pMoved = NULL;
    int nMoves = 0, nRangeMoves = 0;
    for (int i = 0; i < kCount; i++)
    {
        const INT_PTR* pBefore = a.GetData();
        const bool bInRange = _AfxArrayBlockCommitted(pBefore) != 0;
        a.Add(i * 3);
        if (pBefore != NULL && a.GetData() != pBefore)
        {
            nMoves++;
            nRangeMoves += bInRange;
            pMoved = a.GetData();
        }
    }
    ASSERT_EQ(kCount, a.GetSize());
    EXPECT_EQ(kCount - 1, a.GetUpperBound());
    EXPECT_LT(nMoves, 20) << "the block moved at most a logarithmic number of times";
#ifdef _WIN64
    // A copy of a large block stalls its thread: at 64 bits, once out of the
    // heap, the block never moves again.
    EXPECT_EQ(0, nRangeMoves);
#else
    (void)nRangeMoves;
#endif
    EXPECT_NE(0u, _AfxArrayBlockCommitted(pMoved != NULL ? pMoved : a.GetData()));
    int nWrong = 0;
    for (int i = 0; i < kCount; i++)
        nWrong += a[i] != i * 3;
    EXPECT_EQ(0, nWrong);

    // Growth within the allocation only zeroes the new slots; shrinking and
    // growing again does not bring old values back.
    a.SetSize(10);
    a.SetSize(kCount + 5000);
    EXPECT_EQ(27, a[9]);
    EXPECT_EQ(0, a[10]);
    EXPECT_EQ(0, a[kCount + 4999]);
    a.FreeExtra();
    EXPECT_EQ(kCount + 5000, a.GetSize());
    EXPECT_EQ(27, a[9]);
    a.SetSize(0);
    EXPECT_EQ(NULL, a.GetData());
}

// Elements that are not byte-copyable are still moved one by one.
TEST(ArrayBlocks, LargeCStringArrayKeepsEveryString)
{
    CStringArray a;
    a.SetSize(0, 50000);
    for (int i = 0; i < 200000; i++)
    {
        CString s;
        s.Format("s%d", i);
        a.Add(s);
    }
    int nWrong = 0;
    for (int i = 0; i < 200000; i += 997)
    {
        CString s;
        s.Format("s%d", i);
        nWrong += a[i] != s;
    }
    EXPECT_EQ(0, nWrong);
}
