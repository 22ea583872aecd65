// RestrictedEditTest.cpp: CRestrictedEdit attached to a dialog item, typed
// into with WM_CHAR (Ctrl held through the keyboard state), pasted into and
// set from outside.
#include "MaskedTestSupport.h"
#include "RestrictedEdit.h"

#include <gtest/gtest.h>

namespace {

class CRestrictedProbe : public CRestrictedEdit
{
public:
    using CRestrictedEdit::m_strInvalidChars;
    using CRestrictedEdit::m_strValidChars;
};

struct FilterRow
{
    const char* label;
    enum
    {
        Valid,
        Invalid,
        None
    } list;
    const char* chars;
    const char* typed;
    bool ctrl;
    const char* kept; // what reaches the edit (Backspace, Tab, CR and LF do not add text)
};

TEST(RestrictedEdit, FiltersTypedCharacters)
{
    const FilterRow rows[] = {
        {"digits: digits pass", FilterRow::Valid, "0123456789",
         "a1-2\x1b"
         "3",
         false, "123"},
        {"digits: backspace reaches the edit", FilterRow::Valid, "0123456789", "12\b", false, "1"},
        {"empty valid list: letters dropped", FilterRow::Valid, "", "ab\b", false, ""},
        {"empty invalid list: everything passes", FilterRow::Invalid, "", "aZ-9", false, "aZ-9"},
        {"invalid abc: case-sensitive", FilterRow::Invalid, "abc", "abcABCd", false, "ABCd"},
        {"invalid abc: backspace passes", FilterRow::Invalid, "abc", "dd\b", false, "d"},
        {"no list: everything passes", FilterRow::None, "", "x1!", false, "x1!"},
        {"ctrl+V character dropped without ctrl", FilterRow::Valid, "0123456789", "\x16", false, ""},
        {"ctrl+V character passes with ctrl held", FilterRow::Valid, "0123456789", "\x16", true, "pasted"},
    };
    for (const FilterRow& row : rows) {
        CRestrictedProbe edit;
        CMaskedTestDlg dlg;
        dlg.m_attach = {{IDC_RESTRICTED, &edit}};
        ASSERT_TRUE(dlg.Open());
        if (row.list == FilterRow::Valid)
            edit.SetValidChars(row.chars);
        else if (row.list == FilterRow::Invalid)
            edit.SetInvalidChars(row.chars);
        ASSERT_TRUE(SetClipboardText(dlg.m_hWnd, "pasted"));
        if (row.ctrl)
            HoldKey(VK_CONTROL, true);
        Type(edit, row.typed);
        if (row.ctrl)
            HoldKey(VK_CONTROL, false);
        EXPECT_EQ(row.kept, Text(edit)) << row.label;
        dlg.DestroyWindow();
    }
}

TEST(RestrictedEdit, ListsReplaceEachOther)
{
    CRestrictedProbe edit;
    edit.SetValidChars("12");
    EXPECT_STREQ("12\t\r\n\b", edit.m_strValidChars);
    EXPECT_STREQ("", edit.m_strInvalidChars);
    edit.SetInvalidChars("xy");
    EXPECT_STREQ("xy", edit.m_strInvalidChars);
    EXPECT_STREQ("", edit.m_strValidChars);
    edit.SetValidChars(nullptr);
    EXPECT_STREQ("\t\r\n\b", edit.m_strValidChars);
    edit.SetInvalidChars(nullptr);
    EXPECT_STREQ("", edit.m_strInvalidChars);
}

TEST(RestrictedEdit, PasteAndOutsideTextAreNotFiltered)
{
    CRestrictedProbe edit;
    CMaskedTestDlg dlg;
    dlg.m_attach = {{IDC_RESTRICTED, &edit}};
    ASSERT_TRUE(dlg.Open());
    edit.SetValidChars("0123456789");
    edit.SetWindowText("abc");
    EXPECT_EQ("abc", Text(edit));
    ASSERT_TRUE(SetClipboardText(dlg.m_hWnd, "xyz"));
    SetSel(edit, 3, 3);
    edit.SendMessage(WM_PASTE);
    EXPECT_EQ("abcxyz", Text(edit));
    dlg.DestroyWindow();
}

} // namespace
