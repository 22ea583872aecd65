// PosFormat.cpp: splitting and joining angles, and the entry and display texts
// of the position controls. Pure computation, built into quillon.dll and
// natively alike, so no Windows header may appear here.
#include "PosFormat.h"

#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// 2^31: the first magnitude a 32-bit integer cannot hold.
constexpr double kInt32Limit = 2147483648.0;

// Truncation toward zero into a 32-bit integer. False (and n untouched) when
// the result would not fit, NaN included: the caller then has no text to show.
bool TruncInt32(double v, int& n)
{
    if (!(v > -kInt32Limit - 1.0 && v < kInt32Limit))
        return false;
    n = static_cast<int>(v);
    return true;
}

// Appends one printf conversion of a number. The C library writes the decimal
// separator of the process locale (a comma in many), so whatever run of
// characters sits between the digits is put back as the point. Only numeric
// conversions go through here: literals and symbols are appended as they are.
void AppendNumber(std::string& out, const char* format, ...)
{
    char buf[64];
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    int n = std::vsnprintf(buf, sizeof buf, format, args);
    va_end(args);
    ASSERT_MSG(n >= 0, "PosFormat: the C library refused a number format");
    std::string wide;
    const char* text = buf;
    if (n >= static_cast<int>(sizeof buf)) {
        // Large finite values print every integer digit (up to 309 of them).
        wide.resize(static_cast<size_t>(n) + 1);
        std::vsnprintf(&wide[0], wide.size(), format, again);
        text = wide.c_str();
    }
    va_end(again);
    bool bSeparator = false; // inside the locale's separator
    for (const char* p = text; *p != '\0'; ++p) {
        char c = *p;
        if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == ' ') {
            out += c;
            bSeparator = false;
        } else if (!bSeparator) {
            out += '.';
            bSeparator = true;
        }
    }
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Converts a decimal number already checked for syntax ([sign] digits with an
// optional point and exponent) whose point, if any, is at nPoint.
double ConvertDecimal(const std::string& number, size_t nPoint)
{
    char* end = nullptr;
    double v = std::strtod(number.c_str(), &end);
    if (end == number.c_str() + number.size())
        return v;
    // The C library reads with the locale's separator: stopping short means it
    // is not the point, so try again with the locale's own.
    if (nPoint != std::string::npos) {
        std::string local =
            number.substr(0, nPoint) + std::localeconv()->decimal_point + number.substr(nPoint + 1);
        v = std::strtod(local.c_str(), &end);
        if (end == local.c_str() + local.size())
            return v;
    }
    ASSERT_MSG(false, "ParsePosEntry: the C library did not read a decimal number");
    return 0.0;
}

// The number at the start of p[0..len), read as the C locale's strtod reads a
// decimal number. No number, or one beyond the double range, reads as 0.0.
double ReadNumber(const char* p, size_t len)
{
    size_t i = 0;
    while (i < len && IsBlank(p[i]))
        ++i;
    size_t start = i;
    if (i < len && (p[i] == '+' || p[i] == '-'))
        ++i;
    size_t nDigits = 0;
    while (i < len && IsDigit(p[i])) {
        ++i;
        ++nDigits;
    }
    size_t nPoint = std::string::npos;
    if (i < len && p[i] == '.') {
        nPoint = i - start;
        ++i;
        while (i < len && IsDigit(p[i])) {
            ++i;
            ++nDigits;
        }
    }
    if (nDigits == 0)
        return 0.0;
    // An exponent counts only when at least one digit follows its sign.
    if (i < len && (p[i] == 'e' || p[i] == 'E')) {
        size_t j = i + 1;
        if (j < len && (p[j] == '+' || p[j] == '-'))
            ++j;
        if (j < len && IsDigit(p[j])) {
            while (j < len && IsDigit(p[j]))
                ++j;
            i = j;
        }
    }
    double v = ConvertDecimal(std::string(p + start, i - start), nPoint);
    return std::isfinite(v) ? v : 0.0;
}

// Characters [first, first + count) of the text, clipped to its length.
std::string Piece(const char* text, size_t len, size_t first, size_t count)
{
    if (first >= len)
        return std::string();
    return std::string(text + first, len - first < count ? len - first : count);
}

// A piece of digits with the point put after its first two characters (or at
// its end when it is shorter), then read as a number.
double ReadWithPoint(std::string piece)
{
    piece.insert(piece.size() < 2 ? piece.size() : 2, 1, '.');
    return ReadNumber(piece.c_str(), piece.size());
}

} // namespace

PosType GetPosType(PosFormat nFormat)
{
    switch (nFormat) {
    case POS_FORMAT_DXX:
    case POS_FORMAT_DMX:
    case POS_FORMAT_DMS:
        return POS_TYPE_GEOGRAPHIC;
    case POS_FORMAT_METRIC:
        return POS_TYPE_METRIC;
    }
    return POS_TYPE_NONE;
}

PosAngle SplitDecimalDegrees(double a)
{
    PosAngle r;
    double x = std::fabs(a);
    r.deg = std::trunc(x);
    double t = (x - r.deg) * 60.0;
    r.min = std::trunc(t);
    r.sec = (t - r.min) * 60.0;
    return r;
}

PosAngle SplitDegreesMinutes(double a, double b)
{
    PosAngle r;
    r.deg = std::trunc(std::fabs(a));
    r.min = std::trunc(b);
    r.sec = (b - r.min) * 60.0;
    return r;
}

void JoinDegrees(PosAngle& angle)
{
    // Written as "not above zero" so that a zero degree count becomes -0.0,
    // which the additions below turn back into a plain positive sum.
    if (!(angle.deg > 0.0))
        angle.deg = -angle.deg;
    angle.min = angle.min + angle.sec / 60.0;
    angle.deg = angle.deg + angle.min / 60.0;
}

PosAngle ConvertPosition(PosInputForm nForm, double a, double b, double c)
{
    PosAngle r;
    switch (nForm) {
    case POS_INPUT_DEGREES:
        r = SplitDecimalDegrees(a);
        break;
    case POS_INPUT_DEG_MIN:
        r = SplitDegreesMinutes(a, b);
        break;
    case POS_INPUT_DEG_MIN_SEC:
        r = PosAngle{a, b, c};
        break;
    default:
        return PosAngle{0.0, 0.0, 0.0}; // an unknown form is refused
    }
    JoinDegrees(r);
    return r;
}

CString FormatPosEntry(double value, PosFormat nFormat, bool bFeet)
{
    std::string out;
    if (!std::isfinite(value))
        return CString();
    switch (nFormat) {
    case POS_FORMAT_DXX:
        AppendNumber(out, "%.07lf", std::fabs(value));
        break;
    case POS_FORMAT_DMX:
    case POS_FORMAT_DMS: {
        PosAngle p = ConvertPosition(POS_INPUT_DEGREES, value);
        int nDeg, nMin, nFraction;
        if (!TruncInt32(std::fabs(p.deg), nDeg) || !TruncInt32(std::fabs(p.min), nMin))
            return CString();
        // Five decimals of minutes, or the seconds in thousandths: both truncated.
        double fraction = nFormat == POS_FORMAT_DMX ? (p.min - nMin) * 100000.0 : 1000.0 * p.sec;
        if (!TruncInt32(std::fabs(fraction), nFraction))
            return CString();
        AppendNumber(out, "%03d%02d%05d", nDeg, nMin, nFraction);
        break;
    }
    case POS_FORMAT_METRIC: {
        double shown = bFeet ? value * POS_FEET_PER_METRE : value;
        if (!std::isfinite(shown))
            return CString();
        AppendNumber(out, "%.03lf", shown);
        break;
    }
    default:
        return CString(); // an unknown notation has no text
    }
    return CString(out.c_str());
}

double ParsePosEntry(PosFormat nFormat, const char* pszText, bool bFeet, bool bPositive)
{
    const char* text = pszText != nullptr ? pszText : "";
    size_t len = std::strlen(text);
    double v = 0.0;
    switch (nFormat) {
    case POS_FORMAT_DXX:
        v = ReadNumber(text, len);
        break;
    case POS_FORMAT_DMX:
        if (len != 0) {
            double deg = ReadNumber(text, len < 3 ? len : 3);
            double min = ReadWithPoint(Piece(text, len, 3, 7));
            v = ConvertPosition(POS_INPUT_DEG_MIN, deg, min).deg;
        }
        break;
    case POS_FORMAT_DMS:
        if (len != 0) {
            double deg = ReadNumber(text, len < 3 ? len : 3);
            std::string min = Piece(text, len, 3, 2);
            double sec = ReadWithPoint(Piece(text, len, 5, 5));
            v = ConvertPosition(POS_INPUT_DEG_MIN_SEC, deg, ReadNumber(min.c_str(), min.size()), sec).deg;
        }
        break;
    case POS_FORMAT_METRIC:
        v = ReadNumber(text, len);
        return bFeet ? v / POS_FEET_PER_METRE : v;
    default:
        return 0.0;
    }
    // Only the hemisphere shown decides the sign of an angle.
    return bPositive ? std::fabs(v) : -std::fabs(v);
}

CString FormatPosDisplay(double value, PosFormat nFormat, LPCSTR lpszPositive, LPCSTR lpszNegative)
{
    ASSERT_MSG(lpszPositive != nullptr && lpszNegative != nullptr,
               "FormatPosDisplay: null hemisphere symbol");
    const char* positive = lpszPositive != nullptr ? lpszPositive : "";
    const char* symbol = value >= 0.0 ? positive : (lpszNegative != nullptr ? lpszNegative : "");
    const char degree[] = {' ', POS_DEGREE_SIGN, ' ', '\0'};
    std::string out;
    if (!std::isfinite(value))
        return CString();
    switch (nFormat) {
    case POS_FORMAT_DXX:
        AppendNumber(out, "%.06lf", std::fabs(value));
        out += degree;
        break;
    case POS_FORMAT_DMX:
    case POS_FORMAT_DMS: {
        PosAngle p = ConvertPosition(POS_INPUT_DEGREES, value);
        int nDeg, nMin;
        if (!TruncInt32(std::fabs(p.deg), nDeg) || !TruncInt32(std::fabs(p.min), nMin))
            return CString();
        AppendNumber(out, "%d", nDeg);
        out += degree;
        if (nFormat == POS_FORMAT_DMX) {
            int nFraction;
            if (!TruncInt32(std::fabs((p.min - nMin) * 10000.0), nFraction))
                return CString();
            AppendNumber(out, "%02d", nMin);
            out += '.';
            AppendNumber(out, "%04d", nFraction);
            out += " ' ";
        } else {
            // The seconds go through single precision and are rounded by the
            // formatter, so 59.996 and above print as 60.00 without a carry.
            AppendNumber(out, "%02d", nMin);
            out += " ' ";
            AppendNumber(out, "%05.02f", static_cast<double>(static_cast<float>(std::fabs(p.sec))));
            out += " \" ";
        }
        break;
    }
    case POS_FORMAT_METRIC:
        // The label is always the positive symbol; the value keeps its sign.
        out = " ";
        out += positive;
        out += " : ";
        AppendNumber(out, "%011.03lf", value);
        out += " m";
        return CString(out.c_str());
    default:
        return CString(); // an unknown notation has no text
    }
    out += symbol;
    out += ' ';
    return CString(out.c_str());
}

PosRangeResult PosRangeAccepts(double value, double stored, double dMin, double dMax)
{
    if (dMin <= value && value <= dMax)
        return POS_RANGE_ACCEPT;
    if (dMin < stored && stored < dMax)
        return POS_RANGE_STORED;
    return POS_RANGE_REFUSE;
}
