// Resource ids of the position control tests' dialog template and, for the
// C++ side, the dialog and the menu spy that both test files use.
#pragma once

#define IDD_POS_TEST 3000
#define IDC_POS_EDIT1 3001
#define IDC_POS_EDIT2 3002
#define IDC_POS_STATIC1 3003
#define IDC_POS_STATIC2 3004
#define IDC_POS_AFTER 3005
#define IDC_POS_EDIT3 3006
#define IDC_POS_STATIC3 3007

#ifndef RC_INVOKED

#include <afxwin.h>
#include <afxlite_testing.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "PosEditCtrl.h"
#include "PosStatic.h"
#include "MsgRecorder.h"
#include "TestApp.h"

#include <gtest/gtest.h>

// The host dialog, modeless and shown, so clicks and focus behave as on screen.
class CPosTestDialog : public CDialog
{
public:
    BOOL Open()
    {
        if (!Create(IDD_POS_TEST))
            return FALSE;
        ShowWindow(SW_SHOW);
        CTestApp::PumpPending();
        return TRUE;
    }
};

// Reads the notation, which the edit control keeps to itself.
class CTestPosEdit : public CPosEditCtrl
{
public:
    PosFormat Format() const { return m_nFormat; }
};

// Watches the windows and keeps only the synchronisation message nSynchro.
inline void WatchSynchro(MsgRecorder& rec, UINT nSynchro, std::initializer_list<CWnd*> windows)
{
    for (CWnd* pWnd : windows)
        rec.Watch(pWnd->GetSafeHwnd());
    rec.SetFilter([nSynchro](const MsgRecord& r) { return r.message == nSynchro; });
}

// The windows that received the recorded messages, in order.
inline std::vector<HWND> Receivers(const MsgRecorder& rec)
{
    std::vector<HWND> result;
    for (const MsgRecord& r : rec.Records())
        result.push_back(r.hwnd);
    return result;
}

// Registered numbers, computed from the names a host would use.
struct PosNumbers
{
    UINT nEditID = ::RegisterWindowMessageA("Pos Control Object - {695EA3EC-70FB-44b0-A5CC-5FD3E3D11637}");
    UINT nButtonID = ::RegisterWindowMessageA("Pos Control Object - {95DE2BF5-FDDA-4420-AB49-C0812C38D721}");
    UINT nUnitID = ::RegisterWindowMessageA("Pos Control Object - {27832262-FE81-4c5f-AC79-9FA0BC7D0A9A}");
    UINT nSynchro = ::RegisterWindowMessageA("Pos Control Message - {F960FE9C-AE48-4cc3-9FDE-54316406C3CB}");
    UINT nCmdDMS = ::RegisterWindowMessageA("Pos Control Message - {FE2BEC13-B21E-4f69-B6E6-C53326F80F79}");
    UINT nCmdDMX = ::RegisterWindowMessageA("Pos Control Message - {77AFE65D-2553-4ce6-AE5D-697418E7A9D4}");
    UINT nCmdDXX = ::RegisterWindowMessageA("Pos Control Message - {CB4D843B-4AB2-4de5-ABD9-1A2FC3856963}");
    UINT nCmdMetric =
        ::RegisterWindowMessageA("Pos Control Message - {D53BBD0D-DE22-4664-802A-D35254319DF9}");
};

// Stands in for the popup menu loop while it lives: records the menu the
// control built and answers with nChoose (0 dismisses the menu).
class CMenuSpy
{
public:
    struct Item
    {
        std::string label;
        UINT nID;
        bool bChecked;
    };

    CMenuSpy() { m_pfnPrev = AfxLiteSetTrackPopupMenuHook(&CMenuSpy::Hook, this); }
    ~CMenuSpy() { AfxLiteSetTrackPopupMenuHook(m_pfnPrev, nullptr); }
    CMenuSpy(const CMenuSpy&) = delete;
    CMenuSpy& operator=(const CMenuSpy&) = delete;

    int nCalls = 0;          // menus opened
    std::vector<Item> items; // of the last menu, by position
    POINT pt = {};           // where the last one opened, screen coordinates
    HWND hOwner = nullptr;
    UINT nFlags = 0;
    UINT nChoose = 0; // command the "user" picks

private:
    static UINT Hook(HMENU hMenu, UINT nFlags, POINT pt, HWND hOwner, void* pContext)
    {
        CMenuSpy* pSpy = static_cast<CMenuSpy*>(pContext);
        pSpy->nCalls++;
        pSpy->pt = pt;
        pSpy->hOwner = hOwner;
        pSpy->nFlags = nFlags;
        pSpy->items.clear();
        const int nCount = ::GetMenuItemCount(hMenu);
        for (int i = 0; i < nCount; i++) {
            char szLabel[64] = {};
            ::GetMenuStringA(hMenu, i, szLabel, sizeof szLabel, MF_BYPOSITION);
            const UINT nState = ::GetMenuState(hMenu, i, MF_BYPOSITION);
            pSpy->items.push_back(Item{szLabel, ::GetMenuItemID(hMenu, i), (nState & MF_CHECKED) != 0});
        }
        return pSpy->nChoose;
    }

    AFXLITE_TRACKPOPUPMENUHOOK m_pfnPrev;
};

// The fixture both suites share: one test dialog per test, reopened between
// the rows of a table (rows destroy their controls).
class PosDialogTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dlg.Open()); }
    void TearDown() override
    {
        if (m_dlg.GetSafeHwnd() != nullptr)
            m_dlg.DestroyWindow();
    }
    // A fresh dialog, for the next row of a table: rows destroy their controls.
    void Reopen()
    {
        m_dlg.DestroyWindow();
        ASSERT_TRUE(m_dlg.Open());
    }

    CPosTestDialog m_dlg;
    PosNumbers m_ids;
};

#endif // RC_INVOKED
