// Quillon.h: the conventions every Quillon class shares: how classes are
// exported, how registered window messages are obtained, and the colour
// value that stands for "the system colour that fits".
#pragma once

// Version of the library these headers belong to (the CMake package's
// version): QUILLON_VERSION_STRING is "MAJOR.MINOR.PATCH".
#define QUILLON_VERSION_MAJOR 0
#define QUILLON_VERSION_MINOR 1
#define QUILLON_VERSION_PATCH 0
#define QUILLON_VERSION_STRING "0.1.0"

#if defined(_WIN32)
#include <afxwin.h>
#else
#include <afx.h> // native builds of the window-free cores: values only
#endif

// Export. Every public class is declared `class AFX_EXT_CLASS CName : ...`:
// exported whole (members, virtual table, run-time class record) while
// quillon.dll is built (_AFXEXT), imported by hosts, empty in static and
// native builds. Free functions use AFX_EXT_API the same way.

// Colours. A COLORREF argument of QUILLON_SYSCOLOR (0xFFFFFFFF) means "the
// system colour that fits the case"; each setter that accepts it says which
// system colour that is. No real RGB value has a non-zero top byte, so the
// value cannot collide with a colour.
#define QUILLON_SYSCOLOR (static_cast<COLORREF>(0xFFFFFFFF))

#if defined(_WIN32)
// Registered window messages. Every control obtains the numbers of its
// private messages here, from a fixed name that ends in a GUID (optionally
// with a per-instance part formatted into it by the caller), once per
// instance, in its constructor or PreSubclassWindow. The same name gives the
// same number (0xC000..0xFFFF) to every window on the desktop, so a control
// and a host window exchange these messages without a shared header.
// Returns the number; asserts on a null or empty name or on failure.
AFX_EXT_API UINT QuillonRegisterMessage(LPCSTR lpszName);
#endif
