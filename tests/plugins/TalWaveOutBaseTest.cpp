#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <optional>

#include "PlayerHarness.h"
#include "PlugInGlue.h"
#include "TalWaveOutBase.h"

namespace {

using test::Bytes;
using test::WaitUntil;

// A player over bytes in memory that counts its stops and can fail a read.
class MemoryPlayer : public TalWaveOutBase {
public:
    MemoryPlayer(std::uint32_t rate = 8000, std::uint16_t channels = 1, std::uint16_t bits = 16)
    {
        SourceInfo info;
        info.flags = kInfoPcmFormat;
        info.samplesPerSec = rate;
        info.channels = channels;
        info.bitsPerSample = bits;
        SetInfo(info);
    }
    ~MemoryPlayer() override { FreeBuffers(); }

    Bytes data;
    std::optional<std::size_t> failAt;
    std::atomic<int> stops{0}, stopsRunning{0}, mostStopsAtOnce{0}, ended{0}, failed{0};

protected:
    std::int32_t ReadData(std::uint8_t* buffer, std::uint32_t capacity) override
    {
        if (failAt && readPosition_ >= *failAt)
            return 0;
        const std::size_t count = std::min<std::size_t>(capacity, data.size() - readPosition_);
        if (count == 0)
            return -1;
        std::copy_n(data.begin() + std::ptrdiff_t(readPosition_), count, buffer);
        readPosition_ += count;
        return std::int32_t(count);
    }
    bool OnStop() override
    {
        const int running = ++stopsRunning;
        int most = mostStopsAtOnce.load();
        while (running > most && !mostStopsAtOnce.compare_exchange_weak(most, running)) {
        }
        tna::SleepMs(1);
        readPosition_ = 0;
        ++stops;
        --stopsRunning;
        return true;
    }
    void OnEndOfData() override
    {
        ++ended;
        PostToNotifyWindow(WM_SOURCE_ENDED);
    }
    void OnReadError() override
    {
        ++failed;
        PostToNotifyWindow(WM_SOURCE_FAILED);
    }

private:
    std::size_t readPosition_ = 0;
};

using DrivenPlayer = test::Driven<MemoryPlayer>;

class TalWaveOutBaseTest : public test::WindowFixture {
protected:
    void Prepare(DrivenPlayer& player, std::uint32_t count, std::uint32_t size, std::size_t dataSize)
    {
        SourceInfo info = WindowInfo();
        player.SetInfo(info);
        ASSERT_TRUE(player.AllocateBuffers(count, size));
        player.data = test::Pattern(dataSize);
    }
};

TEST_F(TalWaveOutBaseTest, KeepsExactlyNBuffersQueued)
{
    DrivenPlayer player;
    Prepare(player, 4, 64, 64 * 40);
    ASSERT_TRUE(player.Play());
    ASSERT_TRUE(WaitUntil([&] { return player.device->QueuedBuffers() == 4; }));
    tna::SleepMs(150);
    EXPECT_EQ(player.device->QueuedBuffers(), 4u);
    player.device->PlayBytes(64 * 2 + 10);
    ASSERT_TRUE(WaitUntil([&] { return player.device->QueuedBuffers() == 4; }));
    tna::SleepMs(100);
    EXPECT_EQ(player.device->QueuedBuffers(), 4u);
    EXPECT_TRUE(player.Stop());
}

TEST_F(TalWaveOutBaseTest, EndsOnlyAfterEveryBufferHasPlayed)
{
    DrivenPlayer player;
    Prepare(player, 3, 64, 64 * 5 + 10);
    ASSERT_TRUE(player.Play());
    Bytes played = player.PlayAll(player.data.size() - 1);
    queue_.WaitAndPump(120);
    EXPECT_EQ(recorder_.Count(WM_SOURCE_ENDED), 0);
    EXPECT_TRUE(player.IsPlaying());

    std::uint8_t last = 0;
    while (player.device->PlayBytes(1, &last) == 0)
        tna::SleepMs(1);
    played.push_back(last);
    ASSERT_TRUE(WaitForMessage(WM_SOURCE_ENDED));
    EXPECT_EQ(played, player.data);
    EXPECT_TRUE(player.IsStopped());
    EXPECT_EQ(player.ended.load(), 1);
    EXPECT_EQ(player.stops.load(), 1);
}

TEST_F(TalWaveOutBaseTest, EmptyDataEndsAtOnce)
{
    DrivenPlayer player;
    Prepare(player, 2, 64, 0);
    ASSERT_TRUE(player.Play());
    ASSERT_TRUE(WaitForMessage(WM_SOURCE_ENDED));
    EXPECT_TRUE(player.IsStopped());
}

TEST_F(TalWaveOutBaseTest, AReadErrorEndsPlaybackWithFailed)
{
    DrivenPlayer player;
    Prepare(player, 3, 64, 64 * 10);
    player.failAt = 128;
    ASSERT_TRUE(player.Play());
    ASSERT_TRUE(WaitForMessage(WM_SOURCE_FAILED));
    EXPECT_TRUE(player.IsStopped());
    EXPECT_EQ(player.failed.load(), 1);
    EXPECT_EQ(player.ended.load(), 0);
    EXPECT_EQ(recorder_.Count(WM_SOURCE_ENDED), 0);
}

TEST_F(TalWaveOutBaseTest, DeviceErrorsOfTheWorkerAreShownOnTheWindowThread)
{
    DrivenPlayer player;
    Prepare(player, 2, 64, 64 * 4);
    player.closeDeviceAtOpen = true;
    ASSERT_TRUE(player.Play());
    ASSERT_TRUE(WaitUntil([&] { return player.IsStopped(); }));
    tna::SleepMs(50);
    EXPECT_TRUE(queue_.TakeMessageBoxes().empty()) << "nothing may be shown from the worker";
    player.FreeBuffers(); // joins the worker: every box it queued is in the queue now
    queue_.Pump();
    const auto boxes = queue_.TakeMessageBoxes();
    const std::string expected = "Error: " + tna::WaveErrorText(tna::WaveError::InvalidHandle) +
                                 " - TalWaveOutBase::LoopFunc(), waveOutPrepareHeader";
    EXPECT_NE(std::find(boxes.begin(), boxes.end(), expected), boxes.end());
}

TEST_F(TalWaveOutBaseTest, StateChangesOnlyFromTheRightState)
{
    DrivenPlayer player;
    EXPECT_FALSE(player.Play()) << "no buffers yet";
    EXPECT_FALSE(player.AllocateBuffers(1, 64));
    EXPECT_FALSE(player.AllocateBuffers(4, 0));
    Prepare(player, 3, 64, 64 * 20);
    EXPECT_FALSE(player.Pause());
    EXPECT_FALSE(player.Resume());
    ASSERT_TRUE(player.Play());
    EXPECT_FALSE(player.Resume());
    EXPECT_TRUE(player.Pause());
    EXPECT_FALSE(player.Pause());
    EXPECT_TRUE(player.Resume());
    ASSERT_TRUE(WaitUntil([&] { return player.device->QueuedBuffers() == 3; }));
    player.device->PlayBytes(100);
    EXPECT_EQ(player.GetPosition(), 100u);
    EXPECT_TRUE(player.Stop());
    EXPECT_FALSE(player.Stop());
    EXPECT_EQ(player.GetPosition(), 0u);
    EXPECT_EQ(player.stops.load(), 1);
    EXPECT_EQ(recorder_.Count(WM_SOURCE_ENDED), 0);
}

TEST_F(TalWaveOutBaseTest, ABufferFinishingWhilePausedKeepsItsSlot)
{
    DrivenPlayer player;
    Prepare(player, 3, 64, 64 * 40);
    ASSERT_TRUE(player.Play());
    ASSERT_TRUE(WaitUntil([&] { return player.device->QueuedBuffers() == 3; }));
    ASSERT_TRUE(player.Pause());
    // The device finishes the buffer it was playing just after the pause.
    EXPECT_EQ(player.device->PlayBytes(64, nullptr, true), 64u);
    std::uint8_t sample[16];
    std::uint32_t offset = 0;
    EXPECT_EQ(player.GetPlayedDataAligned(sample, 16, &offset, 2), -1) << "paused";
    EXPECT_GE(player.GetPlayedData(sample, 16), 0) << "still answers while paused";
    ASSERT_TRUE(player.Resume());
    EXPECT_TRUE(WaitUntil([&] { return player.device->QueuedBuffers() == 3; }, 2000))
        << "the slot of the buffer finished while paused was lost";
    EXPECT_TRUE(player.Stop());
}

TEST_F(TalWaveOutBaseTest, AStopRacingTheEndOfTheDataTearsDownOnce)
{
    tna::SetNullAudio(true);
    MemoryPlayer player(8000, 1, 8); // 8000 bytes a second
    player.SetInfo(WindowInfo());
    ASSERT_TRUE(player.AllocateBuffers(2, 40));
    player.data = test::Pattern(80);
    constexpr int kRounds = 40;
    int stoppedByUser = 0;
    for (int round = 0; round < kRounds; ++round) {
        ASSERT_TRUE(player.Play());
        tna::SleepMs(round % 16);
        stoppedByUser += player.Stop() ? 1 : 0;
        EXPECT_TRUE(player.IsStopped());
    }
    EXPECT_EQ(player.stops.load(), kRounds);
    EXPECT_EQ(stoppedByUser + player.ended.load(), kRounds);
    EXPECT_EQ(player.mostStopsAtOnce.load(), 1);
    player.FreeBuffers();
    EXPECT_FALSE(player.HasThread());
}

TEST_F(TalWaveOutBaseTest, StopAndCloseWhileBuffersAreInFlightLeaveNoThreadBehind)
{
    tna::SetNullAudio(true);
    for (int round = 0; round < 10; ++round) {
        auto player = std::make_unique<MemoryPlayer>(8000, 1, 8);
        player->SetInfo(WindowInfo());
        ASSERT_TRUE(player->AllocateBuffers(3, 16));
        player->data = test::Pattern(4000);
        ASSERT_TRUE(player->Play());
        tna::SleepMs(round);
        if (round % 2)
            player->Pause();
        player.reset(); // the destructor stops, joins the worker and frees everything
    }
}

// Each row plays the device up to `played` bytes, then pulls. `divisor` 0 means
// GetPlayedData; otherwise GetPlayedDataAligned. The answer must be the `result`
// data bytes that end at stream byte `end`, with `offset` the snapped offset.
struct PullCase {
    std::uint32_t played;
    std::int32_t count;
    std::int32_t divisor;
    std::int32_t result;
    std::uint32_t end;
    std::uint32_t offset;
};

TEST_F(TalWaveOutBaseTest, PullsTheBytesJustBeforeThePlayCursor)
{
    // 16-bit mono (block alignment 2), 4 buffers of 16 bytes.
    const PullCase cases[] = {
        {0, 8, 0, 0, 0, 0},        // nothing played yet
        {6, 4, 0, 4, 6, 0},        // inside the first buffer
        {6, 8, 0, 6, 6, 0},        // no history yet: only the offset
        {6, 8, 2, 4, 4, 4},        // aligned: 6 snaps to 4
        {20, 8, 0, 8, 20, 0},      // the missing part comes from the history
        {21, 8, 2, 8, 20, 4},      // 5 snaps to a step of 4
        {21, 6, 4, 6, 20, 4},      // step 1, then block alignment 2
        {21, 8, 0x100, -1, 0, 0},  // the divisor's low byte is 0
        {21, 1, 2, -1, 0, 0},      // a step of 0
        {40, 100, 0, 16, 40, 0},   // the count is cut to the buffer size
        {70, 10, 0, 10, 70, 0},    // the ring has wrapped
        {70, 16, 1, 16, 64, 0},    // a whole buffer snapped back to its start
    };
    DrivenPlayer player;
    Prepare(player, 4, 16, 16 * 40);
    ASSERT_TRUE(player.Play());
    for (const PullCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "played " << c.played << " count " << c.count << " divisor " << c.divisor);
        ASSERT_TRUE(WaitUntil([&] { return player.device->QueuedBuffers() == 4; }));
        std::uint64_t position = 0;
        player.device->GetPosition(position);
        ASSERT_LE(position, c.played);
        player.device->PlayBytes(c.played - position);
        ASSERT_TRUE(WaitUntil([&] { return player.device->QueuedBuffers() == 4; }));

        Bytes buffer(128, 0xEE);
        std::uint32_t offset = 0xFFFF;
        const std::int32_t result = c.divisor == 0
                                        ? player.GetPlayedData(buffer.data(), c.count)
                                        : player.GetPlayedDataAligned(buffer.data(), c.count, &offset, c.divisor);
        ASSERT_EQ(result, c.result);
        if (result <= 0)
            continue;
        if (c.divisor != 0) {
            EXPECT_EQ(offset, c.offset);
        }
        const Bytes expected(player.data.begin() + (c.end - result), player.data.begin() + c.end);
        EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + result), expected);
        EXPECT_EQ(buffer[std::size_t(result)], 0xEE) << "wrote past the answer";
    }
    EXPECT_TRUE(player.Stop());
    Bytes buffer(16);
    std::uint32_t offset = 0;
    EXPECT_EQ(player.GetPlayedData(buffer.data(), 16), -1);
    EXPECT_EQ(player.GetPlayedDataAligned(buffer.data(), 16, &offset, 2), -1);
}

TEST_F(TalWaveOutBaseTest, PullsTheOlderBufferItselfWhileItsNotificationIsLate)
{
    DrivenPlayer player;
    Prepare(player, 4, 16, 16 * 40);
    ASSERT_TRUE(player.Play());
    ASSERT_TRUE(WaitUntil([&] { return player.device->QueuedBuffers() == 4; }));
    player.holdNotifications = true;
    player.device->PlayBytes(20); // buffer 0 has played, the player has not heard yet
    const Bytes expected(player.data.begin() + 12, player.data.begin() + 20);
    Bytes buffer(8);
    ASSERT_EQ(player.GetPlayedData(buffer.data(), 8), 8);
    EXPECT_EQ(buffer, expected);

    player.holdNotifications = false;
    ASSERT_TRUE(WaitUntil([&] { return player.device->QueuedBuffers() == 4; }));
    ASSERT_EQ(player.GetPlayedData(buffer.data(), 8), 8);
    EXPECT_EQ(buffer, expected) << "the same bytes, now from the history";
    EXPECT_TRUE(player.Stop());
}

// The glue's record refuses records of the wrong size and fills the format.
TEST_F(TalWaveOutBaseTest, TheRecordRefusesWrongSizedParameterRecords)
{
    AudioSourceInterface* record = CreatePcmSourceInterface(std::make_unique<MemoryPlayer>(), kSourcePcmFile);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->type, kSourcePcmFile);
    EXPECT_EQ(record->GetEvents, nullptr);
    EXPECT_NE(record->Seek, nullptr);

    SourceInfo info;
    info.flags = kInfoPcmFormat;
    info.samplesPerSec = 44100;
    info.channels = 2;
    info.bitsPerSample = 16;
    EXPECT_EQ(record->SetInfo(record->player, &info), 1);
    EXPECT_EQ(record->format->blockAlign, 4);
    EXPECT_EQ(record->format->avgBytesPerSec, 176400u);
    EXPECT_EQ(record->GetBitRate(record->player), 1411200u);

    info.size = 24; // the size of a record with 32-bit handles
    info.samplesPerSec = 8000;
    EXPECT_EQ(record->SetInfo(record->player, &info), 0);
    EXPECT_EQ(record->format->samplesPerSec, 44100u);

    const OpenParams good{sizeof(OpenParams), 0, 4, 1024, "x.raw"};
    const OpenParams bad[] = {
        {16, 0, 4, 1024, "x.raw"},
        {sizeof(OpenParams), 0, 0, 1024, "x.raw"},
        {sizeof(OpenParams), 0, 4, 0, "x.raw"},
        {sizeof(OpenParams), 0, 4, 1024, nullptr},
    };
    EXPECT_TRUE(IsValidOpenParams(&good));
    for (const OpenParams& params : bad)
        EXPECT_EQ(record->Open(record->player, &params), 0);
}

} // namespace
