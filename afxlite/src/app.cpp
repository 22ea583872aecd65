// app.cpp: CWinApp (start-up, names, resources) and AfxWinInit.
#include "afxwin.h"
#include "afxres.h"

#include <cstdlib>
#include <cstring>

CWinThread* AfxLiteSetCurrentThread(CWinThread* pThread); // thread.cpp

namespace {

// Application objects constructed while another exists (a test making one of
// its own) stack: each remembers the one it replaced.
struct AppLink
{
    CWinApp* pApp;
    CWinApp* pPrevious;
    CWinThread* pPreviousThread;
    LPCSTR lpszPreviousName;
};
const int kMaxApps = 8;
AppLink g_apps[kMaxApps];
int g_nApps = 0;

char* DupOrNull(LPCTSTR psz)
{
    return psz != NULL ? _strdup(psz) : NULL;
}

} // namespace

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(DupOrNull(lpszAppName)), m_hInstance(NULL), m_hPrevInstance(NULL), m_lpCmdLine(NULL),
      m_nCmdShow(SW_SHOWNORMAL), m_pszExeName(NULL), m_pszHelpFilePath(NULL), m_pszProfileName(NULL),
      m_pszRegistryKey(NULL)
{
    ASSERT_MSG(g_nApps < kMaxApps, "CWinApp: too many application objects at once");
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    AppLink& link = g_apps[g_nApps++];
    link.pApp = this;
    link.pPrevious = pModuleState->m_pCurrentWinApp;
    link.lpszPreviousName = pModuleState->m_lpszCurrentAppName;
    link.pPreviousThread = AfxLiteSetCurrentThread(this);
    pModuleState->m_pCurrentWinApp = this;
    pModuleState->m_lpszCurrentAppName = m_pszAppName;
    // An application made after start-up (by a test) takes over the handles.
    if (link.pPrevious != NULL) {
        m_hInstance = link.pPrevious->m_hInstance;
        m_lpCmdLine = link.pPrevious->m_lpCmdLine;
        m_nCmdShow = link.pPrevious->m_nCmdShow;
    }
}

CWinApp::~CWinApp()
{
    ASSERT_MSG(
        g_nApps > 0 && g_apps[g_nApps - 1].pApp == this,
        "CWinApp destroyed out of order: application objects must go in reverse order of construction");
    const AppLink& link = g_apps[--g_nApps];
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    pModuleState->m_pCurrentWinApp = link.pPrevious;
    pModuleState->m_lpszCurrentAppName = link.lpszPreviousName;
    AfxLiteSetCurrentThread(link.pPreviousThread);

    free(const_cast<char*>(m_pszAppName));
    free(const_cast<char*>(m_pszExeName));
    free(const_cast<char*>(m_pszHelpFilePath));
    free(const_cast<char*>(m_pszProfileName));
    free(const_cast<char*>(m_pszRegistryKey));
}

void CWinApp::SetCurrentHandles()
{
    ASSERT_MSG(m_hInstance != NULL, "CWinApp::SetCurrentHandles: no instance handle (call AfxWinInit)");
    char szPath[MAX_PATH] = {};
    ::GetModuleFileNameA(m_hInstance, szPath, MAX_PATH);
    const char* pszName = std::strrchr(szPath, '\\');
    pszName = pszName != NULL ? pszName + 1 : szPath;
    char szExe[MAX_PATH];
    std::strcpy(szExe, pszName);
    if (char* pDot = std::strrchr(szExe, '.'))
        *pDot = '\0';

    if (m_pszExeName == NULL)
        m_pszExeName = _strdup(szExe);
    if (m_pszAppName == NULL) {
        // The title string of the host, else the executable's name.
        CString strTitle;
        if (strTitle.LoadString(AFX_IDS_APP_TITLE) && !strTitle.IsEmpty())
            m_pszAppName = _strdup(strTitle);
        else
            m_pszAppName = _strdup(m_pszExeName);
    }
    AfxGetModuleState()->m_lpszCurrentAppName = m_pszAppName;
    if (m_pszProfileName == NULL) {
        // A bare file name: the INI functions put it in the Windows folder.
        CString strProfile(m_pszExeName);
        strProfile += ".INI";
        m_pszProfileName = _strdup(strProfile);
    }
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    // Nothing to run the loop for: end at once, as the framework does.
    if (m_pMainWnd == NULL)
        ::PostQuitMessage(0);
    return CWinThread::Run();
}

int CWinApp::ExitInstance()
{
    return CWinThread::ExitInstance();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    // One more idle call than the thread needs, as the framework's does.
    if (lCount <= 0)
        CWinThread::OnIdle(lCount);
    else if (lCount == 1)
        VERIFY(!CWinThread::OnIdle(lCount));
    return lCount < 1;
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return LoadIcon(MAKEINTRESOURCEA(nIDResource));
}

HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const
{
    return ::LoadIconA(NULL, lpszIconName);
}

HICON CWinApp::LoadOEMIcon(UINT nIDIcon) const
{
    return ::LoadIconA(NULL, MAKEINTRESOURCEA(nIDIcon));
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursorA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return LoadCursor(MAKEINTRESOURCEA(nIDResource));
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
{
    return ::LoadCursorA(NULL, lpszCursorName);
}

HCURSOR CWinApp::LoadOEMCursor(UINT nIDCursor) const
{
    return ::LoadCursorA(NULL, MAKEINTRESOURCEA(nIDCursor));
}

CWinApp* AFXAPI AfxGetApp()
{
    return AfxGetModuleState()->m_pCurrentWinApp;
}

LPCTSTR AFXAPI AfxGetAppName()
{
    return AfxGetModuleState()->m_lpszCurrentAppName;
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    ASSERT_MSG(hPrevInstance == NULL, "AfxWinInit: hPrevInstance is always null on Win32");
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    pModuleState->m_hCurrentInstanceHandle = hInstance;
    pModuleState->m_hCurrentResourceHandle = hInstance;

    if (CWinApp* pApp = AfxGetApp()) {
        pApp->m_hInstance = hInstance;
        pApp->m_hPrevInstance = hPrevInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        pApp->SetCurrentHandles();
    }
    return TRUE;
}

void AFXAPI AfxWinTerm()
{
    // Temporary wrappers left by the last messages.
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    CMenu::DeleteTempMap();
}
