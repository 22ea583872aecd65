// SliderGeometry.cpp: the slider's layout, hit-testing and mouse logic over
// its state record. Sums that could leave 32 bits (a step or a drag next to
// INT_MIN or INT_MAX) are done in 64 bits, so extreme ranges are refused
// like any other out-of-range change.
#include "SliderGeometry.h"

namespace {

const int kThumb = CSC_THUMB_SIZE;

// The standard cursors, by id (LoadCursor with no instance).
const unsigned int kIdcArrow = 32512;
const unsigned int kIdcSizeWE = 32644;
const unsigned int kIdcSizeNS = 32645;
const unsigned int kIdcSizeAll = 32646;

int Abs(int v)
{
    return v < 0 ? -v : v;
}

// The shared tests of a new lower or upper end.
bool TakeMin(CCustomSliderState& s, long long n)
{
    if (n < s.m_nRangeMin || n >= s.m_nSelMax || n == s.m_nSelMin)
        return false;
    s.m_nSelMin = static_cast<int>(n);
    return true;
}

bool TakeMax(CCustomSliderState& s, long long n)
{
    if (n > s.m_nRangeMax || n <= s.m_nSelMin || n == s.m_nSelMax)
        return false;
    s.m_nSelMax = static_cast<int>(n);
    return true;
}

// Pointer displacement in units: +0.5 units rounds away, -0.5 toward zero.
long long DragUnits(const CCustomSliderState& s, CPoint pt)
{
    int d;
    if (s.m_bHorizontal)
        d = pt.x - s.m_ptDragStart.x;
    else if (s.m_bReverseVert)
        d = pt.y - s.m_ptDragStart.y;
    else
        d = s.m_ptDragStart.y - pt.y;
    const double k = d / s.m_dPixelsPerUnit + 0.5;
    // Beyond any 32-bit range either way: every end test fails the same.
    if (k > 1e12)
        return 1000000000000LL;
    if (k < -1e12)
        return -1000000000000LL;
    return static_cast<long long>(k);
}

int Drag(CCustomSliderState& s, CPoint pt)
{
    if (SliderSpan(s) <= 0 || s.m_dPixelsPerUnit <= 0.0)
        return 0;
    const long long k = DragUnits(s, pt);
    bool bChanged = false;
    if (!s.m_bRightDrag) {
        switch (s.m_nHoverZone) {
        case CSC_ZONE_MIN:
            bChanged = TakeMin(s, s.m_nDragSelMin + k);
            break;
        case CSC_ZONE_MAX:
            bChanged = TakeMax(s, s.m_nDragSelMax + k);
            break;
        case CSC_ZONE_BODY: {
            const long long a = s.m_nDragSelMin + k, b = s.m_nDragSelMax + k;
            if (s.m_nRangeMin <= a && b <= s.m_nRangeMax && a != s.m_nSelMin && b != s.m_nSelMax) {
                s.m_nSelMin = static_cast<int>(a);
                s.m_nSelMax = static_cast<int>(b);
                bChanged = true;
            }
            break;
        }
        }
    } else {
        // Both ends about the centre for a thumb, side by side for the body.
        const long long k1 = s.m_nHoverZone == CSC_ZONE_MAX ? -k : k;
        bChanged = TakeMin(s, s.m_nDragSelMin + k1);
        const long long k2 = s.m_nHoverZone == CSC_ZONE_MIN ? -k : k;
        bChanged = TakeMax(s, s.m_nDragSelMax + k2) || bChanged;
    }
    return bChanged ? CSC_EVT_CHANGED : 0;
}

bool ZoneAccepted(const CCustomSliderState& s, int nZone)
{
    switch (nZone) {
    case CSC_ZONE_MIN:
        return s.m_bResizeMinEnabled;
    case CSC_ZONE_MAX:
        return s.m_bResizeMaxEnabled;
    case CSC_ZONE_BODY:
        return s.m_bMoveEnabled;
    default:
        return true;
    }
}

int Hover(CCustomSliderState& s, CPoint pt)
{
    const int nZone = SliderHitZone(s, pt);
    if (nZone == s.m_nHoverZone)
        return 0;
    if (ZoneAccepted(s, nZone)) {
        s.m_nHoverZone = nZone;
        return CSC_EVT_CURSOR;
    }
    s.m_nHoverZone = CSC_ZONE_NONE; // the cursor stays as it is
    return 0;
}

// The end a click outside the selection and its thumbs would step.
int StepZone(const CCustomSliderState& s, CPoint pt)
{
    const CRect& sel = s.m_rcSelection;
    const CRect& ch = s.m_rcChannel;
    if (s.m_bHorizontal) {
        if (ch.left < pt.x && pt.x < sel.left - Abs(s.m_rcThumbLeftBottom.left))
            return CSC_ZONE_MIN;
        if (sel.right + Abs(s.m_rcThumbRightTop.right) < pt.x && pt.x < ch.right)
            return CSC_ZONE_MAX;
        return CSC_ZONE_NONE;
    }
    if (ch.top < pt.y && pt.y < sel.top - Abs(s.m_rcThumbRightTop.top))
        return s.m_bReverseVert ? CSC_ZONE_MIN : CSC_ZONE_MAX;
    if (sel.bottom + Abs(s.m_rcThumbLeftBottom.bottom) < pt.y && pt.y < ch.bottom)
        return s.m_bReverseVert ? CSC_ZONE_MAX : CSC_ZONE_MIN;
    return CSC_ZONE_NONE;
}

} // namespace

long long SliderSpan(const CCustomSliderState& s)
{
    return static_cast<long long>(s.m_nRangeMax) - s.m_nRangeMin;
}

int SliderOffset(const CCustomSliderState& s, int v, int nLength)
{
    const long long nSpan = SliderSpan(s);
    if (nSpan <= 0)
        return 0;
    return static_cast<int>(static_cast<double>(nLength) *
                            static_cast<double>(v - static_cast<long long>(s.m_nRangeMin)) /
                            static_cast<double>(nSpan));
}

bool SliderMinAtTop(const CCustomSliderState& s)
{
    // Drawing follows hit-testing: the minimum is at the top whenever the
    // slider is reversed, whichever thumbs it has.
    return s.m_bReverseVert;
}

bool SliderSelectionRect(const CCustomSliderState& s, const CRect& ch, CRect* pSel)
{
    if (s.m_nSelMin >= s.m_nSelMax || SliderSpan(s) <= 0)
        return false;
    const int nLength = s.m_bHorizontal ? ch.Width() : ch.Height();
    const int p1 = SliderOffset(s, s.m_nSelMin, nLength);
    const int p2 = SliderOffset(s, s.m_nSelMax, nLength);
    if (s.m_bHorizontal)
        pSel->SetRect(ch.left + p1 + 2, ch.top + 2, ch.left + p2 - 2, ch.bottom - 1);
    else if (SliderMinAtTop(s))
        pSel->SetRect(ch.left + 1, ch.top + p1 + 2, ch.right - 1, ch.top + p2 - 2);
    else
        pSel->SetRect(ch.left + 1, ch.bottom - p2 + 2, ch.right - 1, ch.bottom - p1 - 2);
    return true;
}

CRect SliderLayout(CCustomSliderState& s, const CRect& c, int nFontHeight, bool bHasText)
{
    const int h = Abs(nFontHeight);
    CRect t;
    if (s.m_bHorizontal) {
        if (bHasText)
            t.SetRect(c.left + 2, c.top + 2, c.right - 2, c.top + h + 4);
        else
            t.SetRect(c.left + 2, 0, c.right - 2, 0);
        s.m_rcThumbLeftBottom.SetRect(-kThumb, t.bottom + 2, 0, c.bottom - 2);
        s.m_rcThumbRightTop.SetRect(0, t.bottom + 2, kThumb, c.bottom - 2);
        s.m_rcChannel.SetRect(t.left, t.bottom + 2, t.right, c.bottom - 2);
        if (s.m_bResizeMinEnabled)
            s.m_rcChannel.left += kThumb;
        if (s.m_bResizeMaxEnabled)
            s.m_rcChannel.right -= kThumb;
        t.left = s.m_rcChannel.left;
        t.right = s.m_rcChannel.right;
    } else {
        if (bHasText)
            t.SetRect(c.left + 2, c.top + 2, c.left + h + 4, c.bottom - 2);
        else
            t.SetRect(0, c.top + 2, 0, c.bottom - 2);
        s.m_rcThumbLeftBottom.SetRect(t.right + 2, 0, c.right - 2, kThumb);
        s.m_rcThumbRightTop.SetRect(t.right + 2, -kThumb, c.right - 2, 0);
        s.m_rcChannel.SetRect(t.right + 2, t.top, c.right - 2, t.bottom);
        if (s.m_bResizeMinEnabled)
            s.m_rcChannel.bottom -= kThumb;
        if (s.m_bResizeMaxEnabled)
            s.m_rcChannel.top += kThumb;
        t.top = s.m_rcChannel.top;
        t.bottom = s.m_rcChannel.bottom;
    }
    const long long nSpan = SliderSpan(s);
    const int nLength = s.m_bHorizontal ? s.m_rcChannel.Width() : s.m_rcChannel.Height();
    s.m_dPixelsPerUnit = nSpan > 0 ? nLength / static_cast<double>(nSpan) : 0.0;
    CRect sel;
    if (SliderSelectionRect(s, s.m_rcChannel, &sel))
        s.m_rcSelection = sel;
    return t;
}

int SliderHitZone(const CCustomSliderState& s, CPoint pt)
{
    if (SliderSpan(s) <= 0)
        return CSC_ZONE_NONE;
    const CRect& sel = s.m_rcSelection;
    const CRect& lb = s.m_rcThumbLeftBottom;
    const CRect& rt = s.m_rcThumbRightTop;
    if (s.m_bHorizontal) {
        if (sel.left - Abs(lb.left) <= pt.x && pt.x <= sel.left + Abs(lb.right))
            return CSC_ZONE_MIN;
        if (sel.right - Abs(rt.left) <= pt.x && pt.x <= sel.right + Abs(rt.right))
            return CSC_ZONE_MAX;
    } else {
        if (sel.top - Abs(rt.top) <= pt.y && pt.y <= sel.top + Abs(rt.bottom))
            return s.m_bReverseVert ? CSC_ZONE_MIN : CSC_ZONE_MAX;
        if (sel.bottom - Abs(lb.top) <= pt.y && pt.y <= sel.bottom + Abs(lb.bottom))
            return s.m_bReverseVert ? CSC_ZONE_MAX : CSC_ZONE_MIN;
    }
    if (sel.left < pt.x && pt.x < sel.right && sel.top < pt.y && pt.y < sel.bottom)
        return CSC_ZONE_BODY;
    return CSC_ZONE_NONE;
}

unsigned int SliderCursorId(const CCustomSliderState& s)
{
    switch (s.m_nHoverZone) {
    case CSC_ZONE_MIN:
    case CSC_ZONE_MAX:
        return s.m_bHorizontal ? kIdcSizeWE : kIdcSizeNS;
    case CSC_ZONE_BODY:
        return kIdcSizeAll;
    default:
        return kIdcArrow;
    }
}

CString SliderOverlayText(const CCustomSliderState& s)
{
    CString str;
    if (s.m_eCtrlType == csc_type_time_window) {
        // The length as (max - min) - (max - sel max), in 64 bits.
        const long long nLength = (static_cast<long long>(s.m_nRangeMax) - s.m_nSelMin) -
                                  (static_cast<long long>(s.m_nRangeMax) - s.m_nSelMax);
        str.Format("Origin = %d ms - Length = %d ms", s.m_nSelMin, static_cast<int>(nLength));
    } else if (s.m_eCtrlType == csc_type_zoom) {
        str.Format("Zoom x %d", s.m_nSelMax);
    }
    return str;
}

void SliderSetRange(CCustomSliderState& s, int nMin, int nMax)
{
    s.m_nRangeMin = nMin;
    s.m_nRangeMax = nMax;
    if (s.m_nSelMin < nMin)
        s.m_nSelMin = nMin;
    if (s.m_nSelMax < nMin)
        s.m_nSelMax = nMax;
    if (s.m_nSelMin > nMax)
        s.m_nSelMin = nMin;
    if (s.m_nSelMax > nMax)
        s.m_nSelMax = nMax;
}

bool SliderSetSel(CCustomSliderState& s, int nMin, int nMax)
{
    bool bAssigned = false;
    if (s.m_nRangeMin <= nMin && nMin <= s.m_nRangeMax && nMin < nMax) {
        s.m_nSelMin = nMin;
        bAssigned = true;
    } else if (nMin < s.m_nRangeMin && s.m_nSelMin != s.m_nRangeMin) {
        s.m_nSelMin = s.m_nRangeMin;
        bAssigned = true;
    }
    if (s.m_nRangeMin <= nMax && nMax <= s.m_nRangeMax && nMax > nMin) {
        s.m_nSelMax = nMax;
        bAssigned = true;
    } else if (nMax > s.m_nRangeMax && s.m_nSelMax != s.m_nRangeMax) {
        s.m_nSelMax = s.m_nRangeMax;
        bAssigned = true;
    }
    return bAssigned;
}

int SliderButtonDown(CCustomSliderState& s, CPoint pt, bool bRight)
{
    if (s.m_nDragMode != 0 || SliderSpan(s) <= 0)
        return 0;
    const int nStep = StepZone(s, pt);
    if ((nStep == CSC_ZONE_MIN && s.m_bResizeMinEnabled) ||
        (nStep == CSC_ZONE_MAX && s.m_bResizeMaxEnabled)) {
        // The left button grows the clicked end toward the click, the right
        // button withdraws it.
        const int d = (nStep == CSC_ZONE_MIN) == bRight ? 1 : -1;
        bool bChanged = false;
        if (nStep == CSC_ZONE_MIN) {
            const long long n = static_cast<long long>(s.m_nSelMin) + d;
            if (s.m_nRangeMin <= n && s.m_nSelMax > n) {
                s.m_nSelMin = static_cast<int>(n);
                bChanged = true;
            }
        } else {
            const long long n = static_cast<long long>(s.m_nSelMax) + d;
            if (s.m_nRangeMax >= n && s.m_nSelMin < n) {
                s.m_nSelMax = static_cast<int>(n);
                bChanged = true;
            }
        }
        return bChanged ? CSC_EVT_CHANGED : 0;
    }
    s.m_ptDragStart = pt;
    s.m_nDragSelMin = s.m_nSelMin;
    s.m_nDragSelMax = s.m_nSelMax;
    s.m_bRightDrag = bRight;
    if (s.m_nHoverZone == CSC_ZONE_NONE)
        return 0;
    s.m_nDragMode = s.m_nHoverZone;
    return CSC_EVT_DRAG_START;
}

int SliderMouseMove(CCustomSliderState& s, CPoint pt)
{
    return s.m_nDragMode != 0 ? Drag(s, pt) : Hover(s, pt);
}

int SliderButtonUp(CCustomSliderState& s)
{
    if (s.m_nDragMode == 0)
        return 0;
    s.m_nDragMode = 0;
    s.m_bRightDrag = false;
    return CSC_EVT_DRAG_END;
}

int SliderDoubleClick(CCustomSliderState& s)
{
    if (SliderSpan(s) <= 0)
        return 0;
    s.m_nSelMin = s.m_nRangeMin;
    s.m_nSelMax = s.m_nRangeMax;
    return CSC_EVT_CHANGED;
}

unsigned long SliderLighten(unsigned long c, unsigned char a)
{
    unsigned long r = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const unsigned long v = ((c >> shift) & 0xFF) + a;
        r |= (v > 255 ? 255 : v) << shift;
    }
    return r;
}

unsigned long SliderDarken(unsigned long c, unsigned char a)
{
    unsigned long r = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const unsigned long v = (c >> shift) & 0xFF;
        r |= (v > a ? v - a : 0) << shift;
    }
    return r;
}

unsigned long SliderMidpoint(unsigned long a, unsigned long b)
{
    unsigned long r = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const int va = static_cast<int>((a >> shift) & 0xFF), vb = static_cast<int>((b >> shift) & 0xFF);
        r |= static_cast<unsigned long>(va + ((vb - va) >> 1)) << shift;
    }
    return r;
}
