#include "ConsonaSystem.h"

#include <cmath>

namespace {

// log2 of the tuning factor that places C at position 0.0083 of its octave;
// computed once when the library is loaded.
const double kPitchOffset = std::log10(0.9789675) / std::log10(2.0);

constexpr double kOctaveOneC = 16.351597831287414;

// Note positions outside [0, 12), and NaN or infinite ones, are brought onto
// the circle; 12 is C again.
double WrapNote(double note)
{
    if (note >= 0.0 && note < 12.0)
        return note;
    if (!std::isfinite(note))
        return 0.0;
    note = std::fmod(note, 12.0);
    if (note < 0.0)
        note += 12.0;
    if (note >= 12.0)
        note = 0.0;
    return note;
}

struct Percent {
    double red;
    double green;
    double blue;
};

// The wheel in channel percent. The mix of strict and non-strict comparisons
// decides which colour owns each breakpoint.
Percent WheelPercent(double d)
{
    Percent p;
    if (d <= 1.8389)
        p.red = 100.0;
    else if (d < 4.0656)
        p.red = 182.5877 - 44.9101 * d;
    else if (d <= 6.6215)
        p.red = 0.0;
    else if (d < 10.3012)
        p.red = 27.1759 * d - 179.9471;
    else
        p.red = 100.0;

    if (d < 1.8389)
        p.green = 54.3787 * d;
    else if (d <= 4.7582)
        p.green = 100.0;
    else if (d < 6.6215)
        p.green = 355.3593 - 53.6671 * d;
    else
        p.green = 0.0;

    if (d <= 4.0656)
        p.blue = 0.0;
    else if (d < 4.7582)
        p.blue = 144.3864 * d - 587.0206;
    else if (d <= 10.3012)
        p.blue = 100.0;
    else
        p.blue = 706.4102 - 58.8675 * d;
    return p;
}

// Darker than 50 scales the channel; lighter adds a truncated share of the
// distance to 100, itself held to 0..255.
double ApplyLightness(double c, double lightness)
{
    const double f = lightness * 0.02;
    if (lightness < 50.0)
        return f * c;
    const double k = (100.0 - c) * (f - 1.0);
    const int step = !(k > 0.0) ? 0 : (k >= 255.0 ? 255 : static_cast<int>(k));
    return c + step;
}

// Percent to 0..255 as the wheel's stored colours were made: truncate, scale
// by 255 then 0.01, truncate, clamp. Negative percentages give 0.
double ToChannel(double c)
{
    if (!(c >= 1.0))
        return 0.0;
    if (c >= 200.0)
        return 255.0;
    const double scaled = std::trunc(std::trunc(c) * 255.0 * 0.01);
    return scaled > 255.0 ? 255.0 : scaled;
}

double BaseFrequency(int octave)
{
    return std::pow(2.0, octave - 1) * kOctaveOneC;
}

} // namespace

ConsonaSystem::ConsonaSystem()
    : pitch(0), octaveFraction(0), notePosition(0), lightness(0), red(0), green(0), blue(0)
{
}

ConsonaSystem::ConsonaSystem(const ConsonaSystem& other) = default;
ConsonaSystem& ConsonaSystem::operator=(const ConsonaSystem& other) = default;
ConsonaSystem::~ConsonaSystem() = default;

void ConsonaSystem::ToConsonaColor(double note, double* red, double* green, double* blue, double lightness)
{
    const Percent p = WheelPercent(WrapNote(note));
    *red = ToChannel(ApplyLightness(p.red, lightness));
    *green = ToChannel(ApplyLightness(p.green, lightness));
    *blue = ToChannel(ApplyLightness(p.blue, lightness));
}

uint32_t ConsonaSystem::ToConsonaColor(double note, double lightness)
{
    double r;
    double g;
    double b;
    ToConsonaColor(note, &r, &g, &b, lightness);
    return static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) | (static_cast<uint32_t>(b) << 16);
}

void ConsonaSystem::ToSaturation(double note, double* saturation)
{
    // 12 is C again, so wrapping keeps its 100.
    const double x = WrapNote(note);
    if (x == 0.0)
        *saturation = 100.0;
    else if (x < 4.0656)
        *saturation = 100.0 - 8.36281 * x;
    else if (x == 4.0656)
        *saturation = 66.0;
    else if (x < 6.6215)
        *saturation = 102.5853 - 8.9987 * x;
    else if (x == 6.6215)
        *saturation = 43.0;
    else
        *saturation = 10.5978 * x - 27.1741;
}

void ConsonaSystem::GetRGB(double frequency, unsigned char* r, unsigned char* g, unsigned char* b)
{
    if (!(frequency > 0.0) || !std::isfinite(frequency)) {
        *this = ConsonaSystem();
        *r = *g = *b = 0;
        return;
    }
    pitch = std::log10(frequency) / std::log10(2.0) + kPitchOffset;
    octaveFraction = pitch - std::trunc(pitch);
    // Ten lightness steps per octave above 13.75 Hz (A of octave 0).
    lightness = frequency >= 13.75 ? static_cast<int32_t>(10.0 * std::log2(frequency * 0.07272727272727272)) : 0;
    notePosition = 12.0 * octaveFraction;
    ToConsonaColor(notePosition, &red, &green, &blue, lightness);
    *r = static_cast<unsigned char>(red);
    *g = static_cast<unsigned char>(green);
    *b = static_cast<unsigned char>(blue);
}

void ConsonaSystem::GetRGB(unsigned char octave, unsigned char note, unsigned char* r, unsigned char* g,
                           unsigned char* b)
{
    double frequency;
    GetNoteToFreq(octave, note, &frequency);
    GetRGB(frequency, r, g, b);
}

void ConsonaSystem::GetNoteToFreq(unsigned char octave, unsigned char note, double* frequency)
{
    // The twelfth is the single-precision one, the product is formed in double:
    // A of octave 5 comes out as 440.0000068 Hz.
    constexpr float twelfth = 0.083333336f;
    *frequency = std::pow(2.0, static_cast<double>(note) * static_cast<double>(twelfth))
        * std::pow(2.0, static_cast<int>(octave) - 1) * kOctaveOneC;
}

void ConsonaSystem::GetFreqToNote(float frequency, int* octave, int* note, int steps)
{
    if (!(frequency > 0.0f) || !std::isfinite(frequency)) {
        *octave = 0;
        *note = 0;
        return;
    }
    // Octaves begin half-way between B and the C above it.
    const int oct = static_cast<int>(std::log2(static_cast<double>(frequency) * 0.1258437390112854));
    const double b = BaseFrequency(oct - 1) * std::pow(2.0, 0.9166666666666666);
    const double mid = (BaseFrequency(oct) + b) * 0.5;
    const double index = steps * std::log2(frequency / mid);
    int n = 0;
    if (steps > 0 && index > 0.0)
        n = index >= steps - 1 ? steps - 1 : static_cast<int>(index);
    *octave = oct;
    *note = n;
}

float ConsonaSystem::GetBaseFreqFmOctave(int octave)
{
    return static_cast<float>(BaseFrequency(octave));
}
