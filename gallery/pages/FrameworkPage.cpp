// The "Framework" page: afxlite's wrappers of the standard controls, attached
// to a dialog template with DDX_Control as a host application would do it.
#include "GalleryPage.h"
#include "framework.h"
#include "resource.h"

namespace {

// A button that draws itself: shows that WM_DRAWITEM is reflected to the control.
class CSwatchButton : public CButton
{
public:
    void DrawItem(LPDRAWITEMSTRUCT pDIS) override
    {
        CDC* pDC = CDC::FromHandle(pDIS->hDC);
        CRect rc(pDIS->rcItem);
        pDC->FillSolidRect(rc, RGB(0x2E, 0x6E, 0xB8));
        pDC->Draw3dRect(rc, RGB(0xA0, 0xC8, 0xF0), RGB(0x10, 0x30, 0x60));
        CString strText;
        GetWindowText(strText);
        int nOldMode = pDC->SetBkMode(TRANSPARENT);
        COLORREF crOld = pDC->SetTextColor(RGB(0xFF, 0xFF, 0xFF));
        pDC->DrawText(strText, rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        pDC->SetTextColor(crOld);
        pDC->SetBkMode(nOldMode);
    }
};

class CFrameworkPage : public CGalleryPage
{
public:
    CFrameworkPage() : CGalleryPage(IDD_PAGE_FRAMEWORK) {}

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CGalleryPage::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_FW_EDIT, m_edit);
        DDX_Control(pDX, IDC_FW_PUSH, m_push);
        DDX_Control(pDX, IDC_FW_CHECK, m_check);
        DDX_Control(pDX, IDC_FW_OWNERDRAW, m_ownerDraw);
        DDX_Control(pDX, IDC_FW_PROGRESS, m_progress);
        DDX_Control(pDX, IDC_FW_ICON, m_icon);
        DDX_Control(pDX, IDC_FW_TREE, m_tree);
    }

    BOOL OnInitDialog() override
    {
        CGalleryPage::OnInitDialog();
        m_edit.SetWindowText("Text set through CEdit");
        m_check.SetCheck(BST_CHECKED);
        CheckRadioButton(IDC_FW_RADIO1, IDC_FW_RADIO2, IDC_FW_RADIO2);
        m_progress.SetRange(0, 100);
        m_progress.SetPos(65);
        m_icon.SetIcon(AfxGetApp()->LoadIcon(IDI_GALLERY));

        HTREEITEM hRoot = m_tree.InsertItem("Quillon");
        HTREEITEM hFrame = m_tree.InsertItem("afxlite", hRoot);
        m_tree.InsertItem("CWnd and message maps", hFrame);
        m_tree.InsertItem("CDialog and DDX", hFrame);
        m_tree.InsertItem("CDC and GDI objects", hFrame);
        HTREEITEM hControls = m_tree.InsertItem("Controls", hRoot);
        m_tree.InsertItem("Masked input", hControls);
        m_tree.InsertItem("Positions", hControls);
        m_tree.InsertItem("Labels", hControls);
        m_tree.Expand(hRoot, TVE_EXPAND);
        m_tree.Expand(hFrame, TVE_EXPAND);
        m_tree.Expand(hControls, TVE_EXPAND);
        return TRUE;
    }

private:
    CEdit m_edit;
    CButton m_push;
    CButton m_check;
    CSwatchButton m_ownerDraw;
    CProgressCtrl m_progress;
    CStatic m_icon;
    CTreeCtrl m_tree;
};

} // namespace

GALLERY_PAGE(CFrameworkPage, "Framework", 0);
