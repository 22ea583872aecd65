// StaticsTest.cpp: fonts and colours of the label classes, the colour swatch
// and the big icon, checked through real messages and painted pixels.
#include <gtest/gtest.h>

#include "BigIcon.h"
#include "ColorRect.h"
#include "ColorStatic.h"
#include "FontStatic.h"
#include "StaticsSupport.h"

#include <functional>
#include <string>

namespace {

const UINT kLabelId = 1234;
const COLORREF kRed = RGB(200, 0, 0);
const COLORREF kBlue = RGB(0, 0, 180);
const COLORREF kPhaseA = RGB(10, 20, 30);
const COLORREF kPhaseB = RGB(40, 50, 60);
const COLORREF kPhaseC = RGB(70, 80, 90);
const COLORREF kPhaseD = RGB(100, 110, 120);
const CRect kLabelRect(10, 10, 130, 50);

// A period no test outlives, so only the WM_TIMER messages a test sends tick.
const UINT kNeverMs = 1000000;

void Tick(CWnd& wnd, UINT_PTR nID = 1)
{
    ::SendMessageA(wnd.m_hWnd, WM_TIMER, nID, 0);
}

LOGFONT WindowFont(HWND hWnd)
{
    LOGFONT lf = {};
    HFONT hFont = (HFONT)::SendMessageA(hWnd, WM_GETFONT, 0, 0);
    EXPECT_NE(nullptr, hFont);
    if (hFont != NULL) {
        EXPECT_EQ((int)sizeof(lf), ::GetObjectA(hFont, sizeof(lf), &lf));
    }
    return lf;
}

HFONT MakeFont(int nHeight, int nWeight, BYTE bItalic, const char* pszFace)
{
    LOGFONT lf = {};
    lf.lfHeight = nHeight;
    lf.lfWeight = nWeight;
    lf.lfItalic = bItalic;
    lstrcpynA(lf.lfFaceName, pszFace, LF_FACESIZE);
    return ::CreateFontIndirectA(&lf);
}

// ---------------------------------------------------------------------------
// CFontStatic

TEST(FontStatic, SubclassingCopiesTheWindowFontAndForcesHeight12)
{
    struct Row
    {
        const char* label;
        bool bWindowHasFont;
        long nExpectedWeight;
        BYTE nExpectedItalic;
        const char* pszExpectedFace;
    };
    // Without a window font, what the host set beforehand survives.
    const Row rows[] = {
        {"bold italic 20-unit window font", true, FW_BOLD, 1, "Courier New"},
        {"window without a font", false, FW_LIGHT, 0, "Arial"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CStaticsHost host;
        HWND hItem = ::CreateWindowA("STATIC", "Label", WS_CHILD | WS_VISIBLE, 10, 10, 120, 40, host.m_hWnd,
                                     (HMENU)(UINT_PTR)kLabelId, NULL, NULL);
        HFONT hDialogFont = MakeFont(-20, FW_BOLD, 1, "Courier New");
        if (row.bWindowHasFont)
            ::SendMessageA(hItem, WM_SETFONT, (WPARAM)hDialogFont, FALSE);

        CFontStatic label;
        label.Font_SetWeight(FW_LIGHT, false);
        label.Font_SetFaceName("Arial", false);
        label.Font_SetHeight(-30, false);
        ASSERT_TRUE(label.SubclassWindow(hItem));

        const LOGFONT* plf = label.Font_GetLogFont();
        EXPECT_EQ(-12, plf->lfHeight);
        EXPECT_EQ(row.nExpectedWeight, plf->lfWeight);
        EXPECT_EQ(row.nExpectedItalic, plf->lfItalic);
        EXPECT_STREQ(row.pszExpectedFace, plf->lfFaceName);

        // The window now shows a font of the label's own, built from that description.
        EXPECT_NE((HFONT)::SendMessageA(hItem, WM_GETFONT, 0, 0), hDialogFont);
        LOGFONT shown = WindowFont(hItem);
        EXPECT_EQ(-12, shown.lfHeight);
        EXPECT_EQ(row.nExpectedWeight, shown.lfWeight);
        EXPECT_STREQ(row.pszExpectedFace, shown.lfFaceName);

        label.DestroyWindow();
        ::DeleteObject(hDialogFont);
    }
}

TEST(FontStatic, SettersStoreOneFieldAndRebuildOnlyWhenAsked)
{
    struct Row
    {
        const char* label;
        std::function<void(CFontStatic&, bool)> set;
        std::function<long(const LOGFONT&)> field;
        long nExpected;
    };
    // The byte fields take a bool, so "true" arrives as 1.
    const Row rows[] = {
        {"height", [](CFontStatic& s, bool r) { s.Font_SetHeight(-20, r); },
         [](const LOGFONT& lf) { return lf.lfHeight; }, -20},
        {"weight", [](CFontStatic& s, bool r) { s.Font_SetWeight(FW_BOLD, r); },
         [](const LOGFONT& lf) { return lf.lfWeight; }, FW_BOLD},
        {"italic", [](CFontStatic& s, bool r) { s.Font_SetItalic(true, r); },
         [](const LOGFONT& lf) { return (long)lf.lfItalic; }, 1},
        {"char set", [](CFontStatic& s, bool r) { s.Font_SetCharSet(true, r); },
         [](const LOGFONT& lf) { return (long)lf.lfCharSet; }, 1},
        {"pitch and family", [](CFontStatic& s, bool r) { s.Font_SetPitchAndFamily(true, r); },
         [](const LOGFONT& lf) { return (long)lf.lfPitchAndFamily; }, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CStaticsHost host;
        CFontStatic label;
        ASSERT_TRUE(label.Create("Label", WS_CHILD | WS_VISIBLE, kLabelRect, &host, kLabelId));
        const long nBefore = row.field(WindowFont(label.m_hWnd));
        ASSERT_NE(row.nExpected, nBefore);

        row.set(label, false);
        EXPECT_EQ(row.nExpected, row.field(*label.Font_GetLogFont()));
        EXPECT_EQ(nBefore, row.field(WindowFont(label.m_hWnd))) << "redraw false must not rebuild";

        row.set(label, true);
        EXPECT_EQ(row.nExpected, row.field(WindowFont(label.m_hWnd)));
    }
}

TEST(FontStatic, FaceNamesAndWholeDescriptions)
{
    CStaticsHost host;
    CFontStatic label;
    ASSERT_TRUE(label.Create("Label", WS_CHILD | WS_VISIBLE, kLabelRect, &host, kLabelId));
    EXPECT_EQ(-12, WindowFont(label.m_hWnd).lfHeight) << "the create path gets the 12-unit font too";

    label.Font_SetFaceName("Times New Roman", true);
    EXPECT_STREQ("Times New Roman", WindowFont(label.m_hWnd).lfFaceName);

    // 40 characters: the stored name keeps the first 31 and its terminator.
    label.Font_SetFaceName("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn", false);
    EXPECT_STREQ("ABCDEFGHIJKLMNOPQRSTUVWXYZabcde", label.Font_GetLogFont()->lfFaceName);

    LOGFONT lf = {};
    lf.lfHeight = -16;
    lf.lfWeight = FW_SEMIBOLD;
    lf.lfCharSet = SYMBOL_CHARSET;
    lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
    label.Font_SetLogFont(&lf, true);
    LOGFONT shown = WindowFont(label.m_hWnd);
    EXPECT_EQ(-16, shown.lfHeight);
    EXPECT_EQ(FW_SEMIBOLD, shown.lfWeight);
    EXPECT_EQ(SYMBOL_CHARSET, shown.lfCharSet);
    EXPECT_STREQ("Arial", shown.lfFaceName);

    // The getter hands out the description itself: edits show after ReBuildFont.
    LOGFONT* plf = label.Font_GetLogFont();
    EXPECT_EQ(plf, label.Font_GetLogFont());
    plf->lfWeight = FW_HEAVY;
    EXPECT_EQ(FW_SEMIBOLD, WindowFont(label.m_hWnd).lfWeight);
    label.ReBuildFont();
    EXPECT_EQ(FW_HEAVY, WindowFont(label.m_hWnd).lfWeight);
}

TEST(FontStatic, SettersWithoutAWindowOnlyStore)
{
    CFontStatic label;
    label.Font_SetHeight(-20, true);
    label.Font_SetWeight(FW_BOLD, true);
    EXPECT_EQ(-20, label.Font_GetLogFont()->lfHeight);
    EXPECT_EQ(FW_BOLD, label.Font_GetLogFont()->lfWeight);
}

TEST(FontStatic, TwentyUnitTextIsTallerThanTwelveUnitText)
{
    CStaticsHost host;
    CColorStatic label;
    ASSERT_TRUE(label.Create("HHHH", WS_CHILD | WS_VISIBLE, kLabelRect, &host, kLabelId));
    label.SetTextColor(RGB(0, 0, 0));
    label.SetBkColor(RGB(255, 255, 255));
    CStaticsCanvas canvas(kLabelRect.Width(), kLabelRect.Height());

    PaintNow(host.m_hWnd);
    canvas.CopyFromWindow(label.m_hWnd);
    const int nRows12 = canvas.InkRows(RGB(255, 255, 255));

    label.Font_SetHeight(-20, true);
    PaintNow(host.m_hWnd);
    canvas.CopyFromWindow(label.m_hWnd);
    const int nRows20 = canvas.InkRows(RGB(255, 255, 255));

    // Capitals fill most of the character height but never more.
    EXPECT_GT(nRows12, 4);
    EXPECT_LE(nRows12, 12);
    EXPECT_GT(nRows20, nRows12);
    EXPECT_LE(nRows20, 20);
}

// ---------------------------------------------------------------------------
// CColorStatic colours

TEST(ColorStatic, ColourRequestsReflectedFromTheParent)
{
    const COLORREF crBtnText = ::GetSysColor(COLOR_BTNTEXT);
    const COLORREF crBtnFace = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF kUntouched = CLR_NONE; // marks "the DC's sentinel stays"
    const COLORREF kHollow = CLR_DEFAULT; // marks "the stock hollow brush"
    struct Row
    {
        const char* label;
        std::function<void(CColorStatic&)> act;
        COLORREF crText;
        COLORREF crBk; // kUntouched: SetBkColor not called
        int nBkMode;
        COLORREF crBrush; // colour of the solid brush returned, or kHollow
    };
    const Row rows[] = {
        {"construction colours", [](CColorStatic&) {}, crBtnText, crBtnFace, OPAQUE, crBtnFace},
        {"steady colours",
         [](CColorStatic& s) {
             s.SetTextColor(kRed);
             s.SetBkColor(kBlue);
         },
         kRed, kBlue, OPAQUE, kBlue},
        {"0xFFFFFFFF stands for the system colours",
         [](CColorStatic& s) {
             s.SetTextColor(kRed);
             s.SetBkColor(kBlue);
             s.SetTextColor(0xFFFFFFFF);
             s.SetBkColor(0xFFFFFFFF);
         },
         crBtnText, crBtnFace, OPAQUE, crBtnFace},
        {"transparent",
         [](CColorStatic& s) {
             s.SetTextColor(kRed);
             s.SetBkColor(kBlue);
             s.SetTransparent(true);
         },
         kRed, kUntouched, TRANSPARENT, kHollow},
        {"text blink, phase 0",
         [](CColorStatic& s) {
             s.SetBlinkTextColors(kPhaseA, kPhaseB);
             s.StartTextBlink(1, kNeverMs);
         },
         kPhaseA, crBtnFace, OPAQUE, crBtnFace},
        {"text blink, one tick",
         [](CColorStatic& s) {
             s.SetBlinkTextColors(kPhaseA, kPhaseB);
             s.StartTextBlink(1, kNeverMs);
             Tick(s);
         },
         kPhaseB, crBtnFace, OPAQUE, crBtnFace},
        {"text blink, two ticks",
         [](CColorStatic& s) {
             s.SetBlinkTextColors(kPhaseA, kPhaseB);
             s.StartTextBlink(1, kNeverMs);
             Tick(s);
             Tick(s);
         },
         kPhaseA, crBtnFace, OPAQUE, crBtnFace},
        {"a foreign timer id does not tick",
         [](CColorStatic& s) {
             s.SetBlinkTextColors(kPhaseA, kPhaseB);
             s.StartTextBlink(1, kNeverMs);
             Tick(s, 2);
         },
         kPhaseA, crBtnFace, OPAQUE, crBtnFace},
        {"phase colours default to the colours at construction",
         [](CColorStatic& s) {
             s.SetTextColor(kRed);
             s.SetBkColor(kBlue);
             s.StartTextBlink(1, kNeverMs);
             s.StartBkBlink(1, kNeverMs);
             Tick(s);
         },
         crBtnText, crBtnFace, OPAQUE, crBtnFace},
        {"background blink wins over transparency",
         [](CColorStatic& s) {
             s.SetTransparent(true);
             s.SetBlinkBkColors(kPhaseC, kPhaseD);
             s.StartBkBlink(1, kNeverMs);
             Tick(s);
         },
         ::GetSysColor(COLOR_BTNTEXT), kPhaseD, OPAQUE, kPhaseD},
        {"second start makes both kinds tick together",
         [](CColorStatic& s) {
             s.SetBlinkTextColors(kPhaseA, kPhaseB);
             s.SetBlinkBkColors(kPhaseC, kPhaseD);
             s.StartTextBlink(1, kNeverMs);
             s.StartBkBlink(1, kNeverMs);
             Tick(s);
         },
         kPhaseB, kPhaseD, OPAQUE, kPhaseD},
        {"a start resets only its own phase",
         [](CColorStatic& s) {
             s.SetBlinkTextColors(kPhaseA, kPhaseB);
             s.SetBlinkBkColors(kPhaseC, kPhaseD);
             s.StartTextBlink(1, kNeverMs);
             Tick(s);
             s.StartBkBlink(1, kNeverMs);
         },
         kPhaseB, kPhaseC, OPAQUE, kPhaseC},
        {"stopped text blink shows the steady colour",
         [](CColorStatic& s) {
             s.SetTextColor(kRed);
             s.SetBlinkTextColors(kPhaseA, kPhaseB);
             s.StartTextBlink(1, kNeverMs);
             Tick(s);
             s.StartTextBlink(0, 0);
         },
         kRed, crBtnFace, OPAQUE, crBtnFace},
        {"stopping text freezes the background in its phase",
         [](CColorStatic& s) {
             s.SetBlinkBkColors(kPhaseC, kPhaseD);
             s.StartBkBlink(1, kNeverMs);
             s.StartTextBlink(1, kNeverMs);
             Tick(s);
             s.StartTextBlink(0, 0);
             Tick(s);
             Tick(s);
             Tick(s);
         },
         crBtnText, kPhaseD, OPAQUE, kPhaseD},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CStaticsHost host;
        CColorStatic label;
        ASSERT_TRUE(label.Create("Label", WS_CHILD | WS_VISIBLE, kLabelRect, &host, kLabelId));
        row.act(label);
        CtlColorResult r = AskColors(host.m_hWnd, label.m_hWnd);
        EXPECT_EQ(row.crText, r.crText);
        EXPECT_EQ(row.crBk == kUntouched ? kSentinelBk : row.crBk, r.crBk);
        EXPECT_EQ(row.nBkMode, r.nBkMode);
        if (row.crBrush == kHollow) {
            EXPECT_EQ((HBRUSH)::GetStockObject(NULL_BRUSH), r.hBrush);
        } else {
            EXPECT_EQ(row.crBrush, SolidBrushColor(r.hBrush));
        }
    }
}

TEST(ColorStatic, SettersRepaintOnlyOnChange)
{
    struct Row
    {
        const char* label;
        std::function<void(CColorStatic&)> prepare;
        std::function<void(CColorStatic&)> act;
        bool bRepaints;
    };
    auto none = [](CColorStatic&) {};
    const Row rows[] = {
        {"new text colour", none, [](CColorStatic& s) { s.SetTextColor(kRed); }, true},
        {"text colour already held", [](CColorStatic& s) { s.SetTextColor(kRed); },
         [](CColorStatic& s) { s.SetTextColor(kRed); }, false},
        // 0xFFFFFFFF differs from any stored colour, so it always repaints.
        {"0xFFFFFFFF while the system colour is held", none,
         [](CColorStatic& s) { s.SetTextColor(0xFFFFFFFF); }, true},
        {"new background colour", none, [](CColorStatic& s) { s.SetBkColor(kBlue); }, true},
        {"background colour already held", [](CColorStatic& s) { s.SetBkColor(kBlue); },
         [](CColorStatic& s) { s.SetBkColor(kBlue); }, false},
        {"transparency switched on", none, [](CColorStatic& s) { s.SetTransparent(true); }, true},
        {"transparency unchanged", none, [](CColorStatic& s) { s.SetTransparent(false); }, false},
        {"blink text colours", none, [](CColorStatic& s) { s.SetBlinkTextColors(kPhaseA, kPhaseB); }, false},
        {"blink background colours", none, [](CColorStatic& s) { s.SetBlinkBkColors(kPhaseC, kPhaseD); },
         true},
        {"font field without redraw", none, [](CColorStatic& s) { s.Font_SetHeight(-20, false); }, false},
        {"font field with redraw", none, [](CColorStatic& s) { s.Font_SetHeight(-20, true); }, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CStaticsHost host;
        CColorStatic label;
        ASSERT_TRUE(label.Create("Label", WS_CHILD | WS_VISIBLE, kLabelRect, &host, kLabelId));
        row.prepare(label);
        ::ValidateRect(label.m_hWnd, NULL);
        row.act(label);
        EXPECT_EQ(row.bRepaints, ::GetUpdateRect(label.m_hWnd, NULL, FALSE) != FALSE);
    }
}

TEST(ColorStatic, PaintedColours)
{
    const COLORREF kHostGreen = RGB(0, 128, 0);
    struct Row
    {
        const char* label;
        std::function<void(CColorStatic&)> act;
        COLORREF crCorner; // the bottom-right pixel, clear of the text
    };
    const Row rows[] = {
        {"text and background colour",
         [](CColorStatic& s) {
             s.SetTextColor(kRed);
             s.SetBkColor(kBlue);
         },
         kBlue},
        {"transparent: the parent's background shows",
         [](CColorStatic& s) {
             s.SetTextColor(kRed);
             s.SetBkColor(kBlue);
             s.SetTransparent(true);
         },
         kHostGreen},
        {"blinking background in phase 1",
         [](CColorStatic& s) {
             s.SetTextColor(kRed);
             s.SetBlinkBkColors(kPhaseC, kPhaseD);
             s.StartBkBlink(1, kNeverMs);
             Tick(s);
         },
         kPhaseD},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CStaticsHost host(kHostGreen);
        CColorStatic label;
        ASSERT_TRUE(label.Create("WWWW", WS_CHILD | WS_VISIBLE, kLabelRect, &host, kLabelId));
        row.act(label);
        PaintNow(host.m_hWnd);
        CStaticsCanvas canvas(kLabelRect.Width(), kLabelRect.Height());
        canvas.CopyFromWindow(label.m_hWnd);
        EXPECT_EQ(row.crCorner, canvas.Pixel(canvas.Width() - 1, canvas.Height() - 1));
        EXPECT_GT(canvas.Count(kRed), 0) << "no pixel in the text colour";
    }
}

// ---------------------------------------------------------------------------
// CColorRect

// Sets one system colour for the life of the object.
class CSysColorScope
{
public:
    CSysColorScope(int nIndex, COLORREF cr) : m_nIndex(nIndex), m_crOld(::GetSysColor(nIndex))
    {
        ::SetSysColors(1, &m_nIndex, &cr);
    }
    ~CSysColorScope() { ::SetSysColors(1, &m_nIndex, &m_crOld); }

private:
    int m_nIndex;
    COLORREF m_crOld;
};

TEST(ColorRect, FillsWithItsColourInsideADottedFrame)
{
    const COLORREF kPen = RGB(255, 0, 255);
    const COLORREF kFill = RGB(10, 120, 200);
    CSysColorScope highlight(COLOR_BTNHIGHLIGHT, kPen);
    CStaticsHost host;
    CColorRect swatch;
    ASSERT_TRUE(swatch.Create(CRect(10, 10, 70, 50), &host, 77));
    EXPECT_EQ(0x50000000u, (DWORD)::GetWindowLongA(swatch.m_hWnd, GWL_STYLE));
    PaintNow(host.m_hWnd);
    CStaticsCanvas canvas(60, 40);
    canvas.CopyFromWindow(swatch.m_hWnd);
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(30, 20)) << "black before the first SetColor";

    // SetColor paints at once: no further paint is forced before reading.
    swatch.SetColor(kFill);
    EXPECT_EQ(kFill, swatch.GetColor());
    canvas.CopyFromWindow(swatch.m_hWnd);

    const CRect inside(1, 1, 59, 39);
    EXPECT_EQ(inside.Width() * inside.Height(), canvas.Count(kFill, &inside));
    // The frame alternates pen dots with the DC's default (white, opaque) gaps.
    const RECT edges[] = {{0, 0, 60, 1}, {0, 39, 60, 40}, {0, 0, 1, 40}, {59, 0, 60, 40}};
    for (const RECT& edge : edges) {
        const int nPixels = (edge.right - edge.left) * (edge.bottom - edge.top);
        const int nDots = canvas.Count(kPen, &edge);
        const int nGaps = canvas.Count(RGB(255, 255, 255), &edge);
        EXPECT_GT(nDots, 0);
        EXPECT_GT(nGaps, 0);
        EXPECT_EQ(nPixels, nDots + nGaps);
    }
}

// ---------------------------------------------------------------------------
// CBigIcon

const COLORREF kIconRed = RGB(220, 20, 20);
const COLORREF kFace = RGB(0, 128, 128);
const COLORREF kBlack = RGB(0, 0, 0);

enum IconKind
{
    kNoIcon,
    kOpaqueIcon,   // 32 x 32 red
    kLeftHalfIcon, // red left half, transparent right half
};

// A 32 x 32 icon built from its two bitmaps (AND mask, then colour XORed in).
HICON MakeIcon(IconKind kind)
{
    if (kind == kNoIcon)
        return NULL;
    BYTE mask[32 * 4];
    for (int y = 0; y < 32; y++) {
        mask[y * 4 + 0] = mask[y * 4 + 1] = 0x00;
        mask[y * 4 + 2] = mask[y * 4 + 3] = kind == kLeftHalfIcon ? 0xFF : 0x00;
    }
    HBITMAP hMask = ::CreateBitmap(32, 32, 1, 1, mask);
    HDC hScreen = ::GetDC(NULL);
    HBITMAP hColor = ::CreateCompatibleBitmap(hScreen, 32, 32);
    HDC hMem = ::CreateCompatibleDC(hScreen);
    HGDIOBJ hOld = ::SelectObject(hMem, hColor);
    RECT all = {0, 0, 32, 32};
    ::FillRect(hMem, &all, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    HBRUSH hRed = ::CreateSolidBrush(kIconRed);
    RECT red = {0, 0, kind == kLeftHalfIcon ? 16 : 32, 32};
    ::FillRect(hMem, &red, hRed);
    ::DeleteObject(hRed);
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    ::ReleaseDC(NULL, hScreen);
    ICONINFO ii = {TRUE, 0, 0, hMask, hColor};
    HICON hIcon = ::CreateIconIndirect(&ii);
    ::DeleteObject(hMask);
    ::DeleteObject(hColor);
    return hIcon;
}

// Draws the button into a canvas prefilled with kFace, the way its parent
// asks for it: WM_DRAWITEM to the parent, reflected to the control.
void DrawThroughParent(CStaticsHost& host, CBigIcon& icon, CStaticsCanvas& canvas)
{
    canvas.Fill(kFace);
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = (UINT)::GetDlgCtrlID(icon.m_hWnd);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.hwndItem = icon.m_hWnd;
    dis.hDC = canvas.Dc();
    ::GetClientRect(icon.m_hWnd, &dis.rcItem);
    ::SendMessageA(host.m_hWnd, WM_DRAWITEM, dis.CtlID, (LPARAM)&dis);
}

TEST(BigIcon, PlacementStretchingAndFrames)
{
    ASSERT_EQ(32, ::GetSystemMetrics(SM_CXICON)) << "the rows below assume 32 x 32 system icons";
    ASSERT_EQ(32, ::GetSystemMetrics(SM_CYICON));
    struct Probe
    {
        int x, y;
        COLORREF cr;
    };
    struct Row
    {
        const char* label;
        int cx, cy;
        IconKind kind;
        int nStretch;
        int nFrame;
        std::vector<Probe> probes;
    };
    const Row rows[] = {
        {"centred in 100 x 60: (34, 14)",
         100,
         60,
         kOpaqueIcon,
         0,
         0,
         {{34, 14, kIconRed},
          {65, 45, kIconRed},
          {33, 14, kFace},
          {34, 13, kFace},
          {66, 45, kFace},
          {65, 46, kFace}}},
        {"odd sizes round down: 101 x 61 also at (34, 14)",
         101,
         61,
         kOpaqueIcon,
         0,
         0,
         {{34, 14, kIconRed}, {65, 45, kIconRed}, {33, 30, kFace}, {66, 30, kFace}, {34, 13, kFace}}},
        // (21 - 32) / 2 = -5 when truncated toward zero (flooring would give -6):
        // the red half then covers columns 0 to 10.
        {"negative offsets truncate toward zero",
         21,
         11,
         kLeftHalfIcon,
         0,
         0,
         {{10, 5, kIconRed}, {11, 5, kFace}}},
        {"no icon: nothing, not even the frame", 100, 60, kNoIcon, 0, 2, {{0, 0, kFace}, {50, 30, kFace}}},
        {"black one-pixel frame",
         100,
         60,
         kOpaqueIcon,
         0,
         2,
         {{0, 0, kBlack},
          {99, 0, kBlack},
          {0, 59, kBlack},
          {99, 59, kBlack},
          {1, 1, kFace},
          {50, 30, kIconRed}}},
        {"stretched over the whole client area",
         100,
         60,
         kOpaqueIcon,
         1,
         0,
         {{0, 0, kIconRed}, {99, 59, kIconRed}, {50, 30, kIconRed}}},
        {"stretched: the clear half keeps the picture",
         100,
         60,
         kLeftHalfIcon,
         1,
         0,
         {{5, 30, kIconRed}, {44, 30, kIconRed}, {56, 30, kFace}, {95, 30, kFace}}},
        {"stretched: the frame goes through the same scaling",
         100,
         60,
         kLeftHalfIcon,
         1,
         2,
         {{99, 30, kBlack}, {75, 0, kBlack}, {75, 59, kBlack}, {75, 30, kFace}, {0, 30, kIconRed}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CStaticsHost host;
        CBigIcon icon;
        ASSERT_TRUE(icon.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                                CRect(10, 10, 10 + row.cx, 10 + row.cy), &host, 55));
        HICON hIcon = MakeIcon(row.kind);
        icon.SetIcon(hIcon, row.nStretch, row.nFrame);
        EXPECT_EQ(hIcon, icon.GetIcon());
        CStaticsCanvas canvas(row.cx, row.cy);
        DrawThroughParent(host, icon, canvas);
        for (const Probe& p : row.probes)
            EXPECT_EQ(p.cr, canvas.Pixel(p.x, p.y)) << "at (" << p.x << ", " << p.y << ")";
        icon.DestroyWindow();
        if (hIcon != NULL)
            ::DestroyIcon(hIcon);
    }
}

TEST(BigIcon, FlatFrameIsTheFlatButtonFace)
{
    CStaticsHost host;
    CBigIcon icon;
    ASSERT_TRUE(icon.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 110, 70), &host, 55));
    HICON hIcon = MakeIcon(kOpaqueIcon);
    icon.SetIcon(hIcon, 0, 1);
    CStaticsCanvas canvas(100, 60);
    DrawThroughParent(host, icon, canvas);

    // Expected: the flat button face over the client area, the icon centred on it.
    CStaticsCanvas expected(100, 60);
    expected.Fill(kFace);
    RECT rc = {0, 0, 100, 60};
    ::DrawFrameControl(expected.Dc(), &rc, DFC_BUTTON, DFCS_FLAT);
    ::DrawIcon(expected.Dc(), 34, 14, hIcon);
    int nDiffer = 0;
    for (int y = 0; y < 60; y++)
        for (int x = 0; x < 100; x++)
            nDiffer += canvas.Pixel(x, y) != expected.Pixel(x, y);
    EXPECT_EQ(0, nDiffer);
    EXPECT_LT(canvas.Count(kFace), 100 * 60 - 32 * 32) << "the frame drew nothing";
    icon.DestroyWindow();
    ::DestroyIcon(hIcon);
}

TEST(BigIcon, PaintsThroughTheRealOwnerDrawPath)
{
    CStaticsHost host;
    CBigIcon icon;
    ASSERT_TRUE(icon.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 110, 70), &host, 55));
    HICON hIcon = MakeIcon(kOpaqueIcon);
    PaintNow(host.m_hWnd);
    icon.SetIcon(hIcon, 0, 0); // paints at once
    CStaticsCanvas canvas(100, 60);
    canvas.CopyFromWindow(icon.m_hWnd);
    EXPECT_EQ(kIconRed, canvas.Pixel(34, 14));
    EXPECT_EQ(kIconRed, canvas.Pixel(65, 45));
    EXPECT_NE(kIconRed, canvas.Pixel(33, 14));
    EXPECT_NE(kIconRed, canvas.Pixel(66, 45));
    icon.DestroyWindow();
    ::DestroyIcon(hIcon);
}

TEST(BigIcon, StartsEmptyAndSizesToTwiceTheSystemIcon)
{
    CStaticsHost host;
    CBigIcon icon;
    EXPECT_EQ(nullptr, icon.GetIcon());
    ASSERT_TRUE(icon.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(15, 25, 115, 85), &host, 55));
    icon.SizeToContent();
    CRect rc;
    ::GetWindowRect(icon.m_hWnd, &rc);
    host.ScreenToClient(&rc);
    EXPECT_EQ(CRect(15, 25, 15 + 2 * ::GetSystemMetrics(SM_CXICON), 25 + 2 * ::GetSystemMetrics(SM_CYICON)),
              rc);
}

// ---------------------------------------------------------------------------
// Run-time classes (the records themselves are checked with the library frame)

TEST(Statics, ObjectsReportTheirRunTimeClass)
{
    CColorStatic colour;
    CFontStatic font;
    EXPECT_EQ(RUNTIME_CLASS(CColorStatic), colour.GetRuntimeClass());
    EXPECT_EQ(RUNTIME_CLASS(CFontStatic), font.GetRuntimeClass());
    EXPECT_TRUE(colour.IsKindOf(RUNTIME_CLASS(CFontStatic)));
    EXPECT_TRUE(colour.IsKindOf(RUNTIME_CLASS(CStatic)));
    EXPECT_FALSE(font.IsKindOf(RUNTIME_CLASS(CColorStatic)));
}

} // namespace
