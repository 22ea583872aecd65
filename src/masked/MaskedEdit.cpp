// MaskedEdit.cpp: the masked edit over a standard edit control. The behaviour
// itself is CMaskedEditT's, instantiated here for CEdit.
#include "MaskedEdit.h"

#include "MaskedEditT.inl"

template class CMaskedEditT<CEdit, CEditSelection>;

IMPLEMENT_DYNAMIC(CMaskedEdit, CEdit)

CMaskedEdit::CMaskedEdit(const char* pszMask) : CMaskedEditT<CEdit, CEditSelection>(pszMask) {}

CMaskedEdit::~CMaskedEdit() {}

BEGIN_MESSAGE_MAP(CMaskedEdit, CEdit)
    QUILLON_MASKED_EDIT_ENTRIES()
END_MESSAGE_MAP()
