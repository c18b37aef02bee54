#pragma once
// Test helpers for players: a message queue and window that record what the
// players send, and a player wrapper that plays through a device the test drives.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>
#include <vector>

#include "AudioSourceInterface.h"
#include "WaveBuilder.h"
#include "Sync.h"
#include "WaveOut.h"
#include "WindowMessage.h"

namespace test {

inline bool WaitUntil(const std::function<bool()>& ready, int timeoutMs = 5000)
{
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!ready()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// The notify window: records every message it receives, on the window thread.
struct RecordingWindow : tna::MessageTarget {
    std::vector<UINT> messages;
    LRESULT HandleMessage(UINT message, WPARAM, LPARAM) override
    {
        messages.push_back(message);
        return 0;
    }
    int Count(UINT message) const { return int(std::count(messages.begin(), messages.end(), message)); }
};

// Installs a message queue as the dispatcher and registers one window.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        tna::SetMessageDispatcher(&queue_);
        window_ = tna::RegisterWindow(&recorder_);
    }
    void TearDown() override
    {
        queue_.Pump();
        tna::UnregisterWindow(window_);
        tna::SetMessageDispatcher(nullptr);
    }
    // Pumps the window thread's queue until the message has arrived.
    bool WaitForMessage(UINT message, int timeoutMs = 5000)
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (recorder_.Count(message) == 0) {
            if (std::chrono::steady_clock::now() > end)
                return false;
            queue_.WaitAndPump(5);
        }
        return true;
    }
    SourceInfo WindowInfo() const
    {
        SourceInfo info;
        info.flags = kInfoNotifyWindow;
        info.notifyWindow = window_;
        return info;
    }

    tna::MessageQueue queue_;
    RecordingWindow recorder_;
    HWND window_ = nullptr;
};

// Adds to a player class a hand-driven device: the test plays the bytes the
// player queued and collects them.
template <class Player>
class Driven : public Player {
public:
    ~Driven() override { this->FreeBuffers(); }

    tna::ManualWaveOut* device = nullptr;
    bool closeDeviceAtOpen = false;
    // While set, done notifications wait on the device's thread: a late notification.
    std::atomic<bool> holdNotifications{false};

    // Plays exactly `total` bytes (the device lives until the last of them has
    // played), returning them. Gives up when nothing arrives for two seconds.
    Bytes PlayAll(std::size_t total, std::size_t step = 1000)
    {
        Bytes out(total);
        std::size_t played = 0;
        auto lastProgress = std::chrono::steady_clock::now();
        while (played < total) {
            const std::size_t got = device->PlayBytes(std::min(step, total - played), out.data() + played);
            played += got;
            if (got) {
                lastProgress = std::chrono::steady_clock::now();
            } else {
                if (std::chrono::steady_clock::now() - lastProgress > std::chrono::seconds(2)) {
                    ADD_FAILURE() << "the player stopped delivering after " << played << " of " << total << " bytes";
                    out.resize(played);
                    return out;
                }
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
        }
        return out;
    }

protected:
    tna::WaveError OpenDevice(const tna::WaveFormat& format, tna::WaveDoneProc done, void* instance,
                              std::unique_ptr<tna::WaveOutDevice>& out) override
    {
        done_ = done;
        instance_ = instance;
        auto manual = std::make_unique<tna::ManualWaveOut>(format, &Driven::Gate, this);
        device = manual.get();
        if (closeDeviceAtOpen)
            manual->Close();
        out = std::move(manual);
        return tna::WaveError::None;
    }

private:
    static void Gate(tna::WaveOutDevice* device, tna::WaveHeader* header, void* self)
    {
        auto* me = static_cast<Driven*>(self);
        while (me->holdNotifications.load())
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        me->done_(device, header, me->instance_);
    }

    tna::WaveDoneProc done_ = nullptr;
    void* instance_ = nullptr;
};

} // namespace test
