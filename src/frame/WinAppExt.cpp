// WinAppExt.cpp: CWinAppExt, the application base with its own profile file
// and the restart that restores factory settings.
#include "WinAppExt.h"

#include "AppFolders.h"
#include "PathUtil.h"

#include <shellapi.h>

#include <stdlib.h>
#include <string.h>

namespace {

const char kResetSwitch[] = "/rtfd";
const char kResetPrompt[] = "To Restore its Default's Configuration, the Application will be Restarted.";

// <documents>\<company>\<exe name>\<exe name>.ini
CString BuildProfilePath()
{
    char szModule[MAX_PATH] = "";
    ::GetModuleFileNameA(NULL, szModule, MAX_PATH);
    CString strFile;
    SplitPath(szModule, NULL, NULL, &strFile, NULL);
    ReplaceExtension(strFile, ".ini");

    const CAppFolders folders;
    char szFolder[CAppFolders::kFolderChars + CAppFolders::kAppCompChars];
    folders.GetAppDocumentsFolder(szFolder, sizeof(szFolder));
    return CString(szFolder) + strFile;
}

} // namespace

CWinAppExt::CWinAppExt(const char* lpszAppName) : CWinApp(lpszAppName), m_bResetToFactory(false)
{
    const CString strPath = BuildProfilePath();
    free(const_cast<char*>(m_pszProfileName));
    m_pszProfileName = _strdup(strPath);
}

CWinAppExt::~CWinAppExt()
{
    free(const_cast<char*>(m_pszProfileName));
    m_pszProfileName = NULL;
}

BOOL CWinAppExt::InitInstance()
{
    if (m_lpCmdLine != NULL && strstr(m_lpCmdLine, kResetSwitch) != NULL && m_pszProfileName != NULL)
        ::DeleteFileA(m_pszProfileName); // no file yet is fine
    return TRUE;
}

int CWinAppExt::ExitInstance()
{
    if (m_bResetToFactory) {
        char szModule[MAX_PATH] = "";
        ::GetModuleFileNameA(NULL, szModule, MAX_PATH);
        ::ShellExecuteA(NULL, "open", szModule, kResetSwitch, NULL, SW_SHOW); // failure ignored
    }
    return CWinApp::ExitInstance();
}

void CWinAppExt::ResetToFactory(bool bReset, bool bAskAndClose)
{
    if (!(bReset && bAskAndClose)) {
        m_bResetToFactory = bReset;
        return;
    }
    if (AfxMessageBox(kResetPrompt, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return;
    m_bResetToFactory = true;
    CWinThread* pThread = AfxGetThread();
    CWnd* pMainWnd = pThread != NULL ? pThread->m_pMainWnd : NULL;
    if (pMainWnd != NULL && ::IsWindow(pMainWnd->GetSafeHwnd()))
        pMainWnd->PostMessage(WM_CLOSE);
}

bool CWinAppExt::GetResetToFactoryState()
{
    return m_bResetToFactory;
}

CString CWinAppExt::GetProfilePath()
{
    return CString(m_pszProfileName != NULL ? m_pszProfileName : "");
}
