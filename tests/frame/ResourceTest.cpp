// The library's own resources and how they are reached: the exact strings
// and bitmaps, the resource-handle bracket, and the host's resource chain
// that never sees them.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "FrameTestSeam.h"
#include "FrameTestUtil.h"
#include "TessarineRes.h"
#include "Wow64Limits.h"

namespace {

const WORD kEnglishUS = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
const char kHostString41012[] = "Host string 41012";
const COLORREF kArrowColour = RGB(128, 128, 128);
const COLORREF kArrowBackground = RGB(192, 192, 192);

// The program's own module is the host's resource module, as in an
// application the framework set up.
class ResourceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_hLib = frametest::TessarineModule();
        ASSERT_NE(nullptr, m_hLib);
        AfxSetResourceHandle(GetModuleHandle(NULL));
    }
    HMODULE m_hLib;
};

TEST_F(ResourceTest, LibraryInstanceIsTheLoadedModule)
{
    EXPECT_EQ(static_cast<HINSTANCE>(m_hLib), TessarineTestLibraryInstance());
}

struct StringRow
{
    UINT id;
    const char* text;
};

const StringRow kLibraryStrings[] = {
    { IDS_COLLAPSE_UP,    "Collapse Up" },
    { IDS_COLLAPSE_DOWN,  "Collapse Down" },
    { IDS_COLLAPSE_LEFT,  "Collapse Left" },
    { IDS_COLLAPSE_RIGHT, "Collapse Right" },
    { IDS_RESTORE,        "Restore" },
    { IDS_MORE_ITEMS,     "More ..." },
    { IDS_NO_DATA,        "No data or constant variable" },
};

void PrintTo(const StringRow& row, std::ostream* os)
{
    *os << "string " << row.id;
}

class LibraryStringTest : public ResourceTest, public ::testing::WithParamInterface<StringRow>
{
};

TEST_P(LibraryStringTest, BracketedLoadGivesTheExactEnglishText)
{
    const StringRow& row = GetParam();
    EXPECT_NE(nullptr, FindResourceExA(m_hLib, MAKEINTRESOURCEA(6) /* RT_STRING */,
                                       MAKEINTRESOURCEA(row.id / 16 + 1), kEnglishUS))
        << "string block of " << row.id << " is not U.S. English";
    CString text("stale");
    EXPECT_TRUE(TessarineTestLoadLibraryString(&text, row.id));
    EXPECT_STREQ(row.text, static_cast<LPCTSTR>(text));
    EXPECT_EQ(GetModuleHandle(NULL), AfxGetResourceHandle());
}

INSTANTIATE_TEST_SUITE_P(Tessarine, LibraryStringTest, ::testing::ValuesIn(kLibraryStrings),
                         [](const ::testing::TestParamInfo<StringRow>& info) {
                             return "String" + std::to_string(info.param.id);
                         });

// The bracket puts back whatever handle it found, for strings that exist in
// the library only, in both modules, or nowhere.
struct BracketRow
{
    UINT id;
    BOOL found;
    const char* text;
};

const BracketRow kBracketRows[] = {
    { IDS_COLLAPSE_UP, TRUE,  "Collapse Up" },                  // library only
    { IDS_NO_DATA,     TRUE,  "No data or constant variable" }, // library and host
    { 41013,           FALSE, "" },                             // same block, absent
    { 41024,           FALSE, "" },                             // no such block
    { 1,               FALSE, "" },
};

void PrintTo(const BracketRow& row, std::ostream* os)
{
    *os << "string " << row.id;
}

class BracketTest : public ResourceTest, public ::testing::WithParamInterface<BracketRow>
{
};

TEST_P(BracketTest, RestoresTheCurrentResourceHandle)
{
    const BracketRow& row = GetParam();
    // Whatever the current handle is, it comes back unchanged.
    const HINSTANCE handles[] = { GetModuleHandle(NULL), GetModuleHandleA("afxlite.dll") };
    for (size_t i = 0; i < sizeof(handles) / sizeof(handles[0]); ++i)
    {
        ASSERT_NE(nullptr, handles[i]);
        AfxSetResourceHandle(handles[i]);
        CString text("stale");
        EXPECT_EQ(row.found, TessarineTestLoadLibraryString(&text, row.id)) << row.id;
        EXPECT_STREQ(row.text, static_cast<LPCTSTR>(text)) << row.id;
        EXPECT_EQ(handles[i], AfxGetResourceHandle()) << "string " << row.id << ", handle " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Tessarine, BracketTest, ::testing::ValuesIn(kBracketRows),
                         [](const ::testing::TestParamInfo<BracketRow>& info) {
                             return "String" + std::to_string(info.param.id);
                         });

TEST_F(ResourceTest, HostChainFindsNoLibraryStringButAHostOneOfTheSameNumber)
{
    CString text("stale");
    EXPECT_FALSE(text.LoadString(IDS_COLLAPSE_UP));
    EXPECT_STREQ("", static_cast<LPCTSTR>(text));

    EXPECT_TRUE(text.LoadString(IDS_NO_DATA));
    EXPECT_STREQ(kHostString41012, static_cast<LPCTSTR>(text));

    // The framework's chain search does not reach the library either.
    EXPECT_NE(static_cast<HINSTANCE>(m_hLib),
              AfxFindResourceHandle(MAKEINTRESOURCE(IDS_COLLAPSE_UP / 16 + 1), RT_STRING));

    // Only the bracket reaches the library's text of the shared number, and
    // the host's text is there again afterwards.
    EXPECT_TRUE(TessarineTestLoadLibraryString(&text, IDS_NO_DATA));
    EXPECT_STREQ("No data or constant variable", static_cast<LPCTSTR>(text));
    EXPECT_TRUE(text.LoadString(IDS_NO_DATA));
    EXPECT_STREQ(kHostString41012, static_cast<LPCTSTR>(text));
}

SIZE BitmapSize(HBITMAP hBitmap)
{
    BITMAP bm;
    SIZE size = { 0, 0 };
    if (GetObject(hBitmap, sizeof(bm), &bm) == sizeof(bm))
    {
        size.cx = bm.bmWidth;
        size.cy = bm.bmHeight;
    }
    return size;
}

TEST_F(ResourceTest, HostChainFindsNoLibraryBitmapButAHostOneOfTheSameNumber)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    // The host's 1132 is 16 x 12; the library's 1133 is not reachable at all.
    CBitmap hostArrow;
    ASSERT_TRUE(hostArrow.LoadBitmap(IDB_ARROW_UP));
    SIZE size = BitmapSize(static_cast<HBITMAP>(hostArrow.GetSafeHandle()));
    EXPECT_EQ(16, size.cx);
    EXPECT_EQ(12, size.cy);

    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(IDB_ARROW_DOWN));
    EXPECT_EQ(nullptr, LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(IDB_ARROW_DOWN),
                                 IMAGE_BITMAP, 0, 0, 0));

    // Given the library's handle, the loader finds the library's 8 x 8 one.
    HBITMAP hLibArrow = static_cast<HBITMAP>(
        LoadImage(m_hLib, MAKEINTRESOURCE(IDB_ARROW_UP), IMAGE_BITMAP, 0, 0, 0));
    ASSERT_NE(nullptr, hLibArrow);
    size = BitmapSize(hLibArrow);
    EXPECT_EQ(8, size.cx);
    EXPECT_EQ(8, size.cy);
    DeleteObject(hLibArrow);
}

// The header of a bitmap resource as stored in the module, U.S. English.
::testing::AssertionResult ReadBitmapHeader(HMODULE hModule, UINT id, BITMAPINFOHEADER* pHeader)
{
    HRSRC hRes = FindResourceExA(hModule, MAKEINTRESOURCEA(2) /* RT_BITMAP */,
                                 MAKEINTRESOURCEA(id), kEnglishUS);
    if (hRes == NULL)
        return ::testing::AssertionFailure() << "no U.S. English bitmap " << id;
    HGLOBAL hData = LoadResource(hModule, hRes);
    const void* p = hData != NULL ? LockResource(hData) : NULL;
    if (p == NULL || SizeofResource(hModule, hRes) < sizeof(BITMAPINFOHEADER))
        return ::testing::AssertionFailure() << "bitmap " << id << " cannot be read";
    memcpy(pHeader, p, sizeof(*pHeader));
    return ::testing::AssertionSuccess();
}

// Reads bitmap id of the library into rows of COLORREF, top row first.
std::vector<std::vector<COLORREF>> ReadLibraryBitmap(HMODULE hModule, UINT id)
{
    std::vector<std::vector<COLORREF>> pixels;
    HBITMAP hBitmap = static_cast<HBITMAP>(
        LoadImage(hModule, MAKEINTRESOURCE(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (hBitmap == NULL)
        return pixels;
    SIZE size = BitmapSize(hBitmap);
    HDC hdc = CreateCompatibleDC(NULL);
    HGDIOBJ hOld = SelectObject(hdc, hBitmap);
    for (int y = 0; y < size.cy; ++y)
    {
        std::vector<COLORREF> row;
        for (int x = 0; x < size.cx; ++x)
            row.push_back(GetPixel(hdc, x, y));
        pixels.push_back(row);
    }
    SelectObject(hdc, hOld);
    DeleteDC(hdc);
    DeleteObject(hBitmap);
    return pixels;
}

enum Direction { Up, Down, Left, Right };

typedef std::vector<std::vector<bool>> Shape;

// Turns a shape pointing `direction` into the same shape pointing up.
Shape TurnUp(const Shape& s, Direction direction)
{
    const int n = static_cast<int>(s.size());
    Shape up(n, std::vector<bool>(n, false));
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
        {
            switch (direction)
            {
            case Up:    up[y][x] = s[y][x]; break;
            case Down:  up[y][x] = s[n - 1 - y][x]; break;
            case Left:  up[y][x] = s[x][y]; break;
            case Right: up[y][x] = s[x][n - 1 - y]; break;
            }
        }
    return up;
}

// An upward arrow: consecutive rows of one centred run each, widening
// strictly from a point at the top.
::testing::AssertionResult IsUpwardArrow(const Shape& s)
{
    int previousWidth = 0, centre2 = -1, rows = 0;
    bool ended = false;
    for (size_t y = 0; y < s.size(); ++y)
    {
        int first = -1, last = -1, count = 0;
        for (size_t x = 0; x < s[y].size(); ++x)
            if (s[y][x])
            {
                if (first < 0)
                    first = static_cast<int>(x);
                last = static_cast<int>(x);
                ++count;
            }
        if (count == 0)
        {
            ended = rows > 0;
            continue;
        }
        if (ended)
            return ::testing::AssertionFailure() << "arrow rows are not consecutive at row " << y;
        if (count != last - first + 1)
            return ::testing::AssertionFailure() << "row " << y << " has a gap";
        if (rows == 0 && count > 2)
            return ::testing::AssertionFailure() << "the tip is " << count << " pixels wide";
        if (count <= previousWidth)
            return ::testing::AssertionFailure() << "row " << y << " does not widen";
        if (centre2 >= 0 && first + last != centre2)
            return ::testing::AssertionFailure() << "row " << y << " is off centre";
        centre2 = first + last;
        previousWidth = count;
        ++rows;
    }
    if (rows < 3)
        return ::testing::AssertionFailure() << "only " << rows << " arrow rows";
    return ::testing::AssertionSuccess();
}

struct ArrowRow
{
    UINT id;
    Direction direction;
    const char* name;
};

const ArrowRow kArrows[] = {
    { IDB_ARROW_UP,    Up,    "Up" },
    { IDB_ARROW_DOWN,  Down,  "Down" },
    { IDB_ARROW_LEFT,  Left,  "Left" },
    { IDB_ARROW_RIGHT, Right, "Right" },
};

void PrintTo(const ArrowRow& row, std::ostream* os)
{
    *os << "bitmap " << row.id << " (" << row.name << ")";
}

class ArrowBitmapTest : public ResourceTest, public ::testing::WithParamInterface<ArrowRow>
{
};

TEST_P(ArrowBitmapTest, IsA16ColourGreyArrowPointingItsWay)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    const ArrowRow& row = GetParam();
    BITMAPINFOHEADER header;
    ASSERT_TRUE(ReadBitmapHeader(m_hLib, row.id, &header));
    EXPECT_EQ(8, header.biWidth);
    EXPECT_EQ(8, header.biHeight);
    EXPECT_EQ(4, header.biBitCount);
    EXPECT_LE(header.biClrUsed, 16u);

    std::vector<std::vector<COLORREF>> pixels = ReadLibraryBitmap(m_hLib, row.id);
    ASSERT_EQ(8u, pixels.size());
    Shape shape(8, std::vector<bool>(8, false));
    for (int y = 0; y < 8; ++y)
    {
        ASSERT_EQ(8u, pixels[y].size());
        for (int x = 0; x < 8; ++x)
        {
            COLORREF c = pixels[y][x];
            EXPECT_TRUE(c == kArrowColour || c == kArrowBackground)
                << "pixel (" << x << "," << y << ") is 0x" << std::hex << c;
            shape[y][x] = c == kArrowColour;
        }
    }
    EXPECT_TRUE(IsUpwardArrow(TurnUp(shape, row.direction))) << row.name;
}

INSTANTIATE_TEST_SUITE_P(Tessarine, ArrowBitmapTest, ::testing::ValuesIn(kArrows),
                         [](const ::testing::TestParamInfo<ArrowRow>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(ResourceTest, GlyphStripHoldsFifteenCells)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    BITMAPINFOHEADER header;
    ASSERT_TRUE(ReadBitmapHeader(m_hLib, IDB_CHECK_GLYPHS, &header));
    EXPECT_EQ(CHECK_GLYPH_CX * CHECK_GLYPH_COLUMNS, header.biWidth);
    EXPECT_EQ(CHECK_GLYPH_CY * CHECK_GLYPH_ROWS, header.biHeight);
    EXPECT_EQ(70, header.biWidth);
    EXPECT_EQ(39, header.biHeight);
    EXPECT_EQ(4, header.biBitCount);

    std::vector<std::vector<COLORREF>> pixels = ReadLibraryBitmap(m_hLib, IDB_CHECK_GLYPHS);
    ASSERT_EQ(39u, pixels.size());
    // Every cell holds a glyph; the checked glyphs (column 1) carry a black
    // mark the unchecked ones (column 0) lack.
    int black[CHECK_GLYPH_ROWS][CHECK_GLYPH_COLUMNS] = {};
    for (int r = 0; r < CHECK_GLYPH_ROWS; ++r)
        for (int c = 0; c < CHECK_GLYPH_COLUMNS; ++c)
        {
            int drawn = 0;
            for (int y = 0; y < CHECK_GLYPH_CY; ++y)
                for (int x = 0; x < CHECK_GLYPH_CX; ++x)
                {
                    COLORREF p = pixels[r * CHECK_GLYPH_CY + y][c * CHECK_GLYPH_CX + x];
                    if (p != kArrowBackground)
                        ++drawn;
                    if (p == RGB(0, 0, 0))
                        ++black[r][c];
                }
            EXPECT_GE(drawn, 20) << "cell " << c << " of row " << r << " is empty";
        }
    for (int r = 0; r < CHECK_GLYPH_ROWS; ++r)
        EXPECT_GT(black[r][1], black[r][0]) << "row " << r;
}

TEST_F(ResourceTest, CarriesTheFrameworkResourcesAndAVersion)
{
    SKIP_IF_WOW64_LIMIT(DeviceContexts);
    struct { LPCSTR type; UINT id; } const kStandard[] = {
        { MAKEINTRESOURCEA(6),  61440 / 16 + 1 },   // strings 61440 and up
        { MAKEINTRESOURCEA(5),  30721 },            // dialog
        { MAKEINTRESOURCEA(12), 30977 },            // cursor group
        { MAKEINTRESOURCEA(1),  1 },                // its cursors
        { MAKEINTRESOURCEA(1),  2 },
        { MAKEINTRESOURCEA(2),  30994 },            // bitmaps
        { MAKEINTRESOURCEA(2),  30995 },
        { MAKEINTRESOURCEA(2),  30996 },
    };
    for (size_t i = 0; i < sizeof(kStandard) / sizeof(kStandard[0]); ++i)
        EXPECT_NE(nullptr, FindResourceExA(m_hLib, kStandard[i].type,
                                           MAKEINTRESOURCEA(kStandard[i].id), kEnglishUS))
            << "resource " << kStandard[i].id;
    HCURSOR hCursor = LoadCursor(m_hLib, MAKEINTRESOURCE(30977));
    EXPECT_NE(nullptr, hCursor);

    std::string path = frametest::ModulePath(m_hLib);
    DWORD dummy = 0;
    DWORD size = GetFileVersionInfoSizeA(path.c_str(), &dummy);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, &info[0]));
    VS_FIXEDFILEINFO* pFixed = NULL;
    UINT len = 0;
    ASSERT_TRUE(VerQueryValueA(&info[0], "\\", reinterpret_cast<void**>(&pFixed), &len));
    EXPECT_EQ(static_cast<DWORD>(VFT_DLL), pFixed->dwFileType);
    char* pName = NULL;
    ASSERT_TRUE(VerQueryValueA(&info[0], "\\StringFileInfo\\040904b0\\OriginalFilename",
                               reinterpret_cast<void**>(&pName), &len));
    EXPECT_STREQ("Tessarine.dll", pName);
}

} // namespace
