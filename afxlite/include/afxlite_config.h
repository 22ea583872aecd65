// afxlite_config.h: build configuration shared by every afxlite header:
// the platform headers, the export macro and the loud-failure helpers.
#pragma once

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

// Programmer errors fail loudly in every build (afxlite never compiles them
// out): the message names the file, the line and the failed expression.
AFXLITE_API void AfxAssertFailed(const char* file, int line, const char* what);
// A call that afxlite deliberately does not provide: fails with a message.
AFXLITE_API void AfxUnsupported(const char* file, int line, const char* what);

#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailed(__FILE__, __LINE__, #f))
#define ASSERT_MSG(f, msg) ((f) ? (void)0 : AfxAssertFailed(__FILE__, __LINE__, msg))
#define VERIFY(f) ASSERT(f)
#define ASSERT_VALID(p) ASSERT((p) != nullptr)
#define AFXLITE_UNSUPPORTED(what) AfxUnsupported(__FILE__, __LINE__, what)
#define TRACE(...) ((void)0)
#define UNUSED_ALWAYS(x) (void)(x)
