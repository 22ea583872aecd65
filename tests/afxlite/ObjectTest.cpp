// CObject and run-time classes: the records the macros build, derivation,
// dynamic creation, registration in the module state and search by name.
// Portable: runs natively and under Wine.
#include <afx.h>

#include <gtest/gtest.h>

namespace {

class CTestShape : public CObject
{
    DECLARE_DYNAMIC(CTestShape)
public:
    int m_nSides = 0;
};
IMPLEMENT_DYNAMIC(CTestShape, CObject)

class CTestSquare : public CTestShape
{
    DECLARE_DYNCREATE(CTestSquare)
public:
    CTestSquare() { m_nSides = 4; }
};
IMPLEMENT_DYNCREATE(CTestSquare, CTestShape)

class CTestDocument : public CObject
{
    DECLARE_SERIAL(CTestDocument)
public:
    double m_dPayload[4] = {};
};
IMPLEMENT_SERIAL(CTestDocument, CObject, 2)

bool InModuleClassList(const CRuntimeClass* pWanted)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    for (CRuntimeClass* p = pState->m_classList; p != nullptr; p = p->m_pNextClass)
        if (p == pWanted)
            return true;
    return false;
}

TEST(RuntimeClassTest, RecordsHoldNameSizeSchemaAndBase)
{
    struct Row
    {
        const char* label;
        CRuntimeClass* pClass;
        const char* name;
        int size;
        UINT schema;
        CRuntimeClass* pBase;
        bool creatable;
    };
    const Row rows[] = {
        {"CObject", RUNTIME_CLASS(CObject), "CObject", static_cast<int>(sizeof(CObject)), 0xFFFF, nullptr, false},
        {"dynamic", RUNTIME_CLASS(CTestShape), "CTestShape", static_cast<int>(sizeof(CTestShape)), 0xFFFF,
         RUNTIME_CLASS(CObject), false},
        {"dyncreate", RUNTIME_CLASS(CTestSquare), "CTestSquare", static_cast<int>(sizeof(CTestSquare)), 0xFFFF,
         RUNTIME_CLASS(CTestShape), true},
        {"serial", RUNTIME_CLASS(CTestDocument), "CTestDocument", static_cast<int>(sizeof(CTestDocument)), 2,
         RUNTIME_CLASS(CObject), true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.label);
        ASSERT_NE(r.pClass, nullptr);
        EXPECT_STREQ(r.pClass->m_lpszClassName, r.name);
        EXPECT_EQ(r.pClass->m_nObjectSize, r.size);
        EXPECT_EQ(r.pClass->m_wSchema, r.schema);
        CRuntimeClass* pBase = r.pClass->m_pfnGetBaseClass ? r.pClass->m_pfnGetBaseClass() : nullptr;
        EXPECT_EQ(pBase, r.pBase);
        EXPECT_EQ(r.pClass->m_pfnCreateObject != nullptr, r.creatable);
    }
}

TEST(RuntimeClassTest, DerivationAndIsKindOf)
{
    CTestSquare square;
    EXPECT_TRUE(square.IsKindOf(RUNTIME_CLASS(CTestSquare)));
    EXPECT_TRUE(square.IsKindOf(RUNTIME_CLASS(CTestShape)));
    EXPECT_TRUE(square.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(square.IsKindOf(RUNTIME_CLASS(CTestDocument)));
    EXPECT_TRUE(RUNTIME_CLASS(CTestSquare)->IsDerivedFrom(RUNTIME_CLASS(CTestShape)));
    EXPECT_FALSE(RUNTIME_CLASS(CTestShape)->IsDerivedFrom(RUNTIME_CLASS(CTestSquare)));
    EXPECT_FALSE(square.IsSerializable());
    CTestDocument doc;
    EXPECT_TRUE(doc.IsSerializable());

    CObject* pObject = &square;
    EXPECT_EQ(DYNAMIC_DOWNCAST(CTestShape, pObject), &square);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CTestDocument, pObject), nullptr);
    EXPECT_EQ(STATIC_DOWNCAST(CTestSquare, pObject), &square);
}

TEST(RuntimeClassTest, CreateObjectOnlyForDynCreate)
{
    CObject* pObject = RUNTIME_CLASS(CTestSquare)->CreateObject();
    ASSERT_NE(pObject, nullptr);
    EXPECT_EQ(pObject->GetRuntimeClass(), RUNTIME_CLASS(CTestSquare));
    EXPECT_EQ(static_cast<CTestSquare*>(pObject)->m_nSides, 4) << "made with the default constructor";
    delete pObject;

    EXPECT_EQ(RUNTIME_CLASS(CTestShape)->CreateObject(), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CObject)->CreateObject(), nullptr);

    CObject* pDoc = CRuntimeClass::CreateObject("CTestDocument");
    ASSERT_NE(pDoc, nullptr);
    EXPECT_TRUE(pDoc->IsKindOf(RUNTIME_CLASS(CTestDocument)));
    delete pDoc;
    EXPECT_EQ(CRuntimeClass::CreateObject("CTestShape"), nullptr);
    EXPECT_EQ(CRuntimeClass::CreateObject("NoSuchClass"), nullptr);
}

TEST(RuntimeClassTest, EveryDeclaredClassIsRegisteredAndFoundByName)
{
    for (CRuntimeClass* pClass : {RUNTIME_CLASS(CObject), RUNTIME_CLASS(CTestShape), RUNTIME_CLASS(CTestSquare),
                                  RUNTIME_CLASS(CTestDocument)}) {
        SCOPED_TRACE(pClass->m_lpszClassName);
        EXPECT_TRUE(InModuleClassList(pClass));
        EXPECT_EQ(CRuntimeClass::FromName(pClass->m_lpszClassName), pClass);
    }
    EXPECT_EQ(CRuntimeClass::FromName("NoSuchClass"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);
}

TEST(ModuleStateTest, FactoryRecordsLinkAndUnlink)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    COleObjectFactory* pBefore = pState->m_factoryList;
    {
        COleObjectFactory factory("Quillon.Test.1");
        EXPECT_EQ(pState->m_factoryList.GetHead(), &factory);
        EXPECT_EQ(factory.m_pNextFactory, pBefore);
        EXPECT_STREQ(factory.m_lpszProgID, "Quillon.Test.1");
    }
    EXPECT_EQ(pState->m_factoryList.GetHead(), pBefore);
}

TEST(SimpleListTest, AddRemoveWalk)
{
    struct Node
    {
        int value;
        Node* pNext;
    };
    CTypedSimpleList<Node*> list(offsetof(Node, pNext));
    Node a{1, nullptr}, b{2, nullptr}, c{3, nullptr};
    EXPECT_TRUE(list.IsEmpty());
    list.AddHead(&a);
    list.AddHead(&b);
    list.AddHead(&c);
    int sum = 0, n = 0;
    for (Node* p = list; p != nullptr; p = list.GetNext(p))
        sum = sum * 10 + p->value, ++n;
    EXPECT_EQ(sum, 321);
    EXPECT_TRUE(list.Remove(&b));
    EXPECT_FALSE(list.Remove(&b));
    EXPECT_EQ(list.GetHead(), &c);
    EXPECT_EQ(list.GetNext(&c), &a);
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
}

// The checks follow MFC: active with _DEBUG only, VERIFY's expression
// evaluated in every build, ASSERT_VALID asking the object itself.
TEST(AssertTest, DebugChecksStopAndVerifyAlwaysEvaluates)
{
    struct CChecked : CObject
    {
        mutable int m_nAsked = 0;
        void AssertValid() const override { ++m_nAsked; }
    } checked;
    int n = 0;
    VERIFY(++n == 1);
    EXPECT_EQ(1, n);
    ASSERT_VALID(&checked);
#if defined(_DEBUG)
    EXPECT_EQ(1, checked.m_nAsked);
    EXPECT_DEATH(ASSERT(n == 2), "assertion failed: n == 2");
    EXPECT_DEATH(VERIFY(++n == 3), "assertion failed: \\+\\+n == 3");
    EXPECT_DEATH(ASSERT_VALID(static_cast<CObject*>(nullptr)), "ASSERT_VALID");
#else
    ASSERT(++n == 5); // not evaluated
    EXPECT_EQ(1, n);
    EXPECT_EQ(0, checked.m_nAsked);
#endif
}

} // namespace
