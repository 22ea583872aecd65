// menu.cpp: CMenu, its handle map and the TrackPopupMenu test seam.
#include "afxwin.h"
#include "afxlite_handlemap.h"
#include "afxlite_testing.h"

namespace {

CMenu* NewMenu()
{
    return new CMenu;
}
void AttachMenu(CMenu* p, HMENU h)
{
    p->m_hMenu = h;
}
void DetachMenu(CMenu* p)
{
    p->m_hMenu = nullptr;
}

CHandleMap<CMenu, HMENU>& MenuMap()
{
    static thread_local CHandleMap<CMenu, HMENU> map(NewMenu, AttachMenu, DetachMenu);
    return map;
}

// The seam is process-wide: tests set it once around the code they drive.
AFXLITE_TRACKPOPUPMENUHOOK g_pfnTrackHook = nullptr;
void* g_pTrackHookContext = nullptr;

// What the menu loop would do with a command chosen by the hook.
BOOL TrackThroughHook(HMENU hMenu, UINT nFlags, int x, int y, HWND hWndOwner)
{
    if (!(nFlags & TPM_NONOTIFY) && hWndOwner != nullptr)
        ::SendMessageA(hWndOwner, WM_INITMENUPOPUP, (WPARAM)hMenu, 0);
    POINT pt = {x, y};
    UINT nCmd = g_pfnTrackHook(hMenu, nFlags, pt, hWndOwner, g_pTrackHookContext);
    if (nFlags & TPM_RETURNCMD)
        return (BOOL)nCmd;
    if (nCmd != 0 && hWndOwner != nullptr)
        ::PostMessageA(hWndOwner, WM_COMMAND, (WPARAM)nCmd, 0);
    return TRUE;
}

} // namespace

AFXLITE_TRACKPOPUPMENUHOOK AfxLiteSetTrackPopupMenuHook(AFXLITE_TRACKPOPUPMENUHOOK pfnHook, void* pContext)
{
    AFXLITE_TRACKPOPUPMENUHOOK pfnOld = g_pfnTrackHook;
    g_pfnTrackHook = pfnHook;
    g_pTrackHookContext = pContext;
    return pfnOld;
}

IMPLEMENT_DYNCREATE(CMenu, CObject)

/////////////////////////////////////////////////////////////////////////////
// Construction and handles

CMenu::CMenu() : m_hMenu(nullptr) {}

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* PASCAL CMenu::FromHandle(HMENU hMenu)
{
    if (hMenu == nullptr)
        return nullptr;
    CHandleMap<CMenu, HMENU>& map = MenuMap();
    // A temporary emptied through itself (Detach, DestroyMenu) no longer
    // speaks for the handle value, which may have been reused since.
    CMenu* pTemp = map.LookupTemporary(hMenu);
    if (pTemp != nullptr && pTemp->m_hMenu != hMenu && map.LookupPermanent(hMenu) == nullptr)
        map.RemoveHandle(hMenu);
    return map.FromHandle(hMenu);
}

CMenu* PASCAL CMenu::FromHandlePermanent(HMENU hMenu)
{
    return hMenu == nullptr ? nullptr : MenuMap().LookupPermanent(hMenu);
}

void PASCAL CMenu::DeleteTempMap()
{
    MenuMap().DeleteTemp();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    ASSERT_MSG(m_hMenu == nullptr, "CMenu::Attach: the wrapper already holds a menu");
    if (hMenu == nullptr)
        return FALSE;
    m_hMenu = hMenu;
    MenuMap().SetPermanent(hMenu, this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU h = m_hMenu;
    if (h != nullptr) {
        CHandleMap<CMenu, HMENU>& map = MenuMap();
        if (map.LookupPermanent(h) == this)
            map.RemoveHandle(h);
    }
    m_hMenu = nullptr;
    return h;
}

BOOL CMenu::CreateMenu()
{
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_MENU);
    return Attach(::LoadMenuA(hInst, lpszResourceName));
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    return LoadMenu(MAKEINTRESOURCEA(nIDResource));
}

BOOL CMenu::LoadMenuIndirect(const void* lpMenuTemplate)
{
    return Attach(::LoadMenuIndirectA((const MENUTEMPLATEA*)lpMenuTemplate));
}

BOOL CMenu::DestroyMenu()
{
    if (m_hMenu == nullptr)
        return FALSE;
    return ::DestroyMenu(Detach());
}

/////////////////////////////////////////////////////////////////////////////
// Operations

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    return ::DeleteMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    ASSERT_MSG(m_hMenu != nullptr, "CMenu::TrackPopupMenu: no menu");
    HWND hWndOwner = pWnd != nullptr ? pWnd->m_hWnd : nullptr;
    if (g_pfnTrackHook != nullptr)
        return TrackThroughHook(m_hMenu, nFlags, x, y, hWndOwner);
    return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, hWndOwner, lpRect);
}

BOOL CMenu::TrackPopupMenuEx(UINT fuFlags, int x, int y, CWnd* pWnd, LPTPMPARAMS lptpm)
{
    ASSERT_MSG(m_hMenu != nullptr, "CMenu::TrackPopupMenuEx: no menu");
    HWND hWndOwner = pWnd != nullptr ? pWnd->m_hWnd : nullptr;
    if (g_pfnTrackHook != nullptr)
        return TrackThroughHook(m_hMenu, fuFlags, x, y, hWndOwner);
    return ::TrackPopupMenuEx(m_hMenu, fuFlags, x, y, hWndOwner, lptpm);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::AppendMenuA(m_hMenu, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    ASSERT_MSG(pBmp != nullptr, "CMenu::AppendMenu: null bitmap");
    return ::AppendMenuA(m_hMenu, nFlags | MF_BITMAP, nIDNewItem, (LPCSTR)pBmp->m_hObject);
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    return (UINT)::CheckMenuItem(m_hMenu, nIDCheckItem, nCheck);
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    return (UINT)::EnableMenuItem(m_hMenu, nIDEnableItem, nEnable);
}

UINT CMenu::GetMenuItemCount() const
{
    return (UINT)::GetMenuItemCount(m_hMenu);
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    return ::GetMenuItemID(m_hMenu, nPos);
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    return ::GetMenuState(m_hMenu, nID, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, LPTSTR lpString, int nMaxCount, UINT nFlags) const
{
    return ::GetMenuStringA(m_hMenu, nIDItem, lpString, nMaxCount, nFlags);
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    // The length first, so that a text of any size fits.
    int nLen = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (nLen <= 0) {
        rString.Empty();
        return 0;
    }
    nLen = ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBuffer(nLen + 1), nLen + 1, nFlags);
    rString.ReleaseBuffer(nLen);
    return nLen;
}

BOOL CMenu::GetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos)
{
    return ::GetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::SetMenuItemInfo(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos)
{
    return ::SetMenuItemInfoA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    return CMenu::FromHandle(::GetSubMenu(m_hMenu, nPos));
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::InsertMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    ASSERT_MSG(pBmp != nullptr, "CMenu::InsertMenu: null bitmap");
    return ::InsertMenuA(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem, (LPCSTR)pBmp->m_hObject);
}

BOOL CMenu::InsertMenuItem(UINT uItem, LPMENUITEMINFO lpMenuItemInfo, BOOL fByPos)
{
    return ::InsertMenuItemA(m_hMenu, uItem, fByPos, lpMenuItemInfo);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags, nIDNewItem, lpszNewItem);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, const CBitmap* pBmp)
{
    ASSERT_MSG(pBmp != nullptr, "CMenu::ModifyMenu: null bitmap");
    return ::ModifyMenuA(m_hMenu, nPosition, nFlags | MF_BITMAP, nIDNewItem, (LPCSTR)pBmp->m_hObject);
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    return ::RemoveMenu(m_hMenu, nPosition, nFlags);
}

BOOL CMenu::SetMenuItemBitmaps(UINT nPosition, UINT nFlags, const CBitmap* pBmpUnchecked,
                               const CBitmap* pBmpChecked)
{
    return ::SetMenuItemBitmaps(m_hMenu, nPosition, nFlags,
                                pBmpUnchecked != nullptr ? (HBITMAP)pBmpUnchecked->m_hObject : nullptr,
                                pBmpChecked != nullptr ? (HBITMAP)pBmpChecked->m_hObject : nullptr);
}

BOOL CMenu::CheckMenuRadioItem(UINT nIDFirst, UINT nIDLast, UINT nIDItem, UINT nFlags)
{
    return ::CheckMenuRadioItem(m_hMenu, nIDFirst, nIDLast, nIDItem, nFlags);
}

BOOL CMenu::SetDefaultItem(UINT uItem, BOOL fByPos)
{
    return ::SetMenuDefaultItem(m_hMenu, uItem, fByPos);
}

UINT CMenu::GetDefaultItem(UINT gmdiFlags, BOOL fByPos)
{
    return ::GetMenuDefaultItem(m_hMenu, fByPos, gmdiFlags);
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

void CMenu::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    UNUSED_ALWAYS(lpDrawItemStruct);
    ASSERT_MSG(FALSE,
               "CMenu::DrawItem: an owner-drawn menu item needs a CMenu class that overrides DrawItem");
}

void CMenu::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    UNUSED_ALWAYS(lpMeasureItemStruct);
    ASSERT_MSG(FALSE,
               "CMenu::MeasureItem: an owner-drawn menu item needs a CMenu class that overrides MeasureItem");
}
