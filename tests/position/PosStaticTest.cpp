// Tests of the position display, subclassed over a static of a dialog
// template: texts and alignment, the menu, the profile entry.
#include "position_tests.h"

#include <gtest/gtest.h>

namespace {

class PosStaticTest : public PosDialogTest
{
protected:
    void Attach(CPosStatic& label, UINT nID = IDC_POS_STATIC1)
    {
        ASSERT_TRUE(label.SubclassDlgItem(nID, &m_dlg));
    }
    // Sends the synchronisation message, as a linked control would.
    void Notation(CPosStatic& label, WPARAM nFormat) { label.SendMessage(label.GetSynchroMsg(), nFormat, 0); }
    static std::string Text(CWnd& wnd)
    {
        CString str;
        wnd.GetWindowText(str);
        return static_cast<LPCSTR>(str);
    }
    static DWORD Alignment(CWnd& wnd) { return wnd.GetStyle() & (SS_CENTER | SS_RIGHT); }
};

TEST_F(PosStaticTest, TextsAndAlignmentPerNotation)
{
    struct Row
    {
        const char* label;
        bool bLatitude;
        WPARAM nFormat;
        PosType nType;
        double dValue;
        const char* pszText;
        DWORD dwAlign;
    } rows[] = {
        {"DXX longitude west", false, POS_FORMAT_DXX, POS_TYPE_GEOGRAPHIC, -3.5, "3.500000 \xB0 W ",
         SS_RIGHT},
        {"DXX zero is north", true, POS_FORMAT_DXX, POS_TYPE_GEOGRAPHIC, 0.0, "0.000000 \xB0 N ", SS_RIGHT},
        {"DMX truncates minutes", true, POS_FORMAT_DMX, POS_TYPE_GEOGRAPHIC, 45.5, "45 \xB0 30.0000 ' N ",
         SS_RIGHT},
        {"DMS rounds seconds", true, POS_FORMAT_DMS, POS_TYPE_GEOGRAPHIC, -12.5125,
         "12 \xB0 30 ' 45.00 \" S ", SS_RIGHT},
        {"Metric longitude label", false, POS_FORMAT_METRIC, POS_TYPE_METRIC, 1234.5, " E : 0001234.500 m",
         0},
        {"Metric negative keeps the positive label", true, POS_FORMAT_METRIC, POS_TYPE_METRIC, -12.5,
         " N : -000012.500 m", 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Reopen();
        CPosStatic label;
        label.EnableSaving(false);
        Attach(label);
        label.SetLatitude(row.bLatitude);
        // DMS is the starting notation: go through DXX so that DMS is a change too.
        Notation(label, row.nFormat == POS_FORMAT_DMS ? POS_FORMAT_DXX : POS_FORMAT_DMS);
        Notation(label, row.nFormat);
        label.SetCurValue(row.dValue, row.nType);
        EXPECT_EQ(row.pszText, Text(label));
        EXPECT_EQ(row.dwAlign, Alignment(label));
        EXPECT_DOUBLE_EQ(row.dValue, label.GetCurValue());
    }
}

TEST_F(PosStaticTest, ValuePairFollowsTheType)
{
    CPosStatic label;
    label.EnableSaving(false);
    Attach(label);
    label.SetCurValue(12.25, POS_TYPE_GEOGRAPHIC);
    label.SetCurValue(-8.0, POS_TYPE_METRIC); // switches to Metric
    EXPECT_EQ(POS_FORMAT_METRIC, label.GetPosFormat());
    EXPECT_EQ(" N : -000008.000 m", Text(label));
    Notation(label, POS_FORMAT_DXX); // back to the geographic value
    EXPECT_EQ("12.250000 \xB0 N ", Text(label));
    EXPECT_DOUBLE_EQ(12.25, label.GetCurValue());
    // A notation that is none of the four is ignored.
    Notation(label, 7);
    EXPECT_EQ(POS_FORMAT_DXX, label.GetPosFormat());
    EXPECT_EQ("12.250000 \xB0 N ", Text(label));
}

TEST_F(PosStaticTest, MenuKeepsToTheTypeOfTheNotation)
{
    struct Row
    {
        const char* label;
        int nSetUp; // 0 none, 1 metric value, 2 metric value with all notations, 3 DXX chosen from the menu
        int nItems; // -1: no menu
        int nChecked;
    } rows[] = {
        {"new label: all four, DMS checked", 0, 4, 0},
        {"metric value: no menu", 1, -1, -1},
        {"metric value, all notations offered", 2, 4, 3},
        {"DXX chosen: metric item gone", 3, 3, 2},
    };
    const UINT ids[] = {m_ids.nCmdDMS, m_ids.nCmdDMX, m_ids.nCmdDXX, m_ids.nCmdMetric};
    const char* labels[] = {"DMS", "DMX", "DXX", "Metric"};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Reopen();
        CPosStatic label;
        label.EnableSaving(false);
        Attach(label);
        CMenuSpy spy;
        if (row.nSetUp == 1 || row.nSetUp == 2)
            label.SetCurValue(12.5, POS_TYPE_METRIC);
        if (row.nSetUp == 2) {
            EXPECT_TRUE(label.UseAllPosFormat(true));
        }
        if (row.nSetUp == 3) {
            spy.nChoose = m_ids.nCmdDXX;
            label.ShowFormatMenu(CPoint(10, 10));
            CTestApp::PumpPending();
            ASSERT_EQ(POS_FORMAT_DXX, label.GetPosFormat());
            spy.nChoose = 0;
        }

        const int nBefore = spy.nCalls;
        label.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(label.GetSafeHwnd()), MAKELPARAM(30, 20));
        CTestApp::PumpPending();
        if (row.nItems < 0) {
            EXPECT_EQ(nBefore, spy.nCalls);
            continue;
        }
        ASSERT_EQ(nBefore + 1, spy.nCalls);
        EXPECT_EQ(CPoint(30, 20), CPoint(spy.pt));
        EXPECT_EQ(label.GetSafeHwnd(), spy.hOwner);
        ASSERT_EQ(size_t(row.nItems), spy.items.size());
        for (int i = 0; i < row.nItems; i++) {
            EXPECT_EQ(labels[i], spy.items[i].label) << i;
            EXPECT_EQ(ids[i], spy.items[i].nID) << i;
            EXPECT_EQ(i == row.nChecked, spy.items[i].bChecked) << i;
        }
    }
}

TEST_F(PosStaticTest, ProfileEntryWrittenUnlessSavingIsOff)
{
    TestApp().WriteProfileInt("Position Control", "Format", 99);
    {
        CPosStatic label;
        label.EnableSaving(false);
        Attach(label);
        Notation(label, POS_FORMAT_DXX);
    }
    EXPECT_EQ(99, int(::GetPrivateProfileIntA("Position Control", "Format", -1, TestApp().ProfilePath())));
    {
        CPosStatic label;
        Attach(label, IDC_POS_STATIC2);
        Notation(label, POS_FORMAT_METRIC);
    }
    EXPECT_EQ(3, int(::GetPrivateProfileIntA("Position Control", "Format", -1, TestApp().ProfilePath())));
}

// Sent: the linked windows have followed before the change returns; s2 tells
// s1 back while s1 is still handling the command (so s1 gets it nested in its
// own procedure) and s1, already in DMX, stops; the destroyed s3 is skipped.
TEST_F(PosStaticTest, DisplaysDriveTheirPartnersSynchronously)
{
    CPosStatic s1, s2, s3;
    CTestPosEdit e;
    for (CPosStatic* p : {&s1, &s2, &s3})
        p->EnableSaving(false);
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
    WatchSynchro(rec, m_ids.nSynchro, {&s1, &s2, &e});

    s1.SendMessage(WM_COMMAND, m_ids.nCmdDMX, 0);
    EXPECT_EQ(POS_FORMAT_DMX, s2.GetPosFormat());
    EXPECT_EQ(POS_FORMAT_DMX, e.Format());
    const std::vector<HWND> receivers = {s2.GetSafeHwnd(), s1.GetSafeHwnd(), e.GetSafeHwnd()};
    EXPECT_EQ(receivers, Receivers(rec));
    const MsgEntry seq[] = {
        {m_ids.nSynchro, sent | wparam, POS_FORMAT_DMX, 0, 0},
        {m_ids.nSynchro, sent | defwinproc | wparam, POS_FORMAT_DMX, 0, 0},
        {m_ids.nSynchro, sent | wparam, POS_FORMAT_DMX, 0, 0},
        {0, 0, 0, 0, 0},
    };
    EXPECT_SEQ(rec, seq, "DMX chosen on s1, before pumping");
    CTestApp::PumpPending();
    const MsgEntry none[] = {{0, 0, 0, 0, 0}};
    EXPECT_SEQ(rec, none, "the edit has no links of its own");

    // A notation that is none of the four goes no further.
    s1.SendMessage(s1.GetSynchroMsg(), 7, 0);
    CTestApp::PumpPending();
    EXPECT_EQ(POS_FORMAT_DMX, s1.GetPosFormat());
    const MsgEntry bad[] = {{m_ids.nSynchro, sent | wparam, 7, 0, 0}, {0, 0, 0, 0, 0}};
    EXPECT_SEQ(rec, bad, "notation 7 sent to s1");
}

} // namespace
