// BigIcon.cpp: CBigIcon, an owner-drawn button face showing one icon.
#include "BigIcon.h"

BEGIN_MESSAGE_MAP(CBigIcon, CButton)
    ON_WM_DRAWITEM()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CBigIcon::CBigIcon() : m_hIcon(NULL), m_bStretch(0), m_nFrameStyle(0) {}

CBigIcon::~CBigIcon() {}

void CBigIcon::SetIcon(HICON hIcon, int nStretch, int nFrameStyle)
{
    m_bStretch = nStretch;
    m_nFrameStyle = nFrameStyle;
    m_hIcon = hIcon;
    if (!::IsWindow(m_hWnd))
        return;
    InvalidateRect(NULL, TRUE);
    UpdateWindow();
}

HICON CBigIcon::GetIcon()
{
    return m_hIcon;
}

void CBigIcon::SizeToContent()
{
    SetWindowPos(NULL, 0, 0, 2 * ::GetSystemMetrics(SM_CXICON), 2 * ::GetSystemMetrics(SM_CYICON),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

// The frame drawn around the icon; styles other than 1 and 2 draw none.
void DrawFrame(HDC hDC, const RECT& rc, int nFrameStyle)
{
    RECT r = rc;
    if (nFrameStyle == 1)
        ::DrawFrameControl(hDC, &r, DFC_BUTTON, DFCS_FLAT);
    else if (nFrameStyle == 2)
        ::FrameRect(hDC, &r, (HBRUSH)::GetStockObject(BLACK_BRUSH));
}

} // namespace

void CBigIcon::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    // The item rectangle and state are ignored: the face is always the whole
    // client area and looks the same pressed or not.
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rc;
    GetClientRect(&rc);
    const int w = rc.Width();
    const int h = rc.Height();
    const int cx = ::GetSystemMetrics(SM_CXICON);
    const int cy = ::GetSystemMetrics(SM_CYICON);

    if (m_hIcon == NULL)
        return;
    DrawFrame(pDC->GetSafeHdc(), rc, m_nFrameStyle);

    if (!m_bStretch) {
        pDC->DrawIcon((w - cx) / 2, (h - cy) / 2, m_hIcon);
        return;
    }

    // DrawIcon only draws at the system icon size, so the picture is shrunk
    // to that size, the icon drawn into it, and the result blown up again.
    CBitmap bmp;
    CDC memDC;
    if (!bmp.CreateCompatibleBitmap(pDC, cx, cy) || !memDC.CreateCompatibleDC(pDC))
        return;
    CBitmap* pOldBmp = memDC.SelectObject(&bmp);
    if (pOldBmp == NULL)
        return;
    memDC.StretchBlt(0, 0, cx, cy, pDC, 0, 0, w, h, SRCCOPY);
    memDC.DrawIcon(0, 0, m_hIcon);
    pDC->StretchBlt(0, 0, w, h, &memDC, 0, 0, cx, cy, SRCCOPY);
    memDC.SelectObject(pOldBmp);
}

BOOL CBigIcon::OnEraseBkgnd(CDC* /*pDC*/)
{
    return (BOOL)Default();
}
