// Binding windows to objects: PreSubclassWindow exactly once on the create
// and the subclass paths (and telling them apart), unbinding at
// WM_NCDESTROY, UnsubclassWindow, temporary FromHandle objects, and no leak
// of windows or objects over many cycles.
#include <afxwin.h>

#include "MsgRecorder.h"

#include <gtest/gtest.h>

namespace {

const UINT ID_EDIT = 100;

// Counts what happens to it, in order.
class CBindProbe : public CEdit
{
public:
    int m_nPreSubclass = 0;
    bool m_bCreatePath = false;   // m_pWndInit was this object during PreSubclassWindow
    bool m_bHandleAtPre = false;  // m_hWnd was set during PreSubclassWindow
    int m_nMessagesBeforePre = 0; // messages that reached WindowProc before PreSubclassWindow
    int m_nMessages = 0;          // messages that reached WindowProc
    int m_nPostNcDestroy = 0;
    int m_nSetText = 0;
    bool m_bCreateSeen = false;

protected:
    void PreSubclassWindow() override
    {
        ++m_nPreSubclass;
        m_bCreatePath = AfxGetThreadState()->m_pWndInit == this;
        m_bHandleAtPre = m_hWnd != nullptr;
        m_nMessagesBeforePre = m_nMessages;
        CEdit::PreSubclassWindow();
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        ++m_nMessages;
        return CEdit::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override { ++m_nPostNcDestroy; }
    afx_msg int OnCreate(LPCREATESTRUCT lpcs)
    {
        m_bCreateSeen = true;
        return CEdit::OnCreate(lpcs);
    }
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam)
    {
        ++m_nSetText;
        return DefWindowProc(WM_SETTEXT, wParam, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBindProbe, CEdit)
    ON_WM_CREATE()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

class SubclassTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_OVERLAPPEDWINDOW, 0, 0, 300,
                                      200, nullptr, nullptr));
    }
    void TearDown() override { m_parent.DestroyWindow(); }
    HWND CreateRawEdit(UINT nID = ID_EDIT)
    {
        return ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, m_parent.m_hWnd,
                                 (HMENU)(UINT_PTR)nID, ::GetModuleHandleA(nullptr), nullptr);
    }
    CWnd m_parent;
};

TEST_F(SubclassTest, PreSubclassWindowOnceOnEachPath)
{
    const struct
    {
        const char* label;
        bool bCreate;
    } rows[] = {{"Create", true}, {"SubclassDlgItem", false}};
    for (const auto& row : rows) {
        CBindProbe edit;
        if (row.bCreate) {
            ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &m_parent, ID_EDIT))
                << row.label;
        } else {
            ASSERT_NE(nullptr, CreateRawEdit()) << row.label;
            ASSERT_TRUE(edit.SubclassDlgItem(ID_EDIT, &m_parent)) << row.label;
        }
        EXPECT_EQ(1, edit.m_nPreSubclass) << row.label;
        EXPECT_EQ(row.bCreate, edit.m_bCreatePath) << row.label;
        EXPECT_TRUE(edit.m_bHandleAtPre) << row.label;
        EXPECT_EQ(0, edit.m_nMessagesBeforePre) << row.label;
        // Only the create path sees WM_CREATE; both route later messages to the object.
        EXPECT_EQ(row.bCreate, edit.m_bCreateSeen) << row.label;
        edit.SetWindowText("x");
        EXPECT_EQ(1, edit.m_nSetText) << row.label;
        EXPECT_EQ(&edit, CWnd::FromHandlePermanent(edit.m_hWnd)) << row.label;
        EXPECT_EQ(nullptr, AfxGetThreadState()->m_pWndInit) << row.label;

        HWND hWnd = edit.m_hWnd;
        EXPECT_TRUE(edit.DestroyWindow()) << row.label;
        EXPECT_EQ(1, edit.m_nPostNcDestroy) << row.label;
        EXPECT_EQ(nullptr, edit.m_hWnd) << row.label;
        EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd)) << row.label;
    }
}

// A composite that builds a child control in its PreSubclassWindow, on either path.
class CComposite : public CWnd
{
public:
    CBindProbe m_child;
    bool m_bCreatePath = false;
    bool m_bChildMade = false;

protected:
    void PreSubclassWindow() override
    {
        m_bCreatePath = AfxGetThreadState()->m_pWndInit == this;
        m_bChildMade = m_child.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 20, 10), this, 7) != FALSE;
        CWnd::PreSubclassWindow();
    }
};

TEST_F(SubclassTest, ChildCreatedInsidePreSubclassWindow)
{
    const struct
    {
        const char* label;
        bool bCreate;
    } rows[] = {{"Create", true}, {"SubclassWindow", false}};
    for (const auto& row : rows) {
        CComposite composite;
        if (row.bCreate) {
            ASSERT_TRUE(
                composite.Create(nullptr, "c", WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 40), &m_parent, 1))
                << row.label;
        } else {
            HWND hWnd = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 80, 40,
                                          m_parent.m_hWnd, (HMENU)1, ::GetModuleHandleA(nullptr), nullptr);
            ASSERT_TRUE(composite.SubclassWindow(hWnd)) << row.label;
        }
        EXPECT_EQ(row.bCreate, composite.m_bCreatePath) << row.label;
        EXPECT_TRUE(composite.m_bChildMade) << row.label;
        // The child went through the create path itself and is bound.
        EXPECT_EQ(1, composite.m_child.m_nPreSubclass) << row.label;
        EXPECT_TRUE(composite.m_child.m_bCreatePath) << row.label;
        EXPECT_EQ(&composite.m_child, CWnd::FromHandlePermanent(composite.m_child.m_hWnd)) << row.label;
        EXPECT_EQ(&composite, CWnd::FromHandlePermanent(composite.m_hWnd)) << row.label;
        composite.DestroyWindow();
        EXPECT_EQ(nullptr, composite.m_child.m_hWnd) << row.label;
    }
}

TEST_F(SubclassTest, UnsubclassWindowGivesTheWindowBack)
{
    HWND hEdit = CreateRawEdit();
    const LONG_PTR pfnOriginal = ::GetWindowLongPtrA(hEdit, GWLP_WNDPROC);
    CBindProbe edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    EXPECT_EQ(hEdit, edit.UnsubclassWindow());
    EXPECT_EQ(pfnOriginal, ::GetWindowLongPtrA(hEdit, GWLP_WNDPROC));
    ::SetWindowTextA(hEdit, "after");
    EXPECT_EQ(0, edit.m_nSetText) << "the window no longer reaches the object";
    ::DestroyWindow(hEdit);
    EXPECT_EQ(0, edit.m_nPostNcDestroy);
}

// A WM_NCDESTROY handler that forgets the base class, and an object that
// deletes itself after its window is gone, as modeless windows do.
class CForgetfulWnd : public CWnd
{
public:
    int m_nNcDestroy = 0, m_nPostNcDestroy = 0;
    bool m_bSelfDelete = false;
    static int s_nAlive;
    CForgetfulWnd() { ++s_nAlive; }
    ~CForgetfulWnd() override { --s_nAlive; }

protected:
    afx_msg void OnNcDestroy() { ++m_nNcDestroy; }
    void PostNcDestroy() override
    {
        ++m_nPostNcDestroy;
        if (m_bSelfDelete)
            delete this;
    }
    DECLARE_MESSAGE_MAP()
};
int CForgetfulWnd::s_nAlive = 0;

BEGIN_MESSAGE_MAP(CForgetfulWnd, CWnd)
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

TEST_F(SubclassTest, UnbindsAtNcDestroyEvenWithoutTheBaseAndMayDeleteItself)
{
    CForgetfulWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, "w", WS_CHILD, CRect(0, 0, 10, 10), &m_parent, 1));
    HWND hWnd = wnd.m_hWnd;
    wnd.DestroyWindow();
    EXPECT_EQ(1, wnd.m_nNcDestroy);
    EXPECT_EQ(1, wnd.m_nPostNcDestroy);
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hWnd));

    CForgetfulWnd* pWnd = new CForgetfulWnd;
    pWnd->m_bSelfDelete = true;
    ASSERT_TRUE(pWnd->Create(nullptr, "w", WS_CHILD, CRect(0, 0, 10, 10), &m_parent, 1));
    EXPECT_EQ(2, CForgetfulWnd::s_nAlive);
    m_parent.DestroyWindow(); // the child goes through the window manager
    EXPECT_EQ(1, CForgetfulWnd::s_nAlive);
}

// Bound and temporary objects, windows and GDI objects come back to their
// counts; the temporaries live until the idle clean-up.
TEST_F(SubclassTest, NoLeakOverCyclesAndTemporariesLiveUntilDeleteTempMap)
{
    m_parent.ShowWindow(SW_SHOWNA); // so that the children paint
    MsgRecorder rec;
    rec.Watch(m_parent.m_hWnd, parent);
    rec.SetFilter([](const MsgRecord& r) { return r.message == WM_CTLCOLOREDIT; });
    PumpMessages();
    CWnd::DeleteTempMap();
    size_t nPerm0 = 0, nTemp = 0;
    AfxGetWndMapCounts(&nPerm0, &nTemp);
    const int nGdi0 = AfxLiteGdiObjectCount();
    const int nDc0 = AfxLiteDcCount();
    for (int i = 0; i < 100; ++i) {
        CBindProbe created;
        ASSERT_TRUE(created.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &m_parent, ID_EDIT)) << i;
        CBindProbe subclassed;
        ASSERT_TRUE(subclassed.SubclassWindow(CreateRawEdit(ID_EDIT + 1))) << i;
        // Painting asks the bound parent for colours: temporary CDC and CWnd wrappers.
        created.Invalidate();
        created.UpdateWindow();
        if (i % 2 == 0) {
            created.DestroyWindow();
            subclassed.DestroyWindow();
        } // else the destructors destroy the windows
    }
    HWND hRaw = CreateRawEdit();
    CWnd* pTemp = CWnd::FromHandle(hRaw);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hRaw)) << "the same object until cleaned";
    EXPECT_EQ(nullptr, CWnd::FromHandlePermanent(hRaw));
    EXPECT_EQ(&m_parent, pTemp->GetParent()) << "a bound window comes back as its object";
    AfxGetWndMapCounts(nullptr, &nTemp);
    EXPECT_GE(nTemp, 1u);
    PumpMessages();
    CWnd::DeleteTempMap();
    CDC::DeleteTempMap();
    size_t nPerm1 = 0;
    AfxGetWndMapCounts(&nPerm1, &nTemp);
    EXPECT_EQ(nPerm0, nPerm1);
    EXPECT_EQ(0u, nTemp);
    EXPECT_TRUE(::IsWindow(hRaw)) << "the window survives its temporary wrapper";
    int nChildren = 0;
    for (HWND h = ::GetWindow(m_parent.m_hWnd, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT))
        ++nChildren;
    EXPECT_EQ(1, nChildren);
    EXPECT_EQ(nGdi0, AfxLiteGdiObjectCount());
    EXPECT_EQ(nDc0, AfxLiteDcCount());
    EXPECT_GE(rec.Count(WM_CTLCOLOREDIT), 100u); // the cycles did paint
}

} // namespace
