#pragma once
// TalWaveOutBase: the player behind every PCM source.
//
// It owns a ring of N output buffers of S bytes, a worker thread that keeps the
// wave-out device fed from the derived class's ReadData, the stopped / playing /
// paused state, the byte position, and a copy of the buffer the device finished
// last, so the analyser can read the sound that is audible right now
// (GetPlayedData, GetPlayedDataAligned).
//
// Threads: the slots run on the window thread; the worker fills and writes
// buffers; the device's notification thread reports finished buffers, which hand
// a buffer slot back to the worker through the free-buffers semaphore. The events
// and the semaphore live as long as the player, and every stop resets the device
// and leaves the playing state before anything is torn down, so a late
// notification never touches a released object. A stop is carried out once even
// when the window thread and the worker (end of data) stop at the same time.
// Errors of the audio device are shown in a message box owned by the notify
// window; from the worker the box is queued to the window thread.
//
// Units: positions and lengths are bytes of PCM data from the start of the data.
//
// A derived player calls FreeBuffers in its own destructor, so that the worker has
// ended before the derived part (its file, its decoder) is gone.

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "AudioSourceInterface.h"
#include "Sync.h"
#include "WaveOut.h"
#include "WorkerThread.h"

class TalWaveOutBase : public WorkerThread {
public:
    enum State : std::uint32_t { kStopped = 0, kPlaying = 1, kPaused = 2 };

    TalWaveOutBase();
    ~TalWaveOutBase() override;

    std::uint32_t version = 0x10002;
    const char* name = "TalWaveOutBase";
    const char* filter = "";

    bool SetInfo(const SourceInfo& info);
    bool GetInfo(SourceInfo& info) const;

    // count >= 2, size > 0; frees the old buffers (stopping first).
    bool AllocateBuffers(std::uint32_t count, std::uint32_t size);
    // Stops, joins the worker and frees the buffers.
    void FreeBuffers();

    bool Play();
    bool Stop();
    bool Pause();
    bool Resume();
    bool IsPlaying() const { return state_.load() == kPlaying; }
    bool IsStopped() const { return state_.load() == kStopped; }
    bool IsPaused() const { return state_.load() == kPaused; }

    // The `count` bytes just before the play cursor (count is cut to the buffer
    // size). Returns the bytes copied, -1 when stopped.
    std::int32_t GetPlayedData(std::uint8_t* buffer, std::int32_t count);
    // As GetPlayedData with the cursor snapped down to a multiple of
    // count / divisor and of the block alignment; the snapped offset in the cursor
    // buffer goes to *outOffset. -1 when not playing or when the step is 0.
    std::int32_t GetPlayedDataAligned(std::uint8_t* buffer, std::int32_t count,
                                      std::uint32_t* outOffset, std::int32_t divisor);

    HWND NotifyWindow() const { return notifyWindow_.load(); }
    const tna::WaveFormat& Format() const { return format_; }
    std::uint32_t BufferCount() const { return bufferCount_; }
    std::uint32_t BufferSize() const { return bufferSize_; }

    // The file side, used by the plug-in glue's Open and Close slots.
    // OpenSource opens the named file and reports its rate, channels and bits per
    // sample in `format` (flag 2). CloseSource closes it.
    virtual bool OpenSource(const char* /*fileName*/, SourceInfo& /*format*/) { return false; }
    virtual void CloseSource() {}
    virtual std::uint32_t GetBitRate() const { return format_.avgBytesPerSec * 8; }

    virtual bool Seek(std::uint32_t /*position*/) { return true; }
    // Seek base + bytes the device has played; the seek base alone without a device.
    virtual std::uint32_t GetPosition();
    virtual std::uint32_t GetLength() { return 0; }

protected:
    virtual bool OnPlay() { return true; }
    // Called while stopping, at most on one thread at a time; rewinds the data.
    virtual bool OnStop() { return true; }
    // Bytes placed in the buffer, -1 when there is no more data, 0 on a read error.
    virtual std::int32_t ReadData(std::uint8_t* /*buffer*/, std::uint32_t /*capacity*/) { return 0; }
    virtual bool ProcessData(std::uint8_t* /*buffer*/, std::uint32_t /*size*/) { return true; }
    virtual void OnEndOfData() {}
    virtual void OnReadError() {}
    // Opens the output device; tests substitute a device they drive by hand.
    virtual tna::WaveError OpenDevice(const tna::WaveFormat& format, tna::WaveDoneProc done,
                                      void* instance, std::unique_ptr<tna::WaveOutDevice>& device);

    bool OnThreadStart() override { return true; }
    void OnThreadEnd() override {}
    bool LoopFunc() override;

    // Shows "<error text> - <context>" with caption "Error" in a box owned by the
    // notify window (queued to the window thread when called from elsewhere).
    void ShowWaveError(tna::WaveError error, const char* context) const;
    // Posts a message to the notify window when there is one.
    void PostToNotifyWindow(UINT message) const;

    void SetSeekBase(std::uint32_t position) { seekBase_.store(position); }
    std::uint32_t SeekBase() const { return seekBase_.load(); }

private:
    static void DoneProc(tna::WaveOutDevice* device, tna::WaveHeader* header, void* instance);
    void OnBufferDone(tna::WaveHeader* header);
    // The shared teardown of both stop paths; the caller has claimed the stop.
    bool TearDown(bool fromWorker);
    bool ClaimStop();
    void ResetHeaders();
    std::int32_t CopyPlayed(std::uint8_t* buffer, std::uint32_t count, std::uint32_t cursor,
                            std::uint32_t offset) const;
    void ReportStopErrors(tna::WaveError pause, tna::WaveError reset, tna::WaveError unprepare,
                          tna::WaveError close) const;
    tna::WaveError ReadCursor(std::uint32_t& cursor, std::uint32_t& offset) const;

    std::uint32_t bufferCount_ = 0;
    std::uint32_t bufferSize_ = 0;
    std::uint32_t cursorBuffer_ = 0;
    std::uint32_t nextToPlay_ = 0;
    std::uint32_t historyLength_ = 0;
    std::vector<std::uint8_t> history_;
    std::uint32_t historyIndex_ = 0;
    // 1 while a buffer is queued at the device, from its write to its done notification.
    std::vector<std::uint8_t> inFlight_;
    std::vector<std::unique_ptr<tna::WaveHeader>> headers_;
    std::vector<std::vector<std::uint8_t>> blocks_;
    std::unique_ptr<tna::WaveOutDevice> device_;
    std::atomic<HWND> notifyWindow_{nullptr};
    tna::WaveFormat format_;
    std::atomic<std::uint32_t> state_{kStopped};
    tna::Semaphore freeBuffers_{0, 1};
    std::uint32_t fillIndex_ = 0;
    tna::Event runEvent_{true, false};
    tna::Event idleEvent_{true, true};
    std::atomic<std::uint32_t> seekBase_{0};

    // Guards the state changes, the device pointer, next to play and the history
    // against the notification thread and the worker.
    mutable tna::Lock lock_;
    // Serialises stops requested on the window thread.
    tna::Lock stopLock_;
    bool stopping_ = false;
};
