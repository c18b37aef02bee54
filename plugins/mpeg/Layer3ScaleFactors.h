#pragma once
#include "BitReader.h"
#include "FrameHeader.h"
#include "Layer3SideInfo.h"

namespace mpeg {

// Scale factors of one granule and channel. Long blocks use longFactors[0..20], short
// blocks shortFactors[band 0..11][window]; mixed blocks use the long factors below the
// switch point and the short ones above. The band past the last (long 21, short 12) has
// no factor of its own and stays 0. maxIntensity holds, per factor, the value that marks
// an illegal intensity position at the lower sampling frequencies.
struct Layer3ScaleFactors {
    uint8_t longFactors[22] = {};
    uint8_t shortFactors[13][3] = {};
    uint8_t longIllegal[22] = {};
    uint8_t shortIllegal[13][3] = {};
    bool lsfPreflag = false;

    // MPEG-1: granule 1 reuses granule 0's factors where scfsi says so (previous is the
    // granule 0 set of the same channel).
    void ReadMpeg1(BitReader& bits, const GranuleChannel& gc, const bool* scfsi, int granule,
                   const Layer3ScaleFactors& previous);
    // Lower sampling frequencies; intensityChannel is true for the right channel of an
    // intensity-stereo frame.
    void ReadLsf(BitReader& bits, const GranuleChannel& gc, bool intensityChannel);
};

} // namespace mpeg
