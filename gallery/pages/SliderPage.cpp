// The "Slider" page: CCustomSliderCtrl of each overlay kind, both vertical
// orientations, disabled abilities, custom colours, and a CCursorTip that
// follows the selection of the last slider. The page counts the
// notifications it receives from every slider.
#include "GalleryPage.h"
#include "resource.h"
#include "slider.h"

#include "CursorTip.h"
#include "CustomSliderCtrl.h"

namespace {

class CSliderPage : public CGalleryPage
{
public:
    CSliderPage() : CGalleryPage(IDD_PAGE_SLIDER), m_nChanging(0), m_nChanged(0), m_bCompositeTip(false) {}

    // The screenshot reads the main window's own surface, which does not
    // hold the tip's separate pop-up window: the page copies the tip's
    // pixels under it for the capture.
    void PrepareScreenshot() override
    {
        ShowTip();
        m_tip.UpdateWindow();
        m_bCompositeTip = true;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CGalleryPage::DoDataExchange(pDX);
        for (int i = 0; i < kCount; ++i)
            DDX_Control(pDX, kIds[i], m_sliders[i]);
    }

    BOOL OnInitDialog() override
    {
        CGalleryPage::OnInitDialog();
        CCustomSliderCtrl& plain = m_sliders[0];
        plain.SetSel(3, 7);

        CCustomSliderCtrl& time = m_sliders[1];
        time.SetControlType(csc_type_time_window);
        time.SetRange(0, 100);
        time.SetSel(20, 55);

        CCustomSliderCtrl& zoom = m_sliders[2];
        zoom.SetControlType(csc_type_zoom);
        zoom.SetRange(1, 16);
        zoom.SetSel(1, 4);

        CCustomSliderCtrl& labels = m_sliders[3];
        labels.SetControlType(csc_type_range_labels);
        labels.SetRange(-50, 250);
        labels.SetSel(40, 160);

        CCustomSliderCtrl& colours = m_sliders[4];
        colours.SetControlType(csc_type_time_window);
        colours.SetBackgroundColor(RGB(0x20, 0x30, 0x48));
        colours.SetChannelColor(RGB(0xF4, 0xEC, 0xD0));
        colours.SetSelectionColor(RGB(0xE8, 0x7A, 0x20));
        colours.SetThumbColor(RGB(0x70, 0xA8, 0xD8));
        colours.SetRange(0, 40);
        colours.SetSel(12, 30);

        CCustomSliderCtrl& fixed = m_sliders[5];
        fixed.Disable_Move();
        fixed.Disable_Resize_Min();
        fixed.SetSel(0, 6);

        CCustomSliderCtrl& disabled = m_sliders[6];
        disabled.SetSel(2, 8);
        disabled.EnableWindow(FALSE);

        CCustomSliderCtrl& top = m_sliders[7];
        top.SetControlType(csc_type_time_window);
        top.SetRange(0, 20);
        top.SetSel(4, 12);

        CCustomSliderCtrl& bottom = m_sliders[8];
        bottom.ReverseVert_Set(false);
        bottom.SetControlType(csc_type_range_labels);
        bottom.SetRange(0, 60);
        bottom.SetSel(15, 40);

        CCustomSliderCtrl& vplain = m_sliders[9];
        vplain.SetSelectionColor(RGB(0x30, 0x90, 0x60));
        vplain.SetSel(5, 8);

        CCustomSliderCtrl& tipped = m_sliders[10];
        tipped.SetRange(0, 1000);
        tipped.SetSel(250, 600);

        m_tip.Create(this);
        return TRUE;
    }

    // Every slider's two messages: count them, and move the tip with the last slider.
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        for (CCustomSliderCtrl& slider : m_sliders) {
            if (slider.m_hWnd == NULL || reinterpret_cast<HWND>(wParam) != slider.m_hWnd)
                continue;
            if (message == slider.GetMsg_Changing() || message == slider.GetMsg_Changed()) {
                (message == slider.GetMsg_Changing() ? m_nChanging : m_nChanged)++;
                CString str;
                str.Format("Notifications: %d changing, %d changed", m_nChanging, m_nChanged);
                SetDlgItemText(IDC_SL_NOTES, str);
                if (&slider == &m_sliders[kCount - 1])
                    ShowTip();
                *pResult = 0;
                return TRUE;
            }
        }
        return CGalleryPage::OnWndMsg(message, wParam, lParam, pResult);
    }

    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        if (!m_bCompositeTip || !m_tip.IsWindowVisible())
            return;
        CRect rc;
        m_tip.GetWindowRect(&rc);
        ScreenToClient(&rc);
        CDC* pTipDC = m_tip.GetDC();
        dc.BitBlt(rc.left, rc.top, rc.Width(), rc.Height(), pTipDC, 0, 0, SRCCOPY);
        m_tip.ReleaseDC(pTipDC);
    }

    afx_msg void OnDestroy()
    {
        m_tip.DestroyWindow();
        CGalleryPage::OnDestroy();
    }
    DECLARE_MESSAGE_MAP()

private:
    static const int kCount = 11;
    static const UINT kIds[kCount];

    // The tip under the tipped slider's max end, telling its selection.
    void ShowTip()
    {
        CCustomSliderCtrl& tipped = m_sliders[kCount - 1];
        CString str;
        str.Format("Selection %d - %d", tipped.GetSelMin(), tipped.GetSelMax());
        m_tip.SetText(str);
        CRect rc;
        tipped.GetWindowRect(&rc);
        ScreenToClient(&rc);
        const int x = rc.left + rc.Width() * (tipped.GetSelMax() - tipped.GetRangeMin()) /
                                    (tipped.GetRangeMax() - tipped.GetRangeMin());
        m_tip.Show(CPoint(x, rc.bottom + 2));
    }

    CCustomSliderCtrl m_sliders[kCount];
    CCursorTip m_tip;
    int m_nChanging, m_nChanged; // notifications received
    bool m_bCompositeTip;        // copy the tip's pixels onto the page (screenshots)
};

const UINT CSliderPage::kIds[CSliderPage::kCount] = {
    IDC_SL_PLAIN,    IDC_SL_TIME,     IDC_SL_ZOOM,        IDC_SL_LABELS,     IDC_SL_COLOURS, IDC_SL_FIXED,
    IDC_SL_DISABLED, IDC_SL_VERT_TOP, IDC_SL_VERT_BOTTOM, IDC_SL_VERT_PLAIN, IDC_SL_TIPPED};

BEGIN_MESSAGE_MAP(CSliderPage, CGalleryPage)
    ON_WM_PAINT()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

} // namespace

GALLERY_PAGE(CSliderPage, "Slider", 40);
