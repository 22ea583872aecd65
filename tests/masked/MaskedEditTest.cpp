// MaskedEditTest.cpp: CMaskedEdit under Wine: the locale's separators,
// showing the mask when created or subclassed, the modified flag and the
// notifications of the operations, the focus-loss protocol with the parent,
// the empty-mask and read-only modes, the mouse rule and one large paste;
// and CRestrictedEdit's filter of typed characters (Ctrl held through the
// keyboard state).
#include "MaskedTestSupport.h"
#include "RestrictedEdit.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

TEST(MaskedEdit, SeparatorsComeFromTheUserLocale)
{
    // Unlike the defaults; of a two-character separator only the first counts.
    const LCTYPE types[4] = {LOCALE_SDECIMAL, LOCALE_STHOUSAND, LOCALE_STIME, LOCALE_SDATE};
    const char* const set[4] = {",", "'", ".", "-."};
    char saved[4][16] = {}, now[4][16] = {}; // Wine derives some separators from other settings
    for (int i = 0; i < 4; ++i) {
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, types[i], saved[i], sizeof(saved[i]));
        ::SetLocaleInfoA(LOCALE_USER_DEFAULT, types[i], set[i]);
        ::GetLocaleInfoA(LOCALE_USER_DEFAULT, types[i], now[i], sizeof(now[i]));
    }
    CEditProbe edit(".,:/");
    const std::string shown(edit.ShowMask());
    ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, ";");
    edit.SetMask("#.#"); // the separators were read once, at construction
    for (int i = 0; i < 4; ++i)
        ::SetLocaleInfoA(LOCALE_USER_DEFAULT, types[i], saved[i]);
    ASSERT_STREQ(",", now[0]) << "the locale did not change";
    EXPECT_EQ(std::string({',', now[1][0], now[2][0], '-'}), shown);
    EXPECT_STREQ(" , ", edit.ShowMask());
}

// A dialog host with a masked edit (or the read-only item), a masked rich
// edit and the next field.
struct Host
{
    CEditProbe edit;
    CRichProbe rich;
    CEdit next;
    CMaskedTestDlg dlg;
    explicit Host(const char* editMask, const char* richMask = "##", int editId = IDC_MASKED_EDIT)
    {
        edit.SetMask(editMask);
        rich.SetMask(richMask);
        dlg.m_attach = {{editId, &edit}, {IDC_MASKED_RICH, &rich}, {IDC_MASKED_NEXT, &next}};
        EXPECT_TRUE(dlg.Open());
    }
    ~Host() { dlg.DestroyWindow(); }
};

TEST(MaskedEdit, ShowingTheMaskAndTheModifiedFlag)
{
    Host host("(###)");
    EXPECT_EQ("(   )", Text(host.edit)); // subclassed
    EXPECT_EQ("  ", Text(host.rich));
    EXPECT_NE(0, host.edit.SendMessage(EM_GETMODIFY)) << "the refresh sets the modified flag";

    CEditProbe created("##/##");
    host.dlg.m_notes.clear();
    ASSERT_TRUE(created.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), &host.dlg, 4200));
    EXPECT_EQ(5u, Text(created).size());
    EXPECT_EQ("UC", host.dlg.Ours(4200)) << "one refresh: Create's, not the subclassing's too";
    created.DestroyWindow();
}

struct ValidateRow
{
    const char *label, *mask;
    int editId;
    BYTE bAccept, bValidate; // the parent's answer
    int ownAnswer, keepsFocus, validateCalls;
};

TEST(MaskedEdit, FocusLossAskedOfTheParent)
{
    const ValidateRow rows[] = {
        {"parent refuses", "##/##", IDC_MASKED_EDIT, 0, 1, TRUE, true, 0},
        {"OnValidate accepts", "###", IDC_MASKED_EDIT, 1, 1, TRUE, false, 1},
        {"OnValidate refuses", "###", IDC_MASKED_EDIT, 1, 1, FALSE, true, 1},
        {"parent skips OnValidate", "###", IDC_MASKED_EDIT, 1, 0, FALSE, false, 0},
        {"empty mask: still asked", "", IDC_MASKED_EDIT, 0, 1, TRUE, true, 0},
        {"read-only: still asked", "###", IDC_MASKED_READONLY, 1, 1, FALSE, true, 1},
    };
    for (const ValidateRow& row : rows) {
        Host host(row.mask, "##", row.editId);
        host.edit.SetFocus();
        host.dlg.m_notes.clear();
        host.dlg.m_bAccept = row.bAccept;
        host.dlg.m_bValidate = row.bValidate;
        host.dlg.m_nCaretPos = 2;
        host.edit.m_nValidateAnswer = row.ownAnswer;
        host.next.SetFocus();
        Pump();
        std::vector<ParentNote> asked;
        std::copy_if(host.dlg.m_notes.begin(), host.dlg.m_notes.end(), std::back_inserter(asked),
                     [](const ParentNote& n) { return n.message == WM_NOTIFY; });
        ASSERT_EQ(1u, asked.size()) << row.label;
        const NMMASKEDIT& nm = asked[0].nm;
        EXPECT_EQ(UINT(row.editId), asked[0].id) << row.label;
        EXPECT_TRUE(nm.hdr.hwndFrom == host.edit.m_hWnd && nm.hdr.idFrom == UINT_PTR(row.editId) &&
                    nm.hdr.code == 0x8136u && nm.bAccept == 1 && nm.bValidate == 1 && nm.nCaretPos == 0)
            << row.label;
        EXPECT_EQ(row.keepsFocus ? host.edit.m_hWnd : host.next.m_hWnd, ::GetFocus()) << row.label;
        EXPECT_EQ(row.validateCalls, host.edit.m_nValidateCalls) << row.label;
        EXPECT_EQ(row.keepsFocus ? 1 : 0, host.edit.m_nBeeps) << row.label;
        const int caret = row.mask[2] == '/' ? 3 : 2; // the first input position at or after 2
        if (row.keepsFocus && row.mask[0] == '#') {
            EXPECT_EQ(std::make_pair(caret, caret), Sel(host.edit)) << row.label;
        }
    }
}

TEST(MaskedEdit, EmptyMaskAndReadOnlyArePlainEdits)
{
    Host host("");
    host.dlg.m_notes.clear();
    host.edit.SetWindowText("abc");
    EXPECT_EQ("", host.dlg.Ours(IDC_MASKED_EDIT));
    SetSel(host.edit, 3, 3);
    Type(host.edit, "d\b\bx");
    EXPECT_EQ("abx", Text(host.edit));
    EXPECT_STREQ("abx", host.edit.GetInputData());
    EXPECT_FALSE(host.edit.IsInputEmpty());
    // With auto-tab there is no input position to stop at: the focus moves on.
    host.edit.SetAutoTab(true);
    host.next.SetFocus();
    SetSel(host.edit, 0, -1);
    host.edit.SetFocus();
    EXPECT_EQ(host.rich.m_hWnd, ::GetFocus());

    Host ro("##/##", "##", IDC_MASKED_READONLY);
    EXPECT_EQ(5u, Text(ro.edit).size());
    ro.edit.SetWindowText("hello");
    ro.edit.SetFocus();
    SetSel(ro.edit, 0, 0);
    Type(ro.edit, "5\b");
    KeyDown(ro.edit, VK_DELETE);
    EXPECT_EQ("hello", Text(ro.edit));
    EXPECT_EQ(0, host.edit.m_nBeeps + ro.edit.m_nBeeps);
}

TEST(MaskedEdit, PastingALargeText)
{
    // Wine's rich edit pastes in time that grows faster than the text, so it
    // gets 40 000 characters, still more than its default limit.
    Host host("##/##", "##/##");
    const std::pair<CWnd*, size_t> cases[] = {{&host.edit, 1u << 20}, {&host.rich, 40000}};
    for (const auto& c : cases) {
        ASSERT_TRUE(SetClipboardText(host.dlg.m_hWnd, std::string(c.second, '7')));
        SetSel(*c.first, 0, 0);
        c.first->SendMessage(WM_PASTE);
        EXPECT_EQ("77" + Text(*c.first).substr(2, 1) + "77", Text(*c.first));
    }
}

// Records the characters that reach the edit's own processing.
class CRestrictedProbe : public CRestrictedEdit
{
public:
    std::string m_passed;
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CHAR)
            m_passed += static_cast<char>(wParam);
        return CRestrictedEdit::DefWindowProc(message, wParam, lParam);
    }
};

struct FilterRow // valid, invalid: the lists set (unless null), invalid last unless validLast
{
    const char *label, *valid, *invalid;
    bool validLast;
    const char* typed;
    bool ctrl;
    const char* passed;
};

TEST(RestrictedEdit, FiltersTypedCharacters)
{
    const FilterRow rows[] = {
        {"digits pass", "0123456789", nullptr, false,
         "a1-2\x1b"
         "3",
         false, "123"},
        {"Tab, CR, LF and Backspace pass an allowed list", "5", nullptr, false, "x\t\r\n\b", false,
         "\t\r\n\b"},
        {"empty allowed list: only the controls pass", "", nullptr, false, "ab\b", false, "\b"},
        {"refused list, case-sensitive", nullptr, "abc", false, "abcABCd\b", false, "ABCd\b"},
        {"the refused list empties the allowed one", "0123456789", "x", false, "x1a", false, "1a"},
        {"the allowed list empties the refused one", "12", "1", true, "1a", false, "1"},
        {"no list: everything passes", nullptr, nullptr, false, "x1!", false, "x1!"},
        {"ctrl+V dropped without Ctrl", "0123456789", nullptr, false, "\x16", false, ""},
        {"ctrl+V passes with Ctrl held", "0123456789", nullptr, false, "\x16", true, "\x16"},
    };
    for (const FilterRow& row : rows) {
        CRestrictedProbe edit;
        for (int i = 0; i < 2; ++i) {
            if ((i == 0) != row.validLast && row.valid != nullptr)
                edit.SetValidChars(row.valid);
            else if ((i == 0) == row.validLast && row.invalid != nullptr)
                edit.SetInvalidChars(row.invalid);
        }
        CMaskedTestDlg dlg;
        dlg.m_attach = {{IDC_RESTRICTED, &edit}};
        ASSERT_TRUE(dlg.Open());
        HoldKey(VK_CONTROL, row.ctrl);
        Type(edit, row.typed);
        HoldKey(VK_CONTROL, false);
        EXPECT_EQ(row.passed, edit.m_passed) << row.label;
        if (&row == rows) { // pasting and outside text are not filtered
            edit.SetWindowText("abc");
            ASSERT_TRUE(SetClipboardText(dlg.m_hWnd, "xyz"));
            SetSel(edit, 3, 3);
            edit.SendMessage(WM_PASTE);
            EXPECT_EQ("abcxyz", Text(edit));
        }
        dlg.DestroyWindow();
    }
}

} // namespace
