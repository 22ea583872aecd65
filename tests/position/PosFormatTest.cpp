// Position texts and values, worked out by hand; run under Wine and natively.
#include "PosFormat.h"

#include <gtest/gtest.h>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

const double kNaN = NAN, kInf = INFINITY;
const PosFormat DXX = POS_FORMAT_DXX, DMX = POS_FORMAT_DMX, DMS = POS_FORMAT_DMS, MET = POS_FORMAT_METRIC;
const double k10_1 = 10.0 + 20.74073 / 60, kDms = 10.0 + 20.0 / 60 + 44.444 / 3600;

// Rows of one kind each: 'E' entry text of value, 'D' display text of value,
// 'P' value read from text. Flags: 1 feet, 2 E/W symbols, 4 south button.
struct TextRow
{
    const char* label;
    char kind;
    double value;
    PosFormat format;
    int flags;
    const char* text;
};

void CheckRows(std::initializer_list<TextRow> rows)
{
    for (const TextRow& r : rows) {
        const bool bFeet = (r.flags & 1) != 0;
        if (r.kind == 'P')
            EXPECT_NEAR(r.value, ParsePosEntry(r.format, r.text, bFeet, (r.flags & 4) == 0), 1e-12)
                << r.label;
        else if (r.kind == 'E')
            EXPECT_STREQ(r.text, FormatPosEntry(r.value, r.format, bFeet)) << r.label;
        else
            EXPECT_STREQ(
                r.text, FormatPosDisplay(r.value, r.format, r.flags & 2 ? "E" : "N", r.flags & 2 ? "W" : "S"))
                << r.label;
    }
}

TEST(PosFormat, EntryAndDisplayTextsAndBack)
{
    CheckRows({
        {"DXX drops the sign", 'E', -12.5, DXX, 0, "12.5000000"},
        {"DXX rounds, ignores feet", 'E', 12.999999999, DXX, 1, "13.0000000"},
        {"DMX truncates", 'E', 12.999999999, DMX, 0, "0125999999"},
        {"DMS truncates", 'E', 12.999999999, DMS, 0, "0125959999"},
        // 10.1 is stored just below 10.1: its minutes truncate to 5.
        {"DMX below 10.1", 'E', 10.1, DMX, 0, "0100599999"},
        {"DMS below 10.1", 'E', 10.1, DMS, 0, "0100559999"},
        {"DMX negative", 'E', -0.5, DMX, 0, "0003000000"},
        {"DMS widens past 999", 'E', 2147483647.5, DMS, 0, "21474836473000000"},
        {"DMS beyond 32 bits", 'E', -2147483648.0, DMS, 0, ""},
        {"metric in feet", 'E', 1234.5, MET, 1, "4050.197"},
        {"metric signed", 'E', -12.5, MET, 0, "-12.500"},
        {"metric beyond the range in feet", 'E', 1.7e308, MET, 1, ""},
        {"NaN", 'E', kNaN, DMX, 0, ""},
        {"infinite", 'E', -kInf, MET, 0, ""},
        {"unknown notation", 'E', 1, static_cast<PosFormat>(4), 0, ""},
        {"DXX south", 'D', -0.25, DXX, 0, "0.250000 \xB0 S "},
        {"DXX minus zero is north", 'D', -0.0, DXX, 0, "0.000000 \xB0 N "},
        {"DXX west", 'D', -3.5, DXX, 2, "3.500000 \xB0 W "},
        {"DMX truncates", 'D', 12.999999999, DMX, 0, "12 \xB0 59.9999 ' N "},
        {"DMX beyond 32 bits", 'D', 1e300, DMX, 0, ""},
        {"DMS no leading zeros", 'D', -1234.5, DMS, 0, "1234 \xB0 30 ' 00.00 \" S "},
        // Seconds of 59.996 and above print as 60.00 and do not carry; the
        // seconds are rounded as a float: 59.9950005 is 59.99499893.
        {"DMS 60.00 no carry", 'D', 12.999999999, DMS, 0, "12 \xB0 59 ' 60.00 \" N "},
        {"DMS 59.994 s", 'D', 59.994 / 3600, DMS, 0, "0 \xB0 00 ' 59.99 \" N "},
        {"DMS single precision", 'D', 59.9950005 / 3600, DMS, 0, "0 \xB0 00 ' 59.99 \" N "},
        {"metric keeps the positive label", 'D', -1234.5678, MET, 2, " E : -001234.568 m"},
        {"NaN", 'D', kNaN, MET, 0, ""},
        {"DMX south", 'P', -45.5, DMX, 4, "0453000000"},
        {"DMX decimals", 'P', k10_1, DMX, 0, "0102074073"},
        {"DMX past ten digits", 'P', 45.5, DMX, 0, "045300000099"},
        {"DMS past ten digits", 'P', 45.5, DMS, 0, "04530000009"},
        {"DMX empty", 'P', 0, DMX, 0, ""},
        {"DMS decimals", 'P', -kDms, DMS, 4, "0102044444"},
        {"DMS all prompts", 'P', 0, DMS, 0, "__________"},
        {"DMS empty minutes", 'P', 45, DMS, 0, "045__00000"},
        {"DMS short", 'P', 45.05, DMS, 0, "0453"},
        {"DXX minus ignored", 'P', 12.5, DXX, 0, "-12.5"},
        {"DXX blanks and tail", 'P', 7.25, DXX, 0, "  7.25xyz"},
        {"DXX tab", 'P', 7.25, DXX, 0, "\t7.25"},
        {"DXX newline", 'P', 7.25, DXX, 0, "\n7.25"},
        {"DXX comma stops", 'P', 12, DXX, 0, "12,25"},
        {"DXX exponent", 'P', 100, DXX, 0, "1e2"},
        {"DXX bare exponent", 'P', 1, DXX, 0, "1e"},
        {"DXX bare signed exponent", 'P', 1, DXX, 0, "1e+"},
        {"DXX exponent without digits", 'P', 1, DXX, 0, "1ex"},
        {"DXX leading point", 'P', 0.5, DXX, 0, ".5"},
        {"DXX no digits", 'P', 0, DXX, 0, "+.e5"},
        {"DXX inf", 'P', 0, DXX, 0, "inf"},
        {"DXX hexadecimal", 'P', 0, DXX, 0, "0x10"},
        {"DXX overflow", 'P', 0, DXX, 0, "1e999"},
        {"DXX null", 'P', 0, DXX, 0, nullptr},
        {"metric keeps its sign", 'P', -12.5, MET, 0, "-12.5"},
        {"metric feet", 'P', 1, MET, 1, "3.280839895013123"},
        {"unknown notation", 'P', 0, static_cast<PosFormat>(7), 0, "12"},
    });
    // 56 digits before the point: 64 characters, one more than the first buffer takes.
    const std::string wide = static_cast<LPCSTR>(FormatPosEntry(-1e55, DXX, false));
    EXPECT_EQ(64u, wide.size());
    EXPECT_EQ(".0000000", wide.substr(56));
}

TEST(PosFormat, RangeFilter)
{
    const struct
    {
        double value, stored, lo, hi;
        PosRangeResult result;
    } rows[] = {
        {90, 10, -90, 90, POS_RANGE_ACCEPT},     {-90, 10, -90, 90, POS_RANGE_ACCEPT},
        {100, 10, -90, 90, POS_RANGE_STORED},    {100, 90, -90, 90, POS_RANGE_REFUSE},
        {100, -90, -90, 90, POS_RANGE_REFUSE},   {kNaN, 10, -90, 90, POS_RANGE_STORED},
        {kNaN, 95, -90, 90, POS_RANGE_REFUSE},   {-180, 0, -180, -180, POS_RANGE_ACCEPT},
        {0, -180, -180, -180, POS_RANGE_REFUSE},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.result, PosRangeAccepts(r.value, r.stored, r.lo, r.hi)) << r.value << " " << r.stored;
}

// Switches LC_NUMERIC, for the life of the object, to a locale whose decimal
// separator is not a point: natively one of two bytes (the Arabic one), built
// into a temporary folder removed afterwards.
class ForeignLocale
{
public:
    ForeignLocale() : m_old(std::setlocale(LC_NUMERIC, nullptr))
    {
#if defined(_WIN32)
        for (const char* name : {"German_Germany.1252", "German", "French"})
            if (std::setlocale(LC_NUMERIC, name) != nullptr)
                break;
#else
        char dir[] = "/tmp/quillon-locale-XXXXXX";
        if (mkdtemp(dir) == nullptr)
            return;
        m_dir = dir;
        const std::string cmd = "cd " + m_dir + " && printf 'LC_NUMERIC\\ndecimal_point \"<U066B>\"\\n" +
                                "thousands_sep \"\"\\ngrouping -1\\nEND LC_NUMERIC\\n' >def && " +
                                "localedef -c -i def -f UTF-8 ./xx_XX.UTF-8 >/dev/null 2>&1";
        const char* path = std::getenv("LOCPATH");
        m_path = path != nullptr ? path : "";
        if (std::system(cmd.c_str()) != -1 && setenv("LOCPATH", dir, 1) == 0)
            std::setlocale(LC_NUMERIC, "xx_XX.UTF-8");
#endif
    }
    ~ForeignLocale()
    {
        std::setlocale(LC_NUMERIC, m_old.c_str());
#if !defined(_WIN32)
        m_path.empty() ? unsetenv("LOCPATH") : setenv("LOCPATH", m_path.c_str(), 1);
        EXPECT_EQ(0, m_dir.empty() ? 0 : std::system(("rm -rf " + m_dir).c_str()));
#endif
    }

private:
    std::string m_old, m_dir, m_path;
};

TEST(PosFormat, PointWhateverTheLocale)
{
    ForeignLocale locale;
    ASSERT_STRNE(".", std::localeconv()->decimal_point) << "no locale without a decimal point could be set";
    CheckRows({
        {"DXX", 'E', 45.5, DXX, 0, "45.5000000"},
        {"metric in feet", 'E', 1234.5, MET, 1, "4050.197"},
        {"DXX", 'D', -0.25, DXX, 0, "0.250000 \xB0 S "},
        {"DMS", 'D', 45.5, DMS, 0, "45 \xB0 30 ' 00.00 \" N "},
        {"metric", 'D', -12.5, MET, 0, " N : -000012.500 m"},
        {"DXX blanks", 'P', 12.25, DXX, 0, " \t12.25"},
        {"DXX comma stops", 'P', 12, DXX, 0, "12,25"},
        {"metric exponent", 'P', -1.5, MET, 0, "-1.5e0"},
        {"DMX", 'P', k10_1, DMX, 0, "0102074073"},
        {"DMS", 'P', kDms, DMS, 0, "0102044444"},
    });
}

} // namespace
