// The "Masked input" page: masked edits for a phone number, a date and an
// angle in degrees, minutes and seconds, a masked rich edit, and restricted
// edits that take digits only or no vowels, attached to template items.
#include "GalleryPage.h"
#include "masked.h"

#include "MaskedEdit.h"
#include "MaskedRichEdit.h"
#include "RestrictedEdit.h"

namespace {

class CMaskedPage : public CGalleryPage
{
public:
    CMaskedPage()
        : CGalleryPage(IDD_PAGE_MASKED), m_phone("(###) ###-####"), m_date("##/##/####"),
          m_dms("### \xB0 ## ' ##.### \" "), m_rich(">?\?-####")
    {}

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CGalleryPage::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_MK_PHONE, m_phone);
        DDX_Control(pDX, IDC_MK_DATE, m_date);
        DDX_Control(pDX, IDC_MK_DMS, m_dms);
        DDX_Control(pDX, IDC_MK_RICH, m_rich);
        DDX_Control(pDX, IDC_MK_DIGITS, m_digits);
        DDX_Control(pDX, IDC_MK_NOVOWELS, m_noVowels);
    }

    BOOL OnInitDialog() override
    {
        AfxInitRichEdit2();
        CGalleryPage::OnInitDialog();
        m_phone.SetAutoTab(true);
        m_phone.SetInputData("5551234567", 0, true);
        m_date.SetInputData("24122026", 0, true);
        m_dms.SetPromptSymbol('_');
        m_dms.SetInputData("0483015250", 0, true);
        m_rich.SetPromptSymbol('_');
        m_rich.SetInputData("abc12", 0, true);
        m_digits.SetValidChars("0123456789");
        m_digits.SetWindowText("2026");
        m_noVowels.SetInvalidChars("aeiouAEIOU");
        m_noVowels.SetWindowText("Thr ws n vwl hr");
        SetDlgItemText(IDC_MK_STATE,
                       "Typed characters that a position refuses beep; literals stay in place.");
        return TRUE;
    }

private:
    CMaskedEdit m_phone;
    CMaskedEdit m_date;
    CMaskedEdit m_dms;
    CMaskedRichEdit m_rich;
    CRestrictedEdit m_digits;
    CRestrictedEdit m_noVowels;
};

} // namespace

GALLERY_PAGE(CMaskedPage, "Masked input", 10);
