// StaticsSupport.cpp: host window, memory canvas and painting helpers.
#include "StaticsSupport.h"

CStaticsHost::CStaticsHost(COLORREF crBack) : m_hbrBack(::CreateSolidBrush(crBack))
{
    LPCTSTR pszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), m_hbrBack);
    VERIFY(CreateEx(0, pszClass, "statics test host", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240, NULL, NULL));
}

CStaticsHost::~CStaticsHost()
{
    DestroyWindow();
    ::DeleteObject(m_hbrBack);
}

CStaticsCanvas::CStaticsCanvas(int cx, int cy) : m_cx(cx), m_cy(cy)
{
    BITMAPINFO bi = {};
    bi.bmiHeader = {sizeof(bi.bmiHeader), cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0}; // top-down
    m_hDC = ::CreateCompatibleDC(NULL);
    void* pBits = nullptr;
    m_hBitmap = ::CreateDIBSection(m_hDC, &bi, DIB_RGB_COLORS, &pBits, NULL, 0);
    m_pBits = static_cast<DWORD*>(pBits);
    m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
}

CStaticsCanvas::~CStaticsCanvas()
{
    ::SelectObject(m_hDC, m_hOldBitmap);
    ::DeleteObject(m_hBitmap);
    ::DeleteDC(m_hDC);
}

void CStaticsCanvas::Fill(COLORREF cr)
{
    HBRUSH hBrush = ::CreateSolidBrush(cr);
    RECT rc = {0, 0, m_cx, m_cy};
    ::FillRect(m_hDC, &rc, hBrush);
    ::DeleteObject(hBrush);
}

COLORREF CStaticsCanvas::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_cx || y >= m_cy)
        return CLR_INVALID;
    ::GdiFlush();
    DWORD v = m_pBits[y * m_cx + x];
    return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

void CStaticsCanvas::CopyFromWindow(HWND hWnd)
{
    HDC hWndDC = ::GetDC(hWnd);
    ::BitBlt(m_hDC, 0, 0, m_cx, m_cy, hWndDC, 0, 0, SRCCOPY);
    ::ReleaseDC(hWnd, hWndDC);
}

int CStaticsCanvas::Count(COLORREF cr, const RECT* rc) const
{
    RECT all = {0, 0, m_cx, m_cy};
    if (rc == nullptr)
        rc = &all;
    int n = 0;
    for (int y = rc->top; y < rc->bottom; y++)
        for (int x = rc->left; x < rc->right; x++)
            n += Pixel(x, y) == cr;
    return n;
}

void PaintNow(HWND hWnd)
{
    ::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void PumpQueued()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
