// The "Rich text" page: every markup kind of CGUITools, combined, nested,
// in capitals, and the cases the markup leaves as written, shown as the
// source text and as the rich edit ParseRichEdit makes of it.
#include "GalleryPage.h"
#include "RichTextPage.h"

#include "GUITools.h"

namespace {

// One line of kinds, each word wrapped by AddStringStyle in its own tags.
CString KindsLine(const char* pszTitle, int nFirst, int nLast)
{
    static const char* const kWords[] = {"underline", "bold", "italic", "red", "green", "blue", "orange"};
    CString line(pszTitle);
    for (int nKind = nFirst; nKind <= nLast; ++nKind) {
        CString word(kWords[nKind]);
        CGUITools::AddStringStyle(word, static_cast<CGUITools::enum_re_flag>(nKind));
        line += " " + word;
    }
    return line;
}

const char* const kLines[] = {
    "Combined: <b><i><blue>bold italic blue</blue></i></b> and <u><orange>underlined orange</orange></u>",
    "Nested pairs of one kind: <b>bold <b>all</b> the way</b> through",
    "Capital letters: <B>bold</B> and <GREEN>green</Green> tags match in any case",
    "Blue around red: <blue>no blue <red>here</red> at all</blue> (the range is no longer one colour)",
    "A lone tag stays: <i>no closing tag",
    "A closing tag first stops the kind: </u>early <u>pair</u> left as written",
};

class CRichTextPage : public CGalleryPage
{
public:
    CRichTextPage() : CGalleryPage(IDD_PAGE_RICHTEXT) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CGalleryPage::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_RT_SOURCE, m_source);
        DDX_Control(pDX, IDC_RT_RESULT, m_result);
    }

    BOOL OnInitDialog() override
    {
        CGalleryPage::OnInitDialog();
        CString text = KindsLine("Effects:", CGUITools::re_underline, CGUITools::re_italic) + "\r\n" +
                       KindsLine("Colours:", CGUITools::re_red, CGUITools::re_orange);
        for (const char* pszLine : kLines)
            text += CString("\r\n") + pszLine;
        m_source.SetWindowText(text);
        // A larger face than the dialog's, so the effects read well.
        m_font.CreatePointFont(110, "Tahoma");
        m_result.SetFont(&m_font);
        m_result.SetWindowText(text);
        CGUITools::ParseRichEdit(m_result);
        m_result.SetSel(0, 0); // the tool leaves everything selected
        return TRUE;
    }

private:
    CEdit m_source;
    CRichEditCtrl m_result;
    CFont m_font; // the rich edit's default face
};

} // namespace

GALLERY_PAGE(CRichTextPage, "Rich text", 80);
