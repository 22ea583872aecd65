// Tests of the position edit control over a placeholder of a dialog template.
#include "position_tests.h"

namespace {

class PosEditCtrlTest : public PosDialogTest
{
protected:
    void Attach(CTestPosEdit& c, UINT nID = IDC_POS_EDIT1) { ASSERT_TRUE(c.SubclassDlgItem(nID, &m_dlg)); }
    HWND Child(CPosEditCtrl& c, const char* guid) { return ::GetDlgItem(c.m_hWnd, Msg(guid)); }
    HWND EditOf(CPosEditCtrl& c) { return Child(c, "Object - {695EA3EC-70FB-44b0-A5CC-5FD3E3D11637}"); }
    HWND ButtonOf(CPosEditCtrl& c) { return Child(c, "Object - {95DE2BF5-FDDA-4420-AB49-C0812C38D721}"); }
    HWND UnitOf(CPosEditCtrl& c) { return Child(c, "Object - {27832262-FE81-4c5f-AC79-9FA0BC7D0A9A}"); }
    void Type(CPosEditCtrl& ctrl, const char* pszKeys)
    {
        ::SendMessageA(EditOf(ctrl), EM_SETSEL, 0, -1);
        for (const char* p = pszKeys; *p != '\0'; ++p)
            ::PostMessageA(EditOf(ctrl), WM_CHAR, static_cast<unsigned char>(*p), 1);
        CTestApp::PumpPending();
    }
};

// A value set, keys typed, the hemisphere button clicked: field, button and value.
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
        {"DXX set before subclassing", POS_FORMAT_DXX, -45.5, EARLY, "", "45.5000000", "W", -45.5},
        {"DMS typed", POS_FORMAT_DMS, 0, 0, "0123044444", "012 \xB0 30 ' 44.444 \" ", "N",
         12.5 + 44.444 / 3600},
        {"DMS south", POS_FORMAT_DMS, 0, FLIP, "0453000000", "045 \xB0 30 ' 00.000 \" ", "S", -45.5},
        {"DMX typed", POS_FORMAT_DMX, 0, 0, "0122074073", "012 \xB0 20.74073 ' ", "N", 12 + 20.74073 / 60},
        {"DMX drops point, letters", POS_FORMAT_DMX, 0, 0, "01a2.2", "012 \xB0 2 .      ' ", "N",
         12 + 2 / 60.0},
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

// Range [-90, 90]: a value outside falls back to the stored one when strictly inside,
// else is refused; a typed value outside survives only a change of notation type.
TEST_F(PosEditCtrlTest, RangeFilterOnSetAndAtNotationChanges)
{
    auto Check = [&](const char* keys, double dStored, double dSet, UINT nCmd, PosFormat nFormat,
                     double dValue) {
        SCOPED_TRACE(keys);
        Reopen();
        CTestPosEdit ctrl;
        ctrl.SetRange(-90, 90);
        Attach(ctrl);
        ctrl.SetCurValue(dStored, POS_TYPE_GEOGRAPHIC);
        Type(ctrl, keys);
        if (nCmd == 0)
            ctrl.SetCurValue(dSet, POS_TYPE_GEOGRAPHIC);
        else
            ctrl.SendMessage(WM_COMMAND, nCmd, 0);
        EXPECT_EQ(nFormat, ctrl.Format());
        EXPECT_DOUBLE_EQ(dValue, ctrl.GetCurValue());
    };
    Check("0450000000", 10, -30, 0, POS_FORMAT_DMS, -30);
    Check("0450000000", 10, 95, 0, POS_FORMAT_DMS, 10);
    Check("0450000000", 90, 100, 0, POS_FORMAT_DMS, 45);
    Check("0900000000", 10, 0, nCmdDXX, POS_FORMAT_DXX, 90);      // on the bound
    Check("0950000000", 10, 0, nCmdDXX, POS_FORMAT_DMS, 95);      // same type: refused
    Check("0950000000", 10, 0, nCmdMetric, POS_FORMAT_METRIC, 0); // other type: kept
}

// A right click in the field opens the menu of the forced type; the item chosen applies.
TEST_F(PosEditCtrlTest, ContextMenuOffersAndAppliesTheNotations)
{
    auto Check = [&](PosType nForce, const std::string& menu) {
        SCOPED_TRACE(nForce);
        Reopen();
        CTestPosEdit ctrl;
        Attach(ctrl);
        ctrl.SetCurValue(-12.5, POS_FORMAT_DMS);
        ctrl.ForcePosType(nForce);
        CMenuSpy spy;
        spy.nChoose = nCmdDMX;
        ::PostMessageA(EditOf(ctrl), WM_RBUTTONUP, 0, MAKELPARAM(5, 6));
        CTestApp::PumpPending();
        EXPECT_EQ(menu, spy.items);
        CPoint pt(5, 6);
        ctrl.ClientToScreen(&pt);
        EXPECT_EQ(menu.empty() ? CPoint() : pt, CPoint(spy.pt));
        EXPECT_EQ(menu.empty() ? POS_FORMAT_METRIC : POS_FORMAT_DMX, ctrl.Format());
        EXPECT_DOUBLE_EQ(menu.empty() ? 0 : -12.5, ctrl.GetCurValue());
    };
    Check(POS_TYPE_NONE, Menu({2, 1, 0, 3}, 2));
    Check(POS_TYPE_GEOGRAPHIC, Menu({2, 1, 0}, 2));
    Check(POS_TYPE_METRIC, "");
}

// Read-only greys the button; the own font (Arial, cell height = client
// height - 6) goes to all three children, which split the client area.
TEST_F(PosEditCtrlTest, ReadOnlyFontAndLayout)
{
    CTestPosEdit ctrl;
    Attach(ctrl);
    ctrl.SetReadOnly(true);
    EXPECT_NE(0, ::GetWindowLongA(EditOf(ctrl), GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(::IsWindowEnabled(ButtonOf(ctrl)));
    ctrl.SetWindowPos(nullptr, 0, 0, 200, 30, SWP_NOMOVE | SWP_NOZORDER);
    ctrl.AdjustFont(true);
    CRect rcClient, rcUnit;
    ctrl.GetClientRect(&rcClient);
    const LRESULT hOwn = ::SendMessageA(EditOf(ctrl), WM_GETFONT, 0, 0);
    LOGFONTA lf = {};
    ::GetObjectA(reinterpret_cast<HFONT>(hOwn), sizeof lf, &lf);
    EXPECT_EQ(rcClient.Height() - 6, lf.lfHeight);
    EXPECT_STREQ("Arial", lf.lfFaceName);
    for (HWND hChild : {ButtonOf(ctrl), UnitOf(ctrl)})
        EXPECT_EQ(hOwn, ::SendMessageA(hChild, WM_GETFONT, 0, 0));
    ::GetWindowRect(UnitOf(ctrl), &rcUnit);
    ctrl.ScreenToClient(&rcUnit);
    EXPECT_EQ(CRect(rcClient.right - 20, 0, rcClient.right, rcClient.bottom), rcUnit);
}

} // namespace

// The field's focus changes and the Tab key reach the dialog from the
// control's own id and window.
TEST_F(PosEditCtrlTest, FocusAndTabAreForwardedToTheParent)
{
    CTestPosEdit ctrl;
    Attach(ctrl);
    HWND hAfter = ::GetDlgItem(m_dlg.m_hWnd, IDC_POS_AFTER);
    ::SetFocus(hAfter);
    CTestApp::PumpPending();
    MsgRecorder rec;
    rec.Watch(m_dlg.m_hWnd, parent);
    rec.SetFilter([](const MsgRecord& r) {
        return (r.message == WM_COMMAND && LOWORD(r.wParam) == IDC_POS_EDIT1) || r.message == WM_NEXTDLGCTL;
    });
    ::SetFocus(EditOf(ctrl));
    ::SetFocus(hAfter);
    ::PostMessageA(EditOf(ctrl), WM_KEYUP, VK_TAB, 0xC0000001);
    CTestApp::PumpPending();
    const int f = sent | parent | wparam | lparam;
    const LPARAM l = reinterpret_cast<LPARAM>(ctrl.m_hWnd);
    const MsgEntry seq[] = {{WM_COMMAND, f, MAKEWPARAM(IDC_POS_EDIT1, EN_SETFOCUS), l, 0},
                            {WM_COMMAND, f, MAKEWPARAM(IDC_POS_EDIT1, EN_KILLFOCUS), l, 0},
                            {WM_COMMAND, f, MAKEWPARAM(IDC_POS_EDIT1, EN_UPDATE), l, 0},
                            {WM_NEXTDLGCTL, f, 0, 0, 0},
                            {0, 0, 0, 0, 0}};
    EXPECT_SEQ(rec, seq, "focus in and out, then Tab released in the field");
}
