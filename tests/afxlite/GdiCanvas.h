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
        Fill(clrFill);
    }
    ~GdiCanvas() { dc.SelectObject(m_pOldBitmap); }

    // Every pixel to clr, without the DC under test.
    void Fill(COLORREF clr)
    {
        ::GdiFlush();
        DWORD v = (GetRValue(clr) << 16) | (GetGValue(clr) << 8) | GetBValue(clr);
        for (int i = 0; i < m_cx * m_cy; ++i)
            const_cast<DWORD*>(m_pBits)[i] = v;
    }

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
    int Count(COLORREF clr) const { return Count(clr, 0, 0, m_cx, m_cy); }

    CDC dc;

private:
    int m_cx, m_cy;
    const DWORD* m_pBits = nullptr;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
};

// Colours the tests draw with.
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
