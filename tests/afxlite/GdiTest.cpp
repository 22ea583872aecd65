// GdiTest.cpp: drawing-object wrappers as MFC code relies on them: ownership,
// FromHandle temporaries, SelectObject returning the previous object, point
// fonts, resources found through the chain, and no leaks.
#include "GdiCanvas.h"
#include "frame_resource.h"

TEST(CGdiObjectOwnership, TheDestructorDeletesDetachKeepsStockIsNeverCounted)
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
    }
    EXPECT_EQ(AfxLiteGdiObjectCount(), nBefore);
    EXPECT_EQ(::GetObjectType(hDeleted), 0u);
    EXPECT_EQ(::GetObjectType(hDC), 0u);
    EXPECT_EQ(::GetObjectType(hKept), (DWORD)OBJ_PEN);
    ::DeleteObject(hKept);
    // MFC code calls these through pointers that may be null.
    CBrush* volatile pNoBrush = nullptr;
    CDC* volatile pNoDC = nullptr;
    EXPECT_EQ(pNoBrush->GetSafeHandle(), nullptr);
    EXPECT_EQ(pNoDC->GetSafeHdc(), nullptr);
}

TEST(CGdiObjectFromHandle, TemporariesHaveTheObjectsClassPermanentsWinIdleFreesOnlyWrappers)
{
    struct Row
    {
        const char* label;
        HGDIOBJ h;
        CRuntimeClass* pClass;
    } rows[] = {{"pen", ::GetStockObject(BLACK_PEN), RUNTIME_CLASS(CPen)},
                {"brush", ::GetStockObject(WHITE_BRUSH), RUNTIME_CLASS(CBrush)},
                {"font", ::GetStockObject(SYSTEM_FONT), RUNTIME_CLASS(CFont)}};
    for (const Row& row : rows) {
        CGdiObject* p = CGdiObject::FromHandle(row.h);
        ASSERT_NE(p, nullptr) << row.label;
        EXPECT_TRUE(p->IsKindOf(row.pClass)) << row.label;
        EXPECT_EQ(CGdiObject::FromHandle(row.h), p) << row.label << ": one temporary per handle";
    }
    HBRUSH hRaw = ::CreateSolidBrush(kBlue);
    CBrush brush;
    EXPECT_TRUE(brush.Attach(hRaw));
    EXPECT_EQ(CBrush::FromHandle(hRaw), &brush);
    EXPECT_EQ(brush.Detach(), hRaw);
    CBrush* pTemp = CBrush::FromHandle(hRaw);
    EXPECT_NE(pTemp, &brush);
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(::GetObjectType(hRaw), (DWORD)OBJ_BRUSH); // the object outlives its temporary
    ::DeleteObject(hRaw);

    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    EXPECT_EQ(CDC::FromHandle(dc.m_hDC), &dc);
    HDC hDC = dc.Detach();
    CDC* pTempDC = CDC::FromHandle(hDC);
    EXPECT_NE(pTempDC, &dc);
    EXPECT_EQ(pTempDC->m_hAttribDC, hDC);
    CDC::DeleteTempMap();
    EXPECT_EQ(::GetObjectType(hDC), (DWORD)OBJ_MEMDC);
    ::DeleteDC(hDC);
}

TEST(CDCSelectObject, ReturnsThePreviousObjectOfEachKind)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CPen pen1(PS_SOLID, 1, kRed), pen2(PS_DASH, 1, kBlue);
    CPen* pDefaultPen = dc.SelectObject(&pen1);
    EXPECT_EQ(pDefaultPen->GetSafeHandle(), ::GetStockObject(BLACK_PEN));
    EXPECT_EQ(dc.SelectObject(&pen2), &pen1);
    EXPECT_EQ(dc.SelectObject(pDefaultPen), &pen2);
    CFont font1, font2;
    font1.CreatePointFont(100, "Arial");
    font2.CreatePointFont(140, "Arial");
    CFont* pDefaultFont = dc.SelectObject(&font1);
    EXPECT_TRUE(pDefaultFont->IsKindOf(RUNTIME_CLASS(CFont)));
    EXPECT_EQ(dc.SelectObject(&font2), &font1);
    dc.SelectObject(pDefaultFont);
    CGdiObject* pOld = dc.SelectStockObject(NULL_PEN);
    EXPECT_EQ(pOld->GetSafeHandle(), ::GetStockObject(BLACK_PEN));
    // Selecting a region sets the clipping and reports its kind.
    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 1, 1);
    EXPECT_EQ(dc.SelectObject(&rgn), SIMPLEREGION);
}

TEST(CFontTest, PointFontsConvertTenthsOfAPointThroughTheDC)
{
    HDC hScreen = ::GetDC(nullptr);
    const int nDpi = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "Arial"));
    LOGFONT lf = {};
    font.GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, -::MulDiv(nDpi, 12, 72));
    // A DC whose window extent halves logical units: twice the units.
    GdiCanvas canvas(4, 4);
    canvas.dc.SetMapMode(MM_ANISOTROPIC);
    canvas.dc.SetWindowExt(2, 2);
    canvas.dc.SetViewportExt(1, 1);
    CFont scaled;
    ASSERT_TRUE(scaled.CreatePointFont(120, "Arial", &canvas.dc));
    scaled.GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, -2 * ::MulDiv(nDpi, 12, 72));
}

TEST(CBitmapTest, LoadBitmapFindsTheResourceThroughTheChain)
{
    // Six 16 x 15 images: red, green, blue, yellow, cyan, magenta.
    for (bool bMapped : {false, true}) {
        CBitmap bmp;
        ASSERT_TRUE(bMapped ? bmp.LoadMappedBitmap(IDR_TEST_TOOLBAR) : bmp.LoadBitmap(IDR_TEST_TOOLBAR));
        GdiCanvas canvas(96, 15);
        CDC src;
        src.CreateCompatibleDC(&canvas.dc);
        CBitmap* pOld = src.SelectObject(&bmp);
        canvas.dc.BitBlt(0, 0, 96, 15, &src, 0, 0, SRCCOPY);
        src.SelectObject(pOld);
        EXPECT_EQ(canvas.Count(kRed, 0, 0, 16, 15), 16 * 15) << bMapped;
        EXPECT_EQ(canvas.Count(kBlue, 32, 0, 48, 15), 16 * 15) << bMapped;
    }
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(4999));
    EXPECT_EQ(missing.GetSafeHandle(), nullptr);
}

TEST(GdiLeaks, AThousandCreatePaintDestroyCyclesLeaveNothingBehind)
{
    const int nObjectsBefore = AfxLiteGdiObjectCount();
    const int nDCsBefore = AfxLiteDcCount();
    for (int i = 0; i < 1000; ++i) {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        CBitmap bmp;
        ASSERT_TRUE(bmp.CreateBitmap(16, 16, 1, 32, nullptr));
        CPen pen(PS_SOLID, 1, RGB(i & 0xFF, 0, 0));
        CBrush brush(RGB(0, i & 0xFF, 0));
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
        if (i % 100 == 99) {
            CGdiObject::DeleteTempMap();
            CDC::DeleteTempMap();
        }
    }
    EXPECT_EQ(AfxLiteGdiObjectCount(), nObjectsBefore);
    EXPECT_EQ(AfxLiteDcCount(), nDCsBefore);
}
