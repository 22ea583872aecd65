// BigIcon.h: an owner-drawn button face that shows one icon, centred or
// stretched over the whole control, with an optional frame.
#pragma once

#include "Quillon.h"

// CBigIcon: the host gives the button the BS_OWNERDRAW style itself (in the
// dialog template or at Create); the class does not set it.  Until SetIcon
// is called the control shows nothing: the constructor starts with a null
// icon, no stretching and no frame.
class AFX_EXT_CLASS CBigIcon : public CButton
{
    // Construction
public:
    CBigIcon();
    virtual ~CBigIcon();

    // Attributes
public:
    // nStretch non-zero: the icon covers the client area.  nFrameStyle:
    // 1 = flat button frame, 2 = black one-pixel frame, other = none.
    // The icon is not owned; it must outlive its use here.  Repaints at once.
    void SetIcon(HICON hIcon, int nStretch = 0, int nFrameStyle = 0);
    HICON GetIcon();

    // Operations
public:
    // Resizes the control to twice the system icon size; position and z-order kept.
    void SizeToContent();

    // Overridables
protected:
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

    // Message handlers
protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

    // Implementation
protected:
    HICON m_hIcon;     // icon shown (not owned); null = draw nothing
    int m_bStretch;    // non-zero = stretch the icon to the client area
    int m_nFrameStyle; // 1 = flat button frame, 2 = black one-pixel frame, other = none
};
