// bench_masked_keystroke.cpp: the cost of one typed character in a masked
// edit of 16 and of 256 positions (WM_CHAR sent, through to the refreshed
// text), against one character typed into a plain Win32 edit control in the
// same run. Each step places the caret first (EM_SETSEL) in both cases, so a
// full masked field shifts all its input and the plain edit keeps its length.
// Times are the thread's CPU time (user and kernel), so that other processes
// on a loaded machine do not count; the ratios are what to compare.
#include <afxwin.h>

#include "wine/BenchSupport.h"

#include "MaskedEdit.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// CPU seconds this thread has used so far.
double CpuSeconds()
{
    FILETIME ftCreate, ftExit, ftKernel, ftUser;
    ::GetThreadTimes(::GetCurrentThread(), &ftCreate, &ftExit, &ftKernel, &ftUser);
    const auto ticks = [](const FILETIME& ft) {
        return double((static_cast<ULONGLONG>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
    };
    return (ticks(ftKernel) + ticks(ftUser)) * 1e-7;
}

// Microseconds per typed character, over enough characters for about 0.5 s.
double MicrosPerChar(HWND hEdit, WPARAM selFirst, LPARAM selEnd)
{
    for (long n = 64;; n *= 2) {
        const double t0 = CpuSeconds();
        for (long i = 0; i < n; ++i) {
            ::SendMessageA(hEdit, EM_SETSEL, selFirst, selEnd);
            ::SendMessageA(hEdit, WM_CHAR, '0' + i % 10, 1);
        }
        const double s = CpuSeconds() - t0;
        if (s > 0.5)
            return s * 1e6 / n;
    }
}

// Microseconds per WM_SETTEXT of a text of that length (alternating two
// texts, so each one changes the window text), over about 0.5 s.
double MicrosPerSetText(HWND hEdit, size_t length)
{
    const std::string texts[2] = {std::string(length, '5'), std::string(length, '6')};
    for (long n = 64;; n *= 2) {
        const double t0 = CpuSeconds();
        for (long i = 0; i < n; ++i)
            ::SendMessageA(hEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(texts[i % 2].c_str()));
        const double s = CpuSeconds() - t0;
        if (s > 0.5)
            return s * 1e6 / n;
    }
}

HWND PlainEdit(HWND hParent, size_t length)
{
    return ::CreateWindowExA(0, "EDIT", std::string(length, '1').c_str(), WS_CHILD | ES_AUTOHSCROLL, 0, 0,
                             700, 20, hParent, reinterpret_cast<HMENU>(1), NULL, NULL);
}

} // namespace

// With an argument (16 or 256), only that masked case runs, for a profiler.
int main(int argc, char** argv)
{
    const int only = argc > 1 ? std::atoi(argv[1]) : 0;
    if (!AfxWinInit(::GetModuleHandleA(NULL), NULL, ::GetCommandLineA(), SW_HIDE)) {
        std::fprintf(stderr, "bench_masked_keystroke: afxlite initialisation failed\n");
        return 2;
    }
    HWND hParent = ::CreateWindowExA(0, "STATIC", "bench", WS_POPUP, 0, 0, 800, 100, NULL, NULL, NULL, NULL);
    CWnd* pParent = CWnd::FromHandle(hParent);

    // Replaces the first character: one character typed, length kept.
    HWND hPlain = PlainEdit(hParent, 16);
    HWND hPlain256 = PlainEdit(hParent, 256);
    const double plain = only ? 1.0 : MicrosPerChar(hPlain, 0, 1);
    const double plain256 = only ? 1.0 : MicrosPerChar(hPlain256, 0, 1);
    // What one refresh of a 256-position field costs the edit control alone.
    const double setText256 = only ? 1.0 : MicrosPerSetText(hPlain256, 256);

    std::printf(
        "bench_masked_keystroke: one typed character, WM_CHAR to refreshed text (Wine, thread CPU time)\n");
    std::printf("%-34s %12.2f us\n", "plain Win32 edit, 16 characters", plain);
    std::printf("%-34s %12.2f us   ratio to plain %8.1f\n", "plain Win32 edit, 256 characters", plain256,
                plain256 / plain);
    std::printf("%-34s %12.2f us   ratio to plain %8.1f\n", "WM_SETTEXT, 256 characters", setText256,
                setText256 / plain);
    for (int positions : {16, 256}) {
        if (only != 0 && positions != only)
            continue;
        CMaskedEdit edit(std::string(static_cast<size_t>(positions), '#').c_str());
        if (!edit.Create(WS_CHILD | ES_AUTOHSCROLL, CRect(0, 30, 700, 50), pParent, 2)) {
            std::fprintf(stderr, "bench_masked_keystroke: masked edit not created\n");
            return 2;
        }
        edit.SetInputData(std::string(static_cast<size_t>(positions), '5').c_str(), 0, true);
        // Insert at the first position of a full field: every character shifts.
        const double masked = MicrosPerChar(edit.m_hWnd, 0, 0);
        std::printf("masked edit, %3d positions          %12.2f us   ratio to plain %8.1f", positions, masked,
                    masked / plain);
        if (positions == 256)
            std::printf("   to plain 256 %5.1f", masked / plain256);
        std::printf("\n");
        edit.DestroyWindow();
    }
    ::DestroyWindow(hPlain256);
    ::DestroyWindow(hPlain);
    ::DestroyWindow(hParent);
    AfxWinTerm();
    return 0;
}
