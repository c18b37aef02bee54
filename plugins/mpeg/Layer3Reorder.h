#pragma once
#include "Layer3SideInfo.h"
#include "Layer3Tables.h"

namespace mpeg {

// Short-block reordering: the Huffman data of a short block lists each band window by
// window; the IMDCT wants the three windows of each frequency side by side. Mixed blocks
// keep their long part (the first 36 lines) as it is.
class Layer3Reorder {
public:
    static void Apply(const GranuleChannel& gc, const ScaleFactorBands& bands, float* xr, float* scratch);
};

// Alias reduction: eight butterflies across each boundary between two long-block
// subbands, below activeSubbands (only the boundary inside the long part of a mixed block).
class Layer3Antialias {
public:
    static void Apply(const GranuleChannel& gc, float* xr, int activeSubbands);
};

} // namespace mpeg
