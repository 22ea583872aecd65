// PosControlShared.h: what the position edit control and the position
// display have in common: their registered message names, the notation menu
// and the profile entry they write. Internal to the library.
#pragma once

#include "PosFormat.h"

#include <afxwin.h>

// The five registered numbers both controls use: the synchronisation message
// and the menu commands (the same names, hence the same numbers, in both).
struct PosMessageNumbers
{
    UINT nSynchroMsg; // wParam = new PosFormat, lParam = 0
    UINT nCmdDMS;
    UINT nCmdDMX;
    UINT nCmdDXX;
    UINT nCmdMetric;
};
PosMessageNumbers RegisterPosMessages();

// A notation number as it arrives in a message: only 0-3 are notations.
inline bool IsPosFormat(WPARAM n)
{
    return n <= POS_FORMAT_METRIC;
}

// Builds the notation menu by position ("DMS", "DMX", "DXX", then "Metric"
// when bWithMetric), checks the current notation, tracks it at ptScreen with
// pOwner receiving the command, and destroys it.
void TrackPosFormatMenu(CWnd* pOwner, CPoint ptScreen, const PosMessageNumbers& ids, PosFormat nCurrent,
                        bool bWithMetric);

// Writes the notation to the application's profile ("Position Control", "Format").
void WritePosFormatToProfile(PosFormat nFormat);
