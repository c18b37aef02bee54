#include <cstddef>
#include <cstdint>

#include "MonitorState.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    XyzValue primaries[3];
    const char* tags[3] = {"rXYZ", "gXYZ", "bXYZ"};
    bool all = true;
    for (int i = 0; i < 3; ++i)
        all = ParseXyzTag(data, size, tags[i], primaries[i]).empty() && all;
    if (all) {
        MonitorState state;
        state.ComputeMatrices(primaries, WhitePointOfTemperature(6500));
    }
    return 0;
}
