// PaletteRect.cpp: CPaletteRect, the palette strip.
#include "PaletteRect.h"

BEGIN_MESSAGE_MAP(CPaletteRect, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CPaletteRect::CPaletteRect()
{
    for (int r = 0; r < 3; r++)
        for (int i = 0; i < 255; i++)
            m_Palette[r][i] = (unsigned char)i;
}

CPaletteRect::~CPaletteRect() {}

BOOL CPaletteRect::Create(const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CStatic::Create("", WS_CHILD | WS_VISIBLE, rect, pParentWnd, nID);
}

void CPaletteRect::setpalette(unsigned char (*pPalette)[256])
{
    ASSERT(pPalette != NULL);
    if (pPalette == NULL)
        return;
    for (int r = 0; r < 3; r++)
        memcpy(m_Palette[r], &pPalette[r][1], 255);
    if (::IsWindow(m_hWnd))
        InvalidateRect(NULL, TRUE);
}

void CPaletteRect::OnPaint()
{
    CPaintDC dc(this);
    CRect rc;
    GetClientRect(&rc);
    rc.DeflateRect(2, 2);
    const double w = rc.Width() / 255.0;
    for (int i = 0; i < 255; i++) {
        CRect rcStripe(rc.left + (int)(i * w + 0.5), rc.top, rc.left + (int)((i + 1) * w + 0.5), rc.bottom);
        CBrush brush(RGB(m_Palette[0][i], m_Palette[1][i], m_Palette[2][i]));
        dc.FillRect(&rcStripe, &brush);
    }
}
