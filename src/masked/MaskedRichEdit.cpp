// MaskedRichEdit.cpp: the masked edit over a rich edit control; the same
// members as CMaskedEdit (MaskedEditImpl.inl), with the rich edit's
// selection messages.
#include "MaskedRichEdit.h"

IMPLEMENT_DYNAMIC(CMaskedRichEdit, CRichEditCtrl)

#define MASKED_CLASS CMaskedRichEdit
#define MASKED_BASE CRichEditCtrl
#include "MaskedEditImpl.inl"
