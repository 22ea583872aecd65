// Tests of dialogs and data exchange: modal dialogs from the test resources
// driven by scripted keys through the modal loop, and a modeless dialog with
// keyboard navigation through the dialog manager.
#include "TestApp.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

// ---------------------------------------------------------------------------
// Scripted keyboard: a thread timer that, each time the queue runs empty,
// posts the next key or character to whichever window has the focus, as a
// user typing into the dialog would.

struct KeyStep
{
    UINT message; // WM_CHAR or WM_KEYDOWN
    WPARAM wParam;
};

std::vector<KeyStep> g_script;
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
    const KeyStep& step = g_script[g_nextStep++];
    ::PostMessageA(hFocus, step.message, step.wParam, 0);
}

void StartScript(std::vector<KeyStep> steps)
{
    if (g_scriptTimer != 0)
        ::KillTimer(NULL, g_scriptTimer);
    g_script = std::move(steps);
    g_nextStep = 0;
    g_scriptTimer = ::SetTimer(NULL, 0, 1, ScriptTick);
}

std::vector<KeyStep> Type(const char* text)
{
    std::vector<KeyStep> steps;
    for (const char* p = text; *p; ++p)
        steps.push_back({WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(*p))});
    return steps;
}

KeyStep Key(WPARAM vk)
{
    return {WM_KEYDOWN, vk};
}

std::vector<KeyStep> operator+(std::vector<KeyStep> a, const std::vector<KeyStep>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<KeyStep> operator+(std::vector<KeyStep> a, KeyStep b)
{
    a.push_back(b);
    return a;
}

std::vector<KeyStep> operator+(KeyStep a, const std::vector<KeyStep>& b)
{
    return std::vector<KeyStep>{a} + b;
}

// ---------------------------------------------------------------------------
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

    // Seen by OnInitDialog, after the base class filled the controls.
    std::string m_initName;
    std::string m_initNumber;
    bool m_initChecked = false;
    bool m_initRadioB = false;
    bool m_initNameBound = false;
    HWND m_hWndOwnerSeen = NULL;
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
        char buf[64];
        ::GetDlgItemTextA(m_hWnd, IDC_NAME, buf, sizeof(buf));
        m_initName = buf;
        ::GetDlgItemTextA(m_hWnd, IDC_NUMBER, buf, sizeof(buf));
        m_initNumber = buf;
        m_initChecked = ::IsDlgButtonChecked(m_hWnd, IDC_CHECK) == BST_CHECKED;
        m_initRadioB = ::IsDlgButtonChecked(m_hWnd, IDC_RADIO_B) == BST_CHECKED;
        m_initNameBound = m_editName.m_hWnd == ::GetDlgItem(m_hWnd, IDC_NAME);
        m_hWndOwnerSeen = ::GetWindow(m_hWnd, GW_OWNER);
        if (m_hWndOwnerSeen != NULL)
            m_bOwnerEnabledInInit = ::IsWindowEnabled(m_hWndOwnerSeen);
        if (m_nEndInInit != 0)
            EndDialog(m_nEndInInit);
        return TRUE;
    }
};

TEST(DialogTest, ModalDialogFillsControlsAndAttachesTheEdit)
{
    CEntryDlg dlg;
    StartScript({Key(VK_ESCAPE)});
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ("Ada", dlg.m_initName);
    EXPECT_EQ("3", dlg.m_initNumber);
    EXPECT_TRUE(dlg.m_initChecked);
    EXPECT_TRUE(dlg.m_initRadioB);
    EXPECT_TRUE(dlg.m_initNameBound);
    EXPECT_EQ(1, dlg.m_editName.m_nPreSubclass);
    EXPECT_TRUE(dlg.m_editName.m_bSubclassPath);
    // Window gone, objects unbound.
    EXPECT_EQ(nullptr, dlg.m_hWnd);
    EXPECT_EQ(nullptr, dlg.m_editName.m_hWnd);
}

TEST(DialogTest, ModalDialogEndedByKeys)
{
    struct Row
    {
        const char* label;
        std::vector<KeyStep> keys;
        int boxesExpected; // scripted IDOK answers for validation messages
        INT_PTR result;
        const char* name;
        int number;
        const char* boxText; // text of the validation message, if any
    };
    const Row rows[] = {
        {"Enter accepts typed values", Type("Bob") + Key(VK_TAB) + Type("5") + Key(VK_RETURN), 0, IDOK, "Bob",
         5, nullptr},
        {"Escape leaves the members alone", Type("Zed") + Key(VK_ESCAPE), 0, IDCANCEL, "Ada", 3, nullptr},
        {"out of range is refused, then corrected",
         Key(VK_TAB) + Type("42") + Key(VK_RETURN) + Type("7") + Key(VK_RETURN), 1, IDOK, "Ada", 7,
         "Please enter an integer between 1 and 10."},
        {"not a number is refused, then corrected",
         Key(VK_TAB) + Type("x1") + Key(VK_RETURN) + Type("9") + Key(VK_RETURN), 1, IDOK, "Ada", 9,
         "Please enter an integer."},
    };
    for (const Row& row : rows) {
        TestApp().ResetMessageBoxes();
        for (int i = 0; i < row.boxesExpected; ++i)
            TestApp().ExpectMessageBox(IDOK);
        CEntryDlg dlg;
        StartScript(row.keys);
        EXPECT_EQ(row.result, dlg.DoModal()) << row.label;
        EXPECT_STREQ(row.name, dlg.m_strName) << row.label;
        EXPECT_EQ(row.number, dlg.m_nNumber) << row.label;
        EXPECT_EQ(g_script.size(), g_nextStep) << row.label << ": keys left over";
        const auto& boxes = TestApp().MessageBoxes();
        ASSERT_EQ(static_cast<size_t>(row.boxesExpected), boxes.size()) << row.label;
        if (row.boxText != nullptr) {
            EXPECT_EQ(row.boxText, boxes[0].text) << row.label;
        }
        if (row.result == IDOK) {
            // Saved back from the controls the load had set.
            EXPECT_EQ(1, dlg.m_nCheck) << row.label;
            EXPECT_EQ(1, dlg.m_nRadio) << row.label;
        }
    }
}

TEST(DialogTest, TypedCharactersPassThroughTheAttachedEdit)
{
    CEntryDlg dlg;
    StartScript(Type("Eve") + Key(VK_RETURN));
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_EQ("Eve", dlg.m_editName.m_chars);
    EXPECT_STREQ("Eve", dlg.m_strName);
}

TEST(DialogTest, ModalDialogDisablesItsOwnerUntilItEnds)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               200, 200, NULL, NULL));
    CEntryDlg dlg(&owner);
    StartScript({Key(VK_ESCAPE)});
    EXPECT_EQ(IDCANCEL, dlg.DoModal());
    EXPECT_EQ(owner.m_hWnd, dlg.m_hWndOwnerSeen);
    EXPECT_FALSE(dlg.m_bOwnerEnabledInInit);
    EXPECT_TRUE(::IsWindowEnabled(owner.m_hWnd));
    owner.DestroyWindow();
}

TEST(DialogTest, DoModalReturnsEarlyOrFails)
{
    CEntryDlg ended;
    ended.m_nEndInInit = 42;
    EXPECT_EQ(42, ended.DoModal()) << "EndDialog from OnInitDialog skips the loop";
    EXPECT_EQ(nullptr, ended.m_hWnd);

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

// ---------------------------------------------------------------------------
// Modeless dialog.

class CTabsDlg : public CDialog
{
public:
    CString m_strFirst = "one";

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_FIRST, m_strFirst); }
};

int FocusId()
{
    return ::GetDlgCtrlID(::GetFocus());
}

void PostToFocus(UINT message, WPARAM wParam)
{
    ::PostMessageA(::GetFocus(), message, wParam, 0);
    CTestApp::PumpPending();
}

TEST(DialogTest, ModelessTabMovesThroughTheTabStops)
{
    CTabsDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_TABS));
    dlg.ShowWindow(SW_SHOW);
    CTestApp::PumpPending();
    ASSERT_EQ(IDC_FIRST, FocusId()) << "the first tab stop gets the focus";
    char buf[16];
    ::GetDlgItemTextA(dlg.m_hWnd, IDC_FIRST, buf, sizeof(buf));
    EXPECT_STREQ("one", buf);

    // The label between the edits takes no focus; the buttons do; it wraps.
    const int expected[] = {IDC_SECOND, IDC_THIRD, IDOK, IDCANCEL, IDC_FIRST};
    for (int id : expected) {
        PostToFocus(WM_KEYDOWN, VK_TAB);
        EXPECT_EQ(id, FocusId()) << "Tab towards control " << id;
    }
    dlg.DestroyWindow();
}

TEST(DialogTest, ModelessNavigationHelpersAndDefaultButton)
{
    CTabsDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_TABS));
    dlg.ShowWindow(SW_SHOW);
    CTestApp::PumpPending();

    dlg.GotoDlgCtrl(CWnd::FromHandle(::GetDlgItem(dlg.m_hWnd, IDC_THIRD)));
    EXPECT_EQ(IDC_THIRD, FocusId());
    dlg.PrevDlgCtrl();
    EXPECT_EQ(IDC_SECOND, FocusId());
    dlg.NextDlgCtrl();
    EXPECT_EQ(IDC_THIRD, FocusId());

    EXPECT_EQ(MAKELONG(IDOK, DC_HASDEFID), static_cast<LONG>(dlg.GetDefID()));
    dlg.SetDefID(IDCANCEL);
    EXPECT_EQ(IDCANCEL, LOWORD(dlg.GetDefID()));

    // Enter now means Cancel: the dialog hides without saving.
    dlg.GotoDlgCtrl(CWnd::FromHandle(::GetDlgItem(dlg.m_hWnd, IDC_FIRST)));
    PostToFocus(WM_CHAR, 'x');
    PostToFocus(WM_KEYDOWN, VK_RETURN);
    EXPECT_FALSE(::IsWindowVisible(dlg.m_hWnd));
    EXPECT_STREQ("one", dlg.m_strFirst);
    dlg.DestroyWindow();
}

TEST(DialogTest, ModelessEnterSavesThroughOnOK)
{
    CTabsDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_TABS));
    dlg.ShowWindow(SW_SHOW);
    CTestApp::PumpPending();
    ASSERT_EQ(IDC_FIRST, FocusId());
    PostToFocus(WM_CHAR, 'h');
    PostToFocus(WM_CHAR, 'i');
    PostToFocus(WM_KEYDOWN, VK_RETURN);
    EXPECT_STREQ("hi", dlg.m_strFirst);
    EXPECT_FALSE(::IsWindowVisible(dlg.m_hWnd));
    dlg.DestroyWindow();
}

// ---------------------------------------------------------------------------
// Exchange of the other value types, through UpdateData on a modeless dialog.

class CValuesDlg : public CDialog
{
public:
    enum Kind
    {
        kUint,
        kLong,
        kInt,
        kDouble,
        kMaxChars
    };
    Kind m_kind = kUint;
    UINT m_u = 0;
    long m_l = 0;
    int m_n = 0;
    double m_d = 0;
    CString m_str;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        switch (m_kind) {
        case kUint:
            DDX_Text(pDX, IDC_SECOND, m_u);
            break;
        case kLong:
            DDX_Text(pDX, IDC_SECOND, m_l);
            break;
        case kInt:
            DDX_Text(pDX, IDC_SECOND, m_n);
            break;
        case kDouble:
            DDX_Text(pDX, IDC_SECOND, m_d);
            break;
        case kMaxChars:
            DDX_Text(pDX, IDC_SECOND, m_str);
            DDV_MaxChars(pDX, m_str, 3);
            break;
        }
    }
};

TEST(DialogTest, UpdateDataParsesAndRefusesValues)
{
    struct Row
    {
        const char* label;
        CValuesDlg::Kind kind;
        const char* text;
        const char* boxText; // null: accepted
    };
    const Row rows[] = {
        {"unsigned", CValuesDlg::kUint, "42", nullptr},
        {"negative unsigned", CValuesDlg::kUint, "-1", "Please enter a positive integer."},
        {"long with blanks", CValuesDlg::kLong, " -7 ", nullptr},
        {"int too large", CValuesDlg::kInt, "99999999999", "Please enter an integer."},
        {"int with trailing letter", CValuesDlg::kInt, "12a", "Please enter an integer."},
        {"double", CValuesDlg::kDouble, "2.5", nullptr},
        {"double with junk", CValuesDlg::kDouble, "2.5x", "Please enter a number."},
        {"short enough", CValuesDlg::kMaxChars, "abc", nullptr},
        {"too long", CValuesDlg::kMaxChars, "abcd", "Please enter no more than 3 characters."},
    };
    CValuesDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TEST_TABS));
    dlg.ShowWindow(SW_SHOW);
    HWND hEdit = ::GetDlgItem(dlg.m_hWnd, IDC_SECOND);
    for (const Row& row : rows) {
        TestApp().ResetMessageBoxes();
        dlg.m_kind = row.kind;
        ::SetWindowTextA(hEdit, row.text);
        ::SetFocus(::GetDlgItem(dlg.m_hWnd, IDC_FIRST));
        if (row.boxText != nullptr)
            TestApp().ExpectMessageBox(IDOK);
        BOOL bOK = dlg.UpdateData(TRUE);
        EXPECT_EQ(row.boxText == nullptr, bOK != FALSE) << row.label;
        if (row.boxText != nullptr) {
            ASSERT_EQ(1u, TestApp().MessageBoxes().size()) << row.label;
            EXPECT_EQ(row.boxText, TestApp().MessageBoxes()[0].text) << row.label;
            // The refused control gets the focus with its text selected.
            EXPECT_EQ(hEdit, ::GetFocus()) << row.label;
            DWORD start = 0, end = 0;
            ::SendMessageA(hEdit, EM_GETSEL, (WPARAM)&start, (LPARAM)&end);
            EXPECT_EQ(0u, start) << row.label;
            EXPECT_EQ(strlen(row.text), end) << row.label;
        }
    }
    EXPECT_EQ(42u, dlg.m_u);
    EXPECT_EQ(-7L, dlg.m_l);
    EXPECT_EQ(2.5, dlg.m_d);
    EXPECT_STREQ("abcd", dlg.m_str) << "DDV checks after DDX stored the value";

    // Loading writes the values back in their usual notation.
    dlg.m_kind = CValuesDlg::kDouble;
    dlg.m_d = 0.1;
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    char buf[32];
    ::GetWindowTextA(hEdit, buf, sizeof(buf));
    EXPECT_STREQ("0.1", buf);
    dlg.m_kind = CValuesDlg::kMaxChars;
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(3u, static_cast<UINT>(::SendMessageA(hEdit, EM_GETLIMITTEXT, 0, 0)));
    dlg.DestroyWindow();
}

} // namespace
