#pragma once
// PCM output. A WaveOutDevice plays the buffers written to it in order and
// reports each one done, once, in order, on its own notification thread; Reset
// returns every queued buffer the same way. The position counts the bytes played
// since the device was opened and stands still while the device is paused.
//
// Two devices exist: the sound card through SDL audio, and a null device that
// plays silently at real-time pace for headless runs and tests. The null device is
// chosen by the environment variable TINTONIA_AUDIO=null or by SetNullAudio.

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace tna {

// A PCM wave format record (tag, channels, rate, average bytes per second, block
// alignment, bits per sample, size of extra format bytes that may follow).
struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSec = 0;
    std::uint32_t avgBytesPerSec = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t extraSize = 0;
};

constexpr std::uint16_t kWaveFormatPcm = 1;

// One output buffer handed to a device. `user` is free for the owner.
struct WaveHeader {
    std::uint8_t* data = nullptr;
    std::uint32_t bufferLength = 0;
    std::uint32_t bytesRecorded = 0;
    std::uintptr_t user = 0;
    std::uint32_t flags = 0;
    std::uint32_t loops = 0;
    WaveHeader* next = nullptr;
    std::uintptr_t reserved = 0;
};

constexpr std::uint32_t kWaveHeaderDone = 0x01;
constexpr std::uint32_t kWaveHeaderPrepared = 0x02;
constexpr std::uint32_t kWaveHeaderInQueue = 0x10;

enum class WaveError : std::uint32_t {
    None = 0,
    NoDevice,
    BadFormat,
    InvalidHandle,
    InvalidParameter,
    Unprepared,
    StillPlaying,
    DeviceFailed,
};

// Readable text of an error code, at most 127 characters.
std::string WaveErrorText(WaveError error);

// Output mode: the null device is used when the environment asks for it or
// SetNullAudio(true) was called.
void SetNullAudio(bool useNullDevice);
bool UsingNullAudio();

// Number of wave output devices; the null device counts as one.
unsigned WaveOutDeviceCount();

class WaveOutDevice;
// Buffer-done notification, called on the device's notification thread.
using WaveDoneProc = void (*)(WaveOutDevice* device, WaveHeader* header, void* instance);

class WaveOutDevice {
public:
    virtual ~WaveOutDevice();
    WaveOutDevice(const WaveOutDevice&) = delete;
    WaveOutDevice& operator=(const WaveOutDevice&) = delete;

    WaveError Prepare(WaveHeader& header);
    WaveError Unprepare(WaveHeader& header);
    WaveError Write(WaveHeader& header);
    WaveError Pause();
    WaveError Restart();
    // Stops playing, returns every queued buffer as done and sets the position to 0.
    WaveError Reset();
    WaveError GetPosition(std::uint64_t& bytesPlayed);
    // Stops, delivers every pending notification and ends the notification thread.
    // Fails with StillPlaying while buffers are queued (Reset first).
    WaveError Close();

    const WaveFormat& Format() const { return format_; }
    bool IsPaused() const;

protected:
    WaveOutDevice(const WaveFormat& format, WaveDoneProc done, void* instance);

    // For the backend: takes up to `size` bytes from the queued buffers in order,
    // copying them to `out` unless it is null; returns the count taken. Nothing is
    // taken while paused (unless evenWhenPaused). Finished buffers go to the
    // notification thread.
    std::size_t Consume(std::uint8_t* out, std::size_t size, bool evenWhenPaused = false);
    std::size_t QueuedBytes() const;
    std::size_t QueuedBuffers() const;

    // Backend hooks, called without the device lock held.
    virtual void OnPause(bool /*paused*/) {}
    virtual void OnQueued() {}
    virtual void OnClose() {}

private:
    void NotifyLoop();

    WaveFormat format_;
    WaveDoneProc done_;
    void* instance_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<WaveHeader*> queue_;
    std::size_t headOffset_ = 0;
    std::deque<WaveHeader*> finished_;
    std::uint64_t played_ = 0;
    bool paused_ = false;
    bool closing_ = false;
    bool closed_ = false;
    std::thread notifier_;
};

// Opens the output device for the format: the null device or the sound card.
WaveError OpenWaveOut(const WaveFormat& format, WaveDoneProc done, void* instance,
                      std::unique_ptr<WaveOutDevice>& device);

// A device that plays only when told to; for tests and tools that drive the
// timing themselves.
class ManualWaveOut : public WaveOutDevice {
public:
    ManualWaveOut(const WaveFormat& format, WaveDoneProc done, void* instance);
    ~ManualWaveOut() override;
    // Plays up to `bytes` queued bytes, copying them to `out` unless it is null;
    // returns how many were played. `evenWhenPaused` models a buffer that the
    // hardware finishes just after a pause.
    std::size_t PlayBytes(std::size_t bytes, std::uint8_t* out = nullptr, bool evenWhenPaused = false)
    {
        return Consume(out, bytes, evenWhenPaused);
    }
    using WaveOutDevice::QueuedBuffers;
    using WaveOutDevice::QueuedBytes;
};

} // namespace tna
