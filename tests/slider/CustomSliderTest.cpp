// CustomSliderTest.cpp: CCustomSliderCtrl over statics of a dialog template, driven by real
// mouse messages: the notifications its parent receives, the cursor of each zone, its pixels.
#include "CustomSliderCtrl.h"
#include "MsgRecorder.h"
#include "slider_tests.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

class CustomSliderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dlg.Create(IDD_SLIDER_TEST));
        m_dlg.ShowWindow(SW_SHOW);
    }
    void TearDown() override { m_dlg.DestroyWindow(); }

    // Sizes the placeholder in pixels, then attaches the slider to it.
    void Attach(CCustomSliderCtrl& slider, UINT nID, int cx, int cy)
    {
        ::SetWindowPos(::GetDlgItem(m_dlg.m_hWnd, nID), NULL, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER);
        ASSERT_TRUE(slider.SubclassDlgItem(nID, &m_dlg));
    }

    CDialog m_dlg;
};

// Sends a script of mouse messages: "m x,y" move, "L x,y" / "R x,y" button
// down, "u" / "U" left / right button up, "D x,y" double click.
void Play(CWnd& wnd, const char* script)
{
    static const char ops[] = "mLRuUD";
    static const UINT msgs[] = {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_RBUTTONDOWN,
                                WM_LBUTTONUP, WM_RBUTTONUP,   WM_LBUTTONDBLCLK};
    static const WPARAM keys[] = {0, MK_LBUTTON, MK_RBUTTON, 0, 0, MK_LBUTTON};
    std::istringstream in(script);
    char op, comma;
    while (in >> op) {
        int x = 0, y = 0;
        if (op != 'u' && op != 'U')
            in >> x >> comma >> y;
        const size_t i = strchr(ops, op) - ops;
        wnd.SendMessage(msgs[i], keys[i], MAKELPARAM(x, y));
    }
}

// The worked slider of 200 by 30 pixels, type "time window", range 0..10:
// channel 10..190, 18 pixels per unit, thumbs 8 pixels outside the selection.
TEST_F(CustomSliderTest, MouseChangesAndNotifications)
{
    const struct
    {
        const char* label;
        int sMin, sMax;
        bool bNoMove;
        const char* script;
        int endMin, endMax;
        const char* posted; // c "changing", C "changed", in arrival order
    } rows[] = {
        {"max thumb +9 px", 2, 5, false, "m 98,20 L 98,20 m 107,20 u", 2, 6, "cC"},
        {"max thumb -9 px: no change, one changed", 2, 5, false, "m 98,20 L 98,20 m 89,20 u", 2, 5, "C"},
        {"body to the right end", 2, 4, false,
         "m 60,20 L 60,20 m 78,20 m 96,20 m 114,20 m 132,20 m 150,20 m 168,20 m 186,20 u", 8, 10, "ccccccC"},
        {"right drag of the max thumb", 4, 6, false, "m 116,20 R 116,20 m 134,20 m 152,20 U", 2, 8, "ccC"},
        {"left click steps the min out", 3, 7, false, "L 20,20 u", 2, 7, "c"},
        {"double click", 2, 5, false, "D 60,20 u", 0, 10, ""},
        {"body with moving disabled", 2, 5, true, "m 60,20 L 60,20 m 96,20 u", 2, 5, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CCustomSliderCtrl slider;
        Attach(slider, IDC_SLIDER_H, 200, 30);
        slider.SetControlType(csc_type_time_window);
        slider.SetSel(row.sMin, row.sMax);
        if (row.bNoMove)
            slider.Disable_Move();
        MsgRecorder rec;
        rec.Watch(m_dlg.m_hWnd, parent);
        const UINT nChanging = slider.GetMsg_Changing(), nChanged = slider.GetMsg_Changed();
        rec.SetFilter([&](const MsgRecord& r) { return r.message == nChanging || r.message == nChanged; });
        Play(slider, row.script);
        PumpUntilMarker(m_dlg.m_hWnd);
        std::string got; // '?': a message not posted to the parent with the slider's handle and 0
        for (const MsgRecord& r : rec.Records())
            got += r.flags == (posted | parent) && r.wParam == (WPARAM)slider.m_hWnd && !r.lParam
                       ? "cC"[r.message == nChanged]
                       : '?';
        EXPECT_EQ(row.posted, got);
        EXPECT_TRUE(slider.GetSelMin() == row.endMin && slider.GetSelMax() == row.endMax);
        slider.UnsubclassWindow();
    }
}

// What the slider painted, read from its window: one pixel, or the pixels of rc in cr.
COLORREF PixelOf(CWnd& wnd, int x, int y)
{
    HDC hdc = ::GetDC(wnd.m_hWnd);
    const COLORREF cr = ::GetPixel(hdc, x, y);
    ::ReleaseDC(wnd.m_hWnd, hdc);
    return cr;
}

int CountOf(CWnd& wnd, COLORREF cr, const CRect& rc)
{
    HDC hdc = ::GetDC(wnd.m_hWnd);
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        for (int x = rc.left; x < rc.right; ++x)
            n += ::GetPixel(hdc, x, y) == cr;
    ::ReleaseDC(wnd.m_hWnd, hdc);
    return n;
}

TEST_F(CustomSliderTest, MessageNamesCursorsClippingAndPixels)
{
    const COLORREF kBack = RGB(0, 96, 160), kChannel = RGB(250, 240, 200), kSel = RGB(200, 0, 0),
                   kThumb = RGB(0, 160, 0), crFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    CCustomSliderCtrl h, v, round;
    Attach(h, IDC_SLIDER_H, 200, 30);
    Attach(v, IDC_SLIDER_V, 30, 200);
    Attach(round, IDC_SLIDER_ROUND, 200, 30);
    CString str; // the names carry the slider's own handle
    str.Format("CCustomSlider Selection Changed  - %ld - {92610D9C-BCEC-47e7-8D9E-FA52A5FFDFB0}",
               static_cast<long>(reinterpret_cast<INT_PTR>(v.m_hWnd)));
    EXPECT_EQ(::RegisterWindowMessageA(str), v.GetMsg_Changed());
    str.Replace("Changed ", "Changing");
    EXPECT_EQ(::RegisterWindowMessageA(str), v.GetMsg_Changing());

    for (CCustomSliderCtrl* p : {&h, &v}) {
        p->SetControlType(csc_type_time_window);
        p->SetSelectionColor(kSel);
        p->SetThumbColor(kThumb);
        p->SetSel(2, 5);
    }
    h.SetBackgroundColor(kBack);
    h.SetChannelColor(kChannel);
    round.SetSel(2, 5);
    round.SetThumbColor(RGB(192, 192, 192));
    round.Disable_Move();
    const struct
    {
        CCustomSliderCtrl* pSlider;
        int x, y;
        LPCSTR idc;
    } cursors[] = {
        {&h, 30, 20, IDC_ARROW},   {&h, 44, 20, IDC_SIZEWE},    {&h, 100, 3, IDC_SIZEWE},
        {&h, 60, 20, IDC_SIZEALL}, {&h, 150, 20, IDC_ARROW},    {&v, 20, 44, IDC_SIZENS},
        {&v, 20, 60, IDC_SIZEALL}, {&round, 60, 20, IDC_ARROW}, {&round, 98, 20, IDC_SIZEWE},
    };
    auto cursorAt = [](CWnd& wnd, int x, int y) {
        wnd.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        ::SetCursor(NULL);
        wnd.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd.m_hWnd),
                        MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return ::GetCursor();
    };
    for (const auto& row : cursors)
        EXPECT_EQ(::LoadCursorA(NULL, row.idc), cursorAt(*row.pSlider, row.x, row.y))
            << row.x << "," << row.y;

    // Horizontal: channel 10..190, selection 46..98, thumbs 8 pixels outside it (41, 20: the min thumb's
    // light shading). Vertical, minimum on top: selection 15..27 by 48..98. Round (plain) thumb: x 40..48,
    // inner frame (41, 3, 47, 27).
    const struct
    {
        CCustomSliderCtrl* pSlider;
        int x, y;
        COLORREF cr;
    } points[] = {// clang-format off
        {&h, 5, 20, kBack}, {&h, 195, 20, kBack}, {&h, 150, 20, kChannel}, {&h, 48, 16, kSel}, {&h, 97, 26, kSel},
        {&h, 98, 20, crFrame}, {&h, 44, 18, kThumb}, {&h, 40, 20, crFrame}, {&h, 102, 18, kThumb},
        {&h, 105, 20, crFrame}, {&h, 41, 20, RGB(51, 211, 51)}, {&v, 20, 96, kSel}, {&v, 18, 44, kThumb},
        {&round, 41, 3, RGB(255, 255, 255)}, {&round, 46, 26, RGB(90, 90, 90)}, {&round, 43, 3, RGB(243, 243, 243)},
        {&round, 46, 20, RGB(141, 141, 141)}, {&round, 44, 15, RGB(192, 192, 192)}};
    // clang-format on
    for (CCustomSliderCtrl* p : {&h, &v, &round})
        p->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    for (const auto& p : points)
        EXPECT_EQ(p.cr, PixelOf(*p.pSlider, p.x, p.y)) << (p.pSlider == &h ? "h " : "") << p.x << "," << p.y;
    // The band: text in the selection colour above the channel only, or up the left edge.
    EXPECT_GT(CountOf(h, kSel, CRect(10, 2, 190, 12)), 20);
    EXPECT_EQ(0, CountOf(h, kSel, CRect(100, 12, 200, 30)));
    EXPECT_GT(CountOf(v, kSel, CRect(2, 10, 12, 190)), 20);

    // A drag confines the pointer to the slider until a button comes up.
    CRect rcScreen, rcClip, rcFree;
    h.GetClientRect(&rcScreen);
    h.ClientToScreen(&rcScreen);
    Play(h, "m 98,20 L 98,20");
    ::GetClipCursor(&rcClip);
    Play(h, "U");
    ::GetClipCursor(&rcFree);
    EXPECT_TRUE(rcClip == rcScreen && rcFree != rcScreen);

    // Disabled: system colours for channel and selection.
    h.EnableWindow(FALSE);
    h.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), PixelOf(h, 150, 20));
    EXPECT_EQ(::GetSysColor(COLOR_3DLIGHT), PixelOf(h, 70, 20));
    // Hit-testing follows SetRange at once, though its repaint is still pending:
    // 2..5 of 0..20 puts the max thumb at 53..61, in the old body.
    v.SetRange(0, 20);
    EXPECT_EQ(::LoadCursorA(NULL, IDC_SIZENS), cursorAt(v, 20, 57));

    // Range labels: black digits inside both ends when they fit, none when they do not.
    round.SetControlType(csc_type_range_labels);
    for (int nRange : {99, 1000000000}) {
        round.SetRange(nRange == 99 ? 0 : -nRange, nRange);
        round.SetSel(40, 60);
        round.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        EXPECT_EQ(nRange == 99, CountOf(round, RGB(0, 0, 0), CRect(11, 4, 40, 26)) > 5);
        EXPECT_EQ(nRange == 99, CountOf(round, RGB(0, 0, 0), CRect(160, 4, 189, 26)) > 5);
    }
}

} // namespace
