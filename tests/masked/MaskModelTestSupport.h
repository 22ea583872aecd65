// MaskModelTestSupport.h: a window-free mask model for the model tests
// (native and under Wine), with its records readable.
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
    static std::string Str(const CString& s) { return std::string(s.GetString(), size_t(s.GetLength())); }
};
