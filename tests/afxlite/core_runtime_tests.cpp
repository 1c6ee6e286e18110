// Run-time classes (DECLARE_/IMPLEMENT_DYNAMIC, DYNCREATE, SERIAL),
// registration with the module's class list, and the exceptions.

#include <afxwin.h>
#include <afxtempl.h>

#include <gtest/gtest.h>

namespace {

class CShape : public CObject
{
    DECLARE_DYNAMIC(CShape)
public:
    int m_nSides = 0;
};
IMPLEMENT_DYNAMIC(CShape, CObject)

class CSquare : public CShape
{
    DECLARE_DYNCREATE(CSquare)
public:
    CSquare() { m_nSides = 4; }
};
IMPLEMENT_DYNCREATE(CSquare, CShape)

class CStoredShape : public CShape
{
    DECLARE_SERIAL(CStoredShape)
public:
    CStoredShape() {}
};
IMPLEMENT_SERIAL(CStoredShape, CShape, 3)

// Creation that fails with a framework exception.
class CUncreatable : public CObject
{
    DECLARE_DYNCREATE(CUncreatable)
public:
    CUncreatable() { AfxThrowResourceException(); }
};
IMPLEMENT_DYNCREATE(CUncreatable, CObject)

TEST(RuntimeClass, RecordsAndDerivation)
{
    CRuntimeClass* pSquare = RUNTIME_CLASS(CSquare);
    EXPECT_STREQ("CSquare", pSquare->m_lpszClassName);
    EXPECT_EQ((int)sizeof(CSquare), pSquare->m_nObjectSize);
    EXPECT_EQ(0xFFFFu, pSquare->m_wSchema);
    EXPECT_EQ(RUNTIME_CLASS(CShape), (*pSquare->m_pfnGetBaseClass)());
    EXPECT_EQ(RUNTIME_CLASS(CObject), (*RUNTIME_CLASS(CShape)->m_pfnGetBaseClass)());
    EXPECT_EQ(NULL, RUNTIME_CLASS(CObject)->m_pfnGetBaseClass);
    EXPECT_EQ(3u, RUNTIME_CLASS(CStoredShape)->m_wSchema);

    EXPECT_TRUE(pSquare->IsDerivedFrom(RUNTIME_CLASS(CShape)));
    EXPECT_TRUE(pSquare->IsDerivedFrom(RUNTIME_CLASS(CObject)));
    EXPECT_TRUE(pSquare->IsDerivedFrom(pSquare));
    EXPECT_FALSE(RUNTIME_CLASS(CShape)->IsDerivedFrom(pSquare));
    EXPECT_FALSE(pSquare->IsDerivedFrom(RUNTIME_CLASS(CStoredShape)));
    EXPECT_TRUE(RUNTIME_CLASS(CMemoryException)->IsDerivedFrom(RUNTIME_CLASS(CException)));
    EXPECT_TRUE(RUNTIME_CLASS(CPen)->IsDerivedFrom(RUNTIME_CLASS(CGdiObject)));
}

TEST(RuntimeClass, IsKindOfAndSerializable)
{
    CSquare square;
    CShape& shape = square;
    EXPECT_EQ(RUNTIME_CLASS(CSquare), shape.GetRuntimeClass());
    EXPECT_TRUE(shape.IsKindOf(RUNTIME_CLASS(CSquare)));
    EXPECT_TRUE(shape.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(shape.IsKindOf(RUNTIME_CLASS(CStoredShape)));
    EXPECT_FALSE(shape.IsSerializable());
    CStoredShape stored;
    EXPECT_TRUE(stored.IsSerializable());

    CArray<int, int> array;
    CPtrArray ptrs;
    EXPECT_TRUE(ptrs.IsKindOf(RUNTIME_CLASS(CPtrArray)));
    EXPECT_EQ(RUNTIME_CLASS(CObject), array.GetRuntimeClass());  // templates carry no record
}

TEST(RuntimeClass, CreateObject)
{
    CObject* pObject = RUNTIME_CLASS(CSquare)->CreateObject();
    ASSERT_NE((CObject*)NULL, pObject);
    EXPECT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CSquare)));
    EXPECT_EQ(4, static_cast<CSquare*>(pObject)->m_nSides);
    delete pObject;

    EXPECT_EQ(NULL, RUNTIME_CLASS(CShape)->CreateObject());       // not creatable
    EXPECT_EQ(NULL, RUNTIME_CLASS(CUncreatable)->CreateObject());  // constructor threw
}

TEST(RuntimeClass, RegisteredWithTheModuleClassList)
{
    // The records of this program were linked into the module state's
    // list while the static objects were constructed.
    EXPECT_EQ(RUNTIME_CLASS(CSquare), AfxLiteFindRuntimeClass("CSquare"));
    EXPECT_EQ(RUNTIME_CLASS(CStoredShape), AfxLiteFindRuntimeClass("CStoredShape"));
    EXPECT_EQ(RUNTIME_CLASS(CObject), AfxLiteFindRuntimeClass("CObject"));
    EXPECT_EQ(NULL, AfxLiteFindRuntimeClass("CNoSuchClass"));
}

TEST(Exceptions, ThrowHelpersThrowStaticObjects)
{
    CException* pCaught = NULL;
    try
    {
        AfxThrowMemoryException();
    }
    catch (CMemoryException* e)
    {
        pCaught = e;
    }
    ASSERT_NE((CException*)NULL, pCaught);
    EXPECT_TRUE(pCaught->IsKindOf(RUNTIME_CLASS(CMemoryException)));
    EXPECT_FALSE(pCaught->m_bAutoDelete);
    TCHAR sz[64];
    UINT nHelp = 99;
    EXPECT_TRUE(pCaught->GetErrorMessage(sz, _countof(sz), &nHelp));
    EXPECT_STREQ("Out of memory.", sz);
    EXPECT_EQ(0u, nHelp);
    pCaught->Delete();  // a static object: still usable afterwards
    EXPECT_TRUE(pCaught->GetErrorMessage(sz, 4, NULL));
    EXPECT_STREQ("Out", sz);

    bool bResource = false;
    try
    {
        AfxThrowResourceException();
    }
    catch (CException* e)
    {
        bResource = e->IsKindOf(RUNTIME_CLASS(CResourceException));
        e->Delete();
    }
    EXPECT_TRUE(bResource);

    bool bNotSupported = false;
    TRY
    {
        AfxThrowNotSupportedException();
    }
    CATCH(CNotSupportedException, e)
    {
        bNotSupported = true;
    }
    END_CATCH
    EXPECT_TRUE(bNotSupported);
}

TEST(Exceptions, HeapExceptionsDeleteThemselves)
{
    static int s_destroyed = 0;
    struct CCounting : public CException
    {
        ~CCounting() { s_destroyed++; }
    };
    CException* pAuto = new CCounting;
    EXPECT_TRUE(pAuto->m_bAutoDelete);
    pAuto->Delete();
    EXPECT_EQ(1, s_destroyed);

    CException plain;
    TCHAR sz[8] = "x";
    EXPECT_FALSE(plain.GetErrorMessage(sz, _countof(sz)));
    EXPECT_STREQ("", sz);

    CSimpleException noText(FALSE, 0, NULL);
    EXPECT_FALSE(noText.GetErrorMessage(sz, _countof(sz)));
}

} // namespace
