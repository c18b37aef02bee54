#pragma once

#include <cstdint>

#if defined(PARTIALFINDER_BUILDING)
#define PARTIALFINDER_API __attribute__((visibility("default")))
#else
#define PARTIALFINDER_API
#endif

// One spectral peak: the bin it lies in (0 = DC; bin b of an N-point transform
// lies at b * sampleRate / N Hz) and its weighted strength (see ConvAmp).
struct PeakData {
  int32_t bin;
  float amplitude;
};
static_assert(sizeof(PeakData) == 8);

// Finds the peaks of one frame of a magnitude spectrum in decibels.
//
// A finder holds the current frame (the decibel magnitudes of bins 0 .. N/2 - 1
// of an N-point transform, N one of 512, 1024, 2048, 4096, 8192) and borrows two
// optional tables it never owns: a hearing threshold in decibels per bin and 100
// contrast factors. A bin is a peak when it stands out from neighbours at fixed
// distances by fixed margins; the neighbourhood widens towards high frequencies.
// Peaks are weighed against the threshold and, for 1024- and 2048-point frames,
// against a loudness curve.
//
// Nothing is allocated and nothing is shared between finders: any number of
// finders may run at once on different threads. Bad input is refused through the
// return value (0) and leaves the finder's frame as it was.
class PARTIALFINDER_API PartialFinder {
public:
  static constexpr int kMaxFftSize = 8192;
  static constexpr int kMaxBins = kMaxFftSize / 2;
  static constexpr int kContrastSize = 100;

  PartialFinder();
  PartialFinder(const PartialFinder& other);
  PartialFinder& operator=(const PartialFinder& other);

  // Takes a new frame: the first n / 2 values of spectrum. Returns 1, or 0 when
  // spectrum is null or n is not one of the five transform sizes.
  int AddFftData(const double* spectrum, int n);

  // Borrows a hearing threshold of count values, one per bin, on the spectrum's
  // decibel scale; null or a count of 0 or less removes it.
  void SetAth(const double* table, int count);

  // Borrows kContrastSize factors indexed by the integer part of a weighted
  // amplitude; null removes them.
  void SetContrast(const float* table);

  // Writes the peaks of the current frame in ascending bin order and returns
  // their number; out needs room for halfSize / 2 peaks (no two peaks are
  // neighbours, so there are never more).
  int PeakGet(PeakData* out);

  // Weighted amplitude of a level (decibels) at a bin: the level above the
  // threshold, clamped to 0..99, weighted by the loudness curve and the contrast
  // factors. Bins outside 0 .. kMaxBins - 1, or outside the threshold table when
  // one is set, give 0.
  float ConvAmp(int bin, float level);

  // dst[i] = 20 log10(max(src[i], 0.1)) for i < count; dst may equal src.
  // Returns 0 when a pointer is null or count is 0 or less, else 1.
  static int ConvDB(double* dst, const double* src, int count);

  // Merges a list holding the peaks of several channels of an n-point transform:
  // each bin of 0 .. n/2 - 1 is kept once, with the largest amplitude any
  // channel had there, in ascending bin order. Peaks of other bins are dropped.
  // Returns the new count.
  static int PusionCh(PeakData* peaks, int count, int n);

  // Sorts by amplitude, strongest first; NaN amplitudes go last.
  static void SortPeakData(PeakData* peaks, int count);

private:
  double spectrum[kMaxBins];
  int fftSize;
  int halfSize;
  const float* contrast;
  const double* ath;
  int athCount;
};
