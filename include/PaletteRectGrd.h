// PaletteRectGrd.h: the palette strip with a scale of labelled ticks above
// it, each label a bar '|' followed by the value its position stands for.
#pragma once

#include "PaletteRect.h"

// CPaletteRectGrd: create it with Create or subclass a static item.
//
// Label i of n (i = 0 .. n - 1) shows min + i * (max - min) / n at
// x = i * client width / n (integer division), y = -2, as "|%.1f" when
// max - min is at most 10 and "|%.0f" otherwise; max itself gets no label.
// The labels are drawn after the strip through a DC of the whole window
// (not clipped to the update region) in that DC's own font and text colour,
// with a transparent background.
//
// Until the first SetGrd the scale is 0 to 254 with no ticks and hidden, so
// the control looks like a plain CPaletteRect.
class AFX_EXT_CLASS CPaletteRectGrd : public CPaletteRect
{
    // Construction
public:
    CPaletteRectGrd(); // scale 0..254, no ticks, hidden
    virtual ~CPaletteRectGrd();

    // Attributes
public:
    // The scale's ends, number of labels (0 = none) and visibility; no repaint.
    void SetGrd(double dMin, double dMax, unsigned char nTicks, bool bShow);

    // Message handlers
protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

    // Implementation
protected:
    double m_dGrdMin;          // value at the left end of the scale
    double m_dGrdMax;          // value at the right end of the scale
    unsigned char m_nGrdTicks; // number of labels
    bool m_bGrdShow;           // the scale is drawn
};
