#include "ColorRecords.h"

namespace {

// Ordered comparisons are false for NaN, so a pair involving a NaN is equal.
bool Differs(float a, float b)
{
    return a < b || a > b;
}

} // namespace

HLSINFO::HLSINFO() : hue(0), lightness(0), saturation(0) {}

HLSINFO::HLSINFO(float hue, float lightness, float saturation)
    : hue(hue), lightness(lightness), saturation(saturation)
{
}

const HLSINFO& HLSINFO::operator=(const HLSINFO& other)
{
    hue = other.hue;
    lightness = other.lightness;
    saturation = other.saturation;
    return *this;
}

bool HLSINFO::operator!=(const HLSINFO& other) const
{
    return Differs(hue, other.hue) || Differs(lightness, other.lightness)
        || Differs(saturation, other.saturation);
}

HSVINFO::HSVINFO() : hue(0), saturation(0), value(0) {}

HSVINFO::HSVINFO(float hue, float saturation, float value)
    : hue(hue), saturation(saturation), value(value)
{
}

const HSVINFO& HSVINFO::operator=(const HSVINFO& other)
{
    hue = other.hue;
    saturation = other.saturation;
    value = other.value;
    return *this;
}

bool HSVINFO::operator!=(const HSVINFO& other) const
{
    return Differs(hue, other.hue) || Differs(saturation, other.saturation)
        || Differs(value, other.value);
}

CMYKINFO::CMYKINFO() : cyan(0), magenta(0), yellow(0), black(0) {}

CMYKINFO::CMYKINFO(float cyan, float magenta, float yellow, float black)
    : cyan(cyan), magenta(magenta), yellow(yellow), black(black)
{
}

const CMYKINFO& CMYKINFO::operator=(const CMYKINFO& other)
{
    cyan = other.cyan;
    magenta = other.magenta;
    yellow = other.yellow;
    black = other.black;
    return *this;
}
