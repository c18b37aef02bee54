#include "MpegPlayback.h"

#include "EngineModules.h"

#include <algorithm>
#include <cstring>

namespace mpeg {

MpegPlayback::MpegPlayback()
{
    engine_.RegisterCodec(MpegAudioCodec());
    engine_.RegisterInput(FileInputModule());
}

void MpegPlayback::TakeStatus()
{
    const EngineStatus& status = engine_.Status();
    if (status.changeFlags != 0) {
        durationMs_ = status.durationMs;
        bitRateKbps_ = status.bitRateKbps;
    }
}

bool MpegPlayback::OpenFile(const char* name)
{
    CloseFile();
    if (!name || !*name)
        return false;
    if (engine_.OpenInput(name, -1) < 0)
        return false;
    if (engine_.Start() < 0) {
        engine_.ReleaseInput();
        return false;
    }
    TakeStatus();
    // The first frame tells the format; playback after an open starts with the next one.
    if (engine_.Decode() < 0) {
        engine_.ReleaseInput();
        return false;
    }
    TakeStatus();
    const DecodedFrame& frame = engine_.Frame();
    if (frame.changeFlags != 0) {
        channels_ = frame.channels;
        sampleRate_ = frame.sampleRate;
    }
    if (channels_ <= 0 || sampleRate_ <= 0) {
        engine_.ReleaseInput();
        return false;
    }
    converter_.SetTarget(channels_, sampleRate_);
    pendingBytes_ = pendingOffset_ = 0;
    path_ = name;
    open_ = true;
    return true;
}

bool MpegPlayback::CloseFile()
{
    if (!open_)
        return false;
    engine_.Stop();
    engine_.ReleaseInput();
    path_.clear();
    open_ = false;
    pendingBytes_ = pendingOffset_ = 0;
    return true;
}

int64_t MpegPlayback::GetLength() const
{
    if (durationMs_ <= 0)
        return 0;
    return static_cast<int64_t>(static_cast<double>(durationMs_) * 0.001 * static_cast<double>(AverageBytesPerSecond()));
}

int MpegPlayback::ReadData(uint8_t* buffer, int capacity)
{
    if (capacity <= 0 || !buffer || !open_)
        return -1;
    int total = 0;
    while (total < capacity) {
        if (pendingBytes_ == 0) {
            if (engine_.Decode() < 0)
                break;
            TakeStatus();
            const DecodedFrame& frame = engine_.Frame();
            const int samples =
                converter_.Convert(frame.data, frame.samples, frame.channels, frame.sampleRate, pending_);
            pendingBytes_ = samples * BlockAlign();
            pendingOffset_ = 0;
            continue;
        }
        const int room = capacity - total;
        if (pendingBytes_ > room && total > 0)
            break;  // the frame waits for the next buffer
        // Only a buffer smaller than one frame takes part of one; whole blocks always.
        int count = std::min(pendingBytes_, room);
        count -= count % BlockAlign();
        if (count == 0)
            break;
        std::memcpy(buffer + total, reinterpret_cast<const uint8_t*>(pending_) + pendingOffset_,
                    static_cast<size_t>(count));
        total += count;
        pendingOffset_ += count;
        pendingBytes_ -= count;
    }
    return total > 0 ? total : -1;
}

bool MpegPlayback::Seek(int64_t position, int64_t& seekBase)
{
    const int64_t length = GetLength();
    const int align = BlockAlign();
    if (position < 0)
        position = 0;
    if (align > 1)
        position -= position % align;
    seekBase = position;
    if (!open_)
        return false;
    if (length == 0 && position != 0)
        return true;  // without a length only the seek base moves
    const int64_t perSecond = AverageBytesPerSecond();
    const double seconds = perSecond > 0 ? static_cast<double>(position) / static_cast<double>(perSecond) : 0.0;
    pendingBytes_ = pendingOffset_ = 0;
    converter_.Reset();
    return engine_.SeekSeconds(seconds) >= 0;
}

} // namespace mpeg
