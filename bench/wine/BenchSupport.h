// BenchSupport.h: what the Wine benchmarks share: the application object the
// framework needs, and the loop that times one operation. Each benchmark is
// one source file, so this header is included once per executable.
#pragma once

#include <afxwin.h>

namespace bench {

class CBenchApp : public CWinApp
{};
inline CBenchApp theApp;

inline double Seconds(LARGE_INTEGER a, LARGE_INTEGER b)
{
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return double(b.QuadPart - a.QuadPart) / double(f.QuadPart);
}

// Handles what the operations queued (posted notifications); dispatching also
// lets pending paints validate their windows.
inline void Drain()
{
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE))
        ::DispatchMessageA(&msg);
}

// Microseconds per call of op(i), over enough calls for about 0.5 s. With
// bDrain the queue is emptied every 64 calls and at the end (inside the time).
template <class Op> double MicrosPer(Op op, bool bDrain = false)
{
    for (long n = 16;; n *= 2) {
        LARGE_INTEGER t0, t1;
        ::QueryPerformanceCounter(&t0);
        for (long i = 0; i < n; ++i) {
            op(i);
            if (bDrain && (i & 63) == 63)
                Drain();
        }
        ::QueryPerformanceCounter(&t1);
        if (bDrain)
            Drain();
        const double s = Seconds(t0, t1);
        if (s > 0.5)
            return s * 1e6 / n;
    }
}

} // namespace bench
