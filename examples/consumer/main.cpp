// A small host: an application object and a dialog with a masked phone
// number, a position edit and a colour label. afxlite supplies WinMain.
//
// "consumer.exe /selftest" types a number into the dialog through posted
// messages, presses OK, prints what the dialog read back and exits with 0
// when it is what was typed (CI runs it this way under Wine).
#include <afxwin.h>
#include <ColorStatic.h>
#include <MaskedEdit.h>
#include <PosEditCtrl.h>

#include <cstdio>
#include <cstring>

#include "resource.h"

class CContactDlg : public CDialog
{
public:
    CContactDlg() : CDialog(IDD_CONSUMER), m_phone("(###) ###-####") {}

    bool m_bSelfTest = false; // type a number and press OK by itself
    CString m_strPhone;       // the digits entered, after OK
    double m_dLatitude = 0;   // the latitude entered, after OK

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_PHONE, m_phone);       // the template's edit becomes a masked edit
        DDX_Control(pDX, IDC_LATITUDE, m_latitude); // the placeholder becomes a position edit
        DDX_Control(pDX, IDC_TITLE, m_title);       // the label gets its own colours
    }

    BOOL OnInitDialog() override
    {
        m_latitude.SetRange(-90.0, 90.0); // stored, shown at subclassing
        CDialog::OnInitDialog();
        m_latitude.SetCurValue(48.8584, POS_FORMAT_DXX);
        m_title.SetTextColor(RGB(255, 255, 255));
        m_title.SetBkColor(RGB(0, 84, 147));
        if (m_bSelfTest) {
            // Posted, so the keys arrive through the message loop as a user's would.
            for (const char* p = "5551234567"; *p; ++p)
                m_phone.PostMessage(WM_CHAR, static_cast<unsigned char>(*p), 1);
            PostMessage(WM_COMMAND, IDOK);
        }
        return TRUE;
    }

    void OnOK() override
    {
        m_strPhone = m_phone.GetInputData();
        m_dLatitude = m_latitude.GetCurValue();
        CDialog::OnOK();
    }

private:
    CMaskedEdit m_phone;
    CPosEditCtrl m_latitude;
    CColorStatic m_title;
};

class CConsumerApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        CWinApp::InitInstance();
        CContactDlg dlg;
        dlg.m_bSelfTest = std::strstr(m_lpCmdLine, "/selftest") != nullptr;
        m_pMainWnd = &dlg;
        INT_PTR nResult = dlg.DoModal();
        m_pMainWnd = nullptr;
        if (nResult == IDOK)
            std::printf("phone=%s latitude=%.4f\n", static_cast<const char*>(dlg.m_strPhone), dlg.m_dLatitude);
        m_nExit = (nResult == IDOK && dlg.m_strPhone == "5551234567") ? 0 : 1;
        return FALSE; // no message loop after the dialog
    }

    int ExitInstance() override
    {
        CWinApp::ExitInstance();
        return m_nExit;
    }

private:
    int m_nExit = 1;
};

CConsumerApp theApp;
