// PaletteRect.h: a 255-entry colour palette shown as a strip of 255 vertical
// stripes, left to right, for instance the colour scale of an image display.
#pragma once

#include "Quillon.h"

// CPaletteRect: create it with Create or subclass a static item of a dialog.
//
// The strip fills the client area less a 2-pixel frame that the control
// leaves to the erased background.  Stripe i spans
// [left + round(i * w), left + round((i + 1) * w)) with w = strip width / 255,
// so adjacent stripes share their edges; on a 259-pixel-wide control every
// stripe is one pixel.
//
// Palette layout: setpalette takes the usual 256-entry rows (red, green,
// blue) and shows entries 1 to 255; entry 0 of each row is not used.
// Until the first setpalette the strip is a grey ramp: stripe i is
// RGB(i, i, i), 0 to 254.
class AFX_EXT_CLASS CPaletteRect : public CStatic
{
    // Construction
public:
    CPaletteRect(); // the grey ramp
    virtual ~CPaletteRect();
    using CStatic::Create;
    // A visible child with no text: style WS_CHILD | WS_VISIBLE.
    BOOL Create(const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Operations
public:
    // pPalette: three rows of 256 bytes (red, green, blue); entries 1..255
    // become stripes 0..254.  Invalidates the whole control.  A null
    // pointer is a programmer error: asserts and changes nothing.
    void setpalette(unsigned char (*pPalette)[256]);

    // Message handlers
protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    // Implementation
protected:
    unsigned char m_Palette[3][255]; // rows red, green, blue; column i = stripe i
};
