#include <gtest/gtest.h>

#include <filesystem>

#include "PlayerHarness.h"
#include "PlugInHost.h"
#include "WaveBuilder.h"

namespace {

using test::Bytes;

// One second of 16-bit stereo whose frame k holds k (low half left, high half
// right), so any 4 bytes tell where in the data they come from.
Bytes CountingFrames(std::uint32_t frames)
{
    Bytes data;
    for (std::uint32_t k = 0; k < frames; ++k) {
        test::Put16(data, k & 0xFFFF);
        test::Put16(data, k >> 16);
    }
    return data;
}

std::uint32_t FrameAt(const std::uint8_t* p)
{
    return std::uint32_t(p[0] | p[1] << 8) | std::uint32_t(p[2] | p[3] << 8) << 16;
}

class EndToEndTest : public test::WindowFixture {};

TEST_F(EndToEndTest, TheAnalyserPullSeesTheFileBytesAtThePlayCursor)
{
    tna::SetNullAudio(true);
    constexpr std::uint32_t kBufferSize = 16384;
    const Bytes data = CountingFrames(44100);
    const auto path = test::WriteTemp("e2e.wav", test::Riff({test::Chunk("fmt ", test::FormatBody(1, 2, 44100, 16)),
                                                              test::Chunk("data", data)}));
    {
        PlugInHost host;
        ASSERT_EQ(host.LoadPlugIn(window_, 4, kBufferSize, std::string(TINTONIA_BIN_DIR) + "/waveplay.so"), 1);
        EXPECT_STREQ(host.PlugIn(0)->name, "TalWavOut");
        ASSERT_EQ(host.OpenFile(path.c_str()), 1);
        EXPECT_EQ(host.GetSampleRate(), 44100u);
        EXPECT_EQ(host.GetChannels(), 2u);
        EXPECT_EQ(host.GetBitsPerSample(), 16u);
        EXPECT_EQ(host.GetLength(), data.size());
        ASSERT_EQ(host.Play(), 1);

        int checked = 0;
        Bytes pulled(8192);
        std::uint32_t lastOffset = 0xFFFFFFFF;
        while (host.IsPlaying()) {
            const std::uint32_t before = host.GetPosition();
            std::uint32_t offset = 0;
            const std::int32_t count = host.GetPlayedDataAligned(pulled.data(), 8192, &offset, 2);
            const std::uint32_t after = host.GetPosition();
            if (count == 8192 && offset != lastOffset) {
                lastOffset = offset;
                const std::uint32_t start = FrameAt(pulled.data()) * 4;
                const std::uint32_t end = start + 8192;
                ASSERT_LE(end, data.size());
                EXPECT_EQ(Bytes(pulled.begin(), pulled.end()),
                          Bytes(data.begin() + start, data.begin() + end));
                EXPECT_EQ(offset % 4096, 0u);
                EXPECT_EQ(end % kBufferSize, offset) << "the pull ends at the snapped cursor";
                EXPECT_LE(end, after);
                EXPECT_GE(end + 4096, before);
                ++checked;
            }
            queue_.WaitAndPump(15);
        }
        EXPECT_GE(checked, 4);
        ASSERT_TRUE(WaitForMessage(WM_SOURCE_ENDED));
        EXPECT_EQ(host.IsStopped(), 1);
    }
    EXPECT_EQ(recorder_.Count(WM_SOURCE_OPENED), 1);
    EXPECT_EQ(recorder_.Count(WM_SOURCE_PLAYING), 1);
    EXPECT_EQ(recorder_.Count(WM_SOURCE_CLOSED), 1) << "unloading shuts the source down";
    std::filesystem::remove(path);
}

} // namespace
