// StaticsSupport.h: the display tests' host window, memory canvas and repaint helper.
#pragma once

#include <afxwin.h>

// A visible top-level window painted crBack, reflecting WM_CTLCOLOR* and WM_DRAWITEM to its children.
class CStaticsHost : public CWnd
{
public:
    explicit CStaticsHost(COLORREF crBack = RGB(0, 128, 0)) : m_hbrBack(::CreateSolidBrush(crBack))
    {
        LPCTSTR pszClass = AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), m_hbrBack);
        VERIFY(CreateEx(0, pszClass, "statics test host", WS_POPUP | WS_VISIBLE, 0, 0, 320, 240, NULL, NULL));
    }
    ~CStaticsHost() override { DestroyWindow(), ::DeleteObject(m_hbrBack); }

private:
    HBRUSH m_hbrBack;
};

// A 32-bit top-down DIB section selected into a memory DC; pixels come back as COLORREF values.
class CStaticsCanvas
{
public:
    CStaticsCanvas(int cx, int cy) : m_cx(cx), m_cy(cy), m_hDC(::CreateCompatibleDC(NULL))
    {
        BITMAPINFO bi = {{sizeof(bi.bmiHeader), cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        m_hBitmap = ::CreateDIBSection(m_hDC, &bi, DIB_RGB_COLORS, (void**)&m_pBits, NULL, 0);
        m_hOldBitmap = ::SelectObject(m_hDC, m_hBitmap);
    }
    ~CStaticsCanvas() { ::SelectObject(m_hDC, m_hOldBitmap), ::DeleteObject(m_hBitmap), ::DeleteDC(m_hDC); }

    HDC Dc() const { return m_hDC; }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }

    void Fill(COLORREF cr)
    {
        HBRUSH hBrush = ::CreateSolidBrush(cr);
        RECT rc = {0, 0, m_cx, m_cy};
        ::FillRect(m_hDC, &rc, hBrush);
        ::DeleteObject(hBrush);
    }
    COLORREF Pixel(int x, int y) const // CLR_INVALID outside the canvas
    {
        if (x < 0 || y < 0 || x >= m_cx || y >= m_cy)
            return CLR_INVALID;
        ::GdiFlush();
        DWORD v = m_pBits[y * m_cx + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }
    // Copies what hWnd shows (its client area, from a window DC) into the canvas at (0, 0).
    void CopyFromWindow(HWND hWnd)
    {
        HDC hWndDC = ::GetDC(hWnd);
        ::BitBlt(m_hDC, 0, 0, m_cx, m_cy, hWndDC, 0, 0, SRCCOPY);
        ::ReleaseDC(hWnd, hWndDC);
    }
    // Pixels equal to cr inside rc (the whole canvas when rc is null).
    int Count(COLORREF cr, const RECT* rc = nullptr) const
    {
        RECT all = {0, 0, m_cx, m_cy};
        rc = rc ? rc : &all;
        int n = 0;
        for (int y = rc->top; y < rc->bottom; y++)
            for (int x = rc->left; x < rc->right; x++)
                n += Pixel(x, y) == cr;
        return n;
    }

private:
    int m_cx, m_cy;
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
    DWORD* m_pBits; // 0x00RRGGBB, top row first
};

// Repaints hWnd and its children now (invalidate with erase, update).
inline void PaintNow(HWND hWnd)
{
    ::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}
