// ColorRect.cpp: CColorRect, a colour swatch with a dotted frame.
#include "ColorRect.h"

BEGIN_MESSAGE_MAP(CColorRect, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CColorRect::CColorRect() : m_crColor(RGB(0, 0, 0)) {}

CColorRect::~CColorRect() {}

BOOL CColorRect::Create(const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CStatic::Create("", WS_CHILD | WS_VISIBLE, rect, pParentWnd, nID);
}

void CColorRect::SetColor(COLORREF crColor)
{
    m_crColor = crColor;
    if (!::IsWindow(m_hWnd))
        return;
    InvalidateRect(NULL, TRUE);
    UpdateWindow();
}

COLORREF CColorRect::GetColor()
{
    return m_crColor;
}

void CColorRect::OnPaint()
{
    CPaintDC dc(this);

    CPen pen;
    pen.CreatePen(PS_DOT, 1, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    LOGBRUSH lb = {BS_SOLID, m_crColor, 0};
    CBrush brush;
    brush.CreateBrushIndirect(&lb);

    CRect rc;
    GetClientRect(&rc);
    CBrush* pOldBrush = dc.SelectObject(&brush);
    CPen* pOldPen = dc.SelectObject(&pen);
    dc.Rectangle(rc.left, rc.top, rc.right, rc.bottom);
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldPen);
    pen.DeleteObject();
    brush.DeleteObject();
}
