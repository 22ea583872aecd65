// afxdllx.h: the raw entry of an MFC-style extension DLL, for MinGW-w64.
// Include it in exactly one source file of the extension DLL (the one with
// its DllMain).
//
// Why a raw entry: afxlite keeps one process-wide module state, and the
// static constructors of an extension DLL (IMPLEMENT_DYNAMIC and friends,
// COleObjectFactory objects) register into its class and factory lists. The
// DLL's own records must not mix with the host's list; so before those
// constructors run, the raw entry moves the list heads into the saved slots
// (m_pClassInit, m_pFactoryInit) and empties the lists. AfxInitExtensionModule,
// called from DllMain, then takes what was registered as the DLL's own list
// (for its CDynLinkLibrary) and puts the host's list back.
//
// How it runs first: MSVC's CRT calls _pRawDllMain before the static
// constructors; MinGW-w64's DLL start-up has no such hook (dllcrt2.o does not
// reference _pRawDllMain), but it has an equivalent. DllMainCRTStartup runs,
// on DLL_PROCESS_ATTACH: _CRT_INIT (C initialisers), then DllEntryPoint, then
// __main (which runs the C++ static constructors), then DllMain; on
// DLL_PROCESS_DETACH: DllMain, then DllEntryPoint. libmingw32 supplies a
// DllEntryPoint that only returns TRUE; a DLL that defines its own replaces
// it. So this header defines DllEntryPoint and forwards it to RawDllMain. A
// constructor of the highest priority was rejected: its order against the
// C++ runtime's own prioritised constructors is the linker's choice, whereas
// DllEntryPoint's place is fixed by the start-up code.
//
// Use, in the DLL's entry source file:
//
//     #include <afxdllx.h>
//     static AFX_EXTENSION_MODULE extensionDLL = {};
//     extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
//     {
//         if (dwReason == DLL_PROCESS_ATTACH) {
//             if (!AfxInitExtensionModule(extensionDLL, hInstance))
//                 return 0;                           // the load fails
//             new CDynLinkLibrary(extensionDLL);      // owned by afxlite from now on
//         } else if (dwReason == DLL_PROCESS_DETACH) {
//             AfxTermExtensionModule(extensionDLL);
//         }
//         return 1;
//     }
//
// The header supplies RawDllMain as MFC's afxdllx.h does. A DLL that writes
// its own RawDllMain defines AFXLITE_CUSTOM_RAWDLLMAIN before including this
// header; its RawDllMain must set the lists aside as the default one does.
#pragma once

#if !defined(_WIN32)
#error "afxdllx.h is for Windows extension DLLs"
#endif

#include "afx.h"

extern "C" BOOL WINAPI RawDllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved);

// Called by MinGW-w64's DllMainCRTStartup after the C initialisers and before
// the C++ static constructors (see above).
extern "C" BOOL WINAPI DllEntryPoint(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    return RawDllMain(hInstance, dwReason, lpReserved);
}

#if !defined(AFXLITE_CUSTOM_RAWDLLMAIN)
extern "C" BOOL WINAPI RawDllMain(HINSTANCE, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        // Set the host's class and factory lists aside before this DLL's
        // static constructors register into them.
        AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
        pModuleState->m_pClassInit = pModuleState->m_classList;
        pModuleState->m_pFactoryInit = pModuleState->m_factoryList;
        pModuleState->m_classList.m_pHead = nullptr;
        pModuleState->m_factoryList.m_pHead = nullptr;
    }
    return TRUE; // every reason code succeeds
}
#endif
