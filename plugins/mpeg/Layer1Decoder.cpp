#include "Layer12.h"

#include <cmath>
#include <cstring>

namespace mpeg {

float LayerScaleFactor(int index)
{
    struct Table {
        float values[64];
        Table()
        {
            for (int i = 0; i < 64; ++i)
                values[i] = static_cast<float>(std::pow(2.0, 1.0 - i / 3.0));
        }
    };
    static const Table table;
    return table.values[index & 63];
}

bool Layer1Decoder::Decode(BitReader& bits, const FrameHeader& header, SubbandBlock& out, int& crcBits)
{
    const int channels = header.channels;
    const int bound = header.mode == ChannelMode::JointStereo ? (header.modeExtension + 1) * 4 : 32;
    int allocation[2][32] = {};
    float scale[2][32] = {};
    const size_t start = bits.Position();

    for (int sb = 0; sb < 32; ++sb) {
        if (sb < bound) {
            for (int ch = 0; ch < channels; ++ch)
                allocation[ch][sb] = static_cast<int>(bits.Read(4));
        } else {
            allocation[0][sb] = allocation[1][sb] = static_cast<int>(bits.Read(4));
        }
    }
    crcBits = static_cast<int>(bits.Position() - start);
    for (int ch = 0; ch < channels; ++ch)
        for (int sb = 0; sb < 32; ++sb)
            if (allocation[ch][sb] == 15)
                return false;
    for (int sb = 0; sb < 32; ++sb)
        for (int ch = 0; ch < channels; ++ch)
            if (allocation[ch][sb] != 0)
                scale[ch][sb] = LayerScaleFactor(static_cast<int>(bits.Read(6)));

    for (int slot = 0; slot < 12; ++slot) {
        for (int sb = 0; sb < 32; ++sb) {
            const int readChannels = sb < bound ? channels : 1;
            for (int ch = 0; ch < readChannels; ++ch) {
                const int nb = allocation[ch][sb];
                float fraction = 0.0f;
                if (nb != 0) {
                    const int width = nb + 1;
                    const int levels = (1 << width) - 1;
                    const int code = static_cast<int>(bits.Read(width));
                    fraction = static_cast<float>(2 * code - levels + 1) / static_cast<float>(levels);
                }
                if (sb < bound) {
                    out[ch][slot][sb] = fraction * scale[ch][sb];
                } else {
                    for (int c = 0; c < channels; ++c)
                        out[c][slot][sb] = fraction * scale[c][sb];
                }
            }
        }
    }
    return !bits.Overrun();
}

} // namespace mpeg
