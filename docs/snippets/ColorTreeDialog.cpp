// A dialog whose template tree view becomes a colour tree.
#include <afxwin.h>
#include <ColorTreeCtrl.h>

enum
{
    IDD_CHECKS = 100,
    IDC_TREE = 1000
};

class CChecksDlg : public CDialog
{
public:
    CChecksDlg() : CDialog(IDD_CHECKS) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TREE, m_tree); // the template's tree view becomes a colour tree
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        const COLORREF sys = 0xFFFFFFFF;                   // the system colour of the case
        HTREEITEM hChecks = m_tree.InsertItem("Checks");   // a root: a section header
        m_tree.SetItemColors(hChecks, sys, sys, sys, sys); // in the default colours
        HTREEITEM hError = m_tree.InsertItem("Datum: 1 error", hChecks);
        // Selected variant first: selected background, background, selected text, text.
        m_tree.SetItemColors(hError, RGB(176, 16, 16), RGB(255, 224, 224), RGB(255, 255, 255),
                             RGB(176, 16, 16));
        m_tree.SetItemBold(hError, 1);
        m_tree.SetUserData(hError, 42); // the item's parameter is the tree's: keep host values here
        m_tree.Expand(hChecks, TVE_EXPAND);
        return TRUE;
    }

private:
    CColorTreeCtrl m_tree;
};
