// MDIBackgroundTest.cpp: CMDIBackground on the MDI client of a real
// CMDIFrameWnd: each display mode's pixels at decisive points, the mapped
// resource bitmap, repaint rules and the profile entries.
#include <gtest/gtest.h>

#include "MDIBackground.h"
#include "StaticsSupport.h"
#include "TestApp.h"

#include <string>

namespace {

const UINT kBitmapId = 16100; // MDIBackgroundTest.rc: 100 x 50, four quadrants
const COLORREF kRed = RGB(200, 0, 0), kGreen = RGB(0, 160, 0), kBlue = RGB(0, 0, 200),
               kYellow = RGB(230, 230, 0);
const COLORREF kBk = RGB(30, 40, 50), kMagenta = RGB(255, 0, 255);

// A real MDI frame whose MDI client has a client area of 251 x 120.
class CMdiFrame
{
public:
    CMdiFrame() : m_pFrame(new CMDIFrameWnd)
    {
        EXPECT_TRUE(
            m_pFrame->Create(nullptr, "MDI", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 300)));
        m_hClient = m_pFrame->m_hWndMDIClient;
        RECT rc = {0, 0, 251, 120};
        ::AdjustWindowRectEx(&rc, ::GetWindowLongA(m_hClient, GWL_STYLE), FALSE,
                             ::GetWindowLongA(m_hClient, GWL_EXSTYLE));
        ::SetWindowPos(m_hClient, NULL, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                       SWP_NOMOVE | SWP_NOZORDER);
    }
    ~CMdiFrame() { Destroy(); }
    void Destroy()
    {
        if (::IsWindow(m_hClient))
            m_pFrame->DestroyWindow(); // the frame deletes itself
    }
    HWND Client() const { return m_hClient; }
    void Read(CStaticsCanvas& canvas)
    {
        PaintNow(m_hClient);
        canvas.CopyFromWindow(m_hClient);
    }
    bool NeedsPaint() const { return ::GetUpdateRect(m_hClient, NULL, FALSE) != FALSE; }

private:
    CMDIFrameWnd* m_pFrame;
    HWND m_hClient;
};

const char kBitmapFile[] = QUILLON_TEST_BMP; // the resource's bitmap as a file of the source tree

struct Probe
{
    int x, y;
    COLORREF cr;
};

} // namespace

TEST(MDIBackground, DisplayModesAtDecisivePoints)
{
    struct Row
    {
        const char* label;
        int nMode;
        bool bBitmap;
        std::vector<Probe> probes;
    };
    // clang-format off
    const Row rows[] = {
        {"no bitmap", CMDIBackground::DM_CENTER, false, {{0, 0, kBk}, {125, 60, kBk}, {250, 119, kBk}}},
        {"tile: seams and the cut last row and column", CMDIBackground::DM_TILE, true,
         {{0, 0, kRed}, {99, 49, kYellow}, {100, 0, kRed}, {100, 50, kRed}, {199, 99, kYellow}, {250, 119, kGreen}}},
        {"centre at (75, 35)", CMDIBackground::DM_CENTER, true,
         {{74, 35, kBk}, {75, 34, kBk}, {75, 35, kRed}, {174, 84, kYellow}, {175, 84, kBk}, {174, 85, kBk}}},
        {"stretched corners", CMDIBackground::DM_STRETCH, true,
         {{0, 0, kRed}, {250, 0, kGreen}, {0, 119, kBlue}, {250, 119, kYellow}}},
        {"origin at (10, 20)", CMDIBackground::DM_ORIGIN, true,
         {{9, 20, kBk}, {10, 19, kBk}, {10, 20, kRed}, {109, 69, kYellow}, {110, 69, kBk}, {250, 119, kBk}}},
        {"unknown mode: background colour only", 7, true, {{0, 0, kBk}, {100, 50, kBk}, {250, 119, kBk}}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CMdiFrame frame;
        CMDIBackground bg;
        ASSERT_TRUE(bg.SubclassWindow(frame.Client()));
        bg.SetBkColor(kBk);
        bg.SetOrigin(10, 20, 0);
        if (row.bBitmap) {
            ASSERT_TRUE(bg.SetBitmap(kBitmapFile, 0));
        }
        bg.SetDisplayMode((CMDIBackground::DisplayModesEnum)row.nMode);
        CStaticsCanvas canvas(251, 120);
        frame.Read(canvas);
        for (const Probe& p : row.probes)
            EXPECT_EQ(p.cr, canvas.Pixel(p.x, p.y)) << p.x << "," << p.y;
    }
}

TEST(MDIBackground, ResourceBitmapsAndRepaints)
{
    CMdiFrame frame;
    CMDIBackground bg;
    ASSERT_TRUE(bg.SubclassWindow(frame.Client()));
    bg.SetDisplayMode(CMDIBackground::DM_STRETCH);
    CStaticsCanvas canvas(251, 120);

    // The colour map replaces red in the colour table.
    COLORMAP map = {kRed, kMagenta};
    ASSERT_TRUE(bg.SetBitmap(kBitmapId, &map, 1));
    frame.Read(canvas);
    EXPECT_EQ(kMagenta, canvas.Pixel(0, 0));
    EXPECT_EQ(kYellow, canvas.Pixel(250, 119));
    ASSERT_TRUE(bg.SetBitmap(kBitmapId, 0));
    frame.Read(canvas);
    EXPECT_EQ(kRed, canvas.Pixel(0, 0));

    // A missing resource: FALSE with a colour map, TRUE without; no bitmap either way.
    EXPECT_FALSE(bg.SetBitmap(kBitmapId + 1, &map, 1));
    EXPECT_TRUE(bg.SetBitmap(kBitmapId + 1, 0));
    EXPECT_EQ(CSize(0, 0), bg.GetImageSize());
    bg.SetBkColor(kBk);
    frame.Read(canvas);
    EXPECT_EQ(kBk, canvas.Pixel(250, 119));
    EXPECT_FALSE(bg.SetBitmap("Z:\\no\\such.bmp", 0));

    // Repaints: SetOrigin only with redraw 1; sizing except in tile mode.
    bg.SetBitmap(kBitmapId, 0);
    bg.SetDisplayMode(CMDIBackground::DM_ORIGIN);
    frame.Read(canvas);
    bg.SetOrigin(CPoint(5, 5), 0);
    EXPECT_FALSE(frame.NeedsPaint());
    bg.SetOrigin(CPoint(6, 6), 1);
    EXPECT_TRUE(frame.NeedsPaint());
    frame.Read(canvas);
    EXPECT_EQ(kRed, canvas.Pixel(6, 6));
    EXPECT_EQ(kBk, canvas.Pixel(5, 5));
    const struct
    {
        int nMode;
        UINT nType;
        bool bRepaint;
    } sizes[] = {{CMDIBackground::DM_TILE, SIZE_RESTORED, false},
                 {CMDIBackground::DM_CENTER, SIZE_MINIMIZED, false},
                 {CMDIBackground::DM_CENTER, SIZE_RESTORED, true}};
    for (const auto& size : sizes) {
        bg.SetDisplayMode((CMDIBackground::DisplayModesEnum)size.nMode);
        ::ValidateRect(frame.Client(), NULL);
        ::SendMessageA(frame.Client(), WM_SIZE, size.nType, MAKELPARAM(251, 120));
        EXPECT_EQ(size.bRepaint, frame.NeedsPaint()) << size.nMode << " " << size.nType;
    }
}

TEST(MDIBackground, SettingsSavedAtDestructionAndRestoredAtSubclassing)
{
    CWinApp* pApp = AfxGetApp();
    {
        CMdiFrame frame;
        CMDIBackground bg;
        bg.SetAutoSaveRestore(1);
        ASSERT_TRUE(bg.SubclassWindow(frame.Client()));
        bg.SetDisplayMode(CMDIBackground::DM_ORIGIN);
        bg.SetBkColor(kBk);
        bg.SetOrigin(12, -7, 1);
        ASSERT_TRUE(bg.SetBitmap(kBitmapFile, 0));
        bg.SetBitmap(kBitmapId, 0); // a resource: the file name stays and is saved
        frame.Destroy();
    }
    EXPECT_EQ(3, (int)pApp->GetProfileInt("Main Background", "DisplayMode", -1));
    EXPECT_EQ((int)kBk, (int)pApp->GetProfileInt("Main Background", "BkColor", -1));
    EXPECT_STREQ(kBitmapFile, pApp->GetProfileString("Main Background", "FileName"));
    EXPECT_EQ(12, (int)pApp->GetProfileInt("Main Background", "OriginX", 0));
    EXPECT_EQ(-7, (int)pApp->GetProfileInt("Main Background", "OriginY", 0));

    CMdiFrame frame;
    CMDIBackground bg;
    bg.SetAutoSaveRestore(1);
    ASSERT_TRUE(bg.SubclassWindow(frame.Client()));
    CStaticsCanvas canvas(251, 120); // mode, origin, bitmap and colour, all restored
    frame.Read(canvas);
    EXPECT_EQ(kRed, canvas.Pixel(12, 0));
    EXPECT_EQ(kYellow, canvas.Pixel(111, 42));
    EXPECT_EQ(kBk, canvas.Pixel(112, 42));
    EXPECT_EQ(kBk, canvas.Pixel(12, 43));
    pApp->WriteProfileString("Main Background", NULL, NULL); // leaves the shared profile as it was
    bg.SetAutoSaveRestore(0);
}
