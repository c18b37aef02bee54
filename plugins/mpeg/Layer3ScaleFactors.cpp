#include "Layer3ScaleFactors.h"

#include "Layer3Tables.h"

#include <cstring>

namespace mpeg {

void Layer3ScaleFactors::ReadMpeg1(BitReader& bits, const GranuleChannel& gc, const bool* scfsi, int granule,
                                   const Layer3ScaleFactors& previous)
{
    const int slen1 = kSlen[0][gc.scalefacCompress];
    const int slen2 = kSlen[1][gc.scalefacCompress];
    std::memset(longIllegal, 7, sizeof longIllegal);
    std::memset(shortIllegal, 7, sizeof shortIllegal);
    lsfPreflag = false;
    if (gc.blockType == 2) {
        int band = 0;
        if (gc.mixedBlock) {
            for (; band < 8; ++band)
                longFactors[band] = static_cast<uint8_t>(bits.Read(slen1));
            band = 3;
        }
        for (int b = band; b < 12; ++b) {
            int len = b < 6 ? slen1 : slen2;
            for (int w = 0; w < 3; ++w)
                shortFactors[b][w] = static_cast<uint8_t>(bits.Read(len));
        }
        shortFactors[12][0] = shortFactors[12][1] = shortFactors[12][2] = 0;
        return;
    }
    static constexpr int kGroupStart[5] = {0, 6, 11, 16, 21};
    for (int group = 0; group < 4; ++group) {
        const int len = group < 2 ? slen1 : slen2;
        const bool reuse = granule == 1 && scfsi[group];
        for (int b = kGroupStart[group]; b < kGroupStart[group + 1]; ++b)
            longFactors[b] = reuse ? previous.longFactors[b] : static_cast<uint8_t>(bits.Read(len));
    }
    longFactors[21] = 0;
}

void Layer3ScaleFactors::ReadLsf(BitReader& bits, const GranuleChannel& gc, bool intensityChannel)
{
    int slen[4] = {};
    int table = 0;
    int sfc = gc.scalefacCompress;
    lsfPreflag = false;
    if (!intensityChannel) {
        if (sfc < 400) {
            slen[0] = (sfc >> 4) / 5;
            slen[1] = (sfc >> 4) % 5;
            slen[2] = (sfc & 15) >> 2;
            slen[3] = sfc & 3;
            table = 0;
        } else if (sfc < 500) {
            sfc -= 400;
            slen[0] = (sfc >> 2) / 5;
            slen[1] = (sfc >> 2) % 5;
            slen[2] = sfc & 3;
            table = 1;
        } else {
            sfc -= 500;
            slen[0] = sfc / 3;
            slen[1] = sfc % 3;
            lsfPreflag = true;
            table = 2;
        }
    } else {
        sfc >>= 1;
        if (sfc < 180) {
            slen[0] = sfc / 36;
            slen[1] = (sfc % 36) / 6;
            slen[2] = (sfc % 36) % 6;
            table = 3;
        } else if (sfc < 244) {
            sfc -= 180;
            slen[0] = (sfc & 63) >> 4;
            slen[1] = (sfc & 15) >> 2;
            slen[2] = sfc & 3;
            table = 4;
        } else {
            sfc -= 244;
            slen[0] = sfc / 3;
            slen[1] = sfc % 3;
            table = 5;
        }
    }
    const int kind = gc.blockType == 2 ? (gc.mixedBlock ? 2 : 1) : 0;
    const uint8_t* counts = kLsfPartitionSizes[table][kind];

    // Read all factors in stream order, then lay them out by band.
    uint8_t factors[54] = {};
    uint8_t illegal[54] = {};
    int n = 0;
    for (int part = 0; part < 4; ++part) {
        for (int i = 0; i < counts[part] && n < 54; ++i, ++n) {
            factors[n] = static_cast<uint8_t>(bits.Read(slen[part]));
            illegal[n] = static_cast<uint8_t>((1 << slen[part]) - 1);
        }
    }
    std::memset(longFactors, 0, sizeof longFactors);
    std::memset(shortFactors, 0, sizeof shortFactors);
    std::memset(longIllegal, 0, sizeof longIllegal);
    std::memset(shortIllegal, 0, sizeof shortIllegal);
    int k = 0;
    if (kind == 0) {
        for (int b = 0; b < 21; ++b, ++k) {
            longFactors[b] = factors[k];
            longIllegal[b] = illegal[k];
        }
    } else {
        int firstShort = 0;
        if (kind == 2) {
            for (int b = 0; b < 6; ++b, ++k) {
                longFactors[b] = factors[k];
                longIllegal[b] = illegal[k];
            }
            firstShort = 3;
        }
        for (int b = firstShort; b < 12; ++b)
            for (int w = 0; w < 3; ++w, ++k) {
                shortFactors[b][w] = factors[k];
                shortIllegal[b][w] = illegal[k];
            }
    }
}

} // namespace mpeg
