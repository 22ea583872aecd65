// TitledMenu.h: a popup menu whose first item is a title bar drawn in the
// inactive-caption colours, followed by a separator.
#pragma once

#include "Quillon.h"

// CTitledMenu: create or attach the popup menu in the object (CreatePopupMenu,
// LoadMenu + GetSubMenu/Attach, ...), call AddMenuTitle, then track the menu
// with TrackPopupMenu while the object stays attached.  The title item is
// owner-drawn: the owner window's WM_MEASUREITEM / WM_DRAWITEM reach
// MeasureItem and DrawItem through the framework's menu owner-draw routing
// (CWnd::OnMeasureItem / OnDrawItem look the menu up by handle).
//
// The title item: position 0, flags MF_OWNERDRAW | MF_DISABLED, command id
// the number registered for "Pop Up Menu Title" (the same in every menu on
// the desktop, so a host can recognise it), item data the title text.  It is
// drawn the same way in every state: COLOR_INACTIVECAPTION background, a
// sunken outer edge, COLOR_CAPTIONTEXT text in the bold title font, indented
// by the width of a check mark + 8 pixels and centred vertically.
//
// Decisions:
// - Calling AddMenuTitle again inserts a second title and separator above
//   the first; every title item then draws (and measures) the newest title,
//   since the object keeps one title text.  The item data of an older title
//   item is no longer meaningful once the title changed.
// - MeasureItem and DrawItem serve whatever owner-drawn item the routing
//   hands them: this class owner-draws only its title.  A derived class with
//   owner-drawn items of its own tests itemID against m_nTitleID and calls
//   the base for the title.
// - MeasureItem measures on a screen DC obtained and released within the call.
// - Without a title font (no ANSI_VAR_FONT, or its LOGFONT unreadable) the
//   title is measured and drawn in the DC's current font.
class AFX_EXT_CLASS CTitledMenu : public CMenu
{
    // Construction
public:
    CTitledMenu(); // makes the title font and registers the title id
    // Deletes the title font, then destroys the menu.
    virtual ~CTitledMenu();

    // Operations
public:
    // Inserts the title item at position 0 and a separator at position 1;
    // the menu must exist (asserts otherwise).
    void AddMenuTitle(const char* lpszTitle);

    // Overridables
public:
    // Item size: title width + SM_CXMENUCHECK + 10, title height + 8.
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    // Draws the title into the item's rectangle; the DC comes back as lent.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

    // Implementation
protected:
    CFont m_TitleFont;  // bold ANSI_VAR_FONT; no handle when it could not be made
    CString m_strTitle; // text of the newest title
    UINT m_nTitleID;    // command id of title items: the number registered for "Pop Up Menu Title"

    // A bold copy of the stock ANSI_VAR_FONT (the caller owns it), or NULL.
    HFONT CreatePopupMenuTitleFont();
};
