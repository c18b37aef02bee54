#pragma once
#include "FrameHeader.h"
#include "Layer3ScaleFactors.h"
#include "Layer3SideInfo.h"
#include "Layer3Tables.h"

namespace mpeg {

// Joint stereo of one granule: mid/side and intensity stereo, for MPEG-1 (intensity
// positions 0..6 as tan(pos*pi/12)) and the lower sampling frequencies (powers of 2^-1/4
// or 2^-1/2). Intensity bands start above the highest non-zero band of the right channel
// (per window for short blocks); a band whose position is illegal is coded as plain or
// mid/side stereo. nonzero[] is raised to cover whatever became non-zero.
class Layer3Stereo {
public:
    static void Apply(const FrameHeader& header, const GranuleChannel& right, const Layer3ScaleFactors& rightFactors,
                      const ScaleFactorBands& bands, float* left, float* rightLines, int* nonzero);
};

} // namespace mpeg
