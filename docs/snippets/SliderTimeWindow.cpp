// A dialog whose template static becomes a time-window slider, with a
// cursor tip that tells the selection while it changes.
#include <afxwin.h>
#include <CursorTip.h>
#include <CustomSliderCtrl.h>

enum
{
    IDD_WINDOW = 100,
    IDC_WINDOW = 1000
}; // IDC_WINDOW: CONTROL "", IDC_WINDOW, "Static", SS_NOTIFY, ...

class CWindowDlg : public CDialog
{
public:
    CWindowDlg() : CDialog(IDD_WINDOW) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_WINDOW, m_slider); // attached: message numbers, orientation, font
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_slider.SetControlType(csc_type_time_window);
        m_slider.SetRange(0, 5000); // milliseconds
        m_slider.SetSel(1000, 2500);
        m_tip.Create(this);
        return TRUE;
    }

    // The slider's two messages are registered per instance: compare at run time.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (m_slider.m_hWnd != NULL && reinterpret_cast<HWND>(wParam) == m_slider.m_hWnd) {
            if (message == m_slider.GetMsg_Changing()) {
                CString str;
                str.Format("%d - %d ms", m_slider.GetSelMin(), m_slider.GetSelMax());
                m_tip.SetText(str);
                CPoint pt;
                ::GetCursorPos(&pt);
                ScreenToClient(&pt);
                m_tip.Show(pt);
                *pResult = 0;
                return TRUE;
            }
            if (message == m_slider.GetMsg_Changed()) {
                m_tip.Close(); // the drag is over: read GetSelMin / GetSelMax here
                *pResult = 0;
                return TRUE;
            }
        }
        return CDialog::OnWndMsg(message, wParam, lParam, pResult);
    }

private:
    CCustomSliderCtrl m_slider;
    CCursorTip m_tip;
};
