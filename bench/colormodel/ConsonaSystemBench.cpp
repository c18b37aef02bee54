// Costs of the colour model calls made per analysis frame and per scheme.

#include <cstdint>
#include <vector>

#include <benchmark/benchmark.h>

#include "ColorSystem.h"
#include "ConsonaSystem.h"

namespace {

// One call per spectral peak of every analysis frame.
void FrequencyToColour(benchmark::State& state)
{
    ConsonaSystem system;
    double frequency = 27.5;
    for (auto _ : state) {
        unsigned char r, g, b;
        system.GetRGB(frequency, &r, &g, &b);
        benchmark::DoNotOptimize(r + g + b);
        frequency = frequency < 14000 ? frequency * 1.01 : 27.5;
    }
}
BENCHMARK(FrequencyToColour);

// The harmony window colours each chord note through the wheel.
void NoteHueToColour(benchmark::State& state)
{
    const ColorSystem system;
    float hue = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(system.HHlsToRgb(hue, 150.0f, 255.0f, 255.0f));
        hue = hue < 359 ? hue + 0.7f : 0;
    }
}
BENCHMARK(NoteHueToColour);

// The mix colour of a full scheme, drawn for every favourite row.
void MixOfSevenColours(benchmark::State& state)
{
    const ColorSystem system;
    const uint32_t scheme[7] = {0x0000FFu, 0x0089FFu, 0x00FFEAu, 0xFF5400u, 0xFF00A3u, 0x9300FFu, 0x336699u};
    for (auto _ : state)
        benchmark::DoNotOptimize(system.CalculMix(scheme, 7));
}
BENCHMARK(MixOfSevenColours);

// Nearest entry in one block of a named colour table.
void NearestOfBlock(benchmark::State& state)
{
    const ColorSystem system;
    std::vector<uint32_t> table(1750);
    uint32_t seed = 12345;
    for (auto& entry : table) {
        seed = seed * 1664525u + 1013904223u;
        entry = seed >> 8;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(system.ColorResemble(0x336699u, table.data(), static_cast<int>(table.size())));
}
BENCHMARK(NearestOfBlock);

} // namespace
