// The "Dialogs" page: a CResizingDialog shown at its template size and made
// larger, and a CScrollDialog made smaller than its template, each embedded
// as a child window with a resizable frame in the place of a hidden slot.
#include "GalleryPage.h"
#include "dialogs.h"
#include "resource.h"

#include "ResizingDialog.h"
#include "ScrollDialog.h"

namespace {

// A search form: the name edit widens, the Find button moves right, the
// list stretches, OK and Cancel follow the bottom-right corner.
class CFindDlg : public CResizingDialog
{
public:
    CFindDlg() : CResizingDialog(IDD_DL_RESIZING) {}

protected:
    BOOL OnInitDialog() override
    {
        CResizingDialog::OnInitDialog();
        AddDlgControl(IDC_DL_NAME, true, true, true, false);
        AddDlgControl(IDC_DL_FIND, true, true, false, false);
        AddDlgControl(IDC_DL_LIST, true, false, true, false);
        AddDlgControl(IDOK, false, false, false, false);
        AddDlgControl(IDCANCEL, false, false, false, false);
        SetDlgItemText(IDC_DL_NAME, "Harbour");
        const char* const items[] = {"Harbour entrance", "Harbour master", "North harbour light",
                                     "Old harbour wall", "Harbour ferry stop"};
        for (const char* item : items)
            SendDlgItemMessage(IDC_DL_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendDlgItemMessage(IDC_DL_LIST, LB_SETCURSEL, 1, 0);
        return TRUE;
    }
    // Embedded in the page: Enter and Escape must not end it.
    void OnOK() override {}
    void OnCancel() override {}
};

class CSettingsDlg : public CScrollDialog
{
public:
    CSettingsDlg() : CScrollDialog(IDD_DL_SCROLLING, nullptr) {}

protected:
    BOOL OnInitDialog() override
    {
        CScrollDialog::OnInitDialog();
        SetDlgItemText(IDC_DL_FIELD, "charts.example.org");
        SetDlgItemText(IDC_DL_FIELD + 1, "8080");
        SetDlgItemText(IDC_DL_FIELD + 2, "navigator");
        CheckDlgButton(IDC_DL_FIELD + 3, BST_CHECKED);
        return TRUE;
    }
    void OnOK() override {}
    void OnCancel() override {}
};

// A note at least as large as its template: no bars, the grip in the corner.
class CNoteDlg : public CScrollDialog
{
public:
    CNoteDlg() : CScrollDialog(IDD_DL_GRIP, nullptr) {}

protected:
    void OnOK() override {}
    void OnCancel() override {}
};

class CDialogsPage : public CGalleryPage
{
public:
    CDialogsPage() : CGalleryPage(IDD_PAGE_DIALOGS) {}

protected:
    BOOL OnInitDialog() override
    {
        CGalleryPage::OnInitDialog();
        Embed(m_atTemplate, IDC_DL_SLOT_TEMPLATE, false);
        Embed(m_larger, IDC_DL_SLOT_LARGER, true);
        Embed(m_settings, IDC_DL_SLOT_SCROLL, true);
        Embed(m_note, IDC_DL_SLOT_GRIP, true);
        return TRUE;
    }

private:
    // Creates the dialog as a child of the page at the slot's top-left
    // corner, sized to the slot when bFillSlot, and shows it.
    void Embed(CDialog& dlg, UINT nSlot, bool bFillSlot)
    {
        CRect rcSlot;
        GetDlgItem(nSlot)->GetWindowRect(&rcSlot);
        ScreenToClient(&rcSlot);
        if (!dlg.Create(dlg.m_lpszTemplateName, this))
            return;
        UINT nFlags = SWP_NOZORDER | SWP_SHOWWINDOW;
        if (!bFillSlot)
            nFlags |= SWP_NOSIZE;
        dlg.SetWindowPos(nullptr, rcSlot.left, rcSlot.top, rcSlot.Width(), rcSlot.Height(), nFlags);
    }

    CFindDlg m_atTemplate;
    CFindDlg m_larger;
    CSettingsDlg m_settings;
    CNoteDlg m_note;
};

} // namespace

GALLERY_PAGE(CDialogsPage, "Dialogs", 70);
