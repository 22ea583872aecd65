// CWnd's pre-translation walk, the modal loop and Default().
#include <afxwin.h>

#include "MsgRecorder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class WndTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      10, 10, 400, 300, nullptr, nullptr));
    }
    void TearDown() override { m_parent.DestroyWindow(); }
    CWnd m_parent;
};

// Logs PreTranslateMessage calls; takes the message when told to.
class CTranslating : public CWnd
{
public:
    std::string* m_pLog = nullptr;
    const char* m_pszName = "";
    UINT m_nTake = 0; // a message this window takes
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        *m_pLog += m_pszName;
        *m_pLog += ";";
        return pMsg->message == m_nTake;
    }
};

TEST_F(WndTest, WalkPreTranslateTreeFromChildUpwards)
{
    std::string log;
    CTranslating top, child;
    top.m_pLog = child.m_pLog = &log;
    top.m_pszName = "top";
    child.m_pszName = "child";
    top.m_nTake = WM_KEYDOWN;
    ASSERT_TRUE(top.CreateEx(0, AfxRegisterWndClass(0), "top", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                             nullptr));
    ASSERT_TRUE(child.Create(nullptr, "child", 0, CRect(0, 0, 10, 10), &top, 1));
    HWND hRaw =
        ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, child.m_hWnd, nullptr, nullptr, nullptr);

    struct Row
    {
        const char* label;
        HWND hWndFrom;
        HWND hWndStop;
        UINT message;
        BOOL bTaken;
        const char* log;
    };
    const Row rows[] = {
        {"unbound window is skipped, both objects asked", hRaw, nullptr, WM_CHAR, FALSE, "child;top;"},
        {"the top window takes it", child.m_hWnd, nullptr, WM_KEYDOWN, TRUE, "child;top;"},
        {"stop at the child", child.m_hWnd, child.m_hWnd, WM_KEYDOWN, FALSE, "child;"},
    };
    for (const Row& row : rows) {
        log.clear();
        MSG msg = {row.hWndFrom, row.message, 0, 0, 0, {0, 0}};
        EXPECT_EQ(row.bTaken, CWnd::WalkPreTranslateTree(row.hWndStop, &msg)) << row.label;
        EXPECT_EQ(row.log, log) << row.label;
    }
    top.DestroyWindow();
}

// Ends its modal loop when it receives WM_USER.
class CModalWnd : public CWnd
{
protected:
    afx_msg LRESULT OnEnd(WPARAM wParam, LPARAM)
    {
        EndModalLoop((int)wParam);
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CModalWnd, CWnd)
    ON_MESSAGE(WM_USER, OnEnd)
END_MESSAGE_MAP()

TEST_F(WndTest, RunModalLoopReturnsEndModalLoopResult)
{
    CModalWnd wnd;
    ASSERT_TRUE(
        wnd.CreateEx(0, AfxRegisterWndClass(0), "modal", WS_POPUP, 0, 0, 10, 10, m_parent.m_hWnd, nullptr));
    wnd.PostMessage(WM_USER, 7);
    EXPECT_EQ(7, wnd.RunModalLoop(MLF_NOIDLEMSG));
    EXPECT_FALSE(wnd.ContinueModal());
    wnd.DestroyWindow();
}

TEST_F(WndTest, DefaultCallsTheOriginalProcedure)
{
    // A subclassed edit whose WM_CHAR handler calls Default(): the text changes.
    class CEchoEdit : public CEdit
    {
    public:
        int m_nChars = 0;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_CHAR) {
                ++m_nChars;
                return Default();
            }
            return CEdit::WindowProc(message, wParam, lParam);
        }
    };
    CEchoEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &m_parent, 1));
    edit.SendMessage(WM_CHAR, 'z', 1);
    CString text;
    edit.GetWindowText(text);
    EXPECT_STREQ("z", (LPCTSTR)text);
    EXPECT_EQ(1, edit.m_nChars);
    edit.DestroyWindow();
}

} // namespace
