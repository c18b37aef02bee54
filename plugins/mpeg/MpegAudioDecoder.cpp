#include "MpegAudioDecoder.h"

#include "Crc16.h"

#include <cstring>
#include <initializer_list>

namespace mpeg {

void MpegAudioDecoder::Reset()
{
    layer3_.Reset();
    filterbank_.Reset();
}

bool MpegAudioDecoder::IsHeaderFrame(const uint8_t* frame, size_t frameBytes, const FrameHeader& header)
{
    if (header.layer != 3)
        return false;
    // Encoders place the tag right after the side information, some counting the CRC
    // word and some not; look at both places.
    const size_t side = 4 + static_cast<size_t>(header.SideInfoBytes());
    auto tagAt = [&](size_t offset, const char* tag) {
        return offset + 4 <= frameBytes && std::memcmp(frame + offset, tag, 4) == 0;
    };
    for (size_t offset : {side, side + 2}) {
        if (offset == side + 2 && !header.hasCrc)
            break;
        if (tagAt(offset, "Xing") || tagAt(offset, "Info"))
            return true;
    }
    return tagAt(36, "VBRI");
}

void MpegAudioDecoder::Synthesize(const float (*slots)[32], int channel, int count, int channels, int16_t* pcm)
{
    for (int t = 0; t < count; ++t)
        filterbank_.Synthesize(channel, slots[t], pcm + t * 32 * channels + channel, channels);
}

MpegAudioDecoder::Result MpegAudioDecoder::Decode(const uint8_t* frame, size_t frameBytes, const FrameHeader& header,
                                                  int freeFormatKbps, int16_t* pcm, int& samples)
{
    samples = 0;
    if (IsHeaderFrame(frame, frameBytes, header))
        return Result::HeaderFrame;
    const int channels = header.channels;
    bool sound = true;

    if (header.layer == 3) {
        sound = layer3_.Decode(frame, frameBytes, header, checkCrc_, hybrid_);
        const int granules = header.IsLowSampleRate() ? 1 : 2;
        for (int g = 0; g < granules; ++g)
            for (int ch = 0; ch < channels; ++ch)
                Synthesize(hybrid_[g][ch], ch, 18, channels, pcm + g * 576 * channels);
        samples = granules * 576;
        return sound ? Result::Audio : Result::Concealed;
    }

    const size_t headerBytes = header.hasCrc ? 6 : 4;
    const int slots = header.layer == 1 ? 12 : 36;
    int crcBits = 0;
    if (frameBytes <= headerBytes) {
        sound = false;
    } else {
        BitReader bits(frame + headerBytes, frameBytes - headerBytes);
        if (header.layer == 1)
            sound = Layer1Decoder::Decode(bits, header, subbands_, crcBits);
        else
            sound = Layer2Decoder::Decode(bits, header, freeFormatKbps, subbands_, crcBits);
        if (sound && header.hasCrc && checkCrc_)
            sound = FrameCrcMatches(frame, frameBytes, static_cast<size_t>(crcBits));
    }
    if (!sound)
        std::memset(subbands_, 0, sizeof subbands_);
    for (int ch = 0; ch < channels; ++ch)
        Synthesize(subbands_[ch], ch, slots, channels, pcm);
    samples = slots * 32;
    return sound ? Result::Audio : Result::Concealed;
}

} // namespace mpeg
