#include "Layer3SideInfo.h"

namespace mpeg {

bool Layer3SideInfo::Parse(BitReader& bits, const FrameHeader& header)
{
    const bool lsf = header.IsLowSampleRate();
    const int channels = header.channels;
    granules = lsf ? 1 : 2;
    if (lsf) {
        mainDataBegin = static_cast<int>(bits.Read(8));
        bits.Skip(channels == 1 ? 1 : 2);
    } else {
        mainDataBegin = static_cast<int>(bits.Read(9));
        bits.Skip(channels == 1 ? 5 : 3);
        for (int ch = 0; ch < channels; ++ch)
            for (int band = 0; band < 4; ++band)
                scfsi[ch][band] = bits.ReadBit();
    }
    for (int g = 0; g < granules; ++g) {
        for (int ch = 0; ch < channels; ++ch) {
            GranuleChannel& gc = gr[g][ch];
            gc.part23Length = static_cast<int>(bits.Read(12));
            gc.bigValues = static_cast<int>(bits.Read(9));
            gc.globalGain = static_cast<int>(bits.Read(8));
            gc.scalefacCompress = static_cast<int>(bits.Read(lsf ? 9 : 4));
            gc.windowSwitching = bits.ReadBit();
            if (gc.windowSwitching) {
                gc.blockType = static_cast<int>(bits.Read(2));
                gc.mixedBlock = bits.ReadBit();
                gc.tableSelect[0] = static_cast<int>(bits.Read(5));
                gc.tableSelect[1] = static_cast<int>(bits.Read(5));
                gc.tableSelect[2] = 0;
                for (int w = 0; w < 3; ++w)
                    gc.subblockGain[w] = static_cast<int>(bits.Read(3));
                if (gc.blockType == 0)
                    return false;
                // Region counts are implicit; the Huffman stage works out the boundaries.
                gc.region0Count = 0;
                gc.region1Count = 0;
            } else {
                gc.blockType = 0;
                gc.mixedBlock = false;
                for (int r = 0; r < 3; ++r)
                    gc.tableSelect[r] = static_cast<int>(bits.Read(5));
                gc.subblockGain[0] = gc.subblockGain[1] = gc.subblockGain[2] = 0;
                gc.region0Count = static_cast<int>(bits.Read(4));
                gc.region1Count = static_cast<int>(bits.Read(3));
            }
            gc.preflag = lsf ? false : bits.ReadBit();
            gc.scalefacScale = bits.ReadBit();
            gc.count1Table = bits.ReadBit();
            if (gc.bigValues > 288)
                return false;
        }
    }
    return !bits.Overrun();
}

} // namespace mpeg
