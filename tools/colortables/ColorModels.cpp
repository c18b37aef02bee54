#include "ColorModels.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kPi = 3.14159265358979323846;
// D65 white of CIELAB, Y = 1.
constexpr double kWhite[3] = {0.95047, 1.0, 1.08883};

double Encode(double linear)
{
    return linear <= 0.0031308 ? 12.92 * linear : 1.055 * std::pow(linear, 1 / 2.4) - 0.055;
}

double InverseF(double t)
{
    return t > 6.0 / 29 ? t * t * t : 3 * (6.0 / 29) * (6.0 / 29) * (t - 4.0 / 29);
}

// Linear sRGB of a CIELAB colour (IEC 61966-2-1 matrix).
void LabToLinear(double L, double a, double b, double rgb[3])
{
    const double fy = (L + 16) / 116, fx = fy + a / 500, fz = fy - b / 200;
    const double X = kWhite[0] * InverseF(fx), Y = kWhite[1] * InverseF(fy), Z = kWhite[2] * InverseF(fz);
    rgb[0] = 3.2404542 * X - 1.5371385 * Y - 0.4985314 * Z;
    rgb[1] = -0.9692660 * X + 1.8760108 * Y + 0.0415560 * Z;
    rgb[2] = 0.0556434 * X - 0.2040259 * Y + 1.0572252 * Z;
}

bool InGamut(const double rgb[3])
{
    return std::all_of(rgb, rgb + 3, [](double v) { return v >= -1e-9 && v <= 1 + 1e-9; });
}

uint8_t To8(double linear)
{
    return static_cast<uint8_t>(std::lround(255 * Encode(std::clamp(linear, 0.0, 1.0))));
}

Rgb8 LchToSrgb(double L, double C, double hDegrees)
{
    const double h = hDegrees * kPi / 180;
    return LabToSrgb(L, C * std::cos(h), C * std::sin(h));
}

// Angle interpolation along the shorter arc.
double MixAngle(double from, double to, double t)
{
    double d = std::fmod(to - from + 540.0, 360.0) - 180.0;
    return std::fmod(from + t * d + 360.0, 360.0);
}

bool ParseDigits(const std::string& s, size_t pos, size_t count, int& value)
{
    if (pos + count > s.size())
        return false;
    value = 0;
    for (size_t i = pos; i < pos + count; ++i) {
        if (s[i] < '0' || s[i] > '9')
            return false;
        value = value * 10 + (s[i] - '0');
    }
    return true;
}

// Idealised full colours (chromaticness 100) of the four elementary hues, in
// CIELAB LCh, extrapolated from the published appearance of the NCS
// elementary colours.
struct Lch {
    double L, C, h;
};
constexpr Lch kElementary[4] = {
    {86, 100, 92},  // Y
    {44, 82, 28},   // R
    {38, 62, 252},  // B
    {50, 66, 163},  // G
};

// Munsell Y (percent) of value V, ASTM D1535.
double MunsellY(double v)
{
    return v * (1.1914 + v * (-0.22533 + v * (0.23352 + v * (-0.020484 + v * 0.00081939))));
}

double LightnessOfY(double yPercent)
{
    const double t = yPercent / 100;
    return t > 216.0 / 24389 ? 116 * std::cbrt(t) - 16 : t * 24389.0 / 27;
}

// CIELAB hue angle of Munsell hue 5 of each family, R to RP; hues between
// are interpolated.
constexpr const char* kFamilies[10] = {"R", "YR", "Y", "GY", "G", "BG", "B", "PB", "P", "RP"};
constexpr double kFamilyAngles[10] = {25, 60, 92, 118, 160, 195, 232, 278, 312, 350};

int FamilyIndex(const std::string& f)
{
    for (int i = 0; i < 10; ++i)
        if (f == kFamilies[i])
            return i;
    return -1;
}

// Munsell hue number 0..100 (R 0..10, YR 10..20, ...) to a CIELAB angle.
double HueAngle(double munsell)
{
    const double position = munsell / 10 - 0.5;  // 0 at 5R, 1 at 5YR, ...
    const int lower = static_cast<int>(std::floor(position));
    const double t = position - lower;
    const int i = ((lower % 10) + 10) % 10;
    return MixAngle(kFamilyAngles[i], kFamilyAngles[(i + 1) % 10], t);
}

} // namespace

Rgb8 LabToSrgb(double L, double a, double b)
{
    double rgb[3];
    LabToLinear(L, a, b, rgb);
    if (!InGamut(rgb)) {
        double lo = 0, hi = 1;
        for (int i = 0; i < 40; ++i) {
            const double mid = (lo + hi) / 2;
            LabToLinear(L, a * mid, b * mid, rgb);
            (InGamut(rgb) ? lo : hi) = mid;
        }
        LabToLinear(L, a * lo, b * lo, rgb);
    }
    return {To8(rgb[0]), To8(rgb[1]), To8(rgb[2])};
}

bool NcsToSrgb(const std::string& name, Rgb8& out)
{
    int s = 0, c = 0;
    if (name.size() < 8 || name.compare(0, 2, "S ") != 0 || name[6] != '-' || !ParseDigits(name, 2, 2, s) ||
        !ParseDigits(name, 4, 2, c) || s + c > 100)
        return false;
    const std::string hue = name.substr(7);
    // Greys: whiteness and blackness mixed in CIELAB lightness, black at L* 10.
    const double w = (100.0 - s - c) / 100, k = s / 100.0, chroma = c / 100.0;
    if (hue == "N") {
        if (c != 0)
            return false;
        out = LabToSrgb(100 * w + 10 * k, 0, 0);
        return true;
    }
    static const std::string kLetters = "YRBG";
    const size_t first = kLetters.find(hue[0]);
    if (first == std::string::npos)
        return false;
    Lch full = kElementary[first];
    if (hue.size() > 1) {
        int percent = 0;
        const size_t next = kLetters.find(hue.back());
        if (hue.size() != 4 || !ParseDigits(hue, 1, 2, percent) || next != (first + 1) % 4 || percent == 0)
            return false;
        const Lch& to = kElementary[next];
        const double t = percent / 100.0;
        full = {full.L + t * (to.L - full.L), full.C + t * (to.C - full.C), MixAngle(full.h, to.h, t)};
    }
    const double L = 100 * w + 10 * k + full.L * chroma;
    out = LchToSrgb(L, full.C * chroma, full.h);
    return true;
}

bool CosToSrgb(const std::string& name, Rgb8& out)
{
    const size_t dash = name.find('-');
    if (dash == std::string::npos || dash == 0)
        return false;
    const std::string head = name.substr(0, dash), code = name.substr(dash + 1);
    int value = 0;
    if (head == "N") {
        if (code.size() != 2 || !ParseDigits(code, 0, 2, value) || value < 5 || value > 95)
            return false;
        out = LabToSrgb(LightnessOfY(MunsellY(value / 10.0)), 0, 0);
        return true;
    }
    int chroma = 0;
    if (code.size() != 5 || !ParseDigits(code, 0, 2, value) || !ParseDigits(code, 2, 3, chroma) || value < 5 ||
        value > 95)
        return false;
    double munsellHue = 0;
    if (head[0] == 'N') {
        const int family = FamilyIndex(head.substr(1));
        if (family < 0)
            return false;
        munsellHue = 10.0 * family + 5;
    } else {
        const int family = FamilyIndex(head.substr(0, head.size() - 1));
        const int step = head.back() - '0';
        if (family < 0 || step < 1 || step > 4)
            return false;
        munsellHue = 10.0 * family + 2.5 * step;
    }
    // About five CIELAB chroma units per Munsell chroma step at middle values.
    out = LchToSrgb(LightnessOfY(MunsellY(value / 10.0)), 5.0 * chroma / 10.0, HueAngle(munsellHue));
    return true;
}
