// AppBaseTest.cpp: the folder set and CWinAppExt from a host's side: where
// the profile file goes, the "/rtfd" deletion, the reset prompt with scripted
// answers, and the reset end to end with a real host program (apphost/) that
// the shell restarts.
#include <WinAppExt.h>

#include "TestApp.h"
#include "frame/AppFolders.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>

namespace {

const std::string kCompany = "\\Quillon Voruvuz, Inc\\";

std::string Shell(int nFolder)
{
    char sz[MAX_PATH] = "";
    ::SHGetFolderPathA(NULL, nFolder, NULL, SHGFP_TYPE_CURRENT, sz);
    return sz;
}

std::string BinPath(const std::string& file)
{
    char sz[MAX_PATH] = "";
    ::GetModuleFileNameA(NULL, sz, MAX_PATH);
    const std::string path(sz);
    return path.substr(0, path.find_last_of('\\') + 1) + file;
}

std::string Ini(const std::string& ini, const char* pszEntry)
{
    char sz[256] = "";
    ::GetPrivateProfileStringA("Host", pszEntry, "(none)", sz, sizeof sz, ini.c_str());
    return sz;
}

// Removes a profile file, its folder, and the company folder when empty.
void RemoveProfile(const std::string& folder, const std::string& ini)
{
    ::DeleteFileA(ini.c_str());
    ::RemoveDirectoryA(folder.c_str());
    ::RemoveDirectoryA((Shell(CSIDL_PERSONAL) + kCompany).c_str());
}

class CAppUnderTest : public CWinAppExt
{
public:
    CAppUnderTest() : CWinAppExt("App Base Test") {}
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override
    {
        return TestApp().DoMessageBox(lpszPrompt, nType, nIDPrompt);
    }
};

const std::string kFolder = Shell(CSIDL_PERSONAL) + kCompany + "test_frame\\";
const std::string kIni = kFolder + "test_frame.ini";

TEST(AppBaseTest, FoldersAndTheProfileFileInTheDocumentsFolder)
{
    const CAppFolders folders;
    EXPECT_EQ(kCompany, folders.m_szCompany);
    EXPECT_STREQ("test_frame\\", folders.m_szApp);
    EXPECT_EQ(Shell(CSIDL_LOCAL_APPDATA) + kCompany, folders.m_szLocalAppData);
    EXPECT_EQ(Shell(CSIDL_COMMON_APPDATA) + kCompany, folders.m_szCommonAppData);
    EXPECT_EQ(Shell(CSIDL_COMMON_DOCUMENTS) + kCompany, folders.m_szCommonDocuments);
    RemoveProfile(kFolder, kIni);
    char first[400];
    folders.GetAppDocumentsFolder(first, sizeof first); // made on first need
    EXPECT_EQ(kFolder, first);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA(first));

    CAppUnderTest app;
    EXPECT_EQ(kIni, app.m_pszProfileName);
    // "/rtfd" anywhere in the command line, in its exact case only, deletes the file.
    const struct
    {
        const char* cmdLine;
        bool deletes;
    } rows[] = {{"/RTFD", false}, {"", false}, {nullptr, false}, {"-x/rtfdy", true}, {"/rtfd", true}};
    LPTSTR pPrevious = app.m_lpCmdLine;
    for (const auto& row : rows) {
        EXPECT_TRUE(app.WriteProfileInt("Host", "Pid", 1));
        char buf[16] = "";
        app.m_lpCmdLine = row.cmdLine != nullptr ? strcpy(buf, row.cmdLine) : nullptr;
        EXPECT_TRUE(app.InitInstance());
        EXPECT_EQ(row.deletes ? 7u : 1u, app.GetProfileInt("Host", "Pid", 7)) << row.cmdLine;
    }
    app.m_lpCmdLine = pPrevious;
    RemoveProfile(kFolder, kIni);
}

TEST(AppBaseTest, ResetToFactoryAsksOnlyWhenToldAndClosesOnOk)
{
    const struct
    {
        bool before, bReset, bAsk;
        int answer; // 0: no box
        bool after, closes;
    } rows[] = {
        {false, true, false, 0, true, false},      {true, false, false, 0, false, false},
        {true, false, true, 0, false, false},      {false, true, true, IDCANCEL, false, false},
        {true, true, true, IDCANCEL, true, false}, {false, true, true, IDOK, true, true},
    };
    CAppUnderTest app;
    CWnd main;
    ASSERT_TRUE(main.CreateEx(0, AfxRegisterWndClass(0), "main", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
    app.m_pMainWnd = &main;
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.before << row.bReset << row.bAsk << " answer " << row.answer);
        TestApp().ResetMessageBoxes();
        app.ResetToFactory(row.before, false);
        if (row.answer != 0)
            TestApp().ExpectMessageBox(row.answer);
        app.ResetToFactory(row.bReset, row.bAsk);
        EXPECT_EQ(row.after, app.GetResetToFactoryState());
        ASSERT_EQ(row.answer != 0 ? 1u : 0u, TestApp().MessageBoxes().size());
        if (row.answer != 0) {
            EXPECT_EQ("To Restore its Default's Configuration, the Application will be Restarted.",
                      TestApp().MessageBoxes()[0].text);
            EXPECT_EQ((UINT)(MB_OKCANCEL | MB_ICONQUESTION), TestApp().MessageBoxes()[0].type);
        }
        MSG msg;
        EXPECT_EQ(row.closes, !!::PeekMessageA(&msg, main.m_hWnd, WM_CLOSE, WM_CLOSE, PM_REMOVE));
    }
    app.ResetToFactory(false, false); // no restart of the test when app exits
    app.m_pMainWnd = nullptr;
    main.DestroyWindow();
    RemoveProfile(kFolder, kIni);
}

// Runs bin\<exe> with the arguments to its end; returns the exit code.
DWORD RunHost(const std::string& exe, const char* pszArgs, DWORD* pPid = nullptr)
{
    std::string cmd = "\"" + exe + "\" " + pszArgs;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(exe.c_str(), &cmd[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi))
        return 0xDEAD;
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pi.hProcess, 30000)) << cmd;
    DWORD code = 0xDEAD;
    ::GetExitCodeProcess(pi.hProcess, &code);
    if (pPid != nullptr)
        *pPid = pi.dwProcessId;
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return code;
}

TEST(AppBaseTest, ResetRestartsTheHostThroughTheShellWithDefaults)
{
    const std::string exe = BinPath("quillon_apphost.exe");
    const std::string folder = Shell(CSIDL_PERSONAL) + kCompany + "quillon_apphost\\";
    const std::string ini = folder + "quillon_apphost.ini";
    RemoveProfile(folder, ini);
    ASSERT_EQ(0u, RunHost(exe, "/write"));
    ASSERT_EQ("written", Ini(ini, "Setting")) << ini;

    // Changes in the folder wake the wait; the timeout only bounds it.
    const HANDLE hChange = ::FindFirstChangeNotificationA(
        folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_SIZE);
    DWORD firstPid = 0, restartedPid = 0;
    EXPECT_EQ(0u, RunHost(exe, "/reset", &firstPid)) << "the setting did not reach the second run";
    // The restarted instance writes its process id last: 30 s at most.
    for (DWORD start = ::GetTickCount(); restartedPid == 0 && ::GetTickCount() - start < 30000;) {
        restartedPid = ::GetPrivateProfileIntA("Host", "Pid", 0, ini.c_str());
        ::WaitForSingleObject(hChange, restartedPid == 0 ? 250 : 0);
        ::FindNextChangeNotification(hChange);
    }
    ::FindCloseChangeNotification(hChange);
    ASSERT_NE(0u, restartedPid) << "no restarted instance wrote " << ini;
    EXPECT_NE(firstPid, restartedPid);
    if (HANDLE hRestarted = ::OpenProcess(SYNCHRONIZE, FALSE, restartedPid)) {
        EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hRestarted, 30000));
        ::CloseHandle(hRestarted);
    }
    EXPECT_EQ("default", Ini(ini, "Seen")) << "the old setting survived the restart";
    EXPECT_EQ("default", Ini(ini, "Setting"));
    EXPECT_NE(std::string::npos, Ini(ini, "CmdLine").find("/rtfd"));
    RemoveProfile(folder, ini);

    // A name longer than the folder component holds is cut for the folder only.
    const std::string name(70, 'n');
    ASSERT_TRUE(::CopyFileA(exe.c_str(), BinPath(name + ".exe").c_str(), FALSE));
    const std::string longFolder = Shell(CSIDL_PERSONAL) + kCompany + name.substr(0, 62) + "\\";
    EXPECT_EQ(0u, RunHost(BinPath(name + ".exe"), "/write"));
    EXPECT_EQ("written", Ini(longFolder + name + ".ini", "Setting"));
    RemoveProfile(longFolder, longFolder + name + ".ini");
    ::DeleteFileA(BinPath(name + ".exe").c_str());
}

} // namespace
