#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <mutex>
#include <numeric>
#include <thread>
#include <vector>

#include "Sync.h"
#include "WaveOut.h"

namespace {

using tna::WaveError;
using tna::WaveFormat;
using tna::WaveHeader;

WaveFormat Pcm(std::uint32_t rate, std::uint16_t channels, std::uint16_t bits)
{
    WaveFormat format;
    format.formatTag = tna::kWaveFormatPcm;
    format.channels = channels;
    format.samplesPerSec = rate;
    format.bitsPerSample = bits;
    format.blockAlign = std::uint16_t(channels * bits / 8);
    format.avgBytesPerSec = format.blockAlign * rate;
    return format;
}

// Records the done notifications: which buffer, on which thread.
struct DoneLog {
    std::mutex mutex;
    std::vector<std::uintptr_t> buffers;
    std::vector<std::thread::id> threads;
    tna::Semaphore arrived{0, 1000};

    static void Proc(tna::WaveOutDevice*, WaveHeader* header, void* instance)
    {
        auto* log = static_cast<DoneLog*>(instance);
        {
            std::lock_guard lock(log->mutex);
            log->buffers.push_back(header->user);
            log->threads.push_back(std::this_thread::get_id());
        }
        log->arrived.Release();
    }
    void WaitFor(int count)
    {
        for (int i = 0; i < count; ++i)
            ASSERT_TRUE(arrived.Wait(5000));
    }
};

struct Buffers {
    std::vector<std::vector<std::uint8_t>> blocks;
    std::vector<WaveHeader> headers;
    Buffers(int count, std::size_t size) : blocks(count, std::vector<std::uint8_t>(size)), headers(count)
    {
        for (int i = 0; i < count; ++i) {
            std::iota(blocks[i].begin(), blocks[i].end(), std::uint8_t(i * 16));
            headers[i].data = blocks[i].data();
            headers[i].bufferLength = std::uint32_t(size);
            headers[i].user = std::uintptr_t(i);
        }
    }
};

TEST(ManualWaveOut, PlaysBuffersInOrderAndReportsEachOnceOnAnotherThread)
{
    DoneLog log;
    tna::ManualWaveOut device(Pcm(8000, 1, 8), &DoneLog::Proc, &log);
    Buffers buffers(3, 4);
    for (auto& header : buffers.headers) {
        ASSERT_EQ(device.Prepare(header), WaveError::None);
        ASSERT_EQ(device.Write(header), WaveError::None);
    }
    std::vector<std::uint8_t> played(12);
    EXPECT_EQ(device.PlayBytes(6, played.data()), 6u);
    EXPECT_EQ(device.PlayBytes(100, played.data() + 6), 6u);
    log.WaitFor(3);
    EXPECT_EQ(played, (std::vector<std::uint8_t>{0, 1, 2, 3, 16, 17, 18, 19, 32, 33, 34, 35}));
    EXPECT_EQ(log.buffers, (std::vector<std::uintptr_t>{0, 1, 2}));
    for (auto id : log.threads)
        EXPECT_NE(id, std::this_thread::get_id());
    std::uint64_t position = 0;
    ASSERT_EQ(device.GetPosition(position), WaveError::None);
    EXPECT_EQ(position, 12u);
    EXPECT_TRUE(buffers.headers[0].flags & tna::kWaveHeaderDone);
    EXPECT_EQ(device.Close(), WaveError::None);
    EXPECT_EQ(log.buffers.size(), 3u) << "no notification is repeated";
}

TEST(ManualWaveOut, PauseFreezesThePositionAndResetReturnsEveryBuffer)
{
    DoneLog log;
    tna::ManualWaveOut device(Pcm(8000, 1, 8), &DoneLog::Proc, &log);
    Buffers buffers(3, 4);
    for (auto& header : buffers.headers) {
        device.Prepare(header);
        device.Write(header);
    }
    device.PlayBytes(5);
    ASSERT_EQ(device.Pause(), WaveError::None);
    EXPECT_EQ(device.PlayBytes(4), 0u);
    std::uint64_t position = 0;
    device.GetPosition(position);
    EXPECT_EQ(position, 5u);
    EXPECT_EQ(device.Close(), WaveError::StillPlaying);
    EXPECT_EQ(device.Unprepare(buffers.headers[2]), WaveError::StillPlaying);

    ASSERT_EQ(device.Reset(), WaveError::None);
    log.WaitFor(3);
    EXPECT_EQ(log.buffers, (std::vector<std::uintptr_t>{0, 1, 2}));
    device.GetPosition(position);
    EXPECT_EQ(position, 0u);
    for (auto& header : buffers.headers)
        EXPECT_EQ(device.Unprepare(header), WaveError::None);
    EXPECT_EQ(device.Close(), WaveError::None);
    EXPECT_EQ(device.Write(buffers.headers[0]), WaveError::InvalidHandle);
}

TEST(ManualWaveOut, RefusesUnpreparedAndEmptyBuffers)
{
    tna::ManualWaveOut device(Pcm(8000, 1, 8), nullptr, nullptr);
    Buffers buffers(1, 4);
    EXPECT_EQ(device.Write(buffers.headers[0]), WaveError::Unprepared);
    WaveHeader empty;
    EXPECT_EQ(device.Prepare(empty), WaveError::InvalidParameter);
}

TEST(WaveOut, OpenRefusesFormatsNoDeviceCanPlay)
{
    struct Case {
        const char* what;
        WaveFormat format;
    };
    WaveFormat wrongAlign = Pcm(44100, 2, 16);
    wrongAlign.blockAlign = 3;
    const Case cases[] = {
        {"zero rate", Pcm(0, 2, 16)},
        {"zero channels", Pcm(44100, 0, 16)},
        {"12-bit samples", Pcm(44100, 1, 12)},
        {"block alignment not matching", wrongAlign},
    };
    for (const Case& c : cases) {
        std::unique_ptr<tna::WaveOutDevice> device;
        EXPECT_EQ(tna::OpenWaveOut(c.format, nullptr, nullptr, device), WaveError::BadFormat) << c.what;
        EXPECT_EQ(device, nullptr) << c.what;
    }
}

TEST(NullWaveOut, CountsAsADeviceAndPlaysNoFasterThanRealTime)
{
    ASSERT_TRUE(tna::UsingNullAudio()) << "the tests run with TINTONIA_AUDIO=null";
    EXPECT_EQ(tna::WaveOutDeviceCount(), 1u);

    DoneLog log;
    std::unique_ptr<tna::WaveOutDevice> device;
    ASSERT_EQ(tna::OpenWaveOut(Pcm(8000, 1, 8), &DoneLog::Proc, &log, device), WaveError::None);
    Buffers buffers(2, 400); // 50 ms each
    const auto start = std::chrono::steady_clock::now();
    for (auto& header : buffers.headers) {
        device->Prepare(header);
        device->Write(header);
    }
    log.WaitFor(2);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, std::chrono::milliseconds(90));
    std::uint64_t position = 0;
    device->GetPosition(position);
    EXPECT_EQ(position, 800u);
    EXPECT_EQ(device->Close(), WaveError::None);
}

TEST(WaveOut, ErrorTextsAreShortAndDistinct)
{
    const WaveError errors[] = {WaveError::NoDevice, WaveError::BadFormat, WaveError::InvalidHandle,
                                WaveError::InvalidParameter, WaveError::Unprepared, WaveError::StillPlaying,
                                WaveError::DeviceFailed};
    std::vector<std::string> texts;
    for (WaveError error : errors) {
        texts.push_back(tna::WaveErrorText(error));
        EXPECT_LT(texts.back().size(), 128u);
    }
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(std::unique(texts.begin(), texts.end()), texts.end());
}

} // namespace

namespace {

// The sound-card device, run on SDL's dummy driver (set by the test environment).
TEST(SdlWaveOut, PlaysThroughSdlAndReportsEveryBuffer)
{
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    if (!driver || std::string(driver) != "dummy")
        GTEST_SKIP() << "needs SDL_AUDIODRIVER=dummy";
    const std::string saved = std::getenv("TINTONIA_AUDIO") ? std::getenv("TINTONIA_AUDIO") : "";
    unsetenv("TINTONIA_AUDIO");
    tna::SetNullAudio(false);
    ASSERT_FALSE(tna::UsingNullAudio());

    DoneLog log;
    std::unique_ptr<tna::WaveOutDevice> device;
    const WaveError opened = tna::OpenWaveOut(Pcm(22050, 2, 16), &DoneLog::Proc, &log, device);
    if (!saved.empty())
        setenv("TINTONIA_AUDIO", saved.c_str(), 1);
    ASSERT_EQ(opened, WaveError::None);
    Buffers buffers(3, 2048);
    for (auto& header : buffers.headers) {
        ASSERT_EQ(device->Prepare(header), WaveError::None);
        ASSERT_EQ(device->Write(header), WaveError::None);
    }
    log.WaitFor(3);
    EXPECT_EQ(log.buffers, (std::vector<std::uintptr_t>{0, 1, 2}));
    std::uint64_t position = 0;
    device->GetPosition(position);
    EXPECT_EQ(position, 3u * 2048u);
    EXPECT_EQ(device->Pause(), WaveError::None);
    EXPECT_EQ(device->Restart(), WaveError::None);
    EXPECT_EQ(device->Close(), WaveError::None);
}

} // namespace
