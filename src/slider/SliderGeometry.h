// SliderGeometry.h: everything CCustomSliderCtrl decides without a window:
// layout, value-to-pixel mapping, hit-testing, the range and selection
// setters, the mouse state machine and the colour arithmetic. The control
// calls these and does the window work (repaint, cursor, notifications,
// pointer clipping) that the results ask for. Private to the library; built
// natively too, for the tests.
#pragma once

#include "CustomSliderState.h"

// What a mouse event asks of the control, as bits.
enum
{
    CSC_EVT_CURSOR = 0x1,     // the hover zone changed: set its cursor now
    CSC_EVT_CHANGED = 0x2,    // the selection changed: repaint now, post "changing"
    CSC_EVT_DRAG_START = 0x4, // a drag began: confine the pointer to the client area
    CSC_EVT_DRAG_END = 0x8,   // a drag ended: release the pointer, post "changed"
};

// Layout of a paint (or of the attachment), for the client rectangle
// rcClient, font height nFontHeight (absolute) and an overlay text that is
// empty or not: stores both thumb extents, m_rcChannel and m_dPixelsPerUnit,
// then the selection rectangle when there is one. Returns the text band, its
// extent on the moving axis already taken from the channel.
CRect SliderLayout(CCustomSliderState& s, const CRect& rcClient, int nFontHeight, bool bHasText);

// Range max - range min, in 64 bits (the 32-bit difference may overflow).
long long SliderSpan(const CCustomSliderState& s);

// Offset in pixels of value v along a channel nLength pixels long (0 for an
// empty or inverted range).
int SliderOffset(const CCustomSliderState& s, int v, int nLength);

// Whether a vertical slider puts the minimum at the top, for drawing and
// hit-testing alike.
bool SliderMinAtTop(const CCustomSliderState& s);

// The selection rectangle over the channel rcChannel; false (and *pSel
// untouched) when nothing is to be drawn: an empty selection or range.
bool SliderSelectionRect(const CCustomSliderState& s, const CRect& rcChannel, CRect* pSel);

// Zone under pt by the stored rectangles (before the enabled abilities are
// looked at); CSC_ZONE_NONE for an empty or inverted range.
int SliderHitZone(const CCustomSliderState& s, CPoint pt);

// Standard cursor id (IDC_ARROW, IDC_SIZEWE, IDC_SIZENS, IDC_SIZEALL) of
// the current hover zone.
unsigned int SliderCursorId(const CCustomSliderState& s);

// The text of the band above or beside the channel; empty for the types
// without a band.
CString SliderOverlayText(const CCustomSliderState& s);

// Setters: SetRange's clipping of the selection; SetSel's, returning
// whether an end was assigned (the control then repaints).
void SliderSetRange(CCustomSliderState& s, int nMin, int nMax);
bool SliderSetSel(CCustomSliderState& s, int nMin, int nMax);

// The mouse, with client points; each returns CSC_EVT_* bits.
int SliderButtonDown(CCustomSliderState& s, CPoint pt, bool bRight);
int SliderMouseMove(CCustomSliderState& s, CPoint pt);
int SliderButtonUp(CCustomSliderState& s);
int SliderDoubleClick(CCustomSliderState& s);

// Colours: per channel min(c + a, 255), max(c - a, 0), floor((a + b) / 2).
unsigned long SliderLighten(unsigned long c, unsigned char a);
unsigned long SliderDarken(unsigned long c, unsigned char a);
unsigned long SliderMidpoint(unsigned long a, unsigned long b);
