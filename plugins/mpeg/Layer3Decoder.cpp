#include "Layer3Decoder.h"

#include "Crc16.h"
#include "Layer3Huffman.h"
#include "Layer3Reorder.h"
#include "Layer3Requantize.h"
#include "Layer3Stereo.h"
#include "Layer3Tables.h"

#include <algorithm>
#include <cstring>

namespace mpeg {

void Layer3Decoder::Reset()
{
    reservoir_.Reset();
    imdct_.Reset();
    factors_[0] = Layer3ScaleFactors{};
    factors_[1] = Layer3ScaleFactors{};
}

void Layer3Decoder::Silence(const FrameHeader& header, int granule, HybridOutput& hybrid)
{
    const float zeros[576] = {};
    for (int ch = 0; ch < header.channels; ++ch)
        imdct_.Process(ch, zeros, 0, false, 0, hybrid[granule][ch]);
}

bool Layer3Decoder::Decode(const uint8_t* frame, size_t frameBytes, const FrameHeader& header, bool checkCrc,
                           HybridOutput& hybrid)
{
    const size_t headerBytes = header.hasCrc ? 6 : 4;
    const size_t sideBytes = static_cast<size_t>(header.SideInfoBytes());
    const int granules = header.IsLowSampleRate() ? 1 : 2;
    bool sound = frameBytes >= headerBytes + sideBytes;
    Layer3SideInfo side;
    if (sound) {
        BitReader sideBits(frame + headerBytes, sideBytes);
        sound = side.Parse(sideBits, header);
        if (sound && header.hasCrc && checkCrc)
            sound = FrameCrcMatches(frame, frameBytes, sideBytes * 8);
    }
    if (!sound) {
        // Keep the reservoir's bytes aligned with the stream; this frame's data is lost.
        reservoir_.Reset();
        for (int g = 0; g < granules; ++g)
            Silence(header, g, hybrid);
        return false;
    }

    const uint8_t* mainData = nullptr;
    size_t available = 0;
    const size_t frameData = frameBytes - headerBytes - sideBytes;
    if (!reservoir_.Append(frame + headerBytes + sideBytes, frameData, side.mainDataBegin, mainData, available)) {
        for (int g = 0; g < granules; ++g)
            Silence(header, g, hybrid);
        return false;
    }
    BitReader bits(mainData, available);
    bool allSound = true;
    for (int g = 0; g < granules; ++g) {
        if (!DecodeGranule(bits, available * 8, header, side, g, hybrid)) {
            Silence(header, g, hybrid);
            allSound = false;
        }
    }
    return allSound;
}

bool Layer3Decoder::DecodeGranule(BitReader& bits, size_t availableBits, const FrameHeader& header,
                                  const Layer3SideInfo& side, int granule, HybridOutput& hybrid)
{
    const ScaleFactorBands& bands = kScaleFactorBands[header.RateTableIndex()];
    const int channels = header.channels;
    const bool intensity = header.mode == ChannelMode::JointStereo && (header.modeExtension & 1) != 0;
    int nonzero[2] = {0, 0};
    bool sound = true;

    for (int ch = 0; ch < channels; ++ch) {
        const GranuleChannel& gc = side.gr[granule][ch];
        const size_t part2Start = bits.Position();
        const size_t endBit = part2Start + static_cast<size_t>(gc.part23Length);
        if (endBit > availableBits) {
            sound = false;
            bits.SetPosition(std::min(endBit, availableBits));
            continue;
        }
        if (header.IsLowSampleRate())
            factors_[ch].ReadLsf(bits, gc, intensity && ch == 1);
        else
            factors_[ch].ReadMpeg1(bits, gc, side.scfsi[ch], granule, factors_[ch]);
        if (bits.Position() > endBit) {
            sound = false;
            bits.SetPosition(endBit);
            continue;
        }
        nonzero[ch] = Layer3Huffman::Decode(bits, endBit, gc, bands.longBands, bands.shortBands[3], values_);
        Layer3Requantize::Apply(values_, nonzero[ch], gc, factors_[ch], bands, xr_[ch]);
    }
    if (!sound)
        return false;

    if (channels == 2)
        Layer3Stereo::Apply(header, side.gr[granule][1], factors_[1], bands, xr_[0], xr_[1], nonzero);

    for (int ch = 0; ch < channels; ++ch) {
        const GranuleChannel& gc = side.gr[granule][ch];
        Layer3Reorder::Apply(gc, bands, xr_[ch], scratch_);
        int active = (nonzero[ch] + 17) / 18;
        if (gc.blockType == 2)
            active = 32;  // reordering spreads the short windows over the whole band range
        if (gc.blockType != 2 && active < 32)
            ++active;  // alias reduction reaches into the next subband
        Layer3Antialias::Apply(gc, xr_[ch], active);
        imdct_.Process(ch, xr_[ch], gc.blockType, gc.mixedBlock, active, hybrid[granule][ch]);
    }
    return true;
}

} // namespace mpeg
