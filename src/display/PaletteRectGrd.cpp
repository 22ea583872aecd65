// PaletteRectGrd.cpp: CPaletteRectGrd, the palette strip with its labelled
// scale.
#include "PaletteRectGrd.h"

BEGIN_MESSAGE_MAP(CPaletteRectGrd, CPaletteRect)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CPaletteRectGrd::CPaletteRectGrd() : m_dGrdMin(0.0), m_dGrdMax(254.0), m_nGrdTicks(0), m_bGrdShow(false) {}

CPaletteRectGrd::~CPaletteRectGrd() {}

void CPaletteRectGrd::SetGrd(double dMin, double dMax, unsigned char nTicks, bool bShow)
{
    m_dGrdMin = dMin;
    m_dGrdMax = dMax;
    m_nGrdTicks = nTicks;
    m_bGrdShow = bShow;
}

void CPaletteRectGrd::OnPaint()
{
    CPaletteRect::OnPaint();
    if (!m_bGrdShow)
        return;

    CDC* pDC = GetDC();
    if (pDC == NULL)
        return;
    pDC->SetBkMode(TRANSPARENT);
    CRect rc;
    GetClientRect(&rc);
    const double dSpan = m_dGrdMax - m_dGrdMin;
    const char* pszFormat = dSpan <= 10.0 ? "|%.1f" : "|%.0f";
    for (unsigned char i = 0; i < m_nGrdTicks; i++) {
        CString strLabel;
        strLabel.Format(pszFormat, dSpan / m_nGrdTicks * i + m_dGrdMin);
        pDC->TextOut((i * rc.Width()) / m_nGrdTicks, -2, strLabel);
    }
    ReleaseDC(pDC);
}
