// Tests of the colour tree, subclassed over a tree view of a dialog template:
// record ownership counted, the records behind the API, and what it paints.
#include "ColorTreeCtrl.h"
#include "GdiCanvas.h"
#include "colortree_tests.h"

#include <map>
#include <set>
#include <vector>

namespace {

std::map<const void*, int> g_freed; // destructor calls per record

// A copy of a tree's record that counts its destruction.
struct CCountedItem : CColorTreeItem
{
    explicit CCountedItem(const CColorTreeItem& r) : CColorTreeItem(r) {}
    ~CCountedItem() override { g_freed[this]++; }
};

// Swaps every record of the tree for a counted copy; returns the copies in list order.
std::vector<const void*> CountRecords(CColorTreeCtrl& tree)
{
    std::vector<const void*> out;
    for (INT_PTR i = 0; i < tree.m_arItems.GetSize(); i++) {
        CColorTreeItem* pOld = static_cast<CColorTreeItem*>(tree.m_arItems[i]);
        CCountedItem* pNew = new CCountedItem(*pOld);
        if (pOld->m_hItem != nullptr && tree.GetItemDatas(pOld->m_hItem) == pOld)
            tree.SetItemDatas(pOld->m_hItem, pNew);
        tree.m_arItems[i] = pNew;
        delete pOld;
        out.push_back(pNew);
    }
    return out;
}

HTREEITEM InsertRaw(CColorTreeCtrl& tree, const char* pszText, HTREEITEM hParent = TVI_ROOT)
{
    TVINSERTSTRUCTA tvis = {hParent, TVI_LAST, {}};
    tvis.item.mask = TVIF_TEXT | TVIF_PARAM;
    tvis.item.pszText = const_cast<char*>(pszText);
    tvis.item.lParam = 0x1234; // the host's own value: not a record
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
    }
    void TearDown() override
    {
        if (m_dlg.GetSafeHwnd() != nullptr)
            m_dlg.DestroyWindow();
    }
    // Paints the tree now (the whole client area) and copies it into the canvas.
    void Snap()
    {
        m_tree.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        Copy();
    }
    void Copy()
    {
        CClientDC dc(&m_tree);
        m_canvas.dc.BitBlt(0, 0, 300, 300, &dc, 0, 0, SRCCOPY);
    }
    CRect Label(HTREEITEM h)
    {
        CRect rc;
        EXPECT_TRUE(m_tree.GetItemRect(h, &rc, TRUE));
        return rc;
    }
    CRect Client()
    {
        CRect rc;
        m_tree.GetClientRect(&rc);
        return rc;
    }
    // Text pixels of an item's band.
    int Ink(HTREEITEM h, COLORREF crText)
    {
        CRect rc = Label(h);
        return m_canvas.Count(crText, rc.left, rc.top, Client().right, rc.bottom);
    }

    CDialog m_dlg;
    CColorTreeCtrl m_tree; // destroyed before m_dlg: its window goes with the dialog
    GdiCanvas m_canvas{300, 300};
};

TEST_F(ColorTreeTest, EveryRecordIsFreedExactlyOnce)
{
    HTREEITEM a = m_tree.InsertItem("A"), a1 = m_tree.InsertItem("A1", a);
    m_tree.InsertItem("A11", a1);
    HTREEITEM a2 = m_tree.InsertItem("A2", a);
    m_tree.InsertItem("B");
    HTREEITEM hRaw = InsertRaw(m_tree, "raw");
    const std::vector<const void*> rec = CountRecords(m_tree); // A, A1, A11, A2, B
    struct Step
    {
        const char* label;
        HTREEITEM hItem; // deleted; null with bAll: DeleteAllItems
        bool bAll;
        std::set<size_t> freed; // records freed so far
        UINT nItems;            // left in the tree
    } steps[] = {
        {"null handle: nothing", nullptr, false, {}, 6},
        {"item without a record: neither freed nor deleted", hRaw, false, {}, 6},
        {"leaf", a2, false, {3}, 5},
        {"parent: its record only, while its subtree leaves the tree", a, false, {0, 3}, 2},
        {"DeleteAllItems: the rest", nullptr, true, {0, 1, 2, 3, 4}, 0},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.label);
        if (s.bAll)
            m_tree.DeleteAllItems();
        else
            m_tree.DeleteItem(s.hItem);
        std::vector<const void*> left;
        for (size_t i = 0; i < rec.size(); i++) {
            EXPECT_EQ(int(s.freed.count(i)), g_freed[rec[i]]) << i;
            if (s.freed.count(i) == 0)
                left.push_back(rec[i]);
        }
        EXPECT_EQ(left, std::vector<const void*>(m_tree.m_arItems.GetData(),
                                                 m_tree.m_arItems.GetData() + m_tree.m_arItems.GetSize()));
        EXPECT_EQ(s.nItems, m_tree.GetCount());
    }
}

TEST_F(ColorTreeTest, ThousandRecordsOutliveTheWindowAndGoOnceWithTheControl)
{
    std::vector<const void*> rec;
    {
        CColorTreeCtrl tree;
        m_tree.UnsubclassWindow(); // this control dies in this scope instead
        ASSERT_TRUE(tree.SubclassDlgItem(IDC_TREE, &m_dlg));
        HTREEITEM hParent = TVI_ROOT;
        for (int i = 0; i < 1000; i++) {
            HTREEITEM h = tree.InsertItem("item", hParent);
            hParent = i % 10 == 0 ? h : hParent; // some levels
        }
        rec = CountRecords(tree);
        m_dlg.DestroyWindow();
        EXPECT_TRUE(g_freed.empty());
    }
    ASSERT_EQ(1000u, rec.size());
    for (const void* p : rec)
        ASSERT_EQ(1, g_freed[p]);
}

TEST_F(ColorTreeTest, RecordsBehindTheApi)
{
    HTREEITEM h =
        m_tree.InsertItem(TVIF_TEXT | TVIF_PARAM, "host param", 0, 0, 0, 0, 0x1234, TVI_ROOT, TVI_LAST);
    CColorTreeItem* p = m_tree.GetItemDatas(h);
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(reinterpret_cast<DWORD_PTR>(p), m_tree.GetItemData(h)); // the host's value is gone
    EXPECT_EQ(h, p->GetItem());
    m_tree.SetItemColors(h, 1, 2, 3, 4); // selected variant first
    EXPECT_EQ(1u, p->GetBackColor(true));
    EXPECT_EQ(2u, p->GetBackColor(false));
    EXPECT_EQ(3u, p->GetTextColor(true));
    EXPECT_EQ(4u, p->GetTextColor(false));
    EXPECT_TRUE(m_tree.SetUserData(h, 77));
    EXPECT_EQ(77u, m_tree.GetUserData(h));

    // An item without a record: refused quietly, its parameter untouched.
    HTREEITEM hRaw = InsertRaw(m_tree, "raw");
    EXPECT_EQ(nullptr, m_tree.GetItemDatas(hRaw));
    EXPECT_FALSE(m_tree.SetUserData(hRaw, 5));
    EXPECT_EQ(0u, m_tree.GetUserData(hRaw));
    m_tree.SetItemColors(hRaw, 1, 2, 3, 4);
    m_tree.SetItemBold(hRaw, 1);
    EXPECT_EQ(0x1234u, m_tree.GetItemData(hRaw));

    // A second record for one item: both listed, the item points to the last.
    m_tree.AddItemInfos(h);
    ASSERT_EQ(2, m_tree.m_arItems.GetSize());
    EXPECT_EQ(m_tree.m_arItems[1], m_tree.GetItemDatas(h));
    // A failed insertion keeps a record with a null item.
    EXPECT_EQ(nullptr, m_tree.InsertItem("orphan", reinterpret_cast<HTREEITEM>(0x10)));
    ASSERT_EQ(3, m_tree.m_arItems.GetSize());
    EXPECT_EQ(nullptr, static_cast<CColorTreeItem*>(m_tree.m_arItems[2])->GetItem());
}

TEST_F(ColorTreeTest, SettersRepaintTheBandOnlyOnAChange)
{
    HTREEITEM hRoot = m_tree.InsertItem("Root"), h = m_tree.InsertItem("Child", hRoot);
    m_tree.Expand(hRoot, TVE_EXPAND);
    const CRect rc = Label(h);
    const CRect band(rc.left - 3, rc.top, Client().right, rc.bottom);
    struct Row
    {
        const char* label;
        int nBold; // SetItemBold, or SetItemColors(1, 2, crTextSelected, crText) when -2
        COLORREF crTextSelected, crText;
        bool bBand;
    } rows[] = {
        {"colours as stored", -2, 0, 0, false},
        {"text colours only", -2, 5, 6, true},
        {"bold as stored", -1, 0, 0, false},
        {"bold changed", 1, 0, 0, true},
    };
    m_tree.SetItemColors(h, 1, 2, 0, 0);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        m_tree.ValidateRect(nullptr);
        if (row.nBold == -2)
            m_tree.SetItemColors(h, 1, 2, row.crTextSelected, row.crText);
        else
            m_tree.SetItemBold(h, row.nBold);
        CRect rcUpdate;
        EXPECT_EQ(row.bBand, m_tree.GetUpdateRect(&rcUpdate, FALSE) != FALSE);
        if (row.bBand) {
            EXPECT_EQ(band, rcUpdate);
        }
    }
}

// Lifts each channel of the face colour by 0x20, stopping at 255.
COLORREF Lifted(COLORREF cr)
{
    auto lift = [](int c) { return c + 0x20 > 0xFF ? 0xFF : c + 0x20; };
    return RGB(lift(GetRValue(cr)), lift(GetGValue(cr)), lift(GetBValue(cr)));
}

TEST_F(ColorTreeTest, PaintsEachItemInItsColours)
{
    const COLORREF crYellow = RGB(255, 255, 0), crRed = RGB(200, 0, 0), crBlue = RGB(0, 0, 160);
    const COLORREF sys = QUILLON_SYSCOLOR;
    HTREEITEM hRoot = m_tree.InsertItem("Root"), hPlain = m_tree.InsertItem("Plain", hRoot);
    HTREEITEM hColour = m_tree.InsertItem("Colour", hRoot), hBlack = m_tree.InsertItem("Black", hRoot);
    HTREEITEM hBold = m_tree.InsertItem("Wide", hRoot), hNormal = m_tree.InsertItem("Wide", hRoot);
    HTREEITEM hRaw = InsertRaw(m_tree, "Raw");
    m_tree.SetItemColors(hRoot, sys, sys, sys, sys);
    m_tree.SetItemColors(hPlain, sys, sys, sys, sys);
    m_tree.SetItemColors(hColour, crBlue, crYellow, kWhite, crRed);
    m_tree.SetItemColors(hBold, crBlue, crYellow, kWhite, crRed);
    m_tree.SetItemColors(hNormal, crBlue, crYellow, kWhite, crRed);
    m_tree.SetItemBold(hBold, 1);
    m_tree.Expand(hRoot, TVE_EXPAND);
    m_tree.SelectItem(hPlain);
    Snap();

    const COLORREF crFace = ::GetSysColor(COLOR_3DFACE);
    const int xRight = Client().right - 1;
    auto mid = [&](HTREEITEM h) { return Label(h).CenterPoint().y; };
    const CRect rcRoot = Label(hRoot), rcColour = Label(hColour);
    EXPECT_EQ(crFace, m_canvas.At(rcRoot.left - 3, mid(hRoot))) << "root band starts 3 pixels left";
    EXPECT_NE(crFace, m_canvas.At(rcRoot.left - 4, mid(hRoot)));
    EXPECT_EQ(crFace, m_canvas.At(xRight, mid(hRoot)));
    EXPECT_EQ(::GetSysColor(COLOR_3DSHADOW), m_canvas.At(xRight, rcRoot.bottom - 1)) << "frame";
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), m_canvas.At(xRight, mid(hPlain))) << "selected child";
    EXPECT_EQ(crYellow, m_canvas.At(rcColour.left, mid(hColour)));
    EXPECT_NE(crYellow, m_canvas.At(rcColour.left - 1, mid(hColour)));
    EXPECT_EQ(crYellow, m_canvas.At(xRight, mid(hColour)));
    EXPECT_GT(Ink(hColour, crRed), 0);
    EXPECT_EQ(kBlack, m_canvas.At(xRight, mid(hBlack))) << "never coloured";
    EXPECT_GT(Ink(hBold, crRed), Ink(hNormal, crRed) + 3) << "bold 1";
    EXPECT_EQ(crFace, m_canvas.At(Label(hRaw).left - 3, mid(hRaw))) << "no record: defaults";

    m_tree.SelectItem(hColour);
    Snap();
    EXPECT_EQ(crBlue, m_canvas.At(xRight, mid(hColour)));
    EXPECT_GT(Ink(hColour, kWhite), 0);

    const int nBoldRoot = Ink(hRoot, ::GetSysColor(COLOR_BTNTEXT));
    m_tree.SetItemBold(hRoot, 0);
    Snap();
    EXPECT_LT(Ink(hRoot, ::GetSysColor(COLOR_BTNTEXT)) + 3, nBoldRoot) << "root made normal";

    // The selected root's face is lifted per channel, a full channel stops at 255.
    m_tree.SelectItem(hRoot);
    for (COLORREF crTestFace : {crFace, RGB(240, 100, 230)}) {
        INT nIndex = COLOR_3DFACE;
        ASSERT_TRUE(::SetSysColors(1, &nIndex, &crTestFace));
        Snap();
        ::SetSysColors(1, &nIndex, &crFace);
        EXPECT_EQ(Lifted(crTestFace), m_canvas.At(xRight, mid(hRoot)));
    }
}

TEST_F(ColorTreeTest, ClickSelectsTheItemInItsRow)
{
    HTREEITEM hFirst = m_tree.InsertItem("First"), hSecond = m_tree.InsertItem("Second");
    m_tree.SelectItem(hFirst);
    struct Row
    {
        const char* label;
        CPoint pt;
        HTREEITEM hSelected;
    } rows[] = {
        {"right of the label", CPoint(Label(hSecond).right + 20, Label(hSecond).CenterPoint().y), hSecond},
        {"below every item: unchanged", CPoint(10, Client().bottom - 2), hSecond},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CPoint ptScreen = row.pt;
        m_tree.ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        // The tree tracks the mouse until the button comes up: queue it first.
        m_tree.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(row.pt.x, row.pt.y));
        m_tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(row.pt.x, row.pt.y));
        EXPECT_EQ(row.hSelected, m_tree.GetSelectedItem());
    }
}

TEST_F(ColorTreeTest, ScrollingAndExpandingRepaintInColour)
{
    std::map<HTREEITEM, COLORREF> colours;
    for (int i = 0; i < 30; i++) {
        HTREEITEM h = m_tree.InsertItem("item");
        HTREEITEM hChild = m_tree.InsertItem("child", h);
        colours[h] = RGB(i * 8, 128, 255 - i * 8);
        colours[hChild] = RGB(255 - i * 8, 64, i * 8);
        m_tree.SetItemColors(h, 0, colours[h], 0, 0);
        m_tree.SetItemColors(hChild, 0, colours[hChild], 0, 0);
    }
    // Every fully visible row shows its item's colour at the right edge.
    auto expectColoured = [&](const char* pszStep) {
        SCOPED_TRACE(pszStep);
        m_tree.UpdateWindow(); // only what the tree invalidated
        Copy();
        int nRows = 0;
        for (HTREEITEM h = m_tree.GetFirstVisibleItem(); h != nullptr; h = m_tree.GetNextVisibleItem(h)) {
            const CRect rc = Label(h);
            if (rc.bottom > Client().bottom)
                break;
            EXPECT_EQ(colours[h], m_canvas.At(Client().right - 2, rc.CenterPoint().y)) << nRows;
            nRows++;
        }
        EXPECT_GT(nRows, 5);
    };
    Snap();
    expectColoured("first paint");
    for (int i = 0; i < 3; i++)
        m_tree.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    expectColoured("scrolled three lines");
    HTREEITEM hTop = m_tree.GetFirstVisibleItem();
    m_tree.Expand(hTop, TVE_EXPAND);
    expectColoured("expanded");
    m_tree.Expand(hTop, TVE_COLLAPSE);
    expectColoured("collapsed");
}

} // namespace
