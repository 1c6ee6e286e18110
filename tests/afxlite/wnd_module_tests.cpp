// Module state: default handles without an application object, extension
// libraries (raw entry hook, AfxInitExtensionModule and its failure,
// CDynLinkLibrary) and the order of the resource chain.

#include "wnd_fixture.h"

#include "wnd_extdll.h"

using namespace wndtest;

namespace {

BOOL ClassListContains(const CTypedSimpleList<CRuntimeClass*>& list, const CRuntimeClass* pWanted)
{
    for (CRuntimeClass* pClass = list; pClass != NULL; pClass = pClass->m_pNextClass)
    {
        if (pClass == pWanted)
            return TRUE;
    }
    return FALSE;
}

BOOL ClassListContainsName(const CTypedSimpleList<CRuntimeClass*>& list, LPCSTR lpszName)
{
    for (CRuntimeClass* pClass = list; pClass != NULL; pClass = pClass->m_pNextClass)
    {
        if (lstrcmpA(pClass->m_lpszClassName, lpszName) == 0)
            return TRUE;
    }
    return FALSE;
}

int LibraryCount()
{
    int nCount = 0;
    for (CDynLinkLibrary* pDLL = AfxGetModuleState()->m_libraryList; pDLL != NULL; pDLL = pDLL->m_pNextDLL)
        nCount++;
    return nCount;
}

CString LoadFrom(HINSTANCE hInst, UINT nID)
{
    char szText[128] = "";
    ::LoadStringA(hInst, nID, szText, sizeof(szText));
    return szText;
}

class ModuleState : public ::testing::Test
{
protected:
    void TearDown() override
    {
        AfxLiteFailNextExtensionInit(FALSE);
    }
};

TEST_F(ModuleState, WithoutAnApplicationTheExecutableProvidesTheHandles)
{
    EXPECT_EQ((CWinApp*)NULL, AfxGetApp());
    EXPECT_EQ((CWinThread*)NULL, AfxGetThread());
    EXPECT_EQ((CWnd*)NULL, AfxGetMainWnd());
    EXPECT_EQ(::GetModuleHandleA(NULL), AfxGetInstanceHandle());
    EXPECT_EQ(::GetModuleHandleA(NULL), AfxGetResourceHandle());
    EXPECT_STRCASEEQ("afxlite_tests", AfxGetAppName());
    EXPECT_EQ(AfxGetModuleState(), AfxGetAppModuleState()) << "one state for the whole process";

    HINSTANCE hLayer = ::GetModuleHandleA("afxlite.dll");
    ASSERT_NE((HINSTANCE)NULL, hLayer);
    AfxSetResourceHandle(hLayer);
    EXPECT_EQ(hLayer, AfxGetResourceHandle());
    AfxSetResourceHandle(::GetModuleHandleA(NULL));
    EXPECT_EQ(::GetModuleHandleA(NULL), AfxGetResourceHandle());

    // the layer's own classes are registered with the module
    EXPECT_TRUE(ClassListContains(AfxGetModuleState()->m_classList, RUNTIME_CLASS(CWnd)));
    EXPECT_EQ(RUNTIME_CLASS(CDialog), AfxLiteFindRuntimeClass("CDialog"));
    EXPECT_EQ((CRuntimeClass*)NULL, AfxLiteFindRuntimeClass("CNoSuchClass"));
}

TEST_F(ModuleState, ExtensionLibraryKeepsItsOwnClassesFromTheRawEntryHookOn)
{
    int nLibraries = LibraryCount();
    HMODULE hExt = ::LoadLibraryA("wnd_extdll.dll");
    ASSERT_NE((HMODULE)NULL, hExt) << "error " << ::GetLastError();

    PFN_WndExtGetLoadReport pfnReport =
        (PFN_WndExtGetLoadReport)(void*)::GetProcAddress(hExt, WND_EXT_GET_LOAD_REPORT);
    ASSERT_NE((PFN_WndExtGetLoadReport)NULL, pfnReport);
    const WndExtLoadReport* pReport = pfnReport();

    // the hook ran before the static constructors of both units
    EXPECT_TRUE(pReport->bMainUnitSawClearedList);
    EXPECT_TRUE(pReport->bOtherUnitSawClearedList);
    // AfxInitExtensionModule took exactly the library's two classes
    EXPECT_TRUE(pReport->bInitialized);
    EXPECT_EQ(2, pReport->nSharedClasses);
    EXPECT_TRUE(pReport->bSharedClassesAreOwn);

    // the module's own list is whole again and holds none of them
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    EXPECT_TRUE(ClassListContains(pState->m_classList, RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(ClassListContains(pState->m_classList, RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(ClassListContainsName(pState->m_classList, WND_EXT_CLASS_A));

    // its CDynLinkLibrary brings them into the searches
    ASSERT_EQ(nLibraries + 1, LibraryCount());
    CDynLinkLibrary* pDLL = pState->m_libraryList;
    EXPECT_EQ(hExt, pDLL->m_hModule);
    EXPECT_EQ(hExt, pDLL->m_hResource);
    EXPECT_FALSE(pDLL->m_bSystem);
    CRuntimeClass* pClassA = AfxLiteFindRuntimeClass(WND_EXT_CLASS_A);
    ASSERT_NE((CRuntimeClass*)NULL, pClassA);
    EXPECT_TRUE(pClassA->IsDerivedFrom(RUNTIME_CLASS(CObject)));
    EXPECT_NE((CRuntimeClass*)NULL, AfxLiteFindRuntimeClass(WND_EXT_CLASS_B));

    // unloading deletes the library's CDynLinkLibrary and its classes go
    ::FreeLibrary(hExt);
    EXPECT_EQ(nLibraries, LibraryCount());
    EXPECT_EQ((CRuntimeClass*)NULL, AfxLiteFindRuntimeClass(WND_EXT_CLASS_A));
    EXPECT_TRUE(ClassListContains(pState->m_classList, RUNTIME_CLASS(CWnd)));
}

TEST_F(ModuleState, FailedExtensionInitialisationRefusesTheLoadAndLeavesTheListsWhole)
{
    int nLibraries = LibraryCount();
    AfxLiteFailNextExtensionInit(TRUE);
    HMODULE hExt = ::LoadLibraryA("wnd_extdll.dll");
    EXPECT_EQ((HMODULE)NULL, hExt);
    if (hExt != NULL)
        ::FreeLibrary(hExt);

    AFX_MODULE_STATE* pState = AfxGetModuleState();
    EXPECT_EQ(nLibraries, LibraryCount());
    EXPECT_TRUE(ClassListContains(pState->m_classList, RUNTIME_CLASS(CWnd)));
    EXPECT_TRUE(ClassListContains(pState->m_classList, RUNTIME_CLASS(CObject)));
    EXPECT_EQ((CRuntimeClass*)NULL, AfxLiteFindRuntimeClass(WND_EXT_CLASS_A));

    // the seam fails one initialisation only
    hExt = ::LoadLibraryA("wnd_extdll.dll");
    ASSERT_NE((HMODULE)NULL, hExt);
    EXPECT_NE((CRuntimeClass*)NULL, AfxLiteFindRuntimeClass(WND_EXT_CLASS_A));
    ::FreeLibrary(hExt);
}

TEST_F(ModuleState, InitExtensionModuleTwiceAndWithoutTheHook)
{
    AFX_MODULE_STATE* pState = AfxGetModuleState();
    CRuntimeClass* pHeadBefore = pState->m_classList;
    HMODULE hSelf = ::GetModuleHandleA(NULL);

    // called without a raw entry hook: the module's list stays as it is
    AFX_EXTENSION_MODULE record = { FALSE, NULL, NULL, NULL, NULL };
    ASSERT_TRUE(AfxInitExtensionModule(record, hSelf));
    EXPECT_TRUE(record.bInitialized);
    EXPECT_EQ(hSelf, record.hModule);
    EXPECT_EQ(hSelf, record.hResource);
    EXPECT_EQ((CRuntimeClass*)NULL, record.pFirstSharedClass);
    EXPECT_EQ(pHeadBefore, pState->m_classList.GetHead());

    // a second call for the same record does nothing, even with the seam set
    record.hResource = NULL;
    AfxLiteFailNextExtensionInit(TRUE);
    EXPECT_TRUE(AfxInitExtensionModule(record, ::GetModuleHandleA("afxlite.dll")));
    EXPECT_EQ(hSelf, record.hModule);
    EXPECT_EQ((HMODULE)NULL, record.hResource);
    AfxLiteFailNextExtensionInit(FALSE);

    // a record that never initialised is not terminated
    AFX_EXTENSION_MODULE fresh = { FALSE, NULL, NULL, NULL, NULL };
    int nLibraries = LibraryCount();
    AfxTermExtensionModule(fresh);
    EXPECT_EQ(nLibraries, LibraryCount());
}

TEST_F(ModuleState, TermExtensionModuleDeletesOnlyThatModulesLibraries)
{
    int nLibraries = LibraryCount();
    HMODULE hSelf = ::GetModuleHandleA(NULL);
    HMODULE hLayer = ::GetModuleHandleA("afxlite.dll");
    AFX_EXTENSION_MODULE self = { TRUE, hSelf, hSelf, NULL, NULL };
    AFX_EXTENSION_MODULE layer = { TRUE, hLayer, hLayer, NULL, NULL };
    new CDynLinkLibrary(self);
    new CDynLinkLibrary(layer);
    new CDynLinkLibrary(self);
    ASSERT_EQ(nLibraries + 3, LibraryCount());

    AfxTermExtensionModule(self);
    ASSERT_EQ(nLibraries + 1, LibraryCount());
    EXPECT_EQ(hLayer, ((CDynLinkLibrary*)AfxGetModuleState()->m_libraryList)->m_hModule);
    AfxTermExtensionModule(layer);
    EXPECT_EQ(nLibraries, LibraryCount());
}

class ResourceChain : public ModuleState
{
protected:
    void SetUp() override
    {
        m_hExt = ::LoadLibraryA("wnd_extdll.dll");
        m_hRes = ::LoadLibraryA("wnd_resdll.dll");
        ASSERT_NE((HMODULE)NULL, m_hExt);
        ASSERT_NE((HMODULE)NULL, m_hRes);
        m_hSavedResource = AfxGetResourceHandle();
    }
    void TearDown() override
    {
        AfxSetResourceHandle(m_hSavedResource);
        if (m_hRes != NULL)
            ::FreeLibrary(m_hRes);
        if (m_hExt != NULL)
            ::FreeLibrary(m_hExt);
        ModuleState::TearDown();
    }

    HINSTANCE Find(UINT nID)
    {
        return AfxFindResourceHandle(MAKEINTRESOURCE((nID >> 4) + 1), RT_STRING);
    }

    HMODULE m_hExt = NULL;
    HMODULE m_hRes = NULL;
    HINSTANCE m_hSavedResource = NULL;
};

TEST_F(ResourceChain, CurrentHandleFirstThenTheLibrariesOfTheChain)
{
    HINSTANCE hExe = ::GetModuleHandleA(NULL);
    // the executable has none of these: the extension library's chain entry has
    EXPECT_EQ(m_hExt, Find(IDS_WNDTEST_SHARED));
    EXPECT_EQ(m_hExt, Find(IDS_WNDTEST_EXTONLY));
    // nobody in the chain has it: the current handle
    EXPECT_EQ(hExe, Find(IDS_WNDTEST_RESONLY));
    EXPECT_EQ(hExe, AfxFindResourceHandle(MAKEINTRESOURCE(4000), RT_BITMAP));

    // the current handle is asked first
    AfxSetResourceHandle(m_hRes);
    EXPECT_EQ(m_hRes, Find(IDS_WNDTEST_SHARED));
    EXPECT_EQ(m_hRes, Find(IDS_WNDTEST_RESONLY));
    EXPECT_EQ(m_hExt, Find(IDS_WNDTEST_EXTONLY));
    AfxSetResourceHandle(hExe);

    // CString::LoadString and dialogs find their resources through the chain
    CString str;
    EXPECT_TRUE(str.LoadString(IDS_WNDTEST_EXTONLY));
    EXPECT_STREQ("only in the extension library", str);
    EXPECT_EQ(m_hExt, AfxFindResourceHandle(MAKEINTRESOURCE(IDD_WNDTEST_EXTDIALOG), RT_DIALOG));
}

TEST_F(ResourceChain, NewerLibrariesFirstAndSystemLibrariesLast)
{
    // a newer library of the chain is asked before the older one...
    CDynLinkLibrary* pNewer = new CDynLinkLibrary(m_hRes, m_hRes);
    EXPECT_EQ(m_hRes, Find(IDS_WNDTEST_SHARED));
    EXPECT_EQ(m_hRes, Find(IDS_WNDTEST_RESONLY));
    EXPECT_EQ(LoadFrom(m_hRes, IDS_WNDTEST_SHARED), CString("shared from the resource library"));

    // ...unless it is a system library: those come after all the others
    pNewer->m_bSystem = TRUE;
    EXPECT_EQ(m_hExt, Find(IDS_WNDTEST_SHARED));
    EXPECT_EQ(m_hRes, Find(IDS_WNDTEST_RESONLY));

    // a library without a resource handle is skipped
    pNewer->m_hResource = NULL;
    EXPECT_EQ(::GetModuleHandleA(NULL), Find(IDS_WNDTEST_RESONLY));
    delete pNewer;
    EXPECT_EQ(::GetModuleHandleA(NULL), Find(IDS_WNDTEST_RESONLY));
}

class CExtResourceDialog : public CDialog
{
public:
    virtual BOOL OnInitDialog()
    {
        Calls().Add("OnInitDialog");
        return CDialog::OnInitDialog();
    }
};

TEST_F(ResourceChain, ModelessDialogFromAResourceOfTheChain)
{
    Calls().Clear();
    CExtResourceDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_WNDTEST_EXTDIALOG, NULL));
    EXPECT_NE((CWnd*)NULL, dialog.GetDlgItem(IDC_WNDTEST_EXTBUTTON));
    static const char* const expected[] = { "OnInitDialog", NULL };
    EXPECT_CALLS(expected, "dialog from the extension library");
    dialog.DestroyWindow();

    CExtResourceDialog missing;
    EXPECT_FALSE(missing.Create(65001, NULL));
    EXPECT_EQ((HWND)NULL, missing.m_hWnd);
}

} // namespace
