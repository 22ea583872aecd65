// MaskModel.h: the mask of a masked field and every operation on it, without
// any window. The masked edit controls derive from CMaskModel and lend it a
// CMaskWindow for the few steps that reach their window; with no window (or
// in the native build) those steps do nothing.
#pragma once

#include <afx.h>
#include <afxcoll.h>
#include <afxtempl.h>

class CMaskData;

// What the model asks of the control that shows it. The control builds one on
// the stack for the duration of a call, so it costs the control no member and
// no entry in its own virtual table.
class CMaskWindow
{
public:
    virtual bool HasWindow() const = 0;
    // The control's refresh: text from the records, modified flag, caret at
    // the first input position at or after pos (pos < 0: caret stays).
    virtual void Update(int pos) = 0;
    // The window text, read when the mask is empty.
    virtual CString GetText() const = 0;
    // SetWindowText(""), for a control whose mask was already empty.
    virtual void ClearText() = 0;
    // EM_SETMODIFY(FALSE), after a new mask or prompt symbol.
    virtual void ClearModified() = 0;

protected:
    ~CMaskWindow() = default;
};

class AFX_EXT_CLASS CMaskModel
{
public:
    // Construction: the defaults, no mask. The controls read the separators
    // from the locale and then compile their mask.
    CMaskModel();
    ~CMaskModel();
    CMaskModel(const CMaskModel&) = delete;
    CMaskModel& operator=(const CMaskModel&) = delete;

    // Modes (no refresh)
    bool GetInsertMode() const { return m_bInsertMode; }
    void SetInsertMode(bool bInsertMode) { m_bInsertMode = bInsertMode; }
    bool GetAutoTab() const { return m_bAutoTab; }
    void SetAutoTab(bool bAutoTab) { m_bAutoTab = bAutoTab; }

    // Mask operations (without a window; the controls hide the ones that
    // refresh with versions that pass their window on)
    void SetMask(const char* pszMask) { SetMaskWnd(pszMask, nullptr); }
    CString GetMask() const;
    CString ShowMask() const;
    char GetPromptSymbol() { return m_chPrompt; }
    void SetPromptSymbol(char chPrompt) { SetPromptSymbolWnd(chPrompt, nullptr); }
    CString GetInputData() const { return GetInputDataWnd(nullptr); }
    CString GetInputData(const char* pszText) const;
    bool SetInputData(const char* pszData, int nStart, bool bKeepPrompt)
    {
        return SetInputDataWnd(pszData, nStart, bKeepPrompt, nullptr);
    }
    void EmptyData(bool bKeepMask) { EmptyDataWnd(bKeepMask, nullptr); }
    bool IsInputEmpty() { return IsInputEmptyWnd(nullptr); }
    int LPtoRP(int nLogical) const;
    int RPtoLP(int nRaw) const;

protected:
    // Position searches and the editing primitives
    bool IsInputData(int nPos) const;
    int GetNextInputLocation(int nPos);
    int GetPreviousInputLocation(int nPos);
    int GetEmptyInputLocation(int nPos);
    int SetAt(int nPos, char ch);
    int InsertAt(int nPos, char ch) { return InsertAtWnd(nPos, ch, nullptr); }
    int DeleteRange(int nFirst, int nEnd) { return DeleteRangeWnd(nFirst, nEnd, nullptr); }
    void DeleteContents() { DeleteContentsWnd(nullptr); }

    // The same operations with the control's window (null: none)
    void SetMaskWnd(const char* pszMask, CMaskWindow* pWnd);
    void SetPromptSymbolWnd(char chPrompt, CMaskWindow* pWnd);
    CString GetInputDataWnd(const CMaskWindow* pWnd) const;
    bool SetInputDataWnd(const char* pszData, int nStart, bool bKeepPrompt, CMaskWindow* pWnd);
    void EmptyDataWnd(bool bKeepMask, CMaskWindow* pWnd);
    bool IsInputEmptyWnd(const CMaskWindow* pWnd) const;
    int InsertAtWnd(int nPos, char ch, CMaskWindow* pWnd);
    int DeleteRangeWnd(int nFirst, int nEnd, CMaskWindow* pWnd);
    void DeleteContentsWnd(CMaskWindow* pWnd);

    // Mask state, in this order
    CTypedPtrList<CObList, CMaskData*> m_listMask; // the records in display order; owned
    bool m_bInsertMode;                            // typing inserts (true) or overwrites
    char m_chPrompt;                               // shown in empty input positions
    char m_chDecimalSep;                           // value of MASK_DECIMAL_SEP records
    char m_chThousandSep;                          // value of MASK_THOUSAND_SEP records
    char m_chTimeSep;                              // value of MASK_TIME_SEP records
    char m_chDateSep;                              // value of MASK_DATE_SEP records
    bool m_bAutoTab;                               // leaving the last input position moves the focus on
    int m_nInternalUpdate;                         // > 0 while the control itself sets its text
    BOOL m_bNotifyChange;                          // FALSE while a text from outside is parsed

private:
    int RecordCount() const { return static_cast<int>(m_listMask.GetCount()); }
    // Fills the input records from src (already assembled); no refresh.
    bool FillInput(const char* pchSrc, int nLen);
    // FillInput, then the refresh that every fill ends with.
    bool FillAndUpdate(const char* pchSrc, int nLen, CMaskWindow* pWnd);
};
