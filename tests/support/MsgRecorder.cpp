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

// Messages the platform sends for its own purposes, which no test means.
// (0x0090 and 0x031F: WM_UAHDESTROYWINDOW and WM_DWMNCRENDERINGCHANGED.)
bool IsNoise(UINT message)
{
    static const UINT noise[] = {WM_GETICON,     WM_GETOBJECT,    WM_IME_SETCONTEXT, WM_IME_NOTIFY,
                                 WM_IME_REQUEST, WM_DEVICECHANGE, WM_TIMECHANGE,     0x0090,
                                 0x031F,         WM_ENTERIDLE};
    return message == MarkerMessage() ||
           std::find(std::begin(noise), std::end(noise), message) != std::end(noise);
}

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

// "msg 0x0102 sent|parent w=61 code=300": the kind flags and what `shown` asks for.
std::string Describe(UINT message, unsigned flags, unsigned shown, WPARAM w, LPARAM l, UINT nCode)
{
    static const char* const names[] = {"sent", "posted", "parent", "defwinproc", "", "", "", "optional"};
    char buf[96];
    snprintf(buf, sizeof buf, "msg 0x%04x", message);
    std::string s = buf;
    for (unsigned bit = 0; bit < 8; ++bit)
        if ((flags & (1u << bit)) && *names[bit] != '\0')
            s = s + (s.size() > 10 ? "|" : " ") + names[bit];
    if (shown & wparam)
        s += (snprintf(buf, sizeof buf, " w=%llx", (unsigned long long)w), buf);
    if (shown & lparam)
        s += (snprintf(buf, sizeof buf, " l=%llx", (unsigned long long)l), buf);
    if (shown & code)
        s += (snprintf(buf, sizeof buf, " code=%x", nCode), buf);
    return s;
}

std::string Describe(const MsgRecord& r)
{
    const bool bCode = r.message == WM_COMMAND || r.message == WM_NOTIFY;
    return Describe(r.message, r.flags, wparam | lparam | (bCode ? unsigned(code) : 0u), r.wParam, r.lParam,
                    r.code);
}

std::string Describe(const MsgEntry& e)
{
    return Describe(e.message, e.flags, e.flags, e.wParam, e.lParam, e.code);
}

} // namespace

MsgRecorder::MsgRecorder()
    : m_hHook(::SetWindowsHookExA(WH_GETMESSAGE, GetMsgHook, nullptr, ::GetCurrentThreadId()))
{}

MsgRecorder::~MsgRecorder()
{
    for (CWnd* pWnd : m_parents) {
        pWnd->DestroyWindow();
        delete pWnd;
    }
    std::vector<HWND> mine;
    for (auto& e : WatchedMap())
        if (e.second->pRecorder == this)
            mine.push_back(e.first);
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
    WatchedMap().erase(it);
    if (pWatched->nDepth > 0)
        pWatched->pRecorder = nullptr; // inside its own call: WatchProc frees it when the call returns
    else
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

    ++pWatched->nDepth;
    const LRESULT lResult = ::CallWindowProcA(pWatched->pfnOrig, hWnd, message, wParam, lParam);
    --pWatched->nDepth;

    if (pWatched->pRecorder == nullptr && pWatched->nDepth == 0)
        delete pWatched; // unwatched during its own call
    else if (message == WM_NCDESTROY && pWatched->pRecorder != nullptr)
        pWatched->pRecorder->Unwatch(hWnd);
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

void MsgRecorder::Record(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, unsigned flags)
{
    if (IsNoise(message))
        return;
    MsgRecord r = {hWnd, message, flags, wParam, lParam, 0};
    if (message == WM_COMMAND)
        r.code = HIWORD(wParam);
    else if (message == WM_NOTIFY && lParam != 0)
        r.code = reinterpret_cast<const NMHDR*>(lParam)->code;
    if (!m_filter || m_filter(r))
        m_records.push_back(r);
}

size_t MsgRecorder::Count(UINT message, HWND hWnd) const
{
    return (size_t)std::count_if(m_records.begin(), m_records.end(), [&](const MsgRecord& r) {
        return r.message == message && (hWnd == nullptr || r.hwnd == hWnd);
    });
}

void MsgRecorder::Expect(const MsgEntry* expected, const char* context, const char* file, int line)
{
    // Walk both sequences as Wine's ok_sequence does: optional entries may be
    // skipped; every other entry must meet the next record. A record that
    // meets no entry is reported and the same entry tried on the next one.
    std::string report;
    bool bOk = true;
    size_t i = 0;
    const auto row = [&](const std::string& exp, const std::string& act, bool bBad) {
        char buf[300];
        snprintf(buf, sizeof buf, "%-44s%s%s\n", exp.c_str(), bBad ? "  !=  " : "      ", act.c_str());
        report += buf;
        bOk = bOk && !bBad;
    };
    for (const MsgEntry* e = expected; e->message != 0 || i < m_records.size();) {
        if (e->message == 0) {
            row("", Describe(m_records[i++]), true);
        } else if (i < m_records.size() && EntryMatches(*e, m_records[i])) {
            row(Describe(*e++), Describe(m_records[i++]), false);
        } else if (i >= m_records.size() || (e->flags & optional)) {
            row(Describe(*e), "", !(e->flags & optional));
            ++e;
        } else if (SameSlot(*e, m_records[i])) {
            row(Describe(*e++), Describe(m_records[i++]), true); // arguments differ
        } else {
            row("", Describe(m_records[i++]), true);
        }
    }
    if (!bOk)
        ADD_FAILURE_AT(file, line) << "message sequence differs: " << context << "\n" << report;
    Flush();
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

void PumpUntilMarker(HWND hWnd)
{
    const UINT nMarker = MarkerMessage();
    if (!::PostMessageA(hWnd, nMarker, 0, 0)) {
        ADD_FAILURE() << "PumpUntilMarker: cannot post to the window";
        return;
    }
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0 && !(msg.message == nMarker && msg.hwnd == hWnd)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
