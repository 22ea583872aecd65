// The "Labels" page: CFontStatic and CColorStatic on static items of a
// template, a transparent label over the page's own painting, a blinking
// label that notifies the page, colour swatches and big icons.
#include "GalleryPage.h"
#include "labels.h"
#include "resource.h"

#include "BigIcon.h"
#include "ColorRect.h"
#include "ColorStatic.h"
#include "FontStatic.h"

namespace {

const UINT WM_LABEL_BLINKED = WM_APP + 23; // posted by the blinking label

class CLabelsPage : public CGalleryPage
{
public:
    CLabelsPage() : CGalleryPage(IDD_PAGE_LABELS), m_nBlinks(0), m_hBigIcon(NULL) {}
    ~CLabelsPage() override
    {
        if (m_hBigIcon != NULL)
            ::DestroyIcon(m_hBigIcon);
    }

    // The screenshot shows the blinking label in phase 1: one tick, and a
    // period long enough that no real tick follows while it is taken.
    void PrepareScreenshot() override
    {
        m_blink.StartTextBlink(1, 600000);
        m_blink.StartBkBlink(1, 600000);
        m_blink.SendMessage(WM_TIMER, 1, 0);
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CGalleryPage::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_LB_FONT_DEFAULT, m_fontDefault);
        DDX_Control(pDX, IDC_LB_FONT_BIG, m_fontBig);
        DDX_Control(pDX, IDC_LB_FONT_ITALIC, m_fontItalic);
        DDX_Control(pDX, IDC_LB_FONT_LINES, m_fontLines);
        DDX_Control(pDX, IDC_LB_COLOR_WARN, m_warn);
        DDX_Control(pDX, IDC_LB_COLOR_NAVY, m_navy);
        DDX_Control(pDX, IDC_LB_COLOR_SYSTEM, m_system);
        DDX_Control(pDX, IDC_LB_BLINK, m_blink);
        DDX_Control(pDX, IDC_LB_TRANSPARENT, m_transparent);
        for (int i = 0; i < 4; i++)
            DDX_Control(pDX, IDC_LB_SWATCH1 + i, m_swatch[i]);
        DDX_Control(pDX, IDC_LB_ICON_CENTRED, m_iconCentred);
        DDX_Control(pDX, IDC_LB_ICON_FLAT, m_iconFlat);
        DDX_Control(pDX, IDC_LB_ICON_STRETCHED, m_iconStretched);
    }

    BOOL OnInitDialog() override
    {
        CGalleryPage::OnInitDialog();

        // Fonts: the first label keeps what subclassing gave it.
        m_fontBig.Font_SetWeight(FW_BOLD, false);
        m_fontBig.Font_SetHeight(-20, true);
        m_fontItalic.Font_SetFaceName("Tahoma", false);
        m_fontItalic.Font_SetItalic(true, false);
        m_fontItalic.Font_SetHeight(-16, true);
        m_fontLines.Font_SetUnderline(true, false);
        m_fontLines.Font_SetStrikeOut(true, true);

        m_warn.SetTextColor(RGB(0xC0, 0x00, 0x00));
        m_warn.SetBkColor(RGB(0xFF, 0xE0, 0x40));
        m_warn.Font_SetWeight(FW_BOLD, true);
        m_navy.SetTextColor(RGB(0xFF, 0xFF, 0xFF));
        m_navy.SetBkColor(RGB(0x10, 0x20, 0x60));
        m_system.SetTextColor(0xFFFFFFFF);
        m_system.SetBkColor(0xFFFFFFFF);

        m_blink.SetBlinkTextColors(RGB(0x20, 0x20, 0x20), RGB(0xFF, 0xFF, 0xFF));
        m_blink.SetBlinkBkColors(RGB(0xE0, 0xE0, 0xE0), RGB(0xD0, 0x30, 0x30));
        m_blink.Font_SetWeight(FW_BOLD, true);
        m_blink.EnableNotify(this, WM_LABEL_BLINKED);
        m_blink.StartTextBlink(1, 0);
        m_blink.StartBkBlink(1, 0); // both now change every 2 s

        m_transparent.SetTransparent(true);
        m_transparent.SetTextColor(RGB(0xFF, 0xFF, 0xFF));
        m_transparent.Font_SetWeight(FW_BOLD, false);
        m_transparent.Font_SetHeight(-22, true);

        const COLORREF swatches[4] = {RGB(0xE0, 0x40, 0x30), RGB(0xF0, 0xC0, 0x20), RGB(0x30, 0xA0, 0x50),
                                      RGB(0x30, 0x60, 0xC0)};
        for (int i = 0; i < 4; i++)
            m_swatch[i].SetColor(swatches[i]);
        CRect rcCreated(354, 114, 384, 134);
        MapDialogRect(&rcCreated);
        m_swatchCreated.Create(rcCreated, this, IDC_LB_SWATCH_CREATED);
        m_swatchCreated.SetColor(RGB(0x80, 0x40, 0xA0));

        m_hBigIcon = (HICON)::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_GALLERY), IMAGE_ICON, 0,
                                         0, LR_DEFAULTSIZE);
        m_iconCentred.SetIcon(m_hBigIcon, FALSE, 0);
        m_iconFlat.SetIcon(m_hBigIcon, FALSE, 1);
        m_iconStretched.SetIcon(m_hBigIcon, TRUE, 2);
        return TRUE;
    }

    // The band behind the transparent label: stripes, so that the label's
    // lack of background is plain to see.
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rcBand(8, 112, 198, 144);
        MapDialogRect(&rcBand);
        const COLORREF stripes[2] = {RGB(0x20, 0x70, 0x90), RGB(0x30, 0x90, 0x60)};
        const int nStripe = rcBand.Width() / 10;
        for (int i = 0; i < 10; i++) {
            CRect rc(rcBand.left + i * nStripe, rcBand.top, rcBand.left + (i + 1) * nStripe, rcBand.bottom);
            if (i == 9)
                rc.right = rcBand.right;
            dc.FillSolidRect(rc, stripes[i % 2]);
        }
    }

    afx_msg LRESULT OnLabelBlinked(WPARAM wParam, LPARAM /*lParam*/)
    {
        if (wParam == IDC_LB_BLINK) {
            CString str;
            str.Format("Notifications received: %d", ++m_nBlinks);
            SetDlgItemText(IDC_LB_BLINK_COUNT, str);
        }
        return 0;
    }

    DECLARE_MESSAGE_MAP()

private:
    CFontStatic m_fontDefault;
    CFontStatic m_fontBig;
    CFontStatic m_fontItalic;
    CFontStatic m_fontLines;
    CColorStatic m_warn;
    CColorStatic m_navy;
    CColorStatic m_system;
    CColorStatic m_blink;
    CColorStatic m_transparent;
    CColorRect m_swatch[4];
    CColorRect m_swatchCreated;
    CBigIcon m_iconCentred;
    CBigIcon m_iconFlat;
    CBigIcon m_iconStretched;
    int m_nBlinks;    // notifications received from m_blink
    HICON m_hBigIcon; // owned: the CBigIcon controls only borrow it
};

BEGIN_MESSAGE_MAP(CLabelsPage, CGalleryPage)
    ON_WM_PAINT()
    ON_MESSAGE(WM_LABEL_BLINKED, &ThisClass::OnLabelBlinked)
END_MESSAGE_MAP()

} // namespace

GALLERY_PAGE(CLabelsPage, "Labels", 30);
