// MenuTest.cpp: what the controls' popup menus rely on: resources found
// through the chain, ownership and FromHandle, and the TrackPopupMenu hook
// (owner-draw routing to the bound menu: ReflectionTest).
#include <afxwin.h>
#include <afxlite_testing.h>

#include <gtest/gtest.h>

#include <vector>

#include "frame_resource.h"

namespace {

// An owner window that records the menu messages it gets.
class COwnerWnd : public CWnd
{
public:
    std::vector<MSG> m_msgs; // message and wParam only

    BOOL CreateOwner()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "menu owner", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr);
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND || message == WM_INITMENUPOPUP)
            m_msgs.push_back({nullptr, message, wParam, 0, 0, {0, 0}});
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// The menu the position controls build: three notations, 102 checked.
void BuildFormatMenu(CMenu& menu)
{
    ASSERT_TRUE(menu.CreatePopupMenu());
    menu.AppendMenu(MF_STRING, 100, "DMS");
    menu.AppendMenu(MF_STRING, 101, "DMX");
    menu.AppendMenu(MF_STRING | MF_CHECKED, 102, "DXX");
}

struct HookLog
{
    UINT nReturn; // what the hook answers
    int nCalls = 0;
    HMENU hMenu = nullptr;
    UINT nFlags = 0;
    POINT pt = {0, 0};
    HWND hWndOwner = nullptr;
};

UINT RecordingHook(HMENU hMenu, UINT nFlags, POINT pt, HWND hWndOwner, void* pContext)
{
    HookLog* pLog = static_cast<HookLog*>(pContext);
    ++pLog->nCalls;
    *pLog = {pLog->nReturn, pLog->nCalls, hMenu, nFlags, pt, hWndOwner};
    return pLog->nReturn;
}

} // namespace

TEST(CMenuTest, LoadMenuOwnershipAndFromHandle)
{
    CMenu loaded;
    ASSERT_TRUE(loaded.LoadMenu(IDR_TEST_FRAME)); // through the resource chain
    ASSERT_NE(loaded.GetSubMenu(1), nullptr);
    EXPECT_EQ(loaded.GetSubMenu(1)->GetMenuItemID(0), (UINT)ID_TEST_WINDOW_TILE);
    EXPECT_FALSE(CMenu().LoadMenu(4999));

    HMENU hDestroyed = nullptr;
    {
        CMenu menu;
        menu.CreatePopupMenu();
        hDestroyed = menu;
        EXPECT_EQ(CMenu::FromHandle(hDestroyed), &menu);
    }
    EXPECT_FALSE(::IsMenu(hDestroyed)) << "the destructor destroys an attached menu";

    HMENU hRaw = ::CreatePopupMenu();
    CMenu* pTemp = CMenu::FromHandle(hRaw);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(CMenu::FromHandle(hRaw), pTemp) << "one temporary per handle";
    EXPECT_EQ(CMenu::FromHandlePermanent(hRaw), nullptr);
    CMenu::DeleteTempMap();
    EXPECT_TRUE(::IsMenu(hRaw)) << "temporaries never destroy";
    CMenu menu;
    EXPECT_TRUE(menu.Attach(hRaw));
    EXPECT_EQ(CMenu::FromHandlePermanent(hRaw), &menu);
    EXPECT_EQ(menu.Detach(), hRaw);
    EXPECT_EQ(CMenu::FromHandlePermanent(hRaw), nullptr);
    ::DestroyMenu(hRaw);
}

TEST(CMenuTest, TheHookAnswersForTheMenuLoopAndTheCommandArrivesPosted)
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
        AFXLITE_TRACKPOPUPMENUHOOK pfnOld = AfxLiteSetTrackPopupMenuHook(RecordingHook, &log);
        EXPECT_EQ(menu.TrackPopupMenu(row.nFlags, 30, 40, &owner), row.bResult) << row.label;
        AfxLiteSetTrackPopupMenuHook(pfnOld);
        // Sent, not posted: already there before any pumping.
        EXPECT_EQ(!owner.m_msgs.empty() && owner.m_msgs[0].message == WM_INITMENUPOPUP, row.bInitMenuPopup)
            << row.label;
        EXPECT_EQ(log.nCalls, 1) << row.label;
        EXPECT_TRUE(log.hMenu == menu.m_hMenu && log.nFlags == row.nFlags && log.pt.x == 30 &&
                    log.pt.y == 40 && log.hWndOwner == owner.m_hWnd)
            << row.label << ": the hook gets the call's arguments";

        const size_t nBeforePump = owner.m_msgs.size();
        menu.DestroyMenu(); // as the controls do right after tracking
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
        UINT nCommand = 0;
        for (size_t i = nBeforePump; i < owner.m_msgs.size(); ++i)
            if (owner.m_msgs[i].message == WM_COMMAND)
                nCommand = LOWORD(owner.m_msgs[i].wParam);
        EXPECT_EQ(nCommand, row.nCommandAfterPump) << row.label;
        owner.DestroyWindow();
    }
}
