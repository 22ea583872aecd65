// MaskModelTest.cpp: the mask model without a window: compiling, showing,
// the searches and conversions, filling and the editing primitives. The
// expected values are worked out by hand from the mask rules.
#include "MaskModelTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Separators that differ from the mask characters, so a test sees which one a
// record took.
const char kDec = ',', kThou = '\'', kTime = 'h', kDate = '-';

TestMaskModel* Make(const char* mask)
{
    return new TestMaskModel(mask, kDec, kThou, kTime, kDate);
}

#if !defined(_WIN32)
// Natively only: in the Windows build the record class is internal to the DLL.
TEST(MaskModel, NewRecordIsLiteralZero)
{
    CMaskData data;
    EXPECT_EQ(MASK_LITERAL, data.m_nType);
    EXPECT_EQ(0, data.m_chValue);
}
#endif

struct CompileRow
{
    const char* label;
    const char* mask;
    std::vector<int> types;
    std::string shown;
};

TEST(MaskModel, CompilesEachMaskCharacter)
{
    const std::string zero(1, '\0');
    const CompileRow rows[] = {
        {"separators take the separators", ".,:/", {0, 1, 2, 3}, ",'h-"},
        {"input kinds take the prompt", "#A?><&", {4, 5, 6, 7, 8, 9}, "      "},
        {"lower-case a is a literal", "a", {11}, "a"},
        {"escape makes one record", "\\#", {10}, "#"},
        {"escaped backslash", "\\\\x", {10, 11}, "\\x"},
        {"trailing backslash is a literal 0", "ab\\", {11, 11, 11}, "ab" + zero},
        {"quote, apostrophe, space, degree", "\"' \xB0", {11, 11, 11, 11}, "\"' \xB0"},
        {"empty mask", "", {}, ""},
    };
    for (const CompileRow& row : rows) {
        std::unique_ptr<TestMaskModel> m(Make(row.mask));
        ASSERT_EQ(static_cast<int>(row.types.size()), m->Count()) << row.label;
        for (int r = 0; r < m->Count(); ++r)
            EXPECT_EQ(row.types[static_cast<size_t>(r)], m->TypeAt(r)) << row.label << " at " << r;
        EXPECT_EQ(row.shown, m->Show()) << row.label;
    }
}

TEST(MaskModel, GetMaskRebuildsTheMask)
{
    for (const char* mask : {"##/##", "\\#A\\\\", "(###) ###-####", ">?<&.,:/", ""}) {
        std::unique_ptr<TestMaskModel> m(Make(mask));
        EXPECT_EQ(std::string(mask), TestMaskModel::Str(m->GetMask())) << mask;
    }
    // A lone trailing backslash comes back as the character 0.
    std::unique_ptr<TestMaskModel> m(Make("#\\"));
    EXPECT_EQ(std::string("#\0", 2), TestMaskModel::Str(m->GetMask()));
}

TEST(MaskModel, NullMaskIsEmptyMask)
{
    std::unique_ptr<TestMaskModel> m(Make("###"));
    m->SetMask(nullptr);
    EXPECT_EQ(0, m->Count());
    EXPECT_EQ("", TestMaskModel::Str(m->GetMask()));
}

TEST(MaskModel, ThreeDigitsShowThePrompt)
{
    std::unique_ptr<TestMaskModel> m(Make("###"));
    EXPECT_EQ("   ", m->Show());
    EXPECT_EQ("   ", m->Data());
    EXPECT_TRUE(m->IsInputEmpty());
}

TEST(MaskModel, DateMaskPositions)
{
    std::unique_ptr<TestMaskModel> m(Make("##/##"));
    EXPECT_TRUE(m->SetInputData("1234", 0, true));
    EXPECT_EQ("12-34", m->Show());
    EXPECT_EQ(2, m->RPtoLP(3));
    EXPECT_EQ(-1, m->RPtoLP(2));
    EXPECT_EQ(3, m->LPtoRP(2));
    EXPECT_EQ(2, m->GetPreviousInputLocation(2));
    EXPECT_EQ(3, m->GetNextInputLocation(2));
    EXPECT_EQ(5, m->GetNextInputLocation(5));
    EXPECT_TRUE(m->SetInputData("12", 0, true));
    EXPECT_EQ("12-  ", m->Show());
    EXPECT_EQ(3, m->GetEmptyInputLocation(0));
}

struct PosRow
{
    const char* label;
    const char* mask;
    int (*op)(TestMaskModel&, int);
    int arg;
    int expected;
};

TEST(MaskModel, PositionSearchesAndConversions)
{
    auto next = [](TestMaskModel& m, int p) { return m.GetNextInputLocation(p); };
    auto prev = [](TestMaskModel& m, int p) { return m.GetPreviousInputLocation(p); };
    auto empty = [](TestMaskModel& m, int p) { return m.GetEmptyInputLocation(p); };
    auto lp2rp = [](TestMaskModel& m, int p) { return m.LPtoRP(p); };
    auto rp2lp = [](TestMaskModel& m, int p) { return m.RPtoLP(p); };
    auto isin = [](TestMaskModel& m, int p) { return m.IsInputData(p) ? 1 : 0; };
    const PosRow rows[] = {
        {"next from a negative position starts at 0", "-#", next, -4, 1},
        {"next without input gives N", "ab-", next, 0, 3},
        {"next beyond N gives the position", "#", next, 7, 7},
        {"empty skips nothing on a fresh mask", "-##", empty, 0, 1},
        {"empty without input gives N", "--", empty, 1, 2},
        {"previous on an input position is itself", "-#-", prev, 1, 1},
        {"previous goes after the input before", "#--", prev, 2, 1},
        {"previous without input before falls forward", "--#", prev, 1, 2},
        {"previous without any input gives N", "--", prev, 0, 2},
        {"previous beyond N gives the position", "#-", prev, 9, 9},
        {"LPtoRP past the inputs but inside N", "#--", lp2rp, 1, -1},
        {"LPtoRP at N", "##", lp2rp, 2, -1},
        {"LPtoRP negative", "##", lp2rp, -1, -1},
        {"RPtoLP of a literal", "#-#", rp2lp, 1, -1},
        {"RPtoLP after a literal", "#-#", rp2lp, 2, 1},
        {"RPtoLP at N", "#", rp2lp, 1, -1},
        {"IsInputData with no mask is always true", "", isin, -1, 1},
        {"IsInputData negative", "#", isin, -1, 0},
        {"IsInputData at N", "#", isin, 1, 0},
        {"IsInputData on a literal", "-#", isin, 0, 0},
        {"IsInputData on an escaped #", "\\##", isin, 0, 0},
    };
    for (const PosRow& row : rows) {
        std::unique_ptr<TestMaskModel> m(Make(row.mask));
        EXPECT_EQ(row.expected, row.op(*m, row.arg)) << row.label;
    }
}

TEST(MaskModel, DegreesMinutesSecondsMask)
{
    std::unique_ptr<TestMaskModel> m(Make("### \xB0 ## ' ##.### \" "));
    ASSERT_EQ(20, m->Count());
    std::vector<int> inputs;
    for (int r = 0; r < m->Count(); ++r) {
        if (m->IsInputData(r))
            inputs.push_back(r);
    }
    EXPECT_EQ((std::vector<int>{0, 1, 2, 6, 7, 11, 12, 14, 15, 16}), inputs);
    EXPECT_EQ(6, m->LPtoRP(3));
    EXPECT_EQ(7, m->RPtoLP(14));
    EXPECT_EQ(kDec, m->ValueAt(13));
    EXPECT_TRUE(m->SetInputData("0123456789", 0, true));
    EXPECT_EQ("012 \xB0 34 ' 56,789 \" ", m->Show());
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
        {"upper and lower convert", "><", "", "aB", 0, true, ' ', "Ab", true},
        {"alnum takes letters and digits", "AAA", "", "z5-", 0, true, ' ', "z5 ", false},
        {"null data empties", "##", "12", nullptr, 0, true, ' ', "  ", true},
        {"prompt is taken where the kind refuses it", "#", "", "*", 0, true, '*', "*", true},
    };
    for (const FillRow& row : rows) {
        std::unique_ptr<TestMaskModel> m(Make(row.mask));
        m->SetPromptSymbol(row.prompt);
        m->SetInputData(row.before, 0, true);
        EXPECT_EQ(row.result, m->SetInputData(row.data, row.start, row.keepPrompt)) << row.label;
        EXPECT_EQ(row.shown, m->Show()) << row.label;
    }
}

TEST(MaskModel, SetInputDataWithoutMask)
{
    std::unique_ptr<TestMaskModel> m(Make(""));
    EXPECT_TRUE(m->SetInputData("abc", 0, true));
    EXPECT_EQ("", m->Show());
}

struct TakeOutRow
{
    const char* label;
    const char* mask;
    const char* text;
    const char* data;
};

TEST(MaskModel, GetInputDataTakesOutLiteralRuns)
{
    const TakeOutRow rows[] = {
        {"display form", "##/##", "12-34", "1234"},
        {"bare data", "##/##", "1234", "1234"},
        {"other separator stays", "##/##", "12/34", "12/34"},
        {"trailing run stays", "##-", "12-", "12-"},
        {"run cut off by the end of text stays", "#--#", "1--", "1--"},
        {"leading run goes, trailing stays", "(#)", "(5)", "5)"},
        {"each run at its own positions", "#--#-#", "1--2-3", "123"},
        {"second run compared at its own position", "#--#-#", "1--23x", "123x"},
        {"empty text", "-#", "", ""},
        {"text longer than the mask", "#-#", "1-2xyz", "12xyz"},
        {"no mask", "", "abc", "abc"},
    };
    for (const TakeOutRow& row : rows) {
        std::unique_ptr<TestMaskModel> m(Make(row.mask));
        EXPECT_EQ(std::string(row.data), TestMaskModel::Str(m->GetInputData(row.text))) << row.label;
    }
    std::unique_ptr<TestMaskModel> m(Make("##/##"));
    EXPECT_EQ("", TestMaskModel::Str(m->GetInputData(nullptr)));
}

TEST(MaskModel, SetAt)
{
    std::unique_ptr<TestMaskModel> m(Make("#-<"));
    EXPECT_EQ(-3, m->SetAt(-3, '1'));
    EXPECT_EQ(3, m->SetAt(3, '1'));
    EXPECT_EQ(1, m->SetAt(1, '1')); // a literal: position back, nothing changes
    EXPECT_EQ(-1, m->SetAt(0, 'x'));
    EXPECT_EQ(0, m->SetAt(0, '7'));
    EXPECT_EQ(2, m->SetAt(2, 'Q'));
    EXPECT_EQ("7-q", m->Show());
    EXPECT_EQ(0, m->SetAt(0, ' ')); // the prompt clears a position
    EXPECT_EQ(" -q", m->Show());
}

TEST(MaskModel, InsertAtShiftsAcrossLiterals)
{
    std::unique_ptr<TestMaskModel> m(Make("###"));
    m->SetInputData("123", 0, true);
    EXPECT_EQ(0, m->InsertAt(0, '9'));
    EXPECT_EQ("912", m->Show());
    EXPECT_EQ(-1, m->InsertAt(0, 'x'));
    EXPECT_EQ("912", m->Show());

    std::unique_ptr<TestMaskModel> d(Make("#-#-#"));
    d->SetInputData("12", 0, true);
    EXPECT_EQ(2, d->InsertAt(1, '7')); // from a literal: the next input position
    EXPECT_EQ("1-7-2", d->Show());
    EXPECT_EQ(-1, d->InsertAt(5, '7')); // after the last input position
    EXPECT_EQ("1-7-2", d->Show());
    EXPECT_EQ(-1, d->InsertAt(0, '\0'));
    EXPECT_EQ("1-7-2", d->Show());

    // A shifted character that the next position refuses undoes the insert.
    std::unique_ptr<TestMaskModel> k(Make("?#"));
    k->SetInputData("a", 0, true);
    EXPECT_EQ(-1, k->InsertAt(0, 'b'));
    EXPECT_EQ("a ", k->Show());
}

TEST(MaskModel, DeleteRange)
{
    std::unique_ptr<TestMaskModel> m(Make("###"));
    m->SetInputData("123", 0, true);
    EXPECT_EQ(1, m->DeleteRange(0, 1));
    EXPECT_EQ("23 ", m->Show());

    std::unique_ptr<TestMaskModel> d(Make("#--#"));
    d->SetInputData("12", 0, true);
    EXPECT_EQ(0, d->DeleteRange(1, 3));
    EXPECT_EQ("1--2", d->Show());
    EXPECT_EQ(2, d->DeleteRange(0, 4));
    EXPECT_EQ(" -- ", d->Show());

    // A character that lands on a position refusing it is dropped, and the
    // position where the source ran out keeps its value.
    std::unique_ptr<TestMaskModel> k(Make("#?#"));
    k->SetInputData("1a2", 0, true);
    EXPECT_EQ(1, k->DeleteRange(1, 2));
    EXPECT_EQ("1a ", k->Show());
    EXPECT_EQ(1, k->DeleteRange(0, 1));
    EXPECT_EQ("   ", k->Show()); // 'a' refused by '#', the prompt after it fills
}

TEST(MaskModel, SetPromptSymbol)
{
    std::unique_ptr<TestMaskModel> m(Make("#-##"));
    m->SetInputData("1 3", 0, true);
    for (char refused : {'\0', '\r', '\n', '\x7f'}) {
        m->SetPromptSymbol(refused);
        EXPECT_EQ(' ', m->GetPromptSymbol());
        EXPECT_EQ("1- 3", m->Show());
    }
    m->SetPromptSymbol('_');
    EXPECT_EQ('_', m->GetPromptSymbol());
    EXPECT_EQ("1-_3", m->Show());
}

TEST(MaskModel, PromptThatTheKindAccepts)
{
    std::unique_ptr<TestMaskModel> m(Make("###"));
    m->SetPromptSymbol('0');
    m->SetInputData("000", 0, true);
    EXPECT_TRUE(m->IsInputEmpty());
    EXPECT_EQ(0, m->GetEmptyInputLocation(0));
    m->SetInputData("100", 0, true);
    EXPECT_FALSE(m->IsInputEmpty());
    EXPECT_EQ(1, m->GetEmptyInputLocation(0));
}

TEST(MaskModel, EmptyData)
{
    std::unique_ptr<TestMaskModel> m(Make("#-#"));
    m->SetInputData("12", 0, true);
    m->EmptyData(true);
    EXPECT_EQ("#-#", TestMaskModel::Str(m->GetMask()));
    EXPECT_EQ(" - ", m->Show());
    m->EmptyData(false);
    EXPECT_EQ("", TestMaskModel::Str(m->GetMask()));
    EXPECT_EQ(0, m->Count());
    EXPECT_TRUE(m->IsInputEmpty());
    EXPECT_TRUE(m->IsInputData(3));
}

TEST(MaskModel, MaskWithoutInputPositions)
{
    std::unique_ptr<TestMaskModel> m(Make("abc"));
    EXPECT_EQ(3, m->GetNextInputLocation(0));
    EXPECT_TRUE(m->IsInputEmpty());
    EXPECT_EQ("", m->Data());
    EXPECT_TRUE(m->SetInputData("xyz", 0, true));
    EXPECT_EQ(-1, m->InsertAt(0, '1'));
    EXPECT_EQ(0, m->DeleteRange(0, 3));
    EXPECT_EQ("abc", m->Show());
}

TEST(MaskModel, HundredThousandCharacterMask)
{
    std::string mask(100000, '#');
    for (size_t i = 1; i < mask.size(); i += 2)
        mask[i] = '-';
    std::unique_ptr<TestMaskModel> m(Make(mask.c_str()));
    ASSERT_EQ(100000, m->Count());
    EXPECT_EQ(mask, TestMaskModel::Str(m->GetMask()));
    EXPECT_EQ(99998, m->LPtoRP(49999));
    EXPECT_EQ(49999, m->RPtoLP(99998));
    EXPECT_EQ(0, m->InsertAt(0, '5'));
    EXPECT_EQ("5- - ", m->Show().substr(0, 5));
    EXPECT_EQ(1, m->DeleteRange(0, 2));
    EXPECT_TRUE(m->IsInputEmpty());
}

TEST(MaskModel, EveryByteAsMaskCharacter)
{
    // Bytes 1 to 255 in order; the backslash (0x5C) escapes the ']' after it.
    std::string mask;
    for (int b = 1; b < 256; ++b)
        mask += static_cast<char>(b);
    std::unique_ptr<TestMaskModel> m(Make(mask.c_str()));
    ASSERT_EQ(254, m->Count());
    for (int r = 0; r < m->Count(); ++r) {
        const int b = r < 0x5B ? r + 1 : r + 2; // record 0x5B is the escaped ']'
        int expected = MASK_LITERAL;
        switch (b) {
        case '.':
            expected = MASK_DECIMAL_SEP;
            break;
        case ',':
            expected = MASK_THOUSAND_SEP;
            break;
        case ':':
            expected = MASK_TIME_SEP;
            break;
        case '/':
            expected = MASK_DATE_SEP;
            break;
        case '#':
            expected = MASK_DIGIT;
            break;
        case 'A':
            expected = MASK_ALNUM;
            break;
        case '?':
            expected = MASK_ALPHA;
            break;
        case '>':
            expected = MASK_UPPER;
            break;
        case '<':
            expected = MASK_LOWER;
            break;
        case '&':
            expected = MASK_CHAR;
            break;
        case ']':
            expected = MASK_ESCAPED;
            break;
        default:
            break;
        }
        EXPECT_EQ(expected, m->TypeAt(r)) << "byte " << b;
        if (expected == MASK_LITERAL || expected == MASK_ESCAPED) {
            EXPECT_EQ(static_cast<char>(b), m->ValueAt(r)) << "byte " << b;
        }
    }
    EXPECT_EQ(mask, TestMaskModel::Str(m->GetMask()));
}

TEST(MaskModel, EveryByteAsInput)
{
    const char* const masks[] = {"#", "A", "?", ">", "<", "&"};
    const int kinds[] = {MASK_DIGIT, MASK_ALNUM, MASK_ALPHA, MASK_UPPER, MASK_LOWER, MASK_CHAR};
    for (int k = 0; k < 6; ++k) {
        std::unique_ptr<TestMaskModel> m(Make(masks[k]));
        m->SetPromptSymbol('\x01'); // a prompt no kind takes, so every byte is tried on its own
        for (int b = 0; b < 256; ++b) {
            const char c = static_cast<char>(b);
            m->EmptyData(true);
            const bool takes = KindTakes(kinds[k], static_cast<unsigned char>(b)) || b == 1;
            EXPECT_EQ(takes ? 0 : -1, m->SetAt(0, c)) << masks[k] << " byte " << b;
            EXPECT_EQ(takes ? KindStores(kinds[k], c) : '\x01', m->ValueAt(0)) << masks[k] << " byte " << b;
            m->EmptyData(true);
            EXPECT_EQ(takes ? 0 : -1, m->InsertAt(0, c)) << masks[k] << " byte " << b;
        }
    }
}

} // namespace
