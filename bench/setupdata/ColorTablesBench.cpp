// Cost of naming and converting scheme colours against the shipped
// ColorSystem.csd; every call reads its block from the file again.
#include <benchmark/benchmark.h>

#include "ColorSystem.h"
#include "ColorTables.h"

namespace {

const char* const kData = TINTONIA_SETUP_DIR "/ColorSystem.csd";

void NearestNcsName(benchmark::State& state)
{
    ColorSystem colors;
    ColorTables tables(colors, kData);
    uint32_t color = 0x00123456;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tables.Nearest(kNcs, color));
        color = (color * 1103515245u + 12345u) & 0x00FFFFFF;
    }
}
BENCHMARK(NearestNcsName);

void ConvertSevenColoursToCos(benchmark::State& state)
{
    ColorSystem colors;
    ColorTables tables(colors, kData);
    for (auto _ : state) {
        uint32_t scheme[7] = {0x000000FF, 0x0000FF00, 0x00FF0000, 0x00808080, 0x00FFFFFF, 0x00123456, 0x00654321};
        tables.ConvertScheme(kCos, scheme, 7);
        benchmark::DoNotOptimize(scheme);
    }
}
BENCHMARK(ConvertSevenColoursToCos);

} // namespace

BENCHMARK_MAIN();
