// MaskModelTestSupport.h: a window-free mask model, and an independent statement of which characters each
// kind takes, for the model tests (native and under Wine).
#pragma once

#include "../../src/masked/MaskData.h"
#include "../../src/masked/MaskModel.h"

#include <string>

class TestMaskModel : public CStandaloneMask
{
public:
    using CStandaloneMask::CStandaloneMask;

    const CMaskData* Record(int r) const { return Records().GetAt(Records().FindIndex(r)); }
    int TypeAt(int r) const { return Record(r)->m_nType; }
    char ValueAt(int r) const { return Record(r)->m_chValue; }
    std::string Show() const { return Str(ShowMask()); }
    std::string Data() const { return Str(GetInputData()); }

    static std::string Str(const CString& s)
    {
        return std::string(s.GetString(), static_cast<size_t>(s.GetLength()));
    }
};

// Which bytes each kind takes, written out from the table of kinds (ASCII
// classes whatever the locale; MASK_CHAR takes 0x20-0x7E and 0x80-0xFF).
inline bool KindTakes(int nType, unsigned char c)
{
    const bool digit = c >= '0' && c <= '9';
    const bool alpha = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    switch (nType) {
    case MASK_DIGIT:
        return digit;
    case MASK_ALNUM:
        return digit || alpha;
    case MASK_ALPHA:
    case MASK_UPPER:
    case MASK_LOWER:
        return alpha;
    case MASK_CHAR:
        return (c >= 0x20 && c < 0x7F) || c >= 0x80;
    default:
        return false;
    }
}

inline char KindStores(int nType, char c)
{
    if (nType == MASK_UPPER && c >= 'a' && c <= 'z')
        return static_cast<char>(c - 32);
    if (nType == MASK_LOWER && c >= 'A' && c <= 'Z')
        return static_cast<char>(c + 32);
    return c;
}
