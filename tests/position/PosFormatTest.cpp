// Position arithmetic and texts. Expected values are worked out by hand from
// the notation rules; the same source runs under Wine and natively.
#include "PosFormat.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

std::string Entry(double v, PosFormat f, bool bFeet = false)
{
    return static_cast<LPCSTR>(FormatPosEntry(v, f, bFeet));
}

std::string Display(double v, PosFormat f, const char* pos = "N", const char* neg = "S")
{
    return static_cast<LPCSTR>(FormatPosDisplay(v, f, pos, neg));
}

TEST(PosFormat, TypeOfEachNotation)
{
    const struct
    {
        int format;
        PosType type;
    } rows[] = {{0, POS_TYPE_GEOGRAPHIC}, {1, POS_TYPE_GEOGRAPHIC}, {2, POS_TYPE_GEOGRAPHIC},
                {3, POS_TYPE_METRIC},     {4, POS_TYPE_NONE},       {-1, POS_TYPE_NONE}};
    for (const auto& r : rows)
        EXPECT_EQ(r.type, GetPosType(static_cast<PosFormat>(r.format))) << "format " << r.format;
}

TEST(PosFormat, SplitAndJoin)
{
    PosAngle a = SplitDecimalDegrees(-12.5);
    EXPECT_EQ(12.0, a.deg);
    EXPECT_EQ(30.0, a.min);
    EXPECT_EQ(0.0, a.sec);
    a = ConvertPosition(POS_INPUT_DEGREES, -12.5);
    EXPECT_EQ(12.5, a.deg);
    EXPECT_EQ(30.0, a.min);

    // A zero degree count is negated to -0.0 and the sum comes out positive.
    a = SplitDecimalDegrees(0.5);
    EXPECT_EQ(0.0, a.deg);
    JoinDegrees(a);
    EXPECT_EQ(0.5, a.deg);

    // Truncation, not rounding: 12.999999999 keeps 12 degrees and 59 minutes.
    a = SplitDecimalDegrees(12.999999999);
    EXPECT_EQ(12.0, a.deg);
    EXPECT_EQ(59.0, a.min);
    EXPECT_NEAR(59.9999964, a.sec, 1e-7);

    // Degrees lose their sign; minutes are used as given.
    a = SplitDegreesMinutes(-45.0, 30.5);
    EXPECT_EQ(45.0, a.deg);
    EXPECT_EQ(30.0, a.min);
    EXPECT_EQ(30.0, a.sec);
    a = SplitDegreesMinutes(10.0, -1.5);
    EXPECT_EQ(-1.0, a.min);
    EXPECT_EQ(-30.0, a.sec);

    PosAngle neg{-10.0, 30.0, 0.0};
    JoinDegrees(neg);
    EXPECT_EQ(10.5, neg.deg);
    a = ConvertPosition(POS_INPUT_DEG_MIN_SEC, 45.0, 30.0, 36.0);
    EXPECT_DOUBLE_EQ(30.6, a.min);
    EXPECT_DOUBLE_EQ(45.51, a.deg);
    EXPECT_EQ(36.0, a.sec);
}

TEST(PosFormat, EntryTexts)
{
    const struct
    {
        const char* label;
        double value;
        PosFormat format;
        bool feet;
        const char* text;
    } rows[] = {
        {"DXX exact", 45.5, POS_FORMAT_DXX, false, "45.5000000"},
        {"DXX drops the sign", -12.5, POS_FORMAT_DXX, false, "12.5000000"},
        {"DXX rounds in the formatter", 12.999999999, POS_FORMAT_DXX, false, "13.0000000"},
        {"DXX ignores feet", 1.5, POS_FORMAT_DXX, true, "1.5000000"},
        {"DMX exact", 45.5, POS_FORMAT_DMX, false, "0453000000"},
        {"DMS exact", 45.5, POS_FORMAT_DMS, false, "0453000000"},
        {"DMX truncates", 12.999999999, POS_FORMAT_DMX, false, "0125999999"},
        {"DMS truncates", 12.999999999, POS_FORMAT_DMS, false, "0125959999"},
        // 10.1 is stored just below 10.1: its minutes truncate to 5.
        {"DMX below 10.1", 10.1, POS_FORMAT_DMX, false, "0100599999"},
        {"DMS below 10.1", 10.1, POS_FORMAT_DMS, false, "0100559999"},
        {"DMX negative", -0.5, POS_FORMAT_DMX, false, "0003000000"},
        {"DMS widens past 999", 1234.5, POS_FORMAT_DMS, false, "12343000000"},
        {"metric", 1234.5, POS_FORMAT_METRIC, false, "1234.500"},
        {"metric in feet", 1234.5, POS_FORMAT_METRIC, true, "4050.197"},
        {"metric signed", -12.5, POS_FORMAT_METRIC, false, "-12.500"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.text, Entry(r.value, r.format, r.feet)) << r.label;
}

TEST(PosFormat, DisplayTexts)
{
    const struct
    {
        const char* label;
        double value;
        PosFormat format;
        const char* pos;
        const char* neg;
        const char* text;
    } rows[] = {
        {"DXX negative", -0.25, POS_FORMAT_DXX, "N", "S", "0.250000 \xB0 S "},
        {"DXX zero", 0.0, POS_FORMAT_DXX, "N", "S", "0.000000 \xB0 N "},
        {"DXX minus zero is positive", -0.0, POS_FORMAT_DXX, "N", "S", "0.000000 \xB0 N "},
        {"DXX longitude", -3.5, POS_FORMAT_DXX, "E", "W", "3.500000 \xB0 W "},
        {"DXX rounds in the formatter", 12.999999999, POS_FORMAT_DXX, "N", "S", "13.000000 \xB0 N "},
        {"DMX exact", 45.5, POS_FORMAT_DMX, "N", "S", "45 \xB0 30.0000 ' N "},
        {"DMX truncates", 12.999999999, POS_FORMAT_DMX, "N", "S", "12 \xB0 59.9999 ' N "},
        {"DMX negative", -0.5, POS_FORMAT_DMX, "N", "S", "0 \xB0 30.0000 ' S "},
        {"DMS exact", 45.5, POS_FORMAT_DMS, "N", "S", "45 \xB0 30 ' 00.00 \" N "},
        {"DMS negative", -12.5, POS_FORMAT_DMS, "N", "S", "12 \xB0 30 ' 00.00 \" S "},
        {"DMS no leading zeros", 1234.5, POS_FORMAT_DMS, "N", "S", "1234 \xB0 30 ' 00.00 \" N "},
        // Seconds of 59.996 and above print as 60.00 and do not carry.
        {"DMS 60.00 no carry", 12.999999999, POS_FORMAT_DMS, "N", "S", "12 \xB0 59 ' 60.00 \" N "},
        {"DMS below 10.1", 10.1, POS_FORMAT_DMS, "N", "S", "10 \xB0 05 ' 60.00 \" N "},
        {"DMS 59.996 s", 59.996 / 3600, POS_FORMAT_DMS, "N", "S", "0 \xB0 00 ' 60.00 \" N "},
        {"DMS 59.994 s", 59.994 / 3600, POS_FORMAT_DMS, "N", "S", "0 \xB0 00 ' 59.99 \" N "},
        // 59.9950005 s would print 60.00 in double precision; as a float it is
        // 59.99499893 and prints 59.99.
        {"DMS single precision", 59.9950005 / 3600, POS_FORMAT_DMS, "N", "S", "0 \xB0 00 ' 59.99 \" N "},
        {"metric negative", -12.5, POS_FORMAT_METRIC, "N", "S", " N : -000012.500 m"},
        {"metric longitude", 1234.5, POS_FORMAT_METRIC, "E", "W", " E : 0001234.500 m"},
        {"metric rounds", -1234.5678, POS_FORMAT_METRIC, "N", "S", " N : -001234.568 m"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.text, Display(r.value, r.format, r.pos, r.neg)) << r.label;
}

TEST(PosFormat, ParseEntries)
{
    const struct
    {
        const char* label;
        PosFormat format;
        const char* text;
        bool feet;
        bool positive;
        double value;
    } rows[] = {
        {"DMX", POS_FORMAT_DMX, "0453000000", false, true, 45.5},
        {"DMX south", POS_FORMAT_DMX, "0453000000", false, false, -45.5},
        {"DMX decimals", POS_FORMAT_DMX, "0102074073", false, true, 10.0 + 20.74073 / 60},
        {"DMX empty", POS_FORMAT_DMX, "", false, true, 0.0},
        {"DMS", POS_FORMAT_DMS, "0453000000", false, true, 45.5},
        {"DMS decimals", POS_FORMAT_DMS, "0102044444", false, false, -(10.0 + 20.0 / 60 + 44.444 / 3600)},
        {"DMS empty", POS_FORMAT_DMS, "", false, true, 0.0},
        {"DMS all prompts", POS_FORMAT_DMS, "__________", false, true, 0.0},
        {"DMS empty minutes", POS_FORMAT_DMS, "045__00000", false, true, 45.0},
        {"DMS short", POS_FORMAT_DMS, "0453", false, true, 45.05},
        {"DXX", POS_FORMAT_DXX, "12.5", false, false, -12.5},
        {"DXX minus ignored", POS_FORMAT_DXX, "-12.5", false, true, 12.5},
        {"DXX blanks and tail", POS_FORMAT_DXX, "  7.25xyz", false, true, 7.25},
        {"DXX comma stops", POS_FORMAT_DXX, "12,25", false, true, 12.0},
        {"DXX exponent", POS_FORMAT_DXX, "1e2", false, true, 100.0},
        {"DXX bare exponent", POS_FORMAT_DXX, "1e", false, true, 1.0},
        {"DXX leading point", POS_FORMAT_DXX, ".5", false, true, 0.5},
        {"DXX not a number", POS_FORMAT_DXX, "abc", false, true, 0.0},
        {"DXX inf", POS_FORMAT_DXX, "inf", false, true, 0.0},
        {"DXX nan", POS_FORMAT_DXX, "nan", false, true, 0.0},
        {"DXX hexadecimal", POS_FORMAT_DXX, "0x10", false, true, 0.0},
        {"DXX overflow", POS_FORMAT_DXX, "1e999", false, true, 0.0},
        {"metric keeps its sign", POS_FORMAT_METRIC, "-12.5", false, true, -12.5},
        {"metric feet", POS_FORMAT_METRIC, "3.280839895013123", true, true, 1.0},
        {"unknown notation", static_cast<PosFormat>(7), "12", false, true, 0.0},
    };
    for (const auto& r : rows)
        EXPECT_NEAR(r.value, ParsePosEntry(r.format, r.text, r.feet, r.positive), 1e-12) << r.label;
    EXPECT_EQ(0.0, ParsePosEntry(POS_FORMAT_DXX, nullptr, false, true));
    EXPECT_NEAR(1234.5, ParsePosEntry(POS_FORMAT_METRIC, "4050.197", true, true), 1e-3);
}

TEST(PosFormat, RangeFilter)
{
    const struct
    {
        const char* label;
        double value, stored, lo, hi;
        PosRangeResult result;
    } rows[] = {
        {"inside", 45.0, 10.0, -90.0, 90.0, POS_RANGE_ACCEPT},
        {"bounds included", 90.0, 10.0, -90.0, 90.0, POS_RANGE_ACCEPT},
        {"lower bound included", -90.0, 10.0, -90.0, 90.0, POS_RANGE_ACCEPT},
        {"outside, stored inside", 100.0, 10.0, -90.0, 90.0, POS_RANGE_STORED},
        {"outside, stored on a bound", 100.0, 90.0, -90.0, 90.0, POS_RANGE_REFUSE},
        {"outside, stored on the lower bound", 100.0, -90.0, -90.0, 90.0, POS_RANGE_REFUSE},
        {"NaN, stored inside", kNaN, 10.0, -90.0, 90.0, POS_RANGE_STORED},
        {"NaN, stored outside", kNaN, 95.0, -90.0, 90.0, POS_RANGE_REFUSE},
        {"empty range at -180", -180.0, 0.0, -180.0, -180.0, POS_RANGE_ACCEPT},
        {"empty range, anything else", 0.0, 0.0, -180.0, -180.0, POS_RANGE_REFUSE},
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.result, PosRangeAccepts(r.value, r.stored, r.lo, r.hi)) << r.label;
}

TEST(PosFormat, ValuesWithoutText)
{
    const PosFormat all[] = {POS_FORMAT_DXX, POS_FORMAT_DMX, POS_FORMAT_DMS, POS_FORMAT_METRIC};
    for (PosFormat f : all) {
        for (double v : {kNaN, kInf, -kInf}) {
            EXPECT_EQ("", Entry(v, f)) << "format " << f << " value " << v;
            EXPECT_EQ("", Entry(v, f, true)) << "format " << f << " value " << v;
            EXPECT_EQ("", Display(v, f)) << "format " << f << " value " << v;
        }
    }
    // Degrees beyond a 32-bit integer have no DMX or DMS text.
    for (PosFormat f : {POS_FORMAT_DMX, POS_FORMAT_DMS}) {
        for (double v : {2147483648.0, -2147483648.0, 1e300}) {
            EXPECT_EQ("", Entry(v, f)) << "format " << f << " value " << v;
            EXPECT_EQ("", Display(v, f)) << "format " << f << " value " << v;
        }
    }
    EXPECT_EQ("21474836473000000", Entry(2147483647.5, POS_FORMAT_DMS));
    EXPECT_EQ("2147483647 \xB0 30.0000 ' S ", Display(-2147483647.5, POS_FORMAT_DMX));
    // The other notations write every finite value.
    EXPECT_EQ("10000000000.0000000", Entry(-1e10, POS_FORMAT_DXX));
    EXPECT_EQ(0u, Entry(DBL_MAX, POS_FORMAT_METRIC).find("1797693134862315"));
    EXPECT_EQ("", Entry(DBL_MAX, POS_FORMAT_METRIC, true)); // beyond the double range in feet
}

// Switches LC_NUMERIC to a locale whose decimal separator is a comma for the
// life of the object, and back afterwards.
class CommaLocale
{
public:
    CommaLocale()
    {
        const char* old = std::setlocale(LC_NUMERIC, nullptr);
        m_old = old != nullptr ? old : "C";
#if defined(_WIN32)
        const char* names[] = {"German", "German_Germany.1252", "French"};
#else
        const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE"};
#endif
        for (const char* name : names)
            if (std::setlocale(LC_NUMERIC, name) != nullptr)
                return;
#if !defined(_WIN32)
        // No such locale installed: compile one from the system's locale
        // sources into a private directory (kept for the next run) and point
        // the C library at it.
        std::string dir = std::string("/tmp/quillon-test-locale-") + std::to_string(getuid());
        // The C library remembers a failed lookup, so the files must exist
        // before it is first asked.
        if (access((dir + "/de_DE.UTF-8/LC_NUMERIC").c_str(), R_OK) != 0) {
            std::string cmd = "mkdir -p " + dir + " && localedef -c -i de_DE -f UTF-8 " + dir +
                              "/de_DE.UTF-8 >/dev/null 2>&1";
            if (std::system(cmd.c_str()) == -1)
                return;
        }
        setenv("LOCPATH", dir.c_str(), 1);
        std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
#endif
    }
    ~CommaLocale()
    {
        std::setlocale(LC_NUMERIC, m_old.c_str());
    }

private:
    std::string m_old;
};

TEST(PosFormat, PointWhateverTheLocale)
{
    CommaLocale locale;
    // Without a comma locale in force this test would prove nothing.
    ASSERT_STREQ(",", std::localeconv()->decimal_point) << "no locale with a decimal comma could be set";

    EXPECT_EQ("45.5000000", Entry(45.5, POS_FORMAT_DXX));
    EXPECT_EQ("4050.197", Entry(1234.5, POS_FORMAT_METRIC, true));
    EXPECT_EQ("0.250000 \xB0 S ", Display(-0.25, POS_FORMAT_DXX));
    EXPECT_EQ("45 \xB0 30 ' 00.00 \" N ", Display(45.5, POS_FORMAT_DMS));
    EXPECT_EQ(" N : -000012.500 m", Display(-12.5, POS_FORMAT_METRIC));
    EXPECT_EQ(12.25, ParsePosEntry(POS_FORMAT_DXX, "12.25", false, true));
    EXPECT_EQ(12.0, ParsePosEntry(POS_FORMAT_DXX, "12,25", false, true));
    EXPECT_EQ(-1.5, ParsePosEntry(POS_FORMAT_METRIC, "-1.5e0", false, true));
    EXPECT_NEAR(10.0 + 20.74073 / 60, ParsePosEntry(POS_FORMAT_DMX, "0102074073", false, true), 1e-12);
    EXPECT_NEAR(10.0 + 20.0 / 60 + 44.444 / 3600, ParsePosEntry(POS_FORMAT_DMS, "0102044444", false, true),
                1e-12);
}

// Entry text and back, over many values: each notation loses at most its
// last written digit (rounded for DXX and metric, truncated for DMX and DMS),
// and the hemisphere flag carries the sign.
TEST(PosFormat, RoundTrip)
{
    const struct
    {
        PosFormat format;
        bool feet;
        double tolerance; // in metres or degrees
    } notations[] = {
        {POS_FORMAT_DXX, false, 1e-7},
        {POS_FORMAT_DMX, false, 1e-5 / 60},
        {POS_FORMAT_DMS, false, 1e-3 / 3600},
        {POS_FORMAT_METRIC, false, 1e-3},
        {POS_FORMAT_METRIC, true, 1e-3 / POS_FEET_PER_METRE},
    };
    std::mt19937_64 rng(20261205);
    std::uniform_real_distribution<double> dist(-180.0, 180.0);
    int failures = 0;
    for (int i = 0; i < 50000 && failures < 10; ++i) {
        double v = i == 0 ? 180.0 : i == 1 ? -180.0 : i == 2 ? 0.0 : dist(rng);
        for (const auto& n : notations) {
            CString text = FormatPosEntry(v, n.format, n.feet);
            double back = ParsePosEntry(n.format, text, n.feet, v >= 0.0);
            bool ok =
                std::fabs(back - v) <= n.tolerance + 1e-12 && (v == 0.0 || std::signbit(back) == (v < 0.0));
            if (!ok) {
                ++failures;
                ADD_FAILURE() << "format " << n.format << (n.feet ? " feet" : "") << ": " << v << " -> \""
                              << static_cast<LPCSTR>(text) << "\" -> " << back;
            }
        }
    }
}

} // namespace
