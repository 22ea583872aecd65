// ExtTest.h: what the afxlite tests' extension DLL (afxlite_testext.dll)
// offers its test host: a run-time class, resources and a probe of the order
// in which its entry points ran.
#pragma once

#ifndef RC_INVOKED
#include <afx.h>
#endif

// String resources of the extension DLL. IDS_EXT_HOST_TOO repeats an id that
// the test executable has too (IDS_TEST_PROMPT), to show that the host wins.
#define IDS_EXT_GREETING 40001
#define IDS_EXT_HOST_TOO 101
#define EXT_GREETING_TEXT "Greetings from the test extension"
#define EXT_HOST_TOO_TEXT "The extension's copy of string 101"
// A custom resource: name and type given as strings.
#define EXT_DATA_NAME "EXTDATA"
#define EXT_DATA_TYPE "QUILLONTEST"
#define EXT_DATA_TEXT "extension data"

// The DLL's factory record (in the factory list of its CDynLinkLibrary).
#define EXT_FACTORY_PROGID "Quillon.ExtTest.1"

#ifndef RC_INVOKED
// What the DLL saw while it loaded, for the host to check.
struct ExtTestLoadInfo
{
    BOOL bListsSetAsideBeforeConstructors; // the raw entry ran before the static constructors
    BOOL bConstructorsRegisteredApart;     // the DLL's classes went into an emptied list
    BOOL bHostListBackAfterInit;           // after AfxInitExtensionModule the host's list was back
};

// Resolved with GetProcAddress by the test host (the DLL is loaded by LoadLibrary).
typedef const ExtTestLoadInfo*(WINAPI* PFN_ExtTestGetLoadInfo)();
#endif
