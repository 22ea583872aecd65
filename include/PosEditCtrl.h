// PosEditCtrl.h: entry of one coordinate (latitude, longitude or a metric
// coordinate) in one of four notations, with a hemisphere button and a unit.
#pragma once

#include <afxwin.h>
#include <afxtempl.h>

#include "ColorStatic.h"
#include "MaskedEdit.h"
#include "PosFormat.h"

// CPosEditCtrl: a composite that a host attaches to a placeholder item of a
// dialog template by subclassing (there is no Create). At subclassing it
// builds three children inside its client area:
//   - a CMaskedEdit for the digits (left part, all but 20 pixels);
//   - a push button showing the hemisphere symbol (right 20 pixels, in the
//     geographic notations; a click flips the sign);
//   - a CColorStatic showing the unit "m" or "ft" (same place, metric only).
// The notation is switched from a context menu (right click) or by
// ChangeFormat; controls linked with SynchroWith follow the change through a
// posted registered message. The eight numbers used as child ids, messages
// and menu commands are registered window messages, so edits and displays
// (CPosStatic) understand each other without a shared header.
//
// Two choices of this implementation:
//   - The range filter starts as [-180, 180], so geographic values are
//     accepted before the host calls SetRange (a range of one point would
//     silently drop every value but -180).
//   - The children follow later size changes of the control (WM_SIZE lays
//     them out again), so a control in a resizing dialog stays usable.
//
// Bad arguments are refused, never fatal: ChangeFormat with a notation
// outside 0-3 and ForcePosType with a type other than 0 or 1 (for example
// read back from a hand-edited profile) change nothing and return. So is a
// notation outside 0-3 arriving in the synchronisation message (from any
// window of the desktop). SetCurValue(double, PosFormat) ignores such a
// notation and shows the value in the current one; SetCurValue(double,
// PosType) with another type changes no notation.
//
// Before subclassing, SetRange, SetSymbols, DisplayFeet and SynchroWith
// store; the value and notation calls store too and are shown when the
// control is subclassed; SetReadOnly and AdjustFont work on the children and
// do nothing before them.
//
// Keyboard: the edit field receives only digits, '+', '-', Tab, and for DXX
// and Metric the point; Backspace and letters are dropped. Releasing Tab in
// the field tells the parent (WM_COMMAND with EN_UPDATE in the high word)
// and moves to the next dialog control. Focus changes of the field reach the
// parent as EN_SETFOCUS / EN_KILLFOCUS from this control's id.
//
// At destruction the current notation is written to the application profile,
// section "Position Control", entry "Format"; the library never reads it.
class AFX_EXT_CLASS CPosEditCtrl : public CWnd
{
    // Construction
public:
    CPosEditCtrl();
    virtual ~CPosEditCtrl();

    // Attributes
public:
    PosType GetPosType();
    double GetCurValue();                              // what the children show now, parsed; not stored
    void SetRange(double dMin, double dMax);           // geographic values only; no order check
    void SetSymbols(char chPositive, char chNegative); // shown from the next value or notation change
    void DisplayFeet(bool bFeet);                      // no redraw
    bool DisplayedInFeet();
    void SetReadOnly(bool bReadOnly);
    CColorStatic* GetColorStatic(); // the unit label, for its colours and font

    // Operations
public:
    void SetCurValue(double dValue, PosFormat nFormat);
    void SetCurValue(double dValue, PosType nType);
    void ChangeFormat(PosFormat nFormat, bool bForce);
    void ForcePosType(PosType nType); // nType must be 0 or 1; posts no synchronisation
    void AdjustFont(bool bOwnFont);   // false: the control's font; true: Arial sized to the client height
    void SynchroWith(CPosEditCtrl* pOther); // one-way; not owned

    // Overridables
public:
    virtual BOOL PreTranslateMessage(MSG* pMsg);

protected:
    virtual void PreSubclassWindow();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Message handlers
protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnClose();
    DECLARE_MESSAGE_MAP()

    // Implementation
protected:
    double m_dValue[2];     // stored value per PosType: [0] decimal degrees, [1] metres
    bool m_bModified;       // the user changed the field since the value was last shown
    bool m_bFeet;           // metric value shown and entered in feet
    CString m_strSymbol[2]; // one character each: [0] negative, [1] positive hemisphere
    double m_dMin;          // range filter for geographic values, degrees
    double m_dMax;
    PosType m_nForcedType;                               // POS_TYPE_NONE, or the type the menu keeps to
    PosFormat m_nFormat;                                 // current notation, always 0-3
    UINT m_nEditID;                                      // registered: child id of the edit field
    UINT m_nButtonID;                                    // registered: child id of the hemisphere button
    UINT m_nUnitID;                                      // registered: child id of the unit label
    UINT m_nSynchroMsg;                                  // registered: wParam = new PosFormat, lParam = 0
    CTypedPtrArray<CPtrArray, CPosEditCtrl*> m_aSynchro; // followers, not owned
    UINT m_nCmdDMS;                                      // registered menu command ids
    UINT m_nCmdDMX;
    UINT m_nCmdDXX;
    UINT m_nCmdMetric;
    CMaskedEdit m_Edit;  // the entry field
    CButton m_Button;    // the hemisphere button
    CColorStatic m_Unit; // "m" or "ft"
    CFont m_Font;        // made by AdjustFont(true); empty otherwise
    bool m_bSynchroOn;   // synchronisation messages are posted

    static PosType GetPosType(PosFormat nFormat);
    void SetCurValue(double dValue);
    void RepositionControls();
    bool ChildrenExist() const;
    bool IsButtonPositive(); // the button shows the positive symbol (case-insensitive)
    CString SymbolFor(double dValue) const;
    void NotifyParent(UINT nCode);
};
