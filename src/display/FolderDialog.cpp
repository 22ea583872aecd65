// FolderDialog.cpp: CFolderDialog, the shell's folder browser, and the shared
// count of the root item lists it parses.
#include "FolderDialog.h"

#include <map>

namespace {

// Root item lists parsed by CFolderDialog, with the number of objects whose
// m_bi refers to each.  Dialogs may live on several UI threads, hence the lock.
SRWLOCK g_rootLock = SRWLOCK_INIT;

std::map<LPCITEMIDLIST, int>& RootShares()
{
    static std::map<LPCITEMIDLIST, int> shares;
    return shares;
}

void FreeWithShellAllocator(LPVOID pv)
{
    IMalloc* pMalloc = NULL;
    if (SUCCEEDED(::SHGetMalloc(&pMalloc)) && pMalloc != NULL) {
        pMalloc->Free(pv);
        pMalloc->Release();
    }
}

// One more object refers to pidl (only lists this module parsed are counted).
void AddRootShare(LPCITEMIDLIST pidl, bool bNew)
{
    if (pidl == NULL)
        return;
    ::AcquireSRWLockExclusive(&g_rootLock);
    std::map<LPCITEMIDLIST, int>& shares = RootShares();
    if (bNew)
        shares[pidl] = 1;
    else {
        std::map<LPCITEMIDLIST, int>::iterator it = shares.find(pidl);
        if (it != shares.end())
            ++it->second;
    }
    ::ReleaseSRWLockExclusive(&g_rootLock);
}

// One object fewer refers to pidl; the last one frees it.
void ReleaseRootShare(LPCITEMIDLIST pidl)
{
    if (pidl == NULL)
        return;
    bool bFree = false;
    ::AcquireSRWLockExclusive(&g_rootLock);
    std::map<LPCITEMIDLIST, int>& shares = RootShares();
    std::map<LPCITEMIDLIST, int>::iterator it = shares.find(pidl);
    if (it != shares.end() && --it->second == 0) {
        shares.erase(it);
        bFree = true;
    }
    ::ReleaseSRWLockExclusive(&g_rootLock);
    if (bFree)
        FreeWithShellAllocator(const_cast<LPITEMIDLIST>(pidl));
}

// The item list of a path through the desktop folder, or NULL.
LPITEMIDLIST ParseFolder(const char* lpszPath)
{
    IShellFolder* pDesktop = NULL;
    if (FAILED(::SHGetDesktopFolder(&pDesktop)) || pDesktop == NULL)
        return NULL;
    WCHAR wszPath[MAX_PATH] = L"";
    LPITEMIDLIST pidl = NULL;
    if (::MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, lpszPath, -1, wszPath, MAX_PATH) > 0) {
        ULONG nEaten = 0;
        if (FAILED(pDesktop->ParseDisplayName(NULL, NULL, wszPath, &nEaten, &pidl, NULL)))
            pidl = NULL;
    }
    pDesktop->Release();
    return pidl;
}

// Selects the initial folder (lpData) once the browser is up.
int CALLBACK BrowseCallback(HWND hWnd, UINT nMsg, LPARAM lParam, LPARAM lpData)
{
    UNUSED_ALWAYS(lParam);
    if (nMsg == BFFM_INITIALIZED && lpData != 0)
        ::PostMessageA(hWnd, BFFM_SETSELECTIONA, TRUE, lpData);
    return 0;
}

} // namespace

CFolderDialog::CFolderDialog(HWND hWndOwner, char* pszDisplayName, const char* lpszTitle, UINT nFlags,
                             const char* lpszInitialFolder, const char* lpszRootFolder)
{
    UNUSED_ALWAYS(pszDisplayName);
    ASSERT_MSG(lpszTitle != NULL && lpszInitialFolder != NULL && lpszRootFolder != NULL,
               "CFolderDialog: pass \"\" rather than a null string");
    ::ZeroMemory(&m_bi, sizeof(m_bi));
    m_bi.hwndOwner = hWndOwner;
    m_bi.pszDisplayName = NULL;
    m_bi.lpszTitle = lpszTitle;
    m_bi.ulFlags = nFlags;
    m_bi.lpfn = BrowseCallback;
    if (lpszInitialFolder[0] != '\0')
        m_bi.lParam = (LPARAM)lpszInitialFolder;
    if (lpszRootFolder[0] != '\0') {
        m_bi.pidlRoot = ParseFolder(lpszRootFolder);
        AddRootShare(m_bi.pidlRoot, true);
    }
}

CFolderDialog::CFolderDialog(const CFolderDialog& other) : m_strPath(other.m_strPath), m_bi(other.m_bi)
{
    AddRootShare(m_bi.pidlRoot, false);
}

CFolderDialog& CFolderDialog::operator=(const CFolderDialog& other)
{
    // Count the new share before dropping the old one: on self-assignment
    // (or two objects sharing one list) the list must not be freed between.
    AddRootShare(other.m_bi.pidlRoot, false);
    ReleaseRootShare(m_bi.pidlRoot);
    m_strPath = other.m_strPath;
    m_bi = other.m_bi;
    return *this;
}

CFolderDialog::~CFolderDialog()
{
    ReleaseRootShare(m_bi.pidlRoot);
}

int CFolderDialog::DoModal()
{
    LPITEMIDLIST pidl = ::SHBrowseForFolderA(&m_bi);
    if (pidl == NULL)
        return IDCANCEL;
    char szPath[MAX_PATH] = "";
    const BOOL bPath = ::SHGetPathFromIDListA(pidl, szPath);
    FreeWithShellAllocator(pidl);
    if (!bPath)
        return IDCANCEL; // a virtual folder: no file-system path
    m_strPath = szPath;
    if (m_strPath.IsEmpty() || m_strPath[m_strPath.GetLength() - 1] != '\\')
        m_strPath += '\\';
    return IDOK;
}

const char* CFolderDialog::GetPathName()
{
    return m_strPath;
}
