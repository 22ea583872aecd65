// MaskData.h: one record of a masked field, the character shown at one
// position and the kind of position it is. Window-free: shared by the masked
// edit controls and the native build of the mask model.
#pragma once

#include <afx.h>

// Kinds of position; the numbers are part of the record layout.
enum
{
    MASK_DECIMAL_SEP = 0,  // '.': the locale's decimal separator
    MASK_THOUSAND_SEP = 1, // ',': the locale's thousands separator
    MASK_TIME_SEP = 2,     // ':': the locale's time separator
    MASK_DATE_SEP = 3,     // '/': the locale's date separator
    MASK_DIGIT = 4,        // '#': '0' to '9'
    MASK_ALNUM = 5,        // 'A': ASCII letter or digit
    MASK_ALPHA = 6,        // '?': ASCII letter
    MASK_UPPER = 7,        // '>': ASCII letter, stored in upper case
    MASK_LOWER = 8,        // '<': ASCII letter, stored in lower case
    MASK_CHAR = 9,         // '&': 0x20 to 0x7E and 0x80 to 0xFF
    MASK_ESCAPED = 10,     // '\' followed by any character: that character
    MASK_LITERAL = 11      // any other mask character: itself
};

class CMaskData : public CObject
{
    DECLARE_DYNCREATE(CMaskData)

public:
    CMaskData();

    // True for the kinds the user fills in (MASK_DIGIT to MASK_CHAR).
    bool IsInput() const;
    // The character test of the record's kind; false for the fixed kinds.
    bool Accepts(char c) const;
    // c as this kind stores it: upper or lower case for MASK_UPPER/MASK_LOWER.
    char Convert(char c) const;

    int m_nType;    // one of the MASK_ kinds
    char m_chValue; // the shown character: entered, prompt, separator or literal

    // The mask character that compiles to a kind (0 for the kinds that have none).
    static char MaskCharOf(int nType);
    // The kind a mask character compiles to (MASK_LITERAL for any other byte;
    // the backslash is handled by the compiler, not here).
    static int TypeOfMaskChar(char c);
};
