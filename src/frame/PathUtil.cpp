// PathUtil.cpp: path splitting and joining.  No Windows header may appear
// here: the file is also built natively for the sanitizers.
#include "PathUtil.h"

namespace {

bool IsSeparator(char ch)
{
    return ch == '\\' || ch == '/';
}

} // namespace

void SplitPath(const CString& strPath, CString* pDrive, CString* pDir, CString* pFName, CString* pExt)
{
    const int nLength = strPath.GetLength();
    const int nDirStart = nLength >= 2 && strPath[1] == ':' ? 2 : 0;
    // One walk finds the end of the directory (after its last separator) and
    // the last dot, which only counts when it lies after that separator.
    int nNameStart = nDirStart;
    int nDot = -1;
    for (int i = nDirStart; i < nLength; ++i) {
        if (IsSeparator(strPath[i])) {
            nNameStart = i + 1;
            nDot = -1;
        } else if (strPath[i] == '.') {
            nDot = i;
        }
    }
    const int nExtStart = nDot >= 0 ? nDot : nLength;
    if (pDrive != NULL)
        *pDrive = strPath.Left(nDirStart);
    if (pDir != NULL)
        *pDir = strPath.Mid(nDirStart, nNameStart - nDirStart);
    if (pFName != NULL)
        *pFName = strPath.Mid(nNameStart, nExtStart - nNameStart);
    if (pExt != NULL)
        *pExt = strPath.Mid(nExtStart);
}

void JoinPath(CString& strPath, const CString* pDrive, const CString* pDir, const CString* pFName,
              const CString* pExt)
{
    strPath.Empty();
    if (pDrive != NULL)
        strPath += *pDrive;
    if (pDir != NULL)
        strPath += *pDir;
    if (pFName != NULL)
        strPath += *pFName;
    if (pExt != NULL)
        strPath += *pExt;
}

void ReplaceExtension(CString& strPath, const char* lpszExt)
{
    CString strDrive, strDir, strFName;
    SplitPath(strPath, &strDrive, &strDir, &strFName, NULL);
    const CString strExt(lpszExt != NULL ? lpszExt : "");
    JoinPath(strPath, &strDrive, &strDir, &strFName, &strExt);
}
