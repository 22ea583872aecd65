// The "Menus and bars" page: a CTitledMenu tracked by the page and pictured
// as the menu loop drew it, a CSizingToolBar floating and docked next to a
// plain CToolBar that floated the same way, and a CFolderDialog.
#include "GalleryPage.h"
#include "menus.h"

#include "FolderDialog.h"
#include "SizingToolBar.h"
#include "TitledMenu.h"

namespace {

const UINT WM_CAPTURE_MENU = WM_APP + 31; // posted once the page is up
const int kButtons = 6;
const UINT kIDs[kButtons] = {ID_MB_CMD_FIRST,     ID_MB_CMD_FIRST + 1, ID_MB_CMD_FIRST + 2,
                             ID_MB_CMD_FIRST + 3, ID_MB_CMD_FIRST + 4, ID_MB_CMD_FIRST + 5};
const char* const kItems[] = {"Copy position", "Paste position", "Degrees", "Degrees, minutes", "Metres"};

// Six 16 x 15 glyphs on the button face colour (which the tool bar masks out).
HBITMAP MakeGlyphs()
{
    CClientDC screen(NULL);
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap bm;
    bm.CreateCompatibleBitmap(&screen, 16 * kButtons, 15);
    CBitmap* pOld = dc.SelectObject(&bm);
    dc.FillSolidRect(0, 0, 16 * kButtons, 15, ::GetSysColor(COLOR_BTNFACE));
    const COLORREF colours[kButtons] = {RGB(0xD0, 0x30, 0x30), RGB(0xE0, 0x90, 0x10), RGB(0x30, 0xA0, 0x40),
                                        RGB(0x20, 0x80, 0xC0), RGB(0x50, 0x40, 0xB0), RGB(0x60, 0x60, 0x60)};
    for (int i = 0; i < kButtons; ++i) {
        CBrush brush;
        brush.CreateSolidBrush(colours[i]);
        CBrush* pOldBrush = dc.SelectObject(&brush);
        CPen* pOldPen = (CPen*)dc.SelectStockObject(BLACK_PEN);
        const int x = 16 * i;
        if (i % 2 == 0)
            dc.Ellipse(x + 2, 1, x + 14, 13);
        else
            dc.Rectangle(x + 2, 2, x + 14, 13);
        dc.SelectObject(pOldPen);
        dc.SelectObject(pOldBrush);
    }
    dc.SelectObject(pOld);
    return (HBITMAP)bm.Detach();
}

class CMenusPage : public CGalleryPage
{
public:
    CMenusPage() : CGalleryPage(IDD_PAGE_MENUS), m_bCapturing(false), m_hbmMenu(NULL), m_sizeMenu(0, 0) {}
    ~CMenusPage() override
    {
        if (m_hbmMenu != NULL)
            ::DeleteObject(m_hbmMenu);
    }

    // The folder line shows a real browse: the browser answered by a hook
    // that picks a folder and presses OK.
    void PrepareScreenshot() override
    {
        s_pszScriptedFolder = "C:\\windows";
        HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, AnswerBrowser, NULL, ::GetCurrentThreadId());
        Browse();
        ::UnhookWindowsHookEx(hHook);
    }

protected:
    BOOL OnInitDialog() override
    {
        CGalleryPage::OnInitDialog();

        m_menu.CreatePopupMenu();
        m_menu.AppendMenu(MF_STRING, kIDs[0], kItems[0]);
        m_menu.AppendMenu(MF_STRING, kIDs[1], kItems[1]);
        m_menu.AppendMenu(MF_SEPARATOR);
        m_menu.AppendMenu(MF_STRING | MF_CHECKED, kIDs[2], kItems[2]);
        m_menu.AppendMenu(MF_STRING, kIDs[3], kItems[3]);
        m_menu.AppendMenu(MF_STRING, kIDs[4], kItems[4]);
        m_menu.AddMenuTitle("Position");

        // The floating bar: its frame stands in for a floating tool window.
        CRect rc = AnchorRect(IDC_MB_FLOATING);
        m_frame.CreateEx(WS_EX_TOOLWINDOW,
                         AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1)),
                         "Tools", WS_CHILD | WS_VISIBLE | WS_CAPTION | WS_CLIPCHILDREN, rc, this, 0);
        MakeBar(m_floating, &m_frame, IDC_MB_BAR_FLOATING);
        m_floating.SetBarStyle(m_floating.GetBarStyle() | CBRS_FLOATING);
        const int cxButton = LOWORD(m_floating.SendMessage(TB_GETBUTTONSIZE, 0, 0));
        CSize size = m_floating.CalcDynamicLayout(3 * cxButton, LM_HORZ | LM_COMMIT);
        m_floating.MoveWindow(0, 0, size.cx, size.cy);
        CRect rcFrame(0, 0, size.cx, size.cy);
        ::AdjustWindowRectEx(&rcFrame, m_frame.GetStyle(), FALSE, m_frame.GetExStyle());
        m_frame.MoveWindow(rc.left, rc.top, rcFrame.Width(), rcFrame.Height());

        // The docked bars floated at the same width before they docked.
        DockAfterFloating(m_docked, IDC_MB_BAR_SIZING, IDC_MB_DOCKED_SIZING, cxButton);
        DockAfterFloating(m_plain, IDC_MB_BAR_PLAIN, IDC_MB_DOCKED_PLAIN, cxButton);

        m_rcPicture = AnchorRect(IDC_MB_MENU_PICTURE);
        PostMessage(WM_CAPTURE_MENU);
        return TRUE;
    }

    void OnOK() override {}
    void OnCancel() override {}

    // The rectangle of a placeholder item, which is then hidden.
    CRect AnchorRect(UINT nID)
    {
        CWnd* pItem = GetDlgItem(nID);
        CRect rc;
        pItem->GetWindowRect(&rc);
        ScreenToClient(&rc);
        pItem->ShowWindow(SW_HIDE);
        return rc;
    }

    void MakeBar(CToolBar& bar, CWnd* pParent, UINT nID)
    {
        bar.CreateEx(pParent, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC,
                     CRect(0, 0, 0, 0), nID);
        bar.SetButtons(kIDs, kButtons);
        bar.SetBitmap(MakeGlyphs());
    }

    void DockAfterFloating(CToolBar& bar, UINT nBarID, UINT nAnchorID, int cxButton)
    {
        MakeBar(bar, this, nBarID);
        bar.SetBarStyle(bar.GetBarStyle() | CBRS_FLOATING);
        bar.CalcDynamicLayout(3 * cxButton, LM_HORZ | LM_COMMIT);
        bar.SetBarStyle(bar.GetBarStyle() & ~CBRS_FLOATING);
        const CSize size = bar.CalcDynamicLayout(-1, LM_HORZ | LM_HORZDOCK | LM_COMMIT);
        const CRect rc = AnchorRect(nAnchorID);
        bar.MoveWindow(rc.left + 2, rc.top + 2, size.cx, size.cy);
        m_rcDock[nBarID == IDC_MB_BAR_SIZING ? 0 : 1].SetRect(rc.left, rc.top, rc.right,
                                                              rc.top + size.cy + 4);
    }

    // Tracks the menu once; when the loop goes idle its window is copied and
    // the menu is closed with Escape.
    afx_msg LRESULT OnCaptureMenu(WPARAM, LPARAM)
    {
        CRect rc;
        GetDlgItem(IDC_MB_OPEN_MENU)->GetWindowRect(&rc);
        m_bCapturing = true;
        m_menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, rc.left, rc.bottom, this);
        m_bCapturing = false;
        InvalidateRect(m_rcPicture);
        return 0;
    }

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ENTERIDLE && wParam == MSGF_MENU && m_bCapturing) {
            m_bCapturing = false;
            CopyMenuWindow((HWND)lParam);
            ::PostMessageA((HWND)lParam, WM_KEYDOWN, VK_ESCAPE, 0);
        }
        return CGalleryPage::WindowProc(message, wParam, lParam);
    }

    void CopyMenuWindow(HWND hMenuWnd)
    {
        ::UpdateWindow(hMenuWnd);
        CRect rc;
        ::GetWindowRect(hMenuWnd, &rc);
        HDC hWndDC = ::GetWindowDC(hMenuWnd);
        HDC hMemDC = ::CreateCompatibleDC(hWndDC);
        if (m_hbmMenu != NULL)
            ::DeleteObject(m_hbmMenu);
        m_hbmMenu = ::CreateCompatibleBitmap(hWndDC, rc.Width(), rc.Height());
        HGDIOBJ hOld = ::SelectObject(hMemDC, m_hbmMenu);
        ::BitBlt(hMemDC, 0, 0, rc.Width(), rc.Height(), hWndDC, 0, 0, SRCCOPY);
        ::SelectObject(hMemDC, hOld);
        ::DeleteDC(hMemDC);
        ::ReleaseDC(hMenuWnd, hWndDC);
        m_sizeMenu = rc.Size();
    }

    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        for (const CRect& rc : m_rcDock) {
            CRect band(rc);
            dc.FillSolidRect(band, ::GetSysColor(COLOR_3DLIGHT));
            dc.DrawEdge(band, EDGE_ETCHED, BF_RECT);
        }
        if (m_hbmMenu != NULL) {
            CDC mem;
            mem.CreateCompatibleDC(&dc);
            HGDIOBJ hOld = ::SelectObject(mem.m_hDC, m_hbmMenu);
            dc.BitBlt(m_rcPicture.left, m_rcPicture.top, std::min<int>(m_sizeMenu.cx, m_rcPicture.Width()),
                      std::min<int>(m_sizeMenu.cy, m_rcPicture.Height()), &mem, 0, 0, SRCCOPY);
            ::SelectObject(mem.m_hDC, hOld);
        }
    }

    afx_msg void OnOpenMenu()
    {
        CRect rc;
        GetDlgItem(IDC_MB_OPEN_MENU)->GetWindowRect(&rc);
        m_menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN, rc.left, rc.bottom, this);
    }

    afx_msg void OnBrowse() { Browse(); }

    void Browse()
    {
        CFolderDialog dlg(m_hWnd, const_cast<char*>(""), "Choose a folder for the track logs", 0,
                          m_strFolder);
        CString str;
        if (dlg.DoModal() == IDOK) {
            m_strFolder = dlg.GetPathName();
            str.Format("GetPathName(): %s  (DoModal returned IDOK)", dlg.GetPathName());
        } else {
            str = "GetPathName(): unchanged  (DoModal returned IDCANCEL)";
        }
        SetDlgItemText(IDC_MB_FOLDER_RESULT, str);
    }

    // Screenshot script: picks s_pszScriptedFolder in the browser and presses OK.
    static LRESULT CALLBACK AnswerBrowser(int nCode, WPARAM wParam, LPARAM lParam)
    {
        const CWPRETSTRUCT* p = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (nCode == HC_ACTION && p->message == WM_INITDIALOG) {
            ::PostMessageA(p->hwnd, BFFM_SETSELECTIONA, TRUE, (LPARAM)s_pszScriptedFolder);
            ::PostMessageA(p->hwnd, WM_COMMAND, IDOK, 0);
        }
        return ::CallNextHookEx(NULL, nCode, wParam, lParam);
    }

    DECLARE_MESSAGE_MAP()

private:
    CTitledMenu m_menu;
    CWnd m_frame;              // stands in for the floating bar's tool window
    CSizingToolBar m_floating; // floating, three buttons wide
    CSizingToolBar m_docked;   // docked after floating: keeps three buttons
    CToolBar m_plain;          // docked after floating: one row
    CRect m_rcDock[2];         // the bands behind the docked bars
    CRect m_rcPicture;         // where the captured menu is shown
    bool m_bCapturing;         // the next idle menu loop is copied
    HBITMAP m_hbmMenu;         // the menu as the loop drew it (owned)
    CSize m_sizeMenu;
    CString m_strFolder; // the last folder chosen: the next browse starts there
    static const char* s_pszScriptedFolder;
};

const char* CMenusPage::s_pszScriptedFolder = "";

BEGIN_MESSAGE_MAP(CMenusPage, CGalleryPage)
    ON_WM_PAINT()
    ON_MESSAGE(WM_CAPTURE_MENU, &ThisClass::OnCaptureMenu)
    ON_BN_CLICKED(IDC_MB_OPEN_MENU, &ThisClass::OnOpenMenu)
    ON_BN_CLICKED(IDC_MB_BROWSE, &ThisClass::OnBrowse)
END_MESSAGE_MAP()

} // namespace

GALLERY_PAGE(CMenusPage, "Menus and bars", 100);
