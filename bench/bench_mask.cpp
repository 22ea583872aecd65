// bench_mask.cpp: operations per second of InsertAt and DeleteRange on masks
// of 16, 256 and 4096 positions, against a baseline measured in the same run
// (copying the shown text once per operation). A ratio that stays flat as the
// mask grows means the operations grow linearly with the mask, like the copy.
#include "../src/masked/MaskModel.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {

typedef CStandaloneMask BenchModel;

using Clock = std::chrono::steady_clock;

template <class F> double OpsPerSecond(F&& op)
{
    // Enough iterations for about 0.2 s, found by doubling.
    long iterations = 16;
    for (;;) {
        const auto t0 = Clock::now();
        for (long i = 0; i < iterations; ++i)
            op(i);
        const double s = std::chrono::duration<double>(Clock::now() - t0).count();
        if (s > 0.2)
            return iterations / s;
        iterations *= 2;
    }
}

std::string MaskOf(int positions)
{
    // Digits with a literal every fourth position, as in dates and numbers.
    std::string mask;
    for (int i = 0; i < positions; ++i)
        mask += (i % 4 == 3) ? '-' : '#';
    return mask;
}

volatile size_t g_sink;

} // namespace

int main()
{
    std::printf("bench_mask: mask model operations (native, -O2)\n");
    std::printf("%9s %16s %14s %14s %10s %10s %12s\n", "positions", "baseline op/s", "InsertAt op/s",
                "DeleteRange/s", "ins ratio", "del ratio", "ns/op/pos");
    for (int positions : {16, 256, 4096}) {
        BenchModel m;
        const std::string mask = MaskOf(positions);
        m.SetMask(mask.c_str());
        m.SetInputData(std::string(static_cast<size_t>(positions), '5').c_str(), 0, true);
        const CString shown = m.ShowMask();
        const double base = OpsPerSecond([&](long) {
            CString copy(shown.GetString(), shown.GetLength());
            g_sink = g_sink + static_cast<size_t>(copy.GetLength());
        });
        const double ins = OpsPerSecond([&](long i) { m.InsertAt(static_cast<int>(i % positions), '7'); });
        const double del = OpsPerSecond([&](long i) {
            const int p = static_cast<int>(i % positions);
            m.DeleteRange(p, p + 1);
        });
        std::printf("%9d %16.0f %14.0f %14.0f %10.1f %10.1f %12.2f\n", positions, base, ins, del, base / ins,
                    base / del, 1e9 / ins / positions);
    }
    std::printf("ratio = baseline op/s / operation op/s (how many display copies one operation costs)\n");
    return 0;
}
