// MaskData.cpp: the character classes of the mask kinds. They follow the
// single-byte "C" code page: only ASCII letters and digits are letters and
// digits, whatever the process locale, so a field accepts the same input on
// every machine and in the native build.
#include "MaskData.h"

IMPLEMENT_DYNCREATE(CMaskData, CObject)

namespace {
bool IsAsciiDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}
bool IsAsciiAlpha(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
} // namespace

CMaskData::CMaskData() : m_nType(MASK_LITERAL), m_chValue(0) {}

bool CMaskData::IsInput() const
{
    return m_nType >= MASK_DIGIT && m_nType <= MASK_CHAR;
}

bool CMaskData::Accepts(char ch) const
{
    const unsigned char c = static_cast<unsigned char>(ch);
    switch (m_nType) {
    case MASK_DIGIT:
        return IsAsciiDigit(c);
    case MASK_ALNUM:
        return IsAsciiDigit(c) || IsAsciiAlpha(c);
    case MASK_ALPHA:
    case MASK_UPPER:
    case MASK_LOWER:
        return IsAsciiAlpha(c);
    case MASK_CHAR:
        // Printable ASCII and the whole upper half of the code page; never a
        // control character or DEL.
        return (c >= 0x20 && c <= 0x7E) || c >= 0x80;
    default:
        return false;
    }
}

char CMaskData::Convert(char ch) const
{
    if (m_nType == MASK_UPPER && ch >= 'a' && ch <= 'z')
        return static_cast<char>(ch - 'a' + 'A');
    if (m_nType == MASK_LOWER && ch >= 'A' && ch <= 'Z')
        return static_cast<char>(ch - 'A' + 'a');
    return ch;
}

char CMaskData::MaskCharOf(int nType)
{
    static const char chars[] = {'.', ',', ':', '/', '#', 'A', '?', '>', '<', '&'};
    return nType >= 0 && nType <= MASK_CHAR ? chars[nType] : 0;
}

int CMaskData::TypeOfMaskChar(char c)
{
    for (int n = MASK_DECIMAL_SEP; n <= MASK_CHAR; ++n) {
        if (MaskCharOf(n) == c)
            return n;
    }
    return MASK_LITERAL;
}
