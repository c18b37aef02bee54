// Reading and writing the user's documents at their largest usual sizes: a full
// favourites list (50 schemes of 7 colours), a project with a long colour
// history, and the palette report, which searches the colour tables for every
// colour and system.
#include "FspFile.h"
#include "PaletteReport.h"
#include "PaletteWriters.h"
#include "ProgramReportSource.h"
#include "ProjectDoc.h"

#include <benchmark/benchmark.h>

namespace {

std::vector<FavoriteScheme> FullFavourites()
{
    std::vector<FavoriteScheme> schemes(50);
    for (int i = 0; i < 50; ++i) {
        schemes[i].name = "scheme " + std::to_string(i);
        schemes[i].count = 7;
        for (int k = 0; k < 7; ++k)
            schemes[i].colors[k] = static_cast<uint32_t>((i * 37 + k * 53) % 256 | ((i * 11 + k * 97) % 256) << 8
                                                         | ((i * 5 + k * 29) % 256) << 16);
    }
    return schemes;
}

void FspRoundTrip(benchmark::State& state)
{
    const auto schemes = FullFavourites();
    for (auto _ : state) {
        std::vector<FavoriteScheme> back;
        benchmark::DoNotOptimize(FspFile::Decode(FspFile::Encode(schemes), back));
    }
}
BENCHMARK(FspRoundTrip);

void ProjectRoundTrip(benchmark::State& state)
{
    CProjectDoc doc;
    doc.history.assign(static_cast<std::size_t>(state.range(0)), HistoryFrame(100, HistoryItem{0.5f, 440.0f, 1, 2, 3}));
    for (auto _ : state) {
        CProjectDoc back;
        benchmark::DoNotOptimize(ProjectFile::Decode(ProjectFile::Encode(doc), back));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(ProjectFile::Encode(doc).size()));
}
BENCHMARK(ProjectRoundTrip)->Arg(0)->Arg(1000);

void PaletteWritersAll(benchmark::State& state)
{
    const auto schemes = FullFavourites();
    std::tm now{};
    for (auto _ : state) {
        benchmark::DoNotOptimize(PaletteWriters::Aco(schemes));
        benchmark::DoNotOptimize(PaletteWriters::PspPalette(schemes));
        benchmark::DoNotOptimize(PaletteWriters::PainterTxt(schemes));
        benchmark::DoNotOptimize(PaletteWriters::Cpl(schemes, "bench.cpl"));
        benchmark::DoNotOptimize(PaletteWriters::Illustrator(schemes, "bench.ai", now));
    }
}
BENCHMARK(PaletteWritersAll);

// Reads the colour tables from the built setup folder once per colour and system.
void Report(benchmark::State& state)
{
    const auto schemes = FullFavourites();
    const auto source = MakeProgramReportSource(TINTONIA_SETUP_DIR);
    for (auto _ : state)
        benchmark::DoNotOptimize(PaletteReport(schemes, "bench.fsp", *source));
}
BENCHMARK(Report)->Unit(benchmark::kMillisecond);

} // namespace
