// FreedObjectGuard.cpp - guarded pages for deleted objects.
#include "FreedObjectGuard.h"

#include <cstdio>
#include <map>
#include <new>

namespace reentrytest {
namespace {

struct Block
{
    size_t size;        // whole pages
    bool freed;
};

std::map<char*, Block> g_blocks;
PVOID g_handler = NULL;
int g_faults = 0;
std::string g_first;

// The block that holds address, or end.
std::map<char*, Block>::iterator FindBlock(char* address)
{
    std::map<char*, Block>::iterator it = g_blocks.upper_bound(address);
    if (it == g_blocks.begin())
        return g_blocks.end();
    --it;
    return address < it->first + it->second.size ? it : g_blocks.end();
}

LONG CALLBACK OnException(EXCEPTION_POINTERS* info)
{
    const EXCEPTION_RECORD* record = info->ExceptionRecord;
    if (record->ExceptionCode != EXCEPTION_ACCESS_VIOLATION || record->NumberParameters < 2)
        return EXCEPTION_CONTINUE_SEARCH;
    char* address = reinterpret_cast<char*>(record->ExceptionInformation[1]);
    std::map<char*, Block>::iterator it = FindBlock(address);
    if (it == g_blocks.end() || !it->second.freed)
        return EXCEPTION_CONTINUE_SEARCH;
    if (g_faults++ == 0)
    {
        char text[160];
        std::snprintf(text, sizeof(text), "%s at offset %d of a deleted object, from code at %p",
                      record->ExceptionInformation[0] == 1 ? "write" : "read",
                      (int)(address - it->first), record->ExceptionAddress);
        g_first = text;
    }
    DWORD old;
    ::VirtualProtect(it->first, it->second.size, PAGE_READWRITE, &old);
    return EXCEPTION_CONTINUE_EXECUTION;
}

} // namespace

void FreedObjectGuard::Install()
{
    g_faults = 0;
    g_first.clear();
    if (g_handler == NULL)
        g_handler = ::AddVectoredExceptionHandler(1, &OnException);
}

void FreedObjectGuard::Uninstall()
{
    if (g_handler != NULL)
        ::RemoveVectoredExceptionHandler(g_handler);
    g_handler = NULL;
    for (std::map<char*, Block>::iterator it = g_blocks.begin(); it != g_blocks.end(); ++it)
        ::VirtualFree(it->first, 0, MEM_RELEASE);
    g_blocks.clear();
}

void* FreedObjectGuard::Allocate(size_t size)
{
    SYSTEM_INFO si;
    ::GetSystemInfo(&si);
    const size_t pages = (size + si.dwPageSize - 1) / si.dwPageSize * si.dwPageSize;
    char* p = static_cast<char*>(::VirtualAlloc(NULL, pages, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
    if (p == NULL)
        throw std::bad_alloc();
    Block block = { pages, false };
    g_blocks[p] = block;
    return p;
}

void FreedObjectGuard::Free(void* p)
{
    std::map<char*, Block>::iterator it = g_blocks.find(static_cast<char*>(p));
    if (it == g_blocks.end())
        return;
    it->second.freed = true;
    DWORD old;
    ::VirtualProtect(it->first, it->second.size, PAGE_NOACCESS, &old);
}

int FreedObjectGuard::Faults()
{
    return g_faults;
}

std::string FreedObjectGuard::FirstFault()
{
    return g_first;
}

} // namespace reentrytest
