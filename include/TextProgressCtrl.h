// TextProgressCtrl.h: a progress bar that paints itself, with a solid or
// gradient bar and a text that changes colour exactly at the bar's edge.
#pragma once

#include "Quillon.h"

#include <afxcmn.h>

// CTextProgressCtrl: create it or subclass a progress control of a dialog.
//
// Range and position are the control's own: SetRange, SetPos and friends
// keep them in members and never ask the native control, whose range and
// position are not used for drawing.  A PBM_SETPOS from any sender (so
// CProgressCtrl::SetPos as well) is routed to SetPos; it answers with the
// native control's position.  Positions are not clamped: above the range the
// bar is cut off by the window edge and the percentage exceeds 100, below it
// the bar is empty.  A range whose maximum equals its minimum is an empty bar:
// SetPos takes its width as 0 and painting draws nothing.
//
// Painting: the filled part is [left, left + trunc(width * fraction)) in one
// colour, or a left-to-right gradient of up to 255 stripes when the two bar
// colours differ (the last stripe is one step short of the right colour).
// The text (the window text, else the percentage "42%") is drawn twice,
// clipped to the filled part in GetTxtBkColor() and to the empty part in
// GetTxtFgColor().  Everything goes through CMemDC; WM_ERASEBKGND erases
// nothing.  SetPos repaints at once (RedrawWindow, RDW_UPDATENOW) only when
// the bar's edge moves by at least one pixel, so a percentage may lag a step.
//
// Window text: SetWindowText / GetWindowText address the control's own text
// (WM_SETTEXT is also stored by the native window).  None of the colour
// setters repaints; the host invalidates or sets a position.
class AFX_EXT_CLASS CTextProgressCtrl : public CProgressCtrl
{
    // Construction
public:
    CTextProgressCtrl(); // range 0..100, step 1, system highlight / window colours
    virtual ~CTextProgressCtrl();

    // Attributes
public:
    void SetFgColor(COLORREF crBar);                    // a plain bar
    void SetFgColor(COLORREF crLeft, COLORREF crRight); // a gradient when they differ
    COLORREF GetFgColor();                              // the left bar colour
    COLORREF GetFgColor1();                             // the left bar colour
    COLORREF GetFgColor2();                             // the right bar colour
    void SetBkColor(COLORREF crBk);                     // the empty part
    COLORREF GetBkColor();
    void SetTxtFgColor(COLORREF crText); // text over the empty part
    COLORREF GetTxtFgColor();
    void SetTxtBkColor(COLORREF crText); // text over the filled part
    COLORREF GetTxtBkColor();
    void SetShowText(bool bShow);     // invalidates when it changes
    void SetTextAlign(DWORD dwAlign); // DT_LEFT, DT_CENTER or DT_RIGHT
    void SetFontExt(CFont* pFont);    // not owned; null = the DC's font
    void SetCursor(DWORD nCursorID);  // cursor resource id; 0 = default
    DWORD GetCursor();

    // Operations
public:
    void SetRange(int nLower, int nUpper);   // no check, no repaint
    void SetRange32(int nLower, int nUpper); // the same as SetRange
    int SetPos(int nPos);                    // the old position; -1 without a window
    int OffsetPos(int nPos);                 // SetPos(position + nPos)
    int StepIt();                            // SetPos(position + step)
    int SetStep(int nStep);                  // the old step

    // Message handlers
protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetPos(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // Implementation
protected:
    int m_nPos;             // current position
    int m_nStepSize;        // step of StepIt
    int m_nMax;             // upper end of the range
    int m_nMin;             // lower end of the range
    int m_nBarWidth;        // filled width at the last SetPos; -1 forces the next one to repaint
    bool m_bShowText;       // the text is drawn
    CString m_strText;      // the text; empty = the percentage
    COLORREF m_crBarClr1;   // bar colour at the left end
    COLORREF m_crBarClr2;   // bar colour at the right end
    COLORREF m_crBgClr;     // colour of the empty part
    COLORREF m_crTextClr;   // text colour over the empty part
    COLORREF m_crTextBkClr; // text colour over the filled part
    DWORD m_dwTextAlign;    // DT_LEFT, DT_CENTER or DT_RIGHT
    DWORD m_nCursorID;      // cursor resource id; 0 = default cursor
    CFont* m_pFont;         // font of the text (not owned); null = the DC's font

    // (m_nPos - m_nMin) / (m_nMax - m_nMin); 0 for an empty range.
    double Fraction() const;
};
