// module.cpp: extension modules (AfxInitExtensionModule, CDynLinkLibrary,
// AfxTermExtensionModule), the resource chain, the instance handles and
// AfxRegisterClass. Windows only.
#include "afx.h"
#include "afxlite_testing.h"

#include <stddef.h>

namespace {
// Test hook state: AfxLiteFailNextExtensionInit arms it, the next
// AfxInitExtensionModule consumes it.
bool g_bFailNextExtensionInit = false;
} // namespace

extern "C" void AfxLiteFailNextExtensionInit()
{
    g_bFailNextExtensionInit = true;
}

/////////////////////////////////////////////////////////////////////////////
// Extension modules

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    if (g_bFailNextExtensionInit) {
        g_bFailNextExtensionInit = false;
        // Put the host's lists back (the module's records are about to be
        // unloaded with it), as a real failure must leave them.
        pModuleState->m_classList.m_pHead = pModuleState->m_pClassInit;
        pModuleState->m_factoryList.m_pHead = pModuleState->m_pFactoryInit;
        pModuleState->m_pClassInit = nullptr;
        pModuleState->m_pFactoryInit = nullptr;
        return FALSE;
    }

    // Only once per module (a second call comes from a thread attach in MFC).
    if (state.bInitialized)
        return TRUE;
    state.bInitialized = TRUE;

    ASSERT_MSG(hModule != nullptr, "AfxInitExtensionModule with a null module handle");
    state.hModule = hModule;
    state.hResource = hModule;

    // What this module's static constructors registered becomes the
    // module's own list; the host's list, set aside by the raw entry, returns.
    state.pFirstSharedClass = pModuleState->m_classList.GetHead();
    pModuleState->m_classList.m_pHead = pModuleState->m_pClassInit;
    state.pFirstSharedFactory = pModuleState->m_factoryList.GetHead();
    pModuleState->m_factoryList.m_pHead = pModuleState->m_pFactoryInit;
    pModuleState->m_pClassInit = nullptr;
    pModuleState->m_pFactoryInit = nullptr;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    if (!state.bInitialized)
        return;
    ASSERT(state.hModule != nullptr);
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    for (CDynLinkLibrary* pDLL = pModuleState->m_libraryList; pDLL != nullptr;) {
        CDynLinkLibrary* pNextDLL = pDLL->m_pNextDLL;
        if (bAll || pDLL->m_hModule == state.hModule)
            delete pDLL; // unlinks itself
        pDLL = pNextDLL;
    }
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource),
      m_classList(offsetof(CRuntimeClass, m_pNextClass)),
      m_factoryList(offsetof(COleObjectFactory, m_pNextFactory)), m_bSystem(bSystem), m_pNextDLL(nullptr)
{
    m_classList.m_pHead = state.pFirstSharedClass;
    m_factoryList.m_pHead = state.pFirstSharedFactory;
    AfxGetModuleState()->m_libraryList.AddHead(this);
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_classList(offsetof(CRuntimeClass, m_pNextClass)),
      m_factoryList(offsetof(COleObjectFactory, m_pNextFactory)), m_bSystem(FALSE), m_pNextDLL(nullptr)
{
    AfxGetModuleState()->m_libraryList.AddHead(this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    AfxGetModuleState()->m_libraryList.Remove(this);
}

/////////////////////////////////////////////////////////////////////////////
// Instance and resource handles. Until AfxWinInit sets them they are the
// executable's, so a test program without AfxWinMain has a working chain.

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    if (pModuleState->m_hCurrentInstanceHandle == nullptr)
        return ::GetModuleHandleA(nullptr);
    return pModuleState->m_hCurrentInstanceHandle;
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    if (pModuleState->m_hCurrentResourceHandle == nullptr)
        return ::GetModuleHandleA(nullptr);
    return pModuleState->m_hCurrentResourceHandle;
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    ASSERT_MSG(hInstResource != nullptr, "AfxSetResourceHandle with a null handle");
    AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType)
{
    ASSERT(lpszName != nullptr && lpszType != nullptr);
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    HINSTANCE hInst = AfxGetResourceHandle();
    if (::FindResourceA(hInst, lpszName, lpszType) != nullptr)
        return hInst;
    // Extension DLLs, most recently loaded first; system DLLs last.
    for (int pass = 0; pass < 2; ++pass) {
        for (CDynLinkLibrary* pDLL = pModuleState->m_libraryList; pDLL != nullptr; pDLL = pDLL->m_pNextDLL) {
            if ((pDLL->m_bSystem != FALSE) == (pass == 1) && pDLL->m_hResource != nullptr &&
                ::FindResourceA(pDLL->m_hResource, lpszName, lpszType) != nullptr)
                return pDLL->m_hResource;
        }
    }
    // Not found anywhere: the application's resource handle, as MFC answers.
    return hInst;
}

// TRUE when hInst has a non-empty string nID (string blocks hold 16
// counted wide strings; the block's id is nID / 16 + 1).
static BOOL HasStringResource(HINSTANCE hInst, UINT nID)
{
    HRSRC hRsrc = ::FindResourceA(hInst, MAKEINTRESOURCEA((nID >> 4) + 1), RT_STRING);
    if (hRsrc == nullptr)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    const WORD* p = hGlobal != nullptr ? static_cast<const WORD*>(::LockResource(hGlobal)) : nullptr;
    if (p == nullptr)
        return FALSE;
    const WORD* pEnd = reinterpret_cast<const WORD*>(reinterpret_cast<const BYTE*>(p) + ::SizeofResource(hInst, hRsrc));
    for (UINT i = 0; i < (nID & 15); ++i) {
        if (p >= pEnd)
            return FALSE;
        p += 1 + *p;
    }
    return p < pEnd && *p != 0;
}

// As AfxFindResourceHandle, for one string: a module may hold the block of 16
// without that string, so the string itself is checked. Null when no module has it.
HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    if (HasStringResource(hInst, nID))
        return hInst;
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    for (int pass = 0; pass < 2; ++pass) {
        for (CDynLinkLibrary* pDLL = pModuleState->m_libraryList; pDLL != nullptr; pDLL = pDLL->m_pNextDLL) {
            if ((pDLL->m_bSystem != FALSE) == (pass == 1) && pDLL->m_hResource != nullptr &&
                HasStringResource(pDLL->m_hResource, nID))
                return pDLL->m_hResource;
        }
    }
    return nullptr;
}

/////////////////////////////////////////////////////////////////////////////
// Window classes

BOOL AfxRegisterClass(WNDCLASSA* lpWndClass)
{
    ASSERT(lpWndClass != nullptr && lpWndClass->lpszClassName != nullptr);
    WNDCLASSA wndcls;
    if (::GetClassInfoA(lpWndClass->hInstance, lpWndClass->lpszClassName, &wndcls))
        return TRUE; // already registered: MFC treats this as success
    return ::RegisterClassA(lpWndClass) != 0;
}
