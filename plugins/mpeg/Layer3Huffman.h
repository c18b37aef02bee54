#pragma once
#include "BitReader.h"
#include "Layer3SideInfo.h"

namespace mpeg {

// Huffman decoding of one granule's spectral values (big-value pairs with linbits and
// signs, then count1 quadruples) into 576 integers. Reads at most part2_3_length minus
// the scale factor bits; data that would run past that is dropped.
class Layer3Huffman {
public:
    // values receives 576 integers; returns the number of lines that may be non-zero
    // (the rest are zero). sfBands are the long band boundaries of the stream's rate and
    // shortBand3 the start of short band 3 (per window).
    static int Decode(BitReader& bits, size_t endBit, const GranuleChannel& gc, const uint16_t* longBands,
                      int shortBand3, int* values);
};

} // namespace mpeg
