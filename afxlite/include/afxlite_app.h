// afxlite_app.h: the thread and application objects (CWinThread, CWinApp),
// the message loop with idle processing, the application profile and
// AfxMessageBox.  Included by afxwin.h.
//
// Differences from MFC: no document templates, no OLE, no help, no threads
// other than the one that constructed the application (CreateThread and
// AfxBeginThread are not provided).  A CWinApp owns m_pszAppName,
// m_pszExeName, m_pszProfileName and m_pszRegistryKey as heap strings
// (_strdup/free), as MFC does: to replace one, free the old value and store
// a _strdup copy.
#pragma once

#include "afxlite_config.h"

class CWnd;

// ---------------------------------------------------------------------------
// CWinThread: a user-interface thread with its message loop.
class AFXLITE_API CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)

public:
    // Construction
    CWinThread();
    virtual ~CWinThread();

    // Attributes
    CWnd* m_pMainWnd;   // the thread's main window; its destruction ends the loop
    CWnd* m_pActiveWnd; // the active in-place window, unused here (always null)
    BOOL m_bAutoDelete; // delete the object when the thread ends (unused: no thread start)
    HANDLE m_hThread;   // pseudo handle of the thread that runs the loop
    DWORD m_nThreadID;  // id of that thread
    MSG m_msgCur;       // the message being processed by the loop

    operator HANDLE() const { return m_hThread; }
    virtual CWnd* GetMainWnd();

    // Overridables
    virtual BOOL InitInstance();
    // The message loop: pumps until WM_QUIT, going idle whenever the queue
    // empties; returns ExitInstance().
    virtual int Run();
    // Offers a queued message to the window that will receive it and to its
    // parents (each one's CWnd::PreTranslateMessage), then to the main window.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Gets one message, pre-translates, translates and dispatches it; FALSE
    // on WM_QUIT.
    virtual BOOL PumpMessage();
    // Idle work; lCount counts the calls since the last input message.
    // Deletes the temporary FromHandle objects; returns TRUE for more calls.
    virtual BOOL OnIdle(LONG lCount);
    // Whether a message ends an idle period (mouse moves to the same place and
    // caret blinks do not).
    virtual BOOL IsIdleMessage(MSG* pMsg);
    // Called when the loop ends; returns the exit code (the WM_QUIT wParam).
    virtual int ExitInstance();

    // Not provided by afxlite: thread creation, suspension, priorities.
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0,
                      LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);

protected:
    POINT m_ptCursorLast; // cursor position of the last WM_MOUSEMOVE seen
    UINT m_nMsgLast;      // the last message the loop processed
};

// ---------------------------------------------------------------------------
// CWinApp: the application object; exactly one per process, constructed
// before AfxWinMain (or AfxWinInit, in a console or test host) runs.
class AFXLITE_API CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)

public:
    // Construction
    explicit CWinApp(LPCTSTR lpszAppName = NULL);
    virtual ~CWinApp();

    // Attributes
    LPCTSTR m_pszAppName;      // title of message boxes; the profile's application name
    HINSTANCE m_hInstance;     // the executable's instance handle
    HINSTANCE m_hPrevInstance; // always null on Win32
    LPTSTR m_lpCmdLine;        // command line after the program name
    int m_nCmdShow;            // show command handed to WinMain
    LPCTSTR m_pszExeName;      // executable file name without path or extension
    LPCTSTR m_pszHelpFilePath; // unused, kept for source compatibility (null)
    LPCTSTR m_pszProfileName;  // INI file name (default "<exe name>.INI", or a full
                               // path); after SetRegistryKey the application's key
    LPCTSTR m_pszRegistryKey;  // company key under HKCU\Software; null: profile is an INI file

    // Initialisation
    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();
    virtual BOOL OnIdle(LONG lCount);

    // Profile.  Without a registry key these read and write the INI file
    // named by m_pszProfileName; after SetRegistryKey they use
    // HKEY_CURRENT_USER\Software\<key>\<m_pszProfileName>\<section>.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    HKEY GetAppRegistryKey();                // caller closes it; null without a registry key
    HKEY GetSectionKey(LPCTSTR lpszSection); // created if missing; caller closes it

    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = NULL);
    // A null value deletes the entry; a null entry deletes the whole section.
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    // *ppData is allocated with new[]; the caller deletes it with delete[].
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);

    // Resources, looked up through the resource chain (the executable, then
    // the extension modules).
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;
    HICON LoadOEMIcon(UINT nIDIcon) const;
    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
    HCURSOR LoadOEMCursor(UINT nIDCursor) const;

    // Every AfxMessageBox goes through here.  Shows a task-modal box owned by
    // the active window of the main window, titled with m_pszAppName; adds
    // the usual icon when the style has none.  Test hosts override it.
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);

    // Fills m_hInstance-derived fields (exe name, default profile and app
    // names); called by AfxWinInit.
    void SetCurrentHandles();
};

// ---------------------------------------------------------------------------
// Global access and start-up.

AFXLITE_API CWinApp* AFXAPI AfxGetApp();
AFXLITE_API CWinThread* AFXAPI AfxGetThread();
AFXLITE_API CWnd* AFXAPI AfxGetMainWnd();
AFXLITE_API LPCTSTR AFXAPI AfxGetAppName();

// Start-up of the framework: records the instance handle and command line in
// the module state and the application object.  AfxWinMain calls it; a
// console or test program that has its own main() calls it itself:
//   AfxWinInit(::GetModuleHandle(NULL), NULL, ::GetCommandLine(), SW_SHOW)
AFXLITE_API BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine,
                                   int nCmdShow);
AFXLITE_API void AFXAPI AfxWinTerm();
// The body of a framework program: AfxWinInit, InitApplication,
// InitInstance, Run.  afxlite.dll exports a WinMain that calls it, so a GUI
// host that defines a CWinApp object and no WinMain of its own gets this one.
AFXLITE_API int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine,
                                  int nCmdShow);

// Message boxes through the application's DoMessageBox.  The id form loads
// the text from the resource chain; its help id defaults to the prompt id.
AFXLITE_API int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
AFXLITE_API int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
