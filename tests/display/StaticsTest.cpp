// StaticsTest.cpp: labels (fonts, colours, blinking), colour swatch and big icon, by messages and pixels.
#include <gtest/gtest.h>

#include "BigIcon.h"
#include "ColorRect.h"
#include "ColorStatic.h"
#include "FontStatic.h"
#include "MsgRecorder.h"
#include "StaticsSupport.h"

#include <stddef.h>
#include <stdio.h>
#include <string.h>
#include <vector>

namespace {

const UINT kId = 1234;
const UINT kNotifyMsg = WM_USER + 5;
const CRect kLabelRect(10, 10, 130, 50);
const UINT kNeverMs = 1000000; // no real tick arrives during a test: the tests send WM_TIMER
const COLORREF kRed = RGB(200, 0, 0), kBlue = RGB(0, 0, 180);
const COLORREF kA = RGB(10, 20, 30), kB = RGB(40, 50, 60), kC = RGB(70, 80, 90), kD = RGB(100, 110, 120);

LOGFONT WindowFont(HWND hWnd)
{
    LOGFONT lf = {};
    ::GetObjectA((HFONT)::SendMessageA(hWnd, WM_GETFONT, 0, 0), sizeof(lf), &lf);
    return lf;
}

// The SetTimer and KillTimer calls quillon.dll made while a CTimerSpy lived: the period of a SetTimer, -1
// for a KillTimer, both of timer 1 (-2 for any other timer).
std::vector<int> g_timerCalls;

UINT_PTR WINAPI SpySet(HWND hWnd, UINT_PTR nID, UINT nElapse, TIMERPROC pfn)
{
    g_timerCalls.push_back(nID == 1 ? (int)nElapse : -2);
    return ::SetTimer(hWnd, nID, nElapse, pfn);
}

BOOL WINAPI SpyKill(HWND hWnd, UINT_PTR nID)
{
    g_timerCalls.push_back(nID == 1 ? -1 : -2);
    return ::KillTimer(hWnd, nID);
}

// Redirects quillon.dll's import-table entries of the two calls to the spies; the real calls still happen.
class CTimerSpy
{
public:
    CTimerSpy()
    {
        g_timerCalls.clear();
        BYTE* pBase = reinterpret_cast<BYTE*>(::GetModuleHandleA("quillon.dll"));
        auto* pNt = reinterpret_cast<IMAGE_NT_HEADERS*>(pBase + ((IMAGE_DOS_HEADER*)pBase)->e_lfanew);
        DWORD rva = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        for (auto* pDesc = (IMAGE_IMPORT_DESCRIPTOR*)(pBase + rva); pDesc->Name != 0; pDesc++)
            for (auto* p = (IMAGE_THUNK_DATA*)(pBase + pDesc->FirstThunk); p->u1.Function; p++) {
                void** ppEntry = reinterpret_cast<void**>(&p->u1.Function);
                void* pNew = *ppEntry == (void*)&::SetTimer    ? (void*)&SpySet
                             : *ppEntry == (void*)&::KillTimer ? (void*)&SpyKill
                                                               : nullptr;
                if (pNew != nullptr)
                    m_patches.emplace_back(ppEntry, Swap(ppEntry, pNew));
            }
        EXPECT_EQ(2u, m_patches.size()) << "could not watch the library's timer calls";
    }
    ~CTimerSpy()
    {
        for (auto& p : m_patches)
            Swap(p.first, p.second);
    }

private:
    std::vector<std::pair<void**, void*>> m_patches;

    static void* Swap(void** ppEntry, void* p)
    {
        DWORD dwOld;
        ::VirtualProtect(ppEntry, sizeof(void*), PAGE_READWRITE, &dwOld);
        std::swap(*ppEntry, p);
        ::VirtualProtect(ppEntry, sizeof(void*), dwOld, &dwOld);
        return p;
    }
};

TEST(FontStatic, SubclassingCopiesTheWindowFontAndForcesHeight12)
{
    // Without a window font, what the host set beforehand survives.
    for (bool bWindowFont : {true, false}) {
        SCOPED_TRACE(bWindowFont ? "window font" : "no window font");
        CStaticsHost host;
        HWND hItem = ::CreateWindowA("STATIC", "Label", WS_CHILD | WS_VISIBLE, 10, 10, 120, 40, host.m_hWnd,
                                     (HMENU)(UINT_PTR)kId, NULL, NULL);
        HFONT hDialogFont = ::CreateFontA(-20, 0, 0, 0, FW_BOLD, 1, 0, 0, 0, 0, 0, 0, 0, "Courier New");
        if (bWindowFont)
            ::SendMessageA(hItem, WM_SETFONT, (WPARAM)hDialogFont, FALSE);
        CFontStatic label;
        label.Font_SetWeight(FW_LIGHT, false), label.Font_SetFaceName("Arial", false),
            label.Font_SetHeight(-30, false);
        ASSERT_TRUE(label.SubclassWindow(hItem));
        EXPECT_NE((HFONT)::SendMessageA(hItem, WM_GETFONT, 0, 0), hDialogFont);
        for (const LOGFONT& lf : {*label.Font_GetLogFont(), WindowFont(hItem)}) {
            EXPECT_EQ(-12, lf.lfHeight);
            EXPECT_EQ(bWindowFont ? FW_BOLD : FW_LIGHT, lf.lfWeight);
            EXPECT_EQ(bWindowFont ? 1 : 0, lf.lfItalic);
            EXPECT_STREQ(bWindowFont ? "Courier New" : "Arial", lf.lfFaceName);
        }
        ::DeleteObject(hDialogFont); // the label shows a font of its own
    }
}

LOGFONT g_bigFont = {-30, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, "Arial"};

bool SameFont(const LOGFONT& a, const LOGFONT& b)
{
    return memcmp(&a, &b, offsetof(LOGFONT, lfFaceName)) == 0 && strcmp(a.lfFaceName, b.lfFaceName) == 0;
}

// Each setter changes the description at once and the window's font only when asked to redraw.
TEST(FontStatic, SettersRebuildTheWindowFontOnlyWhenAsked)
{
    const std::pair<const char*, void (*)(CFontStatic&, bool)> rows[] = {
        {"height", [](CFontStatic& s, bool r) { s.Font_SetHeight(-20, r); }},
        {"weight", [](CFontStatic& s, bool r) { s.Font_SetWeight(FW_BOLD, r); }},
        {"italic", [](CFontStatic& s, bool r) { s.Font_SetItalic(true, r); }},
        {"char set", [](CFontStatic& s, bool r) { s.Font_SetCharSet(true, r); }},
        {"pitch and family", [](CFontStatic& s, bool r) { s.Font_SetPitchAndFamily(true, r); }},
        {"face name", [](CFontStatic& s, bool r) { s.Font_SetFaceName("Times New Roman", r); }},
        {"whole description", [](CFontStatic& s, bool r) { s.Font_SetLogFont(&g_bigFont, r); }},
        {"edited in place, then ReBuildFont",
         [](CFontStatic& s, bool r) {
             s.Font_GetLogFont()->lfWeight = FW_HEAVY, r ? s.ReBuildFont() : void();
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.first);
        CStaticsHost host;
        CFontStatic label;
        ASSERT_TRUE(label.Create("Label", WS_CHILD | WS_VISIBLE, kLabelRect, &host, kId));
        const LOGFONT before = WindowFont(label.m_hWnd);
        EXPECT_EQ(-12, before.lfHeight) << "the create path gets the 12-unit font too";
        row.second(label, false);
        EXPECT_FALSE(SameFont(before, *label.Font_GetLogFont())) << "the description did not change";
        EXPECT_TRUE(SameFont(before, WindowFont(label.m_hWnd))) << "redraw false must not rebuild";
        row.second(label, true);
        EXPECT_TRUE(SameFont(*label.Font_GetLogFont(), WindowFont(label.m_hWnd)));
    }
    CFontStatic windowless; // stores only, and keeps 31 characters of a face name
    windowless.Font_SetFaceName("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmn", true);
    EXPECT_STREQ("ABCDEFGHIJKLMNOPQRSTUVWXYZabcde", windowless.Font_GetLogFont()->lfFaceName);
}

// Runs a script of calls on a label, one letter a call: r/u text red/background blue, X/Y text/background
// 0xFFFFFFFF, o/n transparent on/off, p/q blink text/background colours (kA, kB)/(kC, kD), t/b start text/
// background blinking (mode 1, period kNeverMs), s/S stop them (mode 0), '.' a tick of timer 1, '2' a tick
// of timer 2, h/H font height -20 without/with redraw, '|' validate the window.
void Script(CColorStatic& s, const char* pszScript)
{
    using Call = void (*)(CColorStatic&);
    static const char kLetters[] = "ruXYonpqtbsS.2hH|";
    static const Call kCalls[] = {
        [](CColorStatic& s) { s.SetTextColor(kRed); },
        [](CColorStatic& s) { s.SetBkColor(kBlue); },
        [](CColorStatic& s) { s.SetTextColor(0xFFFFFFFF); },
        [](CColorStatic& s) { s.SetBkColor(0xFFFFFFFF); },
        [](CColorStatic& s) { s.SetTransparent(true); },
        [](CColorStatic& s) { s.SetTransparent(false); },
        [](CColorStatic& s) { s.SetBlinkTextColors(kA, kB); },
        [](CColorStatic& s) { s.SetBlinkBkColors(kC, kD); },
        [](CColorStatic& s) { s.StartTextBlink(1, kNeverMs); },
        [](CColorStatic& s) { s.StartBkBlink(1, kNeverMs); },
        [](CColorStatic& s) { s.StartTextBlink(0, 0); },
        [](CColorStatic& s) { s.StartBkBlink(0, 0); },
        [](CColorStatic& s) { s.SendMessage(WM_TIMER, 1); },
        [](CColorStatic& s) { s.SendMessage(WM_TIMER, 2); },
        [](CColorStatic& s) { s.Font_SetHeight(-20, false); },
        [](CColorStatic& s) { s.Font_SetHeight(-20, true); },
        [](CColorStatic& s) { ::ValidateRect(s.m_hWnd, NULL); },
    };
    for (const char* p = pszScript; *p; p++)
        kCalls[strchr(kLetters, *p) - kLetters](s);
}

// Each row runs its script, then asks the colours as the parent's WM_CTLCOLORSTATIC does; whether the
// calls after a '|' invalidated the label is checked too.
TEST(ColorStatic, ColoursAndRepaintsAfterEachCall)
{
    const COLORREF crText = ::GetSysColor(COLOR_BTNTEXT), crFace = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF kSentinelText = RGB(1, 2, 3), kSentinelBk = RGB(4, 5, 6);
    const COLORREF kHollow = CLR_DEFAULT; // the stock hollow brush, the DC's background untouched
    struct Row
    {
        const char* label;
        const char* script;
        COLORREF crText, crBk; // crBk: also the colour of the solid brush returned
        bool bRepaint;         // after a '|' in the script
    };
    const Row rows[] = {
        {"construction colours", "", crText, crFace, false},
        {"steady colours", "r|u", kRed, kBlue, true},
        {"text colour already held", "r|r", kRed, crFace, false},
        {"background colour already held", "u|u", crText, kBlue, false},
        {"0xFFFFFFFF: the system colours; it differs from any stored colour", "ruX|Y", crText, crFace, true},
        {"0xFFFFFFFF while the system colour is held", "|X", crText, crFace, true},
        {"transparent", "ru|o", kRed, kHollow, true},
        {"transparency unchanged", "|n", crText, crFace, false},
        {"blink text colours", "|p", crText, crFace, false},
        {"blink background colours", "|q", crText, crFace, true},
        {"font field without redraw", "|h", crText, crFace, false},
        {"font field with redraw", "|H", crText, crFace, true},
        {"text blink, phase 0", "pt", kA, crFace, false},
        {"text blink, one tick", "pt|.", kB, crFace, true},
        {"text blink, two ticks", "pt.|.", kA, crFace, true},
        {"a foreign timer id does not tick", "pt|2", kA, crFace, false},
        {"phase colours default to the colours at construction", "rutb.", crText, crFace, false},
        {"background blink wins over transparency", "oqb|.", crText, kD, true},
        {"second start makes both kinds tick together", "pqtb|.", kB, kD, true},
        {"a start resets only its own phase", "pqt.b", kB, kC, false},
        {"stopped text blink shows the steady colour", "rpt.s", kRed, crFace, false},
        {"stopping text freezes the background in its phase", "qbt.s...", crText, kD, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CStaticsHost host;
        CColorStatic label;
        ASSERT_TRUE(label.Create("Label", WS_CHILD | WS_VISIBLE, kLabelRect, &host, kId));
        Script(label, row.script);
        EXPECT_TRUE(!strchr(row.script, '|') ||
                    row.bRepaint == (::GetUpdateRect(label.m_hWnd, NULL, FALSE) != 0));
        // The DC starts with sentinel colours and OPAQUE, so untouched attributes show.
        CStaticsCanvas dc(4, 4);
        ::SetTextColor(dc.Dc(), kSentinelText), ::SetBkColor(dc.Dc(), kSentinelBk),
            ::SetBkMode(dc.Dc(), OPAQUE);
        HBRUSH hBrush =
            (HBRUSH)::SendMessageA(host.m_hWnd, WM_CTLCOLORSTATIC, (WPARAM)dc.Dc(), (LPARAM)label.m_hWnd);
        EXPECT_EQ(row.crText, ::GetTextColor(dc.Dc()));
        EXPECT_EQ(row.crBk == kHollow ? kSentinelBk : row.crBk, ::GetBkColor(dc.Dc()));
        EXPECT_EQ(row.crBk == kHollow ? TRANSPARENT : OPAQUE, ::GetBkMode(dc.Dc()));
        LOGBRUSH lb = {};
        EXPECT_TRUE(row.crBk == kHollow ? hBrush == ::GetStockObject(NULL_BRUSH)
                                        : ::GetObjectA(hBrush, sizeof(lb), &lb) && lb.lbColor == row.crBk);
    }
}

// The periods are read from the SetTimer calls themselves: no test waits for a real tick.
TEST(ColorStaticBlink, PeriodsPassedToTheSharedTimer)
{
    struct Row
    {
        const char* label;
        const char* starts;     // t/b: StartTextBlink/StartBkBlink, then the mode and the period
        std::vector<int> calls; // SetTimer periods in order; -1 for a KillTimer; all for timer id 1
    };
    const Row rows[] = {
        {"text: periods 0, 1, 2, 250 ms", "t1,0 t1,1 t1,2 t1,250", {500, -1, 100, -1, 50, -1, 250}},
        {"background: periods 0, 1, 2, 3 ms", "b1,0 b1,1 b1,2 b1,3", {2000, -1, 1000, -1, 500, -1, 3}},
        {"mode other than 1 starts nothing", "t2,0 b0,0", {}},
        {"background started while text blinks: background pace", "t1,1 b1,0", {100, -1, 2000}},
        {"text started while background blinks: text pace", "b1,0 t1,250", {2000, -1, 250}},
        {"stopping one kind kills the timer of both", "t1,1 b1,0 t0,0", {100, -1, 2000, -1}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CStaticsHost host;
        CColorStatic label;
        ASSERT_TRUE(label.Create("Label", WS_CHILD | WS_VISIBLE, kLabelRect, &host, kId));
        CTimerSpy spy;
        char c;
        int nMode, nPeriod, n;
        for (const char* p = row.starts; sscanf(p, " %c%d,%d%n", &c, &nMode, &nPeriod, &n) == 3; p += n)
            c == 't' ? label.StartTextBlink(nMode, nPeriod) : label.StartBkBlink(nMode, nPeriod);
        EXPECT_EQ(row.calls, g_timerCalls);
    }
}

TEST(ColorStaticBlink, NotificationOnTicksThatLeaveAPhaseAt1)
{
    struct Row
    {
        const char* label;
        const char* script; // each '.' a tick checked for the notification
        bool bTarget;
        unsigned nNotifiedTicks; // bit i: tick i posts the notification
    };
    const Row rows[] = {
        {"text only: the ticks that set phase 1", "t.....", true, 0x2A},
        {"background only", "b.....", true, 0x2A},
        {"both in step: every other tick", "tb.....", true, 0x2A},
        // Text at phase 1, background restarted at 0: one of them is 1 after every tick.
        {"both out of step: every tick", "t.b....", true, 0x3E},
        {"stopped: the frozen phase posts nothing", "t.S....", true, 0x02},
        {"no target", "t.....", false, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        MsgRecorder rec;
        CWnd* pHost = CWnd::FromHandle(rec.CreateParent());
        CWnd* pTarget = CWnd::FromHandle(rec.CreateParent(100, 100, WS_OVERLAPPED));
        CColorStatic label;
        ASSERT_TRUE(label.Create("Label", WS_CHILD | WS_VISIBLE, kLabelRect, pHost, kId));
        rec.Watch(label.m_hWnd);
        rec.SetFilter([](const MsgRecord& r) { return r.message == WM_TIMER || r.message == kNotifyMsg; });
        label.EnableNotify(pTarget, kNotifyMsg);
        if (!row.bTarget)
            label.EnableNotify(NULL, kNotifyMsg);
        const MsgEntry notified[] = {{WM_TIMER, sent | wparam, 1, 0, 0},
                                     {kNotifyMsg, posted | parent | wparam | lparam, kId, 0, 0},
                                     {0, 0, 0, 0, 0}};
        const MsgEntry tickOnly[] = {{WM_TIMER, sent | wparam, 1, 0, 0}, {0, 0, 0, 0, 0}};
        int nTick = 0;
        for (const char* p = row.script; *p; p++) {
            const char one[] = {*p, 0};
            rec.Flush();
            Script(label, one);
            if (*p != '.')
                continue;
            SCOPED_TRACE(++nTick);
            EXPECT_EQ(0u, rec.Count(kNotifyMsg)) << "posted, not sent: it waits for the queue";
            PumpUntilMarker(pTarget->m_hWnd);
            EXPECT_SEQ(rec, (row.nNotifiedTicks >> nTick) & 1 ? notified : tickOnly, row.label);
        }
    }
}

TEST(ColorStaticBlink, EarlyStartWindowlessTargetAndDestroy)
{
    const int nBase = AfxLiteGdiObjectCount();
    {
        CStaticsHost host;
        const int nHost = AfxLiteGdiObjectCount();
        CColorStatic label;
        CWnd noWindow;
        EXPECT_EQ(nHost + 3, AfxLiteGdiObjectCount()) << "three brushes at construction";
        Script(label, "uqHb"); // a blink started before the window exists starts ticking at the first paint
        label.EnableNotify(&noWindow, kNotifyMsg);
        ASSERT_TRUE(label.Create("Label", WS_CHILD | WS_VISIBLE, kLabelRect, &host, kId));
        CTimerSpy spy;
        PaintNow(label.m_hWnd);
        Script(label, ".");
        MSG msg; // a target without a window gets nothing, not even as a thread message
        EXPECT_FALSE(::PeekMessageA(&msg, reinterpret_cast<HWND>(-1), kNotifyMsg, kNotifyMsg, PM_REMOVE));
        EXPECT_EQ(nHost + 4, AfxLiteGdiObjectCount()) << "the font; setters and paints replace, never add";
        ASSERT_TRUE(label.DestroyWindow());
        EXPECT_EQ((std::vector<int>{(int)kNeverMs, -1}), g_timerCalls);
        EXPECT_EQ(nHost + 1, AfxLiteGdiObjectCount()) << "the brushes go at WM_DESTROY, the font stays";
    }
    EXPECT_EQ(nBase, AfxLiteGdiObjectCount());
}

TEST(ColorRect, FillsWithItsColourInsideADottedFrame)
{
    const COLORREF kPen = RGB(255, 0, 255), kFill = RGB(10, 120, 200);
    int nIndex = COLOR_BTNHIGHLIGHT;
    const COLORREF crOld = ::GetSysColor(nIndex);
    ::SetSysColors(1, &nIndex, &kPen);
    CStaticsHost host;
    CColorRect swatch;
    ASSERT_TRUE(swatch.Create(CRect(10, 10, 70, 50), &host, 77));
    EXPECT_EQ(0x50000000u, (DWORD)::GetWindowLongA(swatch.m_hWnd, GWL_STYLE));
    PaintNow(host.m_hWnd);
    CStaticsCanvas canvas(60, 40);
    canvas.CopyFromWindow(swatch.m_hWnd);
    EXPECT_EQ(RGB(0, 0, 0), canvas.Pixel(30, 20)) << "black before the first SetColor";
    swatch.SetColor(kFill); // paints at once: no further paint is forced before reading
    canvas.CopyFromWindow(swatch.m_hWnd);
    ::SetSysColors(1, &nIndex, &crOld);
    const RECT inside = {1, 1, 59, 39};
    EXPECT_EQ(58 * 38, canvas.Count(kFill, &inside));
    // The frame alternates pen dots with the DC's default (white, opaque) gaps.
    for (const RECT& edge :
         {RECT{0, 0, 60, 1}, RECT{0, 39, 60, 40}, RECT{0, 0, 1, 40}, RECT{59, 0, 60, 40}}) {
        const int nDots = canvas.Count(kPen, &edge), nGaps = canvas.Count(RGB(255, 255, 255), &edge);
        EXPECT_TRUE(nDots > 0 && nGaps > 0);
        EXPECT_EQ((edge.right - edge.left) * (edge.bottom - edge.top), nDots + nGaps);
    }
}

const COLORREF kIconRed = RGB(220, 20, 20), kFace = RGB(0, 128, 128), kBlack = RGB(0, 0, 0);
const COLORREF kProbeColours[] = {kIconRed, kFace, kBlack}; // R, F, K in the probes below

// A 32 x 32 red icon; with bHalf its right half is transparent.
HICON MakeIcon(bool bHalf)
{
    BYTE mask[32 * 4];
    DWORD color[32 * 32];             // 0x00RRGGBB
    for (int i = 0; i < 32 * 32; i++) // eight pixels a mask byte, all in the same half
        color[i] = bHalf && i % 32 >= 16 ? 0 : 0xDC1414, mask[i / 8] = bHalf && i % 32 >= 16 ? 0xFF : 0x00;
    return ::CreateIcon(NULL, 32, 32, 1, 32, mask, reinterpret_cast<BYTE*>(color));
}

// Draws the button into a canvas prefilled with kFace as its parent asks it to: WM_DRAWITEM, reflected.
void DrawThroughParent(CStaticsHost& host, CBigIcon& icon, CStaticsCanvas& canvas)
{
    canvas.Fill(kFace);
    DRAWITEMSTRUCT dis = {ODT_BUTTON, 55, 0, ODA_DRAWENTIRE, 0, icon.m_hWnd, canvas.Dc(), {}, 0};
    ::GetClientRect(icon.m_hWnd, &dis.rcItem);
    ::SendMessageA(host.m_hWnd, WM_DRAWITEM, 55, (LPARAM)&dis);
}

TEST(BigIcon, PlacementStretchingAndFrames)
{
    ASSERT_EQ(32, ::GetSystemMetrics(SM_CXICON)) << "the rows below assume 32 x 32 system icons";
    struct Row
    {
        const char* label;
        int cx, cy, nIcon, nStretch, nFrame; // nIcon: 0 none, 1 opaque, 2 left half
        const char* probes;                  // colour (Red, Face, blacK) at x,y
    };
    const Row rows[] = {
        {"centred in 100 x 60: (34, 14)", 100, 60, 1, 0, 0, "R34,14 R65,45 F33,14 F34,13 F66,45 F65,46"},
        {"odd sizes round down: 101 x 61 also at (34, 14)", 101, 61, 1, 0, 0,
         "R34,14 R65,45 F33,30 F66,30 F34,13"},
        // (21 - 32) / 2 = -5 truncated toward zero (flooring gives -6): red covers columns 0 to 10.
        {"negative offsets truncate toward zero", 21, 11, 2, 0, 0, "R10,5 F11,5"},
        {"no icon: nothing, not even the frame", 100, 60, 0, 0, 2, "F0,0 F50,30"},
        {"black one-pixel frame", 100, 60, 1, 0, 2, "K0,0 K99,0 K0,59 K99,59 F1,1 R50,30"},
        {"stretched over the whole client area", 100, 60, 1, 1, 0, "R0,0 R99,59 R50,30"},
        {"stretched: the clear half keeps the picture", 100, 60, 2, 1, 0, "R5,30 R44,30 F56,30 F95,30"},
        {"stretched: the frame goes through the same scaling", 100, 60, 2, 1, 2,
         "K99,30 K75,0 K75,59 F75,30 R0,30"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CStaticsHost host;
        CBigIcon icon;
        ASSERT_TRUE(icon.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                                CRect(10, 10, 10 + row.cx, 10 + row.cy), &host, 55));
        HICON hIcon = row.nIcon ? MakeIcon(row.nIcon == 2) : NULL;
        icon.SetIcon(hIcon, row.nStretch, row.nFrame);
        CStaticsCanvas canvas(row.cx, row.cy);
        DrawThroughParent(host, icon, canvas);
        char c;
        int x, y, n;
        for (const char* p = row.probes; sscanf(p, " %c%d,%d%n", &c, &x, &y, &n) == 3; p += n)
            EXPECT_EQ(kProbeColours[strchr("RFK", c) - "RFK"], canvas.Pixel(x, y)) << p;
        if (hIcon != NULL)
            ::DestroyIcon(hIcon);
    }
}

// Frame style 1 is the flat button face under the centred icon; SetIcon paints at once through the real
// owner-draw path; SizeToContent keeps the top-left corner and takes twice the system icon size.
TEST(BigIcon, FlatFrameRealPaintAndSizeToContent)
{
    CStaticsHost host;
    CBigIcon icon;
    ASSERT_TRUE(icon.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(10, 10, 110, 70), &host, 55));
    HICON hIcon = MakeIcon(false);
    PaintNow(host.m_hWnd);
    icon.SetIcon(hIcon, 0, 1);
    CStaticsCanvas shown(100, 60), drawn(100, 60), expected(100, 60);
    shown.CopyFromWindow(icon.m_hWnd);
    DrawThroughParent(host, icon, drawn);
    expected.Fill(kFace);
    RECT rc = {0, 0, 100, 60};
    ::DrawFrameControl(expected.Dc(), &rc, DFC_BUTTON, DFCS_FLAT);
    ::DrawIcon(expected.Dc(), 34, 14, hIcon);
    int nDiffer = 0;
    for (int y = 0; y < 60; y++)
        for (int x = 0; x < 100; x++)
            nDiffer += drawn.Pixel(x, y) != expected.Pixel(x, y);
    EXPECT_EQ(0, nDiffer);
    EXPECT_EQ(32 * 32, shown.Count(kIconRed));
    EXPECT_EQ(kIconRed, shown.Pixel(34, 14)) << "not centred";

    icon.SizeToContent();
    CRect rcWnd;
    ::GetWindowRect(icon.m_hWnd, &rcWnd);
    host.ScreenToClient(&rcWnd);
    EXPECT_EQ(CRect(10, 10, 10 + 2 * ::GetSystemMetrics(SM_CXICON), 10 + 2 * ::GetSystemMetrics(SM_CYICON)),
              rcWnd);
    ::DestroyIcon(hIcon);
}

} // namespace
