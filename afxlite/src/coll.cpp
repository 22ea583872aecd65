// coll.cpp: the run-time class records of afxcoll.h's classes (everything
// else about them is in the header). Portable.
#include "afxcoll.h"

#define AFXLITE_IMPLEMENT_COLLECTION(class_name)                                                             \
    IMPLEMENT_SERIAL(class_name, CObject, 0)                                                                 \
    class_name::~class_name() {}

AFXLITE_IMPLEMENT_COLLECTION(CObList)
AFXLITE_IMPLEMENT_COLLECTION(CPtrList)
AFXLITE_IMPLEMENT_COLLECTION(CStringList)
AFXLITE_IMPLEMENT_COLLECTION(CPtrArray)
AFXLITE_IMPLEMENT_COLLECTION(CObArray)
AFXLITE_IMPLEMENT_COLLECTION(CDWordArray)
AFXLITE_IMPLEMENT_COLLECTION(CUIntArray)
AFXLITE_IMPLEMENT_COLLECTION(CWordArray)
AFXLITE_IMPLEMENT_COLLECTION(CByteArray)
AFXLITE_IMPLEMENT_COLLECTION(CStringArray)
AFXLITE_IMPLEMENT_COLLECTION(CMapPtrToPtr)
AFXLITE_IMPLEMENT_COLLECTION(CMapStringToPtr)
AFXLITE_IMPLEMENT_COLLECTION(CMapStringToString)
AFXLITE_IMPLEMENT_COLLECTION(CMapStringToOb)
AFXLITE_IMPLEMENT_COLLECTION(CMapWordToPtr)
