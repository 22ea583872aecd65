// MaskedEditImpl.inl: every member of the masked edits, written once.
// MaskedEdit.cpp and MaskedRichEdit.cpp each define MASKED_CLASS (the class)
// and MASKED_BASE (its base control) and include this file; the two classes
// differ only in how the selection is read and the caret placed, which the
// overloads of MaskedGetSel and MaskedPlaceCaret choose by base class. The
// record operations are CMaskModel's (MaskModel.cpp).
#include <afxcmn.h>

#include "MaskData.h"
#include "MaskModel.h"

#include <string.h>

namespace {

// The first character of a locale string, or the default when the query fails.
char LocaleChar(LCTYPE lcType, char chDefault)
{
    char buf[16] = {};
    return ::GetLocaleInfoA(LOCALE_USER_DEFAULT, lcType, buf, sizeof(buf)) > 0 ? buf[0] : chDefault;
}

// A standard edit: EM_GETSEL into two integers; the caret is placed with
// EM_SETSEL and scrolled into view with EM_SCROLLCARET.
[[maybe_unused]] void MaskedGetSel(CEdit& wnd, int& nStart, int& nEnd)
{
    DWORD dwStart = 0, dwEnd = 0;
    wnd.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart), reinterpret_cast<LPARAM>(&dwEnd));
    nStart = static_cast<int>(dwStart);
    nEnd = static_cast<int>(dwEnd);
}
[[maybe_unused]] void MaskedPlaceCaret(CEdit& wnd, int nPos)
{
    wnd.SendMessage(EM_SETSEL, static_cast<WPARAM>(nPos), nPos);
    wnd.SendMessage(EM_SCROLLCARET);
}

// A rich edit: EM_EXGETSEL and EM_EXSETSEL; it keeps its caret in view itself.
[[maybe_unused]] void MaskedGetSel(CRichEditCtrl& wnd, int& nStart, int& nEnd)
{
    long lStart = 0, lEnd = 0;
    wnd.GetSel(lStart, lEnd);
    nStart = static_cast<int>(lStart);
    nEnd = static_cast<int>(lEnd);
}
[[maybe_unused]] void MaskedPlaceCaret(CRichEditCtrl& wnd, int nPos)
{
    wnd.SetSel(static_cast<long>(nPos), static_cast<long>(nPos));
}

} // namespace

// The engine's view of the control: the model over its records, and the
// window steps that the model asks for. Built on the stack for one call.
class MASKED_CLASS::CImpl : public CMaskWindow
{
public:
    explicit CImpl(const MASKED_CLASS* pCtl)
        : m_pCtl(const_cast<MASKED_CLASS*>(pCtl)),
          m_model(m_pCtl->m_listMask, m_pCtl->m_chPrompt, m_pCtl->m_chDecimalSep, m_pCtl->m_chThousandSep,
                  m_pCtl->m_chTimeSep, m_pCtl->m_chDateSep)
    {}
    CMaskModel* operator->() { return &m_model; }
    operator CMaskWindow*() { return this; }

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

    // Keyboard, clipboard and outside text pass through untouched.
    bool PassThrough() const
    {
        return m_pCtl->m_listMask.IsEmpty() || (m_pCtl->GetStyle() & ES_READONLY) != 0;
    }
    int Count() const { return static_cast<int>(m_pCtl->m_listMask.GetCount()); }
    // Backspace: deletes the nearest input character before nStart.
    void StepBack(int nStart, int nEnd)
    {
        do {
            --nStart;
            if (m_pCtl->DeleteRange(nStart, nEnd) > 0) {
                m_pCtl->Update(nStart);
                return;
            }
            --nEnd;
        } while (nStart >= 0);
    }
    // Cut and clear: the standard processing removes the selection from the
    // text, then the records delete its input and put the literals back.
    LRESULT RemoveSelection()
    {
        if (PassThrough())
            return m_pCtl->Default();
        int nStart = 0, nEnd = 0;
        MaskedGetSel(*m_pCtl, nStart, nEnd);
        m_pCtl->Default();
        m_pCtl->DeleteRange(nStart, nEnd);
        m_pCtl->Update(nStart);
        return 0;
    }

private:
    MASKED_CLASS* m_pCtl;
    CMaskModel m_model;
};

/////////////////////////////////////////////////////////////////////////////
// Construction

MASKED_CLASS::MASKED_CLASS(const char* pszMask)
    : m_listMask(10), m_bInsertMode(true), m_chPrompt(' '), m_chDecimalSep(LocaleChar(LOCALE_SDECIMAL, '.')),
      m_chThousandSep(LocaleChar(LOCALE_STHOUSAND, ',')), m_chTimeSep(LocaleChar(LOCALE_STIME, ':')),
      m_chDateSep(LocaleChar(LOCALE_SDATE, '/')), m_bAutoTab(false), m_nInternalUpdate(0),
      m_bNotifyChange(TRUE)
{
    // No window yet: the records only; Create or subclassing shows them.
    SetMask(pszMask);
}

MASKED_CLASS::~MASKED_CLASS()
{
    // The window is gone or going; its text no longer matters.
    CImpl(this)->DeleteContents();
}

int MASKED_CLASS::Create(unsigned long dwStyle, const RECT& rect, CWnd* pParentWnd, unsigned int nID)
{
    const int bCreated = MASKED_BASE::Create(dwStyle, rect, pParentWnd, nID);
    if (bCreated && !m_listMask.IsEmpty())
        Update(0);
    return bCreated;
}

void MASKED_CLASS::PreSubclassWindow()
{
    MASKED_BASE::PreSubclassWindow();
    // While Create runs, the window being created is the thread's m_pWndInit;
    // then Create shows the mask. Otherwise an existing control is attached.
    if (AfxGetThreadState()->m_pWndInit != this && !m_listMask.IsEmpty())
        Update(0);
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

bool MASKED_CLASS::GetInsertMode() const
{
    return m_bInsertMode;
}

void MASKED_CLASS::SetInsertMode(bool bInsertMode)
{
    m_bInsertMode = bInsertMode;
}

bool MASKED_CLASS::GetAutoTab() const
{
    return m_bAutoTab;
}

void MASKED_CLASS::SetAutoTab(bool bAutoTab)
{
    m_bAutoTab = bAutoTab;
}

/////////////////////////////////////////////////////////////////////////////
// Mask operations: the model's, with this control's window

void MASKED_CLASS::SetMask(const char* pszMask)
{
    CImpl impl(this);
    impl->SetMask(pszMask, impl);
}

CString MASKED_CLASS::GetMask() const
{
    return CImpl(this)->GetMask();
}

CString MASKED_CLASS::ShowMask() const
{
    return CImpl(this)->ShowMask();
}

char MASKED_CLASS::GetPromptSymbol()
{
    return m_chPrompt;
}

void MASKED_CLASS::SetPromptSymbol(char chPrompt)
{
    CImpl impl(this);
    impl->SetPromptSymbol(chPrompt, impl);
}

CString MASKED_CLASS::GetInputData() const
{
    CImpl impl(this);
    return impl->GetInputDataWnd(impl);
}

CString MASKED_CLASS::GetInputData(const char* pszText) const
{
    return CImpl(this)->GetInputData(pszText);
}

bool MASKED_CLASS::SetInputData(const char* pszData, int nStart, bool bKeepPrompt)
{
    CImpl impl(this);
    return impl->SetInputData(pszData, nStart, bKeepPrompt, impl);
}

void MASKED_CLASS::EmptyData(bool bKeepMask)
{
    CImpl impl(this);
    impl->EmptyData(bKeepMask, impl);
}

bool MASKED_CLASS::IsInputEmpty()
{
    CImpl impl(this);
    return impl->IsInputEmpty(impl);
}

int MASKED_CLASS::LPtoRP(int nLogical) const
{
    return CImpl(this)->LPtoRP(nLogical);
}

int MASKED_CLASS::RPtoLP(int nRaw) const
{
    return CImpl(this)->RPtoLP(nRaw);
}

bool MASKED_CLASS::IsInputData(int nPos) const
{
    return CImpl(this)->IsInputData(nPos);
}

int MASKED_CLASS::GetNextInputLocation(int nPos)
{
    return CImpl(this)->GetNextInputLocation(nPos);
}

int MASKED_CLASS::GetPreviousInputLocation(int nPos)
{
    return CImpl(this)->GetPreviousInputLocation(nPos);
}

int MASKED_CLASS::GetEmptyInputLocation(int nPos)
{
    return CImpl(this)->GetEmptyInputLocation(nPos);
}

int MASKED_CLASS::SetAt(int nPos, char ch)
{
    return CImpl(this)->SetAt(nPos, ch);
}

int MASKED_CLASS::InsertAt(int nPos, char ch)
{
    CImpl impl(this);
    return impl->InsertAt(nPos, ch, impl);
}

int MASKED_CLASS::DeleteRange(int nFirst, int nEnd)
{
    CImpl impl(this);
    return impl->DeleteRange(nFirst, nEnd, impl);
}

void MASKED_CLASS::DeleteContents()
{
    CImpl impl(this);
    impl->DeleteContents(impl);
}

/////////////////////////////////////////////////////////////////////////////
// Refresh, caret and notification

void MASKED_CLASS::Update(int nPos)
{
    if (GetSafeHwnd() == nullptr)
        return;
    ++m_nInternalUpdate;
    SetWindowText(ShowMask());
    --m_nInternalUpdate;
    SendMessage(EM_SETMODIFY, TRUE);
    if (nPos >= 0)
        UpdateInsertionPointForward(nPos);
}

void MASKED_CLASS::UpdateInsertionPointForward(int nPos)
{
    const int nNext = GetNextInputLocation(nPos);
    if (m_bAutoTab && nNext == CImpl(this).Count()) {
        // Past the last input position the focus goes to the next tab stop.
        CWnd* pParent = GetParent();
        if (pParent != nullptr) {
            CWnd* pNext = pParent->GetNextDlgTabItem(this, FALSE);
            if (pNext != nullptr && pNext->GetSafeHwnd() != GetSafeHwnd())
                pNext->SetFocus();
        }
        return;
    }
    MaskedPlaceCaret(*this, nNext);
}

void MASKED_CLASS::UpdateInsertionPointBackward(int nPos)
{
    MaskedPlaceCaret(*this, GetPreviousInputLocation(nPos));
}

int MASKED_CLASS::NotifyParent(unsigned int nCode)
{
    CWnd* pParent = GetParent();
    if (pParent == nullptr)
        return 0;
    pParent->SendMessage(WM_COMMAND, MAKEWPARAM(LOWORD(GetDlgCtrlID()), nCode),
                         reinterpret_cast<LPARAM>(GetSafeHwnd()));
    return 1;
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

void MASKED_CLASS::ValidationError()
{
    ::MessageBeep(MB_ICONEXCLAMATION);
}

int MASKED_CLASS::OnValidate()
{
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Keyboard

void MASKED_CLASS::OnChar(UINT nChar, UINT, UINT)
{
    CImpl impl(this);
    if (impl.PassThrough()) {
        Default();
        return;
    }
    int nStart = 0, nEnd = 0;
    MaskedGetSel(*this, nStart, nEnd);
    const unsigned char ch = static_cast<unsigned char>(nChar & 0xFF);
    if (ch >= 0x20) {
        const bool bSelection = nStart != nEnd;
        // A selection is replaced only if it held input to replace.
        if (bSelection ? DeleteRange(nStart, nEnd) > 0 : IsInputData(nStart)) {
            const int r = (bSelection || m_bInsertMode) ? InsertAt(nStart, static_cast<char>(ch))
                                                        : SetAt(nStart, static_cast<char>(ch));
            if (r >= 0)
                nStart = r + 1;
            else
                ValidationError();
            Update(nStart);
        } else {
            ValidationError();
            UpdateInsertionPointForward(nStart);
        }
    } else if (ch == VK_BACK) {
        if (nStart == nEnd) {
            if (nStart > 0)
                impl.StepBack(nStart, nEnd);
        } else if (DeleteRange(nStart, nEnd) > 0) {
            Update(nStart);
        } else if (nStart >= 1) {
            impl.StepBack(nStart, nEnd);
        }
    } else {
        Default();
    }
}

void MASKED_CLASS::OnKeyDown(UINT nChar, UINT, UINT)
{
    CImpl impl(this);
    if (impl.PassThrough()) {
        Default();
        return;
    }
    const bool bShift = ::GetAsyncKeyState(VK_SHIFT) < 0;
    int nStart = 0, nEnd = 0;
    switch (nChar) {
    case VK_DELETE: {
        MaskedGetSel(*this, nStart, nEnd);
        const int n = impl.Count();
        if (nStart >= n)
            return;
        if (nStart == nEnd)
            nEnd = nStart + 1;
        // Slides right over literals to the next input character.
        for (;;) {
            if (DeleteRange(nStart, nEnd) > 0) {
                Update(nStart);
                return;
            }
            if (nEnd == n)
                return;
            ++nStart;
            ++nEnd;
        }
    }
    case VK_HOME:
    case VK_RIGHT:
    case VK_DOWN:
        Default();
        if (!bShift) {
            MaskedGetSel(*this, nStart, nEnd);
            UpdateInsertionPointForward(nStart);
        }
        return;
    case VK_LEFT:
    case VK_UP:
        Default();
        if (!bShift) {
            MaskedGetSel(*this, nStart, nEnd);
            UpdateInsertionPointBackward(nStart);
        }
        return;
    case VK_INSERT:
        m_bInsertMode = !m_bInsertMode;
        return;
    default:
        Default();
        return;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Focus and mouse

void MASKED_CLASS::OnSetFocus(CWnd* pOldWnd)
{
    MASKED_BASE::OnSetFocus(pOldWnd);
    int nStart = 0, nEnd = 0;
    MaskedGetSel(*this, nStart, nEnd);
    if (nStart == 0 && nEnd == GetWindowTextLength())
        UpdateInsertionPointForward(0);
}

void MASKED_CLASS::OnKillfocus()
{
    NMMASKEDIT nm;
    memset(&nm, 0, sizeof(nm));
    nm.hdr.hwndFrom = GetSafeHwnd();
    nm.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    nm.hdr.code = MEN_VALIDATE;
    nm.bAccept = 1;
    nm.bValidate = 1;
    nm.nCaretPos = 0;
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
    const bool bAccepted = nm.bAccept != 0 && (nm.bValidate == 0 || OnValidate() != 0);
    if (!bAccepted) {
        SetFocus();
        ValidationError();
        UpdateInsertionPointForward(nm.nCaretPos);
    }
}

void MASKED_CLASS::OnLButtonDown(UINT, CPoint)
{
    // An empty field is entered at its first input position, wherever clicked.
    if (::GetFocus() != GetSafeHwnd() && IsInputEmpty()) {
        SetFocus();
        UpdateInsertionPointForward(0);
        return;
    }
    Default();
}

/////////////////////////////////////////////////////////////////////////////
// Clipboard and outside text

LRESULT MASKED_CLASS::OnCut(WPARAM, LPARAM)
{
    return CImpl(this).RemoveSelection();
}

LRESULT MASKED_CLASS::OnCopy(WPARAM, LPARAM)
{
    return Default();
}

LRESULT MASKED_CLASS::OnClear(WPARAM, LPARAM)
{
    return CImpl(this).RemoveSelection();
}

LRESULT MASKED_CLASS::OnPaste(WPARAM, LPARAM)
{
    if (CImpl(this).PassThrough())
        return Default();
    int nStart = 0, nEnd = 0;
    MaskedGetSel(*this, nStart, nEnd);
    Default();
    // The pasted text is parsed back as a whole: literals are offered to the
    // input positions and dropped where refused.
    CString strText;
    GetWindowText(strText);
    SetInputData(strText, 0, false);
    Update(-1);
    MaskedPlaceCaret(*this, GetEmptyInputLocation(nStart));
    return 0;
}

LRESULT MASKED_CLASS::OnSetText(WPARAM, LPARAM lParam)
{
    if (CImpl(this).PassThrough())
        return Default();
    if (m_nInternalUpdate > 0) {
        const LRESULT lResult = Default();
        NotifyParent(EN_UPDATE);
        if (m_bNotifyChange)
            NotifyParent(EN_CHANGE);
        return lResult;
    }
    // Text from the host or a dialog: either the display form or the bare
    // data; it is parsed into the records and shown from them.
    m_bNotifyChange = FALSE;
    SetInputData(GetInputData(reinterpret_cast<const char*>(lParam)), 0, true);
    m_bNotifyChange = TRUE;
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Message map: the same ten entries, in the same order, for both classes

BEGIN_MESSAGE_MAP(MASKED_CLASS, MASKED_BASE)
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_SETFOCUS()
    ON_CONTROL_REFLECT(EN_KILLFOCUS, &ThisClass::OnKillfocus)
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(WM_CUT, &ThisClass::OnCut)
    ON_MESSAGE(WM_COPY, &ThisClass::OnCopy)
    ON_MESSAGE(WM_PASTE, &ThisClass::OnPaste)
    ON_MESSAGE(WM_CLEAR, &ThisClass::OnClear)
    ON_MESSAGE(WM_SETTEXT, &ThisClass::OnSetText)
END_MESSAGE_MAP()
