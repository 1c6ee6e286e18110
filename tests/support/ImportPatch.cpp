// Import address table patching (see ImportPatch.h).

#include "ImportPatch.h"

namespace testsupport {

namespace {

void WriteEntry(FARPROC* pEntry, FARPROC value)
{
    DWORD oldProtect = 0;
    ::VirtualProtect(pEntry, sizeof(*pEntry), PAGE_READWRITE, &oldProtect);
    *pEntry = value;
    ::VirtualProtect(pEntry, sizeof(*pEntry), oldProtect, &oldProtect);
}

FARPROC* FindEntry(HMODULE hModule, const char* dllName, const char* functionName)
{
    if (hModule == NULL)
        return NULL;
    BYTE* base = reinterpret_cast<BYTE*>(hModule);
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0)
        return NULL;
    const IMAGE_IMPORT_DESCRIPTOR* desc =
        reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
    for (; desc->Name != 0; ++desc)
    {
        if (lstrcmpiA(reinterpret_cast<const char*>(base + desc->Name), dllName) != 0)
            continue;
        if (desc->OriginalFirstThunk == 0)
            continue;
        const IMAGE_THUNK_DATA* names =
            reinterpret_cast<const IMAGE_THUNK_DATA*>(base + desc->OriginalFirstThunk);
        IMAGE_THUNK_DATA* entries = reinterpret_cast<IMAGE_THUNK_DATA*>(base + desc->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++entries)
        {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
                continue;
            const IMAGE_IMPORT_BY_NAME* byName =
                reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), functionName) == 0)
                return reinterpret_cast<FARPROC*>(&entries->u1.Function);
        }
    }
    return NULL;
}

} // namespace

ImportPatch::ImportPatch(HMODULE hModule, const char* dllName, const char* functionName,
                         const void* replacement)
    : m_pEntry(FindEntry(hModule, dllName, functionName)), m_original(NULL)
{
    if (m_pEntry != NULL)
    {
        m_original = *m_pEntry;
        WriteEntry(m_pEntry, reinterpret_cast<FARPROC>(const_cast<void*>(replacement)));
    }
}

ImportPatch::~ImportPatch()
{
    if (m_pEntry != NULL)
        WriteEntry(m_pEntry, m_original);
}

} // namespace testsupport
