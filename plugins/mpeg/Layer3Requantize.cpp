#include "Layer3Requantize.h"

#include <cmath>

namespace mpeg {

namespace {

constexpr int kPowTableSize = 8207;  // 15 + 2^13 - 1 is the largest magnitude a stream can code

struct PowerTables {
    float pow43[kPowTableSize];
    PowerTables()
    {
        for (int i = 0; i < kPowTableSize; ++i)
            pow43[i] = static_cast<float>(std::pow(static_cast<double>(i), 4.0 / 3.0));
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
    static constexpr double kFraction[4] = {1.0, 1.18920711500272106672, 1.41421356237309504880,
                                            1.68179283050742908606};
    return static_cast<float>(std::ldexp(kFraction[quarterSteps & 3], quarterSteps >> 2));
}

inline void ScaleRange(const int* values, float* xr, int from, int to, float gain, const float* pow43)
{
    for (int i = from; i < to; ++i) {
        int v = values[i];
        float magnitude = pow43[v < 0 ? -v : v];
        xr[i] = (v < 0 ? -magnitude : magnitude) * gain;
    }
}

} // namespace

void Layer3Requantize::Apply(const int* values, int nonzeroLines, const GranuleChannel& gc,
                             const Layer3ScaleFactors& sf, const ScaleFactorBands& bands, float* xr)
{
    const float* pow43 = Powers().pow43;
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
