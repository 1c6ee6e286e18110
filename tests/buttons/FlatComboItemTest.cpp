// Text-based item operations and type-ahead.

#include "FlatComboFixture.h"

#include <string>

#include "InputHelpers.h"
#include "MessageRecorder.h"

namespace {

using namespace flatcombotest;
using namespace testsupport;

const char* const kFruit[] = { "apple", "Banana", "berry", "Cherry", "banana" };

std::string ItemText(CFlatCombo* pCombo, int i)
{
    char sz[600] = "";
    COMBOBOXEXITEMA item = {};
    item.mask = CBEIF_TEXT;
    item.iItem = i;
    item.pszText = sz;
    item.cchTextMax = sizeof(sz);
    pCombo->SendMessage(CBEM_GETITEMA, 0, (LPARAM)&item);
    return sz;
}

struct FindRow
{
    bool exact;
    int start;
    const char* text;
    int expected;
};

const FindRow kFinds[] = {
    { true,  -1,  "Banana",    1 },     // negative start: from the top
    { true,  -1,  "banana",    4 },     // case-sensitive
    { true,   1,  "Banana",    1 },     // the start item itself
    { true,   2,  "Banana",   -1 },     // no wrap
    { true,   0,  "ban",      -1 },     // whole text only
    { true, 100,  "apple",    -1 },
    { false, -3,  "b",         1 },
    { false,  2,  "B",         2 },     // the start item, any case
    { false,  3,  "b",         4 },
    { false,  4,  "a",         0 },     // wraps to the top
    { false,  5,  "b",         1 },     // start at the count: from the top
    { false,100,  "cher",      3 },
    { false,  2,  "",          2 },     // empty prefix: the start item
    { false,  0,  "apple pie",-1 },     // longer than every text
    { false,  0,  "x",        -1 },
};

class FindTest : public FlatComboTest, public ::testing::WithParamInterface<FindRow>
{
};

TEST_P(FindTest, FindsAsTheRowSays)
{
    CFlatCombo* pCombo = MakeCombo();
    AddItems(pCombo, kFruit, 5);
    const FindRow& row = GetParam();
    EXPECT_EQ(row.expected, row.exact ? pCombo->FindStringExact(row.start, row.text)
                                      : pCombo->FindString(row.start, row.text));
}

INSTANTIATE_TEST_SUITE_P(Rows, FindTest, ::testing::ValuesIn(kFinds));

TEST_F(FlatComboTest, InsertStringClampsTheIndexAndAddStringKeeps255Bytes)
{
    CFlatCombo* pCombo = MakeCombo();
    EXPECT_EQ(0, pCombo->InsertString(-1, "first"));        // empty list
    EXPECT_EQ(1, pCombo->AddString("b"));
    EXPECT_EQ(2, pCombo->AddString("c"));
    EXPECT_EQ(0, pCombo->InsertString(-5, "top"));          // negative: the top, not the end
    EXPECT_EQ(4, pCombo->InsertString(100, "end"));         // beyond the count: the end
    EXPECT_EQ(2, pCombo->InsertString(2, "middle"));
    const char* const expected[] = { "top", "first", "middle", "b", "c", "end" };
    ASSERT_EQ(6, pCombo->GetCount());
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(expected[i], ItemText(pCombo, i)) << i;

    const std::string sLong(300, 'x');
    EXPECT_EQ(6, pCombo->AddString(sLong.c_str()));
    EXPECT_EQ(std::string(255, 'x'), ItemText(pCombo, 6));
    EXPECT_EQ(6, pCombo->FindStringExact(0, std::string(255, 'x').c_str()));
    EXPECT_EQ(CB_ERR, pCombo->AddString(NULL));
    EXPECT_EQ(CB_ERR, pCombo->FindString(0, NULL));
}

struct TypeRow
{
    int selected;
    char ch;
    int repeat;
    int expected;
};

const TypeRow kTyping[] = {
    {  1, 'b', 1,  2 },     // the next item starting with b or B
    {  2, 'b', 1,  4 },
    {  4, 'b', 1,  1 },     // from the last item: wraps to the top
    { -1, 'c', 1,  3 },     // no selection: from the top
    {  1, 'b', 2,  1 },     // a held-down key selects nothing
    {  0, 'z', 1,  0 },     // no match: unchanged
};

class TypeAheadTest : public FlatComboTest, public ::testing::WithParamInterface<TypeRow>
{
};

TEST_P(TypeAheadTest, SelectsByFirstLetter)
{
    CFlatCombo* pCombo = MakeCombo();
    AddItems(pCombo, kFruit, 5);
    const TypeRow& row = GetParam();
    pCombo->SetCurSel(row.selected);
    ::SendMessageA(Inner(pCombo), WM_CHAR, row.ch, MAKELPARAM(row.repeat, 0x30));
    EXPECT_EQ(row.expected, pCombo->GetCurSel());
}

INSTANTIATE_TEST_SUITE_P(Rows, TypeAheadTest, ::testing::ValuesIn(kTyping));

TEST_F(FlatComboTest, TypingOnTheKeyboardSelectsTheNextMatch)
{
    CFlatCombo* pCombo = MakeCombo();
    AddItems(pCombo, kFruit, 5);
    pCombo->SetCurSel(1);
    ::SetFocus(Inner(pCombo));
    KeyPress('B');
    ASSERT_TRUE(PumpUntil([&]() { return pCombo->GetCurSel() == 2; }, 30000)) << pCombo->GetCurSel();
}

} // namespace
