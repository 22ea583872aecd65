// Dialogs from templates and data exchange: modal dialogs from the test
// resources driven by scripted keys through the modal loop, and the modal
// loop leaving temporaries alone.
#include "TestApp.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Scripted keyboard: a thread timer that, each time the queue runs empty,
// posts the next key to whichever window has the focus, as a user typing
// into the dialog would. In a script '\t', '\r' and '\x1b' are the Tab,
// Enter and Escape keys (WM_KEYDOWN); every other character is a WM_CHAR.
std::string g_script;
size_t g_nextStep = 0;
UINT_PTR g_scriptTimer = 0; // one script runs at a time

void CALLBACK ScriptTick(HWND, UINT, UINT_PTR id, DWORD)
{
    if (g_nextStep >= g_script.size()) {
        ::KillTimer(NULL, id);
        g_scriptTimer = 0;
        return;
    }
    HWND hFocus = ::GetFocus();
    if (hFocus == NULL)
        return; // the dialog has not taken the focus yet
    const char c = g_script[g_nextStep++];
    const bool bKey = c == '\t' || c == '\r' || c == '\x1b';
    const WPARAM vk = c == '\t' ? VK_TAB : c == '\r' ? VK_RETURN : VK_ESCAPE;
    ::PostMessageA(hFocus, bKey ? WM_KEYDOWN : WM_CHAR, bKey ? vk : (WPARAM)(BYTE)c, 0);
}

void StartScript(const char* keys)
{
    if (g_scriptTimer != 0)
        ::KillTimer(NULL, g_scriptTimer);
    g_script = keys;
    g_nextStep = 0;
    g_scriptTimer = ::SetTimer(NULL, 0, 1, ScriptTick);
}

// The data-entry dialog of the resources, with its name edit attached to an
// edit object of the test's own through DDX_Control.
class CTestEdit : public CEdit
{
public:
    int m_nPreSubclass = 0;
    bool m_bSubclassPath = false; // PreSubclassWindow came from subclassing, not Create
    std::string m_chars;          // characters that reached the object's message map

protected:
    void PreSubclassWindow() override
    {
        ++m_nPreSubclass;
        m_bSubclassPath = AfxGetThreadState()->m_pWndInit == nullptr;
        CEdit::PreSubclassWindow();
    }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        m_chars += static_cast<char>(nChar);
        CEdit::OnChar(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestEdit, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

class CEntryDlg : public CDialog
{
public:
    explicit CEntryDlg(CWnd* pParent = nullptr) : CDialog(IDD_TEST_ENTRY, pParent) {}

    CTestEdit m_editName;
    CString m_strName = "Ada";
    int m_nNumber = 3;
    int m_nCheck = 1;
    int m_nRadio = 1;
    int m_nEndInInit = 0; // non-zero: EndDialog with it from OnInitDialog
    std::string m_init;   // what OnInitDialog saw, after the base class filled the controls
    BOOL m_bOwnerEnabledInInit = TRUE;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_NAME, m_editName);
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDX_Text(pDX, IDC_NUMBER, m_nNumber);
        DDV_MinMaxInt(pDX, m_nNumber, 1, 10);
        DDX_Check(pDX, IDC_CHECK, m_nCheck);
        DDX_Radio(pDX, IDC_RADIO_A, m_nRadio);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        char name[64], number[64];
        ::GetDlgItemTextA(m_hWnd, IDC_NAME, name, sizeof(name));
        ::GetDlgItemTextA(m_hWnd, IDC_NUMBER, number, sizeof(number));
        m_init = std::string(name) + "," + number + "," +
                 (::IsDlgButtonChecked(m_hWnd, IDC_CHECK) == BST_CHECKED ? "checked" : "") + "," +
                 (::IsDlgButtonChecked(m_hWnd, IDC_RADIO_B) == BST_CHECKED ? "B" : "") +
                 (m_editName.m_hWnd == ::GetDlgItem(m_hWnd, IDC_NAME) ? ",bound" : "");
        if (HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER))
            m_bOwnerEnabledInInit = ::IsWindowEnabled(hOwner);
        if (m_nEndInInit != 0)
            EndDialog(m_nEndInInit);
        return TRUE;
    }
};

TEST(DialogTest, ModalDialogFilledFromMembersAndEndedByKeys)
{
    const struct
    {
        const char* label;
        const char* keys;
        INT_PTR result;
        const char* name;
        int number;
        const char* boxText; // the validation message answered with IDOK, if any
    } rows[] = {
        {"Enter accepts typed values", "Bob\t5\r", IDOK, "Bob", 5, nullptr},
        {"Escape leaves the members alone", "Zed\x1b", IDCANCEL, "Ada", 3, nullptr},
        {"out of range is refused, then corrected", "\t42\r7\r", IDOK, "Ada", 7,
         "Please enter an integer between 1 and 10."},
        {"not a number is refused, then corrected", "\tx1\r9\r", IDOK, "Ada", 9, "Please enter an integer."},
    };
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               200, 200, NULL, NULL));
    for (const auto& row : rows) {
        TestApp().ResetMessageBoxes();
        if (row.boxText != nullptr)
            TestApp().ExpectMessageBox(IDOK);
        CEntryDlg dlg(&owner);
        StartScript(row.keys);
        EXPECT_EQ(row.result, dlg.DoModal()) << row.label;
        EXPECT_EQ("Ada,3,checked,B,bound", dlg.m_init) << row.label;
        EXPECT_EQ(1, dlg.m_editName.m_nPreSubclass) << row.label;
        EXPECT_TRUE(dlg.m_editName.m_bSubclassPath) << row.label;
        EXPECT_FALSE(dlg.m_bOwnerEnabledInInit) << row.label << ": the owner is disabled while modal";
        EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd)) << row.label;
        EXPECT_STREQ(row.name, dlg.m_strName) << row.label;
        EXPECT_EQ(row.number, dlg.m_nNumber) << row.label;
        EXPECT_EQ(g_script.size(), g_nextStep) << row.label << ": keys left over";
        ASSERT_EQ(row.boxText ? 1u : 0u, TestApp().MessageBoxes().size()) << row.label;
        if (row.boxText != nullptr) {
            EXPECT_EQ(row.boxText, TestApp().MessageBoxes()[0].text) << row.label;
        }
        if (row.result == IDOK) {
            // Typed characters went through the attached object; the rest saved back.
            EXPECT_EQ(row.name == std::string("Ada") ? "" : row.name, dlg.m_editName.m_chars) << row.label;
            EXPECT_EQ(1, dlg.m_nCheck) << row.label;
            EXPECT_EQ(1, dlg.m_nRadio) << row.label;
        }
        // Window gone, objects unbound.
        EXPECT_EQ(nullptr, dlg.m_hWnd) << row.label;
        EXPECT_EQ(nullptr, dlg.m_editName.m_hWnd) << row.label;
    }
    owner.DestroyWindow();

    CEntryDlg ended;
    ended.m_nEndInInit = 42;
    EXPECT_EQ(42, ended.DoModal()) << "EndDialog from OnInitDialog skips the loop";
    CDialog missing(9999u);
    EXPECT_EQ(-1, missing.DoModal()) << "no such template";
}

// A handler may keep FromHandle results across DoModal: the modal loop's idle
// (seen here at its first WM_KICKIDLE) leaves temporaries alone, as MFC's
// does; only the thread's top-level idle frees them.
TEST(DialogTest, ModalLoopKeepsTemporaryWrappers)
{
    struct CIdleDlg : CEntryDlg
    {
        size_t m_nTempAtIdle = 0;
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == 0x036A /* WM_KICKIDLE */) {
                size_t nPerm = 0;
                AfxGetWndMapCounts(&nPerm, &m_nTempAtIdle);
                EndDialog(IDOK);
                return FALSE;
            }
            return CEntryDlg::WindowProc(message, wParam, lParam);
        }
    } dlg;
    HWND hPlain = ::CreateWindowA("STATIC", "", 0, 0, 0, 10, 10, NULL, NULL, NULL, NULL);
    TestApp().OnIdle(0);
    CWnd* pTemp = CWnd::FromHandle(hPlain);
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_GE(dlg.m_nTempAtIdle, 1u);
    EXPECT_EQ(pTemp, CWnd::FromHandle(hPlain));
    TestApp().OnIdle(0);
    size_t nPerm = 0, nTemp = 0;
    AfxGetWndMapCounts(&nPerm, &nTemp);
    EXPECT_EQ(0u, nTemp);
    ::DestroyWindow(hPlain);
}

} // namespace
