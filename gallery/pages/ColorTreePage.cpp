// The "Colour tree" page: CColorTreeCtrl on a tree view of a template, with
// root items in their default section-header look, items in colours of their
// own, bold items, an item never coloured and a selected coloured item.
#include "GalleryPage.h"
#include "ColorTreePage.h"

#include "ColorTreeCtrl.h"

namespace {

const COLORREF kSys = QUILLON_SYSCOLOR; // the system colour of the case

class CColorTreePage : public CGalleryPage
{
public:
    CColorTreePage() : CGalleryPage(IDD_PAGE_COLORTREE) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CGalleryPage::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_CT_TREE, m_tree);
    }

    BOOL OnInitDialog() override
    {
        CGalleryPage::OnInitDialog();

        // A section header in the defaults: face band, 3D frame, bold.
        HTREEITEM hProject = Add("Project: harbour survey", TVI_ROOT, kSys, kSys, kSys, kSys);
        HTREEITEM hSources = Add("Sources", hProject, kSys, kSys, kSys, kSys);
        Add("Soundings.csv", hSources, kSys, kSys, kSys, kSys);
        Add("Tide gauge.dat", hSources, kSys, kSys, kSys, kSys);
        HTREEITEM hChecks = Add("Checks", hProject, kSys, kSys, kSys, kSys);
        Add("Depth range: passed", hChecks, RGB(0x20, 0x80, 0x40), RGB(0xE0, 0xF4, 0xE4), kSys,
            RGB(0x10, 0x60, 0x20));
        HTREEITEM hWarn = Add("Spacing: 3 warnings", hChecks, RGB(0x90, 0x60, 0x00), RGB(0xFF, 0xF0, 0xC0),
                              RGB(0xFF, 0xFF, 0xFF), RGB(0x80, 0x50, 0x00));
        HTREEITEM hErr = Add("Datum: 1 error", hChecks, RGB(0xB0, 0x10, 0x10), RGB(0xFF, 0xE0, 0xE0),
                             RGB(0xFF, 0xFF, 0xFF), RGB(0xB0, 0x10, 0x10));
        m_tree.SetItemBold(hErr, 1);
        Add("Bold child, system colours", hProject, kSys, kSys, kSys, kSys, 1);

        // A root in colours of its own, one at normal weight, and an item
        // whose record was never coloured (all four colours 0).
        HTREEITEM hExport = Add("Export", TVI_ROOT, RGB(0x50, 0x70, 0xC0), RGB(0x20, 0x30, 0x70),
                                RGB(0xFF, 0xFF, 0xFF), RGB(0xFF, 0xFF, 0xFF));
        Add("Chart.pdf", hExport, kSys, kSys, kSys, kSys);
        Add("Never coloured: black on black", hExport, 0, 0, 0, 0);
        HTREEITEM hArchive = Add("Archive (root, normal weight)", TVI_ROOT, kSys, kSys, kSys, kSys, 0);
        HTREEITEM hOld = Add("2024 survey (collapsed)", hArchive, kSys, kSys, kSys, kSys);
        Add("Soundings.csv", hOld, kSys, kSys, kSys, kSys);
        HTREEITEM hLast = Add("2025 survey", hArchive, kSys, kSys, kSys, kSys);
        const COLORREF crBlue = RGB(0xDC, 0xE8, 0xFA), crBlueText = RGB(0x10, 0x30, 0x80);
        Add("Raw data", hLast, crBlueText, crBlue, crBlue, crBlueText);
        Add("Processed grid", hLast, crBlueText, crBlue, crBlue, crBlueText);
        Add("Report (bold, own colours)", hLast, crBlueText, crBlue, crBlue, crBlueText, 1);
        HTREEITEM hNotes = Add("Notes", TVI_ROOT, kSys, kSys, kSys, kSys);
        Add("Band runs to the right edge of the tree", hNotes, RGB(0x60, 0x20, 0x80), RGB(0xF0, 0xE4, 0xF8),
            kSys, RGB(0x60, 0x20, 0x80));

        for (HTREEITEM h : {hProject, hSources, hChecks, hExport, hArchive, hLast, hNotes})
            m_tree.Expand(h, TVE_EXPAND);
        m_tree.SelectItem(hWarn);

        SetDlgItemText(
            IDC_CT_NOTES,
            "Root items default to section headers: a band in the face colour from just left of the "
            "label to the right edge, a 3D frame and bold text.\r\n\r\n"
            "Other items default to the window and highlight colours; 0xFFFFFFFF stands for these "
            "system colours.\r\n\r\n"
            "\"Spacing\" is selected: its band shows its own selected colours.\r\n\r\n"
            "A new record holds 0 in all four colours, so an item never coloured paints black.\r\n\r\n"
            "A click anywhere in an item's row, also right of its label, selects the item.\r\n\r\n"
            "Each item here is made with:\r\n"
            "    h = m_tree.InsertItem(text, parent);\r\n"
            "    m_tree.SetItemColors(h, backSel, back,\r\n"
            "                         textSel, text);\r\n"
            "    m_tree.SetItemBold(h, bold); // -1, 0 or 1");
        return TRUE;
    }

private:
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

    CColorTreeCtrl m_tree;
};

} // namespace

GALLERY_PAGE(CColorTreePage, "Colour tree", 50);
