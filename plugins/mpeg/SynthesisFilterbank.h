#pragma once
#include <cstdint>

namespace mpeg {

// The polyphase synthesis filterbank: 32 subband samples in, 32 PCM samples out, per
// channel. The matrixing is a 32-point DCT (even/odd recursion) expanded to the 64-value
// V vector; the windowing runs over the last 16 V vectors kept in a ring. Output is
// rounded to the nearest 16-bit value and clipped.
class SynthesisFilterbank {
public:
    SynthesisFilterbank();
    void Reset();

    // Writes 32 samples to pcm[0], pcm[stride], ...
    void Synthesize(int channel, const float* subbands, int16_t* pcm, int stride);

private:
    float v_[2][16][64];
    int head_[2] = {0, 0};
    float window_[8][64];  // window_[i][j]: coefficient for V vector 2i (j < 32) and 2i+1 (j >= 32)
};

} // namespace mpeg
