// The folder dialog driven through the shell's real browser: a hook on this
// thread answers the browser once it has initialised (after the initial
// selection it posts to itself), choosing a folder and pressing a button.
// The sharing of the root item list between copies is watched through a
// malloc spy on the COM task allocator.
#include <FolderDialog.h>

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace {

// What the hook does with the next browser: select pszSelect (unless null),
// then press nButton.
struct BrowseScript
{
    const char* pszSelect;
    int nButton;
    HWND hBrowser; // the browser answered, NULL until then
};
BrowseScript* g_pScript = nullptr;

LRESULT CALLBACK AnswerBrowser(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT* p = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    char szClass[16] = "";
    if (nCode == HC_ACTION && p->message == WM_INITDIALOG && g_pScript != nullptr &&
        g_pScript->hBrowser == NULL && ::GetClassNameA(p->hwnd, szClass, sizeof(szClass)) &&
        strcmp(szClass, "#32770") == 0) {
        g_pScript->hBrowser = p->hwnd;
        if (g_pScript->pszSelect != nullptr)
            ::PostMessageA(p->hwnd, BFFM_SETSELECTIONA, TRUE, (LPARAM)g_pScript->pszSelect);
        ::PostMessageA(p->hwnd, WM_COMMAND, g_pScript->nButton, 0);
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

// Runs dlg.DoModal with the browser answered by the script.
int Browse(CFolderDialog& dlg, const char* pszSelect, int nButton)
{
    BrowseScript script = {pszSelect, nButton, NULL};
    g_pScript = &script;
    HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, AnswerBrowser, NULL, ::GetCurrentThreadId());
    const int nResult = dlg.DoModal();
    ::UnhookWindowsHookEx(hHook);
    g_pScript = nullptr;
    EXPECT_NE(script.hBrowser, (HWND)NULL) << "no browser came up";
    return nResult;
}

// A folder with one subfolder under the temporary folder, made once for the
// suite and removed afterwards.
class FolderDialogTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        char szTemp[MAX_PATH], szLong[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        ::GetLongPathNameA(szTemp, szLong, MAX_PATH);
        s_strBase.Format("%squillon-folder-%lu", szLong, ::GetCurrentProcessId());
        s_strSub = s_strBase + "\\Chosen";
        ::CreateDirectoryA(s_strBase, NULL);
        ::CreateDirectoryA(s_strSub, NULL);
        // Wine 8's browser fails the first selection of a folder in a process
        // (its tree keeps the Desktop selected) and succeeds from then on;
        // this browse takes that first selection, so that the cases below
        // check the dialog and not the quirk.
        CFolderDialog warmUp;
        Browse(warmUp, s_strSub, IDCANCEL);
    }
    static void TearDownTestSuite()
    {
        ::RemoveDirectoryA(s_strSub);
        ::RemoveDirectoryA(s_strBase);
    }
    void SetUp() override
    {
        ASSERT_EQ(::GetFileAttributesA(s_strSub) & FILE_ATTRIBUTE_DIRECTORY, (DWORD)FILE_ATTRIBUTE_DIRECTORY);
        m_strBase = s_strBase;
        m_strSub = s_strSub;
    }
    static CString s_strBase, s_strSub; // no trailing backslash
    CString m_strBase, m_strSub;
};
CString FolderDialogTest::s_strBase, FolderDialogTest::s_strSub;

TEST_F(FolderDialogTest, BrowsingReturnsThePathWithOneBackslash)
{
    const CString strSubSlash = m_strSub + "\\";
    struct
    {
        const char* label;
        const char* pszInitial; // constructor's initial folder
        const char* pszRoot;    // constructor's root folder
        const char* pszSelect;  // chosen in the browser, null: none
        int nButton;
        int nResult;
        const char* pszPath; // GetPathName afterwards
    } rows[] = {
        {"a drive's root comes back unchanged", "", "", "C:\\", IDOK, IDOK, "C:\\"},
        {"a chosen folder gets one backslash", "", "", m_strSub, IDOK, IDOK, strSubSlash},
        {"the initial folder is preselected", m_strSub, "", nullptr, IDOK, IDOK, strSubSlash},
        {"a folder under the root folder", "", m_strBase, m_strSub, IDOK, IDOK, strSubSlash},
        {"a bad root folder is ignored", "", "C:\\no such folder\\at all", m_strSub, IDOK, IDOK, strSubSlash},
        {"Cancel leaves the path", "", "", m_strSub, IDCANCEL, IDCANCEL, "C:\\previous\\"},
        {"Cancel after an initial folder too", m_strSub, "", nullptr, IDCANCEL, IDCANCEL, "C:\\previous\\"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CFolderDialog dlg(NULL, const_cast<char*>(""), "Pick a folder", 0, row.pszInitial, row.pszRoot);
        dlg.m_strPath = "C:\\previous\\";
        EXPECT_EQ(Browse(dlg, row.pszSelect, row.nButton), row.nResult);
        EXPECT_STRCASEEQ(dlg.GetPathName(), row.pszPath);
    }
}

// Counts the frees of the blocks it is told to watch, until the address is
// handed out again.
class CFreeSpy : public IMallocSpy
{
public:
    std::map<const void*, int> m_frees;
    std::set<const void*> m_reused;

    void Watch(const void* p) { m_frees[p] = 0; }
    int Frees(const void* p) { return m_frees[p]; }

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IMallocSpy) {
            *ppv = this;
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP_(SIZE_T) PreAlloc(SIZE_T cb) override { return cb; }
    STDMETHODIMP_(void*) PostAlloc(void* p) override
    {
        if (m_frees.count(p))
            m_reused.insert(p);
        return p;
    }
    STDMETHODIMP_(void*) PreFree(void* p, BOOL) override
    {
        std::map<const void*, int>::iterator it = m_frees.find(p);
        if (it != m_frees.end() && !m_reused.count(p))
            ++it->second;
        return p;
    }
    STDMETHODIMP_(void) PostFree(BOOL) override {}
    STDMETHODIMP_(SIZE_T) PreRealloc(void* p, SIZE_T cb, void** ppNew, BOOL) override
    {
        *ppNew = p;
        return cb;
    }
    STDMETHODIMP_(void*) PostRealloc(void* p, BOOL) override { return p; }
    STDMETHODIMP_(void*) PreGetSize(void* p, BOOL) override { return p; }
    STDMETHODIMP_(SIZE_T) PostGetSize(SIZE_T cb, BOOL) override { return cb; }
    STDMETHODIMP_(void*) PreDidAlloc(void* p, BOOL) override { return p; }
    STDMETHODIMP_(int) PostDidAlloc(void*, BOOL, int nActual) override { return nActual; }
    STDMETHODIMP_(void) PreHeapMinimize() override {}
    STDMETHODIMP_(void) PostHeapMinimize() override {}
};

CString PathOf(LPCITEMIDLIST pidl)
{
    char szPath[MAX_PATH] = "";
    ::SHGetPathFromIDListA(pidl, szPath);
    return szPath;
}

TEST_F(FolderDialogTest, TheRootItemListIsFreedOnceByItsLastOwner)
{
    static CFreeSpy spy; // outlives a deferred revoke
    ASSERT_EQ(::CoRegisterMallocSpy(&spy), S_OK);
    {
        CFolderDialog* pFirst = new CFolderDialog(NULL, const_cast<char*>(""), "", 0, "", m_strBase);
        LPCITEMIDLIST pidlBase = pFirst->m_bi.pidlRoot;
        ASSERT_NE(pidlBase, nullptr);
        EXPECT_STRCASEEQ(PathOf(pidlBase), m_strBase);
        spy.Watch(pidlBase);

        CFolderDialog other(NULL, const_cast<char*>(""), "", 0, "", m_strSub);
        LPCITEMIDLIST pidlSub = other.m_bi.pidlRoot;
        ASSERT_NE(pidlSub, nullptr);
        spy.Watch(pidlSub);
        {
            CFolderDialog copy(*pFirst);
            other = copy; // other's own root has no other owner
            EXPECT_EQ(spy.Frees(pidlSub), 1);
            other = other;
            delete pFirst;
            copy = other;
            EXPECT_EQ(spy.Frees(pidlBase), 0) << "freed while copies still refer to it";
            EXPECT_EQ(other.m_bi.pidlRoot, pidlBase);
        }
        EXPECT_EQ(spy.Frees(pidlBase), 0);
        EXPECT_STRCASEEQ(PathOf(other.m_bi.pidlRoot), m_strBase);
        other.~CFolderDialog();
        EXPECT_EQ(spy.Frees(pidlBase), 1);
        new (&other) CFolderDialog; // no root: its destructor frees nothing
        EXPECT_EQ(spy.Frees(pidlSub), 1);
    }
    ::CoRevokeMallocSpy();
}

} // namespace
