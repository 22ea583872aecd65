// Tests of the colour tree, subclassed over a tree view of a dialog template:
// record ownership counted, the records behind the API, and what it paints.
#include "ColorTreeCtrl.h"
#include "GdiCanvas.h"
#include "colortree_tests.h"

#include <algorithm>
#include <map>
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
std::vector<void*> CountRecords(CColorTreeCtrl& tree)
{
    for (INT_PTR i = 0; i < tree.m_arItems.GetSize(); i++) {
        CColorTreeItem* pOld = static_cast<CColorTreeItem*>(tree.m_arItems[i]);
        tree.m_arItems[i] = new CCountedItem(*pOld);
        if (pOld->m_hItem != nullptr && tree.GetItemDatas(pOld->m_hItem) == pOld)
            tree.SetItemDatas(pOld->m_hItem, static_cast<CColorTreeItem*>(tree.m_arItems[i]));
        delete pOld;
    }
    return std::vector<void*>(tree.m_arItems.GetData(), tree.m_arItems.GetData() + tree.m_arItems.GetSize());
}

// Inserted around the class, with a parameter of the host's own.
HTREEITEM InsertRaw(CColorTreeCtrl& tree, const char* pszText)
{
    TVINSERTSTRUCTA tvis = {TVI_ROOT, TVI_LAST, {}};
    tvis.item.mask = TVIF_TEXT | TVIF_PARAM;
    tvis.item.pszText = const_cast<char*>(pszText);
    tvis.item.lParam = 0x1234;
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
    void TearDown() override { m_dlg.DestroyWindow(); }
    // Copies what the tree shows into the canvas, after a full repaint when bAll.
    void Snap(bool bAll = true)
    {
        if (bAll)
            m_tree.Invalidate();
        m_tree.UpdateWindow();
        m_tree.GetClientRect(&m_rcClient);
        CClientDC dc(&m_tree);
        m_canvas.dc.BitBlt(0, 0, 300, 300, &dc, 0, 0, SRCCOPY);
    }
    CRect Label(HTREEITEM h)
    {
        CRect rc;
        EXPECT_TRUE(m_tree.GetItemRect(h, &rc, TRUE));
        return rc;
    }
    // The pixel at the right edge of an item's row, and the text pixels of its band.
    COLORREF Right(HTREEITEM h) { return m_canvas.At(m_rcClient.right - 2, Label(h).CenterPoint().y); }
    int Ink(HTREEITEM h, COLORREF cr)
    {
        return m_canvas.Count(cr, Label(h).left, Label(h).top, 290, Label(h).bottom);
    }

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
            HTREEITEM hItem;           // given to DeleteItem; none: the window is destroyed
            std::vector<void*> listed; // the records left, in order
            UINT nItems;               // left in the tree
        } steps[] = {
            {"null handle: nothing", nullptr, rec, 6},
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
            EXPECT_EQ(s.listed, std::vector<void*>(tree.m_arItems.GetData(),
                                                   tree.m_arItems.GetData() + tree.m_arItems.GetSize()));
            EXPECT_EQ(s.nItems, tree.m_hWnd ? tree.GetCount() : 0u);
        }
    }
    for (void* p : rec)
        EXPECT_EQ(1, g_freed[p]) << "each freed once, at the latest with the control";

    // DeleteAllItems frees what is listed.
    m_dlg.Create(IDD_TREE_TEST);
    ASSERT_TRUE(m_tree.SubclassDlgItem(IDC_TREE, &m_dlg));
    m_tree.InsertItem("C", m_tree.InsertItem("D"));
    rec = CountRecords(m_tree);
    m_tree.DeleteAllItems();
    EXPECT_EQ(0, m_tree.m_arItems.GetSize());
    for (void* p : rec)
        EXPECT_EQ(1, g_freed[p]);
}

TEST_F(ColorTreeTest, RecordsBehindTheApi)
{
    HTREEITEM h =
        m_tree.InsertItem(TVIF_TEXT | TVIF_PARAM, "host param", 0, 0, 0, 0, 0x1234, TVI_ROOT, TVI_LAST);
    CColorTreeItem* p = m_tree.GetItemDatas(h);
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(reinterpret_cast<DWORD_PTR>(p), m_tree.GetItemData(h)); // the host's value is gone
    m_tree.SetItemColors(h, 1, 2, 3, 4);                              // selected variant first
    EXPECT_EQ(std::vector<COLORREF>({2, 1, 4, 3}),
              std::vector<COLORREF>({p->m_crBack, p->m_crBackSelected, p->m_crText, p->m_crTextSelected}));

    // An item without a record: refused quietly, its parameter untouched.
    HTREEITEM hRaw = InsertRaw(m_tree, "raw");
    EXPECT_EQ(nullptr, m_tree.GetItemDatas(hRaw));
    EXPECT_FALSE(m_tree.SetUserData(hRaw, 5));
    EXPECT_EQ(0u, m_tree.GetUserData(hRaw));
    m_tree.SetItemColors(hRaw, 1, 2, 3, 4);
    m_tree.SetItemBold(hRaw, 1);
    EXPECT_EQ(0x1234u, m_tree.GetItemData(hRaw));

    m_tree.AddItemInfos(h); // a second record: both listed, the item points to the last
    EXPECT_EQ(m_tree.m_arItems[1], m_tree.GetItemDatas(h));
    EXPECT_EQ(nullptr, m_tree.InsertItem("orphan", reinterpret_cast<HTREEITEM>(0x10))); // fails...
    ASSERT_EQ(3, m_tree.m_arItems.GetSize()); // ... and keeps a record with a null item
    EXPECT_EQ(nullptr, static_cast<CColorTreeItem*>(m_tree.m_arItems[2])->GetItem());
}

TEST_F(ColorTreeTest, SettersRepaintTheBandOnlyOnAChange)
{
    HTREEITEM h = m_tree.InsertItem("Item");
    m_tree.SetItemColors(h, 1, 2, 0, 0);
    const CRect rc = Label(h);
    struct Row
    {
        const char* label;
        int nBold; // SetItemBold(nBold), or SetItemColors(1, 2, cr, cr) when -2
        COLORREF cr;
        bool bBand;
    } rows[] = {
        {"colours as stored", -2, 0, false},
        {"text colours only", -2, 5, true},
        {"bold as stored", -1, 0, false},
        {"bold changed", 0, 0, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        Snap(false);
        row.nBold == -2 ? m_tree.SetItemColors(h, 1, 2, row.cr, row.cr) : m_tree.SetItemBold(h, row.nBold);
        CRect rcUpdate(0, 0, 0, 0);
        m_tree.GetUpdateRect(&rcUpdate, FALSE);
        EXPECT_EQ(row.bBand ? CRect(rc.left - 3, rc.top, m_rcClient.right, rc.bottom) : CRect(0, 0, 0, 0),
                  rcUpdate);
    }
}

TEST_F(ColorTreeTest, PaintsEachItemInItsColours)
{
    const COLORREF crYellow = RGB(255, 255, 0), crRed = RGB(200, 0, 0), crBlue = RGB(0, 0, 160);
    const COLORREF sys = QUILLON_SYSCOLOR, crFace = ::GetSysColor(COLOR_3DFACE);
    HTREEITEM hRoot = m_tree.InsertItem("Root"), hPlain = m_tree.InsertItem("Plain", hRoot);
    HTREEITEM hColour = m_tree.InsertItem("Colour", hRoot);
    HTREEITEM hBold = m_tree.InsertItem("Wide", hRoot), hNormal = m_tree.InsertItem("Wide", hRoot);
    HTREEITEM hRaw = InsertRaw(m_tree, "Raw");
    for (HTREEITEM h : {hRoot, hPlain})
        m_tree.SetItemColors(h, sys, sys, sys, sys);
    for (HTREEITEM h : {hColour, hBold, hNormal})
        m_tree.SetItemColors(h, crBlue, crYellow, kWhite, crRed);
    m_tree.SetItemBold(hBold, 1);
    m_tree.Expand(hRoot, TVE_EXPAND);
    m_tree.SelectItem(hPlain);
    Snap();

    const CRect rcRoot = Label(hRoot), rcColour = Label(hColour);
    EXPECT_EQ(crFace, m_canvas.At(rcRoot.left - 3, rcRoot.top + 3)) << "root band starts 3 pixels left";
    EXPECT_EQ(crFace, Right(hRoot));
    EXPECT_EQ(::GetSysColor(COLOR_3DSHADOW), m_canvas.At(m_rcClient.right - 1, rcRoot.bottom - 1)) << "frame";
    EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), Right(hPlain)) << "selected child";
    EXPECT_EQ(crYellow, m_canvas.At(rcColour.left, rcColour.top + 3));
    EXPECT_EQ(crYellow, Right(hColour));
    EXPECT_GT(Ink(hColour, crRed), 0);
    EXPECT_GT(Ink(hBold, crRed), Ink(hNormal, crRed) + 3) << "bold 1";
    EXPECT_EQ(crFace, m_canvas.At(Label(hRaw).left - 3, Label(hRaw).top + 3)) << "no record: the defaults";

    m_tree.SelectItem(hColour);
    const int nBoldRoot = Ink(hRoot, ::GetSysColor(COLOR_BTNTEXT));
    m_tree.SetItemBold(hRoot, 0);
    Snap();
    EXPECT_EQ(crBlue, Right(hColour));
    EXPECT_GT(Ink(hColour, kWhite), 0);
    EXPECT_LT(Ink(hRoot, ::GetSysColor(COLOR_BTNTEXT)) + 3, nBoldRoot) << "root made normal";

    // The selected root's face is lifted per channel; a full channel stops at 255.
    m_tree.SelectItem(hRoot);
    for (COLORREF crTest : {crFace, RGB(240, 100, 230)}) {
        INT nIndex = COLOR_3DFACE;
        ASSERT_TRUE(::SetSysColors(1, &nIndex, &crTest));
        Snap();
        ::SetSysColors(1, &nIndex, &crFace);
        auto lift = [](int c) { return c + 0x20 > 0xFF ? 0xFF : c + 0x20; };
        EXPECT_EQ(RGB(lift(GetRValue(crTest)), lift(GetGValue(crTest)), lift(GetBValue(crTest))),
                  Right(hRoot));
    }
}

TEST_F(ColorTreeTest, ClickSelectsTheItemInItsRow)
{
    HTREEITEM hFirst = m_tree.InsertItem("First"), hSecond = m_tree.InsertItem("Second");
    m_tree.SelectItem(hFirst);
    const CRect rc = Label(hSecond);
    for (CPoint pt : {CPoint(rc.right + 20, rc.top + 3), CPoint(10, 150)}) { // right of the label; below all
        CPoint ptScreen = pt;
        m_tree.ClientToScreen(&ptScreen);
        ::SetCursorPos(ptScreen.x, ptScreen.y);
        // The tree tracks the mouse until the button comes up: queue that first.
        m_tree.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        m_tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        EXPECT_EQ(hSecond, m_tree.GetSelectedItem()) << pt.x;
    }
}

TEST_F(ColorTreeTest, ScrollingAndExpandingRepaintInColour)
{
    std::map<HTREEITEM, COLORREF> colours;
    for (int i = 0; i < 30; i++) {
        HTREEITEM h = m_tree.InsertItem("item"), hChild = m_tree.InsertItem("child", h);
        m_tree.SetItemColors(h, 0, colours[h] = RGB(i * 8, 128, 255 - i * 8), 0, 0);
        m_tree.SetItemColors(hChild, 0, colours[hChild] = RGB(255 - i * 8, 64, i * 8), 0, 0);
    }
    Snap();
    for (int nStep = 0; nStep < 2; nStep++) {
        SCOPED_TRACE(nStep); // scrolled 3 lines, then the top item expanded
        for (int i = 0; i < 3 && nStep == 0; i++)
            m_tree.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
        if (nStep == 1)
            m_tree.Expand(m_tree.GetFirstVisibleItem(), TVE_EXPAND);
        Snap(false); // only what the tree invalidated
        int nRows = 0;
        for (HTREEITEM h = m_tree.GetFirstVisibleItem(); h && Label(h).bottom <= m_rcClient.bottom;
             h = m_tree.GetNextVisibleItem(h), nRows++)
            EXPECT_EQ(colours[h], Right(h)) << nRows;
        EXPECT_GT(nRows, 5);
    }
}

} // namespace
