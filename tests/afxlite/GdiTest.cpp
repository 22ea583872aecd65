// GdiTest.cpp: device contexts and drawing objects as MFC code relies on
// them: CDC's own composites of GDI calls (checked in pixels), ownership,
// FromHandle temporaries, SelectObject returning the previous object, and no
// leaks.
#include "GdiCanvas.h"

#include <functional>

TEST(CDCDraw, CompositesPaintExactlyTheirPixels)
{
    const auto fill = [](CDC& dc) { dc.FillSolidRect(CRect(5, 5, 15, 11), kRed); };
    const auto frame3d = [](CDC& dc) { dc.Draw3dRect(2, 3, 10, 6, kBlue, kGreen); }; // x 2..11, y 3..8
    const struct
    {
        const char* label;
        std::function<void(CDC&)> draw;
        int x, y;          // a decisive pixel
        COLORREF expected; // its colour
    } rows[] = {
        {"FillSolidRect inside", fill, 14, 10, kRed},
        {"FillSolidRect right edge excluded", fill, 15, 6, kWhite},
        {"FillSolidRect bottom edge excluded", fill, 6, 11, kWhite},
        {"Draw3dRect top-left corner", frame3d, 2, 3, kBlue},
        {"Draw3dRect last top pixel", frame3d, 10, 3, kBlue},
        {"Draw3dRect top-right corner is bottom-right colour", frame3d, 11, 3, kGreen},
        {"Draw3dRect bottom-left corner is bottom-right colour", frame3d, 2, 8, kGreen},
        {"Draw3dRect inside untouched", frame3d, 6, 5, kWhite},
        {"Draw3dRect right of it", frame3d, 12, 5, kWhite},
    };
    for (const auto& row : rows) {
        GdiCanvas canvas(20, 12);
        row.draw(canvas.dc);
        EXPECT_EQ(canvas.At(row.x, row.y), row.expected)
            << row.label << " at (" << row.x << ", " << row.y << ")";
    }
    // The pixel counts pin the whole shape.
    GdiCanvas canvas(20, 12);
    frame3d(canvas.dc);
    EXPECT_EQ(canvas.Count(kBlue), 9 + 4);
    EXPECT_EQ(canvas.Count(kGreen), 6 + 9);
    // FillSolidRect leaves its colour as the DC's background colour, as in MFC.
    EXPECT_EQ(canvas.dc.GetBkColor(), kGreen);
}

TEST(CGdiObjectTest, OwnershipTemporariesAndSelectObject)
{
    HGDIOBJ hDeleted = nullptr, hKept = nullptr;
    HDC hDC = nullptr;
    {
        CPen pen(PS_SOLID, 1, kRed);
        hKept = pen.Detach();
    }
    const int nBefore = AfxLiteGdiObjectCount();
    {
        CBrush brush(kRed);
        hDeleted = brush.GetSafeHandle();
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        hDC = dc.GetSafeHdc();
        CGdiObject stock;
        EXPECT_TRUE(stock.CreateStockObject(GRAY_BRUSH));
        CBrush sys;
        EXPECT_TRUE(sys.CreateSysColorBrush(COLOR_BTNFACE));
        EXPECT_EQ(AfxLiteGdiObjectCount(), nBefore + 1); // the solid brush only

        // SelectObject answers the previous object of the same kind.
        CPen pen1(PS_SOLID, 1, kRed), pen2(PS_DASH, 1, kBlue);
        CPen* pDefaultPen = dc.SelectObject(&pen1);
        EXPECT_EQ(pDefaultPen->GetSafeHandle(), ::GetStockObject(BLACK_PEN));
        EXPECT_EQ(dc.SelectObject(&pen2), &pen1);
        EXPECT_EQ(dc.SelectObject(pDefaultPen), &pen2);
        EXPECT_EQ(dc.SelectStockObject(NULL_PEN)->GetSafeHandle(), ::GetStockObject(BLACK_PEN));
    }
    EXPECT_EQ(AfxLiteGdiObjectCount(), nBefore);
    EXPECT_EQ(::GetObjectType(hDeleted), 0u);
    EXPECT_EQ(::GetObjectType(hDC), 0u);
    EXPECT_EQ(::GetObjectType(hKept), (DWORD)OBJ_PEN);

    // Temporaries: one per handle, of the object's class; freed at idle without the object.
    const struct
    {
        HGDIOBJ h;
        CRuntimeClass* pClass;
    } rows[] = {{hKept, RUNTIME_CLASS(CPen)},
                {::GetStockObject(WHITE_BRUSH), RUNTIME_CLASS(CBrush)},
                {::GetStockObject(SYSTEM_FONT), RUNTIME_CLASS(CFont)}};
    for (const auto& row : rows) {
        CGdiObject* p = CGdiObject::FromHandle(row.h);
        ASSERT_NE(p, nullptr) << row.pClass->m_lpszClassName;
        EXPECT_TRUE(p->IsKindOf(row.pClass)) << row.pClass->m_lpszClassName;
        EXPECT_EQ(CGdiObject::FromHandle(row.h), p) << row.pClass->m_lpszClassName;
    }
    CPen pen;
    EXPECT_TRUE(pen.Attach(hKept));
    EXPECT_EQ(CPen::FromHandle((HPEN)hKept), &pen) << "the permanent object wins";
    EXPECT_EQ(pen.Detach(), hKept);
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(::GetObjectType(hKept), (DWORD)OBJ_PEN); // the object outlives its temporary
    ::DeleteObject(hKept);

    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    HDC hMem = dc.Detach();
    CDC* pTempDC = CDC::FromHandle(hMem);
    EXPECT_EQ(pTempDC->m_hAttribDC, hMem);
    CDC::DeleteTempMap();
    EXPECT_EQ(::GetObjectType(hMem), (DWORD)OBJ_MEMDC);
    ::DeleteDC(hMem);
}

TEST(GdiLeaks, CreatePaintDestroyCyclesLeaveNothingBehind)
{
    const int nObjectsBefore = AfxLiteGdiObjectCount();
    const int nDCsBefore = AfxLiteDcCount();
    for (int i = 0; i < 100; ++i) {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        CBitmap bmp;
        ASSERT_TRUE(bmp.CreateBitmap(16, 16, 1, 32, nullptr));
        CPen pen(PS_SOLID, 1, RGB(i, 0, 0));
        CBrush brush(RGB(0, i, 0));
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(80 + i % 40, "Arial"));
        CRgn rgn;
        ASSERT_TRUE(rgn.CreateRectRgn(0, 0, 8, 8));
        CBitmap* pOldBmp = dc.SelectObject(&bmp);
        CPen* pOldPen = dc.SelectObject(&pen);
        CBrush* pOldBrush = dc.SelectObject(&brush);
        CFont* pOldFont = dc.SelectObject(&font);
        dc.SelectClipRgn(&rgn);
        dc.Rectangle(0, 0, 10, 10);
        dc.TextOut(0, 0, "x", 1);
        dc.SelectObject(pOldFont);
        dc.SelectObject(pOldBrush);
        dc.SelectObject(pOldPen);
        dc.SelectObject(pOldBmp);
        if (i % 10 == 9) {
            CGdiObject::DeleteTempMap();
            CDC::DeleteTempMap();
        }
    }
    EXPECT_EQ(AfxLiteGdiObjectCount(), nObjectsBefore);
    EXPECT_EQ(AfxLiteDcCount(), nDCsBefore);
}
