// The colour tree over a dialog's tree view: records freed, repaints, colours.
#include "ColorTreeCtrl.h"
#include "GdiCanvas.h"

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

namespace {

const UINT IDD_TREE_TEST = 5000, IDC_TREE = 5001; // colortree_tests.rc

std::map<const void*, int> g_freed; // destructor calls per record

struct CCountedItem : CColorTreeItem
{
    explicit CCountedItem(const CColorTreeItem& r) : CColorTreeItem(r) {}
    ~CCountedItem() override { g_freed[this]++; }
};

// Swaps every record of the tree for a counted copy; the copies in list order.
std::vector<void*> CountRecords(CColorTreeCtrl& tree)
{
    for (INT_PTR i = 0; i < tree.m_arItems.GetSize(); i++) {
        CColorTreeItem* pOld = static_cast<CColorTreeItem*>(tree.m_arItems[i]);
        tree.m_arItems[i] = new CCountedItem(*pOld);
        tree.SetItemDatas(pOld->m_hItem, static_cast<CColorTreeItem*>(tree.m_arItems[i]));
        delete pOld;
    }
    return std::vector<void*>(tree.m_arItems.GetData(), tree.m_arItems.GetData() + tree.m_arItems.GetSize());
}

// Inserted around the class, with a parameter of the host's own.
HTREEITEM InsertRaw(CColorTreeCtrl& tree, const char* pszText)
{
    TVINSERTSTRUCTA tvis = {TVI_ROOT, TVI_LAST, {}};
    tvis.item = {TVIF_TEXT | TVIF_PARAM, nullptr, 0, 0, const_cast<char*>(pszText), 0, 0, 0, 0, 0x1234};
    return (HTREEITEM)tree.SendMessage(TVM_INSERTITEMA, 0, (LPARAM)&tvis);
}

class ColorTreeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_freed.clear();
        ASSERT_TRUE(m_dlg.Create(IDD_TREE_TEST));
        m_dlg.ShowWindow(SW_SHOW);
        ASSERT_TRUE(m_tree.SubclassDlgItem(IDC_TREE, &m_dlg));
        m_tree.GetClientRect(&m_rcClient);
    }
    void TearDown() override { m_dlg.DestroyWindow(); }
    // Copies what the tree shows into the canvas, after a full repaint.
    void Snap()
    {
        m_tree.Invalidate();
        m_tree.UpdateWindow();
        CClientDC dc(&m_tree);
        m_canvas.dc.BitBlt(0, 0, 300, 300, &dc, 0, 0, SRCCOPY);
    }
    CRect Label(HTREEITEM h)
    {
        CRect rc;
        m_tree.GetItemRect(h, &rc, TRUE);
        return rc;
    }
    // The pixel at the right edge of an item's row.
    COLORREF Right(HTREEITEM h) { return m_canvas.At(m_rcClient.right - 2, Label(h).CenterPoint().y); }

    CDialog m_dlg;
    CColorTreeCtrl m_tree; // destroyed before m_dlg: its window goes with the dialog
    GdiCanvas m_canvas{300, 300};
    CRect m_rcClient;
};

TEST_F(ColorTreeTest, EveryRecordIsFreedExactlyOnce)
{
    std::vector<void*> rec;
    {
        CColorTreeCtrl tree;
        m_tree.UnsubclassWindow(); // this control dies in this scope instead
        ASSERT_TRUE(tree.SubclassDlgItem(IDC_TREE, &m_dlg));
        HTREEITEM a = tree.InsertItem("A"), a1 = tree.InsertItem("A1", a);
        tree.InsertItem("A11", a1);
        HTREEITEM a2 = tree.InsertItem("A2", a), hRaw = InsertRaw(tree, "raw");
        tree.InsertItem("B");
        rec = CountRecords(tree); // A, A1, A11, A2, B
        const struct
        {
            const char* label;
            HTREEITEM hItem;           // given to DeleteItem; TVI_ROOT: the window is destroyed
            std::vector<void*> listed; // the records left, in order
            UINT nItems;               // left in the tree
        } steps[] = {
            {"item without a record: neither freed nor deleted", hRaw, rec, 6},
            {"leaf", a2, {rec[0], rec[1], rec[2], rec[4]}, 5},
            {"parent: its record only, its subtree leaves the tree", a, {rec[1], rec[2], rec[4]}, 2},
            {"window destroyed: the records stay with the control", TVI_ROOT, {rec[1], rec[2], rec[4]}, 0},
        };
        for (const auto& s : steps) {
            SCOPED_TRACE(s.label);
            s.hItem == TVI_ROOT ? (void)m_dlg.DestroyWindow() : (void)tree.DeleteItem(s.hItem);
            for (void* p : rec)
                EXPECT_EQ(std::count(s.listed.begin(), s.listed.end(), p) ? 0 : 1, g_freed[p]);
            EXPECT_EQ((INT_PTR)s.listed.size(), tree.m_arItems.GetSize());
            EXPECT_EQ(s.nItems, tree.m_hWnd ? tree.GetCount() : 0u);
        }
    }
    for (void* p : rec)
        EXPECT_EQ(1, g_freed[p]) << "each freed once, at the latest with the control";
}

TEST_F(ColorTreeTest, SettersRepaintTheBandOnlyOnAChangeAndLeaveForeignItems)
{
    HTREEITEM h = m_tree.InsertItem("Item"), hRaw = InsertRaw(m_tree, "raw");
    m_tree.SetItemColors(h, 1, 2, 0, 0);
    const CRect rc = Label(h);
    const struct
    {
        const char* label;
        std::function<void()> set;
        bool bBand; // the item's band repainted, or nothing
    } rows[] = {{"colours as stored", [&] { m_tree.SetItemColors(h, 1, 2, 0, 0); }, false},
                {"text colours only", [&] { m_tree.SetItemColors(h, 1, 2, 5, 5); }, true},
                {"bold as stored", [&] { m_tree.SetItemBold(h, -1); }, false},
                {"bold changed", [&] { m_tree.SetItemBold(h, 0); }, true},
                {"colours of a foreign item", [&] { m_tree.SetItemColors(hRaw, 1, 2, 5, 5); }, false},
                {"bold of a foreign item", [&] { m_tree.SetItemBold(hRaw, 1); }, false}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        m_tree.UpdateWindow();
        row.set();
        CRect rcUpdate(0, 0, 0, 0);
        m_tree.GetUpdateRect(&rcUpdate, FALSE);
        EXPECT_EQ(row.bBand ? CRect(rc.left - 3, rc.top, m_rcClient.right, rc.bottom) : CRect(0, 0, 0, 0),
                  rcUpdate);
    }
    EXPECT_FALSE(m_tree.SetUserData(hRaw, 5));
    EXPECT_EQ(0x1234u, m_tree.GetItemData(hRaw)) << "a foreign item's parameter is left alone";
    EXPECT_EQ(nullptr, m_tree.GetItemDatas(hRaw));
}

TEST_F(ColorTreeTest, PaintsEachItemInItsColours)
{
    const COLORREF crYellow = RGB(255, 255, 0), crRed = RGB(200, 0, 0), sys = QUILLON_SYSCOLOR;
    HTREEITEM hRoot = m_tree.InsertItem("Root"), hPlain = m_tree.InsertItem("Plain", hRoot),
              hColour = m_tree.InsertItem("Colour", hRoot);
    HTREEITEM hBold = m_tree.InsertItem("Wide", hRoot), hNormal = m_tree.InsertItem("Wide", hRoot);
    for (HTREEITEM h : {hRoot, hPlain})
        m_tree.SetItemColors(h, sys, sys, sys, sys);
    for (HTREEITEM h : {hColour, hBold, hNormal})
        m_tree.SetItemColors(h, kBlue, crYellow, kWhite, crRed);
    m_tree.SetItemBold(hBold, 1);
    m_tree.Expand(hRoot, TVE_EXPAND);
    m_tree.SelectItem(hPlain);
    Snap();
    const CRect rcRoot = Label(hRoot), rcColour = Label(hColour), rcBold = Label(hBold),
                rcNormal = Label(hNormal);
    EXPECT_EQ(::GetSysColor(COLOR_3DFACE), m_canvas.At(rcRoot.left - 3, rcRoot.top + 3)) << "3 px left";
    EXPECT_EQ(::GetSysColor(COLOR_3DSHADOW), m_canvas.At(m_rcClient.right - 1, rcRoot.bottom - 1)) << "frame";
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), Right(hPlain)) << "selected child";
    EXPECT_EQ(crYellow, m_canvas.At(rcColour.left, rcColour.top + 3));
    EXPECT_EQ(crYellow, Right(hColour));
    EXPECT_GT(m_canvas.Count(crRed, rcBold.left, rcBold.top, 290, rcBold.bottom),
              m_canvas.Count(crRed, rcNormal.left, rcNormal.top, 290, rcNormal.bottom) + 3);
}

} // namespace
