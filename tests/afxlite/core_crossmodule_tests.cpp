// Framework exceptions thrown inside afxlite.dll and caught in this program:
// at 32 bits an exception crosses from one module into another only when
// every module shares one libgcc (cmake/TargetRuntime.cmake); without it the
// process terminates at the throw.

#include <afxwin.h>

#include <gtest/gtest.h>

namespace {

typedef void (AFXAPI* Thrower)();

struct ThrowRow
{
    const char* name;
    Thrower pfnThrow;
    CRuntimeClass* pClass;
};

HMODULE ModuleOf(const void* address)
{
    HMODULE hModule = NULL;
    ::GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                             GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                         static_cast<LPCSTR>(address), &hModule);
    return hModule;
}

TEST(ExceptionsAcrossModules, EveryThrowOfTheLayerIsCaughtInTheProgram)
{
    const ThrowRow rows[] = {
        { "AfxThrowMemoryException", AfxThrowMemoryException, RUNTIME_CLASS(CMemoryException) },
        { "AfxThrowResourceException", AfxThrowResourceException, RUNTIME_CLASS(CResourceException) },
        { "AfxThrowNotSupportedException", AfxThrowNotSupportedException,
          RUNTIME_CLASS(CNotSupportedException) },
        { "AfxThrowUserException", AfxThrowUserException, RUNTIME_CLASS(CUserException) },
    };
    const HMODULE hLayer = ::GetModuleHandleA("afxlite.dll");
    ASSERT_NE((HMODULE)NULL, hLayer);
    for (const ThrowRow& row : rows)
    {
        // The throw itself happens in the layer's module, not in this one.
        EXPECT_EQ(hLayer, ModuleOf(reinterpret_cast<const void*>(row.pfnThrow))) << row.name;
        CRuntimeClass* pCaught = NULL;
        try
        {
            row.pfnThrow();
        }
        catch (CException* e)
        {
            pCaught = e->GetRuntimeClass();
            e->Delete();
        }
        EXPECT_EQ(row.pClass, pCaught) << row.name;
    }
}

} // namespace
