#include "Layer3Reorder.h"

#include <cmath>
#include <cstring>

namespace mpeg {

void Layer3Reorder::Apply(const GranuleChannel& gc, const ScaleFactorBands& bands, float* xr, float* scratch)
{
    if (gc.blockType != 2)
        return;
    int band = 0;
    if (gc.mixedBlock)
        while (band < 13 && 3 * bands.shortBands[band] < 36)
            ++band;
    const int start = 3 * bands.shortBands[band];
    for (; band < 13; ++band) {
        const int base = 3 * bands.shortBands[band];
        const int width = bands.shortBands[band + 1] - bands.shortBands[band];
        for (int w = 0; w < 3; ++w)
            for (int j = 0; j < width; ++j)
                scratch[base + 3 * j + w] = xr[base + w * width + j];
    }
    std::memcpy(xr + start, scratch + start, sizeof(float) * static_cast<size_t>(576 - start));
}

namespace {

struct AliasTables {
    float cs[8];
    float ca[8];
    AliasTables()
    {
        for (int i = 0; i < 8; ++i) {
            double c = kAliasCoefficients[i];
            double d = std::sqrt(1.0 + c * c);
            cs[i] = static_cast<float>(1.0 / d);
            ca[i] = static_cast<float>(c / d);
        }
    }
};

} // namespace

void Layer3Antialias::Apply(const GranuleChannel& gc, float* xr, int activeSubbands)
{
    static const AliasTables tables;
    if (gc.blockType == 2 && !gc.mixedBlock)
        return;
    const int limit = (gc.blockType == 2) ? 2 : (activeSubbands < 32 ? activeSubbands : 32);
    for (int sb = 1; sb < limit; ++sb) {
        float* lower = xr + 18 * sb - 1;
        float* upper = xr + 18 * sb;
        for (int i = 0; i < 8; ++i) {
            float a = lower[-i];
            float b = upper[i];
            lower[-i] = a * tables.cs[i] - b * tables.ca[i];
            upper[i] = b * tables.cs[i] + a * tables.ca[i];
        }
    }
}

} // namespace mpeg
