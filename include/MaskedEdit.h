// MaskedEdit.h: CMaskedEdit, a single-line edit whose text always follows its
// mask: digits, letters and fixed separators.
#pragma once

#include <afxwin.h>

#include "MaskEditNotify.h"
#include "MaskedEditT.h"

class AFX_EXT_CLASS CMaskedEdit : public CMaskedEditT<CEdit, CEditSelection>
{
    DECLARE_DYNAMIC(CMaskedEdit)

public:
    explicit CMaskedEdit(const char* pszMask = "");
    virtual ~CMaskedEdit();

protected:
    DECLARE_MESSAGE_MAP()
};
