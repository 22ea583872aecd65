// CursorTipTest.cpp: CCursorTip's size, placement next to a point of its
// parent, frame and colours, and what an empty text does.
#include "CursorTip.h"

#include <gtest/gtest.h>

namespace {

class CursorTipTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        LPCSTR pszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1));
        ASSERT_TRUE(m_parent.CreateEx(0, pszClass, "tip parent", WS_POPUP | WS_VISIBLE, 40, 30, 300, 200,
                                      NULL, NULL));
        ASSERT_TRUE(m_tip.Create(&m_parent));
    }
    void TearDown() override
    {
        m_tip.DestroyWindow();
        m_parent.DestroyWindow();
    }

    // The text's extent with the tip's font, measured here independently.
    static CSize Measure(const char* psz)
    {
        HFONT hFont = ::CreateFontA(15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0, "MS Sans Serif");
        HDC hdc = ::GetDC(NULL);
        HGDIOBJ hOld = ::SelectObject(hdc, hFont);
        SIZE sz;
        ::GetTextExtentPoint32A(hdc, psz, static_cast<int>(strlen(psz)), &sz);
        ::SelectObject(hdc, hOld);
        ::ReleaseDC(NULL, hdc);
        ::DeleteObject(hFont);
        return CSize(sz);
    }
    COLORREF Pixel(int x, int y)
    {
        HDC hdc = ::GetDC(m_tip.m_hWnd);
        const COLORREF cr = ::GetPixel(hdc, x, y);
        ::ReleaseDC(m_tip.m_hWnd, hdc);
        return cr;
    }
    CRect TipRect()
    {
        CRect rc;
        m_tip.GetWindowRect(&rc);
        return rc;
    }

    CWnd m_parent;
    CCursorTip m_tip;
};

TEST_F(CursorTipTest, SizePlacementPixelsAndBlankText)
{
    m_tip.SetText("Origin 120 ms \t ");
    m_tip.SetTextColor(RGB(0, 0, 160));
    m_tip.SetBackColor(RGB(255, 255, 200));
    CSize size;
    ASSERT_TRUE(m_tip.GetTipSize(size));
    EXPECT_TRUE(size == Measure("Origin 120 ms") + CSize(7, 2)) << size.cx << "x" << size.cy;

    ASSERT_EQ(1, m_tip.Show(CPoint(100, 50)));
    m_tip.UpdateWindow(); // the paint the placement caused, at the final size
    EXPECT_TRUE(m_tip.IsWindowVisible());
    CPoint origin(0, 0);
    m_parent.ClientToScreen(&origin);
    EXPECT_TRUE(TipRect() == CRect(CPoint(origin.x + 101, origin.y + 51), size));
    // A one-pixel black frame around the back colour, the text inside.
    EXPECT_EQ(RGB(0, 0, 0), Pixel(0, 0));
    EXPECT_EQ(RGB(0, 0, 0), Pixel(size.cx - 1, size.cy - 1));
    EXPECT_EQ(RGB(255, 255, 200), Pixel(1, 1));
    int nInk = 0;
    for (int x = 3; x < size.cx - 1; ++x)
        for (int y = 1; y < size.cy - 1; ++y)
            nInk += Pixel(x, y) == RGB(0, 0, 160);
    EXPECT_GT(nInk, 20);

    // Blank text shows nothing: a shown tip stays where it is, a hidden one stays hidden.
    const CRect rc = TipRect();
    m_tip.SetText("  ");
    EXPECT_EQ(0, m_tip.Show(CPoint(60, 60)));
    EXPECT_TRUE(TipRect() == rc && m_tip.IsWindowVisible());
    m_tip.Close();
    EXPECT_EQ(0, m_tip.Show(CPoint(10, 10)));
    EXPECT_FALSE(m_tip.IsWindowVisible());
}

} // namespace
