// MaskedEditT.inl: the definitions of CMaskedEditT, included by the two files
// that instantiate it (MaskedEdit.cpp and MaskedRichEdit.cpp) and nowhere else.
#pragma once

#include "MaskedEditT.h"
#include "MaskEditNotify.h"

#include <string.h>

namespace quillon_masked {
// The first character of a locale string, or the default when the query fails.
inline char LocaleChar(LCTYPE lcType, char chDefault)
{
    char buf[16] = {};
    return ::GetLocaleInfoA(LOCALE_USER_DEFAULT, lcType, buf, sizeof(buf)) > 0 ? buf[0] : chDefault;
}
} // namespace quillon_masked

template <class TBase, class TSel> CMaskedEditT<TBase, TSel>::CMaskedEditT(const char* pszMask)
{
    m_chDecimalSep = quillon_masked::LocaleChar(LOCALE_SDECIMAL, m_chDecimalSep);
    m_chThousandSep = quillon_masked::LocaleChar(LOCALE_STHOUSAND, m_chThousandSep);
    m_chTimeSep = quillon_masked::LocaleChar(LOCALE_STIME, m_chTimeSep);
    m_chDateSep = quillon_masked::LocaleChar(LOCALE_SDATE, m_chDateSep);
    // No window yet: the records only; Create or subclassing shows them.
    SetMask(pszMask);
}

template <class TBase, class TSel> CMaskedEditT<TBase, TSel>::~CMaskedEditT()
{
    // The window is gone or going; its text no longer matters.
    DeleteContentsWnd(nullptr);
}

template <class TBase, class TSel>
int CMaskedEditT<TBase, TSel>::Create(unsigned long dwStyle, const RECT& rect, CWnd* pParentWnd,
                                      unsigned int nID)
{
    const int bCreated = TBase::Create(dwStyle, rect, pParentWnd, nID);
    if (bCreated && !m_listMask.IsEmpty())
        Update(0);
    return bCreated;
}

template <class TBase, class TSel> void CMaskedEditT<TBase, TSel>::PreSubclassWindow()
{
    TBase::PreSubclassWindow();
    // While Create runs, the window being created is the thread's m_pWndInit;
    // then Create shows the mask. Otherwise an existing control is attached.
    if (AfxGetThreadState()->m_pWndInit != this && !m_listMask.IsEmpty())
        Update(0);
}

/////////////////////////////////////////////////////////////////////////////
// Refresh, caret and notification

template <class TBase, class TSel> void CMaskedEditT<TBase, TSel>::Update(int nPos)
{
    if (this->GetSafeHwnd() == nullptr)
        return;
    ++m_nInternalUpdate;
    this->SetWindowText(ShowMask());
    --m_nInternalUpdate;
    this->SendMessage(EM_SETMODIFY, TRUE);
    if (nPos >= 0)
        UpdateInsertionPointForward(nPos);
}

template <class TBase, class TSel> void CMaskedEditT<TBase, TSel>::UpdateInsertionPointForward(int nPos)
{
    const int nNext = GetNextInputLocation(nPos);
    if (m_bAutoTab && nNext == Count()) {
        // Past the last input position the focus goes to the next tab stop.
        CWnd* pParent = this->GetParent();
        if (pParent != nullptr) {
            CWnd* pNext = pParent->GetNextDlgTabItem(this, FALSE);
            if (pNext != nullptr && pNext->GetSafeHwnd() != this->GetSafeHwnd())
                pNext->SetFocus();
        }
        return;
    }
    TSel::Place(*this, nNext);
}

template <class TBase, class TSel> void CMaskedEditT<TBase, TSel>::UpdateInsertionPointBackward(int nPos)
{
    TSel::Place(*this, GetPreviousInputLocation(nPos));
}

template <class TBase, class TSel> int CMaskedEditT<TBase, TSel>::NotifyParent(unsigned int nCode)
{
    CWnd* pParent = this->GetParent();
    if (pParent == nullptr)
        return 0;
    pParent->SendMessage(WM_COMMAND, MAKEWPARAM(LOWORD(this->GetDlgCtrlID()), nCode),
                         reinterpret_cast<LPARAM>(this->GetSafeHwnd()));
    return 1;
}

template <class TBase, class TSel> void CMaskedEditT<TBase, TSel>::ValidationError()
{
    ::MessageBeep(MB_ICONEXCLAMATION);
}

template <class TBase, class TSel> int CMaskedEditT<TBase, TSel>::OnValidate()
{
    return TRUE;
}

template <class TBase, class TSel> bool CMaskedEditT<TBase, TSel>::PassThrough() const
{
    return m_listMask.IsEmpty() || (this->GetStyle() & ES_READONLY) != 0;
}

/////////////////////////////////////////////////////////////////////////////
// Keyboard

template <class TBase, class TSel> void CMaskedEditT<TBase, TSel>::StepBack(int nStart, int nEnd)
{
    // Skips back over literals to the nearest input character.
    do {
        --nStart;
        if (DeleteRange(nStart, nEnd) > 0) {
            Update(nStart);
            return;
        }
        --nEnd;
    } while (nStart >= 0);
}

template <class TBase, class TSel> void CMaskedEditT<TBase, TSel>::OnChar(UINT nChar, UINT, UINT)
{
    if (PassThrough()) {
        this->Default();
        return;
    }
    int nStart = 0, nEnd = 0;
    TSel::Get(*this, nStart, nEnd);
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
                StepBack(nStart, nEnd);
        } else if (DeleteRange(nStart, nEnd) > 0) {
            Update(nStart);
        } else if (nStart >= 1) {
            StepBack(nStart, nEnd);
        }
    } else {
        this->Default();
    }
}

template <class TBase, class TSel> void CMaskedEditT<TBase, TSel>::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (PassThrough()) {
        this->Default();
        return;
    }
    const bool bShift = ::GetAsyncKeyState(VK_SHIFT) < 0;
    int nStart = 0, nEnd = 0;
    switch (nChar) {
    case VK_DELETE: {
        TSel::Get(*this, nStart, nEnd);
        const int n = Count();
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
        this->Default();
        if (!bShift) {
            TSel::Get(*this, nStart, nEnd);
            UpdateInsertionPointForward(nStart);
        }
        return;
    case VK_LEFT:
    case VK_UP:
        this->Default();
        if (!bShift) {
            TSel::Get(*this, nStart, nEnd);
            UpdateInsertionPointBackward(nStart);
        }
        return;
    case VK_INSERT:
        m_bInsertMode = !m_bInsertMode;
        return;
    default:
        this->Default();
        return;
    }
}

/////////////////////////////////////////////////////////////////////////////
// Focus and mouse

template <class TBase, class TSel> void CMaskedEditT<TBase, TSel>::OnSetFocus(CWnd* pOldWnd)
{
    TBase::OnSetFocus(pOldWnd);
    int nStart = 0, nEnd = 0;
    TSel::Get(*this, nStart, nEnd);
    if (nStart == 0 && nEnd == this->GetWindowTextLength())
        UpdateInsertionPointForward(0);
}

template <class TBase, class TSel> void CMaskedEditT<TBase, TSel>::OnKillfocus()
{
    NMMASKEDIT nm;
    memset(&nm, 0, sizeof(nm));
    nm.hdr.hwndFrom = this->GetSafeHwnd();
    nm.hdr.idFrom = static_cast<UINT_PTR>(this->GetDlgCtrlID());
    nm.hdr.code = MEN_VALIDATE;
    nm.bAccept = 1;
    nm.bValidate = 1;
    nm.nCaretPos = 0;
    CWnd* pParent = this->GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
    const bool bAccepted = nm.bAccept != 0 && (nm.bValidate == 0 || OnValidate() != 0);
    if (!bAccepted) {
        this->SetFocus();
        ValidationError();
        UpdateInsertionPointForward(nm.nCaretPos);
    }
}

template <class TBase, class TSel> void CMaskedEditT<TBase, TSel>::OnLButtonDown(UINT, CPoint)
{
    // An empty field is entered at its first input position, wherever clicked.
    if (::GetFocus() != this->GetSafeHwnd() && IsInputEmpty()) {
        this->SetFocus();
        UpdateInsertionPointForward(0);
        return;
    }
    this->Default();
}

/////////////////////////////////////////////////////////////////////////////
// Clipboard and outside text

template <class TBase, class TSel> LRESULT CMaskedEditT<TBase, TSel>::OnCut(WPARAM, LPARAM)
{
    if (PassThrough())
        return this->Default();
    int nStart = 0, nEnd = 0;
    TSel::Get(*this, nStart, nEnd);
    this->Default();
    // The records put the literals back that the standard cut removed.
    DeleteRange(nStart, nEnd);
    Update(nStart);
    return 0;
}

template <class TBase, class TSel> LRESULT CMaskedEditT<TBase, TSel>::OnCopy(WPARAM, LPARAM)
{
    return this->Default();
}

template <class TBase, class TSel> LRESULT CMaskedEditT<TBase, TSel>::OnClear(WPARAM, LPARAM)
{
    if (PassThrough())
        return this->Default();
    int nStart = 0, nEnd = 0;
    TSel::Get(*this, nStart, nEnd);
    this->Default();
    DeleteRange(nStart, nEnd);
    Update(nStart);
    return 0;
}

template <class TBase, class TSel> LRESULT CMaskedEditT<TBase, TSel>::OnPaste(WPARAM, LPARAM)
{
    if (PassThrough())
        return this->Default();
    int nStart = 0, nEnd = 0;
    TSel::Get(*this, nStart, nEnd);
    this->Default();
    // The pasted text is parsed back as a whole: literals are offered to the
    // input positions and dropped where refused.
    CString strText;
    this->GetWindowText(strText);
    SetInputData(strText, 0, false);
    Update(-1);
    TSel::Place(*this, GetEmptyInputLocation(nStart));
    return 0;
}

template <class TBase, class TSel> LRESULT CMaskedEditT<TBase, TSel>::OnSetText(WPARAM, LPARAM lParam)
{
    if (PassThrough())
        return this->Default();
    if (m_nInternalUpdate > 0) {
        const LRESULT lResult = this->Default();
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
