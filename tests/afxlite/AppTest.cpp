// The application object: the message loop and its idle processing (the
// temporaries freed there), afxlite's WinMain, the GUI assertion box, and
// the end of the main window.
#include "TestApp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A host window for the loop tests: counts a private message and, when asked,
// keeps a temporary CWnd alive past its handler.
const UINT WM_TEST_PING = WM_APP + 1;

class CPingWnd : public CWnd
{
public:
    int m_nPings = 0;
    HWND m_hWndForTemp = NULL; // FromHandle'd while handling a ping

protected:
    afx_msg LRESULT OnPing(WPARAM, LPARAM)
    {
        ++m_nPings;
        if (m_hWndForTemp != NULL)
            CWnd::FromHandle(m_hWndForTemp);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPingWnd, CWnd)
    ON_MESSAGE(WM_TEST_PING, OnPing)
END_MESSAGE_MAP()

// An application object of its own for running the loop: records the idle
// calls and ends the loop once idle processing has nothing left to do.
class CLoopApp : public CWinApp
{
public:
    CLoopApp() : CWinApp("Loop Test") {}
    std::vector<LONG> m_idleCalls;
    std::vector<UINT> m_preTranslated; // messages offered to PreTranslateMessage

    BOOL OnIdle(LONG lCount) override
    {
        m_idleCalls.push_back(lCount);
        BOOL bMore = CWinApp::OnIdle(lCount);
        if (!bMore)
            ::PostQuitMessage(7);
        return bMore;
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        m_preTranslated.push_back(pMsg->message);
        return CWinApp::PreTranslateMessage(pMsg);
    }
};

HWND CreatePlainStatic()
{
    return ::CreateWindowExA(0, "STATIC", "plain", WS_POPUP, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
}

TEST(AppTest, RunDispatchesThenIdlesThenEndsWithTheQuitCode)
{
    HWND hPlain = CreatePlainStatic();
    ASSERT_NE(nullptr, hPlain);
    CLoopApp app;
    CPingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "loop", WS_POPUP, 0, 0, 50, 50, NULL, NULL));
    wnd.m_hWndForTemp = hPlain;
    app.m_pMainWnd = &wnd;
    CTestApp::PumpPending(); // creation leftovers, so the loop starts with an empty queue

    wnd.PostMessage(WM_TEST_PING);
    int nExit = app.Run();

    EXPECT_EQ(7, nExit);
    EXPECT_EQ(1, wnd.m_nPings);
    // The ping went through PreTranslateMessage before its handler.
    ASSERT_FALSE(app.m_preTranslated.empty());
    EXPECT_EQ(WM_TEST_PING, app.m_preTranslated.front());
    // The application wants a second idle call (count 1) and then stops.
    EXPECT_EQ((std::vector<LONG>{0, 1}), app.m_idleCalls);
    // The temporary CWnd made by the handler went at idle time.
    size_t nPerm = 0, nTemp = 0;
    AfxGetWndMapCounts(&nPerm, &nTemp);
    EXPECT_EQ(0u, nTemp);

    app.m_pMainWnd = nullptr;
    wnd.DestroyWindow();
    ::DestroyWindow(hPlain);
}

// Runs afxlite_winmain_host.exe with the arguments; its exit code.
DWORD RunHost(const char* args)
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(NULL, path, MAX_PATH);
    std::string exe(path);
    exe = exe.substr(0, exe.find_last_of('\\') + 1) + "afxlite_winmain_host.exe";
    std::string cmd = "\"" + exe + "\" " + args;
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(exe.c_str(), &cmd[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return ~0u;
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pi.hProcess, 15000));
    DWORD code = 0;
    ::GetExitCodeProcess(pi.hProcess, &code);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return code;
}

// A GUI program with only a CWinApp object: afxlite's WinMain starts it.
TEST(AppTest, HostWithoutWinMainRunsThroughAfxliteWinMain)
{
    // 23 from the command line, +100 because the loop went idle after the
    // posted start message (no +1000: the command line arrived).
    EXPECT_EQ(123u, RunHost("--exit 23"));
}

// A failed ASSERT in a GUI process shows the assertion box (checked by the
// host: 99 otherwise): Ignore goes on, Abort ends the process with code 3.
TEST(AppTest, AssertionInAGuiProcessAsksWithTheMessageBox)
{
#if defined(_DEBUG)
    EXPECT_EQ(70u, RunHost("--assert 5")); // IDIGNORE
    EXPECT_EQ(3u, RunHost("--assert 3"));  // IDABORT
#endif
}

} // namespace

TEST(AppTest, DestroyingTheMainWindowPostsQuitAndForgetsIt)
{
    CTestApp::PumpPending();
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "main", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    CWinThread* pThread = AfxGetThread();
    CWnd* pPrevious = pThread->m_pMainWnd;
    pThread->m_pMainWnd = &wnd;

    wnd.DestroyWindow();

    EXPECT_EQ(nullptr, pThread->m_pMainWnd);
    MSG msg;
    EXPECT_TRUE(::PeekMessage(&msg, NULL, WM_QUIT, WM_QUIT, PM_REMOVE));
    pThread->m_pMainWnd = pPrevious;
}
