// object.cpp: CObject, CRuntimeClass, the class registration that runs at
// static-construction time, the factory records and the process-wide module
// state. Portable: the native build of the cores uses it too.
#include "afx.h"

#include <stddef.h>

/////////////////////////////////////////////////////////////////////////////
// Module state

AFX_MODULE_STATE::AFX_MODULE_STATE()
    : m_pCurrentWinApp(nullptr), m_hCurrentInstanceHandle(nullptr), m_hCurrentResourceHandle(nullptr),
      m_lpszCurrentAppName(nullptr), m_classList(offsetof(CRuntimeClass, m_pNextClass)),
      m_factoryList(offsetof(COleObjectFactory, m_pNextFactory)), m_pClassInit(nullptr), m_pFactoryInit(nullptr),
      m_libraryList(offsetof(CDynLinkLibrary, m_pNextDLL))
{}

// One state for the whole process, made on first use: static constructors of
// any module (this one, the executable, extension DLLs) may register classes
// before main, in an order nobody controls.
AFX_MODULE_STATE* AFXAPI AfxGetModuleState()
{
    static AFX_MODULE_STATE s_moduleState;
    return &s_moduleState;
}

/////////////////////////////////////////////////////////////////////////////
// Class registration

void AFXAPI AfxClassInit(CRuntimeClass* pNewClass)
{
    ASSERT(pNewClass != nullptr);
    AfxGetModuleState()->m_classList.AddHead(pNewClass);
}

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass)
{
    AfxClassInit(pNewClass);
}

/////////////////////////////////////////////////////////////////////////////
// CRuntimeClass

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == nullptr)
        return nullptr; // not DECLARE_DYNCREATE: MFC answers null too
    return (*m_pfnCreateObject)();
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    ASSERT_MSG(pBaseClass != nullptr, "CRuntimeClass::IsDerivedFrom with a null base class");
    for (const CRuntimeClass* pClass = this; pClass != nullptr;) {
        if (pClass == pBaseClass)
            return TRUE;
        pClass = pClass->m_pfnGetBaseClass != nullptr ? (*pClass->m_pfnGetBaseClass)() : nullptr;
    }
    return FALSE;
}

static CRuntimeClass* FindInList(const CTypedSimpleList<CRuntimeClass*>& list, LPCSTR lpszClassName)
{
    for (CRuntimeClass* pClass = list.GetHead(); pClass != nullptr; pClass = pClass->m_pNextClass) {
        if (strcmp(pClass->m_lpszClassName, lpszClassName) == 0)
            return pClass;
    }
    return nullptr;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (lpszClassName == nullptr)
        return nullptr;
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    if (CRuntimeClass* pClass = FindInList(pModuleState->m_classList, lpszClassName))
        return pClass;
    for (CDynLinkLibrary* pDLL = pModuleState->m_libraryList; pDLL != nullptr; pDLL = pDLL->m_pNextDLL) {
        if (CRuntimeClass* pClass = FindInList(pDLL->m_classList, lpszClassName))
            return pClass;
    }
    return nullptr;
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    CRuntimeClass* pClass = FromName(lpszClassName);
    return pClass != nullptr ? pClass->CreateObject() : nullptr;
}

/////////////////////////////////////////////////////////////////////////////
// CObject: its record is written out by hand (it has no base class) and
// registered like any other.

CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), 0xFFFF, nullptr, &CObject::_GetBaseClass,
                                       nullptr};
static const AFX_CLASSINIT _init_CObject(&CObject::classCObject);

CRuntimeClass* PASCAL CObject::GetThisClass()
{
    return &CObject::classCObject;
}

CRuntimeClass* PASCAL CObject::_GetBaseClass()
{
    return nullptr;
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &CObject::classCObject;
}

CObject::~CObject() {}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    return pObject != nullptr && pObject->IsKindOf(pClass) ? pObject : nullptr;
}

CObject* AFXAPI AfxStaticDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    ASSERT_MSG(pObject == nullptr || pObject->IsKindOf(pClass), "STATIC_DOWNCAST: the object is not of that class");
    return pObject;
}

void AFXAPI AfxAssertValidObject(const CObject* pOb, LPCSTR lpszFileName, int nLine)
{
    if (pOb == nullptr) {
        if (AfxAssertFailedLine(lpszFileName, nLine, "ASSERT_VALID: null object"))
            AfxDebugBreak();
        return;
    }
    pOb->AssertValid();
}

/////////////////////////////////////////////////////////////////////////////
// COleObjectFactory: just the record in the factory list.

COleObjectFactory::COleObjectFactory(LPCSTR lpszProgID) : m_lpszProgID(lpszProgID), m_pNextFactory(nullptr)
{
    AfxGetModuleState()->m_factoryList.AddHead(this);
}

COleObjectFactory::~COleObjectFactory()
{
    // Unlink from wherever the record is: the module state's list or, for an
    // extension DLL's factory, its CDynLinkLibrary's list.
    AFX_MODULE_STATE* pModuleState = AfxGetModuleState();
    if (pModuleState->m_factoryList.Remove(this))
        return;
    for (CDynLinkLibrary* pDLL = pModuleState->m_libraryList; pDLL != nullptr; pDLL = pDLL->m_pNextDLL) {
        if (pDLL->m_factoryList.Remove(this))
            return;
    }
}

BOOL COleObjectFactory::Register()
{
    AFXLITE_UNSUPPORTED("COleObjectFactory::Register: afxlite has no OLE support");
    return FALSE;
}

void COleObjectFactory::Revoke()
{
    AFXLITE_UNSUPPORTED("COleObjectFactory::Revoke: afxlite has no OLE support");
}
