// MaskModelTest.cpp: the mask model without a window: compiling, showing,
// the searches and conversions, filling and the editing primitives. The
// expected values are worked out by hand from the mask rules.
#include "MaskModelTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Separators unlike the mask characters, so a test sees which one a record took.
std::unique_ptr<TestMaskModel> Make(const char* mask)
{
    return std::unique_ptr<TestMaskModel>(new TestMaskModel(mask, ',', '\'', 'h', '-'));
}

struct CompileRow
{
    const char* mask;
    std::vector<int> types;
    std::string shown;
    std::string rebuilt; // GetMask
};

TEST(MaskModel, CompilesShowsAndRebuildsTheMask)
{
    const std::string zero(1, '\0');
    const CompileRow rows[] = {
        {".,:/", {0, 1, 2, 3}, ",'h-", ".,:/"},
        {"#A?><&", {4, 5, 6, 7, 8, 9}, "      ", "#A?><&"},
        {"a\\#", {11, 10}, "a#", "a\\#"},
        {"\\\\x", {10, 11}, "\\x", "\\\\x"},
        {"ab\\", {11, 11, 11}, "ab" + zero, "ab" + zero}, // a lone trailing backslash: the character 0
        {"\"' \xB0", {11, 11, 11, 11}, "\"' \xB0", "\"' \xB0"},
        {"", {}, "", ""},
    };
    for (const CompileRow& row : rows) {
        auto m = Make(row.mask);
        ASSERT_EQ(int(row.types.size()), m->Count()) << row.mask;
        for (int r = 0; r < m->Count(); ++r)
            EXPECT_EQ(row.types[size_t(r)], m->TypeAt(r)) << row.mask << " at " << r;
        EXPECT_EQ(row.shown, m->Show()) << row.mask;
        EXPECT_EQ(row.rebuilt, TestMaskModel::Str(m->GetMask())) << row.mask;
    }
    auto m = Make("###");
    m->SetMask(nullptr);
    EXPECT_EQ(0, m->Count());
}

struct PosRow
{
    const char* label;
    const char* mask;
    int (*op)(TestMaskModel&, int);
    int arg;
    int expected;
};

int Next(TestMaskModel& m, int p)
{
    return m.GetNextInputLocation(p);
}
int Prev(TestMaskModel& m, int p)
{
    return m.GetPreviousInputLocation(p);
}
int Empty(TestMaskModel& m, int p)
{
    return m.GetEmptyInputLocation(p);
}
int LtoR(TestMaskModel& m, int p)
{
    return m.LPtoRP(p);
}
int RtoL(TestMaskModel& m, int p)
{
    return m.RPtoLP(p);
}
int IsIn(TestMaskModel& m, int p)
{
    return m.IsInputData(p) ? 1 : 0;
}

TEST(MaskModel, PositionSearchesAndConversions)
{
    const PosRow rows[] = {
        {"next from a negative position starts at 0", "-#", Next, -4, 1},
        {"next from a literal", "##/##", Next, 2, 3},
        {"next without input gives N", "ab-", Next, 0, 3},
        {"next beyond N gives the position", "#", Next, 7, 7},
        {"empty skips nothing on a fresh mask", "-##", Empty, 0, 1},
        {"empty without input gives N", "--", Empty, 1, 2},
        {"previous on an input position is itself", "-#-", Prev, 1, 1},
        {"previous from an input after a literal after an input", "#-#", Prev, 2, 2},
        {"previous goes after the input before", "#--", Prev, 2, 1},
        {"previous without input before falls forward", "--#", Prev, 1, 2},
        {"previous without any input gives N", "--", Prev, 0, 2},
        {"previous beyond N gives the position", "#-", Prev, 9, 9},
        {"LPtoRP across a literal", "##/##", LtoR, 2, 3},
        {"LPtoRP past the inputs but inside N", "#--", LtoR, 1, -1},
        {"LPtoRP at N", "##", LtoR, 2, -1},
        {"LPtoRP negative", "##", LtoR, -1, -1},
        {"RPtoLP of a literal", "#-#", RtoL, 1, -1},
        {"RPtoLP after a literal", "#-#", RtoL, 2, 1},
        {"RPtoLP at N", "#", RtoL, 1, -1},
        {"IsInputData with no mask is always true", "", IsIn, -1, 1},
        {"IsInputData negative", "#", IsIn, -1, 0},
        {"IsInputData at N", "#", IsIn, 1, 0},
        {"IsInputData on a literal", "-#", IsIn, 0, 0},
        {"IsInputData on an escaped #", "\\##", IsIn, 0, 0},
    };
    for (const PosRow& row : rows)
        EXPECT_EQ(row.expected, row.op(*Make(row.mask), row.arg)) << row.label;
}

struct FillRow
{
    const char* label;
    const char* mask;
    const char* before; // filled first with keepPrompt true
    const char* data;
    int start;
    bool keepPrompt;
    char prompt;
    const char* shown;
    bool result;
};

TEST(MaskModel, SetInputData)
{
    const FillRow rows[] = {
        {"refused last character keeps the old value", "###", "789", "12a", 0, true, ' ', "129", false},
        {"refused middle character: prompt after", "###", "789", "1a2", 0, true, ' ', "12 ", false},
        {"keepPrompt false closes the gap", "###", "", "1_2", 0, false, '_', "12_", true},
        {"keepPrompt true keeps the gap", "###", "", "1_2", 0, true, '_', "1_2", true},
        {"literals are skipped", "#-#", "", "12", 0, true, ' ', "1-2", true},
        {"start keeps the first data", "####", "1234", "9", 2, true, ' ', "129 ", true},
        {"start beyond the data keeps all", "####", "1234", "5", 10, true, ' ', "1234", true},
        {"negative start keeps none", "####", "1234", "9", -1, true, ' ', "9   ", true},
        {"leftover is ignored", "##", "", "12345", 0, true, ' ', "12", true},
        {"null data empties", "##", "12", nullptr, 0, true, ' ', "  ", true},
        {"prompt is taken where the kind refuses it", "#", "", "*", 0, true, '*', "*", true},
        {"no mask: nothing to fill", "", "", "abc", 0, true, ' ', "", true},
    };
    for (const FillRow& row : rows) {
        auto m = Make(row.mask);
        m->SetPromptSymbol(row.prompt);
        m->SetInputData(row.before, 0, true);
        EXPECT_EQ(row.result, m->SetInputData(row.data, row.start, row.keepPrompt)) << row.label;
        EXPECT_EQ(row.shown, m->Show()) << row.label;
    }
}

TEST(MaskModel, GetInputDataTakesOutLiteralRuns)
{
    const char* const rows[][3] = {
        {"##/##", "12-34", "1234"},  {"##/##", "1234", "1234"},    {"##/##", "12/34", "12/34"},
        {"##-", "12-", "12-"},       {"#--#", "1--", "1--"},       {"(#)", "(5)", "5)"},
        {"#--#-#", "1--2-3", "123"}, {"#--#-#", "1--23x", "123x"}, {"-#", "", ""},
        {"#-#", "1-2xyz", "12xyz"},  {"", "abc", "abc"},           {"## ##", "12 34", "1234"},
        {"## ##", "1  34", "1 34"}, // the literal space equals the prompt
    };
    for (const auto& row : rows)
        EXPECT_EQ(std::string(row[2]), TestMaskModel::Str(Make(row[0])->GetInputData(row[1]))) << row[1];
    EXPECT_EQ("", TestMaskModel::Str(Make("##/##")->GetInputData(nullptr)));
}

TEST(MaskModel, EditingPrimitives)
{
    auto m = Make("#-<");
    EXPECT_EQ(-3, m->SetAt(-3, '1'));
    EXPECT_EQ(3, m->SetAt(3, '1'));
    EXPECT_EQ(1, m->SetAt(1, '1')); // a literal: position back, nothing changes
    EXPECT_EQ(0, m->SetAt(0, '7'));
    EXPECT_EQ(0, m->SetAt(0, ' ')); // the prompt clears a position
    EXPECT_EQ(" - ", m->Show());

    auto d = Make("#-#-#");
    d->SetInputData("12", 0, true);
    EXPECT_EQ(0, d->InsertAt(0, '9'));
    EXPECT_EQ("9-1-2", d->Show());
    EXPECT_EQ(2, d->InsertAt(1, '7'));  // from a literal: the next input position
    EXPECT_EQ(-1, d->InsertAt(5, '7')); // after the last input position
    EXPECT_EQ(-1, d->InsertAt(0, '\0'));
    EXPECT_EQ("9-7-1", d->Show());
    EXPECT_EQ(0, d->DeleteRange(1, 2));
    EXPECT_EQ(2, d->DeleteRange(0, 3));
    EXPECT_EQ("1- - ", d->Show());

    // A shifted character that the next position refuses undoes the insert.
    auto k = Make("?#");
    k->SetInputData("a", 0, true);
    EXPECT_EQ(-1, k->InsertAt(0, 'b'));
    EXPECT_EQ("a ", k->Show());
    // A character that lands on a position refusing it is dropped, and the
    // position where the source ran out keeps its value.
    auto g = Make("#?#");
    g->SetInputData("1a2", 0, true);
    EXPECT_EQ(1, g->DeleteRange(1, 2));
    EXPECT_EQ("1a ", g->Show());
    EXPECT_EQ(1, g->DeleteRange(0, 1));
    EXPECT_EQ("   ", g->Show());

    auto n = Make("abc"); // no input position
    EXPECT_EQ(-1, n->InsertAt(0, '1'));
    EXPECT_EQ(0, n->DeleteRange(0, 3));
    EXPECT_TRUE(n->IsInputEmpty());
    EXPECT_EQ("abc", n->Show());
}

TEST(MaskModel, PromptAndEmptying)
{
    auto m = Make("#-##");
    m->SetInputData("1 3", 0, true);
    for (char refused : {'\0', '\r', '\n', '\x7f'})
        m->SetPromptSymbol(refused);
    EXPECT_EQ("1- 3", m->Show());
    m->SetPromptSymbol('0'); // a prompt the kind accepts
    EXPECT_EQ("1-03", m->Show());
    EXPECT_EQ(2, m->GetEmptyInputLocation(0));
    m->SetInputData("000", 0, true);
    EXPECT_TRUE(m->IsInputEmpty());
    m->SetInputData("001", 0, true);
    EXPECT_FALSE(m->IsInputEmpty());
    m->EmptyData(true);
    EXPECT_EQ("0-00", m->Show());
    m->EmptyData(false);
    EXPECT_EQ(0, m->Count());
    EXPECT_TRUE(m->IsInputEmpty());
}

TEST(MaskModel, CharacterClassesOfEachKind)
{
    // Bytes at each class boundary, and what each kind keeps of them.
    const std::string bytes("\x00\x1f /09:@AZ[`az{~\x7f\x80\xff", 19);
    const char* const rows[][2] = {
        {"#", "09"},   {"A", "09AZaz"}, {"?", "AZaz"},
        {">", "AZAZ"}, {"<", "azaz"},   {"&", " /09:@AZ[`az{~\x80\xff"},
    };
    for (const auto& row : rows) {
        auto m = Make(row[0]);
        m->SetPromptSymbol('\x01'); // a prompt no kind takes
        std::string set, inserted;
        for (char c : bytes) {
            m->EmptyData(true);
            if (m->SetAt(0, c) == 0)
                set += m->ValueAt(0);
            m->EmptyData(true);
            if (m->InsertAt(0, c) == 0)
                inserted += m->ValueAt(0);
        }
        EXPECT_EQ(row[1], set) << row[0];
        EXPECT_EQ(row[1], inserted) << row[0];
    }
}

TEST(MaskModel, HundredThousandCharacterMask)
{
    std::string mask(100000, '#');
    for (size_t i = 1; i < mask.size(); i += 2)
        mask[i] = '-';
    auto m = Make(mask.c_str());
    EXPECT_EQ(mask, TestMaskModel::Str(m->GetMask()));
    EXPECT_EQ(99998, m->LPtoRP(49999));
    EXPECT_EQ(49999, m->RPtoLP(99998));
    EXPECT_EQ(0, m->InsertAt(0, '5'));
    EXPECT_EQ("5- - ", m->Show().substr(0, 5));
    EXPECT_EQ(1, m->DeleteRange(0, 2));
    EXPECT_TRUE(m->IsInputEmpty());
}

} // namespace
