// CPoint, CSize and CRect arithmetic.

#include <afxwin.h>

#include <gtest/gtest.h>

namespace {

void ExpectRect(const RECT& r, int l, int t, int rr, int b, int line)
{
    EXPECT_TRUE(r.left == l && r.top == t && r.right == rr && r.bottom == b)
        << "line " << line << ": (" << r.left << "," << r.top << "," << r.right << "," << r.bottom
        << ") expected (" << l << "," << t << "," << rr << "," << b << ")";
}
#define EXPECT_RECT(r, l, t, rr, b) ExpectRect((r), (l), (t), (rr), (b), __LINE__)

TEST(CRectGeometry, Attributes)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(100, r.Width());
    EXPECT_EQ(50, r.Height());
    EXPECT_EQ(CSize(100, 50), r.Size());
    EXPECT_EQ(CPoint(10, 20), r.TopLeft());
    EXPECT_EQ(CPoint(110, 70), r.BottomRight());
    EXPECT_EQ(CPoint(60, 45), r.CenterPoint());
    r.TopLeft() = CPoint(0, 0);
    EXPECT_RECT(r, 0, 0, 110, 70);
    EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 10)));  // right edge excluded
    EXPECT_FALSE(r.IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 9).IsRectEmpty());
    EXPECT_TRUE(CRect(0, 0, 0, 0).IsRectNull());
    EXPECT_FALSE(CRect(1, 0, 0, 0).IsRectNull());

    const RECT raw = { 1, 2, 3, 4 };
    LPCRECT pc = CRect(raw);
    EXPECT_RECT(*pc, 1, 2, 3, 4);
    EXPECT_RECT(CRect(CPoint(1, 2), CSize(3, 4)), 1, 2, 4, 6);
    EXPECT_RECT(CRect(CPoint(1, 2), CPoint(3, 4)), 1, 2, 3, 4);
}

TEST(CRectGeometry, InflateDeflateOffsetNormalize)
{
    CRect r(10, 10, 20, 20);
    r.InflateRect(2, 3);
    EXPECT_RECT(r, 8, 7, 22, 23);
    r.DeflateRect(CSize(2, 3));
    EXPECT_RECT(r, 10, 10, 20, 20);
    r.InflateRect(1, 2, 3, 4);
    EXPECT_RECT(r, 9, 8, 23, 24);
    r.DeflateRect(1, 2, 3, 4);
    RECT by = { 1, 1, 2, 2 };
    r.InflateRect(&by);
    EXPECT_RECT(r, 9, 9, 22, 22);
    r.DeflateRect(&by);
    EXPECT_RECT(r, 10, 10, 20, 20);
    r.OffsetRect(5, -5);
    EXPECT_RECT(r, 15, 5, 25, 15);
    r.OffsetRect(CPoint(-5, 5));
    r.OffsetRect(CSize(1, 1));
    EXPECT_RECT(r, 11, 11, 21, 21);

    CRect n(20, 30, 10, 5);
    n.NormalizeRect();
    EXPECT_RECT(n, 10, 5, 20, 30);
}

TEST(CRectGeometry, SetOperations)
{
    CRect a(0, 0, 10, 10);
    CRect b(5, 5, 15, 15);
    CRect r;
    EXPECT_TRUE(r.IntersectRect(a, b));
    EXPECT_RECT(r, 5, 5, 10, 10);
    EXPECT_FALSE(r.IntersectRect(a, CRect(20, 20, 30, 30)));
    EXPECT_TRUE(r.IsRectEmpty());
    EXPECT_TRUE(r.UnionRect(a, b));
    EXPECT_RECT(r, 0, 0, 15, 15);
    EXPECT_TRUE(r.SubtractRect(a, CRect(5, 0, 10, 10)));
    EXPECT_RECT(r, 0, 0, 5, 10);

    EXPECT_RECT(a & b, 5, 5, 10, 10);
    EXPECT_RECT(a | b, 0, 0, 15, 15);
    CRect c = a;
    c &= b;
    EXPECT_RECT(c, 5, 5, 10, 10);
    c |= CRect(0, 0, 1, 1);
    EXPECT_RECT(c, 0, 0, 10, 10);
    EXPECT_TRUE(c == a);
    EXPECT_FALSE(c != a);
    EXPECT_TRUE(c.EqualRect(a));
    c.SetRectEmpty();
    EXPECT_RECT(c, 0, 0, 0, 0);
    c.SetRect(1, 2, 3, 4);
    EXPECT_RECT(c, 1, 2, 3, 4);
    c.CopyRect(a);
    EXPECT_RECT(c, 0, 0, 10, 10);
}

TEST(CRectGeometry, Operators)
{
    CRect r(0, 0, 10, 10);
    EXPECT_RECT(r + CPoint(1, 2), 1, 2, 11, 12);
    EXPECT_RECT(r - CPoint(1, 2), -1, -2, 9, 8);
    EXPECT_RECT(r + CSize(3, 3), 3, 3, 13, 13);
    EXPECT_RECT(r - CSize(3, 3), -3, -3, 7, 7);
    RECT by = { 1, 2, 3, 4 };
    EXPECT_RECT(r + &by, -1, -2, 13, 14);
    EXPECT_RECT(r - &by, 1, 2, 7, 6);
    r += CPoint(1, 1);
    r -= CSize(2, 2);
    EXPECT_RECT(r, -1, -1, 9, 9);
    r += &by;
    r -= &by;
    EXPECT_RECT(r, -1, -1, 9, 9);
    EXPECT_RECT(CPoint(1, 1) + &by, 2, 3, 4, 5);
    EXPECT_RECT(CSize(1, 1) + &by, 2, 3, 4, 5);
    EXPECT_RECT(CRect(10, 20, 30, 40).MulDiv(1, 2), 5, 10, 15, 20);
}

TEST(CPointSize, Arithmetic)
{
    CPoint p(3, 4);
    p.Offset(1, 1);
    p += CSize(1, 1);
    p -= CPoint(2, 2);
    EXPECT_EQ(CPoint(3, 4), p);
    EXPECT_EQ(CPoint(5, 7), p + CSize(2, 3));
    EXPECT_EQ(CSize(1, 2), CPoint(4, 6) - p);
    EXPECT_EQ(CPoint(-3, -4), -p);
    EXPECT_TRUE(p != CPoint(0, 0));

    CSize s(2, 3);
    s += CSize(1, 1);
    EXPECT_EQ(CSize(3, 4), s);
    EXPECT_EQ(CSize(1, 1), s - CSize(2, 3));
    EXPECT_EQ(CSize(-3, -4), -s);
    EXPECT_EQ(CPoint(4, 5), s + CPoint(1, 1));

    // Packed forms (as in lParam): the words are signed.
    CPoint packed((DWORD)MAKELONG(-5, 7));
    EXPECT_EQ(CPoint(-5, 7), packed);
    CSize packedSize((DWORD)MAKELONG(3, -2));
    EXPECT_EQ(CSize(3, -2), packedSize);
}

} // namespace
