// FrameTest.cpp: frame windows laying out bars and the pane, and the MDI
// client hosted by CMDIFrameWnd.
#include <afxext.h>

#include <gtest/gtest.h>

#include "frame_resource.h"

namespace {

// A frame that reports its own deletion (frames delete themselves).
class CTestFrame : public CFrameWnd
{
public:
    bool* m_pbDeleted = nullptr;
    ~CTestFrame() override
    {
        if (m_pbDeleted != nullptr)
            *m_pbDeleted = true;
    }
};

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

TEST(CFrameWndTest, CreateAndLoadFrameTakeTheMenuAndTheFrameDeletesItself)
{
    bool bDeleted = false;
    CTestFrame* pFrame = new CTestFrame;
    pFrame->m_pbDeleted = &bDeleted;
    ASSERT_TRUE(pFrame->Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200), nullptr,
                               MAKEINTRESOURCE(IDR_TEST_FRAME)));
    ASSERT_NE(pFrame->GetMenu(), nullptr);
    EXPECT_EQ(pFrame->GetMenu()->GetMenuItemCount(), 3u);
    EXPECT_EQ(pFrame->GetTitle(), CString("Frame"));
    pFrame->DestroyWindow();
    EXPECT_TRUE(bDeleted);

    CFrameWnd* pLoaded = new CFrameWnd;
    ASSERT_TRUE(pLoaded->LoadFrame(IDR_TEST_FRAME));
    CString str;
    pLoaded->GetWindowText(str);
    EXPECT_STREQ(str, "Quillon test frame") << "the first line of the resource string";
    ASSERT_NE(pLoaded->GetMenu(), nullptr);
    EXPECT_GT(ClientOf(pLoaded).Width(), 0) << "the default rectangle gives a real size";
    pLoaded->DestroyWindow();

    CFrameWnd* pMissing = new CFrameWnd;
    EXPECT_FALSE(pMissing->Create(nullptr, "x", WS_OVERLAPPEDWINDOW, CRect(0, 0, 10, 10), nullptr,
                                  MAKEINTRESOURCE(4999)));
    delete pMissing; // no window was made, so the frame did not delete itself
}

TEST(CFrameWndTest, RecalcLayoutGivesTheBarsTheirEdgeAndThePaneTheRest)
{
    const struct
    {
        const char* label;
        DWORD dwAlign;
        CRect (*bar)(const CRect& client);
        CRect (*pane)(const CRect& client);
    } rows[] = {
        {"top", CBRS_TOP, [](const CRect& c) { return CRect(0, 0, c.right, 22); },
         [](const CRect& c) { return CRect(0, 22, c.right, c.bottom); }},
        {"bottom", CBRS_BOTTOM, [](const CRect& c) { return CRect(0, c.bottom - 22, c.right, c.bottom); },
         [](const CRect& c) { return CRect(0, 0, c.right, c.bottom - 22); }},
        // A vertical bar is one button wide and spans the height.
        {"left", CBRS_LEFT, [](const CRect& c) { return CRect(0, 0, 23, c.bottom); },
         [](const CRect& c) { return CRect(23, 0, c.right, c.bottom); }},
        {"right", CBRS_RIGHT, [](const CRect& c) { return CRect(c.right - 23, 0, c.right, c.bottom); },
         [](const CRect& c) { return CRect(0, 0, c.right - 23, c.bottom); }},
    };
    for (const auto& row : rows) {
        CFrameWnd* pFrame = new CFrameWnd;
        ASSERT_TRUE(pFrame->Create(nullptr, "Layout", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 300)));
        CToolBar bar;
        ASSERT_TRUE(bar.Create(pFrame, WS_CHILD | WS_VISIBLE | row.dwAlign)) << row.label;
        ASSERT_TRUE(bar.LoadToolBar(IDR_TEST_TOOLBAR)) << row.label;
        CWnd pane;
        ASSERT_TRUE(pane.Create(AfxRegisterWndClass(0), "pane", WS_CHILD | WS_VISIBLE, CRect(0, 0, 1, 1),
                                pFrame, AFX_IDW_PANE_FIRST));
        pFrame->RecalcLayout();
        const CRect client = ClientOf(pFrame);
        EXPECT_EQ(ChildRect(pFrame, bar.m_hWnd), row.bar(client)) << row.label;
        EXPECT_EQ(ChildRect(pFrame, pane.m_hWnd), row.pane(client)) << row.label;

        // Sizing the frame lays it out again.
        pFrame->SetWindowPos(nullptr, 0, 0, 500, 360, SWP_NOZORDER | SWP_NOMOVE);
        const CRect bigger = ClientOf(pFrame);
        EXPECT_EQ(ChildRect(pFrame, pane.m_hWnd), row.pane(bigger)) << row.label;
        pFrame->DestroyWindow();
    }
}

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
