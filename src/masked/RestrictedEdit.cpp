// RestrictedEdit.cpp: filters WM_CHAR only; pasting and SetWindowText are
// plain edit behaviour.
#include "RestrictedEdit.h"

IMPLEMENT_DYNCREATE(CRestrictedEdit, CEdit)

BEGIN_MESSAGE_MAP(CRestrictedEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

CRestrictedEdit::CRestrictedEdit() {}

CRestrictedEdit::~CRestrictedEdit() {}

void CRestrictedEdit::SetValidChars(const char* pszChars)
{
    // Tab, Enter, line feed and Backspace stay usable with any list.
    m_strValidChars = pszChars != nullptr ? pszChars : "";
    m_strValidChars += "\t\r\n\b";
    m_strInvalidChars.Empty();
}

void CRestrictedEdit::SetInvalidChars(const char* pszChars)
{
    m_strInvalidChars = pszChars != nullptr ? pszChars : "";
    m_strValidChars.Empty();
}

void CRestrictedEdit::OnChar(UINT nChar, UINT, UINT)
{
    const char ch = static_cast<char>(nChar & 0xFF);
    bool bAllowed = true;
    // Ctrl+key characters (cut, copy, paste, undo) always reach the edit.
    if (::GetKeyState(VK_CONTROL) < 0)
        bAllowed = true;
    else if (!m_strInvalidChars.IsEmpty())
        bAllowed = m_strInvalidChars.Find(ch) < 0;
    else if (!m_strValidChars.IsEmpty())
        bAllowed = m_strValidChars.Find(ch) >= 0;
    if (bAllowed)
        Default();
}
