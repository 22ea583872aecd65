// afxlite_wnd.h: command targets, windows and message maps, the handle maps
// that bind window handles to objects, reflection of notifications to the
// child controls that sent them, and the standard control wrappers (CStatic,
// CButton, CEdit, CScrollBar, CListBox, CComboBox). Included by afxwin.h.
//
// How a message reaches a handler:
//   AfxWndProc (the window procedure of every bound window) finds the object
//   in the permanent handle map, remembers the message in the thread state
//   (for Default) and calls the virtual WindowProc; WindowProc calls OnWndMsg
//   and, when no handler took the message, the virtual DefWindowProc (the
//   subclassed original procedure or ::DefWindowProc).
//   OnWndMsg walks the message maps from the most derived class to CCmdTarget.
//   Each map entry carries a thunk chosen by its ON_ macro from the handler's
//   signature: the thunk cracks wParam/lParam into the typed arguments
//   (coordinates as signed values) and calls the member. A handler whose
//   signature differs from MFC's fails to compile at its ON_ line.
//   WM_COMMAND and WM_NOTIFY go through OnCommand/OnNotify, which first offer
//   the notification to the child control's object (reflection), then
//   dispatch to the parent's command entries through OnCmdMsg.
#pragma once

#include <string.h>

// windows.h macros that would rename CWnd members.
#undef GetNextWindow

class CWnd;
class CCmdTarget;
class CDC;
class CFont;
class CMenu;
class CRgn;
class CScrollBar;
class CDataExchange;
struct CCreateContext;

#ifndef afx_msg
#define afx_msg
#endif

// The 16-bit colour request, under which MFC files every WM_CTLCOLOR* message.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif
// Reflected messages come back to the child as WM_REFLECT_BASE + message.
#define WM_REFLECT_BASE 0xBC00

// Command codes of OnCmdMsg (the notification code of a WM_COMMAND).
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)(-1))

/////////////////////////////////////////////////////////////////////////////
// Message maps

typedef void (CCmdTarget::*AFX_PMSG)();

// What a thunk needs to know about the message it dispatches.
struct AFX_MSGCALL
{
    UINT nMsg;     // the window message, or WM_COMMAND/WM_NOTIFY (+ WM_REFLECT_BASE) for command entries
    WPARAM wParam; // of the window message (0 for command entries)
    LPARAM lParam; // of the window message (0 for command entries)
    UINT nID;      // the control or command id of a command entry
    void* pExtra;  // AFX_NOTIFY* for WM_NOTIFY entries, else null
};

// A thunk casts pfn back to the handler's signature, cracks the message and
// calls the handler on pTarget. It returns FALSE when the message counts as
// unhandled (the _EX handlers' choice, a null reflected brush); *pResult gets
// the message's result.
typedef BOOL (*AFX_PTHUNK)(CCmdTarget* pTarget, AFX_PMSG pfn, const AFX_MSGCALL& call, LRESULT* pResult);

struct AFX_MSGMAP_ENTRY
{
    UINT nMessage;       // window message; WM_COMMAND/WM_NOTIFY (+ reflect base) for commands; 0 ends the map
    UINT nCode;          // notification code (WORD) of command and notify entries
    UINT nID;            // first control id of command entries
    UINT nLastID;        // last control id (== nID unless a range)
    AFX_PTHUNK pfnThunk; // cracker chosen from the handler's signature
    AFX_PMSG pfn;        // the handler, to be cast back by pfnThunk
    const UINT* pnRegMsg; // ON_REGISTERED_MESSAGE: the variable holding the number
};

struct AFX_MSGMAP
{
    const AFX_MSGMAP* (*pfnGetBaseMap)(); // null for CCmdTarget's map
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Stores a handler pointer (already cast to CWnd's or CCmdTarget's member
// type by the ON_ macro, which checks its signature) in an entry, and back.
// The bits travel unchanged; memcpy keeps the compiler's cast checks quiet.
template <class F> inline AFX_PMSG AfxMsgFn(F pfn)
{
    static_assert(sizeof(F) == sizeof(AFX_PMSG), "member function pointers of one size");
    AFX_PMSG p;
    memcpy(static_cast<void*>(&p), static_cast<const void*>(&pfn), sizeof p);
    return p;
}
template <class F> inline F AfxMsgFnCast(AFX_PMSG p)
{
    F pfn;
    memcpy(static_cast<void*>(&pfn), static_cast<const void*>(&p), sizeof pfn);
    return pfn;
}

#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
    static const AFX_MSGMAP* GetThisMessageMap();                                                            \
    virtual const AFX_MSGMAP* GetMessageMap() const;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const AFX_MSGMAP* theClass::GetMessageMap() const                                                        \
    {                                                                                                        \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                                          \
    {                                                                                                        \
        using ThisClass [[maybe_unused]] = theClass;                                                         \
        typedef baseClass TheBaseClass;                                                                      \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

// For class templates: BEGIN_TEMPLATE_MESSAGE_MAP(CMaskT, TBase, TBase) with
// `template <class TBase> class CMaskT : public TBase`.
#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, type_name, baseClass)                                           \
    template <typename type_name> const AFX_MSGMAP* theClass<type_name>::GetMessageMap() const               \
    {                                                                                                        \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    template <typename type_name> const AFX_MSGMAP* theClass<type_name>::GetThisMessageMap()                 \
    {                                                                                                        \
        using ThisClass [[maybe_unused]] = theClass<type_name>;                                              \
        typedef baseClass TheBaseClass;                                                                      \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                    \
    {                                                                                                        \
        0, 0, 0, 0, nullptr, nullptr, nullptr                                                                \
    }                                                                                                        \
    }                                                                                                        \
    ;                                                                                                        \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};            \
    return &messageMap;                                                                                      \
    }

// The thunks, one per handler signature (wndthunks.cpp). Names spell the
// signature: v void, b BOOL, i int, u UINT, l LRESULT, h HBRUSH, W CWnd*,
// D CDC*, pt CPoint, ...
#define AFXLITE_THUNK(name)                                                                                  \
    AFXLITE_API BOOL AfxThunk_##name(CCmdTarget*, AFX_PMSG, const AFX_MSGCALL&, LRESULT*)
AFXLITE_THUNK(v_v);
AFXLITE_THUNK(i_CREATE);
AFXLITE_THUNK(b_CREATE);
AFXLITE_THUNK(b_D);
AFXLITE_THUNK(v_u_ii);
AFXLITE_THUNK(v_ii);
AFXLITE_THUNK(v_uptr);
AFXLITE_THUNK(v_uuu);
AFXLITE_THUNK(v_Ww);
AFXLITE_THUNK(v_Wl);
AFXLITE_THUNK(v_u_pt);
AFXLITE_THUNK(b_u_s_pt);
AFXLITE_THUNK(i_W_uu);
AFXLITE_THUNK(b_W_uu);
AFXLITE_THUNK(v_W_pt);
AFXLITE_THUNK(v_uu_SB);
AFXLITE_THUNK(h_D_W_u);
AFXLITE_THUNK(v_i_DIS);
AFXLITE_THUNK(v_i_MIS);
AFXLITE_THUNK(v_MMI);
AFXLITE_THUNK(l_pt);
AFXLITE_THUNK(v_b_NCCALC);
AFXLITE_THUNK(v_b_u);
AFXLITE_THUNK(v_WP);
AFXLITE_THUNK(v_u_sz);
AFXLITE_THUNK(v_b);
AFXLITE_THUNK(b_b);
AFXLITE_THUNK(u_v);
AFXLITE_THUNK(v_M_u_b);
AFXLITE_THUNK(v_u_u_hm);
AFXLITE_THUNK(v_u_W_b);
AFXLITE_THUNK(v_u_l);
AFXLITE_THUNK(l_wl);
AFXLITE_THUNK(h_D_u);
AFXLITE_THUNK(v_DIS);
AFXLITE_THUNK(v_MIS);
AFXLITE_THUNK(v_u_u);
AFXLITE_THUNK(cmd_v_v);
AFXLITE_THUNK(cmd_b_v);
AFXLITE_THUNK(cmd_v_u);
AFXLITE_THUNK(cmd_b_u);
AFXLITE_THUNK(ntf_v_N_pl);
AFXLITE_THUNK(ntf_b_N_pl);
AFXLITE_THUNK(ntf_v_u_N_pl);
AFXLITE_THUNK(ntf_b_u_N_pl);
#undef AFXLITE_THUNK

// One window-message entry: the static_cast checks the handler's signature.
#define AFXLITE_WM_ENTRY(msg, thunk, sig, fn)                                                                \
    {(msg), 0, 0, 0, &AfxThunk_##thunk, AfxMsgFn(static_cast<sig>(&ThisClass::fn)), nullptr},
// Entries that name a handler of the host's choosing take it as MFC 9 does:
// a pointer to member, ON_COMMAND(ID_FOO, &CMyDlg::OnFoo).
#define AFXLITE_WM_ENTRY_PMF(msg, thunk, sig, pmf)                                                           \
    {(msg), 0, 0, 0, &AfxThunk_##thunk, AfxMsgFn(static_cast<sig>(pmf)), nullptr},
#define AFXLITE_CMD_ENTRY(msg, code, id, lastId, thunk, sig, pmf)                                            \
    {(msg),          (WORD)(int)(code), (WORD)(id),                                                          \
     (WORD)(lastId), &AfxThunk_##thunk, AfxMsgFn(static_cast<sig>(pmf)),                                     \
     nullptr},

// Window messages, with MFC's handler names and signatures.
#define ON_WM_CREATE() AFXLITE_WM_ENTRY(WM_CREATE, i_CREATE, int (CWnd::*)(LPCREATESTRUCT), OnCreate)
#define ON_WM_NCCREATE() AFXLITE_WM_ENTRY(WM_NCCREATE, b_CREATE, BOOL (CWnd::*)(LPCREATESTRUCT), OnNcCreate)
#define ON_WM_DESTROY() AFXLITE_WM_ENTRY(WM_DESTROY, v_v, void (CWnd::*)(), OnDestroy)
#define ON_WM_NCDESTROY() AFXLITE_WM_ENTRY(WM_NCDESTROY, v_v, void (CWnd::*)(), OnNcDestroy)
#define ON_WM_PAINT() AFXLITE_WM_ENTRY(WM_PAINT, v_v, void (CWnd::*)(), OnPaint)
#define ON_WM_NCPAINT() AFXLITE_WM_ENTRY(WM_NCPAINT, v_v, void (CWnd::*)(), OnNcPaint)
#define ON_WM_ERASEBKGND() AFXLITE_WM_ENTRY(WM_ERASEBKGND, b_D, BOOL (CWnd::*)(CDC*), OnEraseBkgnd)
#define ON_WM_SIZE() AFXLITE_WM_ENTRY(WM_SIZE, v_u_ii, void (CWnd::*)(UINT, int, int), OnSize)
#define ON_WM_MOVE() AFXLITE_WM_ENTRY(WM_MOVE, v_ii, void (CWnd::*)(int, int), OnMove)
#define ON_WM_TIMER() AFXLITE_WM_ENTRY(WM_TIMER, v_uptr, void (CWnd::*)(UINT_PTR), OnTimer)
#define ON_WM_CHAR() AFXLITE_WM_ENTRY(WM_CHAR, v_uuu, void (CWnd::*)(UINT, UINT, UINT), OnChar)
#define ON_WM_KEYDOWN() AFXLITE_WM_ENTRY(WM_KEYDOWN, v_uuu, void (CWnd::*)(UINT, UINT, UINT), OnKeyDown)
#define ON_WM_KEYUP() AFXLITE_WM_ENTRY(WM_KEYUP, v_uuu, void (CWnd::*)(UINT, UINT, UINT), OnKeyUp)
#define ON_WM_SYSKEYDOWN()                                                                                   \
    AFXLITE_WM_ENTRY(WM_SYSKEYDOWN, v_uuu, void (CWnd::*)(UINT, UINT, UINT), OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFXLITE_WM_ENTRY(WM_SYSKEYUP, v_uuu, void (CWnd::*)(UINT, UINT, UINT), OnSysKeyUp)
#define ON_WM_SYSCHAR() AFXLITE_WM_ENTRY(WM_SYSCHAR, v_uuu, void (CWnd::*)(UINT, UINT, UINT), OnSysChar)
#define ON_WM_SETFOCUS() AFXLITE_WM_ENTRY(WM_SETFOCUS, v_Ww, void (CWnd::*)(CWnd*), OnSetFocus)
#define ON_WM_KILLFOCUS() AFXLITE_WM_ENTRY(WM_KILLFOCUS, v_Ww, void (CWnd::*)(CWnd*), OnKillFocus)
#define ON_WM_CAPTURECHANGED()                                                                               \
    AFXLITE_WM_ENTRY(WM_CAPTURECHANGED, v_Wl, void (CWnd::*)(CWnd*), OnCaptureChanged)
#define ON_WM_LBUTTONDOWN()                                                                                  \
    AFXLITE_WM_ENTRY(WM_LBUTTONDOWN, v_u_pt, void (CWnd::*)(UINT, CPoint), OnLButtonDown)
#define ON_WM_LBUTTONUP() AFXLITE_WM_ENTRY(WM_LBUTTONUP, v_u_pt, void (CWnd::*)(UINT, CPoint), OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK()                                                                                \
    AFXLITE_WM_ENTRY(WM_LBUTTONDBLCLK, v_u_pt, void (CWnd::*)(UINT, CPoint), OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN()                                                                                  \
    AFXLITE_WM_ENTRY(WM_RBUTTONDOWN, v_u_pt, void (CWnd::*)(UINT, CPoint), OnRButtonDown)
#define ON_WM_RBUTTONUP() AFXLITE_WM_ENTRY(WM_RBUTTONUP, v_u_pt, void (CWnd::*)(UINT, CPoint), OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK()                                                                                \
    AFXLITE_WM_ENTRY(WM_RBUTTONDBLCLK, v_u_pt, void (CWnd::*)(UINT, CPoint), OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN()                                                                                  \
    AFXLITE_WM_ENTRY(WM_MBUTTONDOWN, v_u_pt, void (CWnd::*)(UINT, CPoint), OnMButtonDown)
#define ON_WM_MBUTTONUP() AFXLITE_WM_ENTRY(WM_MBUTTONUP, v_u_pt, void (CWnd::*)(UINT, CPoint), OnMButtonUp)
#define ON_WM_MOUSEMOVE() AFXLITE_WM_ENTRY(WM_MOUSEMOVE, v_u_pt, void (CWnd::*)(UINT, CPoint), OnMouseMove)
#define ON_WM_MOUSEHOVER() AFXLITE_WM_ENTRY(WM_MOUSEHOVER, v_u_pt, void (CWnd::*)(UINT, CPoint), OnMouseHover)
#define ON_WM_MOUSELEAVE() AFXLITE_WM_ENTRY(WM_MOUSELEAVE, v_v, void (CWnd::*)(), OnMouseLeave)
#define ON_WM_NCLBUTTONDOWN()                                                                                \
    AFXLITE_WM_ENTRY(WM_NCLBUTTONDOWN, v_u_pt, void (CWnd::*)(UINT, CPoint), OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP()                                                                                  \
    AFXLITE_WM_ENTRY(WM_NCLBUTTONUP, v_u_pt, void (CWnd::*)(UINT, CPoint), OnNcLButtonUp)
#define ON_WM_NCMOUSEMOVE()                                                                                  \
    AFXLITE_WM_ENTRY(WM_NCMOUSEMOVE, v_u_pt, void (CWnd::*)(UINT, CPoint), OnNcMouseMove)
#define ON_WM_MOUSEWHEEL()                                                                                   \
    AFXLITE_WM_ENTRY(WM_MOUSEWHEEL, b_u_s_pt, BOOL (CWnd::*)(UINT, short, CPoint), OnMouseWheel)
#define ON_WM_MOUSEACTIVATE()                                                                                \
    AFXLITE_WM_ENTRY(WM_MOUSEACTIVATE, i_W_uu, int (CWnd::*)(CWnd*, UINT, UINT), OnMouseActivate)
#define ON_WM_SETCURSOR()                                                                                    \
    AFXLITE_WM_ENTRY(WM_SETCURSOR, b_W_uu, BOOL (CWnd::*)(CWnd*, UINT, UINT), OnSetCursor)
#define ON_WM_CONTEXTMENU()                                                                                  \
    AFXLITE_WM_ENTRY(WM_CONTEXTMENU, v_W_pt, void (CWnd::*)(CWnd*, CPoint), OnContextMenu)
#define ON_WM_HSCROLL()                                                                                      \
    AFXLITE_WM_ENTRY(WM_HSCROLL, v_uu_SB, void (CWnd::*)(UINT, UINT, CScrollBar*), OnHScroll)
#define ON_WM_VSCROLL()                                                                                      \
    AFXLITE_WM_ENTRY(WM_VSCROLL, v_uu_SB, void (CWnd::*)(UINT, UINT, CScrollBar*), OnVScroll)
// Every WM_CTLCOLOR* message: nCtlColor is CTLCOLOR_MSGBOX .. CTLCOLOR_STATIC.
#define ON_WM_CTLCOLOR()                                                                                     \
    AFXLITE_WM_ENTRY(WM_CTLCOLOR, h_D_W_u, HBRUSH (CWnd::*)(CDC*, CWnd*, UINT), OnCtlColor)
#define ON_WM_DRAWITEM()                                                                                     \
    AFXLITE_WM_ENTRY(WM_DRAWITEM, v_i_DIS, void (CWnd::*)(int, LPDRAWITEMSTRUCT), OnDrawItem)
#define ON_WM_MEASUREITEM()                                                                                  \
    AFXLITE_WM_ENTRY(WM_MEASUREITEM, v_i_MIS, void (CWnd::*)(int, LPMEASUREITEMSTRUCT), OnMeasureItem)
#define ON_WM_GETMINMAXINFO()                                                                                \
    AFXLITE_WM_ENTRY(WM_GETMINMAXINFO, v_MMI, void (CWnd::*)(MINMAXINFO*), OnGetMinMaxInfo)
#define ON_WM_NCHITTEST() AFXLITE_WM_ENTRY(WM_NCHITTEST, l_pt, LRESULT (CWnd::*)(CPoint), OnNcHitTest)
#define ON_WM_NCCALCSIZE()                                                                                   \
    AFXLITE_WM_ENTRY(WM_NCCALCSIZE, v_b_NCCALC, void (CWnd::*)(BOOL, NCCALCSIZE_PARAMS*), OnNcCalcSize)
#define ON_WM_NCACTIVATE() AFXLITE_WM_ENTRY(WM_NCACTIVATE, b_b, BOOL (CWnd::*)(BOOL), OnNcActivate)
#define ON_WM_CLOSE() AFXLITE_WM_ENTRY(WM_CLOSE, v_v, void (CWnd::*)(), OnClose)
#define ON_WM_SHOWWINDOW() AFXLITE_WM_ENTRY(WM_SHOWWINDOW, v_b_u, void (CWnd::*)(BOOL, UINT), OnShowWindow)
#define ON_WM_WINDOWPOSCHANGED()                                                                             \
    AFXLITE_WM_ENTRY(WM_WINDOWPOSCHANGED, v_WP, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanged)
#define ON_WM_WINDOWPOSCHANGING()                                                                            \
    AFXLITE_WM_ENTRY(WM_WINDOWPOSCHANGING, v_WP, void (CWnd::*)(WINDOWPOS*), OnWindowPosChanging)
#define ON_WM_SYSCOLORCHANGE() AFXLITE_WM_ENTRY(WM_SYSCOLORCHANGE, v_v, void (CWnd::*)(), OnSysColorChange)
#define ON_WM_SETTINGCHANGE()                                                                                \
    AFXLITE_WM_ENTRY(WM_SETTINGCHANGE, v_u_sz, void (CWnd::*)(UINT, LPCTSTR), OnSettingChange)
#define ON_WM_ENABLE() AFXLITE_WM_ENTRY(WM_ENABLE, v_b, void (CWnd::*)(BOOL), OnEnable)
#define ON_WM_GETDLGCODE() AFXLITE_WM_ENTRY(WM_GETDLGCODE, u_v, UINT (CWnd::*)(), OnGetDlgCode)
#define ON_WM_INITMENUPOPUP()                                                                                \
    AFXLITE_WM_ENTRY(WM_INITMENUPOPUP, v_M_u_b, void (CWnd::*)(CMenu*, UINT, BOOL), OnInitMenuPopup)
#define ON_WM_MENUSELECT()                                                                                   \
    AFXLITE_WM_ENTRY(WM_MENUSELECT, v_u_u_hm, void (CWnd::*)(UINT, UINT, HMENU), OnMenuSelect)
#define ON_WM_ACTIVATE() AFXLITE_WM_ENTRY(WM_ACTIVATE, v_u_W_b, void (CWnd::*)(UINT, CWnd*, BOOL), OnActivate)
#define ON_WM_CANCELMODE() AFXLITE_WM_ENTRY(WM_CANCELMODE, v_v, void (CWnd::*)(), OnCancelMode)
#define ON_WM_PARENTNOTIFY()                                                                                 \
    AFXLITE_WM_ENTRY(WM_PARENTNOTIFY, v_u_l, void (CWnd::*)(UINT, LPARAM), OnParentNotify)
#define ON_WM_SYSCOMMAND() AFXLITE_WM_ENTRY(WM_SYSCOMMAND, v_u_l, void (CWnd::*)(UINT, LPARAM), OnSysCommand)

// Any message, raw: LRESULT (WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn)                                                                       \
    AFXLITE_WM_ENTRY_PMF(message, l_wl, LRESULT (CWnd::*)(WPARAM, LPARAM), memberFxn)
// A registered message: nMessageVariable is a UINT holding RegisterWindowMessage's result.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                                   \
    {0xC000,                                                                                                 \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     &AfxThunk_l_wl,                                                                                         \
     AfxMsgFn(static_cast<LRESULT (CWnd::*)(WPARAM, LPARAM)>(memberFxn)),                                    \
     &(nMessageVariable)},

// Commands (menus, accelerators, control notifications) and notifications.
#define ON_COMMAND(id, memberFxn)                                                                            \
    AFXLITE_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, id, cmd_v_v, void (CCmdTarget::*)(), memberFxn)
#define ON_COMMAND_EX(id, memberFxn)                                                                         \
    AFXLITE_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, id, cmd_b_u, BOOL (CCmdTarget::*)(UINT), memberFxn)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                              \
    AFXLITE_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, cmd_v_u, void (CCmdTarget::*)(UINT), memberFxn)
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                               \
    AFXLITE_CMD_ENTRY(WM_COMMAND, wNotifyCode, id, id, cmd_v_v, void (CCmdTarget::*)(), memberFxn)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                                 \
    AFXLITE_CMD_ENTRY(WM_COMMAND, wNotifyCode, id, idLast, cmd_v_u, void (CCmdTarget::*)(UINT), memberFxn)
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
// WM_NOTIFY: void (NMHDR*, LRESULT*).
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                                \
    AFXLITE_CMD_ENTRY(WM_NOTIFY, wNotifyCode, id, id, ntf_v_N_pl, void (CCmdTarget::*)(NMHDR*, LRESULT*),    \
                      memberFxn)
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                             \
    AFXLITE_CMD_ENTRY(WM_NOTIFY, wNotifyCode, id, id, ntf_b_u_N_pl,                                          \
                      BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                                  \
    AFXLITE_CMD_ENTRY(WM_NOTIFY, wNotifyCode, id, idLast, ntf_v_u_N_pl,                                      \
                      void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*), memberFxn)

// Reflection: the control handles the notification it sent to its parent.
// The plain forms decide the result (the parent sees nothing); the _EX forms
// return FALSE to let the parent handle it as well.
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                           \
    AFXLITE_CMD_ENTRY(WM_COMMAND + WM_REFLECT_BASE, wNotifyCode, 0, 0, cmd_v_v, void(CCmdTarget::*)(),       \
                      memberFxn)
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                                        \
    AFXLITE_CMD_ENTRY(WM_COMMAND + WM_REFLECT_BASE, wNotifyCode, 0, 0, cmd_b_v, BOOL(CCmdTarget::*)(),       \
                      memberFxn)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                            \
    AFXLITE_CMD_ENTRY(WM_NOTIFY + WM_REFLECT_BASE, wNotifyCode, 0, 0, ntf_v_N_pl,                            \
                      void(CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                                         \
    AFXLITE_CMD_ENTRY(WM_NOTIFY + WM_REFLECT_BASE, wNotifyCode, 0, 0, ntf_b_N_pl,                            \
                      BOOL(CCmdTarget::*)(NMHDR*, LRESULT*), memberFxn)
// A null brush from CtlColor leaves the request to the parent.
#define ON_WM_CTLCOLOR_REFLECT()                                                                             \
    AFXLITE_WM_ENTRY(WM_CTLCOLOR + WM_REFLECT_BASE, h_D_u, HBRUSH(CWnd::*)(CDC*, UINT), CtlColor)
#define ON_WM_DRAWITEM_REFLECT()                                                                             \
    AFXLITE_WM_ENTRY(WM_DRAWITEM + WM_REFLECT_BASE, v_DIS, void(CWnd::*)(LPDRAWITEMSTRUCT), DrawItem)
#define ON_WM_MEASUREITEM_REFLECT()                                                                          \
    AFXLITE_WM_ENTRY(WM_MEASUREITEM + WM_REFLECT_BASE, v_MIS, void(CWnd::*)(LPMEASUREITEMSTRUCT), MeasureItem)
#define ON_WM_HSCROLL_REFLECT()                                                                              \
    AFXLITE_WM_ENTRY(WM_HSCROLL + WM_REFLECT_BASE, v_u_u, void(CWnd::*)(UINT, UINT), HScroll)
#define ON_WM_VSCROLL_REFLECT()                                                                              \
    AFXLITE_WM_ENTRY(WM_VSCROLL + WM_REFLECT_BASE, v_u_u, void(CWnd::*)(UINT, UINT), VScroll)
#define ON_WM_PARENTNOTIFY_REFLECT()                                                                         \
    AFXLITE_WM_ENTRY(WM_PARENTNOTIFY + WM_REFLECT_BASE, v_u_l, void(CWnd::*)(UINT, LPARAM), ParentNotify)

// pExtra of OnCmdMsg for WM_NOTIFY.
struct AFX_NOTIFY
{
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// lParam of a reflected WM_CTLCOLOR.
struct AFX_CTLCOLOR
{
    HWND hWnd;
    HDC hDC;
    UINT nCtlType; // CTLCOLOR_MSGBOX .. CTLCOLOR_STATIC
};

// What OnCmdMsg reports when asked only whether a handler exists.
struct AFX_CMDHANDLERINFO
{
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

/////////////////////////////////////////////////////////////////////////////
// Per-thread framework state

struct AFXLITE_API _AFX_THREAD_STATE
{
    // The window being created by CWnd::Create/CreateEx (or a dialog being
    // created by CDialog) until the creation hook has bound it; null at every
    // other time. During the PreSubclassWindow that the hook calls it equals
    // `this`; during a PreSubclassWindow called by SubclassWindow it is null.
    // This is how a control tells the Create path from the subclassing path:
    //     if (AfxGetThreadState()->m_pWndInit == NULL) { /* subclassed */ }
    CWnd* m_pWndInit;
    HHOOK m_hHookOldCbtFilter;   // the creation hook while one is installed
    MSG m_lastSentMsg;           // the message being dispatched (for CWnd::Default)
    HWND m_hLockoutNotifyWindow; // a window whose WM_COMMAND/WM_NOTIFY are swallowed
    HMENU m_hTrackingMenu;       // the popup menu of the last WM_INITMENUPOPUP (owner-draw routing)
    int m_nCreateDepth;          // nesting of AfxHookWindowCreate calls
    int m_nWndCreated;           // windows bound by the creation hook so far (statistics)
};
AFXLITE_API _AFX_THREAD_STATE* AfxGetThreadState();

// The window procedure of every window bound to a CWnd.
AFXLITE_API LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
AFXLITE_API LRESULT AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);
// Binds hWnd to pWnd: Attach, PreSubclassWindow, AfxWndProc as its procedure.
AFXLITE_API void AfxBindWindow(CWnd* pWnd, HWND hWnd);
// Binds the next window created on this thread to pWnd (as Create does), for
// creators such as CDialog that call CreateWindowEx/CreateDialog themselves.
// Every hook call is paired with AfxUnhookWindowCreate, which returns FALSE
// when the window was not bound (creation failed).
AFXLITE_API void AfxHookWindowCreate(CWnd* pWnd);
AFXLITE_API BOOL AfxUnhookWindowCreate();

// Window classes (AfxRegisterClass is in afx.h). AfxRegisterWndClass returns a name (in a buffer of its own,
// valid until the next call) for a class with DefWindowProc as its procedure.
AFXLITE_API LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = 0, HBRUSH hbrBackground = 0,
                                        HICON hIcon = 0);
// The window class CWnd::Create uses when none is given.
#define AFX_WND "AfxWnd90s"

// Loads riched20.dll once so "RichEdit20A" windows can be created.
AFXLITE_API BOOL AfxInitRichEdit2();

// afxlite's own accounting, for leak tests: windows bound to objects and
// temporary CWnd objects alive on this thread.
AFXLITE_API void AfxGetWndMapCounts(size_t* pnPermanent, size_t* pnTemporary);

/////////////////////////////////////////////////////////////////////////////
// CCmdTarget: the root of message-map dispatch and command routing (OnCmdMsg).
// Differs from MFC: no OLE automation, no CCmdUI (no ON_UPDATE_COMMAND_UI).
class AFXLITE_API CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)

public:
    CCmdTarget();
    virtual ~CCmdTarget();

    // Looks for a command or notification entry (nCode's high word is the
    // message, WM_COMMAND when 0; its low word the notification code) and
    // calls it; TRUE when a handler took it. With pHandlerInfo, only reports.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    // The entry for nMessage (nCode, nID as for commands) in pMap and its bases.
    static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode,
                                                    UINT nID);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

private:
    HCURSOR m_hCursorSaved; // the cursor before BeginWaitCursor
};

/////////////////////////////////////////////////////////////////////////////
// m_nFlags bits.
#define WF_TOOLTIPS 0x0001
#define WF_TEMPHIDE 0x0002
#define WF_STAYDISABLED 0x0004
#define WF_MODALLOOP 0x0008
#define WF_CONTINUEMODAL 0x0010
#define WF_OLECTLCONTAINER 0x0100
// RunModalLoop flags.
#define MLF_NOIDLEMSG 0x0001
#define MLF_NOKICKIDLE 0x0002
#define MLF_SHOWONIDLE 0x0004

// CWnd: a window bound to an object, with message maps and reflection.
// Differs from MFC: no OLE control containment, tool tips of its own or
// docking; UpdateData belongs to CDialog only; handle maps are per thread.
class AFXLITE_API CWnd : public CCmdTarget
{
    DECLARE_DYNCREATE(CWnd)

public:
    // Construction
    CWnd();
    virtual ~CWnd();

    // Attributes
    HWND m_hWnd; // null when no window is attached

    // Markers for SetWindowPos's pWndInsertAfter.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // Safe on a null CWnd*, as MFC code expects (pParent->GetSafeHwnd()).
    operator HWND() const { return GetSafeHwnd(); }
    HWND GetSafeHwnd() const
    {
        const CWnd* self = this;
        __asm__("" : "+r"(self)); // hide `this`'s non-null assumption from the optimiser
        return self == nullptr ? nullptr : self->m_hWnd;
    }
    BOOL operator==(const CWnd& wnd) const { return m_hWnd == wnd.m_hWnd; }
    BOOL operator!=(const CWnd& wnd) const { return m_hWnd != wnd.m_hWnd; }

    // The object bound to hWnd, else a temporary CWnd that lives until the
    // thread goes idle (DeleteTempMap): never keep the pointer.
    static CWnd* FromHandle(HWND hWnd);
    // The object bound to hWnd, or null.
    static CWnd* FromHandlePermanent(HWND hWnd);
    // Deletes the temporary objects of this thread (the message loop calls it when idle).
    static void DeleteTempMap();
    BOOL Attach(HWND hWndNew);
    HWND Detach();

    DWORD GetStyle() const { return (DWORD)::GetWindowLongPtr(m_hWnd, GWL_STYLE); }
    DWORD GetExStyle() const { return (DWORD)::GetWindowLongPtr(m_hWnd, GWL_EXSTYLE); }
    // nFlags non-zero: SetWindowPos with nFlags | SWP_NOSIZE|SWP_NOMOVE|SWP_NOZORDER|SWP_NOACTIVATE.
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    static BOOL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    static BOOL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);

    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd) { m_hWndOwner = pOwnerWnd != nullptr ? pOwnerWnd->m_hWnd : nullptr; }

    // Window text and font
    void SetWindowText(LPCTSTR lpszString) { ::SetWindowTextA(m_hWnd, lpszString); }
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
    {
        return ::GetWindowTextA(m_hWnd, lpszStringBuf, nMaxCount);
    }
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const { return ::GetWindowTextLengthA(m_hWnd); }
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;

    // Menus
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* pMenu);
    void DrawMenuBar() { ::DrawMenuBar(m_hWnd); }
    CMenu* GetSystemMenu(BOOL bRevert) const;

    // Size and position
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL IsZoomed() const { return ::IsZoomed(m_hWnd); }
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE)
    {
        ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
    }
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE)
    {
        MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                   bRepaint);
    }
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
    {
        return ::SetWindowPos(m_hWnd, pWndInsertAfter != nullptr ? pWndInsertAfter->m_hWnd : nullptr, x, y,
                              cx, cy, nFlags);
    }
    void BringWindowToTop() { ::BringWindowToTop(m_hWnd); }
    void GetWindowRect(LPRECT lpRect) const { ::GetWindowRect(m_hWnd, lpRect); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const { return ::GetWindowPlacement(m_hWnd, lpwndpl); }
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl) { return ::SetWindowPlacement(m_hWnd, lpwndpl); }
    // pAlternateOwner null: centre over the owner (or the parent), else the screen's work area.
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0);

    // Coordinate mapping
    void ClientToScreen(LPPOINT lpPoint) const { ::ClientToScreen(m_hWnd, lpPoint); }
    void ClientToScreen(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const { ::ScreenToClient(m_hWnd, lpPoint); }
    void ScreenToClient(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
    {
        ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), lpPoint, nCount);
    }
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const
    {
        ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), reinterpret_cast<LPPOINT>(lpRect), 2);
    }

    // Painting
    CDC* BeginPaint(LPPAINTSTRUCT lpPaint);
    void EndPaint(LPPAINTSTRUCT lpPaint) { ::EndPaint(m_hWnd, lpPaint); }
    CDC* GetDC();
    CDC* GetWindowDC();
    int ReleaseDC(CDC* pDC);
    void UpdateWindow() { ::UpdateWindow(m_hWnd); }
    void SetRedraw(BOOL bRedraw = TRUE) { ::SendMessageA(m_hWnd, WM_SETREDRAW, bRedraw, 0); }
    BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE) { return ::GetUpdateRect(m_hWnd, lpRect, bErase); }
    int GetUpdateRgn(CRgn* pRgn, BOOL bErase = FALSE);
    void Invalidate(BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, bErase); }
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) { ::InvalidateRect(m_hWnd, lpRect, bErase); }
    void InvalidateRgn(CRgn* pRgn, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect) { ::ValidateRect(m_hWnd, lpRect); }
    void ValidateRgn(CRgn* pRgn);
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, CRgn* prgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    BOOL LockWindowUpdate() { return ::LockWindowUpdate(m_hWnd); }
    void UnlockWindowUpdate() { ::LockWindowUpdate(nullptr); }
    HICON SetIcon(HICON hIcon, BOOL bBigIcon)
    {
        return (HICON)::SendMessageA(m_hWnd, WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, (LPARAM)hIcon);
    }
    HICON GetIcon(BOOL bBigIcon) const
    {
        return (HICON)::SendMessageA(m_hWnd, WM_GETICON, bBigIcon ? ICON_BIG : ICON_SMALL, 0);
    }

    // Timers
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse, void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD))
    {
        return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
    }
    BOOL KillTimer(UINT_PTR nIDEvent) { return ::KillTimer(m_hWnd, nIDEvent); }

    // Window state
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    static CWnd* GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
    CWnd* SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
    static CWnd* GetCapture() { return FromHandle(::GetCapture()); }
    CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
    static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
    CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
    static CWnd* GetDesktopWindow() { return FromHandle(::GetDesktopWindow()); }
    static CWnd* GetForegroundWindow() { return FromHandle(::GetForegroundWindow()); }
    BOOL SetForegroundWindow() { return ::SetForegroundWindow(m_hWnd); }
    BOOL IsWindow() const { return ::IsWindow(GetSafeHwnd()); }

    // Dialog items
    void CheckDlgButton(int nIDButton, UINT nCheck) { ::CheckDlgButton(m_hWnd, nIDButton, nCheck); }
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
    {
        ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
    }
    int GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton);
    CWnd* GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }
    void GetDlgItem(int nID, HWND* phWnd) const { *phWnd = ::GetDlgItem(m_hWnd, nID); }
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const
    {
        return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
    }
    int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const
    {
        return ::GetDlgItemTextA(m_hWnd, nID, lpStr, nMaxCount);
    }
    int GetDlgItemText(int nID, CString& rString) const;
    CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const
    {
        return FromHandle(::GetNextDlgGroupItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
    }
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const
    {
        return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
    }
    UINT IsDlgButtonChecked(int nIDButton) const { return ::IsDlgButtonChecked(m_hWnd, nIDButton); }
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return ::SendDlgItemMessageA(m_hWnd, nID, message, wParam, lParam);
    }
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE)
    {
        ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
    }
    void SetDlgItemText(int nID, LPCTSTR lpszString) { ::SetDlgItemTextA(m_hWnd, nID, lpszString); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
    int SetDlgCtrlID(int nID) { return (int)::SetWindowLongPtr(m_hWnd, GWLP_ID, nID); }

    // Scrolling
    int GetScrollPos(int nBar) const { return ::GetScrollPos(m_hWnd, nBar); }
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const
    {
        ::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos);
    }
    // As MFC: the platform scrolls nothing in a hidden window, so with no
    // scroll or clip rectangle the children of a hidden window are moved by
    // (xAmount, yAmount) directly; a visible one goes to ::ScrollWindow.
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = nullptr, LPCRECT lpClipRect = nullptr);
    int ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* prgnUpdate,
                       LPRECT lpRectUpdate, UINT flags);
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE)
    {
        return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw);
    }
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE)
    {
        ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw);
    }
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE) { ::ShowScrollBar(m_hWnd, nBar, bShow); }
    BOOL EnableScrollBar(int nSBFlags, UINT nArrowFlags = ESB_ENABLE_BOTH)
    {
        return ::EnableScrollBar(m_hWnd, nSBFlags, nArrowFlags);
    }
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    int GetScrollLimit(int nBar);
    virtual CScrollBar* GetScrollBarCtrl(int nBar) const;

    // Window access
    CWnd* ChildWindowFromPoint(POINT point) const
    {
        return FromHandle(::ChildWindowFromPoint(m_hWnd, point));
    }
    static CWnd* FindWindow(LPCTSTR lpszClassName, LPCTSTR lpszWindowName)
    {
        return FromHandle(::FindWindowA(lpszClassName, lpszWindowName));
    }
    CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const { return FromHandle(::GetWindow(m_hWnd, nFlag)); }
    CWnd* GetTopWindow() const { return FromHandle(::GetTopWindow(m_hWnd)); }
    CWnd* GetWindow(UINT nCmd) const { return FromHandle(::GetWindow(m_hWnd, nCmd)); }
    CWnd* GetLastActivePopup() const { return FromHandle(::GetLastActivePopup(m_hWnd)); }
    BOOL IsChild(const CWnd* pWnd) const { return ::IsChild(m_hWnd, pWnd->GetSafeHwnd()); }
    CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
    CWnd* SetParent(CWnd* pWndNewParent)
    {
        return FromHandle(::SetParent(m_hWnd, pWndNewParent->GetSafeHwnd()));
    }
    static CWnd* WindowFromPoint(POINT point) { return FromHandle(::WindowFromPoint(point)); }
    CWnd* GetTopLevelParent() const;
    CWnd* GetTopLevelOwner() const;
    CWnd* GetParentOwner() const;
    // The window to own a modal box: pParent's top-level parent, else the
    // active window's. *pWndTop (if given) receives a window to re-enable.
    static CWnd* GetSafeOwner(CWnd* pParent = nullptr, HWND* pWndTop = nullptr);
    // The child (or, with bOnlyPerm, the bound child) with nID, at any depth.
    CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
                                  BOOL bOnlyPerm = FALSE);

    // Alerts and caret
    BOOL FlashWindow(BOOL bInvert) { return ::FlashWindow(m_hWnd, bInvert); }
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK)
    {
        return ::MessageBoxA(m_hWnd, lpszText, lpszCaption, nType);
    }
    void CreateSolidCaret(int nWidth, int nHeight) { ::CreateCaret(m_hWnd, nullptr, nWidth, nHeight); }
    void ShowCaret() { ::ShowCaret(m_hWnd); }
    void HideCaret() { ::HideCaret(m_hWnd); }
    static void SetCaretPos(POINT point) { ::SetCaretPos(point.x, point.y); }
    static CPoint GetCaretPos();

    // Messages
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageA(m_hWnd, message, wParam, lParam);
    }
    BOOL SendNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam) const
    {
        return ::SendNotifyMessageA(m_hWnd, message, wParam, lParam);
    }

    // Dialog data (CDialog's DoDataExchange is reached through here)
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Operations: creation and binding
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                          LPVOID lpParam = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();
    // Binds this object to an existing window and routes its messages here
    // (PreSubclassWindow runs first, with m_pWndInit null).
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    // Gives the window its original procedure back and unbinds it.
    HWND UnsubclassWindow();

    // Modal loops (CDialog::DoModal runs one)
    int RunModalLoop(DWORD dwFlags = 0);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int nResult);

    // Message routing
    LRESULT Default();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Offers pMsg to PreTranslateMessage of its window and each parent up to
    // (and including) hWndStop; TRUE as soon as one takes it.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    // Sends the message being dispatched to hWndChild's object as a
    // reflected notification; TRUE when the child handled it.
    static BOOL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = nullptr);
    BOOL SendChildNotifyLastMsg(LRESULT* pResult = nullptr);

    // Overridables
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    // Called once when a window becomes bound to this object, by Create (from
    // the creation hook, before WM_NCCREATE) or by SubclassWindow; see
    // _AFX_THREAD_STATE::m_pWndInit for telling the two apart.
    virtual void PreSubclassWindow();
    virtual void PostNcDestroy();
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // A notification this control sent to its parent, offered back to it.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual WNDPROC* GetSuperWndProcAddr();

    // The default handlers (each calls Default unless it routes something).
protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    // Unbinds: default processing, the original procedure back, Detach, PostNcDestroy.
    afx_msg void OnNcDestroy();
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseHover(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    // The scroll, colour and owner-draw handlers reflect to the sending control first.
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnClose();
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnSysColorChange();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnCancelMode();
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);

    // Implementation
public:
    UINT m_nFlags;      // WF_* bits
    WNDPROC m_pfnSuper; // the window's procedure before it was bound (null: ::DefWindowProc)
    HWND m_hWndOwner;   // owner set by SetOwner (control bars), else null

protected:
    int m_nModalResult; // EndModalLoop's result
    // The default processing of the reflectable messages.
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    DECLARE_MESSAGE_MAP()

public:
    // The unbinding at WM_NCDESTROY, done once: from OnNcDestroy, or by
    // AfxCallWndProc when a handler did not call it (bFromFramework).
    void UnbindAtNcDestroy(BOOL bFromFramework);

private:
    explicit CWnd(HWND hWndMarker); // the wndTop... markers
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
};

/////////////////////////////////////////////////////////////////////////////
// Standard controls

// CStatic: the "STATIC" control. As MFC.
class AFXLITE_API CStatic : public CWnd
{
    DECLARE_DYNAMIC(CStatic)

public:
    CStatic();
    virtual ~CStatic();
    virtual BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID = 0xffff);

    HICON SetIcon(HICON hIcon) { return (HICON)SendMessage(STM_SETICON, (WPARAM)hIcon, 0); }
    HICON GetIcon() const { return (HICON)SendMessage(STM_GETICON, 0, 0); }
    HBITMAP SetBitmap(HBITMAP hBitmap)
    {
        return (HBITMAP)SendMessage(STM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap);
    }
    HBITMAP GetBitmap() const { return (HBITMAP)SendMessage(STM_GETIMAGE, IMAGE_BITMAP, 0); }
    HCURSOR SetCursor(HCURSOR hCursor)
    {
        return (HCURSOR)SendMessage(STM_SETIMAGE, IMAGE_CURSOR, (LPARAM)hCursor);
    }
    HCURSOR GetCursor() { return (HCURSOR)SendMessage(STM_GETIMAGE, IMAGE_CURSOR, 0); }

    // Owner-drawn statics (SS_OWNERDRAW) draw here; the default asserts.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

// CButton: the "BUTTON" control; owner-drawn buttons draw in DrawItem. As MFC.
class AFXLITE_API CButton : public CWnd
{
    DECLARE_DYNAMIC(CButton)

public:
    CButton();
    virtual ~CButton();
    virtual BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCheck() const { return (int)SendMessage(BM_GETCHECK, 0, 0); }
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, nCheck, 0); }
    UINT GetState() const { return (UINT)SendMessage(BM_GETSTATE, 0, 0); }
    void SetState(BOOL bHighlight) { SendMessage(BM_SETSTATE, bHighlight, 0); }
    UINT GetButtonStyle() const { return (UINT)GetStyle() & 0xFFFF; }
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE) { SendMessage(BM_SETSTYLE, nStyle, bRedraw); }
    HICON SetIcon(HICON hIcon) { return (HICON)SendMessage(BM_SETIMAGE, IMAGE_ICON, (LPARAM)hIcon); }
    HICON GetIcon() const { return (HICON)SendMessage(BM_GETIMAGE, IMAGE_ICON, 0); }
    HBITMAP SetBitmap(HBITMAP hBitmap)
    {
        return (HBITMAP)SendMessage(BM_SETIMAGE, IMAGE_BITMAP, (LPARAM)hBitmap);
    }
    HBITMAP GetBitmap() const { return (HBITMAP)SendMessage(BM_GETIMAGE, IMAGE_BITMAP, 0); }
    HCURSOR SetCursor(HCURSOR hCursor)
    {
        return (HCURSOR)SendMessage(BM_SETIMAGE, IMAGE_CURSOR, (LPARAM)hCursor);
    }

    // Owner-drawn buttons (BS_OWNERDRAW) draw here, reached by reflection of
    // the parent's WM_DRAWITEM; the default asserts.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

// CEdit: the "EDIT" control. As MFC, minus the word-break and handle-swapping calls.
class AFXLITE_API CEdit : public CWnd
{
    DECLARE_DYNAMIC(CEdit)

public:
    CEdit();
    virtual ~CEdit();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    BOOL CanUndo() const { return (BOOL)SendMessage(EM_CANUNDO, 0, 0); }
    int GetLineCount() const { return (int)SendMessage(EM_GETLINECOUNT, 0, 0); }
    BOOL GetModify() const { return (BOOL)SendMessage(EM_GETMODIFY, 0, 0); }
    void SetModify(BOOL bModified = TRUE) { SendMessage(EM_SETMODIFY, bModified, 0); }
    void GetRect(LPRECT lpRect) const { SendMessage(EM_GETRECT, 0, (LPARAM)lpRect); }
    // Packed: start in the low word, end in the high word.
    DWORD GetSel() const { return (DWORD)SendMessage(EM_GETSEL, 0, 0); }
    void GetSel(int& nStartChar, int& nEndChar) const
    {
        SendMessage(EM_GETSEL, (WPARAM)&nStartChar, (LPARAM)&nEndChar);
    }
    HLOCAL GetHandle() const { return (HLOCAL)SendMessage(EM_GETHANDLE, 0, 0); }
    int GetLine(int nIndex, LPTSTR lpszBuffer) const
    {
        return (int)SendMessage(EM_GETLINE, nIndex, (LPARAM)lpszBuffer);
    }
    int GetLine(int nIndex, LPTSTR lpszBuffer, int nMaxLength) const;
    UINT GetLimitText() const { return (UINT)SendMessage(EM_GETLIMITTEXT, 0, 0); }
    void SetLimitText(UINT nMax) { SendMessage(EM_SETLIMITTEXT, nMax, 0); }
    DWORD GetMargins() const { return (DWORD)SendMessage(EM_GETMARGINS, 0, 0); }
    void SetMargins(UINT nLeft, UINT nRight)
    {
        SendMessage(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(nLeft, nRight));
    }
    int GetFirstVisibleLine() const { return (int)SendMessage(EM_GETFIRSTVISIBLELINE, 0, 0); }
    TCHAR GetPasswordChar() const { return (TCHAR)SendMessage(EM_GETPASSWORDCHAR, 0, 0); }
    CPoint PosFromChar(UINT nChar) const;
    int CharFromPos(CPoint pt) const { return (int)SendMessage(EM_CHARFROMPOS, 0, MAKELPARAM(pt.x, pt.y)); }

    void EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER, 0, 0); }
    BOOL FmtLines(BOOL bAddEOL) { return (BOOL)SendMessage(EM_FMTLINES, bAddEOL, 0); }
    void LimitText(int nChars = 0) { SendMessage(EM_LIMITTEXT, nChars, 0); }
    int LineFromChar(int nIndex = -1) const { return (int)SendMessage(EM_LINEFROMCHAR, nIndex, 0); }
    int LineIndex(int nLine = -1) const { return (int)SendMessage(EM_LINEINDEX, nLine, 0); }
    int LineLength(int nLine = -1) const { return (int)SendMessage(EM_LINELENGTH, nLine, 0); }
    void LineScroll(int nLines, int nChars = 0) { SendMessage(EM_LINESCROLL, nChars, nLines); }
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE)
    {
        SendMessage(EM_REPLACESEL, bCanUndo, (LPARAM)lpszNewText);
    }
    void SetPasswordChar(TCHAR ch) { SendMessage(EM_SETPASSWORDCHAR, (BYTE)ch, 0); }
    void SetRect(LPCRECT lpRect) { SendMessage(EM_SETRECT, 0, (LPARAM)lpRect); }
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE)
    {
        SendMessage(EM_SETSEL, LOWORD(dwSelection), HIWORD(dwSelection));
        if (!bNoScroll)
            SendMessage(EM_SCROLLCARET, 0, 0);
    }
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE)
    {
        SendMessage(EM_SETSEL, nStartChar, nEndChar);
        if (!bNoScroll)
            SendMessage(EM_SCROLLCARET, 0, 0);
    }
    BOOL SetReadOnly(BOOL bReadOnly = TRUE) { return (BOOL)SendMessage(EM_SETREADONLY, bReadOnly, 0); }
    BOOL SetTabStops(int nTabStops, LPINT rgTabStops)
    {
        return (BOOL)SendMessage(EM_SETTABSTOPS, nTabStops, (LPARAM)rgTabStops);
    }
    BOOL Undo() { return (BOOL)SendMessage(EM_UNDO, 0, 0); }
    void Clear() { SendMessage(WM_CLEAR, 0, 0); }
    void Copy() { SendMessage(WM_COPY, 0, 0); }
    void Cut() { SendMessage(WM_CUT, 0, 0); }
    void Paste() { SendMessage(WM_PASTE, 0, 0); }
};

// CScrollBar: the "SCROLLBAR" control. As MFC.
class AFXLITE_API CScrollBar : public CWnd
{
    DECLARE_DYNAMIC(CScrollBar)

public:
    CScrollBar();
    virtual ~CScrollBar();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetScrollPos() const { return ::GetScrollPos(m_hWnd, SB_CTL); }
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE) { return ::SetScrollPos(m_hWnd, SB_CTL, nPos, bRedraw); }
    void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const
    {
        ::GetScrollRange(m_hWnd, SB_CTL, lpMinPos, lpMaxPos);
    }
    void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE)
    {
        ::SetScrollRange(m_hWnd, SB_CTL, nMinPos, nMaxPos, bRedraw);
    }
    void ShowScrollBar(BOOL bShow = TRUE) { ::ShowScrollBar(m_hWnd, SB_CTL, bShow); }
    BOOL EnableScrollBar(UINT nArrowFlags = ESB_ENABLE_BOTH)
    {
        return ::EnableScrollBar(m_hWnd, SB_CTL, nArrowFlags);
    }
    BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE)
    {
        lpScrollInfo->cbSize = sizeof(SCROLLINFO);
        ::SetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo, bRedraw);
        return TRUE;
    }
    BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL)
    {
        lpScrollInfo->cbSize = sizeof(SCROLLINFO);
        lpScrollInfo->fMask = nMask;
        return ::GetScrollInfo(m_hWnd, SB_CTL, lpScrollInfo);
    }
    int GetScrollLimit();
};

// CListBox: the "LISTBOX" control; the basic item calls only.
class AFXLITE_API CListBox : public CWnd
{
    DECLARE_DYNAMIC(CListBox)

public:
    CListBox();
    virtual ~CListBox();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const { return (int)SendMessage(LB_GETCOUNT, 0, 0); }
    int GetCurSel() const { return (int)SendMessage(LB_GETCURSEL, 0, 0); }
    int SetCurSel(int nSelect) { return (int)SendMessage(LB_SETCURSEL, nSelect, 0); }
    int GetText(int nIndex, LPTSTR lpszBuffer) const
    {
        return (int)SendMessage(LB_GETTEXT, nIndex, (LPARAM)lpszBuffer);
    }
    void GetText(int nIndex, CString& rString) const;
    int GetTextLen(int nIndex) const { return (int)SendMessage(LB_GETTEXTLEN, nIndex, 0); }
    DWORD_PTR GetItemData(int nIndex) const { return (DWORD_PTR)SendMessage(LB_GETITEMDATA, nIndex, 0); }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
    {
        return (int)SendMessage(LB_SETITEMDATA, nIndex, dwItemData);
    }
    int AddString(LPCTSTR lpszItem) { return (int)SendMessage(LB_ADDSTRING, 0, (LPARAM)lpszItem); }
    int InsertString(int nIndex, LPCTSTR lpszItem)
    {
        return (int)SendMessage(LB_INSERTSTRING, nIndex, (LPARAM)lpszItem);
    }
    int DeleteString(UINT nIndex) { return (int)SendMessage(LB_DELETESTRING, nIndex, 0); }
    void ResetContent() { SendMessage(LB_RESETCONTENT, 0, 0); }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
    {
        return (int)SendMessage(LB_FINDSTRINGEXACT, nIndexStart, (LPARAM)lpszFind);
    }

    // Owner-drawn list boxes draw and measure here; the defaults assert.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

// CComboBox: the "COMBOBOX" control; the basic item calls only.
class AFXLITE_API CComboBox : public CWnd
{
    DECLARE_DYNAMIC(CComboBox)

public:
    CComboBox();
    virtual ~CComboBox();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const { return (int)SendMessage(CB_GETCOUNT, 0, 0); }
    int GetCurSel() const { return (int)SendMessage(CB_GETCURSEL, 0, 0); }
    int SetCurSel(int nSelect) { return (int)SendMessage(CB_SETCURSEL, nSelect, 0); }
    int GetLBText(int nIndex, LPTSTR lpszText) const
    {
        return (int)SendMessage(CB_GETLBTEXT, nIndex, (LPARAM)lpszText);
    }
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const { return (int)SendMessage(CB_GETLBTEXTLEN, nIndex, 0); }
    DWORD_PTR GetItemData(int nIndex) const { return (DWORD_PTR)SendMessage(CB_GETITEMDATA, nIndex, 0); }
    int SetItemData(int nIndex, DWORD_PTR dwItemData)
    {
        return (int)SendMessage(CB_SETITEMDATA, nIndex, dwItemData);
    }
    int AddString(LPCTSTR lpszString) { return (int)SendMessage(CB_ADDSTRING, 0, (LPARAM)lpszString); }
    int InsertString(int nIndex, LPCTSTR lpszString)
    {
        return (int)SendMessage(CB_INSERTSTRING, nIndex, (LPARAM)lpszString);
    }
    int DeleteString(UINT nIndex) { return (int)SendMessage(CB_DELETESTRING, nIndex, 0); }
    void ResetContent() { SendMessage(CB_RESETCONTENT, 0, 0); }
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
    {
        return (int)SendMessage(CB_FINDSTRINGEXACT, nIndexStart, (LPARAM)lpszFind);
    }
    void ShowDropDown(BOOL bShowIt = TRUE) { SendMessage(CB_SHOWDROPDOWN, bShowIt, 0); }
    BOOL GetDroppedState() const { return (BOOL)SendMessage(CB_GETDROPPEDSTATE, 0, 0); }

    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);

protected:
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};
