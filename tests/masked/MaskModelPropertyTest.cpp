// MaskModelPropertyTest.cpp: long random sequences of edits over random
// masks; after every step the model must still satisfy its invariants.
#include "MaskModelTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

struct Checker
{
    std::string mask;     // as compiled
    std::string literals; // values of the non-input records, at compile time
    std::vector<int> inputRaw;

    void Compiled(const TestMaskModel& m, const std::string& newMask)
    {
        mask = newMask;
        literals.clear();
        inputRaw.clear();
        for (int r = 0; r < m.Count(); ++r) {
            if (m.TypeAt(r) >= MASK_DIGIT && m.TypeAt(r) <= MASK_CHAR)
                inputRaw.push_back(r);
            else
                literals += m.ValueAt(r);
        }
    }

    void Check(TestMaskModel& m, const std::string& step)
    {
        SCOPED_TRACE(step);
        const int n = m.Count();
        ASSERT_EQ(n, static_cast<int>(m.ShowMask().GetLength()));
        const char prompt = m.GetPromptSymbol();
        std::string lits;
        int inputs = 0;
        for (int r = 0; r < n; ++r) {
            const int t = m.TypeAt(r);
            const char v = m.ValueAt(r);
            if (t >= MASK_DIGIT && t <= MASK_CHAR) {
                // Each value is the prompt or one the position keeps as it is.
                ASSERT_TRUE(v == prompt || (m.SetAt(r, v) == r && m.ValueAt(r) == v))
                    << "record " << r << " kind " << t << " holds " << int(static_cast<unsigned char>(v));
                ASSERT_EQ(inputs, m.RPtoLP(r));
                ASSERT_EQ(r, m.LPtoRP(inputs));
                ++inputs;
            } else {
                lits += v;
                ASSERT_EQ(-1, m.RPtoLP(r));
            }
        }
        ASSERT_EQ(literals, lits);
        ASSERT_EQ(inputs, static_cast<int>(m.Data().size()));
        if (inputs < n) {
            ASSERT_EQ(-1, m.LPtoRP(inputs));
        }
    }
};

std::string RandomMask(std::mt19937& rng)
{
    static const char alphabet[] = "#A?><&.,:/\\-( )'x\xB0";
    const int len = static_cast<int>(rng() % 24);
    std::string mask;
    for (int i = 0; i < len; ++i) {
        if (rng() % 10 == 0)
            mask += static_cast<char>(1 + rng() % 255);
        else
            mask += alphabet[rng() % (sizeof(alphabet) - 1)];
    }
    return mask;
}

char RandomChar(std::mt19937& rng, char prompt)
{
    const unsigned k = rng() % 6;
    return k == 0   ? char(rng() % 256)
           : k == 1 ? prompt
           : k == 2 ? char('a' + rng() % 26)
           : k == 3 ? char('A' + rng() % 26)
                    : char('0' + rng() % 10);
}

std::string RandomData(std::mt19937& rng, char prompt)
{
    std::string data(rng() % 12, '0');
    for (char& c : data) {
        c = RandomChar(rng, prompt);
        c = c == 0 ? '0' : c; // data is a C string
    }
    return data;
}

TEST(MaskModelProperty, InvariantsHoldAcrossRandomEdits)
{
    std::mt19937 rng(20261205);
    for (int round = 0; round < 400; ++round) {
        TestMaskModel m("", ',', '.', 'h', '-');
        Checker checker;
        checker.Compiled(m, "");
        for (int step = 0; step < 250; ++step) {
            const int n = m.Count();
            const int p = static_cast<int>(rng() % (n + 3)) - 1;
            std::string what;
            switch (rng() % 8) {
            case 0: {
                const std::string mask = RandomMask(rng);
                m.SetMask(mask.c_str());
                checker.Compiled(m, mask);
                what = "SetMask";
                break;
            }
            case 1:
                m.SetInputData(RandomData(rng, m.GetPromptSymbol()).c_str(), static_cast<int>(rng() % 6) - 1,
                               rng() % 2 == 0);
                what = "SetInputData";
                break;
            case 2: {
                const int before = m.RPtoLP(p);
                const int r = m.InsertAt(p, RandomChar(rng, m.GetPromptSymbol()));
                ASSERT_TRUE(r == -1 || (m.IsInputData(r) && r >= p)) << r << " " << before;
                what = "InsertAt";
                break;
            }
            case 3: {
                const char c = RandomChar(rng, m.GetPromptSymbol());
                const int r = m.SetAt(p, c);
                ASSERT_TRUE(r == p || r == -1);
                what = "SetAt";
                break;
            }
            case 4: {
                const int end = p + static_cast<int>(rng() % 5);
                int inside = 0;
                for (int r : checker.inputRaw)
                    inside += (r >= p && r < end) ? 1 : 0;
                ASSERT_EQ(inside, m.DeleteRange(p, end));
                what = "DeleteRange";
                break;
            }
            case 5:
                m.SetPromptSymbol(rng() % 4 == 0 ? static_cast<char>(rng() % 256) : "_ *0."[rng() % 5]);
                what = "SetPromptSymbol";
                break;
            case 6:
                if (rng() % 8 == 0) {
                    m.EmptyData(false);
                    checker.Compiled(m, "");
                } else {
                    m.EmptyData(true);
                    ASSERT_TRUE(m.IsInputEmpty());
                }
                what = "EmptyData";
                break;
            default: {
                // The shown text read back as data fills the same positions.
                const std::string before = m.Show();
                m.SetInputData(m.GetInputData(m.ShowMask()), 0, true);
                // (A letter as prompt is stored through the case conversion
                // of '>' and '<' positions, so it may change case here.)
                const char pr = m.GetPromptSymbol();
                const bool letter = (pr >= 'a' && pr <= 'z') || (pr >= 'A' && pr <= 'Z');
                if (!letter && before.find('\0') == std::string::npos) {
                    ASSERT_EQ(before, m.Show());
                }
                what = "reparse";
                break;
            }
            }
            checker.Check(m, what + " in round " + std::to_string(round) + " step " + std::to_string(step) +
                                 " mask '" + checker.mask + "'");
            if (testing::Test::HasFatalFailure())
                return;
        }
    }
}

} // namespace
