// Mixing, nearest-colour search and display quantisers of ColorSystem.

#include <cmath>

#include "ColorChannels.h"
#include "ColorModelTables.h"
#include "ColorSystem.h"

using colorchannels::Blue;
using colorchannels::ClampInt;
using colorchannels::Green;
using colorchannels::Pack;
using colorchannels::Red;

namespace {

// The program's own pi; mixes stored in favourites depend on it.
constexpr double kPi = 3.141592;
constexpr double kInv180 = 0.005555555555555556;

double Radians(double degrees)
{
    return degrees * kPi * kInv180;
}

// Distance from the centre to the edge of the colour triangle (corners at
// radius 255 on hues 0, 120 and 240) along an integer hue.
double EdgeDistance(int hue)
{
    constexpr double k = 1.7320499361161;
    constexpr double m = 127.49990377568;
    if (hue >= 0 && hue <= 120) {
        const double t = 255.0 / (std::tan(Radians(90 - hue)) + k);
        const double u = 255.0 - k * t;
        return std::sqrt(t * t + u * u);
    }
    if (hue > 120 && hue < 240) {
        const double u = m / std::tan(Radians(270 - hue));
        return std::sqrt(u * u + m * m);
    }
    const double t = 255.0 / (std::tan(Radians(270 - hue)) - k);
    const double u = 255.0 + k * t;
    return std::sqrt(t * t + u * u);
}

int WebLevel(int v)
{
    if (v < 26)
        return 0;
    if (v < 77)
        return 51;
    if (v < 128)
        return 102;
    if (v < 179)
        return 153;
    if (v < 230)
        return 204;
    return 255;
}

// Nearest display level; a value at the integer midpoint of two levels goes up.
template <size_t N>
int DisplayLevel(int v, const int (&levels)[N])
{
    v = ClampInt(v);
    int result = v;
    for (size_t i = 0; i + 1 < N; ++i) {
        const int lo = levels[i];
        const int hi = levels[i + 1];
        if (lo <= v && v <= hi)
            result = v < (lo + hi) / 2 ? lo : hi;
    }
    return result;
}

} // namespace

void ColorSystem::ConvertHsvSpace(double* x, double* y, int hue, eHsvMode mode) const
{
    const double r = EdgeDistance(hue);
    if (mode == ToTriangleSpace) {
        *x = r * *x * 0.00392156862745098;
        *y = r * *y * 0.00392156862745098;
    } else if (mode == FromTriangleSpace) {
        *x = *x * 255.0 / r;
        *y = *y * 255.0 / r;
    }
}

uint32_t ColorSystem::CalculMix(const uint32_t* colours, int count) const
{
    if (count <= 0 || colours == nullptr)
        return 0;
    double sumX = 0;
    double sumY = 0;
    double sumValue = 0;
    for (int i = 0; i < count; ++i) {
        const HSVINFO hsv = RgbToHsv(Red(colours[i]), Green(colours[i]), Blue(colours[i]), 255.0f);
        double x = hsv.saturation * std::sin(Radians(hsv.hue));
        double y = hsv.saturation * std::cos(Radians(hsv.hue));
        ConvertHsvSpace(&x, &y, static_cast<int>(hsv.hue + 0.5), ToTriangleSpace);
        sumX += x;
        sumY += y;
        sumValue += hsv.value;
    }
    sumX /= count;
    sumY /= count;
    sumValue /= count;
    float hue = static_cast<float>(std::atan2(sumX, sumY) * 180.0 / kPi);
    if (hue < 0.0f)
        hue += 360.0f;
    ConvertHsvSpace(&sumX, &sumY, static_cast<int>(hue + 0.5f), FromTriangleSpace);
    const double saturation = std::sqrt(sumX * sumX + sumY * sumY);
    return HsvToRgb(hue, static_cast<float>(saturation), static_cast<float>(sumValue), 255.0f);
}

int ColorSystem::ColorResemble(uint32_t color, const uint32_t* table, int count) const
{
    // Larger than any possible distance (3 * 255 * 255), so the first entry is
    // always taken when nothing nearer follows.
    unsigned best = 200000;
    int index = 0;
    for (int i = 0; i < count; ++i) {
        const int dr = Red(color) - Red(table[i]);
        const int dg = Green(color) - Green(table[i]);
        const int db = Blue(color) - Blue(table[i]);
        const unsigned distance = static_cast<unsigned>(dr * dr + dg * dg + db * db);
        if (distance < best) {
            best = distance;
            index = i;
        }
    }
    return index;
}

uint32_t ColorSystem::To216WebColor(int r, int g, int b) const
{
    return Pack(WebLevel(r), WebLevel(g), WebLevel(b));
}

uint32_t ColorSystem::To216WebColor(uint32_t color) const
{
    return To216WebColor(Red(color), Green(color), Blue(color));
}

uint32_t ColorSystem::ToH16BitWebColor(int r, int g, int b) const
{
    return Pack(DisplayLevel(r, colormodeltables::kLevels5), DisplayLevel(g, colormodeltables::kLevels6),
                DisplayLevel(b, colormodeltables::kLevels5));
}

uint32_t ColorSystem::ToH16BitWebColor(uint32_t color) const
{
    return ToH16BitWebColor(Red(color), Green(color), Blue(color));
}
