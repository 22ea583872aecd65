// PosStatic.cpp: the position display, a colour label that shows one
// coordinate in the notation chosen from its context menu.
#include "PosStatic.h"

#include "PosControlShared.h"

#include "Quillon.h"

BEGIN_MESSAGE_MAP(CPosStatic, CColorStatic)
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

CPosStatic::CPosStatic()
    : m_bLatitude(true), m_nForcedType(POS_TYPE_NONE), m_nFormat(POS_FORMAT_DMS), m_bSaving(true),
      m_bUseAll(false)
{
    m_dValue[0] = 0.0;
    m_dValue[1] = 0.0;
    m_strSymbol[0] = "S";
    m_strSymbol[1] = "N";
    const PosMessageNumbers ids = RegisterPosMessages();
    m_nSynchroMsg = ids.nSynchroMsg;
    m_nCmdDMS = ids.nCmdDMS;
    m_nCmdDMX = ids.nCmdDMX;
    m_nCmdDXX = ids.nCmdDXX;
    m_nCmdMetric = ids.nCmdMetric;
}

CPosStatic::~CPosStatic()
{
    if (m_bSaving)
        WritePosFormatToProfile(m_nFormat);
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

void CPosStatic::SetLatitude(bool bLatitude)
{
    m_bLatitude = bLatitude;
    if (bLatitude)
        SetSymbols('N', 'S');
    else
        SetSymbols('E', 'W');
}

void CPosStatic::EnableSaving(bool bSaving)
{
    m_bSaving = bSaving;
}

bool CPosStatic::UseAllPosFormat(bool bUseAll)
{
    m_bUseAll = bUseAll;
    return m_bUseAll;
}

bool CPosStatic::UseAllPosFormat()
{
    return m_bUseAll;
}

UINT CPosStatic::GetSynchroMsg()
{
    return m_nSynchroMsg;
}

PosFormat CPosStatic::GetPosFormat()
{
    return m_nFormat;
}

PosType CPosStatic::GetPosType()
{
    return GetPosType(m_nFormat);
}

PosType CPosStatic::GetPosType(PosFormat nFormat)
{
    return ::GetPosType(nFormat);
}

double CPosStatic::GetCurValue()
{
    return m_dValue[GetPosType()];
}

/////////////////////////////////////////////////////////////////////////////
// Operations

void CPosStatic::SetCurValue(double dValue, PosType nType)
{
    if (nType != GetPosType()) {
        if (nType == POS_TYPE_GEOGRAPHIC)
            ChangeFormat(POS_FORMAT_DMS, true);
        else if (nType == POS_TYPE_METRIC)
            ChangeFormat(POS_FORMAT_METRIC, true);
    }
    SetCurValue(dValue);
}

void CPosStatic::ForcePosType(PosType nType)
{
    if (nType != POS_TYPE_GEOGRAPHIC && nType != POS_TYPE_METRIC)
        return;
    if (nType != GetPosType())
        SetCurValue(m_dValue[nType], nType);
    m_nForcedType = nType;
}

void CPosStatic::SynchroWith(CWnd* pWnd)
{
    ASSERT_MSG(pWnd != nullptr, "CPosStatic::SynchroWith: null window");
    if (pWnd != nullptr)
        m_aSynchro.Add(pWnd);
}

void CPosStatic::ShowFormatMenu(CPoint point)
{
    if (m_nForcedType == POS_TYPE_METRIC && !m_bUseAll)
        return;

    TrackPosFormatMenu(this, point, {m_nSynchroMsg, m_nCmdDMS, m_nCmdDMX, m_nCmdDXX, m_nCmdMetric}, m_nFormat,
                       m_nForcedType != POS_TYPE_GEOGRAPHIC || m_bUseAll);
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

void CPosStatic::PreSubclassWindow()
{
    CFontStatic::PreSubclassWindow(); // the text stays as it is until a value or notation arrives
}

BOOL CPosStatic::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // With all notations offered, choosing the current one redraws it.
    if (wParam == m_nCmdDMS)
        ChangeFormat(POS_FORMAT_DMS, m_bUseAll);
    else if (wParam == m_nCmdDMX)
        ChangeFormat(POS_FORMAT_DMX, m_bUseAll);
    else if (wParam == m_nCmdDXX)
        ChangeFormat(POS_FORMAT_DXX, m_bUseAll);
    else if (wParam == m_nCmdMetric)
        ChangeFormat(POS_FORMAT_METRIC, m_bUseAll);
    else
        return CColorStatic::OnCommand(wParam, lParam);
    return TRUE;
}

LRESULT CPosStatic::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Any window of the desktop can send this number: a notation that is
    // none of the four is ignored rather than indexing the value pair.
    if (message == m_nSynchroMsg && m_nSynchroMsg != 0 && IsPosFormat(wParam))
        ChangeFormat(static_cast<PosFormat>(wParam), false);
    return CColorStatic::DefWindowProc(message, wParam, lParam);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

void CPosStatic::OnContextMenu(CWnd* /*pWnd*/, CPoint point)
{
    if (point.x == -1 && point.y == -1) {
        // From the keyboard (Shift+F10): open at the label's corner.
        point = CPoint(0, 0);
        ClientToScreen(&point);
    }
    ShowFormatMenu(point);
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

void CPosStatic::SetSymbols(char chPositive, char chNegative)
{
    m_strSymbol[1] = CString(chPositive);
    m_strSymbol[0] = CString(chNegative);
}

void CPosStatic::SetCurValue(double dValue)
{
    if (GetSafeHwnd() != nullptr)
        SetWindowText(FormatPosDisplay(dValue, m_nFormat, m_strSymbol[1], m_strSymbol[0]));
    m_dValue[GetPosType()] = dValue;
}

void CPosStatic::ChangeFormat(PosFormat nFormat, bool bForce)
{
    // A notation outside 0-3 (a hand-edited profile, say) is refused.
    if (nFormat < POS_FORMAT_DXX || nFormat > POS_FORMAT_METRIC)
        return;

    double dCur = m_dValue[GetPosType()];
    if (nFormat == m_nFormat && !bForce)
        return;
    const PosType nNewType = GetPosType(nFormat);
    if (nNewType != GetPosType())
        dCur = m_dValue[nNewType];
    m_nFormat = nFormat;
    ForcePosType(nNewType); // types agree now: this only keeps the menu to the new type

    if (GetSafeHwnd() != nullptr) {
        // Degrees read best right-aligned; the metric label stays at the left.
        ModifyStyle(SS_CENTER | SS_RIGHT, nNewType == POS_TYPE_METRIC ? 0 : SS_RIGHT, 0);
    }
    SetCurValue(dCur);

    // Sent, not posted: the linked windows follow before this returns.
    for (INT_PTR i = 0; i < m_aSynchro.GetSize(); i++) {
        CWnd* pWnd = m_aSynchro[i];
        if (::IsWindow(pWnd->GetSafeHwnd()))
            pWnd->SendMessage(m_nSynchroMsg, static_cast<WPARAM>(nFormat), 0);
    }
}
