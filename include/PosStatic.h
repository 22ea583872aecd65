// PosStatic.h: a read-only label showing one coordinate (latitude,
// longitude or a metric coordinate) in one of four notations.
#pragma once

#include <afxwin.h>
#include <afxtempl.h>

#include "ColorStatic.h"
#include "PosFormat.h"

// CPosStatic: attach it to a static item of a dialog by subclassing. Its
// colours, blinking and font are those of CColorStatic; this class adds the
// value pair (one per PosType), the notation, and a context menu that
// switches the notation.
//
// Texts (the degree sign is the byte 0xB0; the symbol is the positive one
// for values >= 0): DXX "45.500000 ° N ", DMX "45 ° 30.0000 ' N ",
// DMS "45 ° 30 ' 00.00 \" N ", Metric " N : -000012.500 m" (always the
// positive symbol as the coordinate's label). Every notation change makes
// geographic texts right-aligned and metric ones left-aligned; before the
// first one the label keeps its template's alignment (a value alone does not
// change it).
//
// The menu offers DMS, DMX, DXX and Metric, the current one checked. Every
// notation change keeps the menu to the type of the new notation (so after
// a geographic notation Metric is gone, after Metric there is no menu)
// unless UseAllPosFormat(true) was called.
//
// Synchronisation: SynchroWith accepts any window. After each notation
// change the registered message (GetSynchroMsg(), wParam = the PosFormat,
// lParam = 0) is sent to each of them that still exists, in order, so the
// linked labels have followed before ChangeFormat returns. A message that
// carries a notation outside 0-3 is ignored, and so are ChangeFormat with
// such a notation and ForcePosType with a type other than 0 or 1 (for
// example read back from a hand-edited profile).
//
// At destruction the notation is written to the application profile,
// section "Position Control", entry "Format", unless EnableSaving(false).
class AFX_EXT_CLASS CPosStatic : public CColorStatic
{
    // Construction
public:
    CPosStatic();
    virtual ~CPosStatic();

    // Attributes
public:
    void SetLatitude(bool bLatitude); // N/S or E/W; shown from the next value or notation change
    void EnableSaving(bool bSaving);
    bool UseAllPosFormat(bool bUseAll); // returns the new setting
    bool UseAllPosFormat();
    UINT GetSynchroMsg();
    PosFormat GetPosFormat();
    PosType GetPosType();
    double GetCurValue(); // stored value of the current type

    // Operations
public:
    void SetCurValue(double dValue, PosType nType);
    void ForcePosType(PosType nType);  // nType must be 0 or 1
    void SynchroWith(CWnd* pWnd);      // one-way; not owned
    void ShowFormatMenu(CPoint point); // screen coordinates

    // Overridables
protected:
    virtual void PreSubclassWindow();
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Message handlers
protected:
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()

    // Implementation
protected:
    double m_dValue[2];                          // stored value per PosType: [0] decimal degrees, [1] metres
    bool m_bLatitude;                            // symbols N/S (true) or E/W (false)
    PosType m_nForcedType;                       // POS_TYPE_NONE: full menu; else the type the menu keeps to
    CString m_strSymbol[2];                      // one character each: [0] negative, [1] positive hemisphere
    PosFormat m_nFormat;                         // current notation, always 0-3
    UINT m_nSynchroMsg;                          // registered: wParam = new PosFormat, lParam = 0
    CTypedPtrArray<CPtrArray, CWnd*> m_aSynchro; // receivers of the message, not owned
    UINT m_nCmdDMS;                              // registered menu command ids, shared with CPosEditCtrl
    UINT m_nCmdDMX;
    UINT m_nCmdDXX;
    UINT m_nCmdMetric;
    bool m_bSaving; // the destructor writes the notation to the profile
    bool m_bUseAll; // the menu offers all four notations whatever m_nForcedType says

    static PosType GetPosType(PosFormat nFormat);
    void SetSymbols(char chPositive, char chNegative);
    void SetCurValue(double dValue);
    void ChangeFormat(PosFormat nFormat, bool bForce);
};
