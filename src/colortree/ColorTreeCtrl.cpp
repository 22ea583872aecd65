// ColorTreeCtrl.cpp: CColorTreeCtrl, item records and their painting over
// the platform's tree view.
#include "ColorTreeCtrl.h"

#include "MemDC.h"

namespace {

// Left edge of a root item's band: 3 pixels left of the label, never below 0.
int RootBandLeft(int nLabelLeft)
{
    return nLabelLeft - 3 < 0 ? 0 : nLabelLeft - 3;
}

// The face colour lifted by 0x20 in each channel; a channel stops at 255
// instead of carrying into the next one.
COLORREF LiftedFace()
{
    const COLORREF cr = ::GetSysColor(COLOR_3DFACE);
    auto lift = [](BYTE b) { return static_cast<BYTE>(b > 0xFF - 0x20 ? 0xFF : b + 0x20); };
    return RGB(lift(GetRValue(cr)), lift(GetGValue(cr)), lift(GetBValue(cr)));
}

// What one item looks like, from its record (or the defaults of a record
// whose colours are all 0xFFFFFFFF and bold -1, for an item without one).
struct ItemLook
{
    COLORREF crBack;
    COLORREF crText;
    bool bBold;
};

ItemLook LookOf(const CColorTreeItem* pRecord, bool bRoot, bool bSelected)
{
    const COLORREF crBack = pRecord ? pRecord->GetBackColor(bSelected) : QUILLON_SYSCOLOR;
    const COLORREF crText = pRecord ? pRecord->GetTextColor(bSelected) : QUILLON_SYSCOLOR;
    const int nBold = pRecord ? pRecord->GetBold() : -1;
    ItemLook look;
    if (bRoot) {
        look.crBack = crBack != QUILLON_SYSCOLOR ? crBack
                      : bSelected                ? LiftedFace()
                                                 : ::GetSysColor(COLOR_3DFACE);
        look.crText = crText != QUILLON_SYSCOLOR ? crText : ::GetSysColor(COLOR_BTNTEXT);
        look.bBold = nBold != 0;
    } else {
        look.crBack =
            crBack != QUILLON_SYSCOLOR ? crBack : ::GetSysColor(bSelected ? COLOR_HIGHLIGHT : COLOR_WINDOW);
        look.crText = crText != QUILLON_SYSCOLOR
                          ? crText
                          : ::GetSysColor(bSelected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
        look.bBold = nBold == 1;
    }
    return look;
}

} // namespace

BEGIN_MESSAGE_MAP(CColorTreeCtrl, CTreeCtrl)
    ON_WM_PAINT()
    ON_NOTIFY_REFLECT(NM_CLICK, &ThisClass::OnClick)
    ON_WM_MEASUREITEM()
END_MESSAGE_MAP()

CColorTreeCtrl::CColorTreeCtrl() : m_bFrameRootItems(true) {}

CColorTreeCtrl::~CColorTreeCtrl()
{
    FreeAllRecords();
}

void CColorTreeCtrl::PreSubclassWindow()
{
    CTreeCtrl::PreSubclassWindow();
}

/////////////////////////////////////////////////////////////////////////////
// Records

void CColorTreeCtrl::AddItemInfos(HTREEITEM hItem)
{
    CColorTreeItem* pRecord = new CColorTreeItem(hItem, 0, 0, 0, 0);
    m_arItems.Add(pRecord);
    m_setKnown.insert(pRecord);
    SetItemDatas(hItem, pRecord);
}

int CColorTreeCtrl::SetItemDatas(HTREEITEM hItem, CColorTreeItem* pRecord)
{
    if (pRecord != nullptr)
        m_setKnown.insert(pRecord);
    return CTreeCtrl::SetItem(hItem, TVIF_PARAM, nullptr, 0, 0, 0, 0, reinterpret_cast<LPARAM>(pRecord));
}

CColorTreeItem* CColorTreeCtrl::GetItemDatas(HTREEITEM hItem)
{
    if (hItem == nullptr || !::IsWindow(m_hWnd))
        return nullptr;
    const void* p = reinterpret_cast<const void*>(GetItemData(hItem));
    if (p == nullptr || m_setKnown.count(p) == 0)
        return nullptr;
    return static_cast<CColorTreeItem*>(const_cast<void*>(p));
}

bool CColorTreeCtrl::SetUserData(HTREEITEM hItem, unsigned long dwData)
{
    CColorTreeItem* pRecord = GetItemDatas(hItem);
    if (pRecord == nullptr)
        return false;
    pRecord->SetUserData(dwData);
    return true;
}

unsigned long CColorTreeCtrl::GetUserData(HTREEITEM hItem)
{
    CColorTreeItem* pRecord = GetItemDatas(hItem);
    return pRecord != nullptr ? pRecord->GetUserData() : 0;
}

void CColorTreeCtrl::FreeRecord(CColorTreeItem* pRecord)
{
    m_setKnown.erase(pRecord);
    delete pRecord;
}

void CColorTreeCtrl::FreeAllRecords()
{
    for (INT_PTR i = 0; i < m_arItems.GetSize(); i++)
        delete static_cast<CColorTreeItem*>(m_arItems[i]);
    m_arItems.RemoveAll();
    // Pointers given to SetItemDatas are forgotten too: no item is left to hold them.
    m_setKnown.clear();
}

/////////////////////////////////////////////////////////////////////////////
// Appearance

void CColorTreeCtrl::SetItemColors(HTREEITEM hItem, COLORREF crBackSelected, COLORREF crBack,
                                   COLORREF crTextSelected, COLORREF crText)
{
    CColorTreeItem* pRecord = GetItemDatas(hItem);
    if (pRecord == nullptr)
        return;
    if (crBackSelected == pRecord->m_crBackSelected && crBack == pRecord->m_crBack &&
        crTextSelected == pRecord->m_crTextSelected && crText == pRecord->m_crText)
        return;
    pRecord->m_crBackSelected = crBackSelected;
    pRecord->m_crBack = crBack;
    pRecord->m_crTextSelected = crTextSelected;
    pRecord->m_crText = crText;
    InvalidateBand(hItem);
}

void CColorTreeCtrl::SetItemBold(HTREEITEM hItem, int nBold)
{
    CColorTreeItem* pRecord = GetItemDatas(hItem);
    if (pRecord == nullptr || pRecord->m_nBold == nBold)
        return;
    pRecord->m_nBold = nBold;
    InvalidateBand(hItem);
}

void CColorTreeCtrl::InvalidateBand(HTREEITEM hItem)
{
    CRect rc;
    if (!GetItemRect(hItem, &rc, TRUE))
        return; // not visible: nothing on screen to change
    CRect rcClient;
    GetClientRect(&rcClient);
    rc.left = RootBandLeft(rc.left);
    rc.right = rcClient.right + 1;
    InvalidateRect(&rc, FALSE);
}

/////////////////////////////////////////////////////////////////////////////
// Insertion and deletion

HTREEITEM CColorTreeCtrl::InsertItem(LPTVINSERTSTRUCTA lpInsertStruct)
{
    HTREEITEM hItem = (HTREEITEM)SendMessage(TVM_INSERTITEMA, 0, (LPARAM)lpInsertStruct);
    AddItemInfos(hItem);
    return hItem;
}

HTREEITEM CColorTreeCtrl::InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage,
                                     UINT nState, UINT nStateMask, LPARAM lParam, HTREEITEM hParent,
                                     HTREEITEM hInsertAfter)
{
    HTREEITEM hItem = CTreeCtrl::InsertItem(nMask, lpszItem, nImage, nSelectedImage, nState, nStateMask,
                                            lParam, hParent, hInsertAfter);
    AddItemInfos(hItem);
    return hItem;
}

HTREEITEM CColorTreeCtrl::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter)
{
    HTREEITEM hItem = CTreeCtrl::InsertItem(TVIF_TEXT, lpszItem, 0, 0, 0, 0, 0, hParent, hInsertAfter);
    AddItemInfos(hItem);
    return hItem;
}

HTREEITEM CColorTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                     HTREEITEM hInsertAfter)
{
    HTREEITEM hItem = CTreeCtrl::InsertItem(TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE, lpszItem, nImage,
                                            nSelectedImage, 0, 0, 0, hParent, hInsertAfter);
    AddItemInfos(hItem);
    return hItem;
}

void CColorTreeCtrl::DeleteItem(HTREEITEM hItem)
{
    if (hItem == nullptr)
        return;
    for (INT_PTR i = 0; i < m_arItems.GetSize(); i++) {
        CColorTreeItem* pRecord = static_cast<CColorTreeItem*>(m_arItems[i]);
        if (pRecord->m_hItem != hItem)
            continue;
        FreeRecord(pRecord);
        m_arItems.RemoveAt(i);
        SendMessage(TVM_DELETEITEM, 0, (LPARAM)hItem);
        Invalidate(FALSE);
        return;
    }
}

void CColorTreeCtrl::DeleteAllItems()
{
    FreeAllRecords();
    SendMessage(TVM_DELETEITEM, 0, (LPARAM)TVI_ROOT);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

void CColorTreeCtrl::OnClick(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    HTREEITEM hItem = HitTest(pt);
    if (hItem == nullptr)
        return;
    SendMessage(TVM_SELECTITEM, TVGN_CARET, (LPARAM)hItem);
    *pResult = 0;
}

void CColorTreeCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClip;
    dc.GetClipBox(&rcClip);
    if (GetCount() == 0 || rcClip.IsRectEmpty())
        return;

    // The tree's own drawing, off-screen over the area to repaint.
    CMemDC memDC(&dc);
    DefWindowProc(WM_PAINT, (WPARAM)memDC.m_hDC, 0);

    // The two fonts of this paint, from the tree's font.
    LOGFONTA lf = {};
    HFONT hTreeFont = (HFONT)SendMessage(WM_GETFONT, 0, 0);
    if (hTreeFont == nullptr || ::GetObjectA(hTreeFont, sizeof(lf), &lf) != sizeof(lf))
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    CFont fontNormal, fontBold;
    fontNormal.CreateFontIndirect(&lf);
    lf.lfWeight = FW_BOLD;
    fontBold.CreateFontIndirect(&lf);

    CRect rcClient;
    GetClientRect(&rcClient);
    const COLORREF crShadow = ::GetSysColor(COLOR_3DSHADOW);

    // The visible rows, plus one for a partly visible last row.
    UINT nLeft = GetVisibleCount() + 1;
    for (HTREEITEM hItem = GetFirstVisibleItem(); hItem != nullptr && nLeft > 0;
         hItem = GetNextVisibleItem(hItem), nLeft--) {
        const bool bRoot = GetParentItem(hItem) == nullptr;
        const bool bSelected = (GetItemState(hItem, TVIS_SELECTED) & TVIS_SELECTED) != 0;
        const ItemLook look = LookOf(GetItemDatas(hItem), bRoot, bSelected);

        // Measured with the font the memory DC holds between items.
        const CString strText = GetItemText(hItem);
        CSize sz(0, 0);
        ::GetTextExtentPoint32A(memDC.m_hDC, strText, strText.GetLength(), &sz);

        CRect rc;
        if (!GetItemRect(hItem, &rc, TRUE))
            continue;
        if (bRoot)
            rc.left = RootBandLeft(rc.left);
        const CRect rcBand(rc.left, rc.top, bRoot ? rcClient.right + 1 : rcClient.right, rc.bottom);

        CBrush brush;
        brush.CreateSolidBrush(look.crBack);
        memDC.FillRect(&rcBand, &brush);
        brush.DeleteObject();
        memDC.SetBkColor(look.crBack);
        memDC.SetTextColor(look.crText);
        CFont* pOldFont = memDC.SelectObject(look.bBold ? &fontBold : &fontNormal);
        memDC.TextOut(rc.left + 2, rc.top + (rc.Height() - sz.cy) / 2, strText);
        memDC.SelectObject(pOldFont);

        if (bRoot && m_bFrameRootItems)
            memDC.Draw3dRect(&rcBand, look.crBack, crShadow);
    }
    fontNormal.DeleteObject();
    fontBold.DeleteObject();
    // memDC copies the area to repaint onto the screen as it goes.
}
