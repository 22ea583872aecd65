// ColorTreeItem.h: the record a CColorTreeCtrl keeps for each of its items:
// two background and two text colours (item not selected / selected), a bold
// setting and a value kept for the host.
#pragma once

#include "Quillon.h"

#include <commctrl.h>

// CColorTreeItem: created by CColorTreeCtrl::AddItemInfos for every item the
// tree inserts and owned by the tree; the item's parameter (lParam) points
// to it.  Hosts read and change it through the tree's members, or through
// CColorTreeCtrl::GetItemDatas followed by a repaint of their own.
//
// Colours: any field may hold 0xFFFFFFFF (QUILLON_SYSCOLOR), which paints as
// the system colour of the case (see ColorTreeCtrl.h); a new record holds 0
// (black) in all four.
// Bold: -1 follows the item's level (root items bold, others normal),
// 0 normal weight, 1 bold.
class AFX_EXT_CLASS CColorTreeItem
{
    // Construction
public:
    // Bold starts at -1 and the host value at 0.
    CColorTreeItem(HTREEITEM hItem, COLORREF crBack, COLORREF crBackSelected, COLORREF crText,
                   COLORREF crTextSelected)
        : m_crBack(crBack), m_crBackSelected(crBackSelected), m_crText(crText),
          m_crTextSelected(crTextSelected), m_nBold(-1), m_hItem(hItem), m_dwUserData(0)
    {}
    // Releases nothing but the record itself.
    virtual ~CColorTreeItem() {}

    // Attributes
public:
    COLORREF GetBackColor(bool bSelected) const { return bSelected ? m_crBackSelected : m_crBack; }
    void SetBackColor(COLORREF cr, bool bSelected) { (bSelected ? m_crBackSelected : m_crBack) = cr; }
    COLORREF GetTextColor(bool bSelected) const { return bSelected ? m_crTextSelected : m_crText; }
    void SetTextColor(COLORREF cr, bool bSelected) { (bSelected ? m_crTextSelected : m_crText) = cr; }
    int GetBold() const { return m_nBold; }
    void SetBold(int nBold) { m_nBold = nBold; }
    HTREEITEM GetItem() const { return m_hItem; }
    unsigned long GetUserData() const { return m_dwUserData; }
    void SetUserData(unsigned long dwData) { m_dwUserData = dwData; }

    // Implementation (public, as a plain record)
public:
    COLORREF m_crBack;         // band background, item not selected
    COLORREF m_crBackSelected; // band background, item selected
    COLORREF m_crText;         // text, item not selected
    COLORREF m_crTextSelected; // text, item selected
    int m_nBold;               // -1 level's default, 0 normal, 1 bold
    HTREEITEM m_hItem;         // the item this record belongs to (null if its insertion failed)
    DWORD m_dwUserData;        // the host's value
};
