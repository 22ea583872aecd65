// DcTest.cpp: the drawing CDC does itself (MFC's own composites of GDI calls)
// and the DC state the library's paint code relies on, checked in pixels.
#include "GdiCanvas.h"

#include <functional>

namespace {

struct DrawRow
{
    const char* label;
    std::function<void(CDC&)> draw;
    int x, y;          // a decisive pixel
    COLORREF expected; // its colour
};

} // namespace

TEST(CDCDraw, CompositesPaintExactlyTheirPixels)
{
    const auto fill = [](CDC& dc) { dc.FillSolidRect(CRect(5, 5, 15, 11), kRed); };
    const auto frame3d = [](CDC& dc) { dc.Draw3dRect(2, 3, 10, 6, kBlue, kGreen); }; // x 2..11, y 3..8
    const auto line = [](CDC& dc) {
        CPen pen(PS_SOLID, 1, kRed);
        CPen* pOld = dc.SelectObject(&pen);
        dc.MoveTo(2, 4);
        dc.LineTo(12, 4);
        dc.SelectObject(pOld);
    };
    const DrawRow rows[] = {
        {"FillSolidRect inside", fill, 14, 10, kRed},
        {"FillSolidRect right edge excluded", fill, 15, 6, kWhite},
        {"FillSolidRect bottom edge excluded", fill, 6, 11, kWhite},
        {"Draw3dRect top-left corner", frame3d, 2, 3, kBlue},
        {"Draw3dRect last top pixel", frame3d, 10, 3, kBlue},
        {"Draw3dRect top-right corner is bottom-right colour", frame3d, 11, 3, kGreen},
        {"Draw3dRect bottom-left corner is bottom-right colour", frame3d, 2, 8, kGreen},
        {"Draw3dRect inside untouched", frame3d, 6, 5, kWhite},
        {"Draw3dRect right of it", frame3d, 12, 5, kWhite},
        {"LineTo start", line, 2, 4, kRed},
        {"LineTo end point excluded", line, 12, 4, kWhite},
    };
    for (const DrawRow& row : rows) {
        GdiCanvas canvas(20, 12);
        row.draw(canvas.dc);
        EXPECT_EQ(canvas.At(row.x, row.y), row.expected) << row.label << " at (" << row.x << ", " << row.y << ")";
    }

    // The pixel counts pin the whole shape, and the rect form equals the size form.
    GdiCanvas a(20, 12), b(20, 12);
    frame3d(a.dc);
    b.dc.Draw3dRect(CRect(2, 3, 12, 9), kBlue, kGreen);
    EXPECT_EQ(a.Count(kBlue), 9 + 4);
    EXPECT_EQ(a.Count(kGreen), 6 + 9);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(a.At(x, y), b.At(x, y)) << "rect form differs at (" << x << ", " << y << ")";
    // FillSolidRect leaves its colour as the DC's background colour, as in MFC.
    EXPECT_EQ(a.dc.GetBkColor(), kGreen);
}

TEST(CDCState, ClipOriginAndSaveRestore)
{
    struct Row
    {
        const char* label;
        std::function<void(CDC&)> clip;
        CRect box;
        int nPainted;
    } rows[] = {
        {"IntersectClipRect twice",
         [](CDC& dc) {
             dc.IntersectClipRect(CRect(0, 0, 10, 10));
             dc.IntersectClipRect(5, 5, 15, 15);
         },
         CRect(5, 5, 10, 10), 25},
        {"SelectClipRgn", [](CDC& dc) {
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
        {"window origin moves the clip box",
         [](CDC& dc) { dc.SetWindowOrg(10, 5); }, CRect(10, 5, 30, 25), 400},
    };
    for (const auto& row : rows) {
        GdiCanvas canvas(20, 20);
        row.clip(canvas.dc);
        CRect box;
        canvas.dc.GetClipBox(&box);
        EXPECT_EQ(box, row.box) << row.label;
        canvas.dc.FillSolidRect(box, kRed);
        EXPECT_EQ(canvas.Count(kRed), row.nPainted) << row.label;
    }

    // SaveDC/RestoreDC bring back the objects and attributes paint code changes.
    for (bool bRelative : {false, true}) {
        GdiCanvas canvas(8, 8);
        CPen pen(PS_SOLID, 1, kRed);
        HGDIOBJ hPenBefore = canvas.dc.GetCurrentPen()->GetSafeHandle();
        int nSaved = canvas.dc.SaveDC();
        canvas.dc.SelectObject(&pen);
        canvas.dc.SetTextColor(kRed);
        canvas.dc.SetWindowOrg(4, 4);
        canvas.dc.IntersectClipRect(0, 0, 1, 1);
        EXPECT_TRUE(canvas.dc.RestoreDC(bRelative ? -1 : nSaved));
        EXPECT_EQ(canvas.dc.GetCurrentPen()->GetSafeHandle(), hPenBefore);
        EXPECT_EQ(canvas.dc.GetTextColor(), kBlack);
        EXPECT_EQ(canvas.dc.GetWindowOrg(), CPoint(0, 0));
        CRect box;
        canvas.dc.GetClipBox(&box);
        EXPECT_EQ(box, CRect(0, 0, 8, 8));
    }
}
