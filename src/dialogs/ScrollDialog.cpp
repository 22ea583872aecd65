// ScrollDialog.cpp: CScrollDialog, a dialog that scrolls its content while
// its client area is smaller than at OnInitDialog.
#include "ScrollDialog.h"

namespace {

const int kHorzUnit = 8; // pixels per horizontal scroll unit
const int kVertUnit = 4; // pixels per vertical scroll unit
const int kHorzPage = 8; // units per horizontal page
const DWORD kGripStyle = WS_CHILD | WS_VISIBLE | SBS_SIZEBOX | SBS_SIZEBOXBOTTOMRIGHTALIGN | SBS_SIZEGRIP;

// The move a scroll code asks for, before clamping; nPage is the page size.
int ScrollDelta(UINT nSBCode, UINT nThumb, int nPos, int nMax, int nPage)
{
    switch (nSBCode) {
    case SB_LINEUP:
        return -1;
    case SB_LINEDOWN:
        return 1;
    case SB_PAGEUP:
        return -nPage;
    case SB_PAGEDOWN:
        return nPage;
    case SB_THUMBTRACK:
        return static_cast<int>(nThumb) - nPos;
    case SB_TOP:
        return -nPos;
    case SB_BOTTOM:
        return nMax - nPos;
    default: // SB_THUMBPOSITION (the track already moved), SB_ENDSCROLL
        return 0;
    }
}

} // namespace

BEGIN_MESSAGE_MAP(CScrollDialog, CDialog)
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_SIZE()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_KILLFOCUS()
    ON_WM_SETCURSOR()
END_MESSAGE_MAP()

CScrollDialog::CScrollDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_bGripper(true), m_bScrolling(true), m_nHorzRange(0),
      m_nVertRange(0), m_nVertMax(0), m_nHorzMax(0), m_nVertPos(0), m_nHorzPos(0), m_rcOriginal(0, 0, 0, 0),
      m_bInitialized(FALSE), m_bSetupPending(false)
{}

CScrollDialog::~CScrollDialog()
{
    if (m_Gripper.m_hWnd != NULL)
        m_Gripper.DestroyWindow();
}

void CScrollDialog::DoDataExchange(CDataExchange*) {}

BOOL CScrollDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_nHorzPos = 0;
    m_nVertPos = 0;
    GetClientRect(&m_rcOriginal);
    m_bInitialized = TRUE;

    // The cell where the two scroll bars would meet.
    CRect rcGrip = m_rcOriginal;
    rcGrip.left = rcGrip.right - ::GetSystemMetrics(SM_CXVSCROLL);
    rcGrip.top = rcGrip.bottom - ::GetSystemMetrics(SM_CYHSCROLL);
    m_Gripper.Create(kGripStyle, rcGrip, this, AFX_IDW_SIZE_BOX);

    if (m_bSetupPending) {
        m_bSetupPending = false;
        ResetScrollbars();
        SetupScrollbars();
    }
    return TRUE;
}

void CScrollDialog::EnableScrolling(bool bEnable)
{
    m_bScrolling = bEnable;
    if (!m_bInitialized || !::IsWindow(m_hWnd)) {
        m_bSetupPending = true;
        return;
    }
    ResetScrollbars();
    SetupScrollbars();
}

void CScrollDialog::EnableGripper(bool bEnable)
{
    m_bGripper = bEnable;
    if (!m_bInitialized || !::IsWindow(m_hWnd)) {
        m_bSetupPending = true;
        return;
    }
    ResetScrollbars();
    SetupScrollbars();
}

void CScrollDialog::ResetScrollbars()
{
    if (!::IsWindow(m_hWnd))
        return;
    // Scrolling by nothing would only cost an invalidation.
    if (m_nHorzPos != 0)
        ScrollWindow(m_nHorzPos * kHorzUnit, 0);
    if (m_nVertPos != 0)
        ScrollWindow(0, m_nVertPos * kVertUnit);
    m_nHorzPos = 0;
    m_nVertPos = 0;
    SetScrollPos(SB_HORZ, 0, TRUE);
    SetScrollPos(SB_VERT, 0, TRUE);
}

void CScrollDialog::SetupScrollbars()
{
    if (!m_bScrolling || !::IsWindow(m_hWnd))
        return;

    CRect rcClient;
    GetClientRect(&rcClient);
    WINDOWPLACEMENT wp = {};
    wp.length = sizeof wp;
    GetWindowPlacement(&wp);
    const bool bMaximized = wp.showCmd == SW_SHOWMAXIMIZED;

    // C++ division truncates toward zero, as the ranges want.
    m_nHorzRange = (m_rcOriginal.Width() - rcClient.Width()) / kHorzUnit;
    m_nVertRange = (m_rcOriginal.Height() - rcClient.Height()) / kVertUnit;

    if (m_Gripper.m_hWnd != NULL) {
        const bool bShow = m_bGripper && m_nHorzRange <= 0 && m_nVertRange <= 0 && !bMaximized;
        m_Gripper.ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    }

    // Showing or hiding a bar changes the client size, and the WM_SIZE that
    // follows runs this again inside the call: the members, not copies, are
    // read after each bar so the outer call goes on with the settled values.
    m_nHorzMax = m_nHorzRange > 0 ? m_nHorzRange : 0;
    if (m_nHorzPos > m_nHorzMax)
        m_nHorzPos = m_nHorzMax;
    SetScrollRange(SB_HORZ, 0, m_nHorzMax, FALSE);
    SetScrollPos(SB_HORZ, m_nHorzPos, TRUE);

    m_nVertMax = m_nVertRange > 0 ? m_nVertRange : 0;
    if (m_nVertPos > m_nVertMax)
        m_nVertPos = m_nVertMax;
    SetScrollRange(SB_VERT, 0, m_nVertMax, FALSE);
    SetScrollPos(SB_VERT, m_nVertPos, TRUE);

    if (bMaximized)
        return;
    HWND hGrip = ::GetDlgItem(m_hWnd, AFX_IDW_SIZE_BOX);
    if (hGrip == NULL)
        return;
    CRect rcGrip;
    ::GetWindowRect(hGrip, &rcGrip);
    GetClientRect(&rcClient); // after the bars changed
    ::MoveWindow(hGrip, rcClient.right - rcGrip.Width(), rcClient.bottom - rcGrip.Height(), rcGrip.Width(),
                 rcGrip.Height(), TRUE);
}

void CScrollDialog::ScrollBy(int nBar, int nDelta, int& nPos, int nMax, int nUnit)
{
    if (nDelta > nMax - nPos)
        nDelta = nMax - nPos;
    if (nDelta < -nPos)
        nDelta = -nPos;
    if (nDelta == 0)
        return;
    nPos += nDelta;
    if (nBar == SB_VERT)
        ScrollWindow(0, -nUnit * nDelta);
    else
        ScrollWindow(-nUnit * nDelta, 0);
    SetScrollPos(nBar, nPos, TRUE);
}

void CScrollDialog::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    ScrollBy(SB_HORZ, ScrollDelta(nSBCode, nPos, m_nHorzPos, m_nHorzMax, kHorzPage), m_nHorzPos, m_nHorzMax,
             kHorzUnit);
    CDialog::OnHScroll(nSBCode, nPos, pScrollBar);
}

void CScrollDialog::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    const int nPage = m_nVertRange > 1 ? m_nVertRange : 1;
    ScrollBy(SB_VERT, ScrollDelta(nSBCode, nPos, m_nVertPos, m_nVertMax, nPage), m_nVertPos, m_nVertMax,
             kVertUnit);
    CDialog::OnVScroll(nSBCode, nPos, pScrollBar);
}

void CScrollDialog::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (!m_bInitialized)
        return;
    ResetScrollbars();
    SetupScrollbars();
}

void CScrollDialog::OnMouseMove(UINT, CPoint)
{
    Default();
}

void CScrollDialog::OnLButtonDown(UINT, CPoint)
{
    Default();
}

void CScrollDialog::OnLButtonUp(UINT, CPoint)
{
    Default();
}

void CScrollDialog::OnKillFocus(CWnd*)
{
    Default();
}

BOOL CScrollDialog::OnSetCursor(CWnd*, UINT, UINT)
{
    return static_cast<BOOL>(Default());
}
