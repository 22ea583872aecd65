// MemDC.h: an off-screen device context for flicker-free painting.
//
// Construct a CMemDC on the target DC at the start of a paint, draw into it
// with the target's own coordinates, and let it go out of scope: the
// destructor copies the drawing onto the target in one BitBlt over the
// target's clip box, so the screen never shows a half-drawn control.
//
//     void CMyCtrl::OnPaint()
//     {
//         CPaintDC dc(this);
//         CMemDC memDC(&dc);          // draws off-screen from here on
//         memDC.FillSolidRect(...);
//     }                                // copied to the window here
//
// A printing target is drawn on directly: the object borrows the target's
// handles and its printing flag and gives them back, without copying and
// without releasing the target's DC.
#pragma once

#include "Quillon.h"

class AFX_EXT_CLASS CMemDC : public CDC
{
    // Construction
public:
    // pDC: the target; not owned, and it must outlive this object.
    explicit CMemDC(CDC* pDC);
    // Copies the off-screen bitmap onto the target at m_rect (SRCCOPY) and
    // releases the bitmap and the memory DC.
    virtual ~CMemDC();

    // Implementation
private:
    CBitmap m_bitmap;      // the off-screen bitmap, m_rect's size
    CBitmap* m_pOldBitmap; // the bitmap m_bitmap replaced in the memory DC
    CDC* m_pDC;            // the target (not owned)
    CRect m_rect;          // the target's clip box, in its logical coordinates
    BOOL m_bMemDC;         // TRUE when drawing off-screen (target not printing)

    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;
};
