// The file side of the MPEG player: opening and format discovery, whole frames into
// buffers that are never overrun, length and seeking, rewinding, and streams that change
// their format mid-way.
#include "MpegPlayback.h"
#include "MpegTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace mpegtest;

namespace {

class Playback : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!HaveProgram("lame"))
            GTEST_SKIP() << "lame is not installed: no files to play";
    }
    std::filesystem::path Encode(const std::string& name, int rate, int channels, double seconds, const std::string& options)
    {
        const auto wav = folder_ / (name + ".wav");
        const auto mp3 = folder_ / (name + ".mp3");
        WriteWave(wav, MakeTestSignal(rate, channels, seconds, 9));
        EXPECT_TRUE(RunQuietly("lame --quiet " + options + " '" + wav.string() + "' '" + mp3.string() + "'"));
        return mp3;
    }
    // Everything ReadData gives until the end, in pieces of the given capacity.
    static std::vector<uint8_t> ReadAll(mpeg::MpegPlayback& p, int capacity)
    {
        std::vector<uint8_t> all;
        std::vector<uint8_t> buffer(static_cast<size_t>(capacity) + 64, 0xA5);
        for (int guard = 0; guard < 100000; ++guard) {
            int n = p.ReadData(buffer.data(), capacity);
            if (n < 0)
                break;
            EXPECT_LE(n, capacity);
            EXPECT_EQ(n % p.BlockAlign(), 0);
            for (size_t i = static_cast<size_t>(capacity); i < buffer.size(); ++i) {
                EXPECT_EQ(buffer[i], 0xA5) << "written past the buffer";
            }
            all.insert(all.end(), buffer.begin(), buffer.begin() + n);
        }
        return all;
    }
    TempFolder folder_;
};

TEST_F(Playback, OpensWithTheFormatOfTheFirstFrame)
{
    struct Case {
        int rate;
        int channels;
        const char* options;
    };
    const Case cases[] = {
        {44100, 2, "-b 128"}, {44100, 1, "-m m -b 64"}, {8000, 2, "-b 16"}, {11025, 1, "-b 24"}, {12000, 2, "-b 32"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rate);
        const auto file = Encode("f" + std::to_string(c.rate) + "_" + std::to_string(c.channels), c.rate, c.channels, 1.0,
                                 c.options);
        mpeg::MpegPlayback p;
        ASSERT_TRUE(p.OpenFile(file.c_str()));
        EXPECT_EQ(p.SampleRate(), c.rate);
        EXPECT_EQ(p.Channels(), c.channels);
        EXPECT_EQ(p.BlockAlign(), 2 * c.channels);
        EXPECT_EQ(p.AverageBytesPerSecond(), int64_t(2) * c.channels * c.rate);
        // One second of input; the encoder adds its delay and pads the last frame.
        EXPECT_NEAR(static_cast<double>(p.DurationMs()), 1000.0, 250.0);
        EXPECT_EQ(p.GetLength(), static_cast<int64_t>(p.DurationMs() * 0.001 * p.AverageBytesPerSecond()));
    }
}

TEST_F(Playback, ConstantBitRateFileReportsItsBitRate)
{
    const auto file = Encode("cbr", 44100, 2, 1.0, "-b 128 -t");
    mpeg::MpegPlayback p;
    ASSERT_TRUE(p.OpenFile(file.c_str()));
    EXPECT_EQ(p.BitRateKbps(), 128);
    EXPECT_EQ(p.BitRateKbps() * 1024, 131072);
}

TEST_F(Playback, BuffersGetWholeFramesAndAreNeverOverrun)
{
    const auto file = Encode("buffers", 44100, 2, 1.0, "-b 128");
    const std::vector<uint8_t> stream = ReadFile(file);
    const Pcm whole = DecodeOurs(stream);
    const size_t firstFrameBytes = 1152 * 4;  // played only after a rewind
    for (int capacity : {36864, 4608, 5000, 1000, 6, 4}) {
        SCOPED_TRACE(capacity);
        mpeg::MpegPlayback p;
        ASSERT_TRUE(p.OpenFile(file.c_str()));
        const std::vector<uint8_t> all = ReadAll(p, capacity);
        ASSERT_EQ(all.size() + firstFrameBytes, whole.samples.size() * 2);
        EXPECT_EQ(0, std::memcmp(all.data(), reinterpret_cast<const uint8_t*>(whole.samples.data()) + firstFrameBytes,
                                 all.size()));
        EXPECT_EQ(p.ReadData(std::vector<uint8_t>(16).data(), 16), -1);
    }
    mpeg::MpegPlayback p;
    ASSERT_TRUE(p.OpenFile(file.c_str()));
    uint8_t one[4];
    EXPECT_EQ(p.ReadData(one, 0), -1);
    // With 36864-byte buffers each one holds exactly eight frames.
    std::vector<uint8_t> big(36864);
    EXPECT_EQ(p.ReadData(big.data(), 36864), 36864);
}

TEST_F(Playback, SeekLandsWithinOneFrame)
{
    const auto file = Encode("seek", 44100, 2, 3.0, "-b 128 -t");
    const Pcm whole = DecodeOurs(ReadFile(file));
    mpeg::MpegPlayback p;
    ASSERT_TRUE(p.OpenFile(file.c_str()));
    for (double seconds : {0.5, 1.37, 2.2}) {
        SCOPED_TRACE(seconds);
        const int64_t position = static_cast<int64_t>(seconds * 44100) * 4 + 2;  // not on a block
        int64_t base = -1;
        ASSERT_TRUE(p.Seek(position, base));
        EXPECT_EQ(base, position - 2);
        std::vector<uint8_t> chunk(4608 * 5);
        ASSERT_EQ(p.ReadData(chunk.data(), static_cast<int>(chunk.size())), static_cast<int>(chunk.size()));
        // Three frames on, reservoir and filter memories are back: find the frame in the whole.
        const int16_t* probe = reinterpret_cast<const int16_t*>(chunk.data()) + 3 * 2304;
        const int64_t expected = position / 4 + 3 * 1152;
        int64_t found = -1;
        for (int64_t start = std::max<int64_t>(0, expected - 4 * 1152); start <= expected + 4 * 1152 && found < 0; ++start) {
            if (static_cast<size_t>(start + 1152) * 2 > whole.samples.size())
                break;
            bool same = true;
            for (int i = 0; i < 2304 && same; ++i)
                same = std::abs(whole.samples[static_cast<size_t>(start) * 2 + static_cast<size_t>(i)] - probe[i]) <= 1;
            if (same)
                found = start;
        }
        ASSERT_GE(found, 0) << "the audio after the seek is not found near the asked position";
        EXPECT_LE(std::abs(found - expected), 1152);
    }
    // Seeking does not disturb the length of a constant-bit-rate file.
    EXPECT_NEAR(static_cast<double>(p.DurationMs()), whole.samples.size() / 2 / 44.1, 30.0);
}

TEST_F(Playback, RewindWorksAlsoWithoutALength)
{
    // A VBRI header with a frame count of 0 leaves the length unknown.
    const auto source = Encode("nolength", 44100, 2, 1.0, "-b 128 -t");
    std::vector<uint8_t> bytes = ReadFile(source);
    std::memcpy(bytes.data() + 36, "VBRI", 4);
    std::memset(bytes.data() + 40, 0, 14 + 4);
    const auto file = folder_ / "nolength-vbri.mp3";
    WriteFile(file, bytes);

    mpeg::MpegPlayback p;
    ASSERT_TRUE(p.OpenFile(file.c_str()));
    EXPECT_EQ(p.DurationMs(), 0);
    EXPECT_EQ(p.GetLength(), 0);
    std::vector<uint8_t> first(36864);
    ASSERT_GT(p.ReadData(first.data(), 36864), 0);
    ASSERT_GT(p.ReadData(first.data(), 36864), 0);
    int64_t base = -1;
    ASSERT_TRUE(p.Seek(0, base));  // what a stop does
    EXPECT_EQ(base, 0);
    std::vector<uint8_t> again(36864);
    ASSERT_EQ(p.ReadData(again.data(), 36864), 36864);
    const Pcm whole = DecodeOurs(ReadFile(file));
    // The VBRI frame is read as a header frame, so the audio starts with the second frame.
    EXPECT_EQ(0, std::memcmp(again.data(), whole.samples.data(), 36864));
}

TEST_F(Playback, TagClaimingMoreThanTheFileFailsToOpen)
{
    const auto source = Encode("tagged", 44100, 2, 0.5, "-b 128");
    const std::vector<uint8_t> audio = ReadFile(source);
    for (bool tooLong : {false, true}) {
        std::vector<uint8_t> bytes = {'I', 'D', '3', 3, 0, 0, 0, 0, 0x02, 0x01};
        bytes.resize(267, 0);
        if (tooLong)
            bytes[6] = 0x7F;  // hundreds of megabytes
        bytes.insert(bytes.end(), audio.begin(), audio.end());
        const auto file = folder_ / (tooLong ? "long.mp3" : "ok.mp3");
        WriteFile(file, bytes);
        mpeg::MpegPlayback p;
        EXPECT_EQ(p.OpenFile(file.c_str()), !tooLong);
    }
}

TEST_F(Playback, FirstFrameAfterLeadingBytesStillOpensWithALength)
{
    const auto source = Encode("lead", 44100, 2, 1.0, "-b 128 -t");
    std::vector<uint8_t> bytes(333, 0x20);  // not a frame header
    const std::vector<uint8_t> audio = ReadFile(source);
    bytes.insert(bytes.end(), audio.begin(), audio.end());
    const auto file = folder_ / "lead-bytes.mp3";
    WriteFile(file, bytes);
    mpeg::MpegPlayback p;
    ASSERT_TRUE(p.OpenFile(file.c_str()));
    EXPECT_EQ(p.SampleRate(), 44100);
    // Estimated after the first frame from its bit rate.
    EXPECT_NEAR(static_cast<double>(p.DurationMs()), 1000.0, 250.0);
    EXPECT_EQ(p.BitRateKbps(), 128);
}

TEST_F(Playback, FormatChangesMidStreamAreConvertedToTheOpeningFormat)
{
    const std::vector<uint8_t> mono = ReadFile(Encode("m", 44100, 1, 1.0, "-m m -b 64 -t"));
    const std::vector<uint8_t> stereo = ReadFile(Encode("s", 44100, 2, 1.0, "-b 128 -t"));
    const std::vector<uint8_t> low = ReadFile(Encode("l", 22050, 2, 1.0, "-b 64 -t"));
    std::vector<uint8_t> joined = mono;
    joined.insert(joined.end(), stereo.begin(), stereo.end());
    joined.insert(joined.end(), low.begin(), low.end());
    const auto file = folder_ / "joined.mp3";
    WriteFile(file, joined);
    mpeg::MpegPlayback p;
    ASSERT_TRUE(p.OpenFile(file.c_str()));
    EXPECT_EQ(p.Channels(), 1);
    EXPECT_EQ(p.SampleRate(), 44100);
    const std::vector<uint8_t> all = ReadAll(p, 36864);
    // About three seconds of mono at 44.1 kHz, the 22.05 kHz part resampled to the full rate.
    EXPECT_NEAR(static_cast<double>(all.size()) / 2 / 44100, 3.0, 0.2);
}

} // namespace
