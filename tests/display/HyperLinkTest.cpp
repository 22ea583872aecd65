// HyperLinkTest.cpp: CHyperLink under Wine: clicks that really start a
// recorder program through a private URL protocol or the ".htm" fallback,
// registered in this test prefix; the error boxes, shrinking to the text,
// the tool tip, colours and underline.
#include <gtest/gtest.h>

#include "HyperLink.h"
#include "DisplaySupport.h"
#include "StaticsSupport.h"
#include "TestApp.h"

#include <algorithm>
#include <string>

namespace {

const COLORREF kLink = RGB(0, 0, 238), kVisited = RGB(85, 26, 139);

class CTestLink : public CHyperLink
{
public:
    using CHyperLink::m_ToolTip;
    using CHyperLink::m_UnderlineFont;
    using CHyperLink::ReportError;
};

// Registers in this prefix's HKEY_CLASSES_ROOT (Wine 8.0 does not show
// HKEY_CURRENT_USER\Software\Classes there) the protocol "quillontest" and
// the ".htm" type "QuillonTest.Page"; removes them and its folder again.
class CUrlRegistry
{
public:
    CUrlRegistry()
    {
        char sz[MAX_PATH];
        ::GetModuleFileNameA(NULL, sz, MAX_PATH);
        *strrchr(sz, '\\') = '\0';
        m_recorder = std::string("\"") + sz + "\\quillon_urlrecorder.exe\"";
        ::GetTempPathA(MAX_PATH, sz);
        m_dir = sz + std::string("quillon-links-") + std::to_string(::GetCurrentProcessId());
        ::CreateDirectoryA(m_dir.c_str(), NULL);
        LONG cb = MAX_PATH;
        m_bHadHtm = ::RegQueryValueA(HKEY_CLASSES_ROOT, ".htm", m_szOldHtm, &cb) == ERROR_SUCCESS &&
                    strcmp(m_szOldHtm, "QuillonTest.Page") != 0; // not the leftover of an aborted run
        Set("quillontest", "URL:Quillon test protocol");
        Set(".htm", "QuillonTest.Page");
    }
    ~CUrlRegistry()
    {
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "quillontest");
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, "QuillonTest.Page");
        Set(".htm", m_bHadHtm ? m_szOldHtm : ""); // the prefix's own type back, if it had one
        for (int i = 0; i < m_nFiles; i++)
            ::DeleteFileA(Out(i).c_str());
        ::RemoveDirectoryA(m_dir.c_str());
    }
    // "<recorder>" "<output file of the next launch>"
    std::string Recorder() const { return m_recorder + " \"" + Out(m_nFiles) + "\""; }
    // Sets the default value of a key; "" removes the key.
    void Set(const char* pszKey, const std::string& value)
    {
        if (value.empty())
            ::RegDeleteTreeA(HKEY_CLASSES_ROOT, pszKey);
        else
            EXPECT_EQ(ERROR_SUCCESS, ::RegSetValueA(HKEY_CLASSES_ROOT, pszKey, REG_SZ, value.c_str(), 0));
    }
    // The command line the recorder wrote, after a bounded wait; "" if none.
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
    std::string Out(int i) const { return m_dir + "\\out" + std::to_string(i) + ".txt"; }
    std::string m_recorder, m_dir;
    int m_nFiles = 0;
    char m_szOldHtm[MAX_PATH] = "";
    bool m_bHadHtm;
};

} // namespace

TEST(HyperLink, ClicksStartTheTargetThroughTheShellOrTheRegistryFallback)
{
    CUrlRegistry reg;
    reg.Set("quillontest\\shell\\open\\command", reg.Recorder() + " \"%1\""); // used by the first row
    const char* const kNoAssoc = "There is no application associated\nwith the given filename extension.";
    // "$R" stands for "<recorder>" "<output file>"; htmCmd "": no command for the type.
    const struct
    {
        const char* label;
        std::string url, htmCmd, expect; // expect: the recorder's command line
        const char* box = nullptr;       // the message after the prefix; null: success
    } rows[] = {
        {"shell, registered protocol", "quillontest:page?id=1", "", "$R \"quillontest:page?id=1\"", nullptr},
        {"fallback, quoted placeholder: cut at its quote", "quillonnone:a", "$R \"%1\" -new",
         "$R  quillonnone:a"},
        {"fallback, bare placeholder: options dropped", "quillonnone:b", "$R -x %1 -new",
         "$R -x  quillonnone:b"},
        {"fallback, no placeholder", "quillonnone:c", "$R", "$R quillonnone:c"},
        {"fallback program missing", "quillonnone:d", "\"Z:\\no\\such\\browser.exe\" \"%1\"", "",
         "The specified file was not found."},
        {"no command for the type: the shell's error", "quillonnone:e", "", "", kNoAssoc},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        auto bind = [rec = reg.Recorder()](std::string s) {
            if (s.compare(0, 2, "$R") == 0)
                s.replace(0, 2, rec);
            return s;
        };
        reg.Set("QuillonTest.Page\\shell\\open\\command", bind(row.htmCmd));
        CStaticsHost host;
        CHyperLink link;
        ASSERT_TRUE(link.Create("Quillon", WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 40), &host, 1300));
        link.SetURL(row.url.c_str());
        link.SetVisited(row.box != nullptr); // a failure turns a visited link back
        if (row.box != nullptr)
            TestApp().ExpectMessageBox(IDOK);
        ::SendMessageA(link.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        ::SendMessageA(link.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        EXPECT_EQ(row.box == nullptr, link.GetVisited() != FALSE);
        if (row.box == nullptr) {
            EXPECT_EQ(bind(row.expect), reg.Recorded());
            PaintNow(host.m_hWnd); // repainted in the visited colour
            CStaticsCanvas canvas(40, 12);
            canvas.CopyFromWindow(link.m_hWnd);
            EXPECT_GT(canvas.Count(kVisited), 0);
            EXPECT_EQ(0, canvas.Count(kLink));
        } else {
            ASSERT_EQ(1u, TestApp().MessageBoxes().size());
            EXPECT_EQ(std::string("Unable to open hyperlink:\n\n") + row.box,
                      TestApp().MessageBoxes()[0].text);
            EXPECT_EQ((UINT)MB_ICONEXCLAMATION, TestApp().MessageBoxes()[0].type);
        }
        TestApp().ResetMessageBoxes();
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
    const struct
    {
        const char* label;
        DWORD dwStyle;
        BOOL bAutoSize;
        CRect (*expect)(const CRect& rc, CSize text);
    } rows[] = {
        {"left", SS_LEFT, TRUE, [](const CRect& rc, CSize t) { return CRect(rc.TopLeft(), t); }},
        {"right keeps its right edge", SS_RIGHT, TRUE,
         [](const CRect& rc, CSize t) { return CRect(rc.right - t.cx, rc.top, rc.right, rc.top + t.cy); }},
        {"centred both ways", SS_CENTER | SS_CENTERIMAGE, TRUE,
         [](const CRect& rc, CSize t) {
             return CRect(rc.left + (rc.Width() - t.cx) / 2, rc.top + (rc.Height() - t.cy) / 2,
                          rc.right - (rc.Width() - t.cx) / 2, rc.bottom - (rc.Height() - t.cy) / 2);
         }},
        {"no auto size", SS_LEFT, FALSE, [](const CRect& rc, CSize) { return rc; }},
    };
    const CRect rc(20, 30, 221, 71);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CStaticsHost host;
        HWND hStatic =
            ::CreateWindowA("STATIC", "www.example.org", WS_CHILD | WS_VISIBLE | row.dwStyle, rc.left, rc.top,
                            rc.Width(), rc.Height(), host.m_hWnd, NULL, NULL, NULL);
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

        // Tool 1 of the tool tip shows the target and follows SetURL.
        EXPECT_EQ("www.example.org", ToolText(link.m_ToolTip.m_hWnd, link.m_hWnd));
        link.SetURL("quillontest:other");
        EXPECT_EQ("quillontest:other", ToolText(link.m_ToolTip.m_hWnd, link.m_hWnd));
    }
}

TEST(HyperLink, ColoursUnderlinedFontAndCursor)
{
    HFONT hArial = ::CreateFontA(-20, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Arial");
    for (HFONT hFont : {(HFONT)NULL, hArial}) {
        SCOPED_TRACE(hFont == NULL ? "no window font: the default GUI font, underlined"
                                   : "Arial 20, underlined");
        CStaticsHost host;
        CTestLink link;
        link.SetAutoSize(FALSE);
        ASSERT_TRUE(link.Create("Underlined link", WS_CHILD | WS_VISIBLE, CRect(0, 0, 290, 50), &host, 1300));
        if (hFont != NULL)
            link.SetFont(CFont::FromHandle(hFont));
        CStaticsCanvas dc(4, 4);
        EXPECT_EQ(::GetStockObject(NULL_BRUSH),
                  (HGDIOBJ)host.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)dc.Dc(), (LPARAM)link.m_hWnd));
        EXPECT_EQ(kLink, ::GetTextColor(dc.Dc()));
        EXPECT_EQ(link.m_UnderlineFont.GetSafeHandle(), ::GetCurrentObject(dc.Dc(), OBJ_FONT));
        LOGFONT lfWant, lf;
        ::GetObjectA(hFont != NULL ? hFont : ::GetStockObject(DEFAULT_GUI_FONT), sizeof lfWant, &lfWant);
        ASSERT_EQ((int)sizeof lf, ::GetObjectA(link.m_UnderlineFont.GetSafeHandle(), sizeof lf, &lf));
        EXPECT_STREQ(lfWant.lfFaceName, lf.lfFaceName);
        EXPECT_EQ(lfWant.lfHeight, lf.lfHeight);
        EXPECT_EQ(1, lf.lfUnderline);
        if (hFont != NULL)
            continue; // Wine's static selects the window font after the colour message: no underline shows

        // The underline: an unbroken run of link colour as wide as the text;
        // without underlining no run comes near that.
        ::SelectObject(dc.Dc(), link.m_UnderlineFont.GetSafeHandle());
        CSize text;
        ::GetTextExtentPoint32A(dc.Dc(), "Underlined link", 15, &text);
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

        // The link cursor: the arrow from subclassing on, until the host sets another.
        const HCURSOR hHand = ::LoadCursor(NULL, IDC_HAND);
        ::SetCursor(hHand);
        EXPECT_EQ(::LoadCursor(NULL, IDC_ARROW), CursorOver(link.m_hWnd));
        link.SetLinkCursor((HICON)hHand);
        EXPECT_EQ(hHand, CursorOver(link.m_hWnd));
    }
    ::DeleteObject(hArial);
}
