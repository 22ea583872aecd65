// quillon_apphost.exe: a host program on CWinAppExt, started by AppBaseTest
// and, through the shell, by itself.  "/write" stores a setting; "/reset"
// checks it (else exit code 2) and asks for the reset, so it restarts at
// exit; any other command line (the restarted "/rtfd" instance) records what
// it read, writes its default, its command line and, last, its process id.
#include <WinAppExt.h>

#include <cstring>

namespace {

class CAppHost : public CWinAppExt
{
public:
    CAppHost() : CWinAppExt("Quillon App Host") {}
    BOOL InitInstance() override
    {
        CWinAppExt::InitInstance();
        const char* pszCmd = m_lpCmdLine != nullptr ? m_lpCmdLine : "";
        const CString strSetting = GetProfileString("Host", "Setting", "default");
        if (std::strstr(pszCmd, "/write") != nullptr) {
            WriteProfileString("Host", "Setting", "written");
        } else if (std::strstr(pszCmd, "/reset") != nullptr) {
            m_nExitCode = strSetting == "written" ? 0 : 2;
            ResetToFactory(m_nExitCode == 0, false);
        } else {
            WriteProfileString("Host", "Seen", strSetting);
            WriteProfileString("Host", "Setting", "default");
            WriteProfileString("Host", "CmdLine", pszCmd);
            WriteProfileInt("Host", "Pid", static_cast<int>(::GetCurrentProcessId()));
        }
        return TRUE; // no main window: the loop ends at once, ExitInstance runs
    }
    int ExitInstance() override
    {
        const int nCode = CWinAppExt::ExitInstance();
        return m_nExitCode != 0 ? m_nExitCode : nCode;
    }

private:
    int m_nExitCode = 0;
};

CAppHost theApp;

} // namespace
