// A main MDI frame with a picture behind its child windows, remembered in
// the application profile between runs.
#include <afxwin.h>
#include <MDIBackground.h>

enum
{
    IDB_BACKGROUND = 200
};

class CMainFrame : public CMDIFrameWnd
{
protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CMDIFrameWnd::OnCreate(lpcs) == -1)
            return -1;
        m_background.SetBitmap(IDB_BACKGROUND, 0); // the default picture
        m_background.SetDisplayMode(CMDIBackground::DM_CENTER);
        m_background.SetAutoSaveRestore(1);           // profile overrides the defaults ...
        m_background.SubclassWindow(m_hWndMDIClient); // ... here, and is written at WM_DESTROY
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    CMDIBackground m_background;
};

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
    ON_WM_CREATE()
END_MESSAGE_MAP()
