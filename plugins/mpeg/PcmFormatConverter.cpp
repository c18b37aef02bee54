#include "PcmFormatConverter.h"

#include <cmath>

namespace mpeg {

void PcmFormatConverter::SetTarget(int channels, int rate)
{
    targetChannels_ = channels == 1 ? 1 : 2;
    targetRate_ = rate > 0 ? rate : 44100;
    Reset();
}

void PcmFormatConverter::Reset()
{
    phase_ = 0.0;
    previous_[0] = previous_[1] = 0;
    havePrevious_ = false;
}

int PcmFormatConverter::Convert(const int16_t* in, int samples, int channels, int rate, int16_t* out)
{
    auto sampleAt = [&](int index, int channel) -> int {
        if (index < 0)
            return previous_[channel];  // last sample of the previous frame, already converted
        const int16_t* frame = in + index * channels;
        if (targetChannels_ == channels)
            return frame[channel];
        if (targetChannels_ == 2)
            return frame[0];
        return (frame[0] + frame[1]) / 2;
    };
    if (samples <= 0)
        return 0;
    if (rate == targetRate_ || rate <= 0) {
        for (int i = 0; i < samples; ++i)
            for (int c = 0; c < targetChannels_; ++c)
                out[i * targetChannels_ + c] = static_cast<int16_t>(sampleAt(i, c));
        for (int c = 0; c < targetChannels_; ++c)
            previous_[c] = static_cast<int16_t>(sampleAt(samples - 1, c));
        havePrevious_ = true;
        return samples;
    }
    if (!havePrevious_) {
        for (int c = 0; c < targetChannels_; ++c)
            previous_[c] = static_cast<int16_t>(sampleAt(0, c));
        havePrevious_ = true;
    }
    // Positions are measured from previous_ (index -1) in input samples.
    const double step = static_cast<double>(rate) / targetRate_;
    int produced = 0;
    while (produced < kMaxOutputSamples) {
        const double position = phase_ - 1.0;  // relative to in[0]
        const int left = static_cast<int>(std::floor(position));
        if (left + 1 > samples - 1)
            break;
        const double weight = position - left;
        for (int c = 0; c < targetChannels_; ++c) {
            const double a = sampleAt(left, c);
            const double b = sampleAt(left + 1, c);
            out[produced * targetChannels_ + c] = static_cast<int16_t>(std::lround(a + (b - a) * weight));
        }
        ++produced;
        phase_ += step;
    }
    phase_ -= samples;
    for (int c = 0; c < targetChannels_; ++c)
        previous_[c] = static_cast<int16_t>(sampleAt(samples - 1, c));
    return produced;
}

} // namespace mpeg
