// MaskedEditT.h: the window behaviour of the masked edits, written once for
// any edit-like base control. CMaskedEdit instantiates it over CEdit and
// CMaskedRichEdit over CRichEditCtrl; they differ only in the selection
// policy TSel, which reads the selection and places the caret.
#pragma once

#include <afxwin.h>

#include "MaskModel.h"

// Selection of a standard edit: EM_GETSEL into two integers; the caret is
// placed with EM_SETSEL and scrolled into view with EM_SCROLLCARET.
struct CEditSelection
{
    static void Get(CWnd& wnd, int& nStart, int& nEnd)
    {
        DWORD dwStart = 0, dwEnd = 0;
        wnd.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
        nStart = static_cast<int>(dwStart);
        nEnd = static_cast<int>(dwEnd);
    }
    static void Place(CWnd& wnd, int nPos)
    {
        wnd.SendMessage(EM_SETSEL, static_cast<WPARAM>(nPos), nPos);
        wnd.SendMessage(EM_SCROLLCARET);
    }
};

// The ten message-map entries of both masked edits, in their order.
#define QUILLON_MASKED_EDIT_ENTRIES()                                                                        \
    ON_WM_KEYDOWN()                                                                                          \
    ON_WM_CHAR()                                                                                             \
    ON_WM_SETFOCUS()                                                                                         \
    ON_CONTROL_REFLECT(EN_KILLFOCUS, &ThisClass::OnKillfocus)                                                \
    ON_WM_LBUTTONDOWN()                                                                                      \
    ON_MESSAGE(WM_CUT, &ThisClass::OnCut)                                                                    \
    ON_MESSAGE(WM_COPY, &ThisClass::OnCopy)                                                                  \
    ON_MESSAGE(WM_PASTE, &ThisClass::OnPaste)                                                                \
    ON_MESSAGE(WM_CLEAR, &ThisClass::OnClear)                                                                \
    ON_MESSAGE(WM_SETTEXT, &ThisClass::OnSetText)

template <class TBase, class TSel> class AFX_EXT_CLASS CMaskedEditT : public TBase, public CMaskModel
{
public:
    // Construction
    explicit CMaskedEditT(const char* pszMask = "");
    virtual ~CMaskedEditT();
    int Create(unsigned long dwStyle, const RECT& rect, CWnd* pParentWnd, unsigned int nID);
    virtual void PreSubclassWindow();

    // Mask operations that refresh the window
    void SetMask(const char* pszMask) { SetMaskWnd(pszMask, Hook()); }
    void SetPromptSymbol(char chPrompt) { SetPromptSymbolWnd(chPrompt, Hook()); }
    CString GetInputData() const { return GetInputDataWnd(Hook()); }
    CString GetInputData(const char* pszText) const { return CMaskModel::GetInputData(pszText); }
    bool SetInputData(const char* pszData, int nStart, bool bKeepPrompt)
    {
        return SetInputDataWnd(pszData, nStart, bKeepPrompt, Hook());
    }
    void EmptyData(bool bKeepMask) { EmptyDataWnd(bKeepMask, Hook()); }
    bool IsInputEmpty() { return IsInputEmptyWnd(Hook()); }

protected:
    int InsertAt(int nPos, char ch) { return InsertAtWnd(nPos, ch, Hook()); }
    int DeleteRange(int nFirst, int nEnd) { return DeleteRangeWnd(nFirst, nEnd, Hook()); }
    void DeleteContents() { DeleteContentsWnd(Hook()); }

    // Refresh, caret and notification
    void Update(int nPos);
    void UpdateInsertionPointForward(int nPos);
    void UpdateInsertionPointBackward(int nPos);
    int NotifyParent(unsigned int nCode);

    // Overridables
    virtual void ValidationError();
    virtual int OnValidate();

    // Message handlers
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

private:
    // The model reaches the window through this, built on the stack per call.
    class CHook : public CMaskWindow
    {
    public:
        explicit CHook(CMaskedEditT* pCtl) : m_pCtl(pCtl) {}
        bool HasWindow() const override { return m_pCtl->GetSafeHwnd() != nullptr; }
        void Update(int nPos) override { m_pCtl->Update(nPos); }
        CString GetText() const override
        {
            CString str;
            m_pCtl->GetWindowText(str);
            return str;
        }
        void ClearText() override { m_pCtl->SetWindowText(""); }
        void ClearModified() override { m_pCtl->SendMessage(EM_SETMODIFY, FALSE); }

    private:
        CMaskedEditT* m_pCtl;
    };
    struct CHookHolder
    {
        CHook hook;
        operator CMaskWindow*() { return &hook; }
        operator const CMaskWindow*() const { return &hook; }
    };
    CHookHolder Hook() const { return CHookHolder{CHook(const_cast<CMaskedEditT*>(this))}; }

    // Keyboard, clipboard and outside text pass through untouched.
    bool PassThrough() const;
    int Count() const { return static_cast<int>(m_listMask.GetCount()); }
    // Backspace: deletes the nearest input character before start.
    void StepBack(int nStart, int nEnd);
};
