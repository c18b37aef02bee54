#include <gtest/gtest.h>

#include <filesystem>

#include "PlayerHarness.h"
#include "TalWavOut.h"
#include "WaveBuilder.h"

namespace {

using test::Bytes;
using test::Chunk;
using test::FormatBody;
using test::Riff;

using DrivenWav = test::Driven<TalWavOut>;

Bytes Extensible(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits, std::uint16_t extraSize,
                 std::size_t extraBytes)
{
    Bytes body = FormatBody(0xFFFE, channels, rate, bits);
    test::Put16(body, extraSize);
    body.resize(body.size() + extraBytes, 0x5A);
    return body;
}

class WaveSourceTest : public test::WindowFixture {
protected:
    void TearDown() override
    {
        for (const auto& path : paths_)
            std::filesystem::remove(path);
        test::WindowFixture::TearDown();
    }
    std::string Write(const Bytes& bytes)
    {
        paths_.push_back(test::WriteTemp(std::to_string(paths_.size()) + ".wav", bytes));
        return paths_.back().string();
    }
    // Opens the file the way the Open slot does, with 3 buffers of 256 bytes.
    bool Open(DrivenWav& player, const std::string& path)
    {
        player.SetInfo(WindowInfo());
        if (!player.AllocateBuffers(3, 256))
            return false;
        SourceInfo format;
        if (!player.OpenSource(path.c_str(), format))
            return false;
        format.flags = kInfoPcmFormat;
        return player.SetInfo(format);
    }
    // Plays from the current position to the end, returning the bytes.
    Bytes PlayToEnd(DrivenWav& player, std::size_t expected)
    {
        EXPECT_TRUE(player.Play());
        Bytes played = player.PlayAll(expected);
        EXPECT_TRUE(WaitForMessage(WM_SOURCE_ENDED));
        recorder_.messages.clear();
        return played;
    }

    std::vector<std::filesystem::path> paths_;
};

TEST_F(WaveSourceTest, DeliversExactlyTheDataChunk)
{
    const Bytes pcm16 = FormatBody(1, 2, 44100, 16);
    const Bytes data = test::Pattern(3000);
    const Bytes odd = test::Pattern(101, 7);
    struct Case {
        const char* what;
        Bytes file;
        Bytes expected;
        std::uint16_t channels;
    };
    const Case cases[] = {
        {"fmt then data", Riff({Chunk("fmt ", pcm16), Chunk("data", data)}), data, 2},
        {"an odd chunk before fmt", Riff({Chunk("LIST", {1, 2, 3, 4, 5}), Chunk("fmt ", pcm16), Chunk("data", data)}),
         data, 2},
        {"odd chunks between fmt and data",
         Riff({Chunk("fmt ", pcm16), Chunk("junk", {9, 9, 9}), Chunk("fact", {0, 0, 0, 0}), Chunk("data", data)}),
         data, 2},
        {"extensible format", Riff({Chunk("fmt ", Extensible(2, 44100, 16, 22, 22)), Chunk("data", data)}), data, 2},
        {"extra size beyond the fmt chunk", Riff({Chunk("fmt ", Extensible(2, 44100, 16, 5000, 2)), Chunk("data", data)}),
         data, 2},
        {"odd-sized 8-bit data with a chunk after it",
         Riff({Chunk("fmt ", FormatBody(1, 1, 8000, 8)), Chunk("data", odd), Chunk("tail", {1, 2})}), odd, 1},
        {"data larger than the file", Riff({Chunk("fmt ", pcm16), Chunk("data", data, 100000)}), data, 2},
        {"empty data", Riff({Chunk("fmt ", pcm16), Chunk("data", {})}), {}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DrivenWav player;
        ASSERT_TRUE(Open(player, Write(c.file))) << player.Reader().Error();
        EXPECT_EQ(player.Format().channels, c.channels);
        EXPECT_EQ(player.GetLength(), c.expected.size());
        EXPECT_EQ(PlayToEnd(player, c.expected.size()), c.expected);
        EXPECT_EQ(player.GetPosition(), 0u);
    }
}

TEST_F(WaveSourceTest, ExtraFormatBytesAreKeptWithinTheChunk)
{
    WaveFileReader reader;
    const Bytes withExtra = Riff({Chunk("fmt ", Extensible(2, 48000, 24, 22, 22)), Chunk("data", {1, 2, 3, 4, 5, 6})});
    ASSERT_TRUE(reader.OpenMemory(withExtra));
    EXPECT_EQ(reader.Format().formatTag, 0xFFFE);
    EXPECT_EQ(reader.Format().extraSize, 22);
    EXPECT_EQ(reader.FormatExtra().size(), 22u);

    const Bytes overstated = Riff({Chunk("fmt ", Extensible(2, 48000, 24, 60000, 4)), Chunk("data", {1, 2, 3, 4, 5, 6})});
    ASSERT_TRUE(reader.OpenMemory(overstated));
    EXPECT_EQ(reader.Format().extraSize, 4);
}

TEST_F(WaveSourceTest, BrokenFilesAreRefusedWithAReason)
{
    const Bytes pcm16 = FormatBody(1, 2, 44100, 16);
    const Bytes data = test::Pattern(64);
    Bytes cutFmt = Riff({Chunk("fmt ", pcm16)});
    cutFmt.resize(cutFmt.size() - 6);
    struct Case {
        const char* what;
        Bytes file;
        const char* reason;
    };
    const Case cases[] = {
        {"empty file", {}, "not a RIFF WAVE"},
        {"RIFX", Chunk("RIFX", Bytes{'W', 'A', 'V', 'E'}), "not a RIFF WAVE"},
        {"AVI form", Riff({Chunk("fmt ", pcm16), Chunk("data", data)}, "AVI "), "not a RIFF WAVE"},
        {"no fmt", Riff({Chunk("data", data)}), "without a fmt"},
        {"fmt of 14 bytes", Riff({Chunk("fmt ", Bytes(pcm16.begin(), pcm16.begin() + 14)), Chunk("data", data)}),
         "shorter than 16 bytes at offset 20"},
        {"fmt cut by the end of the file", cutFmt, "cut short"},
        {"zero channels", Riff({Chunk("fmt ", FormatBody(1, 0, 44100, 16, 4)), Chunk("data", data)}), "zero"},
        {"zero rate", Riff({Chunk("fmt ", FormatBody(1, 2, 0, 16)), Chunk("data", data)}), "zero"},
        {"zero bits", Riff({Chunk("fmt ", FormatBody(1, 2, 44100, 0, 4)), Chunk("data", data)}), "zero"},
        {"zero block alignment", Riff({Chunk("fmt ", FormatBody(1, 2, 44100, 16, 0)), Chunk("data", data)}), "zero"},
        {"no data", Riff({Chunk("fmt ", pcm16), Chunk("junk", data)}), "without a data"},
        {"data outside the RIFF chunk", Riff({Chunk("fmt ", pcm16), Chunk("data", data)}, "WAVE", 28),
         "without a data"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WaveFileReader reader;
        EXPECT_FALSE(reader.OpenMemory(c.file));
        EXPECT_NE(reader.Error().find(c.reason), std::string::npos) << reader.Error();

        DrivenWav player;
        EXPECT_FALSE(Open(player, Write(c.file)));
        EXPECT_FALSE(player.IsFileOpen());
    }
    DrivenWav player;
    EXPECT_FALSE(Open(player, "/nonexistent/tintonia.wav"));
    EXPECT_FALSE(Open(player, std::string(600, 'a') + ".wav"));
    EXPECT_TRUE(recorder_.messages.empty());
}

TEST_F(WaveSourceTest, SeeksLandOnBlockBoundariesAndStayInsideTheData)
{
    struct Case {
        const char* what;
        std::uint16_t channels, bits;
        std::size_t dataSize;
        std::uint32_t seekTo, landsAt;
    };
    const Case cases[] = {
        {"16-bit stereo to half the length", 2, 16, 4000, 2003, 2000},
        {"8-bit mono to the exact byte", 1, 8, 1001, 333, 333},
        {"past the end", 2, 16, 4000, 4100, 4000},
        {"past the end of an odd length", 2, 16, 4002, 9000, 4000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Bytes data = test::Pattern(c.dataSize, 3);
        DrivenWav player;
        ASSERT_TRUE(Open(player, Write(Riff({Chunk("fmt ", FormatBody(1, c.channels, 8000, c.bits)),
                                              Chunk("data", data)}))));
        ASSERT_TRUE(player.Seek(c.seekTo));
        EXPECT_EQ(player.GetPosition(), c.landsAt);
        const Bytes rest(data.begin() + c.landsAt, data.end());
        EXPECT_EQ(PlayToEnd(player, rest.size()), rest);
        EXPECT_EQ(player.GetPosition(), 0u) << "a stop rewinds";
    }
}

TEST_F(WaveSourceTest, SeekWhilePlayingIsRefusedAndStopRewinds)
{
    const Bytes data = test::Pattern(2000, 5);
    DrivenWav player;
    ASSERT_TRUE(Open(player, Write(Riff({Chunk("fmt ", FormatBody(1, 1, 8000, 8)), Chunk("data", data)}))));
    ASSERT_TRUE(player.Play());
    ASSERT_TRUE(test::WaitUntil([&] { return player.device->QueuedBuffers() == 3; }));
    player.device->PlayBytes(300);
    EXPECT_FALSE(player.Seek(10));
    EXPECT_TRUE(player.Stop());
    EXPECT_EQ(PlayToEnd(player, data.size()), data);
}

} // namespace
