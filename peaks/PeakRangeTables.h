#pragma once

// Neighbourhoods of the peak search per transform size: four consecutive bin
// ranges, each with the distances a peak is compared at and the margin in
// decibels it must exceed at every one of them. Higher bins look further out.

namespace peakranges {

struct Range {
  int first;
  int last;
  int distanceCount;
  int distances[4];
  double margin;
};

struct SizeRanges {
  int fftSize;
  Range ranges[4];
};

// The 1.2 dB margin is the single-precision 1.2 widened to double.
inline constexpr double kNarrowMargin = static_cast<double>(1.2f);

inline constexpr SizeRanges kTable[] = {
    {512,
     {{2, 31, 1, {2}, 7.0},
      {32, 62, 2, {2, 3}, 8.0},
      {63, 126, 3, {2, 3, 6}, kNarrowMargin},
      {127, 243, 4, {2, 3, 6, 12}, 1.5}}},
    {1024,
     {{2, 63, 1, {2}, 7.0},
      {64, 125, 2, {2, 3}, 8.0},
      {126, 253, 3, {2, 3, 6}, kNarrowMargin},
      {254, 499, 4, {2, 3, 6, 12}, 1.5}}},
    {2048,
     {{6, 127, 1, {6}, 7.0},
      {128, 251, 2, {6, 8}, 8.0},
      {252, 507, 3, {6, 8, 14}, kNarrowMargin},
      {508, 997, 4, {6, 8, 14, 26}, 1.5}}},
    {4096,
     {{20, 255, 1, {20}, 7.0},
      {256, 507, 2, {20, 24}, 7.0},
      {508, 1015, 3, {20, 24, 36}, 7.0},
      {1016, 1987, 4, {20, 24, 36, 60}, 7.0}}},
    {8192,
     {{78, 511, 1, {78}, 7.0},
      {512, 1015, 2, {78, 86}, 7.0},
      {1016, 2031, 3, {78, 86, 110}, 7.0},
      {2032, 3925, 4, {78, 86, 110, 158}, 7.0}}},
};

constexpr const SizeRanges* Find(int fftSize) {
  for (const SizeRanges& entry : kTable) {
    if (entry.fftSize == fftSize) return &entry;
  }
  return nullptr;
}

// Every comparison stays inside the bins a frame of that size holds.
constexpr bool StaysInside() {
  for (const SizeRanges& entry : kTable) {
    for (const Range& range : entry.ranges) {
      const int reach = range.distances[range.distanceCount - 1];
      if (range.first - reach < 0 || range.last + reach > entry.fftSize / 2 - 1) return false;
    }
  }
  return true;
}
static_assert(StaysInside());

}  // namespace peakranges
