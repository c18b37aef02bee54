#include <cstddef>
#include <cstdint>
#include <vector>

#include "HearingThreshold.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<double> table;
    ParseAthData(data, size, table);
    return 0;
}
