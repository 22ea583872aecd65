// Tests of the position display over a static of a dialog template, and of the links.
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
};

// The value pair follows the type, a notation that is none of the four is
// ignored, the current one redrawn only when all notations are offered.
TEST_F(PosStaticTest, TextsAlignmentAndForcedRedraw)
{
    CPosStatic label;
    Attach(label);
    label.SetLatitude(false);
    label.SendMessage(nSynchro, POS_FORMAT_DXX, 0);
    label.SetCurValue(-3.5, POS_TYPE_GEOGRAPHIC);
    EXPECT_EQ("3.500000 \xB0 W ", Text(label.m_hWnd));
    EXPECT_EQ(DWORD(SS_RIGHT), label.GetStyle() & (SS_CENTER | SS_RIGHT));
    label.SetCurValue(-8.0, POS_TYPE_METRIC);
    EXPECT_EQ(" E : -000008.000 m", Text(label.m_hWnd));
    EXPECT_EQ(0u, label.GetStyle() & (SS_CENTER | SS_RIGHT));
    label.SendMessage(nSynchro, POS_FORMAT_DMS, 0);
    label.SendMessage(nSynchro, 7, 0);
    EXPECT_EQ("3 \xB0 30 ' 00.00 \" W ", Text(label.m_hWnd));
    for (bool bAll : {false, true}) {
        label.UseAllPosFormat(bAll);
        label.SetWindowText("stale");
        label.SendMessage(WM_COMMAND, nCmdDMS, 0);
        EXPECT_EQ(bAll ? "3 \xB0 30 ' 00.00 \" W " : "stale", Text(label.m_hWnd)) << bAll;
    }
}

// The menu offers the notations of the current type, all of them when asked.
TEST_F(PosStaticTest, MenuKeepsToTheTypeOfTheNotation)
{
    auto Check = [&](bool bMetric, bool bAll, bool bChooseDXX, const std::string& menu) {
        Reopen();
        CPosStatic label;
        Attach(label);
        CMenuSpy spy;
        if (bMetric)
            label.SetCurValue(12.5, POS_TYPE_METRIC);
        label.UseAllPosFormat(bAll);
        spy.nChoose = bChooseDXX ? nCmdDXX : 0;
        for (int i = bChooseDXX ? 0 : 1; i < 2; i++, spy.nChoose = 0) {
            spy.items.clear();
            label.SendMessage(WM_CONTEXTMENU, WPARAM(label.m_hWnd), MAKELPARAM(30, 20));
            CTestApp::PumpPending();
        }
        EXPECT_EQ(menu, spy.items);
        EXPECT_EQ(menu.empty() ? CPoint() : CPoint(30, 20), CPoint(spy.pt));
    };
    Check(false, false, false, Menu({2, 1, 0, 3}, 2));
    Check(true, false, false, "");
    Check(true, true, false, Menu({2, 1, 0, 3}, 3));
    Check(false, false, true, Menu({2, 1, 0}, 0));
}

// Both write the notation when destroyed, the display unless saving is off.
TEST_F(PosStaticTest, ProfileEntryWrittenAtDestruction)
{
    auto Entry = [] { return int(TestApp().GetProfileInt("Position Control", "Format", -1)); };
    TestApp().WriteProfileInt("Position Control", "Format", 99);
    {
        CPosStatic off;
        CTestPosEdit edit;
        Attach(off);
        off.SendMessage(nSynchro, POS_FORMAT_DXX, 0);
        ASSERT_TRUE(edit.SubclassDlgItem(IDC_POS_EDIT1, &m_dlg));
        edit.ChangeFormat(POS_FORMAT_DMX, false);
        EXPECT_EQ(99, Entry());
    }
    EXPECT_EQ(1, Entry());
    {
        CPosStatic on;
        Attach(on, IDC_POS_STATIC2, true);
        on.SendMessage(nSynchro, POS_FORMAT_METRIC, 0);
    }
    EXPECT_EQ(3, Entry());
}

// Displays send (s2 tells s1 back, nested in s1's command), edits post (b
// follows e once pumped); each stops at a partner already there, skips the
// destroyed ones, and a bad notation or a forced type posts nothing.
TEST_F(PosStaticTest, LinkedControlsFollowOnce)
{
    CPosStatic s1, s2, s3;
    CTestPosEdit e, b, c;
    for (auto [pLabel, nID] :
         {std::pair{&s1, IDC_POS_STATIC1}, {&s2, IDC_POS_STATIC2}, {&s3, IDC_POS_STATIC3}})
        Attach(*pLabel, nID);
    for (auto [pEdit, nID] : {std::pair{&e, IDC_POS_EDIT1}, {&b, IDC_POS_EDIT2}, {&c, IDC_POS_EDIT3}})
        ASSERT_TRUE(pEdit->SubclassDlgItem(nID, &m_dlg));
    s1.SynchroWith(&s2);
    s2.SynchroWith(&s1);
    s1.SynchroWith(&s3);
    s1.SynchroWith(&e);
    e.SynchroWith(&b);
    e.SynchroWith(&c);
    b.SynchroWith(&e);
    s3.DestroyWindow();
    c.DestroyWindow();
    MsgRecorder rec;
    for (CWnd* pWnd : std::initializer_list<CWnd*>{&s1, &s2, &e, &b})
        rec.Watch(pWnd->m_hWnd);
    rec.SetFilter([n = nSynchro](const MsgRecord& r) { return r.message == n; });
    s1.SendMessage(WM_COMMAND, nCmdDMX, 0);
    EXPECT_EQ(POS_FORMAT_DMX, s2.GetPosFormat());
    EXPECT_EQ(POS_FORMAT_DMX, e.Format());
    EXPECT_EQ(POS_FORMAT_DMS, b.Format());
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, reinterpret_cast<HWND>(-1), nSynchro, nSynchro, PM_NOREMOVE));
    CTestApp::PumpPending();
    e.SendMessage(nSynchro, 7, 0);
    e.ForcePosType(POS_TYPE_METRIC);
    CTestApp::PumpPending();
    EXPECT_EQ(POS_FORMAT_DMX, b.Format());
    const MsgEntry seq[] = {{nSynchro, sent | wparam, POS_FORMAT_DMX, 0, 0},
                            {nSynchro, sent | defwinproc | wparam, POS_FORMAT_DMX, 0, 0},
                            {nSynchro, sent | wparam, POS_FORMAT_DMX, 0, 0},
                            {nSynchro, posted | wparam, POS_FORMAT_DMX, 0, 0},
                            {nSynchro, posted | wparam, POS_FORMAT_DMX, 0, 0},
                            {nSynchro, sent | wparam, 7, 0, 0},
                            {0, 0, 0, 0, 0}};
    EXPECT_SEQ(rec, seq, "DMX chosen on s1, then notation 7 sent to e and metric forced");
}

} // namespace
