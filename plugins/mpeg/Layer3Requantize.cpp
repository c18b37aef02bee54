#include "Layer3Requantize.h"

#include <cmath>

namespace mpeg {

namespace {

constexpr int kLargest = 8206;  // 15 + 2^13 - 1 is the largest magnitude a stream can code
constexpr int kGainLow = -640;  // quarter steps; lower gains underflow to zero anyway
constexpr int kGainHigh = 64;

// sign(i) * |i|^(4/3) for i in -kLargest..kLargest, and 2^(q/4) for the gain range.
struct PowerTables {
    float signedPow43[2 * kLargest + 1];
    float gain[kGainHigh - kGainLow + 1];
    PowerTables()
    {
        for (int i = -kLargest; i <= kLargest; ++i) {
            double magnitude = std::pow(static_cast<double>(i < 0 ? -i : i), 4.0 / 3.0);
            signedPow43[i + kLargest] = static_cast<float>(i < 0 ? -magnitude : magnitude);
        }
        for (int q = kGainLow; q <= kGainHigh; ++q)
            gain[q - kGainLow] = static_cast<float>(std::pow(2.0, q / 4.0));
    }
};

const PowerTables& Powers()
{
    static const PowerTables tables;
    return tables;
}

// 2^(quarterSteps / 4)
inline float Gain(int quarterSteps)
{
    if (quarterSteps < kGainLow)
        return 0.0f;
    if (quarterSteps > kGainHigh)
        quarterSteps = kGainHigh;
    return Powers().gain[quarterSteps - kGainLow];
}

inline void ScaleRange(const int* values, float* xr, int from, int to, float gain, const float* pow43)
{
    for (int i = from; i < to; ++i)
        xr[i] = pow43[values[i]] * gain;
}

} // namespace

void Layer3Requantize::Apply(const int* values, int nonzeroLines, const GranuleChannel& gc,
                             const Layer3ScaleFactors& sf, const ScaleFactorBands& bands, float* xr)
{
    const float* pow43 = Powers().signedPow43 + kLargest;
    const int global = gc.globalGain - 210;
    const int shift = gc.scalefacScale ? 4 : 2;  // scale factor step in quarter octaves
    const bool preflag = gc.preflag || sf.lsfPreflag;
    const int end = nonzeroLines;

    int line = 0;
    if (gc.blockType != 2 || gc.mixedBlock) {
        const int longEnd = gc.blockType == 2 ? 36 : 576;
        for (int band = 0; band < 22 && line < end; ++band) {
            int from = bands.longBands[band];
            int to = bands.longBands[band + 1];
            if (to > longEnd)
                to = longEnd;
            if (from >= to)
                break;
            int factor = sf.longFactors[band] + (preflag ? kPretab[band] : 0);
            ScaleRange(values, xr, from, to < end ? to : end, Gain(global - shift * factor), pow43);
            line = to;
        }
    }
    if (gc.blockType == 2) {
        int band = 0;
        if (gc.mixedBlock) {
            while (band < 13 && 3 * bands.shortBands[band] < 36)
                ++band;
        }
        for (; band < 13 && line < end; ++band) {
            int width = bands.shortBands[band + 1] - bands.shortBands[band];
            for (int w = 0; w < 3; ++w) {
                int from = 3 * bands.shortBands[band] + w * width;
                int to = from + width;
                int quarter = global - 8 * gc.subblockGain[w] - shift * sf.shortFactors[band][w];
                if (from < end)
                    ScaleRange(values, xr, from, to < end ? to : end, Gain(quarter), pow43);
            }
            line = 3 * bands.shortBands[band + 1];
        }
    }
    for (int i = end; i < 576; ++i)
        xr[i] = 0.0f;
}

} // namespace mpeg
