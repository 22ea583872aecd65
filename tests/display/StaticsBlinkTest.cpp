// StaticsBlinkTest.cpp: the blink timer of CColorStatic (its periods, the
// shared timer, the posted notification) and the clean-up at WM_DESTROY.
#include <gtest/gtest.h>

#include "ColorStatic.h"
#include "MsgRecorder.h"
#include "StaticsSupport.h"

#include <algorithm>
#include <vector>

namespace {

const UINT kLabelId = 1234;
const UINT kNotifyMsg = WM_USER + 5;
const CRect kLabelRect(10, 10, 130, 50);
const UINT kNeverMs = 1000000; // no real tick arrives during a test

void Tick(CWnd& wnd)
{
    ::SendMessageA(wnd.m_hWnd, WM_TIMER, 1, 0);
}

// ---------------------------------------------------------------------------
// Periods

struct Start
{
    bool bText; // StartTextBlink, else StartBkBlink
    int nMode;
    UINT nPeriod;
};

struct TimerCall
{
    bool bSet;
    UINT nElapse; // SetTimer only
};

TEST(ColorStaticBlink, PeriodsPassedToTheSharedTimer)
{
    struct Row
    {
        const char* label;
        std::vector<Start> starts;
        std::vector<TimerCall> calls; // every call is for timer id 1 of the label
    };
    const Row rows[] = {
        {"text, period 0", {{true, 1, 0}}, {{true, 500}}},
        {"text, period 1", {{true, 1, 1}}, {{true, 100}}},
        {"text, period 2", {{true, 1, 2}}, {{true, 50}}},
        {"text, 250 ms", {{true, 1, 250}}, {{true, 250}}},
        {"background, period 0", {{false, 1, 0}}, {{true, 2000}}},
        {"background, period 1", {{false, 1, 1}}, {{true, 1000}}},
        {"background, period 2", {{false, 1, 2}}, {{true, 500}}},
        {"background, 3 ms", {{false, 1, 3}}, {{true, 3}}},
        {"mode other than 1 starts nothing", {{true, 2, 0}, {false, 0, 0}}, {}},
        {"background started while text blinks: background pace",
         {{true, 1, 1}, {false, 1, 0}},
         {{true, 100}, {false, 0}, {true, 2000}}},
        {"text started while background blinks: text pace",
         {{false, 1, 0}, {true, 1, 250}},
         {{true, 2000}, {false, 0}, {true, 250}}},
        {"stopping one kind kills the timer of both",
         {{true, 1, 1}, {false, 1, 0}, {true, 0, 0}},
         {{true, 100}, {false, 0}, {true, 2000}, {false, 0}}},
        {"restarting the same kind", {{true, 1, 0}, {true, 1, 2}}, {{true, 500}, {false, 0}, {true, 50}}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CStaticsHost host;
        CColorStatic label;
        ASSERT_TRUE(label.Create("Label", WS_CHILD | WS_VISIBLE, kLabelRect, &host, kLabelId));
        CTimerSpy spy;
        ASSERT_TRUE(spy.Active()) << "could not watch the library's timer calls";
        for (const Start& s : row.starts) {
            if (s.bText)
                label.StartTextBlink(s.nMode, s.nPeriod);
            else
                label.StartBkBlink(s.nMode, s.nPeriod);
        }
        std::vector<CTimerSpy::Call> calls = spy.CallsFor(label.m_hWnd);
        ASSERT_EQ(row.calls.size(), calls.size());
        for (size_t i = 0; i < calls.size(); i++) {
            SCOPED_TRACE(i);
            EXPECT_EQ(row.calls[i].bSet, calls[i].bSet);
            EXPECT_EQ(1u, calls[i].nID);
            if (row.calls[i].bSet) {
                EXPECT_EQ(row.calls[i].nElapse, calls[i].nElapse);
            }
        }
        label.StartTextBlink(0, 0);
        label.StartBkBlink(0, 0);
    }
}

// The one test that waits for real ticks: 50 ms blinking over about a second.
TEST(ColorStaticBlink, RealTimerTicksAtTheChosenPeriod)
{
    CStaticsHost host;
    CColorStatic label;
    ASSERT_TRUE(label.Create("Label", WS_CHILD | WS_VISIBLE, kLabelRect, &host, kLabelId));
    label.StartTextBlink(1, 2);

    int nTicks = 0;
    const DWORD dwStart = ::GetTickCount();
    while (::GetTickCount() - dwStart < 1000) {
        ::MsgWaitForMultipleObjects(0, NULL, FALSE, 20, QS_ALLINPUT);
        MSG msg;
        while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
            if (msg.hwnd == label.m_hWnd && msg.message == WM_TIMER && msg.wParam == 1)
                nTicks++;
            ::DispatchMessageA(&msg);
        }
    }
    const DWORD dwElapsed = ::GetTickCount() - dwStart;
    label.StartTextBlink(0, 0);
    // Never faster than 50 ms; a slow machine may lose some ticks, but a
    // 100 ms timer could not reach 60 % of the 50 ms count.
    EXPECT_LE(nTicks, (int)(dwElapsed / 50) + 1);
    EXPECT_GE(nTicks, (int)(dwElapsed * 6 / 10 / 50));
}

// ---------------------------------------------------------------------------
// Notification

TEST(ColorStaticBlink, NotificationOnTicksThatLeaveAPhaseAt1)
{
    struct Row
    {
        const char* label;
        std::vector<Start> before;         // before the first tick
        std::vector<Start> afterFirstTick; // after it
        bool bNotify;
        std::vector<int> ticksNotified; // of ticks 1 to 5
    };
    const Row rows[] = {
        {"text only: the ticks that set phase 1", {{true, 1, kNeverMs}}, {}, true, {1, 3, 5}},
        {"background only", {{false, 1, kNeverMs}}, {}, true, {1, 3, 5}},
        {"both in step: every other tick", {{true, 1, kNeverMs}, {false, 1, kNeverMs}}, {}, true, {1, 3, 5}},
        // Text at phase 1, background restarted at 0: one of them is 1 after every tick.
        {"both out of step: every tick",
         {{true, 1, kNeverMs}},
         {{false, 1, kNeverMs}},
         true,
         {1, 2, 3, 4, 5}},
        {"stopped: the frozen phase posts nothing", {{true, 1, kNeverMs}}, {{false, 0, 0}}, true, {1}},
        {"no target", {{true, 1, kNeverMs}}, {}, false, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        MsgRecorder rec;
        CWnd* pHost = CWnd::FromHandle(rec.CreateParent());
        CWnd* pTarget = CWnd::FromHandle(rec.CreateParent(100, 100, WS_OVERLAPPED));
        CColorStatic label;
        ASSERT_TRUE(label.Create("Label", WS_CHILD | WS_VISIBLE, kLabelRect, pHost, kLabelId));
        rec.Watch(label.m_hWnd);
        rec.SetFilter([](const MsgRecord& r) { return r.message == WM_TIMER || r.message == kNotifyMsg; });
        label.EnableNotify(pTarget, kNotifyMsg);
        if (!row.bNotify)
            label.EnableNotify(NULL, kNotifyMsg);
        auto start = [&label](const std::vector<Start>& starts) {
            for (const Start& s : starts) {
                if (s.bText)
                    label.StartTextBlink(s.nMode, s.nPeriod);
                else
                    label.StartBkBlink(s.nMode, s.nPeriod);
            }
        };
        start(row.before);
        for (int i = 1; i <= 5; i++) {
            SCOPED_TRACE(i);
            rec.Flush();
            Tick(label);
            EXPECT_EQ(0u, rec.Count(kNotifyMsg)) << "posted, not sent: it waits for the queue";
            PumpUntilMarker(pTarget->m_hWnd);
            const bool bExpected =
                std::find(row.ticksNotified.begin(), row.ticksNotified.end(), i) != row.ticksNotified.end();
            const MsgEntry withNotification[] = {
                {WM_TIMER, sent | wparam, 1, 0, 0},
                {kNotifyMsg, posted | parent | wparam | lparam, kLabelId, 0, 0},
                {0, 0, 0, 0, 0}};
            const MsgEntry tickOnly[] = {{WM_TIMER, sent | wparam, 1, 0, 0}, {0, 0, 0, 0, 0}};
            EXPECT_SEQ(rec, bExpected ? withNotification : tickOnly, row.label);
            if (i == 1)
                start(row.afterFirstTick);
        }
    }
}

// A target without a window gets nothing, not even as a thread message; a
// blink started before the window exists starts ticking at the first paint.
TEST(ColorStaticBlink, WindowlessTargetAndEarlyStart)
{
    CStaticsHost host;
    CWnd noWindow;
    CColorStatic label;
    label.StartTextBlink(1, kNeverMs);
    label.EnableNotify(&noWindow, kNotifyMsg);
    CTimerSpy spy;
    ASSERT_TRUE(spy.Active());
    ASSERT_TRUE(label.Create("Label", WS_CHILD | WS_VISIBLE, kLabelRect, &host, kLabelId));
    PaintNow(label.m_hWnd);
    std::vector<CTimerSpy::Call> calls = spy.CallsFor(label.m_hWnd);
    ASSERT_EQ(1u, calls.size());
    EXPECT_TRUE(calls[0].bSet);
    EXPECT_EQ(kNeverMs, calls[0].nElapse);
    Tick(label);
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, reinterpret_cast<HWND>(-1), kNotifyMsg, kNotifyMsg, PM_REMOVE));
    label.DestroyWindow();
}

// ---------------------------------------------------------------------------
// WM_DESTROY

TEST(ColorStaticBlink, DestroyKillsTheTimerAndReleasesTheBrushes)
{
    const int nBase = AfxLiteGdiObjectCount();
    {
        CStaticsHost host;
        const int nHost = AfxLiteGdiObjectCount();
        CColorStatic label;
        EXPECT_EQ(nHost + 3, AfxLiteGdiObjectCount()) << "three brushes at construction";
        ASSERT_TRUE(label.Create("Label", WS_CHILD | WS_VISIBLE, kLabelRect, &host, kLabelId));
        EXPECT_EQ(nHost + 4, AfxLiteGdiObjectCount()) << "and the font";
        label.SetBkColor(RGB(1, 2, 3));
        label.SetBlinkBkColors(RGB(4, 5, 6), RGB(7, 8, 9));
        label.Font_SetHeight(-20, true);
        EXPECT_EQ(nHost + 4, AfxLiteGdiObjectCount()) << "setters replace, never add";
        label.StartTextBlink(1, kNeverMs);

        CTimerSpy spy;
        ASSERT_TRUE(spy.Active());
        const HWND hLabel = label.m_hWnd;
        ASSERT_TRUE(label.DestroyWindow());
        std::vector<CTimerSpy::Call> calls = spy.CallsFor(hLabel);
        ASSERT_EQ(1u, calls.size());
        EXPECT_FALSE(calls[0].bSet);
        EXPECT_EQ(1u, calls[0].nID);
        EXPECT_EQ(nHost + 1, AfxLiteGdiObjectCount()) << "the brushes go at WM_DESTROY, the font stays";
    }
    EXPECT_EQ(nBase, AfxLiteGdiObjectCount());
}

TEST(ColorStaticBlink, NoGdiLeakOverManyLabels)
{
    CStaticsHost host;
    const int nBefore = AfxLiteGdiObjectCount();
    for (int i = 0; i < 200; i++) {
        CColorStatic label;
        ASSERT_TRUE(label.Create("Label", WS_CHILD | WS_VISIBLE, kLabelRect, &host, kLabelId));
        label.SetBkColor(RGB(i, 0, 0));
        label.SetBlinkBkColors(RGB(0, i, 0), RGB(0, 0, i));
        label.Font_SetWeight(FW_BOLD, true);
        label.StartBkBlink(1, kNeverMs);
        label.StartTextBlink(1, kNeverMs);
        Tick(label);
        PaintNow(label.m_hWnd);
        label.DestroyWindow();
    }
    EXPECT_EQ(nBefore, AfxLiteGdiObjectCount());
}

} // namespace
