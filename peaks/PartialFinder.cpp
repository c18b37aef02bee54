#include "PartialFinder.h"

#include "PeakRangeTables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

namespace {

// Loudness curve of the 1024- and 2048-point frames: the weight (in percent,
// integer part only) a bin's level is divided by. The two sizes share the
// formulas and differ only in where they change over.
int LoudnessWeight(int bin, int firstChange, int secondChange) {
  double w;
  if (bin < firstChange) {
    w = 55.0 + 0.9130435 * bin;
  } else if (bin < secondChange) {
    w = 97.0 - 0.028571429 * (bin - 46);
  } else {
    w = 93.0 - 0.015513127 * (bin - 186);
  }
  return static_cast<int>(w);
}

}  // namespace

PartialFinder::PartialFinder()
    : spectrum{}, fftSize(0), halfSize(0), contrast(nullptr), ath(nullptr), athCount(0) {}

PartialFinder::PartialFinder(const PartialFinder& other) = default;

PartialFinder& PartialFinder::operator=(const PartialFinder& other) = default;

int PartialFinder::AddFftData(const double* data, int n) {
  if (data == nullptr || peakranges::Find(n) == nullptr) return 0;
  fftSize = n;
  halfSize = n / 2;
  std::memcpy(spectrum, data, sizeof(double) * halfSize);
  return 1;
}

void PartialFinder::SetAth(const double* table, int count) {
  if (table == nullptr || count <= 0) {
    ath = nullptr;
    athCount = 0;
    return;
  }
  ath = table;
  athCount = count;
}

void PartialFinder::SetContrast(const float* table) { contrast = table; }

int PartialFinder::PeakGet(PeakData* out) {
  const peakranges::SizeRanges* sizeRanges = peakranges::Find(fftSize);
  if (sizeRanges == nullptr || out == nullptr) return 0;

  std::array<bool, kMaxBins> isMaximum{};
  for (int b = 1; b <= halfSize - 2; ++b) {
    isMaximum[b] = spectrum[b] > spectrum[b - 1] && spectrum[b] > spectrum[b + 1];
  }

  int count = 0;
  for (const peakranges::Range& range : sizeRanges->ranges) {
    for (int b = range.first; b <= range.last; ++b) {
      if (!isMaximum[b]) continue;
      bool standsOut = true;
      for (int k = 0; k < range.distanceCount && standsOut; ++k) {
        const int d = range.distances[k];
        standsOut = spectrum[b] - spectrum[b - d] > range.margin &&
                    spectrum[b] - spectrum[b + d] > range.margin;
      }
      if (standsOut) {
        out[count].bin = b;
        out[count].amplitude = ConvAmp(b, static_cast<float>(spectrum[b]));
        ++count;
      }
    }
  }
  return count;
}

float PartialFinder::ConvAmp(int bin, float level) {
  if (bin < 0 || bin >= kMaxBins) return 0.0f;
  double v = level;
  if (ath != nullptr) {
    if (bin >= athCount) return 0.0f;
    v = level - ath[bin];
  }
  // Written so that NaN also ends up as 0.
  if (!(v > 0.0)) {
    v = 0.0;
  } else if (v >= 99.0) {
    v = 99.0;
  }

  if (fftSize == 2048) {
    v = v * 100.0 / LoudnessWeight(bin, 46, 186);
  } else if (fftSize == 1024) {
    v = v * 100.0 / LoudnessWeight(bin, 23, 93);
  }

  if (contrast != nullptr) {
    const int i = std::min(static_cast<int>(v), kContrastSize - 1);
    v = v * contrast[i];
  }
  return static_cast<float>(v);
}

int PartialFinder::ConvDB(double* dst, const double* src, int count) {
  if (dst == nullptr || src == nullptr || count <= 0) return 0;
  for (int i = 0; i < count; ++i) {
    // Comparing this way round also floors NaN at 0.1.
    const double magnitude = src[i] > 0.1 ? src[i] : 0.1;
    dst[i] = 20.0 * std::log10(magnitude);
  }
  return 1;
}

int PartialFinder::PusionCh(PeakData* peaks, int count, int n) {
  if (peaks == nullptr || count <= 0 || n <= 0) return 0;
  const int bins = std::min(n / 2, kMaxBins);

  std::array<bool, kMaxBins> present{};
  std::array<float, kMaxBins> strongest{};
  for (int i = 0; i < count; ++i) {
    const int b = peaks[i].bin;
    if (b < 0 || b >= bins) continue;
    if (!present[b]) {
      present[b] = true;
      strongest[b] = peaks[i].amplitude;
    } else if (strongest[b] < peaks[i].amplitude) {
      strongest[b] = peaks[i].amplitude;
    }
  }

  int written = 0;
  for (int b = 0; b < bins; ++b) {
    if (present[b]) peaks[written++] = PeakData{b, strongest[b]};
  }
  return written;
}

void PartialFinder::SortPeakData(PeakData* peaks, int count) {
  if (peaks == nullptr || count <= 1) return;
  std::sort(peaks, peaks + count, [](const PeakData& a, const PeakData& b) {
    if (std::isnan(b.amplitude)) return !std::isnan(a.amplitude);
    return a.amplitude > b.amplitude;
  });
}
