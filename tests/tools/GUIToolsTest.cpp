// GUIToolsTest.cpp: the markup run on a real rich edit whose text starts out
// bold, struck out, blue on yellow, so every span must come out reset or
// formatted by its tags; the string wrapper; similar window classes.
#include "GUITools.h"

#include "tools_tests_res.h"

#include <gtest/gtest.h>

#include <richedit.h>

namespace {

const DWORD kEffects = CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT | CFE_PROTECTED | CFE_AUTOCOLOR;
const COLORREF kBlack = RGB(0, 0, 0);

struct Span
{
    long start, end; // character range in the parsed text
    DWORD effects;   // of kEffects; CFE_PROTECTED is added by the check
    COLORREF color;  // text colour
};

struct MarkupRow
{
    const char* label;
    const char* input;
    const char* text; // after parsing
    Span spans[3];    // unused entries have start == end
};

const MarkupRow kRows[] = {
    {"bold middle word",
     "one <b>two</b> three",
     "one two three",
     {{0, 4, 0, kBlack}, {4, 7, CFE_BOLD, kBlack}, {7, 13, 0, kBlack}}},
    {"nested pairs of one kind", "<b>a<b>b</b>c</b>", "abc", {{0, 3, CFE_BOLD, kBlack}}},
    {"lone tag stays", "x <i>y", "x <i>y", {{0, 6, 0, kBlack}}},
    {"closing tag first stops the kind", "</u>a<u>b</u>", "</u>a<u>b</u>", {{0, 13, 0, kBlack}}},
    {"capital letters",
     "<B>big</B> <RED>r</Red>",
     "big r",
     {{0, 3, CFE_BOLD, kBlack}, {3, 4, 0, kBlack}, {4, 5, 0, RGB(255, 0, 0)}}},
    {"blue around red keeps every colour",
     "<blue>x<red>y</red>z</blue>",
     "xyz",
     {{0, 1, 0, kBlack}, {1, 2, 0, RGB(255, 0, 0)}, {2, 3, 0, kBlack}}},
    {"effects and colour together",
     "<u><i><green>g</green></i></u><b><orange>o</orange></b>",
     "go",
     {{0, 1, CFE_UNDERLINE | CFE_ITALIC, RGB(0, 128, 0)}, {1, 2, CFE_BOLD, RGB(255, 128, 0)}}},
    {"blue alone", "<blue>sky</blue>", "sky", {{0, 3, 0, RGB(0, 0, 255)}}},
};

class GUIToolsTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, AfxRegisterWndClass(0), "tools", WS_POPUP | WS_VISIBLE, 0, 0, 400,
                                      200, nullptr, nullptr));
        ASSERT_TRUE(m_rich.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 380, 180), &m_parent, 1));
    }
    void TearDown() override { m_parent.DestroyWindow(); }

    // Gives the whole text a format that the reset must undo.
    void SetMessyText(const char* pszText)
    {
        m_rich.SetWindowText(pszText);
        m_rich.SetSel(0, -1);
        CHARFORMAT2 cf = {};
        cf.dwMask = CFM_BOLD | CFM_STRIKEOUT | CFM_COLOR | CFM_BACKCOLOR;
        cf.dwEffects = CFE_BOLD | CFE_STRIKEOUT;
        cf.crTextColor = RGB(0, 0, 200);
        cf.crBackColor = RGB(255, 255, 0);
        m_rich.SetSelectionCharFormat(cf);
        m_rich.SetSel(0, 0);
    }

    CHARFORMAT2 FormatOf(long nStart, long nEnd)
    {
        m_rich.SetSel(nStart, nEnd);
        CHARFORMAT2 cf = {};
        m_rich.GetSelectionCharFormat(cf);
        return cf;
    }

    CWnd m_parent;
    CRichEditCtrl m_rich;
};

TEST_F(GUIToolsTest, ParseRichEditFormatsTaggedSpansAndRemovesTheTags)
{
    for (const MarkupRow& row : kRows) {
        SCOPED_TRACE(row.label);
        SetMessyText(row.input);
        CGUITools::ParseRichEdit(m_rich);

        CString text;
        m_rich.GetWindowText(text);
        EXPECT_STREQ(row.text, text);
        long nStart = -1, nEnd = -1;
        m_rich.GetSel(nStart, nEnd);
        EXPECT_EQ(0, nStart);
        EXPECT_EQ(text.GetLength(), nEnd);

        const CHARFORMAT2 all = FormatOf(0, text.GetLength());
        EXPECT_TRUE(all.dwMask & CFM_BACKCOLOR);
        EXPECT_EQ(RGB(255, 255, 255), all.crBackColor);
        for (const Span& span : row.spans) {
            if (span.start == span.end)
                continue;
            SCOPED_TRACE(testing::Message() << "span " << span.start << ".." << span.end);
            const CHARFORMAT2 cf = FormatOf(span.start, span.end);
            const DWORD uniform =
                CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED | CFM_COLOR;
            EXPECT_EQ(uniform, cf.dwMask & uniform);
            EXPECT_EQ(span.effects | CFE_PROTECTED, cf.dwEffects & kEffects);
            EXPECT_EQ(span.color, cf.crTextColor);
            EXPECT_EQ((span.effects & CFE_BOLD) ? FW_BOLD : FW_NORMAL, cf.wWeight)
                << "bold must show as bold";
        }
    }
}

TEST_F(GUIToolsTest, AddStringStyleWrapsInTheKindsTags)
{
    const struct
    {
        int flag;
        const char* result;
    } rows[] = {
        {CGUITools::re_underline, "<u>ok</u>"},
        {CGUITools::re_bold, "<b>ok</b>"},
        {CGUITools::re_italic, "<i>ok</i>"},
        {CGUITools::re_red, "<red>ok</red>"},
        {CGUITools::re_green, "<green>ok</green>"},
        {CGUITools::re_blue, "<blue>ok</blue>"},
        {CGUITools::re_orange, "<orange>ok</orange>"},
        {7, "ok"},
        {-1, "ok"},
    };
    for (const auto& row : rows) {
        CString str("ok");
        CGUITools::AddStringStyle(str, static_cast<CGUITools::enum_re_flag>(row.flag));
        EXPECT_STREQ(row.result, str) << row.flag;
    }
    // What the wrapper writes, the parser reads.
    CString str("x");
    CGUITools::AddStringStyle(str, CGUITools::re_italic);
    CGUITools::AddStringStyle(str, CGUITools::re_red);
    SetMessyText(str);
    CGUITools::ParseRichEdit(m_rich);
    const CHARFORMAT2 cf = FormatOf(0, 1);
    EXPECT_EQ(CFE_ITALIC | CFE_PROTECTED, cf.dwEffects & kEffects);
    EXPECT_EQ(RGB(255, 0, 0), cf.crTextColor);
}

TEST(GUIToolsClassTest, RegisterSimilarClassCopiesTheClassWithANewIcon)
{
    HINSTANCE hInst = AfxGetModuleState()->m_hCurrentInstanceHandle;
    HCURSOR hCross = ::LoadCursorA(NULL, IDC_CROSS);
    WNDCLASSA base = {};
    base.style = CS_DBLCLKS | CS_HREDRAW;
    base.lpfnWndProc = ::DefWindowProcA;
    base.cbWndExtra = 2 * sizeof(LONG_PTR);
    base.hInstance = hInst;
    base.hIcon = ::LoadIconA(NULL, IDI_APPLICATION);
    base.hCursor = hCross;
    base.lpszClassName = "QuillonToolsBase";
    ASSERT_TRUE(::RegisterClassA(&base));

    const char* pszNew = "QuillonToolsCopy";
    // The id's high bits are not part of the resource id.
    EXPECT_EQ(pszNew, CGUITools::RegisterSimilarClass(pszNew, "QuillonToolsBase", 0x10000 | IDI_TOOLS_TEST));
    const char* pszAgain = "QuillonToolsCopy";
    EXPECT_EQ(pszAgain, CGUITools::RegisterSimilarClass(pszAgain, "QuillonToolsBase", IDI_TOOLS_TEST));
    EXPECT_EQ(nullptr,
              CGUITools::RegisterSimilarClass("QuillonToolsOrphan", "QuillonNoSuchClass", IDI_TOOLS_TEST));
    WNDCLASSA orphan;
    EXPECT_FALSE(::GetClassInfoA(hInst, "QuillonToolsOrphan", &orphan));

    HWND hWnd = ::CreateWindowA(pszNew, "copy", WS_POPUP, 0, 0, 10, 10, NULL, NULL, hInst, NULL);
    ASSERT_TRUE(hWnd != NULL);
    const HICON hIcon = (HICON)::GetClassLongPtrA(hWnd, GCLP_HICON);
    EXPECT_EQ(::LoadIconA(hInst, MAKEINTRESOURCEA(IDI_TOOLS_TEST)), hIcon);
    EXPECT_TRUE(hIcon != NULL && hIcon != base.hIcon);
    EXPECT_EQ((ULONG_PTR)(CS_DBLCLKS | CS_HREDRAW), ::GetClassLongPtrA(hWnd, GCL_STYLE));
    EXPECT_EQ((ULONG_PTR)hCross, ::GetClassLongPtrA(hWnd, GCLP_HCURSOR));
    EXPECT_EQ((ULONG_PTR)(2 * sizeof(LONG_PTR)), ::GetClassLongPtrA(hWnd, GCL_CBWNDEXTRA));
    ::DestroyWindow(hWnd);
    ::UnregisterClassA(pszNew, hInst);
    ::UnregisterClassA("QuillonToolsBase", hInst);
}

} // namespace
