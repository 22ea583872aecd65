// A search dialog whose controls follow its size: derive from
// CResizingDialog, give the template a resizable frame (WS_THICKFRAME), and
// register the controls after the base class's OnInitDialog.
#include <afxwin.h>
#include <ResizingDialog.h>

enum
{
    IDD_FIND = 100,
    IDC_NAME = 1000,
    IDC_FIND = 1001,
    IDC_RESULTS = 1002
};

class CFindDlg : public CResizingDialog
{
public:
    explicit CFindDlg(CWnd* pParent = NULL) : CResizingDialog(IDD_FIND, pParent) {}

protected:
    BOOL OnInitDialog() override
    {
        CResizingDialog::OnInitDialog(); // first: records the initial size
        // Arguments: id, then whether the top, bottom, left and right edges stay put.
        AddDlgControl(IDC_NAME, true, true, true, false);     // widens
        AddDlgControl(IDC_FIND, true, true, false, false);    // moves right
        AddDlgControl(IDC_RESULTS, true, false, true, false); // stretches
        AddDlgControl(IDOK, false, false, false, false);      // follows the bottom-right corner
        AddDlgControl(IDCANCEL, false, false, false, false);
        return TRUE;
    }
};

// Made smaller than the template, the dialog scrolls instead; a dialog that
// only needs that derives from CScrollDialog.
INT_PTR ShowFindDialog(CWnd* pParent)
{
    CFindDlg dlg(pParent);
    return dlg.DoModal();
}
