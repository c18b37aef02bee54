#pragma once
// Header field tables: bit rates and sampling frequencies of ISO/IEC 11172-3 2.4.2.3,
// the lower sampling frequencies of ISO/IEC 13818-3 2.4.2.3, and the MPEG 2.5 extension
// (half of the MPEG-2 frequencies).
#include <cstdint>

namespace mpeg {

// Bit rate in kbit/s by [lower sampling frequencies][layer - 1][bitrate_index]; index 0 is
// free format, index 15 forbidden.
inline constexpr uint16_t kBitRates[2][3][16] = {
    {
        {0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448, 0},
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384, 0},
        {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 0},
    },
    {
        {0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256, 0},
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
        {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 0},
    },
};

// Sampling frequency in Hz by [version: 0 MPEG-1, 1 MPEG-2, 2 MPEG 2.5][sampling_frequency].
inline constexpr uint32_t kSampleRates[3][3] = {
    {44100, 48000, 32000},
    {22050, 24000, 16000},
    {11025, 12000, 8000},
};

} // namespace mpeg
