// ColorStatic.cpp: CColorStatic, colours, transparency and blinking for a
// font static.
#include "ColorStatic.h"

namespace {

const UINT_PTR kBlinkTimer = 1; // the one timer both kinds of blinking share

// Periods in ms for the period arguments 0, 1 and 2; other arguments are
// taken as milliseconds themselves.
const UINT kTextPeriods[3] = {500, 100, 50};
const UINT kBkPeriods[3] = {2000, 1000, 500};

UINT BlinkPeriod(const UINT (&periods)[3], UINT nPeriod)
{
    return nPeriod < 3 ? periods[nPeriod] : nPeriod;
}

} // namespace

IMPLEMENT_DYNAMIC(CColorStatic, CFontStatic)

BEGIN_MESSAGE_MAP(CColorStatic, CFontStatic)
    ON_WM_CTLCOLOR_REFLECT()
    ON_WM_TIMER()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

CColorStatic::CColorStatic()
    : m_nTimerID(0), m_crText(::GetSysColor(COLOR_BTNTEXT)), m_nTextBlink(0), m_nTextBlinkPhase(0),
      m_crBk(::GetSysColor(COLOR_BTNFACE)), m_nBkBlink(0), m_nBkBlinkPhase(0), m_pNotifyWnd(NULL),
      m_nNotifyMsg(WM_USER), m_bTransparent(false), m_nPendingPeriod(0)
{
    m_crBlinkText[0] = m_crBlinkText[1] = m_crText;
    m_crBlinkBk[0] = m_crBlinkBk[1] = m_crBk;
    m_brBk.CreateSolidBrush(m_crBk);
    m_brBlinkBk[0].CreateSolidBrush(m_crBk);
    m_brBlinkBk[1].CreateSolidBrush(m_crBk);
}

CColorStatic::~CColorStatic() {}

void CColorStatic::SetTextColor(COLORREF crText)
{
    if (crText == m_crText)
        return;
    m_crText = crText == QUILLON_SYSCOLOR ? ::GetSysColor(COLOR_BTNTEXT) : crText;
    InvalidateWithErase();
}

COLORREF CColorStatic::GetTextColor()
{
    return m_crText;
}

void CColorStatic::SetBkColor(COLORREF crBk)
{
    if (crBk == m_crBk)
        return;
    m_crBk = crBk == QUILLON_SYSCOLOR ? ::GetSysColor(COLOR_BTNFACE) : crBk;
    m_brBk.DeleteObject();
    m_brBk.CreateSolidBrush(m_crBk);
    InvalidateWithErase();
}

COLORREF CColorStatic::GetBkColor()
{
    return m_crBk;
}

void CColorStatic::SetBlinkTextColors(COLORREF crPhase0, COLORREF crPhase1)
{
    m_crBlinkText[0] = crPhase0;
    m_crBlinkText[1] = crPhase1;
}

void CColorStatic::SetBlinkBkColors(COLORREF crPhase0, COLORREF crPhase1)
{
    m_crBlinkBk[0] = crPhase0;
    m_crBlinkBk[1] = crPhase1;
    for (int i = 0; i < 2; i++) {
        m_brBlinkBk[i].DeleteObject();
        m_brBlinkBk[i].CreateSolidBrush(m_crBlinkBk[i]);
    }
    InvalidateWithErase();
}

void CColorStatic::SetTransparent(bool bTransparent)
{
    if (bTransparent == m_bTransparent)
        return;
    m_bTransparent = bTransparent;
    InvalidateWithErase();
}

bool CColorStatic::IsTransparent()
{
    return m_bTransparent;
}

void CColorStatic::StartTextBlink(int nMode, UINT nPeriod)
{
    m_nTextBlink = nMode;
    m_nTextBlinkPhase = 0;
    RestartBlinkTimer(nMode == 1, BlinkPeriod(kTextPeriods, nPeriod));
}

void CColorStatic::StartBkBlink(int nMode, UINT nPeriod)
{
    m_nBkBlink = nMode;
    m_nBkBlinkPhase = 0;
    RestartBlinkTimer(nMode == 1, BlinkPeriod(kBkPeriods, nPeriod));
}

void CColorStatic::RestartBlinkTimer(bool bRun, UINT nPeriod)
{
    // Killing first is what makes the kind started last set the pace, and
    // what freezes the other kind when this one stops.
    if (m_nTimerID != 0) {
        KillTimer(m_nTimerID);
        m_nTimerID = 0;
    }
    m_nPendingPeriod = 0;
    if (bRun && ::IsWindow(m_hWnd))
        m_nTimerID = static_cast<UINT>(SetTimer(kBlinkTimer, nPeriod, NULL));
    else if (bRun)
        m_nPendingPeriod = nPeriod; // CtlColor starts it once the window exists
}

void CColorStatic::EnableNotify(CWnd* pNotifyWnd, UINT nNotifyMsg)
{
    m_pNotifyWnd = pNotifyWnd;
    m_nNotifyMsg = nNotifyMsg;
}

BOOL CColorStatic::DestroyWindow()
{
    return CWnd::DestroyWindow();
}

HBRUSH CColorStatic::CtlColor(CDC* pDC, UINT /*nCtlColor*/)
{
    if (m_nPendingPeriod != 0)
        RestartBlinkTimer(true, m_nPendingPeriod);
    pDC->SetTextColor(m_nTextBlink == 1 ? m_crBlinkText[m_nTextBlinkPhase] : m_crText);

    // A blinking background wins over transparency while it runs.
    if (m_nBkBlink == 1) {
        pDC->SetBkColor(m_crBlinkBk[m_nBkBlinkPhase]);
        return (HBRUSH)m_brBlinkBk[m_nBkBlinkPhase].GetSafeHandle();
    }
    if (m_bTransparent) {
        pDC->SetBkMode(TRANSPARENT);
        // The stock hollow brush: the static fills nothing.  A NULL handle
        // would not do, since the framework takes it as "not handled" and
        // lets the parent choose its own colours.
        return (HBRUSH)::GetStockObject(NULL_BRUSH);
    }
    pDC->SetBkColor(m_crBk);
    return (HBRUSH)m_brBk.GetSafeHandle();
}

void CColorStatic::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != m_nTimerID) {
        Default();
        return;
    }
    if (m_nTextBlink == 1)
        m_nTextBlinkPhase = m_nTextBlinkPhase == 0 ? 1 : 0;
    if (m_nBkBlink == 1)
        m_nBkBlinkPhase = m_nBkBlinkPhase == 0 ? 1 : 0;
    if (m_nTextBlink == 1 || m_nBkBlink == 1) {
        InvalidateWithErase();
        // A null handle would make a thread message: a target without a
        // window is skipped.
        if (m_pNotifyWnd != NULL && ::IsWindow(m_pNotifyWnd->GetSafeHwnd()) &&
            (m_nBkBlinkPhase == 1 || m_nTextBlinkPhase == 1))
            ::PostMessage(m_pNotifyWnd->GetSafeHwnd(), m_nNotifyMsg, (WPARAM)GetDlgCtrlID(), 0);
    }
    InvalidateWithErase();
}

void CColorStatic::OnDestroy()
{
    if (m_nTimerID != 0) {
        KillTimer(m_nTimerID);
        m_nTimerID = 0;
    }
    m_brBk.DeleteObject();
    m_brBlinkBk[0].DeleteObject();
    m_brBlinkBk[1].DeleteObject();
    CWnd::OnDestroy();
}

BOOL CColorStatic::OnEraseBkgnd(CDC* /*pDC*/)
{
    if (IsTransparent())
        return TRUE;
    return (BOOL)Default();
}
