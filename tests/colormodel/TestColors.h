#pragma once

#include <cstdint>
#include <ostream>

// A colour value split into channels, so failures print as "r,g,b".
struct Rgb {
    int r;
    int g;
    int b;

    bool operator==(const Rgb&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Rgb& c)
{
    return out << c.r << ',' << c.g << ',' << c.b;
}

inline Rgb Split(uint32_t color)
{
    return Rgb{static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
               static_cast<int>((color >> 16) & 0xFF)};
}

inline uint32_t Pack(const Rgb& c)
{
    return static_cast<uint32_t>(c.r) | (static_cast<uint32_t>(c.g) << 8) | (static_cast<uint32_t>(c.b) << 16);
}
