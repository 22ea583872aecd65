// CustomSliderCtrl.h: a range slider. A channel stands for an integer range
// and a selected sub-range is drawn over it; the user drags the selection's
// body or either end's thumb, clicks the channel beyond an end to step it
// by one unit, and double-clicks to select the whole range.
#pragma once

#include "CustomSliderState.h"
#include "Quillon.h"

// CCustomSliderCtrl: attach it to a placeholder of a dialog template by
// subclassing (DDX_Control or SubclassDlgItem); it has no Create. The
// placeholder's class must pass mouse input and double clicks: a "Static"
// with SS_NOTIFY does. Orientation is decided at attachment: horizontal
// when the client area is at least as wide as it is high. The placeholder's
// style bits pick the thumbs: 0x8 (TBS_BOTH) rounded rectangles, else 0x4
// (TBS_TOP / TBS_LEFT) pointing up / left, else pointing down / right.
//
// Notifications: two registered messages, unique to each slider because
// its window handle is part of their names, posted to the parent with
// wParam = the slider's HWND and lParam = 0. Ask GetMsg_Changing /
// GetMsg_Changed after attachment. "Changing" follows every change by a
// click step or a drag movement (after the repaint); "changed" follows the
// end of every drag. SetRange, SetSel and a double click post nothing.
//
// Buttons: the left button steps the clicked end toward the click and
// drags one end or the body; the right button steps the end away from the
// click, drags both ends symmetrically from a thumb, and moves each end on
// its own from the body. The pointer is confined to the control during a
// drag.
//
// Decisions where the behaviour was open:
//  - A reversed vertical slider (ReverseVert_Get true, the default) has its
//    minimum at the top for drawing and for the mouse alike, whichever
//    thumbs are enabled.
//  - A range whose max - min is 0 or negative has no scale: nothing is
//    divided by zero, no selection and no thumb is drawn, and the mouse
//    changes nothing (no zone, no step, no drag, no double click).
//  - The layout is computed at attachment, by every paint and before every
//    button down and move, so the mouse works before the first paint and
//    never tests stale rectangles (say, after SetRange, whose repaint waits).
//  - Setters called before attachment only store; they repaint nothing.
//  - Range labels of a vertical slider both sit inside the channel and read
//    upwards: the lower one starts 2 pixels above the bottom, the upper one
//    ends 2 pixels below the top.
//  - Painting goes through an off-screen CMemDC: same pixels, no flicker.
class AFX_EXT_CLASS CCustomSliderCtrl : public CWnd, protected CCustomSliderState
{
    // Construction
public:
    CCustomSliderCtrl(); // defaults, derived shades, pens and brush; no window yet
    virtual ~CCustomSliderCtrl();

    // Attributes
public:
    unsigned int GetMsg_Changed();  // registered "changed" message; 0 before attachment
    unsigned int GetMsg_Changing(); // registered "changing" message; 0 before attachment

    // Stores both bounds as given, clips the selection into them (a selection
    // wholly outside becomes the whole range) and invalidates.
    void SetRange(int nMin, int nMax);
    // Each end on its own: taken when inside the range and on its side of the
    // other argument, clipped to the range end when beyond it, else kept.
    // Repaints at once when an end was assigned.
    void SetSel(int nMin, int nMax);
    int GetRangeMin();
    int GetRangeMax();
    int GetSelMin();
    int GetSelMax();

    // Behaviour switches: no repaint, and no way back.
    void Disable_Move();
    void Disable_Resize_Min();
    void Disable_Resize_Max();
    bool ReverseVert_Set(bool b); // vertical: true puts the minimum at the top; returns b
    bool ReverseVert_Get();
    void SetControlType(enum_csc_ctrl_type e); // overlay kind; no repaint

    // Colours (0x00BBGGRR). The thumb and selection colours rebuild the pens,
    // the background colour the brush; those three repaint at once, the
    // channel colour at the next paint.
    void SetChannelColor(unsigned long c);
    void SetThumbColor(unsigned long c);
    void SetSelectionColor(unsigned long c);
    void SetBackgroundColor(unsigned long c);
    unsigned long GetChannelColor();
    unsigned long GetThumbColor();
    unsigned long GetSelectionColor();
    unsigned long GetBackgroundColor();

    // Overridables
protected:
    // Registers the two messages, decides the orientation, creates the font
    // and computes the layout.
    virtual void PreSubclassWindow();

    // Message handlers
protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC); // TRUE, draws nothing: the paint covers every pixel
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message); // cursor of the hover zone; TRUE
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnDestroy(); // ends a drag in progress: the pointer is no longer confined
    DECLARE_MESSAGE_MAP()

    // Implementation
protected:
    // Drawing, from the state; each restores what it selects.
    void DrawChannel(CDC* pDC, const CRect& rect, int nHorizontal); // channel and selection fill
    void DrawHorizontalThumb(CDC* pDC, const int& x, bool bLeft);   // bLeft: m_rcThumbLeftBottom
    void DrawVerticalThumb(CDC* pDC, const int& y, bool bBottom);   // bBottom: below the anchor
    void GetColors();  // the shades from m_crThumb and the system colours
    void CreatePens(); // the seven pens from the current shades
    void DeletePens();
    void CreateBrushes(); // m_brBackground from m_crBackground
    void DeleteBrushes();
    unsigned long LightenColor(unsigned long c, unsigned char a); // per channel min(c + a, 255)
    unsigned long DarkenColor(unsigned long c, unsigned char a);  // per channel max(c - a, 0)

    CPen m_penLight1, m_penLight2, m_penDark1, m_penDark2, m_penMidDark, m_penMidFace, m_penHighlight;
    CBrush m_brBackground;        // solid m_crBackground
    unsigned long m_crSelection;  // selection fill
    unsigned long m_crChannel;    // channel fill
    unsigned long m_crThumb;      // thumb face; the shades derive from it
    unsigned long m_crLight1;     // thumb + 51
    unsigned long m_crLight2;     // thumb + 102
    unsigned long m_crDark1;      // thumb - 51
    unsigned long m_crDark2;      // thumb - 102
    unsigned long m_crMidDark;    // between 3D shadow and 3D dark shadow
    unsigned long m_crMidFace;    // between 3D face and 3D shadow
    unsigned long m_crHighlight;  // 3D highlight
    unsigned long m_crBackground; // everything outside the channel
    CFont m_Font;                 // bold Arial 8 of the overlay texts; upwards when vertical
    LOGFONTA m_LogFont;           // read back from m_Font; zero before attachment

private:
    // The layout for the current client area and overlay (also on attachment
    // and before mouse events).
    CRect Layout(const CString& strOverlay);
    // Repaints now (invalidate with erase, update); nothing before attachment.
    void RepaintNow();
    // The window work a mouse event asks for (CSC_EVT_* bits).
    void Apply(int nEvents);
    // Posts one of the two notifications to the parent.
    void Notify(unsigned int nMsg);
    void DrawLabels(CDC* pDC);
};
