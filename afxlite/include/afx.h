// afx.h: afxlite's portable core, as MFC's afx.h: objects and run-time
// classes, the module state with its class and factory lists, strings and the
// geometry values. Builds for Windows and natively (no Windows API is used
// here, only Win32 value types).
#pragma once

#include "afxlite_config.h"

#include <stdarg.h>
#include <stddef.h>
#include <string.h>

#include <type_traits>

#ifndef AFXAPI
#define AFXAPI WINAPI
#endif
#ifndef AFX_CDECL
#define AFX_CDECL
#endif
// printf-style format checking of the formatting calls (MinGW: the GNU
// printf of the C++ run time).
#if defined(__MINGW_PRINTF_FORMAT)
#define AFXLITE_PRINTF(fmt, args) __attribute__((format(__MINGW_PRINTF_FORMAT, fmt, args)))
#elif defined(__GNUC__)
#define AFXLITE_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define AFXLITE_PRINTF(fmt, args)
#endif
#ifndef AFX_INLINE
#define AFX_INLINE inline
#endif

class CObject;
class CString;
class CDynLinkLibrary;
class COleObjectFactory;
class CWinApp;
struct CRuntimeClass;

/////////////////////////////////////////////////////////////////////////////
// CSimpleList, CTypedSimpleList: intrusive singly linked lists whose "next"
// pointer lives inside the element at a fixed offset, as in MFC. The module
// state's class, factory and library lists are of this kind.

class CSimpleList
{
public:
    constexpr explicit CSimpleList(size_t nNextOffset = 0) : m_pHead(nullptr), m_nNextOffset(nNextOffset) {}
    void Construct(size_t nNextOffset)
    {
        ASSERT(m_pHead == nullptr);
        m_nNextOffset = nNextOffset;
    }

    BOOL IsEmpty() const { return m_pHead == nullptr; }
    void AddHead(void* p)
    {
        ASSERT(p != nullptr);
        *GetNextPtr(p) = m_pHead;
        m_pHead = p;
    }
    void RemoveAll() { m_pHead = nullptr; }
    void* GetHead() const { return m_pHead; }
    void* GetNext(void* p) const { return *GetNextPtr(p); }
    // Unlinks p; FALSE when p is not in the list.
    BOOL Remove(void* p)
    {
        if (p == nullptr)
            return FALSE;
        for (void** pp = &m_pHead; *pp != nullptr; pp = GetNextPtr(*pp)) {
            if (*pp == p) {
                *pp = *GetNextPtr(p);
                return TRUE;
            }
        }
        return FALSE;
    }

    void* m_pHead;        // first element, null when empty
    size_t m_nNextOffset; // offset of the element's "next" pointer

    void** GetNextPtr(void* p) const { return reinterpret_cast<void**>(static_cast<BYTE*>(p) + m_nNextOffset); }
};

template <class TYPE> class CTypedSimpleList : public CSimpleList
{
public:
    constexpr explicit CTypedSimpleList(size_t nNextOffset = 0) : CSimpleList(nNextOffset) {}
    void AddHead(TYPE p) { CSimpleList::AddHead(p); }
    TYPE GetHead() const { return static_cast<TYPE>(CSimpleList::GetHead()); }
    TYPE GetNext(TYPE p) const { return static_cast<TYPE>(CSimpleList::GetNext(p)); }
    BOOL Remove(TYPE p) { return CSimpleList::Remove(p); }
    operator TYPE() const { return static_cast<TYPE>(CSimpleList::GetHead()); }
};

/////////////////////////////////////////////////////////////////////////////
// CRuntimeClass: one record per class that carries run-time class
// information. Differences from MFC: every class declared with
// DECLARE_DYNAMIC/DYNCREATE/SERIAL is registered in the module state's class
// list at static-construction time (MFC registers only serialisable ones), so
// FromName finds all of them; there is no CArchive, so no Load/Store.

struct AFXLITE_API CRuntimeClass
{
    LPCSTR m_lpszClassName;                           // "CMaskedEdit"
    int m_nObjectSize;                                // sizeof the class
    UINT m_wSchema;                                   // 0xFFFF: not serialisable
    CObject*(PASCAL* m_pfnCreateObject)();            // null unless dynamically creatable
    CRuntimeClass*(PASCAL* m_pfnGetBaseClass)();      // null for CObject only
    CRuntimeClass* m_pNextClass;                      // link in a class list

    // A new object of this class, or null when the class is not dynamically creatable.
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // Search: the module state's class list, then each extension DLL's list
    // (CDynLinkLibrary, most recently loaded first). Null when not found.
    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
    static CObject* PASCAL CreateObject(LPCSTR lpszClassName);
};

// Registers a class record in the current module state's class list; one
// static object of this type per IMPLEMENT_* line (MFC's AFX_CLASSINIT).
struct AFXLITE_API AFX_CLASSINIT
{
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};
AFXLITE_API void AFXAPI AfxClassInit(CRuntimeClass* pNewClass);

#define _RUNTIME_CLASS(class_name) (&class_name::class##class_name)
#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                                                                          \
protected:                                                                                                   \
    static CRuntimeClass* PASCAL _GetBaseClass();                                                            \
                                                                                                             \
public:                                                                                                      \
    static CRuntimeClass class##class_name;                                                                  \
    static CRuntimeClass* PASCAL GetThisClass();                                                             \
    virtual CRuntimeClass* GetRuntimeClass() const;

#define DECLARE_DYNCREATE(class_name)                                                                        \
    DECLARE_DYNAMIC(class_name)                                                                              \
    static CObject* PASCAL CreateObject();

// No CArchive in afxlite: DECLARE_SERIAL gives run-time class, dynamic
// creation and a schema number, nothing more.
#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                                 \
    CRuntimeClass* PASCAL class_name::_GetBaseClass() { return RUNTIME_CLASS(base_class_name); }            \
    CRuntimeClass class_name::class##class_name = {#class_name,          sizeof(class class_name),          \
                                                    (wSchema),           (pfnNew),                          \
                                                    &class_name::_GetBaseClass, nullptr};                   \
    CRuntimeClass* PASCAL class_name::GetThisClass() { return _RUNTIME_CLASS(class_name); }                 \
    CRuntimeClass* class_name::GetRuntimeClass() const { return _RUNTIME_CLASS(class_name); }               \
    static const AFX_CLASSINIT _init_##class_name(_RUNTIME_CLASS(class_name));

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                       \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                     \
    CObject* PASCAL class_name::CreateObject() { return new class_name; }                                   \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                               \
    CObject* PASCAL class_name::CreateObject() { return new class_name; }                                   \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)

/////////////////////////////////////////////////////////////////////////////
// CObject: the root of the run-time-class hierarchy. As MFC's, minus
// Serialize and Dump (no CArchive, no CDumpContext); AssertValid is trivial.

class AFXLITE_API CObject
{
public:
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();

protected:
    CObject() {}

public:
    // Not copyable, as in MFC: a derived class that wants copies says so itself.
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

    BOOL IsSerializable() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    virtual void AssertValid() const {}

    static CRuntimeClass classCObject;
    static CRuntimeClass* PASCAL GetThisClass();
    static CRuntimeClass* PASCAL _GetBaseClass();
};

// ASSERT_VALID in debug builds: pOb is not null, then pOb->AssertValid().
AFXLITE_API void AFXAPI AfxAssertValidObject(const CObject* pOb, LPCSTR lpszFileName, int nLine);

// The object as the class asked for, or null when it is not one (MFC's
// DYNAMIC_DOWNCAST); STATIC_DOWNCAST asserts instead.
AFXLITE_API CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);
AFXLITE_API CObject* AFXAPI AfxStaticDownCast(CRuntimeClass* pClass, CObject* pObject);
#define DYNAMIC_DOWNCAST(class_name, object)                                                                 \
    (static_cast<class_name*>(AfxDynamicDownCast(RUNTIME_CLASS(class_name), (object))))
#define STATIC_DOWNCAST(class_name, object)                                                                  \
    (static_cast<class_name*>(AfxStaticDownCast(RUNTIME_CLASS(class_name), (object))))

/////////////////////////////////////////////////////////////////////////////
// COleObjectFactory: afxlite's minimal class-factory record, only so that the
// module state's factory list and the extension-module steps that move it
// work as in MFC. A factory constructed in a module links itself into the
// current module state's factory list; registering it with COM
// (Register/Revoke and everything else OLE) is AFXLITE_UNSUPPORTED.

class AFXLITE_API COleObjectFactory
{
public:
    explicit COleObjectFactory(LPCSTR lpszProgID);
    ~COleObjectFactory();
    COleObjectFactory(const COleObjectFactory&) = delete;
    COleObjectFactory& operator=(const COleObjectFactory&) = delete;

    BOOL Register();          // unsupported: fails loudly
    void Revoke();            // unsupported: fails loudly

    LPCSTR m_lpszProgID;                  // name of the factory (informative)
    COleObjectFactory* m_pNextFactory;    // link in a factory list
};

/////////////////////////////////////////////////////////////////////////////
// Module state. afxlite keeps one process-wide AFX_MODULE_STATE, the state
// of the shared framework DLL: the executable and every extension DLL
// register into it (which is why an extension DLL's raw entry must set the
// lists aside before its static constructors run; see afxdllx.h).

struct AFXLITE_API AFX_MODULE_STATE
{
    AFX_MODULE_STATE();

    CWinApp* m_pCurrentWinApp;             // the application object, null until one exists
    HINSTANCE m_hCurrentInstanceHandle;    // the executable's instance
    HINSTANCE m_hCurrentResourceHandle;    // where resources are looked for first
    LPCSTR m_lpszCurrentAppName;           // the application's name

    CTypedSimpleList<CRuntimeClass*> m_classList;       // run-time classes of this module
    CTypedSimpleList<COleObjectFactory*> m_factoryList; // class factories of this module
    // Set aside by an extension DLL's raw entry while its static constructors
    // run; put back by AfxInitExtensionModule.
    CRuntimeClass* m_pClassInit;
    COleObjectFactory* m_pFactoryInit;

    CTypedSimpleList<CDynLinkLibrary*> m_libraryList;   // extension DLLs, newest first
};

AFXLITE_API AFX_MODULE_STATE* AFXAPI AfxGetModuleState();

/////////////////////////////////////////////////////////////////////////////
// Extension modules (Windows only; implemented in module.cpp).

// One per extension DLL, filled in by AfxInitExtensionModule.
struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
    CRuntimeClass* pFirstSharedClass;
    COleObjectFactory* pFirstSharedFactory;
};

// Links an extension DLL into the run-time-class and resource search.
// Differs from MFC: not a CCmdTarget (no message routing through it), a
// plain record; it is deleted by AfxTermExtensionModule, never by its DLL.
class AFXLITE_API CDynLinkLibrary
{
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    ~CDynLinkLibrary();
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HMODULE m_hModule;
    HMODULE m_hResource;                                 // for shared resources
    CTypedSimpleList<CRuntimeClass*> m_classList;
    CTypedSimpleList<COleObjectFactory*> m_factoryList;
    BOOL m_bSystem;                                      // TRUE only for system DLLs
    CDynLinkLibrary* m_pNextDLL;                         // link in m_libraryList
};

#if defined(_WIN32)
AFXLITE_API BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
AFXLITE_API void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// Resources: the executable (or what AfxSetResourceHandle chose) first, then
// each extension DLL that has a resource of that name and type.
AFXLITE_API HINSTANCE AFXAPI AfxFindResourceHandle(LPCSTR lpszName, LPCSTR lpszType);
AFXLITE_API HINSTANCE AFXAPI AfxGetResourceHandle();
AFXLITE_API void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
AFXLITE_API HINSTANCE AFXAPI AfxGetInstanceHandle();
// Registers the class unless a class of that name is already registered for
// its instance; FALSE only when registration fails.
AFXLITE_API BOOL AfxRegisterClass(WNDCLASSA* lpWndClass);
// The module that holds string resource nID (the executable first, then the
// extension DLLs), or null.
AFXLITE_API HINSTANCE AFXAPI AfxFindStringResourceHandle(UINT nID);
#endif

/////////////////////////////////////////////////////////////////////////////
// CString: MFC's string of single-byte characters (CStringA). The object is
// one pointer to the characters (a header with length and capacity sits in
// front of them), as small as MFC's. Differences: no reference counting
// (copies are deep), no wide characters; MakeUpper/MakeLower use the ANSI
// code page on Windows and ASCII natively. Format and AppendFormat take
// CString arguments; other printf-style calls (GCC passes a CString given to
// "..." by hidden reference, unlike MSVC) need (LPCSTR)str for "%s".

// Whether a formatting call has a CString argument (see CString::Format).
template <class... Args> struct AfxLiteAnyCString : std::false_type
{};
template <class First, class... Rest>
struct AfxLiteAnyCString<First, Rest...>
    : std::integral_constant<bool, std::is_base_of<CString, First>::value || AfxLiteAnyCString<Rest...>::value>
{};

struct CStringData
{
    int nDataLength;  // characters, without the terminator
    int nAllocLength; // capacity, without the terminator; 0 for the shared empty string
    char* data() { return reinterpret_cast<char*>(this + 1); }
};

class AFXLITE_API CString
{
public:
    // Construction
    CString();
    CString(const CString& stringSrc);
    CString(CString&& stringSrc) noexcept;
    CString(char ch, int nRepeat = 1);
    // A string, or (on Windows) a string resource id made with MAKEINTRESOURCE.
    CString(LPCSTR lpsz);
    CString(LPCSTR lpch, int nLength);
    CString(const unsigned char* psz);
    ~CString();

    // Attributes
    int GetLength() const { return GetData()->nDataLength; }
    BOOL IsEmpty() const { return GetData()->nDataLength == 0; }
    void Empty();
    char GetAt(int nIndex) const;
    void SetAt(int nIndex, char ch);
    char operator[](int nIndex) const { return GetAt(nIndex); }
    operator LPCSTR() const { return m_pchData; }
    LPCSTR GetString() const { return m_pchData; }

    // Assignment and concatenation
    CString& operator=(const CString& stringSrc);
    CString& operator=(CString&& stringSrc) noexcept;
    CString& operator=(LPCSTR lpsz);
    CString& operator=(char ch);
    CString& operator=(const unsigned char* psz);
    CString& operator+=(const CString& string);
    CString& operator+=(LPCSTR lpsz);
    CString& operator+=(char ch);
    void Append(LPCSTR lpsz);
    void Append(LPCSTR lpch, int nLength);
    void Append(const CString& string);
    void AppendChar(char ch);
    void SetString(LPCSTR lpsz);
    void SetString(LPCSTR lpch, int nLength);

    friend AFXLITE_API CString AFXAPI operator+(const CString& string1, const CString& string2);
    friend AFXLITE_API CString AFXAPI operator+(const CString& string, char ch);
    friend AFXLITE_API CString AFXAPI operator+(char ch, const CString& string);
    friend AFXLITE_API CString AFXAPI operator+(const CString& string, LPCSTR lpsz);
    friend AFXLITE_API CString AFXAPI operator+(LPCSTR lpsz, const CString& string);

    // Comparison: Compare is strcmp's order, CompareNoCase ignores ASCII
    // case, Collate uses the C library's locale (strcoll).
    int Compare(LPCSTR lpsz) const;
    int CompareNoCase(LPCSTR lpsz) const;
    int Collate(LPCSTR lpsz) const;
    int CollateNoCase(LPCSTR lpsz) const;

    // Extraction (out-of-range counts are clipped, as in MFC)
    CString Mid(int nFirst, int nCount) const;
    CString Mid(int nFirst) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR lpszCharSet) const;
    CString SpanExcluding(LPCSTR lpszCharSet) const;
    // The next token after iStart (advanced past it); iStart becomes -1 at the end.
    CString Tokenize(LPCSTR pszTokens, int& iStart) const;

    // Changes (each returns the string or, for the counting ones, a count)
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR lpszOld, LPCSTR lpszNew);
    int Remove(char chRemove);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR pstr);
    int Delete(int nIndex, int nCount = 1);

    // Trimming: whitespace, one character, or any of a set of characters.
    CString& Trim();
    CString& Trim(char chTarget);
    CString& Trim(LPCSTR lpszTargets);
    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(LPCSTR lpszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(LPCSTR lpszTargets);

    // Searching: zero-based index, or -1.
    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR lpszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR lpszCharSet) const;

    // Formatting: the C library's printf conventions, checked by the
    // compiler. A CString argument prints its text, as MFC hosts write it
    // (s.Format("[%s]", str)): those calls go through the templates below,
    // which pass each CString on as its characters (GCC would otherwise pass
    // the object by hidden reference); their plain arguments are not checked.
    void AFX_CDECL Format(LPCSTR lpszFormat, ...) AFXLITE_PRINTF(2, 3);
    void AFX_CDECL AppendFormat(LPCSTR lpszFormat, ...) AFXLITE_PRINTF(2, 3);
    template <class... Args, typename std::enable_if<AfxLiteAnyCString<Args...>::value, int>::type = 0>
    void Format(LPCSTR lpszFormat, const Args&... args)
    {
        Format(lpszFormat, FormatArg(args)...);
    }
    template <class... Args, typename std::enable_if<AfxLiteAnyCString<Args...>::value, int>::type = 0>
    void AppendFormat(LPCSTR lpszFormat, const Args&... args)
    {
        AppendFormat(lpszFormat, FormatArg(args)...);
    }
    void FormatV(LPCSTR lpszFormat, va_list argList);
    void AppendFormatV(LPCSTR lpszFormat, va_list argList);

    // Raw buffer access: GetBuffer returns room for at least nMinBufLength
    // characters plus a terminator, keeping the contents; ReleaseBuffer sets
    // the length (-1: up to the first NUL).
    LPSTR GetBuffer();
    LPSTR GetBuffer(int nMinBufLength);
    LPSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);
    void ReleaseBufferSetLength(int nNewLength) { ReleaseBuffer(nNewLength); }
    void FreeExtra();
    void Preallocate(int nLength);
    int GetAllocLength() const { return GetData()->nAllocLength; }

#if defined(_WIN32)
    // The string resource nID, found through AfxFindResourceHandle (the
    // executable first, then the extension DLLs). FALSE when there is none.
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInstance, UINT nID);
    void AFX_CDECL Format(UINT nFormatID, ...);
#endif

private:
    char* m_pchData; // characters; a CStringData header sits in front

    // A formatting argument: a CString as its characters, anything else unchanged.
    template <class T> static const T& FormatArg(const T& arg) { return arg; }
    static LPCSTR FormatArg(const CString& str) { return str.m_pchData; }

    CStringData* GetData() const { return reinterpret_cast<CStringData*>(m_pchData) - 1; }
    void Init();
    void Release();
    // Makes room for nLength characters, keeping the first nKeep ones.
    void Reserve(int nLength, int nKeep);
    void SetLength(int nLength);
    void AssignCopy(LPCSTR lpch, int nLength);
};

// Comparison operators, as MFC's (case-sensitive, strcmp's order).
inline bool operator==(const CString& s1, const CString& s2) { return s1.Compare(s2) == 0; }
inline bool operator==(const CString& s1, LPCSTR s2) { return s1.Compare(s2) == 0; }
inline bool operator==(LPCSTR s1, const CString& s2) { return s2.Compare(s1) == 0; }
inline bool operator!=(const CString& s1, const CString& s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) != 0; }
inline bool operator!=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) != 0; }
inline bool operator<(const CString& s1, const CString& s2) { return s1.Compare(s2) < 0; }
inline bool operator<(const CString& s1, LPCSTR s2) { return s1.Compare(s2) < 0; }
inline bool operator<(LPCSTR s1, const CString& s2) { return s2.Compare(s1) > 0; }
inline bool operator>(const CString& s1, const CString& s2) { return s1.Compare(s2) > 0; }
inline bool operator>(const CString& s1, LPCSTR s2) { return s1.Compare(s2) > 0; }
inline bool operator>(LPCSTR s1, const CString& s2) { return s2.Compare(s1) < 0; }
inline bool operator<=(const CString& s1, const CString& s2) { return s1.Compare(s2) <= 0; }
inline bool operator<=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) <= 0; }
inline bool operator<=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) >= 0; }
inline bool operator>=(const CString& s1, const CString& s2) { return s1.Compare(s2) >= 0; }
inline bool operator>=(const CString& s1, LPCSTR s2) { return s1.Compare(s2) >= 0; }
inline bool operator>=(LPCSTR s1, const CString& s2) { return s2.Compare(s1) <= 0; }

/////////////////////////////////////////////////////////////////////////////
// CSize, CPoint, CRect: MFC's value classes over SIZE, POINT and RECT, with
// their operators and helpers. Header-only; the rectangle operations follow
// the Win32 functions of the same names (an empty rectangle is one with
// right <= left or bottom <= top).

class CPoint;
class CRect;

class CSize : public tagSIZE
{
public:
    CSize() { cx = cy = 0; }
    CSize(int initCX, int initCY) { cx = initCX, cy = initCY; }
    CSize(SIZE initSize) { cx = initSize.cx, cy = initSize.cy; }
    CSize(POINT initPt) { cx = initPt.x, cy = initPt.y; }
    CSize(DWORD dwSize) { cx = (short)LOWORD(dwSize), cy = (short)HIWORD(dwSize); }

    BOOL operator==(SIZE size) const { return cx == size.cx && cy == size.cy; }
    BOOL operator!=(SIZE size) const { return cx != size.cx || cy != size.cy; }
    void operator+=(SIZE size) { cx += size.cx, cy += size.cy; }
    void operator-=(SIZE size) { cx -= size.cx, cy -= size.cy; }
    void SetSize(int CX, int CY) { cx = CX, cy = CY; }

    CSize operator+(SIZE size) const { return CSize(cx + size.cx, cy + size.cy); }
    CSize operator-(SIZE size) const { return CSize(cx - size.cx, cy - size.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
    inline CPoint operator+(POINT point) const;
    inline CPoint operator-(POINT point) const;
    inline CRect operator+(const RECT* lpRect) const;
    inline CRect operator-(const RECT* lpRect) const;
};

class CPoint : public tagPOINT
{
public:
    CPoint() { x = y = 0; }
    CPoint(int initX, int initY) { x = initX, y = initY; }
    CPoint(POINT initPt) { x = initPt.x, y = initPt.y; }
    CPoint(SIZE initSize) { x = initSize.cx, y = initSize.cy; }
    // From a mouse message's lParam: signed 16-bit coordinates.
    CPoint(LPARAM dwPoint) { x = (short)LOWORD(dwPoint), y = (short)HIWORD(dwPoint); }

    void Offset(int xOffset, int yOffset) { x += xOffset, y += yOffset; }
    void Offset(POINT point) { x += point.x, y += point.y; }
    void Offset(SIZE size) { x += size.cx, y += size.cy; }
    void SetPoint(int X, int Y) { x = X, y = Y; }

    BOOL operator==(POINT point) const { return x == point.x && y == point.y; }
    BOOL operator!=(POINT point) const { return x != point.x || y != point.y; }
    void operator+=(SIZE size) { x += size.cx, y += size.cy; }
    void operator-=(SIZE size) { x -= size.cx, y -= size.cy; }
    void operator+=(POINT point) { x += point.x, y += point.y; }
    void operator-=(POINT point) { x -= point.x, y -= point.y; }

    CPoint operator+(SIZE size) const { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(SIZE size) const { return CPoint(x - size.cx, y - size.cy); }
    CPoint operator-() const { return CPoint(-x, -y); }
    CPoint operator+(POINT point) const { return CPoint(x + point.x, y + point.y); }
    CSize operator-(POINT point) const { return CSize(x - point.x, y - point.y); }
    inline CRect operator+(const RECT* lpRect) const;
    inline CRect operator-(const RECT* lpRect) const;
};

class CRect : public tagRECT
{
public:
    CRect() { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b) { left = l, top = t, right = r, bottom = b; }
    CRect(const RECT& srcRect) { CopyRect(&srcRect); }
    CRect(LPCRECT lpSrcRect) { CopyRect(lpSrcRect); }
    CRect(POINT point, SIZE size) { right = (left = point.x) + size.cx, bottom = (top = point.y) + size.cy; }
    CRect(POINT topLeft, POINT bottomRight)
    {
        left = topLeft.x, top = topLeft.y;
        right = bottomRight.x, bottom = bottomRight.y;
    }

    // Attributes
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(right - left, bottom - top); }
    CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(this); }
    CPoint& BottomRight() { return *(reinterpret_cast<CPoint*>(this) + 1); }
    const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(this); }
    const CPoint& BottomRight() const { return *(reinterpret_cast<const CPoint*>(this) + 1); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
    void SwapLeftRight() { SwapLeftRight(this); }
    static void SwapLeftRight(LPRECT lpRect)
    {
        LONG temp = lpRect->left;
        lpRect->left = lpRect->right;
        lpRect->right = temp;
    }
    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }

    BOOL IsRectEmpty() const { return left >= right || top >= bottom; }
    BOOL IsRectNull() const { return left == 0 && right == 0 && top == 0 && bottom == 0; }
    BOOL PtInRect(POINT point) const
    {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }

    // Operations
    void SetRect(int x1, int y1, int x2, int y2) { left = x1, top = y1, right = x2, bottom = y2; }
    void SetRect(POINT topLeft, POINT bottomRight) { SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y); }
    void SetRectEmpty() { left = top = right = bottom = 0; }
    void CopyRect(LPCRECT lpSrcRect)
    {
        left = lpSrcRect->left, top = lpSrcRect->top;
        right = lpSrcRect->right, bottom = lpSrcRect->bottom;
    }
    BOOL EqualRect(LPCRECT lpRect) const
    {
        return left == lpRect->left && top == lpRect->top && right == lpRect->right && bottom == lpRect->bottom;
    }

    void InflateRect(int x, int y) { left -= x, top -= y, right += x, bottom += y; }
    void InflateRect(SIZE size) { InflateRect(size.cx, size.cy); }
    void InflateRect(LPCRECT lpRect) { InflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
    void InflateRect(int l, int t, int r, int b) { left -= l, top -= t, right += r, bottom += b; }
    void DeflateRect(int x, int y) { InflateRect(-x, -y); }
    void DeflateRect(SIZE size) { InflateRect(-size.cx, -size.cy); }
    void DeflateRect(LPCRECT lpRect) { DeflateRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
    void DeflateRect(int l, int t, int r, int b) { left += l, top += t, right -= r, bottom -= b; }

    void OffsetRect(int x, int y) { left += x, top += y, right += x, bottom += y; }
    void OffsetRect(SIZE size) { OffsetRect(size.cx, size.cy); }
    void OffsetRect(POINT point) { OffsetRect(point.x, point.y); }
    void NormalizeRect()
    {
        LONG n;
        if (left > right)
            n = left, left = right, right = n;
        if (top > bottom)
            n = top, top = bottom, bottom = n;
    }
    void MoveToY(int y) { bottom = Height() + y, top = y; }
    void MoveToX(int x) { right = Width() + x, left = x; }
    void MoveToXY(int x, int y) { MoveToX(x), MoveToY(y); }
    void MoveToXY(POINT point) { MoveToXY(point.x, point.y); }

    // Intersection: FALSE and an empty rectangle when they do not overlap.
    BOOL IntersectRect(LPCRECT lpRect1, LPCRECT lpRect2)
    {
        const RECT& a = *lpRect1;
        const RECT& b = *lpRect2;
        if (a.left >= a.right || a.top >= a.bottom || b.left >= b.right || b.top >= b.bottom ||
            a.left >= b.right || b.left >= a.right || a.top >= b.bottom || b.top >= a.bottom) {
            SetRectEmpty();
            return FALSE;
        }
        SetRect(a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom);
        return TRUE;
    }
    // Union: the smallest rectangle holding both; an empty one is ignored.
    BOOL UnionRect(LPCRECT lpRect1, LPCRECT lpRect2)
    {
        const RECT a = *lpRect1;
        const RECT b = *lpRect2;
        const bool aEmpty = a.left >= a.right || a.top >= a.bottom;
        const bool bEmpty = b.left >= b.right || b.top >= b.bottom;
        if (aEmpty && bEmpty) {
            SetRectEmpty();
            return FALSE;
        }
        if (aEmpty)
            CopyRect(&b);
        else if (bEmpty)
            CopyRect(&a);
        else
            SetRect(a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
                    a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom);
        return TRUE;
    }
    // lpRectSrc1 less lpRectSrc2 where that leaves a rectangle (the second
    // covers a whole side of the first), else lpRectSrc1; FALSE when the
    // result is empty (Win32's SubtractRect).
    BOOL SubtractRect(LPCRECT lpRectSrc1, LPCRECT lpRectSrc2)
    {
        const RECT a = *lpRectSrc1;
        const RECT b = *lpRectSrc2;
        if (a.left >= a.right || a.top >= a.bottom) {
            SetRectEmpty();
            return FALSE;
        }
        CopyRect(&a);
        CRect tmp;
        if (tmp.IntersectRect(&a, &b)) {
            if (tmp.EqualRect(this)) {
                SetRectEmpty();
                return FALSE;
            }
            if (tmp.top == top && tmp.bottom == bottom) {
                if (tmp.left == left)
                    left = tmp.right;
                else if (tmp.right == right)
                    right = tmp.left;
            } else if (tmp.left == left && tmp.right == right) {
                if (tmp.top == top)
                    top = tmp.bottom;
                else if (tmp.bottom == bottom)
                    bottom = tmp.top;
            }
        }
        return TRUE;
    }

    // Operators: + and - with a point or size move the rectangle, with a
    // rectangle they inflate or deflate it; & intersects, | unites.
    void operator=(const RECT& srcRect) { CopyRect(&srcRect); }
    BOOL operator==(const RECT& rect) const { return EqualRect(&rect); }
    BOOL operator!=(const RECT& rect) const { return !EqualRect(&rect); }
    void operator+=(POINT point) { OffsetRect(point.x, point.y); }
    void operator+=(SIZE size) { OffsetRect(size.cx, size.cy); }
    void operator+=(LPCRECT lpRect) { InflateRect(lpRect); }
    void operator-=(POINT point) { OffsetRect(-point.x, -point.y); }
    void operator-=(SIZE size) { OffsetRect(-size.cx, -size.cy); }
    void operator-=(LPCRECT lpRect) { DeflateRect(lpRect); }
    void operator&=(const RECT& rect) { IntersectRect(this, &rect); }
    void operator|=(const RECT& rect) { UnionRect(this, &rect); }

    CRect operator+(POINT pt) const
    {
        CRect rect(*this);
        rect.OffsetRect(pt.x, pt.y);
        return rect;
    }
    CRect operator-(POINT pt) const
    {
        CRect rect(*this);
        rect.OffsetRect(-pt.x, -pt.y);
        return rect;
    }
    CRect operator+(SIZE size) const
    {
        CRect rect(*this);
        rect.OffsetRect(size.cx, size.cy);
        return rect;
    }
    CRect operator-(SIZE size) const
    {
        CRect rect(*this);
        rect.OffsetRect(-size.cx, -size.cy);
        return rect;
    }
    CRect operator+(LPCRECT lpRect) const
    {
        CRect rect(this);
        rect.InflateRect(lpRect);
        return rect;
    }
    CRect operator-(LPCRECT lpRect) const
    {
        CRect rect(this);
        rect.DeflateRect(lpRect);
        return rect;
    }
    CRect operator&(const RECT& rect2) const
    {
        CRect rect;
        rect.IntersectRect(this, &rect2);
        return rect;
    }
    CRect operator|(const RECT& rect2) const
    {
        CRect rect;
        rect.UnionRect(this, &rect2);
        return rect;
    }
};

inline CPoint CSize::operator+(POINT point) const { return CPoint(cx + point.x, cy + point.y); }
inline CPoint CSize::operator-(POINT point) const { return CPoint(cx - point.x, cy - point.y); }
inline CRect CSize::operator+(const RECT* lpRect) const { return CRect(lpRect) + *this; }
inline CRect CSize::operator-(const RECT* lpRect) const { return CRect(lpRect) - *this; }
inline CRect CPoint::operator+(const RECT* lpRect) const { return CRect(lpRect) + *this; }
inline CRect CPoint::operator-(const RECT* lpRect) const { return CRect(lpRect) - *this; }
