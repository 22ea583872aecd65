// string.cpp: CString. Portable; LoadString and the resource forms are
// compiled for Windows only.
#include "afx.h"

#include <ctype.h>
#include <stdio.h>
#include <stdlib.h>
#if !defined(_WIN32)
#include <strings.h>
#endif

// The shared empty string: a header with no capacity and a terminator.
// Nothing ever writes to it (every change allocates first).
namespace {
struct CNilString
{
    CStringData header;
    char chNil;
};
CNilString g_nilString = {{0, 0}, '\0'};

int SafeStrlen(LPCSTR lpsz)
{
    return lpsz == nullptr ? 0 : static_cast<int>(strlen(lpsz));
}

bool IsWhitespace(char ch)
{
    return isspace(static_cast<unsigned char>(ch)) != 0;
}

int StrICmp(LPCSTR a, LPCSTR b)
{
#if defined(_WIN32)
    return _stricmp(a, b);
#else
    return strcasecmp(a, b);
#endif
}
} // namespace

/////////////////////////////////////////////////////////////////////////////
// Storage

void CString::Init()
{
    m_pchData = g_nilString.header.data();
}

// GCC's optimiser (-O2) follows the empty string into these two functions and
// warns that it would be freed; the allocation length (0 for it) rules that out.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wfree-nonheap-object"
#endif

void CString::Release()
{
    // The shared empty string is never freed (compared by address, which
    // also tells the optimiser so).
    if (GetData() != &g_nilString.header)
        free(GetData());
    Init();
}

void CString::Reserve(int nLength, int nKeep)
{
    ASSERT_MSG(nLength >= 0, "CString: negative length");
    CStringData* pOld = GetData();
    if (nLength <= pOld->nAllocLength)
        return;
    // Grow geometrically so that repeated appends stay linear.
    int nAlloc = nLength;
    if (pOld->nAllocLength != 0 && nAlloc < pOld->nAllocLength * 2)
        nAlloc = pOld->nAllocLength * 2;
    if (nAlloc < 15)
        nAlloc = 15;
    CStringData* pNew = static_cast<CStringData*>(malloc(sizeof(CStringData) + static_cast<size_t>(nAlloc) + 1));
    ASSERT_MSG(pNew != nullptr, "CString: out of memory");
    pNew->nAllocLength = nAlloc;
    if (nKeep > pOld->nDataLength)
        nKeep = pOld->nDataLength;
    if (nKeep < 0)
        nKeep = 0;
    memcpy(pNew->data(), m_pchData, static_cast<size_t>(nKeep));
    pNew->nDataLength = nKeep;
    pNew->data()[nKeep] = '\0';
    if (pOld != &g_nilString.header)
        free(pOld);
    m_pchData = pNew->data();
}

void CString::SetLength(int nLength)
{
    ASSERT(nLength >= 0 && nLength <= GetData()->nAllocLength);
    if (GetData()->nAllocLength == 0)
        return; // the shared empty string stays as it is
    GetData()->nDataLength = nLength;
    m_pchData[nLength] = '\0';
}

void CString::AssignCopy(LPCSTR lpch, int nLength)
{
    ASSERT(nLength >= 0);
    if (nLength <= 0) {
        if (GetData()->nAllocLength != 0)
            SetLength(0);
        return;
    }
    // lpch may point into this string: copy before the buffer may move.
    if (lpch >= m_pchData && lpch <= m_pchData + GetLength()) {
        CString copy(lpch, nLength);
        *this = static_cast<CString&&>(copy);
        return;
    }
    Reserve(nLength, 0);
    memcpy(m_pchData, lpch, static_cast<size_t>(nLength));
    SetLength(nLength);
}

/////////////////////////////////////////////////////////////////////////////
// Construction

CString::CString()
{
    Init();
}

CString::CString(const CString& stringSrc)
{
    Init();
    AssignCopy(stringSrc.m_pchData, stringSrc.GetLength());
}

CString::CString(CString&& stringSrc) noexcept
{
    m_pchData = stringSrc.m_pchData;
    stringSrc.Init();
}

CString::CString(char ch, int nRepeat)
{
    Init();
    if (nRepeat > 0) {
        Reserve(nRepeat, 0);
        memset(m_pchData, ch, static_cast<size_t>(nRepeat));
        SetLength(nRepeat);
    }
}

CString::CString(LPCSTR lpsz)
{
    Init();
#if defined(_WIN32)
    if (lpsz != nullptr && IS_INTRESOURCE(lpsz)) {
        LoadString(static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpsz)));
        return;
    }
#endif
    AssignCopy(lpsz, SafeStrlen(lpsz));
}

CString::CString(LPCSTR lpch, int nLength)
{
    Init();
    ASSERT_MSG(nLength >= 0 && (lpch != nullptr || nLength == 0), "CString(lpch, nLength): bad arguments");
    AssignCopy(lpch, nLength);
}

CString::CString(const unsigned char* psz)
{
    Init();
    AssignCopy(reinterpret_cast<LPCSTR>(psz), SafeStrlen(reinterpret_cast<LPCSTR>(psz)));
}

CString::~CString()
{
    Release();
}

/////////////////////////////////////////////////////////////////////////////
// Attributes

void CString::Empty()
{
    Release();
}

char CString::GetAt(int nIndex) const
{
    ASSERT_MSG(nIndex >= 0 && nIndex <= GetLength(), "CString::GetAt: index out of range");
    return m_pchData[nIndex];
}

void CString::SetAt(int nIndex, char ch)
{
    ASSERT_MSG(nIndex >= 0 && nIndex < GetLength(), "CString::SetAt: index out of range");
    m_pchData[nIndex] = ch;
}

/////////////////////////////////////////////////////////////////////////////
// Assignment and concatenation

CString& CString::operator=(const CString& stringSrc)
{
    if (this != &stringSrc)
        AssignCopy(stringSrc.m_pchData, stringSrc.GetLength());
    return *this;
}

CString& CString::operator=(CString&& stringSrc) noexcept
{
    if (this != &stringSrc) {
        Release();
        m_pchData = stringSrc.m_pchData;
        stringSrc.Init();
    }
    return *this;
}

CString& CString::operator=(LPCSTR lpsz)
{
    AssignCopy(lpsz, SafeStrlen(lpsz));
    return *this;
}

CString& CString::operator=(char ch)
{
    AssignCopy(&ch, 1);
    return *this;
}

CString& CString::operator=(const unsigned char* psz)
{
    return *this = reinterpret_cast<LPCSTR>(psz);
}

void CString::Append(LPCSTR lpch, int nLength)
{
    ASSERT_MSG(nLength >= 0 && (lpch != nullptr || nLength == 0), "CString::Append: bad arguments");
    if (nLength == 0)
        return;
    int nOldLength = GetLength();
    if (lpch >= m_pchData && lpch <= m_pchData + nOldLength) {
        CString copy(lpch, nLength); // appending a part of itself
        Append(copy.m_pchData, nLength);
        return;
    }
    Reserve(nOldLength + nLength, nOldLength);
    memcpy(m_pchData + nOldLength, lpch, static_cast<size_t>(nLength));
    SetLength(nOldLength + nLength);
}

void CString::Append(LPCSTR lpsz)
{
    Append(lpsz, SafeStrlen(lpsz));
}

void CString::Append(const CString& string)
{
    Append(string.m_pchData, string.GetLength());
}

void CString::AppendChar(char ch)
{
    Append(&ch, 1);
}

void CString::SetString(LPCSTR lpsz)
{
    *this = lpsz;
}

void CString::SetString(LPCSTR lpch, int nLength)
{
    ASSERT_MSG(nLength >= 0 && (lpch != nullptr || nLength == 0), "CString::SetString: bad arguments");
    AssignCopy(lpch, nLength);
}

CString& CString::operator+=(const CString& string)
{
    Append(string);
    return *this;
}

CString& CString::operator+=(LPCSTR lpsz)
{
    Append(lpsz);
    return *this;
}

CString& CString::operator+=(char ch)
{
    AppendChar(ch);
    return *this;
}

CString AFXAPI operator+(const CString& string1, const CString& string2)
{
    CString s(string1);
    s += string2;
    return s;
}

CString AFXAPI operator+(const CString& string, char ch)
{
    CString s(string);
    s += ch;
    return s;
}

CString AFXAPI operator+(char ch, const CString& string)
{
    CString s(ch);
    s += string;
    return s;
}

CString AFXAPI operator+(const CString& string, LPCSTR lpsz)
{
    CString s(string);
    s += lpsz;
    return s;
}

CString AFXAPI operator+(LPCSTR lpsz, const CString& string)
{
    CString s(lpsz);
    s += string;
    return s;
}

/////////////////////////////////////////////////////////////////////////////
// Comparison

int CString::Compare(LPCSTR lpsz) const
{
    return strcmp(m_pchData, lpsz != nullptr ? lpsz : "");
}

int CString::CompareNoCase(LPCSTR lpsz) const
{
    return StrICmp(m_pchData, lpsz != nullptr ? lpsz : "");
}

int CString::Collate(LPCSTR lpsz) const
{
    return strcoll(m_pchData, lpsz != nullptr ? lpsz : "");
}

int CString::CollateNoCase(LPCSTR lpsz) const
{
    CString a(*this), b(lpsz);
    a.MakeLower();
    b.MakeLower();
    return strcoll(a, b);
}

/////////////////////////////////////////////////////////////////////////////
// Extraction

CString CString::Mid(int nFirst, int nCount) const
{
    int nLength = GetLength();
    if (nFirst < 0)
        nFirst = 0;
    if (nCount < 0)
        nCount = 0;
    if (nFirst > nLength)
        nFirst = nLength;
    if (nCount > nLength - nFirst)
        nCount = nLength - nFirst;
    return CString(m_pchData + nFirst, nCount);
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Left(int nCount) const
{
    if (nCount < 0)
        nCount = 0;
    if (nCount > GetLength())
        nCount = GetLength();
    return CString(m_pchData, nCount);
}

CString CString::Right(int nCount) const
{
    int nLength = GetLength();
    if (nCount < 0)
        nCount = 0;
    if (nCount > nLength)
        nCount = nLength;
    return CString(m_pchData + nLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR lpszCharSet) const
{
    return Left(static_cast<int>(strspn(m_pchData, lpszCharSet)));
}

CString CString::SpanExcluding(LPCSTR lpszCharSet) const
{
    return Left(static_cast<int>(strcspn(m_pchData, lpszCharSet)));
}

CString CString::Tokenize(LPCSTR pszTokens, int& iStart) const
{
    ASSERT_MSG(iStart >= 0, "CString::Tokenize: negative start");
    if (pszTokens == nullptr || *pszTokens == '\0') {
        if (iStart < GetLength())
            return CString(m_pchData + iStart);
    } else if (iStart < GetLength()) {
        LPCSTR pszPlace = m_pchData + iStart;
        int nIncluding = static_cast<int>(strspn(pszPlace, pszTokens));
        if (iStart + nIncluding < GetLength()) {
            pszPlace += nIncluding;
            int nExcluding = static_cast<int>(strcspn(pszPlace, pszTokens));
            int iFrom = iStart + nIncluding;
            iStart = iFrom + nExcluding + 1;
            return Mid(iFrom, nExcluding);
        }
    }
    iStart = -1;
    return CString();
}

/////////////////////////////////////////////////////////////////////////////
// Changes

CString& CString::MakeUpper()
{
    if (!IsEmpty()) {
#if defined(_WIN32)
        CharUpperBuffA(m_pchData, static_cast<DWORD>(GetLength()));
#else
        for (char* p = m_pchData; *p; ++p)
            if (*p >= 'a' && *p <= 'z')
                *p = static_cast<char>(*p - 'a' + 'A');
#endif
    }
    return *this;
}

CString& CString::MakeLower()
{
    if (!IsEmpty()) {
#if defined(_WIN32)
        CharLowerBuffA(m_pchData, static_cast<DWORD>(GetLength()));
#else
        for (char* p = m_pchData; *p; ++p)
            if (*p >= 'A' && *p <= 'Z')
                *p = static_cast<char>(*p - 'A' + 'a');
#endif
    }
    return *this;
}

CString& CString::MakeReverse()
{
    for (int i = 0, j = GetLength() - 1; i < j; ++i, --j) {
        char ch = m_pchData[i];
        m_pchData[i] = m_pchData[j];
        m_pchData[j] = ch;
    }
    return *this;
}

int CString::Replace(char chOld, char chNew)
{
    if (chOld == chNew)
        return 0;
    int nCount = 0;
    for (int i = 0; i < GetLength(); ++i) {
        if (m_pchData[i] == chOld) {
            m_pchData[i] = chNew;
            ++nCount;
        }
    }
    return nCount;
}

int CString::Replace(LPCSTR lpszOld, LPCSTR lpszNew)
{
    int nSourceLen = SafeStrlen(lpszOld);
    if (nSourceLen == 0)
        return 0;
    int nReplacementLen = SafeStrlen(lpszNew);
    int nCount = 0;
    for (LPCSTR p = strstr(m_pchData, lpszOld); p != nullptr; p = strstr(p + nSourceLen, lpszOld))
        ++nCount;
    if (nCount == 0)
        return 0;
    CString result;
    result.Preallocate(GetLength() + (nReplacementLen - nSourceLen) * nCount);
    LPCSTR pStart = m_pchData;
    for (LPCSTR p = strstr(pStart, lpszOld); p != nullptr; p = strstr(pStart, lpszOld)) {
        result.Append(pStart, static_cast<int>(p - pStart));
        result.Append(lpszNew != nullptr ? lpszNew : "", nReplacementLen);
        pStart = p + nSourceLen;
    }
    result.Append(pStart);
    *this = static_cast<CString&&>(result);
    return nCount;
}

int CString::Remove(char chRemove)
{
    int nLength = GetLength();
    int nKept = 0;
    for (int i = 0; i < nLength; ++i) {
        if (m_pchData[i] != chRemove)
            m_pchData[nKept++] = m_pchData[i];
    }
    SetLength(nKept);
    return nLength - nKept;
}

int CString::Insert(int nIndex, char ch)
{
    return Insert(nIndex, CString(ch));
}

int CString::Insert(int nIndex, LPCSTR pstr)
{
    if (nIndex < 0)
        nIndex = 0;
    int nLength = GetLength();
    if (nIndex > nLength)
        nIndex = nLength;
    int nInsertLength = SafeStrlen(pstr);
    if (nInsertLength > 0) {
        CString insert(pstr); // pstr may point into this string
        Reserve(nLength + nInsertLength, nLength);
        memmove(m_pchData + nIndex + nInsertLength, m_pchData + nIndex, static_cast<size_t>(nLength - nIndex));
        memcpy(m_pchData + nIndex, insert.m_pchData, static_cast<size_t>(nInsertLength));
        SetLength(nLength + nInsertLength);
    }
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    if (nIndex < 0)
        nIndex = 0;
    if (nCount < 0)
        nCount = 0;
    int nLength = GetLength();
    if (nCount > nLength - nIndex)
        nCount = nLength - nIndex;
    if (nCount > 0) {
        memmove(m_pchData + nIndex, m_pchData + nIndex + nCount, static_cast<size_t>(nLength - nIndex - nCount));
        SetLength(nLength - nCount);
    }
    return GetLength();
}

/////////////////////////////////////////////////////////////////////////////
// Trimming

CString& CString::TrimRight()
{
    int n = GetLength();
    while (n > 0 && IsWhitespace(m_pchData[n - 1]))
        --n;
    if (n != GetLength())
        SetLength(n);
    return *this;
}

CString& CString::TrimRight(char chTarget)
{
    int n = GetLength();
    while (n > 0 && m_pchData[n - 1] == chTarget)
        --n;
    if (n != GetLength())
        SetLength(n);
    return *this;
}

CString& CString::TrimRight(LPCSTR lpszTargets)
{
    if (lpszTargets == nullptr || *lpszTargets == '\0')
        return *this;
    int n = GetLength();
    while (n > 0 && strchr(lpszTargets, m_pchData[n - 1]) != nullptr)
        --n;
    if (n != GetLength())
        SetLength(n);
    return *this;
}

CString& CString::TrimLeft()
{
    int n = 0;
    while (n < GetLength() && IsWhitespace(m_pchData[n]))
        ++n;
    return n > 0 ? (Delete(0, n), *this) : *this;
}

CString& CString::TrimLeft(char chTarget)
{
    int n = 0;
    while (n < GetLength() && m_pchData[n] == chTarget)
        ++n;
    return n > 0 ? (Delete(0, n), *this) : *this;
}

CString& CString::TrimLeft(LPCSTR lpszTargets)
{
    if (lpszTargets == nullptr || *lpszTargets == '\0')
        return *this;
    int n = 0;
    while (n < GetLength() && strchr(lpszTargets, m_pchData[n]) != nullptr)
        ++n;
    return n > 0 ? (Delete(0, n), *this) : *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(char chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}

CString& CString::Trim(LPCSTR lpszTargets)
{
    return TrimRight(lpszTargets).TrimLeft(lpszTargets);
}

/////////////////////////////////////////////////////////////////////////////
// Searching

int CString::Find(char ch, int nStart) const
{
    int nLength = GetLength();
    if (nStart < 0)
        nStart = 0;
    if (nStart >= nLength)
        return -1;
    const void* p = memchr(m_pchData + nStart, ch, static_cast<size_t>(nLength - nStart));
    return p == nullptr ? -1 : static_cast<int>(static_cast<LPCSTR>(p) - m_pchData);
}

int CString::Find(LPCSTR lpszSub, int nStart) const
{
    ASSERT_MSG(lpszSub != nullptr, "CString::Find with a null substring");
    if (nStart < 0)
        nStart = 0;
    if (nStart > GetLength())
        return -1;
    LPCSTR p = strstr(m_pchData + nStart, lpszSub);
    return p == nullptr ? -1 : static_cast<int>(p - m_pchData);
}

int CString::ReverseFind(char ch) const
{
    LPCSTR p = strrchr(m_pchData, ch);
    return p == nullptr ? -1 : static_cast<int>(p - m_pchData);
}

int CString::FindOneOf(LPCSTR lpszCharSet) const
{
    ASSERT_MSG(lpszCharSet != nullptr, "CString::FindOneOf with a null set");
    LPCSTR p = strpbrk(m_pchData, lpszCharSet);
    return p == nullptr ? -1 : static_cast<int>(p - m_pchData);
}

/////////////////////////////////////////////////////////////////////////////
// Formatting

void CString::AppendFormatV(LPCSTR lpszFormat, va_list argList)
{
    ASSERT_MSG(lpszFormat != nullptr, "CString::Format with a null format");
    va_list argCopy;
    va_copy(argCopy, argList);
    int nAdd = vsnprintf(nullptr, 0, lpszFormat, argCopy);
    va_end(argCopy);
    ASSERT_MSG(nAdd >= 0, "CString::Format: the format is invalid");
    if (nAdd <= 0)
        return;
    int nOldLength = GetLength();
    Reserve(nOldLength + nAdd, nOldLength);
    vsnprintf(m_pchData + nOldLength, static_cast<size_t>(nAdd) + 1, lpszFormat, argList);
    SetLength(nOldLength + nAdd);
}

void CString::FormatV(LPCSTR lpszFormat, va_list argList)
{
    CString result;
    result.AppendFormatV(lpszFormat, argList); // arguments may refer to *this
    *this = static_cast<CString&&>(result);
}

void AFX_CDECL CString::Format(LPCSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    FormatV(lpszFormat, argList);
    va_end(argList);
}

void AFX_CDECL CString::AppendFormat(LPCSTR lpszFormat, ...)
{
    va_list argList;
    va_start(argList, lpszFormat);
    CString add;
    add.AppendFormatV(lpszFormat, argList); // arguments may refer to *this
    va_end(argList);
    Append(add);
}

/////////////////////////////////////////////////////////////////////////////
// Buffer access

LPSTR CString::GetBuffer()
{
    return GetBuffer(GetLength());
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    ASSERT_MSG(nMinBufLength >= 0, "CString::GetBuffer with a negative length");
    if (nMinBufLength < GetLength())
        nMinBufLength = GetLength();
    if (nMinBufLength == 0 && GetData()->nAllocLength == 0)
        nMinBufLength = 1; // the caller may write the terminator: never hand out the shared empty string
    Reserve(nMinBufLength, GetLength());
    return m_pchData;
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    ASSERT_MSG(nNewLength >= 0, "CString::GetBufferSetLength with a negative length");
    GetBuffer(nNewLength);
    SetLength(nNewLength);
    return m_pchData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (GetData()->nAllocLength == 0)
        return;
    if (nNewLength == -1) {
        nNewLength = static_cast<int>(strnlen(m_pchData, static_cast<size_t>(GetData()->nAllocLength)));
    }
    ASSERT_MSG(nNewLength >= 0 && nNewLength <= GetData()->nAllocLength, "CString::ReleaseBuffer: bad length");
    SetLength(nNewLength);
}

void CString::FreeExtra()
{
    if (GetData()->nAllocLength > GetLength()) {
        CString copy(m_pchData, GetLength());
        *this = static_cast<CString&&>(copy);
    }
}

void CString::Preallocate(int nLength)
{
    if (nLength > GetData()->nAllocLength)
        Reserve(nLength, GetLength());
}

/////////////////////////////////////////////////////////////////////////////
// Resources (Windows)

#if defined(_WIN32)
BOOL CString::LoadString(HINSTANCE hInstance, UINT nID)
{
    // String resources live in blocks of 16; the block's resource id is nID / 16 + 1.
    HRSRC hRsrc = FindResourceA(hInstance, MAKEINTRESOURCEA((nID >> 4) + 1), MAKEINTRESOURCEA(6) /*RT_STRING*/);
    if (hRsrc == nullptr) {
        Empty();
        return FALSE;
    }
    char buffer[256];
    int nLen = ::LoadStringA(hInstance, nID, buffer, sizeof buffer);
    if (nLen <= 0) {
        Empty();
        return FALSE;
    }
    if (nLen < static_cast<int>(sizeof buffer) - 1) {
        AssignCopy(buffer, nLen);
        return TRUE;
    }
    // Longer strings: grow until LoadStringA no longer fills the buffer.
    for (int nSize = 512;; nSize *= 2) {
        LPSTR p = GetBuffer(nSize);
        nLen = ::LoadStringA(hInstance, nID, p, nSize + 1);
        if (nLen < nSize) {
            ReleaseBuffer(nLen);
            return TRUE;
        }
    }
}

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE hInst = AfxFindStringResourceHandle(nID);
    if (hInst == nullptr) {
        Empty();
        return FALSE;
    }
    return LoadString(hInst, nID);
}

void AFX_CDECL CString::Format(UINT nFormatID, ...)
{
    CString strFormat;
    VERIFY(strFormat.LoadString(nFormatID));
    va_list argList;
    va_start(argList, nFormatID);
    FormatV(strFormat, argList);
    va_end(argList);
}
#endif
