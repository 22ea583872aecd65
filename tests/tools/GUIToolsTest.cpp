// GUIToolsTest.cpp: the markup run on a real rich edit whose text starts out
// bold, struck out, blue on yellow, so every character must come out reset or
// formatted by its tags; the string wrapper; similar window classes.
#include "GUITools.h"

#include "tools_tests_res.h"

#include <gtest/gtest.h>

namespace {

// Expected format per character: one letter each.
struct Look
{
    char code;
    DWORD effects; // of the bits in kEffects; CFE_PROTECTED is always expected
    COLORREF color;
};
const Look kLooks[] = {
    {'.', 0, RGB(0, 0, 0)},
    {'b', CFE_BOLD, RGB(0, 0, 0)},
    {'r', 0, RGB(255, 0, 0)},
    {'g', CFE_UNDERLINE | CFE_ITALIC, RGB(0, 128, 0)},
    {'o', CFE_BOLD, RGB(255, 128, 0)},
};
const DWORD kEffects = CFE_BOLD | CFE_ITALIC | CFE_UNDERLINE | CFE_STRIKEOUT | CFE_PROTECTED | CFE_AUTOCOLOR;

const struct
{
    const char* label;
    const char* input;
    const char* text;  // after parsing
    const char* looks; // one kLooks code per character of text
} kRows[] = {
    {"bold middle word", "one <b>two</b> three", "one two three", "....bbb......"},
    {"nested pairs of one kind", "<b>a<b>b</b>c</b>", "abc", "bbb"},
    {"lone tag stays", "x <i>y", "x <i>y", "......"},
    {"closing tag first stops the kind", "</u>a<u>b</u>", "</u>a<u>b</u>", "............."},
    {"capital letters", "<B>big</B> <RED>r</Red>", "big r", "bbb.r"},
    {"blue around red keeps every colour", "<blue>x<red>y</red>z</blue>", "xyz", ".r."},
    {"effects with colours", "<u><i><green>g</green></i></u><b><orange>o</orange></b>", "go", "go"},
};

TEST(GUIToolsTest, ParseRichEditFormatsTaggedSpansAndRemovesTheTags)
{
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "tools", WS_POPUP, 0, 0, 400, 200, NULL, NULL));
    CRichEditCtrl rich;
    ASSERT_TRUE(rich.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, CRect(0, 0, 380, 180), &parent, 1));
    for (const auto& row : kRows) {
        SCOPED_TRACE(row.label);
        rich.SetWindowText(row.input);
        rich.SetSel(0, -1);
        CHARFORMAT2 messy = {};
        messy.dwMask = CFM_BOLD | CFM_STRIKEOUT | CFM_COLOR | CFM_BACKCOLOR;
        messy.dwEffects = CFE_BOLD | CFE_STRIKEOUT;
        messy.crTextColor = RGB(0, 0, 200);
        messy.crBackColor = RGB(255, 255, 0);
        rich.SetSelectionCharFormat(messy);

        CGUITools::ParseRichEdit(rich);
        CString text;
        rich.GetWindowText(text);
        ASSERT_STREQ(row.text, text);
        long nStart = -1, nEnd = -1;
        rich.GetSel(nStart, nEnd);
        EXPECT_TRUE(nStart == 0 && nEnd == text.GetLength()) << nStart << ".." << nEnd;
        for (int i = 0; i < text.GetLength(); ++i) {
            const Look* pLook = kLooks;
            while (pLook->code != row.looks[i])
                ++pLook;
            rich.SetSel(i, i + 1);
            CHARFORMAT2 cf = {};
            rich.GetSelectionCharFormat(cf);
            EXPECT_EQ(pLook->effects | CFE_PROTECTED, cf.dwEffects & kEffects) << "at " << i;
            EXPECT_EQ(pLook->color, cf.crTextColor) << "at " << i;
            EXPECT_EQ(RGB(255, 255, 255), cf.crBackColor) << "at " << i;
            EXPECT_EQ((pLook->effects & CFE_BOLD) ? FW_BOLD : FW_NORMAL, cf.wWeight)
                << "bold must show, at " << i;
        }
    }
    parent.DestroyWindow();
}

TEST(GUIToolsTest, AddStringStyleWrapsInTheKindsTags)
{
    const char* const kWrapped[] = {
        "<u>ok</u>",         "<b>ok</b>",       "<i>ok</i>",           "<red>ok</red>",
        "<green>ok</green>", "<blue>ok</blue>", "<orange>ok</orange>", "ok" /* 7: not a kind */};
    for (int flag = 0; flag < 8; ++flag) {
        CString str("ok");
        CGUITools::AddStringStyle(str, static_cast<CGUITools::enum_re_flag>(flag));
        EXPECT_STREQ(kWrapped[flag], str) << flag;
    }
}

TEST(GUIToolsTest, RegisterSimilarClassCopiesTheClassWithANewIcon)
{
    HINSTANCE hInst = AfxGetModuleState()->m_hCurrentInstanceHandle;
    WNDCLASSA base = {};
    base.style = CS_DBLCLKS, base.lpfnWndProc = ::DefWindowProcA, base.cbWndExtra = 16,
    base.hInstance = hInst;
    base.hCursor = ::LoadCursorA(NULL, IDC_CROSS), base.lpszClassName = "QuillonToolsBase";
    ASSERT_TRUE(::RegisterClassA(&base));

    const char *pszNew = "QuillonToolsCopy", *pszAgain = "QuillonToolsCopy"; // the same name twice
    // (the id's high bits are not part of the resource id)
    EXPECT_EQ(pszNew, CGUITools::RegisterSimilarClass(pszNew, "QuillonToolsBase", 0x10000 | IDI_TOOLS_TEST));
    EXPECT_EQ(pszAgain, CGUITools::RegisterSimilarClass(pszAgain, "QuillonToolsBase", IDI_TOOLS_TEST));
    EXPECT_EQ(nullptr,
              CGUITools::RegisterSimilarClass("QuillonOrphan", "QuillonNoSuchClass", IDI_TOOLS_TEST));

    HWND hWnd = ::CreateWindowA(pszNew, "copy", WS_POPUP, 0, 0, 10, 10, NULL, NULL, hInst, NULL);
    ASSERT_TRUE(hWnd != NULL);
    const HICON hIcon = (HICON)::GetClassLongPtrA(hWnd, GCLP_HICON);
    EXPECT_TRUE(hIcon != NULL && hIcon == ::LoadIconA(hInst, MAKEINTRESOURCEA(IDI_TOOLS_TEST)));
    EXPECT_EQ((ULONG_PTR)CS_DBLCLKS, ::GetClassLongPtrA(hWnd, GCL_STYLE));
    EXPECT_EQ((ULONG_PTR)base.hCursor, ::GetClassLongPtrA(hWnd, GCLP_HCURSOR));
    EXPECT_EQ(16u, ::GetClassLongPtrA(hWnd, GCL_CBWNDEXTRA));
    ::DestroyWindow(hWnd);
    ::UnregisterClassA(pszNew, hInst);
    ::UnregisterClassA("QuillonToolsBase", hInst);
}

} // namespace
