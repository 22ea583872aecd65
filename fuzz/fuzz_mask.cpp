// fuzz_mask.cpp: the mask compiler and the editing primitives on arbitrary
// bytes. The first byte picks the mask length; the mask follows; the rest is
// a script of operations (operation byte, position byte, character byte).
#include "../src/masked/MaskData.h"
#include "../src/masked/MaskModel.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

typedef CStandaloneMask FuzzModel;

void Require(bool ok)
{
    if (!ok)
        abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t maskLen = data[0] < size - 1 ? data[0] : size - 1;
    const std::string mask(reinterpret_cast<const char*>(data + 1), maskLen);
    FuzzModel m;
    m.SetMask(mask.c_str()); // stops at an embedded 0, as a C string does
    for (size_t i = 1 + maskLen; i + 2 < size; i += 3) {
        const int n = m.Count();
        const int pos = static_cast<int>(data[i + 1]) - 2;
        const char c = static_cast<char>(data[i + 2]);
        const char text[2] = {c, 0};
        switch (data[i] % 10) {
        case 0:
            m.InsertAt(pos, c);
            break;
        case 1:
            m.SetAt(pos, c);
            break;
        case 2:
            m.DeleteRange(pos, pos + data[i] / 10);
            break;
        case 3:
            m.SetInputData(text, pos, (c & 1) != 0);
            break;
        case 4:
            m.SetPromptSymbol(c);
            break;
        case 5:
            m.EmptyData((c & 1) != 0);
            break;
        case 6:
            m.SetInputData(m.GetInputData(m.ShowMask()), 0, true);
            break;
        case 7: {
            const int next = m.GetNextInputLocation(pos);
            const int prev = m.GetPreviousInputLocation(pos);
            const int empty = m.GetEmptyInputLocation(pos);
            Require(next >= 0 && prev >= 0 && empty >= next);
            break;
        }
        case 8: {
            const int l = m.RPtoLP(pos);
            Require(l < 0 || m.LPtoRP(l) == pos);
            break;
        }
        default:
            m.SetMask(m.GetMask());
            break;
        }
        Require(m.ShowMask().GetLength() == m.Count());
        (void)n;
    }
    return 0;
}
