// bench_dialogs.cpp: the cost of one resize of a CResizingDialog with 100
// registered controls (SetWindowPos of the dialog, its WM_SIZE, the scroll
// bars set up again and the 100 controls moved), against moving the same
// 100 controls once with one DeferWindowPos batch in the same run.  The
// dialog alternates between two sizes larger than its template, so every
// control really moves in both cases.  Hidden windows: no painting is timed.
#include <afxwin.h>

#include "wine/BenchSupport.h"

#include "ResizingDialog.h"

#include <cstdio>
#include <vector>

namespace {

const int kControls = 100;
const UINT kFirstId = 1000;

// A 10 x 10 grid of statics; each column stretches, the last row moves down.
class CGridDlg : public CResizingDialog
{
public:
    CGridDlg() : CResizingDialog(0) {}

protected:
    BOOL OnInitDialog() override
    {
        for (int i = 0; i < kControls; ++i) {
            const int x = 8 + (i % 10) * 40, y = 8 + (i / 10) * 24;
            ::CreateWindowExA(0, "STATIC", "x", WS_CHILD | WS_VISIBLE, x, y, 36, 20, m_hWnd,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstId + i)), NULL, NULL);
        }
        CResizingDialog::OnInitDialog();
        for (int i = 0; i < kControls; ++i) {
            const bool bLastRow = i / 10 == 9;
            AddDlgControl(kFirstId + i, !bLastRow, !bLastRow, true, false);
        }
        return TRUE;
    }
};

// An empty in-memory template: WS_POPUP | WS_CAPTION | WS_THICKFRAME, 280 x 180 units.
struct EmptyTemplate
{
    DLGTEMPLATE dt;
    WORD menu, cls, title;
};

} // namespace

int main()
{
    if (!AfxWinInit(::GetModuleHandleA(NULL), NULL, ::GetCommandLineA(), SW_HIDE)) {
        std::fprintf(stderr, "bench_dialogs: afxlite initialisation failed\n");
        return 2;
    }
    static EmptyTemplate tmpl = {};
    tmpl.dt.style = WS_POPUP | WS_CAPTION | WS_THICKFRAME;
    tmpl.dt.cx = 280;
    tmpl.dt.cy = 180;

    CGridDlg dlg;
    if (!dlg.CreateIndirect(&tmpl.dt)) {
        std::fprintf(stderr, "bench_dialogs: dialog not created\n");
        return 2;
    }
    CRect rcWindow;
    dlg.GetWindowRect(&rcWindow);

    // The resizing dialog: two sizes, both larger than at init.
    const double relayout = bench::MicrosPer([&](long i) {
        const int grow = (i & 1) ? 40 : 80;
        dlg.SetWindowPos(NULL, 0, 0, rcWindow.Width() + grow, rcWindow.Height() + grow,
                         SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    });

    // The layout really happened: the first column stretched with the dialog.
    CRect rcFirst;
    ::GetWindowRect(::GetDlgItem(dlg.m_hWnd, kFirstId), &rcFirst);
    if (rcFirst.Width() != 36 + 40 && rcFirst.Width() != 36 + 80) {
        std::fprintf(stderr, "bench_dialogs: the controls did not follow the dialog (width %d)\n",
                     rcFirst.Width());
        return 2;
    }
    dlg.SetWindowPos(NULL, 0, 0, rcWindow.Width(), rcWindow.Height(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

    // The same controls moved by hand, in one batch, between two layouts.
    std::vector<HWND> controls;
    std::vector<CRect> rects;
    for (int i = 0; i < kControls; ++i) {
        HWND hCtrl = ::GetDlgItem(dlg.m_hWnd, kFirstId + i);
        CRect rc;
        ::GetWindowRect(hCtrl, &rc);
        dlg.ScreenToClient(&rc);
        controls.push_back(hCtrl);
        rects.push_back(rc);
    }
    const double deferred = bench::MicrosPer([&](long i) {
        const int grow = (i & 1) ? 40 : 80;
        HDWP hdwp = ::BeginDeferWindowPos(kControls);
        for (int k = 0; k < kControls && hdwp != NULL; ++k) {
            const CRect& rc = rects[k];
            hdwp = ::DeferWindowPos(hdwp, controls[k], NULL, rc.left, rc.top + (k / 10 == 9 ? grow : 0),
                                    rc.Width() + grow, rc.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
        }
        if (hdwp != NULL)
            ::EndDeferWindowPos(hdwp);
    });

    std::printf("bench_dialogs: one resize of a dialog with %d registered controls (Wine)\n", kControls);
    std::printf("%-40s %12.2f us\n", "DeferWindowPos, the same controls", deferred);
    std::printf("%-40s %12.2f us   ratio %6.2f\n", "CResizingDialog resize (WM_SIZE)", relayout,
                relayout / deferred);
    dlg.DestroyWindow();
    AfxWinTerm();
    return 0;
}
