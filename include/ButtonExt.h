// ButtonExt.h: an owner-drawn push button with active and inactive icons, a
// flat hot-tracking style, four colours, its own cursor, a tool tip and a
// transparent mode.
#pragma once

#include "Quillon.h"

#include <afxcmn.h>

// CButtonExt: subclass a push button of a dialog (or Create one); the
// button becomes BS_OWNERDRAW and paints itself through CMemDC.
//
// Active and inactive: the button is active while the mouse is over a flat
// button (hot) or while it is pressed; the active look uses the active
// colours and icon, otherwise the inactive ones.
//
// Hot tracking (flat style only): the first WM_MOUSEMOVE over the button,
// while the application has an active window, makes it hot and captures the
// mouse; a later move that finds another window under the cursor makes it
// cold again and releases the capture, unless the left button is down (a
// press that slides off keeps the capture until release).  Focus loss and a
// capture taken by another window end the hot look as well.
//
// Icons: SetIcon loads the icons from the resource module that holds the
// active id (AfxFindResourceHandle) and owns them: they are destroyed when
// SetIcon replaces them and when the button is destroyed (a shared handle
// once).  The icon size is taken from the icon's hot spot (its centre), and
// the colour and mask bitmaps that GetIconInfo hands out are deleted at once.
// The cursor of SetBtnCursor is owned the same way.
//
// Tool tip: created on first need with the button as parent, inactive until
// SetTooltipText or ActivateTooltip activates it; one tool, id 1, over the
// button's client rectangle at the moment it is added.  Before the button
// has a window SetTooltipText and ActivateTooltip do nothing.
//
// Transparent mode: the first paint takes a snapshot of the parent's pixels
// under the button and every paint shows it as the background; it is never
// refreshed, so a button that moves keeps its first background.  The
// platform erases an owner-drawn button with the parent's WM_CTLCOLORBTN
// brush just before it paints; the button answers that (reflected) request
// with a hollow brush while transparent, so that the snapshot holds the
// parent's pixels.  A parent that is not a framework window does not reflect
// it and must answer WM_CTLCOLORBTN with a hollow brush itself.
//
// Repaint arguments: the colour and focus setters repaint only when their
// BOOL argument is exactly 1.  A double click acts as two clicks.
class AFX_EXT_CLASS CButtonExt : public CButton
{
    // Construction
public:
    CButtonExt(); // flat, icon left, text shown, system button colours
    virtual ~CButtonExt();

    // Attributes
public:
    BOOL SetBtnCursor(int nCursorId = -1); // -1 = none (TRUE); else whether it loaded
    void SetFlat(BOOL bState = TRUE);      // invalidates
    BOOL GetFlat();
    void SetAlign(int nAlign); // 0 = icon left, 1 = icon above; others ignored; invalidates
    int GetAlign();
    void DrawBorder(BOOL bEnable = TRUE); // the flat style's thin border; no repaint
    void SetShowText(BOOL bShow = TRUE);  // invalidates
    BOOL GetShowText();
    void SetFlatFocus(BOOL bDrawFlatFocus, BOOL bRepaint = FALSE); // focus rectangle when flat
    BOOL GetFlatFocus();
    void DrawTransparent(); // paints the parent's background from now on; no repaint
    BOOL GetDefault();      // the button had BS_DEFPUSHBUTTON when subclassed

    void SetInactiveBgColor(COLORREF crNew, BOOL bRepaint = TRUE);
    void SetInactiveFgColor(COLORREF crNew, BOOL bRepaint = TRUE);
    void SetActiveBgColor(COLORREF crNew, BOOL bRepaint = TRUE);
    void SetActiveFgColor(COLORREF crNew, BOOL bRepaint = TRUE);
    void SetDefaultInactiveBgColor(BOOL bRepaint = FALSE); // COLOR_BTNFACE
    void SetDefaultInactiveFgColor(BOOL bRepaint = FALSE); // COLOR_BTNTEXT
    void SetDefaultActiveBgColor(BOOL bRepaint = FALSE);   // COLOR_BTNFACE
    void SetDefaultActiveFgColor(BOOL bRepaint = FALSE);   // COLOR_BTNTEXT
    COLORREF GetInactiveBgColor();
    COLORREF GetInactiveFgColor();
    COLORREF GetActiveBgColor();
    COLORREF GetActiveFgColor();

    // Operations
public:
    // Icon resources; nIconInactive 0 = the active icon for both looks.
    void SetIcon(int nIconActive, int nIconInactive = 0);
    // A null text is ignored; bActivate switches the tool tip on or off.
    void SetTooltipText(CString* spText, BOOL bActivate = TRUE);
    // A string resource; an empty or missing string changes nothing.
    void SetTooltipText(int nId, BOOL bActivate = TRUE);
    void ActivateTooltip(BOOL bEnable = TRUE); // only once a tool exists

    // Overridables
public:
    // Relays every message to the tool tip (creating it if needed).
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDIS);

protected:
    virtual void PreSubclassWindow(); // remembers BS_DEFPUSHBUTTON, adds BS_OWNERDRAW
    // WM_LBUTTONDBLCLK goes on as WM_LBUTTONDOWN.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Message handlers
protected:
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    // Reflected WM_CTLCOLORBTN: a hollow brush while transparent, so the
    // button's erase does not cover the parent's pixels; otherwise the
    // parent answers.
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

    // Implementation
protected:
    int m_nAlign;           // 0 = icon left of the caption, 1 = above it
    BOOL m_bShowText;       // draw the caption
    BOOL m_bDrawBorder;     // draw the flat style's border
    BOOL m_bFlat;           // flat style with hot tracking
    BOOL m_bHot;            // the mouse is over the flat button (capture held)
    BOOL m_bFlatFocus;      // focus rectangle in the flat style too
    HCURSOR m_hCursor;      // owned; null = default cursor
    CToolTipCtrl m_ToolTip; // created on first need
    HICON m_hIconActive;    // owned; icon of the active look
    HICON m_hIconInactive;  // owned unless equal to m_hIconActive
    BYTE m_cyIcon;          // icon height
    BYTE m_cxIcon;          // icon width
    CDC m_dcBk;             // holds the background snapshot
    CBitmap m_bmpBk;        // the background snapshot
    CBitmap* m_pOldBmpBk;   // what m_bmpBk replaced in m_dcBk
    BOOL m_bTransparent;    // paint the snapshot instead of the background colour
    BOOL m_bDefault;        // BS_DEFPUSHBUTTON when subclassed
    COLORREF m_crInactiveBg;
    COLORREF m_crInactiveFg;
    COLORREF m_crActiveBg;
    COLORREF m_crActiveFg;

    void InitToolTip();     // creates the tool tip, inactive, if it has no window
    void PaintBk(CDC* pDC); // the background snapshot at (0, 0)
    void DrawTheIcon(CDC* pDC, const CString& strCaption, const CRect& rcItem, CRect* prcCaption,
                     BOOL bPressed, BOOL bDisabled);

private:
    void Repaint();      // invalidates the whole button with erase, if it has a window
    void ReleaseIcons(); // destroys the owned icons and clears them
};
