// bench_buttons.cpp: the cost of drawing the text progress bar and the
// extended button, against the platform's own controls in the same run.
//  - SetPos through the repaint of a 300 x 24 bar (each step moves the edge,
//    so every step repaints), against PBM_SETPOS plus UpdateWindow on a
//    native progress bar of the same size;
//  - one full paint (invalidate, erase, update) of a flat extended button
//    with an icon and a caption, against a plain push button.
#include <afxwin.h>

#include "wine/BenchSupport.h"

#include "ButtonExt.h"
#include "TextProgressCtrl.h"

#include <commctrl.h>

#include <cstdio>
#include <functional>

namespace {

void Repaint(HWND hWnd)
{
    ::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// The bench has no resources: the icon is a copy of a system icon placed
// where SetIcon would put it (the button destroys it).
class CBenchButton : public CButtonExt
{
public:
    void UseSystemIcon()
    {
        m_hIconActive = m_hIconInactive = ::CopyIcon(::LoadIcon(NULL, IDI_INFORMATION));
        m_cxIcon = (BYTE)::GetSystemMetrics(SM_CXICON);
        m_cyIcon = (BYTE)::GetSystemMetrics(SM_CYICON);
    }
};

} // namespace

int main()
{
    if (!AfxWinInit(::GetModuleHandleA(NULL), NULL, ::GetCommandLineA(), SW_HIDE)) {
        std::fprintf(stderr, "bench_buttons: afxlite initialisation failed\n");
        return 2;
    }
    ::InitCommonControls();
    // A visible framework parent: it reflects WM_DRAWITEM to the extended button.
    CWnd host;
    LPCTSTR pszClass = AfxRegisterWndClass(0, NULL, (HBRUSH)(COLOR_BTNFACE + 1));
    if (!host.CreateEx(0, pszClass, "bench", WS_POPUP | WS_VISIBLE, 0, 0, 640, 200, NULL, NULL)) {
        std::fprintf(stderr, "bench_buttons: host window not created\n");
        return 2;
    }

    std::printf("bench_buttons: drawing cost under Wine, each against the platform's control in this run\n");

    HWND hNative = ::CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 0, 300, 24,
                                     host.m_hWnd, reinterpret_cast<HMENU>(1), NULL, NULL);
    const double native = bench::MicrosPer([&](long i) {
        ::SendMessageA(hNative, PBM_SETPOS, i % 101, 0);
        ::UpdateWindow(hNative);
    });
    std::printf("%-40s %10.1f us\n", "native progress bar, PBM_SETPOS", native);
    for (int gradient = 0; gradient < 2; gradient++) {
        CTextProgressCtrl bar;
        bar.Create(WS_CHILD | WS_VISIBLE, CRect(0, 40, 300, 64), &host, 2);
        if (gradient)
            bar.SetFgColor(RGB(0, 0, 0), RGB(0, 0, 255)); // 255 stripes
        const double ours = bench::MicrosPer([&](long i) { bar.SetPos(i % 101); });
        std::printf("%-40s %10.1f us   ratio %6.2f\n",
                    gradient ? "text progress bar, 255-stripe gradient" : "text progress bar, solid", ours,
                    ours / native);
        bar.DestroyWindow();
    }
    ::DestroyWindow(hNative);

    HWND hPlain = ::CreateWindowExA(0, "BUTTON", "Save", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 80, 100,
                                    40, host.m_hWnd, reinterpret_cast<HMENU>(3), NULL, NULL);
    const double plain = bench::MicrosPer([&](long) { Repaint(hPlain); });
    std::printf("%-40s %10.1f us\n", "plain push button, one paint", plain);
    CBenchButton button;
    button.Create("Save", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(120, 80, 220, 120), &host, 4);
    button.UseSystemIcon();
    const double ext = bench::MicrosPer([&](long) { Repaint(button.m_hWnd); });
    std::printf("%-40s %10.1f us   ratio %6.2f\n", "extended button, icon + caption", ext, ext / plain);

    button.DestroyWindow();
    ::DestroyWindow(hPlain);
    host.DestroyWindow();
    AfxWinTerm();
    return 0;
}
