// PosEditCtrl.cpp: the position edit control, a composite of a masked edit,
// a hemisphere button and a unit label over a placeholder dialog item.
#include "PosEditCtrl.h"

#include "PosControlShared.h"

#include "Quillon.h"

namespace {

// Layout: the button and the unit label share the right strip.
const int kSideWidth = 20; // pixels

// Masks of the masked field; DXX and Metric use none (plain text). The
// point is the masked edit's decimal-separator position.
const char kMaskDMX[] = "### \xB0 ##.##### \\' ";
const char kMaskDMS[] = "### \xB0 ## ' ##.### \" ";

bool IsPosFormat(PosFormat n)
{
    return n >= POS_FORMAT_DXX && n <= POS_FORMAT_METRIC;
}

// Plain-text notations take the text as it is; the others go through the mask.
bool IsPlainText(PosFormat n)
{
    return n == POS_FORMAT_DXX || n == POS_FORMAT_METRIC;
}

} // namespace

BEGIN_MESSAGE_MAP(CPosEditCtrl, CWnd)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_CONTEXTMENU()
    ON_WM_KEYUP()
    ON_WM_CHAR()
    ON_WM_CLOSE()
END_MESSAGE_MAP()

CPosEditCtrl::CPosEditCtrl()
    : m_bModified(false), m_bFeet(false), m_dMin(-180.0), m_dMax(180.0), m_nForcedType(POS_TYPE_NONE),
      m_nFormat(POS_FORMAT_DMS), m_Edit(""), m_bSynchroOn(true)
{
    m_dValue[0] = 0.0;
    m_dValue[1] = 0.0;
    m_strSymbol[0] = "S";
    m_strSymbol[1] = "N";
    m_nEditID = QuillonRegisterMessage("Pos Control Object - {695EA3EC-70FB-44b0-A5CC-5FD3E3D11637}");
    m_nButtonID = QuillonRegisterMessage("Pos Control Object - {95DE2BF5-FDDA-4420-AB49-C0812C38D721}");
    m_nUnitID = QuillonRegisterMessage("Pos Control Object - {27832262-FE81-4c5f-AC79-9FA0BC7D0A9A}");
    const PosMessageNumbers ids = RegisterPosMessages();
    m_nSynchroMsg = ids.nSynchroMsg;
    m_nCmdDMS = ids.nCmdDMS;
    m_nCmdDMX = ids.nCmdDMX;
    m_nCmdDXX = ids.nCmdDXX;
    m_nCmdMetric = ids.nCmdMetric;
}

CPosEditCtrl::~CPosEditCtrl()
{
    // Written on every destruction; the host may read it back and pass it to ChangeFormat.
    WritePosFormatToProfile(m_nFormat);
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

PosType CPosEditCtrl::GetPosType()
{
    return GetPosType(m_nFormat);
}

PosType CPosEditCtrl::GetPosType(PosFormat nFormat)
{
    return ::GetPosType(nFormat);
}

double CPosEditCtrl::GetCurValue()
{
    if (!ChildrenExist())
        return m_dValue[GetPosType()]; // nothing shown yet: what will be shown
    CString strText;
    if (IsPlainText(m_nFormat))
        m_Edit.GetWindowText(strText);
    else
        strText = m_Edit.GetInputData();
    return ParsePosEntry(m_nFormat, strText, m_bFeet, IsButtonPositive());
}

void CPosEditCtrl::SetRange(double dMin, double dMax)
{
    m_dMin = dMin;
    m_dMax = dMax;
}

void CPosEditCtrl::SetSymbols(char chPositive, char chNegative)
{
    m_strSymbol[1] = CString(chPositive);
    m_strSymbol[0] = CString(chNegative);
}

void CPosEditCtrl::DisplayFeet(bool bFeet)
{
    m_bFeet = bFeet;
}

bool CPosEditCtrl::DisplayedInFeet()
{
    return m_bFeet;
}

void CPosEditCtrl::SetReadOnly(bool bReadOnly)
{
    if (!ChildrenExist()) // before subclassing: nothing to change
        return;
    m_Edit.SendMessage(EM_SETREADONLY, bReadOnly ? TRUE : FALSE, 0);
    m_Button.EnableWindow(!bReadOnly);
}

CColorStatic* CPosEditCtrl::GetColorStatic()
{
    return &m_Unit;
}

/////////////////////////////////////////////////////////////////////////////
// Operations

void CPosEditCtrl::SetCurValue(double dValue, PosFormat nFormat)
{
    // A notation that is none of the four is ignored: the value is shown in the current one.
    if (nFormat != m_nFormat && IsPosFormat(nFormat))
        ChangeFormat(nFormat, true);
    if (ChildrenExist())
        m_Unit.SetWindowText(m_bFeet ? "ft" : "m");
    SetCurValue(dValue);
}

void CPosEditCtrl::SetCurValue(double dValue, PosType nType)
{
    if (nType == GetPosType() && nType != POS_TYPE_METRIC) {
        SetCurValue(dValue);
        return;
    }
    // Metric is reloaded even when it is current, which refreshes mask and unit.
    if (nType == POS_TYPE_GEOGRAPHIC)
        ChangeFormat(POS_FORMAT_DMS, true);
    else if (nType == POS_TYPE_METRIC)
        ChangeFormat(POS_FORMAT_METRIC, true);
    SetCurValue(dValue);
}

void CPosEditCtrl::ChangeFormat(PosFormat nFormat, bool bForce)
{
    // A notation outside 0-3 (a hand-edited profile, say) is refused.
    if (!IsPosFormat(nFormat))
        return;

    const PosType nCurType = GetPosType();
    const PosType nNewType = GetPosType(nFormat);
    double dCur;
    if (m_bModified) {
        // Keep what the user typed. Out of range it survives only a change of type.
        dCur = GetCurValue();
        if (m_dMin <= dCur && dCur <= m_dMax)
            m_dValue[nCurType] = dCur;
        else if (nNewType == nCurType)
            return;
        else
            m_dValue[nCurType] = dCur;
    } else
        dCur = m_dValue[nCurType];

    if (nFormat == m_nFormat && !bForce)
        return;

    const bool bChildren = ChildrenExist();
    if (bChildren) {
        m_Unit.ShowWindow(nNewType == POS_TYPE_METRIC ? SW_SHOW : SW_HIDE);
        m_Button.ShowWindow(nNewType == POS_TYPE_GEOGRAPHIC ? SW_SHOW : SW_HIDE);
    }
    if (nNewType != nCurType)
        dCur = m_dValue[nNewType];

    if (nNewType == POS_TYPE_METRIC) {
        m_Edit.SetMask(nullptr);
        if (bChildren)
            m_Unit.SetWindowText(m_bFeet ? "ft" : "m");
    } else {
        m_Edit.SetMask(nFormat == POS_FORMAT_DMX ? kMaskDMX : nFormat == POS_FORMAT_DMS ? kMaskDMS : nullptr);
        if (bChildren)
            m_Button.SetWindowText(SymbolFor(dCur));
    }

    m_nFormat = nFormat;
    SetCurValue(dCur);

    for (INT_PTR i = 0; i < m_aSynchro.GetSize(); i++) {
        CPosEditCtrl* pOther = m_aSynchro[i];
        if (::IsWindow(pOther->GetSafeHwnd()) && m_bSynchroOn)
            pOther->PostMessage(m_nSynchroMsg, static_cast<WPARAM>(nFormat), 0);
    }
}

void CPosEditCtrl::ForcePosType(PosType nType)
{
    if (nType != POS_TYPE_GEOGRAPHIC && nType != POS_TYPE_METRIC)
        return;
    // Forcing is local: the linked controls keep their notation.
    m_bSynchroOn = false;
    if (nType != GetPosType())
        SetCurValue(m_dValue[nType], nType);
    m_nForcedType = nType;
    m_bSynchroOn = true;
}

void CPosEditCtrl::AdjustFont(bool bOwnFont)
{
    if (!ChildrenExist()) // before subclassing: no children to give a font
        return;

    HFONT hFont = nullptr;
    HGDIOBJ hOldOwn = nullptr;
    if (bOwnFont) {
        CRect rcClient;
        GetClientRect(&rcClient);
        LOGFONT lf = {};
        lf.lfHeight = rcClient.Height() - 6; // positive: cell height in pixels
        lstrcpynA(lf.lfFaceName, "Arial", LF_FACESIZE);
        // The old font is released only after the children have let go of it.
        hOldOwn = m_Font.Detach();
        m_Font.CreateFontIndirect(&lf);
        hFont = static_cast<HFONT>(m_Font.GetSafeHandle());
    } else
        hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT, 0, 0));

    if (hFont != nullptr) {
        m_Edit.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
        m_Button.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
        m_Unit.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(hFont), TRUE);
    }
    if (hOldOwn != nullptr)
        ::DeleteObject(hOldOwn);
}

void CPosEditCtrl::SynchroWith(CPosEditCtrl* pOther)
{
    ASSERT_MSG(pOther != nullptr, "CPosEditCtrl::SynchroWith: null control");
    if (pOther != nullptr)
        m_aSynchro.Add(pOther);
}

/////////////////////////////////////////////////////////////////////////////
// Overridables

void CPosEditCtrl::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();

    CRect rc;
    GetClientRect(&rc);
    // All three start over the whole client area; RepositionControls splits it.
    m_Edit.Create(WS_CHILD | ES_RIGHT | ES_MULTILINE | ES_WANTRETURN, rc, this, m_nEditID);
    m_Edit.ModifyStyleEx(0, WS_EX_STATICEDGE, SWP_FRAMECHANGED);
    m_Edit.ShowWindow(SW_SHOW);
    m_Button.Create("Test", WS_CHILD | BS_PUSHBUTTON, rc, this, m_nButtonID);
    m_Button.ShowWindow(SW_SHOW);
    m_Unit.Create("", WS_CHILD | SS_CENTER, rc, this, m_nUnitID);
    m_Unit.ShowWindow(SW_SHOW);

    AdjustFont(false);
    ChangeFormat(m_nFormat, true);
    SetCurValue(m_dValue[GetPosType()]);
    RepositionControls();
}

BOOL CPosEditCtrl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (wParam == m_nButtonID) {
        // The stored value keeps its sign; GetCurValue reads the new one.
        CString strCaption;
        m_Button.GetWindowText(strCaption);
        m_Button.SetWindowText(strCaption.CompareNoCase(m_strSymbol[0]) == 0 ? m_strSymbol[1]
                                                                             : m_strSymbol[0]);
        m_Edit.SetFocus();
        return TRUE;
    }
    if (wParam == m_nCmdDMS) {
        ChangeFormat(POS_FORMAT_DMS, false);
        return TRUE;
    }
    if (wParam == m_nCmdDMX) {
        ChangeFormat(POS_FORMAT_DMX, false);
        return TRUE;
    }
    if (wParam == m_nCmdDXX) {
        ChangeFormat(POS_FORMAT_DXX, false);
        return TRUE;
    }
    if (wParam == m_nCmdMetric) {
        ChangeFormat(POS_FORMAT_METRIC, false);
        return TRUE;
    }

    if (LOWORD(wParam) == m_nEditID) {
        const UINT nCode = HIWORD(wParam);
        if (nCode == EN_CHANGE)
            m_bModified = true;
        else if (nCode == EN_SETFOCUS || nCode == EN_KILLFOCUS)
            NotifyParent(nCode);
    }
    // Lets the masked edit see its reflected notifications (EN_KILLFOCUS).
    return CWnd::OnCommand(wParam, lParam);
}

BOOL CPosEditCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (ChildrenExist() && pMsg->hwnd == m_Edit.m_hWnd) {
        switch (pMsg->message) {
        case WM_RBUTTONUP: {
            // The edit's own context menu would otherwise open on the release.
            CPoint pt(static_cast<short>(LOWORD(pMsg->lParam)), static_cast<short>(HIWORD(pMsg->lParam)));
            ClientToScreen(&pt);
            OnContextMenu(this, pt);
            return TRUE;
        }
        case WM_CHAR: {
            const signed char ch = static_cast<signed char>(pMsg->wParam);
            const bool bPass = ch == '\t' || ch == '+' || ch == '-' || (ch >= '0' && ch <= '9') ||
                               (ch == '.' && IsPlainText(m_nFormat));
            if (!bPass)
                return TRUE; // dropped: Backspace and letters included
            break;
        }
        case WM_KEYUP:
            if (pMsg->wParam == VK_TAB) {
                NotifyParent(EN_UPDATE);
                if (CWnd* pParent = GetParent())
                    pParent->SendMessage(WM_NEXTDLGCTL, 0, 0);
                return TRUE;
            }
            break;
        default:
            break;
        }
    }
    return CWnd::PreTranslateMessage(pMsg);
}

LRESULT CPosEditCtrl::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Any window of the desktop can send this number: a notation that is
    // none of the four is ignored rather than indexing the value pair.
    if (message == m_nSynchroMsg && m_nSynchroMsg != 0 && IsPosFormat(wParam))
        ChangeFormat(static_cast<PosFormat>(wParam), false);
    return CWnd::DefWindowProc(message, wParam, lParam);
}

/////////////////////////////////////////////////////////////////////////////
// Message handlers

void CPosEditCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (ChildrenExist())
        RepositionControls();
}

void CPosEditCtrl::OnPaint()
{
    CPaintDC dc(this); // validates; the children paint themselves
}

void CPosEditCtrl::OnContextMenu(CWnd* /*pWnd*/, CPoint point)
{
    if (m_nForcedType == POS_TYPE_METRIC)
        return;
    if (point.x == -1 && point.y == -1) {
        // From the keyboard (Shift+F10): open at the control's corner.
        point = CPoint(0, 0);
        ClientToScreen(&point);
    }

    TrackPosFormatMenu(this, point, {m_nSynchroMsg, m_nCmdDMS, m_nCmdDMX, m_nCmdDXX, m_nCmdMetric}, m_nFormat,
                       m_nForcedType != POS_TYPE_GEOGRAPHIC);
}

void CPosEditCtrl::OnClose()
{
    // Close requests are ignored: the control lives as long as its dialog.
}

/////////////////////////////////////////////////////////////////////////////
// Implementation

void CPosEditCtrl::SetCurValue(double dValue)
{
    const PosType nType = GetPosType();
    if (nType == POS_TYPE_GEOGRAPHIC) {
        switch (PosRangeAccepts(dValue, m_dValue[POS_TYPE_GEOGRAPHIC], m_dMin, m_dMax)) {
        case POS_RANGE_ACCEPT:
            break;
        case POS_RANGE_STORED:
            dValue = m_dValue[POS_TYPE_GEOGRAPHIC];
            break;
        case POS_RANGE_REFUSE:
            return;
        }
    }

    if (ChildrenExist()) {
        const CString strEntry = FormatPosEntry(dValue, m_nFormat, m_bFeet);
        if (IsPlainText(m_nFormat))
            m_Edit.SetWindowText(strEntry);
        else
            m_Edit.SetInputData(strEntry, 0, true);
        if (nType == POS_TYPE_GEOGRAPHIC)
            m_Button.SetWindowText(SymbolFor(dValue));
    }
    m_dValue[nType] = dValue;
    m_bModified = false;
}

void CPosEditCtrl::RepositionControls()
{
    CRect rc;
    GetClientRect(&rc);
    m_Edit.MoveWindow(rc.left, rc.top, rc.right - kSideWidth - rc.left, rc.bottom - rc.top, TRUE);
    m_Button.MoveWindow(rc.right - kSideWidth, rc.top, kSideWidth, rc.bottom - rc.top, TRUE);
    m_Unit.MoveWindow(rc.right - kSideWidth, rc.top, kSideWidth, rc.bottom - rc.top, TRUE);
}

bool CPosEditCtrl::ChildrenExist() const
{
    return m_Edit.GetSafeHwnd() != nullptr && m_Button.GetSafeHwnd() != nullptr &&
           m_Unit.GetSafeHwnd() != nullptr;
}

bool CPosEditCtrl::IsButtonPositive()
{
    CString strCaption;
    m_Button.GetWindowText(strCaption);
    return strCaption.CompareNoCase(m_strSymbol[1]) == 0;
}

CString CPosEditCtrl::SymbolFor(double dValue) const
{
    return dValue >= 0 ? m_strSymbol[1] : m_strSymbol[0];
}

void CPosEditCtrl::NotifyParent(UINT nCode)
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode), reinterpret_cast<LPARAM>(m_hWnd));
}
