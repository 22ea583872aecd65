// A dialog whose template edit becomes a masked date field.
#include <afxwin.h>
#include <MaskedEdit.h>

enum { IDD_ENTRY = 100, IDC_DATE = 1000 };

class CEntryDlg : public CDialog
{
public:
    CEntryDlg() : CDialog(IDD_ENTRY), m_date("##/##/####") {}

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_DATE, m_date); // the template's edit becomes a masked edit
    }

private:
    CMaskedEdit m_date;
};
