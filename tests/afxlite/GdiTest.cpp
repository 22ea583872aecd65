// GdiTest.cpp: device contexts and drawing objects as MFC code relies on
// them: ownership, FromHandle temporaries, SelectObject returning the
// previous object, and no leaks.
#include "GdiCanvas.h"

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
