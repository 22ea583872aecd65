// frame.cpp: CFrameWnd (layout of control bars and the pane) and
// CMDIFrameWnd (the MDI client and DefFrameProc).
#include "afxwin.h"

#include <vector>

/////////////////////////////////////////////////////////////////////////////
// CFrameWnd

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_SIZE()
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd()
    : m_hMenuDefault(nullptr), m_hAccelTable(nullptr), m_nIDHelp(0), m_bInRecalcLayout(FALSE)
{}

CFrameWnd::~CFrameWnd()
{
    // The menu bar goes with the window; a menu it no longer shows does not.
    if (m_hMenuDefault != nullptr && ::IsMenu(m_hMenuDefault) &&
        (m_hWnd == nullptr || ::GetMenu(m_hWnd) != m_hMenuDefault))
        ::DestroyMenu(m_hMenuDefault);
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = nullptr;
    if (lpszMenuName != nullptr) {
        HINSTANCE hInst = AfxFindResourceHandle(lpszMenuName, RT_MENU);
        hMenu = ::LoadMenuA(hInst, lpszMenuName);
        if (hMenu == nullptr)
            return FALSE;
    }
    m_hMenuDefault = hMenu;
    m_strTitle = lpszWindowName;
    // rectDefault asks the system for position and size.
    int x = rect.left, y = rect.top, cx = rect.right - rect.left, cy = rect.bottom - rect.top;
    if (rect.left == (LONG)CW_USEDEFAULT)
        x = y = cx = cy = CW_USEDEFAULT;
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy, pParentWnd->GetSafeHwnd(),
                  hMenu, pContext)) {
        // A window that was never made did not take the menu.
        if (hMenu != nullptr && ::IsMenu(hMenu))
            ::DestroyMenu(hMenu);
        m_hMenuDefault = nullptr;
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    LPCSTR lpszName = MAKEINTRESOURCEA(nIDResource);
    m_nIDHelp = nIDResource;
    CString strTitle;
    if (strTitle.LoadString(nIDResource)) {
        int nLine = strTitle.Find('\n');
        if (nLine >= 0)
            strTitle = strTitle.Left(nLine);
    }
    HINSTANCE hMenuInst = AfxFindResourceHandle(lpszName, RT_MENU);
    const bool bMenu = ::FindResourceA(hMenuInst, lpszName, RT_MENU) != nullptr;
    if (!Create(nullptr, strTitle, dwDefaultStyle, rectDefault, pParentWnd, bMenu ? lpszName : nullptr, 0,
                pContext))
        return FALSE;
    HINSTANCE hIconInst = AfxFindResourceHandle(lpszName, RT_GROUP_ICON);
    if (HICON hIcon = ::LoadIconA(hIconInst, lpszName))
        SetIcon(hIcon, TRUE);
    HINSTANCE hAccelInst = AfxFindResourceHandle(lpszName, RT_ACCELERATOR);
    m_hAccelTable = ::LoadAcceleratorsA(hAccelInst, lpszName);
    return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                           (HBRUSH)(COLOR_WINDOW + 1), ::LoadIcon(nullptr, IDI_APPLICATION));
    // The frame-style bits are MFC's, not the window manager's.
    cs.style &= ~(FWS_ADDTOTITLE | FWS_PREFIXTITLE | FWS_SNAPTOBARS);
    return CWnd::PreCreateWindow(cs);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_hAccelTable != nullptr && pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST &&
        ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}

void CFrameWnd::PostNcDestroy()
{
    delete this;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    UNUSED_ALWAYS(lpcs);
    // Views are not part of afxlite: a creation context would name one.
    if (pContext != nullptr)
        AFXLITE_UNSUPPORTED("CFrameWnd::OnCreateClient: views and creation contexts");
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!OnCreateClient(lpCreateStruct, static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams)))
        return -1;
    RecalcLayout();
    return 0;
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy); // default processing first: DefFrameProc sizes the MDI client
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

void CFrameWnd::RecalcLayout(BOOL bNotify)
{
    UNUSED_ALWAYS(bNotify);
    if (m_hWnd == nullptr || m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;

    AFX_SIZEPARENTPARAMS layout = {};
    ::GetClientRect(m_hWnd, &layout.rect);
    layout.bStretch = TRUE;
    std::vector<HWND> children;
    for (HWND h = ::GetTopWindow(m_hWnd); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        children.push_back(h);
    layout.hDWP = ::BeginDeferWindowPos((int)children.size());
    HWND hWndPane = nullptr;
    for (HWND h : children) {
        if (::GetDlgCtrlID(h) == AFX_IDW_PANE_FIRST)
            hWndPane = h;
        else
            ::SendMessageA(h, WM_SIZEPARENT, 0, (LPARAM)&layout);
    }
    if (hWndPane != nullptr && layout.hDWP != nullptr) {
        const RECT& r = layout.rect;
        layout.hDWP = ::DeferWindowPos(layout.hDWP, hWndPane, nullptr, r.left, r.top, r.right - r.left,
                                       r.bottom - r.top, SWP_NOACTIVATE | SWP_NOZORDER);
    }
    if (layout.hDWP != nullptr)
        ::EndDeferWindowPos(layout.hDWP);
    m_bInRecalcLayout = FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// CMDIFrameWnd

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

CMDIFrameWnd::CMDIFrameWnd() : m_hWndMDIClient(nullptr) {}

CMDIFrameWnd::~CMDIFrameWnd() {}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    if (hMenuBar == nullptr)
        return nullptr;
    int nCount = ::GetMenuItemCount(hMenuBar);
    return nCount >= 2 ? ::GetSubMenu(hMenuBar, nCount - 2) : nullptr;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    UNUSED_ALWAYS(pContext);
    HMENU hWindowMenu = GetWindowMenuPopup(::GetMenu(m_hWnd));
    return CreateClient(lpcs, hWindowMenu != nullptr ? CMenu::FromHandle(hWindowMenu) : nullptr);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT lpCreateStruct, CMenu* pWindowMenu)
{
    ASSERT_MSG(m_hWndMDIClient == nullptr, "CMDIFrameWnd::CreateClient: the MDI client exists already");
    CLIENTCREATESTRUCT ccs = {};
    ccs.hWindowMenu = pWindowMenu->GetSafeHmenu();
    ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    DWORD dwStyle = WS_VISIBLE | WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | MDIS_ALLCHILDSTYLES;
    // Scroll bars asked of the frame belong to the client, which scrolls its children.
    const DWORD dwScroll = lpCreateStruct->style & (WS_HSCROLL | WS_VSCROLL);
    if (dwScroll != 0) {
        dwStyle |= dwScroll;
        ModifyStyle(dwScroll, 0, SWP_NOREDRAW | SWP_FRAMECHANGED);
    }
    m_hWndMDIClient = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr, dwStyle, 0, 0, 0, 0, m_hWnd,
                                        (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST, AfxGetInstanceHandle(), &ccs);
    return m_hWndMDIClient != nullptr;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProcA(m_hWnd, m_hWndMDIClient, message, wParam, lParam);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    // The MDI system keys (Ctrl+F4, Ctrl+F6) go to the active child.
    if (m_hWndMDIClient != nullptr && ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
        return TRUE;
    return CFrameWnd::PreTranslateMessage(pMsg);
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)pWndActivate->GetSafeHwnd(), 0);
}

CWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    return CWnd::FromHandle((HWND)::SendMessageA(m_hWndMDIClient, WM_MDIGETACTIVE, 0, (LPARAM)pbMaximized));
}

void CMDIFrameWnd::MDIIconArrange()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0);
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIMAXIMIZE, (WPARAM)pWnd->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDINext()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 0);
}

void CMDIFrameWnd::MDIPrev()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDINEXT, 0, 1);
}

void CMDIFrameWnd::MDIRestore(CWnd* pWnd)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDIRESTORE, (WPARAM)pWnd->GetSafeHwnd(), 0);
}

CMenu* CMDIFrameWnd::MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu)
{
    HMENU hOld = (HMENU)::SendMessageA(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)pFrameMenu->GetSafeHmenu(),
                                       (LPARAM)pWindowMenu->GetSafeHmenu());
    return CMenu::FromHandle(hOld);
}

void CMDIFrameWnd::MDITile()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDITILE, 0, 0);
}

void CMDIFrameWnd::MDICascade()
{
    ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, 0, 0);
}

void CMDIFrameWnd::MDITile(int nType)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDITILE, nType, 0);
}

void CMDIFrameWnd::MDICascade(int nType)
{
    ::SendMessageA(m_hWndMDIClient, WM_MDICASCADE, nType, 0);
}
