// Tests of AddQuotes, CheckLocalFileExistence (against a scratch folder) and
// CheckFileExistence (through the steerable sorvane.dll stand-in).

#include "FileChecks.h"

#include <sorvane.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScratchFolder.h"

/////////////////////////////////////////////////////////////////////////////
// AddQuotes

struct QuoteCase
{
	const char* text;
	const char* quoted;
};

class AddQuotesTest : public ::testing::TestWithParam<QuoteCase>
{
};

TEST_P(AddQuotesTest, WrapsInTheQuoteTheTextLacks)
{
	CString text(GetParam().text);
	AddQuotes(text);
	EXPECT_STREQ(GetParam().quoted, static_cast<LPCTSTR>(text));
}

INSTANTIATE_TEST_SUITE_P(Table, AddQuotesTest, ::testing::Values(
	QuoteCase{"abc", "'abc'"},
	QuoteCase{"it's", "\"it's\""},
	QuoteCase{"", "''"},
	QuoteCase{"a'b\"c", "\"a'b\"c\""},           // the inner double quote is not escaped
	QuoteCase{"say \"hi\"", "'say \"hi\"'"},
	QuoteCase{"'", "\"'\""},
	QuoteCase{"C:\\Data Files\\x.sav", "'C:\\Data Files\\x.sav'"}));

/////////////////////////////////////////////////////////////////////////////
// CheckLocalFileExistence

namespace
{

void WriteFile(const std::string& path)
{
	HANDLE h = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
	ASSERT_NE(INVALID_HANDLE_VALUE, h) << path;
	DWORD written = 0;
	::WriteFile(h, "x", 1, &written, NULL);
	::CloseHandle(h);
}

} // namespace

class LocalExistenceTest : public ::testing::Test
{
protected:
	static void SetUpTestSuite()
	{
		s_folder = new testsupport::ScratchFolder("filechecks-");
		EXPECT_TRUE(s_folder->Valid());
		s_base = s_folder->Path();
		WriteFile(s_base + "\\plain.txt");
		WriteFile(s_base + "\\with spaces.sav");
		::CreateDirectoryA((s_base + "\\folder").c_str(), NULL);
		::CreateDirectoryA((s_base + "\\folder with spaces").c_str(), NULL);
		WriteFile(s_base + "\\folder with spaces\\inner file.dat");
	}
	static void TearDownTestSuite()
	{
		delete s_folder;  // everything the suite made goes with it
		s_folder = NULL;
	}

	static BOOL Check(const std::string& relative)
	{
		return CheckLocalFileExistence(CString((s_base + relative).c_str()));
	}

	static testsupport::ScratchFolder* s_folder;
	static std::string s_base;
};

testsupport::ScratchFolder* LocalExistenceTest::s_folder = NULL;
std::string LocalExistenceTest::s_base;

TEST_F(LocalExistenceTest, FindsFilesAndFolders)
{
	EXPECT_TRUE(Check("\\plain.txt"));
	EXPECT_TRUE(Check("\\with spaces.sav"));
	EXPECT_TRUE(Check("\\folder"));
	EXPECT_TRUE(Check("\\folder with spaces"));
	EXPECT_TRUE(Check("\\folder with spaces\\inner file.dat"));
	EXPECT_TRUE(Check(""));                                   // the scratch folder itself
	EXPECT_TRUE(Check("\\PLAIN.TXT"));                        // the file system ignores case
	EXPECT_TRUE(Check("\\folder with spaces\\"));              // a trailing separator names the folder
	EXPECT_TRUE(Check("\\folder\\..\\plain.txt"));
	// The "\\?\" prefix passes the path to the file system unparsed; its
	// '?' is no wildcard, one after it still is.
	EXPECT_TRUE(CheckLocalFileExistence(CString("\\\\?\\C:\\windows")));
	EXPECT_TRUE(CheckLocalFileExistence(CString(("\\\\?\\" + s_base + "\\plain.txt").c_str())));
	EXPECT_FALSE(CheckLocalFileExistence(CString(("\\\\?\\" + s_base + "\\plain.tx?").c_str())));
}

TEST_F(LocalExistenceTest, MissingPathsAreReportedAsMissing)
{
	EXPECT_FALSE(Check("\\missing.txt"));
	EXPECT_FALSE(Check("\\with spaces"));                     // a prefix of a name is not the name
	EXPECT_FALSE(Check("\\no such folder\\plain.txt"));
	EXPECT_FALSE(Check("\\plain.txt\\below a file"));
	EXPECT_FALSE(Check("\\plain.txt\\"));                     // a file is no folder
	EXPECT_FALSE(CheckLocalFileExistence(CString("")));
	// Patterns match existing names but name nothing themselves.
	EXPECT_FALSE(Check("\\*.txt"));
	EXPECT_FALSE(Check("\\plain.tx?"));
}

TEST_F(LocalExistenceTest, TheCallersStringIsLeftAlone)
{
	CString path((s_base + "\\plain.txt").c_str());
	CString before = path;
	EXPECT_TRUE(CheckLocalFileExistence(path));
	EXPECT_STREQ(static_cast<LPCTSTR>(before), static_cast<LPCTSTR>(path));
}

/////////////////////////////////////////////////////////////////////////////
// CheckFileExistence

namespace
{

// Compares the stand-in's recorded events with a table ending in NULL; a
// mismatch prints both sequences and the caller's line.
void ExpectEvents(const char* const* expected, const char* file, int line)
{
	std::vector<std::string> got;
	for (int i = 0; i < SorvaneTestEventCount(); i++)
		got.push_back(SorvaneTestEvent(i));
	std::vector<std::string> want;
	for (const char* const* p = expected; *p != NULL; p++)
		want.push_back(*p);
	if (got == want)
		return;
	std::string text = "expected:\n";
	for (const std::string& s : want)
		text += "  " + s + "\n";
	text += "recorded:\n";
	for (const std::string& s : got)
		text += "  " + s + "\n";
	ADD_FAILURE_AT(file, line) << text;
}

#define EXPECT_EVENTS(table) ExpectEvents(table, __FILE__, __LINE__)

} // namespace

class FileExistenceTest : public ::testing::Test
{
protected:
	void SetUp() override { SorvaneTestReset(); }
	void TearDown() override { SorvaneTestReset(); }
};

TEST_F(FileExistenceTest, NoAccessObjectMeansNothingIsAvailable)
{
	SorvaneTestSetAccessObject(0);
	EXPECT_FALSE(CheckFileExistence(CString("C:\\data\\a.sav")));
	static const char* const none[] = { NULL };
	EXPECT_EVENTS(none);
	EXPECT_EQ(0, SorvaneTestCreatedCount());
	EXPECT_EQ(0, SorvaneTestCheckCount());
}

struct StatusCase
{
	int status;
	BOOL available;
};

class FileExistenceStatusTest : public FileExistenceTest,
                                public ::testing::WithParamInterface<StatusCase>
{
};

TEST_P(FileExistenceStatusTest, OnlyStatusZeroAndThreeCountAsAvailable)
{
	SorvaneTestSetStatus(GetParam().status);
	EXPECT_EQ(GetParam().available, CheckFileExistence(CString("\\\\server\\share\\x.sav")));
	static const char* const oneDescriptor[] = {
		"create 1",
		"path 1 \\\\server\\share\\x.sav",
		"check 1 \\\\server\\share\\x.sav",
		"delete 1",
		NULL };
	EXPECT_EVENTS(oneDescriptor);
}

INSTANTIATE_TEST_SUITE_P(Table, FileExistenceStatusTest, ::testing::Values(
	StatusCase{0, TRUE}, StatusCase{1, FALSE}, StatusCase{2, FALSE}, StatusCase{3, TRUE},
	StatusCase{4, FALSE}, StatusCase{-1, FALSE}));

TEST_F(FileExistenceTest, ThePathReachesTheDescriptorByteForByte)
{
	// Spaces, a code-page byte above 0x7F and the apostrophe all pass unchanged.
	const char path[] = "C:\\My Data\\caf\xE9 'q'.sav";
	CString strPath(path);
	EXPECT_TRUE(CheckFileExistence(strPath));
	EXPECT_EQ(static_cast<int>(sizeof(path) - 1), SorvaneTestLastPathLength());
	EXPECT_EQ(std::string(path), std::string(SorvaneTestLastPath()));
	EXPECT_STREQ(path, static_cast<LPCTSTR>(strPath));

	EXPECT_TRUE(CheckFileExistence(CString("")));
	EXPECT_EQ(0, SorvaneTestLastPathLength());
	EXPECT_EQ(2, SorvaneTestCreatedCount());
	EXPECT_EQ(2, SorvaneTestDeletedCount());
}

// Nothing is thrown out of the library: a throwing access object means the
// source is not available.
TEST_F(FileExistenceTest, ACheckThatThrowsReportsFalseAndDeletesTheDescriptor)
{
	SorvaneTestSetThrow(1);
	BOOL bResult = TRUE;
	bool thrown = false;
	try
	{
		bResult = CheckFileExistence(CString("x"));
	}
	catch (...)
	{
		thrown = true;
	}
	EXPECT_FALSE(thrown);
	EXPECT_FALSE(bResult);
	static const char* const thrownAndDeleted[] = { "create 1", "path 1 x", "check 1 x", "delete 1", NULL };
	EXPECT_EVENTS(thrownAndDeleted);
}
