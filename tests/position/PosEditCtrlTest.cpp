// Tests of the position edit control, subclassed over a placeholder of a
// dialog template and driven through posted keys, clicks and commands.
#include "position_tests.h"

#include <gtest/gtest.h>

namespace {

const double kFeetPerMetre = 3.280839895013123;

class PosEditCtrlTest : public PosDialogTest
{
protected:
    void Attach(CTestPosEdit& ctrl, UINT nID = IDC_POS_EDIT1)
    {
        ASSERT_TRUE(ctrl.SubclassDlgItem(nID, &m_dlg));
    }
    HWND Child(CPosEditCtrl& ctrl, UINT nID) { return ::GetDlgItem(ctrl.GetSafeHwnd(), nID); }
    HWND EditOf(CPosEditCtrl& ctrl) { return Child(ctrl, m_ids.nEditID); }
    HWND ButtonOf(CPosEditCtrl& ctrl) { return Child(ctrl, m_ids.nButtonID); }
    HWND UnitOf(CPosEditCtrl& ctrl) { return Child(ctrl, m_ids.nUnitID); }

    // Replaces the field's content by typing, as the message loop delivers keys.
    void Type(CPosEditCtrl& ctrl, const char* pszKeys)
    {
        HWND hEdit = EditOf(ctrl);
        ::SendMessageA(hEdit, EM_SETSEL, 0, -1);
        for (const char* p = pszKeys; *p != '\0'; ++p)
            ::PostMessageA(hEdit, WM_CHAR, static_cast<unsigned char>(*p), 1);
        CTestApp::PumpPending();
    }
    void Command(CPosEditCtrl& ctrl, UINT nCmd)
    {
        ctrl.PostMessage(WM_COMMAND, nCmd, 0);
        CTestApp::PumpPending();
    }
    static std::string Text(HWND hWnd)
    {
        char sz[128] = {};
        ::GetWindowTextA(hWnd, sz, sizeof sz);
        return sz;
    }
};

TEST_F(PosEditCtrlTest, ChildrenTakeTheRegisteredIdsAndSplitTheClientArea)
{
    CTestPosEdit ctrl;
    Attach(ctrl);
    CRect rcClient;
    ctrl.GetClientRect(&rcClient);
    ASSERT_NE(nullptr, EditOf(ctrl));
    ASSERT_NE(nullptr, ButtonOf(ctrl));
    ASSERT_NE(nullptr, UnitOf(ctrl));

    struct Row
    {
        const char* label;
        HWND hWnd;
        CRect rcExpected;
    } rows[] = {
        {"edit", EditOf(ctrl), CRect(0, 0, rcClient.right - 20, rcClient.bottom)},
        {"button", ButtonOf(ctrl), CRect(rcClient.right - 20, 0, rcClient.right, rcClient.bottom)},
        {"unit", UnitOf(ctrl), CRect(rcClient.right - 20, 0, rcClient.right, rcClient.bottom)},
    };
    for (const Row& row : rows) {
        CRect rc;
        ::GetWindowRect(row.hWnd, &rc);
        ctrl.ScreenToClient(&rc);
        EXPECT_EQ(row.rcExpected, rc) << row.label;
    }
    // DMS at start: the button shows the positive symbol of 0.0, the unit is hidden.
    EXPECT_TRUE(::IsWindowVisible(ButtonOf(ctrl)));
    EXPECT_FALSE(::IsWindowVisible(UnitOf(ctrl)));
    EXPECT_EQ("N", Text(ButtonOf(ctrl)));
    EXPECT_EQ(ES_RIGHT | ES_MULTILINE, ::GetWindowLongA(EditOf(ctrl), GWL_STYLE) & (ES_RIGHT | ES_MULTILINE));
    EXPECT_NE(0, ::GetWindowLongA(EditOf(ctrl), GWL_EXSTYLE) & WS_EX_STATICEDGE);

    // The children follow a later size change.
    ctrl.SetWindowPos(nullptr, 0, 0, 200, 30, SWP_NOMOVE | SWP_NOZORDER);
    ctrl.GetClientRect(&rcClient);
    CRect rcButton;
    ::GetWindowRect(ButtonOf(ctrl), &rcButton);
    ctrl.ScreenToClient(&rcButton);
    EXPECT_EQ(CRect(rcClient.right - 20, 0, rcClient.right, rcClient.bottom), rcButton);
}

// Keys typed into the field reach the value; the button decides the sign.
TEST_F(PosEditCtrlTest, TypedEntriesReadBackPerNotation)
{
    struct Row
    {
        const char* label;
        PosFormat nFormat;
        bool bFeet;
        const char* pszKeys;
        bool bFlip; // click the hemisphere button once after typing
        double dExpected;
    } rows[] = {
        {"DMS 45.5", POS_FORMAT_DMS, false, "0453000000", false, 45.5},
        {"DMS seconds with decimals", POS_FORMAT_DMS, false, "0123044444", false,
         12 + 30 / 60.0 + 44.444 / 3600},
        {"DMS south after a click", POS_FORMAT_DMS, false, "0453000000", true, -45.5},
        {"DMX 45.5", POS_FORMAT_DMX, false, "0453000000", false, 45.5},
        {"DMX decimal minutes", POS_FORMAT_DMX, false, "0122074073", false, 12 + 20.74073 / 60},
        {"DMX drops the point and letters", POS_FORMAT_DMX, false, "01a2.2", false, 12 + 2 / 60.0},
        {"DXX takes the point", POS_FORMAT_DXX, false, "12.5", false, 12.5},
        {"DXX ignores a typed minus", POS_FORMAT_DXX, false, "-12.5", false, 12.5},
        {"DXX south after a click", POS_FORMAT_DXX, false, "12.5", true, -12.5},
        {"DXX drops Backspace", POS_FORMAT_DXX, false, "12\b3", false, 123.0},
        {"Metric signed metres", POS_FORMAT_METRIC, false, "-1234.5", false, -1234.5},
        {"Metric drops letters", POS_FORMAT_METRIC, false, "1e3", false, 13.0},
        {"Metric entered in feet", POS_FORMAT_METRIC, true, "4050.197", false, 4050.197 / kFeetPerMetre},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Reopen();
        CTestPosEdit ctrl;
        ctrl.DisplayFeet(row.bFeet);
        Attach(ctrl);
        ctrl.SetCurValue(0.0, row.nFormat);
        Type(ctrl, row.pszKeys);
        if (row.bFlip)
            ::SendMessageA(ButtonOf(ctrl), BM_CLICK, 0, 0);
        EXPECT_NEAR(row.dExpected, ctrl.GetCurValue(), 1e-9);
    }
}

TEST_F(PosEditCtrlTest, ValueSetBeforeSubclassingIsShownAtSubclassing)
{
    CTestPosEdit ctrl;
    ctrl.SetSymbols('E', 'W');
    ctrl.SetCurValue(-45.5, POS_FORMAT_DXX);
    EXPECT_DOUBLE_EQ(-45.5, ctrl.GetCurValue());
    Attach(ctrl);
    EXPECT_EQ(POS_FORMAT_DXX, ctrl.Format());
    EXPECT_EQ("45.5000000", Text(EditOf(ctrl)));
    EXPECT_EQ("W", Text(ButtonOf(ctrl)));
    EXPECT_DOUBLE_EQ(-45.5, ctrl.GetCurValue());
}

TEST_F(PosEditCtrlTest, ButtonClickFlipsTheSymbolAndGivesTheFieldTheFocus)
{
    CTestPosEdit ctrl;
    Attach(ctrl);
    ctrl.SetCurValue(45.5, POS_FORMAT_DMS);
    ::SendMessageA(ButtonOf(ctrl), BM_CLICK, 0, 0);
    EXPECT_EQ("S", Text(ButtonOf(ctrl)));
    EXPECT_DOUBLE_EQ(-45.5, ctrl.GetCurValue());
    EXPECT_EQ(EditOf(ctrl), ::GetFocus());
    ::SendMessageA(ButtonOf(ctrl), BM_CLICK, 0, 0);
    EXPECT_EQ("N", Text(ButtonOf(ctrl)));
    EXPECT_DOUBLE_EQ(45.5, ctrl.GetCurValue());
}

// Range [-90, 90]: a value outside falls back to a stored value strictly
// inside, and is refused when the stored one is on the bound.
TEST_F(PosEditCtrlTest, RangeFilterFallsBackOrRefuses)
{
    struct Row
    {
        const char* label;
        double dMin, dMax;
        double dStored;
        double dNew;
        double dExpected; // after typing 45 and setting dNew
    } rows[] = {
        {"inside: accepted", -90, 90, 10, -30, -30},
        {"outside, stored inside: stored value shown", -90, 90, 10, 95, 10},
        {"outside, stored on the bound: refused", -90, 90, 90, 100, 45},
        {"default range takes longitudes", -180, 180, 0, -179.5, -179.5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Reopen();
        CTestPosEdit ctrl;
        if (row.dMin != -180 || row.dMax != 180)
            ctrl.SetRange(row.dMin, row.dMax);
        Attach(ctrl);
        ctrl.SetCurValue(row.dStored, POS_TYPE_GEOGRAPHIC);
        Type(ctrl, "0450000000");
        ctrl.SetCurValue(row.dNew, POS_TYPE_GEOGRAPHIC);
        EXPECT_DOUBLE_EQ(row.dExpected, ctrl.GetCurValue());
    }
}

TEST_F(PosEditCtrlTest, NotationChangesKeepTheValuePair)
{
    CTestPosEdit ctrl;
    ctrl.DisplayFeet(true);
    Attach(ctrl);

    // Typed DMS value, then "DXX" from the menu: read, stored, shown anew.
    Type(ctrl, "0453000000");
    Command(ctrl, m_ids.nCmdDXX);
    EXPECT_EQ(POS_FORMAT_DXX, ctrl.Format());
    EXPECT_EQ("45.5000000", Text(EditOf(ctrl)));

    // The metric value is kept apart; 1234.5 m is 4050.1968... ft.
    ctrl.SetCurValue(1234.5, POS_FORMAT_METRIC);
    EXPECT_EQ("4050.197", Text(EditOf(ctrl)));
    EXPECT_EQ("ft", Text(UnitOf(ctrl)));
    EXPECT_TRUE(::IsWindowVisible(UnitOf(ctrl)));
    EXPECT_FALSE(::IsWindowVisible(ButtonOf(ctrl)));

    Command(ctrl, m_ids.nCmdDXX);
    EXPECT_EQ("45.5000000", Text(EditOf(ctrl)));
    EXPECT_TRUE(::IsWindowVisible(ButtonOf(ctrl)));

    // A notation that is none of the four is ignored; the value is shown in DXX.
    ctrl.SetCurValue(-7.25, static_cast<PosFormat>(7));
    EXPECT_EQ(POS_FORMAT_DXX, ctrl.Format());
    EXPECT_EQ("7.2500000", Text(EditOf(ctrl)));
    EXPECT_EQ("S", Text(ButtonOf(ctrl)));
}

TEST_F(PosEditCtrlTest, ContextMenuListsTheNotationsWithTheCurrentOneChecked)
{
    struct Row
    {
        const char* label;
        int nSetUp; // 0 none, 1 DXX chosen, 2 forced geographic, 3 forced metric
        int nItems; // -1: no menu
        int nChecked;
    } rows[] = {
        {"new control", 0, 4, 0},
        {"after DXX", 1, 4, 2},
        {"forced geographic", 2, 3, 0},
        {"forced metric: no menu", 3, -1, -1},
    };
    const UINT ids[] = {m_ids.nCmdDMS, m_ids.nCmdDMX, m_ids.nCmdDXX, m_ids.nCmdMetric};
    const char* labels[] = {"DMS", "DMX", "DXX", "Metric"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Reopen();
        CTestPosEdit ctrl;
        Attach(ctrl);
        if (row.nSetUp == 1)
            ctrl.ChangeFormat(POS_FORMAT_DXX, false);
        else if (row.nSetUp == 2)
            ctrl.ForcePosType(POS_TYPE_GEOGRAPHIC);
        else if (row.nSetUp == 3)
            ctrl.ForcePosType(POS_TYPE_METRIC);

        CMenuSpy spy;
        // A right click in the field opens the control's menu, not the edit's.
        ::PostMessageA(EditOf(ctrl), WM_RBUTTONUP, 0, MAKELPARAM(5, 6));
        CTestApp::PumpPending();
        if (row.nItems < 0) {
            EXPECT_EQ(0, spy.nCalls);
            continue;
        }
        ASSERT_EQ(1, spy.nCalls);
        CPoint ptExpected(5, 6);
        ctrl.ClientToScreen(&ptExpected);
        EXPECT_EQ(ptExpected, CPoint(spy.pt));
        EXPECT_EQ(ctrl.GetSafeHwnd(), spy.hOwner);
        EXPECT_EQ(UINT(TPM_RIGHTBUTTON), spy.nFlags & TPM_RIGHTBUTTON);
        ASSERT_EQ(size_t(row.nItems), spy.items.size());
        for (int i = 0; i < row.nItems; i++) {
            EXPECT_EQ(labels[i], spy.items[i].label) << i;
            EXPECT_EQ(ids[i], spy.items[i].nID) << i;
            EXPECT_EQ(i == row.nChecked, spy.items[i].bChecked) << i;
        }
    }
}

TEST_F(PosEditCtrlTest, ItemChosenFromTheMenuChangesTheNotation)
{
    CTestPosEdit ctrl;
    Attach(ctrl);
    ctrl.SetCurValue(-12.5, POS_FORMAT_DMS);
    CMenuSpy spy;
    spy.nChoose = m_ids.nCmdDMX;
    ctrl.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(ctrl.GetSafeHwnd()), MAKELPARAM(40, 50));
    CTestApp::PumpPending();
    ASSERT_EQ(1, spy.nCalls);
    EXPECT_EQ(CPoint(40, 50), CPoint(spy.pt));
    EXPECT_EQ(POS_FORMAT_DMX, ctrl.Format());
    EXPECT_EQ("S", Text(ButtonOf(ctrl)));
    EXPECT_DOUBLE_EQ(-12.5, ctrl.GetCurValue());
}

TEST_F(PosEditCtrlTest, ReadOnlyAndFonts)
{
    CTestPosEdit ctrl;
    Attach(ctrl);
    ctrl.SetReadOnly(true);
    EXPECT_NE(0, ::GetWindowLongA(EditOf(ctrl), GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(::IsWindowEnabled(ButtonOf(ctrl)));
    ctrl.SetReadOnly(false);
    EXPECT_EQ(0, ::GetWindowLongA(EditOf(ctrl), GWL_STYLE) & ES_READONLY);
    EXPECT_TRUE(::IsWindowEnabled(ButtonOf(ctrl)));

    // At subclassing the children take the dialog's font from the placeholder.
    HFONT hDialogFont = reinterpret_cast<HFONT>(m_dlg.SendMessage(WM_GETFONT));
    ASSERT_NE(nullptr, hDialogFont);
    for (HWND hChild : {EditOf(ctrl), ButtonOf(ctrl), UnitOf(ctrl)})
        EXPECT_EQ(hDialogFont, reinterpret_cast<HFONT>(::SendMessageA(hChild, WM_GETFONT, 0, 0)));

    // Its own font: Arial, cell height = client height - 6.
    ctrl.AdjustFont(true);
    CRect rcClient;
    ctrl.GetClientRect(&rcClient);
    HFONT hOwn = reinterpret_cast<HFONT>(::SendMessageA(EditOf(ctrl), WM_GETFONT, 0, 0));
    LOGFONTA lf = {};
    ASSERT_EQ(int(sizeof lf), ::GetObjectA(hOwn, sizeof lf, &lf));
    EXPECT_EQ(rcClient.Height() - 6, lf.lfHeight);
    EXPECT_STREQ("Arial", lf.lfFaceName);
    for (HWND hChild : {ButtonOf(ctrl), UnitOf(ctrl)})
        EXPECT_EQ(hOwn, reinterpret_cast<HFONT>(::SendMessageA(hChild, WM_GETFONT, 0, 0)));
}

TEST_F(PosEditCtrlTest, ProfileEntryWrittenAtDestruction)
{
    TestApp().WriteProfileInt("Position Control", "Format", 99);
    {
        CTestPosEdit ctrl;
        Attach(ctrl);
        ctrl.ChangeFormat(POS_FORMAT_DMX, false);
        EXPECT_EQ(99,
                  int(::GetPrivateProfileIntA("Position Control", "Format", -1, TestApp().ProfilePath())));
    }
    EXPECT_EQ(1, int(::GetPrivateProfileIntA("Position Control", "Format", -1, TestApp().ProfilePath())));
}

// Posted: nothing arrives until the queue is pumped; then b follows, tells a,
// and a, already in DXX, stops the exchange.
TEST_F(PosEditCtrlTest, TwoEditsLinkedBothWaysExchangeOnce)
{
    CTestPosEdit a, b;
    Attach(a, IDC_POS_EDIT1);
    Attach(b, IDC_POS_EDIT2);
    a.SynchroWith(&b);
    b.SynchroWith(&a);
    MsgRecorder rec;
    WatchSynchro(rec, m_ids.nSynchro, {&a, &b});

    a.SendMessage(WM_COMMAND, m_ids.nCmdDXX, 0);
    EXPECT_EQ(POS_FORMAT_DXX, a.Format());
    EXPECT_EQ(POS_FORMAT_DMS, b.Format());
    EXPECT_TRUE(rec.Records().empty());
    CTestApp::PumpPending();
    EXPECT_EQ(POS_FORMAT_DXX, b.Format());
    const std::vector<HWND> receivers = {b.GetSafeHwnd(), a.GetSafeHwnd()};
    EXPECT_EQ(receivers, Receivers(rec));
    const MsgEntry seq[] = {
        {m_ids.nSynchro, posted | wparam, POS_FORMAT_DXX, 0, 0},
        {m_ids.nSynchro, posted | wparam, POS_FORMAT_DXX, 0, 0},
        {0, 0, 0, 0, 0},
    };
    EXPECT_SEQ(rec, seq, "DXX chosen on a");
}

TEST_F(PosEditCtrlTest, DestroyedPartnerIsSkipped)
{
    CTestPosEdit a, b, c;
    Attach(a, IDC_POS_EDIT1);
    Attach(b, IDC_POS_EDIT2);
    Attach(c, IDC_POS_EDIT3);
    a.SynchroWith(&b);
    a.SynchroWith(&c);
    b.DestroyWindow();
    MsgRecorder rec;
    WatchSynchro(rec, m_ids.nSynchro, {&a, &c});

    a.SendMessage(WM_COMMAND, m_ids.nCmdDMX, 0);
    // Nothing went to a null window, where it would have become a thread message.
    MSG msg;
    EXPECT_FALSE(
        ::PeekMessageA(&msg, reinterpret_cast<HWND>(-1), m_ids.nSynchro, m_ids.nSynchro, PM_NOREMOVE));
    CTestApp::PumpPending();
    EXPECT_EQ(POS_FORMAT_DMX, c.Format());
    EXPECT_EQ(std::vector<HWND>{c.GetSafeHwnd()}, Receivers(rec));
    const MsgEntry seq[] = {{m_ids.nSynchro, posted | wparam, POS_FORMAT_DMX, 0, 0}, {0, 0, 0, 0, 0}};
    EXPECT_SEQ(rec, seq, "DMX chosen on a");
}

TEST_F(PosEditCtrlTest, BadNotationInTheMessageAndForcingPostNothing)
{
    CTestPosEdit a, b;
    Attach(a, IDC_POS_EDIT1);
    Attach(b, IDC_POS_EDIT2);
    a.SynchroWith(&b);
    a.SetCurValue(12.5, POS_FORMAT_DXX);
    CTestApp::PumpPending(); // b follows into DXX
    MsgRecorder rec;
    WatchSynchro(rec, m_ids.nSynchro, {&a, &b});

    a.SendMessage(m_ids.nSynchro, 7, 0);
    CTestApp::PumpPending();
    EXPECT_EQ(POS_FORMAT_DXX, a.Format());
    EXPECT_EQ("12.5000000", Text(EditOf(a)));
    const MsgEntry bad[] = {{m_ids.nSynchro, sent | wparam, 7, 0, 0}, {0, 0, 0, 0, 0}};
    EXPECT_SEQ(rec, bad, "notation 7 sent to a");

    a.ForcePosType(POS_TYPE_METRIC);
    CTestApp::PumpPending();
    EXPECT_EQ(POS_FORMAT_METRIC, a.Format());
    EXPECT_EQ(POS_FORMAT_DXX, b.Format());
    const MsgEntry none[] = {{0, 0, 0, 0, 0}};
    EXPECT_SEQ(rec, none, "type forced on a");
}

// The field's focus changes and the Tab key reach the dialog from the
// control's own id and window.
TEST_F(PosEditCtrlTest, FocusAndTabAreForwardedToTheParent)
{
    CTestPosEdit ctrl;
    Attach(ctrl);
    const LPARAM lCtrl = reinterpret_cast<LPARAM>(ctrl.GetSafeHwnd());
    HWND hAfter = ::GetDlgItem(m_dlg.GetSafeHwnd(), IDC_POS_AFTER);
    ::SetFocus(hAfter);
    CTestApp::PumpPending();
    MsgRecorder rec;
    rec.Watch(m_dlg.GetSafeHwnd(), parent);
    rec.SetFilter([](const MsgRecord& r) {
        return (r.message == WM_COMMAND && LOWORD(r.wParam) == IDC_POS_EDIT1) || r.message == WM_NEXTDLGCTL;
    });

    ::SetFocus(EditOf(ctrl));
    ::SetFocus(hAfter);
    const MsgEntry focus[] = {
        {WM_COMMAND, sent | parent | wparam | lparam, MAKEWPARAM(IDC_POS_EDIT1, EN_SETFOCUS), lCtrl, 0},
        {WM_COMMAND, sent | parent | wparam | lparam, MAKEWPARAM(IDC_POS_EDIT1, EN_KILLFOCUS), lCtrl, 0},
        {0, 0, 0, 0, 0},
    };
    EXPECT_SEQ(rec, focus, "focus into the field and out");

    ::PostMessageA(EditOf(ctrl), WM_KEYUP, VK_TAB, 0xC0000001);
    CTestApp::PumpPending();
    const MsgEntry tab[] = {
        {WM_COMMAND, sent | parent | wparam | lparam, MAKEWPARAM(IDC_POS_EDIT1, EN_UPDATE), lCtrl, 0},
        {WM_NEXTDLGCTL, sent | parent | wparam | lparam, 0, 0, 0},
        {0, 0, 0, 0, 0},
    };
    EXPECT_SEQ(rec, tab, "Tab released in the field");
}

// A type or notation out of range (read back from a hand-edited profile,
// say) is refused: nothing changes, the process goes on, and the value pair
// is never indexed with it. Before subclassing the child calls do nothing.
TEST(PosControlsTest, BadTypeOrNotationIsRefused)
{
    CPosEditCtrl edit;
    CPosStatic label;
    label.EnableSaving(false);
    edit.ForcePosType(static_cast<PosType>(5));
    edit.ForcePosType(POS_TYPE_NONE);
    edit.ChangeFormat(static_cast<PosFormat>(4), true);
    edit.SetReadOnly(true);
    edit.AdjustFont(true);
    label.ForcePosType(POS_TYPE_NONE);
    EXPECT_EQ(POS_TYPE_GEOGRAPHIC, edit.GetPosType());
    EXPECT_EQ(POS_FORMAT_DMS, label.GetPosFormat());
}

} // namespace
