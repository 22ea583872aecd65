// wndmap.cpp: the per-thread framework state and the map from window
// handles to CWnd objects (permanent: bound windows; temporary: FromHandle
// wrappers of windows nobody binds, deleted when the thread goes idle).
#include "afxwin.h"
#include "afxlite_handlemap.h"

_AFX_THREAD_STATE* AfxGetThreadState()
{
    static thread_local _AFX_THREAD_STATE state = {};
    return &state;
}

namespace {

CWnd* NewWnd()
{
    return new CWnd;
}
void AttachWnd(CWnd* pWnd, HWND hWnd)
{
    pWnd->m_hWnd = hWnd;
}
void DetachWnd(CWnd* pWnd)
{
    pWnd->m_hWnd = nullptr;
}

CHandleMap<CWnd, HWND>& WndMap()
{
    static thread_local CHandleMap<CWnd, HWND> map(NewWnd, AttachWnd, DetachWnd);
    return map;
}

} // namespace

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return WndMap().FromHandle(hWnd);
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd == nullptr ? nullptr : WndMap().LookupPermanent(hWnd);
}

void CWnd::DeleteTempMap()
{
    WndMap().DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    ASSERT_MSG(m_hWnd == nullptr, "CWnd::Attach: the object already has a window");
    ASSERT_MSG(hWndNew != nullptr, "CWnd::Attach: null window handle");
    ASSERT_MSG(FromHandlePermanent(hWndNew) == nullptr,
               "CWnd::Attach: the window is already bound to an object");
    if (hWndNew == nullptr)
        return FALSE;
    WndMap().SetPermanent(hWndNew, this);
    m_hWnd = hWndNew;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr && WndMap().LookupPermanent(hWnd) == this)
        WndMap().RemovePermanent(hWnd);
    m_hWnd = nullptr;
    return hWnd;
}

void AfxGetWndMapCounts(size_t* pnPermanent, size_t* pnTemporary)
{
    if (pnPermanent != nullptr)
        *pnPermanent = WndMap().GetPermanentCount();
    if (pnTemporary != nullptr)
        *pnTemporary = WndMap().GetTemporaryCount();
}
