// Stream-head arithmetic: tag size, length from the bit rate or a frame count, the seek
// table mapping, and the header fields of each version.
#include "FrameHeader.h"
#include "StreamHead.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace mpeg;

namespace {

// A 152-byte stream head starting with the given header word.
std::vector<uint8_t> HeadWith(uint32_t header)
{
    std::vector<uint8_t> bytes(152, 0);
    bytes[0] = static_cast<uint8_t>(header >> 24);
    bytes[1] = static_cast<uint8_t>(header >> 16);
    bytes[2] = static_cast<uint8_t>(header >> 8);
    bytes[3] = static_cast<uint8_t>(header);
    return bytes;
}

void PutBigEndian(std::vector<uint8_t>& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

constexpr uint32_t kMpeg1Layer3Stereo128 = 0xFFFB9000;  // 44.1 kHz, 128 kbit/s, stereo
constexpr uint32_t kMpeg1Layer3Mono128 = 0xFFFB90C0;

TEST(StreamHead, Id3v2SizeIsTenPlusSyncSafeSize)
{
    const uint8_t tag[10] = {'I', 'D', '3', 3, 0, 0, 0x00, 0x00, 0x02, 0x01};
    EXPECT_EQ(StreamHead::Id3v2Size(tag, sizeof tag), 267);
    const uint8_t none[10] = {'T', 'A', 'G', 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(StreamHead::Id3v2Size(none, sizeof none), 0);
}

TEST(StreamHead, ConstantBitRateLengthFromAudioSize)
{
    const std::vector<uint8_t> head = HeadWith(kMpeg1Layer3Stereo128);
    const StreamHead h = StreamHead::Analyse(head.data(), head.size(), 1600000, 0);
    ASSERT_TRUE(h.valid);
    EXPECT_EQ(h.bitRateKbps, 128);
    EXPECT_EQ(h.durationMs, 100000);
    EXPECT_FALSE(h.exactDuration);
    EXPECT_EQ(PcmLengthBytes(h.durationMs, 44100 * 4), 17640000);
    EXPECT_EQ(PcmLengthBytes(0, 44100 * 4), 0);

    // Free format: no bit rate in the header, so no length from it (and no division by 0).
    const std::vector<uint8_t> free = HeadWith(0xFFFB0000);
    const StreamHead f = StreamHead::Analyse(free.data(), free.size(), 1600000, 0);
    ASSERT_TRUE(f.valid);
    EXPECT_EQ(f.bitRateKbps, 0);
    EXPECT_EQ(f.durationMs, 0);
    EXPECT_EQ(DurationFromFrames(383, 1152, 0), 0);
}

TEST(StreamHead, TagLongerThanFileLeavesNoAudio)
{
    const std::vector<uint8_t> head = HeadWith(kMpeg1Layer3Stereo128);
    const StreamHead h = StreamHead::Analyse(head.data(), head.size(), 1000, 5000);
    EXPECT_EQ(h.audioStart, 1000);
    EXPECT_EQ(h.audioSize, 0);
    EXPECT_EQ(h.durationMs, 0);
}

TEST(StreamHead, XingFrameCountGivesExactLength)
{
    struct Case {
        uint32_t header;
        size_t tagOffset;
        const char* tag;
    };
    const Case cases[] = {
        {kMpeg1Layer3Stereo128, 36, "Xing"},
        {kMpeg1Layer3Stereo128, 36, "Info"},
        {kMpeg1Layer3Mono128, 21, "Xing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        std::vector<uint8_t> head = HeadWith(c.header);
        std::memcpy(head.data() + c.tagOffset, c.tag, 4);
        PutBigEndian(head, c.tagOffset + 4, 1 | 4);  // frames and seek table
        PutBigEndian(head, c.tagOffset + 8, 383);
        for (int i = 0; i < 100; ++i)
            head[c.tagOffset + 12 + static_cast<size_t>(i)] = static_cast<uint8_t>(2 * i);
        const StreamHead h = StreamHead::Analyse(head.data(), head.size(), 200000, 0);
        EXPECT_TRUE(h.exactDuration);
        EXPECT_EQ(h.durationMs, 10004);  // 383 * 1152 * 1000 / 44100, truncated
        EXPECT_EQ(h.bitRateKbps, 200000 / 10004 * 8);
        EXPECT_TRUE(h.hasToc);
    }
}

TEST(StreamHead, VbriFrameCount)
{
    std::vector<uint8_t> head = HeadWith(kMpeg1Layer3Stereo128);
    std::memcpy(head.data() + 36, "VBRI", 4);
    PutBigEndian(head, 36 + 14, 383);
    const StreamHead h = StreamHead::Analyse(head.data(), head.size(), 200000, 0);
    EXPECT_TRUE(h.exactDuration);
    EXPECT_EQ(h.durationMs, 10004);
}

TEST(StreamHead, SeekTableMapping)
{
    StreamHead h;
    h.hasToc = true;
    for (int i = 0; i < 100; ++i)
        h.toc[i] = static_cast<uint8_t>(2 * i);
    struct Case {
        double fraction;
        double expected;
    };
    const Case cases[] = {
        {0.0, 0.0},
        {0.5, 100.0 / 256},
        {0.255, 51.0 / 256},           // halfway between entries 25 and 26
        {1.0, 1.0},                    // last entry runs up to 256
        {0.995, (198 + 0.5 * 58) / 256.0},
        {-3.0, 0.0},
        {7.0, 1.0},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(h.FractionToFileFraction(c.fraction), c.expected, 1e-12) << c.fraction;

    // Past an ID3v2 tag of 1000 bytes before 9000 audio bytes.
    h.audioStart = 1000;
    h.audioSize = 9000;
    EXPECT_NEAR(h.FractionToFileFraction(0.5), (100.0 / 256 * 9000 + 1000) / 10000, 1e-12);
    EXPECT_NEAR(h.OffsetToFraction(5500), 0.5, 1e-12);
    EXPECT_EQ(h.OffsetToFraction(10), 0.0);
    h.audioSize = 0;
    EXPECT_EQ(h.OffsetToFraction(5500), 0.0);
}

TEST(FrameHeader, FieldsOfEachVersion)
{
    struct Case {
        uint32_t word;
        int rate;
        int layer;
        int channels;
        int samples;
        int frameBytes;
    };
    const Case cases[] = {
        {0xFFFB9000, 44100, 3, 2, 1152, 417},
        {0xFFFB9200, 44100, 3, 2, 1152, 418},  // padded
        {0xFFFB90C0, 44100, 3, 1, 1152, 417},
        {0xFFF39000, 22050, 3, 2, 576, 261},   // MPEG-2, 80 kbit/s
        {0xFFE39000, 11025, 3, 2, 576, 522},   // MPEG 2.5, 80 kbit/s
        {0xFFE39400, 12000, 3, 2, 576, 480},
        {0xFFE39800, 8000, 3, 2, 576, 720},
        {0xFFFD9000, 44100, 2, 2, 1152, 522},  // layer II 160 kbit/s
        {0xFFFF9000, 44100, 1, 2, 384, 312},   // layer I 288 kbit/s: 78 slots of 4 bytes
    };
    for (const Case& c : cases) {
        FrameHeader h;
        ASSERT_TRUE(FrameHeader::Parse(c.word, h)) << std::hex << c.word;
        EXPECT_EQ(h.sampleRate, c.rate) << std::hex << c.word;
        EXPECT_EQ(h.layer, c.layer);
        EXPECT_EQ(h.channels, c.channels);
        EXPECT_EQ(h.samplesPerFrame, c.samples);
        EXPECT_EQ(h.frameBytes, c.frameBytes) << std::hex << c.word;
    }
    const uint32_t refused[] = {
        0xFFEB9000,  // reserved version
        0xFFF99000,  // reserved layer
        0xFFFBF000,  // bit rate index 15
        0xFFFB9C00,  // reserved sampling frequency
        0xFFFB9002,  // reserved emphasis
        0x7FFB9000,  // no sync
    };
    for (uint32_t word : refused) {
        FrameHeader h;
        EXPECT_FALSE(FrameHeader::Parse(word, h)) << std::hex << word;
    }
}

} // namespace
