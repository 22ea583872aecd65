// afxext.h: control bars.  CControlBar is the base of bars that a CFrameWnd
// lays out along its edges; CToolBar is a bar of buttons on the common
// tool-bar control, loaded from MFC's TOOLBAR resources.
//
// Differences from MFC: bars are laid out along the frame's edges only (no
// docking, no floating frames, no gripper drawing) and command-UI updating of
// the buttons is left out; CToolBar::CalcDynamicLayout implements the LM_*
// modes itself (below) on the common control's own button rectangles.
#pragma once

#include "afxwin.h"
#include "afxcmn.h"

// Control-bar styles (m_dwStyle, SetBarStyle).
#define CBRS_ALIGN_LEFT 0x1000L
#define CBRS_ALIGN_TOP 0x2000L
#define CBRS_ALIGN_RIGHT 0x4000L
#define CBRS_ALIGN_BOTTOM 0x8000L
#define CBRS_ALIGN_ANY 0xF000L
#define CBRS_BORDER_LEFT 0x0100L
#define CBRS_BORDER_TOP 0x0200L
#define CBRS_BORDER_RIGHT 0x0400L
#define CBRS_BORDER_BOTTOM 0x0800L
#define CBRS_BORDER_ANY 0x0F00L
#define CBRS_TOOLTIPS 0x0010L
#define CBRS_FLYBY 0x0020L
#define CBRS_FLOAT_MULTI 0x0040L
#define CBRS_BORDER_3D 0x0080L
#define CBRS_HIDE_INPLACE 0x0008L
#define CBRS_SIZE_DYNAMIC 0x0004L
#define CBRS_SIZE_FIXED 0x0002L
#define CBRS_FLOATING 0x0001L
#define CBRS_GRIPPER 0x00400000L
#define CBRS_ORIENT_HORZ (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)
#define CBRS_ORIENT_VERT (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT)
#define CBRS_ORIENT_ANY (CBRS_ORIENT_HORZ | CBRS_ORIENT_VERT)
#define CBRS_ALL 0x0040FFFFL
#define CBRS_NOALIGN 0x00000000L
#define CBRS_LEFT (CBRS_ALIGN_LEFT | CBRS_BORDER_RIGHT)
#define CBRS_TOP (CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM)
#define CBRS_RIGHT (CBRS_ALIGN_RIGHT | CBRS_BORDER_LEFT)
#define CBRS_BOTTOM (CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP)

// Layout modes of CalcDynamicLayout.
#define LM_STRETCH 0x01  // stretch across the frame: nLength is ignored, the size follows LM_HORZ
#define LM_HORZ 0x02     // the bar is horizontal
#define LM_MRUWIDTH 0x04 // lay out at the most recently used floating width (m_nMRUWidth)
#define LM_HORZDOCK 0x08 // docked horizontally: one row, the widest layout
#define LM_VERTDOCK 0x10 // docked vertically: one column, the tallest layout
#define LM_LENGTHY 0x20  // nLength is a height, not a width
#define LM_COMMIT 0x40   // apply the layout; a floating bar remembers its width in m_nMRUWidth

// Tool-bar button styles (GetButtonStyle/SetButtonStyle): the common
// control's style in the low word and its state in the high word, with the
// enabled bit turned round so that TBBS_DISABLED means disabled.
#define TBBS_BUTTON MAKELONG(TBSTYLE_BUTTON, 0)
#define TBBS_SEPARATOR MAKELONG(TBSTYLE_SEP, 0)
#define TBBS_CHECKBOX MAKELONG(TBSTYLE_CHECK, 0)
#define TBBS_GROUP MAKELONG(TBSTYLE_GROUP, 0)
#define TBBS_CHECKGROUP (TBBS_GROUP | TBBS_CHECKBOX)
#define TBBS_DROPDOWN MAKELONG(TBSTYLE_DROPDOWN, 0)
#define TBBS_AUTOSIZE MAKELONG(TBSTYLE_AUTOSIZE, 0)
#define TBBS_NOPREFIX MAKELONG(TBSTYLE_NOPREFIX, 0)
#define TBBS_CHECKED MAKELONG(0, TBSTATE_CHECKED)
#define TBBS_PRESSED MAKELONG(0, TBSTATE_PRESSED)
#define TBBS_DISABLED MAKELONG(0, TBSTATE_ENABLED)
#define TBBS_INDETERMINATE MAKELONG(0, TBSTATE_INDETERMINATE)
#define TBBS_HIDDEN MAKELONG(0, TBSTATE_HIDDEN)
#define TBBS_WRAPPED MAKELONG(0, TBSTATE_WRAP)

/////////////////////////////////////////////////////////////////////////////
// CControlBar

class AFXLITE_API CControlBar : public CWnd
{
    DECLARE_DYNAMIC(CControlBar)

protected:
    CControlBar();

public:
    // Attributes
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    void SetBorders(int cxLeft = 0, int cyTop = 0, int cxRight = 0, int cyBottom = 0);
    void SetBorders(LPCRECT lpRect);
    CRect GetBorders() const;
    BOOL IsFloating() const { return (m_dwStyle & CBRS_FLOATING) != 0; }
    // Docking needs the docking frames afxlite does not have.
    void EnableDocking(DWORD dwDockStyle);

    // Overridables
    // The base bar has no content: its borders, stretched to 32767 along
    // the bar when bStretch.
    virtual CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz);
    virtual CSize CalcDynamicLayout(int nLength, DWORD nMode);
    // rect less the borders.
    virtual void CalcInsideRect(CRect& rect, BOOL bHorz) const;

    // Implementation
public:
    virtual ~CControlBar();

    int m_cxLeftBorder, m_cxRightBorder; // in pixels
    int m_cyTopBorder, m_cyBottomBorder; // in pixels
    DWORD m_dwStyle;                     // CBRS_* bits
    BOOL m_bAutoDelete;                  // delete the object when its window goes

protected:
    void PostNcDestroy() override;
    // WM_SIZEPARENT from the frame: take room along the aligned edge.
    afx_msg LRESULT OnSizeParent(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

/////////////////////////////////////////////////////////////////////////////
// CToolBar

class AFXLITE_API CToolBar : public CControlBar
{
    DECLARE_DYNAMIC(CToolBar)

public:
    // Construction
    CToolBar();
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP,
                UINT nID = AFX_IDW_TOOLBAR);
    BOOL CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle = TBSTYLE_FLAT,
                  DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect rcBorders = CRect(0, 0, 0, 0),
                  UINT nID = AFX_IDW_TOOLBAR);
    void SetSizes(SIZE sizeButton, SIZE sizeImage);
    void SetHeight(int cyHeight);
    // A TOOLBAR resource (version 1: image width and height, then the
    // command ids, 0 for a separator) and the bitmap of the same name, both
    // found through AfxFindResourceHandle.  Buttons are the image size plus
    // 7 x 7 pixels.
    BOOL LoadToolBar(LPCTSTR lpszResourceName);
    BOOL LoadToolBar(UINT nIDResource) { return LoadToolBar(MAKEINTRESOURCE(nIDResource)); }
    // The images, mapped to the system colours (CreateMappedBitmap).
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource) { return LoadBitmap(MAKEINTRESOURCE(nIDResource)); }
    // Takes ownership of hbmImageWell.
    BOOL SetBitmap(HBITMAP hbmImageWell);
    // One button per id, images in order; 0 makes a separator (8 pixels).
    // With a null array, nIDCount empty separators to fill with SetButtonInfo.
    BOOL SetButtons(const UINT* lpIDArray, int nIDCount);

    // Attributes
    int CommandToIndex(UINT nIDFind) const;
    UINT GetItemID(int nIndex) const;
    virtual void GetItemRect(int nIndex, LPRECT lpRect) const;
    UINT GetButtonStyle(int nIndex) const;
    void SetButtonStyle(int nIndex, UINT nStyle);
    void GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const;
    void SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage);
    BOOL SetButtonText(int nIndex, LPCTSTR lpszText);
    CString GetButtonText(int nIndex) const;
    // The common control under the bar: this same object seen as a
    // CToolBarCtrl, as in MFC.
    CToolBarCtrl& GetToolBarCtrl() const;
    int GetCount() const;

    // Layout.  CalcFixedLayout: one row (bHorz) or one column, stretched to
    // 32767 along the bar when bStretch, applied to the buttons.  CalcDynamicLayout wraps the
    // buttons into rows; the width it wraps at comes from the first mode
    // that applies: LM_STRETCH (fixed layout), LM_MRUWIDTH (m_nMRUWidth),
    // LM_HORZDOCK (one row), LM_VERTDOCK (one column), nLength != -1 (that
    // width, or with LM_LENGTHY the narrowest layout that fits that height),
    // a floating bar (m_nMRUWidth), else one row or one column after
    // LM_HORZ.  A bar without CBRS_SIZE_DYNAMIC keeps one row or column.
    // nLength and the result include the borders.  Without LM_COMMIT the
    // buttons are left as they were.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    CSize CalcDynamicLayout(int nLength, DWORD nMode) override;

    // Implementation
public:
    virtual ~CToolBar();

    int m_nMRUWidth;        // the last committed floating width, borders included; 32767 at first
    CSize m_sizeButton;     // in pixels
    CSize m_sizeImage;      // in pixels
    HBITMAP m_hbmImageWell; // the images (owned), or NULL

protected:
    // Button extents when the rows wrap at nMaxWidth (borders excluded):
    // applies the wraps, measures the control, puts the old wraps back
    // unless bCommit.
    CSize WrapButtons(int nMaxWidth, BOOL bCommit);
    // One row or column, stretched when asked; CalcFixedLayout commits it.
    CSize FixedLayout(BOOL bStretch, BOOL bHorz, BOOL bCommit);
    CSize CalcLayout(DWORD dwMode, int nLength);
};
