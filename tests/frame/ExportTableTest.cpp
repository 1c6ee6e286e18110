// The export table of Tessarine.dll, read from its mapped PE image: plain
// functions and the two run-time class records at their fixed ordinals once
// their folder is built, everything else numbered from 100, no virtual
// tables, no internal members.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <cxxabi.h>

#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string>
#include <vector>

#include "FrameTestUtil.h"

namespace {

struct ExportEntry
{
    WORD ordinal;
    DWORD rva;
    std::string name;   // empty for exports by ordinal only
};

struct ExportTable
{
    std::string dllName;
    std::vector<ExportEntry> entries;

    const ExportEntry* ByOrdinal(WORD ordinal) const
    {
        for (size_t i = 0; i < entries.size(); ++i)
            if (entries[i].ordinal == ordinal)
                return &entries[i];
        return NULL;
    }
    const ExportEntry* ByName(const char* name) const
    {
        for (size_t i = 0; i < entries.size(); ++i)
            if (entries[i].name == name)
                return &entries[i];
        return NULL;
    }
};

// Parses IMAGE_EXPORT_DIRECTORY of a mapped module. Unused slots of the
// address table (RVA 0) are left out.
::testing::AssertionResult ReadExportTable(HMODULE hModule, ExportTable* pTable)
{
    if (hModule == NULL)
        return ::testing::AssertionFailure() << "module not loaded";
    const BYTE* base = reinterpret_cast<const BYTE*>(hModule);
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    if (dos->e_magic != IMAGE_DOS_SIGNATURE)
        return ::testing::AssertionFailure() << "no MZ header";
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    if (nt->Signature != IMAGE_NT_SIGNATURE)
        return ::testing::AssertionFailure() << "no PE header";
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (dir.VirtualAddress == 0 || dir.Size == 0)
        return ::testing::AssertionFailure() << "no export directory";
    const IMAGE_EXPORT_DIRECTORY* exp =
        reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
    const DWORD* functions = reinterpret_cast<const DWORD*>(base + exp->AddressOfFunctions);
    const DWORD* names = reinterpret_cast<const DWORD*>(base + exp->AddressOfNames);
    const WORD* nameOrdinals = reinterpret_cast<const WORD*>(base + exp->AddressOfNameOrdinals);

    pTable->dllName = reinterpret_cast<const char*>(base + exp->Name);
    pTable->entries.clear();
    std::vector<int> slotToEntry(exp->NumberOfFunctions, -1);
    for (DWORD i = 0; i < exp->NumberOfFunctions; ++i)
    {
        if (functions[i] == 0)
            continue;
        ExportEntry e;
        e.ordinal = static_cast<WORD>(exp->Base + i);
        e.rva = functions[i];
        slotToEntry[i] = static_cast<int>(pTable->entries.size());
        pTable->entries.push_back(e);
    }
    for (DWORD j = 0; j < exp->NumberOfNames; ++j)
    {
        WORD slot = nameOrdinals[j];
        if (slot >= exp->NumberOfFunctions || slotToEntry[slot] < 0)
            return ::testing::AssertionFailure() << "name " << j << " points at an empty slot";
        pTable->entries[slotToEntry[slot]].name = reinterpret_cast<const char*>(base + names[j]);
    }
    return ::testing::AssertionSuccess();
}

// The product folders this tree builds (from CMake), comma-separated.
bool FolderIsBuilt(const char* folder)
{
    const std::string built = std::string(",") + TESSARINE_BUILT_FOLDERS + ",";
    return built.find(std::string(",") + folder + ",") != std::string::npos;
}

// The fixed part of the table. A row names either a plain function (by its
// undecorated name) or a class whose run-time class record is exported by
// ordinal only, and the product folder that defines it.
struct FixedExport
{
    WORD ordinal;
    const char* function;
    const char* recordClass;
    const char* folder;
};

const FixedExport kFixedExports[] = {
    {   2, "Load3DColorImageList",    NULL,           "drawutil" },
    {   3, "cbGroupBox",              NULL,           "drawutil" },
    {   4, "PlayWave",                NULL,           "drawutil" },
    {   5, "CreateDragImageEx",       NULL,           "drawutil" },
    {   6, "SetDialogControlFont",    NULL,           "drawutil" },
    {   7, "AddQuotes",               NULL,           "filedlg" },
    {   8, "CheckFileExistence",      NULL,           "filedlg" },
    {   9, "CheckLocalFileExistence", NULL,           "filedlg" },
    { 197, NULL,                      "CSubclassWnd", "subclass" },
    { 200, NULL,                      "CHotButton",   "buttons" },
};

void PrintTo(const FixedExport& row, std::ostream* os)
{
    *os << "ordinal " << row.ordinal << " (" << (row.function ? row.function : row.recordClass)
        << ", " << row.folder << "/)";
}

bool IsFixedOrdinal(WORD ordinal)
{
    for (size_t i = 0; i < sizeof(kFixedExports) / sizeof(kFixedExports[0]); ++i)
        if (kFixedExports[i].ordinal == ordinal)
            return true;
    return false;
}

// True when some decorated export belongs to class pszClass (its members
// and type info carry the length-prefixed class name).
bool ClassHasExports(const ExportTable& table, const char* pszClass)
{
    std::string tag = std::to_string(strlen(pszClass)) + pszClass;
    for (size_t i = 0; i < table.entries.size(); ++i)
    {
        const std::string& n = table.entries[i].name;
        if (n.compare(0, 2, "_Z") == 0 && n.find(tag) != std::string::npos)
            return true;
    }
    return false;
}

class ExportTableTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ReadExportTable(frametest::TessarineModule(), &m_table));
    }
    ExportTable m_table;
};

TEST_F(ExportTableTest, NamesTheLibraryAndHoldsTheTestEntryPoints)
{
    EXPECT_STREQ("Tessarine.dll", m_table.dllName.c_str());
    // Every build has at least the frame's own entry points.
    const ExportEntry* instance = m_table.ByName("TessarineTestLibraryInstance");
    const ExportEntry* loader = m_table.ByName("TessarineTestLoadLibraryString");
    ASSERT_NE(nullptr, instance);
    ASSERT_NE(nullptr, loader);
    EXPECT_GE(instance->ordinal, 100);
    EXPECT_GE(loader->ordinal, 100);
}

// Members and functions that stay inside the library, by the folder that
// defines them: a demangled export beginning with one of these is a fault.
struct InternalName
{
    const char* folder;
    const char* prefix;
};

const InternalName kInternalNames[] = {
    { "frame",    "GetLibraryInstance(" },
    { "frame",    "LoadLibraryString(" },
    { "bitset",   "BitField::FreeStorage(" },
    { "bitset",   "BitField::CopyFrom(" },
    { "bitset",   "BitField::SetByteSize(" },
    { "subclass", "CSubclassWndMap::" },
};

std::string Demangled(const std::string& name)
{
    int status = 0;
    char* text = abi::__cxa_demangle(name.c_str(), NULL, NULL, &status);
    std::string result = status == 0 && text != NULL ? text : name;
    std::free(text);
    return result;
}

TEST_F(ExportTableTest, NoInternalMemberIsExported)
{
    for (size_t i = 0; i < m_table.entries.size(); ++i)
    {
        const std::string plain = Demangled(m_table.entries[i].name);
        for (const InternalName& internal : kInternalNames)
            EXPECT_NE(0, plain.compare(0, strlen(internal.prefix), internal.prefix))
                << "ordinal " << m_table.entries[i].ordinal << " exports " << plain;
    }
}

TEST_F(ExportTableTest, EveryOtherExportIsNamedAndNumberedFrom100)
{
    for (size_t i = 0; i < m_table.entries.size(); ++i)
    {
        const ExportEntry& e = m_table.entries[i];
        if (IsFixedOrdinal(e.ordinal))
            continue;   // checked row by row below
        EXPECT_GE(e.ordinal, 100) << "export " << e.name << " below the numbered range";
        EXPECT_FALSE(e.name.empty()) << "ordinal " << e.ordinal << " is exported without a name";
    }
}

TEST_F(ExportTableTest, NoVirtualTableIsExported)
{
    for (size_t i = 0; i < m_table.entries.size(); ++i)
    {
        const std::string& n = m_table.entries[i].name;
        EXPECT_NE(0, n.compare(0, 4, "_ZTV")) << n;
        EXPECT_NE(0, n.compare(0, 5, "__ZTV")) << n;
    }
}

class FixedOrdinalTest : public ExportTableTest,
                         public ::testing::WithParamInterface<FixedExport>
{
};

TEST_P(FixedOrdinalTest, HoldsItsExportOnceItsFolderIsBuilt)
{
    const FixedExport& row = GetParam();
    HMODULE hLib = frametest::TessarineModule();
    const ExportEntry* atOrdinal = m_table.ByOrdinal(row.ordinal);

    if (!FolderIsBuilt(row.folder))
    {
        // Nothing else may take the ordinal meanwhile.
        EXPECT_EQ(nullptr, atOrdinal) << "ordinal " << row.ordinal << " is taken by "
                                      << (atOrdinal ? atOrdinal->name : std::string());
        if (row.recordClass != NULL)
        {
            EXPECT_FALSE(ClassHasExports(m_table, row.recordClass))
                << row.recordClass << " exports members but " << row.folder << "/ is not built";
        }
        return;
    }
    if (row.function != NULL)
    {
        const ExportEntry* byName = m_table.ByName(row.function);
        ASSERT_NE(nullptr, byName) << row.function << " is not exported though " << row.folder
                                   << "/ is built";
        EXPECT_EQ(row.ordinal, byName->ordinal) << row.function;
        EXPECT_EQ(reinterpret_cast<FARPROC>(GetProcAddress(hLib, row.function)),
                  reinterpret_cast<FARPROC>(GetProcAddress(hLib, MAKEINTRESOURCEA(row.ordinal))));
        return;
    }

    // A run-time class record, exported by ordinal only.
    ASSERT_NE(nullptr, atOrdinal) << "the record of " << row.recordClass << " is not exported at "
                                  << row.ordinal << " though " << row.folder << "/ is built";
    EXPECT_TRUE(atOrdinal->name.empty()) << "ordinal " << row.ordinal << " has the name "
                                         << atOrdinal->name;
    const std::string recordName = std::string("class") + row.recordClass;
    for (size_t i = 0; i < m_table.entries.size(); ++i)
        EXPECT_EQ(std::string::npos, m_table.entries[i].name.find(recordName))
            << "the record is also exported by name as " << m_table.entries[i].name;
    const CRuntimeClass* pClass =
        reinterpret_cast<const CRuntimeClass*>(GetProcAddress(hLib, MAKEINTRESOURCEA(row.ordinal)));
    ASSERT_NE(nullptr, pClass);
    ASSERT_NE(nullptr, pClass->m_lpszClassName);
    EXPECT_STREQ(row.recordClass, pClass->m_lpszClassName);
}

INSTANTIATE_TEST_SUITE_P(Tessarine, FixedOrdinalTest, ::testing::ValuesIn(kFixedExports),
                         [](const ::testing::TestParamInfo<FixedExport>& info) {
                             return std::string(info.param.function ? info.param.function
                                                                    : info.param.recordClass) +
                                    "_" + std::to_string(info.param.ordinal);
                         });

} // namespace
