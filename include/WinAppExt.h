// WinAppExt.h: an application base class that keeps the host's settings in
// a profile file of its own and restores factory settings by restarting the
// program.
#pragma once

#include "Quillon.h"

// CWinAppExt: derive the application object from it instead of CWinApp.
//
// Profile: the constructor points the framework's profile name
// (m_pszProfileName, a heap string the application owns: strdup'ed, free()d)
// at a per-user INI file, so every GetProfileString / WriteProfileInt / ...
// of the framework and of the library's controls reads and writes it:
//
//     <Documents>\Quillon Voruvuz, Inc\<exe name>\<exe name>.ini
//
// where <Documents> is the shell's per-user documents folder and <exe name>
// the running executable's file name without extension.  The folder is
// created at construction when missing; a failure to create it is not
// reported (the profile writes then fail as the framework's do).  The folder
// component holds at most 62 characters of the name: a longer executable name
// is cut there for the folder, while the file keeps the whole name.  Call
// SetRegistryKey and the framework uses the registry instead, as in MFC.
//
// Reset to factory: ResetToFactory(true, ...) marks the program for a
// restart; at exit, ExitInstance starts the executable again through the
// shell with the switch "/rtfd", and that instance's InitInstance deletes
// the profile file before the host reads a setting.  A host's InitInstance
// therefore calls CWinAppExt::InitInstance first.  The switch is found
// anywhere in the command line (case-sensitive, also inside a longer word).
class AFX_EXT_CLASS CWinAppExt : public CWinApp
{
    // Construction
public:
    // Sets the profile name to the file above (freeing any earlier one).
    explicit CWinAppExt(const char* lpszAppName);
    // Frees the profile name and sets it to null.
    virtual ~CWinAppExt();

    // Overridables
public:
    // Deletes the profile file when the command line holds "/rtfd"; returns
    // TRUE.  It does not call CWinApp::InitInstance.
    virtual BOOL InitInstance();
    // When the reset flag is set, starts the executable again with "/rtfd"
    // (ShellExecuteA "open", SW_SHOW; a failure is ignored); returns
    // CWinApp::ExitInstance().
    virtual int ExitInstance();

    // Operations
public:
    // bReset is the new flag.  With both arguments true the user is asked
    // first (OK/Cancel); Cancel changes nothing, OK sets the flag and posts
    // WM_CLOSE to the current thread's main window.  Any other combination
    // sets the flag to bReset without asking or closing.
    void ResetToFactory(bool bReset, bool bAskAndClose);

    // Attributes
public:
    bool GetResetToFactoryState(); // the flag ExitInstance reads
    CString GetProfilePath();      // the profile file's full path

    // Implementation
protected:
    bool m_bResetToFactory; // restart with "/rtfd" at exit; false after construction
};
