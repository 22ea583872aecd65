// CursorTipTest.cpp: CCursorTip's size, placement next to a point of its
// parent, frame and colours, and what a blank text does.
#include "CursorTip.h"

#include <gtest/gtest.h>

namespace {

TEST(CursorTipTest, SizePlacementPixelsAndBlankText)
{
    CWnd parent;
    CCursorTip tip;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_WINDOW + 1)), "tip parent",
                                WS_POPUP | WS_VISIBLE, 40, 30, 300, 200, NULL, NULL));
    ASSERT_TRUE(tip.Create(&parent));
    tip.SetText("Origin 120 ms \t ");
    tip.SetTextColor(RGB(0, 0, 160));
    tip.SetBackColor(RGB(255, 255, 200));
    CFont font; // the tip's font, measured here independently
    font.CreateFont(15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, 0, "MS Sans Serif");
    CWindowDC screen(nullptr);
    CFont* pOld = screen.SelectObject(&font);
    const CSize text = screen.GetTextExtent("Origin 120 ms");
    screen.SelectObject(pOld);
    CSize size;
    ASSERT_TRUE(tip.GetTipSize(size));
    EXPECT_TRUE(size == text + CSize(7, 2)) << size.cx << "x" << size.cy;

    ASSERT_EQ(1, tip.Show(CPoint(100, 50)));
    tip.UpdateWindow(); // the paint the placement caused, at the final size
    CPoint origin(0, 0);
    parent.ClientToScreen(&origin);
    CRect rc;
    tip.GetWindowRect(&rc);
    EXPECT_TRUE(tip.IsWindowVisible() && rc == CRect(CPoint(origin.x + 101, origin.y + 51), size));
    // A one-pixel black frame around the back colour, the text inside.
    CClientDC dc(&tip);
    EXPECT_TRUE(dc.GetPixel(0, 0) == RGB(0, 0, 0) && dc.GetPixel(size.cx - 1, size.cy - 1) == RGB(0, 0, 0));
    EXPECT_EQ(RGB(255, 255, 200), dc.GetPixel(1, 1));
    int nInk = 0;
    for (int x = 3; x < size.cx - 1; ++x)
        for (int y = 1; y < size.cy - 1; ++y)
            nInk += dc.GetPixel(x, y) == RGB(0, 0, 160);
    EXPECT_GT(nInk, 20);

    // Blank text shows nothing: a shown tip stays where it is, a hidden one stays hidden.
    tip.SetText("  ");
    EXPECT_EQ(0, tip.Show(CPoint(60, 60)));
    CRect rcAfter;
    tip.GetWindowRect(&rcAfter);
    EXPECT_TRUE(rcAfter == rc && tip.IsWindowVisible());
    tip.Close();
    EXPECT_EQ(0, tip.Show(CPoint(10, 10)));
    EXPECT_FALSE(tip.IsWindowVisible());
}

} // namespace
