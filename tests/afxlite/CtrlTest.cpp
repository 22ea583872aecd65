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

} // namespace
