// The gallery application: one window with a tab per page. With
// "--screenshots DIR" it renders every page to DIR\NN-<title>.png, prints the
// paths and exits; otherwise it runs as an ordinary dialog application.
#include "GalleryPage.h"
#include "PngWriter.h"
#include "resource.h"

#include <WinAppExt.h>

#include <commctrl.h>
#include <cstdio>
#include <vector>

namespace {

void PumpPending()
{
    MSG msg;
    while (::PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessage(&msg);
    }
}

// "Masked input" -> "masked-input", for file names.
CString Slug(const char* pszTitle)
{
    CString s;
    for (const char* p = pszTitle; *p; ++p) {
        char c = *p;
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        s += ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) ? c : '-';
    }
    return s;
}

} // namespace

class CGalleryDlg : public CDialog
{
public:
    CGalleryDlg() : CDialog(IDD_GALLERY) {}

    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CGalleryPage* GetPage(int i) const { return m_pages[static_cast<size_t>(i)]; }
    const char* GetPageTitle(int i) const { return m_titles[static_cast<size_t>(i)]; }
    int GetBrokenPageCount() const { return m_nBrokenPages; }
    void ShowPage(int nIndex);

protected:
    BOOL OnInitDialog() override;
    void PostNcDestroy() override;
    afx_msg void OnSelChange(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    HWND m_hTabs = nullptr;
    std::vector<CGalleryPage*> m_pages; // owned; created with the dialog, deleted with it
    std::vector<const char*> m_titles;  // tab captions, parallel to m_pages
    int m_nBrokenPages = 0;             // pages whose template could not be built
    int m_nCurrent = -1;                 // index of the page shown, -1 before the first
};

BEGIN_MESSAGE_MAP(CGalleryDlg, CDialog)
    ON_NOTIFY(TCN_SELCHANGE, IDC_PAGE_TABS, &CGalleryDlg::OnSelChange)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

BOOL CGalleryDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(AfxGetApp()->LoadIcon(IDI_GALLERY), TRUE);
    m_hTabs = ::GetDlgItem(m_hWnd, IDC_PAGE_TABS);
    ASSERT_MSG(m_hTabs != nullptr, "CGalleryDlg: the template has no tab control");

    for (int i = 0; i < GalleryPageCount(); ++i) {
        const GalleryPageInfo& info = GalleryPageAt(i);
        CGalleryPage* pPage = info.pfnCreate();
        if (!pPage->Create(pPage->m_nIDTemplate, this)) {
            // A page that cannot be built is reported and left out; the
            // program's exit code says so (screenshot runs fail).
            std::fprintf(stderr, "gallery: the page \"%s\" could not be created from template %u\n", info.pszTitle,
                         pPage->m_nIDTemplate);
            delete pPage;
            ++m_nBrokenPages;
            continue;
        }
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(info.pszTitle);
        ::SendMessage(m_hTabs, TCM_INSERTITEMA, GetPageCount(), reinterpret_cast<LPARAM>(&item));
        m_pages.push_back(pPage);
        m_titles.push_back(info.pszTitle);
    }

    // The pages sit on the tab control's display area, above it in z-order.
    CRect rcTabs;
    ::GetWindowRect(m_hTabs, &rcTabs);
    ScreenToClient(&rcTabs);
    CRect rcPage = rcTabs;
    ::SendMessage(m_hTabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rcPage));
    for (CGalleryPage* pPage : m_pages)
        pPage->SetWindowPos(&wndTop, rcPage.left, rcPage.top, rcPage.Width(), rcPage.Height(), SWP_HIDEWINDOW);

    if (!m_pages.empty())
        ShowPage(0);
    return TRUE;
}

void CGalleryDlg::ShowPage(int nIndex)
{
    ASSERT_MSG(nIndex >= 0 && nIndex < GetPageCount(), "CGalleryDlg::ShowPage: no such page");
    if (m_nCurrent >= 0 && m_nCurrent != nIndex)
        GetPage(m_nCurrent)->ShowWindow(SW_HIDE);
    m_nCurrent = nIndex;
    ::SendMessage(m_hTabs, TCM_SETCURSEL, nIndex, 0);
    GetPage(nIndex)->ShowWindow(SW_SHOW);
}

void CGalleryDlg::OnSelChange(NMHDR*, LRESULT* pResult)
{
    int nSel = static_cast<int>(::SendMessage(m_hTabs, TCM_GETCURSEL, 0, 0));
    if (nSel >= 0)
        ShowPage(nSel);
    *pResult = 0;
}

void CGalleryDlg::OnDestroy()
{
    for (CGalleryPage* pPage : m_pages) {
        pPage->DestroyWindow();
        delete pPage;
    }
    m_pages.clear();
    CDialog::OnDestroy();
}

void CGalleryDlg::PostNcDestroy()
{
    CDialog::PostNcDestroy();
}

// The gallery keeps its settings (and the position controls' notation) in
// its own profile file: Documents\Quillon Voruvuz, Inc\gallery\gallery.ini.
class CGalleryApp : public CWinAppExt
{
public:
    CGalleryApp() : CWinAppExt(nullptr) {} // title from the string table
    BOOL InitInstance() override;
    int ExitInstance() override;

private:
    int RenderScreenshots(const CString& strDir);
    int m_nExitCode = 0;
};

CGalleryApp theApp;

BOOL CGalleryApp::InitInstance()
{
    CWinAppExt::InitInstance(); // "/rtfd": factory settings before anything reads one
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&icc);
    AfxInitRichEdit2(); // pages' templates hold "RichEdit20A" items

    // Command line: [--screenshots DIR]
    CString strCmd = m_lpCmdLine;
    strCmd.Trim();
    const char* const pszSwitch = "--screenshots";
    if (strCmd.Find(pszSwitch) == 0) {
        CString strDir = strCmd.Mid(static_cast<int>(strlen(pszSwitch)));
        strDir.Trim();
        strDir.Trim('"');
        if (strDir.IsEmpty())
            strDir = ".";
        ::CoInitialize(nullptr);
        m_nExitCode = RenderScreenshots(strDir);
        ::CoUninitialize();
        return FALSE; // no message loop: ExitInstance gives the exit code
    }

    CGalleryDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;
}

int CGalleryApp::ExitInstance()
{
    CWinAppExt::ExitInstance();
    return m_nExitCode;
}

int CGalleryApp::RenderScreenshots(const CString& strDir)
{
    ::CreateDirectoryA(strDir, nullptr);
    CGalleryDlg dlg;
    if (!dlg.Create(IDD_GALLERY, nullptr)) {
        std::fprintf(stderr, "gallery: the main window could not be created\n");
        return 1;
    }
    m_pMainWnd = &dlg;
    dlg.ShowWindow(SW_SHOW);
    int nFailures = 0;
    for (int i = 0; i < dlg.GetPageCount(); ++i) {
        dlg.ShowPage(i);
        CGalleryPage* pPage = dlg.GetPage(i);
        dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpPending();
        pPage->PrepareScreenshot();
        dlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpPending();

        CString strPath;
        strPath.Format("%s\\%02d-%s.png", static_cast<const char*>(strDir), i + 1,
                       static_cast<const char*>(Slug(dlg.GetPageTitle(i))));
        HRESULT hr = SaveWindowAsPng(dlg.m_hWnd, strPath);
        if (SUCCEEDED(hr)) {
            std::printf("%s\n", static_cast<const char*>(strPath));
        } else {
            std::fprintf(stderr, "gallery: %s could not be written (0x%08lx)\n", static_cast<const char*>(strPath),
                         static_cast<unsigned long>(hr));
            ++nFailures;
        }
        std::fflush(stdout);
    }
    nFailures += dlg.GetBrokenPageCount();
    dlg.DestroyWindow();
    m_pMainWnd = nullptr;
    return nFailures == 0 ? 0 : 1;
}
