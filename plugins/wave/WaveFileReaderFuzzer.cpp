// Feeds arbitrary bytes to the WAVE reader and reads every data byte it offers.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "WaveFileReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    WaveFileReader reader;
    if (!reader.OpenMemory({data, size}))
        return 0;
    std::vector<std::uint8_t> buffer(4096);
    std::uint64_t total = 0;
    std::int32_t count = 0;
    while ((count = reader.Read(buffer.data(), std::uint32_t(buffer.size()))) > 0)
        total += std::uint64_t(count);
    // Every byte the reader hands out lies inside the input.
    if (total > size)
        __builtin_trap();
    reader.SeekData(reader.DataSize() / 2);
    while (reader.Read(buffer.data(), std::uint32_t(buffer.size())) > 0) {
    }
    return 0;
}
