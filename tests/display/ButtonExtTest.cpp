// ButtonExtTest.cpp: the extended button's looks in pixels, hot tracking
// through real mouse messages, tool tip, cursor and resource ownership.
#include <gtest/gtest.h>

#include "ButtonExt.h"
#include "ButtonExtTest_res.h"
#include "DisplaySupport.h"
#include "StaticsSupport.h"

#include <functional>
#include <vector>

namespace {

const UINT kButtonId = 1400;
const CRect kButtonRect(20, 20, 120, 60); // a 100 x 40 item
const COLORREF kInBg = RGB(220, 220, 0), kInFg = RGB(0, 0, 100);
const COLORREF kActBg = RGB(255, 200, 200), kActFg = RGB(128, 0, 0);
const COLORREF kIconActive = RGB(255, 0, 255), kIconInactive = RGB(0, 160, 160); // one-colour squares

// The parent: black and white vertical stripes four pixels wide (a mono
// pattern brush in the erase DC's default colours), and a count of the
// BN_CLICKED notifications it receives.
class CButtonHost : public CWnd
{
public:
    int m_nClicks = 0;

    CButtonHost()
    {
        const WORD bits[8] = {0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F, 0x0F}; // x 4..7 white
        CBitmap bmp;
        bmp.CreateBitmap(8, 8, 1, 1, bits);
        m_hbrPattern = ::CreatePatternBrush((HBITMAP)bmp.m_hObject);
        LPCTSTR pszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), m_hbrPattern);
        VERIFY(CreateEx(0, pszClass, "button test host", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240, NULL, NULL));
        SetActiveWindow();
    }
    ~CButtonHost() override
    {
        DestroyWindow();
        ::DeleteObject(m_hbrPattern);
    }
    static COLORREF Stripe(int x) { return (x % 8) < 4 ? RGB(0, 0, 0) : RGB(255, 255, 255); }

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        m_nClicks += HIWORD(wParam) == BN_CLICKED;
        return CWnd::OnCommand(wParam, lParam);
    }

private:
    HBRUSH m_hbrPattern;
};

// Opens the protected state to the tests.
class CTestButton : public CButtonExt
{
public:
    using CButtonExt::m_bHot;
    using CButtonExt::m_hCursor;
    using CButtonExt::m_hIconActive;
    using CButtonExt::m_hIconInactive;
    using CButtonExt::m_ToolTip;
};

struct ButtonFixture
{
    CButtonHost host;
    CTestButton button;
    CStaticsCanvas canvas;

    explicit ButtonFixture(const char* pszCaption = "Save", DWORD dwStyle = BS_PUSHBUTTON, bool bIcons = true)
        : canvas(100, 40)
    {
        HWND hItem = ::CreateWindowA("BUTTON", pszCaption, WS_CHILD | WS_VISIBLE | dwStyle, kButtonRect.left,
                                     kButtonRect.top, kButtonRect.Width(), kButtonRect.Height(), host.m_hWnd,
                                     (HMENU)(UINT_PTR)kButtonId, NULL, NULL);
        VERIFY(button.SubclassWindow(hItem));
        button.SetInactiveBgColor(kInBg, FALSE);
        button.SetInactiveFgColor(kInFg, FALSE);
        button.SetActiveBgColor(kActBg, FALSE);
        button.SetActiveFgColor(kActFg, FALSE);
        if (bIcons)
            button.SetIcon(IDI_BUTTON_ACTIVE, IDI_BUTTON_INACTIVE);
    }
    void Shoot()
    {
        PaintNow(host.m_hWnd);
        canvas.CopyFromWindow(button.m_hWnd);
    }
    void Move(int x, int y, UINT nFlags = 0)
    {
        ::SendMessageA(button.m_hWnd, WM_MOUSEMOVE, nFlags, MAKELPARAM(x, y));
    }
    // The bounding box of the pixels of colour cr; empty when there are none.
    CRect Find(COLORREF cr) const
    {
        CRect rc;
        for (int y = 0; y < canvas.Height(); y++)
            for (int x = 0; x < canvas.Width(); x++)
                if (canvas.Pixel(x, y) == cr)
                    rc.UnionRect(rc, CRect(x, y, x + 1, y + 1));
        return rc;
    }
};

struct Probe
{
    int x, y;
    COLORREF cr;
};

TEST(ButtonExt, LooksInPixels)
{
    const COLORREF kHi = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF kShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF kLight = ::GetSysColor(COLOR_3DLIGHT);
    const COLORREF kDark = ::GetSysColor(COLOR_3DDKSHADOW);
    struct Row
    {
        const char* label;
        const char* pszCaption;
        DWORD dwStyle;
        std::function<void(ButtonFixture&)> setup;
        COLORREF crIcon;    // colour of the icon drawn; CLR_INVALID = none of the two
        CRect rcIcon;       // where it lies
        COLORREF crText;    // colour of the caption
        CRect rcTextWithin; // where the caption's pixels must lie
        std::vector<Probe> probes;
    };
    // clang-format off
    const Row rows[] = {
        {"flat, inactive: no border, icon left at (3, 4)", "Save", BS_PUSHBUTTON, [](ButtonFixture&) {},
         kIconInactive, CRect(3, 4, 35, 36), kInFg, CRect(35, 0, 100, 40), {{0, 0, kInBg}, {99, 39, kInBg}}},
        {"flat, hot: active colours and icon, thin raised border", "Save", BS_PUSHBUTTON,
         [](ButtonFixture& f) { f.Move(50, 20); },
         kIconActive, CRect(3, 4, 35, 36), kActFg, CRect(35, 0, 100, 40),
         {{0, 0, kHi}, {50, 0, kHi}, {0, 38, kHi}, {0, 39, kShadow}, {99, 39, kShadow}, {99, 0, kShadow},
          {1, 1, kActBg}}},
        {"flat, pressed: one pixel right and down, sunken border", "Save", BS_PUSHBUTTON,
         [](ButtonFixture& f) { f.button.SetState(TRUE); },
         kIconActive, CRect(4, 5, 36, 37), kActFg, CRect(36, 1, 100, 40), {{0, 0, kShadow}, {99, 39, kHi}, {1, 1, kActBg}}},
        {"normal default button without focus: black frame, 3-D border", "Save", BS_DEFPUSHBUTTON,
         [](ButtonFixture& f) { f.button.SetFlat(FALSE); },
         kIconInactive, CRect(3, 4, 35, 36), kInFg, CRect(35, 0, 100, 40),
         {{0, 0, RGB(0, 0, 0)}, {99, 39, RGB(0, 0, 0)}, {1, 1, kHi}, {2, 2, kLight}, {1, 38, kDark}, {98, 38, kDark},
          {97, 37, kShadow}, {3, 3, kInBg}}},
        {"icon above the caption", "Save", BS_PUSHBUTTON, [](ButtonFixture& f) { f.button.SetAlign(1); },
         kIconInactive, CRect(34, 0, 66, 32), kInFg, CRect(0, 24, 100, 40), {}},
        {"no caption: icon centred", "", BS_PUSHBUTTON, [](ButtonFixture&) {},
         kIconInactive, CRect(34, 4, 66, 36), CLR_INVALID, CRect(), {}},
        {"disabled: embossed icon and caption", "Save", BS_PUSHBUTTON,
         [](ButtonFixture& f) { f.button.EnableWindow(FALSE); },
         CLR_INVALID, CRect(), CLR_INVALID, CRect(), {{3, 4, CLR_INVALID}}},
    };
    // clang-format on
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        ButtonFixture f(row.pszCaption, row.dwStyle);
        row.setup(f);
        f.Shoot();
        for (COLORREF cr : {kIconActive, kIconInactive})
            EXPECT_EQ(cr == row.crIcon ? row.rcIcon : CRect(), f.Find(cr));
        for (COLORREF cr : {kInFg, kActFg}) { // the caption's ink, all inside its place
            const CRect rc = f.Find(cr);
            CRect rcUnion;
            rcUnion.UnionRect(rc, row.rcTextWithin);
            EXPECT_EQ(cr == row.crText, !rc.IsRectEmpty());
            EXPECT_EQ(row.rcTextWithin, rcUnion) << "caption at " << rc.left << "," << rc.top;
        }
        for (const Probe& p : row.probes) { // CLR_INVALID: some ink, anything but the background
            const COLORREF cr = f.canvas.Pixel(p.x, p.y);
            EXPECT_TRUE(p.cr == CLR_INVALID ? cr != kInBg : cr == p.cr) << "at " << p.x << "," << p.y;
        }
    }
}

TEST(ButtonExt, TransparentShowsTheParentsPattern)
{
    // The first paint, after the parent's, takes the snapshot.
    ButtonFixture f("", BS_PUSHBUTTON, false);
    f.button.DrawTransparent();
    f.Shoot();
    f.button.SetIcon(IDI_BUTTON_ACTIVE, 0); // the centred icon covers x 34..65, y 4..35
    f.Shoot();
    // The parent's stripes continue through the button, outside the icon.
    for (int x = 0; x < 100; x += 3)
        EXPECT_EQ(CButtonHost::Stripe(kButtonRect.left + x), f.canvas.Pixel(x, 38)) << "x " << x;
    EXPECT_EQ(kIconActive, f.canvas.Pixel(50, 20));
    EXPECT_EQ(0, f.canvas.Count(kInBg));
    // The snapshot is kept: hot, the background is still the stripes.
    f.Move(10, 10);
    f.Shoot();
    EXPECT_EQ(CButtonHost::Stripe(kButtonRect.left + 5), f.canvas.Pixel(5, 20));
    EXPECT_EQ(0, f.canvas.Count(kActBg));
}

TEST(ButtonExt, HotTrackingFollowsTheMouseAndTheCapture)
{
    struct Step
    {
        const char* label;
        std::function<void(ButtonFixture&)> act;
        BOOL bHot;
        bool bCaptured;
        COLORREF crBack; // at (50, 2)
    };
    const Step steps[] = {
        {"move over: hot, captured", [](ButtonFixture& f) { f.Move(50, 20); }, TRUE, true, kActBg},
        {"move outside: cold, released", [](ButtonFixture& f) { f.Move(-30, -30); }, FALSE, false, kInBg},
        {"over again", [](ButtonFixture& f) { f.Move(50, 20); }, TRUE, true, kActBg},
        // (A real press is left out: Wine sends WM_CAPTURECHANGED when the
        // button's own SetCapture names the window that already holds it.)
        {"slide off with the left button held: cold, capture kept",
         [](ButtonFixture& f) { f.Move(-30, -30, MK_LBUTTON); }, FALSE, true, kInBg},
        {"a move without the button outside releases", [](ButtonFixture& f) { f.Move(-30, -30); }, FALSE,
         false, kInBg},
        {"hot, then the focus goes",
         [](ButtonFixture& f) {
             f.Move(50, 20);
             ::SendMessageA(f.button.m_hWnd, WM_KILLFOCUS, 0, 0);
         },
         FALSE, true, kInBg},
        {"another window takes the capture: released, hot until the next move",
         [](ButtonFixture& f) {
             ::ReleaseCapture();
             f.Move(50, 20);
             ::SetCapture(f.host.m_hWnd);
         },
         TRUE, false, kActBg},
        {"the next move over captures again", [](ButtonFixture& f) { f.Move(50, 20); }, TRUE, true, kActBg},
        {"and one outside ends it", [](ButtonFixture& f) { f.Move(-30, -30); }, FALSE, false, kInBg},
    };
    ButtonFixture f;
    ASSERT_NE(nullptr, ::GetActiveWindow());
    for (const Step& step : steps) {
        SCOPED_TRACE(step.label);
        step.act(f);
        EXPECT_EQ(step.bHot, f.button.m_bHot);
        EXPECT_EQ(step.bCaptured, ::GetCapture() == f.button.m_hWnd);
        f.Shoot();
        EXPECT_EQ(step.crBack, f.canvas.Pixel(50, 2));
    }
    ::ReleaseCapture();

    // A button that is not flat has no hot state.
    f.button.SetFlat(FALSE);
    f.Move(50, 20);
    EXPECT_FALSE(f.button.m_bHot);
    EXPECT_EQ(nullptr, ::GetCapture());
}

TEST(ButtonExt, IconsCursorClicksAndToolTip)
{
    ButtonFixture f;
    // Icons: one serves both looks; replaced ones are destroyed.
    const HICON hOldActive = f.button.m_hIconActive, hOldInactive = f.button.m_hIconInactive;
    f.button.SetIcon(IDI_BUTTON_ACTIVE, 0);
    EXPECT_EQ(f.button.m_hIconActive, f.button.m_hIconInactive);
    ICONINFO ii;
    EXPECT_FALSE(::GetIconInfo(hOldActive, &ii));
    EXPECT_FALSE(::GetIconInfo(hOldInactive, &ii));

    EXPECT_TRUE(f.button.SetBtnCursor(IDC_BUTTON_CURSOR));
    ASSERT_NE(nullptr, f.button.m_hCursor);
    EXPECT_EQ(f.button.m_hCursor, CursorOver(f.button.m_hWnd));
    EXPECT_FALSE(f.button.SetBtnCursor(9999));
    EXPECT_EQ(nullptr, f.button.m_hCursor);

    // A double click is two clicks.
    const int nClicks = f.host.m_nClicks;
    for (UINT msg : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP})
        ::SendMessageA(f.button.m_hWnd, msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(nClicks + 2, f.host.m_nClicks);

    // The tool tip: text from a string id, then updated in place.
    f.button.SetTooltipText(IDS_BUTTON_TIP);
    EXPECT_EQ("Saves the chart", ToolText(f.button.m_ToolTip.m_hWnd, f.button.m_hWnd));
    CString strOther("Saves it elsewhere");
    f.button.SetTooltipText(&strOther, FALSE);
    EXPECT_EQ("Saves it elsewhere", ToolText(f.button.m_ToolTip.m_hWnd, f.button.m_hWnd));
    EXPECT_EQ(1, f.button.m_ToolTip.GetToolCount()) << "one tool, updated";
}

TEST(ButtonExt, NoLeakOverManyButtons)
{
    CButtonHost host;
    CString strTip("Tip");
    const int nObjects = AfxLiteGdiObjectCount(), nDCs = AfxLiteDcCount();
    HICON hLast = NULL;
    for (int i = 0; i < 1000; i++) {
        CTestButton button;
        ASSERT_TRUE(
            button.Create("Save", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, kButtonRect, &host, kButtonId));
        button.SetIcon(IDI_BUTTON_ACTIVE, IDI_BUTTON_INACTIVE);
        button.SetBtnCursor(IDC_BUTTON_CURSOR);
        button.SetTooltipText(&strTip);
        if (i % 2)
            button.DrawTransparent();
        button.SetFlat(i % 3 != 0);
        ::SendMessageA(button.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        PaintNow(button.m_hWnd);
        ::ReleaseCapture();
        hLast = button.m_hIconActive;
        button.DestroyWindow();
    }
    EXPECT_EQ(nObjects, AfxLiteGdiObjectCount());
    EXPECT_EQ(nDCs, AfxLiteDcCount());
    ICONINFO ii;
    EXPECT_FALSE(::GetIconInfo(hLast, &ii)) << "the icons go with the button";
}

} // namespace
