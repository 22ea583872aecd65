// AppBaseTest.cpp: the folder set and CWinAppExt from a host's side: the
// profile file's place, the "/rtfd" deletion, the reset prompt with scripted
// answers, and the whole reset end to end with a real host program that the
// shell restarts.
#include <WinAppExt.h>

#include "TestApp.h"
#include "frame/AppFolders.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>

namespace {

const char kCompany[] = "\\Quillon Voruvuz, Inc\\";

std::string ShellFolder(int nFolder)
{
    char sz[MAX_PATH] = "";
    EXPECT_EQ(S_OK, ::SHGetFolderPathA(NULL, nFolder, NULL, SHGFP_TYPE_CURRENT, sz));
    return sz;
}

// <Documents>\Quillon Voruvuz, Inc\<folderName>\ .
std::string AppDocuments(const std::string& folderName)
{
    return ShellFolder(CSIDL_PERSONAL) + kCompany + folderName + "\\";
}

std::string BinPath(const char* pszFile)
{
    char sz[MAX_PATH] = "";
    ::GetModuleFileNameA(NULL, sz, MAX_PATH);
    std::string path(sz);
    return path.substr(0, path.find_last_of('\\') + 1) + pszFile;
}

bool Exists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string IniString(const std::string& ini, const char* pszEntry)
{
    char sz[256] = "";
    ::GetPrivateProfileStringA("Host", pszEntry, "(none)", sz, sizeof sz, ini.c_str());
    return sz;
}

// Removes a test's profile file and its folders (the company folder only
// when nothing else lives in it).
void RemoveProfile(const std::string& folder, const std::string& ini)
{
    ::DeleteFileA(ini.c_str());
    ::RemoveDirectoryA(folder.c_str());
    ::RemoveDirectoryA((ShellFolder(CSIDL_PERSONAL) + kCompany).c_str());
}

// The test process's own application base; its boxes are scripted.
class CAppUnderTest : public CWinAppExt
{
public:
    CAppUnderTest() : CWinAppExt("App Base Test") {}
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override
    {
        return TestApp().DoMessageBox(lpszPrompt, nType, nIDPrompt);
    }
};

TEST(AppFoldersTest, FoldersComposeTheShellsFoldersWithTheMakersComponents)
{
    const CAppFolders folders;
    EXPECT_STREQ(kCompany, folders.m_szCompany);
    EXPECT_STREQ("test_frame\\", folders.m_szApp);
    EXPECT_EQ(ShellFolder(CSIDL_LOCAL_APPDATA) + kCompany, folders.m_szLocalAppData);
    EXPECT_EQ(ShellFolder(CSIDL_PERSONAL) + kCompany, folders.m_szDocuments);
    EXPECT_EQ(ShellFolder(CSIDL_COMMON_APPDATA) + kCompany, folders.m_szCommonAppData);
    EXPECT_EQ(ShellFolder(CSIDL_COMMON_DOCUMENTS) + kCompany, folders.m_szCommonDocuments);

    const std::string expected = AppDocuments("test_frame");
    RemoveProfile(expected, expected + "none.ini");
    char first[400], second[400];
    folders.GetAppDocumentsFolder(first, sizeof first);
    EXPECT_EQ(expected, first);
    EXPECT_TRUE(Exists(expected));
    folders.GetAppDocumentsFolder(second, sizeof second);
    EXPECT_STREQ(first, second);
    char cut[8];
    folders.GetAppDocumentsFolder(cut, sizeof cut);
    EXPECT_EQ(expected.substr(0, 7), cut);
    RemoveProfile(expected, expected + "none.ini");
}

TEST(AppBaseTest, ProfileCallsUseTheFileInTheDocumentsFolder)
{
    const std::string folder = AppDocuments("test_frame");
    const std::string ini = folder + "test_frame.ini";
    {
        CAppUnderTest app;
        EXPECT_EQ(ini, static_cast<LPCSTR>(app.GetProfilePath()));
        EXPECT_EQ(ini, app.m_pszProfileName);
        EXPECT_TRUE(Exists(folder)) << "the constructor makes the folder";
        EXPECT_TRUE(app.WriteProfileString("Host", "Setting", "written"));
        EXPECT_EQ("written", IniString(ini, "Setting"));

        // The switch is found anywhere, in its exact case only.
        const struct
        {
            const char* cmdLine;
            bool deletes;
        } rows[] = {{"/RTFD", false}, {"", false}, {nullptr, false}, {"-x/rtfdy", true}, {"/rtfd", true}};
        LPTSTR pPrevious = app.m_lpCmdLine;
        for (const auto& row : rows) {
            SCOPED_TRACE(row.cmdLine != nullptr ? row.cmdLine : "(null)");
            app.WriteProfileInt("Host", "Pid", 1);
            char buf[32] = "";
            if (row.cmdLine != nullptr)
                strcpy(buf, row.cmdLine);
            app.m_lpCmdLine = row.cmdLine != nullptr ? buf : nullptr;
            EXPECT_TRUE(app.InitInstance());
            EXPECT_EQ(row.deletes, !Exists(ini));
            EXPECT_EQ(row.deletes ? 7u : 1u, app.GetProfileInt("Host", "Pid", 7));
        }
        app.m_lpCmdLine = pPrevious;
    }
    RemoveProfile(folder, folder + "test_frame.ini");
}

TEST(AppBaseTest, ResetToFactoryAsksOnlyWhenToldAndClosesOnOk)
{
    const struct
    {
        const char* label;
        bool before, bReset, bAsk;
        int answer; // 0: no box expected
        bool after, closes;
    } rows[] = {
        {"set without asking", false, true, false, 0, true, false},
        {"clear without asking", true, false, false, 0, false, false},
        {"clear with the ask flag", true, false, true, 0, false, false},
        {"cancel keeps clear", false, true, true, IDCANCEL, false, false},
        {"cancel keeps set", true, true, true, IDCANCEL, true, false},
        {"ok sets and closes", false, true, true, IDOK, true, true},
    };
    const std::string folder = AppDocuments("test_frame");
    {
        CAppUnderTest app;
        CWnd main;
        ASSERT_TRUE(main.CreateEx(0, AfxRegisterWndClass(0), "main", WS_POPUP, 0, 0, 10, 10, NULL, NULL));
        app.m_pMainWnd = &main;
        for (const auto& row : rows) {
            SCOPED_TRACE(row.label);
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
    }
    RemoveProfile(folder, folder + "test_frame.ini");
}

// Starts bin\<exe> with the arguments and waits for its end; returns the exit code.
DWORD RunHost(const std::string& exe, const char* pszArgs, DWORD* pPid)
{
    std::string cmd = "\"" + exe + "\" " + pszArgs;
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessA(exe.c_str(), &cmd[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi)) {
        ADD_FAILURE() << "cannot start " << exe << ", error " << ::GetLastError();
        return 0xFFFF;
    }
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pi.hProcess, 30000)) << cmd;
    DWORD code = 0xFFFF;
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
    const std::string folder = AppDocuments("quillon_apphost");
    const std::string ini = folder + "quillon_apphost.ini";
    RemoveProfile(folder, ini);

    ASSERT_EQ(0u, RunHost(exe, "/write", nullptr));
    ASSERT_TRUE(Exists(ini)) << ini;
    EXPECT_EQ("written", IniString(ini, "Setting"));

    // Changes in the folder wake the wait below; its timeout only bounds
    // each step in case a notification is missed.
    const HANDLE hChange = ::FindFirstChangeNotificationA(
        folder.c_str(), FALSE,
        FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_SIZE);
    DWORD firstPid = 0;
    ASSERT_EQ(0u, RunHost(exe, "/reset", &firstPid)) << "the setting did not reach the second run";
    // The restarted instance writes its process id last: wait for it, 30 s at most.
    DWORD restartedPid = 0;
    for (DWORD start = ::GetTickCount(); ::GetTickCount() - start < 30000;) {
        restartedPid = ::GetPrivateProfileIntA("Host", "Pid", 0, ini.c_str());
        if (restartedPid != 0 || hChange == INVALID_HANDLE_VALUE)
            break;
        ::WaitForSingleObject(hChange, 250);
        ::FindNextChangeNotification(hChange);
    }
    if (hChange != INVALID_HANDLE_VALUE)
        ::FindCloseChangeNotification(hChange);
    ASSERT_NE(0u, restartedPid) << "no restarted instance wrote " << ini;
    EXPECT_NE(firstPid, restartedPid);
    if (HANDLE hRestarted = ::OpenProcess(SYNCHRONIZE, FALSE, restartedPid)) {
        EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(hRestarted, 30000));
        ::CloseHandle(hRestarted);
    }
    EXPECT_EQ("default", IniString(ini, "Seen")) << "the old setting survived the restart";
    EXPECT_EQ("default", IniString(ini, "Setting"));
    EXPECT_NE(std::string::npos, IniString(ini, "CmdLine").find("/rtfd"));
    RemoveProfile(folder, ini);
}

TEST(AppBaseTest, LongExecutableNamesAreCutForTheFolderOnly)
{
    const std::string name(70, 'n');
    const std::string exe = BinPath((name + ".exe").c_str());
    ASSERT_TRUE(::CopyFileA(BinPath("quillon_apphost.exe").c_str(), exe.c_str(), FALSE));
    const std::string folder = AppDocuments(name.substr(0, 62));
    const std::string ini = folder + name + ".ini";
    EXPECT_EQ(0u, RunHost(exe, "/write", nullptr));
    EXPECT_EQ("written", IniString(ini, "Setting")) << ini;
    RemoveProfile(folder, ini);
    ::DeleteFileA(exe.c_str());
}

} // namespace
