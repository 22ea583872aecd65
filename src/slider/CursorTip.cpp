// CursorTip.cpp: CCursorTip, a framed line of text placed next to a point.
#include "CursorTip.h"
#include "MemDC.h"

namespace {

const DWORD kTipStyle = 0xC4000000; // WS_POPUP | WS_CHILD | WS_CLIPSIBLINGS
const int kPadX = 7;                // box width over the text's
const int kPadY = 2;                // box height over the text's

} // namespace

IMPLEMENT_DYNAMIC(CCursorTip, CWnd)

BEGIN_MESSAGE_MAP(CCursorTip, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CCursorTip::CCursorTip()
    : m_pParent(NULL), m_ptPos(0, 0), m_crBack(::GetSysColor(COLOR_INFOBK)),
      m_crText(::GetSysColor(COLOR_INFOTEXT))
{}

CCursorTip::~CCursorTip()
{
    m_Font.DeleteObject();
}

int CCursorTip::Create(CWnd* pParent)
{
    m_pParent = pParent;
    m_Font.DeleteObject();
    m_Font.CreateFont(15, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                      DEFAULT_QUALITY, 0, "MS Sans Serif");
    return CWnd::CreateEx(0, NULL, NULL, kTipStyle, CRect(0, 0, 0, 0), pParent, 0);
}

void CCursorTip::SetText(const CString& s)
{
    m_strText = s;
    m_strText.TrimRight();
}

bool CCursorTip::GetTipSize(CSize& size)
{
    size = CSize(0, 0);
    if (m_hWnd == NULL)
        return false;
    CDC* pDC = GetDC();
    if (pDC == NULL)
        return false;
    size = TextExtent(pDC) + CSize(kPadX, kPadY);
    ReleaseDC(pDC);
    return true;
}

void CCursorTip::SetTextColor(unsigned long c)
{
    m_crText = c;
    RepaintNow();
}

void CCursorTip::SetBackColor(unsigned long c)
{
    m_crBack = c;
    RepaintNow();
}

unsigned long CCursorTip::GetTextColor()
{
    return m_crText;
}

unsigned long CCursorTip::GetBackColor()
{
    return m_crBack;
}

int CCursorTip::Show(const CPoint& pt)
{
    if (m_strText.IsEmpty())
        return 0;
    m_ptPos = pt;
    DisplayToolTip(pt);
    return 1;
}

void CCursorTip::Close()
{
    ShowWindow(SW_HIDE);
}

void CCursorTip::OnPaint()
{
    {
        CPaintDC dc(this); // validates; the drawing goes through the window's own DC
    }
    DisplayToolTip(m_ptPos);
}

void CCursorTip::RepaintNow()
{
    if (m_hWnd == NULL)
        return;
    InvalidateRect(NULL, TRUE);
    UpdateWindow();
}

CSize CCursorTip::TextExtent(CDC* pDC)
{
    CFont* pOldFont = pDC->SelectObject(&m_Font);
    CSize size = pDC->GetTextExtent(m_strText);
    pDC->LPtoDP(&size);
    pDC->SelectObject(pOldFont);
    return size;
}

void CCursorTip::DisplayToolTip(const CPoint& pt)
{
    if (m_hWnd == NULL)
        return;
    CDC* pDC = GetDC();
    if (pDC == NULL)
        return;
    const CSize size = TextExtent(pDC) + CSize(kPadX, kPadY);
    {
        // The window still has its old size here; the paint that the
        // placement below causes draws the box again at the new one.
        CMemDC dc(pDC);
        CFont* pOldFont = dc.SelectObject(&m_Font);
        dc.SetBkMode(TRANSPARENT);
        CBrush brBack(m_crBack);
        CPen penFrame(PS_SOLID, 0, RGB(0, 0, 0));
        CBrush* pOldBrush = dc.SelectObject(&brBack);
        CPen* pOldPen = dc.SelectObject(&penFrame);
        dc.Rectangle(0, 0, size.cx, size.cy);
        dc.SetTextColor(m_crText);
        dc.SetTextAlign(TA_LEFT | TA_TOP);
        dc.TextOut(3, 1, m_strText);
        dc.SelectObject(pOldPen);
        dc.SelectObject(pOldBrush);
        dc.SelectObject(pOldFont);
    }
    ReleaseDC(pDC);

    CRect rc(pt.x, pt.y, pt.x + size.cx, pt.y + size.cy);
    if (m_pParent != NULL && m_pParent->m_hWnd != NULL)
        m_pParent->ClientToScreen(&rc);
    CPoint ptAt(rc.left + 1, rc.top + 1);
    const HWND hContainer = ::GetAncestor(m_hWnd, GA_PARENT);
    if (hContainer != NULL && hContainer != ::GetDesktopWindow())
        ::ScreenToClient(hContainer, &ptAt); // made a child after all: place it in its parent
    SetWindowPos(&wndTop, ptAt.x, ptAt.y, size.cx, size.cy,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
}
