#pragma once

#include <cstdint>

// Packing and clamping of colour values (0x00BBGGRR), private to the library.
namespace colorchannels {

inline int Red(uint32_t color) { return static_cast<int>(color & 0xFF); }
inline int Green(uint32_t color) { return static_cast<int>((color >> 8) & 0xFF); }
inline int Blue(uint32_t color) { return static_cast<int>((color >> 16) & 0xFF); }

// Channels are clamped to 0..255 before packing.
inline uint32_t Pack(int r, int g, int b)
{
    return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) | (static_cast<uint32_t>(b) << 16);
}

inline int ClampInt(int v)
{
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

// Truncates toward zero and clamps to 0..255; NaN gives 0. Clamping first keeps
// the conversion to int defined for any input.
template <typename Real>
inline int TruncChannel(Real v)
{
    if (!(v > 0))
        return 0;
    if (v >= 255)
        return 255;
    return static_cast<int>(v);
}

} // namespace colorchannels
