#include "WaveOut.h"

#include <algorithm>
#include <cstring>

namespace tna {

std::string WaveErrorText(WaveError error)
{
    switch (error) {
    case WaveError::None: return "The operation completed successfully.";
    case WaveError::NoDevice: return "No wave output device is available.";
    case WaveError::BadFormat: return "The wave output device cannot play this format.";
    case WaveError::InvalidHandle: return "The wave output device is not open.";
    case WaveError::InvalidParameter: return "An invalid buffer was passed to the wave output device.";
    case WaveError::Unprepared: return "The buffer has not been prepared.";
    case WaveError::StillPlaying: return "Buffers are still queued on the wave output device.";
    case WaveError::DeviceFailed: return "The wave output device failed.";
    }
    return "Unknown wave output error.";
}

WaveOutDevice::WaveOutDevice(const WaveFormat& format, WaveDoneProc done, void* instance)
    : format_(format), done_(done), instance_(instance), notifier_([this] { NotifyLoop(); })
{
}

WaveOutDevice::~WaveOutDevice()
{
    // A backend closes itself in its own destructor; this only makes sure the
    // notification thread never outlives the device.
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    changed_.notify_all();
    if (notifier_.joinable() && notifier_.get_id() != std::this_thread::get_id())
        notifier_.join();
    else if (notifier_.joinable())
        notifier_.detach();
}

WaveError WaveOutDevice::Prepare(WaveHeader& header)
{
    if (!header.data || header.bufferLength == 0)
        return WaveError::InvalidParameter;
    std::lock_guard lock(mutex_);
    if (closed_)
        return WaveError::InvalidHandle;
    header.flags |= kWaveHeaderPrepared;
    return WaveError::None;
}

WaveError WaveOutDevice::Unprepare(WaveHeader& header)
{
    std::lock_guard lock(mutex_);
    if (header.flags & kWaveHeaderInQueue)
        return WaveError::StillPlaying;
    header.flags &= ~kWaveHeaderPrepared;
    return WaveError::None;
}

WaveError WaveOutDevice::Write(WaveHeader& header)
{
    {
        std::lock_guard lock(mutex_);
        if (closed_)
            return WaveError::InvalidHandle;
        if (!(header.flags & kWaveHeaderPrepared))
            return WaveError::Unprepared;
        if (header.flags & kWaveHeaderInQueue)
            return WaveError::StillPlaying;
        if (!header.data || header.bufferLength == 0)
            return WaveError::InvalidParameter;
        header.flags = (header.flags & ~kWaveHeaderDone) | kWaveHeaderInQueue;
        queue_.push_back(&header);
    }
    OnQueued();
    return WaveError::None;
}

WaveError WaveOutDevice::Pause()
{
    {
        std::lock_guard lock(mutex_);
        if (closed_)
            return WaveError::InvalidHandle;
        paused_ = true;
    }
    OnPause(true);
    return WaveError::None;
}

WaveError WaveOutDevice::Restart()
{
    {
        std::lock_guard lock(mutex_);
        if (closed_)
            return WaveError::InvalidHandle;
        paused_ = false;
    }
    OnPause(false);
    return WaveError::None;
}

WaveError WaveOutDevice::Reset()
{
    {
        std::lock_guard lock(mutex_);
        if (closed_)
            return WaveError::InvalidHandle;
        for (WaveHeader* header : queue_) {
            header->flags = (header->flags & ~kWaveHeaderInQueue) | kWaveHeaderDone;
            finished_.push_back(header);
        }
        queue_.clear();
        headOffset_ = 0;
        played_ = 0;
    }
    changed_.notify_all();
    return WaveError::None;
}

WaveError WaveOutDevice::GetPosition(std::uint64_t& bytesPlayed)
{
    std::lock_guard lock(mutex_);
    if (closed_)
        return WaveError::InvalidHandle;
    bytesPlayed = played_;
    return WaveError::None;
}

WaveError WaveOutDevice::Close()
{
    if (std::this_thread::get_id() == notifier_.get_id())
        return WaveError::DeviceFailed;
    {
        std::lock_guard lock(mutex_);
        if (closed_)
            return WaveError::InvalidHandle;
        if (!queue_.empty())
            return WaveError::StillPlaying;
        paused_ = true;
    }
    OnClose();
    {
        std::lock_guard lock(mutex_);
        closed_ = true;
        closing_ = true;
    }
    changed_.notify_all();
    if (notifier_.joinable())
        notifier_.join();
    return WaveError::None;
}

bool WaveOutDevice::IsPaused() const
{
    std::lock_guard lock(mutex_);
    return paused_;
}

std::size_t WaveOutDevice::Consume(std::uint8_t* out, std::size_t size, bool evenWhenPaused)
{
    std::size_t done = 0;
    std::lock_guard lock(mutex_);
    if ((paused_ && !evenWhenPaused) || closed_)
        return 0;
    while (done < size && !queue_.empty()) {
        WaveHeader* head = queue_.front();
        const std::size_t count = std::min<std::size_t>(size - done, head->bufferLength - headOffset_);
        if (out)
            std::memcpy(out + done, head->data + headOffset_, count);
        done += count;
        headOffset_ += count;
        played_ += count;
        if (headOffset_ >= head->bufferLength) {
            head->flags = (head->flags & ~kWaveHeaderInQueue) | kWaveHeaderDone;
            finished_.push_back(head);
            queue_.pop_front();
            headOffset_ = 0;
        }
    }
    // Notified under the lock: once it is released the device may be closed by
    // the owner at any time, and nothing here touches it again.
    changed_.notify_all();
    return done;
}

std::size_t WaveOutDevice::QueuedBytes() const
{
    std::lock_guard lock(mutex_);
    std::size_t bytes = 0;
    for (const WaveHeader* header : queue_)
        bytes += header->bufferLength;
    return bytes - headOffset_;
}

std::size_t WaveOutDevice::QueuedBuffers() const
{
    std::lock_guard lock(mutex_);
    return queue_.size();
}

void WaveOutDevice::NotifyLoop()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return closing_ || !finished_.empty(); });
        if (finished_.empty())
            return;
        WaveHeader* header = finished_.front();
        finished_.pop_front();
        lock.unlock();
        if (done_)
            done_(this, header, instance_);
        lock.lock();
    }
}

ManualWaveOut::ManualWaveOut(const WaveFormat& format, WaveDoneProc done, void* instance)
    : WaveOutDevice(format, done, instance)
{
}

ManualWaveOut::~ManualWaveOut()
{
    Reset();
    Close();
}

} // namespace tna
