// Entry point of every Windows test executable: afxlite initialised with the
// scripted test application, then GoogleTest on the same thread.
#include "TestApp.h"

#include <gtest/gtest.h>

namespace {

CTestApp theApp;

UINT_PTR g_watchdog = 0;      // the thread timer of the running test, 0 when none
bool g_watchdogFired = false; // this test has been failed by it already

BOOL CALLBACK CancelWindow(HWND hWnd, LPARAM)
{
    if (::IsWindowVisible(hWnd) && ::IsWindowEnabled(hWnd))
        ::PostMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

// Fails a test stuck in a message loop and cancels its windows; then
// watches every second for the next loop the same test may enter.
void CALLBACK WatchdogProc(HWND, UINT, UINT_PTR id, DWORD)
{
    ::KillTimer(NULL, id);
    if (!g_watchdogFired)
        ADD_FAILURE() << "test still running after " << kTestWatchdogMs
                      << " ms inside a message loop; cancelling its windows";
    g_watchdogFired = true;
    ::EnumThreadWindows(::GetCurrentThreadId(), CancelWindow, 0);
    g_watchdog = ::SetTimer(NULL, 0, 1000, WatchdogProc);
}

class TestAppListener : public testing::EmptyTestEventListener
{
public:
    void OnTestStart(const testing::TestInfo&) override
    {
        TestApp().ResetMessageBoxes();
        g_watchdogFired = false;
        g_watchdog = ::SetTimer(NULL, 0, kTestWatchdogMs, WatchdogProc);
    }
    void OnTestEnd(const testing::TestInfo&) override
    {
        if (g_watchdog != 0)
            ::KillTimer(NULL, g_watchdog);
        g_watchdog = 0;
        EXPECT_EQ(0u, TestApp().PendingAnswers()) << "scripted message-box answers left unused";
    }
};

} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // The command line is GoogleTest's: the application gets an empty one.
    if (!AfxWinInit(::GetModuleHandleA(NULL), NULL, const_cast<LPSTR>(""), SW_SHOW) ||
        !theApp.InitApplication() || !theApp.InitInstance()) {
        std::fprintf(stderr, "test main: afxlite initialisation failed\n");
        return 2;
    }
    testing::UnitTest::GetInstance()->listeners().Append(new TestAppListener);
    int result = RUN_ALL_TESTS();
    theApp.ExitInstance();
    AfxWinTerm();
    return result;
}
