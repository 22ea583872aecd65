// MaskModelTest.cpp: the mask model without a window: compiling, showing,
// the searches and conversions, filling and the editing primitives, with
// values worked out by hand from the mask rules; then long random sequences
// of edits after each of which the model must keep its invariants.
#include "../../src/masked/MaskData.h"
#include "../../src/masked/MaskModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

class TestMaskModel : public CStandaloneMask
{
public:
    using CStandaloneMask::CStandaloneMask;

    const CMaskData& At(int r) const { return *Records().GetAt(Records().FindIndex(r)); }
    int TypeAt(int r) const { return At(r).m_nType; }
    char ValueAt(int r) const { return At(r).m_chValue; }
    std::string Show() const { return Str(ShowMask()); }
    std::string Data() const { return Str(GetInputData()); }
    static std::string Str(const CString& s) { return std::string(s.GetString(), size_t(s.GetLength())); }
};

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
    m->SetMask(nullptr); // as ""; and a record alone is a literal 0, as a lone backslash
    EXPECT_TRUE(m->Count() == 0 && CMaskData().m_nType == MASK_LITERAL && CMaskData().m_chValue == 0);
}

struct PosRow
{
    const char *label, *mask;
    char op; // Next, 'P', 'E', L to R, R to L, Is input
    int arg;
    int expected;
};

TEST(MaskModel, PositionSearchesAndConversions)
{
    const PosRow rows[] = {
        {"next from a negative position starts at 0", "-#", 'N', -4, 1},
        {"next from a literal", "##/##", 'N', 2, 3},
        {"next without input gives N", "ab-", 'N', 0, 3},
        {"next beyond N gives the position", "#", 'N', 7, 7},
        {"empty skips nothing on a fresh mask", "-##", 'E', 0, 1},
        {"empty without input gives N", "--", 'E', 1, 2},
        {"previous on an input position is itself", "-#-", 'P', 1, 1},
        {"previous from an input after a literal after an input", "#-#", 'P', 2, 2},
        {"previous goes after the input before", "#--", 'P', 2, 1},
        {"previous without input before falls forward", "--#", 'P', 1, 2},
        {"previous without any input gives N", "--", 'P', 0, 2},
        {"previous beyond N gives the position", "#-", 'P', 9, 9},
        {"LPtoRP at N", "##", 'L', 2, -1},
        {"LPtoRP negative", "##", 'L', -1, -1},
        {"RPtoLP after a literal", "#-#", 'R', 2, 1},
        {"RPtoLP at N", "#", 'R', 1, -1},
        {"IsInputData with no mask is always true", "", 'I', -1, 1},
        {"IsInputData negative", "#", 'I', -1, 0},
        {"IsInputData at N", "#", 'I', 1, 0},
        {"IsInputData on an escaped #", "\\##", 'I', 0, 0},
    };
    for (const PosRow& row : rows) {
        auto m = Make(row.mask);
        const int p = row.arg;
        const int got = row.op == 'N'   ? m->GetNextInputLocation(p)
                        : row.op == 'P' ? m->GetPreviousInputLocation(p)
                        : row.op == 'E' ? m->GetEmptyInputLocation(p)
                        : row.op == 'L' ? m->LPtoRP(p)
                        : row.op == 'R' ? m->RPtoLP(p)
                                        : int(m->IsInputData(p));
        EXPECT_EQ(row.expected, got) << row.label;
    }
}

struct FillRow // before: filled first, keeping the prompt
{
    const char *label, *mask, *before, *data;
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

// The window steps the model asks of a control: U<pos> refresh, T text
// cleared, M modified flag cleared.
struct LogWindow : CMaskWindow
{
    std::string log;
    bool HasWindow() const override { return true; }
    void Update(int pos) override { log += "U" + std::to_string(pos); }
    CString GetText() const override { return CString("1"); }
    void ClearText() override { log += 'T'; }
    void ClearModified() override { log += 'M'; }
};

TEST(MaskModel, WindowStepsOfTheOperations)
{
    auto m = Make("");
    LogWindow w;
    m->SetInputData("1", 0, true, &w); // no mask: a refresh all the same
    m->EmptyData(false, &w);           // no mask before either: the text is cleared
    m->SetMask("#-#", &w);
    m->SetPromptSymbol('_', &w);
    m->DeleteRange(0, 1, &w);
    EXPECT_EQ("U0TTU0MU-1MU0", w.log); // a new mask clears the text of a control without one
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

// The invariants, against the records the last mask compiled to: literals
// unchanged, each input the prompt or a value its kind keeps as it is, and
// the conversions between raw and logical positions inverse to each other.
void Check(TestMaskModel& m, const std::string& literals)
{
    const int n = m.Count();
    ASSERT_EQ(n, m.ShowMask().GetLength());
    std::string lits;
    int inputs = 0;
    for (int r = 0; r < n; ++r) {
        const char v = m.ValueAt(r);
        if (m.TypeAt(r) >= MASK_DIGIT && m.TypeAt(r) <= MASK_CHAR) {
            ASSERT_TRUE(v == m.GetPromptSymbol() || (m.SetAt(r, v) == r && m.ValueAt(r) == v))
                << "record " << r;
            ASSERT_EQ(inputs, m.RPtoLP(r));
            ASSERT_EQ(r, m.LPtoRP(inputs++));
        } else {
            lits += v;
            ASSERT_EQ(-1, m.RPtoLP(r));
        }
    }
    ASSERT_EQ(literals, lits);
    ASSERT_EQ(inputs, int(m.Data().size()));
    ASSERT_TRUE(inputs == n || m.LPtoRP(inputs) == -1);
}

TEST(MaskModelProperty, InvariantsHoldAcrossRandomEdits)
{
    std::mt19937 rng(20261205);
    auto randomChar = [&rng](char prompt) {
        const unsigned k = rng() % 6;
        const char* const from[] = {"abcdefghijklmnopqrstuvwxyz", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "0123456789"};
        return k == 0 ? char(rng() % 256) : k == 1 ? prompt : from[k % 3][rng() % (k % 3 == 2 ? 10 : 26)];
    };
    for (int round = 0; round < 400; ++round) {
        TestMaskModel m("", ',', '.', 'h', '-');
        std::string mask, literals;
        for (int step = 0; step < 250; ++step) {
            const int p = int(rng() % unsigned(m.Count() + 3)) - 1;
            const unsigned op = rng() % 8;
            if (op == 0 || (op == 6 && rng() % 8 == 0)) {
                static const char alphabet[] = "#A?><&.,:/\\-( )'x\xB0";
                mask = std::string(op == 0 ? rng() % 24 : 0, '#');
                for (char& c : mask)
                    c = rng() % 10 == 0 ? char(1 + rng() % 255) : alphabet[rng() % (sizeof(alphabet) - 1)];
                if (op == 0)
                    m.SetMask(mask.c_str());
                else
                    m.EmptyData(false);
                literals.clear();
                for (int r = 0; r < m.Count(); ++r)
                    literals += m.TypeAt(r) >= MASK_DIGIT && m.TypeAt(r) <= MASK_CHAR
                                    ? ""
                                    : std::string(1, m.ValueAt(r));
            } else if (op == 1) {
                std::string data(rng() % 12, '0');
                for (char& c : data) {
                    const char r = randomChar(m.GetPromptSymbol());
                    c = r == 0 ? '0' : r; // a C string
                }
                m.SetInputData(data.c_str(), int(rng() % 6) - 1, rng() % 2 == 0);
            } else if (op == 2) {
                const int r = m.InsertAt(p, randomChar(m.GetPromptSymbol()));
                ASSERT_TRUE(r == -1 || (m.IsInputData(r) && r >= p)) << r;
            } else if (op == 3) {
                const int r = m.SetAt(p, randomChar(m.GetPromptSymbol()));
                ASSERT_TRUE(r == p || r == -1);
            } else if (op == 4) {
                const int end = p + int(rng() % 5);
                int inside = 0;
                for (int r = std::max(p, 0); r < std::min(end, m.Count()); ++r)
                    inside += m.IsInputData(r) ? 1 : 0;
                ASSERT_EQ(inside, m.DeleteRange(p, end));
            } else if (op == 5) {
                m.SetPromptSymbol(rng() % 4 == 0 ? char(rng() % 256) : "_ *0."[rng() % 5]);
            } else if (op == 6) {
                m.EmptyData(true);
                ASSERT_TRUE(m.IsInputEmpty());
            } else {
                // The shown text read back as data fills the same positions (a
                // letter prompt may change case on '>' and '<' positions).
                const std::string before = m.Show();
                m.SetInputData(m.GetInputData(m.ShowMask()), 0, true);
                const char pr = m.GetPromptSymbol();
                if (!isalpha(static_cast<unsigned char>(pr)) && before.find('\0') == std::string::npos) {
                    ASSERT_EQ(before, m.Show());
                }
            }
            Check(m, literals);
            if (testing::Test::HasFatalFailure())
                return ADD_FAILURE() << "operation " << op << " in round " << round << " step " << step
                                     << " mask '" << mask << "'";
        }
    }
}

} // namespace
