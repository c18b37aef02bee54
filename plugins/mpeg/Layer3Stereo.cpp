#include "Layer3Stereo.h"

#include <algorithm>
#include <cmath>

namespace mpeg {

namespace {

struct IntensityRatios {
    float mpeg1Left[7];
    float mpeg1Right[7];
    float lsf[2][32];  // [intensity_scale][exponent] io^exponent
    IntensityRatios()
    {
        const double pi = 3.14159265358979323846;
        for (int pos = 0; pos < 7; ++pos) {
            double angle = pos * pi / 12.0;
            double s = std::sin(angle);
            double c = std::cos(angle);
            mpeg1Left[pos] = static_cast<float>(s / (s + c));
            mpeg1Right[pos] = static_cast<float>(c / (s + c));
        }
        for (int e = 0; e < 32; ++e) {
            lsf[0][e] = static_cast<float>(std::pow(2.0, -0.25 * e));
            lsf[1][e] = static_cast<float>(std::pow(2.0, -0.5 * e));
        }
    }
};

const IntensityRatios& Ratios()
{
    static const IntensityRatios ratios;
    return ratios;
}

struct Context {
    bool midSide;
    bool lsf;
    int intensityScale;
    float* left;
    float* right;

    void MidSide(int from, int to) const
    {
        if (!midSide)
            return;
        constexpr float kInvSqrt2 = 0.70710678118654752440f;
        for (int i = from; i < to; ++i) {
            float m = left[i];
            float s = right[i];
            left[i] = (m + s) * kInvSqrt2;
            right[i] = (m - s) * kInvSqrt2;
        }
    }

    // Lines from..to-1 with step 1; position pos, illegal marks "not intensity coded".
    void Intensity(int from, int to, int pos, int illegal) const
    {
        if (pos == illegal) {
            MidSide(from, to);
            return;
        }
        const IntensityRatios& r = Ratios();
        float kl;
        float kr;
        if (!lsf) {
            if (pos > 6) {
                MidSide(from, to);
                return;
            }
            kl = r.mpeg1Left[pos];
            kr = r.mpeg1Right[pos];
        } else if (pos == 0) {
            kl = kr = 1.0f;
        } else if (pos & 1) {
            kl = r.lsf[intensityScale][std::min((pos + 1) / 2, 31)];
            kr = 1.0f;
        } else {
            kl = 1.0f;
            kr = r.lsf[intensityScale][std::min(pos / 2, 31)];
        }
        for (int i = from; i < to; ++i) {
            float x = left[i];
            left[i] = x * kl;
            right[i] = x * kr;
        }
    }
};

int LastNonzero(const float* lines, int from, int to)
{
    for (int i = to - 1; i >= from; --i)
        if (lines[i] != 0.0f)
            return i;
    return -1;
}

} // namespace

void Layer3Stereo::Apply(const FrameHeader& header, const GranuleChannel& gc, const Layer3ScaleFactors& sf,
                         const ScaleFactorBands& bands, float* left, float* right, int* nonzero)
{
    if (header.mode != ChannelMode::JointStereo)
        return;
    const bool midSide = (header.modeExtension & 2) != 0;
    const bool intensity = (header.modeExtension & 1) != 0;
    const int extent = std::max(nonzero[0], nonzero[1]);
    Context ctx{midSide, header.IsLowSampleRate(), gc.scalefacCompress & 1, left, right};
    if (!intensity) {
        ctx.MidSide(0, extent);
        nonzero[0] = nonzero[1] = extent;
        return;
    }
    const uint16_t* lb = bands.longBands;
    const uint16_t* sb = bands.shortBands;

    auto longPart = [&](int firstBand, int endLine) {
        // Bands below firstBand are plain/mid-side, the rest intensity coded.
        for (int b = 0; b < 22 && lb[b] < endLine; ++b) {
            int from = lb[b];
            int to = std::min<int>(lb[b + 1], endLine);
            if (b < firstBand) {
                ctx.MidSide(from, to);
            } else {
                int own = b == 21 ? 20 : b;
                ctx.Intensity(from, to, sf.longFactors[own], sf.longIllegal[own]);
            }
        }
    };
    auto shortPart = [&](int startBand, const int* firstBand) {
        for (int b = startBand; b < 13; ++b) {
            int width = sb[b + 1] - sb[b];
            for (int w = 0; w < 3; ++w) {
                int from = 3 * sb[b] + w * width;
                if (b < firstBand[w]) {
                    ctx.MidSide(from, from + width);
                } else {
                    int own = b == 12 ? 11 : b;
                    ctx.Intensity(from, from + width, sf.shortFactors[own][w], sf.shortIllegal[own][w]);
                }
            }
        }
    };
    auto shortFirstBands = [&](int startBand, int* firstBand) {
        for (int w = 0; w < 3; ++w) {
            firstBand[w] = startBand;
            for (int b = 12; b >= startBand; --b) {
                int width = sb[b + 1] - sb[b];
                int from = 3 * sb[b] + w * width;
                if (LastNonzero(right, from, from + width) >= 0) {
                    firstBand[w] = b + 1;
                    break;
                }
            }
        }
    };

    if (gc.blockType != 2) {
        int last = LastNonzero(right, 0, nonzero[1]);
        int firstBand = 0;
        while (firstBand < 22 && lb[firstBand] <= last)
            ++firstBand;
        longPart(firstBand, 576);
    } else if (!gc.mixedBlock) {
        int firstBand[3];
        shortFirstBands(0, firstBand);
        shortPart(0, firstBand);
    } else {
        int shortStart = 0;
        while (shortStart < 13 && 3 * sb[shortStart] < 36)
            ++shortStart;
        const int split = 3 * sb[shortStart];
        int firstBand[3];
        if (LastNonzero(right, split, nonzero[1]) >= 0) {
            ctx.MidSide(0, split);
            shortFirstBands(shortStart, firstBand);
        } else {
            int last = LastNonzero(right, 0, split);
            int longFirst = 0;
            while (longFirst < 22 && lb[longFirst] <= last)
                ++longFirst;
            longPart(longFirst, split);
            firstBand[0] = firstBand[1] = firstBand[2] = shortStart;
        }
        shortPart(shortStart, firstBand);
    }
    nonzero[0] = nonzero[1] = extent;
}

} // namespace mpeg
