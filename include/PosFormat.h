// PosFormat.h: the position notations shared by the position edit control
// and the position display, and the window-free arithmetic and texts behind
// them. Nothing here touches a window, so the same code builds natively.
//
// A position value is one double: decimal degrees for the geographic
// notations (the sign is the hemisphere and is never written as a minus), or
// metres for the metric notation (signed).
//
// Numbers are always written and read with the point as decimal separator,
// whatever the process locale (LC_NUMERIC) is: a host running under a locale
// with a decimal comma gets the same texts as one under the C locale.
//
// Values that are not positions. A NaN or an infinite value has no text in any
// notation, and in DMX and DMS a value whose magnitude is 2147483648 or more
// has none either (its degrees do not fit the 32-bit integer they are written
// as). For such a value FormatPosEntry and FormatPosDisplay return the empty
// string; no double is ever converted to an integer it does not fit.
// DXX and metric texts exist for every finite value.
#pragma once

// Only afxlite's portable core (CString): the functions are exported with
// AFX_EXT_API like every Quillon export (see Quillon.h), which is empty natively.
#include <afx.h>

// The four notations. Stored and passed as a 32-bit signed integer: it is also
// the number written to the profile and carried by the synchronisation message.
enum PosFormat : int
{
    POS_FORMAT_DXX = 0,    // decimal degrees
    POS_FORMAT_DMX = 1,    // whole degrees and decimal minutes
    POS_FORMAT_DMS = 2,    // whole degrees, whole minutes and decimal seconds
    POS_FORMAT_METRIC = 3, // metres (or feet in the edit control)
};

// What a position value measures; also the index of a control's value pair.
enum PosType : int
{
    POS_TYPE_NONE = -1,      // not a notation; also "no type forced"
    POS_TYPE_GEOGRAPHIC = 0, // angle in decimal degrees
    POS_TYPE_METRIC = 1,     // length in metres
};

// An angle taken apart into degrees, minutes and seconds (or, after
// JoinDegrees, decimal degrees and decimal minutes).
struct PosAngle
{
    double deg; // degrees: whole after a split, decimal after a join
    double min; // minutes: whole after a split, decimal within the degree after a join
    double sec; // seconds, decimal
};

// What ConvertPosition is given.
enum PosInputForm : int
{
    POS_INPUT_DEGREES = 0,     // a = decimal degrees
    POS_INPUT_DEG_MIN = 1,     // a = degrees, b = decimal minutes
    POS_INPUT_DEG_MIN_SEC = 2, // a = degrees, b = minutes, c = decimal seconds
};

// Outcome of the range filter applied to a new geographic value.
enum PosRangeResult : int
{
    POS_RANGE_ACCEPT = 0, // the new value is within [min, max]: show it
    POS_RANGE_STORED = 1, // it is not, but the stored value is strictly inside: show that one
    POS_RANGE_REFUSE = 2, // neither: change nothing
};

// Feet per metre: displayed feet = metres * factor; entered feet / factor = metres.
constexpr double POS_FEET_PER_METRE = 3.280839895013123;
// The degree sign in every position text and mask (ANSI code page 1252).
constexpr char POS_DEGREE_SIGN = '\xB0';

// POS_TYPE_GEOGRAPHIC for DXX, DMX and DMS, POS_TYPE_METRIC for METRIC,
// POS_TYPE_NONE for any other number.
AFX_EXT_API PosType GetPosType(PosFormat nFormat);

// Truncation below is toward zero, never rounding, and no field carries into
// the next. Within the 32-bit integer range it is the conversion to a 32-bit
// integer; beyond it the whole part is kept as a double (so 1e10 degrees split
// into 1e10, 0, 0), and NaN or infinities propagate as IEEE arithmetic does.

// abs(a) split into whole degrees, whole minutes and decimal seconds.
AFX_EXT_API PosAngle SplitDecimalDegrees(double a);
// Degrees a (sign dropped) and decimal minutes b (used as given) split into
// whole degrees, whole minutes and decimal seconds.
AFX_EXT_API PosAngle SplitDegreesMinutes(double a, double b);
// Joins in place: a degree count not above zero is negated first, then
// min += sec / 60 and deg += min / 60. sec is left as it was.
AFX_EXT_API void JoinDegrees(PosAngle& angle);
// Splits a value given in one of the input forms (see PosInputForm; form 2
// takes a, b, c as they are) and joins it again. For form 0, deg is abs(a)
// recomputed, min the decimal minutes and sec the seconds of abs(a).
// An unknown form gives all zeros.
AFX_EXT_API PosAngle ConvertPosition(PosInputForm nForm, double a, double b = 0.0, double c = 0.0);

// The text the edit control loads for a value that has passed the range filter:
//   DXX    "%.07lf" of abs(value), e.g. "45.5000000";
//   DMX    ten digits DDD MM mmmmm (degrees, minutes, five decimals of minutes,
//          truncated), e.g. "0453000000"; more than 999 degrees widen it;
//   DMS    ten digits DDD MM SS sss (three decimals of seconds, truncated);
//   METRIC "%.03lf" of the signed value, times POS_FEET_PER_METRE when bFeet.
// bFeet only affects METRIC. Empty for a value with no text (see the top of
// this file), and for an unknown notation.
AFX_EXT_API CString FormatPosEntry(double value, PosFormat nFormat, bool bFeet);

// The value of an entered text. For DXX and METRIC the text is what the edit
// shows; for DMX and DMS it is the masked field's input data, one character
// per input position (ten for DDDMMmmmmm or DDDMMSSsss; empty positions hold
// the prompt). Each number is read from the start of its piece: leading blanks
// skipped, then an optional sign, digits with an optional point and an
// optional exponent, stopping at the first character that cannot continue the
// number. A piece with no number reads as 0.0, and so does a number beyond the
// double range; "inf", "nan" and hexadecimal forms are not numbers here (the
// controls only let digits, signs and the point through), so the result is
// always finite. DMX/DMS pieces: degrees = characters 0-2, then for DMX the
// minutes = characters 3-9 with a point after the first two, for DMS
// minutes = characters 3-4 and seconds = characters 5-9 with a point after the
// first two. Feet are turned into metres for METRIC when bFeet is set. For
// the geographic notations the sign comes only from bPositive (the hemisphere
// shown is the positive one): +abs(value) or -abs(value); a typed minus is
// ignored. A null text reads as empty; an unknown notation gives 0.0.
AFX_EXT_API double ParsePosEntry(PosFormat nFormat, const char* pszText, bool bFeet, bool bPositive);

// The text the position display shows. The symbol is lpszPositive for a value
// >= 0 and lpszNegative below 0; the degree sign is POS_DEGREE_SIGN.
//   DXX    "%.06lf ° %s "                     "45.500000 ° N "
//   DMX    "%d ° %02d.%04d ' %s "             "45 ° 30.0000 ' N " (minutes truncated)
//   DMS    "%d ° %02d ' %05.02f \" %s "       "45 ° 30 ' 00.00 \" N " (seconds through
//          single precision, rounded by the formatter: 59.996 shows as 60.00, no carry)
//   METRIC " %s : %011.03lf m"                " N : -000012.500 m" (always the positive
//          symbol, signed value)
// Empty for a value with no text (see the top of this file) and for an
// unknown notation. A null symbol is a programmer error (asserts in debug
// builds; reads as "" otherwise).
AFX_EXT_API CString FormatPosDisplay(double value, PosFormat nFormat, LPCSTR lpszPositive,
                                     LPCSTR lpszNegative);

// The range filter of the edit control: accept min <= value <= max; otherwise
// fall back to the stored value when min < stored < max; otherwise refuse.
// A NaN value is never accepted (it falls back or is refused).
AFX_EXT_API PosRangeResult PosRangeAccepts(double value, double stored, double dMin, double dMax);
