// MemDCTest.cpp: CMemDC draws off-screen over the target's clip box and
// reaches the target in one transfer when it goes out of scope.
#include <gtest/gtest.h>

#include "MemDC.h"
#include "StaticsSupport.h"

#include <map>

namespace {

const COLORREF kWhite = RGB(255, 255, 255), kRed = RGB(200, 0, 0), kBlue = RGB(0, 0, 180);

// A red field over everything and a blue square at (20, 20)-(30, 30), in the
// target's coordinates; checks on the way that nothing reached the canvas.
void Draw(CDC* pTarget, const CStaticsCanvas* pCanvas = nullptr)
{
    CMemDC memDC(pTarget);
    memDC.FillSolidRect(0, 0, 100, 100, kRed);
    CBrush blue(kBlue);
    memDC.FillRect(CRect(20, 20, 30, 30), &blue);
    if (pCanvas != nullptr) {
        EXPECT_EQ(0, pCanvas->Count(kRed)) << "drawn on the target before the end";
    }
}

int CALLBACK CountRecord(HDC, HANDLETABLE*, const ENHMETARECORD* pRec, int, LPARAM lParam)
{
    (*reinterpret_cast<std::map<DWORD, int>*>(lParam))[pRec->iType]++;
    return 1;
}

TEST(MemDC, CopiesTheClipBoxInOneBitBltAtTheEnd)
{
    CStaticsCanvas canvas(60, 50);
    canvas.Fill(kWhite);
    ::IntersectClipRect(canvas.Dc(), 10, 15, 40, 35);
    Draw(CDC::FromHandle(canvas.Dc()), &canvas);
    EXPECT_EQ(kWhite, canvas.Pixel(9, 20));
    EXPECT_EQ(kRed, canvas.Pixel(10, 15));
    EXPECT_EQ(kRed, canvas.Pixel(39, 34));
    EXPECT_EQ(kWhite, canvas.Pixel(40, 34));
    EXPECT_EQ(kWhite, canvas.Pixel(39, 35));
    EXPECT_EQ(100, canvas.Count(kBlue, CRect(20, 20, 30, 30)));
    EXPECT_EQ(30 * 20 - 100, canvas.Count(kRed));

    // An enhanced metafile records every call made on the target.
    HDC hMeta = ::CreateEnhMetaFileA(canvas.Dc(), NULL, NULL, NULL);
    ASSERT_NE(nullptr, hMeta);
    ::IntersectClipRect(hMeta, 0, 0, 60, 50);
    Draw(CDC::FromHandle(hMeta));
    HENHMETAFILE hEmf = ::CloseEnhMetaFile(hMeta);
    std::map<DWORD, int> records;
    ::EnumEnhMetaFile(NULL, hEmf, CountRecord, &records, NULL);
    ::DeleteEnhMetaFile(hEmf);
    EXPECT_EQ(1, records[EMR_BITBLT]);
    for (DWORD type : {EMR_EXTTEXTOUTA, EMR_EXTTEXTOUTW, EMR_FILLRGN, EMR_PAINTRGN, EMR_STRETCHBLT})
        EXPECT_EQ(0, records[type]) << "record type " << type << " drawn on the target";
}

// A target that says it prints.
class CPrintingDC : public CDC
{
public:
    explicit CPrintingDC(HDC hDC) { Attach(hDC), m_bPrinting = TRUE; }
    ~CPrintingDC() override { Detach(); }
};

TEST(MemDC, APrintingTargetIsDrawnOnDirectlyAndKeepsItsDC)
{
    CStaticsCanvas canvas(60, 50);
    CPrintingDC printer(canvas.Dc());
    {
        CMemDC memDC(&printer);
        memDC.FillSolidRect(0, 0, 10, 10, kRed);
        EXPECT_EQ(kRed, canvas.Pixel(5, 5));
    }
    printer.FillSolidRect(0, 0, 10, 10, kBlue); // still a live DC
    EXPECT_EQ(kBlue, canvas.Pixel(5, 5));
}

TEST(MemDC, NoLeakOverManyPaints)
{
    CStaticsCanvas canvas(60, 50);
    const int nObjects = AfxLiteGdiObjectCount(), nDCs = AfxLiteDcCount();
    for (int i = 0; i < 1000; i++)
        Draw(CDC::FromHandle(canvas.Dc()));
    EXPECT_EQ(nObjects, AfxLiteGdiObjectCount());
    EXPECT_EQ(nDCs, AfxLiteDcCount());
}

} // namespace
