// The control wrappers over the platform's controls: each member sends the
// right message with the right packing (selection forms, ranges, item data).
#include <afxcmn.h>

#include <gtest/gtest.h>

namespace {

class CtrlTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      0, 0, 400, 300, nullptr, nullptr));
    }
    void TearDown() override { m_parent.DestroyWindow(); }
    CWnd m_parent;
};

CString TextOf(const CWnd& wnd)
{
    CString s;
    wnd.GetWindowText(s);
    return s;
}

TEST_F(CtrlTest, EditSelectionAndEditing)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, CRect(0, 0, 200, 20), &m_parent, 1));
    edit.SetWindowText("hello world");
    edit.SetSel(2, 5);
    int nStart = -1, nEnd = -1;
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(2, nStart);
    EXPECT_EQ(5, nEnd);
    EXPECT_EQ((DWORD)MAKELONG(2, 5), edit.GetSel());
    edit.SetSel(MAKELONG(0, 1));
    edit.GetSel(nStart, nEnd);
    EXPECT_EQ(0, nStart);
    EXPECT_EQ(1, nEnd);

    edit.SetModify(FALSE);
    edit.SetSel(2, 5);
    edit.ReplaceSel("XY", TRUE);
    EXPECT_STREQ("heXY world", TextOf(edit));
    EXPECT_TRUE(edit.GetModify());
    EXPECT_TRUE(edit.CanUndo());
    EXPECT_TRUE(edit.Undo());
    EXPECT_STREQ("hello world", TextOf(edit));

    edit.SetLimitText(4);
    EXPECT_EQ(4u, edit.GetLimitText());
    edit.SetWindowText("");
    for (char ch : {'a', 'b', 'c', 'd', 'e'})
        edit.SendMessage(WM_CHAR, ch, 1);
    EXPECT_STREQ("abcd", TextOf(edit));

    EXPECT_TRUE(edit.SetReadOnly(TRUE));
    EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
    edit.SetMargins(3, 4);
    EXPECT_EQ((DWORD)MAKELONG(3, 4), edit.GetMargins());
    edit.DestroyWindow();
}

TEST_F(CtrlTest, MultiLineEditLines)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 200, 80), &m_parent, 1));
    edit.SetWindowText("one\r\ntwo\r\nthree");
    EXPECT_EQ(3, edit.GetLineCount());
    EXPECT_EQ(5, edit.LineIndex(1));
    EXPECT_EQ(1, edit.LineFromChar(6));
    char buf[16] = {};
    const int nLen = edit.GetLine(2, buf, sizeof buf - 1);
    EXPECT_EQ(5, nLen);
    EXPECT_STREQ("three", buf);
    edit.DestroyWindow();
}

TEST_F(CtrlTest, RichEditSelectionBeyondSixteenBits)
{
    CRichEditCtrl rich;
    ASSERT_TRUE(rich.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL, CRect(0, 0, 200, 80),
                            &m_parent, 1));
    rich.LimitText(100000);
    // 1200 short lines: more than 65536 characters, cheap to lay out.
    CString big;
    for (int i = 0; i < 1200; ++i)
        big += "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\r\n";
    rich.SetWindowText(big);
    rich.SetSel(65540L, 65545L);
    long nStart = -1, nEnd = -1;
    rich.GetSel(nStart, nEnd);
    EXPECT_EQ(65540L, nStart);
    EXPECT_EQ(65545L, nEnd);
    CHARRANGE cr = {3, 1};
    rich.SetSel(cr); // a reversed range is normalised by the control
    rich.GetSel(cr);
    EXPECT_EQ(1, cr.cpMin);
    EXPECT_EQ(3, cr.cpMax);

    rich.SetWindowText("abcdef");
    rich.SetSel(1L, 3L);
    EXPECT_STREQ("bc", rich.GetSelText());
    rich.ReplaceSel("XYZ");
    EXPECT_STREQ("aXYZdef", TextOf(rich));

    EXPECT_TRUE(rich.SetReadOnly(TRUE));
    EXPECT_TRUE(rich.GetStyle() & ES_READONLY);
    rich.SetEventMask(ENM_CHANGE);
    EXPECT_EQ((DWORD)ENM_CHANGE, rich.SetEventMask(ENM_CHANGE | ENM_SELCHANGE));
    EXPECT_EQ((long)(ENM_CHANGE | ENM_SELCHANGE), rich.GetEventMask());

    CHARFORMAT cf = {};
    cf.dwMask = CFM_COLOR;
    cf.crTextColor = RGB(0, 128, 0);
    EXPECT_TRUE(rich.SetDefaultCharFormat(cf));
    CHARFORMAT got = {};
    rich.GetDefaultCharFormat(got);
    EXPECT_EQ(RGB(0, 128, 0), got.crTextColor);
    rich.DestroyWindow();
}

// The CHARFORMAT2 forms must size the structure as CHARFORMAT2, or the
// control ignores the 2.0 attributes (the background colour here).
TEST_F(CtrlTest, RichEditCharFormat2ReachesTheSecondVersionAttributes)
{
    CRichEditCtrl rich;
    ASSERT_TRUE(rich.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 200, 80), &m_parent, 1));
    rich.SetWindowText("abcdef");
    rich.SetSel(0L, 3L);
    CHARFORMAT2 cf = {};
    cf.dwMask = CFM_BACKCOLOR | CFM_COLOR;
    cf.crBackColor = RGB(1, 2, 3);
    cf.crTextColor = RGB(200, 0, 0);
    EXPECT_TRUE(rich.SetSelectionCharFormat(cf));

    CHARFORMAT2 got = {};
    rich.SetSel(0L, 2L);
    rich.GetSelectionCharFormat(got);
    EXPECT_EQ(sizeof(CHARFORMAT2), got.cbSize);
    EXPECT_EQ(RGB(1, 2, 3), got.crBackColor);
    EXPECT_TRUE(got.dwMask & CFM_BACKCOLOR);
    // Over both colours the colour is not uniform: its mask bit is clear.
    rich.SetSel(2L, 5L);
    rich.GetSelectionCharFormat(got);
    EXPECT_FALSE(got.dwMask & CFM_COLOR);

    CHARFORMAT2 def = {};
    def.dwMask = CFM_BACKCOLOR;
    def.crBackColor = RGB(4, 5, 6);
    EXPECT_TRUE(rich.SetDefaultCharFormat(def));
    CHARFORMAT2 gotDef = {};
    rich.GetDefaultCharFormat(gotDef);
    EXPECT_EQ(RGB(4, 5, 6), gotDef.crBackColor);
    rich.DestroyWindow();
}

TEST_F(CtrlTest, TreeItemsAndNavigation)
{
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT, CRect(0, 0, 200, 200),
                            &m_parent, 1));
    HTREEITEM hRoot = tree.InsertItem("root");
    HTREEITEM hA = tree.InsertItem("a", hRoot);
    HTREEITEM hB = tree.InsertItem("b", 1, 2, hRoot, TVI_LAST);
    ASSERT_TRUE(hRoot != nullptr && hA != nullptr && hB != nullptr);
    EXPECT_EQ(3u, tree.GetCount());
    EXPECT_EQ(hRoot, tree.GetRootItem());
    EXPECT_EQ(hA, tree.GetChildItem(hRoot));
    EXPECT_EQ(hB, tree.GetNextSiblingItem(hA));
    EXPECT_EQ(hRoot, tree.GetParentItem(hB));
    EXPECT_STREQ("b", tree.GetItemText(hB));
    int nImage = -1, nSel = -1;
    EXPECT_TRUE(tree.GetItemImage(hB, nImage, nSel));
    EXPECT_EQ(1, nImage);
    EXPECT_EQ(2, nSel);

    EXPECT_TRUE(tree.SetItemData(hA, 0x1234));
    EXPECT_EQ((DWORD_PTR)0x1234, tree.GetItemData(hA));
    EXPECT_TRUE(tree.SetItemText(hA, "renamed"));
    EXPECT_STREQ("renamed", tree.GetItemText(hA));
    EXPECT_TRUE(tree.ItemHasChildren(hRoot));

    EXPECT_TRUE(tree.Expand(hRoot, TVE_EXPAND));
    EXPECT_TRUE(tree.GetItemState(hRoot, TVIS_EXPANDED) & TVIS_EXPANDED);
    EXPECT_EQ(hRoot, tree.GetFirstVisibleItem());
    EXPECT_EQ(hA, tree.GetNextVisibleItem(hRoot));
    EXPECT_TRUE(tree.SelectItem(hB));
    EXPECT_EQ(hB, tree.GetSelectedItem());

    CRect rc;
    ASSERT_TRUE(tree.GetItemRect(hB, &rc, TRUE));
    UINT nFlags = 0;
    EXPECT_EQ(hB, tree.HitTest(rc.CenterPoint(), &nFlags));
    EXPECT_TRUE(nFlags & TVHT_ONITEM);

    EXPECT_TRUE(tree.DeleteItem(hA));
    EXPECT_EQ(2u, tree.GetCount());
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(0u, tree.GetCount());
    tree.DestroyWindow();
}

TEST_F(CtrlTest, ProgressRangeAndSteps)
{
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 20), &m_parent, 1));
    progress.SetRange32(-10, 90);
    int nLower = 0, nUpper = 0;
    progress.GetRange(nLower, nUpper);
    EXPECT_EQ(-10, nLower);
    EXPECT_EQ(90, nUpper);
    progress.SetPos(20);
    EXPECT_EQ(20, progress.OffsetPos(5)); // returns the previous position
    EXPECT_EQ(25, progress.GetPos());
    progress.SetStep(10);
    EXPECT_EQ(25, progress.StepIt());
    EXPECT_EQ(35, progress.GetPos());
    progress.DestroyWindow();
}

TEST_F(CtrlTest, ToolTipTools)
{
    CStatic label;
    ASSERT_TRUE(label.Create("tip me", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), &m_parent, 2));
    CToolTipCtrl tip;
    ASSERT_TRUE(tip.Create(&m_parent));
    EXPECT_TRUE(tip.AddTool(&label, "first"));
    EXPECT_TRUE(tip.AddTool(&m_parent, "area", CRect(100, 100, 150, 150), 7));
    EXPECT_EQ(2, tip.GetToolCount());

    tip.UpdateTipText("second", &label);
    TOOLINFO ti;
    char text[32] = {};
    ASSERT_TRUE(tip.GetToolInfo(ti, &label));
    ti.lpszText = text;
    tip.SendMessage(TTM_GETTEXTA, sizeof text, (LPARAM)&ti);
    EXPECT_STREQ("second", text);

    tip.SetMaxTipWidth(150);
    EXPECT_EQ(150, tip.GetMaxTipWidth());
    tip.SetTipBkColor(RGB(1, 2, 3));
    EXPECT_EQ(RGB(1, 2, 3), tip.GetTipBkColor());

    tip.DelTool(&label);
    tip.DelTool(&m_parent, 7);
    EXPECT_EQ(0, tip.GetToolCount());
    tip.DestroyWindow();
    label.DestroyWindow();
}

TEST_F(CtrlTest, ButtonAndScrollBar)
{
    CButton check;
    ASSERT_TRUE(
        check.Create("c", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, CRect(0, 0, 80, 20), &m_parent, 3));
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, check.GetCheck());
    EXPECT_EQ((UINT)BS_AUTOCHECKBOX, check.GetButtonStyle() & 0x0F);
    check.SetButtonStyle(BS_AUTORADIOBUTTON);
    EXPECT_EQ((UINT)BS_AUTORADIOBUTTON, check.GetButtonStyle() & 0x0F);

    CScrollBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 30, 200, 46), &m_parent, 4));
    bar.SetScrollRange(0, 100);
    EXPECT_EQ(0, bar.SetScrollPos(40));
    EXPECT_EQ(40, bar.GetScrollPos());
    SCROLLINFO si = {};
    si.fMask = SIF_PAGE;
    si.nPage = 10;
    bar.SetScrollInfo(&si);
    EXPECT_EQ(91, bar.GetScrollLimit()); // nMax - nPage + 1
    bar.DestroyWindow();
    check.DestroyWindow();
}

} // namespace
