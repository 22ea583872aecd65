// A frame whose tool bar docks at the width it had while floating.
#include <afxwin.h>
#include <SizingToolBar.h>

enum
{
    IDR_TRACK_TOOLS = 200
};

class CMainFrame : public CFrameWnd
{
protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        // CBRS_SIZE_DYNAMIC: the bar wraps into rows, so its shape can be kept.
        if (!m_wndTools.CreateEx(this, TBSTYLE_FLAT, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_SIZE_DYNAMIC) ||
            !m_wndTools.LoadToolBar(IDR_TRACK_TOOLS))
            return -1;
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    CSizingToolBar m_wndTools;
};

BEGIN_MESSAGE_MAP(CMainFrame, CFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()
