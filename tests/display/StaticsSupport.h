// StaticsSupport.h: helpers shared by the display tests: a host window, a
// memory bitmap to render into and read back, and repainting helpers.
#pragma once

#include <afxwin.h>

// A visible top-level window that parents the controls under test; its
// class background brush is crBack, so it shows through transparent labels.
// As a CWnd it reflects WM_CTLCOLOR* and WM_DRAWITEM to the controls.
class CStaticsHost : public CWnd
{
public:
    explicit CStaticsHost(COLORREF crBack = RGB(0, 128, 0));
    ~CStaticsHost() override;

private:
    HBRUSH m_hbrBack;
};

// A 32-bit top-down DIB section selected into a memory DC.  Pixels come back
// as COLORREF values, so they compare directly with RGB(...).
class CStaticsCanvas
{
public:
    CStaticsCanvas(int cx, int cy);
    ~CStaticsCanvas();
    CStaticsCanvas(const CStaticsCanvas&) = delete;
    CStaticsCanvas& operator=(const CStaticsCanvas&) = delete;

    HDC Dc() const { return m_hDC; }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }

    void Fill(COLORREF cr);
    COLORREF Pixel(int x, int y) const; // CLR_INVALID outside the canvas
    // Copies what hWnd shows (its client area, from a window DC) into the canvas at (0, 0).
    void CopyFromWindow(HWND hWnd);
    // Pixels equal to cr inside rc (the whole canvas when rc is null).
    int Count(COLORREF cr, const RECT* rc = nullptr) const;

private:
    int m_cx, m_cy;
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOldBitmap;
    DWORD* m_pBits; // 0x00RRGGBB, top row first
};

// Repaints hWnd and its children now (invalidate with erase, update).
void PaintNow(HWND hWnd);

// Dispatches the messages already queued for this thread.
void PumpQueued();
