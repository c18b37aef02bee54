#pragma once
#include "Layer3ScaleFactors.h"
#include "Layer3SideInfo.h"
#include "Layer3Tables.h"

namespace mpeg {

// Requantisation: xr = sign(is) * |is|^(4/3) * 2^((global_gain - 210 - 8*subblock_gain)/4)
// * 2^-(scalefac_multiplier * (scalefac + preflag * pretab)). Lines at and after
// nonzeroLines are zero and only cleared.
class Layer3Requantize {
public:
    static void Apply(const int* values, int nonzeroLines, const GranuleChannel& gc, const Layer3ScaleFactors& sf,
                      const ScaleFactorBands& bands, float* xr);
};

} // namespace mpeg
