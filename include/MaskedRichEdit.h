// MaskedRichEdit.h: CMaskedRichEdit, the masked edit over a rich edit control.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>
#include <afxtempl.h>

#include "MaskEditNotify.h"

class CMaskData;

// CMaskedRichEdit has every member of CMaskedEdit (MaskedEdit.h), with the
// same behaviour, notifications and mask grammar; both run the same mask
// engine. Only the selection differs: it is read with EM_EXGETSEL and the
// caret is placed with EM_EXSETSEL alone (a rich edit keeps its caret in
// view by itself, so no EM_SCROLLCARET is sent).
class AFX_EXT_CLASS CMaskedRichEdit : public CRichEditCtrl
{
    DECLARE_DYNAMIC(CMaskedRichEdit)

    // Construction
public:
    // Compiles the mask; no window yet. Implicit: CMaskedRichEdit m_e = "##/##";
    CMaskedRichEdit(const char* pszMask = "");
    virtual ~CMaskedRichEdit(); // deletes the records
    // CRichEditCtrl::Create, then shows the mask if there is one.
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
