// SizingToolBar.cpp: CSizingToolBar, docked layouts at the floating width.
#include "SizingToolBar.h"

IMPLEMENT_DYNAMIC(CSizingToolBar, CToolBar)

CSizingToolBar::CSizingToolBar() {}

CSizingToolBar::~CSizingToolBar() {}

CSize CSizingToolBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    if (nMode & (LM_HORZDOCK | LM_VERTDOCK))
        return CToolBar::CalcDynamicLayout(nLength, (nMode & ~(LM_HORZDOCK | LM_VERTDOCK)) | LM_MRUWIDTH);
    return CToolBar::CalcDynamicLayout(nLength, nMode);
}
