// SizingToolBar.h: a tool bar that keeps its floating shape when docked.
#pragma once

#include "Quillon.h"

#include <afxext.h>

// CSizingToolBar: a CToolBar whose docked layouts are the layout it last had
// while floating.  A docked bar is asked for its size with LM_HORZDOCK or
// LM_VERTDOCK; this class asks the tool bar's layout instead for the most
// recently used floating width (LM_MRUWIDTH), keeping every other mode bit
// (LM_HORZ, LM_COMMIT, ...) and the length.  So a bar the user shaped into
// two rows of three buttons while it floated docks as two rows of three, not
// as one row of six.  Until the bar has floated with a committed layout the
// most recently used width is the tool bar's initial one (one row).
//
// The wrapping needs a bar with CBRS_SIZE_DYNAMIC; a fixed-size bar keeps
// one row or column, docked or not, as a CToolBar does.
class AFX_EXT_CLASS CSizingToolBar : public CToolBar
{
    DECLARE_DYNAMIC(CSizingToolBar)

    // Construction
public:
    CSizingToolBar();
    virtual ~CSizingToolBar();

    // Overridables
public:
    // With LM_HORZDOCK or LM_VERTDOCK in nMode: CToolBar::CalcDynamicLayout
    // (nLength, nMode without both dock bits, with LM_MRUWIDTH).  Any other
    // mode goes to CToolBar::CalcDynamicLayout unchanged.
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
};
