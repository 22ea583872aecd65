// afxlite_dlg.h: dialogs (CDialog, modal and modeless, from templates found
// through the resource chain) and dialog data exchange (CDataExchange, DDX_*,
// DDV_*).  Included by afxwin.h.
//
// Differences from MFC: no RT_DLGINIT execution, no automatic centring, no
// OLE controls, no help.  A failed validation does not throw: Fail() records
// the failure, later DDX_/DDV_ calls of the same exchange do nothing, and
// UpdateData returns FALSE (code of the host's own that follows a Fail() in
// DoDataExchange still runs).
#pragma once

#include "afxlite_config.h"

class CDialog;

// ---------------------------------------------------------------------------
// CDataExchange: the context of one UpdateData call.
class AFXLITE_API CDataExchange
{
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate; // TRUE: controls to members (and validate); FALSE: members to controls
    CWnd* m_pDlgWnd;         // the dialog whose items are exchanged

    // The item nIDC (which must exist), remembered as the control to put the
    // focus back on if a validation fails.
    HWND PrepareCtrl(int nIDC);
    HWND PrepareEditCtrl(int nIDC);
    // A validation failed: focus (and select) the last prepared control and
    // end the exchange with failure.
    void Fail();
    // Whether Fail() was called during this exchange.
    BOOL HasFailed() const { return m_bFailed; }

    HWND m_hWndLastControl;  // last control prepared
    BOOL m_bEditLastControl; // it was prepared as an edit
private:
    BOOL m_bFailed;
};

// ---------------------------------------------------------------------------
// CDialog: a dialog box from a template, modal (DoModal) or modeless (Create).
class AFXLITE_API CDialog : public CWnd
{
    DECLARE_DYNAMIC(CDialog)

public:
    // Construction: modeless dialogs use the default constructor and Create;
    // modal ones give the template here and call DoModal.
    CDialog();
    explicit CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    virtual ~CDialog();

    // Modeless: creates the dialog window, runs OnInitDialog, and returns;
    // the template is found through AfxFindResourceHandle.
    virtual BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = NULL);
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = NULL);
    virtual BOOL CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL,
                                void* lpDialogInit = NULL);
    virtual BOOL CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);

    // Modal from an in-memory template: DoModal then uses it.
    BOOL InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd = NULL,
                           void* lpDialogInit = NULL);
    BOOL InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd = NULL);

    // Attributes
    void MapDialogRect(LPRECT lpRect) const;
    void SetHelpID(UINT nIDR) { m_nIDHelp = nIDR; }

    // Operations
    // Creates the dialog disabled-owner modal, runs its loop until EndDialog,
    // destroys it and returns the EndDialog code (-1 if it could not be made).
    virtual INT_PTR DoModal();
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    void SetDefID(UINT nID);
    DWORD GetDefID() const;
    // Ends a modal dialog's loop with nResult (hides a modeless one).
    void EndDialog(int nResult);

    // Runs DoDataExchange: FALSE fills the controls from the members, TRUE
    // reads and validates them; FALSE when a validation failed.  MFC has it
    // on CWnd; afxlite exchanges data for dialogs only, so calling it through
    // a plain CWnd fails loudly.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Overridables (DoDataExchange is CWnd's, as in MFC)
    virtual BOOL OnInitDialog(); // UpdateData(FALSE); TRUE: focus the first control
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    virtual void OnOK();     // UpdateData(TRUE), then EndDialog(IDOK)
    virtual void OnCancel(); // EndDialog(IDCANCEL)

public:
    // Implementation
    LPCTSTR m_lpszTemplateName;        // template name or MAKEINTRESOURCE id
    HGLOBAL m_hDialogTemplate;         // in-memory template handle (indirect)
    LPCDLGTEMPLATE m_lpDialogTemplate; // in-memory template (indirect)
    void* m_lpDialogInit;              // RT_DLGINIT data: not supported, must be null
    CWnd* m_pParentWnd;                // parent or owner given at construction
    HWND m_hWndTop;                    // top-level window disabled while modal
    UINT m_nIDHelp;                    // help id: the template id when it is numeric

    // The window procedure's callback for dialog messages (implementation).
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    HWND PreModal();
    void PostModal();
    BOOL CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst);

    DECLARE_MESSAGE_MAP()
};

// ---------------------------------------------------------------------------
// Dialog data exchange: each DDX_ moves one value between a member and a
// control (direction by pDX->m_bSaveAndValidate); each DDV_ validates a value
// after it was saved.  A bad value shows a message box and fails the
// exchange.

// Subclasses the item with rControl unless rControl already has a window:
// the usual way a dialog attaches a control object to a template item.
AFXLITE_API void AFXAPI DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
AFXLITE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
AFXLITE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, int& value);
AFXLITE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
AFXLITE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, long& value);
AFXLITE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, DWORD& value);
AFXLITE_API void AFXAPI DDX_Text(CDataExchange* pDX, int nIDC, double& value);
// Check box or three-state button: 0 unchecked, 1 checked, 2 indeterminate.
AFXLITE_API void AFXAPI DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// A group of radio buttons starting at nIDC (which has WS_GROUP): the index
// of the checked one, -1 for none.
AFXLITE_API void AFXAPI DDX_Radio(CDataExchange* pDX, int nIDC, int& value);

AFXLITE_API void AFXAPI DDV_MaxChars(CDataExchange* pDX, CString const& value, int nChars);
AFXLITE_API void AFXAPI DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
