// Extension modules, from the host's side: an extension DLL built for these
// tests (extdll/) is loaded and unloaded at run time, and its run-time
// classes, factory record and resources must be found through the chain
// exactly while it is loaded; a failing AfxInitExtensionModule must fail the
// load and leave the host's lists as they were. Windows only.
#include <afxwin.h>
#include <afxlite_testing.h>

#include "ModuleChain.h"

#include <gtest/gtest.h>

#include "extdll/ExtTest.h"
#include "resource.h"

#include <string>

namespace {

const char kExtDll[] = "afxlite_testext.dll";

// Loads the extension DLL for one test and unloads it at the end.
class CLoadedExtension
{
public:
    CLoadedExtension() : m_h(::LoadLibraryA(kExtDll)) {}
    ~CLoadedExtension()
    {
        if (m_h != nullptr)
            ::FreeLibrary(m_h);
    }
    CLoadedExtension(const CLoadedExtension&) = delete;
    CLoadedExtension& operator=(const CLoadedExtension&) = delete;
    HMODULE m_h;
};

bool InFactoryList(const CTypedSimpleList<COleObjectFactory*>& list, const char* progID)
{
    for (COleObjectFactory* p = list; p != nullptr; p = p->m_pNextFactory)
        if (p->m_lpszProgID != nullptr && strcmp(p->m_lpszProgID, progID) == 0)
            return true;
    return false;
}

std::string ResourceText(HMODULE h, LPCSTR name, LPCSTR type)
{
    HRSRC hRsrc = ::FindResourceA(h, name, type);
    if (hRsrc == nullptr)
        return "<none>";
    const char* p = static_cast<const char*>(::LockResource(::LoadResource(h, hRsrc)));
    return std::string(p, strnlen(p, ::SizeofResource(h, hRsrc)));
}

TEST(ExtensionModuleTest, RawEntryRunsBeforeStaticConstructors)
{
    CLoadedExtension ext;
    ASSERT_NE(ext.m_h, nullptr) << kExtDll << " did not load, error " << ::GetLastError();
    auto pfnInfo = reinterpret_cast<PFN_ExtTestGetLoadInfo>(
        reinterpret_cast<void (*)()>(::GetProcAddress(ext.m_h, "ExtTestGetLoadInfo")));
    ASSERT_NE(pfnInfo, nullptr);
    const ExtTestLoadInfo* pInfo = pfnInfo();
    EXPECT_TRUE(pInfo->bListsSetAsideBeforeConstructors) << "the host's class list was not in the saved slot";
    EXPECT_TRUE(pInfo->bConstructorsRegisteredApart) << "the DLL's classes did not land in an emptied list";
    EXPECT_TRUE(pInfo->bHostListBackAfterInit) << "AfxInitExtensionModule did not restore the host's list";
    EXPECT_EQ(AfxGetModuleState()->m_pClassInit, nullptr);
    EXPECT_EQ(AfxGetModuleState()->m_pFactoryInit, nullptr);
}

TEST(ExtensionModuleTest, ClassesAreFoundThroughTheChainWhileLoaded)
{
    EXPECT_EQ(CRuntimeClass::FromName("CExtTestWidget"), nullptr) << "found before the DLL is loaded";
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    HMODULE hLoaded = nullptr;
    {
        CLoadedExtension ext;
        hLoaded = ext.m_h;
        ASSERT_NE(ext.m_h, nullptr) << kExtDll << " did not load, error " << ::GetLastError();
        CDynLinkLibrary* pDLL = FindLibrary(ext.m_h);
        ASSERT_NE(pDLL, nullptr) << "no CDynLinkLibrary links the DLL";
        EXPECT_EQ(pDLL->m_hResource, ext.m_h);

        CRuntimeClass* pWidget = CRuntimeClass::FromName("CExtTestWidget");
        CRuntimeClass* pFixed = CRuntimeClass::FromName("CExtTestFixed");
        ASSERT_NE(pWidget, nullptr);
        ASSERT_NE(pFixed, nullptr);
        EXPECT_TRUE(InClassList(pDLL->m_classList, pWidget));
        EXPECT_FALSE(InClassList(pState->m_classList, pWidget))
            << "the DLL's class leaked into the host's list";
        EXPECT_TRUE(pFixed->IsDerivedFrom(pWidget));
        EXPECT_EQ(pFixed->m_wSchema, 0xFFFFu);

        CObject* pObject = pWidget->CreateObject();
        ASSERT_NE(pObject, nullptr);
        EXPECT_EQ(pObject->GetRuntimeClass(), pWidget);
        EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CObject)));
        delete pObject;
        EXPECT_EQ(pFixed->CreateObject(), nullptr);

        // The host's own classes are still found, first.
        EXPECT_EQ(CRuntimeClass::FromName("CObject"), RUNTIME_CLASS(CObject));

        EXPECT_TRUE(InFactoryList(pDLL->m_factoryList, EXT_FACTORY_PROGID));
        EXPECT_FALSE(InFactoryList(pState->m_factoryList, EXT_FACTORY_PROGID));
    }
    // Unloading terminates the module: its library record and classes are gone.
    EXPECT_EQ(CRuntimeClass::FromName("CExtTestWidget"), nullptr);
    EXPECT_EQ(::GetModuleHandleA(kExtDll), nullptr);
    EXPECT_EQ(FindLibrary(hLoaded), nullptr) << "the CDynLinkLibrary outlived its DLL";
}

TEST(ExtensionModuleTest, ResourcesAreSearchedHostFirstThenExtensions)
{
    HMODULE hExe = ::GetModuleHandleA(nullptr);
    CLoadedExtension ext;
    ASSERT_NE(ext.m_h, nullptr) << kExtDll << " did not load, error " << ::GetLastError();

    // Only the extension has these.
    HINSTANCE hData = AfxFindResourceHandle(EXT_DATA_NAME, EXT_DATA_TYPE);
    EXPECT_EQ(hData, ext.m_h);
    EXPECT_EQ(ResourceText(hData, EXT_DATA_NAME, EXT_DATA_TYPE), EXT_DATA_TEXT);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDS_EXT_GREETING / 16 + 1), RT_STRING), ext.m_h);
    CString greeting;
    EXPECT_TRUE(greeting.LoadString(IDS_EXT_GREETING));
    EXPECT_STREQ(greeting, EXT_GREETING_TEXT);
    CString fromId(MAKEINTRESOURCEA(IDS_EXT_GREETING));
    EXPECT_STREQ(fromId, EXT_GREETING_TEXT);

    // Both have string 101: the executable's wins.
    char hostText[256] = "";
    ASSERT_GT(::LoadStringA(hExe, IDS_TEST_PROMPT, hostText, sizeof hostText), 0)
        << "the test executable's resources lack string " << IDS_TEST_PROMPT;
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEA(IDS_TEST_PROMPT / 16 + 1), RT_STRING), hExe);
    CString prompt;
    EXPECT_TRUE(prompt.LoadString(IDS_TEST_PROMPT));
    EXPECT_STREQ(prompt, hostText);
    EXPECT_STRNE(prompt, EXT_HOST_TOO_TEXT);

    // Nowhere: the application's resource handle, and an empty string.
    EXPECT_EQ(AfxFindResourceHandle("NOSUCHNAME", EXT_DATA_TYPE), AfxGetResourceHandle());
    CString missing("old");
    EXPECT_FALSE(missing.LoadString(40999));
    EXPECT_TRUE(missing.IsEmpty());
}

TEST(ExtensionModuleTest, FailedInitFailsTheLoadAndLeavesTheListsIntact)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    CRuntimeClass* pClassHead = pState->m_classList;
    COleObjectFactory* pFactoryHead = pState->m_factoryList;
    CDynLinkLibrary* pLibraryHead = pState->m_libraryList;

    AfxLiteFailNextExtensionInit();
    HMODULE h = ::LoadLibraryA(kExtDll);
    EXPECT_EQ(h, nullptr) << "the load succeeded although AfxInitExtensionModule failed";
    if (h != nullptr)
        ::FreeLibrary(h);
    EXPECT_EQ(::GetModuleHandleA(kExtDll), nullptr);

    EXPECT_EQ(static_cast<CRuntimeClass*>(pState->m_classList), pClassHead);
    EXPECT_EQ(static_cast<COleObjectFactory*>(pState->m_factoryList), pFactoryHead);
    EXPECT_EQ(static_cast<CDynLinkLibrary*>(pState->m_libraryList), pLibraryHead);
    EXPECT_EQ(pState->m_pClassInit, nullptr);
    EXPECT_EQ(pState->m_pFactoryInit, nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("CExtTestWidget"), nullptr);

    // The hook fails one initialisation only.
    CLoadedExtension ext;
    EXPECT_NE(ext.m_h, nullptr);
    EXPECT_NE(CRuntimeClass::FromName("CExtTestWidget"), nullptr);
}

} // namespace
