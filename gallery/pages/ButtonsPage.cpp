// The "Buttons and bars" page: CButtonExt on push buttons of a template (flat,
// normal, coloured, disabled, transparent over the page's own painting),
// CTextProgressCtrl on progress controls, and the palette strip with its
// scale.
#include "Buttons.h"
#include "GalleryPage.h"
#include "resource.h"

#include "ButtonExt.h"
#include "PaletteRect.h"
#include "PaletteRectGrd.h"
#include "TextProgressCtrl.h"

namespace {

// A rainbow from blue (entry 1) through green and yellow to red (entry 255).
void RainbowPalette(unsigned char (&pal)[3][256])
{
    for (int i = 0; i < 256; i++) {
        const double h = 4.0 * i / 255.0; // 0 blue .. 4 red, in quarter turns
        const int k = (int)h;
        const int f = (int)((h - k) * 255.0);
        int r = 0, g = 0, b = 0;
        switch (k) {
        case 0:
            r = 0, g = f, b = 255;
            break;
        case 1:
            r = 0, g = 255, b = 255 - f;
            break;
        case 2:
            r = f, g = 255, b = 0;
            break;
        case 3:
            r = 255, g = 255 - f, b = 0;
            break;
        default:
            r = 255, g = 0, b = 0;
            break;
        }
        pal[0][i] = (unsigned char)r;
        pal[1][i] = (unsigned char)g;
        pal[2][i] = (unsigned char)b;
    }
}

class CButtonsPage : public CGalleryPage
{
public:
    CButtonsPage() : CGalleryPage(IDD_PAGE_BUTTONS) {}

    // The screenshot shows the first button hot, as under the mouse.
    void PrepareScreenshot() override
    {
        m_save.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
        m_save.UpdateWindow();
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CGalleryPage::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_BB_SAVE, m_save);
        DDX_Control(pDX, IDC_BB_OPEN, m_open);
        DDX_Control(pDX, IDC_BB_OK, m_ok);
        DDX_Control(pDX, IDC_BB_COLOURS, m_colours);
        DDX_Control(pDX, IDC_BB_DISABLED, m_disabled);
        DDX_Control(pDX, IDC_BB_TRANSPARENT, m_transparent);
        DDX_Control(pDX, IDC_BB_BAR_SOLID, m_barSolid);
        DDX_Control(pDX, IDC_BB_BAR_GRADIENT, m_barGradient);
        DDX_Control(pDX, IDC_BB_BAR_TEXT, m_barText);
        DDX_Control(pDX, IDC_BB_BAR_FULL, m_barFull);
        DDX_Control(pDX, IDC_BB_BAR_BEYOND, m_barBeyond);
        DDX_Control(pDX, IDC_BB_BAR_NOTEXT, m_barNoText);
        DDX_Control(pDX, IDC_BB_SCALE, m_scale);
        DDX_Control(pDX, IDC_BB_RAMP, m_ramp);
    }

    BOOL OnInitDialog() override
    {
        CGalleryPage::OnInitDialog();

        // Flat buttons: hot tracking shows the active colours and icon.
        m_save.SetIcon(IDI_BB_DISK, IDI_BB_DISK_GREY);
        m_save.SetActiveBgColor(RGB(0xDD, 0xEE, 0xFF), FALSE);
        m_save.SetActiveFgColor(RGB(0x10, 0x30, 0x90), FALSE);
        m_save.SetTooltipText(IDS_BB_SAVE_TIP);
        m_save.SetBtnCursor(IDC_GALLERY_HAND);
        m_open.SetIcon(IDI_BB_FOLDER, IDI_BB_FOLDER_GREY);
        m_open.SetAlign(1);
        CString strTip("Opens a document");
        m_open.SetTooltipText(&strTip);

        // Normal (3-D) buttons.
        m_ok.SetFlat(FALSE);
        m_ok.SetIcon(IDI_BB_DISK, 0);
        m_colours.SetFlat(FALSE);
        m_colours.SetInactiveBgColor(RGB(0x20, 0x30, 0x60), FALSE);
        m_colours.SetInactiveFgColor(RGB(0xFF, 0xFF, 0xFF), FALSE);
        m_colours.SetActiveBgColor(RGB(0xFF, 0xD0, 0x40), FALSE);
        m_colours.SetActiveFgColor(RGB(0x20, 0x30, 0x60), TRUE);
        m_disabled.SetFlat(FALSE);
        m_disabled.SetIcon(IDI_BB_FOLDER, 0);
        m_disabled.EnableWindow(FALSE);

        m_transparent.SetIcon(IDI_BB_DISK, IDI_BB_DISK_GREY);
        m_transparent.SetActiveFgColor(RGB(0xFF, 0xFF, 0xFF), FALSE);
        m_transparent.SetInactiveFgColor(RGB(0xFF, 0xFF, 0xFF), FALSE);
        m_transparent.DrawTransparent();

        // Progress bars.
        m_barSolid.SetFgColor(RGB(0x30, 0x80, 0x30));
        m_barSolid.SetPos(0);
        m_barGradient.SetFgColor(RGB(0x10, 0x30, 0x90), RGB(0x40, 0xD0, 0xF0));
        m_barGradient.SetTxtFgColor(RGB(0x10, 0x30, 0x90));
        m_barGradient.SetTxtBkColor(RGB(0xFF, 0xFF, 0xFF));
        m_barGradient.SetPos(42);
        m_barText.SetFgColor(RGB(0x30, 0x80, 0x30));
        m_barText.SetTxtFgColor(RGB(0x30, 0x80, 0x30));
        m_barText.SetTextAlign(DT_LEFT);
        m_barText.SetFontExt(GetFont()); // the page's font instead of the DC's
        m_barText.SetWindowText("Copying files...");
        m_barText.SetPos(55);
        m_barFull.SetFgColor(RGB(0x90, 0x10, 0x10), RGB(0xFF, 0xA0, 0x20));
        m_barFull.SetTxtBkColor(RGB(0xFF, 0xFF, 0xFF));
        m_barFull.SetPos(100);
        m_barBeyond.SetRange32(0, 200);
        m_barBeyond.SetTextAlign(DT_RIGHT);
        m_barBeyond.SetFontExt(GetFont());
        m_barBeyond.SetPos(250); // not clamped: 125 %
        m_barNoText.SetFgColor(RGB(0x80, 0x40, 0xA0));
        m_barNoText.SetShowText(false);
        m_barNoText.SetPos(70);

        // The palette strip and its scale.
        unsigned char pal[3][256];
        RainbowPalette(pal);
        m_scale.setpalette(pal);
        m_scale.SetGrd(0.0, 100.0, 10, true);
        return TRUE;
    }

    // The band behind the transparent button: diagonal stripes.
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rcBand(8, 82, 392, 110);
        MapDialogRect(&rcBand);
        CBrush brush(HS_BDIAGONAL, RGB(0x60, 0xA0, 0x60));
        dc.FillSolidRect(&rcBand, RGB(0x20, 0x50, 0x30));
        dc.SetBkMode(TRANSPARENT);
        dc.FillRect(&rcBand, &brush);
    }

    DECLARE_MESSAGE_MAP()

private:
    CButtonExt m_save, m_open, m_ok, m_colours, m_disabled, m_transparent;
    CTextProgressCtrl m_barSolid, m_barGradient, m_barText, m_barFull, m_barBeyond, m_barNoText;
    CPaletteRectGrd m_scale;
    CPaletteRect m_ramp;
};

BEGIN_MESSAGE_MAP(CButtonsPage, CGalleryPage)
    ON_WM_PAINT()
END_MESSAGE_MAP()

} // namespace

GALLERY_PAGE(CButtonsPage, "Buttons and bars", 60);
