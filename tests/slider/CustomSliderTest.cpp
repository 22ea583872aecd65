// CustomSliderTest.cpp: CCustomSliderCtrl subclassed over statics of a
// dialog template and driven by real mouse messages: the notifications its
// parent receives, the cursor of each zone, and the pixels it paints.
#include "CustomSliderCtrl.h"
#include "MsgRecorder.h"
#include "slider_tests.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

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
    std::istringstream in(script);
    std::string op;
    while (in >> op) {
        int x = 0, y = 0;
        char comma;
        if (op != "u" && op != "U")
            in >> x >> comma >> y;
        const UINT msg = op == "m"   ? WM_MOUSEMOVE
                         : op == "L" ? WM_LBUTTONDOWN
                         : op == "R" ? WM_RBUTTONDOWN
                         : op == "u" ? WM_LBUTTONUP
                         : op == "U" ? WM_RBUTTONUP
                                     : WM_LBUTTONDBLCLK;
        const WPARAM keys = msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK ? MK_LBUTTON
                            : msg == WM_RBUTTONDOWN                          ? MK_RBUTTON
                                                                             : 0;
        wnd.SendMessage(msg, keys, MAKELPARAM(x, y));
    }
}

// The worked slider of 200 by 30 pixels, type "time window", range 0..10:
// channel 10..190, 18 pixels per unit, thumbs 8 pixels outside the selection.
struct NotifyRow
{
    const char* label;
    int sMin, sMax;
    bool bNoMove;
    const char* script;
    int endMin, endMax;
    const char* posted; // c "changing", C "changed", in arrival order
};

const NotifyRow kNotifyRows[] = {
    {"max thumb +9 px", 2, 5, false, "m 98,20 L 98,20 m 107,20 u", 2, 6, "cC"},
    {"max thumb -9 px changes nothing, still one changed", 2, 5, false, "m 98,20 L 98,20 m 89,20 u", 2, 5,
     "C"},
    {"body to the right end", 2, 4, false,
     "m 60,20 L 60,20 m 78,20 m 96,20 m 114,20 m 132,20 m 150,20 m 168,20 m 186,20 u", 8, 10, "ccccccC"},
    {"right drag of the max thumb outward", 4, 6, false, "m 116,20 R 116,20 m 134,20 m 152,20 U", 2, 8,
     "ccC"},
    {"left click steps the min out", 3, 7, false, "L 20,20 u", 2, 7, "c"},
    {"double click", 2, 5, false, "D 60,20 u", 0, 10, ""},
    {"body with moving disabled", 2, 5, true, "m 60,20 L 60,20 m 96,20 u", 2, 5, ""},
};

TEST_F(CustomSliderTest, MouseChangesAndNotifications)
{
    for (const NotifyRow& row : kNotifyRows) {
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
        std::vector<MsgEntry> expected;
        for (const char* p = row.posted; *p; ++p)
            expected.push_back(MsgEntry{*p == 'c' ? nChanging : nChanged, posted | parent | wparam | lparam,
                                        reinterpret_cast<WPARAM>(slider.m_hWnd), 0, 0});
        expected.push_back(MsgEntry{0, 0, 0, 0, 0});
        EXPECT_SEQ(rec, expected.data(), row.label);
        EXPECT_EQ(row.endMin, slider.GetSelMin());
        EXPECT_EQ(row.endMax, slider.GetSelMax());
        rec.Unwatch(m_dlg.m_hWnd);
        slider.UnsubclassWindow();
    }
}

TEST_F(CustomSliderTest, MessageNamesCursorsAndClipping)
{
    CCustomSliderCtrl h, v, still;
    Attach(h, IDC_SLIDER_H, 200, 30);
    Attach(v, IDC_SLIDER_V, 30, 200);
    Attach(still, IDC_SLIDER_ROUND, 200, 30);
    still.Disable_Move();
    // Both names carry the slider's own handle, so two sliders get different numbers.
    for (CCustomSliderCtrl* p : {&h, &v}) {
        const long nHandle = static_cast<long>(reinterpret_cast<INT_PTR>(p->m_hWnd));
        CString str;
        str.Format("CCustomSlider Selection Changed  - %ld - {92610D9C-BCEC-47e7-8D9E-FA52A5FFDFB0}",
                   nHandle);
        EXPECT_EQ(::RegisterWindowMessageA(str), p->GetMsg_Changed());
        str.Format("CCustomSlider Selection Changing - %ld - {92610D9C-BCEC-47e7-8D9E-FA52A5FFDFB0}",
                   nHandle);
        EXPECT_EQ(::RegisterWindowMessageA(str), p->GetMsg_Changing());
    }
    EXPECT_NE(h.GetMsg_Changed(), v.GetMsg_Changed());

    for (CCustomSliderCtrl* p : {&h, &v, &still}) {
        p->SetControlType(csc_type_time_window);
        p->SetSel(2, 5);
    }
    const struct
    {
        CCustomSliderCtrl* pSlider;
        int x, y;
        LPCSTR idc;
    } rows[] = {
        {&h, 30, 20, IDC_ARROW},   {&h, 44, 20, IDC_SIZEWE},    {&h, 100, 3, IDC_SIZEWE},
        {&h, 60, 20, IDC_SIZEALL}, {&h, 150, 20, IDC_ARROW},    {&v, 20, 44, IDC_SIZENS},
        {&v, 20, 60, IDC_SIZEALL}, {&still, 60, 20, IDC_ARROW}, {&still, 98, 20, IDC_SIZEWE},
    };
    auto cursorAt = [](CWnd& wnd, int x, int y) {
        wnd.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
        ::SetCursor(NULL);
        wnd.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd.m_hWnd),
                        MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return ::GetCursor();
    };
    for (const auto& row : rows)
        EXPECT_EQ(::LoadCursorA(NULL, row.idc), cursorAt(*row.pSlider, row.x, row.y))
            << row.x << "," << row.y;

    // A drag confines the pointer to the slider until a button comes up.
    CRect rcScreen, rcClip;
    h.GetClientRect(&rcScreen);
    h.ClientToScreen(&rcScreen);
    Play(h, "m 98,20 L 98,20");
    ::GetClipCursor(&rcClip);
    EXPECT_TRUE(rcClip == rcScreen);
    Play(h, "U");
    ::GetClipCursor(&rcClip);
    EXPECT_FALSE(rcClip == rcScreen);

    // Hit-testing follows SetRange at once, though its repaint is still pending:
    // 2..5 of 0..20 puts the max thumb at 53..61, in the old body.
    h.SetRange(0, 20);
    EXPECT_EQ(::LoadCursorA(NULL, IDC_SIZEWE), cursorAt(h, 57, 20));
}

// What the slider painted, read back from its window.
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

const COLORREF kBack = RGB(0, 96, 160), kChannel = RGB(250, 240, 200), kSel = RGB(200, 0, 0),
               kThumb = RGB(0, 160, 0);

void Paint(CWnd& wnd)
{
    wnd.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

TEST_F(CustomSliderTest, PaintsChannelSelectionThumbsAndBand)
{
    CCustomSliderCtrl h;
    Attach(h, IDC_SLIDER_H, 200, 30);
    h.SetControlType(csc_type_time_window);
    h.SetSel(2, 5);
    h.SetBackgroundColor(kBack);
    h.SetChannelColor(kChannel);
    h.SetSelectionColor(kSel);
    h.SetThumbColor(kThumb);
    Paint(h);
    const COLORREF crFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    const struct
    {
        int x, y;
        COLORREF cr;
    } points[] = {
        {5, 20, kBack},    {195, 20, kBack},   {150, 20, kChannel},        {48, 16, kSel},
        {97, 26, kSel},    {98, 20, crFrame},  {44, 18, kThumb},           {40, 20, crFrame},
        {102, 18, kThumb}, {105, 20, crFrame}, {41, 20, RGB(51, 211, 51)}, // light shading of the min thumb
    };
    for (const auto& p : points)
        EXPECT_EQ(p.cr, PixelOf(h, p.x, p.y)) << p.x << "," << p.y;
    // The band: text in the selection colour on the background, above the channel only.
    EXPECT_GT(CountOf(h, kSel, CRect(10, 2, 190, 12)), 20);
    EXPECT_EQ(0, CountOf(h, kSel, CRect(100, 12, 200, 30)));

    // Disabled: system colours for channel and selection.
    h.EnableWindow(FALSE);
    Paint(h);
    EXPECT_EQ(::GetSysColor(COLOR_3DDKSHADOW), PixelOf(h, 150, 20));
    EXPECT_EQ(::GetSysColor(COLOR_3DLIGHT), PixelOf(h, 70, 20));
    h.UnsubclassWindow();
}

TEST_F(CustomSliderTest, PaintsRoundThumbsVerticalThumbsAndLabels)
{
    CCustomSliderCtrl round, v;
    Attach(round, IDC_SLIDER_ROUND, 200, 30);
    Attach(v, IDC_SLIDER_V, 30, 200);
    round.SetSel(2, 5);
    round.SetThumbColor(RGB(192, 192, 192));
    // Plain: channel (10, 2, 190, 28), min thumb x 40..48; inner frame (41, 3, 47, 27).
    const struct
    {
        int x, y;
        COLORREF cr;
    } points[] = {{41, 3, RGB(255, 255, 255)},
                  {46, 26, RGB(90, 90, 90)},
                  {43, 3, RGB(243, 243, 243)},
                  {46, 20, RGB(141, 141, 141)},
                  {44, 15, RGB(192, 192, 192)}};
    for (const auto& p : points)
        EXPECT_EQ(p.cr, PixelOf(round, p.x, p.y)) << p.x << "," << p.y;

    // Vertical, minimum on top: selection 15..27 by 48..98, thumbs outside it.
    v.SetControlType(csc_type_time_window);
    v.SetSelectionColor(kSel);
    v.SetThumbColor(kThumb);
    v.SetSel(2, 5);
    EXPECT_EQ(kSel, PixelOf(v, 20, 96));
    EXPECT_EQ(kThumb, PixelOf(v, 18, 44));
    // The band's text runs up the left edge, in the selection colour.
    EXPECT_GT(CountOf(v, kSel, CRect(2, 10, 12, 190)), 20);

    // Range labels: black digits inside both ends when they fit, none when they do not.
    round.SetControlType(csc_type_range_labels);
    round.SetRange(0, 99);
    round.SetSel(40, 60);
    Paint(round);
    EXPECT_GT(CountOf(round, RGB(0, 0, 0), CRect(11, 4, 40, 26)), 5);
    EXPECT_GT(CountOf(round, RGB(0, 0, 0), CRect(160, 4, 189, 26)), 5);
    round.SetRange(-1000000000, 1000000000);
    Paint(round);
    EXPECT_EQ(0, CountOf(round, RGB(0, 0, 0), CRect(11, 4, 40, 26)));
    round.UnsubclassWindow();
    v.UnsubclassWindow();
}

} // namespace
