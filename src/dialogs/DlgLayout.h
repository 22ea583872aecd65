// DlgLayout.h: where a registered control's edges go when the dialog has
// grown by (dx, dy) since OnInitDialog.  No window code; internal to the
// library.
#pragma once

struct DlgLayoutEdges
{
    int left, top, right, bottom; // dialog client coordinates
};

// Every edge is placed from the recorded rectangle alone, never from the
// control's present place.  An edge that is not kept moves by the growth of
// its axis; an axis that has not grown (d <= 0) leaves the recorded edges.
inline DlgLayoutEdges DlgLayoutPlace(const DlgLayoutEdges& initial, bool bKeepTop, bool bKeepBottom,
                                     bool bKeepLeft, bool bKeepRight, int dx, int dy)
{
    DlgLayoutEdges rc = initial;
    if (dx > 0) {
        if (!bKeepLeft)
            rc.left += dx;
        if (!bKeepRight)
            rc.right += dx;
    }
    if (dy > 0) {
        if (!bKeepTop)
            rc.top += dy;
        if (!bKeepBottom)
            rc.bottom += dy;
    }
    return rc;
}
