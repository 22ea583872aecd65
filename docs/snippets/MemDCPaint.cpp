// A control of the host's own that paints several layers without flicker.
#include <afxwin.h>
#include <MemDC.h>

class CGaugeCtrl : public CWnd
{
protected:
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; } // the paint covers everything
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CMemDC memDC(&dc); // off-screen, over the update region's clip box
        CRect rc;
        GetClientRect(&rc);
        memDC.FillSolidRect(&rc, RGB(0xFF, 0xFF, 0xFF));
        rc.right = rc.left + rc.Width() * m_nPercent / 100;
        memDC.FillSolidRect(&rc, RGB(0x30, 0x80, 0x30));
        memDC.SetBkMode(TRANSPARENT);
        memDC.DrawText("gauge", -1, &rc, DT_SINGLELINE | DT_VCENTER);
    } // one BitBlt to the window here

    DECLARE_MESSAGE_MAP()

private:
    int m_nPercent = 40;
};

BEGIN_MESSAGE_MAP(CGaugeCtrl, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
END_MESSAGE_MAP()
