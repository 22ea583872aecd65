// dialog.cpp: CDialog, modal and modeless, over the platform's dialog
// manager.  The creation hook binds the dialog window to its object before
// the first message, so WM_INITDIALOG and everything after it reach the
// object's message map; the dialog procedure only answers WM_INITDIALOG.
#include "afxwin.h"
#include "afxdlgs.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog()
    : m_lpszTemplateName(NULL), m_hDialogTemplate(NULL), m_lpDialogTemplate(NULL), m_lpDialogInit(NULL),
      m_pParentWnd(NULL), m_hWndTop(NULL), m_nIDHelp(0)
{}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd) : CDialog()
{
    m_pParentWnd = pParentWnd;
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog()
{
    m_pParentWnd = pParentWnd;
    m_lpszTemplateName = MAKEINTRESOURCEA(nIDTemplate);
    m_nIDHelp = nIDTemplate;
}

CDialog::~CDialog()
{
    // Destroy the window while the object is still a CDialog, so its last
    // messages reach the dialog's handlers rather than a half-destroyed object.
    if (m_hWnd != NULL)
        DestroyWindow();
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    CDialog* pDlg = DYNAMIC_DOWNCAST(CDialog, CWnd::FromHandlePermanent(hWnd));
    if (pDlg == nullptr)
        return TRUE; // not ours (an unbound dialog): let the manager set the focus
    return pDlg->OnInitDialog();
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    ASSERT_MSG(lpDialogTemplate != NULL, "CDialog: null dialog template");
    ASSERT_MSG(m_hWnd == NULL, "CDialog: the dialog object already has a window");
    ASSERT_MSG(m_lpDialogInit == NULL, "CDialog: RT_DLGINIT data is not supported by afxlite");
    if (hInst == NULL)
        hInst = AfxGetResourceHandle();
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(),
                                             &CDialog::DialogProc, 0);
    if (!AfxUnhookWindowCreate()) {
        // The window was never bound: creation failed before its first message.
        ASSERT_MSG(hWnd == NULL, "CDialog: dialog window created but not bound to its object");
        return FALSE;
    }
    if (hWnd == NULL)
        return FALSE;
    ASSERT_MSG(m_hWnd == hWnd, "CDialog: dialog window bound to another object");
    return TRUE;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    ASSERT_MSG(lpszTemplateName != NULL, "CDialog::Create: null template name");
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = LOWORD(reinterpret_cast<ULONG_PTR>(lpszTemplateName));
    if (pParentWnd == NULL)
        pParentWnd = m_pParentWnd;

    HINSTANCE hInst = AfxFindResourceHandle(lpszTemplateName, RT_DIALOG);
    HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, RT_DIALOG);
    if (hResource == NULL)
        return FALSE;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    if (hTemplate == NULL)
        return FALSE;
    auto lpTemplate = static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate));
    return lpTemplate != NULL && CreateDlgIndirect(lpTemplate, pParentWnd, hInst);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    m_nIDHelp = nIDTemplate;
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    m_lpDialogInit = lpDialogInit;
    if (pParentWnd == NULL)
        pParentWnd = m_pParentWnd;
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, NULL);
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    ASSERT_MSG(hDialogTemplate != NULL, "CDialog::CreateIndirect: null template handle");
    auto lpTemplate = static_cast<LPCDLGTEMPLATE>(::GlobalLock(hDialogTemplate));
    BOOL bResult = CreateIndirect(lpTemplate, pParentWnd, NULL);
    ::GlobalUnlock(hDialogTemplate);
    return bResult;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    ASSERT_MSG(lpDialogTemplate != NULL, "CDialog::InitModalIndirect: null template");
    m_lpDialogTemplate = lpDialogTemplate;
    m_lpDialogInit = lpDialogInit;
    if (pParentWnd != NULL)
        m_pParentWnd = pParentWnd;
    return TRUE;
}

BOOL CDialog::InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    ASSERT_MSG(hDialogTemplate != NULL, "CDialog::InitModalIndirect: null template handle");
    m_hDialogTemplate = hDialogTemplate;
    if (pParentWnd != NULL)
        m_pParentWnd = pParentWnd;
    return TRUE;
}

HWND CDialog::PreModal()
{
    // The owner is the given parent's top-level window, else the main
    // window's active pop-up; its top-level window is disabled meanwhile.
    CWnd* pOwner = CWnd::GetSafeOwner(m_pParentWnd, &m_hWndTop);
    if (m_hWndTop != NULL)
        ::EnableWindow(m_hWndTop, FALSE);
    return pOwner->GetSafeHwnd();
}

void CDialog::PostModal()
{
    if (m_hWndTop != NULL && ::IsWindow(m_hWndTop))
        ::EnableWindow(m_hWndTop, TRUE);
    m_hWndTop = NULL;
}

INT_PTR CDialog::DoModal()
{
    ASSERT_MSG(m_lpszTemplateName != NULL || m_hDialogTemplate != NULL || m_lpDialogTemplate != NULL,
               "CDialog::DoModal: the dialog has no template");
    ASSERT_MSG(m_hWnd == NULL, "CDialog::DoModal: the dialog already has a window");

    // The template: by name through the resource chain, or in memory.
    LPCDLGTEMPLATE lpTemplate = m_lpDialogTemplate;
    HGLOBAL hTemplate = m_hDialogTemplate;
    HINSTANCE hInst = AfxGetResourceHandle();
    bool bGlobalLocked = false;
    if (m_lpszTemplateName != NULL) {
        hInst = AfxFindResourceHandle(m_lpszTemplateName, RT_DIALOG);
        HRSRC hResource = ::FindResourceA(hInst, m_lpszTemplateName, RT_DIALOG);
        hTemplate = hResource != NULL ? ::LoadResource(hInst, hResource) : NULL;
        if (hTemplate != NULL)
            lpTemplate = static_cast<LPCDLGTEMPLATE>(::LockResource(hTemplate));
    } else if (hTemplate != NULL) {
        lpTemplate = static_cast<LPCDLGTEMPLATE>(::GlobalLock(hTemplate));
        bGlobalLocked = true;
    }
    if (lpTemplate == NULL)
        return -1;

    HWND hWndParent = PreModal();
    bool bEnableParent = false;
    if (hWndParent != NULL && hWndParent != ::GetDesktopWindow() && ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = true;
    }

    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndParent), hInst)) {
        // OnInitDialog may already have ended the dialog.
        if (m_nFlags & WF_CONTINUEMODAL) {
            DWORD dwFlags = MLF_SHOWONIDLE;
            if (GetStyle() & DS_NOIDLEMSG)
                dwFlags |= MLF_NOIDLEMSG;
            RunModalLoop(dwFlags);
        }
        // Hide before the owner comes back, so activation goes to the owner.
        if (m_hWnd != NULL)
            ::SetWindowPos(m_hWnd, NULL, 0, 0, 0, 0,
                           SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    }
    m_nFlags &= ~WF_CONTINUEMODAL;

    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != NULL && m_hWnd != NULL && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    if (m_hWnd != NULL)
        DestroyWindow();
    PostModal();
    if (bGlobalLocked)
        ::GlobalUnlock(hTemplate);
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    ASSERT_MSG(::IsWindow(m_hWnd), "CDialog::EndDialog: the dialog has no window");
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::OnInitDialog()
{
    // A failed exchange here has already told the user; the dialog still opens.
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return; // the failed control has the focus; the dialog stays open
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // Escape in a multi-line edit: the edit wants all keys, so the dialog
    // manager would never cancel; do it here unless Cancel is disabled.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_CANCEL) &&
        (::GetWindowLongA(pMsg->hwnd, GWL_STYLE) & ES_MULTILINE)) {
        char szClass[16] = {};
        ::GetClassNameA(pMsg->hwnd, szClass, sizeof(szClass));
        if (::lstrcmpiA(szClass, "Edit") == 0) {
            HWND hItem = ::GetDlgItem(m_hWnd, IDCANCEL);
            if (hItem == NULL || ::IsWindowEnabled(hItem)) {
                SendMessage(WM_COMMAND, IDCANCEL, 0);
                return TRUE;
            }
        }
    }
    // Keyboard and mouse input for the dialog or its controls goes through
    // the dialog manager: Tab, arrows, Enter, Escape, mnemonics.
    bool bInput = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
                  (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
    return bInput && ::IsDialogMessageA(m_hWnd, pMsg);
}

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    ASSERT_MSG(::IsWindow(m_hWnd), "CDialog::MapDialogRect: the dialog has no window");
    ::MapDialogRect(m_hWnd, lpRect);
}

void CDialog::NextDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    ASSERT_MSG(pWndCtrl != NULL && ::IsWindow(pWndCtrl->m_hWnd), "CDialog::GotoDlgCtrl: no control window");
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), 1);
}

void CDialog::SetDefID(UINT nID)
{
    ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0);
}

DWORD CDialog::GetDefID() const
{
    return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0));
}

// ---------------------------------------------------------------------------
// CCommonDialog (afxdlgs.h)

IMPLEMENT_DYNAMIC(CCommonDialog, CDialog)

CCommonDialog::CCommonDialog(CWnd* pParentWnd) : CDialog()
{
    m_pParentWnd = pParentWnd;
}

CCommonDialog::~CCommonDialog() {}
