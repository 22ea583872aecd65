// CPoint, CSize and CRect: MFC's operators and helpers, with the Win32
// rectangle rules (empty rectangles, intersection, union, subtraction).
// Portable: runs natively and under Wine.
#include <afx.h>

#include <gtest/gtest.h>

namespace {

::testing::AssertionResult RectIs(const CRect& r, int l, int t, int rt, int b)
{
    if (r.left == l && r.top == t && r.right == rt && r.bottom == b)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got (" << r.left << "," << r.top << "," << r.right << "," << r.bottom
                                         << "), expected (" << l << "," << t << "," << rt << "," << b << ")";
}

TEST(CPointTest, ArithmeticAndLParam)
{
    CPoint p(3, 4);
    p.Offset(1, 1);
    EXPECT_TRUE(p == CPoint(4, 5));
    p += CSize(1, 2);
    EXPECT_TRUE(p == CPoint(5, 7));
    p -= CPoint(5, 7);
    EXPECT_TRUE(p == CPoint(0, 0));
    EXPECT_TRUE(CPoint(1, 2) + CSize(3, 4) == CPoint(4, 6));
    EXPECT_TRUE(CPoint(1, 2) - CSize(3, 4) == CPoint(-2, -2));
    CSize diff = CPoint(10, 10) - CPoint(3, 4);
    EXPECT_TRUE(diff == CSize(7, 6));
    EXPECT_TRUE(-CPoint(1, -2) == CPoint(-1, 2));
    EXPECT_TRUE(CPoint(1, 2) != CPoint(2, 1));
    // Mouse coordinates are signed 16-bit values.
    CPoint fromLParam(static_cast<LPARAM>(MAKELONG(static_cast<WORD>(-5), 20)));
    EXPECT_EQ(fromLParam.x, -5);
    EXPECT_EQ(fromLParam.y, 20);
}

TEST(CSizeTest, Arithmetic)
{
    CSize s(2, 3);
    s += CSize(1, 1);
    EXPECT_TRUE(s == CSize(3, 4));
    EXPECT_TRUE(s - CSize(3, 4) == CSize(0, 0));
    EXPECT_TRUE(-s == CSize(-3, -4));
    EXPECT_TRUE(s + CPoint(1, 1) == CPoint(4, 5));
    EXPECT_TRUE(CSize(MAKELONG(7, 8)) == CSize(7, 8));
}

TEST(CRectTest, PtInRectExcludesRightAndBottom)
{
    CRect r(0, 0, 10, 10);
    EXPECT_TRUE(r.PtInRect(CPoint(0, 0)));
    EXPECT_TRUE(r.PtInRect(CPoint(9, 9)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 5)));
    EXPECT_FALSE(r.PtInRect(CPoint(5, 10)));
    EXPECT_FALSE(r.PtInRect(CPoint(-1, 5)));
}

TEST(CRectTest, InflateDeflateOffsetNormalize)
{
    CRect r(10, 10, 20, 20);
    r.InflateRect(1, 2);
    EXPECT_TRUE(RectIs(r, 9, 8, 21, 22));
    r.DeflateRect(1, 2);
    EXPECT_TRUE(RectIs(r, 10, 10, 20, 20));
    r.InflateRect(CSize(1, 1));
    r.DeflateRect(CSize(1, 1));
    r.InflateRect(1, 2, 3, 4);
    EXPECT_TRUE(RectIs(r, 9, 8, 23, 24));
    r.DeflateRect(1, 2, 3, 4);
    RECT by = {1, 2, 3, 4};
    r.InflateRect(&by);
    EXPECT_TRUE(RectIs(r, 9, 8, 23, 24));
    r.DeflateRect(&by);
    EXPECT_TRUE(RectIs(r, 10, 10, 20, 20));
    r.OffsetRect(5, -5);
    EXPECT_TRUE(RectIs(r, 15, 5, 25, 15));
    r.OffsetRect(CPoint(-5, 5));
    r.OffsetRect(CSize(1, 1));
    EXPECT_TRUE(RectIs(r, 11, 11, 21, 21));
    CRect n(20, 30, 10, 5);
    n.NormalizeRect();
    EXPECT_TRUE(RectIs(n, 10, 5, 20, 30));
    n.MoveToXY(0, 0);
    EXPECT_TRUE(RectIs(n, 0, 0, 10, 25));
}

TEST(CRectTest, IntersectUnionSubtract)
{
    CRect a(0, 0, 10, 10), b(5, 5, 15, 15), r;
    EXPECT_TRUE(r.IntersectRect(&a, &b));
    EXPECT_TRUE(RectIs(r, 5, 5, 10, 10));
    EXPECT_FALSE(r.IntersectRect(&a, CRect(10, 0, 20, 10))) << "touching edges do not intersect";
    EXPECT_TRUE(RectIs(r, 0, 0, 0, 0));
    EXPECT_TRUE(r.UnionRect(&a, &b));
    EXPECT_TRUE(RectIs(r, 0, 0, 15, 15));
    EXPECT_TRUE(r.UnionRect(&a, CRect(50, 50, 50, 60))) << "an empty rectangle is ignored";
    EXPECT_TRUE(RectIs(r, 0, 0, 10, 10));
    EXPECT_FALSE(r.UnionRect(CRect(1, 1, 1, 1), CRect(5, 5, 4, 4)));
    EXPECT_TRUE(r.IsRectNull());

    // Subtraction leaves a rectangle only when a whole side is covered.
    EXPECT_TRUE(r.SubtractRect(&a, CRect(5, -1, 11, 11)));
    EXPECT_TRUE(RectIs(r, 0, 0, 5, 10));
    EXPECT_TRUE(r.SubtractRect(&a, CRect(-1, -1, 11, 3)));
    EXPECT_TRUE(RectIs(r, 0, 3, 10, 10));
    EXPECT_TRUE(r.SubtractRect(&a, CRect(2, 2, 4, 4)));
    EXPECT_TRUE(RectIs(r, 0, 0, 10, 10)) << "a hole cannot be expressed: the first rectangle stays";
    EXPECT_FALSE(r.SubtractRect(&a, CRect(-5, -5, 20, 20)));
    EXPECT_TRUE(r.IsRectEmpty());
}

} // namespace
