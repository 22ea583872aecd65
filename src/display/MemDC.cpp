// MemDC.cpp: the off-screen device context that controls paint through.
#include "MemDC.h"

CMemDC::CMemDC(CDC* pDC) : m_pOldBitmap(nullptr), m_pDC(pDC), m_bMemDC(FALSE)
{
    ASSERT(pDC != nullptr);
    if (pDC == nullptr)
        return;
    m_bMemDC = !pDC->IsPrinting();
    if (m_bMemDC) {
        pDC->GetClipBox(&m_rect);
        CreateCompatibleDC(pDC);
        m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height());
        m_pOldBitmap = SelectObject(&m_bitmap);
        SetWindowOrg(m_rect.left, m_rect.top);
    } else {
        // Printing: draw straight onto the target with its handles and flag.
        m_bPrinting = pDC->IsPrinting();
        m_hDC = pDC->m_hDC;
        m_hAttribDC = pDC->m_hAttribDC;
    }
}

CMemDC::~CMemDC()
{
    if (m_bMemDC) {
        m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top,
                      SRCCOPY);
        SelectObject(m_pOldBitmap);
        m_bitmap.DeleteObject();
        DeleteDC();
    } else {
        // The handles are borrowed: clear them so that CDC's destructor
        // does not release the target's DC.
        m_hDC = m_hAttribDC = nullptr;
    }
}
