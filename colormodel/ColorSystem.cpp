#include "ColorSystem.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ColorChannels.h"
#include "ColorModelTables.h"
#include "ConsonaSystem.h"

using colorchannels::Blue;
using colorchannels::ClampInt;
using colorchannels::Green;
using colorchannels::Pack;
using colorchannels::Red;
using colorchannels::TruncChannel;

namespace {

// The single-precision reciprocals the conversions are defined with; results
// stored by the program depend on their exact rounding.
constexpr float kInv510 = 0.0019607844f;
constexpr float kInv255 = 0.003921569f;
constexpr float kInv60 = 0.016666668f;
constexpr float kInv15300 = 0.000065359476f;

// a * b / c with a 64-bit product, halves rounded away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const int64_t product = static_cast<int64_t>(a) * b;
    int64_t quotient = product / c;
    const int64_t remainder = product % c;
    if (2 * std::llabs(remainder) >= std::llabs(static_cast<int64_t>(c)))
        quotient += ((product < 0) != (c < 0)) ? -1 : 1;
    return static_cast<int>(quotient);
}

} // namespace

ColorSystem::ColorSystem() = default;
ColorSystem::ColorSystem(const ColorSystem& other) = default;
ColorSystem& ColorSystem::operator=(const ColorSystem& other) = default;
ColorSystem::~ColorSystem() = default;

HLSINFO ColorSystem::RgbToHls(int r, int g, int b, float scale) const
{
    r = ClampInt(r);
    g = ClampInt(g);
    b = ClampInt(b);
    const int mx = std::max({r, g, b});
    const int mn = std::min({r, g, b});
    const float lightness = static_cast<float>(mx + mn) * kInv510;
    float hue = 0;
    float saturation = 0;
    // Equal channels cover black and white, the only colours whose divisors
    // below could be zero.
    if (mx != mn) {
        const float delta = static_cast<float>(mx - mn);
        saturation = lightness <= 0.5f ? delta / static_cast<float>(mx + mn)
                                       : delta / static_cast<float>(510 - (mx + mn));
        if (r == mx)
            hue = 60.0f * static_cast<float>(g - b) / delta;
        if (g == mx)
            hue = 60.0f * (static_cast<float>(b - r) / delta + 2.0f);
        if (b == mx)
            hue = 60.0f * (static_cast<float>(r - g) / delta + 4.0f);
        if (hue > 360.0f)
            hue -= 360.0f;
        else if (hue < 0.0f)
            hue += 360.0f;
    }
    return HLSINFO(hue, lightness * scale, saturation * scale);
}

uint32_t ColorSystem::HlsToRgb(float hue, float lightness, float saturation, float scale) const
{
    if (saturation > 255.0f)
        saturation = 255.0f;
    if (lightness > 255.0f)
        lightness = 255.0f;
    const float h6 = hue * kInv60;
    const float s = saturation / scale;
    const float l = lightness / scale;
    float red;
    float green;
    float blue;
    if (s == 0.0f) {
        red = green = blue = l;
    } else {
        const float lo = l <= 0.5f ? l * (1.0f - s) : l - s * (1.0f - l);
        const float hi = 2.0f * l - lo;
        const float span = hi - lo;
        if (h6 < 1.0f) {
            red = hi;
            green = lo + span * h6;
            blue = lo;
        } else if (h6 < 2.0f) {
            red = lo + span * (2.0f - h6);
            green = hi;
            blue = lo;
        } else if (h6 < 3.0f) {
            red = lo;
            green = hi;
            blue = lo + span * (h6 - 2.0f);
        } else if (h6 < 4.0f) {
            red = lo;
            green = lo + span * (4.0f - h6);
            blue = hi;
        } else if (h6 < 5.0f) {
            red = lo + span * (h6 - 4.0f);
            green = lo;
            blue = hi;
        } else {
            red = hi;
            green = lo;
            blue = lo + span * (6.0f - h6);
        }
    }
    return Pack(TruncChannel(red * 255.0f), TruncChannel(green * 255.0f), TruncChannel(blue * 255.0f));
}

HSVINFO ColorSystem::RgbToHsv(int r, int g, int b, float scale) const
{
    r = ClampInt(r);
    g = ClampInt(g);
    b = ClampInt(b);
    const int mx = std::max({r, g, b});
    const int mn = std::min({r, g, b});
    const int delta = mx - mn;
    int hue = 0;
    int s = 0;
    // Black has no hue and no saturation; it must not reach the divisions.
    if (mx != 0) {
        s = MulDiv(delta, 255, mx);
        if (s != 0) {
            if (r == mx)
                hue = MulDiv(g - b, 60, delta);
            if (g == mx)
                hue = MulDiv(b - r, 60, delta) + 120;
            if (b == mx)
                hue = MulDiv(r - g, 60, delta) + 240;
            if (hue < 0)
                hue += 360;
        }
    }
    float saturation = static_cast<float>(s) * scale * kInv255;
    float value = static_cast<float>(mx) * scale * kInv255;
    // The limit removes the excess of the rounded reciprocal at full scale.
    if (saturation > 255.0f)
        saturation = 255.0f;
    if (value > 255.0f)
        value = 255.0f;
    return HSVINFO(static_cast<float>(hue), saturation, value);
}

uint32_t ColorSystem::HsvToRgb(float hue, float saturation, float value, float scale) const
{
    if (scale == 100.0f) {
        // Percent scale; kept in float so that 100 percent becomes exactly 255.
        saturation = static_cast<float>(saturation * 2.55);
        value = static_cast<float>(value * 2.55);
    }
    if (saturation > 255.0f) {
        saturation = 255.0f;
    } else if (saturation == 0.0f) {
        const int grey = TruncChannel(value + 0.5f);
        return Pack(grey, grey, grey);
    }
    if (hue == 360.0f)
        hue = 0.0f;
    // Hues outside the circle (and NaN) have no sector.
    if (!(hue >= 0.0f && hue < 360.0f))
        return 0;
    const int rem = static_cast<int>(hue) % 60;
    const int p = TruncChannel(value - value * saturation * kInv255);
    const int q = TruncChannel(value - static_cast<float>(rem) * value * saturation * kInv15300);
    const int t = TruncChannel(value - static_cast<float>(60 - rem) * value * saturation * kInv15300);
    const int v = TruncChannel(value);
    // The rounded 1/60 lifts hues just below 360 to sector 6; they belong to
    // the last sector.
    const int sector = std::min(static_cast<int>(hue * kInv60), 5);
    switch (sector) {
    case 0: return Pack(v, t, p);
    case 1: return Pack(q, v, p);
    case 2: return Pack(p, v, t);
    case 3: return Pack(p, q, v);
    case 4: return Pack(t, p, v);
    default: return Pack(v, p, q);
    }
}

float ColorSystem::RgbToHHue(float plainHue) const
{
    for (const auto& segment : colormodeltables::kNoteHueSegments) {
        if (plainHue <= segment.bound)
            return segment.base + segment.slope * (plainHue - segment.start);
    }
    return 0.0f;
}

float ColorSystem::RgbToHHue(uint32_t color) const
{
    return RgbToHHue(RgbToHls(Red(color), Green(color), Blue(color), 255.0f).hue);
}

HLSINFO ColorSystem::RgbToHHls(int r, int g, int b, float scale)
{
    lastHls = RgbToHls(r, g, b, scale);
    HLSINFO result = lastHls;
    result.hue = RgbToHHue(lastHls.hue);
    return result;
}

HLSINFO ColorSystem::RgbToHHls(uint32_t color, float scale)
{
    return RgbToHHls(Red(color), Green(color), Blue(color), scale);
}

namespace {

// A note hue becomes a plain hue through the wheel itself: the hue of the
// wheel colour at that note position. The small offset keeps exact note hues
// off the breakpoints of the wheel.
float PlainHueOfNoteHue(const ColorSystem& system, float noteHue)
{
    ConsonaSystem wheel;
    const uint32_t c = wheel.ToConsonaColor(static_cast<double>(noteHue) * 0.03333333333333333 + 0.00005, 50.0);
    return system.RgbToHls(Red(c), Green(c), Blue(c), 255.0f).hue;
}

} // namespace

uint32_t ColorSystem::HHlsToRgb(float noteHue, float lightness, float saturation, float scale) const
{
    return HlsToRgb(PlainHueOfNoteHue(*this, noteHue), lightness, saturation, scale);
}

uint32_t ColorSystem::HHlsToRgb(const HLSINFO& hls, float scale) const
{
    return HHlsToRgb(hls.hue, hls.lightness, hls.saturation, scale);
}

HSVINFO ColorSystem::RgbToHHsv(int r, int g, int b, float scale)
{
    lastHsv = RgbToHsv(r, g, b, scale);
    HSVINFO result = lastHsv;
    result.hue = RgbToHHue(Pack(ClampInt(r), ClampInt(g), ClampInt(b)));
    return result;
}

HSVINFO ColorSystem::RgbToHHsv(uint32_t color, float scale)
{
    return RgbToHHsv(Red(color), Green(color), Blue(color), scale);
}

uint32_t ColorSystem::HHsvToRgb(float noteHue, float saturation, float value, float scale) const
{
    return HsvToRgb(PlainHueOfNoteHue(*this, noteHue), saturation, value, scale);
}

uint32_t ColorSystem::HHsvToRgb(const HSVINFO& hsv, float scale) const
{
    return HHsvToRgb(hsv.hue, hsv.saturation, hsv.value, scale);
}

CMYKINFO ColorSystem::RgbToCmyk(int r, int g, int b) const
{
    const float c = 1.0f - static_cast<float>(ClampInt(r)) * kInv255;
    const float m = 1.0f - static_cast<float>(ClampInt(g)) * kInv255;
    const float y = 1.0f - static_cast<float>(ClampInt(b)) * kInv255;
    const float k = std::min({c, m, y});
    if (k == 1.0f)
        return CMYKINFO(0.0f, 0.0f, 0.0f, 100.0f);
    return CMYKINFO((c - k) / (1.0f - k) * 100.0f, (m - k) / (1.0f - k) * 100.0f,
                    (y - k) / (1.0f - k) * 100.0f, k * 100.0f);
}

CMYKINFO ColorSystem::RgbToCmyk(uint32_t color) const
{
    return RgbToCmyk(Red(color), Green(color), Blue(color));
}

uint32_t ColorSystem::CmykToRgb(float c, float m, float y, float k) const
{
    auto channel = [k](float part) { return TruncChannel((1.0f - (k + (1.0f - k) * part)) * 255.0f + 0.5f); };
    return Pack(channel(c), channel(m), channel(y));
}

uint32_t ColorSystem::CmykToRgb(const CMYKINFO& cmyk) const
{
    return CmykToRgb(cmyk.cyan, cmyk.magenta, cmyk.yellow, cmyk.black);
}

float ColorSystem::OutColorData(const uint32_t* color, eColorMode mode)
{
    const uint32_t c = *color;
    switch (mode) {
    case cmNoteHue: return RgbToHHls(c, 255.0f).hue;
    case cmLightness: return RgbToHHls(c, 255.0f).lightness;
    case cmHlsSaturation: return RgbToHHls(c, 255.0f).saturation;
    case cmHsvSaturation: return RgbToHHsv(c, 255.0f).saturation;
    case cmValue: return RgbToHHsv(c, 255.0f).value;
    case cmCyan: return RgbToCmyk(c).cyan;
    case cmMagenta: return RgbToCmyk(c).magenta;
    case cmYellow: return RgbToCmyk(c).yellow;
    case cmBlack: return RgbToCmyk(c).black;
    case cmHue: return RgbToHls(Red(c), Green(c), Blue(c), 255.0f).hue;
    }
    return 0.0f;
}

uint32_t ColorSystem::OctaveToColor(uint32_t color, int octave)
{
    const HLSINFO hls = RgbToHHls(color, 255.0f);
    return HHlsToRgb(hls.hue, hls.lightness + static_cast<float>(10 * octave), hls.saturation, 255.0f);
}

uint32_t ColorSystem::OctaveToColor(double note, int octave)
{
    ConsonaSystem wheel;
    return OctaveToColor(wheel.ToConsonaColor(note, 50.0), octave);
}
