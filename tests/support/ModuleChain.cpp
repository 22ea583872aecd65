// Lookups in the framework's extension-module chain, shared by the tests.
#include "ModuleChain.h"

CDynLinkLibrary* FindLibrary(HMODULE h)
{
    for (CDynLinkLibrary* p = AfxGetModuleState()->m_libraryList; p != nullptr; p = p->m_pNextDLL)
        if (p->m_hModule == h)
            return p;
    return nullptr;
}

bool InClassList(const CTypedSimpleList<CRuntimeClass*>& list, const CRuntimeClass* pWanted)
{
    for (CRuntimeClass* p = list; p != nullptr; p = p->m_pNextClass)
        if (p == pWanted)
            return true;
    return false;
}
