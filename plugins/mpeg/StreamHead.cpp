#include "StreamHead.h"

#include <cstring>

namespace mpeg {

namespace {

uint32_t BigEndian32(const uint8_t* p)
{
    return (uint32_t(p[0]) << 24) | (uint32_t(p[1]) << 16) | (uint32_t(p[2]) << 8) | p[3];
}

} // namespace

int64_t DurationFromBitRate(int64_t audioBytes, int kbps)
{
    if (kbps <= 0 || audioBytes <= 0)
        return 0;
    return audioBytes * 8 / kbps;
}

int64_t DurationFromFrames(int64_t frames, int samplesPerFrame, int sampleRate)
{
    if (sampleRate <= 0 || frames <= 0)
        return 0;
    return frames * samplesPerFrame * 1000 / sampleRate;
}

int64_t PcmLengthBytes(int64_t durationMs, int64_t averageBytesPerSecond)
{
    if (durationMs <= 0)
        return 0;
    return static_cast<int64_t>(static_cast<double>(durationMs) * 0.001 * static_cast<double>(averageBytesPerSecond));
}

int64_t StreamHead::Id3v2Size(const uint8_t* bytes, size_t count)
{
    if (count < 10 || std::memcmp(bytes, "ID3", 3) != 0)
        return 0;
    return 10 + ((int64_t(bytes[6] & 0x7F) << 21) | (int64_t(bytes[7] & 0x7F) << 14) |
                 (int64_t(bytes[8] & 0x7F) << 7) | int64_t(bytes[9] & 0x7F));
}

StreamHead StreamHead::Analyse(const uint8_t* bytes, size_t count, int64_t fileSize, int64_t id3Size)
{
    StreamHead head;
    head.audioStart = id3Size;
    head.audioSize = fileSize - id3Size;
    if (id3Size > fileSize) {
        head.audioStart = fileSize;
        head.audioSize = 0;
    }
    if (count < 4 || bytes[0] != 0xFF || bytes[1] < 0xE0 || !FrameHeader::Parse(bytes, head.header))
        return head;
    head.valid = true;
    const FrameHeader& h = head.header;
    head.bitRateKbps = h.bitRateKbps;
    head.durationMs = DurationFromBitRate(head.audioSize, h.bitRateKbps);

    const size_t xing = h.IsLowSampleRate() ? (h.channels == 1 ? 13 : 21) : (h.channels == 1 ? 21 : 36);
    auto exactFrom = [&](int64_t frames) {
        const int samples = h.version == MpegVersion::Mpeg1 ? 1152 : 576;
        head.frameCount = frames;
        head.durationMs = DurationFromFrames(frames, samples, h.sampleRate);
        head.bitRateKbps = head.durationMs > 0 ? static_cast<int>(head.audioSize / head.durationMs * 8) : 0;
        head.exactDuration = true;
    };
    if (xing + 8 <= count && (std::memcmp(bytes + xing, "Xing", 4) == 0 || std::memcmp(bytes + xing, "Lame", 4) == 0 ||
                              std::memcmp(bytes + xing, "Info", 4) == 0)) {
        const uint32_t flags = BigEndian32(bytes + xing + 4);
        size_t at = xing + 8;
        if ((flags & 1) && at + 4 <= count) {
            exactFrom(BigEndian32(bytes + at));
            at += 4;
        }
        if (flags & 2)
            at += 4;
        if ((flags & 4) && at + 100 <= count) {
            std::memcpy(head.toc, bytes + at, 100);
            head.hasToc = true;
        }
    } else if (36 + 18 <= count && std::memcmp(bytes + 36, "VBRI", 4) == 0) {
        exactFrom(BigEndian32(bytes + 36 + 14));
    }
    return head;
}

double StreamHead::FractionToFileFraction(double f) const
{
    if (!(f > 0.0))
        f = 0.0;
    if (f > 1.0)
        f = 1.0;
    if (hasToc) {
        const double p = f * 100.0;
        int i = static_cast<int>(p);
        double next;
        if (i >= 99) {
            i = 99;
            next = 256.0;
        } else {
            next = toc[i + 1];
        }
        f = (toc[i] + (p - i) * (next - toc[i])) / 256.0;
    }
    if (audioStart != 0 && audioSize != 0)
        f = (f * static_cast<double>(audioSize) + static_cast<double>(audioStart)) /
            static_cast<double>(audioStart + audioSize);
    return f;
}

double StreamHead::OffsetToFraction(int64_t offset) const
{
    if (offset < audioStart || audioSize <= 0)
        return 0.0;
    return static_cast<double>(offset - audioStart) / static_cast<double>(audioSize);
}

} // namespace mpeg
