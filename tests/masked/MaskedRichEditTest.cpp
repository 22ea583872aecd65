// MaskedRichEditTest.cpp: the same key, paste and text scripts run through a
// CMaskedEdit and a CMaskedRichEdit attached to a dialog; both must end with
// the text, selection, beeps and notifications worked out for the row. The
// rich variant must never send itself EM_SCROLLCARET.
#include "MaskedTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <type_traits>

namespace {

const char kDate[] = "##/##";

// The insert mode of either control.
struct InsertMode
{
    std::function<bool()> get;
    std::function<void(bool)> set;
};

struct ScriptRow
{
    const char* label;
    const char* mask;
    const char* data; // SetInputData before the script
    int selStart, selEnd;
    void (*act)(CWnd& ctl, InsertMode& mode, CMaskedTestDlg& dlg);
    const char* text; // '/' stands for the locale's date separator
    int caretStart, caretEnd;
    int beeps;
    const char* ours; // EN_UPDATE/EN_CHANGE from the masked logic
};

void Chars123(CWnd& c, InsertMode&, CMaskedTestDlg&)
{
    Type(c, "123");
}
void CharX(CWnd& c, InsertMode&, CMaskedTestDlg&)
{
    Type(c, "x");
}
void Char5(CWnd& c, InsertMode&, CMaskedTestDlg&)
{
    Type(c, "5");
}
void Char9(CWnd& c, InsertMode&, CMaskedTestDlg&)
{
    Type(c, "9");
}
void Char1(CWnd& c, InsertMode&, CMaskedTestDlg&)
{
    Type(c, "1");
}
void Overwrite9(CWnd& c, InsertMode& m, CMaskedTestDlg&)
{
    m.set(false);
    Type(c, "9");
}
void Backspace(CWnd& c, InsertMode&, CMaskedTestDlg&)
{
    Type(c, "\b");
}
void Delete(CWnd& c, InsertMode&, CMaskedTestDlg&)
{
    KeyDown(c, VK_DELETE);
}
void Right(CWnd& c, InsertMode&, CMaskedTestDlg&)
{
    KeyDown(c, VK_RIGHT);
}
void Left(CWnd& c, InsertMode&, CMaskedTestDlg&)
{
    KeyDown(c, VK_LEFT);
}
void Home(CWnd& c, InsertMode&, CMaskedTestDlg&)
{
    KeyDown(c, VK_HOME);
}
void ShiftRight(CWnd& c, InsertMode&, CMaskedTestDlg&)
{
    HoldKey(VK_SHIFT, true);
    KeyDown(c, VK_RIGHT);
    HoldKey(VK_SHIFT, false);
}
void ShiftHome(CWnd& c, InsertMode&, CMaskedTestDlg&)
{
    HoldKey(VK_SHIFT, true);
    KeyDown(c, VK_HOME);
    HoldKey(VK_SHIFT, false);
}
void ShiftDelete(CWnd& c, InsertMode&, CMaskedTestDlg& d)
{
    SetClipboardText(d.m_hWnd, "sentinel");
    HoldKey(VK_SHIFT, true);
    KeyDown(c, VK_DELETE);
    HoldKey(VK_SHIFT, false);
    EXPECT_EQ("sentinel", ClipboardText(d.m_hWnd)) << "Shift+Delete copied";
}
void InsertThen9(CWnd& c, InsertMode&, CMaskedTestDlg&)
{
    KeyDown(c, VK_INSERT);
    Type(c, "9");
}
void ShiftInsertThen9(CWnd& c, InsertMode&, CMaskedTestDlg& d)
{
    SetClipboardText(d.m_hWnd, "77");
    HoldKey(VK_SHIFT, true);
    KeyDown(c, VK_INSERT);
    HoldKey(VK_SHIFT, false);
    Type(c, "9");
}
void CtrlInsert(CWnd& c, InsertMode& m, CMaskedTestDlg& d)
{
    SetClipboardText(d.m_hWnd, "sentinel");
    HoldKey(VK_CONTROL, true);
    KeyDown(c, VK_INSERT);
    HoldKey(VK_CONTROL, false);
    EXPECT_EQ("sentinel", ClipboardText(d.m_hWnd)) << "Ctrl+Insert copied";
    EXPECT_FALSE(m.get());
}
void Paste(CWnd& c, const char* text, CMaskedTestDlg& d)
{
    ASSERT_TRUE(SetClipboardText(d.m_hWnd, text));
    c.SendMessage(WM_PASTE);
}
void PasteDate(CWnd& c, InsertMode&, CMaskedTestDlg& d)
{
    Paste(c, "12/34", d);
}
void PasteLiterals(CWnd& c, InsertMode&, CMaskedTestDlg& d)
{
    Paste(c, "//", d);
}
void Cut(CWnd& c, InsertMode&, CMaskedTestDlg& d)
{
    SetClipboardText(d.m_hWnd, "sentinel");
    c.SendMessage(WM_CUT);
    const std::string clip = ClipboardText(d.m_hWnd); // "2", the date separator, "3"
    EXPECT_EQ(3u, clip.size());
    EXPECT_EQ("23", clip.substr(0, 1) + clip.substr(2));
}
void Clear(CWnd& c, InsertMode&, CMaskedTestDlg& d)
{
    SetClipboardText(d.m_hWnd, "sentinel");
    c.SendMessage(WM_CLEAR);
    EXPECT_EQ("sentinel", ClipboardText(d.m_hWnd));
}
void Copy(CWnd& c, InsertMode&, CMaskedTestDlg& d)
{
    SetClipboardText(d.m_hWnd, "sentinel");
    c.SendMessage(WM_COPY);
    EXPECT_EQ(Text(c), ClipboardText(d.m_hWnd));
}
void SetTextBare(CWnd& c, InsertMode&, CMaskedTestDlg&)
{
    ::SetWindowTextA(c.m_hWnd, "1234");
}
void SetTextShown(CWnd& c, InsertMode&, CMaskedTestDlg&)
{
    // The display form with this locale's date separator.
    const std::string shown = Text(c).substr(2, 1);
    ::SetWindowTextA(c.m_hWnd, ("12" + shown + "34").c_str());
}

const ScriptRow kRows[] = {
    {"typing 1 2 3 fills ###", "###", "", 0, 0, Chars123, "123", 3, 3, 0, "UCUCUCUCUCUC"},
    {"letter on a digit beeps", "###", "12", 2, 2, CharX, "12 ", 2, 2, 1, "UCUCUC"},
    {"before a literal beeps and moves on", kDate, "12", 2, 2, Char5, "12/  ", 3, 3, 1, ""},
    {"overwrite replaces", "###", "123", 1, 1, Overwrite9, "193", 2, 2, 0, "UC"},
    {"insert shifts across the literal", kDate, "1234", 0, 0, Char9, "91/23", 1, 1, 0, "UCUC"},
    {"backspace after a literal", kDate, "1234", 3, 3, Backspace, "13/4 ", 1, 1, 0, "UCUCUC"},
    {"backspace at 0 does nothing", kDate, "1234", 0, 0, Backspace, "12/34", 0, 0, 0, ""},
    {"delete before a literal", kDate, "1234", 2, 2, Delete, "12/4 ", 3, 3, 0, "UCUCUC"},
    {"literal-only selection beeps", kDate, "1234", 2, 3, Char5, "12/34", 3, 3, 1, "UC"},
    {"selection replaced by typing", kDate, "1234", 1, 4, Char9, "19/4 ", 3, 3, 0, "UCUCUC"},
    {"right moves to the next input", kDate, "1234", 1, 1, Right, "12/34", 3, 3, 0, ""},
    {"left goes after the input before", "#--#", "12", 3, 3, Left, "1--2", 1, 1, 0, ""},
    {"home goes to the first input", "(###)", "", 3, 3, Home, "(   )", 1, 1, 0, ""},
    {"shift+right only extends", kDate, "1234", 1, 1, ShiftRight, "12/34", 1, 2, 0, ""},
    {"shift+home only extends", "(###)", "", 3, 3, ShiftHome, "(   )", 0, 3, 0, ""},
    {"shift+delete deletes", kDate, "1234", 0, 0, ShiftDelete, "23/4 ", 0, 0, 0, "UCUC"},
    {"insert toggles to overwrite", "###", "12", 0, 0, InsertThen9, "92 ", 1, 1, 0, "UC"},
    {"shift+insert toggles, no paste", "###", "12", 0, 0, ShiftInsertThen9, "92 ", 1, 1, 0, "UC"},
    {"ctrl+insert toggles, no copy", "###", "12", 0, 2, CtrlInsert, "12 ", 0, 2, 0, ""},
    {"paste with literals", kDate, "", 0, 0, PasteDate, "12/34", 5, 5, 0, "UCUC"},
    {"paste of only literals", kDate, "12", 0, 0, PasteLiterals, "12/  ", 3, 3, 0, "UCUC"},
    {"cut puts the literals back", kDate, "1234", 1, 4, Cut, "14/  ", 1, 1, 0, "UCUC"},
    {"clear puts the literals back", kDate, "1234", 1, 4, Clear, "14/  ", 1, 1, 0, "UCUC"},
    {"copy copies the shown text", kDate, "1234", 0, 5, Copy, "12/34", 0, 5, 0, ""},
    {"outside text in bare form", kDate, "", 0, 0, SetTextBare, "12/34", 0, 0, 0, "U"},
    {"outside text in shown form", kDate, "", 0, 0, SetTextShown, "12/34", 0, 0, 0, "U"},
    {"no input positions", "abc", "", 0, 0, Char1, "abc", 3, 3, 1, ""},
};

struct Outcome
{
    std::string text;
    std::pair<int, int> sel;
    int beeps;
    std::string ours;
};

template <class TProbe> Outcome RunRow(const ScriptRow& row, std::vector<UINT>* pReceived = nullptr)
{
    TProbe ctl(row.mask);
    CMaskedTestDlg dlg;
    const int id = std::is_same<TProbe, CEditProbe>::value ? IDC_MASKED_EDIT : IDC_MASKED_RICH;
    dlg.m_attach.push_back({id, &ctl});
    Outcome out = {};
    if (!dlg.Open()) {
        ADD_FAILURE() << "dialog not created";
        return out;
    }
    ctl.SetFocus();
    ctl.SetInputData(row.data, 0, true);
    SetSel(ctl, row.selStart, row.selEnd);
    dlg.m_notes.clear();
    ctl.m_nBeeps = 0;
    ctl.m_received.clear();
    InsertMode mode{[&ctl] { return ctl.GetInsertMode(); }, [&ctl](bool b) { ctl.SetInsertMode(b); }};
    row.act(ctl, mode, dlg);
    Pump();
    out.text = Text(ctl);
    out.sel = Sel(ctl);
    out.beeps = ctl.m_nBeeps;
    out.ours = dlg.Ours(id);
    if (pReceived != nullptr)
        *pReceived = ctl.m_received;
    dlg.DestroyWindow();
    return out;
}

std::string Localised(const char* text, char chDate)
{
    std::string s(text);
    std::replace(s.begin(), s.end(), '/', chDate);
    return s;
}

TEST(MaskedScripts, EditAndRichEditAgreeWithTheRules)
{
    ASSERT_TRUE(KeyStateWorks(VK_SHIFT)) << "injected Shift not seen by GetAsyncKeyState";
    const char chDate = CEditProbe("").m_chDateSep;
    for (const ScriptRow& row : kRows) {
        const Outcome edit = RunRow<CEditProbe>(row);
        const Outcome rich = RunRow<CRichProbe>(row);
        const std::string text = Localised(row.text, chDate);
        EXPECT_EQ(text, edit.text) << "edit: " << row.label;
        EXPECT_EQ(text, rich.text) << "rich: " << row.label;
        EXPECT_EQ(std::make_pair(row.caretStart, row.caretEnd), edit.sel) << "edit: " << row.label;
        EXPECT_EQ(std::make_pair(row.caretStart, row.caretEnd), rich.sel) << "rich: " << row.label;
        EXPECT_EQ(row.beeps, edit.beeps) << "edit: " << row.label;
        EXPECT_EQ(row.beeps, rich.beeps) << "rich: " << row.label;
        EXPECT_EQ(row.ours, edit.ours) << "edit: " << row.label;
        EXPECT_EQ(row.ours, rich.ours) << "rich: " << row.label;
    }
}

TEST(MaskedScripts, RichEditNeverScrollsTheCaretItself)
{
    size_t editScrolls = 0;
    size_t richSelections = 0;
    for (const ScriptRow& row : kRows) {
        std::vector<UINT> received;
        RunRow<CRichProbe>(row, &received);
        EXPECT_EQ(0, std::count(received.begin(), received.end(), static_cast<UINT>(EM_SCROLLCARET)))
            << row.label;
        richSelections += std::count(received.begin(), received.end(), static_cast<UINT>(EM_EXSETSEL));
        RunRow<CEditProbe>(row, &received);
        editScrolls += std::count(received.begin(), received.end(), static_cast<UINT>(EM_SCROLLCARET));
    }
    // The plain edit does send it, so the count above can see one.
    EXPECT_GT(editScrolls, 0u);
    EXPECT_GT(richSelections, 0u);
}

} // namespace
