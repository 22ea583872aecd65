// CObject and run-time classes (records, derivation, creation by name) and
// MFC's ASSERT / VERIFY. Portable: runs natively and under Wine.
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

TEST(RuntimeClassTest, RecordsDerivationAndCreation)
{
    const struct
    {
        CRuntimeClass* pClass;
        const char* name;
        UINT schema;
        CRuntimeClass* pBase;
        bool creatable;
    } rows[] = {
        {RUNTIME_CLASS(CObject), "CObject", 0xFFFF, nullptr, false},
        {RUNTIME_CLASS(CTestShape), "CTestShape", 0xFFFF, RUNTIME_CLASS(CObject), false},
        {RUNTIME_CLASS(CTestSquare), "CTestSquare", 0xFFFF, RUNTIME_CLASS(CTestShape), true},
        {RUNTIME_CLASS(CTestDocument), "CTestDocument", 2, RUNTIME_CLASS(CObject), true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_STREQ(r.pClass->m_lpszClassName, r.name);
        EXPECT_EQ(r.pClass->m_wSchema, r.schema);
        EXPECT_EQ(r.pClass->m_pfnGetBaseClass ? r.pClass->m_pfnGetBaseClass() : nullptr, r.pBase);
        EXPECT_EQ(CRuntimeClass::FromName(r.name), r.pClass) << "registered in the module state";
        CObject* pMade = CRuntimeClass::CreateObject(r.name);
        EXPECT_EQ(pMade != nullptr, r.creatable);
        EXPECT_EQ(pMade ? pMade->GetRuntimeClass() : r.pClass, r.pClass);
        delete pMade;
    }
    EXPECT_EQ(CRuntimeClass::FromName("NoSuchClass"), nullptr);
    CTestSquare square;
    CObject* pObject = &square;
    EXPECT_TRUE(square.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(square.IsKindOf(RUNTIME_CLASS(CTestDocument)));
    EXPECT_FALSE(RUNTIME_CLASS(CTestShape)->IsDerivedFrom(RUNTIME_CLASS(CTestSquare)));
    EXPECT_EQ(DYNAMIC_DOWNCAST(CTestShape, pObject), &square);
    EXPECT_EQ(DYNAMIC_DOWNCAST(CTestDocument, pObject), nullptr);
    CObject* pMade = RUNTIME_CLASS(CTestSquare)->CreateObject();
    EXPECT_EQ(static_cast<CTestSquare*>(pMade)->m_nSides, 4) << "made with the default constructor";
    delete pMade;
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
    EXPECT_DEATH(ASSERT(n == 2), "");
    EXPECT_DEATH(VERIFY(++n == 3), "");
    EXPECT_DEATH(ASSERT_VALID(static_cast<CObject*>(nullptr)), "");
#else
    ASSERT(++n == 5); // not evaluated
    EXPECT_EQ(1, n);
    EXPECT_EQ(0, checked.m_nAsked);
#endif
}

} // namespace
