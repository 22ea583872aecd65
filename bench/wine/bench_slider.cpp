// bench_slider.cpp: the cost of one paint of a 300 by 40 range slider and of
// one drag step (WM_MOUSEMOVE through the repaint), each against the same
// operation on a native trackbar with a selection range (TBS_ENABLESELRANGE)
// of the same size, measured in the same run.
#include <afxwin.h>

#include "wine/BenchSupport.h"
#include <commctrl.h>

#include "CustomSliderCtrl.h"

#include <cstdio>

namespace {

void Paint(HWND hWnd)
{
    ::RedrawWindow(hWnd, NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// One step of a drag that alternates between two points one unit apart.
void Step(HWND hWnd, long i, int x0, int x1, int y)
{
    ::SendMessageA(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(i % 2 ? x1 : x0, y));
    ::UpdateWindow(hWnd);
}

} // namespace

int main()
{
    if (!AfxWinInit(::GetModuleHandleA(NULL), NULL, ::GetCommandLineA(), SW_HIDE)) {
        std::fprintf(stderr, "bench_slider: afxlite initialisation failed\n");
        return 2;
    }
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    HWND hParent = ::CreateWindowExA(0, "STATIC", "bench", WS_POPUP | WS_VISIBLE, 0, 0, 640, 120, NULL, NULL,
                                     NULL, NULL);
    HWND hTrack = ::CreateWindowExA(0, TRACKBAR_CLASSA, "", WS_CHILD | WS_VISIBLE | TBS_ENABLESELRANGE, 0, 0,
                                    300, 40, hParent, reinterpret_cast<HMENU>(1), NULL, NULL);
    HWND hStatic = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 320, 0, 300, 40,
                                     hParent, reinterpret_cast<HMENU>(2), NULL, NULL);
    CCustomSliderCtrl slider;
    if (hTrack == NULL || hStatic == NULL || !slider.SubclassWindow(hStatic)) {
        std::fprintf(stderr, "bench_slider: the controls could not be created\n");
        return 2;
    }
    ::SendMessageA(hTrack, TBM_SETRANGE, FALSE, MAKELPARAM(0, 10));
    ::SendMessageA(hTrack, TBM_SETSEL, FALSE, MAKELPARAM(2, 5));
    ::SendMessageA(hTrack, TBM_SETPOS, TRUE, 5);

    std::printf("bench_slider: 300x40, range 0..10, selection 2..5 (Wine)\n");
    for (int run = 0; run < 3; ++run) {
        const double paintTrack = bench::MicrosPer([&](long) { Paint(hTrack); }, true);
        const double paintSlider = bench::MicrosPer([&](long) { Paint(slider.m_hWnd); }, true);

        // Trackbar: press on its thumb, then move it one unit back and forth.
        ::SendMessageA(hTrack, TBM_SETPOS, TRUE, 5);
        RECT rcThumb;
        ::SendMessageA(hTrack, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&rcThumb));
        const int tx = (rcThumb.left + rcThumb.right) / 2, ty = (rcThumb.top + rcThumb.bottom) / 2;
        RECT rcChannel;
        ::SendMessageA(hTrack, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&rcChannel));
        const int unit = (rcChannel.right - rcChannel.left) / 10;
        ::SendMessageA(hTrack, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(tx, ty));
        ::SendMessageA(hTrack, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(tx + unit, ty));
        const LRESULT nMoved = ::SendMessageA(hTrack, TBM_GETPOS, 0, 0);
        const double dragTrack = bench::MicrosPer([&](long i) { Step(hTrack, i, tx, tx + unit, ty); }, true);
        ::SendMessageA(hTrack, WM_LBUTTONUP, 0, MAKELPARAM(tx, ty));
        if (nMoved == 5) {
            std::fprintf(stderr, "bench_slider: the trackbar's thumb did not follow the drag (%ld)\n",
                         static_cast<long>(nMoved));
            return 2;
        }

        // Slider: hover the max thumb, press, move it one unit back and forth.
        slider.SetSel(2, 5);
        CRect rcSlider;
        slider.GetClientRect(&rcSlider);
        const int sx =
            8 + (rcSlider.Width() - 16) * 5 / 10 - 2 + 2; // the max thumb, just right of the selection
        slider.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(sx, 20));
        slider.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(sx, 20));
        const int sunit = (rcSlider.Width() - 16) / 10 + 1;
        const double dragSlider =
            bench::MicrosPer([&](long i) { Step(slider.m_hWnd, i, sx, sx + sunit, 20); }, true);
        slider.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(sx, 20));
        if (slider.GetSelMin() != 2 || (slider.GetSelMax() != 5 && slider.GetSelMax() != 6)) {
            std::fprintf(stderr, "bench_slider: the drag did not move the max end (%d..%d)\n",
                         slider.GetSelMin(), slider.GetSelMax());
            return 2;
        }
        std::printf("run %d  paint: trackbar %8.1f us  slider %8.1f us  ratio %5.2f   "
                    "drag step: trackbar %8.1f us  slider %8.1f us  ratio %5.2f\n",
                    run + 1, paintTrack, paintSlider, paintSlider / paintTrack, dragTrack, dragSlider,
                    dragSlider / dragTrack);
        std::fflush(stdout);
    }
    slider.UnsubclassWindow();
    ::DestroyWindow(hParent);
    AfxWinTerm();
    return 0;
}
