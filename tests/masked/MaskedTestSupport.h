// MaskedTestSupport.h: what the masked-input window tests share: a dialog
// from masked_tests.rc that attaches the controls with DDX_Control and
// records what it receives as their parent, probes that count beeps and log
// the messages the controls receive, and input helpers (keys with Shift or
// Ctrl held, clipboard text).
//
// Shift for GetAsyncKeyState: under Wine SetKeyboardState only changes the
// thread's key state (GetKeyState); the asynchronous state that
// GetAsyncKeyState reads is kept by the Wine server and changes only with
// injected input. HoldKey therefore injects the key with keybd_event,
// removes the WM_KEYDOWN/WM_KEYUP that the injection queues (so no window
// sees a stray key) and also sets the thread's key state, so the edit's own
// processing (GetKeyState) agrees. KeyStateWorks checks this before use.
#pragma once

#include <afxwin.h>
#include <afxcmn.h>

#include "MaskEditNotify.h"
#include "MaskedEdit.h"
#include "MaskedRichEdit.h"
#include "masked_tests_res.h"

#include <string>
#include <utility>
#include <vector>

// > 0 while a probe runs its base control's own window procedure; what the
// parent receives then comes from the edit or rich edit itself.
inline int& InBaseProc()
{
    static int n = 0;
    return n;
}

// A masked control with a test's view: beeps counted, OnValidate scripted,
// messages received logged.
template <class T> class CProbe : public T
{
public:
    explicit CProbe(const char* pszMask = "") : T(pszMask) {}
    int m_nBeeps = 0;
    int m_nValidateAnswer = TRUE;
    int m_nValidateCalls = 0;
    std::vector<UINT> m_received;

    void ValidationError() override { ++m_nBeeps; }
    int OnValidate() override
    {
        ++m_nValidateCalls;
        return m_nValidateAnswer;
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_received.push_back(message);
        return T::WindowProc(message, wParam, lParam);
    }
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        ++InBaseProc();
        const LRESULT r = T::DefWindowProc(message, wParam, lParam);
        --InBaseProc();
        return r;
    }
    using T::DeleteRange;
    using T::GetNextInputLocation;
    using T::InsertAt;
    using T::m_bNotifyChange;
    using T::m_chDateSep;
    using T::m_chDecimalSep;
    using T::m_chThousandSep;
    using T::m_chTimeSep;
    using T::m_listMask;
    using T::m_nInternalUpdate;
    using T::NotifyParent;
    using T::Update;
};

typedef CProbe<CMaskedEdit> CEditProbe;
typedef CProbe<CMaskedRichEdit> CRichProbe;

// What the dialog received as a parent.
struct ParentNote
{
    UINT message;  // WM_COMMAND or WM_NOTIFY
    UINT id;       // control id
    UINT code;     // notification code
    bool fromBase; // sent while the control ran its base window procedure
    HWND hwndFrom; // WM_NOTIFY: hdr.hwndFrom; WM_COMMAND: lParam
    NMMASKEDIT nm; // WM_NOTIFY MEN_VALIDATE: the structure as it arrived
};

class CMaskedTestDlg : public CDialog
{
public:
    CMaskedTestDlg() {}
    // Controls attached by DDX_Control in OnInitDialog, as a host's dialog does.
    std::vector<std::pair<int, CWnd*>> m_attach;
    std::vector<ParentNote> m_notes;
    // The parent's answer to MEN_VALIDATE, when m_bAnswer is set.
    bool m_bAnswer = false;
    BYTE m_bAccept = 1;
    BYTE m_bValidate = 1;
    int m_nCaretPos = 0;

    BOOL Open()
    {
        AfxInitRichEdit2();
        if (!Create(IDD_MASKED_TEST))
            return FALSE;
        ShowWindow(SW_SHOW);
        ::SetForegroundWindow(m_hWnd);
        return TRUE;
    }

    // The edit notifications that the masked logic sent (not the base
    // control), as letters: U for EN_UPDATE, C for EN_CHANGE.
    std::string Ours(int nID) const
    {
        std::string s;
        for (const ParentNote& n : m_notes) {
            if (n.message != WM_COMMAND || n.fromBase || static_cast<int>(n.id) != nID)
                continue;
            s += n.code == EN_UPDATE ? 'U' : n.code == EN_CHANGE ? 'C' : '?';
        }
        return s;
    }
    std::vector<ParentNote> Notifies() const
    {
        std::vector<ParentNote> v;
        for (const ParentNote& n : m_notes) {
            if (n.message == WM_NOTIFY)
                v.push_back(n);
        }
        return v;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        for (auto& a : m_attach)
            DDX_Control(pDX, a.first, *a.second);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && lParam != 0) {
            ParentNote n = {};
            n.message = message;
            n.id = LOWORD(wParam);
            n.code = HIWORD(wParam);
            n.fromBase = InBaseProc() > 0;
            n.hwndFrom = reinterpret_cast<HWND>(lParam);
            m_notes.push_back(n);
        } else if (message == WM_NOTIFY) {
            const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
            ParentNote n = {};
            n.message = message;
            n.id = static_cast<UINT>(wParam);
            n.code = pHdr->code;
            n.hwndFrom = pHdr->hwndFrom;
            if (pHdr->code == MEN_VALIDATE) {
                NMMASKEDIT* pNm = reinterpret_cast<NMMASKEDIT*>(lParam);
                n.nm = *pNm;
                if (m_bAnswer) {
                    pNm->bAccept = m_bAccept;
                    pNm->bValidate = m_bValidate;
                    pNm->nCaretPos = m_nCaretPos;
                }
            }
            m_notes.push_back(n);
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
};

// Selection of any edit or rich edit (both answer EM_GETSEL).
inline std::pair<int, int> Sel(CWnd& w)
{
    DWORD s = 0, e = 0;
    w.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    return {static_cast<int>(s), static_cast<int>(e)};
}

inline void SetSel(CWnd& w, int s, int e)
{
    w.SendMessage(EM_SETSEL, static_cast<WPARAM>(s), e);
}

inline std::string Text(CWnd& w)
{
    CString s;
    w.GetWindowText(s);
    return std::string(s.GetString(), static_cast<size_t>(s.GetLength()));
}

inline void Type(CWnd& w, const std::string& chars)
{
    for (char c : chars)
        w.SendMessage(WM_CHAR, static_cast<unsigned char>(c), 1);
}

inline void KeyDown(CWnd& w, UINT vk)
{
    w.SendMessage(WM_KEYDOWN, vk, 1);
}

// Injected key (down or up), its queued messages removed, and the thread's
// key state made to agree.
inline void HoldKey(BYTE vk, bool down)
{
    ::keybd_event(vk, 0, down ? 0 : KEYEVENTF_KEYUP, 0);
    MSG msg;
    while (::PeekMessageA(&msg, NULL, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
    BYTE state[256];
    ::GetKeyboardState(state);
    state[vk] = down ? 0x80 : 0;
    ::SetKeyboardState(state);
}

inline bool KeyStateWorks(BYTE vk)
{
    HoldKey(vk, true);
    const bool down = ::GetAsyncKeyState(vk) < 0 && ::GetKeyState(vk) < 0;
    HoldKey(vk, false);
    return down && ::GetAsyncKeyState(vk) >= 0 && ::GetKeyState(vk) >= 0;
}

inline bool SetClipboardText(HWND hOwner, const std::string& text)
{
    if (!::OpenClipboard(hOwner))
        return false;
    ::EmptyClipboard();
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    char* p = static_cast<char*>(::GlobalLock(h));
    memcpy(p, text.c_str(), text.size() + 1);
    ::GlobalUnlock(h);
    const bool ok = ::SetClipboardData(CF_TEXT, h) != NULL;
    ::CloseClipboard();
    return ok;
}

inline std::string ClipboardText(HWND hOwner)
{
    std::string text;
    if (!::OpenClipboard(hOwner))
        return "<no clipboard>";
    if (HANDLE h = ::GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(::GlobalLock(h));
        ::GlobalUnlock(h);
    }
    ::CloseClipboard();
    return text;
}

// Pumps what is queued (focus changes post nothing, but be safe).
inline void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
