// StaticsSupport.h: test helpers for the label, swatch and big-icon tests:
// a memory bitmap to render into and read back, and a spy on the window
// timer calls that the library makes.
#pragma once

#include <afxwin.h>

#include <vector>

// A visible top-level window that parents the controls under test; its
// class background brush is crBack, so it shows through transparent labels.
// As a CWnd it reflects WM_CTLCOLOR* and WM_DRAWITEM to the controls.
class CStaticsHost : public CWnd
{
public:
    explicit CStaticsHost(COLORREF crBack = RGB(0, 128, 0));
    ~CStaticsHost() override;

    COLORREF BackColor() const { return m_crBack; }

private:
    COLORREF m_crBack;
    HBRUSH m_hbrBack;
};

// What the host's WM_CTLCOLORSTATIC for hLabel left in a fresh DC: the DC
// starts with sentinel colours and OPAQUE, so untouched attributes show.
struct CtlColorResult
{
    COLORREF crText;
    COLORREF crBk;
    int nBkMode;
    HBRUSH hBrush;
};
const COLORREF kSentinelText = RGB(1, 2, 3);
const COLORREF kSentinelBk = RGB(4, 5, 6);
CtlColorResult AskColors(HWND hHost, HWND hLabel);
// The colour of a solid brush; CLR_INVALID for any other kind of brush.
COLORREF SolidBrushColor(HBRUSH hBrush);

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
    COLORREF Pixel(int x, int y) const;
    // Copies what hWnd shows (its client area, from a window DC) into the canvas at (0, 0).
    void CopyFromWindow(HWND hWnd);
    // Pixels equal to cr inside rc (the whole canvas when rc is null).
    int Count(COLORREF cr, const RECT* rc = nullptr) const;
    // Number of rows that hold at least one pixel different from crBack.
    int InkRows(COLORREF crBack) const;

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

// Records the SetTimer and KillTimer calls that quillon.dll and afxlite.dll
// make, by redirecting their import-table entries to forwarding functions;
// the real calls still happen.  One spy at a time; restored on destruction.
class CTimerSpy
{
public:
    struct Call
    {
        bool bSet; // SetTimer (true) or KillTimer (false)
        HWND hWnd;
        UINT_PTR nID;
        UINT nElapse; // SetTimer only
    };

    CTimerSpy();
    ~CTimerSpy();
    CTimerSpy(const CTimerSpy&) = delete;
    CTimerSpy& operator=(const CTimerSpy&) = delete;

    // Whether at least one module's import of SetTimer and KillTimer was redirected.
    bool Active() const { return m_nPatched > 0; }
    // The calls made for hWnd, oldest first.
    std::vector<Call> CallsFor(HWND hWnd) const;
    void Clear();

private:
    struct Patch
    {
        void** ppEntry;
        void* pOriginal;
    };
    std::vector<Patch> m_patches;
    int m_nPatched;

    void PatchModule(HMODULE hModule);
};
