// Resource ids of the position tests' dialog template; the fixture and menu spy.
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
#include <string>
#include "PosEditCtrl.h"
#include "PosStatic.h"
#include "MsgRecorder.h"
#include "TestApp.h"
#include <gtest/gtest.h>

// Reads the notation, which the edit control keeps to itself.
class CTestPosEdit : public CPosEditCtrl
{
public:
    PosFormat Format() const { return m_nFormat; }
};

// Stands in for the popup menu loop while it lives: records the last menu
// ("label=id" per item, '*' when checked) and answers nChoose (0 dismisses).
class CMenuSpy
{
public:
    CMenuSpy() { m_pfnPrev = AfxLiteSetTrackPopupMenuHook(&CMenuSpy::Hook, this); }
    ~CMenuSpy() { AfxLiteSetTrackPopupMenuHook(m_pfnPrev, nullptr); }
    std::string items;
    POINT pt = {}; // screen coordinates
    UINT nChoose = 0;

private:
    static UINT Hook(HMENU hMenu, UINT, POINT pt, HWND, void* pContext)
    {
        CMenuSpy* pSpy = static_cast<CMenuSpy*>(pContext);
        pSpy->pt = pt;
        pSpy->items.clear();
        for (int i = 0; i < ::GetMenuItemCount(hMenu); i++) {
            char sz[64] = {};
            ::GetMenuStringA(hMenu, i, sz, sizeof sz, MF_BYPOSITION);
            pSpy->items += std::string(sz) + "=" + std::to_string(::GetMenuItemID(hMenu, i)) +
                           ((::GetMenuState(hMenu, i, MF_BYPOSITION) & MF_CHECKED) ? "* " : " ");
        }
        return pSpy->nChoose;
    }
    AFXLITE_TRACKPOPUPMENUHOOK m_pfnPrev;
};

// A shown modeless dialog, reopened between rows; the registered numbers from their names.
class PosDialogTest : public ::testing::Test
{
protected:
    void SetUp() override { Reopen(); }
    void TearDown() override { m_dlg.DestroyWindow(); }
    void Reopen()
    {
        if (m_dlg.GetSafeHwnd() != nullptr)
            m_dlg.DestroyWindow();
        ASSERT_TRUE(m_dlg.Create(IDD_POS_TEST));
        m_dlg.ShowWindow(SW_SHOW);
        CTestApp::PumpPending();
    }
    // The menu of the notations listed (DXX 0, DMX 1, DMS 2, Metric 3), in the spy's notation.
    std::string Menu(std::initializer_list<int> formats, int nChecked)
    {
        const char* labels[] = {"DXX", "DMX", "DMS", "Metric"};
        const UINT ids[] = {nCmdDXX, nCmdDMX, nCmdDMS, nCmdMetric};
        std::string s;
        for (int f : formats)
            s += std::string(labels[f]) + "=" + std::to_string(ids[f]) + (f == nChecked ? "* " : " ");
        return s;
    }
    static std::string Text(HWND h)
    {
        char sz[128] = {};
        ::GetWindowTextA(h, sz, sizeof sz);
        return sz;
    }
    static UINT Msg(std::string s) { return ::RegisterWindowMessageA(("Pos Control " + s).c_str()); }

    CDialog m_dlg;
    const UINT nSynchro = Msg("Message - {F960FE9C-AE48-4cc3-9FDE-54316406C3CB}");
    const UINT nCmdDMS = Msg("Message - {FE2BEC13-B21E-4f69-B6E6-C53326F80F79}");
    const UINT nCmdDMX = Msg("Message - {77AFE65D-2553-4ce6-AE5D-697418E7A9D4}");
    const UINT nCmdDXX = Msg("Message - {CB4D843B-4AB2-4de5-ABD9-1A2FC3856963}");
    const UINT nCmdMetric = Msg("Message - {D53BBD0D-DE22-4664-802A-D35254319DF9}");
};

#endif // RC_INVOKED
