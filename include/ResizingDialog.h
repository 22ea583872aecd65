// ResizingDialog.h: a scrolling dialog whose registered controls follow the
// dialog's size with anchored edges.
#pragma once

#include "ScrollDialog.h"

// One registered control; owned by the dialog that registered it.
struct DlgControlInfo
{
    UINT nID;         // dialog control id
    RECT rcInitial;   // its rectangle in dialog client coordinates when registered
    bool bKeepTop;    // true: the top edge never moves; false: it moves down by the height growth
    bool bKeepBottom; // true: the bottom edge never moves; false: it moves down by the height growth
    bool bKeepLeft;   // true: the left edge never moves; false: it moves right by the width growth
    bool bKeepRight;  // true: the right edge never moves; false: it moves right by the width growth
};

// CResizingDialog: give the template a resizable frame (WS_THICKFRAME),
// derive the host dialog from this class, call CResizingDialog::OnInitDialog
// first from the host's OnInitDialog, then AddDlgControl for each control
// that is to follow the dialog's size:
//
//     AddDlgControl(IDC_LIST, true, false, true, false);  // stretches
//     AddDlgControl(IDOK, false, false, false, false);    // moves with the corner
//     AddDlgControl(IDC_NAME, true, true, true, false);   // widens only
//
// Growth is measured on the window rectangle (frame included) against the
// one at OnInitDialog, so scroll bars that come or go do not change it.  On
// each resize every record is placed from its recorded rectangle: an edge
// that is not kept moves by the growth of its axis; on an axis where the
// dialog is not larger than at OnInitDialog the edges go back to their
// recorded place, and the scrolling of CScrollDialog reaches what the
// smaller window hides.  There is no minimum size, and the grip is never
// shown.  A minimised dialog (cx or cy below 1) moves nothing.
//
// Records are laid out in registration order, so an id registered twice is
// placed by its later record.  An id with no control is not recorded; a
// control destroyed after registration is skipped.  Records are freed by the
// destructor, and by the next OnInitDialog of the same object.
class AFX_EXT_CLASS CResizingDialog : public CScrollDialog
{
    // Construction
public:
    CResizingDialog(UINT nIDTemplate = 0, CWnd* pParentWnd = NULL);
    // Frees every record.
    virtual ~CResizingDialog();

    // Operations
protected:
    // Records the control's present rectangle (dialog client coordinates)
    // with the four flags; does nothing if the dialog has no such control.
    void AddDlgControl(UINT nID, bool bKeepTop, bool bKeepBottom, bool bKeepLeft, bool bKeepRight);

    // Overridables
protected:
    // CScrollDialog's, which does nothing.
    virtual void DoDataExchange(CDataExchange* pDX);
    // CScrollDialog::OnInitDialog, then records the window rectangle, frees
    // the records of an earlier run and switches the grip off; returns TRUE.
    virtual BOOL OnInitDialog();

    // Message handlers
protected:
    // CScrollDialog's resize, then every record placed for the new size.
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    // Implementation
protected:
    CPtrArray m_arrControls; // DlgControlInfo* (owned), in registration order
    CRect m_rcInitialWindow; // window rectangle at OnInitDialog (screen coordinates, frame included)

private:
    void FreeRecords();

    CResizingDialog(const CResizingDialog&) = delete;
    CResizingDialog& operator=(const CResizingDialog&) = delete;
};
