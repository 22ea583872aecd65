// afxlite_winmain_host.exe: a GUI program with a CWinApp object and no
// WinMain or main of its own, as a framework host is written.  AppTest runs
// it: afxlite's WinMain must start it, hand it the command line, run its
// message loop with idle processing and return ExitInstance's code.
//
// Command line: "--exit N".  The exit code is N, plus 100 when the loop went
// idle before the quit, plus 1000 when the command line did not arrive.
// "--assert B" fails an ASSERT instead, with a hook that answers the
// assertion message box with button B: exit code 70 when the program went on
// after it, 99 when the box was not the one expected.
#include <afxwin.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const UINT WM_HOST_START = WM_APP + 7;

class CHostWnd : public CWnd
{
protected:
    afx_msg LRESULT OnStart(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()
};

class CHostApp : public CWinApp
{
public:
    CHostApp() : CWinApp("WinMain Host") {}
    BOOL InitInstance() override;
    BOOL OnIdle(LONG lCount) override;
    int ExitInstance() override;

    int m_nCode = 1000; // from the command line
    bool m_bStarted = false;
    bool m_bIdleAfterStart = false;

private:
    CHostWnd m_wnd;
};

CHostApp theApp;

BEGIN_MESSAGE_MAP(CHostWnd, CWnd)
    ON_MESSAGE(WM_HOST_START, OnStart)
END_MESSAGE_MAP()

LRESULT CHostWnd::OnStart(WPARAM, LPARAM)
{
    theApp.m_bStarted = true;
    return 0;
}

// Answers the assertion box with the button given on the command line, once
// the box is up (its texts are set when its loop runs).
HHOOK g_hHook = NULL;
HWND g_hBox = NULL;
WPARAM g_nButton = 0;

void CALLBACK CheckAndAnswer(HWND, UINT, UINT_PTR nID, DWORD)
{
    ::KillTimer(NULL, nID);
    char caption[64] = {};
    ::GetWindowTextA(g_hBox, caption, sizeof caption);
    std::string text; // the box's static holds the message
    for (HWND h = ::GetWindow(g_hBox, GW_CHILD); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT)) {
        char buf[512] = {};
        ::GetWindowTextA(h, buf, sizeof buf);
        text += buf;
    }
    if (std::strcmp(caption, "Microsoft Visual C++ Debug Library") != 0)
        ::ExitProcess(97);
    if (text.find("Debug Assertion Failed!") == std::string::npos ||
        text.find("Expression: 1 == 2") == std::string::npos)
        ::ExitProcess(98);
    ::PostMessageA(g_hBox, WM_COMMAND, g_nButton, 0);
}

LRESULT CALLBACK AnswerAssertionBox(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HCBT_ACTIVATE && g_hBox == NULL) {
        g_hBox = reinterpret_cast<HWND>(wParam);
        ::SetTimer(NULL, 0, 1, CheckAndAnswer);
    }
    return ::CallNextHookEx(g_hHook, nCode, wParam, lParam);
}

BOOL CHostApp::InitInstance()
{
    if (const char* a = m_lpCmdLine != nullptr ? std::strstr(m_lpCmdLine, "--assert ") : nullptr) {
        g_nButton = static_cast<WPARAM>(std::atoi(a + 9));
        g_hHook = ::SetWindowsHookExA(WH_CBT, AnswerAssertionBox, NULL, ::GetCurrentThreadId());
        ASSERT(1 == 2);
        ::ExitProcess(70);
    }
    const char* p = m_lpCmdLine != nullptr ? std::strstr(m_lpCmdLine, "--exit ") : nullptr;
    if (p != nullptr)
        m_nCode = std::atoi(p + 7);
    if (!m_wnd.CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP, 0, 0, 10, 10, NULL, NULL))
        return FALSE;
    m_pMainWnd = &m_wnd;
    m_wnd.PostMessage(WM_HOST_START);
    return TRUE;
}

BOOL CHostApp::OnIdle(LONG lCount)
{
    BOOL bMore = CWinApp::OnIdle(lCount);
    if (m_bStarted && !bMore) {
        m_bIdleAfterStart = true;
        m_pMainWnd = nullptr;
        m_wnd.DestroyWindow();
        ::PostQuitMessage(m_nCode + 100);
    }
    return bMore;
}

int CHostApp::ExitInstance()
{
    return CWinApp::ExitInstance(); // the WM_QUIT code
}

} // namespace
