// The mpegplay plug-in: its Open slot and player figures, and a whole file played through
// the host on the null audio device.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "AudioSourceInterface.h"
#include "PlugInHost.h"
#include "TalMp3Out.h"
#include "WaveOut.h"
#include "WindowMessage.h"

namespace {

// The notify window: records every message it receives.
struct RecordingWindow : tna::MessageTarget {
    std::vector<UINT> messages;
    LRESULT HandleMessage(UINT message, WPARAM, LPARAM) override
    {
        messages.push_back(message);
        return 0;
    }
    int Count(UINT message) const
    {
        int n = 0;
        for (UINT m : messages)
            n += m == message;
        return n;
    }
};

class MpegPlay : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (std::system("command -v lame >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "lame is not installed: no file to play";
        tna::SetMessageDispatcher(&queue_);
        window_ = tna::RegisterWindow(&recorder_);
        folder_ = std::filesystem::temp_directory_path() / ("tintonia-mpegplay-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override
    {
        if (window_) {
            queue_.Pump();
            tna::UnregisterWindow(window_);
            tna::SetMessageDispatcher(nullptr);
        }
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    // A tone of the given length as an MP3 made by lame.
    std::string MakeMp3(const std::string& name, double seconds, int channels, const std::string& options)
    {
        const int rate = 44100;
        const auto wav = folder_ / (name + ".wav");
        const auto mp3 = folder_ / (name + ".mp3");
        std::vector<int16_t> samples(static_cast<size_t>(seconds * rate) * static_cast<size_t>(channels));
        for (size_t i = 0; i < samples.size(); ++i)
            samples[i] = static_cast<int16_t>(8000 * std::sin(2 * 3.14159265 * 440.0 * double(i / channels) / rate));
        std::ofstream out(wav, std::ios::binary);
        auto put = [&out](uint32_t v, int bytes) {
            for (int i = 0; i < bytes; ++i)
                out.put(static_cast<char>(v >> (8 * i)));
        };
        const uint32_t data = static_cast<uint32_t>(samples.size() * 2);
        out.write("RIFF", 4);
        put(36 + data, 4);
        out.write("WAVEfmt ", 8);
        put(16, 4);
        put(1, 2);
        put(static_cast<uint32_t>(channels), 2);
        put(rate, 4);
        put(static_cast<uint32_t>(rate * channels * 2), 4);
        put(static_cast<uint32_t>(channels * 2), 2);
        put(16, 2);
        out.write("data", 4);
        put(data, 4);
        out.write(reinterpret_cast<const char*>(samples.data()), data);
        out.close();
        const std::string command = "lame --quiet " + options + " '" + wav.string() + "' '" + mp3.string() + "'";
        EXPECT_EQ(std::system(command.c_str()), 0);
        return mp3.string();
    }
    bool WaitForMessage(UINT message, int timeoutMs)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (recorder_.Count(message) == 0) {
            if (std::chrono::steady_clock::now() > end)
                return false;
            queue_.WaitAndPump(5);
        }
        return true;
    }
    tna::MessageQueue queue_;
    RecordingWindow recorder_;
    HWND window_ = nullptr;
    std::filesystem::path folder_;
};

TEST_F(MpegPlay, OpenUsesItsOwnBuffersAndReportsTheFile)
{
    const std::string file = MakeMp3("cbr", 1.0, 2, "-b 128");
    const std::string mono = MakeMp3("mono", 1.0, 1, "-m m -b 64");
    TalMp3Out player;
    EXPECT_STREQ(player.name, "TalMp3Out");
    EXPECT_EQ(player.version, 0x10008u);
    EXPECT_STREQ(player.filter, "Mpeg Audio Files (*.MP3;*.MP2;*.MP1)|*.MP3;*.MP2;*.MP1|");

    OpenParams params;
    params.bufferCount = 3;
    params.bufferSize = 1000;
    params.fileName = file.c_str();
    OpenParams wrongSize = params;
    wrongSize.size = 12;
    EXPECT_EQ(Mp3OpenSlot(&player, &wrongSize), 0);
    OpenParams noName = params;
    noName.fileName = nullptr;
    EXPECT_EQ(Mp3OpenSlot(&player, &noName), 0);

    ASSERT_EQ(Mp3OpenSlot(&player, &params), 1);
    EXPECT_EQ(params.bufferCount, 20u);
    EXPECT_EQ(params.bufferSize, 36864u);
    EXPECT_EQ(player.BufferCount(), 20u);
    EXPECT_EQ(player.BufferSize(), 36864u);
    EXPECT_EQ(player.GetBitRate(), 131072u);
    EXPECT_EQ(player.Format().samplesPerSec, 44100u);
    EXPECT_EQ(player.Format().channels, 2u);
    EXPECT_EQ(player.Format().blockAlign, 4u);
    EXPECT_EQ(player.GetLength(),
              static_cast<uint32_t>(player.DurationMs() * 0.001 * player.Format().avgBytesPerSec));
    EXPECT_TRUE(player.Seek(4410 * 4 + 3));
    EXPECT_EQ(player.GetPosition(), 4410u * 4);

    params.fileName = mono.c_str();
    ASSERT_EQ(Mp3OpenSlot(&player, &params), 1);
    EXPECT_EQ(player.Format().channels, 1u);
    EXPECT_EQ(player.Format().blockAlign, 2u);

    const std::string missing = (folder_ / "missing.mp3").string();
    params.fileName = missing.c_str();
    EXPECT_EQ(Mp3OpenSlot(&player, &params), 0);
    EXPECT_FALSE(player.IsFileOpen());
}

TEST_F(MpegPlay, PlaysAFileToTheEndThroughTheHost)
{
    tna::SetNullAudio(true);
    const std::string file = MakeMp3("play", 0.8, 2, "-b 128");
    {
        PlugInHost host;
        ASSERT_EQ(host.LoadPlugIn(window_, 20, 47040, std::string(TINTONIA_BIN_DIR) + "/mpegplay.so"), 1);
        const AudioSourceInterface* source = host.PlugIn(0);
        EXPECT_STREQ(source->name, "TalMp3Out");
        EXPECT_EQ(source->type, kSourcePcmFile);
        EXPECT_EQ(host.IsSupported("SONG.Mp2"), 1);
        ASSERT_EQ(host.OpenFile(file.c_str()), 1);
        EXPECT_EQ(host.GetSampleRate(), 44100u);
        EXPECT_EQ(host.GetChannels(), 2u);
        EXPECT_EQ(host.GetBitsPerSample(), 16u);
        EXPECT_EQ(source->GetBitRate(source->player), 131072u);
        const uint32_t length = host.GetLength();
        EXPECT_NEAR(length / 4.0 / 44100.0, 0.8, 0.15);

        // A seek to the middle, then play to the end.
        EXPECT_EQ(host.Seek(length / 2), 1);
        EXPECT_EQ(host.IsPlaying(), 1);
        EXPECT_GE(host.GetPosition() + 4, (length / 2) & ~3u);
        ASSERT_TRUE(WaitForMessage(WM_SOURCE_ENDED, 10000));
        EXPECT_EQ(host.IsStopped(), 1);
        EXPECT_EQ(host.GetPosition(), 0u) << "a stop rewinds";

        // After the end the next play starts from the beginning again.
        ASSERT_EQ(host.Play(), 1);
        EXPECT_EQ(host.Stop(), 1);
    }
    EXPECT_EQ(recorder_.Count(WM_SOURCE_OPENED), 1);
    EXPECT_GE(recorder_.Count(WM_SOURCE_PLAYING), 2);
    EXPECT_EQ(recorder_.Count(WM_SOURCE_FAILED), 0);
    // Open closes what was open first (with its message), and unloading shuts the source down.
    EXPECT_EQ(recorder_.Count(WM_SOURCE_CLOSED), 2);
}

} // namespace
