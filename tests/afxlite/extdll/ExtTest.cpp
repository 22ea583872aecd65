// ExtTest.cpp: a small extension DLL built only for the afxlite tests. It
// uses afxdllx.h's default raw entry, as an MFC extension DLL would, and has
// one dynamically creatable class, one that is not, a factory record and
// resources of its own (ExtTest.rc).
#include <afxdllx.h>

#include "ExtTest.h"

namespace {

ExtTestLoadInfo g_loadInfo = {FALSE, FALSE, FALSE};
AFX_EXTENSION_MODULE g_extModule = {FALSE, nullptr, nullptr, nullptr, nullptr};

// A static object constructed among the DLL's static constructors: it
// records what the raw entry left behind.
struct CConstructionProbe
{
    CConstructionProbe()
    {
        AFX_MODULE_STATE* pState = AfxGetModuleState();
        // The host's list (never empty: afxlite and the host register
        // classes) sits in the saved slot while the DLL constructs.
        g_loadInfo.bListsSetAsideBeforeConstructors = pState->m_pClassInit != nullptr;
    }
} g_probe;

} // namespace

class CExtTestWidget : public CObject
{
    DECLARE_DYNCREATE(CExtTestWidget)
public:
    int m_nMagic = 4711;
};
IMPLEMENT_DYNCREATE(CExtTestWidget, CObject)

class CExtTestFixed : public CExtTestWidget
{
    DECLARE_DYNAMIC(CExtTestFixed)
};
IMPLEMENT_DYNAMIC(CExtTestFixed, CExtTestWidget)

static COleObjectFactory g_extFactory(EXT_FACTORY_PROGID);

extern "C" __declspec(dllexport) const ExtTestLoadInfo* WINAPI ExtTestGetLoadInfo()
{
    return &g_loadInfo;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH) {
        AFX_MODULE_STATE* pState = AfxGetModuleState();
        // Only this DLL's records are in the (emptied) list now.
        bool bApart = true;
        for (CRuntimeClass* p = pState->m_classList; p != nullptr; p = p->m_pNextClass)
            bApart = bApart && (p == RUNTIME_CLASS(CExtTestWidget) || p == RUNTIME_CLASS(CExtTestFixed));
        g_loadInfo.bConstructorsRegisteredApart = bApart && !pState->m_classList.IsEmpty();
        CRuntimeClass* pSaved = pState->m_pClassInit;

        if (!AfxInitExtensionModule(g_extModule, hInstance))
            return 0;
        g_loadInfo.bHostListBackAfterInit = pState->m_classList.GetHead() == pSaved;
        new CDynLinkLibrary(g_extModule);
    } else if (dwReason == DLL_PROCESS_DETACH) {
        AfxTermExtensionModule(g_extModule);
    }
    return 1;
}
