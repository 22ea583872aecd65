// msgbox.cpp: AfxMessageBox and the application's default DoMessageBox.
#include "afxwin.h"

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    UNUSED_ALWAYS(nIDPrompt); // no help in afxlite
    // Owned by the main window's family; its top-level window is disabled
    // while the box is up.
    HWND hWndTop = NULL;
    HWND hWndOwner = CWnd::GetSafeOwner(NULL, &hWndTop)->GetSafeHwnd();
    if (hWndTop != NULL)
        ::EnableWindow(hWndTop, FALSE);

    // A box without an icon gets the one that fits its buttons.
    if ((nType & MB_ICONMASK) == 0) {
        switch (nType & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
        case MB_ABORTRETRYIGNORE:
        case MB_RETRYCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONQUESTION;
            break;
        default:
            break;
        }
    }
    int nResult = ::MessageBoxA(hWndOwner, lpszPrompt, m_pszAppName, nType);
    if (hWndTop != NULL)
        ::EnableWindow(hWndTop, TRUE);
    return nResult;
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    ASSERT_MSG(lpszText != NULL, "AfxMessageBox: null text");
    if (CWinApp* pApp = AfxGetApp())
        return pApp->DoMessageBox(lpszText, nType, nIDHelp);
    // No application object (a bare console host): the plain platform box.
    return ::MessageBoxA(::GetActiveWindow(), lpszText, NULL, nType);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    CString strPrompt;
    VERIFY(strPrompt.LoadString(nIDPrompt));
    if (nIDHelp == static_cast<UINT>(-1))
        nIDHelp = nIDPrompt;
    return AfxMessageBox(strPrompt, nType, nIDHelp);
}
