// afxlite_winmain_host.exe: a GUI program with a CWinApp object and no
// WinMain or main of its own, as a framework host is written.  AppTest runs
// it: afxlite's WinMain must start it, hand it the command line, run its
// message loop with idle processing and return ExitInstance's code.
//
// Command line: "--exit N".  The exit code is N, plus 100 when the loop went
// idle before the quit, plus 1000 when the command line did not arrive.
#include <afxwin.h>

#include <cstdlib>
#include <cstring>

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

BOOL CHostApp::InitInstance()
{
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
