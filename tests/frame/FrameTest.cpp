// The library frame, from a host's side: quillon.dll joins the host's
// framework as an extension module, its run-time classes are found through
// the chain with their exact names, schema and creatability, it refuses to
// load when AfxInitExtensionModule fails, and registered messages come from
// the one helper.
#include <Quillon.h>
#include <afxlite_testing.h>

#include "ModuleChain.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char kQuillonDll[] = "quillon.dll";

// The run-time classes quillon.dll carries: name, base class, dynamic
// creation. One row per class; each family adds its classes as it lands.
struct ClassRow
{
    const char* name;
    const char* base;
    bool creatable;
};
const ClassRow kClasses[] = {
    {"CFontStatic", "CStatic", false},  {"CColorStatic", "CFontStatic", false},
    {"CMaskedEdit", "CEdit", false},    {"CMaskedRichEdit", "CRichEditCtrl", false},
    {"CRestrictedEdit", "CEdit", true}, {"CMaskData", "CObject", true},
    {"CSizingToolBar", "CToolBar", false},
    {"CCursorTip", "CWnd", false},
};

HMODULE Quillon()
{
    // The test links against quillon.dll (QuillonRegisterMessage below), so
    // it is loaded before the tests start; LoadLibrary only counts a reference.
    static HMODULE h = ::LoadLibraryA(kQuillonDll);
    return h;
}

// The address lies inside the image of module h.
bool InModule(const void* p, HMODULE h)
{
    HMODULE hOwner = nullptr;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                             GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         static_cast<LPCSTR>(p), &hOwner);
    return hOwner == h;
}

TEST(LibraryFrameTest, LoadsAsAnExtensionModule)
{
    HMODULE h = Quillon();
    ASSERT_NE(h, nullptr) << kQuillonDll << " did not load, error " << ::GetLastError();
    CDynLinkLibrary* pDLL = FindLibrary(h);
    ASSERT_NE(pDLL, nullptr) << "no CDynLinkLibrary links quillon.dll into the chain";
    EXPECT_EQ(pDLL->m_hResource, h);
    EXPECT_FALSE(pDLL->m_bSystem);
    // Nothing is left in the saved slots once the module is initialised.
    EXPECT_EQ(AfxGetModuleState()->m_pClassInit, nullptr);
    EXPECT_EQ(AfxGetModuleState()->m_pFactoryInit, nullptr);
}

TEST(LibraryFrameTest, RunTimeClassesAreFoundThroughTheChainAndCreatedWhereOffered)
{
    HMODULE h = Quillon();
    ASSERT_NE(h, nullptr);
    CDynLinkLibrary* pDLL = FindLibrary(h);
    ASSERT_NE(pDLL, nullptr);
    for (const ClassRow& row : kClasses) {
        SCOPED_TRACE(row.name);
        CRuntimeClass* pClass = CRuntimeClass::FromName(row.name);
        ASSERT_NE(pClass, nullptr) << "not found from the host";
        EXPECT_STREQ(pClass->m_lpszClassName, row.name);
        EXPECT_EQ(pClass->m_wSchema, 0xFFFFu) << "not serialisable";
        EXPECT_TRUE(InModule(pClass, h)) << "the record does not belong to quillon.dll";
        // The raw entry kept the module's records out of the host's list.
        EXPECT_TRUE(InClassList(pDLL->m_classList, pClass));
        EXPECT_FALSE(InClassList(AfxGetModuleState()->m_classList, pClass));

        ASSERT_NE(pClass->m_pfnGetBaseClass, nullptr);
        CRuntimeClass* pBase = pClass->m_pfnGetBaseClass();
        ASSERT_NE(pBase, nullptr);
        EXPECT_STREQ(pBase->m_lpszClassName, row.base);
        EXPECT_TRUE(pClass->IsDerivedFrom(RUNTIME_CLASS(CObject)));

        // Dynamic creation only where it is offered.
        CObject* pObject = pClass->CreateObject();
        EXPECT_EQ(pObject != nullptr, row.creatable);
        if (pObject != nullptr) {
            EXPECT_EQ(pObject->GetRuntimeClass(), pClass);
            delete pObject;
        }
    }
}

// A copy of quillon.dll under another name (so the loader runs its entry
// points again), next to the original so that it finds afxlite.dll.
class CQuillonCopy
{
public:
    CQuillonCopy()
    {
        char szPath[MAX_PATH];
        ::GetModuleFileNameA(Quillon(), szPath, MAX_PATH);
        std::string path(szPath);
        m_path = path.substr(0, path.find_last_of("\\/") + 1) + "quillon_frame_copy.dll";
        m_bCopied = ::CopyFileA(szPath, m_path.c_str(), FALSE) != FALSE;
    }
    ~CQuillonCopy() { ::DeleteFileA(m_path.c_str()); }
    CQuillonCopy(const CQuillonCopy&) = delete;
    CQuillonCopy& operator=(const CQuillonCopy&) = delete;
    std::string m_path;
    bool m_bCopied;
};

TEST(LibraryFrameTest, FailedExtensionInitFailsTheLoad)
{
    ASSERT_NE(Quillon(), nullptr);
    CQuillonCopy copy;
    ASSERT_TRUE(copy.m_bCopied) << "could not copy quillon.dll to " << copy.m_path;

    AFX_MODULE_STATE* pState = AfxGetModuleState();
    CRuntimeClass* pClassHead = pState->m_classList;
    CDynLinkLibrary* pLibraryHead = pState->m_libraryList;

    AfxLiteFailNextExtensionInit();
    HMODULE h = ::LoadLibraryA(copy.m_path.c_str());
    EXPECT_EQ(h, nullptr) << "quillon.dll loaded although AfxInitExtensionModule failed";
    if (h != nullptr)
        ::FreeLibrary(h);
    // The host's chain is as it was; the original module is still found.
    EXPECT_EQ(static_cast<CRuntimeClass*>(pState->m_classList), pClassHead);
    EXPECT_EQ(static_cast<CDynLinkLibrary*>(pState->m_libraryList), pLibraryHead);
    EXPECT_EQ(pState->m_pClassInit, nullptr);
    for (const ClassRow& row : kClasses)
        EXPECT_TRUE(InModule(CRuntimeClass::FromName(row.name), Quillon())) << row.name;

    // Without the fault the same copy loads, joins the chain and leaves it.
    h = ::LoadLibraryA(copy.m_path.c_str());
    ASSERT_NE(h, nullptr) << "the copy did not load, error " << ::GetLastError();
    EXPECT_NE(FindLibrary(h), nullptr);
    ::FreeLibrary(h);
    EXPECT_EQ(FindLibrary(h), nullptr);
    EXPECT_EQ(static_cast<CDynLinkLibrary*>(pState->m_libraryList), pLibraryHead);
}

TEST(RegisteredMessageTest, SameNameSameNumberInTheRegisteredRange)
{
    const char kName[] = "Quillon Frame Test - {6F1C2A53-0B7E-4C1D-9E55-3D2A8B41C0F7}";
    UINT n1 = QuillonRegisterMessage(kName);
    UINT n2 = QuillonRegisterMessage(kName);
    EXPECT_EQ(n1, n2);
    EXPECT_GE(n1, 0xC000u);
    EXPECT_LE(n1, 0xFFFFu);
    EXPECT_EQ(n1, ::RegisterWindowMessageA(kName)) << "a host that registers the name gets the same number";
    EXPECT_NE(n1, QuillonRegisterMessage("Quillon Frame Test - another name"));
}

} // namespace
