// Counts of this process's GDI and USER objects under Wine (see
// GuiObjectCounter.h). Plain Win32.

#include "GuiObjectCounter.h"

#include <windows.h>
#include <winternl.h>

#include <stdio.h>

namespace testsupport {

namespace {

// One entry of Wine's per-process GDI handle table.
struct GdiEntry
{
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 user;
};
static_assert(sizeof(GdiEntry) == 24, "Wine's GDI handle entry is 24 bytes");

const int kGdiEntries = 0x10000;
const unsigned kFirstUserHandle = 0x20;
const unsigned kLastUserHandle = 0xffef;

typedef BOOL(WINAPI* GetIconSizeProc)(HICON, UINT, LONG*, LONG*);

struct Tables
{
    const GdiEntry* gdi = nullptr;
    GetIconSizeProc iconSize = nullptr;
    std::string detail;
};

typedef LONG(WINAPI* QueryProcessProc)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);

const GdiEntry* GdiTable()
{
    // The PEB's address from ntdll (no TEB intrinsics); GdiSharedHandleTable
    // lies at 0xf8 in the 64-bit PEB, 0x94 in the 32-bit one.
    QueryProcessProc query = reinterpret_cast<QueryProcessProc>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION info = {};
    if (query == nullptr ||
        query(::GetCurrentProcess(), ProcessBasicInformation, &info, sizeof(info), nullptr) != 0 ||
        info.PebBaseAddress == nullptr)
        return nullptr;
    const char* peb = reinterpret_cast<const char*>(info.PebBaseAddress);
    return *reinterpret_cast<const GdiEntry* const*>(peb + (sizeof(void*) == 8 ? 0xf8 : 0x94));
}

Tables Probe()
{
    Tables tables;
    const GdiEntry* table = GdiTable();
    HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    ULONG_PTR handle = reinterpret_cast<ULONG_PTR>(brush);
    if (table == nullptr)
        tables.detail = "the PEB holds no GDI handle table";
    else
    {
        const GdiEntry& entry = table[handle & 0xffff];
        if (entry.type != ((handle >> 16) & 0x1f) || entry.unique != ((handle >> 16) & 0xffff))
        {
            char text[160];
            snprintf(text, sizeof(text), "GDI table entry of brush %p reads type %u generation %u",
                     static_cast<void*>(brush), entry.type, entry.unique);
            tables.detail = text;
        }
        else
            tables.gdi = table;
    }
    ::DeleteObject(brush);
    if (HMODULE win32u = ::GetModuleHandleW(L"win32u.dll"))
        tables.iconSize = reinterpret_cast<GetIconSizeProc>(
            reinterpret_cast<void*>(::GetProcAddress(win32u, "NtUserGetIconSize")));
    if (tables.iconSize == nullptr && tables.detail.empty())
        tables.detail = "win32u.dll exports no NtUserGetIconSize";
    return tables;
}

const Tables& TheTables()
{
    static const Tables tables = Probe();
    return tables;
}

// Wine keeps every cached window DC it ever made (one DC, one region and one
// bitmap each) and makes one more whenever all are held at once, so the
// cache grows, once, the first time a paint meets a drag's DC. Holding
// kCachedDcs at once before each count gives it that room beforehand.
const int kCachedDcs = 16;

void GrowWindowDcCache()
{
    HDC held[kCachedDcs];
    for (HDC& hdc : held)
        hdc = ::GetDCEx(NULL, NULL, DCX_CACHE);
    for (HDC hdc : held)
        ::ReleaseDC(NULL, hdc);
}

} // namespace

bool GuiObjectCount::operator==(const GuiObjectCount& other) const
{
    return gdi == other.gdi && windows == other.windows && menus == other.menus &&
           icons == other.icons && accelerators == other.accelerators;
}

std::ostream& operator<<(std::ostream& out, const GuiObjectCount& count)
{
    out << "{gdi " << count.gdi << " (";
    for (int type = 0; type < 32; ++type)
        if (count.gdiByType[type] != 0)
            out << "type " << type << ": " << count.gdiByType[type] << ", ";
    return out << "), user " << count.User() << ": windows "
               << count.windows << ", menus " << count.menus << ", icons " << count.icons
               << ", accelerators " << count.accelerators << "}";
}

bool GuiObjectCounter::Available()
{
    return TheTables().detail.empty();
}

std::string GuiObjectCounter::AvailabilityDetail()
{
    return TheTables().detail.empty() ? std::string()
                                      : "no GDI/USER object count: " + TheTables().detail;
}

GuiObjectCount GuiObjectCounter::Count()
{
    GuiObjectCount count;
    if (!Available())
        return count;
    const Tables& tables = TheTables();
    GrowWindowDcCache();
    for (int i = 0; i < kGdiEntries; ++i)
        if (tables.gdi[i].type != 0)
        {
            ++count.gdi;
            ++count.gdiByType[tables.gdi[i].type & 0x1f];
        }
    const DWORD self = ::GetCurrentProcessId();
    for (unsigned value = kFirstUserHandle; value <= kLastUserHandle; value += 2)
    {
        HANDLE handle = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(value));
        LONG width = 0, height = 0;
        DWORD owner = 0;
        if (::IsMenu(static_cast<HMENU>(handle)))
            ++count.menus;
        else if (::CopyAcceleratorTableW(static_cast<HACCEL>(handle), nullptr, 0) > 0)
            ++count.accelerators;
        else if (tables.iconSize(static_cast<HICON>(handle), 0, &width, &height))
            ++count.icons;
        else if (::IsWindow(static_cast<HWND>(handle)) &&
                 ::GetWindowThreadProcessId(static_cast<HWND>(handle), &owner) && owner == self)
            ++count.windows;
    }
    return count;
}

} // namespace testsupport
