// Tests of the position display, subclassed over a static of a dialog
// template: texts and alignment, the menu, the links, the profile entries.
#include "position_tests.h"

namespace {

class PosStaticTest : public PosDialogTest
{
protected:
    void Attach(CPosStatic& label, UINT nID = IDC_POS_STATIC1, bool bSave = false)
    {
        label.EnableSaving(bSave);
        ASSERT_TRUE(label.SubclassDlgItem(nID, &m_dlg));
    }
    // Sends the synchronisation message, as a linked control would.
    void Notation(CPosStatic& label, WPARAM nFormat) { label.SendMessage(nSynchro, nFormat, 0); }
};

// The notation is reached through the link message (DXX first, so that DMS
// is a change too); the alignment and the symbols follow.
TEST_F(PosStaticTest, TextsAndAlignmentPerNotation)
{
    const struct
    {
        bool bLatitude;
        WPARAM nFormat;
        PosType nType;
        double dValue;
        const char* pszText;
        DWORD dwAlign;
    } rows[] = {
        {false, POS_FORMAT_DXX, POS_TYPE_GEOGRAPHIC, -3.5, "3.500000 \xB0 W ", SS_RIGHT},
        {true, POS_FORMAT_DMS, POS_TYPE_GEOGRAPHIC, -12.5125, "12 \xB0 30 ' 45.00 \" S ", SS_RIGHT},
        {false, POS_FORMAT_METRIC, POS_TYPE_METRIC, 1234.5, " E : 0001234.500 m", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszText);
        Reopen();
        CPosStatic label;
        Attach(label);
        label.SetLatitude(row.bLatitude);
        Notation(label, POS_FORMAT_DXX);
        Notation(label, row.nFormat);
        label.SetCurValue(row.dValue, row.nType);
        EXPECT_EQ(row.pszText, Text(label.GetSafeHwnd()));
        EXPECT_EQ(row.dwAlign, label.GetStyle() & (SS_CENTER | SS_RIGHT));
        EXPECT_DOUBLE_EQ(row.dValue, label.GetCurValue());
    }
}

// The geographic and metric values are kept apart; a command for the current
// notation redraws it only when all notations are offered.
TEST_F(PosStaticTest, ValuePairAndForcedRedraw)
{
    CPosStatic label;
    Attach(label);
    label.SetCurValue(12.25, POS_TYPE_GEOGRAPHIC);
    label.SetCurValue(-8.0, POS_TYPE_METRIC);
    EXPECT_EQ(" N : -000008.000 m", Text(label.GetSafeHwnd()));
    Notation(label, POS_FORMAT_DXX);
    Notation(label, 7); // none of the four: ignored
    EXPECT_EQ("12.250000 \xB0 N ", Text(label.GetSafeHwnd()));
    for (bool bAll : {false, true}) {
        label.UseAllPosFormat(bAll);
        label.SetWindowText("stale");
        label.SendMessage(WM_COMMAND, nCmdDXX, 0);
        EXPECT_EQ(bAll ? "12.250000 \xB0 N " : "stale", Text(label.GetSafeHwnd())) << bAll;
    }
}

// The menu offers the notations of the current type, all of them when asked.
TEST_F(PosStaticTest, MenuKeepsToTheTypeOfTheNotation)
{
    const struct
    {
        int nSetUp; // 0 none, 1 metric value, 2 and all notations, 3 DXX chosen from the menu
        std::string menu;
    } rows[] = {
        {0, Menu({2, 1, 0, 3}, 2)},
        {1, ""},
        {2, Menu({2, 1, 0, 3}, 3)},
        {3, Menu({2, 1, 0}, 0)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.nSetUp);
        Reopen();
        CPosStatic label;
        Attach(label);
        CMenuSpy spy;
        if (row.nSetUp == 1 || row.nSetUp == 2)
            label.SetCurValue(12.5, POS_TYPE_METRIC);
        label.UseAllPosFormat(row.nSetUp == 2);
        if (row.nSetUp == 3) {
            spy.nChoose = nCmdDXX;
            label.ShowFormatMenu(CPoint(10, 10));
            CTestApp::PumpPending();
            ASSERT_EQ(POS_FORMAT_DXX, label.GetPosFormat());
            spy.nChoose = 0;
        }
        spy.items.clear();
        label.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(label.GetSafeHwnd()), MAKELPARAM(30, 20));
        CTestApp::PumpPending();
        EXPECT_EQ(row.menu, spy.items);
        EXPECT_EQ(row.menu.empty() ? CPoint() : CPoint(30, 20), CPoint(spy.pt));
    }
}

// Both controls write the notation when destroyed, the display unless saving is off.
TEST_F(PosStaticTest, ProfileEntryWrittenAtDestruction)
{
    auto Entry = [] {
        return int(::GetPrivateProfileIntA("Position Control", "Format", -1, TestApp().ProfilePath()));
    };
    TestApp().WriteProfileInt("Position Control", "Format", 99);
    {
        CPosStatic off;
        CTestPosEdit edit;
        Attach(off);
        Notation(off, POS_FORMAT_DXX);
        ASSERT_TRUE(edit.SubclassDlgItem(IDC_POS_EDIT1, &m_dlg));
        edit.ChangeFormat(POS_FORMAT_DMX, false);
        EXPECT_EQ(99, Entry());
    }
    EXPECT_EQ(1, Entry());
    {
        CPosStatic on;
        Attach(on, IDC_POS_STATIC2, true);
        Notation(on, POS_FORMAT_METRIC);
    }
    EXPECT_EQ(3, Entry());
}

// Sent: the linked windows have followed before the change returns; s2 tells
// s1 back while s1 is still handling the command (so s1 gets it nested in its
// own procedure) and s1, already in DMX, stops; the destroyed s3 is skipped.
TEST_F(PosStaticTest, DisplaysDriveTheirPartnersSynchronously)
{
    CPosStatic s1, s2, s3;
    CTestPosEdit e;
    Attach(s1, IDC_POS_STATIC1);
    Attach(s2, IDC_POS_STATIC2);
    Attach(s3, IDC_POS_STATIC3);
    ASSERT_TRUE(e.SubclassDlgItem(IDC_POS_EDIT1, &m_dlg));
    s1.SynchroWith(&s2);
    s2.SynchroWith(&s1);
    s1.SynchroWith(&s3);
    s1.SynchroWith(&e);
    s3.DestroyWindow();
    MsgRecorder rec;
    WatchSynchro(rec, {&s1, &s2, &e});
    s1.SendMessage(WM_COMMAND, nCmdDMX, 0);
    EXPECT_EQ(POS_FORMAT_DMX, s2.GetPosFormat());
    EXPECT_EQ(POS_FORMAT_DMX, e.Format());
    EXPECT_EQ((std::vector<HWND>{s2.GetSafeHwnd(), s1.GetSafeHwnd(), e.GetSafeHwnd()}), Receivers(rec));
    CTestApp::PumpPending(); // the edit has no links of its own: nothing posted
    s1.SendMessage(nSynchro, 7, 0);
    CTestApp::PumpPending();
    const MsgEntry seq[] = {{nSynchro, sent | wparam, POS_FORMAT_DMX, 0, 0},
                            {nSynchro, sent | defwinproc | wparam, POS_FORMAT_DMX, 0, 0},
                            {nSynchro, sent | wparam, POS_FORMAT_DMX, 0, 0},
                            {nSynchro, sent | wparam, 7, 0, 0},
                            {0, 0, 0, 0, 0}};
    EXPECT_SEQ(rec, seq, "DMX chosen on s1, then notation 7 sent to s1");
}

} // namespace
