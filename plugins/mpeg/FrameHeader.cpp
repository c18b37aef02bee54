#include "FrameHeader.h"

#include "FrameHeaderTables.h"

namespace mpeg {

bool FrameHeader::Parse(const uint8_t* bytes, FrameHeader& out)
{
    uint32_t word = (uint32_t(bytes[0]) << 24) | (uint32_t(bytes[1]) << 16) | (uint32_t(bytes[2]) << 8) | bytes[3];
    return Parse(word, out);
}

bool FrameHeader::Parse(uint32_t word, FrameHeader& out)
{
    if ((word & 0xFFE00000u) != 0xFFE00000u)
        return false;
    int versionBits = (word >> 19) & 3;  // 0 MPEG 2.5, 1 reserved, 2 MPEG-2, 3 MPEG-1
    int layerBits = (word >> 17) & 3;    // 0 reserved, 1 layer III, 2 layer II, 3 layer I
    int bitRateIndex = (word >> 12) & 15;
    int rateIndex = (word >> 10) & 3;
    int emphasis = word & 3;
    if (versionBits == 1 || layerBits == 0 || bitRateIndex == 15 || rateIndex == 3 || emphasis == 2)
        return false;

    FrameHeader h;
    h.version = versionBits == 3 ? MpegVersion::Mpeg1 : versionBits == 2 ? MpegVersion::Mpeg2 : MpegVersion::Mpeg25;
    h.layer = 4 - layerBits;
    h.hasCrc = ((word >> 16) & 1) == 0;
    h.bitRateIndex = bitRateIndex;
    h.bitRateKbps = kBitRates[h.IsLowSampleRate() ? 1 : 0][h.layer - 1][bitRateIndex];
    h.sampleRateIndex = rateIndex;
    h.sampleRate = static_cast<int>(kSampleRates[static_cast<int>(h.version)][rateIndex]);
    h.padding = ((word >> 9) & 1) != 0;
    h.mode = static_cast<ChannelMode>((word >> 6) & 3);
    h.modeExtension = (word >> 4) & 3;
    h.emphasis = emphasis;
    h.channels = h.mode == ChannelMode::Mono ? 1 : 2;
    if (h.layer == 1)
        h.samplesPerFrame = 384;
    else if (h.layer == 2 || !h.IsLowSampleRate())
        h.samplesPerFrame = 1152;
    else
        h.samplesPerFrame = 576;
    h.frameBytes = bitRateIndex == 0 ? 0 : h.FrameBytesFor(h.bitRateKbps);
    out = h;
    return true;
}

int FrameHeader::FrameBytesFor(int kbps) const
{
    int64_t bitsPerSecond = int64_t(kbps) * 1000;
    if (layer == 1)
        return static_cast<int>((12 * bitsPerSecond / sampleRate + (padding ? 1 : 0)) * 4);
    int64_t bytesPerSlot = samplesPerFrame / 8;  // 144 or 72
    return static_cast<int>(bytesPerSlot * bitsPerSecond / sampleRate + (padding ? 1 : 0));
}

int FrameHeader::SideInfoBytes() const
{
    if (!IsLowSampleRate())
        return channels == 1 ? 17 : 32;
    return channels == 1 ? 9 : 17;
}

} // namespace mpeg
