#pragma once
#include <cstdint>

namespace mpeg {

enum class MpegVersion : uint8_t { Mpeg1 = 0, Mpeg2 = 1, Mpeg25 = 2 };
enum class ChannelMode : uint8_t { Stereo = 0, JointStereo = 1, DualChannel = 2, Mono = 3 };

// One parsed 32-bit frame header. Parse() accepts only headers whose every field is
// allowed (sync, version, layer, bit rate index, sampling frequency, emphasis); the
// derived sizes are then consistent. A free-format header has bitRateKbps 0 and
// frameBytes 0 until the stream's frame length is known.
struct FrameHeader {
    MpegVersion version = MpegVersion::Mpeg1;
    int layer = 0;               // 1, 2 or 3
    bool hasCrc = false;
    int bitRateIndex = 0;
    int bitRateKbps = 0;         // 0 for free format
    int sampleRateIndex = 0;     // 0..2 within the version
    int sampleRate = 0;          // Hz
    bool padding = false;
    ChannelMode mode = ChannelMode::Stereo;
    int modeExtension = 0;
    int emphasis = 0;
    int channels = 2;
    int samplesPerFrame = 0;     // per channel: 384, 1152 or 576
    int frameBytes = 0;          // whole frame including header; 0 when free format

    static bool Parse(uint32_t word, FrameHeader& out);
    static bool Parse(const uint8_t* bytes, FrameHeader& out);

    bool IsLowSampleRate() const { return version != MpegVersion::Mpeg1; }
    bool IsFreeFormat() const { return bitRateIndex == 0; }
    // Bytes in one padding slot: 4 for layer I, 1 otherwise.
    int SlotBytes() const { return layer == 1 ? 4 : 1; }
    // Frame length for a given bit rate (kbit/s), padding included.
    int FrameBytesFor(int kbps) const;
    // Bytes of layer III side information (without header and CRC).
    int SideInfoBytes() const;
    // Sampling-frequency index 0..8 across versions (MPEG-1 0..2, MPEG-2 3..5, 2.5 6..8).
    int RateTableIndex() const { return static_cast<int>(version) * 3 + sampleRateIndex; }
    // Version, layer and sampling frequency agree: the fields a stream keeps from frame to frame.
    bool SameStream(const FrameHeader& other) const
    {
        return version == other.version && layer == other.layer && sampleRateIndex == other.sampleRateIndex;
    }
};

} // namespace mpeg
