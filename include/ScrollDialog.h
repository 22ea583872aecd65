// ScrollDialog.h: a dialog base class whose window may be made smaller than
// its template; the hidden part of the content is reached with scroll bars.
#pragma once

#include "Gripper.h"

// CScrollDialog: derive the host dialog from it (or from CResizingDialog)
// and give the template a resizable frame (WS_THICKFRAME).
//
// Scrolling: the client size captured by OnInitDialog is the size of the
// content.  While the client area is smaller, the dialog shows scroll bars
// whose ranges are the hidden amount in units of 8 pixels (horizontal) and
// 4 pixels (vertical), truncated toward zero, and scrolls every child window
// and the painted area by whole units.  A vertical page is the whole
// vertical range; a horizontal page is 8 units.  Every resize scrolls the
// content back to the origin first, then recomputes the bars.
//
// Grip: a CGripper (control id 0xEA20, AFX_IDW_SIZE_BOX) sits in the
// bottom-right corner while nothing needs scrolling and the dialog is not
// maximised, if the gripper is enabled; it follows the corner on each
// resize.  Until the first resize after OnInitDialog (or a call of
// EnableScrolling / EnableGripper) it shows whatever EnableGripper said.
//
// EnableScrolling and EnableGripper called before OnInitDialog has run
// (for instance from the host's constructor, before the window exists) only
// store their value; OnInitDialog then applies it as the call would have
// done, by scrolling to the origin and setting the bars and the grip up.
// ResetScrollbars and SetupScrollbars do nothing without a window.
//
// The dialog has no mouse dragging of its own: the mouse, focus and cursor
// messages it maps go to the default processing.
class AFX_EXT_CLASS CScrollDialog : public CDialog
{
    // Construction
public:
    // The CDialog constructor with both; the gripper and scrolling are on.
    CScrollDialog(UINT nIDTemplate, CWnd* pParentWnd);
    // Destroys the grip window, then the dialog.
    virtual ~CScrollDialog();

    // Operations
protected:
    // Switches scroll-bar management on or off, then scrolls to the origin
    // and sets the bars up again.  Switched off, the bars keep their ranges
    // and the scroll messages still act on them.
    void EnableScrolling(bool bEnable);
    // Shows (true) or hides the grip when no scrolling is needed; then
    // scrolls to the origin and sets the bars up again.
    void EnableGripper(bool bEnable);
    // Scrolls the content back to position (0, 0) and sets both bars to 0.
    void ResetScrollbars();
    // Recomputes the ranges from the current client size, clamps the
    // positions, updates both bars, shows or hides the grip and moves it to
    // the corner.  Does nothing while scrolling is switched off.
    void SetupScrollbars();

    // Overridables
protected:
    // Does nothing (not even the base class's exchange).
    virtual void DoDataExchange(CDataExchange* pDX);
    // CDialog::OnInitDialog, then captures the client rectangle as the
    // content size and creates the grip; returns TRUE.  A host's override
    // calls it first.
    virtual BOOL OnInitDialog();

    // Message handlers
protected:
    // Line, page, thumb-track, top and bottom moves, clamped to the range.
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    // After OnInitDialog: back to the origin, then the bars set up again.
    afx_msg void OnSize(UINT nType, int cx, int cy);
    // Default processing only.
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

    // Implementation
protected:
    bool m_bGripper;      // show the grip when no scrolling is needed
    bool m_bScrolling;    // scroll-bar management switched on
    int m_nHorzRange;     // (initial - current client width) / 8; <= 0 when nothing is hidden
    int m_nVertRange;     // (initial - current client height) / 4; also a vertical page
    int m_nVertMax;       // largest vertical position: max(m_nVertRange, 0)
    int m_nHorzMax;       // largest horizontal position: max(m_nHorzRange, 0)
    int m_nVertPos;       // current vertical position, 0 .. m_nVertMax (units of 4 pixels)
    int m_nHorzPos;       // current horizontal position, 0 .. m_nHorzMax (units of 8 pixels)
    CRect m_rcOriginal;   // client rectangle at OnInitDialog (left and top 0)
    BOOL m_bInitialized;  // OnInitDialog has run; OnSize does nothing before
    CGripper m_Gripper;   // the size grip, child id AFX_IDW_SIZE_BOX
    bool m_bSetupPending; // EnableScrolling / EnableGripper called before OnInitDialog

private:
    // Moves one bar by nDelta units, clamped to 0 .. nMax; scrolls the content
    // by nUnit pixels per unit.
    void ScrollBy(int nBar, int nDelta, int& nPos, int nMax, int nUnit);

    CScrollDialog(const CScrollDialog&) = delete;
    CScrollDialog& operator=(const CScrollDialog&) = delete;
};
