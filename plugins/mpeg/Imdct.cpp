#include "Imdct.h"

#include <cmath>
#include <cstring>

namespace mpeg {

namespace {
constexpr double kPi = 3.14159265358979323846;
}

Imdct::Imdct()
{
    for (int k = 0; k < 18; ++k)
        for (int i = 9; i < 27; ++i)
            longCos_[k][i - 9] = static_cast<float>(std::cos(kPi / 72.0 * (2 * i + 19) * (2 * k + 1)));
    for (int k = 0; k < 6; ++k)
        for (int i = 0; i < 12; ++i)
            shortCos_[k][i] = static_cast<float>(std::cos(kPi / 24.0 * (2 * i + 7) * (2 * k + 1)));
    // Block windows: 0 normal, 1 start, 3 stop; slot 2 holds the 12-point short window.
    for (int i = 0; i < 36; ++i) {
        double longSine = std::sin(kPi / 36.0 * (i + 0.5));
        window_[0][i] = static_cast<float>(longSine);
        window_[1][i] = static_cast<float>(i < 18 ? longSine : i < 24 ? 1.0 : i < 30 ? std::sin(kPi / 12.0 * (i - 18 + 0.5)) : 0.0);
        window_[3][i] = static_cast<float>(i < 6 ? 0.0 : i < 12 ? std::sin(kPi / 12.0 * (i - 6 + 0.5)) : i < 18 ? 1.0 : longSine);
        window_[2][i] = i < 12 ? static_cast<float>(std::sin(kPi / 12.0 * (i + 0.5))) : 0.0f;
    }
    Reset();
}

void Imdct::Reset()
{
    std::memset(overlap_, 0, sizeof overlap_);
}

void Imdct::Long(const float* in, int blockType, float* result) const
{
    float mid[18] = {};
    for (int k = 0; k < 18; ++k) {
        const float x = in[k];
        const float* row = longCos_[k];
        for (int r = 0; r < 18; ++r)
            mid[r] += x * row[r];
    }
    // mid[r] is output 9 + r; the others follow from the transform's symmetries.
    float y[36];
    for (int i = 0; i < 9; ++i)
        y[i] = -mid[8 - i];
    for (int i = 9; i < 27; ++i)
        y[i] = mid[i - 9];
    for (int i = 27; i < 36; ++i)
        y[i] = mid[53 - i - 9];
    const float* w = window_[blockType];
    for (int i = 0; i < 36; ++i)
        result[i] = y[i] * w[i];
}

void Imdct::Short(const float* in, float* result) const
{
    std::memset(result, 0, sizeof(float) * 36);
    const float* w = window_[2];
    for (int win = 0; win < 3; ++win) {
        float y[12] = {};
        for (int k = 0; k < 6; ++k) {
            const float x = in[3 * k + win];
            for (int i = 0; i < 12; ++i)
                y[i] += x * shortCos_[k][i];
        }
        float* target = result + 6 + 6 * win;
        for (int i = 0; i < 12; ++i)
            target[i] += y[i] * w[i];
    }
}

void Imdct::Process(int channel, const float* xr, int blockType, bool mixed, int activeSubbands, float out[18][32])
{
    float result[36];
    for (int sb = 0; sb < 32; ++sb) {
        float* overlap = overlap_[channel][sb];
        if (sb >= activeSubbands) {
            for (int t = 0; t < 18; ++t)
                out[t][sb] = overlap[t];
            std::memset(overlap, 0, sizeof(float) * 18);
        } else {
            const float* in = xr + 18 * sb;
            if (blockType == 2 && !(mixed && sb < 2))
                Short(in, result);
            else
                Long(in, (blockType == 2) ? 0 : blockType, result);
            for (int t = 0; t < 18; ++t) {
                out[t][sb] = result[t] + overlap[t];
                overlap[t] = result[18 + t];
            }
        }
        if (sb & 1)
            for (int t = 1; t < 18; t += 2)
                out[t][sb] = -out[t][sb];
    }
}

} // namespace mpeg
