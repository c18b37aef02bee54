#include <cstddef>
#include <cstdint>
#include <string>

#include "MonitorState.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MonitorState state;
    std::string name;
    DecodeMonitorFile(data, size, state, name);
    state.Luminance(0x00808080);
    return 0;
}
