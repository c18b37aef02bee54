#pragma once
#include "BitReader.h"
#include "FrameHeader.h"

namespace mpeg {

// Side information of one granule of one channel.
struct GranuleChannel {
    int part23Length = 0;       // bits of scale factors and Huffman data
    int bigValues = 0;          // pairs in the big-value region
    int globalGain = 0;
    int scalefacCompress = 0;   // 4 bits (MPEG-1) or 9 bits (lower sampling frequencies)
    bool windowSwitching = false;
    int blockType = 0;          // 0 normal, 1 start, 2 short, 3 stop
    bool mixedBlock = false;
    int tableSelect[3] = {};
    int subblockGain[3] = {};
    int region0Count = 0;
    int region1Count = 0;
    bool preflag = false;
    bool scalefacScale = false;
    bool count1Table = false;   // false table A, true table B
};

// Layer III side information of a frame: where the main data starts in the bit reservoir,
// the scale-factor selection of MPEG-1, and one record per granule and channel.
struct Layer3SideInfo {
    int mainDataBegin = 0;      // bytes back from the end of the previous frames' main data
    bool scfsi[2][4] = {};
    int granules = 2;           // 2 for MPEG-1, 1 for the lower sampling frequencies
    GranuleChannel gr[2][2];

    // Reads the side information that follows header and CRC. Returns false for values
    // no encoder may write (a reserved block type, a big-value count beyond 288).
    bool Parse(BitReader& bits, const FrameHeader& header);
};

} // namespace mpeg
