// Fuzz target: entered position texts of any shape, in every notation and with
// both flags, must read as finite values; and any double, NaN and infinities
// included, must format without fault.
#include "PosFormat.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the feet flag and the hemisphere flag; the rest is the text.
    const bool bFeet = (data[0] & 1) != 0;
    const bool bPositive = (data[0] & 2) != 0;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const PosFormat formats[] = {POS_FORMAT_DXX, POS_FORMAT_DMX, POS_FORMAT_DMS, POS_FORMAT_METRIC};
    for (PosFormat f : formats) {
        double v = ParsePosEntry(f, text.c_str(), bFeet, bPositive);
        if (!std::isfinite(v))
            std::abort();
        // Whatever was read also has an entry text that reads back as finite.
        CString again = FormatPosEntry(v, f, bFeet);
        if (!std::isfinite(ParsePosEntry(f, again, bFeet, bPositive)))
            std::abort();
    }
    // The same bytes taken as a double: every bit pattern must format.
    if (size >= 1 + sizeof(double)) {
        double raw;
        std::memcpy(&raw, data + 1, sizeof raw);
        for (PosFormat f : formats) {
            FormatPosEntry(raw, f, bFeet);
            FormatPosDisplay(raw, f, "N", "S");
        }
        PosRangeAccepts(raw, raw, -90.0, 90.0);
    }
    return 0;
}
