// ColorTreeCtrl.h: a tree view whose items carry their own colours, bold
// setting and host value, painted off-screen over the tree's own drawing.
#pragma once

#include "ColorTreeItem.h"

#include <afxcmn.h>
#include <afxcoll.h>

#include <unordered_set>

// CColorTreeCtrl: subclass a tree control of a dialog template, or Create it
// as a CTreeCtrl; there is no creation logic of its own.
//
// Records: every InsertItem overload inserts the item and then gives it a
// CColorTreeItem (AddItemInfos), whose pointer becomes the item's parameter.
// The tree owns the records: one is freed by DeleteItem of its item, all of
// them by DeleteAllItems and by the destructor (not when the window alone is
// destroyed: a window destroyed and created again in the same object keeps
// the old records until DeleteAllItems or destruction).  Records of the
// descendants of a deleted item stay in m_arItems until then too.  The item's
// parameter is the tree's: hosts keep their own value with SetUserData, never
// with SetItemData.
//
// Painting: the tree draws itself into a memory DC; then every visible item
// gets a band from its label to the right edge in its record's colours, its
// text in its colour and weight, and the result reaches the screen in one
// copy (CMemDC, over the area to repaint).  The bands use the tree's font
// (WM_GETFONT; DEFAULT_GUI_FONT when it has none) at normal weight and at
// weight 700; each label is centred in its row by the height of the font the
// memory DC holds between items.  Defaults for the colour 0xFFFFFFFF:
//                      root item                     other item
//   background         COLOR_3DFACE                  COLOR_WINDOW
//   selected bg        COLOR_3DFACE + 0x20 per       COLOR_HIGHLIGHT
//                      channel, clamped at 255
//   text / selected    COLOR_BTNTEXT                 COLOR_WINDOWTEXT / COLOR_HIGHLIGHTTEXT
//   bold -1            bold                          normal
// A root item's band starts 3 pixels left of its label (never left of x = 0),
// runs one pixel past the client area and, while m_bFrameRootItems, carries a
// 3D frame (its own colour top-left, COLOR_3DSHADOW bottom-right).  A new
// record holds 0 in all four colours: black band, black text.
//
// Items without a record (inserted around this class, e.g. by a raw
// TVM_INSERTITEM, or given a parameter by SetItemData) never crash the tree:
// GetItemDatas returns null for a parameter that is not one of the tree's
// records nor a pointer given to SetItemDatas; such an item paints as if all
// its colours were 0xFFFFFFFF with bold -1, GetUserData returns 0, and
// SetUserData, SetItemColors and SetItemBold leave it alone (SetUserData
// returns false).  AddItemInfos gives it a record.
class AFX_EXT_CLASS CColorTreeCtrl : public CTreeCtrl
{
    // Construction
public:
    CColorTreeCtrl();
    // Frees every record; the window's items go with the window.
    virtual ~CColorTreeCtrl();

    // Attributes
public:
    // Every record the tree created, in creation order; the tree owns them.
    // Read-only for hosts.
    CPtrArray m_arItems;
    // Root items get a 3D frame around their band; true by default, no
    // member changes it (a host may set it before painting).
    bool m_bFrameRootItems;

    // h's record; null when h has none (see above).
    CColorTreeItem* GetItemDatas(HTREEITEM hItem);
    // Sets h's parameter to pRecord (TVIF_PARAM); returns the result of that
    // call.  m_arItems is not touched: the tree does not own pRecord.
    int SetItemDatas(HTREEITEM hItem, CColorTreeItem* pRecord);
    // Stores dwData in h's record; false when h has no record.
    bool SetUserData(HTREEITEM hItem, unsigned long dwData);
    // The host value of h's record; 0 when h has none.
    unsigned long GetUserData(HTREEITEM hItem);

    // Operations
public:
    // Note the order: the selected variant first in each pair.  Repaints the
    // item's band (without erase) only when one of the four changed.
    void SetItemColors(HTREEITEM hItem, COLORREF crBackSelected, COLORREF crBack, COLORREF crTextSelected,
                       COLORREF crText);
    // 0 normal, 1 bold, -1 the level's default; repaints the band on a change.
    void SetItemBold(HTREEITEM hItem, int nBold);
    // Creates a record for hItem (all colours 0), appends it to m_arItems and
    // makes it hItem's parameter.  Called twice for one item, it leaves two
    // records in the list, the item pointing to the second.
    void AddItemInfos(HTREEITEM hItem);

    // Overridables
public:
    // Each inserts as CTreeCtrl does, then calls AddItemInfos with the handle
    // returned (a failed insertion keeps a record with a null item).
    virtual HTREEITEM InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage,
                                 HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    virtual HTREEITEM InsertItem(LPCTSTR lpszItem, HTREEITEM hParent = TVI_ROOT,
                                 HTREEITEM hInsertAfter = TVI_LAST);
    // A parameter given with TVIF_PARAM is replaced by the record pointer.
    // lParam is LPARAM: long on the 32-bit build, as in MFC.
    virtual HTREEITEM InsertItem(UINT nMask, LPCTSTR lpszItem, int nImage, int nSelectedImage, UINT nState,
                                 UINT nStateMask, LPARAM lParam, HTREEITEM hParent, HTREEITEM hInsertAfter);
    // Sends TVM_INSERTITEMA with the structure unchanged.
    virtual HTREEITEM InsertItem(LPTVINSERTSTRUCTA lpInsertStruct);
    // Frees the first record in m_arItems whose item is hItem, then deletes
    // the item (and its subtree) and repaints.  Does nothing for a null
    // handle or an item without a record in the list.
    virtual void DeleteItem(HTREEITEM hItem);
    // Frees every record, then deletes every item.
    virtual void DeleteAllItems();

protected:
    // Calls the base only.
    virtual void PreSubclassWindow();

    // Message handlers
protected:
    // Paints the tree off-screen, then each visible item's band over it.
    afx_msg void OnPaint();
    // Reflected NM_CLICK: selects the item under the cursor at once, even
    // when the click fell right of its label.
    afx_msg void OnClick(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

    // Implementation
private:
    // Records the tree created and pointers given to SetItemDatas: the only
    // parameters GetItemDatas takes for records.
    std::unordered_set<const void*> m_setKnown;

    // Invalidates (without erase) the band SetItemColors / SetItemBold change.
    void InvalidateBand(HTREEITEM hItem);
    // Frees one record of m_arItems and forgets it.
    void FreeRecord(CColorTreeItem* pRecord);
    // Frees every record of m_arItems, empties it and forgets every pointer.
    void FreeAllRecords();
};
