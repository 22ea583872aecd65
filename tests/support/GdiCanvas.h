// GdiCanvas.h: a CDC over a 32-bit top-down DIB section whose pixels the
// drawing tests read straight from memory (not through the DC under test).
#pragma once

#include <afxwin.h>

#include <gtest/gtest.h>

class GdiCanvas
{
public:
    GdiCanvas(int cx, int cy, COLORREF clrFill = RGB(255, 255, 255)) : m_cx(cx), m_cy(cy)
    {
        BITMAPINFO bi = {};
        bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
        bi.bmiHeader.biWidth = cx;
        bi.bmiHeader.biHeight = -cy; // top-down: row 0 first
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        void* pBits = nullptr;
        HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        EXPECT_NE(hBitmap, nullptr);
        m_pBits = static_cast<const DWORD*>(pBits);
        m_bitmap.Attach(hBitmap);
        EXPECT_TRUE(dc.CreateCompatibleDC(nullptr));
        m_pOldBitmap = dc.SelectObject(&m_bitmap);
        ::FillRect(dc, CRect(0, 0, cx, cy), CBrush(clrFill));
    }
    ~GdiCanvas() { dc.SelectObject(m_pOldBitmap); }

    COLORREF At(int x, int y) const
    {
        ::GdiFlush();
        DWORD v = m_pBits[y * m_cx + x];
        return RGB((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
    }

    // Pixels of colour clr inside [x0, x1) x [y0, y1).
    int Count(COLORREF clr, int x0, int y0, int x1, int y1) const
    {
        int n = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                n += At(x, y) == clr;
        return n;
    }

    CDC dc;

private:
    int m_cx, m_cy;
    const DWORD* m_pBits = nullptr;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
};

// Colours the tests draw with.
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
