// MsgRecorder.cpp: message recording through window subclassing, posted
// messages told apart by a WH_GETMESSAGE hook, and the side-by-side report.
#include "MsgRecorder.h"

#include <afxwin.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdio.h>

struct MsgRecorder::Watched
{
    MsgRecorder* pRecorder;
    WNDPROC pfnOrig; // the procedure below the recorder's
    unsigned flags;  // added to every record of the window
    int nDepth;      // calls of pfnOrig in progress (nested messages are `defwinproc`)
};

namespace {

std::map<HWND, MsgRecorder::Watched*>& WatchedMap()
{
    static std::map<HWND, MsgRecorder::Watched*> map;
    return map;
}

// The last message retrieved from the queue and not yet delivered: its
// delivery is the `posted` one.
struct
{
    bool bPending;
    MSG msg;
} g_retrieved;

UINT MarkerMessage()
{
    static const UINT nMsg = ::RegisterWindowMessageA("MsgRecorder marker");
    return nMsg;
}

} // namespace

MsgRecorder::MsgRecorder() : m_hHook(nullptr)
{
    // Messages the platform sends for its own purposes, which no test means.
    // (0x0090 and 0x031F: WM_UAHDESTROYWINDOW and WM_DWMNCRENDERINGCHANGED.)
    static const UINT noise[] = {WM_GETICON,     WM_GETOBJECT,    WM_IME_SETCONTEXT, WM_IME_NOTIFY,
                                 WM_IME_REQUEST, WM_DEVICECHANGE, WM_TIMECHANGE,     0x0090,
                                 0x031F,         WM_ENTERIDLE};
    m_ignored.assign(std::begin(noise), std::end(noise));
    m_hHook = ::SetWindowsHookExA(WH_GETMESSAGE, GetMsgHook, nullptr, ::GetCurrentThreadId());
}

MsgRecorder::~MsgRecorder()
{
    for (CWnd* pWnd : m_parents) {
        pWnd->DestroyWindow();
        delete pWnd;
    }
    std::vector<HWND> mine;
    for (auto& e : WatchedMap()) {
        if (e.second->pRecorder == this)
            mine.push_back(e.first);
    }
    for (HWND hWnd : mine)
        Unwatch(hWnd);
    if (m_hHook != nullptr)
        ::UnhookWindowsHookEx(m_hHook);
    g_retrieved.bPending = false;
}

HWND MsgRecorder::CreateParent(int cx, int cy, DWORD dwStyle)
{
    CWnd* pWnd = new CWnd;
    LPCTSTR lpszClass =
        AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    if (!pWnd->CreateEx(0, lpszClass, "MsgRecorder parent", dwStyle, 0, 0, cx, cy, nullptr, nullptr)) {
        delete pWnd;
        ADD_FAILURE() << "MsgRecorder::CreateParent: the window was not created";
        return nullptr;
    }
    m_parents.push_back(pWnd);
    Watch(pWnd->m_hWnd, parent);
    return pWnd->m_hWnd;
}

void MsgRecorder::Watch(HWND hWnd, unsigned extraFlags)
{
    if (!::IsWindow(hWnd)) {
        ADD_FAILURE() << "MsgRecorder::Watch: not a window";
        return;
    }
    if (WatchedMap().count(hWnd) != 0)
        Unwatch(hWnd);
    Watched* pWatched = new Watched{this, nullptr, extraFlags, 0};
    WatchedMap()[hWnd] = pWatched;
    pWatched->pfnOrig =
        reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)&WatchProc));
}

void MsgRecorder::Unwatch(HWND hWnd)
{
    auto it = WatchedMap().find(hWnd);
    if (it == WatchedMap().end())
        return;
    Watched* pWatched = it->second;
    // Only when still on top: a procedure installed later keeps calling ours.
    if (::IsWindow(hWnd) && reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) == &WatchProc)
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, (LONG_PTR)pWatched->pfnOrig);
    if (pWatched->nDepth > 0) {
        // Inside its own call: WatchProc frees it when the call returns.
        pWatched->pRecorder = nullptr;
        WatchedMap().erase(it);
        return;
    }
    WatchedMap().erase(it);
    delete pWatched;
}

LRESULT CALLBACK MsgRecorder::WatchProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto it = WatchedMap().find(hWnd);
    if (it == WatchedMap().end())
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    Watched* pWatched = it->second;

    unsigned flags = pWatched->flags | sent;
    if (g_retrieved.bPending && g_retrieved.msg.hwnd == hWnd && g_retrieved.msg.message == message &&
        g_retrieved.msg.wParam == wParam && g_retrieved.msg.lParam == lParam) {
        flags = pWatched->flags | posted;
        g_retrieved.bPending = false;
    }
    if (pWatched->nDepth > 0)
        flags |= defwinproc;
    if (pWatched->pRecorder != nullptr)
        pWatched->pRecorder->Record(hWnd, message, wParam, lParam, flags);

    WNDPROC pfnOrig = pWatched->pfnOrig;
    ++pWatched->nDepth;
    const LRESULT lResult = ::CallWindowProcA(pfnOrig, hWnd, message, wParam, lParam);
    --pWatched->nDepth;

    if (pWatched->pRecorder == nullptr && pWatched->nDepth == 0) {
        delete pWatched; // unwatched during its own call
    } else if (message == WM_NCDESTROY && pWatched->pRecorder != nullptr) {
        pWatched->pRecorder->Unwatch(hWnd);
    }
    return lResult;
}

LRESULT CALLBACK MsgRecorder::GetMsgHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && wParam == PM_REMOVE) {
        g_retrieved.bPending = true;
        g_retrieved.msg = *reinterpret_cast<const MSG*>(lParam);
    }
    return ::CallNextHookEx(nullptr, nCode, wParam, lParam);
}

void MsgRecorder::Ignore(UINT message)
{
    m_ignored.push_back(message);
}

bool MsgRecorder::IsIgnored(UINT message) const
{
    return message == MarkerMessage() ||
           std::find(m_ignored.begin(), m_ignored.end(), message) != m_ignored.end();
}

void MsgRecorder::Record(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, unsigned flags)
{
    if (IsIgnored(message))
        return;
    MsgRecord r = {hWnd, message, flags, wParam, lParam, 0};
    if (message == WM_COMMAND)
        r.code = HIWORD(wParam);
    else if (message == WM_NOTIFY && lParam != 0)
        r.code = reinterpret_cast<const NMHDR*>(lParam)->code;
    if (m_filter && !m_filter(r))
        return;
    m_records.push_back(r);
}

size_t MsgRecorder::Count(UINT message, HWND hWnd) const
{
    return (size_t)std::count_if(m_records.begin(), m_records.end(), [&](const MsgRecord& r) {
        return r.message == message && (hWnd == nullptr || r.hwnd == hWnd);
    });
}

namespace {

const unsigned kKindFlags = sent | posted | parent | defwinproc;

// Same message and kind: a pair that is reported as one row, with its differences.
bool SameSlot(const MsgEntry& e, const MsgRecord& r)
{
    return e.message == r.message && (e.flags & kKindFlags) == (r.flags & kKindFlags);
}

bool EntryMatches(const MsgEntry& e, const MsgRecord& r)
{
    return SameSlot(e, r) && (!(e.flags & wparam) || e.wParam == r.wParam) &&
           (!(e.flags & lparam) || e.lParam == r.lParam) && (!(e.flags & code) || e.code == r.code);
}

std::string Describe(UINT message, unsigned flags, unsigned shown, WPARAM w, LPARAM l, UINT nCode)
{
    std::string s = MsgRecorder::MessageName(message);
    static const char* const names[] = {"sent", "posted", "parent", "defwinproc", "", "", "", "optional"};
    const char* sep = " ";
    for (unsigned bit = 0; bit < 8; ++bit) {
        if ((flags & (1u << bit)) && *names[bit] != '\0') {
            s = s + sep + names[bit];
            sep = "|";
        }
    }
    char buf[96];
    snprintf(buf, sizeof buf, " w=%llx", (unsigned long long)w);
    s += (shown & wparam) ? buf : "";
    snprintf(buf, sizeof buf, " l=%llx", (unsigned long long)l);
    s += (shown & lparam) ? buf : "";
    snprintf(buf, sizeof buf, " code=%x", nCode);
    s += (shown & code) ? buf : "";
    return s;
}

} // namespace

std::string MsgRecorder::Describe(const MsgRecord& r)
{
    const bool bCode = r.message == WM_COMMAND || r.message == WM_NOTIFY;
    return ::Describe(r.message, r.flags, wparam | lparam | (bCode ? unsigned(code) : 0u), r.wParam, r.lParam,
                      r.code);
}

std::string MsgRecorder::Describe(const MsgEntry& e)
{
    return ::Describe(e.message, e.flags, e.flags, e.wParam, e.lParam, e.code);
}

bool MsgRecorder::Match(const MsgEntry* expected, std::string* pReport) const
{
    // Walk both sequences as Wine's ok_sequence does: optional entries may be
    // skipped; every other entry must meet the next record.
    struct Row
    {
        std::string exp, act;
        bool bad;
    };
    std::vector<Row> rows;
    bool bOk = true;
    size_t i = 0;
    const MsgEntry* e = expected;
    while (e->message != 0 || i < m_records.size()) {
        if (e->message == 0) {
            rows.push_back({"", Describe(m_records[i]), true});
            bOk = false;
            ++i;
        } else if (i >= m_records.size()) {
            const bool bBad = !(e->flags & optional);
            rows.push_back({Describe(*e), "", bBad});
            bOk = bOk && !bBad;
            ++e;
        } else if (EntryMatches(*e, m_records[i])) {
            rows.push_back({Describe(*e), Describe(m_records[i]), false});
            ++e;
            ++i;
        } else if (e->flags & optional) {
            rows.push_back({Describe(*e), "", false});
            ++e;
        } else if (SameSlot(*e, m_records[i])) {
            rows.push_back({Describe(*e), Describe(m_records[i]), true}); // arguments differ
            bOk = false;
            ++e;
            ++i;
        } else {
            // Unexpected record: report it and try the same entry against the next one.
            rows.push_back({"", Describe(m_records[i]), true});
            bOk = false;
            ++i;
        }
    }
    if (!bOk && pReport != nullptr) {
        size_t nWidth = 8;
        for (const Row& r : rows)
            nWidth = std::max(nWidth, r.exp.size());
        char line[600];
        snprintf(line, sizeof line, "  #  %-*s      actual\n", (int)nWidth, "expected");
        *pReport = line;
        for (size_t n = 0; n < rows.size(); ++n) {
            snprintf(line, sizeof line, "%3zu  %-*s%s%s\n", n, (int)nWidth, rows[n].exp.c_str(),
                     rows[n].bad ? "  !=  " : "      ", rows[n].act.c_str());
            *pReport += line;
        }
    }
    return bOk;
}

void MsgRecorder::Expect(const MsgEntry* expected, const char* context, const char* file, int line)
{
    std::string report;
    if (!Match(expected, &report))
        ADD_FAILURE_AT(file, line) << "message sequence differs: " << context << "\n" << report;
    Flush();
}

std::string MsgRecorder::MessageName(UINT message)
{
    static const struct
    {
        UINT message;
        const char* name;
    } names[] = {
#define N(m) {m, #m}
        // clang-format off
        N(WM_NULL), N(WM_CREATE), N(WM_DESTROY), N(WM_MOVE), N(WM_SIZE), N(WM_ACTIVATE), N(WM_SETFOCUS),
        N(WM_KILLFOCUS), N(WM_ENABLE), N(WM_SETREDRAW), N(WM_SETTEXT), N(WM_GETTEXT), N(WM_GETTEXTLENGTH),
        N(WM_PAINT), N(WM_CLOSE), N(WM_QUIT), N(WM_ERASEBKGND), N(WM_SYSCOLORCHANGE), N(WM_SHOWWINDOW),
        N(WM_SETTINGCHANGE), N(WM_ACTIVATEAPP), N(WM_CANCELMODE), N(WM_SETCURSOR), N(WM_MOUSEACTIVATE),
        N(WM_CHILDACTIVATE), N(WM_GETMINMAXINFO), N(WM_DRAWITEM), N(WM_MEASUREITEM), N(WM_DELETEITEM), N(WM_SETFONT),
        N(WM_GETFONT), N(WM_WINDOWPOSCHANGING), N(WM_WINDOWPOSCHANGED), N(WM_NOTIFY), N(WM_CONTEXTMENU),
        N(WM_STYLECHANGING), N(WM_STYLECHANGED), N(WM_DISPLAYCHANGE), N(WM_NCCREATE), N(WM_NCDESTROY),
        N(WM_NCCALCSIZE), N(WM_NCHITTEST), N(WM_NCPAINT), N(WM_NCACTIVATE), N(WM_GETDLGCODE), N(WM_NCMOUSEMOVE),
        N(WM_NCLBUTTONDOWN), N(WM_KEYDOWN), N(WM_KEYUP), N(WM_CHAR), N(WM_DEADCHAR), N(WM_SYSKEYDOWN),
        N(WM_SYSKEYUP), N(WM_SYSCHAR), N(WM_INITDIALOG), N(WM_COMMAND), N(WM_SYSCOMMAND), N(WM_TIMER), N(WM_HSCROLL),
        N(WM_VSCROLL), N(WM_INITMENU), N(WM_INITMENUPOPUP), N(WM_MENUSELECT), N(WM_ENTERIDLE), N(WM_CTLCOLORMSGBOX),
        N(WM_CTLCOLOREDIT), N(WM_CTLCOLORLISTBOX), N(WM_CTLCOLORBTN), N(WM_CTLCOLORDLG), N(WM_CTLCOLORSCROLLBAR),
        N(WM_CTLCOLORSTATIC), N(WM_MOUSEMOVE), N(WM_LBUTTONDOWN), N(WM_LBUTTONUP), N(WM_LBUTTONDBLCLK),
        N(WM_RBUTTONDOWN), N(WM_RBUTTONUP), N(WM_RBUTTONDBLCLK), N(WM_MBUTTONDOWN), N(WM_MBUTTONUP),
        N(WM_MOUSEWHEEL), N(WM_PARENTNOTIFY), N(WM_ENTERMENULOOP), N(WM_EXITMENULOOP), N(WM_CAPTURECHANGED),
        N(WM_MOVING), N(WM_SIZING), N(WM_MOUSEHOVER), N(WM_MOUSELEAVE), N(WM_CUT), N(WM_COPY), N(WM_PASTE),
        N(WM_CLEAR), N(WM_UNDO), N(WM_PRINT), N(WM_PRINTCLIENT), N(WM_USER), N(WM_IME_SETCONTEXT), N(WM_IME_NOTIFY),
        N(WM_GETICON), N(WM_SETICON), N(EM_GETSEL), N(EM_SETSEL), N(EM_GETRECT), N(EM_SCROLL), N(EM_LINESCROLL),
        N(EM_SCROLLCARET), N(EM_GETMODIFY), N(EM_SETMODIFY), N(EM_GETLINECOUNT), N(EM_LINEINDEX), N(EM_REPLACESEL),
        N(EM_GETLINE), N(EM_LIMITTEXT), N(EM_CANUNDO), N(EM_UNDO), N(EM_LINEFROMCHAR), N(EM_SETREADONLY),
        N(EM_SETMARGINS), N(EM_GETMARGINS), N(EM_POSFROMCHAR), N(EM_CHARFROMPOS), N(BM_GETCHECK), N(BM_SETCHECK),
        N(BM_GETSTATE), N(BM_SETSTATE), N(BM_SETSTYLE), N(BM_CLICK), N(BM_GETIMAGE), N(BM_SETIMAGE), N(STM_SETICON),
        N(STM_GETICON), N(STM_SETIMAGE), N(STM_GETIMAGE)
    // clang-format on
#undef N
    };
    for (const auto& n : names)
        if (n.message == message)
            return n.name;
    char buf[96];
    if (message >= 0xC000 && message <= 0xFFFF) {
        char name[64];
        if (::GetClipboardFormatNameA(message, name, sizeof name) > 0) {
            snprintf(buf, sizeof buf, "\"%s\"(0x%x)", name, message);
            return buf;
        }
    }
    if (message > WM_USER && message < 0x8000)
        snprintf(buf, sizeof buf, "WM_USER+0x%x", message - WM_USER);
    else
        snprintf(buf, sizeof buf, "msg 0x%04x", message);
    return buf;
}

void PumpMessages(DWORD msWait)
{
    const DWORD dwStart = ::GetTickCount();
    for (;;) {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        const DWORD dwElapsed = ::GetTickCount() - dwStart;
        if (dwElapsed >= msWait)
            break;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, msWait - dwElapsed, QS_ALLINPUT);
    }
}

void PumpUntilMarker(HWND hWnd)
{
    const UINT nMarker = MarkerMessage();
    if (!::PostMessageA(hWnd, nMarker, 0, 0)) {
        ADD_FAILURE() << "PumpUntilMarker: cannot post to the window";
        return;
    }
    const DWORD dwStart = ::GetTickCount();
    for (;;) {
        MSG msg;
        if (!::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (::GetTickCount() - dwStart > 5000) {
                ADD_FAILURE() << "PumpUntilMarker: the marker did not arrive within 5 s";
                return;
            }
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
            continue;
        }
        if (msg.message == nMarker && msg.hwnd == hWnd)
            return;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
