// CustomSliderState.h: the overlay kinds of CCustomSliderCtrl and the
// window-free part of its state (range, selection, drag, layout). The
// control derives from the record, so its fields are the control's own
// fields; the geometry and mouse logic that work on it build natively too.
// Hosts include CustomSliderCtrl.h, which includes this header.
#pragma once

// Only afxlite's portable core (CPoint, CRect): nothing here needs a window.
#include <afx.h>

// What the slider writes over or into its channel (drawn by the paint).
enum enum_csc_ctrl_type
{
    csc_type_plain = 0,        // nothing
    csc_type_time_window = 1,  // band: "Origin = %d ms - Length = %d ms" (sel min, sel length)
    csc_type_zoom = 2,         // band: "Zoom x %d" (sel max)
    csc_type_range_labels = 3, // no band; range min and max as "%d" inside the channel ends
};

// Hover and drag zones.
enum
{
    CSC_ZONE_NONE = 0,  // outside the selection and its thumbs
    CSC_ZONE_MIN = 1,   // the min thumb
    CSC_ZONE_MAX = 2,   // the max thumb
    CSC_ZONE_BODY = 3,  // inside the selection
    CSC_THUMB_SIZE = 8, // thumb extent on the moving axis, in pixels
};

// The slider's fields up to the drawing resources, in the control's order.
// A plain record: the operations on it are private to the library.
struct CCustomSliderState
{
    bool m_bHorizontal;               // channel left to right; else vertical (set at attachment)
    int m_nRangeMin;                  // lower bound of the range
    int m_nRangeMax;                  // upper bound of the range (not checked against the lower)
    int m_nSelMin;                    // lower end of the selection
    int m_nSelMax;                    // upper end; every mouse change keeps m_nSelMin < m_nSelMax
    bool m_bRightDrag;                // the drag in progress was started with the right button
    int m_nDragMode;                  // 0: no drag; else the zone captured at button down
    int m_nHoverZone;                 // CSC_ZONE_* under the pointer (accepted zones only)
    enum_csc_ctrl_type m_eCtrlType;   // overlay kind
    CRect m_rcChannel;                // client coordinates; recomputed by every layout
    CRect m_rcSelection;              // client coordinates; kept while the selection is empty
    CRect m_rcThumbLeftBottom;        // left / bottom thumb: moving axis relative to its anchor
    CRect m_rcThumbRightTop;          // right / top thumb: moving axis relative to its anchor
    CPoint m_ptDragStart;             // client point of the button down that started the drag
    int m_nDragSelMin, m_nDragSelMax; // the selection at that button down
    double m_dPixelsPerUnit;          // channel length / (range max - range min); 0 for an empty range
    unsigned int m_nMsgChanged;       // registered "changed" message; 0 until attached
    unsigned int m_nMsgChanging;      // registered "changing" message; 0 until attached
    bool m_bMoveEnabled;              // the body may be dragged
    bool m_bResizeMinEnabled;         // the min thumb exists
    bool m_bResizeMaxEnabled;         // the max thumb exists
    bool m_bReverseVert;              // vertical: minimum at the top, values grow downwards

    // The defaults of a new slider: range and selection 0..10, every ability on.
    CCustomSliderState()
        : m_bHorizontal(true), m_nRangeMin(0), m_nRangeMax(10), m_nSelMin(0), m_nSelMax(10),
          m_bRightDrag(false), m_nDragMode(0), m_nHoverZone(CSC_ZONE_NONE), m_eCtrlType(csc_type_plain),
          m_rcChannel(0, 0, 0, 0), m_rcSelection(0, 0, 0, 0), m_rcThumbLeftBottom(0, 0, 0, 0),
          m_rcThumbRightTop(0, 0, 0, 0), m_ptDragStart(0, 0), m_nDragSelMin(0), m_nDragSelMax(0),
          m_dPixelsPerUnit(0.0), m_nMsgChanged(0), m_nMsgChanging(0), m_bMoveEnabled(true),
          m_bResizeMinEnabled(true), m_bResizeMaxEnabled(true), m_bReverseVert(true)
    {}
};
