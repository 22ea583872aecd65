// bench_colortree.cpp: the colour tree against a plain tree view with the
// same items, in the same run: inserting 10 000 items and deleting them
// (DeleteAllItems, and one by one), and one full paint of a 300x400 view.
#include <afxwin.h>

#include "wine/BenchSupport.h"

#include "ColorTreeCtrl.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const int kRoots = 1000, kChildren = 9; // 10 000 items
const DWORD kStyle =
    WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;

double Now()
{
    LARGE_INTEGER f, t;
    ::QueryPerformanceFrequency(&f);
    ::QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(f.QuadPart);
}

// Inserts the items through T's InsertItem (the plain CTreeCtrl's or the colour tree's).
template <class T> std::vector<HTREEITEM> Fill(T& tree)
{
    std::vector<HTREEITEM> roots;
    for (int r = 0; r < kRoots; r++) {
        HTREEITEM h = tree.InsertItem("Section of the survey", TVI_ROOT, TVI_LAST);
        roots.push_back(h);
        for (int c = 0; c < kChildren; c++)
            tree.InsertItem("Item with a label of some length", h, TVI_LAST);
    }
    return roots;
}

struct Times
{
    double insert = 1e9, deleteAll = 1e9, deleteEach = 1e9, paint = 1e9; // best of the runs, seconds
};

template <class T> void Measure(T& tree, Times& t, void (*colour)(T&, const std::vector<HTREEITEM>&))
{
    double t0 = Now();
    std::vector<HTREEITEM> roots = Fill(tree);
    t.insert = std::min(t.insert, Now() - t0);
    t0 = Now();
    tree.DeleteAllItems();
    t.deleteAll = std::min(t.deleteAll, Now() - t0);

    roots = Fill(tree);
    t0 = Now();
    for (HTREEITEM h : roots)
        tree.DeleteItem(h);
    t.deleteEach = std::min(t.deleteEach, Now() - t0);

    roots = Fill(tree);
    colour(tree, roots);
    for (int r = 0; r < 30; r++)
        tree.Expand(roots[r], TVE_EXPAND);
    tree.SelectItem(tree.GetChildItem(roots[1]));
    tree.UpdateWindow();
    const int kPaints = 50;
    t0 = Now();
    for (int i = 0; i < kPaints; i++)
        tree.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    t.paint = std::min(t.paint, (Now() - t0) / kPaints);
    tree.DeleteAllItems();
}

void NoColour(CTreeCtrl&, const std::vector<HTREEITEM>&) {}

void Colour(CColorTreeCtrl& tree, const std::vector<HTREEITEM>& roots)
{
    const COLORREF sys = QUILLON_SYSCOLOR;
    for (size_t r = 0; r < 30; r++) {
        tree.SetItemColors(roots[r], sys, sys, sys, sys);
        int c = 0;
        for (HTREEITEM h = tree.GetChildItem(roots[r]); h != nullptr; h = tree.GetNextSiblingItem(h), c++)
            tree.SetItemColors(h, RGB(0, 0, 160), RGB(255, 240, 200 + c * 5), RGB(255, 255, 255),
                               RGB(160, 0, 0));
    }
}

} // namespace

int main()
{
    if (!AfxWinInit(::GetModuleHandleA(NULL), NULL, ::GetCommandLineA(), SW_HIDE)) {
        std::fprintf(stderr, "bench_colortree: afxlite initialisation failed\n");
        return 2;
    }
    HWND hParent = ::CreateWindowExA(0, "STATIC", "bench", WS_POPUP | WS_VISIBLE, 0, 0, 700, 420, NULL, NULL,
                                     NULL, NULL);
    CWnd* pParent = CWnd::FromHandle(hParent);
    CTreeCtrl plain;
    CColorTreeCtrl colour;
    if (!plain.Create(kStyle, CRect(0, 0, 300, 400), pParent, 1) ||
        !colour.Create(kStyle, CRect(350, 0, 650, 400), pParent, 2)) {
        std::fprintf(stderr, "bench_colortree: trees not created\n");
        return 2;
    }
    Times tp, tc;
    for (int run = 0; run < 3; run++) { // alternate, best of three each
        Measure<CTreeCtrl>(plain, tp, NoColour);
        Measure<CColorTreeCtrl>(colour, tc, Colour);
    }
    std::printf(
        "bench_colortree: colour tree vs plain tree view, 10 000 items, 300x400 view (Wine, best of 3)\n");
    std::printf("%-34s %12s %12s %8s\n", "", "plain", "colour", "ratio");
    auto row = [](const char* what, double p, double c, double scale, const char* unit) {
        std::printf("%-34s %9.2f %s %9.2f %s %8.2f\n", what, p * scale, unit, c * scale, unit, c / p);
    };
    row("insert 10 000 items", tp.insert, tc.insert, 1e3, "ms");
    row("DeleteAllItems", tp.deleteAll, tc.deleteAll, 1e3, "ms");
    row("insert + DeleteAllItems", tp.insert + tp.deleteAll, tc.insert + tc.deleteAll, 1e3, "ms");
    row("DeleteItem of each root (1000)", tp.deleteEach, tc.deleteEach, 1e3, "ms");
    row("one full paint", tp.paint, tc.paint, 1e3, "ms");
    plain.DestroyWindow();
    colour.DestroyWindow();
    ::DestroyWindow(hParent);
    AfxWinTerm();
    return 0;
}
