// MDIBackground.h: paints the empty area of an MDI frame (the MDI client,
// behind the child windows) with a colour and an optional bitmap.
#pragma once

#include "Quillon.h"

#include <commctrl.h> // COLORMAP

// CMDIBackground: the host subclasses its frame's MDI client with it, after
// the frame has created the client:
//
//     int CMainFrame::OnCreate(LPCREATESTRUCT lpcs)
//     {
//         if (CMDIFrameWnd::OnCreate(lpcs) == -1)
//             return -1;
//         m_background.SetAutoSaveRestore(1);   // optional, before subclassing
//         m_background.SubclassWindow(m_hWndMDIClient);
//         ...
//
// Display modes: DM_TILE repeats the bitmap from the top-left corner;
// DM_CENTER centres it on the background colour (a bitmap larger than the
// window is cut evenly on both sides); DM_STRETCH stretches it over the
// whole client area; DM_ORIGIN places its top-left corner at the origin on
// the background colour.  Without a bitmap the whole area shows the
// background colour in every mode.  The centred and positioned modes are
// composed off screen and copied in one piece; WM_ERASEBKGND erases nothing.
//
// Profile: with SetAutoSaveRestore(1) the settings are read back from the
// application profile when the window is subclassed and written when it is
// destroyed, section "Main Background", entries "DisplayMode", "BkColor",
// "FileName", "OriginX", "OriginY".  Only a bitmap loaded from a file is
// remembered (by its path); resource bitmaps are the host's to set again.
//
// Decisions of this implementation:
// - A bitmap of zero width or height (none loaded, or one whose size could
//   not be read) is not drawn: the area shows the background colour.
// - A display mode other than the four (SetDisplayMode and the profile
//   accept any number) fills the area with the background colour only.
// - SaveState and RestoreState do nothing when there is no application
//   object.
class AFX_EXT_CLASS CMDIBackground : public CWnd
{
    // Construction
public:
    enum DisplayModesEnum
    {
        DM_TILE = 0,    // repeated from the top-left corner
        DM_CENTER = 1,  // centred on the background colour
        DM_STRETCH = 2, // stretched over the client area
        DM_ORIGIN = 3   // top-left corner at m_ptOrigin, on the background colour
    };

    CMDIBackground();          // Reset() state, no auto save and restore
    virtual ~CMDIBackground(); // deletes the bitmap and the brush

    // Attributes
public:
    void SetBkColor(COLORREF crBkColor); // rebuilds the brush; repaints
    COLORREF GetBkColor() const;
    void SetDisplayMode(DisplayModesEnum nMode); // not checked; repaints
    DisplayModesEnum GetDisplayMode() const;
    // The bitmap's position in DM_ORIGIN; repaints only when bRedraw is 1.
    void SetOrigin(int x, int y, int bRedraw);
    void SetOrigin(const CPoint& pt, int bRedraw);
    const CPoint& GetOrigin() const;
    // 1: RestoreState at subclassing, SaveState at WM_DESTROY.
    void SetAutoSaveRestore(int bAutoSaveRestore);
    int GetAutoSaveRestore() const;
    const CString& GetFileName() const; // path of the last bitmap loaded from a file
    const CSize& GetImageSize() const;  // of the current bitmap; (0, 0) without one

    // Operations
public:
    // Loads a bitmap file (LoadImage with nFlags | LR_LOADFROMFILE).  On
    // failure returns FALSE and keeps the previous bitmap and file name.
    BOOL SetBitmap(const char* pszFileName, UINT nFlags);
    // Loads a bitmap resource (found through AfxFindResourceHandle).  A
    // missing resource leaves no bitmap; returns TRUE either way.  nUnused
    // has no effect.  The file name is kept.
    BOOL SetBitmap(UINT nResourceId, UINT nUnused);
    // Loads a bitmap resource with CreateMappedBitmap when pColorMap is not
    // null (the listed colours of the bitmap's colour table are replaced),
    // else as above.  Returns FALSE when no bitmap results.
    BOOL SetBitmap(UINT nResourceId, COLORMAP* pColorMap, int nMapCount);
    // Origin, image size and mode to 0, the system's application-workspace
    // colour, no bitmap; the file name stays.
    void Reset();
    // Writes the five profile entries; RestoreState reads them back (a file
    // that no longer loads leaves the current bitmap).
    void SaveState();
    void RestoreState();

    // Overridables
protected:
    virtual void PreSubclassWindow(); // RestoreState when auto save and restore is 1

    // Message handlers
protected:
    afx_msg void OnDestroy(); // SaveState when auto save and restore is 1
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC); // TRUE: the paint covers every pixel
    DECLARE_MESSAGE_MAP()

    // Implementation
protected:
    CBitmap m_Bitmap;                // the image (owned); no handle = none
    CBrush m_Brush;                  // solid brush of m_crBkColor
    COLORREF m_crBkColor;            // background colour
    int m_bAutoSaveRestore;          // 1: restore at subclassing, save at destruction
    CString m_strFileName;           // path of the last bitmap loaded from a file
    CPoint m_ptOrigin;               // bitmap position in DM_ORIGIN, client coordinates
    CSize m_sizeImage;               // bitmap size in pixels
    DisplayModesEnum m_nDisplayMode; // drawing mode

    // m_sizeImage from the current bitmap, (0, 0) without one.
    void TakeImageSize();
    // InvalidateRect of the whole client area with erase, when the window exists.
    void InvalidateIfWindow();
};
