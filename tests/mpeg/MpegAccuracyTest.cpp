// Our decoder against libmpg123 on clips made by Debian's encoders: same length, sample
// for sample, PSNR >= 96 dB and at most 1 LSB apart (float synthesis on both sides rounds
// to 16 bits; a difference of one step at a rounding boundary is expected).
#include "MpegTestSupport.h"

#include <gtest/gtest.h>

using namespace mpegtest;

namespace {

struct EncoderCase {
    const char* name;
    const char* encoder;   // program
    const char* options;
    int rate;
    int channels;
    const char* extension;
};

const EncoderCase kCases[] = {
    {"Mpeg1JointStereoCbr", "lame", "-b 128", 44100, 2, "mp3"},
    {"Mpeg1StereoCbr", "lame", "-m s -b 192", 48000, 2, "mp3"},
    {"Mpeg1DualChannel", "lame", "-m d -b 160", 44100, 2, "mp3"},
    {"Mpeg1MonoCbr", "lame", "-m m -b 64", 32000, 1, "mp3"},
    {"Mpeg1Vbr", "lame", "-V 2", 44100, 2, "mp3"},
    {"Mpeg1Crc", "lame", "-p -b 160", 44100, 2, "mp3"},
    {"Mpeg1FreeFormat", "lame", "--freeformat -b 200", 44100, 2, "mp3"},
    {"Mpeg1ForcedMidSide", "lame", "-m f -b 128 --resample 44.1", 44100, 2, "mp3"},
    {"Mpeg2JointStereo22050", "lame", "-b 64", 22050, 2, "mp3"},
    {"Mpeg2Stereo24000", "lame", "-m s -b 80", 24000, 2, "mp3"},
    {"Mpeg2Mono16000Vbr", "lame", "-V 4", 16000, 1, "mp3"},
    {"Mpeg25Stereo11025", "lame", "-b 32", 11025, 2, "mp3"},
    {"Mpeg25Mono12000", "lame", "-b 24", 12000, 1, "mp3"},
    {"Mpeg25JointStereo8000Vbr", "lame", "-V 6", 8000, 2, "mp3"},
    {"Layer2Stereo", "twolame", "-m s -b 192", 44100, 2, "mp2"},
    {"Layer2JointStereo", "twolame", "-m j -b 128", 48000, 2, "mp2"},
    {"Layer2MonoLowRate", "twolame", "-m m -b 48", 32000, 1, "mp2"},
    {"Layer2Crc", "twolame", "-p -b 256", 44100, 2, "mp2"},
    {"Layer2Mpeg2", "twolame", "-b 96", 24000, 2, "mp2"},
};

class EncoderAccuracy : public ::testing::TestWithParam<EncoderCase> {};

TEST_P(EncoderAccuracy, MatchesReferenceDecoder)
{
    const EncoderCase& c = GetParam();
    if (!ReferenceAvailable())
        GTEST_SKIP() << "libmpg123 is not installed: no reference decoder";
    if (!HaveProgram(c.encoder))
        GTEST_SKIP() << c.encoder << " is not installed: clip " << c.name << " not made";
    TempFolder folder;
    const auto wav = folder / "in.wav";
    const auto coded = folder / (std::string("clip.") + c.extension);
    ASSERT_TRUE(WriteWave(wav, MakeTestSignal(c.rate, c.channels, 1.5)));
    ASSERT_TRUE(RunQuietly(std::string(c.encoder) + " --quiet " + c.options + " '" + wav.string() + "' '" +
                    coded.string() + "'"))
        << "encoder failed for " << c.name;
    const std::vector<uint8_t> stream = ReadFile(coded);
    int64_t concealed = -1;
    const Pcm ours = DecodeOurs(stream, &concealed);
    const Pcm reference = DecodeReference(stream);

    EXPECT_EQ(concealed, 0);
    EXPECT_EQ(ours.rate, c.rate);
    EXPECT_EQ(ours.channels, c.channels);
    EXPECT_EQ(ours.rate, reference.rate);
    EXPECT_EQ(ours.channels, reference.channels);
    ASSERT_GT(reference.samples.size(), 0u);
    EXPECT_EQ(ours.samples.size(), reference.samples.size());
    const Comparison cmp = Compare(ours, reference);
    EXPECT_GE(cmp.psnr, 96.0);
    EXPECT_LE(cmp.maxDifference, 1);
}

INSTANTIATE_TEST_SUITE_P(Clips, EncoderAccuracy, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<EncoderCase>& info) { return std::string(info.param.name); });

} // namespace
