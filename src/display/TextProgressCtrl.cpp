// TextProgressCtrl.cpp: CTextProgressCtrl, a self-painted progress bar with
// a two-coloured text.
#include "TextProgressCtrl.h"

#include "MemDC.h"

#include <stdlib.h>
#include <string.h>

#include <algorithm>

BEGIN_MESSAGE_MAP(CTextProgressCtrl, CProgressCtrl)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_SETCURSOR()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(PBM_SETPOS, OnSetPos)
END_MESSAGE_MAP()

CTextProgressCtrl::CTextProgressCtrl()
    : m_nPos(0), m_nStepSize(1), m_nMax(100), m_nMin(0), m_nBarWidth(-1), m_bShowText(true),
      m_crBarClr1(::GetSysColor(COLOR_HIGHLIGHT)), m_crBarClr2(::GetSysColor(COLOR_HIGHLIGHT)),
      m_crBgClr(::GetSysColor(COLOR_WINDOW)), m_crTextClr(::GetSysColor(COLOR_HIGHLIGHT)),
      m_crTextBkClr(::GetSysColor(COLOR_WINDOW)), m_dwTextAlign(DT_CENTER), m_nCursorID(0), m_pFont(NULL)
{}

CTextProgressCtrl::~CTextProgressCtrl() {}

// ---------------------------------------------------------------------------
// Colours and text

void CTextProgressCtrl::SetFgColor(COLORREF crBar)
{
    m_crBarClr1 = m_crBarClr2 = crBar;
}

void CTextProgressCtrl::SetFgColor(COLORREF crLeft, COLORREF crRight)
{
    m_crBarClr1 = crLeft;
    m_crBarClr2 = crRight;
}

COLORREF CTextProgressCtrl::GetFgColor()
{
    return m_crBarClr1;
}

COLORREF CTextProgressCtrl::GetFgColor1()
{
    return m_crBarClr1;
}

COLORREF CTextProgressCtrl::GetFgColor2()
{
    return m_crBarClr2;
}

void CTextProgressCtrl::SetBkColor(COLORREF crBk)
{
    m_crBgClr = crBk;
}

COLORREF CTextProgressCtrl::GetBkColor()
{
    return m_crBgClr;
}

void CTextProgressCtrl::SetTxtFgColor(COLORREF crText)
{
    m_crTextClr = crText;
}

COLORREF CTextProgressCtrl::GetTxtFgColor()
{
    return m_crTextClr;
}

void CTextProgressCtrl::SetTxtBkColor(COLORREF crText)
{
    m_crTextBkClr = crText;
}

COLORREF CTextProgressCtrl::GetTxtBkColor()
{
    return m_crTextBkClr;
}

void CTextProgressCtrl::SetShowText(bool bShow)
{
    if (::IsWindow(m_hWnd) && bShow != m_bShowText)
        InvalidateRect(NULL, TRUE);
    m_bShowText = bShow;
}

void CTextProgressCtrl::SetTextAlign(DWORD dwAlign)
{
    if (::IsWindow(m_hWnd) && m_bShowText)
        InvalidateRect(NULL, TRUE);
    m_dwTextAlign = dwAlign;
}

void CTextProgressCtrl::SetFontExt(CFont* pFont)
{
    m_pFont = pFont;
}

void CTextProgressCtrl::SetCursor(DWORD nCursorID)
{
    m_nCursorID = nCursorID;
}

DWORD CTextProgressCtrl::GetCursor()
{
    return m_nCursorID;
}

// ---------------------------------------------------------------------------
// Range and position

void CTextProgressCtrl::SetRange(int nLower, int nUpper)
{
    m_nMin = nLower;
    m_nMax = nUpper;
}

void CTextProgressCtrl::SetRange32(int nLower, int nUpper)
{
    SetRange(nLower, nUpper);
}

double CTextProgressCtrl::Fraction() const
{
    if (m_nMax == m_nMin)
        return 0.0;
    return ((double)m_nPos - m_nMin) / ((double)m_nMax - m_nMin);
}

int CTextProgressCtrl::SetPos(int nPos)
{
    if (!::IsWindow(m_hWnd))
        return -1;
    const int nOldPos = m_nPos;
    m_nPos = nPos;
    CRect rc;
    GetClientRect(&rc);
    const int nWidth = (int)(rc.Width() * Fraction());
    if (nWidth != m_nBarWidth) {
        m_nBarWidth = nWidth;
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    return nOldPos;
}

int CTextProgressCtrl::OffsetPos(int nPos)
{
    return SetPos(m_nPos + nPos);
}

int CTextProgressCtrl::StepIt()
{
    return SetPos(m_nPos + m_nStepSize);
}

int CTextProgressCtrl::SetStep(int nStep)
{
    const int nOld = m_nStepSize;
    m_nStepSize = nStep;
    return nOld;
}

// ---------------------------------------------------------------------------
// Messages

BOOL CTextProgressCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CTextProgressCtrl::OnSize(UINT nType, int cx, int cy)
{
    CProgressCtrl::OnSize(nType, cx, cy);
    m_nBarWidth = -1;
}

BOOL CTextProgressCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_nCursorID == 0)
        return CProgressCtrl::OnSetCursor(pWnd, nHitTest, message);
    LPCSTR lpszID = MAKEINTRESOURCEA(LOWORD(m_nCursorID));
    ::SetCursor(::LoadCursorA(AfxFindResourceHandle(lpszID, RT_GROUP_CURSOR), lpszID));
    return TRUE;
}

LRESULT CTextProgressCtrl::OnSetText(WPARAM, LPARAM lParam)
{
    const LRESULT lResult = Default();
    LPCSTR lpszText = reinterpret_cast<LPCSTR>(lParam);
    if (lpszText == NULL) {
        if (!m_strText.IsEmpty()) {
            m_strText.Empty();
            InvalidateRect(NULL, TRUE);
        }
    } else if (m_strText.Compare(lpszText) != 0) {
        m_strText = lpszText;
        InvalidateRect(NULL, TRUE);
    }
    return lResult;
}

LRESULT CTextProgressCtrl::OnGetText(WPARAM wParam, LPARAM lParam)
{
    LPSTR lpszBuffer = reinterpret_cast<LPSTR>(lParam);
    if (wParam == 0 || lpszBuffer == NULL)
        return 0;
    const int nCopy = std::min((int)wParam - 1, m_strText.GetLength());
    memcpy(lpszBuffer, (LPCSTR)m_strText, nCopy);
    lpszBuffer[nCopy] = '\0';
    return nCopy;
}

LRESULT CTextProgressCtrl::OnSetPos(WPARAM wParam, LPARAM)
{
    const LRESULT lNative = SendMessage(PBM_GETPOS, 0, 0);
    SetPos((int)wParam);
    return lNative;
}

// ---------------------------------------------------------------------------
// Painting

namespace {

// The bar from crLeft to crRight over rcBar: one stripe per step of the
// channel that changes most, each filled with a brush of its own.
void FillGradient(CDC& dc, const CRect& rcBar, COLORREF crLeft, COLORREF crRight)
{
    const int r1 = GetRValue(crLeft), g1 = GetGValue(crLeft), b1 = GetBValue(crLeft);
    const int dr = GetRValue(crRight) - r1, dg = GetGValue(crRight) - g1, db = GetBValue(crRight) - b1;
    const int n = std::max(abs(dr), std::max(abs(dg), abs(db)));
    const float w = (float)rcBar.Width() / n;
    const float sr = (float)dr / n, sg = (float)dg / n, sb = (float)db / n;
    for (int i = 0; i < n; i++) {
        const COLORREF cr = RGB((BYTE)(int)(r1 + i * sr), (BYTE)(int)(g1 + i * sg), (BYTE)(int)(b1 + i * sb));
        CRect rc(rcBar.left + (int)(i * w), rcBar.top, rcBar.left + (int)((i + 1) * w), rcBar.bottom);
        CBrush brush(cr);
        dc.FillRect(&rc, &brush);
    }
}

// The text in crText, clipped to rcClip (in the DC's logical coordinates).
void DrawClippedText(CDC& dc, const CString& strText, CRect rcClip, CRect rcText, UINT nFormat,
                     COLORREF crText)
{
    dc.LPtoDP(&rcClip);
    CRgn rgn;
    rgn.CreateRectRgnIndirect(&rcClip);
    dc.SelectClipRgn(&rgn);
    dc.SetTextColor(crText);
    dc.DrawText(strText, &rcText, nFormat);
}

} // namespace

void CTextProgressCtrl::OnPaint()
{
    CPaintDC paintDC(this);
    if (m_nMin >= m_nMax)
        return;

    CRect rcClient;
    GetClientRect(&rcClient);
    const double dFraction = Fraction();
    CMemDC dc(&paintDC);

    CRect rcBar = rcClient;
    rcBar.right = rcClient.left + (int)(rcClient.Width() * dFraction);
    CRect rcEmpty = rcClient;
    rcEmpty.left = rcBar.right;

    if (rcBar.right != rcBar.left) {
        if (m_crBarClr1 == m_crBarClr2)
            dc.FillSolidRect(&rcBar, m_crBarClr1);
        else
            FillGradient(dc, rcBar, m_crBarClr1, m_crBarClr2);
    }
    dc.FillSolidRect(&rcEmpty, m_crBgClr);

    if (!m_bShowText)
        return;
    CString strText = m_strText;
    if (strText.IsEmpty())
        strText.Format("%d%%", (int)(dFraction * 100.0));
    if (m_dwTextAlign == DT_LEFT)
        strText = " " + strText;
    else if (m_dwTextAlign == DT_RIGHT)
        strText += " ";
    dc.SetBkMode(TRANSPARENT);
    CFont* pOldFont = m_pFont != NULL ? dc.SelectObject(m_pFont) : NULL;
    const UINT nFormat = m_dwTextAlign | DT_VCENTER | DT_SINGLELINE;
    DrawClippedText(dc, strText, rcBar, rcClient, nFormat, m_crTextBkClr);
    DrawClippedText(dc, strText, rcEmpty, rcClient, nFormat, m_crTextClr);
    dc.SelectClipRgn(NULL);
    if (pOldFont != NULL)
        dc.SelectObject(pOldFont);
}
