// A minimal host: a dialog whose edit box is attached to a CMaskedEdit.
#include <afxwin.h>
#include <MaskedEdit.h>

#include "resource.h"

class CConsumerDlg : public CDialog
{
public:
    CConsumerDlg() : CDialog(IDD_CONSUMER), m_date("##/##/####") {}

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_DATE, m_date); // subclasses the template's edit
    }

private:
    CMaskedEdit m_date;
};

class CConsumerApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        CConsumerDlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
        return FALSE;
    }
};

CConsumerApp theApp;
