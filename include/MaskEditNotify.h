// MaskEditNotify.h: the notification a masked edit sends to its parent when
// it is about to lose the focus (WM_NOTIFY, code MEN_VALIDATE).
#pragma once

#include <afxwin.h>

#define MEN_VALIDATE 0x8136

// Sent zero-filled except for the fields set below; the parent may change the
// three fields after the header before its handler returns.
struct NMMASKEDIT
{
    NMHDR hdr;      // the control's window, id and MEN_VALIDATE
    BYTE bAccept;   // sent 1; 0: the control keeps the focus
    BYTE bValidate; // sent 1; 0: the control's OnValidate is not asked
    WORD wReserved; // 0
    int nCaretPos;  // raw position from which the caret is placed when the focus is kept
};
typedef NMMASKEDIT* LPNMMASKEDIT;

#if defined(_WIN32) && !defined(_WIN64)
// The parent reads the structure by offsets fixed on 32-bit Windows.
static_assert(sizeof(NMMASKEDIT) == 20, "NMMASKEDIT is 20 bytes");
static_assert(offsetof(NMMASKEDIT, hdr) == 0, "hdr at 0");
static_assert(offsetof(NMMASKEDIT, bAccept) == 12, "bAccept at 12");
static_assert(offsetof(NMMASKEDIT, bValidate) == 13, "bValidate at 13");
static_assert(offsetof(NMMASKEDIT, wReserved) == 14, "reserved at 14");
static_assert(offsetof(NMMASKEDIT, nCaretPos) == 16, "nCaretPos at 16");
#endif
