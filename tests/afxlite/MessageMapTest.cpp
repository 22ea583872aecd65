// Message maps: each ON_ entry reaches its handler with the arguments cracked
// as MFC documents them (coordinates signed), results travel back to the
// sender, and derived maps fall through to their bases.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <stdarg.h>
#include <stdio.h>
#include <string>

namespace {

const UINT WM_PROBE = WM_USER + 5;
const UINT ID_FIRST = 1000;

// Every handler appends one line to m_log; its arguments are printed.
class CProbeWnd : public CWnd
{
public:
    std::string m_log;
    void Log(const char* fmt, ...)
    {
        char buf[160];
        va_list args;
        va_start(args, fmt);
        vsnprintf(buf, sizeof buf, fmt, args);
        va_end(args);
        m_log += buf;
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        Log("Create %s;", lpcs->lpszName);
        return CWnd::OnCreate(lpcs);
    }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint pt)
    {
        Log("LButtonDown %u %d %d;", nFlags, (int)pt.x, (int)pt.y);
    }
    afx_msg void OnSize(UINT nType, int cx, int cy) { Log("Size %u %d %d;", nType, cx, cy); }
    afx_msg void OnChar(UINT nChar, UINT nRep, UINT nFlags) { Log("Char %u %u %u;", nChar, nRep, nFlags); }
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
    {
        Log("MouseWheel %u %d %d %d;", nFlags, zDelta, (int)pt.x, (int)pt.y);
        return TRUE;
    }
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pt)
    {
        Log("ContextMenu %s %d %d;", pWnd == this ? "self" : "other", (int)pt.x, (int)pt.y);
    }
    afx_msg LRESULT OnNcHitTest(CPoint pt)
    {
        Log("NcHitTest %d %d;", (int)pt.x, (int)pt.y);
        return HTCAPTION;
    }
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
    {
        Log("SetCursor %s %u %u;", pWnd == this ? "self" : "other", nHitTest, message);
        return TRUE;
    }
    afx_msg LRESULT OnProbe(WPARAM wParam, LPARAM lParam)
    {
        Log("Probe %d %d;", (int)wParam, (int)lParam);
        return wParam + lParam;
    }
    afx_msg void OnFirst() { Log("First;"); }
    afx_msg void OnRange(UINT nID) { Log("Range %u;", nID); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_LBUTTONDOWN()
    ON_WM_SIZE()
    ON_WM_CHAR()
    ON_WM_MOUSEWHEEL()
    ON_WM_CONTEXTMENU()
    ON_WM_NCHITTEST()
    ON_WM_SETCURSOR()
    ON_MESSAGE(WM_PROBE, OnProbe)
    ON_COMMAND(ID_FIRST, OnFirst)
    ON_COMMAND_RANGE(ID_FIRST + 1, ID_FIRST + 9, OnRange)
END_MESSAGE_MAP()

// Overrides one handler and adds one; everything else falls through to CProbeWnd.
class CDerivedProbeWnd : public CProbeWnd
{
protected:
    afx_msg void OnSize(UINT nType, int cx, int cy) { Log("DerivedSize %u %d %d;", nType, cx, cy); }
    afx_msg void OnKeyDown(UINT nChar, UINT, UINT) { Log("KeyDown %u;", nChar); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedProbeWnd, CProbeWnd)
    ON_WM_SIZE()
    ON_WM_KEYDOWN()
END_MESSAGE_MAP()

template <class T> bool CreateTopLevel(T& wnd, const char* name = "probe")
{
    return wnd.CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), name, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                        nullptr, nullptr) != FALSE;
}

struct DispatchRow
{
    const char* label;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    const char* log;
    LRESULT result;
};

template <size_t N> void Dispatch(CProbeWnd& wnd, const DispatchRow (&rows)[N])
{
    for (const DispatchRow& row : rows) {
        wnd.m_log.clear();
        const LRESULT lResult = ::SendMessageA(wnd.m_hWnd, row.message, row.wParam, row.lParam);
        EXPECT_EQ(row.log, wnd.m_log) << row.label;
        EXPECT_EQ(row.result, lResult) << row.label;
    }
}

TEST(MessageMapTest, HandlersReceiveCrackedArguments)
{
    CProbeWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd, "born"));
    // WM_CREATE came before CreateEx returned, with the window's name.
    EXPECT_EQ(0u, wnd.m_log.find("Create born;")) << wnd.m_log;
    const DispatchRow rows[] = {
        {"button down left of and above the window (signed)", WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT,
         MAKELPARAM(-5, -7), "LButtonDown 5 -5 -7;", 0},
        {"size as two unsigned words", WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480), "Size 2 640 480;", 0},
        {"char with repeat count and scan code", WM_CHAR, 'x', MAKELPARAM(3, 0x1E), "Char 120 3 30;", 0},
        {"wheel turned towards the user", WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, (WORD)-240),
         MAKELPARAM(-1, 2), "MouseWheel 8 -240 -1 2;", TRUE},
        {"hit test returns its code", WM_NCHITTEST, 0, MAKELPARAM(10, -2), "NcHitTest 10 -2;", HTCAPTION},
        {"raw message returns its own result", WM_PROBE, 11, 22, "Probe 11 22;", 33},
        // A handled WM_COMMAND answers 1, as MFC's does; an unhandled one goes to DefWindowProc.
        {"menu command", WM_COMMAND, MAKEWPARAM(ID_FIRST, 0), 0, "First;", 1},
        {"menu command in a range", WM_COMMAND, MAKEWPARAM(ID_FIRST + 4, 0), 0, "Range 1004;", 1},
        {"command outside every entry", WM_COMMAND, MAKEWPARAM(ID_FIRST + 10, 0), 0, "", 0},
        {"unmapped message goes to DefWindowProc", WM_USER + 9, 1, 2, "", 0},
    };
    Dispatch(wnd, rows);
    // Handlers that receive windows get this object for its own handle.
    wnd.m_log.clear();
    ::SendMessageA(wnd.m_hWnd, WM_CONTEXTMENU, (WPARAM)wnd.m_hWnd, MAKELPARAM(-1, -1));
    ::SendMessageA(wnd.m_hWnd, WM_SETCURSOR, (WPARAM)wnd.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ("ContextMenu self -1 -1;SetCursor self 1 512;", wnd.m_log);
    wnd.DestroyWindow();
}

TEST(MessageMapTest, DerivedMapFallsThroughToBase)
{
    CDerivedProbeWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd));
    const DispatchRow rows[] = {
        {"handler overridden in the derived map", WM_SIZE, SIZE_RESTORED, MAKELPARAM(30, 40),
         "DerivedSize 0 30 40;", 0},
        {"handler only in the derived map", WM_KEYDOWN, VK_F2, 1, "KeyDown 113;", 0},
        {"handler only in the base map", WM_LBUTTONDOWN, 0, MAKELPARAM(1, 2), "LButtonDown 0 1 2;", 0},
    };
    Dispatch(wnd, rows);
    wnd.DestroyWindow();
}

// Default() relies on the thread state: inside a handler it holds the
// handler's message, and a nested send does not disturb it once it returns.
class CNestedWnd : public CWnd
{
public:
    UINT m_nSeenOuter = 0, m_nSeenInner = 0, m_nSeenAfterInner = 0;

protected:
    afx_msg LRESULT OnOuter(WPARAM, LPARAM)
    {
        m_nSeenOuter = AfxGetThreadState()->m_lastSentMsg.message;
        SendMessage(WM_PROBE + 1, 0, 0);
        m_nSeenAfterInner = AfxGetThreadState()->m_lastSentMsg.message;
        return 0;
    }
    afx_msg LRESULT OnInner(WPARAM, LPARAM)
    {
        m_nSeenInner = AfxGetThreadState()->m_lastSentMsg.message;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNestedWnd, CWnd)
    ON_MESSAGE(WM_PROBE, OnOuter)
    ON_MESSAGE(WM_PROBE + 1, OnInner)
END_MESSAGE_MAP()

TEST(MessageMapTest, ThreadStateHoldsTheMessageBeingHandled)
{
    CNestedWnd wnd;
    ASSERT_TRUE(CreateTopLevel(wnd));
    ::SendMessageA(wnd.m_hWnd, WM_PROBE, 0, 0);
    EXPECT_EQ(WM_PROBE, wnd.m_nSeenOuter);
    EXPECT_EQ(WM_PROBE + 1, wnd.m_nSeenInner);
    EXPECT_EQ(WM_PROBE, wnd.m_nSeenAfterInner);
    wnd.DestroyWindow();
}

} // namespace
