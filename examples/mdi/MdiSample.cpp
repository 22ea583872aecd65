// MdiSample.cpp: an MDI frame whose empty area shows CMDIBackground: a
// bitmap tiled, centred, stretched or placed at a point, over a colour
// chosen from the menu; the settings come back from the profile at the
// next start.  With "--screenshots DIR" it renders each mode to a PNG.
#include <afxwin.h>

#include <commdlg.h>

#include <cstdio>

#include "MDIBackground.h"
#include "PngWriter.h"
#include "resource.h"

namespace {

const char kChildClass[] = "QuillonMdiSampleChild";

// The colours "Next colour" steps through.
const COLORREF kColours[] = {RGB(0x5A, 0x64, 0x78), RGB(0x2E, 0x4A, 0x3A), RGB(0x70, 0x40, 0x40),
                             RGB(0xC8, 0xC8, 0xC8)};

class CMainFrame : public CMDIFrameWnd
{
public:
    explicit CMainFrame(bool bRemember) : m_bRemember(bRemember), m_nChildren(0), m_nColour(0) {}

    CMDIBackground m_background;

    // An MDI child window with a title; the client area stays empty.
    void NewChild(const CRect& rc, DWORD dwStyle = WS_OVERLAPPEDWINDOW)
    {
        MDICREATESTRUCTA mcs = {};
        CString strTitle;
        strTitle.Format("Document %d", ++m_nChildren);
        mcs.szClass = kChildClass;
        mcs.szTitle = strTitle;
        mcs.hOwner = AfxGetInstanceHandle();
        mcs.x = rc.left;
        mcs.y = rc.top;
        mcs.cx = rc.Width();
        mcs.cy = rc.Height();
        mcs.style = dwStyle | WS_VISIBLE;
        ::SendMessageA(m_hWndMDIClient, WM_MDICREATE, 0, (LPARAM)&mcs);
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CMDIFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        // Defaults first: the profile, when there is one, overrides them.
        m_background.SetBitmap(IDB_BACKGROUND, 0);
        m_background.SetBkColor(kColours[0]);
        m_background.SetOrigin(40, 30, 0);
        m_background.SetAutoSaveRestore(m_bRemember ? 1 : 0);
        m_background.SubclassWindow(m_hWndMDIClient);
        return 0;
    }
    afx_msg void OnNewChild() { NewChild(CRect(CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT)); }
    afx_msg void OnBitmap()
    {
        char szFile[MAX_PATH] = "";
        OPENFILENAMEA ofn = {};
        ofn.lStructSize = sizeof(ofn);
        ofn.hwndOwner = m_hWnd;
        ofn.lpstrFilter = "Bitmaps (*.bmp)\0*.bmp\0";
        ofn.lpstrFile = szFile;
        ofn.nMaxFile = MAX_PATH;
        ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
        if (::GetOpenFileNameA(&ofn) && !m_background.SetBitmap(szFile, LR_LOADMAP3DCOLORS))
            AfxMessageBox("The file could not be loaded as a bitmap.", MB_ICONEXCLAMATION);
    }
    afx_msg void OnTile() { m_background.SetDisplayMode(CMDIBackground::DM_TILE); }
    afx_msg void OnCenter() { m_background.SetDisplayMode(CMDIBackground::DM_CENTER); }
    afx_msg void OnStretch() { m_background.SetDisplayMode(CMDIBackground::DM_STRETCH); }
    afx_msg void OnOrigin()
    {
        m_background.SetOrigin(40, 30, 0);
        m_background.SetDisplayMode(CMDIBackground::DM_ORIGIN);
    }
    afx_msg void OnColour()
    {
        m_nColour = (m_nColour + 1) % (int)(sizeof(kColours) / sizeof(kColours[0]));
        m_background.SetBkColor(kColours[m_nColour]);
    }
    afx_msg void OnReset()
    {
        m_background.Reset();
        m_background.SetBitmap(IDB_BACKGROUND, 0);
    }
    afx_msg void OnCascade() { MDICascade(); }
    afx_msg void OnTileWindows() { MDITile(MDITILE_HORIZONTAL); }
    afx_msg void OnAbout()
    {
        AfxMessageBox("Quillon MDI background sample: CMDIBackground behind the MDI child windows.",
                      MB_ICONINFORMATION);
    }
    afx_msg void OnExit() { PostMessage(WM_CLOSE); }
    DECLARE_MESSAGE_MAP()

private:
    bool m_bRemember; // save and restore the background through the profile
    int m_nChildren;  // windows opened so far, for their titles
    int m_nColour;    // index into kColours
};

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_COMMAND(ID_FILE_NEWCHILD, &CMainFrame::OnNewChild)
    ON_COMMAND(ID_FILE_BITMAP, &CMainFrame::OnBitmap)
    ON_COMMAND(ID_VIEW_TILE, &CMainFrame::OnTile)
    ON_COMMAND(ID_VIEW_CENTER, &CMainFrame::OnCenter)
    ON_COMMAND(ID_VIEW_STRETCH, &CMainFrame::OnStretch)
    ON_COMMAND(ID_VIEW_ORIGIN, &CMainFrame::OnOrigin)
    ON_COMMAND(ID_VIEW_COLOUR, &CMainFrame::OnColour)
    ON_COMMAND(ID_VIEW_RESET, &CMainFrame::OnReset)
    ON_COMMAND(ID_WINDOW_CASCADE, &CMainFrame::OnCascade)
    ON_COMMAND(ID_WINDOW_TILE_HORZ, &CMainFrame::OnTileWindows)
    ON_COMMAND(ID_APP_ABOUT, &CMainFrame::OnAbout)
    ON_COMMAND(ID_APP_EXIT, &CMainFrame::OnExit)
END_MESSAGE_MAP()

class CMdiSampleApp : public CWinApp
{
public:
    BOOL InitInstance() override;
    int ExitInstance() override
    {
        CWinApp::ExitInstance();
        return m_nExitCode;
    }

private:
    int RenderScreenshots(const CString& strDir);
    int m_nExitCode = 0;
};

CMdiSampleApp theApp;

BOOL CMdiSampleApp::InitInstance()
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = ::DefMDIChildProcA;
    wc.hInstance = AfxGetInstanceHandle();
    wc.hCursor = ::LoadCursor(NULL, IDC_ARROW);
    wc.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
    wc.lpszClassName = kChildClass;
    ::RegisterClassA(&wc);

    CString strCmd = m_lpCmdLine;
    strCmd.Trim();
    const char* const pszSwitch = "--screenshots";
    if (strCmd.Find(pszSwitch) == 0) {
        CString strDir = strCmd.Mid((int)strlen(pszSwitch));
        strDir.Trim();
        strDir.Trim('"');
        ::CoInitialize(NULL);
        m_nExitCode = RenderScreenshots(strDir.IsEmpty() ? CString(".") : strDir);
        ::CoUninitialize();
        return FALSE;
    }

    CMainFrame* pFrame = new CMainFrame(true);
    if (!pFrame->Create(NULL, "Quillon MDI background", WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault, NULL,
                        MAKEINTRESOURCE(IDR_MAINFRAME)))
        return FALSE;
    m_pMainWnd = pFrame;
    pFrame->NewChild(CRect(CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT));
    pFrame->ShowWindow(m_nCmdShow);
    pFrame->UpdateWindow();
    return TRUE;
}

// The frame at a fixed size, one small child in the lower right corner, in
// each display mode; the profile is neither read nor written.
int CMdiSampleApp::RenderScreenshots(const CString& strDir)
{
    ::CreateDirectoryA(strDir, NULL);
    CMainFrame* pFrame = new CMainFrame(false);
    if (!pFrame->Create(NULL, "Quillon MDI background", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        CRect(0, 0, 640, 440), NULL, MAKEINTRESOURCE(IDR_MAINFRAME))) {
        std::fprintf(stderr, "mdi_sample: the frame could not be created\n");
        return 1;
    }
    m_pMainWnd = pFrame;
    // The pictures show a document without caption buttons: under Wine's null
    // driver their symbols come out as letters. The client takes the child's
    // style as given only with MDIS_ALLCHILDSTYLES.
    ::SetWindowLongPtrA(pFrame->m_hWndMDIClient, GWL_STYLE,
                        ::GetWindowLongPtrA(pFrame->m_hWndMDIClient, GWL_STYLE) | MDIS_ALLCHILDSTYLES);
    pFrame->NewChild(CRect(400, 250, 610, 370), WS_CHILD | WS_CAPTION | WS_THICKFRAME);
    const struct
    {
        CMDIBackground::DisplayModesEnum nMode;
        const char* pszName;
    } shots[] = {{CMDIBackground::DM_TILE, "tile"},
                 {CMDIBackground::DM_CENTER, "center"},
                 {CMDIBackground::DM_STRETCH, "stretch"},
                 {CMDIBackground::DM_ORIGIN, "origin"}};
    int nFailures = 0;
    for (const auto& shot : shots) {
        pFrame->m_background.SetDisplayMode(shot.nMode);
        pFrame->RedrawWindow(NULL, NULL,
                             RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        CString strPath;
        strPath.Format("%s\\mdi-%s.png", (const char*)strDir, shot.pszName);
        const HRESULT hr = SaveWindowAsPng(pFrame->m_hWnd, strPath);
        if (SUCCEEDED(hr)) {
            std::printf("%s\n", (const char*)strPath);
        } else {
            std::fprintf(stderr, "mdi_sample: %s could not be written (0x%08lx)\n", (const char*)strPath,
                         (unsigned long)hr);
            ++nFailures;
        }
        std::fflush(stdout);
    }
    pFrame->DestroyWindow();
    m_pMainWnd = NULL;
    return nFailures == 0 ? 0 : 1;
}

} // namespace
