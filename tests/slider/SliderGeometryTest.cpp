// SliderGeometryTest.cpp: the slider's window-free core. Hand-derived
// layouts, hit zones and mouse scripts as tables, then a property test of
// random mouse sequences. Portable: runs natively and under Wine.
#include "slider/SliderGeometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>
#include <string>

namespace {

enum : unsigned
{
    kText = 0x1,       // an overlay band (type 1)
    kNoMove = 0x2,     // Disable_Move
    kNoMin = 0x4,      // Disable_Resize_Min
    kNoMax = 0x8,      // Disable_Resize_Max
    kNoReverse = 0x10, // ReverseVert_Set(false)
    kOffRange = 0x20,  // an empty range
    kVert = 0x40       // scripts: the vertical twin
};

// A slider of cx by cy (vertical when taller than wide) after a layout.
CCustomSliderState Make(int cx, int cy, unsigned flags, int rMin, int rMax, int sMin, int sMax)
{
    CCustomSliderState s;
    s.m_bHorizontal = cx >= cy;
    s.m_eCtrlType = (flags & kText) ? csc_type_time_window : csc_type_plain;
    s.m_bMoveEnabled = !(flags & kNoMove);
    s.m_bResizeMinEnabled = !(flags & kNoMin);
    s.m_bResizeMaxEnabled = !(flags & kNoMax);
    s.m_bReverseVert = !(flags & kNoReverse);
    s.m_nRangeMin = rMin;
    s.m_nRangeMax = rMax;
    s.m_nSelMin = sMin;
    s.m_nSelMax = sMax;
    SliderLayout(s, CRect(0, 0, cx, cy), 8, (flags & kText) != 0);
    return s;
}

std::string Str(const CRect& r)
{
    std::ostringstream o;
    o << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    return o.str();
}

// Rows: slider, then the band, channel, scale, selection and the two thumb
// extents that the layout must give.
struct LayoutRow
{
    const char* label;
    int cx, cy;
    unsigned flags;
    int rMin, rMax, sMin, sMax;
    const char*
        expected; // band | channel | pixels per unit | selection | left-bottom thumb | right-top thumb
};

const LayoutRow kLayouts[] = {
    {"worked: time window", 200, 30, kText, 0, 10, 2, 5,
     "10,2,190,12|10,14,190,28|18|48,16,98,27|-8,14,0,28|0,14,8,28"},
    {"worked: plain", 200, 30, 0, 0, 10, 2, 5, "10,0,190,0|10,2,190,28|18|48,4,98,27|-8,2,0,28|0,2,8,28"},
    {"no min thumb", 200, 30, kNoMin, 0, 10, 2, 5, "2,0,190,0|2,2,190,28|18.8|41,4,94,27|-8,2,0,28|0,2,8,28"},
    {"offset range", 200, 30, kText | kNoMax, -20, -10, -18, -15,
     "10,2,198,12|10,14,198,28|18.8|49,16,102,27|-8,14,0,28|0,14,8,28"},
    {"vertical, min on top", 30, 200, kText, 0, 10, 2, 5,
     "2,10,12,190|14,10,28,190|18|15,48,27,98|14,0,28,8|14,-8,28,0"},
    {"vertical, min at the bottom", 30, 200, kText | kNoReverse, 0, 10, 2, 5,
     "2,10,12,190|14,10,28,190|18|15,102,27,152|14,0,28,8|14,-8,28,0"},
    {"vertical reversed, no max thumb: min still on top", 30, 200, kNoMax, 0, 10, 2, 5,
     "0,2,0,190|2,2,28,190|18.8|3,41,27,94|2,0,28,8|2,-8,28,0"},
    {"vertical bottom-up, no min thumb", 30, 200, kNoMin | kNoReverse, 0, 10, 2, 5,
     "0,10,0,198|2,10,28,198|18.8|3,106,27,159|2,0,28,8|2,-8,28,0"},
    {"empty selection keeps the old rectangle", 200, 30, 0, 0, 10, 4, 4,
     "10,0,190,0|10,2,190,28|18|0,0,0,0|-8,2,0,28|0,2,8,28"},
    {"empty range", 200, 30, 0, 5, 5, 5, 5, "10,0,190,0|10,2,190,28|0|0,0,0,0|-8,2,0,28|0,2,8,28"},
    {"inverted range", 200, 30, 0, 10, 0, 2, 5, "10,0,190,0|10,2,190,28|0|0,0,0,0|-8,2,0,28|0,2,8,28"},
};

TEST(SliderGeometryTest, Layouts)
{
    for (const LayoutRow& row : kLayouts) {
        CCustomSliderState s = Make(row.cx, row.cy, row.flags, row.rMin, row.rMax, row.sMin, row.sMax);
        const CRect band = SliderLayout(s, CRect(0, 0, row.cx, row.cy), -8, (row.flags & kText) != 0);
        std::ostringstream ppu;
        ppu << s.m_dPixelsPerUnit;
        EXPECT_EQ(row.expected, Str(band) + "|" + Str(s.m_rcChannel) + "|" + ppu.str() + "|" +
                                    Str(s.m_rcSelection) + "|" + Str(s.m_rcThumbLeftBottom) + "|" +
                                    Str(s.m_rcThumbRightTop))
            << row.label;
    }
}

// Zones under points ("x,y:zone") of the worked slider (selection 48..98 by
// 16..27) and its vertical twins; the thumbs answer on the moving axis only.
TEST(SliderGeometryTest, HitZones)
{
    const struct
    {
        int cx, cy;
        unsigned flags;
        const char* probes;
    } rows[] = {
        {200, 30, kText,
         "39,20:0 40,0:1 48,20:1 49,20:3 49,16:0 49,17:3 97,26:3 97,27:0 98,5:2 106,20:2 107,20:0"},
        {30, 200, kText,
         "20,39:0 0,40:1 20,48:1 20,49:3 15,60:0 16,60:3 26,97:3 27,97:0 20,98:2 5,106:2 20,107:0"},
        {30, 200, kText | kNoReverse, "20,93:0 20,94:2 20,102:2 20,103:3 20,151:3 20,152:1 0,160:1 20,161:0"},
        {200, 30, kText | kOffRange, "40,20:0 60,20:0"},
    };
    for (const auto& row : rows) {
        const bool bEmpty = (row.flags & kOffRange) != 0;
        const CCustomSliderState s = Make(row.cx, row.cy, row.flags, bEmpty ? 5 : 0, bEmpty ? 5 : 10, 2, 5);
        std::istringstream in(row.probes);
        int x, y, zone;
        char comma, colon;
        while (in >> x >> comma >> y >> colon >> zone)
            EXPECT_EQ(zone, SliderHitZone(s, CPoint(x, y))) << row.flags << " at " << x << "," << y;
    }
}

// Runs a mouse script and returns what the events asked for: after a move,
// the digit of a newly set hover zone; d drag start, c changed, e drag end.
// Script: "m x,y" move, "L x,y" / "R x,y" button down, "u" up, "D" double click.
std::string RunScript(CCustomSliderState& s, const char* script, int cx, int cy, bool bText)
{
    std::istringstream in(script);
    std::string out, op;
    while (in >> op) {
        int x = 0, y = 0;
        char comma;
        if (op != "u" && op != "D")
            in >> x >> comma >> y;
        int bits = 0;
        if (op == "m")
            bits = SliderMouseMove(s, CPoint(x, y));
        else if (op == "L" || op == "R")
            bits = SliderButtonDown(s, CPoint(x, y), op == "R");
        else if (op == "u")
            bits = SliderButtonUp(s);
        else
            bits = SliderDoubleClick(s);
        if (bits & CSC_EVT_CURSOR)
            out += char('0' + s.m_nHoverZone);
        if (bits & CSC_EVT_DRAG_START)
            out += 'd';
        if (bits & CSC_EVT_CHANGED) {
            out += 'c';
            SliderLayout(s, CRect(0, 0, cx, cy), 8, bText); // the control repaints at once
        }
        if (bits & CSC_EVT_DRAG_END)
            out += 'e';
    }
    return out;
}

// Scripts on the worked slider (200 by 30, time window, range 0..10) or, with
// kVert, its vertical twin; kOffRange makes the range 5..5.
struct ScriptRow
{
    const char* label;
    unsigned flags;
    int sMin, sMax;
    const char* script;
    int endMin, endMax;
    const char* events;
};

const ScriptRow kScripts[] = {
    {"max thumb +9 px", 0, 2, 5, "m 98,20 L 98,20 m 107,20 u", 2, 6, "2dce"},
    {"max thumb +8 px rounds to 0", 0, 2, 5, "m 98,20 L 98,20 m 106,20 u", 2, 5, "2de"},
    {"max thumb -9 px stays", 0, 2, 5, "m 98,20 L 98,20 m 89,20 u", 2, 5, "2de"},
    {"moves after the release drag nothing", 0, 2, 5, "m 98,20 L 98,20 m 107,20 u m 125,20 m 143,20", 2, 6,
     "2dce0"},
    {"max thumb -27 px", 0, 2, 5, "m 98,20 L 98,20 m 71,20 u", 2, 4, "2dce"},
    {"min thumb cannot pass the max", 0, 2, 5, "m 45,20 L 45,20 m 99,20 m 81,20 u", 4, 5, "1dce"},
    {"left click left of the selection", 0, 3, 7, "L 20,20", 2, 7, "c"},
    {"right click there", 0, 3, 7, "R 20,20", 4, 7, "c"},
    {"left click on the channel edge is no step", 0, 3, 7, "L 10,20", 3, 7, ""},
    {"left click right of the selection", 0, 6, 7, "L 150,20", 6, 8, "c"},
    {"right click there cannot empty it", 0, 6, 7, "R 150,20", 6, 7, ""},
    {"left click just left of the min thumb", 0, 2, 5, "L 39,20", 1, 5, "c"},
    {"click on the max thumb's far edge is no step", 0, 2, 5, "L 106,20", 2, 5, ""},
    {"min thumb to the range start", 0, 2, 5, "m 45,20 L 45,20 m 0,20 m -20,20 u", 0, 5, "1dce"},
    {"hover into a disabled thumb drops the zone", kNoMin, 2, 5, "m 60,20 m 40,20 L 40,20 m 80,20 u", 2, 5,
     "33"},
    {"left drag of the body stops at the end", 0, 2, 4,
     "m 60,20 L 60,20 m 78,20 m 96,20 m 114,20 m 132,20 m 150,20 m 168,20 m 186,20 m 204,20 u", 8, 10,
     "3dcccccce"},
    {"right drag of the body", 0, 2, 4,
     "m 60,20 R 60,20 m 78,20 m 96,20 m 114,20 m 132,20 m 150,20 m 168,20 m 186,20 m 204,20 u", 9, 10,
     "3dccccccce"},
    {"right drag of the max thumb outward", 0, 4, 6, "m 116,20 R 116,20 m 134,20 m 152,20 u", 2, 8, "2dcce"},
    {"right drag of the min thumb inward", 0, 2, 8, "m 48,20 R 48,20 m 66,20 m 84,20 m 102,20", 5, 6,
     "1dccc"},
    {"button down during a drag is ignored", 0, 2, 5, "m 98,20 L 98,20 R 150,20 m 107,20 u", 2, 6, "2dce"},
    {"hover over nothing keeps no zone", 0, 2, 5, "m 98,20 m 150,20 L 150,20 m 180,20", 2, 6, "20c"},
    {"body with moving disabled", kNoMove, 2, 5, "m 60,20 L 60,20 m 96,20 u", 2, 5, ""},
    {"min thumb disabled: no zone, no step, a drag", kNoMin, 2, 5, "m 40,20 m 60,20 L 20,20 m 39,20 u", 3, 6,
     "3dce"},
    {"double click restores the range", 0, 2, 5, "D", 0, 10, "c"},
    {"vertical: top thumb is the min", kVert, 2, 5, "m 20,48 L 20,48 m 20,66 u", 3, 5, "1dce"},
    {"vertical bottom-up: top thumb is the max", kNoReverse | kVert, 2, 5, "m 20,102 L 20,102 m 20,84 u", 2,
     6, "2dce"},
    {"vertical: click above steps the min", kVert, 2, 5, "L 20,20", 1, 5, "c"},
    {"vertical: click below steps the max", kVert, 2, 5, "R 20,150", 2, 4, "c"},
    {"vertical: the channel's bottom edge is no step", kVert, 2, 5, "L 20,190", 2, 5, ""},
    {"vertical bottom-up: click above steps the max", kNoReverse | kVert, 2, 5, "L 20,20", 2, 6, "c"},
    {"vertical bottom-up: click below steps the min", kNoReverse | kVert, 2, 5, "L 20,170", 1, 5, "c"},
    {"empty range takes no mouse change", kOffRange, 5, 5, "m 60,20 L 60,20 m 90,20 u L 20,20 D", 5, 5, ""},
};

TEST(SliderGeometryTest, MouseScripts)
{
    for (const ScriptRow& row : kScripts) {
        SCOPED_TRACE(row.label);
        const int cx = (row.flags & kVert) ? 30 : 200, cy = (row.flags & kVert) ? 200 : 30;
        const int r = (row.flags & kOffRange) ? 5 : 0;
        CCustomSliderState s = Make(cx, cy, row.flags | kText, r, r ? 5 : 10, row.sMin, row.sMax);
        EXPECT_EQ(row.events, RunScript(s, row.script, cx, cy, true));
        EXPECT_EQ(row.endMin, s.m_nSelMin);
        EXPECT_EQ(row.endMax, s.m_nSelMax);
    }
}

TEST(SliderGeometryTest, SettersAndTexts)
{
    const struct
    {
        const char* label;
        bool bRange; // SetRange, else SetSel on range 0..10
        int sMin, sMax, a, b;
        int endMin, endMax;
        bool bAssigned;
    } rows[] = {
        {"range above the selection", true, 0, 10, 20, 30, 20, 30, false},
        {"range inside", true, 0, 10, 5, 8, 5, 8, false},
        {"range clips the top", true, 2, 10, 0, 4, 2, 4, false},
        {"range below", true, 0, 10, -10, -5, -10, -5, false},
        {"range overlapping from below", true, 0, 10, -5, 3, 0, 3, false},
        {"range wholly above, max below it", true, 0, 10, 12, 20, 12, 20, false},
        {"sel clipped above", false, 0, 5, 7, 20, 7, 10, true},
        {"sel clipped below", false, 0, 5, -3, 4, 0, 4, true},
        {"sel empty refused", false, 0, 5, 6, 6, 0, 5, false},
        {"sel reversed refused", false, 0, 5, 5, 3, 0, 5, false},
        {"sel below, min already there", false, 0, 5, -1, 20, 0, 10, true},
        {"sel nothing to clip", false, 0, 10, -1, 20, 0, 10, false},
        {"sel min moves down", false, 3, 5, -1, 4, 0, 4, true},
        {"sel equal ends assigned", false, 2, 5, 2, 5, 2, 5, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CCustomSliderState s;
        s.m_nSelMin = row.sMin;
        s.m_nSelMax = row.sMax;
        bool bAssigned = false;
        if (row.bRange)
            SliderSetRange(s, row.a, row.b);
        else
            bAssigned = SliderSetSel(s, row.a, row.b);
        EXPECT_EQ(row.endMin, s.m_nSelMin);
        EXPECT_EQ(row.endMax, s.m_nSelMax);
        EXPECT_EQ(row.bAssigned, bAssigned);
    }

    CCustomSliderState s = Make(200, 30, kText, -5, 30, 7, 19);
    EXPECT_STREQ("Origin = 7 ms - Length = 12 ms", static_cast<const char*>(SliderOverlayText(s)));
    s.m_eCtrlType = csc_type_zoom;
    EXPECT_STREQ("Zoom x 19", static_cast<const char*>(SliderOverlayText(s)));
    s.m_eCtrlType = csc_type_range_labels;
    EXPECT_TRUE(SliderOverlayText(s).IsEmpty());

    // Cursor ids by zone and orientation.
    const unsigned expected[2][4] = {{32512, 32645, 32645, 32646}, {32512, 32644, 32644, 32646}};
    for (int h = 0; h < 2; ++h)
        for (int z = 0; z < 4; ++z) {
            s.m_bHorizontal = h != 0;
            s.m_nHoverZone = z;
            EXPECT_EQ(expected[h][z], SliderCursorId(s)) << "horizontal " << h << " zone " << z;
        }
}

TEST(SliderGeometryTest, ColourArithmetic)
{
    EXPECT_EQ(0x3397FBu, SliderLighten(0x0064C8, 51)); // (200, 100, 0) -> (251, 151, 51)
    EXPECT_EQ(0x3333FFu, SliderLighten(0x0000F0, 51)); // (240, 0, 0) -> (255, 51, 51)
    EXPECT_EQ(0x003100u, SliderDarken(0x006428, 51));  // (40, 100, 0) -> (0, 49, 0)
    EXPECT_EQ(0xF3F3F3u, SliderLighten(0xC0C0C0, 51));
    EXPECT_EQ(0xFFFFFFu, SliderLighten(0xF3F3F3, 51));
    EXPECT_EQ(0x8D8D8Du, SliderDarken(0xC0C0C0, 51));
    EXPECT_EQ(0x5A5A5Au, SliderDarken(0x8D8D8D, 51));
    EXPECT_EQ(0xA4A8AAu, SliderMidpoint(0xC8D0D4, 0x808080)); // face and shadow
    EXPECT_EQ(0x606060u, SliderMidpoint(0x808080, 0x404040));
    EXPECT_EQ(0x000000u, SliderLighten(0xFF000000, 0) & 0xFF000000); // the top byte is dropped
    EXPECT_EQ(0x7F0100u, SliderMidpoint(0x000300, 0xFF0000));        // (0,3,0)..(0,0,255): floor per channel
}

// Random mouse sequences on random sliders: the selection always stays
// inside the range and at least one unit wide, and nothing but a click
// step, a double click or a drag movement changes it.
TEST(SliderGeometryTest, RandomMouseKeepsInvariants)
{
    std::mt19937 rng(20261206);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int run = 0; run < 3000; ++run) {
        const bool bHorizontal = pick(0, 1) != 0;
        const int nLong = pick(30, 320), nShort = pick(12, std::min(60, nLong - 1));
        const int cx = bHorizontal ? nLong : nShort, cy = bHorizontal ? nShort : nLong;
        const unsigned flags = static_cast<unsigned>(pick(0, 31));
        const int rMin = pick(-60, 60), rMax = rMin + pick(1, 80);
        const int sMin = pick(rMin, rMax - 1), sMax = pick(sMin + 1, rMax);
        CCustomSliderState s = Make(cx, cy, flags, rMin, rMax, sMin, sMax);
        std::string trace; // the events so far, for a failure's message
        for (int step = 0; step < 60; ++step) {
            // Points near the selection's edges, where the zones change, more often than not.
            const CRect& sel = s.m_rcSelection;
            int along = pick(-10, nLong + 10);
            switch (pick(0, 3)) {
            case 0:
                along = (bHorizontal ? sel.left : sel.top) + pick(-10, 10);
                break;
            case 1:
                along = (bHorizontal ? sel.right : sel.bottom) + pick(-10, 10);
                break;
            }
            const int across = pick(-3, nShort + 3);
            const CPoint pt = bHorizontal ? CPoint(along, across) : CPoint(across, along);
            const int nBefore[2] = {s.m_nSelMin, s.m_nSelMax};
            const bool bWasDragging = s.m_nDragMode != 0;
            const int op = pick(0, 9); // 0-4 move, 5-6 left down, 7 right down, 8 up, 9 double click
            const int bits = op < 5   ? SliderMouseMove(s, pt)
                             : op < 8 ? SliderButtonDown(s, pt, op == 7)
                             : op < 9 ? SliderButtonUp(s)
                                      : SliderDoubleClick(s);
            trace += "mmmmmLLRuD"[op];
            auto where = [&] {
                std::ostringstream o;
                o << "run " << run << " flags " << flags << " range " << rMin << ".." << rMax << " start "
                  << sMin << ".." << sMax << " events " << trace << " at " << pt.x << "," << pt.y << " -> "
                  << s.m_nSelMin << ".." << s.m_nSelMax;
                return o.str();
            };
            ASSERT_TRUE(rMin <= s.m_nSelMin && s.m_nSelMin < s.m_nSelMax && s.m_nSelMax <= rMax) << where();
            const bool bChanged = nBefore[0] != s.m_nSelMin || nBefore[1] != s.m_nSelMax;
            // A drag moves; outside one, a click steps (and starts no drag); a double click anywhere.
            const bool bMayChange = op == 9 || (bWasDragging ? op < 5 : op >= 5 && op < 8);
            ASSERT_TRUE(!bChanged || bMayChange) << where() << ": changed outside a drag";
            ASSERT_TRUE(op == 9 || bChanged == ((bits & CSC_EVT_CHANGED) != 0)) << where();
            ASSERT_FALSE((bits & CSC_EVT_CHANGED) && (bits & CSC_EVT_DRAG_START)) << where();
            ASSERT_EQ(bWasDragging && op == 8, (bits & CSC_EVT_DRAG_END) != 0) << where();
            ASSERT_FALSE((bits & CSC_EVT_DRAG_END) && s.m_bRightDrag) << where();
            const bool abilities[4] = {false, s.m_bResizeMinEnabled, s.m_bResizeMaxEnabled, s.m_bMoveEnabled};
            ASSERT_TRUE(s.m_nDragMode == 0 || (s.m_nDragMode == s.m_nHoverZone && abilities[s.m_nDragMode]))
                << where() << ": drag of zone " << s.m_nDragMode;
            if (bits & CSC_EVT_CHANGED)
                SliderLayout(s, CRect(0, 0, cx, cy), 8, (flags & kText) != 0);
        }
    }
}

} // namespace
