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
    static const UINT noise[] = {WM_GETICON,
                                 WM_GETOBJECT,
                                 WM_IME_SETCONTEXT,
                                 WM_IME_NOTIFY,
                                 WM_IME_REQUEST,
                                 WM_DEVICECHANGE,
                                 WM_TIMECHANGE,
                                 0x0090 /* WM_UAHDESTROYWINDOW */,
                                 0x031F /* WM_DWMNCRENDERINGCHANGED */,
                                 WM_ENTERIDLE};
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

bool EntryMatches(const MsgEntry& e, const MsgRecord& r)
{
    if (e.message != r.message || (e.flags & kKindFlags) != (r.flags & kKindFlags))
        return false;
    if ((e.flags & wparam) && e.wParam != r.wParam)
        return false;
    if ((e.flags & lparam) && e.lParam != r.lParam)
        return false;
    if ((e.flags & code) && e.code != r.code)
        return false;
    return true;
}

// Same message and kind: the pair is reported as one row with its differences.
bool SameSlot(const MsgEntry& e, const MsgRecord& r)
{
    return e.message == r.message && (e.flags & kKindFlags) == (r.flags & kKindFlags);
}

std::string FlagText(unsigned flags)
{
    std::string s;
    static const struct
    {
        unsigned flag;
        const char* name;
    } names[] = {{sent, "sent"},
                 {posted, "posted"},
                 {parent, "parent"},
                 {defwinproc, "defwinproc"},
                 {optional, "optional"}};
    for (const auto& n : names) {
        if (flags & n.flag) {
            if (!s.empty())
                s += '|';
            s += n.name;
        }
    }
    return s;
}

std::string Hex(unsigned long long v)
{
    char buf[32];
    snprintf(buf, sizeof buf, "%llx", v);
    return buf;
}

} // namespace

std::string MsgRecorder::Describe(const MsgRecord& r)
{
    std::string s = MessageName(r.message) + " " + FlagText(r.flags) +
                    " w=" + Hex((unsigned long long)r.wParam) + " l=" + Hex((unsigned long long)r.lParam);
    if (r.message == WM_COMMAND || r.message == WM_NOTIFY)
        s += " code=" + Hex(r.code);
    return s;
}

std::string MsgRecorder::Describe(const MsgEntry& e)
{
    std::string s = MessageName(e.message) + " " + FlagText(e.flags);
    if (e.flags & wparam)
        s += " w=" + Hex((unsigned long long)e.wParam);
    if (e.flags & lparam)
        s += " l=" + Hex((unsigned long long)e.lParam);
    if (e.flags & code)
        s += " code=" + Hex(e.code);
    return s;
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
        std::string& out = *pReport;
        out = "  #  " + std::string("expected") + std::string(nWidth - 8, ' ') + "      actual\n";
        for (size_t n = 0; n < rows.size(); ++n) {
            char num[16];
            snprintf(num, sizeof num, "%3zu  ", n);
            out += num;
            out += rows[n].exp + std::string(nWidth - rows[n].exp.size(), ' ');
            out += rows[n].bad ? "  !=  " : "      ";
            out += rows[n].act + "\n";
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
#define NAME(m)                                                                                              \
    case m:                                                                                                  \
        return #m;
    switch (message) {
        NAME(WM_NULL)
        NAME(WM_CREATE)
        NAME(WM_DESTROY) NAME(WM_MOVE) NAME(WM_SIZE) NAME(WM_ACTIVATE) NAME(WM_SETFOCUS) NAME(WM_KILLFOCUS) NAME(
            WM_ENABLE) NAME(WM_SETREDRAW) NAME(WM_SETTEXT) NAME(WM_GETTEXT) NAME(WM_GETTEXTLENGTH)
            NAME(WM_PAINT) NAME(WM_CLOSE) NAME(WM_QUIT) NAME(WM_ERASEBKGND) NAME(WM_SYSCOLORCHANGE) NAME(
                WM_SHOWWINDOW) NAME(WM_SETTINGCHANGE) NAME(WM_ACTIVATEAPP) NAME(WM_CANCELMODE) NAME(WM_SETCURSOR)
                NAME(WM_MOUSEACTIVATE) NAME(WM_CHILDACTIVATE) NAME(WM_GETMINMAXINFO) NAME(WM_DRAWITEM) NAME(
                    WM_MEASUREITEM) NAME(WM_DELETEITEM) NAME(WM_SETFONT) NAME(WM_GETFONT) NAME(WM_WINDOWPOSCHANGING)
                    NAME(WM_WINDOWPOSCHANGED) NAME(WM_NOTIFY) NAME(WM_CONTEXTMENU) NAME(WM_STYLECHANGING) NAME(
                        WM_STYLECHANGED) NAME(WM_DISPLAYCHANGE) NAME(WM_NCCREATE) NAME(WM_NCDESTROY)
                        NAME(WM_NCCALCSIZE) NAME(WM_NCHITTEST) NAME(WM_NCPAINT) NAME(WM_NCACTIVATE) NAME(
                            WM_GETDLGCODE) NAME(WM_NCMOUSEMOVE) NAME(WM_NCLBUTTONDOWN) NAME(WM_KEYDOWN)
                            NAME(WM_KEYUP) NAME(WM_CHAR) NAME(WM_DEADCHAR) NAME(WM_SYSKEYDOWN) NAME(
                                WM_SYSKEYUP) NAME(WM_SYSCHAR) NAME(WM_INITDIALOG) NAME(WM_COMMAND)
                                NAME(WM_SYSCOMMAND) NAME(WM_TIMER) NAME(WM_HSCROLL) NAME(WM_VSCROLL) NAME(
                                    WM_INITMENU) NAME(WM_INITMENUPOPUP) NAME(WM_MENUSELECT) NAME(WM_ENTERIDLE)
                                    NAME(WM_CTLCOLORMSGBOX) NAME(WM_CTLCOLOREDIT) NAME(WM_CTLCOLORLISTBOX) NAME(
                                        WM_CTLCOLORBTN) NAME(WM_CTLCOLORDLG) NAME(WM_CTLCOLORSCROLLBAR)
                                        NAME(WM_CTLCOLORSTATIC) NAME(WM_MOUSEMOVE) NAME(WM_LBUTTONDOWN) NAME(
                                            WM_LBUTTONUP) NAME(WM_LBUTTONDBLCLK) NAME(WM_RBUTTONDOWN)
                                            NAME(WM_RBUTTONUP) NAME(WM_RBUTTONDBLCLK) NAME(WM_MBUTTONDOWN) NAME(
                                                WM_MBUTTONUP) NAME(WM_MOUSEWHEEL) NAME(WM_PARENTNOTIFY)
                                                NAME(WM_ENTERMENULOOP) NAME(WM_EXITMENULOOP) NAME(
                                                    WM_CAPTURECHANGED) NAME(WM_MOVING) NAME(WM_SIZING)
                                                    NAME(WM_MOUSEHOVER) NAME(WM_MOUSELEAVE) NAME(WM_CUT) NAME(
                                                        WM_COPY) NAME(WM_PASTE) NAME(WM_CLEAR) NAME(WM_UNDO)
                                                        NAME(WM_PRINT) NAME(WM_PRINTCLIENT) NAME(WM_USER) NAME(
                                                            WM_IME_SETCONTEXT) NAME(WM_IME_NOTIFY)
                                                            NAME(WM_GETICON) NAME(WM_SETICON) NAME(
                                                                EM_GETSEL) NAME(EM_SETSEL) NAME(EM_GETRECT)
                                                                NAME(EM_SCROLL) NAME(EM_LINESCROLL) NAME(
                                                                    EM_SCROLLCARET) NAME(EM_GETMODIFY)
                                                                    NAME(EM_SETMODIFY) NAME(EM_GETLINECOUNT) NAME(
                                                                        EM_LINEINDEX) NAME(EM_REPLACESEL)
                                                                        NAME(EM_GETLINE) NAME(EM_LIMITTEXT) NAME(
                                                                            EM_CANUNDO) NAME(EM_UNDO) NAME(EM_LINEFROMCHAR)
                                                                            NAME(EM_SETREADONLY) NAME(
                                                                                EM_SETMARGINS) NAME(EM_GETMARGINS)
                                                                                NAME(EM_POSFROMCHAR) NAME(
                                                                                    EM_CHARFROMPOS) NAME(BM_GETCHECK)
                                                                                    NAME(BM_SETCHECK) NAME(
                                                                                        BM_GETSTATE) NAME(BM_SETSTATE)
                                                                                        NAME(BM_SETSTYLE) NAME(
                                                                                            BM_CLICK) NAME(BM_GETIMAGE)
                                                                                            NAME(BM_SETIMAGE) NAME(
                                                                                                STM_SETICON)
                                                                                                NAME(STM_GETICON) NAME(
                                                                                                    STM_SETIMAGE)
                                                                                                    NAME(
                                                                                                        STM_GETIMAGE) default
            : break;
    }
#undef NAME
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
