// MaskedRichEditTest.cpp: the same key, paste and text scripts run through a
// CMaskedEdit and a CMaskedRichEdit attached to a dialog; both must end with
// the text, selection, beeps and notifications worked out for the row. The
// rich variant must never send itself EM_SCROLLCARET.
#include "MaskedTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <type_traits>

namespace {

const char kDate[] = "##/##";

// What a script reaches: the control, its dialog and the mode setters.
struct Ctx
{
    CWnd& ctl;
    CMaskedTestDlg& dlg;
    std::function<void(bool)> insertMode, autoTab;
    std::function<void(char)> prompt;
    void Paste(const char* text)
    {
        ASSERT_TRUE(SetClipboardText(dlg.m_hWnd, text));
        ctl.SendMessage(WM_PASTE);
    }
    void Sentinel() { SetClipboardText(dlg.m_hWnd, "sentinel"); }
    std::string Clip() { return ClipboardText(dlg.m_hWnd); }
    void FocusLeft() { EXPECT_NE(ctl.m_hWnd, ::GetFocus()) << "auto-tab"; }
};

struct ScriptRow // data: SetInputData before the script
{
    const char *label, *mask, *data;
    int selStart, selEnd;
    void (*act)(Ctx&);
    const char* text; // '/' stands for the locale's date separator
    int caretStart, caretEnd, beeps;
    const char* ours; // EN_UPDATE/EN_CHANGE from the masked logic
};

// clang-format off
const ScriptRow kRows[] = {
    {"typing 1 2 3 fills ###", "###", "", 0, 0, [](Ctx& c) { Type(c.ctl, "123"); }, "123", 3, 3, 0, "UCUCUCUCUCUC"},
    {"letter on a digit beeps", "###", "12", 2, 2, [](Ctx& c) { Type(c.ctl, "x"); }, "12 ", 2, 2, 1, "UCUCUC"},
    {"before a literal beeps and moves on", kDate, "12", 2, 2, [](Ctx& c) { Type(c.ctl, "5"); }, "12/  ", 3, 3, 1, ""},
    {"DEL is refused", "&&", "", 0, 0, [](Ctx& c) { Type(c.ctl, "\x7f"); }, "  ", 0, 0, 1, "UCUCUC"},
    {"a high byte is taken", "&&", "", 0, 0, [](Ctx& c) { Type(c.ctl, "\xff"); }, "\xff ", 1, 1, 0, "UCUC"},
    {"overwrite replaces", "###", "123", 1, 1, [](Ctx& c) { c.insertMode(false); Type(c.ctl, "9"); }, "193", 2, 2, 0, "UC"},
    {"overwrite refuses a letter", "###", "123", 1, 1, [](Ctx& c) { c.insertMode(false); Type(c.ctl, "x"); }, "123", 1, 1, 1, "UC"},
    {"overwrite types over a selection", "###", "123", 0, 2, [](Ctx& c) { c.insertMode(false); Type(c.ctl, "9"); }, "93 ", 1, 1, 0, "UCUCUC"},
    {"insert shifts across the literal", kDate, "1234", 0, 0, [](Ctx& c) { Type(c.ctl, "9"); }, "91/23", 1, 1, 0, "UCUC"},
    {"selection replaced by typing", kDate, "1234", 1, 4, [](Ctx& c) { Type(c.ctl, "9"); }, "19/4 ", 3, 3, 0, "UCUCUC"},
    {"refused insert after the selection went", kDate, "1234", 1, 4, [](Ctx& c) { Type(c.ctl, "x"); }, "14/  ", 1, 1, 1, "UCUCUCUC"},
    {"literal-only selection beeps", kDate, "1234", 2, 3, [](Ctx& c) { Type(c.ctl, "5"); }, "12/34", 3, 3, 1, "UC"},
    {"backspace after a literal", kDate, "1234", 3, 3, [](Ctx& c) { Type(c.ctl, "\b"); }, "13/4 ", 1, 1, 0, "UCUCUC"},
    {"backspace at 0 does nothing", kDate, "1234", 0, 0, [](Ctx& c) { Type(c.ctl, "\b"); }, "12/34", 0, 0, 0, ""},
    {"backspace over a selection", kDate, "1234", 1, 4, [](Ctx& c) { Type(c.ctl, "\b"); }, "14/  ", 1, 1, 0, "UCUC"},
    {"backspace over a literal", kDate, "1234", 2, 3, [](Ctx& c) { Type(c.ctl, "\b"); }, "13/4 ", 1, 1, 0, "UCUCUC"},
    {"delete before a literal", kDate, "1234", 2, 2, [](Ctx& c) { KeyDown(c.ctl, VK_DELETE); }, "12/4 ", 3, 3, 0, "UCUCUC"},
    {"delete over a selection", kDate, "1234", 1, 4, [](Ctx& c) { KeyDown(c.ctl, VK_DELETE); }, "14/  ", 1, 1, 0, "UCUC"},
    {"delete over a literal", kDate, "1234", 2, 3, [](Ctx& c) { KeyDown(c.ctl, VK_DELETE); }, "12/4 ", 3, 3, 0, "UCUCUC"},
    {"delete at the end", kDate, "1234", 5, 5, [](Ctx& c) { KeyDown(c.ctl, VK_DELETE); }, "12/34", 5, 5, 0, ""},
    {"delete after the last input", "#-", "1", 1, 1, [](Ctx& c) { KeyDown(c.ctl, VK_DELETE); }, "1-", 0, 0, 0, "UC"},
    {"shift+delete deletes, no cut", kDate, "1234", 0, 0, [](Ctx& c) { c.Sentinel(); KeyDown(c.ctl, VK_DELETE, VK_SHIFT); EXPECT_EQ("sentinel", c.Clip()); }, "23/4 ", 0, 0, 0, "UCUC"},
    {"right moves to the next input", kDate, "1234", 1, 1, [](Ctx& c) { KeyDown(c.ctl, VK_RIGHT); }, "12/34", 3, 3, 0, ""},
    {"down moves to the next input", "#--#", "12", 1, 1, [](Ctx& c) { KeyDown(c.ctl, VK_DOWN); }, "1--2", 3, 3, 0, ""},
    {"left goes after the input before", "#--#", "12", 3, 3, [](Ctx& c) { KeyDown(c.ctl, VK_LEFT); }, "1--2", 1, 1, 0, ""},
    {"up goes after the input before", "#--#", "12", 2, 2, [](Ctx& c) { KeyDown(c.ctl, VK_UP); }, "1--2", 1, 1, 0, ""},
    {"home goes to the first input", "(###)", "", 3, 3, [](Ctx& c) { KeyDown(c.ctl, VK_HOME); }, "(   )", 1, 1, 0, ""},
    {"end goes to the end", "(###)", "", 1, 1, [](Ctx& c) { KeyDown(c.ctl, VK_END); }, "(   )", 5, 5, 0, ""},
    {"shift+right only extends", kDate, "1234", 1, 1, [](Ctx& c) { KeyDown(c.ctl, VK_RIGHT, VK_SHIFT); }, "12/34", 1, 2, 0, ""},
    {"shift+home only extends", "(###)", "", 3, 3, [](Ctx& c) { KeyDown(c.ctl, VK_HOME, VK_SHIFT); }, "(   )", 0, 3, 0, ""},
    {"auto-tab by typing", "###", "12", 2, 2, [](Ctx& c) { c.autoTab(true); Type(c.ctl, "3"); c.FocusLeft(); }, "123", 0, 0, 0, "UCUC"},
    {"auto-tab by right", "##", "12", 1, 1, [](Ctx& c) { c.autoTab(true); KeyDown(c.ctl, VK_RIGHT); c.FocusLeft(); }, "12", 2, 2, 0, ""},
    {"auto-tab by home without input", "ab", "", 1, 1, [](Ctx& c) { c.autoTab(true); KeyDown(c.ctl, VK_HOME); c.FocusLeft(); }, "ab", 0, 0, 0, ""},
    {"insert toggles to overwrite", "###", "12", 0, 0, [](Ctx& c) { KeyDown(c.ctl, VK_INSERT); Type(c.ctl, "9"); }, "92 ", 1, 1, 0, "UC"},
    {"shift+insert toggles, no paste", "###", "12", 0, 0, [](Ctx& c) { SetClipboardText(c.dlg.m_hWnd, "77"); KeyDown(c.ctl, VK_INSERT, VK_SHIFT); Type(c.ctl, "9"); }, "92 ", 1, 1, 0, "UC"},
    {"ctrl+insert toggles, no copy", "###", "12", 0, 2, [](Ctx& c) { c.Sentinel(); KeyDown(c.ctl, VK_INSERT, VK_CONTROL); EXPECT_EQ("sentinel", c.Clip()); SetSel(c.ctl, 0, 0); Type(c.ctl, "9"); }, "92 ", 1, 1, 0, "UC"},
    {"focus arriving with all selected", "(###)", "12", 0, 0, [](Ctx& c) { c.dlg.GetDlgItem(IDC_MASKED_NEXT)->SetFocus(); SetSel(c.ctl, 0, 5); c.ctl.SetFocus(); }, "(12 )", 1, 1, 0, ""},
    {"a click enters an empty field at its first input", "(###)", "", 3, 3, [](Ctx& c) { c.dlg.GetDlgItem(IDC_MASKED_NEXT)->SetFocus(); c.ctl.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 5)); c.ctl.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(60, 5)); EXPECT_EQ(c.ctl.m_hWnd, ::GetFocus()); }, "(   )", 1, 1, 0, ""},
    {"prompt symbol refreshes", "###", "12", 0, 0, [](Ctx& c) { c.prompt('_'); }, "12_", 0, 0, 0, "UC"},
    {"refused prompt refreshes too", "###", "12", 0, 0, [](Ctx& c) { c.prompt('\n'); }, "12 ", 0, 0, 0, "UC"},
    {"paste with literals", kDate, "", 0, 0, [](Ctx& c) { c.Paste("12/34"); }, "12/34", 5, 5, 0, "UCUC"},
    {"paste of only literals", kDate, "12", 0, 0, [](Ctx& c) { c.Paste("//"); }, "12/  ", 3, 3, 0, "UCUC"},
    {"paste after the first input", kDate, "1", 1, 1, [](Ctx& c) { c.Paste("23"); }, "12/3 ", 4, 4, 0, "UCUC"},
    {"cut puts the literals back", kDate, "1234", 1, 4, [](Ctx& c) { c.Sentinel(); c.ctl.SendMessage(WM_CUT); EXPECT_EQ(Text(c.ctl).substr(2, 1), c.Clip().substr(1, 1)); EXPECT_EQ("23", c.Clip().erase(1, 1)); }, "14/  ", 1, 1, 0, "UCUC"},
    {"clear puts the literals back", kDate, "1234", 1, 4, [](Ctx& c) { c.Sentinel(); c.ctl.SendMessage(WM_CLEAR); EXPECT_EQ("sentinel", c.Clip()); }, "14/  ", 1, 1, 0, "UCUC"},
    {"copy copies the shown text", kDate, "1234", 0, 5, [](Ctx& c) { c.ctl.SendMessage(WM_COPY); EXPECT_EQ(Text(c.ctl), c.Clip()); }, "12/34", 0, 5, 0, ""},
    {"outside text in bare form", kDate, "", 0, 0, [](Ctx& c) { ::SetWindowTextA(c.ctl.m_hWnd, "1234"); }, "12/34", 0, 0, 0, "U"},
    {"outside text in shown form", kDate, "", 0, 0, [](Ctx& c) { ::SetWindowTextA(c.ctl.m_hWnd, ("12" + Text(c.ctl).substr(2, 1) + "34").c_str()); }, "12/34", 0, 0, 0, "U"},
    {"outside text, a space literal", "## ##", "", 0, 0, [](Ctx& c) { ::SetWindowTextA(c.ctl.m_hWnd, "12 34"); }, "12 34", 0, 0, 0, "U"},
    {"no input positions", "abc", "", 0, 0, [](Ctx& c) { Type(c.ctl, "1"); }, "abc", 3, 3, 1, ""},
};
// clang-format on

struct Outcome
{
    std::string text;
    std::pair<int, int> sel;
    int beeps;
    std::string ours;
    std::vector<UINT> received;
};

template <class TProbe> Outcome RunRow(const ScriptRow& row)
{
    TProbe ctl(row.mask);
    CMaskedTestDlg dlg;
    const int id = std::is_same<TProbe, CEditProbe>::value ? IDC_MASKED_EDIT : IDC_MASKED_RICH;
    dlg.m_attach.push_back({id, &ctl});
    Outcome out = {};
    if (!dlg.Open())
        return ADD_FAILURE() << "dialog not created", out;
    ctl.SetFocus();
    ctl.SetInputData(row.data, 0, true);
    SetSel(ctl, row.selStart, row.selEnd);
    dlg.m_notes.clear();
    ctl.m_nBeeps = 0;
    ctl.m_received.clear();
    Ctx ctx{ctl, dlg, [&ctl](bool b) { ctl.SetInsertMode(b); }, [&ctl](bool b) { ctl.SetAutoTab(b); },
            [&ctl](char p) { ctl.SetPromptSymbol(p); }};
    row.act(ctx);
    Pump();
    out = {Text(ctl), Sel(ctl), ctl.m_nBeeps, dlg.Ours(id), ctl.m_received};
    dlg.DestroyWindow();
    return out;
}

TEST(MaskedScripts, EditAndRichEditAgreeWithTheRules)
{
    const char chDate = CEditProbe("/").ShowMask()[0];
    size_t editScrolls = 0;
    for (const ScriptRow& row : kRows) {
        std::string text(row.text);
        std::replace(text.begin(), text.end(), '/', chDate);
        const Outcome edit = RunRow<CEditProbe>(row);
        const Outcome rich = RunRow<CRichProbe>(row);
        for (const Outcome* o : {&edit, &rich}) {
            const char* kind = o == &edit ? "edit: " : "rich: ";
            EXPECT_EQ(text, o->text) << kind << row.label;
            EXPECT_EQ(std::make_pair(row.caretStart, row.caretEnd), o->sel) << kind << row.label;
            EXPECT_EQ(row.beeps, o->beeps) << kind << row.label;
            EXPECT_EQ(row.ours, o->ours) << kind << row.label;
        }
        EXPECT_EQ(0, std::count(rich.received.begin(), rich.received.end(), UINT(EM_SCROLLCARET)))
            << row.label;
        editScrolls += std::count(edit.received.begin(), edit.received.end(), UINT(EM_SCROLLCARET));
    }
    EXPECT_GT(editScrolls, 0u); // the plain edit does send it, so the count above can see one
}

} // namespace
