// CPoint and CRect where MFC code depends on their exact rules: signed mouse
// coordinates, the excluded right and bottom edges, and empty rectangles in
// intersection, union and subtraction. Portable: runs natively and under Wine.
#include <afx.h>

#include <gtest/gtest.h>

namespace {

::testing::AssertionResult RectIs(const CRect& r, int l, int t, int rt, int b)
{
    if (r.left == l && r.top == t && r.right == rt && r.bottom == b)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "got (" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "), expected (" << l
           << "," << t << "," << rt << "," << b << ")";
}

TEST(CRectTest, HitTestingAndRectangleRules)
{
    // Mouse coordinates are signed 16-bit values.
    CPoint fromLParam(static_cast<LPARAM>(MAKELONG(static_cast<WORD>(-5), 20)));
    EXPECT_TRUE(fromLParam == CPoint(-5, 20));

    CRect a(0, 0, 10, 10), b(5, 5, 15, 15), r;
    EXPECT_TRUE(a.PtInRect(CPoint(0, 0)) && a.PtInRect(CPoint(9, 9)));
    EXPECT_FALSE(a.PtInRect(CPoint(10, 5)) || a.PtInRect(CPoint(5, 10)) || a.PtInRect(CPoint(-1, 5)));

    EXPECT_TRUE(r.IntersectRect(&a, &b));
    EXPECT_TRUE(RectIs(r, 5, 5, 10, 10));
    EXPECT_FALSE(r.IntersectRect(&a, CRect(10, 0, 20, 10))) << "touching edges do not intersect";
    EXPECT_TRUE(RectIs(r, 0, 0, 0, 0));
    EXPECT_TRUE(r.UnionRect(&a, CRect(50, 50, 50, 60))) << "an empty rectangle is ignored";
    EXPECT_TRUE(RectIs(r, 0, 0, 10, 10));
    EXPECT_FALSE(r.UnionRect(CRect(1, 1, 1, 1), CRect(5, 5, 4, 4)));
    EXPECT_TRUE(r.IsRectNull());
    CRect n(20, 30, 10, 5);
    n.NormalizeRect();
    EXPECT_TRUE(RectIs(n, 10, 5, 20, 30));

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
