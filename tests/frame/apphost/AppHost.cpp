// quillon_apphost.exe: a host program whose application object derives from
// CWinAppExt, started by AppBaseTest (and, through the shell, by itself).
//
// Command line:
//   /write   writes the setting "Host"/"Setting" = "written", exits 0
//   /reset   expects that setting (else exits 2), calls
//            ResetToFactory(true, false) and exits: ExitInstance restarts
//            the program with "/rtfd"
//   other    (the restarted instance): reads the setting into "Seen"
//            (default "default"), writes the default back, the command line
//            into "CmdLine" and, last, its process id into "Pid"
#include <WinAppExt.h>

#include <cstring>

namespace {

class CAppHost : public CWinAppExt
{
public:
    CAppHost() : CWinAppExt("Quillon App Host") {}
    BOOL InitInstance() override;
    int ExitInstance() override
    {
        const int nCode = CWinAppExt::ExitInstance();
        return m_nExitCode != 0 ? m_nExitCode : nCode;
    }

private:
    int m_nExitCode = 0;
};

CAppHost theApp;

BOOL CAppHost::InitInstance()
{
    CWinAppExt::InitInstance();
    const char* pszCmd = m_lpCmdLine != nullptr ? m_lpCmdLine : "";
    const CString strSetting = GetProfileString("Host", "Setting", "default");
    if (std::strstr(pszCmd, "/write") != nullptr) {
        WriteProfileString("Host", "Setting", "written");
    } else if (std::strstr(pszCmd, "/reset") != nullptr) {
        if (strSetting != "written")
            m_nExitCode = 2;
        else
            ResetToFactory(true, false);
    } else {
        WriteProfileString("Host", "Seen", strSetting);
        WriteProfileString("Host", "Setting", "default");
        WriteProfileString("Host", "CmdLine", pszCmd);
        WriteProfileInt("Host", "Pid", static_cast<int>(::GetCurrentProcessId()));
    }
    return TRUE; // no main window: the loop ends at once and ExitInstance runs
}

} // namespace
