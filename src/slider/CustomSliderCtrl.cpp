// CustomSliderCtrl.cpp: CCustomSliderCtrl's window side: attachment,
// setters, the mouse handlers (which run the window-free logic of
// SliderGeometry and do what it asks) and the paint.
#include "CustomSliderCtrl.h"
#include "MemDC.h"
#include "slider/SliderGeometry.h"

#include <initializer_list>

namespace {

const char kChangedName[] = "CCustomSlider Selection Changed  - %ld - {92610D9C-BCEC-47e7-8D9E-FA52A5FFDFB0}";
const char kChangingName[] =
    "CCustomSlider Selection Changing - %ld - {92610D9C-BCEC-47e7-8D9E-FA52A5FFDFB0}";

const unsigned char kShade = 51; // step between the thumb's shades

// The trackbar style bits that choose the thumb shape.
const DWORD kStyleBoth = 0x8;    // TBS_BOTH: rounded rectangle
const DWORD kStyleTopLeft = 0x4; // TBS_TOP / TBS_LEFT: pointing up / left

// One polyline in the DC's current pen.
void Poly(CDC* pDC, std::initializer_list<POINT> pts)
{
    const POINT* p = pts.begin();
    pDC->MoveTo(p->x, p->y);
    for (++p; p != pts.end(); ++p)
        pDC->LineTo(p->x, p->y);
}

// The window handle as the signed 32-bit number the message names carry.
long HandleNumber(HWND hWnd)
{
    return static_cast<long>(static_cast<int>(reinterpret_cast<INT_PTR>(hWnd)));
}

} // namespace

BEGIN_MESSAGE_MAP(CCustomSliderCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_SETCURSOR()
    ON_WM_RBUTTONDOWN()
    ON_WM_RBUTTONUP()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

/////////////////////////////////////////////////////////////////////////////
// Construction

CCustomSliderCtrl::CCustomSliderCtrl()
    : m_crSelection(::GetSysColor(COLOR_HIGHLIGHT)), m_crChannel(::GetSysColor(COLOR_WINDOW)),
      m_crThumb(::GetSysColor(COLOR_3DFACE)), m_crLight1(0), m_crLight2(0), m_crDark1(0), m_crDark2(0),
      m_crMidDark(0), m_crMidFace(0), m_crHighlight(0), m_crBackground(::GetSysColor(COLOR_3DFACE)),
      m_LogFont()
{
    GetColors();
    CreatePens();
    CreateBrushes();
}

CCustomSliderCtrl::~CCustomSliderCtrl()
{
    DeletePens();
    DeleteBrushes();
    m_Font.DeleteObject();
}

void CCustomSliderCtrl::PreSubclassWindow()
{
    CString strName;
    strName.Format(kChangedName, HandleNumber(m_hWnd));
    m_nMsgChanged = QuillonRegisterMessage(strName);
    strName.Format(kChangingName, HandleNumber(m_hWnd));
    m_nMsgChanging = QuillonRegisterMessage(strName);

    CRect rcClient;
    GetClientRect(&rcClient);
    m_bHorizontal = rcClient.Width() >= rcClient.Height();

    m_Font.DeleteObject(); // attached a second time
    m_Font.CreateFont(-8, -6, m_bHorizontal ? 0 : 900, 0, FW_BOLD, FALSE, FALSE, FALSE, 0, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0x20, "Arial");
    m_Font.GetObject(sizeof(m_LogFont), &m_LogFont);

    Layout(SliderOverlayText(*this)); // the mouse works before the first paint
    CWnd::PreSubclassWindow();
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

unsigned int CCustomSliderCtrl::GetMsg_Changed()
{
    return m_nMsgChanged;
}

unsigned int CCustomSliderCtrl::GetMsg_Changing()
{
    return m_nMsgChanging;
}

void CCustomSliderCtrl::SetRange(int nMin, int nMax)
{
    SliderSetRange(*this, nMin, nMax);
    if (m_hWnd != NULL)
        InvalidateRect(NULL, TRUE);
}

void CCustomSliderCtrl::SetSel(int nMin, int nMax)
{
    if (SliderSetSel(*this, nMin, nMax))
        RepaintNow();
}

int CCustomSliderCtrl::GetRangeMin()
{
    return m_nRangeMin;
}

int CCustomSliderCtrl::GetRangeMax()
{
    return m_nRangeMax;
}

int CCustomSliderCtrl::GetSelMin()
{
    return m_nSelMin;
}

int CCustomSliderCtrl::GetSelMax()
{
    return m_nSelMax;
}

void CCustomSliderCtrl::Disable_Move()
{
    m_bMoveEnabled = false;
}

void CCustomSliderCtrl::Disable_Resize_Min()
{
    m_bResizeMinEnabled = false;
}

void CCustomSliderCtrl::Disable_Resize_Max()
{
    m_bResizeMaxEnabled = false;
}

bool CCustomSliderCtrl::ReverseVert_Set(bool b)
{
    m_bReverseVert = b;
    return m_bReverseVert;
}

bool CCustomSliderCtrl::ReverseVert_Get()
{
    return m_bReverseVert;
}

void CCustomSliderCtrl::SetControlType(enum_csc_ctrl_type e)
{
    m_eCtrlType = e;
}

void CCustomSliderCtrl::SetChannelColor(unsigned long c)
{
    m_crChannel = c;
    GetColors();
    CreatePens();
}

void CCustomSliderCtrl::SetThumbColor(unsigned long c)
{
    m_crThumb = c;
    GetColors();
    CreatePens();
    if (m_hWnd != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CCustomSliderCtrl::SetSelectionColor(unsigned long c)
{
    m_crSelection = c;
    GetColors();
    CreatePens();
    if (m_hWnd != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CCustomSliderCtrl::SetBackgroundColor(unsigned long c)
{
    m_crBackground = c;
    GetColors();
    CreateBrushes();
    if (m_hWnd != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

unsigned long CCustomSliderCtrl::GetChannelColor()
{
    return m_crChannel;
}

unsigned long CCustomSliderCtrl::GetThumbColor()
{
    return m_crThumb;
}

unsigned long CCustomSliderCtrl::GetSelectionColor()
{
    return m_crSelection;
}

unsigned long CCustomSliderCtrl::GetBackgroundColor()
{
    return m_crBackground;
}

/////////////////////////////////////////////////////////////////////////////
// Mouse

void CCustomSliderCtrl::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    Layout(SliderOverlayText(*this));
    Apply(SliderButtonDown(*this, point, false));
    Default();
}

void CCustomSliderCtrl::OnRButtonDown(UINT /*nFlags*/, CPoint point)
{
    Layout(SliderOverlayText(*this));
    Apply(SliderButtonDown(*this, point, true));
    Default();
}

void CCustomSliderCtrl::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    Layout(SliderOverlayText(*this)); // what the next paint will show, even if it is still pending
    Apply(SliderMouseMove(*this, point));
    Default();
}

void CCustomSliderCtrl::OnLButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    Apply(SliderButtonUp(*this));
    Default();
}

void CCustomSliderCtrl::OnRButtonUp(UINT /*nFlags*/, CPoint /*point*/)
{
    Apply(SliderButtonUp(*this));
    Default();
}

void CCustomSliderCtrl::OnLButtonDblClk(UINT /*nFlags*/, CPoint /*point*/)
{
    // The whole range, repainted; a double click notifies nobody.
    if (SliderDoubleClick(*this) & CSC_EVT_CHANGED)
        RepaintNow();
    Default();
}

BOOL CCustomSliderCtrl::OnSetCursor(CWnd* /*pWnd*/, UINT /*nHitTest*/, UINT /*message*/)
{
    ::SetCursor(::LoadCursorA(NULL, MAKEINTRESOURCEA(SliderCursorId(*this))));
    return TRUE;
}

void CCustomSliderCtrl::Apply(int nEvents)
{
    if (nEvents & CSC_EVT_CURSOR)
        ::SetCursor(::LoadCursorA(NULL, MAKEINTRESOURCEA(SliderCursorId(*this))));
    if (nEvents & CSC_EVT_DRAG_START) {
        CRect rc;
        GetClientRect(&rc);
        ClientToScreen(&rc);
        ::ClipCursor(&rc);
    }
    if (nEvents & CSC_EVT_CHANGED) {
        RepaintNow();
        Notify(m_nMsgChanging);
    }
    if (nEvents & CSC_EVT_DRAG_END) {
        ::ClipCursor(NULL);
        Notify(m_nMsgChanged);
    }
}

// A window destroyed in the middle of a drag gives the pointer back: the
// confinement is desktop-wide and would otherwise outlive the control.
void CCustomSliderCtrl::OnDestroy()
{
    if (m_nDragMode != 0)
        ::ClipCursor(NULL);
    m_nDragMode = 0;
    CWnd::OnDestroy();
}

void CCustomSliderCtrl::Notify(unsigned int nMsg)
{
    const HWND hParent = ::GetParent(m_hWnd);
    if (hParent != NULL)
        ::PostMessageA(hParent, nMsg, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CCustomSliderCtrl::RepaintNow()
{
    if (m_hWnd == NULL)
        return;
    InvalidateRect(NULL, TRUE);
    UpdateWindow();
}

CRect CCustomSliderCtrl::Layout(const CString& strOverlay)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    return SliderLayout(*this, rcClient, m_LogFont.lfHeight, !strOverlay.IsEmpty());
}

/////////////////////////////////////////////////////////////////////////////
// Colours and drawing objects

unsigned long CCustomSliderCtrl::LightenColor(unsigned long c, unsigned char a)
{
    return SliderLighten(c, a);
}

unsigned long CCustomSliderCtrl::DarkenColor(unsigned long c, unsigned char a)
{
    return SliderDarken(c, a);
}

void CCustomSliderCtrl::GetColors()
{
    m_crLight1 = LightenColor(m_crThumb, kShade);
    m_crLight2 = LightenColor(m_crLight1, kShade);
    m_crDark1 = DarkenColor(m_crThumb, kShade);
    m_crDark2 = DarkenColor(m_crDark1, kShade);
    m_crHighlight = ::GetSysColor(COLOR_3DHILIGHT);
    m_crMidFace = SliderMidpoint(::GetSysColor(COLOR_3DFACE), ::GetSysColor(COLOR_3DSHADOW));
    m_crMidDark = SliderMidpoint(::GetSysColor(COLOR_3DSHADOW), ::GetSysColor(COLOR_3DDKSHADOW));
}

void CCustomSliderCtrl::CreatePens()
{
    DeletePens();
    m_penLight1.CreatePen(PS_SOLID, 1, m_crLight1);
    m_penLight2.CreatePen(PS_SOLID, 1, m_crLight2);
    m_penDark1.CreatePen(PS_SOLID, 1, m_crDark1);
    m_penDark2.CreatePen(PS_SOLID, 1, m_crDark2);
    m_penMidDark.CreatePen(PS_SOLID, 1, m_crMidDark);
    m_penMidFace.CreatePen(PS_SOLID, 1, m_crMidFace);
    m_penHighlight.CreatePen(PS_SOLID, 1, m_crHighlight);
}

void CCustomSliderCtrl::DeletePens()
{
    for (CPen* pPen : {&m_penLight1, &m_penLight2, &m_penDark1, &m_penDark2, &m_penMidDark, &m_penMidFace,
                       &m_penHighlight})
        if (pPen->m_hObject != NULL)
            pPen->DeleteObject();
}

void CCustomSliderCtrl::CreateBrushes()
{
    DeleteBrushes();
    m_brBackground.CreateSolidBrush(m_crBackground);
}

void CCustomSliderCtrl::DeleteBrushes()
{
    if (m_brBackground.m_hObject != NULL)
        m_brBackground.DeleteObject();
}

/////////////////////////////////////////////////////////////////////////////
// Paint

BOOL CCustomSliderCtrl::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CCustomSliderCtrl::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    // A placeholder of a CS_PARENTDC class ("Static") lends the parent's
    // clipping: keep the off-screen copy inside our own client area.
    dcPaint.IntersectClipRect(&rcClient);
    CMemDC dcMem(&dcPaint);
    CDC* pDC = &dcMem;

    const CString strText = SliderOverlayText(*this);
    const CRect rcBand = Layout(strText);

    // Everything but the channel in the background colour.
    pDC->ExcludeClipRect(&m_rcChannel);
    pDC->FillRect(&rcClient, &m_brBackground);
    pDC->SelectClipRgn(NULL);

    if (!strText.IsEmpty() && m_eCtrlType != csc_type_range_labels) {
        CFont* pOldFont = pDC->SelectObject(&m_Font);
        pDC->SetTextColor(GetSelectionColor());
        pDC->SetBkColor(m_crBackground);
        if (m_bHorizontal)
            pDC->ExtTextOut(rcBand.left, rcBand.top, 0, &rcBand, strText, NULL);
        else
            pDC->ExtTextOut(rcBand.left, rcBand.bottom, 0, NULL, strText, NULL); // upwards
        pDC->SelectObject(pOldFont);
    }

    DrawChannel(pDC, m_rcChannel, m_bHorizontal);

    // Thumbs only over a range that has a scale (an empty one has no selection to hold).
    if (SliderSpan(*this) > 0) {
        if (m_bHorizontal) {
            if (m_bResizeMinEnabled)
                DrawHorizontalThumb(pDC, m_rcSelection.left, true);
            if (m_bResizeMaxEnabled)
                DrawHorizontalThumb(pDC, m_rcSelection.right, false);
        } else if (m_bReverseVert) { // max at the bottom edge, drawn first
            if (m_bResizeMaxEnabled)
                DrawVerticalThumb(pDC, m_rcSelection.bottom, true);
            if (m_bResizeMinEnabled)
                DrawVerticalThumb(pDC, m_rcSelection.top, false);
        } else { // max at the top edge
            if (m_bResizeMaxEnabled)
                DrawVerticalThumb(pDC, m_rcSelection.top, false);
            if (m_bResizeMinEnabled)
                DrawVerticalThumb(pDC, m_rcSelection.bottom, true);
        }
    }

    if (m_eCtrlType == csc_type_range_labels)
        DrawLabels(pDC);
}

void CCustomSliderCtrl::DrawLabels(CDC* pDC)
{
    CString strMin, strMax;
    strMin.Format("%d", m_nRangeMin);
    strMax.Format("%d", m_nRangeMax);
    CFont* pOldFont = pDC->SelectObject(&m_Font);
    pDC->SetTextColor(0);
    pDC->SetBkColor(m_crBackground);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const CSize sz0 = pDC->GetTextExtent(strMin);
    const CSize sz1 = pDC->GetTextExtent(strMax);
    const CRect& ch = m_rcChannel;
    const int h = m_LogFont.lfHeight < 0 ? -m_LogFont.lfHeight : m_LogFont.lfHeight;
    if (m_bHorizontal && sz0.cx + sz1.cx < ch.Width() / 2) {
        const CRect rc0(ch.left + 3, ch.top + 1, ch.left + 3 + sz0.cx, ch.bottom - 1);
        const CRect rc1(ch.right - 3 - sz1.cx, ch.top + 1, ch.right - 3, ch.bottom - 1);
        pDC->ExtTextOut(rc0.left, rc0.top + (rc0.Height() - h) / 2, 0, &rc0, strMin, NULL);
        pDC->ExtTextOut(rc1.left, rc1.top + (rc1.Height() - h) / 2, 0, &rc1, strMax, NULL);
    } else if (!m_bHorizontal && sz0.cy + sz1.cy < ch.Height() / 2) {
        // The text runs upwards from its reference point: the bottom label
        // starts 2 pixels above the channel's bottom, the top one ends 2
        // pixels below its top.
        const CString& strBottom = m_bReverseVert ? strMax : strMin;
        const CString& strTop = m_bReverseVert ? strMin : strMax;
        const CSize& szTop = m_bReverseVert ? sz0 : sz1;
        pDC->ExtTextOut(ch.left + 1, ch.bottom - 2, 0, NULL, strBottom, NULL);
        pDC->ExtTextOut(ch.left + 1, ch.top + 2 + szTop.cx, 0, NULL, strTop, NULL);
    }
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
}

void CCustomSliderCtrl::DrawChannel(CDC* pDC, const CRect& rect, int nHorizontal)
{
    CRect r = rect;
    if (m_nRangeMin != 0 || m_nRangeMax != 0) {
        r.top += 1;
        r.bottom -= 1;
    }
    if (nHorizontal) {
        r.left += 1;
        r.right -= 1;
        r.bottom += 1;
    } else {
        r.top += 1;
        r.bottom -= 1;
    }

    CBrush brChannel, brSelection;
    if (IsWindowEnabled()) {
        brChannel.CreateSolidBrush(m_crChannel);
        brSelection.CreateSolidBrush(m_crSelection);
    } else {
        brChannel.CreateSolidBrush(::GetSysColor(COLOR_3DDKSHADOW));
        brSelection.CreateSolidBrush(::GetSysColor(COLOR_3DLIGHT));
    }

    CRect rcSel;
    if (SliderSelectionRect(*this, rect, &rcSel)) {
        pDC->FillRect(&rcSel, &brSelection);
        m_rcSelection = rcSel;
        pDC->ExcludeClipRect(&rcSel); // the channel's fill keeps off the selection
    }

    CPen* pOldPen = pDC->SelectObject(&m_penMidDark);
    CBrush* pOldBrush = pDC->SelectObject(&brChannel);
    if ((nHorizontal && r.Height() > 3) || (!nHorizontal && r.Width() > 3))
        pDC->RoundRect(&r, CPoint(2, 2));
    pDC->SelectClipRgn(NULL);
    pDC->SelectObject(pOldBrush);

    // Sunken edge: face-grey top and left, highlight bottom and right.
    r.left -= 1;
    r.top -= 1;
    r.right += 1;
    pDC->SelectObject(&m_penMidFace);
    Poly(pDC, {{r.left, r.bottom - 2}, {r.left, r.top + 2}, {r.left + 2, r.top}, {r.right - 2, r.top}});
    pDC->SelectObject(&m_penHighlight);
    Poly(pDC, {{r.left + 1, r.bottom - 1},
               {r.left + 2, r.bottom},
               {r.right - 2, r.bottom},
               {r.right - 2, r.bottom - 1},
               {r.right - 1, r.bottom - 1},
               {r.right - 1, r.top + 2},
               {r.right - 3, r.top}});
    pDC->SelectObject(pOldPen);
}

void CCustomSliderCtrl::DrawHorizontalThumb(CDC* pDC, const int& x, bool bLeft)
{
    const CRect& R = bLeft ? m_rcThumbLeftBottom : m_rcThumbRightTop;
    const CRect rc(x + R.left, R.top, x + R.right, R.bottom);
    const int l = rc.left, t = rc.top, r = rc.right, b = rc.bottom;
    const int w = r - l, h = w >> 1;
    const COLORREF crFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    CPen penFrame(PS_SOLID, 1, crFrame);
    CBrush brThumb(m_crThumb);
    CPen* pOldPen = pDC->SelectObject(&penFrame);
    CBrush* pOldBrush = pDC->SelectObject(&brThumb);
    const DWORD dwStyle = GetStyle();
    if (dwStyle & kStyleBoth) {
        pDC->RoundRect(&rc, CPoint(2, 2));
        CRect in = rc;
        in.DeflateRect(1, 1);
        pDC->Draw3dRect(&in, m_crLight1, m_crDark1);
        pDC->SetPixel(in.left, in.top, m_crLight2);
        pDC->SetPixel(in.right - 1, in.top, m_crThumb);
        pDC->SetPixel(in.right - 1, in.bottom - 1, m_crDark2);
        pDC->SetPixel(in.left, in.bottom - 1, m_crThumb);
    } else if (dwStyle & kStyleTopLeft) { // pointing up
        Poly(pDC, {{l, t + h - 1},
                   {l, b - 2},
                   {l + 1, b - 1},
                   {r - 2, b - 1},
                   {r - 1, b - 2},
                   {r - 1, t + h - 1},
                   {r - h, t},
                   {l + h - 1, t},
                   {l, t + h - 1}});
        pDC->FloodFill(l + h, t + h, crFrame);
        if (w > 5) {
            pDC->SelectObject(&m_penLight1);
            Poly(pDC, {{l + 1, t + h}, {l + 1, b - 2}});
            Poly(pDC, {{r - h, t + 1}, {r - h - 2, t + 1}});
            pDC->SelectObject(&m_penLight2);
            Poly(pDC, {{l + 1, t + h - 1}, {l + h, t}});
            pDC->SelectObject(&m_penDark1);
            Poly(pDC, {{l + 2, b - 2}, {r - 2, b - 2}, {r - 2, t + h - 1}, {r - h, t + 1}});
        }
    } else { // pointing down
        Poly(pDC, {{l, t + 1},
                   {l, b - h},
                   {l + h - 1, b - 1},
                   {r - h, b - 1},
                   {r - 1, b - h},
                   {r - 1, t + 1},
                   {r - 2, t},
                   {l, t}});
        pDC->FloodFill(l + h, t + h, crFrame);
        if (w > 5) {
            pDC->SetPixel(l + 1, t + 1, m_crLight2);
            pDC->SelectObject(&m_penLight1);
            Poly(pDC, {{l + 1, t + 2}, {l + 1, b - h + 1}});
            Poly(pDC, {{l + 2, t + 1}, {r - 2, t + 1}});
            pDC->SelectObject(&m_penDark1);
            Poly(pDC, {{l + 2, b - h + 1}, {l + h - 1, b - 2}, {r - h, b - 2}});
            Poly(pDC, {{r - 2, b - h - 1}, {r - 2, t + 1}});
            pDC->SelectObject(&m_penDark2);
            Poly(pDC, {{r - h, b - 2}, {r - 1, b - h - 1}});
        }
    }
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}

void CCustomSliderCtrl::DrawVerticalThumb(CDC* pDC, const int& y, bool bBottom)
{
    const CRect& R = bBottom ? m_rcThumbLeftBottom : m_rcThumbRightTop;
    const CRect rc(R.left, y + R.top, R.right, y + R.bottom);
    const int l = rc.left, t = rc.top, r = rc.right, b = rc.bottom;
    const int h = (b - t) >> 1;
    const COLORREF crFrame = ::GetSysColor(COLOR_WINDOWFRAME);
    CPen penFrame(PS_SOLID, 1, crFrame);
    CBrush brThumb(m_crThumb);
    CPen* pOldPen = pDC->SelectObject(&penFrame);
    CBrush* pOldBrush = pDC->SelectObject(&brThumb);
    const DWORD dwStyle = GetStyle();
    if (dwStyle & kStyleBoth) {
        pDC->RoundRect(&rc, CPoint(2, 2));
        CRect in = rc;
        in.DeflateRect(1, 1);
        pDC->Draw3dRect(&in, m_crLight1, m_crDark1);
        pDC->SetPixel(in.left, in.top, m_crLight2);
        pDC->SetPixel(in.right - 1, in.top, m_crThumb);
        pDC->SetPixel(in.right - 1, in.bottom - 1, m_crDark2);
        pDC->SetPixel(in.left, in.bottom - 1, m_crThumb);
    } else if (dwStyle & kStyleTopLeft) { // pointing left
        Poly(pDC, {{l + h - 1, t},
                   {l, t + h - 1},
                   {l, b - h},
                   {l + h - 1, b - 1},
                   {r - 2, b - 1},
                   {r - 1, b - 2},
                   {r - 1, t + 1},
                   {r - 2, t},
                   {l + h - 2, t}});
        pDC->FloodFill(l + h, t + h, crFrame);
        pDC->SelectObject(&m_penLight2);
        Poly(pDC, {{l + 1, t + h - 1}, {l + h, t}});
        pDC->SelectObject(&m_penLight1);
        Poly(pDC, {{l + 1, t + h + 1}, {l + 1, t + h - 1}});
        Poly(pDC, {{l + h, t + 1}, {r - 2, t + 1}});
        pDC->SelectObject(&m_penDark1);
        Poly(pDC, {{l + 2, b - h + 1}, {l + h - 1, b - 2}, {r - 2, b - 2}, {r - 2, t + 1}});
    } else { // pointing right
        Poly(pDC, {{l, t + 1},
                   {l, b - 2},
                   {l + 1, b - 1},
                   {r - h, b - 1},
                   {r - 1, b - h},
                   {r - 1, t + h - 1},
                   {r - h, t},
                   {l, t}});
        pDC->FloodFill(l + h, t + h, crFrame);
        pDC->SelectObject(&m_penLight1);
        Poly(pDC, {{l + 1, b - 2}, {l + 1, t + 1}, {r - h + 1, t + 1}});
        pDC->SetPixel(l + 1, t + 1, m_crLight2);
        pDC->SelectObject(&m_penDark1);
        Poly(pDC, {{l + 2, b - 2}, {r - h, b - 2}});
        Poly(pDC, {{r - 2, t + h}, {r - 2, t + h - 1}, {r - h, t + 1}});
        pDC->SelectObject(&m_penDark2);
        Poly(pDC, {{r - h, b - 2}, {r - 1, b - h - 1}});
    }
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
}
