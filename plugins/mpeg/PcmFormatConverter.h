#pragma once
#include <cstdint>

namespace mpeg {

// Brings decoded frames to the PCM format fixed when a file was opened: mono and stereo
// are converted into each other, and a frame at another sampling rate is resampled by
// linear interpolation (a stream that changes its rate mid-way is rare and damaged-looking;
// this keeps playback at the right speed). State carries across frames; Reset() after a seek.
class PcmFormatConverter {
public:
    // Largest output per call: 1152 input samples at 8 kHz raised to 48 kHz, two channels.
    static constexpr int kMaxOutputSamples = 1152 * 6 + 2;

    void SetTarget(int channels, int rate);
    void Reset();

    // Converts samples (per channel) of interleaved input; returns samples per channel
    // written to out (room for kMaxOutputSamples * 2).
    int Convert(const int16_t* in, int samples, int channels, int rate, int16_t* out);

private:
    int targetChannels_ = 2;
    int targetRate_ = 44100;
    double phase_ = 0.0;           // position of the next output sample, in input samples after previous_
    int16_t previous_[2] = {0, 0}; // last input sample of the previous frame
    bool havePrevious_ = false;
};

} // namespace mpeg
