// MemDCTest.cpp: CMemDC draws off-screen over the target's clip box and
// reaches the target in one transfer when it goes out of scope.
#include <gtest/gtest.h>

#include "MemDC.h"
#include "StaticsSupport.h"

#include <map>

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(200, 0, 0);
const COLORREF kBlue = RGB(0, 0, 180);

// What a CMemDC on pTarget sends to the target: a red field over everything
// and a blue square at (20, 20)-(30, 30), both in the target's coordinates.
void DrawThroughMemDC(CDC* pTarget)
{
    CMemDC memDC(pTarget);
    memDC.FillSolidRect(0, 0, 100, 100, kRed);
    CBrush blue(kBlue);
    CRect rc(20, 20, 30, 30);
    memDC.FillRect(&rc, &blue);
}

TEST(MemDC, DrawsOffScreenAndCopiesTheClipBoxAtTheEnd)
{
    CStaticsCanvas canvas(60, 50);
    canvas.Fill(kWhite);
    ::IntersectClipRect(canvas.Dc(), 10, 15, 40, 35);
    CDC* pTarget = CDC::FromHandle(canvas.Dc());
    {
        CMemDC memDC(pTarget);
        memDC.FillSolidRect(0, 0, 100, 100, kRed);
        EXPECT_EQ(canvas.Width() * canvas.Height(), canvas.Count(kWhite))
            << "nothing reaches the target early";
        CRect rc(20, 20, 30, 30);
        CBrush blue(kBlue);
        memDC.FillRect(&rc, &blue);
    }
    // The clip box, and only it, now shows the drawing at the same place.
    EXPECT_EQ(kWhite, canvas.Pixel(9, 20));
    EXPECT_EQ(kRed, canvas.Pixel(10, 15));
    EXPECT_EQ(kRed, canvas.Pixel(39, 34));
    EXPECT_EQ(kWhite, canvas.Pixel(40, 34));
    EXPECT_EQ(kWhite, canvas.Pixel(39, 35));
    const CRect rcBlue(20, 20, 30, 30);
    EXPECT_EQ(100, canvas.Count(kBlue, &rcBlue));
    EXPECT_EQ(100, canvas.Count(kBlue));
    EXPECT_EQ(30 * 20 - 100, canvas.Count(kRed));
}

int CALLBACK CountRecord(HDC, HANDLETABLE*, const ENHMETARECORD* pRec, int, LPARAM lParam)
{
    (*reinterpret_cast<std::map<DWORD, int>*>(lParam))[pRec->iType]++;
    return 1;
}

TEST(MemDC, TheTargetReceivesExactlyOneBitBlt)
{
    // An enhanced metafile records every call made on the target.
    HDC hScreen = ::GetDC(NULL);
    HDC hMeta = ::CreateEnhMetaFileA(hScreen, NULL, NULL, NULL);
    ::ReleaseDC(NULL, hScreen);
    ASSERT_NE(nullptr, hMeta);
    ::IntersectClipRect(hMeta, 0, 0, 60, 50);
    DrawThroughMemDC(CDC::FromHandle(hMeta));
    HENHMETAFILE hEmf = ::CloseEnhMetaFile(hMeta);
    ASSERT_NE(nullptr, hEmf);

    std::map<DWORD, int> records;
    ::EnumEnhMetaFile(NULL, hEmf, CountRecord, &records, NULL);
    EXPECT_EQ(1, records[EMR_BITBLT]);
    for (DWORD type : {EMR_EXTTEXTOUTA, EMR_EXTTEXTOUTW, EMR_FILLRGN, EMR_PAINTRGN, EMR_RECTANGLE,
                       EMR_STRETCHBLT, EMR_STRETCHDIBITS, EMR_SETDIBITSTODEVICE}) {
        EXPECT_EQ(0, records[type]) << "record type " << type << " drawn on the target";
    }

    // Played back, the one transfer carries the whole picture (playback
    // stretches to the recorded bounds, so only points well inside are read).
    CStaticsCanvas canvas(60, 50);
    canvas.Fill(kWhite);
    RECT rcPlay = {0, 0, 60, 50};
    ::PlayEnhMetaFile(canvas.Dc(), hEmf, &rcPlay);
    ::DeleteEnhMetaFile(hEmf);
    EXPECT_EQ(kBlue, canvas.Pixel(25, 25));
    EXPECT_EQ(kRed, canvas.Pixel(5, 5));
    EXPECT_EQ(kRed, canvas.Pixel(55, 45));
}

// A target that says it prints.
class CPrintingDC : public CDC
{
public:
    explicit CPrintingDC(HDC hDC)
    {
        Attach(hDC);
        m_bPrinting = TRUE;
    }
    ~CPrintingDC() override { Detach(); }
};

TEST(MemDC, APrintingTargetIsDrawnOnDirectlyAndKeepsItsDC)
{
    CStaticsCanvas canvas(60, 50);
    canvas.Fill(kWhite);
    CPrintingDC printer(canvas.Dc());
    const int nDCs = AfxLiteDcCount();
    {
        CMemDC memDC(&printer);
        EXPECT_TRUE(memDC.IsPrinting());
        memDC.FillSolidRect(0, 0, 10, 10, kRed);
        EXPECT_EQ(kRed, canvas.Pixel(5, 5)) << "drawn straight onto the target";
        EXPECT_EQ(nDCs, AfxLiteDcCount());
    }
    // The target DC survives the memory DC.
    EXPECT_EQ(canvas.Dc(), printer.m_hDC);
    printer.FillSolidRect(0, 0, 10, 10, kBlue);
    EXPECT_EQ(kBlue, canvas.Pixel(5, 5));
}

TEST(MemDC, NoLeakOverManyPaints)
{
    CStaticsCanvas canvas(60, 50);
    CDC* pTarget = CDC::FromHandle(canvas.Dc());
    const int nObjects = AfxLiteGdiObjectCount();
    const int nDCs = AfxLiteDcCount();
    for (int i = 0; i < 1000; i++)
        DrawThroughMemDC(pTarget);
    EXPECT_EQ(nObjects, AfxLiteGdiObjectCount());
    EXPECT_EQ(nDCs, AfxLiteDcCount());
    EXPECT_EQ(kBlue, canvas.Pixel(25, 25));
}

} // namespace
