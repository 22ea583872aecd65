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

#include <ostream>
#include <string>
#include <vector>

#include "PosEditCtrl.h"
#include "PosStatic.h"
#include "TestApp.h"

// The host dialog, modeless and shown, so clicks and focus behave as on
// screen. It records what the position edits tell it: WM_COMMAND from their
// ids and WM_NEXTDLGCTL.
class CPosTestDialog : public CDialog
{
public:
    struct Record
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;

        bool operator==(const Record& o) const
        {
            return message == o.message && wParam == o.wParam && lParam == o.lParam;
        }
    };

    BOOL Open()
    {
        if (!Create(IDD_POS_TEST))
            return FALSE;
        ShowWindow(SW_SHOW);
        CTestApp::PumpPending();
        return TRUE;
    }

    std::vector<Record> log;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        const UINT nID = LOWORD(wParam);
        if ((message == WM_COMMAND && nID >= IDC_POS_EDIT1 && nID <= IDC_POS_EDIT2) ||
            message == WM_NEXTDLGCTL)
            log.push_back(Record{message, wParam, lParam});
        return CDialog::WindowProc(message, wParam, lParam);
    }
};

inline std::ostream& operator<<(std::ostream& os, const CPosTestDialog::Record& r)
{
    return os << "msg 0x" << std::hex << r.message << " w 0x" << r.wParam << " l 0x" << r.lParam << std::dec;
}

// One synchronisation message as a control received it. Whether it was sent
// or posted shows in when it arrives: before or after the queue is pumped.
struct SynchroRecord
{
    std::string receiver; // the name the test gave the control
    WPARAM nFormat;

    bool operator==(const SynchroRecord& o) const { return receiver == o.receiver && nFormat == o.nFormat; }
};
typedef std::vector<SynchroRecord> SynchroLog;

inline std::ostream& operator<<(std::ostream& os, const SynchroRecord& r)
{
    return os << r.receiver << " <- " << r.nFormat;
}

// Records every synchronisation message that reaches the object, ahead of
// the control's own handling, like a subclass in Wine's message tests.
template <class BASE> class CSynchroSpy : public BASE
{
public:
    void Record(SynchroLog* pLog, const char* pszName)
    {
        m_pLog = pLog;
        m_strName = pszName;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (m_pLog != nullptr && message == m_nSynchroNumber)
            m_pLog->push_back(SynchroRecord{m_strName, wParam});
        return BASE::WindowProc(message, wParam, lParam);
    }

private:
    SynchroLog* m_pLog = nullptr;
    std::string m_strName;
    const UINT m_nSynchroNumber =
        ::RegisterWindowMessageA("Pos Control Message - {F960FE9C-AE48-4cc3-9FDE-54316406C3CB}");
};

// Reads the notation, which the edit control keeps to itself.
class CTestPosEdit : public CSynchroSpy<CPosEditCtrl>
{
public:
    PosFormat Format() const { return m_nFormat; }
};

class CTestPosStatic : public CSynchroSpy<CPosStatic>
{};

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

#endif // RC_INVOKED
