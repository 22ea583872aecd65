// MaskModel.h: private to the masked edits. Every operation on the mask
// records of a masked field, written once for CMaskedEdit and
// CMaskedRichEdit and window-free (the native build tests it alone). A
// CMaskModel is a view: it works on the records and prompt symbol that the
// control owns, and the control lends it a CMaskWindow for the few steps that
// reach its window; with none (the native build) those steps do nothing.
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

typedef CTypedPtrList<CObList, CMaskData*> CMaskList;

class CMaskModel
{
public:
    // A view of the control's records and prompt symbol; the separators are
    // the values that separator records take when a mask is compiled.
    CMaskModel(CMaskList& listMask, char& chPrompt, char chDecimalSep, char chThousandSep, char chTimeSep,
               char chDateSep)
        : m_listMask(listMask), m_chPrompt(chPrompt), m_chDecimalSep(chDecimalSep),
          m_chThousandSep(chThousandSep), m_chTimeSep(chTimeSep), m_chDateSep(chDateSep)
    {}

    // Mask operations; pWnd is the control's window (null: none)
    void SetMask(const char* pszMask, CMaskWindow* pWnd = nullptr);
    CString GetMask() const;
    CString ShowMask() const;
    char GetPromptSymbol() const { return m_chPrompt; }
    void SetPromptSymbol(char chPrompt, CMaskWindow* pWnd = nullptr);
    CString GetInputData() const { return GetInputDataWnd(nullptr); }
    CString GetInputDataWnd(const CMaskWindow* pWnd) const;
    CString GetInputData(const char* pszText) const;
    bool SetInputData(const char* pszData, int nStart, bool bKeepPrompt, CMaskWindow* pWnd = nullptr);
    void EmptyData(bool bKeepMask, CMaskWindow* pWnd = nullptr);
    bool IsInputEmpty(const CMaskWindow* pWnd = nullptr) const;
    int LPtoRP(int nLogical) const;
    int RPtoLP(int nRaw) const;

    // Position searches and the editing primitives
    bool IsInputData(int nPos) const;
    int GetNextInputLocation(int nPos) const;
    int GetPreviousInputLocation(int nPos) const;
    int GetEmptyInputLocation(int nPos) const;
    int SetAt(int nPos, char ch);
    int InsertAt(int nPos, char ch, CMaskWindow* pWnd = nullptr);
    int DeleteRange(int nFirst, int nEnd, CMaskWindow* pWnd = nullptr);
    void DeleteContents(CMaskWindow* pWnd = nullptr);

private:
    CMaskList& m_listMask; // the control's records
    char& m_chPrompt;      // the control's prompt symbol
    char m_chDecimalSep;
    char m_chThousandSep;
    char m_chTimeSep;
    char m_chDateSep;

    int RecordCount() const { return static_cast<int>(m_listMask.GetCount()); }
    // Fills the input records from src (already assembled); no refresh.
    bool FillInput(const char* pchSrc, int nLen);
    // FillInput, then the refresh that every fill ends with.
    bool FillAndUpdate(const char* pchSrc, int nLen, CMaskWindow* pWnd);
};

// A mask without a control: the records and prompt symbol held together with
// the model over them, for the window-free builds (the native tests, fuzzers
// and benchmarks). Deletes its records.
struct CMaskRecords
{
    CMaskList m_listMask{10};
    char m_chPrompt = ' ';
};

class CStandaloneMask : private CMaskRecords, public CMaskModel
{
public:
    explicit CStandaloneMask(const char* pszMask = "", char chDecimalSep = '.', char chThousandSep = ',',
                             char chTimeSep = ':', char chDateSep = '/')
        : CMaskModel(CMaskRecords::m_listMask, CMaskRecords::m_chPrompt, chDecimalSep, chThousandSep,
                     chTimeSep, chDateSep)
    {
        SetMask(pszMask);
    }
    ~CStandaloneMask() { DeleteContents(); }
    CStandaloneMask(const CStandaloneMask&) = delete;
    CStandaloneMask& operator=(const CStandaloneMask&) = delete;

    const CMaskList& Records() const { return CMaskRecords::m_listMask; }
    int Count() const { return static_cast<int>(Records().GetCount()); }
};
