// TestApp.cpp: the scripted application object of the test executables.
#include "TestApp.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

CTestApp* g_pTestApp = nullptr;

// A fresh file in the temporary folder per process.
std::string MakeProfilePath()
{
    char dir[MAX_PATH] = {}, path[MAX_PATH] = {};
    DWORD n = ::GetTempPathA(MAX_PATH, dir);
    if (n == 0 || n >= MAX_PATH || !::GetTempFileNameA(dir, "qtp", 0, path))
        ASSERT_MSG(false, "CTestApp: no temporary profile file");
    return path;
}

} // namespace

CTestApp::CTestApp() : CWinApp("Quillon Tests"), m_nextAnswer(0)
{
    g_pTestApp = this;
    m_pszProfileName = _strdup(MakeProfilePath().c_str());
}

CTestApp::~CTestApp()
{
    if (m_pszProfileName != nullptr)
        ::DeleteFileA(m_pszProfileName);
    g_pTestApp = nullptr;
}

void CTestApp::ExpectMessageBox(int answer)
{
    m_answers.push_back(answer);
}

void CTestApp::ResetMessageBoxes()
{
    m_calls.clear();
    m_answers.clear();
    m_nextAnswer = 0;
}

int CTestApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    MessageBoxCall call{lpszPrompt ? lpszPrompt : "", nType, nIDPrompt, IDCANCEL};
    if (m_nextAnswer < m_answers.size())
        call.answer = m_answers[m_nextAnswer++];
    else
        ADD_FAILURE() << "unexpected message box (no scripted answer): \"" << call.text << "\" style 0x"
                      << std::hex << nType;
    m_calls.push_back(call);
    return call.answer;
}

void CTestApp::PumpPending()
{
    CWinThread* pThread = AfxGetThread();
    ASSERT_MSG(pThread != nullptr, "CTestApp::PumpPending: no current thread object");
    MSG msg;
    for (int i = 0; i < 100000 && ::PeekMessageA(&msg, NULL, 0, 0, PM_NOREMOVE); ++i) {
        if (msg.message == WM_QUIT)
            break;
        pThread->PumpMessage();
    }
}

CTestApp& TestApp()
{
    ASSERT_MSG(g_pTestApp != nullptr, "TestApp(): the test application object does not exist");
    return *g_pTestApp;
}
