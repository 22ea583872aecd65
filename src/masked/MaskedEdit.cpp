// MaskedEdit.cpp: the masked edit over a standard edit control. Its members
// are written once, in MaskedEditImpl.inl, for both masked edits.
#include "MaskedEdit.h"

IMPLEMENT_DYNAMIC(CMaskedEdit, CEdit)

#define MASKED_CLASS CMaskedEdit
#define MASKED_BASE CEdit
#include "MaskedEditImpl.inl"
