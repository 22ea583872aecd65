// MaskedRichEdit.cpp: the masked edit over a rich edit control; the same
// CMaskedEditT as CMaskedEdit with the rich edit's selection messages.
#include "MaskedRichEdit.h"

#include "MaskedEditT.inl"

template class CMaskedEditT<CRichEditCtrl, CRichEditSelection>;

IMPLEMENT_DYNAMIC(CMaskedRichEdit, CRichEditCtrl)

CMaskedRichEdit::CMaskedRichEdit(const char* pszMask)
    : CMaskedEditT<CRichEditCtrl, CRichEditSelection>(pszMask)
{}

CMaskedRichEdit::~CMaskedRichEdit() {}

BEGIN_MESSAGE_MAP(CMaskedRichEdit, CRichEditCtrl)
    QUILLON_MASKED_EDIT_ENTRIES()
END_MESSAGE_MAP()
