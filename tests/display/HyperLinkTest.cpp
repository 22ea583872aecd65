// HyperLinkTest.cpp: CHyperLink opening real processes through a private URL
// protocol and a private ".htm" type registered in this test prefix (the
// recorder program writes its command line to a file), its error boxes,
// colours, underline, tool tip and shrinking to the text.
#include <gtest/gtest.h>

#include "HyperLink.h"
#include "StaticsSupport.h"
#include "TestApp.h"

#include <algorithm>
#include <memory>
#include <string>

namespace {

const UINT kLinkId = 1300;
const COLORREF kLink = RGB(0, 0, 238), kVisited = RGB(85, 26, 139);

class CTestLink : public CHyperLink
{
public:
    using CHyperLink::m_ToolTip;
    using CHyperLink::m_UnderlineFont;
    using CHyperLink::ReportError;
};

// Registers in this test prefix's HKEY_CLASSES_ROOT (Wine 8 does not show
// HKEY_CURRENT_USER\Software\Classes there) the protocol "quillontest" and
// the ".htm" type "QuillonTest.Page", whose open commands the test gives;
// removes them (a ".htm" the prefix had gets its type back) and its folder.
class CUrlRegistry
{
public:
    CUrlRegistry()
    {
        char sz[MAX_PATH];
        ::GetModuleFileNameA(NULL, sz, MAX_PATH);
        *strrchr(sz, '\\') = '\0';
        m_strRecorder = std::string("\"") + sz + "\\quillon_urlrecorder.exe\"";
        ::GetTempPathA(MAX_PATH, sz);
        m_strDir = sz + std::string("quillon-links-") + std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryA(m_strDir.c_str(), NULL);
        LONG cb = sizeof(m_szOldHtm);
        m_bHadHtm = ::RegQueryValueA(HKEY_CLASSES_ROOT, ".htm", m_szOldHtm, &cb) == ERROR_SUCCESS;
        Set("quillontest", "URL:Quillon test protocol");
        Set("quillontest", "", "URL Protocol");
        Set(".htm", "QuillonTest.Page");
    }
    ~CUrlRegistry()
    {
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "quillontest");
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "QuillonTest.Page");
        if (m_bHadHtm)
            Set(".htm", m_szOldHtm);
        else
            ::RegDeleteTreeA(HKEY_CLASSES_ROOT, ".htm");
        for (int i = 0; i < m_nFiles; i++)
            ::DeleteFileA(Out(i).c_str());
        ::RemoveDirectoryA(m_strDir.c_str());
    }

    // The recorder's command up to its output file: "<recorder>" "<out>".
    std::string Recorder() { return m_strRecorder + " \"" + Out(m_nFiles) + "\""; }
    // Sets the value (default: the key's own) of a key; bRemove deletes the key.
    void Set(const char* pszKey, const std::string& value, const char* pszName = NULL, bool bRemove = false)
    {
        if (bRemove) {
            ::RegDeleteTreeA(HKEY_CLASSES_ROOT, pszKey);
            return;
        }
        HKEY hKey;
        ASSERT_EQ(ERROR_SUCCESS,
                  ::RegCreateKeyExA(HKEY_CLASSES_ROOT, pszKey, 0, NULL, 0, KEY_WRITE, NULL, &hKey, NULL));
        ::RegSetValueExA(hKey, pszName, 0, REG_SZ, (const BYTE*)value.c_str(), (DWORD)value.size() + 1);
        ::RegCloseKey(hKey);
    }
    // Waits (bounded) for the recorder started last to write its command
    // line; "" if it never does.
    std::string Recorded()
    {
        const std::string out = Out(m_nFiles++);
        for (DWORD dwStart = ::GetTickCount(); ::GetTickCount() - dwStart < 15000; ::Sleep(20)) {
            HANDLE h =
                ::CreateFileA(out.c_str(), GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
            if (h == INVALID_HANDLE_VALUE)
                continue;
            std::string text(::GetFileSize(h, NULL), '\0');
            DWORD dwRead = 0;
            ::ReadFile(h, &text[0], (DWORD)text.size(), &dwRead, NULL);
            ::CloseHandle(h);
            return text;
        }
        return "";
    }

private:
    std::string Out(int i) const { return m_strDir + "\\out" + std::to_string(i) + ".txt"; }
    std::string m_strRecorder, m_strDir;
    int m_nFiles = 0;
    char m_szOldHtm[MAX_PATH] = "";
    bool m_bHadHtm;
};

// While it lives, quillon.dll's ShellExecuteA is a stub that fails with
// SE_ERR_NOASSOC, so that a long url goes straight to the fallback: Wine's
// shell32 crashes on urls of about 1000 characters and more.
class CShellStub
{
public:
    CShellStub()
    {
        BYTE* pBase = (BYTE*)::GetModuleHandleA("quillon.dll");
        auto* pNt = (IMAGE_NT_HEADERS*)(pBase + ((IMAGE_DOS_HEADER*)pBase)->e_lfanew);
        const DWORD rva = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
        for (auto* pDesc = (IMAGE_IMPORT_DESCRIPTOR*)(pBase + rva); pDesc->Name != 0; pDesc++)
            for (auto* pThunk = (IMAGE_THUNK_DATA*)(pBase + pDesc->FirstThunk); pThunk->u1.Function != 0;
                 pThunk++)
                if ((void*)pThunk->u1.Function == (void*)&::ShellExecuteA)
                    m_ppEntry = (void**)&pThunk->u1.Function;
        EXPECT_NE(nullptr, m_ppEntry) << "quillon.dll does not import ShellExecuteA";
        Swap((void*)&Fail);
    }
    ~CShellStub() { Swap((void*)&::ShellExecuteA); }

private:
    static HINSTANCE WINAPI Fail(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT)
    {
        return (HINSTANCE)SE_ERR_NOASSOC;
    }
    void Swap(void* pfn)
    {
        DWORD dwOld;
        if (m_ppEntry != nullptr && ::VirtualProtect(m_ppEntry, sizeof pfn, PAGE_READWRITE, &dwOld)) {
            *m_ppEntry = pfn;
            ::VirtualProtect(m_ppEntry, sizeof pfn, dwOld, &dwOld);
        }
    }
    void** m_ppEntry = nullptr;
};

// The text of tool 1 of the link's tool tip.
std::string TipText(CTestLink& link)
{
    char szTip[80] = "";
    TOOLINFOA ti = {};
    ti.cbSize = sizeof(ti);
    ti.hwnd = link.m_hWnd;
    ti.uId = 1;
    ti.lpszText = szTip;
    link.m_ToolTip.SendMessage(TTM_GETTEXTA, sizeof szTip, (LPARAM)&ti);
    return szTip;
}

void Click(CWnd& link)
{
    ::SendMessageA(link.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    ::SendMessageA(link.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

int CountInLink(CWnd& host, CWnd& link, COLORREF cr)
{
    PaintNow(host.m_hWnd);
    CRect rc;
    link.GetClientRect(&rc);
    CStaticsCanvas canvas(rc.Width(), rc.Height());
    canvas.CopyFromWindow(link.m_hWnd);
    return canvas.Count(cr);
}

} // namespace

TEST(HyperLink, ClicksOpenTheTargetThroughTheShellOrTheRegistryFallback)
{
    CUrlRegistry reg;
    const std::string longUrl = "quillonnone:" + std::string(5000, 'x');
    // "$R" stands for the recorder and its output file: "<recorder>" "<out>".
    struct Row
    {
        const char* label;
        std::string url, protocolCmd, htmCmd; // htmCmd "": no command key for the ".htm" type
        std::string expect;                   // the recorder's command line
        const char* box;                      // the message after the prefix; null: none
        bool bStubShell = false;              // the shell step fails without asking Wine
    };
    const char* const kNoAssoc = "There is no application associated\nwith the given filename extension.";
    const Row rows[] = {
        {"shell, registered protocol", "quillontest:page?id=1", "$R \"%1\"", "",
         "$R \"quillontest:page?id=1\"", nullptr},
        {"fallback, quoted placeholder cut at its quote", "quillonnone:a", "", "$R \"%1\" -new",
         "$R  quillonnone:a", nullptr},
        {"fallback, bare placeholder and options dropped", "quillonnone:b", "", "$R -x %1 -new",
         "$R -x  quillonnone:b", nullptr},
        {"fallback, no placeholder", "quillonnone:c", "", "$R", "$R quillonnone:c", nullptr},
        {"fallback, a long url is not cut", longUrl, "", "$R \"%1\"", "$R  " + longUrl, nullptr, true},
        {"fallback, a command line longer than the system takes is refused", std::string(100000, 'y'), "",
         "$R \"%1\"", "", kNoAssoc, true},
        {"fallback program missing", "quillonnone:d", "", "\"Z:\\no\\such\\browser.exe\" \"%1\"", "",
         "The specified file was not found."},
        {"no command for the type: the shell's error", "quillonnone:e", "", "", "", kNoAssoc},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        const std::string rec = reg.Recorder();
        auto bind = [&](std::string s) {
            if (s.compare(0, 2, "$R") == 0)
                s.replace(0, 2, rec);
            return s;
        };
        reg.Set("quillontest\\shell\\open\\command", bind(row.protocolCmd));
        reg.Set("QuillonTest.Page\\shell\\open\\command", bind(row.htmCmd), nullptr, row.htmCmd.empty());
        CStaticsHost host;
        CHyperLink link;
        ASSERT_TRUE(link.Create("Quillon", WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 40), &host, kLinkId));
        link.SetURL(row.url.c_str());
        link.SetVisited(row.box != nullptr); // a failure turns a visited link back
        if (row.box != nullptr)
            TestApp().ExpectMessageBox(IDOK);
        {
            std::unique_ptr<CShellStub> stub(row.bStubShell ? new CShellStub : nullptr);
            Click(link);
        }
        if (row.box == nullptr) {
            EXPECT_EQ(bind(row.expect), reg.Recorded());
            EXPECT_TRUE(link.GetVisited());
            EXPECT_GT(CountInLink(host, link, kVisited), 0);
            EXPECT_EQ(0, CountInLink(host, link, kLink));
            EXPECT_TRUE(TestApp().MessageBoxes().empty());
        } else {
            EXPECT_FALSE(link.GetVisited());
            ASSERT_EQ(1u, TestApp().MessageBoxes().size());
            EXPECT_EQ(std::string("Unable to open hyperlink:\n\n") + row.box,
                      TestApp().MessageBoxes()[0].text);
            EXPECT_EQ((UINT)MB_ICONEXCLAMATION, TestApp().MessageBoxes()[0].type);
            TestApp().ResetMessageBoxes();
        }
    }
}

TEST(HyperLink, ErrorMessagesByCode)
{
    const struct
    {
        int code;
        const char* text;
    } rows[] = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30,
         "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
        {4, "Unknown Error (4) occurred."},
        {33, "Unknown Error (33) occurred."},
    };
    CTestLink link;
    for (const auto& row : rows) {
        TestApp().ExpectMessageBox(IDOK);
        link.ReportError(row.code);
        ASSERT_EQ(1u, TestApp().MessageBoxes().size()) << row.code;
        EXPECT_EQ(std::string("Unable to open hyperlink:\n\n") + row.text, TestApp().MessageBoxes()[0].text);
        TestApp().ResetMessageBoxes();
    }
}

TEST(HyperLink, SubclassingTakesTheTextAsUrlAndShrinksTheWindowToIt)
{
    struct Row
    {
        const char* label;
        DWORD dwStyle;
        BOOL bAutoSize;
        CRect (*expect)(const CRect& rc, CSize text);
    };
    const Row rows[] = {
        {"left", SS_LEFT, TRUE, [](const CRect& rc, CSize t) { return CRect(rc.TopLeft(), t); }},
        {"right keeps its right edge", SS_RIGHT, TRUE,
         [](const CRect& rc, CSize t) { return CRect(rc.right - t.cx, rc.top, rc.right, rc.top + t.cy); }},
        {"centred, both ways", SS_CENTER | SS_CENTERIMAGE, TRUE,
         [](const CRect& rc, CSize t) {
             CRect out = rc;
             out.InflateRect(-(rc.Width() - t.cx) / 2, -(rc.Height() - t.cy) / 2);
             return out;
         }},
        {"no auto size", SS_LEFT, FALSE, [](const CRect& rc, CSize) { return rc; }},
    };
    const CRect rc(20, 30, 221, 71);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.label);
        CStaticsHost host;
        HWND hStatic =
            ::CreateWindowA("STATIC", "www.example.org", WS_CHILD | WS_VISIBLE | row.dwStyle, rc.left, rc.top,
                            rc.Width(), rc.Height(), host.m_hWnd, (HMENU)kLinkId, NULL, NULL);
        CTestLink link;
        link.SetAutoSize(row.bAutoSize);
        ASSERT_TRUE(link.SubclassWindow(hStatic));
        EXPECT_EQ("www.example.org", link.GetURL());
        EXPECT_TRUE(link.GetStyle() & SS_NOTIFY);
        CStaticsCanvas measure(1, 1); // a fresh DC measures with the system font, as the link does
        CSize text;
        ::GetTextExtentPoint32A(measure.Dc(), "www.example.org", 15, &text);
        CRect now;
        link.GetWindowRect(&now);
        host.ScreenToClient(&now);
        EXPECT_EQ(row.expect(rc, text), now);

        // The tool tip shows the target, and follows SetURL.
        EXPECT_EQ("www.example.org", TipText(link));
        link.SetURL("quillontest:other");
        EXPECT_EQ("quillontest:other", TipText(link));
    }
}

TEST(HyperLink, LinkColourUnderlineAndCursor)
{
    // The underlined font copies the window's font, or the default GUI font
    // when the window has none.
    HFONT hArial = ::CreateFontA(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    for (HFONT hFont : {(HFONT)NULL, hArial}) {
        SCOPED_TRACE(hFont == NULL ? "no window font" : "Arial 20");
        CStaticsHost host;
        CTestLink link;
        ASSERT_TRUE(
            link.Create("Underlined link", WS_CHILD | WS_VISIBLE, CRect(10, 10, 300, 60), &host, kLinkId));
        link.SetAutoSize(FALSE);
        link.SetWindowPos(NULL, 0, 0, 290, 50, SWP_NOMOVE | SWP_NOZORDER);
        if (hFont != NULL)
            link.SetFont(CFont::FromHandle(hFont));
        CStaticsCanvas dc(4, 4);
        const HBRUSH hBrush =
            (HBRUSH)host.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.Dc(), (LPARAM)link.m_hWnd);
        EXPECT_EQ((HBRUSH)::GetStockObject(NULL_BRUSH), hBrush);
        EXPECT_EQ(kLink, ::GetTextColor(dc.Dc()));
        EXPECT_EQ(TRANSPARENT, ::GetBkMode(dc.Dc()));
        EXPECT_EQ(link.m_UnderlineFont.GetSafeHandle(), ::GetCurrentObject(dc.Dc(), OBJ_FONT));
        LOGFONT lfWant, lf;
        ::GetObjectA(hFont != NULL ? hFont : ::GetStockObject(DEFAULT_GUI_FONT), sizeof lfWant, &lfWant);
        ASSERT_EQ((int)sizeof lf, ::GetObjectA(link.m_UnderlineFont.GetSafeHandle(), sizeof lf, &lf));
        EXPECT_STREQ(lfWant.lfFaceName, lf.lfFaceName);
        EXPECT_EQ(lfWant.lfHeight, lf.lfHeight);
        EXPECT_EQ(1, lf.lfUnderline);
        if (hFont != NULL)
            continue; // Wine's static selects its own font after the colour message: no underline shows

        // The underline: one unbroken run of link colour as wide as the
        // text; without underlining no run comes near that.
        CStaticsCanvas measure(1, 1);
        ::SelectObject(measure.Dc(), link.m_UnderlineFont.GetSafeHandle());
        CSize text;
        ::GetTextExtentPoint32A(measure.Dc(), "Underlined link", 15, &text);
        auto longestRun = [&]() {
            PaintNow(host.m_hWnd);
            CStaticsCanvas canvas(290, 50);
            canvas.CopyFromWindow(link.m_hWnd);
            int nBest = 0;
            for (int y = 0; y < 50; y++)
                for (int x = 0, n = 0; x < 290; x++)
                    nBest = std::max(nBest, n = canvas.Pixel(x, y) == kLink ? n + 1 : 0);
            return nBest;
        };
        EXPECT_GE(longestRun(), text.cx - 2);
        link.SetUnderline(FALSE);
        EXPECT_LT(longestRun(), text.cx / 3);
        link.SetVisited(TRUE);
        EXPECT_EQ(kVisited, AskColors(host.m_hWnd, link.m_hWnd).crText);
    }
    ::DeleteObject(hArial);
}

TEST(HyperLink, LinkCursor)
{
    CStaticsHost host;
    CHyperLink link;
    ASSERT_TRUE(link.Create("Link", WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 40), &host, kLinkId));
    HCURSOR hHand = ::LoadCursor(NULL, IDC_HAND);
    ::SetCursor(hHand);
    EXPECT_TRUE(
        ::SendMessageA(link.m_hWnd, WM_SETCURSOR, (WPARAM)link.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(::LoadCursor(NULL, IDC_ARROW), ::GetCursor());
    link.SetLinkCursor((HICON)hHand);
    ::SendMessageA(link.m_hWnd, WM_SETCURSOR, (WPARAM)link.m_hWnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(hHand, ::GetCursor());
}
