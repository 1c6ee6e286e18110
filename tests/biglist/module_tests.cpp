// module_tests.cpp - Lumivane.dll as an extension library: its class joins
// the host's lists, it refuses to load when its module cannot start, its
// plain export, and the key index's interface in its export table.
#include <gtest/gtest.h>

#include <afxwin.h>

#include <string>

#include "BigListCtrl.h"
#include "ExportChecks.h"
#include "myqsort.h"

namespace {

HMODULE Lumivane()
{
    return ::GetModuleHandleA("Lumivane.dll");
}

int LibraryCount()
{
    int n = 0;
    for (CDynLinkLibrary* p = AfxGetModuleState()->m_libraryList; p != NULL; p = p->m_pNextDLL)
        ++n;
    return n;
}

TEST(LumivaneModule, RuntimeClassIsFoundThroughTheLibraryList)
{
    ASSERT_TRUE(Lumivane() != NULL);
    CDynLinkLibrary* pFound = NULL;
    CRuntimeClass* pClass = NULL;
    for (CDynLinkLibrary* p = AfxGetModuleState()->m_libraryList; p != NULL; p = p->m_pNextDLL)
    {
        if (p->m_hModule != Lumivane())
            continue;
        pFound = p;
        for (CRuntimeClass* c = p->m_classList; c != NULL; c = c->m_pNextClass)
            if (strcmp(c->m_lpszClassName, "CBigListCtrl") == 0)
                pClass = c;
    }
    ASSERT_TRUE(pFound != NULL) << "Lumivane.dll made no CDynLinkLibrary";
    ASSERT_TRUE(pClass != NULL) << "CBigListCtrl is not in the library's class list";
    EXPECT_EQ(RUNTIME_CLASS(CBigListCtrl), pClass);
    EXPECT_EQ(0xFFFFu, pClass->m_wSchema);
    EXPECT_TRUE(pClass->m_pfnCreateObject == NULL);
    EXPECT_TRUE(pClass->IsDerivedFrom(RUNTIME_CLASS(CListCtrl)));
    EXPECT_EQ(pClass, AfxLiteFindRuntimeClass("CBigListCtrl"));

    CBigListCtrl list;
    EXPECT_TRUE(list.IsKindOf(RUNTIME_CLASS(CListCtrl)));
    EXPECT_EQ(RUNTIME_CLASS(CBigListCtrl), list.GetRuntimeClass());
}

// A second copy of the library runs its own start.
std::string CopyOfLumivane()
{
    char path[MAX_PATH];
    ::GetModuleFileNameA(Lumivane(), path, MAX_PATH);
    std::string copy(path);
    copy.replace(copy.rfind("Lumivane.dll"), 12, "LumivaneCopy.dll");
    ::CopyFileA(path, copy.c_str(), FALSE);
    return copy;
}

TEST(LumivaneModule, RefusesToLoadWhenItsModuleCannotStart)
{
    const std::string copy = CopyOfLumivane();
    const int nBefore = LibraryCount();

    AfxLiteFailNextExtensionInit(TRUE);
    ::SetLastError(0);
    HMODULE h = ::LoadLibraryA(copy.c_str());
    const DWORD dwError = ::GetLastError();
    AfxLiteFailNextExtensionInit(FALSE);
    EXPECT_TRUE(h == NULL);
    EXPECT_EQ(static_cast<DWORD>(ERROR_DLL_INIT_FAILED), dwError);
    EXPECT_EQ(nBefore, LibraryCount());
    if (h != NULL)
        ::FreeLibrary(h);

    // Without the failure it loads, joins the list, and leaves it again.
    h = ::LoadLibraryA(copy.c_str());
    ASSERT_TRUE(h != NULL);
    EXPECT_EQ(nBefore + 1, LibraryCount());
    ::FreeLibrary(h);
    EXPECT_EQ(nBefore, LibraryCount());
    ::DeleteFileA(copy.c_str());
}

TEST(LumivaneModule, SortIsExportedUnderItsPlainName)
{
    FARPROC p = ::GetProcAddress(Lumivane(), "myqsort");
    ASSERT_TRUE(p != NULL);
    EXPECT_EQ(reinterpret_cast<void*>(p), reinterpret_cast<void*>(&myqsort));
}

// The key index is used from outside the library (derived controls reach
// m_pKeyMap inline): its public members are exported, its tree work is not.
TEST(LumivaneModule, KeyIndexExportsItsInterfaceOnly)
{
    static const char* const kExported[] = {
        "_ZN15CListDataKeyMapC1Ev",
        "_ZN15CListDataKeyMapD1Ev",
        "_ZN15CListDataKeyMap4findEl",
        "_ZNK15CListDataKeyMap4findEl",
        "_ZN15CListDataKeyMap6insertERKSt4pairIKlP9CListDataE",
        "_ZN15CListDataKeyMap5eraseENS_9CIteratorIP9CListDataEE",
        "_ZN15CListDataKeyMap5eraseEl",
        "_ZN15CListDataKeyMap5clearEv",
    };
    static const char* const kInternal[] = {
        "_ZNK15CListDataKeyMap7DescendElPNS_5CStepE",
        "_ZN15CListDataKeyMap9RebalanceEPNS_5CStepEi",
        "_ZN15CListDataKeyMap7EraseAtEPNS_5CStepEPNS_5CLeafEi",
        "_ZN15CListDataKeyMap11FreeSubtreeEPvi",
    };
    testsupport::ExpectExportsOnly(Lumivane(), kExported, kInternal);
}

} // namespace
