// The "Overview" page: the library's controls working together on one panel,
// the way a host would lay them out. A survey launch logs line 12 of a
// harbour survey: masked entry of the line's date, start time and the
// skipper's phone, status labels, a link to the line plan, the next
// waypoint entered and the vessel's position shown, the survey's items in a
// colour tree, the echo sounder's time window on a range slider, the depth
// colours with their scale, processing progress and two icon buttons.
#include "GalleryPage.h"
#include "overview.h"

#include "ButtonExt.h"
#include "ColorStatic.h"
#include "ColorTreeCtrl.h"
#include "CustomSliderCtrl.h"
#include "HyperLink.h"
#include "MaskedEdit.h"
#include "PaletteRectGrd.h"
#include "PosEditCtrl.h"
#include "PosStatic.h"
#include "TextProgressCtrl.h"

namespace {

const COLORREF kSys = QUILLON_SYSCOLOR; // the system colour of the case

// Montreal harbour: the next waypoint and where the vessel is now.
const double kWaypointLat = 45.509123;  // 45 deg 30' 32.84" N
const double kWaypointLon = -73.540217; // 73 deg 32' 24.78" W
const double kVesselLat = 45.506132;    // 45 deg 30.3679' N
const double kVesselLon = -73.544870;   // 73 deg 32.6922' W

// Depth colours from shallow (entry 0, left) to deep (entry 254, right):
// sand, green, cyan and a mid blue, light enough for the black scale.
void DepthPalette(unsigned char (&pal)[3][256])
{
    static const unsigned char stops[][3] = {
        {0xF2, 0xC2, 0x6B}, {0xB8, 0xDB, 0x7C}, {0x6C, 0xCB, 0xB4}, {0x6F, 0xB7, 0xE4}, {0x5A, 0x8F, 0xD8}};
    const int nSegments = sizeof(stops) / sizeof(stops[0]) - 1;
    for (int i = 0; i < 256; i++) {
        const double t = (i > 254 ? 254 : i) * nSegments / 254.0;
        const int k = t >= nSegments ? nSegments - 1 : (int)t;
        const double f = t - k;
        for (int c = 0; c < 3; c++)
            pal[c][i] = (unsigned char)(stops[k][c] + (stops[k + 1][c] - stops[k][c]) * f + 0.5);
    }
}

class COverviewPage : public CGalleryPage
{
public:
    COverviewPage()
        : CGalleryPage(IDD_PAGE_OVERVIEW), m_date("##/##/####"), m_time("##:##:##"), m_phone("(###) ###-####")
    {}

    // The screenshot shows the tree focused (no caret in the date field) and
    // the "Save grid" button hot, as under the mouse.
    void PrepareScreenshot() override
    {
        m_tree.SetFocus();
        m_save.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
        m_save.UpdateWindow();
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CGalleryPage::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_OV_DATE, m_date);
        DDX_Control(pDX, IDC_OV_TIME, m_time);
        DDX_Control(pDX, IDC_OV_PHONE, m_phone);
        DDX_Control(pDX, IDC_OV_STATUS_FIX, m_fix);
        DDX_Control(pDX, IDC_OV_STATUS_LOG, m_logging);
        DDX_Control(pDX, IDC_OV_LINK, m_link);
        DDX_Control(pDX, IDC_OV_WPT_LAT, m_wptLat);
        DDX_Control(pDX, IDC_OV_WPT_LON, m_wptLon);
        DDX_Control(pDX, IDC_OV_VSL_LAT, m_vslLat);
        DDX_Control(pDX, IDC_OV_VSL_LON, m_vslLon);
        DDX_Control(pDX, IDC_OV_TREE, m_tree);
        DDX_Control(pDX, IDC_OV_WINDOW, m_window);
        DDX_Control(pDX, IDC_OV_DEPTHS, m_depths);
        DDX_Control(pDX, IDC_OV_BAR_CLEAN, m_barClean);
        DDX_Control(pDX, IDC_OV_BAR_GRID, m_barGrid);
        DDX_Control(pDX, IDC_OV_OPEN, m_open);
        DDX_Control(pDX, IDC_OV_SAVE, m_save);
    }

    BOOL OnInitDialog() override
    {
        // Position symbols and range are stored before subclassing.
        m_wptLat.SetRange(-90.0, 90.0);
        m_wptLon.SetSymbols('E', 'W');
        CGalleryPage::OnInitDialog();

        InitLine();
        InitPosition();
        InitTree();

        // The echo sounder listens from 20 to 55 ms after each ping.
        m_window.SetControlType(csc_type_time_window);
        m_window.SetRange(0, 100);
        m_window.SetSel(20, 55);

        unsigned char pal[3][256];
        DepthPalette(pal);
        m_depths.setpalette(pal);
        m_depths.SetGrd(0.0, 40.0, 8, true);

        InitProcessing();
        return TRUE;
    }

private:
    void InitLine()
    {
        m_date.SetInputData("06122026", 0, true);
        m_time.SetInputData("143520", 0, true);
        m_phone.SetInputData("5551234567", 0, true);

        m_fix.SetTextColor(RGB(0xFF, 0xFF, 0xFF));
        m_fix.SetBkColor(RGB(0x2E, 0x8B, 0x4A));
        m_fix.Font_SetWeight(FW_BOLD, true);
        m_logging.SetTextColor(RGB(0xFF, 0xFF, 0xFF));
        m_logging.SetBkColor(RGB(0xC8, 0x32, 0x2D));
        m_logging.Font_SetWeight(FW_BOLD, true);
    }

    void InitPosition()
    {
        m_wptLat.SetCurValue(kWaypointLat, POS_FORMAT_DMS);
        m_wptLon.SetCurValue(kWaypointLon, POS_FORMAT_DMS);

        // The vessel's position on an instrument-like display, in DMX.
        m_vslLat.SetLatitude(true);
        m_vslLon.SetLatitude(false);
        for (CPosStatic* pShow : {&m_vslLat, &m_vslLon}) {
            pShow->EnableSaving(false);
            pShow->SetBkColor(RGB(0x14, 0x24, 0x38));
            pShow->SetTextColor(RGB(0x7C, 0xF0, 0xA8));
            pShow->SendMessage(pShow->GetSynchroMsg(), POS_FORMAT_DMX, 0);
        }
        m_vslLat.SetCurValue(kVesselLat, POS_TYPE_GEOGRAPHIC);
        m_vslLon.SetCurValue(kVesselLon, POS_TYPE_GEOGRAPHIC);
        m_vslLat.SynchroWith(&m_vslLon);
        m_vslLon.SynchroWith(&m_vslLat);
    }

    void InitTree()
    {
        HTREEITEM hSurvey = Add("Harbour survey 2026", TVI_ROOT, kSys, kSys, kSys, kSys);
        HTREEITEM hLines = Add("Lines", hSurvey, kSys, kSys, kSys, kSys);
        const COLORREF crGreen = RGB(0x1E, 0x7A, 0x3C), crGreenBk = RGB(0xE2, 0xF4, 0xE6);
        Add("Line 10: passed", hLines, crGreen, crGreenBk, kSys, crGreen);
        HTREEITEM hWarn = Add("Line 11: 3 warnings", hLines, RGB(0x9A, 0x62, 0x00), RGB(0xFF, 0xF0, 0xC8),
                              RGB(0xFF, 0xFF, 0xFF), RGB(0x8A, 0x55, 0x00));
        const COLORREF crBlue = RGB(0x1C, 0x4E, 0xA8), crBlueBk = RGB(0xDE, 0xE9, 0xFA);
        Add("Line 12: logging", hLines, crBlue, crBlueBk, kSys, crBlue, 1);
        Add("Datum: 1 error", hSurvey, RGB(0xB0, 0x10, 0x10), RGB(0xFF, 0xE2, 0xE2), RGB(0xFF, 0xFF, 0xFF),
            RGB(0xB0, 0x10, 0x10), 1);
        HTREEITEM hSensors = Add("Sensors", TVI_ROOT, kSys, kSys, kSys, kSys);
        Add("GNSS (RTK)", hSensors, kSys, kSys, kSys, kSys);
        Add("Echo sounder 200 kHz", hSensors, kSys, kSys, kSys, kSys);
        Add("Motion sensor", hSensors, kSys, kSys, kSys, kSys);
        HTREEITEM hExport = Add("Export", TVI_ROOT, RGB(0x50, 0x70, 0xC0), RGB(0x20, 0x34, 0x6C),
                                RGB(0xFF, 0xFF, 0xFF), RGB(0xFF, 0xFF, 0xFF));
        Add("Chart.pdf", hExport, kSys, kSys, kSys, kSys);
        Add("Soundings.xyz", hExport, kSys, kSys, kSys, kSys);

        for (HTREEITEM h : {hSurvey, hLines, hSensors, hExport})
            m_tree.Expand(h, TVE_EXPAND);
        m_tree.SelectItem(hWarn);
    }

    void InitProcessing()
    {
        m_barClean.SetFgColor(RGB(0x2E, 0x8B, 0x4A));
        m_barClean.SetTxtFgColor(RGB(0x2E, 0x8B, 0x4A));
        m_barClean.SetTxtBkColor(RGB(0xFF, 0xFF, 0xFF));
        m_barClean.SetFontExt(GetFont());
        m_barClean.SetPos(72);
        m_barGrid.SetFgColor(RGB(0x1C, 0x3C, 0x96), RGB(0x48, 0xC8, 0xF0));
        m_barGrid.SetTxtFgColor(RGB(0x1C, 0x3C, 0x96));
        m_barGrid.SetTxtBkColor(RGB(0xFF, 0xFF, 0xFF));
        m_barGrid.SetFontExt(GetFont());
        m_barGrid.SetPos(45);

        m_open.SetFlat(FALSE);
        m_open.SetIcon(IDI_OV_FOLDER, 0);
        m_save.SetIcon(IDI_OV_DISK, IDI_OV_DISK_GREY);
        m_save.DrawBorder();
        m_save.SetActiveBgColor(RGB(0xDD, 0xEE, 0xFF), FALSE);
        m_save.SetActiveFgColor(RGB(0x10, 0x30, 0x90), FALSE);
        CString strTip("Saves the depth grid of the survey");
        m_save.SetTooltipText(&strTip);
    }

    // Inserts an item with its colours (selected variant first, as
    // SetItemColors takes them) and bold setting.
    HTREEITEM Add(const char* pszText, HTREEITEM hParent, COLORREF crBackSel, COLORREF crBack,
                  COLORREF crTextSel, COLORREF crText, int nBold = -1)
    {
        HTREEITEM h = m_tree.InsertItem(pszText, hParent);
        m_tree.SetItemColors(h, crBackSel, crBack, crTextSel, crText);
        m_tree.SetItemBold(h, nBold);
        return h;
    }

    CMaskedEdit m_date, m_time, m_phone;
    CColorStatic m_fix, m_logging;
    CHyperLink m_link;
    CPosEditCtrl m_wptLat, m_wptLon;
    CPosStatic m_vslLat, m_vslLon;
    CColorTreeCtrl m_tree;
    CCustomSliderCtrl m_window;
    CPaletteRectGrd m_depths;
    CTextProgressCtrl m_barClean, m_barGrid;
    CButtonExt m_open, m_save;
};

} // namespace

GALLERY_PAGE(COverviewPage, "Overview", -10);
