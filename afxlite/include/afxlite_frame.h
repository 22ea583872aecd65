// afxlite_frame.h: frame windows.  CFrameWnd is a top-level window that lays
// out its control bars and its client pane; CMDIFrameWnd hosts an MDI client
// window.  Included by afxwin.h, as MFC declares these there.
//
// What afxlite leaves out (it has no document/view architecture): views,
// documents and CCreateContext contents (a context that names a view class
// fails loudly), command-UI updating of menus and bars, docking and floating
// of control bars, status bars, MDI child frames (create MDI children through
// WM_MDICREATE), print preview.  As in MFC, a frame deletes itself when its
// window is destroyed (PostNcDestroy): create frames with new.
#pragma once

#include "afxres.h" // AFX_IDW_* ids, ID_SEPARATOR

class CControlBar;

// Sent by RecalcLayout to each child window but the pane: a control bar
// takes its room from rect (and moves itself through hDWP).
#define WM_SIZEPARENT 0x0361

struct AFX_SIZEPARENTPARAMS
{
    HDWP hDWP;      // deferred moves of the bars, or NULL to move at once
    RECT rect;      // the room left for the pane, in client coordinates
    SIZE sizeTotal; // what the bars took so far (width of left/right bars, height of top/bottom bars)
    BOOL bStretch;  // bars stretch across the frame
};

// Frame styles (the low bits of the style MFC reserves for frames).
#define FWS_ADDTOTITLE 0x00008000L
#define FWS_PREFIXTITLE 0x00004000L
#define FWS_SNAPTOBARS 0x00002000L

// The first command id of the MDI window-list entries.
#define AFX_IDM_FIRST_MDICHILD 0xFF00

// The resource type of MFC tool-bar resources.
#ifndef RT_TOOLBAR
#define RT_TOOLBAR MAKEINTRESOURCE(241)
#endif

/////////////////////////////////////////////////////////////////////////////
// CFrameWnd

class AFXLITE_API CFrameWnd : public CWnd
{
    DECLARE_DYNCREATE(CFrameWnd)

public:
    static const CRect rectDefault; // lets the system place and size the frame

    // Constructors
    CFrameWnd();
    // lpszMenuName: a menu resource found through AfxFindResourceHandle.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle = WS_OVERLAPPEDWINDOW,
                        const RECT& rect = rectDefault, CWnd* pParentWnd = nullptr,
                        LPCTSTR lpszMenuName = nullptr, DWORD dwExStyle = 0,
                        CCreateContext* pContext = nullptr);
    // Title (the string resource's first line), menu, icon and accelerators
    // from the resources with id nIDResource, each only when it exists.
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr);

    // Attributes
    CString GetTitle() const { return m_strTitle; }
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }

    // Operations
    // Gives each control bar its room (WM_SIZEPARENT, top and bottom bars
    // first in z-order), then the rest of the client area to the pane, the
    // child with id AFX_IDW_PANE_FIRST.
    virtual void RecalcLayout(BOOL bNotify = TRUE);

    // Overridables
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);

    // Implementation
public:
    virtual ~CFrameWnd();
    BOOL PreCreateWindow(CREATESTRUCT& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    HMENU m_hMenuDefault;   // the menu LoadFrame/Create loaded, or NULL
    HACCEL m_hAccelTable;   // LoadFrame's accelerators, or NULL
    CString m_strTitle;     // the title given to Create/LoadFrame
    UINT m_nIDHelp;         // LoadFrame's resource id
    BOOL m_bInRecalcLayout; // guards against recursion through WM_SIZE

protected:
    void PostNcDestroy() override; // deletes the frame object

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CMDIFrameWnd

class AFXLITE_API CMDIFrameWnd : public CFrameWnd
{
    DECLARE_DYNCREATE(CMDIFrameWnd)

public:
    CMDIFrameWnd();

    // Operations on the MDI client
    void MDIActivate(CWnd* pWndActivate);
    CWnd* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIIconArrange();
    void MDIMaximize(CWnd* pWnd);
    void MDINext();
    void MDIPrev();
    void MDIRestore(CWnd* pWnd);
    CMenu* MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu);
    void MDITile();
    void MDICascade();
    void MDITile(int nType);
    void MDICascade(int nType);

    // Overridables
    // Creates the MDI client; the window menu is the menu bar's next-to-last
    // popup (MFC's convention), if the frame has a menu bar.
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    virtual BOOL CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu);
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);

    // Implementation
public:
    HWND m_hWndMDIClient; // the "MDICLIENT" child, id AFX_IDW_PANE_FIRST

    virtual ~CMDIFrameWnd();
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    // Unhandled messages go through DefFrameProc, which keeps the MDI
    // client and its children working (sizing, window menu, activation).
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
