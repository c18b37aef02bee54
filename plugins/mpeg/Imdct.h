#pragma once

namespace mpeg {

// The hybrid filterbank's second half for one channel: IMDCT of each subband (36 points
// for long blocks, three 12-point transforms for short blocks), windowing by block type,
// overlap-add with the previous granule, and frequency inversion of the odd subbands.
// Owns the overlap of each channel.
class Imdct {
public:
    Imdct();
    void Reset();

    // xr: 576 spectral lines (reordered, alias reduced). Subbands from activeSubbands on
    // are zero. out[t][sb] receives 18 time samples for each of the 32 subbands.
    void Process(int channel, const float* xr, int blockType, bool mixed, int activeSubbands, float out[18][32]);

private:
    void Long(const float* in, int blockType, float* result) const;
    void Short(const float* in, float* result) const;

    float overlap_[2][32][18];
    float longCos_[18][18];   // [k][i - 9] for outputs 9..26
    float shortCos_[6][12];
    float window_[4][36];
};

} // namespace mpeg
