// A dialog whose template push button, progress control and static become an
// extended button, a text progress bar and a palette strip with its scale.
#include <afxwin.h>
#include <ButtonExt.h>
#include <PaletteRectGrd.h>
#include <TextProgressCtrl.h>

enum
{
    IDD_EXPORT = 100,
    IDC_SAVE = 1000,
    IDC_PROGRESS = 1001,
    IDC_SCALE = 1002,
    IDI_SAVE = 200,
    IDI_SAVE_GREY = 201
};

class CExportDlg : public CDialog
{
public:
    CExportDlg() : CDialog(IDD_EXPORT) {}

    void Advance(int nFile, int nFiles)
    {
        m_progress.SetRange32(0, nFiles);
        m_progress.SetPos(nFile); // repaints only when the bar's edge moves a pixel
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_SAVE, m_save);         // becomes owner-drawn
        DDX_Control(pDX, IDC_PROGRESS, m_progress); // paints itself from now on
        DDX_Control(pDX, IDC_SCALE, m_scale);
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_save.SetIcon(IDI_SAVE, IDI_SAVE_GREY); // colour when hot or pressed, grey otherwise
        m_save.SetActiveBgColor(RGB(0xDD, 0xEE, 0xFF), FALSE);
        CString strTip("Saves the export");
        m_save.SetTooltipText(&strTip);

        m_progress.SetFgColor(RGB(0x10, 0x30, 0x90), RGB(0x40, 0xD0, 0xF0)); // a gradient
        m_progress.SetTxtBkColor(RGB(0xFF, 0xFF, 0xFF));                     // text over the bar
        m_progress.SetTxtFgColor(RGB(0x10, 0x30, 0x90));                     // text over the empty part

        unsigned char pal[3][256];
        for (int i = 0; i < 256; i++) {
            pal[0][i] = (unsigned char)i; // black to red
            pal[1][i] = pal[2][i] = 0;
        }
        m_scale.setpalette(pal);              // entries 1..255 become the 255 stripes
        m_scale.SetGrd(0.0, 100.0, 10, true); // labels |0 |10 ... |90
        return TRUE;
    }

private:
    CButtonExt m_save;
    CTextProgressCtrl m_progress;
    CPaletteRectGrd m_scale;
};
