// MenuTest.cpp: CMenu building and queries, ownership and FromHandle, the
// TrackPopupMenu hook and owner-draw routing to the bound menu object.
#include <afxwin.h>
#include <afxlite_testing.h>

#include <gtest/gtest.h>

#include <vector>

#include "frame_resource.h"

namespace {

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// An owner window that records the menu messages it gets.
class COwnerWnd : public CWnd
{
public:
    struct Msg
    {
        UINT message;
        WPARAM wParam;
    };
    std::vector<Msg> m_msgs;

    BOOL CreateOwner()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "menu owner", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND || message == WM_INITMENUPOPUP)
            m_msgs.push_back({message, wParam});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// The menu the position controls build: three notations, one checked.
void BuildFormatMenu(CMenu& menu)
{
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 100, "DMS");
    menu.AppendMenu(MF_STRING, 101, "DMX");
    menu.AppendMenu(MF_STRING, 102, "DXX");
}

} // namespace

TEST(CMenuBuild, ItemsAreFoundByPositionAndByCommand)
{
    CMenu menu;
    BuildFormatMenu(menu);
    menu.AppendMenu(MF_SEPARATOR);
    EXPECT_TRUE(menu.InsertMenu(0, MF_BYPOSITION | MF_STRING, 99, "First"));
    CMenu sub;
    sub.CreatePopupMenu();
    sub.AppendMenu(MF_STRING, 300, "Inner");
    EXPECT_TRUE(menu.AppendMenu(MF_POPUP, (UINT_PTR)sub.Detach(), "Sub"));

    ASSERT_EQ(menu.GetMenuItemCount(), 6u);
    struct Row
    {
        const char* label;
        int nPos;
        UINT nID;
        const char* text;
    } rows[] = {{"inserted first", 0, 99, "First"},
                {"appended", 1, 100, "DMS"},
                {"appended", 3, 102, "DXX"},
                {"separator", 4, 0, ""},
                {"popup", 5, (UINT)-1, "Sub"}};
    for (const Row& row : rows) {
        EXPECT_EQ(menu.GetMenuItemID(row.nPos), row.nID) << row.label;
        CString str;
        menu.GetMenuString(row.nPos, str, MF_BYPOSITION);
        EXPECT_STREQ(str, row.text) << row.label;
    }
    char buf[8];
    EXPECT_EQ(menu.GetMenuString(101, buf, sizeof buf, MF_BYCOMMAND), 3);
    EXPECT_STREQ(buf, "DMX");

    CMenu* pSub = menu.GetSubMenu(5);
    ASSERT_NE(pSub, nullptr);
    EXPECT_EQ(pSub->GetMenuItemID(0), 300u);
    EXPECT_EQ(menu.GetSubMenu(0), nullptr);

    EXPECT_TRUE(menu.ModifyMenu(100, MF_BYCOMMAND | MF_STRING, 200, "Changed"));
    CString str;
    menu.GetMenuString(200, str, MF_BYCOMMAND);
    EXPECT_STREQ(str, "Changed");
    EXPECT_TRUE(menu.RemoveMenu(4, MF_BYPOSITION));
    EXPECT_TRUE(menu.DeleteMenu(99, MF_BYCOMMAND));
    EXPECT_EQ(menu.GetMenuItemCount(), 4u);
    EXPECT_EQ(menu.GetMenuItemID(0), 200u);
}

TEST(CMenuBuild, CheckEnableAndRadioStates)
{
    CMenu menu;
    BuildFormatMenu(menu);
    EXPECT_EQ(menu.CheckMenuItem(101, MF_BYCOMMAND | MF_CHECKED), (UINT)MF_UNCHECKED);
    EXPECT_EQ(menu.CheckMenuItem(101, MF_BYCOMMAND | MF_CHECKED), (UINT)MF_CHECKED);
    EXPECT_TRUE(menu.GetMenuState(1, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_EQ(menu.EnableMenuItem(102, MF_BYCOMMAND | MF_GRAYED), (UINT)MF_ENABLED);
    EXPECT_TRUE(menu.GetMenuState(102, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(menu.GetMenuState(999, MF_BYCOMMAND), (UINT)-1);

    EXPECT_TRUE(menu.CheckMenuRadioItem(100, 102, 100, MF_BYCOMMAND));
    EXPECT_TRUE(menu.GetMenuState(100, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(menu.GetMenuState(101, MF_BYCOMMAND) & MF_CHECKED);
    MENUITEMINFO mii = {};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_FTYPE;
    ASSERT_TRUE(menu.GetMenuItemInfo(100, &mii));
    EXPECT_TRUE(mii.fType & MFT_RADIOCHECK);

    mii.fMask = MIIM_DATA;
    mii.dwItemData = 0x1234;
    EXPECT_TRUE(menu.SetMenuItemInfo(2, &mii, TRUE));
    mii.dwItemData = 0;
    EXPECT_TRUE(menu.GetMenuItemInfo(102, &mii));
    EXPECT_EQ(mii.dwItemData, (ULONG_PTR)0x1234);

    EXPECT_TRUE(menu.SetDefaultItem(101));
    EXPECT_EQ(menu.GetDefaultItem(0), 101u);
}

TEST(CMenuBuild, AnOwnerDrawnTitleAboveTheItems)
{
    // What a titled popup menu does: an owner-drawn disabled item carrying
    // its text as item data, then a separator, above the former first item.
    static const char title[] = "Title";
    CMenu menu;
    BuildFormatMenu(menu);
    EXPECT_TRUE(menu.InsertMenu(0, MF_BYPOSITION | MF_OWNERDRAW | MF_DISABLED, 4000, title));
    EXPECT_TRUE(menu.InsertMenu(1, MF_BYPOSITION | MF_SEPARATOR));
    EXPECT_EQ(menu.GetMenuItemCount(), 5u);
    UINT nState = menu.GetMenuState(0, MF_BYPOSITION);
    EXPECT_TRUE(nState & MF_OWNERDRAW);
    EXPECT_TRUE(nState & MF_DISABLED);
    EXPECT_TRUE(menu.GetMenuState(1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(menu.GetMenuItemID(2), 100u);
    MENUITEMINFO mii = {};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_DATA;
    menu.GetMenuItemInfo(0, &mii, TRUE);
    EXPECT_EQ(mii.dwItemData, (ULONG_PTR)title);
}

TEST(CMenuBuild, LoadMenuFindsTheResourceThroughTheChain)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_FRAME));
    ASSERT_EQ(menu.GetMenuItemCount(), 3u);
    CString str;
    menu.GetMenuString(1, str, MF_BYPOSITION);
    EXPECT_STREQ(str, "&Window");
    ASSERT_NE(menu.GetSubMenu(1), nullptr);
    EXPECT_EQ(menu.GetSubMenu(1)->GetMenuItemID(0), (UINT)ID_TEST_WINDOW_TILE);
    CMenu missing;
    EXPECT_FALSE(missing.LoadMenu(4999));
}

TEST(CMenuHandles, OwnershipAndFromHandle)
{
    HMENU hDestroyed = nullptr;
    {
        CMenu menu;
        menu.CreatePopupMenu();
        hDestroyed = menu;
        EXPECT_EQ(CMenu::FromHandle(hDestroyed), &menu);
        EXPECT_EQ(CMenu::FromHandlePermanent(hDestroyed), &menu);
    }
    EXPECT_FALSE(::IsMenu(hDestroyed));

    HMENU hRaw = ::CreatePopupMenu();
    EXPECT_EQ(CMenu::FromHandlePermanent(hRaw), nullptr);
    CMenu* pTemp = CMenu::FromHandle(hRaw);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(pTemp->GetSafeHmenu(), hRaw);
    EXPECT_EQ(CMenu::FromHandle(hRaw), pTemp);
    EXPECT_EQ(CMenu::FromHandlePermanent(hRaw), nullptr);
    CMenu::DeleteTempMap();
    EXPECT_TRUE(::IsMenu(hRaw)); // temporaries never destroy

    CMenu menu;
    EXPECT_TRUE(menu.Attach(hRaw));
    EXPECT_EQ(CMenu::FromHandlePermanent(hRaw), &menu);
    EXPECT_EQ(menu.Detach(), hRaw);
    EXPECT_EQ(CMenu::FromHandlePermanent(hRaw), nullptr);
    EXPECT_FALSE(menu.DestroyMenu()); // nothing attached
    EXPECT_TRUE(::IsMenu(hRaw));
    ::DestroyMenu(hRaw);
    CMenu* volatile pNoMenu = nullptr;
    EXPECT_EQ(pNoMenu->GetSafeHmenu(), nullptr);
}

namespace {

struct HookLog
{
    UINT nReturn; // what the hook answers
    int nCalls = 0;
    HMENU hMenu = nullptr;
    UINT nFlags = 0;
    POINT pt = {0, 0};
    HWND hWndOwner = nullptr;
    UINT nCheckedSeen = 0; // the checked item while the menu was up
};

UINT RecordingHook(HMENU hMenu, UINT nFlags, POINT pt, HWND hWndOwner, void* pContext)
{
    HookLog* pLog = static_cast<HookLog*>(pContext);
    ++pLog->nCalls;
    pLog->hMenu = hMenu;
    pLog->nFlags = nFlags;
    pLog->pt = pt;
    pLog->hWndOwner = hWndOwner;
    for (UINT id = 100; id <= 102; ++id)
        if (::GetMenuState(hMenu, id, MF_BYCOMMAND) & MF_CHECKED)
            pLog->nCheckedSeen = id;
    return pLog->nReturn;
}

// Sets the hook for one test and always takes it away again.
class TrackHookScope
{
public:
    explicit TrackHookScope(HookLog* pLog) { m_pfnOld = AfxLiteSetTrackPopupMenuHook(RecordingHook, pLog); }
    ~TrackHookScope() { AfxLiteSetTrackPopupMenuHook(m_pfnOld); }

private:
    AFXLITE_TRACKPOPUPMENUHOOK m_pfnOld;
};

} // namespace

TEST(CMenuTrackHook, TheChosenCommandArrivesAsAPostedWMCommand)
{
    struct Row
    {
        const char* label;
        UINT nFlags;
        UINT nChosen;
        BOOL bResult;           // TrackPopupMenu's result
        bool bInitMenuPopup;    // WM_INITMENUPOPUP sent before the hook
        UINT nCommandAfterPump; // WM_COMMAND id the owner gets, 0 for none
    } rows[] = {
        {"chosen", TPM_RIGHTBUTTON, 101, TRUE, true, 101},
        {"dismissed", TPM_RIGHTBUTTON, 0, TRUE, true, 0},
        {"returned, not posted", TPM_RETURNCMD, 102, 102, true, 0},
        {"no notifications", TPM_NONOTIFY | TPM_RIGHTBUTTON, 100, TRUE, false, 100},
    };
    for (const Row& row : rows) {
        COwnerWnd owner;
        ASSERT_TRUE(owner.CreateOwner());
        HookLog log;
        log.nReturn = row.nChosen;
        CMenu menu;
        BuildFormatMenu(menu);
        menu.CheckMenuItem(102, MF_BYCOMMAND | MF_CHECKED);
        {
            TrackHookScope scope(&log);
            EXPECT_EQ(menu.TrackPopupMenu(row.nFlags, 30, 40, &owner), row.bResult) << row.label;
            // Sent, not posted: already there before any pumping.
            EXPECT_EQ(!owner.m_msgs.empty() && owner.m_msgs[0].message == WM_INITMENUPOPUP,
                      row.bInitMenuPopup)
                << row.label;
        }
        EXPECT_EQ(log.nCalls, 1) << row.label;
        EXPECT_EQ(log.hMenu, menu.m_hMenu) << row.label;
        EXPECT_EQ(log.nFlags, row.nFlags) << row.label;
        EXPECT_EQ(log.pt.x, 30) << row.label;
        EXPECT_EQ(log.pt.y, 40) << row.label;
        EXPECT_EQ(log.hWndOwner, owner.m_hWnd) << row.label;
        EXPECT_EQ(log.nCheckedSeen, 102u) << row.label;

        const size_t nBeforePump = owner.m_msgs.size();
        menu.DestroyMenu(); // as the controls do right after tracking
        Pump();
        UINT nCommand = 0;
        for (size_t i = nBeforePump; i < owner.m_msgs.size(); ++i)
            if (owner.m_msgs[i].message == WM_COMMAND)
                nCommand = LOWORD(owner.m_msgs[i].wParam);
        EXPECT_EQ(nCommand, row.nCommandAfterPump) << row.label;
        owner.DestroyWindow();
    }
}

TEST(CMenuTrackHook, SettingTheHookReturnsThePreviousOne)
{
    HookLog log;
    EXPECT_EQ(AfxLiteSetTrackPopupMenuHook(RecordingHook, &log), nullptr);
    EXPECT_EQ(AfxLiteSetTrackPopupMenuHook(nullptr), RecordingHook);
}

namespace {

// A menu class that measures and draws its owner-drawn items itself.
class CDrawnMenu : public CMenu
{
public:
    int m_nMeasured = 0;
    int m_nDrawn = 0;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override
    {
        ++m_nMeasured;
        lpMIS->itemWidth = 77;
        lpMIS->itemHeight = 11;
    }
    void DrawItem(LPDRAWITEMSTRUCT) override { ++m_nDrawn; }
};

struct OwnerDrawProbe
{
    UINT nMeasuredWidth = 0;
};

// While the menu is up, the owner gets the owner-draw messages, as the menu
// loop would send them.
UINT OwnerDrawHook(HMENU hMenu, UINT, POINT, HWND hWndOwner, void* pContext)
{
    MEASUREITEMSTRUCT mis = {};
    mis.CtlType = ODT_MENU;
    mis.itemID = 4000;
    ::SendMessageA(hWndOwner, WM_MEASUREITEM, 0, (LPARAM)&mis);
    static_cast<OwnerDrawProbe*>(pContext)->nMeasuredWidth = mis.itemWidth;
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_MENU;
    dis.itemID = 4000;
    dis.hwndItem = (HWND)hMenu;
    ::SendMessageA(hWndOwner, WM_DRAWITEM, 0, (LPARAM)&dis);
    return 0;
}

} // namespace

TEST(CMenuTrackHook, OwnerDrawMessagesReachTheBoundMenuObject)
{
    COwnerWnd owner;
    ASSERT_TRUE(owner.CreateOwner());
    CDrawnMenu menu;
    BuildFormatMenu(menu);
    menu.InsertMenu(0, MF_BYPOSITION | MF_OWNERDRAW | MF_DISABLED, 4000, "Title");
    OwnerDrawProbe probe;
    AFXLITE_TRACKPOPUPMENUHOOK pfnOld = AfxLiteSetTrackPopupMenuHook(OwnerDrawHook, &probe);
    menu.TrackPopupMenu(TPM_RIGHTBUTTON, 0, 0, &owner);
    AfxLiteSetTrackPopupMenuHook(pfnOld);
    EXPECT_EQ(menu.m_nMeasured, 1);
    EXPECT_EQ(menu.m_nDrawn, 1);
    EXPECT_EQ(probe.nMeasuredWidth, 77u);
    owner.DestroyWindow();
}

namespace {

int s_nEndMenuTimerCalls = 0;

void CALLBACK EndMenuTimerProc(HWND, UINT, UINT_PTR, DWORD)
{
    ++s_nEndMenuTimerCalls;
    ::EndMenu();
}

} // namespace

TEST(CMenuTrackHook, WithoutAHookTheRealMenuLoopRuns)
{
    // The Win32 menu loop, ended from a timer that fires inside it.
    COwnerWnd owner;
    ASSERT_TRUE(owner.CreateOwner());
    owner.ShowWindow(SW_SHOWNA);
    CMenu menu;
    BuildFormatMenu(menu);
    s_nEndMenuTimerCalls = 0;
    UINT_PTR idTimer = ::SetTimer(nullptr, 0, 50, EndMenuTimerProc);
    BOOL nResult = menu.TrackPopupMenu(TPM_RETURNCMD, 10, 10, &owner);
    ::KillTimer(nullptr, idTimer);
    EXPECT_EQ(nResult, 0); // dismissed
    EXPECT_GE(s_nEndMenuTimerCalls, 1);
    EXPECT_TRUE(!owner.m_msgs.empty() && owner.m_msgs[0].message == WM_INITMENUPOPUP);
    owner.DestroyWindow();
}
