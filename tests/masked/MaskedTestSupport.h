// MaskedTestSupport.h: what the masked-input window tests share: a dialog
// (masked_tests.rc) that attaches the controls with DDX_Control and records
// what it receives as their parent, probes counting beeps, input helpers.
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

// > 0 while a probe runs its base control's own window procedure.
inline int g_nInBaseProc = 0;

// A masked control with beeps counted, OnValidate scripted and the messages
// it receives logged.
template <class T> class CProbe : public T
{
public:
    explicit CProbe(const char* pszMask = "") : T(pszMask) {}
    int m_nBeeps = 0, m_nValidateAnswer = TRUE, m_nValidateCalls = 0;
    std::vector<UINT> m_received;

    void ValidationError() override { ++m_nBeeps; }
    int OnValidate() override { return ++m_nValidateCalls, m_nValidateAnswer; }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        m_received.push_back(message);
        return T::WindowProc(message, wParam, lParam);
    }
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        ++g_nInBaseProc;
        const LRESULT r = T::DefWindowProc(message, wParam, lParam);
        --g_nInBaseProc;
        return r;
    }
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
    NMMASKEDIT nm; // WM_NOTIFY MEN_VALIDATE: the structure as it arrived
};

class CMaskedTestDlg : public CDialog
{
public:
    std::vector<std::pair<int, CWnd*>> m_attach; // attached by DDX_Control, as a host's dialog does
    std::vector<ParentNote> m_notes;
    BYTE m_bAccept = 1; // the answer to MEN_VALIDATE
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
    // The edit notifications the masked logic sent (not the base control):
    // U for EN_UPDATE, C for EN_CHANGE.
    std::string Ours(int nID) const
    {
        std::string s;
        for (const ParentNote& n : m_notes) {
            if (n.message == WM_COMMAND && !n.fromBase && int(n.id) == nID)
                s += n.code == EN_UPDATE ? 'U' : n.code == EN_CHANGE ? 'C' : '?';
        }
        return s;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        for (auto& a : m_attach)
            DDX_Control(pDX, a.first, *a.second);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        ParentNote n = {};
        n.message = message;
        if (message == WM_COMMAND && lParam != 0) {
            n.id = LOWORD(wParam);
            n.code = HIWORD(wParam);
            n.fromBase = g_nInBaseProc > 0;
            m_notes.push_back(n);
        } else if (message == WM_NOTIFY) {
            NMMASKEDIT* pNm = reinterpret_cast<NMMASKEDIT*>(lParam);
            n.id = static_cast<UINT>(wParam);
            n.code = pNm->hdr.code;
            if (n.code == MEN_VALIDATE) {
                n.nm = *pNm;
                pNm->bAccept = m_bAccept;
                pNm->bValidate = m_bValidate;
                pNm->nCaretPos = m_nCaretPos;
            }
            m_notes.push_back(n);
        }
        return CDialog::WindowProc(message, wParam, lParam);
    }
};

// Selection of an edit or a rich edit (both answer EM_GETSEL).
inline std::pair<int, int> Sel(CWnd& w)
{
    DWORD s = 0, e = 0;
    w.SendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&e));
    return {int(s), int(e)};
}

inline void SetSel(CWnd& w, int s, int e)
{
    w.SendMessage(EM_SETSEL, WPARAM(s), e);
}

inline std::string Text(CWnd& w)
{
    CString s;
    w.GetWindowText(s);
    return std::string(s.GetString(), size_t(s.GetLength()));
}

inline void Type(CWnd& w, const std::string& chars)
{
    for (char c : chars)
        w.SendMessage(WM_CHAR, static_cast<unsigned char>(c), 1);
}

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

// The key pressed with a modifier (0: none) held.
inline void KeyDown(CWnd& w, UINT vk, BYTE modifier = 0)
{
    if (modifier != 0)
        HoldKey(modifier, true);
    w.SendMessage(WM_KEYDOWN, vk, 1);
    if (modifier != 0)
        HoldKey(modifier, false);
}

inline bool SetClipboardText(HWND hOwner, const std::string& text)
{
    if (!::OpenClipboard(hOwner))
        return false;
    ::EmptyClipboard();
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    memcpy(::GlobalLock(h), text.c_str(), text.size() + 1);
    ::GlobalUnlock(h);
    const bool ok = ::SetClipboardData(CF_TEXT, h) != NULL;
    ::CloseClipboard();
    return ok;
}

inline std::string ClipboardText(HWND hOwner)
{
    std::string text = "<no clipboard>";
    if (!::OpenClipboard(hOwner))
        return text;
    text.clear();
    if (HANDLE h = ::GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(::GlobalLock(h));
        ::GlobalUnlock(h);
    }
    ::CloseClipboard();
    return text;
}

inline void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
