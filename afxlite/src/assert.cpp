// assert.cpp: the loud failures behind ASSERT and AFXLITE_UNSUPPORTED. A
// programmer error or an unsupported call prints where it happened (to
// stderr and, on Windows, to the debugger) and aborts the process.
#include "afxlite_config.h"

#include <stdio.h>
#include <stdlib.h>

static void AfxLiteFail(const char* kind, const char* file, int line, const char* what)
{
    char message[1024];
    snprintf(message, sizeof message, "afxlite: %s: %s (%s:%d)\n", kind, what != nullptr ? what : "?",
             file != nullptr ? file : "?", line);
    fputs(message, stderr);
    fflush(stderr);
#if defined(_WIN32)
    OutputDebugStringA(message);
#endif
    abort();
}

void AfxAssertFailed(const char* file, int line, const char* what)
{
    AfxLiteFail("assertion failed", file, line, what);
}

void AfxUnsupported(const char* file, int line, const char* what)
{
    AfxLiteFail("not supported", file, line, what);
}
