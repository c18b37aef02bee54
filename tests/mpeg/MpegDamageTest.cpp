// Damaged input: cut files, random bytes, overwritten middles, a broken CRC and a start
// in the middle of the stream. The decoder must neither crash nor hang, must conceal or
// skip what is lost, and must find the stream again after the damage.
#include "MpegTestSupport.h"

#include "FrameHeader.h"

#include <gtest/gtest.h>

#include <random>

using namespace mpegtest;

namespace {

// One clip shared by the tests: 2 s of MPEG-1 layer III, joint stereo, 128 kbit/s.
class DamagedStream : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!HaveProgram("lame"))
            return;
        TempFolder folder;
        WriteWave(folder / "in.wav", MakeTestSignal(44100, 2, 2.0, 3));
        if (RunQuietly("lame --quiet -b 128 '" + (folder / "in.wav").string() + "' '" + (folder / "c.mp3").string() + "'"))
            clip_ = new std::vector<uint8_t>(ReadFile(folder / "c.mp3"));
        if (RunQuietly("lame --quiet -p -b 128 '" + (folder / "in.wav").string() + "' '" + (folder / "p.mp3").string() + "'"))
            protectedClip_ = new std::vector<uint8_t>(ReadFile(folder / "p.mp3"));
    }
    static void TearDownTestSuite()
    {
        delete clip_;
        delete protectedClip_;
        clip_ = protectedClip_ = nullptr;
    }
    void SetUp() override
    {
        if (!clip_ || !protectedClip_)
            GTEST_SKIP() << "lame is not installed: no clip to damage";
    }
    static std::vector<uint8_t>* clip_;
    static std::vector<uint8_t>* protectedClip_;
};

std::vector<uint8_t>* DamagedStream::clip_ = nullptr;
std::vector<uint8_t>* DamagedStream::protectedClip_ = nullptr;

// The last `count` interleaved samples of both agree within 1 LSB.
void ExpectSameTail(const Pcm& damaged, const Pcm& clean, size_t count)
{
    ASSERT_GE(damaged.samples.size(), count);
    ASSERT_GE(clean.samples.size(), count);
    int worst = 0;
    for (size_t i = 1; i <= count; ++i)
        worst = std::max(worst, std::abs(damaged.samples[damaged.samples.size() - i] - clean.samples[clean.samples.size() - i]));
    EXPECT_LE(worst, 1);
}

TEST_F(DamagedStream, TruncatedFilesDecodeTheirWholeFrames)
{
    const Pcm clean = DecodeOurs(*clip_);
    for (size_t cut : {size_t(0), size_t(3), size_t(417 * 2 + 100), clip_->size() / 2, clip_->size() - 1}) {
        SCOPED_TRACE(cut);
        std::vector<uint8_t> part(clip_->begin(), clip_->begin() + static_cast<std::ptrdiff_t>(cut));
        const Pcm pcm = DecodeOurs(part);
        EXPECT_LE(pcm.samples.size(), clean.samples.size());
        // Everything decoded is what the whole file gives at that place.
        for (size_t i = 0; i < pcm.samples.size(); ++i) {
            ASSERT_EQ(pcm.samples[i], clean.samples[i]) << i;
        }
        if (cut > clip_->size() / 2 - 1) {
            EXPECT_GE(pcm.samples.size() + 2 * 2 * 1152, clean.samples.size() * cut / clip_->size());
        }
    }
}

TEST_F(DamagedStream, RandomBytesGiveLittleOrNothing)
{
    std::mt19937 random(42);
    std::vector<uint8_t> noise(200000);
    for (uint8_t& b : noise)
        b = static_cast<uint8_t>(random());
    // Sprinkle sync words so that the header search has to work.
    for (size_t i = 0; i + 4 < noise.size(); i += 997) {
        noise[i] = 0xFF;
        noise[i + 1] = 0xFB;
    }
    const Pcm pcm = DecodeOurs(noise);
    EXPECT_LT(pcm.samples.size(), 20u * 1152 * 2);
}

TEST_F(DamagedStream, OverwrittenMiddleIsSkippedAndDecodingResumes)
{
    const Pcm clean = DecodeOurs(*clip_);
    std::vector<uint8_t> damaged = *clip_;
    std::mt19937 random(7);
    const size_t from = damaged.size() / 3;
    for (size_t i = from; i < from + 3000; ++i)
        damaged[i] = static_cast<uint8_t>(random());
    damaged[from + 500] = 0xFF;  // a false header inside the damage
    damaged[from + 501] = 0xFB;
    damaged[from + 502] = 0x90;
    const Pcm pcm = DecodeOurs(damaged);
    // Roughly the damaged stretch is missing, no more.
    EXPECT_GE(pcm.samples.size() + 12 * 1152 * 2, clean.samples.size());
    ExpectSameTail(pcm, clean, 44100);
}

TEST_F(DamagedStream, CrcMismatchConcealsTheFrame)
{
    const Pcm clean = DecodeOurs(*protectedClip_);
    std::vector<uint8_t> damaged = *protectedClip_;
    // Flip a side-information bit of a frame in the middle (two bytes after the CRC word).
    size_t frame = 0;
    mpeg::FrameHeader header;
    while (frame < damaged.size() / 2 && mpeg::FrameHeader::Parse(damaged.data() + frame, header))
        frame += static_cast<size_t>(header.frameBytes);
    ASSERT_TRUE(mpeg::FrameHeader::Parse(damaged.data() + frame, header));
    ASSERT_TRUE(header.hasCrc);
    damaged[frame + 8] ^= 0x10;
    int64_t concealed = 0;
    const Pcm pcm = DecodeOurs(damaged, &concealed);
    EXPECT_GE(concealed, 1);
    EXPECT_EQ(pcm.samples.size(), clean.samples.size());  // concealment keeps the timing
    ExpectSameTail(pcm, clean, 44100);
}

TEST_F(DamagedStream, StartInTheMiddleConcealsTheMissingReservoir)
{
    const Pcm clean = DecodeOurs(*clip_);
    std::vector<uint8_t> tail(clip_->begin() + static_cast<std::ptrdiff_t>(clip_->size() / 2), clip_->end());
    int64_t concealed = 0;
    const Pcm pcm = DecodeOurs(tail, &concealed);
    EXPECT_GT(pcm.samples.size(), clean.samples.size() / 3);
    ExpectSameTail(pcm, clean, 44100);
}

} // namespace
