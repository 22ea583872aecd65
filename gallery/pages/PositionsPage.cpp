// The "Positions" page: a latitude and a longitude entered and displayed,
// plus a height entered in feet, linked so that notation changes spread.
#include "GalleryPage.h"
#include "PosEditCtrl.h"
#include "PosStatic.h"
#include "positions.h"

namespace {

// Montreal, at the foot of Mount Royal; the height is in metres.
const double kLatitude = 45.5125;   // 45° 30' 45" N
const double kLongitude = -73.5673; // 73° 34' 02.28" W
const double kHeight = 1234.5;      // shown as 4050.197 ft
const double kEasting = 612345.25;  // metres, on a map grid

class CPositionsPage : public CGalleryPage
{
public:
    CPositionsPage() : CGalleryPage(IDD_PAGE_POSITIONS) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CGalleryPage::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_POS_LAT_EDIT, m_latEdit);
        DDX_Control(pDX, IDC_POS_LON_EDIT, m_lonEdit);
        DDX_Control(pDX, IDC_POS_HEIGHT_EDIT, m_heightEdit);
        DDX_Control(pDX, IDC_POS_LAT_SHOW, m_latShow);
        DDX_Control(pDX, IDC_POS_LON_SHOW, m_lonShow);
        DDX_Control(pDX, IDC_POS_EAST_SHOW, m_eastShow);
    }

    BOOL OnInitDialog() override
    {
        // Symbols and range are stored before subclassing, which shows them.
        m_latEdit.SetRange(-90.0, 90.0);
        m_lonEdit.SetSymbols('E', 'W');
        m_heightEdit.DisplayFeet(true);
        CGalleryPage::OnInitDialog();

        m_latEdit.SetCurValue(kLatitude, POS_FORMAT_DMS);
        m_lonEdit.SetCurValue(kLongitude, POS_FORMAT_DMX);
        m_heightEdit.SetCurValue(kHeight, POS_FORMAT_METRIC);
        m_heightEdit.ForcePosType(POS_TYPE_METRIC); // a height has no hemisphere: no menu
        m_heightEdit.GetColorStatic()->SetTextColor(RGB(0x20, 0x50, 0x90));

        m_latShow.SetLatitude(true);
        m_lonShow.SetLatitude(false);
        m_latShow.SetCurValue(kLatitude, POS_TYPE_GEOGRAPHIC);
        m_lonShow.SetCurValue(kLongitude, POS_TYPE_GEOGRAPHIC);
        // A metric value: the label is the positive symbol, the menu stays closed.
        m_eastShow.SetLatitude(false);
        m_eastShow.SetCurValue(kEasting, POS_TYPE_METRIC);
        m_eastShow.EnableSaving(false);
        for (CPosStatic* pShow : {&m_latShow, &m_lonShow, &m_eastShow}) {
            pShow->SetBkColor(RGB(0xFF, 0xFB, 0xE8));
            pShow->SetTextColor(RGB(0x60, 0x30, 0x00));
        }
        // Linked after the notations are set, so the page opens with four of them.
        m_latShow.SendMessage(m_latShow.GetSynchroMsg(), POS_FORMAT_DXX, 0);
        m_lonShow.SendMessage(m_lonShow.GetSynchroMsg(), POS_FORMAT_DMX, 0);

        m_latEdit.SynchroWith(&m_lonEdit);
        m_lonEdit.SynchroWith(&m_latEdit);
        m_latShow.SynchroWith(&m_lonShow);
        m_lonShow.SynchroWith(&m_latShow);
        m_latShow.SynchroWith(&m_latEdit);
        m_lonShow.SynchroWith(&m_lonEdit);
        return TRUE;
    }

    // The edits forward their field's focus loss as EN_KILLFOCUS from their own id.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (HIWORD(wParam) == EN_KILLFOCUS) {
            if (LOWORD(wParam) == IDC_POS_LAT_EDIT)
                m_latShow.SetCurValue(m_latEdit.GetCurValue(), POS_TYPE_GEOGRAPHIC);
            else if (LOWORD(wParam) == IDC_POS_LON_EDIT)
                m_lonShow.SetCurValue(m_lonEdit.GetCurValue(), POS_TYPE_GEOGRAPHIC);
        }
        return CGalleryPage::OnCommand(wParam, lParam);
    }

private:
    CPosEditCtrl m_latEdit;
    CPosEditCtrl m_lonEdit;
    CPosEditCtrl m_heightEdit;
    CPosStatic m_latShow;
    CPosStatic m_lonShow;
    CPosStatic m_eastShow;
};

} // namespace

GALLERY_PAGE(CPositionsPage, "Positions", 20);
