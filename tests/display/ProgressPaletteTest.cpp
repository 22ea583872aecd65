// ProgressPaletteTest.cpp: the text progress bar and the palette strip,
// checked through their painted pixels.
#include <gtest/gtest.h>

#include "MsgRecorder.h"
#include "PaletteRect.h"
#include "PaletteRectGrd.h"
#include "StaticsSupport.h"
#include "TextProgressCtrl.h"

#include <functional>
#include <vector>

namespace {

const UINT kId = 1300;
const COLORREF kBar = RGB(0, 0, 200), kEmpty = RGB(255, 255, 255);
const COLORREF kTextOverBar = RGB(255, 255, 0), kTextOverEmpty = RGB(200, 0, 0);

// Counts its paints.
class CCountingProgress : public CTextProgressCtrl
{
public:
    int m_nPaints = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_nPaints += message == WM_PAINT;
        return CTextProgressCtrl::WindowProc(message, wParam, lParam);
    }
};

// A bar of cx x 20 pixels in the test colours.
struct BarFixture
{
    CStaticsHost host;
    CCountingProgress bar;
    CStaticsCanvas canvas;

    explicit BarFixture(int cx) : canvas(cx, 20)
    {
        VERIFY(bar.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, cx, 20), &host, kId));
        bar.SetFgColor(kBar);
        bar.SetBkColor(kEmpty);
        bar.SetTxtBkColor(kTextOverBar);
        bar.SetTxtFgColor(kTextOverEmpty);
    }
    void Shoot()
    {
        PaintNow(bar.m_hWnd);
        canvas.CopyFromWindow(bar.m_hWnd);
    }
    int Count(COLORREF cr, int left, int right)
    {
        return left < right ? canvas.Count(cr, CRect(left, 0, right, 20)) : 0;
    }
};

TEST(TextProgress, TheTextChangesColourExactlyAtTheBarEdge)
{
    struct Row
    {
        int nPos, nEdge;               // nEdge: the first empty column
        bool bTextOnBar, bTextOnEmpty; // some of the text lies over the bar, over the empty part
    };
    // 100 pixels, range 0..100; the centred text spans both sides of 42.
    const Row rows[] = {{0, 0, false, true},
                        {42, 42, true, true},
                        {100, 100, true, false},
                        {150, 100, true, false},
                        {-20, 0, false, true}};
    BarFixture f(100);
    int nInk100 = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.nPos);
        f.bar.SetPos(row.nPos);
        f.Shoot();
        EXPECT_EQ(row.nEdge > 0 ? kBar : CLR_INVALID, f.canvas.Pixel(row.nEdge - 1, 0));
        EXPECT_EQ(row.nEdge < 100 ? kEmpty : CLR_INVALID, f.canvas.Pixel(row.nEdge, 0));
        EXPECT_EQ(0, f.Count(kTextOverEmpty, 0, row.nEdge));
        EXPECT_EQ(0, f.Count(kTextOverBar, row.nEdge, 100));
        const int nInk = f.Count(kTextOverBar, 0, row.nEdge);
        EXPECT_EQ(row.bTextOnBar, nInk > 0);
        EXPECT_EQ(row.bTextOnEmpty, f.Count(kTextOverEmpty, row.nEdge, 100) > 0);
        if (row.nPos == 100)
            nInk100 = nInk;
        if (row.nPos == 150) {
            EXPECT_NE(nInk100, nInk) << "150% is not clamped to 100%";
        }
    }
    // A partial repaint: the memory DC's origin moves, the split stays put.
    f.bar.SetPos(42);
    f.Shoot();
    const int nSplitInk = f.Count(kTextOverEmpty, 42, 100);
    f.bar.InvalidateRect(CRect(45, 0, 100, 20), FALSE);
    f.bar.UpdateWindow();
    f.canvas.CopyFromWindow(f.bar.m_hWnd);
    EXPECT_EQ(0, f.Count(kTextOverBar, 42, 100));
    EXPECT_EQ(nSplitInk, f.Count(kTextOverEmpty, 42, 100));
    // A window text replaces the percentage and is the control's own.
    f.bar.SetPos(50);
    f.bar.SetWindowText("Copying");
    char buf[5] = "xxxx";
    EXPECT_EQ(4, ::SendMessageA(f.bar.m_hWnd, WM_GETTEXT, sizeof(buf), (LPARAM)buf));
    EXPECT_STREQ("Copy", buf);
    f.Shoot();
    EXPECT_GT(f.Count(kTextOverBar, 0, 50), 0);
    EXPECT_GT(f.Count(kTextOverEmpty, 50, 100), 0);
}

TEST(TextProgress, GradientStripes)
{
    struct Row
    {
        COLORREF crLeft, crRight;
        int x;
        COLORREF crExpected;
    };
    // 255 pixels at 100 %: 255 one-pixel stripes, stripe i at x = i.  In the
    // last rows red changes most: 51 stripes of five pixels, blue falls 10/51.
    const Row rows[] = {
        {RGB(0, 0, 0), RGB(0, 0, 255), 100, RGB(0, 0, 100)},
        {RGB(0, 0, 0), RGB(0, 0, 255), 254, RGB(0, 0, 254)},
        {RGB(255, 0, 0), RGB(0, 0, 0), 254, RGB(1, 0, 0)},
        {RGB(0, 100, 10), RGB(51, 100, 0), 5, RGB(1, 100, 9)},
        {RGB(0, 100, 10), RGB(51, 100, 0), 25, RGB(5, 100, 9)},
    };
    BarFixture f(255);
    f.bar.SetShowText(false);
    f.bar.SetPos(100);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.x);
        f.bar.SetFgColor(row.crLeft, row.crRight);
        f.Shoot();
        EXPECT_EQ(row.crExpected, f.canvas.Pixel(row.x, 10));
    }
}

TEST(TextProgress, RepaintsOnlyWhenTheEdgeMovesAPixel)
{
    struct Step
    {
        const char* label;
        std::function<int(CTextProgressCtrl&)> act;
        int nOldPos; // what the call returns
        bool bPaint; // whether it repainted at once
    };
    // Range 0..200 over 100 pixels: one pixel per two positions.
    const Step steps[] = {
        {"the first SetPos paints", [](CTextProgressCtrl& b) { return b.SetPos(0); }, 0, true},
        {"1 is still width 0", [](CTextProgressCtrl& b) { return b.SetPos(1); }, 0, false},
        {"2 is width 1", [](CTextProgressCtrl& b) { return b.SetPos(2); }, 1, true},
        {"a step of 1", [](CTextProgressCtrl& b) { return b.StepIt(); }, 2, false},
        {"an offset of 3", [](CTextProgressCtrl& b) { return b.OffsetPos(3); }, 3, true},
        {"PBM_SETPOS from any sender",
         [](CTextProgressCtrl& b) {
             EXPECT_EQ(0, ::SendMessageA(b.m_hWnd, PBM_SETPOS, 20, 0)) << "answers the native position";
             return b.OffsetPos(0);
         },
         20, true},
        {"a size change forces a repaint",
         [](CTextProgressCtrl& b) {
             b.SetWindowPos(NULL, 0, 0, 100, 21, SWP_NOMOVE | SWP_NOZORDER);
             b.ValidateRect(NULL);
             return b.SetPos(40);
         },
         20, true},
        {"an empty range is width 0", [](CTextProgressCtrl& b) { return b.SetRange32(5, 5), b.SetPos(7); },
         40, true},
        {"and stays 0", [](CTextProgressCtrl& b) { return b.SetPos(9); }, 7, false},
    };
    BarFixture f(100);
    f.bar.SetRange(0, 200);
    EXPECT_EQ(-1, CTextProgressCtrl().SetPos(5)) << "no window";
    for (const Step& step : steps) {
        SCOPED_TRACE(step.label);
        PumpMessages();
        f.bar.ValidateRect(NULL);
        const int nBefore = f.bar.m_nPaints;
        EXPECT_EQ(step.nOldPos, step.act(f.bar));
        EXPECT_EQ(step.bPaint, f.bar.m_nPaints > nBefore);
    }
}

// ---------------------------------------------------------------------------
// Palette strip and scale

TEST(PaletteRect, StripeColoursAtChosenColumns)
{
    struct Row
    {
        int cx;      // client width
        int x;       // column read
        int nStripe; // expected stripe, -1 = the unpainted frame
    };
    // 259 pixels: one pixel per stripe.  300 pixels: w = 296 / 255 ~ 1.16,
    // edges at 2 + round(i * w): stripe 0 is [2, 3), 1 is [3, 4), 84 holds 100.
    const Row rows[] = {{259, 1, -1}, {259, 2, 0},    {259, 102, 100}, {259, 256, 254}, {259, 257, -1},
                        {300, 3, 1},  {300, 100, 84}, {300, 297, 254}, {300, 298, -1}};
    unsigned char pal[3][256];
    for (int i = 0; i < 256; i++)
        pal[0][i] = (unsigned char)i, pal[1][i] = (unsigned char)(255 - i), pal[2][i] = 7;
    CStaticsHost host(RGB(0, 128, 0));
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << row.cx << " px, x " << row.x);
        CPaletteRect strip;
        ASSERT_TRUE(strip.Create(CRect(0, 0, row.cx, 30), &host, kId));
        strip.setpalette(pal);
        CStaticsCanvas canvas(row.cx, 30);
        PaintNow(host.m_hWnd);
        canvas.CopyFromWindow(strip.m_hWnd);
        const int e = row.nStripe + 1; // the palette entry shown
        const COLORREF cr = row.nStripe < 0 ? canvas.Pixel(0, 0) : RGB(e, 255 - e, 7);
        EXPECT_EQ(cr, canvas.Pixel(row.x, 15));
        EXPECT_EQ(cr, canvas.Pixel(row.x, 2)) << "top row";
    }
}

TEST(PaletteRectGrd, LabelsShowTheScale)
{
    struct Row
    {
        double dMin, dMax;
        unsigned char nTicks;
        std::vector<const char*> texts; // drawn at i * width / ticks
    };
    const Row rows[] = {{0.0, 10.0, 5, {"|0.0", "|2.0", "|4.0", "|6.0", "|8.0"}},
                        {0.0, 100.0, 4, {"|0", "|25", "|50", "|75"}},
                        {0.0, 100.0, 0, {}}};
    CStaticsHost host;
    const int cx = 259, cy = 40;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.texts.size());
        CPaletteRectGrd strip;
        ASSERT_TRUE(strip.Create(CRect(0, 0, cx, cy), &host, kId));
        // The expected picture: the strip alone, then the labels drawn by hand.
        CStaticsCanvas expected(cx, cy), actual(cx, cy);
        PaintNow(host.m_hWnd);
        expected.CopyFromWindow(strip.m_hWnd);
        ::SetBkMode(expected.Dc(), TRANSPARENT);
        for (size_t i = 0; i < row.texts.size(); i++)
            ::TextOutA(expected.Dc(), (int)i * cx / row.nTicks, -2, row.texts[i], lstrlenA(row.texts[i]));
        strip.SetGrd(row.dMin, row.dMax, row.nTicks, true);
        PaintNow(host.m_hWnd);
        actual.CopyFromWindow(strip.m_hWnd);
        int nDiffer = 0;
        for (int y = 0; y < cy; y++)
            for (int x = 0; x < cx; x++)
                nDiffer += expected.Pixel(x, y) != actual.Pixel(x, y);
        EXPECT_EQ(0, nDiffer);
    }
}

TEST(TextProgressAndPalette, NoGdiLeakOverManyControls)
{
    CStaticsHost host;
    CFont font;
    font.CreatePointFont(90, "Arial");
    const int nObjects = AfxLiteGdiObjectCount(), nDCs = AfxLiteDcCount();
    for (int i = 0; i < 1000; i++) {
        CTextProgressCtrl bar;
        ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 120, 20), &host, kId));
        bar.SetFgColor(RGB(0, 0, 0), RGB(0, 0, i % 256));
        bar.SetFontExt(&font);
        bar.SetPos(i % 101);
        CPaletteRectGrd strip;
        ASSERT_TRUE(strip.Create(CRect(0, 30, 259, 60), &host, kId + 1));
        strip.SetGrd(0.0, 100.0, 4, true);
        PaintNow(bar.m_hWnd);
        PaintNow(strip.m_hWnd);
        bar.DestroyWindow();
        strip.DestroyWindow();
    }
    EXPECT_EQ(nObjects, AfxLiteGdiObjectCount());
    EXPECT_EQ(nDCs, AfxLiteDcCount());
}

} // namespace
