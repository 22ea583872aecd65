// Gripper.h: the size grip that CScrollDialog keeps in the bottom-right
// corner of its client area.
#pragma once

#include "Quillon.h"

// CGripper: a size-box scroll bar (SBS_SIZEBOX | SBS_SIZEGRIP) whose whole
// area answers the hit test as the window's bottom-right sizing corner
// (HTBOTTOMRIGHT), so the cursor and a drag act on the corner wherever the
// grip is touched.  The platform draws it; it has no state of its own.
// Create it with CScrollBar::Create (CScrollDialog does this itself).
class AFX_EXT_CLASS CGripper : public CScrollBar
{
    // Construction
public:
    CGripper();
    virtual ~CGripper();

    // Message handlers
protected:
    // The default hit test, with HTCLIENT turned into HTBOTTOMRIGHT; every
    // other code is returned unchanged.
    afx_msg LRESULT OnNcHitTest(CPoint point);
    DECLARE_MESSAGE_MAP()
};
