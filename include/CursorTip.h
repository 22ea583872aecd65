// CursorTip.h: a small borderless tip that shows one line of text in a
// framed box just below and to the right of a point of a parent window,
// for instance next to the mouse cursor over a view.
#pragma once

#include "Quillon.h"

// CCursorTip: Create it once, SetText, then Show(point) whenever the tip is
// to appear or move (the point is in the parent's client coordinates) and
// Close to hide it. The box is the text's extent plus 7 by 2 pixels: a
// one-pixel black frame filled with the back colour, the text at (3, 1).
// Its top-left corner lies one pixel right of and below the point, in
// screen terms; it is not kept on the screen near the screen's edges.
//
// Decisions where the behaviour was open:
//  - The window style is WS_POPUP | WS_CHILD | WS_CLIPSIBLINGS. Windows and
//    Wine make that a pop-up owned by the parent's top-level window, which
//    is what the placement's screen coordinates expect. Should a platform
//    make it a child instead, the screen point is mapped into that parent's
//    client area, so the tip still lands next to the point.
//  - The box is drawn off-screen (CMemDC) and copied in one piece.
class AFX_EXT_CLASS CCursorTip : public CWnd
{
    DECLARE_DYNAMIC(CCursorTip)

    // Construction
public:
    CCursorTip(); // info-tip system colours, no text, no window
    virtual ~CCursorTip();
    // Creates the font ("MS Sans Serif", 15) and the hidden window; pParent
    // is not owned. Non-zero on success.
    int Create(CWnd* pParent);

    // Attributes
public:
    void SetText(const CString& s);     // trailing white space removed; no redraw: Show again
    bool GetTipSize(CSize& size);       // the size Show gives the window; false, (0, 0) without a DC
    void SetTextColor(unsigned long c); // repaints a shown tip at once
    void SetBackColor(unsigned long c); // repaints a shown tip at once
    unsigned long GetTextColor();
    unsigned long GetBackColor();

    // Operations
public:
    int Show(const CPoint& pt); // draws and places the tip for pt; 0 (and nothing done) for an empty text
    void Close();               // hides the tip

    // Message handlers
protected:
    afx_msg void OnPaint(); // draws the tip again for the last point
    DECLARE_MESSAGE_MAP()

    // Implementation
protected:
    CString m_strText;      // shown text, without trailing white space
    CWnd* m_pParent;        // Show's points are in its client coordinates (not owned)
    CPoint m_ptPos;         // the last point given to Show
    CFont m_Font;           // created by Create
    unsigned long m_crBack; // box fill; COLOR_INFOBK by default
    unsigned long m_crText; // text; COLOR_INFOTEXT by default

private:
    // Draws the box and the text, then sizes, places and shows the window.
    void DisplayToolTip(const CPoint& pt);
    // The text's extent in device units, m_Font selected into pDC meanwhile.
    CSize TextExtent(CDC* pDC);
    // Repaints now, if the window exists.
    void RepaintNow();
};
