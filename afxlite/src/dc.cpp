// dc.cpp: CDC, the device-context wrapper, and its handle map.
//
// Output calls go to m_hDC, queries to m_hAttribDC; calls that change state
// are made on both when a derived class has split them, the attribute DC
// last so that its previous value is the one returned, as in MFC.
#include "afx.h"
#include "afxlite_gdi.h"
#include "afxlite_handlemap.h"
#include "gdi_internal.h"

#include <cstdlib>

namespace {

CDC* NewDC()
{
    return new CDC;
}
void AttachDC(CDC* p, HDC h)
{
    p->m_hDC = p->m_hAttribDC = h;
}
void DetachDC(CDC* p)
{
    p->m_hDC = p->m_hAttribDC = nullptr;
}

CHandleMap<CDC, HDC>& DCMap()
{
    static thread_local CHandleMap<CDC, HDC> map(NewDC, AttachDC, DetachDC);
    return map;
}

// f applied to the output DC (when distinct) and then to the attribute DC;
// the result is the last call's.
template <class R, class F> R OnBoth(HDC hOut, HDC hAttrib, R failed, F f)
{
    R r = failed;
    if (hOut != nullptr && hOut != hAttrib)
        r = f(hOut);
    if (hAttrib != nullptr)
        r = f(hAttrib);
    return r;
}

} // namespace

IMPLEMENT_DYNCREATE(CDC, CObject)

/////////////////////////////////////////////////////////////////////////////
// Handles and construction

CDC::CDC() : m_hDC(nullptr), m_hAttribDC(nullptr), m_bPrinting(FALSE) {}

CDC::~CDC()
{
    if (m_hDC != nullptr)
        ::DeleteDC(DetachObtained());
}

CDC* PASCAL CDC::FromHandle(HDC hDC)
{
    if (hDC == nullptr)
        return nullptr;
    CHandleMap<CDC, HDC>& map = DCMap();
    // A temporary emptied through itself (Detach, DeleteDC) no longer
    // speaks for the handle value, which may have been reused since.
    CDC* pTemp = map.LookupTemporary(hDC);
    if (pTemp != nullptr && pTemp->m_hDC != hDC && map.LookupPermanent(hDC) == nullptr)
        map.RemoveHandle(hDC);
    return map.FromHandle(hDC);
}

void PASCAL CDC::DeleteTempMap()
{
    DCMap().DeleteTemp();
}

BOOL CDC::Attach(HDC hDC)
{
    ASSERT_MSG(m_hDC == nullptr, "CDC::Attach: the wrapper already holds a DC");
    if (hDC == nullptr)
        return FALSE;
    m_hDC = hDC;
    SetAttribDC(hDC);
    DCMap().SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC h = m_hDC;
    if (h != nullptr) {
        CHandleMap<CDC, HDC>& map = DCMap();
        if (map.LookupPermanent(h) == this)
            map.RemoveHandle(h);
    }
    ReleaseAttribDC();
    ReleaseOutputDC();
    return h;
}

BOOL CDC::AttachObtained(HDC hDC)
{
    if (hDC == nullptr)
        return FALSE;
    AfxLiteDcCountHeld(hDC);
    return Attach(hDC);
}

HDC CDC::DetachObtained()
{
    HDC h = Detach();
    if (h != nullptr)
        AfxLiteDcCountReleased(h);
    return h;
}

void CDC::SetAttribDC(HDC hDC)
{
    m_hAttribDC = hDC;
}
void CDC::SetOutputDC(HDC hDC)
{
    m_hDC = hDC;
}
void CDC::ReleaseAttribDC()
{
    m_hAttribDC = nullptr;
}
void CDC::ReleaseOutputDC()
{
    m_hDC = nullptr;
}

BOOL CDC::CreateDC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    return AttachObtained(
        ::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODEA*>(lpInitData)));
}

BOOL CDC::CreateIC(LPCTSTR lpszDriverName, LPCTSTR lpszDeviceName, LPCTSTR lpszOutput, const void* lpInitData)
{
    return AttachObtained(
        ::CreateICA(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODEA*>(lpInitData)));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return AttachObtained(::CreateCompatibleDC(pDC != nullptr ? pDC->m_hDC : nullptr));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    return ::DeleteDC(DetachObtained());
}

/////////////////////////////////////////////////////////////////////////////
// Device-context state

int CDC::SaveDC()
{
    int nSaved = 0;
    if (m_hAttribDC != nullptr)
        nSaved = ::SaveDC(m_hAttribDC);
    // Two DCs saved separately cannot be restored by one number.
    if (m_hDC != m_hAttribDC && ::SaveDC(m_hDC) != 0)
        nSaved = -1;
    return nSaved;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    BOOL bOk = TRUE;
    if (m_hDC != m_hAttribDC)
        bOk = ::RestoreDC(m_hDC, nSavedDC);
    if (m_hAttribDC != nullptr)
        bOk = ::RestoreDC(m_hAttribDC, nSavedDC) && bOk;
    return bOk;
}

int CDC::GetDeviceCaps(int nIndex) const
{
    return ::GetDeviceCaps(m_hAttribDC, nIndex);
}

CPoint CDC::GetBrushOrg() const
{
    POINT pt = {0, 0};
    VERIFY(::GetBrushOrgEx(m_hDC, &pt));
    return pt;
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT pt = {0, 0};
    VERIFY(::SetBrushOrgEx(m_hDC, x, y, &pt));
    return pt;
}

CPoint CDC::SetBrushOrg(POINT point)
{
    return SetBrushOrg(point.x, point.y);
}

/////////////////////////////////////////////////////////////////////////////
// Drawing tools

CPen* CDC::GetCurrentPen() const
{
    return CPen::FromHandle((HPEN)::GetCurrentObject(m_hDC, OBJ_PEN));
}

CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle((HBRUSH)::GetCurrentObject(m_hDC, OBJ_BRUSH));
}

CPalette* CDC::GetCurrentPalette() const
{
    return CPalette::FromHandle((HPALETTE)::GetCurrentObject(m_hDC, OBJ_PAL));
}

CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle((HFONT)::GetCurrentObject(m_hDC, OBJ_FONT));
}

CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle((HBITMAP)::GetCurrentObject(m_hDC, OBJ_BITMAP));
}

CGdiObject* PASCAL CDC::SelectGdiObject(HDC hDC, HGDIOBJ h)
{
    return CGdiObject::FromHandle(::SelectObject(hDC, h));
}

HGDIOBJ CDC::SelectBoth(HGDIOBJ h)
{
    return OnBoth<HGDIOBJ>(m_hDC, m_hAttribDC, nullptr, [h](HDC hDC) { return ::SelectObject(hDC, h); });
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    HGDIOBJ h = ::GetStockObject(nIndex);
    ASSERT_MSG(h != nullptr, "CDC::SelectStockObject: no such stock object");
    return CGdiObject::FromHandle(SelectBoth(h));
}

// A null wrapper pointer selects nothing (the Win32 call fails) and returns
// NULL, as selecting a null handle does.
CPen* CDC::SelectObject(CPen* pPen)
{
    return CPen::FromHandle((HPEN)SelectBoth(pPen != nullptr ? pPen->m_hObject : nullptr));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return CBrush::FromHandle((HBRUSH)SelectBoth(pBrush != nullptr ? pBrush->m_hObject : nullptr));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return CFont::FromHandle((HFONT)SelectBoth(pFont != nullptr ? pFont->m_hObject : nullptr));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return CBitmap::FromHandle((HBITMAP)SelectBoth(pBitmap != nullptr ? pBitmap->m_hObject : nullptr));
}

int CDC::SelectObject(CRgn* pRgn)
{
    HGDIOBJ h = pRgn != nullptr ? pRgn->m_hObject : nullptr;
    return OnBoth<int>(m_hDC, m_hAttribDC, (int)(INT_PTR)HGDI_ERROR,
                       [h](HDC hDC) { return (int)(INT_PTR)::SelectObject(hDC, h); });
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    return CGdiObject::FromHandle(SelectBoth(pObject != nullptr ? pObject->m_hObject : nullptr));
}

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    return SelectBoth(hObject);
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    HPALETTE h = pPalette != nullptr ? (HPALETTE)pPalette->m_hObject : nullptr;
    return CPalette::FromHandle(::SelectPalette(m_hDC, h, bForceBackground));
}

UINT CDC::RealizePalette()
{
    return ::RealizePalette(m_hDC);
}

COLORREF CDC::GetNearestColor(COLORREF crColor) const
{
    return ::GetNearestColor(m_hAttribDC, crColor);
}

/////////////////////////////////////////////////////////////////////////////
// Drawing attributes

COLORREF CDC::GetBkColor() const
{
    return ::GetBkColor(m_hAttribDC);
}
int CDC::GetBkMode() const
{
    return ::GetBkMode(m_hAttribDC);
}
int CDC::GetPolyFillMode() const
{
    return ::GetPolyFillMode(m_hAttribDC);
}
int CDC::GetROP2() const
{
    return ::GetROP2(m_hAttribDC);
}
int CDC::GetStretchBltMode() const
{
    return ::GetStretchBltMode(m_hAttribDC);
}
COLORREF CDC::GetTextColor() const
{
    return ::GetTextColor(m_hAttribDC);
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return OnBoth<COLORREF>(m_hDC, m_hAttribDC, CLR_INVALID, [=](HDC h) { return ::SetBkColor(h, crColor); });
}

int CDC::SetBkMode(int nBkMode)
{
    return OnBoth<int>(m_hDC, m_hAttribDC, 0, [=](HDC h) { return ::SetBkMode(h, nBkMode); });
}

int CDC::SetPolyFillMode(int nPolyFillMode)
{
    return OnBoth<int>(m_hDC, m_hAttribDC, 0, [=](HDC h) { return ::SetPolyFillMode(h, nPolyFillMode); });
}

int CDC::SetROP2(int nDrawMode)
{
    return OnBoth<int>(m_hDC, m_hAttribDC, 0, [=](HDC h) { return ::SetROP2(h, nDrawMode); });
}

int CDC::SetStretchBltMode(int nStretchMode)
{
    return OnBoth<int>(m_hDC, m_hAttribDC, 0, [=](HDC h) { return ::SetStretchBltMode(h, nStretchMode); });
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return OnBoth<COLORREF>(m_hDC, m_hAttribDC, CLR_INVALID,
                            [=](HDC h) { return ::SetTextColor(h, crColor); });
}

/////////////////////////////////////////////////////////////////////////////
// Mapping

int CDC::GetMapMode() const
{
    return ::GetMapMode(m_hAttribDC);
}

int CDC::SetMapMode(int nMapMode)
{
    return OnBoth<int>(m_hDC, m_hAttribDC, 0, [=](HDC h) { return ::SetMapMode(h, nMapMode); });
}

CPoint CDC::GetViewportOrg() const
{
    POINT pt = {0, 0};
    VERIFY(::GetViewportOrgEx(m_hAttribDC, &pt));
    return pt;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT pt = {0, 0};
    OnBoth<BOOL>(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::SetViewportOrgEx(h, x, y, &pt); });
    return pt;
}

CPoint CDC::SetViewportOrg(POINT point)
{
    return SetViewportOrg(point.x, point.y);
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT pt = {0, 0};
    OnBoth<BOOL>(m_hDC, m_hAttribDC, FALSE,
                 [&](HDC h) { return ::OffsetViewportOrgEx(h, nWidth, nHeight, &pt); });
    return pt;
}

CSize CDC::GetViewportExt() const
{
    SIZE size = {0, 0};
    VERIFY(::GetViewportExtEx(m_hAttribDC, &size));
    return size;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE size = {0, 0};
    OnBoth<BOOL>(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::SetViewportExtEx(h, cx, cy, &size); });
    return size;
}

CSize CDC::SetViewportExt(SIZE size)
{
    return SetViewportExt(size.cx, size.cy);
}

CPoint CDC::GetWindowOrg() const
{
    POINT pt = {0, 0};
    VERIFY(::GetWindowOrgEx(m_hAttribDC, &pt));
    return pt;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT pt = {0, 0};
    OnBoth<BOOL>(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::SetWindowOrgEx(h, x, y, &pt); });
    return pt;
}

CPoint CDC::SetWindowOrg(POINT point)
{
    return SetWindowOrg(point.x, point.y);
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    POINT pt = {0, 0};
    OnBoth<BOOL>(m_hDC, m_hAttribDC, FALSE,
                 [&](HDC h) { return ::OffsetWindowOrgEx(h, nWidth, nHeight, &pt); });
    return pt;
}

CSize CDC::GetWindowExt() const
{
    SIZE size = {0, 0};
    VERIFY(::GetWindowExtEx(m_hAttribDC, &size));
    return size;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE size = {0, 0};
    OnBoth<BOOL>(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::SetWindowExtEx(h, cx, cy, &size); });
    return size;
}

CSize CDC::SetWindowExt(SIZE size)
{
    return SetWindowExt(size.cx, size.cy);
}

/////////////////////////////////////////////////////////////////////////////
// Coordinates

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
    VERIFY(::DPtoLP(m_hAttribDC, lpPoints, nCount));
}

void CDC::DPtoLP(LPRECT lpRect) const
{
    VERIFY(::DPtoLP(m_hAttribDC, (LPPOINT)lpRect, 2));
}

// Sizes scale by the extents' ratio; origins do not apply to them.
void CDC::DPtoLP(LPSIZE lpSize) const
{
    CSize sizeWinExt = GetWindowExt();
    CSize sizeVpExt = GetViewportExt();
    lpSize->cx = ::MulDiv(lpSize->cx, std::abs(sizeWinExt.cx), std::abs(sizeVpExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, std::abs(sizeWinExt.cy), std::abs(sizeVpExt.cy));
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
    VERIFY(::LPtoDP(m_hAttribDC, lpPoints, nCount));
}

void CDC::LPtoDP(LPRECT lpRect) const
{
    VERIFY(::LPtoDP(m_hAttribDC, (LPPOINT)lpRect, 2));
}

void CDC::LPtoDP(LPSIZE lpSize) const
{
    CSize sizeWinExt = GetWindowExt();
    CSize sizeVpExt = GetViewportExt();
    lpSize->cx = ::MulDiv(lpSize->cx, std::abs(sizeVpExt.cx), std::abs(sizeWinExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, std::abs(sizeVpExt.cy), std::abs(sizeWinExt.cy));
}

/////////////////////////////////////////////////////////////////////////////
// Regions and clipping

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
    ASSERT_MSG(pRgn != nullptr && pBrush != nullptr, "CDC::FillRgn: null region or brush");
    return ::FillRgn(m_hDC, (HRGN)pRgn->m_hObject, (HBRUSH)pBrush->m_hObject);
}

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
    ASSERT_MSG(pRgn != nullptr && pBrush != nullptr, "CDC::FrameRgn: null region or brush");
    return ::FrameRgn(m_hDC, (HRGN)pRgn->m_hObject, (HBRUSH)pBrush->m_hObject, nWidth, nHeight);
}

BOOL CDC::InvertRgn(CRgn* pRgn)
{
    ASSERT_MSG(pRgn != nullptr, "CDC::InvertRgn: null region");
    return ::InvertRgn(m_hDC, (HRGN)pRgn->m_hObject);
}

BOOL CDC::PaintRgn(CRgn* pRgn)
{
    ASSERT_MSG(pRgn != nullptr, "CDC::PaintRgn: null region");
    return ::PaintRgn(m_hDC, (HRGN)pRgn->m_hObject);
}

int CDC::GetClipBox(LPRECT lpRect) const
{
    return ::GetClipBox(m_hDC, lpRect);
}

BOOL CDC::PtVisible(int x, int y) const
{
    return ::PtVisible(m_hDC, x, y);
}

BOOL CDC::PtVisible(POINT point) const
{
    return PtVisible(point.x, point.y);
}

BOOL CDC::RectVisible(LPCRECT lpRect) const
{
    return ::RectVisible(m_hDC, lpRect);
}

// A null region removes the clipping region.
int CDC::SelectClipRgn(CRgn* pRgn)
{
    HRGN h = pRgn != nullptr ? (HRGN)pRgn->m_hObject : nullptr;
    return OnBoth<int>(m_hDC, m_hAttribDC, ERROR, [h](HDC hDC) { return ::SelectClipRgn(hDC, h); });
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    HRGN h = pRgn != nullptr ? (HRGN)pRgn->m_hObject : nullptr;
    return OnBoth<int>(m_hDC, m_hAttribDC, ERROR, [=](HDC hDC) { return ::ExtSelectClipRgn(hDC, h, nMode); });
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    return OnBoth<int>(m_hDC, m_hAttribDC, ERROR,
                       [=](HDC h) { return ::ExcludeClipRect(h, x1, y1, x2, y2); });
}

int CDC::ExcludeClipRect(LPCRECT lpRect)
{
    return ExcludeClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    return OnBoth<int>(m_hDC, m_hAttribDC, ERROR,
                       [=](HDC h) { return ::IntersectClipRect(h, x1, y1, x2, y2); });
}

int CDC::IntersectClipRect(LPCRECT lpRect)
{
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::OffsetClipRgn(int x, int y)
{
    return OnBoth<int>(m_hDC, m_hAttribDC, ERROR, [=](HDC h) { return ::OffsetClipRgn(h, x, y); });
}

int CDC::OffsetClipRgn(SIZE size)
{
    return OffsetClipRgn(size.cx, size.cy);
}

/////////////////////////////////////////////////////////////////////////////
// Lines

CPoint CDC::GetCurrentPosition() const
{
    POINT pt = {0, 0};
    VERIFY(::GetCurrentPositionEx(m_hAttribDC, &pt));
    return pt;
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT pt = {0, 0};
    OnBoth<BOOL>(m_hDC, m_hAttribDC, FALSE, [&](HDC h) { return ::MoveToEx(h, x, y, &pt); });
    return pt;
}

CPoint CDC::MoveTo(POINT point)
{
    return MoveTo(point.x, point.y);
}

BOOL CDC::LineTo(int x, int y)
{
    // The attribute DC only tracks the current position.
    if (m_hAttribDC != nullptr && m_hAttribDC != m_hDC)
        ::MoveToEx(m_hAttribDC, x, y, nullptr);
    return ::LineTo(m_hDC, x, y);
}

BOOL CDC::LineTo(POINT point)
{
    return LineTo(point.x, point.y);
}

BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Arc(LPCRECT lpRect, POINT ptStart, POINT ptEnd)
{
    return Arc(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, ptStart.x, ptStart.y, ptEnd.x,
               ptEnd.y);
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
    return ::Polyline(m_hDC, lpPoints, nCount);
}

BOOL CDC::PolyPolyline(const POINT* lpPoints, const DWORD* lpPolyPoints, int nCount)
{
    return ::PolyPolyline(m_hDC, lpPoints, lpPolyPoints, (DWORD)nCount);
}

/////////////////////////////////////////////////////////////////////////////
// Simple drawing

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    ASSERT_MSG(pBrush != nullptr, "CDC::FillRect: null brush");
    ::FillRect(m_hDC, lpRect, (HBRUSH)pBrush->m_hObject);
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    ASSERT_MSG(pBrush != nullptr, "CDC::FrameRect: null brush");
    ::FrameRect(m_hDC, lpRect, (HBRUSH)pBrush->m_hObject);
}

void CDC::InvertRect(LPCRECT lpRect)
{
    ::InvertRect(m_hDC, lpRect);
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    return ::DrawIcon(m_hDC, x, y, hIcon);
}

BOOL CDC::DrawIcon(POINT point, HICON hIcon)
{
    return DrawIcon(point.x, point.y, hIcon);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HBITMAP hBitmap, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateA(m_hDC, hBrush, nullptr, (LPARAM)hBitmap, 0, pt.x, pt.y, size.cx, size.cy,
                        nFlags | DST_BITMAP);
}

BOOL CDC::DrawState(CPoint pt, CSize size, CBitmap* pBitmap, UINT nFlags, CBrush* pBrush)
{
    ASSERT_MSG(pBitmap != nullptr, "CDC::DrawState: null bitmap");
    return DrawState(pt, size, (HBITMAP)pBitmap->m_hObject, nFlags,
                     pBrush != nullptr ? (HBRUSH)pBrush->m_hObject : (HBRUSH) nullptr);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateA(m_hDC, hBrush, nullptr, (LPARAM)hIcon, 0, pt.x, pt.y, size.cx, size.cy,
                        nFlags | DST_ICON);
}

BOOL CDC::DrawState(CPoint pt, CSize size, HICON hIcon, UINT nFlags, CBrush* pBrush)
{
    return DrawState(pt, size, hIcon, nFlags,
                     pBrush != nullptr ? (HBRUSH)pBrush->m_hObject : (HBRUSH) nullptr);
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    HBRUSH hBrush)
{
    return ::DrawStateA(m_hDC, hBrush, nullptr, (LPARAM)lpszText, (WPARAM)nTextLen, pt.x, pt.y, size.cx,
                        size.cy, nFlags | (bPrefixText ? DST_PREFIXTEXT : DST_TEXT));
}

BOOL CDC::DrawState(CPoint pt, CSize size, LPCTSTR lpszText, UINT nFlags, BOOL bPrefixText, int nTextLen,
                    CBrush* pBrush)
{
    return DrawState(pt, size, lpszText, nFlags, bPrefixText, nTextLen,
                     pBrush != nullptr ? (HBRUSH)pBrush->m_hObject : (HBRUSH) nullptr);
}

BOOL CDC::DrawState(CPoint pt, CSize size, DRAWSTATEPROC lpDrawProc, LPARAM lData, UINT nFlags, HBRUSH hBrush)
{
    return ::DrawStateA(m_hDC, hBrush, lpDrawProc, lData, 0, pt.x, pt.y, size.cx, size.cy,
                        nFlags | DST_COMPLEX);
}

BOOL CDC::DrawState(CPoint pt, CSize size, DRAWSTATEPROC lpDrawProc, LPARAM lData, UINT nFlags,
                    CBrush* pBrush)
{
    return DrawState(pt, size, lpDrawProc, lData, nFlags,
                     pBrush != nullptr ? (HBRUSH)pBrush->m_hObject : (HBRUSH) nullptr);
}

/////////////////////////////////////////////////////////////////////////////
// Ellipses and polygons

BOOL CDC::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Chord(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

void CDC::DrawFocusRect(LPCRECT lpRect)
{
    ::DrawFocusRect(m_hDC, lpRect);
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    return ::Ellipse(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Ellipse(LPCRECT lpRect)
{
    return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Pie(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount)
{
    return ::Polygon(m_hDC, lpPoints, nCount);
}

BOOL CDC::PolyPolygon(const POINT* lpPoints, const INT* lpPolyCounts, int nCount)
{
    return ::PolyPolygon(m_hDC, lpPoints, lpPolyCounts, nCount);
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    return ::Rectangle(m_hDC, x1, y1, x2, y2);
}

BOOL CDC::Rectangle(LPCRECT lpRect)
{
    return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}

BOOL CDC::RoundRect(LPCRECT lpRect, POINT point)
{
    return RoundRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom, point.x, point.y);
}

/////////////////////////////////////////////////////////////////////////////
// Bitmaps and pixels

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}

// pSrcDC may be NULL for raster operations that use no source.
BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr, xSrc, ySrc,
                    dwRop);
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC != nullptr ? pSrcDC->m_hDC : nullptr, xSrc, ySrc,
                        nSrcWidth, nSrcHeight, dwRop);
}

COLORREF CDC::GetPixel(int x, int y) const
{
    return ::GetPixel(m_hDC, x, y);
}

COLORREF CDC::GetPixel(POINT point) const
{
    return GetPixel(point.x, point.y);
}

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    return ::SetPixel(m_hDC, x, y, crColor);
}

COLORREF CDC::SetPixel(POINT point, COLORREF crColor)
{
    return SetPixel(point.x, point.y, crColor);
}

BOOL CDC::SetPixelV(int x, int y, COLORREF crColor)
{
    return ::SetPixelV(m_hDC, x, y, crColor);
}

BOOL CDC::SetPixelV(POINT point, COLORREF crColor)
{
    return SetPixelV(point.x, point.y, crColor);
}

BOOL CDC::FloodFill(int x, int y, COLORREF crColor)
{
    return ::FloodFill(m_hDC, x, y, crColor);
}

BOOL CDC::ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType)
{
    return ::ExtFloodFill(m_hDC, x, y, crColor, nFillType);
}

// GdiGradientFill is gdi32's own export of msimg32's GradientFill.
BOOL CDC::GradientFill(TRIVERTEX* pVertices, ULONG nVertices, void* pMesh, ULONG nMeshElements, DWORD dwMode)
{
    return ::GdiGradientFill(m_hDC, pVertices, nVertices, pMesh, nMeshElements, dwMode);
}

/////////////////////////////////////////////////////////////////////////////
// Text

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    return ::TextOutA(m_hDC, x, y, lpszString, nCount);
}

BOOL CDC::TextOut(int x, int y, const CString& str)
{
    return TextOut(x, y, (LPCTSTR)str, str.GetLength());
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount,
                     LPINT lpDxWidths)
{
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}

BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str, LPINT lpDxWidths)
{
    return ExtTextOut(x, y, nOptions, lpRect, (LPCTSTR)str, (UINT)str.GetLength(), lpDxWidths);
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    return DrawText((LPCTSTR)str, str.GetLength(), lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    VERIFY(::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size));
    return size;
}

CSize CDC::GetTextExtent(const CString& str) const
{
    return GetTextExtent((LPCTSTR)str, str.GetLength());
}

CSize CDC::GetOutputTextExtent(LPCTSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    VERIFY(::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size));
    return size;
}

CSize CDC::GetOutputTextExtent(const CString& str) const
{
    return GetOutputTextExtent((LPCTSTR)str, str.GetLength());
}

UINT CDC::GetTextAlign() const
{
    return ::GetTextAlign(m_hAttribDC);
}

UINT CDC::SetTextAlign(UINT nFlags)
{
    return OnBoth<UINT>(m_hDC, m_hAttribDC, GDI_ERROR, [=](HDC h) { return ::SetTextAlign(h, nFlags); });
}

int CDC::GetTextFace(int nCount, LPTSTR lpszFacename) const
{
    return ::GetTextFaceA(m_hAttribDC, nCount, lpszFacename);
}

int CDC::GetTextFace(CString& rString) const
{
    char face[LF_FACESIZE] = "";
    int n = ::GetTextFaceA(m_hAttribDC, LF_FACESIZE, face);
    rString = face;
    return n;
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return ::GetTextMetricsA(m_hAttribDC, lpMetrics);
}

BOOL CDC::GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return ::GetTextMetricsA(m_hDC, lpMetrics);
}

int CDC::GetTextCharacterExtra() const
{
    return ::GetTextCharacterExtra(m_hAttribDC);
}

int CDC::SetTextCharacterExtra(int nCharExtra)
{
    return OnBoth<int>(m_hDC, m_hAttribDC, (int)0x80000000,
                       [=](HDC h) { return ::SetTextCharacterExtra(h, nCharExtra); });
}

/////////////////////////////////////////////////////////////////////////////
// Edges, frame controls, scrolling

BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
    return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}

BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
{
    return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
}

BOOL CDC::ScrollDC(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* pRgnUpdate,
                   LPRECT lpRectUpdate)
{
    HRGN hUpdate = pRgnUpdate != nullptr ? (HRGN)pRgnUpdate->m_hObject : nullptr;
    return ::ScrollDC(m_hDC, dx, dy, lpRectScroll, lpRectClip, hUpdate, lpRectUpdate);
}

/////////////////////////////////////////////////////////////////////////////
// Solid fills and 3-D frames

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
               clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);          // top, without the top-right corner
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);          // left, without the bottom-left corner
    FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight); // right, whole height
    FillSolidRect(x, y + cy - 1, cx, 1, clrBottomRight); // bottom, whole width
}
