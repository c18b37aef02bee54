#include <cstddef>
#include <cstdint>
#include <vector>

#include "ColorTables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<uint32_t> block;
    for (int b = 0; b < kColorSystemBlockCount; ++b)
        ParseColorSystemBlock(data, size, b, block);
    return 0;
}
