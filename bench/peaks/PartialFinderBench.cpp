#include "PartialFinder.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace {

// A decibel spectrum like one frame of music: three voices with decaying
// partials (each spread over a few bins as a windowless transform leaks them)
// over a noise floor falling towards high frequencies.
std::vector<double> MusicLikeSpectrum(int n) {
  std::mt19937 random(1234);
  std::normal_distribution<double> noise(0.0, 3.0);
  const int half = n / 2;
  std::vector<double> magnitude(half);
  for (int b = 0; b < half; ++b) magnitude[b] = std::pow(10.0, (10.0 - 0.01 * b * 2048.0 / n + noise(random)) / 20.0);
  for (double fundamental : {110.0, 164.8, 261.6}) {
    const double binWidth = 44100.0 / n;
    for (int h = 1; h * fundamental < 16000.0; ++h) {
      const double centre = h * fundamental / binWidth;
      const double strength = 4000.0 / h;
      for (int b = static_cast<int>(centre) - 3; b <= static_cast<int>(centre) + 3; ++b) {
        if (b <= 0 || b >= half) continue;
        const double x = b - centre;
        magnitude[b] += strength / (1.0 + 4.0 * x * x);
      }
    }
  }
  std::vector<double> db(half);
  PartialFinder::ConvDB(db.data(), magnitude.data(), half);
  return db;
}

void FindPeaks(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<double> spectrum = MusicLikeSpectrum(n);
  const std::vector<double> ath(n / 2, -5.0);
  auto finder = std::make_unique<PartialFinder>();
  finder->SetAth(ath.data(), n / 2);
  std::vector<PeakData> peaks(n / 4);
  int count = 0;
  for (auto _ : state) {
    finder->AddFftData(spectrum.data(), n);
    count = finder->PeakGet(peaks.data());
    benchmark::DoNotOptimize(peaks.data());
  }
  state.counters["peaks"] = count;
}
BENCHMARK(FindPeaks)->Arg(2048)->Arg(4096)->Arg(8192);

// The analyser's whole per-frame use for two channels: decibels, peaks, fusion, sorting.
void StereoFrame(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<double> left = MusicLikeSpectrum(n);
  std::vector<double> magnitude(left.size());
  for (size_t i = 0; i < left.size(); ++i) magnitude[i] = std::pow(10.0, left[i] / 20.0);
  auto leftFinder = std::make_unique<PartialFinder>();
  auto rightFinder = std::make_unique<PartialFinder>();
  std::vector<double> db(n / 2);
  std::vector<PeakData> combined(n / 2);
  for (auto _ : state) {
    PartialFinder::ConvDB(db.data(), magnitude.data(), n / 2);
    leftFinder->AddFftData(db.data(), n);
    rightFinder->AddFftData(left.data(), n);
    int count = leftFinder->PeakGet(combined.data());
    count += rightFinder->PeakGet(combined.data() + count);
    count = PartialFinder::PusionCh(combined.data(), count, n);
    PartialFinder::SortPeakData(combined.data(), count);
    benchmark::DoNotOptimize(combined.data());
  }
}
BENCHMARK(StereoFrame)->Arg(2048)->Arg(4096)->Arg(8192);

}  // namespace
