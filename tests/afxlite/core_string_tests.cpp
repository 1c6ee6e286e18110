// CString: construction and sharing, editing, searching, formatting,
// resources and the raw buffer.

#include <afxwin.h>

#include <gtest/gtest.h>

#include <string>

#include "core_resources.h"

namespace {

// The buffer a string currently uses, to see sharing and copy-on-write.
const void* BufferOf(const CString& s)
{
    return (LPCTSTR)s;
}

TEST(CStringConstruct, FromEachSource)
{
    EXPECT_STREQ("", (LPCTSTR)CString());
    EXPECT_TRUE(CString().IsEmpty());
    EXPECT_STREQ("abc", (LPCTSTR)CString("abc"));
    EXPECT_STREQ("", (LPCTSTR)CString((LPCSTR)NULL));
    EXPECT_STREQ("xxx", (LPCTSTR)CString('x', 3));
    EXPECT_STREQ("", (LPCTSTR)CString('x', 0));
    EXPECT_STREQ("", (LPCTSTR)CString('x', -2));
    EXPECT_STREQ("ab", (LPCTSTR)CString("abcdef", 2));
    EXPECT_STREQ("", (LPCTSTR)CString("abcdef", -1));
    EXPECT_STREQ("wide", (LPCTSTR)CString(L"wide"));
    EXPECT_STREQ("u8", (LPCTSTR)CString((const unsigned char*)"u8"));

    // Embedded terminator through the pointer + count form: the length counts it.
    CString withNul("a\0b", 3);
    EXPECT_EQ(3, withNul.GetLength());
}

TEST(CStringConstruct, ResourceIdLoadsTheString)
{
    AfxSetResourceHandle(::GetModuleHandleA(NULL));
    EXPECT_STREQ("Hello, resource", (LPCTSTR)CString(MAKEINTRESOURCE(IDS_CORE_HELLO)));
    EXPECT_STREQ("", (LPCTSTR)CString(MAKEINTRESOURCE(IDS_CORE_MISSING)));
}

TEST(CStringShare, CopiesShareUntilWritten)
{
    CString a("shared text");
    CString b(a);
    CString c;
    c = a;
    EXPECT_EQ(BufferOf(a), BufferOf(b));
    EXPECT_EQ(BufferOf(a), BufferOf(c));

    b.SetAt(0, 'S');
    EXPECT_STREQ("shared text", (LPCTSTR)a);
    EXPECT_STREQ("Shared text", (LPCTSTR)b);
    EXPECT_NE(BufferOf(a), BufferOf(b));
    EXPECT_EQ(BufferOf(a), BufferOf(c));

    c.MakeUpper();
    EXPECT_STREQ("shared text", (LPCTSTR)a);
    EXPECT_STREQ("SHARED TEXT", (LPCTSTR)c);
}

TEST(CStringShare, LockedBufferIsNeverShared)
{
    CString a("locked");
    a.LockBuffer();
    CString b(a);
    EXPECT_NE(BufferOf(a), BufferOf(b));
    EXPECT_STREQ("locked", (LPCTSTR)b);
    CString c("other");
    c = a;
    EXPECT_NE(BufferOf(a), BufferOf(c));
    a.UnlockBuffer();
    CString d(a);
    EXPECT_EQ(BufferOf(a), BufferOf(d));
}

TEST(CStringShare, SelfAssignmentAndAliasedSources)
{
    CString a("self");
    a = a;
    EXPECT_STREQ("self", (LPCTSTR)a);
    a = (LPCTSTR)a + 1;  // source inside the own buffer
    EXPECT_STREQ("elf", (LPCTSTR)a);
    a += a;
    EXPECT_STREQ("elfelf", (LPCTSTR)a);
    a += (LPCTSTR)a + 3;
    EXPECT_STREQ("elfelfelf", (LPCTSTR)a);

    CString moved(std::move(a));
    EXPECT_STREQ("elfelfelf", (LPCTSTR)moved);
    EXPECT_TRUE(a.IsEmpty());
}

TEST(CStringEdit, ConcatenationForms)
{
    CString a("ab");
    EXPECT_STREQ("abcd", (LPCTSTR)(a + CString("cd")));
    EXPECT_STREQ("abx", (LPCTSTR)(a + 'x'));
    EXPECT_STREQ("xab", (LPCTSTR)('x' + a));
    EXPECT_STREQ("ab!", (LPCTSTR)(a + "!"));
    EXPECT_STREQ("!ab", (LPCTSTR)("!" + a));
    EXPECT_STREQ("ab", (LPCTSTR)(a + (LPCTSTR)NULL));
    a += 'c';
    a += "de";
    a += CString("f");
    EXPECT_STREQ("abcdef", (LPCTSTR)a);
    a.Empty();
    EXPECT_EQ(0, a.GetLength());
}

TEST(CStringEdit, RepeatedAppendsGrowGeometrically)
{
    CString s;
    int nReallocations = 0;
    const void* pLast = BufferOf(s);
    for (int i = 0; i < 100000; i++)
    {
        s += 'x';
        if (BufferOf(s) != pLast)
        {
            nReallocations++;
            pLast = BufferOf(s);
        }
    }
    EXPECT_EQ(100000, s.GetLength());
    EXPECT_LT(nReallocations, 40);
    EXPECT_EQ('x', s[99999]);
    EXPECT_EQ('\0', ((LPCTSTR)s)[100000]);
    s.FreeExtra();
    EXPECT_EQ(100000, s.GetAllocLength());
}

TEST(CStringEdit, ElementAccessStaysInsideTheString)
{
    CString a("abc");
    EXPECT_EQ('b', a.GetAt(1));
    EXPECT_EQ('c', a[2]);
    EXPECT_EQ('\0', a.GetAt(3));  // the terminator
    EXPECT_EQ('\0', a.GetAt(-1));
    EXPECT_EQ('\0', a.GetAt(50));
    a.SetAt(1, 'X');
    a.SetAt(3, 'Y');   // past the end: ignored
    a.SetAt(-1, 'Z');
    EXPECT_STREQ("aXc", (LPCTSTR)a);
    EXPECT_EQ(3, a.GetLength());
}

TEST(CStringEdit, CaseReverseAndEditing)
{
    CString a("Hello World");
    a.MakeUpper();
    EXPECT_STREQ("HELLO WORLD", (LPCTSTR)a);
    a.MakeLower();
    EXPECT_STREQ("hello world", (LPCTSTR)a);
    a.MakeReverse();
    EXPECT_STREQ("dlrow olleh", (LPCTSTR)a);

    CString r("a-b-c");
    EXPECT_EQ(2, r.Replace('-', '+'));
    EXPECT_STREQ("a+b+c", (LPCTSTR)r);
    EXPECT_EQ(2, r.Replace("+", "<->"));
    EXPECT_STREQ("a<->b<->c", (LPCTSTR)r);
    EXPECT_EQ(2, r.Replace("<->", ""));
    EXPECT_STREQ("abc", (LPCTSTR)r);
    EXPECT_EQ(0, r.Replace("", "x"));
    EXPECT_EQ(1, r.Remove('b'));
    EXPECT_STREQ("ac", (LPCTSTR)r);
    EXPECT_EQ(3, r.Insert(1, 'b'));
    EXPECT_EQ(5, r.Insert(99, "de"));
    EXPECT_STREQ("abcde", (LPCTSTR)r);
    EXPECT_EQ(3, r.Delete(1, 2));
    EXPECT_STREQ("ade", (LPCTSTR)r);
    EXPECT_EQ(1, r.Delete(1, 100));
    EXPECT_STREQ("a", (LPCTSTR)r);
}

TEST(CStringEdit, Trimming)
{
    CString a(" \t text \r\n");
    a.TrimLeft();
    EXPECT_STREQ("text \r\n", (LPCTSTR)a);
    a.TrimRight();
    EXPECT_STREQ("text", (LPCTSTR)a);

    CString b("xxabcxx");
    b.TrimLeft('x');
    EXPECT_STREQ("abcxx", (LPCTSTR)b);
    b.TrimRight("cx");
    EXPECT_STREQ("ab", (LPCTSTR)b);

    CString spaces("   ");
    spaces.TrimRight();
    EXPECT_TRUE(spaces.IsEmpty());
}

// Sub-string extraction clips its arguments to the string.
struct SubCase
{
    int nFirst;
    int nCount;
    const char* mid;
    const char* left;   // Left(nCount)
    const char* right;  // Right(nCount)
};

class CStringSub : public ::testing::TestWithParam<SubCase> {};

TEST_P(CStringSub, MidLeftRight)
{
    const SubCase& c = GetParam();
    CString s("abcdef");
    EXPECT_STREQ(c.mid, (LPCTSTR)s.Mid(c.nFirst, c.nCount)) << c.nFirst << "," << c.nCount;
    EXPECT_STREQ(c.left, (LPCTSTR)s.Left(c.nCount));
    EXPECT_STREQ(c.right, (LPCTSTR)s.Right(c.nCount));
}

INSTANTIATE_TEST_SUITE_P(Ranges, CStringSub, ::testing::Values(
    SubCase{ 0, 6, "abcdef", "abcdef", "abcdef" },
    SubCase{ 1, 2, "bc", "ab", "ef" },
    SubCase{ 4, 10, "ef", "abcdef", "abcdef" },
    SubCase{ 6, 1, "", "a", "f" },
    SubCase{ 9, 1, "", "a", "f" },
    SubCase{ -3, 2, "ab", "ab", "ef" },
    SubCase{ 2, -1, "", "", "" },
    SubCase{ 2, 0x7fffffff, "cdef", "abcdef", "abcdef" },
    SubCase{ 0x7fffffff, 0x7fffffff, "", "abcdef", "abcdef" }));

TEST(CStringSub, MidToTheEndAndSpans)
{
    CString s("abcdef");
    EXPECT_STREQ("def", (LPCTSTR)s.Mid(3));
    EXPECT_STREQ("", (LPCTSTR)s.Mid(10));
    EXPECT_STREQ("abcdef", (LPCTSTR)s.Mid(-4));
    EXPECT_EQ(BufferOf(s), BufferOf(s.Mid(0)));  // the whole string is shared

    CString n("123abc456");
    EXPECT_STREQ("123", (LPCTSTR)n.SpanIncluding("0123456789"));
    EXPECT_STREQ("", (LPCTSTR)n.SpanIncluding("abc"));
    EXPECT_STREQ("123", (LPCTSTR)n.SpanExcluding("abc"));
    EXPECT_STREQ("123abc456", (LPCTSTR)n.SpanExcluding("xyz"));
}

TEST(CStringSearch, FindFamily)
{
    CString s("one two one");
    EXPECT_EQ(1, s.Find('n'));
    EXPECT_EQ(9, s.Find('n', 2));
    EXPECT_EQ(-1, s.Find('z'));
    EXPECT_EQ(-1, s.Find('o', 50));
    EXPECT_EQ(-1, s.Find('o', -1));
    EXPECT_EQ(4, s.Find("two"));
    EXPECT_EQ(8, s.Find("one", 1));
    EXPECT_EQ(-1, s.Find("three"));
    EXPECT_EQ(-1, s.Find((LPCTSTR)NULL));
    EXPECT_EQ(10, s.ReverseFind('e'));
    EXPECT_EQ(-1, s.ReverseFind('z'));
    EXPECT_EQ(2, s.FindOneOf("xe"));
    EXPECT_EQ(-1, s.FindOneOf("xyz"));
}

TEST(CStringCompare, OrderAndCase)
{
    CString a("apple");
    EXPECT_EQ(0, a.Compare("apple"));
    EXPECT_LT(a.Compare("banana"), 0);
    EXPECT_GT(a.Compare("Apple"), 0);
    EXPECT_EQ(0, a.CompareNoCase("APPLE"));
    EXPECT_EQ(0, a.Collate("apple"));
    EXPECT_EQ(0, a.CollateNoCase("ApPlE"));
    EXPECT_TRUE(a == "apple");
    EXPECT_TRUE("apple" == a);
    EXPECT_TRUE(a == CString("apple"));
    EXPECT_TRUE(a != "pear");
    EXPECT_TRUE(a < "b");
    EXPECT_TRUE("b" > a);
    EXPECT_TRUE(a <= "apple");
    EXPECT_TRUE(a >= "apple");
    EXPECT_GT(a.Compare(NULL), 0);
}

TEST(CStringFormat, PrintfSemantics)
{
    CString s;
    s.Format("%d|%5.2f|%-3s|%c|%x|%%", 42, 3.14159, "ab", 'z', 255);
    EXPECT_STREQ("42| 3.14|ab |z|ff|%", (LPCTSTR)s);

    CString name("text");
    s.Format("<%s>", (LPCTSTR)name);
    EXPECT_STREQ("<text>", (LPCTSTR)s);

    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CStringFormat, LongOutputIsComplete)
{
    std::string big(10000, 'q');
    CString s;
    s.Format("[%s]%d", big.c_str(), 7);
    ASSERT_EQ(10003, s.GetLength());
    EXPECT_EQ('[', s[0]);
    EXPECT_EQ('q', s[5000]);
    EXPECT_EQ(']', s[10001]);
    EXPECT_EQ('7', s[10002]);

    // exactly around the first buffer's size
    for (int n = 250; n < 262; n++)
    {
        std::string part((size_t)n, 'w');
        s.Format("%s", part.c_str());
        EXPECT_EQ(n, s.GetLength());
    }
}

TEST(CStringFormat, FromResourceAndFormatMessage)
{
    AfxSetResourceHandle(::GetModuleHandleA(NULL));
    CString s;
    s.Format(IDS_CORE_FORMAT, 3, "five");
    EXPECT_STREQ("3 of five", (LPCTSTR)s);

    s.FormatMessage("%1 and %2!d!", "one", 2);
    EXPECT_STREQ("one and 2", (LPCTSTR)s);
}

TEST(CStringResource, LoadStringFoundMissingLong)
{
    AfxSetResourceHandle(::GetModuleHandleA(NULL));
    CString s("previous");
    EXPECT_TRUE(s.LoadString(IDS_CORE_HELLO));
    EXPECT_STREQ("Hello, resource", (LPCTSTR)s);

    s = "previous";
    EXPECT_FALSE(s.LoadString(IDS_CORE_MISSING));
    EXPECT_TRUE(s.IsEmpty());

    s = "previous";
    EXPECT_FALSE(s.LoadString(IDS_CORE_EMPTYBLOCK));
    EXPECT_TRUE(s.IsEmpty());

    // longer than the first 256-character attempt
    EXPECT_TRUE(s.LoadString(IDS_CORE_LONG));
    ASSERT_EQ(300, s.GetLength());
    EXPECT_EQ('9', s[299]);
    EXPECT_EQ('0', s[290]);
}

TEST(CStringBuffer, GetBufferReleaseBuffer)
{
    CString s("abc");
    CString shared(s);
    LPTSTR p = s.GetBuffer(10);
    EXPECT_NE(BufferOf(shared), (const void*)p);  // a private buffer
    EXPECT_GE(s.GetAllocLength(), 10);
    EXPECT_STREQ("abc", p);
    strcpy(p, "abcdefgh");
    s.ReleaseBuffer();
    EXPECT_EQ(8, s.GetLength());
    EXPECT_STREQ("abcdefgh", (LPCTSTR)s);
    EXPECT_STREQ("abc", (LPCTSTR)shared);

    p = s.GetBuffer(0);
    p[2] = '\0';
    s.ReleaseBuffer();
    EXPECT_STREQ("ab", (LPCTSTR)s);

    p = s.GetBuffer(4);
    memcpy(p, "wxyz", 4);
    s.ReleaseBuffer(3);
    EXPECT_STREQ("wxy", (LPCTSTR)s);

    // A length beyond the buffer is held to it.
    p = s.GetBuffer(5);
    int nAlloc = s.GetAllocLength();
    memset(p, 'k', nAlloc);
    s.ReleaseBuffer(nAlloc + 100);
    EXPECT_EQ(nAlloc, s.GetLength());

    // A buffer filled to the brim without terminator.
    p = s.GetBuffer(3);
    nAlloc = s.GetAllocLength();
    memset(p, 'm', nAlloc + 0);
    p[nAlloc] = '\0';
    s.ReleaseBuffer(-1);
    EXPECT_EQ(nAlloc, s.GetLength());
}

TEST(CStringBuffer, SetLengthFreeExtraOnEmpty)
{
    CString s;
    LPTSTR p = s.GetBufferSetLength(5);
    memcpy(p, "12345", 5);
    EXPECT_EQ(5, s.GetLength());
    EXPECT_STREQ("12345", (LPCTSTR)s);

    s.GetBuffer(100);
    s.ReleaseBuffer(2);
    EXPECT_GE(s.GetAllocLength(), 100);
    s.FreeExtra();
    EXPECT_EQ(2, s.GetAllocLength());
    EXPECT_STREQ("12", (LPCTSTR)s);

    CString empty;
    p = empty.GetBuffer(0);
    ASSERT_NE((LPTSTR)NULL, p);
    EXPECT_EQ('\0', p[0]);
    empty.ReleaseBuffer();
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_TRUE(afxEmptyString.IsEmpty());

    CString neg;
    neg.GetBufferSetLength(-4);
    EXPECT_TRUE(neg.IsEmpty());
}

TEST(CStringCodePage, OemRoundTripOfAscii)
{
    CString s("plain ASCII 123");
    s.AnsiToOem();
    s.OemToAnsi();
    EXPECT_STREQ("plain ASCII 123", (LPCTSTR)s);
}

} // namespace
