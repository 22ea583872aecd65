// An application object with its own profile file and a "restore defaults"
// command that restarts the program.
#include <afxwin.h>
#include <WinAppExt.h>

class CMyApp : public CWinAppExt
{
public:
    CMyApp() : CWinAppExt("My Tool") {}

    BOOL InitInstance() override
    {
        CWinAppExt::InitInstance(); // first: "/rtfd" deletes the old profile here
        m_nZoom = GetProfileInt("View", "Zoom", 100); // reads the tool's own .ini
        // ... create the main window, m_pMainWnd = ...
        return TRUE;
    }

    int ExitInstance() override
    {
        WriteProfileInt("View", "Zoom", m_nZoom);
        return CWinAppExt::ExitInstance(); // restarts with "/rtfd" when asked to
    }

    // Bound to a menu command: asks, then closes the main window; the
    // program comes back with its factory settings.
    void OnRestoreDefaults() { ResetToFactory(true, true); }

private:
    int m_nZoom = 100;
};
