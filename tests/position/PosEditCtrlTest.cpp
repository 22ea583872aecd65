// Tests of the position edit control, subclassed over a placeholder of a
// dialog template and driven through posted keys, clicks and commands.
#include "position_tests.h"

namespace {

class PosEditCtrlTest : public PosDialogTest
{
protected:
    void Attach(CTestPosEdit& ctrl, UINT nID = IDC_POS_EDIT1)
    {
        ASSERT_TRUE(ctrl.SubclassDlgItem(nID, &m_dlg));
    }
    HWND Child(CPosEditCtrl& c, const char* guid) { return ::GetDlgItem(c.m_hWnd, Msg(guid)); }
    HWND EditOf(CPosEditCtrl& c) { return Child(c, "Object - {695EA3EC-70FB-44b0-A5CC-5FD3E3D11637}"); }
    HWND ButtonOf(CPosEditCtrl& c) { return Child(c, "Object - {95DE2BF5-FDDA-4420-AB49-C0812C38D721}"); }
    HWND UnitOf(CPosEditCtrl& c) { return Child(c, "Object - {27832262-FE81-4c5f-AC79-9FA0BC7D0A9A}"); }
    // Replaces the field's content by typing, as the message loop delivers keys.
    void Type(CPosEditCtrl& ctrl, const char* pszKeys)
    {
        ::SendMessageA(EditOf(ctrl), EM_SETSEL, 0, -1);
        for (const char* p = pszKeys; *p != '\0'; ++p)
            ::PostMessageA(EditOf(ctrl), WM_CHAR, static_cast<unsigned char>(*p), 1);
        CTestApp::PumpPending();
    }
    void Command(CPosEditCtrl& ctrl, UINT nCmd)
    {
        ctrl.PostMessage(WM_COMMAND, nCmd, 0);
        CTestApp::PumpPending();
    }
};

// A value set (before or after subclassing), then keys typed and the
// hemisphere button clicked: the field, the button and the value read back.
TEST_F(PosEditCtrlTest, ShownTypedAndReadBackPerNotation)
{
    // Set before subclassing (symbols E/W then); in feet; in feet once shown in metres; button clicked.
    const int EARLY = 1, FEET = 2, LATE_FEET = 4, FLIP = 8;
    const struct
    {
        const char* label;
        PosFormat nFormat;
        double dSet;
        int flags;
        const char *pszKeys, *pszField, *pszButton;
        double dValue;
    } rows[] = {
        {"DMS shown", POS_FORMAT_DMS, -12.515625, 0, "", "012 \xB0 30 ' 56.250 \" ", "S", -12.515625},
        {"DMX shown", POS_FORMAT_DMX, 45.5, 0, "", "045 \xB0 30.00000 ' ", "N", 45.5},
        {"DXX set before subclassing", POS_FORMAT_DXX, -45.5, EARLY, "", "45.5000000", "W", -45.5},
        {"DMS typed", POS_FORMAT_DMS, 0, 0, "0123044444", "012 \xB0 30 ' 44.444 \" ", "N",
         12.5 + 44.444 / 3600},
        {"DMS south", POS_FORMAT_DMS, 0, FLIP, "0453000000", "045 \xB0 30 ' 00.000 \" ", "S", -45.5},
        {"DMX typed", POS_FORMAT_DMX, 0, 0, "0122074073", "012 \xB0 20.74073 ' ", "N", 12 + 20.74073 / 60},
        {"DMX drops point, letters", POS_FORMAT_DMX, 0, 0, "01a2.2", "012 \xB0 2 .      ' ", "N",
         12 + 2 / 60.0},
        {"DXX ignores a typed minus", POS_FORMAT_DXX, 0, 0, "-12.5", "-12.5", "N", 12.5},
        {"DXX south, Backspace dropped", POS_FORMAT_DXX, 5, FLIP, "12\b3", "123", "S", -123.0},
        {"Metric signed, no letters", POS_FORMAT_METRIC, 0, 0, "-1e3", "-13", "N", -13.0},
        {"Metric in feet once shown", POS_FORMAT_METRIC, 1234.5, LATE_FEET, "", "4050.197", "N",
         4050.197 / POS_FEET_PER_METRE},
        {"Metric in feet", POS_FORMAT_METRIC, 1234.5, FEET, "", "4050.197", "N",
         4050.197 / POS_FEET_PER_METRE},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        Reopen();
        CTestPosEdit ctrl;
        ctrl.DisplayFeet((row.flags & FEET) != 0);
        if (row.flags & EARLY) {
            ctrl.SetSymbols('E', 'W');
            ctrl.SetCurValue(row.dSet, row.nFormat);
        }
        Attach(ctrl);
        if (!(row.flags & EARLY))
            ctrl.SetCurValue(row.dSet, row.nFormat);
        if (row.flags & LATE_FEET) {
            ctrl.DisplayFeet(true);
            ctrl.SetCurValue(row.dSet, POS_TYPE_METRIC);
        }
        Type(ctrl, row.pszKeys);
        if (row.flags & FLIP) {
            ::SendMessageA(ButtonOf(ctrl), BM_CLICK, 0, 0);
            EXPECT_EQ(EditOf(ctrl), ::GetFocus());
        }
        EXPECT_EQ(row.nFormat, ctrl.Format());
        EXPECT_EQ(row.pszField, Text(EditOf(ctrl)));
        EXPECT_EQ(row.pszButton, Text(ButtonOf(ctrl)));
        EXPECT_NEAR(row.dValue, ctrl.GetCurValue(), 1e-9);
        if (row.nFormat == POS_FORMAT_METRIC) {
            EXPECT_EQ(row.flags & (FEET | LATE_FEET) ? "ft" : "m", Text(UnitOf(ctrl)));
        }
    }
}

// Range [-90, 90], 10 stored: a value outside falls back to a stored value
// strictly inside and is refused when the stored one is on a bound; a typed
// value outside survives only a change of notation type.
TEST_F(PosEditCtrlTest, RangeFilterOnSetAndAtNotationChanges)
{
    const struct
    {
        const char* label;
        double dStored;
        const char* pszKeys; // DMS
        double dSet;         // or 0: the command nCmd instead (0 DXX, 1 Metric)
        int nCmd;
        PosFormat nFormat;
        double dValue;
    } rows[] = {
        {"set inside", 10, "0450000000", -30, 0, POS_FORMAT_DMS, -30},
        {"set outside, stored inside", 10, "0450000000", 95, 0, POS_FORMAT_DMS, 10},
        {"set outside, stored on a bound", 90, "0450000000", 100, 0, POS_FORMAT_DMS, 45},
        {"typed on the bound, then DXX", 10, "0900000000", 0, 0, POS_FORMAT_DXX, 90},
        {"typed outside, then DXX: refused", 10, "0950000000", 0, 0, POS_FORMAT_DMS, 95},
        {"typed outside, then Metric", 10, "0950000000", 0, 1, POS_FORMAT_METRIC, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        Reopen();
        CTestPosEdit ctrl;
        ctrl.SetRange(-90, 90);
        Attach(ctrl);
        ctrl.SetCurValue(row.dStored, POS_TYPE_GEOGRAPHIC);
        Type(ctrl, row.pszKeys);
        if (row.dSet != 0)
            ctrl.SetCurValue(row.dSet, POS_TYPE_GEOGRAPHIC);
        else
            Command(ctrl, row.nCmd == 0 ? nCmdDXX : nCmdMetric);
        EXPECT_EQ(row.nFormat, ctrl.Format());
        EXPECT_DOUBLE_EQ(row.dValue, ctrl.GetCurValue());
    }
}

// A right click in the field opens the control's menu at the click; the
// notations offered follow the forced type, and the item chosen applies.
TEST_F(PosEditCtrlTest, ContextMenuOffersAndAppliesTheNotations)
{
    const struct
    {
        int nForce; // 0 none, 1 geographic, 2 metric
        std::string menu;
        PosFormat nFormat; // after choosing DMX
    } rows[] = {
        {0, Menu({2, 1, 0, 3}, 2), POS_FORMAT_DMX},
        {1, Menu({2, 1, 0}, 2), POS_FORMAT_DMX},
        {2, "", POS_FORMAT_METRIC},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.nForce);
        Reopen();
        CTestPosEdit ctrl;
        Attach(ctrl);
        ctrl.SetCurValue(-12.5, POS_FORMAT_DMS);
        if (row.nForce != 0)
            ctrl.ForcePosType(row.nForce == 1 ? POS_TYPE_GEOGRAPHIC : POS_TYPE_METRIC);
        CMenuSpy spy;
        spy.nChoose = nCmdDMX;
        ::PostMessageA(EditOf(ctrl), WM_RBUTTONUP, 0, MAKELPARAM(5, 6));
        CTestApp::PumpPending();
        EXPECT_EQ(row.menu, spy.items);
        EXPECT_EQ(row.nFormat, ctrl.Format());
        CPoint ptExpected(5, 6);
        ctrl.ClientToScreen(&ptExpected);
        EXPECT_EQ(row.nForce == 2 ? CPoint() : ptExpected, CPoint(spy.pt));
        EXPECT_DOUBLE_EQ(row.nForce == 2 ? 0 : -12.5, ctrl.GetCurValue());
    }
}

// Read-only greys the button; the own font (Arial, cell height = client
// height - 6) goes to all three children; the button and the unit share the
// right strip, also after a size change.
TEST_F(PosEditCtrlTest, ReadOnlyFontAndLayout)
{
    CTestPosEdit ctrl;
    Attach(ctrl);
    ctrl.SetReadOnly(true);
    EXPECT_NE(0, ::GetWindowLongA(EditOf(ctrl), GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(::IsWindowEnabled(ButtonOf(ctrl)));
    ctrl.SetWindowPos(nullptr, 0, 0, 200, 30, SWP_NOMOVE | SWP_NOZORDER);
    ctrl.AdjustFont(true);
    CRect rcClient, rc[3];
    ctrl.GetClientRect(&rcClient);
    const LRESULT hOwn = ::SendMessageA(EditOf(ctrl), WM_GETFONT, 0, 0);
    LOGFONTA lf = {};
    ::GetObjectA(reinterpret_cast<HFONT>(hOwn), sizeof lf, &lf);
    EXPECT_EQ(rcClient.Height() - 6, lf.lfHeight);
    EXPECT_STREQ("Arial", lf.lfFaceName);
    const HWND children[] = {EditOf(ctrl), ButtonOf(ctrl), UnitOf(ctrl)};
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(hOwn, ::SendMessageA(children[i], WM_GETFONT, 0, 0));
        ::GetWindowRect(children[i], &rc[i]);
        ctrl.ScreenToClient(&rc[i]);
    }
    EXPECT_EQ(CRect(0, 0, rcClient.right - 20, rcClient.bottom), rc[0]);
    EXPECT_EQ(CRect(rcClient.right - 20, 0, rcClient.right, rcClient.bottom), rc[1]);
    EXPECT_EQ(rc[1], rc[2]);
}

// Posted: nothing arrives until the queue is pumped; then b follows and tells
// a, already in DXX, which stops; the destroyed c is skipped (nothing went to
// a null window as a thread message); a bad notation and forcing post nothing.
TEST_F(PosEditCtrlTest, LinkedEditsExchangeOnceByPostedMessages)
{
    CTestPosEdit a, b, c;
    Attach(a, IDC_POS_EDIT1);
    Attach(b, IDC_POS_EDIT2);
    Attach(c, IDC_POS_EDIT3);
    a.SynchroWith(&b);
    a.SynchroWith(&c);
    b.SynchroWith(&a);
    c.DestroyWindow();
    MsgRecorder rec;
    WatchSynchro(rec, {&a, &b});
    a.SendMessage(WM_COMMAND, nCmdDXX, 0);
    EXPECT_EQ(POS_FORMAT_DMS, b.Format());
    EXPECT_TRUE(rec.Records().empty());
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, reinterpret_cast<HWND>(-1), nSynchro, nSynchro, PM_NOREMOVE));
    CTestApp::PumpPending();
    EXPECT_EQ(POS_FORMAT_DXX, b.Format());
    EXPECT_EQ((std::vector<HWND>{b.GetSafeHwnd(), a.GetSafeHwnd()}), Receivers(rec));
    const MsgEntry seq[] = {{nSynchro, posted | wparam, POS_FORMAT_DXX, 0, 0},
                            {nSynchro, posted | wparam, POS_FORMAT_DXX, 0, 0},
                            {0, 0, 0, 0, 0}};
    EXPECT_SEQ(rec, seq, "DXX chosen on a");

    a.SendMessage(nSynchro, 7, 0);
    a.ForcePosType(POS_TYPE_METRIC);
    CTestApp::PumpPending();
    EXPECT_EQ(POS_FORMAT_METRIC, a.Format());
    EXPECT_EQ(POS_FORMAT_DXX, b.Format());
    const MsgEntry bad[] = {{nSynchro, sent | wparam, 7, 0, 0}, {0, 0, 0, 0, 0}};
    EXPECT_SEQ(rec, bad, "notation 7 sent to a, then metric forced");
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
    ::PostMessageA(EditOf(ctrl), WM_KEYUP, VK_TAB, 0xC0000001);
    CTestApp::PumpPending();
    const int f = sent | parent | wparam | lparam;
    const MsgEntry seq[] = {
        {WM_COMMAND, f, MAKEWPARAM(IDC_POS_EDIT1, EN_SETFOCUS), lCtrl, 0},
        {WM_COMMAND, f, MAKEWPARAM(IDC_POS_EDIT1, EN_KILLFOCUS), lCtrl, 0},
        {WM_COMMAND, f, MAKEWPARAM(IDC_POS_EDIT1, EN_UPDATE), lCtrl, 0},
        {WM_NEXTDLGCTL, f, 0, 0, 0},
        {0, 0, 0, 0, 0},
    };
    EXPECT_SEQ(rec, seq, "focus in and out, then Tab released in the field");
}

} // namespace
