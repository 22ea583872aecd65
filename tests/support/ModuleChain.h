// ModuleChain.h: lookups in the framework's extension-module chain.
#pragma once

#include <afxwin.h>

// The CDynLinkLibrary that links module h into the chain, or null.
CDynLinkLibrary* FindLibrary(HMODULE h);

// Whether pWanted is linked into a run-time class list.
bool InClassList(const CTypedSimpleList<CRuntimeClass*>& list, const CRuntimeClass* pWanted);
