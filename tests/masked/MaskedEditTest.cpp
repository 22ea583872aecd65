// MaskedEditTest.cpp: CMaskedEdit under Wine: the model through the control
// without a window, the locale's separators, the run-time class records,
// showing the mask when created or subclassed, auto-tab, the focus-loss
// protocol with the parent, the empty-mask and read-only modes, the mouse
// rule and bad input.
#include "MaskedTestSupport.h"
#include "RestrictedEdit.h"

#include <gtest/gtest.h>

namespace {

// Restores the user's separators however the test ends.
class LocaleOverride
{
public:
    LocaleOverride()
    {
        for (int i = 0; i < 4; ++i)
            ::GetLocaleInfoA(LOCALE_USER_DEFAULT, kTypes[i], m_saved[i], sizeof(m_saved[i]));
    }
    ~LocaleOverride()
    {
        for (int i = 0; i < 4; ++i)
            ::SetLocaleInfoA(LOCALE_USER_DEFAULT, kTypes[i], m_saved[i]);
    }
    static constexpr LCTYPE kTypes[4] = {LOCALE_SDECIMAL, LOCALE_STHOUSAND, LOCALE_STIME, LOCALE_SDATE};

private:
    char m_saved[4][16] = {};
};
constexpr LCTYPE LocaleOverride::kTypes[4];

char LocaleFirst(LCTYPE type)
{
    char buf[16] = {};
    return ::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buf, sizeof(buf)) > 0 ? buf[0] : '?';
}

TEST(MaskedEdit, SeparatorsComeFromTheUserLocale)
{
    LocaleOverride restore;
    // Separators unlike the defaults; the date one is two characters long,
    // of which only the first counts.
    ASSERT_TRUE(::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, ","));
    ASSERT_TRUE(::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, "'"));
    ASSERT_TRUE(::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STIME, "."));
    ASSERT_TRUE(::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDATE, "-."));
    ASSERT_EQ(',', LocaleFirst(LOCALE_SDECIMAL)) << "the locale did not change";
    ASSERT_EQ('-', LocaleFirst(LOCALE_SDATE));
    CEditProbe edit(".,:/");
    EXPECT_EQ(',', edit.m_chDecimalSep);
    EXPECT_EQ('-', edit.m_chDateSep);
    // Whatever the locale reports for these two (Wine derives the time
    // separator from the time format): its first character.
    EXPECT_EQ(LocaleFirst(LOCALE_STHOUSAND), edit.m_chThousandSep);
    EXPECT_EQ(LocaleFirst(LOCALE_STIME), edit.m_chTimeSep);
    EXPECT_EQ(4, edit.ShowMask().GetLength());
    // The separators were read once: the mask compiled later uses the same.
    ::SetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, ";");
    edit.SetMask("#.#");
    EXPECT_STREQ(" , ", edit.ShowMask());
}

TEST(MaskedEdit, ModelWorksWithoutAWindow)
{
    CEditProbe edit("##/##");
    const std::string sep(1, edit.m_chDateSep);
    EXPECT_TRUE(edit.SetInputData("1234", 0, true));
    EXPECT_EQ("12" + sep + "34", std::string(edit.ShowMask()));
    EXPECT_STREQ("1234", edit.GetInputData());
    EXPECT_EQ(2, edit.RPtoLP(3));
    EXPECT_EQ(0, edit.InsertAt(0, '9'));
    EXPECT_EQ("91" + sep + "23", std::string(edit.ShowMask()));
    EXPECT_EQ(1, edit.DeleteRange(0, 1));
    EXPECT_FALSE(edit.IsInputEmpty());
    edit.EmptyData(true);
    EXPECT_TRUE(edit.IsInputEmpty());
    edit.EmptyData(false);
    EXPECT_STREQ("", edit.GetMask());
    // No mask and no window: no text to read.
    EXPECT_STREQ("", edit.GetInputData());
    EXPECT_TRUE(edit.IsInputEmpty());
    EXPECT_EQ(nullptr, edit.GetSafeHwnd());
}

TEST(MaskedEdit, DefaultsOfTheModes)
{
    CEditProbe edit;
    EXPECT_TRUE(edit.GetInsertMode());
    EXPECT_FALSE(edit.GetAutoTab());
    EXPECT_EQ(' ', edit.GetPromptSymbol());
    EXPECT_EQ(0, edit.m_nInternalUpdate);
    EXPECT_EQ(TRUE, edit.m_bNotifyChange);
    EXPECT_EQ(0, edit.m_listMask.GetCount());
}

struct ClassRow
{
    const char* name;
    CRuntimeClass* pClass;
    CRuntimeClass* pBase;
    bool creatable;
};

TEST(MaskedEdit, RunTimeClasses)
{
    const ClassRow rows[] = {
        {"CMaskedEdit", RUNTIME_CLASS(CMaskedEdit), RUNTIME_CLASS(CEdit), false},
        {"CMaskedRichEdit", RUNTIME_CLASS(CMaskedRichEdit), RUNTIME_CLASS(CRichEditCtrl), false},
        {"CRestrictedEdit", RUNTIME_CLASS(CRestrictedEdit), RUNTIME_CLASS(CEdit), true},
    };
    for (const ClassRow& row : rows) {
        EXPECT_STREQ(row.name, row.pClass->m_lpszClassName);
        EXPECT_EQ(0xFFFFu, row.pClass->m_wSchema) << row.name;
        EXPECT_EQ(row.pBase, row.pClass->m_pfnGetBaseClass()) << row.name;
        EXPECT_EQ(row.creatable, row.pClass->m_pfnCreateObject != nullptr) << row.name;
    }
    CObject* pObject = RUNTIME_CLASS(CRestrictedEdit)->CreateObject();
    ASSERT_NE(nullptr, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CEdit)));
    delete pObject;
    CMaskedEdit edit = "##/##"; // the mask converts implicitly, as hosts declare members
    EXPECT_EQ(RUNTIME_CLASS(CMaskedEdit), edit.GetRuntimeClass());
    EXPECT_EQ("##/##", std::string(edit.GetMask()));
}

// A dialog host with a masked edit, a masked rich edit and the next field.
struct Host
{
    CEditProbe edit;
    CRichProbe rich;
    CEdit next;
    CMaskedTestDlg dlg;
    explicit Host(const char* editMask, const char* richMask = "##")
    {
        edit.SetMask(editMask);
        rich.SetMask(richMask);
        dlg.m_attach = {{IDC_MASKED_EDIT, &edit}, {IDC_MASKED_RICH, &rich}, {IDC_MASKED_NEXT, &next}};
        EXPECT_TRUE(dlg.Open());
    }
    ~Host()
    {
        if (dlg.GetSafeHwnd() != nullptr)
            dlg.DestroyWindow();
    }
};

TEST(MaskedEdit, SubclassingShowsTheMask)
{
    Host host("(###)");
    EXPECT_EQ("(   )", Text(host.edit));
    EXPECT_NE(0, host.edit.SendMessage(EM_GETMODIFY)) << "the refresh sets the modified flag";
    EXPECT_EQ("  ", Text(host.rich));
}

TEST(MaskedEdit, CreateShowsTheMaskOnce)
{
    Host host("#");
    CEditProbe created("##/##");
    host.dlg.m_notes.clear();
    ASSERT_TRUE(created.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 80, 20), &host.dlg, 4200));
    EXPECT_EQ(5u, Text(created).size());
    // One refresh: Create's; the subclassing step stays out of it.
    EXPECT_EQ("UC", host.dlg.Ours(4200));
    EXPECT_EQ(std::make_pair(0, 0), Sel(created));
    created.DestroyWindow();
}

TEST(MaskedEdit, SetMaskAndPromptClearTheModifiedFlag)
{
    Host host("###");
    host.edit.SetInputData("1", 0, true);
    EXPECT_NE(0, host.edit.SendMessage(EM_GETMODIFY));
    host.edit.SetPromptSymbol('_');
    EXPECT_EQ(0, host.edit.SendMessage(EM_GETMODIFY));
    EXPECT_EQ("1__", Text(host.edit));
    host.edit.SetInputData("12", 0, true);
    host.edit.SetMask("##");
    EXPECT_EQ(0, host.edit.SendMessage(EM_GETMODIFY));
    EXPECT_EQ("__", Text(host.edit));
}

TEST(MaskedEdit, SetInputDataNotifiesUpdateThenChange)
{
    Host host("##/##");
    host.dlg.m_notes.clear();
    host.edit.SetInputData("1234", 0, true);
    EXPECT_EQ("UC", host.dlg.Ours(IDC_MASKED_EDIT));
    host.dlg.m_notes.clear();
    host.edit.EmptyData(false);
    EXPECT_EQ("", Text(host.edit));
    // Without a mask the refresh's text is plain edit text: no notification of ours.
    EXPECT_EQ("", host.dlg.Ours(IDC_MASKED_EDIT));
}

TEST(MaskedEdit, AutoTabMovesTheFocusAfterTheLastPosition)
{
    for (bool autoTab : {true, false}) {
        Host host("###");
        host.edit.SetAutoTab(autoTab);
        host.edit.SetFocus();
        Type(host.edit, "123");
        EXPECT_EQ("123", Text(host.edit));
        if (autoTab) {
            // The next tab stop after the edit is the rich edit.
            EXPECT_EQ(host.rich.m_hWnd, ::GetFocus());
        } else {
            EXPECT_EQ(host.edit.m_hWnd, ::GetFocus());
            EXPECT_EQ(std::make_pair(3, 3), Sel(host.edit));
        }
    }
}

TEST(MaskedEdit, FocusLossAskedOfTheParent)
{
    Host host("##/##");
    host.edit.SetInputData("1234", 0, true);
    host.edit.SetFocus();
    host.dlg.m_notes.clear();
    host.dlg.m_bAnswer = true;
    host.dlg.m_bAccept = 0;
    host.dlg.m_nCaretPos = 2;
    host.next.SetFocus();
    Pump();
    const std::vector<ParentNote> asked = host.dlg.Notifies();
    ASSERT_EQ(1u, asked.size());
    EXPECT_EQ(static_cast<UINT>(IDC_MASKED_EDIT), asked[0].id);
    EXPECT_EQ(host.edit.m_hWnd, asked[0].nm.hdr.hwndFrom);
    EXPECT_EQ(static_cast<UINT_PTR>(IDC_MASKED_EDIT), asked[0].nm.hdr.idFrom);
    EXPECT_EQ(0x8136u, asked[0].nm.hdr.code);
    EXPECT_EQ(1, asked[0].nm.bAccept);
    EXPECT_EQ(1, asked[0].nm.bValidate);
    EXPECT_EQ(0, asked[0].nm.wReserved);
    EXPECT_EQ(0, asked[0].nm.nCaretPos);
    // Refused: the focus comes back, one beep, the caret on the first input
    // position at or after 2.
    EXPECT_EQ(host.edit.m_hWnd, ::GetFocus());
    EXPECT_EQ(1, host.edit.m_nBeeps);
    EXPECT_EQ(std::make_pair(3, 3), Sel(host.edit));
    EXPECT_EQ(0, host.edit.m_nValidateCalls);
}

struct ValidateRow
{
    const char* label;
    BYTE bValidate;
    int ownAnswer;
    bool keepsFocus;
    int validateCalls;
};

TEST(MaskedEdit, FocusLossAndOnValidate)
{
    const ValidateRow rows[] = {
        {"OnValidate accepts", 1, TRUE, false, 1},
        {"OnValidate refuses", 1, FALSE, true, 1},
        {"parent skips OnValidate", 0, FALSE, false, 0},
    };
    for (const ValidateRow& row : rows) {
        Host host("###");
        host.edit.SetFocus();
        host.dlg.m_bAnswer = true;
        host.dlg.m_bValidate = row.bValidate;
        host.edit.m_nValidateAnswer = row.ownAnswer;
        host.next.SetFocus();
        Pump();
        EXPECT_EQ(row.keepsFocus ? host.edit.m_hWnd : host.next.m_hWnd, ::GetFocus()) << row.label;
        EXPECT_EQ(row.validateCalls, host.edit.m_nValidateCalls) << row.label;
        EXPECT_EQ(row.keepsFocus ? 1 : 0, host.edit.m_nBeeps) << row.label;
    }
}

TEST(MaskedEdit, EmptyMaskIsAPlainEdit)
{
    Host host("");
    host.next.SetFocus();
    host.dlg.m_notes.clear();
    host.edit.SetWindowText("abc");
    EXPECT_EQ("abc", Text(host.edit));
    EXPECT_EQ("", host.dlg.Ours(IDC_MASKED_EDIT));
    SetSel(host.edit, 3, 3);
    Type(host.edit, "d\b\bx");
    EXPECT_EQ("abx", Text(host.edit));
    EXPECT_EQ(0, host.edit.m_nBeeps);
    EXPECT_STREQ("abx", host.edit.GetInputData());
    EXPECT_FALSE(host.edit.IsInputEmpty());
    // Focus arriving with everything selected collapses the selection to 0.
    host.next.SetFocus();
    SetSel(host.edit, 0, -1);
    host.edit.SetFocus();
    EXPECT_EQ(std::make_pair(0, 0), Sel(host.edit));
    // With auto-tab there is no input position to stop at: the focus moves on.
    host.edit.SetAutoTab(true);
    host.next.SetFocus();
    SetSel(host.edit, 0, -1);
    host.edit.SetFocus();
    EXPECT_EQ(host.rich.m_hWnd, ::GetFocus());
}

TEST(MaskedEdit, ReadOnlyShowsOutsideTextUnparsed)
{
    CEditProbe ro("##/##");
    CMaskedTestDlg dlg;
    dlg.m_attach = {{IDC_MASKED_READONLY, &ro}};
    ASSERT_TRUE(dlg.Open());
    EXPECT_EQ(5u, Text(ro).size());
    ro.SetWindowText("hello");
    EXPECT_EQ("hello", Text(ro));
    ro.SetFocus();
    SetSel(ro, 0, 0);
    Type(ro, "5\b");
    KeyDown(ro, VK_DELETE);
    EXPECT_EQ("hello", Text(ro));
    EXPECT_EQ(0, ro.m_nBeeps);
    dlg.DestroyWindow();
}

TEST(MaskedEdit, ClickIntoAnEmptyFieldGoesToTheFirstInput)
{
    Host host("(###)");
    host.next.SetFocus();
    host.edit.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 5));
    host.edit.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(60, 5));
    EXPECT_EQ(host.edit.m_hWnd, ::GetFocus());
    EXPECT_EQ(std::make_pair(1, 1), Sel(host.edit));
}

TEST(MaskedEdit, PastingOneMegabyte)
{
    Host host("##/##", "##/##");
    // The edit takes what fits its limit of the pasted megabyte. Wine's rich
    // edit pastes in time that grows faster than the text (100 000
    // characters take half a minute), so it gets 40 000 characters, still
    // more than its documented default limit.
    const std::pair<CWnd*, size_t> cases[] = {{&host.edit, 1u << 20}, {&host.rich, 40000}};
    for (const auto& c : cases) {
        CWnd* ctl = c.first;
        ASSERT_TRUE(SetClipboardText(host.dlg.m_hWnd, std::string(c.second, '7')));
        SetSel(*ctl, 0, 0);
        ctl->SendMessage(WM_PASTE);
        const std::string text = Text(*ctl);
        ASSERT_EQ(5u, text.size());
        EXPECT_EQ("7777", text.substr(0, 2) + text.substr(3));
    }
}

TEST(MaskedEdit, TypingEveryByte)
{
    Host host("&&&&");
    host.edit.SetFocus();
    const char prompt = host.edit.GetPromptSymbol();
    for (int b = 0; b < 256; ++b) {
        if (b == 0x98) {
            // Wine 8's edit control crashes on any text holding 0x98 (a plain
            // SetWindowTextA does it too), so this byte is typed into a
            // field without a window: the records take it all the same.
            CEditProbe offline("&&&&");
            EXPECT_EQ(0, offline.InsertAt(0, '\x98'));
            EXPECT_EQ('\x98', offline.ShowMask()[0]);
            continue;
        }
        host.edit.EmptyData(true);
        SetSel(host.edit, 0, 0);
        host.edit.m_nBeeps = 0;
        host.edit.SendMessage(WM_CHAR, b, 1);
        const std::string text = Text(host.edit);
        ASSERT_EQ(4u, text.size()) << "byte " << b;
        const bool taken = (b >= 0x20 && b < 0x7F) || b >= 0x80;
        if (taken && b != static_cast<unsigned char>(prompt)) {
            EXPECT_EQ(static_cast<char>(b), text[0]) << "byte " << b;
            EXPECT_EQ(0, host.edit.m_nBeeps) << "byte " << b;
        } else if (b == 0x7F) {
            EXPECT_EQ(std::string(4, prompt), text) << "byte " << b;
            EXPECT_EQ(1, host.edit.m_nBeeps) << "byte " << b;
        }
    }
}

} // namespace
