// wndcreate.cpp: binding windows to objects and unbinding them.
//
// One path binds: AfxBindWindow (Attach, PreSubclassWindow, AfxWndProc as
// the window procedure), reached from the creation hook during Create and
// from SubclassWindow. One path unbinds: UnbindAtNcDestroy at WM_NCDESTROY
// (the original procedure back, Detach, PostNcDestroy).
#include "afxwin.h"

#include <stdio.h>

namespace {

HINSTANCE InstanceForClasses()
{
    HINSTANCE hInst = AfxGetInstanceHandle();
    return hInst != nullptr ? hInst : ::GetModuleHandleA(nullptr);
}

// The creation hook: binds the first window created after AfxHookWindowCreate
// to the waiting object, before the window receives any message.
LRESULT CALLBACK AfxCbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (code == HCBT_CREATEWND && pState->m_pWndInit != nullptr) {
        const CBT_CREATEWNDA* pCbt = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
        LPCSTR lpszClass = pCbt->lpcs->lpszClass;
        // Input-method windows may be created on the way; they are not ours.
        const bool bIme =
            lpszClass != nullptr && HIWORD((ULONG_PTR)lpszClass) != 0 && lstrcmpiA(lpszClass, "IME") == 0;
        if (!bIme) {
            CWnd* pWndInit = pState->m_pWndInit;
            AfxBindWindow(pWndInit, reinterpret_cast<HWND>(wParam));
            ++pState->m_nWndCreated;
            pState->m_pWndInit = nullptr;
        }
    }
    return ::CallNextHookEx(pState->m_hHookOldCbtFilter, code, wParam, lParam);
}

} // namespace

// Attach, PreSubclassWindow, then route the window's messages through AfxWndProc.
void AfxBindWindow(CWnd* pWnd, HWND hWnd)
{
    pWnd->Attach(hWnd);
    pWnd->PreSubclassWindow();
    WNDPROC pfnOld =
        reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)&AfxWndProc));
    if (pfnOld != &AfxWndProc)
        *pWnd->GetSuperWndProcAddr() = pfnOld;
}

void AfxHookWindowCreate(CWnd* pWnd)
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->m_hHookOldCbtFilter == nullptr) {
        pState->m_hHookOldCbtFilter =
            ::SetWindowsHookExA(WH_CBT, AfxCbtFilterHook, nullptr, ::GetCurrentThreadId());
        ASSERT_MSG(pState->m_hHookOldCbtFilter != nullptr, "AfxHookWindowCreate: SetWindowsHookEx failed");
    }
    // A creation nested in a PreSubclassWindow (a control building its
    // children) takes over the slot; the outer window is already bound.
    ++pState->m_nCreateDepth;
    pState->m_pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate()
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    ASSERT_MSG(pState->m_nCreateDepth > 0, "AfxUnhookWindowCreate without AfxHookWindowCreate");
    if (--pState->m_nCreateDepth == 0 && pState->m_hHookOldCbtFilter != nullptr) {
        ::UnhookWindowsHookEx(pState->m_hHookOldCbtFilter);
        pState->m_hHookOldCbtFilter = nullptr;
    }
    if (pState->m_pWndInit != nullptr) {
        pState->m_pWndInit = nullptr;
        return FALSE; // no window was created
    }
    return TRUE;
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    const MSG oldState = pState->m_lastSentMsg;
    pState->m_lastSentMsg.hwnd = hWnd;
    pState->m_lastSentMsg.message = nMsg;
    pState->m_lastSentMsg.wParam = wParam;
    pState->m_lastSentMsg.lParam = lParam;
    if (nMsg == WM_INITMENUPOPUP)
        pState->m_hTrackingMenu = reinterpret_cast<HMENU>(wParam);

    LRESULT lResult = 0;
    try {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
        // A WM_NCDESTROY handler that did not call CWnd::OnNcDestroy leaves
        // the window bound: unbind here, so the object never outlives its
        // binding. (When it did, the handle is gone from the map and pWnd
        // may already be deleted by PostNcDestroy.)
        if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd)
            pWnd->UnbindAtNcDestroy(TRUE);
    } catch (...) {
        ASSERT_MSG(FALSE, "C++ exception thrown out of a message handler");
    }
    pState->m_lastSentMsg = oldState;
    return lResult;
}

void CWnd::OnNcDestroy()
{
    UnbindAtNcDestroy(FALSE);
}

void CWnd::UnbindAtNcDestroy(BOOL bFromFramework)
{
    HWND hWnd = m_hWnd;
    // The thread's main window going away ends its message loop, as in MFC.
    CWinThread* pThread = AfxGetThread();
    if (pThread != nullptr && pThread->m_pMainWnd == this) {
        ::PostQuitMessage(0);
        pThread->m_pMainWnd = nullptr;
    }
    // The window's own processing first (an edit control frees its buffer
    // here); the framework's fallback calls the original procedure directly,
    // because the handler already had its turn.
    if (bFromFramework) {
        WNDPROC pfnSuper = *GetSuperWndProcAddr();
        if (pfnSuper != nullptr)
            ::CallWindowProcA(pfnSuper, hWnd, WM_NCDESTROY, 0, 0);
        else
            ::DefWindowProcA(hWnd, WM_NCDESTROY, 0, 0);
    } else {
        Default();
    }
    if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) == &AfxWndProc) {
        WNDPROC pfnSuper = *GetSuperWndProcAddr();
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC,
                            (LONG_PTR)(pfnSuper != nullptr ? pfnSuper : &::DefWindowProcA));
    }
    *GetSuperWndProcAddr() = nullptr;
    Detach();
    PostNcDestroy(); // may delete this
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr) {
        WNDCLASSA wc = {};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = InstanceForClasses();
        wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = AFX_WND;
        if (!AfxRegisterClass(&wc))
            return FALSE;
        cs.lpszClass = AFX_WND;
    }
    return TRUE;
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    ASSERT_MSG((dwStyle & WS_POPUP) == 0, "CWnd::Create makes child windows: use CreateEx for WS_POPUP");
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                    static_cast<LPVOID>(pContext));
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>((UINT_PTR)nID), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x,
                    int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    ASSERT_MSG(m_hWnd == nullptr, "CWnd::CreateEx: the object already has a window");
    CREATESTRUCTA cs = {};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = InstanceForClasses();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }

    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy(); // the window never existed: clean up as if it had been destroyed
    if (hWnd == nullptr)
        return FALSE;
    ASSERT_MSG(hWnd == m_hWnd, "CWnd::CreateEx: the created window is not the one bound to the object");
    return TRUE;
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    HWND hWndOrig = m_hWnd;
    CWnd* pWnd = FromHandlePermanent(hWndOrig);
    const BOOL bResult = ::DestroyWindow(hWndOrig);
    // A window attached without subclassing never saw its WM_NCDESTROY go
    // through AfxWndProc: it is still in the map. (A bound window was
    // unbound there, and `this` may be gone.)
    if (pWnd != nullptr && FromHandlePermanent(hWndOrig) == pWnd && !::IsWindow(hWndOrig))
        pWnd->Detach();
    return bResult;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    ASSERT_MSG(::IsWindow(hWnd), "CWnd::SubclassWindow: not a window");
    if (!::IsWindow(hWnd))
        return FALSE;
    ASSERT_MSG(reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) != &AfxWndProc,
               "CWnd::SubclassWindow: the window is already bound to an object");
    // PreSubclassWindow must see m_pWndInit null here, even when the caller
    // is itself in the middle of a Create.
    _AFX_THREAD_STATE* pState = AfxGetThreadState();
    CWnd* pWndInitSaved = pState->m_pWndInit;
    pState->m_pWndInit = nullptr;
    AfxBindWindow(this, hWnd);
    pState->m_pWndInit = pWndInitSaved;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    ASSERT_MSG(pParent != nullptr && ::IsWindow(pParent->m_hWnd), "CWnd::SubclassDlgItem: no parent window");
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, (int)nID);
    ASSERT_MSG(hWndControl != nullptr, "CWnd::SubclassDlgItem: the parent has no control with this id");
    if (hWndControl == nullptr)
        return FALSE;
    return SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    ASSERT_MSG(::IsWindow(m_hWnd), "CWnd::UnsubclassWindow: no window");
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, (LONG_PTR)(*lplpfn != nullptr ? *lplpfn : &::DefWindowProcA));
    *lplpfn = nullptr;
    return Detach();
}

/////////////////////////////////////////////////////////////////////////////
// Window classes

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static thread_local char szName[128];
    HINSTANCE hInst = InstanceForClasses();
    snprintf(szName, sizeof szName, "Afx:%p:%x:%p:%p:%p", (void*)hInst, nClassStyle, (void*)hCursor,
             (void*)hbrBackground, (void*)hIcon);
    WNDCLASSA wc = {};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInst;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = szName;
    if (!AfxRegisterClass(&wc))
        ASSERT_MSG(FALSE, "AfxRegisterWndClass: RegisterClass failed");
    return szName;
}
