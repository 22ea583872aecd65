// HyperLink.cpp: CHyperLink, a static that opens its target through the
// shell, with a registry fallback and error boxes.
#include "HyperLink.h"

#include <mbstring.h>
#include <shellapi.h>
#include <string.h>

namespace {

const UINT_PTR kToolId = 1;                       // the one tool of the link's tool tip
const COLORREF kLinkColour = RGB(0, 0, 238);      // unvisited
const COLORREF kVisitedColour = RGB(85, 26, 139); // visited

// CreateProcess takes at most this many characters, terminator included.
const int kMaxCommandLine = 32767;

const char kErrorPrefix[] = "Unable to open hyperlink:\n\n";

// The message for a shell or WinExec error code; null for codes without one.
const char* ErrorMessage(int nError)
{
    switch (nError) {
    case 0:
        return "The operating system is out\nof memory or resources.";
    case ERROR_FILE_NOT_FOUND:
        return "The specified file was not found.";
    case ERROR_PATH_NOT_FOUND:
        return "The specified path was not found.";
    case SE_ERR_ACCESSDENIED:
        return "The operating system denied\naccess to the specified file.";
    case SE_ERR_OOM:
        return "There was not enough memory to complete the operation.";
    case ERROR_BAD_FORMAT:
        return "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    case SE_ERR_SHARE:
        return "A sharing violation occurred. ";
    case SE_ERR_ASSOCINCOMPLETE:
        return "The filename association is\nincomplete or invalid.";
    case SE_ERR_DDETIMEOUT:
        return "The DDE transaction could not\nbe completed because the request timed out.";
    case SE_ERR_DDEFAIL:
        return "The DDE transaction failed.";
    case SE_ERR_DDEBUSY:
        return "The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
               "processed.";
    case SE_ERR_NOASSOC:
        return "There is no application associated\nwith the given filename extension.";
    case SE_ERR_DLLNOTFOUND:
        return "The specified dynamic-link library was not found.";
    default:
        return NULL;
    }
}

} // namespace

BEGIN_MESSAGE_MAP(CHyperLink, CColorStatic)
    ON_CONTROL_REFLECT(STN_CLICKED, &CHyperLink::OnClicked)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CHyperLink::CHyperLink()
    : m_crLinkColour(kLinkColour), m_crVisitedColour(kVisitedColour), m_bVisited(FALSE), m_bUnderline(TRUE),
      m_bAutoSize(TRUE), m_hLinkCursor(NULL)
{}

CHyperLink::~CHyperLink()
{
    m_UnderlineFont.DeleteObject();
}

void CHyperLink::SetURL(CString strURL)
{
    m_strURL = strURL;
    PositionWindow();
    if (::IsWindow(m_ToolTip.GetSafeHwnd()))
        m_ToolTip.UpdateTipText(m_strURL, this, kToolId);
}

CString CHyperLink::GetURL() const
{
    return m_strURL;
}

void CHyperLink::SetColours(COLORREF crLinkColour, COLORREF crVisitedColour)
{
    m_crLinkColour = crLinkColour;
    m_crVisitedColour = crVisitedColour;
    InvalidateWithErase();
}

COLORREF CHyperLink::GetLinkColour() const
{
    return m_crLinkColour;
}

COLORREF CHyperLink::GetVisitedColour() const
{
    return m_crVisitedColour;
}

void CHyperLink::SetVisited(BOOL bVisited)
{
    m_bVisited = bVisited;
    InvalidateWithErase();
}

BOOL CHyperLink::GetVisited() const
{
    return m_bVisited;
}

void CHyperLink::SetLinkCursor(HICON hCursor)
{
    m_hLinkCursor = (HCURSOR)hCursor;
}

void CHyperLink::SetUnderline(BOOL bUnderline)
{
    m_bUnderline = bUnderline;
    InvalidateWithErase();
}

BOOL CHyperLink::GetUnderline() const
{
    return m_bUnderline;
}

void CHyperLink::SetAutoSize(BOOL bAutoSize)
{
    m_bAutoSize = bAutoSize;
    PositionWindow();
}

BOOL CHyperLink::GetAutoSize() const
{
    return m_bAutoSize;
}

BOOL CHyperLink::PreTranslateMessage(MSG* pMsg)
{
    if (::IsWindow(m_ToolTip.GetSafeHwnd()))
        m_ToolTip.RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

void CHyperLink::PreSubclassWindow()
{
    // Without SS_NOTIFY the static sends no STN_CLICKED.
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, ::GetWindowLongPtrA(m_hWnd, GWL_STYLE) | SS_NOTIFY);
    if (m_strURL.IsEmpty())
        GetWindowText(m_strURL);
    PositionWindow();
    m_hLinkCursor = ::LoadCursor(NULL, IDC_ARROW);

    if (m_ToolTip.Create(this)) {
        CRect rc;
        GetClientRect(&rc);
        m_ToolTip.AddTool(this, m_strURL, &rc, kToolId);
    }
    // Deliberately not CFontStatic::PreSubclassWindow: the link keeps the
    // dialog's font.
    CWnd::PreSubclassWindow();
}

HBRUSH CHyperLink::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    pDC->SetTextColor(m_bVisited ? m_crVisitedColour : m_crLinkColour);
    if (m_bUnderline) {
        if (m_UnderlineFont.GetSafeHandle() == NULL) {
            HFONT hFont = (HFONT)SendMessage(WM_GETFONT, 0, 0);
            if (hFont == NULL)
                hFont = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
            LOGFONT lf;
            if (::GetObjectA(hFont, sizeof(lf), &lf) == sizeof(lf)) {
                lf.lfUnderline = 1;
                m_UnderlineFont.CreateFontIndirect(&lf);
            }
        }
        // Windows' static selects its own font before asking for colours, so
        // this selection is what it draws with.  Wine (8.0) selects the
        // window's font after the colour message: there a link with a font
        // of its own shows no underline; one without a font shows it.
        if (m_UnderlineFont.GetSafeHandle() != NULL)
            pDC->SelectObject(&m_UnderlineFont);
    }
    pDC->SetBkMode(TRANSPARENT);
    return (HBRUSH)::GetStockObject(NULL_BRUSH);
}

BOOL CHyperLink::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    ::SetCursor(m_hLinkCursor);
    return TRUE;
}

void CHyperLink::OnClicked()
{
    const int nResult = (int)(INT_PTR)GotoURL(m_strURL, SW_SHOW);
    m_bVisited = nResult > 32;
    if (!m_bVisited) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        ReportError(nResult);
    } else {
        SetVisited(TRUE);
    }
}

void CHyperLink::PositionWindow()
{
    if (!m_bAutoSize || !::IsWindow(m_hWnd))
        return;

    CRect rc;
    GetWindowRect(&rc);
    CWnd* pParent = GetParent();
    if (pParent != NULL)
        pParent->ScreenToClient(&rc);

    // The font of a fresh DC, not the control's: the measure the link has
    // always taken.
    CString strText;
    GetWindowText(strText);
    CSize extent(0, 0);
    if (HDC hDC = ::GetDC(m_hWnd)) {
        ::GetTextExtentPoint32A(hDC, strText, strText.GetLength(), &extent);
        ::ReleaseDC(m_hWnd, hDC);
    }

    const DWORD dwStyle = (DWORD)::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
    if (dwStyle & SS_CENTERIMAGE) {
        const int dy = (rc.Height() - extent.cy) / 2;
        rc.InflateRect(0, -dy);
    } else {
        rc.bottom = rc.top + extent.cy;
    }
    // SS_CENTER and SS_RIGHT are values of the type field; tested as bits,
    // as the link always has.
    if (dwStyle & SS_CENTER) {
        const int dx = (rc.Width() - extent.cx) / 2;
        rc.InflateRect(-dx, 0);
    } else if (dwStyle & SS_RIGHT) {
        rc.left = rc.right - extent.cx;
    } else {
        rc.right = rc.left + extent.cx;
    }
    SetWindowPos(NULL, rc.left, rc.top, rc.Width(), rc.Height(), SWP_NOZORDER);
}

HINSTANCE CHyperLink::GotoURL(const char* pszURL, int nShowCmd)
{
    HINSTANCE hResult = ::ShellExecuteA(NULL, "open", pszURL, NULL, NULL, nShowCmd);
    if ((INT_PTR)hResult > 32)
        return hResult;

    // Registry values are at most MAX_PATH bytes each, so the type name and
    // the appended key path fit here; the command itself goes to a CString.
    char szKey[2 * MAX_PATH];
    if (GetRegKey(HKEY_CLASSES_ROOT, ".htm", szKey) != ERROR_SUCCESS)
        return hResult;
    lstrcatA(szKey, "\\shell\\open\\command");
    if (GetRegKey(HKEY_CLASSES_ROOT, szKey, szKey) != ERROR_SUCCESS)
        return hResult;

    unsigned char* pPos = _mbsstr((unsigned char*)szKey, (const unsigned char*)"\"%1\"");
    if (pPos != NULL) {
        *pPos = '\0';
    } else if (char* pBare = strstr(szKey, "%1")) {
        *pBare = '\0';
    }
    CString strCommand(szKey);
    strCommand += ' ';
    strCommand += pszURL;
    if (strCommand.GetLength() + 1 > kMaxCommandLine)
        return hResult;
    return (HINSTANCE)(UINT_PTR)::WinExec(strCommand, nShowCmd);
}

LONG CHyperLink::GetRegKey(HKEY hKey, const char* pszSubKey, char* pszOut)
{
    HKEY hSubKey;
    const LONG lStatus = ::RegOpenKeyExA(hKey, pszSubKey, 0, KEY_QUERY_VALUE, &hSubKey);
    if (lStatus == ERROR_SUCCESS) {
        char szData[MAX_PATH];
        LONG cbData = sizeof(szData);
        if (::RegQueryValueA(hSubKey, NULL, szData, &cbData) != ERROR_SUCCESS)
            szData[0] = '\0';
        szData[MAX_PATH - 1] = '\0';
        lstrcpyA(pszOut, szData);
        ::RegCloseKey(hSubKey);
    }
    return lStatus;
}

void CHyperLink::ReportError(int nError)
{
    CString strMessage;
    if (const char* pszMessage = ErrorMessage(nError))
        strMessage = pszMessage;
    else
        strMessage.Format("Unknown Error (%d) occurred.", nError);
    AfxMessageBox((LPCTSTR)(kErrorPrefix + strMessage), MB_ICONEXCLAMATION);
}
