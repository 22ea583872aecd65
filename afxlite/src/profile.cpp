// profile.cpp: CWinApp's profile functions, over an INI file or, after
// SetRegistryKey, over HKEY_CURRENT_USER\Software\<key>\<application>.
#include "afxwin.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// INI values longer than this are cut, as the framework's own buffer does.
const DWORD kIniValueMax = 4096;

} // namespace

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    ASSERT_MSG(lpszRegistryKey != NULL && *lpszRegistryKey != '\0',
               "CWinApp::SetRegistryKey: empty registry key");
    ASSERT_MSG(m_pszAppName != NULL, "CWinApp::SetRegistryKey: the application has no name");
    free(const_cast<char*>(m_pszRegistryKey));
    m_pszRegistryKey = _strdup(lpszRegistryKey);
    // From now on the profile name is the application's key under the company key.
    free(const_cast<char*>(m_pszProfileName));
    m_pszProfileName = _strdup(m_pszAppName);
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    VERIFY(strKey.LoadString(nIDRegistryKey));
    SetRegistryKey(static_cast<LPCTSTR>(strKey));
}

HKEY CWinApp::GetAppRegistryKey()
{
    ASSERT_MSG(m_pszRegistryKey != NULL, "CWinApp::GetAppRegistryKey: SetRegistryKey was not called");
    ASSERT_MSG(m_pszProfileName != NULL, "CWinApp::GetAppRegistryKey: no profile name");
    HKEY hSoftKey = NULL, hCompanyKey = NULL, hAppKey = NULL;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_WRITE | KEY_READ, &hSoftKey) == ERROR_SUCCESS) {
        DWORD dw;
        if (::RegCreateKeyExA(hSoftKey, m_pszRegistryKey, 0, NULL, REG_OPTION_NON_VOLATILE,
                              KEY_WRITE | KEY_READ, NULL, &hCompanyKey, &dw) == ERROR_SUCCESS) {
            ::RegCreateKeyExA(hCompanyKey, m_pszProfileName, 0, NULL, REG_OPTION_NON_VOLATILE,
                              KEY_WRITE | KEY_READ, NULL, &hAppKey, &dw);
        }
    }
    if (hSoftKey != NULL)
        ::RegCloseKey(hSoftKey);
    if (hCompanyKey != NULL)
        ::RegCloseKey(hCompanyKey);
    return hAppKey;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    ASSERT_MSG(lpszSection != NULL, "CWinApp::GetSectionKey: null section");
    HKEY hSectionKey = NULL;
    HKEY hAppKey = GetAppRegistryKey();
    if (hAppKey == NULL)
        return NULL;
    DWORD dw;
    ::RegCreateKeyExA(hAppKey, lpszSection, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ, NULL,
                      &hSectionKey, &dw);
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    ASSERT_MSG(lpszSection != NULL && lpszEntry != NULL, "CWinApp::GetProfileInt: null section or entry");
    if (m_pszRegistryKey != NULL) {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == NULL)
            return nDefault;
        DWORD dwValue = 0, dwType = 0, dwCount = sizeof(DWORD);
        LONG lResult = ::RegQueryValueExA(hSecKey, lpszEntry, NULL, &dwType,
                                          reinterpret_cast<LPBYTE>(&dwValue), &dwCount);
        ::RegCloseKey(hSecKey);
        if (lResult == ERROR_SUCCESS && dwType == REG_DWORD && dwCount == sizeof(DWORD))
            return static_cast<UINT>(dwValue);
        return nDefault;
    }
    ASSERT_MSG(m_pszProfileName != NULL, "CWinApp::GetProfileInt: no profile file name");
    return ::GetPrivateProfileIntA(lpszSection, lpszEntry, nDefault, m_pszProfileName);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    ASSERT_MSG(lpszSection != NULL && lpszEntry != NULL, "CWinApp::WriteProfileInt: null section or entry");
    if (m_pszRegistryKey != NULL) {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == NULL)
            return FALSE;
        DWORD dwValue = static_cast<DWORD>(nValue);
        LONG lResult = ::RegSetValueExA(hSecKey, lpszEntry, 0, REG_DWORD,
                                        reinterpret_cast<const BYTE*>(&dwValue), sizeof(dwValue));
        ::RegCloseKey(hSecKey);
        return lResult == ERROR_SUCCESS;
    }
    ASSERT_MSG(m_pszProfileName != NULL, "CWinApp::WriteProfileInt: no profile file name");
    char szT[16];
    std::snprintf(szT, sizeof(szT), "%d", nValue);
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, szT, m_pszProfileName);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    ASSERT_MSG(lpszSection != NULL && lpszEntry != NULL, "CWinApp::GetProfileString: null section or entry");
    if (lpszDefault == NULL)
        lpszDefault = "";
    if (m_pszRegistryKey != NULL) {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == NULL)
            return lpszDefault;
        CString strValue;
        DWORD dwType = 0, dwCount = 0;
        LONG lResult = ::RegQueryValueExA(hSecKey, lpszEntry, NULL, &dwType, NULL, &dwCount);
        if (lResult == ERROR_SUCCESS && dwType == REG_SZ) {
            char* p = strValue.GetBuffer(static_cast<int>(dwCount) + 1);
            DWORD dwRead = dwCount + 1;
            lResult =
                ::RegQueryValueExA(hSecKey, lpszEntry, NULL, &dwType, reinterpret_cast<LPBYTE>(p), &dwRead);
            p[dwCount] = '\0';
            strValue.ReleaseBuffer();
        }
        ::RegCloseKey(hSecKey);
        if (lResult == ERROR_SUCCESS && dwType == REG_SZ)
            return strValue;
        return lpszDefault;
    }
    ASSERT_MSG(m_pszProfileName != NULL, "CWinApp::GetProfileString: no profile file name");
    CString strValue;
    char* p = strValue.GetBuffer(kIniValueMax);
    ::GetPrivateProfileStringA(lpszSection, lpszEntry, lpszDefault, p, kIniValueMax, m_pszProfileName);
    strValue.ReleaseBuffer();
    return strValue;
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    ASSERT_MSG(lpszSection != NULL, "CWinApp::WriteProfileString: null section");
    if (m_pszRegistryKey != NULL) {
        LONG lResult;
        if (lpszEntry == NULL) { // delete the whole section
            HKEY hAppKey = GetAppRegistryKey();
            if (hAppKey == NULL)
                return FALSE;
            lResult = ::RegDeleteKeyA(hAppKey, lpszSection);
            ::RegCloseKey(hAppKey);
        } else if (lpszValue == NULL) { // delete one entry
            HKEY hSecKey = GetSectionKey(lpszSection);
            if (hSecKey == NULL)
                return FALSE;
            lResult = ::RegDeleteValueA(hSecKey, lpszEntry);
            ::RegCloseKey(hSecKey);
        } else {
            HKEY hSecKey = GetSectionKey(lpszSection);
            if (hSecKey == NULL)
                return FALSE;
            lResult =
                ::RegSetValueExA(hSecKey, lpszEntry, 0, REG_SZ, reinterpret_cast<const BYTE*>(lpszValue),
                                 static_cast<DWORD>(std::strlen(lpszValue) + 1));
            ::RegCloseKey(hSecKey);
        }
        return lResult == ERROR_SUCCESS;
    }
    ASSERT_MSG(m_pszProfileName != NULL, "CWinApp::WriteProfileString: no profile file name");
    return ::WritePrivateProfileStringA(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
}

// In an INI file a binary value is a string of two letters per byte, 'A' plus
// the low nibble, then 'A' plus the high nibble.
BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    ASSERT_MSG(lpszSection != NULL && lpszEntry != NULL && ppData != NULL && pBytes != NULL,
               "CWinApp::GetProfileBinary: null argument");
    *ppData = NULL;
    *pBytes = 0;
    if (m_pszRegistryKey != NULL) {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == NULL)
            return FALSE;
        DWORD dwType = 0, dwCount = 0;
        LONG lResult = ::RegQueryValueExA(hSecKey, lpszEntry, NULL, &dwType, NULL, &dwCount);
        if (lResult == ERROR_SUCCESS && dwType == REG_BINARY) {
            *ppData = new BYTE[dwCount ? dwCount : 1];
            lResult = ::RegQueryValueExA(hSecKey, lpszEntry, NULL, &dwType, *ppData, &dwCount);
        }
        ::RegCloseKey(hSecKey);
        if (lResult == ERROR_SUCCESS && dwType == REG_BINARY) {
            *pBytes = dwCount;
            return TRUE;
        }
        delete[] * ppData;
        *ppData = NULL;
        return FALSE;
    }
    CString str = GetProfileString(lpszSection, lpszEntry, NULL);
    if (str.IsEmpty())
        return FALSE;
    int nLen = str.GetLength();
    ASSERT_MSG(nLen % 2 == 0, "CWinApp::GetProfileBinary: odd-length value in the profile file");
    *pBytes = static_cast<UINT>(nLen / 2);
    *ppData = new BYTE[*pBytes];
    for (int i = 0; i < nLen; i += 2) {
        (*ppData)[i / 2] = static_cast<BYTE>(((str[i + 1] - 'A') << 4) + (str[i] - 'A'));
    }
    return TRUE;
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    ASSERT_MSG(lpszSection != NULL && lpszEntry != NULL,
               "CWinApp::WriteProfileBinary: null section or entry");
    if (m_pszRegistryKey != NULL) {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == NULL)
            return FALSE;
        LONG lResult = ::RegSetValueExA(hSecKey, lpszEntry, 0, REG_BINARY, pData, nBytes);
        ::RegCloseKey(hSecKey);
        return lResult == ERROR_SUCCESS;
    }
    CString str;
    char* p = str.GetBuffer(static_cast<int>(nBytes * 2));
    for (UINT i = 0; i < nBytes; ++i) {
        p[i * 2] = static_cast<char>((pData[i] & 0x0F) + 'A');
        p[i * 2 + 1] = static_cast<char>(((pData[i] >> 4) & 0x0F) + 'A');
    }
    str.ReleaseBuffer(static_cast<int>(nBytes * 2));
    return WriteProfileString(lpszSection, lpszEntry, str);
}
