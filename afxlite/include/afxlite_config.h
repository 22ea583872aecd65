// afxlite_config.h: build configuration shared by every afxlite header:
// the platform headers, the export macro and the loud-failure helpers.
#pragma once

// Quillon and afxlite are built for the ANSI API (char strings) only.
#if defined(UNICODE) || defined(_UNICODE)
#error "Quillon is ANSI-only: build the host without UNICODE and _UNICODE (char strings, the ...A API)."
// The headers are then read as ANSI, so that the message above stays the only one.
#undef UNICODE
#undef _UNICODE
#endif

#if defined(_WIN32)
#ifndef STRICT
#define STRICT
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
// Native (Linux) builds of the window-free cores: only the Win32 value types
// that the portable classes use, no API of any kind.
#include "afxlite_wintypes.h"
#endif

// AFXLITE_API marks what afxlite.dll exports (MFC's AFX_CORE_DATA/AFX_CLASS_EXPORT).
#if defined(AFXLITE_STATIC) || !defined(_WIN32)
#define AFXLITE_API
#elif defined(AFXLITE_BUILD)
#define AFXLITE_API __declspec(dllexport)
#else
#define AFXLITE_API __declspec(dllimport)
#endif

// Extension modules (MFC's AFX_EXT_CLASS): export while building the module
// (_AFXEXT defined), import in its hosts.
#if !defined(_WIN32) || defined(QUILLON_STATIC)
#define AFX_EXT_CLASS
#elif defined(_AFXEXT)
#define AFX_EXT_CLASS __declspec(dllexport)
#else
#define AFX_EXT_CLASS __declspec(dllimport)
#endif
#define AFX_EXT_API AFX_EXT_CLASS
#define AFX_EXT_DATA AFX_EXT_CLASS

// Programmer errors, as MFC reports them: ASSERT, ASSERT_VALID and the
// ASSERT_MSG extension check only in debug builds (_DEBUG); VERIFY always
// evaluates its expression and checks only in debug builds. A failed check
// of a process with a console prints the file, line and expression to
// stderr and aborts; in a GUI process it shows the assertion message box
// (Abort ends the process, Retry breaks into the debugger, Ignore goes on).
// AfxAssertFailedLine returns TRUE for Retry.
AFXLITE_API BOOL AfxAssertFailedLine(const char* file, int line, const char* what);
AFXLITE_API void AfxDebugBreak();
// A call that afxlite deliberately does not provide: fails with a message in
// every build.
AFXLITE_API void AfxUnsupported(const char* file, int line, const char* what);

#if defined(_DEBUG)
#define ASSERT_MSG(f, msg)                                                                                   \
    do {                                                                                                     \
        if (!(f) && AfxAssertFailedLine(__FILE__, __LINE__, msg))                                            \
            AfxDebugBreak();                                                                                 \
    } while (0)
#define ASSERT(f) ASSERT_MSG(f, #f)
#define VERIFY(f) ASSERT(f)
#define ASSERT_VALID(p) AfxAssertValidObject(p, __FILE__, __LINE__)
#else
// Not evaluated; sizeof only keeps the names used, so release builds warn
// about no variable that only a check reads.
#define ASSERT_MSG(f, msg) ((void)sizeof(!(f)), (void)sizeof(msg))
#define ASSERT(f) ((void)sizeof(!(f)))
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(p) ((void)sizeof(p))
#endif
#define AFXLITE_UNSUPPORTED(what) AfxUnsupported(__FILE__, __LINE__, what)
#define TRACE(...) ((void)0)
#define UNUSED_ALWAYS(x) (void)(x)
