// gdi.cpp: the drawing-object wrappers, their handle map and afxlite's
// tally of the objects they create.
#include "afx.h"
#include "afxlite_gdi.h"
#include "afxlite_handlemap.h"
#include "gdi_internal.h"

#include <commctrl.h>

#include <mutex>
#include <unordered_set>

/////////////////////////////////////////////////////////////////////////////
// Tallies.  GDI objects and DCs are process-wide, so the sets are too.

namespace {

std::mutex g_tallyLock;

std::unordered_set<HGDIOBJ>& CreatedObjects()
{
    static std::unordered_set<HGDIOBJ> set;
    return set;
}

std::unordered_set<HDC>& HeldDCs()
{
    static std::unordered_set<HDC> set;
    return set;
}

} // namespace

void AfxLiteGdiCountCreated(HGDIOBJ h)
{
    std::lock_guard<std::mutex> lock(g_tallyLock);
    CreatedObjects().insert(h);
}

void AfxLiteGdiCountDeleted(HGDIOBJ h)
{
    std::lock_guard<std::mutex> lock(g_tallyLock);
    CreatedObjects().erase(h);
}

void AfxLiteDcCountHeld(HDC h)
{
    std::lock_guard<std::mutex> lock(g_tallyLock);
    HeldDCs().insert(h);
}

void AfxLiteDcCountReleased(HDC h)
{
    std::lock_guard<std::mutex> lock(g_tallyLock);
    HeldDCs().erase(h);
}

int AfxLiteGdiObjectCount()
{
    std::lock_guard<std::mutex> lock(g_tallyLock);
    return (int)CreatedObjects().size();
}

int AfxLiteDcCount()
{
    std::lock_guard<std::mutex> lock(g_tallyLock);
    return (int)HeldDCs().size();
}

/////////////////////////////////////////////////////////////////////////////
// The handle map.  A temporary wrapper gets the class that matches the
// object's type, so CPen::FromHandle really returns a CPen.

namespace {

thread_local DWORD t_newObjectType; // GetObjectType of the handle being wrapped

CGdiObject* NewGdiWrapper()
{
    switch (t_newObjectType) {
    case OBJ_PEN:
    case OBJ_EXTPEN:
        return new CPen;
    case OBJ_BRUSH:
        return new CBrush;
    case OBJ_FONT:
        return new CFont;
    case OBJ_BITMAP:
        return new CBitmap;
    case OBJ_PAL:
        return new CPalette;
    case OBJ_REGION:
        return new CRgn;
    default:
        return new CGdiObject;
    }
}

void AttachGdiWrapper(CGdiObject* p, HGDIOBJ h)
{
    p->m_hObject = h;
}
void DetachGdiWrapper(CGdiObject* p)
{
    p->m_hObject = nullptr;
}

CHandleMap<CGdiObject, HGDIOBJ>& GdiMap()
{
    static thread_local CHandleMap<CGdiObject, HGDIOBJ> map(NewGdiWrapper, AttachGdiWrapper,
                                                            DetachGdiWrapper);
    return map;
}

// The wrapper class each object type needs, for checking typed FromHandle.
template <class T> T* TypedFromHandle(HGDIOBJ h, const char* what)
{
    CGdiObject* p = CGdiObject::FromHandle(h);
    ASSERT_MSG(p == nullptr || p->IsKindOf(RUNTIME_CLASS(T)), what);
    return static_cast<T*>(p);
}

} // namespace

/////////////////////////////////////////////////////////////////////////////
// CGdiObject

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

CGdiObject::CGdiObject() : m_hObject(nullptr) {}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return nullptr;
    CHandleMap<CGdiObject, HGDIOBJ>& map = GdiMap();
    // A temporary that was detached or deleted through itself no longer
    // holds its handle; the value may since have been reused by a new
    // object, possibly of another type, so it is replaced.
    CGdiObject* pTemp = map.LookupTemporary(hObject);
    if (pTemp != nullptr && pTemp->m_hObject != hObject && map.LookupPermanent(hObject) == nullptr)
        map.RemoveHandle(hObject);
    t_newObjectType = ::GetObjectType(hObject);
    return map.FromHandle(hObject);
}

void PASCAL CGdiObject::DeleteTempMap()
{
    GdiMap().DeleteTemp();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    ASSERT_MSG(m_hObject == nullptr, "CGdiObject::Attach: the wrapper already holds an object");
    if (hObject == nullptr)
        return FALSE;
    m_hObject = hObject;
    GdiMap().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    if (h != nullptr) {
        CHandleMap<CGdiObject, HGDIOBJ>& map = GdiMap();
        if (map.LookupPermanent(h) == this)
            map.RemoveHandle(h);
    }
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::AttachCreated(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return FALSE;
    AfxLiteGdiCountCreated(hObject);
    return Attach(hObject);
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    HGDIOBJ h = Detach();
    AfxLiteGdiCountDeleted(h);
    return ::DeleteObject(h);
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    ASSERT_MSG(m_hObject != nullptr, "CGdiObject::GetObject: no object");
    return ::GetObjectA(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    return (UINT)::GetObjectType(m_hObject);
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return Attach(::GetStockObject(nIndex));
}

BOOL CGdiObject::UnrealizeObject()
{
    ASSERT_MSG(m_hObject != nullptr, "CGdiObject::UnrealizeObject: no object");
    return ::UnrealizeObject(m_hObject);
}

/////////////////////////////////////////////////////////////////////////////
// CPen

IMPLEMENT_DYNAMIC(CPen, CGdiObject)

CPen::CPen() {}

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor)
{
    VERIFY(CreatePen(nPenStyle, nWidth, crColor));
}

CPen::CPen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount, const DWORD* lpStyle)
{
    VERIFY(CreatePen(nPenStyle, nWidth, pLogBrush, nStyleCount, lpStyle));
}

CPen::~CPen() {}

CPen* PASCAL CPen::FromHandle(HPEN hPen)
{
    return TypedFromHandle<CPen>(hPen, "CPen::FromHandle: not a pen");
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return AttachCreated(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount,
                     const DWORD* lpStyle)
{
    return AttachCreated(
        ::ExtCreatePen((DWORD)nPenStyle, (DWORD)nWidth, pLogBrush, (DWORD)nStyleCount, lpStyle));
}

BOOL CPen::CreatePenIndirect(LPLOGPEN lpLogPen)
{
    return AttachCreated(::CreatePenIndirect(lpLogPen));
}

int CPen::GetLogPen(LOGPEN* pLogPen)
{
    return GetObject(sizeof(LOGPEN), pLogPen);
}

int CPen::GetExtLogPen(EXTLOGPEN* pLogPen)
{
    return GetObject(sizeof(EXTLOGPEN), pLogPen);
}

/////////////////////////////////////////////////////////////////////////////
// CBrush

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

CBrush::CBrush() {}

CBrush::CBrush(COLORREF crColor)
{
    VERIFY(CreateSolidBrush(crColor));
}

CBrush::CBrush(int nIndex, COLORREF crColor)
{
    VERIFY(CreateHatchBrush(nIndex, crColor));
}

CBrush::CBrush(CBitmap* pBitmap)
{
    VERIFY(CreatePatternBrush(pBitmap));
}

CBrush::~CBrush() {}

CBrush* PASCAL CBrush::FromHandle(HBRUSH hBrush)
{
    return TypedFromHandle<CBrush>(hBrush, "CBrush::FromHandle: not a brush");
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    return AttachCreated(::CreateSolidBrush(crColor));
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor)
{
    return AttachCreated(::CreateHatchBrush(nIndex, crColor));
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lpLogBrush)
{
    return AttachCreated(::CreateBrushIndirect(lpLogBrush));
}

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    ASSERT_MSG(pBitmap != nullptr && pBitmap->m_hObject != nullptr, "CBrush::CreatePatternBrush: no bitmap");
    return AttachCreated(::CreatePatternBrush((HBITMAP)pBitmap->m_hObject));
}

BOOL CBrush::CreateDIBPatternBrush(const void* lpPackedDIB, UINT nUsage)
{
    return AttachCreated(::CreateDIBPatternBrushPt(lpPackedDIB, nUsage));
}

BOOL CBrush::CreateSysColorBrush(int nIndex)
{
    return Attach(::GetSysColorBrush(nIndex));
}

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush)
{
    return GetObject(sizeof(LOGBRUSH), pLogBrush);
}

/////////////////////////////////////////////////////////////////////////////
// CFont

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

CFont::CFont() {}

CFont::~CFont() {}

CFont* PASCAL CFont::FromHandle(HFONT hFont)
{
    return TypedFromHandle<CFont>(hFont, "CFont::FromHandle: not a font");
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    return AttachCreated(::CreateFontIndirectA(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision,
                       BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename)
{
    return AttachCreated(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic,
                                       bUnderline, cStrikeOut, nCharSet, nOutPrecision, nClipPrecision,
                                       nQuality, nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    ASSERT_MSG(lpszFaceName != nullptr, "CFont::CreatePointFont: null face name");
    LOGFONT lf = {};
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfHeight = nPointSize;
    lstrcpynA(lf.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&lf, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    ASSERT_MSG(lpLogFont != nullptr, "CFont::CreatePointFontIndirect: null LOGFONT");
    HDC hDC = pDC != nullptr ? pDC->m_hAttribDC : ::GetDC(nullptr);
    // Tenths of a point to device pixels, then to the DC's logical units;
    // the difference of two converted points removes the window origin.
    LOGFONT lf = *lpLogFont;
    POINT pt = {0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), lf.lfHeight, 720)};
    POINT ptOrg = {0, 0};
    ::DPtoLP(hDC, &pt, 1);
    ::DPtoLP(hDC, &ptOrg, 1);
    lf.lfHeight = -abs(pt.y - ptOrg.y);
    if (pDC == nullptr)
        ::ReleaseDC(nullptr, hDC);
    return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONT* pLogFont)
{
    return GetObject(sizeof(LOGFONT), pLogFont);
}

/////////////////////////////////////////////////////////////////////////////
// CBitmap

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

CBitmap::CBitmap() {}

CBitmap::~CBitmap() {}

CBitmap* PASCAL CBitmap::FromHandle(HBITMAP hBitmap)
{
    return TypedFromHandle<CBitmap>(hBitmap, "CBitmap::FromHandle: not a bitmap");
}

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName)
{
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    return AttachCreated(::LoadBitmapA(hInst, lpszResourceName));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return LoadBitmap(MAKEINTRESOURCEA(nIDResource));
}

BOOL CBitmap::LoadOEMBitmap(UINT nIDBitmap)
{
    return AttachCreated(::LoadBitmapA(nullptr, MAKEINTRESOURCEA(nIDBitmap)));
}

BOOL CBitmap::LoadMappedBitmap(UINT nIDBitmap, UINT nFlags, LPCOLORMAP lpColorMap, int nMapSize)
{
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCEA(nIDBitmap), RT_BITMAP);
    return AttachCreated(::CreateMappedBitmap(hInst, (INT_PTR)nIDBitmap, nFlags, lpColorMap, nMapSize));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
{
    return AttachCreated(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateBitmapIndirect(LPBITMAP lpBitmap)
{
    return AttachCreated(::CreateBitmapIndirect(lpBitmap));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    ASSERT_MSG(pDC != nullptr && pDC->m_hDC != nullptr, "CBitmap::CreateCompatibleBitmap: no DC");
    return AttachCreated(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}

BOOL CBitmap::CreateDiscardableBitmap(CDC* pDC, int nWidth, int nHeight)
{
    ASSERT_MSG(pDC != nullptr && pDC->m_hDC != nullptr, "CBitmap::CreateDiscardableBitmap: no DC");
    return AttachCreated(::CreateDiscardableBitmap(pDC->m_hDC, nWidth, nHeight));
}

int CBitmap::GetBitmap(BITMAP* pBitMap)
{
    return GetObject(sizeof(BITMAP), pBitMap);
}

DWORD CBitmap::SetBitmapBits(DWORD dwCount, const void* lpBits)
{
    return (DWORD)::SetBitmapBits((HBITMAP)m_hObject, dwCount, lpBits);
}

DWORD CBitmap::GetBitmapBits(DWORD dwCount, LPVOID lpBits) const
{
    return (DWORD)::GetBitmapBits((HBITMAP)m_hObject, (LONG)dwCount, lpBits);
}

CSize CBitmap::SetBitmapDimension(int nWidth, int nHeight)
{
    SIZE size = {0, 0};
    VERIFY(::SetBitmapDimensionEx((HBITMAP)m_hObject, nWidth, nHeight, &size));
    return size;
}

CSize CBitmap::GetBitmapDimension() const
{
    SIZE size = {0, 0};
    VERIFY(::GetBitmapDimensionEx((HBITMAP)m_hObject, &size));
    return size;
}

/////////////////////////////////////////////////////////////////////////////
// CPalette

IMPLEMENT_DYNAMIC(CPalette, CGdiObject)

CPalette::CPalette() {}

CPalette::~CPalette() {}

CPalette* PASCAL CPalette::FromHandle(HPALETTE hPalette)
{
    return TypedFromHandle<CPalette>(hPalette, "CPalette::FromHandle: not a palette");
}

BOOL CPalette::CreatePalette(LPLOGPALETTE lpLogPalette)
{
    return AttachCreated(::CreatePalette(lpLogPalette));
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC)
{
    ASSERT_MSG(pDC != nullptr && pDC->m_hDC != nullptr, "CPalette::CreateHalftonePalette: no DC");
    return AttachCreated(::CreateHalftonePalette(pDC->m_hDC));
}

int CPalette::GetEntryCount()
{
    WORD nEntries = 0;
    GetObject(sizeof(WORD), &nEntries);
    return nEntries;
}

UINT CPalette::GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const
{
    return ::GetPaletteEntries((HPALETTE)m_hObject, nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors)
{
    return ::SetPaletteEntries((HPALETTE)m_hObject, nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::GetNearestPaletteIndex(COLORREF crColor) const
{
    return ::GetNearestPaletteIndex((HPALETTE)m_hObject, crColor);
}

/////////////////////////////////////////////////////////////////////////////
// CRgn

IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

CRgn::CRgn() {}

CRgn::~CRgn() {}

CRgn* PASCAL CRgn::FromHandle(HRGN hRgn)
{
    return TypedFromHandle<CRgn>(hRgn, "CRgn::FromHandle: not a region");
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2)
{
    return AttachCreated(::CreateRectRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect)
{
    return AttachCreated(::CreateRectRgnIndirect(lpRect));
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
    return AttachCreated(::CreateEllipticRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateEllipticRgnIndirect(LPCRECT lpRect)
{
    return AttachCreated(::CreateEllipticRgnIndirect(lpRect));
}

BOOL CRgn::CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode)
{
    return AttachCreated(::CreatePolygonRgn(lpPoints, nCount, nMode));
}

BOOL CRgn::CreatePolyPolygonRgn(const POINT* lpPoints, const INT* lpPolyCounts, int nCount, int nPolyFillMode)
{
    return AttachCreated(::CreatePolyPolygonRgn(lpPoints, lpPolyCounts, nCount, nPolyFillMode));
}

BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return AttachCreated(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2)
{
    ASSERT_MSG(m_hObject != nullptr, "CRgn::SetRectRgn: no region");
    VERIFY(::SetRectRgn((HRGN)m_hObject, x1, y1, x2, y2));
}

void CRgn::SetRectRgn(LPCRECT lpRect)
{
    SetRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode)
{
    ASSERT_MSG(m_hObject != nullptr && pRgn1 != nullptr, "CRgn::CombineRgn: no region");
    // RGN_COPY ignores the second source.
    HRGN h2 = pRgn2 != nullptr ? (HRGN)pRgn2->m_hObject : nullptr;
    return ::CombineRgn((HRGN)m_hObject, (HRGN)pRgn1->m_hObject, h2, nCombineMode);
}

int CRgn::CopyRgn(const CRgn* pRgnSrc)
{
    ASSERT_MSG(pRgnSrc != nullptr, "CRgn::CopyRgn: no source region");
    return ::CombineRgn((HRGN)m_hObject, (HRGN)pRgnSrc->m_hObject, nullptr, RGN_COPY);
}

BOOL CRgn::EqualRgn(const CRgn* pRgn) const
{
    ASSERT_MSG(pRgn != nullptr, "CRgn::EqualRgn: no region");
    return ::EqualRgn((HRGN)m_hObject, (HRGN)pRgn->m_hObject);
}

int CRgn::OffsetRgn(int x, int y)
{
    return ::OffsetRgn((HRGN)m_hObject, x, y);
}

int CRgn::OffsetRgn(POINT point)
{
    return OffsetRgn(point.x, point.y);
}

int CRgn::GetRgnBox(LPRECT lpRect) const
{
    return ::GetRgnBox((HRGN)m_hObject, lpRect);
}

BOOL CRgn::PtInRegion(int x, int y) const
{
    return ::PtInRegion((HRGN)m_hObject, x, y);
}

BOOL CRgn::PtInRegion(POINT point) const
{
    return PtInRegion(point.x, point.y);
}

BOOL CRgn::RectInRegion(LPCRECT lpRect) const
{
    return ::RectInRegion((HRGN)m_hObject, lpRect);
}
