#pragma once
#include "BitReader.h"
#include "FrameHeader.h"

namespace mpeg {

// Subband samples of one layer I or II frame: [channel][time slot][subband].
using SubbandBlock = float[2][36][32];

// Layer I: 12 samples per subband. Returns false for a forbidden allocation value or a
// frame shorter than its fields. crcBits receives the count of CRC-protected bits after
// the header and CRC word.
class Layer1Decoder {
public:
    static bool Decode(BitReader& bits, const FrameHeader& header, SubbandBlock& out, int& crcBits);
};

// Layer II: 36 samples per subband in three parts of 12, each with its own scale factor.
// The allocation table follows from sampling frequency and bit rate per channel;
// freeFormatKbps is the bit rate measured from the frame length when the header has none.
class Layer2Decoder {
public:
    static bool Decode(BitReader& bits, const FrameHeader& header, int freeFormatKbps, SubbandBlock& out,
                       int& crcBits);
};

// Scale factor index 0..63 -> 2^(1 - index/3) (ISO/IEC 11172-3 Table B.1).
float LayerScaleFactor(int index);

} // namespace mpeg
