// CScrollDialog, CGripper and CResizingDialog on real dialogs with resizable
// frames: bars and grip after resizes, scroll messages moving the content,
// the switches, and the anchored layout of registered controls.
#include "ResizingDialog.h"
#include "dialogs_tests.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The child nID's rectangle in hDlg's client coordinates.
CRect ChildRect(HWND hDlg, int nID)
{
    CRect rc;
    ::GetWindowRect(::GetDlgItem(hDlg, nID), &rc);
    ::MapWindowPoints(NULL, hDlg, reinterpret_cast<LPPOINT>(&rc), 2);
    return rc;
}

bool GripVisible(HWND hDlg)
{
    return ::IsWindowVisible(::GetDlgItem(hDlg, AFX_IDW_SIZE_BOX)) != FALSE;
}

// The largest position of a bar whose range starts at 0 (-1 for any other range).
int BarMax(HWND hWnd, int nBar)
{
    int nMin = -1, nMax = -1;
    ::GetScrollRange(hWnd, nBar, &nMin, &nMax);
    return nMin == 0 ? nMax : -1;
}

class CTestScrollDlg : public CScrollDialog
{
public:
    explicit CTestScrollDlg(bool bGripper = true) : CScrollDialog(IDD_SCROLL, nullptr)
    {
        if (!bGripper)
            EnableGripper(false); // before the window exists
    }
    using CScrollDialog::EnableGripper;
    using CScrollDialog::EnableScrolling;

    // Sizes the window for a client area of cx x cy next to the bars named.
    void SizeClient(int cx, int cy, bool bHorzBar, bool bVertBar)
    {
        SetWindowPos(nullptr, 0, 0, cx + m_frame.cx + (bVertBar ? ::GetSystemMetrics(SM_CXVSCROLL) : 0),
                     cy + m_frame.cy + (bHorzBar ? ::GetSystemMetrics(SM_CYHSCROLL) : 0),
                     SWP_NOMOVE | SWP_NOZORDER);
    }

protected:
    // A content of 400 x 300 pixels, whatever the dialog font makes of the template.
    BOOL OnInitDialog() override
    {
        CRect rcWindow, rcClient;
        GetWindowRect(&rcWindow);
        GetClientRect(&rcClient);
        m_frame = rcWindow.Size() - rcClient.Size();
        SizeClient(400, 300, false, false);
        return CScrollDialog::OnInitDialog();
    }
    CSize m_frame; // window size minus client size, without bars
};

TEST(ScrollDialogTest, BarsAndGripFollowTheClientSize)
{
    CTestScrollDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_SCROLL));
    const CSize szGrip = ChildRect(dlg.m_hWnd, AFX_IDW_SIZE_BOX).Size(); // the platform decides it
    struct Row
    {
        const char* label;
        int cx, cy, nHorzMax, nVertMax;
        bool bGrip;
    } const rows[] = {
        {"smaller on both axes: 12.5 units truncated", 300, 250, 12, 12, false},
        {"15 pixels narrower: one unit, no vertical bar", 385, 300, 1, 0, false},
        {"larger than at init: no bars, grip in the corner", 500, 400, 0, 0, true},
        {"back to the init size", 400, 300, 0, 0, true},
    };
    for (const Row& row : rows) {
        dlg.SizeClient(row.cx, row.cy, row.nHorzMax > 0, row.nVertMax > 0);
        CRect rc;
        dlg.GetClientRect(&rc);
        ASSERT_EQ(CRect(0, 0, row.cx, row.cy), rc) << row.label;
        EXPECT_EQ(row.nHorzMax, BarMax(dlg.m_hWnd, SB_HORZ)) << row.label;
        EXPECT_EQ(row.nVertMax, BarMax(dlg.m_hWnd, SB_VERT)) << row.label;
        EXPECT_EQ(row.bGrip, GripVisible(dlg.m_hWnd)) << row.label;
        const CRect rcCorner(CPoint(row.cx, row.cy) - szGrip, szGrip);
        EXPECT_TRUE(!row.bGrip || rcCorner == ChildRect(dlg.m_hWnd, AFX_IDW_SIZE_BOX)) << row.label;
    }
    // Maximised: the grip hides.
    dlg.ShowWindow(SW_MAXIMIZE);
    EXPECT_FALSE(GripVisible(dlg.m_hWnd));
}

TEST(ScrollDialogTest, ScrollMessagesMoveEveryChild)
{
    struct Step
    {
        UINT message, code, thumb;
        int nHorz, nVert; // positions after the step
    } const steps[] = {
        // clang-format off
        {WM_VSCROLL, SB_LINEDOWN, 0, 0, 1},     {WM_VSCROLL, SB_THUMBTRACK, 3, 0, 3},
        {WM_VSCROLL, SB_PAGEDOWN, 0, 0, 12},    {WM_VSCROLL, SB_THUMBPOSITION, 5, 0, 12},
        {WM_VSCROLL, SB_LINEDOWN, 0, 0, 12},    {WM_VSCROLL, SB_TOP, 0, 0, 0},
        {WM_VSCROLL, SB_LINEUP, 0, 0, 0},       {WM_VSCROLL, SB_BOTTOM, 0, 0, 12},
        {WM_HSCROLL, SB_THUMBTRACK, 10, 10, 12}, {WM_HSCROLL, SB_PAGERIGHT, 0, 12, 12},
        {WM_HSCROLL, SB_PAGELEFT, 0, 4, 12},    {WM_HSCROLL, SB_LINELEFT, 0, 3, 12},
        {WM_HSCROLL, SB_ENDSCROLL, 0, 3, 12},   {WM_VSCROLL, SB_THUMBTRACK, 7, 3, 7},
        {WM_NULL, 0, 0, 0, 0}, // grown to 500 x 400: back at the origin
        // clang-format on
    };
    CTestScrollDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_SCROLL));
    const CRect rcTL = ChildRect(dlg.m_hWnd, IDC_TOP_LEFT), rcBR = ChildRect(dlg.m_hWnd, IDC_BOTTOM_RIGHT);
    dlg.SizeClient(300, 250, true, true);
    for (const Step& s : steps) {
        if (s.message == WM_NULL)
            dlg.SizeClient(500, 400, false, false);
        else
            dlg.SendMessage(s.message, MAKEWPARAM(s.code, s.thumb), 0);
        const std::string label = (s.message == WM_VSCROLL ? "V " : "H ") + std::to_string(s.code);
        EXPECT_EQ(s.nHorz, dlg.GetScrollPos(SB_HORZ)) << label;
        EXPECT_EQ(s.nVert, dlg.GetScrollPos(SB_VERT)) << label;
        const CPoint off(-8 * s.nHorz, -4 * s.nVert);
        EXPECT_EQ(rcTL + off, ChildRect(dlg.m_hWnd, IDC_TOP_LEFT)) << label;
        EXPECT_EQ(rcBR + off, ChildRect(dlg.m_hWnd, IDC_BOTTOM_RIGHT)) << label;
    }
}

TEST(ScrollDialogTest, SwitchesAndHitTest)
{
    // The grip obeys EnableGripper, also called before the window existed.
    for (bool bGripper : {true, false}) {
        CTestScrollDlg dlg(bGripper);
        ASSERT_TRUE(dlg.Create(IDD_SCROLL));
        EXPECT_EQ(bGripper, GripVisible(dlg.m_hWnd)) << "gripper " << bGripper;
        dlg.EnableGripper(!bGripper);
        EXPECT_EQ(!bGripper, GripVisible(dlg.m_hWnd)) << "switched to " << !bGripper;
    }
    // Scrolling switched off: back to the origin, bars frozen through a resize but still scrolling.
    CTestScrollDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_SCROLL));
    const CRect rcTL = ChildRect(dlg.m_hWnd, IDC_TOP_LEFT);
    dlg.SizeClient(300, 250, true, true);
    dlg.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 4), 0);
    dlg.EnableScrolling(false);
    EXPECT_EQ(rcTL, ChildRect(dlg.m_hWnd, IDC_TOP_LEFT));
    dlg.SizeClient(500, 400, true, true);
    EXPECT_EQ(12, BarMax(dlg.m_hWnd, SB_VERT));
    dlg.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    EXPECT_EQ(rcTL + CPoint(0, -4), ChildRect(dlg.m_hWnd, IDC_TOP_LEFT));
    dlg.EnableScrolling(true);
    EXPECT_EQ(rcTL, ChildRect(dlg.m_hWnd, IDC_TOP_LEFT));
    EXPECT_EQ(0, BarMax(dlg.m_hWnd, SB_VERT));

    // The whole grip is the bottom-right sizing corner; outside it, the default answer.
    HWND hGrip = ::GetDlgItem(dlg.m_hWnd, AFX_IDW_SIZE_BOX);
    CRect rc;
    ::GetWindowRect(hGrip, &rc);
    EXPECT_EQ(HTBOTTOMRIGHT, ::SendMessageA(hGrip, WM_NCHITTEST, 0, MAKELPARAM(rc.left + 2, rc.top + 2)));
    EXPECT_EQ(HTNOWHERE, ::SendMessageA(hGrip, WM_NCHITTEST, 0, MAKELPARAM(rc.right + 50, rc.bottom + 50)));
}

// ---------------------------------------------------------------------------
// Resizing: the controls IDC_ANCHOR_FIRST + i of IDD_RESIZE, each placed at
// (10, 10, 110, 30) in a window of 420 x 340, registered with these edges kept.
struct Anchors
{
    bool bTop, bBottom, bLeft, bRight;
} const kAnchors[] = {
    {true, false, true, false},   // a: stretches
    {false, false, true, true},   // b: moves down
    {true, true, false, false},   // c: moves right
    {true, true, true, true},     // d: fixed
    {false, false, false, false}, // e: moves with the corner
    {true, true, true, false},    // f: widens only
    {true, true, true, true},     // g: fixed, then registered again to stretch
};
const int kControls = sizeof(kAnchors) / sizeof(kAnchors[0]);

class CTestResizingDlg : public CResizingDialog
{
public:
    CTestResizingDlg() : CResizingDialog(IDD_RESIZE) {}
    INT_PTR Records() const { return m_arrControls.GetSize(); }

protected:
    BOOL OnInitDialog() override
    {
        SetWindowPos(nullptr, 0, 0, 420, 340, SWP_NOMOVE | SWP_NOZORDER);
        CResizingDialog::OnInitDialog();
        for (int i = 0; i < kControls; ++i) {
            GetDlgItem(IDC_ANCHOR_FIRST + i)->MoveWindow(10, 10, 100, 20);
            const Anchors& a = kAnchors[i];
            AddDlgControl(IDC_ANCHOR_FIRST + i, a.bTop, a.bBottom, a.bLeft, a.bRight);
        }
        AddDlgControl(IDC_ANCHOR_FIRST + 6, true, false, true, false); // the later record decides
        AddDlgControl(999, false, false, false, false);                // no such control: not recorded
        return TRUE;
    }
};

TEST(ResizingDialogTest, ControlsFollowTheWindowSize)
{
    CTestResizingDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_RESIZE));
    EXPECT_EQ(kControls + 1, dlg.Records());
    // nShow SW_RESTORE: restore, then size the window to cx x cy; else ShowWindow(nShow).
    struct Row
    {
        const char* label;
        int nShow, cx, cy;
        CRect rc[7]; // the controls a .. g afterwards
    } const rows[] = {
        // clang-format off
        {"wider and taller: dx 50, dy 20", SW_RESTORE, 470, 360,
         {{10, 10, 160, 50}, {10, 30, 110, 50}, {60, 10, 160, 30}, {10, 10, 110, 30},
          {60, 30, 160, 50}, {10, 10, 160, 30}, {10, 10, 160, 50}}},
        {"minimised: nothing moves", SW_MINIMIZE, 0, 0,
         {{10, 10, 160, 50}, {10, 30, 110, 50}, {60, 10, 160, 30}, {10, 10, 110, 30},
          {60, 30, 160, 50}, {10, 10, 160, 30}, {10, 10, 160, 50}}},
        {"narrower and taller: dx -20 ignored, dy 60", SW_RESTORE, 400, 400,
         {{10, 10, 110, 90}, {10, 70, 110, 90}, {10, 10, 110, 30}, {10, 10, 110, 30},
          {10, 70, 110, 90}, {10, 10, 110, 30}, {10, 10, 110, 90}}},
        {"back to the initial size", SW_RESTORE, 420, 340,
         {{10, 10, 110, 30}, {10, 10, 110, 30}, {10, 10, 110, 30}, {10, 10, 110, 30},
          {10, 10, 110, 30}, {10, 10, 110, 30}, {10, 10, 110, 30}}},
        // clang-format on
    };
    for (const Row& row : rows) {
        dlg.ShowWindow(row.nShow);
        if (row.nShow == SW_RESTORE)
            dlg.SetWindowPos(nullptr, 0, 0, row.cx, row.cy, SWP_NOMOVE | SWP_NOZORDER);
        for (int i = 0; i < kControls; ++i)
            EXPECT_EQ(row.rc[i], ChildRect(dlg.m_hWnd, IDC_ANCHOR_FIRST + i))
                << row.label << ", control " << char('a' + i);
        EXPECT_FALSE(GripVisible(dlg.m_hWnd)) << row.label;
    }
}

} // namespace
