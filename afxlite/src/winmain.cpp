// winmain.cpp: the body of a framework program, and the WinMain that
// afxlite.dll exports for hosts that define a CWinApp object and no WinMain.
// The MinGW start-up code of a GUI program without main() calls WinMain;
// with main() (console and test programs) this one is never used.
#include "afxwin.h"

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinThread* pThread = AfxGetThread();
    CWinApp* pApp = AfxGetApp();
    ASSERT_MSG(pThread != nullptr && pApp != nullptr,
               "AfxWinMain: the program defines no CWinApp object (define one at file scope)");
    int nReturnCode = -1;
    if (AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow) && pApp->InitApplication()) {
        if (!pThread->InitInstance()) {
            // No loop to run: clean up what InitInstance left and take the exit code.
            if (pThread->m_pMainWnd != nullptr && pThread->m_pMainWnd->GetSafeHwnd() != NULL)
                pThread->m_pMainWnd->DestroyWindow();
            nReturnCode = pThread->ExitInstance();
        } else {
            nReturnCode = pThread->Run();
        }
    }
    AfxWinTerm();
    return nReturnCode;
}

extern "C" AFXLITE_API int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine,
                                          int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
