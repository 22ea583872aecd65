// ColorStatic.h: a font static with its own text and background colours,
// a transparent mode and blinking of either colour.
#pragma once

#include "FontStatic.h"

// CColorStatic: colours reach the platform's static control through the
// reflected WM_CTLCOLOR (CtlColor), so the parent needs no code for them.
//
// Colours: 0xFFFFFFFF passed to SetTextColor / SetBkColor stands for the
// system button-text / button-face colour.  Each background colour has a
// solid brush that is replaced whenever the colour changes.
//
// Blinking: one window timer, id 1, serves both kinds.  Each start call
// kills the running timer and, when its mode is 1, starts it again with its
// own period, so the kind started last sets the pace of both; a start call
// with another mode leaves no timer and the other kind freezes in its phase.
// Periods by argument (text / background): 0 -> 500 / 2000 ms,
// 1 -> 100 / 1000 ms, 2 -> 50 / 500 ms, any other value -> that many ms.
// The phase colours default to the colours at construction time; later
// SetTextColor / SetBkColor calls do not change them.  A start call made
// before the window exists stores the mode and period; the timer starts the
// first time the window asks for its colours (its first paint).
//
// Notification: with EnableNotify(target, msg) the control posts msg to the
// target on each tick after which a phase is 1, wParam = its dialog control
// id, lParam = 0.  A target whose window does not exist (any more) is
// skipped.
class AFX_EXT_CLASS CColorStatic : public CFontStatic
{
    DECLARE_DYNAMIC(CColorStatic)

    // Construction
public:
    CColorStatic(); // creates the three brushes
    virtual ~CColorStatic();

    // Attributes
public:
    void SetTextColor(COLORREF crText); // 0xFFFFFFFF: COLOR_BTNTEXT
    COLORREF GetTextColor();
    void SetBkColor(COLORREF crBk); // 0xFFFFFFFF: COLOR_BTNFACE
    COLORREF GetBkColor();
    void SetBlinkTextColors(COLORREF crPhase0, COLORREF crPhase1); // no repaint
    void SetBlinkBkColors(COLORREF crPhase0, COLORREF crPhase1);
    void SetTransparent(bool bTransparent);
    bool IsTransparent();

    // Operations
public:
    // nMode 1 starts blinking, any other value stops it; nPeriod as above.
    void StartTextBlink(int nMode, UINT nPeriod);
    void StartBkBlink(int nMode, UINT nPeriod);
    // A null target switches the notification off.
    void EnableNotify(CWnd* pNotifyWnd, UINT nNotifyMsg);

    // Overridables
public:
    virtual BOOL DestroyWindow();

    // Message handlers
protected:
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    // Implementation
protected:
    UINT m_nTimerID;           // what SetTimer returned for timer 1; 0 while no timer runs
    COLORREF m_crText;         // steady text colour
    COLORREF m_crBlinkText[2]; // text colour in phase 0 and 1
    int m_nTextBlink;          // 1 = text blinking, any other value = not
    int m_nTextBlinkPhase;     // 0 or 1
    COLORREF m_crBk;           // steady background colour
    COLORREF m_crBlinkBk[2];   // background colour in phase 0 and 1
    int m_nBkBlink;            // 1 = background blinking, any other value = not
    int m_nBkBlinkPhase;       // 0 or 1
    CBrush m_brBk;             // solid brush of m_crBk
    CBrush m_brBlinkBk[2];     // solid brushes of m_crBlinkBk[0] and [1]
    CWnd* m_pNotifyWnd;        // receives the blink notification (not owned); null = none
    UINT m_nNotifyMsg;         // message posted to m_pNotifyWnd; WM_USER by default
    bool m_bTransparent;       // no background of its own (unless the background blinks)
    UINT m_nPendingPeriod;     // period of a blink started before the window existed; 0 = none

    // Kills the blink timer, if any, and starts it again at nPeriod ms when bRun.
    void RestartBlinkTimer(bool bRun, UINT nPeriod);
};
