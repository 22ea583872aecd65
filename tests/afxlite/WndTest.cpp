// CWnd's wrappers that do more than forward one call, pre-translation, the
// modal loop, and the message recorder itself.
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

TEST_F(WndTest, WindowTextIntoCString)
{
    const std::string longText(300, 'q');
    m_parent.SetWindowText(longText.c_str());
    CString text;
    m_parent.GetWindowText(text);
    EXPECT_EQ(300, text.GetLength());
    EXPECT_EQ(longText, std::string((LPCTSTR)text));
    EXPECT_EQ(300, m_parent.GetWindowTextLength());
}

TEST_F(WndTest, ModifyStyleReportsChangeAndAsksForFrameRecalculation)
{
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, "c", WS_VISIBLE, CRect(0, 0, 50, 50), &m_parent, 1));
    MsgRecorder rec;
    rec.Watch(child.m_hWnd);
    rec.SetFilter([](const MsgRecord& r) { return r.message == WM_NCCALCSIZE; });

    EXPECT_TRUE(child.ModifyStyle(0, WS_BORDER, SWP_FRAMECHANGED));
    EXPECT_TRUE(child.GetStyle() & WS_BORDER);
    static const MsgEntry frame[] = {{WM_NCCALCSIZE, sent | wparam, TRUE, 0, 0}, {0, 0, 0, 0, 0}};
    EXPECT_SEQ(rec, frame, "ModifyStyle with SWP_FRAMECHANGED");

    // No change: FALSE and no repositioning. Without flags: no repositioning either.
    EXPECT_FALSE(child.ModifyStyle(0, WS_BORDER, SWP_FRAMECHANGED));
    EXPECT_TRUE(child.ModifyStyle(WS_BORDER, 0));
    EXPECT_FALSE(child.GetStyle() & WS_BORDER);
    static const MsgEntry none[] = {{0, 0, 0, 0, 0}};
    EXPECT_SEQ(rec, none, "ModifyStyle without a change or without flags");

    EXPECT_TRUE(child.ModifyStyleEx(0, WS_EX_CLIENTEDGE));
    EXPECT_TRUE(child.GetExStyle() & WS_EX_CLIENTEDGE);
    child.DestroyWindow();
}

TEST_F(WndTest, ScrollWindowMovesChildrenOfVisibleAndHiddenWindows)
{
    for (bool bVisible : {true, false}) {
        m_parent.ShowWindow(bVisible ? SW_SHOWNA : SW_HIDE);
        CWnd a, b;
        ASSERT_TRUE(a.Create(nullptr, "a", WS_VISIBLE, CRect(30, 40, 130, 90), &m_parent, 1));
        ASSERT_TRUE(b.Create(nullptr, "b", 0, CRect(200, 10, 210, 20), &m_parent, 2));
        const CRect rcExpected[2] = {CRect(14, 12, 114, 62), CRect(184, -18, 194, -8)};
        const CRect rcStart[2] = {CRect(30, 40, 130, 90), CRect(200, 10, 210, 20)};
        for (int step = 0; step < 2; ++step) {
            const int nSign = step == 0 ? 1 : -1;
            m_parent.ScrollWindow(-16 * nSign, -28 * nSign);
            const CRect* rcWant = step == 0 ? rcExpected : rcStart;
            CWnd* children[2] = {&a, &b};
            for (int i = 0; i < 2; ++i) {
                CRect rc;
                children[i]->GetWindowRect(&rc);
                m_parent.ScreenToClient(&rc);
                EXPECT_EQ(rcWant[i], rc)
                    << (bVisible ? "visible" : "hidden") << " parent, child " << i << ", step " << step;
            }
        }
        a.DestroyWindow();
        b.DestroyWindow();
    }
}

TEST_F(WndTest, DialogItemHelpers)
{
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 80, 20, m_parent.m_hWnd, (HMENU)10,
                                   ::GetModuleHandleA(nullptr), nullptr);
    HWND hCheck = ::CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_AUTOCHECKBOX, 0, 30, 80, 20,
                                    m_parent.m_hWnd, (HMENU)11, ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(hEdit != nullptr && hCheck != nullptr);

    m_parent.SetDlgItemInt(10, (UINT)-42, TRUE);
    BOOL bTrans = FALSE;
    EXPECT_EQ(-42, (int)m_parent.GetDlgItemInt(10, &bTrans, TRUE));
    EXPECT_TRUE(bTrans);
    m_parent.SetDlgItemText(10, "abc");
    CString text;
    EXPECT_EQ(3, m_parent.GetDlgItemText(10, text));
    EXPECT_STREQ("abc", (LPCTSTR)text);

    m_parent.CheckDlgButton(11, BST_CHECKED);
    EXPECT_EQ((UINT)BST_CHECKED, m_parent.IsDlgButtonChecked(11));
    EXPECT_EQ(BST_CHECKED, (int)m_parent.SendDlgItemMessage(11, BM_GETCHECK));

    // GetDlgItem: a temporary for an unbound control, the object for a bound one.
    CWnd* pTemp = m_parent.GetDlgItem(10);
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(hEdit, pTemp->m_hWnd);
    EXPECT_EQ(10, pTemp->GetDlgCtrlID());
    CButton check;
    ASSERT_TRUE(check.SubclassDlgItem(11, &m_parent));
    EXPECT_EQ(&check, m_parent.GetDlgItem(11));
    EXPECT_EQ(&check, m_parent.GetDescendantWindow(11, TRUE));
    EXPECT_EQ(nullptr, m_parent.GetDescendantWindow(10, TRUE));
    EXPECT_EQ(&m_parent, check.GetTopLevelParent());
    check.DestroyWindow();
}

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

// The recorder itself: posted and sent messages, nesting, optional entries, reports.
} // namespace
