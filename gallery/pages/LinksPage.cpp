// The "Links" page: CHyperLink controls created on the page, unvisited and
// visited, in colours of their own, and shrunk to their text inside frames
// that show the size they were created with.
#include "GalleryPage.h"
#include "links.h"
#include "resource.h"

#include "HyperLink.h"

namespace {

class CLinksPage : public CGalleryPage
{
public:
    CLinksPage() : CGalleryPage(IDD_PAGE_LINKS) {}

protected:
    BOOL OnInitDialog() override
    {
        CGalleryPage::OnInitDialog();

        // Created without a font of their own, links draw in the default GUI
        // font, underlined.
        CreateLink(m_unvisited, "https://www.example.org", CRect(96, 43, 300, 53), SS_LEFT, IDC_LK_UNVISITED);
        CreateLink(m_mail, "mailto:support@example.org", CRect(96, 57, 300, 67), SS_LEFT, IDC_LK_MAIL);
        CreateLink(m_visited, "https://www.example.org/visited", CRect(96, 71, 300, 81), SS_LEFT,
                   IDC_LK_VISITED);
        m_visited.SetVisited(TRUE);
        CreateLink(m_colours, "A green link, dark red once visited", CRect(96, 85, 300, 95), SS_LEFT,
                   IDC_LK_COLOURS);
        m_colours.SetColours(RGB(0x00, 0x80, 0x30), RGB(0x90, 0x10, 0x10));
        m_colours.SetURL("https://www.example.org/colours");
        CreateLink(m_plain, "Plain text, still a link", CRect(96, 99, 300, 109), SS_LEFT, IDC_LK_PLAIN);
        m_plain.SetUnderline(FALSE);
        m_plain.SetFont(GetFont()); // without underlining no font is chosen for it

        // Inside the frames: each link shrinks toward its alignment.
        CreateLink(m_left, "www.example.org/left", CRect(98, 139, 294, 149), SS_LEFT, IDC_LK_LEFT);
        CreateLink(m_centred, "www.example.org/centre", CRect(98, 159, 294, 169), SS_CENTER | SS_CENTERIMAGE,
                   IDC_LK_CENTRED);
        CreateLink(m_right, "www.example.org/right", CRect(98, 179, 294, 189), SS_RIGHT, IDC_LK_RIGHT);
        m_fixed.SetAutoSize(FALSE);
        CreateLink(m_fixed, "www.example.org/fixed", CRect(98, 199, 294, 209), SS_LEFT, IDC_LK_FIXED);
        return TRUE;
    }

private:
    void CreateLink(CHyperLink& link, const char* pszText, CRect rc, DWORD dwStyle, UINT nId)
    {
        MapDialogRect(&rc);
        link.Create(pszText, WS_CHILD | WS_VISIBLE | dwStyle, rc, this, nId);
    }

    CHyperLink m_unvisited;
    CHyperLink m_mail;
    CHyperLink m_visited;
    CHyperLink m_colours;
    CHyperLink m_plain;
    CHyperLink m_left;
    CHyperLink m_centred;
    CHyperLink m_right;
    CHyperLink m_fixed;
};

} // namespace

GALLERY_PAGE(CLinksPage, "Links", 90);
