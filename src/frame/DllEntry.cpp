// DllEntry.cpp: how quillon.dll joins the host's framework when it is loaded
// and leaves it when it is unloaded. The order is fixed: the run-time class
// and factory lists are set aside before this module's static constructors
// run (raw entry), the extension module is initialised and linked into the
// host's search chain before any class is used (main entry, attach), and it
// is terminated at unload (main entry, detach).
#include "Quillon.h"

// Quillon supplies its own raw entry below; afxdllx.h hooks it into
// MinGW-w64's DLL start-up (DllEntryPoint, which runs before the C++ static
// constructors: see the header for why that hook and not another).
#define AFXLITE_CUSTOM_RAWDLLMAIN
#include <afxdllx.h>

namespace {
// The module's one extension-module record: filled in at load, released at
// unload. The only process-wide state of the frame.
AFX_EXTENSION_MODULE g_quillonModule = {FALSE, nullptr, nullptr, nullptr, nullptr};
} // namespace

// Raw entry. On process attach, move the heads of the framework's run-time
// class and class-factory lists into the saved slots and empty the lists,
// so that what this module's static constructors register (IMPLEMENT_DYNAMIC
// and friends) stays apart from the host's lists until
// AfxInitExtensionModule. Succeeds for every reason code.
extern "C" BOOL WINAPI RawDllMain(HINSTANCE, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
        pModuleState->m_pClassInit = pModuleState->m_classList;
        pModuleState->m_pFactoryInit = pModuleState->m_factoryList;
        pModuleState->m_classList.m_pHead = nullptr;
        pModuleState->m_factoryList.m_pHead = nullptr;
    }
    return TRUE;
}

// Main entry. Attach: initialise the extension module (a failure fails the
// load) and link it into the host's resource and run-time-class search with
// a CDynLinkLibrary, which the framework owns from then on (it is deleted by
// AfxTermExtensionModule, never here). Detach: terminate the module. Other
// reason codes succeed without action.
extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        if (!AfxInitExtensionModule(g_quillonModule, hInstance))
            return 0;
        new CDynLinkLibrary(g_quillonModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_quillonModule);
    }
    return 1;
}
