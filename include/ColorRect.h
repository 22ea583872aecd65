// ColorRect.h: a colour swatch, a rectangle filled with one colour and
// framed by a dotted line in the system highlight colour.
#pragma once

#include "Quillon.h"

// CColorRect: create it with Create or subclass a static item of a dialog.
// The fill colour starts as black (RGB(0, 0, 0)) so that a swatch painted
// before the first SetColor shows a defined colour.
class AFX_EXT_CLASS CColorRect : public CStatic
{
    // Construction
public:
    CColorRect();
    virtual ~CColorRect();
    using CStatic::Create;
    // A visible child with no text: style WS_CHILD | WS_VISIBLE.
    BOOL Create(const RECT& rect, CWnd* pParentWnd, UINT nID);

    // Attributes
public:
    void SetColor(COLORREF crColor); // repaints at once
    COLORREF GetColor();

    // Message handlers
protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    // Implementation
protected:
    COLORREF m_crColor; // fill colour; black until SetColor
};
