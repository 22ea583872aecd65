// AppFolders.cpp: CAppFolders, the maker's folders from the shell.
#include "AppFolders.h"

#include "PathUtil.h"

#include <shlobj.h>

#include <string.h>

namespace {

const char kCompany[] = "\\Quillon Voruvuz, Inc\\";

// Copies as much of pszSource as fits, always terminated.
void CopyCut(char* pszTarget, size_t cchTarget, const char* pszSource)
{
    const size_t nLength = strlen(pszSource);
    const size_t nCopy = nLength < cchTarget - 1 ? nLength : cchTarget - 1;
    memcpy(pszTarget, pszSource, nCopy);
    pszTarget[nCopy] = '\0';
}

// Appends as much of pszSource as fits, always terminated.
void AppendCut(char* pszTarget, size_t cchTarget, const char* pszSource)
{
    const size_t nUsed = strlen(pszTarget);
    if (nUsed + 1 < cchTarget)
        CopyCut(pszTarget + nUsed, cchTarget - nUsed, pszSource);
}

// The shell folder nFolder (with CSIDL_FLAG_CREATE) followed by the company
// component; the component alone when the shell has no such folder.
void ShellFolder(char* pszTarget, int nFolder, const char* pszCompany)
{
    char szBase[MAX_PATH] = "";
    if (FAILED(::SHGetFolderPathA(NULL, nFolder | CSIDL_FLAG_CREATE, NULL, SHGFP_TYPE_CURRENT, szBase)))
        szBase[0] = '\0';
    CopyCut(pszTarget, CAppFolders::kFolderChars, szBase);
    AppendCut(pszTarget, CAppFolders::kFolderChars, pszCompany);
}

} // namespace

CAppFolders::CAppFolders()
{
    CopyCut(m_szCompany, kFolderChars, kCompany);

    char szModule[MAX_PATH] = "";
    ::GetModuleFileNameA(NULL, szModule, MAX_PATH);
    CString strName;
    SplitPath(szModule, NULL, NULL, &strName, NULL);
    CopyCut(m_szApp, kAppCompChars - 1, strName); // room left for the backslash
    AppendCut(m_szApp, kAppCompChars, "\\");

    ShellFolder(m_szLocalAppData, CSIDL_LOCAL_APPDATA, m_szCompany);
    ShellFolder(m_szDocuments, CSIDL_PERSONAL, m_szCompany);
    ShellFolder(m_szCommonAppData, CSIDL_COMMON_APPDATA, m_szCompany);
    ShellFolder(m_szCommonDocuments, CSIDL_COMMON_DOCUMENTS, m_szCompany);
}

void CAppFolders::GetAppDocumentsFolder(char* pszFolder, size_t cchFolder) const
{
    ASSERT_MSG(pszFolder != NULL && cchFolder > 0, "CAppFolders::GetAppDocumentsFolder: no buffer");
    CopyCut(pszFolder, cchFolder, m_szDocuments);
    AppendCut(pszFolder, cchFolder, m_szApp);
    EnsureFolder(pszFolder);
}

void CAppFolders::EnsureFolder(const char* pszFolder)
{
    if (::GetFileAttributesA(pszFolder) == INVALID_FILE_ATTRIBUTES)
        ::SHCreateDirectoryExA(NULL, pszFolder, NULL);
}
