// ImportPatch.h - replaces one imported function of one module for a test.
//
//   ImportPatch beep(TessarineModule(), "user32.dll", "MessageBeep", &CountingBeep);
//   ASSERT_TRUE(beep.Active());
//   ... the module's calls of MessageBeep now reach CountingBeep ...
//   beep.Original()   // the real function, for a replacement that passes on
//
// The entry of the module's import address table is rewritten, so only the
// calls that module makes through its imports are redirected; the real
// function stays in place for everyone else. The entry is put back when the
// object goes.

#ifndef TESTSUPPORT_IMPORTPATCH_H
#define TESTSUPPORT_IMPORTPATCH_H

#include <windows.h>

namespace testsupport {

class ImportPatch
{
public:
    // dllName is compared without regard to case; the function is found by
    // its imported name.
    ImportPatch(HMODULE hModule, const char* dllName, const char* functionName,
                const void* replacement);
    ~ImportPatch();

    // True when the module imports the function and its entry was replaced.
    bool Active() const { return m_pEntry != NULL; }
    // The function the entry held before.
    void* Original() const { return reinterpret_cast<void*>(m_original); }

private:
    ImportPatch(const ImportPatch&);
    ImportPatch& operator=(const ImportPatch&);

    FARPROC* m_pEntry;
    FARPROC m_original;
};

} // namespace testsupport

#endif // TESTSUPPORT_IMPORTPATCH_H
