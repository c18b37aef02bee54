#pragma once
#include "BitReservoir.h"
#include "FrameHeader.h"
#include "Imdct.h"
#include "Layer3ScaleFactors.h"
#include "Layer3SideInfo.h"

namespace mpeg {

// Layer III from the frame bytes to the hybrid filterbank's output: side information,
// bit reservoir, scale factors, Huffman data, requantisation, stereo, reordering, alias
// reduction and IMDCT. Keeps the reservoir, the scale factors for scfsi and the IMDCT
// overlap between frames. A granule whose data is missing or damaged is decoded as
// silence, so the filterbank fades out what came before and decoding goes on.
class Layer3Decoder {
public:
    // hybrid[granule][channel][time][subband]
    using HybridOutput = float[2][2][18][32];

    void Reset();

    // Returns false when the frame had to be concealed (CRC mismatch, reservoir short
    // after a seek, damaged side information or main data); hybrid is filled either way.
    bool Decode(const uint8_t* frame, size_t frameBytes, const FrameHeader& header, bool checkCrc,
                HybridOutput& hybrid);

private:
    bool DecodeGranule(BitReader& bits, size_t availableBits, const FrameHeader& header, const Layer3SideInfo& side,
                       int granule, HybridOutput& hybrid);
    void Silence(const FrameHeader& header, int granule, HybridOutput& hybrid);

    BitReservoir reservoir_;
    Imdct imdct_;
    Layer3ScaleFactors factors_[2];
    int values_[576];
    float xr_[2][576];
    float scratch_[576];
};

} // namespace mpeg
