// A dialog whose template static becomes a link to the product's web site.
#include <afxwin.h>
#include <HyperLink.h>

enum
{
    IDD_ABOUT = 100,
    IDC_HOMEPAGE = 1000
};

class CAboutDlg : public CDialog
{
public:
    CAboutDlg() : CDialog(IDD_ABOUT) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_HOMEPAGE, m_homepage); // the static becomes a link
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        // The window text is shown; the target can differ from it.
        m_homepage.SetURL("https://www.example.org/product");
        m_homepage.SetLinkCursor((HICON)::LoadCursor(NULL, IDC_HAND));
        return TRUE;
    }

private:
    CHyperLink m_homepage;
};
