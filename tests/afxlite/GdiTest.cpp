// GdiTest.cpp: drawing-object wrappers: ownership, FromHandle temporaries,
// selection returning the previous object, regions, fonts, bitmaps, leaks.
#include "GdiCanvas.h"
#include "frame_resource.h"

#include <functional>
#include <memory>

TEST(CGdiObjectOwnership, TheDestructorDeletesAndDetachKeeps)
{
    HGDIOBJ hDeleted = nullptr;
    {
        CBrush brush(kRed);
        hDeleted = brush.GetSafeHandle();
        ASSERT_EQ(::GetObjectType(hDeleted), (DWORD)OBJ_BRUSH);
    }
    EXPECT_EQ(::GetObjectType(hDeleted), 0u);

    HGDIOBJ hKept = nullptr;
    {
        CPen pen(PS_SOLID, 1, kRed);
        hKept = pen.Detach();
        EXPECT_EQ(pen.GetSafeHandle(), nullptr);
    }
    EXPECT_EQ(::GetObjectType(hKept), (DWORD)OBJ_PEN);
    ::DeleteObject(hKept);

    HDC hDC = nullptr;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        hDC = dc.GetSafeHdc();
        EXPECT_EQ(::GetObjectType(hDC), (DWORD)OBJ_MEMDC);
    }
    EXPECT_EQ(::GetObjectType(hDC), 0u);

    CBrush brush;
    EXPECT_FALSE(brush.DeleteObject()); // nothing to delete
    // MFC code calls these through pointers that may be null.
    CBrush* volatile pNoBrush = nullptr;
    CDC* volatile pNoDC = nullptr;
    EXPECT_EQ(pNoBrush->GetSafeHandle(), nullptr);
    EXPECT_EQ(pNoDC->GetSafeHdc(), nullptr);
}

TEST(CGdiObjectOwnership, StockAndSystemColourObjectsAreNeverCounted)
{
    int nBefore = AfxLiteGdiObjectCount();
    {
        CGdiObject stock;
        EXPECT_TRUE(stock.CreateStockObject(GRAY_BRUSH));
        CBrush sys;
        EXPECT_TRUE(sys.CreateSysColorBrush(COLOR_BTNFACE));
        EXPECT_EQ(AfxLiteGdiObjectCount(), nBefore);
        CBrush solid(kRed);
        EXPECT_EQ(AfxLiteGdiObjectCount(), nBefore + 1);
    }
    EXPECT_EQ(AfxLiteGdiObjectCount(), nBefore);
    // Deleting a stock object is harmless: it is still there.
    EXPECT_EQ(::GetObjectType(::GetStockObject(GRAY_BRUSH)), (DWORD)OBJ_BRUSH);
}

TEST(CGdiObjectFromHandle, TemporariesHaveTheObjectsClassAndPermanentsWin)
{
    struct Row
    {
        const char* label;
        HGDIOBJ h;
        CRuntimeClass* pClass;
    } rows[] = {{"pen", ::GetStockObject(BLACK_PEN), RUNTIME_CLASS(CPen)},
                {"brush", ::GetStockObject(WHITE_BRUSH), RUNTIME_CLASS(CBrush)},
                {"font", ::GetStockObject(SYSTEM_FONT), RUNTIME_CLASS(CFont)},
                {"palette", ::GetStockObject(DEFAULT_PALETTE), RUNTIME_CLASS(CPalette)}};
    for (const Row& row : rows) {
        CGdiObject* p = CGdiObject::FromHandle(row.h);
        ASSERT_NE(p, nullptr) << row.label;
        EXPECT_TRUE(p->IsKindOf(row.pClass)) << row.label;
        EXPECT_EQ(p->GetSafeHandle(), row.h) << row.label;
        EXPECT_EQ(CGdiObject::FromHandle(row.h), p) << row.label << ": one temporary per handle";
    }
    EXPECT_EQ(CGdiObject::FromHandle(nullptr), nullptr);

    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 1, 1);
    EXPECT_EQ(CRgn::FromHandle(rgn), &rgn);
    EXPECT_EQ(CGdiObject::FromHandle(rgn.m_hObject), &rgn);

    // Temporaries go at idle time; the objects they wrapped stay.
    HBRUSH hRaw = ::CreateSolidBrush(kBlue);
    CBrush* pTemp = CBrush::FromHandle(hRaw);
    EXPECT_EQ(pTemp->GetSafeHandle(), hRaw);
    CGdiObject::DeleteTempMap();
    EXPECT_EQ(::GetObjectType(hRaw), (DWORD)OBJ_BRUSH);
    ::DeleteObject(hRaw);
}

TEST(CGdiObjectFromHandle, AttachBindsAndDetachUnbinds)
{
    HBRUSH hRaw = ::CreateSolidBrush(kBlue);
    CBrush brush;
    EXPECT_TRUE(brush.Attach(hRaw));
    EXPECT_EQ(CBrush::FromHandle(hRaw), &brush);
    EXPECT_EQ(brush.Detach(), hRaw);
    CBrush* pTemp = CBrush::FromHandle(hRaw);
    EXPECT_NE(pTemp, &brush);
    EXPECT_EQ(pTemp->GetSafeHandle(), hRaw);
    CGdiObject::DeleteTempMap();
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

namespace {

// Selecting a then b into dc: the first call returns the DC's default
// object, the second returns a itself (its permanent wrapper).
template <class T> void ExpectSelectReturnsPrevious(CDC& dc, T& a, T& b, HGDIOBJ hDefault, const char* label)
{
    T* pDefault = dc.SelectObject(&a);
    ASSERT_NE(pDefault, nullptr) << label;
    EXPECT_EQ(pDefault->GetSafeHandle(), hDefault) << label;
    EXPECT_TRUE(pDefault->IsKindOf(a.GetRuntimeClass())) << label;
    EXPECT_EQ(dc.SelectObject(&b), &a) << label;
    EXPECT_EQ(dc.SelectObject(pDefault), &b) << label;
}

} // namespace

TEST(CDCSelectObject, ReturnsThePreviousObjectOfEachKind)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CPen pen1(PS_SOLID, 1, kRed), pen2(PS_DASH, 1, kBlue);
    ExpectSelectReturnsPrevious(dc, pen1, pen2, ::GetStockObject(BLACK_PEN), "pen");
    CBrush brush1(kRed), brush2(HS_CROSS, kBlue);
    ExpectSelectReturnsPrevious(dc, brush1, brush2, ::GetStockObject(WHITE_BRUSH), "brush");
    CFont font1, font2;
    font1.CreatePointFont(100, "Arial");
    font2.CreatePointFont(140, "Arial");
    ExpectSelectReturnsPrevious(dc, font1, font2, ::GetStockObject(SYSTEM_FONT), "font");
    CBitmap bmp1, bmp2;
    bmp1.CreateBitmap(4, 4, 1, 1, nullptr);
    bmp2.CreateBitmap(4, 4, 1, 1, nullptr);
    HGDIOBJ hDefaultBitmap = ::GetCurrentObject(dc.m_hDC, OBJ_BITMAP);
    ExpectSelectReturnsPrevious(dc, bmp1, bmp2, hDefaultBitmap, "bitmap");

    // The untyped forms.
    CGdiObject* pOld = dc.SelectStockObject(NULL_PEN);
    EXPECT_EQ(pOld->GetSafeHandle(), ::GetStockObject(BLACK_PEN));
    EXPECT_EQ(dc.SelectObject(static_cast<CGdiObject*>(&pen1))->GetSafeHandle(), ::GetStockObject(NULL_PEN));
    EXPECT_EQ(dc.SelectObject(::GetStockObject(BLACK_PEN)), pen1.m_hObject);
    EXPECT_EQ(dc.GetCurrentPen()->GetSafeHandle(), ::GetStockObject(BLACK_PEN));
    // Selecting a region sets the clipping and reports its kind.
    CRgn rgn;
    rgn.CreateRectRgn(0, 0, 1, 1);
    EXPECT_EQ(dc.SelectObject(&rgn), SIMPLEREGION);
}

TEST(CRgnTest, CombiningOffsettingAndHitTesting)
{
    struct Row
    {
        const char* label;
        std::function<int(CRgn&)> build; // the type the operation returned, -1 when it returns none
        int nType;
        CRect box;
        CPoint ptIn, ptOut;
    } rows[] = {
        {"OR of two overlapping squares",
         [](CRgn& r) {
             CRgn a, b;
             a.CreateRectRgn(0, 0, 10, 10);
             b.CreateRectRgn(5, 5, 20, 20);
             r.CreateRectRgn(0, 0, 0, 0);
             return r.CombineRgn(&a, &b, RGN_OR);
         },
         COMPLEXREGION, CRect(0, 0, 20, 20), CPoint(15, 15), CPoint(15, 2)},
        {"AND",
         [](CRgn& r) {
             CRgn a, b;
             a.CreateRectRgn(0, 0, 10, 10);
             b.CreateRectRgn(5, 5, 20, 20);
             r.CreateRectRgn(0, 0, 0, 0);
             return r.CombineRgn(&a, &b, RGN_AND);
         },
         SIMPLEREGION, CRect(5, 5, 10, 10), CPoint(7, 7), CPoint(2, 2)},
        {"DIFF",
         [](CRgn& r) {
             CRgn a, b;
             a.CreateRectRgn(0, 0, 10, 10);
             b.CreateRectRgn(5, 5, 20, 20);
             r.CreateRectRgn(0, 0, 0, 0);
             return r.CombineRgn(&a, &b, RGN_DIFF);
         },
         COMPLEXREGION, CRect(0, 0, 10, 10), CPoint(2, 2), CPoint(7, 7)},
        {"OffsetRgn",
         [](CRgn& r) {
             r.CreateRectRgnIndirect(CRect(0, 0, 10, 10));
             return r.OffsetRgn(3, 4);
         },
         SIMPLEREGION, CRect(3, 4, 13, 14), CPoint(12, 13), CPoint(2, 2)},
        {"CopyRgn",
         [](CRgn& r) {
             CRgn a;
             a.CreateRectRgn(1, 1, 4, 4);
             r.CreateRectRgn(0, 0, 0, 0);
             return r.CopyRgn(&a);
         },
         SIMPLEREGION, CRect(1, 1, 4, 4), CPoint(1, 1), CPoint(4, 4)},
        {"SetRectRgn",
         [](CRgn& r) {
             r.CreateEllipticRgn(0, 0, 50, 50);
             r.SetRectRgn(CRect(1, 2, 3, 4));
             return -1;
         },
         SIMPLEREGION, CRect(1, 2, 3, 4), CPoint(2, 3), CPoint(3, 3)},
        {"polygon (triangle)",
         [](CRgn& r) {
             POINT pts[] = {{0, 0}, {10, 0}, {0, 10}};
             r.CreatePolygonRgn(pts, 3, ALTERNATE);
             return -1;
         },
         COMPLEXREGION, CRect(0, 0, 10, 10), CPoint(2, 2), CPoint(8, 8)},
        // (The box of an elliptic region is left out: GDI trims elliptic
        // regions by an extra pixel at the right and bottom.)
        {"ellipse",
         [](CRgn& r) {
             r.CreateEllipticRgnIndirect(CRect(0, 0, 10, 10));
             return -1;
         },
         COMPLEXREGION, CRect(), CPoint(5, 5), CPoint(0, 0)},
    };
    for (const Row& row : rows) {
        CRgn rgn;
        int nResult = row.build(rgn);
        if (nResult != -1) {
            EXPECT_EQ(nResult, row.nType) << row.label;
        }
        CRect box;
        EXPECT_EQ(rgn.GetRgnBox(&box), row.nType) << row.label;
        if (!row.box.IsRectNull()) {
            EXPECT_EQ(box, row.box) << row.label;
        }
        EXPECT_TRUE(rgn.PtInRegion(row.ptIn)) << row.label;
        EXPECT_FALSE(rgn.PtInRegion(row.ptOut.x, row.ptOut.y)) << row.label;
    }
}

TEST(CFontTest, PointFontsConvertTenthsOfAPointWithTheVerticalResolution)
{
    HDC hScreen = ::GetDC(nullptr);
    const int nDpi = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "Arial"));
    LOGFONT lf = {};
    EXPECT_EQ(font.GetLogFont(&lf), (int)sizeof(LOGFONT));
    EXPECT_EQ(lf.lfHeight, -::MulDiv(nDpi, 12, 72)); // 12 points
    EXPECT_STREQ(lf.lfFaceName, "Arial");

    // Through a DC whose window extent halves logical units: twice the units.
    GdiCanvas canvas(4, 4);
    canvas.dc.SetMapMode(MM_ANISOTROPIC);
    canvas.dc.SetWindowExt(2, 2);
    canvas.dc.SetViewportExt(1, 1);
    CFont scaled;
    ASSERT_TRUE(scaled.CreatePointFont(120, "Arial", &canvas.dc));
    scaled.GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, -2 * ::MulDiv(nDpi, 12, 72));

    LOGFONT bold = {};
    bold.lfHeight = -20;
    bold.lfWeight = FW_BOLD;
    lstrcpyA(bold.lfFaceName, "Arial");
    CFont f2;
    ASSERT_TRUE(f2.CreateFontIndirect(&bold));
    f2.GetLogFont(&lf);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfHeight, -20);
}

TEST(CBitmapTest, CreateDescribeAndDimension)
{
    CBitmap bmp;
    ASSERT_TRUE(bmp.CreateBitmap(5, 3, 1, 1, nullptr));
    BITMAP bm = {};
    EXPECT_EQ(bmp.GetBitmap(&bm), (int)sizeof(BITMAP));
    EXPECT_EQ(bm.bmWidth, 5);
    EXPECT_EQ(bm.bmHeight, 3);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_EQ(bmp.SetBitmapDimension(100, 50), CSize(0, 0));
    EXPECT_EQ(bmp.GetBitmapDimension(), CSize(100, 50));

    GdiCanvas canvas(2, 2);
    CBitmap compat;
    ASSERT_TRUE(compat.CreateCompatibleBitmap(&canvas.dc, 7, 9));
    compat.GetBitmap(&bm);
    EXPECT_EQ(bm.bmWidth, 7);
    EXPECT_EQ(bm.bmHeight, 9);

    // A system bitmap (OBM_CHECK).
    CBitmap oem;
    ASSERT_TRUE(oem.LoadOEMBitmap(32760));
    oem.GetBitmap(&bm);
    EXPECT_GT(bm.bmWidth, 0);
}

TEST(CBitmapTest, LoadBitmapFindsTheResourceThroughTheChain)
{
    // Six 16 x 15 images: red, green, blue, yellow, cyan, magenta.
    struct Row
    {
        const char* label;
        std::function<BOOL(CBitmap&)> load;
    } rows[] = {
        {"LoadBitmap by id", [](CBitmap& b) { return b.LoadBitmap(IDR_TEST_TOOLBAR); }},
        {"LoadBitmap by name", [](CBitmap& b) { return b.LoadBitmap(MAKEINTRESOURCE(IDR_TEST_TOOLBAR)); }},
        {"LoadMappedBitmap", [](CBitmap& b) { return b.LoadMappedBitmap(IDR_TEST_TOOLBAR); }}};
    for (const Row& row : rows) {
        const int nBefore = AfxLiteGdiObjectCount();
        CBitmap bmp;
        ASSERT_TRUE(row.load(bmp)) << row.label;
        EXPECT_EQ(AfxLiteGdiObjectCount(), nBefore + 1) << row.label;
        BITMAP bm = {};
        bmp.GetBitmap(&bm);
        EXPECT_EQ(bm.bmWidth, 96) << row.label;
        EXPECT_EQ(bm.bmHeight, 15) << row.label;
        GdiCanvas canvas(96, 15);
        CDC src;
        src.CreateCompatibleDC(&canvas.dc);
        CBitmap* pOld = src.SelectObject(&bmp);
        canvas.dc.BitBlt(0, 0, 96, 15, &src, 0, 0, SRCCOPY);
        src.SelectObject(pOld);
        EXPECT_EQ(canvas.Count(kRed, 0, 0, 16, 15), 16 * 15) << row.label;
        EXPECT_EQ(canvas.Count(kBlue, 32, 0, 48, 15), 16 * 15) << row.label;
    }
    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(4999));
    EXPECT_EQ(missing.GetSafeHandle(), nullptr);
}

TEST(GdiLeaks, AThousandCreatePaintDestroyCyclesLeaveNothingBehind)
{
    const int nObjectsBefore = AfxLiteGdiObjectCount();
    const int nDCsBefore = AfxLiteDcCount();
    // Wine does not implement GetGuiResources (it returns 0); on Windows the
    // same loop is checked against the system's count as well.
    const DWORD nSystemBefore = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
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
        if (i == 0) {
            EXPECT_EQ(AfxLiteGdiObjectCount(), nObjectsBefore + 5);
            EXPECT_EQ(AfxLiteDcCount(), nDCsBefore + 1);
        }
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
    const DWORD nSystemAfter = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    EXPECT_LE(nSystemAfter, nSystemBefore + 5); // a few for lazily created stock state
}
