// ButtonExt.cpp: CButtonExt, the owner-drawn button with icons, flat hot
// tracking, colours, cursor, tool tip and transparency.
#include "ButtonExt.h"

#include "MemDC.h"

namespace {

const UINT_PTR kToolId = 1; // the tool tip's one tool

// A polyline a -> b -> c in the system colour nColor, one pixel wide.
void Line3(CDC& dc, int nColor, CPoint a, CPoint b, CPoint c)
{
    CPen pen(PS_SOLID, 0, ::GetSysColor(nColor));
    CPen* pOldPen = dc.SelectObject(&pen);
    dc.MoveTo(a);
    dc.LineTo(b);
    dc.LineTo(c);
    dc.SelectObject(pOldPen);
}

} // namespace

BEGIN_MESSAGE_MAP(CButtonExt, CButton)
    ON_WM_CAPTURECHANGED()
    ON_WM_SETCURSOR()
    ON_WM_KILLFOCUS()
    ON_WM_MOUSEMOVE()
    ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CButtonExt::CButtonExt()
    : m_nAlign(0), m_bShowText(TRUE), m_bDrawBorder(TRUE), m_bFlat(TRUE), m_bHot(FALSE), m_bFlatFocus(FALSE),
      m_hCursor(NULL), m_hIconActive(NULL), m_hIconInactive(NULL), m_cyIcon(0), m_cxIcon(0),
      m_pOldBmpBk(NULL), m_bTransparent(FALSE), m_bDefault(FALSE)
{
    SetDefaultInactiveBgColor(FALSE);
    SetDefaultInactiveFgColor(FALSE);
    SetDefaultActiveBgColor(FALSE);
    SetDefaultActiveFgColor(FALSE);
}

CButtonExt::~CButtonExt()
{
    if (m_dcBk.m_hDC != NULL && m_pOldBmpBk != NULL)
        m_dcBk.SelectObject(m_pOldBmpBk);
    ReleaseIcons();
    if (m_hCursor != NULL)
        ::DestroyCursor(m_hCursor);
}

void CButtonExt::Repaint()
{
    if (::IsWindow(m_hWnd))
        InvalidateRect(NULL, TRUE);
}

void CButtonExt::ReleaseIcons()
{
    if (m_hIconInactive != NULL && m_hIconInactive != m_hIconActive)
        ::DestroyIcon(m_hIconInactive);
    if (m_hIconActive != NULL)
        ::DestroyIcon(m_hIconActive);
    m_hIconActive = m_hIconInactive = NULL;
    m_cxIcon = m_cyIcon = 0;
}

// ---------------------------------------------------------------------------
// Attributes

BOOL CButtonExt::SetBtnCursor(int nCursorId)
{
    if (m_hCursor != NULL) {
        ::DestroyCursor(m_hCursor);
        m_hCursor = NULL;
    }
    if (nCursorId == -1)
        return TRUE;
    LPCSTR lpszID = MAKEINTRESOURCEA(nCursorId);
    HINSTANCE hInst = AfxFindResourceHandle(lpszID, RT_GROUP_CURSOR);
    m_hCursor = (HCURSOR)::LoadImageA(hInst, lpszID, IMAGE_CURSOR, 0, 0, 0);
    return m_hCursor != NULL;
}

void CButtonExt::SetFlat(BOOL bState)
{
    m_bFlat = bState;
    Repaint();
}

BOOL CButtonExt::GetFlat()
{
    return m_bFlat;
}

void CButtonExt::SetAlign(int nAlign)
{
    if (nAlign == 0 || nAlign == 1)
        m_nAlign = nAlign;
    Repaint();
}

int CButtonExt::GetAlign()
{
    return m_nAlign;
}

void CButtonExt::DrawBorder(BOOL bEnable)
{
    m_bDrawBorder = bEnable;
}

void CButtonExt::SetShowText(BOOL bShow)
{
    m_bShowText = bShow;
    Repaint();
}

BOOL CButtonExt::GetShowText()
{
    return m_bShowText;
}

void CButtonExt::SetFlatFocus(BOOL bDrawFlatFocus, BOOL bRepaint)
{
    m_bFlatFocus = bDrawFlatFocus;
    if (bRepaint == 1)
        Repaint();
}

BOOL CButtonExt::GetFlatFocus()
{
    return m_bFlatFocus;
}

void CButtonExt::DrawTransparent()
{
    m_bTransparent = TRUE;
}

BOOL CButtonExt::GetDefault()
{
    return m_bDefault;
}

void CButtonExt::SetInactiveBgColor(COLORREF crNew, BOOL bRepaint)
{
    m_crInactiveBg = crNew;
    if (bRepaint == 1)
        Repaint();
}

void CButtonExt::SetInactiveFgColor(COLORREF crNew, BOOL bRepaint)
{
    m_crInactiveFg = crNew;
    if (bRepaint == 1)
        Repaint();
}

void CButtonExt::SetActiveBgColor(COLORREF crNew, BOOL bRepaint)
{
    m_crActiveBg = crNew;
    if (bRepaint == 1)
        Repaint();
}

void CButtonExt::SetActiveFgColor(COLORREF crNew, BOOL bRepaint)
{
    m_crActiveFg = crNew;
    if (bRepaint == 1)
        Repaint();
}

void CButtonExt::SetDefaultInactiveBgColor(BOOL bRepaint)
{
    SetInactiveBgColor(::GetSysColor(COLOR_BTNFACE), bRepaint);
}

void CButtonExt::SetDefaultInactiveFgColor(BOOL bRepaint)
{
    SetInactiveFgColor(::GetSysColor(COLOR_BTNTEXT), bRepaint);
}

void CButtonExt::SetDefaultActiveBgColor(BOOL bRepaint)
{
    SetActiveBgColor(::GetSysColor(COLOR_BTNFACE), bRepaint);
}

void CButtonExt::SetDefaultActiveFgColor(BOOL bRepaint)
{
    SetActiveFgColor(::GetSysColor(COLOR_BTNTEXT), bRepaint);
}

COLORREF CButtonExt::GetInactiveBgColor()
{
    return m_crInactiveBg;
}

COLORREF CButtonExt::GetInactiveFgColor()
{
    return m_crInactiveFg;
}

COLORREF CButtonExt::GetActiveBgColor()
{
    return m_crActiveBg;
}

COLORREF CButtonExt::GetActiveFgColor()
{
    return m_crActiveFg;
}

// ---------------------------------------------------------------------------
// Icons and tool tip

void CButtonExt::SetIcon(int nIconActive, int nIconInactive)
{
    ReleaseIcons();
    LPCSTR lpszActive = MAKEINTRESOURCEA(nIconActive);
    HINSTANCE hInst = AfxFindResourceHandle(lpszActive, RT_GROUP_ICON);
    m_hIconActive = (HICON)::LoadImageA(hInst, lpszActive, IMAGE_ICON, 0, 0, 0);
    if (nIconInactive == 0)
        m_hIconInactive = m_hIconActive;
    else
        m_hIconInactive = (HICON)::LoadImageA(hInst, MAKEINTRESOURCEA(nIconInactive), IMAGE_ICON, 0, 0, 0);

    ICONINFO ii;
    if (m_hIconActive != NULL && ::GetIconInfo(m_hIconActive, &ii)) {
        m_cxIcon = (BYTE)(2 * ii.xHotspot);
        m_cyIcon = (BYTE)(2 * ii.yHotspot);
        if (ii.hbmMask != NULL)
            ::DeleteObject(ii.hbmMask);
        if (ii.hbmColor != NULL)
            ::DeleteObject(ii.hbmColor);
    }
    if (::IsWindow(m_hWnd))
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CButtonExt::InitToolTip()
{
    if (m_ToolTip.m_hWnd != NULL)
        return;
    m_ToolTip.Create(this);
    m_ToolTip.Activate(FALSE);
}

void CButtonExt::SetTooltipText(CString* spText, BOOL bActivate)
{
    if (spText == NULL || !::IsWindow(m_hWnd))
        return;
    InitToolTip();
    if (m_ToolTip.m_hWnd == NULL)
        return;
    if (m_ToolTip.GetToolCount() == 0) {
        CRect rc;
        GetClientRect(&rc);
        m_ToolTip.AddTool(this, *spText, &rc, kToolId);
    }
    m_ToolTip.UpdateTipText(*spText, this, kToolId);
    m_ToolTip.Activate(bActivate);
}

void CButtonExt::SetTooltipText(int nId, BOOL bActivate)
{
    CString strText;
    strText.LoadString(nId);
    if (!strText.IsEmpty())
        SetTooltipText(&strText, bActivate);
}

void CButtonExt::ActivateTooltip(BOOL bEnable)
{
    if (m_ToolTip.m_hWnd != NULL && m_ToolTip.GetToolCount() > 0)
        m_ToolTip.Activate(bEnable);
}

BOOL CButtonExt::PreTranslateMessage(MSG* pMsg)
{
    InitToolTip();
    if (m_ToolTip.m_hWnd != NULL)
        m_ToolTip.RelayEvent(pMsg);
    return CButton::PreTranslateMessage(pMsg);
}

// ---------------------------------------------------------------------------
// Window

void CButtonExt::PreSubclassWindow()
{
    const UINT nStyle = (UINT)::GetWindowLongA(m_hWnd, GWL_STYLE) & 0xFFFF;
    if (nStyle & BS_DEFPUSHBUTTON)
        m_bDefault = TRUE;
    SendMessage(BM_SETSTYLE, nStyle | BS_OWNERDRAW, TRUE);
    CButton::PreSubclassWindow();
}

LRESULT CButtonExt::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDBLCLK)
        message = WM_LBUTTONDOWN;
    return CButton::DefWindowProc(message, wParam, lParam);
}

void CButtonExt::OnMouseMove(UINT nFlags, CPoint point)
{
    Default();
    if ((nFlags & MK_LBUTTON) && !m_bHot)
        return;
    if (!m_bFlat)
        return;
    if (::GetCapture() != m_hWnd && ::GetActiveWindow() != NULL && GetOwner() != NULL) {
        m_bHot = TRUE;
        SetCapture();
        Repaint();
        return;
    }
    ClientToScreen(&point);
    if (::WindowFromPoint(point) == m_hWnd)
        return;
    if (m_bHot) {
        m_bHot = FALSE;
        Repaint();
    }
    if (!(nFlags & MK_LBUTTON))
        ::ReleaseCapture();
}

void CButtonExt::OnKillFocus(CWnd*)
{
    Default();
    if (m_bFlat && m_bHot) {
        m_bHot = FALSE;
        Repaint();
    }
}

void CButtonExt::OnCaptureChanged(CWnd*)
{
    if (m_bHot) {
        ::ReleaseCapture();
        Repaint();
    }
    Default();
}

HBRUSH CButtonExt::CtlColor(CDC*, UINT)
{
    // The erase that precedes each paint must leave the parent's pixels for
    // the snapshot; a null brush leaves the answer to the parent.
    return m_bTransparent ? (HBRUSH)::GetStockObject(NULL_BRUSH) : NULL;
}

BOOL CButtonExt::OnSetCursor(CWnd*, UINT, UINT)
{
    if (m_hCursor != NULL) {
        ::SetCursor(m_hCursor);
        return TRUE;
    }
    return (BOOL)Default();
}

// ---------------------------------------------------------------------------
// Drawing

void CButtonExt::PaintBk(CDC* pDC)
{
    CWnd* pParent = GetParent();
    if (pParent == NULL)
        return;
    CClientDC parentDC(pParent);
    CRect rcClient, rcInParent;
    GetClientRect(&rcClient);
    GetWindowRect(&rcInParent);
    pParent->ScreenToClient(&rcInParent);

    if (m_dcBk.m_hDC == NULL) {
        m_dcBk.CreateCompatibleDC(&parentDC);
        m_bmpBk.CreateCompatibleBitmap(&parentDC, rcClient.Width(), rcClient.Height());
        m_pOldBmpBk = m_dcBk.SelectObject(&m_bmpBk);
        m_dcBk.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &parentDC, rcInParent.left, rcInParent.top,
                      SRCCOPY);
    }
    pDC->BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &m_dcBk, 0, 0, SRCCOPY);
}

void CButtonExt::DrawTheIcon(CDC* pDC, const CString& strCaption, const CRect& rcItem, CRect* prcCaption,
                             BOOL bPressed, BOOL bDisabled)
{
    const int w = rcItem.Width();
    const int h = rcItem.Height();
    CPoint pt(rcItem.left + (w - m_cxIcon) / 2, rcItem.top + (h - m_cyIcon) / 2);
    if (!strCaption.IsEmpty()) {
        if (m_nAlign == 0) {
            pt.x = rcItem.left + 3;
            prcCaption->left += m_cxIcon + 3;
        } else {
            pt.y = rcItem.top;
            prcCaption->top += m_cyIcon;
        }
    }
    if (bPressed)
        pt.Offset(1, 1);
    HICON hIcon = (m_bHot || bPressed) ? m_hIconActive : m_hIconInactive;
    pDC->DrawState(pt, CSize(rcItem.right - pt.x, rcItem.bottom - pt.y), hIcon,
                   DST_ICON | (bDisabled ? DSS_DISABLED : 0), (HBRUSH)NULL);
}

void CButtonExt::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CMemDC dc(CDC::FromHandle(lpDIS->hDC));
    const BOOL bPressed = (lpDIS->itemState & ODS_SELECTED) != 0;
    const BOOL bFocused = (lpDIS->itemState & ODS_FOCUS) != 0;
    const BOOL bDisabled = (lpDIS->itemState & ODS_DISABLED) != 0;
    const BOOL bActive = m_bHot || bPressed;
    CRect r = lpDIS->rcItem;

    if (!m_bFlat && (bFocused || GetDefault() == 1)) {
        CBrush black(RGB(0, 0, 0));
        dc.FrameRect(&r, &black);
        r.DeflateRect(1, 1);
    }

    if (m_bTransparent) {
        PaintBk(&dc);
    } else {
        CBrush bk(bActive ? m_crActiveBg : m_crInactiveBg);
        dc.FillRect(&r, &bk);
    }

    if (!bPressed) {
        if (m_bFlat) {
            if (m_bHot && m_bDrawBorder) {
                Line3(dc, COLOR_BTNHIGHLIGHT, CPoint(r.left, r.bottom - 1), r.TopLeft(),
                      CPoint(r.right, r.top));
                Line3(dc, COLOR_BTNSHADOW, CPoint(r.left, r.bottom - 1), CPoint(r.right - 1, r.bottom - 1),
                      CPoint(r.right - 1, r.top - 1));
            }
        } else {
            Line3(dc, COLOR_BTNHIGHLIGHT, CPoint(r.left, r.bottom - 1), r.TopLeft(), CPoint(r.right, r.top));
            Line3(dc, COLOR_3DLIGHT, CPoint(r.left + 1, r.bottom - 1), CPoint(r.left + 1, r.top + 1),
                  CPoint(r.right, r.top + 1));
            Line3(dc, COLOR_3DDKSHADOW, CPoint(r.left, r.bottom - 1), CPoint(r.right - 1, r.bottom - 1),
                  CPoint(r.right - 1, r.top - 1));
            Line3(dc, COLOR_BTNSHADOW, CPoint(r.left + 1, r.bottom - 2), CPoint(r.right - 2, r.bottom - 2),
                  CPoint(r.right - 2, r.top));
        }
    } else if (m_bFlat) {
        if (m_bDrawBorder) {
            Line3(dc, COLOR_BTNSHADOW, CPoint(r.left, r.bottom - 1), r.TopLeft(), CPoint(r.right, r.top));
            Line3(dc, COLOR_BTNHIGHLIGHT, CPoint(r.left, r.bottom - 1), CPoint(r.right - 1, r.bottom - 1),
                  CPoint(r.right - 1, r.top - 1));
        }
    } else {
        CBrush shadow(::GetSysColor(COLOR_BTNSHADOW));
        dc.FrameRect(&r, &shadow);
    }

    CString strCaption;
    if (m_bShowText)
        GetWindowText(strCaption);
    CRect rcCaption = lpDIS->rcItem;
    if (m_hIconActive != NULL)
        DrawTheIcon(&dc, strCaption, lpDIS->rcItem, &rcCaption, bPressed, bDisabled);

    if (!strCaption.IsEmpty()) {
        if (bPressed)
            rcCaption.OffsetRect(1, 1);
        CFont* pFont = GetFont();
        CFont* pOldFont = pFont != NULL ? dc.SelectObject(pFont) : NULL;
        dc.SetTextColor(bActive ? m_crActiveFg : m_crInactiveFg);
        dc.SetBkColor(bActive ? m_crActiveBg : m_crInactiveBg);
        const CRect rcCentre = rcCaption;
        dc.DrawText(strCaption, &rcCaption, DT_SINGLELINE | DT_CALCRECT);
        rcCaption.OffsetRect((rcCentre.Width() - rcCaption.Width()) / 2,
                             (rcCentre.Height() - rcCaption.Height()) / 2);
        dc.SetBkMode(TRANSPARENT);
        dc.DrawState(rcCaption.TopLeft(), rcCaption.Size(), (LPCTSTR)strCaption, bDisabled ? DSS_DISABLED : 0,
                     FALSE, 0, (HBRUSH)NULL);
        if (pOldFont != NULL)
            dc.SelectObject(pOldFont);
    }

    if (bFocused && (!m_bFlat || m_bFlatFocus)) {
        CRect rcFocus = r;
        rcFocus.DeflateRect(3, 3);
        dc.DrawFocusRect(&rcFocus);
    }
}
