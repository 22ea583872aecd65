// MDIBackground.cpp: CMDIBackground, the colour and bitmap behind an MDI
// frame's child windows, with its settings in the application profile.
#include "MDIBackground.h"

namespace {

const char kSection[] = "Main Background";

// Draws the whole bitmap with its top-left corner at pt.
void DrawImage(CDC& dc, const CPoint& pt, const CSize& size, CBitmap& bitmap)
{
    dc.DrawState(pt, size, (HBITMAP)bitmap.GetSafeHandle(), DST_BITMAP, (HBRUSH)NULL);
}

} // namespace

BEGIN_MESSAGE_MAP(CMDIBackground, CWnd)
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CMDIBackground::CMDIBackground()
    : m_crBkColor(0), m_bAutoSaveRestore(0), m_ptOrigin(0, 0), m_sizeImage(0, 0), m_nDisplayMode(DM_TILE)
{
    Reset();
    m_bAutoSaveRestore = 0;
}

CMDIBackground::~CMDIBackground()
{
    m_Bitmap.DeleteObject();
    m_Brush.DeleteObject();
}

void CMDIBackground::SetBkColor(COLORREF crBkColor)
{
    m_crBkColor = crBkColor;
    m_Brush.DeleteObject();
    m_Brush.CreateSolidBrush(crBkColor);
    InvalidateIfWindow();
}

COLORREF CMDIBackground::GetBkColor() const
{
    return m_crBkColor;
}

void CMDIBackground::SetDisplayMode(DisplayModesEnum nMode)
{
    m_nDisplayMode = nMode;
    InvalidateIfWindow();
}

CMDIBackground::DisplayModesEnum CMDIBackground::GetDisplayMode() const
{
    return m_nDisplayMode;
}

void CMDIBackground::SetOrigin(int x, int y, int bRedraw)
{
    m_ptOrigin = CPoint(x, y);
    if (bRedraw == 1)
        InvalidateIfWindow();
}

void CMDIBackground::SetOrigin(const CPoint& pt, int bRedraw)
{
    SetOrigin(pt.x, pt.y, bRedraw);
}

const CPoint& CMDIBackground::GetOrigin() const
{
    return m_ptOrigin;
}

void CMDIBackground::SetAutoSaveRestore(int bAutoSaveRestore)
{
    m_bAutoSaveRestore = bAutoSaveRestore;
}

int CMDIBackground::GetAutoSaveRestore() const
{
    return m_bAutoSaveRestore;
}

const CString& CMDIBackground::GetFileName() const
{
    return m_strFileName;
}

const CSize& CMDIBackground::GetImageSize() const
{
    return m_sizeImage;
}

BOOL CMDIBackground::SetBitmap(const char* pszFileName, UINT nFlags)
{
    HBITMAP hBitmap = (HBITMAP)::LoadImageA(AfxGetInstanceHandle(), pszFileName, IMAGE_BITMAP, 0, 0,
                                            nFlags | LR_LOADFROMFILE);
    if (hBitmap == NULL)
        return FALSE;
    m_Bitmap.DeleteObject();
    m_Bitmap.Attach(hBitmap);
    InvalidateIfWindow();
    m_strFileName = pszFileName;
    TakeImageSize();
    return TRUE;
}

BOOL CMDIBackground::SetBitmap(UINT nResourceId, UINT /*nUnused*/)
{
    m_Bitmap.DeleteObject();
    m_Bitmap.LoadBitmap(nResourceId);
    InvalidateIfWindow();
    TakeImageSize();
    return TRUE;
}

BOOL CMDIBackground::SetBitmap(UINT nResourceId, COLORMAP* pColorMap, int nMapCount)
{
    m_Bitmap.DeleteObject();
    // CreateMappedBitmap with flags 0, from the module AfxFindResourceHandle finds.
    if (pColorMap != NULL)
        m_Bitmap.LoadMappedBitmap(nResourceId, 0, pColorMap, nMapCount);
    else
        m_Bitmap.LoadBitmap(nResourceId);
    if (m_Bitmap.GetSafeHandle() == NULL) {
        m_sizeImage = CSize(0, 0);
        return FALSE;
    }
    TakeImageSize();
    InvalidateIfWindow();
    return TRUE;
}

void CMDIBackground::Reset()
{
    m_ptOrigin = CPoint(0, 0);
    m_sizeImage = CSize(0, 0);
    m_nDisplayMode = DM_TILE;
    SetBkColor(::GetSysColor(COLOR_APPWORKSPACE));
    m_Bitmap.DeleteObject();
    InvalidateIfWindow();
}

void CMDIBackground::SaveState()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return;
    pApp->WriteProfileInt(kSection, "DisplayMode", (int)m_nDisplayMode);
    pApp->WriteProfileInt(kSection, "BkColor", (int)m_crBkColor);
    pApp->WriteProfileString(kSection, "FileName", m_strFileName);
    pApp->WriteProfileInt(kSection, "OriginX", m_ptOrigin.x);
    pApp->WriteProfileInt(kSection, "OriginY", m_ptOrigin.y);
}

void CMDIBackground::RestoreState()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL)
        return;
    m_nDisplayMode = (DisplayModesEnum)pApp->GetProfileInt(kSection, "DisplayMode", 0);
    m_ptOrigin.x = pApp->GetProfileInt(kSection, "OriginX", 0);
    m_ptOrigin.y = pApp->GetProfileInt(kSection, "OriginY", 0);
    SetBkColor((COLORREF)pApp->GetProfileInt(kSection, "BkColor", (int)::GetSysColor(COLOR_APPWORKSPACE)));
    const CString strFileName = pApp->GetProfileString(kSection, "FileName", "");
    if (!strFileName.IsEmpty())
        SetBitmap(strFileName, LR_LOADMAP3DCOLORS);
}

void CMDIBackground::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    if (m_bAutoSaveRestore == 1)
        RestoreState();
}

void CMDIBackground::OnDestroy()
{
    if (m_bAutoSaveRestore == 1)
        SaveState();
    CWnd::OnDestroy();
}

void CMDIBackground::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);

    const bool bImage = m_Bitmap.GetSafeHandle() != NULL && m_sizeImage.cx > 0 && m_sizeImage.cy > 0;
    const int nMode = (int)m_nDisplayMode; // any number may have been stored
    const bool bKnownMode = nMode >= DM_TILE && nMode <= DM_ORIGIN;
    if (!bImage || !bKnownMode) {
        dc.FillRect(&rcClient, &m_Brush);
        return;
    }

    if (m_nDisplayMode == DM_TILE) {
        // Tiles keep their places when the window grows: straight to the
        // window, and OnSize does not invalidate in this mode.
        for (int y = 0; y < rcClient.Height(); y += m_sizeImage.cy)
            for (int x = 0; x < rcClient.Width(); x += m_sizeImage.cx)
                DrawImage(dc, CPoint(x, y), m_sizeImage, m_Bitmap);
        return;
    }

    CDC memDC;
    CBitmap memBitmap;
    const CSize sizeMem = m_nDisplayMode == DM_STRETCH ? m_sizeImage : rcClient.Size();
    if (!memDC.CreateCompatibleDC(&dc) || !memBitmap.CreateCompatibleBitmap(&dc, sizeMem.cx, sizeMem.cy)) {
        dc.FillRect(&rcClient, &m_Brush); // no memory for the composition: the colour at least
        return;
    }
    CBitmap* pOldBitmap = memDC.SelectObject(&memBitmap);

    if (m_nDisplayMode == DM_STRETCH) {
        DrawImage(memDC, CPoint(0, 0), m_sizeImage, m_Bitmap);
        const int nOldMode = dc.SetStretchBltMode(COLORONCOLOR);
        dc.StretchBlt(0, 0, rcClient.right, rcClient.bottom, &memDC, 0, 0, m_sizeImage.cx, m_sizeImage.cy,
                      SRCCOPY);
        dc.SetStretchBltMode(nOldMode);
    } else {
        memDC.FillRect(&rcClient, &m_Brush);
        const CPoint pt = m_nDisplayMode == DM_CENTER ? CPoint((rcClient.Width() - m_sizeImage.cx) / 2,
                                                               (rcClient.Height() - m_sizeImage.cy) / 2)
                                                      : m_ptOrigin;
        DrawImage(memDC, pt, m_sizeImage, m_Bitmap);
        dc.BitBlt(0, 0, rcClient.right, rcClient.bottom, &memDC, 0, 0, SRCCOPY);
    }
    memDC.SelectObject(pOldBitmap);
}

void CMDIBackground::OnSize(UINT nType, int cx, int cy)
{
    if (nType != SIZE_MINIMIZED && m_nDisplayMode != DM_TILE)
        InvalidateIfWindow();
    CWnd::OnSize(nType, cx, cy);
}

BOOL CMDIBackground::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CMDIBackground::TakeImageSize()
{
    BITMAP bm;
    if (m_Bitmap.GetSafeHandle() != NULL && m_Bitmap.GetBitmap(&bm) != 0)
        m_sizeImage = CSize(bm.bmWidth, bm.bmHeight);
    else
        m_sizeImage = CSize(0, 0);
}

void CMDIBackground::InvalidateIfWindow()
{
    if (::IsWindow(m_hWnd))
        ::InvalidateRect(m_hWnd, NULL, TRUE);
}
