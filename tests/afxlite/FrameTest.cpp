// FrameTest.cpp: the MDI client hosted by CMDIFrameWnd, which a control
// subclasses to paint it, laid out below a tool bar.
#include <afxext.h>

#include <gtest/gtest.h>

#include "frame_resource.h"

namespace {

CRect ChildRect(CWnd* pParent, HWND hChild)
{
    CRect rc;
    ::GetWindowRect(hChild, &rc);
    pParent->ScreenToClient(&rc);
    return rc;
}

CRect ClientOf(CWnd* pWnd)
{
    CRect rc;
    pWnd->GetClientRect(&rc);
    return rc;
}

} // namespace

namespace {

// Paints the MDI client the way a background control does, after
// subclassing it.
class CClientPainter : public CWnd
{
public:
    int m_nPaints = 0;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        CRect rc;
        GetClientRect(&rc);
        dc.FillSolidRect(&rc, RGB(0, 128, 0));
        ++m_nPaints;
    }
    afx_msg BOOL OnEraseBkgnd(CDC*) { return TRUE; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CClientPainter, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

} // namespace

TEST(CMDIFrameWndTest, HostsAnMDIClientThatAControlCanSubclass)
{
    CMDIFrameWnd* pFrame = new CMDIFrameWnd;
    ASSERT_TRUE(pFrame->Create(nullptr, "MDI", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 400),
                               nullptr, MAKEINTRESOURCE(IDR_TEST_FRAME)));
    HWND hClient = pFrame->m_hWndMDIClient;
    ASSERT_TRUE(::IsWindow(hClient));
    EXPECT_EQ(::GetParent(hClient), pFrame->m_hWnd);
    EXPECT_EQ(::GetDlgCtrlID(hClient), AFX_IDW_PANE_FIRST);
    EXPECT_EQ(ChildRect(pFrame, hClient), ClientOf(pFrame));

    CClientPainter painter;
    ASSERT_TRUE(painter.SubclassWindow(hClient));
    ::InvalidateRect(hClient, nullptr, TRUE);
    ::UpdateWindow(hClient);
    EXPECT_GE(painter.m_nPaints, 1);

    // A tool bar takes the top; the client follows the frame's size.
    CToolBar bar;
    ASSERT_TRUE(bar.Create(pFrame));
    ASSERT_TRUE(bar.LoadToolBar(IDR_TEST_TOOLBAR));
    pFrame->SetWindowPos(nullptr, 0, 0, 600, 450, SWP_NOZORDER | SWP_NOMOVE);
    CRect client = ClientOf(pFrame);
    EXPECT_EQ(ChildRect(pFrame, hClient), CRect(0, 22, client.right, client.bottom));

    pFrame->DestroyWindow();
    EXPECT_EQ(painter.m_hWnd, nullptr);
}
