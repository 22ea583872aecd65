// ddx.cpp: dialog data exchange (CDataExchange, DDX_*, DDV_*).
#include "afxwin.h"

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cstdio>
#include <cstdlib>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd), m_hWndLastControl(NULL),
      m_bEditLastControl(FALSE), m_bFailed(FALSE)
{
    ASSERT_MSG(pDlgWnd != NULL, "CDataExchange: null dialog");
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    ASSERT_MSG(nIDC != 0 && nIDC != -1, "CDataExchange::PrepareCtrl: 0 and IDC_STATIC are not control ids");
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
    if (hWndCtrl == NULL) {
        char szMsg[96];
        std::snprintf(szMsg, sizeof(szMsg),
                      "CDataExchange::PrepareCtrl: the dialog has no control with id %d", nIDC);
        ASSERT_MSG(FALSE, szMsg);
    }
    m_hWndLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    // Put the user back on the control whose value was refused.
    if (m_bSaveAndValidate && m_hWndLastControl != NULL) {
        ::SetFocus(m_hWndLastControl);
        if (m_bEditLastControl)
            ::SendMessageA(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    m_bFailed = TRUE;
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    ASSERT_MSG(::IsWindow(m_hWnd), "CDialog::UpdateData: the dialog has no window");
    CDataExchange dx(this, bSaveAndValidate);
    // The exchange's own SetWindowText calls make the controls notify; those
    // are not the user's changes, so the dialog does not see them.
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    HWND hWndOldLockout = pState->m_hLockoutNotifyWindow;
    pState->m_hLockoutNotifyWindow = m_hWnd;
    DoDataExchange(&dx);
    pState->m_hLockoutNotifyWindow = hWndOldLockout;
    return !dx.HasFailed();
}

namespace {

// Refuses a value: tells the user, then fails the exchange.
void FailWithMessage(CDataExchange* pDX, LPCTSTR lpszText)
{
    AfxMessageBox(lpszText, MB_OK, 0);
    pDX->Fail();
}

CString GetText(HWND hWndCtrl)
{
    CString str;
    int nLen = ::GetWindowTextLengthA(hWndCtrl);
    ::GetWindowTextA(hWndCtrl, str.GetBufferSetLength(nLen), nLen + 1);
    str.ReleaseBuffer();
    return str;
}

// Sets the text only when it differs, so an unchanged edit keeps its caret
// and selection and sends no change notification.
void SetTextIfChanged(HWND hWndCtrl, LPCTSTR lpszNew)
{
    if (GetText(hWndCtrl).Compare(lpszNew) != 0)
        ::SetWindowTextA(hWndCtrl, lpszNew);
}

bool IsBlank(const char* p)
{
    while (*p == ' ' || *p == '\t')
        ++p;
    return *p == '\0';
}

// Whole-text parses: optional blanks around one number, nothing else.
bool ParseLong(const char* psz, long long& value, bool bUnsigned)
{
    while (*psz == ' ' || *psz == '\t')
        ++psz;
    if (bUnsigned && *psz == '-')
        return false;
    char* pEnd = nullptr;
    errno = 0;
    value = std::strtoll(psz, &pEnd, 10);
    return pEnd != psz && errno == 0 && IsBlank(pEnd);
}

bool ParseDouble(const char* psz, double& value)
{
    char* pEnd = nullptr;
    errno = 0;
    value = std::strtod(psz, &pEnd);
    return pEnd != psz && errno == 0 && IsBlank(pEnd);
}

// The integer forms share one routine: the range decides what fits.
template <class T>
void ExchangeInteger(CDataExchange* pDX, int nIDC, T& value, long long llMin, long long llMax,
                     const char* pszFormat, LPCTSTR lpszBadValue)
{
    if (pDX->HasFailed())
        return;
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        long long ll = 0;
        if (!ParseLong(GetText(hWndCtrl), ll, llMin >= 0) || ll < llMin || ll > llMax) {
            FailWithMessage(pDX, lpszBadValue);
            return;
        }
        value = static_cast<T>(ll);
    } else {
        char sz[32];
        std::snprintf(sz, sizeof(sz), pszFormat, value);
        SetTextIfChanged(hWndCtrl, sz);
    }
}

} // namespace

void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (pDX->HasFailed() || rControl.m_hWnd != NULL)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    ASSERT_MSG(CWnd::FromHandlePermanent(hWndCtrl) == NULL,
               "DDX_Control: the control is already attached to another object");
    VERIFY(rControl.SubclassWindow(hWndCtrl));
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    if (pDX->HasFailed())
        return;
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = GetText(hWndCtrl);
    else
        SetTextIfChanged(hWndCtrl, value);
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeInteger(pDX, nIDC, value, INT_MIN, INT_MAX, "%d", "Please enter an integer.");
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    ExchangeInteger(pDX, nIDC, value, LONG_MIN, LONG_MAX, "%ld", "Please enter an integer.");
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeInteger(pDX, nIDC, value, 0, UINT_MAX, "%u", "Please enter a positive integer.");
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value)
{
    ExchangeInteger(pDX, nIDC, value, 0, ULONG_MAX, "%lu", "Please enter a positive integer.");
}

void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value)
{
    if (pDX->HasFailed())
        return;
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        double d = 0;
        if (!ParseDouble(GetText(hWndCtrl), d)) {
            FailWithMessage(pDX, "Please enter a number.");
            return;
        }
        value = d;
    } else {
        char sz[64];
        std::snprintf(sz, sizeof(sz), "%.*g", DBL_DIG, value);
        SetTextIfChanged(hWndCtrl, sz);
    }
}

void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    if (pDX->HasFailed())
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0));
    } else {
        ASSERT_MSG(value >= 0 && value <= 2, "DDX_Check: the value must be 0, 1 or 2");
        ::SendMessageA(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    if (pDX->HasFailed())
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    ASSERT_MSG(::GetWindowLongA(hWndCtrl, GWL_STYLE) & WS_GROUP,
               "DDX_Radio: the first button of the group must have WS_GROUP");
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs up to the next control with WS_GROUP; only radio
    // buttons count.
    int iButton = 0;
    do {
        if (::SendMessageA(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageA(hWndCtrl, BM_GETCHECK, 0, 0) != BST_UNCHECKED)
                    value = iButton;
            } else {
                ::SendMessageA(hWndCtrl, BM_SETCHECK, iButton == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++iButton;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != NULL && !(::GetWindowLongA(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

void AFXAPI DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars)
{
    ASSERT_MSG(nChars >= 1, "DDV_MaxChars: the limit must be at least 1");
    if (pDX->HasFailed())
        return;
    if (pDX->m_bSaveAndValidate) {
        if (value.GetLength() > nChars) {
            CString strMsg;
            strMsg.Format("Please enter no more than %d characters.", nChars);
            FailWithMessage(pDX, strMsg);
        }
    } else if (pDX->m_hWndLastControl != NULL && pDX->m_bEditLastControl) {
        // Loading: the edit itself refuses longer input from now on.
        ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, nChars, 0);
    }
}

void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    ASSERT_MSG(minVal <= maxVal, "DDV_MinMaxInt: the minimum is above the maximum");
    if (pDX->HasFailed() || !pDX->m_bSaveAndValidate)
        return;
    if (value < minVal || value > maxVal) {
        CString strMsg;
        strMsg.Format("Please enter an integer between %d and %d.", minVal, maxVal);
        FailWithMessage(pDX, strMsg);
    }
}
