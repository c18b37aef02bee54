#include "Layer12.h"

#include "Layer2Tables.h"

#include <cstring>

namespace mpeg {

namespace {

const AllocationTable& PickTable(const FrameHeader& header, int kbps)
{
    if (header.IsLowSampleRate())
        return kAllocationLsf;
    const int perChannel = header.channels == 1 ? kbps : kbps / 2;
    const int rate = header.sampleRate;
    if ((rate == 48000 && perChannel >= 56) || (perChannel >= 56 && perChannel <= 80))
        return kAllocationA;
    if (rate != 48000 && perChannel >= 96)
        return kAllocationB;
    if (rate != 32000 && perChannel <= 48)
        return kAllocationC;
    return kAllocationD;
}

inline float Dequantise(int code, int levels)
{
    return static_cast<float>(2 * code - levels + 1) / static_cast<float>(levels);
}

} // namespace

bool Layer2Decoder::Decode(BitReader& bits, const FrameHeader& header, int freeFormatKbps, SubbandBlock& out,
                           int& crcBits)
{
    const int kbps = header.bitRateKbps != 0 ? header.bitRateKbps : freeFormatKbps;
    const AllocationTable& table = PickTable(header, kbps);
    const int sblimit = table.sblimit;
    const int channels = header.channels;
    int bound = header.mode == ChannelMode::JointStereo ? (header.modeExtension + 1) * 4 : sblimit;
    if (bound > sblimit)
        bound = sblimit;

    int8_t quantClass[2][32];
    std::memset(quantClass, -1, sizeof quantClass);
    const size_t start = bits.Position();
    for (int sb = 0; sb < sblimit; ++sb) {
        const AllocationRow& row = *table.rows[sb];
        const int chs = sb < bound ? channels : 1;
        for (int ch = 0; ch < chs; ++ch) {
            int value = static_cast<int>(bits.Read(row.bits));
            quantClass[ch][sb] = value == 0 ? int8_t(-1) : row.classes[value - 1];
        }
        if (sb >= bound)
            quantClass[1][sb] = quantClass[0][sb];
    }
    int scfsi[2][32] = {};
    for (int sb = 0; sb < sblimit; ++sb)
        for (int ch = 0; ch < channels; ++ch)
            if (quantClass[ch][sb] >= 0)
                scfsi[ch][sb] = static_cast<int>(bits.Read(2));
    crcBits = static_cast<int>(bits.Position() - start);

    float scale[2][32][3] = {};
    for (int sb = 0; sb < sblimit; ++sb) {
        for (int ch = 0; ch < channels; ++ch) {
            if (quantClass[ch][sb] < 0)
                continue;
            float* s = scale[ch][sb];
            switch (scfsi[ch][sb]) {
            case 0:
                s[0] = LayerScaleFactor(static_cast<int>(bits.Read(6)));
                s[1] = LayerScaleFactor(static_cast<int>(bits.Read(6)));
                s[2] = LayerScaleFactor(static_cast<int>(bits.Read(6)));
                break;
            case 1:
                s[0] = s[1] = LayerScaleFactor(static_cast<int>(bits.Read(6)));
                s[2] = LayerScaleFactor(static_cast<int>(bits.Read(6)));
                break;
            case 2:
                s[0] = s[1] = s[2] = LayerScaleFactor(static_cast<int>(bits.Read(6)));
                break;
            default:
                s[0] = LayerScaleFactor(static_cast<int>(bits.Read(6)));
                s[1] = s[2] = LayerScaleFactor(static_cast<int>(bits.Read(6)));
                break;
            }
        }
    }

    for (int granule = 0; granule < 12; ++granule) {
        const int part = granule / 4;
        const int slot = granule * 3;
        for (int sb = 0; sb < sblimit; ++sb) {
            const int chs = sb < bound ? channels : 1;
            for (int ch = 0; ch < chs; ++ch) {
                float fraction[3] = {0.0f, 0.0f, 0.0f};
                const int qc = quantClass[ch][sb];
                if (qc >= 0) {
                    const QuantClass& q = kQuantClasses[qc];
                    if (q.grouped) {
                        int code = static_cast<int>(bits.Read(q.bits));
                        for (int k = 0; k < 3; ++k) {
                            fraction[k] = Dequantise(code % q.levels, q.levels);
                            code /= q.levels;
                        }
                    } else {
                        for (int k = 0; k < 3; ++k)
                            fraction[k] = Dequantise(static_cast<int>(bits.Read(q.bits)), q.levels);
                    }
                }
                const int first = ch;
                const int last = sb < bound ? ch : channels - 1;
                for (int c = first; c <= last; ++c)
                    for (int k = 0; k < 3; ++k)
                        out[c][slot + k][sb] = fraction[k] * scale[c][sb][part];
            }
        }
        for (int sb = sblimit; sb < 32; ++sb)
            for (int ch = 0; ch < channels; ++ch)
                for (int k = 0; k < 3; ++k)
                    out[ch][slot + k][sb] = 0.0f;
    }
    return !bits.Overrun();
}

} // namespace mpeg
