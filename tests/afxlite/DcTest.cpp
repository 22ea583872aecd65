// DcTest.cpp: CDC drawing checked pixel by pixel on a memory bitmap.
#include "GdiCanvas.h"

#include <functional>
#include <vector>

namespace {

struct PixelRow
{
    const char* label;
    int x, y;
    COLORREF expected;
};

void ExpectPixels(const GdiCanvas& canvas, const std::vector<PixelRow>& rows)
{
    for (const PixelRow& row : rows)
        EXPECT_EQ(canvas.At(row.x, row.y), row.expected)
            << row.label << " at (" << row.x << ", " << row.y << ")";
}

} // namespace

TEST(CDCFill, FillSolidRectCoversExactlyTheRectAndLeavesTheBackgroundColour)
{
    GdiCanvas canvas(20, 12);
    canvas.dc.FillSolidRect(CRect(5, 5, 15, 13), kRed);
    canvas.dc.FillSolidRect(1, 1, 3, 2, kBlue);
    ExpectPixels(canvas, {{"rect form, top-left", 5, 5, kRed},
                          {"rect form, bottom-right inside", 14, 11, kRed},
                          {"rect form, right edge excluded", 15, 6, kWhite},
                          {"rect form, above", 5, 4, kWhite},
                          {"size form, first", 1, 1, kBlue},
                          {"size form, last", 3, 2, kBlue},
                          {"size form, past width", 4, 1, kWhite},
                          {"size form, past height", 1, 3, kWhite}});
    EXPECT_EQ(canvas.Count(kRed), 10 * 7);
    EXPECT_EQ(canvas.Count(kBlue), 3 * 2);
    // The opaque text fill leaves the last colour as the background colour.
    EXPECT_EQ(canvas.dc.GetBkColor(), kBlue);
}

TEST(CDCFill, FillRectFrameRectAndInvertRect)
{
    GdiCanvas canvas(20, 20);
    CBrush green(kGreen), black(kBlack);
    canvas.dc.FillRect(CRect(0, 0, 4, 4), &green);
    canvas.dc.FrameRect(CRect(8, 8, 14, 12), &black);
    canvas.dc.InvertRect(CRect(16, 0, 20, 2)); // white to black
    EXPECT_EQ(canvas.Count(kGreen), 16);
    // A 6 x 4 frame one pixel wide: 2 * 6 + 2 * 2 pixels.
    EXPECT_EQ(canvas.Count(kBlack, 8, 8, 14, 12), 16);
    EXPECT_EQ(canvas.At(10, 10), kWhite);
    EXPECT_EQ(canvas.Count(kBlack, 16, 0, 20, 2), 8);
}

TEST(CDCFill, Draw3dRectGivesTheCornersToTheBottomRightColour)
{
    GdiCanvas canvas(20, 12);
    canvas.dc.Draw3dRect(2, 3, 10, 6, kBlue, kGreen); // x 2..11, y 3..8
    ExpectPixels(canvas, {{"top-left corner", 2, 3, kBlue},
                          {"top edge, last top-left pixel", 10, 3, kBlue},
                          {"top-right corner", 11, 3, kGreen},
                          {"left edge, last top-left pixel", 2, 7, kBlue},
                          {"bottom-left corner", 2, 8, kGreen},
                          {"bottom-right corner", 11, 8, kGreen},
                          {"right edge", 11, 5, kGreen},
                          {"bottom edge", 6, 8, kGreen},
                          {"inside", 6, 5, kWhite},
                          {"left of it", 1, 5, kWhite},
                          {"right of it", 12, 5, kWhite},
                          {"above", 6, 2, kWhite},
                          {"below", 6, 9, kWhite}});
    EXPECT_EQ(canvas.Count(kBlue), 9 + 4);
    EXPECT_EQ(canvas.Count(kGreen), 6 + 9);

    GdiCanvas other(20, 12);
    other.dc.Draw3dRect(CRect(2, 3, 12, 9), kBlue, kGreen);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(other.At(x, y), canvas.At(x, y)) << "rect form differs at (" << x << ", " << y << ")";
}

TEST(CDCLines, MoveToLineToDrawUpToButNotIncludingTheEndPoint)
{
    GdiCanvas canvas(20, 12);
    CPen pen(PS_SOLID, 1, kRed);
    CPen* pOld = canvas.dc.SelectObject(&pen);
    EXPECT_EQ(canvas.dc.MoveTo(2, 4), CPoint(0, 0));
    EXPECT_TRUE(canvas.dc.LineTo(12, 4));
    EXPECT_TRUE(canvas.dc.LineTo(CPoint(12, 9)));
    EXPECT_EQ(canvas.dc.GetCurrentPosition(), CPoint(12, 9));
    EXPECT_EQ(canvas.dc.MoveTo(CPoint(0, 0)), CPoint(12, 9));
    canvas.dc.SelectObject(pOld);
    ExpectPixels(canvas, {{"start", 2, 4, kRed},
                          {"before start", 1, 4, kWhite},
                          {"corner (start of the second line)", 12, 4, kRed},
                          {"second line", 12, 8, kRed},
                          {"end point excluded", 12, 9, kWhite}});
    EXPECT_EQ(canvas.Count(kRed), 10 + 5);
}

TEST(CDCLines, RectanglePolygonAndPolylineUseThePenAndTheBrush)
{
    GdiCanvas canvas(30, 20);
    CPen pen(PS_SOLID, 1, kRed);
    CBrush brush(kGreen);
    CPen* pOldPen = canvas.dc.SelectObject(&pen);
    CBrush* pOldBrush = canvas.dc.SelectObject(&brush);
    canvas.dc.Rectangle(2, 2, 10, 8);
    POINT tri[] = {{20, 2}, {28, 2}, {28, 10}};
    canvas.dc.Polygon(tri, 3);
    POINT line[] = {{0, 15}, {5, 15}, {5, 18}};
    canvas.dc.Polyline(line, 3);
    canvas.dc.SelectObject(pOldBrush);
    canvas.dc.SelectObject(pOldPen);
    ExpectPixels(canvas, {{"rectangle corner", 2, 2, kRed},
                          {"rectangle far corner", 9, 7, kRed},
                          {"rectangle right end excluded", 10, 2, kWhite},
                          {"rectangle inside", 5, 5, kGreen},
                          {"polygon inside", 26, 4, kGreen},
                          {"polygon outside", 21, 8, kWhite},
                          {"polyline first segment", 3, 15, kRed},
                          {"polyline second segment", 5, 17, kRed},
                          {"polyline does not fill", 3, 17, kWhite}});
    EXPECT_EQ(canvas.Count(kGreen, 0, 0, 12, 10), 6 * 4);
}

TEST(CDCText, OpaqueAndTransparentTextUseTheDCColours)
{
    struct Row
    {
        const char* label;
        int nBkMode;
        bool bBackgroundShows;
    } rows[] = {{"opaque", OPAQUE, true}, {"transparent", TRANSPARENT, false}};
    for (const Row& row : rows) {
        GdiCanvas canvas(60, 30);
        canvas.dc.SetTextColor(kRed);
        canvas.dc.SetBkColor(kBlue);
        EXPECT_EQ(canvas.dc.GetTextColor(), kRed);
        canvas.dc.SetBkMode(row.nBkMode);
        EXPECT_EQ(canvas.dc.GetBkMode(), row.nBkMode);
        CSize size = canvas.dc.GetTextExtent("WW", 2);
        ASSERT_GT(size.cx, 0);
        ASSERT_LT(size.cx, 50);
        ASSERT_LT(size.cy, 25);
        EXPECT_TRUE(canvas.dc.TextOut(3, 2, CString("WW")));
        const int x1 = 3 + size.cx, y1 = 2 + size.cy;
        EXPECT_GT(canvas.Count(kRed, 3, 2, x1, y1), 0) << row.label;
        EXPECT_EQ(canvas.Count(kBlue, 3, 2, x1, y1) > 0, row.bBackgroundShows) << row.label;
        EXPECT_EQ(canvas.Count(kWhite, 3, 2, x1, y1) > 0, !row.bBackgroundShows) << row.label;
        // Nothing outside the measured box.
        EXPECT_EQ(canvas.Count(kWhite), 60 * 30 - size.cx * size.cy + canvas.Count(kWhite, 3, 2, x1, y1))
            << row.label;
    }
}

TEST(CDCText, TextAlignAndDrawTextPlaceTheTextBox)
{
    GdiCanvas canvas(80, 30);
    canvas.dc.SetBkColor(kBlue);
    CSize size = canvas.dc.GetTextExtent(CString("Ab"));
    // TA_RIGHT: the reference point is the right edge of the text.
    UINT nOld = canvas.dc.SetTextAlign(TA_RIGHT | TA_TOP);
    EXPECT_EQ(nOld, (UINT)(TA_LEFT | TA_TOP));
    canvas.dc.TextOut(40, 0, "Ab", 2);
    canvas.dc.SetTextAlign(TA_LEFT | TA_TOP);
    EXPECT_EQ(canvas.Count(kBlue, 40, 0, 80, 30), 0);
    EXPECT_EQ(canvas.Count(kBlue, 0, 0, 40 - size.cx, 30), 0);
    EXPECT_GT(canvas.Count(kBlue, 40 - size.cx, 0, 40, size.cy), 0);

    // DT_CALCRECT measures without drawing, the same box as GetTextExtent.
    CRect rc(0, 0, 0, 0);
    canvas.Fill(kWhite);
    EXPECT_EQ(canvas.dc.DrawText(CString("Ab"), &rc, DT_CALCRECT | DT_SINGLELINE), size.cy);
    EXPECT_EQ(rc, CRect(0, 0, size.cx, size.cy));
    EXPECT_EQ(canvas.Count(kWhite), 80 * 30);
    // DT_RIGHT in a wider box puts the text at its right end.
    CRect box(0, 10, 60, 10 + size.cy);
    canvas.dc.DrawText("Ab", -1, &box, DT_RIGHT | DT_SINGLELINE);
    EXPECT_EQ(canvas.Count(kBlue, 0, 10, 60 - size.cx, 10 + size.cy), 0);
    EXPECT_GT(canvas.Count(kBlue, 60 - size.cx, 10, 60, 10 + size.cy), 0);
}

TEST(CDCClip, ClipRegionsLimitDrawingAndShowInTheClipBox)
{
    struct Row
    {
        const char* label;
        std::function<void(CDC&)> clip;
        CRect box;
        int nPainted;
    } rows[] = {
        {"IntersectClipRect", [](CDC& dc) { dc.IntersectClipRect(5, 5, 15, 10); }, CRect(5, 5, 15, 10), 50},
        {"IntersectClipRect twice",
         [](CDC& dc) {
             dc.IntersectClipRect(CRect(0, 0, 10, 10));
             dc.IntersectClipRect(5, 5, 15, 15);
         },
         CRect(5, 5, 10, 10), 25},
        {"SelectClipRgn",
         [](CDC& dc) {
             CRgn rgn;
             rgn.CreateRectRgn(2, 2, 6, 4);
             dc.SelectClipRgn(&rgn);
         },
         CRect(2, 2, 6, 4), 8},
        {"ExcludeClipRect", [](CDC& dc) { dc.ExcludeClipRect(0, 0, 10, 20); }, CRect(10, 0, 20, 20), 200},
        {"SelectClipRgn(NULL) removes the clipping",
         [](CDC& dc) {
             dc.IntersectClipRect(1, 1, 2, 2);
             dc.SelectClipRgn(nullptr);
         },
         CRect(0, 0, 20, 20), 400},
        {"SelectClipRgn with RGN_OR",
         [](CDC& dc) {
             CRgn a, b;
             a.CreateRectRgn(0, 0, 2, 2);
             b.CreateRectRgn(10, 10, 12, 12);
             dc.SelectClipRgn(&a);
             dc.SelectClipRgn(&b, RGN_OR);
         },
         CRect(0, 0, 12, 12), 8},
    };
    for (const Row& row : rows) {
        GdiCanvas canvas(20, 20);
        row.clip(canvas.dc);
        CRect box;
        canvas.dc.GetClipBox(&box);
        EXPECT_EQ(box, row.box) << row.label;
        canvas.dc.FillSolidRect(0, 0, 20, 20, kRed);
        EXPECT_EQ(canvas.Count(kRed), row.nPainted) << row.label;
    }
}

TEST(CDCMapping, WindowAndViewportOriginsMoveLogicalCoordinates)
{
    GdiCanvas canvas(20, 20);
    EXPECT_EQ(canvas.dc.SetWindowOrg(10, 5), CPoint(0, 0));
    EXPECT_EQ(canvas.dc.GetWindowOrg(), CPoint(10, 5));
    canvas.dc.FillSolidRect(10, 5, 2, 1, kRed); // lands at device (0, 0) and (1, 0)
    EXPECT_EQ(canvas.At(0, 0), kRed);
    EXPECT_EQ(canvas.At(1, 0), kRed);
    EXPECT_EQ(canvas.Count(kRed), 2);
    CRect box;
    canvas.dc.GetClipBox(&box); // the clip box is logical too
    EXPECT_EQ(box, CRect(10, 5, 30, 25));

    EXPECT_EQ(canvas.dc.SetWindowOrg(CPoint(0, 0)), CPoint(10, 5));
    EXPECT_EQ(canvas.dc.SetViewportOrg(3, 3), CPoint(0, 0));
    EXPECT_EQ(canvas.dc.OffsetViewportOrg(1, 2), CPoint(3, 3));
    EXPECT_EQ(canvas.dc.GetViewportOrg(), CPoint(4, 5));
    canvas.dc.SetPixelV(0, 0, kBlue);
    EXPECT_EQ(canvas.At(4, 5), kBlue);
    CPoint pt(0, 0);
    canvas.dc.LPtoDP(&pt);
    EXPECT_EQ(pt, CPoint(4, 5));
    canvas.dc.DPtoLP(&pt);
    EXPECT_EQ(pt, CPoint(0, 0));
    CRect rc(0, 0, 2, 2);
    canvas.dc.LPtoDP(&rc);
    EXPECT_EQ(rc, CRect(4, 5, 6, 7));
}

TEST(CDCBitmaps, BitBltAndStretchBltCopyPixels)
{
    // A 2 x 2 source: red, green / blue, black.
    GdiCanvas src(2, 2);
    ::SetPixelV(src.dc.m_hDC, 0, 0, kRed);
    ::SetPixelV(src.dc.m_hDC, 1, 0, kGreen);
    ::SetPixelV(src.dc.m_hDC, 0, 1, kBlue);
    ::SetPixelV(src.dc.m_hDC, 1, 1, kBlack);

    GdiCanvas copy(8, 8);
    EXPECT_TRUE(copy.dc.BitBlt(3, 1, 2, 2, &src.dc, 0, 0, SRCCOPY));
    ExpectPixels(copy, {{"BitBlt red", 3, 1, kRed},
                        {"BitBlt green", 4, 1, kGreen},
                        {"BitBlt blue", 3, 2, kBlue},
                        {"BitBlt black", 4, 2, kBlack},
                        {"BitBlt outside", 5, 1, kWhite}});

    GdiCanvas stretched(8, 8);
    EXPECT_EQ(stretched.dc.SetStretchBltMode(COLORONCOLOR), BLACKONWHITE);
    EXPECT_EQ(stretched.dc.GetStretchBltMode(), COLORONCOLOR);
    EXPECT_TRUE(stretched.dc.StretchBlt(2, 2, 4, 4, &src.dc, 0, 0, 2, 2, SRCCOPY));
    EXPECT_EQ(stretched.Count(kRed, 2, 2, 4, 4), 4);
    EXPECT_EQ(stretched.Count(kGreen, 4, 2, 6, 4), 4);
    EXPECT_EQ(stretched.Count(kBlue, 2, 4, 4, 6), 4);
    EXPECT_EQ(stretched.Count(kBlack, 4, 4, 6, 6), 4);
    EXPECT_EQ(stretched.Count(kWhite), 64 - 16);

    // No source for PatBlt and the constant raster operations.
    GdiCanvas pat(8, 8);
    CBrush green(kGreen);
    CBrush* pOld = pat.dc.SelectObject(&green);
    EXPECT_TRUE(pat.dc.PatBlt(0, 0, 3, 3, PATCOPY));
    pat.dc.SelectObject(pOld);
    EXPECT_TRUE(pat.dc.BitBlt(5, 5, 2, 2, nullptr, 0, 0, BLACKNESS));
    EXPECT_EQ(pat.Count(kGreen), 9);
    EXPECT_EQ(pat.Count(kBlack), 4);
}

TEST(CDCBitmaps, FloodFillStopsAtTheBorderAndExtFloodFillReplacesASurface)
{
    CBrush black(kBlack), green(kGreen);
    GdiCanvas border(20, 20);
    border.dc.FrameRect(CRect(2, 2, 12, 12), &black);
    CBrush* pOld = border.dc.SelectObject(&green);
    EXPECT_TRUE(border.dc.FloodFill(5, 5, kBlack));
    border.dc.SelectObject(pOld);
    EXPECT_EQ(border.Count(kGreen), 8 * 8);
    EXPECT_EQ(border.Count(kGreen, 3, 3, 11, 11), 8 * 8);
    EXPECT_EQ(border.Count(kBlack), 36);

    GdiCanvas surface(20, 20);
    surface.dc.FrameRect(CRect(2, 2, 12, 12), &black);
    pOld = surface.dc.SelectObject(&green);
    EXPECT_TRUE(surface.dc.ExtFloodFill(0, 0, kWhite, FLOODFILLSURFACE));
    surface.dc.SelectObject(pOld);
    EXPECT_EQ(surface.Count(kGreen), 400 - 100); // all but the frame and what it encloses
    EXPECT_EQ(surface.Count(kWhite), 64);
}

TEST(CDCBitmaps, SetPixelAndGetPixel)
{
    GdiCanvas canvas(4, 4);
    EXPECT_EQ(canvas.dc.SetPixel(1, 2, kRed), kRed);
    EXPECT_TRUE(canvas.dc.SetPixelV(CPoint(3, 3), kBlue));
    EXPECT_EQ(canvas.At(1, 2), kRed);
    EXPECT_EQ(canvas.At(3, 3), kBlue);
    EXPECT_EQ(canvas.dc.GetPixel(1, 2), kRed);
    EXPECT_EQ(canvas.dc.GetPixel(CPoint(0, 0)), kWhite);
    EXPECT_EQ(canvas.dc.GetPixel(10, 10), CLR_INVALID); // outside the bitmap
}

TEST(CDCBitmaps, DrawStateCopiesABitmapAtItsPlace)
{
    // Rows of 32-bit pixels, blue in the low byte: red, green / blue, black.
    const DWORD bits[] = {0x00FF0000, 0x0000FF00, 0x000000FF, 0x00000000};
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateBitmap(2, 2, 1, 32, bits));
    GdiCanvas canvas(8, 8);
    EXPECT_TRUE(canvas.dc.DrawState(CPoint(3, 4), CSize(2, 2), &bmp, DSS_NORMAL));
    ExpectPixels(canvas, {{"red", 3, 4, kRed},
                          {"green", 4, 4, kGreen},
                          {"blue", 3, 5, kBlue},
                          {"black", 4, 5, kBlack},
                          {"outside", 5, 5, kWhite}});
    EXPECT_EQ(canvas.Count(kWhite), 60);
}

TEST(CDCEdges, DrawEdgeUsesTheThreeDColoursAndFocusRectIsReversible)
{
    GdiCanvas canvas(12, 12);
    CRect rc(0, 0, 10, 10);
    EXPECT_TRUE(canvas.dc.DrawEdge(&rc, EDGE_SUNKEN, BF_RECT));
    // A sunken edge: the outer line is shadow above and left, highlight below
    // and right; the inner line dark shadow and light.
    ExpectPixels(canvas, {{"outer top", 5, 0, ::GetSysColor(COLOR_BTNSHADOW)},
                          {"outer left", 0, 5, ::GetSysColor(COLOR_BTNSHADOW)},
                          {"outer bottom", 5, 9, ::GetSysColor(COLOR_BTNHIGHLIGHT)},
                          {"outer right", 9, 5, ::GetSysColor(COLOR_BTNHIGHLIGHT)},
                          {"inner top", 5, 1, ::GetSysColor(COLOR_3DDKSHADOW)},
                          {"inner bottom", 5, 8, ::GetSysColor(COLOR_3DLIGHT)},
                          {"outside", 10, 5, kWhite}});

    GdiCanvas focus(12, 12);
    CRect rcFocus(1, 1, 11, 11);
    focus.dc.DrawFocusRect(&rcFocus);
    EXPECT_GT(focus.Count(kBlack), 0);
    EXPECT_EQ(focus.Count(kBlack, 2, 2, 10, 10), 0);
    focus.dc.DrawFocusRect(&rcFocus); // XOR: a second call restores
    EXPECT_EQ(focus.Count(kWhite), 144);
}

TEST(CDCState, SaveDCAndRestoreDCBringBackAttributesAndObjects)
{
    struct Row
    {
        const char* label;
        bool bRelative; // RestoreDC(-1) rather than the saved number
    } rows[] = {{"by number", false}, {"relative", true}};
    for (const Row& row : rows) {
        GdiCanvas canvas(8, 8);
        CPen pen(PS_SOLID, 1, kRed);
        HGDIOBJ hPenBefore = canvas.dc.GetCurrentPen()->GetSafeHandle();
        int nSaved = canvas.dc.SaveDC();
        ASSERT_NE(nSaved, 0) << row.label;
        canvas.dc.SelectObject(&pen);
        canvas.dc.SetTextColor(kRed);
        canvas.dc.SetBkMode(TRANSPARENT);
        canvas.dc.SetWindowOrg(4, 4);
        canvas.dc.IntersectClipRect(0, 0, 1, 1);
        EXPECT_TRUE(canvas.dc.RestoreDC(row.bRelative ? -1 : nSaved)) << row.label;
        EXPECT_EQ(canvas.dc.GetCurrentPen()->GetSafeHandle(), hPenBefore) << row.label;
        EXPECT_EQ(canvas.dc.GetTextColor(), kBlack) << row.label;
        EXPECT_EQ(canvas.dc.GetBkMode(), OPAQUE) << row.label;
        EXPECT_EQ(canvas.dc.GetWindowOrg(), CPoint(0, 0)) << row.label;
        CRect box;
        canvas.dc.GetClipBox(&box);
        EXPECT_EQ(box, CRect(0, 0, 8, 8)) << row.label;
    }
}

TEST(CDCState, QueriesReportTheMemoryDC)
{
    GdiCanvas canvas(8, 8);
    EXPECT_FALSE(canvas.dc.IsPrinting());
    EXPECT_EQ(canvas.dc.GetDeviceCaps(TECHNOLOGY), DT_RASDISPLAY);
    EXPECT_EQ(canvas.dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(canvas.dc.SetROP2(R2_XORPEN), R2_COPYPEN);
    EXPECT_EQ(canvas.dc.GetROP2(), R2_XORPEN);
    TEXTMETRIC tm = {};
    EXPECT_TRUE(canvas.dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, canvas.dc.GetTextExtent("x", 1).cy);
    BITMAP bm = {};
    EXPECT_TRUE(canvas.dc.GetCurrentBitmap()->GetBitmap(&bm));
    EXPECT_EQ(bm.bmWidth, 8);
    EXPECT_EQ(bm.bmBitsPixel, 32);
}

TEST(CDCState, GradientFillRunsFromTheFirstToTheSecondColour)
{
    GdiCanvas canvas(16, 2);
    TRIVERTEX v[2] = {{0, 0, 0xFF00, 0, 0, 0}, {16, 2, 0, 0, 0xFF00, 0}};
    GRADIENT_RECT r = {0, 1};
    EXPECT_TRUE(canvas.dc.GradientFill(v, 2, &r, 1, GRADIENT_FILL_RECT_H));
    EXPECT_EQ(canvas.At(0, 0), kRed);
    COLORREF mid = canvas.At(8, 1);
    EXPECT_GT(GetRValue(mid), 0);
    EXPECT_GT(GetBValue(mid), 0);
    EXPECT_EQ(GetGValue(mid), 0);
    EXPECT_GT(GetBValue(canvas.At(15, 0)), 0xE0);
}
