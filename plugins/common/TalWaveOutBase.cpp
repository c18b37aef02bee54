#include "TalWaveOutBase.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <string>

namespace {

// Bounds for the buffers asked for through OpenParams.
constexpr std::uint32_t kMaxBufferCount = 1024;
constexpr std::uint64_t kMaxBufferBytes = 256ull * 1024 * 1024;
// How long the worker rests when there is nothing to fill.
constexpr int kIdleSleepMs = 55;
// Longest system error text shown in a box.
constexpr std::size_t kMaxErrorText = 128;

} // namespace

TalWaveOutBase::TalWaveOutBase() = default;

TalWaveOutBase::~TalWaveOutBase()
{
    FreeBuffers();
}

bool TalWaveOutBase::SetInfo(const SourceInfo& info)
{
    if (info.size != sizeof(SourceInfo))
        return false;
    if (info.flags & kInfoNotifyWindow)
        notifyWindow_ = info.notifyWindow;
    if (info.flags & kInfoPcmFormat) {
        tna::WaveFormat format;
        format.formatTag = tna::kWaveFormatPcm;
        format.channels = info.channels;
        format.samplesPerSec = info.samplesPerSec;
        format.bitsPerSample = info.bitsPerSample;
        format.blockAlign = std::uint16_t(info.bitsPerSample * info.channels / 8);
        format.avgBytesPerSec = format.blockAlign * info.samplesPerSec;
        format.extraSize = 0;
        format_ = format;
    }
    return true;
}

bool TalWaveOutBase::GetInfo(SourceInfo& info) const
{
    if (info.size != sizeof(SourceInfo))
        return false;
    if (info.flags & kInfoNotifyWindow)
        info.notifyWindow = notifyWindow_;
    if (info.flags & kInfoPcmFormat) {
        info.samplesPerSec = format_.samplesPerSec;
        info.channels = format_.channels;
        info.bitsPerSample = format_.bitsPerSample;
    }
    return true;
}

bool TalWaveOutBase::AllocateBuffers(std::uint32_t count, std::uint32_t size)
{
    if (count < 2 || size == 0 || count > kMaxBufferCount || std::uint64_t(count) * size > kMaxBufferBytes)
        return false;
    FreeBuffers();
    try {
        blocks_.assign(count, std::vector<std::uint8_t>(size, 0));
        headers_.clear();
        for (std::uint32_t i = 0; i < count; ++i)
            headers_.push_back(std::make_unique<tna::WaveHeader>());
        history_.assign(size, 0);
        inFlight_.assign(count, 0);
    } catch (const std::bad_alloc&) {
        blocks_.clear();
        headers_.clear();
        history_.clear();
        return false;
    }
    bufferCount_ = count;
    bufferSize_ = size;
    ResetHeaders();
    return true;
}

void TalWaveOutBase::FreeBuffers()
{
    Stop();
    StopThread();
    tna::LockGuard guard(lock_);
    blocks_.clear();
    headers_.clear();
    history_.clear();
    inFlight_.clear();
    bufferCount_ = 0;
    bufferSize_ = 0;
    historyLength_ = 0;
}

void TalWaveOutBase::ResetHeaders()
{
    for (std::uint32_t i = 0; i < bufferCount_; ++i) {
        inFlight_[i] = 0;
        std::fill(blocks_[i].begin(), blocks_[i].end(), 0);
        tna::WaveHeader& header = *headers_[i];
        header = tna::WaveHeader{};
        header.data = blocks_[i].data();
        header.bufferLength = bufferSize_;
        header.user = i;
    }
}

bool TalWaveOutBase::Play()
{
    if (bufferCount_ == 0)
        return false;
    if (!IsStopped())
        Stop();
    // A worker that ended playback by itself is joined before anything restarts.
    StopThread();
    if (!OnPlay())
        return false;

    freeBuffers_.Reinitialise(int(bufferCount_) - 1, int(bufferCount_));
    idleEvent_.Set();
    std::unique_ptr<tna::WaveOutDevice> device;
    const tna::WaveError error = OpenDevice(format_, &TalWaveOutBase::DoneProc, this, device);
    if (error != tna::WaveError::None || !device) {
        ShowWaveError(error, "TalWaveOutBase::Play(), waveOutOpen");
        return false;
    }
    {
        tna::LockGuard guard(lock_);
        device_ = std::move(device);
        state_ = kPlaying;
        stopping_ = false;
        historyLength_ = 0;
        fillIndex_ = 0;
        nextToPlay_ = 0;
        cursorBuffer_ = 0;
    }
    runEvent_.Set();
    if (!StartThread()) {
        Stop();
        return false;
    }
    SetPriority(tna::ThreadPriority::Highest);
    return true;
}

bool TalWaveOutBase::ClaimStop()
{
    tna::LockGuard guard(lock_);
    if (state_ == kStopped || stopping_)
        return false;
    // From here on the notification thread leaves every buffer alone and the
    // played-data readers answer "stopped".
    stopping_ = true;
    state_ = kStopped;
    return true;
}

bool TalWaveOutBase::Stop()
{
    if (IsWorkerThread())
        return ClaimStop() && TearDown(true);
    tna::LockGuard guard(stopLock_);
    if (!ClaimStop()) {
        // Stopped already, or the worker is stopping itself: let it finish.
        StopThread();
        return false;
    }
    return TearDown(false);
}

bool TalWaveOutBase::TearDown(bool fromWorker)
{
    runEvent_.Reset();
    if (!fromWorker) {
        // Wake a worker blocked on the semaphore, wait until it is between two
        // steps, and end it.
        while (freeBuffers_.Release(1)) {
        }
        idleEvent_.Wait();
        StopThread();
    }

    std::unique_ptr<tna::WaveOutDevice> device;
    {
        tna::LockGuard guard(lock_);
        device = std::move(device_);
    }
    tna::WaveError pause = tna::WaveError::None, reset = tna::WaveError::None;
    tna::WaveError unprepare = tna::WaveError::None, close = tna::WaveError::None;
    if (device) {
        pause = device->Pause();
        reset = device->Reset();
        for (auto& header : headers_) {
            const tna::WaveError error = device->Unprepare(*header);
            if (unprepare == tna::WaveError::None)
                unprepare = error;
        }
        close = device->Close();
        device.reset();
    }

    OnStop();
    {
        tna::LockGuard guard(lock_);
        historyLength_ = 0;
        fillIndex_ = 0;
        nextToPlay_ = 0;
        cursorBuffer_ = 0;
        seekBase_ = 0;
        ResetHeaders();
        stopping_ = false;
    }
    ReportStopErrors(pause, reset, unprepare, close);
    return pause == tna::WaveError::None && reset == tna::WaveError::None &&
           unprepare == tna::WaveError::None && close == tna::WaveError::None;
}

void TalWaveOutBase::ReportStopErrors(tna::WaveError pause, tna::WaveError reset, tna::WaveError unprepare,
                                      tna::WaveError close) const
{
    if (pause != tna::WaveError::None)
        ShowWaveError(pause, "TalWaveOutBase::Stop(), waveOutPause");
    else if (reset != tna::WaveError::None)
        ShowWaveError(reset, "TalWaveOutBase::Stop(), waveOutReset");
    else if (unprepare != tna::WaveError::None)
        ShowWaveError(unprepare, "TalWaveOutBase::Stop(), waveOutUnprepareHeader");
    else if (close != tna::WaveError::None)
        ShowWaveError(close, "TalWaveOutBase::Stop(), waveOutClose");
}

bool TalWaveOutBase::Pause()
{
    tna::WaveError error = tna::WaveError::None;
    {
        tna::LockGuard guard(lock_);
        if (state_ != kPlaying)
            return false;
        runEvent_.Reset();
        state_ = kPaused;
        error = device_->Pause();
    }
    ShowWaveError(error, "TalWaveOutBase::Pause(), waveOutPause");
    return true;
}

bool TalWaveOutBase::Resume()
{
    tna::WaveError error = tna::WaveError::None;
    {
        tna::LockGuard guard(lock_);
        if (state_ != kPaused)
            return false;
        state_ = kPlaying;
        error = device_->Restart();
        runEvent_.Set();
    }
    ShowWaveError(error, "TalWaveOutBase::Resume(), waveOutRestart");
    return true;
}

bool TalWaveOutBase::LoopFunc()
{
    if (!runEvent_.IsSet()) {
        SleepOrStop(kIdleSleepMs);
        return true;
    }
    idleEvent_.Reset();
    tna::WaveHeader& header = *headers_[fillIndex_];
    std::int32_t count = ReadData(header.data, bufferSize_);

    if (count < 0) {
        bool allPlayed = false;
        {
            tna::LockGuard guard(lock_);
            allPlayed = nextToPlay_ == fillIndex_;
        }
        idleEvent_.Set();
        if (allPlayed) {
            if (ClaimStop()) {
                TearDown(true);
                OnEndOfData();
            }
            return false;
        }
        SleepOrStop(kIdleSleepMs);
        return true;
    }
    if (count == 0) {
        idleEvent_.Set();
        if (ClaimStop()) {
            TearDown(true);
            OnReadError();
        }
        return false;
    }

    const std::uint32_t size = std::min<std::uint32_t>(std::uint32_t(count), bufferSize_);
    ProcessData(header.data, size);
    header.bufferLength = size;
    tna::WaveError error = device_->Prepare(header);
    const char* context = "TalWaveOutBase::LoopFunc(), waveOutPrepareHeader";
    if (error == tna::WaveError::None) {
        {
            tna::LockGuard guard(lock_);
            inFlight_[fillIndex_] = 1;
        }
        error = device_->Write(header);
        context = "TalWaveOutBase::LoopFunc(), waveOutWrite";
    }
    if (error != tna::WaveError::None) {
        idleEvent_.Set();
        if (ClaimStop()) {
            TearDown(true);
            ShowWaveError(error, context);
        }
        return false;
    }
    freeBuffers_.Wait();
    fillIndex_ = (fillIndex_ + 1) % bufferCount_;
    idleEvent_.Set();
    return true;
}

void TalWaveOutBase::DoneProc(tna::WaveOutDevice*, tna::WaveHeader* header, void* instance)
{
    static_cast<TalWaveOutBase*>(instance)->OnBufferDone(header);
}

void TalWaveOutBase::OnBufferDone(tna::WaveHeader* header)
{
    tna::LockGuard guard(lock_);
    // A buffer that finishes while paused still hands its slot back; only a stop
    // (which resets the device) makes the notifications meaningless.
    if (state_ == kStopped)
        return;
    const std::uint32_t index = std::uint32_t(header->user);
    if (index >= bufferCount_)
        return;
    std::vector<std::uint8_t>& block = blocks_[index];
    std::copy(block.begin(), block.end(), history_.begin());
    historyLength_ = bufferSize_;
    historyIndex_ = index;
    inFlight_[index] = 0;
    nextToPlay_ = (index + 1) % bufferCount_;
    std::fill(block.begin(), block.end(), 0);
    freeBuffers_.Release(1);
}

tna::WaveError TalWaveOutBase::ReadCursor(std::uint32_t& cursor, std::uint32_t& offset) const
{
    std::uint64_t played = 0;
    const tna::WaveError error = device_ ? device_->GetPosition(played) : tna::WaveError::InvalidHandle;
    if (error != tna::WaveError::None)
        played = 0;
    cursor = std::uint32_t((played / bufferSize_) % bufferCount_);
    offset = std::uint32_t(played % bufferSize_);
    return error;
}

std::int32_t TalWaveOutBase::CopyPlayed(std::uint8_t* buffer, std::uint32_t count, std::uint32_t cursor,
                                        std::uint32_t offset) const
{
    if (historyLength_ != 0 && historyIndex_ == cursor && !inFlight_[cursor]) {
        // The device has finished the cursor buffer (the short last one of the
        // data): its bytes live on in the history only.
        const std::uint32_t available = std::min(count, offset);
        std::memcpy(buffer, history_.data() + offset - available, available);
        return std::int32_t(available);
    }
    const std::uint8_t* current = blocks_[cursor].data();
    if (offset >= count) {
        std::memcpy(buffer, current + offset - count, count);
        return std::int32_t(count);
    }
    const std::uint32_t missing = count - offset;
    const std::uint8_t* previous = nullptr;
    if (cursor == nextToPlay_) {
        // The buffer before the cursor has been recycled; its copy is the history.
        if (historyLength_ == 0) {
            std::memcpy(buffer, current, offset);
            return std::int32_t(offset);
        }
        previous = history_.data();
    } else {
        previous = blocks_[(cursor + bufferCount_ - 1) % bufferCount_].data();
    }
    std::memcpy(buffer, previous + bufferSize_ - missing, missing);
    std::memcpy(buffer + missing, current, offset);
    return std::int32_t(count);
}

std::int32_t TalWaveOutBase::GetPlayedData(std::uint8_t* buffer, std::int32_t count)
{
    tna::WaveError error = tna::WaveError::None;
    std::int32_t copied = 0;
    {
        tna::LockGuard guard(lock_);
        if (state_ == kStopped || bufferCount_ == 0)
            return -1;
        if (!buffer || count <= 0)
            return 0;
        const std::uint32_t wanted = std::min<std::uint32_t>(std::uint32_t(count), bufferSize_);
        std::uint32_t cursor = 0, offset = 0;
        error = ReadCursor(cursor, offset);
        cursorBuffer_ = cursor;
        copied = CopyPlayed(buffer, wanted, cursor, offset);
    }
    ShowWaveError(error, "TalWaveOutBase::GetPosition, waveOutGetPosition");
    return copied;
}

std::int32_t TalWaveOutBase::GetPlayedDataAligned(std::uint8_t* buffer, std::int32_t count,
                                                  std::uint32_t* outOffset, std::int32_t divisor)
{
    tna::WaveError error = tna::WaveError::None;
    std::int32_t copied = 0;
    {
        tna::LockGuard guard(lock_);
        if (state_ != kPlaying || bufferCount_ == 0 || !buffer || count <= 0)
            return -1;
        const std::uint32_t wanted = std::min<std::uint32_t>(std::uint32_t(count), bufferSize_);
        const std::uint32_t divisorByte = std::uint32_t(divisor) & 0xFFu;
        const std::uint32_t step = divisorByte ? wanted / divisorByte : 0;
        if (step == 0)
            return -1;
        std::uint32_t cursor = 0, offset = 0;
        error = ReadCursor(cursor, offset);
        offset = offset / step * step;
        if (format_.blockAlign > 1)
            offset = offset / format_.blockAlign * format_.blockAlign;
        if (outOffset)
            *outOffset = offset;
        cursorBuffer_ = cursor;
        copied = CopyPlayed(buffer, wanted, cursor, offset);
    }
    ShowWaveError(error, "TalWaveOutBase::GetPosition, waveOutGetPosition");
    return copied;
}

std::uint32_t TalWaveOutBase::GetPosition()
{
    tna::WaveError error = tna::WaveError::None;
    std::uint64_t played = 0;
    {
        tna::LockGuard guard(lock_);
        if (!device_)
            return seekBase_;
        error = device_->GetPosition(played);
        if (error != tna::WaveError::None)
            played = 0;
    }
    ShowWaveError(error, "TalWaveOutBase::GetPosition, waveOutGetPosition");
    return seekBase_ + std::uint32_t(played);
}

tna::WaveError TalWaveOutBase::OpenDevice(const tna::WaveFormat& format, tna::WaveDoneProc done, void* instance,
                                          std::unique_ptr<tna::WaveOutDevice>& device)
{
    return tna::OpenWaveOut(format, done, instance, device);
}

void TalWaveOutBase::ShowWaveError(tna::WaveError error, const char* context) const
{
    const HWND window = notifyWindow_.load();
    if (!window || error == tna::WaveError::None)
        return;
    std::string text = tna::WaveErrorText(error);
    if (text.size() > kMaxErrorText)
        text.resize(kMaxErrorText);
    tna::ShowMessageBox(window, text + " - " + context, "Error");
}

void TalWaveOutBase::PostToNotifyWindow(UINT message) const
{
    if (const HWND window = notifyWindow_.load())
        tna::PostMessage(window, message, 0, 0);
}
