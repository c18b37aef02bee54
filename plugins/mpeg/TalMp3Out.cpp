#include "TalMp3Out.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "PlugInGlue.h"
#include "StreamHead.h"

TalMp3Out::TalMp3Out()
{
    version = 0x10008;
    name = "TalMp3Out";
    filter = "Mpeg Audio Files (*.MP3;*.MP2;*.MP1)|*.MP3;*.MP2;*.MP1|";
}

TalMp3Out::~TalMp3Out()
{
    FreeBuffers();
}

bool TalMp3Out::OpenSource(const char* fileName, SourceInfo& format)
{
    CloseSource();
    if (!fileName || std::strlen(fileName) > kMaxFileName)
        return false;
    if (!playback_.OpenFile(fileName))
        return false;
    std::strcpy(path_, fileName);
    open_ = true;
    const int64_t duration = playback_.DurationMs();
    duration_ = static_cast<std::uint32_t>(std::clamp<int64_t>(duration, 0, std::numeric_limits<std::uint32_t>::max()));
    bitRate_ = playback_.BitRateKbps();
    format.samplesPerSec = static_cast<std::uint32_t>(playback_.SampleRate());
    format.channels = static_cast<std::uint16_t>(playback_.Channels());
    format.bitsPerSample = 16;
    return true;
}

void TalMp3Out::CloseSource()
{
    if (!open_)
        return;
    playback_.CloseFile();
    path_[0] = '\0';
    open_ = false;
}

std::uint32_t TalMp3Out::GetBitRate() const
{
    return static_cast<std::uint32_t>(std::max(bitRate_, 0)) * 1024u;
}

std::uint32_t TalMp3Out::GetLength()
{
    if (!open_ || duration_ == 0)
        return 0;
    const int64_t bytes = mpeg::PcmLengthBytes(duration_, playback_.AverageBytesPerSecond());
    return static_cast<std::uint32_t>(std::min<int64_t>(bytes, std::numeric_limits<std::uint32_t>::max()));
}

bool TalMp3Out::Seek(std::uint32_t position)
{
    int64_t base = 0;
    const bool ok = playback_.Seek(position, base);
    SetSeekBase(static_cast<std::uint32_t>(base));
    return ok;
}

bool TalMp3Out::OnStop()
{
    // Rewinds to the start of the audio, also when the length is unknown.
    Seek(0);
    return true;
}

std::int32_t TalMp3Out::ReadData(std::uint8_t* buffer, std::uint32_t capacity)
{
    const int room = static_cast<int>(std::min<std::uint32_t>(capacity, std::numeric_limits<int>::max()));
    return playback_.ReadData(buffer, room);
}

void TalMp3Out::OnEndOfData()
{
    PostToNotifyWindow(WM_SOURCE_ENDED);
}

void TalMp3Out::OnReadError()
{
    PostToNotifyWindow(WM_SOURCE_FAILED);
}

std::int32_t Mp3OpenSlot(void* player, const OpenParams* params)
{
    if (!IsValidOpenParams(params))
        return 0;
    auto* self = static_cast<TalMp3Out*>(player);
    pcm_slots::Close(player);
    // The host's own record: the source tells it which buffers it really uses.
    auto* writable = const_cast<OpenParams*>(params);
    writable->bufferCount = TalMp3Out::kBufferCount;
    writable->bufferSize = TalMp3Out::kBufferSize;
    if (!self->AllocateBuffers(TalMp3Out::kBufferCount, TalMp3Out::kBufferSize))
        return 0;
    SourceInfo format;
    if (!self->OpenSource(params->fileName, format)) {
        self->FreeBuffers();
        return 0;
    }
    format.size = sizeof(SourceInfo);
    format.flags = kInfoPcmFormat;
    self->SetInfo(format);
    if (const HWND window = self->NotifyWindow())
        tna::SendMessage(window, WM_SOURCE_OPENED, 0, 0);
    return 1;
}
