// The folder dialog through the shell's real browser, answered by a hook on
// this thread once the browser has initialised (after the initial selection
// it posts to itself); and the root item list shared by copies, watched
// through a malloc spy on the COM task allocator.
#include <FolderDialog.h>

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

const char* g_pszSelect = nullptr; // chosen by the hook (null: none), then...
int g_nButton = 0;                 // ...this button pressed
HWND g_hBrowser = NULL;            // the browser answered

LRESULT CALLBACK AnswerBrowser(int nCode, WPARAM wParam, LPARAM lParam)
{
    const CWPRETSTRUCT* p = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (nCode == HC_ACTION && p->message == WM_INITDIALOG && g_hBrowser == NULL) {
        g_hBrowser = p->hwnd;
        if (g_pszSelect != nullptr)
            ::PostMessageA(p->hwnd, BFFM_SETSELECTIONA, TRUE, (LPARAM)g_pszSelect);
        ::PostMessageA(p->hwnd, WM_COMMAND, g_nButton, 0);
    }
    return ::CallNextHookEx(NULL, nCode, wParam, lParam);
}

int Browse(CFolderDialog& dlg, const char* pszSelect, int nButton)
{
    g_pszSelect = pszSelect, g_nButton = nButton, g_hBrowser = NULL;
    HHOOK hHook = ::SetWindowsHookExA(WH_CALLWNDPROCRET, AnswerBrowser, NULL, ::GetCurrentThreadId());
    const int nResult = dlg.DoModal();
    ::UnhookWindowsHookEx(hHook);
    EXPECT_NE(g_hBrowser, (HWND)NULL) << "no browser came up";
    return nResult;
}

// <temp>\quillon-folder-<pid>\Chosen, made once for the suite.
CString g_strBase, g_strSub;

class FolderDialogTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        char szTemp[MAX_PATH], szLong[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szTemp);
        ::GetLongPathNameA(szTemp, szLong, MAX_PATH);
        g_strBase.Format("%squillon-folder-%lu", szLong, ::GetCurrentProcessId());
        g_strSub = g_strBase + "\\Chosen";
        ::CreateDirectoryA(g_strBase, NULL);
        ::CreateDirectoryA(g_strSub, NULL);
        // Wine 8's browser fails the first selection of a folder the process
        // has just made (its tree keeps the Desktop selected) and succeeds
        // from then on; this browse takes that first one, so that the cases
        // check the dialog.
        CFolderDialog warmUp;
        Browse(warmUp, g_strSub, IDCANCEL);
    }
    static void TearDownTestSuite()
    {
        ::RemoveDirectoryA(g_strSub);
        ::RemoveDirectoryA(g_strBase);
    }
};

TEST_F(FolderDialogTest, BrowsingReturnsThePathWithOneBackslash)
{
    const CString strSub = g_strSub + "\\";
    const char* const pszOld = "C:\\previous\\";
    const struct
    {
        const char *label, *pszInitial, *pszRoot; // the constructor's folders
        const char* pszSelect;                    // chosen in the browser, null: none
        int nButton;
        const char* pszPath; // GetPathName afterwards
    } rows[] = {
        {"a drive's root comes back unchanged", "", "", "C:\\", IDOK, "C:\\"},
        {"a chosen folder gets one backslash", "", "", g_strSub, IDOK, strSub},
        {"the initial folder is preselected", g_strSub, "", nullptr, IDOK, strSub},
        {"a folder under the root folder", "", g_strBase, g_strSub, IDOK, strSub},
        {"a bad root folder is ignored", "", "C:\\no such folder\\at all", g_strSub, IDOK, strSub},
        {"Cancel leaves the path", "", "", g_strSub, IDCANCEL, pszOld},
        {"Cancel after an initial folder", g_strSub, "", nullptr, IDCANCEL, pszOld},
    };
    for (const auto& row : rows) {
        CFolderDialog dlg(NULL, const_cast<char*>(""), "Pick a folder", 0, row.pszInitial, row.pszRoot);
        dlg.m_strPath = pszOld;
        EXPECT_EQ(Browse(dlg, row.pszSelect, row.nButton), row.nButton) << row.label;
        EXPECT_STRCASEEQ(dlg.GetPathName(), row.pszPath) << row.label;
    }
}

// Counts the frees of watched blocks until their address is handed out again.
struct CFreeSpy : IMallocSpy
{
    std::map<const void*, int> m_frees; // watched block -> frees
    std::set<const void*> m_reused;     // watched blocks allocated again
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        *ppv = (riid == IID_IUnknown || riid == IID_IMallocSpy) ? this : nullptr;
        return *ppv ? S_OK : E_NOINTERFACE;
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
        if (m_frees.count(p) && !m_reused.count(p))
            ++m_frees[p];
        return p;
    }
    STDMETHODIMP_(void) PostFree(BOOL) override {}
    STDMETHODIMP_(SIZE_T) PreRealloc(void* p, SIZE_T cb, void** ppNew, BOOL) override
    {
        return *ppNew = p, cb;
    }
    STDMETHODIMP_(void*) PostRealloc(void* p, BOOL) override { return p; }
    STDMETHODIMP_(void*) PreGetSize(void* p, BOOL) override { return p; }
    STDMETHODIMP_(SIZE_T) PostGetSize(SIZE_T cb, BOOL) override { return cb; }
    STDMETHODIMP_(void*) PreDidAlloc(void* p, BOOL) override { return p; }
    STDMETHODIMP_(int) PostDidAlloc(void*, BOOL, int nActual) override { return nActual; }
    STDMETHODIMP_(void) PreHeapMinimize() override {}
    STDMETHODIMP_(void) PostHeapMinimize() override {}
};

TEST_F(FolderDialogTest, TheRootItemListIsFreedOnceByItsLastOwner)
{
    static CFreeSpy spy; // outlives a deferred revoke
    ASSERT_EQ(::CoRegisterMallocSpy(&spy), S_OK);
    {
        CFolderDialog* pFirst = new CFolderDialog(NULL, const_cast<char*>(""), "", 0, "", g_strBase);
        CFolderDialog other(NULL, const_cast<char*>(""), "", 0, "", g_strSub);
        LPCITEMIDLIST pidlBase = pFirst->m_bi.pidlRoot, pidlSub = other.m_bi.pidlRoot;
        ASSERT_TRUE(pidlBase != nullptr && pidlSub != nullptr);
        spy.m_frees[pidlBase] = spy.m_frees[pidlSub] = 0;
        {
            CFolderDialog copy(*pFirst);
            other = copy; // other's own root had no other owner
            EXPECT_EQ(spy.m_frees[pidlSub], 1);
            other = other;
            delete pFirst;
            copy = other;
        }
        EXPECT_EQ(spy.m_frees[pidlBase], 0) << "freed while an object still refers to it";
        char szPath[MAX_PATH] = "";
        EXPECT_TRUE(::SHGetPathFromIDListA(other.m_bi.pidlRoot, szPath));
        EXPECT_STRCASEEQ(szPath, g_strBase);
    }
    for (const auto& watched : spy.m_frees)
        EXPECT_EQ(watched.second, 1) << "each root freed once";
    ::CoRevokeMallocSpy();
}

} // namespace
