// RestrictedEdit.h: CRestrictedEdit, an edit that lets through only the typed
// characters of an allowed list, or all but those of a refused list.
#pragma once

#include <afxwin.h>

class AFX_EXT_CLASS CRestrictedEdit : public CEdit
{
    DECLARE_DYNCREATE(CRestrictedEdit)

public:
    CRestrictedEdit();
    virtual ~CRestrictedEdit();

    // Each list empties the other; a null pointer counts as "".
    void SetValidChars(const char* pszChars);
    void SetInvalidChars(const char* pszChars);

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    CString m_strInvalidChars; // refused characters (when not empty)
    CString m_strValidChars;   // allowed characters, ending in "\t\r\n\b" (when not empty)
};
