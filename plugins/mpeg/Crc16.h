#pragma once
#include <cstddef>
#include <cstdint>

namespace mpeg {

// CRC-16 of a protected frame (generator x^16 + x^15 + x^2 + 1, start value 0xFFFF) over
// header bytes 2 and 3 and the given number of bits that follow the CRC word. Returns
// true when it matches the CRC word stored in bytes 4 and 5.
inline bool FrameCrcMatches(const uint8_t* frame, size_t frameBytes, size_t protectedBits)
{
    if (frameBytes < 6 || 6 + (protectedBits + 7) / 8 > frameBytes)
        return false;
    uint32_t crc = 0xFFFF;
    auto feed = [&crc](uint32_t bit) {
        uint32_t top = (crc >> 15) & 1;
        crc = (crc << 1) & 0xFFFF;
        if (top ^ bit)
            crc ^= 0x8005;
    };
    for (int byte = 2; byte < 4; ++byte)
        for (int b = 7; b >= 0; --b)
            feed((frame[byte] >> b) & 1);
    for (size_t i = 0; i < protectedBits; ++i)
        feed((frame[6 + i / 8] >> (7 - i % 8)) & 1);
    uint32_t stored = (uint32_t(frame[4]) << 8) | frame[5];
    return crc == stored;
}

} // namespace mpeg
