// Reflection: notifications, colour requests, owner-draw and scroll messages
// that a control sends to its parent are offered to the control's own object
// first, and the control's handler decides. Owner-drawn menu items reach the
// bound CMenu.
#include "GdiCanvas.h"

#include <cstdio>
#include <string>

namespace {

const UINT ID_CTRL = 100;
const UINT NM_PROBE = 0x8136; // a control-specific WM_NOTIFY code

struct NMPROBE
{
    NMHDR hdr;
    BYTE bAccept; // the parent may clear it
};

// The parent: logs what reaches its own handlers.
class CParentWnd : public CWnd
{
public:
    std::string m_log;
    int m_nCtlColor = 0; // colour requests seen by the parent's own handler

protected:
    afx_msg void OnClicked() { m_log += "parent:clicked;"; }
    afx_msg void OnProbe(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_log += "parent:probe;";
        reinterpret_cast<NMPROBE*>(pNMHDR)->bAccept = 0;
        *pResult = 7;
    }
    // A parent with its own colour handler: calling the base keeps reflection.
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        ++m_nCtlColor;
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
    ON_BN_CLICKED(ID_CTRL, OnClicked)
    ON_NOTIFY(NM_PROBE, ID_CTRL, OnProbe)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// A button that handles its own click.
class CReflectButton : public CButton
{
public:
    std::string* m_pLog = nullptr;

protected:
    afx_msg void OnClicked() { *m_pLog += "child:clicked;"; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectButton, CButton)
    ON_CONTROL_REFLECT(BN_CLICKED, OnClicked)
END_MESSAGE_MAP()

// A control that sends NM_PROBE to its parent, and one that also handles it itself.
class CSender : public CWnd
{
public:
    std::string* m_pLog = nullptr;

    LRESULT Fire(NMPROBE* pnm)
    {
        pnm->hdr.hwndFrom = m_hWnd;
        pnm->hdr.idFrom = GetDlgCtrlID();
        pnm->hdr.code = NM_PROBE;
        return GetParent()->SendMessage(WM_NOTIFY, pnm->hdr.idFrom, (LPARAM)pnm);
    }
};

class CNotifier : public CSender
{
protected:
    afx_msg void OnProbe(NMHDR*, LRESULT* pResult)
    {
        *m_pLog += "child:probe;";
        *pResult = 5;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNotifier, CSender)
    ON_NOTIFY_REFLECT(NM_PROBE, OnProbe)
END_MESSAGE_MAP()

class ReflectionTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0, nullptr, (HBRUSH)(COLOR_BTNFACE + 1)),
                                      "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                      nullptr));
    }
    void TearDown() override { m_parent.DestroyWindow(); }
    CParentWnd m_parent;
};

TEST_F(ReflectionTest, NotificationsReachTheChildFirstAndTheResultTravelsBack)
{
    for (bool bReflect : {false, true}) {
        CButton plain;
        CReflectButton reflect;
        CButton& button = bReflect ? reflect : plain;
        reflect.m_pLog = &m_parent.m_log;
        ASSERT_TRUE(button.Create("b", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 50, 20), &m_parent,
                                  ID_CTRL));
        m_parent.m_log.clear();
        button.SendMessage(BM_CLICK);
        EXPECT_EQ(bReflect ? "child:clicked;" : "parent:clicked;", m_parent.m_log)
            << "ON_CONTROL_REFLECT decides alone; without it the parent's ON_BN_CLICKED runs";
        button.DestroyWindow();

        CSender sender;
        CNotifier notifier;
        CSender& ctrl = bReflect ? notifier : sender;
        notifier.m_pLog = &m_parent.m_log;
        ASSERT_TRUE(ctrl.Create(nullptr, "n", WS_CHILD, CRect(0, 0, 10, 10), &m_parent, ID_CTRL));
        m_parent.m_log.clear();
        NMPROBE nm = {};
        nm.bAccept = 1;
        EXPECT_EQ(bReflect ? 5 : 7, ctrl.Fire(&nm)) << "the handler's result comes back to the sender";
        EXPECT_EQ(bReflect ? "child:probe;" : "parent:probe;", m_parent.m_log);
        EXPECT_EQ(bReflect ? 1 : 0, nm.bAccept) << "the parent's ON_NOTIFY ran only without reflection";
        ctrl.DestroyWindow();
    }
}

// A static that chooses its own colours (or, with a null brush, leaves the choice to the parent).
class CColorLabel : public CStatic
{
public:
    HBRUSH m_hbr = nullptr;
    int m_nCalls = 0;
    UINT m_nLastType = 0;

protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor)
    {
        ++m_nCalls;
        m_nLastType = nCtlColor;
        if (m_hbr != nullptr)
            pDC->SetBkColor(RGB(255, 0, 0));
        return m_hbr;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CColorLabel, CStatic)
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

// Prints a window's client area into a canvas and returns one pixel.
COLORREF PaintAndRead(HWND hWnd, int x, int y)
{
    GdiCanvas canvas(x + 1, y + 1);
    ::SendMessageA(hWnd, WM_PRINTCLIENT, (WPARAM)canvas.dc.m_hDC, PRF_CLIENT | PRF_ERASEBKGND);
    return canvas.At(x, y);
}

TEST_F(ReflectionTest, ReflectedColourRequestTheChildAnswersOrDeclines)
{
    HBRUSH hbrRed = ::CreateSolidBrush(RGB(255, 0, 0));
    for (HBRUSH hbr : {hbrRed, HBRUSH(nullptr)}) {
        CColorLabel label;
        label.m_hbr = hbr;
        ASSERT_TRUE(
            label.Create("", WS_CHILD | WS_VISIBLE | SS_LEFT, CRect(0, 0, 60, 20), &m_parent, ID_CTRL));
        m_parent.m_nCtlColor = 0;
        // The request as a static control sends it.
        HDC hdc = ::GetDC(label.m_hWnd);
        const LRESULT lResult = m_parent.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)hdc, (LPARAM)label.m_hWnd);
        const COLORREF crBk = ::GetBkColor(hdc);
        ::ReleaseDC(label.m_hWnd, hdc);
        EXPECT_EQ(1, label.m_nCalls);
        EXPECT_EQ((UINT)CTLCOLOR_STATIC, label.m_nLastType);
        EXPECT_EQ(1, m_parent.m_nCtlColor) << "the parent's own handler runs, and its base reflects";
        if (hbr != nullptr) {
            EXPECT_EQ((LRESULT)hbrRed, lResult);
            EXPECT_EQ(RGB(255, 0, 0), crBk);
            EXPECT_EQ(RGB(255, 0, 0), PaintAndRead(label.m_hWnd, 50, 10)) << "the static paints with it";
        } else {
            // Declined: the parent's default processing answers with a brush of its own.
            EXPECT_NE(0, lResult);
            EXPECT_NE(RGB(255, 0, 0), PaintAndRead(label.m_hWnd, 50, 10));
        }
        label.DestroyWindow();
    }
    ::DeleteObject(hbrRed);
}

// An owner-drawn button filling itself with blue.
class COwnerButton : public CButton
{
public:
    int m_nDraws = 0;
    UINT m_nLastCtlId = 0;
    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override
    {
        ++m_nDraws;
        m_nLastCtlId = lpDIS->CtlID;
        HBRUSH hbr = ::CreateSolidBrush(RGB(0, 0, 255));
        ::FillRect(lpDIS->hDC, &lpDIS->rcItem, hbr);
        ::DeleteObject(hbr);
    }
};

// A scroll bar that handles the scroll messages it sends to its parent.
class CReflectScroll : public CScrollBar
{
public:
    std::string m_log;

protected:
    afx_msg void HScroll(UINT nSBCode, UINT nPos)
    {
        char buf[48];
        snprintf(buf, sizeof buf, "HScroll %u %u;", nSBCode, nPos);
        m_log += buf;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectScroll, CScrollBar)
    ON_WM_HSCROLL_REFLECT()
END_MESSAGE_MAP()

TEST_F(ReflectionTest, OwnerDrawAndScrollMessagesReachTheControl)
{
    COwnerButton button;
    ASSERT_TRUE(
        button.Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 40, 20), &m_parent, ID_CTRL));
    const int nBefore = button.m_nDraws;
    EXPECT_EQ(RGB(0, 0, 255), PaintAndRead(button.m_hWnd, 20, 10));
    EXPECT_GT(button.m_nDraws, nBefore);
    EXPECT_EQ(ID_CTRL, button.m_nLastCtlId);
    button.DestroyWindow();

    CReflectScroll bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 100, 16), &m_parent, ID_CTRL));
    m_parent.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 40000), (LPARAM)bar.m_hWnd);
    EXPECT_EQ("HScroll 5 40000;", bar.m_log);
    bar.DestroyWindow();
}

// Owner-drawn menu items: the framework finds the bound menu.
class CProbeMenu : public CMenu
{
public:
    int m_nMeasured = 0, m_nDrawn = 0;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMIS) override
    {
        ++m_nMeasured;
        lpMIS->itemWidth = 80;
        lpMIS->itemHeight = 21;
    }
    void DrawItem(LPDRAWITEMSTRUCT) override { ++m_nDrawn; }
};

TEST_F(ReflectionTest, OwnerDrawMenuItemsReachTheBoundMenu)
{
    const UINT ID_ITEM = 4321;
    CProbeMenu menu;
    ASSERT_TRUE(menu.CreatePopupMenu());
    ASSERT_TRUE(menu.AppendMenu(MF_OWNERDRAW, ID_ITEM, (LPCTSTR) nullptr));

    // The sequence a popup produces: WM_INITMENUPOPUP, then measuring, then drawing.
    m_parent.SendMessage(WM_INITMENUPOPUP, (WPARAM)menu.m_hMenu, 0);
    MEASUREITEMSTRUCT mis = {ODT_MENU, 0, ID_ITEM, 0, 0, 0};
    EXPECT_EQ(TRUE, m_parent.SendMessage(WM_MEASUREITEM, 0, (LPARAM)&mis));
    EXPECT_EQ(1, menu.m_nMeasured);
    EXPECT_EQ(80u, mis.itemWidth);
    EXPECT_EQ(21u, mis.itemHeight);

    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_MENU;
    dis.itemID = ID_ITEM;
    dis.hwndItem = (HWND)menu.m_hMenu;
    m_parent.SendMessage(WM_DRAWITEM, 0, (LPARAM)&dis);
    EXPECT_EQ(1, menu.m_nDrawn);
}

} // namespace
