// Gripper.cpp: CGripper, a size grip that acts as the bottom-right sizing corner.
#include "Gripper.h"

BEGIN_MESSAGE_MAP(CGripper, CScrollBar)
    ON_WM_NCHITTEST()
END_MESSAGE_MAP()

CGripper::CGripper() {}

CGripper::~CGripper() {}

LRESULT CGripper::OnNcHitTest(CPoint)
{
    const LRESULT nHit = Default();
    return nHit == HTCLIENT ? HTBOTTOMRIGHT : nHit;
}
