// wndthunks.cpp: one thunk per handler signature. Each casts the stored
// member pointer back to the signature its ON_ macro checked, cracks
// wParam/lParam the way MFC documents for that message, and calls it.
// Coordinates are cracked as signed 16-bit values (a point left of or above
// the window is negative).
#include "afxwin.h"
#include <windowsx.h>

namespace {

// The handler's object: message-map handlers of window messages belong to
// CWnd-derived classes (the ON_ macros cast them to CWnd members).
inline CWnd* Wnd(CCmdTarget* p)
{
    return static_cast<CWnd*>(p);
}

inline CPoint PointFromLParam(LPARAM lParam)
{
    return CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
}

template <class F> inline F Fn(AFX_PMSG pfn)
{
    return AfxMsgFnCast<F>(pfn);
}

} // namespace

#define THUNK(name)                                                                                          \
    BOOL AfxThunk_##name(CCmdTarget* pTarget, AFX_PMSG pfn, [[maybe_unused]] const AFX_MSGCALL& c,           \
                         LRESULT* pResult)

THUNK(v_v)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)()>(pfn))();
    *pResult = 0;
    return TRUE;
}

THUNK(i_CREATE)
{
    *pResult =
        (Wnd(pTarget)->*Fn<int (CWnd::*)(LPCREATESTRUCT)>(pfn))(reinterpret_cast<LPCREATESTRUCT>(c.lParam));
    return TRUE;
}

THUNK(b_CREATE)
{
    *pResult =
        (Wnd(pTarget)->*Fn<BOOL (CWnd::*)(LPCREATESTRUCT)>(pfn))(reinterpret_cast<LPCREATESTRUCT>(c.lParam));
    return TRUE;
}

THUNK(b_D)
{
    *pResult =
        (Wnd(pTarget)->*Fn<BOOL (CWnd::*)(CDC*)>(pfn))(CDC::FromHandle(reinterpret_cast<HDC>(c.wParam)));
    return TRUE;
}

THUNK(v_u_ii)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(UINT, int, int)>(pfn))((UINT)c.wParam, LOWORD(c.lParam),
                                                             HIWORD(c.lParam));
    *pResult = 0;
    return TRUE;
}

THUNK(v_ii)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(int, int)>(pfn))(GET_X_LPARAM(c.lParam), GET_Y_LPARAM(c.lParam));
    *pResult = 0;
    return TRUE;
}

THUNK(v_uptr)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(UINT_PTR)>(pfn))((UINT_PTR)c.wParam);
    *pResult = 0;
    return TRUE;
}

THUNK(v_uuu)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(UINT, UINT, UINT)>(pfn))((UINT)c.wParam, LOWORD(c.lParam),
                                                               HIWORD(c.lParam));
    *pResult = 0;
    return TRUE;
}

THUNK(v_Ww)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(CWnd*)>(pfn))(CWnd::FromHandle(reinterpret_cast<HWND>(c.wParam)));
    *pResult = 0;
    return TRUE;
}

THUNK(v_Wl)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(CWnd*)>(pfn))(CWnd::FromHandle(reinterpret_cast<HWND>(c.lParam)));
    *pResult = 0;
    return TRUE;
}

THUNK(v_u_pt)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(UINT, CPoint)>(pfn))((UINT)c.wParam, PointFromLParam(c.lParam));
    *pResult = 0;
    return TRUE;
}

THUNK(b_u_s_pt)
{
    *pResult = (Wnd(pTarget)->*Fn<BOOL (CWnd::*)(UINT, short, CPoint)>(pfn))(
        LOWORD(c.wParam), (short)HIWORD(c.wParam), PointFromLParam(c.lParam));
    return TRUE;
}

THUNK(i_W_uu)
{
    *pResult = (Wnd(pTarget)->*Fn<int (CWnd::*)(CWnd*, UINT, UINT)>(pfn))(
        CWnd::FromHandle(reinterpret_cast<HWND>(c.wParam)), LOWORD(c.lParam), HIWORD(c.lParam));
    return TRUE;
}

THUNK(b_W_uu)
{
    *pResult = (Wnd(pTarget)->*Fn<BOOL (CWnd::*)(CWnd*, UINT, UINT)>(pfn))(
        CWnd::FromHandle(reinterpret_cast<HWND>(c.wParam)), LOWORD(c.lParam), HIWORD(c.lParam));
    return TRUE;
}

THUNK(v_W_pt)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(CWnd*, CPoint)>(pfn))(
        CWnd::FromHandle(reinterpret_cast<HWND>(c.wParam)), PointFromLParam(c.lParam));
    *pResult = 0;
    return TRUE;
}

THUNK(v_uu_SB)
{
    // As MFC: the sender (a scroll bar, a trackbar, or null for the window's
    // own bars) is handed out as a CScrollBar*.
    CWnd* pBar = CWnd::FromHandle(reinterpret_cast<HWND>(c.lParam));
    (Wnd(pTarget)->*Fn<void (CWnd::*)(UINT, UINT, CScrollBar*)>(pfn))(LOWORD(c.wParam), HIWORD(c.wParam),
                                                                      static_cast<CScrollBar*>(pBar));
    *pResult = 0;
    return TRUE;
}

THUNK(h_D_W_u)
{
    // Reached for every WM_CTLCOLOR* message; the type is the offset from WM_CTLCOLORMSGBOX.
    *pResult = (LRESULT)(Wnd(pTarget)->*Fn<HBRUSH (CWnd::*)(CDC*, CWnd*, UINT)>(pfn))(
        CDC::FromHandle(reinterpret_cast<HDC>(c.wParam)), CWnd::FromHandle(reinterpret_cast<HWND>(c.lParam)),
        c.nMsg - WM_CTLCOLORMSGBOX);
    return TRUE;
}

THUNK(v_i_DIS)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(int, LPDRAWITEMSTRUCT)>(pfn))(
        (int)c.wParam, reinterpret_cast<LPDRAWITEMSTRUCT>(c.lParam));
    *pResult = TRUE;
    return TRUE;
}

THUNK(v_i_MIS)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(int, LPMEASUREITEMSTRUCT)>(pfn))(
        (int)c.wParam, reinterpret_cast<LPMEASUREITEMSTRUCT>(c.lParam));
    *pResult = TRUE;
    return TRUE;
}

THUNK(v_MMI)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(MINMAXINFO*)>(pfn))(reinterpret_cast<MINMAXINFO*>(c.lParam));
    *pResult = 0;
    return TRUE;
}

THUNK(l_pt)
{
    *pResult = (Wnd(pTarget)->*Fn<LRESULT (CWnd::*)(CPoint)>(pfn))(PointFromLParam(c.lParam));
    return TRUE;
}

THUNK(v_b_NCCALC)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*)>(pfn))(
        (BOOL)c.wParam, reinterpret_cast<NCCALCSIZE_PARAMS*>(c.lParam));
    *pResult = 0;
    return TRUE;
}

THUNK(v_b_u)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(BOOL, UINT)>(pfn))((BOOL)c.wParam, (UINT)c.lParam);
    *pResult = 0;
    return TRUE;
}

THUNK(v_WP)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(WINDOWPOS*)>(pfn))(reinterpret_cast<WINDOWPOS*>(c.lParam));
    *pResult = 0;
    return TRUE;
}

THUNK(v_u_sz)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(UINT, LPCTSTR)>(pfn))((UINT)c.wParam,
                                                            reinterpret_cast<LPCTSTR>(c.lParam));
    *pResult = 0;
    return TRUE;
}

THUNK(v_b)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(BOOL)>(pfn))((BOOL)c.wParam);
    *pResult = 0;
    return TRUE;
}

THUNK(b_b)
{
    *pResult = (Wnd(pTarget)->*Fn<BOOL (CWnd::*)(BOOL)>(pfn))((BOOL)c.wParam);
    return TRUE;
}

THUNK(u_v)
{
    *pResult = (Wnd(pTarget)->*Fn<UINT (CWnd::*)()>(pfn))();
    return TRUE;
}

THUNK(v_M_u_b)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(CMenu*, UINT, BOOL)>(pfn))(
        CMenu::FromHandle(reinterpret_cast<HMENU>(c.wParam)), LOWORD(c.lParam), HIWORD(c.lParam));
    *pResult = 0;
    return TRUE;
}

THUNK(v_u_u_hm)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(UINT, UINT, HMENU)>(pfn))(LOWORD(c.wParam), HIWORD(c.wParam),
                                                                reinterpret_cast<HMENU>(c.lParam));
    *pResult = 0;
    return TRUE;
}

THUNK(v_u_W_b)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(UINT, CWnd*, BOOL)>(pfn))(
        LOWORD(c.wParam), CWnd::FromHandle(reinterpret_cast<HWND>(c.lParam)), HIWORD(c.wParam));
    *pResult = 0;
    return TRUE;
}

THUNK(v_u_l)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(UINT, LPARAM)>(pfn))((UINT)c.wParam, c.lParam);
    *pResult = 0;
    return TRUE;
}

THUNK(l_wl)
{
    *pResult = (Wnd(pTarget)->*Fn<LRESULT (CWnd::*)(WPARAM, LPARAM)>(pfn))(c.wParam, c.lParam);
    return TRUE;
}

// Reflected messages: lParam/wParam as ReflectChildNotify passes them.

THUNK(h_D_u)
{
    const AFX_CTLCOLOR* pCtl = reinterpret_cast<const AFX_CTLCOLOR*>(c.lParam);
    HBRUSH hbr =
        (Wnd(pTarget)->*Fn<HBRUSH (CWnd::*)(CDC*, UINT)>(pfn))(CDC::FromHandle(pCtl->hDC), pCtl->nCtlType);
    *pResult = (LRESULT)hbr;
    return hbr != nullptr; // no brush: the parent answers the request
}

THUNK(v_DIS)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(LPDRAWITEMSTRUCT)>(pfn))(reinterpret_cast<LPDRAWITEMSTRUCT>(c.lParam));
    *pResult = TRUE;
    return TRUE;
}

THUNK(v_MIS)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(LPMEASUREITEMSTRUCT)>(pfn))(
        reinterpret_cast<LPMEASUREITEMSTRUCT>(c.lParam));
    *pResult = TRUE;
    return TRUE;
}

THUNK(v_u_u)
{
    (Wnd(pTarget)->*Fn<void (CWnd::*)(UINT, UINT)>(pfn))(LOWORD(c.wParam), HIWORD(c.wParam));
    *pResult = 0;
    return TRUE;
}

// Command and notification entries (handlers of any CCmdTarget).

THUNK(cmd_v_v)
{
    (pTarget->*Fn<void (CCmdTarget::*)()>(pfn))();
    *pResult = 0;
    return TRUE;
}

THUNK(cmd_b_v)
{

    *pResult = 0;
    return (pTarget->*Fn<BOOL (CCmdTarget::*)()>(pfn))();
}

THUNK(cmd_v_u)
{
    (pTarget->*Fn<void (CCmdTarget::*)(UINT)>(pfn))(c.nID);
    *pResult = 0;
    return TRUE;
}

THUNK(cmd_b_u)
{
    *pResult = 0;
    return (pTarget->*Fn<BOOL (CCmdTarget::*)(UINT)>(pfn))(c.nID);
}

namespace {
// The result slot of a notification: the caller's, or a local one.
inline LRESULT* NotifyResult(const AFX_NOTIFY* pNotify, LRESULT* pLocal)
{
    return pNotify->pResult != nullptr ? pNotify->pResult : pLocal;
}
} // namespace

THUNK(ntf_v_N_pl)
{
    const AFX_NOTIFY* pNotify = static_cast<const AFX_NOTIFY*>(c.pExtra);
    ASSERT_MSG(pNotify != nullptr, "ON_NOTIFY entry reached without a notification");
    (pTarget->*Fn<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(pfn))(pNotify->pNMHDR,
                                                                NotifyResult(pNotify, pResult));
    return TRUE;
}

THUNK(ntf_b_N_pl)
{
    const AFX_NOTIFY* pNotify = static_cast<const AFX_NOTIFY*>(c.pExtra);
    ASSERT_MSG(pNotify != nullptr, "ON_NOTIFY_REFLECT_EX entry reached without a notification");
    return (pTarget->*Fn<BOOL (CCmdTarget::*)(NMHDR*, LRESULT*)>(pfn))(pNotify->pNMHDR,
                                                                       NotifyResult(pNotify, pResult));
}

THUNK(ntf_v_u_N_pl)
{
    const AFX_NOTIFY* pNotify = static_cast<const AFX_NOTIFY*>(c.pExtra);
    ASSERT_MSG(pNotify != nullptr, "ON_NOTIFY_RANGE entry reached without a notification");
    (pTarget->*Fn<void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pfn))(c.nID, pNotify->pNMHDR,
                                                                      NotifyResult(pNotify, pResult));
    return TRUE;
}

THUNK(ntf_b_u_N_pl)
{
    const AFX_NOTIFY* pNotify = static_cast<const AFX_NOTIFY*>(c.pExtra);
    ASSERT_MSG(pNotify != nullptr, "ON_NOTIFY_EX entry reached without a notification");
    return (pTarget->*Fn<BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pfn))(c.nID, pNotify->pNMHDR,
                                                                             NotifyResult(pNotify, pResult));
}
