// MsgRecorder.h: records the messages that windows receive and compares
// them with expected sequences, after the message-sequence tests of Wine's
// comctl32 (msg.h).
//
// A step is: flush, act, pump, compare (EXPECT_SEQ with a table ending in
// {0}, e.g. {WM_COMMAND, sent | parent | code, 0, 0, EN_CHANGE}).
// Record flags say how the message arrived: `sent` (a send or a direct call
// of the window procedure), `posted` (taken from the queue), `parent` (on a
// window watched as a parent), `defwinproc` (sent by the window to itself
// while its own procedure was running). Expected entries add what to
// compare: `wparam`, `lparam`, `code` (of WM_COMMAND/WM_NOTIFY) and
// `optional` (may be missing); their kind flags must equal the record's.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CWnd;

enum MsgFlags : unsigned
{
    sent = 0x0001,
    posted = 0x0002,
    parent = 0x0004,
    defwinproc = 0x0008,
    wparam = 0x0010,
    lparam = 0x0020,
    code = 0x0040,
    optional = 0x0080,
};

// One expected message. A table ends with an entry whose message is 0.
struct MsgEntry
{
    UINT message;
    unsigned flags;
    WPARAM wParam;
    LPARAM lParam;
    UINT code; // compared with the `code` flag
};

// One recorded message.
struct MsgRecord
{
    HWND hwnd;
    UINT message;
    unsigned flags; // sent/posted/parent/defwinproc
    WPARAM wParam;
    LPARAM lParam;
    UINT code; // HIWORD(wParam) of WM_COMMAND, NMHDR::code of WM_NOTIFY, else 0
};

class MsgRecorder
{
public:
    MsgRecorder();
    ~MsgRecorder();
    MsgRecorder(const MsgRecorder&) = delete;

    // A visible top-level window watched as a parent (every message gets the
    // `parent` flag). It is bound to a plain CWnd object, as an MFC parent
    // is, so notifications from its children are reflected to them; default
    // processing is DefWindowProc. Destroyed with the recorder.
    HWND CreateParent(int cx = 400, int cy = 300, DWORD dwStyle = WS_OVERLAPPEDWINDOW | WS_VISIBLE);

    // Records the messages hWnd receives (subclassing it on top of whatever
    // procedure it has, CWnd-bound windows included). extraFlags is added to
    // each record (`parent` to watch a parent made elsewhere). Stops by
    // itself at WM_NCDESTROY.
    void Watch(HWND hWnd, unsigned extraFlags = 0);
    void Unwatch(HWND hWnd);

    // A record is kept only when the filter (if any) returns true.
    void SetFilter(std::function<bool(const MsgRecord&)> filter) { m_filter = std::move(filter); }

    void Flush() { m_records.clear(); }
    const std::vector<MsgRecord>& Records() const { return m_records; }
    // Records of one message (and, when given, one window).
    size_t Count(UINT message, HWND hWnd = nullptr) const;

    // Compares the records with `expected` as Wine's ok_sequence does, then
    // flushes; a mismatch fails at file:line with both sequences.
    void Expect(const MsgEntry* expected, const char* context, const char* file, int line);

    struct Watched; // one subclassed window (implementation)

private:
    static LRESULT CALLBACK WatchProc(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK GetMsgHook(int, WPARAM, LPARAM);
    void Record(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, unsigned flags);

    std::vector<MsgRecord> m_records;
    std::function<bool(const MsgRecord&)> m_filter;
    std::vector<CWnd*> m_parents; // made by CreateParent
    HHOOK m_hHook;                // WH_GETMESSAGE: tells posted messages from sent ones
};

// Compare and flush; a failure names the caller's file and line.
#define EXPECT_SEQ(recorder, table, context) (recorder).Expect((table), (context), __FILE__, __LINE__)

// Dispatches every queued message of this thread through TranslateMessage
// and DispatchMessage only (no PreTranslateMessage).
void PumpMessages();

// Posts a marker to hWnd and pumps until it has been dispatched, so that
// every message posted before it has been handled too.
void PumpUntilMarker(HWND hWnd);
