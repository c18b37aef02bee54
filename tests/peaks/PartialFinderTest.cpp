#include "PartialFinder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

bool operator==(const PeakData& a, const PeakData& b) { return a.bin == b.bin && a.amplitude == b.amplitude; }
void PrintTo(const PeakData& p, std::ostream* os) { *os << "(" << p.bin << ", " << p.amplitude << ")"; }

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The search neighbourhoods written out independently of the library's table.
struct Range {
  int first;
  int last;
  std::vector<int> distances;
  double margin;
};
struct SizeRanges {
  int fftSize;
  std::vector<Range> ranges;
};
const double k12 = static_cast<double>(1.2f);
const std::vector<SizeRanges> kSizes = {
    {512, {{2, 31, {2}, 7}, {32, 62, {2, 3}, 8}, {63, 126, {2, 3, 6}, k12}, {127, 243, {2, 3, 6, 12}, 1.5}}},
    {1024, {{2, 63, {2}, 7}, {64, 125, {2, 3}, 8}, {126, 253, {2, 3, 6}, k12}, {254, 499, {2, 3, 6, 12}, 1.5}}},
    {2048, {{6, 127, {6}, 7}, {128, 251, {6, 8}, 8}, {252, 507, {6, 8, 14}, k12}, {508, 997, {6, 8, 14, 26}, 1.5}}},
    {4096, {{20, 255, {20}, 7}, {256, 507, {20, 24}, 7}, {508, 1015, {20, 24, 36}, 7}, {1016, 1987, {20, 24, 36, 60}, 7}}},
    {8192, {{78, 511, {78}, 7}, {512, 1015, {78, 86}, 7}, {1016, 2031, {78, 86, 110}, 7}, {2032, 3925, {78, 86, 110, 158}, 7}}},
};

std::vector<PeakData> Peaks(PartialFinder& finder, const std::vector<double>& half, int n) {
  EXPECT_EQ(finder.AddFftData(half.data(), n), 1);
  std::vector<PeakData> out(n / 4);
  out.resize(finder.PeakGet(out.data()));
  return out;
}

std::vector<int> PeakBins(PartialFinder& finder, const std::vector<double>& half, int n) {
  std::vector<int> bins;
  for (const PeakData& p : Peaks(finder, half, n)) bins.push_back(p.bin);
  return bins;
}

bool Contains(const std::vector<int>& bins, int bin) {
  return std::find(bins.begin(), bins.end(), bin) != bins.end();
}

class PartialFinderTest : public ::testing::Test {
protected:
  std::unique_ptr<PartialFinder> finder = std::make_unique<PartialFinder>();
};

TEST_F(PartialFinderTest, SingleSpikeIsFoundExactlyInsideTheSearchedBins) {
  for (const SizeRanges& size : kSizes) {
    const int half = size.fftSize / 2;
    const int first = size.ranges.front().first;
    const int last = size.ranges.back().last;
    for (int b = 0; b < half; ++b) {
      std::vector<double> spectrum(half, 0.0);
      spectrum[b] = 60.0;
      const std::vector<int> expected = (b >= first && b <= last) ? std::vector<int>{b} : std::vector<int>{};
      ASSERT_EQ(PeakBins(*finder, spectrum, size.fftSize), expected) << "n " << size.fftSize << " bin " << b;
    }
  }
}

// A peak T + 0.5 dB over a -100 dB floor, with one neighbour put exactly T below
// it (0.5 dB): every listed distance of the bin's range must reject it, any
// other distance must not. The differences are exact in binary.
TEST_F(PartialFinderTest, MarginsAreStrictAtEveryDistanceOfTheRange) {
  for (const SizeRanges& size : kSizes) {
    const int half = size.fftSize / 2;
    for (const Range& range : size.ranges) {
      for (int b : {range.first, (range.first + range.last) / 2, range.last}) {
        const std::vector<double> floor = [&] {
          std::vector<double> s(half, -100.0);
          s[b] = range.margin + 0.5;
          return s;
        }();
        ASSERT_TRUE(Contains(PeakBins(*finder, floor, size.fftSize), b)) << size.fftSize << " bin " << b;

        const int reach = range.distances.back() + 1;
        for (int d = 1; d <= reach; ++d) {
          const bool listed = std::find(range.distances.begin(), range.distances.end(), d) != range.distances.end();
          for (int neighbour : {b - d, b + d}) {
            if (neighbour < 0 || neighbour >= half) continue;
            std::vector<double> spectrum = floor;
            spectrum[neighbour] = 0.5;
            EXPECT_EQ(Contains(PeakBins(*finder, spectrum, size.fftSize), b), !listed)
                << "n " << size.fftSize << " bin " << b << " neighbour " << neighbour;
          }
        }
      }
    }
  }
}

TEST_F(PartialFinderTest, FlatTopIsNoPeak) {
  std::vector<double> spectrum(1024, 0.0);
  spectrum[300] = spectrum[301] = 40.0;
  EXPECT_TRUE(PeakBins(*finder, spectrum, 2048).empty());
  spectrum[301] = 39.5;
  EXPECT_EQ(PeakBins(*finder, spectrum, 2048), std::vector<int>{300});
}

TEST_F(PartialFinderTest, PeaksComeInBinOrderWithWeightedAmplitudes) {
  // 2048 points, threshold 10 dB everywhere; loudness weights: bin 10 -> 64,
  // bin 46 -> 97, bin 300 -> 91, bin 900 -> 81.
  std::vector<double> ath(1024, 10.0);
  finder->SetAth(ath.data(), static_cast<int>(ath.size()));
  std::vector<double> spectrum(1024, 0.0);
  spectrum[900] = 109.0;
  spectrum[10] = 60.0;
  spectrum[300] = 40.0;
  spectrum[46] = 70.0;
  const std::vector<PeakData> peaks = Peaks(*finder, spectrum, 2048);
  const std::vector<std::pair<int, double>> expected = {
      {10, 50.0 * 100 / 64}, {46, 60.0 * 100 / 97}, {300, 30.0 * 100 / 91}, {900, 99.0 * 100 / 81}};
  ASSERT_EQ(peaks.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(peaks[i].bin, expected[i].first);
    EXPECT_FLOAT_EQ(peaks[i].amplitude, static_cast<float>(expected[i].second));
  }
}

TEST_F(PartialFinderTest, NoFrameOrNoOutputGivesNoPeaks) {
  PeakData out[4];
  EXPECT_EQ(finder->PeakGet(out), 0);
  std::vector<double> spectrum(1024, 0.0);
  spectrum[100] = 50.0;
  ASSERT_EQ(finder->AddFftData(spectrum.data(), 2048), 1);
  EXPECT_EQ(finder->PeakGet(nullptr), 0);
}

TEST_F(PartialFinderTest, AddFftDataTakesOnlyTheFiveTransformSizes) {
  std::vector<double> spectrum(8192, 0.0);
  const struct {
    int n;
    int result;
  } cases[] = {{-2048, 0}, {0, 0}, {256, 0}, {511, 0}, {512, 1}, {1000, 0}, {1024, 1}, {2048, 1},
               {3000, 0},  {4096, 1}, {8192, 1}, {8194, 0}, {16384, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(finder->AddFftData(spectrum.data(), c.n), c.result) << c.n;
  }
  EXPECT_EQ(finder->AddFftData(nullptr, 2048), 0);
}

TEST_F(PartialFinderTest, RefusedFrameLeavesTheCurrentOneInPlace) {
  std::vector<double> spectrum(1024, 0.0);
  spectrum[200] = 50.0;
  ASSERT_EQ(PeakBins(*finder, spectrum, 2048), std::vector<int>{200});
  std::vector<double> other(8192, 0.0);
  other[300] = 50.0;
  EXPECT_EQ(finder->AddFftData(other.data(), 16384), 0);
  EXPECT_EQ(finder->AddFftData(other.data(), 1000), 0);
  std::vector<PeakData> out(512);
  ASSERT_EQ(finder->PeakGet(out.data()), 1);
  EXPECT_EQ(out[0].bin, 200);
  EXPECT_FLOAT_EQ(out[0].amplitude, static_cast<float>(50.0 * 100 / 92));
}

TEST_F(PartialFinderTest, CopiesHoldTheirOwnFrame) {
  std::vector<double> spectrum(2048, 0.0);
  spectrum[500] = 50.0;
  ASSERT_EQ(finder->AddFftData(spectrum.data(), 4096), 1);
  auto copy = std::make_unique<PartialFinder>(*finder);
  auto assigned = std::make_unique<PartialFinder>();
  *assigned = *finder;
  spectrum[500] = 0.0;
  spectrum[700] = 50.0;
  ASSERT_EQ(finder->AddFftData(spectrum.data(), 4096), 1);
  for (PartialFinder* f : {copy.get(), assigned.get()}) {
    PeakData out[1024];
    ASSERT_EQ(f->PeakGet(out), 1);
    EXPECT_EQ(out[0].bin, 500);
    EXPECT_FLOAT_EQ(out[0].amplitude, 50.0f);
  }
}

// Sets the transform size without giving any peaks.
void UseSize(PartialFinder& finder, int n) {
  if (n == 0) return;
  std::vector<double> silent(n / 2, 0.0);
  ASSERT_EQ(finder.AddFftData(silent.data(), n), 1);
}

TEST_F(PartialFinderTest, ConvAmpWeighsLevelAboveThresholdByLoudness) {
  const struct {
    int fftSize;
    int bin;
    double level;
    double ath;  // NaN: no threshold table
    double expected;
  } cases[] = {
      // 99 dB above the threshold at bin 46 of a 2048-point frame.
      {2048, 46, 109, 10, 9900.0 / 97},
      // Loudness weights at the change-overs of the 2048-point curve: 55, 96, 97, 93, 93, 80.
      {2048, 0, 55, kNaN, 100},
      {2048, 45, 48, kNaN, 4800.0 / 96},
      {2048, 46, 48, kNaN, 4800.0 / 97},
      {2048, 185, 31, kNaN, 3100.0 / 93},
      {2048, 186, 31, kNaN, 3100.0 / 93},
      {2048, 1023, 40, kNaN, 4000.0 / 80},
      // 1024-point curve: same formulas, change-overs at 23 and 93: 75, 97, 95, 94.
      {1024, 22, 30, kNaN, 3000.0 / 75},
      {1024, 23, 30, kNaN, 3000.0 / 97},
      {1024, 92, 30, kNaN, 3000.0 / 95},
      {1024, 93, 30, kNaN, 3000.0 / 94},
      // The other sizes are not weighted.
      {0, 46, 50, kNaN, 50},
      {512, 46, 50, kNaN, 50},
      {4096, 46, 50, kNaN, 50},
      {8192, 3000, 50, kNaN, 50},
      // Clamping to 0..99.
      {4096, 10, 150, kNaN, 99},
      {2048, 46, 150, kNaN, 9900.0 / 97},
      {2048, 46, -3, kNaN, 0},
      {2048, 46, kNaN, kNaN, 0},
      {2048, 46, std::numeric_limits<double>::infinity(), kNaN, 9900.0 / 97},
      // Below or at the threshold is silence, whatever the weighting.
      {2048, 10, 30, 40, 0},
      {1024, 10, 30, 40, 0},
      {8192, 10, 30, 40, 0},
      {2048, 46, 40, 40, 0},
      // Bins no frame has, or the threshold table does not cover.
      {2048, -1, 50, kNaN, 0},
      {8192, 4096, 50, kNaN, 0},
      {4096, 1024, 50, 10, 0},
      {4096, 1023, 50, 10, 40},
  };
  std::vector<double> ath(1024);
  for (const auto& c : cases) {
    auto f = std::make_unique<PartialFinder>();
    UseSize(*f, c.fftSize);
    if (!std::isnan(c.ath)) {
      std::fill(ath.begin(), ath.end(), c.ath);
      f->SetAth(ath.data(), static_cast<int>(ath.size()));
    }
    EXPECT_FLOAT_EQ(f->ConvAmp(c.bin, static_cast<float>(c.level)), static_cast<float>(c.expected))
        << "n " << c.fftSize << " bin " << c.bin << " level " << c.level << " ath " << c.ath;
  }
}

TEST_F(PartialFinderTest, ConvAmpScalesByContrastOfTheWholeAmplitude) {
  float contrast[PartialFinder::kContrastSize];
  for (int i = 0; i < PartialFinder::kContrastSize; ++i) contrast[i] = static_cast<float>(i + 1);
  finder->SetContrast(contrast);
  const struct {
    int fftSize;
    int bin;
    float level;
    double expected;
  } cases[] = {
      {4096, 10, 50.75f, 50.75 * 51},
      {4096, 10, 0.5f, 0.5 * 1},
      {4096, 10, -7.0f, 0},
      {4096, 10, 120.0f, 99.0 * 100},
      // Weighted above 99: the last factor.
      {2048, 46, 99.0f, 9900.0 / 97 * 100},
  };
  for (const auto& c : cases) {
    UseSize(*finder, c.fftSize);
    EXPECT_FLOAT_EQ(finder->ConvAmp(c.bin, c.level), static_cast<float>(c.expected)) << c.level;
  }
  finder->SetContrast(nullptr);
  EXPECT_FLOAT_EQ(finder->ConvAmp(46, 99.0f), static_cast<float>(9900.0 / 97));
}

TEST_F(PartialFinderTest, SetAthWithoutTableOrLengthRemovesIt) {
  std::vector<double> ath(1024, 30.0);
  finder->SetAth(ath.data(), 1024);
  EXPECT_FLOAT_EQ(finder->ConvAmp(10, 50.0f), 20.0f);
  finder->SetAth(ath.data(), 0);
  EXPECT_FLOAT_EQ(finder->ConvAmp(10, 50.0f), 50.0f);
  finder->SetAth(ath.data(), 1024);
  finder->SetAth(nullptr, 1024);
  EXPECT_FLOAT_EQ(finder->ConvAmp(10, 50.0f), 50.0f);
}

TEST(PartialFinderConvDB, MapsMagnitudesToDecibelsWithAFloor) {
  const struct {
    double magnitude;
    double db;
  } cases[] = {{0.0, -20}, {0.05, -20}, {-3.0, -20}, {kNaN, -20}, {0.1, -20},
               {1.0, 0},   {10.0, 20},  {1000.0, 60}, {2.0, 20 * std::log10(2.0)}};
  std::vector<double> values;
  for (const auto& c : cases) values.push_back(c.magnitude);
  ASSERT_EQ(PartialFinder::ConvDB(values.data(), values.data(), static_cast<int>(values.size())), 1);
  for (size_t i = 0; i < values.size(); ++i) EXPECT_DOUBLE_EQ(values[i], cases[i].db) << cases[i].magnitude;
}

TEST(PartialFinderConvDB, RefusesMissingBuffersAndEmptyCounts) {
  double src[1] = {10.0};
  double dst[1] = {7.0};
  EXPECT_EQ(PartialFinder::ConvDB(nullptr, src, 1), 0);
  EXPECT_EQ(PartialFinder::ConvDB(dst, nullptr, 1), 0);
  EXPECT_EQ(PartialFinder::ConvDB(dst, src, 0), 0);
  EXPECT_EQ(PartialFinder::ConvDB(dst, src, -1), 0);
  EXPECT_EQ(dst[0], 7.0);
}

TEST(PartialFinderPusionCh, KeepsEachBinOnceWithTheLargestAmplitude) {
  const struct {
    const char* what;
    std::vector<PeakData> peaks;
    int n;
    std::vector<PeakData> expected;
  } cases[] = {
      {"two channels", {{10, 5}, {20, 7}, {10, 8}, {15, 1}, {20, 3}}, 2048, {{10, 8}, {15, 1}, {20, 7}}},
      {"equal amplitudes", {{4, 2}, {4, 2}}, 2048, {{4, 2}}},
      {"bins outside the frame", {{-1, 3}, {1023, 2}, {1024, 9}, {5000, 1}}, 2048, {{1023, 2}}},
      {"transform above the largest", {{4095, 1}, {4096, 2}, {9000, 3}}, 16384, {{4095, 1}}},
      {"no transform", {{3, 1}}, 0, {}},
  };
  for (const auto& c : cases) {
    std::vector<PeakData> peaks = c.peaks;
    const int count = PartialFinder::PusionCh(peaks.data(), static_cast<int>(peaks.size()), c.n);
    peaks.resize(count);
    EXPECT_EQ(peaks, c.expected) << c.what;
  }
  EXPECT_EQ(PartialFinder::PusionCh(nullptr, 3, 2048), 0);
  PeakData one{1, 1};
  EXPECT_EQ(PartialFinder::PusionCh(&one, 0, 2048), 0);
}

TEST(PartialFinderSortPeakData, StrongestFirstAndNaNLast) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  std::vector<PeakData> peaks = {{1, 3}, {2, nan}, {3, 9}, {4, -1}, {5, nan}, {6, 5}};
  PartialFinder::SortPeakData(peaks.data(), static_cast<int>(peaks.size()));
  const std::vector<int> bins = {3, 6, 1, 4};
  for (size_t i = 0; i < bins.size(); ++i) EXPECT_EQ(peaks[i].bin, bins[i]);
  EXPECT_TRUE(std::isnan(peaks[4].amplitude) && std::isnan(peaks[5].amplitude));

  // A list long enough to leave the small-list path of the sort.
  std::vector<PeakData> many;
  for (int i = 0; i < 500; ++i) many.push_back({i, i % 7 == 0 ? nan : static_cast<float>((i * 37) % 101)});
  PartialFinder::SortPeakData(many.data(), static_cast<int>(many.size()));
  const auto firstNaN = std::find_if(many.begin(), many.end(), [](const PeakData& p) { return std::isnan(p.amplitude); });
  EXPECT_TRUE(std::all_of(firstNaN, many.end(), [](const PeakData& p) { return std::isnan(p.amplitude); }));
  EXPECT_TRUE(std::is_sorted(many.begin(), firstNaN, [](const PeakData& a, const PeakData& b) { return a.amplitude > b.amplitude; }));

  PartialFinder::SortPeakData(nullptr, 5);
}

// A harmonic tone with a decaying series of partials over a gently sloping floor.
std::vector<double> HarmonicSpectrum(int n, int fundamental) {
  std::vector<double> s(n / 2);
  for (int b = 0; b < n / 2; ++b) s[b] = -10.0 - 0.01 * b + 0.3 * std::sin(b * 0.7);
  for (int h = 1; h * fundamental < n / 2 - 200; ++h) s[h * fundamental] = 80.0 - 3.0 * h;
  return s;
}

TEST(PartialFinderThreads, TwoFindersRunAtOnce) {
  struct Job {
    int n;
    std::vector<double> spectrum;
    std::vector<PeakData> expected;
    bool same = true;
  };
  Job jobs[2] = {{2048, HarmonicSpectrum(2048, 23), {}}, {8192, HarmonicSpectrum(8192, 97), {}}};
  for (Job& job : jobs) {
    auto f = std::make_unique<PartialFinder>();
    job.expected = Peaks(*f, job.spectrum, job.n);
    job.expected.resize(PartialFinder::PusionCh(job.expected.data(), static_cast<int>(job.expected.size()), job.n));
    ASSERT_GT(job.expected.size(), 5u);
  }
  auto run = [](Job& job) {
    auto f = std::make_unique<PartialFinder>();
    std::vector<PeakData> out(job.n / 4);
    for (int round = 0; round < 200; ++round) {
      f->AddFftData(job.spectrum.data(), job.n);
      int count = f->PeakGet(out.data());
      count = PartialFinder::PusionCh(out.data(), count, job.n);
      job.same = job.same && std::equal(out.begin(), out.begin() + count, job.expected.begin(), job.expected.end());
    }
  };
  std::thread first(run, std::ref(jobs[0]));
  std::thread second(run, std::ref(jobs[1]));
  first.join();
  second.join();
  EXPECT_TRUE(jobs[0].same);
  EXPECT_TRUE(jobs[1].same);
}

}  // namespace
