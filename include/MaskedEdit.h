// MaskedEdit.h: CMaskedEdit, a single-line edit whose text always follows its
// mask: digits, letters and fixed separators.
#pragma once

#include <afxwin.h>
#include <afxtempl.h>

#include "MaskEditNotify.h"

class CMaskData;

// CMaskedEdit keeps one record per displayed character (the mask records)
// and rewrites the whole window text from them after every change; typing,
// deleting, the clipboard and text set from outside change only the input
// positions, so literals and separators stay where the mask puts them.
//
// Mask characters: '#' digit, 'A' letter or digit, '?' letter, '>' letter
// stored in upper case, '<' letter stored in lower case, '&' any printable
// character (0x20-0x7E, 0x80-0xFF); '.', ',', ':' and '/' show the user's
// decimal, thousands, time and date separators (read once, at construction);
// '\' shows the next character as it is; every other character is a literal.
// Letters and digits are ASCII ones, whatever the locale.
//
// Notifications to the parent: every refresh the control makes (typing,
// deleting, cut, clear, paste and each call below that changes the records)
// sends EN_UPDATE then EN_CHANGE, also when the text did not change; text set
// from outside (SetWindowText, a dialog) is parsed into the records and sends
// EN_UPDATE only. One keystroke may refresh more than once. Losing the focus
// asks the parent first with WM_NOTIFY MEN_VALIDATE (MaskEditNotify.h).
//
// With an empty mask, or the ES_READONLY style, keys, clipboard and outside
// text get the standard edit processing: the control is a plain edit.
//
// The mask operations work without a window and are shown when the window
// is created (Create) or attached (PreSubclassWindow).
class AFX_EXT_CLASS CMaskedEdit : public CEdit
{
    DECLARE_DYNAMIC(CMaskedEdit)

    // Construction
public:
    // Compiles the mask; no window yet. Implicit: CMaskedEdit m_e = "##/##";
    CMaskedEdit(const char* pszMask = "");
    virtual ~CMaskedEdit(); // deletes the records
    // CEdit::Create, then shows the mask if there is one.
    int Create(unsigned long dwStyle, const RECT& rect, CWnd* pParentWnd, unsigned int nID);
    // Shows the mask of a control being attached (not one that Create makes).
    virtual void PreSubclassWindow();

    // Attributes (no refresh, no notification)
public:
    bool GetInsertMode() const;
    void SetInsertMode(bool bInsertMode); // true: typing inserts; false: overwrites
    bool GetAutoTab() const;
    void SetAutoTab(bool bAutoTab); // true: past the last input position the focus moves on

    // Operations
public:
    void SetMask(const char* pszMask); // null counts as ""; caret to the first input position
    CString GetMask() const;           // rebuilt from the records
    CString ShowMask() const;          // the displayed text
    char GetPromptSymbol();
    // Refuses 0, '\r', '\n' and 0x7F (refreshes all the same).
    void SetPromptSymbol(char chPrompt);
    // One character per input position, prompt symbols included; the window
    // text when the mask is empty.
    CString GetInputData() const;
    // The given display text with the mask's literal runs taken out.
    CString GetInputData(const char* pszText) const;
    // Keeps the first nStart characters of the data and fills in the rest;
    // without bKeepPrompt, prompt symbols in pszData are left out. False if a
    // character was refused.
    bool SetInputData(const char* pszData, int nStart, bool bKeepPrompt);
    void EmptyData(bool bKeepMask); // true: all prompt symbols; false: no mask any more
    bool IsInputEmpty();
    int LPtoRP(int nLogical) const; // -1: none
    int RPtoLP(int nRaw) const;     // -1: none

    // Overridables
protected:
    virtual void ValidationError(); // a refused input: MessageBeep(MB_ICONEXCLAMATION)
    virtual int OnValidate();       // may the focus go? TRUE

    // Message handlers
protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillfocus();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnCut(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCopy(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPaste(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnClear(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    // Implementation: positions, editing primitives, refresh (for derived classes)
protected:
    bool IsInputData(int nPos) const;       // true with an empty mask
    int GetNextInputLocation(int nPos);     // N when there is none
    int GetPreviousInputLocation(int nPos); // caret just after the nearest input position before
    int GetEmptyInputLocation(int nPos);    // first input position showing the prompt
    int SetAt(int nPos, char ch);           // no refresh; -1: refused
    int InsertAt(int nPos, char ch);        // shifts later input right; -1: refused, data kept
    int DeleteRange(int nFirst, int nEnd);  // shifts later input left; number deleted
    void DeleteContents();                  // all records
    void Update(int nPos);                  // text from the records; caret from nPos (< 0: stays)
    void UpdateInsertionPointForward(int nPos);
    void UpdateInsertionPointBackward(int nPos);
    int NotifyParent(unsigned int nCode); // WM_COMMAND to the parent; 0 without one

    // Implementation: the mask state, in this order
protected:
    CTypedPtrList<CObList, CMaskData*> m_listMask; // the records in display order; owned
    bool m_bInsertMode;                            // typing inserts (true) or overwrites
    char m_chPrompt;                               // shown in empty input positions; ' '
    char m_chDecimalSep;                           // value of '.' records
    char m_chThousandSep;                          // value of ',' records
    char m_chTimeSep;                              // value of ':' records
    char m_chDateSep;                              // value of '/' records
    bool m_bAutoTab;                               // see SetAutoTab
    int m_nInternalUpdate;                         // > 0 while Update sets the text
    BOOL m_bNotifyChange;                          // FALSE while a text from outside is parsed

private:
    class CImpl; // the window steps of the shared mask engine (src/masked)
};
